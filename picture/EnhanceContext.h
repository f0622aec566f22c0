// Work planes of the enhancement and the steps that fill them: the frame
// with a mirrored two-pixel border, the coefficient planes a and b of a
// self-guided 3 x 3 filter, the base layer they give, and the final mapping
// of value and base through the tone curve. Every plane belongs to the
// context and is released with it. A context is kept by its owner and used
// for one call at a time on one thread: its planes grow to the largest
// frame seen and are reused, so a call touches no fresh pages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ToneCurve.h"

namespace enhance {

// The filter's a for a variance 0 ... 524287: var * 16384 / (var + 51200),
// rounded down, without the 33-bit product or a division in double (a
// quarter of the lanes). It is 16384 - ceil(2^23 * 100 / d), d = var + 51200;
// the single-precision quotient of that lies within 2^-9 of the true one,
// so one step of exact integer remainder puts it right.
inline uint32_t SmoothingWeight(int32_t var)
{
    const int32_t d = var + 51200;
    const int32_t m = 838860799 + d;  // ceil(n / d) = (n + d - 1) / d
    int32_t q = int32_t(float(m) / float(d));
    const int32_t r = m - q * d;
    q = q - (r < 0) + (r >= d);
    return uint32_t(16384 - q);
}

class EnhanceContext {
public:
    // Which compiled form of the per-pixel loops runs: the x86-64 baseline
    // (SSE2) or AVX2. Both give the same bytes.
    enum class Kernels { Baseline, Avx2 };

    // The best kernels this processor runs.
    EnhanceContext();

    static Kernels bestKernels();
    // Selects k where the processor runs it, else the baseline.
    void useKernels(Kernels k);
    Kernels kernels() const { return kernels_; }

    // Sizes every plane for a width x height frame (both at least 1),
    // keeping the ones already large enough. False when one cannot be had;
    // every plane is released then.
    bool allocate(uint16_t width, uint16_t height);

    // Copies the frame, clamped to 14 bits, into rows and columns 2 ...
    // size + 1 of the padded plane, then mirrors two rows and two columns on
    // each side without repeating the edge (row 0 = frame row 2, row 1 =
    // frame row 1). Frames under 3 rows or columns clamp the mirrored row or
    // column to the nearest one they have. With a counter, the clamped
    // values are counted into it on the way.
    void loadFrame(const uint16_t* src, HistogramCounter* counter = nullptr);

    // For every window centre (r, c) of the padded plane, 1 <= r <= height +
    // 2 and 1 <= c <= width + 2: mean m and variance of the 3 x 3 block (1/9
    // as 455/4096), a = 16384 var / (var + 51200), b = m - a m / 16384, at
    // (r - 1, c - 1) of their planes.
    void computeCoefficients();

    // base = mean(a) * I / 16384 + mean(b) over the 3 x 3 block of the
    // coefficient planes around each pixel, in single precision, rounded,
    // limited to 0 ... 16383.
    void computeBase();

    // dst (width * height bytes) receives EnhancePixel of every pixel.
    void map(const ToneCurve& curve, uint8_t* dst);

    // computeCoefficients, computeBase and map in one sweep down the frame:
    // each output row is made as soon as its coefficient rows are, while
    // they are still in the cache. Only the first rows of a, b and base
    // serve it, as scratch; read the planes after the steps above.
    void filterAndMap(const ToneCurve& curve, uint8_t* dst);

    uint16_t width() const { return width_; }
    uint16_t height() const { return height_; }
    // (height + 4) rows of width + 4 values.
    const uint16_t* padded() const { return padded_.data.get(); }
    size_t paddedStride() const { return size_t(width_) + 4; }
    // (height + 2) rows of width + 2 values each.
    const uint16_t* a() const { return a_.data.get(); }
    const uint16_t* b() const { return b_.data.get(); }
    size_t planeStride() const { return size_t(width_) + 2; }
    // height rows of width values.
    const uint16_t* base() const { return base_.data.get(); }

private:
    template <class T>
    struct Plane {
        std::unique_ptr<T[]> data;
        size_t capacity = 0;
        bool reserve(uint64_t count);
        void release();
    };

    void fillLevels(const ToneCurve& curve);
    // Coefficient row `row` into row `slot` of a and b.
    void coefficientRow(size_t row, size_t slot);
    // Base row y from the coefficient rows in the three slots, top to bottom.
    void baseRow(size_t y, const size_t (&slots)[3], uint16_t* out);
    void mapRow(size_t y, const uint16_t* base, uint8_t* dst);

    Kernels kernels_;
    uint16_t width_ = 0;
    uint16_t height_ = 0;
    Plane<uint16_t> padded_;
    Plane<uint16_t> a_;
    Plane<uint16_t> b_;
    Plane<uint16_t> base_;
    // Vertical 3-sums of one row, reused by both filter passes.
    Plane<uint32_t> columnSum_;
    Plane<uint32_t> columnSquares_;
    // The curve's level for every 14-bit value, and for one row of pixels.
    Plane<uint16_t> levels_;
    Plane<uint16_t> rowLevels_;
};

}  // namespace enhance
