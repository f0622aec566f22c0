// The device-command worker: carries out camera commands away from the GUI
// thread. One slot per camera operation and one result signal per
// operation; each slot asks the camera afresh through DeviceSdkWrapper and
// reports success as bRet with whatever it read.
//
// Placement: an owner creates it without a parent, moves it to a QThread of
// its own before starting that thread, and connects its request signals to
// the slots and the result signals back with the default connection type,
// so both directions are queued. The owner connects QThread::finished to
// deleteLater, then quits the thread and waits for it without a time limit.
// Two workers may run at once (live page, advanced page); they do not
// exclude each other.
//
// Every slot holds the worker's mutex while it talks to the camera. Slots
// that run other slots release it first (it is not recursive). Everything a
// signal carries is a value: records, texts, lists; no pointer crosses the
// thread boundary.
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVector>

#include "DataCollectPage.h"
#include "DeviceInformation.h"
#include "MetaTypes.h"
#include "ProDebugCmdInfo.h"
#include "QDevCommExecCommands.h"
#include "camsdk.h"
#include "thermcore.h"

class DeviceSdkWrapper;

class QDevCommExec : public QObject {
    Q_OBJECT
public:
    // What the bad-pixel reads can hold.
    static constexpr int kBadPixelCapacity = 256;
    static constexpr int kBadColCapacity = 1024;

    explicit QDevCommExec(QObject* parent = nullptr);
    ~QDevCommExec() override;

public slots:
    // Slots of one shape (QDevCommExecCommands.h).
#define CALIDRA_DECLARE_COMMAND(slot, params, call, signal, results) void slot params;
    CALIDRA_DEVCOMM_COMMANDS(CALIDRA_DECLARE_COMMAND)
#undef CALIDRA_DECLARE_COMMAND
#define CALIDRA_DECLARE_READ(slot, attempts, type, initial, member, signal) void slot();
    CALIDRA_DEVCOMM_READS(CALIDRA_DECLARE_READ)
#undef CALIDRA_DECLARE_READ
#define CALIDRA_DECLARE_PAIR_READ(slot, attempts, first, second, member, signal) void slot();
    CALIDRA_DEVCOMM_PAIR_READS(CALIDRA_DECLARE_PAIR_READ)
#undef CALIDRA_DECLARE_PAIR_READ

    // Opens the camera (up to 5 attempts, 1000 ms after each failure), wakes
    // it, reads palette, flip, serial number and version, and reports true
    // once the camera confirms the connection. An open the camera never
    // confirms is closed again and reported as false.
    void setDevConnectSlot(USBSDK_DeviceInfo stDevInfo);
    // Factory defaults, saved when they took.
    void setRestoreDeviceSlot();
    void setGetDeviceInfoSlot();
    void getAdvanceDeviceInformationSlot();
    void getPartNumberSlot();
    // Stores the first nLen bytes of the text (1..its size).
    void setPartNumberSlot(QByteArray baPartNumber, int nLen);
    // No result.
    void setShowCrosslineSlot(int nEnable, int nColor);
    // Palette first; the isotherm only when the palette took.
    void setIsothermFuncSlot(int nColor, USBSDK_IsothermParams stParams);
    // Two results: hot spot (type 0), then cold spot (type 1).
    void getCVBSSpotsSlot();
    // The live global block as it stood when the request was made; bValid
    // false when the store had none, which fails without a camera call.
    void setUpdateGlobalInfoSlots(bool bValid, USBSDK_GlobalTemperParam stGlobalParam);

    // No result.
    void setSecondCalibrationInitSlot();
    // The camera fills the two boxes; true only when it gave some.
    void setSecCalibrationRectSlot();
    // The boxes from the live rules as they stood when the request was made.
    void setSaveSecCalibrationRectSlot(QVector<PicRuleConfig> liveRules);
    // Pod mode; the collect mode only when that took. Reports the last call.
    void setFullCalibrationCollectConfigSlot(uint nPodEnable, uint nColMode);
    // The two rectangles from exactly two live rules.
    void setFullCalibrationCalibrateRectSlot(QVector<PicRuleConfig> liveRules);

