// Rule temperatures on the loaded picture: the pixels a rule covers, their
// grey statistics, and the temperatures of those statistics in the
// picture's unit, plus the picture's hot and cold spot, per-pixel rule
// temperatures and the measurable and colour-bar ranges.
#pragma once

#include <cstdint>
#include <vector>

#include "PixelStats.h"
#include "thermcore.h"

namespace thermcore {

class PictureState;

class PictureRules {
public:
    explicit PictureRules(PictureState& state) : state_(state) {}

    int setRules(const PicViewRuleConfig* rule, TCAM_Point* box);
    int greyValues(HM_RuleTemper* out, const PICAPP_MetryParm* param, uint32_t* maxGrey, uint32_t* minGrey,
                   uint32_t* meanGrey);
    int ruleTemperature(const PicViewRuleConfig* rule, HM_RuleTemper* result);
    int regionTemperature(const RuleRegionParam* rule, HM_RuleTemper* result);
    int hotColdTemperature(HM_RuleTemper* result);
    int matrixTemperature(const RuleRegionParam* rule, float* values, int64_t capacity, int32_t* count);
    int temperatureRange(float range[2]);
    int colorBarRange(float range[2]);

    // The measured window of the raw frame (camera block 824..830).
    struct Window {
        int x, y, width, height;
    };

private:
    bool measuredWindow(Window* window) const;
    ThermPoint toRaw(const Window& window, ThermPoint p) const;
    // Rasterises a line or area rule into the state's lists; a point gives
    // a box of one pixel.
    void buildPixels(const Window& window, const PicViewRuleConfig& rule, TCAM_Point* box);
    bool pixelSetOf(const Window& window, const PicViewRuleConfig& rule, PixelSet* set);
    static PicViewRuleConfig fromRegion(const RuleRegionParam& region);
    bool logRegion(const RuleRegionParam& rule);

    PictureState& state_;
};

}  // namespace thermcore
