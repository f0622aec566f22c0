// Image parameters: palette, picture controls, gain, FFC and the shutter,
// ISP mode, pseudo isotherm, and saving them to the camera's flash.
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

// High gain needs a temperature-measuring camera, Ultimate also the extreme
// capability.
int gainModeAllowed(const SimDevice& d, int mode)
{
    if (mode >= 1 && d.live().deviceType.load() != 1) return USBSDK_ERR_NOT_SUPPORTED;
    if (mode == 2 && d.live().supportExtreme.load() == 0) return USBSDK_ERR_NOT_SUPPORTED;
    return 0;
}

// A new FFC mode or period starts the automatic period afresh.
void restartFfcPeriod(ApiCall& call, Lock&, SimDevice& d)
{
    d.restartFfc(call.layer().clock().nowUs(), false);
}

constexpr int (*kAnyValue)(const SimDevice&, int) = nullptr;
constexpr void (*kNoEffect)(ApiCall&, Lock&, SimDevice&) = nullptr;

constexpr int kGearKeep = 2;  // SetLowTemperatureTwoGear: change auto/manual only

}  // namespace

// X(Name, arg, field, lo, hi, needs, store, check, after)
#define CAMSDK_IMAGE_SETTINGS(X)                                                                         \
    X(Color, palette, palette, 0, 19, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)            \
    X(Brightness, v, brightness, 0, 100, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)         \
    X(Contrast, v, contrast, 0, 100, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)             \
    X(Sharpness, v, sharpness, 0, 120, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)           \
    X(WideDynamic, on, wideDynamic, 0, 1, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)        \
    X(LocalContrast, v, localContrast, 0, 100, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)   \
    X(GlobalContrast, v, globalContrast, 0, 100, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect) \
    X(Noise2D, v, noise2D, 0, 100, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)               \
    X(Noise3D, v, noise3D, 0, 100, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)               \
    X(GainAuto, v, gainAuto, 0, 255, Needs::kNothing, Store::kWorking, kAnyValue, kNoEffect)             \
    X(GainMode, mode, gainMode, 0, 2, Needs::kNothing, Store::kWorking, gainModeAllowed, kNoEffect)      \
    X(FFCMode, mode, ffcMode, 0, 1, Needs::kNothing, Store::kWorking, kAnyValue, restartFfcPeriod)       \
    X(FFCTime, period, ffcTime, 10, 1200, Needs::kNothing, Store::kWorking, kAnyValue, restartFfcPeriod) \
    X(DeviceIspMode, mode, ispMode, 0, 1, Needs::kIsp, Store::kWorking, kAnyValue, kNoEffect)

extern "C" {

CAMSDK_IMAGE_SETTINGS(CAMSDK_INT_SETTING_PAIR)

// Detail enhancement has no getter.
CAMSDK_API int USBSDK_SetLCEValue(int v)
{
    // clang-format off
    static constexpr camsdk::IntSetting kLce{&SimDevice::Settings::lce, 0, 100, Needs::kNothing, Store::kWorking,
                                             kAnyValue, kNoEffect};
    // clang-format on
    return camsdk::setIntSetting(__func__, "v", kLce, v);
}

CAMSDK_API int USBSDK_SetLowTemperatureTwoGear(int nAuto, int nGear)
{
    ApiCall call(__func__, ArgText::of("nAuto", nAuto, "nGear", nGear));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!hasCapability(d, Needs::kTwoGear)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (nGear < 0 || nGear > kGearKeep) return int(USBSDK_ERR_INVALID_ARG);
        d.working().gearAuto = nAuto != 0 ? 1 : 0;
        if (nGear != kGearKeep) d.working().gear = nGear;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetLowTemperatureTwoGear(int* nAuto, int* nGear)
{
    ApiCall call(__func__, ArgText::of("nAuto", nAuto, "nGear", nGear));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!hasCapability(d, Needs::kTwoGear)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!nAuto || !nGear) return int(USBSDK_ERR_INVALID_ARG);
        *nAuto = d.working().gearAuto;
        *nGear = d.working().gearAuto == 0 ? 0 : d.working().gear;  // automatic reports gear 0
        call.setOutputs(ArgText::of("nAuto", *nAuto, "nGear", *nGear));
        return 0;
    });
}

CAMSDK_API int USBSDK_ShutterCorrect(void)
{
    ApiCall call(__func__, "");
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (d.sleeping()) return int(USBSDK_ERR_SLEEPING);
        d.restartFfc(call.layer().clock().nowUs(), true);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetBackgroundFFC(void)
{
    ApiCall call(__func__, "");
    return call.deviceAfterWait(&SimDevice::Knobs::bgFfcMs, [](Lock&, SimDevice&, Session&) { return 0; });
}

CAMSDK_API int USBSDK_SetPseudoIsotherm(int enable, short minLimit, short maxLimit)
{
    ApiCall call(__func__, ArgText::of("enable", enable, "minLimit", minLimit, "maxLimit", maxLimit));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!hasCapability(d, Needs::kIsothermMode)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (enable != 0 && enable != 1) return int(USBSDK_ERR_INVALID_ARG);
        if (enable == 1 && minLimit >= maxLimit) return int(USBSDK_ERR_INVALID_ARG);
        d.working().pseudoIsothermOn = enable;
        // Switching off keeps the band of the last switch-on.
        if (enable == 1) {
            d.working().pseudoIsothermMin = minLimit;
            d.working().pseudoIsothermMax = maxLimit;
        }
        return 0;
    });
}

CAMSDK_API int USBSDK_SaveDevImageParam(void)
{
    ApiCall call(__func__, "");
    return call.deviceAfterWait(&SimDevice::Knobs::saveMs, [](Lock&, SimDevice& d, Session&) {
        d.saveImageParams();
        return 0;
    });
}

}  // extern "C"
