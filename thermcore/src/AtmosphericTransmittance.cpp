#include "AtmosphericTransmittance.h"

#include <algorithm>
#include <array>

namespace thermcore {

namespace {

constexpr float kDistances[] = {1, 3, 10, 30, 100, 300, 500, 1000, 2250, 3000, 5000, 10000};
constexpr float kTemperatures[] = {20, 30, 40};
constexpr int kHumidities[] = {5, 25, 50, 100};
constexpr int kD = 12, kT = 3, kH = 4;

// The driest and the most humid warm air; the other rows lie between them,
// weighted by temperature and humidity, never below the 0.40 floor.
constexpr float kDry[kD] = {1.0f, 1.0f, 0.99f, 0.99f, 0.97f, 0.95f, 0.94f, 0.92f, 0.87f, 0.86f, 0.81f, 0.74f};
constexpr float kHumid[kD] = {0.99f, 0.98f, 0.96f, 0.93f, 0.85f, 0.68f, 0.53f, 0.40f, 0.40f, 0.40f, 0.40f, 0.40f};

using Table = std::array<float, kT * kH * kD>;

const Table& table()
{
    static const Table values = [] {
        Table t{};
        for (int ti = 0; ti < kT; ++ti)
            for (int hi = 0; hi < kH; ++hi) {
                const float w = 0.5f * ti / (kT - 1) + 0.5f * hi / (kH - 1);
                for (int di = 0; di < kD; ++di)
                    t[(ti * kH + hi) * kD + di] = std::max(0.40f, kDry[di] + (kHumid[di] - kDry[di]) * w);
            }
        return t;
    }();
    return values;
}

// Index pair and weight on one axis: the first grid value not below v.
template <typename T, size_t N>
void locate(const T (&grid)[N], T v, int* lo, int* hi, float* w)
{
    int i = 0;
    while (i < int(N) && grid[i] < v) ++i;
    if (i == 0 || i == int(N)) {
        *lo = *hi = (i == 0) ? 0 : int(N) - 1;
        *w = 0.0f;
        return;
    }
    *lo = i - 1;
    *hi = i;
    *w = float(v - grid[i - 1]) / float(grid[i] - grid[i - 1]);
}

}  // namespace

float AtmosphericTransmittance::at(float distance, float temperature, int humidity)
{
    int d0, d1, t0, t1, h0, h1;
    float wd, wt, wh;
    locate(kDistances, distance, &d0, &d1, &wd);
    locate(kTemperatures, temperature, &t0, &t1, &wt);
    locate(kHumidities, humidity, &h0, &h1, &wh);
    const Table& t = table();
    auto v = [&](int ti, int hi, int di) { return t[(ti * kH + hi) * kD + di]; };
    auto alongD = [&](int ti, int hi) { return v(ti, hi, d0) + (v(ti, hi, d1) - v(ti, hi, d0)) * wd; };
    auto alongH = [&](int ti) { return alongD(ti, h0) + (alongD(ti, h1) - alongD(ti, h0)) * wh; };
    return alongH(t0) + (alongH(t1) - alongH(t0)) * wt;
}

}  // namespace thermcore
