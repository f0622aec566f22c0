// Shared set-up of the camera layer tests: a fresh layer on the manual
// clock, the first listed device, and frame sinks that record what they get.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <initializer_list>
#include <utility>

#include "camsdk.h"
#include "simcam.h"

namespace camsdktest {

// A sink that drops its frames: frames are produced only while one is set.
inline void ignoreFrame(const unsigned char*, int, const unsigned char*, int, int, int, void*) {}

// Rule-space coordinate of pixel p on a side of n pixels, as the layer
// converts positions back.
inline int32_t ruleSpace(int p, int side)
{
    return int32_t((int64_t(p) * 8192 + side / 2) / side);
}

// Rules on pixels of a w x h frame.
inline USBSDK_Rule pointRule(uint32_t id, int x, int y, int w, int h)
{
    USBSDK_Rule r{};
    r.ruleId = id;
    r.type = 0;
    r.geom.point.x = ruleSpace(x, w);
    r.geom.point.y = ruleSpace(y, h);
    return r;
}

inline USBSDK_Rule lineRule(uint32_t id, int x1, int y1, int x2, int y2, int w, int h)
{
    USBSDK_Rule r{};
    r.ruleId = id;
    r.type = 1;
    r.geom.line = {ruleSpace(x1, w), ruleSpace(y1, h), ruleSpace(x2, w), ruleSpace(y2, h)};
    return r;
}

inline USBSDK_Rule areaRule(uint32_t id, uint32_t shape, std::initializer_list<std::pair<int, int>> pixels, int w,
                            int h)
{
    USBSDK_Rule r{};
    r.ruleId = id;
    r.type = 2;
    r.areaShape = shape;
    for (const auto& p : pixels) {
        r.geom.area.xy[r.geom.area.pointCount][0] = ruleSpace(p.first, w);
        r.geom.area.xy[r.geom.area.pointCount][1] = ruleSpace(p.second, h);
        ++r.geom.area.pointCount;
    }
    return r;
}

// Every test starts from the start configuration on the manual clock.
class CamsdkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    }
    void TearDown() override
    {
        USBSDK_SetDeviceChangeCallback(nullptr, nullptr);
        SIMCAM_Reset();
    }

    static USBSDK_DeviceInfo listed(int position = 0)
    {
        USBSDK_DeviceInfo list[8] = {};
        const int n = USBSDK_GetDevInfoList(list, 8);
        EXPECT_GT(n, position);
        return list[position];
    }
    static void openDevice(int position = 0)
    {
        const USBSDK_DeviceInfo info = listed(position);
        ASSERT_EQ(USBSDK_Open(&info), 1);
    }
    static double value(int index, const char* key)
    {
        double v = -12345;
        EXPECT_EQ(SIMCAM_GetValue(index, key, &v), 1) << key;
        return v;
    }
};

// One received frame.
struct FrameSeen {
    int tag;  // which sink
    int yuvLen, rawLen, width, height;
    bool yuvNull, rawNull;
    int firstY;         // display level at (0, 0)
    int seq;            // the frame's sequence number (device 0's frameSeq - 1), -1 unknown
    long long clockMs;  // simulator time inside the callback
    std::thread::id thread;
};

// A frame sink; its user pointer is the recorder itself. Records go to a
// shared journal, so that several sinks show their relative order.
class Recorder {
public:
    struct Journal {
        std::mutex mutex;
        std::condition_variable cv;
        std::vector<FrameSeen> frames;

        std::vector<FrameSeen> copy()
        {
            std::lock_guard<std::mutex> lock(mutex);
            return frames;
        }
        size_t size()
        {
            std::lock_guard<std::mutex> lock(mutex);
            return frames.size();
        }
        // Eventually-waits only, with a generous bound.
        bool waitFor(size_t n, std::chrono::seconds bound = std::chrono::seconds(10))
        {
            std::unique_lock<std::mutex> lock(mutex);
            return cv.wait_for(lock, bound, [&] { return frames.size() >= n; });
        }
    };

    Recorder(Journal& journal, int tag) : journal_(journal), tag_(tag) {}

    static void callback(const unsigned char* yuv, int yuvLen, const unsigned char* raw, int rawLen, int w, int h,
                         void* user)
    {
        auto* self = static_cast<Recorder*>(user);
        const int seq = frameSeq();
        FrameSeen f{self->tag_,
                    yuvLen,
                    rawLen,
                    w,
                    h,
                    yuv == nullptr,
                    raw == nullptr,
                    yuv ? int(yuv[1]) : -1,
                    seq,
                    SIMCAM_Now(),
                    std::this_thread::get_id()};
        std::lock_guard<std::mutex> lock(self->journal_.mutex);
        self->journal_.frames.push_back(f);
        self->journal_.cv.notify_all();
    }
    // Records under a different tag, to tell a replaced callback apart.
    static void callbackPlus100(const unsigned char* yuv, int yuvLen, const unsigned char* raw, int rawLen, int w,
                                int h, void* user)
    {
        auto* self = static_cast<Recorder*>(user);
        self->tag_ += 100;
        callback(yuv, yuvLen, raw, rawLen, w, h, user);
        self->tag_ -= 100;
    }

    int start() { return USBSDK_StartRealPlay(&Recorder::callback, this); }

    // Inside a callback: the sequence number of the frame being delivered
    // (device 0), -1 unknown. Callbacks may call into the layer, and the
    // count of produced frames already includes this one.
    static int frameSeq()
    {
        double produced = 0;
        return SIMCAM_GetValue(0, "frameSeq", &produced) == 1 ? int(produced) - 1 : -1;
    }

private:
    Journal& journal_;
    int tag_;
};

}  // namespace camsdktest
