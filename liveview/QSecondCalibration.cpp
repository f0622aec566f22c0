#include "QSecondCalibration.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

#include "AppHelpers.h"
#include "DeviceSdkWrapper.h"
#include "PicRuleList.h"
#include "QCustomLineEdit.h"
#include "QSecondCalibrationProcessDlg.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"

namespace {

using P = QSecondCalibration;
using Gear = CalibrationGearResult::Gear;

constexpr int kToastMs = 1000;
constexpr int kToastSuccess = 0;
constexpr int kToastFailure = 1;
constexpr int kRowHeight = 32;

const char* const kScrollAreaStyle =
    "QScrollArea { background-color: transparent; border:0px;}QScrollArea QWidget { background-color: transparent; } ";
const char* const kTempEditStyle =
    "QLineEdit{color:white;background-color: #292929;border-radius:4px;border:1px solid #5F615A;}";
const char* const kButtonObjectName = "IconTextHBtn";
const char* const kTitleObjectName = "Label_FF_85_14";
// Blackbody temperatures, whole degrees Celsius: 0, 1..999 with an optional
// sign, -1000, 1000 and +1000; no leading zeros, no sign on 0.
const char* const kBlackbodyTempPattern = "^(0|([+-]?[1-9]\\d{0,2})|-(1000)|[+]?1000)$";

// A value label's look: its text (translation source) and style sheet.
struct LabelLook {
    const char* text;
    const char* style;
};

const LabelLook kWhiteUnknown = {QT_TRANSLATE_NOOP("QSecondCalibration", "Unknown"), "QLabel {color:white;}"};
const LabelLook kBalanced = {QT_TRANSLATE_NOOP("QSecondCalibration", "Balanced"), "QLabel {color:green;}"};
const LabelLook kUnbalanced = {QT_TRANSLATE_NOOP("QSecondCalibration", "Unbalanced"), "QLabel {color:red;}"};

// Indexed by CalibrationGearResult::Verdict.
const LabelLook kVerdictLooks[] = {
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Unqualified"), "QLabel {color:red;}"},
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Qualified"), "QLabel {color:green;}"},
    kWhiteUnknown,
};

// The buttons: caption and the page's slot; all but the equilibrium one
// need a camera.
struct ButtonInfo {
    const char* text;
    void (P::*slot)();
    bool needsCamera;
};

const ButtonInfo kButtons[P::ButtonCount] = {
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Get balanced state"), &P::getBalancedStateSlot, false},
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Set calibration RECT"), &P::setCalibrationRectSlot, true},
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Save calibration RECT"), &P::setSaveCalibrationRectSlot, true},
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Temperature calibration"), &P::setCalibrateSlot, true},
    {QT_TRANSLATE_NOOP("QSecondCalibration", "RestoreDefault"), &P::setCalibrationDefalutSlot, true},
    {QT_TRANSLATE_NOOP("QSecondCalibration", "Set"), &P::setCalibrationBlackbodyTempSlot, true},
};

// The gear blocks, top to bottom, with their titles; the second low gear
// shows only on cameras that have it.
struct GearInfo {
    Gear gear;
    const char* title;
    const char* objectPrefix;
};

const GearInfo kGearOrder[CalibrationGearResult::GearCount] = {
    {CalibrationGearResult::LowGear, QT_TRANSLATE_NOOP("QSecondCalibration", "Low Temper"), "lowTemper"},
    {CalibrationGearResult::LowSecondGear, QT_TRANSLATE_NOOP("QSecondCalibration", "Low Temper Second"),
     "lowTemperSecond"},
    {CalibrationGearResult::HighGear, QT_TRANSLATE_NOOP("QSecondCalibration", "High Temper"), "highTemper"},
};

const char* gearTitle(Gear gear)
{
    for (const GearInfo& info : kGearOrder)
        if (info.gear == gear) return info.title;
    return "";
}

const char* const kResultCaption = QT_TRANSLATE_NOOP("QSecondCalibration", "Calibration results");
const char* const kTimeCaption = QT_TRANSLATE_NOOP("QSecondCalibration", "Calibration completion time");

QLabel* makeTitle(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(kTitleObjectName));
    return label;
}

UiPrompts& prompts()
{
    return UiPrompts::instance();
}

// Both live rules are area rules of rectangle shape.
bool areRectangles(const PicRuleList& rules)
{
    for (int i = 0; i < rules.size(); ++i) {
        const PicRuleConfig& rule = rules.records[i].rule;
        if (rule.meterType != PicRuleRecord::kTypeArea || rule.param != PicRuleRecord::kShapeRectangle) return false;
    }
    return true;
}

}  // namespace

