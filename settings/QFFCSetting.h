// The "FFCSetting" page of the image parameter panel: the camera's
// flat-field correction mode (automatic or manual), the period of the
// automatic correction, a one-shot shutter correction and a background
// correction whose row is built but stays hidden.
//
// Requests leave as signals that the panel wires to the image parameter
// worker; read-backs and action results come into the slots. The period's
// unit, minutes on a cooled camera and seconds otherwise, is only shown:
// the number goes to the camera unchanged. GUI thread only.
#pragma once

#include <QWidget>

class QCombineImageParamWidget;
class QLabel;
class QPushButton;
class QRadioButton;

class QFFCSetting : public QWidget {
    Q_OBJECT
public:
    // Camera values of the mode.
    enum FfcMode { ManualMode = 0, AutoMode = 1 };
    // The least period the panel saves.
    static constexpr int kMinPeriod = 10;

    explicit QFFCSetting(QWidget* parent = nullptr);

    // Enables the controls for a connected, awake camera and shows the
    // period's unit.
    void refreshDeviceSupport();
    // Automatic mode, then the default period (60 on a cooled camera, 360
    // otherwise), each sent.
    void restoreDefault();
    // Whether the period field's text is a number of at least 10.
    bool isFFCTimeValid() const;

    QRadioButton* autoButton() const { return autoBtn_; }
    QRadioButton* manualButton() const { return manualBtn_; }
    QCombineImageParamWidget* periodControl() const { return period_; }
    QLabel* periodLabel() const { return periodLabel_; }
    QLabel* unitLabel() const { return unitLabel_; }
    QPushButton* shutButton() const { return shutBtn_; }
    QPushButton* backgroundButton() const { return bgBtn_; }

signals:
    void setFFCModeSignal(int nMode);
    void setFFCTimeSignal(int nTime);
    void sendShutterCorrectSignal();
    void sendBackgroundFFCSignal();

private slots:
    void setAutoBtnSlots();
    void setManualBtnSlots();
    void setShutBtnSlots();
    void setBackgroundFFCBtnSlots();

public slots:
    void setFFCModeSlot(bool bRet, int nMode);
    void setFFCTimeSlot(bool bRet, int nValue);
    void setShutterCorrectRetSlot(bool bRet);
    void setBackgroundFFCRetSlot(bool bRet);

protected:
    void changeEvent(QEvent* event) override;

private:
    void initUI();
    void initConnect();
    void retranslateTexts();
    // Checks the button of the mode and shows the period row in automatic
    // mode only.
    void showMode(bool automatic);

    QLabel* modeLabel_ = nullptr;              // child
    QRadioButton* autoBtn_ = nullptr;          // child
    QRadioButton* manualBtn_ = nullptr;        // child
    QLabel* periodLabel_ = nullptr;            // child
    QCombineImageParamWidget* period_ = nullptr;  // child
    QLabel* unitLabel_ = nullptr;              // child
    QLabel* shutLabel_ = nullptr;              // child
    QPushButton* shutBtn_ = nullptr;           // child
    QLabel* bgLabel_ = nullptr;                // child
    QPushButton* bgBtn_ = nullptr;             // child
};
