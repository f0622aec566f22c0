#include "CallLog.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace camsdk {

namespace {

// Cuts on a UTF-8 character boundary and always leaves a NUL.
template <size_t N>
void copyText(char (&field)[N], const std::string& text)
{
    size_t n = std::min(text.size(), N - 1);
    while (n > 0 && n < text.size() && (uint8_t(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

}  // namespace

void CallLog::record(const char* function, int64_t clockMs, const std::string& args, const std::string& outputs,
                     int result, int error)
{
    if (!enabled()) return;
    SIMCAM_CallRecord r;
    std::memset(&r, 0, sizeof r);
    r.clockMs = clockMs;
    r.threadId = uint64_t(syscall(SYS_gettid));
    copyText(r.function, function);
    copyText(r.args, args);
    copyText(r.outputs, outputs);
    r.result = result;
    r.error = error;

    std::lock_guard<std::mutex> lock(mutex_);
    r.seq = ++seq_;
    ++counts_[function];
    if (int(ring_.size()) < capacity_) {
        ring_.push_back(r);
    } else {
        ring_[head_] = r;
        head_ = (head_ + 1) % ring_.size();
        ++overwritten_;
    }
}

int CallLog::copy(SIMCAM_CallRecord* out, int capacity, int* total, long long* overwritten) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const int stored = int(ring_.size());
    const int n = out ? std::min(std::max(capacity, 0), stored) : 0;
    for (int i = 0; i < n; ++i) out[i] = ring_[(head_ + size_t(i)) % ring_.size()];
    if (total) *total = stored;
    if (overwritten) *overwritten = overwritten_;
    return n;
}

int CallLog::count(const char* function) const
{
    if (!function) return 0;
    std::string name = function;
    if (name.compare(0, 7, "USBSDK_") != 0) name = "USBSDK_" + name;
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = counts_.find(name);
    return it == counts_.end() ? 0 : it->second;
}

void CallLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ring_.clear();
    head_ = 0;
    overwritten_ = 0;
    counts_.clear();
}

int CallLog::capacity() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return capacity_;
}

void CallLog::setCapacity(int capacity)
{
    std::lock_guard<std::mutex> lock(mutex_);
    capacity_ = capacity;
    ring_.clear();
    ring_.shrink_to_fit();
    head_ = 0;
    overwritten_ = 0;
    counts_.clear();
}

}  // namespace camsdk
