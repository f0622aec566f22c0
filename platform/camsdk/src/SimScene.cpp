#include "SimScene.h"

#include <algorithm>
#include <cmath>

namespace camsdk {

namespace {

constexpr double kTwoPi = 6.283185307179586;
// A disc's ramp starts this far from its flat value, so no ramp pixel shares
// the flat disc's raw value and the extremes stay exactly the flat ones.
constexpr double kRampStep = 0.5;

// Plain Euclidean distance: the scene's values never come near overflow, so
// std::hypot's care costs time for nothing.
inline double distance(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

// Blackbody patches sit on the calibration boxes of the rule space.
constexpr double kPatchV0 = 0.375, kPatchV1 = 0.625;
constexpr double kLowPatchU0 = 0.125, kLowPatchU1 = 0.375;
constexpr double kHighPatchU0 = 0.625, kHighPatchU1 = 0.875;

// Body warm-up: 25 C rising by 10 C with a 600 s time constant.
constexpr double kHousingStart = 25.0, kHousingRise = 10.0, kHousingTau = 600.0;

}  // namespace

SimScene::SimScene(int width, int height) : SimScene(width, height, Params()) {}

SimScene::SimScene(int width, int height, const Params& params) : width_(width), height_(height), params_(params)
{
    setFrame(0, 25);
}

void SimScene::setSize(int width, int height)
{
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    ++revision_;
    hotX_ = (0.5 + params_.hotPathU * std::cos(phase_)) * width_;
    hotY_ = (0.5 + params_.hotPathV * std::sin(phase_)) * height_;
}

void SimScene::setParams(const Params& params)
{
    params_ = params;
    ++revision_;
}

void SimScene::setFrame(uint64_t n, int fps)
{
    phase_ = params_.hotPhase;
    if (params_.hotMotion && fps > 0 && params_.hotPeriodS > 0.0) {
        // Whole turns dropped first, so that long sessions keep the precision.
        const double framesPerTurn = params_.hotPeriodS * fps;
        phase_ += kTwoPi * std::fmod(double(n), framesPerTurn) / framesPerTurn;
    }
    hotX_ = (0.5 + params_.hotPathU * std::cos(phase_)) * width_;
    hotY_ = (0.5 + params_.hotPathV * std::sin(phase_)) * height_;
}

double SimScene::background(int x, int y) const
{
    const double u = (x + 0.5) / width_, v = (y + 0.5) / height_;
    return params_.bgBase + params_.bgGradV * v + params_.bgGradU * u;
}

double SimScene::disc(double d, double radius, double ramp, double flat, double bg, bool* inside)
{
    *inside = d < radius + ramp;
    if (d <= radius) return flat;
    if (!*inside) return bg;
    const double start = flat + (bg >= flat ? kRampStep : -kRampStep);
    return start + (bg - start) * (d - radius) / ramp;
}

double SimScene::staticTemperatureAt(int x, int y) const
{
    const Params& p = params_;
    const double u = (x + 0.5) / width_, v = (y + 0.5) / height_;
    const double bg = p.bgBase + p.bgGradV * v + p.bgGradU * u;
    double t = bg;
    if (p.rectOn && u >= p.rectU0 && u < p.rectU1 && v >= p.rectV0 && v < p.rectV1) t = p.rectTemp;
    if (p.coldOn) {
        const double d = distance(x + 0.5 - p.coldU * width_, y + 0.5 - p.coldV * height_);
        bool inside = false;
        const double c = disc(d, p.coldRadius * width_, p.coldRamp * width_, p.coldTemp, bg, &inside);
        if (inside) t = c;
    }
    if (p.blackbodyOn && v >= kPatchV0 && v < kPatchV1) {
        if (u >= kLowPatchU0 && u < kLowPatchU1) t = p.blackbodyLow;
        if (u >= kHighPatchU0 && u < kHighPatchU1) t = p.blackbodyHigh;
    }
    return t;
}

double SimScene::hotAt(int x, int y, double under, bool* inside) const
{
    *inside = false;
    if (!params_.hotOn) return under;
    const double d = distance(x + 0.5 - hotX_, y + 0.5 - hotY_);
    const double t =
        disc(d, params_.hotRadius * width_, params_.hotRamp * width_, params_.hotTemp, background(x, y), inside);
    return *inside ? t : under;
}

double SimScene::temperatureAt(int x, int y) const
{
    const double still = staticTemperatureAt(x, y);
    bool inside = false;
    const double hot = hotAt(x, y, still, &inside);
    if (!inside || !params_.blackbodyOn) return hot;
    // The patches are drawn last: they cover the disc where they meet it.
    const double u = (x + 0.5) / width_, v = (y + 0.5) / height_;
    const bool onPatch = v >= kPatchV0 && v < kPatchV1 &&
                         ((u >= kLowPatchU0 && u < kLowPatchU1) || (u >= kHighPatchU0 && u < kHighPatchU1));
    return onPatch ? still : hot;
}

bool SimScene::hotCovers(int x, int y) const
{
    if (!params_.hotOn) return false;
    const double outer = (params_.hotRadius + params_.hotRamp) * width_;
    const double dx = x + 0.5 - hotX_, dy = y + 0.5 - hotY_;
    return dx * dx + dy * dy < outer * outer;
}

void SimScene::fill(float* out) const
{
    for (int y = 0; y < height_; ++y) {
        float* row = out + size_t(y) * size_t(width_);
        for (int x = 0; x < width_; ++x) row[x] = float(staticTemperatureAt(x, y));
    }
    const PixelRect r = hotSquare();
    for (int y = r.y0; y < r.y1; ++y) {
        float* row = out + size_t(y) * size_t(width_);
        for (int x = r.x0; x < r.x1; ++x) {
            if (hotCovers(x, y)) row[x] = float(temperatureAt(x, y));
        }
    }
}

SimScene::PixelRect SimScene::hotSquare() const
{
    if (!params_.hotOn) return {0, 0, 0, 0};
    const double outer = (params_.hotRadius + params_.hotRamp) * width_;
    auto clampTo = [](double v, int hi) { return int(std::min<double>(std::max(v, 0.0), hi)); };
    PixelRect r{clampTo(std::floor(hotX_ - outer), width_), clampTo(std::floor(hotY_ - outer), height_),
                clampTo(std::ceil(hotX_ + outer) + 1, width_), clampTo(std::ceil(hotY_ + outer) + 1, height_)};
    if (r.x1 < r.x0) r.x1 = r.x0;
    if (r.y1 < r.y0) r.y1 = r.y0;
    return r;
}

std::array<SimScene::StuckPixel, SimScene::kStuckPixels> SimScene::stuckPixels() const
{
    auto at = [](double f, int size) { return int(std::floor(f * size)); };
    return {{{at(0.05, width_), at(0.55, height_), 12000},
             {at(0.62, width_), at(0.05, height_), 2000},
             {at(0.45, width_), at(0.97, height_), 12000},
             {at(0.96, width_), at(0.40, height_), 2000}}};
}

int SimScene::badColumn() const
{
    return int(std::floor(0.40 * width_));
}

SimScene::Body SimScene::body(double sessionAgeS, double extraHeatingC)
{
    const double house =
        kHousingStart + kHousingRise * (1.0 - std::exp(-std::max(sessionAgeS, 0.0) / kHousingTau)) + extraHeatingC;
    return {house, house - 1.5, house - 0.5, house + 6.0, house + 2.0};
}

}  // namespace camsdk
