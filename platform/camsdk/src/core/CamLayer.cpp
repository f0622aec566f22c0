#include "CamLayer.h"

#include "HostRadiometry.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pthread.h>
#include <string>
#include <thread>

#include "FamilyState.h"
#include "SceneFrameSource.h"

namespace camsdk {

namespace {

// What the command families keep of a device outside its settings goes
// back to the factory state with it.
void forgetFamilies(SimDevice& d)
{
    clearDataCollection(d);
    forgetCorrections(d);
    forgetCalibration(d);
}

// Backends of CALIDRA_CAMSDK_BACKENDS that this build knows.
const char* const kSimBackend = "sim";

bool parseBackends(const char* text)
{
    if (!text) return true;  // default: the simulator
    bool sim = false;
    const std::string all = text;
    size_t pos = 0;
    while (pos <= all.size()) {
        size_t end = all.find(',', pos);
        if (end == std::string::npos) end = all.size();
        const std::string name = all.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty()) continue;
        if (name == kSimBackend)
            sim = true;
        else
            std::fprintf(stderr, "camsdk: unknown backend '%s' in CALIDRA_CAMSDK_BACKENDS, skipped\n", name.c_str());
    }
    return sim;
}

}  // namespace

CamLayer& CamLayer::instance()
{
    // Never destroyed: frame callbacks and atexit handlers of the program may
    // still call in while static objects are being torn down.
    static CamLayer* const layer = [] {
        auto* l = new CamLayer();
        std::atexit(&CamLayer::stopAtExit);
        return l;
    }();
    return *layer;
}

CamLayer::CamLayer()
{
    simEnabled_ = parseBackends(std::getenv("CALIDRA_CAMSDK_BACKENDS"));
    std::vector<std::string> problems;
    options_ = SimOptions::parse(std::getenv("CALIDRA_SIMCAM"), &problems);
    for (const std::string& p : problems)
        std::fprintf(stderr, "camsdk: CALIDRA_SIMCAM entry '%s' not understood, ignored\n", p.c_str());
    Lock lock(mutex_);
    configure(lock);
}

void CamLayer::configure(Lock& lock)
{
    timed_.clear();
    deviceCount_ = simEnabled_ ? options_.devices() : 0;
    for (int i = 0; i < int(devices_.size()); ++i) {
        devices_[size_t(i)].reset(i, options_);
        devices_[size_t(i)].setPresent(i < deviceCount_);
        forgetFamilies(devices_[size_t(i)]);
    }
    clock_.setManual(options_.manualClock());
    faults_.clear();
    callLog_.setEnabled(true);
    callLog_.setCapacity(CallLog::kDefaultCapacity);
    setLastError(0);
    connectType_.store(0);
    epoch_.store(kDefaultEpoch);
    publishSession(lock);
}

void CamLayer::stopAtExit()
{
    CamLayer& l = instance();
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(l.mutex_);
        stream = l.detachStream(lock);
    }
    l.finishStream(std::move(stream));
    {
        Lock lock(l.mutex_);
        l.timerStop_ = true;
        l.timerCv_.notify_all();
    }
    if (l.timer_.joinable()) l.timer_.join();
    l.events_.stop();
    std::vector<std::shared_ptr<FrameStream>> retired;
    {
        Lock lock(l.mutex_);
        retired.swap(l.retired_);
    }
    for (auto& s : retired) s->stop();
}

const SimDevice* CamLayer::sessionDevice() const
{
    const int index = sessionIndex_.load(std::memory_order_acquire);
    return index < 0 ? nullptr : &devices_[size_t(index)];
}

bool CamLayer::connected() const
{
    const SimDevice* d = sessionDevice();
    return d && !sessionLost_.load(std::memory_order_acquire) && d->present() && faults_.connectConfirms() &&
           clock_.nowUs() >= confirmAtUs_.load(std::memory_order_relaxed);
}

void CamLayer::publishSession(const Lock&)
{
    sessionLost_.store(session_ && session_->lost, std::memory_order_release);
    sessionIndex_.store(session_ ? session_->device : -1, std::memory_order_release);
}

bool CamLayer::flashRunning(const Lock&) const
{
    for (const SimDevice& d : devices_)
        if (d.flashing.load(std::memory_order_acquire)) return true;
    return false;
}

int CamLayer::checkSession(const Lock&) const
{
    if (!session_) return USBSDK_ERR_NOT_OPEN;
    if (session_->lost) return USBSDK_ERR_DISCONNECTED;
    return 0;
}

