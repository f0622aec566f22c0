// Real play: pacing on the manual clock, sinks, replacement, synchronous
// stops, calls from inside callbacks, stream faults.
#include <cstring>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class RealPlayTest : public CamsdkTest {
protected:
    void setFps(int fps)
    {
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.fps = fps;
        p.width = 64;  // small frames keep the tests fast
        p.height = 48;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    }
    Recorder::Journal journal_;
};

TEST_F(RealPlayTest, FramesArriveAtTheConfiguredRate)
{
    for (int fps : {1, 7, 25, 30, 60}) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        setFps(fps);
        openDevice();
        Recorder::Journal journal;
        Recorder sink(journal, 1);
        const long long t0 = SIMCAM_Now();
        ASSERT_EQ(sink.start(), 1);
        ASSERT_EQ(SIMCAM_AdvanceTime(999), 1);
        EXPECT_EQ(int(journal.size()), fps - 1) << fps;  // the first frame comes one period after the start
        ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
        EXPECT_EQ(int(journal.size()), fps) << fps;
        ASSERT_EQ(SIMCAM_AdvanceTime(2000), 1);
        EXPECT_EQ(int(journal.size()), 3 * fps) << fps;
        EXPECT_EQ(value(0, "frameSeq"), 3.0 * fps);
        const auto frames = journal.copy();
        for (size_t i = 0; i < frames.size(); ++i) {
            ASSERT_EQ(frames[i].seq, int(i)) << fps;  // every frame in order, none skipped
            ASSERT_EQ(frames[i].clockMs - t0, (long long)((i + 1) * 1000 / size_t(fps))) << fps;
        }
        ASSERT_EQ(USBSDK_Close(), 1);
    }
}

TEST_F(RealPlayTest, FramesCarryDisplayAndRawBuffersOnTheFrameThread)
{
    setFps(25);
    openDevice();
    Recorder sink(journal_, 1);
    ASSERT_EQ(sink.start(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(2), 1);
    ASSERT_EQ(journal_.size(), 2u);
    for (const FrameSeen& f : journal_.copy()) {
        EXPECT_EQ(f.width, 64);
        EXPECT_EQ(f.height, 48);
        EXPECT_EQ(f.yuvLen, 64 * 48 * 2);
        EXPECT_EQ(f.rawLen, 64 * 48 * 2 + USBSDK_REDUNDATA_SIZE);
        EXPECT_NE(f.thread, std::this_thread::get_id());
    }
    // A new size shows from the next frame.
    ASSERT_EQ(SIMCAM_SetFrameSize(0, 32, 16), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_EQ(journal_.copy().back().width, 32);
    EXPECT_EQ(journal_.copy().back().yuvLen, 32 * 16 * 2);
}

TEST_F(RealPlayTest, EverySinkGetsEveryFrameInRegistrationOrder)
{
    setFps(25);
    openDevice();
    Recorder a(journal_, 1), b(journal_, 2), c(journal_, 3);
    ASSERT_EQ(b.start(), 1);
    ASSERT_EQ(a.start(), 1);
    ASSERT_EQ(c.start(), 1);
    EXPECT_EQ(value(0, "sinks"), 3.0);
    ASSERT_EQ(SIMCAM_StepFrames(4), 1);
    const auto frames = journal_.copy();
    const int order[3] = {2, 1, 3};
    ASSERT_EQ(frames.size(), 12u);
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].tag, order[i % 3]) << i;
        EXPECT_EQ(frames[i].seq, int(i / 3)) << i;
        EXPECT_EQ(frames[i].thread, frames[0].thread);
    }
}

