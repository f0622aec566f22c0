#include "QSceneViewCtrl.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHoverEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cstring>
#include <optional>

#include "AppHelpers.h"
#include "PicRuleList.h"
#include "RuleFlip.h"
#include "RuleRecordBuilder.h"
#include "RuleSceneCommon.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"

namespace {

const QColor kRuleColour(0x00, 0xFF, 0x00);

// Points a stored record of each kind must carry to be drawn. A file may
// say anything: a record with fewer is skipped, and so is one with more,
// except a polygon, which keeps its first vertices.
struct StoredPoints {
    int kind;
    int needed;
    int taken;
    bool cutsExtra;
};

constexpr StoredPoints kStoredPoints[] = {
    {RuleItem::kPoint, 1, 1, false},     {RuleItem::kLine, 2, 2, false},
    {RuleItem::kRectangle, 4, 4, false}, {RuleItem::kEllipse, 4, 4, false},
    {RuleItem::kCircle, 4, 4, false},    {RuleItem::kPolygon, 3, RuleRecordBuilder::kMaxPoints, true},
};

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

// The flip of the loaded picture; none without one (the library keeps the
// last picture's flip after it was freed).
int pictureFlip()
{
    return store().isLoaded() ? store().getFlipDirection() : RuleFlip::kNone;
}

}  // namespace

QSceneViewCtrl::QSceneViewCtrl(QWidget* parent) : QWidget(parent)
{
    if (objectName().isEmpty()) setObjectName(QStringLiteral("QSceneViewCtrl"));
    installEventFilter(this);
    setAttribute(Qt::WA_Hover);
    // Lies over the picture: everything it does not paint shows the picture.
    setAttribute(Qt::WA_TranslucentBackground);

    scene_ = new QGraphicsScene(this);
    view_ = RuleSceneCommon::createView(this, scene_);

    ruleMenu_ = new QMenu(this);
    deleteAct_ = ruleMenu_->addAction(QString());
    gridMenu_ = new QMenu(this);
    gridPointAct_ = gridMenu_->addAction(QString());
    gridLockAct_ = gridMenu_->addAction(QString());
    gridQuitAct_ = gridMenu_->addAction(QString());

    retranslate();
    resize(400, 300);

    // Queued: the action fires inside the menu that a selected item opened
    // from its own event handler; the item is deleted once that has returned.
    connect(deleteAct_, &QAction::triggered, this, &QSceneViewCtrl::setTemperRuleDelActSlots, Qt::QueuedConnection);
    connect(gridPointAct_, &QAction::triggered, this, &QSceneViewCtrl::setGridDrawPointActSlot);
    connect(gridLockAct_, &QAction::triggered, this, &QSceneViewCtrl::setGridLockActSlot);
    connect(gridQuitAct_, &QAction::triggered, this, &QSceneViewCtrl::setGridQuitActSlot);
}

QSceneViewCtrl::~QSceneViewCtrl()
{
    // The items must not report to a control that is half destroyed.
    RuleSceneCommon::releaseItems(ruleItems_);
    delete scene_;
    scene_ = nullptr;
}

void QSceneViewCtrl::retranslate()
{
    setWindowTitle(tr("QSceneViewCtrl"));
    deleteAct_->setText(tr("Delete Rule"));
    gridPointAct_->setText(tr("Set the positioning point as a point rule"));
    gridLockAct_->setText(gridLocked_ ? tr("Unlock grid") : tr("Lock grid"));
    gridQuitAct_->setText(tr("Quit grid"));
}

void QSceneViewCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

// ---- Draw kind, titles, look-up -------------------------------------------------------

void QSceneViewCtrl::setDrawType(int kind)
{
    drawTool_.setMode(kind);
    gridActive_ = kind == kGridMode;
    if (gridActive_) emit sendMouseTransparentSignals(true);
    // Inert items let a press on the view through to the drawing; back in
    // selection (leaving grid mode, a tool dropped) they can be edited again.
    setItemsMovable(kind == RuleDrawTool::kNone);
    update();
}

void QSceneViewCtrl::setItemsMovable(bool on)
{
    ruleItems_.setItemsMovable(on);
}

QString QSceneViewCtrl::makeRuleTitle(int kind) const
{
    return ruleItems_.makeRuleTitle(kind);
}

QString QSceneViewCtrl::getItemTitle(quint32 id) const
{
    return RuleItemList::getItemTitle(ruleItems_.findById(id));
}

int QSceneViewCtrl::ruleKind(quint32 id) const
{
    return RuleItem::kindOf(ruleItems_.findById(id));
}

QString QSceneViewCtrl::ruleTitle(quint32 id) const
{
    return getItemTitle(id);
}

