// The camera facade over the simulated camera: bool results, shared state
// and the frame dump.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "RadioPictureWriter.h"
#include "ScratchDir.h"
#include "simcam.h"

namespace {

struct DumpCall {
    int written, total, finished;
};

void recordDump(int written, int total, void* user, int finished)
{
    static_cast<std::vector<DumpCall>*>(user)->push_back({written, total, finished});
}

class DeviceSdkWrapperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        USBSDK_Init();
        sdk().setFrozen(false);
        sdk().stopFrameDump(DeviceSdkWrapper::kDumpYuv);
        sdk().stopFrameDump(DeviceSdkWrapper::kDumpRaw);
        sdk().setFrameDumpEnable(false, DeviceSdkWrapper::kDumpYuv);
        sdk().setFrameDumpEnable(false, DeviceSdkWrapper::kDumpRaw);
    }
    void TearDown() override { sdk().Close(); }

    static DeviceSdkWrapper& sdk() { return DeviceSdkWrapper::getInstance(); }

    // Lists the simulated camera and opens it through the facade.
    static bool openCamera()
    {
        USBSDK_DeviceInfo list[64];
        std::memset(list, 0, sizeof list);
        if (sdk().GetDevInfoList(list, 64) < 1) return false;
        return sdk().Open(&list[0]) && sdk().Connect();
    }

    static std::vector<uint8_t> fileBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }

    fixtures::ScratchDir dir_;
};

TEST_F(DeviceSdkWrapperTest, ResultsBecomeBool)
{
    EXPECT_FALSE(sdk().Connect());
    EXPECT_FALSE(sdk().Close());  // no session
    ASSERT_TRUE(openCamera());
    char serial[256] = {};
    EXPECT_TRUE(sdk().GetSerialNumber(serial));
    EXPECT_STREQ(serial, "SIM00000001");
    int w = 0, h = 0;
    EXPECT_TRUE(sdk().GetDevResolution(&w, &h));
    EXPECT_GT(w, 0);
    EXPECT_TRUE(sdk().Close());
    EXPECT_FALSE(sdk().Connect());
}

// The program's path to live frames: open through the facade, frames from
// the camera layer, temperatures through thermcore.
TEST_F(DeviceSdkWrapperTest, FramesOfTheOpenedCameraReadBackTheScene)
{
    struct Case {
        int w, h, fps;
    };
    for (const Case c : {Case{640, 512, 25}, Case{384, 288, 30}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_EQ(SIMCAM_SetFrameSize(0, c.w, c.h), 1);
        SIMCAM_DeviceProfile profile;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
        profile.fps = c.fps;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
        ASSERT_TRUE(openCamera());

        static std::vector<uint8_t> raw;
        static int frames;
        frames = 0;
        ASSERT_EQ(USBSDK_StartRealPlay(
                      [](const unsigned char*, int, const unsigned char* r, int rLen, int, int, void*) {
                          raw.assign(r, r + rLen);
                          ++frames;
                      },
                      &raw),
                  1);
        ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
        EXPECT_EQ(frames, c.fps);
        ASSERT_EQ(raw.size(), size_t(c.w) * c.h * 2 + USBSDK_REDUNDATA_SIZE);

        ThermalGraphHeader header = fixtures::thermalGraphHeader(c.w, c.h);
        std::vector<float> t(size_t(c.w) * c.h);
        ASSERT_EQ(HM_analyRadioData(&header, raw.data()), 0);
        ASSERT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
        // The hot disc circles the centre once in 10 s: the last frame is
        // frame fps - 1. Cold disc, warm rectangle and background stand still.
        const double phase = 6.283185307179586 * (c.fps - 1) / (10.0 * c.fps);
        const int px[][2] = {{int((0.5 + 0.25 * std::cos(phase)) * c.w), int((0.5 + 0.25 * std::sin(phase)) * c.h)},
                             {int(0.85 * c.w), int(0.85 * c.h)},
                             {int(0.15 * c.w), int(0.2 * c.h)},
                             {int(0.1 * c.w), int(0.75 * c.h)}};
        for (const auto& p : px) {
            float truth = 0.0f;
            ASSERT_EQ(SIMCAM_GetTruth(0, p[0], p[1], &truth), 1);
            EXPECT_NEAR(t[size_t(p[1]) * c.w + p[0]], truth, 0.05) << p[0] << "," << p[1];
        }
        EXPECT_TRUE(sdk().Close());
    }
}

TEST_F(DeviceSdkWrapperTest, SleepingFollowsSuccessfulCallsOnly)
{
    ASSERT_TRUE(openCamera());
    ASSERT_TRUE(sdk().SetSleepMode(5));
    EXPECT_TRUE(sdk().isSleeping());
    SIMCAM_FailNext("USBSDK_SetSleepMode", 1, 0);
    EXPECT_FALSE(sdk().SetSleepMode(4));
    EXPECT_TRUE(sdk().isSleeping());
    ASSERT_TRUE(sdk().SetSleepMode(4));
    EXPECT_FALSE(sdk().isSleeping());
    SIMCAM_FailNext("USBSDK_SetSleepMode", 1, 0);
    EXPECT_FALSE(sdk().SetSleepMode(5));
    EXPECT_FALSE(sdk().isSleeping());
}

TEST_F(DeviceSdkWrapperTest, FailedFlipReadClearsTheCache)
{
    ASSERT_TRUE(openCamera());
    SIMCAM_FailNext("USBSDK_GetImageFlipMode", 1, 0);
    int mode = 3;
    EXPECT_FALSE(sdk().GetImageFlipMode(&mode));
    EXPECT_EQ(sdk().getFlipMode(), 0);
    EXPECT_EQ(mode, 3);  // failures leave outputs alone
}

TEST_F(DeviceSdkWrapperTest, SharedStateKeepsWhatItIsGiven)
{
    sdk().setFrozen(true);
    EXPECT_TRUE(sdk().isFrozen());
    sdk().setAutoRecordTime(1, 8, 17);
    int on = 0, from = 0, to = 0;
    sdk().getAutoRecordTime(&on, &from, &to);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(from, 8);
    EXPECT_EQ(to, 17);
    sdk().setAutoRecordTime(0, 0, 0);
}

TEST_F(DeviceSdkWrapperTest, DumpOfThreeFrames)
{
    ASSERT_TRUE(openCamera());
    const std::string path = dir_.file("yuv.dump");
    std::vector<DumpCall> calls;
    EXPECT_FALSE(sdk().startFrameDump(QString::fromStdString(path), 3, recordDump, &calls, 0));  // not available yet
    sdk().setFrameDumpEnable(true, DeviceSdkWrapper::kDumpYuv);
    ASSERT_TRUE(sdk().startFrameDump(QString::fromStdString(path), 3, recordDump, &calls, 0));
    EXPECT_FALSE(sdk().startFrameDump(QString::fromStdString(path), 3, recordDump, &calls, 0));  // already running
    EXPECT_FALSE(sdk().startFrameDump(QString::fromStdString(path), 3, recordDump, &calls, 2));  // no such type

    std::vector<uint8_t> yuv(8);
    RealPlayFrame frame;
    frame.pYuv = yuv.data();
    frame.nYuvLen = int32_t(yuv.size());
    for (uint8_t i = 1; i <= 4; ++i) {  // the fourth is past the total
        std::fill(yuv.begin(), yuv.end(), i);
        sdk().writeFrameDump(frame, DeviceSdkWrapper::kDumpYuv);
        sdk().writeFrameDump(frame, DeviceSdkWrapper::kDumpRaw);  // raw channel idle
    }
    ASSERT_EQ(calls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].written, i + 1);
        EXPECT_EQ(calls[i].total, 3);
        EXPECT_EQ(calls[i].finished, 0);
    }
    const std::vector<uint8_t> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[23], 3);
    // Done: a new dump may start.
    EXPECT_TRUE(sdk().startFrameDump(QString::fromStdString(path), 1, nullptr, nullptr, 0));
}

