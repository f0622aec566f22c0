// The hot and cold spot marker of the live image: a red cross on the
// hottest and a blue one on the coldest pixel, each with its temperature
// text. One per live rule overlay, at position (0, 0), so that its points
// are view pixels. It carries kind 1 in item data key 1 but is no rule item:
// it has no id and is never in a rule list. The mouse does not move it.
#pragma once

#include <QGraphicsRectItem>
#include <QPoint>
#include <QString>

class RuleItemOwner;

class VideoPointExItem : public QGraphicsRectItem {
public:
    // Where the hot and cold spots are (view pixels) and what they read.
    struct HotColdInfo {
        int hotX = 0;
        int hotY = 0;
        QString hotText;
        int coldX = 0;
        int coldY = 0;
        QString coldText;
    };

    VideoPointExItem();
    ~VideoPointExItem() override;

    void setOwner(RuleItemOwner* owner) { owner_ = owner; }
    void setHotColdInfo(const HotColdInfo& info);
    void setHotColdVisible(bool hot, bool cold);
    // Both texts (the overlay uses "N/A" while nothing is measured).
    void setText(const QString& text);
    // The camera's device type (USBSDK_GetDeviceType, cached by the
    // overlay); the texts are drawn only on type 1.
    void setDeviceType(int type);

    bool hotVisible() const { return hotShown_; }
    bool coldVisible() const { return coldShown_; }
    QString hotText() const { return hotText_; }
    QString coldText() const { return coldText_; }
    QPoint hotPoint() const { return hot_; }
    QPoint coldPoint() const { return cold_; }
    int deviceType() const { return deviceType_; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    // Presses go through to whatever lies below.
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    // One spot's cross and text.
    void paintSpot(QPainter* painter, const QPoint& at, const QString& text, const QColor& colour) const;
    // The whole overlay repaints: the crosses lie far outside the marker's
    // own rectangle.
    void repaint();

    RuleItemOwner* owner_ = nullptr;  // the rule overlay; not owned
    QString hotText_;
    QString coldText_;
    QPoint hot_;
    QPoint cold_;
    bool hotShown_ = false;
    bool coldShown_ = false;
    int deviceType_ = 0;
};
