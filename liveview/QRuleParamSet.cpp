#include "QRuleParamSet.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <cstring>
#include <optional>

#include "AppHelpers.h"
#include "QUnitLineEdit.h"
#include "SwitchButton.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"

namespace {

using P = QRuleParamSet;

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

// Grid rows of the page; the captioned rows follow the table below.
constexpr int kGroupGridRow = 0;
constexpr int kTitleGridRow = 3;
constexpr int kButtonsGridRow = 8;

struct RowInfo {
    const char* caption;  // translation source
    int gridRow;
    bool ruleOnly;  // shown for a selected rule only
};

const RowInfo kRows[P::RowCount] = {
    {QT_TRANSLATE_NOOP("QRuleParamSet", "EnvironmentTemper"), 1, false},
    {QT_TRANSLATE_NOOP("QRuleParamSet", "Humidity"), 2, false},
    {QT_TRANSLATE_NOOP("QRuleParamSet", "Enable"), 4, true},
    {QT_TRANSLATE_NOOP("QRuleParamSet", "Emissivity"), 5, false},
    {QT_TRANSLATE_NOOP("QRuleParamSet", "Distance"), 6, false},
    {QT_TRANSLATE_NOOP("QRuleParamSet", "ReflexTemper"), 7, true},
};

// The fields whose range follows the configured units.
struct RangeInfo {
    P::Row row;
    float min;  // degrees C or metres
    float max;
    float (*toShown)(float);
};

const RangeInfo kRanges[] = {
    {P::EnvironmentTemperRow, P::kEnvironmentTemperMin, P::kEnvironmentTemperMax, CelsiusToShowTemperEx},
    {P::ReflexTemperRow, P::kReflexTemperMin, P::kReflexTemperMax, CelsiusToShowTemperEx},
    {P::DistanceRow, P::kDistanceMin, P::kDistanceMax, MeterToShowDistance},
};

QString oneDecimal(float value)
{
    return QString::number(value, 'f', 1);
}

QLabel* captionLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label_FF_85_14"));
    label->setFixedSize(kLabelWidth, kRowHeight);
    return label;
}

QPushButton* pushButton(QWidget* parent, const char* objectName)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(kFieldWidth, kButtonHeight);
    return button;
}

}  // namespace

QRuleParamSet::QRuleParamSet(QWidget* parent) : QWidget(parent)
{
    zeroValues();
    buildForm();
    retranslate();
    updateValueRanges();
    setRuleRowsVisible(false);

    connect(m_enableSwitch, &SwitchButton::checkedChanged, this, &P::setRuleEnableSwitchSlots);
    connect(m_defaultBtn, &QPushButton::clicked, this, &P::setDefaultSlot);
    connect(m_setBtn, &QPushButton::clicked, this, &P::setApplyValueSlot);
}

QRuleParamSet::~QRuleParamSet() = default;

