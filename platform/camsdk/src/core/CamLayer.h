// Process-wide state of the camera layer: initialisation from the
// environment, the simulated devices, the one session, the last error, the
// connect type, the clock, the call log, injected faults and the
// device-change callback.
//
// Threads: everything here is thread-safe. Mutable state sits behind one
// state mutex (lock()); the status queries read atomics only. Calls that
// wait (open's deliberate delay, synchronous stops, advancing the manual
// clock) release the state mutex first: a frame callback may be blocked on a
// program mutex whose holder is calling into the layer.
//
// The instance is created on first use and never destroyed; an atexit
// handler stops its threads.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "CallLog.h"
#include "DeviceEvents.h"
#include "FaultInjection.h"
#include "FrameStream.h"
#include "Session.h"
#include "SimClock.h"
#include "SimDevice.h"
#include "SimOptions.h"
#include "camsdk.h"

namespace camsdk {

class CamLayer {
public:
    using Lock = std::unique_lock<std::mutex>;
    static constexpr long long kDefaultEpoch = 1704067200;  // 2024-01-01 UTC

    static CamLayer& instance();

    // --- any thread, no lock ---
    SimClock& clock() { return clock_; }
    CallLog& callLog() { return callLog_; }
    FaultInjection& faults() { return faults_; }
    bool simEnabled() const { return simEnabled_; }
    int lastError() const { return lastError_.load(std::memory_order_relaxed); }
    void setLastError(int code) { lastError_.store(code, std::memory_order_relaxed); }
    int connectType() const { return connectType_.load(std::memory_order_relaxed); }
    // Device of the open session (also a lost one), or null.
    const SimDevice* sessionDevice() const;
    // USBSDK_Connect: session open, device present, confirmed.
    bool connected() const;
    long long epoch() const { return epoch_.load(std::memory_order_relaxed); }
    void setEpoch(long long e) { epoch_.store(e, std::memory_order_relaxed); }

    // --- state mutex ---
    Lock lock() { return Lock(mutex_); }
    int deviceCount(const Lock&) const { return deviceCount_; }
    SimDevice& device(const Lock&, int index) { return devices_[size_t(index)]; }
    Session* session(const Lock&) { return session_.get(); }
    // 0 when a device operation may run, else NOT_OPEN or DISCONNECTED.
    int checkSession(const Lock&) const;

    // --- operations that take and release the lock themselves; they
    // return 0 or a USBSDK_ErrorCode ---
    int listDevices(USBSDK_DeviceInfo* list, int capacity, int* written);
    int setConnectType(int type);
    int open(const USBSDK_DeviceInfo& info);
    int close();
    int startRealPlay(USBSDK_RealPlayCallback cb, void* user);
    int stopRealPlay(void* user);
    void setDeviceChangeCallback(USBSDK_DeviceChangeCallback cb, void* user) { events_.setCallback(cb, user); }

    // SIMCAM_ controls; false when refused.
    void reset();
    bool setDeviceCount(int n);
    bool unplug(int index);
    bool replug(int index);
    void setClockMode(bool manual);
    bool advanceTime(int64_t us);
    bool stepFrames(int n);
    // The session's stream when it runs on device index (else null).
    std::shared_ptr<FrameStream> streamOf(const Lock&, int index) const;

    // A reboot of device index on the simulator clock: kRebootLeaveUs later
    // (the answer has reached the caller) it leaves the list and an open
    // session is lost, event 0; rebootMs after that it is back, event 1.
    static constexpr int64_t kRebootLeaveUs = 200000;
    void startReboot(const Lock&, int index);

private:
    CamLayer();
    void configure(Lock&);
    // Takes the session's stream away for a synchronous stop outside the lock.
    std::shared_ptr<FrameStream> detachStream(const Lock&);
    // Stops a detached stream; the lock must not be held. From inside one of
    // its callbacks the stream is kept until another thread reaps it.
    void finishStream(std::shared_ptr<FrameStream> stream);
    void reapRetired();
    // Marks the session lost when it runs on device index.
    std::shared_ptr<FrameStream> loseSessionOn(const Lock&, int index);
    void publishSession(const Lock&);
    // True while a firmware flash runs on any device.
    bool flashRunning(const Lock&) const;
    bool advanceToLocked(int64_t targetUs);
    static void stopAtExit();

    // Timed device events (reboots). The manual clock runs them in time order
    // with the frames inside advanceTime; on the real clock the timer thread
    // does. An event may return a stream to stop outside the lock.
    using TimedEvent = std::function<std::shared_ptr<FrameStream>(const Lock&)>;
    void schedule(const Lock&, int64_t dueUs, TimedEvent event);
    int64_t nextEventUs(const Lock&) const { return timed_.empty() ? INT64_MAX : timed_.begin()->first; }
    // Runs every event due by now; the lock must not be held.
    void runDueEvents();
    void timerLoop();

    std::mutex mutex_;
    SimClock clock_;
    CallLog callLog_;
    FaultInjection faults_;
    DeviceEvents events_;
    SimOptions options_;
    bool simEnabled_ = true;

    std::array<SimDevice, SimOptions::kMaxDevices> devices_;
    int deviceCount_ = 0;
    std::unique_ptr<Session> session_;
    std::vector<std::shared_ptr<FrameStream>> retired_;  // stopped from inside their own callback

    // Mirror of the session for the lock-free readers.
    std::atomic<int> sessionIndex_{-1};
    std::atomic<bool> sessionLost_{false};
    std::atomic<int64_t> confirmAtUs_{0};

    uint64_t opens_ = 0;  // sessions opened, for Session::number

    std::atomic<int> lastError_{0};
    std::atomic<int> connectType_{0};
    std::atomic<long long> epoch_{kDefaultEpoch};

    std::mutex advanceMutex_;  // one clock advancer at a time; never the state mutex

    std::multimap<int64_t, TimedEvent> timed_;  // by due time; equal times in order of scheduling
    std::condition_variable timerCv_;           // waits on the state mutex
    std::thread timer_;
    bool timerStop_ = false;
};

}  // namespace camsdk
