// Equilibrium, NUC, SFFC, drift (DeltaB), bad pixels and checks: ranges,
// order of the procedures, capacities, save records and timings on the
// manual clock.
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class CorrectionsTest : public CamsdkTest {
protected:
    static unsigned char driftStatus(int* rise = nullptr)
    {
        unsigned char status = 0;
        int r = -1;
        EXPECT_EQ(USBSDK_GetTemperDriftCollectResult(&status, &r), 1);
        if (rise) *rise = r;
        return status;
    }
    static void setProfile(int SIMCAM_DeviceProfile::*field, int v)
    {
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.*field = v;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    }
};

// A refused call: result 0, the error, and its output left as preset.
struct Refusal {
    const char* what;
    std::function<int(int* out)> call;
    int error;
};

TEST_F(CorrectionsTest, RangesAndCapabilitiesRefuseWithoutTouchingOutputs)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Refusal rows[] = {
        {"NUC step 0", [](int* o) { return USBSDK_NUCBlackOperator(0, o); }, USBSDK_ERR_INVALID_ARG},
        {"NUC step 3", [](int* o) { return USBSDK_NUCBlackOperator(3, o); }, USBSDK_ERR_INVALID_ARG},
        {"NUC record -1",
         [](int* o) {
             return USBSDK_GetNUCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), -1);
         },
         USBSDK_ERR_INVALID_ARG},
        {"NUC record 4",
         [](int* o) {
             return USBSDK_GetNUCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), 4);
         },
         USBSDK_ERR_INVALID_ARG},
        {"SFFC record 7",
         [](int* o) {
             return USBSDK_GetSFFCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), 7);
         },
         USBSDK_ERR_INVALID_ARG},
        {"SFFC enable 2", [](int*) { return USBSDK_SetSFFCEnable(2); }, USBSDK_ERR_INVALID_ARG},
        {"drift switch 2", [](int*) { return USBSDK_SetTemperDriftSwitch(2); }, USBSDK_ERR_INVALID_ARG},
        {"drift threshold 0", [](int*) { return USBSDK_CollectTemperDrift(0); }, USBSDK_ERR_INVALID_ARG},
        {"drift threshold 11", [](int*) { return USBSDK_CollectTemperDrift(11); }, USBSDK_ERR_INVALID_ARG},
        {"pixel x = width",
         [](int*) {
             const int r[] = {0}, c[] = {640};
             return USBSDK_SetBadPixels(r, c, 1);
         },
         USBSDK_ERR_INVALID_ARG},
        {"pixel y = height",
         [](int*) {
             const int r[] = {512}, c[] = {0};
             return USBSDK_SetBadPixels(r, c, 1);
         },
         USBSDK_ERR_INVALID_ARG},
        {"257 pixels",
         [](int*) {
             std::vector<int> r(257, 1), c(257, 1);
             return USBSDK_SetBadPixels(r.data(), c.data(), 257);
         },
         USBSDK_ERR_INVALID_ARG},
        {"column -1",
         [](int*) {
             const int c[] = {-1};
             return USBSDK_SetBadPixelCols(c, 1);
         },
         USBSDK_ERR_INVALID_ARG},
        {"257 columns",
         [](int*) {
             std::vector<int> c(257, 3);
             return USBSDK_SetBadPixelCols(c.data(), 257);
         },
         USBSDK_ERR_INVALID_ARG},
        {"negative capacity",
         [](int* o) {
             int r[4], c[4];
             return USBSDK_GetBadPixels(r, c, -1, o);
         },
         USBSDK_ERR_INVALID_ARG},
        {"TEC threshold NaN", [nan](int* o) { return USBSDK_ThermalTemperCorrect(nan, reinterpret_cast<float*>(o)); },
         USBSDK_ERR_INVALID_ARG},
        {"TEC threshold -1", [](int* o) { return USBSDK_ThermalTemperCorrect(-1.0f, reinterpret_cast<float*>(o)); },
         USBSDK_ERR_INVALID_ARG},
    };
    openDevice();
    for (const Refusal& r : rows) {
        int out = -1;
        EXPECT_EQ(r.call(&out), 0) << r.what;
        EXPECT_EQ(USBSDK_GetLastError(), r.error) << r.what;
        EXPECT_EQ(out, -1) << r.what;
    }

    // Record indexes and functions the camera lacks.
    struct Gate {
        const char* what;
        int SIMCAM_DeviceProfile::*field;
        std::function<int(int* out)> call;
    };
    const Gate gates[] = {
        {"NUC record 3 without two gears", &SIMCAM_DeviceProfile::supportLowTempTwoGear,
         [](int* o) {
             return USBSDK_GetNUCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), 3);
         }},
        {"NUC record 2 without extreme", &SIMCAM_DeviceProfile::supportExtreme,
         [](int* o) {
             return USBSDK_GetNUCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), 2);
         }},
        {"SFFC record 4 without two environments", &SIMCAM_DeviceProfile::supportTwoSFFC,
         [](int* o) {
             return USBSDK_GetSFFCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), 4);
         }},
        {"environment without two environments", &SIMCAM_DeviceProfile::supportTwoSFFC,
         [](int* o) { return USBSDK_GetTwoSFFCEnvironment(o); }},
        {"drift switch without DeltaB", &SIMCAM_DeviceProfile::supportDeltaB,
         [](int* o) { return USBSDK_GetTemperDriftSwitch(o); }},
        {"drift threshold without DeltaB", &SIMCAM_DeviceProfile::supportDeltaB,
         [](int* o) { return USBSDK_GetTemperDriftThreshold(o); }},
        {"NUC record 1 on an observation camera", &SIMCAM_DeviceProfile::deviceType,
         [](int* o) {
             return USBSDK_GetNUCSaveCountAndTime(reinterpret_cast<unsigned*>(o), reinterpret_cast<unsigned*>(o), 1);
         }},
    };
    for (const Gate& g : gates) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        openDevice();
        int out = -1;
        EXPECT_EQ(g.call(&out), 1) << g.what;
        setProfile(g.field, 0);
        out = -1;
        EXPECT_EQ(g.call(&out), 0) << g.what;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED) << g.what;
        EXPECT_EQ(out, -1) << g.what;
    }
}

