// The rule layer of the picture analysis window over a fixture picture,
// driven with the mouse as the operator would: drawings accepted and refused,
// flipped views, handle resizes, deletion and renumbering, the grid mode, and
// the items rebuilt from a stored rule set that holds malformed records.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeUiPrompts.h"
#include "PicRuleList.h"
#include "QSceneViewCtrl.h"
#include "RadioPictureWriter.h"
#include "RuleItem.h"
#include "SceneMouse.h"
#include "ScratchDir.h"
#include "ThermalImageData.h"

namespace {

constexpr int kW = 200;
constexpr int kH = 150;

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

// A scene point in the rule space of a kW x kH layer: x * 8192 / 200,
// y * 8192 / 150, truncated.
QPoint ruleSpace(const QPoint& p)
{
    return QPoint(p.x() * 8192 / kW, p.y() * 8192 / kH);
}

QVector<QPoint> vec(const std::vector<QPoint>& v)
{
    return QVector<QPoint>(v.begin(), v.end());
}

QVector<QPoint> pointsOf(const QGraphicsItem* item)
{
    RuleItem* rule = RuleItem::from(const_cast<QGraphicsItem*>(item));
    return rule ? rule->updatePoints() : QVector<QPoint>();
}

QVector<QPoint> recordPoints(const PicRuleRecord& r)
{
    QVector<QPoint> out;
    for (int i = 0; i < qBound(0, int(r.rule.pointNum), 8); ++i)
        out.append(QPoint(r.rule.points[i].x, r.rule.points[i].y));
    return out;
}

std::vector<QPoint> boxCorners(int x, int y, int w, int h)
{
    return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

class SceneLayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().freePic();
        host_ = std::make_unique<QWidget>();
        host_->resize(kW + 40, kH + 40);
        ctrl_ = new QSceneViewCtrl(host_.get());
        ctrl_->setGeometry(0, 0, kW, kH);
        host_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host_.get()));
    }

    void TearDown() override
    {
        host_.reset();
        store().freePic();
    }

    // A 32 x 24 picture with no rules and the given flip, loaded as the
    // analysis window loads one; the layer shows it with that flip.
    void loadPicture(int flip)
    {
        fixtures::RadioPictureWriter picture(32, 24);
        picture.picViewInfo().flipDirection = flip;
        picture.picViewInfo().emissivity = 0.95f;
        const std::string path = dir_.file("pic" + std::to_string(++files_) + ".png");
        ASSERT_TRUE(picture.writeTo(path));
        ASSERT_EQ(store().readPicFile(QString::fromStdString(path)), 0);
        ASSERT_EQ(store().getPicHeaderInfo(), 0);
        ASSERT_EQ(store().readPicGlobalRuleConfig(), 0);
        ASSERT_EQ(store().readPicRuleConfigInfo(), 0);
        ASSERT_EQ(store().getFlipDirection(), flip);
        ASSERT_EQ(store().getPicRuleList()->size(), 0);
        ctrl_->setFlipDirection(flip);
    }

    SceneMouse mouse() const { return SceneMouse(ctrl_); }
    QGraphicsItem* item(quint32 id) const { return ctrl_->ruleItemList().findById(id); }
    static const PicRuleRecord* record(quint32 id)
    {
        const PicRuleList* list = store().getPicRuleList();
        return list ? list->find(id) : nullptr;
    }

    fixtures::ScratchDir dir_;
    int files_ = 0;
    FakeUiPrompts prompts_;
    std::unique_ptr<QWidget> host_;
    QSceneViewCtrl* ctrl_ = nullptr;  // child of host_
};

// ---- Drawing with the mouse --------------------------------------------------------------

using Gesture = std::function<void(const SceneMouse&)>;

Gesture drag(QPoint a, QPoint b)
{
    return [a, b](const SceneMouse& m) { m.drag(a, b); };
}

Gesture click(QPoint p)
{
    return [p](const SceneMouse& m) { m.click(p); };
}

