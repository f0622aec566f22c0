// A rectangle rule (kind 3): the box (0, 0, w, h) at its top-left corner,
// with a handle on each corner (RuleBoxItem) and sides of at least 16.
#pragma once

#include <QGraphicsRectItem>

#include "RuleBoxItem.h"

class RectItem : public RuleBoxItem<QGraphicsRectItem> {
public:
    RectItem();
    ~RectItem() override;

    // The whole bounding rectangle, handles included.
    QPainterPath shape() const override;

protected:
    void drawShape(QPainter* painter, bool selected) override;
};
