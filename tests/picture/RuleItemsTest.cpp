// The rule items of both rule scenes and the live hot and cold spot marker:
// the factory, ids and kinds, the points each kind reports, the position kept
// inside the scene, resizing by the handles with the mouse, selection,
// release and context menu reports, rescaling, and what paint draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsView>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <functional>
#include <ostream>
#include <memory>

#include "RuleItem.h"
#include "RuleItemPainter.h"
#include "VideoPointExItem.h"
#include "VideoRuleItems.h"

// Readable failures.
void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << "(" << p.x() << ", " << p.y() << ")";
}
void PrintTo(const QPointF& p, std::ostream* os)
{
    *os << "(" << p.x() << ", " << p.y() << ")";
}

namespace {

const QGraphicsItem::GraphicsItemFlags kMovable =
    QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges;

// Records every report an item makes.
class RecordingOwner : public RuleItemOwner {
public:
    void emitItemChanged(const ItemInfo& info) override { changes.append(info); }
    void emitItemSelected(quint32 id) override { selected.append(id); }
    void emitItemReleased() override { ++released; }
    void execItemMenu() override { ++menus; }
    int labelFlip() const override { return flip; }

    QVector<ItemInfo> changes;
    QVector<quint32> selected;
    int released = 0;
    int menus = 0;
    int flip = 0;
};

// The four corners of a box, as a scene control hands them to the factory.
QVector<QPoint> box(int x, int y, int w, int h)
{
    return {QPoint(x, y), QPoint(x + w, y), QPoint(x + w, y + h), QPoint(x, y + h)};
}

bool isGreen(QRgb c)
{
    return qGreen(c) > 150 && qRed(c) < 100 && qBlue(c) < 100;
}

// The pixels of a colour test within an area; an invalid rectangle when none.
QRect bounds(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) found |= QRect(x, y, 1, 1);
    return found;
}

bool any(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    return bounds(image, area, test).isValid();
}

class RuleItems : public ::testing::Test {
protected:
    void SetUp() override
    {
        scene.setSceneRect(0, 0, 640, 480);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setScene(&scene);
        view.resize(640, 480);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        ASSERT_EQ(view.mapFromScene(QPointF(123, 45)), QPoint(123, 45));
    }

    // A rule item on the scene, movable as after the control's drawing ends.
    QGraphicsItem* add(int kind, const QVector<QPoint>& points, const QString& title = QString())
    {
        QGraphicsItem* item = RuleItem::create(kind, title, points, &owner);
        EXPECT_NE(item, nullptr);
        if (!item) return nullptr;
        scene.addItem(item);
        item->setFlags(kMovable);
        return item;
    }
    static RuleItem* rule(QGraphicsItem* item) { return RuleItem::from(item); }

