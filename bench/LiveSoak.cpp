// Soak of the live page on the simulated camera, on the real clock. Two runs:
//   live_soak cycles [N]     N cycles (default 100) of: connect, draw 12
//                            rules (each kind twice), record, snapshot,
//                            unplug, replug
//   live_soak timed [S]      S seconds (default 600) of live video with 12
//                            rules, recording all along
// Options: --record-ms MS (cycle recording, default 2000), --rss-margin-mb MB
// (allowed growth of VmRSS, default 16: the mean of the last samples beside
// that of the first ones after the warm-up), --warmup N (cycles or minutes
// before the start figure, default 1; AddressSanitizer's quarantine takes a
// few cycles to fill), --keep DIR (write the files there and keep them).
// It prints progress, then the cycles done, VmRSS after the warm-up and at
// the end, the frames at each stage and the recordings with their
// completeness (ffprobe, when installed). Exit code 1 when a cycle fails, a
// file is incomplete or the memory grew beyond the margin. Without
// QT_QPA_PLATFORM the page is drawn offscreen; under the sanitizers leaks are
// reported at exit.

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVector>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "QIconTextVBtn.h"
#include "QLoginSetting.h"
#include "QPreviewModuleWidget.h"
#include "QVideoPlay.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoWndWidget.h"
#include "SanitizerDefaults.h"
#include "SceneMouse.h"
#include "SimCamera.h"
#include "StartUp.h"
#include "ThermalImageData.h"
#include "VideoSurface.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;
using Page = QVideoPreviewModuleWidget;
constexpr int kWaitMs = 10000;
// The page's removal check (3 s) plus the frames' alive limit and slack.
constexpr int kUnplugWaitMs = 15000;
constexpr int kCallLogEntries = 500;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

