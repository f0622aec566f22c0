// EnhanceRawTo8Bit as the picture store sees it: refusals, known pictures on
// tiny frames, the caller's curve, whole frames against the plain reference
// on both sides of 524288 pixels, and calls from several threads at once;
// a context reused over frames of changing size and parameters, and the
// baseline kernels, against fresh calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "EnhanceContext.h"
#include "EnhanceRawTo8Bit.h"
#include "EnhanceReference.h"
#include "ToneCurve.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define CALIDRA_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define CALIDRA_TEST_SANITIZED 1
#endif
#endif

namespace {

constexpr uint8_t kGuard = 0xA5;

// A 14-bit scene: a sloping background, warm blobs and sensor noise.
std::vector<uint16_t> thermalScene(int width, int height, unsigned seed)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0.0, 6.0);
    std::uniform_real_distribution<double> where(0.0, 1.0);
    struct Blob {
        double x, y, radius, heat;
    };
    std::vector<Blob> blobs;
    for (int i = 0; i < 6; ++i)
        blobs.push_back(
            {where(rng) * width, where(rng) * height, (0.03 + 0.1 * where(rng)) * width, 800 + 2400 * where(rng)});
    std::vector<uint16_t> frame(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double v = 6000 + 900.0 * x / width + 400.0 * y / height;
            for (const Blob& b : blobs) {
                const double dx = x - b.x, dy = y - b.y;
                v += b.heat * std::exp(-(dx * dx + dy * dy) / (2 * b.radius * b.radius));
            }
            v += noise(rng);
            frame[size_t(y) * width + x] = uint16_t(std::clamp(v, 0.0, 16383.0));
        }
    return frame;
}

// A level, noisy background with a dozen small hot spots: nearly every
// pixel in two or three bins far above the plateau, the spots spread thinly
// over many more.
std::vector<uint16_t> quietScene(int width, int height, unsigned seed)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0.0, 6.0);
    std::uniform_real_distribution<double> where(0.0, 1.0);
    std::vector<uint16_t> frame(size_t(width) * height);
    for (auto& v : frame) v = uint16_t(6000 + noise(rng));
    for (int spot = 0; spot < 12; ++spot) {
        const int cx = int(where(rng) * width), cy = int(where(rng) * height);
        const double radius = 4 + 8 * where(rng), heat = 300 + 2700 * where(rng);
        for (int y = std::max(0, cy - 40); y < std::min(height, cy + 40); ++y)
            for (int x = std::max(0, cx - 40); x < std::min(width, cx + 40); ++x) {
                const double r2 = double(x - cx) * (x - cx) + double(y - cy) * (y - cy);
                uint16_t& v = frame[size_t(y) * width + x];
                v = uint16_t(std::min(16383.0, v + heat * std::exp(-r2 / (2 * radius * radius))));
            }
    }
    return frame;
}

std::vector<uint8_t> enhanced(const std::vector<uint16_t>& frame, int width, int height, int mode = 0,
                              const uint16_t* curve = nullptr)
{
    std::vector<uint8_t> out(frame.size(), kGuard);
    EXPECT_EQ(EnhanceRawTo8Bit(frame.data(), uint16_t(width), uint16_t(height), mode, out.data(), curve), 0);
    return out;
}

// Level k / 4 at node k: the curve maps a value v to about v / 64.
std::vector<uint16_t> identityCurve()
{
    std::vector<uint16_t> curve(enhance::kToneNodes);
    for (size_t k = 0; k < curve.size(); ++k) curve[k] = uint16_t(16 * k);
    return curve;
}

TEST(EnhanceRawTo8Bit, RefusesMissingBuffersAndEmptyFrames)
{
    const std::vector<uint16_t> frame(16, 1000);
    const std::vector<uint16_t> curve = identityCurve();
    struct Case {
        const char* name;
        const uint16_t* src;
        uint16_t width, height;
        int32_t mode;
        bool withDst;
        const uint16_t* curve;
    };
    const Case cases[] = {
        {"no source", nullptr, 4, 4, 0, true, nullptr},
        {"no destination", frame.data(), 4, 4, 0, false, nullptr},
        {"no width", frame.data(), 0, 4, 0, true, nullptr},
        {"no height", frame.data(), 4, 0, 0, true, nullptr},
        {"no curve in mode 1", frame.data(), 4, 4, 1, true, nullptr},
        {"no source in mode 1", nullptr, 4, 4, 1, true, curve.data()},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> dst(16, kGuard);
        EXPECT_EQ(EnhanceRawTo8Bit(c.src, c.width, c.height, c.mode, c.withDst ? dst.data() : nullptr, c.curve), -1)
            << c.name;
        EXPECT_EQ(dst, std::vector<uint8_t>(16, kGuard)) << c.name;
    }
}

