// Failures tests ask for: the next calls of a function fail with a code
// (SIMCAM_FailNext), opens that fail until the n-th attempt, and a connect
// that never confirms.
//
// Thread-safe behind its own mutex; armed() is an atomic so that the status
// queries stay lock-free while nothing is injected.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>

namespace camsdk {

class FaultInjection {
public:
    // function with or without "USBSDK_"; count -1 every call, 0 clears;
    // code 0 means USBSDK_ERR_INJECTED.
    void failNext(const std::string& function, int count, int code);
    // Consumes one injected failure of the function (full name); true with
    // *code set when the call must fail.
    bool take(const char* function, int* code);
    bool armed() const { return armed_.load(std::memory_order_acquire) > 0; }

    // n >= 1: attempts 1..n-1 after this call fail; 0: every attempt fails.
    void setOpenSucceedsOnAttempt(int n);
    // Counts one open attempt; true when it must fail with TIMEOUT.
    bool openAttemptFails();

    void setConnectConfirms(bool on) { connectConfirms_.store(on, std::memory_order_relaxed); }
    bool connectConfirms() const { return connectConfirms_.load(std::memory_order_relaxed); }

    // Everything above back to its default.
    void clear();

private:
    struct Rule {
        int remaining;  // -1 for ever
        int code;
    };

    std::mutex mutex_;
    std::map<std::string, Rule> rules_;  // by full name
    std::atomic<int> armed_{0};          // rules_.size()
    int openSucceedsOn_ = 1;
    int openAttempts_ = 0;
    std::atomic<bool> connectConfirms_{true};
};

}  // namespace camsdk