// A left drag ended by the right button.
Gesture rightButtonEnds(QPoint a, QPoint b)
{
    return [a, b](const SceneMouse& m) {
        m.send(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
        m.send(QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
        m.send(QEvent::MouseButtonRelease, b, Qt::RightButton, Qt::LeftButton);
    };
}

// Left clicks, then (when given) a right click at the last position.
Gesture clicks(const std::vector<QPoint>& left, const std::vector<QPoint>& right = {})
{
    return [left, right](const SceneMouse& m) {
        for (const QPoint& p : left) {
            m.hover(p);
            m.click(p);
        }
        for (const QPoint& p : right) {
            m.hover(p);
            m.click(p, Qt::RightButton);
        }
    };
}

const std::vector<QPoint> kEight = {{10, 10},   {60, 12},   {120, 20}, {180, 60},
                                    {170, 120}, {100, 140}, {40, 120}, {12, 70}};

struct DrawRow {
    const char* name;
    bool picture;  // false: no picture loaded
    int flip;
    int kind;
    Gesture gesture;
    const char* title;                // null: no rule made
    std::vector<QPoint> scenePoints;  // the item's points
    std::vector<bool> completions;    // sendRuleDrawCompleteSignals, in order
};

const DrawRow kDrawRows[] = {
    {"rectangle 15 x 40 is too small", true, 0, 3, drag({10, 10}, {25, 50}), nullptr, {}, {false}},
    {"rectangle 16 x 16", true, 0, 3, drag({10, 10}, {26, 26}), "R1", boxCorners(10, 10, 16, 16), {true}},
    {"ellipse dragged up and left", true, 0, 4, drag({90, 80}, {30, 40}), "Ep1", boxCorners(30, 40, 60, 40), {true}},
    {"line 10 x 15 is too short", true, 0, 2, drag({20, 20}, {30, 35}), nullptr, {}, {false}},
    {"line 16 across", true, 0, 2, drag({20, 20}, {36, 20}), "L1", {{20, 20}, {36, 20}}, {true}},
    {"line 16 down", true, 0, 2, drag({20, 20}, {20, 36}), "L1", {{20, 20}, {20, 36}}, {true}},
    {"point", true, 0, 1, click({70, 40}), "P1", {{70, 40}}, {true}},
    {"polygon closed by its eighth click", true, 0, 6, clicks(kEight), "Po1", kEight, {true}},
    {"polygon of three clicks and a right click",
     true,
     0,
     6,
     clicks({{10, 10}, {100, 10}, {100, 100}}, {{40, 120}}),
     "Po1",
     {{10, 10}, {100, 10}, {100, 100}, {40, 120}},
     {true}},
    {"polygon of two clicks and a right click: none",
     true,
     0,
     6,
     clicks({{10, 10}, {100, 10}}, {{100, 100}}),
     nullptr,
     {},
     {true}},
    {"right click cancels a rectangle", true, 0, 3, rightButtonEnds({10, 10}, {80, 80}), nullptr, {}, {true}},
    {"release in select mode", true, 0, 0, click({100, 100}), nullptr, {}, {true}},
    // On screen (10, 10)-(50, 30); the mirrored scene holds it at 150..190.
    {"rectangle on a mirrored picture",
     true,
     2,
     3,
     drag({10, 10}, {50, 30}),
     "R1",
     boxCorners(150, 10, 40, 20),
     {true}},
    {"line on an upside-down picture", true, 1, 2, drag({20, 20}, {60, 40}), "L1", {{20, 130}, {60, 110}}, {true}},
    {"circle on a picture flipped both ways",
     true,
     3,
     5,
     drag({10, 10}, {50, 30}),
     "Cr1",
     boxCorners(161, 121, 20, 20),
     {true}},
    {"rectangle without a picture: an item, no record",
     false,
     0,
     3,
     drag({10, 10}, {60, 60}),
     "R1",
     boxCorners(10, 10, 50, 50),
     {true}},
};

TEST_F(SceneLayerTest, MouseSequencesMakeOneRuleOrNoneAndEndTheDrawing)
{
    for (const DrawRow& row : kDrawRows) {
        SCOPED_TRACE(row.name);
        store().freePic();
        ctrl_->setFlipDirection(0);
        if (row.picture) loadPicture(row.flip);
        QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
        QSignalSpy completed(ctrl_, &QSceneViewCtrl::sendRuleDrawCompleteSignals);
        QSignalSpy transparent(ctrl_, &QSceneViewCtrl::sendMouseTransparentSignals);
        QSignalSpy selected(ctrl_, &QSceneViewCtrl::sendItemSelectSignals);

        ctrl_->setDrawType(row.kind);
        row.gesture(mouse());

        std::vector<bool> completions;
        for (const QList<QVariant>& args : completed) completions.push_back(args.at(0).toBool());
        EXPECT_EQ(completions, row.completions);
        ASSERT_FALSE(transparent.isEmpty());
        EXPECT_FALSE(transparent.last().at(0).toBool()) << "the overlay takes the mouse again";
        EXPECT_EQ(ctrl_->drawType(), 0);
        EXPECT_FALSE(ctrl_->isDrawing());
        if (row.kind == 0) {
            EXPECT_EQ(selected.count(), 1) << "a press on the bare picture selects nothing";
        }

        if (!row.title) {
            EXPECT_TRUE(added.isEmpty());
            EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());
            if (row.picture) {
                EXPECT_EQ(store().getPicRuleList()->size(), 0);
            }
            continue;
        }
        ASSERT_EQ(added.count(), 1);
        const quint32 id = added.at(0).at(0).value<quint32>();
        ASSERT_EQ(ctrl_->ruleItemList().size(), 1);
        EXPECT_EQ(ctrl_->getItemTitle(id), QLatin1String(row.title));
        EXPECT_EQ(ctrl_->ruleKind(id), row.kind);
        EXPECT_EQ(pointsOf(item(id)), vec(row.scenePoints));
        EXPECT_TRUE(item(id)->flags() & QGraphicsItem::ItemIsMovable) << "editable after the drawing";

        if (row.picture) {
            const PicRuleRecord* r = record(id);
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->rule.ruleId, 1);
            EXPECT_EQ(PicRuleRecord::typeToKind(r->rule.meterType, r->rule.param), row.kind);
            QVector<QPoint> rule;
            for (const QPoint& p : row.scenePoints) rule.append(ruleSpace(p));
            EXPECT_EQ(recordPoints(*r), rule);
            EXPECT_STREQ(r->rule.name, row.title);
            EXPECT_FLOAT_EQ(r->rule.emissivity, 0.95f);
            EXPECT_EQ(r->rule.bLocalEnable, 0);
        } else {
            EXPECT_EQ(store().getPicRuleList(), nullptr);
        }
        ctrl_->clearAllItems();
    }
}

