// Throughput of the picture side's hot paths: whole-frame pixel temperatures
// and one area rule, with a memcpy of the same output size as the memory
// bandwidth reference; and of the live side: one frame fed and twelve rules
// measured on it, beside a memcpy of the raw frame. After the run it prints,
// per frame size, "ratio WxH: X.XX" = pixel-temperature time / memcpy time
// and "live ratio WxH: X.XX" = live frame time / raw-frame memcpy time.
// Then, each measured as ours and a reference interleaved in rounds (the
// median of the paired ratios): the pixel temperatures (float and tenths)
// against a plain 16384-entry table loop over the same frame, and the table
// rebuild against the per-grey rebuild it replaced, with both times in ms.

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../tests/thermcore/PerGreyTable.h"
#include "RadioPictureWriter.h"
#include "SpotRuleBuilder.h"
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

// Reference for the live side: one raw frame (u16 per pixel) moved by memcpy.
void BM_MemcpyRaw(benchmark::State& state)
{
    const std::vector<uint16_t> src(pixelsOf(state), 8192);
    std::vector<uint16_t> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(uint16_t));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(src.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(src.size() * sizeof(uint16_t)));
}

// Twelve rules a host might show: three points, three lines, two
// rectangles, two ellipses and two polygons, in normalised coordinates.
RADAPI_SpotRules twelveLiveRules()
{
    RADAPI_SpotRules set;
    std::memset(&set, 0, sizeof set);
    const RADAPI_SpotRule rules[] = {
        fixtures::spotRule(1, 0, 0, {{4096, 4096}}),
        fixtures::spotRule(2, 0, 0, {{1000, 7000}}),
        fixtures::spotRule(3, 0, 0, {{7500, 800}}),
        fixtures::spotRule(4, 1, 0, {{0, 4096}, {8191, 4096}}),
        fixtures::spotRule(5, 1, 0, {{500, 500}, {7600, 7000}}),
        fixtures::spotRule(6, 1, 0, {{6000, 200}, {6500, 8000}}),
        fixtures::spotRule(7, 2, 0, {{1024, 1024}, {4096, 1024}, {4096, 3072}, {1024, 3072}}),
        fixtures::spotRule(8, 2, 0, {{4500, 4500}, {8000, 4500}, {8000, 8000}, {4500, 8000}}),
        fixtures::spotRule(9, 2, 2, {{2048, 2048}, {6144, 2048}, {6144, 6144}, {2048, 6144}}),
        fixtures::spotRule(10, 2, 2, {{500, 5000}, {3000, 5000}, {3000, 8000}, {500, 8000}}),
        fixtures::spotRule(11, 2, 0, {{500, 7000}, {4000, 500}, {8000, 7900}}),
        fixtures::spotRule(
            12, 2, 0,
            {{2000, 1000}, {5000, 1500}, {7000, 3000}, {6500, 6000}, {4000, 7500}, {1500, 6000}, {1000, 3000}}),
    };
    for (const RADAPI_SpotRule& r : rules) set.rules[set.count++] = r;
    return set;
}

// One live frame: fed with its camera block, then all twelve rule
// temperatures read, as a host does per displayed frame.
void BM_LiveRules(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const RedunData block = fixtures::defaultRedunData(width, height);
    const std::vector<uint16_t> raw = fixtures::rawFrameFromTemperatures(
        block, fixtures::defaultPicViewInfo(), fixtures::rampTemperatures(width, height, 10.0f, 90.0f));
    std::vector<uint16_t> buffer(raw);
    buffer.resize(raw.size() + sizeof(RedunData) / sizeof(uint16_t));
    std::memcpy(buffer.data() + raw.size(), &block, sizeof block);
    RADAPI_ExtRawBuf frame;
    std::memset(&frame, 0, sizeof frame);
    frame.width = static_cast<uint16_t>(width);
    frame.height = static_cast<uint16_t>(height);
    frame.pVirtAddr = buffer.data();
    frame.baseTemp = 25.0f;
    frame.redunVersion = 1;

    RADAPI_RadioMetryOptions options;
    std::memset(&options, 0, sizeof options);
    options.relativeHumidity = 50;
    options.emissivity = 0.95f;
    options.atmosphericTemp = 25.0f;
    options.reflectedTemp = 25.0f;
    const RADAPI_SpotRules rules = twelveLiveRules();
    if (RADAPI_Init() != 0 || RADAPI_setRadioMetryOptions(&options) != 0 || RADAPI_extRawSetTherGraph(&frame) != 0 ||
        RADAPI_setRadiometryRuleConfig(&rules) != 0) {
        state.SkipWithError("live set-up failed");
        return;
    }
    RADAPI_TempInfo result;
    for (auto _ : state) {
        if (RADAPI_extRawSetTherGraph(&frame) != 0) {
            state.SkipWithError("RADAPI_extRawSetTherGraph failed");
            break;
        }
        for (int32_t id = 1; id <= rules.count; ++id) {
            if (RADAPI_getRadiometryTemperature(id, &result) != 0) {
                state.SkipWithError("RADAPI_getRadiometryTemperature failed");
                break;
            }
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations());
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
BENCHMARK(BM_LiveRules)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyRaw)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);

