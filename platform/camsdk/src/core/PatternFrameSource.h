// A stand-in frame source: a moving grey ramp in both frames and a zeroed
// radiometric block, at the device's size and rate. It lets the session
// machinery run and be tested before the scene renderer is wired in.
#pragma once

#include "FrameSource.h"

namespace camsdk {

class SimDevice;

class PatternFrameSource : public FrameSource {
public:
    // device outlives the source (devices are never destroyed).
    explicit PatternFrameSource(const SimDevice& device) : device_(device) {}

    bool produce(uint64_t n, int64_t tUs, Frame& frame) override;
    int fps() const override;

    // The pattern's grey level at (x, y) of frame n, for tests.
    static uint8_t level(int x, int y, uint64_t n) { return uint8_t(x + y + n); }

private:
    const SimDevice& device_;
};

}  // namespace camsdk
