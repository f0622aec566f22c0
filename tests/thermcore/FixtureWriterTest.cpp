// The picture fixtures are what every file test stands on: check their bytes
// against the file format independently of the structs they are built from.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "PngEncoder.h"
#include "RadioPictureWriter.h"
#include "ScratchDir.h"
#include "thermcore.h"

namespace {

using fixtures::Layout;
using fixtures::PngEncoder;
using fixtures::RadioPictureWriter;

uint32_t u32le(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 | uint32_t(b.at(at + 2)) << 16 |
           uint32_t(b.at(at + 3)) << 24;
}
int32_t i32le(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<int32_t>(u32le(b, at));
}
uint16_t u16le(const std::vector<uint8_t>& b, size_t at)
{
    return uint16_t(b.at(at) | b.at(at + 1) << 8);
}
float f32le(const std::vector<uint8_t>& b, size_t at)
{
    const uint32_t bits = u32le(b, at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}
uint32_t u32be(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b.at(at)) << 24 | uint32_t(b.at(at + 1)) << 16 | uint32_t(b.at(at + 2)) << 8 |
           uint32_t(b.at(at + 3));
}

template <typename T>
bool sameBytes(const std::vector<uint8_t>& file, size_t at, const T& record)
{
    return at + sizeof(T) <= file.size() && std::memcmp(file.data() + at, &record, sizeof(T)) == 0;
}

struct FileCase {
    int width;
    int height;
    uint8_t format;
    int version;
    size_t yuvLen;
};

TEST(FixtureWriter, FileLayoutChainsEveryBlock)
{
    const FileCase cases[] = {
        {16, 12, 0, 1, 16 * 12 * 2},
        {7, 5, 1, 1, 52},  // 4:2:0 rounds 52.5 down
        {8, 6, 0, 0, 8 * 6 * 2},
        {3, 1, 1, 1, 4},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " format " << int(c.format) << " version "
                                        << c.version);
        RadioPictureWriter w(c.width, c.height);
        w.setTemperatures(fixtures::rampTemperatures(c.width, c.height, 0.0f, 100.0f));
        w.setYuvFormat(c.format).setRedunVersion(c.version);
        Layout l;
        const std::vector<uint8_t> f = w.build(&l);
        const size_t rawBytes = size_t(c.width) * size_t(c.height) * 2;

        // Blocks follow each other without gaps.
        EXPECT_EQ(l.yuvHeader1, l.pngSize);
        EXPECT_EQ(l.yuvData1, l.yuvHeader1 + 92);
        EXPECT_EQ(l.yuvHeader2, l.yuvData1 + c.yuvLen);
        EXPECT_EQ(l.yuvData2, l.yuvHeader2 + 92);
        EXPECT_EQ(l.thermalHeader, l.yuvData2);
        EXPECT_EQ(l.raw, l.thermalHeader + 112);
        EXPECT_EQ(l.picViewInfo, l.raw + rawBytes);
        EXPECT_EQ(l.redunData, l.picViewInfo + 11128);
        EXPECT_EQ(l.trailer, l.redunData + 1368);
        EXPECT_EQ(l.fileSize, l.trailer + 6);
        ASSERT_EQ(f.size(), l.fileSize);

        // PNG first, closed by its IEND chunk.
        EXPECT_EQ(0, std::memcmp(f.data(), "\x89PNG\r\n\x1a\n", 8));
        EXPECT_EQ(0, std::memcmp(f.data() + l.pngSize - 8, "IEND", 4));

        // Trailer: start offset at end - 6, mark in the last two bytes.
        EXPECT_EQ(u32le(f, f.size() - 6), l.pngSize);
        EXPECT_EQ(f[f.size() - 2], 0x26);
        EXPECT_EQ(f[f.size() - 1], 0xBC);

        const size_t h1 = l.yuvHeader1;
        EXPECT_EQ(f[h1], 0x4F);
        EXPECT_EQ(f[h1 + 1], 0x48);
        EXPECT_EQ(i32le(f, h1 + 4), 0);
        EXPECT_EQ(i32le(f, h1 + 8), c.width);
        EXPECT_EQ(i32le(f, h1 + 12), c.height);
        EXPECT_EQ(size_t(i32le(f, h1 + 16)), c.yuvLen);
        EXPECT_EQ(i32le(f, h1 + 20), c.width);
        EXPECT_EQ(f[h1 + 24], c.format);
        EXPECT_EQ(f32le(f, h1 + 32), 0.0f);
        EXPECT_EQ(f32le(f, h1 + 52), 0.0f);

        // Header 2: all zero but yuvType 1.
        for (size_t i = 0; i < 92; ++i) EXPECT_EQ(f[l.yuvHeader2 + i], i == 4 ? 1 : 0) << "header 2 byte " << i;

        const size_t th = l.thermalHeader;
        EXPECT_EQ(u32le(f, th), rawBytes);
        EXPECT_EQ(i32le(f, th + 4), c.width);
        EXPECT_EQ(i32le(f, th + 8), c.height);
        EXPECT_EQ(i32le(f, th + 12), 16);
        EXPECT_EQ(u32le(f, th + 20), 0u);
        EXPECT_EQ(i32le(f, th + 96), c.version);

        const std::vector<uint16_t> raw = w.rawFrame();
        for (size_t i = 0; i < raw.size(); ++i) ASSERT_EQ(u16le(f, l.raw + 2 * i), raw[i]) << "raw value " << i;

        EXPECT_TRUE(sameBytes(f, l.picViewInfo, fixtures::defaultPicViewInfo()));
        EXPECT_FLOAT_EQ(f32le(f, l.picViewInfo + 9612), 1.0f);
        EXPECT_EQ(i32le(f, l.picViewInfo + 9628), 50);

        // The measured window sits at 824 in the current layout, 1332 in the earlier one.
        const size_t window = l.redunData + (c.version == 1 ? 824 : 1332);
        EXPECT_EQ(u16le(f, window), c.width);
        EXPECT_EQ(u16le(f, window + 2), c.height);
        if (c.version == 1) {
            EXPECT_TRUE(sameBytes(f, l.redunData, w.redunData()));
        }
    }
}

