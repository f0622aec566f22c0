// Module 3 in the main window over the simulated camera, saved as PNG files
// for a look (CI runs this under Xvfb): the panel filled from the camera
// with each of its sections open, in English and in Chinese, every text
// whole; and the live video before and after a contrast and a palette
// chosen on the panel, which must change the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTest>

#include <cstdlib>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "MainWindow.h"
#include "QBasicSetting.h"
#include "QIconTextRBtn.h"
#include "QImageInfo.h"
#include "QImageInfoModule.h"
#include "QLoadingMsgDlg.h"
#include "QPreviewModuleWidget.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoWndWidget.h"
#include "ScreenshotPixels.h"
#include "ScreenshotTexts.h"
#include "SimCamera.h"
#include "StartUp.h"
#include "VideoSurface.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;

const char* const kSectionFiles[QImageInfo::SectionCount] = {"basic", "wide_dynamic", "gain", "ffc", "image_mode"};

QRect areaIn(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// The share of pixels of an area whose colour moved by more than a few
// levels in some channel.
double changedShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull()) return 0;
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            changed += d > 24;
        }
    return double(changed) / (a.width() * a.height());
}

// The main window, its camera connected, module 3 shown and filled.
struct ImageModuleWindow {
    explicit ImageModuleWindow(int language) : english(chooseLanguage(language))
    {
        QDir().mkpath(folder);
        window.show();
        page = window.videoPreview();
        panel = page->imageInfoModule()->panel();
    }
    ~ImageModuleWindow() { DeviceSdkWrapper::getInstance().Close(); }

    static bool chooseLanguage(int language)
    {
        SIMCAM_Reset();
        SIMCAM_Scene scene;
        SIMCAM_GetScene(0, &scene);
        scene.hotMotion = 0;
        SIMCAM_SetScene(0, &scene);
        ConfigManager::getInstance().setLanguage(language);
        return language == 1;
    }

    bool panelWaitClosed() const
    {
        const FakeUiPrompts::Call* last = nullptr;
        for (const FakeUiPrompts::Call& c : prompts.calls)
            if (c.kind == Kind::WaitStatus && c.dialog == panel->waitDialog()) last = &c;
        return last && !last->shown;
    }

    // True once the video plays and module 3 shows the camera's values.
    bool connectAndShow()
    {
        if (!QTest::qWaitForWindowExposed(&window)) return false;
        page->setConnectDeviceSlot(simcamera::firstDevice());
        if (!QTest::qWaitFor([&] { return page->isConnected() && page->sidePanel()->isEnabled(); }, 8000)) return false;
        window.setModuleShow(3);
        return QTest::qWaitFor([&] { return panelWaitClosed(); }, 5000) && framesAdvance();
    }

    const VideoSurface* surface() const { return page->videoWnd()->getVideoWnd(); }
    bool framesAdvance(int n = 6) const
    {
        const quint64 start = surface()->framesShown();
        return QTest::qWaitFor([&] { return surface()->framesShown() > start + quint64(n); }, 5000);
    }
    QImage videoShot() { return window.grab().toImage().copy(areaIn(surface(), &window)); }

    FakeUiPrompts prompts;
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    const bool english;
    MainWindow window;
    QVideoPreviewModuleWidget* page = nullptr;
    QImageInfo* panel = nullptr;
};

TEST(ImagePanelScreenshot, EachSectionOpenInBothLanguages)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    for (int language : {1, 0}) {
        SCOPED_TRACE(language);
        ImageModuleWindow live(language);
        ASSERT_TRUE(live.connectAndShow());
        QImageInfo* panel = live.panel;
        ASSERT_FALSE(panel->isHidden());
        const FoldSections& folds = panel->sections();
        for (int s = 0; s < QImageInfo::SectionCount; ++s) {
            SCOPED_TRACE(kSectionFiles[s]);
            if (!folds.isOpen(s)) folds.header(s)->click();
            ASSERT_TRUE(folds.isOpen(s));
            QTest::qWait(50);
            const QImage shot = live.window.grab().toImage();
            const QString name = QString("image_module_%1_%2.png").arg(kSectionFiles[s], language == 1 ? "en" : "zh");
            ASSERT_TRUE(shot.save(live.folder + "/" + name));
            expectTextsFit(panel, visibleTexts(panel));
            EXPECT_GT(distinctColours(shot, areaIn(folds.page(s), &live.window)), 4) << "the page is drawn";
        }
        EXPECT_EQ(live.prompts.count(Kind::Notice), 0) << live.prompts.texts(Kind::Notice).join("; ").toStdString();
    }
}

TEST(ImagePanelScreenshot, ContrastAndPaletteChangeTheLiveVideo)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    ImageModuleWindow live(1);
    ASSERT_TRUE(live.connectAndShow());
    QBasicSetting* basic = live.panel->basicPage();
    const QImage before = live.videoShot();
    ASSERT_TRUE(before.save(live.folder + "/image_live_before.png"));
    EXPECT_GT(distinctColours(before, before.rect()), 100) << "a thermal picture";

    drag(basic->valueControl(QBasicSetting::ContrastValue), 100);
    ASSERT_TRUE(QTest::qWaitFor([] { return simValue("contrast") == 100; }, 5000));
    ASSERT_TRUE(live.framesAdvance());
    const QImage contrast = live.videoShot();
    ASSERT_TRUE(contrast.save(live.folder + "/image_live_contrast.png"));
    EXPECT_GT(changedShare(before, contrast), 0.3) << "the contrast shows in the video";

    QComboBox* palette = basic->paletteCombo();
    const int rainbow = palette->findData(3);
    ASSERT_GE(rainbow, 0);
    palette->setCurrentIndex(rainbow);
    emit palette->activated(rainbow);
    ASSERT_TRUE(QTest::qWaitFor([] { return simValue("palette") == 3; }, 5000));
    ASSERT_TRUE(live.framesAdvance());
    const QImage colours = live.videoShot();
    ASSERT_TRUE(colours.save(live.folder + "/image_live_palette.png"));
    EXPECT_GT(changedShare(contrast, colours), 0.3) << "the palette shows in the video";
    EXPECT_EQ(palette->currentData().toInt(), 3);
    EXPECT_EQ(live.prompts.count(Kind::Notice), 0);
}

}  // namespace
