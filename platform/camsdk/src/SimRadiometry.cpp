#include "SimRadiometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace camsdk {

namespace {

// Factory curves: the radiometry library's default grey-difference tables
// (temperature C, grey rise of the segment ending there).
constexpr CurvePoint kLowCurve[] = {
    {-30, 0},   {-20, 162}, {-10, 199}, {0, 236},   {10, 273},  {20, 310},  {30, 328},
    {40, 345},  {50, 363},  {60, 405},  {70, 447},  {80, 489},  {90, 525},  {100, 561},
    {110, 597}, {120, 630}, {130, 662}, {140, 694}, {150, 726}, {160, 758},
};
constexpr CurvePoint kHighCurve[] = {
    {-30, 0},   {10, 133},  {50, 209},  {90, 285},  {130, 382}, {170, 467}, {210, 554}, {250, 620},
    {290, 697}, {330, 749}, {370, 790}, {410, 831}, {450, 872}, {490, 914}, {530, 955}, {570, 996},
};

// Distance-factor thresholds Ht1, Lt1, Ht2, Lt2 and the band limits: equal
// pairs would make the distance factor fail at any non-default distance.
constexpr float kLowThresholds[4] = {139.4f, 30.0f, 137.1f, 29.7f};
constexpr float kHighThresholds[4] = {278.1f, 56.8f, 270.5f, 55.8f};
constexpr uint32_t kDistLd = 1600;
constexpr uint32_t kDistHd = 2000;
// c2 = 1 makes the distance polynomial the identity on both sides; all
// zero would turn every reading of 30 C or more into 30.0.
constexpr double kDistCoef[8] = {0, 0, 1, 0, 0, 0, 0, 0};
constexpr float kDefaultDistance = 1.0f;
constexpr char kModelCode[] = "SIMCAM";

// Where the earlier layout keeps the current layout's fields.
struct FieldMove {
    uint16_t current, earlier, size;
};
constexpr FieldMove kEarlierMoves[] = {
    {0, 0, 256},      {256, 304, 4},   {260, 308, 4},  {264, 1340, 1},  {268, 392, 240}, {520, 652, 4},
    {532, 696, 4},    {536, 940, 4},   {540, 1004, 4}, {544, 1008, 32}, {576, 1064, 4},  {584, 1072, 64},
    {648, 1136, 112}, {760, 1260, 64}, {824, 1332, 8}, {1344, 1252, 4},
};

uint16_t roundHalfUp(double g)
{
    const double r = std::floor(g + 0.5);
    return uint16_t(r <= 0.0 ? 0.0 : std::min(r, double(SimRadiometry::kMaxRaw)));
}

// Temperatures x 10, rounded half away from zero, as a signed 16-bit word.
uint16_t tenthsWord(double celsius)
{
    const double r = std::round(10.0 * celsius);
    return uint16_t(int16_t(std::clamp(r, -32768.0, 32767.0)));
}

}  // namespace

SimRadiometry::SimRadiometry() : block_(makeBlock(16, 16, Settings())), model_(block_)
{
    reflectedGrey_ = model_.reflectedGrey(kReflectedTemp);
}

void SimRadiometry::setSettings(const Settings& settings)
{
    if (settings.gainMode != settings_.gainMode || settings.rawType != settings_.rawType ||
        settings.defectsShown != settings_.defectsShown)
        staticValid_ = false;
    settings_ = settings;
    rebuildModel(block_.windowWidth, block_.windowHeight);
}

RedunData SimRadiometry::makeBlock(int width, int height, const Settings& s)
{
    RedunData b;
    std::memset(&b, 0, sizeof b);
    const bool high = s.gainMode != 0;
    const CurvePoint* curve = high ? kHighCurve : kLowCurve;
    const int count = high ? int(std::size(kHighCurve)) : int(std::size(kLowCurve));
    b.curveCount = uint8_t(count);
    std::copy(curve, curve + count, b.curve);
    b.realBaseTemp = kBaseTemp;
    b.baseGray = kBaseGray;
    b.gainMode = high ? 1 : 0;
    std::memcpy(b.modelCode, kModelCode, sizeof kModelCode);
    b.tempDataFlag = s.rawType == 1 ? 1 : 0;
    std::copy(std::begin(kDistCoef), std::end(kDistCoef), b.distCoef);
    b.humidity = s.humidity;
    b.distance = s.distance;
    b.envTemp = s.ambient;
    b.reflectedTemp = kReflectedTemp;
    b.emissivity = s.emissivity;
    std::copy(std::begin(kLowThresholds), std::end(kLowThresholds), b.lowThresholds);
    std::copy(std::begin(kHighThresholds), std::end(kHighThresholds), b.highThresholds);
    b.distLd = kDistLd;
    b.distHd = kDistHd;
    b.windowWidth = uint16_t(width);
    b.windowHeight = uint16_t(height);
    b.defaultDistance = kDefaultDistance;
    return b;
}

