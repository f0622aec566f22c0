// Lens of the cooled cameras: focus mode, focus and zoom steps, continuous
// motion and the automatic focus run.
//
// Motion runs on the simulator clock without a timer: each motion keeps its
// start position and time, and every lens call first settles the positions
// reached by now (into both setting sets: the lens stays where it is when
// the session ends).
#include <algorithm>

#include "ApiCall.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;
using Lock = CamLayer::Lock;
using Motion = SimDevice::Settings::DeviceSide::Motion;

namespace {

constexpr int kLensMax = 1000;
constexpr int kSharp = 500;
constexpr int kStep = 10;
constexpr int kUnitsPerSecond = 200;
constexpr int64_t kAutoFocusUs = 1000000;

int clampLens(int64_t v)
{
    return int(std::min<int64_t>(kLensMax, std::max<int64_t>(0, v)));
}

// Where a motion that started at m.origin has got to at nowUs; ends it once
// it reached its goal or a limit.
int settle(Motion& m, int position, int64_t nowUs)
{
    if (m.target >= 0) {
        const int64_t dt = std::min(nowUs - m.sinceUs, kAutoFocusUs);
        position = m.origin + int((m.target - m.origin) * dt / kAutoFocusUs);
        if (dt >= kAutoFocusUs) m = Motion();
    } else if (m.rate != 0) {
        position = clampLens(m.origin + int64_t(m.rate) * (nowUs - m.sinceUs) / 1000000);
        if (position == 0 || position == kLensMax) m = Motion();
    }
    return position;
}

void start(Motion& m, int position, int rate, int target, int64_t nowUs)
{
    m.rate = rate;
    m.target = target;
    m.origin = position;
    m.sinceUs = nowUs;
}

void store(SimDevice& d, int SimDevice::Settings::*field, int v)
{
    d.working().*field = v;
    d.saved().*field = v;
}

// A lens command: the cooled capability, then the motions settled to now,
// then fn(device, now) -> error.
template <typename Fn>
int lens(const char* function, std::string args, Fn fn)
{
    ApiCall call(function, std::move(args));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (d.live().refrigerated.load() == 0) return int(USBSDK_ERR_NOT_SUPPORTED);
        const int64_t now = call.layer().clock().nowUs();
        auto& side = d.working().deviceSide;
        store(d, &SimDevice::Settings::focusPos, settle(side.focus, d.working().focusPos, now));
        store(d, &SimDevice::Settings::zoomPos, settle(side.zoom, d.working().zoomPos, now));
        return fn(call, d, now);
    });
}

// One step (0 down, 1 up, 2 stop with no effect) on a position.
int step(SimDevice& d, int SimDevice::Settings::*field, Motion& m, int direction, bool held)
{
    if (direction < 0 || direction > 2) return int(USBSDK_ERR_INVALID_ARG);
    if (direction == 2 || held) return 0;
    m = Motion();
    store(d, field, clampLens(int64_t(d.working().*field) + (direction == 1 ? kStep : -kStep)));
    return 0;
}

// Continuous motion: 0 or 1 starts it, 2 stops it where it is.
int move(SimDevice& d, int SimDevice::Settings::*field, Motion& m, int direction, bool held, int64_t now)
{
    if (direction < 0 || direction > 2) return int(USBSDK_ERR_INVALID_ARG);
    m = Motion();
    if (direction == 2 || held) return 0;
    start(m, d.working().*field, direction == 1 ? kUnitsPerSecond : -kUnitsPerSecond, -1, now);
    return 0;
}

// Automatic focus mode holds the focus at the sharp position.
bool focusHeld(SimDevice& d)
{
    return d.working().focusMode == 1;
}

}  // namespace

extern "C" {

CAMSDK_API int USBSDK_SetRefrigerationFocusMode(int mode)
{
    return lens(__func__, ArgText::of("mode", mode), [&](ApiCall&, SimDevice& d, int64_t) {
        if (mode != 0 && mode != 1) return int(USBSDK_ERR_INVALID_ARG);
        store(d, &SimDevice::Settings::focusMode, mode);
        if (mode == 1) {
            d.working().deviceSide.focus = Motion();
            store(d, &SimDevice::Settings::focusPos, kSharp);
        }
        return 0;
    });
}

CAMSDK_API int USBSDK_GetRefrigerationFocusMode(int* mode)
{
    return lens(__func__, ArgText::of("mode", mode), [&](ApiCall& call, SimDevice& d, int64_t) {
        if (!mode) return int(USBSDK_ERR_INVALID_ARG);
        *mode = d.working().focusMode;
        call.setOutputs(ArgText::of("mode", *mode));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetRefrigerationAutoFocus(void)
{
    return lens(__func__, std::string(), [&](ApiCall&, SimDevice& d, int64_t now) {
        // Returns at once; the focus reaches the sharp position 1 s later.
        start(d.working().deviceSide.focus, d.working().focusPos, 0, kSharp, now);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetRefrigerationFocus(int direction)
{
    return lens(__func__, ArgText::of("direction", direction), [&](ApiCall&, SimDevice& d, int64_t) {
        return step(d, &SimDevice::Settings::focusPos, d.working().deviceSide.focus, direction, focusHeld(d));
    });
}

CAMSDK_API int USBSDK_SetRefrigerationContinuousFocus(int direction)
{
    return lens(__func__, ArgText::of("direction", direction), [&](ApiCall&, SimDevice& d, int64_t now) {
        return move(d, &SimDevice::Settings::focusPos, d.working().deviceSide.focus, direction, focusHeld(d), now);
    });
}

CAMSDK_API int USBSDK_SetRefrigerationZoom(int direction)
{
    return lens(__func__, ArgText::of("direction", direction), [&](ApiCall&, SimDevice& d, int64_t) {
        return step(d, &SimDevice::Settings::zoomPos, d.working().deviceSide.zoom, direction, false);
    });
}

CAMSDK_API int USBSDK_SetRefrigerationContinuousZoom(int direction)
{
    return lens(__func__, ArgText::of("direction", direction), [&](ApiCall&, SimDevice& d, int64_t now) {
        return move(d, &SimDevice::Settings::zoomPos, d.working().deviceSide.zoom, direction, false, now);
    });
}

}  // extern "C"
