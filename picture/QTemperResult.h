// The rule temperature table of the picture analysis window: the whole
// picture ("G", key 0) and one row per rule, in the order the results came.
// Each value cell keeps its value in degrees Celsius and shows it in the
// analysis window's unit, or "-" while its value is not shown; the report
// takes every value back, hidden ones too.
//
// A point rule has a single value: the table hides its maximum and minimum.
// It knows a point rule by its rule item's kind, asked of the scene view;
// only a row whose item the scene view does not know is judged by its title
// ("P" then anything but "o"; "Po..." is a polygon). The whole picture is
// never a point rule.
#pragma once

#include <QVector>

#include <array>

#include "RuleResultBlock.h"
#include "RuleResultTable.h"
#include "RuleTemperResult.h"

class RuleLookup;

class QTemperResult : public RuleResultTable {
    Q_OBJECT
public:
    // One of the three values, as the table and the overlay blocks show it:
    // its column, its block row, where a record keeps it and which flags
    // show it.
    struct ValueField {
        Column column;
        RuleResultBlock::Value blockValue;
        float RuleTemperResult::*celsius;
        bool RuleTemperResult::*shown;  // the record's own flag
        bool RuleShowFlags::*flag;      // the window's check box
        bool pointShows;                // a point rule has this value

        // Shown under the window's flags for a rule that is or is not a point.
        bool shownWith(const RuleShowFlags& flags, bool point) const { return flags.*flag && (pointShows || !point); }
    };
    // Maximum, minimum, average.
    static const std::array<ValueField, 3>& valueFields();

    // Whether the rule of key (titled title) is a point rule: by the kind of
    // its item when lookup knows one, else by the title. Key 0 is not.
    static bool isPointRule(const RuleLookup* lookup, quint32 key, const QString& title);
    // The whole picture's record {"G", its average, maximum, minimum, key 0,
    // the flags}; false without a picture.
    static bool pictureResult(const RuleShowFlags& flags, RuleTemperResult* out);

    explicit QTemperResult(QWidget* parent = nullptr);

    void setRuleLookup(const RuleLookup* lookup);

    // Appends a row; each value shown or "-" by the record's own flag.
    void addResult(const RuleTemperResult& r);
    // Appends the whole picture's row; false (and no row) without a picture.
    bool addPictureResult(const RuleShowFlags& flags);
    // The row of r.key takes r's values, each shown or "-" by r's own flag;
    // its title stays. A key without a row changes nothing.
    void changeResult(const RuleTemperResult& r);
    // Rewrites every value cell from its kept value in the current unit.
    void setShowFlags(const RuleShowFlags& flags);
    // Appends every row from the top: title and the three values, key 0 and
    // all flags set.
    void getResults(QVector<RuleTemperResult>& out) const;
    void clearResults();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Writes the three values of r into row, each by r's own flag.
    void setValues(int row, const RuleTemperResult& r);
    // One value cell: its text in unit, or "-" when not shown; it keeps
    // celsius either way.
    void setValue(int row, Column column, float celsius, bool shown, int unit);
    // The value a cell keeps; 0 when it keeps none.
    float keptValue(int row, Column column) const;
    void retranslate();

    const RuleLookup* lookup_ = nullptr;  // not owned
};
