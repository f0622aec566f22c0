// Live rule geometry: which raw pixels a rule covers, seen through the
// temperatures and positions it reports. On a 64 x 64 frame pixel p has the
// normalised coordinate p * 128 exactly, and every pixel has its own grey
// (7600 + x + 64 y), so maximum, minimum and average pin the pixel set.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "LiveTestSupport.h"
#include "thermcore.h"

namespace {

using namespace live;

constexpr int kSide = 64;
constexpr int kStep = kSpan / kSide;  // 128

ThermPoint at(int x, int y)
{
    return {x * kStep, y * kStep};
}

uint16_t greyAt(int x, int y)
{
    return uint16_t(7600 + x + kSide * y);
}

struct Pixel {
    int x, y;
};

// Statistics the library should report for a pixel set (in list order).
struct Expected {
    double maximum = 0.0, minimum = 0.0, average = 0.0;
    Pixel hot{}, cold{};
};

class LiveGeometryTest : public LiveSceneTest {
protected:
    void SetUp() override
    {
        LiveSceneTest::SetUp();
        Frame f;
        f.width = f.height = kSide;
        f.block = fixtures::defaultRedunData(kSide, kSide);
        f.raw.resize(size_t(kSide) * kSide);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) f.at(x, y) = greyAt(x, y);
        use(f);
    }

    Expected expectedOf(const std::vector<Pixel>& pixels) const
    {
        Expected e;
        uint16_t mx = 0, mn = 65535;
        double sum = 0.0;
        for (const Pixel& p : pixels) {
            const uint16_t g = greyAt(p.x, p.y);
            if (g > mx) mx = g, e.hot = p;
            if (g < mn) mn = g, e.cold = p;
            sum += g;
        }
        e.maximum = temperatureOfGrey(frame_.block, mx);
        e.minimum = temperatureOfGrey(frame_.block, mn);
        e.average = temperatureOfGrey(frame_.block, sum / double(pixels.size()));
        return e;
    }

    static void expectStatistics(const RADAPI_TempInfo& t, const Expected& e)
    {
        EXPECT_NEAR(t.maximum, e.maximum, 0.002);
        EXPECT_NEAR(t.minimum, e.minimum, 0.002);
        EXPECT_NEAR(t.average, e.average, 0.002);
    }
};

struct LineCase {
    const char* name;
    Pixel a, b;
    std::vector<Pixel> pixels;  // the list, without the end pixel of the longer axis
};

