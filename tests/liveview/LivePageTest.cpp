// The live page on the simulated camera: construction and its threads, the
// module switch, connecting through the connection dialog (success, failed
// opens, an open never confirmed, a device without video), the device label,
// unplugging, sleep, disconnecting through the question, the digital zoom
// and the retranslation of the texts the builder sets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>
#include <mutex>

#include "CSlider.h"
#include "DeviceChangeNotifier.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "MetaTypes.h"
#include "QCustomLineEdit.h"
#include "QDevCommExec.h"
#include "QDeviceInfoModule.h"
#include "QIconTextVBtn.h"
#include "QImageCorrectModule.h"
#include "QBasicSetting.h"
#include "QCombineImageParamWidget.h"
#include "QImageInfo.h"
#include "QImageInfoModule.h"
#include "QLoadingMsgDlg.h"
#include "QLoginSetting.h"
#include "QPreviewModuleWidget.h"
#include "QSettingCtrl.h"
#include "QSettingModule.h"
#include "QSettingsDlg.h"
#include "QUpdate.h"
#include "QTempCaliModule.h"
#include "QTempRule.h"
#include "QVideoHistogram.h"
#include "QVideoPlay.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoWndWidget.h"
#include "ThermalImageData.h"
#include "VideoSurface.h"
#include "ZoomTable.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;
using Page = QVideoPreviewModuleWidget;

// The worker waits 1000 ms after each of its 5 failed opens.
constexpr int kConnectWaitMs = 15000;
// The removal check runs 3000 ms after the notice.
constexpr int kRemovalWaitMs = 10000;
constexpr int kWaitMs = 5000;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

QString tx(const char* source)
{
    return QCoreApplication::translate("QVideoPreviewModuleWidget", source);
}

QString connectFailText()
{
    return tx("Device connect fail prompt1") + "\r\n" + tx("Device connect fail prompt2") + "\r\n" +
           tx("Device connect fail prompt3");
}

QString removedText()
{
    return tx("Device connect fail prompt1") + "\r\n" + tx("Device connect fail prompt2").mid(2);
}

USBSDK_DeviceInfo firstDevice()
{
    USBSDK_DeviceInfo list[8];
    std::memset(list, 0, sizeof list);
    EXPECT_GE(sdk().GetDevInfoList(list, 8), 1);
    return list[0];
}

double simValue(const char* key)
{
    double v = -1;
    SIMCAM_GetValue(0, key, &v);
    return v;
}

class LivePageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerQueuedTypes(); }

    void SetUp() override
    {
        SIMCAM_Reset();
        page_ = std::make_unique<Page>();
        page_->resize(1006, 686);
        page_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    }
    void TearDown() override
    {
        page_.reset();
        sdk().setFrozen(false);
        sdk().SetSleepMode(4);
        sdk().Close();
    }

    // The page's own wait dialog, shown (true) or closed (false), in order.
    QVector<bool> waitSteps() const
    {
        QVector<bool> steps;
        for (const FakeUiPrompts::Call& c : prompts_.calls)
            if (c.kind == Kind::WaitStatus && c.dialog == page_->loadingDlg()) steps << c.shown;
        return steps;
    }
    bool waitDialogClosed() const { return !waitSteps().isEmpty() && !waitSteps().last(); }

    // Chooses a camera as the connection dialog does and waits for the
    // worker's answer.
    void choose(const USBSDK_DeviceInfo& info, int timeoutMs = kWaitMs)
    {
        emit page_->loginDialog()->sendConncetDeviceSignal(info);
        ASSERT_TRUE(QTest::qWaitFor([&] { return waitDialogClosed(); }, timeoutMs));
    }
    void connectCamera(const USBSDK_DeviceInfo& info)
    {
        choose(info);
        ASSERT_TRUE(page_->isConnected());
    }
    VideoSurface* surface() const { return page_->videoWnd()->getVideoWnd(); }
    // The image module's palette choice.
    QComboBox* imagePalette() const { return page_->imageInfoModule()->panel()->basicPage()->paletteCombo(); }
    bool framesFlow() const
    {
        const quint64 before = surface()->framesShown();
        return QTest::qWaitFor([&] { return surface()->framesShown() > before + 2; }, kWaitMs);
    }

    FakeUiPrompts prompts_;
    std::unique_ptr<Page> page_;
};

// ---- Construction ------------------------------------------------------------------

