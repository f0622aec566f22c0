#include "VideoPointExItem.h"

#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "RuleItem.h"
#include "RuleItemPainter.h"

VideoPointExItem::VideoPointExItem()
{
    setRect(-3, -3, 7, 7);
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setData(RuleItem::kKindKey, RuleItem::kPoint);
}

VideoPointExItem::~VideoPointExItem() = default;

void VideoPointExItem::setHotColdInfo(const HotColdInfo& info)
{
    hot_ = QPoint(info.hotX, info.hotY);
    hotText_ = info.hotText;
    cold_ = QPoint(info.coldX, info.coldY);
    coldText_ = info.coldText;
    repaint();
}

void VideoPointExItem::setHotColdVisible(bool hot, bool cold)
{
    hotShown_ = hot;
    coldShown_ = cold;
    repaint();
}

void VideoPointExItem::setText(const QString& text)
{
    hotText_ = text;
    coldText_ = text;
    repaint();
}

void VideoPointExItem::setDeviceType(int type)
{
    deviceType_ = type;
    repaint();
}

void VideoPointExItem::repaint()
{
    if (scene())
        scene()->update();
    else
        update();
}

void VideoPointExItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    if (hotShown_) paintSpot(painter, hot_, hotText_, QColor(0xFF, 0x00, 0x00));
    if (coldShown_) paintSpot(painter, cold_, coldText_, QColor(0x00, 0x00, 0xFF));
}

void VideoPointExItem::paintSpot(QPainter* painter, const QPoint& at, const QString& text, const QColor& colour) const
{
    const int x = at.x();
    const int y = at.y();
    painter->setPen(QPen(colour, 2.0));
    painter->drawPoint(at);
    const int gap = 3;
    const int reach = 10;
    painter->drawLine(x - gap, y, x - reach, y);
    painter->drawLine(x + gap, y, x + reach, y);
    painter->drawLine(x, y - gap, x, y - reach);
    painter->drawLine(x, y + gap, x, y + reach);

    if (deviceType_ != 1) return;
    // Texts keep clear of the right and top edges of the view.
    const QRectF area = scene() ? scene()->sceneRect() : QRectF();
    const int width = static_cast<int>(area.width());
    const int height = static_cast<int>(area.height());
    const QFont font = RuleItemPainter::labelFont();
    const QFontMetrics metrics(font, painter->device());
    const int tw = metrics.horizontalAdvance(text);
    const int th = metrics.height();
    const int flip = owner_ ? owner_->labelFlip() : 0;

    int tx = x + 7 - (x > width - 56 ? 56 : 0);
    int ty = y - 7 + (y < 35 ? 28 : 0);
    if (flip & RuleItemPainter::kMirrored) tx = x < 56 ? -14 - x : tw - x + 14;
    if (flip & RuleItemPainter::kUpsideDown) ty = y > height - 35 ? 35 - y : -y;

    painter->save();
    RuleItemPainter::undoFlip(painter, flip, tw, th);
    RuleItemPainter::drawOutlinedText(painter, QPointF(tx, ty), text, font);
    painter->restore();
}

void VideoPointExItem::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    Q_UNUSED(event)
    if (isSelected() && owner_) owner_->execItemMenu();
}

void VideoPointExItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->ignore();
}

void VideoPointExItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    Q_UNUSED(event)
}

void VideoPointExItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    Q_UNUSED(event)
}

// Kept on a pixel of the view. The marker has no id, so its moves are not
// reported as rule changes, nor is its selection.
QVariant VideoPointExItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange && scene()) return RuleItem::clampToScene(value.toPointF(), scene()->sceneRect());
    return QGraphicsRectItem::itemChange(change, value);
}
