// The drawing that every rule item shares: the green rule pen, the handle
// squares with the brackets of the handle under the mouse, the label font,
// the undoing of the camera's image flip for texts, and the outlined text of
// the hot and cold spot marker. Plain functions over a QPainter; no state.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

class RuleItemPainter {
public:
    // One handle of an item: its number and its square in item coordinates.
    struct Handle {
        int id;
        QRectF rect;
    };

    // Bits of the image flip that labels undo (flip 3 is both).
    enum FlipBit { kUpsideDown = 1, kMirrored = 2 };

    static QColor ruleColor();  // "#00FF00"
    // Solid, 2.0 wide, rule colour, square cap, bevel join.
    static QPen rulePen();
    // The 8 x 8 handle square centred on a handle point.
    static QRectF handleRect(const QPointF& centre);
    // Fills every handle square in the rule colour; around the square of the
    // handle numbered active (if any) draws the eight bracket strokes 4 pixels
    // outside its corners with the painter's pen.
    static void drawHandles(QPainter* painter, const QVector<Handle>& handles, int active);

    // Arial, 10 points, demi-bold (weight 63), upright.
    static QFont labelFont();
    // Undoes the flip for a text of tw x th pixels, so that it reads normally
    // once the view has flipped the scene: mirrored, the painter scales by
    // (-1, 1) and moves by (-tw, 0); upside down, it scales by (1, -1) and
    // moves by (0, -th).
    static void undoFlip(QPainter* painter, int flip, int tw, int th);
    // A label anchor after undoFlip: x becomes flippedX when the flip
    // mirrors, y becomes flippedY when it turns upside down.
    static QPointF flipAnchor(int flip, const QPointF& anchor, qreal flippedX, qreal flippedY);

    // Text legible on any picture: its outline in black (3 wide, black fill),
    // then the glyphs in white over it. at is the baseline's start.
    static void drawOutlinedText(QPainter* painter, const QPointF& at, const QString& text, const QFont& font);
};