TEST_F(RealPlayTest, RepeatedStartReplacesTheCallbackAndKeepsItsPlace)
{
    setFps(25);
    openDevice();
    Recorder a(journal_, 1), b(journal_, 2);
    ASSERT_EQ(a.start(), 1);
    ASSERT_EQ(b.start(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    ASSERT_EQ(USBSDK_StartRealPlay(&Recorder::callbackPlus100, &a), 1);
    EXPECT_EQ(value(0, "sinks"), 2.0);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    const auto frames = journal_.copy();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[2].tag, 101);  // replaced, still first
    EXPECT_EQ(frames[3].tag, 2);
    EXPECT_EQ(frames[3].seq, 1);  // the stream kept running
}

TEST_F(RealPlayTest, StopRealPlayRemovesOneSinkOrAll)
{
    setFps(25);
    openDevice();
    Recorder a(journal_, 1), b(journal_, 2), c(journal_, 3);
    ASSERT_EQ(a.start(), 1);
    ASSERT_EQ(b.start(), 1);
    ASSERT_EQ(c.start(), 1);
    ASSERT_EQ(USBSDK_StopRealPlay(&b), 1);
    EXPECT_EQ(USBSDK_StopRealPlay(&b), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    auto frames = journal_.copy();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].tag, 1);
    EXPECT_EQ(frames[1].tag, 3);

    ASSERT_EQ(USBSDK_StopRealPlay(nullptr), 1);
    EXPECT_EQ(value(0, "sinks"), 0.0);
    ASSERT_EQ(SIMCAM_StepFrames(3), 1);
    EXPECT_EQ(journal_.size(), 2u);
    EXPECT_EQ(USBSDK_Connect(), 1);  // the session stays
    EXPECT_EQ(USBSDK_StopRealPlay(nullptr), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);

    // Restarting begins a fresh period; the sequence goes on.
    ASSERT_EQ(b.start(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_EQ(journal_.copy().back().seq, 1);
}

TEST_F(RealPlayTest, StartRealPlayRefusals)
{
    Recorder a(journal_, 1);
    EXPECT_EQ(a.start(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    EXPECT_EQ(USBSDK_StopRealPlay(&a), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    EXPECT_EQ(USBSDK_StartRealPlay(nullptr, &a), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(USBSDK_StartRealPlay(&Recorder::callback, nullptr), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);

    std::vector<Recorder> sinks;
    sinks.reserve(9);
    for (int i = 0; i < 9; ++i) sinks.emplace_back(journal_, i);
    for (int i = 0; i < 8; ++i) ASSERT_EQ(sinks[size_t(i)].start(), 1) << i;
    EXPECT_EQ(sinks[8].start(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BUSY);
    EXPECT_EQ(sinks[0].start(), 1);  // replacing is not adding
}

TEST_F(RealPlayTest, DeviceWithoutVideoRefusesRealPlay)
{
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.streamFlag = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    EXPECT_EQ(listed().streamFlag, 0u);
    openDevice();
    Recorder a(journal_, 1);
    EXPECT_EQ(a.start(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
}

// A slow sink builds no backlog: the ticks it overran are skipped and the
// sequence counts produced frames only.
TEST_F(RealPlayTest, MissedTicksAreSkipped)
{
    setFps(25);
    openDevice();
    struct Slow {
        static void callback(const unsigned char* yuv, int, const unsigned char*, int, int, int, void* user)
        {
            auto* journal = static_cast<Recorder::Journal*>(user);
            std::lock_guard<std::mutex> lock(journal->mutex);
            journal->frames.push_back(
                FrameSeen{0, 0, 0, 0, 0, false, false, yuv[1], Recorder::frameSeq(), SIMCAM_Now(), {}});
            // The first frame takes 100 ms of simulator time.
            if (journal->frames.size() == 1) SIMCAM_AdvanceTime(100);
        }
    };
    const long long t0 = SIMCAM_Now();
    ASSERT_EQ(USBSDK_StartRealPlay(&Slow::callback, &journal_), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(40), 1);  // frame 0 at 40, the sink returns at 140
    EXPECT_EQ(SIMCAM_Now() - t0, 140);
    ASSERT_EQ(SIMCAM_AdvanceTime(20), 1);  // ticks 80 and 120 were missed; next at 160
    ASSERT_EQ(SIMCAM_AdvanceTime(40), 1);
    const auto frames = journal_.copy();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].clockMs - t0, 40);
    EXPECT_EQ(frames[1].clockMs - t0, 160);
    EXPECT_EQ(frames[2].clockMs - t0, 200);
    EXPECT_EQ(frames[1].seq, 1);
    EXPECT_EQ(frames[2].seq, 2);
    EXPECT_EQ(value(0, "frameSeq"), 3.0);
}

TEST_F(RealPlayTest, StreamingOffProducesNothingWhileConnected)
{
    setFps(25);
    openDevice();
    Recorder a(journal_, 1);
    ASSERT_EQ(a.start(), 1);
    ASSERT_EQ(SIMCAM_SetStreaming(0, 0), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(400), 1);
    EXPECT_EQ(journal_.size(), 0u);
    EXPECT_EQ(USBSDK_Connect(), 1);
    ASSERT_EQ(SIMCAM_SetStreaming(0, 1), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    ASSERT_EQ(journal_.size(), 1u);
    EXPECT_EQ(journal_.copy()[0].seq, 0);  // the first produced frame
}

TEST_F(RealPlayTest, StreamFaultsBendWhatSinksReceive)
{
    setFps(25);
    const int yuv = 64 * 48 * 2, raw = yuv + USBSDK_REDUNDATA_SIZE;
    struct Case {
        int fault;
        int frame;  // which frame to look at
        int yuvLen, rawLen, width;
        bool yuvNull, rawNull;
    };
    const Case cases[] = {
        {SIMCAM_FAULT_NONE, 0, yuv, raw, 64, false, false},
        {SIMCAM_FAULT_RAW_MISSING, 0, yuv, 0, 64, false, true},
        {SIMCAM_FAULT_YUV_LEN_SHORT, 0, yuv - 2, raw, 64, false, false},
        {SIMCAM_FAULT_RAW_LEN_NO_BLOCK, 0, yuv, yuv, 64, false, false},
        {SIMCAM_FAULT_ZERO_SIZE_EVERY10, 8, yuv, raw, 64, false, false},
        {SIMCAM_FAULT_ZERO_SIZE_EVERY10, 9, yuv, raw, 0, false, false},
        {SIMCAM_FAULT_NULL_YUV_EVERY10, 9, yuv, raw, 64, true, false},
    };
    for (const Case& c : cases) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        setFps(25);
        openDevice();
        Recorder::Journal journal;
        Recorder sink(journal, 1);
        ASSERT_EQ(sink.start(), 1);
        ASSERT_EQ(SIMCAM_SetStreamFault(0, c.fault), 1);
        ASSERT_EQ(SIMCAM_StepFrames(10), 1);
        const FrameSeen f = journal.copy().at(size_t(c.frame));
        EXPECT_EQ(f.yuvLen, c.yuvLen) << c.fault;
        EXPECT_EQ(f.rawLen, c.rawLen) << c.fault;
        EXPECT_EQ(f.width, c.width) << c.fault;
        EXPECT_EQ(f.yuvNull, c.yuvNull) << c.fault;
        EXPECT_EQ(f.rawNull, c.rawNull) << c.fault;
    }
    EXPECT_EQ(SIMCAM_SetStreamFault(0, 7), 0);
}

// Stop calls made from inside a frame callback end without waiting for that
// callback, and nothing is delivered after them.
TEST_F(RealPlayTest, CloseOrStopFromInsideACallbackDoesNotDeadlock)
{
    enum Action { kClose, kStopOwn, kStopAll };
    for (Action action : {kClose, kStopOwn, kStopAll}) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        setFps(25);
        openDevice();
        struct Sink {
            Action action;
            std::atomic<int> calls{0};
            std::atomic<int> result{-1};
            static void callback(const unsigned char*, int, const unsigned char*, int, int, int, void* user)
            {
                auto* self = static_cast<Sink*>(user);
                if (self->calls++ > 0) return;
                switch (self->action) {
                    case kClose:
                        self->result = USBSDK_Close();
                        break;
                    case kStopOwn:
                        self->result = USBSDK_StopRealPlay(self);
                        break;
                    case kStopAll:
                        self->result = USBSDK_StopRealPlay(nullptr);
                        break;
                }
            }
        } sink;
        sink.action = action;
        Recorder other(journal_, 9);
        ASSERT_EQ(USBSDK_StartRealPlay(&Sink::callback, &sink), 1);
        ASSERT_EQ(SIMCAM_StepFrames(1), 1);
        EXPECT_EQ(sink.result.load(), 1) << action;
        EXPECT_EQ(USBSDK_Connect(), action == kClose ? 0 : 1) << action;
        ASSERT_EQ(SIMCAM_StepFrames(3), 1);
        EXPECT_EQ(sink.calls.load(), 1) << action;
        if (action != kClose) {
            // The stream itself carries on for new sinks.
            ASSERT_EQ(other.start(), 1);
            const size_t before = journal_.size();
            ASSERT_EQ(SIMCAM_StepFrames(1), 1);
            EXPECT_EQ(journal_.size(), before + 1);
        }
    }
    // A later session reaps the stream that was stopped from inside.
    openDevice();
    EXPECT_EQ(USBSDK_Close(), 1);
}

// A sink that sleeps inside its callback while another thread stops it: the
// stop returns only after the callback ended, and none follows. Real clock.
TEST_F(RealPlayTest, NoCallbackAfterAStopReturns)
{
    enum Stop { kClose, kStopOwn, kStopAll, kUnplug };
    for (Stop stop : {kClose, kStopOwn, kStopAll, kUnplug}) {
        SIMCAM_Reset();  // real clock
        setFps(60);
        openDevice();
        struct Sink {
            std::atomic<bool> inside{false};
            std::atomic<int> calls{0};
            std::atomic<bool> entered{false};
            static void callback(const unsigned char*, int, const unsigned char*, int, int, int, void* user)
            {
                auto* self = static_cast<Sink*>(user);
                self->inside = true;
                self->calls++;
                self->entered = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(30));
                self->inside = false;
            }
        } sink;
        ASSERT_EQ(USBSDK_StartRealPlay(&Sink::callback, &sink), 1);
        const auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!sink.entered && std::chrono::steady_clock::now() < bound)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_TRUE(sink.entered.load());
        std::thread stopper([&] {
            switch (stop) {
                case kClose:
                    EXPECT_EQ(USBSDK_Close(), 1);
                    break;
                case kStopOwn:
                    EXPECT_EQ(USBSDK_StopRealPlay(&sink), 1);
                    break;
                case kStopAll:
                    EXPECT_EQ(USBSDK_StopRealPlay(nullptr), 1);
                    break;
                case kUnplug:
                    EXPECT_EQ(SIMCAM_Unplug(0), 1);
                    break;
            }
            EXPECT_FALSE(sink.inside.load()) << stop;
        });
        stopper.join();
        const int calls = sink.calls;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(sink.calls.load(), calls) << stop;
    }
}

}  // namespace
}  // namespace camsdktest
