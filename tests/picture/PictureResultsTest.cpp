// The picture analysis window's rule temperature table and overlay: point
// rules told by their item's kind (the title only without an item), the
// window's show flags, the unit switch over the kept Celsius values, the
// report's rows, deletion and changes by rule id, the pressed row's title,
// the whole picture's entry, and the mouse handed to the widget beneath.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "../liveview/TemperResultsTestSupport.h"
#include "ConfigManager.h"
#include "QTemperResult.h"
#include "QTemperShow.h"
#include "QTemperWidget.h"
#include "RadioPictureWriter.h"
#include "RuleLookup.h"
#include "ScratchDir.h"
#include "ThermalImageData.h"

using temperresults::MarkingTranslator;
using temperresults::rule;

namespace {

// Rule kinds by id, as the scene view would answer for its items.
class FakeLookup : public RuleLookup {
public:
    QMap<quint32, int> kinds;
    int ruleKind(quint32 id) const override { return kinds.value(id, 0); }
    QString ruleTitle(quint32 id) const override { return id ? QStringLiteral("X%1").arg(id) : QStringLiteral("G"); }
};

RuleShowFlags flags(bool max, bool min, bool avg)
{
    RuleShowFlags f;
    f.showMax = max;
    f.showMin = min;
    f.showAvg = avg;
    return f;
}

const RuleShowFlags kAll = flags(true, true, true);

class PictureResultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUnit(0);
        ThermalImageData::getInstance().freePic();
        table_.setRuleLookup(&lookup_);
        overlay_->setRuleLookup(&lookup_);
    }
    void TearDown() override
    {
        setUnit(0);
        ThermalImageData::getInstance().freePic();
    }

    static void setUnit(int unit) { ConfigManager::getInstance().setTemperUnitCache(unit); }

    // Adds a rule of an item kind (0: no item) to both views.
    void add(const RuleTemperResult& r, int kind)
    {
        if (kind) lookup_.kinds.insert(r.key, kind);
        table_.addResult(r);
        overlay_->addResult(r);
    }
    void showFlags(const RuleShowFlags& f)
    {
        table_.setShowFlags(f);
        overlay_->setShowFlags(f);
    }

    QString text(int row, int column) const
    {
        const QTableWidgetItem* item = table_.table()->item(row, column);
        return item ? item->text() : QStringLiteral("<no cell>");
    }
    // Max, Min, Avg texts of a row.
    QStringList rowValues(int row) const { return {text(row, 2), text(row, 3), text(row, 4)}; }
    QStringList titles() const
    {
        QStringList out;
        for (int row = 0; row < table_.table()->rowCount(); ++row) out << text(row, 1);
        return out;
    }
    // Max, Min, Avg of a block, each its number or "hidden".
    QStringList blockValues(quint32 key) const
    {
        const QTemperWidget* b = overlay_->temperWidget(key);
        if (!b) return {"<no block>"};
        QStringList out;
        for (auto v : {RuleResultBlock::MaxValue, RuleResultBlock::MinValue, RuleResultBlock::AvgValue}) {
            const bool shown = !b->valueLabel(v)->isHidden();
            EXPECT_EQ(shown, !b->captionLabel(v)->isHidden()) << "caption and number go together";
            out << (shown ? b->valueText(v) : QStringLiteral("hidden"));
        }
        return out;
    }
    QStringList blockTitles() const
    {
        QStringList out;
        for (const RuleResultBlock* b : overlay_->blocksInOrder()) out << b->title();
        return out;
    }

    FakeLookup lookup_;
    QWidget page_;
    QTemperResult table_{&page_};
    QTemperShow* overlay_ = new QTemperShow(&page_);  // child of page_
};

