#include "EmissivityCompensation.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <utility>

namespace thermcore {

namespace {

// ---------------------------------------------------------------------------
// Built-in table. Its coefficients come from a radiance model of the 8-14 um
// band: an object at T_obj with emissivity e in surroundings at T_amb reads
// T_app with L(T_app) = e L(T_obj) + (1 - e) L(T_amb). For every breakpoint
// T_app the object temperatures over a grid of emissivities are fitted with
// the half's form (upper: h e^g, lower: h / e + g).
// ---------------------------------------------------------------------------

constexpr double kKelvin = 273.15;
constexpr float kBuiltInAmbient = 25.0f;

constexpr float kUpperBreakpoints[] = {
    28.0f,  30.2f,  34.95f, 40.02f, 45.03f, 50.03f, 55.01f, 60.0f,  70.01f, 80.02f, 100.1f, 120.0f,
    140.0f, 160.0f, 180.0f, 200.0f, 220.0f, 240.0f, 260.0f, 280.0f, 300.0f, 325.0f, 350.0f, 375.0f,
    400.0f, 425.0f, 450.0f, 475.0f, 500.0f, 525.0f, 550.0f, 575.0f, 600.0f, 625.0f, 650.0f,
};
// Below the upper half's first breakpoint; the last lies just under it
// because the lower half does not extrapolate upwards.
constexpr float kLowerBreakpoints[] = {-40.0f, -20.0f, 0.0f, 10.0f, 20.0f, 25.0f, 27.99f};

constexpr int kUpperCount = sizeof kUpperBreakpoints / sizeof kUpperBreakpoints[0];
constexpr int kLowerCount = sizeof kLowerBreakpoints / sizeof kLowerBreakpoints[0];
static_assert(kUpperCount == 35 && kLowerCount == 7, "built-in breakpoint counts");

// Object temperatures below this are read as the calculation cores' lower
// limits anyway; fitting them would only bend the fit where it matters.
constexpr double kFitFloor = -40.0;

// Emissivity grids of the two classes.
constexpr int kGridPoints = 21;
double highGrid(int k)
{
    return 0.5 + 0.025 * k;
}  // 0.5 .. 1.0
double lowGrid(int k)
{
    return 0.1 + 0.02 * k;
}  // 0.1 .. 0.5

// Blackbody radiance over 8-14 um (arbitrary scale) and its slope in T.
double bandRadiance(double kelvin, double* slope)
{
    constexpr double kC2 = 14387.77;  // um K
    constexpr int kSteps = 24;        // Simpson, even
    constexpr double kFrom = 8.0;
    constexpr double kTo = 14.0;
    const double step = (kTo - kFrom) / kSteps;
    double sum = 0.0;
    double dsum = 0.0;
    for (int k = 0; k <= kSteps; ++k) {
        const double lambda = kFrom + step * k;
        const double w = (k == 0 || k == kSteps) ? 1.0 : (k % 2 ? 4.0 : 2.0);
        const double x = kC2 / (lambda * kelvin);
        const double em1 = std::expm1(x);
        const double l5 = 1.0 / std::pow(lambda, 5);
        sum += w * l5 / em1;
        dsum += w * l5 * (em1 + 1.0) * x / (kelvin * em1 * em1);
    }
    if (slope) *slope = dsum * step / 3.0;
    return sum * step / 3.0;
}

constexpr double kMinKelvin = 20.0;
constexpr double kMaxKelvin = 100000.0;

// Inverse of bandRadiance: Newton's method kept inside a shrinking bracket.
double bandTemperature(double radiance)
{
    double lo = kMinKelvin;
    double hi = kMaxKelvin;
    double t = 300.0;
    for (int iter = 0; iter < 200; ++iter) {
        double slope = 0.0;
        const double l = bandRadiance(t, &slope);
        if (l > radiance)
            hi = t;
        else
            lo = t;
        double next = t - (l - radiance) / slope;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - t) < 1e-10 * t) return next;
        t = next;
    }
    return t;
}

