// The picture analysis window over fixture pictures: its combos keep their
// values through a language change, the "TemperShow" field and its check
// boxes, the heat-map export button without and with a camera, the rule
// limit, the answers to a drawing, the grid mode and its typed position,
// and the module's relay of the heat-map export.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

#include "AnalysisWindowTestSupport.h"
#include "AppHelpers.h"
#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "QCustomLineEdit.h"
#include "QHotImageModule.h"
#include "QHotImageParamSet.h"
#include "QIconTextHBtn.h"
#include "QTemperRangeAdjust.h"
#include "QTemperScaleWidget.h"
#include "QTemperWidget.h"
#include "QUnitLabel.h"
#include "QUnitLineEdit.h"
#include "ScratchDir.h"
#include "SimCamera.h"
#include "simcam.h"

using analysistest::kH;
using analysistest::kW;

namespace {

QString windowText(const char* source)
{
    return QCoreApplication::translate("QHotImageCtrl", source);
}

QVector<int> comboData(const QComboBox* combo)
{
    QVector<int> data;
    for (int row = 0; row < combo->count(); ++row) data << combo->itemData(row).toInt();
    return data;
}

class AnalysisWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().freePic();
        ConfigManager::getInstance().setTemperUnitCache(0);
        window_ = std::make_unique<QHotImageCtrl>();
        window_->resize(1097, 600);
    }
    void TearDown() override
    {
        window_.reset();
        store().freePic();
        ConfigManager::getInstance().setTemperUnitCache(0);
    }

    static ThermalImageData& store() { return ThermalImageData::getInstance(); }

    // The six-rule picture opened, its rule layer then resized to viewSize.
    void loadPicture(int32_t flip = 0, QSize viewSize = QSize(kW, kH))
    {
        ASSERT_TRUE(analysistest::openInWindow(*window_, analysistest::sixRulePicture(flip), dir_.file("pic.png")));
        QSceneViewCtrl* view = window_->sceneView();
        view->setGeometry(QRect(view->pos(), viewSize));
    }

    // The stored rules made up to count with point records.
    static void fillRules(int count)
    {
        PicRuleList* rules = store().getPicRuleList();
        ASSERT_NE(rules, nullptr);
        while (rules->size() < count) {
            PicRuleRecord r;
            std::memset(&r, 0, sizeof r);
            r.key = quint32(9000 + rules->size());
            r.rule.pointNum = 1;
            ASSERT_EQ(store().addPicRule(&r), 0);
        }
    }

    // The picture temperature at a pixel, C.
    static float pixelTemper(int x, int y)
    {
        std::vector<float> list;
        EXPECT_EQ(store().getTemperList(list), 0);
        return list.empty() ? 0.0f : list[size_t(y) * kW + size_t(x)];
    }

    QPushButton* tool(QHotImageCtrl::ToolButton which) const { return window_->toolButton(which); }

    FakeUiPrompts prompts_;
    fixtures::ScratchDir dir_;
    std::unique_ptr<QHotImageCtrl> window_;
};

TEST_F(AnalysisWindowTest, StartsEmptyWithTheToolBarDisabled)
{
    QHotImageCtrl& w = *window_;
    EXPECT_EQ(w.objectName(), "HotImageCtrl");
    EXPECT_FALSE(w.toolBar()->isEnabled());
    EXPECT_FALSE(w.gridXEdit()->isEnabled());
    EXPECT_FALSE(w.gridYEdit()->isEnabled());
    EXPECT_FALSE(w.gridTemperEdit()->isEnabled());
    EXPECT_FALSE(w.drawPointButton()->isEnabled());
    for (QWidget* hidden : {static_cast<QWidget*>(w.sceneView()), static_cast<QWidget*>(w.temperOverlay()),
                            static_cast<QWidget*>(w.rangeSlider()), static_cast<QWidget*>(w.paramPanel()),
                            static_cast<QWidget*>(w.lowMarker()), static_cast<QWidget*>(w.highMarker()),
                            static_cast<QWidget*>(w.colorScale()), static_cast<QWidget*>(w.imageTypeComboBox()),
                            static_cast<QWidget*>(w.imageInfoButton()),
                            static_cast<QWidget*>(w.toolButton(QHotImageCtrl::MaterialSaveAsTool))})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_FALSE(w.resultTable()->isHidden());
    EXPECT_FALSE(w.temperResultButton()->isEnabled()) << "its panel is the one shown";
    // The draw buttons carry the kinds; the grid button is not one of them.
    for (int kind = 1; kind <= 6; ++kind)
        EXPECT_EQ(w.drawButtonGroup()->button(kind), w.toolButton(QHotImageCtrl::ToolButton(kind - 1)));
    EXPECT_EQ(w.drawButtonGroup()->id(w.toolButton(QHotImageCtrl::GridTool)), -1);
    EXPECT_EQ(w.lowMarker()->valueLabel()->text(), "0.0");
}

