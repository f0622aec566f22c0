#include "LiveCalculator.h"

#include <algorithm>
#include <cmath>

#include "AtmosphericTransmittance.h"
#include "DistanceCompensation.h"
#include "EmissivityCompensation.h"
#include "LiveState.h"
#include "Logger.h"
#include "PixelStats.h"

namespace thermcore {

namespace {

#define LIVE_LOG(...) TC_LOG(::thermcore::LogChannel::Live, __VA_ARGS__)

constexpr float kLowerLimit = -30.0f;
constexpr float kUpperLimitLow = 160.0f;
constexpr float kUpperLimitHigh = 600.0f;
constexpr double kSwitchTemperature = 330.0;

void logClosing(const LiveCalculator::MetryParm& p, const LiveCalculator::MetryValue& v)
{
    LIVE_LOG("111111 temp max[%f],min[%f],aver[%f]", double(v.maximum), double(v.minimum), double(v.average));
    LIVE_LOG("startRow=%d", p.startRow);
    LIVE_LOG("endRow=%d", p.endRow);
    LIVE_LOG("startColumn=%d", p.startColumn);
    LIVE_LOG("endColumn=%d", p.endColumn);
    LIVE_LOG("maxValue=%f", double(v.maximum));
    LIVE_LOG("minValue=%f", double(v.minimum));
    LIVE_LOG("aveValue=%f", double(v.average));
    LIVE_LOG("ruleID %d hotPoint and coldPoint [%d,%d,%d,%d]", p.ruleId, v.hotRow, v.hotColumn, v.coldRow,
             v.coldColumn);
}

// A zero-length line, an area without pixels, or pixels all outside the
// frame: nothing was measured, and nothing is reported as measured.
int noPixel(const LiveCalculator::MetryParm& p)
{
    LIVE_LOG("rule %d covers no pixel", p.ruleId);
    return -1;
}

template <typename Value>
void putPositions(const PixelStats<Value>& s, LiveCalculator::MetryValue* v)
{
    v->hotColumn = s.hotX;
    v->hotRow = s.hotY;
    v->coldColumn = s.coldX;
    v->coldRow = s.coldY;
}

// Frames whose raw values already are temperatures in tenths of a degree.
int temperatureData(LiveState& state, const PixelSet& set, const LiveCalculator::MetryParm& p,
                    LiveCalculator::MetryValue* v)
{
    LIVE_LOG("######### RADAPP_getTemperature ##########");
    const auto s = collectPixels<int32_t>(state.frame().pixels.data(), state.frame().width, state.frame().height, set);
    if (s.count == 0) return noPixel(p);
    v->average = float(s.mean() / 10.0);
    v->maximum = s.max / 10.0f;
    v->minimum = s.min / 10.0f;
    putPositions(s, v);
    logClosing(p, *v);
    return 0;
}

int greyPath(LiveState& state, const PixelSet& set, const LiveCalculator::MetryParm& p, LiveCalculator::MetryValue* v)
{
    LIVE_LOG("######### RADAPP_nyxCalcTemperature ##########");
    const LiveState::Frame& frame = state.frame();
    const bool cameraBlock = frame.redunVersion != 0;
    const RedunData& block = state.redun;
    LiveTec& tec = state.tec;
    const int32_t gainMode = tec.gainMode();

    float realBaseTemp;
    if (cameraBlock) {
        realBaseTemp = block.realBaseTemp + block.baseTempOffset;
        LIVE_LOG("LOUT realBaseTemp[%f = %f+%f] baseGray = %u,grayTempDrift = %d", double(realBaseTemp),
                 double(block.realBaseTemp), double(block.baseTempOffset), state.baseGray, block.grayTempDrift);
    } else if (state.baseTempUpdateFlag) {
        realBaseTemp = frame.baseTemp;
        LIVE_LOG("111realBaseTemp = %f ", double(realBaseTemp));
    } else {
        realBaseTemp = tec.baseTemp();
    }

    LIVE_LOG("metryParm.objectDistanceMeter = %f gNyxDftDist = %f,", double(p.objectDistanceMeter),
             double(state.defaultDistance));
    double d = p.objectDistanceMeter;
    if (std::fabs(d - state.defaultDistance) <= 0.01) d = 0.0;

    const auto s = collectPixels<uint32_t>(frame.pixels.data(), frame.width, frame.height, set);
    if (s.count == 0) return noPixel(p);
    state.lastMaxGrey = s.max;
    const double mean = s.mean();

    TecRecord tecRecord{};
    CurvePoint curve[THERMCORE_CURVE_POINTS] = {};
    int n;
    if (cameraBlock) {
        tecRecord = block.tec;
        std::copy(std::begin(block.curve), std::end(block.curve), curve);
        n = block.curveCount;
        LIVE_LOG("is used gNyxRunObj.");
    } else {
        if (tec.tecTempCompensation(&tecRecord, s.max) != 0) LIVE_LOG("RADAPP_getTecTempCompensation fail.");
        n = tec.curveCount();
        if (tec.updateDiffTable(curve) != 0) LIVE_LOG("RADAPP_updateDiffTable fail.");
    }
    const GreyCurve model(curve, n, tecRecord, state.baseGray, realBaseTemp);

    const float e = p.objectEmissivity;
    const double grayReflect = model.greyOf(p.reflectedTemperatureCelcius);
    if (gainMode == 1) {
        const double g330 = model.greyOf(kSwitchTemperature);
        tec.setSwitchGrey(isErrorTemperature(g330) || !(g330 > 0.0) ? 0u : uint32_t(std::min(g330, 4294967295.0)));
    }

    const float tau =
        AtmosphericTransmittance::at(p.objectDistanceMeter, p.atmosphericTemperatureCelcius, p.relativeHumidity);
    LIVE_LOG("metryParm %f,%f,%d,%d", double(e), double(p.objectDistanceMeter), p.relativeHumidity, p.meterType);
    LIVE_LOG(
        "grayReflect = %f,grayAtm = %f,tauAtm = %f,grayAve = %f,grayMax = %d,grayMin = %d,"
        "pObj->tempRiseCompensation = %f",
        grayReflect, 0.0, double(tau), mean, int(s.max), int(s.min), 0.0);
    LIVE_LOG("realBaseTemp %f, BaseGray %d, reflectedTemperatureCelcius %f, atmosphericTemperatureCelcius %f",
             double(realBaseTemp), int(state.baseGray), double(p.reflectedTemperatureCelcius),
             double(p.atmosphericTemperatureCelcius));
    LIVE_LOG("diffTableNum[%d]", n);
    LIVE_LOG("temp0[%f], tempCur[%f], self_com[%f], segFlag[%d], offset[%f][%f][%f]", double(tecRecord.temp0),
             double(tecRecord.tempCur), double(tecRecord.self_com), tecRecord.segFlag, double(tecRecord.offset[0]),
             double(tecRecord.offset[1]), double(tecRecord.offset[2]));

    double greys[3] = {mean, double(s.max), double(s.min)};  // average, maximum, minimum
    LIVE_LOG("22222objectEmissivity = %f,grayAveReal = %f,grayMaxReal = %f,grayMinReal = %f", double(e), greys[0],
             greys[1], greys[2]);
    if (block.emissModelV2 == 0) {
        if (e > 0.0f && std::isfinite(e)) {
            for (double& g : greys) g = float((g - (1.0 - e) * grayReflect) / e);
        } else {
            LIVE_LOG("emissivity %f out of range, emissivity step skipped", double(e));
        }
    }
    LIVE_LOG("NORMAL: realbaseTemp: %f,grayTempDrift = %d", double(realBaseTemp), tec.grayTempDrift());
    LIVE_LOG("NORMAL: grayAveReal = %f,grayMaxReal = %f,grayMinReal = %f", greys[0], greys[1], greys[2]);

    float t[3];
    for (int i = 0; i < 3; ++i) {
        const double temp = model.temperatureOf(greys[i]);
        // An unusable curve has no temperature to report, limited or not.
        if (isErrorTemperature(temp) || !std::isfinite(temp)) {
            LIVE_LOG("live curve gives no temperature (%f)", temp);
            return -1;
        }
        t[i] = float(temp);
    }
    LIVE_LOG("NORMAL: temp max[%f],min[%f],aver[%f]", double(t[1]), double(t[2]), double(t[0]));

    if (block.emissModelV2 != 0 && std::fabs(e - 0.97f) >= 0.01f) {
        float c[3];
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i)
            ok = EmissivityCompensation::builtIn().compensate(&c[i], p.atmosphericTemperatureCelcius, e, t[i]) == 0;
        if (ok)
            std::copy(c, c + 3, t);
        else
            LIVE_LOG("RADAPP_objEmissCompen failed");
    }

