// The firmware update worker of the update page. It lives on the page's own
// thread: each request blocks that thread, not the GUI, for as long as the
// camera takes to flash. The main and USB programs are one camera call each;
// the combined package is unpacked in a private temporary folder, its install
// file names the two files to burn, and they are burnt in order with a wait
// for the camera to come back on the bus between them.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class UpdateExec : public QObject {
    Q_OBJECT
public:
    // The combined flow's waits: after the first burn, then up to polls
    // device-list queries pollMs apart.
    struct Waits {
        int afterFirstBurnMs = 3000;
        int pollMs = 1000;
        int polls = 30;
    };
    // Blocks the worker's thread for ms milliseconds.
    using Sleep = std::function<void(int ms)>;

    explicit UpdateExec(QObject* parent = nullptr);

    // Seams for tests: shorter waits, or a sleep that moves a manual clock.
    void setWaits(const Waits& waits) { waits_ = waits; }
    void setSleep(Sleep sleep) { sleep_ = std::move(sleep); }

signals:
    // Declared for the page's progress bar; the page polls the camera instead.
    void Task_SetProgress(int offset, int Maxlen);
    // res: the flash succeeded. Err: the camera's last error when the flash
    // call itself failed, else 0.
    void Send_MainProgram_Update_Ret(bool res, int Err);
    void Send_USB_Update_Ret(bool res, int Err);
    // nSteps 0 after the first burn succeeded, 1 at the end (success or
    // failure). nErr: the camera's last error when a burn call failed, else 0.
    void Send_Combined_Update_Ret(bool bRet, int nSteps, int nErr);

public slots:
    void setMainProgramUpdateSlots(QString FilePath);
    void setUSBUpdateSlots(QString FilePath);
    void setCombinedUpdateSlots(QString FilePath);

private:
    Waits waits_;
    Sleep sleep_;
};
