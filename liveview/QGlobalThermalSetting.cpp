#include "QGlobalThermalSetting.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <iterator>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "SwitchButton.h"

namespace {

using G = QGlobalThermalSetting;

// The label of each row, top to bottom.
struct RowInfo {
    const char* labelName;
    const char* labelText;  // translation source
};

const RowInfo kRows[] = {
    {"temperUnitLabel", QT_TRANSLATE_NOOP("QGlobalThermalSetting", "TemperUnit")},
    {"refreshTimeLabel", QT_TRANSLATE_NOOP("QGlobalThermalSetting", "RefreshTime")},
    {"fullScreenThermEnableLabel", QT_TRANSLATE_NOOP("QGlobalThermalSetting", "Full Screen Thermal Show")},
    {"SaveRulesLabel", QT_TRANSLATE_NOOP("QGlobalThermalSetting", "SaveHeatMapRules")},
};

// Unit items; the item data is the TemperUnit value the item stands for.
struct UnitItem {
    const char* text;  // translation source
    int unit;
};

const UnitItem kUnits[] = {
    {QT_TRANSLATE_NOOP("QGlobalThermalSetting", "Centigrade"), 0},
    {QT_TRANSLATE_NOOP("QGlobalThermalSetting", "Fahrenheit"), 1},
    {QT_TRANSLATE_NOOP("QGlobalThermalSetting", "Kelvin"), 2},
};

// Refresh items keep their literal texts in every language.
const char* const kRefreshTexts[] = {"1000ms", "500ms"};

const char* const kTemperUnitKey = "TemperUnit";
const char* const kSaveRulesKey = "SaveRules";

// Sizes. The column is 254 px wide: between the page margins a label of at
// least 100 px (110 when its text needs it), the spacing and the combo box.
constexpr int kLabelWidth = 100;
constexpr int kRowHeight = 32;
constexpr int kComboWidth = 118;
constexpr int kSwitchWidth = 48;
constexpr int kSwitchHeight = 24;
constexpr int kSideMargin = 10;
constexpr int kEdgeMargin = 8;
constexpr int kRowSpacing = 6;

ConfigManager& config()
{
    return ConfigManager::getInstance();
}

QComboBox* makeCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setFixedSize(kComboWidth, kRowHeight);
    combo->setView(new QListView(combo));
    return combo;
}

SwitchButton* makeSwitch(QWidget* parent)
{
    auto* button = new SwitchButton(parent);
    button->setFixedSize(kSwitchWidth, kSwitchHeight);
    return button;
}

}  // namespace

QGlobalThermalSetting::QGlobalThermalSetting(QWidget* parent) : QWidget(parent)
{
    buildForm();
    loadValues();
    // Connected last, so the initial values write nothing and send nothing.
    connectControls();
}

QGlobalThermalSetting::~QGlobalThermalSetting() = default;

void QGlobalThermalSetting::buildForm()
{
    setObjectName(QStringLiteral("QGlobalThermalSetting"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    unitCombo_ = makeCombo(this, "temperUnitComboBox");
    for (const UnitItem& item : kUnits) unitCombo_->addItem(tr(item.text), item.unit);
    refreshCombo_ = makeCombo(this, "refreshTimeComboBox");
    for (int i = 0; i < int(std::size(kRefreshTexts)); ++i) refreshCombo_->addItem(QLatin1String(kRefreshTexts[i]), i);
    fullScreenSwitch_ = makeSwitch(this);
    fullScreenSwitch_->setObjectName(QStringLiteral("fullScreenThermEnableSwitch"));
    saveRulesSwitch_ = makeSwitch(this);
    saveRulesSwitch_->setObjectName(QStringLiteral("SaveRulesSwitch"));
    const std::array<QWidget*, RowCount> controls = {unitCombo_, refreshCombo_, fullScreenSwitch_, saveRulesSwitch_};

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(kSideMargin, kEdgeMargin, kSideMargin, kEdgeMargin);
    rows->setSpacing(kRowSpacing);
    for (int r = 0; r < RowCount; ++r) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(kRows[r].labelName));
        // The switch rows lend their label the room the combo boxes take,
        // so the longer English captions are not cut.
        label->setMinimumWidth(kLabelWidth);
        label->setFixedHeight(kRowHeight);
        labels_[r] = label;

        auto* row = new QHBoxLayout;
        row->setSpacing(kRowSpacing);
        row->addWidget(label);
        row->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
        row->addWidget(controls[r], 0, Qt::AlignVCenter);
        rows->addLayout(row);
    }
    rows->addStretch(1);
    retranslate();
}

void QGlobalThermalSetting::loadValues()
{
    bool ok = false;
    const int unit = config().getValue(ConfigManager::kGroup, kTemperUnitKey).toInt(&ok);
    const int index = ok ? unitCombo_->findData(unit) : -1;
    unitCombo_->setCurrentIndex(index >= 0 ? index : 0);
    refreshCombo_->setCurrentIndex(Refresh1000Ms);
    fullScreenSwitch_->setChecked(false);
    saveRulesSwitch_->setChecked(config().getValue(ConfigManager::kGroup, kSaveRulesKey).toInt() != 0);
}

void QGlobalThermalSetting::connectControls()
{
    connect(unitCombo_, qOverload<int>(&QComboBox::currentIndexChanged), this, &G::onTemperUnitComboxSelectSlot);
    connect(refreshCombo_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &G::onTemperRefreshTimeComboxSelectSlot);
    connect(fullScreenSwitch_, &SwitchButton::checkedChanged, this, &G::onFullScreenThermEnableSwitchSlot);
    connect(saveRulesSwitch_, &SwitchButton::checkedChanged, this, &G::onSaveHeatMapRulesSwitchSlot);
}

void QGlobalThermalSetting::retranslate()
{
    setWindowTitle(tr("Form"));
    for (int r = 0; r < RowCount; ++r) labels_[r]->setText(tr(kRows[r].labelText));
    for (int i = 0; i < int(std::size(kUnits)); ++i) unitCombo_->setItemText(i, tr(kUnits[i].text));
}

void QGlobalThermalSetting::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void QGlobalThermalSetting::resetRefreshTime()
{
    refreshCombo_->setCurrentIndex(Refresh1000Ms);
}

void QGlobalThermalSetting::applyRefreshTime()
{
    emit sendSetThermRefreshTimeSignal(refreshCombo_->currentIndex());
}

void QGlobalThermalSetting::onTemperUnitComboxSelectSlot(int index)
{
    if (index < 0) return;
    config().setValue(ConfigManager::kGroup, kTemperUnitKey, unitCombo_->itemData(index).toInt());
}

void QGlobalThermalSetting::onTemperRefreshTimeComboxSelectSlot(int index)
{
    // Without a camera there is no refresh to change; applyRefreshTime
    // passes the choice on once there is.
    if (index < 0 || !DeviceSdkWrapper::getInstance().Connect()) return;
    emit sendSetThermRefreshTimeSignal(index);
}

void QGlobalThermalSetting::onFullScreenThermEnableSwitchSlot(bool bChecked)
{
    emit sendFullScreenThermEnableSwitchSignal(bChecked);
}

void QGlobalThermalSetting::onSaveHeatMapRulesSwitchSlot(bool bChecked)
{
    config().setValue(ConfigManager::kGroup, kSaveRulesKey, bChecked ? 1 : 0);
}