    // Real mouse events on the view; scene and view pixels coincide.
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const QPoint local = view.mapFromScene(at);
        QMouseEvent event(type, local, view.viewport()->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void hover(QPointF at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void press(QPointF at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void drag(QPointF at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(QPointF at) { mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    // Hover, press, drag and release: what the user does to drag a handle.
    void dragFrom(QPointF from, QPointF to)
    {
        hover(from);
        press(from);
        drag(to);
        release(to);
    }
    void contextMenuAt(QPointF at)
    {
        const QPoint local = view.mapFromScene(at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, view.viewport()->mapToGlobal(local));
        QApplication::sendEvent(view.viewport(), &event);
    }

    QImage render()
    {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 640, 480), QRectF(0, 0, 640, 480));
        return image;
    }

    void reset()
    {
        scene.clear();
        owner = RecordingOwner();
    }

    QGraphicsScene scene;
    QGraphicsView view;
    RecordingOwner owner;
};

// ---- Factory, ids, kinds, points ---------------------------------------

TEST_F(RuleItems, FactoryPlacesEachKindAndReportsItsPointsInRecordOrder)
{
    struct Row {
        int kind;
        QVector<QPoint> points;
        QPointF pos;
        QVector<QPoint> reported;
        bool pointFlags;  // movable at once, no hover
    };
    const QVector<QPoint> tri = {{10, 20}, {100, 20}, {60, 90}};
    const Row rows[] = {
        {RuleItem::kPoint, {{100, 50}}, {100, 50}, {{100, 50}}, true},
        {RuleItem::kLine, {{100, 50}, {300, 150}}, {100, 50}, {{100, 50}, {300, 150}}, false},
        {RuleItem::kLine, {{300, 150}, {100, 50}}, {300, 150}, {{300, 150}, {100, 50}}, false},
        {RuleItem::kRectangle, box(100, 50, 200, 100), {100, 50}, box(100, 50, 200, 100), false},
        {RuleItem::kEllipse, box(100, 50, 200, 100), {100, 50}, box(100, 50, 200, 100), false},
        {RuleItem::kCircle, box(100, 50, 80, 80), {100, 50}, box(100, 50, 80, 80), false},
        {RuleItem::kPolygon, tri, {0, 0}, tri, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        std::unique_ptr<QGraphicsItem> item(RuleItem::create(row.kind, "T1", row.points, &owner));
        ASSERT_NE(item, nullptr);
        RuleItem* r = RuleItem::from(item.get());
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(item->data(RuleItem::kKindKey).toInt(), row.kind);
        EXPECT_EQ(RuleItem::kindOf(item.get()), row.kind);
        EXPECT_EQ(r->kind(), row.kind);
        EXPECT_EQ(RuleItem::idOf(item.get()), r->id());
        EXPECT_EQ(item->data(RuleItem::kIdKey).toUInt(), r->id());
        EXPECT_EQ(r->owner(), &owner);
        EXPECT_EQ(r->name(), "T1");
        EXPECT_EQ(item->pos(), row.pos);
        EXPECT_EQ(r->updatePoints(), row.reported);
        EXPECT_EQ(item->flags(), row.pointFlags ? kMovable : QGraphicsItem::ItemIsSelectable);
        EXPECT_EQ(item->acceptHoverEvents(), !row.pointFlags);
        EXPECT_EQ(r->activeHandle(), row.kind == RuleItem::kPolygon ? -1 : 0);
    }
}

TEST_F(RuleItems, FactoryBuildsTheGeometryOnTheClassOfTheKind)
{
    std::unique_ptr<QGraphicsItem> point(RuleItem::create(1, "P1", {{7, 8}}, nullptr));
    ASSERT_NE(dynamic_cast<VideoPointItem*>(point.get()), nullptr);
    EXPECT_EQ(static_cast<PointItem*>(point.get())->rect(), QRectF(-15, -15, 30, 30));

    std::unique_ptr<QGraphicsItem> line(RuleItem::create(2, "L1", {{100, 50}, {40, 90}}, nullptr));
    ASSERT_NE(dynamic_cast<VideoLineItem*>(line.get()), nullptr);
    EXPECT_EQ(static_cast<LineItem*>(line.get())->line(), QLineF(0, 0, -60, 40));

    std::unique_ptr<QGraphicsItem> rect(RuleItem::create(3, "R1", box(10, 20, 30, 40), nullptr));
    ASSERT_NE(dynamic_cast<VideoRectItem*>(rect.get()), nullptr);
    EXPECT_EQ(static_cast<RectItem*>(rect.get())->rect(), QRectF(0, 0, 30, 40));

    std::unique_ptr<QGraphicsItem> ellipse(RuleItem::create(4, "Ep1", box(10, 20, 30, 40), nullptr));
    ASSERT_NE(dynamic_cast<VideoEllipseItem*>(ellipse.get()), nullptr);
    EXPECT_EQ(static_cast<EllipseItem*>(ellipse.get())->rect(), QRectF(0, 0, 30, 40));

    std::unique_ptr<QGraphicsItem> circle(RuleItem::create(5, "Cr1", box(10, 20, 30, 30), nullptr));
    ASSERT_NE(dynamic_cast<VideoCircularItem*>(circle.get()), nullptr);
    EXPECT_EQ(static_cast<CircularItem*>(circle.get())->rect(), QRectF(0, 0, 30, 30));

    std::unique_ptr<QGraphicsItem> polygon(RuleItem::create(6, "Po1", {{1, 2}, {30, 4}, {5, 60}}, nullptr));
    ASSERT_NE(dynamic_cast<VideoPolygonItem*>(polygon.get()), nullptr);
    EXPECT_EQ(static_cast<PolygonItem*>(polygon.get())->polygon(), QPolygonF({{1, 2}, {30, 4}, {5, 60}}));
}

TEST_F(RuleItems, FactoryRefusesOtherKindsAndTooFewPoints)
{
    EXPECT_EQ(RuleItem::create(0, "x", box(0, 0, 20, 20), &owner), nullptr);
    EXPECT_EQ(RuleItem::create(7, "x", box(0, 0, 20, 20), &owner), nullptr);
    EXPECT_EQ(RuleItem::create(1, "x", {}, &owner), nullptr);
    EXPECT_EQ(RuleItem::create(2, "x", {{1, 1}}, &owner), nullptr);
    EXPECT_EQ(RuleItem::create(3, "x", {{1, 1}, {30, 1}}, &owner), nullptr);
    EXPECT_EQ(RuleItem::create(6, "x", {{1, 1}, {30, 1}}, &owner), nullptr);
}

TEST_F(RuleItems, IdsAreNewForEveryItemAndOtherItemsHaveNone)
{
    std::unique_ptr<QGraphicsItem> a(RuleItem::create(1, "P1", {{1, 1}}, nullptr));
    std::unique_ptr<QGraphicsItem> b(RuleItem::create(3, "R1", box(0, 0, 20, 20), nullptr));
    const quint32 idA = RuleItem::idOf(a.get());
    const quint32 idB = RuleItem::idOf(b.get());
    EXPECT_GT(idA, 0u);
    EXPECT_GT(idB, idA);
    EXPECT_GT(RuleItem::nextId(), idB);

    QGraphicsRectItem plain;
    EXPECT_EQ(RuleItem::from(&plain), nullptr);
    EXPECT_EQ(RuleItem::from(nullptr), nullptr);
    EXPECT_EQ(RuleItem::kindOf(&plain), 0);
    EXPECT_EQ(RuleItem::idOf(&plain), 0u);
    EXPECT_EQ(RuleItem::kindOf(nullptr), 0);
    EXPECT_EQ(RuleItem::idOf(nullptr), 0u);
}

TEST_F(RuleItems, ReportedPointsFollowThePositionTruncated)
{
    QGraphicsItem* line = add(2, {{100, 50}, {300, 80}});
    line->setPos(10.9, 20.7);
    EXPECT_EQ(rule(line)->updatePoints(), QVector<QPoint>({{10, 20}, {210, 50}}));
    QGraphicsItem* rect = add(3, box(100, 50, 200, 100));
    rect->setPos(20.5, 30.9);
    EXPECT_EQ(rule(rect)->updatePoints(), box(20, 30, 200, 100));
    QGraphicsItem* polygon = add(6, {{100, 100}, {200, 100}, {150, 200}});
    polygon->setPos(-50.5, 10.5);
    EXPECT_EQ(rule(polygon)->updatePoints(), QVector<QPoint>({{49, 110}, {149, 110}, {99, 210}}));
}

// ---- Position kept inside the scene --------------------------------------

TEST_F(RuleItems, ProposedPositionsAreLimitedToTheSceneAndReported)
{
    struct Row {
        const char* what;
        int kind;
        QVector<QPoint> points;
        QPointF proposed;
        QPointF expected;
    };
    const QVector<QPoint> tri = {{100, 100}, {200, 100}, {150, 200}};
    const Row rows[] = {
        {"rect inside", 3, box(100, 100, 100, 50), {200, 200}, {200, 200}},
        {"rect past right/bottom", 3, box(100, 100, 100, 50), {600, 460}, {539, 429}},
        {"rect at right - w", 3, box(100, 100, 100, 50), {540, 100}, {539, 100}},
        {"rect past left/top", 3, box(100, 100, 100, 50), {-20, -5}, {0, 0}},
        {"ellipse past right/bottom", 4, box(100, 100, 100, 50), {600, 460}, {539, 429}},
        {"circle past left/bottom", 5, box(100, 100, 60, 60), {-10, 500}, {0, 419}},
        {"line past right", 2, {{100, 100}, {200, 150}}, {600, 100}, {539, 100}},
        {"line past bottom", 2, {{100, 100}, {200, 150}}, {100, 470}, {100, 429}},
        {"line leftwards past left", 2, {{300, 100}, {200, 150}}, {50, 100}, {100, 100}},
        {"line leftwards past right", 2, {{300, 100}, {200, 150}}, {700, 100}, {639, 100}},
        {"line upwards past top", 2, {{300, 100}, {200, 50}}, {300, 10}, {300, 50}},
        {"polygon past left/top", 6, tri, {-150, -120}, {-100, -100}},
        {"polygon past right/bottom", 6, tri, {500, 300}, {439, 279}},
        {"point past right/top", 1, {{100, 100}}, {700, -5}, {639, 0}},
        {"point on the far corner", 1, {{100, 100}}, {640, 480}, {639, 479}},
        {"point inside", 1, {{100, 100}}, {0, 479}, {0, 479}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        QGraphicsItem* item = add(row.kind, row.points);
        item->setPos(row.proposed);
        EXPECT_EQ(item->pos(), row.expected);
        ASSERT_FALSE(owner.changes.isEmpty());
        EXPECT_EQ(owner.changes.last().key, rule(item)->id());
        EXPECT_EQ(owner.changes.last().points, rule(item)->updatePoints());
    }
}

TEST_F(RuleItems, RectangleDraggedAgainstTheRightBorderStopsOnePixelInside)
{
    QGraphicsItem* item = add(3, box(500, 100, 100, 50), "R1");
    dragFrom({550, 125}, {700, 125});
    EXPECT_EQ(item->pos(), QPointF(539, 100));
    ASSERT_FALSE(owner.changes.isEmpty());
    EXPECT_EQ(owner.changes.last().points, box(539, 100, 100, 50));
    EXPECT_EQ(owner.changes.last().points[1].x(), 639);
}

TEST_F(RuleItems, PointItemMovesWithTheMouseAndKeepsItsFlags)
{
    QGraphicsItem* item = add(1, {{100, 100}});
    dragFrom({100, 100}, {130, 90});
    EXPECT_EQ(item->pos(), QPointF(130, 90));
    EXPECT_EQ(owner.changes.last().points, QVector<QPoint>({{130, 90}}));
    EXPECT_EQ(item->flags(), kMovable);
    EXPECT_EQ(owner.released, 1);
}

// ---- Handles and resizing --------------------------------------------------

TEST_F(RuleItems, BoxHandlesResizeTheRectangleAndEllipse)
{
    struct Row {
        const char* what;
        int kind;
        QPointF handle;  // where the drag starts
        int handleId;
        QPointF to;
        QRect expected;  // the box in the scene afterwards
    };
    // The box (100, 100, 200, 100) throughout.
    const Row rows[] = {
        {"rect bottom-right left of top-left", 3, {300, 200}, 3, {50, 150}, {100, 100, 16, 50}},
        {"rect bottom-right out of the scene", 3, {300, 200}, 3, {900, 900}, {100, 100, 539, 379}},
        {"rect top-left past bottom-right", 3, {100, 100}, 1, {350, 150}, {284, 150, 16, 50}},
        {"rect top-right", 3, {300, 100}, 2, {400, 50}, {100, 50, 300, 150}},
        {"rect top-right below the bottom", 3, {300, 100}, 2, {400, 250}, {100, 184, 300, 16}},
        {"rect bottom-left", 3, {100, 200}, 4, {50, 250}, {50, 100, 250, 150}},
        {"rect bottom-left past the right", 3, {100, 200}, 4, {320, 250}, {284, 100, 16, 150}},
        {"ellipse top", 4, {200, 100}, 5, {260, 40}, {100, 40, 200, 160}},
        {"ellipse top past the bottom", 4, {200, 100}, 5, {200, 195}, {100, 184, 200, 16}},
        {"ellipse right", 4, {300, 150}, 6, {400, 10}, {100, 100, 300, 100}},
        {"ellipse bottom", 4, {200, 200}, 7, {200, 300}, {100, 100, 200, 200}},
        {"ellipse left past the right", 4, {100, 150}, 8, {290, 150}, {284, 100, 16, 100}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        QGraphicsItem* item = add(row.kind, box(100, 100, 200, 100));
        hover(row.handle);
        EXPECT_EQ(rule(item)->activeHandle(), row.handleId);
        press(row.handle);
        EXPECT_EQ(item->flags(), QGraphicsItem::ItemIsSelectable);
        drag(row.to);
        const QVector<QPoint> expected =
            box(row.expected.x(), row.expected.y(), row.expected.width(), row.expected.height());
        EXPECT_EQ(rule(item)->updatePoints(), expected);
        ASSERT_FALSE(owner.changes.isEmpty());
        EXPECT_EQ(owner.changes.last().key, rule(item)->id());
        EXPECT_EQ(owner.changes.last().points, expected);
        release(row.to);
        EXPECT_EQ(item->flags(), kMovable);
        EXPECT_EQ(owner.released, 1);
    }
}

TEST_F(RuleItems, CircleHandlesChangeTheRadiusAboutThePressCentre)
{
    struct Row {
        const char* what;
        QPointF handle;
        int handleId;
        QPointF to;
        QRect expected;
        bool changed;
    };
    // Centre (150, 240), radius 50.
    const Row rows[] = {
        {"top into the centre", {150, 190}, 5, {150, 240}, {142, 232, 16, 16}, true},
        {"top out of the scene's left", {150, 190}, 5, {150, 60}, {100, 190, 100, 100}, false},
        {"top above the scene", {150, 190}, 5, {150, -100}, {100, 190, 100, 100}, false},
        {"right outwards", {200, 240}, 6, {230, 300}, {70, 160, 160, 160}, true},
        {"bottom to the scene's bottom", {150, 290}, 7, {150, 380}, {10, 100, 280, 280}, true},
        {"left past the centre", {100, 240}, 8, {170, 240}, {142, 232, 16, 16}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        QGraphicsItem* item = add(5, box(100, 190, 100, 100));
        hover(row.handle);
        EXPECT_EQ(rule(item)->activeHandle(), row.handleId);
        press(row.handle);
        drag(row.to);
        EXPECT_EQ(rule(item)->updatePoints(),
                  box(row.expected.x(), row.expected.y(), row.expected.width(), row.expected.height()));
        EXPECT_EQ(owner.changes.isEmpty(), !row.changed);
        release(row.to);
    }
}

TEST_F(RuleItems, LineEndsMoveUnlessTheyComeWithin16PixelsOfTheOtherEnd)
{
    struct Row {
        const char* what;
        QPointF handle;
        int handleId;
        QPointF to;
        QVector<QPoint> expected;
        bool changed;
    };
    // The line (100, 100) to (300, 200).
    const Row rows[] = {
        {"second end within 15 on both axes", {300, 200}, 7, {110, 110}, {{100, 100}, {300, 200}}, false},
        {"second end 15 off in x, 50 in y", {300, 200}, 7, {115, 150}, {{100, 100}, {115, 150}}, true},
        {"second end 16 off in x only", {300, 200}, 7, {116, 100}, {{100, 100}, {116, 100}}, true},
        {"first end within 15", {100, 100}, 5, {290, 195}, {{100, 100}, {300, 200}}, false},
        {"first end elsewhere", {100, 100}, 5, {50, 300}, {{50, 300}, {300, 200}}, true},
        {"first end out of the scene", {100, 100}, 5, {-40, 900}, {{0, 479}, {300, 200}}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        QGraphicsItem* item = add(2, {{100, 100}, {300, 200}});
        hover(row.handle);
        EXPECT_EQ(rule(item)->activeHandle(), row.handleId);
        press(row.handle);
        drag(row.to);
        EXPECT_EQ(rule(item)->updatePoints(), row.expected);
        EXPECT_EQ(owner.changes.isEmpty(), !row.changed);
        if (row.changed) {
            EXPECT_EQ(owner.changes.last().points, row.expected);
        }
        release(row.to);
    }
}

TEST_F(RuleItems, PolygonVertexFollowsTheMouse)
{
    QGraphicsItem* item = add(6, {{100, 100}, {200, 100}, {150, 200}});
    hover({197, 102});
    EXPECT_EQ(rule(item)->activeHandle(), 1);
    press({197, 102});
    EXPECT_EQ(item->flags(), QGraphicsItem::ItemIsSelectable);
    drag({250, 120});
    const QVector<QPoint> expected = {{100, 100}, {250, 120}, {150, 200}};
    EXPECT_EQ(rule(item)->updatePoints(), expected);
    ASSERT_FALSE(owner.changes.isEmpty());
    EXPECT_EQ(owner.changes.last().key, rule(item)->id());
    EXPECT_EQ(owner.changes.last().points, expected);
    release({250, 120});
    EXPECT_EQ(item->flags(), kMovable);

    // Its handle moved with it.
    hover({150, 150});
    EXPECT_EQ(rule(item)->activeHandle(), -1);
    hover({248, 121});
    EXPECT_EQ(rule(item)->activeHandle(), 1);
}

TEST_F(RuleItems, HandlesDoNotResizeWhileADrawingToolHoldsTheItems)
{
    QGraphicsItem* item = add(3, box(100, 100, 200, 100));
    item->setFlags({});  // what the control does while a tool is chosen
    dragFrom({300, 200}, {400, 300});
    EXPECT_EQ(rule(item)->updatePoints(), box(100, 100, 200, 100));
    EXPECT_FALSE(item->isSelected());
    EXPECT_TRUE(owner.changes.isEmpty());
}

// ---- Selection, release, context menu -------------------------------------

TEST_F(RuleItems, SelectionIsReportedWithTheIdAndDeselectionIsNot)
{
    QGraphicsItem* item = add(4, box(100, 100, 200, 100));
    press({200, 150});
    release({200, 150});
    EXPECT_TRUE(item->isSelected());
    EXPECT_EQ(owner.selected, QVector<quint32>({rule(item)->id()}));
    EXPECT_EQ(owner.released, 1);

    press({500, 400});
    release({500, 400});
    EXPECT_FALSE(item->isSelected());
    EXPECT_EQ(owner.selected.size(), 1);
    EXPECT_EQ(owner.released, 1);  // released over nothing
}

TEST_F(RuleItems, ReleaseMakesShapeItemsMovableAndReportsEachTime)
{
    QGraphicsItem* item = RuleItem::create(2, "L1", {{100, 100}, {300, 200}}, &owner);
    scene.addItem(item);
    ASSERT_EQ(item->flags(), QGraphicsItem::ItemIsSelectable);
    press({200, 150});
    release({200, 150});
    EXPECT_EQ(item->flags(), kMovable);
    press({200, 150});
    release({200, 150});
    EXPECT_EQ(owner.released, 2);
}

TEST_F(RuleItems, ContextMenuRunsTheOwnersMenuOnlyForASelectedItem)
{
    QGraphicsItem* item = add(3, box(100, 100, 200, 100));
    contextMenuAt({200, 150});
    EXPECT_EQ(owner.menus, 0);
    item->setSelected(true);
    contextMenuAt({200, 150});
    EXPECT_EQ(owner.menus, 1);
}

// ---- Rescale ----------------------------------------------------------------

TEST_F(RuleItems, RescaleScalesPositionAndGeometryWithoutReporting)
{
    struct Row {
        int kind;
        QVector<QPoint> points;
        QVector<QPoint> expected;
    };
    const Row rows[] = {
        {1, {{100, 50}}, {{200, 100}}},
        {2, {{100, 50}, {300, 150}}, {{200, 100}, {600, 300}}},
        {3, box(100, 50, 200, 100), box(200, 100, 400, 200)},
        {4, box(100, 50, 200, 100), box(200, 100, 400, 200)},
        {5, box(100, 50, 100, 100), box(200, 100, 200, 200)},
        {6, {{100, 100}, {200, 100}, {150, 200}}, {{200, 200}, {400, 200}, {300, 400}}},
    };
    scene.setSceneRect(0, 0, 1280, 1024);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        reset();
        QGraphicsItem* item = add(row.kind, row.points);
        item->setPos(item->pos() + QPointF(10, 5));
        owner.changes.clear();
        rule(item)->rescale(QSizeF(640, 512), QSizeF(1280, 1024));
        QVector<QPoint> expected = row.expected;
        for (QPoint& p : expected) p += QPoint(20, 10);
        EXPECT_EQ(rule(item)->updatePoints(), expected);
        EXPECT_TRUE(owner.changes.isEmpty());
        // No old size: nothing to scale by.
        rule(item)->rescale(QSizeF(0, 512), QSizeF(1280, 1024));
        EXPECT_EQ(rule(item)->updatePoints(), expected);
    }
    // The circle may become an ellipse; the point keeps its cross.
    reset();
    QGraphicsItem* circle = add(5, box(100, 50, 100, 100));
    rule(circle)->rescale(QSizeF(640, 512), QSizeF(1280, 512));
    EXPECT_EQ(static_cast<CircularItem*>(circle)->rect(), QRectF(0, 0, 200, 100));
    QGraphicsItem* point = add(1, {{100, 50}});
    rule(point)->rescale(QSizeF(640, 512), QSizeF(1280, 1024));
    EXPECT_EQ(static_cast<PointItem*>(point)->rect(), QRectF(-15, -15, 30, 30));
}

TEST_F(RuleItems, RescaledPolygonRebuildsItsVertexHandles)
{
    QGraphicsItem* item = add(6, {{100, 100}, {200, 100}, {150, 200}});
    item->setSelected(true);
    render();  // builds the handle squares
    scene.setSceneRect(0, 0, 1280, 1024);
    rule(item)->rescale(QSizeF(640, 480), QSizeF(1280, 960));
    QGraphicsSceneHoverEvent move(QEvent::GraphicsSceneHoverMove);
    move.setPos(QPointF(398, 202));
    move.setScenePos(QPointF(398, 202));
    scene.sendEvent(item, &move);
    EXPECT_EQ(rule(item)->activeHandle(), 1);
}

// ---- Paint -----------------------------------------------------------------

TEST_F(RuleItems, SelectedRectangleShowsFourGreenHandleSquaresAndBracketsTheHoveredOne)
{
    QGraphicsItem* item = add(3, box(100, 100, 200, 100));
    const QRgb green = qRgb(0, 255, 0);
    const QPoint corners[] = {{100, 100}, {300, 100}, {300, 200}, {100, 200}};

    QImage image = render();
    EXPECT_FALSE(any(image, QRect(96, 96, 3, 3), isGreen));  // no handles while unselected

    item->setSelected(true);
    image = render();
    for (const QPoint& c : corners) {
        SCOPED_TRACE(QString("%1,%2").arg(c.x()).arg(c.y()).toStdString());
        const int l = c.x() - 4, t = c.y() - 4, r = c.x() + 3, b = c.y() + 3;  // the 8 x 8 square
        for (const QPoint& in : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)})
            EXPECT_EQ(image.pixel(in), green);
        for (const QPoint& out :
             {QPoint(l - 1, t - 1), QPoint(r + 1, t - 1), QPoint(l - 1, b + 1), QPoint(r + 1, b + 1)})
            EXPECT_NE(image.pixel(out), green);
    }
    // Brackets of the top-left square (96..104) lie 4 pixels outside it,
    // on the lines 92 and 108 (pen 2 wide).
    const QRect topLeftBracket(91, 91, 2, 2);
    const QRect bottomRightBracket(107, 107, 2, 2);
    EXPECT_FALSE(any(image, topLeftBracket, isGreen));
    EXPECT_FALSE(any(image, bottomRightBracket, isGreen));

    hover({100, 100});
    ASSERT_EQ(rule(item)->activeHandle(), 1);
    image = render();
    EXPECT_TRUE(any(image, topLeftBracket, isGreen));
    EXPECT_TRUE(any(image, bottomRightBracket, isGreen));
    EXPECT_FALSE(any(image, QRect(93, 93, 3, 3), isGreen));  // the gaps
    EXPECT_FALSE(any(image, QRect(104, 104, 3, 3), isGreen));
    EXPECT_FALSE(any(image, QRect(86, 86, 5, 5), isGreen));  // nothing further out
    EXPECT_FALSE(any(image, QRect(109, 109, 4, 4), isGreen));
    EXPECT_FALSE(any(image, QRect(290, 90, 20, 4), isGreen));  // other squares have none
}

TEST_F(RuleItems, LabelWiderThanItsRectangleIsDrawnLeftOfIt)
{
    const QString title = "Rectangle label";
    QImage probe(1, 1, QImage::Format_RGB32);
    const int tw = QFontMetrics(RuleItemPainter::labelFont(), &probe).horizontalAdvance(title);
    ASSERT_GT(tw, 50);

    // 40 wide: tw + 10 > 40, so the title ends at the rectangle's left edge.
    add(3, box(300, 100, 40, 100), title);
    QRect text = bounds(render(), QRect(0, 102, 297, 96), isGreen);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.left(), 300 - tw - 1);
    EXPECT_LE(text.left(), 300 - tw + 4);
    EXPECT_LT(text.left(), 300 - 40);  // the whole title, not cut to the box's width
    EXPECT_GE(text.right(), 290);

    // Wide enough: inside, 10 from its left edge.
    reset();
    add(3, box(300, 100, 200, 100), title);
    const QImage image = render();
    EXPECT_FALSE(any(image, QRect(0, 102, 297, 96), isGreen));
    text = bounds(image, QRect(303, 102, 194, 96), isGreen);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.left(), 310);
    EXPECT_LE(text.left(), 314);
}

TEST_F(RuleItems, LabelUndoesTheFlipInPlace)
{
    const QString title = "R12";
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(RuleItemPainter::labelFont(), &probe);
    const int tw = metrics.horizontalAdvance(title);
    const int th = metrics.height();
    // Box (100, 100, 300, 100): unmirrored the title starts 10 right of the
    // left edge, mirrored it ends 10 left of the right edge (the view's
    // mirror then shows it 10 right of the visible left edge). Vertically
    // it keeps its band about the centre either way.
    struct Row {
        int flip;
        int left, right;
    };
    const Row rows[] = {{0, 110, 110 + tw}, {1, 110, 110 + tw}, {2, 390 - tw, 390}, {3, 390 - tw, 390}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.flip);
        reset();
        owner.flip = row.flip;
        add(3, box(100, 100, 300, 100), title);
        const QRect text = bounds(render(), QRect(103, 103, 294, 94), isGreen);
        ASSERT_TRUE(text.isValid());
        EXPECT_GE(text.left(), row.left - 1);
        EXPECT_LE(text.right(), row.right + 1);
        EXPECT_GE(text.top(), 150 - th / 2 - 1);
        EXPECT_LE(text.bottom(), 150 + th / 2 + 1);
    }
}

// ---- The hot and cold spot marker ----------------------------------------

class HotColdMarker : public RuleItems {
protected:
    void SetUp() override
    {
        RuleItems::SetUp();
        marker = new VideoPointExItem;
        marker->setOwner(&owner);
        scene.addItem(marker);
    }
    static bool isRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; }
    static bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 100; }
    static bool isWhite(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }

    VideoPointExItem* marker = nullptr;  // owned by the scene
};

TEST_F(HotColdMarker, IsAKindOneItemOutsideTheRuleItems)
{
    EXPECT_EQ(marker->data(RuleItem::kKindKey).toInt(), 1);
    EXPECT_EQ(RuleItem::idOf(marker), 0u);
    EXPECT_EQ(RuleItem::from(marker), nullptr);
    EXPECT_EQ(marker->rect(), QRectF(-3, -3, 7, 7));
    EXPECT_EQ(marker->flags(), kMovable);
    EXPECT_FALSE(marker->acceptHoverEvents());

    VideoPointExItem::HotColdInfo info;
    info.hotX = 11;
    info.hotY = 12;
    info.hotText = "40.1";
    info.coldX = 21;
    info.coldY = 22;
    info.coldText = "20.3";
    marker->setHotColdInfo(info);
    EXPECT_EQ(marker->hotPoint(), QPoint(11, 12));
    EXPECT_EQ(marker->coldPoint(), QPoint(21, 22));
    EXPECT_EQ(marker->hotText(), "40.1");
    EXPECT_EQ(marker->coldText(), "20.3");
    marker->setText("N/A");
    EXPECT_EQ(marker->hotText(), "N/A");
    EXPECT_EQ(marker->coldText(), "N/A");
    marker->setHotColdVisible(true, false);
    EXPECT_TRUE(marker->hotVisible());
    EXPECT_FALSE(marker->coldVisible());
}

