// Several threads on the layer while frames stream, one of them closing and
// reopening mid-stream. Meant to run under ThreadSanitizer as well; the
// assertions catch callbacks after a stop returned and calls that hang.
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "camsdk.h"
#include "gtest/gtest.h"
#include "simcam.h"

namespace {

constexpr int kRounds = 6;

struct MainSink {
    std::atomic<bool> stopped{false};  // set once the owner's stop returned
    std::atomic<int> lateCalls{0};
    std::atomic<int> frames{0};
    static void callback(const unsigned char* yuv, int yuvLen, const unsigned char*, int, int w, int h, void* user)
    {
        auto* self = static_cast<MainSink*>(user);
        if (self->stopped) self->lateCalls++;
        if (yuv && yuvLen >= w * h * 2 && w > 0) self->frames++;
        // Calls back into the layer from the frame thread, as the program does.
        USBSDK_Connect();
        USBSDK_GetFps();
    }
};

void otherCallback(const unsigned char*, int, const unsigned char*, int, int, int, void*)
{
    USBSDK_GetDeviceType();
}

bool waitUntil(const std::function<bool()>& done)
{
    const auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > bound) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(CamsdkConcurrency, QueriesSettingsAndSinksWhileClosingMidStream)
{
    SIMCAM_Reset();  // real clock
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.width = 64;
    p.height = 48;
    p.fps = 60;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "openMs", 1), 1);
    USBSDK_DeviceInfo info;
    ASSERT_EQ(USBSDK_GetDevInfoList(&info, 1), 1);

    std::atomic<bool> done{false};
    std::vector<std::thread> threads;
    // Status queries, as the GUI thread makes them.
    threads.emplace_back([&] {
        while (!done) {
            USBSDK_Connect();
            USBSDK_GetDeviceType();
            USBSDK_GetDeviceSupportExtremeMode();
            USBSDK_GetRedunType();
            USBSDK_GetShutterStatus();
            USBSDK_GetLastError();
        }
    });
    // Settings and identity reads, as a device worker.
    threads.emplace_back([&] {
        char buf[64];
        int mode = 4;
        while (!done) {
            USBSDK_SetSleepMode(mode);
            mode = 9 - mode;
            USBSDK_SetDevicePart("PN-CONC", 7);
            USBSDK_GetPartNumber(buf, 32);
            USBSDK_GetSerialNumber(buf, 32);
            int w, h;
            USBSDK_GetDevResolution(&w, &h);
        }
    });
    // A second player starting and stopping its sink.
    threads.emplace_back([&] {
        int user = 0;
        while (!done) {
            USBSDK_StartRealPlay(&otherCallback, &user);
            USBSDK_StartRealPlay(&otherCallback, &user);  // a repeated start
            USBSDK_StopRealPlay(&user);
        }
    });
    // Listing and the test controls.
    threads.emplace_back([&] {
        USBSDK_DeviceInfo list[8];
        double v;
        SIMCAM_CallRecord records[4];
        int total;
        while (!done) {
            USBSDK_GetDevInfoList(list, 8);
            SIMCAM_GetValue(0, "sinks", &v);
            SIMCAM_GetValue(0, "frameSeq", &v);
            SIMCAM_GetCallLog(records, 4, &total, nullptr);
        }
    });

    // The closer: open, stream, close mid-stream, check, again.
    for (int round = 0; round < kRounds; ++round) {
        MainSink sink;
        ASSERT_EQ(USBSDK_Open(&info), 1) << round;
        ASSERT_EQ(USBSDK_StartRealPlay(&MainSink::callback, &sink), 1) << round;
        ASSERT_TRUE(waitUntil([&] { return sink.frames >= 5; })) << round;
        if (round % 2 == 0) {
            ASSERT_EQ(USBSDK_Close(), 1) << round;
        } else {
            ASSERT_EQ(USBSDK_StopRealPlay(&sink), 1) << round;
        }
        sink.stopped = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(sink.lateCalls.load(), 0) << round;
        if (round % 2 == 1) {
            ASSERT_EQ(USBSDK_Close(), 1) << round;
        }
    }
    done = true;
    for (std::thread& t : threads) t.join();
    SIMCAM_Reset();
}

}  // namespace
