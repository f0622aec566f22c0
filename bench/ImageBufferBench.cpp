// The image buffer helpers beside OpenCV doing the same work on the same
// frame, both on one thread:
// - packed 4:2:2 to RGB: Yuv422ToRgb against cvtColor(UYVY -> RGB);
// - a grey picture to BGR through a palette: ColorizeGray8 + Yuv444ToBgr
//   (what the picture store does) against applyColorMap.
// The formulas differ (OpenCV expands video range, we do not; its palettes
// are not ours), so only the speed compares. After the Google Benchmark
// runs it prints, per frame size, "ratio WxH: X.XX" (our mean time over
// OpenCV's, from separate runs) and then the paired comparisons (ours and
// OpenCV interleaved in rounds, the median of the per-round ratios), which
// are the figures that count: first on the instruction set the program
// picks here, then on each slower one it would pick on another processor.

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "ImageBufferHelpers.h"
#include "YuvSimd.h"

namespace {

struct FrameSize {
    int width, height;
};
constexpr FrameSize kSizes[] = {{640, 512}, {1280, 1024}};

// Bytes with every value in use, the same for both contenders.
std::vector<uint8_t> randomBytes(size_t n)
{
    std::mt19937 rng(12345);
    std::vector<uint8_t> bytes(n);
    for (uint8_t& b : bytes) b = uint8_t(rng() & 0xFF);
    return bytes;
}

size_t pixelsOf(int width, int height)
{
    return size_t(width) * size_t(height);
}

void setThroughput(benchmark::State& state, int width, int height)
{
    const int64_t pixels = int64_t(width) * height;
    state.SetItemsProcessed(state.iterations() * pixels);
    state.SetBytesProcessed(state.iterations() * pixels * 3);
}

// What a contender wrote must look used, or the work could be left out.
void keep(void* written)
{
    benchmark::DoNotOptimize(written);
    benchmark::ClobberMemory();
}

// One frame's work for each contender, its buffers made once.
struct UyvyToRgb {
    int width, height;
    std::vector<uint8_t> in = randomBytes(pixelsOf(width, height) * 2);
    std::vector<uint8_t> out = std::vector<uint8_t>(pixelsOf(width, height) * 3);
    cv::Mat src = cv::Mat(height, width, CV_8UC2, in.data());
    cv::Mat dst = cv::Mat(height, width, CV_8UC3);

    void ours()
    {
        Yuv422ToRgb(in.data(), out.data(), width, height);
        keep(out.data());
    }
    void reference()
    {
        cv::cvtColor(src, dst, cv::COLOR_YUV2RGB_UYVY);
        keep(dst.data);
    }
};

// The picture store's path: its YUV and BGR planes are kept between calls.
struct GreyToBgr {
    int width, height;
    std::vector<uint8_t> grey = randomBytes(pixelsOf(width, height));
    std::vector<uint8_t> yuv = std::vector<uint8_t>(pixelsOf(width, height) * 3);
    std::vector<uint8_t> bgr = std::vector<uint8_t>(pixelsOf(width, height) * 3);
    cv::Mat src = cv::Mat(height, width, CV_8UC1, grey.data());
    cv::Mat dst = cv::Mat(height, width, CV_8UC3);

    void ours()
    {
        const ColorizeParam param{4, int(pixelsOf(width, height)), 0, 255, 0, 255};
        ColorizeGray8(grey.data(), yuv.data(), &param);
        Yuv444ToBgr(yuv.data(), bgr.data(), param.pixelCount);
        keep(bgr.data());
    }
    void reference()
    {
        cv::applyColorMap(src, dst, cv::COLORMAP_JET);
        keep(dst.data);
    }
};

template <typename Work, void (Work::*member)()>
void BM_Run(benchmark::State& state)
{
    Work work{int(state.range(0)), int(state.range(1))};
    for (auto _ : state) (work.*member)();
    setThroughput(state, work.width, work.height);
}

struct Registered {
    const char* name;
    void (*run)(benchmark::State&);
};
const Registered kBenchmarks[] = {
    {"BM_Yuv422ToRgb", &BM_Run<UyvyToRgb, &UyvyToRgb::ours>},
    {"BM_OpenCvUyvyToRgb", &BM_Run<UyvyToRgb, &UyvyToRgb::reference>},
    {"BM_GreyToBgr", &BM_Run<GreyToBgr, &GreyToBgr::ours>},
    {"BM_OpenCvApplyColorMap", &BM_Run<GreyToBgr, &GreyToBgr::reference>},
};

template <typename Work>
void printPaired(const char* label, const char* isa)
{
    for (const FrameSize s : kSizes) {
        Work work{s.width, s.height};
        const RatioReporter::Paired result =
            RatioReporter::measurePaired([&] { work.ours(); }, [&] { work.reference(); });
        const std::string line =
            std::string(label) + " " + std::to_string(s.width) + "x" + std::to_string(s.height) + " [" + isa + "]";
        RatioReporter::printPaired(line.c_str(), result);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Our conversions run on the caller's thread; OpenCV would otherwise
    // spread one frame over every core.
    cv::setNumThreads(1);
    for (const Registered& b : kBenchmarks) {
        benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(b.name, b.run);
        for (const FrameSize s : kSizes) registered->Args({s.width, s.height});
        registered->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatios("ratio Yuv422ToRgb", "BM_Yuv422ToRgb", "BM_OpenCvUyvyToRgb", {"640/512", "1280/1024"});
    reporter.printRatios("ratio grey to BGR", "BM_GreyToBgr", "BM_OpenCvApplyColorMap", {"640/512", "1280/1024"});
    std::puts("paired, ours / OpenCV (median of rounds):");
    struct Isa {
        YuvIsa isa;
        const char* name;
    };
    for (const Isa i : {Isa{YuvIsa::Avx2, "AVX2"}, Isa{YuvIsa::Ssse3, "SSSE3"}, Isa{YuvIsa::Scalar, "scalar"}}) {
        if (!yuvIsaSupported(i.isa)) continue;
        forceYuvIsa(i.isa);
        printPaired<UyvyToRgb>("Yuv422ToRgb vs cvtColor UYVY", i.name);
        printPaired<GreyToBgr>("ColorizeGray8 + Yuv444ToBgr vs applyColorMap", i.name);
    }
    return 0;
}
