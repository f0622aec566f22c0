// General settings: flip, cross cursor, spots, output mode, super
// resolution, raw data type, reboot, factory default, factory mode.
#include <cstring>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

// Collects device-change events; waits are "eventually" with a generous bound.
struct Events {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<int> seen;

    static void callback(int event, const USBSDK_DeviceInfo*, void* user)
    {
        auto* self = static_cast<Events*>(user);
        std::lock_guard<std::mutex> lock(self->mutex);
        self->seen.push_back(event);
        self->cv.notify_all();
    }
    bool waitFor(size_t n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return cv.wait_for(lock, std::chrono::seconds(10), [&] { return seen.size() >= n; });
    }
    std::vector<int> copy()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return seen;
    }
};

class GeneralSettingsTest : public CamsdkTest {
protected:
    void SetUp() override
    {
        CamsdkTest::SetUp();
        ASSERT_EQ(USBSDK_SetDeviceChangeCallback(&Events::callback, &events_), 1);
    }
    static void reopen()
    {
        ASSERT_EQ(USBSDK_Close(), 1);
        openDevice();
    }
    static void setProfile(int SIMCAM_DeviceProfile::*field, int v)
    {
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.*field = v;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    }
    static int listedCount()
    {
        USBSDK_DeviceInfo list[4];
        return USBSDK_GetDevInfoList(list, 4);
    }
    Events events_;
};

int read(int (*get)(int*))
{
    int v = -777;
    EXPECT_EQ(get(&v), 1);
    return v;
}

struct IntPair {
    const char* name;
    int (*set)(int);
    int (*get)(int*);
    int factory;
    int lo, hi;
    bool savedAtOnce;  // else saved by SaveDevImageParam and reset by FactoryDefault
};

const IntPair kGeneralPairs[] = {
    {"ImageFlipMode", USBSDK_SetImageFlipMode, USBSDK_GetImageFlipMode, 0, 0, 3, false},
    {"OutputMode", USBSDK_SetOutputMode, USBSDK_GetOutputMode, 3, 0, 3, true},
    {"DeviceSuperResMode", USBSDK_SetDeviceSuperResMode, USBSDK_GetDeviceSuperResMode, 0, 0, 1, true},
    {"ThermalRawDataType", USBSDK_SetThermalRawDataType, USBSDK_GetThermalRawDataType, 0, 0, 1, true},
};

