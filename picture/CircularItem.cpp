#include "CircularItem.h"

#include <algorithm>
#include <iterator>

CircularItem::CircularItem() : RuleBoxItem(kCircle) {}

CircularItem::~CircularItem() = default;

QPainterPath CircularItem::shape() const
{
    QPainterPath path;
    path.addEllipse(boundingRect());
    return path;
}

bool CircularItem::resizeTo(int handle, const QPointF& p)
{
    // Each handle's direction outwards from the centre.
    struct Outwards {
        int handle;
        int dx, dy;
    };
    static const Outwards kOutwards[] = {{5, 0, -1}, {6, 1, 0}, {7, 0, 1}, {8, -1, 0}};
    const auto out = std::find_if(std::begin(kOutwards), std::end(kOutwards),
                                  [handle](const Outwards& o) { return o.handle == handle; });
    if (out == std::end(kOutwards)) return false;

    // The centre stays where it was at the press.
    const QPointF c = pressBox().center();
    qreal r = out->dx * (p.x() - c.x()) + out->dy * (p.y() - c.y());
    r = std::max<qreal>(static_cast<int>(r), kMinRadius);
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const QRectF area = scene()->sceneRect();
    if (circle.left() < area.left() || circle.top() < area.top() || circle.right() > area.right() ||
        circle.bottom() > area.bottom())
        return false;
    setBox(circle);
    return true;
}

void CircularItem::drawShape(QPainter* painter, bool selected)
{
    Q_UNUSED(selected)
    const QRectF r = rect();
    const qreal radius = std::min(r.width(), r.height()) / 2;
    painter->setBrush(brush());
    painter->drawEllipse(r.center(), radius, radius);
}
