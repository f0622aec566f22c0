// Histogram, statistics, plateau equalisation and the tone curve, pinned on
// small frames whose values were worked out by hand; the per-pixel mapping
// through a curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "ToneCurve.h"

using namespace enhance;

namespace {

// value, how many pixels hold it
using Runs = std::vector<std::pair<uint16_t, size_t>>;

std::vector<uint16_t> frameOf(const Runs& runs)
{
    std::vector<uint16_t> frame;
    for (const auto& [value, count] : runs) frame.insert(frame.end(), count, value);
    return frame;
}

// The pixels of bin k sit at its lowest value, 16 (k - 1).
std::vector<uint16_t> frameOfBins(const std::vector<std::pair<size_t, size_t>>& bins)
{
    Runs runs;
    for (const auto& [bin, count] : bins) runs.push_back({uint16_t(16 * (bin - 1)), count});
    return frameOf(runs);
}

ToneStats statsOf(const std::vector<uint16_t>& frame, uint16_t width, uint16_t height)
{
    return ComputeToneStats(CountHistogram(frame.data(), frame.size()), width, height);
}

// 52 x 50 = 2600 pixels, plateau 100: bins 20 ... 49 hold 80 pixels each,
// except bin 35 (439, clipped), bin 40 (one pixel) and bin 41 (empty).
std::vector<uint16_t> plateauFrame()
{
    std::vector<std::pair<size_t, size_t>> bins;
    for (size_t k = 20; k <= 49; ++k) bins.push_back({k, k == 35 ? 439 : k == 40 ? 1 : k == 41 ? 0 : 80});
    return frameOfBins(bins);
}

// --- histogram -------------------------------------------------------------

TEST(EnhanceHistogram, BinsOfSixteenValuesAfterClamping)
{
    const std::vector<uint16_t> frame = {0, 15, 16, 31, 32, 100, 16383, 16384, 65535};
    const FrameHistogram h = CountHistogram(frame.data(), frame.size());
    Histogram expected{};
    expected[1] = 2;     // 0, 15
    expected[2] = 2;     // 16, 31
    expected[3] = 1;     // 32
    expected[7] = 1;     // 100 >> 4 = 6
    expected[1024] = 3;  // 16383 and the two clamped to it
    EXPECT_EQ(h.bins, expected);
    EXPECT_EQ(h.sum, 0u + 15 + 16 + 31 + 32 + 100 + 3 * 16383);
}

// One counter, one pixel at a time.
FrameHistogram plainCount(const uint16_t* values, size_t count)
{
    FrameHistogram h;
    for (size_t i = 0; i < count; ++i) {
        ++h.bins[(ClampRaw(values[i]) >> 4) + 1];
        h.sum += ClampRaw(values[i]);
    }
    return h;
}

TEST(EnhanceHistogram, StretchesOfAnyLengthAddUpToThePlainCount)
{
    // Lengths off the four-way split, across the chunk CountHistogram
    // clamps in, words above 14 bits and a long run of one bin.
    std::vector<uint16_t> frame(5000);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = uint16_t(i % 7 == 0 ? 40000 : (i * 37) % 20000);
    std::fill(frame.begin() + 1500, frame.begin() + 2600, 6000);
    std::vector<uint16_t> clamped(frame.size());
    for (size_t i = 0; i < frame.size(); ++i) clamped[i] = ClampRaw(frame[i]);

    const FrameHistogram whole = plainCount(frame.data(), frame.size());
    const std::vector<size_t> stretches[] = {{5000}, {1, 2, 3, 4, 5, 1023, 1025, 2937}, {1024, 1024, 1024, 1928}};
    for (const auto& lengths : stretches) {
        HistogramCounter counter;
        size_t at = 0;
        for (size_t n : lengths) {
            counter.addClamped(clamped.data() + at, n);
            at += n;
        }
        ASSERT_EQ(at, frame.size());
        EXPECT_EQ(counter.total().bins, whole.bins) << lengths.size() << " stretches";
        EXPECT_EQ(counter.total().sum, whole.sum) << lengths.size() << " stretches";
    }
    for (size_t count : {size_t(0), size_t(3), size_t(1024), size_t(1025), frame.size()}) {
        const FrameHistogram h = CountHistogram(frame.data(), count);
        const FrameHistogram expected = plainCount(frame.data(), count);
        EXPECT_EQ(h.bins, expected.bins) << count;
        EXPECT_EQ(h.sum, expected.sum) << count;
    }
}

// --- statistics ------------------------------------------------------------

TEST(EnhanceToneStats, TailsCentreAndOutputRange)
{
    struct Case {
        const char* name;
        uint16_t width, height;
        Runs runs;
        uint16_t lo, hi;
        uint32_t meanDiv64;
        uint16_t centre, span, lower, upper;
    };
    const Case cases[] = {
        // T = 1600 / 800 + 1 = 3: the third darkest pixel is the one at 160
        // (bin 11). Mean 12776160 / 1600 = 7985. Wide: span cut to 255,
        // 124 - 127 cut to 0.
        {"tail", 40, 40, {{0, 2}, {160, 1}, {8000, 1597}}, 11, 501, 124, 124, 255, 0, 251},
        // T = 410 of 640 x 512: 409 pixels in bin 7 are not yet the tail.
        {"vga tails",
         640,
         512,
         {{100, 409}, {200, 1}, {5000, 327680 - 820}, {14000, 1}, {15000, 409}},
         13,
         876,
         78,
         100,
         255,
         0,
         227},
        // Narrow: span 6 x 10 = 60 around centre 100 (mean 1080 >> 6 = 16).
        {"narrow", 10, 10, {{1000, 50}, {1160, 50}}, 63, 73, 16, 100, 60, 70, 130},
        // Bright: mean 13033 >> 6 = 203 -> centre 200, upper cut to 255.
        {"bright", 10, 10, {{13000, 99}, {16383, 1}}, 813, 1024, 203, 200, 255, 73, 255},
        // Flat frames on both sides of the centre's limits.
        {"flat 6399", 4, 4, {{6399, 16}}, 400, 400, 99, 100, 0, 100, 100},
        {"flat 6400", 4, 4, {{6400, 16}}, 401, 401, 100, 100, 0, 100, 100},
        {"flat 12799", 4, 4, {{12799, 16}}, 800, 800, 199, 199, 0, 199, 199},
        {"flat 12800", 4, 4, {{12800, 16}}, 801, 801, 200, 200, 0, 200, 200},
    };
    for (const Case& c : cases) {
        const ToneStats s = statsOf(frameOf(c.runs), c.width, c.height);
        EXPECT_EQ(s.rows, c.height) << c.name;
        EXPECT_EQ(s.columns, c.width) << c.name;
        EXPECT_EQ(s.lo, c.lo) << c.name;
        EXPECT_EQ(s.hi, c.hi) << c.name;
        EXPECT_EQ(s.meanDiv64, c.meanDiv64) << c.name;
        EXPECT_EQ(s.centre, c.centre) << c.name;
        EXPECT_EQ(s.span, c.span) << c.name;
        EXPECT_EQ(s.lower, c.lower) << c.name;
        EXPECT_EQ(s.upper, c.upper) << c.name;
    }
}

TEST(EnhanceToneStats, LinearRampBetweenTheTails)
{
    // Narrow frame: step (60 << 10) / 10 = 6144, so R[k] = 6 (k - 63) + 70.
    const ToneStats narrow = statsOf(frameOf({{1000, 50}, {1160, 50}}), 10, 10);
    const std::pair<size_t, uint32_t> narrowNodes[] = {{0, 70},   {62, 70},  {63, 70},  {64, 76},
                                                       {72, 124}, {73, 130}, {74, 130}, {1024, 130}};
    for (const auto& [k, level] : narrowNodes) EXPECT_EQ(narrow.ramp[k], level) << k;

    // Wide frame: step (251 << 10) / 490 = 524, truncated after the product.
    const ToneStats wide = statsOf(frameOf({{0, 2}, {160, 1}, {8000, 1597}}), 40, 40);
    const std::pair<size_t, uint32_t> wideNodes[] = {{10, 0}, {11, 0}, {100, 45}, {501, 250}, {1024, 250}};
    for (const auto& [k, level] : wideNodes) EXPECT_EQ(wide.ramp[k], level) << k;
}

// --- plateau equalisation --------------------------------------------------

TEST(EnhancePlateau, SharesTheClippedPixels)
{
    // P = 100, T = 4: lo 20, hi 49. Clipping leaves Sc = 27 x 80 + 100 + 1 =
    // 2261, E = 339, U = 2161, Z = 2 (bins 40, 41), K = 1, B = 29 - 2 - 1 + 1
    // = 27. A = (339 << 13) / 2161 = 1285, D = ((339 << 13) / 27) >> 14 = 6.
    // A bin of 80 becomes 80 + (80 x 1285 >> 14) + 6 = 92, the lone pixel
    // 1 + 0 + 6 = 7, bin 35 stays at 100, the empty bin at 0. Running sum:
    // Q[34] = 15 x 92 = 1380, Q[35] = 1480, Q[40] = 1855, Q[49] = 2591.
    // Mean 531 -> centre 100, span 174: lower 13, upper 187;
    // F = (174 << 20) / 2591 = 70417; C = (Q F >> 20) + 13.
    const std::vector<uint16_t> frame = plateauFrame();
    ASSERT_EQ(frame.size(), 2600u);
    const FrameHistogram h = CountHistogram(frame.data(), frame.size());
    const ToneStats s = ComputeToneStats(h, 52, 50);
    ASSERT_EQ(s.lo, 20);
    ASSERT_EQ(s.hi, 49);
    ASSERT_EQ(s.lower, 13);
    ASSERT_EQ(s.upper, 187);

    const NodeTable c = PlateauEqualise(h.bins, s);
    const std::pair<size_t, uint32_t> nodes[] = {{0, 13},   {19, 13},  {20, 19},  {34, 105}, {35, 112},
                                                 {40, 137}, {41, 137}, {49, 186}, {50, 186}, {1024, 186}};
    for (const auto& [k, level] : nodes) EXPECT_EQ(c[k], level) << k;
}

TEST(EnhancePlateau, EvenShareIsSplitOverPopulatedBins)
{
    // 2600 pixels, P = 100, lo 20, hi 49: bin 34 holds 1386 (clipped), the
    // other even bins and bin 49 hold 80, the odd bins 21 ... 47 one pixel
    // each (Z = 14). E = 1286, U = 1214, B = 29 - 14 - 1 + 1 = 15:
    // A = (1286 << 13) / 1214 = 8677, D = ((1286 << 13) / 15) >> 14 = 42.
    // A lone pixel becomes 1 + 0 + 42 = 43; a bin of 80 gets 42 + 42 more
    // and is cut back to 100. Q[20] = 100, Q[21] = 143, Q[33] = 7 x 100 +
    // 7 x 43 = 1001, Q[49] = 15 x 100 + 14 x 43 + 100 = 2202;
    // F = (174 << 20) / 2202 = 82857, C = (Q F >> 20) + 13.
    std::vector<std::pair<size_t, size_t>> bins = {{20, 80}, {49, 80}};
    for (size_t k = 21; k <= 48; ++k) bins.push_back({k, k == 34 ? 1386 : k % 2 ? 1 : 80});
    const std::vector<uint16_t> frame = frameOfBins(bins);
    ASSERT_EQ(frame.size(), 2600u);
    const FrameHistogram h = CountHistogram(frame.data(), frame.size());
    const ToneStats s = ComputeToneStats(h, 52, 50);
    ASSERT_EQ(s.lo, 20);
    ASSERT_EQ(s.hi, 49);
    ASSERT_EQ(s.lower, 13);
    ASSERT_EQ(s.upper, 187);

    const NodeTable c = PlateauEqualise(h.bins, s);
    const std::pair<size_t, uint32_t> nodes[] = {{19, 13},  {20, 20},  {21, 24},  {22, 32},  {33, 92},   {34, 99},
                                                 {35, 103}, {47, 171}, {48, 179}, {49, 186}, {1024, 186}};
    for (const auto& [k, level] : nodes) EXPECT_EQ(c[k], level) << k;
}

TEST(EnhancePlateau, PlateauAbove16BitsIsNotWrapped)
{
    // 2000 x 1000 pixels: P = 76923, which 16 bits would wrap to 11387 and
    // clip every bin. Here no bin reaches it, so nothing is shared and the
    // curve follows the counts: F = (255 << 20) / 2000000 = 133.
    Histogram h{};
    for (size_t k = 101; k <= 140; ++k) h[k] = (k % 2) ? 30000 : 70000;
    ToneStats s;
    s.rows = 1000;
    s.columns = 2000;
    s.lo = 101;
    s.hi = 140;
    s.lower = 0;
    s.upper = 255;
    const NodeTable c = PlateauEqualise(h, s);
    const std::pair<size_t, uint32_t> nodes[] = {
        {100, 0},    // Q = 0
        {101, 3},    // Q = 30000: 3990000 >> 20
        {102, 12},   // Q = 100000
        {120, 126},  // Q = 1000000
        {140, 253},  // Q = 2000000
        {1024, 253},
    };
    for (const auto& [k, level] : nodes) EXPECT_EQ(c[k], level) << k;
}

// --- the curve -------------------------------------------------------------

TEST(EnhanceToneCurve, BlendsTwelveRampToFiftyTwoEqualised)
{
    // Ramp R[k] = 6 (k - 20) + 13 between the tails; L = 12 R + 52 C with
    // C from EnhancePlateau.SharesTheClippedPixels.
    const std::vector<uint16_t> frame = plateauFrame();
    const ToneCurve curve = BuildToneCurve(frame.data(), 52, 50);
    const std::pair<size_t, uint16_t> nodes[] = {
        {0, 832},       // 12 x 13 + 52 x 13
        {20, 1144},     // 12 x 13 + 52 x 19
        {34, 6624},     // 12 x 97 + 52 x 105
        {35, 7060},     // 12 x 103 + 52 x 112
        {40, 8720},     // 12 x 133 + 52 x 137
        {41, 8792},     // 12 x 139 + 52 x 137
        {49, 11916},    // 12 x 187 + 52 x 186
        {1024, 11916},  // beyond hi: R[hi] and C[hi]
    };
    for (const auto& [k, level] : nodes) EXPECT_EQ(curve[k], level) << k;
}

TEST(EnhanceToneCurve, FlatFrameTakesTheCentre)
{
    // hi = lo: every node is centre x 64 (8000 >> 6 = 125).
    const std::vector<uint16_t> frame(30 * 20, 8000);
    const ToneCurve curve = BuildToneCurve(frame.data(), 30, 20);
    for (size_t k = 0; k < kToneNodes; ++k) ASSERT_EQ(curve[k], 125 * 64) << k;
}

TEST(EnhanceToneCurve, TinyFramesTakeTheRampAlone)
{
    // The narrow two-level histogram of EnhanceToneStats, R[k] = 6 (k - 63)
    // + 70, on frames that are thin or under 26 pixels: L = 64 R.
    struct Case {
        uint16_t width, height;
    };
    for (const Case c : {Case{5, 5}, Case{2, 40}, Case{40, 2}, Case{1, 30}}) {
        const size_t n = size_t(c.width) * c.height;
        std::vector<uint16_t> frame(n, 1000);
        for (size_t i = 0; i < n / 2; ++i) frame[2 * i + 1] = 1160;
        const ToneCurve curve = BuildToneCurve(frame.data(), c.width, c.height);
        const std::pair<size_t, uint16_t> nodes[] = {
            {0, 70 * 64}, {63, 70 * 64}, {68, 100 * 64}, {73, 130 * 64}, {1024, 130 * 64}};
        for (const auto& [k, level] : nodes) EXPECT_EQ(curve[k], level) << c.width << "x" << c.height << " " << k;
    }
}

TEST(EnhanceCurveLevel, InterpolatesBetweenNodes)
{
    ToneCurve curve{};
    curve[1] = 640;   // 10 levels
    curve[2] = 1280;  // 20
    curve[3] = 1000;  // falling
    curve[4] = 1000;  // level
    curve[5] = 3200;  // 50
    curve[6] = 3263;  // 50.98: whole levels only
    curve[1023] = 255 * 64;
    curve[1024] = 255 * 64;
    const std::pair<uint16_t, uint16_t> cases[] = {
        {1, 0},        // (1 x 10) >> 4
        {8, 5},        // halfway to node 1
        {16, 10},      // on node 1
        {17, 10},      // just past it
        {24, 15},      // halfway to node 2
        {40, 20},      // falling stretch keeps node 2
        {56, 15},      // level stretch: node 3, 1000 >> 6
        {72, 32},      // 15 + (8 x 35) >> 4
        {96, 50},      // 50 + (16 x 0) >> 4
        {16383, 255},  // last stretch, k = 1024
    };
    for (const auto& [value, level] : cases) EXPECT_EQ(CurveLevel(curve, value), level) << value;
}

TEST(EnhancePixel, DetailTimesTwentyFourThenRatio)
{
    ToneCurve level100;
    level100.fill(100 * 64);
    ToneCurve level1;
    level1.fill(64);
    struct Case {
        const ToneCurve* curve;
        uint16_t value, base;
        uint8_t out;
    };
    const Case cases[] = {
        {&level100, 0, 0, 0},          // a zero pixel stays black
        {&level100, 0, 500, 0},        //
        {&level100, 1000, 1000, 100},  // no detail: the curve's level
        {&level100, 1000, 990, 124},   // V = 1000 + 240
        {&level100, 1000, 1010, 76},   // V = 1000 - 240
        {&level100, 3000, 2999, 100},  // 100 x 3024 / 3000 = 100.8, truncated
        {&level100, 1000, 1100, 0},    // V below 0 is 0
        {&level100, 100, 0, 255},      // 100 x 2500 / 100 cut to 255
        {&level1, 16383, 0, 4},        // V cut to 65535: 65535 / 16383
        {&level1, 100, 16383, 0},      //
    };
    for (const Case& c : cases) EXPECT_EQ(EnhancePixel(c.value, c.base, *c.curve), c.out) << c.value << " " << c.base;
}

}  // namespace
