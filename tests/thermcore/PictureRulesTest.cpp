// Rule temperatures over a picture with a known hot and cold spot.
#include <gtest/gtest.h>

#include <cstring>

#include "RadioPictureWriter.h"
#include "thermcore.h"

namespace {

constexpr int kW = 160, kH = 120;
constexpr int kHotX = 100, kHotY = 30;   // 90 C, ringed by 70 C
constexpr int kColdX = 20, kColdY = 90;  // -10 C, ringed by 5 C
constexpr float kTol = 0.05f;

// Normalised coordinate that maps back onto raw pixel p of a side of n pixels.
int norm(int p, int n)
{
    return (p * 8192 + n - 1) / n;
}

class PictureRulesTest : public ::testing::Test {
protected:
    void SetUp() override { load(fixtures::defaultRedunData(kW, kH)); }
    void TearDown() override { HM_freeRadioData(); }

    static std::vector<float> scene(int w, int h)
    {
        std::vector<float> t(size_t(w) * h, 25.0f);
        auto put = [&](int x, int y, float v) { t[size_t(y) * w + x] = v; };
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                put(kHotX + dx, kHotY + dy, 70.0f);
                put(kColdX + dx, kColdY + dy, 5.0f);
            }
        put(kHotX, kHotY, 90.0f);
        put(kColdX, kColdY, -10.0f);
        return t;
    }

    void load(RedunData block, int w = kW, int h = kH)
    {
        block_ = block;
        PicViewInfo info = fixtures::defaultPicViewInfo();
        raw_ = fixtures::rawFrameFromTemperatures(block, info, scene(w, h));
        loadRaw(raw_, w, h);
    }

    void loadRaw(const std::vector<uint16_t>& raw, int w, int h)
    {
        const ThermalGraphHeader header = fixtures::thermalGraphHeader(w, h);
        std::vector<uint8_t> data = fixtures::radioDataBuffer(raw, block_);
        ASSERT_EQ(HM_analyRadioData(&header, data.data()), 0);
    }

    static PicViewRuleConfig rule(int meterType, std::initializer_list<std::pair<int, int>> pixels, int shape = 0,
                                  int w = kW, int h = kH)
    {
        PicViewRuleConfig r{};
        r.ruleId = 1;
        r.meterType = meterType;
        r.param = shape;
        for (const auto& p : pixels) r.points[r.pointNum++] = {norm(p.first, w), norm(p.second, h)};
        return r;
    }

    static HM_RuleTemper measure(const PicViewRuleConfig& r, int expectedRc = 0)
    {
        HM_RuleTemper t{};
        EXPECT_EQ(PICRADAPP_getRuleTemperature(&r, &t), expectedRc);
        return t;
    }

    static int pixelCount(const PicViewRuleConfig& r)
    {
        RuleRegionParam region{};
        region.ruleID = r.ruleId;
        region.meterType = r.meterType;
        region.param = r.param;
        region.pointNum = r.pointNum;
        std::memcpy(region.points, r.points, sizeof region.points);
        std::vector<float> values(size_t(kW) * kH);
        int32_t count = -1;
        EXPECT_EQ(PIC_GetRuleMatrixTemperatureN(&region, values.data(), int32_t(values.size()), &count), 0);
        return count;
    }

    RedunData block_{};
    std::vector<uint16_t> raw_;
};

TEST_F(PictureRulesTest, PointReadsItsPixel)
{
    const HM_RuleTemper t = measure(rule(0, {{kHotX, kHotY}}));
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_NEAR(t.average, 90.0f, kTol);
    EXPECT_NEAR(t.minimum, 90.0f, kTol);
    EXPECT_EQ(t.hotX, kHotX);
    EXPECT_EQ(t.hotY, kHotY);
}

