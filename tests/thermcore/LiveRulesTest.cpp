// Live rules and regions over a frame with a known hot and cold spot: every
// rule shape, the picture side on the same frame, free regions, the rule
// store's edge cases and where hot and cold positions are reported.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "LiveTestSupport.h"
#include "RadioPictureWriter.h"
#include "ScratchDir.h"
#include "thermcore.h"

namespace {

using namespace live;

// The rules measured on the spot scene, with what they must report.
struct ShapeCase {
    const char* name;
    RADAPI_SpotRule rule;
    float maximum;
    float minimum;
    ThermPoint hot;
    ThermPoint cold;
    int positionTolerance;  // the ellipse's pull is computed in f64 and truncated
    bool checkCold;
};

std::vector<ShapeCase> shapeCases()
{
    const NormBox ellipseBox{norm(10, kW), norm(30, kW), norm(80, kH), norm(100, kH)};
    const ThermPoint lineA = px(90, kHotY), lineB = px(110, kHotY);
    return {
        // A point reports its own coordinates as hot and cold position.
        {"Point", pointRule(1, px(kHotX, kHotY)), 90.0f, 90.0f, px(kHotX, kHotY), px(kHotX, kHotY), 0, true},
        // Through the hot spot; the first 25 C pixel (column 90) is the coldest.
        {"Line", lineRule(2, lineA, lineB), 90.0f, 25.0f, projectOntoLine(reported(kHotX, kHotY), lineA, lineB),
         projectOntoLine(reported(90, kHotY), lineA, lineB), 0, true},
        // Four corners around the hot spot; row-major, the top-left pixel is the first 25 C one.
        {"Rectangle", areaRule(3, 0, {px(95, 25), px(105, 25), px(105, 35), px(95, 35)}), 90.0f, 25.0f,
         clampToBox(reported(kHotX, kHotY), {norm(95, kW), norm(105, kW), norm(25, kH), norm(35, kH)}),
         clampToBox(reported(95, 25), {norm(95, kW), norm(105, kW), norm(25, kH), norm(35, kH)}), 0, true},
        // Around the cold spot; its first row holds only the centre column (20, 80).
        {"Ellipse", areaRule(4, 2, {px(10, 80), px(30, 80), px(30, 100), px(10, 100)}), 25.0f, -10.0f,
         pullOntoEllipse(reported(20, 80), ellipseBox), pullOntoEllipse(reported(kColdX, kColdY), ellipseBox), 1, true},
        {"Triangle",
         areaRule(5, 0, {px(90, 20), px(120, 40), px(85, 45)}),
         90.0f,
         25.0f,
         clampToBox(reported(kHotX, kHotY), {norm(85, kW), norm(120, kW), norm(20, kH), norm(45, kH)}),
         {},
         0,
         false},
    };
}

class LiveRulesTest : public LiveSceneTest {};

TEST_F(LiveRulesTest, EveryShapeReadsTheScene)
{
    const std::vector<ShapeCase> cases = shapeCases();
    RADAPI_SpotRules set;
    std::memset(&set, 0, sizeof set);
    for (const ShapeCase& c : cases) set.rules[set.count++] = c.rule;
    ASSERT_EQ(RADAPI_setRadiometryRuleConfig(&set), 0);

    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RADAPI_TempInfo t = measure(c.rule.ruleId);
        EXPECT_EQ(t.meterType, c.rule.meterType);
        EXPECT_EQ(t.ruleId, c.rule.ruleId);
        EXPECT_EQ(t.reserved0, 0);
        EXPECT_EQ(t.reserved1, 0.0f);
        EXPECT_EQ(t.zeroInUnit, 0.0f);
        EXPECT_NEAR(t.maximum, c.maximum, kTol);
        EXPECT_NEAR(t.minimum, c.minimum, kTol);
        EXPECT_LE(t.minimum, t.average);
        EXPECT_LE(t.average, t.maximum);
        EXPECT_NEAR(t.hot.x, c.hot.x, c.positionTolerance);
        EXPECT_NEAR(t.hot.y, c.hot.y, c.positionTolerance);
        if (c.checkCold) {
            EXPECT_NEAR(t.cold.x, c.cold.x, c.positionTolerance);
            EXPECT_NEAR(t.cold.y, c.cold.y, c.positionTolerance);
        }
    }
    // Nine pixels of the rectangle's 100 are warmer than 25 C.
    const RADAPI_TempInfo rect = measure(3);
    EXPECT_NEAR(rect.average, (90.0f + 8 * 70.0f + 91 * 25.0f) / 100.0f, 0.6f);
}

