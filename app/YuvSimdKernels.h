// The vector conversions written once for every instruction set: Ops gives
// the vector (32-bit integers in one or two 128-bit lanes; GCC's vector
// arithmetic does the plain integer work) and the few operations that need
// the set's own instructions, each working lane by lane. Included only by
// the source of each instruction set, compiled with that set's flags.
// Everything here has internal linkage and uses no library templates, so no
// function built for AVX2 can stand in for a copy that a processor without
// it runs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "YuvSimd.h"

namespace {

// pshufb selectors, one 16-byte pattern repeated in every lane; a byte with
// the top bit set selects zero.
struct Pattern {
    uint8_t bytes[16];
};
constexpr uint8_t kZeroByte = 0x80;

// Selectors that spread three planes of 16 pixels (one byte a pixel, pixel p
// at byte at[p] of its plane) into 48 bytes of three-byte pixels: chunk c of
// 16 output bytes is the OR of planes k shuffled by of[c][k].
struct Interleave {
    Pattern of[3][3];
};

constexpr Interleave interleaveOf(const uint8_t (&at)[16])
{
    Interleave m{};
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 16; ++i) {
                const int o = 16 * c + i;
                m.of[c][k].bytes[i] = o % 3 == k ? at[o / 3] : kZeroByte;
            }
    return m;
}

