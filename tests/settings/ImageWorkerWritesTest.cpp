// Writes: each set slot reaching the camera, the wide dynamic switch with
// its re-read, the action slots with their results and error codes, and
// the restore of defaults with its count of refused writes.
#include <QVariant>

#include <functional>
#include <ostream>

#include "ImageWorkerTest.h"
#include "camsdk.h"

namespace {

struct SetCase {
    const char* slot;
    int value;
    const char* call;      // as the camera logs it
    const char* stateKey;  // nullptr where the camera keeps no readable state
};

const SetCase kSetCases[] = {
    {"setBrightnessSlot", 71, "USBSDK_SetBrightness(v=71)", "brightness"},
    {"setContrastSlot", 72, "USBSDK_SetContrast(v=72)", "contrast"},
    {"setSharpnessSlot", 110, "USBSDK_SetSharpness(v=110)", "sharpness"},
    {"setLCESlot", 40, "USBSDK_SetLCEValue(v=40)", nullptr},
    {"setLocalContrastSlot", 45, "USBSDK_SetLocalContrast(v=45)", nullptr},
    {"setGlobalContrastSlot", 46, "USBSDK_SetGlobalContrast(v=46)", nullptr},
    {"setNoise2DSlot", 47, "USBSDK_SetNoise2D(v=47)", nullptr},
    {"setNoise3DSlot", 48, "USBSDK_SetNoise3D(v=48)", nullptr},
    {"setGainAutoSlot", 200, "USBSDK_SetGainAuto(v=200)", nullptr},
    {"setGainModeSlot", 1, "USBSDK_SetGainMode(mode=1)", "gainMode"},
    {"setFFCModeSlot", 0, "USBSDK_SetFFCMode(mode=0)", "ffcMode"},
    {"setFFCTimeSlot", 600, "USBSDK_SetFFCTime(period=600)", "ffcTime"},
};

void PrintTo(const SetCase& c, std::ostream* os)
{
    *os << c.slot;
}

class SetSlotTest : public ImageWorkerTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SetSlotTest, WritesTheValueAsItStandsAndReportsNothing)
{
    const SetCase& c = GetParam();
    request(c.slot, c.value);
    drain();
    EXPECT_EQ(calls(), QStringList{c.call});
    if (c.stateKey) {
        EXPECT_EQ(state(c.stateKey), c.value);
    }
    EXPECT_TRUE(journal_->entries().isEmpty());
}

