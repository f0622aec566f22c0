// Records that travel through queued signals. Each is declared here once and
// registered at start-up, in the order the program has always used.
#pragma once

#include <QList>
#include <QMetaType>
#include <QVector>

#include "DataCollectPage.h"
#include "DeviceInformation.h"
#include "ProDebugCmdInfo.h"
#include "camsdk.h"
#include "thermcore.h"

Q_DECLARE_METATYPE(USBSDK_IsothermParams)
Q_DECLARE_METATYPE(USBSDK_Rules)
Q_DECLARE_METATYPE(USBSDK_TemperatureCalibraResult)
Q_DECLARE_METATYPE(DeviceInformation)
Q_DECLARE_METATYPE(ProDebugCmdInfo)
Q_DECLARE_METATYPE(USBSDK_DeviceInfo)
Q_DECLARE_METATYPE(DataCollectPage)
Q_DECLARE_METATYPE(USBSDK_GlobalTemperParam)
Q_DECLARE_METATYPE(PicRuleConfig)

// Registers every queued record type under its name, the live view's frame
// and rule item records (RenderInfo.h, LiveFrame.h, ItemInfo.h) too. Call
// once, after the application object exists.
void registerQueuedTypes();
