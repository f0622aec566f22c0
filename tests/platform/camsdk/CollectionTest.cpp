// Radiometric data collection: the interval on the simulator clock, the
// sample contents, paging with the record's capacity, clearing.
#include <cmath>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class CollectionTest : public CamsdkTest {
protected:
    struct Page {
        int result;
        int total, count;
        std::vector<USBSDK_DataCollectEntry> entries;
    };
    static Page read(unsigned startIndex, int capacity = USBSDK_DATA_COLLECT_PAGE)
    {
        std::vector<USBSDK_DataCollectEntry> buffer(USBSDK_DATA_COLLECT_PAGE + 1);
        USBSDK_NewRadiometryDataAutoCollectParam rec{};
        rec.startIndex = startIndex;
        rec.count = uint16_t(capacity);
        rec.entries = buffer.data();
        const int result = USBSDK_GetNewDataCollect(&rec);
        EXPECT_EQ(rec.extra, nullptr);
        buffer.resize(result ? rec.count : 0);
        return {result, rec.total, rec.count, buffer};
    }
};

TEST_F(CollectionTest, IntervalArgumentsAndCapability)
{
    EXPECT_EQ(USBSDK_SetDataCollectInterval(1, 5), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    struct Row {
        int on, seconds, result, error;
    };
    const Row rows[] = {
        {1, 1, 1, 0}, {1, 86400, 1, 0}, {0, 0, 1, 0}, {0, -7, 1, 0},
        {1, 0, 0, 2}, {1, 86401, 0, 2}, {2, 5, 0, 2}, {-1, 5, 0, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.on) + "," + std::to_string(r.seconds));
        EXPECT_EQ(USBSDK_SetDataCollectInterval(r.on, r.seconds), r.result);
        if (r.error) {
            EXPECT_EQ(USBSDK_GetLastError(), r.error);
        }
    }
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.deviceType = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    EXPECT_EQ(USBSDK_SetDataCollectInterval(1, 5), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED);
}

TEST_F(CollectionTest, SamplesEveryIntervalOnTheSimulatorClock)
{
    openDevice();
    ASSERT_EQ(USBSDK_SetClearDataCollect(), 1);
    const long long start = SIMCAM_Now();
    ASSERT_EQ(USBSDK_SetDataCollectInterval(1, 2), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(1999), 1);
    EXPECT_EQ(read(0).total, 0);  // first sample one interval later
    ASSERT_EQ(SIMCAM_AdvanceTime(4001), 1);
    Page page = read(0);
    ASSERT_EQ(page.result, 1);
    ASSERT_EQ(page.total, 3);
    ASSERT_EQ(page.count, 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const USBSDK_DataCollectEntry& e = page.entries[size_t(i)];
        EXPECT_EQ(e.time, uint32_t(1704067200 + (start + 2000 * (i + 1)) / 1000));
        EXPECT_EQ(e.spotX, 320);
        EXPECT_EQ(e.spotY, 256);
        EXPECT_FLOAT_EQ(e.driftTemp, e.houseTemp);
        EXPECT_NEAR(e.tecTemp, e.houseTemp - 1.5f, 1e-4);
        EXPECT_NEAR(e.preHouseTemp, e.houseTemp - 0.5f, 1e-4);
        EXPECT_NEAR(e.boardTemp, e.houseTemp + 6.0f, 1e-4);
        EXPECT_NEAR(e.backTemp, e.houseTemp + 2.0f, 1e-4);
        EXPECT_GT(e.houseTemp, 10.0f);
        EXPECT_GT(e.meanBefore, 1000);
        EXPECT_EQ(e.meanAfter, e.meanBefore - 3);
        EXPECT_EQ(e.meanDiff, -3);
        EXPECT_GT(e.spotGrey, 0u);
        for (uint8_t b : e.reserved) EXPECT_EQ(b, 0);
    }
    // The centre spot reads the scene's true temperature there.
    int sink = 0;
    ASSERT_EQ(USBSDK_StartRealPlay([](const unsigned char*, int, const unsigned char*, int, int, int, void*) {}, &sink),
              1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    float truth = 0;
    ASSERT_EQ(SIMCAM_GetTruth(0, 320, 256, &truth), 1);
    EXPECT_NEAR(page.entries[2].spotTemp, truth, 0.5);
    // The housing warms as the session ages; the control interface reads
    // the same model: 25 + 10 (1 - e^(-t / 600 s)).
    EXPECT_GE(page.entries[2].houseTemp, page.entries[0].houseTemp);
    double housing = 0;
    ASSERT_EQ(SIMCAM_GetValue(0, "housingTemp", &housing), 1);
    const double ageS = double(SIMCAM_Now()) / 1000.0;  // the session opened at time 0
    EXPECT_GT(housing, 25.0);
    EXPECT_LE(housing, 25.0 + 10.0 * (1.0 - std::exp(-ageS / 600.0)) + 1e-6);

    // Stopped: no more samples; cleared: empty.
    ASSERT_EQ(USBSDK_SetDataCollectInterval(0, 0), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(10000), 1);
    EXPECT_EQ(read(0).total, 3);
    ASSERT_EQ(USBSDK_SetClearDataCollect(), 1);
    EXPECT_EQ(read(0).total, 0);
}

TEST_F(CollectionTest, PagesHonourTheRecordsCapacity)
{
    openDevice();
    ASSERT_EQ(USBSDK_SetClearDataCollect(), 1);
    ASSERT_EQ(SIMCAM_AddDataCollectSamples(0, 30), 1);
    EXPECT_EQ(SIMCAM_AddDataCollectSamples(1, 1), 0);
    EXPECT_EQ(SIMCAM_AddDataCollectSamples(0, -1), 0);
    struct Row {
        unsigned start;
        int capacity;
        int result, total, count;
    };
    const Row rows[] = {
        {0, 25, 1, 30, 25}, {25, 25, 1, 30, 5}, {29, 25, 1, 30, 1}, {30, 25, 1, 30, 0},
        {99, 25, 1, 30, 0}, {3, 1, 1, 30, 1},   {0, 0, 0, 0, 0},    {0, 26, 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.start) + "/" + std::to_string(r.capacity));
        const Page p = read(r.start, r.capacity);
        EXPECT_EQ(p.result, r.result);
        if (!r.result) {
            EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
            EXPECT_EQ(p.total, 0);  // untouched
            EXPECT_EQ(p.count, r.capacity);
            continue;
        }
        EXPECT_EQ(p.total, r.total);
        EXPECT_EQ(p.count, r.count);
    }
    USBSDK_NewRadiometryDataAutoCollectParam rec{};
    rec.count = 25;
    EXPECT_EQ(USBSDK_GetNewDataCollect(&rec), 0);
    EXPECT_EQ(USBSDK_GetNewDataCollect(nullptr), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
}

// Unplugged mid-collection: the samples due before stay in the store, and
// no more come while the session is lost.
TEST_F(CollectionTest, ALostCameraStopsSampling)
{
    openDevice();
    ASSERT_EQ(USBSDK_SetClearDataCollect(), 1);
    ASSERT_EQ(USBSDK_SetDataCollectInterval(1, 1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(10000), 1);
    double samples = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "dataSamples", &samples), 1);
    EXPECT_EQ(samples, 3);
}

}  // namespace
}  // namespace camsdktest
