#include "RectItem.h"

RectItem::RectItem() : RuleBoxItem(kRectangle) {}

RectItem::~RectItem() = default;

QPainterPath RectItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void RectItem::drawShape(QPainter* painter, bool selected)
{
    Q_UNUSED(selected)
    painter->setBrush(brush());
    painter->drawRect(rect());
}
