// General settings: flip, cross cursor, hot and cold spots, output mode,
// super resolution, raw data type, reboot, factory default, factory mode.
#include "ApiCall.h"
#include "SettingCalls.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Needs;
using camsdk::Session;
using camsdk::SimDevice;
using camsdk::Store;
using Lock = CamLayer::Lock;

namespace {

// The camera restarts to apply a new output mode or super resolution.
void reboot(ApiCall& call, Lock& lock, SimDevice& d)
{
    call.layer().startReboot(lock, d.index());
}

constexpr int (*kAnyValue)(const SimDevice&, int) = nullptr;
constexpr void (*kNoEffect)(ApiCall&, Lock&, SimDevice&) = nullptr;

constexpr int kSpotTypes = 2;     // 0 hot, 1 cold
constexpr int kCrossColours = 3;  // green, blue, red

int SimDevice::Settings::*spotSwitch(int type)
{
    return type == 0 ? &SimDevice::Settings::hotSpotSwitch : &SimDevice::Settings::coldSpotSwitch;
}

}  // namespace

// X(Name, arg, field, lo, hi, needs, store, check, after)
#define CAMSDK_GENERAL_SETTINGS(X)                                                                      \
    X(ImageFlipMode, mode, flip, 0, 3, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)          \
    X(OutputMode, mode, outputMode, 0, 3, Needs::kNothing, Store::kSavedAtOnce, kAnyValue, reboot)      \
    X(DeviceSuperResMode, on, superRes, 0, 1, Needs::kSuperRes, Store::kSavedAtOnce, kAnyValue, reboot) \
    X(ThermalRawDataType, type, rawType, 0, 1, Needs::kRawDataType, Store::kSavedAtOnce, kAnyValue, kNoEffect)

extern "C" {

CAMSDK_GENERAL_SETTINGS(CAMSDK_INT_SETTING_PAIR)

CAMSDK_API int USBSDK_SetCrossCursorParams(int enable, int colour)
{
    ApiCall call(__func__, ArgText::of("enable", enable, "colour", colour));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (enable < 0 || enable > 1 || colour < 0 || colour >= kCrossColours) return int(USBSDK_ERR_INVALID_ARG);
        d.working().crossCursor = enable;
        d.working().crossColour = colour;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetCrossCursorParams(int* enable, int* colour)
{
    ApiCall call(__func__, ArgText::of("enable", enable, "colour", colour));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!enable || !colour) return int(USBSDK_ERR_INVALID_ARG);
        *enable = d.working().crossCursor;
        *colour = d.working().crossColour;
        call.setOutputs(ArgText::of("enable", *enable, "colour", *colour));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetHotAndColdPointSwitch(int type, int on)
{
    ApiCall call(__func__, ArgText::of("type", type, "on", on));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (type < 0 || type >= kSpotTypes) return int(USBSDK_ERR_INVALID_ARG);
        d.working().*spotSwitch(type) = on != 0 ? 1 : 0;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetHotAndColdPointSwitch(int type, unsigned char* on)
{
    ApiCall call(__func__, ArgText::of("type", type, "on", on));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (type < 0 || type >= kSpotTypes || !on) return int(USBSDK_ERR_INVALID_ARG);
        *on = static_cast<unsigned char>(d.working().*spotSwitch(type));
        call.setOutputs(ArgText::of("on", int(*on)));
        return 0;
    });
}

CAMSDK_API int USBSDK_Reboot(void)
{
    ApiCall call(__func__, "");
    return call.device([&](Lock& lock, SimDevice& d, Session&) {
        call.layer().startReboot(lock, d.index());
        return 0;
    });
}

CAMSDK_API int USBSDK_FactoryDefault(void)
{
    ApiCall call(__func__, "");
    return call.device([&](Lock&, SimDevice& d, Session&) {
        d.restoreFactoryImageParams();
        d.restartFfc(call.layer().clock().nowUs(), false);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFactoryMode(int mode)
{
    ApiCall call(__func__, ArgText::of("mode", mode));
    return call.device([&](Lock&, SimDevice&, Session& s) {
        s.factoryMode = mode;  // kept for the session; the camera does nothing with it
        return 0;
    });
}

}  // extern "C"
