#include "MetaTypes.h"

#include "ItemInfo.h"
#include "LiveFrame.h"
#include "RenderInfo.h"
#include "SnapshotRequest.h"

void registerQueuedTypes()
{
    qRegisterMetaType<USBSDK_IsothermParams>("USBSDK_IsothermParams");
    qRegisterMetaType<USBSDK_Rules>("USBSDK_Rules");
    qRegisterMetaType<USBSDK_TemperatureCalibraResult>("USBSDK_TemperatureCalibraResult");
    qRegisterMetaType<RenderInfo>("RenderInfo");
    qRegisterMetaType<DeviceInformation>("DeviceInformation");
    qRegisterMetaType<ProDebugCmdInfo>("ProDebugCmdInfo");
    qRegisterMetaType<QList<qreal>>("QList<qreal>");
    qRegisterMetaType<USBSDK_DeviceInfo>("USBSDK_DeviceInfo");
    // The device-command worker's values that replace pointers and store
    // look-ups.
    qRegisterMetaType<QVector<int>>("QVector<int>");
    qRegisterMetaType<DataCollectPage>("DataCollectPage");
    qRegisterMetaType<USBSDK_GlobalTemperParam>("USBSDK_GlobalTemperParam");
    qRegisterMetaType<QVector<PicRuleConfig>>("QVector<PicRuleConfig>");
    // The live page's: frames from the frame worker to its listeners, rule
    // item changes of the overlay.
    qRegisterMetaType<FramePtr>("FramePtr");
    qRegisterMetaType<ItemInfo>("ItemInfo");
    // Snapshot requests, copied on the GUI thread for the frame worker.
    qRegisterMetaType<SnapshotRequest>("SnapshotRequest");
}
