#include "RuleSceneCommon.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPainter>

#include "RuleItem.h"
#include "RuleItemList.h"

QGraphicsView* RuleSceneCommon::createView(QWidget* control, QGraphicsScene* scene)
{
    auto* view = new QGraphicsView(control);
    view->setObjectName(QStringLiteral("GraphicsView"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setScene(scene);
    view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setStyleSheet(QStringLiteral("QGraphicsView#GraphicsView{background:transparent;border:none;}"));
    view->setBackgroundBrush(Qt::NoBrush);
    view->setAttribute(Qt::WA_TranslucentBackground);
    view->viewport()->setAutoFillBackground(false);
    view->viewport()->setAttribute(Qt::WA_TranslucentBackground);
    return view;
}

bool RuleSceneCommon::pressTool(QWidget* control, RuleDrawTool& tool, const QMouseEvent* event)
{
    control->grabMouse();
    if (event->button() != Qt::LeftButton) return false;
    if (tool.press(event->button(), event->pos())) {
        control->setCursor(Qt::CrossCursor);
        return false;
    }
    return tool.mode() == RuleDrawTool::kNone;
}

void RuleSceneCommon::moveTool(QWidget* control, RuleDrawTool& tool, const QMouseEvent* event)
{
    if (!tool.isDrawing()) return;
    tool.move(event->pos(), control->rect());
    control->update();
}

RuleDrawTool::Result RuleSceneCommon::releaseTool(QWidget* control, RuleDrawTool& tool, const QMouseEvent* event)
{
    control->releaseMouse();
    RuleDrawTool::Result result = tool.release(event->button(), event->pos(), control->rect());
    control->update();
    if (result.outcome != RuleDrawTool::Outcome::kPending) control->setCursor(Qt::ArrowCursor);
    return result;
}

QGraphicsItem* RuleSceneCommon::addItem(QGraphicsScene* scene, RuleItemList& list, int kind, const QString& title,
                                        const QVector<QPoint>& points, RuleItemOwner* owner)
{
    QGraphicsItem* item = RuleItem::create(kind, title, points, owner);
    if (!item) return nullptr;
    scene->addItem(item);
    list.append(title, item);
    return item;
}

quint32 RuleSceneCommon::takeItem(QGraphicsScene* scene, RuleItemList& list, QGraphicsItem* item)
{
    scene->removeItem(item);
    list.removeItemFromList(item);
    return RuleItem::idOf(item);
}

void RuleSceneCommon::selectByTitle(const RuleItemList& list, const QString& title,
                                    const std::function<void()>& wholePictureChosen)
{
    const bool wholePicture = title == QLatin1String("G");
    const QVector<RuleItemList::Entry> entries = list.entries();
    for (const RuleItemList::Entry& e : entries) {
        if (!list.contains(e.item)) continue;  // removed by a receiver meanwhile
        if (wholePicture && e.item->isSelected()) wholePictureChosen();
        e.item->setSelected(e.title == title);
    }
}

void RuleSceneCommon::releaseItems(RuleItemList& list)
{
    for (const RuleItemList::Entry& e : list)
        if (RuleItem* rule = RuleItem::from(e.item)) rule->setOwner(nullptr);
    list.clear();
}