    const float upper = gainMode == 1 ? kUpperLimitHigh : kUpperLimitLow;
    auto limit = [upper](float x) { return x <= kLowerLimit ? kLowerLimit : (x >= upper ? upper : x); };
    const bool tableOn = state.distTables.enable == 1;
    const DistCompTable& table = gainMode == 1 ? state.distTables.high : state.distTables.low;
    const float envTemp = state.options.atmosphericTemp;
    using Side = DistanceCompensation::Side;
    int rc = 0;
    float factor = 1.0f;
    if (!DistanceCompensation::factor(Side::Live, state.lowThresholds, state.highThresholds, state.distLd, state.distHd,
                                      gainMode, d, &factor)) {
        LIVE_LOG("RADAPP_getDistCompensation fail.");
        rc = -1;
    } else {
        for (float& x : t) {
            if (d <= state.distHd / 100.0) {
                x = tableOn ? DistanceCompensation::table(Side::Live, table, envTemp, d, x)
                            : DistanceCompensation::polynomial(Side::Live, state.distCoef, d, x);
            } else if (!tableOn) {
                x = DistanceCompensation::polynomial(Side::Live, state.distCoef, state.distLd / 100.0,
                                                     limit(x * factor));
            } else {
                x = DistanceCompensation::table(Side::Live, table, envTemp, d, limit(x));
            }
        }
    }
    for (const float x : t) {
        if (!std::isfinite(x)) {
            LIVE_LOG("live temperature is not finite");
            return -1;
        }
    }
    v->average = limit(t[0]);
    v->maximum = limit(t[1]);
    v->minimum = limit(t[2]);
    putPositions(s, v);
    logClosing(p, *v);
    return rc;
}

}  // namespace

