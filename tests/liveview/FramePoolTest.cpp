// The frame pool: a buffer comes back only once nobody holds it, frames
// outlive their pool, and frames released on other threads are never
// handed out while still read.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "FramePool.h"
#include "FrameMailbox.h"

namespace {

TEST(FramePoolTest, ABufferIsReusedOnlyOnceNobodyHoldsIt)
{
    FramePool pool;
    std::shared_ptr<LiveFrame> a = pool.acquire(64, 48, 0);
    ASSERT_TRUE(a);
    const LiveFrame* first = a.get();
    FramePtr held = a;  // a consumer's reference
    a.reset();
    std::shared_ptr<LiveFrame> b = pool.acquire(64, 48, 0);
    EXPECT_NE(b.get(), first);
    held.reset();
    EXPECT_EQ(pool.idleCount(), 1);
    std::shared_ptr<LiveFrame> c = pool.acquire(64, 48, 0);
    EXPECT_EQ(c.get(), first);
    EXPECT_EQ(pool.idleCount(), 0);
}

TEST(FramePoolTest, FramesAreSizedForEachRequest)
{
    FramePool pool;
    const LiveFrame* buffer = nullptr;
    {
        std::shared_ptr<LiveFrame> big = pool.acquire(640, 512, 640 * 512 * 2 + LiveFrame::kRedunBytes);
        ASSERT_TRUE(big);
        EXPECT_EQ(big->yuv.size(), 640u * 512u * 2u);
        EXPECT_EQ(big->raw.size(), 640u * 512u * 2u + 1368u);
        EXPECT_TRUE(big->hasRaw());
        buffer = big.get();
    }
    std::shared_ptr<LiveFrame> small = pool.acquire(320, 240, 0);
    ASSERT_EQ(small.get(), buffer);  // the same buffer, resized
    EXPECT_EQ(small->width, 320);
    EXPECT_EQ(small->height, 240);
    EXPECT_EQ(small->yuv.size(), 320u * 240u * 2u);
    EXPECT_FALSE(small->hasRaw());
    EXPECT_FALSE(pool.acquire(0, 240, 0));
    EXPECT_FALSE(pool.acquire(320, -2, 0));
}

TEST(FramePoolTest, IdleFramesAreKeptUpToTheLimit)
{
    FramePool pool(2);
    std::vector<std::shared_ptr<LiveFrame>> frames;
    for (int i = 0; i < 5; ++i) frames.push_back(pool.acquire(16, 16, 0));
    frames.clear();
    EXPECT_EQ(pool.idleCount(), 2);
}

TEST(FramePoolTest, FramesOutliveTheirPool)
{
    FramePtr survivor;
    {
        FramePool pool;
        std::shared_ptr<LiveFrame> frame = pool.acquire(32, 16, 0);
        std::fill(frame->yuv.begin(), frame->yuv.end(), uint8_t(0x5A));
        survivor = frame;
    }
    ASSERT_EQ(survivor->yuv.size(), 32u * 16u * 2u);
    EXPECT_TRUE(std::all_of(survivor->yuv.begin(), survivor->yuv.end(), [](uint8_t b) { return b == 0x5A; }));
    survivor.reset();  // freed, not recycled: the sanitizers see no leak and no use after free
}

// A producer fills each frame with its number and passes it through
// mailboxes to readers on other threads, which check it while holding it
// and release it there. A buffer handed out again while still read would
// show a mixed frame.
TEST(FramePoolTest, FramesReleasedOnOtherThreadsAreNeverReusedWhileRead)
{
    constexpr int kFrames = 3000;
    constexpr int kReaders = 3;
    FramePool pool;
    FrameMailbox boxes[kReaders];
    std::atomic<bool> done{false};
    std::atomic<int> mixed{0};
    std::atomic<int> checked{0};

    std::vector<std::thread> readers;
    for (int r = 0; r < kReaders; ++r) {
        readers.emplace_back([&, r] {
            for (;;) {
                const bool finished = done.load();
                FramePtr frame = boxes[r].take();
                if (!frame) {
                    if (finished) return;
                    std::this_thread::yield();
                    continue;
                }
                const uint8_t mark = frame->yuv.front();
                for (int pass = 0; pass < 3; ++pass)
                    if (!std::all_of(frame->yuv.begin(), frame->yuv.end(), [&](uint8_t b) { return b == mark; }))
                        ++mixed;
                ++checked;
            }
        });
    }
    for (int i = 0; i < kFrames; ++i) {
        std::shared_ptr<LiveFrame> frame = pool.acquire(32, 8, 0);
        ASSERT_TRUE(frame);
        std::memset(frame->yuv.data(), i & 0xFF, frame->yuv.size());
        for (FrameMailbox& box : boxes) box.put(frame);
    }
    done.store(true);
    for (std::thread& t : readers) t.join();
    EXPECT_EQ(mixed.load(), 0);
    EXPECT_GT(checked.load(), 0);
}

}  // namespace
