// The camera's own temperatures against the host engine's, its refusals,
// and the isotherm records.
#include <cmath>
#include <cstring>
#include <limits>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

constexpr int kW = 384, kH = 288;

USBSDK_Rule rectRule(uint32_t id, int x0, int y0, int x1, int y1)
{
    return areaRule(id, 1, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, kW, kH);
}

class DeviceThermalTest : public CamsdkTest {
protected:
    // A still scene without defects, open, streaming, one frame produced.
    void start()
    {
        ASSERT_EQ(SIMCAM_SetFrameSize(0, kW, kH), 1);
        SIMCAM_Scene s;
        ASSERT_EQ(SIMCAM_GetScene(0, &s), 1);
        s.hotMotion = 0;
        s.defectsOn = 0;
        ASSERT_EQ(SIMCAM_SetScene(0, &s), 1);
        openDevice();
        ASSERT_EQ(USBSDK_StartRealPlay(&ignoreFrame, this), 1);
        ASSERT_EQ(USBSDK_OpenThermalFunction(), 1);
        ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    }
    static float truth(int x, int y)
    {
        float t = -1000.0f;
        EXPECT_EQ(SIMCAM_GetTruth(0, x, y, &t), 1);
        return t;
    }
    static USBSDK_ThermalRuleResult device(int id)
    {
        USBSDK_ThermalRuleResult r{};
        EXPECT_EQ(USBSDK_GetDeviceThermalRules(id, &r), 1) << "rule " << id << " error " << USBSDK_GetLastError();
        return r;
    }
    static USBSDK_ThermalRuleResult client(int id)
    {
        USBSDK_ThermalRuleResult r{};
        EXPECT_EQ(USBSDK_GetThermalRules(id, &r), 1) << "rule " << id << " error " << USBSDK_GetLastError();
        return r;
    }
    static int failure(int result)
    {
        EXPECT_EQ(result, 0);
        return USBSDK_GetLastError();
    }
};

TEST_F(DeviceThermalTest, DeviceAndClientAgreeOnOneFlatElement)
{
    start();
    // Inside the warm rectangle (u 0.08..0.22, v 0.10..0.30): 37.0.
    USBSDK_Rules rules{};
    rules.count = 2;
    rules.rule[0] = pointRule(1, 55, 55, kW, kH);
    rules.rule[1] = rectRule(2, 40, 35, 75, 80);
    ASSERT_EQ(USBSDK_SetThermalRules(rules), 1);
    ASSERT_EQ(USBSDK_SetDeviceThermalRules(rules), 1);

    for (int id : {1, 2}) {
        const USBSDK_ThermalRuleResult d = device(id), c = client(id);
        EXPECT_EQ(d.ruleId, id);
        EXPECT_EQ(d.meterType, id == 1 ? 0 : 2);
        EXPECT_NEAR(d.avgTemp, 37.0, 0.05) << id;
        EXPECT_NEAR(d.maxTemp, 37.0, 0.05) << id;
        EXPECT_NEAR(d.minTemp, 37.0, 0.05) << id;
        EXPECT_NEAR(d.avgTemp, c.avgTemp, 0.05) << id;
        EXPECT_NEAR(d.maxTemp, c.maxTemp, 0.05) << id;
        EXPECT_NEAR(d.minTemp, c.minTemp, 0.05) << id;
    }
    EXPECT_NEAR(device(1).avgTemp, truth(55, 55), 1e-4);
    EXPECT_EQ(device(1).hotX, ruleSpace(55, kW));
    EXPECT_EQ(device(1).hotY, ruleSpace(55, kH));

    USBSDK_Rules back{};
    ASSERT_EQ(SIMCAM_GetLastRules(0, 1, &back), 1);
    EXPECT_EQ(back.count, 2u);
    EXPECT_EQ(back.rule[1].geom.area.xy[2][0], ruleSpace(75, kW));
    ASSERT_EQ(SIMCAM_GetLastRules(0, 0, &back), 1);
    EXPECT_EQ(back.count, 2u);
}

TEST_F(DeviceThermalTest, IdZeroMeasuresTheWholeFrame)
{
    start();
    // Expected from the truth itself, every pixel, first extremes row-major.
    double sum = 0;
    float hot = -1e9f, cold = 1e9f;
    int hx = 0, hy = 0, cx = 0, cy = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const float t = truth(x, y);
            sum += t;
            if (t > hot) hot = t, hx = x, hy = y;
            if (t < cold) cold = t, cx = x, cy = y;
        }
    const USBSDK_ThermalRuleResult r = device(0);
    EXPECT_EQ(r.ruleId, 0);
    EXPECT_NEAR(r.avgTemp, sum / (kW * kH), 1e-3);
    EXPECT_FLOAT_EQ(r.maxTemp, hot);
    EXPECT_FLOAT_EQ(r.minTemp, cold);
    EXPECT_NEAR(r.maxTemp, 65.0, 0.05);
    EXPECT_NEAR(r.minTemp, 5.0, 0.05);
    EXPECT_EQ(r.hotX, ruleSpace(hx, kW));
    EXPECT_EQ(r.hotY, ruleSpace(hy, kH));
    EXPECT_EQ(r.coldX, ruleSpace(cx, kW));
    EXPECT_EQ(r.coldY, ruleSpace(cy, kH));
}

