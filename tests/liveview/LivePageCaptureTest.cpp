// The live page's capture controls on the simulated camera: the record
// button and its results, the record-time display, the hourly schedule on
// an injected clock, the snapshot button and its results, an unplug while
// recording, and the palette lock of the isotherm.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "FreeSpaceProbe.h"
#include "MetaTypes.h"
#include "QIconTextVBtn.h"
#include "QGainModeSwitch.h"
#include "QGlobalThermalSetting.h"
#include "QIconTextRBtn.h"
#include "QLoginSetting.h"
#include "QTempRule.h"
#include "QPreviewModuleWidget.h"
#include "QRecordTimeWidget.h"
#include "QVideoPlay.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "SimCamera.h"
#include "ThermalImageData.h"
#include "simcam.h"
#include "thermcore.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

using Kind = FakeUiPrompts::Kind;
using Page = QVideoPreviewModuleWidget;
constexpr int kWaitMs = 8000;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}
QString tx(const char* source)
{
    return QCoreApplication::translate("QVideoPreviewModuleWidget", source);
}
qint64 plenty(const QString&)
{
    return qint64(100) << 30;
}

QStringList filesUnder(const QString& root, const QString& pattern)
{
    QStringList files;
    QDirIterator it(root, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    return files;
}

// Packets in a file that libavformat opens; -1 when it does not (a file
// still being written has no index yet: that is expected while waiting).
int packetsIn(const QString& path)
{
    av_log_set_level(AV_LOG_FATAL);
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, QFile::encodeName(path).constData(), nullptr, nullptr) != 0) return -1;
    int n = 0;
    AVPacket* pkt = av_packet_alloc();
    while (av_read_frame(ctx, pkt) == 0) {
        ++n;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    avformat_close_input(&ctx);
    return n;
}

QDateTime gNow;
QDateTime testClock()
{
    return gNow;
}

class LivePageCaptureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerQueuedTypes(); }

    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        SIMCAM_Reset();
        FreeSpaceProbe::setSource(&plenty);
        ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", root_.path() + "/rec");
        ConfigManager::getInstance().setValue("GeneralConfig", "ManualSnapshotPath", root_.path() + "/snap");
        page_ = std::make_unique<Page>();
        page_->resize(1006, 686);
        page_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    }
    void TearDown() override
    {
        page_.reset();
        FreeSpaceProbe::setSource(nullptr);
        sdk().setAutoRecordTime(0, 0, 0);
        sdk().setFrozen(false);
        sdk().SetSleepMode(4);
        sdk().Close();
    }
    void connectCamera()
    {
        emit page_->loginDialog()->sendConncetDeviceSignal(simcamera::firstDevice());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return page_->isConnected() && page_->videoPlay()->isVideoAlive(); }, kWaitMs));
    }
    // Waits until n more frames went into the open file: n + 1 through the
    // frame worker, as the last may still be on its way to the file.
    bool framesRecorded(quint64 n) const
    {
        const quint64 from = page_->videoPlay()->framesProcessed();
        return QTest::qWaitFor([&] { return page_->videoPlay()->framesProcessed() >= from + n + 1; }, kWaitMs);
    }
    FakeUiPrompts::Call lastToast() const { return prompts_.last(Kind::Toast); }
    QRecordTimeWidget* recordTime() const { return page_->sceneView()->recordTimeWidget(); }

    QTemporaryDir root_;
    FakeUiPrompts prompts_;
    std::unique_ptr<Page> page_;
};

TEST_F(LivePageCaptureTest, RecordButtonStartsAndStopsAPlayableFile)
{
    connectCamera();
    sdk().setAutoRecordTime(1, 8, 17);
    page_->recordButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->isRecording(); }, kWaitMs));
    EXPECT_EQ(lastToast().text, tx("Recording Start"));
    EXPECT_EQ(lastToast().type, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->recordTimer()->isActive(); }, kWaitMs));
    EXPECT_FALSE(recordTime()->isHidden());
    ASSERT_TRUE(framesRecorded(20));

    page_->recordButton()->click();
    EXPECT_FALSE(page_->isRecording());
    EXPECT_EQ(lastToast().text, tx("Recording Finished"));
    EXPECT_FALSE(page_->recordTimer()->isActive());
    EXPECT_TRUE(recordTime()->isHidden());
    int enabled = -1, start = -1, end = -1;
    sdk().getAutoRecordTime(&enabled, &start, &end);
    EXPECT_EQ(enabled + start + end, 0) << "a recording stopped by hand clears the schedule";

    QStringList files;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            files = filesUnder(root_.path() + "/rec", "*.mp4");
            return files.size() == 1 && packetsIn(files[0]) > 10;
        },
        kWaitMs))
        << "closed and playable";
}

