// The image flip applied to rule points. The rule layer shows the scene
// through the view's flip transform, so a point drawn at a view position
// lies at the mirrored scene position; mirroring twice gives the point back,
// so the same routine maps drawn points to the scene and scene points back.
#pragma once

#include <QPoint>
#include <QTransform>
#include <QVector>

class RuleFlip {
public:
    // Flip modes: 0 none, 1 upside down, 2 mirrored left to right, 3 both.
    enum Mode { kNone = 0, kVertical = 1, kHorizontal = 2, kBoth = 3 };

    // Mirrors each point in a width x height area (flip 1: y -> height - y,
    // 2: x -> width - x, 3: both; 0 or another value: unchanged). For a
    // rectangle, ellipse or circle (kinds 3, 4, 5) with four corners the
    // corners are then reordered so that the first is the top-left one again
    // and the order stays top-left, top-right, bottom-right, bottom-left.
    static QVector<QPoint> mapPointsForFlip(int kind, const QVector<QPoint>& points, int width, int height, int flip);

    // The transform a rule scene's graphics view shows its scene through:
    // flip 1 turns it 180 degrees about the X axis (upside down), 2 about
    // the Y axis (mirrored left to right), 3 about the Z axis (both); 0 or
    // another value: the identity.
    static QTransform viewTransform(int flip);
};
