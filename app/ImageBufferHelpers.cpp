#include "ImageBufferHelpers.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>

#include "PaletteTable.h"
#include "YuvSimd.h"

namespace {

// --- YUV to RGB -------------------------------------------------------------

// The coefficients are exact in units of 1/100000, and with an integer Y,
// trunc(Y + c) clamped to 0..255 equals Y + floor(c) clamped (a negative sum
// clamps to 0 either way). So per-chroma floors, computed exactly in
// integers, give the real-valued formula bit for bit, with no floating point
// per pixel.
constexpr long kScale = 100000;

constexpr int floorDiv(long n)
{
    return int(n >= 0 ? n / kScale : -((-n + kScale - 1) / kScale));
}

// What each chroma adds to Y, by the formulas.
constexpr int redOffset(int v)
{
    return floorDiv(113983L * (v - 128));
}
constexpr int blueOffset(int u)
{
    return floorDiv(203211L * (u - 128));
}
constexpr int greenOffset(int u, int v)
{
    return floorDiv(-58060L * (v - 128) - 39465L * (u - 128));
}

// The vector kernels' fixed-point offsets are these floors for every input.
constexpr bool fixedPointIsExact()
{
    for (int c = 0; c < 256; ++c)
        if (yuvfixed::red(c) != redOffset(c) || yuvfixed::blue(c) != blueOffset(c)) return false;
    for (int u = 0; u < 256; ++u)
        for (int v = 0; v < 256; ++v)
            if (yuvfixed::green(u, v) != greenOffset(u, v)) return false;
    return true;
}
static_assert(fixedPointIsExact(), "fixed-point chroma offsets differ from the formulas");

// Y + offset spans -261..513 (blue reaches -261 and +258).
constexpr int kClampBias = 384;

struct ChromaOffsets {
    std::array<int16_t, 256> red;     // by V
    std::array<int16_t, 256> blue;    // by U
    std::array<int8_t, 65536> green;  // by U << 8 | V; always within -125..125
    // Clamping by lookup: a third faster than compares on the conversion.
    std::array<uint8_t, 1024> clamp;  // by Y + offset + kClampBias

    uint8_t byte(int yPlusOffset) const { return clamp[size_t(yPlusOffset + kClampBias)]; }
};

const ChromaOffsets& chroma()
{
    static const std::unique_ptr<const ChromaOffsets> offsets = [] {
        auto o = std::make_unique<ChromaOffsets>();
        for (int c = 0; c < 256; ++c) {
            o->red[size_t(c)] = int16_t(redOffset(c));
            o->blue[size_t(c)] = int16_t(blueOffset(c));
        }
        for (int u = 0; u < 256; ++u)
            for (int v = 0; v < 256; ++v) o->green[size_t(u << 8 | v)] = int8_t(greenOffset(u, v));
        for (int i = 0; i < int(o->clamp.size()); ++i) {
            const int x = i - kClampBias;
            o->clamp[size_t(i)] = uint8_t(x < 0 ? 0 : x > 255 ? 255 : x);
        }
        return std::unique_ptr<const ChromaOffsets>(std::move(o));
    }();
    return *offsets;
}

// What a U, V pair adds to the Y of each of its pixels.
struct Offsets {
    int r, g, b;
};

inline Offsets offsetsOf(const ChromaOffsets& c, uint8_t u, uint8_t v)
{
    return {c.red[v], c.green[size_t(u << 8 | v)], c.blue[u]};
}

// The instruction set in use; -1 until the first conversion picks one.
std::atomic<int> activeIsa{-1};

YuvIsa fastestIsa()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return YuvIsa::Avx2;
    if (__builtin_cpu_supports("ssse3")) return YuvIsa::Ssse3;
    return YuvIsa::Scalar;
}

// The vector kernels in use; none for the scalar conversion.
const YuvKernels* vectorKernels()
{
    switch (yuvIsa()) {
        case YuvIsa::Avx2:
            return &kYuvKernelsAvx2;
        case YuvIsa::Ssse3:
            return &kYuvKernelsSsse3;
        case YuvIsa::Scalar:
            break;
    }
    return nullptr;
}

// --- BMP --------------------------------------------------------------------

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kHeaderSize = kFileHeaderSize + kInfoHeaderSize;
constexpr int kBitsPerPixel = 24;

// Where each header field sits in the 54 bytes.
enum BmpOffset : size_t {
    kMagic = 0,
    kFileSize = 2,
    kReserved = 6,
    kDataOffset = 10,
    kInfoSize = 14,
    kWidth = 18,
    kHeight = 22,
    kPlanes = 26,
    kBitCount = 28,
    kCompression = 30,
    kImageSize = 34,
    kXResolution = 38,
    kYResolution = 42,
    kColoursUsed = 46,
    kColoursImportant = 50,
};