TEST_F(PictureRulesTest, LineMeasuresOnlyThePixelsOnIt)
{
    // Its bounding box holds the hot spot, the line itself passes beside it.
    const HM_RuleTemper beside = measure(rule(1, {{80, 20}, {120, 60}}));
    EXPECT_NEAR(beside.maximum, 25.0f, kTol);
    EXPECT_NEAR(beside.minimum, 25.0f, kTol);

    const HM_RuleTemper through = measure(rule(1, {{90, kHotY}, {110, kHotY}}));
    EXPECT_NEAR(through.maximum, 90.0f, kTol);
    EXPECT_EQ(through.hotX, kHotX);
    EXPECT_EQ(through.hotY, kHotY);
    EXPECT_GT(through.average, 25.0f);
    EXPECT_LT(through.average, 35.0f);
}

TEST_F(PictureRulesTest, LinesLeaveOutTheEndPixelOfTheLongerAxis)
{
    const PicViewRuleConfig vertical = rule(1, {{40, 10}, {40, 20}});
    TCAM_Point box{};
    ASSERT_EQ(PICRADAPP_setRules(&vertical, &box), 0);
    EXPECT_EQ(box.startColumn, 40);
    EXPECT_EQ(box.endColumn, 40);
    EXPECT_EQ(box.startRow, 10);
    EXPECT_EQ(box.endRow, 20);
    EXPECT_EQ(pixelCount(vertical), 10);
    EXPECT_EQ(pixelCount(rule(1, {{10, 50}, {30, 50}})), 20);
    EXPECT_EQ(pixelCount(rule(1, {{10, 10}, {40, 20}})), 30);  // shallow: one pixel per column
    EXPECT_EQ(pixelCount(rule(1, {{10, 10}, {20, 50}})), 40);  // steep: one per row
}

TEST_F(PictureRulesTest, RectangleIsHalfOpen)
{
    const PicViewRuleConfig around = rule(2, {{95, 25}, {105, 25}, {105, 35}, {95, 35}}, 1);
    const HM_RuleTemper t = measure(around);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_NEAR(t.minimum, 25.0f, kTol);
    EXPECT_EQ(t.hotX, kHotX);
    EXPECT_EQ(t.hotY, kHotY);
    EXPECT_EQ(pixelCount(around), 100);
    // Mean of 100 pixels: one at 90, eight at 70, the rest at 25 (in greys, so roughly).
    EXPECT_NEAR(t.average, (90.0f + 8 * 70.0f + 91 * 25.0f) / 100.0f, 0.6f);

    // Right column on the hot spot's first column: that column is not measured.
    const HM_RuleTemper left = measure(rule(2, {{85, 25}, {99, 25}, {99, 35}, {85, 35}}, 1));
    EXPECT_NEAR(left.maximum, 25.0f, kTol);
}

TEST_F(PictureRulesTest, EllipseAndPolygon)
{
    const HM_RuleTemper ellipse = measure(rule(2, {{10, 80}, {30, 80}, {30, 100}, {10, 100}}, 2));
    EXPECT_NEAR(ellipse.minimum, -10.0f, kTol);
    EXPECT_EQ(ellipse.coldX, kColdX);
    EXPECT_EQ(ellipse.coldY, kColdY);
    EXPECT_NEAR(ellipse.maximum, 25.0f, kTol);
    // The corners of the box are outside the ellipse.
    const int inEllipse = pixelCount(rule(2, {{10, 80}, {30, 80}, {30, 100}, {10, 100}}, 3));
    EXPECT_GT(inEllipse, 300);
    EXPECT_LT(inEllipse, 400);

    const PicViewRuleConfig triangle = rule(2, {{90, 20}, {120, 40}, {85, 45}}, 1);
    const HM_RuleTemper t = measure(triangle);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_EQ(t.hotX, kHotX);
    // A triangle covers about half of its box.
    const int n = pixelCount(triangle);
    EXPECT_GT(n, 35 * 25 / 2 - 60);
    EXPECT_LT(n, 35 * 25 / 2 + 60);
}

