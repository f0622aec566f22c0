// The live page: construction of the form, its threads and workers, the
// wiring between them and the module pages, module switching, the events,
// and the placement of the rule overlay over the video.

#include "QVideoPreviewModuleWidget.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "camsdk.h"
#include "CSlider.h"
#include "DeviceChangeNotifier.h"
#include "DeviceChangeNotifierFactory.h"
#include "LivePageShared.h"
#include "MainWindow.h"
#include "QCustomLineEdit.h"
#include "QDevCommExec.h"
#include "QDeviceInfoModule.h"
#include "QIconTextVBtn.h"
#include "QImageCorrectModule.h"
#include "QImageInfoModule.h"
#include "QLoadingMsgDlg.h"
#include "QLoginSetting.h"
#include "QPreviewModuleWidget.h"
#include "QSettingModule.h"
#include "QTempCaliModule.h"
#include "QTemperScaleWidget.h"
#include "QTempRule.h"
#include "QUnitLabel.h"
#include "QVideoHistogram.h"
#include "QVideoPlay.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoTemperShow.h"
#include "QVideoWndWidget.h"
#include "ThermalImageData.h"
#include "VideoSurface.h"

using livepage::sdk;
using livepage::prompts;
using livepage::paletteButtonStyle;
using livepage::skinIcon;

namespace {

QString stepButtonStyle(const QString& stem)
{
    const QString url = QStringLiteral("url(:/Resource/Skin/%1_%2.png);");
    return QStringLiteral("QPushButton{border:none;background:transparent;image:") + url.arg(stem, "Normal") +
           QStringLiteral("}QPushButton:hover{image:") + url.arg(stem, "Hover") +
           QStringLiteral("}QPushButton:pressed{image:") + url.arg(stem, "Select") +
           QStringLiteral("}QPushButton:disabled{image:") + url.arg(stem, "Disable") + QStringLiteral("}");
}

// The form's 2-pixel separators (line1Label, linelLabel_1, lineLabel_2,
// lineLabel_3) share one style name.
QLabel* makeSeparator(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName("Line1Label");
    line->setFixedHeight(2);
    return line;
}

}  // namespace

// ---- Construction --------------------------------------------------------------

QVideoPreviewModuleWidget::QVideoPreviewModuleWidget(QWidget* parent) : QWidget(parent)
{
    frameThread_.setObjectName("LiveFrameThread");
    temperThread_.setObjectName("LiveTemperThread");
    commandThread_.setObjectName("LiveCommandThread");
    setupForm();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    videoPlay_ = new QVideoPlay();
    videoPlay_->setFeedsFrameDump(true);
    videoPlay_->moveToThread(&frameThread_);
    connect(&frameThread_, &QThread::finished, videoPlay_, &QObject::deleteLater);

    sceneView_ = new QVideoSceneViewCtrl(this);
    sceneView_->resize(500, 500);
    sceneView_->hide();
    temperShow_ = new QVideoTemperShow(this);
    temperShow_->hide();
    createPages();

    videoWnd_ = new QVideoWndWidget(this);
    videoWnd_->setVideoPlay(videoPlay_);
    videoLayout_->insertWidget(0, videoWnd_, 1);
    videoWnd_->setIdlePixmap(QPixmap(":/Resource/Skin/ConnectTip.png"));

    loadingDlg_ = new QLoadingMsgDlg(this);
    loadingDlg_->hide();
    tempRule_ = new QTempRule();
    tempRule_->moveToThread(&temperThread_);
    connect(&temperThread_, &QThread::finished, tempRule_, &QObject::deleteLater);
    buildScaleColumn();

    buildPalettePanels();
    devCommExec_ = new QDevCommExec();
    devCommExec_->moveToThread(&commandThread_);
    connect(&commandThread_, &QThread::finished, devCommExec_, &QObject::deleteLater);

    buildModuleBar();
    buildToolArea();

    recordTimer_ = new QTimer(this);
    // The overlay is a plain child widget here, so the page owns the dialog.
    histogram_ = new QVideoHistogram(this);
    histogram_->hide();
    loginDlg_ = new QLoginSetting(this);
    loginDlg_->hide();
    autoRecordTimer_ = new QTimer(this);

    sidePanel_->setEnabled(false);
    emit sendShowTemperResultSignal(false);
    if (streamFlag_) {
        sceneView_->setRuleWidgetEnableSlot(false);
        scaleColumn_->hide();
    }
    setToolbarEnabled(false);
    retranslate();

    frameThread_.start(QThread::InheritPriority);
    temperThread_.start(QThread::InheritPriority);
    commandThread_.start(QThread::InheritPriority);

    initConnect();

    // USB removals, in place of the window's device notifications. Both
    // sources may report one unplug; the check is armed once.
    notifiers_ = DeviceChangeNotifierFactory::create(this);
    for (DeviceChangeNotifier* notifier : notifiers_)
        connect(notifier, &DeviceChangeNotifier::deviceRemoved, this, &QVideoPreviewModuleWidget::setDeviceRemovedSlot);
}

QVideoPreviewModuleWidget::~QVideoPreviewModuleWidget()
{
    // Frames stop reaching the temperature worker before its thread ends: a
    // frame posted to a worker whose thread has finished would never be
    // delivered nor freed.
    QObject::disconnect(videoPlay_, nullptr, tempRule_, nullptr);
    // Each waits for its worker's current slot; the workers go with their
    // threads' finish.
    temperThread_.quit();
    temperThread_.wait();
    frameThread_.quit();
    frameThread_.wait();
    commandThread_.quit();
    commandThread_.wait();
}

void QVideoPreviewModuleWidget::setupForm()
{
    setObjectName("QVideoPreviewModuleWidget");
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    // Left: the video with its colour scale, the tool buttons below.
    auto* videoColumn = new QVBoxLayout();
    videoColumn->setContentsMargins(0, 0, 0, 0);
    videoColumn->setSpacing(0);
    auto* videoRow = new QHBoxLayout();
    videoRow->setContentsMargins(0, 0, 0, 0);
    videoRow->setSpacing(0);
    videoLayout_ = new QVBoxLayout();
    videoLayout_->setObjectName("videoLayout");
    videoLayout_->setContentsMargins(0, 0, 0, 0);
    videoLayout_->setSpacing(0);
    videoRow->addLayout(videoLayout_, 1);

    scaleColumn_ = new QWidget(this);
    scaleColumn_->setObjectName("TemperScaleWidget");
    scaleColumn_->setFixedWidth(kScaleWidth);
    scaleLayout_ = new QVBoxLayout(scaleColumn_);
    scaleLayout_->setObjectName("verticalLayout_3");
    scaleLayout_->setContentsMargins(0, 6, 0, 6);
    scaleLayout_->setSpacing(4);
    videoRow->addWidget(scaleColumn_);
    videoColumn->addLayout(videoRow, 1);

    toolWidget_ = new QWidget(this);
    toolWidget_->setObjectName("toolWidget");
    videoColumn->addWidget(toolWidget_);
    root->addLayout(videoColumn, 1);

    // Middle: the module bar with connection, palettes, switches and zoom.
    moduleWidget_ = new QWidget(this);
    moduleWidget_->setObjectName("ModuleWidget");
    moduleWidget_->setFixedWidth(kModuleBarWidth);
    videoCtrlWidget_ = new QWidget(moduleWidget_);
    videoCtrlWidget_->setObjectName("VideoCtrlWidget");
    videoCtrlWidget_->setFixedHeight(kPalettePanelHeight);
    newColorWidget_ = new QWidget(moduleWidget_);
    newColorWidget_->setObjectName("VideoCtrlWidget");
    newColorWidget_->setFixedHeight(kPalettePanelHeight);
    root->addWidget(moduleWidget_);

    // Right: the side panel and the module pages.
    functionWidget_ = new QWidget(this);
    functionWidget_->setObjectName("functionWidget");
    functionWidget_->setFixedWidth(kFunctionWidth);
    functionLayout_ = new QVBoxLayout(functionWidget_);
    functionLayout_->setContentsMargins(0, 0, 0, 0);
    functionLayout_->setSpacing(0);
    root->addWidget(functionWidget_);
}

