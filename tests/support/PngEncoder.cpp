#include "PngEncoder.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace fixtures {

namespace {

const std::array<uint32_t, 256>& crcTable()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void putU32BE(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

void putChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    putU32BE(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The CRC covers the type and the data, not the length.
    putU32BE(out, PngEncoder::crc32(out.data() + typeAt, 4 + data.size()));
}

std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> z;
    z.reserve(raw.size() + raw.size() / PngEncoder::kStoredBlockMax * 5 + 16);
    // CMF 0x78 (deflate, 32K window), FLG 0x01: (0x78 << 8 | 0x01) % 31 == 0.
    z.push_back(0x78);
    z.push_back(0x01);
    size_t pos = 0;
    do {
        const size_t len = std::min(raw.size() - pos, PngEncoder::kStoredBlockMax);
        const bool last = pos + len == raw.size();
        z.push_back(last ? 0x01 : 0x00);  // BFINAL, BTYPE 00
        z.push_back(static_cast<uint8_t>(len));
        z.push_back(static_cast<uint8_t>(len >> 8));
        z.push_back(static_cast<uint8_t>(~len));
        z.push_back(static_cast<uint8_t>(~len >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < raw.size());
    putU32BE(z, PngEncoder::adler32(raw.data(), raw.size()));
    return z;
}

}  // namespace

uint32_t PngEncoder::crc32(const uint8_t* data, size_t size, uint32_t previous)
{
    const auto& table = crcTable();
    uint32_t c = previous ^ 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t PngEncoder::adler32(const uint8_t* data, size_t size)
{
    constexpr uint32_t kMod = 65521;
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % kMod;
        b = (b + a) % kMod;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> PngEncoder::encode(int width, int height, ColorType type, const uint8_t* pixels)
{
    if (width <= 0 || height <= 0 || pixels == nullptr) throw std::invalid_argument("PngEncoder: empty picture");
    const size_t channels = type == ColorType::Rgb ? 3 : 1;
    const size_t rowBytes = static_cast<size_t>(width) * channels;

    // Every scanline starts with its filter type; 0 = none.
    std::vector<uint8_t> scanlines;
    scanlines.reserve((rowBytes + 1) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        scanlines.push_back(0);
        const uint8_t* row = pixels + rowBytes * static_cast<size_t>(y);
        scanlines.insert(scanlines.end(), row, row + rowBytes);
    }

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    putU32BE(ihdr, static_cast<uint32_t>(width));
    putU32BE(ihdr, static_cast<uint32_t>(height));
    ihdr.push_back(8);                           // bit depth
    ihdr.push_back(static_cast<uint8_t>(type));  // colour type
    ihdr.push_back(0);                           // compression: deflate
    ihdr.push_back(0);                           // filter method 0
    ihdr.push_back(0);                           // no interlace
    putChunk(png, "IHDR", ihdr);
    putChunk(png, "IDAT", zlibStored(scanlines));
    putChunk(png, "IEND", {});
    return png;
}

std::vector<uint8_t> PngEncoder::encodeGrey(int width, int height, const std::vector<uint8_t>& pixels)
{
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
        throw std::invalid_argument("PngEncoder: pixel buffer does not match the size");
    return encode(width, height, ColorType::Grey, pixels.data());
}

std::vector<uint8_t> PngEncoder::encodeRgb(int width, int height, const std::vector<uint8_t>& pixels)
{
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height) * 3)
        throw std::invalid_argument("PngEncoder: pixel buffer does not match the size");
    return encode(width, height, ColorType::Rgb, pixels.data());
}

}  // namespace fixtures
