#include "QVideoTemperResult.h"

#include <QEvent>
#include <QVBoxLayout>

#include "AppHelpers.h"
#include "TemperValueText.h"

namespace {

// The three value columns with the record's value and show flag of each.
struct ValueColumn {
    RuleResultTable::Column column;
    float RuleTemperResult::*value;
    bool RuleTemperResult::*shown;
};

const ValueColumn kValueColumns[] = {
    {RuleResultTable::MaxColumn, &RuleTemperResult::max, &RuleTemperResult::showMax},
    {RuleResultTable::MinColumn, &RuleTemperResult::min, &RuleTemperResult::showMin},
    {RuleResultTable::AvgColumn, &RuleTemperResult::avg, &RuleTemperResult::showAvg},
};

}  // namespace

QVideoTemperResult::QVideoTemperResult(QWidget* parent) : RuleResultTable(parent)
{
    setObjectName(QStringLiteral("QVideoTemperResult"));
    resize(472, 328);
    // The side panel is narrow: the table takes its whole width.
    mainLayout()->setContentsMargins(0, 0, 0, 0);
    retranslate();
}

void QVideoTemperResult::showResult(const RuleTemperResult& result)
{
    const int unit = GetTemperUnit();
    const int row = findOrAppendRow(result.key, result.title);
    setRowTitle(row, result.title);
    for (const ValueColumn& c : kValueColumns) {
        const float celsius = result.*c.value;
        setValueCell(row, c.column, result.*c.shown ? TemperValueText(celsius, unit) : QString(), celsius);
    }
}

void QVideoTemperResult::showResultUnavailable(const RuleTemperResult& result)
{
    const int row = findOrAppendRow(result.key, result.title);
    setRowTitle(row, result.title);
    for (const ValueColumn& c : kValueColumns)
        setValueCell(row, c.column, result.*c.shown ? tr("N/A") : QString(), QVariant());
}

void QVideoTemperResult::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    RuleResultTable::changeEvent(event);
}

void QVideoTemperResult::retranslate()
{
    setWindowTitle(tr("QVideoTemperResult"));
    setHeaderTexts(tr("Name"), tr("Max"), tr("Min"), tr("Avg"));
}
