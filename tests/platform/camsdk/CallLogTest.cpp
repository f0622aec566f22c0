// The call log: records, unlogged status queries, ring overwrite, counts.
#include <cstring>
#include <string>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class CallLogTest : public CamsdkTest {
protected:
    static std::vector<SIMCAM_CallRecord> log()
    {
        int total = 0;
        long long overwritten = 0;
        EXPECT_EQ(SIMCAM_GetCallLog(nullptr, 0, &total, &overwritten), 1);
        std::vector<SIMCAM_CallRecord> records(size_t(total) + 1);
        EXPECT_EQ(SIMCAM_GetCallLog(records.data(), int(records.size()), &total, &overwritten), 1);
        records.resize(size_t(total));
        return records;
    }
};

TEST_F(CallLogTest, RecordsFunctionArgumentsOutputsResultAndError)
{
    openDevice();
    ASSERT_EQ(SIMCAM_AdvanceTime(120), 1);
    const long long now = SIMCAM_Now();  // the manual clock stands still meanwhile
    SIMCAM_ClearCallLog();
    ASSERT_EQ(USBSDK_SetSleepMode(4), 1);
    ASSERT_EQ(USBSDK_SetSleepMode(7), 0);
    int w = 0, h = 0;
    ASSERT_EQ(USBSDK_GetDevResolution(&w, &h), 1);
    char serial[32];
    ASSERT_EQ(USBSDK_GetSerialNumber(serial, 32), 1);

    const auto records = log();
    ASSERT_EQ(records.size(), 4u);
    struct Expected {
        const char* function;
        const char* args;
        const char* outputs;
        int result, error;
    };
    const Expected expected[] = {
        {"USBSDK_SetSleepMode", "mode=4", "", 1, 0},
        {"USBSDK_SetSleepMode", "mode=7", "", 0, USBSDK_ERR_INVALID_ARG},
        {"USBSDK_GetDevResolution", "width=out, height=out", "width=640, height=512", 1, 0},
        {"USBSDK_GetSerialNumber", "buf=out, size=32", "buf=\"SIM00000001\"", 1, 0},
    };
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_STREQ(records[i].function, expected[i].function) << i;
        EXPECT_STREQ(records[i].args, expected[i].args) << i;
        EXPECT_STREQ(records[i].outputs, expected[i].outputs) << i;
        EXPECT_EQ(records[i].result, expected[i].result) << i;
        EXPECT_EQ(records[i].error, expected[i].error) << i;
        EXPECT_EQ(records[i].clockMs, now) << i;
        EXPECT_NE(records[i].threadId, 0u);
        if (i) {
            EXPECT_EQ(records[i].seq, records[i - 1].seq + 1);
        }
    }
}

TEST_F(CallLogTest, OpenRecordSummarisesTheDeviceRecord)
{
    SIMCAM_ClearCallLog();
    openDevice();
    const auto records = log();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0].function, "USBSDK_GetDevInfoList");
    EXPECT_STREQ(records[0].outputs, "count=1");
    EXPECT_EQ(records[0].result, 1);
    EXPECT_STREQ(records[1].function, "USBSDK_Open");
    EXPECT_STREQ(records[1].args, "info={id=0x01000001 port=3}");
}

TEST_F(CallLogTest, ConstantStatusQueriesAreNotLogged)
{
    openDevice();
    SIMCAM_ClearCallLog();
    USBSDK_Connect();
    USBSDK_GetLastError();
    USBSDK_GetShutterStatus();
    USBSDK_GetDeviceSupportNewColor();
    USBSDK_IsSupportDeltaB();
    int a, b;
    USBSDK_GetProgress(&a, &b);
    EXPECT_EQ(log().size(), 0u);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_Connect"), 0);
    USBSDK_GetDeviceType();  // a status query, but logged
    USBSDK_GetFps();
    const auto records = log();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0].function, "USBSDK_GetDeviceType");
    EXPECT_EQ(records[0].result, 1);
    EXPECT_EQ(records[1].result, 25);
}

TEST_F(CallLogTest, RingOverwritesTheOldestAndCountsSurvive)
{
    openDevice();
    ASSERT_EQ(SIMCAM_SetValue(-1, "callLogCapacity", 3), 1);
    for (int mode : {4, 5, 4, 5, 4}) ASSERT_EQ(USBSDK_SetSleepMode(mode), 1);

    SIMCAM_CallRecord out[5];
    int total = 0;
    long long overwritten = 0;
    ASSERT_EQ(SIMCAM_GetCallLog(out, 5, &total, &overwritten), 1);
    EXPECT_EQ(total, 3);
    EXPECT_EQ(overwritten, 2);
    // Oldest first: the third, fourth and fifth calls.
    EXPECT_STREQ(out[0].args, "mode=4");
    EXPECT_STREQ(out[1].args, "mode=5");
    EXPECT_STREQ(out[2].args, "mode=4");
    EXPECT_EQ(out[1].seq, out[0].seq + 1);
    EXPECT_EQ(out[2].seq, out[1].seq + 1);
    EXPECT_EQ(SIMCAM_CountCalls("SetSleepMode"), 5);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetSleepMode"), 5);

    // A smaller caller capacity copies the oldest ones.
    SIMCAM_CallRecord two[2];
    ASSERT_EQ(SIMCAM_GetCallLog(two, 2, &total, &overwritten), 1);
    EXPECT_EQ(two[0].seq, out[0].seq);

    SIMCAM_ClearCallLog();
    ASSERT_EQ(SIMCAM_GetCallLog(out, 5, &total, &overwritten), 1);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(overwritten, 0);
    EXPECT_EQ(SIMCAM_CountCalls("SetSleepMode"), 0);
}

TEST_F(CallLogTest, DisabledLogRecordsNothing)
{
    ASSERT_EQ(SIMCAM_SetValue(-1, "callLogEnabled", 0), 1);
    openDevice();
    EXPECT_EQ(log().size(), 0u);
    EXPECT_EQ(SIMCAM_CountCalls("Open"), 0);
}

}  // namespace
}  // namespace camsdktest