TEST(FixtureWriter, EarlierLayoutPutsFieldsAtTheirOldOffsets)
{
    RedunData b = fixtures::defaultRedunData(40, 30);
    std::memset(b.cameraData, 0x5A, sizeof b.cameraData);
    b.cameraValue256 = 1.5f;
    b.grayTempDrift = -7;
    b.emissModelV2 = 1;  // no earlier counterpart
    b.tempDataFlag = 1;  // no earlier counterpart
    b.tempRiseCompensation = 0.75f;
    b.defaultDistance = 2.5f;
    b.distCoef[3] = -0.125;
    std::vector<uint8_t> e(sizeof(RedunData));
    const auto encoded = fixtures::encodeEarlierRedunData(b);
    std::memcpy(e.data(), encoded.data(), e.size());

    EXPECT_EQ(0, std::memcmp(e.data(), &b, 256));  // TEC record and camera data stay put
    EXPECT_FLOAT_EQ(f32le(e, 304), 1.5f);
    EXPECT_EQ(i32le(e, 308), -7);
    EXPECT_EQ(e[1340], b.curveCount);
    EXPECT_EQ(0, std::memcmp(e.data() + 392, b.curve, 240));
    EXPECT_FLOAT_EQ(f32le(e, 652), 25.0f);
    EXPECT_EQ(u32le(e, 696), 8192u);
    EXPECT_EQ(i32le(e, 1004), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(e.data() + 1008), "VXT-QA7301-RM");
    EXPECT_FLOAT_EQ(f32le(e, 1064), 0.75f);
    double c3;
    std::memcpy(&c3, e.data() + 1072 + 3 * 8, sizeof c3);
    EXPECT_EQ(c3, -0.125);
    EXPECT_EQ(i32le(e, 1136), 50);               // humidity opens the camera parameters
    EXPECT_FLOAT_EQ(f32le(e, 1136 + 16), 1.0f);  // emissivity
    EXPECT_FLOAT_EQ(f32le(e, 1260), 139.4f);     // first low threshold
    EXPECT_EQ(u32le(e, 1260 + 32), 1600u);       // Ld
    EXPECT_EQ(u16le(e, 1332), 40);
    EXPECT_EQ(u16le(e, 1334), 30);
    EXPECT_FLOAT_EQ(f32le(e, 1252), 2.5f);

    // Nothing lands outside the mapped ranges (the flags at 265 and 581 included).
    std::vector<bool> mapped(e.size(), false);
    for (const auto& m : fixtures::earlierLayoutMoves()) {
        for (size_t i = 0; i < m.size; ++i) {
            ASSERT_FALSE(mapped[m.earlier + i]) << "moves overlap at " << m.earlier + i;
            mapped[m.earlier + i] = true;
        }
    }
    for (size_t i = 0; i < e.size(); ++i) {
        if (!mapped[i]) {
            EXPECT_EQ(e[i], 0) << "unmapped earlier byte " << i;
        }
    }
}

