// The main window's module switch, the navigation bar (switching, the
// Advanced refusals, Ctrl+U with the password, the calibration entry on
// connect and disconnect) and the title bar (language switch, maximise,
// dragging).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "MainWindow.h"
#include "QAdvancedSetting.h"
#include "QCtrlModuleWidget.h"
#include "QHotImageCtrl.h"
#include "QHotImageModule.h"
#include "QIconTextCtrlBtn.h"
#include "QTitleWidget.h"
#include "QVideoPreviewModuleWidget.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

bool openCamera()
{
    USBSDK_DeviceInfo list[64];
    std::memset(list, 0, sizeof list);
    return sdk().GetDevInfoList(list, 64) >= 1 && sdk().Open(&list[0]) && sdk().Connect();
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        ConfigManager::getInstance().setLanguage(0);
        window_ = std::make_unique<MainWindow>();
    }
    void TearDown() override
    {
        window_.reset();
        sdk().Close();
        sdk().SetSleepMode(4);
    }
    QCtrlModuleWidget* nav() const { return window_->ctrlModule(); }
    void click(int module) { QTest::mouseClick(nav()->entry(module), Qt::LeftButton); }
    // Which page the main area shows: live, picture analysis, advanced.
    std::string shown() const
    {
        std::string s;
        if (!window_->videoPreview()->isHidden()) s += "live";
        if (!window_->hotImageModule()->isHidden()) s += "picture";
        if (!window_->advancedSetting()->isHidden()) s += "advanced";
        return s;
    }
    void unlockAdvanced()
    {
        prompts_.answers.enqueue(true);
        QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier);
    }

    FakeUiPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

TEST(MainWindowSize, FollowsThePrimaryScreen)
{
    struct Row {
        QSize screen, window;
    };
    const Row rows[] = {{{1366, 768}, {1080, 720}},
                        {{1920, 1080}, {1080, 720}},
                        {{1024, 600}, {1024, 600}},
                        {{1024, 768}, {1024, 720}},
                        {{1080, 500}, {1080, 720}}};
    for (const Row& r : rows) EXPECT_EQ(MainWindow::windowSizeFor(r.screen), r.window) << r.screen.width();
}

