#include "StubCall.h"

// Firmware update.
#define CAMSDK_STUBS_FIRMWARE(X)                             \
    X(UpdateMainProgram, (const char* path), ("path", path)) \
    X(Update3014Program, (const char* path), ("path", path))

extern "C" {
CAMSDK_STUBS_FIRMWARE(CAMSDK_STUB)
}  // extern "C"
