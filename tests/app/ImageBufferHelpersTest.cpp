// Colouring grey pictures, YUV to RGB, and the BMPs of the picture store.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "ImageBufferHelpers.h"
#include "PaletteTable.h"
#include "YuvSimd.h"

namespace {

constexpr uint8_t kGuard = 0xA5;
constexpr size_t kGuardBytes = 16;

const uint32_t* paletteRow(int type)
{
    return fusionlib::PaletteTable::row(type);
}

std::vector<uint8_t> randomBytes(size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(n);
    for (uint8_t& b : bytes) b = uint8_t(rng() & 0xFF);
    return bytes;
}

ColorizeParam params(int type, int count, int outLow, int outHigh, int inLow, int inHigh)
{
    return ColorizeParam{type, count, uint8_t(outLow), uint8_t(outHigh), uint8_t(inLow), uint8_t(inHigh)};
}

// The real-valued formula, evaluated in double: what the integer fast path
// must reproduce.
struct Rgb {
    int r, g, b;
};
Rgb reference(int y, int u, int v)
{
    const auto byte = [](double x) { return int(x < 0 ? 0 : x > 255 ? 255 : x); };
    u -= 128;
    v -= 128;
    return {byte(y + 1.13983 * v), byte(y - 0.5806 * v - 0.39465 * u), byte(y + 2.03211 * u)};
}

// --- ColorizeGray8 ----------------------------------------------------------

TEST(ImageBufferColorize, InvalidColourTypesRefused)
{
    for (int type : {14, 19, -1, 22}) {
        const uint8_t grey[2] = {0, 255};
        uint8_t out[6];
        std::memset(out, kGuard, sizeof out);
        const ColorizeParam p = params(type, 2, 0, 255, 0, 255);
        testing::internal::CaptureStdout();
        EXPECT_EQ(ColorizeGray8(grey, out, &p), -1) << type;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "The color type is not valid!\n") << type;
        for (uint8_t b : out) EXPECT_EQ(b, kGuard) << type;
    }
}

TEST(ImageBufferColorize, WindowMapsOntoPaletteLevels)
{
    struct Case {
        int type, outLow, outHigh, inLow, inHigh, grey, level;
    };
    const Case cases[] = {
        {0, 0, 255, 0, 255, 0, 0},
        {0, 0, 255, 0, 255, 128, 128},
        {0, 0, 255, 0, 255, 255, 255},
        // A one-grey window is widened upwards: 100 is the bottom, 101 on the top.
        {3, 10, 200, 100, 100, 100, 10},
        {3, 10, 200, 100, 100, 101, 200},
        {3, 10, 200, 100, 100, 255, 200},
        {3, 10, 200, 100, 100, 0, 10},
        // ... except at 255, widened downwards.
        {4, 0, 255, 255, 255, 254, 0},
        {4, 0, 255, 255, 255, 255, 255},
        {4, 0, 255, 255, 255, 3, 0},
        // Greys outside the window take its ends; 127.5 truncates.
        {12, 0, 255, 50, 150, 49, 0},
        {12, 0, 255, 50, 150, 100, 127},
        {12, 0, 255, 50, 150, 151, 255},
        // Falling output: the negative quotient truncates toward zero (-1.9 -> -1).
        {2, 200, 10, 0, 100, 1, 199},
        {2, 255, 0, 0, 255, 128, 127},
        // A reversed window sends everything to the output high level.
        {5, 10, 20, 200, 100, 0, 20},
        {5, 10, 20, 200, 100, 150, 20},
        {5, 10, 20, 200, 100, 255, 20},
    };
    for (const Case& c : cases) {
        const uint8_t grey = uint8_t(c.grey);
        uint8_t out[3 + kGuardBytes];
        std::memset(out, kGuard, sizeof out);
        const ColorizeParam p = params(c.type, 1, c.outLow, c.outHigh, c.inLow, c.inHigh);
        ASSERT_EQ(ColorizeGray8(&grey, out, &p), 0);
        const uint32_t e = paletteRow(c.type)[c.level];
        EXPECT_EQ(out[0], uint8_t(e >> 16)) << "type " << c.type << " grey " << c.grey;
        EXPECT_EQ(out[1], uint8_t(e >> 8)) << "type " << c.type << " grey " << c.grey;
        EXPECT_EQ(out[2], uint8_t(e)) << "type " << c.type << " grey " << c.grey;
        for (size_t i = 3; i < sizeof out; ++i) EXPECT_EQ(out[i], kGuard);
    }
}