TEST_F(LivePageTest, BuildsTheColumnBarsAndControls)
{
    QWidget* column = page_->functionWidget();
    EXPECT_EQ(column->width(), 254);
    EXPECT_EQ(column->minimumWidth(), column->maximumWidth());
    const QWidget* pages[] = {page_->sidePanel(),       page_->settingModule(),      page_->deviceInfoModule(),
                              page_->imageInfoModule(), page_->imageCorrectModule(), page_->tempCaliModule()};
    auto* layout = qobject_cast<QVBoxLayout*>(column->layout());
    ASSERT_NE(layout, nullptr);
    ASSERT_EQ(layout->count(), 6);
    EXPECT_EQ(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(layout->itemAt(i)->widget(), pages[i]) << i;
        EXPECT_EQ(pages[i]->isHidden(), i != 0) << "only the side panel starts shown: " << i;
    }
    EXPECT_FALSE(page_->sidePanel()->isEnabled());

    EXPECT_EQ(page_->scaleColumn()->objectName(), "TemperScaleWidget");
    EXPECT_EQ(page_->scaleColumn()->maximumWidth(), 48);
    EXPECT_TRUE(page_->scaleColumn()->isHidden());
    EXPECT_EQ(page_->moduleBar()->objectName(), "ModuleWidget");
    EXPECT_EQ(page_->moduleBar()->maximumWidth(), 70);
    EXPECT_EQ(page_->videoWnd()->parentWidget(), page_.get());
    EXPECT_TRUE(page_->sceneView()->isHidden());
    EXPECT_EQ(page_->sceneView()->parentWidget(), page_.get()) << "a child above the video, no window of its own";

    EXPECT_EQ(page_->connectButton()->objectName(), "DisConnectBtn");
    EXPECT_EQ(page_->connectButton()->toolTip(), tx("Connect"));
    EXPECT_EQ(page_->standbyButton()->objectName(), "DisStandByBtn");
    EXPECT_EQ(page_->standbyButton()->toolTip(), tx("Sleep"));

    CSlider* slider = page_->zoomSlider();
    EXPECT_EQ(slider->objectName(), "SliderStyle1");
    EXPECT_EQ(slider->orientation(), Qt::Vertical);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 16);
    EXPECT_EQ(slider->pageStep(), 1);
    EXPECT_EQ(page_->zoomField()->text(), "0");
    // Disconnected: the toolbar is off.
    for (QWidget* w : {static_cast<QWidget*>(slider), static_cast<QWidget*>(page_->zoomField()),
                       static_cast<QWidget*>(page_->plusButton()), static_cast<QWidget*>(page_->minusButton()),
                       static_cast<QWidget*>(page_->freezeCheckBox()), static_cast<QWidget*>(page_->hotpointCheckBox()),
                       static_cast<QWidget*>(page_->coldpointCheckBox())})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    EXPECT_EQ(page_->freezeCheckBox()->text(), tx("Freeze"));
    EXPECT_TRUE(page_->freezeCheckBox()->isCheckable());
    EXPECT_FALSE(page_->hotpointCheckBox()->isChecked());
    EXPECT_FALSE(page_->coldpointCheckBox()->isChecked());
    EXPECT_EQ(page_->ffcButton()->textLabel()->text(), "FFC");
    EXPECT_EQ(page_->snapshotButton()->textLabel()->text(), tx("Snapshot"));
    EXPECT_EQ(page_->recordButton()->textLabel()->text(), tx("Record"));

    // The hidden form parts: the older palette panel, the rule buttons.
    EXPECT_TRUE(page_->oldPalettePanel()->isHidden());
    EXPECT_FALSE(page_->newPalettePanel()->isHidden());
    for (const char* name : {"PointBtn", "LineBtn", "RectBtn", "EllipseBtn", "PolygonBtn", "RuleClearBtn"}) {
        auto* button = page_->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(button->isHidden()) << name;
    }
    EXPECT_EQ(page_->histogram()->parentWidget(), page_.get());
    EXPECT_TRUE(page_->loginDialog()->isHidden());
}

TEST_F(LivePageTest, PaletteButtonsCarryTheirNamesAndTooltips)
{
    struct Row {
        QWidget* panel;
        int count;
    };
    const Row rows[] = {{page_->oldPalettePanel(), 18}, {page_->newPalettePanel(), 10}};
    for (const Row& r : rows) {
        const auto buttons = r.panel->findChildren<QPushButton*>();
        EXPECT_EQ(buttons.size(), r.count);
        EXPECT_EQ(r.panel->objectName(), "VideoCtrlWidget");
        EXPECT_EQ(r.panel->maximumHeight(), 170);
    }
    for (const Page::PaletteButton& b : Page::oldPaletteButtons()) {
        auto* button = page_->oldPalettePanel()->findChild<QPushButton*>(b.objectName);
        ASSERT_NE(button, nullptr) << b.objectName;
        EXPECT_EQ(button->toolTip(), tx(Page::palettes()[size_t(b.palette)].name));
        EXPECT_TRUE(button->isEnabled());
    }
    struct Named {
        const char* objectName;
        const char* tooltip;
    };
    // The renamed ones and both ends of the table.
    const Named named[] = {{"newOilPaintBtn", "Oil-Paint"},
                           {"newGoldenfallBtn", "Golden-fall"},
                           {"newIcefireBtn", "Ice fire"},
                           {"newWhiteHotBtn", "White Hot"},
                           {"newAuroraBtn", "Aurora"}};
    for (const Named& n : named) {
        auto* button = page_->newPalettePanel()->findChild<QPushButton*>(n.objectName);
        ASSERT_NE(button, nullptr) << n.objectName;
        EXPECT_EQ(button->toolTip(), tx(n.tooltip));
    }
    // Colour-bar pictures skip 14 and 19; nothing past 19.
    const int bars[][2] = {{0, 0}, {13, 13}, {14, 15}, {17, 18}, {18, 20}, {19, 21}, {20, -1}, {-1, -1}};
    for (const auto& b : bars) EXPECT_EQ(Page::colorBarIndexOf(b[0]), b[1]) << b[0];
}

long threadId(QObject* worker)
{
    long tid = 0;
    QMetaObject::invokeMethod(
        worker, [] { return long(syscall(SYS_gettid)); }, Qt::BlockingQueuedConnection, &tid);
    return tid;
}

TEST_F(LivePageTest, WorkersRunOnThreadsStartedFrameTemperatureCommand)
{
    QObject* workers[] = {page_->videoPlay(), page_->tempRule(), page_->devCommExec()};
    const QThread* threads[] = {page_->frameThread(), page_->temperThread(), page_->commandThread()};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(threads[i]->isRunning()) << i;
        EXPECT_EQ(workers[i]->thread(), threads[i]) << i;
        EXPECT_EQ(workers[i]->parent(), nullptr) << i;
    }
    // The system hands out thread ids in creation order.
    const long frame = threadId(workers[0]), temper = threadId(workers[1]), command = threadId(workers[2]);
    EXPECT_LT(frame, temper);
    EXPECT_LT(temper, command);
}

TEST_F(LivePageTest, DestructionStopsTemperatureFrameCommandAndDeletesTheWorkers)
{
    std::mutex lock;
    QStringList finished;
    const auto note = [&](const char* name) {
        std::lock_guard<std::mutex> guard(lock);
        finished << name;
    };
    QObject::connect(page_->temperThread(), &QThread::finished, [&] { note("temperature"); });
    QObject::connect(page_->frameThread(), &QThread::finished, [&] { note("frame"); });
    QObject::connect(page_->commandThread(), &QThread::finished, [&] { note("command"); });
    QPointer<QObject> play = page_->videoPlay(), temper = page_->tempRule(), worker = page_->devCommExec();
    page_.reset();
    EXPECT_EQ(finished, (QStringList{"temperature", "frame", "command"}));
    EXPECT_TRUE(play.isNull());
    EXPECT_TRUE(temper.isNull());
    EXPECT_TRUE(worker.isNull());
}

