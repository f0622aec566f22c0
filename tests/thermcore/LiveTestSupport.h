#pragma once
// Helpers of the live-side tests: frames fed through RADAPI_extRawSetTherGraph,
// rule records, the live coordinate conversions and the point limiting that
// the library applies to hot and cold positions, written out independently
// so that the tests can predict positions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "RadioPictureWriter.h"
#include "thermcore.h"

namespace live {

constexpr int kSpan = 8192;  // normalised coordinates run 0..8191

// Live conversions: normalised to raw rounds, raw to normalised adds half a pixel.
inline int toRaw(int32_t normalised, int side)
{
    return int((int64_t(normalised) * side + kSpan / 2) / kSpan);
}
inline int32_t toNorm(int pixel, int side)
{
    return int32_t((int64_t(pixel) * kSpan + side / 2) / side);
}
// The normalised coordinate that lands on pixel p on both sides: the live
// side (rounding) and the picture side (truncating, x = X * w / 8192).
inline int32_t norm(int pixel, int side)
{
    return int32_t((int64_t(pixel) * kSpan + side - 1) / side);
}
// The largest normalised coordinate that the live side still rounds to pixel p.
inline int32_t normHigh(int pixel, int side)
{
    const int64_t upper = int64_t(pixel) * kSpan + kSpan / 2;  // first product of pixel p + 1
    return int32_t((upper + side - 1) / side - 1);
}

// ---------------------------------------------------------------- frames

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> raw;
    RedunData block{};
    bool withBlock = true;
    float baseTemp = 25.0f;

    uint16_t at(int x, int y) const { return raw[size_t(y) * size_t(width) + size_t(x)]; }
    uint16_t& at(int x, int y) { return raw[size_t(y) * size_t(width) + size_t(x)]; }
};

// Hands the frame to the live side, with its camera block behind the raw
// values when it has one.
inline int feed(const Frame& f)
{
    std::vector<uint16_t> buffer(f.raw);
    if (f.withBlock) {
        buffer.resize(f.raw.size() + sizeof(RedunData) / sizeof(uint16_t));
        std::memcpy(buffer.data() + f.raw.size(), &f.block, sizeof(RedunData));
    }
    RADAPI_ExtRawBuf record;
    std::memset(&record, 0, sizeof record);
    record.width = uint16_t(f.width);
    record.height = uint16_t(f.height);
    record.pVirtAddr = buffer.data();
    record.baseTemp = f.baseTemp;
    record.redunVersion = f.withBlock ? 1 : 0;
    return RADAPI_extRawSetTherGraph(&record);
}

// A frame with the default camera block whose raw values show the field.
inline Frame frameOf(const std::vector<float>& celsius, int w, int h, int gainMode = 0)
{
    Frame f;
    f.width = w;
    f.height = h;
    f.block = fixtures::defaultRedunData(w, h, gainMode);
    f.raw = fixtures::rawFrameFromTemperatures(f.block, fixtures::defaultPicViewInfo(), celsius);
    return f;
}

// A uniform field with a few pixels set.
inline std::vector<float> field(int w, int h, float background,
                                std::initializer_list<std::pair<std::pair<int, int>, float>> pixels = {})
{
    std::vector<float> t(size_t(w) * size_t(h), background);
    for (const auto& p : pixels) t[size_t(p.first.second) * size_t(w) + size_t(p.first.first)] = p.second;
    return t;
}

// What the library should read from a grey of a frame with a camera block,
// with emissivity 1 and no distance: the block's own curve.
inline double temperatureOfGrey(const RedunData& block, double grey)
{
    return thermcore::GreyCurve(block).temperatureOf(grey);
}

// ---------------------------------------------------------------- records

