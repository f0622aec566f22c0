// The frame worker over the simulated camera on its manual clock: intake
// and its checks, output codes, the hand-off, freeze, both display modes,
// the zoom crop, the frames-per-second figure, the alive rule, start
// failures, players that come and go while others keep playing, and
// snapshots written beside the frames on a thread of their own.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "FreeSpaceProbe.h"
#include "ImageBufferHelpers.h"
#include "QVideoPlay.h"
#include "RenderCore.h"
#include "SnapshotRequest.h"
#include "ThermalImageData.h"
#include "VideoPlayHarness.h"
#include "VideoSurface.h"
#include "camsdk.h"
#include "simcam.h"

namespace {

// The worker's ticks follow the simulated clock; the offset keeps them
// clear of 0, which means "no frame".
qint64 simulatedTick()
{
    return SIMCAM_Now() + 1000000;
}

class QVideoPlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        freshCamera(160, 120);
        QVideoPlay::setTickSource(&simulatedTick);
        DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
        sdk.setFrozen(false);
        for (int type : {DeviceSdkWrapper::kDumpYuv, DeviceSdkWrapper::kDumpRaw}) {
            sdk.stopFrameDump(type);
            sdk.setFrameDumpEnable(false, type);
        }
        surface_.resize(200, 160);
        surface_.show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        DeviceSdkWrapper::getInstance().setFrozen(false);
        QVideoPlay::setTickSource(nullptr);
        SIMCAM_Reset();
    }

    // A camera of its own start configuration, open, on the manual clock.
    static void freshCamera(int width, int height)
    {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_EQ(SIMCAM_SetFrameSize(0, width, height), 1);
        USBSDK_DeviceInfo list[8] = {};
        ASSERT_GT(USBSDK_GetDevInfoList(list, 8), 0);
        ASSERT_EQ(USBSDK_Open(&list[0]), 1);
    }
    // n frames, each processed by every player before the next comes.
    static void step(int n, std::initializer_list<VideoPlayHarness*> players)
    {
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(SIMCAM_StepFrames(1), 1);
            for (VideoPlayHarness* p : players) p->flush();
        }
    }
    static double sim(const char* key)
    {
        double v = -1;
        EXPECT_EQ(SIMCAM_GetValue(0, key, &v), 1) << key;
        return v;
    }

    VideoSurface surface_;
};

TEST_F(QVideoPlayTest, OutputZeroComesOnceForEveryNewSize)
{
    VideoPlayHarness play;
    play.startPlay(&surface_, true);
    EXPECT_TRUE(play.outputs.empty());
    EXPECT_EQ(play.player()->getFrameSize(), QSize(0, 0));

    step(3, {&play});
    EXPECT_EQ(play.outputs, std::vector<int>({0}));
    EXPECT_EQ(play.player()->getFrameSize(), QSize(160, 120));
    EXPECT_EQ(gVideoWidth.load(), 160);
    EXPECT_EQ(gVideoHeight.load(), 120);

    ASSERT_EQ(SIMCAM_SetFrameSize(0, 96, 64), 1);
    step(2, {&play});
    ASSERT_EQ(SIMCAM_SetFrameSize(0, 160, 120), 1);
    step(2, {&play});
    EXPECT_EQ(play.outputs, std::vector<int>({0, 0, 0}));
    EXPECT_EQ(gVideoWidth.load(), 160);

    // A stop forgets the size: the first frame after a new start is new.
    play.stopPlay();
    EXPECT_EQ(play.player()->getFrameSize(), QSize(0, 0));
    play.startPlay(&surface_, true);
    step(2, {&play});
    EXPECT_EQ(play.outputs, std::vector<int>({0, 0, 0, 0}));
    EXPECT_EQ(play.frames.size(), 9u);
}

