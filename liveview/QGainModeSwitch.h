// The "GainModel" page: switches the detector's gain range (low, high, or
// the extended "Ultimate" range where the camera has it), switches the low
// range between its two gears, automatically or by hand, where the camera
// supports that, and saves the camera's image parameters so the choice
// survives a restart of the camera.
//
// Every camera operation leaves as a request signal, which the host (the
// side panel, the temperature calibration module) relays to the
// device-command worker, and comes back into a result slot. The wait dialog
// is shown while a gain mode or gear request is outstanding and closed by
// its answer. Capability and connection queries run directly on the GUI
// thread. GUI thread only.
#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QLoadingMsgDlg;
class QPushButton;
class QRadioButton;
class QShowEvent;

class QGainModeSwitch : public QWidget {
    Q_OBJECT
public:
    // Gain mode numbers the camera uses.
    enum GainMode { LowTemperMode = 0, HighTemperMode = 1, UltimateMode = 2, GainModeCount };

    explicit QGainModeSwitch(QWidget* parent = nullptr);
    ~QGainModeSwitch() override;

    // Enables the controls by the connection and sleep state and, with a
    // camera, reads its gain mode. Runs on every show of the page; hosts
    // also call it when they refresh.
    void refreshDeviceSupport();

    QRadioButton* modeButton(int nMode) const;
    QRadioButton* autoGearButton() const { return autoGearBtn_; }
    QRadioButton* manualGearButton() const { return manualGearBtn_; }
    QRadioButton* firstGearButton() const { return firstGearBtn_; }
    QRadioButton* secondGearButton() const { return secondGearBtn_; }
    QPushButton* refreshButton() const { return refreshBtn_; }
    QPushButton* saveButton() const { return saveBtn_; }
    QLabel* switchGearLabel() const { return switchGearLabel_; }
    QLoadingMsgDlg* waitDialog() const { return wait_; }
    // Whether the low-temperature two-gear controls are shown.
    bool isTwoGearRowShown() const;
    // The gain mode the camera last reported or accepted; -1 before any.
    int cameraGainMode() const { return cameraMode_; }

signals:
    void sendGetGainModeSignal();
    void sendSetGainModeSignal(int nMode);
    void sendSaveGainModeSignal();
    void sendGetLowTempTwoGearSignal();
    // nAuto 0 automatic, 1 manual; nGear 0 first, 1 second, 2 keeps the gear.
    void sendSetLowTempTwoGearSignal(int nAuto, int nGear);

public slots:
    void getGainModeRetSlot(bool bRet, int nMode);
    // The answer to sendSetGainModeSignal: nMode is the mode requested.
    void setGainModeRetSlot(bool bRet, int nMode);
    void setSaveImageParamRetSlot(bool bRet);
    void getLowTempTwoGearRetSlot(bool bRet, int nAuto, int nGear);
    void setLowTempTwoGearRetSlot(bool bRet);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void setLowTemperBtnSlots();
    void setHighTemperBtnSlots();
    void setUltimateModeBtnSlots();
    // "Auto" and "Manual".
    void setLowTemperAutoGearBtnSlot();
    // "First Gear" and "Second Gear".
    void setLowTemperTwoGearBtnSlot();
    void setRefreshLowTempTwoGearBtnSlot();
    // Save.
    void setGainModeSlot();

private:
    // Every widget that shows a translated text.
    enum Text {
        GainModelText,
        LowTemperText,
        HighTemperText,
        UltimateText,
        SwitchGearText,
        AutoText,
        ManualText,
        GearsText,
        FirstGearText,
        SecondGearText,
        SaveText,
        TextCount
    };
    static constexpr int kTwoGearRowSize = 7;

    void buildForm();
    void connectControls();
    void retranslate();
    void requestGainMode(int nMode);
    void showTwoGearRow(bool shown);
    // Checks the button of a gain mode; with no known mode, none.
    void checkModeButton(int nMode);
    // Gear buttons are for manual gear choice on a usable camera only.
    void updateGearButtonsEnabled();
    static bool isCameraUsable();

    std::array<QWidget*, TextCount> texted_{};                // children, the widgets below
    std::array<QRadioButton*, GainModeCount> modeButtons_{};  // children
    std::array<QWidget*, kTwoGearRowSize> twoGearRow_{};      // children, the widgets below
    QLabel* switchGearLabel_ = nullptr;                       // child
    QPushButton* refreshBtn_ = nullptr;                       // child
    QRadioButton* autoGearBtn_ = nullptr;                     // child
    QRadioButton* manualGearBtn_ = nullptr;                   // child
    QRadioButton* firstGearBtn_ = nullptr;                    // child
    QRadioButton* secondGearBtn_ = nullptr;                   // child
    QPushButton* saveBtn_ = nullptr;                          // child
    QButtonGroup* modeGroup_ = nullptr;                       // child
    QButtonGroup* autoGroup_ = nullptr;                       // child
    QButtonGroup* gearGroup_ = nullptr;                       // child
    QLoadingMsgDlg* wait_ = nullptr;                          // child
    // What the camera runs as far as the page knows: a refused request puts
    // the buttons back to it.
    int cameraMode_ = -1;
};
