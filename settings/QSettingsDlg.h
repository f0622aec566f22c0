// The general settings page under the "Settings" section of the settings
// panel: the snapshot folder kept in Config.ini and opened in the file
// browser, and the camera's cross cursor, image flip, super resolution, raw
// data type and video output interface, its restart and its factory restore.
//
// Camera reads and writes leave as request signals, which the panel relays
// to the device-command worker; the answers come back into the result
// slots. The page asks the camera SDK itself only whether a camera is
// connected and whether it has super resolution and a raw data type switch.
// Values the program puts into the controls (read-backs, refusals put
// back) never send a request. GUI thread only.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLoadingMsgDlg;
class QPushButton;
class QRadioButton;
class QSelLineEdit;
class SwitchButton;

class QSettingsDlg : public QWidget {
    Q_OBJECT
public:
    // Output interfaces by the camera's mode number.
    enum OutputMode { BTOutput = 0, MIPIOutput, USBOutput, UVCOutput, OutputModeCount };

    explicit QSettingsDlg(QWidget* parent = nullptr);

    // Enables the camera controls for a connected camera, shows the super
    // resolution and raw type rows when it has them, and asks the worker for
    // the current values of every shown row.
    void refreshDeviceSupport();

    // The controls, for tests.
    QSelLineEdit* snapshotPathEdit() const { return snapshotPathEdit_; }
    QPushButton* openSnapshotPathButton() const { return openButton_; }
    SwitchButton* crossCursorSwitch() const { return crossSwitch_; }
    QComboBox* crossCursorCombo() const { return crossCombo_; }
    QComboBox* imageFlipCombo() const { return flipCombo_; }
    QWidget* superResolutionRow() const { return svpWidget_; }
    QRadioButton* superResolutionOpen() const { return svpOpen_; }
    QRadioButton* superResolutionClose() const { return svpClose_; }
    QWidget* rawTypeRow() const { return rawWidget_; }
    QRadioButton* grayScaleRadio() const { return grayRadio_; }
    QRadioButton* temperatureRadio() const { return tempRadio_; }
    QWidget* outputRow() const { return outputWidget_; }
    QRadioButton* outputRadio(int nMode) const { return outputRadios_.at(size_t(nMode)); }
    QPushButton* restartButton() const { return restartButton_; }
    QPushButton* restoreButton() const { return restoreButton_; }
    QLoadingMsgDlg* waitDialog() const { return wait_; }
    // Every row label, top to bottom.
    QList<QLabel*> rowLabels() const;

signals:
    void sendShowCrossCursorSignal(int nEnable, int nColor);
    void sendGetCrossCursorSignal();
    void sendSetImageFlipModeSignal(int nFlipMode);
    void sendGetImageFlipModeSignal();
    void sendFlipChangedStateSignal(int nFlip);
    void sendRebootDeviceSignal();
    void RestoreDeviceSignals();
    void ReconnectDeviceSignals();
    void sendOutputModeSwitchSignal(int nMode);
    void sendGetOutputModeSignal();
    void sendSetSuperResolutionModeSignal(int nMode);
    void sendGetSuperResolutionModeSignal();
    void sendSetThermalRawTypeSignal(int nType);
    void sendGetThermalRawTypeSignal();

public slots:
    void getCrossCursorRetSlot(bool bRet, int nEnable, int nColor);
    void setImageFlipModeRetSlot(bool bRet);
    void getImageFlipModeRetSlot(bool bRet, int nFlipMode);
    void setRebootDeviceRetSlot(bool bRet);
    void setRestoreDeviceRetSlot(bool bRet);
    void setOutputModeSwitchRetSlot(bool bRet);
    void setGetOutputModeRetSlot(bool bRet, int nMode);
    // Shows the output interface row while the navigation column's
    // Advanced Settings entry is unlocked.
    void setOutputSwitchShowSlot(bool bShow);
    void setSuperResolutionModeRetSlot(bool bRet);
    void setGetSuperResolutionModeRetSlot(bool bRet, int nEnable);
    void setThermalRawTypeRetSlot(bool bRet);
    void getThermalRawTypeRetSlot(bool bRet, int nType);

private slots:
    void setManualSnapshotPathSelSlots();
    void setSaveBtnSlots();
    void setOpenSnapPathBtnSlots();
    void setCrossCursorBtnSlot(bool bChecked);
    void setCrossCursorComboBoxSlot(int nType);
    void setImageFlipComboBoxSlot(int nFlip);
    void RestartDeviceSlot();
    void RestoreSetSlot();
    void setBTOutputBtnSlot();
    void setMIPIOutputBtnSlot();
    void setUSBOutputBtnSlot();
    void setUVCOutputBtnSlot();
    void setSuperResolutionModeBtnSlot();
    void setThermalTempDataTypeBtnSlot();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The row labels, top to bottom.
    enum Label {
        PathLabel,
        CrossCursorLabel,
        FlipLabel,
        SuperResolutionLabel,
        RestartLabel,
        RestoreLabel,
        RawTypeLabel,
        OutputLabel,
        LabelCount
    };

