#include "HideTimer.h"

#include <QTimer>
#include <QWidget>

void startHideTimer(QWidget* widget, int msec)
{
    auto* timer = new QTimer(widget);
    timer->setObjectName(kHideTimerName);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, widget, &QWidget::hide);
    QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(msec);
}