// ---- Module switching ----------------------------------------------------------------

TEST_F(LivePageTest, ModuleSwitchShowsOnePageOfTheColumn)
{
    struct Row {
        int module;
        int shown;  // index into the column, -1 none
        std::function<int()> refreshes;
    };
    const Row rows[] = {
        // Module 1's refresh: ShowingTheSettingsModuleReadsTheCamerasSettings.
        {1, 1, nullptr},
        {2, 2, nullptr},
        // Module 3's refresh: ShowingTheImageModuleReadsTheCamerasImageParameters.
        {3, 3, nullptr},
        {4, -1, nullptr},
        {0, 0, nullptr},
        {5, -1, nullptr},
        {6, 4, [&] { return page_->imageCorrectModule()->calls().count("confirmGuidanceWarning"); }},
        {7, 5, [&] { return page_->tempCaliModule()->calls().count("refreshCurrentPage"); }},
        {0, 0, nullptr},
    };
    const QWidget* pages[] = {page_->sidePanel(),       page_->settingModule(),      page_->deviceInfoModule(),
                              page_->imageInfoModule(), page_->imageCorrectModule(), page_->tempCaliModule()};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.module);
        const int before = r.refreshes ? r.refreshes() : 0;
        page_->setMainWindowMode(r.module);
        EXPECT_EQ(page_->mainWindowMode(), r.module);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(pages[i]->isHidden(), i != r.shown) << i;
        if (r.refreshes) {
            EXPECT_EQ(r.refreshes(), before + 1);
        }
    }
    EXPECT_EQ(prompts_.count(Kind::Notice), 0) << "no camera: no guidance warning";

    // Numbers outside 0..7 are kept and change nothing.
    page_->setMainWindowMode(3);
    for (int module : {8, 42, -1}) {
        page_->setMainWindowMode(module);
        EXPECT_EQ(page_->mainWindowMode(), module);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(pages[i]->isHidden(), i != 3) << module << " " << i;
    }
}

TEST_F(LivePageTest, ShowingTheImageModuleReadsTheCamerasImageParameters)
{
    QLoadingMsgDlg* panelWait = page_->imageInfoModule()->panel()->waitDialog();
    auto panelWaitClosed = [&] {
        const FakeUiPrompts::Call* last = nullptr;
        for (const FakeUiPrompts::Call& c : prompts_.calls)
            if (c.kind == Kind::WaitStatus && c.dialog == panelWait) last = &c;
        return last && !last->shown;
    };
    // Without a camera the module refreshes its pages only.
    page_->setMainWindowMode(3);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetBrightness"), 0);
    page_->setMainWindowMode(0);

    connectCamera(firstDevice());
    ASSERT_TRUE(USBSDK_SetBrightness(37));
    SIMCAM_ClearCallLog();
    page_->setMainWindowMode(3);
    ASSERT_TRUE(QTest::qWaitFor(panelWaitClosed, kWaitMs));
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetBrightness"), 1);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetFFCTime"), 1);
    EXPECT_EQ(page_->imageInfoModule()->panel()->basicPage()->valueControl(QBasicSetting::BrightnessValue)->text(),
              "37");
}

TEST_F(LivePageTest, ShowingTheSettingsModuleReadsTheCamerasSettings)
{
    QComboBox* flip = page_->settingModule()->panel()->settingsPage()->imageFlipCombo();
    ASSERT_NE(flip, nullptr);
    // Without a camera the page only turns its device controls off.
    page_->setMainWindowMode(1);
    EXPECT_FALSE(flip->isEnabled());
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetImageFlipMode"), 0);
    page_->setMainWindowMode(0);

    connectCamera(firstDevice());
    ASSERT_TRUE(USBSDK_SetImageFlipMode(3));
    page_->setMainWindowMode(1);
    EXPECT_TRUE(flip->isEnabled());
    // Read through the worker; the live rule layer follows the flip read.
    ASSERT_TRUE(QTest::qWaitFor([&] { return flip->currentIndex() == 3; }, kWaitMs));
}

// ---- Connecting ----------------------------------------------------------------------

