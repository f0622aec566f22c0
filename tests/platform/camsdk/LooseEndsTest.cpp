// Pieces of state that cross the command families: what a reset and a close
// clear, the session's start, the state keys of the families, BUSY during a
// flash, and what the stream takes from the isotherm and bad-pixel settings.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CamsdkTestSupport.h"

namespace {

using camsdktest::CamsdkTest;

std::string writeFirmware()
{
    const std::string path = "/tmp/calidra_loose_ends_fw_" + std::to_string(getpid()) + ".bin";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const std::vector<unsigned char> bytes(1024, 0x5a);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

int progress()
{
    int maximum = 0, current = -1;
    USBSDK_GetProgress(&maximum, &current);
    return current;
}

int storedSamples(USBSDK_DataCollectEntry* first = nullptr)
{
    USBSDK_DataCollectEntry entries[USBSDK_DATA_COLLECT_PAGE] = {};
    USBSDK_NewRadiometryDataAutoCollectParam rec{};
    rec.count = 1;
    rec.entries = entries;
    EXPECT_EQ(USBSDK_GetNewDataCollect(&rec), 1);
    if (first) *first = entries[0];
    return rec.total;
}

// The last frame of device 0, copied.
struct LastFrame {
    static std::mutex mutex;
    static std::vector<unsigned char> yuv, raw;
    static int width;
    static void sink(const unsigned char* y, int yuvLen, const unsigned char* r, int rawLen, int w, int, void*)
    {
        std::lock_guard<std::mutex> lock(mutex);
        yuv.assign(y, y + yuvLen);
        raw.assign(r, r + rawLen);
        width = w;
    }
    static int rawAt(int x, int y)
    {
        std::lock_guard<std::mutex> lock(mutex);
        const size_t i = (size_t(y) * size_t(width) + size_t(x)) * 2;
        return int(raw[i]) | (int(raw[i + 1]) << 8);
    }
    static std::vector<unsigned char> display()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return yuv;
    }
};
std::mutex LastFrame::mutex;
std::vector<unsigned char> LastFrame::yuv, LastFrame::raw;
int LastFrame::width = 0;

class LooseEndsTest : public CamsdkTest {
protected:
    void SetUp() override
    {
        CamsdkTest::SetUp();
        firmware_ = writeFirmware();
    }
    void TearDown() override
    {
        std::remove(firmware_.c_str());
        CamsdkTest::TearDown();
    }
    void streamOneFrame() { ASSERT_EQ(SIMCAM_StepFrames(1), 1); }
    std::string firmware_;
};

TEST_F(LooseEndsTest, ResetClearsTheStoreTheScriptsAndTheProgress)
{
    openDevice();
    ASSERT_EQ(USBSDK_SetDataCollectInterval(1, 1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);
    EXPECT_EQ(value(0, "dataSamples"), 3);
    const unsigned char reply[2] = {7, 8};
    ASSERT_EQ(SIMCAM_SetProDebugReply(0x40, 0, reply, 2), 1);
    ASSERT_EQ(SIMCAM_SetUpdateBehaviour(100, 0, 100), 1);
    ASSERT_EQ(USBSDK_UpdateMainProgram(firmware_.c_str()), 1);
    EXPECT_EQ(progress(), 100);
    EXPECT_EQ(value(0, "updateProgress"), 100);

    SIMCAM_Reset();
    ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(value(0, "updateProgress"), 0);
    EXPECT_EQ(value(0, "dataSamples"), 0);
    openDevice();
    EXPECT_EQ(storedSamples(), 0);
    ASSERT_EQ(SIMCAM_AdvanceTime(5000), 1);
    EXPECT_EQ(storedSamples(), 0);  // sampling stopped too
    int status = -1, len = -1;
    unsigned char got[8] = {};
    ASSERT_EQ(USBSDK_SetProDebug(0x40, nullptr, 0, &status, got, 8, &len), 1);
    EXPECT_EQ(status, 5);  // unknown function again: the script is gone
    EXPECT_EQ(len, 0);
}

TEST_F(LooseEndsTest, CloseStopsTheDataCollectionAndKeepsTheStore)
{
    openDevice();
    ASSERT_EQ(USBSDK_SetDataCollectInterval(1, 1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(2000), 1);
    ASSERT_EQ(USBSDK_Close(), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(5000), 1);
    EXPECT_EQ(value(0, "dataSamples"), 2);
    openDevice();
    ASSERT_EQ(SIMCAM_AdvanceTime(5000), 1);
    EXPECT_EQ(storedSamples(), 2);
}

TEST_F(LooseEndsTest, CollectedBodyTemperaturesAgeFromTheOpen)
{
    // Session age 11 s both times: sampling started late, or at the open.
    openDevice();
    ASSERT_EQ(SIMCAM_AdvanceTime(10000), 1);
    ASSERT_EQ(USBSDK_SetDataCollectInterval(1, 1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    USBSDK_DataCollectEntry late{};
    ASSERT_EQ(storedSamples(&late), 1);

    SIMCAM_Reset();
    ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);  // time before the open does not count
    openDevice();
    ASSERT_EQ(USBSDK_SetDataCollectInterval(1, 11), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(11000), 1);
    USBSDK_DataCollectEntry atOpen{};
    ASSERT_EQ(storedSamples(&atOpen), 1);
    EXPECT_FLOAT_EQ(late.houseTemp, atOpen.houseTemp);
    EXPECT_FLOAT_EQ(late.tecTemp, atOpen.tecTemp);
    EXPECT_FLOAT_EQ(late.boardTemp, atOpen.boardTemp);
}

TEST_F(LooseEndsTest, CorrectionStateKeysFollowTheCommands)
{
    openDevice();
    EXPECT_EQ(value(0, "flashing"), 0);
    EXPECT_EQ(value(0, "badPixels"), 4);
    EXPECT_EQ(value(0, "badCols"), 1);
    EXPECT_EQ(value(0, "autoRemoved"), 0);
    EXPECT_EQ(value(0, "driftStatus"), 0x40);
    EXPECT_EQ(value(0, "driftRise"), 0);

    const int rows[1] = {10}, cols[1] = {20};
    ASSERT_EQ(USBSDK_SetBadPixels(rows, cols, 1), 1);
    ASSERT_EQ(USBSDK_SetBadPixelCols(cols, 0), 1);
    EXPECT_EQ(value(0, "badPixels"), 1);
    EXPECT_EQ(value(0, "badCols"), 0);
    ASSERT_EQ(USBSDK_SetAutoRemoveBadPixels(), 1);
    EXPECT_EQ(value(0, "autoRemoved"), 4);

    ASSERT_EQ(USBSDK_SetTemperDriftSwitch(1), 1);
    ASSERT_EQ(USBSDK_CollectTemperDrift(3), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(1500), 1);
    EXPECT_EQ(value(0, "driftStatus"), 0x01);
    EXPECT_DOUBLE_EQ(value(0, "driftRise"), 1.5);
    ASSERT_EQ(SIMCAM_AdvanceTime(2000), 1);
    EXPECT_EQ(value(0, "driftStatus"), 0x02);

    // A new session starts from the saved lists.
    ASSERT_EQ(USBSDK_Close(), 1);
    openDevice();
    EXPECT_EQ(value(0, "badPixels"), 4);
    EXPECT_EQ(value(0, "autoRemoved"), 0);
}

// What the layer answers from inside a frame callback during a flash.
struct DuringFlash {
    int close = -1, closeError = 0, open = -1, openError = 0, start = -1, startError = 0, stop = -1, stopError = 0;
    double flashing = -1;
    bool seen = false;
};
DuringFlash g_during;
bool g_probe = false;

void flashProbe(const unsigned char*, int, const unsigned char*, int, int, int, void*)
{
    if (!g_probe || g_during.seen) return;
    g_during.seen = true;
    SIMCAM_GetValue(0, "flashing", &g_during.flashing);
    g_during.close = USBSDK_Close();
    g_during.closeError = USBSDK_GetLastError();
    USBSDK_DeviceInfo list[1] = {};
    USBSDK_GetDevInfoList(list, 1);
    g_during.open = USBSDK_Open(&list[0]);
    g_during.openError = USBSDK_GetLastError();
    static int other = 0;
    g_during.start = USBSDK_StartRealPlay(&flashProbe, &other);
    g_during.startError = USBSDK_GetLastError();
    g_during.stop = USBSDK_StopRealPlay(&other);
    g_during.stopError = USBSDK_GetLastError();
}

TEST_F(LooseEndsTest, LayerOperationsAreBusyDuringAFlash)
{
    openDevice();
    int me = 0;
    ASSERT_EQ(USBSDK_StartRealPlay(&flashProbe, &me), 1);
    g_during = DuringFlash();
    g_probe = true;
    ASSERT_EQ(SIMCAM_SetUpdateBehaviour(400, 0, 1000), 1);
    ASSERT_EQ(USBSDK_UpdateMainProgram(firmware_.c_str()), 1);
    g_probe = false;
    ASSERT_TRUE(g_during.seen);
    EXPECT_EQ(g_during.flashing, 1);
    EXPECT_EQ(g_during.close, 0);
    EXPECT_EQ(g_during.closeError, USBSDK_ERR_BUSY);
    EXPECT_EQ(g_during.open, 0);
    EXPECT_EQ(g_during.openError, USBSDK_ERR_BUSY);
    EXPECT_EQ(g_during.start, 0);
    EXPECT_EQ(g_during.startError, USBSDK_ERR_BUSY);
    EXPECT_EQ(g_during.stop, 0);
    EXPECT_EQ(g_during.stopError, USBSDK_ERR_BUSY);
    // The session survived and the flag is down again.
    EXPECT_EQ(value(0, "open"), 1);
    EXPECT_EQ(value(0, "flashing"), 0);
    EXPECT_EQ(value(0, "sinks"), 1);
    EXPECT_EQ(USBSDK_Close(), 1);
}

TEST_F(LooseEndsTest, IsothermLimitsAndModeReachTheDisplay)
{
    openDevice();
    int me = 0;
    ASSERT_EQ(USBSDK_StartRealPlay(&LastFrame::sink, &me), 1);
    SIMCAM_Scene scene{};
    ASSERT_EQ(SIMCAM_GetScene(0, &scene), 1);
    scene.hotMotion = 0;  // one picture frame after frame
    scene.displayNoise = 0;
    ASSERT_EQ(SIMCAM_SetScene(0, &scene), 1);
    std::vector<std::vector<unsigned char>> shown;
    for (int mode = 0; mode < 4; ++mode) {
        USBSDK_IsothermParams p{1, 15.0f, 30.0f, mode};
        ASSERT_EQ(USBSDK_SetIsothermParams(p), 1);
        ASSERT_NO_FATAL_FAILURE(streamOneFrame());
        shown.push_back(LastFrame::display());
    }
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    EXPECT_EQ(LastFrame::display(), shown.back());  // the picture alone does not change
    // Each mode marks other pixels.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) EXPECT_NE(shown[size_t(a)], shown[size_t(b)]) << a << " " << b;
    USBSDK_IsothermParams p{1, 15.0f, 30.0f, 2};
    ASSERT_EQ(USBSDK_SetIsothermParams(p), 1);
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    const std::vector<unsigned char> narrow = LastFrame::display();
    p.upperLimit = 60.0f;
    ASSERT_EQ(USBSDK_SetIsothermParams(p), 1);
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    EXPECT_NE(LastFrame::display(), narrow);
}

TEST_F(LooseEndsTest, CorrectedDefectsLeaveTheRawFrame)
{
    openDevice();
    int me = 0;
    ASSERT_EQ(USBSDK_StartRealPlay(&LastFrame::sink, &me), 1);
    const int stuckX = 32, stuckY = 281, column = 256, y = 100;  // 640 x 512

    // Factory lists: every defect corrected, the neighbours' mean instead.
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    int left = LastFrame::rawAt(stuckX - 1, stuckY), right = LastFrame::rawAt(stuckX + 1, stuckY);
    EXPECT_EQ(LastFrame::rawAt(stuckX, stuckY), (left + right + 1) / 2);
    left = LastFrame::rawAt(column - 1, y);
    right = LastFrame::rawAt(column + 1, y);
    EXPECT_EQ(LastFrame::rawAt(column, y), (left + right + 1) / 2);

    // Empty lists: the defects show.
    const int none[1] = {0};
    ASSERT_EQ(USBSDK_SetBadPixels(none, none, 0), 1);
    ASSERT_EQ(USBSDK_SetBadPixelCols(none, 0), 1);
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    EXPECT_EQ(LastFrame::rawAt(stuckX, stuckY), 12000);
    EXPECT_GT(LastFrame::rawAt(column, y), LastFrame::rawAt(column - 1, y) + 300);

    // Automatic removal corrects the stuck pixels but not the column.
    ASSERT_EQ(USBSDK_SetAutoRemoveBadPixels(), 1);
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    EXPECT_LT(LastFrame::rawAt(stuckX, stuckY), 11000);
    EXPECT_GT(LastFrame::rawAt(column, y), LastFrame::rawAt(column - 1, y) + 300);
    ASSERT_EQ(USBSDK_SetClearAutoRemovedBadPixels(), 1);
    ASSERT_NO_FATAL_FAILURE(streamOneFrame());
    EXPECT_EQ(LastFrame::rawAt(stuckX, stuckY), 12000);
}

}  // namespace
