#include "QVideoSceneViewCtrl.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QHoverEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QtMath>

#include <cstring>
#include <optional>

#include "AppHelpers.h"
#include "DeviceSdkWrapper.h"
#include "QRecordTimeWidget.h"
#include "RuleFlip.h"
#include "RuleRecordBuilder.h"
#include "RuleSceneCommon.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"
#include "ZoomTable.h"

namespace {

constexpr int kButtonSide = 20;
constexpr int kToolbarMargin = 8;
constexpr int kToolbarSpacing = 8;
constexpr int kToolbarHeight = 36;
constexpr int kSegmentWidth = 1;
constexpr int kToolButtonCount = 7;  // the merge button and the six tools
// Room for the merge button, the divider and the six tool buttons with
// their gaps; collapsed, the merge button alone.
constexpr int kToolbarWidth =
    2 * kToolbarMargin + kToolButtonCount * kButtonSide + kSegmentWidth + kToolButtonCount * kToolbarSpacing;
constexpr int kCollapsedWidth = 2 * kToolbarMargin + kButtonSide;
constexpr int kToolbarBottomGap = 8;
constexpr int kRecordTimeWidth = 60;
constexpr int kRecordTimeHeight = 22;
constexpr int kRecordTimeRight = 65;
constexpr int kRecordTimeTop = 5;

const char* const kPlainStyle = "QPushButton{background-color:transparent;}";
const char* const kHighlightStyle = "QPushButton{background-color:rgb(55,60,28);}";

const QColor kRuleColour(0x00, 0xFF, 0x00);

UiPrompts& prompts()
{
    return UiPrompts::instance();
}

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

}  // namespace

QVideoSceneViewCtrl::QVideoSceneViewCtrl(QWidget* parent) : QWidget(parent)
{
    if (objectName().isEmpty()) setObjectName(QStringLiteral("QVideoSceneViewCtrl"));
    installEventFilter(this);
    setAttribute(Qt::WA_Hover);
    // A child of the live page stacked over the video: everything it does
    // not paint shows the video beneath.
    setAttribute(Qt::WA_TranslucentBackground);

    scene_ = new QGraphicsScene(this);
    view_ = RuleSceneCommon::createView(this, scene_);

    menu_ = new QMenu(this);
    deleteAction_ = menu_->addAction(QString());
    propertyAction_ = menu_->addAction(QString());
    propertyAction_->setVisible(false);

    marker_ = new VideoPointExItem;
    marker_->setOwner(this);
    scene_->addItem(marker_);

    recordTime_ = new QRecordTimeWidget(this);
    recordTime_->setFixedSize(kRecordTimeWidth, kRecordTimeHeight);
    recordTime_->setTimeText(QStringLiteral("%1:%2").arg(0, 2, 10, QChar('0')).arg(0, 2, 10, QChar('0')));
    recordTime_->hide();

    buildToolbar();
    retranslate();
    resize(400, 300);

    connect(mergeBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::mergeBtnSlots);
    connect(pointBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::setPointBtnSlots);
    connect(lineBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::setLineBtnSlots);
    connect(rectBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::setRectBtnSlots);
    connect(ellipseBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::setEllipseBtnSlots);
    connect(polygonBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::setPolygonBtnSlots);
    connect(ruleClearBtn_, &QPushButton::clicked, this, &QVideoSceneViewCtrl::setRuleClearBtnSlots);
    // Queued: the action fires inside the menu that a selected item opened
    // from its own event handler; the item is deleted once that has returned.
    connect(deleteAction_, &QAction::triggered, this, &QVideoSceneViewCtrl::setTemperRuleDelActSlots,
            Qt::QueuedConnection);
}

QVideoSceneViewCtrl::~QVideoSceneViewCtrl()
{
    // The items must not report to a control that is half destroyed.
    RuleSceneCommon::releaseItems(ruleItems_);
    marker_->setOwner(nullptr);
    marker_ = nullptr;
    delete scene_;
    scene_ = nullptr;
}

