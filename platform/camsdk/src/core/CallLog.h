// The call log tests read through SIMCAM_GetCallLog: a ring of completed
// calls that overwrites the oldest, plus a per-function count that survives
// overwriting.
//
// Thread-safe behind its own mutex, never the layer's state mutex, so a call
// records itself after it released that lock. Records are copied in and out;
// nothing here points into caller memory.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "simcam.h"

namespace camsdk {

class CallLog {
public:
    static constexpr int kDefaultCapacity = 20000;

    // Appends one completed call; the sequence number is assigned here.
    void record(const char* function, int64_t clockMs, const std::string& args, const std::string& outputs, int result,
                int error);

    // Oldest first; returns the number copied.
    int copy(SIMCAM_CallRecord* out, int capacity, int* total, long long* overwritten) const;
    int count(const char* function) const;
    void clear();

    bool enabled() const { return enabled_.load(std::memory_order_relaxed); }
    void setEnabled(bool on) { enabled_.store(on, std::memory_order_relaxed); }
    int capacity() const;
    // Clears the log as well: the ring's order is not worth keeping across.
    void setCapacity(int capacity);

private:
    mutable std::mutex mutex_;
    std::atomic<bool> enabled_{true};
    int capacity_ = kDefaultCapacity;
    std::vector<SIMCAM_CallRecord> ring_;  // grows up to capacity_, then wraps
    size_t head_ = 0;                      // oldest record once the ring is full
    uint64_t seq_ = 0;
    long long overwritten_ = 0;
    std::map<std::string, int> counts_;
};

}  // namespace camsdk