TEST_F(LivePageTest, ConnectsThroughTheDialogAndStartsVideoAndTheThermalFunction)
{
    QSignalSpy play(page_.get(), &Page::sendVideoPlaySignals);
    QSignalSpy thermal(page_.get(), &Page::sendOpenThermalFuncSignal);
    QSignalSpy status(page_.get(), &Page::sendConnectDeviceStatusSignals);

    QTest::mouseClick(page_->connectButton(), Qt::LeftButton);
    QLoginSetting* dialog = page_->loginDialog();
    ASSERT_TRUE(dialog->isVisible()) << "not connected: the button opens the dialog";
    ASSERT_GE(dialog->deviceListWidget()->count(), 1);
    QTest::mouseClick(dialog->connectButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return waitDialogClosed(); }, kWaitMs));

    EXPECT_EQ(waitSteps(), (QVector<bool>{true, false}));
    EXPECT_TRUE(page_->isConnected());
    EXPECT_TRUE(page_->streamFlag());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    ASSERT_EQ(play.count(), 1);
    EXPECT_EQ(qvariant_cast<void*>(play.at(0).at(0)), static_cast<void*>(surface()));
    EXPECT_TRUE(play.at(0).at(1).toBool());
    EXPECT_EQ(thermal.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([] { return USBSDK_GetThermalFunctionStatus() != 0; }, kWaitMs))
        << "the temperature worker opened the thermal function";
    EXPECT_EQ(status.count(), 1);
    EXPECT_EQ(page_->connectButton()->objectName(), "ConnectBtn");
    EXPECT_EQ(page_->connectButton()->toolTip(), tx("Disconnect"));
    EXPECT_TRUE(page_->zoomSlider()->isEnabled());
    EXPECT_TRUE(page_->freezeCheckBox()->isEnabled());
    EXPECT_TRUE(page_->autoRecordTimer()->isActive());
    EXPECT_EQ(page_->autoRecordTimer()->interval(), 60000);
    EXPECT_EQ(page_->deviceCaption(), "SimCam Thermal #1-Com3");

    // The worker read the palette on the way: the newer panel shows it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return page_->paletteIndex() >= 0; }, kWaitMs));
    EXPECT_FALSE(page_->newPalettePanel()->isHidden());
    EXPECT_TRUE(page_->oldPalettePanel()->isHidden());

    // Frames are drawn and the first one shows the overlay over the picture.
    EXPECT_TRUE(framesFlow());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !page_->sceneView()->isHidden(); }, kWaitMs));
    const QRect label(page_->mapFromGlobal(surface()->mapToGlobal(QPoint(0, 0))), surface()->size());
    EXPECT_TRUE(label.contains(page_->sceneView()->geometry()));
    EXPECT_TRUE(page_->sceneView()->width() == label.width() || page_->sceneView()->height() == label.height());

    // The temperature worker's answer turns the thermal controls on.
    // The temperature worker opened the thermal function and the page
    // answered by starting the refresh.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->tempRule()->isRefreshing(); }, kWaitMs));
    EXPECT_TRUE(page_->sidePanel()->isEnabled());
    EXPECT_FALSE(page_->scaleColumn()->isHidden());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(LivePageTest, FailedConnectionsReportAndOfferTheDialogAgain)
{
    struct Row {
        const char* name;
        std::function<void()> arrange;
        int openAttempts;
    };
    const Row rows[] = {
        {"five failed opens", [] { SIMCAM_SetOpenSucceedsOnAttempt(0); }, 5},
        {"opened but never confirmed", [] { SIMCAM_SetConnectConfirms(0); }, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SIMCAM_ClearFaults();
        prompts_.clear();
        r.arrange();
        const USBSDK_DeviceInfo info = firstDevice();
        const double attemptsBefore = simValue("openAttempts");
        QSignalSpy play(page_.get(), &Page::sendVideoPlaySignals);
        choose(info, kConnectWaitMs);

        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{connectFailText()});
        EXPECT_EQ(waitSteps(), (QVector<bool>{true, false}));
        EXPECT_FALSE(page_->isConnected());
        EXPECT_EQ(play.count(), 0);
        EXPECT_TRUE(page_->loginDialog()->isVisible()) << "the dialog is offered again";
        EXPECT_EQ(page_->connectButton()->objectName(), "DisConnectBtn");
        EXPECT_EQ(USBSDK_Connect(), 0);
        EXPECT_EQ(simValue("open"), 0) << "no half-open camera is left";
        EXPECT_EQ(simValue("openAttempts") - attemptsBefore, r.openAttempts);
        page_->loginDialog()->hide();
    }
}

TEST_F(LivePageTest, DeviceWithoutVideoNeverAsksForVideoNorShowsTheScale)
{
    USBSDK_DeviceInfo info = firstDevice();
    info.streamFlag = 0;
    QSignalSpy play(page_.get(), &Page::sendVideoPlaySignals);
    connectCamera(info);
    EXPECT_FALSE(page_->streamFlag());

    // The temperature worker opened the thermal function and the page
    // answered by starting the refresh.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->tempRule()->isRefreshing(); }, kWaitMs));
    EXPECT_TRUE(page_->sidePanel()->isEnabled());
    EXPECT_TRUE(page_->scaleColumn()->isHidden());

    // Neither a stream change nor showing the page again asks for video.
    page_->setChangeVideoStreamSlot(true);
    page_->hide();
    page_->show();
    EXPECT_TRUE(page_->scaleColumn()->isHidden());
    EXPECT_EQ(play.count(), 0);
}

TEST_F(LivePageTest, DeviceLabelFollowsTheEntrysNameAndPort)
{
    // Only the label is wanted here: the worker stays out of it.
    QObject::disconnect(page_.get(), &Page::sendDevConnectSignal, page_->devCommExec(), nullptr);
    struct Row {
        const char* name;
        const char* label;
    };
    const Row rows[] = {{"", "Com5"}, {"Vostok 640", "Thermal-Com5"}, {"name", "name-Com5"}};
    for (const Row& r : rows) {
        USBSDK_DeviceInfo info{};
        std::strncpy(info.name, r.name, sizeof info.name - 1);
        info.port = 5;
        info.streamFlag = 1;
        page_->loginDialog()->show();
        QSignalSpy sent(page_.get(), &Page::sendDevConnectSignal);
        emit page_->loginDialog()->sendConncetDeviceSignal(info);
        EXPECT_EQ(page_->deviceCaption(), r.label);
        EXPECT_TRUE(page_->loginDialog()->isHidden());
        EXPECT_EQ(sent.count(), 1);
        EXPECT_EQ(waitSteps().last(), true) << "waiting for the worker";
    }
}

// ---- Unplugging ----------------------------------------------------------------------

TEST_F(LivePageTest, UnpluggedCameraIsClosedAndReportedOnce)
{
    connectCamera(firstDevice());
    ASSERT_TRUE(framesFlow());
    page_->setRecording(true);
    QSignalSpy stopPlay(page_.get(), &Page::sendVideoStopPlaySignals);
    QSignalSpy stopRecord(page_.get(), &Page::sendStopRecordSignals);

    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->isRemovalCheckPending(); }, kWaitMs));
    EXPECT_TRUE(page_->isConnected()) << "the frames get their time first";
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    // A second source reports the same unplug.
    emit page_->deviceNotifiers().first()->deviceRemoved();

    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts_.count(Kind::Notice) > 0; }, kRemovalWaitMs));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{removedText()});
    EXPECT_FALSE(page_->isConnected());
    EXPECT_FALSE(page_->isRecording());
    EXPECT_EQ(stopRecord.count(), 1) << "the recording stops before the message";
    EXPECT_EQ(stopPlay.count(), 1);
    EXPECT_EQ(page_->connectButton()->objectName(), "DisConnectBtn");
    EXPECT_EQ(simValue("open"), 0) << "the session was closed";
    EXPECT_FALSE(page_->zoomSlider()->isEnabled());
    EXPECT_FALSE(page_->isRemovalCheckPending());
    QTest::qWait(1000);
    EXPECT_EQ(prompts_.count(Kind::Notice), 1);
}

