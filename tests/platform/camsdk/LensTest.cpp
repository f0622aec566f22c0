// Lens commands: refused on an uncooled camera; on a cooled one, steps,
// continuous motion and the automatic focus run on the simulator clock.
#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class LensTest : public CamsdkTest {
protected:
    static void cooled()
    {
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.refrigerated = 1;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    }
    static int focus() { return int(value(0, "focusPos")); }
    static int zoom() { return int(value(0, "zoomPos")); }
    static int mode()
    {
        int m = -1;
        EXPECT_EQ(USBSDK_GetRefrigerationFocusMode(&m), 1);
        return m;
    }
};

TEST_F(LensTest, UncooledCameraRefusesEveryCommand)
{
    openDevice();
    int m = -1;
    const int results[] = {
        USBSDK_SetRefrigerationFocusMode(0),       USBSDK_GetRefrigerationFocusMode(&m),
        USBSDK_SetRefrigerationAutoFocus(),        USBSDK_SetRefrigerationFocus(1),
        USBSDK_SetRefrigerationContinuousFocus(1), USBSDK_SetRefrigerationZoom(1),
        USBSDK_SetRefrigerationContinuousZoom(1),
    };
    for (int r : results) EXPECT_EQ(r, 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
    EXPECT_EQ(m, -1);
    EXPECT_EQ(focus(), 500);
    EXPECT_EQ(zoom(), 0);
}

TEST_F(LensTest, StepsAndArguments)
{
    cooled();
    openDevice();
    EXPECT_EQ(mode(), 0);
    const struct {
        int (*call)(int);
        int direction, ok, focus, zoom;
    } steps[] = {
        {USBSDK_SetRefrigerationFocus, 1, 1, 510, 0},           {USBSDK_SetRefrigerationFocus, 0, 1, 500, 0},
        {USBSDK_SetRefrigerationFocus, 0, 1, 490, 0},           {USBSDK_SetRefrigerationFocus, 2, 1, 490, 0},
        {USBSDK_SetRefrigerationFocus, 3, 0, 490, 0},           {USBSDK_SetRefrigerationZoom, 0, 1, 490, 0},
        {USBSDK_SetRefrigerationZoom, 1, 1, 490, 10},           {USBSDK_SetRefrigerationZoom, -1, 0, 490, 10},
        {USBSDK_SetRefrigerationContinuousZoom, 5, 0, 490, 10},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(s.call(s.direction), s.ok) << s.direction;
        EXPECT_EQ(focus(), s.focus);
        EXPECT_EQ(zoom(), s.zoom);
    }
    EXPECT_EQ(USBSDK_SetRefrigerationFocusMode(2), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(USBSDK_GetRefrigerationFocusMode(nullptr), 0);

    // Automatic mode holds the focus at 500; steps change nothing.
    ASSERT_EQ(USBSDK_SetRefrigerationFocusMode(1), 1);
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(focus(), 500);
    EXPECT_EQ(USBSDK_SetRefrigerationFocus(1), 1);
    EXPECT_EQ(focus(), 500);
}

TEST_F(LensTest, MotionRunsOnTheSimulatorClock)
{
    cooled();
    openDevice();
    // Continuous focus: 200 units per second until stopped.
    ASSERT_EQ(USBSDK_SetRefrigerationContinuousFocus(1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    ASSERT_EQ(USBSDK_SetRefrigerationContinuousFocus(2), 1);
    EXPECT_EQ(focus(), 700);
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    ASSERT_EQ(mode(), 0);
    EXPECT_EQ(focus(), 700);

    // Continuous zoom stops at its limit.
    ASSERT_EQ(USBSDK_SetRefrigerationContinuousZoom(1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(6000), 1);
    ASSERT_EQ(mode(), 0);
    EXPECT_EQ(zoom(), 1000);

    // Automatic focus: back to 500 over one second.
    ASSERT_EQ(USBSDK_SetRefrigerationAutoFocus(), 1);
    EXPECT_EQ(focus(), 700);
    ASSERT_EQ(SIMCAM_AdvanceTime(500), 1);
    ASSERT_EQ(mode(), 0);
    EXPECT_EQ(focus(), 600);
    ASSERT_EQ(SIMCAM_AdvanceTime(600), 1);
    ASSERT_EQ(mode(), 0);
    EXPECT_EQ(focus(), 500);
}

}  // namespace
}  // namespace camsdktest