// Where the pixels of a 4:2:2 lane land after packing: the lane's first
// 16 input bytes give even then odd pixels of pairs 0-3, the next 16 the same
// of pairs 4-7.
constexpr uint8_t kUyvyPixelAt[16] = {0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15};
constexpr uint8_t kInOrder[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
constexpr Interleave kUyvyInterleave = interleaveOf(kUyvyPixelAt);
constexpr Interleave kInOrderInterleave = interleaveOf(kInOrder);

// 4:4:4 input: four pixels (12 bytes) from a 16-byte load, U and V into
// the halves of each 32-bit lane, Y into its low byte. The last four pixels
// of a lane are loaded 4 bytes earlier, so no load reaches past the lane's
// 48 bytes; their selectors are shifted to match.
constexpr Pattern kUvOf[2] = {
    {{1, 0x80, 2, 0x80, 4, 0x80, 5, 0x80, 7, 0x80, 8, 0x80, 10, 0x80, 11, 0x80}},
    {{5, 0x80, 6, 0x80, 8, 0x80, 9, 0x80, 11, 0x80, 12, 0x80, 14, 0x80, 15, 0x80}},
};
constexpr Pattern kYOf[2] = {
    {{0, 0x80, 0x80, 0x80, 3, 0x80, 0x80, 0x80, 6, 0x80, 0x80, 0x80, 9, 0x80, 0x80, 0x80}},
    {{4, 0x80, 0x80, 0x80, 7, 0x80, 0x80, 0x80, 10, 0x80, 0x80, 0x80, 13, 0x80, 0x80, 0x80}},
};
constexpr int kQuadOffset[4] = {0, 12, 24, 32};

// A multiply-add's two 16-bit coefficients: u for the low half of a lane,
// v for the high half.
constexpr int32_t coefficients(int u, int v)
{
    return int32_t(uint32_t(uint16_t(u)) | uint32_t(uint16_t(v)) << 16);
}

// What every set's Ops starts from, for vectors of Bytes bytes: the type
// its intrinsics take (__m128i, __m256i), the same bytes as 32-bit lanes for
// GCC's vector arithmetic, and their number of 128-bit lanes.
template <int Bytes>
struct VectorTypes {
    typedef long long Native __attribute__((vector_size(Bytes)));
    typedef int32_t V __attribute__((vector_size(Bytes)));
    typedef uint32_t Unsigned __attribute__((vector_size(Bytes)));
    static constexpr int kLanes = Bytes / 16;
};

// An operation of two vectors that is one intrinsic of the set.
#define YUV_SIMD_OP(name, intrinsic)               \
    static V name(V a, V b)                        \
    {                                              \
        return V(intrinsic(Native(a), Native(b))); \
    }

template <typename Ops>
struct YuvVectorKernels {
    using V = typename Ops::V;
    using Unsigned = typename Ops::Unsigned;
    static constexpr int kLanes = Ops::kLanes;

    static V splat(int32_t x) { return V{} + x; }
    static V shiftRight(V x, int n) { return V(Unsigned(x) >> n); }  // zeros in

    // What each lane's chroma (raw U low, V high) adds to its Y.
    struct Offsets {
        V r, g, b;
    };
    static Offsets offsetsOf(V uv)
    {
        using namespace yuvfixed;
        const V r = Ops::madd16(uv, splat(coefficients(0, kRedV)));
        const V b = Ops::madd16(uv, splat(coefficients(kBlueU, 0)));
        const V gHigh = Ops::madd16(uv, splat(coefficients(kGreenHighU, kGreenHighV)));
        const V gLow = Ops::madd16(uv, splat(coefficients(kGreenLowU, kGreenLowV)));
        return {(r + kRedBias) >> kRedShift, (gHigh + kGreenBias + (gLow >> kGreenShift)) >> kGreenShift,
                (b + kBlueBias) >> kBlueShift};
    }

    // Y + offset of two sets of four 32-bit lanes, saturated to 16 bits
    // (no sum comes near that: they span -261..513).
    static V sums16(V y0, V off0, V y1, V off1) { return Ops::packs32(y0 + off0, y1 + off1); }

    // Three planes of bytes to 48 bytes a lane of three-byte pixels.
    static void interleave(V p0, V p1, V p2, const Interleave& m, uint8_t* out)
    {
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c) {
            const V chunk = Ops::shuffle8(p0, Ops::pattern(m.of[c][0])) | Ops::shuffle8(p1, Ops::pattern(m.of[c][1])) |
                            Ops::shuffle8(p2, Ops::pattern(m.of[c][2]));
            Ops::store(out + 16 * c, 48, chunk);
        }
    }

    // The block functions are inlined into their loops, where the selectors
    // and constants stay in registers.
    // 16 pixels a lane: 32 input bytes (lane L at 32 L), 48 output bytes.
    __attribute__((always_inline)) static void uyvyBlock(const uint8_t* in, uint8_t* out)
    {
        V r16[2], g16[2], b16[2];
#pragma GCC unroll 2
        for (int half = 0; half < 2; ++half) {
            const V x = Ops::load(in + 16 * half, 32);
            const Offsets o = offsetsOf(x & 0x00FF00FF);
            const V yEven = shiftRight(x, 8) & 0xFF, yOdd = shiftRight(x, 24);
            r16[half] = sums16(yEven, o.r, yOdd, o.r);
            g16[half] = sums16(yEven, o.g, yOdd, o.g);
            b16[half] = sums16(yEven, o.b, yOdd, o.b);
        }
        interleave(Ops::packus16(r16[0], r16[1]), Ops::packus16(g16[0], g16[1]), Ops::packus16(b16[0], b16[1]),
                   kUyvyInterleave, out);
    }

    // 16 pixels a lane: 48 input bytes (lane L at 48 L), 48 output bytes.
    __attribute__((always_inline)) static void yuv444Block(const uint8_t* in, uint8_t* out)
    {
        V b16[2], g16[2], r16[2];
#pragma GCC unroll 2
        for (int half = 0; half < 2; ++half) {
            V y[2], r[2], g[2], b[2];
#pragma GCC unroll 2
            for (int q = 0; q < 2; ++q) {
                const int quad = 2 * half + q, shifted = quad == 3;
                const V x = Ops::load(in + kQuadOffset[quad], 48);
                const Offsets o = offsetsOf(Ops::shuffle8(x, Ops::pattern(kUvOf[shifted])));
                y[q] = Ops::shuffle8(x, Ops::pattern(kYOf[shifted]));
                r[q] = o.r;
                g[q] = o.g;
                b[q] = o.b;
            }
            b16[half] = sums16(y[0], b[0], y[1], b[1]);
            g16[half] = sums16(y[0], g[0], y[1], g[1]);
            r16[half] = sums16(y[0], r[0], y[1], r[1]);
        }
        interleave(Ops::packus16(b16[0], b16[1]), Ops::packus16(g16[0], g16[1]), Ops::packus16(r16[0], r16[1]),
                   kInOrderInterleave, out);
    }

    static int64_t uyvyToRgb(const uint8_t* uyvy, uint8_t* rgb, int64_t pairs)
    {
        constexpr int64_t kPairs = 8 * kLanes;
        int64_t done = 0;
        for (; done + kPairs <= pairs; done += kPairs) uyvyBlock(uyvy + 4 * done, rgb + 6 * done);
        return done;
    }

    static int64_t yuv444ToBgr(const uint8_t* yuv, uint8_t* bgr, int64_t pixels)
    {
        constexpr int64_t kPixels = 16 * kLanes;
        int64_t done = 0;
        for (; done + kPixels <= pixels; done += kPixels) yuv444Block(yuv + 3 * done, bgr + 3 * done);
        return done;
    }
};

template <typename Ops>
constexpr YuvKernels kernelsOf()
{
    return {&YuvVectorKernels<Ops>::uyvyToRgb, &YuvVectorKernels<Ops>::yuv444ToBgr};
}

}  // namespace
