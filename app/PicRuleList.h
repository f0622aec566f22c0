// A rule set as the store hands it out: a count and up to 60 records,
// contiguous (9124 bytes). Its operations keep the ruleIds 1..count in
// record order; a count that a caller wrote out of range is read as clamped.
#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

#include "PicRuleRecord.h"

struct PicRuleList {
    static constexpr int kCapacity = THERMCORE_MAX_PIC_RULES;

    int32_t count;
    PicRuleRecord records[kCapacity];

    // The count limited to 0..kCapacity.
    int size() const;
    bool isFull() const { return size() >= kCapacity; }
    // Everything zero.
    void clear();
    // Writes ruleId = count + 1 into the caller's record and appends a copy;
    // false (nothing changed) when the set is full.
    bool append(PicRuleRecord* record);
    // Removes the first record with this key (none: nothing removed), then
    // renumbers the ruleIds 1..count.
    void remove(quint32 key);
    // The first record with this key, or null.
    PicRuleRecord* find(quint32 key);
    const PicRuleRecord* find(quint32 key) const;
};

static_assert(sizeof(PicRuleList) == 4 + 60 * 152, "rule list size");
static_assert(offsetof(PicRuleList, records) == 4, "records behind the count");