TEST_F(QVideoPlayTest, FramesThatDoNotHoldWhatTheySayAreDropped)
{
    struct Case {
        const char* what;
        int fault;
        int width, height;
        int frames;  // stepped
        int taken;
        bool raw;
    };
    const Case cases[] = {
        {"whole frames", SIMCAM_FAULT_NONE, 160, 120, 3, 3, true},
        {"no raw buffer", SIMCAM_FAULT_RAW_MISSING, 160, 120, 3, 3, false},
        {"raw length without its block", SIMCAM_FAULT_RAW_LEN_NO_BLOCK, 160, 120, 3, 3, false},
        {"display frame 2 bytes short", SIMCAM_FAULT_YUV_LEN_SHORT, 160, 120, 3, 0, false},
        {"odd height", SIMCAM_FAULT_NONE, 160, 121, 3, 0, false},
        {"every 10th frame of no size", SIMCAM_FAULT_ZERO_SIZE_EVERY10, 160, 120, 10, 9, true},
        {"every 10th frame without display", SIMCAM_FAULT_NULL_YUV_EVERY10, 160, 120, 10, 9, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshCamera(c.width, c.height);
        ASSERT_EQ(SIMCAM_SetStreamFault(0, c.fault), 1);
        VideoPlayHarness play;
        play.startPlay(&surface_, true);
        step(c.frames, {&play});
        ASSERT_EQ(int(play.frames.size()), c.taken);
        EXPECT_EQ(play.outputs, c.taken ? std::vector<int>({0}) : std::vector<int>());
        for (const FramePtr& f : play.frames) {
            EXPECT_EQ(f->width, c.width);
            EXPECT_EQ(f->height, c.height);
            EXPECT_EQ(f->yuv.size(), size_t(c.width) * size_t(c.height) * 2);
            EXPECT_EQ(f->raw.size(), c.raw ? size_t(c.width) * size_t(c.height) * 2 + 1368 : 0u);
        }
    }
}

TEST_F(QVideoPlayTest, FrozenVideoShowsTheSameStoredFrameEverywhere)
{
    VideoPlayHarness video, rgb;
    video.startPlay(&surface_, true);
    rgb.startPlay(&surface_, false);
    step(2, {&video, &rgb});
    ASSERT_TRUE(surface_.hasFrame());
    const QImage shownBefore = surface_.frame();
    const FramePtr videoBefore = video.frames.back(), rgbBefore = rgb.frames.back();
    const QImage imageBefore = rgb.images.back();
    const quint64 drawnBefore = surface_.framesShown();

    DeviceSdkWrapper::getInstance().setFrozen(true);
    step(3, {&video, &rgb});
    ASSERT_EQ(video.frames.size(), 5u);
    ASSERT_EQ(rgb.frames.size(), 5u);
    ASSERT_EQ(rgb.images.size(), 5u);
    for (size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(video.frames[i], videoBefore) << i;
        EXPECT_EQ(rgb.frames[i], rgbBefore) << i;
        EXPECT_EQ(rgb.images[i], imageBefore) << i;
    }
    EXPECT_EQ(surface_.framesShown(), drawnBefore + 3);
    EXPECT_EQ(surface_.frame(), shownBefore);
    EXPECT_TRUE(videoBefore->hasRaw());  // the raw frame stays with its picture

    DeviceSdkWrapper::getInstance().setFrozen(false);
    step(1, {&video, &rgb});
    EXPECT_NE(video.frames.back()->yuv, videoBefore->yuv);
    EXPECT_NE(rgb.images.back(), imageBefore);
    EXPECT_NE(surface_.frame(), shownBefore);
}

TEST_F(QVideoPlayTest, RgbModeEmitsTheWholeFrameConverted)
{
    for (const QSize size : {QSize(160, 120), QSize(90, 64)}) {  // 90 * 3 bytes: padded lines
        SCOPED_TRACE(size.width());
        freshCamera(size.width(), size.height());
        surface_.clearFrame();
        VideoPlayHarness rgb;
        rgb.startPlay(&surface_, false);
        step(1, {&rgb});
        ASSERT_EQ(rgb.images.size(), 1u);
        ASSERT_EQ(rgb.frames.size(), 1u);
        const QImage& image = rgb.images[0];
        ASSERT_EQ(image.size(), size);
        ASSERT_EQ(image.format(), QImage::Format_RGB888);
        std::vector<uint8_t> row(size_t(size.width()) * 3);
        const uint8_t* yuv = rgb.frames[0]->yuv.data();
        for (int y = 0; y < size.height(); ++y) {
            Yuv422ToRgb(yuv + size_t(y) * size_t(size.width()) * 2, row.data(), size.width(), 1);
            ASSERT_EQ(std::memcmp(image.constScanLine(y), row.data(), row.size()), 0) << "row " << y;
        }
        EXPECT_FALSE(surface_.hasFrame());  // RGB mode draws nothing

        // Without a receiver of pictures (the bad-pixel editor) the frames
        // still reach the YUV listeners.
        QObject::disconnect(rgb.player(), &QVideoPlay::sendRGBSignal, nullptr, nullptr);
        step(1, {&rgb});
        EXPECT_EQ(rgb.frames.size(), 2u);
        EXPECT_EQ(rgb.images.size(), 1u);
    }
}

TEST_F(QVideoPlayTest, VideoModeDrawsTheZoomCropAtTheWidgetsSize)
{
    freshCamera(640, 512);
    VideoPlayHarness play;
    play.startPlay(&surface_, true);
    EXPECT_EQ(play.player()->setZoomStep(16), QPoint(0, 0));  // no frame yet
    step(1, {&play});
    struct Case {
        int step;
        QPoint offsets;
    };
    for (const Case& c : {Case{-1, {0, 0}}, Case{0, {0, 0}}, Case{99, {840, 672}}, Case{16, {840, 672}}})
        EXPECT_EQ(play.player()->setZoomStep(c.step), c.offsets) << c.step;
    step(1, {&play});
    const QImage shown = surface_.frame();
    ASSERT_EQ(shown.size(), QSize(200, 160));

    // The same frame drawn by hand from the crop of step 16.
    VideoSurface reference;
    reference.resize(200, 160);
    reference.show();
    QCoreApplication::processEvents();
    RenderViewOpen record;
    record.window = &reference;
    const RenderCore::Handle view = RenderCore::open(&record);
    ASSERT_EQ(RenderCore::setSize(view, 640, 512), 1);
    const RenderFrameDesc d = RenderCore::describe(play.frames.back()->yuv.data(), 640, 512);
    const RenderRect crop = RenderCore::sourceRect(640, 512, 840, 672);
    ASSERT_EQ(RenderCore::draw(view, &d, &crop, 0), 1);
    ASSERT_EQ(RenderCore::present(view), 1);
    QCoreApplication::sendPostedEvents();
    RenderCore::close(view);
    EXPECT_EQ(reference.frame(), shown);
}

TEST_F(QVideoPlayTest, SwitchingModesMovesTheFramesBetweenWidgetAndPictures)
{
    VideoPlayHarness play;
    play.startPlay(&surface_, true);
    step(1, {&play});
    EXPECT_TRUE(surface_.hasFrame());
    EXPECT_TRUE(play.images.empty());

    play.startPlay(&surface_, false);
    EXPECT_FALSE(surface_.hasFrame());  // back to its idle look
    step(2, {&play});
    EXPECT_FALSE(surface_.hasFrame());
    EXPECT_EQ(play.images.size(), 2u);

    play.startPlay(&surface_, true);
    step(1, {&play});
    EXPECT_TRUE(surface_.hasFrame());
    EXPECT_EQ(play.images.size(), 2u);
    EXPECT_EQ(play.frames.size(), 4u);
}

TEST_F(QVideoPlayTest, TheRateFigureIsCappedAtTheCamerasAndTakenOnlyWhileConnected)
{
    VideoPlayHarness play;
    play.startPlay(&surface_, true);
    // The figure's timer runs on real time; while the camera does not
    // confirm the connection it takes no figure and the count goes on.
    ASSERT_EQ(SIMCAM_SetConnectConfirms(0), 1);
    play.flush();
    play.fps.clear();
    step(20, {&play});
    play.run([&] { play.player()->setFPSCountTimerSlot(); });
    play.flush();
    EXPECT_TRUE(play.fps.empty());
    step(11, {&play});
    ASSERT_EQ(USBSDK_GetFps(), 25);
    play.run([&] {
        SIMCAM_SetConnectConfirms(1);
        play.player()->setFPSCountTimerSlot();  // 31 frames counted
        SIMCAM_SetConnectConfirms(0);
    });
    play.flush();
    ASSERT_FALSE(play.fps.empty());
    EXPECT_EQ(play.fps.front(), 25.0f);

    play.fps.clear();
    step(7, {&play});
    play.run([&] {
        SIMCAM_SetConnectConfirms(1);
        play.player()->setFPSCountTimerSlot();
        SIMCAM_SetConnectConfirms(0);
    });
    play.flush();
    ASSERT_FALSE(play.fps.empty());
    EXPECT_EQ(play.fps.front(), 7.0f);
}

TEST_F(QVideoPlayTest, VideoIsAliveUntil2000MsAfterTheLastFrame)
{
    VideoPlayHarness play;
    play.startPlay(&surface_, true);
    QVideoPlay* p = play.player();
    EXPECT_FALSE(p->isVideoAlive());
    step(1, {&play});
    EXPECT_TRUE(p->isVideoAlive());
    play.startPlay(&surface_, true);  // a new start forgets the last frame at once
    EXPECT_FALSE(p->isVideoAlive());
    step(1, {&play});
    EXPECT_TRUE(p->isVideoAlive());

    play.stopPlay();
    ASSERT_EQ(SIMCAM_AdvanceTime(1999), 1);
    EXPECT_TRUE(p->isVideoAlive());
    ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
    EXPECT_TRUE(p->isVideoAlive());  // 2000 ms
    ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
    EXPECT_FALSE(p->isVideoAlive());
}

TEST_F(QVideoPlayTest, DestroyingAPlayerStopsOnlyItsOwnFrames)
{
    VideoPlayHarness live, dialog;
    live.startPlay(&surface_, true);
    dialog.startPlay(&surface_, false);
    step(1, {&live, &dialog});
    EXPECT_EQ(sim("sinks"), 2.0);
    SIMCAM_ClearCallLog();

    dialog.destroyPlayer();
    EXPECT_EQ(sim("sinks"), 1.0);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_StopRealPlay"), 1);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_Close"), 0);
    EXPECT_EQ(USBSDK_Connect(), 1);

    step(3, {&live});
    EXPECT_EQ(live.frames.size(), 4u);
    EXPECT_EQ(dialog.frames.size(), 1u);
}