// Bytes the allocator has handed out and not got back (all arenas and its
// mapped blocks): beside
// VmRSS it tells live data from a fragmented heap. 0 where malloc is not
// glibc's (the sanitizers').
long heapKiB()
{
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

long rssKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

double simValue(const char* key)
{
    double v = 0;
    SIMCAM_GetValue(0, key, &v);
    return v;
}

QStringList filesUnder(const QString& root, const QString& pattern)
{
    QStringList files;
    QDirIterator it(root, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
}

// Frames at each stage: made and delivered by the camera, taken in and
// processed by the page's frame worker, drawn by the video surface.
struct Frames {
    quint64 produced = 0, delivered = 0, received = 0, processed = 0, shown = 0;
    qint64 dropped() const { return qint64(received) - qint64(processed); }
    Frames& operator+=(const Frames& o)
    {
        produced += o.produced;
        delivered += o.delivered;
        received += o.received;
        processed += o.processed;
        shown += o.shown;
        return *this;
    }
};

// The camera's counters start with each session, the page's with the page:
// a session's share is the page's counters minus those at its start.
class FrameLedger {
public:
    explicit FrameLedger(const Page& page) : page_(page) {}
    // The camera's figures, read while the session is open.
    void sampleCamera() { camera_ = cameraNow(); }
    // Closes the session's share: the camera's last sample, the page's
    // counters now.
    void closeSession()
    {
        const Frames now = pageNow();
        total_ += shareOf(camera_, now);
        base_ = now;
        camera_ = Frames();
    }
    // The totals with the running session's share so far.
    Frames running() const
    {
        Frames t = total_;
        return t += shareOf(cameraNow(), pageNow());
    }
    const Frames& total() const { return total_; }

private:
    static Frames cameraNow()
    {
        Frames f;
        f.produced = quint64(simValue("frameSeq"));
        f.delivered = quint64(simValue("framesDelivered"));
        return f;
    }
    Frames shareOf(const Frames& camera, const Frames& page) const
    {
        Frames share = camera;
        share.received = page.received - base_.received;
        share.processed = page.processed - base_.processed;
        share.shown = page.shown - base_.shown;
        return share;
    }
    Frames pageNow() const
    {
        Frames f;
        f.received = page_.videoPlay()->framesReceived();
        f.processed = page_.videoPlay()->framesProcessed();
        f.shown = page_.videoWnd()->getVideoWnd()->framesShown();
        return f;
    }
    const Page& page_;
    Frames camera_, base_, total_;
};

struct Options {
    bool timed = false;
    int count = 100;  // cycles or seconds
    int recordMs = 2000;
    double rssMarginMiB = 16;
    int warmup = 1;
    QString keep;
};

bool parse(int argc, char** argv, Options* o)
{
    int i = 1;
    if (i < argc && std::strcmp(argv[i], "timed") == 0) {
        o->timed = true;
        o->count = 600;
        ++i;
    } else if (i < argc && std::strcmp(argv[i], "cycles") == 0) {
        ++i;
    }
    if (i < argc && argv[i][0] != '-') o->count = std::max(1, std::atoi(argv[i++]));
    for (; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--record-ms") == 0)
            o->recordMs = std::max(200, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--rss-margin-mb") == 0)
            o->rssMarginMiB = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--warmup") == 0)
            o->warmup = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--keep") == 0)
            o->keep = QString::fromLocal8Bit(argv[i + 1]);
        else
            return false;
    }
    return i == argc;
}

class Soak {
public:
    Soak(const Options& options, const QString& root) : o_(options), root_(root)
    {
        ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", recordRoot());
        ConfigManager::getInstance().setValue("GeneralConfig", "ManualSnapshotPath", root_ + "/snap");
        page_ = std::make_unique<Page>();
        page_->resize(1006, 686);
        page_->show();
        ledger_ = std::make_unique<FrameLedger>(*page_);
    }
    ~Soak()
    {
        if (sdk().Connect()) page_->sceneView()->clearRules();
        ledger_.reset();
        page_.reset();
        sdk().Close();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(page_.get()); }
    QString recordRoot() const { return root_ + "/rec"; }
    const Frames& frames() const { return ledger_->total(); }

    // Connected, video drawn, thermal function open, live global block read.
    bool connectCamera()
    {
        const USBSDK_DeviceInfo info = simcamera::firstDevice();
        if (info.sdkDeviceId == 0) return fail("no camera listed");
        emit page_->loginDialog()->sendConncetDeviceSignal(info);
        const bool ready = QTest::qWaitFor(
            [&] {
                return page_->isConnected() && page_->videoPlay()->isVideoAlive() &&
                       !page_->sceneView()->isHidden() && page_->sidePanel()->isEnabled() &&
                       ThermalImageData::getInstance().getDevGlobalRuleConfig().has_value() &&
                       USBSDK_GetThermalFunctionStatus() != 0;
            },
            kWaitMs);
        return ready || fail("the page did not connect");
    }

    // Twelve rules, each kind twice, one per cell of a 4 x 3 grid over the
    // overlay so that no drawing starts on an earlier rule.
    bool drawRules()
    {
        QVideoSceneViewCtrl* scene = page_->sceneView();
        scene->clearRules();
        const SceneMouse mouse(scene);
        for (int i = 0; i < QVideoSceneViewCtrl::kMaxLiveRules; ++i) {
            const double u0 = (i % 4) * 0.25 + 0.04, u1 = u0 + 0.17;
            const double v0 = (i / 4) * (1.0 / 3) + 0.06, v1 = v0 + 0.21;
            const double uc = (u0 + u1) / 2, vc = (v0 + v1) / 2;
            switch (i % 6) {
            case 0:
                scene->setPointBtnSlots();
                mouse.click(mouse.at(uc, vc));
                break;
            case 1:
                scene->setLineBtnSlots();
                mouse.drag(mouse.at(u0, vc), mouse.at(u1, vc));
                break;
            case 2:
                scene->setRectBtnSlots();
                mouse.drag(mouse.at(u0, v0), mouse.at(u1, v1));
                break;
            case 3:
                scene->setEllipseBtnSlots();
                mouse.drag(mouse.at(u0, v0), mouse.at(u1, v1));
                break;
            case 4:
                scene->setCircularBtnSlots();
                mouse.drag(mouse.at(uc - 0.06, vc - 0.06), mouse.at(uc + 0.06, vc + 0.06));
                break;
            default:
                scene->setPolygonBtnSlots();
                mouse.click(mouse.at(u0, v0));
                mouse.click(mouse.at(u1, v0));
                mouse.click(mouse.at(u1, v1));
                mouse.click(mouse.at(u0, v1), Qt::RightButton);
                break;
            }
        }
        const int drawn = liveCount();
        if (drawn != QVideoSceneViewCtrl::kMaxLiveRules) return fail(QString("%1 rules drawn").arg(drawn));
        const bool sent = QTest::qWaitFor(
            [] {
                USBSDK_Rules received{};
                return SIMCAM_GetLastRules(0, SIMCAM_RULES_CLIENT, &received) &&
                       int(received.count) == QVideoSceneViewCtrl::kMaxLiveRules;
            },
            kWaitMs);
        return sent || fail("the camera did not get the 12 rules");
    }

    bool startRecording()
    {
        page_->recordButton()->click();
        return QTest::qWaitFor([&] { return page_->isRecording(); }, kWaitMs) || fail("the recording did not start");
    }
    bool stopRecording()
    {
        page_->recordButton()->click();
        return !page_->isRecording() || fail("the recording did not stop");
    }

    bool snapshot()
    {
        prompts_.clear();
        const int before = filesUnder(root_ + "/snap", "*.png").size();
        const qint64 dropsBefore = ledger_->running().dropped();
        page_->snapshotButton()->click();
        if (!QTest::qWaitFor([&] { return prompts_.count(Kind::Toast) + prompts_.count(Kind::Notice) > 0; },
                             kWaitMs))
            return fail("no snapshot result");
        // The frame that came in as the worker finished is processed by now.
        QTest::qWait(100);
        snapshotDrops_ += ledger_->running().dropped() - dropsBefore;
        for (const FakeUiPrompts::Call& c : prompts_.calls)
            if (c.kind == Kind::Notice || c.type != 0) return fail("snapshot: the page told \"" + c.text + "\"");
        const int after = filesUnder(root_ + "/snap", "*.png").size();
        return after == before + 1 || fail(QString("%1 snapshot files added").arg(after - before));
    }

    // Unplug; the page closes the session by itself after its removal check.
    bool unplug()
    {
        ledger_->sampleCamera();
        if (SIMCAM_Unplug(0) != 1) return fail("SIMCAM_Unplug refused");
        if (!QTest::qWaitFor([&] { return !page_->isConnected() && simValue("open") == 0; }, kUnplugWaitMs))
            return fail("the page did not let the unplugged camera go");
        // The last pending frame is processed or dropped by now.
        QTest::qWait(100);
        ledger_->closeSession();
        prompts_.clear();
        return true;
    }
    bool replug()
    {
        if (SIMCAM_Replug(0) != 1) return fail("SIMCAM_Replug refused");
        return QTest::qWaitFor([] { return simValue("present") == 1; }, kWaitMs) || fail("the camera did not return");
    }

    bool cycle()
    {
        if (!connectCamera() || !drawRules() || !startRecording()) return false;
        QTest::qWait(o_.recordMs);
        return stopRecording() && snapshot() && unplug() && replug();
    }

    Frames runningFrames() const { return ledger_->running(); }
    void endSession()
    {
        ledger_->sampleCamera();
        sdk().Close();
        QTest::qWait(200);
        ledger_->closeSession();
    }
    bool stillLive() const { return page_->isConnected() && page_->isRecording() && page_->videoPlay()->isVideoAlive(); }
    const QString& error() const { return error_; }
    // Frames the worker skipped while it wrote a snapshot.
    qint64 snapshotDrops() const { return snapshotDrops_; }

private:
    static int liveCount()
    {
        const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
        return list ? list->size() : -1;
    }
    bool fail(const QString& why)
    {
        error_ = why;
        return false;
    }

    const Options o_;
    const QString root_;
    FakeUiPrompts prompts_;  // before the page: no modal dialog ever opens
    std::unique_ptr<Page> page_;
    std::unique_ptr<FrameLedger> ledger_;
    QString error_;
    qint64 snapshotDrops_ = 0;
};

// Whether a recording is a whole, playable file: ffprobe reads its index and
// counts its packets. Unknown (-1) without ffprobe.
int packetsByFfprobe(const QString& path, double* seconds)
{
    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty()) return -1;
    QProcess probe;
    probe.start(ffprobe, {"-v", "error", "-select_streams", "v:0", "-count_packets", "-show_entries",
                          "stream=nb_read_packets:format=duration", "-of", "default=noprint_wrappers=1", path});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0) return 0;
    int packets = 0;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        if (line.startsWith("nb_read_packets=")) packets = line.mid(16).toInt();
        if (line.startsWith("duration=")) *seconds = line.mid(9).toDouble();
    }
    return packets;
}

