// The refresh: what the worker reads back from the camera, in which order,
// with how many tries, over cameras with and without wide dynamic and ISP
// modes and reads that fail.
#include <unistd.h>

#include <sys/syscall.h>

#include <QVariant>

#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

#include "ImageWorkerTest.h"
#include "camsdk.h"

namespace {

using Expected = std::vector<std::pair<QByteArray, QVariantList>>;

// The camera's values, each its own so that a read wired to the wrong
// signal shows.
constexpr int kIsp = 1, kBrightness = 11, kContrast = 22, kSharpness = 33, kNoise2D = 77, kNoise3D = 66, kGainAuto = 88,
              kFfcMode = 0, kFfcTime = 99, kLocal = 44, kGlobal = 55;

// What a refresh of those values emits when every read answers at once.
Expected everyRead()
{
    return {{"setBasicBrightnessSignal", {true, kBrightness}},
            {"setBasicContrastSignal", {true, kContrast}},
            {"setBasicSharpnessSignal", {true, kSharpness}},
            {"setBasicWideDynamicSignal", {true, 1}},
            {"setBasicLocalContrastSignal", {true, kLocal}},
            {"setBasicGlobalContrastSignal", {true, kGlobal}},
            {"setEnhanceNoise3DSignal", {true, kNoise3D}},
            {"setEnhanceNoise2DSignal", {true, kNoise2D}},
            {"setGainAutoSignal", {true, kGainAuto}},
            {"setFFCModeSignal", {true, kFfcMode}},
            {"setFFCTimeSignal", {true, kFfcTime}},
            {"sendGetIspModeRetSignal", {true, kIsp}},
            {"sendgetImageParamRetSignal", {}}};
}

struct RefreshCase {
    const char* name;
    int wideDynamic;
    int supportIsp;
    const char* failing;  // camera read made to fail, or nullptr
    int failures;         // its next calls that fail
    int calls;            // calls it gets during the refresh
    // Signals that differ from everyRead(), and those that do not come.
    Expected changed;
    std::vector<QByteArray> absent;
};

const RefreshCase kRefreshCases[] = {
    {"EveryReadAnswersAtOnce", 1, 1, "USBSDK_GetBrightness", 0, 1, {}, {}},
    {"WideDynamicOffReadsNoContrast",
     0,
     1,
     "USBSDK_GetLocalContrast",
     0,
     0,
     {{"setBasicWideDynamicSignal", {true, 0}}},
     {"setBasicLocalContrastSignal", "setBasicGlobalContrastSignal"}},
    {"NoIspModesNoIspRead", 1, 0, "USBSDK_GetDeviceIspMode", 0, 0, {}, {"sendGetIspModeRetSignal"}},
    {"TwoFailuresThenTheThirdCallAnswers", 1, 1, "USBSDK_GetContrast", 2, 3, {}, {}},
    {"ThreeFailuresReportFailure", 1, 1, "USBSDK_GetContrast", 3, 3, {{"setBasicContrastSignal", {false, 0}}}, {}},
    {"AFourthCallIsNeverMade", 1, 1, "USBSDK_GetFFCTime", 4, 3, {{"setFFCTimeSignal", {false, 0}}}, {}},
    {"FailedWideDynamicLeavesZeroAndReadsNoContrast",
     1,
     1,
     "USBSDK_GetWideDynamic",
     3,
     3,
     {{"setBasicWideDynamicSignal", {false, 0}}},
     {"setBasicLocalContrastSignal", "setBasicGlobalContrastSignal"}},
    {"FailedLocalContrastStillReadsGlobal",
     1,
     1,
     "USBSDK_GetLocalContrast",
     3,
     3,
     {{"setBasicLocalContrastSignal", {false, 0}}},
     {}},
    {"IspModeIsReadOnceWithoutRetries",
     1,
     1,
     "USBSDK_GetDeviceIspMode",
     1,
     1,
     {{"sendGetIspModeRetSignal", {false, 0}}},
     {}},
};

void PrintTo(const RefreshCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefreshTest : public ImageWorkerTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshTest, EmitsEachReadInTheCamerasOrderThenCompletes)
{
    const RefreshCase& c = GetParam();
    setCameraValues({kIsp, kBrightness, kContrast, kSharpness, kNoise2D, kNoise3D, kGainAuto, kFfcMode, kFfcTime,
                     c.wideDynamic, kLocal, kGlobal});
    setSupportIsp(c.supportIsp);
    if (c.failures > 0) {
        ASSERT_EQ(SIMCAM_FailNext(c.failing, c.failures, 0), 1);
    }
    SIMCAM_ClearCallLog();

    request("refreshDeviceParamSlot");
    drain();

    Expected expected;
    for (auto entry : everyRead()) {
        if (std::find(c.absent.begin(), c.absent.end(), entry.first) != c.absent.end()) continue;
        for (const auto& change : c.changed) {
            if (change.first == entry.first) entry.second = change.second;
        }
        expected.push_back(entry);
    }
    Expected got;
    for (const SignalJournal::Entry& e : journal_->entries()) got.emplace_back(e.name, e.args);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(SIMCAM_CountCalls(c.failing), c.calls);
}

INSTANTIATE_TEST_SUITE_P(Cameras, RefreshTest, ::testing::ValuesIn(kRefreshCases),
                         [](const ::testing::TestParamInfo<RefreshCase>& info) { return info.param.name; });

TEST_F(ImageWorkerTest, FailedReadLeavesItsErrorCodeForThePage)
{
    // The page reads the last error on the GUI thread once the result came;
    // the reads after the failure succeed and must not hide it.
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_GetSharpness", 3, USBSDK_ERR_DEVICE_FAILED), 1);
    request("refreshDeviceParamSlot");
    drain();
    EXPECT_EQ(journal_->argsOf("setBasicSharpnessSignal"), (QList<QVariantList>{QVariantList{false, 0}}));
    EXPECT_EQ(journal_->names().last(), "sendgetImageParamRetSignal");
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DEVICE_FAILED);
}

TEST_F(ImageWorkerTest, RefreshOfANonOpenCameraStillCompletes)
{
    USBSDK_Close();
    request("refreshDeviceParamSlot");
    drain();
    const QList<QByteArray> names = journal_->names();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.last(), "sendgetImageParamRetSignal");
    EXPECT_EQ(journal_->argsOf("setBasicBrightnessSignal"), (QList<QVariantList>{QVariantList{false, 0}}));
    // The camera is asked nothing it could only answer with a session.
    EXPECT_EQ(journal_->count("sendGetIspModeRetSignal"), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
}

TEST_F(ImageWorkerTest, CameraCallsRunOnTheWorkersThread)
{
    request("refreshDeviceParamSlot");
    request("setBrightnessSlot", 40);
    drain();
    int total = 0;
    long long overwritten = 0;
    std::vector<SIMCAM_CallRecord> records(64);
    SIMCAM_GetCallLog(records.data(), int(records.size()), &total, &overwritten);
    ASSERT_GE(total, 12);
    const uint64_t testThread = uint64_t(syscall(SYS_gettid));
    for (int i = 0; i < total; ++i) {
        EXPECT_NE(records[size_t(i)].threadId, testThread) << records[size_t(i)].function;
        EXPECT_EQ(records[size_t(i)].threadId, records[0].threadId) << records[size_t(i)].function;
    }
}

}  // namespace
