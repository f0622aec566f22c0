#include "LiveState.h"

#include <cstring>

#include "Logger.h"

namespace thermcore {

namespace {
std::unique_ptr<LiveState>& owner()
{
    static std::unique_ptr<LiveState> state;
    return state;
}
}  // namespace

// The lock outlives every init and release, so a call racing with either
// finds the state either whole or absent.
std::recursive_mutex& LiveState::mutex()
{
    static std::recursive_mutex lock;
    return lock;
}

LiveState*& LiveState::current()
{
    static LiveState* state = nullptr;
    return state;
}

int LiveState::init()
{
    std::lock_guard<std::recursive_mutex> lock(mutex());
    if (current()) return 0;
    owner() = std::make_unique<LiveState>();
    current() = owner().get();
    return 0;
}

int LiveState::release()
{
    std::lock_guard<std::recursive_mutex> lock(mutex());
    current() = nullptr;
    owner().reset();
    return 0;
}

LiveState::LiveState() = default;

void LiveState::releaseBuffers()
{
    for (Frame& f : frames_) f = Frame{};
    rules.releaseLists();
}

int LiveState::takeFrame(const RADAPI_ExtRawBuf& in)
{
    if (in.width == 0 || in.height == 0) return -1;
    Frame& next = frames_[1 - current_];
    const size_t pixels = size_t(in.width) * in.height;
    // Sized for this frame: a larger frame after a smaller one gets room.
    next.pixels.resize(pixels);
    std::memcpy(next.pixels.data(), in.pVirtAddr, pixels * sizeof(uint16_t));
    next.width = in.width;
    next.height = in.height;
    if (in.baseTemp != 0.0f) {
        next.baseTemp = in.baseTemp;
        baseTempUpdateFlag = true;
    }
    next.redunVersion = in.redunVersion;
    next.datyType = 0;
    if (in.redunVersion == 1) {
        std::memcpy(&redun, in.pVirtAddr + pixels, sizeof redun);
        next.datyType = redun.tempDataFlag ? 1 : 0;
        baseGray = redun.baseGray;
        defaultDistance = redun.defaultDistance;
        std::memcpy(lowThresholds, redun.lowThresholds, sizeof lowThresholds);
        std::memcpy(highThresholds, redun.highThresholds, sizeof highThresholds);
        distLd = redun.distLd;
        distHd = redun.distHd;
        std::memcpy(distCoef, redun.distCoef, sizeof distCoef);
        options.atmosphericTemp = redun.envTemp;
        windowWidth = in.width;
        windowHeight = in.height;
        if (redun.gainMode != tec.gainMode()) tec.setDiffTable(redun.gainMode);
    }
    current_ = 1 - current_;
    return 0;
}

}  // namespace thermcore
