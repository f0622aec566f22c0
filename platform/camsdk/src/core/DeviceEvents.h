// The layer-wide device-change callback and the thread that calls it.
//
// Events are queued by whoever unplugs or replugs (under the layer's state
// mutex is fine: posting never waits) and delivered in order on one layer
// thread, started with the first event. Events with no callback set, and
// events still queued when the callback is replaced, are dropped. Replacing or clearing the callback
// is synchronous: when setCallback() returns, the old callback is not
// running and will not start, unless setCallback() is called from inside it.
// Never call setCallback() or stop() while holding the state mutex.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "camsdk.h"

namespace camsdk {

class DeviceEvents {
public:
    DeviceEvents() = default;
    ~DeviceEvents() { stop(); }
    DeviceEvents(const DeviceEvents&) = delete;
    DeviceEvents& operator=(const DeviceEvents&) = delete;

    void setCallback(USBSDK_DeviceChangeCallback cb, void* user);
    // event 0 removed, 1 arrived; device is copied.
    void post(int event, const USBSDK_DeviceInfo& device);
    // Delivers nothing more and ends the thread (process exit).
    void stop();

private:
    struct Event {
        int event;
        USBSDK_DeviceInfo device;
    };

    void run();

    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<Event> queue_;
    USBSDK_DeviceChangeCallback cb_ = nullptr;
    void* user_ = nullptr;
    uint64_t generation_ = 0;  // bumped by every setCallback
    bool running_ = false;     // a callback is being called
    uint64_t runningGeneration_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace camsdk
