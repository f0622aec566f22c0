#include "SwitchButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>

SwitchButton::SwitchButton(QWidget* parent) : QWidget(parent), timer_(new QTimer(this))
{
    setMinimumSize(100, 20);
    setFont(QFont(QStringLiteral("Microsoft Yahei"), 10));
    timer_->setInterval(5);
    connect(timer_, &QTimer::timeout, this, &SwitchButton::updateValue);
}

bool SwitchButton::isAnimating() const
{
    return timer_->isActive();
}

void SwitchButton::setChecked(bool bChecked)
{
    if (checked_ == bChecked) return;
    checked_ = bChecked;
    place();
}

void SwitchButton::updateValue()
{
    if (checked_) {
        if (startX_ >= endX_) {
            startX_ = endX_;
            timer_->stop();
        } else {
            startX_ += step_;
        }
    } else {
        if (startX_ > endX_) {
            startX_ -= step_;
        } else {
            startX_ = endX_;
            timer_->stop();
        }
    }
    update();
}

void SwitchButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const qreal radius = height() / 2.0;
    QPainterPath track;
    track.addRoundedRect(QRectF(rect()), radius, radius);
    painter.fillPath(track, checked_ ? bgColorOn_ : bgColorOff_);

    const int diameter = height() - 2 * space_;
    painter.setBrush(checked_ ? sliderColorOn_ : sliderColorOff_);
    painter.drawEllipse(QRectF(startX_ + space_, space_, diameter, diameter));
}

void SwitchButton::mousePressEvent(QMouseEvent*)
{
    checked_ = !checked_;
    emit checkedChanged(checked_);
    step_ = stepForWidth();
    endX_ = checked_ ? width() - height() : 0;
    timer_->start();
}

void SwitchButton::resizeEvent(QResizeEvent*)
{
    place();
}

int SwitchButton::stepForWidth() const
{
    // At least a pixel, or a switch narrower than 10 px would never arrive.
    return std::max(1, width() / 10);
}

void SwitchButton::place()
{
    step_ = stepForWidth();
    endX_ = checked_ ? width() - height() : 0;
    startX_ = endX_;
    // A running animation would otherwise carry on towards the old target.
    timer_->stop();
    update();
}
