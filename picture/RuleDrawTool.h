// The drawing tool of a rule scene control: which rule kind is being drawn
// and the shape in progress, driven by the control's mouse events. One press
// draws one rule (a polygon: one click per vertex); every release but a
// polygon's vertex click ends the drawing and deselects the tool.
//
// Positions are widget pixels of the control; bounds is the control's
// rectangle (the mouse is grabbed while a button is down, so a position can
// lie outside it and is clamped). Points handed out are truncated toward zero.
#pragma once

#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QVector>

class QPainter;

class RuleDrawTool {
public:
    // Draw modes: the rule kinds, 0 = no tool.
    enum Mode { kNone = 0, kPoint = 1, kLine = 2, kRectangle = 3, kEllipse = 4, kCircle = 5, kPolygon = 6 };
    static constexpr int kMinSize = 16;            // smallest side of a drawn shape, pixels
    static constexpr int kMaxPolygonVertices = 8;  // the moving vertex included
    static constexpr int kMinPolygonVertices = 4;  // to close a polygon with the right button

    enum class Outcome {
        kNothing,    // no rule (no tool chosen)
        kPending,    // a polygon vertex was placed; the drawing goes on
        kCompleted,  // a rule was drawn: kind and points are set
        kTooSmall,   // the shape was refused for its size
        kCancelled   // another button ended the drawing, or a polygon was dropped
    };
    struct Result {
        Outcome outcome = Outcome::kNothing;
        int kind = kNone;
        QVector<QPoint> points;  // kCompleted only, in the order of the rule record
    };

    // Chooses the tool (any int; 0 none): not drawing, shape discarded.
    void setMode(int mode);
    int mode() const { return mode_; }
    bool isDrawing() const { return drawing_; }

    // Left press: starts a line, a box (rectangle, ellipse, circle) or a
    // polygon; true when it did (the control shows the cross cursor). The
    // point tool waits for the release; other buttons start nothing.
    bool press(Qt::MouseButton button, const QPoint& pos);
    // While drawing: follows the (clamped) mouse; true when the shape changed.
    bool move(const QPoint& pos, const QRect& bounds);
    // A polygon's moving vertex follows the hovering mouse; true when it moved.
    bool hover(const QPoint& pos, const QRect& bounds);
    // Ends the press: what happened. Every outcome but kPending resets the
    // tool to mode 0.
    Result release(Qt::MouseButton button, const QPoint& pos, const QRect& bounds);
    // Back to mode 0, nothing in progress.
    void reset();

    // The shape in progress with the painter's pen: box, ellipse, circle
    // (radius half the smaller side), line, or the vertices as a convex
    // polygon. Nothing when not drawing.
    void paint(QPainter& painter) const;

    QRectF rubberBand() const { return rubberBand_; }
    QLineF line() const { return line_; }
    const QVector<QPointF>& vertices() const { return vertices_; }
    int vertexCount() const { return vertexCount_; }

    // A box's corners top-left, top-right, bottom-right, bottom-left.
    static QVector<QPoint> boxCorners(const QRectF& box);

private:
    void discardShape();
    Result finishPolygon(bool closedByRightButton);

    QRectF rubberBand_;  // box of a rectangle, ellipse or circle in progress
    double startX_ = 0.0;
    double startY_ = 0.0;
    bool drawing_ = false;
    int mode_ = kNone;
    QLineF line_;
    QVector<QPointF> vertices_;  // the last one follows the mouse
    int vertexCount_ = 0;
};
