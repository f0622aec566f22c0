// The main window with the simulated camera playing on the live page, in
// Chinese and in English, and once with the histogram window open, saved as
// PNG files for a look (CI runs this under Xvfb). Checks what a glance
// would: the video moves, the colour scale and the toolbar are there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <cstring>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "MainWindow.h"
#include "QTempRule.h"
#include "QVideoHistogram.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoWndWidget.h"
#include "StartUp.h"
#include "VideoSurface.h"
#include "simcam.h"

namespace {

int distinctColours(const QImage& image, const QRect& area)
{
    QSet<QRgb> seen;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); y += 2)
        for (int x = inside.left(); x <= inside.right(); x += 2) seen.insert(image.pixel(x, y));
    return seen.size();
}

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

        USBSDK_DeviceInfo list[8];
        std::memset(list, 0, sizeof list);
        ASSERT_GE(DeviceSdkWrapper::getInstance().GetDevInfoList(list, 8), 1);
        page->setConnectDeviceSlot(list[0]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->isConnected(); }, 5000));
        // The temperature worker's answer to opening the thermal function,
        // which its stand-in does not give yet.
        emit page->tempRule()->sendOpenThermalFuncRetSignal(true);

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
            QTest::qWait(1500);  // a few counted frames
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

}  // namespace