int LiveCalculator::measure(LiveState& state, const PixelSet& set, const MetryParm& parm, MetryValue* value)
{
    const LiveState::Frame& frame = state.frame();
    if (frame.empty()) {
        LIVE_LOG("NULL == extRawBuf.pVirtAddr");
        return -1;
    }
    PixelSet clipped = set;
    if (!set.runs) {
        // A rectangle turned inside out measures nothing, and nothing is
        // reported as a measurement.
        if (set.x1 < set.x0 || set.y1 < set.y0) {
            LIVE_LOG("empty rectangle [%d..%d, %d..%d]", set.x0, set.x1, set.y0, set.y1);
            return -1;
        }
        // Corners converted onto the window's far edge (8191 -> W) read the
        // frame's last column or row.
        clipped.x0 = std::clamp(set.x0, 0, frame.width - 1);
        clipped.y0 = std::clamp(set.y0, 0, frame.height - 1);
        clipped.x1 = std::clamp(set.x1, 0, frame.width - 1);
        clipped.y1 = std::clamp(set.y1, 0, frame.height - 1);
    }
    return frame.datyType == 1 ? temperatureData(state, clipped, parm, value) : greyPath(state, clipped, parm, value);
}

int LiveCalculator::getTemperature(LiveState& state, const MetryParm& parm, MetryValue* value)
{
    if (!value) {
        Logger::console("the input ptr is null");
        return -1;
    }
    const LiveState::Frame& frame = state.frame();
    if (frame.empty()) {
        LIVE_LOG("NULL == gNyxObj.extRawBuf[%d].pVirtAddr.", state.frameIndex());
        return -1;
    }
    LIVE_LOG("######### RADAPP_nyxGetTemperature datyType %d ##########", frame.datyType);

    PixelSet set{nullptr, parm.startColumn, parm.endColumn, parm.startRow, parm.endRow};
    const bool stored = parm.ruleId >= 1 && parm.ruleId <= RADAPI_MAX_RULES;
    if (!stored) {
        if (!(parm.meterType == 2 && parm.ruleId == THERMCORE_WHOLE_FRAME_RULE)) {
            LIVE_LOG("not support type temperature meseaure!!!");
            return -1;
        }
    } else if (parm.meterType != 0) {
        const int slot = state.rules.slotOf(parm.ruleId);
        set.runs = parm.meterType == 1 ? state.rules.lineList(slot) : state.rules.areaList(slot);
        if (!set.runs) {
            LIVE_LOG(parm.meterType == 1 ? "NULL == gRadObj.PointInline.pline"
                                         : "NULL == gRadObj.PointInreg.pmarearegion");
            return -1;
        }
    }
    const int rc = measure(state, set, parm, value);
    if (rc != 0) LIVE_LOG(frame.datyType == 1 ? "RADAPP_getTemperature fail." : "RADAPP_nyxCalcTemperature fail.");
    return rc;
}

}  // namespace thermcore
