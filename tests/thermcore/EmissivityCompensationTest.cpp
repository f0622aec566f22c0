#include "EmissivityCompensation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace thermcore {
namespace {

const EmissivityCompensation& table()
{
    return EmissivityCompensation::builtIn();
}

TEST(EmissivityBuiltIn, Layout)
{
    const auto& t = table();
    ASSERT_EQ(t.sets().size(), 1u);
    ASSERT_EQ(t.atmosphericTemps().size(), 1u);
    EXPECT_FLOAT_EQ(t.atmosphericTemps()[0], 25.0f);

    const auto& upper = t.sets()[0].upper;
    const auto& lower = t.sets()[0].lower;
    ASSERT_EQ(upper.count, 35);
    ASSERT_EQ(lower.count, 7);
    const float first[] = {28.0f, 30.2f, 34.95f, 40.02f, 45.03f, 50.03f, 55.01f, 60.0f, 70.01f, 80.02f, 100.1f, 120.0f};
    for (int i = 0; i < 12; ++i) EXPECT_FLOAT_EQ(upper.breakpoints[i], first[i]) << i;
    for (int i = 1; i < upper.count; ++i) EXPECT_GT(upper.breakpoints[i], upper.breakpoints[i - 1]) << i;
    for (int i = 1; i < lower.count; ++i) EXPECT_GT(lower.breakpoints[i], lower.breakpoints[i - 1]) << i;
    EXPECT_LT(lower.breakpoints[lower.count - 1], 28.0f);
    EXPECT_GE(upper.breakpoints[upper.count - 1], 600.0f);
    for (int i = 0; i < upper.count; ++i) {
        EXPECT_TRUE(std::isfinite(upper.hHigh[i]) && std::isfinite(upper.gHigh[i]));
        EXPECT_TRUE(std::isfinite(upper.hLow[i]) && std::isfinite(upper.gLow[i]));
    }
}

TEST(EmissivityCompensation, ReadingOf28At25Is28Point2)
{
    const struct {
        float atm;
        float t;
    } inputs[] = {{25.0f, 28.0f}, {25.005f, 27.995f}, {24.995f, 28.005f}};
    for (const auto& in : inputs) {
        for (float e : {0.0f, 0.1f, 0.5f, 0.97f, 1.0f}) {
            float out = 0.0f;
            ASSERT_EQ(table().compensate(&out, in.atm, e, in.t), 0) << e;
            EXPECT_FLOAT_EQ(out, 28.2f) << in.atm << " " << in.t << " " << e;
        }
    }
    // Just outside the window the table answers: about 28 at emissivity 1.
    float out = 0.0f;
    ASSERT_EQ(table().compensate(&out, 25.02f, 1.0f, 28.0f), 0);
    EXPECT_NEAR(out, 28.0f, 0.05f);
}

TEST(EmissivityCompensation, RejectsBadArguments)
{
    float out = 7.0f;
    for (float e : {-0.01f, 1.01f, NAN}) {
        EXPECT_EQ(table().compensate(&out, 25.0f, e, 100.0f), -1) << e;
        EXPECT_EQ(table().compensate(&out, 25.0f, e, 28.0f), -1) << e;
    }
    EXPECT_EQ(table().compensate(nullptr, 25.0f, 0.8f, 100.0f), -1);
    // No object temperature reads anything at emissivity 0.
    EXPECT_EQ(table().compensate(&out, 25.0f, 0.0f, 100.0f), -1);
    EXPECT_EQ(table().compensate(&out, 25.0f, 0.8f, NAN), -1);
}

TEST(EmissivityCompensation, EmptyTableReturnsInput)
{
    const EmissivityCompensation empty;
    float out = 0.0f;
    EXPECT_EQ(empty.compensate(&out, 25.0f, 0.8f, 123.5f), -1);
    EXPECT_EQ(out, 123.5f);
    EXPECT_EQ(empty.compensate(nullptr, 25.0f, 0.8f, 123.5f), -1);
}

TEST(EmissivityCompensation, UnityEmissivityKeepsTemperature)
{
    for (float atm : {25.0f, 0.0f, 40.0f}) {
        for (float t : {-40.0f, -30.0f, -5.0f, 10.0f, 24.0f, 27.5f, 27.98f, 28.5f, 33.0f, 75.0f, 150.0f, 333.0f, 599.0f,
                        650.0f}) {
            float out = 0.0f;
            ASSERT_EQ(table().compensate(&out, atm, 1.0f, t), 0) << t;
            EXPECT_NEAR(out, t, 0.05f) << "atm " << atm << " t " << t;
        }
    }
}

TEST(EmissivityCompensation, LowerEmissivityMovesAwayFromAmbient)
{
    const float emissivities[] = {1.0f, 0.9f, 0.7f, 0.5f, 0.4f, 0.3f, 0.1f};
    for (float t : {30.0f, 60.0f, 150.0f, 400.0f, 640.0f}) {
        float previous = t - 0.01f;
        for (float e : emissivities) {
            float out = 0.0f;
            ASSERT_EQ(table().compensate(&out, 25.0f, e, t), 0);
            EXPECT_GT(out, previous) << "t " << t << " e " << e;
            previous = out;
        }
    }
    // Colder than the surroundings: the object is colder still.
    for (float t : {0.0f, 10.0f, 20.0f}) {
        float previous = t + 0.01f;
        for (float e : emissivities) {
            float out = 0.0f;
            ASSERT_EQ(table().compensate(&out, 25.0f, e, t), 0);
            EXPECT_LT(out, previous) << "t " << t << " e " << e;
            previous = out;
        }
    }
}

// Object temperature from an independent 8-14 um blackbody model:
// L(T_app) = e L(T_obj) + (1 - e) L(25 C).
double bandRadiance(double kelvin)
{
    const int steps = 1200;
    const double h = 6.0 / steps;
    double sum = 0.0;
    for (int k = 0; k <= steps; ++k) {
        const double um = 8.0 + h * k;
        const double v = 1.0 / (std::pow(um, 5) * (std::exp(14387.77 / (um * kelvin)) - 1.0));
        sum += (k == 0 || k == steps) ? v / 2 : v;
    }
    return sum * h;
}

double modelObject(double apparent, double e)
{
    const double target = (bandRadiance(apparent + 273.15) - (1 - e) * bandRadiance(298.15)) / e;
    double lo = 100.0, hi = 10000.0;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (bandRadiance(mid) < target ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi) - 273.15;
}

TEST(EmissivityCompensation, FollowsTheRadianceModel)
{
    const struct {
        float t;
        float e;
    } points[] = {{10, 0.6f},  {10, 0.8f},   {20, 0.3f},  {20, 0.8f},  {40, 0.3f},  {40, 0.6f},
                  {40, 0.95f}, {100, 0.3f},  {100, 0.6f}, {100, 0.8f}, {300, 0.3f}, {300, 0.55f},
                  {300, 0.9f}, {600, 0.45f}, {600, 0.6f}, {600, 0.8f}};
    for (const auto& p : points) {
        const double expected = modelObject(p.t, p.e);
        float out = 0.0f;
        ASSERT_EQ(table().compensate(&out, 25.0f, p.e, p.t), 0);
        // Within 2 % of the correction, and half a degree.
        EXPECT_NEAR(out, expected, 0.5 + 0.02 * std::fabs(expected - p.t)) << "t " << p.t << " e " << p.e;
    }
}

// Two sets, at 20 and 30 C, whose upper halves begin at 30 and 40 C.
EmissivityCompensation twoSets()
{
    EmissivityCompensation::Set a;
    EmissivityCompensation::Set b;
    std::memset(&a, 0, sizeof a);
    std::memset(&b, 0, sizeof b);
    const auto fill = [](EmissivityCompensation::Half& half, float x0, float x1, double h0, double h1, double g) {
        half.count = 2;
        half.breakpoints[0] = x0;
        half.breakpoints[1] = x1;
        half.hHigh[0] = half.hLow[0] = h0;
        half.hHigh[1] = half.hLow[1] = h1;
        half.gHigh[0] = half.gLow[0] = half.gHigh[1] = half.gLow[1] = g;
    };
    fill(a.upper, 30.0f, 100.0f, 30.0, 100.0, -0.5);
    fill(b.upper, 40.0f, 100.0f, 40.0, 110.0, -1.0);
    fill(a.lower, 0.0f, 20.0f, -10.0, -20.0, 25.0);
    fill(b.lower, 0.0f, 20.0f, -20.0, -30.0, 30.0);
    // The upper halves answer 0 below emissivity 0.5, to tell the classes apart.
    for (auto* half : {&a.upper, &b.upper}) half->hLow[0] = half->hLow[1] = 0.0;
    return EmissivityCompensation({20.0f, 30.0f}, {a, b});
}

TEST(EmissivityCompensation, InterpolatesBetweenSets)
{
    const EmissivityCompensation t = twoSets();
    const struct {
        float atm;
        float e;
        float t;
        double expected;
    } cases[] = {
        // Upper halves at 50 C: set 20 h 50, g -0.5; set 30 h 51.667, g -1.
        {25.0f, 0.81f, 50.0f, 59.536709},
        {10.0f, 0.81f, 50.0f, 55.555556},  // below the table: the first set
        {30.0f, 0.81f, 50.0f, 63.786008},  // at the last: the last set
        {45.0f, 0.81f, 50.0f, 63.786008},
        {25.0f, 0.5f, 50.0f, 85.491136},  // 0.5 belongs to the upper class
        {25.0f, 0.49f, 50.0f, 0.0},
        // Lower halves at 10 C, emissivity below 0.5: h / e + g.
        {25.0f, 0.4f, 10.0f, -22.5},
        {21.0f, 0.4f, 10.0f, -14.5},
    };
    for (const auto& c : cases) {
        float out = 0.0f;
        ASSERT_EQ(t.compensate(&out, c.atm, c.e, c.t), 0) << c.atm << " " << c.t;
        EXPECT_NEAR(out, c.expected, 1e-3) << c.atm << " " << c.t;
    }
}

TEST(EmissivityCompensation, SetsDisagreeingOnHalfFail)
{
    const EmissivityCompensation t = twoSets();
    float out = 0.0f;
    // 35 C is in the upper half of the set at 20 and the lower half of the one at 30.
    EXPECT_EQ(t.compensate(&out, 25.0f, 0.8f, 35.0f), -1);
    // Either set alone is fine.
    EXPECT_EQ(t.compensate(&out, 15.0f, 0.8f, 35.0f), 0);
    EXPECT_EQ(t.compensate(&out, 35.0f, 0.8f, 35.0f), 0);
}

}  // namespace
}  // namespace thermcore
