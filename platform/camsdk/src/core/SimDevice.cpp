#include "SimDevice.h"

#include <cstdio>
#include <cstring>

#include "SceneRecord.h"

namespace camsdk {

namespace {

constexpr int kIronRed = 6;  // a first connection shows a thermal palette

template <size_t N>
void setText(char (&field)[N], const char* text)
{
    std::snprintf(field, N, "%s", text);
}

bool nulTerminated(const char* field, size_t n)
{
    return std::memchr(field, 0, n) != nullptr;
}

}  // namespace

SIMCAM_DeviceProfile SimDevice::defaultProfile(int index)
{
    SIMCAM_DeviceProfile p;
    std::memset(&p, 0, sizeof p);
    std::snprintf(p.name, sizeof p.name, "SimCam Thermal #%d", index + 1);
    std::snprintf(p.serial, sizeof p.serial, "SIM%08d", index + 1);
    setText(p.softwareVersion, "SIMCAM-V1.0.0");
    setText(p.partNumber, "SIM-PN-0001");
    setText(p.materialsPartNumber, "SIM-MPN-0001");
    p.port = 3 + index;
    p.streamFlag = 1;
    p.width = 640;
    p.height = 512;
    p.fps = 25;
    p.deviceType = 1;
    p.rawOutput = 1;
    p.redunType = 1;
    p.supportExtreme = p.supportLowTempTwoGear = p.supportTwoSFFC = p.supportDeltaB = p.supportNewColor = 1;
    p.supportIsp = p.supportIsothermMode = p.supportSuperRes = p.supportRawDataType = 1;
    p.refrigerated = p.supportRedunInfoFlip = 0;
    return p;
}

bool SimDevice::validFrameSize(int width, int height)
{
    return width >= 16 && width <= 1280 && width % 2 == 0 && height >= 16 && height <= 1024;
}

SimDevice::Settings SimDevice::factorySettings(bool refrigerated)
{
    Settings s;
    if (refrigerated) s.ffcTime = 60;  // minutes on a cooled camera
    return s;
}

void SimDevice::reset(int index, const SimOptions& options)
{
    index_ = index;
    profile_ = defaultProfile(index);
    options.applyTo(profile_);
    publishProfile();
    saved_ = factorySettings(profile_.refrigerated != 0);
    saved_.palette = kIronRed;
    saved_.partLength = int(strnlen(profile_.partNumber, sizeof profile_.partNumber));
    std::memcpy(saved_.partNumber, profile_.partNumber, size_t(saved_.partLength));
    working_ = saved_;
    powerCycle();
    knobs_ = Knobs();
    if (options.warmupMs() >= 0) knobs_.warmupMs = options.warmupMs();
    restartFfc(0, false);
    openAttempts = 0;
    flashing.store(false, std::memory_order_release);
    rebooting = false;
    scene = SceneRecord::factory();
    setPresent(true);
    setSleeping(false);
    setStreaming(true);
    setStreamFault(0);
}

void SimDevice::publishProfile()
{
#define CAMSDK_X(field) live_.field.store(profile_.field, std::memory_order_relaxed);
    CAMSDK_PROFILE_INTS(CAMSDK_X)
#undef CAMSDK_X
}

bool SimDevice::setProfile(const SIMCAM_DeviceProfile& p)
{
    const bool textsOk = nulTerminated(p.name, sizeof p.name) && nulTerminated(p.serial, sizeof p.serial) &&
                         nulTerminated(p.softwareVersion, sizeof p.softwareVersion);
    if (!textsOk || !validFrameSize(p.width, p.height) || p.fps < 1 || p.fps > 60 || p.port < 1 || p.port > 255 ||
        (p.deviceType != 0 && p.deviceType != 1) || (p.redunType != 0 && p.redunType != 1))
        return false;
    profile_ = p;
    publishProfile();
    return true;
}

bool SimDevice::setFrameSize(int width, int height)
{
    if (!validFrameSize(width, height)) return false;
    profile_.width = width;
    profile_.height = height;
    publishProfile();
    return true;
}

USBSDK_DeviceInfo SimDevice::listEntry(int connectType) const
{
    USBSDK_DeviceInfo info;
    std::memset(&info, 0, sizeof info);
    info.sdkDeviceId = sdkDeviceId();
    info.streamFlag = connectType == 0 && deliversVideo() ? 1 : 0;
    setText(info.name, profile_.name);
    info.port = uint8_t(profile_.port);
    info.sdkReserved[0] = uint8_t(connectType);
    return info;
}

void SimDevice::beginSession(int64_t nowUs)
{
    working_ = saved_;
    setSleeping(false);
    ffcAnchorClosed_.store(false, std::memory_order_relaxed);
    restartFfc(nowUs, false);
}

void SimDevice::saveImageParams()
{
#define CAMSDK_X(name) saved_.name = working_.name;
    CAMSDK_IMAGE_PARAM_SETTINGS(CAMSDK_X)
#undef CAMSDK_X
}

void SimDevice::restoreFactoryImageParams()
{
    const Settings factory = factorySettings(profile_.refrigerated != 0);
#define CAMSDK_X(name) working_.name = factory.name;
    CAMSDK_IMAGE_PARAM_SETTINGS(CAMSDK_X)
#undef CAMSDK_X
}

void SimDevice::publishFfc()
{
    // The FFC period counts minutes on a cooled camera, seconds otherwise.
    const int64_t unitUs = profile_.refrigerated ? 60000000 : 1000000;
    ffcPeriodUs_.store(working_.ffcMode == 1 ? int64_t(working_.ffcTime) * unitUs : 0, std::memory_order_relaxed);
    shutterUs_.store(int64_t(knobs_.shutterMs * 1000.0), std::memory_order_relaxed);
}

void SimDevice::restartFfc(int64_t nowUs, bool closeNow)
{
    publishFfc();
    ffcAnchorUs_.store(nowUs, std::memory_order_relaxed);
    ffcAnchorClosed_.store(closeNow, std::memory_order_relaxed);
}

bool SimDevice::shutterClosed(int64_t nowUs) const
{
    const int64_t since = nowUs - ffcAnchorUs_.load(std::memory_order_relaxed);
    const int64_t shutter = shutterUs_.load(std::memory_order_relaxed);
    if (since < 0) return false;
    if (ffcAnchorClosed_.load(std::memory_order_relaxed) && since < shutter) return true;
    const int64_t period = ffcPeriodUs_.load(std::memory_order_relaxed);
    return period > 0 && !sleeping() && since >= period && since % period < shutter;
}

namespace {

struct KnobEntry {
    const char* key;
    double SimDevice::Knobs::*member;
};

const KnobEntry kKnobs[] = {
#define CAMSDK_X(name, value) {#name, &SimDevice::Knobs::name},
    CAMSDK_DEVICE_KNOBS(CAMSDK_X)
#undef CAMSDK_X
};

struct SettingEntry {
    const char* key;
    int SimDevice::Settings::*member;
};

const SettingEntry kSettings[] = {
#define CAMSDK_X(name, factory) {#name, &SimDevice::Settings::name},
    CAMSDK_DEVICE_SETTINGS(CAMSDK_X)
#undef CAMSDK_X
};

}  // namespace

bool SimDevice::setKnob(const std::string& key, double v)
{
    for (const KnobEntry& k : kKnobs) {
        if (key != k.key) continue;
        knobs_.*(k.member) = v;
        publishFfc();
        return true;
    }
    return false;
}

bool SimDevice::knob(const std::string& key, double* v) const
{
    for (const KnobEntry& k : kKnobs) {
        if (key != k.key) continue;
        *v = knobs_.*(k.member);
        return true;
    }
    return false;
}

bool SimDevice::setting(const std::string& key, int* v) const
{
    for (const SettingEntry& s : kSettings) {
        if (key != s.key) continue;
        *v = working_.*(s.member);
        return true;
    }
    return false;
}

}  // namespace camsdk