TEST_F(CorrectionsTest, ProceduresOutOfOrderAreBadState)
{
    struct Row {
        const char* what;
        std::function<void()> before;  // runs first, must succeed
        std::function<int()> call;
    };
    const Row rows[] = {
        {"NUC step 2 first", [] {},
         [] {
             int rate = -1;
             const int ok = USBSDK_NUCBlackOperator(2, &rate);
             EXPECT_EQ(rate, -1);
             return ok;
         }},
        {"NUC save without NUC", [] {}, [] { return USBSDK_SetNUCSaveCountAndTime(1, 2, 0); }},
        {"NUC save after step 1 only",
         [] {
             int rate = -1;
             ASSERT_EQ(USBSDK_NUCBlackOperator(1, &rate), 1);
         },
         [] { return USBSDK_SetNUCSaveCountAndTime(1, 2, 0); }},
        {"SFFC save without collection", [] {}, [] { return USBSDK_SetSFFCSaveCountAndTime(1, 2, 0); }},
        {"drift collection with the switch off", [] {}, [] { return USBSDK_CollectTemperDrift(3); }},
        {"drift check before collection", [] {}, [] { return USBSDK_CheckTemperDrift(); }},
        {"drift check while collecting",
         [] {
             ASSERT_EQ(USBSDK_SetTemperDriftSwitch(1), 1);
             ASSERT_EQ(USBSDK_CollectTemperDrift(3), 1);
         },
         [] { return USBSDK_CheckTemperDrift(); }},
        {"drift save unchecked",
         [] {
             ASSERT_EQ(USBSDK_SetTemperDriftSwitch(1), 1);
             ASSERT_EQ(USBSDK_CollectTemperDrift(1), 1);
             ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
         },
         [] {
             USBSDK_TemperDriftRecord r = {};
             r.count = 3;
             return USBSDK_SaveTemperDrift(r);
         }},
    };
    for (const Row& r : rows) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        openDevice();
        r.before();
        EXPECT_EQ(r.call(), 0) << r.what;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BAD_STATE) << r.what;
    }
    // A second collection while one runs is BUSY.
    EXPECT_EQ(USBSDK_SetTemperDriftSwitch(1), 1);
    EXPECT_EQ(USBSDK_CollectTemperDrift(5), 1);
    EXPECT_EQ(USBSDK_CollectTemperDrift(5), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BUSY);
}