TEST_F(PictureResultsTest, FormsCarryTheirNamesAndTheTableItsTranslatedHeaders)
{
    EXPECT_EQ(table_.objectName(), "QTemperResult");
    EXPECT_EQ(table_.size(), QSize(472, 328));
    EXPECT_EQ(table_.table()->objectName(), "TemperRuleTableWidget");
    EXPECT_TRUE(table_.table()->isColumnHidden(0));
    EXPECT_EQ(overlay_->objectName(), "TemperShow");
    EXPECT_EQ(overlay_->width(), 120);

    add(rule("R1", 4, 30.0f, 20.0f, 25.0f), 3);
    const QTemperWidget* block = overlay_->temperWidget(4);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->objectName(), "QTemperWidget");

    MarkingTranslator marking("QTemperResult");
    QStringList headers;
    for (int c = 0; c < 5; ++c) headers << table_.table()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, (QStringList{"ItemPointer", "<Name>", "<Max>", "<Min>", "<Avg>"}));
    EXPECT_EQ(block->captionLabel(RuleResultBlock::MaxValue)->text(), "Max") << "the block's captions stay";
    EXPECT_EQ(block->captionLabel(RuleResultBlock::AvgValue)->text(), "Avg");
}

// One rule, the kind of its item (0: the scene view has none) and whether
// the views treat it as a point rule.
struct PointCase {
    const char* name;
    const char* title;
    quint32 key;
    int kind;
    bool withLookup;
    bool point;
};

TEST_F(PictureResultsTest, PointRulesAreToldByTheirItemsKindAndByTitleOnlyWithoutAnItem)
{
    const PointCase cases[] = {
        {"point item", "P1", 11, 1, true, true},
        {"rectangle titled like a point", "Pipe", 12, 3, true, false},
        {"point item with another title", "R7", 13, 1, true, true},
        {"polygon item", "Po1", 14, 6, true, false},
        {"no item, point title", "P2", 15, 0, true, true},
        {"no item, polygon title", "Po2", 16, 0, true, false},
        {"no item, rectangle title", "R2", 17, 0, true, false},
        {"no lookup, point title", "P3", 18, 1, false, true},
        {"no lookup, single P", "P", 19, 0, false, true},
        {"whole picture is never a point", "P0", 0, 0, true, false},
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemperResult table;
        QWidget page;
        auto* overlay = new QTemperShow(&page);
        FakeLookup lookup;
        if (c.kind) lookup.kinds.insert(c.key, c.kind);
        table.setRuleLookup(c.withLookup ? &lookup : nullptr);
        overlay->setRuleLookup(c.withLookup ? &lookup : nullptr);
        const RuleTemperResult r = rule(c.title, c.key, 30.0f, 20.0f, 25.0f);
        table.addResult(r);
        overlay->addResult(r);
        table.setShowFlags(kAll);
        const QStringList expected = c.point ? QStringList{"-", "-", "25.0℃"} : QStringList{"30.0℃", "20.0℃", "25.0℃"};
        EXPECT_EQ((QStringList{table.table()->item(0, 2)->text(), table.table()->item(0, 3)->text(),
                               table.table()->item(0, 4)->text()}),
                  expected);
        // The block applies the same judgement to the record's own flags.
        const QTemperWidget* b = overlay->temperWidget(c.key);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->valueLabel(RuleResultBlock::MaxValue)->isHidden(), c.point);
        EXPECT_EQ(b->valueLabel(RuleResultBlock::MinValue)->isHidden(), c.point);
        EXPECT_FALSE(b->valueLabel(RuleResultBlock::AvgValue)->isHidden());
    }
}

// The window's check boxes and what a rectangle and a point rule then show.
struct FlagsCase {
    const char* name;
    RuleShowFlags flags;
    QStringList rect;       // table: Max, Min, Avg
    QStringList point;      // table: Max, Min, Avg
    QStringList rectBlock;  // block numbers or "hidden"
    bool pointBlockShown;
};