QSecondCalibration::QSecondCalibration(QWidget* parent)
    : QWidget(parent), keptResult_(CalibrationGearResult::unknownRecord())
{
    buildForm();
    connectControls();
    retranslate();
    showResultUnknown();
    balancedValue_->setText(tr(kWhiteUnknown.text));
    balancedValue_->setStyleSheet(QLatin1String(kWhiteUnknown.style));
}

QSecondCalibration::~QSecondCalibration() = default;

void QSecondCalibration::buildForm()
{
    setObjectName(QStringLiteral("QSecondCalibration"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setStyleSheet(QLatin1String(kScrollAreaStyle));
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scrollArea_);

    auto* content = new QWidget(scrollArea_);
    content->setObjectName(QStringLiteral("secondCalibrationContent"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(8);

    for (int b = 0; b < ButtonCount; ++b) {
        auto* button = new QPushButton(content);
        button->setObjectName(QLatin1String(kButtonObjectName));
        button->setFixedHeight(kRowHeight);
        button->setEnabled(!kButtons[b].needsCamera);
        buttons_[b] = button;
    }

    // Equilibrium.
    auto* balancedRow = new QHBoxLayout;
    balancedRow->setSpacing(6);
    balancedCaption_ = new QLabel(content);
    balancedValue_ = new QLabel(content);
    balancedValue_->setObjectName(QStringLiteral("balancedStateLabel"));
    balancedRow->addWidget(balancedCaption_);
    balancedRow->addWidget(balancedValue_, 1);
    column->addLayout(balancedRow);
    column->addWidget(buttons_[GetBalancedStateButton]);

    // Boxes and run.
    column->addWidget(buttons_[SetCalibrationRectButton]);
    column->addWidget(buttons_[SaveCalibrationRectButton]);
    column->addWidget(buttons_[CalibrateButton]);

    // Results, one block per gear.
    for (const GearInfo& info : kGearOrder) column->addWidget(buildGearBlock(info.gear, content));
    gears_[CalibrationGearResult::LowSecondGear].block->hide();

    column->addWidget(buttons_[RestoreDefaultButton]);

    // Blackbody temperatures.
    blackbodyTitle_ = makeTitle(content);
    column->addWidget(blackbodyTitle_);
    tempValidator_ = new QRegularExpressionValidator(QRegularExpression(QLatin1String(kBlackbodyTempPattern)), this);
    auto* tempForm = new QFormLayout;
    tempForm->setContentsMargins(0, 0, 0, 0);
    tempForm->setHorizontalSpacing(8);
    tempForm->setVerticalSpacing(8);
    tempForm->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tempForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (QCustomLineEdit** edit : {&highTempEdit_, &lowTempEdit_}) {
        *edit = new QCustomLineEdit(content);
        (*edit)->setFixedHeight(kRowHeight);
        (*edit)->setAlignment(Qt::AlignCenter);
        (*edit)->setStyleSheet(QLatin1String(kTempEditStyle));
        (*edit)->setValidator(tempValidator_);
    }
    highTempEdit_->setObjectName(QStringLiteral("highTempEdit"));
    lowTempEdit_->setObjectName(QStringLiteral("lowTempEdit"));
    highTempCaption_ = new QLabel(content);
    lowTempCaption_ = new QLabel(content);
    tempForm->addRow(highTempCaption_, highTempEdit_);
    tempForm->addRow(lowTempCaption_, lowTempEdit_);
    column->addLayout(tempForm);
    column->addWidget(buttons_[SetBlackbodyTempButton]);
    column->addStretch(1);

    scrollArea_->setWidget(content);

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(SecondCalibrationRun::kPollIntervalMs);
    processDlg_ = new QSecondCalibrationProcessDlg(this);
}

QWidget* QSecondCalibration::buildGearBlock(Gear gear, QWidget* parent)
{
    const char* prefix = "";
    for (const GearInfo& info : kGearOrder)
        if (info.gear == gear) prefix = info.objectPrefix;

    GearBlock& g = gears_[gear];
    g.block = new QWidget(parent);
    g.block->setObjectName(QLatin1String(prefix) + QStringLiteral("Block"));
    auto* layout = new QVBoxLayout(g.block);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(6);
    g.title = makeTitle(g.block);
    layout->addWidget(g.title);

    // The time caption is long in English: the time goes on a line of its
    // own under it, in every language alike.
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    g.resultCaption = new QLabel(g.block);
    g.result = new QLabel(g.block);
    g.result->setObjectName(QLatin1String(prefix) + QStringLiteral("ResultLabel"));
    g.timeCaption = new QLabel(g.block);
    g.time = new QLabel(g.block);
    g.time->setObjectName(QLatin1String(prefix) + QStringLiteral("TimeLabel"));
    grid->addWidget(g.resultCaption, 0, 0);
    grid->addWidget(g.result, 0, 1);
    grid->addWidget(g.timeCaption, 1, 0, 1, 2);
    grid->addWidget(g.time, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    return g.block;
}

void QSecondCalibration::connectControls()
{
    for (int b = 0; b < ButtonCount; ++b) connect(buttons_[b], &QPushButton::clicked, this, kButtons[b].slot);
    connect(progressTimer_, &QTimer::timeout, this, &P::checkCalibraProgressSlot);
    connect(processDlg_, &QSecondCalibrationProcessDlg::sendStopProcessSignal, this, &P::stopCalibraProcessSlot);
}

void QSecondCalibration::retranslate()
{
    for (int b = 0; b < ButtonCount; ++b) buttons_[b]->setText(tr(kButtons[b].text));
    balancedCaption_->setText(tr("Balanced state") + QLatin1Char(':'));
    for (int g = 0; g < CalibrationGearResult::GearCount; ++g) {
        gears_[g].title->setText(tr(gearTitle(Gear(g))));
        gears_[g].resultCaption->setText(tr(kResultCaption) + QLatin1Char(':'));
        gears_[g].timeCaption->setText(tr(kTimeCaption) + QLatin1Char(':'));
    }
    blackbodyTitle_->setText(tr("Blackbody Temp") + QStringLiteral(" - ") + QChar(0x2103));
    highTempCaption_->setText(tr("High Temper"));
    lowTempCaption_->setText(tr("Low Temper"));
}

void QSecondCalibration::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showResult(keptResult_);
        showBalancedState(balancedState_);
    }
    QWidget::changeEvent(event);
}

void QSecondCalibration::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit sendSetRuleWidgetEnableSignal(false);
}

void QSecondCalibration::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit sendSetRuleWidgetEnableSignal(true);
}

