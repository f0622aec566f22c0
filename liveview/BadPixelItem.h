// The marker of one bad pixel: a square outline of 2w + 1 pixels centred on
// the pixel, kind 7. The type stays the rectangle item's, which is how
// owners find markers in their scenes.
#pragma once

#include "BadMarkerItem.h"

class BadPixelItem : public BadMarkerItem {
public:
    static constexpr int kKind = 7;

    explicit BadPixelItem(QGraphicsItem* parent = nullptr);

    // Half-width w shared by every pixel marker (5 at start); true when the
    // value changed.
    static int lineWidth();
    static bool setLineWidth(int w);
    // The square for a half-width: (-w, -w, 2w + 1, 2w + 1).
    static QRectF markerRect(int w);

protected:
    QRectF currentRect() const override;
    void announceSelected(QVideoWndWidget* owner) override;
};
