#include "PaletteTable.h"

#include <array>
#include <cassert>
#include <cmath>
#include <initializer_list>

namespace fusionlib {

namespace {

// A colour at a level of a row, kept in YUV. RGB and YUV are affinely
// related, so interpolating the converted stops is the same as
// interpolating in RGB and converting each level.
struct Stop {
    int level;
    double y, u, v;
};

// 8-bit RGB to video-range YUV, BT.601; not rounded here, so a level
// between two stops is rounded once.
Stop rgb(int level, double r, double g, double b)
{
    return {level, 16.0 + (65.481 * r + 128.553 * g + 24.966 * b) / 255.0,
            128.0 + (-37.797 * r - 74.203 * g + 112.0 * b) / 255.0,
            128.0 + (112.0 * r - 93.786 * g - 18.214 * b) / 255.0};
}

// An entry given as it must appear in the table: the rows other code
// relies on are pinned with these, and hit exactly at their levels.
Stop yuv(int level, uint32_t entry)
{
    return {level, double((entry >> 16) & 0xFF), double((entry >> 8) & 0xFF), double(entry & 0xFF)};
}

int channel(double value, int low, int high)
{
    const long rounded = std::lround(value);
    return int(rounded < low ? low : rounded > high ? high : rounded);
}

using Row = std::array<uint32_t, PaletteTable::kRowLength>;

// Piecewise linear through the stops, which run from level 0 to 255.
Row ramp(std::initializer_list<Stop> stops)
{
    assert(stops.size() >= 2 && stops.begin()->level == 0 && (stops.end() - 1)->level == 255);
    Row row{};
    const Stop* a = stops.begin();
    for (int k = 0; k < PaletteTable::kRowLength; ++k) {
        if (k > (a + 1)->level) ++a;
        const Stop& b = *(a + 1);
        assert(b.level > a->level);
        const double t = double(k - a->level) / double(b.level - a->level);
        const int y = channel(a->y + (b.y - a->y) * t, 16, 235);
        const int u = channel(a->u + (b.u - a->u) * t, 16, 240);
        const int v = channel(a->v + (b.v - a->v) * t, 16, 240);
        row[size_t(k)] = uint32_t(y) << 16 | uint32_t(u) << 8 | uint32_t(v);
    }
    return row;
}

using Table = std::array<Row, PaletteTable::kPaletteCount>;

Table build()
{
    Table t{};
    // 0..13: the looks fusionlib has always had; their levels 0, 128 and
    // 255 (and level 0 of 8) are what pictures and colour bars were made
    // with, so those are pinned.
    t[0] = ramp({yuv(0, 0x118080), yuv(128, 0x7E8080), yuv(255, 0xEA8080)});  // white hot
    t[1] = ramp({yuv(0, 0xE88080), yuv(128, 0x7A8080), yuv(255, 0x108080)});  // black hot
    t[2] = ramp({yuv(0, 0x138B7F), rgb(40, 48, 0, 110), rgb(80, 150, 0, 150), yuv(128, 0x8045C4), rgb(192, 255, 200, 0),
                 rgb(224, 255, 240, 110), yuv(255, 0xEB8080)});
    t[3] = ramp({yuv(0, 0x108080), rgb(64, 0, 0, 255), yuv(128, 0x8F3723), rgb(192, 255, 0, 0), yuv(255, 0xE88080)});
    // Red (65, 100, 212) sits where a straight Y ramp from black to the
    // orange of level 128 passes Y 65.
    t[4] = ramp({yuv(0, 0x108080), yuv(48, 0x4164D4), yuv(128, 0x9235C1), rgb(208, 255, 255, 0), yuv(255, 0xEB8080)});
    t[5] = ramp(
        {rgb(0, 0, 0, 0), rgb(56, 96, 0, 128), rgb(120, 220, 0, 40), rgb(196, 255, 210, 0), rgb(255, 255, 255, 255)});
    t[6] = ramp({rgb(0, 0, 0, 0), rgb(32, 60, 0, 100), rgb(80, 170, 0, 120), rgb(144, 255, 40, 0),
                 rgb(216, 255, 230, 60), yuv(255, 0xE88080)});
    t[7] = ramp({rgb(0, 0, 0, 0), rgb(64, 100, 50, 10), rgb(128, 128, 128, 0), rgb(200, 240, 220, 40),
                 rgb(255, 255, 255, 255)});
    t[8] =
        ramp({yuv(0, 0x168586), rgb(64, 0, 40, 160), rgb(128, 0, 170, 90), rgb(200, 230, 230, 0), yuv(255, 0xE88080)});
    // The hot end squeezed: more of the row for the purples.
    t[9] = ramp(
        {rgb(0, 0, 0, 0), rgb(96, 128, 0, 160), rgb(160, 255, 0, 0), rgb(224, 255, 255, 0), rgb(255, 255, 255, 255)});
    // Grey in the middle, the ends flagged: blue below, red above.
    t[10] =
        ramp({yuv(0, 0x29F06E), rgb(24, 24, 24, 24), yuv(128, 0x7E8080), rgb(231, 232, 232, 232), yuv(255, 0x515AF0)});
    t[11] =
        ramp({rgb(0, 0, 0, 0), rgb(64, 0, 0, 180), rgb(128, 0, 180, 100), rgb(200, 255, 140, 0), yuv(255, 0xE88080)});
    t[12] = ramp({yuv(0, 0x108080), yuv(128, 0x316DB8), yuv(255, 0x515AF0)});  // black to red
    t[13] = ramp({yuv(0, 0x108080), yuv(128, 0x515B51), yuv(255, 0x913622)});  // black to green
    // 14 and 19 stay zero: numbers that were never palettes.
    t[15] =
        ramp({rgb(0, 0, 0, 0), rgb(36, 32, 0, 96), rgb(80, 128, 0, 150), rgb(112, 200, 30, 100), rgb(150, 240, 90, 0),
              rgb(200, 255, 200, 0), rgb(240, 255, 255, 200), rgb(255, 255, 255, 255)});  // iron
    t[16] = ramp({rgb(0, 64, 0, 128), rgb(40, 0, 0, 255), rgb(90, 0, 255, 255), rgb(140, 0, 255, 0),
                  rgb(190, 255, 255, 0), rgb(255, 255, 0, 0)});  // rainbow
    t[17] = ramp({rgb(0, 0, 0, 0), rgb(48, 64, 0, 0), rgb(96, 160, 0, 0), rgb(144, 230, 40, 0), rgb(192, 255, 140, 0),
                  rgb(255, 255, 230, 40)});  // lava
    t[18] = ramp({rgb(0, 0, 0, 48), rgb(64, 0, 32, 160), rgb(128, 0, 160, 220), rgb(176, 160, 230, 240),
                  rgb(216, 240, 200, 80), rgb(255, 255, 170, 0)});  // arctic: cold blues, warm gold
    t[20] = ramp({rgb(0, 0, 0, 0), rgb(32, 0, 0, 160), rgb(64, 0, 128, 255), rgb(96, 0, 200, 120), rgb(128, 0, 255, 0),
                  rgb(160, 255, 255, 0), rgb(192, 255, 128, 0), rgb(224, 255, 0, 0),
                  rgb(255, 255, 255, 255)});  // medical: a hue step every 32 levels
    // Bright and dark stops alternate, so neighbouring levels differ most.
    t[21] = ramp({rgb(0, 0, 0, 0), rgb(32, 0, 0, 255), rgb(64, 0, 255, 255), rgb(96, 0, 96, 0), rgb(128, 255, 255, 0),
                  rgb(160, 128, 0, 0), rgb(192, 255, 0, 255), rgb(224, 64, 64, 64),
                  rgb(255, 255, 255, 255)});  // high contrast
    return t;
}

const Table& table()
{
    static const Table t = build();
    return t;
}

}  // namespace

bool PaletteTable::valid(int colourType)
{
    return colourType >= 0 && colourType < kPaletteCount && colourType != 14 && colourType != 19;
}

const uint32_t* PaletteTable::row(int colourType)
{
    return valid(colourType) ? table()[size_t(colourType)].data() : nullptr;
}

}  // namespace fusionlib
