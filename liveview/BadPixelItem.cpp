#include "BadPixelItem.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "QVideoWndWidget.h"

namespace {

int gPixelLineWidth = 5;

}  // namespace

BadPixelItem::BadPixelItem(QGraphicsItem* parent) : QGraphicsRectItem(parent), color_(0, 0, 255)
{
    setZValue(1.5);
    setFlags(ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setData(1, kKind);
}

int BadPixelItem::lineWidth()
{
    return gPixelLineWidth;
}

bool BadPixelItem::setLineWidth(int w)
{
    const bool changed = w != gPixelLineWidth;
    gPixelLineWidth = w;
    return changed;
}

QRectF BadPixelItem::markerRect(int w)
{
    return QRectF(-w, -w, 2 * w + 1, 2 * w + 1);
}

QRectF BadPixelItem::boundingRect() const
{
    return rect();
}

QPainterPath BadPixelItem::shape() const
{
    QPainterPath path;
    path.addRect(rect());
    return path;
}

void BadPixelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    if (penChanged_) {
        setRect(markerRect(gPixelLineWidth));
        penChanged_ = false;
    }
    color_ = (option->state & QStyle::State_Selected) ? QColor(255, 0, 0) : QColor(0, 0, 255);
    // Cosmetic: one screen pixel at every zoom.
    QPen pen(QBrush(color_), 0);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(markerRect(gPixelLineWidth));
}

void BadPixelItem::contextMenuEvent(QGraphicsSceneContextMenuEvent*)
{
    if (isSelected() && owner_) owner_->popItemContextMenu();
}

void BadPixelItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsRectItem::hoverMoveEvent(event);
}

void BadPixelItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsRectItem::mousePressEvent(event);
}

void BadPixelItem::mouseMoveEvent(QGraphicsSceneMouseEvent*)
{
    // Markers stay on their pixel.
}

void BadPixelItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsRectItem::mouseReleaseEvent(event);
}

QVariant BadPixelItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    // The owner's table follows the selection when it changes, not on
    // every repaint.
    if (change == ItemSelectedHasChanged && value.toBool() && owner_) owner_->selectBadPixelRow(this);
    return QGraphicsRectItem::itemChange(change, value);
}
