// A line rule (kind 2): the line (0, 0) to (end - start) at the start point.
// Handles on both ends (5 the first, 7 the second); an end dragged to less
// than 16 pixels from the other on both axes stays where it was. Title right
// of and below the line's centre.
#pragma once

#include <QGraphicsLineItem>

#include "RuleShapeItem.h"

class LineItem : public RuleShapeItem<QGraphicsLineItem> {
public:
    enum Handle { kFirstEnd = 5, kSecondEnd = 7 };

    LineItem();
    ~LineItem() override;

    // Both ends with the handle reach around them.
    QRectF boundingRect() const override;
    // The convex outline of the handle squares on both ends.
    QPainterPath shape() const override;

protected:
    QVector<QPoint> pointsAt(const QPointF& pos) const override;
    QPointF limitedPosition(const QPointF& pos, const QRectF& scene) const override;
    QVector<RuleItemPainter::Handle> handles() const override;
    void storePressGeometry() override;
    bool resizeTo(int handle, const QPointF& p) override;
    void scaleGeometry(qreal sx, qreal sy) override;
    void drawShape(QPainter* painter, bool selected) override;
    void drawLabel(QPainter* painter, int flip, int tw, int th) override;

private:
    QPointF pressFirst_;   // scene position of the first end at the last left press
    QPointF pressSecond_;  // and of the second end
};
