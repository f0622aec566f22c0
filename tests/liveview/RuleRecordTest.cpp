// What the rule scenes compute without a window: the record of a new rule
// byte for byte, the flip of drawn points with the corner order, and the
// rule item list's titles and flags.
#include <gtest/gtest.h>

#include <QGraphicsRectItem>

#include <cstring>
#include <memory>
#include <vector>

#include "RuleFlip.h"
#include "RuleItem.h"
#include "RuleItemList.h"
#include "RuleRecordBuilder.h"

namespace {

// ---- Record of a new rule ---------------------------------------------------------------

// The 152-byte record written by offsets, as the rule store and the camera
// rule set read it.
class RecordBytes {
public:
    RecordBytes() { std::memset(bytes_, 0, sizeof bytes_); }
    RecordBytes& i32(int offset, int32_t v)
    {
        for (int i = 0; i < 4; ++i) bytes_[offset + i] = uint8_t(uint32_t(v) >> (8 * i));
        return *this;
    }
    RecordBytes& f32(int offset, float v)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return i32(offset, int32_t(bits));
    }
    RecordBytes& text(int offset, const char* s)
    {
        std::memcpy(bytes_ + offset, s, std::strlen(s));
        return *this;
    }
    RecordBytes& points(const std::vector<QPoint>& pts)
    {
        for (size_t i = 0; i < pts.size(); ++i) i32(24 + 8 * int(i), pts[i].x()).i32(28 + 8 * int(i), pts[i].y());
        return *this;
    }
    const uint8_t* data() const { return bytes_; }

private:
    uint8_t bytes_[152];
};

USBSDK_GlobalTemperParam globalBlock()
{
    USBSDK_GlobalTemperParam g;
    std::memset(&g, 0, sizeof g);
    g.emissivity = 0.95f;
    g.distance = 2.5f;
    g.reflectedTemp = 23.0f;
    g.ambientTemp = 26.0f;  // not in the rule
    g.tempUnit = 1;         // not in the rule
    g.humidity = 40;        // not in the rule
    g.alarmMode = 3;
    g.alarmThreshold = 60.5f;
    return g;
}

// The measurement words every new rule takes from the global block.
RecordBytes withGlobal(quint32 key, int count, int type, int shape, const char* name)
{
    RecordBytes b;
    b.i32(0, int32_t(key)).i32(8, count).i32(12, type).i32(16, shape).text(88, name);
    b.f32(120, 0.95f).f32(124, 2.5f).f32(128, 23.0f).i32(132, 3).f32(136, 60.5f);
    return b;
}

struct RecordCase {
    const char* name;
    int kind;
    std::vector<QPoint> view;  // in a 641 x 513 view
    RecordBytes expected;
};

// 641 x 513 makes the scaling truncate: x * 8192 / 641, y * 8192 / 513.
const QSize kView(641, 513);

std::vector<RecordCase> recordCases()
{
    return {
        {"point", 1, {{333, 77}}, withGlobal(11, 1, 0, 0, "P1").points({{4255, 1229}})},
        {"line", 2, {{1, 100}, {333, 512}}, withGlobal(11, 2, 1, 0, "P1").points({{12, 1596}, {4255, 8176}})},
        {"rectangle",
         3,
         {{1, 77}, {333, 77}, {333, 100}, {1, 100}},
         withGlobal(11, 4, 2, 1, "P1").points({{12, 1229}, {4255, 1229}, {4255, 1596}, {12, 1596}})},
        {"ellipse",
         4,
         {{1, 77}, {333, 77}, {333, 100}, {1, 100}},
         withGlobal(11, 4, 2, 2, "P1").points({{12, 1229}, {4255, 1229}, {4255, 1596}, {12, 1596}})},
        {"circle",
         5,
         {{1, 77}, {333, 77}, {333, 100}, {1, 100}},
         withGlobal(11, 4, 2, 3, "P1").points({{12, 1229}, {4255, 1229}, {4255, 1596}, {12, 1596}})},
        {"polygon of five",
         6,
         {{1, 77}, {333, 77}, {640, 100}, {333, 512}, {0, 0}},
         withGlobal(11, 5, 2, 0, "P1").points({{12, 1229}, {4255, 1229}, {8179, 1596}, {4255, 8176}, {0, 0}})},
        // The far edge (and beyond) stays inside the rule space, so does a
        // point left of or above the view.
        {"points kept inside the rule space",
         2,
         {{641, 513}, {-5, -1}},
         withGlobal(11, 2, 1, 0, "P1").points({{8191, 8191}, {0, 0}})},
    };
}

TEST(RuleRecordBuilder, BuildsTheRecordByteForByte)
{
    for (const RecordCase& c : recordCases()) {
        SCOPED_TRACE(c.name);
        const std::optional<PicRuleRecord> record = RuleRecordBuilder::build(
            11, c.kind, QVector<QPoint>(c.view.begin(), c.view.end()), kView, QStringLiteral("P1"), globalBlock());
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(std::memcmp(&*record, c.expected.data(), 152), 0);
    }
}