void QRuleParamSet::buildForm()
{
    setObjectName(QStringLiteral("QRuleParamSet"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kSideMargin, 8, kSideMargin, 12);
    grid->setHorizontalSpacing(kColumnSpacing);
    grid->setVerticalSpacing(8);

    m_groupLabel = captionLabel(this);
    m_groupLabel->setFixedWidth(kSpanWidth);
    m_groupLabel->setProperty("heading", true);
    grid->addWidget(m_groupLabel, kGroupGridRow, 0, 1, 2);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("ruleTitleLabel"));
    m_titleLabel->setFixedSize(kSpanWidth, kRowHeight);
    grid->addWidget(m_titleLabel, kTitleGridRow, 0, 1, 2);

    for (int r = 0; r < RowCount; ++r) {
        m_rowLabels[r] = captionLabel(this);
        grid->addWidget(m_rowLabels[r], kRows[r].gridRow, 0);
        if (r == EnableRow) {
            m_enableSwitch = new SwitchButton(this);
            m_enableSwitch->setFixedSize(48, 24);
            grid->addWidget(m_enableSwitch, kRows[r].gridRow, 1, Qt::AlignLeft | Qt::AlignVCenter);
            continue;
        }
        auto* field = new QUnitLineEdit(this);
        field->setFixedSize(kFieldWidth, kRowHeight);
        m_fields[r] = field;
        grid->addWidget(field, kRows[r].gridRow, 1, Qt::AlignLeft);
    }
    m_fields[HumidityRow]->setUnitText(QStringLiteral("%"));
    m_fields[HumidityRow]->setIntRange(kHumidityMax);
    m_fields[EmissivityRow]->setFloatRange(kEmissivityMin, kEmissivityMax, 2);
    m_fields[EmissivityRow]->setText(QStringLiteral("0.00"));
    m_fields[EmissivityRow]->setToolTip(QString::number(double(kEmissivityMin), 'f', 2) + QLatin1Char('-') +
                                        QString::number(double(kEmissivityMax), 'f', 2));

    m_defaultBtn = pushButton(this, "IconTextHBtn");
    m_setBtn = pushButton(this, "BtnStyle1");
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(m_defaultBtn);
    buttons->addWidget(m_setBtn);
    buttons->addStretch(1);
    grid->addLayout(buttons, kButtonsGridRow, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void QRuleParamSet::retranslate()
{
    m_titleText = tr("Rule Property");
    m_titleLabel->setText(m_titleText);
    m_groupLabel->setText(tr("BasicTemperParam"));
    for (int r = 0; r < RowCount; ++r) m_rowLabels[r]->setText(tr(kRows[r].caption));
    m_defaultBtn->setText(tr("RestoreDefault"));
    m_setBtn->setText(tr("Set"));
    // The distance unit is a translated word.
    m_fields[DistanceRow]->setUnitText(GetDistanceUnitText());
}

void QRuleParamSet::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void QRuleParamSet::showEvent(QShowEvent* event)
{
    updateValueRanges();
    refreshRuleParam();
    QWidget::showEvent(event);
}

void QRuleParamSet::updateValueRanges()
{
    for (const RangeInfo& range : kRanges) {
        const float low = range.toShown(range.min);
        const float high = range.toShown(range.max);
        QUnitLineEdit* field = m_fields[range.row];
        field->setFloatRange(low, high, 1);
        field->setToolTip(oneDecimal(low) + QLatin1Char('-') + oneDecimal(high));
    }
    // The units go with the ranges, so a unit changed while no camera is
    // connected is shown at once.
    const QString symbol = GetTemperUnitSymbolEx();
    m_fields[EnvironmentTemperRow]->setUnitText(symbol);
    m_fields[ReflexTemperRow]->setUnitText(symbol);
    m_fields[DistanceRow]->setUnitText(GetDistanceUnitText());
}

void QRuleParamSet::zeroValues()
{
    std::memset(&m_values, 0, sizeof m_values);
}

void QRuleParamSet::setSelectedItem(quint32 id)
{
    m_selectedKey = id;
    refreshRuleParam();
}

void QRuleParamSet::setGlobalTemperParam(const USBSDK_GlobalTemperParam& param)
{
    ThermalImageData::getInstance().setDevGlobalRuleConfig(&param);
}

void QRuleParamSet::refreshRuleParam()
{
    zeroValues();
    ThermalImageData& store = ThermalImageData::getInstance();
    const std::optional<USBSDK_GlobalTemperParam> global = store.getDevGlobalRuleConfig();
    if (!global) return;
    m_values.environmentTemper = global->ambientTemp;
    m_values.humidity = global->humidity;

    const bool ruleMode = m_selectedKey != 0;
    if (ruleMode) {
        const std::optional<PicRuleConfig> rule = store.findDevRuleById(m_selectedKey);
        if (!rule) return;
        static_assert(sizeof m_values.ruleName == sizeof rule->name, "rule name field");
        std::memcpy(m_values.ruleName, rule->name, sizeof m_values.ruleName);
        m_values.emissivity = rule->emissivity;
        m_values.distance = rule->distance;
        m_values.reflexTemper = rule->reflectedTemp;
        m_values.ruleEnable = rule->bLocalEnable;
    } else {
        m_values.emissivity = global->emissivity;
        m_values.distance = global->distance;
        m_values.reflexTemper = global->reflectedTemp;
    }
    showValues(ruleMode);
}

void QRuleParamSet::showValues(bool ruleMode)
{
    const QString name =
        QString::fromUtf8(m_values.ruleName, int(strnlen(m_values.ruleName, sizeof m_values.ruleName)));
    m_titleLabel->setText(m_titleText + QLatin1Char('-') + (ruleMode ? name : QStringLiteral("G")));

    const QString symbol = GetTemperUnitSymbolEx();
    m_fields[EnvironmentTemperRow]->setText(oneDecimal(CelsiusToShowTemperEx(m_values.environmentTemper)));
    m_fields[EnvironmentTemperRow]->setUnitText(symbol);
    m_fields[HumidityRow]->setText(QString::number(m_values.humidity));
    m_fields[EmissivityRow]->setText(QString::number(double(m_values.emissivity), 'f', 2));
    m_fields[DistanceRow]->setText(oneDecimal(MeterToShowDistance(m_values.distance)));
    m_fields[DistanceRow]->setUnitText(GetDistanceUnitText());
    m_fields[ReflexTemperRow]->setText(oneDecimal(CelsiusToShowTemperEx(m_values.reflexTemper)));
    m_fields[ReflexTemperRow]->setUnitText(symbol);

    setRuleRowsVisible(ruleMode);
    if (ruleMode) m_enableSwitch->setChecked(m_values.ruleEnable != 0);
}

void QRuleParamSet::setRuleRowsVisible(bool visible)
{
    for (int r = 0; r < RowCount; ++r) {
        if (!kRows[r].ruleOnly) continue;
        m_rowLabels[r]->setVisible(visible);
        if (m_fields[r]) m_fields[r]->setVisible(visible);
    }
    m_enableSwitch->setVisible(visible);
}

float QRuleParamSet::readField(Row row)
{
    QUnitLineEdit* field = m_fields[row];
    bool ok = false;
    field->text().toFloat(&ok);
    // Partial input such as "-" reads as 0 too, so it is shown as such.
    if (!ok) field->setText(QStringLiteral("0"));
    // A float field's minimum otherwise applies only when its edit is
    // committed; "Set" may come before that.
    field->checkFloatMinimum();
    return field->text().toFloat();
}

void QRuleParamSet::setEnvironmentTemperChangeSlots()
{
    m_values.environmentTemper = ShowTemperToCelsiusEx(readField(EnvironmentTemperRow));
}

void QRuleParamSet::setHumidityChangeSlots()
{
    readField(HumidityRow);
    m_values.humidity = m_fields[HumidityRow]->text().toInt();
}

void QRuleParamSet::setDistanceChangeSlots()
{
    m_values.distance = ShowDistanceToMeter(readField(DistanceRow));
}

void QRuleParamSet::setEmissivityChangedSlots()
{
    m_values.emissivity = readField(EmissivityRow);
}

void QRuleParamSet::setReflexTemperChangeSlots()
{
    m_values.reflexTemper = ShowTemperToCelsiusEx(readField(ReflexTemperRow));
}

void QRuleParamSet::setRuleEnableSwitchSlots(bool bFlags)
{
    m_values.ruleEnable = bFlags ? 1 : 0;
}

void QRuleParamSet::setApplyValueSlot()
{
    setEnvironmentTemperChangeSlots();
    setHumidityChangeSlots();
    setDistanceChangeSlots();
    setEmissivityChangedSlots();
    setReflexTemperChangeSlots();

    ThermalImageData& store = ThermalImageData::getInstance();
    const std::optional<USBSDK_GlobalTemperParam> global = store.getDevGlobalRuleConfig();
    if (!global) return;

    // Environment temperature and humidity are global in both modes; the
    // camera must get them whenever they change, even with a rule selected.
    USBSDK_GlobalTemperParam block = *global;
    const bool environmentChanged =
        block.ambientTemp != m_values.environmentTemper || block.humidity != m_values.humidity;
    block.ambientTemp = m_values.environmentTemper;
    block.humidity = m_values.humidity;

    if (m_selectedKey == 0) {
        block.emissivity = m_values.emissivity;
        block.distance = m_values.distance;
        block.reflectedTemp = m_values.reflexTemper;
        store.setDevGlobalRuleConfig(&block);
        emit sendUpdateGlobalInfoSignales();
    } else {
        store.setDevGlobalRuleConfig(&block);
        std::optional<PicRuleConfig> rule = store.findDevRuleById(m_selectedKey);
        if (!rule) {
            if (environmentChanged) emit sendUpdateGlobalInfoSignales();
            return;
        }
        // The record keeps its own alarm mode and threshold.
        rule->emissivity = m_values.emissivity;
        rule->distance = m_values.distance;
        rule->reflectedTemp = m_values.reflexTemper;
        rule->bLocalEnable = m_values.ruleEnable ? 1 : 0;
        store.updateDevRule(m_selectedKey, *rule);
        emit sendUpdateRuleInfoSignals();
        if (environmentChanged) emit sendUpdateGlobalInfoSignales();
    }
    UiPrompts::instance().toast(tr("Operate succeed"), 0, kToastMs);
}

void QRuleParamSet::setDefaultSlot()
{
    const QString temper = QString::number(double(CelsiusToShowTemperEx(kDefaultTemper)), 'g', 6);
    m_fields[EnvironmentTemperRow]->setText(temper);
    m_fields[HumidityRow]->setText(QStringLiteral("0"));
    m_fields[DistanceRow]->setText(QStringLiteral("1"));
    m_fields[EmissivityRow]->setText(QStringLiteral("0.97"));
    m_fields[ReflexTemperRow]->setText(temper);
    UiPrompts::instance().toast(tr("Operate succeed"), 0, kToastMs);
}
