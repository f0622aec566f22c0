// The temperature overlay over the live video: the unit of Config.ini
// ("TemperUnit") on top, then one QVideoTemperWidget block per rule and one
// for the whole picture ("G", key 0), filled on every refresh tick. A block
// appears with its rule's first result and goes when the rule is deleted.
// The overlay gives the context menu to the rule overlay beneath it and
// lets the mouse through while the rule overlay asks for it.
#pragma once

#include "RuleResultOverlay.h"
#include "RuleTemperResult.h"

class QVideoTemperWidget;

class QVideoTemperShow : public RuleResultOverlay {
    Q_OBJECT
public:
    explicit QVideoTemperShow(QWidget* parent = nullptr);

    // The rule's block takes the result: each shown value with one decimal
    // in the configured unit, "-" for a value not shown. An overlay without
    // a parent ignores results.
    void showResult(const RuleTemperResult& result);
    // The reading failed: "N/A" for the shown values, "-" for the others.
    void showResultUnavailable(const RuleTemperResult& result);

    QVideoTemperWidget* temperWidget(quint32 key) const;

protected:
    RuleResultBlock* createBlock(QWidget* parent) override;
    void changeEvent(QEvent* event) override;

private:
    // The block of the result, with the title and the unit label brought up
    // to date; null without a parent.
    RuleResultBlock* prepareBlock(const RuleTemperResult& result);
    void retranslate();
};
