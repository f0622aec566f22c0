// The connect sequence: open attempts with their waits, the reads after an
// open, the confirmation, and the open that is never confirmed.
#include "WorkerTest.h"

namespace {

using ConnectTest = WorkerTest;

// Five failed opens cost five waits of 1000 ms (about 5 s) and report false
// with nothing else read.
TEST_F(ConnectTest, FiveFailedOpensReportFalse)
{
    ASSERT_EQ(SIMCAM_SetOpenSucceedsOnAttempt(0), 1);
    const USBSDK_DeviceInfo camera = listedCamera();
    SIMCAM_ClearCallLog();
    run("setDevConnectSlot", {QVariant::fromValue(camera)});

    EXPECT_EQ(calls(), repeated(5, "USBSDK_Open"));
    ASSERT_EQ(journal_->names(), QList<QByteArray>{"sendDevConnectRetSignal"});
    EXPECT_EQ(journal_->argsOf("sendDevConnectRetSignal")[0], QVariantList{false});
}

TEST_F(ConnectTest, OpenedCameraIsWokenReadAndConfirmed)
{
    struct Case {
        int openOnAttempt;
        int confirms;
        bool result;
    };
    for (const Case c : {Case{3, 1, true}, Case{1, 0, false}}) {
        SCOPED_TRACE(testing::Message() << "open on attempt " << c.openOnAttempt << ", confirms " << c.confirms);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_EQ(SIMCAM_SetOpenSucceedsOnAttempt(c.openOnAttempt), 1);
        ASSERT_EQ(SIMCAM_SetConnectConfirms(c.confirms), 1);
        journal_->clear();
        const USBSDK_DeviceInfo camera = listedCamera();
        SIMCAM_ClearCallLog();
        run("setDevConnectSlot", {QVariant::fromValue(camera)});

        QStringList expected = repeated(c.openOnAttempt, "USBSDK_Open(info={id=0x01000001 port=3})");
        expected << "USBSDK_SetSleepMode(mode=4)"
                 << "USBSDK_GetColor(palette=out)"
                 << "USBSDK_GetImageFlipMode(mode=out)"
                 << "USBSDK_GetSerialNumber(buf=out, size=32)"
                 << "USBSDK_GetSoftwareVersion(buf=out, size=32)";
        // An open the camera never confirms is not left half-open.
        if (!c.result) expected << "USBSDK_Close()";
        EXPECT_EQ(callsWithArgs(), expected);

        const QList<QByteArray> order{"sendCurrentColorSignal", "sendGetImageFlipModeRetSignal",
                                      "sendDevConnectRetSignal"};
        ASSERT_EQ(journal_->names(), order);
        double palette = -1, flip = -1;
        ASSERT_EQ(SIMCAM_GetValue(0, "palette", &palette), 1);
        ASSERT_EQ(SIMCAM_GetValue(0, "flip", &flip), 1);
        const QList<SignalJournal::Entry> entries = journal_->entries();
        EXPECT_EQ(entries[0].args, (QVariantList{true, int(palette)}));
        EXPECT_EQ(entries[1].args, (QVariantList{true, int(flip)}));
        EXPECT_EQ(entries[2].args, QVariantList{c.result});
        double open = -1;
        ASSERT_EQ(SIMCAM_GetValue(0, "open", &open), 1);
        EXPECT_EQ(open, c.result ? 1.0 : 0.0);
        EXPECT_FALSE(DeviceSdkWrapper::getInstance().isSleeping());
    }
}

}  // namespace
