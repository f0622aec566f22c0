#pragma once
// Builds complete radiometric picture files (PNG + appended camera data) and
// in-memory raw frames for tests, fuzz seeds and benchmarks. Raw greys come
// from a temperature field through the library's own grey-temperature model,
// so what a reader returns can be compared with the field that went in.
//
// Broken files are made by patching the bytes of a good one at the offsets
// that Layout reports.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "thermcore.h"

namespace fixtures {

constexpr int kMaxRaw = 16383;  // 14-bit detector values

// Low-range and high-range model codes of the default camera block.
constexpr const char* kLowRangeModel = "VXT-QA7301-RM";   // high-range limit 550 C
constexpr const char* kHighRangeModel = "VXT-QB6903-RM";  // high-range limit 650 C

// A believable camera block for a width x height raw frame.
//
// gainMode 0: breakpoints every 10 C from -30 to 160 C, 18 grey/C in the
// first segment rising to 45 grey/C in the last. gainMode 1: every 40 C from
// -30 to 650 C, 6 rising to 15 grey/C, model kHighRangeModel. Both: BaseGray
// 8192 at 25.0 C, TEC off, emissivity model V1, no temperature-rise
// compensation, camera emissivity 1.0 (the table then equals the curve and a
// field round-trips to within half a grey), object distance = default
// distance = 1.0 m (counts as distance 0), no distance coefficients, distance
// table off, measured window = the whole frame. Every grey of the curve's
// range lies well inside 0..16383.
RedunData defaultRedunData(int width, int height, int gainMode = 0);

// The picture information block as the snapshot writer fills it: channel
// mode 0, emissivity 1.0, distance 1.0 m, environment 25.0 C, unit C,
// humidity 50, no rules, no note, everything else zero.
PicViewInfo defaultPicViewInfo();

// One field move of the earlier RedunData layout: current offset <- earlier
// offset.
struct RedunFieldMove {
    size_t current;
    size_t earlier;
    size_t size;
};
// The moves of every field that the earlier layout carries.
const std::vector<RedunFieldMove>& earlierLayoutMoves();
// Encodes a current block in the earlier layout; bytes that the earlier
// layout does not map are zero.
std::array<uint8_t, sizeof(RedunData)> encodeEarlierRedunData(const RedunData& block);

// Raw frame (row by row) of a temperature field in C: each value is the
// model's grey for the temperature under the picture's emissivity and the
// camera's reflected temperature, rounded and clamped to 0..16383. With the
// block's temperature-data flag set the raw values are temperatures x 10
// instead (as signed 16-bit numbers).
std::vector<uint16_t> rawFrameFromTemperatures(const RedunData& block, const PicViewInfo& info,
                                               const std::vector<float>& celsius);

// A smooth field: a diagonal ramp from lowC at the top left to highC at the
// bottom right.
std::vector<float> rampTemperatures(int width, int height, float lowC, float highC);

// The bytes that HM_analyRadioData takes: the raw frame (u16 little-endian)
// followed by the 1368-byte block.
std::vector<uint8_t> radioDataBuffer(const std::vector<uint16_t>& raw, const RedunData& block);
// The header that goes with such a buffer.
ThermalGraphHeader thermalGraphHeader(int width, int height, int redunVersion = 1);

// Offsets of every block in a written file, from the start of the file.
struct Layout {
    size_t pngSize = 0;  // the PNG part; also the stored start offset
    size_t yuvHeader1 = 0;
    size_t yuvData1 = 0;
    size_t yuvHeader2 = 0;
    size_t yuvData2 = 0;  // empty as written
    size_t thermalHeader = 0;
    size_t raw = 0;
    size_t picViewInfo = 0;
    size_t redunData = 0;
    size_t trailer = 0;  // u32 start offset, then the mark 0x26 0xBC
    size_t fileSize = 0;
};

// One radiometric picture. Starts as a uniform 25 C scene with the default
// blocks; change what a test needs, then build() or writeTo().
class RadioPictureWriter {
public:
    // Throws std::invalid_argument unless 1 <= width, height <= 16384.
    RadioPictureWriter(int width, int height, int gainMode = 0);

    int width() const { return width_; }
    int height() const { return height_; }

    // Field of width * height temperatures in C, row by row; resets a raw
    // frame set with setRawFrame. Throws std::invalid_argument on a size
    // mismatch.
    RadioPictureWriter& setTemperatures(std::vector<float> celsius);
    // Uses these raw values as they are instead of a field.
    RadioPictureWriter& setRawFrame(std::vector<uint16_t> raw);
    // 1 writes the current RedunData layout, any other value the earlier one.
    RadioPictureWriter& setRedunVersion(int version);
    // 0: YUV 4:2:2 display image (yuvLen w*h*2); else 4:2:0 (w*h*3/2).
    RadioPictureWriter& setYuvFormat(uint8_t format);

    // Edited in place; the raw frame follows the block when built from a field.
    RedunData& redunData() { return block_; }
    const RedunData& redunData() const { return block_; }
    PicViewInfo& picViewInfo() { return info_; }
    const PicViewInfo& picViewInfo() const { return info_; }
    int redunVersion() const { return version_; }
    uint8_t yuvFormat() const { return format_; }

    // The raw frame the file will carry.
    std::vector<uint16_t> rawFrame() const;
    // The 8-bit display image (Y plane) that both the PNG and the YUV data show.
    std::vector<uint8_t> displayImage() const;
    // Bytes of HM_analyRadioData's input for this picture (current layout).
    std::vector<uint8_t> radioData() const { return radioDataBuffer(rawFrame(), block_); }

    // The whole file; layout, when given, receives the block offsets.
    std::vector<uint8_t> build(Layout* layout = nullptr) const;
    // build() into a file; false when it cannot be written.
    bool writeTo(const std::string& path, Layout* layout = nullptr) const;

private:
    int width_;
    int height_;
    int version_ = 1;
    uint8_t format_ = 0;
    RedunData block_;
    PicViewInfo info_;
    std::vector<float> celsius_;
    std::vector<uint16_t> raw_;  // non-empty: used instead of celsius_
};

// Writes bytes to a file, replacing it; false on any failure.
bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Whole file; empty when it cannot be read.
std::vector<uint8_t> readBytes(const std::string& path);

}  // namespace fixtures
