// The grey-temperature model: curve, TEC drift, emissivity, limits, the
// temperature table and pixel temperatures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "RadioPictureWriter.h"
#include "thermcore.h"

using fixtures::RadioPictureWriter;
using thermcore::GreyCurve;
using thermcore::GreyModel;
using thermcore::MeasureParams;

namespace {

// Loads a frame of raw values with the given camera block and parameters
// and returns the temperature of every pixel.
std::vector<float> temperaturesOf(const RedunData& block, const std::vector<uint16_t>& raw, int w, int h)
{
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(w, h);
    std::vector<uint8_t> data = fixtures::radioDataBuffer(raw, block);
    std::vector<float> t(raw.size());
    EXPECT_EQ(HM_rawDataTransformTemp(&header, data.data(), t.data()), 0);
    return t;
}

// One value per grey 0..16383: the table itself.
std::vector<float> tableOf(const RedunData& block)
{
    std::vector<uint16_t> raw(THERMCORE_TABLE_SIZE);
    for (int i = 0; i < THERMCORE_TABLE_SIZE; ++i) raw[i] = uint16_t(i);
    return temperaturesOf(block, raw, 128, 128);
}

TEST(GreyModel, TemperatureGreyTemperatureRoundTrip)
{
    const RedunData block = fixtures::defaultRedunData(16, 16);
    const GreyCurve curve(block);
    ASSERT_EQ(curve.status(), 0.0f);
    for (double t = -20.0; t <= 150.0; t += 0.7) {
        const double g = curve.greyOf(t);
        EXPECT_NEAR(curve.temperatureOf(g), t, 1e-3) << t;
        // Whole greys as a camera stores them still read back within 0.05 C.
        EXPECT_NEAR(curve.temperatureOf(std::round(g)), t, 0.05) << t;
    }
    EXPECT_EQ(curve.greyOf(block.realBaseTemp), double(block.baseGray));
}

TEST(GreyModel, CurveFollowsItsSegments)
{
    // Three breakpoints: 0 C, 10 C (+100 grey), 20 C (+300 grey); base 1000 at 10 C.
    const CurvePoint pts[] = {{0.0f, 0.0f}, {10.0f, 100.0f}, {20.0f, 300.0f}};
    const TecRecord tec{};
    const GreyCurve curve(pts, 3, tec, 1000, 10.0f);
    EXPECT_DOUBLE_EQ(curve.greyOf(0.0), 900.0);
    EXPECT_DOUBLE_EQ(curve.greyOf(15.0), 1150.0);
    EXPECT_DOUBLE_EQ(curve.temperatureOf(1150.0), 15.0);
    EXPECT_DOUBLE_EQ(curve.temperatureOf(850.0), -5.0);   // extrapolates the first segment
    EXPECT_DOUBLE_EQ(curve.temperatureOf(5000.0), 20.0);  // capped at the last breakpoint
}

TEST(GreyModel, TecDriftScalesSegmentsAroundTheReference)
{
    const CurvePoint pts[] = {{0.0f, 7.0f}, {10.0f, 100.0f}, {20.0f, 200.0f}, {30.0f, 300.0f}};
    TecRecord tec{};
    tec.enable = 1;
    tec.temp0 = 20.0f;
    tec.tempCur = 20.0f;
    tec.self_com = 2.0f;
    tec.segFlag = 2;
    tec.offset[0] = 2.0f;
    tec.offset[2] = 3.0f;
    // No drift: the curve stays as stored.
    const GreyCurve still(pts, 4, tec, 1000, 15.0f);
    const GreyCurve plain(pts, 4, TecRecord{}, 1000, 15.0f);
    EXPECT_DOUBLE_EQ(still.greyOf(28.0), plain.greyOf(28.0));

    // Drift 5 * 2 = 10 grey: segment 1 gains 10 / 2^1, segment 3 gains 10 * 3^1, segment 2 none.
    tec.tempCur = 25.0f;
    const GreyCurve drifted(pts, 4, tec, 1000, 15.0f);
    const double cum0 = 105.0 + (15.0 - 10.0) * 200.0 / 10.0;  // Cum(15) with y1 = 105
    const double cumT = 105.0 + 200.0 + (28.0 - 20.0) * 330.0 / 10.0;
    EXPECT_NEAR(drifted.greyOf(28.0), 1000.0 + cumT - cum0, 1e-3);
}

struct BadCurve {
    const char* name;
    std::function<void(RedunData&)> spoil;
};

void PrintTo(const BadCurve& c, std::ostream* os)
{
    *os << c.name;
}

class InvalidCurveTest : public ::testing::TestWithParam<BadCurve> {};

TEST_P(InvalidCurveTest, FillsTheTableWithTheCurveError)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    GetParam().spoil(block);
    EXPECT_EQ(GreyCurve(block).status(), THERMCORE_ERR_CURVE_ORDER);
    const std::vector<float> table = tableOf(block);
    for (int g : {0, 100, int(block.baseGray), 16383}) EXPECT_EQ(table[size_t(g)], THERMCORE_ERR_CURVE_ORDER) << g;

