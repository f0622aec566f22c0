#include "QTemperResult.h"

#include <QEvent>
#include <QSpacerItem>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ConfigManager.h"
#include "RuleLookup.h"
#include "TemperValueText.h"
#include "ThermalImageData.h"

namespace {

const QString kNotShown = QStringLiteral("-");

// A point rule item's kind (item data key 1).
constexpr int kPointKind = 1;

int showUnit()
{
    return ConfigManager::getInstance().getTemperUnitCache();
}

}  // namespace

const std::array<QTemperResult::ValueField, 3>& QTemperResult::valueFields()
{
    static const std::array<ValueField, 3> fields = {{
        {MaxColumn, RuleResultBlock::MaxValue, &RuleTemperResult::max, &RuleTemperResult::showMax,
         &RuleShowFlags::showMax, false},
        {MinColumn, RuleResultBlock::MinValue, &RuleTemperResult::min, &RuleTemperResult::showMin,
         &RuleShowFlags::showMin, false},
        {AvgColumn, RuleResultBlock::AvgValue, &RuleTemperResult::avg, &RuleTemperResult::showAvg,
         &RuleShowFlags::showAvg, true},
    }};
    return fields;
}

bool QTemperResult::isPointRule(const RuleLookup* lookup, quint32 key, const QString& title)
{
    if (key == 0) return false;
    const int kind = lookup ? lookup->ruleKind(key) : 0;
    if (kind != 0) return kind == kPointKind;
    // No item to ask: the scene view names point rules "P<n>" and polygons "Po...".
    return title.startsWith(QLatin1Char('P')) && !title.startsWith(QLatin1String("Po"));
}

bool QTemperResult::pictureResult(const RuleShowFlags& flags, RuleTemperResult* out)
{
    HM_RuleTemper whole{};
    if (ThermalImageData::getInstance().getHotColdTemper(&whole) != 0) return false;
    out->title = QStringLiteral("G");
    out->avg = whole.average;
    out->max = whole.maximum;
    out->min = whole.minimum;
    out->key = 0;
    out->showMin = flags.showMin;
    out->showAvg = flags.showAvg;
    out->showMax = flags.showMax;
    return true;
}

QTemperResult::QTemperResult(QWidget* parent) : RuleResultTable(parent)
{
    setObjectName(QStringLiteral("QTemperResult"));
    resize(472, 328);
    mainLayout()->addItem(new QSpacerItem(20, 28, QSizePolicy::Minimum, QSizePolicy::Expanding));
    retranslate();
}

void QTemperResult::setRuleLookup(const RuleLookup* lookup)
{
    lookup_ = lookup;
}

void QTemperResult::addResult(const RuleTemperResult& r)
{
    setValues(appendRow(r.key, r.title), r);
}

bool QTemperResult::addPictureResult(const RuleShowFlags& flags)
{
    RuleTemperResult whole;
    if (!pictureResult(flags, &whole)) return false;
    addResult(whole);
    return true;
}

void QTemperResult::changeResult(const RuleTemperResult& r)
{
    const int row = findRow(r.key);
    if (row >= 0) setValues(row, r);
}

void QTemperResult::setShowFlags(const RuleShowFlags& flags)
{
    const int unit = showUnit();
    for (int row = 0; row < table()->rowCount(); ++row) {
        const bool point = isPointRule(lookup_, rowKey(row), rowTitle(row));
        for (const ValueField& f : valueFields())
            setValue(row, f.column, keptValue(row, f.column), f.shownWith(flags, point), unit);
    }
}

void QTemperResult::getResults(QVector<RuleTemperResult>& out) const
{
    for (int row = 0; row < table()->rowCount(); ++row) {
        RuleTemperResult r;
        r.title = rowTitle(row);
        for (const ValueField& f : valueFields()) {
            r.*f.celsius = keptValue(row, f.column);
            r.*f.shown = true;
        }
        out.append(r);
    }
}

void QTemperResult::clearResults()
{
    table()->setRowCount(0);
}

void QTemperResult::setValues(int row, const RuleTemperResult& r)
{
    const int unit = showUnit();
    for (const ValueField& f : valueFields()) setValue(row, f.column, r.*f.celsius, r.*f.shown, unit);
}

void QTemperResult::setValue(int row, Column column, float celsius, bool shown, int unit)
{
    setValueCell(row, column, shown ? TemperValueText(celsius, unit) : kNotShown, celsius);
}

float QTemperResult::keptValue(int row, Column column) const
{
    const QTableWidgetItem* item = table()->item(row, column);
    return item ? item->data(kDataRole).toFloat() : 0.0f;
}

void QTemperResult::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    RuleResultTable::changeEvent(event);
}

void QTemperResult::retranslate()
{
    setWindowTitle(tr("QTemperResult"));
    setHeaderTexts(tr("Name"), tr("Max"), tr("Min"), tr("Avg"));
}
