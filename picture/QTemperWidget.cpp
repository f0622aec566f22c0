#include "QTemperWidget.h"

#include <QLabel>

#include "ConfigManager.h"
#include "QTemperResult.h"
#include "TemperValueText.h"

QTemperWidget::QTemperWidget(QWidget* parent) : RuleResultBlock(parent)
{
    setObjectName(QStringLiteral("QTemperWidget"));
    // The captions are short technical marks, the same in every language.
    setCaptions(QStringLiteral("Max"), QStringLiteral("Min"), QStringLiteral("Avg"));
}

void QTemperWidget::setRuleLookup(const RuleLookup* lookup)
{
    lookup_ = lookup;
}

void QTemperWidget::setResult(const RuleTemperResult& r)
{
    setKey(r.key);
    avg_ = r.avg;
    max_ = r.max;
    min_ = r.min;
    RuleShowFlags flags;
    for (const QTemperResult::ValueField& f : QTemperResult::valueFields()) flags.*f.flag = r.*f.shown;
    applyShowFlags(flags);
}

void QTemperWidget::applyShowFlags(const RuleShowFlags& flags)
{
    flags_ = flags;
    const RuleTemperResult kept = result();
    const int unit = ConfigManager::getInstance().getTemperUnitCache();
    const bool point = QTemperResult::isPointRule(lookup_, key(), title());
    bool any = false;
    for (const QTemperResult::ValueField& f : QTemperResult::valueFields()) {
        const bool shown = f.shownWith(flags, point);
        setValueText(f.blockValue, TemperValueNumber(kept.*f.celsius, unit));
        captionLabel(f.blockValue)->setVisible(shown);
        valueLabel(f.blockValue)->setVisible(shown);
        any = any || shown;
    }
    setVisible(any);
}

RuleTemperResult QTemperWidget::result() const
{
    RuleTemperResult r;
    r.title = title();
    r.key = key();
    r.avg = avg_;
    r.max = max_;
    r.min = min_;
    for (const QTemperResult::ValueField& f : QTemperResult::valueFields()) r.*f.shown = flags_.*f.flag;
    return r;
}