// The same frame as a picture file, measured by the picture side with the
// same rules. Both sides run the same curve over the same pixels (the rule
// points are chosen so that the picture's truncating and the live side's
// rounding conversion land on the same pixels), and maximum and minimum
// are whole greys on both, so they agree to float rounding. The averages
// differ: the picture reads its table at the truncated mean grey, the live
// side converts the fractional mean, which is less than one grey apart; the
// flattest segment of the camera block's curve that the scene touches has
// 18 grey per degree, so one grey is at most 0.056 C. The picture's limits
// (-20/150 C) and the live side's (-30/160 C) do not touch a scene that
// stays within -10..90 C.
TEST_F(LiveRulesTest, AgreesWithThePictureSide)
{
    constexpr float kExtremeTol = 0.002f;
    constexpr float kAverageTol = 0.06f;

    fixtures::ScratchDir dir;
    fixtures::RadioPictureWriter writer(kW, kH);
    writer.setTemperatures(spotScene());
    ASSERT_EQ(writer.rawFrame(), frame_.raw);
    const std::string path = dir.file("spots.png");
    ASSERT_TRUE(writer.writeTo(path));
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);

    const std::vector<ShapeCase> cases = shapeCases();
    RADAPI_SpotRules set;
    std::memset(&set, 0, sizeof set);
    for (const ShapeCase& c : cases) set.rules[set.count++] = c.rule;
    ASSERT_EQ(RADAPI_setRadiometryRuleConfig(&set), 0);

    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        PicViewRuleConfig pic;
        std::memset(&pic, 0, sizeof pic);
        pic.ruleId = c.rule.ruleId;
        pic.meterType = c.rule.meterType;
        if (c.rule.meterType == 0) {
            pic.pointNum = 1;
            pic.points[0] = {c.rule.geom.point.x, c.rule.geom.point.y};
        } else if (c.rule.meterType == 1) {
            pic.pointNum = 2;
            pic.points[0] = {c.rule.geom.line.x1, c.rule.geom.line.y1};
            pic.points[1] = {c.rule.geom.line.x2, c.rule.geom.line.y2};
        } else {
            pic.param = c.rule.areaShape == 2 ? 2 : 0;
            pic.pointNum = c.rule.geom.area.pointNumber;
            std::memcpy(pic.points, c.rule.geom.area.points, sizeof pic.points);
        }
        HM_RuleTemper picture{};
        ASSERT_EQ(PICRADAPP_getRuleTemperature(&pic, &picture), 0);
        const RADAPI_TempInfo t = measure(c.rule.ruleId);

        EXPECT_NEAR(t.maximum, picture.maximum, kExtremeTol);
        EXPECT_NEAR(t.minimum, picture.minimum, kExtremeTol);
        EXPECT_NEAR(t.average, picture.average, kAverageTol);
        // The same pixels: the live position, back on the raw frame.
        EXPECT_EQ(toRaw(t.hot.x, kW), picture.hotX);
        EXPECT_EQ(toRaw(t.hot.y, kH), picture.hotY);
        EXPECT_EQ(toRaw(t.cold.x, kW), picture.coldX);
        EXPECT_EQ(toRaw(t.cold.y, kH), picture.coldY);
    }
    HM_freeAXPicViewInfo();
}

TEST_F(LiveRulesTest, FirstRuleWithAnIdWins)
{
    ASSERT_EQ(setRules({pointRule(5, px(kHotX, kHotY)), pointRule(5, px(kColdX, kColdY))}), 0);
    const RADAPI_TempInfo t = measure(5);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_EQ(t.hot.x, px(kHotX, kHotY).x);
}

