// The palette rows: the entries pictures were coloured with, and the range
// and shape every row must keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "PaletteTable.h"

using fusionlib::PaletteTable;

namespace {

const std::vector<int> kValid = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 20, 21};

int yOf(uint32_t e)
{
    return int(e >> 16 & 0xFF);
}
int uOf(uint32_t e)
{
    return int(e >> 8 & 0xFF);
}
int vOf(uint32_t e)
{
    return int(e & 0xFF);
}

TEST(PaletteTable, ValidNumbers)
{
    for (int type = -2; type < 24; ++type) {
        const bool expected = type >= 0 && type <= 21 && type != 14 && type != 19;
        EXPECT_EQ(PaletteTable::valid(type), expected) << type;
        EXPECT_EQ(PaletteTable::row(type) != nullptr, expected) << type;
    }
}

TEST(PaletteTable, PinnedLevels)
{
    struct Case {
        int palette;
        uint32_t level0, level128, level255;
    };
    const Case cases[] = {
        {0, 0x118080, 0x7E8080, 0xEA8080},  {1, 0xE88080, 0x7A8080, 0x108080},  {2, 0x138B7F, 0x8045C4, 0xEB8080},
        {3, 0x108080, 0x8F3723, 0xE88080},  {4, 0x108080, 0x9235C1, 0xEB8080},  {10, 0x29F06E, 0x7E8080, 0x515AF0},
        {12, 0x108080, 0x316DB8, 0x515AF0}, {13, 0x108080, 0x515B51, 0x913622},
    };
    for (const Case& c : cases) {
        const uint32_t* row = PaletteTable::row(c.palette);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row[0], c.level0) << c.palette;
        EXPECT_EQ(row[128], c.level128) << c.palette;
        EXPECT_EQ(row[255], c.level255) << c.palette;
    }
    EXPECT_EQ(PaletteTable::row(8)[0], 0x168586u);
}

TEST(PaletteTable, ColourRampsRunFromBlackToWhite)
{
    for (int p : {5, 6, 7, 8, 9, 11}) {
        const uint32_t* row = PaletteTable::row(p);
        const uint32_t black = p == 8 ? 0x168586u : 0x108080u;  // 8 starts at its own near-black purple
        EXPECT_EQ(row[0], black) << p;
        EXPECT_TRUE(row[255] == 0xEB8080u || row[255] == 0xE88080u) << p << " ends at " << std::hex << row[255];
    }
}

TEST(PaletteTable, TellingShapes)
{
    const uint32_t* white = PaletteTable::row(0);
    const uint32_t* black = PaletteTable::row(1);
    const uint32_t* fire = PaletteTable::row(4);
    bool throughRed = false;
    for (int k = 0; k < 256; ++k) {
        EXPECT_EQ(white[k] & 0xFFFF, 0x8080u) << k;  // grey: neutral chroma
        EXPECT_EQ(black[k] & 0xFFFF, 0x8080u) << k;
        if (k > 0) {
            EXPECT_GE(yOf(white[k]), yOf(white[k - 1])) << k;
            EXPECT_LE(yOf(black[k]), yOf(black[k - 1])) << k;
            EXPECT_GE(yOf(fire[k]), yOf(fire[k - 1])) << k;
        }
        throughRed = throughRed || fire[k] == 0x4164D4;
    }
    EXPECT_TRUE(throughRed);
}

TEST(PaletteTable, EveryRowInVideoRangeAndDistinct)
{
    std::set<std::vector<uint32_t>> rows;
    for (int p : kValid) {
        const uint32_t* row = PaletteTable::row(p);
        ASSERT_NE(row, nullptr) << p;
        for (int k = 0; k < PaletteTable::kRowLength; ++k) {
            const uint32_t e = row[k];
            EXPECT_EQ(e >> 24, 0u) << p << "/" << k;
            EXPECT_GE(yOf(e), 16) << p << "/" << k;
            EXPECT_LE(yOf(e), 235) << p << "/" << k;
            EXPECT_GE(uOf(e), 16) << p << "/" << k;
            EXPECT_LE(uOf(e), 240) << p << "/" << k;
            EXPECT_GE(vOf(e), 16) << p << "/" << k;
            EXPECT_LE(vOf(e), 240) << p << "/" << k;
        }
        rows.insert(std::vector<uint32_t>(row, row + PaletteTable::kRowLength));
    }
    EXPECT_EQ(rows.size(), kValid.size());
}

// Ramps, not steps: neighbouring levels stay close in every row, so a
// smooth grey gradient stays smooth in colour.
TEST(PaletteTable, NeighbouringLevelsStayClose)
{
    for (int p : kValid) {
        const uint32_t* row = PaletteTable::row(p);
        int worst = 0;
        for (int k = 1; k < PaletteTable::kRowLength; ++k) {
            const int d = std::abs(yOf(row[k]) - yOf(row[k - 1])) + std::abs(uOf(row[k]) - uOf(row[k - 1])) +
                          std::abs(vOf(row[k]) - vOf(row[k - 1]));
            worst = std::max(worst, d);
        }
        EXPECT_LE(worst, 16) << p;
    }
}

}  // namespace
