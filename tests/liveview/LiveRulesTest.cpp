// The live rule set as the camera receives it, and the rule temperature
// worker: its refresh timer, the rule upload and the opening of the thermal
// function against the simulated camera.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <cstring>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "FireTimer.h"
#include "LiveRuleSet.h"
#include "QTempRule.h"
#include "SimCamera.h"
#include "simcam.h"

namespace {

// Little-endian words of a record, for byte comparisons.
void putWord(std::vector<uint8_t>& bytes, size_t offset, uint32_t v)
{
    for (int i = 0; i < 4; ++i) bytes[offset + size_t(i)] = uint8_t(v >> (8 * i));
}
void putFloat(std::vector<uint8_t>& bytes, size_t offset, float f)
{
    uint32_t v;
    std::memcpy(&v, &f, 4);
    putWord(bytes, offset, v);
}
std::vector<uint8_t> bytesOf(const USBSDK_Rules& rules)
{
    std::vector<uint8_t> b(sizeof rules);
    std::memcpy(b.data(), &rules, sizeof rules);
    return b;
}

PicRuleRecord record(quint32 key, int kind, std::initializer_list<std::pair<int, int>> points)
{
    PicRuleRecord r;
    std::memset(&r, 0, sizeof r);
    r.key = key;
    PicRuleRecord::kindToType(kind, &r.rule.meterType, &r.rule.param);
    int i = 0;
    for (auto [x, y] : points) r.rule.points[i++] = {x, y};
    r.rule.pointNum = i;
    r.rule.emissivity = 0.95f;
    r.rule.distance = 2.5f;
    r.rule.reflectedTemp = 30.0f;
    std::strcpy(r.rule.name, "X1");
    return r;
}

PicRuleList listOf(std::vector<PicRuleRecord> records)
{
    PicRuleList list;
    list.clear();
    for (PicRuleRecord& r : records) EXPECT_TRUE(list.append(&r));
    return list;
}

constexpr size_t kEntry = 144;
size_t at(int entry, size_t offset)
{
    return 4 + size_t(entry) * kEntry + offset;
}

TEST(LiveRuleSet, EveryKindLandsAtItsOffsetsAndTheRestIsZero)
{
    PicRuleRecord own = record(11, PicRuleRecord::kPoint, {{100, 200}});
    own.rule.bLocalEnable = 1;
    const PicRuleList list = listOf({
        own,
        record(12, PicRuleRecord::kLine, {{1, 2}, {3000, 4000}}),
        record(13, PicRuleRecord::kRectangle, {{10, 20}, {30, 20}, {30, 40}, {10, 40}}),
        record(14, PicRuleRecord::kEllipse, {{10, 20}, {30, 20}, {30, 40}, {10, 40}}),
        record(15, PicRuleRecord::kCircle, {{10, 20}, {30, 20}, {30, 40}, {10, 40}}),
        record(16, PicRuleRecord::kPolygon, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}),
    });

    std::vector<uint8_t> expected(1732, 0);
    putWord(expected, 0, 6);
    for (int i = 0; i < 6; ++i) {
        putWord(expected, at(i, 0), uint32_t(i + 1));
        putWord(expected, at(i, 4), 1);
    }
    // Point with its own parameters: distance, reflected, emissivity.
    putWord(expected, at(0, 12), 1);
    putFloat(expected, at(0, 16), 2.5f);
    putFloat(expected, at(0, 20), 30.0f);
    putFloat(expected, at(0, 24), 0.95f);
    putWord(expected, at(0, 44), 100);
    putWord(expected, at(0, 48), 200);
    // Line.
    putWord(expected, at(1, 8), 1);
    const uint32_t line[] = {1, 2, 3000, 4000};
    for (int k = 0; k < 4; ++k) putWord(expected, at(1, 44 + 4 * size_t(k)), line[k]);
    // Rectangle, ellipse and circle: shapes 1, 2 and 2.
    const uint32_t shapes[] = {1, 2, 2};
    for (int e = 2; e <= 4; ++e) {
        putWord(expected, at(e, 8), 2);
        putWord(expected, at(e, 44), 4);
        const uint32_t box[] = {10, 20, 30, 20, 30, 40, 10, 40};
        for (int k = 0; k < 8; ++k) putWord(expected, at(e, 48 + 4 * size_t(k)), box[k]);
        putWord(expected, at(e, 112), shapes[e - 2]);
    }
    // Polygon of five points: count 5, the other three pairs zero, shape 0.
    putWord(expected, at(5, 8), 2);
    putWord(expected, at(5, 44), 5);
    for (int k = 0; k < 5; ++k) {
        putWord(expected, at(5, 48 + 8 * size_t(k)), uint32_t(k + 1));
        putWord(expected, at(5, 52 + 8 * size_t(k)), uint32_t(k + 1));
    }

