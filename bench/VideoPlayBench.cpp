// The frame worker's picture for the video widget: crop of the zoom step,
// conversion from YUV 4:2:2 and one bicubic scaling to a 900 x 720 widget,
// as RenderCore draws it, beside OpenCV's cvtColor(UYVY -> RGB) and resize
// doing the same work. The comparison runs OpenCV on one thread for both;
// "AsUsed" is ours with the four threads the worker gives OpenCV. Also the
// intake's copy of a frame into a pooled frame. After the run it prints,
// per frame size and zoom step, "ratio WxH/step: X.XX" = our time / OpenCV's.

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <QApplication>
#include <QImage>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "FramePool.h"
#include "RenderCore.h"
#include "VideoSurface.h"
#include "ZoomTable.h"

namespace {

const QSize kWidget(900, 720);

// A frame with every byte value in use, the same for both contenders.
std::vector<uint8_t> uyvyFrame(int width, int height)
{
    std::mt19937 rng(12345);
    std::vector<uint8_t> frame(size_t(width) * size_t(height) * 2);
    for (uint8_t& b : frame) b = uint8_t(rng() & 0xFF);
    return frame;
}

void setThroughput(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * int64_t(kWidget.width()) * kWidget.height());
}

// A view for width x height frames on a shown widget of the benchmark's
// size; 0 when it cannot be had.
RenderCore::Handle openView(VideoSurface& surface, int width, int height)
{
    surface.resize(kWidget);
    surface.show();
    QApplication::processEvents();
    RenderViewOpen record;
    record.window = &surface;
    const RenderCore::Handle view = RenderCore::open(&record);
    return view && RenderCore::setSize(view, width, height) ? view : 0;
}

// describe, sourceRect, draw and present, as the worker renders a frame.
void renderFrames(benchmark::State& state, int threads)
{
    const int width = int(state.range(0)), height = int(state.range(1)), step = int(state.range(2));
    const std::vector<uint8_t> yuv = uyvyFrame(width, height);
    VideoSurface surface;
    const RenderCore::Handle view = openView(surface, width, height);
    if (!view) {
        state.SkipWithError("no view");
        return;
    }
    cv::setNumThreads(threads);
    for (auto _ : state) {
        const ZoomCrop crop = ZoomTable::crop(width, height, step);
        const RenderFrameDesc desc = RenderCore::describe(yuv.data(), width, height);
        const RenderRect source = RenderCore::sourceRect(width, height, crop.cx, crop.cy);
        RenderCore::draw(view, &desc, &source, 0);
        RenderCore::present(view);
        // The widget takes the picture, as the GUI thread would (painting
        // it is the GUI thread's work, not measured here).
        QApplication::sendPostedEvents(&surface, QEvent::MetaCall);
    }
    cv::setNumThreads(1);
    RenderCore::close(view);
    setThroughput(state);
}

void BM_RenderFrame(benchmark::State& state)
{
    renderFrames(state, 1);
}

void BM_RenderFrameAsUsed(benchmark::State& state)
{
    renderFrames(state, 4);
}

// The same crop converted by cvtColor and scaled by resize into a picture
// made once.
void BM_OpenCvCropConvertScale(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1)), step = int(state.range(2));
    std::vector<uint8_t> yuv = uyvyFrame(width, height);
    const cv::Mat frame(height, width, CV_8UC2, yuv.data());
    cv::Mat rgb(height, width, CV_8UC3);
    cv::Mat out(kWidget.height(), kWidget.width(), CV_8UC3);
    for (auto _ : state) {
        const ZoomCrop crop = ZoomTable::crop(width, height, step);
        const int x0 = crop.cx / 4, y0 = crop.cy / 4;
        const int pairStart = x0 & ~1, pairEnd = std::min(width, (x0 + crop.width + 1) & ~1);
        const cv::Rect pairs(pairStart, y0, pairEnd - pairStart, crop.height);
        cv::Mat converted = rgb(pairs);
        cv::cvtColor(frame(pairs), converted, cv::COLOR_YUV2RGB_UYVY);
        cv::resize(converted(cv::Rect(x0 - pairStart, 0, crop.width, crop.height)), out, out.size(), 0, 0,
                   cv::INTER_CUBIC);
        benchmark::DoNotOptimize(out.data);
        benchmark::ClobberMemory();
    }
    setThroughput(state);
}

