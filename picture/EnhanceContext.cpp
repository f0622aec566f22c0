#include "EnhanceContext.h"

#include <algorithm>
#include <limits>
#include <new>

namespace enhance {

namespace {

// 1/9 and 1/16384 as the filter's fixed point knows them.
constexpr float kNinth = 0.111083984375f;  // 455 / 4096
constexpr float kUnit = 0.00006103515625f;

// Source index of a mirrored row or column i (-2, -1, n, n + 1) of a run of
// n; runs under 3 take the nearest one they have.
size_t Mirror(long i, long n)
{
    if (i < 0) return size_t(std::min(-i, n - 1));
    return size_t(std::max(2 * (n - 1) - i, 0L));
}

// The per-pixel loops, written once and compiled once per instruction set
// below. Plain C++ the vectoriser takes; no fused multiply-add anywhere, so
// every form rounds alike.
#define ENHANCE_INLINE inline __attribute__((always_inline))

// Plane row of a and b for the windows centred on padded row up + 1.
ENHANCE_INLINE void CoefficientRowBody(const uint16_t* __restrict up, size_t stride, size_t planeWidth,
                                       uint32_t* __restrict sum, uint32_t* __restrict squares,
                                       uint16_t* __restrict aRow, uint16_t* __restrict bRow)
{
    const uint16_t* mid = up + stride;
    const uint16_t* down = mid + stride;
    for (size_t c = 0; c < stride; ++c) {
        const uint32_t u = up[c], m = mid[c], d = down[c];
        sum[c] = u + m + d;
        squares[c] = u * u + m * m + d * d;
    }
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
        const uint32_t a = SmoothingWeight(var);
        aRow[j] = uint16_t(a);
        bRow[j] = uint16_t(mean - ((a * mean) >> 14));
    }
}

// Base row from three coefficient rows, top to bottom.
ENHANCE_INLINE void BaseRowBody(const uint16_t* const* a, const uint16_t* const* b, size_t planeWidth,
                                const uint16_t* __restrict frame, size_t width, int32_t* __restrict sumA,
                                int32_t* __restrict sumB, uint16_t* __restrict out)
{
    const uint16_t *__restrict a0 = a[0], *__restrict a1 = a[1], *__restrict a2 = a[2];
    const uint16_t *__restrict b0 = b[0], *__restrict b1 = b[1], *__restrict b2 = b[2];
    // Sums of at most 9 x 16383: signed 32 bits convert to float in one step.
    for (size_t c = 0; c < planeWidth; ++c) {
        sumA[c] = int32_t(a0[c]) + a1[c] + a2[c];
        sumB[c] = int32_t(b0[c]) + b1[c] + b2[c];
    }
    for (size_t x = 0; x < width; ++x) {
        const float sa = float(sumA[x] + sumA[x + 1] + sumA[x + 2]);
        const float sb = float(sumB[x] + sumB[x + 1] + sumB[x + 2]);
        // Evaluated in this order, in single precision, to the bit.
        const float v = sa * kNinth * float(int32_t(frame[x])) * kUnit + sb * kNinth + 0.5f;
        out[x] = uint16_t(std::min(int32_t(v), int32_t(kMaxRawValue)));
    }
}

ENHANCE_INLINE void MapRowBody(const uint16_t* __restrict frame, const uint16_t* __restrict base,
                               const uint16_t* __restrict levels, uint16_t* __restrict rowLevels, size_t width,
                               uint8_t* __restrict out)
{
    // Looked up first, so the arithmetic after it vectorises.
    for (size_t x = 0; x < width; ++x) rowLevels[x] = levels[frame[x]];
    for (size_t x = 0; x < width; ++x) out[x] = DetailMap(frame[x], base[x], rowLevels[x]);
}

#define ENHANCE_KERNELS(Name, Target)                                                                              \
    Target void CoefficientRow##Name(const uint16_t* up, size_t stride, size_t planeWidth, uint32_t* sum,         \
                                     uint32_t* squares, uint16_t* aRow, uint16_t* bRow)                           \
    {                                                                                                              \
        CoefficientRowBody(up, stride, planeWidth, sum, squares, aRow, bRow);                                      \
    }                                                                                                              \
    Target void BaseRow##Name(const uint16_t* const* a, const uint16_t* const* b, size_t planeWidth,             \
                              const uint16_t* frame, size_t width, int32_t* sumA, int32_t* sumB, uint16_t* out)    \
    {                                                                                                              \
        BaseRowBody(a, b, planeWidth, frame, width, sumA, sumB, out);                                              \
    }                                                                                                              \
    Target void MapRow##Name(const uint16_t* frame, const uint16_t* base, const uint16_t* levels,                 \
                             uint16_t* rowLevels, size_t width, uint8_t* out)                                      \
    {                                                                                                              \
        MapRowBody(frame, base, levels, rowLevels, width, out);                                                    \
    }

ENHANCE_KERNELS(Baseline, )
#if defined(__x86_64__)
ENHANCE_KERNELS(Avx2, __attribute__((target("avx2"))))
#endif

struct KernelSet {
    decltype(&CoefficientRowBaseline) coefficientRow;
    decltype(&BaseRowBaseline) baseRow;
    decltype(&MapRowBaseline) mapRow;
};

const KernelSet& KernelsFor(EnhanceContext::Kernels k)
{
    static const KernelSet baseline{CoefficientRowBaseline, BaseRowBaseline, MapRowBaseline};
#if defined(__x86_64__)
    static const KernelSet avx2{CoefficientRowAvx2, BaseRowAvx2, MapRowAvx2};
    if (k == EnhanceContext::Kernels::Avx2) return avx2;
#else
    (void)k;
#endif
    return baseline;
}

}  // namespace