TEST_F(CorrectionsTest, SaveRecordsNeedTheirProcedureAndSurviveTheSession)
{
    struct Row {
        const char* what;
        int records;
        std::function<int()> procedure;
        int (*get)(unsigned*, unsigned*, int);
        int (*set)(unsigned, unsigned, int);
    };
    const Row rows[] = {
        {"NUC", 4,
         [] {
             int rate = -1;
             if (USBSDK_NUCBlackOperator(1, &rate) != 1) return 0;
             const int ok = USBSDK_NUCBlackOperator(2, &rate);
             EXPECT_EQ(rate, 12345);
             return ok;
         },
         USBSDK_GetNUCSaveCountAndTime, USBSDK_SetNUCSaveCountAndTime},
        {"SFFC", 7, [] { return USBSDK_SFFCCollect(); }, USBSDK_GetSFFCSaveCountAndTime,
         USBSDK_SetSFFCSaveCountAndTime},
    };
    for (const Row& r : rows) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        openDevice();
        for (int i = 0; i < r.records; ++i) {
            unsigned time = 0, count = 0;
            ASSERT_EQ(r.get(&time, &count, i), 1) << r.what << i;
            EXPECT_EQ(time, 1704067200u) << r.what << i;
            EXPECT_EQ(count, 1u) << r.what << i;
        }
        ASSERT_EQ(r.procedure(), 1) << r.what;
        EXPECT_EQ(r.set(1800000000u, 7, r.records - 1), 1) << r.what;
        EXPECT_EQ(r.set(1800000100u, 8, 0), 1) << r.what;  // several saves per collection
        // Saved at once: a new session still reads them, but must collect again.
        ASSERT_EQ(USBSDK_Close(), 1);
        openDevice();
        unsigned time = 0, count = 0;
        ASSERT_EQ(r.get(&time, &count, r.records - 1), 1);
        EXPECT_EQ(time, 1800000000u) << r.what;
        EXPECT_EQ(count, 7u) << r.what;
        ASSERT_EQ(r.get(&time, &count, 0), 1);
        EXPECT_EQ(time, 1800000100u) << r.what;
        EXPECT_EQ(count, 8u) << r.what;
        EXPECT_EQ(r.set(1, 1, 0), 0) << r.what;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BAD_STATE) << r.what;
    }
    // SFFC collection switches SFFC on, and the switch is saved at once.
    unsigned char enable = 9;
    ASSERT_EQ(USBSDK_SetSFFCEnable(0), 1);
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();
    ASSERT_EQ(USBSDK_GetSFFCEnable(&enable), 1);
    EXPECT_EQ(enable, 0);
    ASSERT_EQ(USBSDK_SFFCCollect(), 1);
    ASSERT_EQ(USBSDK_GetSFFCEnable(&enable), 1);
    EXPECT_EQ(enable, 1);
}

