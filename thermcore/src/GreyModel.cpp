// The picture side's per-grey calculation: the grey of one pixel (or the
// mean or an extreme of an area) through emissivity, curve, emissivity and
// distance compensation to a limited temperature.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "DistanceCompensation.h"
#include "EmissivityCompensation.h"
#include "FixedText.h"
#include "Logger.h"
#include "thermcore.h"

namespace thermcore {

namespace {

struct ModelLimit {
    const char* code;
    float maximum;
};
// High-range upper limits of the camera models that differ from 600 C.
constexpr ModelLimit kModelLimits[] = {
    {"VXT-QA7301-RM", 550.0f}, {"VXT-QB6402-RM", 550.0f}, {"VXT-QA7302-RM", 550.0f},
    {"VXT-QB6903-RM", 650.0f}, {"VXT-QB6904-RM", 650.0f},
};
constexpr float kDefaultModelMaximum = 600.0f;
constexpr float kLowRangeMaximum = 150.0f;

using Side = DistanceCompensation::Side;

// The temperature-rise compensation of a grey, before an extreme's truncation.
inline double risen(double grey, const RedunData& block)
{
    return grey + block.tempRiseCompensation;
}

}  // namespace

GreyModel::GreyModel(const RedunData& block) : block_(block), curve_(block) {}

float GreyModel::modelMaximum() const
{
    const size_t len = FixedText::length(block_.modelCode, sizeof block_.modelCode);
    for (const ModelLimit& limit : kModelLimits) {
        if (len == std::strlen(limit.code) && std::memcmp(block_.modelCode, limit.code, len) == 0) return limit.maximum;
    }
    return kDefaultModelMaximum;
}

float GreyModel::upperLimit() const
{
    return block_.gainMode == 1 ? modelMaximum() : kLowRangeMaximum;
}

double GreyModel::compensatedGrey(double grey, bool average) const
{
    const double g = risen(grey, block_);
    return average ? g : std::trunc(g);
}

int GreyModel::temperature(double grey, const MeasureParams& params, double grayReflect, float* out) const
{
    double d = params.distance;
    if (std::fabs(d - block_.defaultDistance) <= 0.01) d = 0.0;

    const float e = params.emissivity;
    double g = grey;
    if (block_.emissModelV2 == 0) {
        if (e > 0.0f && std::isfinite(e)) {
            g = (grey - (1.0 - e) * grayReflect) / e;
        } else {
            TC_PLOG("emissivity %f out of range, emissivity step skipped", double(e));
        }
    }

    double t = curve_.temperatureOf(g);
    // An invalid curve reports itself: no compensation or limit may turn the
    // error value into a plausible temperature.
    if (isErrorTemperature(t)) {
        *out = float(t);
        return 0;
    }

    float temp = float(t);
    if (block_.emissModelV2 != 0 && std::fabs(e - 0.97f) >= 0.01f) {
        float compensated = temp;
        if (EmissivityCompensation::builtIn().compensate(&compensated, params.atmosphericTemp, e, temp) == 0)
            temp = compensated;
        else
            TC_PLOG("RADAPP_objEmissCompen failed");
    }

    const float lower = kLowerLimit;
    const float upper = upperLimit();
    auto limit = [lower, upper](float v) { return v <= lower ? lower : (v >= upper ? upper : v); };

    int rc = 0;
    float factor = 1.0f;
    const bool tableOn = block_.distTableEnable != 0;
    if (!DistanceCompensation::factor(Side::Picture, block_.lowThresholds, block_.highThresholds, block_.distLd,
                                      block_.distHd, block_.gainMode, d, &factor)) {
        TC_PLOG("RADAPP_getDistCompensation fail.");
        rc = -1;
    } else if (block_.distFactorOnly == 1) {
        temp *= factor;
    } else if (d <= block_.distHd / 100.0) {
        temp = tableOn ? DistanceCompensation::table(Side::Picture, block_.distTable, block_.envTemp, d, temp)
                       : DistanceCompensation::polynomial(Side::Picture, block_.distCoef, d, temp);
    } else if (!tableOn) {
        temp = limit(temp * factor);
        temp = DistanceCompensation::polynomial(Side::Picture, block_.distCoef, block_.distLd / 100.0, temp);
    } else {
        temp = DistanceCompensation::table(Side::Picture, block_.distTable, block_.envTemp, d, limit(temp));
    }

    *out = std::isfinite(temp) ? limit(temp) : THERMCORE_ERR_CURVE_ORDER;
    return rc;
}

void GreyModel::temperatures(int first, int step, int count, const MeasureParams& params, double grayReflect,
                             float* out) const
{
    // What temperature() works out per grey that depends on the parameters
    // alone, worked out once.
    double d = params.distance;
    if (std::fabs(d - block_.defaultDistance) <= 0.01) d = 0.0;
    const float e = params.emissivity;
    const bool emissivityStep = block_.emissModelV2 == 0 && e > 0.0f && std::isfinite(e);
    const double reflectedShare = (1.0 - e) * grayReflect;
    const bool emissivityCompensation = block_.emissModelV2 != 0 && std::fabs(e - 0.97f) >= 0.01f;

    const float lower = kLowerLimit;
    const float upper = upperLimit();
    auto limit = [lower, upper](float v) { return v <= lower ? lower : (v >= upper ? upper : v); };

    float factor = 1.0f;
    const bool factorOk = DistanceCompensation::factor(Side::Picture, block_.lowThresholds, block_.highThresholds,
                                                       block_.distLd, block_.distHd, block_.gainMode, d, &factor);
    const bool tableOn = block_.distTableEnable != 0;
    const DistanceCompensation::TableAt table(block_.distTable, block_.envTemp, d);
    const bool near = d <= block_.distHd / 100.0;
    const bool polynomial = DistanceCompensation::hasPolynomial(Side::Picture, block_.distCoef);
    const double polynomialDistance = near ? d : block_.distLd / 100.0;
    auto polynomialStep = [&](float temp) {
        return polynomial
                   ? DistanceCompensation::polynomial(Side::Picture, block_.distCoef, polynomialDistance, temp, false)
                   : temp;
    };
    auto distanceStep = [&](float temp) {
        if (!factorOk) return temp;
        if (block_.distFactorOnly == 1) return temp * factor;
        if (near) return tableOn ? table.apply(temp) : polynomialStep(temp);
        return tableOn ? table.apply(limit(temp)) : polynomialStep(limit(temp * factor));
    };

    constexpr int kChunk = 256;
    double greys[kChunk];
    double curve[kChunk];
    for (int done = 0; done < count; done += kChunk) {
        const int n = std::min(kChunk, count - done);
        for (int i = 0; i < n; ++i) {
            const double g = risen(first + (done + i) * step, block_);
            greys[i] = emissivityStep ? (g - reflectedShare) / e : g;
        }
        curve_.temperaturesOf(greys, n, curve);
        for (int i = 0; i < n; ++i) {
            if (isErrorTemperature(curve[i])) {
                out[done + i] = float(curve[i]);
                continue;
            }
            float temp = float(curve[i]);
            if (emissivityCompensation) {
                float compensated = temp;
                if (EmissivityCompensation::builtIn().compensate(&compensated, params.atmosphericTemp, e, temp) == 0)
                    temp = compensated;
            }
            temp = distanceStep(temp);
            out[done + i] = std::isfinite(temp) ? limit(temp) : THERMCORE_ERR_CURVE_ORDER;
        }
    }
}

double GreyModel::greyForTemperature(double t, const MeasureParams& params, double grayReflect) const
{
    double g = curve_.greyOf(t);
    if (isErrorTemperature(g)) return g;
    const float e = params.emissivity;
    if (block_.emissModelV2 == 0 && e > 0.0f && std::isfinite(e)) g = g * e + (1.0 - e) * grayReflect;
    return g - block_.tempRiseCompensation;
}

}  // namespace thermcore
