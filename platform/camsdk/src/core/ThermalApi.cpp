// Thermal function and client temperatures: the live rule set, rule
// temperatures and the hot and cold spot computed by the host radiometry
// engine from the raw frames, and the common measurement parameters.
#include <cmath>

#include "ApiCall.h"
#include "HostRadiometry.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::HostRadiometry;
using camsdk::Session;
using camsdk::SimDevice;
using Lock = CamLayer::Lock;

namespace {

// Live rules: count 0..12; type 0..2; areas of 1..8 points; coordinates
// not negative, a point on the right or bottom edge (8192) taken as 8191.
bool normaliseRules(USBSDK_Rules& rules)
{
    if (rules.count > USBSDK_MAX_RULES) return false;
    auto coordinate = [](int32_t& v) {
        if (v < 0 || v > USBSDK_RULE_SPACE) return false;
        if (v == USBSDK_RULE_SPACE) v = USBSDK_RULE_SPACE - 1;
        return true;
    };
    for (uint32_t i = 0; i < rules.count; ++i) {
        USBSDK_Rule& r = rules.rule[i];
        if (r.type > 2) return false;
        int32_t* xy = nullptr;
        int n = 0;
        if (r.type == 0) {
            xy = &r.geom.point.x;
            n = 1;
        } else if (r.type == 1) {
            xy = &r.geom.line.x1;
            n = 2;
        } else {
            if (r.geom.area.pointCount < 1 || r.geom.area.pointCount > 8) return false;
            xy = &r.geom.area.xy[0][0];
            n = int(r.geom.area.pointCount);
        }
        for (int k = 0; k < 2 * n; ++k)
            if (!coordinate(xy[k])) return false;
    }
    return true;
}

bool inRange(float v, float lo, float hi)
{
    return std::isfinite(v) && v >= lo && v <= hi;
}

// Why the client temperatures cannot be read now, or 0.
int clientReadiness(const SimDevice& d)
{
    if (!d.carriesRaw()) return USBSDK_ERR_NOT_SUPPORTED;
    if (d.sleeping()) return USBSDK_ERR_SLEEPING;
    const HostRadiometry& engine = HostRadiometry::instance();
    if (!engine.isOpen() || !engine.hasFrame()) return USBSDK_ERR_THERMAL_NOT_READY;
    return 0;
}

// One client measurement: the session, device and readiness checks under
// the state mutex; the measurement itself outside it, under the engine's own
// lock, so the frame thread and other callers are not held up by it.
template <typename Measure>
int measure(ApiCall& call, const void* out, Measure&& run)
{
    if (call.injected()) return 0;
    USBSDK_CommonTemperParam params{};
    int error;
    {
        Lock lock = call.layer().lock();
        error = call.layer().checkSession(lock);
        if (!error) {
            SimDevice& d = call.layer().device(lock, call.layer().session(lock)->device);
            error = !out ? int(USBSDK_ERR_INVALID_ARG) : clientReadiness(d);
            params = d.saved().temperParams;
        }
    }
    if (!error) {
        HostRadiometry& engine = HostRadiometry::instance();
        engine.setParams(params);
        error = run(engine);
    }
    return call.finish(error);
}

}  // namespace

extern "C" {

CAMSDK_API int USBSDK_OpenThermalFunction(void)
{
    ApiCall call(__func__, std::string());
    return call.device([&](Lock&, SimDevice&, Session&) {
        HostRadiometry::instance().open();
        return 0;
    });
}

CAMSDK_API int USBSDK_GetThermalFunctionStatus(void)
{
    return ApiCall::status(__func__, true, 0, [](const SimDevice& d) {
        const HostRadiometry& engine = HostRadiometry::instance();
        return engine.isOpen() && (!d.carriesRaw() || engine.hasFrame()) ? 1 : 0;
    });
}

CAMSDK_API int USBSDK_SetThermalRules(USBSDK_Rules rules)
{
    ApiCall call(__func__, ArgText::of("rules", rules));
    return call.device([&](Lock&, SimDevice&, Session&) {
        if (!normaliseRules(rules)) return int(USBSDK_ERR_INVALID_ARG);
        HostRadiometry::instance().setRules(rules);
        return 0;
    });
}

CAMSDK_API int USBSDK_GetThermalRules(int ruleId, USBSDK_ThermalRuleResult* out)
{
    ApiCall call(__func__, ArgText::of("ruleId", ruleId, "out", out));
    return measure(call, out, [&](HostRadiometry& engine) { return engine.ruleTemperature(ruleId, out); });
}

CAMSDK_API int USBSDK_GetThermalHotColdPoint(USBSDK_HotColdPoint* out)
{
    ApiCall call(__func__, ArgText::of("out", out));
    return measure(call, out, [&](HostRadiometry& engine) { return engine.hotColdPoint(out); });
}

CAMSDK_API int USBSDK_SetCommonTemperParam(const USBSDK_CommonTemperParam* p)
{
    ApiCall call(__func__, ArgText::of("p", p));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!p || p->humidity < 0 || p->humidity > 100 || !inRange(p->ambientTemp, -40.0f, 120.0f) ||
            !inRange(p->emissivity, 0.01f, 1.0f) || !inRange(p->distance, 0.0f, 10000.0f) ||
            !inRange(p->reflectedTemp, -40.0f, 2000.0f))
            return int(USBSDK_ERR_INVALID_ARG);
        // Saved at once, like the camera's flash.
        d.saved().temperParams = *p;
        d.working().temperParams = *p;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetCommonTemperParam(USBSDK_GlobalTemperParam* out)
{
    ApiCall call(__func__, ArgText::of("out", out));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!out) return int(USBSDK_ERR_INVALID_ARG);
        const USBSDK_CommonTemperParam& p = d.saved().temperParams;
        USBSDK_GlobalTemperParam g{};
        g.emissivity = p.emissivity;
        g.distance = p.distance;
        g.reflectedTemp = p.reflectedTemp;
        g.ambientTemp = p.ambientTemp;
        g.humidity = p.humidity;
        *out = g;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetThermalLog(int enable)
{
    ApiCall call(__func__, ArgText::of("enable", enable));
    return call.layer([&] {
        HostRadiometry::instance().setLog(enable != 0);
        return 0;
    });
}

}  // extern "C"
