#include "SimClock.h"

namespace camsdk {

SimClock::SimClock() : start_(std::chrono::steady_clock::now()) {}

int64_t SimClock::elapsedUs() const
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
}

void SimClock::setManual(bool manual)
{
    if (manual == this->manual()) return;
    if (manual) {
        // Up to a whole millisecond, so manual time stamps read back exactly.
        manualUs_.store((nowUs() + 999) / 1000 * 1000, std::memory_order_relaxed);
    } else {
        realOffsetUs_.store(manualUs_.load(std::memory_order_relaxed) - elapsedUs(), std::memory_order_relaxed);
    }
    manual_.store(manual, std::memory_order_release);
}

int64_t SimClock::nowUs() const
{
    if (manual()) return manualUs_.load(std::memory_order_acquire);
    return elapsedUs() + realOffsetUs_.load(std::memory_order_relaxed);
}

void SimClock::advanceTo(int64_t tUs)
{
    int64_t cur = manualUs_.load(std::memory_order_relaxed);
    while (cur < tUs && !manualUs_.compare_exchange_weak(cur, tUs, std::memory_order_acq_rel)) {}
}

std::chrono::steady_clock::time_point SimClock::realInstantOf(int64_t tUs) const
{
    return start_ + std::chrono::microseconds(tUs - realOffsetUs_.load(std::memory_order_relaxed));
}

}  // namespace camsdk
