#include "SimDisplay.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "PaletteTable.h"

namespace camsdk {

namespace {

constexpr int kKeys = 65536;
constexpr int kWhiteHot = 0;
constexpr int kIronRed = 6;
constexpr int kCrossHalf = 10;
constexpr int kSpotHalf = 4;
// Overlay colours, 0x00YYUUVV: green, blue, red.
constexpr uint32_t kCrossColours[3] = {0x913622u, 0x29F06Eu, 0x525AF0u};
constexpr uint32_t kHotSpotColour = 0x525AF0u;
constexpr uint32_t kColdSpotColour = 0x29F06Eu;

// Camera palette number -> palette table row: the two table rows that
// were never palettes are skipped.
constexpr int kColourBar[20] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 20, 21};

const uint32_t* rowOrWhiteHot(int colourType)
{
    const uint32_t* row = fusionlib::PaletteTable::row(colourType);
    return row ? row : fusionlib::PaletteTable::row(kWhiteHot);
}

// Branch-free: the noise makes the clamp's outcome unpredictable.
inline uint8_t toIndex(float level)
{
    return uint8_t(std::min(std::max(level, 0.0f), 255.0f) + 0.5f);
}

// lowbias32 over the three coordinates: cheap, well mixed, reproducible.
inline float hashNoise(int x, int y, uint64_t n)
{
    uint32_t h = uint32_t(x) * 0x9E3779B1u ^ uint32_t(y) * 0x85EBCA77u ^ uint32_t(n) * 0xC2B2AE3Du ^
                 uint32_t(n >> 32) * 0x27D4EB2Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return float(h >> 8) * (1.0f / float(1u << 23)) - 1.0f;
}

}  // namespace

SimDisplay::SimDisplay() : levels_(kKeys), temperatures_(kKeys)
{
    std::memset(&block_, 0, sizeof block_);
}

int SimDisplay::colourBarIndex(int palette)
{
    return palette >= 0 && palette < int(std::size(kColourBar)) ? kColourBar[palette] : -1;
}

double SimDisplay::noise(int x, int y, uint64_t n)
{
    return hashNoise(x, y, n);
}

void SimDisplay::setSettings(const Settings& settings)
{
    settings_ = settings;
    levelsValid_ = false;
}

void SimDisplay::setCamera(const RedunData& block, float emissivity)
{
    block_ = block;
    emissivity_ = emissivity;
    signedRaw_ = block.tempDataFlag != 0;
    levelsValid_ = false;
    temperaturesValid_ = false;
}

void SimDisplay::rebuildLevels(uint32_t lo, uint32_t hi)
{
    const Settings& s = settings_;
    const bool tone = s.ispMode != 1;
    const double gamma = 1.0 - 0.004 * s.globalContrast;
    const double span = double(hi - lo);
    for (uint32_t k = lo; k <= hi; ++k) {
        double u = span > 0.0 ? double(k - lo) / span : 0.0;
        if (tone && s.wideDynamic) u = std::pow(u, gamma);
        double l = 255.0 * u;
        if (tone) l = 128.0 + (l - 128.0) * s.contrast / 50.0 + (s.brightness - 50) * 2.0;
        levels_[k] = float(l);
    }
    levelsValid_ = true;
    levelsLo_ = lo;
    levelsHi_ = hi;
}

void SimDisplay::rebuildTemperatures()
{
    if (signedRaw_) {
        for (int k = 0; k < kKeys; ++k) temperatures_[size_t(k)] = float(int16_t(uint16_t(k ^ 0x8000))) / 10.0f;
    } else {
        const thermcore::GreyModel model(block_);
        thermcore::MeasureParams p;
        p.emissivity = emissivity_;
        const double reflect = model.reflectedGrey(25.0f);
        for (int k = 0; k < kKeys; ++k) {
            float t = 0.0f;
            if (k <= 16383) model.temperature(model.compensatedGrey(k, false), p, reflect, &t);
            temperatures_[size_t(k)] = t;
        }
    }
    temperaturesValid_ = true;
}

void SimDisplay::drawCross(int cx, int cy, int half, uint32_t colour, int width, int height)
{
    for (int d = -half; d <= half; ++d) {
        if (cy >= 0 && cy < height && cx + d >= 0 && cx + d < width)
            colour_[size_t(cy) * width + size_t(cx + d)] = colour;
        if (cx >= 0 && cx < width && cy + d >= 0 && cy + d < height)
            colour_[size_t(cy + d) * width + size_t(cx)] = colour;
    }
}

