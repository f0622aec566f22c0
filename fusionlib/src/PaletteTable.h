// The built-in palettes: 22 rows of 256 entries, each entry 0x00YYUUVV
// (video-range Y in bits 16..23, U in bits 8..15, V in bits 0..7).
// Shared by fusionlib's colouring and the program's image helpers, so both
// colour a grey picture alike.
#pragma once

#include <cstdint>

namespace fusionlib {

class PaletteTable {
public:
    static constexpr int kPaletteCount = 22;
    static constexpr int kRowLength = 256;

    // Rows 14 and 19 exist but are all zero and refused, like any number
    // outside 0..21.
    static bool valid(int colourType);

    // The 256 entries of a valid palette, indexed by level; null otherwise.
    // The table is built on first use (thread-safe) and lives until exit.
    static const uint32_t* row(int colourType);

    PaletteTable() = delete;
};

}  // namespace fusionlib
