// The tone curve of a raw frame and the mapping of one pixel through it.
// The curve comes from the frame's histogram: 1025 bins of 16 input values,
// tails clipped at N / 800 + 1 pixels, a centre from the mean, plateau
// equalisation (plateau N / 26) blended 52 : 12 with a linear ramp. All in
// integer fixed point; everything here is on the caller's stack, so any
// number of threads may build curves at once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace enhance {

// Detector values carry 14 bits; larger words are clamped to this first,
// so they stay inside the histogram and the base layer.
constexpr uint16_t kMaxRawValue = 16383;
// Bin 0 (always empty) and one bin per 16 input values.
constexpr size_t kToneNodes = 1025;

using Histogram = std::array<uint32_t, kToneNodes>;
using NodeTable = std::array<uint32_t, kToneNodes>;
// Output level per node in 1/64 grey levels (0 ... 255 * 64); node k sits at
// input value 16 * k.
using ToneCurve = std::array<uint16_t, kToneNodes>;

inline uint16_t ClampRaw(uint16_t value)
{
    return value > kMaxRawValue ? kMaxRawValue : value;
}

// A clamped value v counts in bin (v >> 4) + 1.
struct FrameHistogram {
    Histogram bins{};
    uint64_t sum = 0;  // of the clamped values
};

// Counts a frame a stretch at a time (a row as it is copied, say). Four
// partial histograms in turn: on a quiet scene neighbours share a bin, and
// one counter would make every increment wait for the one before.
class HistogramCounter {
public:
    // values must already be clamped to kMaxRawValue.
    void addClamped(const uint16_t* values, size_t count);
    FrameHistogram total() const;

private:
    std::array<Histogram, 4> parts_{};
    uint64_t sum_ = 0;
};

FrameHistogram CountHistogram(const uint16_t* values, size_t count);

// Statistics of one frame. On a flat frame (hi == lo) the ramp holds the
// centre throughout.
struct ToneStats {
    uint16_t rows = 0;
    uint16_t columns = 0;
    uint32_t meanDiv64 = 0;
    uint16_t hi = 0;  // bin where the brightest N / 800 + 1 pixels are reached
    uint16_t lo = 0;  // bin where the darkest N / 800 + 1 pixels are reached
    uint16_t centre = 0;
    uint16_t span = 0;
    uint16_t upper = 0;
    uint16_t lower = 0;
    NodeTable ramp{};
};

// h must be the histogram of a width x height frame (both non-zero).
ToneStats ComputeToneStats(const FrameHistogram& h, uint16_t width, uint16_t height);

// Equalised output level (whole grey levels, lower ... upper) per node.
// Needs a frame of at least 26 pixels (a plateau of one or more) and hi > lo.
// Intermediates are 64-bit: the same results as 32-bit ones up to 524288
// pixels, and no overflow beyond.
NodeTable PlateauEqualise(const Histogram& h, const ToneStats& stats);

// The whole curve of a width x height frame: the centre for a flat frame,
// the ramp alone for frames under 3 x 3 or 26 pixels, else the blend.
ToneCurve BuildToneCurve(const uint16_t* frame, uint16_t width, uint16_t height);
// The same from the histogram of such a frame, counted already.
ToneCurve BuildToneCurve(const FrameHistogram& h, uint16_t width, uint16_t height);

// Grey level of a value (1 ... 16383) on the curve, interpolated between
// the nodes around it; a falling or level stretch keeps the lower node.
inline uint16_t CurveLevel(const ToneCurve& curve, uint16_t value)
{
    size_t k = (size_t(value) + 15) >> 4;
    if (k > kToneNodes - 1) k = kToneNodes - 1;
    if (k == 0) return uint16_t(curve[0] >> 6);
    const uint32_t g0 = curve[k - 1] >> 6;
    if (curve[k] <= curve[k - 1]) return uint16_t(g0);
    const uint32_t g1 = curve[k] >> 6;
    return uint16_t(g0 + (((value - 16 * (k - 1)) * (g1 - g0)) >> 4));
}

// One output byte from a value, its base layer and the curve's level for
// the value: the detail (value - base) amplified 24 times around the value,
// then value to level as the ratio. Branch-free, so that whole rows
// vectorise.
inline uint8_t DetailMap(uint16_t value, uint16_t base, uint16_t level)
{
    int32_t detail = int32_t(value) - int32_t(base);
    detail = detail > 16383 ? 16383 : detail;
    detail = detail < -16383 ? -16383 : detail;
    int32_t v = int32_t(value) + 24 * detail;
    v = v < 0 ? 0 : v;
    v = v > 65535 ? 65535 : v;
    // A zero value leaves v at 0 (the base is never negative): black.
    const int32_t divisor = value > 1 ? int32_t(value) : 1;
    float out = float(int32_t(level)) * float(v) / float(divisor);
    out = out < 255.0f ? out : 255.0f;
    return uint8_t(int32_t(out));
}

inline uint8_t EnhancePixel(uint16_t value, uint16_t base, const ToneCurve& curve)
{
    return DetailMap(value, base, CurveLevel(curve, value));
}

}  // namespace enhance
