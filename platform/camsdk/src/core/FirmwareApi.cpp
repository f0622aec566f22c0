// Firmware update: the two flashes and the progress the update page polls.
//
// A flash checks its file, then waits updateMs without the state mutex (on
// the manual clock it advances the clock itself) while the progress rises
// linearly from 0 to 100; the device answers BUSY to everything else
// meanwhile and reboots afterwards. The progress is computed from the clock
// at every poll, so it rises smoothly on both clocks and never takes a lock.
// A reset of the layer cancels a running flash: the waiting call wakes and
// answers DISCONNECTED without touching the device made afresh.
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>

#include "ApiCall.h"
#include "FamilyState.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;
using Lock = CamLayer::Lock;

namespace {

constexpr long long kMaxFirmwareBytes = 64LL * 1024 * 1024;

// Outcomes of SIMCAM_SetUpdateBehaviour (knob updateOutcome).
enum Outcome { kSucceed = 0, kVerifyFails = 1, kDeviceFails = 2 };

// The one flash of the layer (a second one is refused BUSY).
std::atomic<bool> g_active{false};
std::atomic<int64_t> g_startUs{0};
std::atomic<int64_t> g_durationUs{0};
std::atomic<int> g_idleProgress{0};  // 0 before any flash, else where the last one ended
// Bumped by every reset; a flash that sees it change was cancelled. Bumped
// under g_waitMutex so that the waiting flash cannot miss the wake-up.
std::atomic<uint64_t> g_generation{0};
std::mutex g_waitMutex;
std::condition_variable g_wake;

// Waits the flash's run time on the real clock; false when a reset
// cancelled it meanwhile.
bool waitFlash(uint64_t generation, int64_t runUs)
{
    std::unique_lock<std::mutex> lock(g_waitMutex);
    return !g_wake.wait_for(lock, std::chrono::microseconds(runUs),
                            [generation] { return g_generation.load() != generation; });
}

int progressNow()
{
    if (!g_active.load(std::memory_order_acquire)) return g_idleProgress.load(std::memory_order_relaxed);
    const int64_t duration = g_durationUs.load(std::memory_order_relaxed);
    if (duration <= 0) return 100;
    const int64_t elapsed = CamLayer::instance().clock().nowUs() - g_startUs.load(std::memory_order_relaxed);
    if (elapsed <= 0) return 0;
    return elapsed >= duration ? 100 : int(elapsed * 100 / duration);
}

// IO when the file cannot be read, FILE_VERIFY when it is empty or too big.
int checkFile(const char* path)
{
    if (!path) return USBSDK_ERR_INVALID_ARG;
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return USBSDK_ERR_IO;
    struct stat st {};
    const bool ok = fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
    std::fclose(f);
    if (!ok) return USBSDK_ERR_IO;
    if (st.st_size <= 0 || st.st_size > kMaxFirmwareBytes) return USBSDK_ERR_FILE_VERIFY;
    return 0;
}

// The device a flash goes to: the session's (UpdateMainProgram), or for
// Update3014Program the open one if usable, else the first listed. -1 and
// the error when there is none.
int flashTarget(CamLayer& l, const Lock& lock, bool needsSession, int* error)
{
    if (needsSession) {
        *error = l.checkSession(lock);
        return *error ? -1 : l.session(lock)->device;
    }
    const Session* s = l.session(lock);
    if (s && !s->lost && l.device(lock, s->device).present()) return s->device;
    for (int i = 0; i < l.deviceCount(lock); ++i) {
        const SimDevice& d = l.device(lock, i);
        if (d.present() && !d.rebooting) return i;
    }
    *error = USBSDK_ERR_NOT_FOUND;
    return -1;
}

int flash(ApiCall& call, const char* path, bool needsSession)
{
    if (call.injected()) return 0;
    CamLayer& l = call.layer();
    int index = -1;
    int64_t runUs = 0;
    int outcome = kSucceed;
    uint64_t generation = 0;
    {
        Lock lock = l.lock();
        int error = 0;
        index = flashTarget(l, lock, needsSession, &error);
        if (index < 0) {
            lock.unlock();
            return call.finish(error);
        }
        SimDevice& d = l.device(lock, index);
        if (g_active.load(std::memory_order_acquire) || d.flashing.load()) error = USBSDK_ERR_BUSY;
        if (!error) error = checkFile(path);
        outcome = int(d.knobs().updateOutcome);
        if (!error && outcome == kVerifyFails) error = USBSDK_ERR_FILE_VERIFY;
        if (error) {
            if (error != USBSDK_ERR_BUSY) g_idleProgress.store(0, std::memory_order_relaxed);
            lock.unlock();
            return call.finish(error);
        }
        const int64_t durationUs = int64_t(d.knobs().updateMs * 1000.0);
        runUs = outcome == kDeviceFails ? durationUs / 2 : durationUs;
        d.flashing.store(true, std::memory_order_release);
        g_startUs.store(l.clock().nowUs(), std::memory_order_relaxed);
        g_durationUs.store(durationUs, std::memory_order_relaxed);
        g_active.store(true, std::memory_order_release);
        generation = g_generation.load();
    }

    // The flash itself, without the state mutex: the update page polls the
    // progress and the other threads get their BUSY answers meanwhile.
    if (runUs > 0) {
        if (!l.clock().manual() || !l.advanceTime(runUs)) waitFlash(generation, runUs);
    }

    int error = 0;
    {
        Lock lock = l.lock();
        if (g_generation.load() != generation) {
            lock.unlock();
            return call.finish(USBSDK_ERR_DISCONNECTED);
        }
        SimDevice& d = l.device(lock, index);
        g_idleProgress.store(progressNow(), std::memory_order_relaxed);
        g_active.store(false, std::memory_order_release);
        d.flashing.store(false, std::memory_order_release);
        if (!d.present())
            error = USBSDK_ERR_DISCONNECTED;
        else if (outcome == kDeviceFails)
            error = USBSDK_ERR_DEVICE_FAILED;
        else
            l.startReboot(lock, index);  // leaves the list shortly after we answer
    }
    return call.finish(error);
}

}  // namespace

