#include "QCtrlModuleWidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "AppHelpers.h"
#include "DeviceSdkWrapper.h"
#include "MainWindow.h"
#include "QIconTextCtrlBtn.h"
#include "StyledWidgetPaint.h"
#include "UiPrompts.h"

namespace {

constexpr int kLive = 0;
constexpr int kAdvanced = 5;
constexpr int kCalibration = 7;

struct Entry {
    const char* text;
    const char* icon;
};

// By module number. The same icon serves the normal and the selected state.
const Entry kEntries[QCtrlModuleWidget::kModules] = {
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "VideoPreview"), "sysIcon_Preview_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "Settings"), "sysIcon_Manage_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "DeviceInfo"), "sysIcon_Analyse_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "ImageInfo"), "sysIcon_ImageSettings_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "Heat map analysis"), "sysIcon_analysis_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "Advanced Settings"), "sysIcon_AdvancedSettings_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "Image Correction"), "sysIcon_ImageCorrect_n.png"},
    {QT_TRANSLATE_NOOP("QCtrlModuleWidget", "Temp Calibration"), "sysIcon_TempCalibration_n.png"},
};

// Top to bottom.
constexpr int kColumnOrder[QCtrlModuleWidget::kModules] = {0, 1, 3, 6, 7, 2, 4, 5};

// The 36 x 36 icon centred in the entry's 48 x 48 icon label.
QString iconFragment(const char* file)
{
    return QString("url(:/Resource/Skin/%1); margin:6px;").arg(file);
}

}  // namespace

QCtrlModuleWidget::QCtrlModuleWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("QCtrlModuleWidget");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedWidth(74);

    auto* horizontalLayout = new QHBoxLayout(this);
    horizontalLayout->setObjectName("horizontalLayout");
    horizontalLayout->setContentsMargins(0, 0, 0, 0);
    horizontalLayout->setSpacing(0);
    auto* column = new QVBoxLayout();
    column->setObjectName("VBoxLayout_1");
    column->setContentsMargins(1, 0, 1, 0);
    column->setSpacing(0);
    for (int module : kColumnOrder) {
        auto* button = new QIconTextCtrlBtn(this);
        const QString icon = iconFragment(kEntries[module].icon);
        button->setIcon(icon, icon);
        entries_[size_t(module)] = button;
        column->addWidget(button);
    }
    column->addStretch(1);
    auto* bottom = new QVBoxLayout();
    bottom->setObjectName("VBoxLayout_2");
    helpBtn_ = new QPushButton(this);
    helpBtn_->setObjectName("helpBtn");
    helpBtn_->hide();
    pixfraLabel_ = new QLabel(this);
    pixfraLabel_->setObjectName("pixfraLabel");
    pixfraLabel_->hide();
    bottom->addWidget(helpBtn_);
    bottom->addWidget(pixfraLabel_);
    column->addLayout(bottom);
    horizontalLayout->addLayout(column);

    auto* dividerBox = new QHBoxLayout();
    dividerBox->setObjectName("horizontalLayout_2");
    dividerBox->setContentsMargins(0, 0, 0, 0);
    auto* dividerColumn = new QVBoxLayout();
    dividerColumn->setObjectName("verticalLayout_3");
    dividerColumn->setContentsMargins(0, 0, 0, 0);
    divideLine_ = makeDividerLabel(this, ":/Resource/Skin/window_DividingVLines_850.png", true);
    divideLine_->setObjectName("divideLine");
    divideLine_->setAlignment(Qt::AlignLeft);
    dividerColumn->addWidget(divideLine_, 0, Qt::AlignCenter);
    dividerBox->addLayout(dividerColumn);
    horizontalLayout->addLayout(dividerBox);

    connect(entries_[0], &QPushButton::clicked, this, &QCtrlModuleWidget::setVideoPreviewModuleShowSlots);
    connect(entries_[1], &QPushButton::clicked, this, &QCtrlModuleWidget::setSettingsModuleShowSlots);
    connect(entries_[2], &QPushButton::clicked, this, &QCtrlModuleWidget::setDeviceInformationModuleShowSlots);
    connect(entries_[3], &QPushButton::clicked, this, &QCtrlModuleWidget::setImageInformationModuleShowSlots);
    connect(entries_[4], &QPushButton::clicked, this, &QCtrlModuleWidget::setHotImageAnalyseModuleShowSlots);
    connect(entries_[5], &QPushButton::clicked, this, &QCtrlModuleWidget::setAdvancedSettingsModuleShowSlots);
    connect(entries_[6], &QPushButton::clicked, this, &QCtrlModuleWidget::setImageCorrectModuleShowSlots);
    connect(entries_[7], &QPushButton::clicked, this, &QCtrlModuleWidget::setTempCaliModuleShowSlots);

    entries_[kAdvanced]->hide();
    entries_[kCalibration]->hide();
    updateModuleBtnState(kLive);
    retranslate();
    setObjectName("CtrlModule");
}

