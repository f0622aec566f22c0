// Packed YUV 4:2:2 (U Y0 V Y1) to I420, two source rows per step so each
// chroma sample is read once and averaged with its partner below.

#include "h264enc.h"

#include <cstddef>

namespace {

// One pair of rows. The restrict-qualified parameters tell the compiler that
// the six rows do not overlap, so the loop vectorises.
void convertRowPair(const uint8_t* __restrict top, const uint8_t* __restrict bottom, uint8_t* __restrict yTop,
                    uint8_t* __restrict yBottom, uint8_t* __restrict u, uint8_t* __restrict v, int pairs)
{
    for (int i = 0; i < pairs; ++i) {
        yTop[2 * i] = top[4 * i + 1];
        yTop[2 * i + 1] = top[4 * i + 3];
        yBottom[2 * i] = bottom[4 * i + 1];
        yBottom[2 * i + 1] = bottom[4 * i + 3];
        u[i] = uint8_t((top[4 * i] + bottom[4 * i] + 1) >> 1);
        v[i] = uint8_t((top[4 * i + 2] + bottom[4 * i + 2] + 1) >> 1);
    }
}

}  // namespace

extern "C" int MAV_P264_Uyvy422ToI420(const uint8_t* uyvy, int w, int h, uint8_t* y, uint8_t* u, uint8_t* v)
{
    if (!uyvy || !y || !u || !v || w <= 0 || h <= 0 || w % 2 != 0 || h % 2 != 0) return MAV_P264_ERR_ARGUMENT;
    const size_t srcLine = size_t(w) * 2;
    const int pairs = w / 2;
    for (int row = 0; row < h; row += 2) {
        const uint8_t* top = uyvy + size_t(row) * srcLine;
        uint8_t* yTop = y + size_t(row) * size_t(w);
        const size_t chroma = size_t(row / 2) * size_t(pairs);
        convertRowPair(top, top + srcLine, yTop, yTop + w, u + chroma, v + chroma, pairs);
    }
    return MAV_P264_OK;
}
