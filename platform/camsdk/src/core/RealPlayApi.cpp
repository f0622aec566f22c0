// Frames and real play.
#include "ApiCall.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;

extern "C" {

CAMSDK_API int USBSDK_StartRealPlay(USBSDK_RealPlayCallback cb, void* user)
{
    ApiCall call(__func__, ArgText::of("cb", cb, "user", user));
    return call.layer([&] { return call.layer().startRealPlay(cb, user); });
}

CAMSDK_API int USBSDK_StopRealPlay(void* user)
{
    ApiCall call(__func__, ArgText::of("user", user));
    return call.layer([&] { return call.layer().stopRealPlay(user); });
}

CAMSDK_API int USBSDK_GetFps(void)
{
    return ApiCall::status(__func__, true, 0,
                           [](const SimDevice& d) { return d.live().fps.load(std::memory_order_relaxed); });
}

CAMSDK_API int USBSDK_GetRawResolution(int* width, int* height)
{
    ApiCall call(__func__, ArgText::of("width", width, "height", height));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session&) {
        if (!width || !height) return int(USBSDK_ERR_INVALID_ARG);
        if (!d.carriesRaw()) return int(USBSDK_ERR_NOT_SUPPORTED);
        *width = d.profile().width;
        *height = d.profile().height;
        call.setOutputs(ArgText::of("width", *width, "height", *height));
        return 0;
    });
}

CAMSDK_API int USBSDK_GetRedunType(void)
{
    return ApiCall::status(__func__, true, -1,
                           [](const SimDevice& d) { return d.live().redunType.load(std::memory_order_relaxed); });
}

CAMSDK_API int USBSDK_GetShutterStatus(void)
{
    return ApiCall::status(__func__, false, 0, [](const SimDevice& d) {
        return d.shutterClosed(CamLayer::instance().clock().nowUs()) ? 1 : 0;
    });
}

}  // extern "C"
