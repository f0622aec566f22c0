// The settings module page (module 1) as the live page wires it: the
// general settings, firmware update and lens pages send their requests up
// under the module's signals, which the live page connects to its
// device-command worker, and the worker's answers come back down under
// module signals of the same signatures.
//
// Until those pages land the module has none: its four notice slots pass
// on as described, its refresh is counted in calls(), and isUpdating()
// answers what setUpdating() was told (no firmware update runs here).
#pragma once

#include <QWidget>

#include "StandInLog.h"

class QSettingModule : public QWidget {
    Q_OBJECT
public:
    explicit QSettingModule(QWidget* parent = nullptr);

    // Refresh on showing module 1 and on every change of the connection.
    void updateFocusBtnVisible();
    // True while a firmware update runs.
    bool isUpdating() const { return updating_; }
    void setUpdating(bool updating) { updating_ = updating; }
    const StandInLog& calls() const { return calls_; }

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
    StandInLog calls_;
    bool updating_ = false;
};
