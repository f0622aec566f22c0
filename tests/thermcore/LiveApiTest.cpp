// The live interface: argument checks, messages and the live log, options
// and units, distance tables, curve errors and temperature-data frames.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "LiveTestSupport.h"
#include "RadioPictureWriter.h"
#include "ScratchDir.h"
#include "thermcore.h"

namespace {

using namespace live;

class LiveApiTest : public LiveSceneTest {
protected:
    void TearDown() override
    {
        RADAPI_writeLog(0);
        unsetenv("THERMCORE_LOG_DIR");
    }
};

TEST_F(LiveApiTest, NullArgumentsFail)
{
    RADAPI_TempInfo t{};
    const RADAPI_Polygon p = polygon({{0, 0}, {8191, 0}, {8191, 8191}});
    RADAPI_ExtRawBuf noPixels;
    std::memset(&noPixels, 0, sizeof noPixels);
    noPixels.width = 4;
    noPixels.height = 4;
    const struct {
        const char* name;
        std::function<int()> call;
    } calls[] = {
        {"setRadiometryRuleConfig", [] { return RADAPI_setRadiometryRuleConfig(nullptr); }},
        {"getRadiometryTemperature", [] { return RADAPI_getRadiometryTemperature(1, nullptr); }},
        {"getRegionTemperature polygon", [&] { return RADAPI_getRegionTemperature(nullptr, &t); }},
        {"getRegionTemperature result", [&] { return RADAPI_getRegionTemperature(&p, nullptr); }},
        {"setRadioMetryOptions", [] { return RADAPI_setRadioMetryOptions(nullptr); }},
        {"setTecHighCompensationParam", [] { return RADAPI_setTecHighCompensationParam(nullptr); }},
        {"setCurAutoCalibrationVer", [] { return RADAPI_setCurAutoCalibrationVer(nullptr); }},
        {"setTecLinearity", [] { return RADAPI_setTecLinearity(nullptr); }},
        {"setCurrentTecCoef", [] { return RADAPI_setCurrentTecCoef(nullptr); }},
        {"radiometrySetMsg 0", [] { return RADAPI_radiometrySetMsg(RADAPI_MSG_GREY_DIFF, nullptr); }},
        {"radiometrySetMsg 1", [] { return RADAPI_radiometrySetMsg(RADAPI_MSG_COMPENSATION, nullptr); }},
        {"setDistCompenParam", [] { return RADAPI_setDistCompenParam(nullptr); }},
        {"setDistanceCompensationBParam", [] { return RADAPI_setDistanceCompensationBParam(nullptr); }},
        {"setDiffTableCompensation", [] { return RADAPI_setDiffTableCompensation(nullptr); }},
        {"extRawSetTherGraph", [] { return RADAPI_extRawSetTherGraph(nullptr); }},
        {"extRawSetTherGraph buffer", [&] { return RADAPI_extRawSetTherGraph(&noPixels); }},
        {"setThermoTempParam", [] { return RADAPI_setThermoTempParam(nullptr); }},
        {"setDevInfo", [] { return RADAPI_setDevInfo(nullptr); }},
    };
    for (const auto& c : calls) EXPECT_EQ(c.call(), -1) << c.name;
    // The frame before stays current.
    ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY))}), 0);
    EXPECT_NEAR(measure(1).maximum, 90.0f, kTol);
}

// Message 1 with the counts a camera sends.
RADAPI_CompensationParam compensation()
{
    RADAPI_CompensationParam c;
    std::memset(&c, 0, sizeof c);
    c.segmentNum = 1;
    const float low[4] = {139.4f, 30.0f, 137.1f, 29.7f};
    const float high[4] = {278.1f, 56.8f, 270.5f, 55.8f};
    std::memcpy(c.lowThresholds, low, sizeof low);
    std::memcpy(c.highThresholds, high, sizeof high);
    c.distLd = 1600;
    c.distHd = 2000;
    c.tecLow.count = 1;
    c.tecHigh.count = 1;
    return c;
}

// Message 0 with the built-in tables.
RADAPI_GreyDiffParam greyDiff()
{
    static const int32_t low[20][2] = {{-30, 0},   {-20, 162}, {-10, 199}, {0, 236},   {10, 273},
                                       {20, 310},  {30, 328},  {40, 345},  {50, 363},  {60, 405},
                                       {70, 447},  {80, 489},  {90, 525},  {100, 561}, {110, 597},
                                       {120, 630}, {130, 662}, {140, 694}, {150, 726}, {160, 758}};
    static const int32_t high[16][2] = {{-30, 0},   {10, 133},  {50, 209},  {90, 285},  {130, 382}, {170, 467},
                                        {210, 554}, {250, 620}, {290, 697}, {330, 749}, {370, 790}, {410, 831},
                                        {450, 872}, {490, 914}, {530, 955}, {570, 996}};
    RADAPI_GreyDiffParam g;
    std::memset(&g, 0, sizeof g);
    g.lowCount = 20;
    g.highCount = 16;
    for (int i = 0; i < 20; ++i) g.low[i] = {low[i][0], low[i][1]};
    for (int i = 0; i < 16; ++i) g.high[i] = {high[i][0], high[i][1]};
    return g;
}