TEST_F(ShellTest, StartsOnTheLivePageWithTheFixedEntries)
{
    EXPECT_EQ(nav()->currentModule(), 0);
    EXPECT_EQ(shown(), "live");
    EXPECT_FALSE(nav()->entry(0)->isEnabled()) << "the selected entry";
    for (int m : {1, 2, 3, 4, 6}) {
        EXPECT_TRUE(nav()->entry(m)->isEnabled()) << m;
        EXPECT_FALSE(nav()->entry(m)->isHidden()) << m;
    }
    EXPECT_TRUE(nav()->entry(5)->isHidden());
    EXPECT_TRUE(nav()->entry(7)->isHidden());
    EXPECT_EQ(window_->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    EXPECT_EQ(nav()->width(), 74);
    EXPECT_EQ(window_->titleWidget()->height(), 34);
}

TEST_F(ShellTest, EntriesSwitchTheMainArea)
{
    struct Row {
        int module;
        const char* shown;
    };
    const Row rows[] = {{1, "live"}, {4, "picture"}, {3, "live"}, {6, "live"},
                        {2, "live"}, {4, "picture"}, {0, "live"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.module);
        click(r.module);
        EXPECT_EQ(nav()->currentModule(), r.module);
        EXPECT_EQ(window_->videoPreview()->mainWindowMode(), r.module) << "the live page hears every switch";
        EXPECT_EQ(shown(), r.shown);
        for (int m = 0; m < QCtrlModuleWidget::kModules; ++m) EXPECT_EQ(nav()->entry(m)->isEnabled(), m != r.module);
    }
}

TEST_F(ShellTest, CtrlUAsksForThePasswordAndTogglesTheAdvancedEntry)
{
    QSignalSpy unlocked(nav(), &QCtrlModuleWidget::sendUSBUpdateShowSignals);
    // Refused password: nothing changes.
    QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(prompts_.count(Kind::Password), 1);
    EXPECT_EQ(prompts_.last(Kind::Password).title, QString::fromUtf8("密码"));
    EXPECT_EQ(prompts_.last(Kind::Password).text, QString::fromUtf8("高级设置"));
    EXPECT_TRUE(nav()->entry(5)->isHidden());
    EXPECT_EQ(unlocked.count(), 0);
    // Ctrl+Shift+U is no shortcut.
    QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(prompts_.count(Kind::Password), 1);

    unlockAdvanced();
    EXPECT_FALSE(nav()->entry(5)->isHidden());
    ASSERT_EQ(unlocked.count(), 1);
    EXPECT_TRUE(unlocked.takeFirst().at(0).toBool());

    click(5);
    EXPECT_EQ(nav()->currentModule(), 5);
    EXPECT_EQ(shown(), "advanced");
    EXPECT_EQ(window_->advancedSetting()->refreshCount(), 1);

    // Ctrl+U on the advanced page hides the entry and goes back to the live view.
    QTest::keyClick(nav(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(nav()->entry(5)->isHidden());
    EXPECT_EQ(nav()->currentModule(), 0);
    EXPECT_EQ(shown(), "live");
    ASSERT_EQ(unlocked.count(), 1);
    EXPECT_FALSE(unlocked.takeFirst().at(0).toBool());
    EXPECT_EQ(prompts_.count(Kind::Password), 2) << "hiding asks for nothing";
}

TEST_F(ShellTest, AdvancedRefusedWhileRecordingThenWhileSleeping)
{
    unlockAdvanced();
    ASSERT_TRUE(openCamera());
    ASSERT_TRUE(sdk().SetSleepMode(5));
    window_->videoPreview()->setRecording(true);
    click(5);
    const QString recording = QString::fromUtf8("设备录像中"), sleeping = QString::fromUtf8("设备休眠中");
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{recording}) << "recording is tested first";
    window_->videoPreview()->setRecording(false);
    click(5);
    EXPECT_EQ(prompts_.texts(Kind::Notice), (QStringList{recording, sleeping}));
    EXPECT_EQ(nav()->currentModule(), 0);
    EXPECT_EQ(shown(), "live");
    ASSERT_TRUE(sdk().SetSleepMode(4));
    click(5);
    EXPECT_EQ(nav()->currentModule(), 5);
    EXPECT_EQ(prompts_.count(Kind::Notice), 2);
}

TEST_F(ShellTest, CalibrationEntryFollowsTheConnection)
{
    QVideoPreviewModuleWidget* live = window_->videoPreview();
    emit live->sendConnectDeviceStatusSignals();
    EXPECT_TRUE(nav()->entry(7)->isHidden()) << "no camera";
    ASSERT_TRUE(openCamera());
    emit live->sendConnectDeviceStatusSignals();
    EXPECT_FALSE(nav()->entry(7)->isHidden());
    click(7);
    EXPECT_EQ(nav()->currentModule(), 7);

    sdk().Close();
    emit live->sendConnectDeviceStatusSignals();
    EXPECT_TRUE(nav()->entry(7)->isHidden());
    EXPECT_EQ(nav()->currentModule(), 0);
    EXPECT_EQ(live->mainWindowMode(), 0);
    EXPECT_FALSE(nav()->entry(0)->isEnabled()) << "live selected";

    // A camera without a device type never shows it.
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.deviceType = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    ASSERT_TRUE(openCamera());
    emit live->sendConnectDeviceStatusSignals();
    EXPECT_TRUE(nav()->entry(7)->isHidden());
}

TEST_F(ShellTest, CameraDisconnectClosesTheAdvancedPage)
{
    unlockAdvanced();
    click(5);
    window_->closeAdvancedPage();
    EXPECT_TRUE(nav()->entry(5)->isHidden());
    EXPECT_EQ(nav()->currentModule(), 0);
    EXPECT_EQ(shown(), "live");
}

// The live page's answer reaches the analysis window, which opens the file
// (one that is no picture here: the window says so); an empty answer is
// ignored.
TEST_F(ShellTest, HeatMapExportIsRelayed)
{
    emit window_->videoPreview()->sendHeatMapExportRetSignal(QString());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    emit window_->videoPreview()->sendHeatMapExportRetSignal("/tmp/no-such-heat-map.png");
    EXPECT_EQ(prompts_.texts(Kind::Notice),
              QStringList{QCoreApplication::translate("QHotImageCtrl", "Import heat map failed")});
    EXPECT_EQ(prompts_.last(Kind::Notice).parent, window_->hotImageModule()->hotImageCtrl());
}

// The language button: Chinese -> English -> Chinese, each writing Language
// and retranslating the visible texts at once.
TEST_F(ShellTest, LanguageSwitchRewritesTheKeyAndRetranslates)
{
    QTitleWidget* title = window_->titleWidget();
    const QLabel* live = nav()->entry(0)->textLabel();
    EXPECT_EQ(live->text(), QString::fromUtf8("视频预览"));
    EXPECT_EQ(title->languageButton()->objectName(), "checkLangChBtn");
    EXPECT_EQ(title->maxButton()->toolTip(), QString::fromUtf8("最大化"));

    QSignalSpy changed(title, &QTitleWidget::sendLanguageChangedSignal);
    QTest::mouseClick(title->languageButton(), Qt::LeftButton);
    EXPECT_EQ(ConfigManager::getInstance().getLanguage(), 1);
    EXPECT_EQ(title->languageButton()->objectName(), "checkLangEnBtn");
    EXPECT_EQ(live->text(), "Live");
    EXPECT_EQ(nav()->entry(4)->textLabel()->text(), "Heatmap");
    EXPECT_EQ(title->maxButton()->toolTip(), "Maximize");

    QTest::mouseClick(title->languageButton(), Qt::LeftButton);
    EXPECT_EQ(ConfigManager::getInstance().getLanguage(), 0);
    EXPECT_EQ(title->languageButton()->objectName(), "checkLangChBtn");
    EXPECT_EQ(live->text(), QString::fromUtf8("视频预览"));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 1);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 0);

    // Any other stored value: nothing switched, nothing written.
    ConfigManager::getInstance().setLanguage(2);
    QTest::mouseClick(title->languageButton(), Qt::LeftButton);
    EXPECT_EQ(ConfigManager::getInstance().getLanguage(), 2);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(live->text(), QString::fromUtf8("视频预览"));
}

