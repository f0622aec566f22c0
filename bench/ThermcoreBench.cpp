// Throughput of the picture side's hot paths: whole-frame pixel temperatures
// and one area rule, with a memcpy of the same output size as the memory
// bandwidth reference. After the run it prints, per frame size,
// "ratio WxH: X.XX" = pixel-temperature time / memcpy time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "RadioPictureWriter.h"
#include "thermcore.h"

namespace {

// Makes a ramp scene the library's current picture (via HM_analyRadioData).
bool loadFrame(int width, int height)
{
    fixtures::RadioPictureWriter writer(width, height);
    writer.setTemperatures(fixtures::rampTemperatures(width, height, 10.0f, 90.0f));
    const std::vector<uint8_t> data = writer.radioData();
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(width, height);
    return HM_analyRadioData(&header, data.data()) == 0;
}

size_t pixelsOf(const benchmark::State& state)
{
    return static_cast<size_t>(state.range(0)) * static_cast<size_t>(state.range(1));
}

void setThroughput(benchmark::State& state, size_t pixels)
{
    const auto n = static_cast<int64_t>(pixels);
    state.SetItemsProcessed(state.iterations() * n);
    state.SetBytesProcessed(state.iterations() * n * static_cast<int64_t>(sizeof(float)));
}

void BM_PixelTemperatures(benchmark::State& state)
{
    if (!loadFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) {
        state.SkipWithError("HM_analyRadioData failed");
        return;
    }
    std::vector<float> out(pixelsOf(state));
    for (auto _ : state) {
        if (HM_getAxPixelsTemperature(0, out.data()) != 0) {
            state.SkipWithError("HM_getAxPixelsTemperature failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setThroughput(state, out.size());
}

// Reference: the same number of output bytes moved by memcpy.
void BM_Memcpy(benchmark::State& state)
{
    const std::vector<float> src(pixelsOf(state), 1.0f);
    std::vector<float> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(float));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    setThroughput(state, src.size());
}

// A 320x256 rectangle (four polygon corners) in the middle of a 640x512
// frame; argument 0 measures through the table, 1 with the rule's own
// parameters through the per-pixel calculation.
void BM_RuleTemperature(benchmark::State& state)
{
    constexpr int kWidth = 640, kHeight = 512;
    if (!loadFrame(kWidth, kHeight)) {
        state.SkipWithError("HM_analyRadioData failed");
        return;
    }
    PicViewRuleConfig rule;
    std::memset(&rule, 0, sizeof rule);
    rule.ruleId = 1;
    rule.meterType = 2;
    rule.param = 0;
    rule.pointNum = 4;
    // Normalised 0..8191 over the window: columns 160..480, rows 128..384.
    const ThermPoint corners[4] = {{2048, 2048}, {6144, 2048}, {6144, 6144}, {2048, 6144}};
    std::memcpy(rule.points, corners, sizeof corners);
    rule.bLocalEnable = static_cast<uint8_t>(state.range(0));
    rule.emissivity = 0.95f;
    rule.distance = 2.0f;
    rule.reflectedTemp = 25.0f;

    HM_RuleTemper result;
    for (auto _ : state) {
        if (PICRADAPP_getRuleTemperature(&rule, &result) != 0) {
            state.SkipWithError("PICRADAPP_getRuleTemperature failed");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * 320 * 256);
}

// Rebuilding the 16384-entry temperature table, as every picture read,
// raw frame and parameter change does; argument: gain mode.
void BM_TemperatureTable(benchmark::State& state)
{
    fixtures::RadioPictureWriter writer(64, 64, static_cast<int>(state.range(0)));
    const std::vector<uint8_t> data = writer.radioData();
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(64, 64);
    if (HM_analyRadioData(&header, data.data()) != 0) {
        state.SkipWithError("HM_analyRadioData failed");
        return;
    }
    for (auto _ : state) HM_updateTemperatureHash();
    state.SetItemsProcessed(state.iterations() * THERMCORE_TABLE_SIZE);
}

BENCHMARK(BM_PixelTemperatures)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RuleTemperature)->ArgName("local")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TemperatureTable)->ArgName("gain")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Console output as usual, plus the mean wall time per iteration of every
// benchmark instance for the ratios.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
            auto& slot = seconds_[{run.run_name.function_name, run.run_name.args}];
            slot.first += run.real_accumulated_time / static_cast<double>(run.iterations);
            slot.second += 1;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration, or a negative value when the instance did not run.
    double secondsPerIteration(const std::string& function, const std::string& args) const
    {
        const auto it = seconds_.find({function, args});
        return it == seconds_.end() ? -1.0 : it->second.first / it->second.second;
    }

private:
    std::map<std::pair<std::string, std::string>, std::pair<double, int>> seconds_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const char* size : {"640/512", "1280/1024"}) {
        const double pixels = reporter.secondsPerIteration("BM_PixelTemperatures", size);
        const double copy = reporter.secondsPerIteration("BM_Memcpy", size);
        std::string label = size;
        label[label.find('/')] = 'x';
        if (pixels > 0.0 && copy > 0.0)
            std::printf("ratio %s: %.2f\n", label.c_str(), pixels / copy);
        else
            std::printf("ratio %s: not measured\n", label.c_str());
    }
    return 0;
}