const LineCase kLines[] = {
    {"Vertical",
     {10, 20},
     {10, 30},
     {{10, 20}, {10, 21}, {10, 22}, {10, 23}, {10, 24}, {10, 25}, {10, 26}, {10, 27}, {10, 28}, {10, 29}}},
    {"HorizontalRightToLeft",
     {15, 7},
     {5, 7},
     {{5, 7}, {6, 7}, {7, 7}, {8, 7}, {9, 7}, {10, 7}, {11, 7}, {12, 7}, {13, 7}, {14, 7}}},
    // Rows rounded half up.
    {"Shallow", {0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
    {"ShallowBackwards", {4, 2}, {0, 0}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
    {"Falling", {0, 4}, {4, 0}, {{0, 4}, {1, 3}, {2, 2}, {3, 1}}},
    {"Diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
    // Steeper than 45 degrees: one pixel per row, columns rounded half up.
    {"Steep", {10, 10}, {12, 14}, {{10, 10}, {11, 11}, {11, 12}, {12, 13}}},
};

TEST_F(LiveGeometryTest, LinesCoverTheirRasterisedPixels)
{
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.name);
        const ThermPoint a = at(c.a.x, c.a.y), b = at(c.b.x, c.b.y);
        ASSERT_EQ(setRules({lineRule(1, a, b)}), 0);
        const RADAPI_TempInfo t = measure(1);
        const Expected e = expectedOf(c.pixels);
        expectStatistics(t, e);
        const ThermPoint hot = projectOntoLine(reported(e.hot.x, e.hot.y, kSide, kSide), a, b);
        const ThermPoint cold = projectOntoLine(reported(e.cold.x, e.cold.y, kSide, kSide), a, b);
        EXPECT_EQ(t.hot.x, hot.x);
        EXPECT_EQ(t.hot.y, hot.y);
        EXPECT_EQ(t.cold.x, cold.x);
        EXPECT_EQ(t.cold.y, cold.y);
    }
}

// Areas scan their half-open box: the row and column of the raw maxima are
// never measured.
TEST_F(LiveGeometryTest, AreasScanTheirHalfOpenBox)
{
    std::vector<Pixel> square, ellipse;
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x) square.push_back({x, y});
    // Box 10..30 x 12..24: half axes 10 and 6 around (20, 18).
    for (int y = 12; y < 24; ++y)
        for (int x = 10; x < 30; ++x) {
            const double u = (x - 20.0) / 10.0, v = (y - 18.0) / 6.0;
            if (u * u + v * v <= 1.0) ellipse.push_back({x, y});
        }

    const NormBox squareBox{at(10, 0).x, at(20, 0).x, at(0, 10).y, at(0, 20).y};
    const NormBox ellipseBox{at(10, 0).x, at(30, 0).x, at(0, 12).y, at(0, 24).y};
    // The points in another order than the box: the box is what counts.
    ASSERT_EQ(setRules({areaRule(1, 0, {at(20, 20), at(10, 20), at(10, 10), at(20, 10)}),
                        areaRule(2, 2, {at(30, 24), at(10, 12), at(30, 12), at(10, 24)})}),
              0);

    RADAPI_TempInfo t = measure(1);
    Expected e = expectedOf(square);
    expectStatistics(t, e);
    EXPECT_EQ(e.hot.x, 19);
    EXPECT_EQ(t.hot.x, clampToBox(reported(19, 19, kSide, kSide), squareBox).x);
    EXPECT_EQ(t.hot.y, clampToBox(reported(19, 19, kSide, kSide), squareBox).y);
    EXPECT_EQ(t.cold.x, squareBox.minX);
    EXPECT_EQ(t.cold.y, squareBox.minY);

    t = measure(2);
    e = expectedOf(ellipse);
    expectStatistics(t, e);
    const ThermPoint hot = pullOntoEllipse(reported(e.hot.x, e.hot.y, kSide, kSide), ellipseBox);
    EXPECT_NEAR(t.hot.x, hot.x, 1);
    EXPECT_NEAR(t.hot.y, hot.y, 1);
}

// Normalised coordinates round to the nearest pixel (the picture side
// truncates): half a pixel is 64 here.
TEST_F(LiveGeometryTest, NormalisedPointsRoundToTheNearestPixel)
{
    const struct {
        int32_t normalised;
        int pixel;
    } cases[] = {{0, 0}, {63, 0}, {64, 1}, {10 * kStep + 63, 10}, {10 * kStep + 64, 11}, {8191, kSide - 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.normalised);
        ASSERT_EQ(setRules({pointRule(1, {c.normalised, 20 * kStep}), pointRule(2, {5 * kStep, c.normalised})}), 0);
        const RADAPI_TempInfo column = measure(1);
        EXPECT_NEAR(column.maximum, temperatureOfGrey(frame_.block, greyAt(c.pixel, 20)), 0.002);
        const RADAPI_TempInfo row = measure(2);
        EXPECT_NEAR(row.maximum, temperatureOfGrey(frame_.block, greyAt(5, c.pixel)), 0.002);
    }
}

// Normalised 8191 is raw 640 on a 640-pixel side: the measured pixel is
// clipped to the last column and row.
TEST_F(LiveGeometryTest, CoordinatesBeyondTheLastPixelAreClipped)
{
    constexpr int w = 640, h = 512;
    Frame f;
    f.width = w;
    f.height = h;
    f.block = fixtures::defaultRedunData(w, h);
    f.raw.assign(size_t(w) * h, 8192);
    f.at(w - 1, h - 1) = 9000;
    f.at(0, 0) = 7500;
    use(f);
    ASSERT_EQ(toRaw(8191, w), 640);

    ASSERT_EQ(setRules({pointRule(1, {8191, 8191}), pointRule(2, {0, 0})}), 0);
    RADAPI_TempInfo t = measure(1);
    EXPECT_NEAR(t.maximum, sceneAt(w - 1, h - 1), 0.002);
    EXPECT_NEAR(t.minimum, sceneAt(w - 1, h - 1), 0.002);
    EXPECT_EQ(t.hot.x, 8191);
    EXPECT_EQ(t.hot.y, 8191);
    t = measure(2);
    EXPECT_NEAR(t.maximum, sceneAt(0, 0), 0.002);

    const RADAPI_TempInfo whole = measureRegion(polygon({{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}}));
    EXPECT_NEAR(whole.maximum, sceneAt(w - 1, h - 1), 0.002);
    EXPECT_NEAR(whole.minimum, sceneAt(0, 0), 0.002);
    EXPECT_EQ(whole.hot.x, toNorm(w - 1, w));
    EXPECT_EQ(whole.hot.y, toNorm(h - 1, h));
    EXPECT_EQ(whole.cold.x, 0);
    EXPECT_EQ(whole.cold.y, 0);
}

// Rules that reach past the frame measure the frame's pixels once each: a
// line's scan is clipped to the frame rather than its outside pixels being
// counted on the edge pixel.
TEST_F(LiveGeometryTest, RulesReachingPastTheFrameMeasureOnlyItsPixels)
{
    constexpr int w = 160, h = 120;
    use(frameOf(field(w, h, 25.0f, {{{0, 30}, 60.0f}, {{100, 30}, 90.0f}, {{80, 0}, 70.0f}, {{80, 100}, 0.0f}}), w, h));
    auto meanOf = [&](int x0, int x1, int y0, int y1) {
        double sum = 0.0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) sum += frame_.at(x, y);
        return temperatureOfGrey(frame_.block, sum / double((x1 - x0 + 1) * (y1 - y0 + 1)));
    };
    // Row 30 and column 80 from one window width (height) before the frame
    // to one after it; an ellipse whose box is three times the frame's.
    ASSERT_EQ(setRules({lineRule(1, {-8192, norm(30, h)}, {16383, norm(30, h)}),
                        lineRule(2, {norm(80, w), -8192}, {norm(80, w), 16383}),
                        areaRule(3, 2, {{-8192, -8192}, {16383, -8192}, {16383, 16383}, {-8192, 16383}})}),
              0);
    RADAPI_TempInfo t = measure(1);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_NEAR(t.average, meanOf(0, w - 1, 30, 30), 0.02);
    t = measure(2);
    EXPECT_NEAR(t.maximum, 70.0f, kTol);
    EXPECT_NEAR(t.minimum, 0.0f, kTol);
    EXPECT_NEAR(t.average, meanOf(80, 80, 0, h - 1), 0.02);
    t = measure(3);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_NEAR(t.minimum, 0.0f, kTol);
    EXPECT_NEAR(t.average, meanOf(0, w - 1, 0, h - 1), 0.005);
}

