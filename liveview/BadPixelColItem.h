// The marker of one bad column over a camera picture whose scene units are
// frame pixels: a band 2w + 1 pixels wide centred on the column, over the
// whole frame height, blue, red while selected. Its kind (8) sits in item
// data key 1; drawn below the pixel markers. It cannot be dragged. GUI
// thread only.
#pragma once

#include <QGraphicsRectItem>

class QVideoWndWidget;

class BadPixelColItem : public QGraphicsRectItem {
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

    // Next paint takes the rectangle from the shared half-width again.
    void setPenChanged(bool changed) { penChanged_ = changed; }
    bool penChanged() const { return penChanged_; }
    // The widget told about selection and context menus; not owned.
    void setOwnerWidget(QVideoWndWidget* owner) { owner_ = owner; }
    QVideoWndWidget* ownerWidget() const { return owner_; }
    QColor color() const { return color_; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    bool penChanged_ = false;
    int column_ = 0;
    int height_ = 0;
    QVideoWndWidget* owner_ = nullptr;
    QColor color_;
};
