// Firmware update on the manual clock: outcomes and file checks, the
// progress and BUSY answers other threads see during the flash, and the
// reboot afterwards.
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class FirmwareTest : public CamsdkTest {
protected:
    void SetUp() override
    {
        CamsdkTest::SetUp();
        good_ = writeFile("calidra_fw_good.bin", 4096);
        empty_ = writeFile("calidra_fw_empty.bin", 0);
    }
    void TearDown() override
    {
        std::remove(good_.c_str());
        std::remove(empty_.c_str());
        CamsdkTest::TearDown();
    }
    static std::string writeFile(const char* name, size_t bytes)
    {
        // Test processes run side by side: names of their own.
        const std::string path = ::testing::TempDir() + std::to_string(getpid()) + "_" + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (!f) return path;
        const std::vector<char> data(bytes, 'F');
        if (bytes) std::fwrite(data.data(), 1, bytes, f);
        std::fclose(f);
        return path;
    }
    static int progress()
    {
        int maximum = 0, current = -1;
        EXPECT_EQ(USBSDK_GetProgress(&maximum, &current), 1);
        EXPECT_EQ(maximum, 100);
        return current;
    }

    std::string good_, empty_;
};

TEST_F(FirmwareTest, OutcomesAndFileChecks)
{
    EXPECT_EQ(progress(), 0);  // no flash yet
    struct Row {
        const char* name;
        int outcome;
        int file;  // 0 good, 1 empty, 2 missing
        int result, error;
        long long clockMs;  // simulator time the call took
        int progressAfter;
        bool reboots;
    };
    const Row rows[] = {
        {"success", 0, 0, 1, 0, 2000, 100, true},
        {"verification asked", 1, 0, 0, USBSDK_ERR_FILE_VERIFY, 0, 0, false},
        {"empty file", 0, 1, 0, USBSDK_ERR_FILE_VERIFY, 0, 0, false},
        {"missing file", 0, 2, 0, USBSDK_ERR_IO, 0, 0, false},
        {"device failure", 2, 0, 0, USBSDK_ERR_DEVICE_FAILED, 1000, 50, false},
    };
    for (int main = 0; main < 2; ++main) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + (main ? " main" : " 3014"));
            openDevice();
            ASSERT_EQ(SIMCAM_SetUpdateBehaviour(2000, r.outcome, 1000), 1);
            const std::string path = r.file == 0 ? good_ : r.file == 1 ? empty_ : good_ + ".missing";
            const long long before = SIMCAM_Now();
            const int result = main ? USBSDK_UpdateMainProgram(path.c_str()) : USBSDK_Update3014Program(path.c_str());
            EXPECT_EQ(result, r.result);
            if (r.error) {
                EXPECT_EQ(USBSDK_GetLastError(), r.error);
            }
            EXPECT_EQ(SIMCAM_Now() - before, r.clockMs);
            EXPECT_EQ(progress(), r.progressAfter);
            EXPECT_EQ(value(0, "flashing"), 0);
            ASSERT_EQ(SIMCAM_AdvanceTime(200), 1);
            EXPECT_EQ(value(0, "rebooting"), r.reboots ? 1 : 0);
            EXPECT_EQ(value(0, "present"), r.reboots ? 0 : 1);
            EXPECT_EQ(USBSDK_Connect(), r.reboots ? 0 : 1);
            ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
            EXPECT_EQ(value(0, "present"), 1);
            USBSDK_DeviceInfo list[2] = {};
            EXPECT_EQ(USBSDK_GetDevInfoList(list, 2), 1);
        }
    }
}

