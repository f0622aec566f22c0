// The slot families: what each asks the camera, what it reports, the values
// a failed read reports, the retried reads, and the requests of two steps.
#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>
#include <QTemporaryDir>

#include "MetaTypes.h"
#include "WorkerTest.h"

namespace {

using CommandsTest = WorkerTest;

// Every value a slot takes or a signal carries can be queued between
// threads, and the records keep the names pages connect by.
TEST_F(CommandsTest, QueuedTypesAreRegistered)
{
    for (const char* name : {"USBSDK_IsothermParams", "USBSDK_Rules", "USBSDK_TemperatureCalibraResult",
                             "DeviceInformation", "ProDebugCmdInfo", "QList<qreal>", "USBSDK_DeviceInfo",
                             "QVector<int>", "DataCollectPage", "USBSDK_GlobalTemperParam", "QVector<PicRuleConfig>"}) {
        EXPECT_NE(QMetaType::type(name), int(QMetaType::UnknownType)) << name;
    }
    const QMetaObject& meta = QDevCommExec::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        for (int p = 0; p < method.parameterCount(); ++p) {
            EXPECT_NE(method.parameterType(p), int(QMetaType::UnknownType))
                << method.methodSignature().constData() << " parameter " << p;
        }
    }
}

struct Command {
    const char* slot;
    QVariantList args;
    const char* call;    // the one camera call it makes, with its arguments; null: none
    const char* signal;  // null: no result
    QVariantList result;
};