TEST_F(DeviceThermalTest, Refusals)
{
    USBSDK_ThermalRuleResult r{};
    EXPECT_EQ(failure(USBSDK_GetDeviceThermalRules(0, &r)), USBSDK_ERR_NOT_OPEN);
    start();

    USBSDK_Rules bad{};
    bad.count = 13;
    EXPECT_EQ(failure(USBSDK_SetDeviceThermalRules(bad)), USBSDK_ERR_INVALID_ARG);
    bad.count = 1;
    bad.rule[0] = rectRule(1, 10, 10, 20, 20);
    bad.rule[0].geom.area.pointCount = 9;
    EXPECT_EQ(failure(USBSDK_SetDeviceThermalRules(bad)), USBSDK_ERR_INVALID_ARG);
    bad.rule[0] = pointRule(1, 10, 10, kW, kH);
    bad.rule[0].geom.point.x = -1;
    EXPECT_EQ(failure(USBSDK_SetDeviceThermalRules(bad)), USBSDK_ERR_INVALID_ARG);

    EXPECT_EQ(failure(USBSDK_GetDeviceThermalRules(7, &r)), USBSDK_ERR_NOT_FOUND);
    EXPECT_EQ(failure(USBSDK_GetDeviceThermalRules(0, nullptr)), USBSDK_ERR_INVALID_ARG);

    const struct {
        float metres;
        int ok;
    } distances[] = {{0.0f, 1}, {10000.0f, 1}, {-0.1f, 0}, {10000.5f, 0}, {std::nanf(""), 0}};
    for (const auto& c : distances) EXPECT_EQ(USBSDK_SetDeviceThermalDistance(c.metres), c.ok) << c.metres;

    ASSERT_EQ(USBSDK_SetSleepMode(5), 1);
    EXPECT_EQ(failure(USBSDK_GetDeviceThermalRules(0, &r)), USBSDK_ERR_SLEEPING);
    ASSERT_EQ(USBSDK_SetSleepMode(4), 1);
    EXPECT_EQ(USBSDK_GetDeviceThermalRules(0, &r), 1);

    // Without raw data the camera measures nothing.
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.rawOutput = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    EXPECT_EQ(failure(USBSDK_GetDeviceThermalRules(0, &r)), USBSDK_ERR_NOT_SUPPORTED);
}

TEST_F(DeviceThermalTest, IsothermChecksAndRecords)
{
    openDevice();
    USBSDK_IsothermParams p{};
    ASSERT_EQ(USBSDK_GetIsothermParams(&p), 1);
    EXPECT_EQ(p.on, 0);
    EXPECT_EQ(p.mode, 0);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        USBSDK_IsothermParams p;
        int ok;
    } cases[] = {
        {{1, 30.0f, 40.0f, 2}, 1},  {{1, 30.0f, 40.0f, 3}, 1},   {{1, 40.0f, 30.0f, 0}, 1}, {{0, 0.0f, 0.0f, 0}, 1},
        {{1, 40.0f, 30.0f, 2}, 0},  {{1, 30.0f, 30.0f, 3}, 0},   {{2, 30.0f, 40.0f, 0}, 0}, {{1, 30.0f, 40.0f, 4}, 0},
        {{1, -41.0f, 40.0f, 0}, 0}, {{1, 30.0f, 2001.0f, 0}, 0}, {{1, nan, 40.0f, 0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p.on << " " << c.p.lowerLimit << " " << c.p.upperLimit << " " << c.p.mode);
        const USBSDK_IsothermParams before = p;
        EXPECT_EQ(USBSDK_SetIsothermParams(c.p), c.ok);
        ASSERT_EQ(USBSDK_GetIsothermParams(&p), 1);
        const USBSDK_IsothermParams& want = c.ok ? c.p : before;
        EXPECT_EQ(std::memcmp(&p, &want, sizeof p), 0);
        EXPECT_EQ(value(0, "isothermOn"), want.on);
    }

    USBSDK_IsothermValue v{};
    ASSERT_EQ(USBSDK_GetIsothermValue(&v), 1);
    EXPECT_EQ(v.lower, 20);
    EXPECT_EQ(v.medium, 30);
    EXPECT_EQ(v.upper, 40);
    EXPECT_EQ(v.saturation, 255);
    EXPECT_EQ(USBSDK_SetIsothermValue({2, 1, 2, 3, 4}), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    ASSERT_EQ(USBSDK_SetIsothermValue({1, 1, 2, 3, 4}), 1);
    ASSERT_EQ(USBSDK_GetIsothermValue(&v), 1);
    EXPECT_EQ(v.enable, 1);
    EXPECT_EQ(v.saturation, 4);
}

}  // namespace
}  // namespace camsdktest
