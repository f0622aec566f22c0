#include "StubCall.h"

// Thermal function, rules, temperatures, isotherm.
#define CAMSDK_STUBS_THERMAL(X)                                                                           \
    X(SetDeviceThermalRules, (USBSDK_Rules rules), ("rules", rules))                                      \
    X(GetDeviceThermalRules, (int ruleId, USBSDK_ThermalRuleResult* out), ("ruleId", ruleId, "out", out)) \
    X(SetDeviceThermalDistance, (float metres), ("metres", metres))                                       \
    X(SetIsothermParams, (USBSDK_IsothermParams p), ("p", p))                                             \
    X(GetIsothermParams, (USBSDK_IsothermParams * p), ("p", p))                                           \
    X(SetIsothermValue, (USBSDK_IsothermValue v), ("v", v))                                               \
    X(GetIsothermValue, (USBSDK_IsothermValue * v), ("v", v))

extern "C" {
CAMSDK_STUBS_THERMAL(CAMSDK_STUB)
}  // extern "C"
