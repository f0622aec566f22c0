// Image parameters: ranges, working and saved values, factory default,
// capabilities, the shutter and automatic FFC, the deliberate save wait.
#include <atomic>
#include <chrono>
#include <thread>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class ImageSettingsTest : public CamsdkTest {
protected:
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
};

struct IntPair {
    const char* name;  // without USBSDK_Set / USBSDK_Get
    int (*set)(int);
    int (*get)(int*);
    int initial;  // first working value: the initial saved one
    int factory;
    int lo, hi;
};

const IntPair kImagePairs[] = {
    {"Color", USBSDK_SetColor, USBSDK_GetColor, 6, 0, 0, 19},
    {"Brightness", USBSDK_SetBrightness, USBSDK_GetBrightness, 50, 50, 0, 100},
    {"Contrast", USBSDK_SetContrast, USBSDK_GetContrast, 50, 50, 0, 100},
    {"Sharpness", USBSDK_SetSharpness, USBSDK_GetSharpness, 60, 60, 0, 120},
    {"WideDynamic", USBSDK_SetWideDynamic, USBSDK_GetWideDynamic, 1, 1, 0, 1},
    {"LocalContrast", USBSDK_SetLocalContrast, USBSDK_GetLocalContrast, 50, 50, 0, 100},
    {"GlobalContrast", USBSDK_SetGlobalContrast, USBSDK_GetGlobalContrast, 50, 50, 0, 100},
    {"Noise2D", USBSDK_SetNoise2D, USBSDK_GetNoise2D, 50, 50, 0, 100},
    {"Noise3D", USBSDK_SetNoise3D, USBSDK_GetNoise3D, 50, 50, 0, 100},
    {"GainAuto", USBSDK_SetGainAuto, USBSDK_GetGainAuto, 1, 1, 0, 255},
    {"GainMode", USBSDK_SetGainMode, USBSDK_GetGainMode, 0, 0, 0, 2},
    {"FFCMode", USBSDK_SetFFCMode, USBSDK_GetFFCMode, 1, 1, 0, 1},
    {"FFCTime", USBSDK_SetFFCTime, USBSDK_GetFFCTime, 360, 360, 10, 1200},
    {"DeviceIspMode", USBSDK_SetDeviceIspMode, USBSDK_GetDeviceIspMode, 0, 0, 0, 1},
};

int read(int (*get)(int*))
{
    int v = -777;
    EXPECT_EQ(get(&v), 1);
    return v;
}

