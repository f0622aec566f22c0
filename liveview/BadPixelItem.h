// The marker of one bad pixel over a camera picture whose scene units are
// frame pixels: a square outline of 2w + 1 pixels centred on the pixel, blue,
// red while selected. Its kind (7) sits in item data key 1; the type stays
// the rectangle item's, which is how owners find markers in their scenes.
// GUI thread only.
#pragma once

#include <QGraphicsRectItem>

class QVideoWndWidget;

class BadPixelItem : public QGraphicsRectItem {
public:
    static constexpr int kKind = 7;

    explicit BadPixelItem(QGraphicsItem* parent = nullptr);

    // Half-width w shared by every pixel marker (5 at start); true when the
    // value changed.
    static int lineWidth();
    static bool setLineWidth(int w);
    // The square for a half-width: (-w, -w, 2w + 1, 2w + 1).
    static QRectF markerRect(int w);

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
    QVideoWndWidget* owner_ = nullptr;
    QColor color_;
};
