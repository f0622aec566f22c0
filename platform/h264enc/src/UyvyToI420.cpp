// Packed YUV 4:2:2 (U Y0 V Y1) to I420, two source rows per step so each
// chroma sample is read once and averaged with its partner below.

#include "h264enc.h"

#include <algorithm>
#include <cstddef>

namespace {

// The chroma of a 2 x 2 block from the sum of its two rows' samples.
struct MeanChroma {
    static uint8_t u(int sum) { return uint8_t((sum + 1) >> 1); }
    static uint8_t v(int sum) { return uint8_t((sum + 1) >> 1); }
};

// The camera's chroma is on the scale the program shows it with
// (R = Y + 1.13983 (V - 128), B = Y + 2.03211 (U - 128)); BT.601's Cb and Cr
// are that times 2.03211 / 1.772 and 1.13983 / 1.402. Factors in 1/16384,
// applied to the row sum (hence the shift by 15), rounded half up.
struct Bt601Chroma {
    static constexpr int kU = 18789;
    static constexpr int kV = 13320;
    static uint8_t scale(int sum, int factor)
    {
        const int c = 128 + (((sum - 256) * factor + (1 << 14)) >> 15);
        return uint8_t(std::min(std::max(c, 0), 255));
    }
    static uint8_t u(int sum) { return scale(sum, kU); }
    static uint8_t v(int sum) { return scale(sum, kV); }
};

// One pair of rows. The restrict-qualified parameters tell the compiler that
// the six rows do not overlap, so the loop vectorises.
template <typename Chroma>
void convertRowPair(const uint8_t* __restrict top, const uint8_t* __restrict bottom, uint8_t* __restrict yTop,
                    uint8_t* __restrict yBottom, uint8_t* __restrict u, uint8_t* __restrict v, int pairs)
{
    for (int i = 0; i < pairs; ++i) {
        yTop[2 * i] = top[4 * i + 1];
        yTop[2 * i + 1] = top[4 * i + 3];
        yBottom[2 * i] = bottom[4 * i + 1];
        yBottom[2 * i + 1] = bottom[4 * i + 3];
        u[i] = Chroma::u(top[4 * i] + bottom[4 * i]);
        v[i] = Chroma::v(top[4 * i + 2] + bottom[4 * i + 2]);
    }
}

template <typename Chroma>
int convert(const uint8_t* uyvy, int w, int h, uint8_t* y, uint8_t* u, uint8_t* v)
{
    if (!uyvy || !y || !u || !v || w <= 0 || h <= 0 || w % 2 != 0 || h % 2 != 0) return MAV_P264_ERR_ARGUMENT;
    const size_t srcLine = size_t(w) * 2;
    const int pairs = w / 2;
    for (int row = 0; row < h; row += 2) {
        const uint8_t* top = uyvy + size_t(row) * srcLine;
        uint8_t* yTop = y + size_t(row) * size_t(w);
        const size_t chroma = size_t(row / 2) * size_t(pairs);
        convertRowPair<Chroma>(top, top + srcLine, yTop, yTop + w, u + chroma, v + chroma, pairs);
    }
    return MAV_P264_OK;
}

}  // namespace

extern "C" int MAV_P264_Uyvy422ToI420(const uint8_t* uyvy, int w, int h, uint8_t* y, uint8_t* u, uint8_t* v)
{
    return convert<MeanChroma>(uyvy, w, h, y, u, v);
}

extern "C" int MAV_P264_CameraToI420(const uint8_t* uyvy, int w, int h, uint8_t* y, uint8_t* u, uint8_t* v)
{
    return convert<Bt601Chroma>(uyvy, w, h, y, u, v);
}
