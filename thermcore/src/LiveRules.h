// The live rule store: up to 30 rules in normalised coordinates, each turned
// into raw pixels (a line list or an area list per slot) for the live window
// it was stored or last measured in; and the temperatures of a stored rule
// or of a free region on the current live frame.
#pragma once

#include <cstdint>
#include <vector>

#include "LiveGeometry.h"
#include "RuleRaster.h"
#include "thermcore.h"

namespace thermcore {

class LiveState;

class LiveRules {
public:
    // RADAPP_setRules. Refuses (-1, store unchanged) more than 30 rules or an
    // area of more than 8 points.
    int set(LiveState& state, const RADAPI_SpotRules& rules);
    // RADIOGetRuleTemperature: 0, or -1 with the result untouched.
    int ruleTemperature(LiveState& state, int32_t ruleId, RADAPI_TempInfo* result);
    // RADAPP_getArbitraryRegionTemperature over the polygon's own pixels,
    // its outline included; fills average, maximum, minimum (live unit) and
    // the normalised positions of result.
    int regionTemperature(LiveState& state, const RADAPI_Polygon& polygon, RADAPI_TempInfo* result);
    // Frees the pixel lists; stored rules are rasterised again when measured.
    void releaseLists();

    // The first slot with the ruleId, or -1.
    int slotOf(int32_t ruleId) const;
    const PixelRuns* lineList(int slot) const;
    const PixelRuns* areaList(int slot) const;

private:
    // Extremes of an area rule, raw and normalised.
    struct AreaLimit {
        uint8_t ruleId = 0;
        int32_t maxX = 0, maxY = 0, minX = 0, minY = 0;
        int32_t nMaxX = 0, nMaxY = 0, nMinX = 0, nMinY = 0;
    };
    // Pixel lists of every stored rule for the current live window.
    void rasterise(LiveState& state);
    void ensureRasterised(LiveState& state);

    int count_ = 0;
    RADAPI_SpotRule given_[RADAPI_MAX_RULES] = {};  // as the host gave them (reflected in C)
    RADAPI_SpotRule slots_[RADAPI_MAX_RULES] = {};  // area points in raw pixels
    AreaLimit limits_[RADAPI_MAX_RULES];
    int limitCount_ = 0;
    PixelRuns area_[RADAPI_MAX_RULES];
    PixelRuns line_[RADAPI_MAX_RULES];
    PixelRuns region_;
    bool listsValid_ = false;
    int rasterWidth_ = 0;
    int rasterHeight_ = 0;
};

}  // namespace thermcore
