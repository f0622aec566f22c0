// A slider with a numeric field and plus / minus step buttons for one integer
// image parameter. The slider holds the value: every change of it made by the
// user is reported once through sendValueChangedSignal.
#pragma once

#include <QWidget>

class CSlider;
class QCustomLineEdit;
class QPushButton;

class QCombineImageParamWidget : public QWidget {
    Q_OBJECT
public:
    explicit QCombineImageParamWidget(QWidget* parent = nullptr);

    // Shows v on the field and the slider without emitting anything.
    void setValue(int v);
    // Range 0..nMax on the slider and the field.
    void setMaxValue(int nMax);
    // Call after setMaxValue.
    void setMinValue(int nMin);
    // The value field's text (which may differ from the slider while typing).
    QString text() const;

signals:
    void sendValueChangedSignal(int nValue);

public slots:
    void setPlusBtnSlot();
    void setMinusBtnSlot();
    void setSliderValueSlot(int nValue);
    void setLineEditValueSlot(QString qstrValue);

private:
    void updateStepButtons(int v);

    QCustomLineEdit* lineEdit_;
    QPushButton* plusBtn_;
    QPushButton* minusBtn_;
    CSlider* slider_;
    int max_ = 0;
    int min_ = 0;
};
