// The simulated camera's frame sources: scene temperatures, the raw frame
// and block as thermcore reads them back, and the display frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "PaletteTable.h"
#include "SimDisplay.h"
#include "SimRadiometry.h"
#include "SimScene.h"
#include "thermcore.h"

using camsdk::SimDisplay;
using camsdk::SimRadiometry;
using camsdk::SimScene;

namespace {

struct Size {
    int w, h;
};
constexpr Size kSizes[] = {{640, 512}, {384, 288}};
constexpr int kFps = 25;
constexpr uint64_t kHalfTurn = 125;  // 5 s at 25 fps: the hot disc on the other side

// Pixel whose centre is nearest to a continuous position.
int pixelAt(double c)
{
    return int(std::floor(c));
}

// Picture-side reading of a raw frame with its block, every pixel.
std::vector<float> readBack(const std::vector<uint16_t>& raw, const RedunData& block, int w, int h)
{
    ThermalGraphHeader header{};
    header.width = w;
    header.height = h;
    header.bits = 16;
    header.rawLen = uint32_t(w * h * 2);
    header.redunVersion = 1;
    const auto* rawBytes = reinterpret_cast<const uint8_t*>(raw.data());
    const auto* blockBytes = reinterpret_cast<const uint8_t*>(&block);
    std::vector<uint8_t> data(rawBytes, rawBytes + raw.size() * sizeof(uint16_t));
    data.insert(data.end(), blockBytes, blockBytes + sizeof block);
    std::vector<float> t(raw.size());
    EXPECT_EQ(HM_analyRadioData(&header, data.data()), 0);
    EXPECT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
    return t;
}

template <typename T>
T fieldAt(const RedunData& block, size_t offset)
{
    T v;
    std::memcpy(&v, reinterpret_cast<const uint8_t*>(&block) + offset, sizeof v);
    return v;
}

}  // namespace

// ---------------------------------------------------------------- scene

TEST(SimScene, ElementsAtTwoTimes)
{
    for (const Size s : kSizes) {
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
        SimScene scene(s.w, s.h);
        const int cx = pixelAt(0.85 * s.w), cy = pixelAt(0.85 * s.h);
        const int rx = pixelAt(0.15 * s.w), ry = pixelAt(0.2 * s.h);
        const int bx = 0, by = s.h - 1;
        const double bg = 20.0 + 8.0 * (by + 0.5) / s.h + 2.0 * (bx + 0.5) / s.w;
        struct Moment {
            uint64_t n;
            double hotU, hotV;
        };
        for (const Moment m : {Moment{0, 0.75, 0.5}, Moment{kHalfTurn, 0.25, 0.5}}) {
            scene.setFrame(m.n, kFps);
            EXPECT_NEAR(scene.hotCentreX(), m.hotU * s.w, 1e-9);
            EXPECT_NEAR(scene.hotCentreY(), m.hotV * s.h, 1e-9);
            EXPECT_EQ(scene.temperatureAt(pixelAt(scene.hotCentreX()), pixelAt(scene.hotCentreY())), 65.0);
            EXPECT_EQ(scene.temperatureAt(cx, cy), 5.0);
            EXPECT_EQ(scene.temperatureAt(rx, ry), 37.0);
            EXPECT_DOUBLE_EQ(scene.temperatureAt(bx, by), bg);
        }
        // Where the disc was at n = 0 lies background again.
        const int oldX = pixelAt(0.75 * s.w), oldY = pixelAt(0.5 * s.h);
        EXPECT_DOUBLE_EQ(scene.temperatureAt(oldX, oldY), scene.background(oldX, oldY));
    }
}