TEST(RuleRecordBuilder, CutsTheNameOnACharacterBoundaryAndKeepsItsNul)
{
    struct NameCase {
        QString title;
        QByteArray stored;  // the 32-byte field up to its first NUL
    };
    const QString wen = QString::fromUtf8("\xE6\xB8\xA9");  // 3 bytes in UTF-8
    const NameCase cases[] = {
        {QStringLiteral("R12"), "R12"},
        {QString(31, QChar('a')), QByteArray(31, 'a')},
        {QString(40, QChar('a')), QByteArray(31, 'a')},
        {QString(11, wen[0]), QString(10, wen[0]).toUtf8()},  // 33 bytes: ten characters fit
        {QStringLiteral("R1") + QString(10, wen[0]), (QStringLiteral("R1") + QString(9, wen[0])).toUtf8()},
    };
    for (const NameCase& c : cases) {
        const std::optional<PicRuleRecord> record =
            RuleRecordBuilder::build(1, RuleItem::kPoint, {QPoint(1, 1)}, QSize(100, 100), c.title, globalBlock());
        ASSERT_TRUE(record.has_value());
        const char* name = record->rule.name;
        EXPECT_EQ(QByteArray(name, int(strnlen(name, 32))), c.stored);
        for (int i = c.stored.size(); i < 32; ++i) EXPECT_EQ(name[i], 0) << i;
    }
}

TEST(RuleRecordBuilder, RefusesWhatIsNoRule)
{
    const USBSDK_GlobalTemperParam g = globalBlock();
    const QVector<QPoint> four = {{1, 1}, {20, 1}, {20, 20}, {1, 20}};
    EXPECT_FALSE(RuleRecordBuilder::build(1, 0, four, QSize(100, 100), "x", g));
    EXPECT_FALSE(RuleRecordBuilder::build(1, 7, four, QSize(100, 100), "x", g));
    EXPECT_FALSE(RuleRecordBuilder::build(1, RuleItem::kRectangle, four.mid(0, 3), QSize(100, 100), "x", g));
    EXPECT_FALSE(RuleRecordBuilder::build(1, RuleItem::kLine, four.mid(0, 1), QSize(100, 100), "x", g));
    EXPECT_FALSE(RuleRecordBuilder::build(1, RuleItem::kPolygon, four.mid(0, 2), QSize(100, 100), "x", g));
    EXPECT_FALSE(RuleRecordBuilder::build(1, RuleItem::kPolygon, four + four + four.mid(0, 1), QSize(100, 100), "x", g))
        << "nine vertices do not fit";
    EXPECT_FALSE(RuleRecordBuilder::build(1, RuleItem::kPoint, four, QSize(0, 100), "x", g));
    EXPECT_TRUE(RuleRecordBuilder::build(1, RuleItem::kPolygon, four + four, QSize(100, 100), "x", g));
}

// ---- Flip of drawn points ---------------------------------------------------------------

struct FlipCase {
    const char* name;
    int kind;
    int flip;
    std::vector<QPoint> in;
    std::vector<QPoint> out;
};

// A 100 x 50 box at (10, 20) in a 640 x 512 view: corners TL, TR, BR, BL.
const std::vector<QPoint> kBox = {{10, 20}, {110, 20}, {110, 70}, {10, 70}};

const FlipCase kFlipCases[] = {
    {"none", 3, 0, kBox, kBox},
    {"rectangle upside down", 3, 1, kBox, {{10, 442}, {110, 442}, {110, 492}, {10, 492}}},
    {"rectangle mirrored", 3, 2, kBox, {{530, 20}, {630, 20}, {630, 70}, {530, 70}}},
    {"ellipse turned", 4, 3, kBox, {{530, 442}, {630, 442}, {630, 492}, {530, 492}}},
    {"circle mirrored", 5, 2, kBox, {{530, 20}, {630, 20}, {630, 70}, {530, 70}}},
    {"line keeps its end order", 2, 2, {{10, 20}, {110, 70}}, {{630, 20}, {530, 70}}},
    {"polygon keeps its vertex order", 6, 1, {{10, 20}, {110, 20}, {60, 100}}, {{10, 492}, {110, 492}, {60, 412}}},
    {"point", 1, 3, {{0, 0}}, {{640, 512}}},
    {"unknown flip changes nothing", 3, 7, kBox, kBox},
    {"a box without four corners is only mirrored", 3, 2, {{10, 20}, {110, 20}}, {{630, 20}, {530, 20}}},
};

TEST(RuleFlip, MirrorsAndPutsTheTopLeftCornerFirst)
{
    for (const FlipCase& c : kFlipCases) {
        SCOPED_TRACE(c.name);
        const QVector<QPoint> in(c.in.begin(), c.in.end());
        const QVector<QPoint> out = RuleFlip::mapPointsForFlip(c.kind, in, 640, 512, c.flip);
        EXPECT_EQ(out, QVector<QPoint>(c.out.begin(), c.out.end()));
        // Flipping is its own inverse: the scene maps stored points back with it.
        EXPECT_EQ(RuleFlip::mapPointsForFlip(c.kind, out, 640, 512, c.flip), in);
    }
}