TEST_F(AnalysisWindowTest, CombosKeepTheirValuesAndSelectionsThroughALanguageChange)
{
    QHotImageCtrl& w = *window_;
    struct Combo {
        QComboBox* combo;
        QVector<int> data;
        int row;  // selected before the change
    };
    const Combo combos[] = {
        {w.showComboBox(), {0, 1}, 0},
        {w.falseColorComboBox(), {0, 1, 3, 4, 6, 7, 10, 11, 20, 21}, 8},
        {w.imageTypeComboBox(), {0}, 0},
        {w.temperUnitComboBox(), {0, 1}, 1},
    };
    EXPECT_EQ(w.showComboBox()->currentIndex(), 1) << "the overlay shows at the top left";
    for (const Combo& c : combos) c.combo->setCurrentIndex(c.row);

    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&w, &change);

    for (const Combo& c : combos) {
        SCOPED_TRACE(c.combo->objectName().toStdString());
        EXPECT_EQ(comboData(c.combo), c.data);
        EXPECT_EQ(c.combo->currentIndex(), c.row);
    }
    EXPECT_EQ(w.falseColorComboBox()->itemText(8), windowText("Thermal Detection"));
    EXPECT_EQ(w.temperUnitComboBox()->itemText(1), windowText("Fahrenheit"));
    EXPECT_EQ(w.temperShowLineEdit()->text(), windowText("TemperShow"));
    EXPECT_EQ(w.importButton()->textLabel()->text(), windowText("MapImport"));
    // The widths fit the widest item again.
    const QFontMetrics metrics(w.falseColorComboBox()->font());
    EXPECT_EQ(w.falseColorComboBox()->width(), metrics.horizontalAdvance(windowText("Thermal Detection")) + 30);
    // The unit row was stored as the analysis unit.
    EXPECT_EQ(ConfigManager::getInstance().getTemperUnitCache(), 1);
}

TEST_F(AnalysisWindowTest, ComboIndexByDataFallsBackToTheFirstRow)
{
    QComboBox* palette = window_->falseColorComboBox();
    EXPECT_EQ(QHotImageCtrl::comboIndexByData(palette, 20), 8);
    EXPECT_EQ(QHotImageCtrl::comboIndexByData(palette, 2), 0) << "2 is no palette of the list";
    EXPECT_EQ(QHotImageCtrl::comboIndexByData(nullptr, 1), 0);
    // The shared helper keeps the selection instead.
    palette->setCurrentIndex(5);
    SetComboBoxCurrentByData(palette, 2);
    EXPECT_EQ(palette->currentIndex(), 5);
}

TEST_F(AnalysisWindowTest, TemperShowFieldOpensTheCheckBoxListAndKeepsItsText)
{
    QHotImageCtrl& w = *window_;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QLineEdit* field = w.temperShowLineEdit();
    EXPECT_EQ(field->objectName(), "TemperShowLineEdit");
    EXPECT_TRUE(field->isReadOnly());

    // Without a picture the tool bar, and the combo in it, is disabled.
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_FALSE(w.temperShowList()->isVisible());

    w.setPictureControlsEnabled(true);
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(w.temperShowList()->isVisible());
    EXPECT_EQ(w.temperShowList()->count(), 3);
    EXPECT_EQ(w.temperShowList()->itemWidget(w.temperShowList()->item(1)), w.minCheckBox());
    EXPECT_EQ(w.minCheckBox()->objectName(), "ChkComboBox");

    // Choosing a row of the list would put its (empty) text in the field.
    w.temperShowComboBox()->setCurrentIndex(2);
    w.temperShowComboBox()->hidePopup();
    EXPECT_EQ(field->text(), windowText("TemperShow"));
    field->setText(QString());
    EXPECT_EQ(field->text(), windowText("TemperShow"));
}

