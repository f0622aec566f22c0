#include "StubCall.h"

// Radiometric data collection.
#define CAMSDK_STUBS_COLLECTION(X)                                                   \
    X(SetDataCollectInterval, (int on, int seconds), ("on", on, "seconds", seconds)) \
    X(SetClearDataCollect, (void), ())                                               \
    X(GetNewDataCollect, (USBSDK_NewRadiometryDataAutoCollectParam * rec), ("rec", rec))

extern "C" {
CAMSDK_STUBS_COLLECTION(CAMSDK_STUB)
}  // extern "C"