TEST_F(QVideoPlayTest, StartOfPlayReportsARefusalWithOne)
{
    QWidget plain;
    struct Case {
        const char* what;
        std::function<void()> arrange;
        void* target;
        bool video;
        std::vector<int> outputs;
        int starts;  // USBSDK_StartRealPlay calls
    };
    const Case cases[] = {
        {"camera refuses", [] { SIMCAM_FailNext("StartRealPlay", 1, 0); }, &surface_, true, {1}, 1},
        {"camera closed", [] { USBSDK_Close(); }, &surface_, false, {1}, 1},
        {"no target", [] {}, nullptr, true, {}, 0},
        {"target cannot show video", [] {}, &plain, true, {}, 0},
        {"target cannot show video, RGB mode", [] {}, &plain, false, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshCamera(160, 120);
        c.arrange();
        SIMCAM_ClearCallLog();
        VideoPlayHarness play;
        play.startPlay(c.target, c.video);
        EXPECT_EQ(play.outputs, c.outputs);
        EXPECT_EQ(SIMCAM_CountCalls("USBSDK_StartRealPlay"), c.starts);
    }
}

TEST_F(QVideoPlayTest, ANewerFrameReplacesTheOneWaitingForTheWorker)
{
    VideoPlayHarness busy, reference;
    busy.startPlay(&surface_, false);
    reference.startPlay(&surface_, false);
    QSemaphore gate;
    busy.post([&gate] { gate.acquire(); });
    step(5, {&reference});
    gate.release();
    busy.flush();
    ASSERT_EQ(busy.frames.size(), 1u);
    ASSERT_EQ(reference.frames.size(), 5u);
    EXPECT_EQ(busy.frames[0]->yuv, reference.frames.back()->yuv);
    EXPECT_NE(busy.frames[0]->yuv, reference.frames[3]->yuv);
}

TEST_F(QVideoPlayTest, AHeldFrameStaysIntactWhateverFollows)
{
    VideoPlayHarness play;
    play.startPlay(&surface_, false);
    step(1, {&play});
    const FramePtr held = play.frames[0];
    const std::vector<uint8_t> yuv = held->yuv, raw = held->raw;
    play.frames.clear();
    play.images.clear();

    ASSERT_EQ(SIMCAM_SetFrameSize(0, 96, 64), 1);
    step(6, {&play});
    play.frames.clear();  // released: their buffers go back for reuse
    ASSERT_EQ(SIMCAM_SetFrameSize(0, 160, 120), 1);
    step(6, {&play});
    EXPECT_EQ(held->width, 160);
    EXPECT_EQ(held->height, 120);
    EXPECT_EQ(held->yuv, yuv);
    EXPECT_EQ(held->raw, raw);
    for (const FramePtr& f : play.frames) EXPECT_NE(f.get(), held.get());
}

TEST_F(QVideoPlayTest, OnlyTheFeedingPlayerWritesTheFrameDump)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("frames.yuv");
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    VideoPlayHarness dialog;
    dialog.startPlay(&surface_, false);
    step(1, {&dialog});
    EXPECT_FALSE(sdk.startFrameDump(path, 2, nullptr, nullptr, DeviceSdkWrapper::kDumpYuv));

    VideoPlayHarness live;
    live.player()->setFeedsFrameDump(true);
    live.startPlay(&surface_, true);
    step(1, {&live, &dialog});
    ASSERT_TRUE(sdk.startFrameDump(path, 2, nullptr, nullptr, DeviceSdkWrapper::kDumpYuv));
    step(3, {&live, &dialog});
    EXPECT_EQ(QFile(path).size(), 2 * 160 * 120 * 2);
}

