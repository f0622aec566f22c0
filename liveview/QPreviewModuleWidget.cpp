#include "QPreviewModuleWidget.h"

#include <QEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "QIconTextRBtn.h"
#include "QGainModeSwitch.h"
#include "QGlobalThermalSetting.h"
#include "QIsothermParams.h"
#include "QRuleParamSet.h"
#include "QSecondCalibration.h"
#include "QVideoTemperResult.h"

namespace {

constexpr int kResultTableMinHeight = 328;
// Header and three rows: what the table keeps beside an open page that
// needs the rest of the column.
constexpr int kResultTableLeastHeight = 124;

using P = QPreviewModuleWidget;

// One header with its page. Header and page sit at layoutIndex and
// layoutIndex + 1 of the inner layout; -1 keeps both out of it.
struct SectionInfo {
    const char* headerText;  // translation source
    int layoutIndex;
    bool headerShown;
    QSizePolicy::Policy pageVerticalPolicy;
    void (P::*toggle)();
};

const SectionInfo kSections[P::SectionCount] = {
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "TemperResult"), 0, true, QSizePolicy::MinimumExpanding,
     &P::setTemperResultDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "GainModel"), 2, true, QSizePolicy::Preferred,
     &P::setGainSettingDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "Rule Property"), 4, true, QSizePolicy::Preferred,
     &P::setParamSetDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "GlobalThermalSet"), 6, true, QSizePolicy::Preferred,
     &P::setGlobalThermSettingDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "Second Calibration"), 8, false, QSizePolicy::Preferred,
     &P::setSecondCalibrationDlgShowSlot},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "Isotherm"), -1, false, QSizePolicy::Ignored,
     &P::setIsothermDlgShowSlots},
};

}  // namespace

QPreviewModuleWidget::QPreviewModuleWidget(QWidget* parent) : QWidget(parent)
{
    buildForm();
    connectHeaders();
    connectPages();
}

QWidget* QPreviewModuleWidget::createPage(Section section)
{
    switch (section) {
        case TemperResultSection:
            result_ = new QVideoTemperResult(this);
            // Room for the whole picture and a full set of live rules
            // before the table scrolls.
            result_->setMinimumHeight(kResultTableMinHeight);
            return result_;
        case GainModelSection:
            return gainPage_ = new QGainModeSwitch(this);
        case RulePropertySection:
            return ruleParamPage_ = new QRuleParamSet(this);
        case GlobalThermalSection:
            return globalPage_ = new QGlobalThermalSetting(this);
        case SecondCalibrationSection:
            return secondCalibrationPage_ = new QSecondCalibration(this);
        case IsothermSection:
        case SectionCount:
            break;
    }
    return isothermPage_ = new QIsothermParams(this);
}

