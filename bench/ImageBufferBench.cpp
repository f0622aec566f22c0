// Packed 4:2:2 to RGB: our Yuv422ToRgb beside OpenCV's UYVY conversion of
// the same frame, both on one thread. The formulas differ (OpenCV expands
// video range, we do not), so only the speed compares. After the run it
// prints, per frame size, "ratio WxH: X.XX" = our time / OpenCV's time.

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ImageBufferHelpers.h"

namespace {

// A frame with every byte value in use, the same for both contenders.
std::vector<uint8_t> uyvyFrame(int width, int height)
{
    std::mt19937 rng(12345);
    std::vector<uint8_t> frame(size_t(width) * size_t(height) * 2);
    for (uint8_t& b : frame) b = uint8_t(rng() & 0xFF);
    return frame;
}

void setThroughput(benchmark::State& state, int width, int height)
{
    const int64_t pixels = int64_t(width) * height;
    state.SetItemsProcessed(state.iterations() * pixels);
    state.SetBytesProcessed(state.iterations() * pixels * 3);
}

void BM_Yuv422ToRgb(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    const std::vector<uint8_t> in = uyvyFrame(width, height);
    std::vector<uint8_t> out(size_t(width) * size_t(height) * 3);
    for (auto _ : state) {
        Yuv422ToRgb(in.data(), out.data(), width, height);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setThroughput(state, width, height);
}

void BM_OpenCvUyvyToRgb(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<uint8_t> in = uyvyFrame(width, height);
    const cv::Mat src(height, width, CV_8UC2, in.data());
    cv::Mat dst(height, width, CV_8UC3);
    for (auto _ : state) {
        cv::cvtColor(src, dst, cv::COLOR_YUV2RGB_UYVY);
        benchmark::DoNotOptimize(dst.data);
        benchmark::ClobberMemory();
    }
    setThroughput(state, width, height);
}

BENCHMARK(BM_Yuv422ToRgb)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCvUyvyToRgb)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    // Our conversion runs on the caller's thread; OpenCV would otherwise
    // spread one frame over every core.
    cv::setNumThreads(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatios("ratio", "BM_Yuv422ToRgb", "BM_OpenCvUyvyToRgb", {"640/512", "1280/1024"});
    return 0;
}