    // In tenths the error saturates instead of wrapping.
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(4, 1);
    std::vector<uint8_t> data = fixtures::radioDataBuffer({0, 8000, 9000, 16383}, block);
    ASSERT_EQ(HM_analyRadioData(&header, data.data()), 0);
    int16_t tenths[4];
    ASSERT_EQ(HM_getAxPixelsTemperature_short16(0, tenths), 0);
    EXPECT_EQ(tenths[1], INT16_MIN);
}

const BadCurve kBadCurves[] = {
    {"SecondBreakpointBelowFirst", [](RedunData& b) { b.curve[1].temperature = b.curve[0].temperature - 1; }},
    {"OnePoint", [](RedunData& b) { b.curveCount = 1; }},
    {"ThirtyOnePoints", [](RedunData& b) { b.curveCount = 31; }},
    {"CountFromAGarbageByte", [](RedunData& b) { b.curveCount = 255; }},
    {"EqualBreakpoints", [](RedunData& b) { b.curve[5].temperature = b.curve[4].temperature; }},
    {"ZeroIncrement", [](RedunData& b) { b.curve[3].increment = 0.0f; }},
    {"NaNBreakpoint", [](RedunData& b) { b.curve[2].temperature = std::numeric_limits<float>::quiet_NaN(); }},
    {"TecRatioZero",
     [](RedunData& b) {
         b.tec.enable = 1;
         b.tec.tempCur = b.tec.temp0 + 1.0f;
         b.tec.self_com = 1.0f;
         b.tec.segFlag = 10;
         b.tec.offset[0] = 0.0f;
     }},
};

INSTANTIATE_TEST_SUITE_P(Curves, InvalidCurveTest, ::testing::ValuesIn(kBadCurves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GreyModel, BaseTemperatureOnTheFirstBreakpoint)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    block.realBaseTemp = block.curve[0].temperature;
    const GreyCurve curve(block);
    EXPECT_FALSE(thermcore::isErrorTemperature(curve.greyOf(10.0)));
    EXPECT_EQ(curve.temperatureOf(8000.0), THERMCORE_ERR_BASE_TEMP);
    block.realBaseTemp = 1000.0f;
    EXPECT_EQ(GreyCurve(block).greyOf(10.0), THERMCORE_ERR_BASE_TEMP);
}

struct RangeCase {
    int gainMode;
    const char* model;
    float upper;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << "gain " << c.gainMode << " '" << c.model << "'";
}

class TableLimitsTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(TableLimitsTest, TableStaysWithinTheRangeOfTheGainMode)
{
    const RangeCase& c = GetParam();
    RedunData block = fixtures::defaultRedunData(16, 16, c.gainMode);
    std::memset(block.modelCode, 0, sizeof block.modelCode);
    std::memcpy(block.modelCode, c.model, std::strlen(c.model));
    const std::vector<float> table = tableOf(block);
    float lo = table[0], hi = table[0];
    for (float t : table) {
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
    EXPECT_FLOAT_EQ(lo, -20.0f);
    EXPECT_FLOAT_EQ(hi, c.upper);
    EXPECT_FALSE(std::isnan(table[0]));  // grey 0 is computed, not left over

    float range[2];
    ASSERT_EQ(getPicTemperRange(range), 0);
    EXPECT_FLOAT_EQ(range[0], c.upper);
    EXPECT_FLOAT_EQ(range[1], c.gainMode == 1 ? 100.0f : -20.0f);
}

INSTANTIATE_TEST_SUITE_P(Models, TableLimitsTest,
                         ::testing::Values(RangeCase{0, "VXT-QA7301-RM", 150.0f}, RangeCase{1, "VXT-QA7301-RM", 550.0f},
                                           RangeCase{1, "VXT-QB6402-RM", 550.0f}, RangeCase{1, "VXT-QA7302-RM", 550.0f},
                                           RangeCase{1, "VXT-QB6903-RM", 650.0f}, RangeCase{1, "VXT-QB6904-RM", 650.0f},
                                           RangeCase{1, "VXT-QA7301-RMX", 600.0f}, RangeCase{1, "", 600.0f}));

TEST(GreyModel, ModelCodeWithoutNulIsComparedInsideItsField)
{
    RedunData block = fixtures::defaultRedunData(16, 16, 1);
    std::memset(block.modelCode, 'X', sizeof block.modelCode);
    EXPECT_FLOAT_EQ(GreyModel(block).modelMaximum(), 600.0f);
}

TEST(GreyModel, EmissivityV1)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    const GreyModel model(block);
    MeasureParams p;
    p.reflectedTemp = 20.0f;
    const double reflect = model.reflectedGrey(p.reflectedTemp);
    // Emissivity 1 leaves the grey as it is.
    p.emissivity = 1.0f;
    float t = 0;
    const double g = model.curve().greyOf(60.0);
    model.temperature(g, p, reflect, &t);
    EXPECT_NEAR(t, 60.0f, 1e-3);
    // A surface of emissivity 0.6 at 60 C shows a lower grey, and the model sees through it.
    p.emissivity = 0.6f;
    const double seen = model.greyForTemperature(60.0, p, reflect);
    EXPECT_LT(seen, g);
    model.temperature(seen, p, reflect, &t);
    EXPECT_NEAR(t, 60.0f, 1e-3);
    // No emissivity at all: the step is skipped, nothing divides by zero.
    p.emissivity = 0.0f;
    model.temperature(g, p, reflect, &t);
    EXPECT_NEAR(t, 60.0f, 1e-3);
    p.emissivity = -0.5f;
    model.temperature(g, p, reflect, &t);
    EXPECT_TRUE(std::isfinite(t));
}

TEST(GreyModel, EmissivityV2CompensatesAwayFromTheCameraValue)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    block.emissModelV2 = 1;
    const GreyModel model(block);
    MeasureParams p;
    const double g = model.curve().greyOf(80.0);
    float at097 = 0, at080 = 0;
    p.emissivity = 0.975f;
    model.temperature(g, p, 0.0, &at097);
    EXPECT_NEAR(at097, 80.0f, 1e-3);  // within 0.01 of 0.97: no compensation
    p.emissivity = 0.8f;
    model.temperature(g, p, 0.0, &at080);
    EXPECT_GT(at080, 80.5f);  // a poorer emitter is hotter than it looks
    EXPECT_LT(at080, 110.0f);
}

TEST(GreyModel, AllZeroDistanceCoefficientsLeaveTemperatures)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    const GreyModel model(block);
    MeasureParams p;
    p.distance = 10.0f;  // far from the default 1.0 m, within Hd
    const double g = model.curve().greyOf(90.0);
    float t = 0;
    EXPECT_EQ(model.temperature(g, p, 0.0, &t), 0);
    EXPECT_NEAR(t, 90.0f, 1e-3);

    // Coefficients with c0 = c7 = 0 still apply: t * c2 doubles the reading.
    block.distCoef[2] = 2.0;
    const GreyModel scaled(block);
    scaled.temperature(scaled.curve().greyOf(40.0), p, 0.0, &t);
    EXPECT_NEAR(t, 80.0f, 1e-3);
}

