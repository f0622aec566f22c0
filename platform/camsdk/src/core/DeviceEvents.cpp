#include "DeviceEvents.h"

#include <pthread.h>
#include <system_error>

namespace camsdk {

namespace {

thread_local bool tlsInDeviceCallback = false;

}  // namespace

void DeviceEvents::setCallback(USBSDK_DeviceChangeCallback cb, void* user)
{
    std::unique_lock<std::mutex> lock(mutex_);
    cb_ = cb;
    user_ = user;
    // Pending events were meant for the old owner; the new one hears of
    // changes from now on.
    queue_.clear();
    const uint64_t replaced = generation_++;
    if (tlsInDeviceCallback) return;
    cv_.wait(lock, [&] { return !running_ || runningGeneration_ > replaced; });
}

void DeviceEvents::post(int event, const USBSDK_DeviceInfo& device)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_ || !cb_) return;  // nobody listens: the device list still tells
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread(&DeviceEvents::run, this);
        } catch (const std::system_error&) {
            return;  // no thread, no notification; the device list still tells
        }
    }
    queue_.push_back(Event{event, device});
    cv_.notify_all();
}

void DeviceEvents::stop()
{
    {
        std::unique_lock<std::mutex> lock(mutex_);
        stop_ = true;
        queue_.clear();
        cv_.notify_all();
        if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) return;
    }
    if (thread_.joinable()) thread_.join();
}

void DeviceEvents::run()
{
    pthread_setname_np(pthread_self(), "camsdk events");
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        cv_.wait(lock, [&] { return stop_ || !queue_.empty(); });
        if (stop_) break;
        const Event e = queue_.front();
        queue_.pop_front();
        if (!cb_) continue;
        const USBSDK_DeviceChangeCallback cb = cb_;
        void* const user = user_;
        running_ = true;
        runningGeneration_ = generation_;
        lock.unlock();
        tlsInDeviceCallback = true;
        cb(e.event, &e.device, user);
        tlsInDeviceCallback = false;
        lock.lock();
        running_ = false;
        cv_.notify_all();
    }
}

}  // namespace camsdk