TEST(SimScene, EdgesAtTheFactorySize)
{
    SimScene scene(640, 512);
    struct Probe {
        int x, y;
        bool inRect;
    };
    // Rectangle: columns 51..140, rows 51..153.
    for (const Probe p : {Probe{51, 51, true}, Probe{140, 153, true}, Probe{50, 51, false}, Probe{51, 50, false},
                          Probe{141, 100, false}, Probe{100, 154, false}}) {
        EXPECT_EQ(scene.temperatureAt(p.x, p.y) == 37.0, p.inRect) << p.x << "," << p.y;
    }
    // Hot disc at n = 0: centre (480, 256), radius 32, ramp 16.
    EXPECT_EQ(scene.temperatureAt(479, 255), 65.0);
    EXPECT_EQ(scene.temperatureAt(480 + 31, 256), 65.0);  // d = 31.5
    // Ramps run linearly from 0.5 C off the flat value to the background.
    const double bgHot = scene.background(512, 256);
    const double dHot = std::hypot(512.5 - 480.0, 256.5 - 256.0);
    EXPECT_NEAR(scene.temperatureAt(512, 256), 64.5 + (bgHot - 64.5) * (dHot - 32.0) / 16.0, 1e-12);
    EXPECT_DOUBLE_EQ(scene.temperatureAt(480 + 48, 256), scene.background(528, 256));  // d = 48.5
    const double dCold = std::hypot(570.5 - 544.0, 435.5 - 0.85 * 512);
    const double bgCold = scene.background(570, 435);
    EXPECT_NEAR(scene.temperatureAt(570, 435), 5.5 + (bgCold - 5.5) * (dCold - 25.6) / 12.8, 1e-12);
    const auto stuck = scene.stuckPixels();
    EXPECT_EQ(stuck[0].x, 32);
    EXPECT_EQ(stuck[0].y, 281);
    EXPECT_EQ(stuck[1].x, 396);
    EXPECT_EQ(stuck[1].y, 25);
    EXPECT_EQ(stuck[2].x, 288);
    EXPECT_EQ(stuck[2].y, 496);
    EXPECT_EQ(stuck[3].x, 614);
    EXPECT_EQ(stuck[3].y, 204);
    EXPECT_EQ(scene.badColumn(), 256);
}

TEST(SimScene, ExtremesAreTheFlatDiscsAtEveryFrame)
{
    for (const Size s : kSizes) {
        SimScene scene(s.w, s.h);
        std::vector<float> t(size_t(s.w) * s.h);
        for (uint64_t n : {uint64_t(0), uint64_t(37), uint64_t(90), uint64_t(201)}) {
            SCOPED_TRACE(testing::Message() << s.w << "x" << s.h << " n=" << n);
            scene.setFrame(n, kFps);
            scene.fill(t.data());
            const auto hot = std::max_element(t.begin(), t.end());
            const auto cold = std::min_element(t.begin(), t.end());
            EXPECT_EQ(*hot, 65.0f);
            EXPECT_EQ(*cold, 5.0f);
            // The first hottest pixel is the flat disc's top: its row is the
            // disc centre row minus the radius, its column the centre's.
            const int hy = int((hot - t.begin()) / s.w);
            EXPECT_NEAR(hy, scene.hotCentreY() - 0.05 * s.w, 1.0);
            // No ramp pixel shares a flat value; fill agrees with the point query.
            for (int y = 0; y < s.h; ++y) {
                for (int x = 0; x < s.w; ++x) {
                    const float v = t[size_t(y) * s.w + x];
                    ASSERT_EQ(v, float(scene.temperatureAt(x, y))) << x << "," << y;
                    ASSERT_TRUE(v == 65.0f || v <= 64.5f + 1e-4f) << x << "," << y;
                    ASSERT_TRUE(v == 5.0f || v >= 5.5f - 1e-4f) << x << "," << y;
                }
            }
        }
    }
}

TEST(SimScene, MotionOffKeepsThePhase)
{
    SimScene::Params p;
    p.hotMotion = false;
    p.hotPhase = 3.14159265358979;
    SimScene scene(640, 512, p);
    scene.setFrame(77, kFps);
    EXPECT_NEAR(scene.hotCentreX(), 160.0, 1e-6);
    EXPECT_NEAR(scene.hotCentreY(), 256.0, 1e-6);
}