TEST(GreyModel, DistanceFactorFailureIsReportedButTemperatureKept)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    block.distLd = block.distHd;
    const GreyModel model(block);
    MeasureParams p;
    p.distance = 5.0f;
    float t = 0;
    EXPECT_EQ(model.temperature(model.curve().greyOf(300.0), p, 0.0, &t), -1);
    EXPECT_FLOAT_EQ(t, 150.0f);  // limited, not compensated
}

TEST(GreyModel, DistanceTableAppliesWithinHd)
{
    RedunData block = fixtures::defaultRedunData(16, 16);
    block.distTableEnable = 1;
    DistCompTable& table = block.distTable;
    table.rowNum = 2;
    table.colNum = 2;
    table.temperatures[0] = 3000;   // 30 C
    table.temperatures[1] = 10000;  // 100 C
    table.distances[0] = 100;       // 1 m
    table.distances[1] = 1000;      // 10 m
    table.corrections[0][0] = table.corrections[1][0] = 0;
    table.corrections[0][1] = table.corrections[1][1] = 500;  // reads 5 C low at 10 m
    const GreyModel model(block);
    MeasureParams p;
    p.distance = 10.0f;
    float t = 0;
    model.temperature(model.curve().greyOf(60.0), p, 0.0, &t);
    EXPECT_NEAR(t, 65.0f, 1e-3);
}

TEST(GreyModel, PixelTemperaturesAndTemperatureDataFrames)
{
    RedunData block = fixtures::defaultRedunData(4, 1);
    // Raw values past the 14-bit table read its last entry.
    std::vector<float> t = temperaturesOf(block, {0, 16383, 20000, 65535}, 4, 1);
    EXPECT_EQ(t[2], t[1]);
    EXPECT_EQ(t[3], t[1]);

    // Frames that carry temperatures x 10, as signed numbers.
    block.tempDataFlag = 1;
    t = temperaturesOf(block, {uint16_t(-50), 0, 253, 1500}, 4, 1);
    EXPECT_FLOAT_EQ(t[0], -5.0f);
    EXPECT_FLOAT_EQ(t[2], 25.3f);
    EXPECT_FLOAT_EQ(t[3], 150.0f);
    std::vector<float> direct(4);
    ASSERT_EQ(HM_getAxPixelsTemperature(0, direct.data()), 0);
    EXPECT_EQ(direct, t);
    int16_t tenths[4];
    ASSERT_EQ(HM_getAxPixelsTemperature_short16(0, tenths), 0);
    EXPECT_EQ(tenths[0], -50);
    EXPECT_EQ(tenths[2], 253);

    EXPECT_EQ(HM_getAxPixelsTemperature(1, direct.data()), -1);
    EXPECT_EQ(HM_getAxPixelsTemperature(0, nullptr), -1);
}

TEST(GreyModel, ShortTemperaturesRoundToTenths)
{
    const RedunData block = fixtures::defaultRedunData(64, 1);
    std::vector<uint16_t> raw(64);
    for (int i = 0; i < 64; ++i) raw[size_t(i)] = uint16_t(7000 + 37 * i);
    const std::vector<float> t = temperaturesOf(block, raw, 64, 1);
    int16_t tenths[64];
    ASSERT_EQ(HM_getAxPixelsTemperature_short16(0, tenths), 0);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(tenths[i], int16_t(std::lround(double(t[size_t(i)]) * 10.0))) << i;
}

TEST(GreyModel, EmissivityModelSwitchWaitsForTheNextTable)
{
    RedunData block = fixtures::defaultRedunData(2, 1);
    const std::vector<float> before = temperaturesOf(block, {9000, 9500}, 2, 1);
    EXPECT_EQ(HM_setEmissivityModelEnable(0x101), 0);  // low byte 1: model V2
    std::vector<float> t(2);
    HM_getAxPixelsTemperature(0, t.data());
    EXPECT_EQ(t, before);
}

}  // namespace
