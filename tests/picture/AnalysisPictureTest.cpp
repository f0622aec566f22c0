// The analysis window's picture end to end on fixture files: opening (the
// whole picture's row, the saved range, the palette), the picture shown with
// the rule layer's flip, a rectangle drawn over a known hot block, the grid
// cursor on a flipped picture, rendering into Tmp.bmp, freeing, saving and
// reopening (rule, range, switch; the trailer kept), a save interrupted
// half way, the heat-map buttons and answers, the import and the grab.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>
#include <vector>

#include "AnalysisWindowMouse.h"
#include "AnalysisWindowTestSupport.h"
#include "AppPaths.h"
#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImageOrientation.h"
#include "QCustomLineEdit.h"
#include "QIconTextHBtn.h"
#include "QReportExportDlg.h"
#include "QTemperRangeAdjust.h"
#include "QTemperScaleWidget.h"
#include "QUnitLabel.h"
#include "ScratchDir.h"
#include "SimCamera.h"
#include "simcam.h"

using analysistest::kBlock;
using analysistest::kH;
using analysistest::kPeak;
using analysistest::kW;

namespace {

using Kind = FakeUiPrompts::Kind;

QString windowText(const char* source)
{
    return QCoreApplication::translate("QHotImageCtrl", source);
}

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

QByteArray fileBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t u32At(const QByteArray& bytes, int offset)
{
    uint32_t v = 0;
    std::memcpy(&v, bytes.constData() + offset, 4);
    return v;
}

// The stored start offset of a radiometric file: its PNG part's length.
uint32_t startOffset(const QByteArray& file)
{
    return u32At(file, file.size() - 6);
}

// The isotherm block of a picture file: enable, high, low in m°C.
struct Bounds {
    int32_t enable, high, low;
};

class AnalysisPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().freePic();
        ConfigManager::getInstance().setTemperUnitCache(0);
        window_ = std::make_unique<QHotImageCtrl>();
        window_->resize(1097, 640);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override
    {
        store().setSaveInterruptHook({});
        window_.reset();
        store().freePic();
    }

    bool open(const fixtures::RadioPictureWriter& picture)
    {
        return analysistest::openInWindow(*window_, picture, path_);
    }
    QString path() const { return QString::fromStdString(path_); }

    // The results from the top: "G" first.
    QVector<RuleTemperResult> results() const
    {
        QVector<RuleTemperResult> rows;
        window_->resultTable()->getResults(rows);
        return rows;
    }
    QPointF viewPoint(QPointF p, int flip) const { return analysistest::viewPoint(*window_, p, QSize(kW, kH), flip); }
    void drawRectangle(const QRect& area, int flip)
    {
        analysistest::drawRectangle(*window_, area, QSize(kW, kH), flip);
    }
    // The colour the picture label shows under view point v.
    QRgb shownAt(QPointF v) const
    {
        QWidget* area = window_->centerWidget();
        const QPoint inLabel = window_->pictureLabel()->mapFrom(area, window_->sceneView()->mapTo(area, v.toPoint()));
        return window_->pictureLabel()->grab().toImage().pixel(inLabel);
    }
    void setSliderRange(float low, float high, bool on)
    {
        QTemperRangeAdjust* slider = window_->rangeSlider();
        slider->setValues(low, high);
        slider->setSwitchOn(on);
    }

    FakeUiPrompts prompts_;
    fixtures::ScratchDir dir_;
    std::string path_ = dir_.file("pic.png");
    std::unique_ptr<QHotImageCtrl> window_;
};

