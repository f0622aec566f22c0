// What the result views of the picture analysis need to know of a rule item
// they show by id: its kind (a point rule shows a single value) and the
// title its row reads. The picture scene view answers for its rule items.
#pragma once

#include <QString>
#include <QtGlobal>

class RuleLookup {
public:
    // Kind 1..6 of the rule item with this id; 0 for 0 or an id not known.
    virtual int ruleKind(quint32 id) const = 0;
    // The title a result row shows: "G" (the whole picture) for 0 or an id
    // not known.
    virtual QString ruleTitle(quint32 id) const = 0;

protected:
    ~RuleLookup() = default;
};