TEST_F(ImageSettingsTest, PairsCheckRangesAndKeepWorkingSavedAndFactoryApart)
{
    for (const IntPair& p : kImagePairs) {
        SCOPED_TRACE(p.name);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);

        int preset = -1;
        EXPECT_EQ(p.set(p.hi), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
        EXPECT_EQ(p.get(&preset), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
        EXPECT_EQ(preset, -1);

        openDevice();
        EXPECT_EQ(read(p.get), p.initial);
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
        const std::string setter = std::string("USBSDK_Set") + p.name;
        ASSERT_EQ(SIMCAM_FailNext(setter.c_str(), 1, USBSDK_ERR_DEVICE_FAILED), 1);
        EXPECT_EQ(p.set(p.lo), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DEVICE_FAILED);
        EXPECT_EQ(read(p.get), p.hi);

        // Unsaved working values are dropped by Close; saved ones come back.
        reopen();
        EXPECT_EQ(read(p.get), p.initial);
        ASSERT_EQ(p.set(p.hi), 1);
        ASSERT_EQ(USBSDK_SaveDevImageParam(), 1);
        ASSERT_EQ(p.set(p.lo), 1);
        reopen();
        EXPECT_EQ(read(p.get), p.hi);

        // Factory default changes the working values only.
        ASSERT_EQ(USBSDK_FactoryDefault(), 1);
        EXPECT_EQ(read(p.get), p.factory);
        reopen();
        EXPECT_EQ(read(p.get), p.hi);
    }
}

TEST_F(ImageSettingsTest, SetOnlyValuesAreStoredAndSaved)
{
    struct SetOnly {
        const char* key;
        int (*set)();
        int (*refused)();
        int stored;
    };
    const SetOnly cases[] = {
        {"lce", [] { return USBSDK_SetLCEValue(100); }, [] { return USBSDK_SetLCEValue(101); }, 100},
        {"pseudoIsothermOn", [] { return USBSDK_SetPseudoIsotherm(1, short(-5), short(40)); },
         [] { return USBSDK_SetPseudoIsotherm(2, short(0), short(1)); }, 1},
        {"pseudoIsothermMin", [] { return USBSDK_SetPseudoIsotherm(1, short(-5), short(40)); },
         [] { return USBSDK_SetPseudoIsotherm(1, short(40), short(40)); }, -5},
        {"pseudoIsothermMax", [] { return USBSDK_SetPseudoIsotherm(1, short(-5), short(40)); },
         [] { return USBSDK_SetPseudoIsotherm(1, short(41), short(40)); }, 40},
    };
    for (const SetOnly& c : cases) {
        SCOPED_TRACE(c.key);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        EXPECT_EQ(c.set(), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
        openDevice();
        const double before = value(0, c.key);
        EXPECT_EQ(c.refused(), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
        EXPECT_EQ(value(0, c.key), before);
        ASSERT_EQ(c.set(), 1);
        EXPECT_EQ(value(0, c.key), c.stored);
        reopen();
        EXPECT_EQ(value(0, c.key), before);
        ASSERT_EQ(c.set(), 1);
        ASSERT_EQ(USBSDK_SaveDevImageParam(), 1);
        reopen();
        EXPECT_EQ(value(0, c.key), c.stored);
    }
    // Switching the pseudo isotherm off takes any band and keeps the last one.
    EXPECT_EQ(USBSDK_SetPseudoIsotherm(0, short(9), short(1)), 1);
    EXPECT_EQ(value(0, "pseudoIsothermOn"), 0.0);
    EXPECT_EQ(value(0, "pseudoIsothermMin"), -5.0);
}

TEST_F(ImageSettingsTest, LowTemperatureGearKeepsTheGearOnRequestAndReportsZeroWhenAutomatic)
{
    int a = -1, g = -1;
    EXPECT_EQ(USBSDK_SetLowTemperatureTwoGear(1, 1), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    struct Step {
        int nAuto, nGear;
        int ok;
        int wantAuto, wantGear;
    };
    const Step steps[] = {
        {0, 0, 1, 0, 0},  // factory: automatic
        {5, 1, 1, 1, 1},  // any non-zero is manual
        {1, 2, 1, 1, 1},  // 2 keeps the gear
        {0, 2, 1, 0, 0},  // automatic reports gear 0...
        {1, 2, 1, 1, 1},  // ...but kept it
        {1, 3, 0, 1, 1}, {1, -1, 0, 1, 1}, {1, 0, 1, 1, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.nAuto << "," << s.nGear);
        EXPECT_EQ(USBSDK_SetLowTemperatureTwoGear(s.nAuto, s.nGear), s.ok);
        if (!s.ok) {
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
        }
        ASSERT_EQ(USBSDK_GetLowTemperatureTwoGear(&a, &g), 1);
        EXPECT_EQ(a, s.wantAuto);
        EXPECT_EQ(g, s.wantGear);
    }
    ASSERT_EQ(USBSDK_SetLowTemperatureTwoGear(1, 1), 1);
    ASSERT_EQ(USBSDK_SaveDevImageParam(), 1);
    ASSERT_EQ(USBSDK_FactoryDefault(), 1);
    ASSERT_EQ(USBSDK_GetLowTemperatureTwoGear(&a, &g), 1);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(g, 0);
    reopen();
    ASSERT_EQ(USBSDK_GetLowTemperatureTwoGear(&a, &g), 1);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(g, 1);
}

TEST_F(ImageSettingsTest, CapabilitiesGateTheirFunctions)
{
    struct Gate {
        const char* what;
        int SIMCAM_DeviceProfile::*field;
        int (*call)();
    };
    static int out = 0;
    static int* const sink = &out;
    const Gate gates[] = {
        {"isp set", &SIMCAM_DeviceProfile::supportIsp, [] { return USBSDK_SetDeviceIspMode(1); }},
        {"isp get", &SIMCAM_DeviceProfile::supportIsp, [] { return USBSDK_GetDeviceIspMode(sink); }},
        {"gear set", &SIMCAM_DeviceProfile::supportLowTempTwoGear,
         [] { return USBSDK_SetLowTemperatureTwoGear(1, 1); }},
        {"gear get", &SIMCAM_DeviceProfile::supportLowTempTwoGear,
         [] { return USBSDK_GetLowTemperatureTwoGear(sink, sink); }},
        {"pseudo isotherm", &SIMCAM_DeviceProfile::supportIsothermMode,
         [] { return USBSDK_SetPseudoIsotherm(1, short(10), short(20)); }},
        {"Ultimate gain", &SIMCAM_DeviceProfile::supportExtreme, [] { return USBSDK_SetGainMode(2); }},
        {"high gain, observation camera", &SIMCAM_DeviceProfile::deviceType, [] { return USBSDK_SetGainMode(1); }},
        {"Ultimate gain, observation camera", &SIMCAM_DeviceProfile::deviceType, [] { return USBSDK_SetGainMode(2); }},
    };
    for (const Gate& g : gates) {
        SCOPED_TRACE(g.what);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        openDevice();
        EXPECT_EQ(g.call(), 1);  // capable by default
        setProfile(g.field, 0);  // capabilities act at once
        EXPECT_EQ(g.call(), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
    }
    // Low gain needs nothing.
    setProfile(&SIMCAM_DeviceProfile::deviceType, 0);
    EXPECT_EQ(USBSDK_SetGainMode(0), 1);
}

TEST_F(ImageSettingsTest, ShutterCorrectClosesTheShutterForItsIntervalAndRestartsThePeriod)
{
    EXPECT_EQ(USBSDK_ShutterCorrect(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    EXPECT_EQ(USBSDK_GetShutterStatus(), 0);
    openDevice();
    ASSERT_EQ(USBSDK_SetFFCTime(10), 1);  // automatic: every 10 s from now
    EXPECT_EQ(USBSDK_GetShutterStatus(), 0);

    // (ms to advance, status after it) from the period's start.
    auto walk = [](std::initializer_list<std::pair<int, int>> steps) {
        for (const auto& s : steps) {
            ASSERT_EQ(SIMCAM_AdvanceTime(s.first), 1);
            EXPECT_EQ(USBSDK_GetShutterStatus(), s.second) << "at " << SIMCAM_Now();
        }
    };
    walk({{9999, 0}, {1, 1}, {399, 1}, {1, 0}, {9599, 0}, {1, 1}, {400, 0}});  // 10 s, 20 s

    ASSERT_EQ(SIMCAM_AdvanceTime(4600), 1);  // 25 s: half a period
    ASSERT_EQ(USBSDK_ShutterCorrect(), 1);
    EXPECT_EQ(USBSDK_GetShutterStatus(), 1);
    walk({{399, 1}, {1, 0}, {4600, 0}, {4999, 0}, {1, 1}, {400, 0}});  // next one 10 s after the manual one

    // Manual mode: only ShutterCorrect closes it, for shutterMs.
    ASSERT_EQ(USBSDK_SetFFCMode(0), 1);
    walk({{30000, 0}});
    ASSERT_EQ(SIMCAM_SetValue(0, "shutterMs", 100), 1);
    ASSERT_EQ(USBSDK_ShutterCorrect(), 1);
    walk({{99, 1}, {1, 0}});

    // Asleep: refused, and the automatic one pauses.
    ASSERT_EQ(USBSDK_SetFFCMode(1), 1);
    ASSERT_EQ(USBSDK_SetSleepMode(5), 1);
    EXPECT_EQ(USBSDK_ShutterCorrect(), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_SLEEPING);
    walk({{10000, 0}});
    ASSERT_EQ(USBSDK_SetSleepMode(4), 1);
    walk({{10000, 1}});
}

TEST_F(ImageSettingsTest, CooledCameraCountsTheFfcPeriodInMinutes)
{
    setProfile(&SIMCAM_DeviceProfile::refrigerated, 1);
    openDevice();
    ASSERT_EQ(USBSDK_SetFFCTime(10), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(10000), 1);
    EXPECT_EQ(USBSDK_GetShutterStatus(), 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(590000), 1);
    EXPECT_EQ(USBSDK_GetShutterStatus(), 1);
}

TEST_F(ImageSettingsTest, DeliberateWaitsLeaveTheLayerAnswering)
{
    // Real clock: the save waits saveMs, without the state mutex.
    ASSERT_EQ(SIMCAM_SetClockMode(0), 1);
    openDevice();
    struct Wait {
        const char* key;
        int (*call)();
    };
    const Wait waits[] = {{"saveMs", USBSDK_SaveDevImageParam}, {"bgFfcMs", USBSDK_SetBackgroundFFC}};
    for (const Wait& w : waits) {
        SCOPED_TRACE(w.key);
        ASSERT_EQ(SIMCAM_SetValue(0, w.key, 1500), 1);
        std::atomic<bool> done{false};
        const auto start = std::chrono::steady_clock::now();
        std::thread waiting([&] {
            EXPECT_EQ(w.call(), 1);
            done = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        int v = 0;
        EXPECT_EQ(USBSDK_GetBrightness(&v), 1);  // not blocked behind the wait
        EXPECT_FALSE(done.load());
        waiting.join();
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    }
}

TEST_F(ImageSettingsTest, CallsAreLoggedWithTheirArgumentsAndOutputs)
{
    openDevice();
    SIMCAM_ClearCallLog();
    ASSERT_EQ(USBSDK_SetPseudoIsotherm(1, short(-5), short(40)), 1);
    ASSERT_EQ(USBSDK_SetBrightness(70), 1);
    int v = 0;
    ASSERT_EQ(USBSDK_GetBrightness(&v), 1);
    SIMCAM_CallRecord r[3];
    int total = 0;
    ASSERT_EQ(SIMCAM_GetCallLog(r, 3, &total, nullptr), 1);
    ASSERT_EQ(total, 3);
    EXPECT_STREQ(r[0].function, "USBSDK_SetPseudoIsotherm");
    EXPECT_STREQ(r[0].args, "enable=1, minLimit=-5, maxLimit=40");
    EXPECT_STREQ(r[1].args, "v=70");
    EXPECT_STREQ(r[2].function, "USBSDK_GetBrightness");
    EXPECT_STREQ(r[2].args, "v=out");
    EXPECT_STREQ(r[2].outputs, "v=70");
}

}  // namespace
}  // namespace camsdktest
