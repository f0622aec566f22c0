// What the rectangle, ellipse and circle share: a box (0, 0, w, h) at the
// item's position, four handles on it, the bounding rectangle 8 pixels
// around it, the corners they report, the label inside the box and the
// resize that moves one or two of the box's edges.
//
// Handles: the rectangle's on its corners (1 top-left, 2 top-right,
// 3 bottom-right, 4 bottom-left), the ellipse's and the circle's on the
// midpoints of its sides (5 top, 6 right, 7 bottom, 8 left).
#pragma once

#include <QPainterPath>

#include <algorithm>

#include "RuleShapeItem.h"

template <class GraphicsBase>
class RuleBoxItem : public RuleShapeItem<GraphicsBase> {
public:
    // The box grown by the handle reach on every side.
    QRectF boundingRect() const override
    {
        const qreal m = RuleItem::kHandleSize;
        return this->rect().normalized().adjusted(-m, -m, m, m);
    }

protected:
    explicit RuleBoxItem(int kind) : RuleShapeItem<GraphicsBase>(kind) {}

    // What a handle drag does to one axis of the box.
    enum Edge {
        kFixed,  // the side keeps its length and place
        kLow,    // the left (top) edge follows the mouse, the right (bottom) stays
        kHigh    // the right (bottom) edge follows the mouse, the left (top) stays
    };
    // A handle: its number, its place on the box as fractions of width and
    // height, and what it moves.
    struct BoxHandle {
        int id;
        qreal fx, fy;
        Edge x, y;
    };
    // The kind's handles in hit-test order.
    const QVector<BoxHandle>& boxHandles() const
    {
        static const QVector<BoxHandle> kCorners = {
            {1, 0, 0, kLow, kLow}, {2, 1, 0, kHigh, kLow}, {4, 0, 1, kLow, kHigh}, {3, 1, 1, kHigh, kHigh}};
        static const QVector<BoxHandle> kMidpoints = {{5, 0.5, 0, kFixed, kLow},
                                                      {7, 0.5, 1, kFixed, kHigh},
                                                      {8, 0, 0.5, kLow, kFixed},
                                                      {6, 1, 0.5, kHigh, kFixed}};
        return this->kind() == RuleItem::kRectangle ? kCorners : kMidpoints;
    }

    // The box in scene coordinates at the last left press.
    QRectF pressBox() const { return pressBox_; }
    // Makes the box (0, 0, w, h) at scene position (x, y).
    void setBox(const QRectF& sceneBox)
    {
        this->setRect(0, 0, sceneBox.width(), sceneBox.height());
        this->setPos(sceneBox.topLeft());
    }

    QVector<QPoint> pointsAt(const QPointF& pos) const override
    {
        const QRectF r = this->rect();
        const qreal x = pos.x() + r.x();
        const qreal y = pos.y() + r.y();
        const qreal w = r.width();
        const qreal h = r.height();
        auto truncated = [](qreal px, qreal py) { return QPoint(static_cast<int>(px), static_cast<int>(py)); };
        return {truncated(x, y), truncated(x + w, y), truncated(x + w, y + h), truncated(x, y + h)};
    }

    QPointF limitedPosition(const QPointF& pos, const QRectF& scene) const override
    {
        return RuleItem::limitPosition(pos, this->rect(), scene);
    }

    QVector<RuleItemPainter::Handle> handles() const override
    {
        const QRectF r = this->rect();
        QVector<RuleItemPainter::Handle> out;
        for (const BoxHandle& h : boxHandles()) {
            const QPointF at(r.x() + h.fx * r.width(), r.y() + h.fy * r.height());
            out.append({h.id, RuleItemPainter::handleRect(at)});
        }
        return out;
    }

    void storePressGeometry() override
    {
        pressBox_ = QRectF(this->pos() + this->rect().topLeft(), this->rect().size());
    }

    // The dragged edges follow p; each side is truncated to whole pixels and
    // kept at least kMinSize long, a moving edge stopping kMinSize short of
    // the fixed one.
    bool resizeTo(int handle, const QPointF& p) override
    {
        for (const BoxHandle& h : boxHandles()) {
            if (h.id != handle) continue;
            const Span x = resizeAxis(h.x, pressBox_.left(), pressBox_.right(), p.x());
            const Span y = resizeAxis(h.y, pressBox_.top(), pressBox_.bottom(), p.y());
            setBox(QRectF(x.origin, y.origin, x.size, y.size));
            return true;
        }
        return false;
    }

    void scaleGeometry(qreal sx, qreal sy) override
    {
        const QRectF r = this->rect();
        this->setRect(0, 0, RuleItem::snapToPixel(r.width() * sx), RuleItem::snapToPixel(r.height() * sy));
    }

    // The title inside the box, 10 pixels from its left edge and centred
    // on its height; left of the box when it is too narrow for it, above it
    // when too low.
    void drawLabel(QPainter* painter, int flip, int tw, int th) override
    {
        const QRectF r = this->rect();
        const qreal w = r.width();
        const qreal h = r.height();
        QPointF at = RuleItemPainter::flipAnchor(flip, QPointF(r.x() + 10, r.y() + h / 2 - th / 2), r.x() + 10 - w + tw,
                                                 r.y() - h / 2 + th / 2);
        if (tw + 10 > w) at.rx() -= tw + 10;
        if (th + 10 > h) at.ry() -= th + 10;
        // Not clipped to the box: a narrow box shows its whole title beside it.
        painter->drawText(QRectF(at, QSizeF(w, h)), Qt::AlignLeft | Qt::TextDontClip, this->name());
    }

private:
    // One axis of the box: where it starts and how long it is.
    struct Span {
        qreal origin;
        qreal size;
    };
    static Span resizeAxis(Edge edge, qreal low, qreal high, qreal p)
    {
        const qreal minSize = RuleItem::kMinSize;
        switch (edge) {
            case kLow: {
                const qreal size = static_cast<int>(high - p);
                return size < minSize ? Span{high - minSize, minSize} : Span{p, size};
            }
            case kHigh:
                return {low, std::max<qreal>(static_cast<int>(p - low), minSize)};
            case kFixed:
                break;
        }
        return {low, high - low};
    }

    QRectF pressBox_;  // scene coordinates
};
