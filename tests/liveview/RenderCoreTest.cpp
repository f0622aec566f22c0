// The renderer: the descriptor and source rectangle the worker fills, the
// views and what they refuse, and the pictures a view hands to its widget.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

#include "ImageBufferHelpers.h"
#include "RenderCore.h"
#include "VideoSurface.h"

namespace {

// A W x H frame of one colour, with a block of another colour.
std::vector<uint8_t> twoColourFrame(int W, int H, const uint8_t outside[3], const uint8_t block[3], int bx0, int by0,
                                    int bx1, int by1)
{
    std::vector<uint8_t> yuv(size_t(W) * size_t(H) * 2);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; x += 2) {
            const bool in = x >= bx0 && x < bx1 && y >= by0 && y < by1;
            const uint8_t* c = in ? block : outside;  // Y, U, V
            uint8_t* p = yuv.data() + (size_t(y) * size_t(W) + size_t(x)) * 2;
            p[0] = c[1];
            p[1] = c[0];
            p[2] = c[2];
            p[3] = c[0];
        }
    return yuv;
}

QRgb rgbOf(const uint8_t yuvColour[3])
{
    const uint8_t pair[4] = {yuvColour[1], yuvColour[0], yuvColour[2], yuvColour[0]};
    uint8_t rgb[6];
    Yuv422ToRgb(pair, rgb, 2, 1);
    return qRgb(rgb[0], rgb[1], rgb[2]);
}

class RenderCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        surface_.resize(96, 72);
        surface_.show();
        QCoreApplication::processEvents();
    }
    RenderCore::Handle openOn(QWidget* widget)
    {
        RenderViewOpen record;
        record.window = widget;
        return RenderCore::open(&record);
    }
    static void deliver() { QCoreApplication::sendPostedEvents(); }

    VideoSurface surface_;
};

TEST_F(RenderCoreTest, TheDescriptorCarriesTheTabulatedWords)
{
    const uint8_t frame[4] = {};
    const RenderFrameDesc d = RenderCore::describe(frame, 640, 512);
    std::vector<uint32_t> expected(RenderFrameDesc::kWords, 0);
    const uint32_t table[][2] = {{7, 2560},  {8, 1280},  {9, 1280},       {10, 2048}, {11, 1024},
                                 {12, 1024}, {13, 2560}, {14, 1280},      {15, 1280}, {16, 2048},
                                 {17, 1024}, {18, 1024}, {20, 0x01400203}};
    for (const auto& entry : table) expected[entry[0]] = entry[1];
    for (int i = 0; i < RenderFrameDesc::kWords; ++i) EXPECT_EQ(d.word[i], expected[size_t(i)]) << "word " << i;
    EXPECT_EQ(d.yuv, frame);
    EXPECT_EQ(sizeof(d.word), 208u);

    const RenderRect r = RenderCore::sourceRect(640, 512, 840, 672);
    EXPECT_EQ(r.left, 840);
    EXPECT_EQ(r.top, 672);
    EXPECT_EQ(r.right, 4 * 640 - 840);
    EXPECT_EQ(r.bottom, 4 * 512 - 672);
}

TEST_F(RenderCoreTest, ViewsOpenOnlyOnVideoSurfaces)
{
    QWidget plain;
    RenderViewOpen wrongKind;
    wrongKind.kind = 3;
    wrongKind.window = &surface_;
    RenderViewOpen noWindow;
    EXPECT_EQ(RenderCore::open(nullptr), 0u);
    EXPECT_EQ(RenderCore::open(&wrongKind), 0u);
    EXPECT_EQ(RenderCore::open(&noWindow), 0u);
    EXPECT_EQ(openOn(&plain), 0u);

    const RenderCore::Handle a = openOn(&surface_);
    const RenderCore::Handle b = openOn(&surface_);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RenderCore::close(a), 1);
    EXPECT_EQ(RenderCore::close(b), 1);

    // A closed or unknown view answers every call with failure.
    const std::vector<uint8_t> yuv(16 * 16 * 2);
    const RenderFrameDesc d = RenderCore::describe(yuv.data(), 16, 16);
    const RenderRect whole = RenderCore::sourceRect(16, 16, 0, 0);
    for (RenderCore::Handle h : {a, RenderCore::Handle(0)}) {
        EXPECT_EQ(RenderCore::setSize(h, 16, 16), 0);
        EXPECT_EQ(RenderCore::draw(h, &d, &whole, 0), 0);
        EXPECT_EQ(RenderCore::present(h), 0);
        EXPECT_EQ(RenderCore::clear(h, &whole), 0);
        EXPECT_EQ(RenderCore::close(h), 0);
    }
}

