// One simulated camera: its profile, presence, sleep, stream switches, the
// saved and working settings and the test knobs of SIMCAM_SetValue.
//
// Devices live for the whole process in a fixed array of the layer, so the
// lock-free readers (status queries, the frame thread) may hold a reference
// at any time. Members marked "atomic" may be read from any thread; every
// other member needs the layer's state mutex.
#pragma once

#include <atomic>
#include <string>

#include "SimOptions.h"
#include "camsdk.h"
#include "simcam.h"

namespace camsdk {

// Integer fields of SIMCAM_DeviceProfile that the status queries and the
// frame thread read without the lock.
#define CAMSDK_PROFILE_INTS(X) \
    X(port)                    \
    X(streamFlag)              \
    X(width)                   \
    X(height)                  \
    X(fps)                     \
    X(deviceType)              \
    X(rawOutput)               \
    X(redunType)               \
    X(supportExtreme)          \
    X(supportLowTempTwoGear)   \
    X(supportTwoSFFC)          \
    X(supportDeltaB)           \
    X(supportNewColor)         \
    X(supportIsp)              \
    X(supportIsothermMode)     \
    X(supportSuperRes)         \
    X(supportRawDataType)      \
    X(refrigerated)            \
    X(supportRedunInfoFlip)

// Integer settings with their factory values; the names are the state keys
// of SIMCAM_GetValue. The first group is what USBSDK_SaveDevImageParam
// saves, the second is saved at once by its setter.
#define CAMSDK_DEVICE_SETTINGS(X) \
    X(palette, 0)                 \
    X(brightness, 50)             \
    X(contrast, 50)               \
    X(sharpness, 60)              \
    X(lce, 0)                     \
    X(wideDynamic, 1)             \
    X(localContrast, 50)          \
    X(globalContrast, 50)         \
    X(noise2D, 50)                \
    X(noise3D, 50)                \
    X(gainAuto, 1)                \
    X(gainMode, 0)                \
    X(gearAuto, 0)                \
    X(gear, 0)                    \
    X(ffcMode, 1)                 \
    X(ffcTime, 360)               \
    X(ispMode, 0)                 \
    X(flip, 0)                    \
    X(crossCursor, 0)             \
    X(crossColour, 0)             \
    X(hotSpotSwitch, 0)           \
    X(coldSpotSwitch, 0)          \
    X(isothermOn, 0)              \
    X(pseudoIsothermOn, 0)        \
    X(outputMode, 3)              \
    X(superRes, 0)                \
    X(rawType, 0)                 \
    X(pseudoIsothermMin, 20)      \
    X(pseudoIsothermMax, 40)      \
    X(sffcEnable, 1)              \
    X(driftSwitch, 0)             \
    X(driftThreshold, 5)          \
    X(focusMode, 0)               \
    X(focusPos, 500)              \
    X(zoomPos, 0)

// The settings USBSDK_SaveDevImageParam saves and USBSDK_FactoryDefault
// restores; every other setting is saved at once by its own setter.
#define CAMSDK_IMAGE_PARAM_SETTINGS(X) \
    X(palette)                         \
    X(brightness)                      \
    X(contrast)                        \
    X(sharpness)                       \
    X(lce)                             \
    X(wideDynamic)                     \
    X(localContrast)                   \
    X(globalContrast)                  \
    X(noise2D)                         \
    X(noise3D)                         \
    X(gainAuto)                        \
    X(gainMode)                        \
    X(gearAuto)                        \
    X(gear)                            \
    X(ffcMode)                         \
    X(ffcTime)                         \
    X(ispMode)                         \
    X(flip)                            \
    X(crossCursor)                     \
    X(crossColour)                     \
    X(hotSpotSwitch)                   \
    X(coldSpotSwitch)                  \
    X(isothermOn)                      \
    X(pseudoIsothermOn)                \
    X(pseudoIsothermMin)               \
    X(pseudoIsothermMax)

// Timings (ms unless noted) and outcomes of SIMCAM_SetValue, with defaults.
#define CAMSDK_DEVICE_KNOBS(X)      \
    X(openMs, 50)                   \
    X(connectConfirmMs, 0)          \
    X(shutterMs, 400)               \
    X(nucStepMs, 1000)              \
    X(sffcCollectMs, 2000)          \
    X(badPixelDetectMs, 500)        \
    X(bgFfcMs, 200)                 \
    X(saveMs, 100)                  \
    X(tecCorrectMs, 500)            \
    X(proDebugMs, 20)               \
    X(updateMs, 4000)               \
    X(rebootMs, 3000)               \
    X(warmupMs, 15000)              \
    X(secondCalMs, 8000)            \
    X(fullCalStepMs, 3000)          \
    X(fullCalSecondsPerMinute, 0.2) \
    X(driftRiseRate, 1.0)           \
    X(driftCheckMs, 3000)           \
    X(balanced, -1)                 \
    X(nucRate, 12345)               \
    X(uniformity, -1)               \
    X(tecCompensation, 1.25)        \
    X(sffcEnvironment, -1)          \
    X(driftCollectOk, 1)            \
    X(driftCheckQualified, 1)       \
    X(secondCalResult, 1)           \
    X(secondCalStallAt, -1)         \
    X(fullCalOk, 1)                 \
    X(housingOffset, 0.0)           \
    X(updateOutcome, 0)

class SimDevice {
public:
    static constexpr uint32_t kBackendSim = 1;
    static constexpr int kPartLength = 32;

