#include "RuleItem.h"

#include <QVariant>

#include <algorithm>
#include <cmath>
#include <atomic>

#include "CircularItem.h"
#include "EllipseItem.h"
#include "LineItem.h"
#include "PointItem.h"
#include "PolygonItem.h"
#include "RectItem.h"

namespace {

std::atomic<quint32> gLastId{0};

// A rectangle, ellipse or circle from the corners top-left, top-right,
// bottom-right: its box at (0, 0), placed at the first corner.
template <class Box>
QGraphicsItem* makeBox(const QVector<QPoint>& points)
{
    auto* item = new Box;
    item->setRect(0, 0, points[1].x() - points[0].x(), points[2].y() - points[1].y());
    item->setPos(points[0]);
    return item;
}

// One axis of limitPosition: lo..hi the scene, a..b the item's extent.
qreal limitAxis(qreal v, qreal lo, qreal hi, qreal a, qreal b)
{
    v = std::max(v, lo - a);
    if (v >= hi - b) v = hi - b - 1;
    return v;
}

}  // namespace

quint32 RuleItem::nextId()
{
    return gLastId.fetch_add(1, std::memory_order_relaxed) + 1;
}

int RuleItem::kindOf(const QGraphicsItem* item)
{
    return item ? item->data(kKindKey).toInt() : 0;
}

quint32 RuleItem::idOf(const QGraphicsItem* item)
{
    return item ? item->data(kIdKey).toUInt() : 0;
}

RuleItem* RuleItem::from(QGraphicsItem* item)
{
    return dynamic_cast<RuleItem*>(item);
}

QGraphicsItem* RuleItem::create(int kind, const QString& title, const QVector<QPoint>& points, RuleItemOwner* owner)
{
    // Points each kind needs (a polygon has at least three vertices).
    static const int kPointsNeeded[] = {0, 1, 2, 3, 3, 3, 3};
    if (kind < kPoint || kind > kPolygon || points.size() < kPointsNeeded[kind]) return nullptr;

    QGraphicsItem* item = nullptr;
    switch (kind) {
        case kPoint:
            item = new PointItem;
            item->setPos(points[0]);
            break;
        case kLine: {
            auto* line = new LineItem;
            line->setLine(0, 0, points[1].x() - points[0].x(), points[1].y() - points[0].y());
            line->setPos(points[0]);
            item = line;
            break;
        }
        case kRectangle:
            item = makeBox<RectItem>(points);
            break;
        case kEllipse:
            item = makeBox<EllipseItem>(points);
            break;
        case kCircle:
            item = makeBox<CircularItem>(points);
            break;
        case kPolygon: {
            auto* polygon = new PolygonItem;
            QPolygonF vertices;
            for (const QPoint& p : points) vertices << p;
            polygon->setPolygon(vertices);
            item = polygon;
            break;
        }
    }
    RuleItem* rule = from(item);
    rule->setOwner(owner);
    rule->setTitle(title);
    return item;
}

void RuleItem::rescale(const QSizeF& oldSize, const QSizeF& newSize)
{
    if (oldSize.width() <= 0 || oldSize.height() <= 0) return;
    remap(newSize.width() / oldSize.width(), newSize.height() / oldSize.height(), QPointF());
}

qreal RuleItem::snapToPixel(qreal v)
{
    const qreal whole = std::round(v);
    return std::abs(v - whole) < 1e-6 ? whole : v;
}

QPointF RuleItem::clampToScene(const QPointF& p, const QRectF& scene)
{
    return limitPosition(p, QRectF(), scene);
}

QPointF RuleItem::limitPosition(const QPointF& pos, const QRectF& extent, const QRectF& scene)
{
    const QRectF e = extent.normalized();
    return QPointF(limitAxis(pos.x(), scene.left(), scene.right(), e.left(), e.right()),
                   limitAxis(pos.y(), scene.top(), scene.bottom(), e.top(), e.bottom()));
}

RuleItem::RuleItem(QGraphicsItem* self, int kind) : kind_(kind), id_(nextId())
{
    self->setData(kKindKey, kind_);
    self->setData(kIdKey, id_);
}

void RuleItem::reportChanged()
{
    if (!owner_) return;
    ItemInfo info;
    info.key = id_;
    info.points = updatePoints();
    owner_->emitItemChanged(info);
}