// The offscreen platform says this at every synthesised mouse press.
QtMessageHandler gQtMessages = nullptr;
void quietMouseGrab(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith("This plugin does not support grabbing the mouse")) return;
    if (gQtMessages) gQtMessages(type, context, text);
}

void printFrames(const char* what, const Frames& f)
{
    std::printf("%s: camera produced %llu, delivered %llu; frame worker took in %llu, processed %llu "
                "(dropped %lld); surface drew %llu\n",
                what, (unsigned long long)f.produced, (unsigned long long)f.delivered,
                (unsigned long long)f.received, (unsigned long long)f.processed,
                (long long)f.dropped(), (unsigned long long)f.shown);
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, &o)) {
        std::fprintf(stderr,
                     "usage: live_soak [cycles [N] | timed [SECONDS]] [--record-ms MS] [--rss-margin-mb MB] "
                     "[--warmup N] [--keep DIR]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gQtMessages = qInstallMessageHandler(&quietMouseGrab);
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("CALIDRA_HOME")) qputenv("CALIDRA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    prepareApplication(app);
    const QString root = o.keep.isEmpty() ? home.path() + "/files" : QDir(o.keep).absolutePath();
    QDir().mkpath(root);
    setvbuf(stdout, nullptr, _IOLBF, 0);

    // The simulator's call log is a test record that grows to its capacity
    // (20000 entries of 400 bytes): kept short, its fill is not taken for
    // the page's growth.
    SIMCAM_SetValue(-1, "callLogCapacity", kCallLogEntries);
    SIMCAM_DeviceProfile profile{};
    SIMCAM_GetDeviceProfile(0, &profile);
    std::printf("camera %dx%d at %d fps; %s %d%s; files under %s\n", profile.width, profile.height, profile.fps,
                o.timed ? "timed run of" : "cycles:", o.count, o.timed ? " s" : "",
                root.toLocal8Bit().constData());

    QElapsedTimer clock;
    clock.start();
    int done = 0;
    long rssStart = -1, rssPeak = 0;
    QVector<long> rssAfterWarmup;  // one sample a cycle or minute
    QString error;
    bool ok = true;
    {
        Soak soak(o, root);
        if (!soak.exposed()) {
            std::fprintf(stderr, "the page was not shown\n");
            return 1;
        }
        if (!o.timed) {
            for (int i = 1; i <= o.count; ++i) {
                QElapsedTimer one;
                one.start();
                if (!soak.cycle()) {
                    ok = false;
                    error = QString("cycle %1: %2").arg(i).arg(soak.error());
                    break;
                }
                done = i;
                const long rss = rssKiB();
                if (i == o.warmup) rssStart = rss;
                if (i >= o.warmup) rssAfterWarmup << rss;
                rssPeak = std::max(rssPeak, rss);
                std::printf("cycle %3d  %5.1f s  VmRSS %ld KiB  heap %ld KiB  frames dropped so far %lld\n", i,
                            one.elapsed() / 1000.0, rss, heapKiB(),
                            (long long)soak.frames().dropped());
            }
        } else if (!soak.connectCamera() || !soak.drawRules() || !soak.startRecording()) {
            ok = false;
            error = soak.error();
        } else {
            for (int s = 0; s < o.count && ok; s += 60) {
                QTest::qWait(std::min(60, o.count - s) * 1000);
                done = std::min(s + 60, o.count);
                const long rss = rssKiB();
                if (s / 60 + 1 == o.warmup) rssStart = rss;
                if (s / 60 + 1 >= o.warmup) rssAfterWarmup << rss;
                rssPeak = std::max(rssPeak, rss);
                const Frames f = soak.runningFrames();
                std::printf("%4d s  VmRSS %ld KiB  heap %ld KiB  produced %llu  processed %llu  dropped %lld  drawn %llu\n", done,
                            rss, heapKiB(), (unsigned long long)f.produced, (unsigned long long)f.processed,
                            (long long)f.dropped(), (unsigned long long)f.shown);
                if (!soak.stillLive()) {
                    ok = false;
                    error = QString("at %1 s the live video or the recording stopped").arg(done);
                }
            }
            if (ok && !soak.stopRecording()) {
                ok = false;
                error = soak.error();
            }
            soak.endSession();
        }
        const long rssEnd = rssKiB();
        const double seconds = clock.elapsed() / 1000.0;
        std::printf("\n%s completed: %d of %d in %.1f s\n", o.timed ? "seconds" : "cycles", done, o.count, seconds);
        std::printf("VmRSS after warm-up %ld KiB, at the end %ld KiB (growth %+ld KiB, peak %ld KiB)\n", rssStart,
                    rssEnd, rssEnd - rssStart, rssPeak);
        const Frames& f = soak.frames();
        printFrames("frames", f);
        if (!o.timed)
            std::printf("  of the dropped, while a snapshot was written: %lld\n", (long long)soak.snapshotDrops());
        if (o.timed && seconds > 0)
            std::printf("camera rate %.2f frames/s of %d nominal\n", f.produced / double(o.count), profile.fps);
        // Growth: the mean of the last samples beside the mean of the first
        // after the warm-up, as one sample swings by megabytes (the
        // allocator, the sanitizer's quarantine).
        const int window = std::min(10, int(rssAfterWarmup.size()) / 3);
        const auto mean = [&](int from) {
            double sum = 0;
            for (int k = from; k < from + window; ++k) sum += rssAfterWarmup[k];
            return long(sum / window);
        };
        if (window > 0) {
            const long first = mean(0), last = mean(int(rssAfterWarmup.size()) - window);
            std::printf("VmRSS mean of the first %d samples after warm-up %ld KiB, of the last %d %ld KiB "
                        "(growth %+ld KiB, allowed %.0f MiB)\n",
                        window, first, window, last, last - first, o.rssMarginMiB);
            if (last - first > long(o.rssMarginMiB * 1024)) {
                ok = false;
                if (error.isEmpty()) error = QString("VmRSS grew by more than %1 MiB").arg(o.rssMarginMiB);
            }
        }

        const QStringList files = filesUnder(soak.recordRoot(), "*.mp4");
        int incomplete = 0, unknown = 0;
        for (const QString& file : files) {
            double duration = 0;
            const int packets = packetsByFfprobe(file, &duration);
            if (packets < 0) ++unknown;
            if (packets == 0) {
                ++incomplete;
                std::printf("  incomplete: %s\n", file.toLocal8Bit().constData());
            } else if (o.timed || files.size() <= 3) {
                std::printf("  %s: %d packets, %.1f s\n", file.toLocal8Bit().constData(), packets, duration);
            }
        }
        std::printf("recordings: %d files, %d complete, %d incomplete%s\n", int(files.size()),
                    int(files.size()) - incomplete - unknown, incomplete, unknown ? " (ffprobe missing)" : "");
        if (!o.timed && files.size() != done) {
            ok = false;
            if (error.isEmpty()) error = QString("%1 recordings for %2 cycles").arg(files.size()).arg(done);
        }
        if (incomplete > 0) {
            ok = false;
            if (error.isEmpty()) error = "incomplete recordings";
        }
        std::printf("snapshots: %d files\n", int(filesUnder(root + "/snap", "*.png").size()));
    }
    std::printf("%s\n", ok ? "PASS" : qPrintable("FAIL: " + error));
    return ok ? 0 : 1;
}
