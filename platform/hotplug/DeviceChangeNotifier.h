// A source of USB device-removal notifications for the live page, which
// then checks whether its own camera is gone. Arrivals are not reported:
// cameras are connected only through the connection dialog. Every source
// emits on the thread it lives on (the GUI thread).
#pragma once

#include <QObject>

class DeviceChangeNotifier : public QObject {
    Q_OBJECT
public:
    explicit DeviceChangeNotifier(QObject* parent = nullptr);
    ~DeviceChangeNotifier() override;

    // False when the source could not start; it then never emits.
    virtual bool isActive() const = 0;

signals:
    // Some USB device went away, not necessarily the camera.
    void deviceRemoved();
};