// ---- Device support and equilibrium ------------------------------------------------

void QSecondCalibration::refreshDeviceSupport()
{
    const bool connected = DeviceSdkWrapper::getInstance().Connect();
    for (int b = 0; b < ButtonCount; ++b)
        if (kButtons[b].needsCamera) buttons_[b]->setEnabled(connected);
    if (!connected) return;
    emit sendSecCalibraInitSignal();
    emit sendGetBalancedStateSignal();
    emit sendGetCalibrationResultSignal();
    gears_[CalibrationGearResult::LowSecondGear].block->setVisible(USBSDK_GetDeviceSupportLowTempTwoGear() != 0);
}

void QSecondCalibration::getBalancedStateSlot()
{
    emit sendGetBalancedStateSignal();
}

void QSecondCalibration::getBalancedStateRetSlot(bool bRet, int nBalanced)
{
    if (!bRet) {
        balancedValue_->setText(tr(kWhiteUnknown.text));
        balancedValue_->setStyleSheet(QLatin1String(kWhiteUnknown.style));
        buttons_[CalibrateButton]->setEnabled(false);
        return;
    }
    balancedState_ = nBalanced;
    showBalancedState(nBalanced);
}

void QSecondCalibration::showBalancedState(int nBalanced)
{
    const bool balanced = nBalanced == 1;
    const LabelLook& look = balanced ? kBalanced : kUnbalanced;
    balancedValue_->setText(tr(look.text));
    balancedValue_->setStyleSheet(QLatin1String(look.style));
    buttons_[CalibrateButton]->setEnabled(balanced);
}

// ---- Calibration boxes and blackbody temperatures -----------------------------------

void QSecondCalibration::setCalibrationRectSlot()
{
    if (ShowMessageBox(this, tr("Set RECT will clear all rules, please confirm"), false) != QDialog::Accepted) return;
    emit sendSetCalibrationRectSignal();
}

void QSecondCalibration::setCalibrationRectRetSlot(bool bRet, const USBSDK_Rules& stRules)
{
    // The boxes themselves are drawn as live rules by the video view.
    Q_UNUSED(stRules);
    showOperateToast(bRet);
    if (bRet) emit sendUpdateRulesParamsSignal();
}

void QSecondCalibration::setSaveCalibrationRectSlot()
{
    emit sendSaveCalibrationRectSignal();
}

void QSecondCalibration::setSaveCalibrationRectRetSlot(bool bRet)
{
    showOperateToast(bRet);
}

void QSecondCalibration::setCalibrationBlackbodyTempSlot()
{
    // The validator leaves at most a lone sign behind, which reads as 0 like
    // an empty field.
    const int high = highTempEdit_->text().toInt();
    const int low = lowTempEdit_->text().toInt();
    if (high <= low) {
        ShowMessageBox(this, tr("High temperature should greater than low temperature"), true);
        return;
    }
    emit sendSetCalibrationBlackbodyTempSignal(low, high);
}

