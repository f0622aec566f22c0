#include "RuleItemPainter.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include "RuleItem.h"

QColor RuleItemPainter::ruleColor()
{
    return QColor(0x00, 0xFF, 0x00);
}

QPen RuleItemPainter::rulePen()
{
    QPen pen(ruleColor(), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    return pen;
}

QRectF RuleItemPainter::handleRect(const QPointF& centre)
{
    const qreal half = RuleItem::kHandleSize / 2.0;
    return QRectF(centre.x() - half, centre.y() - half, RuleItem::kHandleSize, RuleItem::kHandleSize);
}

void RuleItemPainter::drawHandles(QPainter* painter, const QVector<Handle>& handles, int active)
{
    for (const Handle& h : handles) painter->fillRect(h.rect, ruleColor());
    for (const Handle& h : handles) {
        if (h.id != active) continue;
        // Corners truncated to whole pixels, as the squares are drawn.
        const qreal l = static_cast<int>(h.rect.left());
        const qreal t = static_cast<int>(h.rect.top());
        const qreal r = static_cast<int>(h.rect.right());
        const qreal b = static_cast<int>(h.rect.bottom());
        const qreal g = 4;  // gap between the square and its brackets
        const QLineF brackets[] = {
            {l - g, t - g, l, t - g}, {l - g, t - g, l - g, t}, {r + g, t - g, r, t - g}, {r + g, t - g, r + g, t},
            {l - g, b + g, l, b + g}, {l - g, b + g, l - g, b}, {r + g, b + g, r, b + g}, {r + g, b + g, r + g, b},
        };
        painter->drawLines(brackets, 8);
        break;
    }
}

QFont RuleItemPainter::labelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setWeight(63);
    font.setItalic(false);
    return font;
}

void RuleItemPainter::undoFlip(QPainter* painter, int flip, int tw, int th)
{
    if (flip & kMirrored) {
        painter->scale(-1, 1);
        painter->translate(-tw, 0);
    }
    if (flip & kUpsideDown) {
        painter->scale(1, -1);
        painter->translate(0, -th);
    }
}

QPointF RuleItemPainter::flipAnchor(int flip, const QPointF& anchor, qreal flippedX, qreal flippedY)
{
    return QPointF((flip & kMirrored) ? flippedX : anchor.x(), (flip & kUpsideDown) ? flippedY : anchor.y());
}

void RuleItemPainter::drawOutlinedText(QPainter* painter, const QPointF& at, const QString& text, const QFont& font)
{
    QPainterPath path;
    path.addText(at, font, text);
    painter->save();
    painter->setPen(QPen(Qt::black, 3));
    painter->setBrush(Qt::black);
    painter->drawPath(path);
    painter->fillPath(path, Qt::white);
    painter->restore();
}