TEST(SimScene, BodyTemperatures)
{
    const SimScene::Body start = SimScene::body(0.0);
    EXPECT_DOUBLE_EQ(start.housing, 25.0);
    EXPECT_DOUBLE_EQ(start.tec, 23.5);
    EXPECT_DOUBLE_EQ(start.preHouse, 24.5);
    EXPECT_DOUBLE_EQ(start.board, 31.0);
    EXPECT_DOUBLE_EQ(start.back, 27.0);
    EXPECT_NEAR(SimScene::body(600.0).housing, 25.0 + 10.0 * (1.0 - std::exp(-1.0)), 1e-12);
    EXPECT_NEAR(SimScene::body(1e6, 2.0).housing, 37.0, 1e-9);
}

// ---------------------------------------------------------------- raw and block

TEST(SimRadiometry, RawValuesOfTheFactoryCurves)
{
    struct Case {
        int gainMode;
        double celsius, emissivity;
        uint16_t raw;
    };
    const Case cases[] = {
        {0, -30.0, 1.0, 4800},
        {0, 5.0, 1.0, 5534},
        {0, 25.0, 1.0, 6144},
        {0, 37.0, 1.0, 6550},
        {0, 65.0, 1.0, 7645},
        {0, 160.0, 1.0, 13510},
        {1, 5.0, 1.0, 6049},
        {1, 65.0, 1.0, 6382},
        {2, 570.0, 1.0, 15387},
        // 0.97 * 7644.5 + 0.03 * 6144 = 7599.485
        {0, 65.0, 0.97, 7599},
    };
    SimRadiometry radiometry;
    for (const Case& c : cases) {
        SimRadiometry::Settings s;
        s.gainMode = c.gainMode;
        radiometry.setSettings(s);
        EXPECT_EQ(radiometry.rawOf(c.celsius, c.emissivity), c.raw) << c.gainMode << " " << c.celsius;
    }
    SimRadiometry::Settings tenths;
    tenths.rawType = 1;
    radiometry.setSettings(tenths);
    EXPECT_EQ(radiometry.rawOf(-5.55, 0.97), 0xFFC8);  // -55.5 rounds away from zero: -56
    EXPECT_EQ(radiometry.rawOf(65.0, 0.97), 650);
}

