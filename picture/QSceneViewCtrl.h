// The rule layer of the picture analysis window: a widget of exactly the
// size of the shown picture, lying over it, with a graphics view whose scene
// holds the picture's measurement rules. The operator picks a kind (through
// the window) and draws one rule per press; the layer names it, creates its
// item, stores its record (rule space 8192 x 8192 over the whole picture) in
// the picture rule set of ThermalImageData and tells the window. It rebuilds
// the items from the rule set of a loaded picture, reports moves, deletions
// and the selection by rule item id (0 = nothing / the whole picture "G"),
// offers the rule context menu, and runs the grid mode: a cross-hair that
// follows the mouse, can be locked and can become a point rule.
//
// Scene coordinates are widget pixels (the scene rect is the widget rect).
// With a picture flip the view shows the scene flipped that way; what the
// operator draws on screen is mirrored back before it becomes a rule.
// GUI thread only.
#pragma once

#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>
#include <QWidget>

#include "ItemInfo.h"
#include "RuleDrawTool.h"
#include "RuleItem.h"
#include "RuleItemList.h"
#include "RuleLookup.h"

class QAction;
class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QMenu;
struct PicRuleRecord;

class QSceneViewCtrl : public QWidget, public RuleItemOwner, public RuleLookup {
    Q_OBJECT
public:
    // The draw kind of the grid mode (the rule kinds are 1..6, 0 none).
    static constexpr int kGridMode = 9;
    // Most rules the picture rule set takes from the grid's point action.
    static constexpr int kMaxPictureRules = RuleItemList::kMaxTitleNumber;

    explicit QSceneViewCtrl(QWidget* parent = nullptr);
    ~QSceneViewCtrl() override;

    // ---- Operations of the analysis window ---------------------------------------

    // Chooses the draw kind (0 selection, 1..6 a rule kind, 9 the grid);
    // the rule items stop being selectable and movable. The window checks
    // the rule limit before it chooses a rule kind.
    void setDrawType(int kind);
    int drawType() const { return drawTool_.mode(); }
    // A rule is being drawn, or the grid cross-hair is active.
    bool isDrawing() const { return drawTool_.isDrawing() || gridActive_; }
    // Builds one item per record of the picture rule set (nothing without
    // one) and stores each item's id as its record's key. Records whose
    // type, shape or point count names no rule are skipped.
    void loadRuleItems();
    // Removes every rule item with its record, announcing each deletion.
    void clearAllItems();
    // The view shows the scene flipped: 0 none, 1 upside down, 2 mirrored
    // left to right, 3 both.
    void setFlipDirection(int flip);
    // The title a result row shows for a rule: "G" for 0 or an id not here.
    QString getItemTitle(quint32 id) const;
    // Title for a new rule of a kind (P1, L2, ...; empty when 32 are used).
    QString makeRuleTitle(int kind) const;
    // Rule items selectable, movable and reporting geometry (true) or not.
    void setItemsMovable(bool on);

    // ---- RuleLookup ----------------------------------------------------------------

    int ruleKind(quint32 id) const override;
    QString ruleTitle(quint32 id) const override;

    // ---- Reports of the rule items (RuleItemOwner) ---------------------------------

    void emitItemChanged(const ItemInfo& info) override;
    void emitItemSelected(quint32 id) override;
    void emitItemReleased() override;
    void execItemMenu() override;
    // The flip of the loaded picture.
    int labelFlip() const override;

    // ---- State, for the window and tests ------------------------------------------

    const RuleItemList& ruleItemList() const { return ruleItems_; }
    const RuleDrawTool& drawTool() const { return drawTool_; }
    QGraphicsScene* scene() const { return scene_; }
    QGraphicsView* view() const { return view_; }
    QMenu* ruleMenu() const { return ruleMenu_; }
    QMenu* gridMenu() const { return gridMenu_; }
    bool isGridLocked() const { return gridLocked_; }
    QPointF gridPos() const { return gridPos_; }

signals:
    void sendAddItemSignals(quint32 key);
    void sendItemChangeSignals(ItemInfo info);
    // After the record was deleted, before the item is destroyed.
    void sendItemDeleteSignals(quint32 key);
    void sendItemSelectSignals(quint32 key);  // 0: nothing selected
    void sendMouseTransparentSignals(bool bFlag);
    // A drawing ended: false when the shape was too small.
    void sendRuleDrawCompleteSignals(bool bOk);
    // The grid cross-hair moved to pos (widget pixels).
    void sendCalGridTemperSignal(QPointF pos);
    void sendQuitGridModeSignal();

public slots:
    // "Delete Rule": removes every selected rule item with its record.
    void setTemperRuleDelActSlots();
    // A grid position typed by the operator: the cross-hair goes there and
    // is locked.
    void setGridPosChangedSlot(QPointF pos);
    // The grid position becomes a point rule (not with 32 rules or more).
    void setGridDrawPointActSlot();
    // Locks or unlocks the cross-hair.
    void setGridLockActSlot();
    // Unlocks and asks the window to leave grid mode.
    void setGridQuitActSlot();
    // Selects the rule item titled strTitle and deselects the others.
    void setSelectedItemSlot(const QString& strTitle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // A drawn rule (points on screen): unflipped, named, item, record,
    // announcement. The item is made even without a picture.
    void finishDrawing(int kind, const QVector<QPoint>& screenPoints);
    QGraphicsItem* createItem(int kind, const QString& title, const QVector<QPoint>& points);
    // Stores the record of a new item in the picture rule set; nothing
    // without a picture.
    void addRuleRecord(int kind, const QString& title, const QVector<QPoint>& points, quint32 id);
    // The kind and points of a stored record in widget pixels; false when
    // the record names no rule this layer can draw.
    bool recordGeometry(const PicRuleRecord& record, int* kind, QVector<QPoint>* points) const;
    // Takes a rule item off the scene and the list, deletes its record,
    // announces it and destroys it.
    void removeRuleItem(QGraphicsItem* item);
    // View and scene to the widget's size; items rescaled from the size
    // they were laid out for.
    void syncLayout();

    QGraphicsScene* scene_ = nullptr;  // child; deleted first, with its items, by the destructor
    QGraphicsView* view_ = nullptr;    // child
    QMenu* ruleMenu_ = nullptr;        // child
    QAction* deleteAct_ = nullptr;     // child of the rule menu
    QMenu* gridMenu_ = nullptr;        // child
    QAction* gridPointAct_ = nullptr;  // child of the grid menu
    QAction* gridLockAct_ = nullptr;   // child of the grid menu
    QAction* gridQuitAct_ = nullptr;   // child of the grid menu
    RuleDrawTool drawTool_;
    RuleItemList ruleItems_;
    bool gridActive_ = false;  // kind 9: the cross-hair is shown
    bool gridLocked_ = false;
    QPointF gridPos_;
    // The size the scene and the items are laid out for; invalid before the
    // first layout.
    QSize layoutSize_;
};