TEST_F(AnalysisWindowTest, UncheckingMinTempHidesEveryMinimumAtOnce)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    QTableWidget* table = w.resultTable()->table();
    ASSERT_EQ(table->rowCount(), 7) << "G and the six rules";
    const quint32 rect = w.resultTable()->rowKey(3);
    ASSERT_EQ(w.resultTable()->rowTitle(3), "R1");
    QTemperWidget* rectBlock = w.temperOverlay()->temperWidget(rect);
    ASSERT_NE(rectBlock, nullptr);
    EXPECT_NE(table->item(3, RuleResultTable::MinColumn)->text(), "-");
    EXPECT_FALSE(rectBlock->valueLabel(RuleResultBlock::MinValue)->isHidden());

    w.minCheckBox()->setChecked(false);

    for (int row = 0; row < table->rowCount(); ++row) {
        SCOPED_TRACE(w.resultTable()->rowTitle(row).toStdString());
        EXPECT_EQ(table->item(row, RuleResultTable::MinColumn)->text(), "-");
        QTemperWidget* block = w.temperOverlay()->temperWidget(w.resultTable()->rowKey(row));
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(block->valueLabel(RuleResultBlock::MinValue)->isHidden());
    }
    EXPECT_NE(table->item(3, RuleResultTable::MaxColumn)->text(), "-");
    EXPECT_FALSE(rectBlock->valueLabel(RuleResultBlock::MaxValue)->isHidden());
    EXPECT_EQ(w.temperShowLineEdit()->text(), windowText("TemperShow"));
}

TEST_F(AnalysisWindowTest, PointRulesShowOnlyTheirAverage)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    QTableWidget* table = w.resultTable()->table();
    ASSERT_EQ(w.resultTable()->rowTitle(1), "P1");
    EXPECT_EQ(table->item(1, RuleResultTable::MaxColumn)->text(), "-");
    EXPECT_EQ(table->item(1, RuleResultTable::MinColumn)->text(), "-");
    EXPECT_NE(table->item(1, RuleResultTable::AvgColumn)->text(), "-");
    // The stored point lies at pixel (1200 * 384 / 8192, 1500 * 288 / 8192).
    const float avg = table->item(1, RuleResultTable::AvgColumn)->data(RuleResultTable::kDataRole).toFloat();
    EXPECT_NEAR(avg, pixelTemper(56, 52), 0.1f);
    // An area rule's minimum lies below its maximum.
    const float max = table->item(6, RuleResultTable::MaxColumn)->data(RuleResultTable::kDataRole).toFloat();
    const float min = table->item(6, RuleResultTable::MinColumn)->data(RuleResultTable::kDataRole).toFloat();
    EXPECT_EQ(w.resultTable()->rowTitle(6), "Po1");
    EXPECT_GT(max, min + 1.0f);
}

TEST_F(AnalysisWindowTest, AMovedRuleIsStoredAndMeasuredWhereItWasMoved)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    const quint32 point = w.resultTable()->rowKey(1);
    // The point is dragged to view pixel (300, 200) of the 384 x 288 view.
    w.setItemChangeSlots(ItemInfo{point, {QPoint(300, 200)}});
    const PicRuleConfig* rule = store().findPicRuleById(point);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->points[0].x, 300 * 8192 / kW);
    EXPECT_EQ(rule->points[0].y, 200 * 8192 / kH);
    const float avg =
        w.resultTable()->table()->item(1, RuleResultTable::AvgColumn)->data(RuleResultTable::kDataRole).toFloat();
    EXPECT_NEAR(avg, pixelTemper(300, 200), 0.1f);
    EXPECT_EQ(w.resultTable()->rowTitle(1), "P1") << "the title stays";
}

