#include "RuleResultOverlay.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "RuleResultBlock.h"
#include "StyledWidgetPaint.h"

RuleResultOverlay::RuleResultOverlay(QWidget* parent)
    : QWidget(parent), unitLabel_(new QLabel(this)), scrollArea_(new QScrollArea(this))
{
    setFixedWidth(120);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setSpacing(6);
    layout->setContentsMargins(6, 6, 6, 6);

    unitLabel_->setObjectName(QStringLiteral("temperUnitLabel"));
    unitLabel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    unitLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(unitLabel_);

    scrollArea_->setObjectName(QStringLiteral("temperInfoScrollArea"));
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_->setStyleSheet(QStringLiteral("QScrollArea{border: none;background-color:transparent;}"));
    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("TemperInfoScrollAreaWidget"));
    inner->setStyleSheet(QStringLiteral("QWidget#TemperInfoScrollAreaWidget{background-color:transparent;}"));
    blockLayout_ = new QVBoxLayout(inner);
    blockLayout_->setSpacing(10);
    blockLayout_->setContentsMargins(0, 0, 0, 0);
    blockLayout_->setAlignment(Qt::AlignTop);
    scrollArea_->setWidget(inner);
    layout->addWidget(scrollArea_);
}

QList<RuleResultBlock*> RuleResultOverlay::blocksInOrder() const
{
    QList<RuleResultBlock*> out;
    for (int i = 0; i < blockLayout_->count(); ++i)
        if (auto* b = qobject_cast<RuleResultBlock*>(blockLayout_->itemAt(i)->widget())) out << b;
    return out;
}

void RuleResultOverlay::setMouseTransparentSlots(bool bFlag)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, bFlag);
}

void RuleResultOverlay::setItemDeleteSlots(quint32 key)
{
    if (key == 0) return;
    RuleResultBlock* b = blocks_.take(key);
    if (!b) return;
    blockLayout_->removeWidget(b);
    delete b;
}

RuleResultBlock* RuleResultOverlay::findOrCreateBlock(quint32 key)
{
    if (RuleResultBlock* found = block(key)) return found;
    RuleResultBlock* b = createBlock(scrollArea_->widget());
    b->setKey(key);
    blocks_.insert(key, b);
    blockLayout_->addWidget(b);
    return b;
}

void RuleResultOverlay::clearBlocks()
{
    for (RuleResultBlock* b : qAsConst(blocks_)) {
        blockLayout_->removeWidget(b);
        delete b;
    }
    blocks_.clear();
}

QWidget* RuleResultOverlay::widgetBeneath(const QPoint& pos)
{
    QWidget* parent = parentWidget();
    if (!parent) return nullptr;
    const bool wasTransparent = testAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    QWidget* child = parent->childAt(mapToParent(pos));
    setAttribute(Qt::WA_TransparentForMouseEvents, wasTransparent);
    return child;
}

void RuleResultOverlay::passToWidgetBeneath(const QContextMenuEvent* event)
{
    QWidget* child = widgetBeneath(event->pos());
    if (!child) return;
    const QPoint local = child->mapFrom(parentWidget(), mapToParent(event->pos()));
    QCoreApplication::postEvent(child,
                                new QContextMenuEvent(event->reason(), local, event->globalPos(), event->modifiers()));
}

void RuleResultOverlay::passToWidgetBeneath(const QMouseEvent* event)
{
    QWidget* child = widgetBeneath(event->pos());
    if (!child) return;
    const QPoint local = child->mapFrom(parentWidget(), mapToParent(event->pos()));
    QCoreApplication::postEvent(child, new QMouseEvent(event->type(), local, event->windowPos(), event->screenPos(),
                                                       event->button(), event->buttons(), event->modifiers()));
}

void RuleResultOverlay::contextMenuEvent(QContextMenuEvent* event)
{
    passToWidgetBeneath(event);
}

void RuleResultOverlay::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    paintStyledWidget(this);
}