TEST_F(SceneLayerTest, MirroredRectangleIsStoredTopLeftFirstInRuleSpace)
{
    loadPicture(2);
    EXPECT_EQ(ctrl_->view()->transform().m11(), -1.0);
    QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
    ctrl_->setDrawType(3);
    mouse().drag({10, 10}, {50, 30});
    ASSERT_EQ(added.count(), 1);
    const quint32 id = added.at(0).at(0).value<quint32>();
    EXPECT_EQ(item(id)->pos(), QPointF(150, 10));
    const PicRuleRecord* r = record(id);
    ASSERT_NE(r, nullptr);
    // 150 * 8192 / 200 = 6144, 190 -> 7782; 10 * 8192 / 150 -> 546, 30 -> 1638.
    EXPECT_EQ(recordPoints(*r), vec({{6144, 546}, {7782, 546}, {7782, 1638}, {6144, 1638}}));
    // The mirrored view shows it where it was drawn.
    EXPECT_NEAR(ctrl_->view()->mapFromScene(QPointF(170, 20)).x(), 30, 1);
}

// ---- Editing -----------------------------------------------------------------------------

struct ResizeRow {
    const char* name;
    int kind;
    Gesture draw;
    QPoint grab;  // a handle
    QPoint to;
    std::vector<QPoint> points;  // afterwards
};