TEST_F(AnalysisWindowTest, HeatMapExportButtonShowsOnlyWithACamera)
{
    QHotImageCtrl& w = *window_;
    SIMCAM_Reset();
    w.show();
    EXPECT_TRUE(w.heatMapExportButton()->isHidden()) << "no camera";
    w.hide();

    ASSERT_TRUE(simcamera::openFirst());
    ASSERT_NE(USBSDK_GetDeviceType(), 0);
    EXPECT_TRUE(w.heatMapExportButton()->isHidden()) << "until the next show";
    w.show();
    EXPECT_FALSE(w.heatMapExportButton()->isHidden());
    w.hide();
    DeviceSdkWrapper::getInstance().Close();
    SIMCAM_Reset();
}

TEST_F(AnalysisWindowTest, TheThirtySecondRuleIsTheLast)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    struct Case {
        int rules;
        bool armed;
    };
    for (const Case c : {Case{31, true}, Case{32, false}}) {
        SCOPED_TRACE(c.rules);
        fillRules(c.rules);
        prompts_.clear();
        QTest::mouseClick(tool(QHotImageCtrl::RectTool), Qt::LeftButton);
        EXPECT_EQ(w.sceneView()->drawType(), c.armed ? 3 : 0);
        EXPECT_EQ(prompts_.texts(FakeUiPrompts::Kind::Notice),
                  c.armed ? QStringList() : QStringList{windowText("Can not add more rules")});
        w.sceneView()->setDrawType(0);
    }
}

TEST_F(AnalysisWindowTest, AChosenToolIsLitUntilTheDrawingEnds)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    const QString lit = QStringLiteral("QPushButton{background-color:rgb(55, 60, 28);}");
    QTest::mouseClick(tool(QHotImageCtrl::EllipseTool), Qt::LeftButton);
    EXPECT_EQ(w.sceneView()->drawType(), 4);
    EXPECT_EQ(tool(QHotImageCtrl::EllipseTool)->styleSheet(), lit);
    EXPECT_NE(tool(QHotImageCtrl::PointTool)->styleSheet(), lit);
    // The style is taken: the lit button is painted otherwise than a plain
    // one.
    const QImage litFace = tool(QHotImageCtrl::EllipseTool)->grab().toImage();
    const QImage plainFace = tool(QHotImageCtrl::PointTool)->grab().toImage();
    const QPoint edge(3, litFace.height() / 2);
    EXPECT_NE(litFace.pixel(edge), plainFace.pixel(edge));

    // A drawing that was too small is refused with a message; one that
    // worked ends quietly. Either way no tool is lit afterwards.
    struct Case {
        bool ok;
        int notices;
    };
    for (const Case c : {Case{false, 1}, Case{true, 0}}) {
        SCOPED_TRACE(c.ok);
        prompts_.clear();
        w.setTempRuleDrawBtnClickedSlots(4);
        emit w.sceneView()->sendRuleDrawCompleteSignals(c.ok);
        EXPECT_EQ(prompts_.count(FakeUiPrompts::Kind::Notice), c.notices);
        if (c.notices) {
            EXPECT_EQ(prompts_.last(FakeUiPrompts::Kind::Notice).text, windowText("The drawing area is too small"));
        }
        for (int i = 0; i <= QHotImageCtrl::GridTool; ++i)
            EXPECT_NE(tool(QHotImageCtrl::ToolButton(i))->styleSheet(), lit) << i;
    }
}