TEST_F(RenderCoreTest, DrawNeedsTheAnnouncedSizeAndASourceInsideTheFrame)
{
    const RenderCore::Handle view = openOn(&surface_);
    ASSERT_NE(view, 0u);
    const std::vector<uint8_t> yuv(64 * 48 * 2, 0x80);
    const RenderFrameDesc d = RenderCore::describe(yuv.data(), 64, 48);
    const RenderRect whole = RenderCore::sourceRect(64, 48, 0, 0);
    EXPECT_EQ(RenderCore::draw(view, &d, &whole, 0), 0);  // no size announced yet
    EXPECT_EQ(RenderCore::setSize(view, 63, 48), 0);      // pixel pairs only
    ASSERT_EQ(RenderCore::setSize(view, 64, 48), 1);
    EXPECT_EQ(RenderCore::draw(view, &d, &whole, 0), 1);

    const RenderRect bad[] = {{-4, 0, 256, 192}, {0, -4, 256, 192},  {0, 0, 260, 192},
                              {0, 0, 256, 196},  {128, 0, 128, 192}, {0, 100, 256, 96}};
    for (const RenderRect& r : bad)
        EXPECT_EQ(RenderCore::draw(view, &d, &r, 0), 0) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    const RenderFrameDesc other = RenderCore::describe(yuv.data(), 32, 24);
    EXPECT_EQ(RenderCore::draw(view, &other, &whole, 0), 0);  // not the announced size
    RenderFrameDesc noFrame = d;
    noFrame.yuv = nullptr;
    EXPECT_EQ(RenderCore::draw(view, &noFrame, &whole, 0), 0);
    EXPECT_EQ(RenderCore::draw(view, &d, nullptr, 0), 0);
    RenderCore::close(view);
}

// The crop of the source rectangle fills the whole picture, scaled to the
// widget: cropping exactly the block leaves nothing of the rest.
TEST_F(RenderCoreTest, APresentedPictureIsTheCropScaledToTheWidget)
{
    const uint8_t black[3] = {16, 128, 128}, warm[3] = {150, 90, 200};
    const int W = 64, H = 48;
    const std::vector<uint8_t> yuv = twoColourFrame(W, H, black, warm, 16, 12, 48, 36);
    const RenderCore::Handle view = openOn(&surface_);
    ASSERT_EQ(RenderCore::setSize(view, W, H), 1);
    const RenderFrameDesc d = RenderCore::describe(yuv.data(), W, H);

    const RenderRect block = RenderCore::sourceRect(W, H, 16 * 4, 12 * 4);
    ASSERT_EQ(RenderCore::draw(view, &d, &block, 0), 1);
    ASSERT_EQ(RenderCore::present(view), 1);
    deliver();
    ASSERT_TRUE(surface_.hasFrame());
    QImage shown = surface_.frame().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(96, 72));
    int off = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) off += shown.pixel(x, y) != rgbOf(warm);
    EXPECT_EQ(off, 0);

    const RenderRect whole = RenderCore::sourceRect(W, H, 0, 0);
    ASSERT_EQ(RenderCore::draw(view, &d, &whole, 0), 1);
    ASSERT_EQ(RenderCore::present(view), 1);
    deliver();
    shown = surface_.frame().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(0, 0), rgbOf(black));
    EXPECT_EQ(shown.pixel(48, 36), rgbOf(warm));
    EXPECT_EQ(shown.pixel(95, 71), rgbOf(black));
    RenderCore::close(view);
}

TEST_F(RenderCoreTest, OnlyTheNewestPictureWaitsForTheWidgetAndClearEndsIt)
{
    const uint8_t darkGrey[3] = {0x20, 128, 128}, lightGrey[3] = {0xC0, 128, 128};
    const std::vector<uint8_t> dark = twoColourFrame(32, 16, darkGrey, darkGrey, 0, 0, 0, 0);
    const std::vector<uint8_t> light = twoColourFrame(32, 16, lightGrey, lightGrey, 0, 0, 0, 0);
    const RenderCore::Handle view = openOn(&surface_);
    ASSERT_EQ(RenderCore::setSize(view, 32, 16), 1);
    const RenderRect whole = RenderCore::sourceRect(32, 16, 0, 0);
    const quint64 before = surface_.framesShown();
    for (const std::vector<uint8_t>* frame : {&dark, &light}) {
        const RenderFrameDesc d = RenderCore::describe(frame->data(), 32, 16);
        ASSERT_EQ(RenderCore::draw(view, &d, &whole, 0), 1);
        ASSERT_EQ(RenderCore::present(view), 1);
    }
    deliver();
    EXPECT_EQ(surface_.framesShown(), before + 1);
    EXPECT_EQ(qGray(surface_.frame().pixel(0, 0)), 0xC0);

    // Present without a new draw shows nothing more; clear goes back to idle.
    EXPECT_EQ(RenderCore::present(view), 1);
    const RenderRect zero;
    EXPECT_EQ(RenderCore::clear(view, &zero), 1);
    deliver();
    EXPECT_EQ(surface_.framesShown(), before + 1);
    EXPECT_FALSE(surface_.hasFrame());
    RenderCore::close(view);
}

