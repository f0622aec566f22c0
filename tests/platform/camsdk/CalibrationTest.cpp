// Second calibration and full blackbody calibration: order of the
// procedures, their timing on the manual clock, the records of the three
// gears, what is saved, and the calibration file.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class CalibrationTest : public CamsdkTest {
protected:
    static USBSDK_Rules twoBoxes()
    {
        USBSDK_Rules r = {};
        r.count = 2;
        for (int i = 0; i < 2; ++i) {
            r.rule[i].ruleId = uint32_t(i + 1);
            r.rule[i].type = 2;
            r.rule[i].areaShape = 1;
            r.rule[i].geom.area.pointCount = 4;
        }
        return r;
    }
    static int progress()
    {
        int p = -1;
        EXPECT_EQ(USBSDK_GetAutoTemperatureCalibrationProgress(&p), 1);
        return p;
    }
    static USBSDK_FullCalibrationCollectConfig config()
    {
        USBSDK_FullCalibrationCollectConfig c;
        std::memset(&c, 0xAB, sizeof c);
        EXPECT_EQ(USBSDK_GetFullCalibrationCollectConfig(&c), 1);
        return c;
    }
    static std::string states()
    {
        const USBSDK_FullCalibrationCollectConfig c = config();
        const int s[5] = {c.collectState, c.calibrateState, c.verifyLowState, c.verifyHighState,
                          c.verifyComprehensiveState};
        std::string out;
        for (int v : s) out += char('0' + v);
        return out;
    }
    static std::string localText(long long seconds)
    {
        const std::time_t t = std::time_t(seconds);
        std::tm tm{};
        localtime_r(&t, &tm);
        char buf[32] = {};
        std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
        return buf;
    }
    // A folder of this test process.
    static std::string folder()
    {
        const std::string dir = "/tmp/calidra_caltest_" + std::to_string(getpid());
        mkdir(dir.c_str(), 0700);
        return dir;
    }
    static std::string onlyFile(const std::string& dir)
    {
        std::string found;
        std::FILE* p = popen(("ls " + dir).c_str(), "r");
        char line[512];
        while (p && std::fgets(line, sizeof line, p)) {
            found = dir + "/" + line;
            found.pop_back();
        }
        if (p) pclose(p);
        return found;
    }
};

struct Refusal {
    const char* what;
    std::function<int()> call;
    int error;
};

