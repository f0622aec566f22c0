#include "SimDeviceChangeNotifier.h"

#include <QMetaObject>

namespace {

// Event numbers of the layer's device-change callback.
constexpr int kDeviceRemoved = 0;

// The notifier the layer's callback points at; GUI thread only.
SimDeviceChangeNotifier* g_owner = nullptr;

}  // namespace

SimDeviceChangeNotifier::SimDeviceChangeNotifier(QObject* parent) : DeviceChangeNotifier(parent)
{
    m_registered = USBSDK_SetDeviceChangeCallback(&SimDeviceChangeNotifier::onDeviceChange, this) != 0;
    if (m_registered) g_owner = this;
}

SimDeviceChangeNotifier::~SimDeviceChangeNotifier()
{
    if (g_owner != this) return;
    USBSDK_SetDeviceChangeCallback(nullptr, nullptr);
    g_owner = nullptr;
}

bool SimDeviceChangeNotifier::isActive() const
{
    return m_registered && g_owner == this;
}

void SimDeviceChangeNotifier::onDeviceChange(int event, const USBSDK_DeviceInfo*, void* user)
{
    // Arrivals are ignored: a camera is connected only through the dialog.
    if (event != kDeviceRemoved) return;
    auto* self = static_cast<SimDeviceChangeNotifier*>(user);
    // Alive here: the destructor waits for this call before going on. A
    // queued call still pending when it is destroyed is dropped with it.
    QMetaObject::invokeMethod(
        self, [self] { emit self->deviceRemoved(); }, Qt::QueuedConnection);
}
