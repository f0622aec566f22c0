// A session's frame thread and its sinks.
//
// One sink per user pointer, at most kMaxSinks, called in registration
// order on the frame thread with the same read-only buffers, valid only
// during the call. A slow sink builds no backlog: the next frame comes at
// the first tick after all sinks returned, missed ticks are skipped, and
// the sequence number counts produced frames only.
//
// Stopping is synchronous: when removeSinks() or stop() returns, no callback
// of the removed sinks runs or will start, except the caller's own callback
// when called from inside it. Neither waits while the caller holds the
// layer's state mutex: callers must release it first.
//
// Thread-safe behind its own mutex; the layer's state mutex, when held, is
// always taken before it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "Frame.h"
#include "FrameSource.h"
#include "SimClock.h"
#include "camsdk.h"

namespace camsdk {

class FrameStream {
public:
    static constexpr int kMaxSinks = 8;
    enum class AddResult { kAdded, kReplaced, kFull, kNoThread };

    // clock outlives the stream; the stream owns its source.
    FrameStream(const SimClock& clock, std::unique_ptr<FrameSource> source);
    // Stops and joins. Never from the frame thread itself (the layer keeps a
    // stream stopped from inside its own callback until another thread
    // reaps it).
    ~FrameStream();
    FrameStream(const FrameStream&) = delete;
    FrameStream& operator=(const FrameStream&) = delete;

    // Adds the sink of user, or replaces its callback keeping its place;
    // starts the frame thread with the first sink. cb and user not null.
    AddResult addSink(USBSDK_RealPlayCallback cb, void* user);
    // Removes the sink of user (nullptr: every sink) and waits for its
    // running callback; returns the number removed.
    int removeSinks(void* user);
    // Removes every sink as above and ends the frame thread; joins it unless
    // called on it.
    void stop();
    // True once the frame thread has returned (or never started): joining
    // is then immediate.
    bool finished() const { return !started_.load() || exited_.load(); }

    // The manual clock moved: the frame thread re-reads the time.
    void wake();
    // Time of the next frame tick, or INT64_MAX while no sink exists.
    int64_t nextTickUs();
    // Blocks until every tick at or before tUs is handled (or no sink is
    // left) and no callback runs. Not from the frame thread.
    void waitHandled(int64_t tUs);

    // True on this stream's frame thread.
    bool onFrameThread() const;
    // True while the calling thread is inside a frame callback of any stream.
    static bool inFrameCallback();

    int sinkCount() const;
    // The source, for its any-thread queries (fps, truth).
    const FrameSource& source() const { return *source_; }
    uint64_t framesProduced() const { return produced_.load(std::memory_order_relaxed); }
    uint64_t framesDelivered() const { return delivered_.load(std::memory_order_relaxed); }

private:
    struct Sink {
        uint64_t id;
        USBSDK_RealPlayCallback cb;
        void* user;
    };

    void run();
    void deliver(std::unique_lock<std::mutex>& lock);
    // Re-anchors the tick grid when the rate changed; returns the due tick.
    int64_t dueTickLocked();
    void waitForRemoved(std::unique_lock<std::mutex>& lock, const std::vector<uint64_t>& removed);

    const SimClock& clock_;
    std::unique_ptr<FrameSource> source_;  // used on the frame thread only, fps() anywhere
    Frame frame_;                          // frame thread only

    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<Sink> sinks_;  // registration order
    uint64_t nextSinkId_ = 1;
    uint64_t running_ = 0;  // id of the sink inside its callback, 0 none
    bool stop_ = false;
    // Tick grid: tick k at anchorUs_ + k * 1e6 / anchorFps_, k >= 1.
    int64_t anchorUs_ = 0;
    int anchorFps_ = 0;
    int64_t k_ = 1;

    std::thread thread_;
    std::atomic<bool> started_{false};
    std::atomic<bool> exited_{false};
    std::atomic<uint64_t> produced_{0};
    std::atomic<uint64_t> delivered_{0};
};

}  // namespace camsdk
