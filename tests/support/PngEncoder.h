#pragma once
// Minimal PNG writer for test pictures: 8-bit greyscale or RGB, no filtering,
// zlib stream of "stored" deflate blocks. Enough for any PNG viewer, and free
// of libpng/zlib so the fixtures build everywhere the library does.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fixtures {

class PngEncoder {
public:
    enum class ColorType : uint8_t { Grey = 0, Rgb = 2 };

    // pixels: width * height samples (Grey) or RGB triples (Rgb), row by row.
    // Throws std::invalid_argument for a non-positive size.
    static std::vector<uint8_t> encode(int width, int height, ColorType type, const uint8_t* pixels);
    static std::vector<uint8_t> encodeGrey(int width, int height, const std::vector<uint8_t>& pixels);
    static std::vector<uint8_t> encodeRgb(int width, int height, const std::vector<uint8_t>& pixels);

    // CRC-32 (ISO-HDLC, as PNG chunks use it); pass a previous result to continue.
    static uint32_t crc32(const uint8_t* data, size_t size, uint32_t previous = 0);
    // Adler-32 of the zlib trailer.
    static uint32_t adler32(const uint8_t* data, size_t size);

    // Largest payload of one stored deflate block.
    static constexpr size_t kStoredBlockMax = 65535;
};

}  // namespace fixtures
