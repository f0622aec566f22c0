// At most one pending frame per consumer: the producer puts the newest frame
// and posts one wake-up only when the box was empty; a newer frame replaces a
// pending one, so a slow consumer skips frames instead of queueing them.
// Thread-safe.
#pragma once

#include <mutex>

#include "LiveFrame.h"

class FrameMailbox {
public:
    // Stores frame; true when the box was empty (post a wake-up then).
    bool put(FramePtr frame);
    // The pending frame, or null; the box is empty afterwards.
    FramePtr take();
    // Drops a pending frame.
    void clear();

private:
    std::mutex mutex_;
    FramePtr pending_;
};
