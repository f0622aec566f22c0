// The main window with the simulated camera playing on the live page, in
// Chinese and in English, and once with the histogram window open, saved as
// PNG files for a look (CI runs this under Xvfb). Checks what a glance
// would: the video moves, the colour scale and the toolbar are there, and
// the longest texts of the live page, the side panel and the device page
// are whole in both languages.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QGraphicsView>
#include <QCheckBox>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include <cstring>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "MainWindow.h"
#include "QCtrlModuleWidget.h"
#include "QDeviceInfoModule.h"
#include "QIconTextRBtn.h"
#include "QHistogramCount.h"
#include "QIsothermParams.h"
#include "QPreviewModuleWidget.h"
#include "QSecondCalibration.h"
#include "QTempRule.h"
#include "QTitleWidget.h"
#include "SceneMouse.h"
#include "ScreenshotPixels.h"
#include "ScreenshotTexts.h"
#include "SimCamera.h"
#include "QVideoTemperShow.h"
#include "QVideoHistogram.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoWndWidget.h"
#include "StartUp.h"
#include "VideoPointExItem.h"
#include "VideoSurface.h"
#include "simcam.h"

namespace {

QRect areaIn(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

TEST(LivePageScreenshot, LiveVideoInBothLanguages)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    SIMCAM_Reset();
    FakeUiPrompts prompts;
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    struct Language {
        int value;
        const char* file;
        const char* histogramFile;
    };
    const Language languages[] = {{0, "live_zh.png", "live_zh_histogram.png"}, {1, "live_en.png", nullptr}};
    for (const Language& l : languages) {
        SCOPED_TRACE(l.file);
        ConfigManager::getInstance().setLanguage(l.value);
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QVideoPreviewModuleWidget* page = window.videoPreview();

        page->setConnectDeviceSlot(simcamera::firstDevice());
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->isConnected() && page->sidePanel()->isEnabled(); }, 8000));

        const VideoSurface* surface = page->videoWnd()->getVideoWnd();
        const quint64 start = surface->framesShown();
        ASSERT_TRUE(QTest::qWaitFor([&] { return surface->framesShown() > start + 10; }, 5000));
        EXPECT_FALSE(page->sceneView()->isHidden());
        EXPECT_FALSE(page->scaleColumn()->isHidden());

        const QImage first = window.grab().toImage();
        const quint64 shown = surface->framesShown();
        ASSERT_TRUE(QTest::qWaitFor([&] { return surface->framesShown() > shown + 10; }, 5000));
        const QImage shot = window.grab().toImage();
        ASSERT_TRUE(shot.save(folder + "/" + l.file));

        const QRect video = areaIn(surface, &window);
        EXPECT_GT(distinctColours(shot, video), 200) << "a thermal picture, not a blank";
        EXPECT_NE(first.copy(video), shot.copy(video)) << "the video moves";
        EXPECT_GT(distinctColours(shot, areaIn(page->scaleColumn(), &window)), 20) << "the colour scale";
        EXPECT_GT(distinctColours(shot, areaIn(page->moduleBar(), &window)), 4) << "the toolbar";

        if (l.histogramFile) {
            page->setShowHistogramSlot();
            QVideoHistogram* histogram = page->histogram();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(histogram));
            // A few counted frames drawn; the dialog's own slot runs first.
            int counted = 0;
            const QMetaObject::Connection counting = QObject::connect(
                histogram->worker(), &QHistogramCount::sendCalculateYConutRetSignal, histogram, [&] { ++counted; });
            ASSERT_TRUE(QTest::qWaitFor([&] { return counted >= 3; }, 8000));
            QObject::disconnect(counting);
            QImage both = window.grab().toImage();
            QPainter painter(&both);
            painter.drawPixmap(histogram->geometry().topLeft() - window.geometry().topLeft(), histogram->grab());
            painter.end();
            EXPECT_TRUE(both.save(folder + "/" + l.histogramFile));
            histogram->close();
        }
        EXPECT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), 0);
    }
    DeviceSdkWrapper::getInstance().Close();
}

