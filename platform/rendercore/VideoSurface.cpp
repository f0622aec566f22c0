#include "VideoSurface.h"

#include <QPainter>
#include <QStyleOption>

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void VideoSurface::setIdlePixmap(const QPixmap& pixmap)
{
    idle_ = pixmap;
    update();
}

void VideoSurface::showFrame(const QImage& image)
{
    frame_ = image;
    ++shown_;
    update();
}

void VideoSurface::clearFrame()
{
    frame_ = QImage();
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!frame_.isNull()) {
        painter.drawImage(rect(), frame_);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (!idle_.isNull()) {
        const QSize size = idle_.size().scaled(this->size(), Qt::KeepAspectRatio).boundedTo(idle_.size());
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.drawPixmap(target, idle_);
    }
}