// The reference the pixel lookups are held to: one load per pixel from a
// 16384-entry table, no clamp, over a frame of 14-bit values.
template <typename Value>
void plainTableLoop(const std::vector<Value>& table, const std::vector<uint16_t>& raw, Value* out)
{
    const Value* t = table.data();
    const uint16_t* r = raw.data();
    for (size_t i = 0, n = raw.size(); i < n; ++i) out[i] = t[r[i]];
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
}

template <typename Value, typename Ours>
void pairedLookup(const char* what, int width, int height, const std::vector<Value>& table,
                  const std::vector<uint16_t>& raw, Ours ours)
{
    std::vector<Value> out(raw.size());
    char label[96];
    std::snprintf(label, sizeof label, "%s %dx%d vs plain table loop", what, width, height);
    RatioReporter::printPaired(label, RatioReporter::measurePaired(
                                          [&] {
                                              ours(out.data());
                                              benchmark::ClobberMemory();
                                          },
                                          [&] { plainTableLoop(table, raw, out.data()); }));
}

void pairedPixelTemperatures(int width, int height)
{
    fixtures::RadioPictureWriter writer(width, height);
    writer.setTemperatures(fixtures::rampTemperatures(width, height, 10.0f, 90.0f));
    const std::vector<uint16_t> raw = writer.rawFrame();
    const std::vector<uint8_t> data = writer.radioData();
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(width, height);
    if (HM_analyRadioData(&header, data.data()) != 0) {
        std::printf("pixel temperatures %dx%d: not measured\n", width, height);
        return;
    }
    // The reference tables hold the same values as ours.
    std::vector<uint16_t> greys(THERMCORE_TABLE_SIZE);
    for (int i = 0; i < THERMCORE_TABLE_SIZE; ++i) greys[i] = static_cast<uint16_t>(i);
    const ThermalGraphHeader tableHeader = fixtures::thermalGraphHeader(128, 128);
    std::vector<float> table(THERMCORE_TABLE_SIZE);
    std::vector<int16_t> tenths(THERMCORE_TABLE_SIZE);
    const std::vector<uint8_t> tableData = fixtures::radioDataBuffer(greys, writer.redunData());
    HM_rawDataTransformTemp(&tableHeader, tableData.data(), table.data());
    HM_rawDataTransformTemp_short16(&tableHeader, tableData.data(), tenths.data());
    HM_analyRadioData(&header, data.data());

    pairedLookup("pixel temperatures", width, height, table, raw,
                 [](float* out) { HM_getAxPixelsTemperature(0, out); });
    pairedLookup("pixel tenths", width, height, tenths, raw,
                 [](int16_t* out) { HM_getAxPixelsTemperature_short16(0, out); });
}

void pairedTableRebuild(const char* what, int gainMode, void (*change)(RedunData&))
{
    fixtures::RadioPictureWriter writer(64, 64, gainMode);
    change(writer.redunData());
    const std::vector<uint8_t> data = writer.radioData();
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(64, 64);
    if (HM_analyRadioData(&header, data.data()) != 0) {
        std::printf("table rebuild, %s: not measured\n", what);
        return;
    }
    // The reference is the rebuild as it was: the per-grey calculation for
    // every entry.
    std::vector<float> table;
    char label[96];
    std::snprintf(label, sizeof label, "table rebuild, %s, vs per-grey rebuild", what);
    RatioReporter::printPaired(label, RatioReporter::measurePaired([] { HM_updateTemperatureHash(); },
                                                                   [&] {
                                                                       table =
                                                                           reference::perGreyTable(writer.redunData());
                                                                       benchmark::DoNotOptimize(table.data());
                                                                   }));
}

void pairedComparisons()
{
    pairedPixelTemperatures(640, 512);
    pairedPixelTemperatures(1280, 1024);
    pairedTableRebuild("low gain", 0, [](RedunData&) {});
    pairedTableRebuild("high gain", 1, [](RedunData&) {});
    // A picture as taken: emissivity 0.95, 5 m, distance coefficients.
    pairedTableRebuild("high gain at 5 m", 1, [](RedunData& b) {
        const double coef[8] = {1.5, 0.21, 0.98, -0.004, 0.0002, 0.0011, 0.00003, -0.00002};
        std::memcpy(b.distCoef, coef, sizeof coef);
        b.emissivity = 0.95f;
        b.distance = 5.0f;
    });
    pairedTableRebuild("emissivity model V2 at 0.8", 1, [](RedunData& b) {
        b.emissModelV2 = 1;
        b.emissivity = 0.8f;
    });
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatios("ratio", "BM_PixelTemperatures", "BM_Memcpy", {"640/512", "1280/1024"});
    reporter.printRatios("live ratio", "BM_LiveRules", "BM_MemcpyRaw", {"640/512", "1280/1024"});
    pairedComparisons();
    return 0;
}
