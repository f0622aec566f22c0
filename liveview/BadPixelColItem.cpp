#include "BadPixelColItem.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

#include "QVideoWndWidget.h"

namespace {

int gColLineWidth = 3;

// Keeps a span of length len starting at p inside [lo, hi].
qreal clampSpan(qreal p, qreal len, qreal lo, qreal hi)
{
    if (len > 0) {
        if (p < lo) p = lo;
        if (p > hi - len) p = hi - len;
    } else {
        if (p < lo + std::abs(len)) p = lo + std::abs(len);
        if (p > hi) p = hi;
    }
    return p;
}

}  // namespace

BadPixelColItem::BadPixelColItem(QGraphicsItem* parent) : QGraphicsRectItem(parent), color_(0, 0, 255)
{
    setZValue(1.0);
    setFlags(ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setData(1, kKind);
}

int BadPixelColItem::lineWidth()
{
    return gColLineWidth;
}

bool BadPixelColItem::setLineWidth(int w)
{
    const bool changed = w != gColLineWidth;
    gColLineWidth = w;
    return changed;
}

QRectF BadPixelColItem::markerRect(int w, int height)
{
    return QRectF(-w, 0, 2 * w + 1, height);
}

void BadPixelColItem::setColumn(int x, int height)
{
    column_ = x;
    height_ = height;
    setPos(x, 0);
}

QRectF BadPixelColItem::boundingRect() const
{
    return rect();
}

QPainterPath BadPixelColItem::shape() const
{
    QPainterPath path;
    path.addRect(rect());
    return path;
}

void BadPixelColItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    if (penChanged_) {
        setRect(markerRect(gColLineWidth, height_));
        penChanged_ = false;
    }
    color_ = (option->state & QStyle::State_Selected) ? QColor(255, 0, 0) : QColor(0, 0, 255);
    QPen pen(QBrush(color_), 0);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(markerRect(gColLineWidth, height_));
}

void BadPixelColItem::contextMenuEvent(QGraphicsSceneContextMenuEvent*)
{
    if (isSelected() && owner_) owner_->popItemContextMenu();
}

void BadPixelColItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsRectItem::hoverMoveEvent(event);
}

void BadPixelColItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    QGraphicsRectItem::mousePressEvent(event);
}

void BadPixelColItem::mouseMoveEvent(QGraphicsSceneMouseEvent*)
{
    // A column marker never follows the mouse, movable or not.
}

void BadPixelColItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsRectItem::mouseReleaseEvent(event);
}

QVariant BadPixelColItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange && scene()) {
        const QRectF bounds = scene()->sceneRect();
        const QPointF p = value.toPointF();
        const QRectF r = rect();
        return QPointF(clampSpan(p.x(), r.width(), bounds.left(), bounds.right()),
                       clampSpan(p.y(), r.height(), bounds.top(), bounds.bottom()));
    }
    if (change == ItemSelectedHasChanged && value.toBool() && owner_) owner_->selectBadColRow(this);
    return QGraphicsRectItem::itemChange(change, value);
}
