// Packed 4:2:2 to RGB: our Yuv422ToRgb beside OpenCV's UYVY conversion of
// the same frame, both on one thread. The formulas differ (OpenCV expands
// video range, we do not), so only the speed compares. After the run it
// prints, per frame size, "ratio WxH: X.XX" = our time / OpenCV's time.

#include <benchmark/benchmark.h>

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
    // Our conversion runs on the caller's thread; OpenCV would otherwise
    // spread one frame over every core.
    cv::setNumThreads(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const char* size : {"640/512", "1280/1024"}) {
        const double ours = reporter.secondsPerIteration("BM_Yuv422ToRgb", size);
        const double opencv = reporter.secondsPerIteration("BM_OpenCvUyvyToRgb", size);
        std::string label = size;
        label[label.find('/')] = 'x';
        if (ours > 0.0 && opencv > 0.0)
            std::printf("ratio %s: %.2f\n", label.c_str(), ours / opencv);
        else
            std::printf("ratio %s: not measured\n", label.c_str());
    }
    return 0;
}
