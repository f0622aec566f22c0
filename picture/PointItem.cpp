#include "PointItem.h"

PointItem::PointItem() : RuleShapeItem(kPoint)
{
    setRect(-15, -15, 30, 30);
}

PointItem::~PointItem() = default;

QVector<QPoint> PointItem::pointsAt(const QPointF& pos) const
{
    return {QPoint(static_cast<int>(pos.x()), static_cast<int>(pos.y()))};
}

// The point itself stays on a pixel of the picture (one pixel inside the
// right and bottom edges), so that it never measures outside the frame.
QPointF PointItem::limitedPosition(const QPointF& pos, const QRectF& scene) const
{
    return clampToScene(pos, scene);
}

void PointItem::scaleGeometry(qreal sx, qreal sy)
{
    // Only its position scales; the cross keeps its size.
    Q_UNUSED(sx)
    Q_UNUSED(sy)
}

void PointItem::drawShape(QPainter* painter, bool selected)
{
    const QRectF r = rect();
    if (selected) {
        painter->save();
        painter->setPen(QPen(RuleItemPainter::ruleColor(), 1.0, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r);
        painter->restore();
    }
    const QPointF c = r.center();
    painter->drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
    painter->drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom()));
}

void PointItem::drawLabel(QPainter* painter, int flip, int tw, int th)
{
    Q_UNUSED(tw)
    Q_UNUSED(th)
    const QRectF r = rect();
    const QPointF at = RuleItemPainter::flipAnchor(flip, QPointF(r.right() + 5, r.center().y() + 5), -r.right() - 5,
                                                   r.height() / 2 + 5);
    painter->drawText(at, name());
}