TEST(ImageBufferColorize, PixelsWrittenAsYuvBytes)
{
    const uint8_t grey[] = {0, 128, 255, 7};
    std::vector<uint8_t> out(3 * 3 + kGuardBytes, kGuard);
    // Three of the four pixels: the count, not the buffer, decides.
    const ColorizeParam p = params(12, 3, 0, 255, 0, 255);
    ASSERT_EQ(ColorizeGray8(grey, out.data(), &p), 0);
    const std::vector<uint8_t> expected = {0x10, 0x80, 0x80, 0x31, 0x6D, 0xB8, 0x51, 0x5A, 0xF0};
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 9), expected);
    for (size_t i = 9; i < out.size(); ++i) EXPECT_EQ(out[i], kGuard) << i;

    const ColorizeParam none = params(12, 0, 0, 255, 0, 255);
    EXPECT_EQ(ColorizeGray8(grey, out.data(), &none), 0);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 9), expected);
}

TEST(ImageBufferColorize, InvertedOutputReversesThePalette)
{
    std::vector<uint8_t> grey(256);
    for (int k = 0; k < 256; ++k) grey[size_t(k)] = uint8_t(k);
    std::vector<uint8_t> out(256 * 3);
    const ColorizeParam p = params(3, 256, 255, 0, 0, 255);
    ASSERT_EQ(ColorizeGray8(grey.data(), out.data(), &p), 0);
    for (int k = 0; k < 256; ++k) {
        const uint32_t e = paletteRow(3)[255 - k];
        const uint32_t got =
            uint32_t(out[size_t(3 * k)]) << 16 | uint32_t(out[size_t(3 * k + 1)]) << 8 | out[size_t(3 * k + 2)];
        EXPECT_EQ(got, e) << k;
    }
}

// Every count from 1 to 40 around the eight-pixel steps: each pixel its
// palette entry, nothing read past the greys (allocated at exactly count
// bytes) or written past the pixels.
TEST(ImageBufferColorize, EveryCountWritesItsPixelsOnly)
{
    for (int count = 1; count <= 40; ++count) {
        const std::vector<uint8_t> grey = randomBytes(size_t(count), unsigned(count));
        std::vector<uint8_t> out(size_t(count) * 3 + kGuardBytes, kGuard);
        const ColorizeParam p = params(7, count, 0, 255, 0, 255);
        ASSERT_EQ(ColorizeGray8(grey.data(), out.data(), &p), 0);
        for (int i = 0; i < count; ++i) {
            const uint32_t e = paletteRow(7)[grey[size_t(i)]];
            const uint32_t got =
                uint32_t(out[size_t(3 * i)]) << 16 | uint32_t(out[size_t(3 * i + 1)]) << 8 | out[size_t(3 * i + 2)];
            EXPECT_EQ(got, e) << "count " << count << " pixel " << i;
        }
        for (size_t i = size_t(count) * 3; i < out.size(); ++i) EXPECT_EQ(out[i], kGuard) << "count " << count;
    }
}

// --- Yuv444ToBgr ------------------------------------------------------------

TEST(ImageBufferYuv444, KnownPixels)
{
    struct Case {
        uint8_t y, u, v, b, g, r;
    };
    const Case cases[] = {
        {16, 128, 128, 16, 16, 16},     {255, 128, 128, 255, 255, 255}, {0, 0, 0, 0, 124, 0},
        {255, 255, 255, 255, 131, 255}, {100, 50, 200, 0, 88, 182},     {120, 200, 60, 255, 131, 42},
    };
    for (const Case& c : cases) {
        const uint8_t in[3] = {c.y, c.u, c.v};
        uint8_t out[3];
        Yuv444ToBgr(in, out, 1);
        EXPECT_EQ(out[0], c.b) << int(c.y) << "," << int(c.u) << "," << int(c.v);
        EXPECT_EQ(out[1], c.g) << int(c.y) << "," << int(c.u) << "," << int(c.v);
        EXPECT_EQ(out[2], c.r) << int(c.y) << "," << int(c.u) << "," << int(c.v);
    }
}

