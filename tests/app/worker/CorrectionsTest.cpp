// Correction requests: which NUC and SFFC save records are read and in what
// order, the NUC steps, the bad-pixel lists and the drift (DeltaB) cycle.
#include "WorkerTest.h"

namespace {

using CorrectionsTest = WorkerTest;

struct Capabilities {
    int deviceType, extreme, twoGear, twoSFFC;
};

void setCapabilities(const Capabilities& c)
{
    SIMCAM_DeviceProfile profile;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
    profile.deviceType = c.deviceType;
    profile.supportExtreme = c.extreme;
    profile.supportLowTempTwoGear = c.twoGear;
    profile.supportTwoSFFC = c.twoSFFC;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
}

// The gain modes of the save records read, in order, from the call log and
// from the results; every result carries the record's factory values.
void expectSaveRecords(const std::vector<SIMCAM_CallRecord>& log, const QList<QVariantList>& results,
                       const char* function, const QList<int>& gainModes)
{
    QList<int> called;
    for (const SIMCAM_CallRecord& r : log) {
        if (QByteArray(r.function) != function) continue;
        const QByteArray args(r.args);
        called << args.mid(args.lastIndexOf('=') + 1).toInt();
    }
    EXPECT_EQ(called, gainModes);
    ASSERT_EQ(results.size(), gainModes.size());
    for (int i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i], (QVariantList{true, 1704067200u, 1u, gainModes[i]})) << i;
    }
}

TEST_F(CorrectionsTest, NucSaveRecordsFollowTheCapabilities)
{
    const struct {
        Capabilities caps;
        QList<int> gainModes;
    } cases[] = {
        {{1, 1, 1, 1}, {0, 1, 2, 3}},
        {{0, 0, 0, 0}, {0}},
        {{0, 1, 0, 1}, {0}},  // extreme needs a measuring camera
        {{1, 0, 1, 0}, {0, 1, 3}},
    };
    openCamera();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.caps.deviceType << " extreme " << c.caps.extreme
                                        << " two gears " << c.caps.twoGear);
        setCapabilities(c.caps);
        SIMCAM_ClearCallLog();
        journal_->clear();
        run("getNUCBasicParamsSlot");
        expectSaveRecords(callLog(), journal_->argsOf("sendGetNUCSaveTimeAndCountRetSignal"),
                          "USBSDK_GetNUCSaveCountAndTime", c.gainModes);
        // The basic-parameters result closes the request.
        ASSERT_FALSE(journal_->names().isEmpty());
        EXPECT_EQ(journal_->names().last(), "sendGetNUCBasicParamsRetSignal");
        EXPECT_EQ(journal_->count("sendGetNUCBasicParamsRetSignal"), 1);
    }
}

TEST_F(CorrectionsTest, SffcSaveRecordsFollowTheCapabilities)
{
    const struct {
        Capabilities caps;
        QList<int> gainModes;
    } cases[] = {
        {{1, 1, 1, 1}, {0, 3, 1, 2, 4, 5, 6}},
        {{0, 0, 0, 0}, {0}},
        {{1, 1, 0, 0}, {0, 1, 2}},
        {{0, 1, 1, 1}, {0, 3, 5, 6}},
    };
    openCamera();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.caps.deviceType << " extreme " << c.caps.extreme
                                        << " two gears " << c.caps.twoGear << " two SFFC " << c.caps.twoSFFC);
        setCapabilities(c.caps);
        SIMCAM_ClearCallLog();
        journal_->clear();
        run("getSFFCBasicParamsSlot");
        expectSaveRecords(callLog(), journal_->argsOf("sendGetSFFCSaveTimeAndCountRetSignal"),
                          "USBSDK_GetSFFCSaveCountAndTime", c.gainModes);

        // Enable first, the records, the environment of a two-environment
        // camera, and the closing result last.
        QList<QByteArray> order{"sendGetSFFCEnableRetSignal"};
        for (int i = 0; i < c.gainModes.size(); ++i) order << "sendGetSFFCSaveTimeAndCountRetSignal";
        if (c.caps.twoSFFC) order << "sendGetTwoSFFCEnvironmentRetSignal";
        order << "sendGetSFFCBasicParamsRetSignal";
        EXPECT_EQ(journal_->names(), order);
        QStringList camera{"USBSDK_GetSFFCEnable", "USBSDK_GetDeviceType"};
        for (int i = 0; i < c.gainModes.size(); ++i) camera << "USBSDK_GetSFFCSaveCountAndTime";
        if (c.caps.twoSFFC) camera << "USBSDK_GetTwoSFFCEnvironment";
        EXPECT_EQ(calls(), camera);
    }
}

// Steps 1 and 2 report on their own signals; other steps reach the camera
// and report nothing.
TEST_F(CorrectionsTest, NucStepsReportOnTheirOwnSignals)
{
    openCamera();
    run("setNUCBlackOperationSlot", {1});
    run("setNUCBlackOperationSlot", {2});
    run("setNUCBlackOperationSlot", {3});
    EXPECT_EQ(callsWithArgs(),
              (QStringList{"USBSDK_NUCBlackOperator(step=1, rate=out)", "USBSDK_NUCBlackOperator(step=2, rate=out)",
                           "USBSDK_NUCBlackOperator(step=3, rate=out)"}));
    EXPECT_EQ(journal_->names(),
              (QList<QByteArray>{"sendNUCBlackOneOperationSignal", "sendNUCBlackTwoOperationSignal"}));
    EXPECT_EQ(journal_->argsOf("sendNUCBlackOneOperationSignal"), QList<QVariantList>{{true}});
    EXPECT_EQ(journal_->argsOf("sendNUCBlackTwoOperationSignal"), (QList<QVariantList>{{true, 12345}}));

    // Step 2 out of order: the rate keeps its start value.
    SIMCAM_Reset();
    ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    openCamera();
    journal_->clear();
    run("setNUCBlackOperationSlot", {2});
    EXPECT_EQ(journal_->argsOf("sendNUCBlackTwoOperationSignal"), (QList<QVariantList>{{false, -1}}));
}

