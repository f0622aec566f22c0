#include "QTimerMessageboxExWidget.h"

#include <QColor>
#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

#include "HideTimer.h"
#include "StyledWidgetPaint.h"

QTimerMessageboxExWidget::QTimerMessageboxExWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("TimerMessageboxWidget");
    setFixedHeight(30);

    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName("Label_FF_85");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(m_textLabel);

    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::black);
    shadow->setBlurRadius(5);
    setGraphicsEffect(shadow);
}

void QTimerMessageboxExWidget::showMessage(const QString& text, const QPoint& pos, int msec)
{
    const int textWidth = m_textLabel->fontMetrics().horizontalAdvance(text);
    setFixedWidth(std::max(static_cast<int>(1.2 * textWidth), width()));
    m_textLabel->setText(text);
    move(pos);
    raise();
    show();
    startHideTimer(this, msec);
}

void QTimerMessageboxExWidget::setHideWndTimer()
{
    hide();
}

void QTimerMessageboxExWidget::paintEvent(QPaintEvent*)
{
    paintStyledWidget(this);
}
