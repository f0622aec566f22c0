// The zoom crop: the 640 x 512 run exactly as made, the other camera runs,
// and the crop scaled from it for every other frame size.
#include <gtest/gtest.h>

#include "ZoomTable.h"

namespace {

TEST(ZoomTableTest, Run2IsTheCropOf640x512AtEveryStep)
{
    const int widths[ZoomTable::kSteps] = {640, 620, 600, 580, 560, 540, 520, 500, 480,
                                           450, 420, 390, 360, 330, 300, 260, 220};
    for (int step = 0; step <= ZoomTable::kMaxStep; ++step) {
        const int w = widths[step], h = w * 4 / 5;
        const ZoomCrop c = ZoomTable::crop(640, 512, step);
        EXPECT_EQ(c.width, w) << step;
        EXPECT_EQ(c.height, h) << step;
        EXPECT_EQ(c.cx, (640 - w) / 2 * 4) << step;
        EXPECT_EQ(c.cy, (512 - h) / 2 * 4) << step;
    }
    const ZoomCrop narrowest = ZoomTable::crop(640, 512, 16);
    EXPECT_EQ(narrowest.cx, 840);
    EXPECT_EQ(narrowest.cy, 672);
}

TEST(ZoomTableTest, CameraSizesFindTheirRunsOthersAreScaled)
{
    struct Case {
        int width, height, run;
    };
    const Case cases[] = {{1280, 1024, 1}, {640, 512, 2}, {512, 384, 3}, {400, 300, 4}, {256, 192, 5},
                          {640, 480, 0},   {384, 288, 0}, {320, 240, 0}, {512, 400, 0}, {0, 0, 0}};
    for (const Case& c : cases) EXPECT_EQ(ZoomTable::runFor(c.width, c.height), c.run) << c.width << "x" << c.height;
}

TEST(ZoomTableTest, CropsOfTheNarrowestStep)
{
    struct Case {
        int width, height, step;
        ZoomCrop crop;
    };
    const Case cases[] = {
        {1280, 1024, 16, {380, 304, 1800, 1440}},  // run 1
        {512, 384, 8, {384, 288, 256, 192}},       // run 3
        {400, 300, 16, {152, 114, 496, 372}},      // run 4
        {256, 192, 16, {128, 96, 256, 192}},       // run 5
        {384, 288, 16, {132, 98, 504, 380}},       // scaled: 288 * 220 / 640 = 99 -> 98
        {320, 240, 16, {110, 82, 420, 316}},
        {640, 480, 16, {220, 164, 840, 632}},
        {640, 512, -3, {640, 512, 0, 0}},      // below 0 counts as 0
        {640, 512, 40, {220, 176, 840, 672}},  // above 16 as 16
        {0, 512, 4, {0, 0, 0, 0}},             // no frame
    };
    for (const Case& c : cases) {
        const ZoomCrop got = ZoomTable::crop(c.width, c.height, c.step);
        EXPECT_EQ(got.width, c.crop.width) << c.width << "x" << c.height << " step " << c.step;
        EXPECT_EQ(got.height, c.crop.height) << c.width << "x" << c.height << " step " << c.step;
        EXPECT_EQ(got.cx, c.crop.cx) << c.width << "x" << c.height << " step " << c.step;
        EXPECT_EQ(got.cy, c.crop.cy) << c.width << "x" << c.height << " step " << c.step;
    }
}

TEST(ZoomTableTest, EveryStepShrinksInsideTheFrameKeepingItsShape)
{
    const int sizes[][2] = {{640, 512}, {384, 288}, {320, 240}, {256, 192}, {640, 480}};
    for (const auto& size : sizes) {
        const int W = size[0], H = size[1];
        ZoomCrop previous = ZoomTable::crop(W, H, 0);
        EXPECT_EQ(previous.width, W);
        EXPECT_EQ(previous.height, H);
        EXPECT_EQ(previous.cx, 0);
        EXPECT_EQ(previous.cy, 0);
        for (int step = 1; step <= ZoomTable::kMaxStep; ++step) {
            const ZoomCrop c = ZoomTable::crop(W, H, step);
            SCOPED_TRACE(testing::Message() << W << "x" << H << " step " << step);
            EXPECT_LT(c.width, previous.width);
            EXPECT_LT(c.height, previous.height);
            EXPECT_GT(c.width, 0);
            EXPECT_GT(c.height, 0);
            EXPECT_EQ(c.width % 2, 0);
            EXPECT_EQ(c.height % 2, 0);
            EXPECT_EQ(c.cx, (W - c.width) / 2 * 4);
            EXPECT_EQ(c.cy, (H - c.height) / 2 * 4);
            EXPECT_GE(c.cx, 0);
            EXPECT_LE(c.cx, 2 * W);
            EXPECT_GE(c.cy, 0);
            EXPECT_LE(c.cy, 2 * H);
            // The crop keeps the frame's aspect ratio to within the rounding
            // to even sizes.
            EXPECT_NEAR(double(c.width) / c.height, double(W) / H, 0.04);
            previous = c;
        }
    }
}

}  // namespace
