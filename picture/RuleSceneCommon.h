// What the two rule scene controls (the live video's overlay and the picture
// analysis layer) do alike with their graphics scene, its view and their
// rule item list: the see-through view over the picture, the mouse driving
// the drawing tool, creating and taking away rule items, selecting by title,
// and letting go of the items before the control goes. GUI thread only.
#pragma once

#include <QPoint>
#include <QString>
#include <QVector>

#include <functional>

#include "RuleDrawTool.h"

class QGraphicsItem;
class QMouseEvent;
class QGraphicsScene;
class QGraphicsView;
class QWidget;
class RuleItemList;
class RuleItemOwner;

class RuleSceneCommon {
public:
    // A view of the scene that lies over the picture as a child of the
    // control (object name "GraphicsView"): antialiased, fully repainted,
    // without frame and scroll bars, transparent wherever no item is drawn.
    static QGraphicsView* createView(QWidget* control, QGraphicsScene* scene);

    // The control's mouse events driving its drawing tool (positions in the
    // control's pixels). A press grabs the mouse until the release, so that
    // the release comes to the control even outside it; a left press starts
    // the tool's shape (cross cursor). True for a left press with no tool
    // chosen: the press selects nothing.
    static bool pressTool(QWidget* control, RuleDrawTool& tool, const QMouseEvent* event);
    // While drawing, the shape follows the mouse.
    static void moveTool(QWidget* control, RuleDrawTool& tool, const QMouseEvent* event);
    // Lets the mouse go and ends the press; the control repaints and, unless
    // the drawing goes on (kPending), shows the arrow cursor again.
    static RuleDrawTool::Result releaseTool(QWidget* control, RuleDrawTool& tool, const QMouseEvent* event);

    // A rule item of a kind from its points in scene pixels (RuleItem::create),
    // reporting to owner, added to the scene and the list; null for a kind
    // outside 1..6 or too few points.
    static QGraphicsItem* addItem(QGraphicsScene* scene, RuleItemList& list, int kind, const QString& title,
                                  const QVector<QPoint>& points, RuleItemOwner* owner);
    // Takes an item off the scene and the list; its id. The caller deletes
    // it.
    static quint32 takeItem(QGraphicsScene* scene, RuleItemList& list, QGraphicsItem* item);

    // Selects the listed item titled title and deselects the others, in list
    // order. For the title "G" (the whole picture), wholePictureChosen runs
    // before each selected item is deselected. Items that a callback removed
    // from the list meanwhile are passed over.
    static void selectByTitle(const RuleItemList& list, const QString& title,
                              const std::function<void()>& wholePictureChosen);

    // The items stop reporting to their owner and the list is emptied (the
    // scene still owns the items).
    static void releaseItems(RuleItemList& list);
};
