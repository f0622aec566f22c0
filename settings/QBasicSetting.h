// The "BasicSetting" page of the image parameter panel: the camera's
// palette, image style, brightness, contrast, sharpness and the two noise
// reductions.
//
// Every value the user produces leaves at once as a request signal, which
// the panel wires to the image parameter worker; the worker's read-backs
// come into the result slots and are shown with the controls' signals
// blocked, so they never send a request. The palette goes its own way: its
// request leaves through the panel and the module page to the live page,
// which selects the palette here once the camera took it. GUI thread only.
#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QCombineImageParamWidget;
class QLabel;

class QBasicSetting : public QWidget {
    Q_OBJECT
public:
    // The value controls, top to bottom.
    enum Value { BrightnessValue = 0, ContrastValue, SharpnessValue, Noise2DValue, Noise3DValue, ValueCount };

    explicit QBasicSetting(QWidget* parent = nullptr);

    // Shows the image style row when the camera has image styles; enables
    // the controls for a connected, awake camera (the palette choice only
    // while the live view has not locked it) and disables them otherwise.
    void refreshDeviceSupport();
    // Sets every control to its default and sends it: palette 0, image
    // style 0 where the camera has styles, brightness 50, contrast 50,
    // sharpness 60, both noise reductions 50.
    void restoreDefault();
    // Enables or disables the palette choice; false locks it against
    // refreshDeviceSupport until true releases it.
    void setFalseColEnabled(bool bEnable);
    // Selects the palette of number nValue; with none such the selection
    // stays.
    void setFalseColCurIndex(int nValue);
    // Refills the palette list for the connected camera: the newer ten
    // palettes or the older eighteen.
    void updateFalseColorList();

    QComboBox* paletteCombo() const { return colorCombo_; }
    QComboBox* styleCombo() const { return styleCombo_; }
    QLabel* styleLabel() const { return styleLabel_; }
    QCombineImageParamWidget* valueControl(Value v) const { return values_.at(v); }
    bool isPaletteLocked() const { return paletteLocked_; }

signals:
    void setBrightnessSignal(int nValue);
    void setContrastSignal(int nValue);
    void setSharpnessSignal(int nValue);
    // Declared for the detail enhancement row, which has no control.
    void setLCESignal(int nValue);
    void sendFalseColIndexSignals(int nIndex);
    void setNoise2DSignal(int nValue);
    void setNoise3DSignal(int nValue);
    void sendSetIspModeSignal(int nMode);

public slots:
    void setBasicBrightnessSlot(bool bRet, int nValue);
    void setBasicContrastSlot(bool bRet, int nValue);
    void setBasicSharpnessSlot(bool bRet, int nValue);
    // Reached by no read: the detail enhancement row has no control.
    void setBasicLCESlot(bool bRet, int nValue);
    void onColorComboxSelectSlots();
    void setEnhanceNoise2DSlot(bool bRet, int nValue);
    void setEnhanceNoise3DSlot(bool bRet, int nValue);
    void getIspModeRetSlot(bool bRet, int nMode);
    void onIspModeComboxSelectSlot(int index);
    void setIspModeRetSlot(bool bRet);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every label of the page, top to bottom.
    enum Text {
        PaletteText,
        StyleText,
        BrightnessText,
        ContrastText,
        SharpnessText,
        DetailText,
        AirspaceText,
        TimeDomainText,
        TextCount
    };

    void initUI();
    void initConnect();
    void retranslateTexts();
    void fillPalettes(bool newer);
    // A read-back of one value control.
    void showReadBack(Value v, bool bRet, int nValue, const char* failure);

    std::array<QLabel*, TextCount> labels_{};                     // children
    std::array<QCombineImageParamWidget*, ValueCount> values_{};  // children
    QComboBox* colorCombo_ = nullptr;                             // child
    QComboBox* styleCombo_ = nullptr;                             // child
    QLabel* styleLabel_ = nullptr;                                // child, also labels_[StyleText]
    bool paletteLocked_ = false;
    int restoreIspAnswers_ = 0;  // answers to the restore's image style requests still to come
};
