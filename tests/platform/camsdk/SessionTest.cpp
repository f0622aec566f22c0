// Open, connect, close, open attempts, connect confirmation, sleep, identity
// reads and the last error.
#include <cstring>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class SessionTest : public CamsdkTest {};

TEST_F(SessionTest, OpenConnectClose)
{
    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(USBSDK_GetDeviceType(), 0);
    EXPECT_EQ(USBSDK_GetFps(), 0);
    EXPECT_EQ(USBSDK_GetRedunType(), -1);
    EXPECT_EQ(USBSDK_GetDeviceImageOutputMode(), -1);
    EXPECT_EQ(USBSDK_GetDeviceSupportIsp(), 0);

    openDevice();
    EXPECT_EQ(USBSDK_Connect(), 1);
    EXPECT_EQ(USBSDK_GetDeviceType(), 1);
    EXPECT_EQ(USBSDK_GetFps(), 25);
    EXPECT_EQ(USBSDK_GetRedunType(), 1);
    EXPECT_EQ(USBSDK_GetDeviceImageOutputMode(), 1);
    EXPECT_EQ(USBSDK_GetDeviceSupportIsp(), 1);
    EXPECT_EQ(USBSDK_GetRefrigerationDeviceType(), 0);
    EXPECT_EQ(value(0, "open"), 1.0);

    EXPECT_EQ(USBSDK_Close(), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(USBSDK_Close(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
}

TEST_F(SessionTest, OpenRefusesUnknownDevicesAndNull)
{
    USBSDK_DeviceInfo info = listed();
    info.sdkDeviceId = 0x01000005;  // no fifth device
    EXPECT_EQ(USBSDK_Open(&info), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);
    EXPECT_EQ(USBSDK_Open(nullptr), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(USBSDK_Connect(), 0);
}

TEST_F(SessionTest, OpenOfAnotherDeviceReplacesTheSession)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    openDevice(0);
    openDevice(1);
    char serial[32] = {};
    ASSERT_EQ(USBSDK_GetSerialNumber(serial, 32), 1);
    EXPECT_STREQ(serial, "SIM00000002");
    EXPECT_EQ(value(0, "open"), 0.0);
}

TEST_F(SessionTest, SerialConnectTypeOpensByPortWithoutVideo)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    ASSERT_EQ(USBSDK_SetDeviceConnectType(1, 0), 1);
    USBSDK_DeviceInfo info = {};
    info.port = 4;  // the connection dialog writes the chosen port
    ASSERT_EQ(USBSDK_Open(&info), 1);
    char serial[32] = {};
    ASSERT_EQ(USBSDK_GetSerialNumber(serial, 32), 1);
    EXPECT_STREQ(serial, "SIM00000002");
    Recorder::Journal journal;
    Recorder sink(journal, 1);
    EXPECT_EQ(sink.start(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
    info.port = 7;
    EXPECT_EQ(USBSDK_Open(&info), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);
}

TEST_F(SessionTest, OpenSucceedsOnTheNthAttempt)
{
    for (int n : {1, 2, 5}) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_EQ(SIMCAM_SetOpenSucceedsOnAttempt(n), 1);
        const USBSDK_DeviceInfo info = listed();
        for (int attempt = 1; attempt < n; ++attempt) {
            EXPECT_EQ(USBSDK_Open(&info), 0) << n << " attempt " << attempt;
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_TIMEOUT);
            EXPECT_EQ(USBSDK_Connect(), 0);
        }
        EXPECT_EQ(USBSDK_Open(&info), 1) << n;
        EXPECT_EQ(USBSDK_Open(&info), 1) << n;  // later ones succeed too
        EXPECT_EQ(value(0, "openAttempts"), double(n + 1));
    }
}

TEST_F(SessionTest, OpenNeverSucceedsWithZero)
{
    ASSERT_EQ(SIMCAM_SetOpenSucceedsOnAttempt(0), 1);
    const USBSDK_DeviceInfo info = listed();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(USBSDK_Open(&info), 0);
    SIMCAM_ClearFaults();
    EXPECT_EQ(USBSDK_Open(&info), 1);
}

TEST_F(SessionTest, ConnectThatNeverConfirms)
{
    ASSERT_EQ(SIMCAM_SetConnectConfirms(0), 1);
    openDevice();
    EXPECT_EQ(USBSDK_Connect(), 0);
    char serial[32] = {};
    EXPECT_EQ(USBSDK_GetSerialNumber(serial, 32), 1);  // everything else works
    ASSERT_EQ(SIMCAM_AdvanceTime(5000), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    ASSERT_EQ(SIMCAM_SetConnectConfirms(1), 1);
    EXPECT_EQ(USBSDK_Connect(), 1);
}

TEST_F(SessionTest, ConnectConfirmsAfterTheConfirmDelay)
{
    ASSERT_EQ(SIMCAM_SetValue(0, "connectConfirmMs", 300), 1);
    openDevice();
    EXPECT_EQ(USBSDK_Connect(), 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(299), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
    EXPECT_EQ(USBSDK_Connect(), 1);
}

TEST_F(SessionTest, SleepModeSwitchesAndKeepsFramesComing)
{
    EXPECT_EQ(USBSDK_SetSleepMode(5), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    Recorder::Journal journal;
    Recorder sink(journal, 1);
    ASSERT_EQ(sink.start(), 1);

    ASSERT_EQ(USBSDK_SetSleepMode(5), 1);
    EXPECT_EQ(value(0, "sleeping"), 1.0);
    EXPECT_EQ(USBSDK_Connect(), 1);  // asleep still counts as connected
    ASSERT_EQ(SIMCAM_StepFrames(3), 1);
    ASSERT_EQ(journal.size(), 3u);
    for (const FrameSeen& f : journal.copy()) EXPECT_EQ(f.firstY, 16);  // closed shutter

    ASSERT_EQ(USBSDK_SetSleepMode(4), 1);
    EXPECT_EQ(value(0, "sleeping"), 0.0);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_EQ(journal.copy().back().seq, 3);  // the scene again, frame 3
    EXPECT_NE(journal.copy().back().firstY, 16);

    for (int bad : {0, 3, 6}) {
        EXPECT_EQ(USBSDK_SetSleepMode(bad), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    }
    EXPECT_EQ(value(0, "sleeping"), 0.0);
}

TEST_F(SessionTest, ReopenWakesTheDevice)
{
    openDevice();
    ASSERT_EQ(USBSDK_SetSleepMode(5), 1);
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();
    EXPECT_EQ(value(0, "sleeping"), 0.0);
}

TEST_F(SessionTest, FreeTextIsCutOnACharacterBoundary)
{
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    std::strcpy(p.name, "K\xC3\xA4mera");  // "Kämera": a two-byte character at 1..2
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    openDevice();
    struct Case {
        int size;
        const char* expected;
    };
    for (const Case c : {Case{1, ""}, Case{2, "K"}, Case{3, "K"}, Case{4, "K\xC3\xA4"}, Case{256, "K\xC3\xA4mera"}}) {
        char buf[256];
        std::memset(buf, 'x', sizeof buf);
        ASSERT_EQ(USBSDK_GetDeviceName(buf, c.size), 1) << c.size;
        EXPECT_STREQ(buf, c.expected) << c.size;
    }
    char buf[8];
    EXPECT_EQ(USBSDK_GetSoftwareVersion(buf, 0), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
}

TEST_F(SessionTest, PartNumbersAreFixedFields)
{
    openDevice();
    char buf[32];
    std::memset(buf, 'x', sizeof buf);
    ASSERT_EQ(USBSDK_GetPartNumber(buf, 32), 1);
    EXPECT_STREQ(buf, "SIM-PN-0001");
    for (size_t i = std::strlen("SIM-PN-0001"); i < sizeof buf; ++i) EXPECT_EQ(buf[i], 0);

    const char full[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // exactly 32 bytes
    ASSERT_EQ(USBSDK_SetDevicePart(full, 32), 1);
    ASSERT_EQ(USBSDK_GetPartNumber(buf, 32), 1);
    EXPECT_EQ(std::memcmp(buf, full, 32), 0);  // no NUL: readers use strnlen
    EXPECT_EQ(strnlen(buf, 32), 32u);
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();  // saved at once: survives the session
    ASSERT_EQ(USBSDK_GetPartNumber(buf, 32), 1);
    EXPECT_EQ(std::memcmp(buf, full, 32), 0);

    for (int len : {0, 33}) {
        EXPECT_EQ(USBSDK_SetDevicePart(full, len), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    }
    EXPECT_EQ(USBSDK_SetDevicePart(nullptr, 4), 0);
    ASSERT_EQ(USBSDK_GetMaterialsPartNumber(buf, 32), 1);
    EXPECT_STREQ(buf, "SIM-MPN-0001");
}

TEST_F(SessionTest, ResolutionsFollowTheFrameSize)
{
    openDevice();
    ASSERT_EQ(SIMCAM_SetFrameSize(0, 384, 288), 1);
    int w = 0, h = 0;
    ASSERT_EQ(USBSDK_GetDevResolution(&w, &h), 1);
    EXPECT_EQ(w, 384);
    EXPECT_EQ(h, 288);
    w = h = 0;
    ASSERT_EQ(USBSDK_GetRawResolution(&w, &h), 1);
    EXPECT_EQ(w, 384);
    EXPECT_EQ(SIMCAM_SetFrameSize(0, 383, 288), 0);
    EXPECT_EQ(SIMCAM_SetFrameSize(0, 384, 1025), 0);
}

TEST_F(SessionTest, ObservationCameraHasNoRawFrame)
{
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.deviceType = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    openDevice();
    EXPECT_EQ(USBSDK_GetDeviceType(), 0);
    EXPECT_EQ(USBSDK_GetDeviceImageOutputMode(), 0);
    int w = -1, h = -1;
    EXPECT_EQ(USBSDK_GetRawResolution(&w, &h), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
    EXPECT_EQ(w, -1);  // outputs untouched on failure
}

// Last error: set by failures only, kept across successes, never touched by
// status queries.
TEST_F(SessionTest, LastErrorIsSetOnlyByFailures)
{
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NONE);
    EXPECT_EQ(USBSDK_SetSleepMode(4), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();  // success leaves it
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    EXPECT_EQ(USBSDK_SetSleepMode(9), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(SIMCAM_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(value(-1, "lastError"), double(USBSDK_ERR_INVALID_ARG));
}

TEST_F(SessionTest, StatusQueriesNeverChangeTheLastError)
{
    EXPECT_EQ(USBSDK_Connect(), 0);  // no session: still no error
    EXPECT_EQ(USBSDK_GetRedunType(), -1);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NONE);

    openDevice();
    ASSERT_EQ(SIMCAM_FailNext("SetSleepMode", 1, USBSDK_ERR_DEVICE_FAILED), 1);
    EXPECT_EQ(USBSDK_SetSleepMode(4), 0);
    ASSERT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DEVICE_FAILED);

    // Injected failures make status queries answer "no device", silently.
    struct Status {
        const char* name;
        int (*fn)(void);
        int noDevice;
    };
    const Status table[] = {
        {"Connect", &USBSDK_Connect, 0},
        {"GetDeviceType", &USBSDK_GetDeviceType, 0},
        {"GetFps", &USBSDK_GetFps, 0},
        {"GetRedunType", &USBSDK_GetRedunType, -1},
        {"GetDeviceImageOutputMode", &USBSDK_GetDeviceImageOutputMode, -1},
        {"USBSDK_GetDeviceSupportExtremeMode", &USBSDK_GetDeviceSupportExtremeMode, 0},
    };
    for (const Status& s : table) {
        ASSERT_EQ(SIMCAM_FailNext(s.name, 1, USBSDK_ERR_TIMEOUT), 1);
        EXPECT_EQ(s.fn(), s.noDevice) << s.name;
        EXPECT_NE(s.fn(), s.noDevice) << s.name << " fails once only";
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DEVICE_FAILED) << s.name;
    }
}

TEST_F(SessionTest, InjectedFailuresCountDownAndDefaultToInjected)
{
    openDevice();
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_SetSleepMode", 2, 0), 1);
    EXPECT_EQ(USBSDK_SetSleepMode(5), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INJECTED);
    EXPECT_EQ(USBSDK_SetSleepMode(5), 0);
    EXPECT_EQ(value(0, "sleeping"), 0.0);  // no side effect
    EXPECT_EQ(USBSDK_SetSleepMode(5), 1);

    ASSERT_EQ(SIMCAM_FailNext("GetSerialNumber", -1, 5), 1);
    char serial[32] = "preset";
    for (int i = 0; i < 4; ++i) EXPECT_EQ(USBSDK_GetSerialNumber(serial, 32), 0);
    EXPECT_STREQ(serial, "preset");  // outputs untouched
    ASSERT_EQ(SIMCAM_FailNext("GetSerialNumber", 0, 0), 1);
    EXPECT_EQ(USBSDK_GetSerialNumber(serial, 32), 1);

    ASSERT_EQ(SIMCAM_FailNext("GetDevInfoList", 1, 0), 1);
    USBSDK_DeviceInfo list[4];
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 4), 0);
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 4), 1);
}

TEST_F(SessionTest, ResetRestoresTheStartConfiguration)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(3), 1);
    openDevice();
    ASSERT_EQ(USBSDK_SetDeviceConnectType(1, 0), 1);
    ASSERT_EQ(USBSDK_SetSleepMode(7), 0);
    ASSERT_EQ(SIMCAM_SetValue(0, "openMs", 5), 1);
    SIMCAM_Reset();
    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), 0);
    EXPECT_EQ(value(-1, "connectType"), 0.0);
    EXPECT_EQ(value(0, "openMs"), 50.0);
    EXPECT_EQ(value(0, "palette"), 6.0);  // initial saved palette: Iron Red
    USBSDK_DeviceInfo list[8];
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 8), 1);
}

}  // namespace
}  // namespace camsdktest
