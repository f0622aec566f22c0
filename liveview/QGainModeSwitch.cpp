#include "QGainModeSwitch.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "DeviceSdkWrapper.h"
#include "QLoadingMsgDlg.h"
#include "UiPrompts.h"
#include "camsdk.h"

namespace {

using S = QGainModeSwitch;

const char* const kTextSources[] = {
    QT_TRANSLATE_NOOP("QGainModeSwitch", "GainModel"),   QT_TRANSLATE_NOOP("QGainModeSwitch", "Low Temper"),
    QT_TRANSLATE_NOOP("QGainModeSwitch", "High Temper"), QT_TRANSLATE_NOOP("QGainModeSwitch", "Ultimate"),
    QT_TRANSLATE_NOOP("QGainModeSwitch", "Switch Gear"), QT_TRANSLATE_NOOP("QGainModeSwitch", "Auto"),
    QT_TRANSLATE_NOOP("QGainModeSwitch", "Manual"),      QT_TRANSLATE_NOOP("QGainModeSwitch", "Gears"),
    QT_TRANSLATE_NOOP("QGainModeSwitch", "First Gear"),  QT_TRANSLATE_NOOP("QGainModeSwitch", "Second Gear"),
    QT_TRANSLATE_NOOP("QGainModeSwitch", "Save"),
};

// The style sheet's selectors.
const char* const kLabelStyle = "Label_FF_85_14";
const char* const kRadioStyle = "RadioBtnStyle1";
const char* const kRefreshStyle = "SearchBtn";
const char* const kButtonStyle = "BtnStyle1";

// Gear requests: manual choice, and "keep the gear" when only automatic or
// manual changes.
constexpr int kAutoGear = 0;
constexpr int kManualGear = 1;
constexpr int kFirstGear = 0;
constexpr int kSecondGear = 1;
constexpr int kKeepGear = 2;

// Toasts: type and duration.
constexpr int kToastSuccess = 0;
constexpr int kToastFailure = 1;
constexpr int kToastMs = 1000;

// Layout: blocks 24 apart, lines within a block 8, buttons on a line 10.
// The sides keep 12 of the form's 16, so two 14 px radio buttons fit on
// one line of the 254 px side panel column.
constexpr int kMargin = 16;
constexpr int kSideMargin = 12;
constexpr int kBlockSpacing = 24;
constexpr int kLineSpacing = 8;
constexpr int kButtonSpacing = 10;

UiPrompts& prompts()
{
    return UiPrompts::instance();
}

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

bool supportsTwoGears()
{
    return USBSDK_GetDeviceSupportLowTempTwoGear() != 0;
}

QRadioButton* makeRadio(QWidget* parent)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(QLatin1String(kRadioStyle));
    return button;
}

QLabel* makeLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(kLabelStyle));
    return label;
}

// Two buttons side by side on one line, packed to the left.
QHBoxLayout* makePair(QWidget* first, QWidget* second)
{
    auto* line = new QHBoxLayout;
    line->setSpacing(kButtonSpacing);
    line->addWidget(first);
    line->addWidget(second);
    line->addStretch(1);
    return line;
}

}  // namespace

QGainModeSwitch::QGainModeSwitch(QWidget* parent) : QWidget(parent)
{
    buildForm();
    connectControls();
}

QGainModeSwitch::~QGainModeSwitch() = default;

