#include "QTemperRangeAdjust.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cmath>

#include "AppHelpers.h"
#include "SwitchButton.h"
#include "TemperRangeOwner.h"

namespace {

const char* const kTitleSource = QT_TRANSLATE_NOOP("QTemperRangeAdjust", "TemperRangeAdjust");

// Form sizes.
constexpr int kSliderHeight = 45;
constexpr int kTrackHeight = 25;
constexpr int kTitleWidth = 90;
constexpr int kLimitWidth = 60;
constexpr int kSwitchWidth = 48;
constexpr int kSwitchHeight = 24;
constexpr int kOuterSpacing = 15;
constexpr int kTitleSpacing = 6;
constexpr int kTrackSpacing = 15;

// A handle is 18 wide; its centre marks the value.
constexpr int kHandleWidth = 18;
constexpr int kHandleHeight = 25;
constexpr int kHalfHandle = kHandleWidth / 2;

const QColor kTrackColour(QStringLiteral("#273F63"));
const QColor kBandColour(QStringLiteral("#1890FF"));

// Tenths of a degree, halves away from zero: the grid the handles sit on.
int tenths(float celsius)
{
    return int(std::lround(celsius * 10.0F));
}

QString limitText(float celsius)
{
    return QString::number(double(CelsiusToShowTemper(celsius)), 'f', 1) + GetTemperUnitSymbol();
}

QPushButton* makeHandle(QWidget* parent)
{
    auto* handle = new QPushButton(parent);
    handle->setObjectName(QStringLiteral("SliderBtn"));
    handle->setFixedSize(kHandleWidth, kHandleHeight);
    return handle;
}

QLabel* makeLimitLabel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFixedWidth(kLimitWidth);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

QTemperRangeAdjust::QTemperRangeAdjust(QWidget* parent) : QWidget(parent)
{
    buildForm();
    switch_->setChecked(true);
    connect(switch_, &SwitchButton::checkedChanged, this, &QTemperRangeAdjust::setTemperRangeAjSwitchSlots);
}

void QTemperRangeAdjust::buildForm()
{
    setObjectName(QStringLiteral("QTemperRangeAdjust"));
    setFixedHeight(kSliderHeight);
    setMouseTracking(true);

    titleLabel_ = new QLabel(this);
    titleLabel_->setObjectName(QStringLiteral("temperRangeAjLabel"));
    titleLabel_->setFixedWidth(kTitleWidth);
    switch_ = new SwitchButton(this);
    switch_->setFixedSize(kSwitchWidth, kSwitchHeight);

    minLabel_ = makeLimitLabel(this, "minTemperLabel", Qt::AlignRight | Qt::AlignVCenter);
    track_ = new QWidget(this);
    track_->setObjectName(QStringLiteral("slideWidget"));
    track_->setFixedHeight(kTrackHeight);
    track_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Presses and moves over the track are the slider's own.
    track_->setAttribute(Qt::WA_TransparentForMouseEvents);
    maxLabel_ = makeLimitLabel(this, "maxTemperLabel", Qt::AlignLeft | Qt::AlignVCenter);

    auto* titleRow = new QHBoxLayout;
    titleRow->setObjectName(QStringLiteral("HBoxLayout_1"));
    titleRow->setSpacing(kTitleSpacing);
    titleRow->addWidget(titleLabel_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    titleRow->addWidget(switch_, 0, Qt::AlignLeft | Qt::AlignVCenter);

    auto* trackRow = new QHBoxLayout;
    trackRow->setObjectName(QStringLiteral("HBoxLayout_2"));
    trackRow->setSpacing(kTrackSpacing);
    trackRow->setContentsMargins(0, 0, 0, 0);
    trackRow->addWidget(minLabel_);
    trackRow->addWidget(track_, 1);
    trackRow->addWidget(maxLabel_);

    auto* row = new QHBoxLayout(this);
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->setSpacing(kOuterSpacing);
    row->addLayout(titleRow);
    row->addLayout(trackRow, 1);

    // Created after the track, so they lie above it.
    lowHandle_ = makeHandle(this);
    highHandle_ = makeHandle(this);

    lowHandle_->installEventFilter(this);
    highHandle_->installEventFilter(this);
    track_->installEventFilter(this);
    retranslate();
}

void QTemperRangeAdjust::retranslate()
{
    titleLabel_->setText(tr(kTitleSource));
}

void QTemperRangeAdjust::setOwner(TemperRangeOwner* owner)
{
    owner_ = owner;
}

void QTemperRangeAdjust::setHandlesShown(bool shown)
{
    for (QWidget* w : {static_cast<QWidget*>(lowHandle_), static_cast<QWidget*>(highHandle_),
                       static_cast<QWidget*>(minLabel_), track_, static_cast<QWidget*>(maxLabel_)}) {
        w->setVisible(shown);
    }
    shown_ = shown;
    update();
}

void QTemperRangeAdjust::setSwitchOn(bool on)
{
    switch_->setChecked(on);
}

bool QTemperRangeAdjust::isSwitchOn() const
{
    return switch_->isChecked();
}

void QTemperRangeAdjust::setLimits(float lowest, float highest)
{
    minLabel_->setText(limitText(lowest));
    maxLabel_->setText(limitText(highest));
    lowest_ = lowest;
    highest_ = highest;
}

void QTemperRangeAdjust::setValues(float low, float high)
{
    const QRect track = track_->geometry();
    const int x0 = track.x();
    const int w = track.width();
    const int right = x0 + w - 1;
    const int lowTenths = tenths(low);
    const int highTenths = tenths(high);
    const int lowestTenths = tenths(lowest_);
    const int highestTenths = tenths(highest_);

    int lowCentre = x0;
    int highCentre = right;
    if (highestTenths != lowestTenths) {
        const int span = highestTenths - lowestTenths;
        lowCentre = x0 + w * (lowTenths - lowestTenths) / span;
        highCentre = x0 - 1 + w * (highTenths - lowestTenths) / span;
    }
    if (lowCentre < x0) lowCentre = x0;
    if (highCentre > right) highCentre = right;

    placeCentres(lowCentre, highCentre);
    low_ = low;
    high_ = high;
}

void QTemperRangeAdjust::getValues(float* low, float* high) const
{
    *low = low_;
    *high = high_;
}

void QTemperRangeAdjust::reset()
{
    lowest_ = 0.0F;
    highest_ = 0.0F;
    low_ = 0.0F;
    high_ = 0.0F;
}

void QTemperRangeAdjust::recomputeValues()
{
    if (!owner_) return;
    const Range range = rangeFromBand();
    low_ = range.low;
    high_ = range.high;
    // A switched-off range is kept for later but never rendered.
    renderRange(isSwitchOn() ? range : Range{lowest_, highest_});
}

void QTemperRangeAdjust::setTemperRangeAjSwitchSlots(bool bFlags)
{
    setHandlesShown(bFlags);
    renderRange(bFlags ? Range{low_, high_} : Range{lowest_, highest_});
    update();
}

void QTemperRangeAdjust::placeCentres(int lowCentre, int highCentre)
{
    const QRect track = track_->geometry();
    lowHandle_->move(lowCentre - kHalfHandle, track.top());
    highHandle_->move(highCentre - kHalfHandle, track.top());
    band_ = QRect(lowCentre, track.top(), highCentre - lowCentre + 1, track.height());
    lastTrack_ = track;
}

void QTemperRangeAdjust::rescale()
{
    const int oldWidth = lastTrack_.width();
    const QRect track = track_->geometry();
    const int w = track.width();
    if (oldWidth < 1 || oldWidth == w) return;
    // Scaled from the track's edge now, not the remembered one: values set
    // before the slider was first laid out were placed on the track's
    // default geometry, which lies elsewhere.
    const int oldLeft = lastTrack_.left();
    const int x0 = track.x();
    const int right = x0 + w - 1;
    int lowCentre = x0 + (band_.left() - oldLeft) * w / oldWidth;
    int highCentre = (band_.left() + band_.width() - oldLeft) * w / oldWidth + x0 - 1;
    if (lowCentre < x0) lowCentre = x0;
    if (highCentre > right) highCentre = right;
    placeCentres(lowCentre, highCentre);
    update();
}

QTemperRangeAdjust::Range QTemperRangeAdjust::rangeFromBand() const
{
    const QRect track = track_->geometry();
    const float w = float(track.width());
    if (w <= 0.0F) return {low_, high_};
    const float span = highest_ - lowest_;
    const float low = lowest_ + span * float(band_.left() - track.x()) / w;
    const float high = lowest_ + span * float(band_.left() + band_.width() - track.x()) / w;
    return {low, high};
}

void QTemperRangeAdjust::renderRange(Range range)
{
    if (!owner_) return;
    owner_->setColorBarRange(range.low, range.high);
    owner_->updateHotImage(range.low, range.high);
}

void QTemperRangeAdjust::showMarkers(bool visible)
{
    if (!owner_) return;
    if (visible) {
        owner_->moveLowMarker(lowHandle_->x());
        owner_->moveHighMarker(highHandle_->x());
    }
    owner_->setLowMarkerVisible(visible);
    owner_->setHighMarkerVisible(visible);
}

bool QTemperRangeAdjust::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == track_) {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize) rescale();
    } else if (watched == lowHandle_ || watched == highHandle_) {
        auto* handle = static_cast<QPushButton*>(watched);
        const bool draggingThis = handle == lowHandle_ ? draggingLow_ : draggingHigh_;
        if (event->type() == QEvent::MouseMove && draggingThis && isSwitchOn()) {
            // The pressed handle holds the mouse, so the drag's moves come
            // here and are the slider's.
            moveTo(handle->mapToParent(static_cast<QMouseEvent*>(event)->pos()));
            return true;
        }
        handleHandleEvent(handle, event);
    }
    return QWidget::eventFilter(watched, event);
}