void QPreviewModuleWidget::connectPages()
{
    connect(result_, &QVideoTemperResult::sendSelectedItemSignal, this, &P::sendSelectedItemSignal);

    // The pages' requests leave under the panel's signals.
    QGainModeSwitch* gain = gainPage_;
    connect(gain, &QGainModeSwitch::sendGetGainModeSignal, this, &P::sendGetGainModeSignal);
    connect(gain, &QGainModeSwitch::sendSetGainModeSignal, this, &P::setGainModeSlot);
    connect(gain, &QGainModeSwitch::sendSaveGainModeSignal, this, &P::sendSaveGainModeSignal);
    connect(gain, &QGainModeSwitch::sendGetLowTempTwoGearSignal, this, &P::sendGetLowTempTwoGearSignal);
    connect(gain, &QGainModeSwitch::sendSetLowTempTwoGearSignal, this, &P::sendSetLowTempTwoGearSignal);
    connect(this, &P::sendSaveImageParamRetSignal, gain, &QGainModeSwitch::setSaveImageParamRetSlot);
    connect(this, &P::sendGetLowTempTwoGearRetSignal, gain, &QGainModeSwitch::getLowTempTwoGearRetSlot);
    connect(this, &P::sendSetLowTempTwoGearRetSignal, gain, &QGainModeSwitch::setLowTempTwoGearRetSlot);

    connect(ruleParamPage_, &QRuleParamSet::sendUpdateRuleInfoSignals, this, &P::setUpdateRuleInfoSlots);
    connect(ruleParamPage_, &QRuleParamSet::sendUpdateGlobalInfoSignales, this, &P::setUpdateGlobalInfoSlots);

    connect(globalPage_, &QGlobalThermalSetting::sendSetThermRefreshTimeSignal, this, &P::setThermRefreshTimeSlot);
    connect(globalPage_, &QGlobalThermalSetting::sendFullScreenThermEnableSwitchSignal, this,
            &P::onFullScreenThermEnableSwitchSlot);

    connect(isothermPage_, &QIsothermParams::sendGetIsothermStatusSignal, this, &P::sendGetIsothermStatusSlot);
    connect(isothermPage_, &QIsothermParams::sendSetIsothermFuncSignal, this, &P::setIsothermFuncSlot);
    connect(isothermPage_, &QIsothermParams::sendColorizationChangeSignal, this, &P::setColorizationChangeSlot);

    // The second calibration page: its requests leave under the panel's
    // signals (nothing takes them onward here) and its results come in
    // through the panel's.
    QSecondCalibration* calibration = secondCalibrationPage_;
    using C = QSecondCalibration;
    connect(calibration, &C::sendGetBalancedStateSignal, this, &P::sendGetBalancedStateSignal);
    connect(calibration, &C::sendSetCalibrationRectSignal, this, &P::sendSetCalibrationRectSignal);
    connect(calibration, &C::sendCalibrateSignal, this, &P::sendCalibrateSignal);
    connect(calibration, &C::sendSaveCalibrationRectSignal, this, &P::sendSaveCalibrationRectSignal);
    connect(calibration, &C::sendGetCalibrationResultSignal, this, &P::sendGetCalibrationResultSignal);
    connect(calibration, &C::sendSetCalibrationTimeSignal, this, &P::sendSetCalibrationTimeSignal);
    connect(calibration, &C::sendSetCalibrationDefaultSignal, this, &P::sendSetCalibrationDefaultSignal);
    connect(calibration, &C::sendGetCalibraProgSignal, this, &P::sendGetCalibraProgSignal);
    connect(calibration, &C::sendSetRuleWidgetEnableSignal, this, &P::sendSetRuleWidgetEnableSignal);
    connect(calibration, &C::sendSecCalibraInitSignal, this, &P::sendSecCalibraInitSignal);
    connect(calibration, &C::sendSetCalibrationBlackbodyTempSignal, this, &P::sendSetCalibrationBlackbodyTempSignal);
    connect(calibration, &C::sendUpdateRulesParamsSignal, this, &P::sendUpdateRulesParamsSignal);
    connect(this, &P::sendGetBalancedStateRetSignal, calibration, &C::getBalancedStateRetSlot);
    connect(this, &P::sendSetCalibrationRectRetSignal, calibration, &C::setCalibrationRectRetSlot);
    connect(this, &P::sendCalibrateRetSignal, calibration, &C::setCalibrateRetSlot);
    connect(this, &P::sendSaveCalibrationRectRetSignal, calibration, &C::setSaveCalibrationRectRetSlot);
    connect(this, &P::sendGetCalibrationResultRetSignal, calibration, &C::setGetCalibrationResultRetSlot);
    connect(this, &P::sendSaveSecCalibraTimeRetSignal, calibration, &C::setSaveCalibrationTimeRetSlot);
    connect(this, &P::sendSetCalibrationDefaultRetSignal, calibration, &C::setCalibrationDefalutRetSlot);
    connect(this, &P::sendGetCalibraProgRetSignal, calibration, &C::getCalibraProgRetSlot);
    connect(this, &P::sendSecCalibrationBlackbodyTempRetSignal, calibration, &C::setCalibrationBlackbodyTempRetSlot);
}

