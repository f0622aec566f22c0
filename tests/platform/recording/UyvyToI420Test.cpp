// The frame worker's UYVY -> I420 conversion against a per-pixel reference.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "h264enc.h"

namespace {

struct I420 {
    std::vector<uint8_t> y, u, v;
};

// Pixel by pixel, straight from the layout: row r, pixel c has its luma at
// byte 2c + 1 and shares U (byte 4(c/2)) and V (byte 4(c/2) + 2) with its
// neighbour; chroma of a 2 x 2 block = rounded mean of its two rows.
I420 reference(const std::vector<uint8_t>& uyvy, int w, int h)
{
    I420 out;
    out.y.resize(size_t(w) * h);
    out.u.resize(size_t(w / 2) * (h / 2));
    out.v.resize(out.u.size());
    auto at = [&](int r, int byte) { return int(uyvy[size_t(r) * w * 2 + byte]); };
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) out.y[size_t(r) * w + c] = uint8_t(at(r, 2 * c + 1));
    }
    for (int r = 0; r < h / 2; ++r) {
        for (int c = 0; c < w / 2; ++c) {
            out.u[size_t(r) * (w / 2) + c] = uint8_t((at(2 * r, 4 * c) + at(2 * r + 1, 4 * c) + 1) / 2);
            out.v[size_t(r) * (w / 2) + c] = uint8_t((at(2 * r, 4 * c + 2) + at(2 * r + 1, 4 * c + 2) + 1) / 2);
        }
    }
    return out;
}

I420 convert(const std::vector<uint8_t>& uyvy, int w, int h, int* result)
{
    I420 out;
    out.y.assign(size_t(w) * h, 0xEE);
    out.u.assign(size_t(w / 2) * (h / 2), 0xEE);
    out.v.assign(out.u.size(), 0xEE);
    *result = MAV_P264_Uyvy422ToI420(uyvy.data(), w, h, out.y.data(), out.u.data(), out.v.data());
    return out;
}

TEST(UyvyToI420, OneBlockPinsLayoutAndRounding)
{
    // Row 0: U=1 Y=10 V=255 Y=20; row 1: U=2 Y=30 V=0 Y=40.
    const std::vector<uint8_t> uyvy = {1, 10, 255, 20, 2, 30, 0, 40};
    int result = -1;
    const I420 out = convert(uyvy, 2, 2, &result);
    ASSERT_EQ(result, 0);
    EXPECT_EQ(out.y, (std::vector<uint8_t>{10, 20, 30, 40}));
    EXPECT_EQ(out.u, (std::vector<uint8_t>{2}));    // (1 + 2 + 1) / 2, rounded up
    EXPECT_EQ(out.v, (std::vector<uint8_t>{128}));  // (255 + 0 + 1) / 2
}

// The camera's frames: the same layout, the chroma moved to BT.601's scale
// (a full-range BT.601 decoder then shows the live view's colours).
TEST(CameraToI420, MovesTheChromaToBt601AndKeepsTheLuma)
{
    struct Case {
        uint8_t top, bottom;  // one chroma sample in the two rows of its block
        uint8_t u, v;         // the picture's Cb and Cr for it as U and as V
    };
    const Case cases[] = {
        {128, 128, 128, 128},  // neutral stays neutral
        {224, 224, 238, 206},  // 96 above: 1.14679 and 0.81300 times that, rounded
        {16, 16, 0, 37},       // 112 below: Cb clamps at 0
        {255, 255, 255, 231},  // Cb clamps at 255
        {0, 1, 0, 24},         // the rows' mean (0.5) first
        {200, 100, 153, 146},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.top) << "/" << int(c.bottom));
        const std::vector<uint8_t> uyvy = {c.top, 10, c.top, 20, c.bottom, 30, c.bottom, 40};
        uint8_t y[4] = {}, u = 0, v = 0;
        ASSERT_EQ(MAV_P264_CameraToI420(uyvy.data(), 2, 2, y, &u, &v), 0);
        EXPECT_EQ(std::vector<uint8_t>(y, y + 4), (std::vector<uint8_t>{10, 20, 30, 40}));
        EXPECT_EQ(int(u), int(c.u));
        EXPECT_EQ(int(v), int(c.v));
    }
    uint8_t plane[4];
    EXPECT_EQ(MAV_P264_CameraToI420(nullptr, 2, 2, plane, plane, plane), MAV_P264_ERR_ARGUMENT);
    EXPECT_EQ(MAV_P264_CameraToI420(plane, 3, 2, plane, plane, plane), MAV_P264_ERR_ARGUMENT);
}

struct Size {
    int w, h;
};

class UyvyToI420Sizes : public ::testing::TestWithParam<Size> {};

TEST_P(UyvyToI420Sizes, MatchesReferenceOnRandomAndExtremeBytes)
{
    const int w = GetParam().w, h = GetParam().h;
    std::mt19937 rng(uint32_t(w * 1000 + h));
    std::vector<uint8_t> uyvy(size_t(w) * h * 2);
    for (size_t i = 0; i < uyvy.size(); ++i) {
        // Every fourth byte an extreme, so sums at 0, 255 and 510 occur.
        uyvy[i] = (i % 4 == 0) ? uint8_t((rng() & 1) ? 255 : 0) : uint8_t(rng());
    }
    int result = -1;
    const I420 out = convert(uyvy, w, h, &result);
    ASSERT_EQ(result, 0);
    const I420 expected = reference(uyvy, w, h);
    EXPECT_EQ(out.y, expected.y);
    EXPECT_EQ(out.u, expected.u);
    EXPECT_EQ(out.v, expected.v);
}

INSTANTIATE_TEST_SUITE_P(SmallAndWide, UyvyToI420Sizes,
                         ::testing::Values(Size{2, 2}, Size{4, 2}, Size{2, 4}, Size{6, 6}, Size{10, 4}, Size{34, 18},
                                           Size{66, 2}, Size{640, 4}),
                         [](const ::testing::TestParamInfo<Size>& info) {
                             return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
                         });

TEST(UyvyToI420, RefusesOddOrEmptySizesAndNullPlanesWritingNothing)
{
    struct Case {
        const char* name;
        int w, h;
        int nullPlane;  // -1 none, 0 source, 1 y, 2 u, 3 v
    };
    const Case cases[] = {
        {"odd width", 3, 2, -1},   {"odd height", 4, 3, -1}, {"zero width", 0, 2, -1},
        {"zero height", 2, 0, -1}, {"negative", -2, 2, -1},  {"null source", 4, 2, 0},
        {"null y", 4, 2, 1},       {"null u", 4, 2, 2},      {"null v", 4, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> src(64, 7), y(64, 0xEE), u(64, 0xEE), v(64, 0xEE);
        const uint8_t* source = c.nullPlane == 0 ? nullptr : src.data();
        uint8_t* out[3] = {y.data(), u.data(), v.data()};
        if (c.nullPlane > 0) out[c.nullPlane - 1] = nullptr;
        EXPECT_EQ(MAV_P264_Uyvy422ToI420(source, c.w, c.h, out[0], out[1], out[2]), MAV_P264_ERR_ARGUMENT);
        EXPECT_EQ(y, std::vector<uint8_t>(64, 0xEE));
        EXPECT_EQ(u, std::vector<uint8_t>(64, 0xEE));
        EXPECT_EQ(v, std::vector<uint8_t>(64, 0xEE));
    }
}

}  // namespace
