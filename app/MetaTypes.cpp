#include "MetaTypes.h"

void registerQueuedTypes()
{
    qRegisterMetaType<USBSDK_IsothermParams>("USBSDK_IsothermParams");
    qRegisterMetaType<USBSDK_Rules>("USBSDK_Rules");
    qRegisterMetaType<USBSDK_TemperatureCalibraResult>("USBSDK_TemperatureCalibraResult");
    qRegisterMetaType<QList<qreal>>("QList<qreal>");
    qRegisterMetaType<USBSDK_DeviceInfo>("USBSDK_DeviceInfo");
}
