// One produced frame and what the sinks are handed of it. Owned by the
// session's frame stream and touched only on its frame thread; sinks get
// read-only pointers valid during their callback.
#pragma once

#include <cstdint>
#include <vector>

namespace camsdk {

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> yuv;  // UYVY, width * height * 2
    std::vector<uint8_t> raw;  // width * height uint16 + the radiometric block; empty without raw data

    // What the sinks receive; publish() sets them from the buffers.
    const uint8_t* yuvPtr = nullptr;
    int yuvLen = 0;
    const uint8_t* rawPtr = nullptr;
    int rawLen = 0;
    int sinkWidth = 0;
    int sinkHeight = 0;

    // Hands the buffers out as they are, then bends them by a stream fault
    // (SIMCAM_StreamFault) of frame n. The buffers keep their full size, so a
    // sink that trusts the dimensions stays inside them.
    void publish(int fault, uint64_t n);
};

}  // namespace camsdk