TEST_P(SetSlotTest, ARefusedValueIsNeitherReportedNorRetried)
{
    const SetCase& c = GetParam();
    const QString function = QString::fromLatin1(c.call).section('(', 0, 0);
    ASSERT_EQ(SIMCAM_FailNext(function.toLatin1().constData(), 1, 0), 1);
    request(c.slot, c.value);
    drain();
    EXPECT_EQ(SIMCAM_CountCalls(function.toLatin1().constData()), 1);
    EXPECT_TRUE(journal_->entries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Values, SetSlotTest, ::testing::ValuesIn(kSetCases),
                         [](const ::testing::TestParamInfo<SetCase>& info) { return std::string(info.param.slot); });

// ---- Wide dynamic ----------------------------------------------------------

struct WideDynamicCase {
    const char* name;
    int nEnable;
    bool bRestore;
    const char* failing;  // camera call made to fail once, or nullptr
    QStringList calls;
    QList<QVariantList> local;
    QList<QVariantList> global;
};

const QStringList kSwitchOn{"USBSDK_SetWideDynamic(on=1)"};
const QStringList kSwitchOnAndRead{"USBSDK_SetWideDynamic(on=1)", "USBSDK_GetLocalContrast(v=out)",
                                   "USBSDK_GetGlobalContrast(v=out)"};

const WideDynamicCase kWideDynamicCases[] = {
    {"OnFromTheRestoreOnlySwitches", 1, true, nullptr, kSwitchOn, {}, {}},
    {"OnFromThePageReadsBothContrasts", 1, false, nullptr, kSwitchOnAndRead, {{true, 44}}, {{true, 55}}},
    {"OffOnlySwitches", 0, false, nullptr, {"USBSDK_SetWideDynamic(on=0)"}, {}, {}},
    {"ARefusedSwitchReadsNothing", 1, false, "USBSDK_SetWideDynamic", kSwitchOn, {}, {}},
    {"TheContrastsAreReadOnceEach", 1, false, "USBSDK_GetLocalContrast", kSwitchOnAndRead, {{false, 0}}, {{true, 55}}},
};

void PrintTo(const WideDynamicCase& c, std::ostream* os)
{
    *os << c.name;
}

class WideDynamicTest : public ImageWorkerTest, public ::testing::WithParamInterface<WideDynamicCase> {};

TEST_P(WideDynamicTest, SwitchesAndReReadsOnlyWhenSwitchedOnByThePage)
{
    const WideDynamicCase& c = GetParam();
    ASSERT_EQ(USBSDK_SetWideDynamic(c.nEnable == 0 ? 1 : 0), 1);
    ASSERT_EQ(USBSDK_SetLocalContrast(44), 1);
    ASSERT_EQ(USBSDK_SetGlobalContrast(55), 1);
    if (c.failing) {
        ASSERT_EQ(SIMCAM_FailNext(c.failing, 1, 0), 1);
    }
    SIMCAM_ClearCallLog();

    request("setWideDynamicSlot", c.nEnable, c.bRestore);
    drain();

    EXPECT_EQ(calls(), c.calls);
    EXPECT_EQ(journal_->argsOf("setBasicLocalContrastSignal"), c.local);
    EXPECT_EQ(journal_->argsOf("setBasicGlobalContrastSignal"), c.global);
    EXPECT_EQ(journal_->entries().size(), c.local.size() + c.global.size());
    const int expectedState = c.failing && QByteArray(c.failing) == "USBSDK_SetWideDynamic" ? 1 - c.nEnable : c.nEnable;
    EXPECT_EQ(state("wideDynamic"), expectedState);
}

INSTANTIATE_TEST_SUITE_P(Requests, WideDynamicTest, ::testing::ValuesIn(kWideDynamicCases),
                         [](const ::testing::TestParamInfo<WideDynamicCase>& info) { return info.param.name; });

// ---- Action slots ----------------------------------------------------------

struct ActionCase {
    const char* name;
    std::function<void(ImageWorkerTest&)> send;
    const char* call;
    QByteArray signal;
};

const ActionCase kActionCases[] = {
    {"IspMode", [](ImageWorkerTest& t) { t.request("setIspModeSlot", 1); }, "USBSDK_SetDeviceIspMode(mode=1)",
     "sendSetIspModeRetSignal"},
    {"SaveImageParam", [](ImageWorkerTest& t) { t.request("setSaveImageParamSlot"); }, "USBSDK_SaveDevImageParam()",
     "sendSaveImageParamRetSignal"},
    {"ShutterCorrect", [](ImageWorkerTest& t) { t.request("setFFCSlot"); }, "USBSDK_ShutterCorrect()",
     "sendFFCRetSignal"},
    {"BackgroundFFC", [](ImageWorkerTest& t) { t.request("setBackgroundFFCSlot"); }, "USBSDK_SetBackgroundFFC()",
     "sendBackgroundFFCRetSignal"},
    {"PseudoIsotherm", [](ImageWorkerTest& t) { t.request("setPseudoIsothermSlot", true, short(-20), short(150)); },
     "USBSDK_SetPseudoIsotherm(enable=1, minLimit=-20, maxLimit=150)", "sendPseudoIsothermRetSignal"},
};

void PrintTo(const ActionCase& c, std::ostream* os)
{
    *os << c.name;
}

class ActionSlotTest : public ImageWorkerTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionSlotTest, ReportsTheCamerasAnswer)
{
    const ActionCase& c = GetParam();
    c.send(*this);
    drain();
    EXPECT_EQ(calls(), QStringList{c.call});
    ASSERT_EQ(journal_->names(), QList<QByteArray>{c.signal});
    EXPECT_EQ(journal_->argsOf(c.signal).first(), QVariantList{true});
}

TEST_P(ActionSlotTest, AFailureComesBackWithTheCamerasErrorCode)
{
    const ActionCase& c = GetParam();
    const QByteArray function = QByteArray(c.call).left(QByteArray(c.call).indexOf('('));
    ASSERT_EQ(SIMCAM_FailNext(function.constData(), 1, USBSDK_ERR_DEVICE_FAILED), 1);
    c.send(*this);
    drain();
    ASSERT_EQ(journal_->names(), QList<QByteArray>{c.signal});
    EXPECT_EQ(journal_->argsOf(c.signal).first(), QVariantList{false});
    // What the page shows after "Error Code:".
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_DEVICE_FAILED);
}

INSTANTIATE_TEST_SUITE_P(Actions, ActionSlotTest, ::testing::ValuesIn(kActionCases),
                         [](const ::testing::TestParamInfo<ActionCase>& info) { return info.param.name; });

