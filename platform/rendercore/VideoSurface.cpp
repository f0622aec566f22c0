#include "VideoSurface.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyleOption>

#include <utility>

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    publishSize(size());
}

void VideoSurface::setIdlePixmap(const QPixmap& pixmap)
{
    idle_ = pixmap;
    update();
}

QSize VideoSurface::targetSize() const
{
    const quint64 packed = targetSize_.load();
    return QSize(int(packed >> 32), int(packed & 0xFFFFFFFFu));
}

void VideoSurface::postFrame(QImage image)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(postLock_);
        posted_.swap(image);
        wake = !std::exchange(wakePosted_, true);
    }
    // image now holds the picture replaced, released outside the lock.
    if (wake) QMetaObject::invokeMethod(this, &VideoSurface::showPosted, Qt::QueuedConnection);
}

void VideoSurface::postClear()
{
    QImage dropped;
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(postLock_);
        posted_.swap(dropped);
        clearPosted_ = true;
        wake = !std::exchange(wakePosted_, true);
    }
    if (wake) QMetaObject::invokeMethod(this, &VideoSurface::showPosted, Qt::QueuedConnection);
}

void VideoSurface::showPosted()
{
    QImage image;
    bool clear = false;
    {
        std::lock_guard<std::mutex> lock(postLock_);
        image.swap(posted_);
        clear = std::exchange(clearPosted_, false);
        wakePosted_ = false;
    }
    if (clear) clearFrame();
    if (!image.isNull()) showFrame(image);
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

void VideoSurface::resizeEvent(QResizeEvent* event)
{
    publishSize(event->size());
    QWidget::resizeEvent(event);
}

void VideoSurface::publishSize(const QSize& size)
{
    const quint64 w = quint64(qMax(size.width(), 0)), h = quint64(qMax(size.height(), 0));
    targetSize_.store(w << 32 | h);
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!frame_.isNull()) {
        // Centred as the worker scaled it; the bands beside it keep the
        // widget's background.
        QStyleOption option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
        const QSize size = frame_.size().boundedTo(this->size());
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.drawImage(target, frame_);
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
