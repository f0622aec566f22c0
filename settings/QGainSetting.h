// The "GainSetting" page of the image parameter panel: the camera's auto
// gain value. Its gain mode row (low or high temperature) is built and kept
// hidden: the gain mode the user switches lives in the live side panel's
// gain page, whose object name this page shares, so one style rule styles
// both.
//
// Requests leave as signals that the panel wires to the image parameter
// worker; the auto gain read-back comes into its slot and is shown without a
// request. GUI thread only.
#pragma once

#include <QWidget>

class QCombineImageParamWidget;
class QLabel;
class QRadioButton;

class QGainSetting : public QWidget {
    Q_OBJECT
public:
    // Camera values of the gain mode.
    enum GainMode { LowTemperMode = 0, HighTemperMode = 1 };

    explicit QGainSetting(QWidget* parent = nullptr);

    // Enables the auto gain control for a connected, awake camera.
    void refreshDeviceSupport();
    // Sends the default auto gain: 100 for a camera whose software version
    // has "N6" at characters 8 and 9, else 1.
    void restoreDefault();

    QCombineImageParamWidget* autoGainControl() const { return autoGain_; }
    QRadioButton* lowButton() const { return lowBtn_; }
    QRadioButton* highButton() const { return highBtn_; }

signals:
    void setGainModeSignal(int nMode);
    void setGainAutoSignal(int nValue);

public slots:
    void setGainAutoSlot(bool bRet, int nValue);
    void setGainModeSlot(bool bRet, int nMode);

private slots:
    void setLowTemperBtnSlots();
    void setHighTemperBtnSlots();

protected:
    void changeEvent(QEvent* event) override;

private:
    void initUI();
    void initConnect();
    void retranslateTexts();
    void checkMode(bool high);

    QLabel* autoGainLabel_ = nullptr;               // child
    QCombineImageParamWidget* autoGain_ = nullptr;  // child
    QLabel* modeLabel_ = nullptr;                   // child
    QRadioButton* lowBtn_ = nullptr;                // child
    QRadioButton* highBtn_ = nullptr;               // child
};