    void initUI();
    void initConnect();
    void retranslateTexts();
    // Restart and factory restore: the guards (a sleeping camera only when
    // bSleepRefused), the question, then the request and the wait dialog.
    void askRestart(bool bSleepRefused, const QString& title, const QString& text, void (QSettingsDlg::*request)());
    // Their answer: the wait dialog closed, then failure shown or the
    // camera left to restart.
    void endRestart(bool bRet, const QString& failure);
    // The output radio of the user's click: asks, then sends or puts the
    // stored mode back.
    void askOutputMode(int nMode);
    // Checks the radio of nMode; false, with nothing checked anew, for a
    // number that is no mode.
    bool setOutputModeBtnChecked(int nMode);
    // Refusals shown before a camera change: sleeping, then frozen. True
    // when the change may go ahead.
    bool cameraAcceptsChange();

    std::array<QLabel*, LabelCount> labels_{};                   // children
    QSelLineEdit* snapshotPathEdit_ = nullptr;                   // child
    QPushButton* openButton_ = nullptr;                          // child
    QLabel* lineLabel_ = nullptr;                                // child
    QComboBox* crossCombo_ = nullptr;                            // child
    SwitchButton* crossSwitch_ = nullptr;                        // child
    QComboBox* flipCombo_ = nullptr;                             // child
    QWidget* svpWidget_ = nullptr;                               // child
    QRadioButton* svpOpen_ = nullptr;                            // child of svpWidget_
    QRadioButton* svpClose_ = nullptr;                           // child of svpWidget_
    QButtonGroup* svpGroup_ = nullptr;                           // child
    QPushButton* restartButton_ = nullptr;                       // child
    QPushButton* restoreButton_ = nullptr;                       // child
    QWidget* rawWidget_ = nullptr;                               // child
    QRadioButton* grayRadio_ = nullptr;                          // child of rawWidget_
    QRadioButton* tempRadio_ = nullptr;                          // child of rawWidget_
    QButtonGroup* rawGroup_ = nullptr;                           // child
    QWidget* outputWidget_ = nullptr;                            // child
    std::array<QRadioButton*, OutputModeCount> outputRadios_{};  // children of outputWidget_, by mode
    QButtonGroup* outputGroup_ = nullptr;                        // child
    QLoadingMsgDlg* wait_ = nullptr;                             // child

    QString recordPath_;  // as loaded; written back beside every saved snapshot path
    // The last values the camera confirmed or was sent; a refused change
    // puts the controls back on them.
    bool crossEnabled_ = false;
    int crossColor_ = 0;
    int flipIndex_ = 0;
    int outputMode_ = UVCOutput;
    // What the super resolution and raw type radios showed before the
    // user's click (-1 none checked), and what the click asked for.
    int svpShown_ = -1;
    int svpAsked_ = -1;
    int rawShown_ = -1;
    int rawAsked_ = -1;
};