TEST(SimRadiometry, BlockFields)
{
    struct Case {
        int gainMode, rawType;
        uint8_t count;
        int32_t blockGain;
        uint8_t dataFlag;
    };
    for (const Case c : {Case{0, 0, 20, 0, 0}, Case{1, 0, 16, 1, 0}, Case{2, 1, 16, 1, 1}}) {
        SCOPED_TRACE(c.gainMode);
        SimRadiometry::Settings s;
        s.gainMode = c.gainMode;
        s.rawType = c.rawType;
        s.emissivity = 0.9f;
        const RedunData b = SimRadiometry::makeBlock(384, 288, s);
        EXPECT_EQ(fieldAt<uint8_t>(b, 264), c.count);
        EXPECT_EQ(fieldAt<uint8_t>(b, 265), 0);
        EXPECT_EQ(fieldAt<float>(b, 268), -30.0f);
        EXPECT_EQ(fieldAt<float>(b, 268 + 8 * (c.count - 1)), c.count == 20 ? 160.0f : 570.0f);
        EXPECT_EQ(fieldAt<float>(b, 268 + 8 * c.count), 0.0f);
        EXPECT_EQ(fieldAt<float>(b, 520), 25.0f);
        EXPECT_EQ(fieldAt<uint32_t>(b, 532), 6144u);
        EXPECT_EQ(fieldAt<int32_t>(b, 536), 0);
        EXPECT_EQ(fieldAt<int32_t>(b, 540), c.blockGain);
        EXPECT_STREQ(reinterpret_cast<const char*>(&b) + 544, "SIMCAM");
        EXPECT_EQ(fieldAt<uint8_t>(b, 581), c.dataFlag);
        EXPECT_EQ(fieldAt<double>(b, 584 + 16), 1.0);
        EXPECT_EQ(fieldAt<int32_t>(b, 648), 50);
        EXPECT_EQ(fieldAt<float>(b, 652), 1.0f);
        EXPECT_EQ(fieldAt<float>(b, 656), 25.0f);
        EXPECT_EQ(fieldAt<float>(b, 660), 25.0f);
        EXPECT_EQ(fieldAt<float>(b, 664), 0.9f);
        EXPECT_EQ(fieldAt<float>(b, 760), 139.4f);
        EXPECT_EQ(fieldAt<float>(b, 764), 30.0f);
        EXPECT_EQ(fieldAt<float>(b, 788), 55.8f);
        EXPECT_EQ(fieldAt<uint32_t>(b, 792), 1600u);
        EXPECT_EQ(fieldAt<uint32_t>(b, 796), 2000u);
        EXPECT_EQ(fieldAt<uint16_t>(b, 824), 384);
        EXPECT_EQ(fieldAt<uint16_t>(b, 826), 288);
        EXPECT_EQ(fieldAt<float>(b, 1344), 1.0f);

        // Every byte outside the listed fields is zero (TEC record included).
        struct Range {
            size_t at, size;
        };
        const Range listed[] = {{264, 1}, {268, 240}, {520, 4},  {532, 4},  {540, 4}, {544, 32},
                                {581, 1}, {584, 64},  {648, 24}, {760, 40}, {824, 4}, {1344, 4}};
        const auto* bytes = reinterpret_cast<const uint8_t*>(&b);
        for (size_t i = 0; i < sizeof b; ++i) {
            const bool inField = std::any_of(std::begin(listed), std::end(listed),
                                             [i](Range r) { return i >= r.at && i < r.at + r.size; });
            if (!inField) {
                ASSERT_EQ(bytes[i], 0) << "byte " << i;
            }
        }
    }
}

TEST(SimRadiometry, EarlierLayoutMovesTheFields)
{
    const RedunData b = SimRadiometry::makeBlock(640, 512, SimRadiometry::Settings());
    uint8_t earlier[sizeof(RedunData)];
    SimRadiometry::encodeEarlier(b, earlier);
    auto u16 = [&](size_t at) { return uint16_t(earlier[at] | earlier[at + 1] << 8); };
    EXPECT_EQ(u16(1332), 640);
    EXPECT_EQ(u16(1334), 512);
    EXPECT_EQ(earlier[1340], 20);
    uint32_t baseGray = 0;
    std::memcpy(&baseGray, earlier + 696, 4);
    EXPECT_EQ(baseGray, 6144u);
    float defaultDistance = 0;
    std::memcpy(&defaultDistance, earlier + 1252, 4);
    EXPECT_EQ(defaultDistance, 1.0f);
}

TEST(SimRadiometry, PictureSideReadsTheSceneBack)
{
    for (const Size s : kSizes) {
        for (uint64_t n : {uint64_t(0), kHalfTurn}) {
            SCOPED_TRACE(testing::Message() << s.w << "x" << s.h << " n=" << n);
            SimScene scene(s.w, s.h);
            scene.setFrame(n, kFps);
            SimRadiometry radiometry;
            SimRadiometry::Settings settings;
            settings.defectsShown = false;
            radiometry.setSettings(settings);
            std::vector<uint16_t> raw(size_t(s.w) * s.h);
            RedunData block;
            radiometry.render(scene, raw.data(), &block);
            std::vector<float> truth(raw.size());
            scene.fill(truth.data());
            const std::vector<float> read = readBack(raw, block, s.w, s.h);
            double worst = 0.0;
            for (size_t i = 0; i < raw.size(); ++i) worst = std::max(worst, std::fabs(double(read[i]) - truth[i]));
            EXPECT_LE(worst, 0.05);
            const auto at = [&](double x, double y) { return read[size_t(pixelAt(y)) * s.w + size_t(pixelAt(x))]; };
            EXPECT_NEAR(at(scene.hotCentreX(), scene.hotCentreY()), 65.0, 0.05);
            EXPECT_NEAR(at(0.85 * s.w, 0.85 * s.h), 5.0, 0.05);
            EXPECT_NEAR(at(0.15 * s.w, 0.2 * s.h), 37.0, 0.05);
        }
    }
}

