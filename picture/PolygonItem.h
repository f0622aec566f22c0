// A polygon rule (kind 6): the drawn vertices at position (0, 0), a handle
// on every vertex (numbered by its index; -1 none). The handle squares are
// built from the vertices when first needed and dropped whenever a vertex
// moves or the polygon is rescaled. Title right of and below the first
// vertex.
#pragma once

#include <QGraphicsPolygonItem>

#include "RuleShapeItem.h"

class PolygonItem : public RuleShapeItem<QGraphicsPolygonItem> {
public:
    PolygonItem();
    ~PolygonItem() override;

protected:
    QVector<QPoint> pointsAt(const QPointF& pos) const override;
    QPointF limitedPosition(const QPointF& pos, const QRectF& scene) const override;
    QVector<RuleItemPainter::Handle> handles() const override;
    int noHandle() const override { return -1; }
    bool resizeTo(int handle, const QPointF& p) override;
    void scaleGeometry(qreal sx, qreal sy) override;
    void drawShape(QPainter* painter, bool selected) override;
    void drawLabel(QPainter* painter, int flip, int tw, int th) override;

private:
    mutable QVector<QRectF> vertexHandles_;  // one per vertex, item coordinates; empty: to be built
};
