#include "FramePool.h"

#include <mutex>
#include <new>
#include <vector>

// Shared by the pool and every frame it handed out, so that a frame
// released after the pool is gone still finds where to go.
struct FramePool::State {
    // Reference-count blocks of frames: all of one type, hence one size;
    // larger requests (none expected) go to the heap.
    static constexpr size_t kBlockBytes = 128;

    explicit State(int keep) : keepIdle(size_t(keep > 0 ? keep : 0)) { idle.reserve(keepIdle); }
    ~State()
    {
        while (blocks) {
            void* next = *static_cast<void**>(blocks);
            ::operator delete(blocks);
            blocks = next;
        }
    }

    void* takeBlock(size_t bytes)
    {
        if (bytes > kBlockBytes) return ::operator new(bytes);
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (blocks) {
                void* block = blocks;
                blocks = *static_cast<void**>(block);
                return block;
            }
        }
        return ::operator new(kBlockBytes);
    }
    void giveBlock(void* block, size_t bytes)
    {
        if (bytes > kBlockBytes) {
            ::operator delete(block);
            return;
        }
        std::lock_guard<std::mutex> lock(mutex);
        *static_cast<void**>(block) = blocks;
        blocks = block;
    }

    void recycle(LiveFrame* frame)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (idle.size() < keepIdle) {
                idle.emplace_back(frame);  // capacity reserved: no allocation, no throw
                return;
            }
        }
        delete frame;
    }

    mutable std::mutex mutex;
    const size_t keepIdle;
    std::vector<std::unique_ptr<LiveFrame>> idle;
    void* blocks = nullptr;  // free blocks, linked through their first word
};

struct FramePool::Recycler {
    std::shared_ptr<State> state;
    void operator()(LiveFrame* frame) const { state->recycle(frame); }
};

// Gives shared_ptr its reference-count blocks from the pool's free list.
template <class T>
struct FramePool::CountAllocator {
    using value_type = T;

    explicit CountAllocator(std::shared_ptr<State> s) : state(std::move(s)) {}
    template <class U>
    CountAllocator(const CountAllocator<U>& other) : state(other.state)
    {
    }

    T* allocate(size_t n)
    {
        static_assert(alignof(T) <= alignof(std::max_align_t), "blocks are aligned for fundamental types only");
        return static_cast<T*>(state->takeBlock(n * sizeof(T)));
    }
    void deallocate(T* p, size_t n) { state->giveBlock(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const CountAllocator<U>& other) const
    {
        return state == other.state;
    }
    template <class U>
    bool operator!=(const CountAllocator<U>& other) const
    {
        return state != other.state;
    }

    std::shared_ptr<State> state;
};

FramePool::FramePool(int keepIdle) : state_(std::make_shared<State>(keepIdle)) {}

FramePool::~FramePool() = default;

std::shared_ptr<LiveFrame> FramePool::acquire(int width, int height, size_t rawBytes)
{
    if (width <= 0 || height <= 0) return nullptr;
    std::unique_ptr<LiveFrame> frame;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (!state_->idle.empty()) {
            frame = std::move(state_->idle.back());
            state_->idle.pop_back();
        }
    }
    try {
        if (!frame) frame.reset(new LiveFrame);
        frame->width = width;
        frame->height = height;
        // Growing is the only resize that allocates; shrinking keeps the
        // capacity for the next larger frame.
        frame->yuv.resize(size_t(width) * size_t(height) * 2);
        frame->raw.resize(rawBytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    LiveFrame* raw = frame.release();
    try {
        return std::shared_ptr<LiveFrame>(raw, Recycler{state_}, CountAllocator<LiveFrame>(state_));
    } catch (const std::bad_alloc&) {
        return nullptr;  // the deleter has already taken the frame back
    }
}

int FramePool::idleCount() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return int(state_->idle.size());
}
