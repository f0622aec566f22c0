// The host radiometry engine: the "client" temperatures of live rules and
// the hot and cold spot, computed on the computer from the newest raw frame
// through thermcore's live side, so that live readings and snapshots of the
// same scene come from one library. One per process, as thermcore's live
// side is.
//
// Threads: takeFrame runs on the frame thread and only copies; every other
// member runs on the caller's thread and feeds the library lazily, under
// the engine's own lock (never the layer's state mutex).
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "camsdk.h"
#include "thermcore.h"

namespace camsdk {

class HostRadiometry {
public:
    static HostRadiometry& instance();

    // Frame thread: keeps a copy of the newest raw frame (width * height
    // words followed by its radiometric block; an earlier-layout block is
    // converted). rawLen below the frame's size is ignored.
    void takeFrame(const uint8_t* raw, int rawLen, int width, int height, bool earlierLayout, uint64_t seq);
    // A new or closed session: thermal function closed, no frame, no rules.
    void reset();
    bool hasFrame() const;
    // USBSDK_OpenThermalFunction: frames taken from now on are measured.
    void open();
    bool isOpen() const { return open_.load(); }

    // The client rule set (count 0..12), checked by the caller.
    void setRules(const USBSDK_Rules& rules);
    // The client rule set as last stored (SIMCAM_GetLastRules).
    USBSDK_Rules rules()
    {
        std::lock_guard<std::mutex> guard(lock_);
        return rules_;
    }
    void setParams(const USBSDK_CommonTemperParam& params);
    void setLog(bool on);

    // Temperatures of the newest frame; results are USBSDK_ error codes.
    int ruleTemperature(int ruleId, USBSDK_ThermalRuleResult* out);
    int hotColdPoint(USBSDK_HotColdPoint* out);

private:
    HostRadiometry();
    // With lock_ held: hands the newest frame to the library when it is
    // newer than the one it has, resizing the library's window first.
    bool feed();
    void sendRules();
    void sendOptions();

    std::atomic<bool> open_{false};
    mutable std::mutex frameLock_;  // the copy written by the frame thread
    std::vector<uint16_t> newest_;  // width * height words + RedunData
    int newestWidth_ = 0;
    int newestHeight_ = 0;
    uint64_t newestSeq_ = 0;
    bool haveNewest_ = false;

    std::mutex lock_;  // everything below and the use of the library
    std::vector<uint16_t> fed_;
    int fedWidth_ = 0;
    int fedHeight_ = 0;
    uint64_t fedSeq_ = 0;
    bool haveFed_ = false;
    USBSDK_Rules rules_{};
    USBSDK_CommonTemperParam params_{};
};

// The common measurement parameters of a new camera.
USBSDK_CommonTemperParam factoryTemperParams();

}  // namespace camsdk
