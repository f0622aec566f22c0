#include "RuleDrawTool.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

QPoint clamped(const QPoint& pos, const QRect& bounds)
{
    return QPoint(qBound(bounds.left(), pos.x(), bounds.right()), qBound(bounds.top(), pos.y(), bounds.bottom()));
}

// Truncation toward zero, as the rule records take points.
QPoint truncated(const QPointF& p)
{
    return QPoint(int(p.x()), int(p.y()));
}

bool isBoxMode(int mode)
{
    return mode == RuleDrawTool::kRectangle || mode == RuleDrawTool::kEllipse || mode == RuleDrawTool::kCircle;
}

}  // namespace

void RuleDrawTool::setMode(int mode)
{
    discardShape();
    mode_ = mode;
}

void RuleDrawTool::reset()
{
    setMode(kNone);
}

void RuleDrawTool::discardShape()
{
    drawing_ = false;
    vertexCount_ = 0;
    vertices_.clear();
    rubberBand_ = QRectF();
    line_ = QLineF();
}

bool RuleDrawTool::press(Qt::MouseButton button, const QPoint& pos)
{
    if (button != Qt::LeftButton) return false;
    if (isBoxMode(mode_)) {
        startX_ = pos.x();
        startY_ = pos.y();
    } else if (mode_ == kLine) {
        line_ = QLineF(pos, pos);
    } else if (mode_ != kPolygon) {
        return false;
    }
    drawing_ = true;
    return true;
}

bool RuleDrawTool::move(const QPoint& pos, const QRect& bounds)
{
    if (!drawing_) return false;
    const QPoint p = clamped(pos, bounds);
    if (mode_ == kRectangle || mode_ == kEllipse || mode_ == kCircle) {
        const QRectF box(qMin(startX_, double(p.x())), qMin(startY_, double(p.y())), std::fabs(p.x() - startX_),
                         std::fabs(p.y() - startY_));
        if (mode_ == kCircle) {
            // The largest square inside the dragged box, about its centre.
            const QRect whole = box.toRect();
            const int r = qMin(whole.width(), whole.height()) / 2;
            const QPoint c = whole.center();
            rubberBand_ = QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
        } else {
            rubberBand_ = box;
        }
    } else if (mode_ == kLine) {
        line_.setP2(p);
    }
    return true;
}

bool RuleDrawTool::hover(const QPoint& pos, const QRect& bounds)
{
    if (mode_ != kPolygon || !drawing_ || vertexCount_ < 1 || vertices_.isEmpty()) return false;
    vertices_.last() = clamped(pos, bounds);
    return true;
}

RuleDrawTool::Result RuleDrawTool::release(Qt::MouseButton button, const QPoint& pos, const QRect& bounds)
{
    const QPoint p = clamped(pos, bounds);
    Result result;
    if (button == Qt::LeftButton && mode_ == kPolygon) {
        // A vertex click fixes the moving vertex at the click and adds a new
        // moving one; the eighth vertex closes the polygon.
        if (vertexCount_ == 0) {
            vertices_.append(p);
            ++vertexCount_;
        } else {
            vertices_.last() = p;
        }
        if (vertexCount_ < kMaxPolygonVertices) {
            vertices_.append(p);
            ++vertexCount_;
            result.outcome = Outcome::kPending;
            return result;
        }
        result = finishPolygon(false);
    } else if (button == Qt::LeftButton) {
        result.kind = mode_;
        if (isBoxMode(mode_)) {
            if (std::fabs(rubberBand_.width()) < kMinSize || std::fabs(rubberBand_.height()) < kMinSize) {
                result.outcome = Outcome::kTooSmall;
            } else {
                result.outcome = Outcome::kCompleted;
                result.points = boxCorners(rubberBand_);
            }
        } else if (mode_ == kPoint) {
            result.outcome = Outcome::kCompleted;
            result.points = {p};
        } else if (mode_ == kLine) {
            if (std::fabs(line_.dx()) < kMinSize && std::fabs(line_.dy()) < kMinSize) {
                result.outcome = Outcome::kTooSmall;
            } else {
                result.outcome = Outcome::kCompleted;
                result.points = {truncated(line_.p1()), truncated(line_.p2())};
            }
        } else {
            result.kind = kNone;
        }
    } else if (button == Qt::RightButton && mode_ == kPolygon) {
        if (vertexCount_ > 0 && !vertices_.isEmpty()) vertices_.last() = p;
        result = finishPolygon(true);
    } else {
        result.outcome = Outcome::kCancelled;
    }
    reset();
    return result;
}

RuleDrawTool::Result RuleDrawTool::finishPolygon(bool closedByRightButton)
{
    Result result;
    if (closedByRightButton && vertexCount_ < kMinPolygonVertices) {
        result.outcome = Outcome::kCancelled;
        return result;
    }
    result.outcome = Outcome::kCompleted;
    result.kind = kPolygon;
    for (const QPointF& v : vertices_) result.points.append(truncated(v));
    return result;
}

QVector<QPoint> RuleDrawTool::boxCorners(const QRectF& box)
{
    const double x = box.x(), y = box.y(), w = box.width(), h = box.height();
    return {truncated(QPointF(x, y)), truncated(QPointF(x + w, y)), truncated(QPointF(x + w, y + h)),
            truncated(QPointF(x, y + h))};
}

void RuleDrawTool::paint(QPainter& painter) const
{
    if (!drawing_) return;
    switch (mode_) {
        case kRectangle:
            painter.drawRect(rubberBand_);
            break;
        case kEllipse:
            painter.drawEllipse(rubberBand_);
            break;
        case kCircle: {
            const double r = qMin(rubberBand_.width(), rubberBand_.height()) / 2.0;
            painter.drawEllipse(rubberBand_.center(), r, r);
            break;
        }
        case kLine:
            painter.drawLine(line_);
            break;
        case kPolygon:
            if (!vertices_.isEmpty()) painter.drawConvexPolygon(QPolygonF(vertices_));
            break;
        default:
            break;
    }
}