TEST(FixtureWriter, RawGreysReadBackThroughTheModel)
{
    struct GainCase {
        int gainMode;
        std::vector<float> temps;
        double tolerance;  // half a grey over the flattest segment
    };
    const GainCase cases[] = {
        {0, {-20.0f, -3.7f, 0.0f, 24.9f, 25.0f, 36.6f, 99.5f, 149.9f}, 0.5 / 18.0},
        {1, {-20.0f, 25.0f, 100.0f, 333.3f, 549.0f, 649.0f}, 0.5 / 6.0},
    };
    for (const GainCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "gain mode " << c.gainMode);
        const RedunData block = fixtures::defaultRedunData(int(c.temps.size()), 1, c.gainMode);
        const PicViewInfo info = fixtures::defaultPicViewInfo();
        const std::vector<uint16_t> raw = fixtures::rawFrameFromTemperatures(block, info, c.temps);

        const thermcore::GreyModel model(block);
        thermcore::MeasureParams params;
        params.emissivity = info.emissivity;
        params.distance = info.distance;
        params.reflectedTemp = block.reflectedTemp;
        params.atmosphericTemp = info.envTemp;
        params.humidity = info.humidity;
        const double grayReflect = model.reflectedGrey(block.reflectedTemp);
        for (size_t i = 0; i < raw.size(); ++i) {
            SCOPED_TRACE(testing::Message() << c.temps[i] << " C");
            EXPECT_GT(raw[i], 4000);  // far from both ends of the 14-bit range
            EXPECT_LT(raw[i], 16000);
            if (i > 0) {
                EXPECT_GT(raw[i], raw[i - 1]);
            }
            if (c.temps[i] == 25.0f) {
                EXPECT_EQ(raw[i], 8192);  // the base grey belongs to the base temperature
            }
            float t = 0.0f;
            ASSERT_EQ(model.temperature(model.compensatedGrey(raw[i], true), params, grayReflect, &t), 0);
            EXPECT_NEAR(t, c.temps[i], c.tolerance);
        }
    }

    // With the temperature-data flag the raw values are tenths, as i16.
    RedunData flagged = fixtures::defaultRedunData(3, 1);
    flagged.tempDataFlag = 1;
    const std::vector<uint16_t> tenths =
        fixtures::rawFrameFromTemperatures(flagged, fixtures::defaultPicViewInfo(), {-5.0f, 0.04f, 36.66f});
    EXPECT_EQ(tenths, (std::vector<uint16_t>{uint16_t(-50), 0, 367}));
}

