// The display image's NV12 form: luma of every pixel, chroma of the pixel
// at even row and column.
#include <gtest/gtest.h>

#include <vector>

#include "BgrToNv12.h"

namespace {

struct Pixel {
    uint8_t b, g, r;
    uint8_t y, u, v;
};

TEST(BgrToNv12Test, OnePixelFollowsTheFormulas)
{
    const Pixel cases[] = {
        {0, 0, 0, 0, 128, 128},         // black
        {0, 0, 255, 76, 84, 255},       // red: V clamps at 255.5
        {0, 255, 0, 149, 43, 21},       // green
        {255, 0, 0, 29, 255, 107},      // blue: U clamps at 255.5
        {100, 150, 200, 159, 94, 157},  // Y 159.25, U 94.57, V 157.07
    };
    for (const Pixel& p : cases) {
        const uint8_t bgr[3] = {p.b, p.g, p.r};
        std::vector<uint8_t> out;
        BgrToNv12(bgr, 1, 1, out);
        ASSERT_EQ(out.size(), 3u);
        EXPECT_EQ(out[0], p.y) << int(p.b) << "," << int(p.g) << "," << int(p.r);
        EXPECT_EQ(out[1], p.u) << int(p.b) << "," << int(p.g) << "," << int(p.r);
        EXPECT_EQ(out[2], p.v) << int(p.b) << "," << int(p.g) << "," << int(p.r);
    }
}

TEST(BgrToNv12Test, ChromaComesFromTheEvenPixelsOnly)
{
    // 3 x 3: only (0,0), (2,0), (0,2), (2,2) are red; the rest black.
    std::vector<uint8_t> bgr(3 * 3 * 3, 0);
    for (int at : {0, 2, 6, 8}) bgr[size_t(at) * 3 + 2] = 255;
    std::vector<uint8_t> out;
    BgrToNv12(bgr.data(), 3, 3, out);
    ASSERT_EQ(out.size(), 9u + 2u * 2u * 2u);  // ceil(3 / 2) = 2 chroma pairs a row
    const std::vector<uint8_t> y(out.begin(), out.begin() + 9);
    EXPECT_EQ(y, (std::vector<uint8_t>{76, 0, 76, 0, 0, 0, 76, 0, 76}));
    const std::vector<uint8_t> uv(out.begin() + 9, out.end());
    EXPECT_EQ(uv, (std::vector<uint8_t>{84, 255, 84, 255, 84, 255, 84, 255}));
}

TEST(BgrToNv12Test, NothingForAnEmptySize)
{
    const uint8_t bgr[3] = {};
    std::vector<uint8_t> out(5, 1);
    BgrToNv12(bgr, 0, 4, out);
    EXPECT_TRUE(out.empty());
    BgrToNv12(nullptr, 1, 1, out);
    EXPECT_TRUE(out.empty());
}

}  // namespace
