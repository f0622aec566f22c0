// Where a session's frames come from. The frame stream paces and delivers;
// a source only fills a frame for a sequence number and a time.
#pragma once

#include <cstdint>

#include "Frame.h"

namespace camsdk {

class FrameSource {
public:
    virtual ~FrameSource() = default;
    // Frame thread only. Fills frame n, produced at simulator time tUs;
    // false when the device delivers nothing this tick (streaming off).
    virtual bool produce(uint64_t n, int64_t tUs, Frame& frame) = 0;
    // Frames per second, 1..60; any thread.
    virtual int fps() const = 0;
    // True scene temperature of raw pixel (x, y) of the last produced frame;
    // false before the first frame, outside it, or for a source without a
    // scene. Any thread.
    virtual bool truth(int, int, float*) const { return false; }
};

}  // namespace camsdk
