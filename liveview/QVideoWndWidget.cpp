#include "QVideoWndWidget.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "AppHelpers.h"
#include "BadPixelColItem.h"
#include "BadPixelItem.h"
#include "DeviceSdkWrapper.h"
#include "ImageOrientation.h"
#include "QVideoPlay.h"
#include "UiPrompts.h"
#include "VideoSurface.h"

namespace {

constexpr double kZoomInFactor = 1.1;
constexpr double kZoomOutFactor = 0.9;
constexpr double kMaxScale = 30.0;
constexpr double kMinScale = 0.3;

const char* const kActionNames[] = {"AddBP",       "DeleteBP",       "DeleteAllBP", "AddBPCol",
                                    "DeleteBPCol", "DeleteAllBPCol", "ImageSize"};

// The four corners of a marked pixel.
QVector<QPoint> pixelCorners(int x, int y)
{
    return {QPoint(x, y), QPoint(x + 1, y), QPoint(x + 1, y + 1), QPoint(x, y + 1)};
}

// The four corners of a marked column over the frame height.
QVector<QPoint> columnCorners(int x, int height)
{
    return {QPoint(x, 0), QPoint(x + 1, 0), QPoint(x + 1, height), QPoint(x, height)};
}

}  // namespace

QVideoWndWidget::QVideoWndWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("VideoWndWidget");
    setAttribute(Qt::WA_StyledBackground);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    videoLabel_ = new VideoSurface(this);
    layout_->addWidget(videoLabel_);
    buildView();
    retranslate();
}

QVideoWndWidget::~QVideoWndWidget()
{
    // The scene goes first, while the markers' owner is still whole.
    for (const PixelEntry& e : pixels_) e.item->setOwnerWidget(nullptr);
    for (const ColEntry& e : cols_) e.item->setOwnerWidget(nullptr);
    pixels_.clear();
    cols_.clear();
    scene_->removeEventFilter(this);
    delete view_;
    view_ = nullptr;
    delete scene_;
    scene_ = nullptr;
}

void QVideoWndWidget::buildView()
{
    videoLabel_->setObjectName("VideoWndLabel");

    scene_ = new QGraphicsScene(this);
    view_ = new QGraphicsView(scene_, this);
    view_->setObjectName("GraphicsView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setDragMode(QGraphicsView::ScrollHandDrag);
    view_->setBackgroundBrush(QBrush(Qt::black, Qt::SolidPattern));
    layout_->addWidget(view_);
    view_->hide();
    scene_->installEventFilter(this);

    menu_ = new QMenu(this);
    for (int i = kAddBP; i <= kImageSize; ++i) {
        actions_[i] = new QAction(menu_);
        actions_[i]->setObjectName(kActionNames[i]);
        menu_->addAction(actions_[i]);
    }
    connect(actions_[kAddBP], &QAction::triggered, this, &QVideoWndWidget::AddBPActSlot);
    connect(actions_[kDeleteBP], &QAction::triggered, this, &QVideoWndWidget::DelBPActSlot);
    connect(actions_[kDeleteAllBP], &QAction::triggered, this, &QVideoWndWidget::DelAllBPActSlot);
    connect(actions_[kAddBPCol], &QAction::triggered, this, &QVideoWndWidget::AddBPColActSlot);
    connect(actions_[kDeleteBPCol], &QAction::triggered, this, &QVideoWndWidget::DelBPColActSlot);
    connect(actions_[kDeleteAllBPCol], &QAction::triggered, this, &QVideoWndWidget::DelAllBPColActSlot);
    connect(actions_[kImageSize], &QAction::triggered, this, &QVideoWndWidget::AutoResizeActSlot);

    setWindowFlags(Qt::SubWindow);
}

void QVideoWndWidget::retranslate()
{
    setWindowTitle(tr("QVideoWndWidget"));
    actions_[kAddBP]->setText(tr("AddBP"));
    actions_[kDeleteBP]->setText(tr("DeleteBP"));
    actions_[kDeleteAllBP]->setText(tr("DeleteAllBP"));
    actions_[kAddBPCol]->setText(tr("AddBPCol"));
    actions_[kDeleteBPCol]->setText(tr("DeleteBPCol"));
    actions_[kDeleteAllBPCol]->setText(tr("DeleteAllBPCol"));
    actions_[kImageSize]->setText(tr("ImageSize"));
}

void QVideoWndWidget::setVideoPlay(QVideoPlay* play)
{
    videoPlay_ = play;
    if (play) connect(this, &QVideoWndWidget::sendUpdateHWndSignals, play, &QVideoPlay::setUpdateHWndSlots);
}

void QVideoWndWidget::setDisplayMode(bool bVideo)
{
    if (bVideo) {
        view_->hide();
        videoLabel_->show();
        clearPixelMarkers();
        clearColMarkers();
        if (pixmapItem_) {
            fitPicture();
            scene_->removeItem(pixmapItem_);
            delete pixmapItem_;
            pixmapItem_ = nullptr;
        }
        displayMode_ = 0;
    } else {
        videoLabel_->hide();
        view_->show();
        displayMode_ = 1;
    }
}

void QVideoWndWidget::setViewUpdatesEnabled(bool enabled)
{
    viewUpdates_ = enabled;
    videoLabel_->setIdlePixmap(enabled ? idle_ : QPixmap());
}

void QVideoWndWidget::setIdlePixmap(const QPixmap& pixmap)
{
    idle_ = pixmap;
    if (viewUpdates_) videoLabel_->setIdlePixmap(idle_);
}

int QVideoWndWidget::markerWidthForScale(double scale)
{
    return static_cast<int>(std::trunc(5.0 - scale / 6.0));
}

void QVideoWndWidget::setShowImageSlot(const QImage& image, int nW, int nH)
{
    if (image.isNull() || image.width() != nW || image.height() != nH) return;
    if (nW != imageWidth_ || nH != imageHeight_) {
        imageWidth_ = nW;
        imageHeight_ = nH;
        fitNext_ = true;
    }
    // The camera flips only its display frame; turned back, scene
    // coordinates are the sensor's, as the bad-pixel lists are.
    const QPixmap pixmap = QPixmap::fromImage(ImageOrientation::apply(image, DeviceSdkWrapper::getInstance().getFlipMode()));
    if (pixmapItem_)
        pixmapItem_->setPixmap(pixmap);
    else
        pixmapItem_ = scene_->addPixmap(pixmap);
    if (fitNext_) {
        scene_->setSceneRect(pixmap.rect());
        fitPicture();
        fitNext_ = false;
    }
}

void QVideoWndWidget::fitPicture()
{
    if (pixmapItem_) view_->fitInView(pixmapItem_, Qt::KeepAspectRatio);
    scale_ = 1.0;
    updateMarkerWidth(scale_);
}

void QVideoWndWidget::AutoResizeActSlot()
{
    fitPicture();
}

void QVideoWndWidget::zoomAt(double factor, const QPointF& scenePos)
{
    // Keep the scene point under the mouse where it was.
    const QPointF before = view_->mapFromScene(scenePos);
    view_->scale(factor, factor);
    const QPointF after = view_->mapFromScene(scenePos);
    const QPointF shift = after - before;
    view_->horizontalScrollBar()->setValue(view_->horizontalScrollBar()->value() + qRound(shift.x()));
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->value() + qRound(shift.y()));
    scale_ *= factor;
}