// ---- Drawing --------------------------------------------------------------------------

bool QSceneViewCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::HoverMove) {
        const QPoint pos = static_cast<QHoverEvent*>(event)->pos();
        if (drawTool_.hover(pos, rect())) update();
        if (gridActive_ && !gridLocked_) {
            gridPos_ = pos;
            emit sendCalGridTemperSignal(gridPos_);
            update();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QSceneViewCtrl::mousePressEvent(QMouseEvent* event)
{
    if (RuleSceneCommon::pressTool(this, drawTool_, event)) emit sendItemSelectSignals(0);
    // Any kind, the point and the grid too: the overlay lets the mouse by.
    if (event->button() == Qt::LeftButton && drawTool_.mode() != RuleItem::kNone)
        emit sendMouseTransparentSignals(true);
    QWidget::mousePressEvent(event);
}

void QSceneViewCtrl::mouseMoveEvent(QMouseEvent* event)
{
    RuleSceneCommon::moveTool(this, drawTool_, event);
    QWidget::mouseMoveEvent(event);
}

void QSceneViewCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (drawTool_.mode() == kGridMode) {
        // Grid mode lasts until the window leaves it.
        releaseMouse();
        if (event->button() == Qt::RightButton) gridMenu_->exec(QCursor::pos());
        update();
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const RuleDrawTool::Result result = RuleSceneCommon::releaseTool(this, drawTool_, event);
    if (result.outcome == RuleDrawTool::Outcome::kPending) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (result.outcome == RuleDrawTool::Outcome::kCompleted) finishDrawing(result.kind, result.points);
    emit sendMouseTransparentSignals(false);
    emit sendRuleDrawCompleteSignals(result.outcome != RuleDrawTool::Outcome::kTooSmall);
    setItemsMovable(true);
    QWidget::mouseReleaseEvent(event);
}

void QSceneViewCtrl::finishDrawing(int kind, const QVector<QPoint>& screenPoints)
{
    syncLayout();
    const QVector<QPoint> points = RuleFlip::mapPointsForFlip(kind, screenPoints, width(), height(), pictureFlip());
    const QString title = makeRuleTitle(kind);
    QGraphicsItem* item = createItem(kind, title, points);
    if (!item) return;
    // A point made from the grid stays as still as the others until the
    // grid mode ends.
    if (drawTool_.mode() != RuleItem::kNone) setItemsMovable(false);
    const quint32 id = RuleItem::idOf(item);
    addRuleRecord(kind, title, points, id);
    emit sendAddItemSignals(id);
}

QGraphicsItem* QSceneViewCtrl::createItem(int kind, const QString& title, const QVector<QPoint>& points)
{
    return RuleSceneCommon::addItem(scene_, ruleItems_, kind, title, points, this);
}

void QSceneViewCtrl::addRuleRecord(int kind, const QString& title, const QVector<QPoint>& points, quint32 id)
{
    const USBSDK_GlobalTemperParam* global = store().getPicGlobalRuleConfig();
    if (!global) return;
    std::optional<PicRuleRecord> record = RuleRecordBuilder::build(id, kind, points, size(), title, *global);
    if (record) store().addPicRule(&*record);
}

// ---- Rule set -------------------------------------------------------------------------

bool QSceneViewCtrl::recordGeometry(const PicRuleRecord& record, int* kind, QVector<QPoint>* points) const
{
    *kind = PicRuleRecord::typeToKind(record.rule.meterType, record.rule.param);
    const StoredPoints* row = nullptr;
    for (const StoredPoints& r : kStoredPoints)
        if (r.kind == *kind) row = &r;
    if (!row) return false;
    const int stored = record.rule.pointNum;
    if (stored < row->needed || (stored > row->taken && !row->cutsExtra)) return false;
    const int count = qMin(stored, row->taken);
    points->clear();
    for (int i = 0; i < count; ++i) points->append(QPoint(record.rule.points[i].x, record.rule.points[i].y));
    ScalePointList(*points, RuleRecordBuilder::kRuleSpace, RuleRecordBuilder::kRuleSpace, width(), height());
    return true;
}

void QSceneViewCtrl::loadRuleItems()
{
    syncLayout();
    // The list is looked up again for each record: a receiver of the
    // announcement may change the rule set.
    for (int i = 0;; ++i) {
        PicRuleList* list = store().getPicRuleList();
        if (!list || i >= list->size()) return;
        PicRuleRecord& record = list->records[i];
        int kind = RuleItem::kNone;
        QVector<QPoint> points;
        if (!recordGeometry(record, &kind, &points)) continue;
        // Records hold picture coordinates: the view shows them flipped.
        const char* name = record.rule.name;
        const QString title = QString::fromUtf8(name, int(strnlen(name, sizeof record.rule.name)));
        QGraphicsItem* item = createItem(kind, title, points);
        if (!item) continue;
        record.key = RuleItem::idOf(item);
        emit sendAddItemSignals(record.key);
    }
}

void QSceneViewCtrl::removeRuleItem(QGraphicsItem* item)
{
    const quint32 id = RuleSceneCommon::takeItem(scene_, ruleItems_, item);
    store().delPicRule(id);
    emit sendItemDeleteSignals(id);
    delete item;
}

void QSceneViewCtrl::setTemperRuleDelActSlots()
{
    // Topmost first, as the scene lists them.
    const QList<QGraphicsItem*> items = scene_->items();
    for (QGraphicsItem* item : items)
        if (item->isSelected() && ruleItems_.contains(item)) removeRuleItem(item);
    emit sendItemSelectSignals(0);
}

void QSceneViewCtrl::clearAllItems()
{
    const QVector<RuleItemList::Entry> entries = ruleItems_.entries();
    for (const RuleItemList::Entry& e : entries) removeRuleItem(e.item);
    ruleItems_.clear();
}

void QSceneViewCtrl::setSelectedItemSlot(const QString& strTitle)
{
    RuleSceneCommon::selectByTitle(ruleItems_, strTitle, [this] { emit sendItemSelectSignals(0); });
}

// ---- Grid -----------------------------------------------------------------------------

void QSceneViewCtrl::setGridPosChangedSlot(QPointF pos)
{
    gridLocked_ = true;
    gridPos_ = pos;
    gridLockAct_->setText(tr("Unlock grid"));
    update();
}

void QSceneViewCtrl::setGridLockActSlot()
{
    gridLocked_ = !gridLocked_;
    gridLockAct_->setText(gridLocked_ ? tr("Unlock grid") : tr("Lock grid"));
}

void QSceneViewCtrl::setGridDrawPointActSlot()
{
    const PicRuleList* list = store().getPicRuleList();
    if (!list) return;
    if (list->size() >= kMaxPictureRules) {
        UiPrompts::instance().notice(this, tr("Can not add more rules"));
        return;
    }
    finishDrawing(RuleItem::kPoint, {gridPos_.toPoint()});
}

void QSceneViewCtrl::setGridQuitActSlot()
{
    gridLocked_ = false;
    gridLockAct_->setText(tr("Lock grid"));
    emit sendQuitGridModeSignal();
    emit sendMouseTransparentSignals(false);
}

// ---- Reports of the items -------------------------------------------------------------

void QSceneViewCtrl::emitItemChanged(const ItemInfo& info)
{
    emit sendItemChangeSignals(info);
}

void QSceneViewCtrl::emitItemSelected(quint32 id)
{
    emit sendItemSelectSignals(id);
}

void QSceneViewCtrl::emitItemReleased()
{
    // The window takes every change as it comes.
}

void QSceneViewCtrl::execItemMenu()
{
    ruleMenu_->exec(QCursor::pos());
}

int QSceneViewCtrl::labelFlip() const
{
    return pictureFlip();
}

// ---- Display and layout ---------------------------------------------------------------

void QSceneViewCtrl::setFlipDirection(int flip)
{
    view_->setTransform(RuleFlip::viewTransform(flip));
    update();
}

void QSceneViewCtrl::syncLayout()
{
    const QSize now = size();
    view_->setGeometry(0, 0, now.width(), now.height());
    view_->setSceneRect(0, 0, now.width(), now.height());
    scene_->setSceneRect(0, 0, now.width(), now.height());
    // Records keep their rule-space points; only the items follow the size.
    if (layoutSize_.width() > 0 && layoutSize_.height() > 0 && layoutSize_ != now)
        for (const RuleItemList::Entry& e : ruleItems_)
            if (RuleItem* rule = RuleItem::from(e.item)) rule->rescale(layoutSize_, now);
    layoutSize_ = now;
}

void QSceneViewCtrl::resizeEvent(QResizeEvent* event)
{
    // Rescaled from the size the items were laid out for, which is also
    // right when the control was resized while hidden.
    syncLayout();
    QWidget::resizeEvent(event);
}

void QSceneViewCtrl::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    if (!isDrawing()) return;
    QPainter painter(this);
    painter.setPen(QPen(kRuleColour, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setRenderHint(QPainter::Antialiasing);
    drawTool_.paint(painter);
    if (gridActive_) {
        painter.drawLine(QPointF(gridPos_.x(), height()), QPointF(gridPos_.x(), 0));
        painter.drawLine(QPointF(0, gridPos_.y()), QPointF(width(), gridPos_.y()));
    }
}
