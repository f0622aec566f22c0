// The live page: connecting and disconnecting the camera, the hot-plug
// removal check, the video stream switch and sleep.

#include "QVideoPreviewModuleWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "camsdk.h"
#include "CSlider.h"
#include "DeviceInfoText.h"
#include "LivePageShared.h"
#include "MainWindow.h"
#include "QCustomLineEdit.h"
#include "QDeviceInfoModule.h"
#include "QImageCorrectModule.h"
#include "QImageInfoModule.h"
#include "QLoginSetting.h"
#include "QPreviewModuleWidget.h"
#include "QSettingModule.h"
#include "QTempCaliModule.h"
#include "QVideoHistogram.h"
#include "QVideoPlay.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoTemperShow.h"
#include "QVideoWndWidget.h"
#include "VideoSurface.h"

using livepage::sdk;
using livepage::prompts;

namespace {

constexpr int kAwakeMode = 4;
constexpr int kSleepMode = 5;
constexpr int kGuidanceDelayMs = 500;

}  // namespace

// ---- Connection ---------------------------------------------------------------------

void QVideoPreviewModuleWidget::setConnectStatusChangedSlots()
{
    if (!sdk().Connect()) {
        imageInfoModule_->refreshImageParam();
        deviceInfoModule_->refreshDevInfo();
        settingModule_->updateFocusBtnVisible();
        imageCorrectModule_->refreshDeviceStatus();
        tempCaliModule_->refreshCurrentPage();
        return;
    }
    switch (module_) {
        case 3:
            imageInfoModule_->refreshImageParam();
            break;
        case 2:
            deviceInfoModule_->refreshDevInfo();
            break;
        case 1:
            settingModule_->updateFocusBtnVisible();
            break;
        case 6:
            imageCorrectModule_->refreshDeviceStatus();
            QTimer::singleShot(kGuidanceDelayMs, this, [this] { imageCorrectModule_->confirmGuidanceWarning(); });
            break;
        case 7:
            tempCaliModule_->refreshCurrentPage();
            break;
        case 5:
            if (auto* mainWindow = qobject_cast<MainWindow*>(window())) mainWindow->setModuleShow(5);
            break;
        default:
            break;
    }
}

void QVideoPreviewModuleWidget::setConnectButtonState(bool bConnected)
{
    connectBtn_->setObjectName(bConnected ? "ConnectBtn" : "DisConnectBtn");
    connectBtn_->setToolTip(bConnected ? tr("Disconnect") : tr("Connect"));
    connectBtn_->style()->unpolish(connectBtn_);
    connectBtn_->style()->polish(connectBtn_);
}

void QVideoPreviewModuleWidget::setStandbyButtonState(bool bSleeping)
{
    standbyBtn_->setObjectName(bSleeping ? "StandByBtn" : "DisStandByBtn");
    standbyBtn_->setToolTip(bSleeping ? tr("Close") : tr("Sleep"));
    standbyBtn_->style()->unpolish(standbyBtn_);
    standbyBtn_->style()->polish(standbyBtn_);
}

// ---- Connection ---------------------------------------------------------------------

void QVideoPreviewModuleWidget::setManualConnectSlots()
{
    if (!connected_) {
        loginDlg_->show();
        loginDlg_->raise();
        return;
    }
    if (!prompts().question(this, tr("Disconnect"), tr("Disconnect the device?"))) return;
    if (recording_) stopRecording();
    emit sendDevDisconnectSignal();
}

void QVideoPreviewModuleWidget::setConnectDeviceSlot(USBSDK_DeviceInfo info)
{
    prompts().waitStatus(loadingDlg_, true);
    loginDlg_->hide();
    streamFlag_ = info.streamFlag != 0;
    // Drawn by the overlay at its bottom right once rule drawing lands.
    deviceCaption_ = DeviceInfoText::captionText(info);
    emit sendDevConnectSignal(info);
}

