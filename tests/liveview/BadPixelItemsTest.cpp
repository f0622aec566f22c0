// The bad-pixel and bad-column markers: kind, geometry, the class-wide
// half-widths, colours, and what they tell their owner window.
#include <gtest/gtest.h>

#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>

#include "BadPixelColItem.h"
#include "BadPixelItem.h"
#include "MarkerWidthGuard.h"
#include "QVideoWndWidget.h"

namespace {

// Paints the scene 1:1 (scene units = image pixels) onto white.
QImage renderScene(QGraphicsScene& scene, const QRectF& area)
{
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    return image;
}

class MarkerItems : public ::testing::Test {
protected:
    MarkerWidthGuard widths;
};

}  // namespace

TEST_F(MarkerItems, StartWidthsAreFiveForPixelsAndThreeForColumns)
{
    EXPECT_EQ(BadPixelItem::lineWidth(), 5);
    EXPECT_EQ(BadPixelColItem::lineWidth(), 3);
}

TEST_F(MarkerItems, KindZOrderFlagsAndTypeTellTheMarkersApart)
{
    BadPixelItem pixel;
    BadPixelColItem col;
    EXPECT_EQ(pixel.data(1).toInt(), 7);
    EXPECT_EQ(col.data(1).toInt(), 8);
    EXPECT_EQ(pixel.type(), QGraphicsRectItem::Type);
    EXPECT_EQ(col.type(), QGraphicsRectItem::Type);
    EXPECT_DOUBLE_EQ(pixel.zValue(), 1.5);
    EXPECT_DOUBLE_EQ(col.zValue(), 1.0);
    const auto flags =
        QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsFocusable | QGraphicsItem::ItemSendsGeometryChanges;
    EXPECT_EQ(pixel.flags(), flags);
    EXPECT_EQ(col.flags(), flags);
    EXPECT_TRUE(pixel.acceptHoverEvents());
    EXPECT_EQ(pixel.ownerWidget(), nullptr);
}

TEST_F(MarkerItems, SetLineWidthReportsWhetherTheValueChanged)
{
    struct Step {
        int w;
        bool changed;
    };
    const Step pixelSteps[] = {{5, false}, {4, true}, {4, false}, {0, true}, {5, true}};
    for (const Step& s : pixelSteps) {
        EXPECT_EQ(BadPixelItem::setLineWidth(s.w), s.changed) << s.w;
        EXPECT_EQ(BadPixelItem::lineWidth(), s.w);
    }
    const Step colSteps[] = {{3, false}, {4, true}, {4, false}, {1, true}};
    for (const Step& s : colSteps) {
        EXPECT_EQ(BadPixelColItem::setLineWidth(s.w), s.changed) << s.w;
        EXPECT_EQ(BadPixelColItem::lineWidth(), s.w);
    }
    // One class's width is not the other's.
    EXPECT_EQ(BadPixelItem::lineWidth(), 5);
}

TEST_F(MarkerItems, RectanglesFollowTheHalfWidth)
{
    for (int w : {0, 1, 3, 4, 5}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(BadPixelItem::markerRect(w), QRectF(-w, -w, 2 * w + 1, 2 * w + 1));
        EXPECT_EQ(BadPixelColItem::markerRect(w, 512), QRectF(-w, 0, 2 * w + 1, 512));
    }
}

TEST_F(MarkerItems, PixelMarkerAtTenTwentyCoversSixToFourteenAndSixteenToTwentyFour)
{
    BadPixelItem::setLineWidth(4);
    BadPixelItem item;
    item.setPos(10, 20);
    item.setRect(BadPixelItem::markerRect(BadPixelItem::lineWidth()));
    EXPECT_EQ(item.boundingRect(), item.rect());
    EXPECT_EQ(item.sceneBoundingRect(), QRectF(6, 16, 9, 9));
    EXPECT_TRUE(item.shape().contains(QPointF(-4, -4)));
    EXPECT_FALSE(item.shape().contains(QPointF(-4.5, 0)));
}

TEST_F(MarkerItems, SetColumnMovesTheBandToTheColumn)
{
    BadPixelColItem item;
    item.setColumn(37, 288);
    item.setRect(BadPixelColItem::markerRect(BadPixelColItem::lineWidth(), 288));
    EXPECT_EQ(item.pos(), QPointF(37, 0));
    EXPECT_EQ(item.column(), 37);
    EXPECT_EQ(item.columnHeight(), 288);
    EXPECT_EQ(item.sceneBoundingRect(), QRectF(34, 0, 7, 288));
}

TEST_F(MarkerItems, OutlineIsBlueAndTurnsRedWhenSelected)
{
    QGraphicsScene scene(0, 0, 40, 40);
    BadPixelItem::setLineWidth(4);
    auto* item = new BadPixelItem();
    item->setPos(10, 20);
    item->setRect(BadPixelItem::markerRect(4));
    scene.addItem(item);

    QImage image = renderScene(scene, scene.sceneRect());
    EXPECT_EQ(item->color(), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(6, 20), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::white));  // not filled

    item->setSelected(true);
    image = renderScene(scene, scene.sceneRect());
    EXPECT_EQ(item->color(), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(6, 20), QColor(255, 0, 0));
}