TEST_F(LivePageTest, RemovalOfAnotherDeviceChangesNothing)
{
    connectCamera(firstDevice());
    ASSERT_TRUE(framesFlow());
    emit page_->deviceNotifiers().first()->deviceRemoved();
    EXPECT_TRUE(page_->isRemovalCheckPending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->isRemovalCheckPending(); }, kRemovalWaitMs));
    EXPECT_TRUE(page_->isConnected());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    EXPECT_EQ(USBSDK_Connect(), 1);
}

TEST_F(LivePageTest, UnplugDuringAFirmwareUpdateArmsNothing)
{
    connectCamera(firstDevice());
    // Playing: an unplug before the worker started play would be told as
    // a refused play instead.
    ASSERT_TRUE(framesFlow());
    page_->settingModule()->panel()->updatePage()->setUpdating(true);
    // Counted after the page has heard it.
    int removed = 0;
    for (DeviceChangeNotifier* n : page_->deviceNotifiers())
        QObject::connect(n, &DeviceChangeNotifier::deviceRemoved, page_.get(), [&] { ++removed; });
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return removed > 0; }, kWaitMs)) << "the camera layer's notice";
    EXPECT_FALSE(page_->isRemovalCheckPending());
    EXPECT_TRUE(page_->isConnected());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(LivePageTest, NoRemovalCheckWithoutAConnection)
{
    emit page_->deviceNotifiers().first()->deviceRemoved();
    EXPECT_FALSE(page_->isRemovalCheckPending());
}

TEST_F(LivePageTest, DeviceWithoutVideoIsJudgedByTheCamerasAnswer)
{
    USBSDK_DeviceInfo info = firstDevice();
    info.streamFlag = 0;
    connectCamera(info);
    // No frames at all, yet the camera answers: not removed.
    emit page_->deviceNotifiers().first()->deviceRemoved();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->isRemovalCheckPending(); }, kRemovalWaitMs));
    EXPECT_TRUE(page_->isConnected());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);

    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts_.count(Kind::Notice) > 0; }, kRemovalWaitMs));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{removedText()});
    EXPECT_FALSE(page_->isConnected());
}

// ---- Sleep ---------------------------------------------------------------------------

TEST_F(LivePageTest, StandbyRefusesInOrder)
{
    QSignalSpy sleep(page_.get(), &Page::sendSleepModeSignal);
    struct Row {
        const char* name;
        std::function<void()> arrange;
        const char* text;
    };
    const Row rows[] = {
        {"no camera", [] {}, "Device is not connect."},
        {"frozen and recording",
         [&] {
             const USBSDK_DeviceInfo info = firstDevice();
             ASSERT_TRUE(sdk().Open(&info));
             sdk().setFrozen(true);
             page_->setRecording(true);
         },
         "Video is freezing."},
        {"recording", [] { sdk().setFrozen(false); }, "Device is recording."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        prompts_.clear();
        r.arrange();
        QTest::mouseClick(page_->standbyButton(), Qt::LeftButton);
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{tx(r.text)});
    }
    EXPECT_EQ(sleep.count(), 0);
}

TEST_F(LivePageTest, StandbyPutsTheCameraToSleepAndWakesIt)
{
    connectCamera(firstDevice());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->sceneView()->isHidden(); }, kWaitMs));
    QSignalSpy sleep(page_.get(), &Page::sendSleepModeSignal);
    QSignalSpy result(page_->devCommExec(), &QDevCommExec::sendSleepModeRetSignal);

    QTest::mouseClick(page_->standbyButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->standbyButton()->objectName() == "StandByBtn"; }, kWaitMs));
    EXPECT_EQ(sleep.at(0).at(0).toInt(), 5);
    EXPECT_TRUE(sdk().isSleeping());
    EXPECT_EQ(simValue("sleeping"), 1);
    EXPECT_EQ(page_->standbyButton()->toolTip(), tx("Close"));
    EXPECT_FALSE(page_->zoomSlider()->isEnabled());
    EXPECT_FALSE(page_->freezeCheckBox()->isEnabled());
    EXPECT_FALSE(page_->sidePanel()->isEnabled());
    EXPECT_TRUE(page_->sceneView()->isHidden());
    EXPECT_TRUE(page_->scaleColumn()->isHidden());

    QTest::mouseClick(page_->standbyButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->standbyButton()->objectName() == "DisStandByBtn"; }, kWaitMs));
    EXPECT_EQ(sleep.at(1).at(0).toInt(), 4);
    EXPECT_FALSE(sdk().isSleeping());
    EXPECT_EQ(page_->standbyButton()->toolTip(), tx("Sleep"));
    EXPECT_TRUE(page_->zoomSlider()->isEnabled());
    EXPECT_TRUE(page_->sidePanel()->isEnabled());
    EXPECT_FALSE(page_->sceneView()->isHidden());
    EXPECT_FALSE(page_->scaleColumn()->isHidden());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);

    // The message follows the state read after the request: a sleep request
    // the camera refused leaves it awake.
    SIMCAM_FailNext("SetSleepMode", 1, 0);
    QTest::mouseClick(page_->standbyButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.count() == 3; }, kWaitMs));
    QApplication::processEvents();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{tx("Fail to close sleep mode.")});
    EXPECT_EQ(page_->standbyButton()->objectName(), "DisStandByBtn");
}