TEST_F(CalibrationTest, ProceduresRefuseOutOfRangeAndOutOfOrder)
{
    const std::string dir = folder();
    const std::string missing = dir + "/missing.data";
    const std::string bad = dir + "/bad.data";
    {
        std::ofstream f(bad, std::ios::binary);
        f << std::string(2752, 'x');
    }
    const Refusal rows[] = {
        {"blackbody high <= low",
         [] {
             return USBSDK_SetTemperatureCalibrationBlackBodyTemp({50, 50, {}});
         },
         USBSDK_ERR_INVALID_ARG},
        {"blackbody above 1000",
         [] {
             return USBSDK_SetTemperatureCalibrationBlackBodyTemp({40, 1001, {}});
         },
         USBSDK_ERR_INVALID_ARG},
        {"blackbody below -1000",
         [] {
             return USBSDK_SetTemperatureCalibrationBlackBodyTemp({-1001, 40, {}});
         },
         USBSDK_ERR_INVALID_ARG},
        {"saved boxes: one rule",
         [] {
             USBSDK_Rules r = twoBoxes();
             r.count = 1;
             return USBSDK_SetSaveTemperatureCalibrationRECT(r);
         },
         USBSDK_ERR_INVALID_ARG},
        {"full rects: a point",
         [] {
             USBSDK_Rules r = twoBoxes();
             r.rule[1].type = 0;
             return USBSDK_SetFullCalibrationRECT(r);
         },
         USBSDK_ERR_INVALID_ARG},
        {"second run without boxes", [] { return USBSDK_SetAutoTemperatureCalibration(1); }, USBSDK_ERR_BAD_STATE},
        {"second run state 2", [] { return USBSDK_SetAutoTemperatureCalibration(2); }, USBSDK_ERR_INVALID_ARG},
        {"cal time 14", [] { return USBSDK_SetFullCalibrationCalTime(14); }, USBSDK_ERR_INVALID_ARG},
        {"cal time 61", [] { return USBSDK_SetFullCalibrationCalTime(61); }, USBSDK_ERR_INVALID_ARG},
        {"cal time empty field", [] { return USBSDK_SetFullCalibrationCalTime(0); }, USBSDK_ERR_INVALID_ARG},
        {"collect mode 2", [] { return USBSDK_SetFullCalibrationCollectMode(2); }, USBSDK_ERR_INVALID_ARG},
        {"pod 2", [] { return USBSDK_SetFullCalibrationPodEnable(2); }, USBSDK_ERR_INVALID_ARG},
        {"collect without rects", [] { return USBSDK_SetFullCalibrationCollect(); }, USBSDK_ERR_BAD_STATE},
        {"calibrate before collect", [] { return USBSDK_SetFullCalibrationCalibrate(); }, USBSDK_ERR_BAD_STATE},
        {"verify before calibrate", [] { return USBSDK_SetFullCalibrationSingleGearVerify(); }, USBSDK_ERR_BAD_STATE},
        {"overall verify before calibrate", [] { return USBSDK_SetFullCalibrationComprehensiveVerify(); },
         USBSDK_ERR_BAD_STATE},
        {"export into a missing folder",
         [&] { return USBSDK_GetTemperatureCalibrationConfig((dir + "/no/such").c_str()); }, USBSDK_ERR_IO},
        {"import a missing file", [&] { return USBSDK_SetTemperatureCalibrationConfig(missing.c_str()); },
         USBSDK_ERR_IO},
        {"import a foreign file", [&] { return USBSDK_SetTemperatureCalibrationConfig(bad.c_str()); },
         USBSDK_ERR_FILE_VERIFY},
    };
    for (const Refusal& r : rows) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        EXPECT_EQ(r.call(), 0) << r.what;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN) << r.what;
        openDevice();
        ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
        EXPECT_EQ(r.call(), 0) << r.what;
        EXPECT_EQ(USBSDK_GetLastError(), r.error) << r.what;
    }
    // An unbalanced camera does not start the second calibration.
    USBSDK_Rules boxes = {};
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationRECT(&boxes), 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 0), 1);
    EXPECT_EQ(USBSDK_SetAutoTemperatureCalibration(1), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BAD_STATE);
    std::remove(bad.c_str());
    rmdir(dir.c_str());
}

TEST_F(CalibrationTest, BoxesCarryTheBlackbodiesAndZeroTheDistance)
{
    openDevice();
    const USBSDK_CommonTemperParam common{50, 25.0f, 0.97f, 3.0f, 25.0f};
    ASSERT_EQ(USBSDK_SetCommonTemperParam(&common), 1);
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationBlackBodyTemp({35, 120, {}}), 1);
    USBSDK_Rules r = {};
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationRECT(&r), 1);
    ASSERT_EQ(r.count, 2u);
    const int expected[2][4][2] = {{{1024, 3072}, {3072, 3072}, {1024, 5120}, {3072, 5120}},
                                   {{5120, 3072}, {7168, 3072}, {5120, 5120}, {7168, 5120}}};
    const char* names[2] = {"35", "120"};
    for (int i = 0; i < 2; ++i) {
        const USBSDK_Rule& b = r.rule[i];
        EXPECT_EQ(b.ruleId, uint32_t(i + 1));
        EXPECT_EQ(b.flag, 0u);
        EXPECT_EQ(b.type, 2u);
        EXPECT_EQ(b.areaShape, 1u);
        ASSERT_EQ(b.geom.area.pointCount, 4u);
        EXPECT_EQ(std::memcmp(b.geom.area.xy, expected[i], sizeof expected[i]), 0) << i;
        EXPECT_STREQ(b.name, names[i]);
    }
    USBSDK_GlobalTemperParam g = {};
    ASSERT_EQ(USBSDK_GetCommonTemperParam(&g), 1);
    EXPECT_EQ(g.distance, 0.0f);
}