// ---- Snapshots -----------------------------------------------------------------------

qint64 plentyOfSpace(const QString&)
{
    return qint64(100) << 30;
}

// The snapshot thread held in its hook: entered() returns once a write has
// begun, let() lets that many go on.
struct HeldWrites {
    QSemaphore begun, gate;
    std::function<void()> hook()
    {
        return [this] {
            begun.release();
            gate.acquire();
        };
    }
    void entered() { begun.acquire(); }
    void let(int n = 1) { gate.release(n); }
};

class SnapshotThreadTest : public QVideoPlayTest {
protected:
    void SetUp() override
    {
        QVideoPlayTest::SetUp();
        FreeSpaceProbe::setSource(&plentyOfSpace);
        request_.root = dir_.path();
        USBSDK_GlobalTemperParam global{};
        ASSERT_NE(USBSDK_GetCommonTemperParam(&global), 0);
        request_.global = global;
    }
    void TearDown() override
    {
        ThermalImageData::getInstance().freePic();
        FreeSpaceProbe::setSource(nullptr);
        QVideoPlayTest::TearDown();
    }
    QStringList snapshotFiles() const
    {
        QStringList files;
        QDirIterator it(dir_.path(), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
        files.sort();
        return files;
    }
    // The file is the PNG of frame with its radiometric data behind it.
    static void expectPictureOf(const QString& path, const FramePtr& frame)
    {
        QImage shown(path);
        ASSERT_EQ(shown.size(), QSize(frame->width, frame->height));
        shown = shown.convertToFormat(QImage::Format_RGB888);
        std::vector<uint8_t> rgb(size_t(frame->width) * size_t(frame->height) * 3);
        Yuv422ToRgb(frame->yuv.data(), rgb.data(), frame->width, frame->height);
        const size_t line = size_t(frame->width) * 3;
        for (int y = 0; y < frame->height; ++y)
            ASSERT_EQ(std::memcmp(shown.constScanLine(y), rgb.data() + size_t(y) * line, line), 0) << "row " << y;
        ThermalImageData& picture = ThermalImageData::getInstance();
        ASSERT_EQ(picture.readPicFile(path), 0);
        EXPECT_EQ(picture.getPicHeaderInfo(), 0);
        EXPECT_EQ(picture.getThermalGraph(), 0);
    }

    QTemporaryDir dir_;
    SnapshotRequest request_;
};

TEST_F(SnapshotThreadTest, FramesGoOnWhileSnapshotsAreWrittenOneAfterTheOther)
{
    VideoPlayHarness play;
    QVideoPlay* p = play.player();
    HeldWrites held;
    p->setSnapshotHook(held.hook());
    QSignalSpy results(p, &QVideoPlay::sendSnapshotResultSignals);
    QSignalSpy heatMaps(p, &QVideoPlay::sendHeatMapExportRetSignal);
    QStringList told;  // both, in the order emitted (on the worker's thread)
    QObject::connect(p, &QVideoPlay::sendSnapshotResultSignals, p, [&](int code) { told << QString::number(code); },
                     Qt::DirectConnection);
    QObject::connect(p, &QVideoPlay::sendHeatMapExportRetSignal, p, [&](const QString&) { told << "heat map"; },
                     Qt::DirectConnection);
    play.startPlay(&surface_, false);
    step(2, {&play});
    const FramePtr asked = play.frames.back();
    play.run([&] { p->setHeatMapExportSlot(request_); });
    play.run([&] { p->setDealSnapshotSlots(request_); });
    held.entered();

    // Every frame is processed while the first snapshot is held.
    const quint64 received = p->framesReceived(), processed = p->framesProcessed();
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(SIMCAM_StepFrames(1), 1);
        play.run([] {});
    }
    EXPECT_EQ(p->framesReceived(), received + 5);
    EXPECT_EQ(p->framesProcessed(), processed + 5);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(play.frames.size(), 7u);
    EXPECT_NE(play.frames.back()->yuv, asked->yuv);
    EXPECT_EQ(results.count(), 0);

