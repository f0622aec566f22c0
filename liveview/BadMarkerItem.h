// What the two bad-pixel markers (a pixel's square, a column's band) share
// over a camera picture whose scene units are frame pixels: an outline one
// screen pixel wide at every zoom, blue, red while selected; the kind in
// item data key 1; the owner's table told when a marker becomes selected
// (not on every repaint); the owner's context menu for a selected marker.
// Markers never follow the mouse. GUI thread only.
#pragma once

#include <QColor>
#include <QGraphicsRectItem>

class QVideoWndWidget;

class BadMarkerItem : public QGraphicsRectItem {
public:
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
    BadMarkerItem(int kind, qreal z, QGraphicsItem* parent);

    // The outline for the shared half-width of the marker's kind.
    virtual QRectF currentRect() const = 0;
    // Selects the marker's row in the owner's table.
    virtual void announceSelected(QVideoWndWidget* owner) = 0;

    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    bool penChanged_ = false;
    QVideoWndWidget* owner_ = nullptr;
    QColor color_{0, 0, 255};
};