    // The NUC save records, then sendGetNUCBasicParamsRetSignal.
    void getNUCBasicParamsSlot();
    // One result per save record the camera has, in record order 0, 1, 2, 3.
    void getNUCSaveTimeAndCountSlot();
    // Steps 1 and 2 report on their own signals; other steps report nothing.
    void setNUCBlackOperationSlot(int nStep);
    // SFFC enable, the SFFC save records, the environment when the camera has
    // two, then sendGetSFFCBasicParamsRetSignal.
    void getSFFCBasicParamsSlot();
    // One result per save record the camera has, in the order 0, 3, 1, 2, 4,
    // 5, 6.
    void getSFFCSaveTimeAndCountSlot();
    // The camera's lists; the counts are clamped to what the lists hold.
    void getAllBadColsSlot();
    void getAllBadPixelsSlot();
    // The first nNum entries (0..the lists' size) become the camera's lists.
    void setAllBadColsSlot(QVector<int> cols, int nNum);
    void setAllBadPixelsSlot(QVector<int> rows, QVector<int> cols, int nNum);

    void getDeltaBTimeAndCountSlot();

    // Up to USBSDK_DATA_COLLECT_PAGE entries from nIndex on.
    void getNewDataCollectSlot(uint nIndex);

    // Sends the command and always answers with the completed record.
    void setSendProDebugCommandSlot(ProDebugCmdInfo stDebugInfo);

signals:
    // Connection and general state.
    void sendDevConnectRetSignal(bool bRet);
    void sendDevDisconnectRetSignal(bool bRet);
    void sendSleepModeRetSignal(bool bRet);
    void sendFFCRetSignal(bool bRet);
    void sendSetColorrizationRetSignal(bool bRet, int nColor);
    void sendCurrentColorSignal(bool bRet, int nColor);
    void sendSaveImageParamRetSignal(bool bRet);
    void sendRebootDeviceRetSignal(bool bRet);
    void sendRestoreDeviceRetSignal(bool bRet);
    void sendGetDeviceInfoRetSignal(DeviceInformation stDeviceInfo);
    void sendGetAdvanceDeviceInformationRetSignal(bool bRet, DeviceInformation stDeviceInfo);
    void sendGetPartNumberRetSignal(bool bRet, QByteArray baPartNumber);
    void sendSetPartNumberRetSignal(bool bRet);
    void sendOutputModeSwitchRetSignal(bool bRet);
    void sendGetOutputModeRetSignal(bool bRet, int nMode);
    void sendSetSuperResolutionModeRetSignal(bool bRet);
    void sendGetSuperResolutionModeRetSignal(bool bRet, int nMode);
    void sendSetThermalRawTypeRetSignal(bool bRet);
    void sendGetThermalRawTypeRetSignal(bool bRet, int nType);
    void sendGetThermalEquilibriumRetSignal(bool bRet, int nState);
    void sendNUCBackupRetSignal(bool bRet);

    // Image display.
    void sendGetGainModeRetSignal(bool bRet, int nMode);
    void sendSetGainModeRetSignal(bool bRet, int nMode);
    void sendSetImageFlipModeRetSignal(bool bRet);
    void sendGetImageFlipModeRetSignal(bool bRet, int nFlipMode);
    void sendGetCrossCursorRetSignal(bool bRet, int nEnable, int nColor);
    void sendGetIsothermStatusRetSignal(bool bRet, USBSDK_IsothermParams stParams);
    void sendSetIsothermStatusRetSignal(bool bRet);
    void sendGetCVBSSpotsRetSignal(bool bRet, int nType, int nSwitch);
    void sendSetCVBSSpotsRetSignal(bool bRet);
    void sendGetLowTempTwoGearRetSignal(bool bRet, int nAuto, int nGear);
    void sendSetLowTempTwoGearRetSignal(bool bRet);
    void sendUpdateGlobalInfoRetSignal(bool bRet);
    void sendSetDeviceParamsRetSignal(bool bRet);
    void sendSetDeviceRulesRetSignal(bool bRet);

    // Focus and zoom.
    void sendSetFocusFuncRetSignal(bool bRet);
    void sendGetFocusModeRetSignal(bool bRet, int nMode);

    // Second calibration.
    void sendGetBalancedStateRetSignal(bool bRet, int nState);
    void sendSetCalibrationRectRetSignal(bool bRet, USBSDK_Rules stRules);
    void sendCalibrateRetSignal(bool bRet);
    void sendGetCalibraProgRetSignal(bool bRet, int nProgress);
    void sendGetCalibrationResultRetSignal(bool bRet, USBSDK_TemperatureCalibraResult stResult);
    void sendSaveCalibrationRectRetSignal(bool bRet);
    void sendSetCalibrationDefaultRetSignal(bool bRet);
    void sendSaveSecCalibraTimeRetSignal(bool bRet);
    void sendSecCalibrationBlackbodyTempRetSignal(bool bRet);