TEST_F(AnalysisWindowTest, GridPointButtonNeedsGridMode)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    QSignalSpy drawPoint(&w, &QHotImageCtrl::sendDrawGridPointSignal);
    QTest::mouseClick(w.drawPointButton(), Qt::LeftButton);
    EXPECT_EQ(prompts_.texts(FakeUiPrompts::Kind::Notice), QStringList{windowText("Please open grid first")});
    EXPECT_EQ(drawPoint.count(), 0);

    QSignalSpy transparent(&w, &QHotImageCtrl::sendMouseTransparentSignals);
    QTest::mouseClick(tool(QHotImageCtrl::GridTool), Qt::LeftButton);
    EXPECT_TRUE(w.isGridMode());
    EXPECT_EQ(w.sceneView()->drawType(), QHotImageCtrl::kGridKind);
    ASSERT_EQ(transparent.count(), 1);
    EXPECT_TRUE(transparent.at(0).at(0).toBool());
    prompts_.clear();
    QTest::mouseClick(w.drawPointButton(), Qt::LeftButton);
    EXPECT_EQ(prompts_.count(FakeUiPrompts::Kind::Notice), 0);
    EXPECT_EQ(drawPoint.count(), 1);

    // The grid button again, or the layer's "Quit grid", leaves grid mode.
    QTest::mouseClick(tool(QHotImageCtrl::GridTool), Qt::LeftButton);
    EXPECT_FALSE(w.isGridMode());
    EXPECT_EQ(w.sceneView()->drawType(), 0);
    EXPECT_FALSE(transparent.last().at(0).toBool());
    QTest::mouseClick(tool(QHotImageCtrl::GridTool), Qt::LeftButton);
    emit w.sceneView()->sendQuitGridModeSignal();
    EXPECT_FALSE(w.isGridMode());
    EXPECT_EQ(w.sceneView()->drawType(), 0);
}

// A typed grid position beyond the picture stops at its last pixel; the
// cursor goes to the screen point of that pixel (mirrored with the picture)
// and the fields show the pixel and its temperature.
TEST_F(AnalysisWindowTest, TypedGridPositionIsClampedIntoThePicture)
{
    struct Case {
        int flip;
        const char* typedX;
        int pixelX;
        double cursorX;  // in the 500-pixel-wide view
    };
    const Case cases[] = {
        {0, "500", 383, 383.0 * 500 / 384},
        {0, "17", 17, 17.0 * 500 / 384},
        {2, "500", 383, 500 - 383.0 * 500 / 384},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.flip << " " << c.typedX);
        TearDown();
        SetUp();
        loadPicture(c.flip, QSize(500, 375));
        QHotImageCtrl& w = *window_;
        EXPECT_EQ(w.gridXEdit()->toolTip(), "0 -383");
        EXPECT_EQ(w.gridYEdit()->toolTip(), "0 -287");
        QSignalSpy moved(&w, &QHotImageCtrl::sendGridPosChangedSignal);
        w.gridYEdit()->setText("100");
        w.gridXEdit()->setText(QString());
        QTest::keyClicks(w.gridXEdit(), QString::fromLatin1(c.typedX));

        EXPECT_TRUE(w.isGridMode()) << "typing a position opens the grid";
        ASSERT_GE(moved.count(), 1);
        const QPointF cursor = moved.last().at(0).toPointF();
        EXPECT_NEAR(cursor.x(), c.cursorX, 1e-6);
        EXPECT_NEAR(cursor.y(), 100.0 * 375 / 288, 1e-6);
        EXPECT_NEAR(w.sceneView()->gridPos().x(), c.cursorX, 1e-6);
        EXPECT_EQ(w.gridXEdit()->text(), QString::number(c.pixelX));
        EXPECT_EQ(w.gridYEdit()->text(), "100");
        EXPECT_NEAR(w.gridTemper(), pixelTemper(c.pixelX, 100), 0.1f);
        EXPECT_EQ(w.gridTemperEdit()->text(), QString::number(double(w.gridTemper()), 'f', 1));
    }
}

TEST_F(AnalysisWindowTest, GridTemperatureFollowsTheUnit)
{
    loadPicture();
    QHotImageCtrl& w = *window_;
    emit w.sceneView()->sendCalGridTemperSignal(QPointF(200.5, 150.5));
    EXPECT_EQ(w.gridXEdit()->text(), "200");
    EXPECT_EQ(w.gridYEdit()->text(), "150");
    const float celsius = w.gridTemper();
    EXPECT_NEAR(celsius, pixelTemper(200, 150), 0.1f);

    w.temperUnitComboBox()->setCurrentIndex(1);
    EXPECT_EQ(ConfigManager::getInstance().getTemperUnitCache(), 1);
    EXPECT_FLOAT_EQ(w.gridTemper(), celsius) << "kept in Celsius";
    EXPECT_EQ(w.gridTemperEdit()->text(), QString::number(double(celsius * 1.8f + 32.0f), 'f', 1));
    EXPECT_TRUE(w.resultTable()->table()->item(0, RuleResultTable::AvgColumn)->text().endsWith(QChar(0x2109)));
}

