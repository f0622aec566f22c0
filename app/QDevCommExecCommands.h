// The slots of QDevCommExec that share one shape, each family described
// once. QDevCommExec.h declares the slots from these tables and
// QDevCommExec.cpp defines them; the slots of other shapes are written out
// there. Every slot of a family holds the worker's mutex for its whole body
// and emits its result once.
#pragma once

// X(slot, parameters, camera call, result signal, result arguments): the
// call is an expression over the parameters whose non-zero value means
// success (bRet); the signal carries bRet and, where given, the request's
// own values.
#define CALIDRA_DEVCOMM_COMMANDS(X)                                                                                    \
    /* connection and general state */                                                                                 \
    X(setDevDisconnectSlot, (), sdk().Close(), sendDevDisconnectRetSignal, (bRet))                                     \
    X(setSleepModeSlot, (int nMode), sdk().SetSleepMode(nMode), sendSleepModeRetSignal, (bRet))                        \
    X(setFFCSlot, (), sdk().ShutterCorrect(), sendFFCRetSignal, (bRet))                                                \
    X(setColorrizationSlot, (int nColor), sdk().SetColor(nColor), sendSetColorrizationRetSignal, (bRet, nColor))       \
    X(setSaveImageParamSlot, (), sdk().SaveDevImageParam(), sendSaveImageParamRetSignal, (bRet))                       \
    X(setRebootDeviceSlot, (), sdk().Reboot(), sendRebootDeviceRetSignal, (bRet))                                      \
    X(setOutputModeSwitchSlot, (int nMode), sdk().SetOutputMode(nMode), sendOutputModeSwitchRetSignal, (bRet))         \
    X(setSuperResolutionModeSlot, (int nMode), sdk().SetDeviceSuperResMode(nMode),                                     \
      sendSetSuperResolutionModeRetSignal, (bRet))                                                                     \
    X(setThermalRawTypeSlot, (int nType), sdk().SetThermalRawDataType(nType), sendSetThermalRawTypeRetSignal, (bRet))  \
    X(setNUCBackupSlot, (QString strFilePath), sdk().GetNUCBackup(QFile::encodeName(strFilePath).constData()),         \
      sendNUCBackupRetSignal, (bRet))                                                                                  \
    /* image display */                                                                                                \
    X(setGainModeSlot, (int nMode), sdk().SetGainMode(nMode), sendSetGainModeRetSignal, (bRet, nMode))                 \
    X(setImageFlipModeSlot, (int nFlipMode), sdk().SetImageFlipMode(nFlipMode), sendSetImageFlipModeRetSignal, (bRet)) \
    X(setCVBSSpotsSlot, (int nType, int nSwitch), sdk().SetHotAndColdPointSwitch(nType, nSwitch != 0),                 \
      sendSetCVBSSpotsRetSignal, (bRet))                                                                               \
    X(setLowTempTwoGearSlot, (int nAuto, int nGear), sdk().SetLowTemperatureTwoGear(nAuto, nGear),                     \
      sendSetLowTempTwoGearRetSignal, (bRet))                                                                          \
    X(setDeviceParamsSlot, (float fDist), sdk().SetDeviceThermalDistance(fDist), sendSetDeviceParamsRetSignal, (bRet)) \
    X(setDeviceRulesSlot, (USBSDK_Rules stRules), sdk().SetDeviceThermalRules(stRules), sendSetDeviceRulesRetSignal,   \
      (bRet))                                                                                                          \
    /* focus and zoom of a motorised lens, all reported alike */                                                       \
    X(setAutoFocusBtnSlot, (), sdk().SetRefrigerationAutoFocus(), sendSetFocusFuncRetSignal, (bRet))                   \
    X(setFocusModeSlot, (int nMode), sdk().SetRefrigerationFocusMode(nMode), sendSetFocusFuncRetSignal, (bRet))        \
    X(setFocusBtnClickedSlot, (int nDirection), sdk().SetRefrigerationFocus(nDirection), sendSetFocusFuncRetSignal,    \
      (bRet))                                                                                                          \
    X(setFocusBtnPressedSlot, (int nDirection), sdk().SetRefrigerationContinuousFocus(nDirection),                     \
      sendSetFocusFuncRetSignal, (bRet))                                                                               \
    X(setZoomBtnClickedSlot, (int nDirection), sdk().SetRefrigerationZoom(nDirection), sendSetFocusFuncRetSignal,      \
      (bRet))                                                                                                          \
    X(setZoomBtnPressedSlot, (int nDirection), sdk().SetRefrigerationContinuousZoom(nDirection),                       \
      sendSetFocusFuncRetSignal, (bRet))                                                                               \
    /* second calibration */                                                                                           \
    X(setSecCalibrateSlot, (int nState), sdk().SetAutoTemperatureCalibration(nState), sendCalibrateRetSignal, (bRet))  \
    X(setSecCalibrationDefalutSlot, (), sdk().SetTemperatureCalibrationDefault(), sendSetCalibrationDefaultRetSignal,  \
      (bRet))                                                                                                          \
    X(setSaveSecCalibrationTimeSlot, (), sdk().SetTemperatureCalibrationTime(), sendSaveSecCalibraTimeRetSignal,       \
      (bRet))                                                                                                          \
    X(setSecCalibrationBlackbodyTempSlot, (int nLowTemp, int nHighTemp),                                               \
      sdk().SetTemperatureCalibrationBlackBodyTemp(DeviceCommandRecords::blackBodyTemp(nLowTemp, nHighTemp)),          \
      sendSecCalibrationBlackbodyTempRetSignal, (bRet))                                                                \
    /* full blackbody calibration */                                                                                   \
    X(setFullCalibrationPodEnableSlot, (uint nPodEnable), sdk().SetFullCalibrationPodEnable(nPodEnable),               \
      sendFullCalibrationPodEnableRetSignal, (bRet))                                                                   \
    X(setFullCalibrationBlackbodyTempSlot, (int nLowTemp, int nHighTemp),                                              \
      sdk().SetTemperatureCalibrationBlackBodyTemp(DeviceCommandRecords::blackBodyTemp(nLowTemp, nHighTemp)),          \
      sendFullCalibrationBlackbodyTempRetSignal, (bRet))                                                               \
    X(setFullCalibrationSaveConfigSlot, (), sdk().SetFullCalibrationSaveConfig(),                                      \
      sendFullCalibrationSaveConfigRetSignal, (bRet))                                                                  \
    X(setFullCalibrationCollectSlot, (), sdk().SetFullCalibrationCollect(), sendFullCalibrationCollectRetSignal,       \
      (bRet))                                                                                                          \
    X(setFullCalibrationCalibrateSlot, (), sdk().SetFullCalibrationCalibrate(), sendFullCalibrationCalibrateRetSignal, \
      (bRet))                                                                                                          \
    X(setFullCalibrationSingleGearVerifySlot, (), sdk().SetFullCalibrationSingleGearVerify(),                          \
      sendFullCalibrationSingleGearVerifyRetSignal, (bRet))                                                            \
    X(setFullCalibrationComprehensiveVerifySlot, (), sdk().SetFullCalibrationComprehensiveVerify(),                    \
      sendFullCalibrationComprehensiveVerifyRetSignal, (bRet))                                                         \
    X(setFullCalibrationCalTimeSlot, (uint colTotalTime), sdk().SetFullCalibrationCalTime(colTotalTime),               \
      sendFullCalibrationSetCalTimeRetSignal, (bRet))                                                                  \
    X(setFullCalibrationDefaultSlot, (), sdk().SetFullCalibrationDefault(), sendFullCalibrationDefaultRetSignal,       \
      (bRet))                                                                                                          \
    /* non-uniformity, shutterless and bad-pixel correction */                                                         \
    X(setNUCSaveTimeAndCountSlot, (uint unTime, uint unCount, int nGainMode),                                          \
      sdk().SetNUCSaveCountAndTime(unTime, unCount, nGainMode), sendSetNUCSaveTimeAndCountRetSignal,                   \
      (bRet, unTime, unCount))                                                                                         \
    X(setSFFCEnableSlot, (int nEnable), sdk().SetSFFCEnable(nEnable), sendSetSFFCEnableRetSignal, (bRet))              \
    X(setSFFCSaveTimeAndCountSlot, (uint unTime, uint unCount, int nGainMode),                                         \
      sdk().SetSFFCSaveCountAndTime(unTime, unCount, nGainMode), sendSetSFFCSaveTimeAndCountRetSignal,                 \
      (bRet, unTime, unCount))                                                                                         \
    X(setSFFCCollectSlot, (), sdk().SFFCCollect(), sendStartSFFCCollectRetSignal, (bRet))                              \
    X(setSaveAllBPSlot, (), USBSDK_SaveBadPixel(), sendSaveAllBadSetRetSignal, (bRet))                                 \
    X(setAutoRemoveBadPixelSlot, (), sdk().SetAutoRemoveBadPixels(), sendAutoRemoveBadPixelRetSignal, (bRet))          \
    X(setClearBadPixelSlot, (), sdk().SetClearAutoRemovedBadPixels(), sendClearBadPixelRetSignal, (bRet))              \
    /* temperature drift (DeltaB) */                                                                                   \
    X(setDeltaBSwitchSlot, (int nSwitch), sdk().SetTemperDriftSwitch(nSwitch), sendSetDeltaBSwitchSignal, (bRet))      \
    X(saveDeltaBTimeAndCountSlot, (uint unTime, uint unCount),                                                         \
      sdk().SaveTemperDrift(DeviceCommandRecords::temperDriftRecord(unCount, unTime)),                                 \
      sendSaveDeltaBCountAndTimeSignal, (bRet))                                                                        \
    X(collectDeltaBSlot, (int nValue), sdk().CollectTemperDrift(nValue), sendCollectDeltaBSignal, (bRet))              \
    X(checkDeltaBResultSlot, (), USBSDK_CheckTemperDrift(), sendCheckDeltaBResultSignal, (bRet))                       \
    /* radiometric data collection */                                                                                  \
    X(startDataCollectSlot, (int nTime), sdk().SetDataCollectInterval(nTime), sendStartDataCollectRetSignal, (bRet))   \
    X(stopDataCollectSlot, (), sdk().StopDataCollectInterval(), sendStopDataCollectRetSignal, (bRet))                  \
    X(clearDataCollectSlot, (), sdk().SetClearDataCollect(), sendClearDataCollectRetSignal, (bRet))

