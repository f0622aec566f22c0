// Records that travel through queued signals. Each is declared here once and
// registered at start-up, in the order the program has always used.
#pragma once

#include <QList>
#include <QMetaType>

#include "camsdk.h"

Q_DECLARE_METATYPE(USBSDK_IsothermParams)
Q_DECLARE_METATYPE(USBSDK_Rules)
Q_DECLARE_METATYPE(USBSDK_TemperatureCalibraResult)
Q_DECLARE_METATYPE(USBSDK_DeviceInfo)

// Registers every queued record type under its name. Call once, after the
// application object exists.
void registerQueuedTypes();
