#include "QSettingsDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

#include "AppHelpers.h"
#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "ImagePageSupport.h"
#include "QLoadingMsgDlg.h"
#include "QSelLineEdit.h"
#include "SwitchButton.h"
#include "UiPrompts.h"
#include "camsdk.h"

namespace {

using S = QSettingsDlg;

// The row labels, in the order of the page's Label list.
const char* const kLabelSources[] = {
    QT_TRANSLATE_NOOP("QSettingsDlg", "Save Path"),          QT_TRANSLATE_NOOP("QSettingsDlg", "CrossCursor"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "ImageFlip"),          QT_TRANSLATE_NOOP("QSettingsDlg", "Super Resolution"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "Restart Device"),     QT_TRANSLATE_NOOP("QSettingsDlg", "Restore Factory Set"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "Temperature Matrix"), QT_TRANSLATE_NOOP("QSettingsDlg", "Output mode switch"),
};

// Combo items; the index is the camera's value.
const char* const kCrossColours[] = {
    QT_TRANSLATE_NOOP("QSettingsDlg", "Green"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "Blue"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "Red"),
};
const char* const kFlips[] = {
    QT_TRANSLATE_NOOP("QSettingsDlg", "Default"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "Vertical"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "Horizontal"),
    QT_TRANSLATE_NOOP("QSettingsDlg", "AllFlip"),
};

// The interface names are the same in every language.
const char* const kOutputNames[S::OutputModeCount] = {"BT", "MIPI", "USB", "UVC"};

// Button group ids of the two-radio rows.
constexpr int kSvpClose = 0;
constexpr int kSvpOpen = 1;
constexpr int kRawGray = 0;
constexpr int kRawTemperature = 1;

constexpr int kMaxSnapshotPath = 100;
constexpr int kToastInfo = 3;
constexpr int kRawFailureToastMs = 2000;

constexpr int kMargin = 16;
constexpr int kBlockSpacing = 12;
constexpr int kLineSpacing = 8;
constexpr int kControlHeight = 32;
constexpr int kActionWidth = 126;
constexpr int kSwitchWidth = 48;
constexpr int kSwitchHeight = 24;

const char kOpenButtonStyle[] =
    "QPushButton{image: url(:/Resource/Skin/CommonIcon_export.png);background-color: #3d3d3d;"
    "border-radius: 4px;border:1px solid #5F615A;}QPushButton:hover{border:1px solid #5F615A;}";

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

bool connected()
{
    return sdk().Connect();
}

bool supportsSuperResolution()
{
    return USBSDK_GetDeviceSupportSuperResMode() != 0;
}

bool supportsRawType()
{
    return USBSDK_GetSupportThermalRawDataType() != 0;
}

QComboBox* makeCombo(QWidget* parent, int items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("ComboBox"));
    // The style sheet's item height takes effect with a list view only.
    combo->setView(new QListView(combo));
    combo->setFixedHeight(kControlHeight);
    for (int i = 0; i < items; ++i) combo->addItem(QString(), i);
    return combo;
}

QRadioButton* makeRadio(QWidget* parent, QButtonGroup* group, int id)
{
    auto* radio = new QRadioButton(parent);
    radio->setObjectName(QStringLiteral("RadioBtnStyle1"));
    group->addButton(radio, id);
    return radio;
}

QPushButton* makeActionButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("IconTextHBtn"));
    button->setFixedSize(kActionWidth, kControlHeight);
    return button;
}

// Checks the radio of id in group, or none for an id of no radio (-1): an exclusive
// group keeps one radio checked unless it is let go for a moment.
void showChecked(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

}  // namespace

QSettingsDlg::QSettingsDlg(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("SettingsDlg"));
    initUI();
    initConnect();
}