TEST_F(LiveApiTest, MessageIdsAndTheirLogLines)
{
    fixtures::ScratchDir dir;
    setenv("THERMCORE_LOG_DIR", dir.path().c_str(), 1);
    ASSERT_EQ(RADAPI_writeLog(1), 0);
    const std::string log = dir.file("thermal.log");

    const RADAPI_GreyDiffParam grey = greyDiff();
    const RADAPI_CompensationParam good = compensation();
    auto patched = [&](const std::function<void(RADAPI_CompensationParam&)>& patch) {
        auto c = std::make_shared<RADAPI_CompensationParam>(good);
        patch(*c);
        return c;
    };
    const auto noSegments = patched([](auto& c) { c.segmentNum = 0; });
    const auto tooManySegments = patched([](auto& c) { c.segmentNum = 101; });
    const auto allSegments = patched([](auto& c) { c.segmentNum = 100; });
    const auto noTecLow = patched([](auto& c) { c.tecLow.count = 0; });
    const auto tooManyTecLow = patched([](auto& c) { c.tecLow.count = 31; });
    const auto tooManyTecHigh = patched([](auto& c) { c.tecHigh.count = 31; });
    const auto fullTec = patched([](auto& c) { c.tecLow.count = c.tecHigh.count = 30; });

    const struct {
        int32_t msgId;
        const void* data;
        int rc;
        const char* line;  // a line the call appends to the live log
    } cases[] = {
        {0, &grey, 0, "######### RADAPP_setGreyDiffParam ##########"},
        {0, &grey, 0, "set lowDiffStable[19]:[160,758]"},
        {1, &good, 0, "tecLowSegmentNum = 1"},
        {1, allSegments.get(), 0, nullptr},
        {1, fullTec.get(), 0, "tecHighSegmentNum = 30"},
        {1, noSegments.get(), -1, "segmentNum out of range!"},
        {1, tooManySegments.get(), -1, "segmentNum out of range!"},
        {1, noTecLow.get(), -1, "tecLowSegmentNum out of range!"},
        {1, tooManyTecLow.get(), -1, "tecLowSegmentNum out of range!"},
        {1, tooManyTecHigh.get(), -1, "SegmentNum out of range!"},
        {-1, &good, -1, "Unkonw msg id:-1 recieved!"},
        {-77, &grey, -1, "Unkonw msg id:-77 recieved!"},
        {2, &good, -1, "msgId:2 out of range!"},
        {1000, &good, -1, "msgId:1000 out of range!"},
        {0, nullptr, -1, nullptr},
        {1, nullptr, -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "msgId " << c.msgId << " " << (c.line ? c.line : ""));
        const size_t before = readFile(log).size();
        EXPECT_EQ(RADAPI_radiometrySetMsg(c.msgId, c.data), c.rc);
        const std::string added = readFile(log).substr(before);
        if (c.line) {
            EXPECT_NE(added.find(c.line), std::string::npos) << added;
        }
        if (c.rc == 0) {
            EXPECT_EQ(added.find("out of range"), std::string::npos) << added;
        }
    }
    EXPECT_TRUE(std::ifstream(dir.file("thermcoreGragh.log")).good());

    // Switched off, nothing is written; switched on again, the file is reopened.
    ASSERT_EQ(RADAPI_writeLog(0), 0);
    const size_t closed = readFile(log).size();
    EXPECT_EQ(RADAPI_radiometrySetMsg(5, &good), -1);
    EXPECT_EQ(readFile(log).size(), closed);
    ASSERT_EQ(RADAPI_writeLog(1), 0);
    EXPECT_EQ(RADAPI_radiometrySetMsg(6, &good), -1);
    EXPECT_NE(readFile(log).find("msgId:6 out of range!"), std::string::npos);
    EXPECT_EQ(readFile(log).find("msgId:5"), std::string::npos);
}

