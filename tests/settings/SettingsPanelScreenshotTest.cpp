// Module 1 in the main window over the simulated camera, saved as PNG files
// for a look (CI runs this under Xvfb): the panel with each section open in
// English and in Chinese, the settings read from the camera, every text
// whole; the update page with its progress bar during a flash; and the
// lens page of a cooled camera.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "MainWindow.h"
#include "QFocusWidget.h"
#include "QIconTextRBtn.h"
#include "QPreviewModuleWidget.h"
#include "QSelLineEdit.h"
#include "QSettingCtrl.h"
#include "QSettingModule.h"
#include "QSettingsDlg.h"
#include "QUpdate.h"
#include "QVideoPreviewModuleWidget.h"
#include "ScreenshotPixels.h"
#include "ScreenshotTexts.h"
#include "SimCamera.h"
#include "StartUp.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using C = QSettingCtrl;

const char* const kSectionFiles[] = {"settings", "update", "focus"};

QRect areaIn(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// The main window with a cooled camera connected, the advanced entry
// unlocked and module 1 shown.
struct SettingsModuleWindow {
    explicit SettingsModuleWindow(int language) : english(chooseCamera(language))
    {
        QDir().mkpath(folder);
        window.show();
        page = window.videoPreview();
        panel = page->settingModule()->panel();
    }
    ~SettingsModuleWindow() { DeviceSdkWrapper::getInstance().Close(); }

    // A cooled camera and the language, before the window reads them.
    static bool chooseCamera(int language)
    {
        SIMCAM_Reset();
        setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 1; });
        ConfigManager::getInstance().setLanguage(language);
        return language == 1;
    }


    // True once the video plays and module 1 shows what the camera holds.
    bool connectAndShow()
    {
        if (!QTest::qWaitForWindowExposed(&window)) return false;
        page->setConnectDeviceSlot(simcamera::firstDevice());
        if (!QTest::qWaitFor([&] { return page->isConnected() && page->sidePanel()->isEnabled(); }, 8000)) return false;
        USBSDK_SetImageFlipMode(2);
        USBSDK_SetCrossCursorParams(1, 2);
        USBSDK_SetRefrigerationFocusMode(1);
        page->setUSBUpdateShowSlots(true);
        window.setModuleShow(1);
        return QTest::qWaitFor([&] { return panel->settingsPage()->imageFlipCombo()->currentIndex() == 2; }, 5000) &&
               QTest::qWaitFor([&] { return panel->settingsPage()->crossCursorCombo()->currentIndex() == 2; }, 5000);
    }

    QImage shot(const QString& name)
    {
        QTest::qWait(50);
        const QImage image = window.grab().toImage();
        EXPECT_TRUE(image.save(folder + "/" + name));
        return image;
    }

    const bool english;
    FakeUiPrompts prompts;
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    MainWindow window;
    QVideoPreviewModuleWidget* page = nullptr;
    QSettingCtrl* panel = nullptr;
};

TEST(SettingsPanelScreenshot, EachSectionOpenInBothLanguages)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    for (int language : {1, 0}) {
        SCOPED_TRACE(language);
        SettingsModuleWindow live(language);
        ASSERT_TRUE(live.connectAndShow());
        const FoldSections& folds = live.panel->sections();
        ASSERT_FALSE(folds.header(C::FocusSection)->isHidden()) << "a cooled camera";
        for (int s = 0; s < 3; ++s) {
            SCOPED_TRACE(kSectionFiles[s]);
            // The settings page starts open under a closed arrow: its first
            // click closes it.
            for (int clicks = 0; clicks < 2 && !folds.isOpen(s); ++clicks) folds.header(s)->click();
            ASSERT_TRUE(folds.isOpen(s));
            if (s == C::FocusSection) {
                QComboBox* mode = live.panel->focusPage()->focusModeComboBox();
                ASSERT_TRUE(QTest::qWaitFor([&] { return mode->currentIndex() == 1; }, 5000)) << "read back";
            }
            const QImage image =
                live.shot(QString("settings_module_%1_%2.png").arg(kSectionFiles[s], language == 1 ? "en" : "zh"));
            expectTextsFit(live.panel, visibleTexts(live.panel));
            EXPECT_GT(distinctColours(image, areaIn(folds.page(s), &live.window)), 4) << "the page is drawn";
        }
        EXPECT_EQ(live.prompts.count(Kind::Notice), 0) << live.prompts.texts(Kind::Notice).join("; ").toStdString();
    }
}

TEST(SettingsPanelScreenshot, TheProgressBarRisesDuringAFlash)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    SettingsModuleWindow live(1);
    ASSERT_TRUE(live.connectAndShow());
    QUpdate* update = live.panel->updatePage();
    live.panel->sections().header(C::UpdateSection)->click();
    ASSERT_FALSE(update->isHidden());

    const QString firmware = live.folder + "/main_program.bin";
    QFile file(firmware);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    // Long enough that the bar is caught mid-flash on a loaded machine.
    SIMCAM_SetUpdateBehaviour(8000, SIMCAM_UPDATE_SUCCESS, 3000);
    live.prompts.picks.enqueue(firmware);
    update->pathField(QUpdate::MainRow)->findChild<QPushButton*>()->click();
    ASSERT_EQ(update->pathField(QUpdate::MainRow)->text(), firmware);
    update->updateButton(QUpdate::MainRow)->click();
    ASSERT_TRUE(update->isUpdating());

    QProgressBar* bar = update->progressBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->value() >= 30 && bar->maximum() == 100; }, 5000));
    EXPECT_FALSE(bar->isHidden());
    const QImage image = live.shot("settings_module_update_progress.png");
    EXPECT_GT(distinctColours(image, areaIn(bar, &live.window)), 2) << "the bar is drawn";

    ASSERT_TRUE(QTest::qWaitFor([&] { return live.prompts.count(Kind::Notice) > 0; }, 20000));
    EXPECT_EQ(live.prompts.texts(Kind::Notice), QStringList{QCoreApplication::translate("QUpdate", "Upgrade success!")});
    EXPECT_FALSE(update->isUpdating());
    EXPECT_TRUE(bar->isHidden());
    QFile::remove(firmware);
}

}  // namespace
