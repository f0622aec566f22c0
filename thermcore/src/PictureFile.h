// Radiometric picture files: a PNG followed by the display image, the raw
// frame, the picture information block and the camera block, closed by the
// start offset of that trailer and the mark 0x26 0xBC. Reads a file into the
// library's picture, rewrites its information block in place, and takes raw
// frames from memory.
#pragma once

#include <cstdint>

#include "thermcore.h"

namespace thermcore {

class PictureState;

class PictureFile {
public:
    static constexpr int64_t kTrailerSize = 6;  // u32 start offset + 2-byte mark

    static int read(PictureState& state, const char* path);
    static int save(PictureState& state);
    static int takeRadioData(PictureState& state, const ThermalGraphHeader* header, const void* src);
    // Builds a current camera block from one of the earlier layout.
    static void convertEarlierLayout(const uint8_t* earlier, RedunData* current);
};

}  // namespace thermcore
