// The temperature table built the straightforward way: the per-grey
// calculation for every entry, one after another, each side stopping at its
// saturation value. The reference of the table tests and the benchmark.
#pragma once

#include <cmath>
#include <vector>

#include "thermcore.h"

namespace reference {

inline std::vector<float> perGreyTable(const RedunData& block)
{
    const thermcore::GreyModel model(block);
    thermcore::MeasureParams params;
    params.emissivity = block.emissivity;
    params.distance = block.distance;
    params.reflectedTemp = block.reflectedTemp;
    params.atmosphericTemp = block.envTemp;
    params.humidity = block.humidity;
    const double reflect = model.reflectedGrey(params.reflectedTemp);
    auto at = [&](int grey) {
        float t = 0.0f;
        model.temperature(model.compensatedGrey(grey, true), params, reflect, &t);
        return t;
    };
    std::vector<float> table(THERMCORE_TABLE_SIZE);
    const int base = block.baseGray < THERMCORE_TABLE_SIZE ? int(block.baseGray) : THERMCORE_TABLE_SIZE - 1;
    bool saturated = false;
    for (int g = base; g >= 0; --g) {
        table[g] = saturated ? -30.0f : at(g);
        saturated = saturated || std::fabs(table[g] + 30.0f) <= 0.01f;
    }
    saturated = false;
    for (int g = base + 1; g < THERMCORE_TABLE_SIZE; ++g) {
        table[g] = saturated ? 600.0f : at(g);
        saturated = saturated || std::fabs(table[g] - 600.0f) <= 0.01f;
    }
    return table;
}

}  // namespace reference
