// The live page: the camera's live thermal video with its toolbar, the colour
// scale and, in the right-hand column, the side panel and the pages of
// modules 1, 2, 3, 6 and 7. It owns the camera connection of the program and
// the three worker threads of the live view: the frame worker (QVideoPlay),
// the rule temperature worker (QTempRule) and its own device-command worker
// (QDevCommExec), and wires them, the rule overlay, the video window and the
// module pages together.
//
// Threads: the page lives on the GUI thread. The workers have no parent,
// live on their own threads and are driven only through queued signals,
// except the zoom step, the palette index and the frame-alive test, which
// are direct calls into the frame worker. The page stops the threads in its
// destructor (temperature, frame, command), waiting without a time limit;
// each worker is deleted on its thread as that thread finishes.
#pragma once

#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QThread>
#include <QVector>
#include <QWidget>

#include <array>

#include "ItemInfo.h"
#include "MetaTypes.h"
#include "RuleTemperResult.h"
#include "SnapshotRequest.h"

class CSlider;
class DeviceChangeNotifier;
class QCheckBox;
class QCustomLineEdit;
class QDevCommExec;
class QDeviceInfoModule;
class QIconTextVBtn;
class QImageCorrectModule;
class QImageInfoModule;
class QLabel;
class QLoadingMsgDlg;
class QLoginSetting;
class QPreviewModuleWidget;
class QPushButton;
class QSettingModule;
class QTempCaliModule;
class QTempRule;
class QTemperScaleWidget;
class QTimer;
class QUnitLabel;
class QVBoxLayout;
class QVideoHistogram;
class QVideoPlay;
class QVideoSceneViewCtrl;
class QVideoTemperShow;
class QVideoWndWidget;

class QVideoPreviewModuleWidget : public QWidget {
    Q_OBJECT
public:
    // Width of the right-hand column and of the colour scale column.
    static constexpr int kFunctionWidth = 254;
    static constexpr int kScaleWidth = 48;
    static constexpr int kModuleBarWidth = 70;
    static constexpr int kPalettePanelHeight = 170;
    static constexpr int kMaxZoomStep = 16;
    // Time the frame worker gets to miss frames after a removal notice (ms).
    static constexpr int kRemovalCheckMs = 3000;
    static constexpr int kAutoRecordCheckMs = 60000;
    static constexpr int kRecordTickMs = 1000;
    // The record-time display counts up to one file's length (s).
    static constexpr int kRecordFileSeconds = 600;
    static constexpr int kToastMs = 1000;

    // The local time the recording schedule is checked against.
    using Clock = QDateTime (*)();
    // Tests set the time of day; null restores the real clock.
    void setClockForTests(Clock clock);
    // "mm:ss" of a count of seconds.
    static QString recordTimeText(int seconds);

    // One palette of the camera: its colourisation number, its name (the
    // tooltip, translated), and the colour-bar picture drawn for it.
    struct Palette {
        int index;
        const char* name;
        int colorBarIndex;
    };
    // A palette button: its object name and the palette it asks for.
    struct PaletteButton {
        const char* objectName;
        int palette;
        void (QVideoPreviewModuleWidget::*slot)();
    };
    static const std::array<Palette, 20>& palettes();
    // The 18 buttons of the older panel and the 10 of the newer one.
    static const std::array<PaletteButton, 18>& oldPaletteButtons();
    static const std::array<PaletteButton, 10>& newPaletteButtons();
    // Colour-bar picture of a palette number; -1 for none.
    static int colorBarIndexOf(int palette);

    explicit QVideoPreviewModuleWidget(QWidget* parent = nullptr);
    ~QVideoPreviewModuleWidget() override;

    // The module the main window switched to (0..7), told before the window
    // shows or hides its own widgets. Shows the page's own module page for
    // 0, 1, 2, 3, 6 and 7, none for 4 and 5; other numbers are only stored.
    void setMainWindowMode(int module);
    int mainWindowMode() const { return module_; }
    // True while a recording runs. The recording buttons set it; the shell
    // tests set it directly.
    bool isRecording() const { return recording_; }
    void setRecording(bool recording) { recording_ = recording; }