int countColour(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// The main window in English with the simulated camera connected and its
// thermal function open; the hot disc held still when asked.
struct ConnectedWindow {
    explicit ConnectedWindow(bool stillScene)
    {
        SIMCAM_Reset();
        if (stillScene) {
            SIMCAM_Scene scene;
            SIMCAM_GetScene(0, &scene);
            scene.hotMotion = 0;
            SIMCAM_SetScene(0, &scene);
        }
        QDir().mkpath(folder);
        window.show();
        page = window.videoPreview();
    }
    ~ConnectedWindow() { DeviceSdkWrapper::getInstance().Close(); }
    // True once the page shows video and measures.
    bool connect()
    {
        if (!QTest::qWaitForWindowExposed(&window)) return false;
        page->setConnectDeviceSlot(simcamera::firstDevice());
        return QTest::qWaitFor([&] { return page->sidePanel()->isEnabled() && !page->sceneView()->isHidden(); }, 8000);
    }

    FakeUiPrompts prompts;
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    // The window loads its catalogue when it is built, so English goes first.
    static bool startInEnglish()
    {
        ConfigManager::getInstance().setLanguage(1);
        return true;
    }
    const bool english = startInEnglish();
    MainWindow window;
    QVideoPreviewModuleWidget* page = nullptr;
};

TEST(LivePageScreenshot, RulesOfEveryKindOnLiveVideo)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    ConnectedWindow live(true);
    ASSERT_TRUE(live.connect());
    MainWindow& window = live.window;
    QVideoPreviewModuleWidget* page = live.page;
    const QString& folder = live.folder;
    FakeUiPrompts& prompts = live.prompts;
    QVideoSceneViewCtrl* scene = page->sceneView();

    const SceneMouse mouse(scene);
    const auto at = [&](double u, double v) { return mouse.at(u, v); };
    const auto drag = [&](QPoint from, QPoint to) { mouse.drag(from, to); };
    const auto click = [&](QPoint pos, Qt::MouseButton button) { mouse.click(pos, button); };
    // Each kind over a part of the scene that reads a clear value.
    scene->setPointBtnSlots();
    click(at(0.40, 0.62), Qt::LeftButton);
    scene->setLineBtnSlots();
    drag(at(0.05, 0.45), at(0.35, 0.75));
    scene->setRectBtnSlots();
    drag(at(0.09, 0.12), at(0.21, 0.28));
    scene->setEllipseBtnSlots();
    drag(at(0.30, 0.10), at(0.48, 0.30));
    scene->setCircularBtnSlots();
    drag(at(0.66, 0.38), at(0.84, 0.62));
    scene->setPolygonBtnSlots();
    click(at(0.55, 0.75), Qt::LeftButton);
    click(at(0.70, 0.70), Qt::LeftButton);
    click(at(0.75, 0.92), Qt::LeftButton);
    click(at(0.60, 0.95), Qt::RightButton);
    ASSERT_EQ(scene->ruleItemList().size(), 6);
    scene->setRuleWidgetEnableSlot(true);

    page->hotpointCheckBox()->click();
    page->coldpointCheckBox()->click();
    // A refresh of the temperature worker has placed the marks and read the
    // rules (the same tick does both).
    const VideoPointExItem* marker = scene->hotColdMarker();
    const QString na = QCoreApplication::translate("QVideoSceneViewCtrl", "N/A");
    const auto measured = [&](const QString& text) { return !text.isEmpty() && text != na; };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return marker->hotVisible() && marker->coldVisible() && measured(marker->hotText()) &&
                   measured(marker->coldText());
        },
        8000));
    const QImage shot = window.grab().toImage();
    ASSERT_TRUE(shot.save(folder + "/live_rules_en.png"));

    const QRect overlay(scene->mapTo(&window, QPoint(0, 0)), scene->size());
    EXPECT_GT(countColour(shot, overlay, qRgb(0, 255, 0)), 1500) << "six green rules";
    EXPECT_GT(countColour(shot, overlay, qRgb(255, 0, 0)), 20) << "the hot mark";
    EXPECT_GT(countColour(shot, overlay, qRgb(0, 0, 255)), 20) << "the cold mark";

    // With temperatures shown over the picture (as in full screen), the
    // overlay lists every rule's values.
    page->setFullScreenThermEnableSlot(true);
    page->updateSceneViewSizeAndPosSlot(true);
    QTest::qWait(1200);
    ASSERT_FALSE(page->temperShow()->isHidden());
    ASSERT_TRUE(window.grab().toImage().save(folder + "/live_rules_overlay_en.png"));
    page->updateSceneViewSizeAndPosSlot(false);

    EXPECT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), 0);
    scene->clearRules();
}

