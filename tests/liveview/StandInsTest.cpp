// The parts the live page builds before they land: every signal and slot
// the page's connection table names exists with its signature, the relay
// slots pass on what they get, and the image correction module warns on
// entry only with a camera connected.
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QSignalSpy>
#include <QVariant>

#include <cstring>
#include <functional>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "QImageCorrectModule.h"
#include "QImageInfoModule.h"
#include "QPreviewModuleWidget.h"
#include "QSettingModule.h"
#include "QTempCaliModule.h"
#include "QTempRule.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoTemperResult.h"
#include "QVideoTemperShow.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;

enum Method { Signal, Slot };

struct Row {
    const QMetaObject* meta;
    Method method;
    const char* signature;
};

// The connection table of the live page, partner by partner: what each
// stand-in must offer for the page's connections to compile and match.
const Row kConnectionTable[] = {
    // Temperature worker.
    {&QTempRule::staticMetaObject, Slot, "OpenThermalFunctionSlot()"},
    {&QTempRule::staticMetaObject, Slot, "setTimerStatusSlot(bool)"},
    {&QTempRule::staticMetaObject, Slot, "setThermalRulesSlot(USBSDK_Rules)"},
    {&QTempRule::staticMetaObject, Slot, "setThermRefreshTimeSlot(int)"},
    {&QTempRule::staticMetaObject, Slot, "setUpdateTemperSlots()"},
    {&QTempRule::staticMetaObject, Slot, "getYuvData(FramePtr)"},
    {&QTempRule::staticMetaObject, Signal, "sendUpdateTemperSignals()"},
    {&QTempRule::staticMetaObject, Signal, "SendYDataSignals(uint,uint)"},
    {&QTempRule::staticMetaObject, Signal, "sendOpenThermalFuncRetSignal(bool)"},

    // Rule overlay.
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendAddItemSignals(quint32)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendItemChangeSignals(ItemInfo)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendItemReleasedSignals()"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendItemDeleteSignals(quint32)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendItemSelectSignals(quint32)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendMouseTransparentSignals(bool)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendRuleDrawCompleteSignals(bool)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendVideoSceneViewShowSignal()"},
    {&QVideoSceneViewCtrl::staticMetaObject, Signal, "sendVideoFullSrceenSignal()"},
    {&QVideoSceneViewCtrl::staticMetaObject, Slot, "setVideoPlayFpsSlots(float)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Slot, "setSelectedItemSlot(QString)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Slot, "setFlipChangedStateSlot(int)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Slot, "setCalibrationRectRetSlot(bool,USBSDK_Rules)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Slot, "setRuleWidgetEnableSlot(bool)"},
    {&QVideoSceneViewCtrl::staticMetaObject, Slot, "setRuleClearBtnSlots()"},

    // Temperature overlay and result table.
    {&QVideoTemperShow::staticMetaObject, Slot, "setItemDeleteSlots(quint32)"},
    {&QVideoTemperShow::staticMetaObject, Slot, "setMouseTransparentSlots(bool)"},
    {&QVideoTemperResult::staticMetaObject, Signal, "sendSelectedItemSignal(QString)"},
    {&QVideoTemperResult::staticMetaObject, Slot, "setItemDeleteSlots(quint32)"},
    {&QVideoTemperResult::staticMetaObject, Slot, "setItemSelectSlots(quint32)"},

    // Side panel.
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendUpdateRuleInfoSignals()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendUpdateRulesParamsSignal()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendUpdateGlobalInfoSignales()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendColorizationChangeSignal(bool,int)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendFullScreenThermEnableSwitchSignal(bool)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSelectedItemSignal(QString)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendGetIsothermStatusSignal()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSetIsothermFuncSignal(int,USBSDK_IsothermParams)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSetThermRefreshTimeSignal(int)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendGetGainModeSignal()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSetGainModeSignal(int)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSaveGainModeSignal()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendGetLowTempTwoGearSignal()"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSetLowTempTwoGearSignal(int,int)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSaveImageParamRetSignal(bool)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendGetLowTempTwoGearRetSignal(bool,int,int)"},
    {&QPreviewModuleWidget::staticMetaObject, Signal, "sendSetLowTempTwoGearRetSignal(bool)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "setItemDeleteSlots(quint32)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "setItemSelectSlots(quint32)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "setAllDlgShowSlot(bool)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "setIsothermStatusRetSlot(bool)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "getIsothermStatusRetSlot(bool,USBSDK_IsothermParams,int)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "getGainModeRetSlot(bool,int)"},
    {&QPreviewModuleWidget::staticMetaObject, Slot, "setGainModeRetSlot(bool,int)"},

    // Settings module: notices, requests and the worker's answers.
    {&QSettingModule::staticMetaObject, Signal, "sendTitleStatusChangeSignals()"},
    {&QSettingModule::staticMetaObject, Signal, "ReconnectDeviceSignals()"},
    {&QSettingModule::staticMetaObject, Signal, "RestoreDeviceSignals()"},
    {&QSettingModule::staticMetaObject, Signal, "sendDataModelSignals()"},
    {&QSettingModule::staticMetaObject, Signal, "sendLanguageChangedSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendFlipChangedStateSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendUSBUpdateShowSignals(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendRebootDeviceSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendShowCrossCursorSignal(int,int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetCrossCursorSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetImageFlipModeSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetImageFlipModeSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendOutputModeSwitchSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetOutputModeSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetSuperResolutionModeSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetSuperResolutionModeSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetFocusModeSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetFocusModeSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetAutoFocusSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendZoomBtnClickedSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendZoomBtnPressedSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendFocusBtnClickedSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendFocusBtnPressedSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetThermalRawTypeSignal(int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetThermalRawTypeSignal()"},
    {&QSettingModule::staticMetaObject, Signal, "sendRestoreDeviceRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetCrossCursorRetSignal(bool,int,int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetImageFlipModeRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetImageFlipModeRetSignal(bool,int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendRebootDeviceRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendOutputModeSwitchRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetOutputModeRetSignal(bool,int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetSuperResolutionModeRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetSuperResolutionModeRetSignal(bool,int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetFocusModeRetSignal(bool,int)"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetFocusFuncRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendSetThermalRawTypeRetSignal(bool)"},
    {&QSettingModule::staticMetaObject, Signal, "sendGetThermalRawTypeRetSignal(bool,int)"},
    {&QSettingModule::staticMetaObject, Slot, "setUSBUpdateShowSlots(bool)"},

    // Image information module.
    {&QImageInfoModule::staticMetaObject, Signal, "sendFalseColorIndexSignals(int)"},

    // Image correction module: requests, the worker's answers, the bad-pixel
    // signals with the video window and the stream switch.
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetGainModeSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetGainModeSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetLowTempTwoGearSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetLowTempTwoGearSignal(int,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetNUCBasicParamsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetNUCSaveTimeAndCountSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetNUCSaveTimeAndCountSignal(uint,uint,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendStartNUCCollectSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetThermalEquilibriumSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetSFFCBasicParamsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetSFFCEnableSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetSFFCEnableSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetSFFCSaveTimeAndCountSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetSFFCSaveTimeAndCountSignal(uint,uint,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendStartSFFCCollectSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendAutoRemoveBadPixelSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendClearBadPixelSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetTwoSFFCEnvironmentSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetTemperDriftSwitchSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetDeltaBThresholdSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetDeltaBTimeAndCountSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetDeltaBResultSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetDeltaBSwitchSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendCollectDeltaBSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSaveDeltaBCountAndTimeSignal(uint,uint)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendCheckDeltaBResultSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetALLBadColsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetALLBadPixelsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetAllBadPixelsSignal(QVector<int>,QVector<int>,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetAllBadColsSignal(QVector<int>,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSaveAllBPSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetGainModeRetSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetGainModeRetSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetLowTempTwoGearRetSignal(bool,int,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetLowTempTwoGearRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetNUCBasicParamsRetSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetNUCSaveTimeAndCountRetSignal(bool,uint,uint,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetNUCSaveTimeAndCountRetSignal(bool,uint,uint)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendNUCBlackOneOperationSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendNUCBlackTwoOperationSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetThermalEquilibriumRetSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetSFFCBasicParamsRetSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetSFFCEnableRetSignal(bool,bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetSFFCEnableRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetSFFCSaveTimeAndCountRetSignal(bool,uint,uint,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetSFFCSaveTimeAndCountRetSignal(bool,uint,uint)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendStartSFFCCollectRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendAutoRemoveBadPixelRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendClearBadPixelRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetTwoSFFCEnvironmentRetSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetTemperDriftSwitchSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetDeltaBThresholdSignal(bool,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetDeltaBTimeAndCountSignal(bool,uint,uint)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetDeltaBResultSignal(bool,uchar,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetDeltaBSwitchSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendCollectDeltaBSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSaveDeltaBCountAndTimeSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendCheckDeltaBResultSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendGetAllBadColsRetSignal(bool,int,QVector<int>)"},
    {&QImageCorrectModule::staticMetaObject, Signal,
     "sendGetAllBadPixelsRetSignal(bool,int,QVector<int>,QVector<int>)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetAllBadPixelsRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSetAllBadColsRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendSaveAllBadSetRetSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendChangeVideoStreamSignal(bool)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendAddBadPixelSignal(int,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendDeleteBadPixelSignal(int,int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendClearBadPixelsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendAddBadColSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendDeleteBadColSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendClearBadColsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendHighlightBadPixelSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendHighlightBadColSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendHighlightTableBadPixelSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendHighlightTableBadColSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendTableDeleteBadPixelSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendTableDeleteBadColSignal(int)"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendTableDeleteAllBadPixelsSignal()"},
    {&QImageCorrectModule::staticMetaObject, Signal, "sendTableDeleteAllBadColsSignal()"},

    // Temperature calibration module: full calibration, second calibration
    // and gain-mode page, requests and answers, and its notices to the page.
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetCollectConfigSignal(uint,uint)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetPodEnableSignal(uint)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraGetPodEnableSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSaveConfigSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetCalibrateRectSignal(int,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSaveCalibrateRectSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraCollectSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraCalibrateSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSingleGearVerifySignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraComprehensiveVerifySignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetCalTimeSignal(uint)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraDefaultSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetBlackbodyTempSignal(int,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetRuleWidgetEnableSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetCollectConfigRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetPodEnableRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraGetPodEnableRetSignal(bool,uint)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSaveConfigRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSaveCalibrateRectRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraCollectRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraCalibrateRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSingleGearVerifyRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraComprehensiveVerifyRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraSetCalTimeRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibraDefaultRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendFullCalibrationBlackbodyTempRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSecCalibraInitSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetBalancedStateSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetCalibrationRectSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendCalibrateSignal(int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSaveCalibrationRectSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetCalibrationResultSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetCalibrationTimeSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetCalibrationDefaultSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetCalibraProgSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendUpdateRulesParamsSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetCalibrationBlackbodyTempSignal(int,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetBalancedStateRetSignal(bool,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetCalibrationRectRetSignal(bool,USBSDK_Rules)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendCalibrateRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSaveCalibrationRectRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal,
     "sendGetCalibrationResultRetSignal(bool,USBSDK_TemperatureCalibraResult)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSaveSecCalibraTimeRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetCalibrationDefaultRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetCalibraProgRetSignal(bool,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSecCalibrationBlackbodyTempRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetGainModeSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetGainModeSignal(int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSaveGainModeSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetLowTempTwoGearSignal()"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetLowTempTwoGearSignal(int,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetGainModeRetSignal(bool,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetGainModeRetSignal(bool,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSaveImageParamRetSignal(bool)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendGetLowTempTwoGearRetSignal(bool,int,int)"},
    {&QTempCaliModule::staticMetaObject, Signal, "sendSetLowTempTwoGearRetSignal(bool)"},
};

TEST(StandIns, OfferEverySignalAndSlotOfTheConnectionTable)
{
    for (const Row& row : kConnectionTable) {
        const QByteArray normalized = QMetaObject::normalizedSignature(row.signature);
        const int index = row.method == Signal ? row.meta->indexOfSignal(normalized.constData())
                                               : row.meta->indexOfSlot(normalized.constData());
        EXPECT_GE(index, 0) << row.meta->className() << (row.method == Signal ? " signal " : " slot ") << row.signature;
    }
}

// One relay: a call into the stand-in and the signal that must follow it,
// once, with the first argument given.
struct Relay {
    const char* name;
    QObject* sender;
    const char* signal;  // SIGNAL() form
    std::function<void()> call;
    QVariant first;  // invalid: the signal has no arguments
};

TEST(StandIns, RelaySlotsPassOnWhatTheyGet)
{
    QSettingModule settings;
    QImageInfoModule imageInfo;
    QPreviewModuleWidget panel;
    USBSDK_IsothermParams isotherm{};
    isotherm.on = 1;

    const Relay relays[] = {
        {"title status",
         &settings,
         SIGNAL(sendTitleStatusChangeSignals()),
         [&] { settings.setTitleStatusChangeSlots(); },
         {}},
        {"reconnect", &settings, SIGNAL(ReconnectDeviceSignals()), [&] { settings.ReconnectDeviceSlots(); }, {}},
        {"restore", &settings, SIGNAL(RestoreDeviceSignals()), [&] { settings.RestoreDeviceSlots(); }, {}},
        {"usb update", &settings, SIGNAL(sendUSBUpdateShowSignals(bool)), [&] { settings.setUSBUpdateShowSlots(true); },
         true},
        {"palette", &imageInfo, SIGNAL(sendFalseColorIndexSignals(int)),
         [&] { imageInfo.setUpdateFalseColCurIndexSlots(7); }, 7},
        {"rule info", &panel, SIGNAL(sendUpdateRuleInfoSignals()), [&] { panel.setUpdateRuleInfoSlots(); }, {}},
        {"global info", &panel, SIGNAL(sendUpdateGlobalInfoSignales()), [&] { panel.setUpdateGlobalInfoSlots(); }, {}},
        {"colorization", &panel, SIGNAL(sendColorizationChangeSignal(bool, int)),
         [&] { panel.setColorizationChangeSlot(true, 5); }, true},
        {"isotherm status",
         &panel,
         SIGNAL(sendGetIsothermStatusSignal()),
         [&] { panel.sendGetIsothermStatusSlot(); },
         {}},
        {"isotherm", &panel, SIGNAL(sendSetIsothermFuncSignal(int, USBSDK_IsothermParams)),
         [&] { panel.setIsothermFuncSlot(3, isotherm); }, 3},
        {"refresh time", &panel, SIGNAL(sendSetThermRefreshTimeSignal(int)), [&] { panel.setThermRefreshTimeSlot(1); },
         1},
        {"full screen", &panel, SIGNAL(sendFullScreenThermEnableSwitchSignal(bool)),
         [&] { panel.onFullScreenThermEnableSwitchSlot(true); }, true},
        {"gain mode", &panel, SIGNAL(sendSetGainModeSignal(int)), [&] { panel.setGainModeSlot(2); }, 2},
        {"selected row", &panel, SIGNAL(sendSelectedItemSignal(QString)),
         [&] { emit panel.resultTable()->sendSelectedItemSignal("R1"); }, QString("R1")},
    };
    for (const Relay& r : relays) {
        SCOPED_TRACE(r.name);
        QSignalSpy spy(r.sender, r.signal);
        ASSERT_TRUE(spy.isValid());
        r.call();
        ASSERT_EQ(spy.count(), 1);
        if (r.first.isValid()) {
            EXPECT_EQ(spy.at(0).at(0), r.first);
        }
    }
}

class StandInsImageCorrect : public ::testing::Test {
protected:
    void SetUp() override { SIMCAM_Reset(); }
    void TearDown() override { sdk().Close(); }

    static DeviceSdkWrapper& sdk() { return DeviceSdkWrapper::getInstance(); }
    static bool openCamera()
    {
        USBSDK_DeviceInfo list[64];
        std::memset(list, 0, sizeof list);
        return sdk().GetDevInfoList(list, 64) >= 1 && sdk().Open(&list[0]) && sdk().Connect();
    }

    FakeUiPrompts prompts_;
};

TEST_F(StandInsImageCorrect, EntryWarnsWithACameraConnected)
{
    ASSERT_TRUE(openCamera());
    QImageCorrectModule module;
    module.confirmGuidanceWarning();
    module.confirmGuidanceWarning();

    ASSERT_EQ(prompts_.count(Kind::Notice), 2) << "every entry warns";
    EXPECT_EQ(prompts_.calls.size(), 2);
    const FakeUiPrompts::Call call = prompts_.last(Kind::Notice);
    EXPECT_EQ(call.parent, &module);
    EXPECT_EQ(call.text,
              "This module must be operated under the guidance of the manufacturer's professional "
              "personnel,otherwise, it may result in image abnormalities!");
}

TEST_F(StandInsImageCorrect, EntryStaysSilentWithoutACamera)
{
    QImageCorrectModule module;
    module.confirmGuidanceWarning();
    EXPECT_TRUE(prompts_.calls.isEmpty());

    ASSERT_TRUE(openCamera());
    ASSERT_TRUE(sdk().Close());
    module.confirmGuidanceWarning();
    EXPECT_TRUE(prompts_.calls.isEmpty()) << "a closed camera counts as none";
}

}  // namespace