TEST_F(ShellTest, StartsInTheStoredLanguage)
{
    window_.reset();
    ConfigManager::getInstance().setLanguage(1);
    window_ = std::make_unique<MainWindow>();
    EXPECT_EQ(nav()->entry(0)->textLabel()->text(), "Live");
    EXPECT_EQ(window_->titleWidget()->languageButton()->objectName(), "checkLangEnBtn");
    window_.reset();
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, "Language", QVariant());
    window_ = std::make_unique<MainWindow>();
    EXPECT_EQ(nav()->entry(0)->textLabel()->text(), QString::fromUtf8("视频预览")) << "no key: Chinese";
}

TEST_F(ShellTest, MaximiseTooltipFollowsTheStateAndTheLanguage)
{
    window_->show();
    QTitleWidget* title = window_->titleWidget();
    title->setWndMaxSlots();
    EXPECT_TRUE(window_->isMaximized());
    EXPECT_TRUE(title->maxButton()->property("max").toBool());
    EXPECT_EQ(title->maxButton()->toolTip(), QString::fromUtf8("还原"));
    QTest::mouseClick(title->languageButton(), Qt::LeftButton);
    EXPECT_EQ(title->maxButton()->toolTip(), "Restore");
    title->setWndMaxSlots();
    EXPECT_FALSE(window_->isMaximized());
    EXPECT_FALSE(title->maxButton()->property("max").toBool());
    EXPECT_EQ(title->maxButton()->toolTip(), "Maximize");
}

TEST_F(ShellTest, DraggingMovesTheWindowUnlessMaximised)
{
    window_->move(100, 100);
    window_->show();
    QTitleWidget* title = window_->titleWidget();
    QSignalSpy moved(title, &QTitleWidget::sendMainWndMoveSignals);
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QMouseEvent move(QEvent::MouseMove, QPoint(350, 30), title->mapToGlobal(QPoint(350, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &move);
    EXPECT_EQ(window_->pos(), QPoint(150, 120));
    EXPECT_EQ(moved.count(), 1);
    QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, QPoint(350, 30));

    title->setWndMaxSlots();
    const QPoint before = window_->pos();
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QMouseEvent again(QEvent::MouseMove, QPoint(400, 60), title->mapToGlobal(QPoint(400, 60)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &again);
    EXPECT_EQ(window_->pos(), before);
    EXPECT_EQ(moved.count(), 1);
}

}  // namespace