// ---- Disconnecting -------------------------------------------------------------------

TEST_F(LivePageTest, DisconnectAsksFirstThenResetsTheControls)
{
    connectCamera(firstDevice());
    ASSERT_TRUE(framesFlow());
    // The temperature worker opened the thermal function and the page
    // answered by starting the refresh.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->tempRule()->isRefreshing(); }, kWaitMs));
    page_->zoomSlider()->setValue(5);
    page_->freezeCheckBox()->click();
    ASSERT_TRUE(sdk().isFrozen());
    page_->setRecording(true);
    QSignalSpy disconnect(page_.get(), &Page::sendDevDisconnectSignal);
    QSignalSpy stopPlay(page_.get(), &Page::sendVideoStopPlaySignals);
    QSignalSpy stopRecord(page_.get(), &Page::sendStopRecordSignals);
    QSignalSpy timer(page_.get(), &Page::SendTimerStatusSignals);
    QSignalSpy status(page_.get(), &Page::sendConnectDeviceStatusSignals);

    prompts_.answers.enqueue(false);
    QTest::mouseClick(page_->connectButton(), Qt::LeftButton);
    ASSERT_EQ(prompts_.count(Kind::Question), 1);
    EXPECT_EQ(prompts_.last(Kind::Question).title, tx("Disconnect"));
    EXPECT_EQ(prompts_.last(Kind::Question).text, tx("Disconnect the device?"));
    EXPECT_EQ(disconnect.count(), 0);
    EXPECT_TRUE(page_->isRecording());
    EXPECT_TRUE(page_->loginDialog()->isHidden());

    prompts_.answers.enqueue(true);
    QTest::mouseClick(page_->connectButton(), Qt::LeftButton);
    EXPECT_EQ(disconnect.count(), 1);
    EXPECT_EQ(stopRecord.count(), 1);
    EXPECT_FALSE(page_->isRecording());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->isConnected(); }, kWaitMs));

    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(page_->connectButton()->objectName(), "DisConnectBtn");
    EXPECT_EQ(page_->connectButton()->toolTip(), tx("Connect"));
    EXPECT_EQ(stopPlay.count(), 1);
    ASSERT_EQ(timer.count(), 1);
    EXPECT_FALSE(timer.at(0).at(0).toBool());
    EXPECT_EQ(status.count(), 1);
    EXPECT_FALSE(page_->autoRecordTimer()->isActive());
    EXPECT_TRUE(page_->sceneView()->isHidden());
    EXPECT_TRUE(page_->scaleColumn()->isHidden());
    EXPECT_FALSE(page_->sidePanel()->isEnabled());
    EXPECT_FALSE(page_->freezeCheckBox()->isChecked());
    EXPECT_FALSE(sdk().isFrozen());
    EXPECT_EQ(page_->zoomSlider()->value(), 0);
    EXPECT_EQ(page_->zoomField()->text(), "0");
    EXPECT_FALSE(page_->zoomSlider()->isEnabled());
    EXPECT_FALSE(page_->plusButton()->isEnabled());
    EXPECT_EQ(page_->videoWnd()->getDisplayMode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !surface()->hasFrame(); }, kWaitMs)) << "the connect picture again";
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(LivePageTest, StatusChangeOfTheSettingsClosesTheCamera)
{
    connectCamera(firstDevice());
    emit page_->settingModule()->ReconnectDeviceSignals();
    EXPECT_FALSE(page_->isConnected());
    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(page_->connectButton()->objectName(), "DisConnectBtn");
}

// ---- Zoom and the thin guards ------------------------------------------------------------

TEST_F(LivePageTest, DigitalZoomKeepsSliderFieldButtonsAndTheFrameWorkerInStep)
{
    connectCamera(firstDevice());
    ASSERT_TRUE(framesFlow());
    const QSize frame = page_->videoPlay()->getFrameSize();
    CSlider* slider = page_->zoomSlider();
    QPushButton* plus = page_->plusButton();
    QPushButton* minus = page_->minusButton();
    EXPECT_FALSE(minus->isEnabled()) << "nothing to zoom out of";
    EXPECT_TRUE(plus->isEnabled());

    slider->setValue(4);
    EXPECT_EQ(page_->zoomField()->text(), "4");
    const ZoomCrop crop = ZoomTable::crop(frame.width(), frame.height(), 4);
    EXPECT_EQ(page_->zoomOffset(), QPoint(crop.cx, crop.cy));
    EXPECT_TRUE(minus->isEnabled());

    slider->setValue(15);
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(slider->value(), 16);
    EXPECT_FALSE(plus->isEnabled());
    page_->setScalePlusSlots();
    EXPECT_EQ(slider->value(), 16) << "the plus button at 16 keeps 16";
    EXPECT_FALSE(plus->isEnabled());

    page_->zoomField()->setText("0");
    EXPECT_EQ(slider->value(), 0);
    EXPECT_FALSE(minus->isEnabled());
    EXPECT_TRUE(plus->isEnabled());
    page_->setScaleMinusSlots();
    EXPECT_EQ(slider->value(), 0);
    EXPECT_FALSE(minus->isEnabled());

    page_->zoomField()->setText("9");
    EXPECT_EQ(slider->value(), 9);
    QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_EQ(page_->zoomField()->text(), "8");
    EXPECT_EQ(page_->zoomOffset(), QPoint(ZoomTable::crop(frame.width(), frame.height(), 8).cx,
                                          ZoomTable::crop(frame.width(), frame.height(), 8).cy));
}

TEST_F(LivePageTest, ControlsWithoutACameraRefuseAndUncheck)
{
    page_->freezeCheckBox()->setEnabled(true);
    page_->hotpointCheckBox()->setEnabled(true);
    page_->freezeCheckBox()->click();
    EXPECT_FALSE(page_->freezeCheckBox()->isChecked());
    EXPECT_FALSE(sdk().isFrozen());
    page_->hotpointCheckBox()->click();
    EXPECT_FALSE(page_->hotpointCheckBox()->isChecked());
    page_->ffcButton()->click();
    page_->newPalettePanel()->findChild<QPushButton*>("newIronRedBtn")->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice),
              (QStringList() << tx("Device is not connect.") << tx("Device is not connect.")
                             << tx("Device is not connect.") << tx("Device is not connect.")));
}

