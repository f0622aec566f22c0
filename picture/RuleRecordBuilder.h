// The stored record of a newly drawn rule (152 bytes, PicRuleRecord): what a
// rule scene control hands to the rule store when a rule is added.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

#include <optional>

#include "PicRuleRecord.h"
#include "camsdk.h"

class RuleRecordBuilder {
public:
    // Side of the rule space; stored points lie in 0..kRuleSpace - 1.
    static constexpr int kRuleSpace = USBSDK_RULE_SPACE;
    static constexpr int kMaxPoints = 8;

    // A zeroed record with: key; point count, type and shape by kind
    // (point 1/0/0, line 2/1/0, rectangle 4/2/1, ellipse 4/2/2, circle
    // 4/2/3, polygon n/2/0); the view points scaled to the rule space
    // (x * 8192 / width, y * 8192 / height, truncating) and kept inside it;
    // the title as UTF-8, cut on a character boundary, NUL-terminated; and
    // emissivity, distance, reflected temperature, alarm mode and alarm
    // threshold of the global block (its words 0, 1, 2, 6, 7). The rule id
    // stays 0 (the store numbers the rules).
    // Nothing for a kind outside 1..6, too few points for the kind (a
    // polygon needs 3 to 8) or a view size below 1 x 1.
    static std::optional<PicRuleRecord> build(quint32 key, int kind, const QVector<QPoint>& viewPoints,
                                              const QSize& viewSize, const QString& title,
                                              const USBSDK_GlobalTemperParam& global);

    // A view point in the rule space: x * 8192 / width, y * 8192 / height,
    // truncating, kept inside 0..8191 (a point on the far edge of the view
    // would land on 8192). The view size must be at least 1 x 1.
    static QPoint toRuleSpace(const QPoint& viewPoint, const QSize& viewSize);

    // Copies text as UTF-8 into a field of `capacity` bytes: cut on a
    // character boundary, NUL-terminated, the rest zeroed.
    static void copyUtf8(char* field, int capacity, const QString& text);
};
