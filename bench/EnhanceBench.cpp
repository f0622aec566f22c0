// Raw 14-bit frame to 8-bit picture: our EnhanceRawTo8Bit beside three
// OpenCV contrast pipelines on the same synthetic thermal scene, all on one
// thread:
//   - min/max scaling to 8 bits, then equalizeHist;
//   - CLAHE on the 16-bit frame as it is (its histograms span 65536 bins);
//   - min/max scaling to 8 bits, then CLAHE.
// The pictures differ (ours adds an edge-preserving detail layer); only the
// speed compares. After the run it prints, per frame size, "<label> WxH:
// X.XX" = our time / the OpenCV pipeline's time, then the paired medians
// against CLAHE on the 16-bit frame (ours and OpenCV interleaved in one
// process), the ones that count.

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "EnhanceContext.h"
#include "EnhanceRawTo8Bit.h"

namespace {

// Sloping background, warm blobs and sensor noise, in 14 bits.
std::vector<uint16_t> thermalScene(int width, int height)
{
    std::mt19937 rng(2024);
    std::normal_distribution<double> noise(0.0, 6.0);
    std::uniform_real_distribution<double> where(0.0, 1.0);
    struct Blob {
        double x, y, radius, heat;
    };
    std::vector<Blob> blobs;
    for (int i = 0; i < 8; ++i)
        blobs.push_back(
            {where(rng) * width, where(rng) * height, (0.02 + 0.08 * where(rng)) * width, 600 + 3000 * where(rng)});
    std::vector<uint16_t> frame(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double v = 6000 + 900.0 * x / width + 400.0 * y / height + noise(rng);
            for (const Blob& b : blobs) {
                const double dx = x - b.x, dy = y - b.y;
                v += b.heat * std::exp(-(dx * dx + dy * dy) / (2 * b.radius * b.radius));
            }
            frame[size_t(y) * width + x] = uint16_t(std::clamp(v, 0.0, 16383.0));
        }
    return frame;
}

void setThroughput(benchmark::State& state, int width, int height)
{
    const int64_t pixels = int64_t(width) * height;
    state.SetItemsProcessed(state.iterations() * pixels);
    state.SetBytesProcessed(state.iterations() * pixels * 2);
}

// The frame's own range onto 0 ... 255, as a plain viewer would show it.
void scaleTo8Bit(const cv::Mat& raw, cv::Mat& grey)
{
    double lo = 0, hi = 0;
    cv::minMaxLoc(raw, &lo, &hi);
    const double scale = hi > lo ? 255.0 / (hi - lo) : 0.0;
    raw.convertTo(grey, CV_8U, scale, -lo * scale);
}

void BM_EnhanceRawTo8Bit(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    const std::vector<uint16_t> frame = thermalScene(width, height);
    std::vector<uint8_t> out(frame.size());
    for (auto _ : state) {
        if (EnhanceRawTo8Bit(frame.data(), uint16_t(width), uint16_t(height), 0, out.data(), nullptr) != 0)
            state.SkipWithError("EnhanceRawTo8Bit failed");
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setThroughput(state, width, height);
}

void BM_OpenCvEqualizeHist(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<uint16_t> frame = thermalScene(width, height);
    const cv::Mat raw(height, width, CV_16UC1, frame.data());
    cv::Mat grey, out;
    for (auto _ : state) {
        scaleTo8Bit(raw, grey);
        cv::equalizeHist(grey, out);
        benchmark::DoNotOptimize(out.data);
        benchmark::ClobberMemory();
    }
    setThroughput(state, width, height);
}

void BM_OpenCvClahe16(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<uint16_t> frame = thermalScene(width, height);
    const cv::Mat raw(height, width, CV_16UC1, frame.data());
    const cv::Ptr<cv::CLAHE> clahe = cv::createCLAHE(2.0, cv::Size(8, 8));
    cv::Mat out;
    for (auto _ : state) {
        clahe->apply(raw, out);
        benchmark::DoNotOptimize(out.data);
        benchmark::ClobberMemory();
    }
    setThroughput(state, width, height);
}

void BM_OpenCvClahe8(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<uint16_t> frame = thermalScene(width, height);
    const cv::Mat raw(height, width, CV_16UC1, frame.data());
    const cv::Ptr<cv::CLAHE> clahe = cv::createCLAHE(2.0, cv::Size(8, 8));
    cv::Mat grey, out;
    for (auto _ : state) {
        scaleTo8Bit(raw, grey);
        clahe->apply(grey, out);
        benchmark::DoNotOptimize(out.data);
        benchmark::ClobberMemory();
    }
    setThroughput(state, width, height);
}

// Ours against CLAHE on the 16-bit frame, interleaved in rounds.
void pairedWithClahe16(int width, int height)
{
    std::vector<uint16_t> frame = thermalScene(width, height);
    std::vector<uint8_t> out(frame.size());
    const cv::Mat raw(height, width, CV_16UC1, frame.data());
    const cv::Ptr<cv::CLAHE> clahe = cv::createCLAHE(2.0, cv::Size(8, 8));
    cv::Mat claheOut;
    const auto reference = [&] {
        clahe->apply(raw, claheOut);
        benchmark::DoNotOptimize(claheOut.data);
    };
    const auto fresh = [&] {
        EnhanceRawTo8Bit(frame.data(), uint16_t(width), uint16_t(height), 0, out.data(), nullptr);
        benchmark::DoNotOptimize(out.data());
    };
    // How a frame-after-frame caller runs it: one context kept across calls.
    enhance::EnhanceContext context;
    const auto reused = [&] {
        EnhanceRawTo8Bit(context, frame.data(), uint16_t(width), uint16_t(height), 0, out.data(), nullptr);
        benchmark::DoNotOptimize(out.data());
    };
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    RatioReporter::printPaired(("paired vs CLAHE 16-bit, reused context " + size).c_str(),
                               RatioReporter::measurePaired(reused, reference));
    RatioReporter::printPaired(("paired vs CLAHE 16-bit, fresh call " + size).c_str(),
                               RatioReporter::measurePaired(fresh, reference));
}

BENCHMARK(BM_EnhanceRawTo8Bit)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCvEqualizeHist)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCvClahe16)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCvClahe8)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    // Ours runs on the caller's thread; OpenCV would otherwise spread one
    // frame over every core.
    cv::setNumThreads(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto sizes = {"640/512", "1280/1024"};
    reporter.printRatios("ratio vs equalizeHist", "BM_EnhanceRawTo8Bit", "BM_OpenCvEqualizeHist", sizes);
    reporter.printRatios("ratio vs CLAHE 16-bit", "BM_EnhanceRawTo8Bit", "BM_OpenCvClahe16", sizes);
    reporter.printRatios("ratio vs CLAHE 8-bit", "BM_EnhanceRawTo8Bit", "BM_OpenCvClahe8", sizes);
    for (const auto& size : {std::pair{640, 512}, std::pair{1280, 1024}})
        pairedWithClahe16(size.first, size.second);
    return 0;
}
