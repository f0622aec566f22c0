// Two threads on the live side at once: one feeds frames of two sizes and
// replaces rules and options, the other reads rule and region temperatures.
// Meant to run under ThreadSanitizer as well. Every frame is uniform, so a
// read that mixed two frames (or a frame with stale lists) would show a
// minimum unequal to its maximum or a temperature of no frame.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include "LiveTestSupport.h"
#include "ScratchDir.h"
#include "thermcore.h"

namespace {

using namespace live;

constexpr int kFrames = 400;
constexpr int kMinReadRounds = 400;
const float kSceneTemps[] = {20.0f, 30.0f, 40.0f, 50.0f, 60.0f};

bool isSceneTemperature(float t)
{
    for (float s : kSceneTemps)
        if (std::fabs(t - s) < 0.06f) return true;
    return false;
}

RADAPI_SpotRules rulesVariant(int variant)
{
    const int32_t o = variant * 512;  // shifts every rule a little
    return ruleSet({
        pointRule(1, {4096 + o, 4096 - o}),
        lineRule(2, {500 + o, 700}, {7000, 6000 - o}),
        areaRule(3, 0, {{1000 + o, 1000}, {6000, 1000 + o}, {6000, 6000}, {1000, 6000 - o}}),
        areaRule(4, 2, {{2000, 2000 + o}, {7000 - o, 2000}, {7000, 7000}, {2000, 7000}}),
        areaRule(5, 0, {{500, 7000}, {4000 + o, 500}, {8000, 7900 - o}}),
    });
}

TEST(LiveStress, FramesAndRulesWhileReading)
{
    ASSERT_EQ(RADAPI_Init(), 0);
    fixtures::ScratchDir dir;
    setenv("THERMCORE_LOG_DIR", dir.path().c_str(), 1);

    // Frames built up front: the threads only share the library.
    std::vector<Frame> frames;
    for (const auto& size : {std::pair<int, int>{48, 36}, std::pair<int, int>{64, 48}})
        for (float t : kSceneTemps)
            frames.push_back(frameOf(field(size.first, size.second, t), size.first, size.second));
    const RADAPI_SpotRules rules[2] = {rulesVariant(0), rulesVariant(1)};
    const RADAPI_RadioMetryOptions opts[2] = {options(1.0f, 0.0f), options(1.0f, 1.0f)};
    ASSERT_EQ(setOptions(opts[0]), 0);
    ASSERT_EQ(feed(frames[0]), 0);
    ASSERT_EQ(RADAPI_setRadiometryRuleConfig(&rules[0]), 0);

    std::atomic<bool> done{false};
    std::atomic<int> writerFailures{0};
    std::thread writer([&] {
        for (int i = 0; i < kFrames; ++i) {
            const Frame& f = frames[size_t(i * 7) % frames.size()];
            if (i % 97 == 50) {
                // What a host does when the frame size changes.
                RADAPI_DevInfo info{};
                info.width = uint16_t(f.width);
                info.height = uint16_t(f.height);
                if (RADAPP_release() != 0 || RADAPI_setDevInfo(&info) != 0) ++writerFailures;
            }
            if (feed(f) != 0) ++writerFailures;
            if (i % 3 == 0 && RADAPI_setRadiometryRuleConfig(&rules[(i / 3) % 2]) != 0) ++writerFailures;
            if (i % 5 == 0 && setOptions(opts[(i / 5) % 2]) != 0) ++writerFailures;
            if (i == 20 && RADAPI_writeLog(1) != 0) ++writerFailures;
            if (i == 60 && RADAPI_writeLog(0) != 0) ++writerFailures;
        }
        done = true;
    });

    int reads = 0, measured = 0, inconsistent = 0;
    const RADAPI_Polygon whole = polygon({{0, 0}, {8191, 0}, {8191, 8191}, {0, 8191}});
    auto check = [&](const RADAPI_TempInfo& t) {
        ++measured;
        if (!isSceneTemperature(t.maximum) || std::fabs(t.maximum - t.minimum) > 0.01f ||
            std::fabs(t.average - t.maximum) > 0.01f)
            ++inconsistent;
    };
    for (int round = 0; !done || round < kMinReadRounds; ++round) {
        for (int32_t id = 1; id <= 5; ++id) {
            RADAPI_TempInfo t{};
            ++reads;
            if (RADAPI_getRadiometryTemperature(id, &t) == 0) check(t);
        }
        RADAPI_TempInfo r{};
        ++reads;
        if (RADAPI_getRegionTemperature(&whole, &r) == 0) check(r);
    }
    writer.join();
    RADAPI_writeLog(0);
    unsetenv("THERMCORE_LOG_DIR");

    EXPECT_EQ(writerFailures.load(), 0);
    EXPECT_EQ(inconsistent, 0);
    // Reads fail only between a release and the next frame and rule set.
    EXPECT_GT(measured, reads * 9 / 10);
}

}  // namespace
