// Initialisation from the environment. The layer reads it once per process,
// so each case runs as its own test process with its own environment (see
// CMakeLists.txt); a case skips itself when its variables are not set.
#include <cstdlib>
#include <cstring>

#include "camsdk.h"
#include "gtest/gtest.h"
#include "simcam.h"

namespace {

TEST(EnvOptions, SimulatorOptionsShapeEveryDevice)
{
    if (!std::getenv("CALIDRA_SIMCAM")) GTEST_SKIP() << "needs CALIDRA_SIMCAM";
    ASSERT_EQ(USBSDK_Init(), 1);
    EXPECT_EQ(USBSDK_Init(), 1);  // idempotent
    EXPECT_EQ(SIMCAM_IsActive(), 1);
    USBSDK_DeviceInfo list[8];
    ASSERT_EQ(USBSDK_GetDevInfoList(list, 8), 2);
    for (int i = 0; i < 2; ++i) {
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(i, &p), 1);
        EXPECT_EQ(p.width, 384);
        EXPECT_EQ(p.height, 288);
        EXPECT_EQ(p.fps, 30);
        EXPECT_EQ(p.supportNewColor, 0);
        EXPECT_EQ(p.refrigerated, 1);
    }
    double warmup = 0;
    ASSERT_EQ(SIMCAM_GetValue(1, "warmupMs", &warmup), 1);
    EXPECT_EQ(warmup, 2000.0);
    // clock=manual: time stands still until advanced.
    const long long t = SIMCAM_Now();
    ASSERT_EQ(SIMCAM_AdvanceTime(250), 1);
    EXPECT_EQ(SIMCAM_Now(), t + 250);
    // Reset goes back to the environment's configuration, not the defaults.
    SIMCAM_SetDeviceCount(5);
    SIMCAM_Reset();
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 8), 2);
    EXPECT_EQ(SIMCAM_AdvanceTime(1), 1);
}

TEST(EnvOptions, EmptyBackendListListsNothing)
{
    const char* backends = std::getenv("CALIDRA_CAMSDK_BACKENDS");
    if (!backends || *backends) GTEST_SKIP() << "needs CALIDRA_CAMSDK_BACKENDS set and empty";
    EXPECT_EQ(SIMCAM_IsActive(), 0);
    USBSDK_DeviceInfo list[8];
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 8), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NONE);
    EXPECT_EQ(SIMCAM_SetDeviceCount(1), 0);
    USBSDK_DeviceInfo info = {};
    info.sdkDeviceId = 0x01000001;
    EXPECT_EQ(USBSDK_Open(&info), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);
}

}  // namespace