template <class T>
bool EnhanceContext::Plane<T>::reserve(uint64_t count)
{
    if (count <= capacity) return true;
    data.reset();
    capacity = 0;
    if (count > std::numeric_limits<size_t>::max() / sizeof(T)) return false;
    data.reset(new (std::nothrow) T[size_t(count)]);
    if (!data) return false;
    capacity = size_t(count);
    return true;
}

template <class T>
void EnhanceContext::Plane<T>::release()
{
    data.reset();
    capacity = 0;
}

EnhanceContext::EnhanceContext() : kernels_(bestKernels()) {}

EnhanceContext::Kernels EnhanceContext::bestKernels()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2")) return Kernels::Avx2;
#endif
    return Kernels::Baseline;
}

void EnhanceContext::useKernels(Kernels k)
{
    kernels_ = k == Kernels::Avx2 ? bestKernels() : Kernels::Baseline;
}

bool EnhanceContext::allocate(uint16_t width, uint16_t height)
{
    width_ = width;
    height_ = height;
    const uint64_t padded = (uint64_t(width) + 4) * (uint64_t(height) + 4);
    const uint64_t plane = (uint64_t(width) + 2) * (uint64_t(height) + 2);
    const uint64_t pixels = uint64_t(width) * height;
    if (padded_.reserve(padded) && a_.reserve(plane) && b_.reserve(plane) && base_.reserve(pixels) &&
        columnSum_.reserve(uint64_t(width) + 4) && columnSquares_.reserve(uint64_t(width) + 4) &&
        levels_.reserve(uint64_t(kMaxRawValue) + 1) && rowLevels_.reserve(width))
        return true;
    padded_.release();
    a_.release();
    b_.release();
    base_.release();
    columnSum_.release();
    columnSquares_.release();
    levels_.release();
    rowLevels_.release();
    width_ = height_ = 0;
    return false;
}

void EnhanceContext::loadFrame(const uint16_t* src, HistogramCounter* counter)
{
    const size_t stride = paddedStride();
    uint16_t* p = padded_.data.get();
    const size_t width = width_, height = height_;
    for (size_t y = 0; y < height; ++y) {
        const uint16_t* in = src + y * width;
        uint16_t* out = p + (y + 2) * stride + 2;
        for (size_t x = 0; x < width; ++x) out[x] = ClampRaw(in[x]);
        // Counted while the row is in the cache.
        if (counter) counter->addClamped(out, width);
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

void EnhanceContext::coefficientRow(size_t row, size_t slot)
{
    const size_t planeWidth = planeStride();
    KernelsFor(kernels_).coefficientRow(padded_.data.get() + row * paddedStride(), paddedStride(), planeWidth,
                                        columnSum_.data.get(), columnSquares_.data.get(),
                                        a_.data.get() + slot * planeWidth, b_.data.get() + slot * planeWidth);
}

void EnhanceContext::baseRow(size_t y, const size_t (&slots)[3], uint16_t* out)
{
    const size_t planeWidth = planeStride();
    const uint16_t* a[3];
    const uint16_t* b[3];
    for (size_t i = 0; i < 3; ++i) {
        a[i] = a_.data.get() + slots[i] * planeWidth;
        b[i] = b_.data.get() + slots[i] * planeWidth;
    }
    KernelsFor(kernels_).baseRow(a, b, planeWidth, padded_.data.get() + (y + 2) * paddedStride() + 2, width_,
                                 reinterpret_cast<int32_t*>(columnSum_.data.get()),
                                 reinterpret_cast<int32_t*>(columnSquares_.data.get()), out);
}

void EnhanceContext::mapRow(size_t y, const uint16_t* base, uint8_t* dst)
{
    const size_t width = width_;
    KernelsFor(kernels_).mapRow(padded_.data.get() + (y + 2) * paddedStride() + 2, base, levels_.data.get(),
                                rowLevels_.data.get(), width, dst + y * width);
}

void EnhanceContext::fillLevels(const ToneCurve& curve)
{
    // The curve's level depends on the value alone: one table per call.
    uint16_t* levels = levels_.data.get();
    for (uint32_t value = 0; value <= kMaxRawValue; ++value) levels[value] = CurveLevel(curve, uint16_t(value));
}

void EnhanceContext::computeCoefficients()
{
    for (size_t r = 0; r < size_t(height_) + 2; ++r) coefficientRow(r, r);
}

void EnhanceContext::computeBase()
{
    for (size_t y = 0; y < height_; ++y) baseRow(y, {y, y + 1, y + 2}, base_.data.get() + y * width_);
}

void EnhanceContext::map(const ToneCurve& curve, uint8_t* dst)
{
    fillLevels(curve);
    for (size_t y = 0; y < height_; ++y) mapRow(y, base_.data.get() + y * width_, dst);
}

void EnhanceContext::filterAndMap(const ToneCurve& curve, uint8_t* dst)
{
    fillLevels(curve);
    // Output row y needs coefficient rows y ... y + 2: the first three rows
    // of a and b hold them in turn, the first row of base the one row, so
    // the sweep stays in the cache and the rest of the planes is never
    // touched.
    uint16_t* base = base_.data.get();
    for (size_t r = 0; r < size_t(height_) + 2; ++r) {
        coefficientRow(r, r % 3);
        if (r < 2) continue;
        const size_t y = r - 2;
        baseRow(y, {y % 3, (y + 1) % 3, (y + 2) % 3}, base);
        mapRow(y, base, dst);
    }
}

}  // namespace enhance
