// The rule temperature table of the live side panel: one row per rule and
// one for the whole picture ("G", key 0), filled on every refresh tick with
// the camera's reading of each rule. Values are shown in the unit of
// Config.ini ("TemperUnit") with one decimal and the unit's symbol; a rule
// whose reading failed shows "N/A". Rows are removed and selected by rule
// id (the scene view's deletions and selections, through the side panel);
// pressing a row names its rule through sendSelectedItemSignal.
#pragma once

#include "RuleResultTable.h"
#include "RuleTemperResult.h"

class QVideoTemperResult : public RuleResultTable {
    Q_OBJECT
public:
    explicit QVideoTemperResult(QWidget* parent = nullptr);

    // The rule's row (appended on its first result) takes its title and,
    // per value, the converted text when its show flag is set, else an
    // empty text; each value cell keeps the value in °C.
    void showResult(const RuleTemperResult& result);
    // The reading failed: "N/A" where the show flag is set, else empty; the
    // kept values are cleared.
    void showResultUnavailable(const RuleTemperResult& result);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};