inline RADAPI_RadioMetryOptions options(float emissivity = 1.0f, float distance = 0.0f, int32_t unit = 0,
                                        float atmospheric = 25.0f, float reflected = 25.0f, int32_t humidity = 50)
{
    RADAPI_RadioMetryOptions o;
    std::memset(&o, 0, sizeof o);
    o.relativeHumidity = humidity;
    o.objectDistance = distance;
    o.atmosphericTemp = atmospheric;
    o.reflectedTemp = reflected;
    o.emissivity = emissivity;
    o.tempUnit = unit;
    return o;
}

inline int setOptions(const RADAPI_RadioMetryOptions& o)
{
    return RADAPI_setRadioMetryOptions(&o);
}

inline RADAPI_SpotRule blankRule(int32_t id, int32_t meterType)
{
    RADAPI_SpotRule r;
    std::memset(&r, 0, sizeof r);
    r.ruleId = id;
    r.meterType = meterType;
    return r;
}

inline RADAPI_SpotRule pointRule(int32_t id, ThermPoint p)
{
    RADAPI_SpotRule r = blankRule(id, 0);
    r.geom.point.x = p.x;
    r.geom.point.y = p.y;
    return r;
}

inline RADAPI_SpotRule lineRule(int32_t id, ThermPoint a, ThermPoint b)
{
    RADAPI_SpotRule r = blankRule(id, 1);
    r.geom.line.x1 = a.x;
    r.geom.line.y1 = a.y;
    r.geom.line.x2 = b.x;
    r.geom.line.y2 = b.y;
    return r;
}

// shape 2 = ellipse in the points' box, anything else = polygon.
inline RADAPI_SpotRule areaRule(int32_t id, int32_t shape, std::initializer_list<ThermPoint> points)
{
    RADAPI_SpotRule r = blankRule(id, 2);
    r.areaShape = shape;
    for (const ThermPoint& p : points) {
        if (r.geom.area.pointNumber < RADAPI_MAX_RULE_POINTS) r.geom.area.points[r.geom.area.pointNumber] = p;
        ++r.geom.area.pointNumber;
    }
    return r;
}

inline RADAPI_SpotRule withOwnParameters(RADAPI_SpotRule r, float emissivity, float distance, float reflected)
{
    r.localParamFlag = 1;
    r.emissivity = emissivity;
    r.distance = distance;
    r.reflectedTemp = reflected;
    return r;
}

inline RADAPI_SpotRules ruleSet(std::initializer_list<RADAPI_SpotRule> rules)
{
    RADAPI_SpotRules set;
    std::memset(&set, 0, sizeof set);
    for (const RADAPI_SpotRule& r : rules) set.rules[set.count++] = r;
    return set;
}

inline int setRules(std::initializer_list<RADAPI_SpotRule> rules)
{
    const RADAPI_SpotRules set = ruleSet(rules);
    return RADAPI_setRadiometryRuleConfig(&set);
}

// A result record filled with values the library never writes.
inline RADAPI_TempInfo sentinelResult()
{
    RADAPI_TempInfo t;
    t.meterType = 77;
    t.ruleId = 88;
    t.reserved0 = 99;
    t.average = 1234.5f;
    t.reserved1 = 1.5f;
    t.maximum = 2345.5f;
    t.minimum = 3456.5f;
    t.zeroInUnit = 2.5f;
    t.hot = {-7, -8};
    t.cold = {-9, -10};
    return t;
}

