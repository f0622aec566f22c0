// The live side's life cycle: nothing works before RADAPI_Init, the
// defaults it sets, and nothing works after RADAPI_release. RADAPI_Init is
// process-wide, so these tests live in their own executable and run in the
// order written (CTest starts each in a fresh process anyway).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "LiveTestSupport.h"
#include "thermcore.h"

namespace {

using namespace live;

// Every live call with valid arguments.
struct LiveCall {
    const char* name;
    std::function<int()> call;
};

std::vector<LiveCall> everyLiveCall()
{
    static std::vector<uint16_t> pixels(16, 6144);
    static RADAPI_ExtRawBuf frame = [] {
        RADAPI_ExtRawBuf f;
        std::memset(&f, 0, sizeof f);
        f.width = 4;
        f.height = 4;
        f.pVirtAddr = pixels.data();
        f.baseTemp = 25.0f;
        return f;
    }();
    static const RADAPI_SpotRules rules = ruleSet({pointRule(1, {4096, 4096})});
    static const RADAPI_RadioMetryOptions opts = options();
    static const RADAPI_Polygon region = polygon({{0, 0}, {8191, 0}, {8191, 8191}});
    static const RADAPI_TecHighCompensationParam tecHigh = [] {
        RADAPI_TecHighCompensationParam p;
        std::memset(&p, 0, sizeof p);
        p.lowHigh.count = p.highHigh.count = 1;
        return p;
    }();
    static const int32_t version = 1;
    static const RADAPI_TecLinearity linearity{};
    static const RADAPI_TecCoef coef{};
    static const RADAPI_GreyDiffParam grey{};
    static const RADAPI_DistCompenParam dist{};
    static const double distCoef[8] = {};
    static const RADAPI_DiffTableCompensation diff{};
    static const RADAPI_ThermoTempParam temps{30.0f, 30.0f, 30.0f, 30.0f, 25.0f};
    static const RADAPI_DevInfo info = [] {
        RADAPI_DevInfo d;
        std::memset(&d, 0, sizeof d);
        d.width = 4;
        d.height = 4;
        return d;
    }();
    static RADAPI_TempInfo out{};
    return {
        {"RADAPI_release", [] { return RADAPI_release(); }},
        {"RADAPP_release", [] { return RADAPP_release(); }},
        {"setRadiometryRuleConfig", [] { return RADAPI_setRadiometryRuleConfig(&rules); }},
        {"getRadiometryTemperature", [] { return RADAPI_getRadiometryTemperature(1, &out); }},
        {"getRegionTemperature", [] { return RADAPI_getRegionTemperature(&region, &out); }},
        {"setRadioMetryOptions", [] { return RADAPI_setRadioMetryOptions(&opts); }},
        {"setTecHighCompensationParam", [] { return RADAPI_setTecHighCompensationParam(&tecHigh); }},
        {"setCurAutoCalibrationVer", [] { return RADAPI_setCurAutoCalibrationVer(&version); }},
        {"setTecLinearity", [] { return RADAPI_setTecLinearity(&linearity); }},
        {"setCurrentTecCoef", [] { return RADAPI_setCurrentTecCoef(&coef); }},
        {"radiometrySetMsg", [] { return RADAPI_radiometrySetMsg(RADAPI_MSG_GREY_DIFF, &grey); }},
        {"setDistCompenParam", [] { return RADAPI_setDistCompenParam(&dist); }},
        {"setDistanceCompensationBParam", [] { return RADAPI_setDistanceCompensationBParam(distCoef); }},
        {"setDiffTableCompensation", [] { return RADAPI_setDiffTableCompensation(&diff); }},
        {"appRadSetFocLen", [] { return RADAPI_appRadSetFocLen(1200); }},
        {"setNyxDftDist", [] { return RADAPI_setNyxDftDist(4); }},
        {"setNyxGainMode", [] { return RADAPI_setNyxGainMode(2); }},
        {"setNyxBaseGray", [] { return RADAPI_setNyxBaseGray(6144); }},
        {"extRawSetTherGraph", [] { return RADAPI_extRawSetTherGraph(&frame); }},
        {"setThermoTempParam", [] { return RADAPI_setThermoTempParam(&temps); }},
        {"setDevInfo", [] { return RADAPI_setDevInfo(&info); }},
        {"setEmissivityModelEnable", [] { return RADAPI_setEmissivityModelEnable(0); }},
        {"writeLog", [] { return RADAPI_writeLog(0); }},
    };
}

TEST(LiveLifeCycle, EveryCallFailsBeforeInit)
{
    for (const LiveCall& c : everyLiveCall()) EXPECT_EQ(c.call(), -1) << c.name;
}

// Four pixels of a frame without a camera block: its greys go through the
// live side's own curve, built from the default grey-difference tables.
struct GreyCase {
    uint16_t grey;
    float celsius;
};

void expectGreys(int32_t gainMode, float baseTemp, std::initializer_list<GreyCase> cases)
{
    SCOPED_TRACE(testing::Message() << "gain mode " << gainMode);
    ASSERT_EQ(RADAPI_setNyxGainMode(gainMode), 0);
    Frame f;
    f.width = 8;
    f.height = 2;
    f.withBlock = false;
    f.baseTemp = baseTemp;
    f.raw.assign(16, 6144);
    int i = 0;
    for (const GreyCase& c : cases) f.raw[i++] = c.grey;
    ASSERT_EQ(feed(f), 0);
    i = 0;
    for (const GreyCase& c : cases) {
        SCOPED_TRACE(c.grey);
        ASSERT_EQ(setRules({pointRule(1, {i++ * 1024, 0})}), 0);
        EXPECT_NEAR(measure(1).maximum, c.celsius, 0.002f);
    }
}

TEST(LiveLifeCycle, DefaultsAfterInit)
{
    ASSERT_EQ(RADAPI_Init(), 0);
    ASSERT_EQ(RADAPI_Init(), 0);  // a second call does nothing

    RADAPI_DevInfo info;
    std::memset(&info, 0, sizeof info);
    info.width = 8;
    info.height = 2;
    ASSERT_EQ(RADAPI_setDevInfo(&info), 0);
    ASSERT_EQ(setOptions(options()), 0);
    // Straight-line calibration through coefficient 1.0 everywhere, so the
    // tables' increments are used as they are.
    RADAPI_TecCoef coef;
    std::memset(&coef, 0, sizeof coef);
    coef.tecLowCurrentTemp = coef.tecHighCurrentTemp = 2000;
    coef.tecLowNormalCurrentTemp = coef.tecHighNormalCurrentTemp = 4000;
    coef.tecLowHighCurrentTemp = coef.tecHighHighCurrentTemp = 6000;
    coef.tecLowCompenCoef = coef.tecLowNormalCompenCoef = coef.tecLowHighCompenCoef = 1000;
    coef.tecHighCompenCoef = coef.tecHighNormalCompenCoef = coef.tecHighHighCompenCoef = 1000;
    coef.secondHighCoef = coef.secondHighNormalCoef = coef.secondHighHighCoef = 1000;
    ASSERT_EQ(RADAPI_setCurrentTecCoef(&coef), 0);
    const int32_t version = 1;
    ASSERT_EQ(RADAPI_setCurAutoCalibrationVer(&version), 0);

    // Base grey 6144 at the frame's base temperature. Low range: from 20 to
    // 30 C 328 grey, from 30 to 40 C 345, from 10 to 20 C 310.
    expectGreys(2, 25.0f,
                {{6144, 25.0f},
                 {6144 + 164, 30.0f},
                 {6144 + 164 + 345, 40.0f},
                 {6144 - 164, 20.0f},
                 {6144 - 164 - 310, 10.0f}});
    // High range: 209 grey from 10 to 50 C, 285 to 90 C, 382 to 130 C.
    expectGreys(1, 10.0f,
                {{6144, 10.0f}, {6144 + 209, 50.0f}, {6144 + 209 + 285, 90.0f}, {6144 + 209 + 285 + 382, 130.0f}});
    // The live base grey can be moved.
    ASSERT_EQ(RADAPI_setNyxBaseGray(7000), 0);
    expectGreys(2, 25.0f, {{7000, 25.0f}, {7000 + 164, 30.0f}});
    ASSERT_EQ(RADAPI_setNyxBaseGray(6144), 0);

    // Default distance 4.0 m: 4.005 m counts as no distance, 4.02 m does
    // not, and the distance polynomial (c0 = 1, c2 = 1: T + 1 above 30 C)
    // shows which.
    const double poly[8] = {1.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    ASSERT_EQ(RADAPI_setDistanceCompensationBParam(poly), 0);
    ASSERT_EQ(setOptions(options(1.0f, 4.005f)), 0);
    expectGreys(2, 25.0f, {{6144 + 164 + 345, 40.0f}});
    ASSERT_EQ(setOptions(options(1.0f, 4.02f)), 0);
    expectGreys(2, 25.0f, {{6144 + 164 + 345, 41.0f}});
    // Beyond Hd (20 m) the default low-range factor applies, then the
    // polynomial at Ld (16 m).
    const double power = (25.0 * 100.0 - 1600.0) / (2000.0 - 1600.0);
    const double factor = 1.0 / std::pow((137.1 - 29.7) / (139.4 - 30.0), power);
    ASSERT_EQ(setOptions(options(1.0f, 25.0f)), 0);
    expectGreys(2, 25.0f, {{6144 + 164 + 345, float(40.0 * factor + 1.0)}});
}

TEST(LiveLifeCycle, EveryCallFailsAfterRelease)
{
    ASSERT_EQ(RADAPI_Init(), 0);
    ASSERT_EQ(RADAPI_release(), 0);
    for (const LiveCall& c : everyLiveCall()) EXPECT_EQ(c.call(), -1) << c.name;
}

}  // namespace