void QSettingsDlg::initUI()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kBlockSpacing);
    for (QLabel*& label : labels_) label = ImagePageSupport::makeLabel(this);
    // A row: its label with its controls on the line below, inside holder
    // when the row is shown and hidden as a whole.
    auto addRow = [&](Label label, QLayout* controls, QWidget* holder) {
        QVBoxLayout* block = holder ? new QVBoxLayout(holder) : new QVBoxLayout;
        block->setSpacing(kLineSpacing);
        if (holder) {
            block->setContentsMargins(0, 0, 0, 0);
            labels_[label]->setParent(holder);
        }
        block->addWidget(labels_[label]);
        block->addLayout(controls);
        if (holder)
            page->addWidget(holder);
        else
            page->addLayout(block);
    };
    auto line = [] {
        auto* l = new QHBoxLayout;
        l->setSpacing(kLineSpacing);
        return l;
    };

    snapshotPathEdit_ = new QSelLineEdit(this);
    snapshotPathEdit_->setFixedHeight(kControlHeight);
    openButton_ = new QPushButton(this);
    openButton_->setObjectName(QStringLiteral("openSnapshotPathButton"));
    openButton_->setFixedSize(kControlHeight, kControlHeight);
    openButton_->setStyleSheet(QString::fromLatin1(kOpenButtonStyle));
    QHBoxLayout* pathLine = line();
    pathLine->addWidget(snapshotPathEdit_, 1);
    pathLine->addWidget(openButton_);
    addRow(PathLabel, pathLine, nullptr);

    lineLabel_ = new QLabel(this);
    lineLabel_->setObjectName(QStringLiteral("Line1Label"));
    lineLabel_->setFixedHeight(1);
    page->addWidget(lineLabel_);

    crossCombo_ = makeCombo(this, int(std::size(kCrossColours)));
    crossSwitch_ = new SwitchButton(this);
    crossSwitch_->setFixedSize(kSwitchWidth, kSwitchHeight);
    QHBoxLayout* crossLine = line();
    crossLine->addWidget(crossCombo_, 1);
    crossLine->addWidget(crossSwitch_);
    addRow(CrossCursorLabel, crossLine, nullptr);

    flipCombo_ = makeCombo(this, int(std::size(kFlips)));
    QHBoxLayout* flipLine = line();
    flipLine->addWidget(flipCombo_);
    addRow(FlipLabel, flipLine, nullptr);

    svpWidget_ = new QWidget(this);
    svpWidget_->setObjectName(QStringLiteral("svpWidget"));
    svpGroup_ = new QButtonGroup(this);
    svpOpen_ = makeRadio(svpWidget_, svpGroup_, kSvpOpen);
    svpClose_ = makeRadio(svpWidget_, svpGroup_, kSvpClose);
    QHBoxLayout* svpLine = line();
    svpLine->addWidget(svpOpen_);
    svpLine->addWidget(svpClose_);
    addRow(SuperResolutionLabel, svpLine, svpWidget_);

    restartButton_ = makeActionButton(this);
    QHBoxLayout* restartLine = line();
    restartLine->addWidget(restartButton_);
    restartLine->addStretch(1);
    addRow(RestartLabel, restartLine, nullptr);

    restoreButton_ = makeActionButton(this);
    QHBoxLayout* restoreLine = line();
    restoreLine->addWidget(restoreButton_);
    restoreLine->addStretch(1);
    addRow(RestoreLabel, restoreLine, nullptr);

    rawWidget_ = new QWidget(this);
    rawWidget_->setObjectName(QStringLiteral("tempDataTypeWidget"));
    rawGroup_ = new QButtonGroup(this);
    grayRadio_ = makeRadio(rawWidget_, rawGroup_, kRawGray);
    tempRadio_ = makeRadio(rawWidget_, rawGroup_, kRawTemperature);
    QHBoxLayout* rawLine = line();
    // The grey radio takes what its text needs; the rest is the
    // temperature radio's.
    rawLine->addWidget(grayRadio_, 0);
    rawLine->addWidget(tempRadio_, 1);
    addRow(RawTypeLabel, rawLine, rawWidget_);

    outputWidget_ = new QWidget(this);
    outputWidget_->setObjectName(QStringLiteral("outputWidget"));
    outputGroup_ = new QButtonGroup(this);
    for (int m = 0; m < OutputModeCount; ++m) {
        outputRadios_[size_t(m)] = makeRadio(outputWidget_, outputGroup_, m);
        outputRadios_[size_t(m)]->setText(QString::fromLatin1(kOutputNames[m]));
    }
    auto* outputGrid = new QGridLayout;
    outputGrid->setSpacing(kLineSpacing);
    outputGrid->addWidget(outputRadios_[UVCOutput], 0, 0);
    outputGrid->addWidget(outputRadios_[MIPIOutput], 0, 1);
    outputGrid->addWidget(outputRadios_[USBOutput], 1, 0);
    outputGrid->addWidget(outputRadios_[BTOutput], 1, 1);
    addRow(OutputLabel, outputGrid, outputWidget_);

    page->addStretch(1);

    // Rows that wait for a camera that has them, or for the unlocked
    // Advanced Settings entry.
    svpWidget_->hide();
    rawWidget_->hide();
    outputWidget_->hide();

    wait_ = new QLoadingMsgDlg(this);
    snapshotPathEdit_->setText(GetManualSnapshotPath());
    recordPath_ = GetManualRecordPath();
    retranslateTexts();
}