void SimDisplay::render(const uint16_t* raw, int width, int height, uint64_t n, uint8_t* uyvy)
{
    const Settings& s = settings_;
    const size_t pixels = size_t(width) * size_t(height);
    if (level_.size() != pixels) {
        level_.resize(pixels);
        colour_.resize(pixels);
    }

    // 1. AGC over the frame's raw range; the first extremes in row-major
    // order mark the hot and cold spots.
    const uint32_t flipKey = signedRaw_ ? 0x8000u : 0u;
    uint32_t lo = raw[0] ^ flipKey, hi = lo;
    size_t loAt = 0, hiAt = 0;
    for (size_t i = 1; i < pixels; ++i) {
        const uint32_t k = raw[i] ^ flipKey;
        if (k < lo) lo = k, loAt = i;
        if (k > hi) hi = k, hiAt = i;
    }
    if (!levelsValid_ || lo != levelsLo_ || hi != levelsHi_) rebuildLevels(lo, hi);

    // 2..6. Tone (table), sharpness, noise, clamp.
    const bool tone = s.ispMode != 1;
    const double k = tone ? (s.sharpness - 60) / 60.0 : 0.0;
    const float a = tone ? float(s.displayNoise * (100 - std::max(s.noise2D, s.noise3D)) / 100.0) : 0.0f;
    if (k != 0.0) {
        if (tone_.size() != pixels) tone_.resize(pixels);
        for (size_t i = 0; i < pixels; ++i) tone_[i] = levels_[raw[i] ^ flipKey];
    }
    // Locals, not members: the byte stores below may alias anything, which
    // would make the compiler reload every member per pixel.
    const float* levels = levels_.data();
    const float* toned = tone_.data();
    uint8_t* level = level_.data();
    for (int y = 0; y < height; ++y) {
        const size_t rowAt = size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            const size_t i = rowAt + size_t(x);
            float l = levels[raw[i] ^ flipKey];
            if (k != 0.0) {
                // Mean over the neighbourhood that lies inside the frame; away
                // from the border all nine, in the same order.
                double sum = 0.0;
                int count = 0;
                if (y > 0 && y < height - 1 && x > 0 && x < width - 1) {
                    const float* above = toned + i - size_t(width) - 1;
                    const float* here = toned + i - 1;
                    const float* below = toned + i + size_t(width) - 1;
                    sum = sum + above[0] + above[1] + above[2] + here[0] + here[1] + here[2] + below[0] + below[1] +
                          below[2];
                    count = 9;
                } else {
                    for (int yy = std::max(y - 1, 0); yy <= std::min(y + 1, height - 1); ++yy) {
                        for (int xx = std::max(x - 1, 0); xx <= std::min(x + 1, width - 1); ++xx, ++count)
                            sum += toned[size_t(yy) * size_t(width) + size_t(xx)];
                    }
                }
                l += float(k * (l - sum / count));
            }
            if (a != 0.0f) l += a * hashNoise(x, y, n);
            level[i] = toIndex(l);
        }
    }

    // 7. Colour and 9. flip: each display pixel takes its sensor pixel.
    const bool isotherm = s.isotherm, pseudo = !s.isotherm && s.pseudoIsotherm;
    if ((isotherm || pseudo) && !temperaturesValid_) rebuildTemperatures();
    const uint32_t* palette = rowOrWhiteHot(colourBarIndex(s.palette));
    const uint32_t* grey = rowOrWhiteHot(kWhiteHot);
    const uint32_t* iron = rowOrWhiteHot(kIronRed);
    const bool flipRows = s.flip == 1 || s.flip == 3, flipColumns = s.flip == 2 || s.flip == 3;
    const float* temperatures = temperatures_.data();
    uint32_t* colour = colour_.data();
    for (int yd = 0; yd < height; ++yd) {
        const int ys = flipRows ? height - 1 - yd : yd;
        const uint8_t* src = level + size_t(ys) * size_t(width);
        const uint16_t* srcRaw = raw + size_t(ys) * size_t(width);
        uint32_t* out = colour + size_t(yd) * size_t(width);
        if (!isotherm && !pseudo) {
            if (flipColumns) {
                for (int xd = 0; xd < width; ++xd) out[xd] = palette[src[width - 1 - xd]];
            } else {
                for (int xd = 0; xd < width; ++xd) out[xd] = palette[src[xd]];
            }
            continue;
        }
        for (int xd = 0; xd < width; ++xd) {
            const int xs = flipColumns ? width - 1 - xd : xd;
            const uint8_t l = src[xs];
            if (isotherm) {
                const float t = temperatures[srcRaw[xs] ^ flipKey];
                bool marked = false;
                switch (s.isothermMode) {
                    case 0:
                        marked = t > s.isothermUpper;
                        break;
                    case 1:
                        marked = t < s.isothermLower;
                        break;
                    case 2:
                        marked = t >= s.isothermLower && t <= s.isothermUpper;
                        break;
                    default:
                        marked = t < s.isothermLower || t > s.isothermUpper;
                        break;
                }
                out[xd] = marked ? palette[l] : grey[l];
            } else {
                const float t = temperatures[srcRaw[xs] ^ flipKey];
                const float span = s.pseudoMax - s.pseudoMin;
                out[xd] = t >= s.pseudoMin && t <= s.pseudoMax && span > 0.0f
                              ? iron[toIndex(255.0f * (t - s.pseudoMin) / span)]
                              : grey[l];
            }
        }
    }

    // 10. Overlays, in display orientation.
    auto toDisplay = [&](size_t i, int* x, int* y) {
        *x = int(i % size_t(width));
        *y = int(i / size_t(width));
        if (flipColumns) *x = width - 1 - *x;
        if (flipRows) *y = height - 1 - *y;
    };
    if (s.crossCursor)
        drawCross(width / 2, height / 2, kCrossHalf, kCrossColours[std::clamp(s.crossColour, 0, 2)], width, height);
    int sx = 0, sy = 0;
    if (s.hotSpot) {
        toDisplay(hiAt, &sx, &sy);
        drawCross(sx, sy, kSpotHalf, kHotSpotColour, width, height);
    }
    if (s.coldSpot) {
        toDisplay(loAt, &sx, &sy);
        drawCross(sx, sy, kSpotHalf, kColdSpotColour, width, height);
    }

    // 11. Pack: chroma of each pair averaged, rounded half up.
    for (size_t i = 0; i + 1 < pixels; i += 2) {
        const uint32_t c0 = colour[i], c1 = colour[i + 1];
        uint8_t* o = uyvy + i * 2;
        o[0] = uint8_t((((c0 >> 8) & 0xFF) + ((c1 >> 8) & 0xFF) + 1) / 2);
        o[1] = uint8_t(c0 >> 16);
        o[2] = uint8_t(((c0 & 0xFF) + (c1 & 0xFF) + 1) / 2);
        o[3] = uint8_t(c1 >> 16);
    }
}

}  // namespace camsdk
