#include "RuleParamPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <cstring>

#include "AppHelpers.h"
#include "QUnitLineEdit.h"
#include "SwitchButton.h"

namespace {

using P = RuleParamPanel;

// Shown for a selected rule only.
constexpr bool kRuleOnly[P::RowCount] = {false, false, true, false, false, true};

// The global block and a rule name these fields alike.
template <class Values, class Record>
void writeTargetFields(const Values& values, Record* record, bool withAlarm)
{
    record->emissivity = values.emissivity;
    record->distance = values.distance;
    record->reflectedTemp = values.reflexTemper;
    if (!withAlarm) return;
    record->alarmMode = values.alarmMode;
    record->alarmThreshold = values.alarmThreshold;
}

QString oneDecimal(float value)
{
    return QString::number(double(value), 'f', 1);
}

}  // namespace

const RuleParamPanel::TemperUnits RuleParamPanel::kPictureUnits = {CelsiusToShowTemper, ShowTemperToCelsius,
                                                                   GetTemperUnitSymbol};
const RuleParamPanel::TemperUnits RuleParamPanel::kConfigUnits = {CelsiusToShowTemperEx, ShowTemperToCelsiusEx,
                                                                  GetTemperUnitSymbolEx};

RuleParamPanel::RuleParamPanel(const Texts& texts, const TemperUnits& units, float distanceMax, QWidget* parent)
    : QWidget(parent), m_texts(texts), m_units(units), m_distanceMax(distanceMax)
{
    zeroValues();
    createControls();
    retranslate();
    updateValueRanges();
    setRuleRowsVisible(false);

    connect(m_enableSwitch, &SwitchButton::checkedChanged, this, &P::setRuleEnableSwitchSlots);
    connect(m_defaultBtn, &QPushButton::clicked, this, &P::setDefaultSlot);
    connect(m_setBtn, &QPushButton::clicked, this, &P::setApplyValueSlot);
}

RuleParamPanel::~RuleParamPanel() = default;

void RuleParamPanel::createControls()
{
    m_groupLabel = new QLabel(this);
    m_titleLabel = new QLabel(this);
    for (int r = 0; r < RowCount; ++r) {
        m_rowLabels[r] = new QLabel(this);
        if (r != EnableRow) m_fields[r] = new QUnitLineEdit(this);
    }
    m_enableSwitch = new SwitchButton(this);
    m_enableSwitch->setFixedSize(48, 24);
    m_defaultBtn = new QPushButton(this);
    m_setBtn = new QPushButton(this);

    m_fields[HumidityRow]->setUnitText(QStringLiteral("%"));
    m_fields[HumidityRow]->setIntRange(kHumidityMax);
    m_fields[EmissivityRow]->setFloatRange(kEmissivityMin, kEmissivityMax, 2);
    m_fields[EmissivityRow]->setToolTip(QString::number(double(kEmissivityMin), 'f', 2) + QLatin1Char('-') +
                                        QString::number(double(kEmissivityMax), 'f', 2));
}

QString RuleParamPanel::translate(const char* source) const
{
    return QCoreApplication::translate(m_texts.context, source);
}

void RuleParamPanel::retranslate()
{
    m_titleText = translate(m_texts.ruleTitle);
    m_titleLabel->setText(m_titleText);
    m_groupLabel->setText(translate(m_texts.group));
    for (int r = 0; r < RowCount; ++r) m_rowLabels[r]->setText(translate(m_texts.captions[r]));
    m_defaultBtn->setText(translate(m_texts.restoreDefault));
    m_setBtn->setText(translate(m_texts.set));
    // The distance unit is a translated word.
    m_fields[DistanceRow]->setUnitText(GetDistanceUnitText());
}

void RuleParamPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void RuleParamPanel::updateValueRanges()
{
    struct Range {
        Row row;
        float min;  // degrees C or metres
        float max;
        float (*toShown)(float);
    };
    const Range ranges[] = {
        {EnvironmentTemperRow, kEnvironmentTemperMin, kEnvironmentTemperMax, m_units.toShown},
        {ReflexTemperRow, kReflexTemperMin, kReflexTemperMax, m_units.toShown},
        {DistanceRow, kDistanceMin, m_distanceMax, MeterToShowDistance},
    };
    for (const Range& range : ranges) {
        const float low = range.toShown(range.min);
        const float high = range.toShown(range.max);
        QUnitLineEdit* field = m_fields[range.row];
        field->setFloatRange(low, high, 1);
        field->setToolTip(oneDecimal(low) + QLatin1Char('-') + oneDecimal(high));
    }
    // The units go with the ranges, so a changed unit is shown at once, even
    // when there is nothing to refresh from.
    const QString symbol = m_units.symbol();
    m_fields[EnvironmentTemperRow]->setUnitText(symbol);
    m_fields[ReflexTemperRow]->setUnitText(symbol);
    m_fields[DistanceRow]->setUnitText(GetDistanceUnitText());
}

void RuleParamPanel::zeroValues()
{
    std::memset(&m_values, 0, sizeof m_values);
}