void QTemperRangeAdjust::handleHandleEvent(QPushButton* handle, QEvent* event)
{
    if (!isSwitchOn()) return;
    const bool low = handle == lowHandle_;
    bool& dragging = low ? draggingLow_ : draggingHigh_;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            dragging = true;
            lastPos_ = handle->mapToParent(static_cast<QMouseEvent*>(event)->pos());
            break;
        case QEvent::MouseButtonRelease:
            dragging = false;
            break;
        case QEvent::Enter:
            if (!owner_) break;
            if (low) {
                owner_->moveLowMarker(handle->x());
                owner_->setLowMarkerVisible(true);
            } else {
                owner_->moveHighMarker(handle->x());
                owner_->setHighMarkerVisible(true);
            }
            break;
        case QEvent::Leave:
            if (!owner_) break;
            if (low) {
                owner_->setLowMarkerVisible(false);
            } else {
                owner_->setHighMarkerVisible(false);
            }
            break;
        default:
            break;
    }
}

void QTemperRangeAdjust::mousePressEvent(QMouseEvent* event)
{
    if (!isSwitchOn()) return;
    if (event->button() == Qt::LeftButton && band_.contains(event->pos())) {
        setCursor(Qt::ClosedHandCursor);
        draggingBand_ = true;
        lastPos_ = event->pos();
    }
    QWidget::mousePressEvent(event);
}