const ResizeRow kResizeRows[] = {
    {"rectangle, top-left under 16", 3, drag({20, 20}, {60, 60}), {20, 20}, {50, 50}, boxCorners(44, 44, 16, 16)},
    {"rectangle, bottom-right under 16", 3, drag({20, 20}, {60, 60}), {60, 60}, {25, 30}, boxCorners(20, 20, 16, 16)},
    {"rectangle, bottom-right outside",
     3,
     drag({20, 20}, {60, 60}),
     {60, 60},
     {400, 400},
     boxCorners(20, 20, kW - 1 - 20, kH - 1 - 20)},
    {"ellipse, left under 16", 4, drag({20, 20}, {80, 60}), {20, 40}, {90, 40}, boxCorners(64, 20, 16, 40)},
    {"line end within 15 of the other", 2, drag({20, 20}, {100, 20}), {100, 20}, {30, 30}, {{20, 20}, {100, 20}}},
};

TEST_F(SceneLayerTest, HandleResizesStopAtTheMinimumAndThePicture)
{
    loadPicture(0);
    for (const ResizeRow& row : kResizeRows) {
        SCOPED_TRACE(row.name);
        QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
        ctrl_->setDrawType(row.kind);
        row.draw(mouse());
        ASSERT_EQ(added.count(), 1);
        const quint32 id = added.at(0).at(0).value<quint32>();

        QSignalSpy changed(ctrl_, &QSceneViewCtrl::sendItemChangeSignals);
        const SceneMouse m = mouse();
        m.hover(row.grab);
        m.send(QEvent::MouseButtonPress, row.grab, Qt::LeftButton, Qt::LeftButton);
        m.send(QEvent::MouseMove, row.to, Qt::NoButton, Qt::LeftButton);
        m.send(QEvent::MouseButtonRelease, row.to, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(pointsOf(item(id)), vec(row.points));
        if (!changed.isEmpty()) {
            const ItemInfo info = changed.last().at(0).value<ItemInfo>();
            EXPECT_EQ(info.key, id);
            EXPECT_EQ(info.points, vec(row.points));
        }
        ctrl_->clearAllItems();
    }
}

TEST_F(SceneLayerTest, DeletedRuleFreesItsTitleAndItsRecord)
{
    loadPicture(0);
    QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
    for (const QPoint& p : {QPoint(30, 30), QPoint(90, 60)}) {
        ctrl_->setDrawType(1);
        mouse().click(p);
    }
    ASSERT_EQ(added.count(), 2);
    const quint32 p1 = added.at(0).at(0).value<quint32>();
    const quint32 p2 = added.at(1).at(0).value<quint32>();
    EXPECT_EQ(ctrl_->getItemTitle(p2), "P2");

    QSignalSpy deleted(ctrl_, &QSceneViewCtrl::sendItemDeleteSignals);
    QSignalSpy selected(ctrl_, &QSceneViewCtrl::sendItemSelectSignals);
    ctrl_->setSelectedItemSlot("P1");
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).value<quint32>(), p1);
    ctrl_->ruleMenu()->actions().at(0)->trigger();  // "Delete Rule"
    EXPECT_NE(item(p1), nullptr) << "deleted once the menu's handler has returned";
    QCoreApplication::processEvents();
    EXPECT_EQ(item(p1), nullptr);
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted.at(0).at(0).value<quint32>(), p1);
    EXPECT_EQ(selected.last().at(0).value<quint32>(), 0u);
    EXPECT_EQ(record(p1), nullptr);
    ASSERT_NE(record(p2), nullptr);
    EXPECT_EQ(record(p2)->rule.ruleId, 1) << "renumbered";

    ctrl_->setDrawType(1);
    mouse().click({150, 100});
    ASSERT_EQ(added.count(), 3);
    const quint32 again = added.at(2).at(0).value<quint32>();
    EXPECT_EQ(ctrl_->getItemTitle(again), "P1");
    EXPECT_NE(again, p1) << "ids are never reused";
    EXPECT_EQ(ctrl_->getItemTitle(0), "G");
    EXPECT_EQ(ctrl_->getItemTitle(p1), "G");
    EXPECT_EQ(ctrl_->ruleKind(p1), 0);

    selected.clear();
    ctrl_->clearAllItems();
    EXPECT_EQ(deleted.count(), 3);
    EXPECT_TRUE(selected.isEmpty());
    EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());
    EXPECT_TRUE(ctrl_->scene()->items().isEmpty());
    EXPECT_EQ(store().getPicRuleList()->size(), 0);
}

