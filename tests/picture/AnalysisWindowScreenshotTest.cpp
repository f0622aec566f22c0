// The picture analysis window with a fixture picture opened as an import
// opens it, one rule of every kind, unflipped and mirrored, a range chosen
// on the slider, once with the parameter panel and the slider's markers, saved as PNG files for a look (CI runs this
// under Xvfb). Checks what a glance would: the picture, the rules over it,
// the tool bar and the column are drawn and the rule layer covers the
// picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QComboBox>
#include <QTest>
#include <QTranslator>

#include "AnalysisWindowTestSupport.h"
#include "FakeUiPrompts.h"
#include "QHotImageParamSet.h"
#include "QTemperRangeAdjust.h"
#include "QTemperScaleWidget.h"
#include "QUnitLabel.h"
#include "ScratchDir.h"
#include "ScreenshotPixels.h"
#include "ScreenshotTexts.h"
#include "StartUp.h"

namespace {

QRect areaIn(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// A range chosen on the slider, as a drag of both handles leaves it.
void chooseRange(QHotImageCtrl& w)
{
    ThermalImageData& s = ThermalImageData::getInstance();
    const float low = s.getMinTemper() + 4.0f, high = s.getMaxTemper() - 5.0f;
    w.rangeSlider()->setValues(low, high);
    w.setColorBarRange(low, high);
    w.updateHotImage(low, high);
}

TEST(AnalysisWindowScreenshot, SixRulesFlippedAndNot)
{
    ASSERT_TRUE(prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    FakeUiPrompts prompts;
    const QString folder = QString(CALIDRA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    fixtures::ScratchDir dir;

    struct Shot {
        int flip;
        bool panel;  // parameter panel and slider markers
        const char* language;
        const char* file;
    };
    QTranslator translator;
    for (const Shot& shot :
         {Shot{0, false, "en", "analysis_flip0_en.png"}, Shot{2, false, "en", "analysis_flip2_en.png"},
          Shot{0, true, "en", "analysis_panel_en.png"}, Shot{2, false, "zh", "analysis_flip2_zh.png"},
          Shot{0, true, "zh", "analysis_panel_zh.png"}}) {
        SCOPED_TRACE(shot.file);
        QApplication::removeTranslator(&translator);
        ASSERT_TRUE(translator.load(QString(":/Translation/Translation/vxt_%1.qm").arg(shot.language)));
        QApplication::installTranslator(&translator);
        QHotImageCtrl window;
        window.resize(1097, 640);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(analysistest::openInWindow(window, analysistest::sixRulePicture(shot.flip), dir.file("pic.png")));
        QApplication::processEvents();
        chooseRange(window);
        if (shot.panel) {
            QTest::mouseClick(window.paramSetButton(), Qt::LeftButton);
            QTemperRangeAdjust* slider = window.rangeSlider();
            window.moveLowMarker(slider->lowHandle()->x());
            window.moveHighMarker(slider->highHandle()->x());
            window.setLowMarkerVisible(true);
            window.setHighMarkerVisible(true);
        }
        QApplication::processEvents();

        const QImage image = window.grab().toImage();
        ASSERT_TRUE(image.save(folder + "/" + shot.file));
        ASSERT_FALSE(window.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
        EXPECT_EQ(window.sceneView()->geometry().size(), window.pictureLabel()->pixmap(Qt::ReturnByValue).size());
        EXPECT_GT(distinctColours(image, areaIn(window.sceneView(), &window)), 100) << "the picture under the rules";
        EXPECT_GT(distinctColours(image, areaIn(window.toolBar(), &window)), 8) << "the tool bar";
        EXPECT_GT(distinctColours(image, areaIn(window.colorScale(), &window)), 20) << "the colour scale";
        QWidget* column =
            shot.panel ? static_cast<QWidget*>(window.paramPanel()) : static_cast<QWidget*>(window.resultTable());
        EXPECT_GT(distinctColours(image, areaIn(column, &window)), 4) << "the column's panel";
        if (shot.panel) {
            EXPECT_TRUE(window.lowMarker()->isVisible());
        }
        // Every text is whole. The overlay's blocks scroll, so they are only
        // checked for their width.
        QList<QWidget*> texts, overlayTexts;
        for (QWidget* t : visibleTexts(&window))
            (window.temperOverlay()->isAncestorOf(t) ? overlayTexts : texts) << t;
        expectTextsFit(&window, texts);
        QWidget* blocks = window.temperOverlay()->scrollArea()->viewport();
        for (QWidget* t : overlayTexts) {
            EXPECT_TRUE(showsWholeText(t)) << shownText(t).toStdString();
            if (!blocks->isAncestorOf(t)) continue;
            EXPECT_LT(t->mapTo(blocks, QPoint(t->width() - 1, 0)).x(), blocks->width())
                << "beside the scroll bar, not under it";
        }
    }
    QApplication::removeTranslator(&translator);
    ThermalImageData::getInstance().freePic();
}

}  // namespace
