// The side panel's rule temperature table: rows keyed by rule id, value
// texts in the unit of Config.ini, "N/A" for failed readings, removal and
// selection by id, the pressed row's name, and the header texts.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "QVideoTemperResult.h"
#include "TemperResultsTestSupport.h"

using namespace temperresults;

namespace {

class TemperResultTableTest : public ::testing::Test {
protected:
    void SetUp() override { setTemperUnit(0); }
    void TearDown() override { setTemperUnit(0); }

    QTableWidget* table() const { return view_.table(); }
    QString text(int row, int column) const
    {
        const QTableWidgetItem* item = table()->item(row, column);
        return item ? item->text() : QStringLiteral("<no cell>");
    }
    QVariant kept(int row, int column) const { return table()->item(row, column)->data(Qt::UserRole + 1); }
    QStringList titles() const
    {
        QStringList out;
        for (int row = 0; row < table()->rowCount(); ++row) out << text(row, 1);
        return out;
    }

    QVideoTemperResult view_;
};

TEST_F(TemperResultTableTest, TableIsAReadOnlyRowTableWithAHiddenKeyColumn)
{
    EXPECT_EQ(view_.size(), QSize(472, 328));
    EXPECT_EQ(table()->objectName(), "TemperRuleTableWidget");
    ASSERT_EQ(table()->columnCount(), 5);
    QStringList headers;
    for (int c = 0; c < 5; ++c) headers << table()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, (QStringList{"ItemPointer", "Name", "Max", "Min", "Avg"}));
    EXPECT_TRUE(table()->isColumnHidden(0));
    EXPECT_EQ(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(table()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(table()->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(table()->verticalHeader()->isHidden());
    EXPECT_EQ(table()->horizontalHeader()->sectionResizeMode(1), QHeaderView::Stretch);
}

// One result and the row it leaves: Max, Min, Avg texts.
struct RowCase {
    const char* name;
    int unit;
    RuleTemperResult result;
    bool failed;
    const char* max;
    const char* min;
    const char* avg;
};

TEST_F(TemperResultTableTest, RowShowsTheShownValuesInTheConfiguredUnit)
{
    const RowCase cases[] = {
        {"point rule: average only", 0, point("P1", 3, 25.0f), false, "", "", "25.0℃"},
        {"rectangle in Fahrenheit", 1, rule("R1", 4, 30.0f, 20.0f, 25.0f), false, "86.0℉", "68.0℉", "77.0℉"},
        {"Kelvin", 2, rule("E1", 5, 26.85f, -273.15f, 0.04f), false, "300.0K", "0.0K", "273.2K"},
        {"negative and rounded", 0, rule("L1", 6, -5.0f, -12.36f, 99.96f), false, "-5.0℃", "-12.4℃", "100.0℃"},
        {"failed rectangle", 0, rule("R2", 7, 30.0f, 20.0f, 25.0f), true, "N/A", "N/A", "N/A"},
        {"failed point", 1, point("P2", 8, 25.0f), true, "", "", "N/A"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        setTemperUnit(c.unit);
        if (c.failed)
            view_.showResultUnavailable(c.result);
        else
            view_.showResult(c.result);
        const int row = table()->rowCount() - 1;
        EXPECT_EQ(table()->item(row, 0)->data(Qt::UserRole + 1).toUInt(), c.result.key);
        EXPECT_TRUE(table()->item(row, 0)->text().isEmpty());
        EXPECT_EQ(text(row, 1), c.result.title);
        EXPECT_EQ(text(row, 2), QString::fromUtf8(c.max));
        EXPECT_EQ(text(row, 3), QString::fromUtf8(c.min));
        EXPECT_EQ(text(row, 4), QString::fromUtf8(c.avg));
        for (int column = 1; column <= 4; ++column)
            EXPECT_EQ(table()->item(row, column)->textAlignment(), int(Qt::AlignCenter)) << column;
        // The cells keep the values in °C; a failed reading keeps none.
        if (c.failed) {
            EXPECT_FALSE(kept(row, 4).isValid());
        } else {
            EXPECT_FLOAT_EQ(kept(row, 2).toFloat(), c.result.max);
            EXPECT_FLOAT_EQ(kept(row, 3).toFloat(), c.result.min);
            EXPECT_FLOAT_EQ(kept(row, 4).toFloat(), c.result.avg);
        }
    }
    EXPECT_EQ(table()->rowCount(), 6);
}

TEST_F(TemperResultTableTest, LaterResultsUpdateTheRuleRowInPlace)
{
    view_.showResult(rule("G", 0, 40.0f, 10.0f, 25.0f));
    view_.showResult(rule("R1", 11, 35.0f, 21.0f, 28.0f));
    view_.showResult(rule("R2", 12, 36.0f, 22.0f, 29.0f));

    view_.showResultUnavailable(rule("R1", 11, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(titles(), (QStringList{"G", "R1", "R2"}));
    EXPECT_EQ(text(1, 2), "N/A");

    view_.showResult(rule("R1", 11, 50.5f, 20.26f, 30.0f));
    ASSERT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(text(1, 2), "50.5℃");
    EXPECT_EQ(text(1, 3), "20.3℃");
    EXPECT_EQ(text(1, 4), "30.0℃");
    EXPECT_FLOAT_EQ(kept(1, 2).toFloat(), 50.5f);
    EXPECT_EQ(text(2, 2), "36.0℃") << "another rule's row is untouched";
    EXPECT_EQ(text(0, 4), "25.0℃");

    // Two rules with one title keep two rows.
    view_.showResult(rule("R2", 13, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(titles(), (QStringList{"G", "R1", "R2", "R2"}));
    EXPECT_EQ(text(2, 2), "36.0℃");
}

TEST_F(TemperResultTableTest, RowsAreRemovedAndSelectedByRuleId)
{
    view_.showResult(rule("G", 0, 40.0f, 10.0f, 25.0f));
    view_.showResult(rule("R1", 5, 35.0f, 21.0f, 28.0f));
    view_.showResult(point("P2", 9, 30.0f));
    view_.showResult(rule("L3", 14, 30.0f, 20.0f, 25.0f));

    view_.setItemSelectSlots(9);
    EXPECT_EQ(table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table()->currentRow(), 2);
    EXPECT_TRUE(table()->item(2, 1)->isSelected());
    view_.setItemSelectSlots(77);  // no such rule
    EXPECT_TRUE(table()->item(2, 1)->isSelected());
    view_.setItemSelectSlots(0);  // nothing selected on the video: the whole picture
    EXPECT_TRUE(table()->item(0, 1)->isSelected());
    EXPECT_FALSE(table()->item(2, 1)->isSelected());

    view_.setItemDeleteSlots(5);
    EXPECT_EQ(titles(), (QStringList{"G", "P2", "L3"}));
    view_.setItemDeleteSlots(5);
    view_.setItemDeleteSlots(77);
    view_.setItemDeleteSlots(0);  // the whole picture is not a rule
    EXPECT_EQ(titles(), (QStringList{"G", "P2", "L3"}));
    view_.setItemDeleteSlots(14);
    view_.setItemDeleteSlots(9);
    EXPECT_EQ(titles(), (QStringList{"G"}));
}

TEST_F(TemperResultTableTest, PressingARowNamesItsRule)
{
    view_.showResult(rule("G", 0, 40.0f, 10.0f, 25.0f));
    view_.showResult(rule("R1", 5, 35.0f, 21.0f, 28.0f));
    table()->insertRow(2);  // a row without a title cell
    view_.show();
    QSignalSpy named(&view_, &QVideoTemperResult::sendSelectedItemSignal);

    QTest::mousePress(table()->viewport(), Qt::LeftButton, {}, table()->visualItemRect(table()->item(1, 3)).center());
    ASSERT_EQ(named.count(), 1);
    EXPECT_EQ(named.at(0).at(0).toString(), "R1");

    view_.ontemperRuleCellClicked(2, 1);
    view_.ontemperRuleCellClicked(7, 1);
    EXPECT_EQ(named.count(), 1);
}

TEST_F(TemperResultTableTest, LanguageChangeTranslatesTheHeadersButNotTheKeyColumn)
{
    MarkingTranslator marking("QVideoTemperResult");
    QStringList headers;
    for (int c = 0; c < 5; ++c) headers << table()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, (QStringList{"ItemPointer", "<Name>", "<Max>", "<Min>", "<Avg>"}));
    EXPECT_EQ(view_.windowTitle(), "<QVideoTemperResult>");
}

}  // namespace
