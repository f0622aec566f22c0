// A B, G, R picture (3 bytes a pixel, rows packed) to NV12: the Y plane, then
// U, V pairs. Y = 0.299 R + 0.587 G + 0.114 B for every pixel; U and V are
// taken from the pixel at even row and even column of each 2 x 2 block, not
// averaged: U = 0.5 B - 0.3313 G - 0.1687 R + 128, V = 0.5 R - 0.4187 G -
// 0.0813 B + 128. Values are clamped to 0..255 and truncated.
#pragma once

#include <cstdint>
#include <vector>

// out becomes width * height + 2 * ceil(width / 2) * ceil(height / 2) bytes;
// empty for a size below 1.
void BgrToNv12(const uint8_t* bgr, int width, int height, std::vector<uint8_t>& out);