    struct LiveProfile {
#define CAMSDK_X(field) std::atomic<int> field{0};
        CAMSDK_PROFILE_INTS(CAMSDK_X)
#undef CAMSDK_X
    };

    struct Settings {
#define CAMSDK_X(name, factory) int name = factory;
        CAMSDK_DEVICE_SETTINGS(CAMSDK_X)
#undef CAMSDK_X
        char partNumber[kPartLength] = {};
        int partLength = 0;
        // Common measurement parameters (saved at once by their setter).
        USBSDK_CommonTemperParam temperParams{50, 25.0f, 0.97f, 1.0f, 25.0f};
        // The camera's own measurement, isotherm record and lens motion
        // (DeviceThermalApi.cpp, LensApi.cpp).
        struct DeviceSide {
            USBSDK_Rules rules{};
            float distance = 0.0f;
            USBSDK_IsothermParams isotherm{};
            USBSDK_IsothermValue isothermValue{0, 20, 30, 40, 255};
            struct Motion {
                int rate = 0;     // units per second, signed; 0 with no motion
                int target = -1;  // automatic focus: position reached after 1 s
                int origin = 0;
                int64_t sinceUs = 0;
            } focus, zoom;
        } deviceSide;
    };

    struct Knobs {
#define CAMSDK_X(name, value) double name = value;
        CAMSDK_DEVICE_KNOBS(CAMSDK_X)
#undef CAMSDK_X
    };

    static SIMCAM_DeviceProfile defaultProfile(int index);
    // Sizes the simulator renders: even width 16..1280, height 16..1024.
    static bool validFrameSize(int width, int height);

    // --- under the layer's state mutex ---

    // A fresh device: default profile bent by the options, factory and
    // initial saved settings, default knobs, present, awake, streaming.
    void reset(int index, const SimOptions& options);
    int index() const
    {
        return index_;
    }
    uint32_t sdkDeviceId() const
    {
        return (kBackendSim << 24) | uint32_t(index_ + 1);
    }

    const SIMCAM_DeviceProfile& profile() const
    {
        return profile_;
    }
    bool setProfile(const SIMCAM_DeviceProfile& profile);
    bool setFrameSize(int width, int height);