void QSettingsDlg::initConnect()
{
    connect(snapshotPathEdit_, &QSelLineEdit::sendSelBtnClickedSignals, this, &S::setManualSnapshotPathSelSlots);
    connect(openButton_, &QPushButton::clicked, this, &S::setOpenSnapPathBtnSlots);
    connect(crossSwitch_, &SwitchButton::checkedChanged, this, &S::setCrossCursorBtnSlot);
    connect(crossCombo_, QOverload<int>::of(&QComboBox::activated), this, &S::setCrossCursorComboBoxSlot);
    connect(flipCombo_, QOverload<int>::of(&QComboBox::activated), this, &S::setImageFlipComboBoxSlot);
    connect(restartButton_, &QPushButton::clicked, this, &S::RestartDeviceSlot);
    connect(restoreButton_, &QPushButton::clicked, this, &S::RestoreSetSlot);
    connect(outputRadios_[BTOutput], &QRadioButton::clicked, this, &S::setBTOutputBtnSlot);
    connect(outputRadios_[MIPIOutput], &QRadioButton::clicked, this, &S::setMIPIOutputBtnSlot);
    connect(outputRadios_[USBOutput], &QRadioButton::clicked, this, &S::setUSBOutputBtnSlot);
    connect(outputRadios_[UVCOutput], &QRadioButton::clicked, this, &S::setUVCOutputBtnSlot);
    for (QRadioButton* radio : {svpOpen_, svpClose_})
        connect(radio, &QRadioButton::clicked, this, &S::setSuperResolutionModeBtnSlot);
    for (QRadioButton* radio : {grayRadio_, tempRadio_})
        connect(radio, &QRadioButton::clicked, this, &S::setThermalTempDataTypeBtnSlot);
}

QList<QLabel*> QSettingsDlg::rowLabels() const
{
    return QList<QLabel*>(labels_.begin(), labels_.end());
}

void QSettingsDlg::retranslateTexts()
{
    for (int l = 0; l < LabelCount; ++l) labels_[size_t(l)]->setText(tr(kLabelSources[l]));
    for (int i = 0; i < crossCombo_->count(); ++i) crossCombo_->setItemText(i, tr(kCrossColours[i]));
    for (int i = 0; i < flipCombo_->count(); ++i) flipCombo_->setItemText(i, tr(kFlips[i]));
    svpOpen_->setText(tr("Open"));
    svpClose_->setText(tr("Close"));
    restartButton_->setText(tr("Restart"));
    restoreButton_->setText(tr("Restore"));
    grayRadio_->setText(tr("Gray Scale"));
    tempRadio_->setText(tr("Temperature"));
}

void QSettingsDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QSettingsDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
}

void QSettingsDlg::refreshDeviceSupport()
{
    crossSwitch_->setEnabled(connected());
    crossCombo_->setEnabled(connected());
    flipCombo_->setEnabled(connected());
    outputWidget_->setEnabled(connected());
    svpWidget_->setVisible(connected() && supportsSuperResolution());
    rawWidget_->setVisible(connected() && supportsRawType());
    if (!connected()) return;

    // The rows' own flags: the page may still be closed while it refreshes.
    emit sendGetImageFlipModeSignal();
    emit sendGetCrossCursorSignal();
    if (!outputWidget_->isHidden()) emit sendGetOutputModeSignal();
    if (!svpWidget_->isHidden() && supportsSuperResolution()) emit sendGetSuperResolutionModeSignal();
    if (!rawWidget_->isHidden() && supportsRawType()) emit sendGetThermalRawTypeSignal();
}

// ---- Snapshot folder ---------------------------------------------------------------

void QSettingsDlg::setManualSnapshotPathSelSlots()
{
    const QString path = UiPrompts::instance().pickExistingDirectory(this, QString(), snapshotPathEdit_->text());
    if (path.size() > kMaxSnapshotPath) {
        UiPrompts::instance().toast(tr("Snapshot Path Too Long"), kToastInfo, ImagePageSupport::kToastMs);
        return;
    }
    if (path.isEmpty()) return;
    snapshotPathEdit_->setText(path);
    setSaveBtnSlots();
}

void QSettingsDlg::setSaveBtnSlots()
{
    ConfigManager& config = ConfigManager::getInstance();
    config.setValue(ConfigManager::kGroup, QStringLiteral("ManualSnapshotPath"), snapshotPathEdit_->text());
    config.setValue(ConfigManager::kGroup, QStringLiteral("ManualRecordPath"), recordPath_);
    ImagePageSupport::toast(tr("Save succeed"), true);
}

