// Grey statistics over the pixels of one measurement, shared by the picture
// and the live calculation: extremes with the position of the first pixel
// that reaches each, and an exact integer sum.
#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "RuleRaster.h"
#include "thermcore.h"

namespace thermcore {

// Which pixels a measurement visits: an inclusive rectangle, or row runs.
struct PixelSet {
    const PixelRuns* runs = nullptr;
    int x0 = 0, x1 = -1, y0 = 0, y1 = -1;
};

template <typename Value>
struct PixelStats {
    Value max{};
    Value min{};
    int64_t sum = 0;
    int64_t count = 0;
    int hotX = 0, hotY = 0, coldX = 0, coldY = 0;

    double mean() const { return double(sum) / double(count); }
};

// Value is uint32_t for unsigned greys or int32_t for frames of signed
// tenths of a degree. Runs are clipped to the frame; the rectangle must lie
// inside it. count is 0 when no pixel was visited.
template <typename Value>
PixelStats<Value> collectPixels(const uint16_t* pixels, int width, int height, const PixelSet& set)
{
    auto read = [](uint16_t raw) {
        if constexpr (std::is_signed_v<Value>)
            return Value(int16_t(raw));
        else
            return Value(raw);
    };
    PixelStats<Value> s;
    // Each row is reduced on its own (a loop the compiler vectorises); the
    // position of a new extreme is then looked up as its first occurrence.
    auto visitRow = [&](int y, int x0, int x1) {  // x0..x1-1, inside the frame
        const uint16_t* row = pixels + size_t(y) * size_t(width);
        Value rowMax = read(row[x0]), rowMin = rowMax;
        int64_t rowSum = 0;
        for (int x = x0; x < x1; ++x) {
            const Value v = read(row[x]);
            rowMax = std::max(rowMax, v);
            rowMin = std::min(rowMin, v);
            rowSum += v;
        }
        auto firstOf = [&](Value v) {
            int x = x0;
            while (read(row[x]) != v) ++x;
            return x;
        };
        if (s.count == 0 || rowMax > s.max) {
            s.max = rowMax;
            s.hotX = firstOf(rowMax);
            s.hotY = y;
        }
        if (s.count == 0 || rowMin < s.min) {
            s.min = rowMin;
            s.coldX = firstOf(rowMin);
            s.coldY = y;
        }
        s.sum += rowSum;
        s.count += x1 - x0;
    };
    if (set.runs) {
        for (const PixelRun& r : *set.runs) {
            const int x0 = std::max(r.x0, 0), x1 = std::min(r.x1, width);
            if (r.y >= 0 && r.y < height && x0 < x1) visitRow(r.y, x0, x1);
        }
    } else {
        for (int y = set.y0; y <= set.y1; ++y) visitRow(y, set.x0, set.x1 + 1);
    }
    return s;
}

}  // namespace thermcore
