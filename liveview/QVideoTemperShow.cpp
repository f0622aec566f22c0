#include "QVideoTemperShow.h"

#include <QEvent>
#include <QLabel>

#include "AppHelpers.h"
#include "QVideoTemperWidget.h"
#include "TemperValueText.h"

namespace {

// The block's three values with the record's value and show flag of each.
struct BlockValue {
    RuleResultBlock::Value value;
    float RuleTemperResult::*celsius;
    bool RuleTemperResult::*shown;
};

const BlockValue kBlockValues[] = {
    {RuleResultBlock::MaxValue, &RuleTemperResult::max, &RuleTemperResult::showMax},
    {RuleResultBlock::MinValue, &RuleTemperResult::min, &RuleTemperResult::showMin},
    {RuleResultBlock::AvgValue, &RuleTemperResult::avg, &RuleTemperResult::showAvg},
};

const QString kNotShown = QStringLiteral("-");

}  // namespace

QVideoTemperShow::QVideoTemperShow(QWidget* parent) : RuleResultOverlay(parent)
{
    setObjectName(QStringLiteral("QVideoTemperShow"));
    retranslate();
}

QVideoTemperWidget* QVideoTemperShow::temperWidget(quint32 key) const
{
    return static_cast<QVideoTemperWidget*>(block(key));
}

void QVideoTemperShow::showResult(const RuleTemperResult& result)
{
    RuleResultBlock* b = prepareBlock(result);
    if (!b) return;
    const int unit = GetTemperUnit();
    for (const BlockValue& v : kBlockValues)
        b->setValueText(v.value, result.*v.shown ? TemperValueNumber(result.*v.celsius, unit) : kNotShown);
}

void QVideoTemperShow::showResultUnavailable(const RuleTemperResult& result)
{
    RuleResultBlock* b = prepareBlock(result);
    if (!b) return;
    for (const BlockValue& v : kBlockValues) b->setValueText(v.value, result.*v.shown ? tr("N/A") : kNotShown);
}

RuleResultBlock* QVideoTemperShow::prepareBlock(const RuleTemperResult& result)
{
    if (!parentWidget()) return nullptr;
    unitLabel()->setText(GetTemperUnitSymbolEx());
    RuleResultBlock* b = findOrCreateBlock(result.key);
    b->setTitle(result.title);
    return b;
}

RuleResultBlock* QVideoTemperShow::createBlock(QWidget* parent)
{
    return new QVideoTemperWidget(parent);
}

void QVideoTemperShow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    RuleResultOverlay::changeEvent(event);
}

void QVideoTemperShow::retranslate()
{
    setWindowTitle(tr("QVideoTemperShow"));
}
