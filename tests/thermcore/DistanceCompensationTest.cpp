#include "DistanceCompensation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "Logger.h"

namespace thermcore {
namespace {

using Side = DistanceCompensation::Side;

const char* sideName(Side side)
{
    return side == Side::Picture ? "picture" : "live";
}

// Picture and live logs written into a private folder for one test.
class LogFiles {
public:
    LogFiles()
    {
        char pattern[] = "/tmp/dist_comp_logXXXXXX";
        dir_ = mkdtemp(pattern);
        setenv("THERMCORE_LOG_DIR", dir_.c_str(), 1);
        Logger::instance().setPictureLog(true);
        Logger::instance().setLiveLog(true);
    }
    ~LogFiles()
    {
        Logger::instance().setLiveLog(false);
        Logger::instance().setPictureLog(false);
        unsetenv("THERMCORE_LOG_DIR");
        std::remove((dir_ + "/thermcoreGragh.log").c_str());
        std::remove((dir_ + "/thermal.log").c_str());
        rmdir(dir_.c_str());
    }
    std::string picture() const { return read("thermcoreGragh.log"); }
    std::string live() const { return read("thermal.log"); }

private:
    std::string read(const char* name) const
    {
        std::ifstream in(dir_ + "/" + name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string dir_;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// ---------------------------------------------------------------------------
// Distance factor
// ---------------------------------------------------------------------------

const float kLow[4] = {139.4f, 30.0f, 137.1f, 29.7f};
const float kHigh[4] = {278.1f, 56.8f, 270.5f, 55.8f};
const float kFlat[4] = {50.0f, 50.0f, 40.0f, 30.0f};   // Ht1 == Lt1
const float kZero[4] = {139.4f, 30.0f, 30.0f, 30.0f};  // Ht2 == Lt2
const float kNeg[4] = {139.4f, 30.0f, 20.0f, 30.0f};   // ratio below 0

struct FactorCase {
    const char* name;
    Side side;
    const float* low;
    const float* high;
    uint32_t ld;
    uint32_t hd;
    int32_t gainMode;
    double distance;
    bool ok;
    double expected;
};

void PrintTo(const FactorCase& c, std::ostream* os)
{
    *os << c.name;
}

class FactorTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(FactorTest, ComputesOrFails)
{
    const FactorCase& c = GetParam();
    float f = -123.0f;
    const bool ok = DistanceCompensation::factor(c.side, c.low, c.high, c.ld, c.hd, c.gainMode, c.distance, &f);
    ASSERT_EQ(ok, c.ok);
    if (ok) {
        EXPECT_NEAR(f, c.expected, 1e-5);
    }
}

const FactorCase kFactorCases[] = {
    {"near_zero_distance_is_one", Side::Picture, kLow, kHigh, 1600, 1600, 2, 0.0005, true, 1.0},
    {"negative_near_zero_is_one_live", Side::Live, kFlat, kFlat, 1600, 1600, 1, -0.0009, true, 1.0},
    {"equal_distances_fail", Side::Picture, kLow, kHigh, 1600, 1600, 2, 10.0, false, 0.0},
    {"equal_distances_fail_live", Side::Live, kLow, kHigh, 2000, 2000, 1, 10.0, false, 0.0},
    {"power_zero_at_ld", Side::Picture, kLow, kHigh, 1600, 2000, 2, 16.0, true, 1.0},
    {"low_power_one", Side::Picture, kLow, kHigh, 1600, 2000, 2, 20.0, true, 109.4 / 107.4},
    {"low_power_two_live", Side::Live, kLow, kHigh, 1600, 2000, 0, 24.0, true, (109.4 / 107.4) * (109.4 / 107.4)},
    {"high_power_one", Side::Picture, kLow, kHigh, 1600, 2000, 1, 20.0, true, 221.3 / 214.7},
    {"gain_1_takes_flat_high", Side::Picture, kLow, kFlat, 1600, 2000, 1, 20.0, false, 0.0},
    {"gain_2_ignores_flat_high", Side::Live, kLow, kFlat, 1600, 2000, 2, 20.0, true, 109.4 / 107.4},
    {"gain_0_takes_flat_low", Side::Live, kFlat, kHigh, 1600, 2000, 0, 20.0, false, 0.0},
    // Hd below Ld: the picture side divides by -400, the live side by 2^32 - 400.
    {"reversed_distances_signed", Side::Picture, kLow, kHigh, 2000, 1600, 2, 24.0, true, 107.4 / 109.4},
    {"reversed_distances_unsigned_live", Side::Live, kLow, kHigh, 2000, 1600, 2, 24.0, true, 1.0},
    {"zero_ratio_gives_infinity", Side::Picture, kZero, kHigh, 1600, 2000, 2, 20.0, false, 0.0},
    {"negative_ratio_gives_nan", Side::Live, kNeg, kHigh, 1600, 2000, 2, 18.0, false, 0.0},
};

INSTANTIATE_TEST_SUITE_P(Cases, FactorTest, ::testing::ValuesIn(kFactorCases),
                         [](const ::testing::TestParamInfo<FactorCase>& info) { return std::string(info.param.name); });

TEST(DistanceFactor, NullOutputFails)
{
    EXPECT_FALSE(DistanceCompensation::factor(Side::Picture, kLow, kHigh, 1600, 2000, 2, 0.0, nullptr));
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(DistanceCompensation::factor(Side::Live, kLow, kHigh, 1600, 2000, 2, 0.0, nullptr));
    EXPECT_TRUE(contains(::testing::internal::GetCapturedStdout(), "pValue is NULL"));
}

TEST(DistanceFactor, LiveMessagesGoToStandardOutput)
{
    LogFiles logs;
    float f = 0.0f;
    ::testing::internal::CaptureStdout();
    DistanceCompensation::factor(Side::Live, kLow, kHigh, 1600, 1600, 2, 10.0, &f);
    DistanceCompensation::factor(Side::Live, kLow, kFlat, 1600, 2000, 1, 10.0, &f);
    DistanceCompensation::factor(Side::Live, kFlat, kHigh, 1600, 2000, 2, 10.0, &f);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(contains(out, "ftHd and ftLd is equal\n"));
    EXPECT_TRUE(contains(out, "ftHighHt1 is to close to ftHighLt1\n"));
    EXPECT_TRUE(contains(out, "ftLowHt1 is to close to ftLowLt1\n"));
    EXPECT_FALSE(contains(logs.picture(), "ftHd"));
}

TEST(DistanceFactor, PictureMessagesGoToPictureLog)
{
    LogFiles logs;
    float f = 0.0f;
    ::testing::internal::CaptureStdout();
    DistanceCompensation::factor(Side::Picture, kLow, kHigh, 1600, 1600, 2, 10.0, &f);
    DistanceCompensation::factor(Side::Picture, kLow, kFlat, 1600, 2000, 1, 10.0, &f);
    DistanceCompensation::factor(Side::Picture, kFlat, kHigh, 1600, 2000, 2, 10.0, &f);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    const std::string log = logs.picture();
    EXPECT_TRUE(contains(log, "ftHd and ftLd is equal\n"));
    EXPECT_TRUE(contains(log, "ftHighHt1 is to close to ftHighLt1\n"));
    EXPECT_TRUE(contains(log, "ftLowHt1 is to close to ftLowLt1\n"));
}

// ---------------------------------------------------------------------------
// Distance polynomial
// ---------------------------------------------------------------------------

// 1 + 0.1 d + 1.0 t + 0.01 d^2 + 0.001 t^2 + 0.002 d t + 0.0001 d^3 + 0.00001 d^2 t;
// at d = 10, t = 50: 1 + 1 + 50 + 1 + 2.5 + 1 + 0.1 + 0.05 = 56.65.
const double kCoef[8] = {1.0, 0.1, 1.0, 0.01, 0.001, 0.002, 0.0001, 0.00001};
const double kZeroCoef[8] = {0, 0, 0, 0, 0, 0, 0, 0};
// c0 = c7 = 0 but a gain: t (1 + 0.001 d).
const double kGainOnly[8] = {0, 0, 1.0, 0, 0, 0.001, 0, 0};
const double kDrop[8] = {-100.0, 0, 1.0, 0, 0, 0, 0, 0.0001};

struct PolyCase {
    const char* name;
    Side side;
    const double* coef;
    double distance;
    float t;
    float expected;
};

void PrintTo(const PolyCase& c, std::ostream* os)
{
    *os << c.name;
}

class PolynomialTest : public ::testing::TestWithParam<PolyCase> {};

TEST_P(PolynomialTest, Result)
{
    const PolyCase& c = GetParam();
    EXPECT_NEAR(DistanceCompensation::polynomial(c.side, c.coef, c.distance, c.t), c.expected, 1e-4)
        << sideName(c.side);
}

const PolyCase kPolyCases[] = {
    {"hand_computed", Side::Picture, kCoef, 10.0, 50.0f, 56.65f},
    {"hand_computed_live", Side::Live, kCoef, 10.0, 50.0f, 56.65f},
    {"short_distance", Side::Picture, kCoef, 0.009, 50.0f, 50.0f},
    {"short_distance_live", Side::Live, kCoef, 0.009, 50.0f, 50.0f},
    {"cold_object", Side::Picture, kCoef, 10.0, 29.9f, 29.9f},
    {"cold_object_live", Side::Live, kCoef, 10.0, 29.9f, 29.9f},
    {"all_zero_far", Side::Picture, kZeroCoef, 100.0, 100.0f, 100.0f},
    {"all_zero_far_live", Side::Live, kZeroCoef, 100.0, 100.0f, 100.0f},
    {"c0_c7_zero_applied", Side::Picture, kGainOnly, 100.0, 100.0f, 110.0f},
    {"c0_c7_zero_unchanged_live", Side::Live, kGainOnly, 100.0, 100.0f, 100.0f},
    {"floor_30", Side::Picture, kDrop, 10.0, 50.0f, 30.0f},
    {"floor_30_live", Side::Live, kDrop, 10.0, 50.0f, 30.0f},
};

INSTANTIATE_TEST_SUITE_P(Cases, PolynomialTest, ::testing::ValuesIn(kPolyCases),
                         [](const ::testing::TestParamInfo<PolyCase>& info) { return std::string(info.param.name); });

TEST(DistancePolynomial, PictureLogsWhenItComputes)
{
    LogFiles logs;
    DistanceCompensation::polynomial(Side::Picture, kCoef, 0.005, 50.0f);
    EXPECT_EQ(logs.picture(), "");
    DistanceCompensation::polynomial(Side::Picture, kCoef, 10.0, 50.0f);
    const std::string log = logs.picture();
    EXPECT_TRUE(contains(log,
                         "pDistCoef[0-7] = 1.000000, 0.100000, 1.000000, 0.010000, 0.001000, 0.002000, "
                         "0.000100, 0.000010\n"));
    EXPECT_TRUE(contains(log, "temper: 50.000000, realTemper: 56.65"));
    EXPECT_EQ(logs.live(), "");
}

TEST(DistancePolynomial, LiveLogs)
{
    LogFiles logs;
    DistanceCompensation::polynomial(Side::Live, kGainOnly, 100.0, 100.0f);
    EXPECT_TRUE(contains(logs.live(), "pObj->distCoef[0] == 0.0\n"));
    EXPECT_FALSE(contains(logs.live(), "temper:"));

    // Unchanged for being too close, but logged.
    DistanceCompensation::polynomial(Side::Live, kCoef, 0.005, 50.0f);
    const std::string log = logs.live();
    EXPECT_TRUE(contains(log,
                         "dist  = 0.005000,pDistCoef[0-7] = 1.000000, 0.100000, 1.000000, 0.010000, "
                         "0.001000, 0.002000, 0.000100, 0.000010\n"));
    EXPECT_TRUE(contains(log, "temper: 50.000000, realTemper: 50.000000\n"));
    EXPECT_FALSE(contains(logs.picture(), "temper:"));
}

// ---------------------------------------------------------------------------
// Distance table
// ---------------------------------------------------------------------------

// Objects at 50, 100 and 150 C seen at 1, 10 and 20 m read too low by
// {0, 1, 2}, {0, 2, 4} and {0, 4, 8} C.
DistCompTable sampleTable()
{
    DistCompTable t{};
    t.rowNum = 3;
    t.colNum = 3;
    const int temps[3] = {5000, 10000, 15000};
    const int dists[3] = {100, 1000, 2000};
    const int corr[3][3] = {{0, 100, 200}, {0, 200, 400}, {0, 400, 800}};
    for (int i = 0; i < 3; ++i) {
        t.temperatures[i] = temps[i];
        t.distances[i] = dists[i];
        for (int j = 0; j < 3; ++j) t.corrections[i][j] = corr[i][j];
    }
    return t;
}

struct TableCase {
    const char* name;
    double distance;
    float t;
    float expected;
};

void PrintTo(const TableCase& c, std::ostream* os)
{
    *os << c.name;
}

class TableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(TableTest, BothSidesAgree)
{
    const TableCase& c = GetParam();
    const DistCompTable table = sampleTable();
    for (Side side : {Side::Picture, Side::Live}) {
        EXPECT_NEAR(DistanceCompensation::table(side, table, 25.0f, c.distance, c.t), c.expected, 1e-3)
            << sideName(side);
    }
}

const TableCase kTableCases[] = {
    {"below_one_millimetre", 0.0005, 120.0f, 120.0f},
    // d = 15: corrections {1.5, 3, 6}, apparent {48.5, 97, 144}; 120.5 is halfway.
    {"inside", 15.0, 120.5f, 125.0f},
    // On a column and on an apparent temperature: row 1, column 1 exactly.
    {"on_grid", 10.0, 98.0f, 100.0f},
    // d = 30 extrapolates columns 1 and 2 with weight 2: corrections {3, 6, 12},
    // apparent {47, 94, 138}.
    {"beyond_last_distance", 30.0, 116.0f, 125.0f},
    // Above the last apparent temperature at d = 15: rows 1 and 2 extrapolated.
    {"beyond_last_temperature", 15.0, 160.0f, 160.0f + 3.0f + 3.0f * 63.0f / 47.0f},
    // d = 0.1 lies before the first column: weight -0.1 on columns 0 and 1,
    // corrections {-0.1, -0.2, -0.4}, apparent {50.1, 100.2, 150.4}.
    {"before_first_distance", 0.1, 120.0f, 120.0f - 0.2f * (1.0f + 19.8f / 50.2f)},
    {"below_environment", 15.0, 20.0f, 20.0f},
};

INSTANTIATE_TEST_SUITE_P(Cases, TableTest, ::testing::ValuesIn(kTableCases),
                         [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

TEST(DistanceTable, ZeroCorrectionsChangeNothing)
{
    DistCompTable table = sampleTable();
    for (auto& row : table.corrections)
        for (int& c : row) c = 0;
    for (double d : {0.5, 1.0, 5.0, 15.0, 100.0, 5000.0})
        for (float t : {26.0f, 30.0f, 120.0f, 500.0f})
            EXPECT_FLOAT_EQ(DistanceCompensation::table(Side::Picture, table, 25.0f, d, t), t) << d << " " << t;
}

TEST(DistanceTable, CountsOutsideTwoToTenSkip)
{
    const struct {
        int rows;
        int cols;
    } counts[] = {{1, 3}, {11, 3}, {3, 1}, {3, 11}, {0, 0}, {-1, 3}};
    for (const auto& c : counts) {
        LogFiles logs;
        DistCompTable table = sampleTable();
        table.rowNum = c.rows;
        table.colNum = c.cols;
        EXPECT_EQ(DistanceCompensation::table(Side::Picture, table, 25.0f, 15.0, 120.5f), 120.5f);
        EXPECT_EQ(DistanceCompensation::table(Side::Live, table, 25.0f, 15.0, 120.5f), 120.5f);
        const std::string expected = "distance table size out of range rowNum = " + std::to_string(c.rows) +
                                     " colNum = " + std::to_string(c.cols) + "\n";
        EXPECT_TRUE(contains(logs.picture(), expected));
        EXPECT_TRUE(contains(logs.live(), expected));
    }
}

TEST(DistanceTable, EqualNeighboursTakeTheLowerEntry)
{
    DistCompTable table = sampleTable();
    table.distances[2] = table.distances[1];  // 1, 10, 10 m
    // Columns 1 and 2 share 10 m: weight 0 keeps column 1: corrections
    // {1, 2, 4}, apparent {49, 98, 146}; 116 lies 18/48 of the way up.
    for (double d : {10.0, 30.0})
        EXPECT_NEAR(DistanceCompensation::table(Side::Picture, table, 25.0f, d, 116.0f), 118.75f, 1e-3) << d;

    // Two equal object rows give equal apparent temperatures.
    table = sampleTable();
    table.temperatures[1] = table.temperatures[0];
    for (int j = 0; j < 3; ++j) table.corrections[1][j] = table.corrections[0][j];
    EXPECT_NEAR(DistanceCompensation::table(Side::Live, table, 25.0f, 10.0, 45.0f), 46.0f, 1e-3);

    // Every distance the same: nothing divides by zero anywhere.
    for (int j = 0; j < 3; ++j) table.distances[j] = 500;
    for (double d : {1.0, 5.0, 50.0})
        for (float t : {30.0f, 49.0f, 200.0f})
            EXPECT_TRUE(std::isfinite(DistanceCompensation::table(Side::Picture, table, 25.0f, d, t)));
}

TEST(DistanceTable, NeverReturnsNonFiniteForFiniteInput)
{
    const DistCompTable table = sampleTable();
    EXPECT_FLOAT_EQ(DistanceCompensation::table(Side::Picture, table, 25.0f, 1e300, 120.0f), 120.0f);
    EXPECT_TRUE(std::isinf(DistanceCompensation::table(Side::Picture, table, 25.0f, 15.0, INFINITY)));
    EXPECT_TRUE(std::isnan(DistanceCompensation::table(Side::Live, table, 25.0f, 15.0, NAN)));
}

TEST(DistanceTable, PictureLogsTheCorrection)
{
    LogFiles logs;
    const DistCompTable table = sampleTable();
    DistanceCompensation::table(Side::Picture, table, 25.0f, 0.0005, 120.0f);
    EXPECT_EQ(logs.picture(), "");

    DistanceCompensation::table(Side::Picture, table, 25.0f, 15.0, 120.5f);
    EXPECT_TRUE(contains(logs.picture(),
                         "dist = 15.000000, temper = 120.500000,  realCofe = 4.500000 realTemper = 125.000000  \n"));
    // Below the environment the line is still written, with no correction.
    DistanceCompensation::table(Side::Picture, table, 25.0f, 15.0, 20.0f);
    EXPECT_TRUE(contains(logs.picture(),
                         "dist = 15.000000, temper = 20.000000,  realCofe = 0.000000 realTemper = 20.000000  \n"));

    DistanceCompensation::table(Side::Live, table, 25.0f, 15.0, 120.5f);
    EXPECT_FALSE(contains(logs.live(), "realCofe"));
}

}  // namespace
}  // namespace thermcore
