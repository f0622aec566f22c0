// Client temperatures through the layer: the host radiometry engine measures
// live rules and the hot and cold spot on the simulated scene's raw frames.
#include <cmath>
#include <cstring>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

constexpr int kW = 384, kH = 288;

class ThermalApiTest : public CamsdkTest {
protected:
    // A still scene without defects, the camera open and streaming.
    void start(void (*edit)(SIMCAM_Scene&) = nullptr)
    {
        ASSERT_EQ(SIMCAM_SetFrameSize(0, kW, kH), 1);
        SIMCAM_Scene s;
        ASSERT_EQ(SIMCAM_GetScene(0, &s), 1);
        s.hotMotion = 0;
        s.defectsOn = 0;
        if (edit) edit(s);
        ASSERT_EQ(SIMCAM_SetScene(0, &s), 1);
        openDevice();
        ASSERT_EQ(USBSDK_StartRealPlay(&ignoreFrame, this), 1);
    }
    static float truth(int x, int y)
    {
        float t = -1000.0f;
        EXPECT_EQ(SIMCAM_GetTruth(0, x, y, &t), 1);
        return t;
    }
    static USBSDK_ThermalRuleResult measure(int id)
    {
        USBSDK_ThermalRuleResult r{};
        EXPECT_EQ(USBSDK_GetThermalRules(id, &r), 1) << "rule " << id << " error " << USBSDK_GetLastError();
        return r;
    }
};

TEST_F(ThermalApiTest, RulesReadTheScene)
{
    start();
    ASSERT_EQ(USBSDK_OpenThermalFunction(), 1);
    EXPECT_EQ(USBSDK_GetThermalFunctionStatus(), 0);  // no radiometric frame since opening
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_EQ(USBSDK_GetThermalFunctionStatus(), 1);

    // Hot disc still at phase 0: centre (0.75 W, 0.5 H); cold disc at
    // (0.85 W, 0.85 H); warm rectangle over u 0.08..0.22, v 0.10..0.30.
    const int hotX = int(0.75 * kW), hotY = kH / 2;
    const int coldX = int(0.85 * kW), coldY = int(0.85 * kH);
    USBSDK_Rules rules{};
    rules.count = 5;
    rules.rule[0] = pointRule(1, hotX, hotY, kW, kH);
    rules.rule[1] = lineRule(2, coldX - 25, coldY, coldX + 25, coldY, kW, kH);
    rules.rule[2] = areaRule(3, 1, {{40, 35}, {75, 35}, {75, 80}, {40, 80}}, kW, kH);
    rules.rule[3] = areaRule(
        4, 2, {{coldX - 6, coldY - 6}, {coldX + 6, coldY - 6}, {coldX + 6, coldY + 6}, {coldX - 6, coldY + 6}}, kW, kH);
    rules.rule[4] = areaRule(5, 0, {{45, 40}, {70, 45}, {50, 75}}, kW, kH);
    ASSERT_EQ(USBSDK_SetThermalRules(rules), 1);

    const USBSDK_ThermalRuleResult point = measure(1);
    EXPECT_NEAR(point.avgTemp, truth(hotX, hotY), 0.05);
    EXPECT_EQ(point.meterType, 0);
    EXPECT_EQ(point.ruleId, 1);
    const USBSDK_ThermalRuleResult line = measure(2);
    EXPECT_NEAR(line.minTemp, 5.0, 0.05);
    EXPECT_GT(line.maxTemp, 15.0f);  // the line reaches the background
    for (int id : {3, 5}) {
        const USBSDK_ThermalRuleResult r = measure(id);
        EXPECT_NEAR(r.maxTemp, 37.0, 0.05) << id;
        EXPECT_NEAR(r.minTemp, 37.0, 0.05) << id;
        EXPECT_NEAR(r.avgTemp, 37.0, 0.05) << id;
    }
    const USBSDK_ThermalRuleResult ellipse = measure(4);
    EXPECT_NEAR(ellipse.avgTemp, 5.0, 0.05);
    EXPECT_NEAR(ellipse.maxTemp, 5.0, 0.05);

    USBSDK_HotColdPoint spot{};
    ASSERT_EQ(USBSDK_GetThermalHotColdPoint(&spot), 1);
    EXPECT_NEAR(spot.hotTemp, 65.0, 0.05);
    EXPECT_NEAR(spot.coldTemp, 5.0, 0.05);
    // Positions in rule space land in the discs.
    EXPECT_LT(std::abs(spot.hotX * kW / 8192 - hotX), int(0.05 * kW));
    EXPECT_LE(std::abs(spot.coldY * kH / 8192 - coldY), int(0.04 * kW) + 1);
}