void QSettingsDlg::setOpenSnapPathBtnSlots()
{
    const QString path = snapshotPathEdit_->text();
    if (!MakeDirPath(path)) {
        ImagePageSupport::notice(this, tr("Path open failed"));
        return;
    }
    UiPrompts::instance().openLocalPath(path);
}

// ---- Cross cursor and flip ---------------------------------------------------------

bool QSettingsDlg::cameraAcceptsChange()
{
    if (sdk().isSleeping()) {
        ImagePageSupport::notice(this, tr("Device is sleeping"));
        return false;
    }
    if (sdk().isFrozen()) {
        ImagePageSupport::notice(this, tr("Video is freezing."));
        return false;
    }
    return true;
}

void QSettingsDlg::setCrossCursorBtnSlot(bool bChecked)
{
    if (!cameraAcceptsChange()) {
        crossSwitch_->setChecked(!bChecked);
        return;
    }
    crossEnabled_ = bChecked;
    emit sendShowCrossCursorSignal(bChecked ? 1 : 0, crossCombo_->currentIndex());
}

void QSettingsDlg::setCrossCursorComboBoxSlot(int nType)
{
    if (!cameraAcceptsChange()) {
        crossCombo_->setCurrentIndex(crossColor_);
        return;
    }
    if (crossEnabled_) emit sendShowCrossCursorSignal(1, nType);
    // A colour chosen while the cursor is off goes with the next switch-on.
    crossColor_ = nType;
}

void QSettingsDlg::getCrossCursorRetSlot(bool bRet, int nEnable, int nColor)
{
    if (!bRet) return;
    crossEnabled_ = nEnable != 0;
    crossColor_ = nColor;
    crossSwitch_->setChecked(crossEnabled_);
    crossCombo_->setCurrentIndex(nColor);
}

void QSettingsDlg::setImageFlipComboBoxSlot(int nFlip)
{
    if (!cameraAcceptsChange()) {
        flipCombo_->setCurrentIndex(flipIndex_);
        return;
    }
    // The stored flip changes when the camera confirms it.
    emit sendSetImageFlipModeSignal(nFlip);
}

void QSettingsDlg::setImageFlipModeRetSlot(bool bRet)
{
    if (!bRet) {
        // A refused flip is not the camera's flip: show the one it has.
        flipCombo_->setCurrentIndex(flipIndex_);
        return;
    }
    flipIndex_ = flipCombo_->currentIndex();
    emit sendFlipChangedStateSignal(flipIndex_);
}

void QSettingsDlg::getImageFlipModeRetSlot(bool bRet, int nFlipMode)
{
    if (!bRet) return;
    flipCombo_->setCurrentIndex(nFlipMode);
    flipIndex_ = nFlipMode;
    emit sendFlipChangedStateSignal(nFlipMode);
}

// ---- Restart and factory restore ---------------------------------------------------

void QSettingsDlg::RestartDeviceSlot()
{
    askRestart(false, tr("Restart Device"), tr("Repower the device?"), &S::sendRebootDeviceSignal);
}

void QSettingsDlg::setRebootDeviceRetSlot(bool bRet)
{
    endRestart(bRet, tr("Failed to reboot device"));
}

void QSettingsDlg::RestoreSetSlot()
{
    askRestart(true, tr("Restore Factory Set"), tr("Restore factory set?"), &S::RestoreDeviceSignals);
}

void QSettingsDlg::setRestoreDeviceRetSlot(bool bRet)
{
    endRestart(bRet, tr("Failed to restore device"));
}

void QSettingsDlg::askRestart(bool bSleepRefused, const QString& title, const QString& text, void (S::*request)())
{
    if (!connected()) {
        ImagePageSupport::notice(this, tr("Device is not connect."));
        return;
    }
    if (bSleepRefused && sdk().isSleeping()) {
        ImagePageSupport::notice(this, tr("Device is sleeping"));
        return;
    }
    if (!UiPrompts::instance().question(this, title, text)) return;
    emit(this->*request)();
    UiPrompts::instance().waitStatus(wait_, true);
}

void QSettingsDlg::endRestart(bool bRet, const QString& failure)
{
    UiPrompts::instance().waitStatus(wait_, false);
    if (!bRet) {
        ImagePageSupport::notice(this, failure);
        return;
    }
    emit ReconnectDeviceSignals();
}

// ---- Output interface --------------------------------------------------------------

void QSettingsDlg::setOutputSwitchShowSlot(bool bShow)
{
    outputWidget_->setVisible(bShow);
    if (bShow && connected() && isVisible()) emit sendGetOutputModeSignal();
}

void QSettingsDlg::setBTOutputBtnSlot()
{
    askOutputMode(BTOutput);
}

