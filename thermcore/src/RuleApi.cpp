// Exported rule functions of the picture side.
#include "PictureRules.h"
#include "PictureState.h"
#include "thermcore.h"

using thermcore::PictureRules;
using thermcore::PictureState;

namespace {

template <typename F>
int withRules(F&& f)
{
    return PictureState::withLocked([&](PictureState& state) {
        PictureRules rules(state);
        return f(rules, state);
    });
}

}  // namespace

extern "C" {

int PICRADAPP_setRules(const PicViewRuleConfig* rule, TCAM_Point* box)
{
    return withRules([&](PictureRules& r, PictureState&) { return r.setRules(rule, box); });
}

int PICRADAPP_getGaryVal(HM_RuleTemper* out, const PICAPP_MetryParm* param, uint32_t* maxGrey, uint32_t* minGrey,
                         uint32_t* meanGrey)
{
    return withRules(
        [&](PictureRules& r, PictureState&) { return r.greyValues(out, param, maxGrey, minGrey, meanGrey); });
}

int PICRADAPP_getRuleTemperature(const PicViewRuleConfig* rule, HM_RuleTemper* result)
{
    return withRules([&](PictureRules& r, PictureState&) { return r.ruleTemperature(rule, result); });
}

int PIC_getRuleRegionTemper(const RuleRegionParam* rule, HM_RuleTemper* result)
{
    return withRules([&](PictureRules& r, PictureState&) { return r.regionTemperature(rule, result); });
}

int PIC_GetHotColdTemperature(HM_RuleTemper* result)
{
    return withRules([&](PictureRules& r, PictureState&) { return r.hotColdTemperature(result); });
}

int PIC_GetRuleMatrixTemperature(const RuleRegionParam* rule, float* values, int32_t* count)
{
    // The most a rule can cover is every pixel of the frame.
    return withRules([&](PictureRules& r, PictureState& s) {
        return r.matrixTemperature(rule, values, int64_t(s.width) * s.height, count);
    });
}

int PIC_GetRuleMatrixTemperatureN(const RuleRegionParam* rule, float* values, int32_t capacity, int32_t* count)
{
    return withRules(
        [&](PictureRules& r, PictureState&) { return r.matrixTemperature(rule, values, capacity, count); });
}

int getPicTemperRange(float range[2])
{
    return withRules([&](PictureRules& r, PictureState&) { return r.temperatureRange(range); });
}

int setPicColorBarRange(const float range[2])
{
    if (!range) return -1;
    return withRules([&](PictureRules&, PictureState& s) {
        s.colorBar[0] = range[0];
        s.colorBar[1] = range[1];
        return 0;
    });
}

int getPicColorBarRange(float range[2])
{
    return withRules([&](PictureRules& r, PictureState&) { return r.colorBarRange(range); });
}

}  // extern "C"