// One request each, in this order, on an open camera.
TEST_F(CommandsTest, SlotsMakeTheirCameraCallAndReportIt)
{
    openCamera();
    QTemporaryDir dir;
    const QString backup = dir.filePath("NUCBackup.bin");
    const QByteArray backupCall = "USBSDK_GetNUCBackup(path=\"" + QFile::encodeName(backup) + "\")";
    const QVariant someRules = QVariant::fromValue(USBSDK_Rules{});

    const Command commands[] = {
        {"setSleepModeSlot", {5}, "USBSDK_SetSleepMode(mode=5)", "sendSleepModeRetSignal", {true}},
        {"setSleepModeSlot", {4}, "USBSDK_SetSleepMode(mode=4)", "sendSleepModeRetSignal", {true}},
        {"setColorrizationSlot", {7}, "USBSDK_SetColor(palette=7)", "sendSetColorrizationRetSignal", {true, 7}},
        // The requested value comes back with a failure too.
        {"setColorrizationSlot", {99}, "USBSDK_SetColor(palette=99)", "sendSetColorrizationRetSignal", {false, 99}},
        {"getCurrentColorSlot", {}, "USBSDK_GetColor(palette=out)", "sendCurrentColorSignal", {true, 7}},
        {"setGainModeSlot", {1}, "USBSDK_SetGainMode(mode=1)", "sendSetGainModeRetSignal", {true, 1}},
        {"setImageFlipModeSlot", {3}, "USBSDK_SetImageFlipMode(mode=3)", "sendSetImageFlipModeRetSignal", {true}},
        {"setShowCrosslineSlot", {1, 2}, "USBSDK_SetCrossCursorParams(enable=1, colour=2)", nullptr, {}},
        {"getCrossCursorSlot",
         {},
         "USBSDK_GetCrossCursorParams(enable=out, colour=out)",
         "sendGetCrossCursorRetSignal",
         {true, 1, 2}},
        {"setCVBSSpotsSlot",
         {1, 5},
         "USBSDK_SetHotAndColdPointSwitch(type=1, on=1)",
         "sendSetCVBSSpotsRetSignal",
         {true}},
        {"setLowTempTwoGearSlot",
         {1, 1},
         "USBSDK_SetLowTemperatureTwoGear(nAuto=1, nGear=1)",
         "sendSetLowTempTwoGearRetSignal",
         {true}},
        {"getLowTempTwoGearSlot",
         {},
         "USBSDK_GetLowTemperatureTwoGear(nAuto=out, nGear=out)",
         "sendGetLowTempTwoGearRetSignal",
         {true, 1, 1}},
        {"setDeviceParamsSlot",
         {2.5f},
         "USBSDK_SetDeviceThermalDistance(metres=2.500)",
         "sendSetDeviceParamsRetSignal",
         {true}},
        {"setDeviceRulesSlot",
         {someRules},
         "USBSDK_SetDeviceThermalRules(rules={count=0 ids=[] types=[]})",
         "sendSetDeviceRulesRetSignal",
         {true}},
        {"setSFFCEnableSlot", {7}, "USBSDK_SetSFFCEnable(enable=1)", "sendSetSFFCEnableRetSignal", {true}},
        {"getSFFCEnableSlot", {}, "USBSDK_GetSFFCEnable(enable=out)", "sendGetSFFCEnableRetSignal", {true, true}},
        // Saves need a collection first; the request's values come back.
        {"setNUCSaveTimeAndCountSlot",
         {1700000000u, 4u, 0},
         "USBSDK_SetNUCSaveCountAndTime(time=1700000000, count=4, record=0)",
         "sendSetNUCSaveTimeAndCountRetSignal",
         {false, 1700000000u, 4u}},
        {"setSaveAllBPSlot", {}, "USBSDK_SaveBadPixel()", "sendSaveAllBadSetRetSignal", {true}},
        {"setFocusModeSlot",
         {1},
         "USBSDK_SetRefrigerationFocusMode(mode=1)",
         "sendSetFocusFuncRetSignal",
         {false}},  // not a cooled camera
        {"setZoomBtnPressedSlot",
         {0},
         "USBSDK_SetRefrigerationContinuousZoom(direction=0)",
         "sendSetFocusFuncRetSignal",
         {false}},
        {"setSecondCalibrationInitSlot", {}, "USBSDK_TemperatureCalibrationInit()", nullptr, {}},
        {"setSecCalibrationBlackbodyTempSlot",
         {40, 110},
         "USBSDK_SetTemperatureCalibrationBlackBodyTemp(bb={low=40 high=110})",
         "sendSecCalibrationBlackbodyTempRetSignal",
         {true}},
        {"setFullCalibrationBlackbodyTempSlot",
         {300, 550},
         "USBSDK_SetTemperatureCalibrationBlackBodyTemp(bb={low=300 high=550})",
         "sendFullCalibrationBlackbodyTempRetSignal",
         {true}},
        {"setFullCalibrationCalTimeSlot",
         {45u},
         "USBSDK_SetFullCalibrationCalTime(minutes=45)",
         "sendFullCalibrationSetCalTimeRetSignal",
         {true}},
        {"getFullCalibrationPodEnableSlot",
         {},
         "USBSDK_GetFullCalibrationPodEnable(on=out)",
         "sendFullCalibrationPodEnableGetRetSignal",
         {true, 0u}},
        {"setDeltaBSwitchSlot", {1}, "USBSDK_SetTemperDriftSwitch(on=1)", "sendSetDeltaBSwitchSignal", {true}},
        {"getTemperDriftSwitchSlot",
         {},
         "USBSDK_GetTemperDriftSwitch(on=out)",
         "sendGetTemperDriftSwitchSignal",
         {true, 1}},
        {"checkDeltaBResultSlot", {}, "USBSDK_CheckTemperDrift()", "sendCheckDeltaBResultSignal", {false}},
        {"startDataCollectSlot",
         {10},
         "USBSDK_SetDataCollectInterval(on=1, seconds=10)",
         "sendStartDataCollectRetSignal",
         {true}},
        {"stopDataCollectSlot",
         {},
         "USBSDK_SetDataCollectInterval(on=0, seconds=0)",
         "sendStopDataCollectRetSignal",
         {true}},
        {"setNUCBackupSlot", {backup}, backupCall.constData(), "sendNUCBackupRetSignal", {true}},
    };
    for (const Command& c : commands) {
        SCOPED_TRACE(c.slot);
        SIMCAM_ClearCallLog();
        journal_->clear();
        run(c.slot, c.args);
        EXPECT_EQ(callsWithArgs(), c.call ? QStringList{c.call} : QStringList{});
        if (c.signal) {
            EXPECT_EQ(journal_->names(), QList<QByteArray>{c.signal});
            EXPECT_EQ(journal_->argsOf(c.signal), QList<QVariantList>{c.result});
        } else {
            EXPECT_TRUE(journal_->names().isEmpty());
        }
    }
    EXPECT_TRUE(QFileInfo::exists(backup));
    EXPECT_FALSE(DeviceSdkWrapper::getInstance().isSleeping());
}

