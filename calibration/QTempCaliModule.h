// The temperature calibration module page (module 7) as the live page wires
// it: the gain-mode, second calibration and full calibration pages send
// their requests under the module's signals, which the live page connects
// to its device-command worker (a few to itself); the worker's answers come
// back under module signals of the same signatures, the full calibration
// answers under names of the module's own.
//
// Until those pages land the module has none: its refresh and slots are
// counted in calls().
#pragma once

#include <QWidget>

#include "MetaTypes.h"
#include "StandInLog.h"

class QTempCaliModule : public QWidget {
    Q_OBJECT
public:
    explicit QTempCaliModule(QWidget* parent = nullptr);

    // Refresh on showing module 7, on changes of the connection and after a
    // sleep-mode result.
    void refreshCurrentPage();

    const StandInLog& calls() const { return calls_; }

signals:
    // Full calibration requests.
    void sendFullCalibraSetCollectConfigSignal(uint nPodEnable, uint nColMode);
    void sendFullCalibraSetPodEnableSignal(uint nPodEnable);
    void sendFullCalibraGetPodEnableSignal();
    void sendFullCalibraSaveConfigSignal();
    void sendFullCalibraSetCalibrateRectSignal(int nLowTemp, int nHighTemp);
    void sendFullCalibraSaveCalibrateRectSignal();
    void sendFullCalibraCollectSignal();
    void sendFullCalibraCalibrateSignal();
    void sendFullCalibraSingleGearVerifySignal();
    void sendFullCalibraComprehensiveVerifySignal();
    void sendFullCalibraSetCalTimeSignal(uint colTotalTime);
    void sendFullCalibraDefaultSignal();
    void sendFullCalibraSetBlackbodyTempSignal(int nLowTemp, int nHighTemp);
    // Both calibration pages feed it.
    void sendSetRuleWidgetEnableSignal(bool bEnable);

    // Full calibration answers.
    void sendFullCalibraSetCollectConfigRetSignal(bool bRet);
    void sendFullCalibraSetPodEnableRetSignal(bool bRet);
    void sendFullCalibraGetPodEnableRetSignal(bool bRet, uint nEnable);
    void sendFullCalibraSaveConfigRetSignal(bool bRet);
    void sendFullCalibraSaveCalibrateRectRetSignal(bool bRet);
    void sendFullCalibraCollectRetSignal(bool bRet);
    void sendFullCalibraCalibrateRetSignal(bool bRet);
    void sendFullCalibraSingleGearVerifyRetSignal(bool bRet);
    void sendFullCalibraComprehensiveVerifyRetSignal(bool bRet);
    void sendFullCalibraSetCalTimeRetSignal(bool bRet);
    void sendFullCalibraDefaultRetSignal(bool bRet);
    void sendFullCalibrationBlackbodyTempRetSignal(bool bRet);

    // Second calibration requests, re-emitted under the page's names.
    void sendSecCalibraInitSignal();
    void sendGetBalancedStateSignal();
    void sendSetCalibrationRectSignal();
    void sendCalibrateSignal(int nState);
    void sendSaveCalibrationRectSignal();
    void sendGetCalibrationResultSignal();
    void sendSetCalibrationTimeSignal();
    void sendSetCalibrationDefaultSignal();
    void sendGetCalibraProgSignal();
    void sendUpdateRulesParamsSignal();
    void sendSetCalibrationBlackbodyTempSignal(int nLowTemp, int nHighTemp);

    // Second calibration answers.
    void sendGetBalancedStateRetSignal(bool bRet, int nState);
    void sendSetCalibrationRectRetSignal(bool bRet, const USBSDK_Rules& stRules);
    void sendCalibrateRetSignal(bool bRet);
    void sendSaveCalibrationRectRetSignal(bool bRet);
    void sendGetCalibrationResultRetSignal(bool bRet, const USBSDK_TemperatureCalibraResult& stResult);
    void sendSaveSecCalibraTimeRetSignal(bool bRet);
    void sendSetCalibrationDefaultRetSignal(bool bRet);
    void sendGetCalibraProgRetSignal(bool bRet, int nProgress);
    void sendSecCalibrationBlackbodyTempRetSignal(bool bRet);

    // Gain-mode page requests and answers.
    void sendGetGainModeSignal();
    void sendSetGainModeSignal(int nMode);
    void sendSaveGainModeSignal();
    void sendGetLowTempTwoGearSignal();
    void sendSetLowTempTwoGearSignal(int nAuto, int nGear);
    void sendGetGainModeRetSignal(bool bRet, int nMode);
    void sendSetGainModeRetSignal(bool bRet, int nMode);
    void sendSaveImageParamRetSignal(bool bRet);
    void sendGetLowTempTwoGearRetSignal(bool bRet, int nAuto, int nGear);
    void sendSetLowTempTwoGearRetSignal(bool bRet);

public slots:
    void setSecondCalibrationWidgetShowSlot();
    void setFullCalibrationWidgetShowSlot();
    void getGainModeRetSlot(bool bRet, int nMode);
    void setGainModeRetSlot(bool bRet, int nMode);

private:
    StandInLog calls_;
};