TEST_F(LivePageCaptureTest, ButtonsRefuseWithoutACameraOrWhileAsleep)
{
    page_->recordButton()->click();
    page_->snapshotButton()->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({tx("Device is not connect."), tx("Device is not connect.")}));
    connectCamera();
    prompts_.clear();
    ASSERT_TRUE(sdk().SetSleepMode(5));
    page_->recordButton()->click();
    page_->snapshotButton()->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({tx("Device is sleeping"), tx("Device is sleeping")}));
    EXPECT_FALSE(page_->isRecording());
}

TEST_F(LivePageCaptureTest, RecordResultsAreToldAndAFailureStopsTheDisplay)
{
    struct Row {
        int code;
        const char* text;
        int type;
        bool recording;
    };
    const Row rows[] = {{0, "Recording Start", 0, true},
                        {1, "Recording Failed", 1, false},
                        {2, "Record Path Not Exit", 3, false},
                        {3, "DiskFreeSpace Not Enough", 1, false},
                        {4, "Alarm has occurred, manual recording stop", 3, false},
                        {5, "Unknown Error", 1, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        page_->resetRecordTimeSlot();  // a file was opened: the display runs
        page_->setDealRecordResultSlots(r.code);
        EXPECT_EQ(lastToast().text, tx(r.text));
        EXPECT_EQ(lastToast().type, r.type);
        EXPECT_EQ(lastToast().msec, 1000);
        EXPECT_EQ(page_->isRecording(), r.recording);
        EXPECT_EQ(page_->recordTimer()->isActive(), r.recording) << "a failed next file stops the display";
        EXPECT_EQ(recordTime()->isHidden(), !r.recording);
    }
}

TEST_F(LivePageCaptureTest, RecordTimeCountsOneFileAtMost)
{
    page_->resetRecordTimeSlot();
    EXPECT_TRUE(page_->recordTimer()->isActive());
    EXPECT_EQ(recordTime()->timeText(), "00:00");
    for (int i = 0; i < 61; ++i) page_->setUpdateRecordTimeSlot();
    EXPECT_EQ(recordTime()->timeText(), "01:01");
    for (int i = 61; i < 600; ++i) page_->setUpdateRecordTimeSlot();
    EXPECT_EQ(recordTime()->timeText(), "10:00");
    page_->setUpdateRecordTimeSlot();
    EXPECT_EQ(recordTime()->timeText(), "10:00") << "above ten minutes the display keeps its text";
    page_->resetRecordTimeSlot();
    EXPECT_EQ(recordTime()->timeText(), "00:00") << "the next file starts again";
}

TEST_F(LivePageCaptureTest, ScheduleStartsAndEndsRecordingOnTheHour)
{
    connectCamera();
    page_->setClockForTests(&testClock);
    sdk().setAutoRecordTime(1, 8, 17);
    // Another module is open: the schedule is kept all the same.
    page_->hide();

    gNow = QDateTime(QDate(2026, 12, 10), QTime(8, 30));
    page_->setCheckAutoRecordTimeSlot();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->isRecording(); }, kWaitMs));

    gNow = QDateTime(QDate(2026, 12, 10), QTime(12, 0));
    page_->setCheckAutoRecordTimeSlot();
    EXPECT_TRUE(page_->isRecording());

    gNow = QDateTime(QDate(2026, 12, 10), QTime(17, 1));
    page_->setCheckAutoRecordTimeSlot();
    EXPECT_FALSE(page_->isRecording());
    EXPECT_EQ(lastToast().text, tx("Recording Finished"));
    int enabled = 0, start = 0, end = 0;
    sdk().getAutoRecordTime(&enabled, &start, &end);
    EXPECT_EQ(enabled, 1) << "the schedule stays for the next day";

    sdk().setAutoRecordTime(0, 8, 17);
    gNow = QDateTime(QDate(2026, 12, 11), QTime(8, 0));
    QSignalSpy starts(page_.get(), &Page::sendStartRecordSignals);
    page_->setCheckAutoRecordTimeSlot();
    EXPECT_EQ(starts.count(), 0) << "a disabled schedule starts nothing";
    EXPECT_FALSE(page_->isRecording());
    page_->setClockForTests(nullptr);
}

TEST_F(LivePageCaptureTest, SnapshotButtonWritesARadiometricPicture)
{
    connectCamera();
    // The live global block comes with the thermal function.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->sidePanel()->isEnabled(); }, kWaitMs));
    // Taken in "Aurora" (camera palette 19), it must reopen in "Aurora":
    // the picture records the colour-bar index (21) the analysis uses.
    page_->setColorrizationRetSlot(true, 19);
    page_->snapshotButton()->click();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return prompts_.count(Kind::Toast) + prompts_.count(Kind::Notice) > 0; }, kWaitMs));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList());
    EXPECT_EQ(lastToast().text, tx("Snapshot Succeed"));
    const QStringList files = filesUnder(root_.path() + "/snap", "*.png");
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].contains("/Snapshot/"));
    ThermalImageData& picture = ThermalImageData::getInstance();
    ASSERT_EQ(picture.readPicFile(files[0]), 0);
    int32_t colour = -1;
    ASSERT_EQ(picture.getColorType(&colour), 0);
    EXPECT_EQ(colour, 21);
}