inline bool sameBytes(const RADAPI_TempInfo& a, const RADAPI_TempInfo& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline RADAPI_Polygon polygon(std::initializer_list<ThermPoint> points)
{
    RADAPI_Polygon p;
    std::memset(&p, 0, sizeof p);
    for (const ThermPoint& q : points) p.points[p.pointNum++] = q;
    return p;
}

// ---------------------------------------------------------------- point limiting

// Onto the segment A-B: the nearest point, or an end.
inline ThermPoint projectOntoLine(ThermPoint p, ThermPoint a, ThermPoint b)
{
    const int64_t dx = int64_t(b.x) - a.x, dy = int64_t(b.y) - a.y;
    const int64_t len = dx * dx + dy * dy;
    const int64_t t = (int64_t(p.x) - a.x) * dx + (int64_t(p.y) - a.y) * dy;
    if (len == 0 || t <= 0) return a;
    if (t >= len) return b;
    return {int32_t(a.x + t * dx / len), int32_t(a.y + t * dy / len)};
}

struct NormBox {
    int32_t minX, maxX, minY, maxY;
};

inline ThermPoint clampToBox(ThermPoint p, const NormBox& box)
{
    return {std::max(std::min(p.x, box.maxX), box.minX), std::max(std::min(p.y, box.maxY), box.minY)};
}

// Onto the ellipse inscribed in the box, along the ray from its centre.
inline ThermPoint pullOntoEllipse(ThermPoint p, const NormBox& box)
{
    const double a = (box.maxX - box.minX) * 0.5, b = (box.maxY - box.minY) * 0.5;
    const double cx = box.minX + a, cy = box.minY + b;
    if (a <= 0.0 || b <= 0.0) return p;
    const double dx = p.x - cx, dy = p.y - cy;
    const double q = (dx / a) * (dx / a) + (dy / b) * (dy / b);
    if (q <= 1.0) return p;
    const double s = std::sqrt(q);
    return {int32_t(cx + dx / s), int32_t(cy + dy / s)};
}

// ---------------------------------------------------------------- calls

inline RADAPI_TempInfo measure(int32_t ruleId, int expectedRc = 0)
{
    RADAPI_TempInfo t;
    std::memset(&t, 0, sizeof t);
    EXPECT_EQ(RADAPI_getRadiometryTemperature(ruleId, &t), expectedRc) << "ruleId " << ruleId;
    return t;
}

inline RADAPI_TempInfo measureRegion(const RADAPI_Polygon& p, int expectedRc = 0)
{
    RADAPI_TempInfo t;
    std::memset(&t, 0, sizeof t);
    EXPECT_EQ(RADAPI_getRegionTemperature(&p, &t), expectedRc);
    return t;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// ---------------------------------------------------------------- the common scene

// 160 x 120 at 25 C: a 90 C hot spot ringed by 70 C and a -10 C cold spot
// ringed by 5 C, as in the picture-side rule tests.
constexpr int kW = 160, kH = 120;
constexpr int kHotX = 100, kHotY = 30;
constexpr int kColdX = 20, kColdY = 90;
constexpr float kTol = 0.05f;

inline std::vector<float> spotScene(int w = kW, int h = kH)
{
    std::vector<float> t(size_t(w) * size_t(h), 25.0f);
    auto put = [&](int x, int y, float v) { t[size_t(y) * size_t(w) + size_t(x)] = v; };
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            put(kHotX + dx, kHotY + dy, 70.0f);
            put(kColdX + dx, kColdY + dy, 5.0f);
        }
    put(kHotX, kHotY, 90.0f);
    put(kColdX, kColdY, -10.0f);
    return t;
}

// The pixel in scene coordinates, normalised so that both sides hit it.
inline ThermPoint px(int x, int y, int w = kW, int h = kH)
{
    return {norm(x, w), norm(y, h)};
}
// Where the live side reports pixel (x, y) before limiting it to a rule.
inline ThermPoint reported(int x, int y, int w = kW, int h = kH)
{
    return {toNorm(x, w), toNorm(y, h)};
}

// Every live test starts from an initialised live side with plain options
// (emissivity 1, distance 0, unit C) and the spot scene as the current frame.
class LiveSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RADAPI_Init(), 0);
        ASSERT_EQ(setOptions(options()), 0);
        use(frameOf(spotScene(), kW, kH));
    }

    void use(const Frame& f)
    {
        frame_ = f;
        ASSERT_EQ(feed(frame_), 0);
    }

    // The temperature that pixel (x, y) of the current frame reads.
    double sceneAt(int x, int y) const { return temperatureOfGrey(frame_.block, frame_.at(x, y)); }

    Frame frame_;
};

}  // namespace live