// Stored rules follow the frame size: a frame of another size re-rasterises
// them for the new window.
TEST_F(LiveGeometryTest, StoredRulesFollowTheFrameSize)
{
    // Line a quarter down, from a quarter to three quarters across; square
    // from the middle to three quarters.
    const RADAPI_SpotRule line = lineRule(1, {2048, 2048}, {6144, 2048});
    const RADAPI_SpotRule square = areaRule(2, 0, {{4096, 4096}, {6144, 4096}, {6144, 6144}, {4096, 6144}});

    use(frameOf(field(160, 120, 25.0f, {{{100, 30}, 50.0f}, {{100, 70}, 40.0f}}), 160, 120));
    ASSERT_EQ(setRules({line, square}), 0);
    EXPECT_NEAR(measure(1).maximum, 50.0f, kTol);
    EXPECT_NEAR(measure(2).maximum, 40.0f, kTol);

    // Twice the size: the old pixels (row 30, rows 60..89) now show 25 C.
    use(frameOf(field(320, 240, 25.0f, {{{200, 60}, 90.0f}, {{200, 150}, 70.0f}}), 320, 240));
    RADAPI_TempInfo t = measure(1);
    EXPECT_NEAR(t.maximum, 90.0f, kTol);
    EXPECT_EQ(t.hot.x, projectOntoLine(reported(200, 60, 320, 240), {2048, 2048}, {6144, 2048}).x);
    EXPECT_EQ(t.hot.y, 2048);
    t = measure(2);
    EXPECT_NEAR(t.maximum, 70.0f, kTol);
    EXPECT_EQ(t.hot.x, reported(200, 150, 320, 240).x);
    EXPECT_EQ(t.hot.y, reported(200, 150, 320, 240).y);

    // And back.
    use(frameOf(field(160, 120, 25.0f, {{{119, 30}, 60.0f}, {{80, 60}, 10.0f}}), 160, 120));
    EXPECT_NEAR(measure(1).maximum, 60.0f, kTol);
    EXPECT_NEAR(measure(2).minimum, 10.0f, kTol);
}

// Frames larger than the oldest cameras' 640 x 512: long lines and large
// areas fit their lists.
TEST_F(LiveGeometryTest, LargeFramesFitTheLists)
{
    constexpr int w = 1280, h = 1024;
    Frame f;
    f.width = w;
    f.height = h;
    f.block = fixtures::defaultRedunData(w, h);
    f.raw.assign(size_t(w) * h, 8192);
    f.at(1270, 512) = 9000;  // on the horizontal line
    f.at(700, 1000) = 9100;  // on the vertical line
    f.at(320, 256) = 9200;   // on the diagonal
    f.at(1000, 900) = 9300;  // only in the area
    use(f);

    ASSERT_EQ(setRules({lineRule(1, {0, 4096}, {8191, 4096}), lineRule(2, {toNorm(700, w), 0}, {toNorm(700, w), 8191}),
                        lineRule(3, {0, 0}, {8191, 8191}), areaRule(4, 0, {{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}}),
                        areaRule(5, 2, {{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}})}),
              0);
    EXPECT_NEAR(measure(1).maximum, sceneAt(1270, 512), 0.002);
    EXPECT_NEAR(measure(2).maximum, sceneAt(700, 1000), 0.002);
    EXPECT_NEAR(measure(3).maximum, sceneAt(320, 256), 0.002);
    const RADAPI_TempInfo area = measure(4);
    EXPECT_NEAR(area.maximum, sceneAt(1000, 900), 0.002);
    EXPECT_EQ(area.hot.x, reported(1000, 900, w, h).x);
    EXPECT_EQ(area.hot.y, reported(1000, 900, w, h).y);
    EXPECT_NEAR(measure(5).maximum, sceneAt(1000, 900), 0.002);
}

}  // namespace