// Temperature (C) of an object of emissivity e that reads `apparent` (C) in
// surroundings at `ambient` (C); NaN when no object temperature would.
double objectTemperature(double apparent, double e, double ambient)
{
    const double target =
        (bandRadiance(apparent + kKelvin, nullptr) - (1.0 - e) * bandRadiance(ambient + kKelvin, nullptr)) / e;
    if (!(target > bandRadiance(kMinKelvin, nullptr))) return std::nan("");
    return bandTemperature(target) - kKelvin;
}

// Least squares of y = a + b x; false with fewer than two distinct x.
bool fitLine(const double* x, const double* y, int n, double* a, double* b)
{
    if (n < 2) return false;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int k = 0; k < n; ++k) {
        sx += x[k];
        sy += y[k];
        sxx += x[k] * x[k];
        sxy += x[k] * y[k];
    }
    const double det = n * sxx - sx * sx;
    if (std::fabs(det) < 1e-12) return false;
    *b = (n * sxy - sx * sy) / det;
    *a = (sy - *b * sx) / n;
    return true;
}

// Least squares of y = y0 + b x through a fixed point (0, y0).
bool fitSlope(const double* x, const double* y, int n, double y0, double* b)
{
    double sxx = 0, sxy = 0;
    for (int k = 0; k < n; ++k) {
        sxx += x[k] * x[k];
        sxy += x[k] * (y[k] - y0);
    }
    if (sxx <= 0.0) return false;
    *b = sxy / sxx;
    return true;
}

// Upper half, result h e^g: fit log T_obj = log h + g log e. The class that
// contains e = 1 is held to h = T_app so that emissivity 1 changes nothing.
void fitUpper(double apparent, double ambient, bool highClass, double* h, double* g)
{
    double x[kGridPoints];
    double y[kGridPoints];
    int n = 0;
    for (int k = 0; k < kGridPoints; ++k) {
        const double e = highClass ? highGrid(k) : lowGrid(k);
        if (e >= 1.0) continue;
        const double obj = objectTemperature(apparent, e, ambient);
        if (!(obj > 0.0)) continue;
        x[n] = std::log(e);
        y[n] = std::log(obj);
        ++n;
    }
    double logH = std::log(apparent);
    double slope = -1.0;
    if (highClass) {
        fitSlope(x, y, n, logH, &slope);
    } else if (!fitLine(x, y, n, &logH, &slope)) {
        logH = std::log(apparent);
        slope = -1.0;
    }
    *h = std::exp(logH);
    *g = slope;
}

// Lower half, result h / e + g: a straight line in 1/e. Where the model has
// too few object temperatures above the fit floor, radiance is taken as
// linear in temperature, which gives h = T_app - T_amb and g = T_amb.
void fitLower(double apparent, double ambient, bool highClass, double* h, double* g)
{
    double x[kGridPoints];
    double y[kGridPoints];
    int n = 0;
    for (int k = 0; k < kGridPoints; ++k) {
        const double e = highClass ? highGrid(k) : lowGrid(k);
        if (e >= 1.0) continue;
        const double obj = objectTemperature(apparent, e, ambient);
        if (!(obj >= kFitFloor)) continue;
        // Held to h + g = T_app in the class of e = 1: fit in 1/e - 1.
        x[n] = highClass ? 1.0 / e - 1.0 : 1.0 / e;
        y[n] = obj;
        ++n;
    }
    double a = 0.0;
    double b = 0.0;
    bool fitted = false;
    if (highClass) {
        fitted = n >= 1 && fitSlope(x, y, n, apparent, &b);
        a = apparent - b;
    } else {
        fitted = fitLine(x, y, n, &a, &b);
    }
    if (!fitted) {
        b = apparent - ambient;
        a = ambient;
    }
    *h = b;
    *g = a;
}

void fillHalf(EmissivityCompensation::Half& half, const float* breakpoints, int count, double ambient, bool upper)
{
    std::memset(&half, 0, sizeof half);
    half.count = count;
    for (int i = 0; i < count; ++i) {
        half.breakpoints[i] = breakpoints[i];
        const double apparent = breakpoints[i];
        auto fit = upper ? fitUpper : fitLower;
        fit(apparent, ambient, true, &half.hHigh[i], &half.gHigh[i]);
        fit(apparent, ambient, false, &half.hLow[i], &half.gLow[i]);
    }
}

