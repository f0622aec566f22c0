#include "EnhanceRawTo8Bit.h"

#include <algorithm>

// Interim: a linear ramp over the frame's range until the enhancement lands.
int EnhanceRawTo8Bit(const uint16_t* src, uint16_t width, uint16_t height, int32_t, uint8_t* dst, const uint16_t*)
{
    if (!src || !dst || width == 0 || height == 0) return -1;
    const size_t n = size_t(width) * height;
    const auto [lo, hi] = std::minmax_element(src, src + n);
    const unsigned span = unsigned(*hi) - *lo;
    for (size_t i = 0; i < n; ++i) dst[i] = span ? uint8_t((unsigned(src[i]) - *lo) * 255u / span) : 0;
    return 0;
}
