// A step button that tells a click from a press-and-hold: a release within
// 200 ms is a click; a press held longer reports the long press once at
// 200 ms and the release at its end (used to start and stop continuous
// focus, zoom or value stepping).
#pragma once

#include <QPushButton>

class QTimer;

class QLongPressBtn : public QPushButton {
    Q_OBJECT
public:
    // bDecrease picks the decrease look, else the increase look.
    explicit QLongPressBtn(QWidget* parent = nullptr, bool bDecrease = false);

    static constexpr int kLongPressMs = 200;

signals:
    void sendBtnClickedSignal();
    void sendBtnLongPressedSignal();
    void sendBtnReleaseSignal();

public slots:
    void setLongPressSlot();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* timer_;
    bool longPressed_ = false;
    // A press seen while enabled; only its release reports anything.
    bool pressed_ = false;
};
