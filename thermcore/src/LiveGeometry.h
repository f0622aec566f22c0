// Live rule geometry: normalised rule coordinates (0..8191 across the live
// window, no offset) to raw pixels and back, rounded; and the limiting of a
// normalised position onto a rule's figure.
#pragma once

#include <cstdint>

#include "thermcore.h"

namespace thermcore {

class LiveGeometry {
public:
    // X = ((x mod 2^24) * 8192 + W / 2) / W. False (printed) when W or H is
    // 0; out is then left as it was.
    static bool toNormalized(ThermPoint* out, int x, int y, int width, int height);
    // x = (X * W + 4096) / 8192; not limited to the window (8191 gives W).
    static ThermPoint toRaw(ThermPoint normalised, int width, int height);

    // What a position may be pulled onto (normalised coordinates).
    struct Limits {
        int32_t meterType = 0;
        int32_t shape = 0;
        ThermPoint lineA{}, lineB{};
        int32_t minX = 0, maxX = 0, minY = 0, maxY = 0;
        double centreX = 0, centreY = 0, halfX = 0, halfY = 0;  // ellipse
    };
    // A line pulls onto its segment, an ellipse along the ray from its centre
    // onto its outline, anything else into its box.
    static ThermPoint adjust(ThermPoint p, const Limits& limits);
};

}  // namespace thermcore