void QVideoPreviewModuleWidget::setDevConnectRetSlot(bool bRet)
{
    if (bRet) {
        connected_ = true;
        if (streamFlag_ && isRenderedMode()) emit sendVideoPlaySignals(videoWnd_->getVideoWnd(), true);
        setConnectButtonState(true);
        setToolbarEnabled(true);
        if (USBSDK_GetDeviceType() == 0) setRuleClearBtnSlots();
        autoRecordTimer_->start(kAutoRecordCheckMs);
        emit sendConnectDeviceStatusSignals();
        emit sendOpenThermalFuncSignal();
    } else {
        prompts().notice(this, tr("Device connect fail prompt1") + QStringLiteral("\r\n") +
                                   tr("Device connect fail prompt2") + QStringLiteral("\r\n") +
                                   tr("Device connect fail prompt3"));
        loginDlg_->show();
    }
    closeWaitDialog();
}

void QVideoPreviewModuleWidget::setDevDisconnectRetSlot(bool bRet)
{
    if (!bRet) return;
    connected_ = false;
    videoWnd_->setViewUpdatesEnabled(true);
    // Back to the connect picture; the frame worker clears again once it has
    // stopped, after any picture it still had on its way.
    videoWnd_->getVideoWnd()->clearFrame();
    videoWnd_->setDisplayMode(true);

    sceneView_->hide();
    sceneView_->clearFpsText();

    setThermalUiEnabled(false);
    setToolbarEnabled(false);

    if (freezeCheckBox_->isChecked()) {
        freezeCheckBox_->setChecked(false);
        sdk().setFrozen(false);
    }

    sidePanel_->resetRefreshTime();
    zoomEdit_->setText(QStringLiteral("0"));
    hotpointCheckBox_->setChecked(false);
    coldpointCheckBox_->setChecked(false);
    sceneView_->setHotColdVisible(false, false);
    usbModeNumLabel_->clear();

    if (sdk().isSleeping()) setStandbyButtonState(false);
    setConnectButtonState(false);

    if (histogram_->isVisible()) histogram_->close();

    emit sendVideoStopPlaySignals();
    QPointer<VideoSurface> surface = videoWnd_->getVideoWnd();
    QMetaObject::invokeMethod(
        videoPlay_,
        [surface] {
            if (surface) surface->postClear();
        },
        Qt::QueuedConnection);
    temperShow_->hide();

    emit sendConnectDeviceStatusSignals();
    emit SendTimerStatusSignals(false);

    sdk().setFrameDumpEnable(false, DeviceSdkWrapper::kDumpYuv);
    sdk().setFrameDumpEnable(false, DeviceSdkWrapper::kDumpRaw);
    sdk().stopFrameDump(DeviceSdkWrapper::kDumpYuv);
    sdk().stopFrameDump(DeviceSdkWrapper::kDumpRaw);

    autoRecordTimer_->stop();
    if (auto* mainWindow = qobject_cast<MainWindow*>(window())) mainWindow->closeAdvancedPage();
}

void QVideoPreviewModuleWidget::getOpenThermalFuncRet(bool bRet)
{
    if (!sdk().Connect()) return;
    if (!bRet) prompts().notice(this, tr("Device Thermal Fail, Please reconnect."));
    setThermalUiEnabled(USBSDK_GetDeviceType() == 1);
    if (!sceneView_->isHidden()) layoutSceneView(videoPlay_->getFrameSize());
    if (USBSDK_GetDeviceType() != 0) {
        updateCommonTemperParam();
        sidePanel_->refreshRuleParam();
        setUpdateRuleInfoSlots();
        setUpdateTemperSlots();
    }
    emit SendTimerStatusSignals(true);
    // A refresh interval chosen while no camera was there applies now.
    sidePanel_->applyRefreshTime();
}