// X(slot, attempts, value type, initial value, facade member, result
// signal): reads one value, up to attempts times without a pause until a
// read succeeds; emits bRet and the value, which keeps its initial value
// when every read failed.
#define CALIDRA_DEVCOMM_READS(X)                                                                              \
    X(getCurrentColorSlot, 1, int, 0, GetColor, sendCurrentColorSignal)                                       \
    X(getOutputModeSlot, 1, int, -1, GetOutputMode, sendGetOutputModeRetSignal)                               \
    X(getSuperResolutionModeSlot, 1, int, 0, GetDeviceSuperResMode, sendGetSuperResolutionModeRetSignal)      \
    X(getThermalRawTypeSlot, 1, int, 0, GetThermalRawDataType, sendGetThermalRawTypeRetSignal)                \
    X(getThermalEquilibriumSlot, 1, int, -1, ThermalBalanceCheck, sendGetThermalEquilibriumRetSignal)         \
    X(getGainModeSlot, 3, int, 0, GetGainMode, sendGetGainModeRetSignal)                                      \
    X(getImageFlipModeSlot, 3, int, 0, GetImageFlipMode, sendGetImageFlipModeRetSignal)                       \
    X(getIsothermStatusSlot, 1, USBSDK_IsothermParams, {}, GetIsothermParams, sendGetIsothermStatusRetSignal) \
    X(getFocusModeSlot, 1, int, 0, GetRefrigerationFocusMode, sendGetFocusModeRetSignal)                      \
    X(getBalancedStateSlot, 1, int, 0, GetTemperatureCalibrationBalancedState, sendGetBalancedStateRetSignal) \
    X(getSecCalibraProgSlot, 1, int, 0, GetAutoTemperatureCalibrationProgress, sendGetCalibraProgRetSignal)   \
    X(getSecCalibrationResultSlot, 1, USBSDK_TemperatureCalibraResult, {}, GetTemperatureCalibrationResult,   \
      sendGetCalibrationResultRetSignal)                                                                      \
    X(getFullCalibrationPodEnableSlot, 1, uint, 0, GetFullCalibrationPodEnable,                               \
      sendFullCalibrationPodEnableGetRetSignal)                                                               \
    X(getSFFCEnableSlot, 1, uchar, 0, GetSFFCEnable, sendGetSFFCEnableRetSignal)                              \
    X(setGetTwoSFFCEnvironmentSlot, 1, int, -1, GetTwoSFFCEnvironment, sendGetTwoSFFCEnvironmentRetSignal)    \
    X(getTemperDriftSwitchSlot, 1, int, 0, GetTemperDriftSwitch, sendGetTemperDriftSwitchSignal)              \
    X(getDeltaBThresholdSlot, 1, int, 0, GetTemperDriftThreshold, sendGetDeltaBThresholdSignal)

// X(slot, attempts, first type, second type, facade member, result signal):
// as above with two values, both starting at 0.
#define CALIDRA_DEVCOMM_PAIR_READS(X)                                                               \
    X(getCrossCursorSlot, 3, int, int, GetCrossCursorParams, sendGetCrossCursorRetSignal)           \
    X(getLowTempTwoGearSlot, 1, int, int, GetLowTemperatureTwoGear, sendGetLowTempTwoGearRetSignal) \
    X(getDeltaBResultSlot, 1, uchar, int, GetTemperDriftCollectResult, sendGetDeltaBResultSignal)