TEST_F(AnalysisPictureTest, OpeningShowsThePictureWithItsWholePictureRow)
{
    fixtures::RadioPictureWriter picture = analysistest::hotBlockPicture();
    picture.picViewInfo().colorType = 21;
    ASSERT_TRUE(open(picture));
    QHotImageCtrl& w = *window_;

    EXPECT_TRUE(w.toolBar()->isEnabled());
    EXPECT_TRUE(w.gridXEdit()->isEnabled());
    EXPECT_TRUE(w.drawPointButton()->isEnabled());
    EXPECT_EQ(w.gridXEdit()->toolTip(), "0 -383");
    EXPECT_EQ(w.gridYEdit()->toolTip(), "0 -287");
    EXPECT_EQ(w.falseColorComboBox()->currentData().toInt(), 21);
    EXPECT_EQ(w.falseColorComboBox()->currentText(), windowText("Aurora"));

    // "G" reads the field that went into the file.
    const std::vector<float> field = analysistest::hotBlockTemperatures();
    const double mean = std::accumulate(field.begin(), field.end(), 0.0) / double(field.size());
    const QVector<RuleTemperResult> rows = results();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].title, "G");
    EXPECT_NEAR(rows[0].max, analysistest::kPeakC, 0.05f);
    EXPECT_NEAR(rows[0].min, analysistest::kRampLowC, 0.05f);
    EXPECT_NEAR(rows[0].avg, mean, 0.05);
    EXPECT_NE(w.temperOverlay()->temperWidget(0), nullptr) << "the overlay's whole-picture block";

    // Never saved from here: the slider is on over the whole picture.
    QTemperRangeAdjust* slider = w.rangeSlider();
    EXPECT_FALSE(slider->isHidden());
    EXPECT_TRUE(slider->isSwitchOn());
    EXPECT_FLOAT_EQ(slider->lowest(), store().getMinTemper());
    EXPECT_FLOAT_EQ(slider->highest(), store().getMaxTemper());
    EXPECT_FLOAT_EQ(w.rangeLow(), store().getMinTemper());
    EXPECT_FLOAT_EQ(w.rangeHigh(), store().getMaxTemper());
    EXPECT_EQ(w.colorBarHighLabel()->valueLabel()->text(),
              QString::number(double(store().getMaxTemper()), 'f', 1));

    // Rendered into Tmp.bmp and shown over the whole rule layer; the colour
    // bar and the overlay are up.
    EXPECT_EQ(w.renderedPath(), AppPaths::get().tmpBmp());
    EXPECT_TRUE(QFileInfo::exists(AppPaths::get().tmpBmp()));
    ASSERT_FALSE(w.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    EXPECT_EQ(w.pictureLabel()->pixmap(Qt::ReturnByValue).size(), w.sceneView()->size());
    const QSize label = w.pictureLabel()->size();
    EXPECT_TRUE(w.sceneView()->width() == label.width() || w.sceneView()->height() == label.height())
        << "as large as the label allows";
    EXPECT_LE(w.sceneView()->width(), label.width());
    EXPECT_LE(w.sceneView()->height(), label.height());
    EXPECT_FALSE(w.sceneView()->isHidden());
    EXPECT_FALSE(w.colorScale()->isHidden());
    EXPECT_FALSE(w.temperOverlay()->isHidden());
}

