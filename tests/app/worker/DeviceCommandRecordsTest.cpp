// The records the worker builds for the camera, byte for byte at the
// camera layer's offsets.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "DeviceCommandRecords.h"

namespace {

using RulesBytes = std::array<uint8_t, sizeof(USBSDK_Rules)>;

void put32(uint8_t* at, int32_t v)
{
    for (int i = 0; i < 4; ++i) at[i] = uint8_t(uint32_t(v) >> (8 * i));
}

RulesBytes bytesOf(const USBSDK_Rules& rules)
{
    RulesBytes b;
    std::memcpy(b.data(), &rules, sizeof rules);
    return b;
}

// Expected records, written at the offsets of the 144-byte camera rule:
// 0 id, 8 type, 44 geometry, 116 name.
struct ExpectedRules {
    RulesBytes bytes{};
    explicit ExpectedRules(int count) { put32(&bytes[0], count); }
    uint8_t* rule(int i) { return &bytes[4 + 144 * i]; }
    void idAndType(int i, int id, int type)
    {
        put32(rule(i), id);
        put32(rule(i) + 8, type);
    }
    void geometry(int i, std::initializer_list<int32_t> words)
    {
        int offset = 44;
        for (const int32_t w : words) {
            put32(rule(i) + offset, w);
            offset += 4;
        }
    }
    void name(int i, const char* text) { std::memcpy(rule(i) + 116, text, std::strlen(text)); }
};

PicRuleConfig liveRule(int id, int type, std::initializer_list<ThermPoint> points, const char* name = "")
{
    PicRuleConfig r{};
    r.ruleId = id;
    r.meterType = type;
    r.pointNum = int32_t(points.size());
    int i = 0;
    for (const ThermPoint& p : points) r.points[i++] = p;
    std::snprintf(r.name, sizeof r.name, "%s", name);
    return r;
}

const std::initializer_list<ThermPoint> kLowBox{{1024, 3072}, {3072, 3072}, {1024, 5120}, {3072, 5120}};
const std::initializer_list<ThermPoint> kHighBox{{5120, 3072}, {7168, 3072}, {5120, 5120}, {7168, 5120}};

TEST(DeviceCommandRecordsTest, FullCalibrationRectanglesCarryIdTypeAndPoints)
{
    PicRuleConfig polygon = liveRule(2, 2, {{10, 20}, {30, 40}, {50, 60}}, "ignored");
    const QVector<PicRuleConfig> live{liveRule(1, 2, kLowBox, "40"), polygon};
    USBSDK_Rules rules;
    ASSERT_TRUE(DeviceCommandRecords::fullCalibrationRects(live, &rules));
    ExpectedRules expected(2);
    expected.idAndType(0, 1, 2);
    expected.geometry(0, {4, 1024, 3072, 3072, 3072, 1024, 5120, 3072, 5120});
    expected.idAndType(1, 2, 2);
    expected.geometry(1, {3, 10, 20, 30, 40, 50, 60});
    EXPECT_EQ(bytesOf(rules), expected.bytes);

    // A point count beyond the eight points a rule holds reads no further.
    polygon.pointNum = 12;
    ASSERT_TRUE(DeviceCommandRecords::fullCalibrationRects({polygon, polygon}, &rules));
    EXPECT_EQ(rules.rule[0].geom.area.pointCount, 8u);
}

TEST(DeviceCommandRecordsTest, FullCalibrationNeedsExactlyTwoRules)
{
    const PicRuleConfig box = liveRule(1, 2, kLowBox);
    for (const QVector<PicRuleConfig>& live :
         {QVector<PicRuleConfig>{}, QVector<PicRuleConfig>{box}, QVector<PicRuleConfig>{box, box, box}}) {
        USBSDK_Rules rules;
        std::memset(&rules, 0x5A, sizeof rules);
        const RulesBytes before = bytesOf(rules);
        EXPECT_FALSE(DeviceCommandRecords::fullCalibrationRects(live, &rules)) << live.size();
        EXPECT_EQ(bytesOf(rules), before);
    }
}

TEST(DeviceCommandRecordsTest, SecondCalibrationBoxesFollowTheRuleType)
{
    const QVector<PicRuleConfig> live{
        liveRule(1, 0, {{100, 200}}, "Spot"),
        liveRule(2, 1, {{1, 2}, {3, 4}}, "L1"),
        liveRule(3, 2, kHighBox, "ABCDEFGHIJKLMNOPQRS"),
        // 1 + 3 * 4 bytes fit; the fifth character would straddle the cut.
        liveRule(4, 2, {{7, 8}}, "A温度区域测量"),
    };
    USBSDK_Rules rules;
    ASSERT_TRUE(DeviceCommandRecords::secondCalibrationRects(live, &rules));
    ExpectedRules expected(4);
    expected.idAndType(0, 1, 0);
    expected.geometry(0, {100, 200});
    expected.name(0, "Spot");
    expected.idAndType(1, 2, 1);
    expected.geometry(1, {1, 2, 3, 4});
    expected.name(1, "L1");
    expected.idAndType(2, 3, 2);
    expected.geometry(2, {4, 5120, 3072, 7168, 3072, 5120, 5120, 7168, 5120});
    expected.name(2, "ABCDEFGHIJKLMNO");  // 15 bytes and the NUL
    expected.idAndType(3, 4, 2);
    expected.geometry(3, {1, 7, 8});
    expected.name(3, "A温度区域");
    EXPECT_EQ(bytesOf(rules), expected.bytes);
}

TEST(DeviceCommandRecordsTest, SecondCalibrationTakesUpToTwelveRules)
{
    QVector<PicRuleConfig> live;
    for (int id = 1; id <= 13; ++id) live << liveRule(id, 0, {{id, id}});
    USBSDK_Rules rules;
    ASSERT_TRUE(DeviceCommandRecords::secondCalibrationRects(live, &rules));
    EXPECT_EQ(rules.count, 12u);
    EXPECT_EQ(rules.rule[11].ruleId, 12u);

    std::memset(&rules, 0x5A, sizeof rules);
    const RulesBytes before = bytesOf(rules);
    EXPECT_FALSE(DeviceCommandRecords::secondCalibrationRects({}, &rules));
    EXPECT_EQ(bytesOf(rules), before);
}

template <typename T>
std::vector<uint8_t> bytesOfRecord(const T& record)
{
    std::vector<uint8_t> b(sizeof record);
    std::memcpy(b.data(), &record, sizeof record);
    return b;
}

std::vector<uint8_t> words(std::initializer_list<int32_t> values, size_t size)
{
    std::vector<uint8_t> b(size, 0);
    size_t at = 0;
    for (const int32_t v : values) {
        put32(&b[at], v);
        at += 4;
    }
    return b;
}

int32_t floatBits(float f)
{
    int32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

TEST(DeviceCommandRecordsTest, SmallRecordsKeepTheirFieldOrder)
{
    EXPECT_EQ(bytesOfRecord(DeviceCommandRecords::blackBodyTemp(40, 110)), words({40, 110}, 20));
    EXPECT_EQ(bytesOfRecord(DeviceCommandRecords::temperDriftRecord(7, 1700000123)), words({7, 1700000123}, 32));

    USBSDK_GlobalTemperParam global{};
    global.emissivity = 0.95f;
    global.distance = 3.5f;
    global.reflectedTemp = 22.0f;
    global.ambientTemp = 18.5f;
    global.tempUnit = 1;
    global.humidity = 60;
    global.alarmMode = 2;
    EXPECT_EQ(bytesOfRecord(DeviceCommandRecords::commonTemperParam(global)),
              words({60, floatBits(18.5f), floatBits(0.95f), floatBits(3.5f), floatBits(22.0f)}, 20));
}

}  // namespace