void QVideoPreviewModuleWidget::createPages()
{
    sidePanel_ = new QPreviewModuleWidget(this);
    sidePanel_->show();
    settingModule_ = new QSettingModule(this);
    deviceInfoModule_ = new QDeviceInfoModule(this);
    imageInfoModule_ = new QImageInfoModule(this);
    imageCorrectModule_ = new QImageCorrectModule(this);
    tempCaliModule_ = new QTempCaliModule(this);
    for (QWidget* page : {static_cast<QWidget*>(sidePanel_), static_cast<QWidget*>(settingModule_),
                          static_cast<QWidget*>(deviceInfoModule_), static_cast<QWidget*>(imageInfoModule_),
                          static_cast<QWidget*>(imageCorrectModule_), static_cast<QWidget*>(tempCaliModule_)}) {
        if (page != sidePanel_) page->hide();
        functionLayout_->addWidget(page);
    }
}

void QVideoPreviewModuleWidget::buildScaleColumn()
{
    maxLabel_ = new QUnitLabel(this);
    minLabel_ = new QUnitLabel(this);
    temperScale_ = new QTemperScaleWidget(this);
    maxLabel_->setFontPx(12);
    minLabel_->setFontPx(12);
    temperScale_->setFixedWidth(16);
    scaleLayout_->addWidget(maxLabel_, 0, Qt::AlignHCenter);
    scaleLayout_->addWidget(temperScale_, 1, Qt::AlignHCenter);
    scaleLayout_->addWidget(minLabel_, 0, Qt::AlignHCenter);
    scaleColumn_->hide();
}

void QVideoPreviewModuleWidget::buildPalettePanels()
{
    // A swatch of its palette on each button; the skin may draw over it.
    const auto build = [this](QWidget* panel, const auto& table, QVector<QPushButton*>& buttons, int columns,
                              QSize size) {
        auto* grid = new QGridLayout(panel);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(4);
        grid->setAlignment(Qt::AlignCenter);
        const QSize swatch = size - QSize(6, 6);
        int n = 0;
        for (const PaletteButton& entry : table) {
            auto* button = new QPushButton(panel);
            button->setObjectName(entry.objectName);
            button->setFixedSize(size);
            const uint8_t* bmp = nullptr;
            int length = 0;
            QImage strip;
            if (ThermalImageData::getInstance().getPaletteBmp(colorBarIndexOf(entry.palette), 0, 255, 0, 255, 0, &bmp,
                                                              &length) == 0 &&
                strip.loadFromData(bmp, length, "BMP")) {
                button->setIcon(QPixmap::fromImage(strip.scaled(swatch)));
                button->setIconSize(swatch);
            }
            button->setStyleSheet(paletteButtonStyle(false));
            button->setEnabled(true);
            connect(button, &QPushButton::clicked, this, entry.slot);
            grid->addWidget(button, n / columns, n % columns);
            buttons.append(button);
            ++n;
        }
    };
    build(videoCtrlWidget_, oldPaletteButtons(), oldPaletteBtns_, 3, QSize(20, 24));
    build(newColorWidget_, newPaletteButtons(), newPaletteBtns_, 2, QSize(28, 28));
    videoCtrlWidget_->hide();
}

void QVideoPreviewModuleWidget::buildModuleBar()
{
    auto* bar = new QVBoxLayout(moduleWidget_);
    bar->setContentsMargins(0, 10, 0, 10);
    bar->setSpacing(8);

    connectBtn_ = new QPushButton(moduleWidget_);
    connectBtn_->setFixedSize(28, 28);
    standbyBtn_ = new QPushButton(moduleWidget_);
    standbyBtn_->setFixedSize(28, 28);
    setConnectButtonState(false);
    setStandbyButtonState(false);
    bar->addWidget(connectBtn_, 0, Qt::AlignHCenter);
    bar->addWidget(standbyBtn_, 0, Qt::AlignHCenter);
    bar->addWidget(makeSeparator(moduleWidget_));

    usbModelLabel_ = new QLabel(QStringLiteral("USBModel"), moduleWidget_);
    usbModelLabel_->setAlignment(Qt::AlignCenter);
    usbModelLabel_->hide();
    usbModeNumLabel_ = new QLabel(moduleWidget_);
    usbModeNumLabel_->hide();
    bar->addWidget(usbModelLabel_);
    bar->addWidget(usbModeNumLabel_);

    // The overlay carries the rule tools; these stay hidden.
    const char* const ruleButtons[] = {"PointBtn", "LineBtn", "RectBtn", "EllipseBtn", "PolygonBtn", "RuleClearBtn"};
    for (const char* name : ruleButtons) {
        auto* button = new QPushButton(moduleWidget_);
        button->setObjectName(name);
        button->setEnabled(true);
        button->hide();
        bar->addWidget(button, 0, Qt::AlignHCenter);
    }
    QLabel* ruleLine = makeSeparator(moduleWidget_);
    ruleLine->hide();
    bar->addWidget(ruleLine);

    bar->addWidget(videoCtrlWidget_);
    bar->addWidget(newColorWidget_);
    bar->addWidget(makeSeparator(moduleWidget_));

    freezeCheckBox_ = new QCheckBox(moduleWidget_);
    freezeCheckBox_->setObjectName("freezeCheckBox");
    freezeCheckBox_->setCheckable(true);
    hotpointCheckBox_ = new QCheckBox(moduleWidget_);
    hotpointCheckBox_->setObjectName("hotpointCheckBox");
    hotpointCheckBox_->setChecked(false);
    coldpointCheckBox_ = new QCheckBox(moduleWidget_);
    coldpointCheckBox_->setObjectName("coldpointCheckBox");
    coldpointCheckBox_->setChecked(false);
    for (QCheckBox* box : {freezeCheckBox_, hotpointCheckBox_, coldpointCheckBox_}) {
        box->setContentsMargins(2, 0, 0, 0);
        bar->addWidget(box);
    }
    bar->addWidget(makeSeparator(moduleWidget_));

    plusBtn_ = new QPushButton(moduleWidget_);
    plusBtn_->setObjectName("plusBtn");
    plusBtn_->setFixedSize(20, 20);
    plusBtn_->setStyleSheet(stepButtonStyle(QStringLiteral("Icon-increase")));
    minusBtn_ = new QPushButton(moduleWidget_);
    minusBtn_->setObjectName("minusBtn");
    minusBtn_->setFixedSize(20, 20);
    minusBtn_->setStyleSheet(stepButtonStyle(QStringLiteral("Icon-decrease")));

    zoomSlider_ = new CSlider(this);
    zoomSlider_->setRange(0, kMaxZoomStep);
    zoomSlider_->setPageStep(1);
    zoomSlider_->setOrientation(Qt::Vertical);
    zoomSlider_->setObjectName("SliderStyle1");
    // A click on the groove is read along the slider's own axis.
    zoomSlider_->setHorizontal(false);

    zoomEdit_ = new QCustomLineEdit(this);
    zoomEdit_->setIntRange(kMaxZoomStep);
    zoomEdit_->setText(QString::number(zoomSlider_->value()));
    zoomEdit_->setAlignment(Qt::AlignCenter);
    zoomEdit_->setFixedSize(48, 24);
    zoomEdit_->setStyleSheet(
        "QLineEdit{color:white;background-color: #292929;border-radius:4px;border:1px solid #5F615A;}");

    bar->addWidget(plusBtn_, 0, Qt::AlignHCenter);
    bar->addWidget(zoomSlider_, 1, Qt::AlignHCenter);
    bar->addWidget(minusBtn_, 0, Qt::AlignHCenter);
    bar->addWidget(zoomEdit_, 0, Qt::AlignHCenter);
}