// ---- Palettes ------------------------------------------------------------------------

bool selected(QPushButton* button)
{
    return button->styleSheet().startsWith("QPushButton{border: 2px solid #C7DB55;}");
}

TEST_F(LivePageTest, PaletteResultsPickThePanelAndHighlightTheButton)
{
    const USBSDK_DeviceInfo info = firstDevice();
    ASSERT_TRUE(sdk().Open(&info));
    QWidget* newer = page_->newPalettePanel();
    QWidget* older = page_->oldPalettePanel();

    page_->getCurrentColorRet(true, 6);
    EXPECT_FALSE(newer->isHidden());
    EXPECT_TRUE(older->isHidden());
    EXPECT_EQ(page_->colorBarIndex(), 6);
    EXPECT_EQ(imagePalette()->currentData().toInt(), 6);
    EXPECT_EQ(imagePalette()->count(), 10) << "refilled with the newer palettes";
    EXPECT_TRUE(selected(newer->findChild<QPushButton*>("newIronRedBtn")));
    EXPECT_FALSE(selected(newer->findChild<QPushButton*>("newWhiteHotBtn")));

    // Fusion has no button on the newer panel: none is highlighted.
    page_->setColorrizationRetSlot(true, 2);
    EXPECT_EQ(page_->colorBarIndex(), 2);
    for (QPushButton* b : newer->findChildren<QPushButton*>())
        EXPECT_FALSE(selected(b)) << b->objectName().toStdString();

    // The isotherm owns the colouring: the older panel's buttons and the
    // image page's palette choice are off until it is switched off again.
    page_->setColorizationChangeSlot(true, 7);
    EXPECT_FALSE(imagePalette()->isEnabled());
    for (QPushButton* b : older->findChildren<QPushButton*>()) EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(selected(newer->findChild<QPushButton*>("newAmberBtn")));
    page_->setColorizationChangeSlot(false, 7);
    EXPECT_TRUE(imagePalette()->isEnabled());
    for (QPushButton* b : older->findChildren<QPushButton*>()) EXPECT_TRUE(b->isEnabled());

    page_->setColorrizationRetSlot(false, 3);
    page_->getCurrentColorRet(false, 0);
    EXPECT_EQ(prompts_.texts(Kind::Notice), (QStringList{tx("Colorization Set Fail."), tx("Get Color Fail.")}));
    EXPECT_EQ(page_->colorBarIndex(), 7);

    // A camera with the older palettes only.
    sdk().Close();
    SIMCAM_DeviceProfile profile;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
    profile.supportNewColor = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
    ASSERT_TRUE(sdk().Open(&info));
    page_->getCurrentColorRet(true, 14);
    EXPECT_TRUE(newer->isHidden());
    EXPECT_FALSE(older->isHidden());
    EXPECT_EQ(page_->colorBarIndex(), 15);
    EXPECT_TRUE(selected(older->findChild<QPushButton*>("SpringBtn")));
    page_->setRestoreUpdateFalseColSlots();
    EXPECT_TRUE(selected(older->findChild<QPushButton*>("WhiteHotBtn")));
    EXPECT_FALSE(selected(older->findChild<QPushButton*>("SpringBtn")));
    EXPECT_EQ(imagePalette()->count(), 18);
    EXPECT_EQ(imagePalette()->currentData().toInt(), 0);
}

TEST_F(LivePageTest, PaletteButtonsAskTheCameraAfterTheirGuards)
{
    QSignalSpy asked(page_.get(), &Page::sendSetColorrizationSignal);
    const USBSDK_DeviceInfo info = firstDevice();
    ASSERT_TRUE(sdk().Open(&info));
    QPushButton* aurora = page_->newPalettePanel()->findChild<QPushButton*>("newAuroraBtn");
    QPushButton* winter = page_->oldPalettePanel()->findChild<QPushButton*>("WinterBtn");

    ASSERT_TRUE(sdk().SetSleepMode(5));
    aurora->click();
    ASSERT_TRUE(sdk().SetSleepMode(4));
    sdk().setFrozen(true);
    aurora->click();
    sdk().setFrozen(false);
    EXPECT_EQ(prompts_.texts(Kind::Notice), (QStringList{tx("Device is sleeping"), tx("Video is freezing.")}));
    EXPECT_EQ(asked.count(), 0);

    aurora->click();
    winter->click();
    ASSERT_EQ(asked.count(), 2);
    EXPECT_EQ(asked.at(0).at(0).toInt(), 19);
    EXPECT_EQ(asked.at(1).at(0).toInt(), 17);
    // The worker sets it and the answer comes back highlighted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->paletteIndex() == 17; }, kWaitMs));
    EXPECT_EQ(simValue("palette"), 17);
}

// ---- Relays ---------------------------------------------------------------------------

TEST_F(LivePageTest, RelaysPassOnWhatTheyGet)
{
    QSignalSpy heatMap(page_.get(), &Page::sendHeatMapExportSignal);
    QSignalSpy heatMapRet(page_.get(), &Page::sendHeatMapExportRetSignal);
    QSignalSpy usbUpdate(page_->settingModule(), &QSettingModule::sendUSBUpdateShowSignals);
    QSignalSpy language(page_.get(), &Page::sendLanguageChangedSignal);
    QSignalSpy palette(page_.get(), &Page::sendSetColorrizationSignal);

    page_->setHeatMapExportSlot();
    page_->setHeatMapExportRetSlot("/tmp/heat");
    page_->setUSBUpdateShowSlots(true);
    emit page_->settingModule()->sendLanguageChangedSignal(1);
    emit page_->imageInfoModule()->sendFalseColorIndexSignals(5);

    EXPECT_EQ(heatMap.count(), 1);
    ASSERT_EQ(heatMapRet.count(), 1);
    EXPECT_EQ(heatMapRet.at(0).at(0).toString(), "/tmp/heat");
    ASSERT_EQ(usbUpdate.count(), 1);
    EXPECT_TRUE(usbUpdate.at(0).at(0).toBool());
    ASSERT_EQ(language.count(), 1);
    EXPECT_EQ(language.at(0).at(0).toInt(), 1);
    ASSERT_EQ(palette.count(), 1);
    EXPECT_EQ(palette.at(0).at(0).toInt(), 5);
}

