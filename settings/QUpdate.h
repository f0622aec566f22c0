// The "VersionUpdate" page of the settings panel: the camera's main program,
// its USB program and the combined package that carries both, each with a
// file field, a browse button and an update button.
//
// A request leaves for the update worker, which runs on the page's own
// thread and blocks it for as long as the camera flashes; meanwhile the wait
// dialog covers the page and a timer polls the camera's progress into the
// bar every 500 ms. The worker's answer closes both and tells the outcome
// in the OK-only message box. While an update runs isUpdating() is true, so
// the live page does not take the camera's reboot for an unplug. The USB
// and combined rows are shown only while the advanced entry is unlocked.
// GUI thread only, but for the worker.
#pragma once

#include <QThread>
#include <QWidget>

#include <array>

class QLabel;
class QLoadingMsgDlg;
class QProgressBar;
class QPushButton;
class QSelLineEdit;
class QTimer;
class UpdateExec;

class QUpdate : public QWidget {
    Q_OBJECT
public:
    // The update rows, top to bottom.
    enum Row { MainRow = 0, USBRow, CombinedRow, RowCount };

    explicit QUpdate(QWidget* parent = nullptr);
    // Quits the worker's thread and waits for it, a running flash included.
    ~QUpdate() override;

    bool isUpdating() const { return isUpdating_; }
    // For the live page's tests only: sets the flag as a running update
    // does, without one. Nothing in the program calls it.
    void setUpdating(bool updating) { isUpdating_ = updating; }
    // Lives on the page's thread.
    UpdateExec* worker() const { return worker_; }

    QLabel* titleLabel(Row row) const { return rows_[row].title; }
    QLabel* fileLabel(Row row) const { return rows_[row].file; }
    QSelLineEdit* pathField(Row row) const { return rows_[row].path; }
    QPushButton* updateButton(Row row) const { return rows_[row].button; }
    QProgressBar* progressBar() const { return progressBar_; }
    QLabel* progressLabel() const { return progressLabel_; }
    QTimer* progressTimer() const { return timer_; }
    QLoadingMsgDlg* waitDialog() const { return wait_; }

signals:
    void sendMainUpgradeExec(QString Filepath);
    void sendUSBUpgradeExec(QString Filepath);
    void sendCombinedUpgradeExec(QString Filepath);
    // After an update that may have changed the camera.
    void sendTitleStatusChangeSignals();

public slots:
    // Wired to the worker's progress signal, which it never emits.
    void Task_GetProgress(int offset, int Maxlen);
    // errCode: the camera's error when the flash call itself failed, else 0.
    void Task_MainProgram_Update_Ret(bool bRet, int errCode);
    void Task_USB_Updade_Ret(bool bRet, int errCode);
    // nSteps 0: the first of the two burns succeeded, the flow goes on;
    // 1: the flow ended. nErr as errCode above.
    void Task_Combined_Updade_Ret(bool bRet, int nSteps, int nErr);
    void setUSBUpdateShowSlots(bool bShow);

private slots:
    void setMainUpdateBtnSlots();
    void setUSBUpdateBtnSlots();
    void setCombinedUpdateBtnSlots();
    void setMainUpdateFilePathSelSlots();
    void setUSBUpdateFilePathSelSlots();
    void setCombinedUpdateFilePathSelSlots();
    void setUpdateProgressTimerSlot();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct RowWidgets {
        QLabel* title = nullptr;       // child
        QLabel* file = nullptr;        // child
        QSelLineEdit* path = nullptr;  // child
        QPushButton* button = nullptr; // child
    };

    void initUI();
    void initConnect();
    void retranslateTexts();
    // The guards, the request and the updating state of one row.
    void startUpdate(Row row);
    void browse(Row row);
    // Back to idle and the outcome told. verifyError: the failure is the
    // camera's file verification error.
    void finishUpdate(bool bRet, bool verifyError);

    QThread thread_;
    std::array<RowWidgets, RowCount> rows_{};
    QProgressBar* progressBar_ = nullptr;  // child
    QLabel* progressLabel_ = nullptr;      // child
    QTimer* timer_ = nullptr;              // child
    QLoadingMsgDlg* wait_ = nullptr;       // child
    UpdateExec* worker_ = nullptr;         // not owned: lives on thread_, deleted when it finishes
    bool isUpdating_ = false;
};