std::shared_ptr<FrameStream> CamLayer::detachStream(const Lock&)
{
    return session_ ? std::move(session_->stream) : nullptr;
}

void CamLayer::finishStream(std::shared_ptr<FrameStream> stream)
{
    reapRetired();
    if (!stream) return;
    stream->stop();
    if (stream->onFrameThread()) {
        Lock lock(mutex_);
        retired_.push_back(std::move(stream));
    }
}

void CamLayer::reapRetired()
{
    std::vector<std::shared_ptr<FrameStream>> done;
    {
        Lock lock(mutex_);
        for (auto it = retired_.begin(); it != retired_.end();) {
            if ((*it)->finished() && !(*it)->onFrameThread()) {
                done.push_back(std::move(*it));
                it = retired_.erase(it);
            } else {
                ++it;
            }
        }
    }
    // Joins happen here, outside the lock; the threads have returned.
}

std::shared_ptr<FrameStream> CamLayer::loseSessionOn(const Lock& lock, int index)
{
    if (!session_ || session_->device != index || session_->lost) return nullptr;
    session_->lost = true;
    stopDataCollection(devices_[size_t(index)]);  // a camera that is gone samples nothing
    publishSession(lock);
    return detachStream(lock);
}

std::shared_ptr<FrameStream> CamLayer::streamOf(const Lock&, int index) const
{
    if (!session_ || session_->device != index) return nullptr;
    return session_->stream;
}

int CamLayer::listDevices(USBSDK_DeviceInfo* list, int capacity, int* written)
{
    if (!list || capacity < 1) return USBSDK_ERR_INVALID_ARG;
    Lock lock(mutex_);
    int n = 0;
    for (int i = 0; i < deviceCount_ && n < capacity; ++i) {
        if (devices_[size_t(i)].present()) list[n++] = devices_[size_t(i)].listEntry(connectType());
    }
    *written = n;
    return 0;
}

int CamLayer::setConnectType(int type)
{
    if (type != 0 && type != 1) return USBSDK_ERR_INVALID_ARG;
    connectType_.store(type);
    return 0;
}

int CamLayer::open(const USBSDK_DeviceInfo& info)
{
    const USBSDK_DeviceInfo wanted = info;  // the caller's record is read during the call only
    {
        Lock lock(mutex_);
        if (flashRunning(lock)) return USBSDK_ERR_BUSY;  // the camera is busy flashing
    }
    close();  // a stale session must not block a reconnect

    Lock lock(mutex_);
    const bool byPort = connectType() == 1 || wanted.sdkDeviceId == 0;
    int index = -1;
    for (int i = 0; i < deviceCount_ && index < 0; ++i) {
        const SimDevice& d = devices_[size_t(i)];
        if (!d.present()) continue;
        if (byPort ? d.profile().port == wanted.port : d.sdkDeviceId() == wanted.sdkDeviceId) index = i;
    }
    if (index < 0) return USBSDK_ERR_NOT_FOUND;
    SimDevice& device = devices_[size_t(index)];
    ++device.openAttempts;
    const bool attemptFails = faults_.openAttemptFails();
    const int64_t waitMs = clock_.manual() ? 0 : int64_t(device.knobs().openMs);
    lock.unlock();

    // The deliberate delay of the camera, without the lock.
    if (waitMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    if (attemptFails) return USBSDK_ERR_TIMEOUT;

    std::shared_ptr<FrameStream> old;
    lock.lock();
    if (!device.present() || index >= deviceCount_) return USBSDK_ERR_NOT_FOUND;
    // Another thread may have opened meanwhile; the newest open wins.
    old = detachStream(lock);
    device.beginSession(clock_.nowUs());
    // A new session starts with the thermal function closed and no frame.
    HostRadiometry::instance().reset();
    auto session = std::make_unique<Session>();
    session->device = index;
    session->identity = device.profile();
    session->serial = byPort;
    session->startUs = clock_.nowUs();
    session->number = ++opens_;
    session->stream =
        std::make_shared<FrameStream>(clock_, std::make_unique<SceneFrameSource>(*this, device, clock_.nowUs()));
    session_ = std::move(session);
    confirmAtUs_.store(clock_.nowUs() + int64_t(device.knobs().connectConfirmMs * 1000.0));
    publishSession(lock);
    lock.unlock();
    finishStream(std::move(old));
    return 0;
}

int CamLayer::close()
{
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(mutex_);
        if (!session_) return USBSDK_ERR_NOT_OPEN;
        if (devices_[size_t(session_->device)].flashing.load(std::memory_order_acquire)) return USBSDK_ERR_BUSY;
        // The session's background procedures end with it.
        stopDataCollection(devices_[size_t(session_->device)]);
        stream = detachStream(lock);
        session_.reset();
        publishSession(lock);
    }
    finishStream(std::move(stream));
    HostRadiometry::instance().reset();
    return 0;
}