TEST_F(HotColdMarker, MouseNeitherMovesNorSelectsIt)
{
    press({1, 1});
    drag({50, 50});
    release({50, 50});
    EXPECT_EQ(marker->pos(), QPointF(0, 0));
    EXPECT_FALSE(marker->isSelected());

    marker->setPos(700, 500);
    EXPECT_EQ(marker->pos(), QPointF(639, 479));
    EXPECT_TRUE(owner.changes.isEmpty());
}

TEST_F(HotColdMarker, HotShownColdHiddenDrawsOnlyTheRedCross)
{
    VideoPointExItem::HotColdInfo info{300, 200, "41.5", 100, 100, "20.0"};
    marker->setHotColdInfo(info);
    marker->setHotColdVisible(true, false);
    const QImage image = render();
    // The spot and four strokes out to 10 pixels, a gap around the spot.
    EXPECT_TRUE(isRed(image.pixel(300, 200)));
    for (const QPoint& p : {QPoint(306, 200), QPoint(294, 200), QPoint(300, 206), QPoint(300, 194)})
        EXPECT_TRUE(isRed(image.pixel(p)));
    for (const QPoint& p : {QPoint(313, 200), QPoint(287, 200), QPoint(300, 213), QPoint(300, 187)})
        EXPECT_FALSE(isRed(image.pixel(p)));
    EXPECT_FALSE(any(image, image.rect(), isBlue));
    EXPECT_FALSE(any(image, image.rect(), isWhite));  // device type 0: no texts

    marker->setHotColdVisible(false, true);
    const QImage cold = render();
    EXPECT_TRUE(isBlue(cold.pixel(106, 100)));
    EXPECT_FALSE(any(cold, cold.rect(), isRed));
}