void QVideoPreviewModuleWidget::buildToolArea()
{
    auto* tools = new QHBoxLayout(toolWidget_);
    tools->setObjectName("toolLayout");
    tools->setContentsMargins(12, 4, 12, 4);
    tools->setSpacing(8);
    tools->addStretch(1);
    ffcBtn_ = new QIconTextVBtn(toolWidget_);
    ffcBtn_->setIcon(skinIcon("TEMPIcon_FFC_normal.png"), skinIcon("TEMPIcon_FFC_Select.png"));
    ffcBtn_->setText(QStringLiteral("FFC"));
    snapshotBtn_ = new QIconTextVBtn(toolWidget_);
    snapshotBtn_->setIcon(skinIcon("TEMPIcon_Manual_normal.png"), skinIcon("TEMPIcon_Manual_Select.png"));
    recordBtn_ = new QIconTextVBtn(toolWidget_);
    recordBtn_->setIcon(skinIcon("TEMPIcon_Video_normal.png"), skinIcon("TEMPIcon_Video_Select.png"));
    tools->insertWidget(0, ffcBtn_);
    tools->insertWidget(1, snapshotBtn_);
    tools->insertWidget(2, recordBtn_);
}

// ---- Connection table ------------------------------------------------------------

void QVideoPreviewModuleWidget::initConnect()
{
    using P = QVideoPreviewModuleWidget;
    QVideoPlay* play = videoPlay_;
    QTempRule* temper = tempRule_;
    QDevCommExec* worker = devCommExec_;

    // The page's own controls (the palette buttons are wired as they are made).
    connect(connectBtn_, &QPushButton::clicked, this, &P::setManualConnectSlots);
    connect(standbyBtn_, &QPushButton::clicked, this, &P::setStandBySlots);
    connect(minusBtn_, &QPushButton::clicked, this, &P::setScaleMinusSlots);
    connect(plusBtn_, &QPushButton::clicked, this, &P::setScalePlusSlots);
    connect(zoomSlider_, &QSlider::valueChanged, this, &P::setScaleValueSlots);
    connect(zoomEdit_, &QLineEdit::textChanged, this, &P::setScaleTextSlots);
    connect(freezeCheckBox_, &QCheckBox::clicked, this, &P::setFreezeCheckSlots);
    connect(hotpointCheckBox_, &QCheckBox::clicked, this, &P::setHotPointCheckSlots);
    connect(coldpointCheckBox_, &QCheckBox::clicked, this, &P::setHotPointCheckSlots);
    connect(ffcBtn_, &QPushButton::clicked, this, &P::setFFCBtnSlots);
    connect(snapshotBtn_, &QPushButton::clicked, this, &P::setScreenshotBtnSlots);
    connect(recordBtn_, &QPushButton::clicked, this, &P::setVideoRecordBtnSlots);
    connect(recordTimer_, &QTimer::timeout, this, &P::setUpdateRecordTimeSlot);
    connect(autoRecordTimer_, &QTimer::timeout, this, &P::setCheckAutoRecordTimeSlot);
    connect(this, &P::sendConnectDeviceStatusSignals, this, &P::setConnectStatusChangedSlots);

    // Frame worker.
    connect(this, &P::sendVideoPlaySignals, play, &QVideoPlay::setVideoPlaySlots);
    connect(this, &P::sendVideoStopPlaySignals, play, &QVideoPlay::setVideoStopPlaySlot);
    connect(this, &P::sendSnapshotSignals, play, &QVideoPlay::setDealSnapshotSlots);
    connect(this, &P::sendStartRecordSignals, play, &QVideoPlay::setStartRecordSlots);
    connect(this, &P::sendStopRecordSignals, play, &QVideoPlay::setStopRecordSlots);
    connect(this, &P::sendHeatMapExportSignal, play, &QVideoPlay::setHeatMapExportSlot);
    connect(play, &QVideoPlay::sendVideoPlayOutputSignals, this, &P::setVideoPlayOutputSlots);
    connect(play, &QVideoPlay::sendSnapshotResultSignals, this, &P::setDealSnapshotResultSlots);
    connect(play, &QVideoPlay::sendRecordResultSignals, this, &P::setDealRecordResultSlots);
    connect(play, &QVideoPlay::sendResetRecordTimeSignal, this, &P::resetRecordTimeSlot);
    connect(play, &QVideoPlay::sendHeatMapExportRetSignal, this, &P::setHeatMapExportRetSlot);
    connect(play, &QVideoPlay::sendYUVSignals, temper, &QTempRule::getYuvData);
    connect(play, &QVideoPlay::sendYUVSignals, histogram_, &QVideoHistogram::getYUVDataSlot);
    connect(play, &QVideoPlay::sendVideoPlayFpsSignals, sceneView_, &QVideoSceneViewCtrl::setVideoPlayFpsSlots);
    connect(play, &QVideoPlay::sendRGBSignal, videoWnd_, &QVideoWndWidget::setShowImageSlot);

    // Temperature worker.
    connect(this, &P::sendOpenThermalFuncSignal, temper, &QTempRule::OpenThermalFunctionSlot);
    connect(this, &P::SendTimerStatusSignals, temper, &QTempRule::setTimerStatusSlot);
    connect(this, &P::sendSetThermalRulesSignal, temper, &QTempRule::setThermalRulesSlot);
    connect(temper, &QTempRule::sendUpdateTemperSignals, this, &P::setUpdateTemperSlots);
    connect(temper, &QTempRule::SendYDataSignals, this, &P::SetYDataSlot);
    connect(temper, &QTempRule::sendOpenThermalFuncRetSignal, this, &P::getOpenThermalFuncRet);
    connect(sidePanel_, &QPreviewModuleWidget::sendSetThermRefreshTimeSignal, temper,
            &QTempRule::setThermRefreshTimeSlot);

    // Device-command worker.
    connect(this, &P::sendDevConnectSignal, worker, &QDevCommExec::setDevConnectSlot);
    connect(this, &P::sendDevDisconnectSignal, worker, &QDevCommExec::setDevDisconnectSlot);
    connect(this, &P::sendSetColorrizationSignal, worker, &QDevCommExec::setColorrizationSlot);
    connect(this, &P::sendGetCurrentColorSignal, worker, &QDevCommExec::getCurrentColorSlot);
    connect(this, &P::sendSleepModeSignal, worker, &QDevCommExec::setSleepModeSlot);
    connect(this, &P::sendShutterCorrectSignal, worker, &QDevCommExec::setFFCSlot);
    connect(this, &P::sendGetIsothermStatusSignal, worker, &QDevCommExec::getIsothermStatusSlot);
    connect(this, &P::sendUpdateGlobalInfoSignal, worker, &QDevCommExec::setUpdateGlobalInfoSlots);
    connect(this, &P::sendSaveSecCalibrationRectSignal, worker, &QDevCommExec::setSaveSecCalibrationRectSlot);
    connect(this, &P::sendFullCalibrationCalibrateRectSignal, worker,
            &QDevCommExec::setFullCalibrationCalibrateRectSlot);
    connect(worker, &QDevCommExec::sendDevConnectRetSignal, this, &P::setDevConnectRetSlot);
    connect(worker, &QDevCommExec::sendDevDisconnectRetSignal, this, &P::setDevDisconnectRetSlot);
    connect(worker, &QDevCommExec::sendSetColorrizationRetSignal, this, &P::setColorrizationRetSlot);
    connect(worker, &QDevCommExec::sendCurrentColorSignal, this, &P::getCurrentColorRet);
    connect(worker, &QDevCommExec::sendSleepModeRetSignal, this, &P::setSleepModeRetSlot);
    connect(worker, &QDevCommExec::sendFFCRetSignal, this, &P::setShutterCorrectRetSlot);
    connect(worker, &QDevCommExec::sendGetIsothermStatusRetSignal, this, &P::getIsothermStatusRetSlot);
    connect(worker, &QDevCommExec::sendUpdateGlobalInfoRetSignal, this, &P::setUpdateGlobalInfoSlots);

    // Rule overlay and video window.
    connect(sceneView_, &QVideoSceneViewCtrl::sendAddItemSignals, this, &P::setAddItemSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendItemChangeSignals, this, &P::setItemChangeSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendItemReleasedSignals, this, &P::setUpdateRuleInfoSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendItemDeleteSignals, this, &P::setRuleDeletedSlot);
    connect(sceneView_, &QVideoSceneViewCtrl::sendItemDeleteSignals, sidePanel_,
            &QPreviewModuleWidget::setItemDeleteSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendItemDeleteSignals, temperShow_,
            &QVideoTemperShow::setItemDeleteSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendItemSelectSignals, sidePanel_,
            &QPreviewModuleWidget::setItemSelectSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendMouseTransparentSignals, temperShow_,
            &QVideoTemperShow::setMouseTransparentSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendRuleDrawCompleteSignals, this, &P::setRuleDrawCompleteSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendVideoSceneViewShowSignal, this, &P::setMainWndMoveSlots);
    connect(sceneView_, &QVideoSceneViewCtrl::sendVideoFullSrceenSignal, videoWnd_,
            &QVideoWndWidget::setVideoFullScreenSlot);
    connect(videoWnd_, &QVideoWndWidget::sendUpdateSceneViewSizeSignal, this, &P::updateSceneViewSizeAndPosSlot);

    // Side panel.
    connect(sidePanel_, &QPreviewModuleWidget::sendUpdateRuleInfoSignals, this, &P::setUpdateRuleInfoSlots);
    connect(sidePanel_, &QPreviewModuleWidget::sendUpdateRulesParamsSignal, this, &P::setUpdateRulesParamsSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendUpdateGlobalInfoSignales, this, &P::setUpdateGlobalInfoRequestSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendColorizationChangeSignal, this, &P::setColorizationChangeSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendFullScreenThermEnableSwitchSignal, this,
            &P::setFullScreenThermEnableSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendSelectedItemSignal, sceneView_,
            &QVideoSceneViewCtrl::setSelectedItemSlot);
    connect(this, &P::sendShowTemperResultSignal, sidePanel_, &QPreviewModuleWidget::setAllDlgShowSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendGetIsothermStatusSignal, worker,
            &QDevCommExec::getIsothermStatusSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendSetIsothermFuncSignal, worker, &QDevCommExec::setIsothermFuncSlot);
    connect(worker, &QDevCommExec::sendSetIsothermStatusRetSignal, sidePanel_,
            &QPreviewModuleWidget::setIsothermStatusRetSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendGetGainModeSignal, worker, &QDevCommExec::getGainModeSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendSetGainModeSignal, worker, &QDevCommExec::setGainModeSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendSaveGainModeSignal, worker, &QDevCommExec::setSaveImageParamSlot);
    connect(worker, &QDevCommExec::sendGetGainModeRetSignal, sidePanel_, &QPreviewModuleWidget::getGainModeRetSlot);
    connect(worker, &QDevCommExec::sendSetGainModeRetSignal, sidePanel_, &QPreviewModuleWidget::setGainModeRetSlot);
    connect(worker, &QDevCommExec::sendSaveImageParamRetSignal, sidePanel_,
            &QPreviewModuleWidget::sendSaveImageParamRetSignal);
    connect(sidePanel_, &QPreviewModuleWidget::sendGetLowTempTwoGearSignal, worker,
            &QDevCommExec::getLowTempTwoGearSlot);
    connect(sidePanel_, &QPreviewModuleWidget::sendSetLowTempTwoGearSignal, worker,
            &QDevCommExec::setLowTempTwoGearSlot);
    connect(worker, &QDevCommExec::sendGetLowTempTwoGearRetSignal, sidePanel_,
            &QPreviewModuleWidget::sendGetLowTempTwoGearRetSignal);
    connect(worker, &QDevCommExec::sendSetLowTempTwoGearRetSignal, sidePanel_,
            &QPreviewModuleWidget::sendSetLowTempTwoGearRetSignal);

    connectModulePages();

    // Connection dialog.
    connect(loginDlg_, &QLoginSetting::sendConncetDeviceSignal, this, &P::setConnectDeviceSlot);
}

