#include "ToneCurve.h"

#include <algorithm>

namespace enhance {

void HistogramCounter::addClamped(const uint16_t* values, size_t count)
{
    uint64_t sum = 0;
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        ++parts_[0][(values[i] >> 4) + 1];
        ++parts_[1][(values[i + 1] >> 4) + 1];
        ++parts_[2][(values[i + 2] >> 4) + 1];
        ++parts_[3][(values[i + 3] >> 4) + 1];
        sum += uint32_t(values[i]) + values[i + 1] + values[i + 2] + values[i + 3];
    }
    for (; i < count; ++i) {
        ++parts_[0][(values[i] >> 4) + 1];
        sum += values[i];
    }
    sum_ += sum;
}

FrameHistogram HistogramCounter::total() const
{
    FrameHistogram h;
    for (size_t k = 0; k < kToneNodes; ++k) h.bins[k] = parts_[0][k] + parts_[1][k] + parts_[2][k] + parts_[3][k];
    h.sum = sum_;
    return h;
}

FrameHistogram CountHistogram(const uint16_t* values, size_t count)
{
    // A row at a time through the stack, clamped on the way.
    constexpr size_t kChunk = 1024;
    uint16_t clamped[kChunk];
    HistogramCounter counter;
    for (size_t start = 0; start < count; start += kChunk) {
        const size_t n = std::min(kChunk, count - start);
        for (size_t i = 0; i < n; ++i) clamped[i] = ClampRaw(values[start + i]);
        counter.addClamped(clamped, n);
    }
    return counter.total();
}

ToneStats ComputeToneStats(const FrameHistogram& h, uint16_t width, uint16_t height)
{
    ToneStats s;
    s.rows = height;
    s.columns = width;
    const uint64_t n = uint64_t(width) * height;
    const uint64_t tail = n / 800 + 1;

    uint64_t seen = 0;
    for (size_t k = 0; k < kToneNodes; ++k) {
        seen += h.bins[k];
        if (seen >= tail) {
            s.lo = uint16_t(k);
            break;
        }
    }
    seen = 0;
    for (size_t k = kToneNodes; k-- > 0;) {
        seen += h.bins[k];
        if (seen >= tail) {
            s.hi = uint16_t(k);
            break;
        }
    }

    s.meanDiv64 = uint32_t((h.sum / n) >> 6);
    s.centre = uint16_t(std::clamp<uint32_t>(s.meanDiv64, 100, 200));
    s.span = uint16_t(std::min(6 * (s.hi - s.lo), 255));
    const int half = s.span >> 1;
    s.lower = uint16_t(std::max(s.centre - half, 0));
    s.upper = uint16_t(std::min(s.centre + half, 255));

    if (s.hi == s.lo) {
        s.ramp.fill(s.centre);
        return s;
    }
    const uint32_t step = (uint32_t(s.upper - s.lower) << 10) / uint32_t(s.hi - s.lo);
    for (size_t k = 0; k < kToneNodes; ++k) {
        if (k < s.lo)
            s.ramp[k] = s.lower;
        else if (k <= s.hi)
            s.ramp[k] = ((step * uint32_t(k - s.lo)) >> 10) + s.lower;
        else
            s.ramp[k] = s.ramp[s.hi];
    }
    return s;
}

NodeTable PlateauEqualise(const Histogram& h, const ToneStats& s)
{
    const uint64_t n = uint64_t(s.rows) * s.columns;
    // Kept wide: as 16 bits it would wrap above 1703935 pixels.
    const uint64_t plateau = n / 26;

    NodeTable c;
    uint64_t clipped = 0;  // bins above the plateau
    uint64_t kept = 0;     // pixels left after clipping
    for (size_t k = 0; k < kToneNodes; ++k) {
        c[k] = uint32_t(std::min<uint64_t>(h[k], plateau));
        if (h[k] > plateau) ++clipped;
        kept += c[k];
    }
    uint64_t sparse = 0;  // bins between the tails holding 0 or 1 pixel
    for (size_t k = s.lo; k <= s.hi; ++k)
        if (h[k] < 2) ++sparse;
    for (size_t k = size_t(s.hi) + 1; k < kToneNodes; ++k) c[k] = 0;

    // The clipped bins lie between the tails (each tail bin holds fewer
    // than N / 800 + 1 <= plateau pixels), so the even-share count is
    // never negative.
    const uint64_t excess = (n - kept) << 13;  // E in units of 1/8192
    uint64_t unclipped = kept - plateau * clipped;
    if (unclipped == 0) unclipped = 1;
    int64_t sharing = int64_t(s.hi - s.lo) - int64_t(sparse) - int64_t(clipped) + 1;
    if (sharing <= 0) sharing = 1;
    const uint64_t proportional = excess / unclipped;
    const uint64_t even = (excess / uint64_t(sharing)) >> 14;

    std::array<uint64_t, kToneNodes> running{};
    uint64_t total = 0;
    for (size_t k = s.lo; k < kToneNodes; ++k) {
        // A bin at the plateau stays there whatever its share; below it,
        // count <= unclipped, so count x share <= excess < 2^45.
        if (c[k] != 0 && c[k] < plateau)
            c[k] = uint32_t(std::min<uint64_t>(c[k] + ((c[k] * proportional) >> 14) + even, plateau));
        total += c[k];
        running[k] = total;
    }

    // total is at least one for a plateau of one or more (bin lo is never empty).
    const uint64_t scale = total ? (uint64_t(s.upper - s.lower) << 20) / total : 0;
    for (size_t k = 0; k < kToneNodes; ++k) c[k] = uint32_t((running[k] * scale) >> 20) + s.lower;
    return c;
}

ToneCurve BuildToneCurve(const uint16_t* frame, uint16_t width, uint16_t height)
{
    return BuildToneCurve(CountHistogram(frame, size_t(width) * height), width, height);
}

ToneCurve BuildToneCurve(const FrameHistogram& h, uint16_t width, uint16_t height)
{
    const size_t n = size_t(width) * height;
    const ToneStats s = ComputeToneStats(h, width, height);
    ToneCurve curve;
    if (s.hi == s.lo) {
        curve.fill(uint16_t(s.centre * 64));
        return curve;
    }
    // Tiny frames take the ramp alone: under 26 pixels the plateau is 0 and
    // the equalisation would divide by zero, and a frame thinner than the
    // 3 x 3 window has no histogram worth equalising.
    if (width < 3 || height < 3 || n < 26) {
        for (size_t k = 0; k < kToneNodes; ++k) curve[k] = uint16_t(64 * s.ramp[k]);
        return curve;
    }
    const NodeTable equalised = PlateauEqualise(h.bins, s);
    for (size_t k = 0; k < kToneNodes; ++k) curve[k] = uint16_t(12 * s.ramp[k] + 52 * equalised[k]);
    return curve;
}

}  // namespace enhance
