// The arguments of one frame callback of the camera layer, handed on by
// value (to the frame intake and to the frame dump). The buffers belong to
// the camera layer and are valid only during the callback that produced
// them.
#pragma once

#include <cstdint>

struct RealPlayFrame {
    const uint8_t* pYuv = nullptr;  // display frame, packed U, Y0, V, Y1 (2 bytes a pixel)
    int32_t nYuvLen = 0;
    const uint8_t* pRaw = nullptr;  // width * height u16 raw values + the 1368-byte RedunData; null without raw data
    int32_t nRawLen = 0;
    int32_t nWidth = 0;
    int32_t nHeight = 0;
};