TEST_F(HotColdMarker, TextsAppearOnlyOnDeviceTypeOne)
{
    VideoPointExItem::HotColdInfo info{300, 200, "41.5", 100, 300, "20.0"};
    marker->setHotColdInfo(info);
    marker->setHotColdVisible(true, true);
    marker->setDeviceType(1);
    QImage image = render();
    // Right of and above each spot.
    EXPECT_TRUE(any(image, QRect(305, 175, 60, 25), isWhite));
    EXPECT_TRUE(any(image, QRect(105, 275, 60, 25), isWhite));

    marker->setDeviceType(0);
    image = render();
    EXPECT_FALSE(any(image, image.rect(), isWhite));
}

TEST_F(HotColdMarker, TextsKeepClearOfTheRightAndTopEdges)
{
    marker->setDeviceType(1);
    marker->setHotColdVisible(true, false);
    // Near the right edge: 56 further left; near the top: 28 lower.
    marker->setHotColdInfo({620, 20, "41.5", 0, 0, QString()});
    const QImage image = render();
    const QRect text = bounds(image, image.rect(), isWhite);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.left(), 620 + 7 - 56 - 1);
    EXPECT_LT(text.right(), 640);
    EXPECT_GT(text.bottom(), 20);  // baseline at 20 - 7 + 28
}

}  // namespace
