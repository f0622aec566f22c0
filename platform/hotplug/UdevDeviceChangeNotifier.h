// Removal notifications for real USB devices: a udev monitor on whole USB
// devices (subsystem "usb", devtype "usb_device") whose socket is watched on
// the thread the notifier lives on. Without udev (containers, no netlink)
// it stays inactive after one debug line; the program works on without
// hot-plug detection.
#pragma once

#include "DeviceChangeNotifier.h"

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

class UdevDeviceChangeNotifier : public DeviceChangeNotifier {
    Q_OBJECT
public:
    // The libudev calls the notifier makes, replaceable so that tests can
    // make each step fail or feed events without hardware.
    struct Api {
        udev* (*udev_new)();
        udev* (*udev_unref)(udev*);
        udev_monitor* (*udev_monitor_new_from_netlink)(udev*, const char* name);
        int (*udev_monitor_filter_add_match_subsystem_devtype)(udev_monitor*, const char* subsystem,
                                                               const char* devtype);
        int (*udev_monitor_enable_receiving)(udev_monitor*);
        int (*udev_monitor_get_fd)(udev_monitor*);
        udev_device* (*udev_monitor_receive_device)(udev_monitor*);
        const char* (*udev_device_get_action)(udev_device*);
        udev_device* (*udev_device_unref)(udev_device*);
        udev_monitor* (*udev_monitor_unref)(udev_monitor*);
    };
    // libudev itself.
    static Api systemApi();

    explicit UdevDeviceChangeNotifier(QObject* parent = nullptr);
    UdevDeviceChangeNotifier(const Api& api, QObject* parent = nullptr);
    ~UdevDeviceChangeNotifier() override;

    bool isActive() const override { return m_socketNotifier != nullptr; }

private:
    bool start();
    void release();
    // One event per wake-up: the socket is not drained in a loop, so a
    // monitor that is not non-blocking cannot stall the GUI thread.
    void readEvent();

    Api m_api;
    udev* m_udev = nullptr;                       // owned reference
    udev_monitor* m_monitor = nullptr;            // owned reference
    QSocketNotifier* m_socketNotifier = nullptr;  // child; set while active
};
