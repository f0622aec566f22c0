#pragma once
// Live rules for tests, seeds and benchmarks.
#include <vector>

#include "thermcore.h"

namespace fixtures {

// A live rule: meterType 0 takes points[0], 1 the first two points, any
// other the points as an area (at most eight are stored); coordinates are
// normalised 0..8191.
RADAPI_SpotRule spotRule(int32_t id, int32_t meterType, int32_t shape, const std::vector<ThermPoint>& points);

}  // namespace fixtures