    // State and parts, for the main window and the tests.
    bool isConnected() const { return connected_; }
    bool streamFlag() const { return streamFlag_; }
    // The device label the rule overlay shows at its bottom right.
    QString deviceCaption() const { return deviceCaption_; }
    int colorBarIndex() const { return colorBarIndex_; }
    int paletteIndex() const { return paletteIndex_; }
    QPoint zoomOffset() const { return zoomOffset_; }
    bool isRemovalCheckPending() const { return removalCheckPending_; }
    const QThread* frameThread() const { return &frameThread_; }
    const QThread* temperThread() const { return &temperThread_; }
    const QThread* commandThread() const { return &commandThread_; }
    QVideoPlay* videoPlay() const { return videoPlay_; }
    QTempRule* tempRule() const { return tempRule_; }
    QDevCommExec* devCommExec() const { return devCommExec_; }
    QPreviewModuleWidget* sidePanel() const { return sidePanel_; }
    QSettingModule* settingModule() const { return settingModule_; }
    QDeviceInfoModule* deviceInfoModule() const { return deviceInfoModule_; }
    QImageInfoModule* imageInfoModule() const { return imageInfoModule_; }
    QImageCorrectModule* imageCorrectModule() const { return imageCorrectModule_; }
    QTempCaliModule* tempCaliModule() const { return tempCaliModule_; }
    QVideoSceneViewCtrl* sceneView() const { return sceneView_; }
    QVideoWndWidget* videoWnd() const { return videoWnd_; }
    QVideoTemperShow* temperShow() const { return temperShow_; }
    QLoadingMsgDlg* loadingDlg() const { return loadingDlg_; }
    QLoginSetting* loginDialog() const { return loginDlg_; }
    QVideoHistogram* histogram() const { return histogram_; }
    QWidget* functionWidget() const { return functionWidget_; }
    QWidget* scaleColumn() const { return scaleColumn_; }
    QTemperScaleWidget* temperScale() const { return temperScale_; }
    QUnitLabel* maxTemperLabel() const { return maxLabel_; }
    QUnitLabel* minTemperLabel() const { return minLabel_; }
    QWidget* oldPalettePanel() const { return videoCtrlWidget_; }
    QWidget* newPalettePanel() const { return newColorWidget_; }
    QWidget* moduleBar() const { return moduleWidget_; }
    QPushButton* connectButton() const { return connectBtn_; }
    QPushButton* standbyButton() const { return standbyBtn_; }
    QPushButton* plusButton() const { return plusBtn_; }
    QPushButton* minusButton() const { return minusBtn_; }
    CSlider* zoomSlider() const { return zoomSlider_; }
    QCustomLineEdit* zoomField() const { return zoomEdit_; }
    QCheckBox* freezeCheckBox() const { return freezeCheckBox_; }
    QCheckBox* hotpointCheckBox() const { return hotpointCheckBox_; }
    QCheckBox* coldpointCheckBox() const { return coldpointCheckBox_; }
    QIconTextVBtn* ffcButton() const { return ffcBtn_; }
    QIconTextVBtn* snapshotButton() const { return snapshotBtn_; }
    QIconTextVBtn* recordButton() const { return recordBtn_; }
    QTimer* recordTimer() const { return recordTimer_; }
    QTimer* autoRecordTimer() const { return autoRecordTimer_; }
    const QList<DeviceChangeNotifier*>& deviceNotifiers() const { return notifiers_; }

signals:
    void sendVideoPlaySignals(void* pParam, bool bVideo);
    void sendVideoStopPlaySignals();
    void sendSnapshotSignals(SnapshotRequest request);
    void sendStartRecordSignals();
    void sendStopRecordSignals();
    void sendConnectDeviceStatusSignals();
    void sendLanguageChangedSignal(int nLangType);
    void sendFalseColorIndexSignals(int nIndex);
    void sendUSBUpdateShowSignals(bool bShow);
    void sendShowTemperResultSignal(bool bShow);
    void sendDevConnectSignal(USBSDK_DeviceInfo stDevInfo);
    void sendDevDisconnectSignal();
    void sendOpenThermalFuncSignal();
    void sendSetColorrizationSignal(int nColor);
    void sendGetCurrentColorSignal();
    void sendSleepModeSignal(int nMode);
    void sendShutterCorrectSignal();
    void sendGetIsothermStatusSignal();
    void SendTimerStatusSignals(bool bOpen);
    void sendHeatMapExportSignal(SnapshotRequest request);
    void sendHeatMapExportRetSignal(QString strHeapMapDir);
    void sendSetThermalRulesSignal(USBSDK_Rules stRules);
    // Requests that take the live rule store with them, copied when made.
    void sendUpdateGlobalInfoSignal(bool bValid, USBSDK_GlobalTemperParam stGlobalParam);
    void sendSaveSecCalibrationRectSignal(QVector<PicRuleConfig> liveRules);
    void sendFullCalibrationCalibrateRectSignal(QVector<PicRuleConfig> liveRules);

public slots:
    // ---- Connection, hot-plug and sleep ----
    void setManualConnectSlots();
    void setConnectDeviceSlot(USBSDK_DeviceInfo info);
    void setDevConnectRetSlot(bool bRet);
    void setDevDisconnectRetSlot(bool bRet);
    void getOpenThermalFuncRet(bool bRet);
    void setVideoPlayOutputSlots(int nStatus);
    // Some USB device went away: arms the removal check.
    void setDeviceRemovedSlot();
    void setJudgeDevConnStatusTimer();
    void setStatusChangeSlots();
    void setChangeVideoStreamSlot(bool bVideo);
    void setStandBySlots();
    void setSleepModeRetSlot(bool bRet);
    void setConnectStatusChangedSlots();

