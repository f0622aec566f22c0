// The modal progress dialog of a second calibration run: the waiting
// animation, "Please Wait" and a "Stop" button. It is shown and closed,
// never exec()'d, so the page keeps polling the camera while it is up; while
// it is shown no other window of the program takes input. GUI thread only.
#pragma once

#include <QDialog>

class QLabel;
class QMovie;
class QPushButton;

class QSecondCalibrationProcessDlg : public QDialog {
    Q_OBJECT
public:
    explicit QSecondCalibrationProcessDlg(QWidget* parent = nullptr);
    ~QSecondCalibrationProcessDlg() override;

    // true starts the animation and shows the dialog without blocking; false
    // stops the animation and closes it.
    void setShowStatus(bool bShow);

    QPushButton* stopButton() const { return stopBtn_; }

signals:
    // The operator pressed "Stop".
    void sendStopProcessSignal();

public slots:
    void setStopProcessSlot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QMovie* movie_ = nullptr;         // child
    QLabel* textLabel_ = nullptr;     // child
    QPushButton* stopBtn_ = nullptr;  // child
};
