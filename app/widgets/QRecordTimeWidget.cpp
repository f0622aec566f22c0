#include "QRecordTimeWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {
// Baseline origin of the time text, just right of the 12-pixel icon.
const QPoint kTextOrigin(16, 16);
}  // namespace

QRecordTimeWidget::QRecordTimeWidget(QWidget* parent) : QWidget(parent)
{
    auto* icon = new QLabel(this);
    icon->setFixedSize(12, 12);
    icon->setStyleSheet("image: url(:/Resource/Skin/Video_REC.png);");
    auto* text = new QLabel(this);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(icon);
    layout->addWidget(text);
}

void QRecordTimeWidget::setTimeText(const QString& text)
{
    m_timeText = text;
}

void QRecordTimeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addText(kTextOrigin, font(), m_timeText);
    painter.strokePath(path, QPen(Qt::black, 3));
    painter.fillPath(path, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(kTextOrigin, m_timeText);
}
