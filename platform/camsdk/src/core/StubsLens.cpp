#include "StubCall.h"

// Lens (cooled cameras).
#define CAMSDK_STUBS_LENS(X)                                                      \
    X(SetRefrigerationFocusMode, (int mode), ("mode", mode))                      \
    X(GetRefrigerationFocusMode, (int* mode), ("mode", mode))                     \
    X(SetRefrigerationAutoFocus, (void), ())                                      \
    X(SetRefrigerationFocus, (int direction), ("direction", direction))           \
    X(SetRefrigerationContinuousFocus, (int direction), ("direction", direction)) \
    X(SetRefrigerationZoom, (int direction), ("direction", direction))            \
    X(SetRefrigerationContinuousZoom, (int direction), ("direction", direction))

extern "C" {
CAMSDK_STUBS_LENS(CAMSDK_STUB)
}  // extern "C"