// The intake's work on the camera's thread: a pooled frame and two copies.
void BM_IntakeCopy(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    const std::vector<uint8_t> yuv = uyvyFrame(width, height);
    const size_t rawBytes = yuv.size() + LiveFrame::kRedunBytes;
    const std::vector<uint8_t> raw(rawBytes, 0x11);
    FramePool pool;
    FramePtr previous;  // the worker still holds the last frame
    for (auto _ : state) {
        std::shared_ptr<LiveFrame> frame = pool.acquire(width, height, rawBytes);
        std::memcpy(frame->yuv.data(), yuv.data(), yuv.size());
        std::memcpy(frame->raw.data(), raw.data(), rawBytes);
        previous = std::move(frame);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(yuv.size() + rawBytes));
}

#define FRAME_SIZES(b) b->Args({640, 512, 0})->Args({640, 512, 16})->Args({1280, 1024, 0})->Args({1280, 1024, 16})

FRAME_SIZES(BENCHMARK(BM_RenderFrame))->Unit(benchmark::kMicrosecond);
FRAME_SIZES(BENCHMARK(BM_OpenCvCropConvertScale))->Unit(benchmark::kMicrosecond);
FRAME_SIZES(BENCHMARK(BM_RenderFrameAsUsed))->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_IntakeCopy)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cv::setNumThreads(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto sizes = {"640/512/0", "640/512/16", "1280/1024/0", "1280/1024/16"};
    reporter.printRatios("ratio", "BM_RenderFrame", "BM_OpenCvCropConvertScale", sizes);
    reporter.printRatios("ratio as used", "BM_RenderFrameAsUsed", "BM_OpenCvCropConvertScale", sizes);

    // The same two, interleaved in one process: the figures that count.
    const struct {
        int width, height, step;
    } cases[] = {{640, 512, 0}, {640, 512, 16}, {1280, 1024, 0}, {1280, 1024, 16}};
    for (const auto& c : cases) {
        const std::vector<uint8_t> yuv = uyvyFrame(c.width, c.height);
        const ZoomCrop crop = ZoomTable::crop(c.width, c.height, c.step);
        VideoSurface surface;
        const RenderCore::Handle view = openView(surface, c.width, c.height);
        if (!view) return 1;
        const RenderFrameDesc desc = RenderCore::describe(yuv.data(), c.width, c.height);
        const RenderRect source = RenderCore::sourceRect(c.width, c.height, crop.cx, crop.cy);
        const auto ours = [&] {
            RenderCore::draw(view, &desc, &source, 0);
            RenderCore::present(view);
            QApplication::sendPostedEvents(&surface, QEvent::MetaCall);
        };
        const cv::Mat frame(c.height, c.width, CV_8UC2, const_cast<uint8_t*>(yuv.data()));
        cv::Mat rgb(c.height, c.width, CV_8UC3);
        cv::Mat out(kWidget.height(), kWidget.width(), CV_8UC3);
        const int x0 = crop.cx / 4, y0 = crop.cy / 4;
        const int pairStart = x0 & ~1, pairEnd = std::min(c.width, (x0 + crop.width + 1) & ~1);
        const cv::Rect pairs(pairStart, y0, pairEnd - pairStart, crop.height);
        const auto reference = [&] {
            cv::Mat converted = rgb(pairs);
            cv::cvtColor(frame(pairs), converted, cv::COLOR_YUV2RGB_UYVY);
            cv::resize(converted(cv::Rect(x0 - pairStart, 0, crop.width, crop.height)), out, out.size(), 0, 0,
                       cv::INTER_CUBIC);
        };
        const std::string label =
            "paired " + std::to_string(c.width) + "x" + std::to_string(c.height) + "/" + std::to_string(c.step);
        RatioReporter::printPaired(label.c_str(), RatioReporter::measurePaired(ours, reference));
        RenderCore::close(view);
    }
    return 0;
}