TEST_F(LiveApiTest, RuleCallsAreLogged)
{
    fixtures::ScratchDir dir;
    setenv("THERMCORE_LOG_DIR", dir.path().c_str(), 1);
    ASSERT_EQ(RADAPI_writeLog(1), 0);
    ASSERT_EQ(setRules({pointRule(3, px(kHotX, kHotY))}), 0);
    measure(3);
    measureRegion(polygon({px(10, 10), px(50, 10), px(50, 50)}));
    ASSERT_EQ(RADAPI_writeLog(0), 0);
    const std::string log = readFile(dir.file("thermal.log"));
    for (const char* line :
         {"RADAPI_setRADIORuleConfig is start count=1!", "######### RADAPP_setRules ##########", "Set Rule count = 1",
          "SET ruleId = 3 meterType = 0", "######### RADAPI_getRADIOTemperature ##########", "ruleId = 3",
          "RADAPI_getRegionTemperature."})
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

// A live log that cannot be opened is reported, not returned.
TEST_F(LiveApiTest, UnwritableLogFolderStillReturnsZero)
{
    fixtures::ScratchDir dir;
    setenv("THERMCORE_LOG_DIR", dir.file("no/such/folder").c_str(), 1);
    EXPECT_EQ(RADAPI_writeLog(1), 0);
    EXPECT_EQ(RADAPI_writeLog(0), 0);
}

// ---------------------------------------------------------------- options and units

// Grey after the emissivity step of a grey g: the reflected part removed.
double throughEmissivity(const RedunData& block, double g, double e, double reflected)
{
    const double grayReflect = thermcore::GreyCurve(block).greyOf(reflected);
    return (g - (1.0 - e) * grayReflect) / e;
}

// The options' reflected temperature is always taken as 25 C: a rule without
// its own parameters reads like one that brings emissivity and 25 C itself.
TEST_F(LiveApiTest, OptionsReflectedTemperatureIsTaken25)
{
    ASSERT_EQ(setOptions(options(0.8f, 0.0f, 0, 25.0f, 60.0f)), 0);
    const ThermPoint hot = px(kHotX, kHotY);
    ASSERT_EQ(setRules({pointRule(1, hot), withOwnParameters(pointRule(2, hot), 0.8f, 0.0f, 25.0f),
                        withOwnParameters(pointRule(3, hot), 0.8f, 0.0f, 60.0f)}),
              0);
    const double g = frame_.at(kHotX, kHotY);
    const double at25 = temperatureOfGrey(frame_.block, throughEmissivity(frame_.block, g, 0.8, 25.0));
    const double at60 = temperatureOfGrey(frame_.block, throughEmissivity(frame_.block, g, 0.8, 60.0));
    ASSERT_GT(at25 - at60, 1.0);
    EXPECT_NEAR(measure(1).maximum, at25, 0.002);
    EXPECT_NEAR(measure(2).maximum, at25, 0.002);
    EXPECT_NEAR(measure(3).maximum, at60, 0.002);
}

// An emissivity that is not above 0 skips the emissivity step.
TEST_F(LiveApiTest, EmissivityNotAboveZeroIsSkipped)
{
    ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY)), areaRule(2, 0, {px(10, 80), px(30, 80), px(30, 100)})}), 0);
    for (float e : {1.0f, 0.0f, -0.5f}) {
        SCOPED_TRACE(e);
        ASSERT_EQ(setOptions(options(e)), 0);
        EXPECT_NEAR(measure(1).maximum, sceneAt(kHotX, kHotY), 0.002);
        EXPECT_NEAR(measure(2).minimum, sceneAt(kColdX, kColdY), 0.002);
    }
}

struct UnitCase {
    int32_t unit;
    float reflectedIn;  // the rule's reflected temperature, in the unit's input scale
    bool fahrenheitOut;
};

void PrintTo(const UnitCase& c, std::ostream* os)
{
    *os << "unit " << c.unit;
}

class LiveUnitTest : public LiveSceneTest, public ::testing::WithParamInterface<UnitCase> {
protected:
    void TearDown() override { setOptions(options()); }
};