    // The second waits for the first, which is told before it begins.
    held.let();
    held.entered();
    play.run([] {});
    ASSERT_EQ(results.count(), 1);
    EXPECT_EQ(results.at(0).at(0).toInt(), 0);
    ASSERT_EQ(heatMaps.count(), 1);
    const QString first = heatMaps.at(0).at(0).toString();
    expectPictureOf(first, asked);

    held.let();
    play.flush();
    ASSERT_EQ(results.count(), 2);
    EXPECT_EQ(results.at(1).at(0).toInt(), 0);
    EXPECT_EQ(heatMaps.count(), 1) << "only the heat-map export tells its path";
    EXPECT_EQ(told, QStringList({"0", "heat map", "0"}));
    const QStringList files = snapshotFiles();
    ASSERT_EQ(files.size(), 2) << "each snapshot has a file of its own";
    EXPECT_TRUE(files.contains(first));
    for (const QString& f : files) expectPictureOf(f, asked);
}

TEST_F(SnapshotThreadTest, AFailedSnapshotIsToldAndExportsNoHeatMap)
{
    VideoPlayHarness play;
    QVideoPlay* p = play.player();
    QSignalSpy results(p, &QVideoPlay::sendSnapshotResultSignals);
    QSignalSpy heatMaps(p, &QVideoPlay::sendHeatMapExportRetSignal);
    play.run([&] { p->setHeatMapExportSlot(request_); });  // no frame shown yet
    play.flush();
    ASSERT_EQ(results.count(), 1);
    EXPECT_EQ(results.at(0).at(0).toInt(), 1);
    EXPECT_EQ(heatMaps.count(), 0);
    EXPECT_TRUE(snapshotFiles().isEmpty());
}

TEST_F(SnapshotThreadTest, DestroyingThePlayerWaitsForTheSnapshotsBeingWritten)
{
    VideoPlayHarness play;
    QVideoPlay* p = play.player();
    HeldWrites held;
    p->setSnapshotHook(held.hook());
    play.startPlay(&surface_, true);
    step(2, {&play});
    const FramePtr asked = play.frames.back();
    play.run([&] {
        p->setDealSnapshotSlots(request_);
        p->setDealSnapshotSlots(request_);
    });
    held.entered();

    std::thread destroyer([&] { play.destroyPlayer(); });
    // The destructor has begun once this player's sink is gone.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sim("sinks") == 0.0; }, 10000));
    held.let(2);
    destroyer.join();
    const QStringList files = snapshotFiles();
    ASSERT_EQ(files.size(), 2);
    for (const QString& f : files) expectPictureOf(f, asked);
}

}  // namespace