TEST(EnhanceRawTo8Bit, UniformFrames)
{
    // A flat frame maps to its centre; the filter's base sits a little below
    // the value (EnhanceBaseLayer.UniformFrameSitsJustBelowItsValue), and
    // the amplified difference lifts the picture a little:
    //   8000: centre 125, base 7997, V = 8072, 125 x 8072 / 8000 = 126.1
    //   4096: centre 64 -> 100, base 4094, V = 4144 -> 101.2
    //   16383 (and anything clamped to it): centre 200, base 16377,
    //   V = 16527 -> 201.8
    struct Case {
        uint16_t width, height, value;
        uint8_t out;
    };
    const Case cases[] = {
        {5, 5, 8000, 126},  {1, 1, 8000, 126},  {4, 4, 4096, 101}, {3, 3, 16383, 201},
        {3, 3, 65535, 201}, {7, 2, 20000, 201}, {2, 2, 0, 0},      {640, 512, 8000, 126},
    };
    for (const Case& c : cases) {
        const std::vector<uint16_t> frame(size_t(c.width) * c.height, c.value);
        EXPECT_EQ(enhanced(frame, c.width, c.height), std::vector<uint8_t>(frame.size(), c.out))
            << c.width << "x" << c.height << " of " << c.value;
    }
}

TEST(EnhanceRawTo8Bit, TinyFrames)
{
    struct Case {
        const char* name;
        uint16_t width, height;
        std::vector<uint16_t> frame;
        std::vector<uint8_t> out;
    };
    std::vector<uint16_t> gradient;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) gradient.push_back(uint16_t(4000 + 40 * x + 100 * y));
    const Case cases[] = {
        // One warm pixel among zeros: base 29 (EnhanceBaseLayer), V = 90 +
        // 24 x 61 = 1554; the ramp alone (nine pixels) gives it 112 -> 255.
        {"3x3 single", 3, 3, {0, 0, 0, 0, 90, 0, 0, 0, 0}, {0, 0, 0, 0, 255, 0, 0, 0, 0}},
        // Ramp alone (four pixels): lo 63, hi 251, lower 0, upper 227; the
        // missing rows and columns of the border repeat the nearest.
        {"2x2", 2, 2, {1000, 2000, 3000, 4000}, {0, 30, 208, 255}},
        // 25 pixels: still the ramp alone (lo 251, hi 286, 0 ... 205).
        {"5x5 gradient", 5, 5, gradient, {0,   4,   14, 24,  40,  22,  38,  54,  71,  94,  57,  79, 97,
                                          115, 144, 97, 125, 143, 166, 199, 171, 206, 230, 255, 255}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(enhanced(c.frame, c.width, c.height), c.out) << c.name;
        EXPECT_EQ(reference::Enhance<uint64_t>(c.frame, c.width, c.height), c.out) << c.name;
    }
}

TEST(EnhanceRawTo8Bit, ThinFramesMatchTheReference)
{
    // Under three rows or columns but more than 26 pixels: the ramp alone
    // and the border from the nearest row or column.
    struct Case {
        uint16_t width, height;
    };
    for (const Case c : {Case{1, 40}, Case{40, 1}, Case{2, 64}, Case{64, 2}}) {
        const std::vector<uint16_t> frame = thermalScene(c.width, c.height, 7);
        EXPECT_EQ(enhanced(frame, c.width, c.height), reference::Enhance<uint64_t>(frame, c.width, c.height))
            << c.width << "x" << c.height;
    }
}

TEST(EnhanceRawTo8Bit, ValuesAboveFourteenBitsAreClamped)
{
    std::vector<uint16_t> frame = thermalScene(64, 48, 11);
    std::vector<uint16_t> clamped = frame;
    const size_t hot[] = {0, 5, 700, 1500, 3071};
    const uint16_t words[] = {16384, 20000, 40000, 65535, 16385};
    for (size_t i = 0; i < std::size(hot); ++i) {
        frame[hot[i]] = words[i];
        clamped[hot[i]] = 16383;
    }
    EXPECT_EQ(enhanced(frame, 64, 48), enhanced(clamped, 64, 48));
    EXPECT_EQ(enhanced(frame, 64, 48), reference::Enhance<uint64_t>(clamped, 64, 48));
}

