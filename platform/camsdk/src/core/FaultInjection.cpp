#include "FaultInjection.h"

#include "camsdk.h"

namespace camsdk {

void FaultInjection::failNext(const std::string& function, int count, int code)
{
    const std::string name = function.compare(0, 7, "USBSDK_") == 0 ? function : "USBSDK_" + function;
    std::lock_guard<std::mutex> lock(mutex_);
    if (count == 0)
        rules_.erase(name);
    else
        rules_[name] = Rule{count, code == 0 ? int(USBSDK_ERR_INJECTED) : code};
    armed_.store(int(rules_.size()), std::memory_order_release);
}

bool FaultInjection::take(const char* function, int* code)
{
    if (!armed()) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = rules_.find(function);
    if (it == rules_.end()) return false;
    *code = it->second.code;
    if (it->second.remaining > 0 && --it->second.remaining == 0) {
        rules_.erase(it);
        armed_.store(int(rules_.size()), std::memory_order_release);
    }
    return true;
}

void FaultInjection::setOpenSucceedsOnAttempt(int n)
{
    std::lock_guard<std::mutex> lock(mutex_);
    openSucceedsOn_ = n;
    openAttempts_ = 0;
}

bool FaultInjection::openAttemptFails()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (openSucceedsOn_ == 0) return true;
    if (openAttempts_ < openSucceedsOn_) ++openAttempts_;
    return openAttempts_ < openSucceedsOn_;
}

void FaultInjection::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    rules_.clear();
    armed_.store(0, std::memory_order_release);
    openSucceedsOn_ = 1;
    openAttempts_ = 0;
    connectConfirms_.store(true, std::memory_order_relaxed);
}

}  // namespace camsdk