// The run of every gear group: progress over secondCalMs, the result code
// and completion time landing in the group of the current gain and gear.
TEST_F(CalibrationTest, SecondCalibrationRunsOnTheClockIntoTheCurrentGroup)
{
    struct Row {
        const char* what;
        int gain, gear, knobResult;
        int USBSDK_TemperatureCalibraResult::*code;
        char (USBSDK_TemperatureCalibraResult::*time)[32];
    };
    const Row rows[] = {
        {"low gear 1", 0, 0, 1, &USBSDK_TemperatureCalibraResult::lowResult, &USBSDK_TemperatureCalibraResult::lowTime},
        {"low gear 2", 0, 1, 0, &USBSDK_TemperatureCalibraResult::low2Result,
         &USBSDK_TemperatureCalibraResult::low2Time},
        {"high", 1, 0, 1, &USBSDK_TemperatureCalibraResult::highResult, &USBSDK_TemperatureCalibraResult::highTime},
    };
    for (const Row& row : rows) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.supportLowTempTwoGear = 1;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
        openDevice();
        ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
        ASSERT_EQ(SIMCAM_SetValue(0, "secondCalResult", row.knobResult), 1);
        ASSERT_EQ(USBSDK_SetGainMode(row.gain), 1) << row.what;
        if (row.gear) {
            ASSERT_EQ(USBSDK_SetLowTemperatureTwoGear(1, row.gear), 1) << row.what;
        }

        USBSDK_TemperatureCalibraResult r;
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
        EXPECT_EQ(r.lowResult, 2);
        EXPECT_EQ(r.highResult, 2);
        EXPECT_EQ(r.low2Result, 2);
        EXPECT_STREQ(r.lowTime, "");

        USBSDK_Rules boxes = {};
        ASSERT_EQ(USBSDK_SetTemperatureCalibrationRECT(&boxes), 1);
        ASSERT_EQ(USBSDK_TemperatureCalibrationInit(), 1);
        ASSERT_EQ(USBSDK_SetAutoTemperatureCalibration(1), 1);
        EXPECT_EQ(USBSDK_SetAutoTemperatureCalibration(1), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BUSY);
        EXPECT_EQ(progress(), 0);
        ASSERT_EQ(SIMCAM_AdvanceTime(4000), 1);
        EXPECT_EQ(progress(), 50) << row.what;
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
        EXPECT_EQ(r.*row.code, 2) << "no result before 100";
        ASSERT_EQ(SIMCAM_AdvanceTime(4000), 1);
        EXPECT_EQ(progress(), 100) << row.what;
        ASSERT_EQ(USBSDK_SetTemperatureCalibrationTime(), 1);
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
        EXPECT_EQ(r.*row.code, row.knobResult) << row.what;
        const long long epoch = 1704067200 + SIMCAM_Now() / 1000;
        EXPECT_EQ(std::string(r.*row.time), localText(epoch)) << row.what;
        const int others = (r.lowResult == 2) + (r.highResult == 2) + (r.low2Result == 2);
        EXPECT_EQ(others, 2) << row.what;

        // Saved at once: a new session still reads it; the default clears it.
        ASSERT_EQ(USBSDK_Close(), 1);
        openDevice();
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
        EXPECT_EQ(r.*row.code, row.knobResult) << row.what;
        ASSERT_EQ(USBSDK_SetTemperatureCalibrationDefault(), 1);
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
        EXPECT_EQ(r.*row.code, 2);
        EXPECT_STREQ(r.*row.time, "");
    }
}