    // ---- Relays and the main window ----
    void setUSBUpdateShowSlots(bool bShow);
    void setUpdateFalseColCurIndexSlots(int nIndex);
    void setHeatMapExportSlot();
    void setHeatMapExportRetSlot(QString strHeapMapDir);
    void setFullScreenThermEnableSlot(bool bEnable);
    void setShowHistogramSlot();
    void setYUVUpdateShowSlots();
    void setMainWndMoveSlots();
    void updateSceneViewSizeAndPosSlot(bool bFullScreen);

    // ---- Live rules and temperatures ----
    void setRuleClearBtnSlots();
    void setRuleDrawCompleteSlots(bool bOk);
    void setAddItemSlots(quint32 key);
    void setItemChangeSlots(const ItemInfo& info);
    // A rule was deleted on the overlay: the camera's set follows.
    void setRuleDeletedSlot(quint32 key);
    void setUpdateRuleInfoSlots();
    void setUpdateTemperSlots();
    void setUpdateRulesParamsSlot();
    void setUpdateGlobalInfoSlots(bool bRet);
    void setRuleWidgetEnableSlot(bool bEnable);
    void setFullCalibrationGenerateRectSlot(int nLowTemp, int nHighTemp);
    // The side panel's and the calibration page's requests, sent to the
    // worker with a copy of the live rule store.
    void setUpdateGlobalInfoRequestSlot();
    void setSaveSecCalibrationRectRequestSlot();
    void setFullCalibrationCalibrateRectRequestSlot();

    // ---- Recording, snapshots, FFC ----
    void setVideoRecordBtnSlots();
    void setDealRecordResultSlots(int nCode);
    void resetRecordTimeSlot();
    void setUpdateRecordTimeSlot();
    void setCheckAutoRecordTimeSlot();
    void setScreenshotBtnSlots();
    void setDealSnapshotResultSlots(int nCode);
    void setFFCBtnSlots();
    void setShutterCorrectRetSlot(bool bRet);

    // ---- Palettes, freeze, zoom, spots ----
    void setWhiteHotBtnSlots();
    void setBlackHotBtnSlots();
    void setFusionBtnSlots();
    void setRainbowBtnSlots();
    void setGoldenfallBtnSlots();
    void setFifthdayBtnSlots();
    void setIronRedBtnSlots();
    void setAmberBtnSlots();
    void setJadeBtnSlots();
    void setSunsetBtnSlots();
    void setIcefireBtnSlots();
    void setOilPaintBtnSlots();
    void setPomegranateBtnSlots();
    void setEmeraldBtnSlots();
    void setSpringBtnSlots();
    void setSummerBtnSlots();
    void setAutumnBtnSlots();
    void setWinterBtnSlots();
    void setNewWhiteHotBtnSlot();
    void setNewBlackHotBtnSlot();
    void setNewRainbowBtnSlot();
    void setNewGoldenfallBtnSlot();
    void setNewIronRedBtnSlot();
    void setNewAmberBtnSlot();
    void setNewIcefireBtnSlot();
    void setNewOilPaintBtnSlot();
    void setNewThermalDetectionBtnSlot();
    void setNewAuroraBtnSlot();
    void setColorrizationRetSlot(bool bRet, int nColor);
    void getCurrentColorRet(bool bRet, int nColor);
    void setColorizationChangeSlot(bool bIsothermOn, int nColor);
    void setRestoreUpdateFalseColSlots();
    void SetYDataSlot(uint unLow, uint unHigh);
    void getIsothermStatusRetSlot(bool bRet, USBSDK_IsothermParams stParams);
    void setFreezeCheckSlots();
    void setHotPointCheckSlots();
    void setScalePlusSlots();
    void setScaleMinusSlots();
    void setScaleValueSlots();
    void setScaleTextSlots();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Construction.
    void setupForm();
    void buildModuleBar();
    void buildPalettePanels();
    void buildToolArea();
    void buildScaleColumn();
    void createPages();
    void initConnect();
    void connectModulePages();
    void retranslate();