// Inputs in F only with unit 1; results in F with every unit but 0.
TEST_P(LiveUnitTest, ResultsComeInTheLiveUnit)
{
    const UnitCase c = GetParam();
    ASSERT_EQ(setOptions(options(1.0f, 0.0f, c.unit)), 0);
    ASSERT_EQ(setRules({withOwnParameters(pointRule(1, px(kHotX, kHotY)), 0.8f, 0.0f, c.reflectedIn),
                        areaRule(2, 0, {px(10, 80), px(30, 80), px(30, 100), px(10, 100)})}),
              0);
    auto out = [&](double celsius) { return c.fahrenheitOut ? celsius * 9.0 / 5.0 + 32.0 : celsius; };

    // The rule's reflected temperature is 25 C whatever the unit.
    const double g = frame_.at(kHotX, kHotY);
    const double own = temperatureOfGrey(frame_.block, throughEmissivity(frame_.block, g, 0.8, 25.0));
    RADAPI_TempInfo t = measure(1);
    EXPECT_NEAR(t.maximum, out(own), 0.005);
    EXPECT_NEAR(t.average, out(own), 0.005);
    EXPECT_EQ(t.zeroInUnit, c.fahrenheitOut ? 32.0f : 0.0f);
    EXPECT_EQ(t.reserved1, 0.0f);

    t = measure(2);
    EXPECT_NEAR(t.maximum, out(sceneAt(30, 80)), 0.005);
    EXPECT_NEAR(t.minimum, out(sceneAt(kColdX, kColdY)), 0.005);

    const RADAPI_TempInfo r = measureRegion(polygon({{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}}));
    EXPECT_NEAR(r.maximum, out(sceneAt(kHotX, kHotY)), 0.005);
    EXPECT_NEAR(r.minimum, out(sceneAt(kColdX, kColdY)), 0.005);
}

INSTANTIATE_TEST_SUITE_P(Units, LiveUnitTest,
                         ::testing::Values(UnitCase{0, 25.0f, false}, UnitCase{1, 77.0f, true},
                                           UnitCase{2, 25.0f, true}, UnitCase{-1, 25.0f, true}));

TEST_F(LiveApiTest, OneHundredCelsiusReads212Fahrenheit)
{
    use(frameOf(field(kW, kH, 25.0f, {{{7, 9}, 100.0f}}), kW, kH));
    ASSERT_EQ(setOptions(options(1.0f, 0.0f, 1)), 0);
    ASSERT_EQ(setRules({pointRule(1, px(7, 9))}), 0);
    const RADAPI_TempInfo t = measure(1);
    EXPECT_NEAR(t.maximum, 212.0f, 0.09f);
    EXPECT_NEAR(t.maximum, sceneAt(7, 9) * 9.0 / 5.0 + 32.0, 0.005);
    EXPECT_EQ(t.zeroInUnit, 32.0f);
    EXPECT_EQ(t.reserved1, 0.0f);
    ASSERT_EQ(setOptions(options()), 0);
}

// The atmospheric temperature is taken in F with unit 1. Seen through the
// emissivity compensation of model V2, which turns 28.0 C into 28.2 C only
// at an atmospheric temperature of 25.0 C.
TEST_F(LiveApiTest, AtmosphericTemperatureInFahrenheitIsConverted)
{
    // Every pixel at the base grey, with the base temperature moved to 28.0 C.
    Frame f = frameOf(field(kW, kH, 25.0f), kW, kH);
    f.block.realBaseTemp = 28.0f;
    f.raw.assign(f.raw.size(), uint16_t(f.block.baseGray));
    use(f);
    ASSERT_NEAR(sceneAt(0, 0), 28.0, 0.0001);
    ASSERT_EQ(RADAPI_setEmissivityModelEnable(1), 0);
    ASSERT_EQ(setRules({pointRule(1, px(40, 40))}), 0);

    ASSERT_EQ(setOptions(options(0.9f, 0.0f, 0, 25.0f)), 0);
    EXPECT_NEAR(measure(1).maximum, 28.2f, 0.001f);
    ASSERT_EQ(setOptions(options(0.9f, 0.0f, 1, 77.0f)), 0);
    EXPECT_NEAR(measure(1).maximum, 28.2f * 9.0f / 5.0f + 32.0f, 0.002f);
    ASSERT_EQ(setOptions(options(0.9f, 0.0f, 0, 77.0f)), 0);
    EXPECT_GT(std::abs(measure(1).maximum - 28.2f), 0.01f);

    ASSERT_EQ(RADAPI_setEmissivityModelEnable(0), 0);
    ASSERT_EQ(setOptions(options()), 0);
}

// ---------------------------------------------------------------- calculation

struct DistanceCase {
    const char* name;
    int gainMode;
    int32_t enable;
    float distance;
    float hotOffset;  // corrections: 2.0 C in the high-range table, 5.0 C in the low-range one
};