void QGainModeSwitch::buildForm()
{
    // Kept for the style sheet, which styles the page by this name.
    setObjectName(QStringLiteral("QGainSetting"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    resize(532, 584);

    auto* gainLabel = makeLabel(this);
    for (int m = 0; m < GainModeCount; ++m) modeButtons_[m] = makeRadio(this);
    switchGearLabel_ = makeLabel(this);
    refreshBtn_ = new QPushButton(this);
    refreshBtn_->setObjectName(QLatin1String(kRefreshStyle));
    refreshBtn_->setFixedSize(16, 16);
    autoGearBtn_ = makeRadio(this);
    manualGearBtn_ = makeRadio(this);
    auto* gearsLabel = makeLabel(this);
    firstGearBtn_ = makeRadio(this);
    secondGearBtn_ = makeRadio(this);
    saveBtn_ = new QPushButton(this);
    saveBtn_->setObjectName(QLatin1String(kButtonStyle));
    saveBtn_->setFixedSize(115, 32);

    texted_ = {gainLabel,
               modeButtons_[LowTemperMode],
               modeButtons_[HighTemperMode],
               modeButtons_[UltimateMode],
               switchGearLabel_,
               autoGearBtn_,
               manualGearBtn_,
               gearsLabel,
               firstGearBtn_,
               secondGearBtn_,
               saveBtn_};
    twoGearRow_ = {switchGearLabel_, refreshBtn_,   autoGearBtn_,  manualGearBtn_,
                   gearsLabel,       firstGearBtn_, secondGearBtn_};

    modeGroup_ = new QButtonGroup(this);
    for (int m = 0; m < GainModeCount; ++m) modeGroup_->addButton(modeButtons_[m], m);
    autoGroup_ = new QButtonGroup(this);
    autoGroup_->addButton(autoGearBtn_);
    autoGroup_->addButton(manualGearBtn_);
    gearGroup_ = new QButtonGroup(this);
    gearGroup_->addButton(firstGearBtn_);
    gearGroup_->addButton(secondGearBtn_);

    // Three blocks. A block whose widgets are all hidden takes no room, nor
    // the spacing before it.
    auto* modes = new QVBoxLayout;
    modes->setSpacing(kLineSpacing);
    modes->addWidget(gainLabel);
    modes->addLayout(makePair(modeButtons_[LowTemperMode], modeButtons_[HighTemperMode]));
    modes->addWidget(modeButtons_[UltimateMode], 0, Qt::AlignLeft);

    auto* gears = new QVBoxLayout;
    gears->setSpacing(kLineSpacing);
    gears->addLayout(makePair(switchGearLabel_, refreshBtn_));
    gears->addLayout(makePair(autoGearBtn_, manualGearBtn_));
    gears->addWidget(gearsLabel);
    gears->addLayout(makePair(firstGearBtn_, secondGearBtn_));

    auto* save = new QHBoxLayout;
    save->addStretch(1);
    save->addWidget(saveBtn_);
    save->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kSideMargin, kMargin, kSideMargin, kMargin);
    page->setSpacing(kBlockSpacing);
    page->addLayout(modes);
    page->addLayout(gears);
    page->addLayout(save);
    page->addStretch(1);

    // Ultimate waits for the camera to report it; the gear controls for a
    // camera in the low range that has two gears.
    modeButtons_[UltimateMode]->hide();
    showTwoGearRow(false);

    wait_ = new QLoadingMsgDlg(this);
    wait_->hide();
    retranslate();
}

void QGainModeSwitch::connectControls()
{
    connect(modeButtons_[LowTemperMode], &QRadioButton::clicked, this, &S::setLowTemperBtnSlots);
    connect(modeButtons_[HighTemperMode], &QRadioButton::clicked, this, &S::setHighTemperBtnSlots);
    connect(modeButtons_[UltimateMode], &QRadioButton::clicked, this, &S::setUltimateModeBtnSlots);
    connect(autoGearBtn_, &QRadioButton::clicked, this, &S::setLowTemperAutoGearBtnSlot);
    connect(manualGearBtn_, &QRadioButton::clicked, this, &S::setLowTemperAutoGearBtnSlot);
    connect(firstGearBtn_, &QRadioButton::clicked, this, &S::setLowTemperTwoGearBtnSlot);
    connect(secondGearBtn_, &QRadioButton::clicked, this, &S::setLowTemperTwoGearBtnSlot);
    connect(refreshBtn_, &QPushButton::clicked, this, &S::setRefreshLowTempTwoGearBtnSlot);
    connect(saveBtn_, &QPushButton::clicked, this, &S::setGainModeSlot);
}

void QGainModeSwitch::retranslate()
{
    setWindowTitle(tr("Form"));
    for (int t = 0; t < TextCount; ++t) {
        const QString text = tr(kTextSources[t]);
        if (auto* label = qobject_cast<QLabel*>(texted_[t])) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(texted_[t])) {
            button->setText(text);
        }
    }
}

void QGainModeSwitch::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void QGainModeSwitch::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from minimised is no new look at the page.
    if (!event->spontaneous()) refreshDeviceSupport();
}

QRadioButton* QGainModeSwitch::modeButton(int nMode) const
{
    return nMode >= 0 && nMode < GainModeCount ? modeButtons_[nMode] : nullptr;
}

bool QGainModeSwitch::isTwoGearRowShown() const
{
    return !switchGearLabel_->isHidden();
}

bool QGainModeSwitch::isCameraUsable()
{
    return sdk().Connect() && !sdk().isSleeping();
}

void QGainModeSwitch::refreshDeviceSupport()
{
    const bool usable = isCameraUsable();
    for (QRadioButton* button : modeButtons_) button->setEnabled(usable);
    const std::array<QWidget*, 5> others = {switchGearLabel_, autoGearBtn_, manualGearBtn_, refreshBtn_, saveBtn_};
    for (QWidget* w : others) w->setEnabled(usable);
    updateGearButtonsEnabled();

    // A sleeping camera still answers; its mode is shown, only not changed.
    if (!sdk().Connect()) return;
    prompts().waitStatus(wait_, true);
    emit sendGetGainModeSignal();
    modeButtons_[UltimateMode]->setVisible(USBSDK_GetDeviceSupportExtremeMode() != 0);
}

