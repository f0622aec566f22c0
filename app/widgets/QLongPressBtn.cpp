#include "QLongPressBtn.h"

#include <QEvent>
#include <QTimer>

QLongPressBtn::QLongPressBtn(QWidget* parent, bool bDecrease) : QPushButton(parent), timer_(new QTimer(this))
{
    const QString name = bDecrease ? QStringLiteral("decrease") : QStringLiteral("increase");
    setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/Resource/Skin/Icon-%1_Normal.png); "
                                 "background-color:transparent;outline: none;}"
                                 "QPushButton:hover{border-image:url(:/Resource/Skin/Icon-%1_Hover.png);}"
                                 "QPushButton:pressed{border-image:url(:/Resource/Skin/Icon-%1_Select.png);}"
                                 "QPushButton:disabled{border-image:url(:/Resource/Skin/Icon-%1_Disable.png);}")
                      .arg(name));
    connect(timer_, &QTimer::timeout, this, &QLongPressBtn::setLongPressSlot);
    installEventFilter(this);
}

void QLongPressBtn::setLongPressSlot()
{
    longPressed_ = true;
    timer_->stop();
    emit sendBtnLongPressedSignal();
}

bool QLongPressBtn::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Mouse events reach the filter of a disabled button too.
            if (isEnabled()) {
                pressed_ = true;
                longPressed_ = false;
                timer_->start(kLongPressMs);
            }
        } else if (event->type() == QEvent::MouseButtonRelease && pressed_) {
            // Finished even if the button was disabled meanwhile, so a
            // running long press is always ended.
            pressed_ = false;
            timer_->stop();
            if (longPressed_) {
                emit sendBtnReleaseSignal();
            } else {
                emit sendBtnClickedSignal();
            }
        }
    }
    return QPushButton::eventFilter(watched, event);
}