void QSettingsDlg::setMIPIOutputBtnSlot()
{
    askOutputMode(MIPIOutput);
}

void QSettingsDlg::setUSBOutputBtnSlot()
{
    askOutputMode(USBOutput);
}

void QSettingsDlg::setUVCOutputBtnSlot()
{
    askOutputMode(UVCOutput);
}

void QSettingsDlg::askOutputMode(int nMode)
{
    if (!UiPrompts::instance().question(this, QString(), tr("Please confirm whether to switch the output mode"))) {
        setOutputModeBtnChecked(outputMode_);
        return;
    }
    emit sendOutputModeSwitchSignal(nMode);
    UiPrompts::instance().waitStatus(wait_, true);
}

bool QSettingsDlg::setOutputModeBtnChecked(int nMode)
{
    if (nMode < 0 || nMode >= OutputModeCount) return false;
    outputRadios_[size_t(nMode)]->setChecked(true);
    return true;
}

void QSettingsDlg::setOutputModeSwitchRetSlot(bool bRet)
{
    UiPrompts::instance().waitStatus(wait_, false);
    if (!bRet) {
        ImagePageSupport::notice(this, tr("Output Mode Switch Failed"));
        setOutputModeBtnChecked(outputMode_);
        return;
    }
    // The stored mode stays: the camera reboots and the next read tells.
    ImagePageSupport::notice(this, tr("Switching successful, device will automatically reboot soon"));
    emit ReconnectDeviceSignals();
}

void QSettingsDlg::setGetOutputModeRetSlot(bool bRet, int nMode)
{
    if (!bRet || !setOutputModeBtnChecked(nMode)) {
        ImagePageSupport::notice(this, tr("Failed to get Output Mode"));
        return;
    }
    outputMode_ = nMode;
}

// ---- Super resolution and raw data type --------------------------------------------

void QSettingsDlg::setSuperResolutionModeBtnSlot()
{
    const bool open = svpOpen_->isChecked();
    const QString text = tr("Switch super resolution mode?") + "\r\n" + tr("Device will automatically reboot");
    if (!UiPrompts::instance().question(this, tr("Super Resolution"), text)) {
        svpOpen_->setChecked(!open);
        svpClose_->setChecked(open);
        svpShown_ = open ? kSvpClose : kSvpOpen;
        return;
    }
    svpAsked_ = open ? kSvpOpen : kSvpClose;
    emit sendSetSuperResolutionModeSignal(open ? 1 : 0);
    UiPrompts::instance().waitStatus(wait_, true);
}

void QSettingsDlg::setSuperResolutionModeRetSlot(bool bRet)
{
    UiPrompts::instance().waitStatus(wait_, false);
    if (!bRet) {
        // The camera kept its mode: show what the radios showed before.
        showChecked(svpGroup_, svpShown_);
        ImagePageSupport::notice(this, tr("Failed to switch super resolution mode."));
        return;
    }
    svpShown_ = svpAsked_;
    emit ReconnectDeviceSignals();
    ImagePageSupport::notice(this, tr("Switching successful, device will automatically reboot soon"));
}

void QSettingsDlg::setGetSuperResolutionModeRetSlot(bool bRet, int nEnable)
{
    if (!bRet) {
        ImagePageSupport::notice(this, tr("Failed to get Super Resolution Mode"));
        return;
    }
    svpShown_ = nEnable != 0 ? kSvpOpen : kSvpClose;
    showChecked(svpGroup_, svpShown_);
}

void QSettingsDlg::setThermalTempDataTypeBtnSlot()
{
    rawAsked_ = grayRadio_->isChecked() ? kRawGray : kRawTemperature;
    emit sendSetThermalRawTypeSignal(rawAsked_);
    UiPrompts::instance().waitStatus(wait_, true);
}

void QSettingsDlg::setThermalRawTypeRetSlot(bool bRet)
{
    UiPrompts::instance().waitStatus(wait_, false);
    if (!bRet) {
        // The camera kept its type: show what the radios showed before.
        showChecked(rawGroup_, rawShown_);
        UiPrompts::instance().toast(tr("Operate failed"), ImagePageSupport::kToastFailure, kRawFailureToastMs);
        return;
    }
    rawShown_ = rawAsked_;
}

void QSettingsDlg::getThermalRawTypeRetSlot(bool bRet, int nType)
{
    if (!bRet) {
        ImagePageSupport::notice(this, tr("Failed to get Thermal Raw Type"));
        return;
    }
    rawShown_ = nType == 0 ? kRawGray : kRawTemperature;
    showChecked(rawGroup_, rawShown_);
}
