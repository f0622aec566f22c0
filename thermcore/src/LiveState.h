// The live side's state: the two alternating frame buffers, the camera block
// of the last frame that carried one, options, calibration and distance
// settings, the TEC services and the rule store. One process-wide lock
// guards it; it exists between RADAPI_Init and RADAPI_release.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "LiveRules.h"
#include "LiveTec.h"
#include "thermcore.h"

namespace thermcore {

class LiveState {
public:
    // One live frame. pixels is sized width * height.
    struct Frame {
        std::vector<uint16_t> pixels;
        int width = 0;
        int height = 0;
        float baseTemp = 0.0f;     // kept from earlier frames when a frame brings 0
        uint8_t redunVersion = 0;  // non-zero: the frame carried a camera block
        uint8_t datyType = 0;      // 1: raw values are temperatures x 10
        bool empty() const { return pixels.empty(); }
    };

    // Runs f(state) under the live lock; -1 while the live side is not initialised.
    template <typename F>
    static int withLocked(F&& f)
    {
        std::lock_guard<std::recursive_mutex> lock(mutex());
        LiveState* state = current();
        return state ? f(*state) : -1;
    }
    static int init();
    static int release();

    LiveState();

    // Frees the frame buffers and the rule lists (RADAPP_release).
    void releaseBuffers();
    // Takes a frame into the buffer not in use and makes it current.
    int takeFrame(const RADAPI_ExtRawBuf& frame);
    const Frame& frame() const { return frames_[current_]; }
    int frameIndex() const { return current_; }

    // Options as the calculation uses them (C).
    struct Options {
        int32_t humidity = 0;
        float distance = 0.0f;
        float atmosphericTemp = 25.0f;
        float reflectedTemp = 25.0f;
        float emissivity = 1.0f;
        int32_t unit = 0;
    };
    Options options;

    // Camera block of the last frame that carried one (zero before); its
    // emissivity-model byte is also set by RADAPI_setEmissivityModelEnable.
    RedunData redun = {};
    // Live window: from the device information, and from every frame with a
    // camera block.
    int windowWidth = 0;
    int windowHeight = 0;

    uint32_t baseGray = 6144;
    float defaultDistance = 4.0f;
    bool baseTempUpdateFlag = false;
    float lowThresholds[4] = {139.4f, 30.0f, 137.1f, 29.7f};
    float highThresholds[4] = {278.1f, 56.8f, 270.5f, 55.8f};
    uint32_t distLd = 1600;
    uint32_t distHd = 2000;
    double distCoef[8] = {};
    // The distance tables as stored: the host's 980 bytes, zero behind them.
    RADAPI_DistCompenParam distTables = {};
    uint32_t focalLength = 0;
    RADAPI_DevInfo devInfo = {};
    uint32_t lastMaxGrey = 0;
    bool gainModeSet = false;

    LiveTec tec;
    LiveRules rules;

private:
    static std::recursive_mutex& mutex();
    static LiveState*& current();

    Frame frames_[2];
    int current_ = 0;
};

}  // namespace thermcore