void QVideoWndWidget::updateMarkerWidth(double scale)
{
    const int w = markerWidthForScale(scale);
    const bool pixelChanged = BadPixelItem::setLineWidth(w);
    const bool colChanged = BadPixelColItem::setLineWidth(w);
    if (!pixelChanged && !colChanged) return;
    for (QGraphicsItem* item : scene_->items()) {
        if (item->type() != QGraphicsRectItem::Type) continue;
        if (auto* pixel = dynamic_cast<BadPixelItem*>(item))
            pixel->setPenChanged(true);
        else if (auto* col = dynamic_cast<BadPixelColItem*>(item))
            col->setPenChanged(true);
        item->update();
    }
}

QGraphicsRectItem* QVideoWndWidget::createMarkerItem(int kind, const QVector<QPoint>& corners)
{
    if (corners.isEmpty()) return nullptr;
    const QPoint at = corners.first();
    if (kind == BadPixelItem::kKind) {
        auto* item = new BadPixelItem();
        item->setOwnerWidget(this);
        item->setPos(at);
        item->setRect(BadPixelItem::markerRect(BadPixelItem::lineWidth()));
        scene_->addItem(item);
        pixels_.append({at.x(), at.y(), item});
        return item;
    }
    if (kind == BadPixelColItem::kKind) {
        const int height = gVideoHeight;
        auto* item = new BadPixelColItem();
        item->setOwnerWidget(this);
        item->setColumn(at.x(), height);
        item->setRect(BadPixelColItem::markerRect(BadPixelColItem::lineWidth(), height));
        scene_->addItem(item);
        cols_.append({at.x(), item});
        return item;
    }
    return nullptr;
}

void QVideoWndWidget::removeMarker(QGraphicsRectItem* item)
{
    if (auto* pixel = dynamic_cast<BadPixelItem*>(item)) pixel->setOwnerWidget(nullptr);
    if (auto* col = dynamic_cast<BadPixelColItem*>(item)) col->setOwnerWidget(nullptr);
    scene_->removeItem(item);
    delete item;
}

void QVideoWndWidget::clearPixelMarkers()
{
    for (const PixelEntry& e : pixels_) removeMarker(e.item);
    pixels_.clear();
}

