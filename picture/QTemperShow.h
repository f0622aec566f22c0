// The temperature overlay of the picture analysis window: the unit symbol
// of the analysis window on top, then the whole picture's block ("G", key 0)
// and one QTemperWidget block per rule, in the order the results came.
// Blocks are found by rule id. The overlay lies over the picture and hands
// the mouse and the context menu to the widget beneath it.
#pragma once

#include "RuleResultOverlay.h"
#include "RuleTemperResult.h"

class QTemperWidget;
class RuleLookup;

class QTemperShow : public RuleResultOverlay {
    Q_OBJECT
public:
    explicit QTemperShow(QWidget* parent = nullptr);

    // Given to every block, now and later.
    void setRuleLookup(const RuleLookup* lookup);

    // The rule's block (appended on first use) takes the title, the values
    // and the record's flags.
    void addResult(const RuleTemperResult& r);
    // Adds the whole picture's block; false (and no block) without a picture.
    bool addPictureResult(const RuleShowFlags& flags);
    // The block of r.key takes r's values and flags, its title stays; a key
    // without a block changes nothing.
    void changeResult(const RuleTemperResult& r);
    // Every block shows what the flags allow, in the current unit.
    void setShowFlags(const RuleShowFlags& flags);
    void clearResults();

    QTemperWidget* temperWidget(quint32 key) const;

protected:
    RuleResultBlock* createBlock(QWidget* parent) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void refreshUnitLabel();

    const RuleLookup* lookup_ = nullptr;  // not owned
};