TEST_F(ImageWorkerTest, PseudoIsothermSwitchesTheCamerasBand)
{
    request("setPseudoIsothermSlot", true, short(-20), short(150));
    drain();
    EXPECT_EQ(state("pseudoIsothermOn"), 1);
    request("setPseudoIsothermSlot", false, short(-20), short(150));
    drain();
    EXPECT_EQ(state("pseudoIsothermOn"), 0);
    EXPECT_EQ(journal_->argsOf("sendPseudoIsothermRetSignal"), (QList<QVariantList>{{true}, {true}}));
}

// ---- Restore of defaults ---------------------------------------------------

// The defaults the pages send, in the panel's order: basic, gain, FFC, wide
// dynamic.
void sendDefaults(ImageWorkerTest& t)
{
    t.request("setIspModeSlot", 0);
    t.request("setBrightnessSlot", 50);
    t.request("setContrastSlot", 50);
    t.request("setSharpnessSlot", 60);
    t.request("setNoise2DSlot", 50);
    t.request("setNoise3DSlot", 50);
    t.request("setGainAutoSlot", 1);
    t.request("setFFCModeSlot", 1);
    t.request("setFFCTimeSlot", 360);
    t.request("setWideDynamicSlot", 1, true);
    t.request("setLocalContrastSlot", 50);
    t.request("setGlobalContrastSlot", 50);
}

class RestoreTest : public ImageWorkerTest {
protected:
    void SetUp() override
    {
        ImageWorkerTest::SetUp();
        // Away from every default first.
        setCameraValues({1, 10, 20, 30, 3, 4, 5, 0, 700, 0, 1, 2});
    }

    void restore()
    {
        request("beginRestoreSlot");
        sendDefaults(*this);
        request("endRestoreSlot");
        drain();
    }

    QList<QVariantList> outcomes() const { return journal_->argsOf("sendRestoreDefaultRetSignal"); }

    static int read(int (*get)(int*))
    {
        int value = -1;
        EXPECT_EQ(get(&value), 1);
        return value;
    }
};

TEST_F(RestoreTest, LeavesTheCameraAtItsDefaultsAndReportsSuccess)
{
    restore();
    EXPECT_EQ(state("ispMode"), 0);
    EXPECT_EQ(state("brightness"), 50);
    EXPECT_EQ(state("contrast"), 50);
    EXPECT_EQ(state("sharpness"), 60);
    EXPECT_EQ(read(USBSDK_GetNoise2D), 50);
    EXPECT_EQ(read(USBSDK_GetNoise3D), 50);
    EXPECT_EQ(read(USBSDK_GetGainAuto), 1);
    EXPECT_EQ(state("ffcMode"), 1);
    EXPECT_EQ(state("ffcTime"), 360);
    EXPECT_EQ(state("wideDynamic"), 1);
    EXPECT_EQ(read(USBSDK_GetLocalContrast), 50);
    EXPECT_EQ(read(USBSDK_GetGlobalContrast), 50);
    // The outcome comes once, after every request of the restore; the
    // switch made for the restore reads no contrast back.
    EXPECT_EQ(outcomes(), (QList<QVariantList>{QVariantList{true, 0}}));
    EXPECT_EQ(journal_->names(), (QList<QByteArray>{"sendSetIspModeRetSignal", "sendRestoreDefaultRetSignal"}));
}

TEST_F(RestoreTest, RefusedWritesAreCountedAndTheRestCarriedOut)
{
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_SetSharpness", 1, 0), 1);
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_SetWideDynamic", 1, 0), 1);
    restore();
    EXPECT_EQ(outcomes(), (QList<QVariantList>{QVariantList{false, 2}}));
    EXPECT_EQ(state("sharpness"), 30);
    EXPECT_EQ(state("wideDynamic"), 0);
    EXPECT_EQ(state("brightness"), 50);
    EXPECT_EQ(state("ffcTime"), 360);
}

TEST_F(RestoreTest, CountsOnlyBetweenItsMarkers)
{
    // A refusal before the restore and one of an earlier restore are not
    // this restore's.
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_SetContrast", 1, 0), 1);
    request("setContrastSlot", 5);
    request("endRestoreSlot");
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_SetFFCMode", 1, 0), 1);
    restore();
    restore();
    EXPECT_EQ(outcomes(), (QList<QVariantList>{{true, 0}, {false, 1}, {true, 0}}));
}

}  // namespace