    // Shared helpers.
    void setToolbarEnabled(bool bEnable);
    void setThermalUiEnabled(bool bEnable);
    void layoutSceneView(QSize frame);
    void showSceneView();
    void setConnectButtonState(bool bConnected);
    void setStandbyButtonState(bool bSleeping);
    void showModulePage(QWidget* page);
    void stopRecording();
    void setRecordButtonSkin(bool bRecording);
    // The camera is there and awake; otherwise the user is told (the
    // guard of the capture, FFC and palette buttons).
    bool canCapture();
    // Asks the frame worker to record when frames are coming.
    void startRecordingIfLive();
    // The live state a snapshot records, copied now.
    SnapshotRequest snapshotRequest() const;
    void requestPalette(int index);
    void updatePaletteSelection(int index);
    void setPaletteButtonsEnabled(bool bEnable);
    void showColorBar();
    // The digital zoom step to the frame worker, the rule overlay and the
    // spot marks.
    void applyZoomStep(int step);
    void updateCommonTemperParam();
    void updateHotColdSpot();
    void drawHotColdSpot(const USBSDK_HotColdPoint& spot);
    // A spot in rule space to the overlay's pixels, through the drawn (4x)
    // picture and the digital zoom.
    QPoint spotToView(int x, int y) const;
    // One rule's result to the side panel and the overlay.
    void showRuleResult(const RuleTemperResult& result, bool ok);
    void closeWaitDialog();
    bool isRenderedMode() const;

    // Module pages and views, children of the page.
    QPreviewModuleWidget* sidePanel_ = nullptr;
    QSettingModule* settingModule_ = nullptr;
    QDeviceInfoModule* deviceInfoModule_ = nullptr;
    QImageInfoModule* imageInfoModule_ = nullptr;
    QImageCorrectModule* imageCorrectModule_ = nullptr;
    QTempCaliModule* tempCaliModule_ = nullptr;
    QVideoSceneViewCtrl* sceneView_ = nullptr;
    QVideoWndWidget* videoWnd_ = nullptr;
    QLoadingMsgDlg* loadingDlg_ = nullptr;
    QIconTextVBtn* ffcBtn_ = nullptr;
    QIconTextVBtn* snapshotBtn_ = nullptr;
    QIconTextVBtn* recordBtn_ = nullptr;

    QVideoPlay* videoPlay_ = nullptr;  // lives on frameThread_
    QThread frameThread_;
    bool recording_ = false;

    QVideoTemperShow* temperShow_ = nullptr;
    bool connected_ = false;
    // The spots of the last successful read, shown while frozen.
    USBSDK_HotColdPoint lastSpot_ = {};
    bool hasLastSpot_ = false;
    bool ruleUploadPending_ = false;

    QTemperScaleWidget* temperScale_ = nullptr;
    QUnitLabel* maxLabel_ = nullptr;
    QUnitLabel* minLabel_ = nullptr;
    int colorBarIndex_ = -1;
    int shownColorBarIndex_ = -2;  // the index the scale's picture was drawn for; -2 none yet
    int paletteIndex_ = -1;
    uint yLow_ = 0;
    uint yHigh_ = 0;

    QTempRule* tempRule_ = nullptr;  // lives on temperThread_
    QThread temperThread_;
    QPoint zoomOffset_;
    int module_ = 0;
    QCustomLineEdit* zoomEdit_ = nullptr;

    QDevCommExec* devCommExec_ = nullptr;  // lives on commandThread_
    QThread commandThread_;
    bool fullScreenTherm_ = false;

    QTimer* recordTimer_ = nullptr;
    int recordSeconds_ = 0;
    Clock clock_ = &QDateTime::currentDateTime;
    QVideoHistogram* histogram_ = nullptr;
    QTimer* autoRecordTimer_ = nullptr;
    QLoginSetting* loginDlg_ = nullptr;
    bool streamFlag_ = true;

    QString deviceCaption_;
    bool removalCheckPending_ = false;
    QList<DeviceChangeNotifier*> notifiers_;  // children

    // The form.
    QWidget* functionWidget_ = nullptr;
    QVBoxLayout* functionLayout_ = nullptr;
    QVBoxLayout* videoLayout_ = nullptr;
    QWidget* scaleColumn_ = nullptr;  // "TemperScaleWidget"
    QVBoxLayout* scaleLayout_ = nullptr;
    QWidget* videoCtrlWidget_ = nullptr;  // the 18-button panel, hidden
    QWidget* newColorWidget_ = nullptr;   // the 10-button panel
    QWidget* moduleWidget_ = nullptr;
    QWidget* toolWidget_ = nullptr;
    QPushButton* connectBtn_ = nullptr;
    QPushButton* standbyBtn_ = nullptr;
    QLabel* usbModelLabel_ = nullptr;
    QLabel* usbModeNumLabel_ = nullptr;
    QPushButton* plusBtn_ = nullptr;
    QPushButton* minusBtn_ = nullptr;
    CSlider* zoomSlider_ = nullptr;
    QCheckBox* freezeCheckBox_ = nullptr;
    QCheckBox* hotpointCheckBox_ = nullptr;
    QCheckBox* coldpointCheckBox_ = nullptr;
    QVector<QPushButton*> oldPaletteBtns_;  // in oldPaletteButtons() order
    QVector<QPushButton*> newPaletteBtns_;  // in newPaletteButtons() order
};
