// The lens page of the settings panel, for cooled cameras with a motorised
// lens: focus mode (manual or automatic), one automatic focus run, and zoom
// and focus in either direction. A short click on a lens button sends one
// step; holding it starts a continuous move that its release stops.
//
// The page talks to no camera itself: every action leaves as a signal that
// the settings panel relays to the device-command worker, whose answers come
// back into the slots below. Only the connection test is a direct SDK call.
// GUI thread only.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLongPressBtn;
class QPushButton;

class QFocusWidget : public QWidget {
    Q_OBJECT
public:
    // Direction codes of the zoom and focus signals.
    enum Direction { AntiClockwise = 0, Clockwise = 1, Stop = 2 };
    // Focus modes, also the combo box indexes.
    enum FocusMode { ManualFocus = 0, AutoFocus = 1 };

    explicit QFocusWidget(QWidget* parent = nullptr);

    // Asks the camera for its focus mode when one is connected.
    void requestFocusMode();

    QComboBox* focusModeComboBox() const { return focusModeComboBox_; }
    QPushButton* autoFocusButton() const { return autoFocusBtn_; }
    QLongPressBtn* zoomClockwiseButton() const { return zoomClockwiseBtn_; }
    QLongPressBtn* zoomAntiClockwiseButton() const { return zoomAntiClockwiseBtn_; }
    QLongPressBtn* focusClockwiseButton() const { return focusClockwiseBtn_; }
    QLongPressBtn* focusAntiClockwiseButton() const { return focusAntiClockwiseBtn_; }

signals:
    void sendGetFocusModeSignal();
    void sendSetFocusModeSignal(int nMode);
    void sendSetAutoFocusSignal();
    void sendZoomBtnClickedSignal(int nDirection);
    void sendZoomBtnPressedSignal(int nDirection);
    void sendFocusBtnClickedSignal(int nDirection);
    void sendFocusBtnPressedSignal(int nDirection);

public slots:
    void setGetFocusModeRetSlot(bool bRet, int nMode);
    void onFocusModeComboxSelectSlot(int nMode);
    void setAutoFocusBtnSlot();
    void setZoomClockwiseClickedSlot();
    void setZoomAntiClockwiseClickedSlot();
    void setZoomClockwisePressedSlot();
    void setZoomAntiClockwisePressedSlot();
    void setZoomReleaseSlot();
    void setFocusClockwiseClickedSlot();
    void setFocusAntiClockwiseClickedSlot();
    void setFocusClockwisePressedSlot();
    void setFocusAntiClockwisePressedSlot();
    void setFocusReleaseSlot();
    // The answer to every lens command: a failure is toasted.
    void setFocusFuncRetSlot(bool bRet);

protected:
    void changeEvent(QEvent* event) override;

private:
    using LensSignal = void (QFocusWidget::*)(int);

    void initUI();
    void initConnect();
    void retranslateTexts();

    // True when a camera is connected; otherwise tells the user so.
    bool checkConnected();
    // One step or the start of a continuous move, when connected.
    void sendStep(LensSignal signal, Direction direction);
    void startMove(LensSignal signal, Direction direction, bool& moving);
    // The release of a held button: a started move is always stopped, even
    // when the connection test fails at that moment, so the lens never keeps
    // running on a short blip; a release without a started move is silent.
    void stopMove(LensSignal signal, bool& moving);

    QLabel* focusModeLabel_ = nullptr;             // child
    QComboBox* focusModeComboBox_ = nullptr;       // child
    QPushButton* autoFocusBtn_ = nullptr;          // child
    QLabel* zoomLabel_ = nullptr;                  // child
    QLongPressBtn* zoomAntiClockwiseBtn_ = nullptr;   // child
    QLongPressBtn* zoomClockwiseBtn_ = nullptr;       // child
    QLabel* focusLabel_ = nullptr;                 // child
    QLongPressBtn* focusAntiClockwiseBtn_ = nullptr;  // child
    QLongPressBtn* focusClockwiseBtn_ = nullptr;      // child

    // A continuous move was started and its stop is still owed.
    bool zoomMoving_ = false;
    bool focusMoving_ = false;
};
