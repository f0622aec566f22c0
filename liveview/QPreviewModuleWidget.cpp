#include "QPreviewModuleWidget.h"

#include <QEvent>
#include <QStringList>
#include <QVBoxLayout>

#include "QIconTextRBtn.h"
#include "QVideoTemperResult.h"
#include "ThermalImageData.h"

namespace {

constexpr int kResultTableMinHeight = 328;

using P = QPreviewModuleWidget;

// One header with its page. Header and page sit at layoutIndex and
// layoutIndex + 1 of the inner layout; -1 keeps both out of it.
struct SectionInfo {
    const char* headerText;  // translation source
    const char* pageName;    // the page's object name
    int layoutIndex;
    bool headerShown;
    QSizePolicy::Policy pageVerticalPolicy;
    void (P::*toggle)();
};

const SectionInfo kSections[P::SectionCount] = {
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "TemperResult"), "QVideoTemperResult", 0, true,
     QSizePolicy::MinimumExpanding, &P::setTemperResultDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "GainModel"), "QGainModeSwitch", 2, true, QSizePolicy::Preferred,
     &P::setGainSettingDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "Rule Property"), "QRuleParamSet", 4, true, QSizePolicy::Preferred,
     &P::setParamSetDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "GlobalThermalSet"), "QGlobalThermalSetting", 6, true,
     QSizePolicy::Preferred, &P::setGlobalThermSettingDlgShowSlots},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "Second Calibration"), "QSecondCalibration", 8, false,
     QSizePolicy::Preferred, &P::setSecondCalibrationDlgShowSlot},
    {QT_TRANSLATE_NOOP("QPreviewModuleWidget", "Isotherm"), "QIsothermParams", -1, false, QSizePolicy::Ignored,
     &P::setIsothermDlgShowSlots},
};

// Icon sets of a header: normal, hover, pressed, disabled.
const QStringList kClosedArrows = {
    QStringLiteral("url(:/Resource/Skin/downArrow_n.png);"), QStringLiteral("url(:/Resource/Skin/downArrow_s.png);"),
    QStringLiteral("url(:/Resource/Skin/downArrow_s.png);"), QStringLiteral("url(:/Resource/Skin/downArrow_n.png);")};
const QStringList kOpenArrows = {
    QStringLiteral("url(:/Resource/Skin/upArrow_n.png);"), QStringLiteral("url(:/Resource/Skin/upArrow_s.png);"),
    QStringLiteral("url(:/Resource/Skin/upArrow_s.png);"), QStringLiteral("url(:/Resource/Skin/upArrow_n.png);")};

// Height of a page that is not built yet, enough to see it open.
constexpr int kPlaceholderHeight = 160;

bool isAccordion(int section)
{
    return section != P::TemperResultSection;
}

}  // namespace

QPreviewModuleWidget::QPreviewModuleWidget(QWidget* parent) : QWidget(parent)
{
    buildForm();
    connectHeaders();
    connect(result_, &QVideoTemperResult::sendSelectedItemSignal, this, &P::sendSelectedItemSignal);
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
        auto* header = new QIconTextRBtn(this);
        header->setObjectName(QStringLiteral("IconTextRBtn"));
        header->setFixedSize(254, 32);
        headers_[s] = header;
        setHeaderArrow(Section(s), false);

        QWidget* page = nullptr;
        if (s == TemperResultSection) {
            result_ = new QVideoTemperResult(this);
            // Room for the whole picture and a full set of live rules
            // before the table scrolls.
            result_->setMinimumHeight(kResultTableMinHeight);
            page = result_;
        } else {
            page = new QWidget(this);
            page->setObjectName(QLatin1String(info.pageName));
            page->setFixedHeight(kPlaceholderHeight);
        }
        page->setSizePolicy(QSizePolicy::Preferred, info.pageVerticalPolicy);
        page->hide();
        pages_[s] = page;

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
    for (int s = 0; s < SectionCount; ++s) connect(headers_[s], &QIconTextRBtn::clicked, this, kSections[s].toggle);
}

void QPreviewModuleWidget::retranslate()
{
    setWindowTitle(tr("Form"));
    for (int s = 0; s < SectionCount; ++s) headers_[s]->setText(tr(kSections[s].headerText));
}

void QPreviewModuleWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void QPreviewModuleWidget::setHeaderArrow(Section section, bool open)
{
    QIconTextRBtn* header = headers_[section];
    header->setIconList(open ? kOpenArrows : kClosedArrows);
    header->setBtnState(QIconTextRBtn::NormalState);
    headerOpen_[section] = open;
}

void QPreviewModuleWidget::toggleAccordionPage(Section section)
{
    const bool open = pages_[section]->isHidden();
    pages_[section]->setVisible(open);
    setHeaderArrow(section, open);
    for (int s = 0; s < SectionCount; ++s) {
        if (s == section || !isAccordion(s)) continue;
        if (open) pages_[s]->hide();
        setHeaderArrow(Section(s), false);
    }
    // Opening the isotherm page asks the camera for its isotherm, opening the
    // second calibration page checks what the camera supports: both are the
    // pages' own requests, made once the pages are built.
}

void QPreviewModuleWidget::setTemperResultDlgShowSlots()
{
    const bool open = result_->isHidden();
    result_->setVisible(open);
    setHeaderArrow(TemperResultSection, open);
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
    setHeaderArrow(TemperResultSection, bShow);
    if (bShow) return;
    for (int s = 0; s < SectionCount; ++s) {
        if (!isAccordion(s)) continue;
        pages_[s]->hide();
        setHeaderArrow(Section(s), false);
    }
}

void QPreviewModuleWidget::setItemDeleteSlots(quint32 key)
{
    result_->setItemDeleteSlots(key);
}

void QPreviewModuleWidget::setItemSelectSlots(quint32 key)
{
    result_->setItemSelectSlots(key);
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
    ThermalImageData::getInstance().setDevGlobalRuleConfig(&param);
}

void QPreviewModuleWidget::refreshRuleParam()
{
    // The rule property page reloads its fields; nothing to reload until it
    // is built.
}

void QPreviewModuleWidget::resetRefreshTime()
{
    // The global thermal page's refresh-time choice; nothing to reset until
    // it is built.
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
    // The isotherm page's status handling takes these once it is built.
    Q_UNUSED(bRet);
    Q_UNUSED(stIsotherm);
    Q_UNUSED(nColor);
}

void QPreviewModuleWidget::setIsothermStatusRetSlot(bool bRet)
{
    // The isotherm page's set-result handling takes this once it is built.
    Q_UNUSED(bRet);
}

void QPreviewModuleWidget::getGainModeRetSlot(bool bRet, int nMode)
{
    lastGainRet_ = bRet;
    lastGainMode_ = nMode;
}

void QPreviewModuleWidget::setGainModeRetSlot(bool bRet, int nMode)
{
    lastGainRet_ = bRet;
    lastGainMode_ = nMode;
}
