#include "QVideoPreviewModuleWidget.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

#include "CSlider.h"
#include "DeviceChangeNotifier.h"
#include "DeviceChangeNotifierFactory.h"
#include "DeviceInfoText.h"
#include "DeviceSdkWrapper.h"
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
#include "QTempRule.h"
#include "QTemperScaleWidget.h"
#include "QUnitLabel.h"
#include "QVideoHistogram.h"
#include "QVideoPlay.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoTemperShow.h"
#include "QVideoWndWidget.h"
#include "LiveRuleSet.h"
#include "CaptureFolder.h"
#include "RuleRecordBuilder.h"
#include "TemperValueText.h"
#include "RuleTemperResult.h"
#include "VideoPointExItem.h"
#include "AppHelpers.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"
#include "VideoSurface.h"
#include "camsdk.h"

namespace {

// Spots come in the rule space, 0..8191 over the whole frame.
constexpr int kRuleSpaceMax = RuleRecordBuilder::kRuleSpace - 1;

constexpr int kAwakeMode = 4;
constexpr int kSleepMode = 5;
constexpr int kGuidanceDelayMs = 500;

// Palette button looks: every button of the shown panel gets the normal one,
// the button of the current palette the selected one.
const char* const kBorder = "QPushButton{border: 2px solid ";
const char* const kHoverBorder = "QPushButton:hover{border: 2px solid ";
const char* const kEnd = ";}";
const char* const kTransparent = "transparent";
const char* const kAccent = "#C7DB55";

QString paletteButtonStyle(bool selected)
{
    return QString(kBorder) + (selected ? kAccent : kTransparent) + kEnd + kHoverBorder + kAccent + kEnd;
}

QString stepButtonStyle(const QString& stem)
{
    const QString url = QStringLiteral("url(:/Resource/Skin/%1_%2.png);");
    return QStringLiteral("QPushButton{border:none;background:transparent;image:") + url.arg(stem, "Normal") +
           QStringLiteral("}QPushButton:hover{image:") + url.arg(stem, "Hover") +
           QStringLiteral("}QPushButton:pressed{image:") + url.arg(stem, "Select") +
           QStringLiteral("}QPushButton:disabled{image:") + url.arg(stem, "Disable") + QStringLiteral("}");
}

QString skinIcon(const char* name)
{
    return QStringLiteral("url(:/Resource/Skin/%1);").arg(QLatin1String(name));
}

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

UiPrompts& prompts()
{
    return UiPrompts::instance();
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

// ---- Palettes ----------------------------------------------------------------

const std::array<QVideoPreviewModuleWidget::Palette, 20>& QVideoPreviewModuleWidget::palettes()
{
    static const std::array<Palette, 20> table = {{
        {0, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "White Hot"), 0},
        {1, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Black Hot"), 1},
        {2, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Fusion"), 2},
        {3, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Rainbow"), 3},
        {4, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Golden-fall"), 4},
        {5, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Fifth-day"), 5},
        {6, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Iron Red"), 6},
        {7, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Amber"), 7},
        {8, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Jade"), 8},
        {9, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Sunset"), 9},
        {10, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Ice fire"), 10},
        {11, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Oil-Paint"), 11},
        {12, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Pomegranate"), 12},
        {13, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Emerald"), 13},
        // The colour bars skip 14 and 19, which are no palettes.
        {14, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Spring"), 15},
        {15, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Summer"), 16},
        {16, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Autumn"), 17},
        {17, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Winter"), 18},
        {18, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Thermal Detection"), 20},
        {19, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Aurora"), 21},
    }};
    return table;
}

const std::array<QVideoPreviewModuleWidget::PaletteButton, 18>& QVideoPreviewModuleWidget::oldPaletteButtons()
{
    using P = QVideoPreviewModuleWidget;
    static const std::array<PaletteButton, 18> table = {{
        {"WhiteHotBtn", 0, &P::setWhiteHotBtnSlots},
        {"BlackHotBtn", 1, &P::setBlackHotBtnSlots},
        {"FusionBtn", 2, &P::setFusionBtnSlots},
        {"RainbowBtn", 3, &P::setRainbowBtnSlots},
        {"GoldenfallBtn", 4, &P::setGoldenfallBtnSlots},
        {"FifthdayBtn", 5, &P::setFifthdayBtnSlots},
        {"IronRedBtn", 6, &P::setIronRedBtnSlots},
        {"AmberBtn", 7, &P::setAmberBtnSlots},
        {"JadeBtn", 8, &P::setJadeBtnSlots},
        {"SunsetBtn", 9, &P::setSunsetBtnSlots},
        {"IcefireBtn", 10, &P::setIcefireBtnSlots},
        {"OilPaintBtn", 11, &P::setOilPaintBtnSlots},
        {"PomegranateBtn", 12, &P::setPomegranateBtnSlots},
        {"EmeraldBtn", 13, &P::setEmeraldBtnSlots},
        {"SpringBtn", 14, &P::setSpringBtnSlots},
        {"SummerBtn", 15, &P::setSummerBtnSlots},
        {"AutumnBtn", 16, &P::setAutumnBtnSlots},
        {"WinterBtn", 17, &P::setWinterBtnSlots},
    }};
    return table;
}

const std::array<QVideoPreviewModuleWidget::PaletteButton, 10>& QVideoPreviewModuleWidget::newPaletteButtons()
{
    using P = QVideoPreviewModuleWidget;
    static const std::array<PaletteButton, 10> table = {{
        {"newWhiteHotBtn", 0, &P::setNewWhiteHotBtnSlot},
        {"newBlackHotBtn", 1, &P::setNewBlackHotBtnSlot},
        {"newRainbowBtn", 3, &P::setNewRainbowBtnSlot},
        {"newGoldenfallBtn", 4, &P::setNewGoldenfallBtnSlot},
        {"newIronRedBtn", 6, &P::setNewIronRedBtnSlot},
        {"newAmberBtn", 7, &P::setNewAmberBtnSlot},
        {"newIcefireBtn", 10, &P::setNewIcefireBtnSlot},
        {"newOilPaintBtn", 11, &P::setNewOilPaintBtnSlot},
        {"newThermalDetectionBtn", 18, &P::setNewThermalDetectionBtnSlot},
        {"newAuroraBtn", 19, &P::setNewAuroraBtnSlot},
    }};
    return table;
}

int QVideoPreviewModuleWidget::colorBarIndexOf(int palette)
{
    if (palette < 0 || palette >= int(palettes().size())) return -1;
    return palettes()[size_t(palette)].colorBarIndex;
}

#define CALIDRA_PALETTE_SLOT(slot, index)  \
    void QVideoPreviewModuleWidget::slot() \
    {                                      \
        requestPalette(index);             \
    }
CALIDRA_PALETTE_SLOT(setWhiteHotBtnSlots, 0)
CALIDRA_PALETTE_SLOT(setBlackHotBtnSlots, 1)
CALIDRA_PALETTE_SLOT(setFusionBtnSlots, 2)
CALIDRA_PALETTE_SLOT(setRainbowBtnSlots, 3)
CALIDRA_PALETTE_SLOT(setGoldenfallBtnSlots, 4)
CALIDRA_PALETTE_SLOT(setFifthdayBtnSlots, 5)
CALIDRA_PALETTE_SLOT(setIronRedBtnSlots, 6)
CALIDRA_PALETTE_SLOT(setAmberBtnSlots, 7)
CALIDRA_PALETTE_SLOT(setJadeBtnSlots, 8)
CALIDRA_PALETTE_SLOT(setSunsetBtnSlots, 9)
CALIDRA_PALETTE_SLOT(setIcefireBtnSlots, 10)
CALIDRA_PALETTE_SLOT(setOilPaintBtnSlots, 11)
CALIDRA_PALETTE_SLOT(setPomegranateBtnSlots, 12)
CALIDRA_PALETTE_SLOT(setEmeraldBtnSlots, 13)
CALIDRA_PALETTE_SLOT(setSpringBtnSlots, 14)
CALIDRA_PALETTE_SLOT(setSummerBtnSlots, 15)
CALIDRA_PALETTE_SLOT(setAutumnBtnSlots, 16)
CALIDRA_PALETTE_SLOT(setWinterBtnSlots, 17)
CALIDRA_PALETTE_SLOT(setNewWhiteHotBtnSlot, 0)
CALIDRA_PALETTE_SLOT(setNewBlackHotBtnSlot, 1)
CALIDRA_PALETTE_SLOT(setNewRainbowBtnSlot, 3)
CALIDRA_PALETTE_SLOT(setNewGoldenfallBtnSlot, 4)
CALIDRA_PALETTE_SLOT(setNewIronRedBtnSlot, 6)
CALIDRA_PALETTE_SLOT(setNewAmberBtnSlot, 7)
CALIDRA_PALETTE_SLOT(setNewIcefireBtnSlot, 10)
CALIDRA_PALETTE_SLOT(setNewOilPaintBtnSlot, 11)
CALIDRA_PALETTE_SLOT(setNewThermalDetectionBtnSlot, 18)
CALIDRA_PALETTE_SLOT(setNewAuroraBtnSlot, 19)
#undef CALIDRA_PALETTE_SLOT

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

    sidePanel_->setEnabled(false);
    emit sendShowTemperResultSignal(false);
    if (streamFlag_) {
        sceneView_->setRuleWidgetEnableSlot(false);
        scaleColumn_->hide();
    }

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
        if (measures) {
            sidePanel_->setEnabled(true);
            emit sendShowTemperResultSignal(true);
            if (streamFlag_) {
                sceneView_->setRuleWidgetEnableSlot(true);
                if (isRenderedMode()) scaleColumn_->show();
            }
        }
        setToolbarEnabled(true);
        if (isRenderedMode()) showSceneView();
        setStandbyButtonState(false);
    } else {
        if (!bRet) {
            prompts().notice(this, tr("Fail to start sleep mode."));
            return;
        }
        if (measures) {
            sidePanel_->setEnabled(false);
            emit sendShowTemperResultSignal(false);
            if (streamFlag_) {
                sceneView_->setRuleWidgetEnableSlot(false);
                scaleColumn_->hide();
            }
        }
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

// ---- Relays and the main window --------------------------------------------------------

void QVideoPreviewModuleWidget::setUSBUpdateShowSlots(bool bShow)
{
    emit sendUSBUpdateShowSignals(bShow);
}

void QVideoPreviewModuleWidget::setUpdateFalseColCurIndexSlots(int nIndex)
{
    emit sendSetColorrizationSignal(nIndex);
}

void QVideoPreviewModuleWidget::setHeatMapExportSlot()
{
    emit sendHeatMapExportSignal(snapshotRequest());
}

void QVideoPreviewModuleWidget::setHeatMapExportRetSlot(QString strHeapMapDir)
{
    emit sendHeatMapExportRetSignal(strHeapMapDir);
}

void QVideoPreviewModuleWidget::setFullScreenThermEnableSlot(bool bEnable)
{
    fullScreenTherm_ = bEnable;
}

void QVideoPreviewModuleWidget::setShowHistogramSlot()
{
    if (!histogram_) return;
    histogram_->show();
    histogram_->raise();
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

// ---- Live rules and temperatures ------------------------------------------------------

void QVideoPreviewModuleWidget::setRuleClearBtnSlots()
{
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    sceneView_->clearRules();
    sceneView_->emitItemSelected(0);
}

void QVideoPreviewModuleWidget::setRuleDrawCompleteSlots(bool bOk)
{
    if (!bOk) prompts().notice(this, tr("The drawing area is too small"));
}

void QVideoPreviewModuleWidget::setAddItemSlots(quint32 key)
{
    if (key != 0) setUpdateRuleInfoSlots();
}

void QVideoPreviewModuleWidget::setRuleDeletedSlot(quint32 key)
{
    Q_UNUSED(key);
    // The remaining rules are renumbered: the camera must hear the new set,
    // also when it is empty. A clear deletes many; one upload follows.
    if (ruleUploadPending_) return;
    ruleUploadPending_ = true;
    QTimer::singleShot(0, this, [this] {
        ruleUploadPending_ = false;
        setUpdateRuleInfoSlots();
    });
}

void QVideoPreviewModuleWidget::setItemChangeSlots(const ItemInfo& info)
{
    if (info.key == 0 || info.points.isEmpty()) return;
    const std::optional<PicRuleConfig> found = ThermalImageData::getInstance().findDevRuleById(info.key);
    if (!found) return;
    const QSize view = sceneView_->size();
    if (view.width() < 1 || view.height() < 1) return;
    PicRuleConfig rule = *found;
    // The record keeps its point count; the camera hears of the move when
    // the mouse is released.
    const int n = std::min(info.points.size(), int(std::size(rule.points)));
    for (int i = 0; i < n; ++i) {
        const QPoint p = RuleRecordBuilder::toRuleSpace(info.points[i], view);
        rule.points[i] = {p.x(), p.y()};
    }
    ThermalImageData::getInstance().updateDevRule(info.key, rule);
}

void QVideoPreviewModuleWidget::setUpdateRuleInfoSlots()
{
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    if (!list) return;
    // An empty set is sent too: it clears the rules the camera measures.
    emit sendSetThermalRulesSignal(LiveRuleSet::fromLiveSet(*list));
}

void QVideoPreviewModuleWidget::setUpdateTemperSlots()
{
    updateHotColdSpot();
    if (sdk().isFrozen()) return;
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    if (!list) return;
    for (int i = 0; i < list->size(); ++i) {
        const PicRuleRecord& record = list->records[i];
        USBSDK_ThermalRuleResult result;
        std::memset(&result, 0, sizeof result);
        const bool ok = USBSDK_GetThermalRules(record.rule.ruleId, &result) != 0;
        RuleTemperResult shown;
        shown.title = sceneView_->getItemTitle(record.key);
        shown.key = record.key;
        shown.avg = result.avgTemp;
        shown.showAvg = true;
        if (record.rule.meterType != PicRuleRecord::kTypePoint) {
            shown.max = result.maxTemp;
            shown.min = result.minTemp;
            shown.showMax = shown.showMin = true;
        }
        showRuleResult(shown, ok);
    }
}

void QVideoPreviewModuleWidget::showRuleResult(const RuleTemperResult& result, bool ok)
{
    if (ok) {
        sidePanel_->showRuleResult(result);
        temperShow_->showResult(result);
    } else {
        sidePanel_->showRuleResultUnavailable(result);
        temperShow_->showResultUnavailable(result);
    }
}

void QVideoPreviewModuleWidget::updateHotColdSpot()
{
    USBSDK_HotColdPoint spot;
    std::memset(&spot, 0, sizeof spot);
    RuleTemperResult whole;
    whole.title = QStringLiteral("G");
    whole.showMin = whole.showAvg = whole.showMax = true;
    if (!USBSDK_GetThermalHotColdPoint(&spot)) {
        sceneView_->resetHotColdText();
        showRuleResult(whole, false);
        const QString na = tr("N/A");
        maxLabel_->setValueAndUnit(na, QString());
        minLabel_->setValueAndUnit(na, QString());
        return;
    }
    // The frozen picture keeps the spots it was frozen with.
    if (sdk().isFrozen() && hasLastSpot_) {
        spot = lastSpot_;
    } else {
        lastSpot_ = spot;
        hasLastSpot_ = true;
    }
    whole.avg = (spot.hotTemp + spot.coldTemp) * 0.5f;
    whole.max = spot.hotTemp;
    whole.min = spot.coldTemp;
    showRuleResult(whole, true);
    const int unit = GetTemperUnit();
    maxLabel_->setValueAndUnit(TemperValueNumber(spot.hotTemp, unit), TemperUnitSymbol(unit));
    minLabel_->setValueAndUnit(TemperValueNumber(spot.coldTemp, unit), TemperUnitSymbol(unit));
    if (hotpointCheckBox_->isChecked() || coldpointCheckBox_->isChecked()) drawHotColdSpot(spot);
}

QPoint QVideoPreviewModuleWidget::spotToView(int x, int y) const
{
    const QSize frame = videoPlay_->getFrameSize();
    // Rule space to the drawn picture, which is four times the frame.
    qint64 px = qint64(x) * 4 * frame.width() / kRuleSpaceMax;
    qint64 py = qint64(y) * 4 * frame.height() / kRuleSpaceMax;
    qint64 visibleW = qint64(4) * frame.width();
    qint64 visibleH = qint64(4) * frame.height();
    if (zoomSlider_->value() != 0) {
        px -= zoomOffset_.x();
        py -= zoomOffset_.y();
        visibleW -= 2 * zoomOffset_.x();
        visibleH -= 2 * zoomOffset_.y();
    }
    if (visibleW < 1 || visibleH < 1) return QPoint();
    return QPoint(int(px * sceneView_->width() / visibleW), int(py * sceneView_->height() / visibleH));
}

void QVideoPreviewModuleWidget::drawHotColdSpot(const USBSDK_HotColdPoint& spot)
{
    const int unit = GetTemperUnit();
    const auto text = [unit](float celsius) { return TemperValueText(celsius, unit); };
    VideoPointExItem::HotColdInfo info;
    const QPoint hot = spotToView(spot.hotX, spot.hotY);
    const QPoint cold = spotToView(spot.coldX, spot.coldY);
    info.hotX = hot.x();
    info.hotY = hot.y();
    info.hotText = text(spot.hotTemp);
    info.coldX = cold.x();
    info.coldY = cold.y();
    info.coldText = text(spot.coldTemp);
    sceneView_->setHotColdInfo(info);
}

void QVideoPreviewModuleWidget::setUpdateRulesParamsSlot()
{
    updateCommonTemperParam();
}

void QVideoPreviewModuleWidget::updateCommonTemperParam()
{
    USBSDK_GlobalTemperParam block;
    std::memset(&block, 0, sizeof block);
    if (!USBSDK_GetCommonTemperParam(&block)) {
        prompts().notice(this, tr("Get Temperature Param Fail"));
        return;
    }
    sidePanel_->setGlobalTemperParam(block);
}

void QVideoPreviewModuleWidget::setUpdateGlobalInfoSlots(bool bRet)
{
    if (!bRet) prompts().notice(this, tr("Set Temperature Param Fail"));
}

void QVideoPreviewModuleWidget::setRuleWidgetEnableSlot(bool bEnable)
{
    if (streamFlag_) sceneView_->setRuleWidgetEnableSlot(bEnable);
}

void QVideoPreviewModuleWidget::setFullCalibrationGenerateRectSlot(int nLowTemp, int nHighTemp)
{
    // Frozen, the clear is refused; the boxes must not come on top of the
    // rules that stay.
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    setRuleClearBtnSlots();
    sceneView_->setCalibrationRectRetSlot(true, LiveRuleSet::calibrationBoxes(nLowTemp, nHighTemp));
}

void QVideoPreviewModuleWidget::setUpdateGlobalInfoRequestSlot()
{
    const std::optional<USBSDK_GlobalTemperParam> block = ThermalImageData::getInstance().getDevGlobalRuleConfig();
    emit sendUpdateGlobalInfoSignal(block.has_value(), block.value_or(USBSDK_GlobalTemperParam{}));
}

namespace {

QVector<PicRuleConfig> liveRuleCopy()
{
    QVector<PicRuleConfig> rules;
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    if (!list) return rules;
    for (int i = 0; i < list->size(); ++i) rules.append(list->records[i].rule);
    return rules;
}

}  // namespace

void QVideoPreviewModuleWidget::setSaveSecCalibrationRectRequestSlot()
{
    emit sendSaveSecCalibrationRectSignal(liveRuleCopy());
}

void QVideoPreviewModuleWidget::setFullCalibrationCalibrateRectRequestSlot()
{
    emit sendFullCalibrationCalibrateRectSignal(liveRuleCopy());
}

// ---- Recording, snapshots, FFC -------------------------------------------------------

namespace {

// Result codes of a recording start and what the toast says of them:
// text, toast type (0 success, 1 failure, 3 information).
struct CodeText {
    int code;
    const char* text;
    int type;
};
constexpr CodeText kRecordResults[] = {
    {0, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Recording Start"), 0},
    {1, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Recording Failed"), 1},
    {2, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Record Path Not Exit"), 3},
    {3, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "DiskFreeSpace Not Enough"), 1},
    {4, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Alarm has occurred, manual recording stop"), 3},
};
constexpr CodeText kSnapshotToasts[] = {
    {0, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Snapshot Succeed"), 0},
    {1, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Snapshot Failed"), 1},
    {2, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Snapshot Path Not Exit"), 1},
    {3, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "DiskFreeSpace Not Enough"), 1},
};
// Snapshot failures told in a message box: "Export heat map failed," and why.
constexpr CodeText kSnapshotNotices[] = {
    {6, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "File Error"), 0},
    {7, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "File Error"), 0},
    {8, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Parameters Error"), 0},
    {9, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Shutter is acting."), 0},
};

template <size_t N>
const CodeText* findCode(const CodeText (&table)[N], int code)
{
    for (const CodeText& row : table)
        if (row.code == code) return &row;
    return nullptr;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString QVideoPreviewModuleWidget::recordTimeText(int seconds)
{
    return QStringLiteral("%1:%2").arg(twoDigits(seconds / 60), twoDigits(seconds % 60));
}

void QVideoPreviewModuleWidget::setRecordButtonSkin(bool bRecording)
{
    if (bRecording)
        recordBtn_->setIcon(skinIcon("TEMPIcon_Video_Recording.png"), skinIcon("TEMPIcon_Video_Recording_Select.png"));
    else
        recordBtn_->setIcon(skinIcon("TEMPIcon_Video_normal.png"), skinIcon("TEMPIcon_Video_Select.png"));
}

void QVideoPreviewModuleWidget::stopRecording()
{
    emit sendStopRecordSignals();
    setRecordButtonSkin(false);
    recording_ = false;
    recordTimer_->stop();
    recordSeconds_ = 0;
    sceneView_->setRecordTimeVisible(false);
    sceneView_->setRecordTimeText(recordTimeText(0));
    prompts().toast(tr("Recording Finished"), 0, kToastMs);
}

bool QVideoPreviewModuleWidget::canCapture()
{
    if (!sdk().Connect()) {
        prompts().notice(this, tr("Device is not connect."));
        return false;
    }
    if (sdk().isSleeping()) {
        prompts().notice(this, tr("Device is sleeping"));
        return false;
    }
    return true;
}

void QVideoPreviewModuleWidget::startRecordingIfLive()
{
    // Without a recent frame there is nothing to record: no message.
    if (sdk().Connect() && videoPlay_->isVideoAlive()) emit sendStartRecordSignals();
}

void QVideoPreviewModuleWidget::setVideoRecordBtnSlots()
{
    if (!canCapture()) return;
    if (recording_) {
        stopRecording();
        // Stopped by hand: the schedule must not start it again.
        sdk().setAutoRecordTime(0, 0, 0);
        return;
    }
    startRecordingIfLive();
}

void QVideoPreviewModuleWidget::setDealRecordResultSlots(int nCode)
{
    recording_ = false;
    setRecordButtonSkin(false);
    const CodeText* row = findCode(kRecordResults, nCode);
    if (nCode == 0) {
        setRecordButtonSkin(true);
        recording_ = true;
        sceneView_->setRecordTimeVisible(true);
    } else {
        // A failed start or next file ends what ran: the display stops too.
        recordTimer_->stop();
        recordSeconds_ = 0;
        sceneView_->setRecordTimeVisible(false);
    }
    prompts().toast(row ? tr(row->text) : tr("Unknown Error"), row ? row->type : 1, kToastMs);
}

void QVideoPreviewModuleWidget::resetRecordTimeSlot()
{
    if (recordTimer_->isActive()) {
        setUpdateRecordTimeSlot();
        recordTimer_->stop();
    }
    recordSeconds_ = 0;
    sceneView_->setRecordTimeText(recordTimeText(0));
    recordTimer_->start(kRecordTickMs);
}

void QVideoPreviewModuleWidget::setUpdateRecordTimeSlot()
{
    ++recordSeconds_;
    // One file lasts ten minutes; the next file starts the display again.
    if (recordSeconds_ <= kRecordFileSeconds) sceneView_->setRecordTimeText(recordTimeText(recordSeconds_));
}

void QVideoPreviewModuleWidget::setCheckAutoRecordTimeSlot()
{
    // Checked whether the page is visible or not: a schedule must end on
    // time while another module is open.
    if (!sdk().Connect() || sdk().isSleeping()) return;
    int enabled = 0, startHour = 0, endHour = 0;
    sdk().getAutoRecordTime(&enabled, &startHour, &endHour);
    if (!enabled) return;
    const int hour = clock_().time().hour();
    if (hour == startHour && !recording_) {
        startRecordingIfLive();
    } else if (hour == endHour && recording_) {
        stopRecording();
    }
}

void QVideoPreviewModuleWidget::setClockForTests(Clock clock)
{
    clock_ = clock ? clock : &QDateTime::currentDateTime;
}

SnapshotRequest QVideoPreviewModuleWidget::snapshotRequest() const
{
    SnapshotRequest request;
    request.root = GetManualSnapshotPath();
    request.serial = CaptureFolder::readSerial();
    ThermalImageData& store = ThermalImageData::getInstance();
    request.global = store.getDevGlobalRuleConfig();
    request.saveRules = GetSaveRules() != 0;
    if (const std::optional<PicRuleList> list = store.getDevRuleList())
        for (int i = 0; i < list->size(); ++i) request.rules.append(list->records[i].rule);
    // The picture reopens in the palette it was taken in: the analysis
    // chooses palettes by their colour-bar index.
    request.colorType = colorBarIndex_;
    request.flip = sdk().getFlipMode();
    return request;
}

void QVideoPreviewModuleWidget::setScreenshotBtnSlots()
{
    if (!canCapture()) return;
    if (videoPlay_->isVideoAlive()) emit sendSnapshotSignals(snapshotRequest());
}

void QVideoPreviewModuleWidget::setDealSnapshotResultSlots(int nCode)
{
    if (const CodeText* row = findCode(kSnapshotNotices, nCode)) {
        prompts().notice(this, tr("Export heat map failed") + QStringLiteral(",") + tr(row->text));
        return;
    }
    const CodeText* row = findCode(kSnapshotToasts, nCode);
    prompts().toast(tr(row ? row->text : "Snapshot Failed"), row ? row->type : 1, kToastMs);
}

void QVideoPreviewModuleWidget::setFFCBtnSlots()
{
    if (canCapture()) emit sendShutterCorrectSignal();
}

void QVideoPreviewModuleWidget::setShutterCorrectRetSlot(bool bRet)
{
    if (bRet) {
        prompts().toast(tr("Operate succeed"), 0, 1000);
        return;
    }
    prompts().notice(this, tr("Failed to FFC") + "," + tr("Error Code") + ":" + QString::number(USBSDK_GetLastError()));
}

// ---- Palettes -------------------------------------------------------------------------

void QVideoPreviewModuleWidget::requestPalette(int index)
{
    if (!canCapture()) return;
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    emit sendSetColorrizationSignal(index);
}

void QVideoPreviewModuleWidget::showColorBar()
{
    // The picture depends only on the colour-bar index.
    if (colorBarIndex_ == shownColorBarIndex_) return;
    shownColorBarIndex_ = colorBarIndex_;
    const uint8_t* bmp = nullptr;
    int length = 0;
    if (ThermalImageData::getInstance().getPaletteBmp(colorBarIndex_, 0, 255, 0, 255, 0, &bmp, &length) == 0)
        temperScale_->setPicFromData(bmp, length);
}

void QVideoPreviewModuleWidget::updatePaletteSelection(int index)
{
    colorBarIndex_ = colorBarIndexOf(index);
    paletteIndex_ = index;
    videoPlay_->setColorType(index);
    showColorBar();
    const bool newSet = USBSDK_GetDeviceSupportNewColor() != 0;
    const auto restyle = [index](const auto& table, const QVector<QPushButton*>& buttons) {
        for (int i = 0; i < buttons.size(); ++i)
            buttons[i]->setStyleSheet(paletteButtonStyle(table[size_t(i)].palette == index));
    };
    if (newSet) {
        restyle(newPaletteButtons(), newPaletteBtns_);
    } else {
        restyle(oldPaletteButtons(), oldPaletteBtns_);
    }
}

void QVideoPreviewModuleWidget::setPaletteButtonsEnabled(bool bEnable)
{
    // Both panels: whichever the camera shows, the isotherm owns the colouring.
    for (QPushButton* button : oldPaletteBtns_) button->setEnabled(bEnable);
    for (QPushButton* button : newPaletteBtns_) button->setEnabled(bEnable);
}

void QVideoPreviewModuleWidget::setColorrizationRetSlot(bool bRet, int nColor)
{
    if (!bRet) {
        prompts().notice(this, tr("Colorization Set Fail."));
        return;
    }
    updatePaletteSelection(nColor);
    imageInfoModule_->setFalseColCurIndex(nColor);
}

void QVideoPreviewModuleWidget::getCurrentColorRet(bool bRet, int nColor)
{
    if (!bRet) {
        prompts().notice(this, tr("Get Color Fail."));
        return;
    }
    const bool newSet = USBSDK_GetDeviceSupportNewColor() != 0;
    videoCtrlWidget_->hide();
    newColorWidget_->hide();
    (newSet ? newColorWidget_ : videoCtrlWidget_)->show();
    imageInfoModule_->updateFalseColorList();
    updatePaletteSelection(nColor);
    imageInfoModule_->setFalseColCurIndex(nColor);
}

void QVideoPreviewModuleWidget::setColorizationChangeSlot(bool bIsothermOn, int nColor)
{
    updatePaletteSelection(nColor);
    imageInfoModule_->setFalseColCurIndex(nColor);
    imageInfoModule_->setFalseColEnabled(!bIsothermOn);
    setPaletteButtonsEnabled(!bIsothermOn);
}

void QVideoPreviewModuleWidget::setRestoreUpdateFalseColSlots()
{
    updatePaletteSelection(0);
    imageInfoModule_->setFalseColCurIndex(0);
}

void QVideoPreviewModuleWidget::SetYDataSlot(uint unLow, uint unHigh)
{
    // The range is kept; the colour bar always spans 0..255.
    yLow_ = unLow;
    yHigh_ = unHigh;
    showColorBar();
}

void QVideoPreviewModuleWidget::getIsothermStatusRetSlot(bool bRet, USBSDK_IsothermParams stParams)
{
    sidePanel_->getIsothermStatusRetSlot(bRet, stParams, paletteIndex_);
}

// ---- Freeze, spots, zoom -----------------------------------------------------------

void QVideoPreviewModuleWidget::setFreezeCheckSlots()
{
    if (!sdk().Connect()) {
        freezeCheckBox_->setChecked(false);
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    sdk().setFrozen(freezeCheckBox_->isChecked());
    // Rules are edited on the live picture only.
    sceneView_->setItemsEnabled(!freezeCheckBox_->isChecked());
}

void QVideoPreviewModuleWidget::setHotPointCheckSlots()
{
    if (!sdk().Connect()) {
        hotpointCheckBox_->setChecked(false);
        coldpointCheckBox_->setChecked(false);
        sceneView_->setHotColdVisible(false, false);
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    // The spots themselves are placed on each temperature refresh.
    sceneView_->setHotColdVisible(hotpointCheckBox_->isChecked(), coldpointCheckBox_->isChecked());
}

void QVideoPreviewModuleWidget::setScaleValueSlots()
{
    const int v = zoomSlider_->value();
    const bool enabled = zoomSlider_->isEnabled();
    minusBtn_->setEnabled(enabled && v > 0);
    plusBtn_->setEnabled(enabled && v < kMaxZoomStep);
    zoomOffset_ = videoPlay_->setZoomStep(v);
    const QString text = QString::number(v);
    if (zoomEdit_->text() != text) zoomEdit_->setText(text);
}

void QVideoPreviewModuleWidget::setScalePlusSlots()
{
    minusBtn_->setEnabled(true);
    const int v = zoomSlider_->value();
    if (v < kMaxZoomStep) {
        zoomSlider_->setValue(v + 1);
    } else {
        plusBtn_->setEnabled(false);
        zoomSlider_->setValue(v);
    }
}

void QVideoPreviewModuleWidget::setScaleMinusSlots()
{
    plusBtn_->setEnabled(true);
    const int v = zoomSlider_->value();
    if (v > 0) {
        zoomSlider_->setValue(v - 1);
    } else {
        minusBtn_->setEnabled(false);
        zoomSlider_->setValue(v);
    }
}

void QVideoPreviewModuleWidget::setScaleTextSlots()
{
    const int v = std::min(zoomEdit_->text().toInt(), int(kMaxZoomStep));
    if (v <= 0) minusBtn_->setEnabled(false);
    if (v >= kMaxZoomStep) plusBtn_->setEnabled(false);
    zoomSlider_->setValue(v);
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