TEST_F(CalibrationTest, SecondCalibrationStallsAndStops)
{
    openDevice();
    ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "secondCalStallAt", 37), 1);
    ASSERT_EQ(USBSDK_SetSaveTemperatureCalibrationRECT(twoBoxes()), 1);
    ASSERT_EQ(USBSDK_SetAutoTemperatureCalibration(1), 1);
    // The page polls every second and gives up after 21 answers below 100.
    for (int poll = 0; poll < 21; ++poll) {
        ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
        EXPECT_LE(progress(), 37);
    }
    EXPECT_EQ(progress(), 37);
    double state = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "calibProgress", &state), 1);
    EXPECT_EQ(state, 37);
    ASSERT_EQ(USBSDK_SetAutoTemperatureCalibration(0), 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "secondCalStallAt", -1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(10000), 1);
    EXPECT_EQ(progress(), 37) << "stopped: progress stays";
    EXPECT_EQ(USBSDK_SetAutoTemperatureCalibration(0), 1) << "stop when idle";
    ASSERT_EQ(USBSDK_TemperatureCalibrationInit(), 1);
    EXPECT_EQ(progress(), 0);
    USBSDK_TemperatureCalibraResult r;
    ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
    EXPECT_EQ(r.lowResult, 2);
}

// A device the layer makes afresh (unplugged and another plugged into the
// list) has never been calibrated; its progress reads 0 without a session.
TEST_F(CalibrationTest, ANewDeviceForgetsTheCalibration)
{
    openDevice();
    ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
    ASSERT_EQ(USBSDK_SetSaveTemperatureCalibrationRECT(twoBoxes()), 1);
    ASSERT_EQ(USBSDK_SetAutoTemperatureCalibration(1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(8000), 1);
    EXPECT_EQ(progress(), 100);
    ASSERT_EQ(USBSDK_Close(), 1);
    double state = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "calibProgress", &state), 1);
    EXPECT_EQ(state, 100) << "as it was last";

    ASSERT_EQ(SIMCAM_SetDeviceCount(0), 1);
    ASSERT_EQ(SIMCAM_SetDeviceCount(1), 1);
    ASSERT_EQ(SIMCAM_GetValue(0, "calibProgress", &state), 1);
    EXPECT_EQ(state, 0);
    openDevice();
    USBSDK_TemperatureCalibraResult r;
    ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
    EXPECT_EQ(r.lowResult, 2);
    EXPECT_EQ(r.highResult, 2);
    EXPECT_EQ(r.low2Result, 2);
}