TEST_F(PictureResultsTest, ShowFlagsRewriteEveryRowAndBlock)
{
    add(rule("R1", 5, 30.0f, 20.0f, 25.0f), 3);
    add(rule("P1", 9, 0.0f, 0.0f, 26.0f), 1);
    const FlagsCase cases[] = {
        {"all on", kAll, {"30.0℃", "20.0℃", "25.0℃"}, {"-", "-", "26.0℃"}, {"30.0", "20.0", "25.0"}, true},
        {"max only",
         flags(true, false, false),
         {"30.0℃", "-", "-"},
         {"-", "-", "-"},
         {"30.0", "hidden", "hidden"},
         false},
        {"min and avg",
         flags(false, true, true),
         {"-", "20.0℃", "25.0℃"},
         {"-", "-", "26.0℃"},
         {"hidden", "20.0", "25.0"},
         true},
        {"all off",
         flags(false, false, false),
         {"-", "-", "-"},
         {"-", "-", "-"},
         {"hidden", "hidden", "hidden"},
         false},
    };
    for (const FlagsCase& c : cases) {
        SCOPED_TRACE(c.name);
        showFlags(c.flags);
        EXPECT_EQ(rowValues(0), c.rect);
        EXPECT_EQ(rowValues(1), c.point);
        EXPECT_EQ(blockValues(5), c.rectBlock);
        EXPECT_EQ(blockValues(9)[2], c.pointBlockShown ? "26.0" : "hidden");
        EXPECT_EQ(!overlay_->temperWidget(5)->isHidden(), c.rectBlock != QStringList({"hidden", "hidden", "hidden"}));
        EXPECT_EQ(!overlay_->temperWidget(9)->isHidden(), c.pointBlockShown);
    }
}

TEST_F(PictureResultsTest, RecordFlagsDecideNewRowsAndBlocks)
{
    RuleTemperResult r = rule("L1", 3, 30.0f, 20.0f, 25.0f);
    r.showMin = false;
    add(r, 2);
    EXPECT_EQ(rowValues(0), (QStringList{"30.0℃", "-", "25.0℃"}));
    EXPECT_EQ(blockValues(3), (QStringList{"30.0", "hidden", "25.0"}));
    EXPECT_FALSE(overlay_->temperWidget(3)->isHidden());

    // The same id again reuses its block; with nothing to show it hides.
    r.showMax = r.showAvg = false;
    overlay_->addResult(r);
    EXPECT_EQ(overlay_->blockCount(), 1);
    EXPECT_TRUE(overlay_->temperWidget(3)->isHidden());
}

TEST_F(PictureResultsTest, UnitSwitchRewritesFromTheKeptCelsiusAndHiddenValuesSurvive)
{
    add(rule("R1", 5, 100.0f, -40.0f, 25.0f), 3);
    showFlags(flags(false, false, false));

    setUnit(1);
    showFlags(kAll);
    EXPECT_EQ(rowValues(0), (QStringList{"212.0℉", "-40.0℉", "77.0℉"}));
    EXPECT_EQ(blockValues(5), (QStringList{"212.0", "-40.0", "77.0"}));
    EXPECT_EQ(overlay_->unitLabel()->text(), "℉");

    // Back to Celsius: nothing drifted through the conversions.
    setUnit(0);
    showFlags(kAll);
    EXPECT_EQ(rowValues(0), (QStringList{"100.0℃", "-40.0℃", "25.0℃"}));
    EXPECT_EQ(table_.table()->item(0, 4)->data(Qt::UserRole + 1).toFloat(), 25.0f);
}

TEST_F(PictureResultsTest, ReportGetsEveryRowWithAllValuesEvenHiddenOnes)
{
    add(rule("G", 0, 40.0f, 10.0f, 25.0f), 0);
    RuleTemperResult point = rule("P1", 9, 0.0f, 0.0f, 31.5f);
    point.showMax = point.showMin = false;
    add(point, 1);
    add(rule("R2", 5, 30.0f, 20.0f, 25.0f), 3);
    showFlags(flags(false, false, false));

    QVector<RuleTemperResult> out{rule("earlier", 1, 0.0f, 0.0f, 0.0f)};
    table_.getResults(out);
    ASSERT_EQ(out.size(), 4) << "appended to what the vector held";
    struct Expected {
        const char* title;
        float max, min, avg;
    };
    const Expected expected[] = {{"G", 40.0f, 10.0f, 25.0f}, {"P1", 0.0f, 0.0f, 31.5f}, {"R2", 30.0f, 20.0f, 25.0f}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(expected[i].title);
        const RuleTemperResult& r = out[i + 1];
        EXPECT_EQ(r.title, expected[i].title);
        EXPECT_FLOAT_EQ(r.max, expected[i].max);
        EXPECT_FLOAT_EQ(r.min, expected[i].min);
        EXPECT_FLOAT_EQ(r.avg, expected[i].avg);
        EXPECT_EQ(r.key, 0u);
        EXPECT_TRUE(r.showMax && r.showMin && r.showAvg);
    }
}

