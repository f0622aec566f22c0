// Frames for the live hand-offs, recycled: a frame goes back to the pool
// when its last holder lets go of it, so a buffer is reused only when
// nobody holds it any more. Frames may outlive the pool; they are freed
// then instead of recycled. Once the pool has warmed up, taking a frame
// allocates nothing, not even the frame's reference count.
// Thread-safe: frames may be released on any thread.
#pragma once

#include <cstddef>
#include <memory>

#include "LiveFrame.h"

class FramePool {
public:
    // Keeps at most keepIdle released frames for reuse.
    explicit FramePool(int keepIdle = 4);
    ~FramePool();
    FramePool(const FramePool&) = delete;
    FramePool& operator=(const FramePool&) = delete;

    // A frame nobody else holds, sized width x height: yuv of width *
    // height * 2 bytes, raw of rawBytes (0: none). Its contents are
    // whatever the buffer held before: the caller fills all of it before
    // publishing it. Null when memory runs out.
    std::shared_ptr<LiveFrame> acquire(int width, int height, size_t rawBytes);

    // Released frames waiting for reuse.
    int idleCount() const;

private:
    struct State;
    struct Recycler;
    template <class T>
    struct CountAllocator;

    std::shared_ptr<State> state_;
};
