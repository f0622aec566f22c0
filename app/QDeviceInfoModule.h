// Module 2: a thin container around the device information panel that
// relays its request to the device-command worker and the answer back.
#pragma once

#include <QWidget>

#include "DeviceInformation.h"

class QDevInfo;

class QDeviceInfoModule : public QWidget {
    Q_OBJECT
public:
    explicit QDeviceInfoModule(QWidget* parent = nullptr);

    // Called when module 2 is shown or the connection changes.
    void refreshDevInfo();
    QDevInfo* panel() const { return panel_; }

signals:
    void sendGetDeviceInfoSignal();
    void sendGetDeviceInfoRetSignal(DeviceInformation stDeviceInfo);

private:
    QDevInfo* panel_ = nullptr;  // child
};