void RuleParamPanel::refreshValues()
{
    zeroValues();
    USBSDK_GlobalTemperParam global;
    if (!readGlobalBlock(&global)) return;
    m_values.environmentTemper = global.ambientTemp;
    m_values.humidity = global.humidity;

    const bool ruleMode = m_selectedKey != 0;
    if (ruleMode) {
        PicRuleConfig rule;
        if (!readRule(m_selectedKey, &rule)) return;
        static_assert(sizeof m_values.ruleName == sizeof rule.name, "rule name field");
        std::memcpy(m_values.ruleName, rule.name, sizeof m_values.ruleName);
        m_values.emissivity = rule.emissivity;
        m_values.distance = rule.distance;
        m_values.reflexTemper = rule.reflectedTemp;
        m_values.alarmMode = rule.alarmMode;
        m_values.alarmThreshold = rule.alarmThreshold;
        m_values.ruleEnable = int8_t(rule.bLocalEnable);
    } else {
        m_values.emissivity = global.emissivity;
        m_values.distance = global.distance;
        m_values.reflexTemper = global.reflectedTemp;
        m_values.alarmMode = global.alarmMode;
        m_values.alarmThreshold = global.alarmThreshold;
    }
    showValues(ruleMode);
}

void RuleParamPanel::showValues(bool ruleMode)
{
    const QString name =
        QString::fromUtf8(m_values.ruleName, int(strnlen(m_values.ruleName, sizeof m_values.ruleName)));
    m_titleLabel->setText(m_titleText + QLatin1Char('-') + (ruleMode ? name : QStringLiteral("G")));

    const QString symbol = m_units.symbol();
    m_fields[EnvironmentTemperRow]->setText(oneDecimal(m_units.toShown(m_values.environmentTemper)));
    m_fields[EnvironmentTemperRow]->setUnitText(symbol);
    m_fields[HumidityRow]->setText(QString::number(m_values.humidity));
    m_fields[EmissivityRow]->setText(QString::number(double(m_values.emissivity), 'f', 2));
    m_fields[DistanceRow]->setText(oneDecimal(MeterToShowDistance(m_values.distance)));
    m_fields[DistanceRow]->setUnitText(GetDistanceUnitText());
    m_fields[ReflexTemperRow]->setText(oneDecimal(m_units.toShown(m_values.reflexTemper)));
    m_fields[ReflexTemperRow]->setUnitText(symbol);

    setRuleRowsVisible(ruleMode);
    if (ruleMode) m_enableSwitch->setChecked(m_values.ruleEnable != 0);
}

void RuleParamPanel::setRuleRowsVisible(bool visible)
{
    for (int r = 0; r < RowCount; ++r) {
        if (!kRuleOnly[r]) continue;
        m_rowLabels[r]->setVisible(visible);
        if (m_fields[r]) m_fields[r]->setVisible(visible);
    }
    m_enableSwitch->setVisible(visible);
}

float RuleParamPanel::readField(Row row)
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

void RuleParamPanel::setEnvironmentTemperChangeSlots()
{
    m_values.environmentTemper = m_units.toCelsius(readField(EnvironmentTemperRow));
}

void RuleParamPanel::setHumidityChangeSlots()
{
    readField(HumidityRow);
    m_values.humidity = m_fields[HumidityRow]->text().toInt();
}

void RuleParamPanel::setDistanceChangeSlots()
{
    m_values.distance = ShowDistanceToMeter(readField(DistanceRow));
}

void RuleParamPanel::setEmissivityChangedSlots()
{
    m_values.emissivity = readField(EmissivityRow);
}

void RuleParamPanel::setReflexTemperChangeSlots()
{
    m_values.reflexTemper = m_units.toCelsius(readField(ReflexTemperRow));
}

void RuleParamPanel::setRuleEnableSwitchSlots(bool bFlags)
{
    m_values.ruleEnable = bFlags ? 1 : 0;
}

void RuleParamPanel::setApplyValueSlot()
{
    // Hidden fields are read too: their values were loaded with the others.
    setEnvironmentTemperChangeSlots();
    setHumidityChangeSlots();
    setDistanceChangeSlots();
    setEmissivityChangedSlots();
    setReflexTemperChangeSlots();
    storeValues();
}

void RuleParamPanel::setDefaultSlot()
{
    const QString temper = QString::number(double(m_units.toShown(kDefaultTemper)), 'g', 6);
    m_fields[EnvironmentTemperRow]->setText(temper);
    m_fields[HumidityRow]->setText(QStringLiteral("0"));
    // One of whatever distance unit is shown.
    m_fields[DistanceRow]->setText(QStringLiteral("1"));
    m_fields[EmissivityRow]->setText(QStringLiteral("0.97"));
    m_fields[ReflexTemperRow]->setText(temper);
}

void RuleParamPanel::writeEnvironment(USBSDK_GlobalTemperParam* block) const
{
    block->ambientTemp = m_values.environmentTemper;
    block->humidity = m_values.humidity;
}

void RuleParamPanel::writeTarget(USBSDK_GlobalTemperParam* block, Alarm alarm) const
{
    writeTargetFields(m_values, block, alarm == Alarm::Carry);
}

void RuleParamPanel::writeTarget(PicRuleConfig* rule, Alarm alarm) const
{
    writeTargetFields(m_values, rule, alarm == Alarm::Carry);
    rule->bLocalEnable = m_values.ruleEnable ? 1 : 0;
}