TEST(EnhanceRawTo8Bit, CallersCurveInModeOne)
{
    const std::vector<uint16_t> identity = identityCurve();
    struct Case {
        const char* name;
        uint16_t width, height;
        std::vector<uint16_t> frame;
        uint8_t centreOut;
    };
    const Case cases[] = {
        // V = 1554 as in TinyFrames; the curve's level 1 for 90: 1554 / 90.
        {"single", 3, 3, {0, 0, 0, 0, 90, 0, 0, 0, 0}, 17},
        // Base 4094, V = 4144; level 64 (mode 0 would lift it to 100).
        {"uniform 4096", 3, 3, std::vector<uint16_t>(9, 4096), 64},
        // Base 7997, V = 8072; level 124 + 16 x 1 / 16 = 125 -> 126.1.
        {"uniform 8000", 3, 3, std::vector<uint16_t>(9, 8000), 126},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> out = enhanced(c.frame, c.width, c.height, 1, identity.data());
        EXPECT_EQ(out[4], c.centreOut) << c.name;
        for (size_t i = 0; i < out.size(); ++i)
            if (c.frame[i] == 0) {
                EXPECT_EQ(out[i], 0) << c.name << " " << i;
            }
    }
    // A whole scene through a curve of its own.
    const std::vector<uint16_t> scene = thermalScene(96, 64, 5);
    EXPECT_EQ(enhanced(scene, 96, 64, 1, identity.data()), reference::Enhance<uint64_t>(scene, 96, 64, identity));
}

TEST(EnhanceRawTo8Bit, ModeOneWithTheFramesOwnCurveEqualsModeZero)
{
    const std::vector<uint16_t> frame = thermalScene(160, 120, 3);
    const enhance::ToneCurve curve = enhance::BuildToneCurve(frame.data(), 160, 120);
    EXPECT_EQ(enhanced(frame, 160, 120, 1, curve.data()), enhanced(frame, 160, 120, 0));
    // Any mode but 1 builds the curve from the frame.
    EXPECT_EQ(enhanced(frame, 160, 120, 7), enhanced(frame, 160, 120, 0));
}

TEST(EnhanceRawTo8Bit, JustBelowTheWideningMatchesThirtyTwoBitArithmetic)
{
    // 1024 x 511 = 523264 pixels: 32-bit intermediates and the 16-bit
    // plateau still hold, and the widened ones give the same picture.
    for (const auto& frame : {thermalScene(1024, 511, 21), quietScene(1024, 511, 22)}) {
        const std::vector<uint8_t> out = enhanced(frame, 1024, 511);
        EXPECT_EQ(out, reference::Enhance<uint32_t>(frame, 1024, 511));
        EXPECT_EQ(out, reference::Enhance<uint64_t>(frame, 1024, 511));
    }
}

TEST(EnhanceRawTo8Bit, FarAboveTheWideningMatchesSixtyFourBitArithmetic)
{
    // 1280 x 1024 of level background: most pixels pile into a few bins, so
    // the clipped excess E passes 2^19 and E << 13 no longer fits 32 bits,
    // while the hot spots' sparse bins take shares computed from it.
    const std::vector<uint16_t> frame = quietScene(1280, 1024, 33);
    const std::vector<uint8_t> out = enhanced(frame, 1280, 1024);
    EXPECT_EQ(out, reference::Enhance<uint64_t>(frame, 1280, 1024));
    EXPECT_NE(out, reference::Enhance<uint32_t>(frame, 1280, 1024)) << "the frame no longer needs the wide path";

    // An ordinary scene of that size as well.
    const std::vector<uint16_t> scene = thermalScene(1280, 1024, 34);
    EXPECT_EQ(enhanced(scene, 1280, 1024), reference::Enhance<uint64_t>(scene, 1280, 1024));
}

TEST(EnhanceRawTo8Bit, ConcurrentCallsGiveTheSerialResults)
{
    struct Job {
        int width, height;
        std::vector<uint16_t> frame;
        std::vector<uint8_t> serial;
    };
    std::vector<Job> jobs;
    const int sizes[][2] = {{320, 256}, {256, 192}, {160, 120}, {384, 288}};
    unsigned seed = 100;
    for (const auto& size : sizes) {
        Job job{
            size[0], size[1], seed % 2 ? thermalScene(size[0], size[1], seed) : quietScene(size[0], size[1], seed), {}};
        job.serial = enhanced(job.frame, job.width, job.height);
        jobs.push_back(std::move(job));
        ++seed;
    }
    std::vector<int> mismatches(jobs.size(), 0);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < jobs.size(); ++t)
        threads.emplace_back([&jobs, &mismatches, t] {
            const Job& job = jobs[t];
            std::vector<uint8_t> out(job.frame.size());
            for (int round = 0; round < 10; ++round) {
                const int rc = EnhanceRawTo8Bit(job.frame.data(), uint16_t(job.width), uint16_t(job.height), 0,
                                                out.data(), nullptr);
                if (rc != 0 || out != job.serial) ++mismatches[t];
            }
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(jobs.size(), 0));
}