// Rules that cover no pixel fail and leave the caller's record as it was.
// A failed rule reports nothing measured: the record comes back as zeros
// with the ruleId asked for, never as partial or stale temperatures.
TEST_F(LiveRulesTest, RulesWithoutPixelsFailWithAnEmptyResult)
{
    const struct {
        const char* name;
        RADAPI_SpotRule rule;
    } cases[] = {
        // ruleId 66 keeps its box but is never rasterised.
        {"Area66", areaRule(66, 0, {px(95, 25), px(105, 25), px(105, 35), px(95, 35)})},
        {"ZeroLengthLine", lineRule(7, px(50, 50), px(50, 50))},
        {"AreaWithoutPoints", areaRule(8, 0, {})},
        {"EllipseWithoutArea", areaRule(9, 2, {px(40, 40), px(40, 60)})},
        // Stored, never rasterised.
        {"UnknownMeterType",
         [] {
             RADAPI_SpotRule r = areaRule(10, 0, {px(95, 25), px(105, 25), px(105, 35), px(95, 35)});
             r.meterType = 3;
             return r;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(setRules({c.rule}), 0);
        RADAPI_TempInfo t = sentinelResult();
        EXPECT_EQ(RADAPI_getRadiometryTemperature(c.rule.ruleId, &t), -1);
        RADAPI_TempInfo expected{};
        expected.ruleId = c.rule.ruleId;
        EXPECT_TRUE(sameBytes(t, expected)) << "written: meterType " << t.meterType << ", ruleId " << t.ruleId
                                            << ", maximum " << t.maximum << ", hot " << t.hot.x << "," << t.hot.y;
    }
}

TEST_F(LiveRulesTest, IdsThatNameNoMeasurableRuleFail)
{
    ASSERT_EQ(
        setRules({pointRule(1, px(kHotX, kHotY)), pointRule(0, px(kHotX, kHotY)), pointRule(31, px(kHotX, kHotY))}), 0);
    RADAPI_TempInfo t{};
    EXPECT_EQ(RADAPI_getRadiometryTemperature(2, &t), -1);   // not stored
    EXPECT_EQ(RADAPI_getRadiometryTemperature(0, &t), -1);   // stored, but not 1..30
    EXPECT_EQ(RADAPI_getRadiometryTemperature(31, &t), -1);  // likewise
    EXPECT_EQ(RADAPI_getRadiometryTemperature(1, &t), 0);

    // An empty set clears the store.
    ASSERT_EQ(setRules({}), 0);
    EXPECT_EQ(RADAPI_getRadiometryTemperature(1, &t), -1);
}

// A set the store cannot hold is refused before anything is cleared.
TEST_F(LiveRulesTest, OversizedSetsAreRefusedAndTheOldRulesStay)
{
    ASSERT_EQ(setRules({pointRule(1, px(kHotX, kHotY)), lineRule(2, px(90, kHotY), px(110, kHotY))}), 0);
    const RADAPI_TempInfo point = measure(1);
    const RADAPI_TempInfo line = measure(2);

    RADAPI_SpotRules tooMany = ruleSet({});
    for (int i = 0; i < RADAPI_MAX_RULES; ++i) tooMany.rules[i] = pointRule(i + 1, px(kColdX, kColdY));
    tooMany.count = RADAPI_MAX_RULES + 1;
    RADAPI_SpotRules ninePoints = ruleSet({areaRule(1, 0, {px(10, 80), px(30, 80), px(30, 100), px(10, 100)})});
    ninePoints.rules[0].geom.area.pointNumber = 9;
    for (const RADAPI_SpotRules* refused : {&tooMany, &ninePoints}) {
        EXPECT_EQ(RADAPI_setRadiometryRuleConfig(refused), -1);
        const RADAPI_TempInfo p = measure(1);
        EXPECT_EQ(p.maximum, point.maximum);
        EXPECT_EQ(p.hot.x, point.hot.x);
        const RADAPI_TempInfo l = measure(2);
        EXPECT_EQ(l.average, line.average);
    }
    // Thirty rules and eight points are fine.
    tooMany.count = RADAPI_MAX_RULES;
    EXPECT_EQ(RADAPI_setRadiometryRuleConfig(&tooMany), 0);
    EXPECT_NEAR(measure(30).minimum, -10.0f, kTol);
    ASSERT_EQ(
        setRules({areaRule(
            4, 0, {px(10, 80), px(20, 78), px(30, 80), px(32, 90), px(30, 100), px(20, 102), px(10, 100), px(8, 90)})}),
        0);
    EXPECT_NEAR(measure(4).minimum, -10.0f, kTol);
}

// Hot and cold positions are limited to the rule: onto a line's ends, onto
// an ellipse along the ray from its centre.
TEST_F(LiveRulesTest, PositionsArePulledOntoTheRule)
{
    const int row = 60;
    // One warm pixel at column 90, the left end of every line below.
    use(frameOf(field(kW, kH, 25.0f, {{{90, row}, 60.0f}, {{100, row}, 10.0f}}), kW, kH));
    // The largest normalised X that still lands on column 90 lies right of
    // where column 90 is reported, so its report falls outside the line.
    const ThermPoint end90{normHigh(90, kW), norm(row, kH)};
    const ThermPoint end110 = px(110, row);
    ASSERT_GT(end90.x, reported(90, row).x);

    const RADAPI_SpotRule ellipse =
        areaRule(3, 2, {{normHigh(10, kW), norm(80, kH)}, px(30, 80), px(30, 100), {normHigh(10, kW), norm(100, kH)}});
    ASSERT_EQ(setRules({lineRule(1, end90, end110), lineRule(2, end110, end90), ellipse}), 0);

    // Hot pixel before A: reported at A.
    RADAPI_TempInfo t = measure(1);
    EXPECT_NEAR(t.maximum, 60.0f, kTol);
    EXPECT_EQ(t.hot.x, end90.x);
    EXPECT_EQ(t.hot.y, end90.y);
    // In between: the pixel itself, on the line.
    EXPECT_NEAR(t.minimum, 10.0f, kTol);
    EXPECT_EQ(t.cold.x, reported(100, row).x);
    EXPECT_EQ(t.cold.y, end90.y);
    // The same line drawn the other way: the hot pixel lies beyond B.
    t = measure(2);
    EXPECT_NEAR(t.maximum, 60.0f, kTol);
    EXPECT_EQ(t.hot.x, end90.x);
    EXPECT_EQ(t.hot.y, end90.y);

    // The ellipse's leftmost pixel (10, 90) is reported left of the box the
    // rule's points span, so it is pulled back onto the ellipse.
    use(frameOf(field(kW, kH, 25.0f, {{{10, 90}, 60.0f}, {{20, 90}, 10.0f}}), kW, kH));
    const NormBox box{normHigh(10, kW), norm(30, kW), norm(80, kH), norm(100, kH)};
    const ThermPoint pulled = pullOntoEllipse(reported(10, 90), box);
    ASSERT_GT(pulled.x - reported(10, 90).x, 10);
    t = measure(3);
    EXPECT_NEAR(t.maximum, 60.0f, kTol);
    EXPECT_NEAR(t.hot.x, pulled.x, 1);
    EXPECT_NEAR(t.hot.y, pulled.y, 1);
    // The centre stays where it is.
    EXPECT_NEAR(t.minimum, 10.0f, kTol);
    EXPECT_EQ(t.cold.x, reported(20, 90).x);
    EXPECT_EQ(t.cold.y, reported(20, 90).y);
}

// ---------------------------------------------------------------- regions

class LiveRegionTest : public LiveSceneTest {};

// Corners 0 and 8191 cover the frame: the last row and column count too.
TEST_F(LiveRegionTest, WholeFrameMeasuresEveryPixel)
{
    std::vector<float> t = field(kW, kH, 25.0f);
    for (int y = 0; y < kH; ++y) t[size_t(y) * kW + (kW - 1)] = 60.0f;
    for (int x = 0; x < kW; ++x) t[size_t(kH - 1) * kW + x] = 60.0f;
    t[size_t(kH - 1) * kW + (kW - 1)] = 120.0f;
    t[size_t(5) * kW + (kW - 1)] = -20.0f;
    use(frameOf(t, kW, kH));

    double sum = 0.0;
    for (uint16_t g : frame_.raw) sum += g;
    const double expectedAverage = temperatureOfGrey(frame_.block, sum / double(frame_.raw.size()));

    const RADAPI_Polygon whole = polygon({{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}});
    RADAPI_TempInfo r = sentinelResult();
    ASSERT_EQ(RADAPI_getRegionTemperature(&whole, &r), 0);
    EXPECT_NEAR(r.maximum, sceneAt(kW - 1, kH - 1), 0.002);
    EXPECT_NEAR(r.maximum, 120.0f, kTol);
    EXPECT_NEAR(r.minimum, -20.0f, kTol);
    EXPECT_NEAR(r.average, expectedAverage, 0.005);
    EXPECT_EQ(r.hot.x, reported(kW - 1, kH - 1).x);
    EXPECT_EQ(r.hot.y, reported(kW - 1, kH - 1).y);
    EXPECT_EQ(r.cold.x, reported(kW - 1, 5).x);
    EXPECT_EQ(r.cold.y, reported(kW - 1, 5).y);
    // Only average, maximum, minimum and the positions are written.
    const RADAPI_TempInfo s = sentinelResult();
    EXPECT_EQ(r.meterType, s.meterType);
    EXPECT_EQ(r.ruleId, s.ruleId);
    EXPECT_EQ(r.reserved0, s.reserved0);
    EXPECT_EQ(r.reserved1, s.reserved1);
    EXPECT_EQ(r.zeroInUnit, s.zeroInUnit);
}

// A region measures its own pixels, not its bounding box.
TEST_F(LiveRegionTest, TriangleMeasuresOnlyItsPixels)
{
    // Inside: 80 C at (40, 40), 0 C at (30, 60). In the box, outside the
    // triangle: 110 C at (110, 100), -20 C at (115, 95).
    use(frameOf(field(kW, kH, 25.0f, {{{40, 40}, 80.0f}, {{30, 60}, 0.0f}, {{110, 100}, 110.0f}, {{115, 95}, -20.0f}}),
                kW, kH));
    const RADAPI_TempInfo tri = measureRegion(polygon({px(20, 10), px(120, 10), px(20, 110)}));
    EXPECT_NEAR(tri.maximum, 80.0f, kTol);
    EXPECT_NEAR(tri.minimum, 0.0f, kTol);
    EXPECT_EQ(tri.hot.x, reported(40, 40).x);
    EXPECT_EQ(tri.hot.y, reported(40, 40).y);
    EXPECT_EQ(tri.cold.x, reported(30, 60).x);
    EXPECT_EQ(tri.cold.y, reported(30, 60).y);

    const RADAPI_TempInfo box = measureRegion(polygon({px(20, 10), px(120, 10), px(120, 110), px(20, 110)}));
    EXPECT_NEAR(box.maximum, 110.0f, kTol);
    EXPECT_NEAR(box.minimum, -20.0f, kTol);
    EXPECT_EQ(box.hot.x, reported(110, 100).x);
}

TEST_F(LiveRegionTest, RegionsWithoutPixelsFail)
{
    const RADAPI_Polygon cases[] = {
        polygon({}),
        [] {
            RADAPI_Polygon p = polygon({px(10, 10), px(50, 10), px(50, 50), px(10, 50)});
            p.pointNum = 9;
            return p;
        }(),
        [] {
            RADAPI_Polygon p = polygon({px(10, 10)});
            p.pointNum = -3;
            return p;
        }(),
    };
    for (const RADAPI_Polygon& p : cases) {
        SCOPED_TRACE(p.pointNum);
        const RADAPI_TempInfo before = sentinelResult();
        RADAPI_TempInfo t = before;
        EXPECT_EQ(RADAPI_getRegionTemperature(&p, &t), -1);
        EXPECT_TRUE(sameBytes(t, before));
    }
}

}  // namespace
