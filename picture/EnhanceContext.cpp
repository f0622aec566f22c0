#include "EnhanceContext.h"

#include <algorithm>
#include <limits>
#include <new>

namespace enhance {

namespace {

// 1/9 and 1/16384 as the filter's fixed point knows them.
constexpr float kNinth = 0.111083984375f;  // 455 / 4096
constexpr float kUnit = 0.00006103515625f;

template <class T>
std::unique_ptr<T[]> TryAllocate(uint64_t count)
{
    if (count > std::numeric_limits<size_t>::max() / sizeof(T)) return nullptr;
    return std::unique_ptr<T[]>(new (std::nothrow) T[size_t(count)]);
}

// Source index of a mirrored row or column i (-2, -1, n, n + 1) of a run of
// n; runs under 3 take the nearest one they have.
size_t Mirror(long i, long n)
{
    if (i < 0) return size_t(std::min(-i, n - 1));
    return size_t(std::max(2 * (n - 1) - i, 0L));
}

}  // namespace

bool EnhanceContext::allocate(uint16_t width, uint16_t height)
{
    width_ = width;
    height_ = height;
    const uint64_t padded = (uint64_t(width) + 4) * (uint64_t(height) + 4);
    const uint64_t plane = (uint64_t(width) + 2) * (uint64_t(height) + 2);
    const uint64_t pixels = uint64_t(width) * height;
    if ((padded_ = TryAllocate<uint16_t>(padded)) && (a_ = TryAllocate<uint16_t>(plane)) &&
        (b_ = TryAllocate<uint16_t>(plane)) && (base_ = TryAllocate<uint16_t>(pixels)) &&
        (columnSum_ = TryAllocate<uint32_t>(uint64_t(width) + 4)) &&
        (columnSquares_ = TryAllocate<uint32_t>(uint64_t(width) + 4)) &&
        (levels_ = TryAllocate<uint16_t>(uint64_t(kMaxRawValue) + 1)) && (rowLevels_ = TryAllocate<uint16_t>(width)))
        return true;
    padded_.reset();
    a_.reset();
    b_.reset();
    base_.reset();
    columnSum_.reset();
    columnSquares_.reset();
    levels_.reset();
    rowLevels_.reset();
    width_ = height_ = 0;
    return false;
}

void EnhanceContext::loadFrame(const uint16_t* src)
{
    const size_t stride = paddedStride();
    uint16_t* p = padded_.get();
    const size_t width = width_, height = height_;
    for (size_t y = 0; y < height; ++y) {
        const uint16_t* in = src + y * width;
        uint16_t* out = p + (y + 2) * stride + 2;
        for (size_t x = 0; x < width; ++x) out[x] = ClampRaw(in[x]);
    }
    // Rows first (interior columns), then the columns of every row, the new
    // rows included, so the corners mirror both ways.
    const long h = long(height), w = long(width);
    for (long row : {-2L, -1L, h, h + 1}) {
        const uint16_t* from = p + (Mirror(row, h) + 2) * stride + 2;
        std::copy(from, from + width, p + size_t(row + 2) * stride + 2);
    }
    for (size_t y = 0; y < height + 4; ++y) {
        uint16_t* line = p + y * stride + 2;
        for (long column : {-2L, -1L, w, w + 1}) line[column] = line[Mirror(column, w)];
    }
}

void EnhanceContext::computeCoefficients()
{
    const size_t stride = paddedStride();
    const size_t planeWidth = planeStride();
    uint32_t* sum = columnSum_.get();
    uint32_t* squares = columnSquares_.get();
    const size_t height = height_;
    for (size_t r = 1; r <= height + 2; ++r) {
        const uint16_t* up = padded_.get() + (r - 1) * stride;
        const uint16_t* mid = up + stride;
        const uint16_t* down = mid + stride;
        for (size_t c = 0; c < stride; ++c) {
            const uint32_t u = up[c], m = mid[c], d = down[c];
            sum[c] = u + m + d;
            squares[c] = u * u + m * m + d * d;
        }
        uint16_t* aRow = a_.get() + (r - 1) * planeWidth;
        uint16_t* bRow = b_.get() + (r - 1) * planeWidth;
        // Plane column j is the window centred on padded column j + 1. All in
        // 32 bits so that the loop vectorises.
        for (size_t j = 0; j < planeWidth; ++j) {
            const uint32_t s = sum[j] + sum[j + 1] + sum[j + 2];
            const uint32_t sq = squares[j] + squares[j + 1] + squares[j + 2];  // < 2^32 for 14-bit values
            const uint32_t mean = (s * 455) >> 12;
            // (sq * 455) >> 12 without the 64-bit product: the high part of
            // sq scales exactly, only the low 12 bits are rounded away.
            const uint32_t meanSquare = (sq >> 12) * 455 + (((sq & 4095) * 455) >> 12);
            // Never negative: with c = 455/4096 < 1/9,
            // mean^2 <= (c S)^2 < c S^2 / 9 <= c Sq.
            const int32_t spread = int32_t(meanSquare - mean * mean);
            const int32_t var = std::min(spread, 0x7FFFF);
            // var * 16384 < 2^33 and the divisor < 2^20: in double the
            // quotient is exact to far better than the 1 / divisor that
            // separates it from the next integer, so truncating it gives the
            // integer quotient.
            const uint32_t a = uint32_t(int32_t(double(var) * 16384.0 / double(var + 51200)));
            aRow[j] = uint16_t(a);
            bRow[j] = uint16_t(mean - ((a * mean) >> 14));
        }
    }
}

void EnhanceContext::computeBase()
{
    const size_t stride = paddedStride();
    const size_t planeWidth = planeStride();
    // Sums of at most 9 x 16383: signed 32 bits convert to float in one step.
    int32_t* sumA = reinterpret_cast<int32_t*>(columnSum_.get());
    int32_t* sumB = reinterpret_cast<int32_t*>(columnSquares_.get());
    // Copies: stores through the 16-bit planes could otherwise alias the members.
    const size_t width = width_, height = height_;
    for (size_t y = 0; y < height; ++y) {
        const uint16_t* a0 = a_.get() + y * planeWidth;
        const uint16_t* b0 = b_.get() + y * planeWidth;
        for (size_t c = 0; c < planeWidth; ++c) {
            sumA[c] = int32_t(a0[c]) + a0[c + planeWidth] + a0[c + 2 * planeWidth];
            sumB[c] = int32_t(b0[c]) + b0[c + planeWidth] + b0[c + 2 * planeWidth];
        }
        const uint16_t* frame = padded_.get() + (y + 2) * stride + 2;
        uint16_t* out = base_.get() + y * width;
        for (size_t x = 0; x < width; ++x) {
            const float sa = float(sumA[x] + sumA[x + 1] + sumA[x + 2]);
            const float sb = float(sumB[x] + sumB[x + 1] + sumB[x + 2]);
            // Evaluated in this order, in single precision, to the bit.
            const float v = sa * kNinth * float(int32_t(frame[x])) * kUnit + sb * kNinth + 0.5f;
            out[x] = uint16_t(std::min(int32_t(v), int32_t(kMaxRawValue)));
        }
    }
}

void EnhanceContext::map(const ToneCurve& curve, uint8_t* dst)
{
    // The curve's level depends on the value alone: one table per call.
    uint16_t* levels = levels_.get();
    for (uint32_t value = 0; value <= kMaxRawValue; ++value) levels[value] = CurveLevel(curve, uint16_t(value));
    // Looked up a row at a time, so the arithmetic after it vectorises.
    uint16_t* rowLevels = rowLevels_.get();
    const size_t stride = paddedStride();
    const size_t width = width_, height = height_;
    for (size_t y = 0; y < height; ++y) {
        const uint16_t* frame = padded_.get() + (y + 2) * stride + 2;
        const uint16_t* base = base_.get() + y * width;
        uint8_t* out = dst + y * width;
        for (size_t x = 0; x < width; ++x) rowLevels[x] = levels[frame[x]];
        for (size_t x = 0; x < width; ++x) out[x] = DetailMap(frame[x], base[x], rowLevels[x]);
    }
}

}  // namespace enhance
