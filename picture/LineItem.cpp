#include "LineItem.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Convex hull of a few points (monotone chain), counter-clockwise.
QPolygonF convexHull(QVector<QPointF> pts)
{
    std::sort(pts.begin(), pts.end(),
              [](const QPointF& a, const QPointF& b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QVector<QPointF> hull(2 * pts.size());
    int k = 0;
    for (int i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
        hull[k++] = pts[i];
    }
    for (int i = pts.size() - 2, lower = k + 1; i >= 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
        hull[k++] = pts[i];
    }
    hull.resize(std::max(k - 1, 0));
    return QPolygonF(hull);
}

}  // namespace

LineItem::LineItem() : RuleShapeItem(kLine) {}

LineItem::~LineItem() = default;

QRectF LineItem::boundingRect() const
{
    const QLineF l = line();
    const qreal m = kHandleSize;
    return QRectF(std::min(l.x1(), l.x2()) - m, std::min(l.y1(), l.y2()) - m, std::abs(l.dx()) + 2 * m,
                  std::abs(l.dy()) + 2 * m);
}

QPainterPath LineItem::shape() const
{
    QVector<QPointF> corners;
    for (const QPointF& end : {line().p1(), line().p2()}) {
        const QRectF square = RuleItemPainter::handleRect(end).adjusted(-4, -4, 4, 4);  // 16 x 16
        corners << square.topLeft() << square.topRight() << square.bottomRight() << square.bottomLeft();
    }
    QPainterPath path;
    path.addPolygon(convexHull(corners));
    path.closeSubpath();
    return path;
}

QVector<QPoint> LineItem::pointsAt(const QPointF& pos) const
{
    const QPointF end = pos + (line().p2() - line().p1());
    return {QPoint(static_cast<int>(pos.x()), static_cast<int>(pos.y())),
            QPoint(static_cast<int>(end.x()), static_cast<int>(end.y()))};
}

QPointF LineItem::limitedPosition(const QPointF& pos, const QRectF& scene) const
{
    return limitPosition(pos, QRectF(line().p1(), line().p2()), scene);
}

QVector<RuleItemPainter::Handle> LineItem::handles() const
{
    return {{kFirstEnd, RuleItemPainter::handleRect(line().p1())},
            {kSecondEnd, RuleItemPainter::handleRect(line().p2())}};
}

void LineItem::storePressGeometry()
{
    pressFirst_ = pos() + line().p1();
    pressSecond_ = pos() + line().p2();
}

bool LineItem::resizeTo(int handle, const QPointF& p)
{
    if (handle != kFirstEnd && handle != kSecondEnd) return false;
    const QPointF other = handle == kFirstEnd ? pressSecond_ : pressFirst_;
    if (std::abs(p.x() - other.x()) < kMinSize && std::abs(p.y() - other.y()) < kMinSize) return false;
    if (handle == kFirstEnd) {
        setLine(QLineF(QPointF(0, 0), pressSecond_ - p));
        setPos(p);
    } else {
        setLine(QLineF(QPointF(0, 0), p - pressFirst_));
    }
    return true;
}

void LineItem::scaleGeometry(qreal sx, qreal sy)
{
    const QLineF l = line();
    setLine(0, 0, snapToPixel(l.dx() * sx), snapToPixel(l.dy() * sy));
}

void LineItem::drawShape(QPainter* painter, bool selected)
{
    Q_UNUSED(selected)
    painter->drawLine(line());
}

void LineItem::drawLabel(QPainter* painter, int flip, int tw, int th)
{
    Q_UNUSED(tw)
    const QPointF c = line().center();
    const QPointF at = RuleItemPainter::flipAnchor(flip, QPointF(c.x() + 5, c.y() + th), -c.x() - 5, th - (c.y() + 5));
    painter->drawText(at, name());
}
