// Mouse events on the live rule overlay as the system delivers them: to the
// widget that grabbed the mouse, else to the overlay's viewport (which
// passes on what the scene does not take). Positions are overlay pixels.
#pragma once

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPoint>

#include "QVideoSceneViewCtrl.h"

class SceneMouse {
public:
    explicit SceneMouse(QVideoSceneViewCtrl* scene) : scene_(scene) {}

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) const
    {
        QWidget* target = QWidget::mouseGrabber();
        if (!target) target = scene_->view()->viewport();
        const QPoint global = scene_->mapToGlobal(pos);
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
    // The overlay's point at fractions of its width and height.
    QPoint at(double u, double v) const { return QPoint(int(u * scene_->width()), int(v * scene_->height())); }

private:
    QVideoSceneViewCtrl* scene_;  // not owned
};
