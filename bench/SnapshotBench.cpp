// Snapshots at 640 x 512 and 1280 x 1024, into a temporary folder on the
// local disk:
// - PngLevel: the display frame's PNG alone at each zlib level (time, size),
//   the figures the writer's level was chosen by;
// - RequestToFile: a frame worker playing the simulated camera at 60 fps,
//   from the request to its result (day folder, free space, PNG and the
//   radiometric data behind it), and the frames the worker dropped
//   meanwhile: "frame worker" writes on the worker's own thread as it was
//   done before, "own thread" through the worker's snapshot thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <functional>

#include "DeviceSdkWrapper.h"
#include "ImageBufferHelpers.h"
#include "LiveFrame.h"
#include "QVideoPlay.h"
#include "RenderInfo.h"
#include "SnapshotWriter.h"
#include "simcam.h"

namespace {

bool openCamera(int width, int height, bool realClock)
{
    SIMCAM_Reset();
    SIMCAM_SetClockMode(realClock ? 0 : 1);
    SIMCAM_SetFrameSize(0, width, height);
    SIMCAM_DeviceProfile profile{};
    SIMCAM_GetDeviceProfile(0, &profile);
    profile.fps = 60;
    SIMCAM_SetDeviceProfile(0, &profile);
    USBSDK_DeviceInfo info{};
    return USBSDK_GetDevInfoList(&info, 1) == 1 && DeviceSdkWrapper::getInstance().Open(&info);
}

LiveFrame gFrame;

void copyFrame(const unsigned char* yuv, int yuvLen, const unsigned char* raw, int rawLen, int w, int h, void*)
{
    gFrame.width = w;
    gFrame.height = h;
    gFrame.yuv.assign(yuv, yuv + yuvLen);
    gFrame.raw.assign(raw, raw + rawLen);
}

void BM_PngLevel(benchmark::State& state)
{
    const int level = int(state.range(0));
    if (!openCamera(int(state.range(1)), int(state.range(2)), false)) {
        state.SkipWithError("no simulated camera");
        return;
    }
    USBSDK_StartRealPlay(copyFrame, &gFrame);
    SIMCAM_StepFrames(1);
    USBSDK_StopRealPlay(&gFrame);
    QImage rgb(gFrame.width, gFrame.height, QImage::Format_RGB888);
    Yuv422ToRgb(gFrame.yuv.data(), rgb.bits(), gFrame.width, gFrame.height);
    QTemporaryDir dir;
    const QString path = dir.filePath("level.png");
    qint64 bytes = 0;
    for (auto _ : state) {
        QImageWriter writer(path, "png");
        writer.setCompression(SnapshotWriter::pngCompression(level));
        if (!writer.write(rgb)) {
            state.SkipWithError("not written");
            break;
        }
        state.PauseTiming();
        bytes = QFile(path).size();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(bytes) / 1e6;
    DeviceSdkWrapper::getInstance().Close();
}
BENCHMARK(BM_PngLevel)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 9}, {640}, {512}})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 9}, {1280}, {1024}})
    ->Unit(benchmark::kMillisecond);

// A frame worker on a thread of its own in RGB mode without a receiver of
// pictures, so that only the snapshot can hold its frames up.
class LivePlayer {
public:
    LivePlayer()
    {
        player_ = new QVideoPlay;
        player_->moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(player_, [this] { player_->setVideoPlaySlots(this, false); },
                                  Qt::BlockingQueuedConnection);
    }
    ~LivePlayer()
    {
        QMetaObject::invokeMethod(player_, [this] { delete player_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    QVideoPlay* player() const { return player_; }
    // Runs work on the worker's thread and waits for it.
    void run(const std::function<void()>& work) const
    {
        QMetaObject::invokeMethod(player_, work, Qt::BlockingQueuedConnection);
    }
    // Spins until every frame that came was processed or skipped for good:
    // the mailbox is empty when a run on the worker's thread finds nothing
    // newer.
    void settle() const
    {
        for (;;) {
            const quint64 received = player_->framesReceived();
            run([] {});
            run([] {});
            if (player_->framesReceived() == received && player_->framesProcessed() > 0) return;
        }
    }
    quint64 skipped() const { return player_->framesReceived() - player_->framesProcessed(); }

private:
    QThread thread_;
    QVideoPlay* player_ = nullptr;
};

// The earlier way: the worker itself converts and encodes at zlib's default
// level, then appends the radiometric data.
int writeOnTheFrameWorker(const SnapshotRequest& request, const FramePtr& frame, const QString& path)
{
    QImage rgb(frame->width, frame->height, QImage::Format_RGB888);
    Yuv422ToRgb(frame->yuv.data(), rgb.bits(), frame->width, frame->height);
    if (!rgb.save(path, "PNG")) return SnapshotWriter::kNoFrame;
    return SnapshotWriter::appendRadiometricData(path, request, frame);
}

void BM_RequestToFile(benchmark::State& state, bool ownThread)
{
    if (!openCamera(int(state.range(0)), int(state.range(1)), true)) {
        state.SkipWithError("no simulated camera");
        return;
    }
    QTemporaryDir dir;
    SnapshotRequest request;
    request.root = dir.path();
    USBSDK_GlobalTemperParam global{};
    USBSDK_GetCommonTemperParam(&global);
    request.global = global;
    {
        // The frame shown, kept on the worker's thread for the earlier way.
        FramePtr shown;
        QSemaphore done;
        std::atomic<int> code{-1};
        LivePlayer live;  // after what its connections use, so that it goes first
        QObject::connect(
            live.player(), &QVideoPlay::sendSnapshotResultSignals, live.player(),
            [&](int c) {
                code = c;
                done.release();
            },
            Qt::DirectConnection);
        QObject::connect(
            live.player(), &QVideoPlay::sendYUVSignals, live.player(),
            [&shown](const FramePtr& f, int, int) { shown = f; }, Qt::DirectConnection);
        quint64 dropped = 0;
        for (auto _ : state) {
            live.settle();
            const quint64 skippedBefore = live.skipped();
            QElapsedTimer timer;
            timer.start();
            if (ownThread) {
                QMetaObject::invokeMethod(live.player(), [&] { live.player()->setDealSnapshotSlots(request); });
            } else {
                QMetaObject::invokeMethod(live.player(), [&] {
                    const QString path = dir.filePath(QString::number(QDateTime::currentMSecsSinceEpoch()) + ".png");
                    emit live.player()->sendSnapshotResultSignals(
                        shown ? writeOnTheFrameWorker(request, shown, path) : SnapshotWriter::kNoFrame);
                });
            }
            done.acquire();
            state.SetIterationTime(timer.nsecsElapsed() / 1e9);
            if (code != 0) {
                state.SkipWithError("snapshot failed");
                break;
            }
            live.settle();
            dropped += live.skipped() - skippedBefore;
        }
        state.counters["dropped"] = double(dropped) / double(std::max<int64_t>(1, state.iterations()));
    }
    qint64 bytes = 0;
    int files = 0;
    for (QDirIterator it(dir.path(), {"*.png"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++files)
        bytes += QFileInfo(it.next()).size();
    state.counters["file_MB"] = files ? double(bytes) / 1e6 / files : 0.0;
    DeviceSdkWrapper::getInstance().Close();
}
BENCHMARK_CAPTURE(BM_RequestToFile, frame_worker, false)
    ->Args({640, 512})
    ->Args({1280, 1024})
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RequestToFile, own_thread, true)
    ->Args({640, 512})
    ->Args({1280, 1024})
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qRegisterMetaType<FramePtr>("FramePtr");
    qRegisterMetaType<RenderInfo>("RenderInfo");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
