// One measurement rule as the program keeps it (152 bytes): the id of the
// rule item drawn for it, then thermcore's 148-byte rule. The picture and the
// live rule sets hold these; the snapshot writer and the camera rule set are
// built from them byte for byte, so the layout is fixed.
#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

#include "thermcore.h"

struct PicRuleRecord {
    // Item kinds of the rule scenes.
    enum Kind { kNone = 0, kPoint = 1, kLine = 2, kRectangle = 3, kEllipse = 4, kCircle = 5, kPolygon = 6 };
    // Record types (rule.meterType) and area shapes (rule.param).
    enum Type { kTypePoint = 0, kTypeLine = 1, kTypeArea = 2 };
    enum Shape { kShapePolygon = 0, kShapeRectangle = 1, kShapeEllipse = 2, kShapeCircle = 3 };

    quint32 key;  // rule item id; 0 for rules read from a file
    PicRuleConfig rule;

    // Type and shape of an item kind (point and line have shape 0); false
    // and nothing written for a kind outside 1..6.
    static bool kindToType(int kind, int32_t* type, int32_t* shape);
    // Item kind of a type and shape; kNone when the pair names no kind.
    static int typeToKind(int32_t type, int32_t shape);
};

static_assert(sizeof(PicRuleRecord) == 152, "picture rule record size");
static_assert(alignof(PicRuleRecord) == 4, "picture rule record alignment");
static_assert(offsetof(PicRuleRecord, rule) == 4, "rule behind the key");
static_assert(offsetof(PicRuleRecord, rule.ruleId) == 4, "ruleId");
static_assert(offsetof(PicRuleRecord, rule.pointNum) == 8, "pointNum");
static_assert(offsetof(PicRuleRecord, rule.meterType) == 12, "meterType");
static_assert(offsetof(PicRuleRecord, rule.param) == 16, "shape");
static_assert(offsetof(PicRuleRecord, rule.bLocalEnable) == 20, "bLocalEnable");
static_assert(offsetof(PicRuleRecord, rule.points) == 24, "points");
static_assert(offsetof(PicRuleRecord, rule.name) == 88, "name");
static_assert(offsetof(PicRuleRecord, rule.emissivity) == 120, "emissivity");
static_assert(offsetof(PicRuleRecord, rule.distance) == 124, "distance");
static_assert(offsetof(PicRuleRecord, rule.reflectedTemp) == 128, "reflected temperature");
static_assert(offsetof(PicRuleRecord, rule.alarmMode) == 132, "alarm mode");
static_assert(offsetof(PicRuleRecord, rule.alarmThreshold) == 136, "alarm threshold");
