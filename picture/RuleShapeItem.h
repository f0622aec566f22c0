// The behaviour the six rule item kinds share, written once over their Qt
// graphics item: flags, hover over the handles, press, resize by a handle,
// release, the position kept inside the scene, selection, the context menu
// and the skeleton of paint (shape, handles, label). A kind supplies its
// geometry through the hooks below.
//
// Resizing: a left press on the handle under the mouse makes the item
// selectable only, so that the drag that follows resizes it (the base move
// handler moves nothing); the release makes it movable again.
#pragma once

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QVariant>

#include "RuleItem.h"
#include "RuleItemPainter.h"

template <class GraphicsBase>
class RuleShapeItem : public GraphicsBase, public RuleItem {
public:
    // What a rule item may do when no drawing tool is chosen.
    static constexpr QGraphicsItem::GraphicsItemFlags kMovableFlags =
        QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges;

    ~RuleShapeItem() override = default;

    QGraphicsItem* graphicsItem() override { return this; }
    QVector<QPoint> updatePoints() const override { return pointsAt(this->pos()); }

    void remap(qreal sx, qreal sy, const QPointF& shift) override
    {
        // Geometry first, so that the new position is limited with the new
        // extent.
        rescaling_ = true;
        scaleGeometry(sx, sy);
        this->setPos(RuleItem::snapToPixel(this->pos().x() * sx + shift.x()),
                     RuleItem::snapToPixel(this->pos().y() * sy + shift.y()));
        rescaling_ = false;
    }

protected:
    explicit RuleShapeItem(int kind) : GraphicsBase(), RuleItem(this, kind)
    {
        if (kind == kPoint) {
            this->setFlags(kMovableFlags);
        } else {
            this->setFlags(QGraphicsItem::ItemIsSelectable);
            this->setAcceptHoverEvents(true);
        }
    }

    // ---- Hooks of a kind --------------------------------------------------
    // The points it reports were it at pos (scene coordinates, truncated).
    virtual QVector<QPoint> pointsAt(const QPointF& pos) const = 0;
    // The position nearest to pos that keeps the item inside the scene.
    virtual QPointF limitedPosition(const QPointF& pos, const QRectF& scene) const = 0;
    // Its handles in hit-test order (item coordinates); none by default.
    virtual QVector<RuleItemPainter::Handle> handles() const { return {}; }
    // The active-handle value that means "none".
    virtual int noHandle() const { return 0; }
    // Takes the scene positions a resize starts from.
    virtual void storePressGeometry() {}
    // One resize step: handle dragged to p (scene, already inside the scene).
    // False when the step is refused and nothing changed.
    virtual bool resizeTo(int handle, const QPointF& p)
    {
        Q_UNUSED(handle)
        Q_UNUSED(p)
        return false;
    }
    // Scales the geometry (not the position) by sx, sy.
    virtual void scaleGeometry(qreal sx, qreal sy) = 0;
    // Draws the shape with the rule pen set (brush and selection marks are
    // the kind's).
    virtual void drawShape(QPainter* painter, bool selected) = 0;
    // Draws the title with the label font set and the flip already undone
    // (RuleItemPainter::undoFlip); tw, th: the title's size.
    virtual void drawLabel(QPainter* painter, int flip, int tw, int th) = 0;

    bool hasActiveHandle() const { return activeHandle_ != noHandle(); }

    // ---- Shared handlers --------------------------------------------------
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override
    {
        Q_UNUSED(widget)
        const bool selected = option->state & QStyle::State_Selected;
        painter->setPen(RuleItemPainter::rulePen());
        drawShape(painter, selected);
        painter->setPen(RuleItemPainter::rulePen());
        if (selected) RuleItemPainter::drawHandles(painter, handles(), activeHandle_);

        painter->save();
        painter->setFont(RuleItemPainter::labelFont());
        const QFontMetrics metrics = painter->fontMetrics();
        const int tw = metrics.horizontalAdvance(title_);
        const int th = metrics.height();
        const int flip = owner_ ? owner_->labelFlip() : 0;
        RuleItemPainter::undoFlip(painter, flip, tw, th);
        drawLabel(painter, flip, tw, th);
        painter->restore();
    }

    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override
    {
        Q_UNUSED(event)
        if (this->isSelected() && owner_) owner_->execItemMenu();
    }

    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override
    {
        int found = noHandle();
        for (const RuleItemPainter::Handle& h : handles()) {
            if (h.rect.contains(event->pos())) {
                found = h.id;
                break;
            }
        }
        // Repaint on every change, so that the brackets also go away.
        if (found != activeHandle_) {
            activeHandle_ = found;
            this->update();
        }
        GraphicsBase::hoverMoveEvent(event);
    }

    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            // While a drawing tool is chosen the item is not selectable and
            // the press belongs to the tool.
            resizing_ = hasActiveHandle() && (this->flags() & QGraphicsItem::ItemIsSelectable);
            if (resizing_) this->setFlags(QGraphicsItem::ItemIsSelectable);
            storePressGeometry();
        }
        GraphicsBase::mousePressEvent(event);
    }

    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override
    {
        if (resizing_ && (event->buttons() & Qt::LeftButton) && this->scene()) {
            const QPointF p = clampToScene(event->scenePos(), this->scene()->sceneRect());
            if (!resizeTo(activeHandle_, p)) return;
            reportChanged();
        }
        GraphicsBase::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override
    {
        resizing_ = false;
        if (kind() != kPoint) this->setFlags(kMovableFlags);
        if (owner_) owner_->emitItemReleased();
        GraphicsBase::mouseReleaseEvent(event);
    }

    QVariant itemChange(QGraphicsItem::GraphicsItemChange change, const QVariant& value) override
    {
        if (change == QGraphicsItem::ItemPositionChange && this->scene() && !resizing_) {
            const QPointF limited = limitedPosition(value.toPointF(), this->scene()->sceneRect());
            if (owner_ && !rescaling_) {
                ItemInfo info;
                info.key = id();
                info.points = pointsAt(limited);
                owner_->emitItemChanged(info);
            }
            return limited;
        }
        if (change == QGraphicsItem::ItemSelectedChange && value.toBool() && owner_) owner_->emitItemSelected(id());
        return GraphicsBase::itemChange(change, value);
    }

private:
    bool resizing_ = false;   // a left press on a handle, until the release
    bool rescaling_ = false;  // inside rescale: moves are not reported
};