// Every Y, U, V against the formula in floating point.
TEST(ImageBufferYuv444, MatchesFormulaForEveryInput)
{
    std::vector<uint8_t> in(256 * 256 * 3), out(in.size());
    int mismatches = 0;
    for (int u = 0; u < 256; ++u) {
        for (int v = 0; v < 256; ++v)
            for (int y = 0; y < 256; ++y) {
                uint8_t* px = &in[size_t((v * 256 + y) * 3)];
                px[0] = uint8_t(y);
                px[1] = uint8_t(u);
                px[2] = uint8_t(v);
            }
        Yuv444ToBgr(in.data(), out.data(), 256 * 256);
        for (int v = 0; v < 256; ++v)
            for (int y = 0; y < 256; ++y) {
                const uint8_t* px = &out[size_t((v * 256 + y) * 3)];
                const Rgb want = reference(y, u, v);
                if (px[0] != want.b || px[1] != want.g || px[2] != want.r) {
                    if (++mismatches <= 5) ADD_FAILURE() << "Y " << y << " U " << u << " V " << v;
                }
            }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ImageBufferYuv444, NoPixelsWritesNothing)
{
    const uint8_t in[3] = {200, 10, 240};
    for (int count : {0, -3}) {
        uint8_t out[3] = {kGuard, kGuard, kGuard};
        Yuv444ToBgr(in, out, count);
        for (uint8_t b : out) EXPECT_EQ(b, kGuard) << count;
    }
}

// --- Yuv422ToRgb ------------------------------------------------------------

TEST(ImageBufferYuv422, GroupKeepsVideoLevels)
{
    const std::vector<uint8_t> in = {0x80, 0x10, 0x80, 0xEB};
    std::vector<uint8_t> out(6);
    EXPECT_EQ(Yuv422ToRgb(in.data(), out.data(), 2, 1), 0);
    EXPECT_EQ(out, (std::vector<uint8_t>{16, 16, 16, 235, 235, 235}));
}

// Converts random 4:2:2 as a w x h frame, `skip` bytes into its buffers
// (the conversions take rows at any address), and checks every pixel
// against the formula and that nothing past them is written. The input ends
// exactly w * h * 2 bytes after its start, so AddressSanitizer reports any
// read past it; guard bytes catch writes past w * h * 3.
void expectUyvyFrameConverted(int w, int h, size_t skip = 0)
{
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " at +" + std::to_string(skip));
    const size_t n = size_t(w) * size_t(h);
    const std::vector<uint8_t> buffer = randomBytes(skip + n * 2, unsigned(n));
    const uint8_t* in = buffer.data() + skip;
    std::vector<uint8_t> written(skip + n * 3 + kGuardBytes, kGuard);
    uint8_t* out = written.data() + skip;
    ASSERT_EQ(Yuv422ToRgb(in, out, w, h), 0);
    for (size_t i = 0; i < n; ++i) {
        const size_t group = i / 2 * 4;
        const int y = in[i % 2 == 0 ? group + 1 : group + 3];
        const int u = in[group];
        int v;
        if (group + 2 < n * 2)
            v = in[group + 2];
        else  // the lone last pixel: the V of the group before, or neutral
            v = n > 1 ? in[group - 2] : 128;
        const Rgb want = reference(y, u, v);
        EXPECT_EQ(out[3 * i], want.r) << "pixel " << i;
        EXPECT_EQ(out[3 * i + 1], want.g) << "pixel " << i;
        EXPECT_EQ(out[3 * i + 2], want.b) << "pixel " << i;
    }
    for (size_t i = 0; i < skip; ++i) EXPECT_EQ(written[i], kGuard) << "byte " << i << " before";
    for (size_t i = n * 3; i < n * 3 + kGuardBytes; ++i) EXPECT_EQ(out[i], kGuard) << "byte " << i;
}

TEST(ImageBufferYuv422, WritesExactlyEveryPixel)
{
    struct Size {
        int w, h;
    };
    for (const Size s : {Size{1, 1}, Size{3, 3}, Size{4, 2}, Size{5, 1}, Size{2, 1}})
        expectUyvyFrameConverted(s.w, s.h);
}