MainWindow* QCtrlModuleWidget::mainWindow() const
{
    return qobject_cast<MainWindow*>(parentWidget());
}

void QCtrlModuleWidget::switchTo(int module)
{
    MainWindow* window = mainWindow();
    if (!window || module == current_) return;
    current_ = module;
    window->setModuleShow(module);
    updateModuleBtnState(module);
}

void QCtrlModuleWidget::updateModuleBtnState(int module)
{
    for (int m = 0; m < kModules; ++m) entries_[size_t(m)]->setEnabled(m != module);
}

void QCtrlModuleWidget::setVideoPreviewModuleShowSlots()
{
    switchTo(0);
}

void QCtrlModuleWidget::setSettingsModuleShowSlots()
{
    switchTo(1);
}

void QCtrlModuleWidget::setDeviceInformationModuleShowSlots()
{
    switchTo(2);
}

void QCtrlModuleWidget::setImageInformationModuleShowSlots()
{
    switchTo(3);
}

void QCtrlModuleWidget::setHotImageAnalyseModuleShowSlots()
{
    switchTo(4);
}

void QCtrlModuleWidget::setAdvancedSettingsModuleShowSlots()
{
    MainWindow* window = mainWindow();
    if (!window) return;
    if (window->getVideoPreviewFlag()) {
        ShowMessageBox(this, tr("Device is recording."), true);
        return;
    }
    if (DeviceSdkWrapper::getInstance().isSleeping()) {
        ShowMessageBox(this, tr("Device is sleeping"), true);
        return;
    }
    switchTo(kAdvanced);
}

void QCtrlModuleWidget::setImageCorrectModuleShowSlots()
{
    switchTo(6);
}

void QCtrlModuleWidget::setTempCaliModuleShowSlots()
{
    switchTo(kCalibration);
}

void QCtrlModuleWidget::setConnectStatusChangedSlots()
{
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    const bool connected = sdk.Connect();
    entries_[kCalibration]->setVisible(connected && sdk.GetDeviceType());
    if (!connected && current_ == kCalibration) {
        current_ = kLive;
        if (MainWindow* window = mainWindow()) window->setModuleShow(kLive);
        updateModuleBtnState(kLive);
    }
}

void QCtrlModuleWidget::toggleAdvancedEntry()
{
    if (!entries_[kAdvanced]->isHidden()) {
        hideAdvancedEntry();
        return;
    }
    if (!UiPrompts::instance().password(this, tr("Password"), tr("AdvancedPage"))) return;
    entries_[kAdvanced]->show();
    emit sendUSBUpdateShowSignals(true);
}

void QCtrlModuleWidget::hideAdvancedEntry()
{
    if (entries_[kAdvanced]->isHidden()) return;
    entries_[kAdvanced]->hide();
    MainWindow* window = mainWindow();
    if (!window) return;
    if (current_ == kAdvanced) {
        current_ = kLive;
        window->setModuleShow(kLive);
        updateModuleBtnState(kLive);
    }
    emit sendUSBUpdateShowSignals(false);
}

void QCtrlModuleWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_U) {
        toggleAdvancedEntry();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QCtrlModuleWidget::paintEvent(QPaintEvent*)
{
    paintStyledWidget(this);
}

void QCtrlModuleWidget::retranslate()
{
    for (int m = 0; m < kModules; ++m) entries_[size_t(m)]->setText(tr(kEntries[m].text));
}

void QCtrlModuleWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