TEST(EnhanceRawTo8Bit, AReusedContextGivesTheBytesOfAFreshCall)
{
    // Sizes growing and shrinking in turn (odd widths, thin and tiny frames
    // among them), the frame's own curve and the caller's, words above 14
    // bits and a refused call between: whatever one call leaves in the
    // planes must not reach the next.
    const std::vector<uint16_t> identity = identityCurve();
    const std::vector<uint16_t> scene = thermalScene(160, 120, 41);
    const enhance::ToneCurve otherCurve = enhance::BuildToneCurve(scene.data(), 160, 120);
    struct Case {
        uint16_t width, height;
        bool quiet;
        int32_t mode;
        const uint16_t* curve;
        bool hot;  // words above 14 bits in the frame
    };
    const Case cases[] = {
        {160, 120, false, 0, nullptr, false},          {641, 513, true, 0, nullptr, true},
        {3, 3, false, 0, nullptr, false},              {1280, 1024, false, 0, nullptr, false},
        {64, 2, false, 1, identity.data(), false},     {333, 77, true, 1, otherCurve.data(), true},
        {1, 40, false, 0, nullptr, false},             {640, 512, true, 0, nullptr, false},
        {5, 5, false, 1, identity.data(), true},       {1279, 1023, false, 1, otherCurve.data(), false},
        {160, 120, false, 0, nullptr, false},
    };
    using Kernels = enhance::EnhanceContext::Kernels;
    for (const Kernels kernels : {Kernels::Baseline, enhance::EnhanceContext::bestKernels()}) {
        enhance::EnhanceContext context;
        context.useKernels(kernels);
        unsigned seed = 50;
        for (const Case& c : cases) {
            std::vector<uint16_t> frame =
                c.quiet ? quietScene(c.width, c.height, seed) : thermalScene(c.width, c.height, seed);
            ++seed;
            if (c.hot)
                for (size_t i = 0; i < frame.size(); i += 97) frame[i] = uint16_t(16384 + 7 * i);
            const std::string name = std::to_string(c.width) + "x" + std::to_string(c.height) + " mode " +
                                     std::to_string(c.mode) + (kernels == Kernels::Baseline ? " baseline" : "");
            std::vector<uint8_t> reused(frame.size(), kGuard);
            ASSERT_EQ(EnhanceRawTo8Bit(context, frame.data(), c.width, c.height, c.mode, reused.data(), c.curve), 0)
                << name;
            EXPECT_EQ(reused, enhanced(frame, c.width, c.height, c.mode, c.curve)) << name;
            // A refusal leaves the context fit for the next frame.
            EXPECT_EQ(EnhanceRawTo8Bit(context, nullptr, c.width, c.height, 0, reused.data(), nullptr), -1);
        }
    }
}

TEST(EnhanceRawTo8Bit, BaselineKernelsMatchTheReference)
{
    // The form every x86-64 runs, whatever this machine has beyond it.
    struct Case {
        uint16_t width, height;
        bool quiet;
    };
    for (const Case c : {Case{640, 512, false}, Case{1024, 511, true}, Case{97, 61, false}, Case{40, 1, false}}) {
        const std::vector<uint16_t> frame =
            c.quiet ? quietScene(c.width, c.height, 61) : thermalScene(c.width, c.height, 62);
        enhance::EnhanceContext context;
        context.useKernels(enhance::EnhanceContext::Kernels::Baseline);
        std::vector<uint8_t> out(frame.size(), kGuard);
        ASSERT_EQ(EnhanceRawTo8Bit(context, frame.data(), c.width, c.height, 0, out.data(), nullptr), 0);
        EXPECT_EQ(out, reference::Enhance<uint64_t>(frame, c.width, c.height)) << c.width << "x" << c.height;
    }
}

#if defined(__linux__)
TEST(EnhanceRawTo8Bit, FailedAllocationReturnsMinusOne)
{
#if defined(CALIDRA_TEST_SANITIZED)
    GTEST_SKIP() << "a sanitizer's shadow memory does not live under an address-space limit";
#else
    // 4096 x 4096 needs about 100 MB of work planes; the address space is
    // held to 48 MB more than in use, so the padded frame is had and a later
    // plane is not.
    const uint16_t size = 4096;
    const std::vector<uint16_t> frame(size_t(size) * size, 5000);
    std::vector<uint8_t> dst(frame.size(), kGuard);
    const std::vector<uint16_t> curve = identityCurve();

    size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    ASSERT_GT(pages, 0u);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (48u << 20);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    const int modeOne = EnhanceRawTo8Bit(frame.data(), size, size, 1, dst.data(), curve.data());
    const int modeZero = EnhanceRawTo8Bit(frame.data(), size, size, 0, dst.data(), nullptr);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &saved), 0);

    EXPECT_EQ(modeOne, -1);
    EXPECT_EQ(modeZero, -1);
    EXPECT_TRUE(std::all_of(dst.begin(), dst.end(), [](uint8_t b) { return b == kGuard; }));
    // With the limit lifted the same call succeeds.
    EXPECT_EQ(EnhanceRawTo8Bit(frame.data(), size, size, 0, dst.data(), nullptr), 0);
#endif
}
#endif

}  // namespace
