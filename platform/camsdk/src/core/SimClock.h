// The simulator clock: the monotonic clock, or a manual clock that moves only
// when a test advances it. Microseconds, so that tick times at rates that do
// not divide a second stay exact.
//
// Thread-safe: every member is atomic, so the status queries and the frame
// thread read it without the layer's lock.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace camsdk {

class SimClock {
public:
    SimClock();

    // Switching keeps the time continuous in both directions.
    void setManual(bool manual);
    bool manual() const { return manual_.load(std::memory_order_acquire); }

    // Time since the layer started.
    int64_t nowUs() const;
    int64_t nowMs() const { return nowUs() / 1000; }

    // Manual clock only: moves the time forward to t (never back).
    void advanceTo(int64_t tUs);

    // Steady-clock instant of simulator time t on the real clock, for
    // timed waits.
    std::chrono::steady_clock::time_point realInstantOf(int64_t tUs) const;

private:
    int64_t elapsedUs() const;

    const std::chrono::steady_clock::time_point start_;
    std::atomic<bool> manual_{false};
    std::atomic<int64_t> manualUs_{0};
    std::atomic<int64_t> realOffsetUs_{0};  // added to the elapsed real time
};

}  // namespace camsdk
