// Grey-temperature curve: piecewise linear, breakpoint k holding the
// temperature x(k) and the grey rise y(k) over the segment that ends at it.
#include <algorithm>
#include <iterator>
#include <cmath>

#include "thermcore.h"

namespace thermcore {

namespace {

// T of residual s within segment k (file-local so that the batch inlines it).
inline double along(const float* x, const float* y, int n, int k, double s)
{
    const double t = x[k - 1] + s / y[k] * (double(x[k]) - x[k - 1]);
    if (!std::isfinite(t)) return THERMCORE_ERR_CURVE_ORDER;
    return std::min(t, double(x[n - 1]));
}

}  // namespace

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

    // The walk of temperatureOf subtracts y(1), y(2), ... one at a time.
    // While every walked y is positive and a whole multiple of a step G, and
    // s is below 2^53 G, each subtraction is exact: the residual of segment k
    // is then s - prefix(k), and a batch can find the segment by moving from
    // the one of the grey before instead of walking from the first.
    double grain = HUGE_VAL;
    bool positive = true;
    for (int k = 1; k + 1 < n_ && positive; ++k) {
        positive = y_[k] > 0.0f;
        // A float is a whole multiple of its own last mantissa bit.
        if (positive) grain = std::min(grain, std::ldexp(1.0, std::max(std::ilogb(y_[k]) - 23, -149)));
    }
    const double limit = std::ldexp(grain, 53);
    exactBelow_ = positive && prefix_[n_ - 1] < limit ? limit : -HUGE_VAL;
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

double GreyCurve::baseOffset(double* offset) const
{
    if (status_ != 0.0f) return status_;
    if (realBaseTemp_ >= x_[n_ - 1] || realBaseTemp_ <= x_[0]) return THERMCORE_ERR_BASE_TEMP;
    bool ok = false;
    *offset = cumulative(realBaseTemp_, &ok);
    return ok ? 0.0 : THERMCORE_ERR_CURVE_ORDER;
}

double GreyCurve::walk(double s) const
{
    int k = 1;
    while (y_[k] < s && k < n_ - 1) {
        s -= y_[k];
        ++k;
    }
    return along(x_, y_, n_, k, s);
}

double GreyCurve::temperatureOf(double g) const
{
    double offset = 0.0;
    const double error = baseOffset(&offset);
    if (error != 0.0) return error;
    return walk(g - double(baseGray_) + offset);
}

void GreyCurve::temperaturesOf(const double* g, int count, double* out) const
{
    double offset = 0.0;
    const double error = baseOffset(&offset);
    if (error != 0.0) {
        std::fill(out, out + count, error);
        return;
    }
    int k = 1;
    for (int i = 0; i < count; ++i) {
        const double s = g[i] - double(baseGray_) + offset;
        if (!(s < exactBelow_)) {
            out[i] = walk(s);
            continue;
        }
        // prefix_ rises, so the segment is the one whose prefix lies below s
        // and whose successor's does not (the last segment takes the rest).
        while (k < n_ - 1 && prefix_[k + 1] < s) ++k;
        while (k > 1 && !(prefix_[k] < s)) --k;
        out[i] = along(x_, y_, n_, k, s - prefix_[k]);
    }
}

}  // namespace thermcore
