#include "Frame.h"

#include "camsdk.h"
#include "simcam.h"

namespace camsdk {

void Frame::publish(int fault, uint64_t n)
{
    yuvPtr = yuv.data();
    yuvLen = int(yuv.size());
    rawPtr = raw.empty() ? nullptr : raw.data();
    rawLen = int(raw.size());
    sinkWidth = width;
    sinkHeight = height;
    const bool tenth = n % 10 == 9;
    switch (fault) {
        case SIMCAM_FAULT_RAW_MISSING:
            rawPtr = nullptr;
            rawLen = 0;
            break;
        case SIMCAM_FAULT_YUV_LEN_SHORT:
            yuvLen -= 2;
            break;
        case SIMCAM_FAULT_RAW_LEN_NO_BLOCK:
            if (rawPtr) rawLen -= USBSDK_REDUNDATA_SIZE;
            break;
        case SIMCAM_FAULT_ZERO_SIZE_EVERY10:
            if (tenth) sinkWidth = sinkHeight = 0;
            break;
        case SIMCAM_FAULT_NULL_YUV_EVERY10:
            if (tenth) yuvPtr = nullptr;
            break;
        default:  // SIMCAM_FAULT_BLOCK_WIDTH is written into the block by the source
            break;
    }
}

}  // namespace camsdk
