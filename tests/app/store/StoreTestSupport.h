#pragma once
// Pictures and rule records for the store tests.
#include <QString>

#include <cstring>
#include <string>

#include "PicRuleRecord.h"
#include "RadioPictureWriter.h"
#include "ThermalImageData.h"

namespace storetest {

constexpr int kW = 32, kH = 24;

// Normalised coordinate that maps back onto pixel p of a side of n pixels.
inline int norm(int p, int n)
{
    return (p * 8192 + n - 1) / n;
}

// A 32 x 24 ramp from 0 C (top left) to 100 C (bottom right) in the given
// unit, with a point rule "P1" and a rectangle "R1" stored.
inline fixtures::RadioPictureWriter rampPicture(int32_t unit = 0)
{
    fixtures::RadioPictureWriter p(kW, kH);
    p.setTemperatures(fixtures::rampTemperatures(kW, kH, 0.0f, 100.0f));
    PicViewInfo& info = p.picViewInfo();
    info.tempUnit = unit;
    info.ruleCount = 2;
    info.rules[0].ruleId = 1;
    info.rules[0].meterType = 0;
    info.rules[0].pointNum = 1;
    info.rules[0].points[0] = {norm(8, kW), norm(6, kH)};
    std::strcpy(info.rules[0].name, "P1");
    info.rules[1].ruleId = 2;
    info.rules[1].meterType = 2;
    info.rules[1].param = 1;
    info.rules[1].pointNum = 4;
    info.rules[1].points[0] = {0, 0};
    info.rules[1].points[1] = {4096, 0};
    info.rules[1].points[2] = {4096, 4096};
    info.rules[1].points[3] = {0, 4096};
    std::strcpy(info.rules[1].name, "R1");
    info.colorType = 3;
    info.flipDirection = 2;
    return p;
}

// A zeroed record of an item kind with the given key, name and one point per
// corner the kind needs.
inline PicRuleRecord makeRecord(quint32 key, int kind, const char* name)
{
    PicRuleRecord r;
    std::memset(&r, 0, sizeof r);
    r.key = key;
    PicRuleRecord::kindToType(kind, &r.rule.meterType, &r.rule.param);
    r.rule.pointNum = kind == PicRuleRecord::kPoint ? 1 : kind == PicRuleRecord::kLine ? 2 : 4;
    for (int i = 0; i < r.rule.pointNum; ++i) r.rule.points[i] = {int32_t(key % 8192), 1000 * i};
    std::strncpy(r.rule.name, name, sizeof r.rule.name - 1);
    r.rule.emissivity = 0.97f;
    r.rule.distance = 1.0f;
    r.rule.reflectedTemp = 25.0f;
    return r;
}

inline QString qpath(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace storetest