void QSecondCalibration::setCalibrationBlackbodyTempRetSlot(bool bRet)
{
    showOperateToast(bRet);
}

// ---- The run -------------------------------------------------------------------------

void QSecondCalibration::setCalibrateSlot()
{
    const std::optional<PicRuleList> rules = ThermalImageData::getInstance().getDevRuleList();
    if (!rules || rules->size() != 2) {
        ShowMessageBox(this, tr("The number of rule types is incorrect, there can only be 2"), true);
        return;
    }
    if (!areRectangles(*rules)) {
        ShowMessageBox(this, tr("Wrong rule type, should be a rectangle"), true);
        return;
    }
    processDlg_->setShowStatus(true);
    run_.start();
    emit sendCalibrateSignal(1);
}

void QSecondCalibration::setCalibrateRetSlot(bool bRet)
{
    showOperateToast(bRet);
    switch (run_.calibrateAnswered(bRet)) {
        case SecondCalibrationRun::CalibrateStep::FetchResult:
            emit sendGetCalibrationResultSignal();
            break;
        case SecondCalibrationRun::CalibrateStep::StartPolling:
            progressTimer_->start(SecondCalibrationRun::kPollIntervalMs);
            break;
        case SecondCalibrationRun::CalibrateStep::None:
            // A refused start leaves the dialog up: the operator ends it with Stop.
            break;
    }
}

void QSecondCalibration::checkCalibraProgressSlot()
{
    if (run_.tick()) emit sendGetCalibraProgSignal();
}

void QSecondCalibration::getCalibraProgRetSlot(bool bRet, int nValue)
{
    switch (run_.progressAnswered(bRet, nValue)) {
        case SecondCalibrationRun::ProgressStep::Ignore:
        case SecondCalibrationRun::ProgressStep::KeepPolling:
            return;
        case SecondCalibrationRun::ProgressStep::Succeeded:
            progressTimer_->stop();
            processDlg_->setShowStatus(false);
            emit sendSetCalibrationTimeSignal();
            emit sendGetCalibrationResultSignal();
            ShowMessageBox(this, tr("Calibration success"), true);
            return;
        case SecondCalibrationRun::ProgressStep::Failed:
            progressTimer_->stop();
            processDlg_->setShowStatus(false);
            emit sendCalibrateSignal(0);
            ShowMessageBox(this, tr("Calibration failed"), true);
            return;
    }
}

void QSecondCalibration::stopCalibraProcessSlot()
{
    progressTimer_->stop();
    processDlg_->setShowStatus(false);
    run_.stop();
    emit sendCalibrateSignal(0);
}

void QSecondCalibration::setSaveCalibrationTimeRetSlot(bool bRet)
{
    showOperateToast(bRet);
}

// ---- Results and defaults --------------------------------------------------------------

void QSecondCalibration::setGetCalibrationResultRetSlot(bool bRet, const USBSDK_TemperatureCalibraResult& stRes)
{
    if (bRet) {
        keptResult_ = stRes;
        showResult(keptResult_);
    } else {
        showResultUnknown();
    }
    showOperateToast(bRet);
}

void QSecondCalibration::showResult(const USBSDK_TemperatureCalibraResult& record)
{
    for (int g = 0; g < CalibrationGearResult::GearCount; ++g) {
        const CalibrationGearResult result = CalibrationGearResult::read(record, Gear(g));
        const LabelLook& look = kVerdictLooks[result.verdict()];
        gears_[g].result->setText(tr(look.text));
        gears_[g].result->setStyleSheet(QLatin1String(look.style));
        gears_[g].time->setText(result.verdict() == CalibrationGearResult::Unknown ? tr(kWhiteUnknown.text)
                                                                                   : result.time());
    }
}

void QSecondCalibration::showResultUnknown()
{
    for (GearBlock& g : gears_) {
        g.result->setText(tr(kWhiteUnknown.text));
        g.result->setStyleSheet(QLatin1String(kWhiteUnknown.style));
        g.time->setText(tr(kWhiteUnknown.text));
    }
}

void QSecondCalibration::setCalibrationDefalutSlot()
{
    emit sendSetCalibrationDefaultSignal();
}

void QSecondCalibration::setCalibrationDefalutRetSlot(bool bRet)
{
    for (GearBlock& g : gears_) {
        g.result->clear();
        g.time->clear();
    }
    if (bRet) emit sendGetCalibrationResultSignal();
    showOperateToast(bRet);
}

void QSecondCalibration::showOperateToast(bool bRet)
{
    if (bRet)
        prompts().toast(tr("Operate succeed"), kToastSuccess, kToastMs);
    else
        prompts().toast(tr("Operate failed"), kToastFailure, kToastMs);
}
