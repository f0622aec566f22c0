// Grey-temperature curve: piecewise linear, breakpoint k holding the
// temperature x(k) and the grey rise y(k) over the segment that ends at it.
#include <algorithm>
#include <iterator>
#include <cmath>

#include "thermcore.h"

namespace thermcore {

GreyCurve::GreyCurve(const CurvePoint* points, int count, const TecRecord& tec, uint32_t baseGray, float realBaseTemp)
    : baseGray_(baseGray), realBaseTemp_(realBaseTemp)
{
    std::fill(std::begin(x_), std::end(x_), 0.0f);
    std::fill(std::begin(y_), std::end(y_), 0.0f);
    std::fill(std::begin(prefix_), std::end(prefix_), 0.0);
    // A count from a file indexes the fixed curve: anything outside 2..30
    // cannot describe a segment and is refused rather than read past.
    if (!points || count < 2 || count > THERMCORE_CURVE_POINTS) {
        status_ = THERMCORE_ERR_CURVE_ORDER;
        return;
    }
    n_ = count;
    for (int k = 0; k < n_; ++k) {
        x_[k] = points[k].temperature;
        y_[k] = points[k].increment;
    }

    // Cooler drift: every segment but the reference one gains a share of
    // (tempCur - temp0) * self_com that falls off geometrically with its
    // distance from the reference segment.
    if (tec.enable == 1) {
        y_[0] = 0.0f;
        const double drift = (double(tec.tempCur) - tec.temp0) * tec.self_com;
        for (int k = 1; k < n_; ++k) {
            if (k == tec.segFlag) continue;
            const double b = k < tec.segFlag ? 1.0 / std::pow(double(tec.offset[0]), double(tec.segFlag) - k)
                                             : std::pow(double(tec.offset[2]), double(k) - tec.segFlag);
            y_[k] = float(y_[k] + drift * b);
        }
    }

    for (int k = 0; k < n_; ++k) {
        if (!std::isfinite(x_[k]) || !std::isfinite(y_[k])) {
            status_ = THERMCORE_ERR_CURVE_ORDER;
            return;
        }
    }
    // Decreasing breakpoints (the last pair is not checked), and segments
    // that would divide by zero: equal breakpoint temperatures or no grey rise.
    for (int k = 0; k + 2 < n_; ++k) {
        if (x_[k + 1] - x_[k] < 0.0f) {
            status_ = THERMCORE_ERR_CURVE_ORDER;
            return;
        }
    }
    for (int k = 1; k < n_; ++k) {
        if (x_[k] == x_[k - 1] || y_[k] == 0.0f) {
            status_ = THERMCORE_ERR_CURVE_ORDER;
            return;
        }
    }
    for (int k = 2; k < n_; ++k) prefix_[k] = prefix_[k - 1] + y_[k - 1];
}

GreyCurve::GreyCurve(const RedunData& block)
    : GreyCurve(block.curve, block.curveCount, block.tec, block.baseGray, block.realBaseTemp)
{
}

double GreyCurve::cumulative(double t, bool* ok) const
{
    int k = 1;
    while (k < n_ - 1 && !(t <= x_[k])) ++k;
    const double sum = prefix_[k];
    const double span = double(x_[k]) - x_[k - 1];
    *ok = span != 0.0;
    return *ok ? sum + (t - x_[k - 1]) * y_[k] / span : 0.0;
}

double GreyCurve::greyOf(double t) const
{
    if (status_ != 0.0f) return status_;
    if (realBaseTemp_ > x_[n_ - 1] || realBaseTemp_ < x_[0]) return THERMCORE_ERR_BASE_TEMP;
    bool okT = false, okBase = false;
    const double g = double(baseGray_) + cumulative(t, &okT) - cumulative(realBaseTemp_, &okBase);
    return okT && okBase && std::isfinite(g) ? g : THERMCORE_ERR_CURVE_ORDER;
}

double GreyCurve::temperatureOf(double g) const
{
    if (status_ != 0.0f) return status_;
    if (realBaseTemp_ >= x_[n_ - 1] || realBaseTemp_ <= x_[0]) return THERMCORE_ERR_BASE_TEMP;
    bool ok = false;
    double s = g - double(baseGray_) + cumulative(realBaseTemp_, &ok);
    if (!ok) return THERMCORE_ERR_CURVE_ORDER;
    int k = 1;
    while (y_[k] < s && k < n_ - 1) {
        s -= y_[k];
        ++k;
    }
    const double t = x_[k - 1] + s / y_[k] * (double(x_[k]) - x_[k - 1]);
    if (!std::isfinite(t)) return THERMCORE_ERR_CURVE_ORDER;
    return std::min(t, double(x_[n_ - 1]));
}

}  // namespace thermcore
