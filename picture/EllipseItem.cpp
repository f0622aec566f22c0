#include "EllipseItem.h"

EllipseItem::EllipseItem() : RuleBoxItem(kEllipse) {}

EllipseItem::~EllipseItem() = default;

QPainterPath EllipseItem::shape() const
{
    QPainterPath path;
    path.addEllipse(boundingRect());
    return path;
}

void EllipseItem::drawShape(QPainter* painter, bool selected)
{
    Q_UNUSED(selected)
    painter->setBrush(brush());
    painter->drawEllipse(rect());
}
