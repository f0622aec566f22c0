// The picture analysis window with a rendered fixture picture and one rule
// of every kind, unflipped and mirrored, once with the parameter panel and
// the range slider's markers, saved as PNG files for a look (CI runs this
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
#include <QSignalBlocker>
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

// The picture rendered by the store in its palette, scaled to the largest
// size with its aspect ratio that fits the label, at the label's top left.
QSize showPicture(QHotImageCtrl& w, const QString& bmp)
{
    ThermalImageData& s = ThermalImageData::getInstance();
    int32_t palette = 0;
    s.getColorType(&palette);
    EXPECT_EQ(s.saveImageBmp(bmp, palette, 0, s.getPaletteIndexLow(), s.getPaletteIndexHigh()), 0);
    // Shown with the flip of the rule layer.
    const int flip = s.getFlipDirection();
    const QPixmap picture = QPixmap::fromImage(QImage(bmp).mirrored(flip == 2 || flip == 3, flip == 1 || flip == 3));
    const QSize fitted = picture.size().scaled(w.pictureLabel()->size(), Qt::KeepAspectRatio);
    w.pictureLabel()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QSignalBlocker blocker(w.falseColorComboBox());
    w.falseColorComboBox()->setCurrentIndex(QHotImageCtrl::comboIndexByData(w.falseColorComboBox(), palette));
    w.pictureLabel()->setPixmap(picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return fitted;
}

// The colour bar and the range slider as a load shows them.
void showRange(QHotImageCtrl& w)
{
    ThermalImageData& s = ThermalImageData::getInstance();
    const float lowest = s.getMinTemper(), highest = s.getMaxTemper();
    const uint8_t* strip = nullptr;
    int length = 0;
    int32_t palette = 0;
    s.getColorType(&palette);
    if (s.getPaletteBmp(palette, 0, 255, s.getPaletteIndexLow(), s.getPaletteIndexHigh(), 0, &strip, &length) == 0)
        w.colorScale()->setPicFromData(strip, length);
    w.setColorBarVisible(true);
    QTemperRangeAdjust* slider = w.rangeSlider();
    slider->setHandlesShown(true);
    slider->setSwitchOn(true);
    slider->setLimits(lowest, highest);
    slider->show();
    QApplication::processEvents();
    slider->setValues(lowest + 4.0f, highest - 5.0f);
    w.setColorBarRange(lowest + 4.0f, highest - 5.0f);
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
        ThermalImageData::getInstance().freePic();
        const std::string path = dir.file("pic.png");
        ASSERT_TRUE(analysistest::sixRulePicture(shot.flip).writeTo(path));
        ASSERT_TRUE(analysistest::loadIntoStore(QString::fromStdString(path)));

        QHotImageCtrl window;
        window.resize(1097, 640);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        showRange(window);
        QApplication::processEvents();
        const QSize picture = showPicture(window, QString::fromStdString(dir.file("Tmp.bmp")));
        analysistest::arrangeLoadedPicture(window, picture);
        window.temperOverlay()->move(window.sceneView()->pos() + QPoint(10, 10));
        window.temperOverlay()->setFixedHeight(picture.height() - 20);
        window.temperOverlay()->show();
        window.temperOverlay()->raise();
        window.paramPanel()->refreshFromPicture();
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
        EXPECT_EQ(window.sceneView()->geometry().size(), picture);
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