TEST_F(CorrectionsTest, BadPixelListsHonourCapacityAndSaving)
{
    openDevice();
    // Factory lists: the scene's defects.
    int rows[8], cols[8], count = -1;
    ASSERT_EQ(USBSDK_GetBadPixels(rows, cols, 8, &count), 1);
    ASSERT_EQ(count, 4);
    const int wantX[] = {32, 396, 288, 614}, wantY[] = {281, 25, 496, 204};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cols[i], wantX[i]);
        EXPECT_EQ(rows[i], wantY[i]);
    }
    int colList[4] = {-1, -1, -1, -1};
    ASSERT_EQ(USBSDK_GetBadPixelCols(colList, 4, &count), 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(colList[0], 256);

    struct Capacity {
        const char* what;
        std::function<int(int capacity, int* count, int* a)> call;
        int needed;
    };
    const Capacity caps[] = {
        {"pixels", [](int c, int* n, int* a) { return USBSDK_GetBadPixels(a, a + 4, c, n); }, 4},
        {"columns", [](int c, int* n, int* a) { return USBSDK_GetBadPixelCols(a, c, n); }, 1},
    };
    for (const Capacity& c : caps) {
        int buf[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        int n = -1;
        EXPECT_EQ(c.call(c.needed - 1, &n, buf), 0) << c.what;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BUFFER_TOO_SMALL) << c.what;
        EXPECT_EQ(n, c.needed) << c.what;
        for (int v : buf) EXPECT_EQ(v, -1) << c.what;
        EXPECT_EQ(c.call(c.needed, &n, buf), 1) << c.what;
    }

    // Replace with duplicates: kept once, in order; volatile until saved.
    const int setRows[] = {10, 11, 10}, setCols[] = {5, 6, 5};
    ASSERT_EQ(USBSDK_SetBadPixels(setRows, setCols, 3), 1);
    const int setColsList[] = {7, 9, 7};
    ASSERT_EQ(USBSDK_SetBadPixelCols(setColsList, 3), 1);
    ASSERT_EQ(USBSDK_GetBadPixels(rows, cols, 8, &count), 1);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(cols[1], 6);
    EXPECT_EQ(rows[1], 11);
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();
    ASSERT_EQ(USBSDK_GetBadPixels(rows, cols, 8, &count), 1);
    EXPECT_EQ(count, 4);

    ASSERT_EQ(USBSDK_SetBadPixels(setRows, setCols, 3), 1);
    ASSERT_EQ(USBSDK_SetBadPixelCols(setColsList, 3), 1);
    ASSERT_EQ(USBSDK_SaveBadPixel(), 1);
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();
    ASSERT_EQ(USBSDK_GetBadPixels(rows, cols, 8, &count), 1);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(USBSDK_GetBadPixelCols(colList, 4, &count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(colList[1], 9);
    ASSERT_EQ(USBSDK_SetBadPixels(nullptr, nullptr, 0), 1);
    ASSERT_EQ(USBSDK_GetBadPixels(rows, cols, 0, &count), 1);
    EXPECT_EQ(count, 0);

    EXPECT_EQ(USBSDK_SetAutoRemoveBadPixels(), 1);
    EXPECT_EQ(USBSDK_SetClearAutoRemovedBadPixels(), 1);
}

TEST_F(CorrectionsTest, DriftRunsOnTheManualClock)
{
    struct Row {
        const char* what;
        double collectOk, checkQualified;
        unsigned char collected, checked;  // checked 0: no check possible
    };
    const Row rows[] = {
        {"qualified", 1, 1, 0x02, 0x32},
        {"abnormal", 1, 0, 0x02, 0x12},
        {"collect failed", 0, 1, 0x04, 0},
    };
    for (const Row& r : rows) {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_EQ(SIMCAM_SetValue(0, "driftCollectOk", r.collectOk), 1);
        ASSERT_EQ(SIMCAM_SetValue(0, "driftCheckQualified", r.checkQualified), 1);
        openDevice();
        int v = -1, rise = -1;
        ASSERT_EQ(USBSDK_GetTemperDriftThreshold(&v), 1);
        EXPECT_EQ(v, 5);
        EXPECT_EQ(driftStatus(&rise), 0x40) << r.what;
        EXPECT_EQ(rise, 0);
        ASSERT_EQ(USBSDK_SetTemperDriftSwitch(1), 1);
        ASSERT_EQ(USBSDK_CollectTemperDrift(3), 1);
        ASSERT_EQ(USBSDK_GetTemperDriftThreshold(&v), 1);
        EXPECT_EQ(v, 3);
        ASSERT_EQ(SIMCAM_AdvanceTime(1500), 1);
        EXPECT_EQ(driftStatus(&rise), 0x01) << r.what;
        EXPECT_EQ(rise, 150) << r.what;
        ASSERT_EQ(SIMCAM_AdvanceTime(1499), 1);
        EXPECT_EQ(driftStatus(), 0x01) << r.what;
        ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
        EXPECT_EQ(driftStatus(&rise), r.collected) << r.what;
        EXPECT_EQ(rise, 0);
        if (!r.checked) {
            EXPECT_EQ(USBSDK_CheckTemperDrift(), 0);
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_BAD_STATE);
            continue;
        }
        ASSERT_EQ(USBSDK_CheckTemperDrift(), 1);
        EXPECT_EQ(driftStatus(), 0x0A);
        ASSERT_EQ(SIMCAM_AdvanceTime(2999), 1);
        EXPECT_EQ(driftStatus(), 0x0A);
        ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
        EXPECT_EQ(driftStatus(), r.checked) << r.what;
        USBSDK_TemperDriftRecord rec = {};
        rec.count = 4;
        rec.time = 1800000000u;
        EXPECT_EQ(USBSDK_SaveTemperDrift(rec), r.checked == 0x32 ? 1 : 0) << r.what;
        if (r.checked != 0x32) continue;
        ASSERT_EQ(USBSDK_Close(), 1);
        openDevice();
        EXPECT_EQ(driftStatus(), 0x80);
        USBSDK_TemperDriftRecord back = {};
        ASSERT_EQ(USBSDK_GetTemperDriftDataAndCounts(&back), 1);
        EXPECT_EQ(back.count, 4u);
        EXPECT_EQ(back.time, 1800000000u);
        ASSERT_EQ(USBSDK_GetTemperDriftSwitch(&v), 1);
        EXPECT_EQ(v, 1);  // saved at once
    }
}

TEST_F(CorrectionsTest, EquilibriumEnvironmentAndCompensation)
{
    openDevice();
    int state = -1, env = -1;
    ASSERT_EQ(USBSDK_ThermalBalanceCheck(&state), 1);
    EXPECT_EQ(state, 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(14999), 1);
    ASSERT_EQ(USBSDK_ThermalBalanceCheck(&state), 1);
    EXPECT_EQ(state, 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(1), 1);
    ASSERT_EQ(USBSDK_ThermalBalanceCheck(&state), 1);
    EXPECT_EQ(state, 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 0), 1);
    ASSERT_EQ(USBSDK_ThermalBalanceCheck(&state), 1);
    EXPECT_EQ(state, 0);

    ASSERT_EQ(USBSDK_GetTwoSFFCEnvironment(&env), 1);
    EXPECT_EQ(env, 0);
    ASSERT_EQ(SIMCAM_SetValue(0, "housingOffset", 20.0), 1);
    ASSERT_EQ(USBSDK_GetTwoSFFCEnvironment(&env), 1);
    EXPECT_EQ(env, 1);
    ASSERT_EQ(SIMCAM_SetValue(0, "sffcEnvironment", 0), 1);
    ASSERT_EQ(USBSDK_GetTwoSFFCEnvironment(&env), 1);
    EXPECT_EQ(env, 0);

    float value = 0;
    ASSERT_EQ(SIMCAM_StepFrames(3), 1);
    ASSERT_EQ(USBSDK_UniformCheck(0.2f, &value), 1);
    EXPECT_GE(value, 0.035f);  // 0.04..0.05 give or take the moving hot disc
    EXPECT_LE(value, 0.055f);
    ASSERT_EQ(SIMCAM_SetValue(0, "uniformity", 0.3), 1);
    ASSERT_EQ(USBSDK_UniformCheck(0.2f, &value), 1);
    EXPECT_FLOAT_EQ(value, 0.3f);
    value = -1;
    EXPECT_EQ(USBSDK_UniformCheck(std::numeric_limits<float>::infinity(), &value), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(value, -1);
    ASSERT_EQ(USBSDK_ThermalTemperCorrect(0.5f, &value), 1);
    EXPECT_FLOAT_EQ(value, 1.25f);
    ASSERT_EQ(SIMCAM_SetValue(0, "nucRate", 777), 1);
    int rate = -1;
    ASSERT_EQ(USBSDK_NUCBlackOperator(1, &rate), 1);
    EXPECT_EQ(rate, -1);
    ASSERT_EQ(USBSDK_NUCBlackOperator(2, &rate), 1);
    EXPECT_EQ(rate, 777);
}

uint32_t crc32(const std::vector<unsigned char>& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc & 1u) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

uint32_t u32At(const std::vector<unsigned char>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

TEST_F(CorrectionsTest, NucBackupFileLayout)
{
    ASSERT_EQ(SIMCAM_SetFrameSize(0, 64, 32), 1);
    openDevice();
    const std::string path = ::testing::TempDir() + std::to_string(getpid()) + "_calidra_nuc_backup.bin";
    ASSERT_EQ(USBSDK_GetNUCBackup(path.c_str()), 1);
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t header = 16 + 4 + 32 + 8 + 4 * 8;
    ASSERT_EQ(b.size(), header + 64 * 32 * 2 + 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "CALIDRA-SIMNUC");
    EXPECT_EQ(u32At(b, 16), 1u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data() + 20)), "SIM00000001");
    EXPECT_EQ(u32At(b, 52), 64u);
    EXPECT_EQ(u32At(b, 56), 32u);
    EXPECT_EQ(u32At(b, 60), 1704067200u);
    EXPECT_EQ(u32At(b, 64), 1u);
    EXPECT_EQ(b[header], 0x00);
    EXPECT_EQ(b[header + 1], 0x40);
    EXPECT_EQ(u32At(b, b.size() - 4), crc32(std::vector<unsigned char>(b.begin(), b.end() - 4)));
    std::remove(path.c_str());

    EXPECT_EQ(USBSDK_GetNUCBackup("/nonexistent-calidra-folder/x.bin"), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_IO);
}

}  // namespace
}  // namespace camsdktest
