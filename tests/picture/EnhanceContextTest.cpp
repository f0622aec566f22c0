// The padded frame with its mirrored border, the self-guided filter's
// coefficient planes and the base layer, on tiny frames worked out by hand;
// the filter's weight for every variance; the staged steps against the one
// sweep, on every kernel set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "EnhanceContext.h"

using enhance::EnhanceContext;

namespace {

std::vector<uint16_t> plane(const uint16_t* data, size_t count)
{
    return std::vector<uint16_t>(data, data + count);
}

EnhanceContext filtered(const std::vector<uint16_t>& frame, uint16_t width, uint16_t height)
{
    EnhanceContext context;
    EXPECT_TRUE(context.allocate(width, height));
    context.loadFrame(frame.data());
    context.computeCoefficients();
    context.computeBase();
    return context;
}

// Frame index of padded row or column i of a run of n >= 3: reflected about
// the edge, the edge itself not repeated.
long reflect(long i, long n)
{
    return i < 0 ? -i : i >= n ? 2 * (n - 1) - i : i;
}

TEST(EnhanceBorder, MirroredWithoutRepeatingTheEdge)
{
    const uint16_t width = 5, height = 4;
    std::vector<uint16_t> frame(width * height);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = uint16_t(10 * (i / width) + i % width + 1);
    frame[7] = 40000;  // clamped on the way in

    EnhanceContext context;
    ASSERT_TRUE(context.allocate(width, height));
    context.loadFrame(frame.data());
    const size_t stride = context.paddedStride();
    ASSERT_EQ(stride, 9u);
    const uint16_t* p = context.padded();
    for (long r = 0; r < height + 4; ++r)
        for (long c = 0; c < width + 4; ++c) {
            const uint16_t v = frame[reflect(r - 2, height) * width + reflect(c - 2, width)];
            EXPECT_EQ(p[r * stride + c], v > 16383 ? 16383 : v) << r << "," << c;
        }
    // The corners mirror both ways: padded (0, 0) is frame (2, 2).
    EXPECT_EQ(p[0], 23);
    // Last padded row is frame row height - 3, the one before it height - 2.
    EXPECT_EQ(p[7 * stride + 2], 11);
    EXPECT_EQ(p[6 * stride + 2], 21);
}

TEST(EnhanceBorder, FramesUnderThreeTakeTheNearestRowOrColumn)
{
    // 2 x 2: rows and columns -2, -1, 2, 3 come from 1, 1, 0, 0.
    EnhanceContext two;
    ASSERT_TRUE(two.allocate(2, 2));
    const uint16_t frame[] = {1, 2, 3, 4};
    two.loadFrame(frame);
    const std::vector<uint16_t> expected = {
        4, 4, 3, 4, 3, 3,  //
        4, 4, 3, 4, 3, 3,  //
        2, 2, 1, 2, 1, 1,  //
        4, 4, 3, 4, 3, 3,  //
        2, 2, 1, 2, 1, 1,  //
        2, 2, 1, 2, 1, 1,  //
    };
    EXPECT_EQ(plane(two.padded(), 36), expected);

    // 1 x 1: the one pixel everywhere.
    EnhanceContext one;
    ASSERT_TRUE(one.allocate(1, 1));
    const uint16_t seven = 7;
    one.loadFrame(&seven);
    EXPECT_EQ(plane(one.padded(), 25), std::vector<uint16_t>(25, 7));

    // 3 x 1 (one row): columns mirror as usual, rows repeat it.
    EnhanceContext row;
    ASSERT_TRUE(row.allocate(3, 1));
    const uint16_t line[] = {5, 6, 7};
    row.loadFrame(line);
    const std::vector<uint16_t> rowExpected = {7, 6, 5, 6, 7, 6, 5};
    for (size_t r = 0; r < 5; ++r) EXPECT_EQ(plane(row.padded() + r * 7, 7), rowExpected) << r;
}

TEST(EnhanceBaseLayer, SingleWarmPixel)
{
    // A 90 in the middle of zeros mirrors into a lattice of 90s two apart,
    // so each 3 x 3 window holds one, two or four of them:
    //   S = 90:  m = 40950 >> 12 = 9,   var = (3685500 >> 12) - 81 = 818,
    //            a = 818 x 16384 / 52018 = 257,  b = 9
    //   S = 180: m = 19, var = 1799 - 361 = 1438, a = 447, b = 19
    //   S = 360: m = 39, var = 3599 - 1521 = 2078, a = 639,
    //            b = 39 - (639 x 39 >> 14) = 38
    const std::vector<uint16_t> frame = {0, 0, 0, 0, 90, 0, 0, 0, 0};
    const EnhanceContext context = filtered(frame, 3, 3);
    ASSERT_EQ(context.planeStride(), 5u);
    const std::vector<uint16_t> a = {
        257, 447, 257, 447, 257,  //
        447, 639, 447, 639, 447,  //
        257, 447, 257, 447, 257,  //
        447, 639, 447, 639, 447,  //
        257, 447, 257, 447, 257,  //
    };
    const std::vector<uint16_t> b = {
        9,  19, 9,  19, 9,   //
        19, 38, 19, 38, 19,  //
        9,  19, 9,  19, 9,   //
        19, 38, 19, 38, 19,  //
        9,  19, 9,  19, 9,   //
    };
    EXPECT_EQ(plane(context.a(), 25), a);
    EXPECT_EQ(plane(context.b(), 25), b);
    // Centre: SA = 4 x 639 + 4 x 447 + 257 = 4601, SB = 237:
    //   4601 x 455/4096 x 90/16384 + 237 x 455/4096 + 0.5 = 29.6 -> 29.
    // Corner (I = 0): SB = 150 -> 16.7 + 0.5 -> 17; edge: SB = 189 -> 21.
    const std::vector<uint16_t> base = {17, 21, 17, 21, 29, 21, 17, 21, 17};
    EXPECT_EQ(plane(context.base(), 9), base);
}

TEST(EnhanceBaseLayer, LargeSpreadIsLimited)
{
    // A full-scale checkerboard mirrors into itself. Windows of five highs:
    // S = 81915, m = 9099, Sq x 455 = 610615161975 (past 32 bits), var far
    // above 524287 and so limited: a = 524287 x 16384 / 575487 = 14926,
    // b = 9099 - (14926 x 9099 >> 14) = 810. Four highs: m = 7279, b = 648.
    const uint16_t hi = 16383;
    const std::vector<uint16_t> frame = {hi, 0, hi, 0, hi, 0, hi, 0, hi};
    const EnhanceContext context = filtered(frame, 3, 3);
    for (size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(context.a()[i], 14926) << i;
        EXPECT_EQ(context.b()[i], (i / 5 + i % 5) % 2 ? 648 : 810) << i;
    }
    // SA = 9 x 14926 everywhere. High pixels: SB = 5 x 810 + 4 x 648 = 6642,
    // 134334 x 455/4096 x 16383/16384 + 6642 x 455/4096 + 0.5 -> 15659. Low
    // pixels: SB = 6480 -> 719.8 + 0.5 -> 720.
    const std::vector<uint16_t> base = {15659, 720, 15659, 720, 15659, 720, 15659, 720, 15659};
    EXPECT_EQ(plane(context.base(), 9), base);
}

TEST(EnhanceBaseLayer, UniformFrameSitsJustBelowItsValue)
{
    // 455/4096 falls short of 1/9, which leaves a small variance on a flat
    // frame. 8000: m = 7998, var = 63984375 - 63968004 = 16371, a = 3969,
    // b = 7998 - 1937 = 6061, base = 1937.5 + 6059.5 + 0.5 -> 7997.
    // 4096: m = 4095, var = 4095, a = 1213, b = 3792, base 4094.
    struct Case {
        uint16_t value, a, b, base;
    };
    for (const Case c : {Case{8000, 3969, 6061, 7997}, Case{4096, 1213, 3792, 4094}}) {
        const EnhanceContext context = filtered(std::vector<uint16_t>(16, c.value), 4, 4);
        EXPECT_EQ(plane(context.a(), 36), std::vector<uint16_t>(36, c.a)) << c.value;
        EXPECT_EQ(plane(context.b(), 36), std::vector<uint16_t>(36, c.b)) << c.value;
        EXPECT_EQ(plane(context.base(), 16), std::vector<uint16_t>(16, c.base)) << c.value;
    }
}

TEST(EnhanceSmoothingWeight, EveryVarianceGivesTheIntegerQuotient)
{
    for (int32_t var = 0; var <= 0x7FFFF; ++var) {
        const uint64_t exact = uint64_t(var) * 16384 / uint64_t(var + 51200);
        ASSERT_EQ(enhance::SmoothingWeight(var), exact) << var;
    }
}

TEST(EnhanceKernels, StagedStepsAndTheSweepAgreeOnEveryKernelSet)
{
    // Noise over the full 14 bits (large variances) and a smooth slope
    // (small ones), at widths off every vector length.
    struct Case {
        uint16_t width, height;
        bool noisy;
    };
    const Case cases[] = {{37, 23, true}, {64, 48, false}, {131, 9, true}, {3, 70, false}};
    using Kernels = EnhanceContext::Kernels;
    enhance::ToneCurve curve;
    for (size_t k = 0; k < curve.size(); ++k) curve[k] = uint16_t(std::min<size_t>(16 * k + 300, 255 * 64));
    for (const Case& c : cases) {
        std::mt19937 rng(c.width);
        std::vector<uint16_t> frame(size_t(c.width) * c.height);
        for (size_t i = 0; i < frame.size(); ++i)
            frame[i] = c.noisy ? uint16_t(rng() % 16384) : uint16_t(5000 + 3 * (i % c.width) + i / c.width);

        std::vector<uint8_t> firstOut;
        EnhanceContext first;
        for (const Kernels k : {Kernels::Baseline, EnhanceContext::bestKernels()}) {
            EnhanceContext staged;
            staged.useKernels(k);
            ASSERT_EQ(staged.kernels(), k);
            ASSERT_TRUE(staged.allocate(c.width, c.height));
            staged.loadFrame(frame.data());
            staged.computeCoefficients();
            staged.computeBase();
            std::vector<uint8_t> stagedOut(frame.size());
            staged.map(curve, stagedOut.data());

            EnhanceContext swept;
            swept.useKernels(k);
            ASSERT_TRUE(swept.allocate(c.width, c.height));
            swept.loadFrame(frame.data());
            std::vector<uint8_t> sweptOut(frame.size());
            swept.filterAndMap(curve, sweptOut.data());
            EXPECT_EQ(sweptOut, stagedOut) << c.width << "x" << c.height;

            if (firstOut.empty()) {
                firstOut = stagedOut;
                first = std::move(staged);
                continue;
            }
            const size_t planeCount = first.planeStride() * (c.height + 2u);
            EXPECT_EQ(plane(staged.a(), planeCount), plane(first.a(), planeCount)) << c.width << "x" << c.height;
            EXPECT_EQ(plane(staged.b(), planeCount), plane(first.b(), planeCount)) << c.width << "x" << c.height;
            EXPECT_EQ(plane(staged.base(), frame.size()), plane(first.base(), frame.size()))
                << c.width << "x" << c.height;
            EXPECT_EQ(stagedOut, firstOut) << c.width << "x" << c.height;
        }
    }
}

}  // namespace
