#include "RadioPictureWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "PngEncoder.h"

// Records are appended as their in-memory bytes; the file format is
// little-endian, so that only holds on a little-endian host.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "fixtures assume a little-endian host");

namespace fixtures {

namespace {

constexpr float kBaseTemp = 25.0f;
constexpr uint32_t kBaseGray = 8192;

template <typename T>
void append(std::vector<uint8_t>& out, const T& record)
{
    const auto* p = reinterpret_cast<const uint8_t*>(&record);
    out.insert(out.end(), p, p + sizeof(T));
}

void appendU16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void appendU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

size_t pixelCount(int width, int height)
{
    return static_cast<size_t>(width) * static_cast<size_t>(height);
}

size_t yuvLength(int width, int height, uint8_t format)
{
    const size_t n = pixelCount(width, height);
    return format == 0 ? n * 2 : n * 3 / 2;
}

// Breakpoints x(k) = first + step * k; the grey per degree grows linearly from
// slopeFirst over segment 1 to slopeLast over the last segment.
void fillCurve(RedunData& b, int count, float first, float step, float slopeFirst, float slopeLast)
{
    b.curveCount = static_cast<uint8_t>(count);
    for (int k = 0; k < count; ++k) {
        b.curve[k].temperature = first + step * static_cast<float>(k);
        const float slope =
            slopeFirst + (slopeLast - slopeFirst) * static_cast<float>(k - 1) / static_cast<float>(count - 2);
        // y(0) takes no part in the curve.
        b.curve[k].increment = k == 0 ? 0.0f : slope * step;
    }
}

void copyText(char* dst, size_t capacity, const char* src)
{
    std::memset(dst, 0, capacity);
    std::strncpy(dst, src, capacity - 1);
}

void checkSize(int width, int height)
{
    if (width < 1 || height < 1 || width > THERMCORE_MAX_SIDE || height > THERMCORE_MAX_SIDE)
        throw std::invalid_argument("fixtures: frame size out of range");
}

}  // namespace

RedunData defaultRedunData(int width, int height, int gainMode)
{
    checkSize(width, height);
    RedunData b;
    std::memset(&b, 0, sizeof b);

    // TEC record of a settled detector; enable 0 keeps the curve as stored.
    b.tec.temp0 = 30.0f;
    b.tec.tempCur = 30.0f;
    b.tec.self_com = 0.0f;
    b.tec.segFlag = 5;
    b.tec.offset[0] = 1.0f;
    b.tec.offset[1] = 1.0f;
    b.tec.offset[2] = 1.0f;
    b.tec.enable = 0;

    b.gainMode = gainMode;
    if (gainMode == 1) {
        fillCurve(b, 18, -30.0f, 40.0f, 6.0f, 15.0f);  // -30 .. 650 C
        copyText(b.modelCode, sizeof b.modelCode, kHighRangeModel);
    } else {
        fillCurve(b, 20, -30.0f, 10.0f, 18.0f, 45.0f);  // -30 .. 160 C
        copyText(b.modelCode, sizeof b.modelCode, kLowRangeModel);
    }
    b.emissModelV2 = 0;
    b.realBaseTemp = kBaseTemp;
    b.baseGray = kBaseGray;
    b.distFactorOnly = 0;
    b.tempRiseCompensation = 0.0f;
    b.tempDataFlag = 0;

    // Camera parameters. Emissivity 1.0 rather than a camera's usual 0.97:
    // HM_analyRadioData copies it into the picture, and only 1.0 makes the
    // model V1 emissivity step the identity.
    b.humidity = 50;
    b.distance = 1.0f;
    b.envTemp = 25.0f;
    b.reflectedTemp = 25.0f;
    b.emissivity = 1.0f;
    b.tempUnit = 0;

    const float low[4] = {139.4f, 30.0f, 137.1f, 29.7f};
    const float high[4] = {278.1f, 56.8f, 270.5f, 55.8f};
    std::memcpy(b.lowThresholds, low, sizeof low);
    std::memcpy(b.highThresholds, high, sizeof high);
    b.distLd = 1600;
    b.distHd = 2000;

    b.windowWidth = static_cast<uint16_t>(width);
    b.windowHeight = static_cast<uint16_t>(height);
    b.windowX = 0;
    b.windowY = 0;
    b.distTableEnable = 0;
    // Equal to the object distance, so the distance counts as 0.
    b.defaultDistance = 1.0f;
    return b;
}

PicViewInfo defaultPicViewInfo()
{
    PicViewInfo info;
    std::memset(&info, 0, sizeof info);
    info.channelMode = 0;
    info.emissivity = 1.0f;
    info.distance = 1.0f;
    info.envTemp = 25.0f;
    info.tempUnit = 0;
    info.humidity = 50;
    return info;
}

const std::vector<RedunFieldMove>& earlierLayoutMoves()
{
    static const std::vector<RedunFieldMove> moves = {
        {0, 0, 256},      {256, 304, 4},   {260, 308, 4},  {264, 1340, 1},  {268, 392, 240}, {520, 652, 4},
        {532, 696, 4},    {536, 940, 4},   {540, 1004, 4}, {544, 1008, 32}, {576, 1064, 4},  {584, 1072, 64},
        {648, 1136, 112}, {760, 1260, 64}, {824, 1332, 8}, {1344, 1252, 4},
    };
    return moves;
}

std::array<uint8_t, sizeof(RedunData)> encodeEarlierRedunData(const RedunData& block)
{
    std::array<uint8_t, sizeof(RedunData)> earlier{};
    const auto* current = reinterpret_cast<const uint8_t*>(&block);
    for (const auto& m : earlierLayoutMoves()) std::memcpy(earlier.data() + m.earlier, current + m.current, m.size);
    return earlier;
}

std::vector<uint16_t> rawFrameFromTemperatures(const RedunData& block, const PicViewInfo& info,
                                               const std::vector<float>& celsius)
{
    std::vector<uint16_t> raw(celsius.size());
    if (block.tempDataFlag != 0) {
        for (size_t i = 0; i < celsius.size(); ++i) {
            const long tenths = std::lround(static_cast<double>(celsius[i]) * 10.0);
            raw[i] = static_cast<uint16_t>(static_cast<int16_t>(std::clamp(tenths, -32768L, 32767L)));
        }
        return raw;
    }

    const thermcore::GreyModel model(block);
    thermcore::MeasureParams params;
    params.emissivity = info.emissivity;
    params.distance = info.distance;
    params.reflectedTemp = block.reflectedTemp;
    params.atmosphericTemp = info.envTemp;
    params.humidity = info.humidity;
    // The table is built with the camera's reflected temperature.
    const double grayReflect = model.reflectedGrey(block.reflectedTemp);
    for (size_t i = 0; i < celsius.size(); ++i) {
        const double g = model.greyForTemperature(celsius[i], params, grayReflect);
        const double clamped = std::isfinite(g) ? std::clamp(std::round(g), 0.0, double(kMaxRaw)) : 0.0;
        raw[i] = static_cast<uint16_t>(clamped);
    }
    return raw;
}

std::vector<float> rampTemperatures(int width, int height, float lowC, float highC)
{
    checkSize(width, height);
    std::vector<float> t(pixelCount(width, height));
    const float span = static_cast<float>(std::max(1, width + height - 2));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            t[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                lowC + (highC - lowC) * static_cast<float>(x + y) / span;
    return t;
}

std::vector<uint8_t> radioDataBuffer(const std::vector<uint16_t>& raw, const RedunData& block)
{
    std::vector<uint8_t> out;
    out.reserve(raw.size() * 2 + sizeof(RedunData));
    for (uint16_t v : raw) appendU16(out, v);
    append(out, block);
    return out;
}

ThermalGraphHeader thermalGraphHeader(int width, int height, int redunVersion)
{
    ThermalGraphHeader h;
    std::memset(&h, 0, sizeof h);
    h.rawLen = static_cast<uint32_t>(pixelCount(width, height) * 2);
    h.width = width;
    h.height = height;
    h.bits = 16;
    h.redunVersion = redunVersion;
    return h;
}

RadioPictureWriter::RadioPictureWriter(int width, int height, int gainMode)
    : width_(width),
      height_(height),
      block_(defaultRedunData(width, height, gainMode)),
      info_(defaultPicViewInfo()),
      celsius_(pixelCount(width, height), 25.0f)
{
}

RadioPictureWriter& RadioPictureWriter::setTemperatures(std::vector<float> celsius)
{
    if (celsius.size() != pixelCount(width_, height_))
        throw std::invalid_argument("fixtures: temperature field does not match the frame");
    celsius_ = std::move(celsius);
    raw_.clear();
    return *this;
}

RadioPictureWriter& RadioPictureWriter::setRawFrame(std::vector<uint16_t> raw)
{
    if (raw.size() != pixelCount(width_, height_))
        throw std::invalid_argument("fixtures: raw frame does not match the frame");
    raw_ = std::move(raw);
    return *this;
}

RadioPictureWriter& RadioPictureWriter::setRedunVersion(int version)
{
    version_ = version;
    return *this;
}

RadioPictureWriter& RadioPictureWriter::setYuvFormat(uint8_t format)
{
    format_ = format;
    return *this;
}

std::vector<uint16_t> RadioPictureWriter::rawFrame() const
{
    return raw_.empty() ? rawFrameFromTemperatures(block_, info_, celsius_) : raw_;
}

std::vector<uint8_t> RadioPictureWriter::displayImage() const
{
    // Scaled to the video range 16..235 over the picture's own span.
    std::vector<double> v;
    if (raw_.empty())
        v.assign(celsius_.begin(), celsius_.end());
    else
        v.assign(raw_.begin(), raw_.end());
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    const double low = *lo, span = *hi - *lo;
    std::vector<uint8_t> y(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        const double f = span > 0.0 && std::isfinite(v[i]) ? (v[i] - low) / span : 0.5;
        y[i] = static_cast<uint8_t>(std::lround(16.0 + 219.0 * std::clamp(f, 0.0, 1.0)));
    }
    return y;
}

std::vector<uint8_t> RadioPictureWriter::build(Layout* layout) const
{
    Layout l;
    const std::vector<uint8_t> display = displayImage();
    std::vector<uint8_t> file = PngEncoder::encodeGrey(width_, height_, display);
    l.pngSize = file.size();

    const size_t n = pixelCount(width_, height_);
    const size_t yuvLen = yuvLength(width_, height_, format_);

    YuvBufInfo h1;
    std::memset(&h1, 0, sizeof h1);
    h1.mark = THERMCORE_YUV_MARK;
    h1.yuvType = 0;
    h1.width = width_;
    h1.height = height_;
    h1.yuvLen = static_cast<int32_t>(yuvLen);
    h1.lineWidth = width_;
    h1.format = format_;
    l.yuvHeader1 = file.size();
    append(file, h1);

    l.yuvData1 = file.size();
    if (format_ == 0) {
        // UYVY: chroma alternates U, V in front of each luma sample.
        for (size_t i = 0; i < n; ++i) {
            file.push_back(128);
            file.push_back(display[i]);
        }
    } else {
        // Planar 4:2:0: the Y plane, then neutral chroma up to the length.
        file.insert(file.end(), display.begin(), display.end());
        file.insert(file.end(), yuvLen - n, 128);
    }

    YuvBufInfo h2;
    std::memset(&h2, 0, sizeof h2);
    h2.yuvType = 1;
    l.yuvHeader2 = file.size();
    append(file, h2);
    l.yuvData2 = file.size();

    l.thermalHeader = file.size();
    append(file, thermalGraphHeader(width_, height_, version_));

    l.raw = file.size();
    for (uint16_t v : rawFrame()) appendU16(file, v);

    l.picViewInfo = file.size();
    append(file, info_);

    l.redunData = file.size();
    if (version_ == 1) {
        append(file, block_);
    } else {
        const auto earlier = encodeEarlierRedunData(block_);
        file.insert(file.end(), earlier.begin(), earlier.end());
    }

    l.trailer = file.size();
    appendU32(file, static_cast<uint32_t>(l.pngSize));
    file.push_back(0x26);
    file.push_back(0xBC);
    l.fileSize = file.size();

    if (layout != nullptr) *layout = l;
    return file;
}

bool RadioPictureWriter::writeTo(const std::string& path, Layout* layout) const
{
    return writeBytes(path, build(layout));
}

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fixtures