    // The list entry as listed under a connect type (0 UVC, 1 serial).
    USBSDK_DeviceInfo listEntry(int connectType) const;
    // Only output mode 3 (UVC) delivers video over USB; the camera takes a
    // new output mode up when it starts again.
    bool deliversVideo() const
    {
        return profile_.streamFlag != 0 && startedOutputMode_ == 3;
    }
    // The camera starts again (reboot, replug) with its saved output mode.
    void powerCycle()
    {
        startedOutputMode_ = saved_.outputMode;
    }

    // Session start at simulator time nowUs: working <- saved, awake,
    // shutter idle, automatic FFC period starting.
    void beginSession(int64_t nowUs);
    Settings& working()
    {
        return working_;
    }
    Settings& saved()
    {
        return saved_;
    }
    static Settings factorySettings(bool refrigerated);
    // saved <- working, for the image parameters only.
    void saveImageParams();
    // working <- factory, for the image parameters only.
    void restoreFactoryImageParams();

    // A shutter FFC now (closeNow), or only a restart of the automatic
    // period after its mode or time changed.
    void restartFfc(int64_t nowUs, bool closeNow);

    bool setKnob(const std::string& key, double v);
    bool knob(const std::string& key, double* v) const;
    const Knobs& knobs() const
    {
        return knobs_;
    }
    // Working settings by state key.
    bool setting(const std::string& key, int* v) const;

    int openAttempts = 0;
    bool rebooting = false;  // between USBSDK_Reboot and the device's return
    // Firmware flash (every other operation is BUSY meanwhile) and the data
    // collection store, owned by their command families.
    std::atomic<bool> flashing{false};
    struct Collection;
    Collection* collection = nullptr;  // made on first use, kept for the process
    // Scene of SIMCAM_SetScene; frames take it up from the next one.
    SIMCAM_Scene scene{};

    // --- atomic ---

    const LiveProfile& live() const
    {
        return live_;
    }
    bool present() const
    {
        return present_.load(std::memory_order_acquire);
    }
    void setPresent(bool on)
    {
        present_.store(on, std::memory_order_release);
    }
    bool sleeping() const
    {
        return sleeping_.load(std::memory_order_relaxed);
    }
    void setSleeping(bool on)
    {
        sleeping_.store(on, std::memory_order_relaxed);
    }
    bool streaming() const
    {
        return streaming_.load(std::memory_order_relaxed);
    }
    void setStreaming(bool on)
    {
        streaming_.store(on, std::memory_order_relaxed);
    }
    int streamFault() const
    {
        return streamFault_.load(std::memory_order_relaxed);
    }
    void setStreamFault(int fault)
    {
        streamFault_.store(fault, std::memory_order_relaxed);
    }
    // True while the shutter is closed at simulator time nowUs: for
    // shutterMs after a ShutterCorrect, and with automatic FFC for shutterMs
    // at the end of every period (paused while asleep). The frame source
    // repeats its last frame meanwhile.
    bool shutterClosed(int64_t nowUs) const;
    // Frames carry a raw radiometric frame: type 1 with raw output on.
    bool carriesRaw() const
    {
        return live_.deviceType.load(std::memory_order_relaxed) == 1 &&
               live_.rawOutput.load(std::memory_order_relaxed) != 0;
    }

private:
    void publishProfile();
    // Mirrors the FFC mode, period and shutter length for shutterClosed().
    void publishFfc();

    int index_ = 0;
    SIMCAM_DeviceProfile profile_{};
    Settings saved_;
    Settings working_;
    Knobs knobs_;
    int startedOutputMode_ = 3;

    LiveProfile live_;
    std::atomic<bool> present_{false};
    std::atomic<bool> sleeping_{false};
    std::atomic<bool> streaming_{true};
    std::atomic<int> streamFault_{0};
    std::atomic<int64_t> ffcAnchorUs_{0};       // last FFC or period restart
    std::atomic<bool> ffcAnchorClosed_{false};  // the anchor was a shutter FFC
    std::atomic<int64_t> ffcPeriodUs_{0};       // 0: manual FFC mode
    std::atomic<int64_t> shutterUs_{400000};
};

}  // namespace camsdk
