// The shape of a device function whose command family is not written yet:
// it behaves like every device operation (call log, injected failures,
// session and presence checks) and then fails with USBSDK_ERR_NOT_SUPPORTED,
// so programs link and run today. Each family keeps its stubs in a file of
// its own, which goes away when the family's implementation lands.
#pragma once

#include "ApiCall.h"

// X(name without USBSDK_, (parameters), ("name", value, ...))
#define CAMSDK_STUB(name, params, args)                                                        \
    CAMSDK_API int USBSDK_##name params                                                        \
    {                                                                                          \
        camsdk::ApiCall call("USBSDK_" #name, camsdk::ArgText::of args);                       \
        return call.device([](camsdk::CamLayer::Lock&, camsdk::SimDevice&, camsdk::Session&) { \
            return int(USBSDK_ERR_NOT_SUPPORTED);                                              \
        });                                                                                    \
    }