void camsdk::cancelFlash()
{
    {
        std::lock_guard<std::mutex> lock(g_waitMutex);
        g_generation.fetch_add(1);
        g_active.store(false, std::memory_order_release);
        g_idleProgress.store(0, std::memory_order_relaxed);
    }
    g_wake.notify_all();
}

int camsdk::updateProgress()
{
    return progressNow();
}

extern "C" {

CAMSDK_API int USBSDK_UpdateMainProgram(const char* path)
{
    ApiCall call(__func__, ArgText::of("path", path));
    return flash(call, path, true);
}

CAMSDK_API int USBSDK_Update3014Program(const char* path)
{
    ApiCall call(__func__, ArgText::of("path", path));
    return flash(call, path, false);
}

// Polled during updates: needs no session, never blocks, never logged.
CAMSDK_API int USBSDK_GetProgress(int* maximum, int* current)
{
    CamLayer::instance();
    const int p = progressNow();
    if (maximum) *maximum = 100;
    if (current) *current = p;
    return 1;
}

// Duration and outcome of the coming flashes and the reboot after them, for
// every device: knobs updateMs, updateOutcome and rebootMs.
CAMSDK_API int SIMCAM_SetUpdateBehaviour(int durationMs, int outcome, int rebootMs)
{
    CamLayer& l = CamLayer::instance();
    if (!l.simEnabled() || durationMs < 0 || outcome < kSucceed || outcome > kDeviceFails || rebootMs < 0) return 0;
    Lock lock = l.lock();
    for (int i = 0; i < camsdk::SimOptions::kMaxDevices; ++i) {
        SimDevice& d = l.device(lock, i);
        d.setKnob("updateMs", durationMs);
        d.setKnob("updateOutcome", outcome);
        d.setKnob("rebootMs", rebootMs);
    }
    return 1;
}

}  // extern "C"