TEST(ImageBufferYuv422, EmptySizeReturnsAtOnce)
{
    struct Size {
        int w, h;
    };
    for (const Size s : {Size{0, 0}, Size{0, 4}, Size{4, 0}, Size{-2, 3}}) {
        uint8_t out[kGuardBytes];
        std::memset(out, kGuard, sizeof out);
        EXPECT_EQ(Yuv422ToRgb(nullptr, out, s.w, s.h), 0);
        for (uint8_t b : out) EXPECT_EQ(b, kGuard);
    }
}

// --- Instruction sets -------------------------------------------------------

const char* nameOf(YuvIsa isa)
{
    switch (isa) {
        case YuvIsa::Scalar:
            return "scalar";
        case YuvIsa::Ssse3:
            return "SSSE3";
        case YuvIsa::Avx2:
            return "AVX2";
    }
    return "?";
}

constexpr YuvIsa kEveryIsa[] = {YuvIsa::Scalar, YuvIsa::Ssse3, YuvIsa::Avx2};

// The index of the first byte where a and b (of one size) differ, or kSame.
constexpr size_t kSame = size_t(-1);
size_t firstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    const auto at = std::mismatch(a.begin(), a.end(), b.begin());
    return at.first == a.end() ? kSame : size_t(at.first - a.begin());
}

// Uses one instruction set for its lifetime, then the one before.
class UsingIsa {
public:
    explicit UsingIsa(YuvIsa isa) : before_(forceYuvIsa(isa)) {}
    ~UsingIsa() { forceYuvIsa(before_); }
    UsingIsa(const UsingIsa&) = delete;
    UsingIsa& operator=(const UsingIsa&) = delete;

private:
    YuvIsa before_;
};

TEST(ImageBufferYuvIsa, FastestSupportedSetByDefault)
{
    YuvIsa fastest = YuvIsa::Scalar;
    for (YuvIsa isa : kEveryIsa)
        if (yuvIsaSupported(isa)) fastest = isa;
    EXPECT_TRUE(yuvIsaSupported(YuvIsa::Scalar));
    EXPECT_EQ(yuvIsa(), fastest) << nameOf(yuvIsa());
    {
        const UsingIsa scalar(YuvIsa::Scalar);
        EXPECT_EQ(yuvIsa(), YuvIsa::Scalar);
    }
    EXPECT_EQ(yuvIsa(), fastest);
}

// Every vector path against the scalar one, byte for byte, over every
// input: each U, V with every Y, in 4:2:2 (Y0, Y1 = 2k, 2k + 1) and 4:4:4.
TEST(ImageBufferYuvIsa, VectorPathsMatchScalarForEveryInput)
{
    std::vector<YuvIsa> vectorIsas;
    for (YuvIsa isa : kEveryIsa)
        if (isa != YuvIsa::Scalar && yuvIsaSupported(isa)) vectorIsas.push_back(isa);
    if (vectorIsas.empty()) GTEST_SKIP() << "no vector instruction set on this processor";

    constexpr int kPixels = 256 * 256;  // a U: every V, every Y
    std::vector<uint8_t> uyvy(kPixels * 2), yuv(kPixels * 3);
    std::vector<uint8_t> wantRgb(kPixels * 3), wantBgr(kPixels * 3), got(kPixels * 3);
    for (int u = 0; u < 256; ++u) {
        for (int v = 0; v < 256; ++v)
            for (int y = 0; y < 256; ++y) {
                const size_t at = size_t(v * 256 + y);
                uint8_t* group = &uyvy[at / 2 * 4];
                group[0] = uint8_t(u);
                group[2] = uint8_t(v);
                group[1 + 2 * (y % 2)] = uint8_t(y);
                yuv[3 * at] = uint8_t(y);
                yuv[3 * at + 1] = uint8_t(u);
                yuv[3 * at + 2] = uint8_t(v);
            }
        {
            const UsingIsa scalar(YuvIsa::Scalar);
            Yuv422ToRgb(uyvy.data(), wantRgb.data(), kPixels, 1);
            Yuv444ToBgr(yuv.data(), wantBgr.data(), kPixels);
        }
        for (YuvIsa isa : vectorIsas) {
            const UsingIsa vector(isa);
            Yuv422ToRgb(uyvy.data(), got.data(), kPixels, 1);
            ASSERT_EQ(firstDifference(got, wantRgb), kSame) << nameOf(isa) << " 4:2:2, U " << u;
            Yuv444ToBgr(yuv.data(), got.data(), kPixels);
            ASSERT_EQ(firstDifference(got, wantBgr), kSame) << nameOf(isa) << " 4:4:4, U " << u;
        }
    }
}

