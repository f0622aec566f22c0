#include "PolygonItem.h"

PolygonItem::PolygonItem() : RuleShapeItem(kPolygon)
{
    activeHandle_ = -1;
}

PolygonItem::~PolygonItem() = default;

QVector<QPoint> PolygonItem::pointsAt(const QPointF& pos) const
{
    QVector<QPoint> points;
    for (const QPointF& v : polygon())
        points << QPoint(static_cast<int>(v.x() + pos.x()), static_cast<int>(v.y() + pos.y()));
    return points;
}

QPointF PolygonItem::limitedPosition(const QPointF& pos, const QRectF& scene) const
{
    return limitPosition(pos, polygon().boundingRect(), scene);
}

QVector<RuleItemPainter::Handle> PolygonItem::handles() const
{
    if (vertexHandles_.isEmpty())
        for (const QPointF& v : polygon()) vertexHandles_ << RuleItemPainter::handleRect(v);
    QVector<RuleItemPainter::Handle> out;
    for (int i = 0; i < vertexHandles_.size(); ++i) out.append({i, vertexHandles_[i]});
    return out;
}

bool PolygonItem::resizeTo(int handle, const QPointF& p)
{
    QPolygonF vertices = polygon();
    if (handle < 0 || handle >= vertices.size()) return false;
    vertexHandles_.clear();
    vertices[handle] = p - pos();
    setPolygon(vertices);
    return true;
}

void PolygonItem::scaleGeometry(qreal sx, qreal sy)
{
    QPolygonF vertices = polygon();
    for (QPointF& v : vertices) v = QPointF(snapToPixel(v.x() * sx), snapToPixel(v.y() * sy));
    vertexHandles_.clear();
    setPolygon(vertices);
}

void PolygonItem::drawShape(QPainter* painter, bool selected)
{
    Q_UNUSED(selected)
    painter->setBrush(brush());
    painter->drawPolygon(polygon());
}

void PolygonItem::drawLabel(QPainter* painter, int flip, int tw, int th)
{
    Q_UNUSED(tw)
    Q_UNUSED(th)
    if (polygon().isEmpty()) return;
    const QPointF f = polygon().first();
    const QPointF at = RuleItemPainter::flipAnchor(flip, QPointF(f.x() + 5, f.y() + 5), -(f.x() + 5), 20 - f.y());
    painter->drawText(at, name());
}
