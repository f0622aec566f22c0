// The rule overlay of the live video: a transparent child widget of the live
// page lying exactly over the video, with a graphics view whose scene holds
// the live measurement rules. The operator picks a tool on the rule toolbar
// and draws one rule per press; the overlay names it, creates its item,
// stores its record (rule space 8192 x 8192) in the live rule set and tells
// the live page. It also reports moves, deletions and the selection (by rule
// item id, 0 = nothing / the whole picture), shows the frame rate, a caption,
// the recording time and the hot and cold spot marker, draws the boxes a
// calibration returns, and follows the image flip. GUI thread only.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>
#include <QWidget>

#include "ItemInfo.h"
#include "MetaTypes.h"
#include "RuleDrawTool.h"
#include "RuleItem.h"
#include "RuleItemList.h"
#include "VideoPointExItem.h"
#include "camsdk.h"

class QAction;
class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QMenu;
class QPushButton;
class QRecordTimeWidget;

class QVideoSceneViewCtrl : public QWidget, public RuleItemOwner {
    Q_OBJECT
public:
    // Most live rules the tools let the operator draw.
    static constexpr int kMaxLiveRules = USBSDK_MAX_RULES;

    explicit QVideoSceneViewCtrl(QWidget* parent = nullptr);
    ~QVideoSceneViewCtrl() override;

    // ---- Operations of the live page ----------------------------------------

    // Chooses a tool without the frozen and limit checks (0: none); the rule
    // items stop being selectable and movable.
    void setDrawMode(int kind);
    // Removes every rule item with its live record, announcing each
    // deletion; the hot and cold marker stays.
    void clearRules();
    void setHotColdVisible(bool hot, bool cold);
    void setHotColdInfo(const VideoPointExItem::HotColdInfo& info);
    // Both marker texts become "N/A".
    void resetHotColdText();
    // Enables or disables every scene item, the marker included.
    void setItemsEnabled(bool enabled);
    // Drawn at the bottom right at the next paint.
    void setCaptionText(const QString& text);
    void clearFpsText();
    void setRecordTimeText(const QString& text);
    void setRecordTimeVisible(bool visible);
    // The title a result row shows for a rule: "G" for 0 or an id not here.
    QString getItemTitle(quint32 id) const;
    // Title for a new rule of a kind (P1, L2, ...; empty when 32 are used).
    QString makeRuleTitle(int kind) const;
    // Rule items selectable, movable and reporting geometry (true) or not.
    void setItemsMovable(bool movable);
    // The digital zoom of the video beneath: the centre crop that a frame of
    // this size shows at this step (the whole frame at step 0 or without a
    // frame). Rules keep their place in the picture: every item is laid out
    // again through the part that is shown, and what lies outside it is
    // simply not drawn.
    void setDigitalZoom(const QSize& frame, int step);
    // The part of the frame that is shown, in fractions of its sides.
    QRectF visibleArea() const;
    // A scene point (a pixel of the picture shown) in rule space, kept inside
    // 0..8191; and a rule-space point in the scene.
    QPoint toRuleSpace(const QPoint& scenePoint) const;
    QPointF fromRuleSpace(const QPoint& rulePoint) const;

    // ---- Reports of the rule items (RuleItemOwner) ---------------------------

    void emitItemChanged(const ItemInfo& info) override;
    // Emits sendItemSelectSignals; the live page calls it with 0.
    void emitItemSelected(quint32 id) override;
    void emitItemReleased() override;
    void execItemMenu() override;
    int labelFlip() const override;

    // ---- State, for the live page and tests ------------------------------------