void QVideoPreviewModuleWidget::connectModulePages()
{
    using P = QVideoPreviewModuleWidget;
    QDevCommExec* w = devCommExec_;
    using W = QDevCommExec;

    // Settings module (1): notices to the page, requests to the worker and
    // the worker's answers back under the module's signals.
    QSettingModule* s = settingModule_;
    using S = QSettingModule;
    connect(s, &S::sendTitleStatusChangeSignals, this, &P::setStatusChangeSlots);
    connect(s, &S::ReconnectDeviceSignals, this, &P::setStatusChangeSlots);
    connect(s, &S::RestoreDeviceSignals, this, &P::setRestoreUpdateFalseColSlots);
    connect(s, &S::RestoreDeviceSignals, w, &W::setRestoreDeviceSlot);
    connect(s, &S::sendFlipChangedStateSignal, sceneView_, &QVideoSceneViewCtrl::setFlipChangedStateSlot);
    connect(s, &S::sendDataModelSignals, this, &P::setYUVUpdateShowSlots);
    connect(s, &S::sendLanguageChangedSignal, this, &P::sendLanguageChangedSignal);
    connect(this, &P::sendUSBUpdateShowSignals, s, &S::setUSBUpdateShowSlots);
    connect(s, &S::sendShowCrossCursorSignal, w, &W::setShowCrosslineSlot);
    connect(s, &S::sendGetCrossCursorSignal, w, &W::getCrossCursorSlot);
    connect(s, &S::sendSetImageFlipModeSignal, w, &W::setImageFlipModeSlot);
    connect(s, &S::sendGetImageFlipModeSignal, w, &W::getImageFlipModeSlot);
    connect(s, &S::sendRebootDeviceSignal, w, &W::setRebootDeviceSlot);
    connect(s, &S::sendOutputModeSwitchSignal, w, &W::setOutputModeSwitchSlot);
    connect(s, &S::sendGetOutputModeSignal, w, &W::getOutputModeSlot);
    connect(s, &S::sendSetSuperResolutionModeSignal, w, &W::setSuperResolutionModeSlot);
    connect(s, &S::sendGetSuperResolutionModeSignal, w, &W::getSuperResolutionModeSlot);
    connect(s, &S::sendGetFocusModeSignal, w, &W::getFocusModeSlot);
    connect(s, &S::sendSetFocusModeSignal, w, &W::setFocusModeSlot);
    connect(s, &S::sendSetAutoFocusSignal, w, &W::setAutoFocusBtnSlot);
    connect(s, &S::sendZoomBtnClickedSignal, w, &W::setZoomBtnClickedSlot);
    connect(s, &S::sendZoomBtnPressedSignal, w, &W::setZoomBtnPressedSlot);
    connect(s, &S::sendFocusBtnClickedSignal, w, &W::setFocusBtnClickedSlot);
    connect(s, &S::sendFocusBtnPressedSignal, w, &W::setFocusBtnPressedSlot);
    connect(s, &S::sendSetThermalRawTypeSignal, w, &W::setThermalRawTypeSlot);
    connect(s, &S::sendGetThermalRawTypeSignal, w, &W::getThermalRawTypeSlot);
    connect(w, &W::sendRestoreDeviceRetSignal, s, &S::sendRestoreDeviceRetSignal);
    connect(w, &W::sendGetCrossCursorRetSignal, s, &S::sendGetCrossCursorRetSignal);
    connect(w, &W::sendSetImageFlipModeRetSignal, s, &S::sendSetImageFlipModeRetSignal);
    connect(w, &W::sendGetImageFlipModeRetSignal, s, &S::sendGetImageFlipModeRetSignal);
    connect(w, &W::sendRebootDeviceRetSignal, s, &S::sendRebootDeviceRetSignal);
    connect(w, &W::sendOutputModeSwitchRetSignal, s, &S::sendOutputModeSwitchRetSignal);
    connect(w, &W::sendGetOutputModeRetSignal, s, &S::sendGetOutputModeRetSignal);
    connect(w, &W::sendSetSuperResolutionModeRetSignal, s, &S::sendSetSuperResolutionModeRetSignal);
    connect(w, &W::sendGetSuperResolutionModeRetSignal, s, &S::sendGetSuperResolutionModeRetSignal);
    connect(w, &W::sendGetFocusModeRetSignal, s, &S::sendGetFocusModeRetSignal);
    connect(w, &W::sendSetFocusFuncRetSignal, s, &S::sendSetFocusFuncRetSignal);
    connect(w, &W::sendSetThermalRawTypeRetSignal, s, &S::sendSetThermalRawTypeRetSignal);
    connect(w, &W::sendGetThermalRawTypeRetSignal, s, &S::sendGetThermalRawTypeRetSignal);

    // Device information (2) and image information (3).
    connect(deviceInfoModule_, &QDeviceInfoModule::sendGetDeviceInfoSignal, w, &W::setGetDeviceInfoSlot);
    connect(w, &W::sendGetDeviceInfoRetSignal, deviceInfoModule_, &QDeviceInfoModule::sendGetDeviceInfoRetSignal);
    connect(imageInfoModule_, &QImageInfoModule::sendFalseColorIndexSignals, this, &P::setUpdateFalseColCurIndexSlots);

    // Image correction (6). The temperature-drift requests and results share
    // their names and differ in their parameters.
    QImageCorrectModule* c = imageCorrectModule_;
    using C = QImageCorrectModule;
    connect(c, &C::sendGetGainModeSignal, w, &W::getGainModeSlot);
    connect(c, &C::sendSetGainModeSignal, w, &W::setGainModeSlot);
    connect(c, &C::sendGetLowTempTwoGearSignal, w, &W::getLowTempTwoGearSlot);
    connect(c, &C::sendSetLowTempTwoGearSignal, w, &W::setLowTempTwoGearSlot);
    connect(c, &C::sendGetNUCBasicParamsSignal, w, &W::getNUCBasicParamsSlot);
    connect(c, &C::sendGetNUCSaveTimeAndCountSignal, w, &W::getNUCSaveTimeAndCountSlot);
    connect(c, &C::sendSetNUCSaveTimeAndCountSignal, w, &W::setNUCSaveTimeAndCountSlot);
    connect(c, &C::sendStartNUCCollectSignal, w, &W::setNUCBlackOperationSlot);
    connect(c, &C::sendGetThermalEquilibriumSignal, w, &W::getThermalEquilibriumSlot);
    connect(c, &C::sendGetSFFCBasicParamsSignal, w, &W::getSFFCBasicParamsSlot);
    connect(c, &C::sendGetSFFCEnableSignal, w, &W::getSFFCEnableSlot);
    connect(c, &C::sendSetSFFCEnableSignal, w, &W::setSFFCEnableSlot);
    connect(c, &C::sendGetSFFCSaveTimeAndCountSignal, w, &W::getSFFCSaveTimeAndCountSlot);
    connect(c, &C::sendSetSFFCSaveTimeAndCountSignal, w, &W::setSFFCSaveTimeAndCountSlot);
    connect(c, &C::sendStartSFFCCollectSignal, w, &W::setSFFCCollectSlot);
    connect(c, &C::sendAutoRemoveBadPixelSignal, w, &W::setAutoRemoveBadPixelSlot);
    connect(c, &C::sendClearBadPixelSignal, w, &W::setClearBadPixelSlot);
    connect(c, &C::sendGetTwoSFFCEnvironmentSignal, w, &W::setGetTwoSFFCEnvironmentSlot);
    connect(c, qOverload<>(&C::sendGetTemperDriftSwitchSignal), w, &W::getTemperDriftSwitchSlot);
    connect(c, qOverload<>(&C::sendGetDeltaBThresholdSignal), w, &W::getDeltaBThresholdSlot);
    connect(c, qOverload<>(&C::sendGetDeltaBTimeAndCountSignal), w, &W::getDeltaBTimeAndCountSlot);
    connect(c, qOverload<>(&C::sendGetDeltaBResultSignal), w, &W::getDeltaBResultSlot);
    connect(c, qOverload<int>(&C::sendSetDeltaBSwitchSignal), w, &W::setDeltaBSwitchSlot);
    connect(c, qOverload<int>(&C::sendCollectDeltaBSignal), w, &W::collectDeltaBSlot);
    connect(c, qOverload<uint, uint>(&C::sendSaveDeltaBCountAndTimeSignal), w, &W::saveDeltaBTimeAndCountSlot);
    connect(c, qOverload<>(&C::sendCheckDeltaBResultSignal), w, &W::checkDeltaBResultSlot);
    connect(c, &C::sendGetALLBadColsSignal, w, &W::getAllBadColsSlot);
    connect(c, &C::sendGetALLBadPixelsSignal, w, &W::getAllBadPixelsSlot);
    connect(c, &C::sendSetAllBadPixelsSignal, w, &W::setAllBadPixelsSlot);
    connect(c, &C::sendSetAllBadColsSignal, w, &W::setAllBadColsSlot);
    connect(c, &C::sendSaveAllBPSignal, w, &W::setSaveAllBPSlot);
    connect(w, &W::sendGetGainModeRetSignal, c, &C::sendGetGainModeRetSignal);
    connect(w, &W::sendSetGainModeRetSignal, c, &C::sendSetGainModeRetSignal);
    connect(w, &W::sendGetLowTempTwoGearRetSignal, c, &C::sendGetLowTempTwoGearRetSignal);
    connect(w, &W::sendSetLowTempTwoGearRetSignal, c, &C::sendSetLowTempTwoGearRetSignal);
    connect(w, &W::sendGetNUCBasicParamsRetSignal, c, &C::sendGetNUCBasicParamsRetSignal);
    connect(w, &W::sendGetNUCSaveTimeAndCountRetSignal, c, &C::sendGetNUCSaveTimeAndCountRetSignal);
    connect(w, &W::sendSetNUCSaveTimeAndCountRetSignal, c, &C::sendSetNUCSaveTimeAndCountRetSignal);
    connect(w, &W::sendNUCBlackOneOperationSignal, c, &C::sendNUCBlackOneOperationSignal);
    connect(w, &W::sendNUCBlackTwoOperationSignal, c, &C::sendNUCBlackTwoOperationSignal);
    connect(w, &W::sendGetThermalEquilibriumRetSignal, c, &C::sendGetThermalEquilibriumRetSignal);
    connect(w, &W::sendGetSFFCBasicParamsRetSignal, c, &C::sendGetSFFCBasicParamsRetSignal);
    connect(w, &W::sendGetSFFCEnableRetSignal, c, &C::sendGetSFFCEnableRetSignal);
    connect(w, &W::sendSetSFFCEnableRetSignal, c, &C::sendSetSFFCEnableRetSignal);
    connect(w, &W::sendGetSFFCSaveTimeAndCountRetSignal, c, &C::sendGetSFFCSaveTimeAndCountRetSignal);
    connect(w, &W::sendSetSFFCSaveTimeAndCountRetSignal, c, &C::sendSetSFFCSaveTimeAndCountRetSignal);
    connect(w, &W::sendStartSFFCCollectRetSignal, c, &C::sendStartSFFCCollectRetSignal);
    connect(w, &W::sendAutoRemoveBadPixelRetSignal, c, &C::sendAutoRemoveBadPixelRetSignal);
    connect(w, &W::sendClearBadPixelRetSignal, c, &C::sendClearBadPixelRetSignal);
    connect(w, &W::sendGetTwoSFFCEnvironmentRetSignal, c, &C::sendGetTwoSFFCEnvironmentRetSignal);
    connect(w, &W::sendGetTemperDriftSwitchSignal, c, qOverload<bool, int>(&C::sendGetTemperDriftSwitchSignal));
    connect(w, &W::sendGetDeltaBThresholdSignal, c, qOverload<bool, int>(&C::sendGetDeltaBThresholdSignal));
    connect(w, &W::sendGetDeltaBTimeAndCountSignal, c,
            qOverload<bool, uint, uint>(&C::sendGetDeltaBTimeAndCountSignal));
    connect(w, &W::sendGetDeltaBResultSignal, c, qOverload<bool, uchar, int>(&C::sendGetDeltaBResultSignal));
    connect(w, &W::sendSetDeltaBSwitchSignal, c, qOverload<bool>(&C::sendSetDeltaBSwitchSignal));
    connect(w, &W::sendCollectDeltaBSignal, c, qOverload<bool>(&C::sendCollectDeltaBSignal));
    connect(w, &W::sendSaveDeltaBCountAndTimeSignal, c, qOverload<bool>(&C::sendSaveDeltaBCountAndTimeSignal));
    connect(w, &W::sendCheckDeltaBResultSignal, c, qOverload<bool>(&C::sendCheckDeltaBResultSignal));
    connect(w, &W::sendGetAllBadColsRetSignal, c, &C::sendGetAllBadColsRetSignal);
    connect(w, &W::sendGetAllBadPixelsRetSignal, c, &C::sendGetAllBadPixelsRetSignal);
    connect(w, &W::sendSetAllBadPixelsRetSignal, c, &C::sendSetAllBadPixelsRetSignal);
    connect(w, &W::sendSetAllBadColsRetSignal, c, &C::sendSetAllBadColsRetSignal);
    connect(w, &W::sendSaveAllBadSetRetSignal, c, &C::sendSaveAllBadSetRetSignal);
    connect(w, &W::sendGetAllBadColsRetSignal, videoWnd_, &QVideoWndWidget::getAllBadColsRetSlot);
    connect(w, &W::sendGetAllBadPixelsRetSignal, videoWnd_, &QVideoWndWidget::getAllBadPixelsRetSlot);
    connect(c, &C::sendChangeVideoStreamSignal, this, &P::setChangeVideoStreamSlot);
    // Bad pixels between the video window and the correction page.
    QVideoWndWidget* v = videoWnd_;
    using V = QVideoWndWidget;
    connect(v, &V::sendAddBadPixelSignal, c, &C::sendAddBadPixelSignal);
    connect(v, &V::sendDeleteBadPixelSignal, c, &C::sendDeleteBadPixelSignal);
    connect(v, &V::sendClearBadPixelsSignal, c, &C::sendClearBadPixelsSignal);
    connect(v, &V::sendAddBadColSignal, c, &C::sendAddBadColSignal);
    connect(v, &V::sendDeleteBadColSignal, c, &C::sendDeleteBadColSignal);
    connect(v, &V::sendClearBadColsSignal, c, &C::sendClearBadColsSignal);
    connect(v, &V::sendHighlightBadPixelSignal, c, &C::sendHighlightBadPixelSignal);
    connect(v, &V::sendHighlightBadColSignal, c, &C::sendHighlightBadColSignal);
    connect(c, &C::sendHighlightTableBadPixelSignal, v, &V::setHighlightTableBadPixelSlot);
    connect(c, &C::sendHighlightTableBadColSignal, v, &V::setHighlightTableBadColSlot);
    connect(c, &C::sendTableDeleteBadPixelSignal, v, &V::setTableDeleteBadPixelSlot);
    connect(c, &C::sendTableDeleteBadColSignal, v, &V::setTableDeleteBadColSlot);
    connect(c, &C::sendTableDeleteAllBadPixelsSignal, v, &V::setTableDeleteAllBadPixelsSlot);
    connect(c, &C::sendTableDeleteAllBadColsSignal, v, &V::setTableDeleteAllBadColsSlot);

    // Temperature calibration (7): full calibration, second calibration and
    // gain mode, a few requests to the page itself.
    QTempCaliModule* t = tempCaliModule_;
    using T = QTempCaliModule;
    connect(t, &T::sendFullCalibraSetCollectConfigSignal, w, &W::setFullCalibrationCollectConfigSlot);
    connect(t, &T::sendFullCalibraSetPodEnableSignal, w, &W::setFullCalibrationPodEnableSlot);
    connect(t, &T::sendFullCalibraGetPodEnableSignal, w, &W::getFullCalibrationPodEnableSlot);
    connect(t, &T::sendFullCalibraSaveConfigSignal, w, &W::setFullCalibrationSaveConfigSlot);
    connect(t, &T::sendFullCalibraSetCalibrateRectSignal, this, &P::setFullCalibrationGenerateRectSlot);
    connect(t, &T::sendFullCalibraSaveCalibrateRectSignal, this, &P::setFullCalibrationCalibrateRectRequestSlot);
    connect(t, &T::sendFullCalibraCollectSignal, w, &W::setFullCalibrationCollectSlot);
    connect(t, &T::sendFullCalibraCalibrateSignal, w, &W::setFullCalibrationCalibrateSlot);
    connect(t, &T::sendFullCalibraSingleGearVerifySignal, w, &W::setFullCalibrationSingleGearVerifySlot);
    connect(t, &T::sendFullCalibraComprehensiveVerifySignal, w, &W::setFullCalibrationComprehensiveVerifySlot);
    connect(t, &T::sendFullCalibraSetCalTimeSignal, w, &W::setFullCalibrationCalTimeSlot);
    connect(t, &T::sendFullCalibraDefaultSignal, w, &W::setFullCalibrationDefaultSlot);
    connect(t, &T::sendFullCalibraSetBlackbodyTempSignal, w, &W::setFullCalibrationBlackbodyTempSlot);
    connect(t, &T::sendSetRuleWidgetEnableSignal, this, &P::setRuleWidgetEnableSlot);
    connect(w, &W::sendFullCalibrationCollectConfigRetSignal, t, &T::sendFullCalibraSetCollectConfigRetSignal);
    connect(w, &W::sendFullCalibrationPodEnableRetSignal, t, &T::sendFullCalibraSetPodEnableRetSignal);
    connect(w, &W::sendFullCalibrationPodEnableGetRetSignal, t, &T::sendFullCalibraGetPodEnableRetSignal);
    connect(w, &W::sendFullCalibrationSaveConfigRetSignal, t, &T::sendFullCalibraSaveConfigRetSignal);
    connect(w, &W::sendFullCalibrationCalibrateRectRetSignal, t, &T::sendFullCalibraSaveCalibrateRectRetSignal);
    connect(w, &W::sendFullCalibrationCollectRetSignal, t, &T::sendFullCalibraCollectRetSignal);
    connect(w, &W::sendFullCalibrationCalibrateRetSignal, t, &T::sendFullCalibraCalibrateRetSignal);
    connect(w, &W::sendFullCalibrationSingleGearVerifyRetSignal, t, &T::sendFullCalibraSingleGearVerifyRetSignal);
    connect(w, &W::sendFullCalibrationComprehensiveVerifyRetSignal, t, &T::sendFullCalibraComprehensiveVerifyRetSignal);
    connect(w, &W::sendFullCalibrationSetCalTimeRetSignal, t, &T::sendFullCalibraSetCalTimeRetSignal);
    connect(w, &W::sendFullCalibrationDefaultRetSignal, t, &T::sendFullCalibraDefaultRetSignal);
    connect(w, &W::sendFullCalibrationBlackbodyTempRetSignal, t, &T::sendFullCalibrationBlackbodyTempRetSignal);

    connect(t, &T::sendSecCalibraInitSignal, w, &W::setSecondCalibrationInitSlot);
    connect(t, &T::sendGetBalancedStateSignal, w, &W::getBalancedStateSlot);
    connect(t, &T::sendSetCalibrationRectSignal, w, &W::setSecCalibrationRectSlot);
    connect(t, &T::sendSetCalibrationRectSignal, this, &P::setRuleClearBtnSlots);
    connect(t, &T::sendCalibrateSignal, w, &W::setSecCalibrateSlot);
    connect(t, &T::sendSaveCalibrationRectSignal, this, &P::setSaveSecCalibrationRectRequestSlot);
    connect(t, &T::sendGetCalibrationResultSignal, w, &W::getSecCalibrationResultSlot);
    connect(t, &T::sendSetCalibrationTimeSignal, w, &W::setSaveSecCalibrationTimeSlot);
    connect(t, &T::sendSetCalibrationDefaultSignal, w, &W::setSecCalibrationDefalutSlot);
    connect(t, &T::sendGetCalibraProgSignal, w, &W::getSecCalibraProgSlot);
    connect(t, &T::sendUpdateRulesParamsSignal, this, &P::setUpdateRulesParamsSlot);
    connect(t, &T::sendSetCalibrationBlackbodyTempSignal, w, &W::setSecCalibrationBlackbodyTempSlot);
    connect(w, &W::sendGetBalancedStateRetSignal, t, &T::sendGetBalancedStateRetSignal);
    connect(w, &W::sendSetCalibrationRectRetSignal, t, &T::sendSetCalibrationRectRetSignal);
    connect(w, &W::sendSetCalibrationRectRetSignal, sceneView_, &QVideoSceneViewCtrl::setCalibrationRectRetSlot);
    connect(w, &W::sendCalibrateRetSignal, t, &T::sendCalibrateRetSignal);
    connect(w, &W::sendSaveCalibrationRectRetSignal, t, &T::sendSaveCalibrationRectRetSignal);
    connect(w, &W::sendGetCalibrationResultRetSignal, t, &T::sendGetCalibrationResultRetSignal);
    connect(w, &W::sendSaveSecCalibraTimeRetSignal, t, &T::sendSaveSecCalibraTimeRetSignal);
    connect(w, &W::sendSetCalibrationDefaultRetSignal, t, &T::sendSetCalibrationDefaultRetSignal);
    connect(w, &W::sendGetCalibraProgRetSignal, t, &T::sendGetCalibraProgRetSignal);
    connect(w, &W::sendSecCalibrationBlackbodyTempRetSignal, t, &T::sendSecCalibrationBlackbodyTempRetSignal);

    connect(t, &T::sendGetGainModeSignal, w, &W::getGainModeSlot);
    connect(t, &T::sendSetGainModeSignal, w, &W::setGainModeSlot);
    connect(t, &T::sendSaveGainModeSignal, w, &W::setSaveImageParamSlot);
    connect(t, &T::sendGetLowTempTwoGearSignal, w, &W::getLowTempTwoGearSlot);
    connect(t, &T::sendSetLowTempTwoGearSignal, w, &W::setLowTempTwoGearSlot);
    connect(w, &W::sendGetGainModeRetSignal, t, &T::sendGetGainModeRetSignal);
    connect(w, &W::sendSetGainModeRetSignal, t, &T::sendSetGainModeRetSignal);
    connect(w, &W::sendSaveImageParamRetSignal, t, &T::sendSaveImageParamRetSignal);
    connect(w, &W::sendGetLowTempTwoGearRetSignal, t, &T::sendGetLowTempTwoGearRetSignal);
    connect(w, &W::sendSetLowTempTwoGearRetSignal, t, &T::sendSetLowTempTwoGearRetSignal);
}