struct BmpLayout {
    int rowBytes;   // width * 3, as the caller packs them
    int stride;     // rowBytes padded to a multiple of 4
    int imageSize;  // stride * height
    int fileSize;   // 54 + imageSize
};

bool layoutOf(int width, int height, int bitCount, BmpLayout& layout)
{
    if (bitCount != kBitsPerPixel || width <= 0 || height <= 0) return false;
    const int64_t rowBytes = int64_t(width) * 3;
    const int64_t stride = (rowBytes + 3) & ~int64_t(3);
    const int64_t fileSize = kHeaderSize + stride * height;
    // Every size is a 32-bit header field and the in-memory size an int.
    if (fileSize > std::numeric_limits<int32_t>::max()) return false;
    layout = {int(rowBytes), int(stride), int(stride * height), int(fileSize)};
    return true;
}

void put16(uint8_t* header, size_t at, uint16_t value)
{
    header[at] = uint8_t(value);
    header[at + 1] = uint8_t(value >> 8);
}

void put32(uint8_t* header, size_t at, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i) header[at + i] = uint8_t(value >> (8 * i));
}

// Fills all 54 bytes; fields not set are 0.
void writeHeaders(uint8_t* header, int width, int height, const BmpLayout& layout)
{
    std::memset(header, 0, kHeaderSize);
    header[kMagic] = 'B';
    header[kMagic + 1] = 'M';
    put32(header, kFileSize, uint32_t(layout.fileSize));
    put32(header, kDataOffset, kHeaderSize);
    put32(header, kInfoSize, kInfoHeaderSize);
    put32(header, kWidth, uint32_t(width));
    put32(header, kHeight, uint32_t(-height));  // negative: rows run top-down
    put16(header, kPlanes, 1);
    put16(header, kBitCount, kBitsPerPixel);
    put32(header, kImageSize, uint32_t(layout.imageSize));
}

// Closes the file on every path.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool yuvIsaSupported(YuvIsa isa)
{
    return int(isa) >= int(YuvIsa::Scalar) && int(isa) <= int(fastestIsa());
}

YuvIsa yuvIsa()
{
    int isa = activeIsa.load(std::memory_order_relaxed);
    if (isa < 0) {
        // Racing first callers all store the same answer.
        isa = int(fastestIsa());
        activeIsa.store(isa, std::memory_order_relaxed);
    }
    return YuvIsa(isa);
}

YuvIsa forceYuvIsa(YuvIsa isa)
{
    const YuvIsa before = yuvIsa();
    if (yuvIsaSupported(isa)) activeIsa.store(int(isa), std::memory_order_relaxed);
    return before;
}

int ColorizeGray8(const uint8_t* grey, uint8_t* out, const ColorizeParam* param)
{
    if (!param) return kColorizeInvalid;
    const uint32_t* palette = fusionlib::PaletteTable::row(param->colorType);
    if (!palette) {
        std::fputs("The color type is not valid!\n", stdout);
        return kColorizeInvalid;
    }
    if (param->pixelCount <= 0) return kColorizeOk;
    if (!grey || !out) return kColorizeInvalid;

    int inLow = param->inLow, inHigh = param->inHigh;
    if (inLow == inHigh) {
        if (inLow == 255)
            inLow = 254;
        else
            inHigh = inLow + 1;
    }
    const int outLow = param->outLow;
    const int outSpan = int(param->outHigh) - outLow;
    const int inSpan = inHigh - inLow;

    // One entry per grey value: 256 divisions instead of one per pixel. Each
    // holds the pixel's Y, U, V bytes in memory order and a spare fourth, so
    // one 4-byte store writes a pixel; the next pixel overwrites the spare.
    uint32_t bytesOf[256];
    for (int g = 0; g < 256; ++g) {
        int clamped = g < inLow ? inLow : g;
        if (clamped > inHigh) clamped = inHigh;
        int level = outLow + (clamped - inLow) * outSpan / inSpan;  // C++ division truncates toward zero
        level = level < 0 ? 0 : level > 255 ? 255 : level;
        const uint32_t e = palette[level];
        const uint8_t bytes[4] = {uint8_t(e >> 16), uint8_t(e >> 8), uint8_t(e), 0};
        std::memcpy(&bytesOf[g], bytes, 4);
    }
    // Eight greys a load, so the loads left are the lookups themselves (an
    // AVX2 gather measured no faster than they are).
    const int last = param->pixelCount - 1;
    int i = 0;
    for (; i + 8 <= last; i += 8) {
        uint64_t eight;
        std::memcpy(&eight, grey + i, 8);
        uint8_t* px = out + 3 * size_t(i);
#pragma GCC unroll 8
        for (int k = 0; k < 8; ++k) std::memcpy(px + 3 * k, &bytesOf[(eight >> (8 * k)) & 0xFF], 4);
    }
    for (; i < last; ++i) std::memcpy(out + 3 * size_t(i), &bytesOf[grey[i]], 4);
    std::memcpy(out + 3 * size_t(last), &bytesOf[grey[last]], 3);  // the spare would land past the end
    return kColorizeOk;
}