// A failed read reports the value it started from.
TEST_F(CommandsTest, FailedReadsReportTheirInitialValues)
{
    openCamera();
    const struct {
        const char* slot;
        const char* function;
        const char* signal;
        QVariantList result;
    } reads[] = {
        {"getCurrentColorSlot", "GetColor", "sendCurrentColorSignal", {false, 0}},
        {"getOutputModeSlot", "GetOutputMode", "sendGetOutputModeRetSignal", {false, -1}},
        {"getSuperResolutionModeSlot", "GetDeviceSuperResMode", "sendGetSuperResolutionModeRetSignal", {false, 0}},
        {"getThermalRawTypeSlot", "GetThermalRawDataType", "sendGetThermalRawTypeRetSignal", {false, 0}},
        {"getThermalEquilibriumSlot", "ThermalBalanceCheck", "sendGetThermalEquilibriumRetSignal", {false, -1}},
        {"setGetTwoSFFCEnvironmentSlot", "GetTwoSFFCEnvironment", "sendGetTwoSFFCEnvironmentRetSignal", {false, -1}},
        {"getSFFCEnableSlot", "GetSFFCEnable", "sendGetSFFCEnableRetSignal", {false, false}},
        {"getFullCalibrationPodEnableSlot",
         "GetFullCalibrationPodEnable",
         "sendFullCalibrationPodEnableGetRetSignal",
         {false, 0u}},
        {"getLowTempTwoGearSlot", "GetLowTemperatureTwoGear", "sendGetLowTempTwoGearRetSignal", {false, 0, 0}},
        {"getDeltaBThresholdSlot", "GetTemperDriftThreshold", "sendGetDeltaBThresholdSignal", {false, 0}},
        {"getDeltaBResultSlot", "GetTemperDriftCollectResult", "sendGetDeltaBResultSignal", {false, uchar(0), 0}},
        {"getSecCalibraProgSlot", "GetAutoTemperatureCalibrationProgress", "sendGetCalibraProgRetSignal", {false, 0}},
    };
    for (const auto& r : reads) {
        SCOPED_TRACE(r.slot);
        journal_->clear();
        ASSERT_EQ(SIMCAM_FailNext(r.function, 1, 0), 1);
        run(r.slot);
        EXPECT_EQ(journal_->argsOf(r.signal), QList<QVariantList>{r.result});
    }
    // The records of a failed read are zero.
    ASSERT_EQ(SIMCAM_FailNext("GetIsothermParams", 1, 0), 1);
    run("getIsothermStatusSlot");
    ASSERT_EQ(journal_->count("sendGetIsothermStatusRetSignal"), 1);
    const QVariantList isotherm = journal_->argsOf("sendGetIsothermStatusRetSignal")[0];
    EXPECT_FALSE(isotherm[0].toBool());
    const USBSDK_IsothermParams params = isotherm[1].value<USBSDK_IsothermParams>();
    EXPECT_EQ(params.on, 0);
    EXPECT_EQ(params.lowerLimit, 0.0f);
    EXPECT_EQ(params.upperLimit, 0.0f);
    EXPECT_EQ(params.mode, 0);
}