TEST_F(AnalysisWindowTest, PanelSwitchShowsOneOfTableAndParameters)
{
    QHotImageCtrl& w = *window_;
    QTest::mouseClick(w.paramSetButton(), Qt::LeftButton);
    EXPECT_TRUE(w.resultTable()->isHidden());
    EXPECT_FALSE(w.paramPanel()->isHidden());
    EXPECT_TRUE(w.temperResultButton()->isEnabled());
    EXPECT_FALSE(w.paramSetButton()->isEnabled());
    QTest::mouseClick(w.temperResultButton(), Qt::LeftButton);
    EXPECT_FALSE(w.resultTable()->isHidden());
    EXPECT_TRUE(w.paramPanel()->isHidden());
    EXPECT_FALSE(w.temperResultButton()->isEnabled());
    EXPECT_TRUE(w.paramSetButton()->isEnabled());
}

TEST_F(AnalysisWindowTest, ColourBarRangeReadsInTheAnalysisUnit)
{
    QHotImageCtrl& w = *window_;
    ConfigManager::getInstance().setTemperUnitCache(1);
    w.setColorBarRange(25.0f, 100.0f);
    EXPECT_EQ(w.lowMarker()->valueLabel()->text(), "77.0");
    EXPECT_EQ(w.colorBarLowLabel()->valueLabel()->text(), "77.0");
    EXPECT_EQ(w.highMarker()->valueLabel()->text(), "212.0");
    EXPECT_EQ(w.colorBarHighLabel()->unitLabel()->text(), QString(QChar(0x2109)));
    EXPECT_FLOAT_EQ(w.rangeLow(), 25.0f);
    EXPECT_FLOAT_EQ(w.rangeHigh(), 100.0f);

    // The markers stand 18 pixels above the slider, at the handle's x.
    w.rangeSlider()->show();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.moveLowMarker(40);
    const QPoint slider = w.rangeSlider()->mapTo(&w, QPoint(0, 0));
    EXPECT_EQ(w.lowMarker()->pos(), QPoint(slider.x() + 40, slider.y() - 18));
    w.setLowMarkerVisible(true);
    EXPECT_TRUE(w.lowMarker()->isVisible());
    w.setColorBarVisible(true);
    EXPECT_FALSE(w.colorScale()->isHidden());
    EXPECT_FALSE(w.colorBarHighLabel()->isHidden());
}

TEST(AnalysisModuleTest, RelaysTheHeatMapExportBothWays)
{
    FakeUiPrompts prompts;
    fixtures::ScratchDir dir;
    QHotImageModule module;
    ASSERT_NE(module.hotImageCtrl(), nullptr);
    EXPECT_EQ(module.hotImageCtrl()->parentWidget(), &module);
    QSignalSpy asked(&module, &QHotImageModule::sendHeatMapExportSignal);
    emit module.hotImageCtrl()->sendHeatMapExportSignal();
    EXPECT_EQ(asked.count(), 1);

    // The answer reaches the window, which opens the picture.
    const std::string path = dir.file("heat.png");
    ASSERT_TRUE(analysistest::sixRulePicture().writeTo(path));
    QSignalSpy answered(&module, &QHotImageModule::sendHeatMapExportRetSignal);
    module.setHeatMapExportRetSlot(QString::fromStdString(path));
    ASSERT_EQ(answered.count(), 1);
    EXPECT_EQ(answered.at(0).at(0).toString(), QString::fromStdString(path));
    EXPECT_EQ(prompts.texts(FakeUiPrompts::Kind::Notice), QStringList{windowText("Export heat map success")});
    EXPECT_TRUE(module.hotImageCtrl()->toolBar()->isEnabled());
    EXPECT_EQ(module.hotImageCtrl()->resultTable()->table()->rowCount(), 7);
    ThermalImageData::getInstance().freePic();
}

}  // namespace
