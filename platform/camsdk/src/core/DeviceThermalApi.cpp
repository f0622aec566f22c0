// The camera's own temperatures: its rule set, measured by the simulated
// firmware on the true scene of the last produced frame (not through the
// raw frame and the host engine), its measuring distance and the isotherm
// records.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "ApiCall.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::FrameStream;
using camsdk::Session;
using camsdk::SimDevice;
using Lock = CamLayer::Lock;

namespace {

// Same checks as the client rule set: count 0..12; type 0..2; areas of
// 1..8 points; coordinates not negative, 8192 taken as 8191.
bool normaliseRules(USBSDK_Rules& rules)
{
    if (rules.count > USBSDK_MAX_RULES) return false;
    for (uint32_t i = 0; i < rules.count; ++i) {
        USBSDK_Rule& r = rules.rule[i];
        if (r.type > 2) return false;
        int32_t* xy = &r.geom.point.x;
        int n = 1;
        if (r.type == 1) {
            n = 2;
        } else if (r.type == 2) {
            if (r.geom.area.pointCount < 1 || r.geom.area.pointCount > 8) return false;
            xy = &r.geom.area.xy[0][0];
            n = int(r.geom.area.pointCount);
        }
        for (int k = 0; k < 2 * n; ++k) {
            if (xy[k] < 0 || xy[k] > USBSDK_RULE_SPACE) return false;
            if (xy[k] == USBSDK_RULE_SPACE) xy[k] = USBSDK_RULE_SPACE - 1;
        }
    }
    return true;
}

bool inRange(float v, float lo, float hi)
{
    return std::isfinite(v) && v >= lo && v <= hi;
}

// Rule space to pixel, rounded and clipped to the frame, as thermcore does.
int toPixel(int32_t v, int side)
{
    const int p = int((int64_t(v) * side + USBSDK_RULE_SPACE / 2) / USBSDK_RULE_SPACE);
    return p < 0 ? 0 : (p >= side ? side - 1 : p);
}

int32_t toRuleSpace(int p, int side)
{
    return int32_t((int64_t(p) * USBSDK_RULE_SPACE + side / 2) / side);
}

// Running average, extremes and their first positions over visited pixels.
class Accumulator {
public:
    Accumulator(const FrameStream& stream, int width, int height) : stream_(stream), width_(width), height_(height) {}

    // False when the frame has no truth at (x, y): no frame yet, or its
    // size changed under us.
    bool add(int x, int y)
    {
        float t = 0.0f;
        if (!stream_.source().truth(x, y, &t)) return false;
        sum_ += double(t);
        ++n_;
        // Row-major first occurrence: callers visit in that order for
        // areas, so a strict comparison keeps the first one.
        if (n_ == 1 || t > max_ || (t == max_ && before(x, y, maxX_, maxY_))) {
            max_ = t;
            maxX_ = x;
            maxY_ = y;
        }
        if (n_ == 1 || t < min_ || (t == min_ && before(x, y, minX_, minY_))) {
            min_ = t;
            minX_ = x;
            minY_ = y;
        }
        return true;
    }

    void write(int type, int ruleId, USBSDK_ThermalRuleResult* out) const
    {
        USBSDK_ThermalRuleResult r{};
        r.meterType = type;
        r.ruleId = ruleId;
        r.avgTemp = float(sum_ / double(n_));
        r.maxTemp = max_;
        r.minTemp = min_;
        r.hotX = toRuleSpace(maxX_, width_);
        r.hotY = toRuleSpace(maxY_, height_);
        r.coldX = toRuleSpace(minX_, width_);
        r.coldY = toRuleSpace(minY_, height_);
        *out = r;
    }

private:
    static bool before(int x, int y, int x0, int y0) { return y < y0 || (y == y0 && x < x0); }

    const FrameStream& stream_;
    int width_, height_;
    double sum_ = 0.0;
    int n_ = 0;
    float max_ = 0.0f, min_ = 0.0f;
    int maxX_ = 0, maxY_ = 0, minX_ = 0, minY_ = 0;
};

// Every pixel of columns x0..x1 - 1 and rows y0..y1 - 1, row by row.
bool addRectangle(Accumulator& acc, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (!acc.add(x, y)) return false;
    return true;
}

// A line's pixels: steps along its longer axis from the first end, the end
// pixel of that axis left out; a line of one pixel is that pixel.
bool addLine(Accumulator& acc, int x1, int y1, int x2, int y2)
{
    const int dx = x2 - x1, dy = y2 - y1;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) return acc.add(x1, y1);
    for (int i = 0; i < steps; ++i) {
        const int x = x1 + int(std::lround(double(dx) * i / steps));
        const int y = y1 + int(std::lround(double(dy) * i / steps));
        if (!acc.add(x, y)) return false;
    }
    return true;
}

