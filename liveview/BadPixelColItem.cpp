#include "BadPixelColItem.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

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

BadPixelColItem::BadPixelColItem(QGraphicsItem* parent) : BadMarkerItem(kKind, 1.0, parent) {}

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

QRectF BadPixelColItem::currentRect() const
{
    return markerRect(gColLineWidth, height_);
}

void BadPixelColItem::announceSelected(QVideoWndWidget* owner)
{
    owner->selectBadColRow(this);
}

void BadPixelColItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    BadMarkerItem::mousePressEvent(event);
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
    return BadMarkerItem::itemChange(change, value);
}
