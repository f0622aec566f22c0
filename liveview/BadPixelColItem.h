// The marker of one bad column: a band 2w + 1 pixels wide centred on the
// column over the whole frame height, kind 8, drawn below the pixel
// markers; kept inside the scene.
#pragma once

#include "BadMarkerItem.h"

class BadPixelColItem : public BadMarkerItem {
public:
    static constexpr int kKind = 8;

    explicit BadPixelColItem(QGraphicsItem* parent = nullptr);

    // Half-width w shared by every column marker (3 at start); true when
    // the value changed.
    static int lineWidth();
    static bool setLineWidth(int w);
    // The band for a half-width and a frame height: (-w, 0, 2w + 1, height).
    static QRectF markerRect(int w, int height);

    // Stores the column and the frame height and moves the marker to (x, 0).
    void setColumn(int x, int height);
    int column() const { return column_; }
    int columnHeight() const { return height_; }

protected:
    QRectF currentRect() const override;
    void announceSelected(QVideoWndWidget* owner) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    int column_ = 0;
    int height_ = 0;
};