int CamLayer::startRealPlay(USBSDK_RealPlayCallback cb, void* user)
{
    Lock lock(mutex_);
    if (const int err = checkSession(lock)) return err;
    if (devices_[size_t(session_->device)].flashing.load(std::memory_order_acquire)) return USBSDK_ERR_BUSY;
    if (!cb || !user) return USBSDK_ERR_INVALID_ARG;
    if (session_->serial || !devices_[size_t(session_->device)].deliversVideo()) return USBSDK_ERR_NOT_SUPPORTED;
    switch (session_->stream->addSink(cb, user)) {
        case FrameStream::AddResult::kAdded:
        case FrameStream::AddResult::kReplaced:
            return 0;
        case FrameStream::AddResult::kFull:
            return USBSDK_ERR_BUSY;
        case FrameStream::AddResult::kNoThread:
            break;
    }
    return USBSDK_ERR_INTERNAL;
}

int CamLayer::stopRealPlay(void* user)
{
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(mutex_);
        if (const int err = checkSession(lock)) return err;
        if (devices_[size_t(session_->device)].flashing.load(std::memory_order_acquire)) return USBSDK_ERR_BUSY;
        stream = session_->stream;
    }
    return stream->removeSinks(user) > 0 ? 0 : int(USBSDK_ERR_NOT_FOUND);
}

void CamLayer::reset()
{
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(mutex_);
        cancelFlash();
        stream = detachStream(lock);
        session_.reset();
        configure(lock);
    }
    finishStream(std::move(stream));
    clearProDebugScripts();
}

bool CamLayer::setDeviceCount(int n)
{
    if (n < 0 || n > SimOptions::kMaxDevices || !simEnabled_) return false;
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(mutex_);
        for (int i = n; i < deviceCount_; ++i) {
            SimDevice& d = devices_[size_t(i)];
            if (auto s = loseSessionOn(lock, i)) stream = std::move(s);
            if (d.present()) events_.post(0, d.listEntry(connectType()));
            d.setPresent(false);
        }
        for (int i = deviceCount_; i < n; ++i) {
            SimDevice& d = devices_[size_t(i)];
            d.reset(i, options_);
            forgetFamilies(d);
            events_.post(1, d.listEntry(connectType()));
        }
        deviceCount_ = n;
    }
    finishStream(std::move(stream));
    return true;
}

bool CamLayer::unplug(int index)
{
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(mutex_);
        if (index < 0 || index >= deviceCount_) return false;
        SimDevice& d = devices_[size_t(index)];
        if (!d.present()) return true;
        d.setPresent(false);
        stream = loseSessionOn(lock, index);
        events_.post(0, d.listEntry(connectType()));
    }
    finishStream(std::move(stream));
    return true;
}

bool CamLayer::replug(int index)
{
    Lock lock(mutex_);
    if (index < 0 || index >= deviceCount_) return false;
    SimDevice& d = devices_[size_t(index)];
    if (d.present()) return true;
    d.powerCycle();
    d.setPresent(true);
    events_.post(1, d.listEntry(connectType()));
    return true;
}

void CamLayer::setClockMode(bool manual)
{
    clock_.setManual(manual);
    std::shared_ptr<FrameStream> stream;
    {
        Lock lock(mutex_);
        if (session_) stream = session_->stream;
        timerCv_.notify_all();  // under the lock: the timer thread re-reads the mode
    }
    if (stream) stream->wake();
}

bool CamLayer::advanceToLocked(int64_t targetUs)
{
    // Frames in time order: the clock stops at every due tick until that
    // frame reached every sink. Timed procedures of later command families
    // join this loop as scheduled events.
    for (;;) {
        std::shared_ptr<FrameStream> stream;
        int64_t event;
        {
            Lock lock(mutex_);
            if (session_) stream = session_->stream;
            event = nextEventUs(lock);
        }
        const int64_t tick = stream ? stream->nextTickUs() : INT64_MAX;
        if (event <= targetUs && event <= tick) {
            clock_.advanceTo(event);
            runDueEvents();
            continue;
        }
        if (tick > targetUs) break;
        clock_.advanceTo(tick);
        stream->wake();
        stream->waitHandled(tick);
    }
    clock_.advanceTo(targetUs);
    return true;
}

