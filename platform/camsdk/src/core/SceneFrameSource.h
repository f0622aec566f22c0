// The simulated camera's frames: the device's scene at the frame's number,
// its raw frame and radiometric block (current or earlier layout), and the
// display frame under the device's working image settings. A sleeping
// camera shows its closed shutter; while the shutter closes for an FFC the
// last frame is repeated.
//
// The device's state is copied once per frame under the layer's state
// mutex; the renderers keep their caches between frames, so a frame
// allocates nothing unless its size changed.
#pragma once

#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "FrameSource.h"
#include "SimDevice.h"
#include "SimDisplay.h"
#include "SimRadiometry.h"
#include "SimScene.h"
#include "simcam.h"

namespace camsdk {

class CamLayer;

class SceneFrameSource : public FrameSource {
public:
    // Made under the layer's state mutex, for one of its devices; layer and
    // device outlive the source (neither is ever destroyed). openUs is the
    // simulator time the session opened, whose age warms the housing.
    SceneFrameSource(CamLayer& layer, const SimDevice& device, int64_t openUs);

    bool produce(uint64_t n, int64_t tUs, Frame& frame) override;
    int fps() const override;
    bool truth(int x, int y, float* celsius) const override;

private:
    // What a frame takes from the device.
    struct Snapshot {
        int width = 0, height = 0, fps = 25, redunType = 1, fault = 0;
        bool withRaw = false, sleeping = false, shutter = false;
        double housingOffset = 0.0;
        SimDevice::Settings settings;
        SIMCAM_Scene scene{};
        // What the camera corrects: listed and automatically removed pixels
        // (x, y) and columns.
        std::vector<std::pair<int, int>> correctedPixels;
        std::vector<int> correctedColumns;
    };

    // False when the device delivers nothing (streaming off).
    bool snapshot(int64_t tUs, Snapshot* s) const;
    // Hands changed settings and scene to the renderers.
    void apply(const Snapshot& s);
    void renderAwake(const Snapshot& s, uint64_t n, Frame& frame, RedunData* block);
    void renderSleeping(const Snapshot& s, int64_t tUs, Frame& frame, RedunData* block);
    // Listed pixels and columns take the mean of their nearest valid left
    // and right neighbours, after the defects.
    void correct(const Snapshot& s);
    void writeRaw(const Snapshot& s, const RedunData& block, Frame& frame) const;

    CamLayer& layer_;
    const int device_;
    const int64_t openUs_;
    const SimDevice& liveDevice_;  // its atomics only

    // Frame thread only.
    SimScene scene_;
    SimRadiometry radiometry_;
    SimDisplay display_;
    std::vector<uint16_t> raw_;
    bool applied_ = false;
    SimDevice::Settings appliedSettings_;
    SIMCAM_Scene appliedScene_{};
    bool haveFrame_ = false;
    std::vector<uint8_t> corrected_;  // per pixel of a row being corrected

    mutable std::mutex shownMutex_;
    SimScene shown_;  // the scene of the last produced frame
    bool shownValid_ = false;
};

}  // namespace camsdk
