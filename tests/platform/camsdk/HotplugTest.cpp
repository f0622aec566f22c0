// Unplug and replug: the lost session, the device list, device-change events.
#include <cstring>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

// Collects device-change events; waits are "eventually" with a generous bound.
struct Events {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<std::pair<int, USBSDK_DeviceInfo>> seen;

    static void callback(int event, const USBSDK_DeviceInfo* device, void* user)
    {
        auto* self = static_cast<Events*>(user);
        std::lock_guard<std::mutex> lock(self->mutex);
        self->seen.emplace_back(event, *device);
        self->cv.notify_all();
    }
    bool waitFor(size_t n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return cv.wait_for(lock, std::chrono::seconds(10), [&] { return seen.size() >= n; });
    }
};

class HotplugTest : public CamsdkTest {
protected:
    void SetUp() override
    {
        CamsdkTest::SetUp();
        ASSERT_EQ(USBSDK_SetDeviceChangeCallback(&Events::callback, &events_), 1);
    }
    Events events_;
    Recorder::Journal journal_;
};

TEST_F(HotplugTest, UnplugLosesTheSessionAndReplugListsAgain)
{
    openDevice();
    Recorder sink(journal_, 1);
    ASSERT_EQ(sink.start(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(2), 1);

    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);  // at once
    EXPECT_EQ(value(0, "lost"), 1.0);
    ASSERT_TRUE(events_.waitFor(1));
    {
        std::lock_guard<std::mutex> lock(events_.mutex);
        EXPECT_EQ(events_.seen[0].first, 0);
        EXPECT_EQ(events_.seen[0].second.sdkDeviceId, 0x01000001u);
        EXPECT_STREQ(events_.seen[0].second.name, "SimCam Thermal #1");
    }
    ASSERT_EQ(SIMCAM_StepFrames(5), 1);
    EXPECT_EQ(journal_.size(), 2u);  // frames stopped

    // Every device operation now fails DISCONNECTED; Close still succeeds.
    char serial[32] = {};
    EXPECT_EQ(USBSDK_GetSerialNumber(serial, 32), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    EXPECT_EQ(USBSDK_SetSleepMode(4), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    EXPECT_EQ(sink.start(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    EXPECT_EQ(USBSDK_SetColor(3), 0);  // settings too
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    USBSDK_DeviceInfo list[4];
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 4), 0);
    EXPECT_EQ(USBSDK_Close(), 1);

    ASSERT_EQ(SIMCAM_Replug(0), 1);
    ASSERT_TRUE(events_.waitFor(2));
    {
        std::lock_guard<std::mutex> lock(events_.mutex);
        EXPECT_EQ(events_.seen[1].first, 1);
    }
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 4), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);  // a session must be opened again
    openDevice();
    EXPECT_EQ(USBSDK_Connect(), 1);
}

TEST_F(HotplugTest, ReplugKeepsALostSessionLost)
{
    openDevice();
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_EQ(SIMCAM_Replug(0), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    char serial[32];
    EXPECT_EQ(USBSDK_GetSerialNumber(serial, 32), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    ASSERT_TRUE(events_.waitFor(2));
}

TEST_F(HotplugTest, UnplugOfAnotherDeviceLeavesTheSessionAlone)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    ASSERT_TRUE(events_.waitFor(1));  // the second device arrived
    openDevice(0);
    Recorder sink(journal_, 1);
    ASSERT_EQ(sink.start(), 1);
    ASSERT_EQ(SIMCAM_Unplug(1), 1);
    ASSERT_TRUE(events_.waitFor(2));
    {
        std::lock_guard<std::mutex> lock(events_.mutex);
        EXPECT_EQ(events_.seen[1].first, 0);
        EXPECT_EQ(events_.seen[1].second.sdkDeviceId, 0x01000002u);
    }
    ASSERT_EQ(SIMCAM_StepFrames(3), 1);
    EXPECT_EQ(journal_.size(), 3u);
    EXPECT_EQ(USBSDK_Connect(), 1);
    USBSDK_DeviceInfo list[4];
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 4), 1);
}

TEST_F(HotplugTest, RemovingTheOpenDeviceLosesTheSession)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    openDevice(1);
    ASSERT_EQ(SIMCAM_SetDeviceCount(1), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    char serial[32];
    EXPECT_EQ(USBSDK_GetSerialNumber(serial, 32), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    EXPECT_EQ(SIMCAM_Unplug(1), 0);  // no such device any more
    EXPECT_EQ(USBSDK_Close(), 1);
}

TEST_F(HotplugTest, ClearingTheCallbackStopsEvents)
{
    ASSERT_EQ(USBSDK_SetDeviceChangeCallback(nullptr, nullptr), 1);
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    // Delivery is asynchronous: re-arm and wait for a later event to be sure
    // the first one was dropped rather than late.
    ASSERT_EQ(USBSDK_SetDeviceChangeCallback(&Events::callback, &events_), 1);
    ASSERT_EQ(SIMCAM_Replug(0), 1);
    ASSERT_TRUE(events_.waitFor(1));
    std::lock_guard<std::mutex> lock(events_.mutex);
    ASSERT_EQ(events_.seen.size(), 1u);
    EXPECT_EQ(events_.seen[0].first, 1);
}

}  // namespace
}  // namespace camsdktest
