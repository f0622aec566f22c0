// The temperature overlay over the live video: one block per rule id (two
// rules with one title keep two blocks), the value texts, nothing without a
// parent, and the context menu handed to the widget beneath.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLabel>
#include <QScrollArea>
#include <QTest>

#include "QVideoTemperShow.h"
#include "QVideoTemperWidget.h"
#include "TemperResultsTestSupport.h"

using namespace temperresults;

namespace {

class TemperOverlayTest : public ::testing::Test {
protected:
    void SetUp() override { setTemperUnit(0); }
    void TearDown() override { setTemperUnit(0); }

    // Max, Min, Avg of a rule's block.
    QStringList values(quint32 key) const
    {
        const RuleResultBlock* b = overlay_->block(key);
        if (!b) return {"<no block>"};
        return {b->valueText(RuleResultBlock::MaxValue), b->valueText(RuleResultBlock::MinValue),
                b->valueText(RuleResultBlock::AvgValue)};
    }
    QStringList titlesInOrder() const
    {
        QStringList out;
        for (const RuleResultBlock* b : overlay_->blocksInOrder()) out << b->title();
        return out;
    }

    QWidget page_;
    QVideoTemperShow* overlay_ = new QVideoTemperShow(&page_);  // child of page_
};

TEST_F(TemperOverlayTest, FormNamesAndTransparentScrollArea)
{
    EXPECT_EQ(overlay_->unitLabel()->objectName(), "temperUnitLabel");
    EXPECT_EQ(overlay_->scrollArea()->objectName(), "temperInfoScrollArea");
    EXPECT_EQ(overlay_->scrollArea()->styleSheet(), "QScrollArea{border: none;background-color:transparent;}");
    EXPECT_EQ(overlay_->scrollArea()->widget()->objectName(), "TemperInfoScrollAreaWidget");
    EXPECT_EQ(overlay_->scrollArea()->widget()->styleSheet(),
              "QWidget#TemperInfoScrollAreaWidget{background-color:transparent;}");

    overlay_->showResult(rule("R1", 4, 30.0f, 20.0f, 25.0f));
    const QVideoTemperWidget* block = overlay_->temperWidget(4);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->objectName(), "QVideoTemperWidget");
    EXPECT_EQ(block->findChild<QLabel*>("temperRuleTitleLabel")->text(), "R1");
    EXPECT_EQ(block->findChild<QLabel*>("maxTemperValLabel")->text(), "30.0");
    EXPECT_EQ(block->findChild<QLabel*>("minTemperValLabel")->text(), "20.0");
    EXPECT_EQ(block->findChild<QLabel*>("avgTemperValLabel")->text(), "25.0");
    EXPECT_EQ(block->captionLabel(RuleResultBlock::MaxValue)->text(), "Max");
    EXPECT_EQ(block->captionLabel(RuleResultBlock::MinValue)->text(), "Min");
    EXPECT_EQ(block->captionLabel(RuleResultBlock::AvgValue)->text(), "Avg");
}

// One result and the block it leaves.
struct BlockCase {
    const char* name;
    int unit;
    RuleTemperResult result;
    bool failed;
    QStringList values;  // Max, Min, Avg
    const char* unitText;
};

TEST_F(TemperOverlayTest, BlockShowsNumbersInTheUnitAndDashesForHiddenValues)
{
    const BlockCase cases[] = {
        {"Celsius rectangle", 0, rule("R1", 1, 30.0f, 20.0f, 25.0f), false, {"30.0", "20.0", "25.0"}, "℃"},
        {"Fahrenheit point", 1, point("P1", 2, 25.0f), false, {"-", "-", "77.0"}, "℉"},
        {"Kelvin", 2, rule("E1", 3, 26.85f, 0.04f, 0.0f), false, {"300.0", "273.2", "273.1"}, "K"},
        {"failed rectangle", 0, rule("R2", 4, 1.0f, 1.0f, 1.0f), true, {"N/A", "N/A", "N/A"}, "℃"},
        {"failed point", 1, point("P2", 5, 1.0f), true, {"-", "-", "N/A"}, "℉"},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.name);
        setTemperUnit(c.unit);
        if (c.failed)
            overlay_->showResultUnavailable(c.result);
        else
            overlay_->showResult(c.result);
        EXPECT_EQ(values(c.result.key), c.values);
        EXPECT_EQ(overlay_->block(c.result.key)->title(), c.result.title);
        EXPECT_EQ(overlay_->unitLabel()->text(), QString::fromUtf8(c.unitText));
    }
    EXPECT_EQ(titlesInOrder(), (QStringList{"R1", "P1", "E1", "R2", "P2"}));
}