TEST_F(FirmwareTest, SessionAndDeviceRequirements)
{
    ASSERT_EQ(SIMCAM_SetUpdateBehaviour(1000, 0, 500), 1);
    EXPECT_EQ(USBSDK_UpdateMainProgram(good_.c_str()), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    // The USB program needs only a listed camera.
    EXPECT_EQ(USBSDK_Update3014Program(good_.c_str()), 1);
    EXPECT_EQ(progress(), 100);
    ASSERT_EQ(SIMCAM_AdvanceTime(200), 1);
    EXPECT_EQ(value(0, "rebooting"), 1);
    EXPECT_EQ(USBSDK_Update3014Program(good_.c_str()), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);
    ASSERT_EQ(SIMCAM_AdvanceTime(500), 1);
    EXPECT_EQ(value(0, "rebooting"), 0);

    EXPECT_EQ(SIMCAM_SetUpdateBehaviour(-1, 0, 0), 0);
    EXPECT_EQ(SIMCAM_SetUpdateBehaviour(0, 3, 0), 0);
    EXPECT_EQ(SIMCAM_SetUpdateBehaviour(0, 0, -1), 0);
}

// What the frame thread sees while the flash blocks the test thread.
struct DuringFlash {
    long long clockMs;
    int maximum, progress;
    int colorResult, colorError;
    int connect;
};

std::mutex g_seenMutex;
std::vector<DuringFlash> g_seen;

void flashWatcher(const unsigned char*, int, const unsigned char*, int, int, int, void*)
{
    DuringFlash d{SIMCAM_Now(), 0, 0, 0, 0, 0};
    USBSDK_GetProgress(&d.maximum, &d.progress);
    int palette = -1;
    d.colorResult = USBSDK_GetColor(&palette);
    d.colorError = USBSDK_GetLastError();
    d.connect = USBSDK_Connect();
    std::lock_guard<std::mutex> lock(g_seenMutex);
    g_seen.push_back(d);
}

TEST_F(FirmwareTest, ProgressRisesAndEverythingElseIsBusyDuringTheFlash)
{
    openDevice();
    ASSERT_EQ(SIMCAM_SetUpdateBehaviour(2000, 0, 1000), 1);
    int dummy = 0;
    ASSERT_EQ(USBSDK_StartRealPlay(&flashWatcher, &dummy), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    {
        std::lock_guard<std::mutex> lock(g_seenMutex);
        g_seen.clear();
    }
    const long long start = SIMCAM_Now();
    ASSERT_EQ(USBSDK_UpdateMainProgram(good_.c_str()), 1);
    EXPECT_EQ(SIMCAM_Now() - start, 2000);

    std::vector<DuringFlash> seen;
    {
        std::lock_guard<std::mutex> lock(g_seenMutex);
        seen = g_seen;
    }
    ASSERT_GE(seen.size(), 45u);  // 25 frames per second for two seconds
    int last = -1;
    for (const DuringFlash& d : seen) {
        SCOPED_TRACE(d.clockMs - start);
        EXPECT_EQ(d.maximum, 100);
        EXPECT_EQ(d.progress, int((d.clockMs - start) * 100 / 2000));
        EXPECT_GE(d.progress, last);
        last = d.progress;
        EXPECT_EQ(d.colorResult, 0);
        EXPECT_EQ(d.colorError, USBSDK_ERR_BUSY);
        EXPECT_EQ(d.connect, 1);  // flashing still counts as connected
    }
    EXPECT_GE(last, 95);
    EXPECT_EQ(progress(), 100);

    // Answers again once the flash is over, until the camera leaves to reboot.
    int palette = -1;
    EXPECT_EQ(USBSDK_GetColor(&palette), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(200), 1);
    EXPECT_EQ(USBSDK_Connect(), 0);
    EXPECT_EQ(USBSDK_GetColor(&palette), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DISCONNECTED);
    EXPECT_EQ(USBSDK_Close(), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    openDevice();
    EXPECT_EQ(USBSDK_Connect(), 1);
}

// A reset of the layer while a flash waits on the real clock cancels it:
// the call answers DISCONNECTED, the device made afresh is not rebooted and
// a new flash is not refused BUSY.
TEST_F(FirmwareTest, ResetCancelsARunningFlash)
{
    ASSERT_EQ(SIMCAM_SetClockMode(0), 1);
    openDevice();
    ASSERT_EQ(SIMCAM_SetUpdateBehaviour(60000, 0, 1000), 1);
    int result = -1, error = -1;
    std::thread flasher([&] {
        result = USBSDK_UpdateMainProgram(good_.c_str());
        error = USBSDK_GetLastError();
    });
    double flashing = 0;
    while (flashing == 0) {
        ASSERT_EQ(SIMCAM_GetValue(0, "flashing", &flashing), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    SIMCAM_Reset();
    flasher.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(error, USBSDK_ERR_DISCONNECTED);
    ASSERT_EQ(SIMCAM_GetValue(0, "flashing", &flashing), 1);
    EXPECT_EQ(flashing, 0);
    double rebooting = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "rebooting", &rebooting), 1);
    EXPECT_EQ(rebooting, 0);
    EXPECT_EQ(progress(), 0);
    openDevice();
    ASSERT_EQ(SIMCAM_SetUpdateBehaviour(0, 0, 1000), 1);
    EXPECT_EQ(USBSDK_UpdateMainProgram(good_.c_str()), 1);
}

}  // namespace
}  // namespace camsdktest