// The side panel beside live video with each of its pages open; the two
// pages whose headers the panel hides are shot on their own.
TEST(LivePageScreenshot, SidePanelPages)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    ConnectedWindow shot(false);
    ASSERT_TRUE(shot.connect());
    MainWindow& window = shot.window;
    const QString& folder = shot.folder;
    QPreviewModuleWidget* panel = shot.page->sidePanel();

    struct Shot {
        QPreviewModuleWidget::Section section;
        const char* file;
    };
    const Shot shots[] = {{QPreviewModuleWidget::GainModelSection, "live_panel_gain_en.png"},
                          {QPreviewModuleWidget::RulePropertySection, "live_panel_rule_en.png"},
                          {QPreviewModuleWidget::GlobalThermalSection, "live_panel_global_en.png"}};
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.file);
        panel->header(shot.section)->click();
        ASSERT_FALSE(panel->page(shot.section)->isHidden());
        QTest::qWait(800);  // the page's reads from the camera come back
        const QImage image = window.grab().toImage();
        ASSERT_TRUE(image.save(folder + "/" + shot.file));
        const QRect area(panel->page(shot.section)->mapTo(&window, QPoint(0, 0)), panel->page(shot.section)->size());
        EXPECT_TRUE(window.rect().contains(area)) << "the page fits the window";
        EXPECT_GT(distinctColours(image, area), 3) << "the page shows its controls";
    }
    // The pages the panel keeps hidden, each in a column of the panel's
    // width and colour, then given back.
    for (QWidget* alone :
         {static_cast<QWidget*>(panel->isothermPage()), static_cast<QWidget*>(panel->secondCalibrationPage())}) {
        SCOPED_TRACE(alone->objectName().toStdString());
        QWidget column;
        column.setObjectName("ScreenshotColumn");
        column.setStyleSheet("QWidget#ScreenshotColumn{background-color:#262626;}");
        column.setAttribute(Qt::WA_StyledBackground);
        auto* layout = new QVBoxLayout(&column);
        layout->setContentsMargins(0, 0, 0, 0);
        const QSizePolicy policy = alone->sizePolicy();
        alone->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        alone->setParent(&column);
        layout->addWidget(alone);
        layout->addStretch(1);
        alone->show();
        column.resize(254, 460);
        column.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&column));
        QTest::qWait(300);
        ASSERT_TRUE(column.grab().toImage().save(folder + "/live_panel_" + alone->objectName() + "_en.png"));
        layout->removeWidget(alone);
        alone->hide();
        alone->setParent(panel);
        alone->setSizePolicy(policy);
    }
    EXPECT_EQ(shot.prompts.count(FakeUiPrompts::Kind::Notice), 0);
}


// The pages with the longest texts at the window's 1080 x 720, in English
// and, after the title bar's language button, in Chinese: the live page's
// switches, the side panel's gain and rule pages (a rule selected, so every
// row shows) and the device information page. Every text is whole, and the
// panel's headers and pages stand one below the other inside the column.
TEST(LivePageScreenshot, LongTextsFitInBothLanguages)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    ConnectedWindow live(true);
    ASSERT_TRUE(live.connect());
    MainWindow& window = live.window;
    QVideoPreviewModuleWidget* page = live.page;
    QPreviewModuleWidget* panel = page->sidePanel();
    const SceneMouse mouse(page->sceneView());
    page->sceneView()->setRectBtnSlots();
    mouse.drag(mouse.at(0.09, 0.12), mouse.at(0.21, 0.28));
    ASSERT_EQ(page->sceneView()->ruleItemList().size(), 1);
    mouse.click(mouse.at(0.15, 0.20), Qt::LeftButton);

    using P = QPreviewModuleWidget;
    struct PanelPage {
        P::Section section;
        const char* file;
    };
    const PanelPage panelPages[] = {{P::GainModelSection, "gain"}, {P::RulePropertySection, "rule"}};
    for (const char* language : {"en", "zh"}) {
        SCOPED_TRACE(language);
        const QString stem = live.folder + "/live_texts_" + language + "_";
        window.ctrlModule()->setVideoPreviewModuleShowSlots();
        expectTextsFit(page->moduleBar(),
                       {page->freezeCheckBox(), page->hotpointCheckBox(), page->coldpointCheckBox()});
        for (const PanelPage& open : panelPages) {
            SCOPED_TRACE(open.file);
            panel->header(open.section)->click();
            ASSERT_FALSE(panel->page(open.section)->isHidden());
            QTest::qWait(800);  // the page's reads from the camera come back
            ASSERT_TRUE(window.grab().toImage().save(stem + open.file + ".png"));
            expectTextsFit(panel->page(open.section), visibleTexts(panel->page(open.section)));
            int below = 0;
            for (P::Section s : {P::TemperResultSection, P::GainModelSection, P::RulePropertySection,
                                 P::GlobalThermalSection}) {
                for (QWidget* part : {static_cast<QWidget*>(panel->header(s)), panel->page(s)}) {
                    if (part->isHidden()) continue;
                    EXPECT_GE(part->y(), below) << "section " << s << " starts below the one above";
                    below = part->geometry().bottom() + 1;
                }
            }
            EXPECT_LE(below, panel->height()) << "the last header ends inside the panel";
            panel->header(open.section)->click();
        }
        window.ctrlModule()->setDeviceInformationModuleShowSlots();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !page->deviceInfoModule()->isHidden(); }, 2000));
        QTest::qWait(800);  // the worker's answer fills the values
        ASSERT_TRUE(window.grab().toImage().save(stem + "device.png"));
        const QList<QWidget*> texts = visibleTexts(page->deviceInfoModule());
        EXPECT_EQ(texts.size(), 10) << "five captions, five values";
        expectTextsFit(page->deviceInfoModule(), texts);
        window.titleWidget()->languageButton()->click();
    }
    window.ctrlModule()->setVideoPreviewModuleShowSlots();
    EXPECT_EQ(live.prompts.count(FakeUiPrompts::Kind::Notice), 0);
}

}  // namespace