TEST(FixtureWriter, PngIsWellFormed)
{
    const auto bytesOf = [](const char* s) { return std::vector<uint8_t>(s, s + std::strlen(s)); };
    const std::vector<uint8_t> check = bytesOf("123456789");
    EXPECT_EQ(PngEncoder::crc32(check.data(), check.size()), 0xCBF43926u);
    EXPECT_EQ(PngEncoder::crc32(check.data() + 4, 5, PngEncoder::crc32(check.data(), 4)), 0xCBF43926u);
    const std::vector<uint8_t> wiki = bytesOf("Wikipedia");
    EXPECT_EQ(PngEncoder::adler32(wiki.data(), wiki.size()), 0x11E60398u);

    // Large enough that the scanlines need two stored blocks.
    const int width = 300, height = 250;
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t(i * 7 + i / width);
    const std::vector<uint8_t> png = PngEncoder::encodeGrey(width, height, pixels);

    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8));
    std::vector<std::string> types;
    std::vector<uint8_t> idat;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t len = u32be(png, at);
        ASSERT_LE(at + 12 + len, png.size());
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        types.push_back(type);
        EXPECT_EQ(u32be(png, at + 8 + len), PngEncoder::crc32(png.data() + at + 4, 4 + len)) << type;
        if (type == "IHDR") {
            ASSERT_EQ(len, 13u);
            EXPECT_EQ(u32be(png, at + 8), uint32_t(width));
            EXPECT_EQ(u32be(png, at + 12), uint32_t(height));
            EXPECT_EQ(png[at + 16], 8);  // bit depth
            EXPECT_EQ(png[at + 17], 0);  // greyscale
        }
        if (type == "IDAT") idat.insert(idat.end(), png.begin() + at + 8, png.begin() + at + 8 + len);
        at += 12 + len;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(u32be(png, png.size() - 4), 0xAE426082u);  // the CRC every IEND carries

    // Undo the stored deflate blocks by hand.
    ASSERT_GE(idat.size(), 6u);
    EXPECT_EQ((idat[0] << 8 | idat[1]) % 31, 0);
    EXPECT_EQ(idat[0] & 0x0F, 8);  // deflate
    std::vector<uint8_t> inflated;
    size_t p = 2;
    int blocks = 0;
    bool final = false;
    while (!final) {
        ASSERT_LE(p + 5, idat.size());
        final = (idat[p] & 1) != 0;
        EXPECT_EQ(idat[p] >> 1, 0) << "stored blocks only";
        const uint16_t len = u16le(idat, p + 1);
        EXPECT_EQ(uint16_t(~len), u16le(idat, p + 3));
        ASSERT_LE(p + 5 + len, idat.size());
        inflated.insert(inflated.end(), idat.begin() + p + 5, idat.begin() + p + 5 + len);
        p += 5 + len;
        ++blocks;
    }
    EXPECT_EQ(blocks, 2);
    ASSERT_EQ(p + 4, idat.size());
    EXPECT_EQ(u32be(idat, p), PngEncoder::adler32(inflated.data(), inflated.size()));

    ASSERT_EQ(inflated.size(), size_t(width + 1) * height);
    for (int y = 0; y < height; ++y) {
        const size_t row = size_t(y) * (width + 1);
        ASSERT_EQ(inflated[row], 0) << "filter of row " << y;
        ASSERT_EQ(0, std::memcmp(inflated.data() + row + 1, pixels.data() + size_t(y) * width, width));
    }
}

// Whatever the layout variant, the library reads the field back from the file.
TEST(FixtureWriter, LibraryReadsTheFieldBack)
{
    const int width = 16, height = 12;
    const std::vector<float> field = fixtures::rampTemperatures(width, height, -10.0f, 120.0f);
    const fixtures::ScratchDir dir;
    const std::string path = dir.file("roundtrip.png");
    for (int version : {1, 0}) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        RadioPictureWriter w(width, height);
        w.setTemperatures(field).setRedunVersion(version);
        ASSERT_TRUE(w.writeTo(path));
        ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);
        ThermalGraphHeader h;
        std::memset(&h, 0, sizeof h);
        ASSERT_EQ(HM_getAxThrmGraphHeaderInfo(&h), 0);
        EXPECT_EQ(h.width, width);
        EXPECT_EQ(h.height, height);
        std::vector<float> temps(field.size());
        ASSERT_EQ(HM_getAxPixelsTemperature(0, temps.data()), 0);
        for (size_t i = 0; i < field.size(); ++i) ASSERT_NEAR(temps[i], field[i], 0.5 / 18.0) << "pixel " << i;
        HM_freeAXPicViewInfo();
    }
}

}  // namespace
