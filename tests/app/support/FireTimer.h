// Runs a pending QTimer's expiry at once, through the timer event its
// expiry would bring (a single-shot timer stops first), so tests of timed
// behaviour do not wait on the real clock.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QTimerEvent>

inline void fireTimer(QTimer* timer)
{
    QTimerEvent expiry(timer->timerId());
    QCoreApplication::sendEvent(timer, &expiry);
}

// The running timers among parent's direct children called name, oldest
// first.
inline QList<QTimer*> runningTimers(QObject* parent, const QString& name)
{
    QList<QTimer*> running;
    for (QTimer* t : parent->findChildren<QTimer*>(name, Qt::FindDirectChildrenOnly))
        if (t->isActive()) running << t;
    return running;
}

// Holds back a timer's expiries on the real clock while it lives: the timer
// still starts, stops and reports isActive(), but only the test makes it
// tick (its slot called directly, or fire()). For tests that count what the
// ticks ask, where a loaded machine would slip in a tick of its own.
class HeldTimer : public QObject {
public:
    explicit HeldTimer(QTimer* timer) : timer_(timer) { timer_->installEventFilter(this); }
    ~HeldTimer() override { timer_->removeEventFilter(this); }
    void fire()
    {
        firing_ = true;
        fireTimer(timer_);
        firing_ = false;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer && !firing_; }

private:
    QTimer* timer_;
    bool firing_ = false;
};
