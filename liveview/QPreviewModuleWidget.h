// The side panel of the live page as the page wires it: the one object
// through which the page talks to the result table and the gain, rule
// property, global thermal, second calibration and isotherm pages. The
// pages' requests leave under the panel's signals; results come down
// through its slots and its result signals.
//
// Until those pages land the panel holds only the result table. Its relay
// slots re-emit as described; every other slot is counted in calls() and
// remembers what it was told.
#pragma once

#include <QString>
#include <QWidget>

#include "MetaTypes.h"
#include "StandInLog.h"

class QVideoTemperResult;

class QPreviewModuleWidget : public QWidget {
    Q_OBJECT
public:
    explicit QPreviewModuleWidget(QWidget* parent = nullptr);

    QVideoTemperResult* resultTable() const { return result_; }
    bool allDlgShown() const { return allDlgShown_; }
    // The last gain mode answer, read or write: (bRet, nMode).
    bool lastGainModeRet() const { return lastGainRet_; }
    int lastGainMode() const { return lastGainMode_; }
    const StandInLog& calls() const { return calls_; }

signals:
    // Requests of the pages.
    void sendUpdateRuleInfoSignals();
    void sendUpdateGlobalInfoSignales();
    void sendColorizationChangeSignal(bool bOn, int nColor);
    void sendGetIsothermStatusSignal();
    void sendSetIsothermFuncSignal(int nColor, const USBSDK_IsothermParams& stIsotherm);
    void sendSetThermRefreshTimeSignal(int nTime);
    void sendFullScreenThermEnableSwitchSignal(bool bEnable);
    void sendGetGainModeSignal();
    void sendSetGainModeSignal(int nMode);
    void sendSaveGainModeSignal();
    void sendSelectedItemSignal(const QString& strTitle);
    void sendUpdateRulesParamsSignal();
    void sendGetLowTempTwoGearSignal();
    void sendSetLowTempTwoGearSignal(int nAuto, int nGear);
    // The second calibration page's requests; nothing takes them onward.
    void sendGetBalancedStateSignal();
    void sendSetCalibrationRectSignal();
    void sendCalibrateSignal(int nState);
    void sendSaveCalibrationRectSignal();
    void sendGetCalibrationResultSignal();
    void sendSetCalibrationTimeSignal();
    void sendSetCalibrationDefaultSignal();
    void sendGetCalibraProgSignal();
    void sendSetRuleWidgetEnableSignal(bool bEnable);
    void sendSecCalibraInitSignal();
    void sendSetCalibrationBlackbodyTempSignal(int nLowTemp, int nHighTemp);

    // Results the live page hands down to the gain page.
    void sendSaveImageParamRetSignal(bool bRet);
    void sendGetLowTempTwoGearRetSignal(bool bRet, int nAuto, int nGear);
    void sendSetLowTempTwoGearRetSignal(bool bRet);
    // Results for the second calibration page; nothing emits them here.
    void sendGetBalancedStateRetSignal(bool bRet, int nState);
    void sendSetCalibrationRectRetSignal(bool bRet, const USBSDK_Rules& stRules);
    void sendCalibrateRetSignal(bool bRet);
    void sendSaveCalibrationRectRetSignal(bool bRet);
    void sendGetCalibrationResultRetSignal(bool bRet, const USBSDK_TemperatureCalibraResult& stResult);
    void sendSaveSecCalibraTimeRetSignal(bool bRet);
    void sendSetCalibrationDefaultRetSignal(bool bRet);
    void sendGetCalibraProgRetSignal(bool bRet, int nProgress);
    void sendSecCalibrationBlackbodyTempRetSignal(bool bRet);

public slots:
    void setTemperResultDlgShowSlots();
    void setGainSettingDlgShowSlots();
    void setParamSetDlgShowSlots();
    void setGlobalThermSettingDlgShowSlots();
    void setSecondCalibrationDlgShowSlot();
    void setIsothermDlgShowSlots();
    void setAllDlgShowSlot(bool bShow);
    void setItemDeleteSlots(quint32 key);
    void setItemSelectSlots(quint32 key);
    void setUpdateRuleInfoSlots();
    void setUpdateGlobalInfoSlots();
    void setColorizationChangeSlot(bool bOn, int nColor);
    void sendGetIsothermStatusSlot();
    void setIsothermFuncSlot(int nColor, const USBSDK_IsothermParams& stIsotherm);
    void getIsothermStatusRetSlot(bool bRet, const USBSDK_IsothermParams& stIsotherm, int nColor);
    void setIsothermStatusRetSlot(bool bRet);
    void setThermRefreshTimeSlot(int nTime);
    void onFullScreenThermEnableSwitchSlot(bool bEnable);
    void getGainModeRetSlot(bool bRet, int nMode);
    void setGainModeSlot(int nMode);
    void setGainModeRetSlot(bool bRet, int nMode);

private:
    StandInLog calls_;
    QVideoTemperResult* result_ = nullptr;  // child
    bool allDlgShown_ = false;
    bool lastGainRet_ = false;
    int lastGainMode_ = -1;
};