// ---- Module switching -------------------------------------------------------------

void QVideoPreviewModuleWidget::showModulePage(QWidget* page)
{
    for (QWidget* p : {static_cast<QWidget*>(sidePanel_), static_cast<QWidget*>(settingModule_),
                       static_cast<QWidget*>(deviceInfoModule_), static_cast<QWidget*>(imageInfoModule_),
                       static_cast<QWidget*>(imageCorrectModule_), static_cast<QWidget*>(tempCaliModule_)}) {
        p->setVisible(p == page);
    }
}

void QVideoPreviewModuleWidget::setMainWindowMode(int module)
{
    module_ = module;
    switch (module) {
        case 0:
            showModulePage(sidePanel_);
            break;
        case 1:
            showModulePage(settingModule_);
            settingModule_->updateFocusBtnVisible();
            break;
        case 2:
            showModulePage(deviceInfoModule_);
            deviceInfoModule_->refreshDevInfo();
            break;
        case 3:
            showModulePage(imageInfoModule_);
            imageInfoModule_->refreshImageParam();
            break;
        case 4:
        case 5:
            // The main window shows a widget of its own.
            showModulePage(nullptr);
            break;
        case 6:
            showModulePage(imageCorrectModule_);
            imageCorrectModule_->confirmGuidanceWarning();
            break;
        case 7:
            showModulePage(tempCaliModule_);
            tempCaliModule_->refreshCurrentPage();
            break;
        default:
            break;
    }
}