void QVideoWndWidget::clearColMarkers()
{
    for (const ColEntry& e : cols_) removeMarker(e.item);
    cols_.clear();
}

QVector<QPoint> QVideoWndWidget::badPixels() const
{
    QVector<QPoint> out;
    for (const PixelEntry& e : pixels_) out.append(QPoint(e.x, e.y));
    return out;
}

QVector<int> QVideoWndWidget::badCols() const
{
    QVector<int> out;
    for (const ColEntry& e : cols_) out.append(e.x);
    return out;
}

BadPixelItem* QVideoWndWidget::badPixelItem(int row) const
{
    return row >= 0 && row < pixels_.size() ? pixels_[row].item : nullptr;
}

BadPixelColItem* QVideoWndWidget::badColItem(int row) const
{
    return row >= 0 && row < cols_.size() ? cols_[row].item : nullptr;
}

void QVideoWndWidget::selectBadPixelRow(BadPixelItem* item)
{
    if (tableSelecting_) return;
    for (int i = 0; i < pixels_.size(); ++i) {
        if (pixels_[i].item == item) {
            emit sendHighlightBadPixelSignal(i);
            return;
        }
    }
}

void QVideoWndWidget::selectBadColRow(BadPixelColItem* item)
{
    if (tableSelecting_) return;
    for (int i = 0; i < cols_.size(); ++i) {
        if (cols_[i].item == item) {
            emit sendHighlightBadColSignal(i);
            return;
        }
    }
}

void QVideoWndWidget::popItemContextMenu()
{
    if (!menu_->isVisible()) menu_->popup(QCursor::pos());
}

void QVideoWndWidget::AddBPActSlot()
{
    const int x = static_cast<int>(menuPos_.x());
    const int y = static_cast<int>(menuPos_.y());
    for (const PixelEntry& e : pixels_) {
        if (e.x == x && e.y == y) {
            ShowMessageBox(this, tr("The bad pixel is set"), true);
            return;
        }
    }
    createMarkerItem(BadPixelItem::kKind, pixelCorners(x, y));
    emit sendAddBadPixelSignal(x, y);
}

void QVideoWndWidget::AddBPColActSlot()
{
    const int x = static_cast<int>(menuPos_.x());
    for (const ColEntry& e : cols_) {
        if (e.x == x) {
            ShowMessageBox(this, tr("The bad column is set"), true);
            return;
        }
        if (e.x == x - 1 || e.x == x + 1) {
            ShowMessageBox(this, tr("There are adjacent bad columns"), true);
            return;
        }
    }
    createMarkerItem(BadPixelColItem::kKind, columnCorners(x, gVideoHeight));
    emit sendAddBadColSignal(x);
}

void QVideoWndWidget::DelBPActSlot()
{
    QVector<PixelEntry> kept;
    for (const PixelEntry& e : pixels_) {
        if (e.item->isSelected()) {
            removeMarker(e.item);
            emit sendDeleteBadPixelSignal(e.x, e.y);
        } else {
            kept.append(e);
        }
    }
    pixels_ = kept;
}

void QVideoWndWidget::DelBPColActSlot()
{
    QVector<ColEntry> kept;
    for (const ColEntry& e : cols_) {
        if (e.item->isSelected()) {
            removeMarker(e.item);
            emit sendDeleteBadColSignal(e.x);
        } else {
            kept.append(e);
        }
    }
    cols_ = kept;
}

void QVideoWndWidget::DelAllBPActSlot()
{
    if (!UiPrompts::instance().question(this, tr("Tip"), tr("Are you sure you want to delete all bad point markers?")))
        return;
    clearPixelMarkers();
    emit sendClearBadPixelsSignal();
}

void QVideoWndWidget::DelAllBPColActSlot()
{
    if (!UiPrompts::instance().question(this, tr("Tip"), tr("Are you sure you want to delete all bad column markers?")))
        return;
    clearColMarkers();
    emit sendClearBadColsSignal();
}

void QVideoWndWidget::getAllBadPixelsRetSlot(bool bRet, int nNum, QVector<int> rows, QVector<int> cols)
{
    if (!bRet || nNum < 1) return;
    const int n = std::min({nNum, rows.size(), cols.size()});
    for (int i = 0; i < n; ++i) createMarkerItem(BadPixelItem::kKind, pixelCorners(cols[i], rows[i]));
}

void QVideoWndWidget::getAllBadColsRetSlot(bool bRet, int nNum, QVector<int> cols)
{
    if (!bRet || nNum < 1) return;
    const int n = std::min(nNum, cols.size());
    for (int i = 0; i < n; ++i) createMarkerItem(BadPixelColItem::kKind, columnCorners(cols[i], gVideoHeight));
}

