// A point rule (kind 1): a 30 x 30 square centred on the point, drawn as a
// cross, outlined dashed when selected, title to its right. It moves with
// the mouse at once; it has no handles and no hover.
#pragma once

#include <QGraphicsRectItem>

#include "RuleShapeItem.h"

class PointItem : public RuleShapeItem<QGraphicsRectItem> {
public:
    PointItem();
    ~PointItem() override;

protected:
    QVector<QPoint> pointsAt(const QPointF& pos) const override;
    QPointF limitedPosition(const QPointF& pos, const QRectF& scene) const override;
    void scaleGeometry(qreal sx, qreal sy) override;
    void drawShape(QPainter* painter, bool selected) override;
    void drawLabel(QPainter* painter, int flip, int tw, int th) override;
};
