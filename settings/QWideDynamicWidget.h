// The "Wide dynamic" page of the image parameter panel: switches the
// camera's wide dynamic range processing on or off and, while it is on,
// sets its local and global contrast.
//
// Requests leave as signals that the panel wires to the image parameter
// worker; the read-backs come into the slots and are shown without a
// request. The worker reads the contrasts for any non-zero wide dynamic
// value, while the page shows them for the value 1 only. GUI thread only.
#pragma once

#include <QWidget>

class QCombineImageParamWidget;
class QLabel;
class QRadioButton;

class QWideDynamicWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultContrast = 50;

    explicit QWideDynamicWidget(QWidget* parent = nullptr);

    // Enables the switch and the contrasts for a connected, awake camera.
    void refreshDeviceSupport();
    // Switches on (with the restore flag, so the worker reads nothing back)
    // and sends both contrasts at 50.
    void restoreDefault();

    QRadioButton* openButton() const { return openBtn_; }
    QRadioButton* closeButton() const { return closeBtn_; }
    QCombineImageParamWidget* localControl() const { return local_; }
    QCombineImageParamWidget* globalControl() const { return global_; }
    // Whether the contrast labels and controls are shown.
    bool areContrastsShown() const;

signals:
    void setWideDynamicSignal(int nEnable, bool bRestore);
    void setLocalContrastSignal(int nValue);
    void setGlobalContrastSignal(int nValue);

public slots:
    // Either radio button clicked.
    void setWideDynamicOpenSlot();
    void setBasicWideDynamicSlot(bool bRet, int nValue);
    void setBasicLocalContrastSlot(bool bRet, int nValue);
    void setBasicGlobalContrastSlot(bool bRet, int nValue);

protected:
    void changeEvent(QEvent* event) override;

private:
    void initUI();
    void initConnect();
    void retranslateTexts();
    void showContrasts(bool shown);

    QLabel* switchLabel_ = nullptr;               // child
    QRadioButton* openBtn_ = nullptr;             // child
    QRadioButton* closeBtn_ = nullptr;            // child
    QLabel* localLabel_ = nullptr;                // child
    QCombineImageParamWidget* local_ = nullptr;   // child
    QLabel* globalLabel_ = nullptr;               // child
    QCombineImageParamWidget* global_ = nullptr;  // child
};
