// An ellipse rule (kind 4): the ellipse in the box (0, 0, w, h) at the box's
// top-left corner, with a handle on the midpoint of each side (RuleBoxItem);
// a dragged side keeps at least 16.
#pragma once

#include <QGraphicsEllipseItem>

#include "RuleBoxItem.h"

class EllipseItem : public RuleBoxItem<QGraphicsEllipseItem> {
public:
    EllipseItem();
    ~EllipseItem() override;

    // The ellipse inscribed in the bounding rectangle.
    QPainterPath shape() const override;

protected:
    void drawShape(QPainter* painter, bool selected) override;
};