TEST_F(GeneralSettingsTest, PairsCheckRangesAndKeepWorkingSavedAndFactoryApart)
{
    // The clock stands still here, so the reboots that output mode and super
    // resolution start never get under way.
    for (const IntPair& p : kGeneralPairs) {
        SCOPED_TRACE(p.name);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        int preset = -1;
        EXPECT_EQ(p.set(p.lo), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
        EXPECT_EQ(p.get(&preset), 0);
        EXPECT_EQ(preset, -1);

        openDevice();
        EXPECT_EQ(read(p.get), p.factory);
        for (int v : {p.lo, p.hi}) {
            EXPECT_EQ(p.set(v), 1);
            EXPECT_EQ(read(p.get), v);
        }
        for (int bad : {p.lo - 1, p.hi + 1}) {
            EXPECT_EQ(p.set(bad), 0);
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
            EXPECT_EQ(read(p.get), p.hi);
        }
        EXPECT_EQ(p.get(nullptr), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);

        ASSERT_EQ(p.set(p.factory == p.hi ? p.lo : p.hi), 1);
        const int changed = read(p.get);
        reopen();
        EXPECT_EQ(read(p.get), p.savedAtOnce ? changed : p.factory);
        ASSERT_EQ(p.set(changed), 1);
        ASSERT_EQ(USBSDK_SaveDevImageParam(), 1);
        reopen();
        EXPECT_EQ(read(p.get), changed);
        ASSERT_EQ(USBSDK_FactoryDefault(), 1);
        EXPECT_EQ(read(p.get), p.savedAtOnce ? changed : p.factory);
    }
}

TEST_F(GeneralSettingsTest, OverlaySwitchesCheckTheirArgumentsAndFollowTheImageParameters)
{
    int enable = -1, colour = -1;
    unsigned char on = 9;
    EXPECT_EQ(USBSDK_SetCrossCursorParams(1, 2), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    EXPECT_EQ(USBSDK_GetHotAndColdPointSwitch(0, &on), 0);
    EXPECT_EQ(on, 9);
    openDevice();

    struct Cross {
        int enable, colour, ok;
    };
    for (const Cross& c : {Cross{1, 2, 1}, Cross{2, 0, 0}, Cross{-1, 0, 0}, Cross{0, 3, 0}, Cross{1, -1, 0}}) {
        SCOPED_TRACE(testing::Message() << "cross " << c.enable << "," << c.colour);
        EXPECT_EQ(USBSDK_SetCrossCursorParams(c.enable, c.colour), c.ok);
        if (!c.ok) {
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
        }
        ASSERT_EQ(USBSDK_GetCrossCursorParams(&enable, &colour), 1);
        EXPECT_EQ(enable, 1);
        EXPECT_EQ(colour, 2);
    }

    struct Spot {
        int type, on, ok;
        const char* key;
        int stored;
    };
    const Spot spots[] = {
        {0, 7, 1, "hotSpotSwitch", 1},  // any non-zero is on
        {1, 1, 1, "coldSpotSwitch", 1},  {0, 0, 1, "hotSpotSwitch", 0}, {2, 1, 0, "hotSpotSwitch", 0},
        {-1, 1, 0, "coldSpotSwitch", 1}, {0, 1, 1, "hotSpotSwitch", 1},
    };
    for (const Spot& s : spots) {
        SCOPED_TRACE(testing::Message() << "spot " << s.type << "," << s.on);
        EXPECT_EQ(USBSDK_SetHotAndColdPointSwitch(s.type, s.on), s.ok);
        if (!s.ok) {
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
        }
        EXPECT_EQ(value(0, s.key), s.stored);
        if (s.ok) {
            on = 9;
            ASSERT_EQ(USBSDK_GetHotAndColdPointSwitch(s.type, &on), 1);
            EXPECT_EQ(on, s.stored);
        }
    }
    on = 9;
    EXPECT_EQ(USBSDK_GetHotAndColdPointSwitch(2, &on), 0);
    EXPECT_EQ(on, 9);

    // Saved with the image parameters, cleared by factory default.
    ASSERT_EQ(USBSDK_SaveDevImageParam(), 1);
    reopen();
    ASSERT_EQ(USBSDK_GetCrossCursorParams(&enable, &colour), 1);
    EXPECT_EQ(enable, 1);
    EXPECT_EQ(colour, 2);
    EXPECT_EQ(value(0, "hotSpotSwitch"), 1.0);
    ASSERT_EQ(USBSDK_FactoryDefault(), 1);
    ASSERT_EQ(USBSDK_GetCrossCursorParams(&enable, &colour), 1);
    EXPECT_EQ(enable, 0);
    EXPECT_EQ(colour, 0);
    EXPECT_EQ(value(0, "hotSpotSwitch"), 0.0);
    EXPECT_EQ(value(0, "coldSpotSwitch"), 0.0);
}

TEST_F(GeneralSettingsTest, CapabilitiesGateSuperResolutionAndRawDataType)
{
    struct Gate {
        const char* what;
        int SIMCAM_DeviceProfile::*field;
        int (*call)();
    };
    static int out = 0;
    const Gate gates[] = {
        {"super res set", &SIMCAM_DeviceProfile::supportSuperRes, [] { return USBSDK_SetDeviceSuperResMode(0); }},
        {"super res get", &SIMCAM_DeviceProfile::supportSuperRes, [] { return USBSDK_GetDeviceSuperResMode(&out); }},
        {"raw type set", &SIMCAM_DeviceProfile::supportRawDataType, [] { return USBSDK_SetThermalRawDataType(1); }},
        {"raw type get", &SIMCAM_DeviceProfile::supportRawDataType, [] { return USBSDK_GetThermalRawDataType(&out); }},
        {"raw type, observation camera", &SIMCAM_DeviceProfile::deviceType,
         [] { return USBSDK_SetThermalRawDataType(1); }},
    };
    for (const Gate& g : gates) {
        SCOPED_TRACE(g.what);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        openDevice();
        EXPECT_EQ(g.call(), 1);
        setProfile(g.field, 0);
        EXPECT_EQ(g.call(), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
    }
}

TEST_F(GeneralSettingsTest, RebootLosesTheSessionAndBringsTheDeviceBackWithItsSavedSettings)
{
    EXPECT_EQ(USBSDK_Reboot(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    Recorder::Journal journal;
    Recorder sink(journal, 1);
    ASSERT_EQ(sink.start(), 1);
    ASSERT_EQ(USBSDK_SetImageFlipMode(2), 1);
    ASSERT_EQ(USBSDK_SaveDevImageParam(), 1);
    ASSERT_EQ(USBSDK_SetBrightness(70), 1);  // never saved

    ASSERT_EQ(USBSDK_Reboot(), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(199), 1);  // the answer reaches the caller first
    EXPECT_EQ(USBSDK_Connect(), 1);
    EXPECT_EQ(listedCount(), 1);
    const size_t framesBefore = journal.size();
    EXPECT_GT(framesBefore, 0u);

    ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(value(0, "lost"), 1.0);
    EXPECT_EQ(listedCount(), 0);
    int v = 0;
    EXPECT_EQ(USBSDK_GetBrightness(&v), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    ASSERT_TRUE(events_.waitFor(1));
    ASSERT_EQ(SIMCAM_AdvanceTime(2999), 1);
    EXPECT_EQ(journal.size(), framesBefore);  // frames stopped
    EXPECT_EQ(listedCount(), 0);
    EXPECT_EQ(USBSDK_Close(), 1);

    ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
    EXPECT_EQ(listedCount(), 1);
    ASSERT_TRUE(events_.waitFor(2));
    EXPECT_EQ(events_.copy(), (std::vector<int>{0, 1}));
    openDevice();
    EXPECT_EQ(read(USBSDK_GetImageFlipMode), 2);
    EXPECT_EQ(read(USBSDK_GetBrightness), 50);
}

TEST_F(GeneralSettingsTest, OutputAndSuperResolutionSwitchesReboot)
{
    struct Switch {
        const char* what;
        int (*set)();
        int streamFlagAfter;
    };
    const Switch switches[] = {
        {"output BT", [] { return USBSDK_SetOutputMode(0); }, 0},
        {"output UVC", [] { return USBSDK_SetOutputMode(3); }, 1},
        {"super res on", [] { return USBSDK_SetDeviceSuperResMode(1); }, 1},
    };
    size_t events = 0;
    int streamFlag = 1;
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.what);
        openDevice();
        ASSERT_EQ(s.set(), 1);
        EXPECT_EQ(listed().streamFlag, streamFlag);  // a new output mode needs the restart
        streamFlag = s.streamFlagAfter;
        ASSERT_EQ(SIMCAM_AdvanceTime(200), 1);
        EXPECT_EQ(USBSDK_Connect(), 0);
        ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);
        events += 2;
        ASSERT_TRUE(events_.waitFor(events));
        const USBSDK_DeviceInfo info = listed();
        EXPECT_EQ(info.streamFlag, s.streamFlagAfter);
        ASSERT_EQ(USBSDK_Open(&info), 1);
        Recorder::Journal journal;
        Recorder sink(journal, 1);
        EXPECT_EQ(sink.start(), s.streamFlagAfter);
        if (!s.streamFlagAfter) {
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
        }
        ASSERT_EQ(USBSDK_Close(), 1);
    }
    // Refused values reboot nothing.
    openDevice();
    EXPECT_EQ(USBSDK_SetOutputMode(4), 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(500), 1);
    EXPECT_EQ(USBSDK_Connect(), 1);
}

TEST_F(GeneralSettingsTest, RebootRunsOnTheRealClockToo)
{
    ASSERT_EQ(SIMCAM_SetClockMode(0), 1);
    openDevice();
    ASSERT_EQ(SIMCAM_SetValue(0, "rebootMs", 100), 1);
    ASSERT_EQ(USBSDK_Reboot(), 1);
    ASSERT_TRUE(events_.waitFor(2));
    EXPECT_EQ(events_.copy(), (std::vector<int>{0, 1}));
    EXPECT_EQ(listedCount(), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
}

TEST_F(GeneralSettingsTest, FactoryModeIsAcceptedAndLogged)
{
    EXPECT_EQ(USBSDK_SetFactoryMode(18), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    SIMCAM_ClearCallLog();
    EXPECT_EQ(USBSDK_SetFactoryMode(18), 1);
    SIMCAM_CallRecord r;
    int total = 0;
    ASSERT_EQ(SIMCAM_GetCallLog(&r, 1, &total, nullptr), 1);
    EXPECT_STREQ(r.function, "USBSDK_SetFactoryMode");
    EXPECT_STREQ(r.args, "mode=18");
}

}  // namespace
}  // namespace camsdktest