    EXPECT_EQ(bytesOf(LiveRuleSet::fromLiveSet(list)), expected)
        << "names and parameters of rules without their own stay zero";
}

TEST(LiveRuleSet, AtMostTwelveEntriesAndTheCountSaysHowMany)
{
    std::vector<PicRuleRecord> many;
    for (int i = 0; i < 15; ++i) many.push_back(record(quint32(100 + i), PicRuleRecord::kPoint, {{i, i}}));
    const USBSDK_Rules rules = LiveRuleSet::fromLiveSet(listOf(many));
    EXPECT_EQ(rules.count, 12u);
    EXPECT_EQ(rules.rule[11].ruleId, 12u);
    EXPECT_EQ(rules.rule[11].geom.point.x, 11);

    const USBSDK_Rules none = LiveRuleSet::fromLiveSet(listOf({}));
    EXPECT_EQ(bytesOf(none), std::vector<uint8_t>(1732, 0)) << "an empty set clears the camera's";
}

TEST(LiveRuleSet, CalibrationBoxesAreNamedByTheirTemperatures)
{
    const USBSDK_Rules rules = LiveRuleSet::calibrationBoxes(40, 1234567890);
    ASSERT_EQ(rules.count, 2u);
    std::vector<uint8_t> expected(1732, 0);
    putWord(expected, 0, 2);
    const struct {
        int left;
        const char* name;
    } boxes[] = {{1024, "40"}, {5120, "1234567890"}};
    for (int e = 0; e < 2; ++e) {
        putWord(expected, at(e, 0), uint32_t(e + 1));
        putWord(expected, at(e, 8), 2);
        putWord(expected, at(e, 44), 4);
        const int l = boxes[e].left, r = l + 2048;
        const int xy[] = {l, 3072, r, 3072, l, 5120, r, 5120};
        for (int k = 0; k < 8; ++k) putWord(expected, at(e, 48 + 4 * size_t(k)), uint32_t(xy[k]));
        putWord(expected, at(e, 112), 1);
        std::memcpy(&expected[at(e, 116)], boxes[e].name, std::strlen(boxes[e].name));
    }
    EXPECT_EQ(bytesOf(rules), expected) << "flag 0, corners TL, TR, BL, BR";

    const USBSDK_Rules negative = LiveRuleSet::calibrationBoxes(-2147483647 - 1, 0);
    EXPECT_STREQ(negative.rule[0].name, "-2147483648");
}

// ---- The worker ------------------------------------------------------------------

class TempRuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        USBSDK_Init();
    }
    void TearDown() override { sdk().Close(); }
    static DeviceSdkWrapper& sdk() { return DeviceSdkWrapper::getInstance(); }
    static bool connect() { return simcamera::openFirst(); }
};