TEST(SimRadiometry, PictureSideSweepOfBothRanges)
{
    struct Range {
        int gainMode;
        double from, to, tolerance;
    };
    for (const Range r : {Range{0, 0.0, 150.0, 0.05}, Range{1, 5.0, 570.0, 0.16}, Range{2, 5.0, 570.0, 0.16}}) {
        SCOPED_TRACE(r.gainMode);
        SimRadiometry radiometry;
        SimRadiometry::Settings settings;
        settings.gainMode = r.gainMode;
        radiometry.setSettings(settings);
        // One temperature per pixel, 0.013 C apart, row by row.
        constexpr int w = 1000;
        std::vector<double> truth;
        for (double t = r.from; t <= r.to + 1e-9; t += 0.013) truth.push_back(t);
        const int h = int(truth.size() + w - 1) / w;
        truth.resize(size_t(w) * h, r.to);
        std::vector<uint16_t> raw(truth.size());
        for (size_t i = 0; i < truth.size(); ++i) raw[i] = radiometry.rawOf(truth[i], 0.97);
        const std::vector<float> read = readBack(raw, SimRadiometry::makeBlock(w, h, settings), w, h);
        double worst = 0.0;
        for (size_t i = 0; i < truth.size(); ++i) worst = std::max(worst, std::fabs(read[i] - truth[i]));
        EXPECT_LE(worst, r.tolerance);
    }
}

TEST(SimRadiometry, DefectsFollowTheHotDisc)
{
    SimScene scene(640, 512);
    SimRadiometry radiometry;
    std::vector<uint16_t> raw(640 * 512);
    // At n = 79 the disc's centre sits near u = 0.4, on the bad column.
    scene.setFrame(79, kFps);
    radiometry.render(scene, raw.data());
    const uint16_t flat = radiometry.rawOf(65.0, 0.97);
    const int hy = pixelAt(scene.hotCentreY());
    EXPECT_EQ(raw[size_t(hy) * 640 + 256], flat + 400);
    EXPECT_EQ(raw[size_t(hy) * 640 + 257], flat);
    for (const SimScene::StuckPixel& p : scene.stuckPixels()) EXPECT_EQ(raw[size_t(p.y) * 640 + p.x], p.raw);

    SimRadiometry::Settings corrected;
    corrected.defectsShown = false;
    radiometry.setSettings(corrected);
    radiometry.render(scene, raw.data());
    EXPECT_EQ(raw[size_t(hy) * 640 + 256], flat);
    for (const SimScene::StuckPixel& p : scene.stuckPixels())
        EXPECT_EQ(raw[size_t(p.y) * 640 + p.x], radiometry.rawOf(scene.temperatureAt(p.x, p.y), 0.97));
}

TEST(SimRadiometry, CachedFramesEqualFreshOnes)
{
    SimScene scene(384, 288);
    SimRadiometry reused;
    std::vector<uint16_t> a(384 * 288), b(a.size());
    for (uint64_t n : {uint64_t(0), uint64_t(40), kHalfTurn}) {
        scene.setFrame(n, kFps);
        reused.render(scene, a.data());
    }
    SimRadiometry fresh;
    fresh.render(scene, b.data());
    EXPECT_EQ(a, b);
    // A scene change reaches the next frame.
    SimScene::Params p = scene.params();
    p.rectTemp = 40.0;
    scene.setParams(p);
    reused.render(scene, a.data());
    EXPECT_EQ(a[size_t(0.2 * 288) * 384 + size_t(0.15 * 384)], reused.rawOf(40.0, 0.97));
}

// ---------------------------------------------------------------- display

namespace {

struct DisplayRun {
    int w = 640, h = 512;
    std::vector<uint16_t> raw;
    std::vector<uint8_t> uyvy;
    SimScene scene{640, 512};

