#include "QTemperShow.h"

#include <QLabel>

#include "AppHelpers.h"
#include "QTemperResult.h"
#include "QTemperWidget.h"

QTemperShow::QTemperShow(QWidget* parent) : RuleResultOverlay(parent)
{
    setObjectName(QStringLiteral("TemperShow"));
}

void QTemperShow::setRuleLookup(const RuleLookup* lookup)
{
    lookup_ = lookup;
    for (RuleResultBlock* b : blocksInOrder()) static_cast<QTemperWidget*>(b)->setRuleLookup(lookup);
}

QTemperWidget* QTemperShow::temperWidget(quint32 key) const
{
    return static_cast<QTemperWidget*>(block(key));
}

void QTemperShow::addResult(const RuleTemperResult& r)
{
    refreshUnitLabel();
    auto* b = static_cast<QTemperWidget*>(findOrCreateBlock(r.key));
    b->setTitle(r.title);
    b->setResult(r);
}

bool QTemperShow::addPictureResult(const RuleShowFlags& flags)
{
    RuleTemperResult whole;
    if (!QTemperResult::pictureResult(flags, &whole)) return false;
    addResult(whole);
    return true;
}

void QTemperShow::changeResult(const RuleTemperResult& r)
{
    if (QTemperWidget* b = temperWidget(r.key)) b->setResult(r);
}

void QTemperShow::setShowFlags(const RuleShowFlags& flags)
{
    refreshUnitLabel();
    for (RuleResultBlock* b : blocksInOrder()) static_cast<QTemperWidget*>(b)->applyShowFlags(flags);
}

void QTemperShow::clearResults()
{
    clearBlocks();
}

RuleResultBlock* QTemperShow::createBlock(QWidget* parent)
{
    auto* b = new QTemperWidget(parent);
    b->setRuleLookup(lookup_);
    // Hidden until its result says what it shows.
    b->hide();
    return b;
}

void QTemperShow::mousePressEvent(QMouseEvent* event)
{
    passToWidgetBeneath(event);
}

void QTemperShow::mouseReleaseEvent(QMouseEvent* event)
{
    passToWidgetBeneath(event);
}

void QTemperShow::mouseMoveEvent(QMouseEvent* event)
{
    passToWidgetBeneath(event);
}

void QTemperShow::refreshUnitLabel()
{
    unitLabel()->setText(GetTemperUnitSymbol());
}
