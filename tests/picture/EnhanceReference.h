// A deliberately plain enhancement for comparing whole pictures: every step
// written out as the algorithm reads, nested loops, no shared code with the
// library. Word is the width of the quantities the algorithm keeps in
// 32 bits: with uint32_t it is that arithmetic exactly, 16-bit plateau
// included; with uint64_t the widened one.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <vector>

namespace reference {

// Row or column i (from -2 to n + 1) of a run of n, reflected about the
// edge without repeating it; short runs take the nearest one they have.
inline long Reflect(long i, long n)
{
    if (i < 0) return std::min(-i, n - 1);
    if (i >= n) return std::max(2 * (n - 1) - i, 0L);
    return i;
}

template <class Word>
std::vector<uint16_t> Curve(const std::vector<uint16_t>& frame, int width, int height)
{
    using Plateau = std::conditional_t<sizeof(Word) == 4, uint16_t, uint64_t>;
    const Word n = Word(width) * Word(height);
    std::vector<uint32_t> hist(1025, 0);
    uint64_t sum = 0;
    for (uint16_t v : frame) {
        hist[(v >> 4) + 1] += 1;
        sum += v;
    }
    const Word tail = n / 800 + 1;
    int lo = 0, hi = 0;
    Word acc = 0;
    for (int k = 0; k <= 1024; ++k) {
        acc += hist[k];
        if (acc >= tail) {
            lo = k;
            break;
        }
    }
    acc = 0;
    for (int k = 1024; k >= 0; --k) {
        acc += hist[k];
        if (acc >= tail) {
            hi = k;
            break;
        }
    }
    const Word meanDiv64 = Word(sum / n) >> 6;
    const int centre = meanDiv64 < 100 ? 100 : meanDiv64 >= 200 ? 200 : int(meanDiv64);
    const int span = std::min(6 * (hi - lo), 255);
    const int lower = centre - span / 2 > 0 ? centre - span / 2 : 0;
    const int upper = std::min(centre + span / 2, 255);

    std::vector<uint16_t> curve(1025);
    if (hi == lo) {
        for (auto& l : curve) l = uint16_t(centre * 64);
        return curve;
    }
    std::vector<Word> ramp(1025);
    const Word step = (Word(upper - lower) << 10) / Word(hi - lo);
    for (int k = 0; k <= 1024; ++k) {
        if (k < lo)
            ramp[k] = Word(lower);
        else if (k <= hi)
            ramp[k] = ((step * Word(k - lo)) >> 10) + Word(lower);
        else
            ramp[k] = ramp[hi];
    }
    if (width < 3 || height < 3 || n < 26) {
        for (int k = 0; k <= 1024; ++k) curve[k] = uint16_t(64 * ramp[k]);
        return curve;
    }

    const Plateau p = Plateau(n / 26);
    Word z = 0;
    for (int k = lo; k <= hi; ++k)
        if (hist[k] < 2) ++z;
    std::vector<Word> c(1025);
    Word clipped = 0, kept = 0;
    for (int k = 0; k <= 1024; ++k) {
        c[k] = hist[k] <= p ? Word(hist[k]) : Word(p);
        if (hist[k] > p) ++clipped;
        kept += c[k];
    }
    for (int k = hi + 1; k <= 1024; ++k) c[k] = 0;
    const Word e = n - kept;
    Word u = kept - Word(p) * clipped;
    if (u == 0) u = 1;
    Word b = Word(hi - lo) - z - clipped + 1;
    if (b == 0) b = 1;
    const Word share = (e << 13) / u;
    const Word even = ((e << 13) / b) >> 14;
    std::vector<Word> q(1025, 0);
    for (int k = lo; k <= 1024; ++k) {
        if (c[k] != 0) c[k] = std::min(Word(c[k] + ((c[k] * share) >> 14) + even), Word(p));
        q[k] = (k > 0 ? q[k - 1] : 0) + c[k];
    }
    const Word f = (Word(upper - lower) << 20) / q[1024];
    for (int k = 0; k <= 1024; ++k) c[k] = ((q[k] * f) >> 20) + Word(lower);
    for (int k = 0; k <= 1024; ++k) curve[k] = uint16_t(12 * ramp[k] + 52 * c[k]);
    return curve;
}

// The whole picture; curve empty: built from the frame with Word arithmetic.
template <class Word>
std::vector<uint8_t> Enhance(const std::vector<uint16_t>& raw, int width, int height, std::vector<uint16_t> curve = {})
{
    std::vector<uint16_t> frame(raw);
    for (auto& v : frame) v = std::min<uint16_t>(v, 16383);
    if (curve.empty()) curve = Curve<Word>(frame, width, height);

    const int pw = width + 4, ph = height + 4;
    std::vector<uint16_t> padded(size_t(pw) * ph);
    for (int r = 0; r < ph; ++r)
        for (int c = 0; c < pw; ++c)
            padded[size_t(r) * pw + c] = frame[size_t(Reflect(r - 2, height)) * width + Reflect(c - 2, width)];

    const int qw = width + 2, qh = height + 2;
    std::vector<uint16_t> a(size_t(qw) * qh), b(size_t(qw) * qh);
    for (int r = 1; r <= height + 2; ++r)
        for (int c = 1; c <= width + 2; ++c) {
            uint32_t s = 0, sq = 0;
            for (int i = -1; i <= 1; ++i)
                for (int j = -1; j <= 1; ++j) {
                    const uint32_t v = padded[size_t(r + i) * pw + c + j];
                    s += v;
                    sq += v * v;
                }
            const uint32_t mean = (s * 455) >> 12;
            uint32_t var = uint32_t((uint64_t(sq) * 455) >> 12) - mean * mean;
            if (var > 524287) var = 524287;
            const uint16_t av = uint16_t(uint64_t(var) * 16384 / (var + 51200));
            a[size_t(r - 1) * qw + c - 1] = av;
            b[size_t(r - 1) * qw + c - 1] = uint16_t(mean - ((uint32_t(av) * mean) >> 14));
        }

    std::vector<uint8_t> out(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t sa = 0, sb = 0;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    sa += a[size_t(y + i) * qw + x + j];
                    sb += b[size_t(y + i) * qw + x + j];
                }
            const uint16_t value = frame[size_t(y) * width + x];
            float bf = float(sa) * 0.111083984375f;
            bf = bf * float(value);
            bf = bf * 0.00006103515625f;
            bf = bf + float(sb) * 0.111083984375f;
            bf = bf + 0.5f;
            const int base = std::clamp(int(bf), 0, 16383);
            if (value == 0) {
                out[size_t(y) * width + x] = 0;
                continue;
            }
            const int d = int(value) - base;
            const int sign = d >= 0 ? 1 : -1;
            const int v = std::clamp(int(value) + 24 * sign * std::min(std::abs(d), 16383), 0, 65535);
            const int k = std::min((value + 15) >> 4, 1024);
            const int g0 = curve[k - 1] >> 6, g1 = curve[k] >> 6;
            const uint16_t g =
                curve[k] > curve[k - 1] ? uint16_t(g0 + (((value - 16 * (k - 1)) * (g1 - g0)) >> 4)) : uint16_t(g0);
            float o = float(g) * float(v);
            o = o / float(value);
            out[size_t(y) * width + x] = uint8_t(std::clamp(o, 0.0f, 255.0f));
        }
    return out;
}

}  // namespace reference
