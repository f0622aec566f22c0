#include "FrameMailbox.h"

#include <utility>

bool FrameMailbox::put(FramePtr frame)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const bool wasEmpty = !pending_;
    pending_ = std::move(frame);
    return wasEmpty;
}

FramePtr FrameMailbox::take()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(pending_, nullptr);
}

void FrameMailbox::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.reset();
}
