#include "DeviceCommandRecords.h"

#include <QtGlobal>

#include <cstring>

namespace {

constexpr int kFullCalibrationRects = 2;
constexpr int kMaxRulePoints = 8;

// Rule types of the camera record.
constexpr int32_t kPointRule = 0;
constexpr int32_t kLineRule = 1;

void copyPointList(const PicRuleConfig& rule, USBSDK_Rule* out)
{
    // A rule never has more than 8 points; a larger count would read past them.
    const int n = qBound(0, int(rule.pointNum), kMaxRulePoints);
    out->geom.area.pointCount = uint32_t(n);
    for (int i = 0; i < n; ++i) {
        out->geom.area.xy[i][0] = rule.points[i].x;
        out->geom.area.xy[i][1] = rule.points[i].y;
    }
}

// Copies at most size - 1 bytes of the name, cut where a UTF-8 character
// starts, so the field always ends in a NUL and never in half a character.
void copyName(const char* name, size_t nameSize, char* out, size_t size)
{
    const size_t length = strnlen(name, nameSize);
    size_t n = qMin(length, size - 1);
    if (n < length) {
        while (n > 0 && (uint8_t(name[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(out, name, n);
    std::memset(out + n, 0, size - n);
}

}  // namespace

USBSDK_BlackBodyTemp DeviceCommandRecords::blackBodyTemp(int lowTemp, int highTemp)
{
    USBSDK_BlackBodyTemp record{};
    record.lowTemp = lowTemp;
    record.highTemp = highTemp;
    return record;
}

USBSDK_TemperDriftRecord DeviceCommandRecords::temperDriftRecord(uint count, uint time)
{
    USBSDK_TemperDriftRecord record{};
    record.count = count;
    record.time = time;
    return record;
}

USBSDK_CommonTemperParam DeviceCommandRecords::commonTemperParam(const USBSDK_GlobalTemperParam& global)
{
    USBSDK_CommonTemperParam record{};
    record.humidity = global.humidity;
    record.ambientTemp = global.ambientTemp;
    record.emissivity = global.emissivity;
    record.distance = global.distance;
    record.reflectedTemp = global.reflectedTemp;
    return record;
}

bool DeviceCommandRecords::fullCalibrationRects(const QVector<PicRuleConfig>& liveRules, USBSDK_Rules* out)
{
    if (liveRules.size() != kFullCalibrationRects) return false;
    USBSDK_Rules rules{};
    rules.count = kFullCalibrationRects;
    for (int i = 0; i < kFullCalibrationRects; ++i) {
        rules.rule[i].ruleId = uint32_t(liveRules[i].ruleId);
        rules.rule[i].type = uint32_t(liveRules[i].meterType);
        copyPointList(liveRules[i], &rules.rule[i]);
    }
    *out = rules;
    return true;
}

bool DeviceCommandRecords::secondCalibrationRects(const QVector<PicRuleConfig>& liveRules, USBSDK_Rules* out)
{
    if (liveRules.isEmpty()) return false;
    USBSDK_Rules rules{};
    rules.count = uint32_t(qMin(liveRules.size(), USBSDK_MAX_RULES));
    for (uint32_t i = 0; i < rules.count; ++i) {
        const PicRuleConfig& live = liveRules[int(i)];
        USBSDK_Rule& rule = rules.rule[i];
        rule.ruleId = uint32_t(live.ruleId);
        rule.type = uint32_t(live.meterType);
        if (live.meterType == kPointRule) {
            rule.geom.point.x = live.points[0].x;
            rule.geom.point.y = live.points[0].y;
        } else if (live.meterType == kLineRule) {
            rule.geom.line.x1 = live.points[0].x;
            rule.geom.line.y1 = live.points[0].y;
            rule.geom.line.x2 = live.points[1].x;
            rule.geom.line.y2 = live.points[1].y;
        } else {
            copyPointList(live, &rule);
        }
        copyName(live.name, sizeof live.name, rule.name, kBoxNameSize);
    }
    *out = rules;
    return true;
}
