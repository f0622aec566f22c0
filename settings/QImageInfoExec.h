// The image parameter worker: carries every camera call of the image
// parameter panel away from the GUI thread. Set slots write a value as it
// stands, action slots report their success, and the refresh reads the
// whole parameter set back in a fixed order, each read with retries. The
// worker keeps no copy of any value: what it reads goes straight into a
// signal and what it is sent goes straight to the camera.
//
// Placement: the panel creates it without a parent, moves it onto a
// QThread the panel holds, connects that thread's finished to deleteLater
// and talks to it through queued connections only; the panel's destructor
// quits the thread and waits for it without a time limit.
//
// Every slot holds the worker's mutex (not recursive) for its whole body,
// emission included; receivers are on the GUI thread, so none runs under
// it. The mutex orders this worker's camera calls only: the pages' own
// queries on the GUI thread and the device-command worker do not take it.
//
// Restore accounting: between beginRestoreSlot and endRestoreSlot every
// camera write the worker makes and the camera refuses is counted, and the
// end reports the count, so the panel can tell whether the defaults took.
#pragma once

#include <QMutex>
#include <QObject>

#include "ImageInfoExecCommands.h"

class QImageInfoExec : public QObject {
    Q_OBJECT
public:
    explicit QImageInfoExec(QObject* parent = nullptr);
    ~QImageInfoExec() override;

public slots:
    // Reads brightness, contrast, sharpness, wide dynamic, (local and global
    // contrast while wide dynamic is non-zero), temporal and spatial noise
    // reduction, auto gain, FFC mode and period, each up to 3 times until
    // the camera answers; then the ISP mode once when the camera has ISP
    // modes; always ends with sendgetImageParamRetSignal.
    void refreshDeviceParamSlot();

    // Plain writes (ImageInfoExecCommands.h).
#define CALIDRA_DECLARE_SET(slot, call) void slot(int nValue);
    CALIDRA_IMAGEINFO_SETS(CALIDRA_DECLARE_SET)
#undef CALIDRA_DECLARE_SET

    // Switches wide dynamic; a successful switch on that is not part of a
    // restore (bRestore false) also reads the two contrasts once each and
    // reports them. The restore sets both contrasts itself right after.
    void setWideDynamicSlot(int nEnable, bool bRestore);

    // Writes and commands that report their success.
#define CALIDRA_DECLARE_ACTION(slot, params, call, signal) void slot params;
    CALIDRA_IMAGEINFO_ACTIONS(CALIDRA_DECLARE_ACTION)
#undef CALIDRA_DECLARE_ACTION

    // Markers queued around the requests of a restore of defaults.
    void beginRestoreSlot();
    void endRestoreSlot();

signals:
    // Read-backs, each with the success of its last camera call and the
    // value the camera wrote (0 when it wrote none).
    void setBasicBrightnessSignal(bool bRet, int nValue);
    void setBasicContrastSignal(bool bRet, int nValue);
    void setBasicSharpnessSignal(bool bRet, int nValue);
    void setBasicWideDynamicSignal(bool bRet, int nValue);
    void setBasicLocalContrastSignal(bool bRet, int nValue);
    void setBasicGlobalContrastSignal(bool bRet, int nValue);
    void setEnhanceNoise2DSignal(bool bRet, int nValue);
    void setEnhanceNoise3DSignal(bool bRet, int nValue);
    void setGainAutoSignal(bool bRet, int nValue);
    void setFFCModeSignal(bool bRet, int nValue);
    void setFFCTimeSignal(bool bRet, int nValue);
    void sendGetIspModeRetSignal(bool bRet, int nMode);

    // Results and completions.
    void sendSetIspModeRetSignal(bool bRet);
    void sendgetImageParamRetSignal();
    void sendSaveImageParamRetSignal(bool bRet);
    void sendFFCRetSignal(bool bRet);
    void sendBackgroundFFCRetSignal(bool bRet);
    void sendPseudoIsothermRetSignal(bool bRet);
    // The restore's outcome: nFailures camera writes refused since
    // beginRestoreSlot; bRet is true when there were none.
    void sendRestoreDefaultRetSignal(bool bRet, int nFailures);

private:
    // Counts a refused write while a restore runs; with the mutex held.
    bool tally(bool ok);

    QMutex mutex_;
    bool restoring_ = false;   // under mutex_
    int restoreFailures_ = 0;  // under mutex_
};