void QVideoSceneViewCtrl::buildToolbar()
{
    ruleWidget_ = new QWidget(this);
    ruleWidget_->setObjectName(QStringLiteral("RuleWidget"));
    ruleWidget_->setAttribute(Qt::WA_StyledBackground);
    ruleWidget_->setFixedSize(kToolbarWidth, kToolbarHeight);

    const auto makeButton = [this](QPushButton*& button, const char* name) {
        button = new QPushButton(ruleWidget_);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(kButtonSide, kButtonSide);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
    };
    makeButton(mergeBtn_, "MergeBtn");
    makeButton(pointBtn_, "PointBtn");
    makeButton(lineBtn_, "LineBtn");
    makeButton(rectBtn_, "RectBtn");
    makeButton(ellipseBtn_, "EllipseBtn");
    makeButton(polygonBtn_, "PolygonBtn");
    makeButton(ruleClearBtn_, "RuleClearBtn");
    segmentLabel_ = new QLabel(ruleWidget_);
    segmentLabel_->setObjectName(QStringLiteral("segmentLabel"));
    segmentLabel_->setFixedSize(kSegmentWidth, kButtonSide);

    auto* layout = new QHBoxLayout(ruleWidget_);
    layout->setContentsMargins(kToolbarMargin, kToolbarMargin, kToolbarMargin, kToolbarMargin);
    layout->setSpacing(kToolbarSpacing);
    for (QWidget* w :
         {static_cast<QWidget*>(mergeBtn_), static_cast<QWidget*>(segmentLabel_), static_cast<QWidget*>(pointBtn_),
          static_cast<QWidget*>(lineBtn_), static_cast<QWidget*>(rectBtn_), static_cast<QWidget*>(ellipseBtn_),
          static_cast<QWidget*>(polygonBtn_), static_cast<QWidget*>(ruleClearBtn_)})
        layout->addWidget(w);
    ruleWidget_->hide();
    highlightToolButton(RuleItem::kNone);
}

void QVideoSceneViewCtrl::retranslate()
{
    setWindowTitle(tr("QVideoSceneViewCtrl"));
    deleteAction_->setText(tr("Delete Rule"));
    propertyAction_->setText(tr("Rule Property"));
}

// ---- Tools ----------------------------------------------------------------------------

void QVideoSceneViewCtrl::setPointBtnSlots()
{
    selectTool(RuleItem::kPoint);
}

void QVideoSceneViewCtrl::setLineBtnSlots()
{
    selectTool(RuleItem::kLine);
}

void QVideoSceneViewCtrl::setRectBtnSlots()
{
    selectTool(RuleItem::kRectangle);
}

void QVideoSceneViewCtrl::setEllipseBtnSlots()
{
    selectTool(RuleItem::kEllipse);
}

void QVideoSceneViewCtrl::setCircularBtnSlots()
{
    selectTool(RuleItem::kCircle);
}

void QVideoSceneViewCtrl::setPolygonBtnSlots()
{
    selectTool(RuleItem::kPolygon);
}

void QVideoSceneViewCtrl::selectTool(int kind)
{
    if (DeviceSdkWrapper::getInstance().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    if (!checkRuleLimit()) return;
    setDrawMode(kind);
    highlightToolButton(kind);
}

bool QVideoSceneViewCtrl::checkRuleLimit()
{
    // Without a camera (or before the set is valid) there is no limit.
    const std::optional<PicRuleList> rules = store().getDevRuleList();
    if (!rules || rules->size() < kMaxLiveRules) return true;
    prompts().notice(this, tr("The maximum number of additions has been reached."));
    return false;
}

void QVideoSceneViewCtrl::setDrawMode(int kind)
{
    drawTool_.setMode(kind);
    setItemsMovable(false);
}

void QVideoSceneViewCtrl::highlightToolButton(int kind)
{
    const struct {
        int kind;
        QPushButton* button;
    } tools[] = {
        {RuleItem::kPoint, pointBtn_},     {RuleItem::kLine, lineBtn_},       {RuleItem::kRectangle, rectBtn_},
        {RuleItem::kEllipse, ellipseBtn_}, {RuleItem::kPolygon, polygonBtn_}, {-1, ruleClearBtn_},
    };
    for (const auto& tool : tools) tool.button->setStyleSheet(QLatin1String(kPlainStyle));
    for (const auto& tool : tools)
        if (tool.kind == kind) tool.button->setStyleSheet(QLatin1String(kHighlightStyle));
}

void QVideoSceneViewCtrl::setItemsMovable(bool movable)
{
    ruleItems_.setItemsMovable(movable);
}

QString QVideoSceneViewCtrl::makeRuleTitle(int kind) const
{
    return ruleItems_.makeRuleTitle(kind);
}

QString QVideoSceneViewCtrl::getItemTitle(quint32 id) const
{
    return RuleItemList::getItemTitle(ruleItems_.findById(id));
}

// ---- Drawing --------------------------------------------------------------------------

bool QVideoSceneViewCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::HoverMove) {
        const QPoint pos = static_cast<QHoverEvent*>(event)->pos();
        if (drawTool_.hover(pos, rect())) update();
    }
    return QWidget::eventFilter(watched, event);
}