    int drawMode() const { return drawTool_.mode(); }
    bool isDrawing() const { return drawTool_.isDrawing(); }
    const RuleDrawTool& drawTool() const { return drawTool_; }
    QString fpsText() const { return fpsText_; }
    QString captionText() const { return captionText_; }
    int flip() const { return flip_; }
    const RuleItemList& ruleItemList() const { return ruleItems_; }
    QGraphicsScene* scene() const { return scene_; }
    QGraphicsView* view() const { return view_; }
    QMenu* itemMenu() const { return menu_; }
    VideoPointExItem* hotColdMarker() const { return marker_; }
    QWidget* ruleWidget() const { return ruleWidget_; }
    QRecordTimeWidget* recordTimeWidget() const { return recordTime_; }

signals:
    void sendAddItemSignals(quint32 key);
    // The info is valid during the call; receivers connect directly.
    void sendItemChangeSignals(const ItemInfo& info);
    void sendItemReleasedSignals();
    // After the record was deleted, before the item is destroyed.
    void sendItemDeleteSignals(quint32 key);
    void sendItemSelectSignals(quint32 key);  // 0: nothing selected
    // Declared as the picture scene has them; the live overlay never emits them.
    void sendMouseTransparentSignals(bool bFlag);
    void sendRuleDrawCompleteSignals(bool bOk);
    void sendVideoSceneViewShowSignal();
    void sendVideoFullSrceenSignal();

public slots:
    void setPointBtnSlots();
    void setLineBtnSlots();
    void setRectBtnSlots();
    void setEllipseBtnSlots();
    void setCircularBtnSlots();
    void setPolygonBtnSlots();
    void setRuleClearBtnSlots();
    // "Delete Rule": removes every selected rule item with its record.
    void setTemperRuleDelActSlots();
    // Collapses or expands the rule toolbar.
    void mergeBtnSlots();
    void setVideoPlayFpsSlots(float fFps);
    // Selects the rule item titled strTitle and deselects the others.
    void setSelectedItemSlot(const QString& strTitle);
    void setFlipChangedStateSlot(int nFlip);
    void setCalibrationRectRetSlot(bool bRet, const USBSDK_Rules& stRules);
    void setRuleWidgetEnableSlot(bool bShow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildToolbar();
    void retranslate();
    // The tool slots: frozen and limit checks, then the tool.
    void selectTool(int kind);
    // False (with the message) when the live set already holds the most rules.
    bool checkRuleLimit();
    void highlightToolButton(int kind);
    // A drawn rule: flip, title, item, record, announcement.
    void finishDrawing(int kind, const QVector<QPoint>& points);
    // Creates the rule's item and stores its record; its id, or 0 when the
    // item or the record could not be made (nothing is left behind then).
    // scenePoints lay the item out, rulePoints go into the record.
    quint32 addRule(int kind, const QString& title, const QVector<QPoint>& scenePoints,
                    const QVector<QPoint>& rulePoints, const USBSDK_GlobalTemperParam& global);
    QGraphicsItem* createItem(int kind, const QString& title, const QVector<QPoint>& points);
    // Takes a rule item off the scene and the list, deletes its record,
    // announces it and destroys it.
    void removeRuleItem(QGraphicsItem* item);
    // Lays the view, scene and items out for the current size and zoom;
    // items are mapped from the size and visible area they were laid out
    // for.
    void syncLayout();

    QGraphicsScene* scene_ = nullptr;    // child; deleted first, with its items, by the destructor
    QGraphicsView* view_ = nullptr;      // child
    QMenu* menu_ = nullptr;              // child
    QAction* deleteAction_ = nullptr;    // child of the menu
    QAction* propertyAction_ = nullptr;  // child of the menu; hidden, connected to nothing
    RuleDrawTool drawTool_;
    RuleItemList ruleItems_;
    VideoPointExItem* marker_ = nullptr;  // owned by the scene, never in the rule list
    QString fpsText_;
    QRecordTimeWidget* recordTime_ = nullptr;  // child
    int flip_ = 0;

    QPushButton* mergeBtn_ = nullptr;      // child of the toolbar
    QPushButton* pointBtn_ = nullptr;      // child of the toolbar
    QPushButton* lineBtn_ = nullptr;       // child of the toolbar
    QPushButton* rectBtn_ = nullptr;       // child of the toolbar
    QPushButton* ellipseBtn_ = nullptr;    // child of the toolbar
    QPushButton* polygonBtn_ = nullptr;    // child of the toolbar
    QPushButton* ruleClearBtn_ = nullptr;  // child of the toolbar
    QLabel* segmentLabel_ = nullptr;       // child of the toolbar
    bool collapsed_ = false;
    QWidget* ruleWidget_ = nullptr;  // child

    bool itemChanged_ = false;
    QString captionText_;
    // The size the scene and the rule items are laid out for; invalid
    // before the first layout.
    QSize layoutSize_;
    // The part of the frame shown, in pixels of a frame of zoomFrame_, cut
    // as the renderer cuts it; the whole frame unzoomed.
    QSize zoomFrame_{1, 1};
    QRect zoomCrop_{0, 0, 1, 1};
    QRectF layoutArea_{0, 0, 1, 1};  // the visible area the items are laid out for
};
