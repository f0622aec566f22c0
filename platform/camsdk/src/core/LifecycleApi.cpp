// Lifecycle, discovery and connection: USBSDK_Init .. SetDeviceChangeCallback.
#include "ApiCall.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;

extern "C" {

CAMSDK_API int USBSDK_Init(void)
{
    ApiCall call(__func__, "");
    return call.layer([] { return 0; });
}

CAMSDK_API int USBSDK_SetDeviceConnectType(int type, int reserved)
{
    ApiCall call(__func__, ArgText::of("type", type, "reserved", reserved));
    return call.layer([&] { return call.layer().setConnectType(type); });
}

CAMSDK_API int USBSDK_GetDevInfoList(USBSDK_DeviceInfo* list, int capacity)
{
    ApiCall call(__func__, ArgText::of("list", list, "capacity", capacity));
    if (call.injected()) return 0;
    int written = 0;
    if (const int error = call.layer().listDevices(list, capacity, &written)) return call.finish(error);
    call.setOutputs(ArgText::of("count", written));
    return call.finish(0, written);
}

CAMSDK_API int USBSDK_Open(const USBSDK_DeviceInfo* info)
{
    ApiCall call(__func__, ArgText::of("info", info));
    return call.layer([&] { return info ? call.layer().open(*info) : int(USBSDK_ERR_INVALID_ARG); });
}

CAMSDK_API int USBSDK_Connect(void)
{
    int code = 0;
    CamLayer& layer = CamLayer::instance();
    if (layer.faults().take(__func__, &code)) return 0;
    return layer.connected() ? 1 : 0;
}

CAMSDK_API int USBSDK_Close(void)
{
    ApiCall call(__func__, "");
    return call.layer([&] { return call.layer().close(); });
}

CAMSDK_API int USBSDK_SetSleepMode(int mode)
{
    ApiCall call(__func__, ArgText::of("mode", mode));
    return call.device([&](CamLayer::Lock&, camsdk::SimDevice& device, camsdk::Session&) {
        if (mode != 4 && mode != 5) return int(USBSDK_ERR_INVALID_ARG);
        device.setSleeping(mode == 5);
        return 0;
    });
}

CAMSDK_API int USBSDK_GetLastError(void)
{
    return CamLayer::instance().lastError();
}

CAMSDK_API int USBSDK_SetDeviceChangeCallback(USBSDK_DeviceChangeCallback cb, void* user)
{
    ApiCall call(__func__, ArgText::of("cb", cb, "user", user));
    // Setup call: an injected failure does not apply, it only fails internally.
    call.layer().setDeviceChangeCallback(cb, user);
    return call.finish(0);
}

}  // extern "C"