// ---- Shared helpers --------------------------------------------------------------

bool QVideoPreviewModuleWidget::isRenderedMode() const
{
    return videoWnd_->getDisplayMode() == 0;
}

void QVideoPreviewModuleWidget::closeWaitDialog()
{
    prompts().waitStatus(loadingDlg_, false);
}

void QVideoPreviewModuleWidget::setToolbarEnabled(bool bEnable)
{
    for (QWidget* control :
         {static_cast<QWidget*>(freezeCheckBox_), static_cast<QWidget*>(hotpointCheckBox_),
          static_cast<QWidget*>(coldpointCheckBox_), static_cast<QWidget*>(plusBtn_), static_cast<QWidget*>(minusBtn_),
          static_cast<QWidget*>(zoomSlider_), static_cast<QWidget*>(zoomEdit_)}) {
        control->setEnabled(bEnable);
    }
    zoomSlider_->setValue(0);
    zoomEdit_->setText(QStringLiteral("0"));
    // At step 0 there is nothing to zoom out of.
    minusBtn_->setEnabled(false);
}

void QVideoPreviewModuleWidget::setThermalUiEnabled(bool bEnable)
{
    sidePanel_->setEnabled(bEnable);
    emit sendShowTemperResultSignal(bEnable);
    if (!streamFlag_) return;
    sceneView_->setRuleWidgetEnableSlot(bEnable);
    scaleColumn_->setVisible(bEnable && isRenderedMode());
}