void QPreviewModuleWidget::buildForm()
{
    setObjectName(QStringLiteral("QPreviewModuleWidget"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    resize(673, 485);
    outerLayout_ = new QVBoxLayout(this);
    outerLayout_->setObjectName(QStringLiteral("verticalLayout"));
    outerLayout_->setSpacing(1);
    outerLayout_->setContentsMargins(0, 0, 0, 0);
    innerLayout_ = new QVBoxLayout;
    innerLayout_->setObjectName(QStringLiteral("verticalLayout_1"));
    innerLayout_->setSpacing(1);
    // A nested layout's default margins are 0, the bottom one included.
    innerLayout_->setContentsMargins(0, 0, 0, 0);
    outerLayout_->addLayout(innerLayout_);

    for (int s = 0; s < SectionCount; ++s) {
        const SectionInfo& info = kSections[s];
        QIconTextRBtn* header = FoldSections::makeHeader(this);
        QWidget* page = createPage(Section(s));
        page->setSizePolicy(QSizePolicy::Preferred, info.pageVerticalPolicy);
        page->hide();
        // The result table opens and closes on its own.
        folds_.add(header, page, s == TemperResultSection);

        if (info.layoutIndex >= 0) {
            innerLayout_->insertWidget(info.layoutIndex, header, 0, Qt::AlignTop);
            innerLayout_->insertWidget(info.layoutIndex + 1, page, 0, Qt::AlignTop);
        }
        if (!info.headerShown) header->hide();
    }
    // Headers and open pages pack at the top; the rest of the column stays
    // empty below them.
    innerLayout_->addStretch(1);
    retranslate();
}

void QPreviewModuleWidget::connectHeaders()
{
    for (int s = 0; s < SectionCount; ++s) connect(folds_.header(s), &QIconTextRBtn::clicked, this, kSections[s].toggle);
}

void QPreviewModuleWidget::retranslate()
{
    setWindowTitle(tr("Form"));
    for (int s = 0; s < SectionCount; ++s) folds_.header(s)->setText(tr(kSections[s].headerText));
}

void QPreviewModuleWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

bool QPreviewModuleWidget::event(QEvent* event)
{
    // A page opened, closed, or changed its rows or texts.
    if (event->type() == QEvent::LayoutRequest) fitResultTable();
    return QWidget::event(event);
}

void QPreviewModuleWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitResultTable();
}

void QPreviewModuleWidget::fitResultTable()
{
    // The table keeps its full height unless an open page needs the room;
    // then it gives way down to a few rows and scrolls.
    int room = height();
    for (int s = 0; s < SectionCount; ++s) {
        if (kSections[s].layoutIndex < 0) continue;
        if (!folds_.header(s)->isHidden()) room -= folds_.header(s)->height() + innerLayout_->spacing();
        if (s != TemperResultSection && !folds_.page(s)->isHidden())
            room -= folds_.page(s)->sizeHint().height() + innerLayout_->spacing();
    }
    result_->setMinimumHeight(std::clamp(room, kResultTableLeastHeight, kResultTableMinHeight));
}

void QPreviewModuleWidget::toggleAccordionPage(Section section)
{
    const bool open = folds_.toggle(section);
    if (!open) return;
    if (section == IsothermSection) isothermPage_->requestStatus();
    if (section == SecondCalibrationSection) secondCalibrationPage_->refreshDeviceSupport();
}

void QPreviewModuleWidget::setTemperResultDlgShowSlots()
{
    folds_.toggle(TemperResultSection);
}

void QPreviewModuleWidget::setGainSettingDlgShowSlots()
{
    toggleAccordionPage(GainModelSection);
}

void QPreviewModuleWidget::setParamSetDlgShowSlots()
{
    toggleAccordionPage(RulePropertySection);
}

void QPreviewModuleWidget::setGlobalThermSettingDlgShowSlots()
{
    toggleAccordionPage(GlobalThermalSection);
}

void QPreviewModuleWidget::setSecondCalibrationDlgShowSlot()
{
    toggleAccordionPage(SecondCalibrationSection);
}

void QPreviewModuleWidget::setIsothermDlgShowSlots()
{
    toggleAccordionPage(IsothermSection);
}

void QPreviewModuleWidget::setAllDlgShowSlot(bool bShow)
{
    result_->setVisible(bShow);
    folds_.setArrow(TemperResultSection, bShow);
    if (!bShow) folds_.closeGroup();
}

void QPreviewModuleWidget::setItemDeleteSlots(quint32 key)
{
    result_->setItemDeleteSlots(key);
}

void QPreviewModuleWidget::setItemSelectSlots(quint32 key)
{
    result_->setItemSelectSlots(key);
    ruleParamPage_->setSelectedItem(key);
}

void QPreviewModuleWidget::showRuleResult(const RuleTemperResult& result)
{
    result_->showResult(result);
}

void QPreviewModuleWidget::showRuleResultUnavailable(const RuleTemperResult& result)
{
    result_->showResultUnavailable(result);
}

void QPreviewModuleWidget::setGlobalTemperParam(const USBSDK_GlobalTemperParam& param)
{
    ruleParamPage_->setGlobalTemperParam(param);
}

void QPreviewModuleWidget::refreshRuleParam()
{
    ruleParamPage_->refreshRuleParam();
}

void QPreviewModuleWidget::resetRefreshTime()
{
    globalPage_->resetRefreshTime();
}

void QPreviewModuleWidget::applyRefreshTime()
{
    globalPage_->applyRefreshTime();
}

void QPreviewModuleWidget::setUpdateRuleInfoSlots()
{
    emit sendUpdateRuleInfoSignals();
}

void QPreviewModuleWidget::setUpdateGlobalInfoSlots()
{
    emit sendUpdateGlobalInfoSignales();
}

void QPreviewModuleWidget::setColorizationChangeSlot(bool bOn, int nColor)
{
    emit sendColorizationChangeSignal(bOn, nColor);
}

void QPreviewModuleWidget::sendGetIsothermStatusSlot()
{
    emit sendGetIsothermStatusSignal();
}

void QPreviewModuleWidget::setIsothermFuncSlot(int nColor, const USBSDK_IsothermParams& stIsotherm)
{
    emit sendSetIsothermFuncSignal(nColor, stIsotherm);
}

void QPreviewModuleWidget::setThermRefreshTimeSlot(int nTime)
{
    emit sendSetThermRefreshTimeSignal(nTime);
}

void QPreviewModuleWidget::onFullScreenThermEnableSwitchSlot(bool bEnable)
{
    emit sendFullScreenThermEnableSwitchSignal(bEnable);
}

void QPreviewModuleWidget::setGainModeSlot(int nMode)
{
    emit sendSetGainModeSignal(nMode);
}

void QPreviewModuleWidget::getIsothermStatusRetSlot(bool bRet, const USBSDK_IsothermParams& stIsotherm, int nColor)
{
    isothermPage_->getIsothermStatusRetSlot(bRet, stIsotherm, nColor);
}

void QPreviewModuleWidget::setIsothermStatusRetSlot(bool bRet)
{
    isothermPage_->setIsothermStatusRetSlot(bRet);
}

void QPreviewModuleWidget::getGainModeRetSlot(bool bRet, int nMode)
{
    gainPage_->getGainModeRetSlot(bRet, nMode);
}

void QPreviewModuleWidget::setGainModeRetSlot(bool bRet, int nMode)
{
    gainPage_->setGainModeRetSlot(bRet, nMode);
}
