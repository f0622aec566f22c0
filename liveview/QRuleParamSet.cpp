#include "QRuleParamSet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <optional>

#include "QUnitLineEdit.h"
#include "SwitchButton.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"

namespace {

using P = QRuleParamSet;

const RuleParamPanel::Texts kTexts = {
    "QRuleParamSet",
    QT_TRANSLATE_NOOP("QRuleParamSet", "BasicTemperParam"),
    QT_TRANSLATE_NOOP("QRuleParamSet", "Rule Property"),
    {
        QT_TRANSLATE_NOOP("QRuleParamSet", "EnvironmentTemper"),
        QT_TRANSLATE_NOOP("QRuleParamSet", "Humidity"),
        QT_TRANSLATE_NOOP("QRuleParamSet", "Enable"),
        QT_TRANSLATE_NOOP("QRuleParamSet", "Emissivity"),
        QT_TRANSLATE_NOOP("QRuleParamSet", "Distance"),
        QT_TRANSLATE_NOOP("QRuleParamSet", "ReflexTemper"),
    },
    QT_TRANSLATE_NOOP("QRuleParamSet", "RestoreDefault"),
    QT_TRANSLATE_NOOP("QRuleParamSet", "Set"),
};

constexpr int kFieldWidth = 100;
constexpr int kRowHeight = 26;
constexpr int kButtonHeight = 32;
constexpr int kSideMargin = 16;
constexpr int kColumnSpacing = 12;
// The panel column is 254 px wide; the title and group rows span it.
constexpr int kSpanWidth = 254 - 2 * kSideMargin;
// Captions take what the fields leave of the span, so the longest ones
// ("Reflected Temp") are not cut.
constexpr int kLabelWidth = kSpanWidth - kColumnSpacing - kFieldWidth;

// Grid rows of the page.
constexpr int kGroupGridRow = 0;
constexpr int kTitleGridRow = 3;
constexpr int kButtonsGridRow = 8;
constexpr int kRowGridRows[P::RowCount] = {1, 2, 4, 5, 6, 7};

void styleCaption(QLabel* label)
{
    label->setObjectName(QStringLiteral("Label_FF_85_14"));
    label->setFixedSize(kLabelWidth, kRowHeight);
}

void styleButton(QPushButton* button, const char* objectName)
{
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(kFieldWidth, kButtonHeight);
}

}  // namespace

QRuleParamSet::QRuleParamSet(QWidget* parent) : RuleParamPanel(kTexts, kConfigUnits, kDistanceMax, parent)
{
    buildForm();
}

QRuleParamSet::~QRuleParamSet() = default;

void QRuleParamSet::buildForm()
{
    setObjectName(QStringLiteral("QRuleParamSet"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kSideMargin, 8, kSideMargin, 12);
    grid->setHorizontalSpacing(kColumnSpacing);
    grid->setVerticalSpacing(8);

    styleCaption(groupLabel());
    groupLabel()->setFixedWidth(kSpanWidth);
    groupLabel()->setProperty("heading", true);
    grid->addWidget(groupLabel(), kGroupGridRow, 0, 1, 2);
    titleLabel()->setObjectName(QStringLiteral("ruleTitleLabel"));
    titleLabel()->setFixedSize(kSpanWidth, kRowHeight);
    grid->addWidget(titleLabel(), kTitleGridRow, 0, 1, 2);

    for (int r = 0; r < RowCount; ++r) {
        const Row row = Row(r);
        styleCaption(rowLabel(row));
        grid->addWidget(rowLabel(row), kRowGridRows[r], 0);
        if (row == EnableRow) {
            grid->addWidget(ruleEnableSwitch(), kRowGridRows[r], 1, Qt::AlignLeft | Qt::AlignVCenter);
            continue;
        }
        field(row)->setFixedSize(kFieldWidth, kRowHeight);
        grid->addWidget(field(row), kRowGridRows[r], 1, Qt::AlignLeft);
    }
    field(EmissivityRow)->setText(QStringLiteral("0.00"));

    styleButton(restoreDefaultButton(), "IconTextHBtn");
    styleButton(setButton(), "BtnStyle1");
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(restoreDefaultButton());
    buttons->addWidget(setButton());
    buttons->addStretch(1);
    grid->addLayout(buttons, kButtonsGridRow, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void QRuleParamSet::showEvent(QShowEvent* event)
{
    updateValueRanges();
    refreshRuleParam();
    QWidget::showEvent(event);
}

void QRuleParamSet::setSelectedItem(quint32 id)
{
    setSelectedKey(id);
    refreshRuleParam();
}

void QRuleParamSet::setGlobalTemperParam(const USBSDK_GlobalTemperParam& param)
{
    ThermalImageData::getInstance().setDevGlobalRuleConfig(&param);
}

void QRuleParamSet::refreshRuleParam()
{
    refreshValues();
}

bool QRuleParamSet::readGlobalBlock(USBSDK_GlobalTemperParam* out) const
{
    const std::optional<USBSDK_GlobalTemperParam> global = ThermalImageData::getInstance().getDevGlobalRuleConfig();
    if (global) *out = *global;
    return global.has_value();
}

bool QRuleParamSet::readRule(quint32 key, PicRuleConfig* out) const
{
    const std::optional<PicRuleConfig> rule = ThermalImageData::getInstance().findDevRuleById(key);
    if (rule) *out = *rule;
    return rule.has_value();
}

void QRuleParamSet::storeValues()
{
    ThermalImageData& store = ThermalImageData::getInstance();
    const std::optional<USBSDK_GlobalTemperParam> global = store.getDevGlobalRuleConfig();
    if (!global) return;

    // Environment temperature and humidity are global in both modes; the
    // camera must get them whenever they change, even with a rule selected.
    USBSDK_GlobalTemperParam block = *global;
    const bool environmentChanged =
        block.ambientTemp != values().environmentTemper || block.humidity != values().humidity;
    writeEnvironment(&block);

    if (selectedItem() == 0) {
        writeTarget(&block, Alarm::Keep);
        store.setDevGlobalRuleConfig(&block);
        emit sendUpdateGlobalInfoSignales();
    } else {
        store.setDevGlobalRuleConfig(&block);
        std::optional<PicRuleConfig> rule = store.findDevRuleById(selectedItem());
        if (!rule) {
            if (environmentChanged) emit sendUpdateGlobalInfoSignales();
            return;
        }
        writeTarget(&*rule, Alarm::Keep);
        store.updateDevRule(selectedItem(), *rule);
        emit sendUpdateRuleInfoSignals();
        if (environmentChanged) emit sendUpdateGlobalInfoSignales();
    }
    UiPrompts::instance().toast(tr("Operate succeed"), 0, kToastMs);
}

void QRuleParamSet::setDefaultSlot()
{
    RuleParamPanel::setDefaultSlot();
    UiPrompts::instance().toast(tr("Operate succeed"), 0, kToastMs);
}