void QVideoPreviewModuleWidget::layoutSceneView(QSize frame)
{
    const VideoSurface* label = videoWnd_->getVideoWnd();
    const QPoint origin = mapFromGlobal(label->mapToGlobal(QPoint(0, 0)));
    const int labelWidth = label->width(), labelHeight = label->height();
    if (frame.width() <= 0 || frame.height() <= 0) frame = label->size();
    if (frame.width() <= 0 || frame.height() <= 0 || labelWidth <= 0 || labelHeight <= 0) return;
    int width = labelWidth;
    int height = frame.height() * labelWidth / frame.width();
    if (height > labelHeight) {
        height = labelHeight;
        width = frame.width() * labelHeight / frame.height();
    }
    const QRect picture(origin.x() + (labelWidth - width) / 2, origin.y() + (labelHeight - height) / 2, width, height);
    sceneView_->setGeometry(picture);
    sceneView_->raise();
    temperShow_->move(picture.x() + 10, picture.y() + 30);
    temperShow_->setFixedHeight(std::max(0, picture.height() - 40));
}

void QVideoPreviewModuleWidget::showSceneView()
{
    sceneView_->show();
    layoutSceneView(videoPlay_->getFrameSize());
}

void QVideoPreviewModuleWidget::setFullScreenThermEnableSlot(bool bEnable)
{
    fullScreenTherm_ = bEnable;
}