TEST_F(DeviceSdkWrapperTest, DumpStoppedEarlyReportsWhereItEnded)
{
    ASSERT_TRUE(openCamera());
    sdk().setFrameDumpEnable(true, DeviceSdkWrapper::kDumpRaw);
    std::vector<DumpCall> calls;
    ASSERT_TRUE(sdk().startFrameDump(QString::fromStdString(dir_.file("raw.dump")), 5, recordDump, &calls, 1));
    std::vector<uint8_t> raw(16, 7);
    RealPlayFrame frame;
    frame.pRaw = raw.data();
    frame.nRawLen = int32_t(raw.size());
    sdk().writeFrameDump(frame, DeviceSdkWrapper::kDumpRaw);
    sdk().writeFrameDump(frame, DeviceSdkWrapper::kDumpRaw);
    sdk().stopFrameDump(DeviceSdkWrapper::kDumpRaw);
    sdk().stopFrameDump(DeviceSdkWrapper::kDumpRaw);  // idle: nothing more
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2].written, 2);
    EXPECT_EQ(calls[2].total, 5);
    EXPECT_EQ(calls[2].finished, 1);

    // A frame without raw data ends a raw dump the same way.
    calls.clear();
    ASSERT_TRUE(sdk().startFrameDump(QString::fromStdString(dir_.file("raw2.dump")), 5, recordDump, &calls, 1));
    sdk().writeFrameDump(RealPlayFrame{}, DeviceSdkWrapper::kDumpRaw);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].written, 0);
    EXPECT_EQ(calls[0].finished, 1);
}

TEST_F(DeviceSdkWrapperTest, DumpNeedsAConnectedCameraAndAWritablePath)
{
    sdk().setFrameDumpEnable(true, DeviceSdkWrapper::kDumpYuv);
    EXPECT_FALSE(sdk().startFrameDump(QString::fromStdString(dir_.file("a.dump")), 1, nullptr, nullptr, 0));
    ASSERT_TRUE(openCamera());
    EXPECT_FALSE(
        sdk().startFrameDump(QString::fromStdString(dir_.file("no/such/folder/a.dump")), 1, nullptr, nullptr, 0));
    EXPECT_TRUE(sdk().startFrameDump(QString::fromStdString(dir_.file("a.dump")), 1, nullptr, nullptr, 0));
}

}  // namespace