TEST_F(AnalysisPictureTest, AFailedOpenLeavesTheWindowEmpty)
{
    ASSERT_TRUE(open(analysistest::sixRulePicture()));
    struct Case {
        const char* name;
        QByteArray bytes;  // the file's content; null: no file
    };
    fixtures::Layout layout;
    const std::vector<uint8_t> good = analysistest::sixRulePicture().build(&layout);
    QByteArray noMark(reinterpret_cast<const char*>(good.data()), int(good.size()));
    noMark[noMark.size() - 1] = 0;
    const Case cases[] = {{"missing", QByteArray()}, {"no end mark", noMark}, {"not a picture", "PNG?"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bad = dir_.file("bad.png");
        QFile::remove(QString::fromStdString(bad));
        if (!c.bytes.isNull()) {
            QFile f(QString::fromStdString(bad));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        EXPECT_FALSE(window_->loadHotImage(QString::fromStdString(bad)));
        EXPECT_FALSE(window_->toolBar()->isEnabled());
        EXPECT_EQ(window_->resultTable()->table()->rowCount(), 0);
        EXPECT_TRUE(window_->sceneView()->ruleItemList().entries().isEmpty());
        EXPECT_TRUE(window_->sceneView()->isHidden());
        EXPECT_TRUE(window_->rangeSlider()->isHidden());
        EXPECT_TRUE(window_->renderedPath().isEmpty());
    }
}

TEST_F(AnalysisPictureTest, FreeingEmptiesTheWindow)
{
    ASSERT_TRUE(open(analysistest::sixRulePicture()));
    QHotImageCtrl& w = *window_;
    w.setGridBtnSlot();
    w.setMemoryFreeSlots();
    EXPECT_FALSE(store().isLoaded());
    EXPECT_FALSE(w.toolBar()->isEnabled());
    EXPECT_FALSE(w.gridXEdit()->isEnabled());
    EXPECT_FALSE(w.drawPointButton()->isEnabled());
    EXPECT_FALSE(w.isGridMode());
    EXPECT_EQ(w.sceneView()->drawType(), 0);
    EXPECT_TRUE(w.sceneView()->ruleItemList().entries().isEmpty());
    EXPECT_TRUE(w.sceneView()->isHidden());
    EXPECT_TRUE(w.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    EXPECT_TRUE(w.rangeSlider()->isHidden());
    EXPECT_FLOAT_EQ(w.rangeSlider()->highest(), 0.0f);
    EXPECT_TRUE(w.colorScale()->isHidden());
    EXPECT_TRUE(w.colorBarHighLabel()->isHidden());
    EXPECT_TRUE(w.temperOverlay()->isHidden());
    EXPECT_EQ(w.temperOverlay()->temperWidget(0), nullptr);
    EXPECT_EQ(w.resultTable()->table()->rowCount(), 0);
    EXPECT_TRUE(w.renderedPath().isEmpty());
}

// The mean difference of the colour levels of two pictures of one size
// (255 for pictures of different sizes).
double meanLevelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return 255.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// Flip 0 and 2: the picture is shown with the rule layer's flip, so what
// looks hot under the mouse is measured hot: the rectangle drawn over the
// block reads the block's peak, and the grid cursor on the peak reads it
// at the peak's picture pixel.
TEST_F(AnalysisPictureTest, RulesAndGridMeasureWhatTheFlippedPictureShows)
{
    for (const int flip : {0, 2}) {
        SCOPED_TRACE(flip);
        ASSERT_TRUE(open(analysistest::hotBlockPicture(flip)));
        QHotImageCtrl& w = *window_;
        ASSERT_EQ(w.sceneView()->size(), w.pictureLabel()->pixmap(Qt::ReturnByValue).size());

        // The shown picture is Tmp.bmp turned with the flip.
        const QImage rendered(AppPaths::get().tmpBmp());
        ASSERT_EQ(rendered.size(), QSize(kW, kH));
        const QImage expected = ImageOrientation::apply(rendered, flip).scaled(
            w.sceneView()->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Scaled by the window's own filter: alike to a few levels, where a
        // wrong turn differs by far more.
        EXPECT_LT(meanLevelDifference(w.pictureLabel()->pixmap(Qt::ReturnByValue).toImage(), expected), 3.0);
        EXPECT_GT(meanLevelDifference(ImageOrientation::apply(expected, 2), expected), 20.0)
            << "the check tells the flips apart";
        // A pixel of the block away from its edges and its peak.
        const QPoint inBlock = kBlock.topLeft() + QPoint(8, 8);
        const QPointF shownBlock = viewPoint(QPointF(inBlock) + QPointF(0.5, 0.5), flip);
        const QPointF mirrored(w.sceneView()->width() - shownBlock.x(), shownBlock.y());
        EXPECT_EQ(shownAt(shownBlock), rendered.pixel(inBlock));
        EXPECT_NE(shownAt(mirrored), shownAt(shownBlock)) << "the block is shown on one side only";

        drawRectangle(kBlock.adjusted(-3, -3, 3, 3), flip);
        const QVector<RuleTemperResult> rows = results();
        ASSERT_EQ(rows.size(), 2);
        EXPECT_EQ(rows[1].title, "R1");
        EXPECT_NEAR(rows[1].max, analysistest::kPeakC, 0.05f);
        EXPECT_LT(rows[1].min, analysistest::kBlockC - 30.0f) << "the ramp around the block";
        // The stored rule lies over the block in picture space.
        const PicRuleList* list = store().getPicRuleList();
        ASSERT_EQ(list->size(), 1);
        const PicRuleConfig& rule = list->records[0].rule;
        const int left = std::min({rule.points[0].x, rule.points[1].x, rule.points[2].x});
        EXPECT_NEAR(left * kW / 8192, kBlock.left() - 3, 2);

        emit w.sceneView()->sendCalGridTemperSignal(viewPoint(QPointF(kPeak) + QPointF(0.5, 0.5), flip));
        EXPECT_NEAR(w.gridTemper(), analysistest::kPeakC, 0.05f);
        EXPECT_EQ(w.gridXEdit()->text(), QString::number(kPeak.x()));
        EXPECT_EQ(w.gridYEdit()->text(), QString::number(kPeak.y()));
    }
}

// An edited polygon hands over up to 8 points: more would run over the
// record's name.
TEST_F(AnalysisPictureTest, AnEditedRuleTakesAtMostEightPoints)
{
    ASSERT_TRUE(open(analysistest::sixRulePicture()));
    const quint32 polygon = window_->resultTable()->rowKey(6);
    ASSERT_EQ(window_->resultTable()->rowTitle(6), "Po1");
    QVector<QPoint> points;
    for (int i = 0; i < 12; ++i) points << QPoint(10 + 20 * i, 40 + (i % 2) * 30);
    window_->setItemChangeSlots(ItemInfo{polygon, points});
    const PicRuleConfig* rule = store().findPicRuleById(polygon);
    ASSERT_NE(rule, nullptr);
    const QSize view = window_->sceneView()->size();
    EXPECT_EQ(rule->points[7].x, points[7].x() * 8192 / view.width());
    EXPECT_EQ(QByteArray(rule->name), "Po1");
    EXPECT_EQ(rule->emissivity, 0.97f);
}

TEST_F(AnalysisPictureTest, PaletteChoiceRendersAgainAndRedrawsTheColourBar)
{
    ASSERT_TRUE(open(analysistest::hotBlockPicture()));
    const QImage before(AppPaths::get().tmpBmp());
    const QImage barBefore = window_->colorScale()->grab().toImage();
    window_->falseColorComboBox()->setCurrentIndex(QHotImageCtrl::comboIndexByData(window_->falseColorComboBox(), 6));
    const QImage after(AppPaths::get().tmpBmp());
    EXPECT_NE(before, after);
    EXPECT_NE(window_->colorScale()->grab().toImage(), barBefore);
    // The same grey level in both palettes.
    const QPoint cool(5, 5);
    EXPECT_NE(before.pixel(cool), after.pixel(cool));
}

// Two range ends that map to one palette index still render.
TEST_F(AnalysisPictureTest, ARangeInsideOnePaletteStepStillRenders)
{
    ASSERT_TRUE(open(analysistest::hotBlockPicture()));
    ASSERT_TRUE(QFile::remove(AppPaths::get().tmpBmp()));
    window_->updateHotImage(25.0f, 25.0f);
    const QImage image(AppPaths::get().tmpBmp());
    ASSERT_FALSE(image.isNull());
    // Below the range one end of the palette, above it the other.
    EXPECT_NE(image.pixel(0, 0), image.pixel(kW - 1, kH - 1));
}

// Saving: the slider's values in thousandths, truncated (31.25 -> 31250,
// read back as 31.3), its switch, the rule drawn; reopened as saved. The
// PNG part is replaced and the trailer kept: only the information block
// (saved in place) and the start offset, now the new PNG's length, differ.
TEST_F(AnalysisPictureTest, SaveAndReopenKeepRuleRangeAndSwitch)
{
    fixtures::Layout layout;
    ASSERT_TRUE(analysistest::hotBlockPicture().writeTo(path_, &layout));
    const QByteArray original = fileBytes(path_);
    ASSERT_TRUE(window_->loadHotImage(path()));
    drawRectangle(kBlock, 0);
    setSliderRange(24.0f, 31.25f, false);
    QTest::mouseClick(window_->toolButton(QHotImageCtrl::MaterialSaveTool), Qt::LeftButton);
    ASSERT_EQ(prompts_.count(Kind::Toast), 1);
    const FakeUiPrompts::Call toast = prompts_.last(Kind::Toast);
    EXPECT_EQ(toast.text, windowText("Save succeed"));
    EXPECT_EQ(toast.type, 0);
    EXPECT_EQ(toast.msec, 1000);

    const QByteArray saved = fileBytes(path_);
    const uint32_t png = startOffset(saved);
    QImage savedPicture;
    ASSERT_TRUE(savedPicture.loadFromData(saved.left(int(png)), "PNG"));
    EXPECT_EQ(savedPicture.convertToFormat(QImage::Format_RGB32),
              QImage(AppPaths::get().tmpBmp()).convertToFormat(QImage::Format_RGB32))
        << "the file shows the rendering";
    const QByteArray oldTrailer = original.mid(int(layout.pngSize));
    const QByteArray newTrailer = saved.mid(int(png));
    ASSERT_EQ(newTrailer.size(), oldTrailer.size());
    const int info = int(layout.picViewInfo - layout.pngSize);
    const int infoEnd = int(layout.redunData - layout.pngSize);
    EXPECT_EQ(newTrailer.left(info), oldTrailer.left(info));
    EXPECT_EQ(newTrailer.mid(infoEnd, newTrailer.size() - infoEnd - 6),
              oldTrailer.mid(infoEnd, oldTrailer.size() - infoEnd - 6));
    EXPECT_EQ(newTrailer.right(2), oldTrailer.right(2)) << "the end mark";
    PicViewInfo block;
    std::memcpy(&block, newTrailer.constData() + info, sizeof block);
    Bounds bounds;
    std::memcpy(&bounds, block.isoTherm, sizeof bounds);
    EXPECT_EQ(bounds.enable, 0);
    EXPECT_EQ(bounds.low, 24000);
    EXPECT_EQ(bounds.high, 31250);
    EXPECT_EQ(block.paramsState, 1);

    // A second save with nothing changed keeps the trailer byte for byte
    // but for the start offset.
    QTest::mouseClick(window_->toolButton(QHotImageCtrl::MaterialSaveTool), Qt::LeftButton);
    const QByteArray again = fileBytes(path_);
    const uint32_t png2 = startOffset(again);
    EXPECT_EQ(again.mid(int(png2), again.size() - int(png2) - 6), newTrailer.left(newTrailer.size() - 6));

    // Reopened: off, the whole range shown, the handles where they were.
    ASSERT_TRUE(window_->loadHotImage(path()));
    QTemperRangeAdjust* slider = window_->rangeSlider();
    EXPECT_FALSE(slider->isSwitchOn());
    float low = 0, high = 0;
    slider->getValues(&low, &high);
    EXPECT_FLOAT_EQ(low, 24.0f);
    EXPECT_FLOAT_EQ(high, 31.3f);
    EXPECT_FLOAT_EQ(window_->rangeLow(), store().getMinTemper());
    EXPECT_FLOAT_EQ(window_->rangeHigh(), store().getMaxTemper());
    const QVector<RuleTemperResult> rows = results();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1].title, "R1");
    EXPECT_NEAR(rows[1].max, analysistest::kPeakC, 0.05f);

    // Switched on and saved: reopened with the chosen range shown.
    setSliderRange(24.0f, 31.25f, true);
    window_->setMaterialSaveSlots();
    ASSERT_TRUE(window_->loadHotImage(path()));
    EXPECT_TRUE(window_->rangeSlider()->isSwitchOn());
    EXPECT_FLOAT_EQ(window_->rangeLow(), 24.0f);
    EXPECT_FLOAT_EQ(window_->rangeHigh(), 31.3f);
}

// Bounds a file holds are kept inside the picture's range and in order.
TEST_F(AnalysisPictureTest, SavedBoundsAreClampedIntoThePictureAndOrdered)
{
    struct Case {
        const char* name;
        Bounds file;
        float low, high;  // NaN: the picture's lowest / highest
    };
    const float lowest = std::nanf(""), highest = std::nanf("");
    const Case cases[] = {
        {"inside", {1, 35000, 22000}, 22.0f, 35.0f},
        {"outside", {1, 500000, -100000}, lowest, highest},
        {"reversed", {1, 22000, 35000}, 22.0f, 35.0f},
        {"reversed and outside", {0, -5000, 400000}, lowest, highest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixtures::RadioPictureWriter picture = analysistest::hotBlockPicture();
        picture.picViewInfo().paramsState = 1;
        std::memcpy(picture.picViewInfo().isoTherm, &c.file, sizeof c.file);
        ASSERT_TRUE(open(picture));
        float low = 0, high = 0;
        window_->rangeSlider()->getValues(&low, &high);
        EXPECT_FLOAT_EQ(low, std::isnan(c.low) ? store().getMinTemper() : c.low);
        EXPECT_FLOAT_EQ(high, std::isnan(c.high) ? store().getMaxTemper() : c.high);
        EXPECT_EQ(window_->rangeSlider()->isSwitchOn(), c.file.enable != 0);
        if (c.file.enable) {
            EXPECT_FLOAT_EQ(window_->rangeLow(), low);
            EXPECT_FLOAT_EQ(window_->rangeHigh(), high);
        }
    }
}

// The new file is written beside the old one: a save broken off after the
// PNG part leaves the original picture and trailer in place and readable.
TEST_F(AnalysisPictureTest, ASaveBrokenOffHalfWayLeavesTheOriginalReadable)
{
    fixtures::Layout layout;
    ASSERT_TRUE(analysistest::hotBlockPicture().writeTo(path_, &layout));
    const QByteArray original = fileBytes(path_);
    ASSERT_TRUE(window_->loadHotImage(path()));
    window_->falseColorComboBox()->setCurrentIndex(QHotImageCtrl::comboIndexByData(window_->falseColorComboBox(), 6));
    int calls = 0;
    store().setSaveInterruptHook([&] {
        ++calls;
        return false;
    });
    window_->setMaterialSaveSlots();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{windowText("Save failed")});
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);

    const QByteArray after = fileBytes(path_);
    ASSERT_EQ(after.size(), original.size());
    EXPECT_EQ(after.left(int(layout.picViewInfo)), original.left(int(layout.picViewInfo)))
        << "picture and data before the information block untouched";
    EXPECT_EQ(after.mid(int(layout.redunData)), original.mid(int(layout.redunData)));
    store().setSaveInterruptHook({});
    ASSERT_TRUE(window_->loadHotImage(path()));
    EXPECT_EQ(results().size(), 1);
}

TEST_F(AnalysisPictureTest, SavingWithoutAPictureFails)
{
    window_->setMaterialSaveSlots();
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{windowText("Save failed")});
    EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);
}

