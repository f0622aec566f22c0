// The "Image mode" page of the image parameter panel, for cameras with the
// pseudo isotherm: switches it on or off with a lower and an upper limit in
// whole degrees Celsius. The fields take one decimal; a typed fraction is
// rounded to the nearest whole degree, within -999..999.
//
// The request leaves as a signal that the panel wires to the image
// parameter worker and its result comes back into a slot. Nothing is read
// back from the camera. GUI thread only.
#pragma once

#include <QWidget>

class QCustomLineEdit;
class QLabel;
class QPushButton;
class SwitchButton;

class QImageModeWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLimitRange = 999;

    explicit QImageModeWidget(QWidget* parent = nullptr);

    // A limit field's text as whole degrees: rounded to the nearest, within
    // -999..999; a text that is no number is 0.
    static short limitFromText(const QString& text);

    SwitchButton* enableSwitch() const { return enable_; }
    QCustomLineEdit* maxLimitEdit() const { return maxEdit_; }
    QCustomLineEdit* minLimitEdit() const { return minEdit_; }
    QPushButton* setButton() const { return setBtn_; }

signals:
    void sendPseudoIsothermSignal(bool bEnable, short sMinLimit, short sMaxLimit);

public slots:
    // "Set" clicked.
    void setPseudoIsothermModeSlot();
    void setPseudoIsothermModeRetSlot(bool bRet);

protected:
    void changeEvent(QEvent* event) override;

private:
    void initUI();
    void initConnect();
    void retranslateTexts();

    QLabel* titleLabel_ = nullptr;     // child
    QLabel* enableLabel_ = nullptr;    // child
    SwitchButton* enable_ = nullptr;   // child
    QLabel* maxLabel_ = nullptr;       // child
    QCustomLineEdit* maxEdit_ = nullptr;  // child
    QLabel* minLabel_ = nullptr;       // child
    QCustomLineEdit* minEdit_ = nullptr;  // child
    QPushButton* setBtn_ = nullptr;    // child
};