TEST_F(LivePageCaptureTest, SnapshotResultsAreToldByCode)
{
    struct Row {
        int code;
        Kind kind;
        QString text;
    };
    const QString failed = tx("Export heat map failed") + ",";
    const Row rows[] = {{0, Kind::Toast, tx("Snapshot Succeed")},
                        {1, Kind::Toast, tx("Snapshot Failed")},
                        {2, Kind::Toast, tx("Snapshot Path Not Exit")},
                        {3, Kind::Toast, tx("DiskFreeSpace Not Enough")},
                        {5, Kind::Toast, tx("Snapshot Failed")},
                        {6, Kind::Notice, failed + tx("File Error")},
                        {7, Kind::Notice, failed + tx("File Error")},
                        {8, Kind::Notice, failed + tx("Parameters Error")},
                        {9, Kind::Notice, failed + tx("Shutter is acting.")}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        prompts_.clear();
        page_->setDealSnapshotResultSlots(r.code);
        ASSERT_EQ(prompts_.calls.size(), 1);
        EXPECT_EQ(prompts_.calls[0].kind, r.kind);
        EXPECT_EQ(prompts_.calls[0].text, r.text);
        if (r.kind == Kind::Toast) {
            EXPECT_EQ(prompts_.calls[0].type, r.code == 0 ? 0 : 1);
        }
    }
}

TEST_F(LivePageCaptureTest, UnplugWhileRecordingLeavesACompleteFile)
{
    connectCamera();
    page_->recordButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->isRecording(); }, kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->recordTimer()->isActive(); }, kWaitMs));
    ASSERT_TRUE(framesRecorded(10));
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->isConnected(); }, 15000));
    EXPECT_FALSE(page_->isRecording());
    QStringList files;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            files = filesUnder(root_.path() + "/rec", "*.mp4");
            return files.size() == 1 && packetsIn(files[0]) > 5;
        },
        kWaitMs))
        << "the file is closed and plays";
}

TEST_F(LivePageCaptureTest, IsothermLocksBothPalettePanels)
{
    page_->setColorizationChangeSlot(true, 3);
    for (QPushButton* b : page_->newPalettePanel()->findChildren<QPushButton*>()) EXPECT_FALSE(b->isEnabled());
    for (QPushButton* b : page_->oldPalettePanel()->findChildren<QPushButton*>()) EXPECT_FALSE(b->isEnabled());
    page_->setColorizationChangeSlot(false, 3);
    for (QPushButton* b : page_->newPalettePanel()->findChildren<QPushButton*>()) EXPECT_TRUE(b->isEnabled());
}

// The side panel's pages are wired through the live page to the camera:
// "Manual" on the gain page reaches the worker and the answer closes the
// page's wait dialog; the refresh interval chosen without a camera applies
// once the thermal function opens.
TEST_F(LivePageCaptureTest, PanelPagesReachTheCameraThroughTheLivePage)
{
    QGlobalThermalSetting* global = page_->sidePanel()->globalPage();
    global->refreshTimeComboBox()->setCurrentIndex(1);  // 500 ms, no camera yet
    connectCamera();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->sidePanel()->isEnabled(); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return page_->tempRule()->refreshPeriod() == 500; }, kWaitMs))
        << "the choice made without a camera runs";

    QGainModeSwitch* gain = page_->sidePanel()->gainPage();
    page_->sidePanel()->header(QPreviewModuleWidget::GainModelSection)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gain->manualGearButton()->isEnabled(); }, kWaitMs));
    const auto waitSteps = [&] {
        QVector<bool> steps;
        for (const FakeUiPrompts::Call& c : prompts_.calls)
            if (c.kind == Kind::WaitStatus && c.dialog == gain->waitDialog()) steps << c.shown;
        return steps;
    };
    prompts_.clear();
    gain->manualGearButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return waitSteps().size() >= 2; }, kWaitMs));
    const QVector<bool> steps = waitSteps();
    EXPECT_EQ(steps.first(), true);
    EXPECT_EQ(steps.count(true), 1) << "shown once, for the request";
    EXPECT_EQ(steps.last(), false) << "closed by the answer";
    EXPECT_TRUE(gain->manualGearButton()->isChecked());
    EXPECT_TRUE(gain->firstGearButton()->isEnabled()) << "manual: the gears can be chosen";
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

}  // namespace