void SimRadiometry::encodeEarlier(const RedunData& block, uint8_t* out)
{
    const auto* src = reinterpret_cast<const uint8_t*>(&block);
    std::memset(out, 0, sizeof(RedunData));
    for (const FieldMove& m : kEarlierMoves) std::memcpy(out + m.earlier, src + m.current, m.size);
}

void SimRadiometry::rebuildModel(int width, int height)
{
    block_ = makeBlock(width, height, settings_);
    model_ = thermcore::GreyModel(block_);
    reflectedGrey_ = model_.reflectedGrey(kReflectedTemp);
}

uint16_t SimRadiometry::rawOf(double celsius, double sceneEmissivity) const
{
    if (settings_.rawType == 1) return tenthsWord(celsius);
    thermcore::MeasureParams p;
    p.emissivity = float(sceneEmissivity);
    p.reflectedTemp = kReflectedTemp;
    const double g = model_.greyForTemperature(celsius, p, reflectedGrey_);
    return thermcore::isErrorTemperature(g) ? 0 : roundHalfUp(g);
}

template <typename Covers>
void SimRadiometry::applyDefects(const SimScene& scene, uint16_t* raw, const SimScene::PixelRect& r,
                                 Covers covers) const
{
    if (!settings_.defectsShown || !scene.params().defectsOn) return;
    const size_t w = size_t(scene.width());
    const int col = scene.badColumn();
    if (col >= r.x0 && col < r.x1) {
        for (int y = r.y0; y < r.y1; ++y) {
            uint16_t& v = raw[size_t(y) * w + size_t(col)];
            if (covers(col, y)) v = uint16_t(std::min<int>(v + SimScene::kBadColumnOffset, kMaxRaw));
        }
    }
    for (const SimScene::StuckPixel& p : scene.stuckPixels()) {
        if (p.x >= r.x0 && p.x < r.x1 && p.y >= r.y0 && p.y < r.y1 && covers(p.x, p.y))
            raw[size_t(p.y) * w + size_t(p.x)] = p.raw;
    }
}

void SimRadiometry::rebuildStatic(const SimScene& scene)
{
    const int w = scene.width(), h = scene.height();
    static_.resize(size_t(w) * size_t(h));
    const double e = scene.params().sceneEmissivity;
    for (int y = 0; y < h; ++y) {
        uint16_t* row = static_.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) row[x] = rawOf(scene.staticTemperatureAt(x, y), e);
    }
    applyDefects(scene, static_.data(), {0, 0, w, h}, [](int, int) { return true; });
    staticValid_ = true;
    staticRevision_ = scene.revision();
    staticWidth_ = w;
    staticHeight_ = h;
}

void SimRadiometry::render(const SimScene& scene, uint16_t* raw, RedunData* block)
{
    const int w = scene.width(), h = scene.height();
    if (w != block_.windowWidth || h != block_.windowHeight) rebuildModel(w, h);
    if (!staticValid_ || staticRevision_ != scene.revision() || staticWidth_ != w || staticHeight_ != h)
        rebuildStatic(scene);

    std::memcpy(raw, static_.data(), static_.size() * sizeof(uint16_t));

    // The flat disc is one value; only its ramp needs the model per pixel.
    const SimScene::PixelRect r = scene.hotSquare();
    const double e = scene.params().sceneEmissivity;
    const double flatTemp = scene.params().hotTemp;
    const uint16_t flatRaw = rawOf(flatTemp, e);
    for (int y = r.y0; y < r.y1; ++y) {
        uint16_t* row = raw + size_t(y) * size_t(w);
        for (int x = r.x0; x < r.x1; ++x) {
            if (!scene.hotCovers(x, y)) continue;
            const double t = scene.temperatureAt(x, y);
            row[x] = t == flatTemp ? flatRaw : rawOf(t, e);
        }
    }
    applyDefects(scene, raw, r, [&scene](int x, int y) { return scene.hotCovers(x, y); });
    if (block) *block = block_;
}

void SimRadiometry::renderUniform(double celsius, double sceneEmissivity, size_t pixels, uint16_t* raw)
{
    std::fill(raw, raw + pixels, rawOf(celsius, sceneEmissivity));
}

}  // namespace camsdk