TEST_F(PictureResultsTest, DeletionAndChangesFollowTheRuleId)
{
    add(rule("G", 0, 40.0f, 10.0f, 25.0f), 0);
    add(rule("R1", 5, 35.0f, 21.0f, 28.0f), 3);
    add(rule("P2", 9, 0.0f, 0.0f, 30.0f), 1);
    add(rule("L3", 14, 30.0f, 20.0f, 25.0f), 2);
    const QStringList all{"G", "R1", "P2", "L3"};

    // Unknown ids and the whole picture's 0 are not deleted.
    for (quint32 key : {77u, 0u}) {
        table_.setItemDeleteSlots(key);
        overlay_->setItemDeleteSlots(key);
    }
    EXPECT_EQ(titles(), all);
    EXPECT_EQ(blockTitles(), all);

    // A change of an unknown id changes nothing.
    table_.changeResult(rule("R1", 78, 99.0f, 99.0f, 99.0f));
    overlay_->changeResult(rule("R1", 78, 99.0f, 99.0f, 99.0f));
    EXPECT_EQ(rowValues(1), (QStringList{"35.0℃", "21.0℃", "28.0℃"}));
    EXPECT_EQ(blockValues(5), (QStringList{"35.0", "21.0", "28.0"}));
    EXPECT_EQ(table_.table()->rowCount(), 4);
    EXPECT_EQ(overlay_->blockCount(), 4);

    // A change reaches its id's row and block, whatever the record's title.
    RuleTemperResult changed = rule("other", 14, 50.0f, 10.0f, 33.3f);
    changed.showMin = false;
    table_.changeResult(changed);
    overlay_->changeResult(changed);
    EXPECT_EQ(rowValues(3), (QStringList{"50.0℃", "-", "33.3℃"}));
    EXPECT_EQ(blockValues(14), (QStringList{"50.0", "hidden", "33.3"}));
    EXPECT_EQ(titles(), all) << "the title stays";
    EXPECT_EQ(blockTitles(), all);
    EXPECT_EQ(rowValues(1), (QStringList{"35.0℃", "21.0℃", "28.0℃"}));

    table_.setItemDeleteSlots(9);
    overlay_->setItemDeleteSlots(9);
    EXPECT_EQ(titles(), (QStringList{"G", "R1", "L3"}));
    EXPECT_EQ(blockTitles(), (QStringList{"G", "R1", "L3"}));
    EXPECT_EQ(overlay_->scrollArea()->widget()->findChildren<QTemperWidget*>().size(), 3)
        << "deleted, not only unlisted";

    table_.clearResults();
    overlay_->clearResults();
    EXPECT_EQ(table_.table()->rowCount(), 0);
    EXPECT_EQ(overlay_->scrollArea()->widget()->findChildren<QTemperWidget*>().size(), 0);
}

TEST_F(PictureResultsTest, PressingARowEmitsItsTitle)
{
    add(rule("G", 0, 40.0f, 10.0f, 25.0f), 0);
    add(rule("Po1", 5, 35.0f, 21.0f, 28.0f), 6);
    table_.table()->insertRow(2);  // a row without a title cell
    page_.resize(600, 400);
    table_.resize(472, 328);
    page_.show();
    QSignalSpy named(&table_, &QTemperResult::sendSelectedItemSignal);

    QTest::mousePress(table_.table()->viewport(), Qt::LeftButton, {},
                      table_.table()->visualItemRect(table_.table()->item(1, 4)).center());
    ASSERT_EQ(named.count(), 1);
    EXPECT_EQ(named.at(0).at(0).toString(), "Po1");
    table_.ontemperRuleCellClicked(2, 1);
    EXPECT_EQ(named.count(), 1);
}