// ---- Grid --------------------------------------------------------------------------------

TEST_F(SceneLayerTest, GridCrossHairFollowsLocksAndBecomesAPointRule)
{
    loadPicture(2);
    QSignalSpy transparent(ctrl_, &QSceneViewCtrl::sendMouseTransparentSignals);
    QSignalSpy temper(ctrl_, &QSceneViewCtrl::sendCalGridTemperSignal);
    QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
    QSignalSpy quit(ctrl_, &QSceneViewCtrl::sendQuitGridModeSignal);
    QAction* lockAct = ctrl_->gridMenu()->actions().at(1);

    ctrl_->setDrawType(QSceneViewCtrl::kGridMode);
    EXPECT_TRUE(ctrl_->isDrawing());
    ASSERT_EQ(transparent.count(), 1);
    EXPECT_TRUE(transparent.at(0).at(0).toBool());

    mouse().hover({40, 50});
    EXPECT_EQ(ctrl_->gridPos(), QPointF(40, 50));
    ASSERT_FALSE(temper.isEmpty());
    EXPECT_EQ(temper.last().at(0).toPointF(), QPointF(40, 50));

    ctrl_->setGridLockActSlot();
    EXPECT_TRUE(ctrl_->isGridLocked());
    EXPECT_EQ(lockAct->text(), "Unlock grid");
    temper.clear();
    mouse().hover({80, 90});
    EXPECT_EQ(ctrl_->gridPos(), QPointF(40, 50));
    EXPECT_TRUE(temper.isEmpty());
    ctrl_->setGridLockActSlot();
    EXPECT_EQ(lockAct->text(), "Lock grid");
    mouse().hover({80, 90});
    EXPECT_EQ(ctrl_->gridPos(), QPointF(80, 90));

    // A typed position locks the cross-hair there.
    ctrl_->setGridPosChangedSlot(QPointF(120.4, 60.6));
    EXPECT_TRUE(ctrl_->isGridLocked());
    EXPECT_EQ(lockAct->text(), "Unlock grid");
    mouse().hover({10, 10});
    EXPECT_EQ(ctrl_->gridPos(), QPointF(120.4, 60.6));

    // The point rule lands at the rounded position, unflipped like a drawn one.
    mouse().click({10, 10});
    EXPECT_TRUE(added.isEmpty()) << "a click in grid mode draws nothing";
    ctrl_->setGridDrawPointActSlot();
    ASSERT_EQ(added.count(), 1);
    const quint32 id = added.at(0).at(0).value<quint32>();
    EXPECT_EQ(ctrl_->getItemTitle(id), "P1");
    EXPECT_EQ(pointsOf(item(id)), vec({{kW - 120, 61}}));
    ASSERT_NE(record(id), nullptr);
    EXPECT_EQ(recordPoints(*record(id)), QVector<QPoint>{ruleSpace({kW - 120, 61})});
    EXPECT_EQ(ctrl_->drawType(), QSceneViewCtrl::kGridMode) << "grid mode stays on";
    EXPECT_TRUE(ctrl_->isDrawing());

    // The right button opens the grid menu, in this order.
    QStringList shown;
    QTimer::singleShot(0, ctrl_->gridMenu(), [&shown, this] {
        for (QAction* a : ctrl_->gridMenu()->actions()) shown << a->text();
        ctrl_->gridMenu()->close();
    });
    mouse().click({10, 10}, Qt::RightButton);
    EXPECT_EQ(shown, QStringList({"Set the positioning point as a point rule", "Unlock grid", "Quit grid"}));
    EXPECT_EQ(ctrl_->drawType(), QSceneViewCtrl::kGridMode);

    transparent.clear();
    ctrl_->gridMenu()->actions().at(2)->trigger();  // "Quit grid"
    EXPECT_EQ(quit.count(), 1);
    ASSERT_EQ(transparent.count(), 1);
    EXPECT_FALSE(transparent.at(0).at(0).toBool());
    EXPECT_FALSE(ctrl_->isGridLocked());
    EXPECT_EQ(lockAct->text(), "Lock grid");

    // The window leaves grid mode with kind 0: the rules can be edited again.
    EXPECT_FALSE(item(id)->flags() & QGraphicsItem::ItemIsMovable) << "inert while in grid mode";
    ctrl_->setDrawType(0);
    EXPECT_TRUE(item(id)->flags() & QGraphicsItem::ItemIsMovable);
    EXPECT_TRUE(item(id)->flags() & QGraphicsItem::ItemIsSelectable);
}

