// Mouse events on a rule scene control (the live overlay, the picture
// analysis layer) as the system delivers them: to the widget that grabbed
// the mouse, else to the control's graphics view (which passes on what the
// scene does not take). Positions are control pixels.
#pragma once

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

class SceneMouse {
public:
    SceneMouse(QWidget* control, QGraphicsView* view) : control_(control), view_(view) {}
    // Any control with a view() accessor.
    template <class Control>
    explicit SceneMouse(Control* control) : SceneMouse(control, control->view())
    {
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) const
    {
        QWidget* target = QWidget::mouseGrabber();
        if (!target) target = view_->viewport();
        const QPoint global = control_->mapToGlobal(pos);
        QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // Press, a move half way, a move to the end, release: left button.
    void drag(QPoint from, QPoint to) const
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton) const
    {
        send(QEvent::MouseButtonPress, pos, button, button);
        send(QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
    }
    // A move with no button held (the control sees it as a hover).
    void hover(QPoint pos) const { send(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
    // The control's point at fractions of its width and height.
    QPoint at(double u, double v) const { return QPoint(int(u * control_->width()), int(v * control_->height())); }

private:
    QWidget* control_;     // not owned
    QGraphicsView* view_;  // not owned; the control's
};
