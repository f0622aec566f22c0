// A snapshot's time from the request to the finished file: day folder, free
// space, PNG of the display frame and the radiometric data behind it, at
// 640 x 512 and 1280 x 1024, into a temporary folder on the local disk.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include "DeviceSdkWrapper.h"
#include "LiveFrame.h"
#include "SnapshotWriter.h"
#include "simcam.h"

namespace {

LiveFrame gFrame;

void copyFrame(const unsigned char* yuv, int yuvLen, const unsigned char* raw, int rawLen, int w, int h, void*)
{
    gFrame.width = w;
    gFrame.height = h;
    gFrame.yuv.assign(yuv, yuv + yuvLen);
    gFrame.raw.assign(raw, raw + rawLen);
}

void BM_Snapshot(benchmark::State& state)
{
    SIMCAM_Reset();
    SIMCAM_SetClockMode(1);
    SIMCAM_SetFrameSize(0, int(state.range(0)), int(state.range(1)));
    USBSDK_DeviceInfo info{};
    if (USBSDK_GetDevInfoList(&info, 1) != 1 || !DeviceSdkWrapper::getInstance().Open(&info)) {
        state.SkipWithError("no simulated camera");
        return;
    }
    USBSDK_StartRealPlay(copyFrame, &gFrame);
    SIMCAM_StepFrames(1);
    USBSDK_StopRealPlay(&gFrame);
    const FramePtr frame = std::make_shared<const LiveFrame>(gFrame);

    QTemporaryDir dir;
    SnapshotRequest request;
    request.root = dir.path();
    USBSDK_GlobalTemperParam global{};
    USBSDK_GetCommonTemperParam(&global);
    request.global = global;
    qint64 bytes = 0;
    for (auto _ : state) {
        QString path;
        if (SnapshotWriter::take(request, frame, QDateTime::currentDateTime(), &path) != 0) {
            state.SkipWithError("snapshot failed");
            break;
        }
        state.PauseTiming();
        bytes += QFile(path).size();
        QFile::remove(path);
        state.ResumeTiming();
    }
    state.counters["file_MB"] =
        benchmark::Counter(double(bytes) / 1e6 / double(std::max<int64_t>(1, state.iterations())));
    DeviceSdkWrapper::getInstance().Close();
}
BENCHMARK(BM_Snapshot)->Args({640, 512})->Args({1280, 1024})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