TEST_F(LivePageTest, StoreRequestsCarryACopyOfTheLiveRules)
{
    // Without a camera the store has nothing: the worker refuses, the page says so.
    QSignalSpy global(page_.get(), &Page::sendUpdateGlobalInfoSignal);
    emit page_->sidePanel()->sendUpdateGlobalInfoSignales();
    ASSERT_EQ(global.count(), 1);
    EXPECT_FALSE(global.at(0).at(0).toBool());
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts_.count(Kind::Notice) == 1; }, kWaitMs));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{tx("Set Temperature Param Fail")});

    // Two live rectangles reach the camera as the full calibration's boxes.
    const USBSDK_DeviceInfo info = firstDevice();
    ASSERT_TRUE(sdk().Open(&info));
    ThermalImageData& store = ThermalImageData::getInstance();
    PicRuleRecord records[2] = {};
    for (int i = 0; i < 2; ++i) {
        records[i].key = quint32(9001 + i);
        records[i].rule.meterType = PicRuleRecord::kTypeArea;
        records[i].rule.param = PicRuleRecord::kShapeRectangle;
        records[i].rule.pointNum = 4;
        const int x0 = 1024 + 4096 * i;
        const int corners[4][2] = {{x0, 3072}, {x0 + 2048, 3072}, {x0, 5120}, {x0 + 2048, 5120}};
        for (int p = 0; p < 4; ++p) {
            records[i].rule.points[p].x = corners[p][0];
            records[i].rule.points[p].y = corners[p][1];
        }
        ASSERT_EQ(store.addDevRule(&records[i]), 0);
    }
    QSignalSpy request(page_.get(), &Page::sendFullCalibrationCalibrateRectSignal);
    QSignalSpy saved(page_->tempCaliModule(), &QTempCaliModule::sendFullCalibraSaveCalibrateRectRetSignal);
    emit page_->tempCaliModule()->sendFullCalibraSaveCalibrateRectSignal();
    ASSERT_EQ(request.count(), 1);
    const auto copy = qvariant_cast<QVector<PicRuleConfig>>(request.at(0).at(0));
    ASSERT_EQ(copy.size(), 2);
    EXPECT_EQ(copy[1].points[1].x, 1024 + 4096 + 2048);
    // The worker takes exactly two rectangles; its answer reaches the module.
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.count() == 1; }, kWaitMs));
    EXPECT_TRUE(saved.at(0).at(0).toBool());
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetFullCalibrationRECT"), 1);
    store.delDevRule(9001);
    store.delDevRule(9002);
}

// ---- Texts ---------------------------------------------------------------------------

// Marks every text of the page, so a retranslation shows.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "QVideoPreviewModuleWidget") != 0) return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

TEST_F(LivePageTest, LanguageChangeRetranslatesTooltipsAndTexts)
{
    MarkingTranslator marking;
    QApplication::installTranslator(&marking);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(page_->connectButton()->toolTip(), "<Connect>");
    EXPECT_EQ(page_->standbyButton()->toolTip(), "<Sleep>");
    EXPECT_EQ(page_->freezeCheckBox()->text(), "<Freeze>");
    EXPECT_EQ(page_->hotpointCheckBox()->text(), "<Hot spot>");
    EXPECT_EQ(page_->coldpointCheckBox()->text(), "<Cold spot>");
    EXPECT_EQ(page_->snapshotButton()->textLabel()->text(), "<Snapshot>");
    EXPECT_EQ(page_->recordButton()->textLabel()->text(), "<Record>");
    EXPECT_EQ(page_->newPalettePanel()->findChild<QPushButton*>("newAuroraBtn")->toolTip(), "<Aurora>");
    EXPECT_EQ(page_->oldPalettePanel()->findChild<QPushButton*>("WinterBtn")->toolTip(), "<Winter>");
    QApplication::removeTranslator(&marking);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(page_->connectButton()->toolTip(), "Connect");
}

TEST_F(LivePageTest, ConnectFailureReadsInEnglish)
{
    QTranslator english;
    ASSERT_TRUE(english.load(":/Translation/Translation/vxt_en.qm"));
    QApplication::installTranslator(&english);
    const QString first = tx("Device connect fail prompt1");
    if (first == "Device connect fail prompt1") {
        QApplication::removeTranslator(&english);
        GTEST_SKIP() << "the English catalogue has no live page texts yet";
    }
    page_->setDevConnectRetSlot(false);
    QApplication::removeTranslator(&english);
    EXPECT_EQ(prompts_.texts(Kind::Notice),
              QStringList{"Device disconnected, please check:\r\n"
                          "1. Whether the cable between the device and the computer is properly inserted\r\n"
                          "2. The device communication preparation takes about 7 seconds after connection. "
                          "Please try again later"});
}

}  // namespace

namespace {

// The FFC result: a toast on success, the error code in a message box on
// failure.
TEST_F(LivePageTest, FfcResultIsShown)
{
    page_->setShutterCorrectRetSlot(true);
    ASSERT_EQ(prompts_.count(Kind::Toast), 1);
    EXPECT_EQ(prompts_.last(Kind::Toast).text, "Operate succeed");
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 0);
    EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);

    EXPECT_EQ(USBSDK_GetColor(nullptr), 0);  // no session: sets the last error
    const int error = USBSDK_GetLastError();
    page_->setShutterCorrectRetSlot(false);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Failed to FFC,Error Code:" + QString::number(error)});
}

}  // namespace
