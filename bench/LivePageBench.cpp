// The running live page on the simulated camera at 1280 x 1024 and 60 fps:
// frames drawn per second and the process's CPU share over the same time,
// then split by thread (from /proc/self/task: the GUI, the frame worker, the
// OpenCV pool, the camera layer's threads, the others by name). First the
// camera alone, streaming into a sink that does nothing (what the simulator
// itself costs), then the main window with the camera connected through the
// live page's connect slot. Run by hand:
//   livepage_bench [seconds]            (default 10)
// CALIDRA_SIMCAM chooses another camera ("size=WxH;fps=N"); without
// QT_QPA_PLATFORM the window is drawn offscreen.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "MainWindow.h"
#include "QVideoPlay.h"
#include "QTempRule.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoWndWidget.h"
#include "StartUp.h"
#include "VideoSurface.h"
#include "simcam.h"

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU seconds of every thread of the process by thread id, with its name.
struct ThreadTimes {
    std::map<int, std::pair<QString, double>> byTid;
};

// The frame worker's own thread; threads started from it inherit its name
// (OpenCV's pool, started by the renderer's first resize).
int gFrameWorkerTid = 0;
QString gFrameWorkerName;

QString threadLabel(int tid, const QString& comm)
{
    if (tid == getpid()) return QStringLiteral("GUI (main)");
    if (tid == gFrameWorkerTid) return QStringLiteral("frame worker (") + comm + ")";
    if (gFrameWorkerTid && comm == gFrameWorkerName) return QStringLiteral("OpenCV pool");
    return comm;
}

ThreadTimes threadTimes()
{
    ThreadTimes t;
    const double tick = double(sysconf(_SC_CLK_TCK));
    for (const QString& tid : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm("/proc/self/task/" + tid + "/comm"), stat("/proc/self/task/" + tid + "/stat");
        if (!comm.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly)) continue;
        const QString name = threadLabel(tid.toInt(), QString::fromUtf8(comm.readAll()).trimmed());
        // The fields after the name, which may hold spaces: state is the
        // 3rd field, utime and stime the 14th and 15th.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13) continue;
        t.byTid[tid.toInt()] = {name, (fields[11].toDouble() + fields[12].toDouble()) / tick};
    }
    return t;
}

// The CPU of the threads over the interval, summed by name, as % of one
// core, largest first. Threads that ended meanwhile are not counted.
void reportThreads(const ThreadTimes& before, const ThreadTimes& after, double seconds)
{
    std::map<QString, std::pair<double, int>> byName;
    for (const auto& [tid, entry] : after.byTid) {
        const auto was = before.byTid.find(tid);
        const double used = entry.second - (was == before.byTid.end() ? 0.0 : was->second.second);
        auto& sum = byName[entry.first];
        sum.first += used;
        ++sum.second;
    }
    std::vector<std::pair<QString, std::pair<double, int>>> rows(byName.begin(), byName.end());
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second.first > b.second.first; });
    for (const auto& [name, sum] : rows) {
        if (sum.first <= 0.0) continue;
        std::printf("    %-32s %2d thread%s %6.1f %%\n", name.toUtf8().constData(), sum.second,
                    sum.second == 1 ? " " : "s", 100.0 * sum.first / seconds);
    }
}

// Runs the event loop until done() or the time is up (set-up only).
bool spinUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

struct Figure {
    double seconds = 0;
    double cpu = 0;
    quint64 frames = 0;
    double delivered = 0;
    ThreadTimes threadsBefore, threadsAfter;
};

// Spins the event loop for the given time and measures it.
Figure measure(int seconds, const std::function<quint64()>& frames)
{
    double deliveredBefore = 0;
    SIMCAM_GetValue(0, "framesDelivered", &deliveredBefore);
    const quint64 framesBefore = frames();
    Figure f;
    f.threadsBefore = threadTimes();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    // A plain event loop, so that waiting costs nothing of its own.
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    f.seconds = timer.elapsed() / 1000.0;
    f.cpu = cpuSeconds() - cpuBefore;
    f.threadsAfter = threadTimes();
    f.frames = frames() - framesBefore;
    double deliveredAfter = 0;
    SIMCAM_GetValue(0, "framesDelivered", &deliveredAfter);
    f.delivered = deliveredAfter - deliveredBefore;
    return f;
}

void report(const char* what, const Figure& f)
{
    const int cores = QThread::idealThreadCount();
    std::printf("%-28s %6.1f frames/s shown, %6.1f frames/s delivered, CPU %6.1f %% of one core (%5.1f %% of %d)\n",
                what, f.frames / f.seconds, f.delivered / f.seconds, 100.0 * f.cpu / f.seconds,
                100.0 * f.cpu / f.seconds / cores, cores);
    reportThreads(f.threadsBefore, f.threadsAfter, f.seconds);
}

std::atomic<quint64> gSinkFrames{0};

void countFrame(const unsigned char*, int, const unsigned char*, int, int, int, void*)
{
    ++gSinkFrames;
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (qEnvironmentVariableIsEmpty("CALIDRA_SIMCAM")) qputenv("CALIDRA_SIMCAM", "size=1280x1024;fps=60");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("CALIDRA_HOME")) qputenv("CALIDRA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    prepareApplication(app);
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();

    USBSDK_DeviceInfo list[8];
    std::memset(list, 0, sizeof list);
    if (sdk.GetDevInfoList(list, 8) < 1) {
        std::fprintf(stderr, "no camera listed\n");
        return 1;
    }
    SIMCAM_DeviceProfile profile{};
    SIMCAM_GetDeviceProfile(0, &profile);
    std::printf("camera %dx%d at %d fps, %d s per figure\n", profile.width, profile.height, profile.fps, seconds);

    // The simulator alone.
    if (!sdk.Open(&list[0]) || !USBSDK_StartRealPlay(&countFrame, &gSinkFrames)) {
        std::fprintf(stderr, "the camera did not open\n");
        return 1;
    }
    spinUntil([] { return gSinkFrames.load() > 10; }, 5000);
    report("camera only (empty sink)", measure(seconds, [] { return gSinkFrames.load(); }));
    USBSDK_StopRealPlay(&gSinkFrames);
    sdk.Close();

    // The live page.
    MainWindow window;
    window.show();
    QVideoPreviewModuleWidget* page = window.videoPreview();
    page->setConnectDeviceSlot(list[0]);
    if (!spinUntil([page] { return page->isConnected(); }, 10000)) {
        std::fprintf(stderr, "the live page did not connect\n");
        return 1;
    }
    emit page->tempRule()->sendOpenThermalFuncRetSignal(true);
    QMetaObject::invokeMethod(
        page->videoPlay(), [] { return int(gettid()); }, Qt::BlockingQueuedConnection, &gFrameWorkerTid);
    gFrameWorkerName = page->videoPlay()->thread()->objectName().left(15);
    const VideoSurface* surface = page->videoWnd()->getVideoWnd();
    spinUntil([surface] { return surface->framesShown() > 30; }, 5000);
    std::printf("video widget %dx%d\n", surface->width(), surface->height());
    report("live page", measure(seconds, [surface] { return surface->framesShown(); }));
    sdk.Close();
    return 0;
}