// An outside reader (netpbm) sees in Tmp.bmp the picture the window renders.
TEST_F(AnalysisPictureTest, TmpBmpReadsBackThroughNetpbm)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("bmptopnm"));
    if (tool.isEmpty()) GTEST_SKIP() << "bmptopnm (netpbm) is not installed";
    ASSERT_TRUE(open(analysistest::hotBlockPicture()));
    window_->falseColorComboBox()->setCurrentIndex(QHotImageCtrl::comboIndexByData(window_->falseColorComboBox(), 10));
    window_->setMaterialSaveSlots();
    const QByteArray file = fileBytes(path_);
    QImage rendering;
    ASSERT_TRUE(rendering.loadFromData(file.left(int(startOffset(file))), "PNG"));

    QProcess netpbm;
    netpbm.start(tool, {AppPaths::get().tmpBmp()});
    ASSERT_TRUE(netpbm.waitForFinished(30000));
    ASSERT_EQ(netpbm.exitCode(), 0) << netpbm.readAllStandardError().toStdString();
    QImage read;
    ASSERT_TRUE(read.loadFromData(netpbm.readAllStandardOutput(), "PPM"));
    ASSERT_EQ(read.size(), QSize(kW, kH));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), rendering.convertToFormat(QImage::Format_RGB32));
}