TEST_F(PictureRulesTest, WholeWindowAndHotColdSpot)
{
    PicViewRuleConfig whole{};
    whole.ruleId = 255;
    whole.meterType = 2;
    whole.pointNum = 4;  // points are ignored
    const HM_RuleTemper t = measure(whole);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_NEAR(t.minimum, -10.0f, kTol);
    EXPECT_EQ(t.hotX, kHotX);
    EXPECT_EQ(t.coldY, kColdY);

    HM_RuleTemper spot{};
    ASSERT_EQ(PIC_GetHotColdTemperature(&spot), 0);
    EXPECT_NEAR(spot.maximum, 90.0f, kTol);
    EXPECT_NEAR(spot.minimum, -10.0f, kTol);
    EXPECT_EQ(spot.hotX, kHotX * 8192 / kW);
    EXPECT_EQ(spot.hotY, kHotY * 8192 / kH);
    EXPECT_EQ(spot.coldX, kColdX * 8192 / kW);
    EXPECT_EQ(spot.coldY, kColdY * 8192 / kH);
}

TEST_F(PictureRulesTest, MeasuredWindowWithOffsets)
{
    RedunData block = fixtures::defaultRedunData(kW, kH);
    block.windowX = 10;
    block.windowY = 5;
    block.windowWidth = 140;
    block.windowHeight = 110;
    load(block);
    HM_RuleTemper spot{};
    ASSERT_EQ(PIC_GetHotColdTemperature(&spot), 0);
    EXPECT_EQ(spot.hotX, (kHotX - 10) * 8192 / 140);
    EXPECT_EQ(spot.hotY, (kHotY - 5) * 8192 / 110);
    // Rule points are normalised over the window too: 0,0 is pixel (10, 5).
    PicViewRuleConfig corner{};
    corner.ruleId = 1;
    corner.pointNum = 1;
    TCAM_Point box{};
    ASSERT_EQ(PICRADAPP_setRules(&corner, &box), 0);
    EXPECT_EQ(box.startColumn, 10);
    EXPECT_EQ(box.startRow, 5);
}

TEST_F(PictureRulesTest, WindowMustLieInsideTheFrame)
{
    RedunData block = fixtures::defaultRedunData(kW, kH);
    block.windowWidth = kW + 1;
    load(block);
    HM_RuleTemper t{};
    EXPECT_EQ(PIC_GetHotColdTemperature(&t), -1);
    block.windowWidth = 0;
    load(block);
    EXPECT_EQ(PIC_GetHotColdTemperature(&t), -1);
    const PicViewRuleConfig p = rule(0, {{1, 1}});
    EXPECT_EQ(PICRADAPP_getRuleTemperature(&p, &t), -1);
}

struct UnitCase {
    int32_t unit;
    float hot;
    float cold;
};

void PrintTo(const UnitCase& c, std::ostream* os)
{
    *os << "unit " << c.unit;
}

class RuleUnitTest : public PictureRulesTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(RuleUnitTest, ResultsComeInThePictureUnit)
{
    RedunData block = fixtures::defaultRedunData(kW, kH);
    block.tempUnit = GetParam().unit;  // taken into the picture by HM_analyRadioData
    load(block);
    RuleRegionParam region{};
    region.ruleID = 3;
    region.meterType = 0;
    region.pointNum = 1;
    region.points[0] = {norm(kHotX, kW), norm(kHotY, kH)};
    HM_RuleTemper t{};
    ASSERT_EQ(PIC_getRuleRegionTemper(&region, &t), 0);
    EXPECT_NEAR(t.maximum, GetParam().hot, 0.1f);

    float bar[2] = {0, 0};
    setPicColorBarRange(bar);
    ASSERT_EQ(getPicColorBarRange(bar), 0);
    EXPECT_NEAR(bar[0], GetParam().hot, 0.1f);
    EXPECT_NEAR(bar[1], GetParam().cold, 0.1f);
}

INSTANTIATE_TEST_SUITE_P(Units, RuleUnitTest,
                         ::testing::Values(UnitCase{0, 90.0f, -10.0f}, UnitCase{1, 194.0f, 14.0f},
                                           UnitCase{2, 363.15f, 263.15f}, UnitCase{7, 363.15f, 263.15f}));

