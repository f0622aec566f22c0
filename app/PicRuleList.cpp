#include "PicRuleList.h"

#include <algorithm>
#include <cstring>

int PicRuleList::size() const
{
    return std::clamp<int>(count, 0, kCapacity);
}

void PicRuleList::clear()
{
    std::memset(this, 0, sizeof *this);
}

bool PicRuleList::append(PicRuleRecord* record)
{
    if (isFull()) return false;
    const int n = size();
    record->rule.ruleId = n + 1;
    records[n] = *record;
    count = n + 1;
    return true;
}

void PicRuleList::remove(quint32 key)
{
    int n = size();
    for (int i = 0; i < n; ++i) {
        if (records[i].key != key) continue;
        std::memmove(&records[i], &records[i + 1], size_t(n - i - 1) * sizeof(PicRuleRecord));
        --n;
        std::memset(&records[n], 0, sizeof(PicRuleRecord));
        break;
    }
    count = n;
    for (int i = 0; i < n; ++i) records[i].rule.ruleId = i + 1;
}

PicRuleRecord* PicRuleList::find(quint32 key)
{
    const int n = size();
    for (int i = 0; i < n; ++i)
        if (records[i].key == key) return &records[i];
    return nullptr;
}

const PicRuleRecord* PicRuleList::find(quint32 key) const
{
    return const_cast<PicRuleList*>(this)->find(key);
}