TEST_F(AnalysisPictureTest, HeatMapAnswersOpenThePictureOrTellTheFailure)
{
    QHotImageCtrl& w = *window_;
    ASSERT_TRUE(analysistest::hotBlockPicture().writeTo(path_));
    struct Case {
        QString path;
        QStringList notices;
        bool loaded;
    };
    const Case cases[] = {
        {QString(), {}, false},
        {path() + ".missing", {windowText("Import heat map failed")}, false},
        {path(), {windowText("Export heat map success")}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        prompts_.clear();
        w.setLowMarkerVisible(true);
        w.setHeatMapExportRetSlot(c.path);
        EXPECT_EQ(prompts_.texts(Kind::Notice), c.notices);
        EXPECT_EQ(store().isLoaded(), c.loaded);
        if (!c.notices.isEmpty() && !c.loaded) {
            EXPECT_FALSE(w.lowMarker()->isVisible());
        }
    }
    // An empty answer leaves an open picture as it is.
    prompts_.clear();
    w.setHeatMapExportRetSlot(QString());
    EXPECT_TRUE(store().isLoaded());
    EXPECT_EQ(prompts_.calls.size(), 0);
}

TEST_F(AnalysisPictureTest, ImportPicksAFileFromTheProgramFolder)
{
    ASSERT_TRUE(analysistest::hotBlockPicture().writeTo(path_));
    struct Case {
        QString pick;
        QStringList notices;
        bool loaded;
    };
    const Case cases[] = {
        {QString(), {}, false},
        {path() + ".missing", {windowText("Import heat map failed")}, false},
        {path(), {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pick.toStdString());
        prompts_.clear();
        prompts_.picks.enqueue(c.pick);
        QTest::mouseClick(window_->importButton(), Qt::LeftButton);
        const FakeUiPrompts::Call pick = prompts_.last(Kind::PickOpenFile);
        EXPECT_EQ(pick.parent, window_.get());
        EXPECT_EQ(pick.text, AppPaths::get().appDir());
        EXPECT_EQ(pick.filter, windowText("File(*.jpg *.png *.bmp)"));
        EXPECT_EQ(prompts_.texts(Kind::Notice), c.notices);
        EXPECT_EQ(store().isLoaded(), c.loaded);
    }
}

// The export button asks the live view only with a camera whose shutter
// is still.
TEST_F(AnalysisPictureTest, HeatMapExportNeedsACameraWithItsShutterOpen)
{
    SIMCAM_Reset();
    QSignalSpy asked(window_.get(), &QHotImageCtrl::sendHeatMapExportSignal);
    window_->setHotImageFileExportSlots();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{windowText("Device is not connect.")});

    ASSERT_TRUE(simcamera::openFirst());
    // The simulator's time moves only when the test says.
    ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    ASSERT_NE(USBSDK_ShutterCorrect(), 0);
    ASSERT_NE(USBSDK_GetShutterStatus(), 0);
    prompts_.clear();
    window_->setHotImageFileExportSlots();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{windowText("Shutter is acting.")});
    EXPECT_EQ(asked.count(), 0);

    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    ASSERT_EQ(USBSDK_GetShutterStatus(), 0);
    prompts_.clear();
    window_->setHotImageFileExportSlots();
    EXPECT_EQ(prompts_.calls.size(), 0);
    EXPECT_EQ(asked.count(), 1);
    DeviceSdkWrapper::getInstance().Close();
    SIMCAM_Reset();
}