// Collect, calibrate and verify, step by step on the manual clock.
TEST_F(CalibrationTest, FullCalibrationStepsFillTheGearTableAndSave)
{
    struct Row {
        const char* what;
        int gain, ok;
        unsigned minutes;
        int collectMs;
        USBSDK_FullCalibrationGearTable USBSDK_FullCalibrationCollectTable::*gear;
        int low, high;
        const char* afterCollect;
        const char* afterCalibrate;
        const char* afterVerify;
    };
    const Row rows[] = {
        {"low gear, 30 min", 0, 1, 30, 6000, &USBSDK_FullCalibrationCollectTable::gearLow1, 40, 110, "20000", "22000",
         "22202"},
        {"high gear, 15 min", 1, 1, 15, 3000, &USBSDK_FullCalibrationCollectTable::gearHigh, 300, 550, "20000", "22000",
         "22022"},
        {"collection fails", 0, 0, 60, 12000, nullptr, 0, 0, "30000", nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        openDevice();
        ASSERT_EQ(SIMCAM_SetValue(0, "fullCalOk", row.ok), 1);
        ASSERT_EQ(USBSDK_SetGainMode(row.gain), 1) << row.what;
        unsigned pod = 7;
        ASSERT_EQ(USBSDK_GetFullCalibrationPodEnable(&pod), 1);
        EXPECT_EQ(pod, 0u);
        ASSERT_EQ(USBSDK_SetFullCalibrationPodEnable(1), 1);
        ASSERT_EQ(USBSDK_GetFullCalibrationPodEnable(&pod), 1);
        EXPECT_EQ(pod, 1u);
        ASSERT_EQ(USBSDK_SetFullCalibrationCollectMode(1), 1);
        ASSERT_EQ(USBSDK_SetFullCalibrationCalTime(row.minutes), 1);
        ASSERT_EQ(USBSDK_SetFullCalibrationRECT(twoBoxes()), 1);

        const USBSDK_FullCalibrationCollectConfig c0 = config();
        EXPECT_EQ(c0.cavityGearLow2.pair[2][0], 45000);
        EXPECT_EQ(c0.cavityGearLow1High.pair[0][1], 1000);
        EXPECT_EQ(c0.lowSmoothGearLow2, 0.5f);
        EXPECT_EQ(c0.histEnableGearLow1High, 1u);
        EXPECT_EQ(c0.coefGearHigh.deviceTemp[1], 20000);
        EXPECT_EQ(c0.coefGearLow1.grayFactorB[2], 1000);

        ASSERT_EQ(USBSDK_SetFullCalibrationCollect(), 1);
        EXPECT_EQ(states(), "10000");
        EXPECT_EQ(USBSDK_SetFullCalibrationCollect(), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BUSY);
        ASSERT_EQ(SIMCAM_AdvanceTime(row.collectMs - 1), 1);
        EXPECT_EQ(states(), "10000") << row.what;
        ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
        EXPECT_EQ(states(), row.afterCollect) << row.what;

        USBSDK_FullCalibrationCollectTable t;
        ASSERT_EQ(USBSDK_GetFullCalibrationCollectTable(&t), 1);
        if (!row.gear) {
            const USBSDK_FullCalibrationCollectTable zero = {};
            EXPECT_EQ(std::memcmp(&t, &zero, sizeof t), 0) << "a failed collection fills nothing";
            EXPECT_EQ(USBSDK_SetFullCalibrationCalibrate(), 0);
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BAD_STATE);
            continue;
        }
        const USBSDK_FullCalibrationGearTable& g = t.*row.gear;
        EXPECT_EQ(g.baseTempFactor, 1.0f);
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(g.maxVal[i][0], 10 * row.low + 3 + i % 3) << i;
            EXPECT_EQ(g.minVal[i][1], 10 * row.high - 3 - i % 2) << i;
            EXPECT_EQ(g.maxDiff[i][1], 6 + i % 3) << i;
            EXPECT_EQ(g.minDiff[i][0], 1);
            EXPECT_EQ(g.state[i][1], 1);
        }
        EXPECT_EQ(g.targetLow, float(row.low));
        EXPECT_EQ(g.targetHigh, float(row.high));
        EXPECT_EQ(g.maxDiffHigh, 8);
        EXPECT_EQ(g.maxFluctLow, 3);
        EXPECT_EQ(t.gearLow2.targetLow, 0.0f) << "gears never collected are zero";

        ASSERT_EQ(USBSDK_SetFullCalibrationCalibrate(), 1);
        ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);
        EXPECT_EQ(states(), row.afterCalibrate) << row.what;
        ASSERT_EQ(USBSDK_SetFullCalibrationSingleGearVerify(), 1);
        ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);
        ASSERT_EQ(USBSDK_SetFullCalibrationComprehensiveVerify(), 1);
        ASSERT_EQ(SIMCAM_AdvanceTime(2999), 1);
        EXPECT_EQ(config().verifyComprehensiveState, 1);
        ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
        EXPECT_EQ(states(), row.afterVerify) << row.what;

        // Saved by the save command only; the default clears the current set.
        ASSERT_EQ(USBSDK_SetFullCalibrationSaveConfig(), 1);
        ASSERT_EQ(USBSDK_SetFullCalibrationDefault(), 1);
        EXPECT_EQ(states(), "00000");
        ASSERT_EQ(USBSDK_GetFullCalibrationCollectTable(&t), 1);
        EXPECT_EQ((t.*row.gear).targetHigh, 0.0f);
        EXPECT_EQ(config().coefGearLow2.deviceTemp[0], 25000);
        ASSERT_EQ(USBSDK_Close(), 1);
        openDevice();
        EXPECT_EQ(states(), row.afterVerify) << row.what;
        ASSERT_EQ(USBSDK_GetFullCalibrationCollectTable(&t), 1);
        EXPECT_EQ((t.*row.gear).targetHigh, float(row.high));
        ASSERT_EQ(USBSDK_GetFullCalibrationPodEnable(&pod), 1);
        EXPECT_EQ(pod, 0u) << "pod mode is the session's";
    }
}

