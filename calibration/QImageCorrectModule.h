// The image correction module page (module 6) as the live page wires it:
// the NUC, shutterless, temperature-drift and bad-pixel pages send their
// requests under the module's signals, which the live page connects to its
// device-command worker; the worker's answers come back under module
// signals of the same signatures. The bad-pixel signals also run between
// the module and the live video window.
//
// Until those pages land the module has none. Its refresh is counted in
// calls() (showing the module refreshes it, as the page relies on); the
// entry warning is the module's own and works as it will.
#pragma once

#include <QVector>
#include <QWidget>

#include "StandInLog.h"

class QImageCorrectModule : public QWidget {
    Q_OBJECT
public:
    explicit QImageCorrectModule(QWidget* parent = nullptr);

    // Refresh on showing and on every change of the connection.
    void refreshDeviceStatus();
    // Entry routine: with a camera connected, warns that the module needs
    // the manufacturer's guidance; the answer is ignored.
    void confirmGuidanceWarning();

    const StandInLog& calls() const { return calls_; }

signals:
    // Requests to the device-command worker. The temperature-drift requests
    // share their names with their results; the parameter lists tell them
    // apart.
    void sendGetGainModeSignal();
    void sendSetGainModeSignal(int nMode);
    void sendGetLowTempTwoGearSignal();
    void sendSetLowTempTwoGearSignal(int nAuto, int nGear);
    void sendGetNUCBasicParamsSignal();
    void sendGetNUCSaveTimeAndCountSignal();
    void sendSetNUCSaveTimeAndCountSignal(uint unTime, uint unCount, int nGainMode);
    void sendStartNUCCollectSignal(int nStep);
    void sendGetThermalEquilibriumSignal();
    void sendGetSFFCBasicParamsSignal();
    void sendGetSFFCEnableSignal();
    void sendSetSFFCEnableSignal(int nEnable);
    void sendGetSFFCSaveTimeAndCountSignal();
    void sendSetSFFCSaveTimeAndCountSignal(uint unTime, uint unCount, int nGainMode);
    void sendStartSFFCCollectSignal();
    void sendAutoRemoveBadPixelSignal();
    void sendClearBadPixelSignal();
    void sendGetTwoSFFCEnvironmentSignal();
    void sendGetTemperDriftSwitchSignal();
    void sendGetDeltaBThresholdSignal();
    void sendGetDeltaBTimeAndCountSignal();
    void sendGetDeltaBResultSignal();
    void sendSetDeltaBSwitchSignal(int nSwitch);
    void sendCollectDeltaBSignal(int nValue);
    void sendSaveDeltaBCountAndTimeSignal(uint unTime, uint unCount);
    void sendCheckDeltaBResultSignal();
    // Bad-pixel lists travel by value (x in cols, y in rows); a read asks
    // for nothing and gets the lists back with their count.
    void sendGetALLBadColsSignal();
    void sendGetALLBadPixelsSignal();
    void sendSetAllBadPixelsSignal(const QVector<int>& rows, const QVector<int>& cols, int nNum);
    void sendSetAllBadColsSignal(const QVector<int>& cols, int nNum);
    void sendSaveAllBPSignal();

    // The worker's answers, relayed to the pages.
    void sendGetGainModeRetSignal(bool bRet, int nMode);
    void sendSetGainModeRetSignal(bool bRet, int nMode);
    void sendGetLowTempTwoGearRetSignal(bool bRet, int nAuto, int nGear);
    void sendSetLowTempTwoGearRetSignal(bool bRet);
    void sendGetNUCBasicParamsRetSignal();
    void sendGetNUCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount, int nGainMode);
    void sendSetNUCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount);
    void sendNUCBlackOneOperationSignal(bool bRet);
    void sendNUCBlackTwoOperationSignal(bool bRet, int nRespate);
    void sendGetThermalEquilibriumRetSignal(bool bRet, int nEquilibrium);
    void sendGetSFFCBasicParamsRetSignal();
    void sendGetSFFCEnableRetSignal(bool bRet, bool bEnable);
    void sendSetSFFCEnableRetSignal(bool bRet);
    void sendGetSFFCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount, int nGainMode);
    void sendSetSFFCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount);
    void sendStartSFFCCollectRetSignal(bool bRet);
    void sendAutoRemoveBadPixelRetSignal(bool bRet);
    void sendClearBadPixelRetSignal(bool bRet);
    void sendGetTwoSFFCEnvironmentRetSignal(bool bRet, int nCurEnvironment);
    void sendGetTemperDriftSwitchSignal(bool bRet, int nSwitch);
    void sendGetDeltaBThresholdSignal(bool bRet, int nValue);
    void sendGetDeltaBTimeAndCountSignal(bool bRet, uint unTime, uint unCount);
    void sendGetDeltaBResultSignal(bool bRet, uchar ucStatus, int nTempRiseVal);
    void sendSetDeltaBSwitchSignal(bool bRet);
    void sendCollectDeltaBSignal(bool bRet);
    void sendSaveDeltaBCountAndTimeSignal(bool bRet);
    void sendCheckDeltaBResultSignal(bool bRet);
    void sendGetAllBadColsRetSignal(bool bRet, int nNum, const QVector<int>& cols);
    void sendGetAllBadPixelsRetSignal(bool bRet, int nNum, const QVector<int>& rows, const QVector<int>& cols);
    void sendSetAllBadPixelsRetSignal(bool bRet);
    void sendSetAllBadColsRetSignal(bool bRet);
    void sendSaveAllBadSetRetSignal(bool bRet);

    // To the live page.
    void sendChangeVideoStreamSignal(bool bVideo);
    // From the live video window to the bad-pixel page.
    void sendAddBadPixelSignal(int nX, int nY);
    void sendDeleteBadPixelSignal(int nX, int nY);
    void sendClearBadPixelsSignal();
    void sendAddBadColSignal(int nX);
    void sendDeleteBadColSignal(int nX);
    void sendClearBadColsSignal();
    void sendHighlightBadPixelSignal(int nRow);
    void sendHighlightBadColSignal(int nRow);
    // From the bad-pixel page to the live video window.
    void sendHighlightTableBadPixelSignal(int nRow);
    void sendHighlightTableBadColSignal(int nRow);
    void sendTableDeleteBadPixelSignal(int nRow);
    void sendTableDeleteBadColSignal(int nRow);
    void sendTableDeleteAllBadPixelsSignal();
    void sendTableDeleteAllBadColsSignal();

public slots:
    void setNUCWidgetShowSlot();
    void setSFFCWidgetShowSlot();
    void setDeltaBWidgetShowSlot();
    void setDPCWidgetShowSlot();
    void setGainModeRetSlot(bool bRet, int nMode);

protected:
    void showEvent(QShowEvent* event) override;

private:
    StandInLog calls_;
};