    // Defects off: the stuck pixels would otherwise span the AGC range.
    DisplayRun() : raw(size_t(w) * h), uyvy(size_t(w) * h * 2)
    {
        SimScene::Params p;
        p.defectsOn = false;
        scene.setParams(p);
        SimRadiometry radiometry;
        radiometry.render(scene, raw.data());
    }
    void show(const SimDisplay::Settings& s)
    {
        SimDisplay display;
        display.setSettings(s);
        display.render(raw.data(), w, h, 0, uyvy.data());
    }
    uint8_t lumaAt(int x, int y) const { return uyvy[(size_t(y) * w + x) * 2 + 1]; }
};

}  // namespace

TEST(SimDisplay, FlipMovesOnlyTheDisplay)
{
    DisplayRun run;
    SimDisplay::Settings s;
    s.palette = 0;
    run.show(s);
    const std::vector<uint8_t> upright = run.uyvy;
    const uint8_t hot = run.lumaAt(480, 256);
    struct Case {
        int flip;
        bool rows, columns;
    };
    for (const Case c : {Case{1, true, false}, Case{2, false, true}, Case{3, true, true}}) {
        SCOPED_TRACE(c.flip);
        const std::vector<uint16_t> rawBefore = run.raw;
        s.flip = c.flip;
        run.show(s);
        EXPECT_EQ(run.raw, rawBefore);
        for (int y = 0; y < run.h; ++y) {
            for (int x = 0; x < run.w; ++x) {
                const int sx = c.columns ? run.w - 1 - x : x, sy = c.rows ? run.h - 1 - y : y;
                ASSERT_EQ(run.lumaAt(x, y), upright[(size_t(sy) * run.w + sx) * 2 + 1]) << x << "," << y;
            }
        }
        // The disc centred on (480, 256) in the sensor.
        const int dx = c.columns ? 640 - 1 - 480 : 480, dy = c.rows ? 512 - 1 - 256 : 256;
        EXPECT_EQ(run.lumaAt(dx, dy), hot);
    }
}

TEST(SimDisplay, BlackHotInvertsBrightness)
{
    DisplayRun run;
    SimDisplay::Settings s;
    s.palette = 0;
    run.show(s);
    const uint8_t hotWhite = run.lumaAt(480, 256), coldWhite = run.lumaAt(544, 435);
    s.palette = 1;
    run.show(s);
    const uint8_t hotBlack = run.lumaAt(480, 256), coldBlack = run.lumaAt(544, 435);
    EXPECT_GT(hotWhite, 200);
    EXPECT_LT(coldWhite, 60);
    EXPECT_LT(hotBlack, 60);
    EXPECT_GT(coldBlack, 200);
}

TEST(SimDisplay, ColoursWithThePaletteRow)
{
    // Original ISP mode: level = 255 * (raw - min) / (max - min), no tone steps.
    DisplayRun run;
    SimDisplay::Settings s;
    s.palette = 6;
    s.ispMode = 1;
    run.show(s);
    const auto [lo, hi] = std::minmax_element(run.raw.begin(), run.raw.end());
    const int x = 600, y = 40;  // background, an even pair of equal raw values
    ASSERT_EQ(run.raw[size_t(y) * run.w + x], run.raw[size_t(y) * run.w + x + 1]);
    const double u = double(run.raw[size_t(y) * run.w + x] - *lo) / double(*hi - *lo);
    const int level = int(255.0 * u + 0.5);
    const uint32_t entry = fusionlib::PaletteTable::row(6)[level];
    const uint8_t* pair = &run.uyvy[(size_t(y) * run.w + x) * 2];
    EXPECT_EQ(pair[0], (entry >> 8) & 0xFF);
    EXPECT_EQ(pair[1], entry >> 16);
    EXPECT_EQ(pair[2], entry & 0xFF);
    EXPECT_EQ(pair[3], entry >> 16);
}