TEST_F(TempRuleTest, RefreshPeriodFollowsTheChoiceAndTheSwitch)
{
    QTempRule worker;
    EXPECT_FALSE(worker.isRefreshing());

    worker.setThermRefreshTimeSlot(1);
    EXPECT_TRUE(worker.isRefreshing()) << "choosing a period starts refreshing";
    EXPECT_EQ(worker.refreshPeriod(), 500);
    worker.setTimerStatusSlot(true);
    EXPECT_EQ(worker.refreshPeriod(), 500) << "switching on while running keeps the period";

    worker.setTimerStatusSlot(false);
    EXPECT_FALSE(worker.isRefreshing());
    worker.setTimerStatusSlot(true);
    EXPECT_EQ(worker.refreshPeriod(), 1000) << "a fresh start goes back to 1000 ms";
    worker.setThermRefreshTimeSlot(7);
    EXPECT_EQ(worker.refreshPeriod(), 1000);
}

TEST_F(TempRuleTest, TicksOnlyWhileRefreshing)
{
    QTempRule worker;
    QSignalSpy ticks(&worker, &QTempRule::sendUpdateTemperSignals);
    worker.setUpdateTemperSlots();
    EXPECT_EQ(ticks.count(), 0);

    worker.setThermRefreshTimeSlot(1);
    auto* timer = worker.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    fireTimer(timer);
    fireTimer(timer);
    EXPECT_EQ(ticks.count(), 2) << "the timer drives the ticks";
    worker.setTimerStatusSlot(false);
    EXPECT_FALSE(timer->isActive()) << "no tick comes later";
    worker.setUpdateTemperSlots();
    EXPECT_EQ(ticks.count(), 2);
}

TEST_F(TempRuleTest, OpeningWithoutACameraGivesUpAtOnce)
{
    QTempRule worker;
    QSignalSpy opened(&worker, &QTempRule::sendOpenThermalFuncRetSignal);
    worker.OpenThermalFunctionSlot();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_FALSE(opened.at(0).at(0).toBool());
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_OpenThermalFunction"), 0);
}

TEST_F(TempRuleTest, OpeningRetriesAndWaitsForTheFunction)
{
    ASSERT_TRUE(connect());
    SIMCAM_FailNext("USBSDK_OpenThermalFunction", 2, 0);
    QTempRule worker;
    QSignalSpy opened(&worker, &QTempRule::sendOpenThermalFuncRetSignal);
    worker.OpenThermalFunctionSlot();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_TRUE(opened.at(0).at(0).toBool()) << "the third attempt opens it";
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_OpenThermalFunction"), 3);
    // Nothing streams, so the function never reports ready: eleven reads,
    // and the opening still counts.
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetThermalFunctionStatus"), 11);

    SIMCAM_FailNext("USBSDK_OpenThermalFunction", 3, 0);
    worker.OpenThermalFunctionSlot();
    ASSERT_EQ(opened.count(), 2);
    EXPECT_FALSE(opened.at(1).at(0).toBool());
}

TEST_F(TempRuleTest, RuleUploadReachesTheCamera)
{
    ASSERT_TRUE(connect());
    PicRuleList list;
    list.clear();
    PicRuleRecord r;
    std::memset(&r, 0, sizeof r);
    r.key = 5;
    r.rule.pointNum = 1;
    r.rule.points[0] = {4096, 4096};
    list.append(&r);
    const USBSDK_Rules sent = LiveRuleSet::fromLiveSet(list);

    QTempRule worker;
    worker.setThermalRulesSlot(sent);
    USBSDK_Rules received;
    ASSERT_NE(SIMCAM_GetLastRules(0, SIMCAM_RULES_CLIENT, &received), 0);
    EXPECT_EQ(std::memcmp(&received, &sent, sizeof sent), 0);
}

TEST_F(TempRuleTest, GreyRangeIsAnnouncedOnce)
{
    QTempRule worker;
    QSignalSpy range(&worker, &QTempRule::SendYDataSignals);
    worker.getYuvData(FramePtr());
    worker.getYuvData(FramePtr());
    ASSERT_EQ(range.count(), 1);
    EXPECT_EQ(range.at(0).at(0).toUInt(), 0u);
    EXPECT_EQ(range.at(0).at(1).toUInt(), 255u);
}

}  // namespace