EmissivityCompensation makeBuiltIn()
{
    EmissivityCompensation::Set set;
    fillHalf(set.upper, kUpperBreakpoints, kUpperCount, kBuiltInAmbient, true);
    fillHalf(set.lower, kLowerBreakpoints, kLowerCount, kBuiltInAmbient, false);
    return EmissivityCompensation({kBuiltInAmbient}, {set});
}

// h and g of one set for temperature t, from the chosen half and class.
struct Coefficients {
    double h;
    double g;
    bool lowerHalf;
};

bool coefficients(const EmissivityCompensation::Set& set, bool lowClass, float t, Coefficients* out)
{
    const EmissivityCompensation::Half& upper = set.upper;
    const bool lowerHalf = upper.count < 1 || t < upper.breakpoints[0];
    const EmissivityCompensation::Half& half = lowerHalf ? set.lower : set.upper;
    const int q = half.count;
    if (q < 1 || q > EmissivityCompensation::kMaxBreakpoints) return false;
    const double* h = lowClass ? half.hLow : half.hHigh;
    const double* g = lowClass ? half.gLow : half.gHigh;

    int i = 0;
    while (i < q && !(half.breakpoints[i] > t)) ++i;
    out->lowerHalf = lowerHalf;
    if (i == 0 || i == q) {
        const int k = i == 0 ? 0 : q - 1;
        out->h = h[k];
        out->g = g[k];
        return true;
    }
    // breakpoints[i - 1] <= t < breakpoints[i], so the span is positive.
    const double x0 = half.breakpoints[i - 1];
    const double w = (t - x0) / (half.breakpoints[i] - x0);
    out->h = h[i - 1] + (h[i] - h[i - 1]) * w;
    out->g = g[i - 1] + (g[i] - g[i - 1]) * w;
    return true;
}

}  // namespace

EmissivityCompensation::EmissivityCompensation(std::vector<float> atmosphericTemps, std::vector<Set> sets)
    : temps_(std::move(atmosphericTemps)), sets_(std::move(sets))
{
    // A set without a temperature (or the reverse) cannot be chosen.
    const size_t n = temps_.size() < sets_.size() ? temps_.size() : sets_.size();
    temps_.resize(n);
    sets_.resize(n);
}

const EmissivityCompensation& EmissivityCompensation::builtIn()
{
    static const EmissivityCompensation table = makeBuiltIn();
    return table;
}

int EmissivityCompensation::compensate(float* out, float atmosphericTemp, float emissivity, float t) const
{
    if (!out) return -1;
    if (sets_.empty()) {
        *out = t;
        return -1;
    }
    if (!(emissivity >= 0.0f && emissivity <= 1.0f)) return -1;
    if (std::fabs(atmosphericTemp - 25.0f) < 0.01f && std::fabs(t - 28.0f) < 0.01f) {
        *out = 28.2f;
        return 0;
    }
    if (!std::isfinite(t)) return -1;

    // The first set warmer than the atmosphere and the one before it; the
    // first or last set alone outside the table.
    const int count = static_cast<int>(sets_.size());
    int upper = 0;
    while (upper < count && !(temps_[upper] > atmosphericTemp)) ++upper;
    int lower = upper - 1;
    if (upper == 0) lower = 0;
    if (upper == count) upper = lower = count - 1;

    const bool lowClass = emissivity < 0.5f;
    Coefficients a{};
    Coefficients b{};
    if (!coefficients(sets_[lower], lowClass, t, &a) || !coefficients(sets_[upper], lowClass, t, &b)) return -1;
    if (a.lowerHalf != b.lowerHalf) return -1;

    double h = a.h;
    double g = a.g;
    if (lower != upper) {
        const double w = (static_cast<double>(atmosphericTemp) - temps_[lower]) /
                         (static_cast<double>(temps_[upper]) - temps_[lower]);
        h += (b.h - a.h) * w;
        g += (b.g - a.g) * w;
    }
    const double e = emissivity;
    const double result = a.lowerHalf ? h / e + g : h * std::pow(e, g);
    // Emissivity 0 has no object temperature.
    if (!std::isfinite(result) || std::fabs(result) > FLT_MAX) return -1;
    *out = static_cast<float>(result);
    return 0;
}

}  // namespace thermcore