void QVideoWndWidget::setHighlightTableBadPixelSlot(int nRow)
{
    // The table asked; telling it back would be an echo.
    tableSelecting_ = true;
    for (int i = 0; i < pixels_.size(); ++i) pixels_[i].item->setSelected(i == nRow);
    tableSelecting_ = false;
}

void QVideoWndWidget::setHighlightTableBadColSlot(int nRow)
{
    tableSelecting_ = true;
    for (int i = 0; i < cols_.size(); ++i) cols_[i].item->setSelected(i == nRow);
    tableSelecting_ = false;
}

void QVideoWndWidget::setTableDeleteBadPixelSlot(int nRow)
{
    if (nRow < 0 || nRow >= pixels_.size()) return;
    removeMarker(pixels_[nRow].item);
    pixels_.remove(nRow);
}

void QVideoWndWidget::setTableDeleteBadColSlot(int nRow)
{
    if (nRow < 0 || nRow >= cols_.size()) return;
    removeMarker(cols_[nRow].item);
    cols_.remove(nRow);
}

void QVideoWndWidget::setTableDeleteAllBadPixelsSlot()
{
    clearPixelMarkers();
}

void QVideoWndWidget::setTableDeleteAllBadColsSlot()
{
    clearColMarkers();
}

bool QVideoWndWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != scene_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::GraphicsSceneMousePress: {
            auto* me = static_cast<QGraphicsSceneMouseEvent*>(event);
            if (me->button() != Qt::RightButton) break;
            // The marker under a right click is the one the menu acts on.
            scene_->clearSelection();
            QGraphicsItem* item = scene_->itemAt(me->scenePos(), view_->transform());
            if (item && item->type() == QGraphicsRectItem::Type) item->setSelected(true);
            return true;
        }
        case QEvent::GraphicsSceneMouseRelease: {
            auto* me = static_cast<QGraphicsSceneMouseEvent*>(event);
            if (me->button() != Qt::LeftButton) break;
            const bool pixelSelected =
                std::any_of(pixels_.begin(), pixels_.end(), [](const PixelEntry& e) { return e.item->isSelected(); });
            const bool colSelected =
                std::any_of(cols_.begin(), cols_.end(), [](const ColEntry& e) { return e.item->isSelected(); });
            if (!pixelSelected) emit sendHighlightBadPixelSignal(-1);
            if (!colSelected) emit sendHighlightBadColSignal(-1);
            break;
        }
        case QEvent::GraphicsSceneWheel: {
            auto* we = static_cast<QGraphicsSceneWheelEvent*>(event);
            if (we->delta() > 0) {
                if (scale_ < kMaxScale) zoomAt(kZoomInFactor, we->scenePos());
            } else if (we->delta() < 0) {
                if (scale_ > kMinScale) zoomAt(kZoomOutFactor, we->scenePos());
            }
            updateMarkerWidth(scale_);
            we->accept();
            return true;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void QVideoWndWidget::mousePressEvent(QMouseEvent* event)
{
    if (isFullScreen()) emit sendUpdateSceneViewSizeSignal(true);
    if (event->button() == Qt::RightButton && view_->isVisible()) {
        const QPointF at = view_->mapToScene(view_->viewport()->mapFrom(this, event->pos()));
        if (at.x() >= 0 && at.x() < imageWidth_ && at.y() >= 0 && at.y() < imageHeight_) {
            menuPos_ = at;
            actions_[kDeleteAllBP]->setEnabled(!pixels_.isEmpty());
            actions_[kDeleteAllBPCol]->setEnabled(!cols_.isEmpty());
            const QGraphicsItem* item = scene_->itemAt(at, view_->transform());
            const int kind = item ? item->data(1).toInt() : 0;
            actions_[kDeleteBP]->setEnabled(kind == BadPixelItem::kKind);
            actions_[kDeleteBPCol]->setEnabled(kind == BadPixelColItem::kKind);
            menu_->popup(event->globalPos());
        }
    }
    QWidget::mousePressEvent(event);
}

void QVideoWndWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    setVideoFullScreenSlot();
    QWidget::mouseDoubleClickEvent(event);
}

void QVideoWndWidget::setVideoFullScreenSlot()
{
    // Full screen is for the rendered video only.
    if (!videoLabel_->isVisibleTo(this)) return;
    toggleFullScreen();
}

void QVideoWndWidget::toggleFullScreen()
{
    if (isFullScreen()) {
        setWindowFlags(Qt::SubWindow);
        showNormal();
    } else {
        setWindowFlags(Qt::Window);
        showFullScreen();
    }
    emit sendUpdateSceneViewSizeSignal(isFullScreen());
}

void QVideoWndWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        toggleFullScreen();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QVideoWndWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit sendUpdateHWndSignals(videoLabel_);
}

void QVideoWndWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