// A frame of smooth ramps in Y, U and V, the kind of picture a camera gives.
std::vector<uint8_t> rampFrame(int W, int H)
{
    std::vector<uint8_t> yuv(size_t(W) * size_t(H) * 2);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; x += 2) {
            uint8_t* p = yuv.data() + (size_t(y) * size_t(W) + size_t(x)) * 2;
            p[0] = uint8_t(64 + 128 * x / W);   // U
            p[1] = uint8_t(16 + 220 * y / H);   // Y0
            p[2] = uint8_t(200 - 128 * y / H);  // V
            p[3] = uint8_t(16 + 220 * y / H + 2 * ((x + 1) % 3));
        }
    return yuv;
}

struct ScaleRow {
    const char* name;
    int W, H;      // frame
    int cx, cy;    // crop offsets, in pixels of the four-times frame
};

const ScaleRow kScaleRows[] = {
    {"enlarged whole frame", 64, 48, 0, 0},
    {"enlarged crop", 64, 48, 32, 24},
    {"shrunk whole frame", 192, 144, 0, 0},
    {"crop starting on an odd pixel", 66, 48, 4, 0},
};

TEST_F(RenderCoreTest, ThePictureIsTheCropConvertedAndScaledInTheWidgetsFormat)
{
    for (const ScaleRow& row : kScaleRows) {
        SCOPED_TRACE(row.name);
        const std::vector<uint8_t> yuv = rampFrame(row.W, row.H);
        const RenderCore::Handle view = openOn(&surface_);
        ASSERT_EQ(RenderCore::setSize(view, row.W, row.H), 1);
        const RenderFrameDesc d = RenderCore::describe(yuv.data(), row.W, row.H);
        const RenderRect source = RenderCore::sourceRect(row.W, row.H, row.cx, row.cy);
        ASSERT_EQ(RenderCore::draw(view, &d, &source, 0), 1);
        ASSERT_EQ(RenderCore::present(view), 1);
        deliver();
        const QImage& shown = surface_.frame();
        EXPECT_EQ(shown.format(), QImage::Format_RGB32) << "painted without a conversion";

        // The reference: the whole frame converted, the crop scaled.
        std::vector<uint8_t> rgb(size_t(row.W) * size_t(row.H) * 3);
        Yuv422ToRgb(yuv.data(), rgb.data(), row.W, row.H);
        const cv::Mat all(row.H, row.W, CV_8UC3, rgb.data());
        const int x0 = row.cx / 4, y0 = row.cy / 4;
        cv::Mat want;
        cv::resize(all(cv::Rect(x0, y0, row.W - 2 * x0, row.H - 2 * y0)), want, cv::Size(shown.width(), shown.height()),
                   0, 0, cv::INTER_CUBIC);
        double sum = 0;
        int worst = 0;
        for (int y = 0; y < want.rows; ++y)
            for (int x = 0; x < want.cols; ++x) {
                const QRgb got = shown.pixel(x, y);
                const cv::Vec3b& w = want.at<cv::Vec3b>(y, x);
                for (int diff : {qRed(got) - w[0], qGreen(got) - w[1], qBlue(got) - w[2]}) {
                    sum += std::abs(diff);
                    worst = std::max(worst, std::abs(diff));
                }
            }
        EXPECT_LT(sum / (3.0 * want.rows * want.cols), 1.0);
        EXPECT_LE(worst, 6);
        RenderCore::close(view);
    }
}

TEST_F(RenderCoreTest, PicturesComeFromAFewBuffersUsedAgain)
{
    const std::vector<uint8_t> yuv = rampFrame(64, 48);
    const RenderCore::Handle view = openOn(&surface_);
    ASSERT_EQ(RenderCore::setSize(view, 64, 48), 1);
    const RenderFrameDesc d = RenderCore::describe(yuv.data(), 64, 48);
    const RenderRect whole = RenderCore::sourceRect(64, 48, 0, 0);
    std::set<const uchar*> buffers;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(RenderCore::draw(view, &d, &whole, 0), 1);
        ASSERT_EQ(RenderCore::present(view), 1);
        deliver();
        buffers.insert(surface_.frame().constBits());
    }
    EXPECT_LE(buffers.size(), 3u);
    RenderCore::close(view);
}

TEST_F(RenderCoreTest, AWidgetOfNoSizeGetsNoPicture)
{
    VideoSurface hidden;
    hidden.resize(0, 0);
    hidden.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(hidden.targetSize().isEmpty());
    const std::vector<uint8_t> yuv(16 * 16 * 2, 0x80);
    const RenderCore::Handle view = openOn(&hidden);
    ASSERT_EQ(RenderCore::setSize(view, 16, 16), 1);
    const RenderFrameDesc d = RenderCore::describe(yuv.data(), 16, 16);
    const RenderRect whole = RenderCore::sourceRect(16, 16, 0, 0);
    EXPECT_EQ(RenderCore::draw(view, &d, &whole, 0), 1);
    EXPECT_EQ(RenderCore::present(view), 1);
    deliver();
    EXPECT_FALSE(hidden.hasFrame());
    RenderCore::close(view);
}

}  // namespace
