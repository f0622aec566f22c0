#include "FrameStream.h"

#include <algorithm>
#include <climits>
#include <pthread.h>
#include <system_error>

namespace camsdk {

namespace {

thread_local const FrameStream* tlsDelivering = nullptr;

int64_t tickOffsetUs(int64_t k, int fps)
{
    return k * 1000000 / fps;
}

// Largest k with tickOffsetUs(k, fps) <= d, for d >= 0.
int64_t lastTickIndex(int64_t d, int fps)
{
    return ((d + 1) * fps + 999999) / 1000000 - 1;
}

}  // namespace

FrameStream::FrameStream(const SimClock& clock, std::unique_ptr<FrameSource> source)
    : clock_(clock), source_(std::move(source))
{
}

FrameStream::~FrameStream()
{
    stop();
    // Only reachable on the frame thread if an owner broke the reaping rule;
    // detaching beats terminating the process.
    if (thread_.joinable()) {
        if (onFrameThread())
            thread_.detach();
        else
            thread_.join();
    }
}

bool FrameStream::onFrameThread() const
{
    return started_.load() && thread_.get_id() == std::this_thread::get_id();
}

bool FrameStream::inFrameCallback()
{
    return tlsDelivering != nullptr;
}

int FrameStream::sinkCount() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return int(sinks_.size());
}

FrameStream::AddResult FrameStream::addSink(USBSDK_RealPlayCallback cb, void* user)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_) return AddResult::kNoThread;
    for (Sink& s : sinks_) {
        if (s.user == user) {
            s.cb = cb;
            return AddResult::kReplaced;
        }
    }
    if (int(sinks_.size()) >= kMaxSinks) return AddResult::kFull;
    if (!started_.load()) {
        try {
            thread_ = std::thread(&FrameStream::run, this);
        } catch (const std::system_error&) {
            return AddResult::kNoThread;
        }
        started_.store(true);
    }
    if (sinks_.empty()) {
        // A fresh grid: the first frame comes one period after the first sink.
        anchorUs_ = clock_.nowUs();
        anchorFps_ = source_->fps();
        k_ = 1;
    }
    sinks_.push_back(Sink{nextSinkId_++, cb, user});
    cv_.notify_all();
    return AddResult::kAdded;
}

void FrameStream::waitForRemoved(std::unique_lock<std::mutex>& lock, const std::vector<uint64_t>& removed)
{
    // Our own callback cannot end while we wait in it; it is the last one.
    if (tlsDelivering == this) return;
    cv_.wait(lock, [&] { return std::find(removed.begin(), removed.end(), running_) == removed.end(); });
}

int FrameStream::removeSinks(void* user)
{
    std::unique_lock<std::mutex> lock(mutex_);
    std::vector<uint64_t> removed;
    for (auto it = sinks_.begin(); it != sinks_.end();) {
        if (!user || it->user == user) {
            removed.push_back(it->id);
            it = sinks_.erase(it);
        } else {
            ++it;
        }
    }
    if (!removed.empty()) {
        cv_.notify_all();
        waitForRemoved(lock, removed);
    }
    return int(removed.size());
}

void FrameStream::stop()
{
    {
        std::unique_lock<std::mutex> lock(mutex_);
        std::vector<uint64_t> removed;
        for (const Sink& s : sinks_) removed.push_back(s.id);
        if (running_) removed.push_back(running_);
        sinks_.clear();
        stop_ = true;
        cv_.notify_all();
        waitForRemoved(lock, removed);
    }
    if (thread_.joinable() && !onFrameThread()) thread_.join();
}

void FrameStream::wake()
{
    std::lock_guard<std::mutex> lock(mutex_);
    cv_.notify_all();
}

int64_t FrameStream::dueTickLocked()
{
    const int fps = source_->fps();
    if (fps != anchorFps_) {
        // Keep the last tick as the origin of the new grid.
        anchorUs_ += tickOffsetUs(k_ - 1, anchorFps_);
        anchorFps_ = fps;
        k_ = 1;
    }
    return anchorUs_ + tickOffsetUs(k_, anchorFps_);
}

int64_t FrameStream::nextTickUs()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_ || sinks_.empty()) return INT64_MAX;
    return dueTickLocked();
}

void FrameStream::waitHandled(int64_t tUs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    // A callback that stopped the stream or removed the last sink is still
    // part of that frame's delivery.
    cv_.wait(lock, [&] { return running_ == 0 && (stop_ || sinks_.empty() || dueTickLocked() > tUs); });
}

void FrameStream::run()
{
    pthread_setname_np(pthread_self(), "camsdk frames");  // a name for top -H and the benches
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        if (sinks_.empty()) {
            cv_.wait(lock);
            continue;
        }
        const int64_t tick = dueTickLocked();
        if (clock_.nowUs() < tick) {
            if (clock_.manual())
                cv_.wait(lock);
            else
                cv_.wait_until(lock, clock_.realInstantOf(tick));
            continue;
        }
        const uint64_t n = produced_.load(std::memory_order_relaxed);
        lock.unlock();
        const bool produced = source_->produce(n, tick, frame_);
        lock.lock();
        if (produced) {
            produced_.store(n + 1, std::memory_order_relaxed);
            deliver(lock);
        }
        // Next tick after the sinks returned; the ones missed meanwhile are
        // skipped, not made up.
        const int64_t d = clock_.nowUs() - anchorUs_;
        k_ = std::max(k_ + 1, (d >= 0 ? lastTickIndex(d, anchorFps_) : 0) + 1);
        cv_.notify_all();
    }
    exited_.store(true);
}

void FrameStream::deliver(std::unique_lock<std::mutex>& lock)
{
    uint64_t ids[kMaxSinks];
    int count = 0;
    for (const Sink& s : sinks_) ids[count++] = s.id;
    bool any = false;
    for (int i = 0; i < count && !stop_; ++i) {
        auto it = std::find_if(sinks_.begin(), sinks_.end(), [&](const Sink& s) { return s.id == ids[i]; });
        if (it == sinks_.end()) continue;  // removed during this frame
        const Sink sink = *it;
        running_ = sink.id;
        lock.unlock();
        tlsDelivering = this;
        sink.cb(frame_.yuvPtr, frame_.yuvLen, frame_.rawPtr, frame_.rawLen, frame_.sinkWidth, frame_.sinkHeight,
                sink.user);
        tlsDelivering = nullptr;
        lock.lock();
        running_ = 0;
        any = true;
        cv_.notify_all();
    }
    if (any) delivered_.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace camsdk
