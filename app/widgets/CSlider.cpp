#include "CSlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

CSlider::CSlider(QWidget* parent) : QSlider(parent) {}

void CSlider::setHorizontal(bool bHorizontal)
{
    horizontal_ = bHorizontal;
}

void CSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        if (handle.contains(event->pos())) {
            dragging_ = true;
        } else {
            const double span = double(maximum()) - minimum();
            // A collapsed slider has no position to map the click to.
            if (horizontal_ && width() >= 1) {
                setValue(int(minimum() + double(event->pos().x()) / width() * span));
            } else if (!horizontal_ && height() >= 1) {
                setValue(int(maximum() - span * (double(event->pos().y()) / height())));
            }
        }
    }
    QSlider::mousePressEvent(event);
}

void CSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) QSlider::mouseMoveEvent(event);
}

void CSlider::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    QSlider::mouseReleaseEvent(event);
}
