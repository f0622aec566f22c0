#include "UdevDeviceChangeNotifier.h"

#include <libudev.h>

#include <QSocketNotifier>
#include <QtDebug>

#include <cstring>

UdevDeviceChangeNotifier::Api UdevDeviceChangeNotifier::systemApi()
{
    return Api{::udev_new,
               ::udev_unref,
               ::udev_monitor_new_from_netlink,
               ::udev_monitor_filter_add_match_subsystem_devtype,
               ::udev_monitor_enable_receiving,
               ::udev_monitor_get_fd,
               ::udev_monitor_receive_device,
               ::udev_device_get_action,
               ::udev_device_unref,
               ::udev_monitor_unref};
}

UdevDeviceChangeNotifier::UdevDeviceChangeNotifier(QObject* parent) : UdevDeviceChangeNotifier(systemApi(), parent) {}

UdevDeviceChangeNotifier::UdevDeviceChangeNotifier(const Api& api, QObject* parent)
    : DeviceChangeNotifier(parent), m_api(api)
{
    if (!start()) {
        release();
        qDebug("USB device removal is not watched: no udev monitor");
    }
}

UdevDeviceChangeNotifier::~UdevDeviceChangeNotifier()
{
    release();
}

bool UdevDeviceChangeNotifier::start()
{
    m_udev = m_api.udev_new();
    if (!m_udev) return false;
    // Events as udev has processed them, not the kernel's raw ones.
    m_monitor = m_api.udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor) return false;
    // Whole devices only: every interface of a camera would report too.
    if (m_api.udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0) return false;
    if (m_api.udev_monitor_enable_receiving(m_monitor) < 0) return false;
    const int fd = m_api.udev_monitor_get_fd(m_monitor);
    if (fd < 0) return false;
    m_socketNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_socketNotifier, &QSocketNotifier::activated, this, &UdevDeviceChangeNotifier::readEvent);
    return true;
}

void UdevDeviceChangeNotifier::release()
{
    // Stop watching before the socket closes.
    delete m_socketNotifier;
    m_socketNotifier = nullptr;
    if (m_monitor) m_api.udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev) m_api.udev_unref(m_udev);
    m_udev = nullptr;
}

void UdevDeviceChangeNotifier::readEvent()
{
    udev_device* device = m_api.udev_monitor_receive_device(m_monitor);
    if (!device) return;
    const char* action = m_api.udev_device_get_action(device);
    const bool removed = action && std::strcmp(action, "remove") == 0;
    m_api.udev_device_unref(device);
    if (removed) emit deviceRemoved();
}
