// The settings module page (module 1): it holds the settings panel with
// the general settings, firmware update and lens pages, and offers the
// live page the panel's requests and notices under signals of the same
// names, which the live page connects to its device-command worker; the
// worker's answers come back down under module signals of the same
// signatures. GUI thread only.
#pragma once

#include <QWidget>

class QSettingCtrl;

class QSettingModule : public QWidget {
    Q_OBJECT
public:
    explicit QSettingModule(QWidget* parent = nullptr);

    // Refresh on showing module 1 and on every change of the connection.
    void updateFocusBtnVisible();
    // True while a firmware update runs: the live page does not take the
    // camera's leaving the bus for an unplug then.
    bool isUpdating() const;
    QSettingCtrl* panel() const { return ctrl_; }

signals:
    // Notices of the pages to the live page.
    void sendTitleStatusChangeSignals();
    void ReconnectDeviceSignals();
    void RestoreDeviceSignals();
    void sendFlipChangedStateSignal(int nFlip);
    // Declared for the live page's wiring; nothing emits them.
    void sendDataModelSignals();
    void sendLanguageChangedSignal(int nLangType);
    // Down to the settings and update pages.
    void sendUSBUpdateShowSignals(bool bShow);

    // Requests to the device-command worker.
    void sendShowCrossCursorSignal(int nEnable, int nColor);
    void sendGetCrossCursorSignal();
    void sendSetImageFlipModeSignal(int nFlipMode);
    void sendGetImageFlipModeSignal();
    void sendRebootDeviceSignal();
    void sendOutputModeSwitchSignal(int nMode);
    void sendGetOutputModeSignal();
    void sendSetSuperResolutionModeSignal(int nMode);
    void sendGetSuperResolutionModeSignal();
    void sendGetFocusModeSignal();
    void sendSetFocusModeSignal(int nMode);
    void sendSetAutoFocusSignal();
    void sendZoomBtnClickedSignal(int nDirection);
    void sendZoomBtnPressedSignal(int nDirection);
    void sendFocusBtnClickedSignal(int nDirection);
    void sendFocusBtnPressedSignal(int nDirection);
    void sendSetThermalRawTypeSignal(int nType);
    void sendGetThermalRawTypeSignal();

    // The worker's answers, relayed to the pages.
    void sendRestoreDeviceRetSignal(bool bRet);
    void sendGetCrossCursorRetSignal(bool bRet, int nEnable, int nColor);
    void sendSetImageFlipModeRetSignal(bool bRet);
    void sendGetImageFlipModeRetSignal(bool bRet, int nFlipMode);
    void sendRebootDeviceRetSignal(bool bRet);
    void sendOutputModeSwitchRetSignal(bool bRet);
    void sendGetOutputModeRetSignal(bool bRet, int nMode);
    void sendSetSuperResolutionModeRetSignal(bool bRet);
    void sendGetSuperResolutionModeRetSignal(bool bRet, int nEnable);
    void sendGetFocusModeRetSignal(bool bRet, int nMode);
    void sendSetFocusFuncRetSignal(bool bRet);
    void sendSetThermalRawTypeRetSignal(bool bRet);
    void sendGetThermalRawTypeRetSignal(bool bRet, int nType);

public slots:
    void setTitleStatusChangeSlots();
    void ReconnectDeviceSlots();
    void RestoreDeviceSlots();
    void setUSBUpdateShowSlots(bool bShow);

private:
    QSettingCtrl* ctrl_;  // child
};
