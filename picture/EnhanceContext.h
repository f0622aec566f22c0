// Work planes of one enhancement and the steps that fill them: the frame
// with a mirrored two-pixel border, the coefficient planes a and b of a
// self-guided 3 x 3 filter, the base layer they give, and the final mapping
// of value and base through the tone curve. Every plane belongs to the
// context and is released with it; one context serves one call on one
// thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ToneCurve.h"

namespace enhance {

class EnhanceContext {
public:
    // Allocates every plane for a width x height frame (both at least 1).
    // False when one cannot be had; the planes obtained so far are released.
    bool allocate(uint16_t width, uint16_t height);

    // Copies the frame, clamped to 14 bits, into rows and columns 2 ...
    // size + 1 of the padded plane, then mirrors two rows and two columns on
    // each side without repeating the edge (row 0 = frame row 2, row 1 =
    // frame row 1). Frames under 3 rows or columns clamp the mirrored row or
    // column to the nearest one they have.
    void loadFrame(const uint16_t* src);

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

    uint16_t width() const { return width_; }
    uint16_t height() const { return height_; }
    // (height + 4) rows of width + 4 values.
    const uint16_t* padded() const { return padded_.get(); }
    size_t paddedStride() const { return size_t(width_) + 4; }
    // (height + 2) rows of width + 2 values each.
    const uint16_t* a() const { return a_.get(); }
    const uint16_t* b() const { return b_.get(); }
    size_t planeStride() const { return size_t(width_) + 2; }
    // height rows of width values.
    const uint16_t* base() const { return base_.get(); }

private:
    uint16_t width_ = 0;
    uint16_t height_ = 0;
    std::unique_ptr<uint16_t[]> padded_;
    std::unique_ptr<uint16_t[]> a_;
    std::unique_ptr<uint16_t[]> b_;
    std::unique_ptr<uint16_t[]> base_;
    // Vertical 3-sums of one row, reused by both filter passes.
    std::unique_ptr<uint32_t[]> columnSum_;
    std::unique_ptr<uint32_t[]> columnSquares_;
    // The curve's level for every 14-bit value, and for one row of pixels.
    std::unique_ptr<uint16_t[]> levels_;
    std::unique_ptr<uint16_t[]> rowLevels_;
};

}  // namespace enhance
