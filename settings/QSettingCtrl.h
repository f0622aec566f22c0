// The settings panel of module 1: three fold-out sections, each a header
// button over its page — the general settings, the firmware update and the
// lens focus and zoom — of which at most one is open. The lens section is
// offered only for a connected cooled camera.
//
// The panel carries its pages' requests up and the worker's answers down
// under signals of the same names as the pages' and the module's (see
// SettingRelays.h). GUI thread only.
#pragma once

#include <QWidget>

#include "FoldSections.h"

class QFocusWidget;
class QIconTextRBtn;
class QSettingsDlg;
class QUpdate;
class QVBoxLayout;

class QSettingCtrl : public QWidget {
    Q_OBJECT
public:
    // The sections, top to bottom.
    enum Section { SettingsSection = 0, UpdateSection, FocusSection };
    // Page ids of the sections, as the current page id holds them.
    enum PageId { SettingsPageId = 2, UpdatePageId = 4, FocusPageId = 9 };

    explicit QSettingCtrl(QWidget* parent = nullptr);

    // On showing module 1 and on every connection change: the lens section
    // follows the camera (and closes without one), then the current page is
    // refreshed.
    void updateFocusBtnVisible();
    // True while a firmware update runs.
    bool isUpdating() const;

    int currentPageId() const { return currentPageId_; }
    QSettingsDlg* settingsPage() const { return settings_; }
    QUpdate* updatePage() const { return update_; }
    QFocusWidget* focusPage() const { return focus_; }
    const FoldSections& sections() const { return folds_; }

signals:
    // Notices of the pages to the live page, and the USB update rows down.
    void sendTitleStatusChangeSignals();
    void ReconnectDeviceSignals();
    void RestoreDeviceSignals();
    void sendUSBUpdateShowSignals(bool bShow);

    // Requests of the pages.
    void sendShowCrossCursorSignal(int nEnable, int nColor);
    void sendGetCrossCursorSignal();
    void sendSetImageFlipModeSignal(int nFlipMode);
    void sendGetImageFlipModeSignal();
    void sendFlipChangedStateSignal(int nFlip);
    void sendRebootDeviceSignal();
    void sendOutputModeSwitchSignal(int nMode);
    void sendGetOutputModeSignal();
    void sendSetSuperResolutionModeSignal(int nMode);
    void sendGetSuperResolutionModeSignal();
    void sendSetThermalRawTypeSignal(int nType);
    void sendGetThermalRawTypeSignal();
    void sendGetFocusModeSignal();
    void sendSetFocusModeSignal(int nMode);
    void sendSetAutoFocusSignal();
    void sendZoomBtnClickedSignal(int nDirection);
    void sendZoomBtnPressedSignal(int nDirection);
    void sendFocusBtnClickedSignal(int nDirection);
    void sendFocusBtnPressedSignal(int nDirection);

    // The worker's answers for the pages.
    void sendRestoreDeviceRetSignal(bool bRet);
    void sendGetCrossCursorRetSignal(bool bRet, int nEnable, int nColor);
    void sendSetImageFlipModeRetSignal(bool bRet);
    void sendGetImageFlipModeRetSignal(bool bRet, int nFlipMode);
    void sendRebootDeviceRetSignal(bool bRet);
    void sendOutputModeSwitchRetSignal(bool bRet);
    void sendGetOutputModeRetSignal(bool bRet, int nMode);
    void sendSetSuperResolutionModeRetSignal(bool bRet);
    void sendGetSuperResolutionModeRetSignal(bool bRet, int nEnable);
    void sendSetThermalRawTypeRetSignal(bool bRet);
    void sendGetThermalRawTypeRetSignal(bool bRet, int nType);
    void sendGetFocusModeRetSignal(bool bRet, int nMode);
    void sendSetFocusFuncRetSignal(bool bRet);

public slots:
    // The section toggles.
    void setSettingDlgShowSlots();
    void setUpdateDlgShowSlots();
    void setFocusWidgetShowSlot();

    void setTitleStatusChangeSlots();
    void ReconnectDeviceSlots();
    void RestoreDeviceSlots();
    void setUSBUpdateShowSlots(bool bShow);

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupForm();
    void initSections();
    void initConnect();
    void retranslateTexts();
    // Opens or closes a section's page, the others closed, and refreshes a
    // page that opens.
    void toggleSection(Section section);
    void refreshPage(int pageId);

    QVBoxLayout* sectionsLayout_ = nullptr;  // "verticalLayout_1", owned by the outer layout
    QSettingsDlg* settings_ = nullptr;       // child, the settings section's page
    QUpdate* update_ = nullptr;              // child, the update section's page
    QFocusWidget* focus_ = nullptr;          // child, the lens section's page
    FoldSections folds_;                     // headers and pages, all children
    int currentPageId_ = SettingsPageId;
};