TEST_F(PictureRulesTest, ColourBarRangeKeepsAManualPair)
{
    const float manual[2] = {40.0f, 10.0f};
    ASSERT_EQ(setPicColorBarRange(manual), 0);
    float bar[2] = {};
    ASSERT_EQ(getPicColorBarRange(bar), 0);
    EXPECT_FLOAT_EQ(bar[0], 40.0f);
    EXPECT_FLOAT_EQ(bar[1], 10.0f);
    const float automatic[2] = {0.0f, 0.0f};
    setPicColorBarRange(automatic);
    ASSERT_EQ(getPicColorBarRange(bar), 0);
    EXPECT_NEAR(bar[0], 90.0f, kTol);
    EXPECT_NEAR(bar[1], -10.0f, kTol);
    HM_freeRadioData();
    EXPECT_EQ(getPicColorBarRange(bar), -1);
}

TEST_F(PictureRulesTest, OwnParametersOfARule)
{
    PicViewRuleConfig r = rule(2, {{95, 25}, {105, 25}, {105, 35}, {95, 35}}, 1);
    r.bLocalEnable = 1;
    r.emissivity = 1.0f;
    r.distance = 1.0f;
    r.reflectedTemp = 25.0f;
    const HM_RuleTemper same = measure(r);
    EXPECT_NEAR(same.maximum, 90.0f, kTol);
    EXPECT_NEAR(same.minimum, 25.0f, kTol);

    r.emissivity = 0.8f;
    const HM_RuleTemper poorer = measure(r);
    EXPECT_GT(poorer.maximum, 95.0f);          // a poor emitter is hotter than it looks
    EXPECT_NEAR(poorer.minimum, 25.0f, 0.1f);  // at the reflected temperature nothing changes
}

