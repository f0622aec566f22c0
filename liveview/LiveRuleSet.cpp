#include "LiveRuleSet.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {

void fillEntry(USBSDK_Rule& entry, const PicRuleConfig& rule)
{
    entry.ruleId = uint32_t(rule.ruleId);
    entry.flag = 1;
    entry.type = uint32_t(rule.meterType);
    if (rule.bLocalEnable) {
        entry.localParamFlag = 1;
        entry.localDistance = rule.distance;
        entry.localReflected = rule.reflectedTemp;
        entry.localEmissivity = rule.emissivity;
    }
    switch (rule.meterType) {
        case PicRuleRecord::kTypePoint:
            entry.geom.point.x = rule.points[0].x;
            entry.geom.point.y = rule.points[0].y;
            break;
        case PicRuleRecord::kTypeLine:
            entry.geom.line.x1 = rule.points[0].x;
            entry.geom.line.y1 = rule.points[0].y;
            entry.geom.line.x2 = rule.points[1].x;
            entry.geom.line.y2 = rule.points[1].y;
            break;
        case PicRuleRecord::kTypeArea: {
            entry.areaShape = rule.param == PicRuleRecord::kShapeCircle ? uint32_t(PicRuleRecord::kShapeEllipse)
                                                                        : uint32_t(rule.param);
            const int n = std::clamp(int(rule.pointNum), 0, 8);
            entry.geom.area.pointCount = uint32_t(n);
            for (int i = 0; i < n; ++i) {
                entry.geom.area.xy[i][0] = rule.points[i].x;
                entry.geom.area.xy[i][1] = rule.points[i].y;
            }
            break;
        }
        default:
            break;
    }
}

void fillBox(USBSDK_Rule& entry, uint32_t id, int left, int temp)
{
    entry.ruleId = id;
    entry.type = PicRuleRecord::kTypeArea;
    entry.areaShape = PicRuleRecord::kShapeRectangle;
    entry.geom.area.pointCount = 4;
    const int right = left + LiveRuleSet::kBoxSide;
    const int corners[4][2] = {{left, LiveRuleSet::kBoxTop},
                               {right, LiveRuleSet::kBoxTop},
                               {left, LiveRuleSet::kBoxBottom},
                               {right, LiveRuleSet::kBoxBottom}};
    std::memcpy(entry.geom.area.xy, corners, sizeof corners);
    const QByteArray name = QByteArray::number(temp).left(LiveRuleSet::kBoxNameMax);
    std::memcpy(entry.name, name.constData(), size_t(name.size()));
}

}  // namespace

USBSDK_Rules LiveRuleSet::fromLiveSet(const PicRuleList& list)
{
    USBSDK_Rules rules;
    std::memset(&rules, 0, sizeof rules);
    const int count = std::min(list.size(), int(USBSDK_MAX_RULES));
    for (int i = 0; i < count; ++i) fillEntry(rules.rule[i], list.records[i].rule);
    rules.count = uint32_t(count);
    return rules;
}

USBSDK_Rules LiveRuleSet::calibrationBoxes(int lowTemp, int highTemp)
{
    USBSDK_Rules rules;
    std::memset(&rules, 0, sizeof rules);
    rules.count = 2;
    fillBox(rules.rule[0], 1, kLowBoxLeft, lowTemp);
    fillBox(rules.rule[1], 2, kHighBoxLeft, highTemp);
    return rules;
}