void QVideoSceneViewCtrl::mousePressEvent(QMouseEvent* event)
{
    if (RuleSceneCommon::pressTool(this, drawTool_, event)) emit sendItemSelectSignals(0);
    QWidget::mousePressEvent(event);
}

void QVideoSceneViewCtrl::mouseMoveEvent(QMouseEvent* event)
{
    RuleSceneCommon::moveTool(this, drawTool_, event);
    QWidget::mouseMoveEvent(event);
}

void QVideoSceneViewCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    const RuleDrawTool::Result result = RuleSceneCommon::releaseTool(this, drawTool_, event);
    if (result.outcome == RuleDrawTool::Outcome::kPending) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (result.outcome == RuleDrawTool::Outcome::kCompleted) finishDrawing(result.kind, result.points);
    highlightToolButton(RuleItem::kNone);
    if (result.outcome == RuleDrawTool::Outcome::kTooSmall) prompts().notice(this, tr("The drawing area is too small"));
    setItemsMovable(true);
    QWidget::mouseReleaseEvent(event);
}

void QVideoSceneViewCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // While a rule is being drawn the second click of a double click is one
    // more click of the drawing (a polygon's next vertex), not a request for
    // full screen.
    if (drawTool_.isDrawing()) {
        mousePressEvent(event);
        return;
    }
    emit sendVideoFullSrceenSignal();
}

void QVideoSceneViewCtrl::finishDrawing(int kind, const QVector<QPoint>& points)
{
    // A rule the camera is never asked to measure is not drawn: without the
    // live measurement parameters there is no record to store.
    const std::optional<USBSDK_GlobalTemperParam> global = store().getDevGlobalRuleConfig();
    if (!global) {
        prompts().notice(this, tr("Get Temperature Param Fail"));
        return;
    }
    syncLayout();
    const QVector<QPoint> scenePoints = RuleFlip::mapPointsForFlip(kind, points, width(), height(), flip_);
    QVector<QPoint> rulePoints;
    rulePoints.reserve(scenePoints.size());
    for (const QPoint& p : scenePoints) rulePoints.append(toRuleSpace(p));
    const quint32 id = addRule(kind, makeRuleTitle(kind), scenePoints, rulePoints, *global);
    if (id != 0) emit sendAddItemSignals(id);
}

quint32 QVideoSceneViewCtrl::addRule(int kind, const QString& title, const QVector<QPoint>& scenePoints,
                                     const QVector<QPoint>& rulePoints, const USBSDK_GlobalTemperParam& global)
{
    QGraphicsItem* item = createItem(kind, title, scenePoints);
    if (!item) return 0;
    const quint32 id = RuleItem::idOf(item);
    // The points are in rule space already: scaled by 8192 / 8192.
    const QSize ruleSpace(RuleRecordBuilder::kRuleSpace, RuleRecordBuilder::kRuleSpace);
    std::optional<PicRuleRecord> record = RuleRecordBuilder::build(id, kind, rulePoints, ruleSpace, title, global);
    if (!record || store().addDevRule(&*record) != 0) {
        // The camera went away meanwhile (or the set is full): no item
        // without a record.
        RuleSceneCommon::takeItem(scene_, ruleItems_, item);
        delete item;
        return 0;
    }
    return id;
}

QGraphicsItem* QVideoSceneViewCtrl::createItem(int kind, const QString& title, const QVector<QPoint>& points)
{
    return RuleSceneCommon::addItem(scene_, ruleItems_, kind, title, points, this);
}

