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

// lowbias32: cheap, well mixed, reproducible.
inline uint32_t mix(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Display noise is a fixed tile of hashed values in [-1, 1), shifted by a
// hash of the frame number: per pixel it costs one load. Each tile row is
// stored twice, so that any kNoiseTile columns from any offset are
// contiguous.
constexpr size_t kNoiseTile = 128;

const float* noiseTile()
{
    static const std::vector<float> tile = [] {
        std::vector<float> t(kNoiseTile * 2 * kNoiseTile);
        for (size_t y = 0; y < kNoiseTile; ++y) {
            for (size_t x = 0; x < kNoiseTile; ++x) {
                const uint32_t h = mix(uint32_t(x) * 0x9E3779B1u ^ uint32_t(y) * 0x85EBCA77u);
                const float v = float(h >> 8) * (1.0f / float(1u << 23)) - 1.0f;
                t[y * 2 * kNoiseTile + x] = t[y * 2 * kNoiseTile + x + kNoiseTile] = v;
            }
        }
        return t;
    }();
    return tile.data();
}

struct NoiseOffset {
    size_t x, y;
};

NoiseOffset noiseOffset(uint64_t n)
{
    const uint32_t h = mix(uint32_t(n) * 0xC2B2AE3Du ^ uint32_t(n >> 32) * 0x27D4EB2Fu);
    return {h & (kNoiseTile - 1), (h >> 7) & (kNoiseTile - 1)};
}

// Final levels of a run of pixels: toned level t pulled by k from its
// neighbourhood mean (sum * inverse count), plus a times the noise.
void levelRun(const float* __restrict t, const float* __restrict sum, const float* __restrict noise, size_t count,
              float k, float inverse, float a, uint8_t* __restrict out)
{
    for (size_t x = 0; x < count; ++x) out[x] = toIndex(t[x] + k * (t[x] - sum[x] * inverse) + a * noise[x]);
}

// UYVY from a row of 0x00YYUUVV colours: the chroma of each pair averaged,
// rounded half up.
void packRow(const uint32_t* __restrict colour, size_t width, uint8_t* __restrict uyvy)
{
    for (size_t i = 0; i + 1 < width; i += 2) {
        const uint32_t c0 = colour[i], c1 = colour[i + 1];
        uint8_t* o = uyvy + i * 2;
        o[0] = uint8_t((((c0 >> 8) & 0xFF) + ((c1 >> 8) & 0xFF) + 1) / 2);
        o[1] = uint8_t(c0 >> 16);
        o[2] = uint8_t(((c0 & 0xFF) + (c1 & 0xFF) + 1) / 2);
        o[3] = uint8_t(c1 >> 16);
    }
}

// A cross of arms `half` long around (x, y), in display coordinates.
struct Cross {
    int x, y, half;
    uint32_t colour;
};

// The part of a cross that lies on display row y.
void drawCrossRow(const Cross& c, int y, uint32_t* row, int width)
{
    if (y == c.y) {
        for (int x = std::max(c.x - c.half, 0); x <= std::min(c.x + c.half, width - 1); ++x) row[x] = c.colour;
    } else if (std::abs(y - c.y) <= c.half && c.x >= 0 && c.x < width) {
        row[c.x] = c.colour;
    }
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
    const NoiseOffset off = noiseOffset(n);
    const size_t tx = (size_t(x) + off.x) & (kNoiseTile - 1), ty = (size_t(y) + off.y) & (kNoiseTile - 1);
    return noiseTile()[ty * 2 * kNoiseTile + tx];
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

void SimDisplay::render(const uint16_t* raw, int width, int height, uint64_t n, uint8_t* uyvy)
{
    const Settings& s = settings_;
    const size_t pixels = size_t(width) * size_t(height);
    const size_t w = size_t(width);
    if (level_.size() != pixels) level_.resize(pixels);
    if (colour_.size() != w) colour_.resize(w);
    // Three toned rows, their three horizontal sums, the column sums and a
    // row of zeros standing for the rows beyond the frame.
    if (rows_.size() != 8 * w) rows_.assign(8 * w, 0.0f);

    // 1. AGC over the frame's raw range; the first extremes in row-major
    // order mark the hot and cold spots. The range pass keeps no indices so
    // that it stays a plain min/max; the spots are looked up afterwards.
    const uint16_t flipKey = signedRaw_ ? 0x8000u : 0u;
    uint16_t lo = 0xFFFFu, hi = 0;
    for (size_t i = 0; i < pixels; ++i) {
        const uint16_t key = uint16_t(raw[i] ^ flipKey);
        lo = std::min(lo, key);
        hi = std::max(hi, key);
    }
    auto firstOf = [&](uint16_t key) { return size_t(std::find(raw, raw + pixels, uint16_t(key ^ flipKey)) - raw); };
    const size_t hiAt = s.hotSpot ? firstOf(hi) : 0, loAt = s.coldSpot ? firstOf(lo) : 0;
    if (!levelsValid_ || lo != levelsLo_ || hi != levelsHi_) rebuildLevels(lo, hi);

    // 2..6. Tone (table), sharpness, noise, clamp, one row at a time.
    // Sharpening pulls each level away from the mean of its 3 x 3
    // neighbourhood (the part of it inside the frame); the mean is separable,
    // so three toned rows and their horizontal sums are all it keeps.
    // Locals, not members: the byte stores may alias anything, which would
    // make the compiler reload every member per pixel.
    const bool tone = s.ispMode != 1;
    const float k = tone ? float((s.sharpness - 60) / 60.0) : 0.0f;
    const float a = tone ? float(s.displayNoise * (100 - std::max(s.noise2D, s.noise3D)) / 100.0) : 0.0f;
    const bool sharpen = k != 0.0f;  // at the factory sharpness it does not
    const float* levels = levels_.data();
    float* toned[3] = {rows_.data(), rows_.data() + w, rows_.data() + 2 * w};
    float* sums[3] = {rows_.data() + 3 * w, rows_.data() + 4 * w, rows_.data() + 5 * w};
    float* column = rows_.data() + 6 * w;
    const float* zeros = rows_.data() + 7 * w;
    auto prepare = [&](int y) {
        const uint16_t* src = raw + size_t(y) * w;
        float* t = toned[y % 3];
        float* h = sums[y % 3];
        for (size_t x = 0; x < w; ++x) t[x] = levels[src[x] ^ flipKey];
        if (!sharpen) return;
        if (w == 1) {
            h[0] = t[0];
            return;
        }
        h[0] = t[0] + t[1];
        for (size_t x = 1; x + 1 < w; ++x) h[x] = t[x - 1] + t[x] + t[x + 1];
        h[w - 1] = t[w - 2] + t[w - 1];
    };
    const NoiseOffset off = noiseOffset(n);
    const float* tile = noiseTile();
    uint8_t* level = level_.data();
    prepare(0);
    for (int y = 0; y < height; ++y) {
        if (y + 1 < height) prepare(y + 1);
        const float* t = toned[y % 3];
        const float* mean = zeros;  // times k = 0 when not sharpening
        if (sharpen) {
            const float* above = y > 0 ? sums[(y + 2) % 3] : zeros;
            const float* here = sums[y % 3];
            const float* below = y + 1 < height ? sums[(y + 1) % 3] : zeros;
            for (size_t x = 0; x < w; ++x) column[x] = above[x] + here[x] + below[x];
            mean = column;
        }
        const int rows = 1 + (y > 0) + (y + 1 < height);
        const float inner = 1.0f / float(3 * rows);
        const float* noiseRow = tile + size_t((y + off.y) & (kNoiseTile - 1)) * 2 * kNoiseTile;
        uint8_t* out = level + size_t(y) * w;
        for (size_t x0 = 0; x0 < w; x0 += kNoiseTile) {
            const float* noise = noiseRow + ((x0 + off.x) & (kNoiseTile - 1));
            const size_t end = std::min(w, x0 + kNoiseTile);
            levelRun(t + x0, mean + x0, noise, end - x0, k, inner, a, out + x0);
        }
        // The border columns see two (or one) of the three columns.
        for (size_t x : {size_t(0), w - 1}) {
            const float edge = 1.0f / float((w == 1 ? 1 : 2) * rows);
            const float noise = noiseRow[(x + off.x) & (kNoiseTile - 1)];
            out[x] = toIndex(t[x] + k * (t[x] - mean[x] * edge) + a * noise);
        }
    }

    // 7. Colour, 9. flip, 10. overlays and 11. pack, a display row at a
    // time: each display pixel takes its sensor pixel, the overlays are
    // drawn over the coloured row, and the row is packed while it is hot.
    const bool isotherm = s.isotherm, pseudo = !s.isotherm && s.pseudoIsotherm;
    if ((isotherm || pseudo) && !temperaturesValid_) rebuildTemperatures();
    const uint32_t* palette = rowOrWhiteHot(colourBarIndex(s.palette));
    const uint32_t* grey = rowOrWhiteHot(kWhiteHot);
    const uint32_t* iron = rowOrWhiteHot(kIronRed);
    const bool flipRows = s.flip == 1 || s.flip == 3, flipColumns = s.flip == 2 || s.flip == 3;
    const float* temperatures = temperatures_.data();

    // Overlays, in display orientation.
    Cross crosses[3];
    int crossCount = 0;
    auto toDisplay = [&](size_t i) {
        const int x = int(i % w), y = int(i / w);
        return std::pair<int, int>(flipColumns ? width - 1 - x : x, flipRows ? height - 1 - y : y);
    };
    if (s.crossCursor)
        crosses[crossCount++] = {width / 2, height / 2, kCrossHalf, kCrossColours[std::clamp(s.crossColour, 0, 2)]};
    if (s.hotSpot) {
        const auto [x, y] = toDisplay(hiAt);
        crosses[crossCount++] = {x, y, kSpotHalf, kHotSpotColour};
    }
    if (s.coldSpot) {
        const auto [x, y] = toDisplay(loAt);
        crosses[crossCount++] = {x, y, kSpotHalf, kColdSpotColour};
    }

    uint32_t* out = colour_.data();  // one display row
    for (int yd = 0; yd < height; ++yd) {
        const int ys = flipRows ? height - 1 - yd : yd;
        const uint8_t* src = level + size_t(ys) * w;
        const uint16_t* srcRaw = raw + size_t(ys) * w;
        if (!isotherm && !pseudo) {
            if (flipColumns) {
                for (int xd = 0; xd < width; ++xd) out[xd] = palette[src[width - 1 - xd]];
            } else {
                for (int xd = 0; xd < width; ++xd) out[xd] = palette[src[xd]];
            }
        } else {
            for (int xd = 0; xd < width; ++xd) {
                const int xs = flipColumns ? width - 1 - xd : xd;
                const uint8_t l = src[xs];
                const float t = temperatures[srcRaw[xs] ^ flipKey];
                if (isotherm) {
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
                    const float span = s.pseudoMax - s.pseudoMin;
                    out[xd] = t >= s.pseudoMin && t <= s.pseudoMax && span > 0.0f
                                  ? iron[toIndex(255.0f * (t - s.pseudoMin) / span)]
                                  : grey[l];
                }
            }
        }
        for (int c = 0; c < crossCount; ++c) drawCrossRow(crosses[c], yd, out, width);

        packRow(out, w, uyvy + size_t(yd) * w * 2);
    }
}

}  // namespace camsdk
