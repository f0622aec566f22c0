#include "PatternFrameSource.h"

#include <algorithm>

#include "SimDevice.h"
#include "camsdk.h"

namespace camsdk {

namespace {

constexpr uint16_t kBaseRaw = 6144;  // a room-temperature grey value
constexpr uint8_t kShutterLevel = 16;

}  // namespace

int PatternFrameSource::fps() const
{
    return std::clamp(device_.live().fps.load(std::memory_order_relaxed), 1, 60);
}

bool PatternFrameSource::produce(uint64_t n, int64_t, Frame& frame)
{
    if (!device_.streaming()) return false;
    const int w = device_.live().width.load(std::memory_order_relaxed);
    const int h = device_.live().height.load(std::memory_order_relaxed);
    const bool sleeping = device_.sleeping();
    const bool withRaw = device_.carriesRaw();
    frame.width = w;
    frame.height = h;
    frame.yuv.resize(size_t(w) * size_t(h) * 2);
    frame.raw.resize(withRaw ? size_t(w) * size_t(h) * 2 + USBSDK_REDUNDATA_SIZE : 0);

    uint8_t* yuv = frame.yuv.data();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; x += 2) {
            *yuv++ = 128;
            *yuv++ = sleeping ? kShutterLevel : level(x, y, n);
            *yuv++ = 128;
            *yuv++ = sleeping ? kShutterLevel : level(x + 1, y, n);
        }
    }
    if (withRaw) {
        uint8_t* raw = frame.raw.data();
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint16_t v = uint16_t(kBaseRaw + (sleeping ? 0 : level(x, y, n)));
                *raw++ = uint8_t(v);
                *raw++ = uint8_t(v >> 8);
            }
        }
        std::fill(frame.raw.end() - USBSDK_REDUNDATA_SIZE, frame.raw.end(), uint8_t(0));
    }
    frame.publish(device_.streamFault(), n);
    return true;
}

}  // namespace camsdk
