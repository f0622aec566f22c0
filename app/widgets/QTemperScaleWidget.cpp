#include "QTemperScaleWidget.h"

#include <QPainter>
#include <QTransform>

QTemperScaleWidget::QTemperScaleWidget(QWidget* parent) : QWidget(parent)
{
    setFixedWidth(16);
}

void QTemperScaleWidget::setPicFromData(const uchar* data, int len)
{
    if (!data || len <= 0) return;
    QPixmap strip;
    if (!strip.loadFromData(data, static_cast<uint>(len))) return;
    // Scaled lying down, then turned a quarter anticlockwise: the strip's
    // right (hot) end ends up at the top.
    m_pixmap = strip.scaled(height(), width(), Qt::IgnoreAspectRatio).transformed(QTransform().rotate(-90));
    update();
}

void QTemperScaleWidget::paintEvent(QPaintEvent*)
{
    if (m_pixmap.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_pixmap);
}