TEST_F(SceneLayerTest, GridPointIsRefusedAtThirtyTwoRulesAndWithoutAPicture)
{
    ctrl_->setDrawType(QSceneViewCtrl::kGridMode);
    QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
    ctrl_->setGridDrawPointActSlot();
    EXPECT_TRUE(added.isEmpty()) << "no picture";
    EXPECT_TRUE(prompts_.calls.isEmpty());

    loadPicture(0);
    PicRuleList* list = store().getPicRuleList();
    for (int i = 0; i < QSceneViewCtrl::kMaxPictureRules; ++i) {
        PicRuleRecord r;
        std::memset(&r, 0, sizeof r);
        r.rule.pointNum = 1;
        ASSERT_TRUE(list->append(&r));
    }
    ctrl_->setDrawType(QSceneViewCtrl::kGridMode);
    ctrl_->setGridPosChangedSlot(QPointF(50, 50));
    ctrl_->setGridDrawPointActSlot();
    EXPECT_TRUE(added.isEmpty());
    EXPECT_EQ(prompts_.texts(FakeUiPrompts::Kind::Notice), QStringList{"Can not add more rules"});
    EXPECT_EQ(store().getPicRuleList()->size(), QSceneViewCtrl::kMaxPictureRules);
}

// ---- Stored rules ------------------------------------------------------------------------

struct StoredRow {
    const char* name;
    int32_t type;
    int32_t shape;
    int32_t count;
    std::vector<QPoint> rulePoints;   // written into the record (at most 8)
    std::vector<QPoint> scenePoints;  // empty: the record is skipped
};

// Rule space to 200 x 150: x * 200 / 8192, y * 150 / 8192, truncated.
const StoredRow kStoredRows[] = {
    {"point", 0, 0, 1, {{4096, 4096}}, {{100, 75}}},
    {"line", 1, 0, 2, {{0, 0}, {8191, 8191}}, {{0, 0}, {199, 149}}},
    {"rectangle", 2, 1, 4, {{1024, 1024}, {2048, 1024}, {2048, 2048}, {1024, 2048}}, boxCorners(25, 18, 25, 19)},
    {"ellipse", 2, 2, 4, {{1024, 1024}, {2048, 1024}, {2048, 2048}, {1024, 2048}}, boxCorners(25, 18, 25, 19)},
    {"circle", 2, 3, 4, {{1024, 1024}, {2048, 1024}, {2048, 2048}, {1024, 2048}}, boxCorners(25, 18, 25, 19)},
    {"polygon of three", 2, 0, 3, {{0, 0}, {4096, 0}, {4096, 4096}}, {{0, 0}, {100, 0}, {100, 75}}},
    {"polygon claiming twelve points keeps eight",
     2,
     0,
     12,
     {{0, 0}, {1024, 0}, {2048, 0}, {3072, 0}, {4096, 0}, {4096, 4096}, {2048, 4096}, {0, 4096}},
     {{0, 0}, {25, 0}, {50, 0}, {75, 0}, {100, 0}, {100, 75}, {50, 75}, {0, 75}}},
    {"rectangle of three points", 2, 1, 3, {{1024, 1024}, {2048, 1024}, {2048, 2048}}, {}},
    {"rectangle of five points", 2, 1, 5, {{1024, 1024}, {2048, 1024}, {2048, 2048}, {1024, 2048}, {0, 0}}, {}},
    {"point of two points", 0, 0, 2, {{10, 10}, {20, 20}}, {}},
    {"line of one point", 1, 0, 1, {{10, 10}}, {}},
    {"polygon of two", 2, 0, 2, {{0, 0}, {4096, 0}}, {}},
    {"negative count", 2, 0, -4, {}, {}},
    {"unknown type", 3, 0, 1, {{10, 10}}, {}},
    {"unknown shape", 2, 4, 4, {{1024, 1024}, {2048, 1024}, {2048, 2048}, {1024, 2048}}, {}},
    {"point with an area shape", 0, 1, 1, {{10, 10}}, {}},
};