TEST_F(ThermalApiTest, HotAndColdSpotCoverTheLastRowAndColumn)
{
    // A tiny hot disc centred on the bottom-right corner: the hottest pixel
    // is the last one of the frame.
    start([](SIMCAM_Scene& s) {
        s.hotPhase = std::atan(1.0);
        s.hotPathU = s.hotPathV = 0.5 * std::sqrt(2.0);
        s.hotRadius = 0.001;
        s.hotRamp = 0.03;
        s.hotTemp = 90.0;
    });
    ASSERT_EQ(USBSDK_OpenThermalFunction(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    USBSDK_HotColdPoint spot{};
    ASSERT_EQ(USBSDK_GetThermalHotColdPoint(&spot), 1);
    EXPECT_NEAR(spot.hotTemp, truth(kW - 1, kH - 1), 0.05);
    EXPECT_EQ(spot.hotX, ruleSpace(kW - 1, kW));
    EXPECT_EQ(spot.hotY, ruleSpace(kH - 1, kH));
}

// The display is flipped, the rule overlay draws in display coordinates and
// sends sensor coordinates: a rule over the displayed hot disc reads it.
TEST_F(ThermalApiTest, RuleOverTheDisplayedHotDiscWithFlip2)
{
    static std::vector<uint8_t> display;
    start([](SIMCAM_Scene& s) { s.displayNoise = 0.0; });
    ASSERT_EQ(USBSDK_SetColor(0), 1);  // white hot
    ASSERT_EQ(USBSDK_SetImageFlipMode(2), 1);
    ASSERT_EQ(USBSDK_StartRealPlay([](const unsigned char* yuv, int yuvLen, const unsigned char*, int, int, int,
                                      void*) { display.assign(yuv, yuv + yuvLen); },
                                   &display),
              1);
    ASSERT_EQ(USBSDK_OpenThermalFunction(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(2), 1);
    ASSERT_EQ(display.size(), size_t(kW) * kH * 2);

    // Centre of the brightest display pixels (UYVY: Y at odd bytes).
    int best = -1;
    long sumX = 0, sumY = 0, n = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const int luma = display[(size_t(y) * kW + x) * 2 + 1];
            if (luma > best) {
                best = luma;
                sumX = sumY = n = 0;
            }
            if (luma == best) {
                sumX += x;
                sumY += y;
                ++n;
            }
        }
    const int shownX = int(sumX / n), shownY = int(sumY / n);
    // Flip 2 mirrors columns only.
    const int sensorX = kW - 1 - shownX, sensorY = shownY;
    EXPECT_NEAR(shownX, kW - 1 - int(0.75 * kW), 2);  // the disc shows on the left

    USBSDK_Rules rules{};
    rules.count = 1;
    rules.rule[0] = pointRule(1, sensorX, sensorY, kW, kH);
    ASSERT_EQ(USBSDK_SetThermalRules(rules), 1);
    EXPECT_NEAR(measure(1).avgTemp, 65.0, 0.05);
}

TEST_F(ThermalApiTest, RefusalsSayWhy)
{
    start();
    USBSDK_ThermalRuleResult r{};
    r.avgTemp = 123.0f;
    USBSDK_Rules one{};
    one.count = 1;
    one.rule[0] = pointRule(1, 10, 10, kW, kH);
    ASSERT_EQ(USBSDK_SetThermalRules(one), 1);  // allowed before the function opens
    EXPECT_EQ(USBSDK_GetThermalRules(1, &r), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_THERMAL_NOT_READY);
    ASSERT_EQ(USBSDK_OpenThermalFunction(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_EQ(USBSDK_GetThermalRules(9, &r), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_FOUND);
    EXPECT_EQ(r.avgTemp, 123.0f);  // failures leave the output alone
    EXPECT_EQ(USBSDK_GetThermalRules(1, nullptr), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    ASSERT_EQ(USBSDK_SetSleepMode(5), 1);
    EXPECT_EQ(USBSDK_GetThermalRules(1, &r), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_SLEEPING);
    ASSERT_EQ(USBSDK_SetSleepMode(4), 1);
    EXPECT_EQ(USBSDK_GetThermalRules(1, &r), 1);

    // Rule sets outside what a camera takes.
    using Edit = void (*)(USBSDK_Rules&);
    for (Edit bad : {Edit([](USBSDK_Rules& s) { s.count = 13; }), Edit([](USBSDK_Rules& s) { s.rule[0].type = 3; }),
                     Edit([](USBSDK_Rules& s) { s.rule[0].geom.point.x = -1; }),
                     Edit([](USBSDK_Rules& s) { s.rule[0].geom.point.x = 8193; }), Edit([](USBSDK_Rules& s) {
                         s.rule[0].type = 2;
                         s.rule[0].geom.area.pointCount = 9;
                     })}) {
        USBSDK_Rules rules = one;
        bad(rules);
        EXPECT_EQ(USBSDK_SetThermalRules(rules), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    }
}

TEST_F(ThermalApiTest, CommonParametersAreCheckedAndKept)
{
    start();
    USBSDK_GlobalTemperParam g{};
    ASSERT_EQ(USBSDK_GetCommonTemperParam(&g), 1);
    EXPECT_FLOAT_EQ(g.emissivity, 0.97f);
    EXPECT_FLOAT_EQ(g.distance, 1.0f);
    EXPECT_EQ(g.humidity, 50);
    const USBSDK_CommonTemperParam good{40, 22.0f, 0.9f, 3.0f, 30.0f};
    using Edit = void (*)(USBSDK_CommonTemperParam&);
    for (Edit bad : {Edit([](USBSDK_CommonTemperParam& p) { p.humidity = 101; }),
                     Edit([](USBSDK_CommonTemperParam& p) { p.ambientTemp = 121.0f; }),
                     Edit([](USBSDK_CommonTemperParam& p) { p.emissivity = 0.0f; }),
                     Edit([](USBSDK_CommonTemperParam& p) { p.distance = std::nanf(""); }),
                     Edit([](USBSDK_CommonTemperParam& p) { p.reflectedTemp = -41.0f; })}) {
        USBSDK_CommonTemperParam p = good;
        bad(p);
        EXPECT_EQ(USBSDK_SetCommonTemperParam(&p), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    }
    ASSERT_EQ(USBSDK_SetCommonTemperParam(&good), 1);
    // The control interface reads them back too.
    double distanceKey = -1, emissivityKey = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "distance", &distanceKey), 1);
    ASSERT_EQ(SIMCAM_GetValue(0, "emissivity", &emissivityKey), 1);
    EXPECT_FLOAT_EQ(float(distanceKey), 3.0f);
    EXPECT_FLOAT_EQ(float(emissivityKey), 0.9f);
    // The next frames carry them in their radiometric block.
    static std::vector<uint8_t> block;
    ASSERT_EQ(USBSDK_StartRealPlay([](const unsigned char*, int, const unsigned char* raw, int rawLen, int, int,
                                      void*) { block.assign(raw + rawLen - USBSDK_REDUNDATA_SIZE, raw + rawLen); },
                                   &block),
              1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    ASSERT_EQ(block.size(), size_t(USBSDK_REDUNDATA_SIZE));
    float emissivity = 0.0f, distance = 0.0f;
    std::memcpy(&emissivity, &block[664], 4);
    std::memcpy(&distance, &block[652], 4);
    EXPECT_FLOAT_EQ(emissivity, 0.9f);
    EXPECT_FLOAT_EQ(distance, 3.0f);
    ASSERT_EQ(USBSDK_Close(), 1);  // saved at once: survives the session
    openDevice();
    ASSERT_EQ(USBSDK_GetCommonTemperParam(&g), 1);
    EXPECT_FLOAT_EQ(g.emissivity, 0.9f);
    EXPECT_FLOAT_EQ(g.distance, 3.0f);
    EXPECT_FLOAT_EQ(g.reflectedTemp, 30.0f);
    EXPECT_FLOAT_EQ(g.ambientTemp, 22.0f);
    EXPECT_EQ(g.humidity, 40);
    EXPECT_EQ(g.tempUnit, 0);
}

}  // namespace
}  // namespace camsdktest
