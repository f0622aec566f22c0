// Calibration requests: a second calibration from start to result, the
// boxes the camera proposes, and the rectangles made from the live rules.
#include <cstdio>
#include <cstring>

#include "WorkerTest.h"

namespace {

using CalibrationTest = WorkerTest;

PicRuleConfig liveBox(int id, int x0, int y0, int x1, int y1, const char* name)
{
    PicRuleConfig r{};
    r.ruleId = id;
    r.meterType = 2;
    r.pointNum = 4;
    const ThermPoint corners[] = {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}};
    std::memcpy(r.points, corners, sizeof corners);
    std::snprintf(r.name, sizeof r.name, "%s", name);
    return r;
}

bool sameBytes(const USBSDK_Rules& a, const USBSDK_Rules& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(CalibrationTest, SecondCalibrationRunsInRequestOrder)
{
    openCamera();
    ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
    run("setSecondCalibrationInitSlot");
    run("getBalancedStateSlot");
    run("setSecCalibrationBlackbodyTempSlot", {40, 110});
    run("setSecCalibrationRectSlot");
    run("setSecCalibrateSlot", {1});
    ASSERT_EQ(SIMCAM_AdvanceTime(8000), 1);
    run("getSecCalibraProgSlot");
    run("setSaveSecCalibrationTimeSlot");
    run("getSecCalibrationResultSlot");

    EXPECT_EQ(calls(),
              (QStringList{"USBSDK_TemperatureCalibrationInit", "USBSDK_GetTemperatureCalibrationBalancedState",
                           "USBSDK_SetTemperatureCalibrationBlackBodyTemp", "USBSDK_SetTemperatureCalibrationRECT",
                           "USBSDK_SetAutoTemperatureCalibration", "USBSDK_GetAutoTemperatureCalibrationProgress",
                           "USBSDK_SetTemperatureCalibrationTime", "USBSDK_GetTemperatureCalibrationResult"}));
    EXPECT_EQ(
        journal_->names(),
        (QList<QByteArray>{"sendGetBalancedStateRetSignal", "sendSecCalibrationBlackbodyTempRetSignal",
                           "sendSetCalibrationRectRetSignal", "sendCalibrateRetSignal", "sendGetCalibraProgRetSignal",
                           "sendSaveSecCalibraTimeRetSignal", "sendGetCalibrationResultRetSignal"}));
    EXPECT_EQ(journal_->argsOf("sendGetBalancedStateRetSignal"), (QList<QVariantList>{{true, 1}}));
    EXPECT_EQ(journal_->argsOf("sendCalibrateRetSignal"), QList<QVariantList>{{true}});
    EXPECT_EQ(journal_->argsOf("sendGetCalibraProgRetSignal"), (QList<QVariantList>{{true, 100}}));

    // The boxes the camera proposed, named after the blackbody temperatures.
    const QVariantList rect = journal_->argsOf("sendSetCalibrationRectRetSignal").value(0);
    ASSERT_EQ(rect.size(), 2);
    EXPECT_TRUE(rect[0].toBool());
    const USBSDK_Rules boxes = rect[1].value<USBSDK_Rules>();
    const QVector<PicRuleConfig> live{liveBox(1, 1024, 3072, 3072, 5120, "40"),
                                      liveBox(2, 5120, 3072, 7168, 5120, "110")};
    ASSERT_EQ(boxes.count, 2u);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes.rule[i].ruleId, uint32_t(live[i].ruleId));
        EXPECT_EQ(boxes.rule[i].type, 2u);
        EXPECT_EQ(boxes.rule[i].areaShape, 1u);
        ASSERT_EQ(boxes.rule[i].geom.area.pointCount, 4u);
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(boxes.rule[i].geom.area.xy[p][0], live[i].points[p].x) << p;
            EXPECT_EQ(boxes.rule[i].geom.area.xy[p][1], live[i].points[p].y) << p;
        }
        EXPECT_STREQ(boxes.rule[i].name, live[i].name);
    }

    const QVariantList result = journal_->argsOf("sendGetCalibrationResultRetSignal").value(0);
    ASSERT_EQ(result.size(), 2);
    EXPECT_TRUE(result[0].toBool());
    const USBSDK_TemperatureCalibraResult codes = result[1].value<USBSDK_TemperatureCalibraResult>();
    EXPECT_EQ(codes.lowResult, 1);
    EXPECT_GT(strnlen(codes.lowTime, sizeof codes.lowTime), 0u);
    EXPECT_EQ(codes.highResult, 2);
}

TEST_F(CalibrationTest, RefusedBoxesComeBackEmpty)
{
    openCamera();
    ASSERT_EQ(SIMCAM_FailNext("SetTemperatureCalibrationRECT", 1, 0), 1);
    run("setSecCalibrationRectSlot");
    ASSERT_EQ(journal_->count("sendSetCalibrationRectRetSignal"), 1);
    const QVariantList rect = journal_->argsOf("sendSetCalibrationRectRetSignal")[0];
    EXPECT_FALSE(rect[0].toBool());
    EXPECT_TRUE(sameBytes(rect[1].value<USBSDK_Rules>(), USBSDK_Rules{}));
}

// The rectangles go out as the builder makes them (its own tests pin the
// bytes) from the live rules the request carries; the wrong number of rules
// asks nothing of the camera.
TEST_F(CalibrationTest, RectanglesFromTheLiveRules)
{
    openCamera();
    const PicRuleConfig low = liveBox(1, 1000, 3000, 3000, 5000, "40");
    const PicRuleConfig high = liveBox(2, 5000, 3000, 7000, 5000, "110");
    const char* kFull = "USBSDK_SetFullCalibrationRECT(rules={count=2 ids=[1,2] types=[2,2]})";
    const char* kSecond = "USBSDK_SetSaveTemperatureCalibrationRECT(rules={count=2 ids=[1,2] types=[2,2]})";
    const struct {
        const char* slot;
        QVector<PicRuleConfig> live;
        const char* call;  // null: none
        const char* signal;
    } cases[] = {
        {"setFullCalibrationCalibrateRectSlot", {low, high}, kFull, "sendFullCalibrationCalibrateRectRetSignal"},
        {"setFullCalibrationCalibrateRectSlot", {}, nullptr, "sendFullCalibrationCalibrateRectRetSignal"},
        {"setFullCalibrationCalibrateRectSlot", {low}, nullptr, "sendFullCalibrationCalibrateRectRetSignal"},
        {"setFullCalibrationCalibrateRectSlot", {low, high, low}, nullptr, "sendFullCalibrationCalibrateRectRetSignal"},
        {"setSaveSecCalibrationRectSlot", {low, high}, kSecond, "sendSaveCalibrationRectRetSignal"},
        {"setSaveSecCalibrationRectSlot", {}, nullptr, "sendSaveCalibrationRectRetSignal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slot << " with " << c.live.size() << " rules");
        SIMCAM_ClearCallLog();
        journal_->clear();
        run(c.slot, {QVariant::fromValue(c.live)});
        EXPECT_EQ(callsWithArgs(), c.call ? QStringList{c.call} : QStringList{});
        EXPECT_EQ(journal_->argsOf(c.signal), QList<QVariantList>{{c.call != nullptr}});
    }
    // The camera took the rectangles: a collection can start.
    run("setFullCalibrationCollectSlot");
    EXPECT_EQ(journal_->argsOf("sendFullCalibrationCollectRetSignal"), QList<QVariantList>{{true}});
}

}  // namespace
