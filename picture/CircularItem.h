// A circle rule (kind 5): a box (0, 0, w, h) like the ellipse's, drawn as the
// circle of radius half its smaller side about its centre. A handle drag
// changes the radius about the centre taken at the press (at least 8); a
// circle that would leave the scene is refused.
#pragma once

#include <QGraphicsEllipseItem>

#include "RuleBoxItem.h"

class CircularItem : public RuleBoxItem<QGraphicsEllipseItem> {
public:
    CircularItem();
    ~CircularItem() override;

    // The ellipse inscribed in the bounding rectangle.
    QPainterPath shape() const override;

protected:
    bool resizeTo(int handle, const QPointF& p) override;
    void drawShape(QPainter* painter, bool selected) override;
};
