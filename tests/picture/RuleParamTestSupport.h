// What the tests of the two rule parameter panels share: the units they
// switch between, a rule record, typing into a field, and where a row's
// value ends up.
#pragma once

#include <QString>
#include <QTest>

#include <cstring>
#include <ostream>
#include <vector>

#include "PicRuleRecord.h"
#include "QUnitLineEdit.h"
#include "RuleParamPanel.h"

// Readable failure messages for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ruleparamtest {

enum TemperUnit { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };
enum DistanceUnit { Metres = 0, Feet = 1 };

constexpr double kFeetPerMetre = 3.2808;

// A rectangle with its own parameters off: 2.0 m, 26.0 C reflected, alarm
// mode 3 at 60.5 C.
inline PicRuleRecord ruleRecord(quint32 key, const char* name, float emissivity = 0.93f)
{
    PicRuleRecord r;
    std::memset(&r, 0, sizeof r);
    r.key = key;
    r.rule.meterType = PicRuleRecord::kTypeArea;
    r.rule.param = PicRuleRecord::kShapeRectangle;
    r.rule.pointNum = 4;
    const int corners[4][2] = {{1000, 1000}, {3000, 1000}, {1000, 3000}, {3000, 3000}};
    for (int i = 0; i < 4; ++i) {
        r.rule.points[i].x = corners[i][0];
        r.rule.points[i].y = corners[i][1];
    }
    std::strncpy(r.rule.name, name, sizeof r.rule.name - 1);
    r.rule.emissivity = emissivity;
    r.rule.distance = 2.0f;
    r.rule.reflectedTemp = 26.0f;
    r.rule.alarmMode = 3;
    r.rule.alarmThreshold = 60.5f;
    return r;
}

inline void type(QUnitLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

// One input and what "Set" makes of it: the text left in the field and the
// value stored, degrees C and metres.
struct InputCase {
    RuleParamPanel::Row row;
    const char* typed;
    const char* textAfterSet;
    float stored;
};

// The cases both panels share, in degrees C; the distance limit is each
// panel's own.
inline std::vector<InputCase> sharedInputCases()
{
    using P = RuleParamPanel;
    return {
        {P::EmissivityRow, "0", "0.01", 0.01f},
        {P::EmissivityRow, "", "0.01", 0.01f},
        {P::EmissivityRow, "0.00", "0.01", 0.01f},
        {P::EmissivityRow, "-", "0.01", 0.01f},
        {P::EmissivityRow, "1.5", "1", 1.0f},
        {P::EmissivityRow, "0.456", "0.45", 0.45f},
        {P::EnvironmentTemperRow, "-25", "-20", -20.0f},
        {P::EnvironmentTemperRow, "60", "50", 50.0f},
        {P::EnvironmentTemperRow, "", "0", 0.0f},
        {P::HumidityRow, "55", "55", 55.0f},
        {P::HumidityRow, "5.5", "55", 55.0f},  // no decimal point
        {P::HumidityRow, "150", "100", 100.0f},
        {P::HumidityRow, "", "0", 0.0f},
        {P::DistanceRow, "", "0", 0.0f},
        {P::ReflexTemperRow, "-40", "-30", -30.0f},
        {P::ReflexTemperRow, "600", "550", 550.0f},
    };
}

// The stored value of a row: environment and humidity from the global
// block, the others from the rule or, when ruleTarget is false, the block.
inline float storedValue(RuleParamPanel::Row row, const USBSDK_GlobalTemperParam& block, const PicRuleConfig& rule,
                         bool ruleTarget)
{
    switch (row) {
        case RuleParamPanel::EnvironmentTemperRow:
            return block.ambientTemp;
        case RuleParamPanel::HumidityRow:
            return float(block.humidity);
        case RuleParamPanel::EmissivityRow:
            return ruleTarget ? rule.emissivity : block.emissivity;
        case RuleParamPanel::DistanceRow:
            return ruleTarget ? rule.distance : block.distance;
        case RuleParamPanel::ReflexTemperRow:
            return ruleTarget ? rule.reflectedTemp : block.reflectedTemp;
        default:
            ADD_FAILURE() << "no value for row " << int(row);
            return 0.0f;
    }
}

}  // namespace ruleparamtest