void QTemperRangeAdjust::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isSwitchOn()) return;
    if (draggingBand_) {
        setCursor(Qt::OpenHandCursor);
        draggingBand_ = false;
    }
    QWidget::mouseReleaseEvent(event);
}

void QTemperRangeAdjust::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSwitchOn()) return;
    moveTo(event->pos());
    QWidget::mouseMoveEvent(event);
}

void QTemperRangeAdjust::leaveEvent(QEvent* event)
{
    if (isSwitchOn()) showMarkers(false);
    QWidget::leaveEvent(event);
}

QTemperRangeAdjust::Drag QTemperRangeAdjust::dragTo(int dx, int* lx, int* hx) const
{
    const QRect track = track_->geometry();
    const int minX = track.x() - kHalfHandle;
    const int maxX = track.x() + track.width() - 1 - kHalfHandle;
    if (draggingLow_) {
        *lx += dx;
        if (*lx > *hx - kHandleWidth) {
            *lx = *hx - kHandleWidth;
        } else if (*lx < minX) {
            *lx = minX;
        }
        return Drag::Low;
    }
    if (draggingHigh_) {
        *hx += dx;
        if (*hx < *lx + kHandleWidth) {
            *hx = *lx + kHandleWidth;
        } else if (*hx > maxX) {
            *hx = maxX;
        }
        return Drag::High;
    }
    if (draggingBand_) {
        if (*lx + dx < minX) {
            *lx = minX;
        } else if (*hx + dx > maxX) {
            *hx = maxX;
        } else {
            *lx += dx;
            *hx += dx;
        }
        return Drag::Band;
    }
    return Drag::None;
}

void QTemperRangeAdjust::moveTo(const QPoint& pos)
{
    int lx = lowHandle_->x();
    int hx = highHandle_->x();
    const Drag drag = dragTo(pos.x() - lastPos_.x(), &lx, &hx);
    if (drag != Drag::None) {
        const QRect track = track_->geometry();
        lowHandle_->move(lx, track.top());
        highHandle_->move(hx, track.top());
        if (owner_) {
            if (drag != Drag::High) owner_->moveLowMarker(lx);
            if (drag != Drag::Low) owner_->moveHighMarker(hx);
        }
        band_ = QRect(lx + kHalfHandle, track.top(), hx - lx + 1, track.height());
        const Range range = rangeFromBand();
        renderRange(range);
        low_ = range.low;
        high_ = range.high;
        update();
    } else if (band_.contains(pos)) {
        setCursor(Qt::OpenHandCursor);
        showMarkers(true);
    } else {
        setCursor(Qt::ArrowCursor);
        showMarkers(false);
    }
    lastPos_ = pos;
}

void QTemperRangeAdjust::resizeEvent(QResizeEvent* event)
{
    rescale();
    QWidget::resizeEvent(event);
}

void QTemperRangeAdjust::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (!shown_) return;
    QPainter painter(this);
    painter.fillRect(track_->geometry(), kTrackColour);
    painter.fillRect(band_, kBandColour);
}

void QTemperRangeAdjust::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
