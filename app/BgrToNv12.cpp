#include "BgrToNv12.h"

#include <algorithm>

namespace {

uint8_t toByte(double v)
{
    return uint8_t(std::clamp(v, 0.0, 255.0));
}

}  // namespace

void BgrToNv12(const uint8_t* bgr, int width, int height, std::vector<uint8_t>& out)
{
    out.clear();
    if (!bgr || width < 1 || height < 1) return;
    const size_t w = size_t(width), h = size_t(height);
    const size_t cw = (w + 1) / 2, ch = (h + 1) / 2;
    out.resize(w * h + 2 * cw * ch);
    uint8_t* y = out.data();
    uint8_t* uv = out.data() + w * h;
    for (size_t row = 0; row < h; ++row) {
        for (size_t col = 0; col < w; ++col) {
            const uint8_t* p = bgr + (row * w + col) * 3;
            const double b = p[0], g = p[1], r = p[2];
            y[row * w + col] = toByte(0.299 * r + 0.587 * g + 0.114 * b);
            if (row % 2 || col % 2) continue;
            uint8_t* c = uv + ((row / 2) * cw + col / 2) * 2;
            c[0] = toByte(0.5 * b - 0.3313 * g - 0.1687 * r + 128.0);
            c[1] = toByte(0.5 * r - 0.4187 * g - 0.0813 * b + 128.0);
        }
    }
}