// The live distance tables: the high-range one in gain mode 1, the low-range
// one otherwise; nothing below the atmospheric temperature.
TEST_F(LiveApiTest, DistanceTablesFollowTheGainMode)
{
    // Exactly the record's size on the heap, so that reading past it shows.
    auto param = std::make_unique<RADAPI_DistCompenParam>();
    std::memset(param.get(), 0, sizeof *param);
    for (DistCompTable* t : {&param->low, &param->high}) {
        t->rowNum = 2;
        t->colNum = 2;
        t->temperatures[0] = 0;
        t->temperatures[1] = 20000;
        t->distances[0] = 100;
        t->distances[1] = 1000;
    }
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            param->low.corrections[i][j] = 500;
            param->high.corrections[i][j] = 200;
        }

    const DistanceCase cases[] = {
        {"High", 1, 1, 5.0f, 2.0f},
        {"Low", 0, 1, 5.0f, 5.0f},
        {"TablesOff", 1, 0, 5.0f, 0.0f},
        {"DefaultDistanceCountsAsZero", 1, 1, 1.0f, 0.0f},
    };
    for (const DistanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        param->enable = c.enable;
        ASSERT_EQ(RADAPI_setDistCompenParam(param.get()), 0);
        use(frameOf(spotScene(), kW, kH, c.gainMode));
        ASSERT_EQ(setOptions(options(1.0f, c.distance)), 0);
        ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY)), pointRule(2, px(kColdX, kColdY))}), 0);
        EXPECT_NEAR(measure(1).maximum, sceneAt(kHotX, kHotY) + c.hotOffset, 0.002);
        EXPECT_NEAR(measure(2).minimum, sceneAt(kColdX, kColdY), 0.002);
    }
    param->enable = 0;
    RADAPI_setDistCompenParam(param.get());
    setOptions(options());
}

// A curve that cannot convert makes the measurement fail.
TEST_F(LiveApiTest, UnusableCurvesFail)
{
    const struct {
        const char* name;
        std::function<void(RedunData&)> damage;
    } cases[] = {
        {"BaseTemperatureAboveTheCurve", [](RedunData& b) { b.realBaseTemp = 500.0f; }},
        {"BaseTemperatureOnTheFirstBreakpoint", [](RedunData& b) { b.realBaseTemp = b.curve[0].temperature; }},
        {"DecreasingBreakpoints", [](RedunData& b) { b.curve[3].temperature = -100.0f; }},
        {"OneBreakpoint", [](RedunData& b) { b.curveCount = 1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Frame f = frameOf(spotScene(), kW, kH);
        c.damage(f.block);
        use(f);
        ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY))}), 0);
        RADAPI_TempInfo t{};
        EXPECT_EQ(RADAPI_getRadiometryTemperature(1, &t), -1);
        const RADAPI_Polygon whole = polygon({{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}});
        EXPECT_EQ(RADAPI_getRegionTemperature(&whole, &t), -1);
    }
}

// Raw values that already are temperatures x 10: no curve, no limits.
TEST_F(LiveApiTest, TemperatureDataFrames)
{
    const struct {
        int16_t tenths;
        float celsius;
    } cases[] = {{-50, -5.0f}, {2000, 200.0f}, {-400, -40.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.celsius);
        Frame f = frameOf(field(kW, kH, 25.0f), kW, kH);
        f.block.tempDataFlag = 1;
        f.raw.assign(f.raw.size(), uint16_t(c.tenths));
        use(f);
        ASSERT_EQ(setRules({pointRule(1, px(5, 5)), areaRule(2, 0, {px(10, 10), px(20, 10), px(20, 20)})}), 0);
        for (int32_t id : {1, 2}) {
            const RADAPI_TempInfo t = measure(id);
            EXPECT_FLOAT_EQ(t.average, c.celsius);
            EXPECT_FLOAT_EQ(t.maximum, c.celsius);
            EXPECT_FLOAT_EQ(t.minimum, c.celsius);
        }
    }
}

// RADAPP_release drops the frame and the lists; the host then sets the
// window, feeds a frame and sends the rules again.
TEST_F(LiveApiTest, ReleaseDropsTheFrameUntilTheNextOne)
{
    ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY))}), 0);
    ASSERT_EQ(RADAPP_release(), 0);
    RADAPI_TempInfo t{};
    EXPECT_EQ(RADAPI_getRadiometryTemperature(1, &t), -1);
    const RADAPI_Polygon whole = polygon({{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}});
    EXPECT_EQ(RADAPI_getRegionTemperature(&whole, &t), -1);

    RADAPI_DevInfo info;
    std::memset(&info, 0, sizeof info);
    info.width = kW;
    info.height = kH;
    ASSERT_EQ(RADAPI_setDevInfo(&info), 0);
    ASSERT_EQ(feed(frame_), 0);
    ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY))}), 0);
    EXPECT_NEAR(measure(1).maximum, 90.0f, kTol);
    EXPECT_NEAR(measureRegion(whole).minimum, -10.0f, kTol);
}

}  // namespace