bool measureRule(Accumulator& acc, const USBSDK_Rule& r, int w, int h)
{
    if (r.type == 0) return acc.add(toPixel(r.geom.point.x, w), toPixel(r.geom.point.y, h));
    if (r.type == 1)
        return addLine(acc, toPixel(r.geom.line.x1, w), toPixel(r.geom.line.y1, h), toPixel(r.geom.line.x2, w),
                       toPixel(r.geom.line.y2, h));
    // Areas of any shape: the half-open bounding rectangle of their points,
    // at least one pixel wide and high.
    int x0 = w, y0 = h, x1 = 0, y1 = 0;
    for (uint32_t i = 0; i < r.geom.area.pointCount; ++i) {
        const int x = toPixel(r.geom.area.xy[i][0], w), y = toPixel(r.geom.area.xy[i][1], h);
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    if (x1 == x0) ++x1;
    if (y1 == y0) ++y1;
    return addRectangle(acc, x0, y0, std::min(x1, w), std::min(y1, h));
}

}  // namespace

extern "C" {

CAMSDK_API int USBSDK_SetDeviceThermalRules(USBSDK_Rules rules)
{
    ApiCall call(__func__, ArgText::of("rules", rules));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (d.live().deviceType.load() != 1) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!normaliseRules(rules)) return int(USBSDK_ERR_INVALID_ARG);
        // Session only: the working set is reloaded from the saved one,
        // which never holds rules, at every open.
        d.working().deviceSide.rules = rules;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetDeviceThermalRules(int ruleId, USBSDK_ThermalRuleResult* out)
{
    ApiCall call(__func__, ArgText::of("ruleId", ruleId, "out", out));
    if (call.injected()) return 0;
    // Checks and copies under the state mutex; the measurement reads the
    // frame source's own scene copy outside it.
    USBSDK_Rule rule{};
    int width = 0, height = 0;
    std::shared_ptr<FrameStream> stream;
    int error;
    {
        Lock lock = call.layer().lock();
        error = call.layer().checkSession(lock);
        if (!error) {
            const int index = call.layer().session(lock)->device;
            SimDevice& d = call.layer().device(lock, index);
            if (!d.carriesRaw())
                error = USBSDK_ERR_NOT_SUPPORTED;
            else if (d.sleeping())
                error = USBSDK_ERR_SLEEPING;
            else if (!out)
                error = USBSDK_ERR_INVALID_ARG;
            else if (ruleId != 0) {
                const USBSDK_Rules& rules = d.working().deviceSide.rules;
                error = USBSDK_ERR_NOT_FOUND;
                for (uint32_t i = 0; i < rules.count && error; ++i)
                    if (int(rules.rule[i].ruleId) == ruleId) {
                        rule = rules.rule[i];
                        error = 0;
                    }
            }
            width = d.live().width.load();
            height = d.live().height.load();
            stream = call.layer().streamOf(lock, index);
        }
    }
    if (!error) {
        if (!stream) return call.finish(USBSDK_ERR_THERMAL_NOT_READY);
        Accumulator acc(*stream, width, height);
        const bool measured =
            ruleId == 0 ? addRectangle(acc, 0, 0, width, height) : measureRule(acc, rule, width, height);
        if (!measured) return call.finish(USBSDK_ERR_THERMAL_NOT_READY);
        acc.write(ruleId == 0 ? 2 : int(rule.type), ruleId, out);
    }
    return call.finish(error);
}

CAMSDK_API int USBSDK_SetDeviceThermalDistance(float metres)
{
    ApiCall call(__func__, ArgText::of("metres", metres));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!inRange(metres, 0.0f, 10000.0f)) return int(USBSDK_ERR_INVALID_ARG);
        // Stored only: the simulated scene has no atmosphere.
        d.working().deviceSide.distance = metres;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetIsothermParams(USBSDK_IsothermParams p)
{
    ApiCall call(__func__, ArgText::of("p", p));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if ((p.on != 0 && p.on != 1) || p.mode < 0 || p.mode > 3 || !inRange(p.lowerLimit, -40.0f, 2000.0f) ||
            !inRange(p.upperLimit, -40.0f, 2000.0f))
            return int(USBSDK_ERR_INVALID_ARG);
        if (p.on == 1 && p.mode >= 2 && !(p.lowerLimit < p.upperLimit)) return int(USBSDK_ERR_INVALID_ARG);
        // The switch is an image parameter (saved by SaveDevImageParam); the
        // limits and mode are kept in both sets so a reopened camera shows
        // the last ones.
        d.working().isothermOn = p.on;
        d.working().deviceSide.isotherm = p;
        d.saved().deviceSide.isotherm = p;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetIsothermParams(USBSDK_IsothermParams* p)
{
    ApiCall call(__func__, ArgText::of("p", p));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!p) return int(USBSDK_ERR_INVALID_ARG);
        USBSDK_IsothermParams r = d.working().deviceSide.isotherm;
        r.on = d.working().isothermOn;
        *p = r;
        call.setOutputs(ArgText::value(r));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetIsothermValue(USBSDK_IsothermValue v)
{
    ApiCall call(__func__, ArgText::of("v", v));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (v.enable != 0 && v.enable != 1) return int(USBSDK_ERR_INVALID_ARG);
        // Stored only; nothing on the display uses it.
        d.working().deviceSide.isothermValue = v;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetIsothermValue(USBSDK_IsothermValue* v)
{
    ApiCall call(__func__, ArgText::of("v", v));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!v) return int(USBSDK_ERR_INVALID_ARG);
        *v = d.working().deviceSide.isothermValue;
        call.setOutputs(ArgText::value(*v));
        return 0;
    });
}

}  // extern "C"