TEST_F(CalibrationTest, CalibrationFileRoundTripsAndRejectsDamage)
{
    const std::string dir = folder();
    openDevice();
    ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "fullCalSecondsPerMinute", 0), 1);
    ASSERT_EQ(USBSDK_SetFullCalibrationRECT(twoBoxes()), 1);
    ASSERT_EQ(USBSDK_SetFullCalibrationCollect(), 1);
    ASSERT_EQ(USBSDK_SetSaveTemperatureCalibrationRECT(twoBoxes()), 1);
    ASSERT_EQ(USBSDK_SetAutoTemperatureCalibration(1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(8000), 1);
    ASSERT_EQ(progress(), 100);
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationTime(), 1);

    ASSERT_EQ(USBSDK_GetTemperatureCalibrationConfig(dir.c_str()), 1);
    const std::string file = onlyFile(dir);
    std::tm tm{};
    const std::time_t at = std::time_t(1704067200 + SIMCAM_Now() / 1000);
    localtime_r(&at, &tm);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d_%H%M%S", &tm);
    EXPECT_EQ(file, dir + "/calib_SIM00000001_" + stamp + ".data");
    std::vector<char> bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_EQ(bytes.size(), 2752u);
    EXPECT_EQ(std::memcmp(bytes.data(), "CALIDRA-SIMCAL\0\0", 16), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 20, "SIM00000001", 12), 0);

    // Everything back to defaults, then the file brings it back, also saved.
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationDefault(), 1);
    ASSERT_EQ(USBSDK_SetFullCalibrationDefault(), 1);
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationConfig(file.c_str()), 1);
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();
    EXPECT_EQ(states(), "20000");
    USBSDK_TemperatureCalibraResult r;
    ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
    EXPECT_EQ(r.lowResult, 1);
    EXPECT_NE(r.lowTime[0], '\0');
    USBSDK_FullCalibrationCollectTable t;
    ASSERT_EQ(USBSDK_GetFullCalibrationCollectTable(&t), 1);
    EXPECT_EQ(t.gearLow1.targetHigh, 110.0f);

    // Damage of any kind: 73, and nothing changes.
    struct Damage {
        const char* what;
        std::function<void(std::vector<char>&)> apply;
    };
    const Damage damages[] = {
        {"flipped byte", [](std::vector<char>& b) { b[600] ^= 1; }},
        {"truncated", [](std::vector<char>& b) { b.pop_back(); }},
        {"longer", [](std::vector<char>& b) { b.push_back(0); }},
        {"magic", [](std::vector<char>& b) { b[0] = 'X'; }},
        {"version", [](std::vector<char>& b) { b[16] = 2; }},
    };
    ASSERT_EQ(USBSDK_SetTemperatureCalibrationDefault(), 1);
    const std::string damaged = dir + "/damaged.data";
    for (const Damage& d : damages) {
        std::vector<char> b = bytes;
        d.apply(b);
        {
            std::ofstream out(damaged, std::ios::binary);
            out.write(b.data(), std::streamsize(b.size()));
        }
        EXPECT_EQ(USBSDK_SetTemperatureCalibrationConfig(damaged.c_str()), 0) << d.what;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_FILE_VERIFY) << d.what;
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&r), 1);
        EXPECT_EQ(r.lowResult, 2) << d.what;
    }
    std::remove(damaged.c_str());
    std::remove(file.c_str());
    rmdir(dir.c_str());
}

}  // namespace
}  // namespace camsdktest