// Gain, flip and cross cursor are read up to three times without a pause
// and reported once.
TEST_F(CommandsTest, RetriedReadsTryThreeTimes)
{
    openCamera();
    ASSERT_EQ(USBSDK_SetGainMode(1), 1);
    ASSERT_EQ(USBSDK_SetImageFlipMode(2), 1);
    ASSERT_EQ(USBSDK_SetCrossCursorParams(1, 2), 1);
    const struct {
        const char* slot;
        const char* function;
        const char* signal;
        QVariantList read, initial;
    } reads[] = {
        {"getGainModeSlot", "USBSDK_GetGainMode", "sendGetGainModeRetSignal", {true, 1}, {false, 0}},
        {"getImageFlipModeSlot", "USBSDK_GetImageFlipMode", "sendGetImageFlipModeRetSignal", {true, 2}, {false, 0}},
        {"getCrossCursorSlot",
         "USBSDK_GetCrossCursorParams",
         "sendGetCrossCursorRetSignal",
         {true, 1, 2},
         {false, 0, 0}},
    };
    const struct {
        int failures, calls;
        bool ok;
    } outcomes[] = {{0, 1, true}, {2, 3, true}, {3, 3, false}};
    for (const auto& r : reads) {
        for (const auto& o : outcomes) {
            SCOPED_TRACE(testing::Message() << r.slot << " after " << o.failures << " failures");
            SIMCAM_ClearCallLog();
            journal_->clear();
            ASSERT_EQ(SIMCAM_FailNext(r.function, o.failures, 0), 1);
            run(r.slot);
            EXPECT_EQ(calls(), repeated(o.calls, r.function));
            EXPECT_EQ(journal_->argsOf(r.signal), QList<QVariantList>{o.ok ? r.read : r.initial});
        }
    }
    // The facade's flip cache follows the last read.
    EXPECT_EQ(DeviceSdkWrapper::getInstance().getFlipMode(), 0);
    run("getImageFlipModeSlot");
    EXPECT_EQ(DeviceSdkWrapper::getInstance().getFlipMode(), 2);
}

// A second step runs only when the first took; one result, of the step
// that matters.
TEST_F(CommandsTest, TwoStepRequestsStopAtTheFirstFailure)
{
    USBSDK_IsothermParams isotherm{};
    isotherm.on = 1;
    isotherm.lowerLimit = 20.0f;
    isotherm.upperLimit = 30.0f;
    isotherm.mode = 2;
    const QVariantList isothermArgs{3, QVariant::fromValue(isotherm)};
    const struct {
        const char* slot;
        QVariantList args;
        const char* failing;  // null: nothing fails
        QStringList calls;
        const char* signal;
        bool result;
    } cases[] = {
        {"setRestoreDeviceSlot",
         {},
         nullptr,
         {"USBSDK_FactoryDefault", "USBSDK_SaveDevImageParam"},
         "sendRestoreDeviceRetSignal",
         true},
        {"setRestoreDeviceSlot", {}, "FactoryDefault", {"USBSDK_FactoryDefault"}, "sendRestoreDeviceRetSignal", false},
        // The saved result is not reported.
        {"setRestoreDeviceSlot",
         {},
         "SaveDevImageParam",
         {"USBSDK_FactoryDefault", "USBSDK_SaveDevImageParam"},
         "sendRestoreDeviceRetSignal",
         true},
        {"setIsothermFuncSlot",
         isothermArgs,
         nullptr,
         {"USBSDK_SetColor", "USBSDK_SetIsothermParams"},
         "sendSetIsothermStatusRetSignal",
         true},
        {"setIsothermFuncSlot", isothermArgs, "SetColor", {"USBSDK_SetColor"}, "sendSetIsothermStatusRetSignal", false},
        {"setIsothermFuncSlot",
         isothermArgs,
         "SetIsothermParams",
         {"USBSDK_SetColor", "USBSDK_SetIsothermParams"},
         "sendSetIsothermStatusRetSignal",
         false},
        {"setFullCalibrationCollectConfigSlot",
         {1u, 1u},
         nullptr,
         {"USBSDK_SetFullCalibrationPodEnable", "USBSDK_SetFullCalibrationCollectMode"},
         "sendFullCalibrationCollectConfigRetSignal",
         true},
        {"setFullCalibrationCollectConfigSlot",
         {1u, 1u},
         "SetFullCalibrationPodEnable",
         {"USBSDK_SetFullCalibrationPodEnable"},
         "sendFullCalibrationCollectConfigRetSignal",
         false},
        {"setFullCalibrationCollectConfigSlot",
         {1u, 1u},
         "SetFullCalibrationCollectMode",
         {"USBSDK_SetFullCalibrationPodEnable", "USBSDK_SetFullCalibrationCollectMode"},
         "sendFullCalibrationCollectConfigRetSignal",
         false},
    };
    openCamera();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slot << " failing " << (c.failing ? c.failing : "nothing"));
        SIMCAM_ClearCallLog();
        journal_->clear();
        if (c.failing) {
            ASSERT_EQ(SIMCAM_FailNext(c.failing, 1, 0), 1);
        }
        run(c.slot, c.args);
        EXPECT_EQ(calls(), c.calls);
        EXPECT_EQ(journal_->names(), QList<QByteArray>{c.signal});
        EXPECT_EQ(journal_->argsOf(c.signal), QList<QVariantList>{{c.result}});
    }
    double isothermOn = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "isothermOn", &isothermOn), 1);
    EXPECT_EQ(isothermOn, 1.0);
}