TEST_F(PictureRulesTest, TemperatureDataPictures)
{
    block_.tempDataFlag = 1;
    loadRaw(std::vector<uint16_t>(size_t(kW) * kH, uint16_t(-50)), kW, kH);
    const HM_RuleTemper t = measure(rule(2, {{10, 10}, {20, 10}, {20, 20}, {10, 20}}, 1));
    EXPECT_FLOAT_EQ(t.average, -5.0f);
    EXPECT_FLOAT_EQ(t.maximum, -5.0f);
    EXPECT_FLOAT_EQ(t.minimum, -5.0f);

    RuleRegionParam region{};
    region.ruleID = 1;
    region.meterType = 1;
    region.pointNum = 2;
    region.points[0] = {norm(10, kW), norm(10, kH)};
    region.points[1] = {norm(20, kW), norm(10, kH)};
    float values[16];
    int32_t count = 0;
    ASSERT_EQ(PIC_GetRuleMatrixTemperatureN(&region, values, 16, &count), 0);
    ASSERT_EQ(count, 10);
    EXPECT_FLOAT_EQ(values[0], -5.0f);
    region.meterType = 0;
    ASSERT_EQ(PIC_GetRuleMatrixTemperatureN(&region, values, 16, &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_FLOAT_EQ(values[0], -5.0f);
}

TEST_F(PictureRulesTest, MatrixValuesAndCapacity)
{
    RuleRegionParam region{};
    region.ruleID = 1;
    region.meterType = 2;
    region.param = 1;
    region.pointNum = 4;
    const int xs[] = {95, 105, 105, 95}, ys[] = {25, 25, 35, 35};
    for (int i = 0; i < 4; ++i) region.points[i] = {norm(xs[i], kW), norm(ys[i], kH)};
    std::vector<float> values(100);
    int32_t count = 0;
    ASSERT_EQ(PIC_GetRuleMatrixTemperatureN(&region, values.data(), 100, &count), 0);
    ASSERT_EQ(count, 100);
    EXPECT_NEAR(*std::max_element(values.begin(), values.end()), 90.0f, kTol);

    values.assign(100, 123.0f);
    EXPECT_EQ(PIC_GetRuleMatrixTemperatureN(&region, values.data(), 99, &count), -1);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(values[0], 123.0f);

    // The point of a matrix goes through the calculation core.
    region.meterType = 0;
    region.points[0] = {norm(kHotX, kW), norm(kHotY, kH)};
    ASSERT_EQ(PIC_GetRuleMatrixTemperature(&region, values.data(), &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_NEAR(values[0], 90.0f, kTol);
}

TEST_F(PictureRulesTest, FramesLargerThanTheOldestCameras)
{
    const int w = 1000, h = 600;
    load(fixtures::defaultRedunData(w, h), w, h);
    const PicViewRuleConfig r = rule(2, {{700, 550}, {720, 550}, {720, 560}, {700, 560}}, 1, w, h);
    RuleRegionParam region{};
    region.ruleID = 1;
    region.meterType = 2;
    region.param = 1;
    region.pointNum = 4;
    std::memcpy(region.points, r.points, sizeof region.points);
    std::vector<float> values(size_t(w) * h);
    int32_t count = 0;
    ASSERT_EQ(PIC_GetRuleMatrixTemperature(&region, values.data(), &count), 0);
    EXPECT_EQ(count, 20 * 10);
    const HM_RuleTemper t = measure(r);
    EXPECT_NEAR(t.maximum, 25.0f, kTol);
}

TEST_F(PictureRulesTest, NothingToMeasure)
{
    HM_RuleTemper untouched{};
    untouched.maximum = 123.0f;
    HM_RuleTemper t = untouched;
    // A line of zero length and an area without points cover no pixel.
    const PicViewRuleConfig dot = rule(1, {{50, 50}, {50, 50}});
    EXPECT_EQ(PICRADAPP_getRuleTemperature(&dot, &t), -1);
    EXPECT_EQ(t.maximum, 123.0f);
    PicViewRuleConfig empty = rule(2, {}, 1);
    EXPECT_EQ(PICRADAPP_getRuleTemperature(&empty, &t), -1);
    EXPECT_EQ(t.maximum, 123.0f);

    PicViewRuleConfig bad = rule(0, {{1, 1}});
    bad.ruleId = 61;
    EXPECT_EQ(PICRADAPP_getRuleTemperature(&bad, &t), -1);
    bad.ruleId = -1;
    EXPECT_EQ(PICRADAPP_getRuleTemperature(&bad, &t), -1);

    RuleRegionParam region{};
    region.ruleID = 1;
    region.meterType = 2;
    region.pointNum = 9;
    EXPECT_EQ(PIC_getRuleRegionTemper(&region, &t), -1);
    EXPECT_EQ(t.maximum, 123.0f);
}

TEST_F(PictureRulesTest, GreyStatisticsOfARectangle)
{
    std::vector<uint16_t> raw(size_t(kW) * kH, 1000);
    raw[size_t(5) * kW + 7] = 3000;  // first maximum in row order
    raw[size_t(6) * kW + 3] = 3000;
    raw[size_t(4) * kW + 4] = 11;
    loadRaw(raw, kW, kH);
    PICAPP_MetryParm p{};
    p.startColumn = 2;
    p.endColumn = 8;
    p.startRow = 4;
    p.endRow = 6;
    HM_RuleTemper out{};
    uint32_t mx = 0, mn = 0, mean = 0;
    ASSERT_EQ(PICRADAPP_getGaryVal(&out, &p, &mx, &mn, &mean), 0);
    EXPECT_EQ(mx, 3000u);
    EXPECT_EQ(mn, 11u);
    EXPECT_EQ(mean, (1000u * 18 + 3000 * 2 + 11) / 21);  // truncated
    EXPECT_EQ(out.hotX, 7);
    EXPECT_EQ(out.hotY, 5);
    EXPECT_EQ(out.coldX, 4);
    EXPECT_EQ(out.coldY, 4);

    // Clipped to the frame; a rectangle outside it measures nothing.
    p.endColumn = kW + 100;
    EXPECT_EQ(PICRADAPP_getGaryVal(&out, &p, &mx, &mn, &mean), 0);
    p.startColumn = kW + 10;
    EXPECT_EQ(PICRADAPP_getGaryVal(&out, &p, &mx, &mn, &mean), -1);
}

}  // namespace