TEST_F(MarkerItems, ChangedWidthReachesTheRectangleAtTheNextPaint)
{
    QGraphicsScene scene(0, 0, 40, 40);
    auto* pixel = new BadPixelItem();
    pixel->setPos(20, 20);
    pixel->setRect(BadPixelItem::markerRect(5));
    auto* col = new BadPixelColItem();
    col->setColumn(5, 40);
    col->setRect(BadPixelColItem::markerRect(3, 40));
    scene.addItem(pixel);
    scene.addItem(col);

    BadPixelItem::setLineWidth(1);
    BadPixelColItem::setLineWidth(1);
    renderScene(scene, scene.sceneRect());
    // Without the flag the rectangle keeps its size.
    EXPECT_EQ(pixel->rect(), BadPixelItem::markerRect(5));
    EXPECT_EQ(col->rect(), BadPixelColItem::markerRect(3, 40));

    pixel->setPenChanged(true);
    col->setPenChanged(true);
    renderScene(scene, scene.sceneRect());
    EXPECT_EQ(pixel->rect(), QRectF(-1, -1, 3, 3));
    EXPECT_EQ(col->rect(), QRectF(-1, 0, 3, 40));
    EXPECT_FALSE(pixel->penChanged());
    EXPECT_FALSE(col->penChanged());
}

TEST_F(MarkerItems, ColumnPositionIsKeptInsideTheScene)
{
    struct Case {
        QPointF proposed;
        QPointF result;
    };
    // Scene 100 x 50; band rectangle 7 x 50.
    const Case cases[] = {
        {{40, 0}, {40, 0}}, {{98, 0}, {93, 0}}, {{-5, 0}, {0, 0}}, {{40, 10}, {40, 0}}, {{40, -3}, {40, 0}}};
    for (const Case& c : cases) {
        QGraphicsScene scene(0, 0, 100, 50);
        auto* col = new BadPixelColItem();
        col->setRect(BadPixelColItem::markerRect(3, 50));
        scene.addItem(col);
        col->setPos(c.proposed);
        EXPECT_EQ(col->pos(), c.result) << c.proposed.x() << "," << c.proposed.y();
    }
    // Outside a scene nothing is clamped.
    BadPixelColItem loose;
    loose.setColumn(500, 50);
    EXPECT_EQ(loose.pos(), QPointF(500, 0));
}

TEST_F(MarkerItems, SelectionTellsTheOwnerWhichRow)
{
    QVideoWndWidget owner;
    QSignalSpy pixelRows(&owner, &QVideoWndWidget::sendHighlightBadPixelSignal);
    QSignalSpy colRows(&owner, &QVideoWndWidget::sendHighlightBadColSignal);
    owner.getAllBadPixelsRetSlot(true, 2, {1, 2}, {10, 20});
    owner.getAllBadColsRetSlot(true, 2, {30, 40});
    ASSERT_NE(owner.badPixelItem(1), nullptr);
    EXPECT_EQ(owner.badPixelItem(1)->ownerWidget(), &owner);

    owner.badPixelItem(1)->setSelected(true);
    owner.badColItem(0)->setSelected(true);
    ASSERT_EQ(pixelRows.count(), 1);
    EXPECT_EQ(pixelRows.at(0).at(0).toInt(), 1);
    ASSERT_EQ(colRows.count(), 1);
    EXPECT_EQ(colRows.at(0).at(0).toInt(), 0);

    // Deselecting says nothing.
    owner.badPixelItem(1)->setSelected(false);
    EXPECT_EQ(pixelRows.count(), 1);
}

TEST_F(MarkerItems, ContextMenuOpensOnlyOnASelectedMarker)
{
    QVideoWndWidget owner;
    owner.getAllBadPixelsRetSlot(true, 1, {5}, {5});
    owner.getAllBadColsRetSlot(true, 1, {50});
    for (QGraphicsRectItem* item : {static_cast<QGraphicsRectItem*>(owner.badPixelItem(0)),
                                    static_cast<QGraphicsRectItem*>(owner.badColItem(0))}) {
        QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
        owner.graphicsScene()->sendEvent(item, &event);
        EXPECT_FALSE(owner.contextMenu()->isVisible());

        item->setSelected(true);
        owner.graphicsScene()->sendEvent(item, &event);
        EXPECT_TRUE(owner.contextMenu()->isVisible());
        owner.contextMenu()->hide();
        item->setSelected(false);
    }
}

TEST_F(MarkerItems, ColumnMarkerCannotBeDragged)
{
    QGraphicsScene scene(0, 0, 100, 50);
    auto* col = new BadPixelColItem();
    col->setColumn(40, 50);
    col->setRect(BadPixelColItem::markerRect(3, 50));
    scene.addItem(col);

    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::LeftButton);
    press.setButtons(Qt::LeftButton);
    press.setScenePos(QPointF(40, 10));
    press.setButtonDownScenePos(Qt::LeftButton, QPointF(40, 10));
    scene.sendEvent(col, &press);
    EXPECT_EQ(col->flags(),
              QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges);
    EXPECT_TRUE(col->isSelected());

    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setButtons(Qt::LeftButton);
    move.setScenePos(QPointF(70, 10));
    move.setLastScenePos(QPointF(40, 10));
    move.setButtonDownScenePos(Qt::LeftButton, QPointF(40, 10));
    scene.sendEvent(col, &move);
    EXPECT_EQ(col->pos(), QPointF(40, 0));
}