void QVideoPreviewModuleWidget::setYUVUpdateShowSlots()
{
    if (USBSDK_GetDeviceImageOutputMode() != 0) return;
    // Without raw data there is nothing to measure: no spots, no rules.
    hotpointCheckBox_->setChecked(false);
    coldpointCheckBox_->setChecked(false);
    sceneView_->setHotColdVisible(false, false);
    sceneView_->clearRules();
    sceneView_->emitItemSelected(0);
}

void QVideoPreviewModuleWidget::setMainWndMoveSlots()
{
    if (!sceneView_->isHidden()) layoutSceneView(videoPlay_->getFrameSize());
}

void QVideoPreviewModuleWidget::updateSceneViewSizeAndPosSlot(bool bFullScreen)
{
    if (!sceneView_->isHidden()) layoutSceneView(videoPlay_->getFrameSize());
    const bool overlay = fullScreenTherm_ && USBSDK_GetDeviceType() != 0;
    if (overlay) temperShow_->setVisible(bFullScreen);
    if (bFullScreen) {
        sceneView_->raise();
        if (overlay) temperShow_->raise();
    }
}

// ---- Events ----------------------------------------------------------------------------

void QVideoPreviewModuleWidget::showEvent(QShowEvent* event)
{
    if (connected_ && streamFlag_ && isRenderedMode()) emit sendVideoPlaySignals(videoWnd_->getVideoWnd(), true);
    if (module_ != 4 && module_ != 5 && connected_ && !sdk().isSleeping() && isRenderedMode()) showSceneView();
    QWidget::showEvent(event);
}

void QVideoPreviewModuleWidget::hideEvent(QHideEvent* event)
{
    sceneView_->hide();
    QWidget::hideEvent(event);
}

void QVideoPreviewModuleWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!sceneView_->isHidden()) layoutSceneView(videoPlay_->getFrameSize());
}

void QVideoPreviewModuleWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void QVideoPreviewModuleWidget::retranslate()
{
    connectBtn_->setToolTip(connectBtn_->objectName() == QLatin1String("ConnectBtn") ? tr("Disconnect")
                                                                                     : tr("Connect"));
    standbyBtn_->setToolTip(standbyBtn_->objectName() == QLatin1String("StandByBtn") ? tr("Close") : tr("Sleep"));
    freezeCheckBox_->setText(tr("Freeze"));
    hotpointCheckBox_->setText(tr("Hot spot"));
    coldpointCheckBox_->setText(tr("Cold spot"));
    snapshotBtn_->setText(tr("Snapshot"));
    recordBtn_->setText(tr("Record"));
    const auto name = [](int palette) { return tr(palettes()[size_t(palette)].name); };
    for (int i = 0; i < oldPaletteBtns_.size(); ++i)
        oldPaletteBtns_[i]->setToolTip(name(oldPaletteButtons()[size_t(i)].palette));
    for (int i = 0; i < newPaletteBtns_.size(); ++i)
        newPaletteBtns_[i]->setToolTip(name(newPaletteButtons()[size_t(i)].palette));
}