    // Full blackbody calibration.
    void sendFullCalibrationCollectConfigRetSignal(bool bRet);
    void sendFullCalibrationPodEnableRetSignal(bool bRet);
    void sendFullCalibrationPodEnableGetRetSignal(bool bRet, uint nEnable);
    void sendFullCalibrationBlackbodyTempRetSignal(bool bRet);
    void sendFullCalibrationSaveConfigRetSignal(bool bRet);
    void sendFullCalibrationCalibrateRectRetSignal(bool bRet);
    void sendFullCalibrationCollectRetSignal(bool bRet);
    void sendFullCalibrationCalibrateRetSignal(bool bRet);
    void sendFullCalibrationSingleGearVerifyRetSignal(bool bRet);
    void sendFullCalibrationComprehensiveVerifyRetSignal(bool bRet);
    void sendFullCalibrationSetCalTimeRetSignal(bool bRet);
    void sendFullCalibrationDefaultRetSignal(bool bRet);

    // Non-uniformity, shutterless and bad-pixel correction.
    void sendGetNUCBasicParamsRetSignal();
    void sendGetNUCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount, int nGainMode);
    void sendSetNUCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount);
    void sendNUCBlackOneOperationSignal(bool bRet);
    void sendNUCBlackTwoOperationSignal(bool bRet, int nRespate);
    void sendGetSFFCBasicParamsRetSignal();
    void sendGetSFFCEnableRetSignal(bool bRet, bool bEnable);
    void sendSetSFFCEnableRetSignal(bool bRet);
    void sendGetSFFCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount, int nGainMode);
    void sendSetSFFCSaveTimeAndCountRetSignal(bool bRet, uint unTime, uint unCount);
    void sendStartSFFCCollectRetSignal(bool bRet);
    void sendGetTwoSFFCEnvironmentRetSignal(bool bRet, int nEnvironment);
    void sendGetAllBadColsRetSignal(bool bRet, int nNum, QVector<int> cols);
    void sendGetAllBadPixelsRetSignal(bool bRet, int nNum, QVector<int> rows, QVector<int> cols);
    void sendSetAllBadColsRetSignal(bool bRet);
    void sendSetAllBadPixelsRetSignal(bool bRet);
    void sendSaveAllBadSetRetSignal(bool bRet);
    void sendAutoRemoveBadPixelRetSignal(bool bRet);
    void sendClearBadPixelRetSignal(bool bRet);

    // Temperature drift (DeltaB).
    void sendGetTemperDriftSwitchSignal(bool bRet, int nSwitch);
    void sendSetDeltaBSwitchSignal(bool bRet);
    void sendGetDeltaBThresholdSignal(bool bRet, int nValue);
    void sendGetDeltaBTimeAndCountSignal(bool bRet, uint unTime, uint unCount);
    void sendSaveDeltaBCountAndTimeSignal(bool bRet);
    void sendCollectDeltaBSignal(bool bRet);
    void sendGetDeltaBResultSignal(bool bRet, uchar ucStatus, int nTempRiseVal);
    void sendCheckDeltaBResultSignal(bool bRet);

    // Radiometric data collection.
    void sendStartDataCollectRetSignal(bool bRet);
    void sendStopDataCollectRetSignal(bool bRet);
    void sendClearDataCollectRetSignal(bool bRet);
    void sendGetNewDataCollectRetSignal(bool bRet, DataCollectPage stPage);

    // Protocol debug.
    void sendProDebugCommandRetSignal(ProDebugCmdInfo stDebugInfo);

private:
    using SaveRecordRead = bool (DeviceSdkWrapper::*)(unsigned int* time, unsigned int* count, int gainMode);
    using SaveRecordSignal = void (QDevCommExec::*)(bool bRet, uint unTime, uint unCount, int nGainMode);
    // Reads the save record of each gain mode and reports it; with the mutex
    // held.
    void readSaveRecords(const QVector<int>& gainModes, SaveRecordRead read, SaveRecordSignal signal);
    // Reads a text the connect sequence asks for and does not report, under
    // the mutex.
    void readIdentityText(bool (DeviceSdkWrapper::*read)(char* buf));

    QMutex mutex_;
};