// ---- Rule item list ----------------------------------------------------------------------

class RuleItemListTest : public ::testing::Test {
protected:
    // A listed stand-in item for the titles (the list reads titles only).
    QGraphicsItem* add(const QString& title)
    {
        items_.push_back(std::make_unique<QGraphicsRectItem>(0, 0, 10, 10));
        list_.append(title, items_.back().get());
        return items_.back().get();
    }
    RuleItemList list_;
    std::vector<std::unique_ptr<QGraphicsRectItem>> items_;
};

TEST_F(RuleItemListTest, TitlesTakeTheLowestFreeNumberOfTheirPrefix)
{
    const struct {
        int kind;
        const char* first;
    } prefixes[] = {{1, "P1"}, {2, "L1"}, {3, "R1"}, {4, "Ep1"}, {5, "Cr1"}, {6, "Po1"}};
    for (const auto& p : prefixes) EXPECT_EQ(list_.makeRuleTitle(p.kind), QLatin1String(p.first));
    EXPECT_EQ(list_.makeRuleTitle(0), QString());
    EXPECT_EQ(list_.makeRuleTitle(9), QString());

    QGraphicsItem* p1 = add("P1");
    add("P2");
    add("Po1");
    add("R1");
    EXPECT_EQ(list_.makeRuleTitle(1), "P3");
    EXPECT_EQ(list_.makeRuleTitle(6), "Po2") << "numbers are per prefix";
    EXPECT_EQ(list_.makeRuleTitle(4), "Ep1");
    list_.removeItemFromList(p1);
    EXPECT_EQ(list_.makeRuleTitle(1), "P1") << "a freed number is taken again";
}

TEST_F(RuleItemListTest, AllThirtyTwoTitlesTakenGiveAnEmptyTitle)
{
    for (int n = 1; n <= 32; ++n) add(QStringLiteral("L%1").arg(n));
    EXPECT_EQ(list_.makeRuleTitle(RuleItem::kLine), QString());
    EXPECT_EQ(list_.makeRuleTitle(RuleItem::kPoint), "P1");
}

TEST_F(RuleItemListTest, RemovesOnlyTheFirstPairOfAnItem)
{
    QGraphicsItem* a = add("P1");
    QGraphicsItem* b = add("P2");
    list_.append("P1 again", a);
    list_.removeItemFromList(a);
    ASSERT_EQ(list_.size(), 2);
    EXPECT_EQ(list_.entries()[0].item, b);
    EXPECT_EQ(list_.entries()[1].title, "P1 again");
    list_.removeItemFromList(nullptr);
    EXPECT_EQ(list_.size(), 2);
}

TEST_F(RuleItemListTest, SwitchesTheEditingFlagsAndKeepsTheOthers)
{
    QGraphicsItem* a = add("P1");
    a->setFlags(QGraphicsItem::ItemIsFocusable | QGraphicsItem::ItemIsSelectable);
    const auto editing =
        QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemSendsGeometryChanges;
    list_.setItemsMovable(true);
    EXPECT_EQ(a->flags(), editing | QGraphicsItem::ItemIsFocusable);
    list_.setItemsMovable(false);
    EXPECT_EQ(a->flags(), QGraphicsItem::ItemIsFocusable);
}

TEST_F(RuleItemListTest, TitleOfAnItemIsItsRuleTitleOrG)
{
    EXPECT_EQ(RuleItemList::getItemTitle(nullptr), "G");
    QGraphicsItem* plain = add("P1");
    EXPECT_EQ(RuleItemList::getItemTitle(plain), "G") << "no rule item";
    plain->setData(RuleItem::kKindKey, 9);
    EXPECT_EQ(RuleItemList::getItemTitle(plain), "G") << "kind outside 1..6";

    const QVector<QPoint> box = {{10, 10}, {50, 10}, {50, 40}, {10, 40}};
    const struct {
        int kind;
        QVector<QPoint> points;
        const char* title;
    } kinds[] = {{1, box.mid(0, 1), "P7"}, {2, box.mid(0, 2), "L7"}, {3, box, "R7"},
                 {4, box, "Ep7"},          {5, box, "Cr7"},          {6, box, "Po7"}};
    RuleItemList rules;
    for (const auto& k : kinds) {
        std::unique_ptr<QGraphicsItem> item(RuleItem::create(k.kind, k.title, k.points, nullptr));
        ASSERT_TRUE(item) << k.kind;
        EXPECT_EQ(RuleItemList::getItemTitle(item.get()), QLatin1String(k.title));
        rules.append(k.title, item.get());
        EXPECT_EQ(rules.findById(RuleItem::idOf(item.get())), item.get());
        rules.clear();
    }
    EXPECT_EQ(rules.findById(0), nullptr);
}

}  // namespace