TEST_F(AnalysisPictureTest, GrabSavesThePictureAreaOnlyWhenOneIsShown)
{
    const QString file = QString::fromStdString(dir_.file("grab.png"));
    EXPECT_FALSE(window_->grabPictureView(file)) << "nothing shown";
    EXPECT_FALSE(QFileInfo::exists(file));
    ASSERT_TRUE(open(analysistest::hotBlockPicture()));
    ASSERT_TRUE(window_->grabPictureView(file));
    const QImage grabbed(file);
    EXPECT_EQ(grabbed.size(), window_->sceneView()->size() * window_->devicePixelRatioF());
    EXPECT_FALSE(window_->grabPictureView(QString::fromStdString(dir_.file("no/such/folder/grab.png"))));
    // The format follows the name.
    const QString bmp = QString::fromStdString(dir_.file("grab.bmp"));
    ASSERT_TRUE(window_->grabPictureView(bmp));
    QFile f(bmp);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), "BM");
}

// The report button opens the report dialog over the window, which it asks
// for the picture.
TEST_F(AnalysisPictureTest, ReportButtonOpensTheReportDialogOverTheWindow)
{
    ASSERT_TRUE(open(analysistest::hotBlockPicture()));
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QReportExportDlg* dialog = window_->findChild<QReportExportDlg*>();
        if (!dialog) return;
        modal = dialog->isVisible() && dialog->isModal();
        dialog->reject();
    });
    QTest::mouseClick(window_->exportReportButton(), Qt::LeftButton);
    EXPECT_TRUE(modal);
    EXPECT_EQ(window_->findChild<QReportExportDlg*>(), nullptr) << "gone when closed";
}

}  // namespace