void QGainModeSwitch::updateGearButtonsEnabled()
{
    const bool manual = isCameraUsable() && manualGearBtn_->isChecked();
    firstGearBtn_->setEnabled(manual);
    secondGearBtn_->setEnabled(manual);
}

void QGainModeSwitch::showTwoGearRow(bool shown)
{
    for (QWidget* w : twoGearRow_) w->setVisible(shown);
}

void QGainModeSwitch::checkModeButton(int nMode)
{
    if (nMode >= 0 && nMode < GainModeCount) {
        modeButtons_[nMode]->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go.
    modeGroup_->setExclusive(false);
    for (QRadioButton* button : modeButtons_) button->setChecked(false);
    modeGroup_->setExclusive(true);
}

void QGainModeSwitch::getGainModeRetSlot(bool bRet, int nMode)
{
    prompts().waitStatus(wait_, false);
    if (!bRet) {
        prompts().notice(this, tr("Failed to get gainmodel") + "," + tr("Error Code") + ":" +
                                   QString::number(USBSDK_GetLastError()));
        return;
    }
    showTwoGearRow(false);
    if (nMode < 0 || nMode >= GainModeCount) return;
    cameraMode_ = nMode;
    checkModeButton(nMode);
    if (nMode == LowTemperMode && supportsTwoGears()) {
        emit sendGetLowTempTwoGearSignal();
        showTwoGearRow(true);
    }
}

void QGainModeSwitch::setGainModeRetSlot(bool bRet, int nMode)
{
    prompts().waitStatus(wait_, false);
    if (!bRet) {
        // The click checked the refused mode; show again what the camera
        // runs before telling.
        checkModeButton(cameraMode_);
        prompts().notice(this, tr("Operate failed"));
        return;
    }
    prompts().toast(tr("Operate succeed"), kToastSuccess, kToastMs);
    if (nMode >= 0 && nMode < GainModeCount) {
        cameraMode_ = nMode;
        checkModeButton(nMode);
    }
    if (nMode != LowTemperMode) {
        showTwoGearRow(false);
    } else if (supportsTwoGears()) {
        emit sendGetLowTempTwoGearSignal();
        showTwoGearRow(true);
    }
}

void QGainModeSwitch::requestGainMode(int nMode)
{
    prompts().waitStatus(wait_, true);
    emit sendSetGainModeSignal(nMode);
}

void QGainModeSwitch::setLowTemperBtnSlots()
{
    requestGainMode(LowTemperMode);
}

void QGainModeSwitch::setHighTemperBtnSlots()
{
    requestGainMode(HighTemperMode);
}

void QGainModeSwitch::setUltimateModeBtnSlots()
{
    requestGainMode(UltimateMode);
}

void QGainModeSwitch::getLowTempTwoGearRetSlot(bool bRet, int nAuto, int nGear)
{
    if (!bRet) {
        prompts().notice(this, tr("Failed to get low temp gear"));
        return;
    }
    (nAuto == kAutoGear ? autoGearBtn_ : manualGearBtn_)->setChecked(true);
    (nGear == kFirstGear ? firstGearBtn_ : secondGearBtn_)->setChecked(true);
    updateGearButtonsEnabled();
}

void QGainModeSwitch::setLowTemperAutoGearBtnSlot()
{
    const int nAuto = autoGearBtn_->isChecked() ? kAutoGear : kManualGear;
    updateGearButtonsEnabled();
    // Shown before the request leaves, so no answer can come before it.
    prompts().waitStatus(wait_, true);
    emit sendSetLowTempTwoGearSignal(nAuto, kKeepGear);
}

void QGainModeSwitch::setLowTemperTwoGearBtnSlot()
{
    prompts().waitStatus(wait_, true);
    emit sendSetLowTempTwoGearSignal(kManualGear, firstGearBtn_->isChecked() ? kFirstGear : kSecondGear);
}

void QGainModeSwitch::setRefreshLowTempTwoGearBtnSlot()
{
    emit sendGetLowTempTwoGearSignal();
}

void QGainModeSwitch::setLowTempTwoGearRetSlot(bool bRet)
{
    prompts().waitStatus(wait_, false);
    // Read back what the camera runs now, refused or not.
    emit sendGetLowTempTwoGearSignal();
    prompts().toast(bRet ? tr("Operate succeed") : tr("Operate failed"), bRet ? kToastSuccess : kToastFailure,
                    kToastMs);
}

void QGainModeSwitch::setGainModeSlot()
{
    if (!sdk().Connect()) {
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    if (sdk().isSleeping()) {
        prompts().notice(this, tr("Device is sleeping"));
        return;
    }
    if (prompts().question(this, tr("Save"), tr("Save the config?"))) emit sendSaveGainModeSignal();
}

void QGainModeSwitch::setSaveImageParamRetSlot(bool bRet)
{
    prompts().toast(bRet ? tr("Save succeed") : tr("Save failed"), bRet ? kToastSuccess : kToastFailure, kToastMs);
}