bool CamLayer::advanceTime(int64_t us)
{
    if (!clock_.manual() || us < 0) return false;
    if (FrameStream::inFrameCallback()) {
        // Inside a frame callback we cannot wait for our own frame thread:
        // move the clock and let the thread catch up after we return.
        clock_.advanceTo(clock_.nowUs() + us);
        std::shared_ptr<FrameStream> stream;
        {
            Lock lock(mutex_);
            if (session_) stream = session_->stream;
        }
        if (stream) stream->wake();
        return true;
    }
    std::lock_guard<std::mutex> advancing(advanceMutex_);
    return advanceToLocked(clock_.nowUs() + us);
}

bool CamLayer::stepFrames(int n)
{
    if (!clock_.manual() || n < 0) return false;
    std::shared_ptr<FrameStream> stream;
    int fps = 25;
    {
        Lock lock(mutex_);
        if (session_) {
            stream = session_->stream;
            fps = devices_[size_t(session_->device)].live().fps.load();
        }
    }
    const int64_t tick = stream ? stream->nextTickUs() : INT64_MAX;
    if (tick == INT64_MAX || FrameStream::inFrameCallback()) return advanceTime(int64_t(n) * 1000000 / fps);
    std::lock_guard<std::mutex> advancing(advanceMutex_);
    // Tick by tick, so rates that do not divide a second never lose a frame.
    for (int i = 0; i < n; ++i) {
        const int64_t next = stream->nextTickUs();
        if (next == INT64_MAX) break;
        advanceToLocked(next);
    }
    return true;
}

void CamLayer::schedule(const Lock&, int64_t dueUs, TimedEvent event)
{
    timed_.emplace(dueUs, std::move(event));
    if (!timer_.joinable()) timer_ = std::thread([this] { timerLoop(); });
    timerCv_.notify_all();
}

void CamLayer::runDueEvents()
{
    std::vector<std::shared_ptr<FrameStream>> stopped;
    {
        Lock lock(mutex_);
        const int64_t now = clock_.nowUs();
        while (!timed_.empty() && timed_.begin()->first <= now) {
            TimedEvent event = std::move(timed_.begin()->second);
            timed_.erase(timed_.begin());
            if (auto stream = event(lock)) stopped.push_back(std::move(stream));
        }
    }
    for (auto& stream : stopped) finishStream(std::move(stream));
}

void CamLayer::timerLoop()
{
    pthread_setname_np(pthread_self(), "camsdk timer");
    Lock lock(mutex_);
    while (!timerStop_) {
        // On the manual clock advanceTime runs the events; we only sleep.
        if (timed_.empty() || clock_.manual()) {
            timerCv_.wait(lock);
            continue;
        }
        const int64_t due = nextEventUs(lock);
        if (clock_.nowUs() < due) {
            timerCv_.wait_until(lock, clock_.realInstantOf(due));
            continue;
        }
        lock.unlock();
        runDueEvents();
        lock.lock();
    }
}

void CamLayer::startReboot(const Lock& lock, int index)
{
    SimDevice& d = devices_[size_t(index)];
    if (d.rebooting) return;
    d.rebooting = true;
    schedule(lock, clock_.nowUs() + kRebootLeaveUs, [this, index](const Lock& l) -> std::shared_ptr<FrameStream> {
        SimDevice& leaving = devices_[size_t(index)];
        if (!leaving.rebooting || !leaving.present()) {  // unplugged or reset meanwhile
            leaving.rebooting = false;
            return nullptr;
        }
        leaving.setPresent(false);
        leaving.powerCycle();
        std::shared_ptr<FrameStream> stream = loseSessionOn(l, index);
        events_.post(0, leaving.listEntry(connectType()));
        const int64_t backUs = clock_.nowUs() + int64_t(leaving.knobs().rebootMs * 1000.0);
        schedule(l, backUs, [this, index](const Lock&) -> std::shared_ptr<FrameStream> {
            SimDevice& back = devices_[size_t(index)];
            // A replug during the reboot brought it back already.
            if (back.rebooting && !back.present() && index < deviceCount_) {
                back.setPresent(true);
                events_.post(1, back.listEntry(connectType()));
            }
            back.rebooting = false;
            return nullptr;
        });
        return stream;
    });
}

}  // namespace camsdk