void Yuv444ToBgr(const uint8_t* yuv, uint8_t* out, int pixelCount)
{
    if (pixelCount <= 0) return;
    const YuvKernels* vector = vectorKernels();
    const int64_t done = vector ? vector->yuv444ToBgr(yuv, out, pixelCount) : 0;
    yuv += 3 * done;
    out += 3 * done;
    const ChromaOffsets& c = chroma();
    for (int64_t i = done; i < pixelCount; ++i) {
        const int y = yuv[0];
        const Offsets o = offsetsOf(c, yuv[1], yuv[2]);
        out[0] = c.byte(y + o.b);
        out[1] = c.byte(y + o.g);
        out[2] = c.byte(y + o.r);
        yuv += 3;
        out += 3;
    }
}

int Yuv422ToRgb(const uint8_t* uyvy, uint8_t* out, int width, int height)
{
    if (width <= 0 || height <= 0) return 0;
    const int64_t pixels = int64_t(width) * height;
    const ChromaOffsets& c = chroma();
    const int64_t groups = pixels / 2;
    const YuvKernels* vector = vectorKernels();
    // Every byte of a group is read before any is written: stores through
    // uint8_t may alias anything, and this keeps the loads out of their way.
    for (int64_t i = vector ? vector->uyvyToRgb(uyvy, out, groups) : 0; i < groups; ++i) {
        const uint8_t* in = uyvy + 4 * i;
        const int y0 = in[1], y1 = in[3];
        const Offsets o = offsetsOf(c, in[0], in[2]);
        uint8_t* px = out + 6 * i;
        px[0] = c.byte(y0 + o.r);
        px[1] = c.byte(y0 + o.g);
        px[2] = c.byte(y0 + o.b);
        px[3] = c.byte(y1 + o.r);
        px[4] = c.byte(y1 + o.g);
        px[5] = c.byte(y1 + o.b);
    }
    // An odd count ends in U, Y without a V of its own. The previous
    // group's V is its neighbour's chroma, closer than a neutral 128 would
    // be; a single pixel has no neighbour and gets 128.
    if (pixels % 2 != 0) {
        const uint8_t* in = uyvy + 4 * groups;
        const int y = in[1];
        const Offsets o = offsetsOf(c, in[0], groups > 0 ? in[-2] : uint8_t(128));
        uint8_t* px = out + 6 * groups;
        px[0] = c.byte(y + o.r);
        px[1] = c.byte(y + o.g);
        px[2] = c.byte(y + o.b);
    }
    return 0;
}

int BuildBmpInMemory(const uint8_t* pixels, uint8_t** out, int width, int height, int bitCount)
{
    BmpLayout layout;
    if (!pixels || !out || !layoutOf(width, height, bitCount, layout)) return 0;
    uint8_t* buffer = new (std::nothrow) uint8_t[size_t(layout.fileSize)]();
    if (!buffer) return 0;
    writeHeaders(buffer, width, height, layout);
    for (int row = 0; row < height; ++row)
        std::memcpy(buffer + kHeaderSize + size_t(row) * size_t(layout.stride),
                    pixels + size_t(row) * size_t(layout.rowBytes), size_t(layout.rowBytes));
    *out = buffer;
    return layout.fileSize;
}

int WriteBmpFile(const char* path, const uint8_t* pixels, int width, int height, int bitCount,
                 const uint32_t* /*palette*/)
{
    if (!pixels) return kBmpNoPixels;
    BmpLayout layout;
    if (!layoutOf(width, height, bitCount, layout)) return kBmpBadFormat;
    if (!path) return kBmpOpenFailed;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file) return kBmpOpenFailed;

    uint8_t header[kHeaderSize];
    writeHeaders(header, width, height, layout);
    bool ok = std::fwrite(header, 1, sizeof header, file.get()) == sizeof header;
    const size_t padding = size_t(layout.stride - layout.rowBytes);
    static const uint8_t kZeros[3] = {0, 0, 0};
    for (int row = 0; ok && row < height; ++row) {
        const uint8_t* data = pixels + size_t(row) * size_t(layout.rowBytes);
        ok = std::fwrite(data, 1, size_t(layout.rowBytes), file.get()) == size_t(layout.rowBytes) &&
             std::fwrite(kZeros, 1, padding, file.get()) == padding;
    }
    // fclose flushes: a full disk shows up here.
    ok = std::fclose(file.release()) == 0 && ok;
    return ok ? kBmpWritten : kBmpOpenFailed;
}