// Each path, the scalar fallback too, on every pixel count from 1 to 100
// (the vector blocks are 16 and 32 pixels; the rest is converted one by
// one), and on frames of several rows.
class ImageBufferYuvPath : public testing::TestWithParam<YuvIsa> {
protected:
    void SetUp() override
    {
        if (!yuvIsaSupported(GetParam())) GTEST_SKIP() << nameOf(GetParam()) << " not on this processor";
    }
};

TEST_P(ImageBufferYuvPath, Yuv422EveryLengthAgainstTheFormula)
{
    const UsingIsa isa(GetParam());
    for (int n = 1; n <= 100; ++n) {
        expectUyvyFrameConverted(n, 1);
        expectUyvyFrameConverted(n, 1, 3);
    }
    struct Size {
        int w, h;
    };
    for (const Size s : {Size{37, 3}, Size{64, 4}, Size{640, 2}, Size{33, 33}}) expectUyvyFrameConverted(s.w, s.h);
}

TEST_P(ImageBufferYuvPath, Yuv444EveryLengthAgainstTheFormula)
{
    const UsingIsa isa(GetParam());
    for (int n = 1; n <= 100; ++n) {
        // The input exactly n pixels long and, like the output, off any
        // vector alignment.
        const std::vector<uint8_t> buffer = randomBytes(1 + size_t(n) * 3, unsigned(n) + 1000);
        const uint8_t* in = buffer.data() + 1;
        std::vector<uint8_t> written(1 + size_t(n) * 3 + kGuardBytes, kGuard);
        uint8_t* out = written.data() + 1;
        Yuv444ToBgr(in, out, n);
        for (size_t i = 0; i < size_t(n); ++i) {
            const Rgb want = reference(in[3 * i], in[3 * i + 1], in[3 * i + 2]);
            EXPECT_EQ(out[3 * i], want.b) << "count " << n << " pixel " << i;
            EXPECT_EQ(out[3 * i + 1], want.g) << "count " << n << " pixel " << i;
            EXPECT_EQ(out[3 * i + 2], want.r) << "count " << n << " pixel " << i;
        }
        for (size_t i = size_t(n) * 3; i < size_t(n) * 3 + kGuardBytes; ++i) EXPECT_EQ(out[i], kGuard) << "count " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryIsa, ImageBufferYuvPath, testing::ValuesIn(kEveryIsa),
                         [](const testing::TestParamInfo<YuvIsa>& info) { return std::string(nameOf(info.param)); });

// --- BMP --------------------------------------------------------------------

uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t le16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

std::vector<uint8_t> buildBmp(const std::vector<uint8_t>& pixels, int w, int h)
{
    uint8_t* buffer = nullptr;
    const int size = BuildBmpInMemory(pixels.data(), &buffer, w, h, 24);
    if (size <= 0 || !buffer) return {};
    std::vector<uint8_t> bytes(buffer, buffer + size);
    delete[] buffer;
    return bytes;
}

TEST(ImageBufferBmp, HeaderFields)
{
    struct Case {
        int w, h;
        uint32_t stride;
    };
    for (const Case c : {Case{3, 2, 12}, Case{256, 1, 768}, Case{1, 1, 4}, Case{4, 3, 12}}) {
        const std::vector<uint8_t> pixels = randomBytes(size_t(c.w * c.h * 3), 7);
        const std::vector<uint8_t> bmp = buildBmp(pixels, c.w, c.h);
        const uint32_t imageSize = c.stride * uint32_t(c.h);
        ASSERT_EQ(bmp.size(), 54 + imageSize) << c.w << "x" << c.h;
        const uint8_t* b = bmp.data();
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le32(b + 2), 54 + imageSize);
        EXPECT_EQ(le32(b + 6), 0u);  // both reserved words
        EXPECT_EQ(le32(b + 10), 54u);
        EXPECT_EQ(le32(b + 14), 40u);
        EXPECT_EQ(int32_t(le32(b + 18)), c.w);
        EXPECT_EQ(int32_t(le32(b + 22)), -c.h);
        EXPECT_EQ(le16(b + 26), 1);
        EXPECT_EQ(le16(b + 28), 24);
        EXPECT_EQ(le32(b + 30), 0u);
        EXPECT_EQ(le32(b + 34), imageSize);
        for (size_t at = 38; at < 54; ++at) EXPECT_EQ(b[at], 0) << at;  // resolutions, colour counts
        // Rows: the caller's bytes, then zeros up to the stride.
        for (int row = 0; row < c.h; ++row) {
            const uint8_t* line = b + 54 + size_t(row) * c.stride;
            EXPECT_EQ(std::memcmp(line, &pixels[size_t(row * c.w * 3)], size_t(c.w * 3)), 0) << row;
            for (uint32_t i = uint32_t(c.w * 3); i < c.stride; ++i) EXPECT_EQ(line[i], 0) << row;
        }
    }
}

