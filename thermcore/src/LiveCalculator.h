// Temperatures of one measured area of the current live frame: grey
// statistics, the live curve (the frame's camera block, or the live TEC and
// grey-difference services), emissivity and distance compensation, and the
// live limits; or, for frames of temperatures, plain statistics.
#pragma once

#include <cstdint>
#include <vector>

#include "PixelStats.h"
#include "thermcore.h"

namespace thermcore {

class LiveState;

class LiveCalculator {
public:
    // What to measure and with which object parameters (56 bytes).
    struct MetryParm {
        int32_t meterType;  // 0 rectangle (or point), 1 line, 2 area
        int32_t startColumn;
        int32_t endColumn;
        int32_t startRow;
        int32_t endRow;
        float objectEmissivity;
        float objectDistanceMeter;
        float reflectedTemperatureCelcius;
        float atmosphericTemperatureCelcius;
        int32_t relativeHumidity;
        int32_t ruleId;  // 1..30 a stored rule; 255 a free area
        int32_t reserved[3];
    };
    // Result (36 bytes), C and raw pixels.
    struct MetryValue {
        float average;
        float reserved0;
        float maximum;
        float minimum;
        float reserved1;
        int32_t hotColumn;
        int32_t hotRow;
        int32_t coldColumn;
        int32_t coldRow;
    };
    // RADAPP_nyxGetTemperature: picks the pixels by ruleId and meterType
    // (stored rules' lists, or the rectangle) and measures them.
    static int getTemperature(LiveState& state, const MetryParm& parm, MetryValue* value);
    // Measures a given pixel set with the grey or the temperature-data path.
    static int measure(LiveState& state, const PixelSet& pixels, const MetryParm& parm, MetryValue* value);
};

static_assert(sizeof(LiveCalculator::MetryParm) == 56, "live parameter record");
static_assert(sizeof(LiveCalculator::MetryValue) == 36, "live result record");

}  // namespace thermcore
