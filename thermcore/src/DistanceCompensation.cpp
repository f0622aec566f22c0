#include "DistanceCompensation.h"

#include <cfloat>
#include <cmath>

#include "Logger.h"

namespace thermcore {

namespace {

constexpr double kFloatMax = FLT_MAX;

// A double that is finite and fits a float.
bool fitsFloat(double value)
{
    return std::isfinite(value) && std::fabs(value) <= kFloatMax;
}

// Weight of x between lo and hi; equal ends take the lower entry instead of
// dividing by zero.
double weight(double x, double lo, double hi)
{
    const double span = hi - lo;
    return span == 0.0 ? 0.0 : (x - lo) / span;
}

double lerp(double a, double b, double w)
{
    return a + (b - a) * w;
}

// Index pair around x in an ascending list of n values (n >= 2): the first
// two at or below the first value, the last two above the last, otherwise the
// first value not below x and the one before it.
int upperIndex(const double* values, int n, double x)
{
    if (x <= values[0]) return 1;
    if (x > values[n - 1]) return n - 1;
    int k = 1;
    while (values[k] < x) ++k;
    return k;
}

}  // namespace

bool DistanceCompensation::factor(Side side, const float low[4], const float high[4], uint32_t ld, uint32_t hd,
                                  int32_t gainMode, double distance, float* out)
{
    const bool live = side == Side::Live;
    if (!out) {
        if (live) Logger::console("pValue is NULL");
        return false;
    }
    if (std::fabs(distance) < 0.001) {
        *out = 1.0f;
        return true;
    }
    if (ld == hd) {
        if (live)
            Logger::console("ftHd and ftLd is equal");
        else
            TC_PLOG("ftHd and ftLd is equal");
        return false;
    }
    // The live side subtracts the two distances as unsigned numbers.
    const double span =
        live ? static_cast<double>(static_cast<uint32_t>(hd - ld)) : static_cast<double>(hd) - static_cast<double>(ld);
    const double power = (distance * 100.0 - static_cast<double>(ld)) / span;

    const bool highRange = gainMode == 1;
    const float* th = highRange ? high : low;
    if (std::fabs(th[0] - th[1]) < 0.000001f) {
        const char* message = highRange ? "ftHighHt1 is to close to ftHighLt1" : "ftLowHt1 is to close to ftLowLt1";
        if (live)
            Logger::console("%s", message);
        else
            TC_PLOG("%s", message);
        return false;
    }
    const double ratio = (static_cast<double>(th[2]) - th[3]) / (static_cast<double>(th[0]) - th[1]);
    const double f = 1.0 / std::pow(ratio, power);
    if (!fitsFloat(f)) {
        if (live)
            Logger::console("distance factor is not finite, power = %f", power);
        else
            TC_PLOG("distance factor is not finite, power = %f", power);
        return false;
    }
    *out = static_cast<float>(f);
    return true;
}

bool DistanceCompensation::hasPolynomial(Side side, const double coef[8])
{
    if (side == Side::Live) return !(coef[0] == 0.0 && coef[7] == 0.0);
    // A camera without coefficients stores zeros; the polynomial would then
    // read every temperature from 30 up as 30.
    bool any = false;
    for (int i = 0; i < 8; ++i) any = any || coef[i] != 0.0;
    return any;
}

float DistanceCompensation::polynomial(Side side, const double coef[8], double distance, float t, bool logged)
{
    const bool live = side == Side::Live;
    if (!hasPolynomial(side, coef)) {
        if (live && logged) TC_LOG(LogChannel::Live, "pObj->distCoef[0] == 0.0");
        return t;
    }
    if (distance < 0.01 || t < 30.0f) {
        if (live && logged) {
            TC_LOG(LogChannel::Live, "dist  = %f,pDistCoef[0-7] = %lf, %lf, %lf, %lf, %lf, %lf, %lf, %lf", distance,
                   coef[0], coef[1], coef[2], coef[3], coef[4], coef[5], coef[6], coef[7]);
            TC_LOG(LogChannel::Live, "temper: %f, realTemper: %f", t, t);
        }
        return t;
    }

    const double d = distance;
    const double x = t;
    const double p = coef[0] + coef[1] * d + coef[3] * d * d + coef[6] * d * d * d +
                     x * (coef[2] + coef[4] * x + coef[5] * d + coef[7] * d * d);
    // Coefficients that overflow leave the temperature as it is.
    float result = fitsFloat(p) ? static_cast<float>(p) : t;
    if (result < 30.0f) result = 30.0f;

    if (!logged) return result;
    if (live) {
        TC_LOG(LogChannel::Live, "dist  = %f,pDistCoef[0-7] = %lf, %lf, %lf, %lf, %lf, %lf, %lf, %lf", distance,
               coef[0], coef[1], coef[2], coef[3], coef[4], coef[5], coef[6], coef[7]);
        TC_LOG(LogChannel::Live, "temper: %f, realTemper: %f", t, result);
    } else {
        TC_PLOG("pDistCoef[0-7] = %lf, %lf, %lf, %lf, %lf, %lf, %lf, %lf", coef[0], coef[1], coef[2], coef[3], coef[4],
                coef[5], coef[6], coef[7]);
        TC_PLOG("temper: %f, realTemper: %f", t, result);
    }
    return result;
}

DistanceCompensation::TableAt::TableAt(const DistCompTable& table, float envTemp, double distance)
    : envTemp_(envTemp), rows_(table.rowNum)
{
    if (distance < 0.001) return;
    const int cols = table.colNum;
    if (rows_ < 2 || rows_ > 10 || cols < 2 || cols > 10) {
        state_ = State::BadSize;
        return;
    }
    if (!std::isfinite(distance)) return;
    state_ = State::Active;

    // The table is stored in hundredths; the working values are floats.
    double dist[10];
    for (int j = 0; j < cols; ++j) dist[j] = static_cast<float>(table.distances[j] / 100.0f);
    const int hiCol = upperIndex(dist, cols, distance);
    const int loCol = hiCol - 1;
    const double wd = weight(distance, dist[loCol], dist[hiCol]);

    // Per object temperature: what it reads at d (apparent) and the
    // correction that belongs to it, both interpolated over distance.
    for (int i = 0; i < rows_; ++i) {
        const float temp = table.temperatures[i] / 100.0f;
        const float cLo = table.corrections[i][loCol] / 100.0f;
        const float cHi = table.corrections[i][hiCol] / 100.0f;
        const float aLo = temp - cLo;
        const float aHi = temp - cHi;
        apparent_[i] = lerp(aLo, aHi, wd);
        corr_[i] = lerp(cLo, cHi, wd);
    }
}

double DistanceCompensation::TableAt::correction(float t) const
{
    if (t < envTemp_) return 0.0;
    const int hiRow = upperIndex(apparent_, rows_, t);
    const int loRow = hiRow - 1;
    const double wt = weight(t, apparent_[loRow], apparent_[hiRow]);
    const double c = lerp(corr_[loRow], corr_[hiRow], wt);
    return !fitsFloat(c) || !fitsFloat(t + c) ? 0.0 : c;
}

float DistanceCompensation::TableAt::apply(float t) const
{
    return state_ == State::Active && std::isfinite(t) ? static_cast<float>(t + correction(t)) : t;
}

float DistanceCompensation::table(Side side, const DistCompTable& table, float envTemp, double distance, float t)
{
    const TableAt at(table, envTemp, distance);
    const bool live = side == Side::Live;
    if (at.state() == TableAt::State::BadSize) {
        if (live)
            TC_LOG(LogChannel::Live, "distance table size out of range rowNum = %d colNum = %d", table.rowNum,
                   table.colNum);
        else
            TC_PLOG("distance table size out of range rowNum = %d colNum = %d", table.rowNum, table.colNum);
        return t;
    }
    if (at.state() == TableAt::State::Off || !std::isfinite(t)) return t;

    const double correction = at.correction(t);
    const float result = static_cast<float>(t + correction);
    if (!live) {
        TC_PLOG("dist = %f, temper = %f,  realCofe = %f realTemper = %f  ", distance, t, correction,
                static_cast<double>(result));
    }
    return result;
}

}  // namespace thermcore
