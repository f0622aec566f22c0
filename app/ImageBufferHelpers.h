// Free functions on raw image buffers: colouring an 8-bit grey picture with
// a built-in palette, two YUV to RGB conversions and 24-bit BMP output.
// Stateless and lock-free: any thread may call them. Every buffer belongs to
// the caller and must hold what the function reads or writes, except the
// one BuildBmpInMemory allocates.
#pragma once

#include <cstdint>

// Colouring parameters of ColorizeGray8.
struct ColorizeParam {
    int colorType;    // palette number: 0..13, 15..18, 20, 21
    int pixelCount;   // pixels to colour; none when not positive
    uint8_t outLow;   // palette level the bottom of the window maps to
    uint8_t outHigh;  // palette level the top maps to; below outLow reverses the palette
    uint8_t inLow;    // grey window; inLow == inHigh is widened by one level
    uint8_t inHigh;
};

// Results of ColorizeGray8.
enum ColorizeResult : int {
    kColorizeOk = 0,
    kColorizeInvalid = -1,  // bad colour type (message on stdout) or a missing parameter or buffer
};

// Colours grey[0..pixelCount) into out as Y, U, V (3 bytes a pixel, video
// range). Greys are clamped into the window, which is stretched linearly
// onto [outLow, outHigh]; a window with inLow above inHigh maps every grey
// to outHigh. An invalid colour type prints "The color type is not valid!\n"
// and writes nothing.
int ColorizeGray8(const uint8_t* grey, uint8_t* out, const ColorizeParam* param);

// YUV 4:4:4 (Y, U, V a pixel, U and V centred on 128, Y not offset) to B, G,
// R: R = Y + 1.13983 V, G = Y - 0.5806 V - 0.39465 U, B = Y + 2.03211 U,
// truncated and clamped to 0..255. Nothing for a count of 0 or less.
void Yuv444ToBgr(const uint8_t* yuv, uint8_t* out, int pixelCount);

// Packed 4:2:2 (U, Y0, V, Y1 for two pixels: 2 bytes a pixel) to R, G, B
// with the formulas of Yuv444ToBgr. Reads exactly width * height * 2 bytes
// and writes exactly width * height * 3; an odd pixel count ends in a lone
// U, Y pair. Returns 0 (at once for an empty or negative size).
int Yuv422ToRgb(const uint8_t* uyvy, uint8_t* out, int width, int height);

// Results of WriteBmpFile; BuildBmpInMemory returns 0 for every failure.
enum BmpResult : int {
    kBmpWritten = 0,
    kBmpNoPixels = -1,    // pixel pointer missing
    kBmpOpenFailed = -2,  // file not opened, or not fully written
    kBmpBadFormat = -3,   // bit count other than 24, empty size, or over 2 GiB
};

// The BMPs made here: 24 bits, top-down (negative height), uncompressed.
// pixels are B, G, R, tightly packed (width * 3 bytes a row); each file row
// is padded with zeros to a multiple of 4 bytes, as readers require.

// Builds the whole file image in a new buffer (new[], zero-filled) stored in
// *out; the caller owns it and frees it with delete[]. Returns its size:
// 54 + stride * height. 0 and *out untouched when pixels or out is missing,
// the format is refused or the allocation fails.
int BuildBmpInMemory(const uint8_t* pixels, uint8_t** out, int width, int height, int bitCount);

// Writes the file at path (UTF-8; created or truncated). palette is for an
// 8-bit form that nothing uses; it is ignored. Returns a BmpResult.
int WriteBmpFile(const char* path, const uint8_t* pixels, int width, int height, int bitCount, const uint32_t* palette);
