#include "BadMarkerItem.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "QVideoWndWidget.h"

BadMarkerItem::BadMarkerItem(int kind, qreal z, QGraphicsItem* parent) : QGraphicsRectItem(parent)
{
    setZValue(z);
    setFlags(ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setData(1, kind);
}

QRectF BadMarkerItem::boundingRect() const
{
    return rect();
}

QPainterPath BadMarkerItem::shape() const
{
    QPainterPath path;
    path.addRect(rect());
    return path;
}

void BadMarkerItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF outline = currentRect();
    if (penChanged_) {
        setRect(outline);
        penChanged_ = false;
    }
    color_ = (option->state & QStyle::State_Selected) ? QColor(255, 0, 0) : QColor(0, 0, 255);
    // Cosmetic: one screen pixel at every zoom.
    QPen pen(QBrush(color_), 0);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(outline);
}

void BadMarkerItem::contextMenuEvent(QGraphicsSceneContextMenuEvent*)
{
    if (isSelected() && owner_) owner_->popItemContextMenu();
}

void BadMarkerItem::mouseMoveEvent(QGraphicsSceneMouseEvent*)
{
    // Markers stay on their pixel or column, movable or not.
}

QVariant BadMarkerItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSelectedHasChanged && value.toBool() && owner_) announceSelected(owner_);
    return QGraphicsRectItem::itemChange(change, value);
}
