// The frame every exported USBSDK_ function runs in: initialise the layer,
// honour an injected failure, gate device operations on the session, set the
// last error on failure only, and write the call-log record.
//
// One ApiCall per call, on the caller's thread. The state mutex is held only
// inside device() and layer(), never while the record is written.
#pragma once

#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "ArgText.h"
#include "CamLayer.h"

namespace camsdk {

class ApiCall {
public:
    ApiCall(const char* function, std::string args)
        : layer_(CamLayer::instance()), function_(function), args_(std::move(args)), clockMs_(layer_.clock().nowMs())
    {
    }

    CamLayer& layer() { return layer_; }
    // Text of the outputs written; recorded only on success.
    void setOutputs(std::string outputs) { outputs_ = std::move(outputs); }

    // An injected failure of this function: true, error set and recorded.
    bool injected();
    // error 0: records and returns result; else records, sets the last error
    // and returns 0.
    int finish(int error, int result = 1);

    // Device operation: fn(lock, device, session) -> error, run under the
    // state mutex once the session is open and its device present.
    template <typename Fn>
    int device(Fn fn)
    {
        if (injected()) return 0;
        return finish(underSession(fn));
    }

    // Device operation that takes time on purpose: the session is checked,
    // the device's wait knob (ms) passes without the state mutex (skipped on
    // the manual clock), then fn runs as in device().
    template <typename Fn>
    int deviceAfterWait(double SimDevice::Knobs::*waitMs, Fn fn)
    {
        if (injected()) return 0;
        int64_t ms = 0;
        {
            CamLayer::Lock lock = layer_.lock();
            if (const int error = layer_.checkSession(lock)) return finish(error);
            if (!layer_.clock().manual())
                ms = int64_t(layer_.device(lock, layer_.session(lock)->device).knobs().*waitMs);
        }
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return finish(underSession(fn));
    }

    // Layer operation needing no session: fn() -> error, without the lock
    // (the CamLayer operations take it themselves).
    template <typename Fn>
    int layer(Fn fn)
    {
        if (injected()) return 0;
        return finish(fn());
    }

    // Status query: read(device) on the session's device, or noDevice
    // without a session or under an injected failure. Never touches the last
    // error; only the non-constant ones are logged.
    template <typename Fn>
    static int status(const char* function, bool logged, int noDevice, Fn read)
    {
        CamLayer& l = CamLayer::instance();
        int code = 0;
        const SimDevice* d = l.sessionDevice();
        const int value = l.faults().take(function, &code) || !d ? noDevice : read(*d);
        if (logged) l.callLog().record(function, l.clock().nowMs(), std::string(), std::string(), value, 0);
        return value;
    }

private:
    template <typename Fn>
    int underSession(Fn& fn)
    {
        CamLayer::Lock lock = layer_.lock();
        if (const int error = layer_.checkSession(lock)) return error;
        Session& s = *layer_.session(lock);
        SimDevice& d = layer_.device(lock, s.device);
        if (d.flashing.load(std::memory_order_acquire)) return int(USBSDK_ERR_BUSY);  // a firmware flash runs
        return fn(lock, d, s);
    }

    CamLayer& layer_;
    const char* function_;
    std::string args_;
    std::string outputs_;
    int64_t clockMs_;
};

}  // namespace camsdk
