// Simulator options of CALIDRA_SIMCAM: "key=value" pairs separated by ';',
// for example "devices=2;size=384x288;fps=30;clock=manual". They set the
// profile of every simulated device before the first listing and on
// SIMCAM_Reset. Values are read once, at initialisation.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "simcam.h"

namespace camsdk {

class SimOptions {
public:
    static constexpr int kMaxDevices = 8;

    // Unknown keys and bad values are appended to *problems (one per entry)
    // and otherwise ignored.
    static SimOptions parse(const char* text, std::vector<std::string>* problems);

    int devices() const { return devices_; }
    bool manualClock() const { return manualClock_; }
    // Warm-up length in ms, or < 0 for the device default.
    double warmupMs() const { return warmupMs_; }
    void applyTo(SIMCAM_DeviceProfile& profile) const;

private:
    int devices_ = 1;
    bool manualClock_ = false;
    double warmupMs_ = -1.0;
    int width_ = 0;  // 0: keep the profile's size
    int height_ = 0;
    std::vector<std::pair<int SIMCAM_DeviceProfile::*, int>> fields_;
};

}  // namespace camsdk