// The lists travel as values; reads offer the camera room for 256 pixels
// and 1024 columns.
TEST_F(CorrectionsTest, BadPixelListsRoundTrip)
{
    openCamera();
    const QVector<int> rows{10, 20, 30};
    const QVector<int> cols{11, 21, 31};
    const QVector<int> badCols{100, 200};
    run("setAllBadPixelsSlot", {QVariant::fromValue(rows), QVariant::fromValue(cols), 3});
    run("setAllBadColsSlot", {QVariant::fromValue(badCols), 2});
    run("getAllBadPixelsSlot");
    run("getAllBadColsSlot");

    const QStringList log = callsWithArgs();
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[2], "USBSDK_GetBadPixels(rows=out, cols=out, capacity=256, count=out)");
    EXPECT_EQ(log[3], "USBSDK_GetBadPixelCols(cols=out, capacity=1024, count=out)");
    EXPECT_EQ(journal_->argsOf("sendSetAllBadPixelsRetSignal"), QList<QVariantList>{{true}});
    EXPECT_EQ(journal_->argsOf("sendSetAllBadColsRetSignal"), QList<QVariantList>{{true}});
    EXPECT_EQ(journal_->argsOf("sendGetAllBadPixelsRetSignal"),
              (QList<QVariantList>{{true, 3, QVariant::fromValue(rows), QVariant::fromValue(cols)}}));
    EXPECT_EQ(journal_->argsOf("sendGetAllBadColsRetSignal"),
              (QList<QVariantList>{{true, 2, QVariant::fromValue(badCols)}}));
}

TEST_F(CorrectionsTest, BadPixelRequestsOutsideTheirListsAreRefused)
{
    openCamera();
    const QVariant two = QVariant::fromValue(QVector<int>{1, 2});
    const QVariant three = QVariant::fromValue(QVector<int>{1, 2, 3});
    run("setAllBadColsSlot", {two, -1});
    run("setAllBadColsSlot", {two, 3});
    run("setAllBadPixelsSlot", {two, three, 3});
    run("setAllBadPixelsSlot", {three, three, -1});
    EXPECT_TRUE(calls().isEmpty());
    EXPECT_EQ(journal_->argsOf("sendSetAllBadColsRetSignal"), (QList<QVariantList>{{false}, {false}}));
    EXPECT_EQ(journal_->argsOf("sendSetAllBadPixelsRetSignal"), (QList<QVariantList>{{false}, {false}}));

    // An empty list is a list; a failed read brings no entries.
    run("setAllBadColsSlot", {QVariant::fromValue(QVector<int>{}), 0});
    run("getAllBadColsSlot");
    ASSERT_EQ(SIMCAM_FailNext("GetBadPixels", 1, 0), 1);
    run("getAllBadPixelsSlot");
    EXPECT_EQ(journal_->argsOf("sendSetAllBadColsRetSignal").last(), QVariantList{true});
    EXPECT_EQ(journal_->argsOf("sendGetAllBadColsRetSignal"),
              (QList<QVariantList>{{true, 0, QVariant::fromValue(QVector<int>{})}}));
    EXPECT_EQ(
        journal_->argsOf("sendGetAllBadPixelsRetSignal"),
        (QList<QVariantList>{{false, -1, QVariant::fromValue(QVector<int>{}), QVariant::fromValue(QVector<int>{})}}));
}

// Collect, check and save a drift correction, then read the saved record
// back: time and count keep their places both ways.
TEST_F(CorrectionsTest, DriftCorrectionCycle)
{
    openCamera();
    run("setDeltaBSwitchSlot", {1});
    run("collectDeltaBSlot", {1});
    ASSERT_EQ(SIMCAM_AdvanceTime(1500), 1);
    run("getDeltaBResultSlot");
    run("checkDeltaBResultSlot");
    ASSERT_EQ(SIMCAM_AdvanceTime(3500), 1);
    run("getDeltaBResultSlot");
    run("saveDeltaBTimeAndCountSlot", {1700000123u, 7u});
    run("getDeltaBTimeAndCountSlot");
    run("getDeltaBThresholdSlot");

    EXPECT_EQ(calls(), (QStringList{"USBSDK_SetTemperDriftSwitch", "USBSDK_CollectTemperDrift",
                                    "USBSDK_GetTemperDriftCollectResult", "USBSDK_CheckTemperDrift",
                                    "USBSDK_GetTemperDriftCollectResult", "USBSDK_SaveTemperDrift",
                                    "USBSDK_GetTemperDriftDataAndCounts", "USBSDK_GetTemperDriftThreshold"}));
    EXPECT_EQ(callLog()[5].args, std::string("r={count=7 time=1700000123}"));
    EXPECT_EQ(journal_->argsOf("sendGetDeltaBResultSignal"),
              (QList<QVariantList>{{true, uchar(0x02), 0}, {true, uchar(0x32), 0}}));
    EXPECT_EQ(journal_->argsOf("sendSaveDeltaBCountAndTimeSignal"), QList<QVariantList>{{true}});
    EXPECT_EQ(journal_->argsOf("sendGetDeltaBTimeAndCountSignal"), (QList<QVariantList>{{true, 1700000123u, 7u}}));
    EXPECT_EQ(journal_->argsOf("sendGetDeltaBThresholdSignal"), (QList<QVariantList>{{true, 1}}));
}

}  // namespace
