// The side panel beside the live video: an accordion of header buttons,
// each over the page it opens. The rule temperature table opens and closes
// on its own; of the other five pages (gain mode, rule property, global
// thermal settings, second calibration, isotherm) at most one is open. The
// second calibration and isotherm headers are never shown. An open page
// takes the room it needs from the result table, down to a few rows.
//
// The panel is the one object through which the live page talks to the
// pages: it re-emits their requests under its own signals and hands results
// and live data down. Until the five pages are built each is an empty
// placeholder of its object name, so the accordion works; their results
// reach nothing yet. GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

#include "FoldSections.h"
#include "MetaTypes.h"
#include "RuleTemperResult.h"

class QGainModeSwitch;
class QGlobalThermalSetting;
class QIconTextRBtn;
class QIsothermParams;
class QRuleParamSet;
class QSecondCalibration;
class QVBoxLayout;
class QVideoTemperResult;

class QPreviewModuleWidget : public QWidget {
    Q_OBJECT
public:
    // The headers with their pages, in layout order; the isotherm pair is
    // kept outside the layout.
    enum Section {
        TemperResultSection = 0,
        GainModelSection,
        RulePropertySection,
        GlobalThermalSection,
        SecondCalibrationSection,
        IsothermSection,
        SectionCount
    };

    explicit QPreviewModuleWidget(QWidget* parent = nullptr);

    QVideoTemperResult* resultTable() const { return result_; }
    QIconTextRBtn* header(Section section) const { return folds_.header(section); }
    QWidget* page(Section section) const { return folds_.page(section); }
    // Whether the header shows the open arrow set.
    bool isHeaderOpen(Section section) const { return folds_.isOpen(section); }
    // The last gain mode answer, read or write: (bRet, nMode).
    QGainModeSwitch* gainPage() const { return gainPage_; }
    QRuleParamSet* ruleParamPage() const { return ruleParamPage_; }
    QGlobalThermalSetting* globalPage() const { return globalPage_; }
    QSecondCalibration* secondCalibrationPage() const { return secondCalibrationPage_; }
    QIsothermParams* isothermPage() const { return isothermPage_; }

    // Direct operations of the live page.
    // One rule's measured result, to the result table.
    void showRuleResult(const RuleTemperResult& result);
    // One rule whose reading failed, to the result table.
    void showRuleResultUnavailable(const RuleTemperResult& result);
    // The camera's common measurement parameters: stored as the live global
    // parameter block.
    void setGlobalTemperParam(const USBSDK_GlobalTemperParam& param);
    // Reloads the rule property page's fields.
    void refreshRuleParam();
    // Puts the global thermal page's refresh-time choice back to its first
    // entry.
    void resetRefreshTime();
    // Sends the global thermal page's refresh-time choice as it stands (the
    // live page calls it when the thermal function opens, so a choice made
    // without a camera takes effect).
    void applyRefreshTime();

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
    // Header toggles: the result table on its own, the others as one
    // accordion.
    void setTemperResultDlgShowSlots();
    void setGainSettingDlgShowSlots();
    void setParamSetDlgShowSlots();
    void setGlobalThermSettingDlgShowSlots();
    void setSecondCalibrationDlgShowSlot();
    void setIsothermDlgShowSlots();
    // Shows or hides the result table; hiding also closes every other page.
    void setAllDlgShowSlot(bool bShow);
    void setItemDeleteSlots(quint32 key);
    void setItemSelectSlots(quint32 key);
    // Relays: each re-emits its signal.
    void setUpdateRuleInfoSlots();
    void setUpdateGlobalInfoSlots();
    void setColorizationChangeSlot(bool bOn, int nColor);
    void sendGetIsothermStatusSlot();
    void setIsothermFuncSlot(int nColor, const USBSDK_IsothermParams& stIsotherm);
    void setThermRefreshTimeSlot(int nTime);
    void onFullScreenThermEnableSwitchSlot(bool bEnable);
    void setGainModeSlot(int nMode);
    // Results for the isotherm and gain pages.
    void getIsothermStatusRetSlot(bool bRet, const USBSDK_IsothermParams& stIsotherm, int nColor);
    void setIsothermStatusRetSlot(bool bRet);
    void getGainModeRetSlot(bool bRet, int nMode);
    void setGainModeRetSlot(bool bRet, int nMode);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildForm();
    QWidget* createPage(Section section);
    void connectHeaders();
    void connectPages();
    void retranslate();
    // Opens the page of an accordion section and closes the others, or
    // closes it when it is open.
    void toggleAccordionPage(Section section);
    // Lowers the result table's minimum height so that an open page fits
    // the panel's height beside it.
    void fitResultTable();

    QVBoxLayout* outerLayout_ = nullptr;                  // owned by this widget
    QVBoxLayout* innerLayout_ = nullptr;                  // owned by outerLayout_
    QVideoTemperResult* result_ = nullptr;                // child, also the result section's page
    FoldSections folds_;  // the headers and pages, children
    QGainModeSwitch* gainPage_ = nullptr;                  // child, also a page
    QRuleParamSet* ruleParamPage_ = nullptr;               // child, also a page
    QGlobalThermalSetting* globalPage_ = nullptr;          // child, also a page
    QSecondCalibration* secondCalibrationPage_ = nullptr;  // child, also a page
    QIsothermParams* isothermPage_ = nullptr;              // child, also a page
};