TEST_F(SceneLayerTest, StoredRulesBecomeItemsAndMalformedRecordsAreSkipped)
{
    ctrl_->loadRuleItems();
    EXPECT_TRUE(ctrl_->ruleItemList().isEmpty()) << "no picture";

    loadPicture(0);
    PicRuleList* list = store().getPicRuleList();
    const int rows = int(sizeof kStoredRows / sizeof kStoredRows[0]);
    for (int i = 0; i < rows; ++i) {
        const StoredRow& row = kStoredRows[i];
        PicRuleRecord r;
        std::memset(&r, 0, sizeof r);
        r.rule.meterType = row.type;
        r.rule.param = row.shape;
        r.rule.pointNum = row.count;
        for (size_t k = 0; k < row.rulePoints.size(); ++k)
            r.rule.points[k] = {row.rulePoints[k].x(), row.rulePoints[k].y()};
        const QByteArray name = QByteArray("S") + QByteArray::number(i);
        std::memcpy(r.rule.name, name.constData(), size_t(name.size()));
        r.rule.emissivity = 0.9f;
        ASSERT_TRUE(list->append(&r));
    }
    // A name filling its 32 bytes without a NUL, and a UTF-8 one.
    PicRuleRecord full = list->records[0];
    std::memset(full.rule.name, 'N', sizeof full.rule.name);
    ASSERT_TRUE(list->append(&full));
    PicRuleRecord utf8 = list->records[0];
    std::memset(utf8.rule.name, 0, sizeof utf8.rule.name);
    const QByteArray warm = QString::fromUtf8("\xE7\x83\xAD\xE7\x82\xB9").toUtf8();  // "hot spot"
    std::memcpy(utf8.rule.name, warm.constData(), size_t(warm.size()));
    ASSERT_TRUE(list->append(&utf8));

    QSignalSpy added(ctrl_, &QSceneViewCtrl::sendAddItemSignals);
    ctrl_->loadRuleItems();

    int made = 0;
    for (int i = 0; i < rows; ++i) {
        const StoredRow& row = kStoredRows[i];
        SCOPED_TRACE(row.name);
        const PicRuleRecord& r = store().getPicRuleList()->records[i];
        if (row.scenePoints.empty()) {
            EXPECT_EQ(r.key, 0u) << "skipped";
            continue;
        }
        ASSERT_LT(made, added.count());
        EXPECT_EQ(added.at(made).at(0).value<quint32>(), r.key) << "announced in record order";
        ++made;
        const QGraphicsItem* it = item(r.key);
        ASSERT_NE(it, nullptr);
        EXPECT_EQ(RuleItem::kindOf(it), PicRuleRecord::typeToKind(row.type, row.shape));
        EXPECT_EQ(ctrl_->getItemTitle(r.key), QStringLiteral("S%1").arg(i));
        EXPECT_EQ(pointsOf(it), vec(row.scenePoints));
    }
    ASSERT_EQ(added.count(), made + 2);
    const PicRuleList* after = store().getPicRuleList();
    EXPECT_EQ(ctrl_->getItemTitle(after->records[rows].key), QString(32, QChar('N')))
        << "read up to the end of the field, not beyond";
    EXPECT_EQ(ctrl_->getItemTitle(after->records[rows + 1].key), QString::fromUtf8(warm));
    EXPECT_EQ(after->size(), rows + 2) << "records are not rewritten";

    // The items follow the layer's size; the records stay in rule space.
    const QGraphicsItem* point = item(after->records[0].key);
    ctrl_->resize(2 * kW, 2 * kH);
    EXPECT_EQ(pointsOf(point), vec({{200, 150}}));
    EXPECT_EQ(recordPoints(after->records[0]), vec({{4096, 4096}}));
}

}  // namespace
