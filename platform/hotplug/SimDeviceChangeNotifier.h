// Removal notifications from the camera layer itself: its device-change
// callback, which the simulated camera calls on an unplug (SIMCAM_Unplug)
// or a reboot, and any later back-end of the layer too. The callback runs on
// a layer thread; the notification is queued to the notifier's thread.
//
// The layer keeps one callback: the newest notifier owns it, and only the
// owner clears it when destroyed. Create and destroy on the GUI thread.
#pragma once

#include "DeviceChangeNotifier.h"
#include "camsdk.h"

class SimDeviceChangeNotifier : public DeviceChangeNotifier {
    Q_OBJECT
public:
    explicit SimDeviceChangeNotifier(QObject* parent = nullptr);
    // Clears the callback (when still the owner) and waits for a running
    // call of it, so none reaches a destroyed notifier.
    ~SimDeviceChangeNotifier() override;

    bool isActive() const override;

private:
    static void onDeviceChange(int event, const USBSDK_DeviceInfo* device, void* user);

    bool m_registered = false;
};
