// One rule's block on the picture analysis overlay: its title, then the
// "Max", "Min" and "Avg" captions with their numbers in the analysis
// window's unit (no symbol: the overlay's unit label carries it). A value
// not shown hides its caption and number; a block with nothing to show
// hides itself. A point rule shows only its average, whatever the flags.
#pragma once

#include "RuleResultBlock.h"
#include "RuleTemperResult.h"

class RuleLookup;

class QTemperWidget : public RuleResultBlock {
    Q_OBJECT
public:
    explicit QTemperWidget(QWidget* parent = nullptr);

    // Tells point rules apart by their item's kind; null judges by title.
    void setRuleLookup(const RuleLookup* lookup);

    // Keeps the key and the three values (°C) and applies the record's
    // flags.
    void setResult(const RuleTemperResult& r);
    // Rewrites the numbers in the current unit and shows what the flags
    // and the rule's kind allow.
    void applyShowFlags(const RuleShowFlags& flags);

    // The kept values and flags, key included.
    RuleTemperResult result() const;

private:
    const RuleLookup* lookup_ = nullptr;  // not owned
    float avg_ = 0.0f;
    float max_ = 0.0f;
    float min_ = 0.0f;
    RuleShowFlags flags_;
};