// ---- Rule set -------------------------------------------------------------------------

void QVideoSceneViewCtrl::removeRuleItem(QGraphicsItem* item)
{
    const quint32 id = RuleSceneCommon::takeItem(scene_, ruleItems_, item);
    store().delDevRule(id);
    emit sendItemDeleteSignals(id);
    delete item;
}

void QVideoSceneViewCtrl::setTemperRuleDelActSlots()
{
    // Only rule items: the hot and cold marker can be selected too.
    for (QGraphicsItem* item : scene_->selectedItems())
        if (ruleItems_.contains(item)) removeRuleItem(item);
    emit sendItemSelectSignals(0);
}

void QVideoSceneViewCtrl::setRuleClearBtnSlots()
{
    if (DeviceSdkWrapper::getInstance().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    clearRules();
    emit sendItemSelectSignals(0);
}

void QVideoSceneViewCtrl::clearRules()
{
    const QVector<RuleItemList::Entry> entries = ruleItems_.entries();
    for (const RuleItemList::Entry& e : entries) removeRuleItem(e.item);
    ruleItems_.clear();
}

void QVideoSceneViewCtrl::setSelectedItemSlot(const QString& strTitle)
{
    RuleSceneCommon::selectByTitle(ruleItems_, strTitle, [this] { emit sendItemSelectSignals(0); });
}

void QVideoSceneViewCtrl::setCalibrationRectRetSlot(bool bRet, const USBSDK_Rules& stRules)
{
    if (!bRet) return;
    const int count = int(qMin<uint32_t>(stRules.count, USBSDK_MAX_RULES));
    if (count < 1) return;
    const std::optional<USBSDK_GlobalTemperParam> global = store().getDevGlobalRuleConfig();
    if (!global) {
        prompts().notice(this, tr("Get Temperature Param Fail"));
        return;
    }
    syncLayout();
    for (int i = 0; i < count; ++i) {
        const USBSDK_Rule& rule = stRules.rule[i];
        const QString title = QString::fromUtf8(rule.name, int(strnlen(rule.name, sizeof rule.name))) + QChar(0x2103);
        // The box's corners come first, second, fourth, third.
        const auto& xy = rule.geom.area.xy;
        const QVector<QPoint> corners = {QPoint(xy[0][0], xy[0][1]), QPoint(xy[1][0], xy[1][1]),
                                         QPoint(xy[3][0], xy[3][1]), QPoint(xy[2][0], xy[2][1])};
        QVector<QPoint> sceneCorners;
        for (const QPoint& c : corners) {
            const QPointF p = fromRuleSpace(c);
            sceneCorners.append(QPoint(qFloor(p.x()), qFloor(p.y())));
        }
        const quint32 id = addRule(RuleItem::kRectangle, title, sceneCorners, corners, *global);
        if (id != 0) emit sendAddItemSignals(id);
    }
}

// ---- Reports of the items -------------------------------------------------------------

void QVideoSceneViewCtrl::emitItemChanged(const ItemInfo& info)
{
    itemChanged_ = true;
    emit sendItemChangeSignals(info);
}

void QVideoSceneViewCtrl::emitItemSelected(quint32 id)
{
    emit sendItemSelectSignals(id);
}

void QVideoSceneViewCtrl::emitItemReleased()
{
    if (!itemChanged_) return;
    itemChanged_ = false;
    emit sendItemReleasedSignals();
}

void QVideoSceneViewCtrl::execItemMenu()
{
    menu_->exec(QCursor::pos());
}

int QVideoSceneViewCtrl::labelFlip() const
{
    return DeviceSdkWrapper::getInstance().getFlipMode();
}

// ---- Display --------------------------------------------------------------------------

void QVideoSceneViewCtrl::setHotColdVisible(bool hot, bool cold)
{
    marker_->setHotColdVisible(hot, cold);
}

void QVideoSceneViewCtrl::setHotColdInfo(const VideoPointExItem::HotColdInfo& info)
{
    // Asked here rather than while painting: painting never calls the camera.
    marker_->setDeviceType(USBSDK_GetDeviceType());
    marker_->setHotColdInfo(info);
}

void QVideoSceneViewCtrl::resetHotColdText()
{
    marker_->setText(tr("N/A"));
}

void QVideoSceneViewCtrl::setItemsEnabled(bool enabled)
{
    for (QGraphicsItem* item : scene_->items()) item->setEnabled(enabled);
}

void QVideoSceneViewCtrl::setCaptionText(const QString& text)
{
    captionText_ = text;
}

void QVideoSceneViewCtrl::clearFpsText()
{
    fpsText_.clear();
}

void QVideoSceneViewCtrl::setRecordTimeText(const QString& text)
{
    recordTime_->setTimeText(text);
    recordTime_->update();
}

void QVideoSceneViewCtrl::setRecordTimeVisible(bool visible)
{
    recordTime_->setVisible(visible);
}

void QVideoSceneViewCtrl::setVideoPlayFpsSlots(float fFps)
{
    fpsText_ = QString::number(double(fFps), 'f', 1) + QStringLiteral("Fps");
    update();
}

void QVideoSceneViewCtrl::setFlipChangedStateSlot(int nFlip)
{
    // Cameras of type 0 that flip their radiometric data themselves keep
    // the overlay as it is.
    if (USBSDK_GetDeviceType() == 0 && USBSDK_GetDeviceSupportRedunInfoFlip() != 0) return;
    view_->setTransform(RuleFlip::viewTransform(nFlip));
    flip_ = nFlip;
    update();
}

void QVideoSceneViewCtrl::mergeBtnSlots()
{
    collapsed_ = !collapsed_;
    mergeBtn_->setObjectName(collapsed_ ? QStringLiteral("ExpandBtn") : QStringLiteral("MergeBtn"));
    ruleWidget_->setFixedWidth(collapsed_ ? kCollapsedWidth : kToolbarWidth);
    for (QWidget* w :
         {static_cast<QWidget*>(segmentLabel_), static_cast<QWidget*>(pointBtn_), static_cast<QWidget*>(lineBtn_),
          static_cast<QWidget*>(rectBtn_), static_cast<QWidget*>(ellipseBtn_), static_cast<QWidget*>(polygonBtn_),
          static_cast<QWidget*>(ruleClearBtn_)})
        w->setVisible(!collapsed_);
    // The style sheet picks the icon by object name.
    mergeBtn_->style()->unpolish(mergeBtn_);
    mergeBtn_->style()->polish(mergeBtn_);
    mergeBtn_->update();
}

void QVideoSceneViewCtrl::setRuleWidgetEnableSlot(bool bShow)
{
    ruleWidget_->setVisible(bShow);
}

// ---- Layout and digital zoom ------------------------------------------------------------
//
// The scene is the picture as it is shown: one scene unit is one pixel of the
// control. Zoomed, the control shows a centre crop of the frame, so the scene
// rectangle (the whole frame, where rules may lie) reaches beyond the view
// on every side; the view itself always shows (0, 0, width, height).

void QVideoSceneViewCtrl::setDigitalZoom(const QSize& frame, int step)
{
    const ZoomCrop crop = ZoomTable::crop(frame.width(), frame.height(), step);
    if (frame.width() < 1 || frame.height() < 1 || crop.width < 1 || crop.height < 1) {
        zoomFrame_ = QSize(1, 1);
        zoomCrop_ = QRect(0, 0, 1, 1);
    } else {
        // The renderer's cut: from cx / 4 to the same distance from the far edge.
        const int left = crop.cx / 4, top = crop.cy / 4;
        zoomFrame_ = frame;
        zoomCrop_ = QRect(left, top, frame.width() - 2 * left, frame.height() - 2 * top);
    }
    syncLayout();
    update();
}

QRectF QVideoSceneViewCtrl::visibleArea() const
{
    const qreal fw = zoomFrame_.width(), fh = zoomFrame_.height();
    return QRectF(zoomCrop_.x() / fw, zoomCrop_.y() / fh, zoomCrop_.width() / fw, zoomCrop_.height() / fh);
}

namespace {

// One axis of a scene point in rule space, in integers: the frame pixel
// under it is ox + p * shown / side, out of frame pixels.
int sceneToRuleAxis(int p, int side, int ox, int shown, int frame)
{
    if (side < 1 || shown < 1 || frame < 1) return 0;
    const qint64 num = (qint64(ox) * side + qint64(p) * shown) * RuleRecordBuilder::kRuleSpace;
    const qint64 den = qint64(side) * frame;
    if (num <= 0) return 0;
    return int(qMin<qint64>(num / den, RuleRecordBuilder::kRuleSpace - 1));
}

qreal ruleToSceneAxis(int r, int side, int ox, int shown, int frame)
{
    if (shown < 1) return 0;
    return (qreal(r) * frame / RuleRecordBuilder::kRuleSpace - ox) * side / shown;
}

}  // namespace

QPoint QVideoSceneViewCtrl::toRuleSpace(const QPoint& scenePoint) const
{
    return QPoint(
        sceneToRuleAxis(scenePoint.x(), width(), zoomCrop_.x(), zoomCrop_.width(), zoomFrame_.width()),
        sceneToRuleAxis(scenePoint.y(), height(), zoomCrop_.y(), zoomCrop_.height(), zoomFrame_.height()));
}

QPointF QVideoSceneViewCtrl::fromRuleSpace(const QPoint& rulePoint) const
{
    return QPointF(
        ruleToSceneAxis(rulePoint.x(), width(), zoomCrop_.x(), zoomCrop_.width(), zoomFrame_.width()),
        ruleToSceneAxis(rulePoint.y(), height(), zoomCrop_.y(), zoomCrop_.height(), zoomFrame_.height()));
}

void QVideoSceneViewCtrl::syncLayout()
{
    const QSize now = size();
    const QRectF area = visibleArea();
    view_->setGeometry(0, 0, now.width(), now.height());
    view_->setSceneRect(0, 0, now.width(), now.height());
    const qreal w = now.width(), h = now.height();
    scene_->setSceneRect(-area.x() * w / area.width(), -area.y() * h / area.height(), w / area.width(),
                         h / area.height());
    if (layoutSize_.width() > 0 && layoutSize_.height() > 0 && (layoutSize_ != now || layoutArea_ != area)) {
        // A scene point p stands over the frame fraction a.x + p / W * a.w;
        // it keeps its fraction.
        const QRectF& was = layoutArea_;
        const qreal sx = was.width() / layoutSize_.width() * w / area.width();
        const qreal sy = was.height() / layoutSize_.height() * h / area.height();
        const QPointF shift((was.x() - area.x()) * w / area.width(), (was.y() - area.y()) * h / area.height());
        for (const RuleItemList::Entry& e : ruleItems_)
            if (RuleItem* rule = RuleItem::from(e.item)) rule->remap(sx, sy, shift);
    }
    layoutSize_ = now;
    layoutArea_ = area;
}

void QVideoSceneViewCtrl::resizeEvent(QResizeEvent* event)
{
    // Rescaled from the size the items were laid out for, which is also
    // right when the control was resized while hidden.
    syncLayout();
    ruleWidget_->move(kToolbarMargin, height() - kToolbarHeight - kToolbarBottomGap);
    recordTime_->move(width() - kRecordTimeRight, kRecordTimeTop);
    QWidget::resizeEvent(event);
}

void QVideoSceneViewCtrl::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setPen(QPen(kRuleColour, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setRenderHint(QPainter::Antialiasing);
    if (!fpsText_.isEmpty()) painter.drawText(5, 20, fpsText_);
    drawTool_.paint(painter);
    if (!captionText_.isEmpty()) {
        const int tw = painter.fontMetrics().horizontalAdvance(captionText_);
        const QPointF at(width() - 10 - tw, height() - 10);
        QPainterPath path;
        path.addText(at, painter.font(), captionText_);
        painter.setPen(QPen(Qt::black, 3));
        painter.setBrush(Qt::black);
        painter.drawPath(path);
        painter.setPen(Qt::white);
        painter.drawText(at, captionText_);
    }
    // Nearly invisible, but the whole control counts as painted.
    painter.fillRect(rect(), QColor(255, 0, 0, 1));
}

void QVideoSceneViewCtrl::showEvent(QShowEvent* event)
{
    emit sendVideoSceneViewShowSignal();
    QWidget::showEvent(event);
}

void QVideoSceneViewCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