void expectSamePixels(const QImage& image, const std::vector<uint8_t>& pixels, int w, int h)
{
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.width(), w);
    ASSERT_EQ(image.height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* px = &pixels[size_t((y * w + x) * 3)];
            const QRgb got = image.pixel(x, y);
            ASSERT_EQ(qBlue(got), px[0]) << x << "," << y;
            ASSERT_EQ(qGreen(got), px[1]) << x << "," << y;
            ASSERT_EQ(qRed(got), px[2]) << x << "," << y;
        }
}

TEST(ImageBufferBmp, ReadBackPixelExact)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Size {
        int w, h;
    };
    for (const Size s : {Size{3, 2}, Size{256, 1}, Size{1, 1}, Size{5, 2}}) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        const std::vector<uint8_t> pixels = randomBytes(size_t(s.w * s.h * 3), unsigned(s.w * 31 + s.h));
        const QString path = dir.filePath(QString("image %1x%2 é.bmp").arg(s.w).arg(s.h));
        ASSERT_EQ(WriteBmpFile(path.toUtf8().constData(), pixels.data(), s.w, s.h, 24, nullptr), 0);
        QImage fromFile;
        ASSERT_TRUE(fromFile.load(path, "BMP"));
        expectSamePixels(fromFile, pixels, s.w, s.h);

        const std::vector<uint8_t> bmp = buildBmp(pixels, s.w, s.h);
        QImage fromMemory;
        ASSERT_TRUE(fromMemory.loadFromData(bmp.data(), int(bmp.size()), "BMP"));
        expectSamePixels(fromMemory, pixels, s.w, s.h);

        // The file and the memory image are the same bytes.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.end()), bmp);
    }
}

TEST(ImageBufferBmp, Refusals)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("out.bmp").toStdString();
    const std::string missingDir = dir.filePath("no such folder/out.bmp").toStdString();
    const uint8_t pixels[12] = {};

    struct Case {
        const char* what;
        const char* path;
        const uint8_t* pixels;
        int w, h, bits;
        int written;  // WriteBmpFile's result; BuildBmpInMemory builds nothing for any of these
    };
    const Case cases[] = {
        {"no pixels", path.c_str(), nullptr, 2, 2, 24, -1},
        {"no pixels, no path", nullptr, nullptr, 2, 2, 24, -1},
        {"8 bits", path.c_str(), pixels, 2, 2, 8, -3},
        {"zero width", path.c_str(), pixels, 0, 2, 24, -3},
        {"negative height", path.c_str(), pixels, 2, -2, 24, -3},
        {"over 2 GiB", path.c_str(), pixels, 65536, 16384, 24, -3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteBmpFile(c.path, c.pixels, c.w, c.h, c.bits, nullptr), c.written) << c.what;
        uint8_t* out = nullptr;
        EXPECT_EQ(BuildBmpInMemory(c.pixels, &out, c.w, c.h, c.bits), 0) << c.what;
        EXPECT_EQ(out, nullptr) << c.what;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));  // nothing refused creates a file

    EXPECT_EQ(WriteBmpFile(missingDir.c_str(), pixels, 2, 2, 24, nullptr), -2);
    EXPECT_EQ(WriteBmpFile(nullptr, pixels, 2, 2, 24, nullptr), -2);
    EXPECT_EQ(BuildBmpInMemory(pixels, nullptr, 2, 2, 24), 0);
}

}  // namespace

// gtest names the instruction set of a failing path.
void PrintTo(YuvIsa isa, std::ostream* os)
{
    *os << nameOf(isa);
}