TEST_F(PictureResultsTest, WholePictureEntryNeedsAPicture)
{
    EXPECT_FALSE(table_.addPictureResult(kAll));
    EXPECT_FALSE(overlay_->addPictureResult(kAll));
    EXPECT_EQ(table_.table()->rowCount(), 0);
    EXPECT_EQ(overlay_->blockCount(), 0);

    // A 32 x 24 ramp from 0 to 100 °C.
    fixtures::ScratchDir dir;
    fixtures::RadioPictureWriter picture(32, 24);
    picture.setTemperatures(fixtures::rampTemperatures(32, 24, 0.0f, 100.0f));
    ASSERT_TRUE(picture.writeTo(dir.file("ramp.png")));
    ThermalImageData& store = ThermalImageData::getInstance();
    ASSERT_EQ(store.readPicFile(QString::fromStdString(dir.file("ramp.png"))), 0);
    ASSERT_EQ(store.getPicHeaderInfo(), 0);
    ASSERT_EQ(store.getThermalGraph(), 0);
    ASSERT_EQ(store.getPixelsTemperature(), 0);

    const RuleShowFlags noMin = flags(true, false, true);
    ASSERT_TRUE(table_.addPictureResult(noMin));
    ASSERT_TRUE(overlay_->addPictureResult(noMin));
    ASSERT_EQ(table_.table()->rowCount(), 1);
    EXPECT_EQ(text(0, 1), "G");
    EXPECT_EQ(table_.table()->item(0, 0)->data(Qt::UserRole + 1).toUInt(), 0u);
    EXPECT_EQ(text(0, 3), "-");
    const auto kept = [&](int column) { return table_.table()->item(0, column)->data(Qt::UserRole + 1).toFloat(); };
    EXPECT_NEAR(kept(2), 100.0f, 0.5f);
    EXPECT_NEAR(kept(3), 0.0f, 0.5f);
    EXPECT_NEAR(kept(4), 50.0f, 2.0f);
    const QTemperWidget* g = overlay_->temperWidget(0);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->title(), "G");
    EXPECT_EQ(blockValues(0)[1], "hidden");
    EXPECT_EQ(blockValues(0)[0], text(0, 2).chopped(1)) << "the same maximum, without the symbol";
    EXPECT_FALSE(g->isHidden());
}

// Records the mouse events it receives.
class MouseTarget : public QWidget {
public:
    using QWidget::QWidget;
    struct Got {
        QEvent::Type type;
        QPoint pos;
        Qt::MouseButton button;
    };
    QVector<Got> got;

protected:
    void mousePressEvent(QMouseEvent* e) override { got.append({e->type(), e->pos(), e->button()}); }
    void mouseReleaseEvent(QMouseEvent* e) override { got.append({e->type(), e->pos(), e->button()}); }
    void mouseMoveEvent(QMouseEvent* e) override { got.append({e->type(), e->pos(), e->button()}); }
};

// The page itself, to see that the overlay does not let the press bubble up.
class PressCountingPage : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TEST_F(PictureResultsTest, MouseGoesToTheWidgetBeneathAtItsPosition)
{
    PressCountingPage page;
    page.resize(400, 300);
    auto* beneath = new MouseTarget(&page);
    beneath->setGeometry(50, 40, 300, 200);
    auto* overlay = new QTemperShow(&page);
    overlay->setGeometry(60, 50, 120, 150);
    overlay->raise();
    page.show();

    // (10, 20) on the overlay is (70, 70) on the page and (20, 30) beneath.
    const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};
    for (QEvent::Type type : types) {
        QMouseEvent e(type, QPointF(10, 20), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(overlay, &e);
    }
    EXPECT_TRUE(beneath->got.isEmpty()) << "posted, not sent";
    QCoreApplication::sendPostedEvents(beneath);
    ASSERT_EQ(beneath->got.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(beneath->got[i].type, types[i]);
        EXPECT_EQ(beneath->got[i].pos, QPoint(20, 30));
        EXPECT_EQ(beneath->got[i].button, Qt::RightButton);
    }
    EXPECT_EQ(page.presses, 0) << "the overlay's own handling does not pass it up";
    EXPECT_FALSE(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
