// The one open camera session. Owned by the layer, guarded by its state
// mutex; the status queries read the layer's atomic mirror instead.
#pragma once

#include <cstdint>
#include <memory>

#include "FrameStream.h"
#include "simcam.h"

namespace camsdk {

struct Session {
    int device = -1;                  // index into the layer's devices
    SIMCAM_DeviceProfile identity{};  // name, serial, version as at open
    bool serial = false;              // opened over the serial port: no video
    bool lost = false;                // device unplugged while open
    int factoryMode = 0;              // USBSDK_SetFactoryMode; never saved
    int64_t startUs = 0;              // simulator time of the open
    uint64_t number = 0;              // opens of the layer so far, this one included
    // Frames of this session; null once lost (stopped for good).
    std::shared_ptr<FrameStream> stream;
};

}  // namespace camsdk
