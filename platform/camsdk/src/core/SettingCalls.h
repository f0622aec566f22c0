// The shape shared by the plain integer settings of the image and general
// families: a setter that checks the capability and the range and stores the
// value, and a getter that reads it back. Each family describes its settings
// once, in a table, and generates its exported pairs from it.
#pragma once

#include "ApiCall.h"

namespace camsdk {

// Capability a whole get/set pair needs; lacking it is NOT_SUPPORTED.
enum class Needs { kNothing, kIsp, kTwoGear, kIsothermMode, kSuperRes, kRawDataType, kDeltaB };

inline bool hasCapability(const SimDevice& d, Needs needs)
{
    const SimDevice::LiveProfile& p = d.live();
    switch (needs) {
        case Needs::kNothing:
            return true;
        case Needs::kIsp:
            return p.supportIsp.load() != 0;
        case Needs::kTwoGear:
            return p.supportLowTempTwoGear.load() != 0;
        case Needs::kIsothermMode:
            return p.supportIsothermMode.load() != 0;
        case Needs::kSuperRes:
            return p.supportSuperRes.load() != 0;
        case Needs::kRawDataType:
            return p.supportRawDataType.load() != 0 && p.deviceType.load() == 1;
        case Needs::kDeltaB:
            return p.supportDeltaB.load() != 0;
    }
    return false;
}

// Where a setter writes: the working set (saved by SaveDevImageParam), or
// both sets at once.
enum class Store { kWorking, kSavedAtOnce };

struct IntSetting {
    int SimDevice::Settings::*field;
    int lo, hi;
    Needs needs;
    Store store;
    // Refusal that depends on the value (gain modes), or null.
    int (*check)(const SimDevice& d, int v);
    // What a stored value sets going (FFC period restart, reboot), or null.
    void (*after)(ApiCall& call, CamLayer::Lock& lock, SimDevice& d);
};

inline int setIntSetting(const char* function, const char* arg, const IntSetting& s, int v)
{
    ApiCall call(function, ArgText::of(arg, v));
    return call.device([&](CamLayer::Lock& lock, SimDevice& d, Session&) {
        if (!hasCapability(d, s.needs)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (v < s.lo || v > s.hi) return int(USBSDK_ERR_INVALID_ARG);
        if (s.check)
            if (const int error = s.check(d, v)) return error;
        d.working().*s.field = v;
        if (s.store == Store::kSavedAtOnce) d.saved().*s.field = v;
        if (s.after) s.after(call, lock, d);
        return 0;
    });
}

inline int getIntSetting(const char* function, const char* arg, const IntSetting& s, int* out)
{
    ApiCall call(function, ArgText::of(arg, out));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session&) {
        if (!hasCapability(d, s.needs)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!out) return int(USBSDK_ERR_INVALID_ARG);
        *out = d.working().*s.field;
        call.setOutputs(ArgText::of(arg, *out));
        return 0;
    });
}

}  // namespace camsdk

// Exported pairs of a settings table whose rows are
// X(Name, arg, field, lo, hi, needs, store, check, after).
#define CAMSDK_INT_SETTING_PAIR(Name, arg, field, lo, hi, needs, store, check, after) \
    static constexpr camsdk::IntSetting kSetting##Name{                               \
        &camsdk::SimDevice::Settings::field, lo, hi, needs, store, check, after};     \
    CAMSDK_API int USBSDK_Set##Name(int arg)                                          \
    {                                                                                 \
        return camsdk::setIntSetting("USBSDK_Set" #Name, #arg, kSetting##Name, arg);  \
    }                                                                                 \
    CAMSDK_API int USBSDK_Get##Name(int* arg)                                         \
    {                                                                                 \
        return camsdk::getIntSetting("USBSDK_Get" #Name, #arg, kSetting##Name, arg);  \
    }
