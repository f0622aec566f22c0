// Cost of one simulated frame: scene, raw frame, radiometric block and UYVY
// display frame. The frame periods at 25, 30 and 50 fps are reported beside
// it as the budget the frame thread has. And the cost of one temperature
// refresh tick of the live page with a full rule set.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "SimDisplay.h"
#include "SimRadiometry.h"
#include "SimScene.h"
#include "camsdk.h"
#include "simcam.h"

namespace {

void addFramePeriods(benchmark::State& state)
{
    state.counters["period_25fps_ms"] = 1000.0 / 25;
    state.counters["period_30fps_ms"] = 1000.0 / 30;
    state.counters["period_50fps_ms"] = 1000.0 / 50;
}

void BM_SimFrame(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    camsdk::SimScene scene(w, h);
    camsdk::SimRadiometry radiometry;
    camsdk::SimDisplay display;
    std::vector<uint16_t> raw(size_t(w) * h);
    std::vector<uint8_t> uyvy(size_t(w) * h * 2);
    RedunData block;
    uint64_t n = 0;
    for (auto _ : state) {
        scene.setFrame(n, 25);
        radiometry.render(scene, raw.data(), &block);
        display.render(raw.data(), w, h, n, uyvy.data());
        benchmark::DoNotOptimize(uyvy.data());
        ++n;
    }
    addFramePeriods(state);
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_SimFrame)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMillisecond);

// The parts separately, at the factory size.
void BM_SimRawOnly(benchmark::State& state)
{
    camsdk::SimScene scene(640, 512);
    camsdk::SimRadiometry radiometry;
    std::vector<uint16_t> raw(640 * 512);
    uint64_t n = 0;
    for (auto _ : state) {
        scene.setFrame(n++, 25);
        radiometry.render(scene, raw.data());
        benchmark::DoNotOptimize(raw.data());
    }
}
BENCHMARK(BM_SimRawOnly)->Unit(benchmark::kMicrosecond);

void BM_SimDisplayOnly(benchmark::State& state)
{
    camsdk::SimScene scene(640, 512);
    camsdk::SimRadiometry radiometry;
    camsdk::SimDisplay display;
    std::vector<uint16_t> raw(640 * 512);
    std::vector<uint8_t> uyvy(640 * 512 * 2);
    radiometry.render(scene, raw.data());
    uint64_t n = 0;
    for (auto _ : state) {
        display.render(raw.data(), 640, 512, n++, uyvy.data());
        benchmark::DoNotOptimize(uyvy.data());
    }
}
BENCHMARK(BM_SimDisplayOnly)->Unit(benchmark::kMicrosecond);

// A change of scene or size: the static part rebuilt from the model.
void BM_SimStaticRebuild(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    camsdk::SimScene scene(w, h);
    camsdk::SimRadiometry radiometry;
    std::vector<uint16_t> raw(size_t(w) * h);
    camsdk::SimScene::Params p;
    for (auto _ : state) {
        p.rectTemp = p.rectTemp == 37.0 ? 38.0 : 37.0;
        scene.setParams(p);
        radiometry.render(scene, raw.data());
        benchmark::DoNotOptimize(raw.data());
    }
}
BENCHMARK(BM_SimStaticRebuild)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMillisecond);

// The same frame through the layer: the device's settings copied under the
// state mutex, raw words and block copied into the frame, handed to one sink
// on the frame thread, one manual-clock step each.
void BM_LayerFrame(benchmark::State& state)
{
    SIMCAM_Reset();
    SIMCAM_SetClockMode(1);
    SIMCAM_SetFrameSize(0, int(state.range(0)), int(state.range(1)));
    USBSDK_DeviceInfo info{};
    if (USBSDK_GetDevInfoList(&info, 1) != 1 || USBSDK_Open(&info) != 1) {
        state.SkipWithError("no simulated camera");
        return;
    }
    static int delivered = 0;
    auto sink = [](const unsigned char*, int, const unsigned char*, int, int, int, void*) { ++delivered; };
    USBSDK_StartRealPlay(sink, &delivered);
    for (auto _ : state) SIMCAM_StepFrames(1);
    USBSDK_Close();
    addFramePeriods(state);
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_LayerFrame)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMillisecond)->UseRealTime();

// One temperature refresh tick of the live page with a full rule set: the
// hot and cold spots and the 12 rules' readings, on a newer frame each time
// (the engine feeds the frame to the library on the first query after it).
// This runs on the GUI thread every 500 or 1000 ms.
void BM_LiveRefreshTick(benchmark::State& state)
{
    SIMCAM_Reset();
    SIMCAM_SetClockMode(1);
    SIMCAM_SetFrameSize(0, int(state.range(0)), int(state.range(1)));
    USBSDK_DeviceInfo info{};
    if (USBSDK_GetDevInfoList(&info, 1) != 1 || USBSDK_Open(&info) != 1) {
        state.SkipWithError("no simulated camera");
        return;
    }
    static int delivered = 0;
    auto sink = [](const unsigned char*, int, const unsigned char*, int, int, int, void*) { ++delivered; };
    USBSDK_StartRealPlay(sink, &delivered);
    USBSDK_OpenThermalFunction();
    SIMCAM_StepFrames(1);

    // Four points, four lines, four quarter-frame-wide areas.
    USBSDK_Rules rules{};
    rules.count = USBSDK_MAX_RULES;
    for (int i = 0; i < USBSDK_MAX_RULES; ++i) {
        USBSDK_Rule& r = rules.rule[i];
        r.ruleId = uint32_t(i + 1);
        r.flag = 1;
        const int o = 500 + 600 * (i % 4);
        if (i < 4) {
            r.type = 0;
            r.geom.point = {o, o};
        } else if (i < 8) {
            r.type = 1;
            r.geom.line = {o, 1000, o + 2000, 7000};
        } else {
            r.type = 2;
            r.areaShape = uint32_t(1 + i % 2);
            r.geom.area.pointCount = 4;
            const int xy[4][2] = {{o, 1000}, {o + 2048, 1000}, {o + 2048, 3048}, {o, 3048}};
            std::memcpy(r.geom.area.xy, xy, sizeof xy);
        }
    }
    if (!USBSDK_SetThermalRules(rules)) {
        state.SkipWithError("rules refused");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        SIMCAM_StepFrames(1);
        state.ResumeTiming();
        USBSDK_HotColdPoint spot;
        benchmark::DoNotOptimize(USBSDK_GetThermalHotColdPoint(&spot));
        for (int id = 1; id <= USBSDK_MAX_RULES; ++id) {
            USBSDK_ThermalRuleResult result;
            benchmark::DoNotOptimize(USBSDK_GetThermalRules(id, &result));
        }
    }
    USBSDK_Close();
}
BENCHMARK(BM_LiveRefreshTick)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