void QVideoPreviewModuleWidget::setVideoPlayOutputSlots(int nStatus)
{
    switch (nStatus) {
        case 0:
            // A frame of a new size: the zoom crop is cut from it now.
            applyZoomStep(zoomSlider_->value());
            if (module_ != 4 && module_ != 5 && isRenderedMode()) showSceneView();
            // The frame worker draws into the label now.
            videoWnd_->setViewUpdatesEnabled(false);
            break;
        case 1:
            prompts().notice(this, tr("Device Real Play Fail, Please reconnect."));
            emit sendDevDisconnectSignal();
            break;
        case 2:
            prompts().notice(this, tr("Device Thermal Fail, Please reconnect."));
            break;
        default:
            break;
    }
}

// ---- Hot-plug --------------------------------------------------------------------------

void QVideoPreviewModuleWidget::setDeviceRemovedSlot()
{
    // The camera layer may already report the loss, so the page's own state
    // decides; a firmware update owns the device while it reboots.
    if (!connected_ || removalCheckPending_ || settingModule_->isUpdating()) return;
    removalCheckPending_ = true;
    QTimer::singleShot(kRemovalCheckMs, this, &QVideoPreviewModuleWidget::setJudgeDevConnStatusTimer);
}

void QVideoPreviewModuleWidget::setJudgeDevConnStatusTimer()
{
    removalCheckPending_ = false;
    if (!videoPlay_ || !connected_) return;
    // Without video the camera itself has to say it is gone.
    const bool removed = streamFlag_ ? !videoPlay_->isVideoAlive() : !sdk().Connect();
    if (!removed) return;  // another device went away
    if (recording_) stopRecording();
    if (sdk().Close()) setDevDisconnectRetSlot(true);
    closeWaitDialog();
    prompts().notice(
        this, tr("Device connect fail prompt1") + QStringLiteral("\r\n") + tr("Device connect fail prompt2").mid(2));
    videoWnd_->update();
}

void QVideoPreviewModuleWidget::setStatusChangeSlots()
{
    if (recording_) stopRecording();
    if (sdk().Close()) setDevDisconnectRetSlot(true);
}

void QVideoPreviewModuleWidget::setChangeVideoStreamSlot(bool bVideo)
{
    const bool sleeping = sdk().isSleeping();
    if (USBSDK_GetDeviceType() == 1 && streamFlag_) scaleColumn_->setVisible(bVideo && !sleeping);
    videoWnd_->setDisplayMode(bVideo);
    if (bVideo && !sleeping && connected_) {
        showSceneView();
    } else {
        sceneView_->hide();
    }
    // Play restarts in the new mode only where there is play.
    if (streamFlag_ && connected_) emit sendVideoPlaySignals(videoWnd_->getVideoWnd(), bVideo);
}

// ---- Sleep ---------------------------------------------------------------------------

void QVideoPreviewModuleWidget::setStandBySlots()
{
    if (!sdk().Connect()) {
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    if (recording_) {
        prompts().notice(this, tr("Device is recording."));
        return;
    }
    emit sendSleepModeSignal(sdk().isSleeping() ? kAwakeMode : kSleepMode);
}

void QVideoPreviewModuleWidget::setSleepModeRetSlot(bool bRet)
{
    const bool measures = USBSDK_GetDeviceType() != 0;
    if (!sdk().isSleeping()) {
        if (!bRet) {
            prompts().notice(this, tr("Fail to close sleep mode."));
            return;
        }
        if (measures) setThermalUiEnabled(true);
        setToolbarEnabled(true);
        if (isRenderedMode()) showSceneView();
        setStandbyButtonState(false);
    } else {
        if (!bRet) {
            prompts().notice(this, tr("Fail to start sleep mode."));
            return;
        }
        if (measures) setThermalUiEnabled(false);
        setToolbarEnabled(false);
        sceneView_->hide();
        setStandbyButtonState(true);
    }
    if (module_ == 3) {
        imageInfoModule_->refreshImageParam();
    } else if (module_ == 7) {
        tempCaliModule_->refreshCurrentPage();
    }
}

void QVideoPreviewModuleWidget::setUSBUpdateShowSlots(bool bShow)
{
    emit sendUSBUpdateShowSignals(bShow);
}