TEST_F(CommandsTest, SpotSwitchesAreReadHotThenCold)
{
    openCamera();
    ASSERT_EQ(USBSDK_SetHotAndColdPointSwitch(0, 1), 1);
    SIMCAM_ClearCallLog();
    run("getCVBSSpotsSlot");
    EXPECT_EQ(callsWithArgs(), (QStringList{"USBSDK_GetHotAndColdPointSwitch(type=0, on=out)",
                                            "USBSDK_GetHotAndColdPointSwitch(type=1, on=out)"}));
    EXPECT_EQ(journal_->argsOf("sendGetCVBSSpotsRetSignal"), (QList<QVariantList>{{true, 0, 1}, {true, 1, 0}}));

    // Each switch is read into a cleared byte.
    journal_->clear();
    ASSERT_EQ(SIMCAM_FailNext("GetHotAndColdPointSwitch", 1, 0), 1);
    run("getCVBSSpotsSlot");
    EXPECT_EQ(journal_->argsOf("sendGetCVBSSpotsRetSignal"), (QList<QVariantList>{{false, 0, 0}, {true, 1, 0}}));
}

// The global block travels with the request; without one nothing is sent.
TEST_F(CommandsTest, GlobalParametersGoFromTheBlockOfTheRequest)
{
    openCamera();
    USBSDK_GlobalTemperParam block{};
    block.emissivity = 0.95f;
    block.distance = 3.5f;
    block.reflectedTemp = 22.0f;
    block.ambientTemp = 18.5f;
    block.humidity = 60;

    run("setUpdateGlobalInfoSlots", {false, QVariant::fromValue(block)});
    EXPECT_TRUE(calls().isEmpty());
    EXPECT_EQ(journal_->argsOf("sendUpdateGlobalInfoRetSignal"), QList<QVariantList>{{false}});

    journal_->clear();
    run("setUpdateGlobalInfoSlots", {true, QVariant::fromValue(block)});
    EXPECT_EQ(calls(), QStringList{"USBSDK_SetCommonTemperParam"});
    EXPECT_EQ(journal_->argsOf("sendUpdateGlobalInfoRetSignal"), QList<QVariantList>{{true}});
    USBSDK_GlobalTemperParam read{};
    ASSERT_EQ(USBSDK_GetCommonTemperParam(&read), 1);
    EXPECT_FLOAT_EQ(read.emissivity, 0.95f);
    EXPECT_FLOAT_EQ(read.distance, 3.5f);
    EXPECT_FLOAT_EQ(read.ambientTemp, 18.5f);
    EXPECT_EQ(read.humidity, 60);
}

// Without a camera every request simply reports the failure.
TEST_F(CommandsTest, WithoutACameraRequestsFail)
{
    run("setFFCSlot");
    run("getGainModeSlot");
    run("setGetDeviceInfoSlot");
    EXPECT_EQ(journal_->argsOf("sendFFCRetSignal"), QList<QVariantList>{{false}});
    EXPECT_EQ(journal_->argsOf("sendGetGainModeRetSignal"), (QList<QVariantList>{{false, 0}}));
    ASSERT_EQ(journal_->count("sendGetDeviceInfoRetSignal"), 1);
    EXPECT_EQ(journal_->argsOf("sendGetDeviceInfoRetSignal")[0][0].value<DeviceInformation>().bValid, 0);
}

}  // namespace