TEST_F(TemperOverlayTest, RulesWithOneTitleKeepTheirOwnBlocks)
{
    overlay_->showResult(rule("G", 0, 40.0f, 10.0f, 25.0f));
    overlay_->showResult(rule("R1", 21, 31.0f, 21.0f, 26.0f));
    overlay_->showResult(rule("R1", 22, 32.0f, 22.0f, 27.0f));
    ASSERT_EQ(overlay_->blockCount(), 3);
    EXPECT_EQ(titlesInOrder(), (QStringList{"G", "R1", "R1"}));
    EXPECT_EQ(values(21), (QStringList{"31.0", "21.0", "26.0"}));
    EXPECT_EQ(values(22), (QStringList{"32.0", "22.0", "27.0"}));

    // Refreshing one leaves the other alone.
    overlay_->showResultUnavailable(rule("R1", 22, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(values(21), (QStringList{"31.0", "21.0", "26.0"}));
    EXPECT_EQ(values(22), (QStringList{"N/A", "N/A", "N/A"}));

    overlay_->setItemDeleteSlots(21);
    EXPECT_EQ(overlay_->block(21), nullptr);
    ASSERT_NE(overlay_->block(22), nullptr);
    EXPECT_EQ(titlesInOrder(), (QStringList{"G", "R1"}));
    EXPECT_EQ(values(22), (QStringList{"N/A", "N/A", "N/A"}));
    EXPECT_EQ(overlay_->scrollArea()->widget()->findChildren<QVideoTemperWidget*>().size(), 2)
        << "the deleted block is gone, not only unlisted";

    overlay_->setItemDeleteSlots(99);  // no such rule
    EXPECT_EQ(overlay_->blockCount(), 2);

    // A new result of a deleted rule's id makes a fresh block at the end.
    overlay_->showResult(rule("R1", 21, 33.0f, 23.0f, 28.0f));
    EXPECT_EQ(overlay_->blocksInOrder().last()->key(), 21u);
}

TEST_F(TemperOverlayTest, ABlockFollowsItsRulesTitle)
{
    overlay_->showResult(rule("R1", 8, 31.0f, 21.0f, 26.0f));
    overlay_->showResult(rule("R4", 8, 31.0f, 21.0f, 26.0f));
    EXPECT_EQ(overlay_->blockCount(), 1);
    EXPECT_EQ(overlay_->block(8)->title(), "R4");
}

TEST_F(TemperOverlayTest, WithoutAParentResultsAreIgnored)
{
    QVideoTemperShow orphan;
    orphan.showResult(rule("R1", 1, 30.0f, 20.0f, 25.0f));
    orphan.showResultUnavailable(rule("R2", 2, 30.0f, 20.0f, 25.0f));
    EXPECT_EQ(orphan.blockCount(), 0);
    EXPECT_TRUE(orphan.unitLabel()->text().isEmpty());
}

// Records the context menu events it receives.
class MenuTarget : public QWidget {
public:
    using QWidget::QWidget;
    QVector<QPoint> positions;
    QVector<QPoint> globalPositions;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        positions << event->pos();
        globalPositions << event->globalPos();
    }
};

TEST_F(TemperOverlayTest, ContextMenuGoesToTheWidgetBeneathAtItsPosition)
{
    page_.resize(400, 300);
    auto* beneath = new MenuTarget(&page_);
    beneath->setGeometry(50, 40, 300, 200);
    overlay_->setGeometry(60, 50, 120, 150);
    overlay_->raise();
    page_.show();

    // (10, 20) in the overlay is (70, 70) in the page and (20, 30) beneath.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 20), QPoint(500, 600));
    QApplication::sendEvent(overlay_, &event);
    EXPECT_TRUE(beneath->positions.isEmpty()) << "posted, not sent";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !beneath->positions.isEmpty(); }, 5000));
    EXPECT_EQ(beneath->positions.first(), QPoint(20, 30));
    EXPECT_EQ(beneath->globalPositions.first(), QPoint(500, 600));
    EXPECT_FALSE(overlay_->testAttribute(Qt::WA_TransparentForMouseEvents)) << "transparency cleared again";

    // Nothing beneath: nothing happens.
    overlay_->move(0, 0);
    QContextMenuEvent nowhere(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(0, 0));
    QApplication::sendEvent(overlay_, &nowhere);
    QCoreApplication::processEvents();
    EXPECT_EQ(beneath->positions.size(), 1);
}

TEST_F(TemperOverlayTest, MouseTransparencyFollowsTheRuleOverlay)
{
    overlay_->setMouseTransparentSlots(true);
    EXPECT_TRUE(overlay_->testAttribute(Qt::WA_TransparentForMouseEvents));
    overlay_->setMouseTransparentSlots(false);
    EXPECT_FALSE(overlay_->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(TemperOverlayTest, LanguageChangeTranslatesTheCaptions)
{
    overlay_->showResult(rule("R1", 4, 30.0f, 20.0f, 25.0f));
    MarkingTranslator marking("QVideoTemperWidget");
    const QVideoTemperWidget* block = overlay_->temperWidget(4);
    EXPECT_EQ(block->captionLabel(RuleResultBlock::MaxValue)->text(), "<Max>");
    EXPECT_EQ(block->captionLabel(RuleResultBlock::MinValue)->text(), "<Min>");
    EXPECT_EQ(block->captionLabel(RuleResultBlock::AvgValue)->text(), "<Avg>");
    EXPECT_EQ(block->windowTitle(), "<QVideoTemperWidget>");
}

}  // namespace
