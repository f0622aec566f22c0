// Pixel coverage of rule shapes.
#include <gtest/gtest.h>

#include <random>

#include "RuleRaster.h"

using thermcore::PixelBox;
using thermcore::PixelRuns;
using thermcore::RuleRaster;

namespace {

// The pixels of row runs, in order.
std::vector<ThermPoint> pixelsOf(const PixelRuns& runs)
{
    std::vector<ThermPoint> pixels;
    for (const auto& r : runs)
        for (int x = r.x0; x < r.x1; ++x) pixels.push_back({x, r.y});
    return pixels;
}

struct InsideCase {
    const char* name;
    std::vector<ThermPoint> polygon;
    int x, y;
    bool inside;
};

void PrintTo(const InsideCase& c, std::ostream* os)
{
    *os << c.name;
}

class PolygonInsideTest : public ::testing::TestWithParam<InsideCase> {};

TEST_P(PolygonInsideTest, Decides)
{
    const InsideCase& c = GetParam();
    EXPECT_EQ(RuleRaster::insidePolygon(c.x, c.y, c.polygon.data(), int(c.polygon.size())), c.inside);
}

const std::vector<ThermPoint> kSquare = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
const std::vector<ThermPoint> kDiamond = {{5, 0}, {10, 5}, {5, 10}, {0, 5}};
const std::vector<ThermPoint> kArrow = {{0, 0}, {10, 10}, {0, 20}};
// A "V": two prongs joined at the bottom.
const std::vector<ThermPoint> kVee = {{0, 0}, {4, 0}, {6, 5}, {8, 0}, {12, 0}, {6, 12}};

INSTANTIATE_TEST_SUITE_P(
    Shapes, PolygonInsideTest,
    ::testing::Values(InsideCase{"Vertex", kSquare, 2, 2, true}, InsideCase{"TopEdge", kSquare, 4, 2, true},
                      InsideCase{"BottomEdge", kSquare, 5, 6, true}, InsideCase{"Centre", kSquare, 4, 4, true},
                      InsideCase{"LeftEdge", kSquare, 2, 4, true}, InsideCase{"RightEdge", kSquare, 6, 4, false},
                      InsideCase{"LeftOutside", kSquare, 1, 4, false}, InsideCase{"RightOutside", kSquare, 7, 4, false},
                      InsideCase{"Below", kSquare, 4, 7, false},
                      InsideCase{"DiamondRowOfLeftVertex", kDiamond, 7, 5, true},
                      InsideCase{"DiamondBeyondRightVertex", kDiamond, 11, 5, false},
                      InsideCase{"ArrowTipRowInside", kArrow, 5, 10, true},
                      InsideCase{"ArrowTipRowOutside", kArrow, 12, 10, false},
                      InsideCase{"VeeNotch", kVee, 6, 2, false}, InsideCase{"VeeLeftProng", kVee, 3, 2, true},
                      InsideCase{"VeeRightProng", kVee, 9, 2, true}, InsideCase{"VeeBelowNotch", kVee, 6, 8, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleRasterTest, PolygonRowsAgreeWithTheInsideTest)
{
    // Random polygons, convex or not, self-intersecting or not, with
    // vertices sharing rows and columns: the row sweep must pick exactly
    // the pixels the inside test picks.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(0, 24), size(3, 8);
    for (int round = 0; round < 400; ++round) {
        std::vector<ThermPoint> poly(size_t(size(rng)));
        PixelBox box;
        for (ThermPoint& p : poly) {
            p = {coord(rng), coord(rng)};
            box.add(p.x, p.y);
        }
        PixelRuns runs;
        RuleRaster::polygon(poly.data(), int(poly.size()), box, runs);
        const std::vector<ThermPoint> swept = pixelsOf(runs);
        std::vector<ThermPoint> brute;
        for (int y = box.minY; y < box.maxY; ++y)
            for (int x = box.minX; x < box.maxX; ++x)
                if (RuleRaster::insidePolygon(x, y, poly.data(), int(poly.size()))) brute.push_back({x, y});
        ASSERT_EQ(swept.size(), brute.size()) << "round " << round;
        for (size_t i = 0; i < brute.size(); ++i) {
            ASSERT_EQ(swept[i].x, brute[i].x) << "round " << round;
            ASSERT_EQ(swept[i].y, brute[i].y) << "round " << round;
        }
    }
}

TEST(RuleRasterTest, LineSkipsTheEndOfTheLongerAxis)
{
    PixelRuns runs;
    RuleRaster::line(3, 10, 3, 20, runs);
    std::vector<ThermPoint> out = pixelsOf(runs);
    ASSERT_EQ(out.size(), 10u);
    EXPECT_EQ(out.front().y, 10);
    EXPECT_EQ(out.back().y, 19);
    runs.clear();
    RuleRaster::line(10, 0, 0, 5, runs);  // right to left, shallow
    out = pixelsOf(runs);
    ASSERT_EQ(out.size(), 10u);
    for (const ThermPoint& p : out) {
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 5);
        EXPECT_EQ(p.y, int(-0.5 * (p.x - 10) + 0.5));
    }
    runs.clear();
    RuleRaster::line(4, 4, 4, 4, runs);
    EXPECT_TRUE(runs.empty());
}

TEST(RuleRasterTest, EllipseRowsAgreeWithThePixelTest)
{
    // Row runs must hold exactly the pixels whose centres pass the
    // ellipse test, also where a clip box cuts the ellipse.
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-20, 60);
    const PixelBox clip{0, 40, 0, 30};
    for (int round = 0; round < 300; ++round) {
        PixelBox box;
        box.add(coord(rng), coord(rng));
        box.add(coord(rng), coord(rng));
        const bool clipped = round % 2 == 1;
        PixelRuns runs;
        RuleRaster::ellipse(box, runs, clipped ? &clip : nullptr);
        const std::vector<ThermPoint> rows = pixelsOf(runs);
        std::vector<ThermPoint> brute;
        const double a = (box.maxX - box.minX) / 2.0, b = (box.maxY - box.minY) / 2.0;
        const double cx = box.minX + a, cy = box.minY + b;
        for (int y = box.minY; y < box.maxY; ++y)
            for (int x = box.minX; x < box.maxX; ++x) {
                if (clipped && (x < clip.minX || x >= clip.maxX || y < clip.minY || y >= clip.maxY)) continue;
                const double dx = (x - cx) / a, dy = (y - cy) / b;
                if (dx * dx + dy * dy <= 1.0) brute.push_back({x, y});
            }
        ASSERT_EQ(rows.size(), brute.size()) << "round " << round;
        for (size_t i = 0; i < brute.size(); ++i) {
            ASSERT_EQ(rows[i].x, brute[i].x) << "round " << round;
            ASSERT_EQ(rows[i].y, brute[i].y) << "round " << round;
        }
    }
}

TEST(RuleRasterTest, EllipseIsSymmetricAndInsideItsBox)
{
    PixelBox box;
    box.add(10, 20);
    box.add(30, 30);
    PixelRuns runs;
    RuleRaster::ellipse(box, runs);
    const std::vector<ThermPoint> out = pixelsOf(runs);
    ASSERT_FALSE(out.empty());
    for (const ThermPoint& p : out) {
        EXPECT_GE(p.x, 10);
        EXPECT_LT(p.x, 30);
        EXPECT_GE(p.y, 20);
        EXPECT_LT(p.y, 30);
    }
    // Close to pi * a * b pixels.
    EXPECT_NEAR(double(out.size()), 3.14159 * 10 * 5, 20.0);
    // A flat box covers nothing and divides by nothing.
    PixelBox flat;
    flat.add(5, 5);
    flat.add(15, 5);
    runs.clear();
    RuleRaster::ellipse(flat, runs);
    EXPECT_TRUE(runs.empty());
}

}  // namespace
