// The temperature table and the pixel lookups read through it, against the
// per-grey calculation entry by entry: every raw value 0..65535, bit for bit,
// over camera blocks that take each branch of the calculation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "PerGreyTable.h"
#include "RadioPictureWriter.h"
#include "thermcore.h"

using thermcore::GreyCurve;

namespace {

constexpr int kGreys = 65536;

// The per-grey table read for every u16 (past 16383 its last entry).
std::vector<float> referenceLookup(const RedunData& block)
{
    const std::vector<float> table = reference::perGreyTable(block);
    std::vector<float> lookup(kGreys);
    for (int v = 0; v < kGreys; ++v) lookup[v] = table[v < THERMCORE_TABLE_SIZE ? v : THERMCORE_TABLE_SIZE - 1];
    return lookup;
}

int16_t referenceTenths(float t)
{
    const double v = std::round(double(t) * 10.0);
    if (!(v > INT16_MIN)) return INT16_MIN;
    return v > INT16_MAX ? INT16_MAX : int16_t(v);
}

uint32_t bitsOf(float v)
{
    uint32_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

uint64_t bitsOf(double v)
{
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// A 256 x 256 frame holding every u16 once, taken with the given block.
void loadEveryGrey(const RedunData& block)
{
    std::vector<uint16_t> raw(kGreys);
    for (int v = 0; v < kGreys; ++v) raw[v] = uint16_t(v);
    const std::vector<uint8_t> data = fixtures::radioDataBuffer(raw, block);
    const ThermalGraphHeader header = fixtures::thermalGraphHeader(256, 256);
    ASSERT_EQ(HM_analyRadioData(&header, data.data()), 0);
}

void setDistanceTable(RedunData& b)
{
    DistCompTable& t = b.distTable;
    t.rowNum = 3;
    t.colNum = 3;
    const int32_t temps[] = {3000, 8000, 20000};
    const int32_t dists[] = {100, 800, 3000};
    const int32_t corr[3][3] = {{0, 120, 310}, {0, 260, 730}, {0, 905, 2210}};
    for (int i = 0; i < 3; ++i) {
        t.temperatures[i] = temps[i];
        t.distances[i] = dists[i];
        for (int j = 0; j < 3; ++j) t.corrections[i][j] = corr[i][j];
    }
    b.distTableEnable = 1;
}

void setPolynomial(RedunData& b)
{
    const double coef[8] = {1.5, 0.21, 0.98, -0.004, 0.0002, 0.0011, 0.00003, -0.00002};
    std::memcpy(b.distCoef, coef, sizeof coef);
}

struct TableCase {
    const char* name;
    int gainMode;
    std::function<void(RedunData&)> change;
};

const TableCase kTableCases[] = {
    {"low gain as stored", 0, [](RedunData&) {}},
    {"high gain, saturating at 600", 1, [](RedunData&) {}},
    {"emissivity, reflection and temperature rise", 0,
     [](RedunData& b) {
         b.emissivity = 0.93f;
         b.reflectedTemp = 31.5f;
         b.tempRiseCompensation = 0.37f;
     }},
    {"low emissivity", 1, [](RedunData& b) { b.emissivity = 0.11f; }},
    {"no emissivity: step skipped", 0, [](RedunData& b) { b.emissivity = 0.0f; }},
    {"polynomial within Hd", 1,
     [](RedunData& b) {
         setPolynomial(b);
         b.distance = 7.3f;
         b.emissivity = 0.95f;
     }},
    {"polynomial beyond Hd", 0,
     [](RedunData& b) {
         setPolynomial(b);
         b.distance = 35.0f;
     }},
    {"distance table within Hd", 1,
     [](RedunData& b) {
         setDistanceTable(b);
         b.distance = 4.6f;
         b.envTemp = 21.0f;
     }},
    {"distance table beyond Hd", 0,
     [](RedunData& b) {
         setDistanceTable(b);
         b.distance = 28.0f;
     }},
    {"distance table of a bad size", 0,
     [](RedunData& b) {
         setDistanceTable(b);
         b.distTable.colNum = 11;
         b.distance = 4.0f;
     }},
    {"distance factor only", 1,
     [](RedunData& b) {
         b.distFactorOnly = 1;
         b.distance = 12.5f;
     }},
    {"distance factor fails", 0,
     [](RedunData& b) {
         b.distLd = b.distHd;
         b.distance = 5.0f;
     }},
    {"emissivity model V2", 1,
     [](RedunData& b) {
         b.emissModelV2 = 1;
         b.emissivity = 0.82f;
         b.envTemp = 31.0f;
     }},
    {"emissivity model V2, low class", 0,
     [](RedunData& b) {
         b.emissModelV2 = 1;
         b.emissivity = 0.35f;
     }},
    {"TEC drift on", 1,
     [](RedunData& b) {
         b.tec.enable = 1;
         b.tec.tempCur = 33.7f;
         b.tec.self_com = 3.3f;
         b.tec.offset[0] = 1.13f;
         b.tec.offset[2] = 0.91f;
         b.emissivity = 0.97f;
     }},
    // A falling segment and a segment of a tiny rise: greys walk the curve
    // segment by segment instead of by the running sums.
    {"negative grey rise", 0, [](RedunData& b) { b.curve[6].increment = -35.0f; }},
    {"tiny grey rise", 0, [](RedunData& b) { b.curve[4].increment = 3.0e-9f; }},
    {"base grey above the table", 0,
     [](RedunData& b) {
         b.baseGray = 20000;
         b.realBaseTemp = 140.0f;
     }},
    {"base grey 0", 1, [](RedunData& b) { b.baseGray = 0; }},
    {"base temperature outside the curve", 0, [](RedunData& b) { b.realBaseTemp = 500.0f; }},
    {"decreasing curve", 0, [](RedunData& b) { b.curve[1].temperature = -40.0f; }},
};

}  // namespace

TEST(TemperatureTable, EveryGreyAsThePerGreyCalculation)
{
    for (const TableCase& c : kTableCases) {
        SCOPED_TRACE(c.name);
        RedunData block = fixtures::defaultRedunData(256, 256, c.gainMode);
        c.change(block);
        loadEveryGrey(block);
        const std::vector<float> expected = referenceLookup(block);

        std::vector<float> t(kGreys);
        ASSERT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
        std::vector<int16_t> tenths(kGreys);
        ASSERT_EQ(HM_getAxPixelsTemperature_short16(0, tenths.data()), 0);
        int mismatches = 0;
        for (int v = 0; v < kGreys && mismatches < 5; ++v) {
            if (bitsOf(t[v]) != bitsOf(expected[v])) {
                ++mismatches;
                ADD_FAILURE() << "grey " << v << ": " << t[v] << " instead of " << expected[v];
            }
            if (tenths[v] != referenceTenths(expected[v])) {
                ++mismatches;
                ADD_FAILURE() << "grey " << v << ": " << tenths[v] << " tenths for " << expected[v];
            }
        }
    }
}

TEST(TemperatureTable, ShortLookupFollowsTheNextTable)
{
    // The tenths are made from the table once; a rebuild must not leave the
    // ones of the table before.
    RedunData block = fixtures::defaultRedunData(256, 256, 1);
    loadEveryGrey(block);
    std::vector<int16_t> before(kGreys), after(kGreys);
    ASSERT_EQ(HM_getAxPixelsTemperature_short16(0, before.data()), 0);
    block.emissivity = 0.5f;
    loadEveryGrey(block);
    ASSERT_EQ(HM_getAxPixelsTemperature_short16(0, after.data()), 0);
    const std::vector<float> expected = referenceLookup(block);
    for (int v = 0; v < kGreys; v += 97) EXPECT_EQ(after[v], referenceTenths(expected[v])) << v;
    EXPECT_NE(before, after);
}

TEST(TemperatureTable, CurveBatchAsSingleGreys)
{
    // Greys in order both ways, out of order, and ones no frame holds.
    std::vector<double> greys;
    for (int g = -200; g < 17000; ++g) greys.push_back(g * 1.37);
    for (int g = 17000; g > -200; g -= 3) greys.push_back(g * 0.71 + 0.3);
    std::mt19937 random(16);
    std::uniform_real_distribution<double> anywhere(-5000.0, 70000.0);
    for (int i = 0; i < 5000; ++i) greys.push_back(anywhere(random));
    greys.insert(greys.end(), {HUGE_VAL, -HUGE_VAL, std::nan(""), 0.0, -0.0, 1e300, -1e300, 1e-310});

    const CurvePoint falling[] = {{0.0f, 0.0f}, {10.0f, 50.0f}, {20.0f, -20.0f}, {30.0f, 70.0f}};
    const CurvePoint two[] = {{-10.0f, 0.0f}, {90.0f, 4000.0f}};
    const CurvePoint uneven[] = {{-20.0f, 0.0f}, {0.1f, 333.3f}, {7.77f, 1e-4f}, {41.0f, 1234.567f}, {99.0f, 0.3f}};
    TecRecord drift{};
    drift.enable = 1;
    drift.temp0 = 25.0f;
    drift.tempCur = 29.3f;
    drift.self_com = 7.1f;
    drift.segFlag = 2;
    drift.offset[0] = 1.3f;
    drift.offset[2] = 0.7f;
    const RedunData block = fixtures::defaultRedunData(16, 16, 1);
    const TecRecord none{};
    const GreyCurve curves[] = {
        GreyCurve(block),
        GreyCurve(falling, 4, none, 1000, 15.0f),
        GreyCurve(two, 2, none, 500, 20.0f),
        GreyCurve(uneven, 5, none, 9000, 3.0f),
        GreyCurve(uneven, 5, drift, 9000, 3.0f),
        GreyCurve(block.curve, block.curveCount, drift, 7000, 120.0f),
    };
    for (size_t c = 0; c < std::size(curves); ++c) {
        SCOPED_TRACE("curve " + std::to_string(c));
        std::vector<double> t(greys.size());
        curves[c].temperaturesOf(greys.data(), int(greys.size()), t.data());
        int mismatches = 0;
        for (size_t i = 0; i < greys.size() && mismatches < 5; ++i) {
            const double expected = curves[c].temperatureOf(greys[i]);
            if (bitsOf(t[i]) != bitsOf(expected)) {
                ++mismatches;
                ADD_FAILURE() << "grey " << greys[i] << ": " << t[i] << " instead of " << expected;
            }
        }
    }
}