TEST(SimDisplay, SharpeningPullsFromTheMeanInsideTheFrame)
{
    // A flat frame with one hot pixel. At brightness 60 the flat level is 20
    // and the hot one 275; at sharpness 100 (k = 2/3) a neighbour of the hot
    // pixel reads 20 + k * (20 - (275 + 8 * 20) / 9) = 1.1, while every
    // other pixel, the border and corners included, keeps 20: their mean
    // is over the part of the 3 x 3 square inside the frame.
    const int w = 16, h = 8, hx = 8, hy = 4;
    std::vector<uint16_t> raw(size_t(w) * h, 1000);
    raw[size_t(hy) * w + hx] = 2000;
    std::vector<uint8_t> uyvy(raw.size() * 2);
    SimDisplay display;
    SimDisplay::Settings s;
    s.brightness = 60;
    s.displayNoise = 0.0;
    const uint32_t* grey = fusionlib::PaletteTable::row(0);
    for (const int sharpness : {60, 100}) {
        SCOPED_TRACE(sharpness);
        s.sharpness = sharpness;
        display.setSettings(s);
        display.render(raw.data(), w, h, 0, uyvy.data());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool hot = x == hx && y == hy;
                const bool near = std::abs(x - hx) <= 1 && std::abs(y - hy) <= 1 && !hot;
                const int level = hot ? 255 : near && sharpness == 100 ? 1 : 20;
                ASSERT_EQ(uyvy[(size_t(y) * w + x) * 2 + 1], grey[level] >> 16) << x << "," << y;
            }
        }
    }
}

TEST(SimDisplay, ColourBarIndices)
{
    const int expected[][2] = {{0, 0}, {13, 13}, {14, 15}, {17, 18}, {18, 20}, {19, 21}, {20, -1}, {-1, -1}};
    for (const auto& e : expected) EXPECT_EQ(SimDisplay::colourBarIndex(e[0]), e[1]) << e[0];
}

TEST(SimDisplay, NoiseIsDeterministicAndBounded)
{
    double lo = 1.0, hi = -1.0;
    for (int i = 0; i < 10000; ++i) {
        const double h = SimDisplay::noise(i % 97, i / 97, uint64_t(i) * 7);
        lo = std::min(lo, h);
        hi = std::max(hi, h);
        ASSERT_EQ(h, SimDisplay::noise(i % 97, i / 97, uint64_t(i) * 7));
    }
    EXPECT_GE(lo, -1.0);
    EXPECT_LT(hi, 1.0);
    EXPECT_LT(lo, -0.9);
    EXPECT_GT(hi, 0.9);
}

TEST(SimDisplay, PseudoIsothermAndHotSpot)
{
    DisplayRun run;
    SimDisplay display;
    display.setCamera(SimRadiometry::makeBlock(run.w, run.h, SimRadiometry::Settings()), 0.97f);
    SimDisplay::Settings s;
    s.pseudoIsotherm = true;
    s.pseudoMin = 30.0f;
    s.pseudoMax = 70.0f;
    s.hotSpot = true;
    s.flip = 2;
    display.setSettings(s);
    display.render(run.raw.data(), run.w, run.h, 0, run.uyvy.data());
    const uint32_t* iron = fusionlib::PaletteTable::row(6);
    // Rectangle (37 C) in the band: Iron Red at 255 * 7 / 40, mirrored to column 639 - 100.
    const uint32_t rect = iron[int(255.0f * 7.0f / 40.0f + 0.5f)];
    EXPECT_EQ(run.lumaAt(639 - 100, 100), rect >> 16);
    // The hot spot's cross (red, Y 82) sits on the first hottest pixel, the
    // flat disc's top row at (474, 224), mirrored to column 165.
    for (const int d : {-4, 4}) {
        EXPECT_EQ(run.lumaAt(165 + d, 224), 82) << d;
        EXPECT_EQ(run.lumaAt(165, 224 + d), 82) << d;
    }
    EXPECT_NE(run.lumaAt(165 + 5, 224 + 5), 82);
}
