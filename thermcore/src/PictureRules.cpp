#include "PictureRules.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <type_traits>

#include "FixedText.h"
#include "Logger.h"
#include "PictureState.h"
#include "PixelStats.h"
#include "RuleRaster.h"

namespace thermcore {

namespace {

constexpr int kNormalisedSpan = 8192;
constexpr int kMaxRulePoints = 8;
constexpr float kGlobalReflectedTemp = 25.0f;

float toUnit(float t, int32_t unit)
{
    if (isErrorTemperature(t)) return t;
    if (unit == 0) return t;
    if (unit == 1) return t * 9.0f / 5.0f + 32.0f;
    return t + 273.15f;
}

}  // namespace

bool PictureRules::measuredWindow(Window* window) const
{
    const RedunData& r = state_.redun;
    *window = {r.windowX, r.windowY, r.windowWidth, r.windowHeight};
    if (window->width == 0 || window->height == 0) {
        TC_PLOG("zoomAdjust width:%d or height:%d can't be 0.", window->width, window->height);
        return false;
    }
    if (window->x + window->width > state_.width || window->y + window->height > state_.height) {
        TC_PLOG("measured window [%d,%d %dx%d] is outside the %dx%d raw frame", window->x, window->y, window->width,
                window->height, state_.width, state_.height);
        return false;
    }
    return true;
}

ThermPoint PictureRules::toRaw(const Window& w, ThermPoint p) const
{
    const int64_t x = w.x + int64_t(p.x) * w.width / kNormalisedSpan;
    const int64_t y = w.y + int64_t(p.y) * w.height / kNormalisedSpan;
    return {int(std::clamp<int64_t>(x, 0, state_.width - 1)), int(std::clamp<int64_t>(y, 0, state_.height - 1))};
}

void PictureRules::buildPixels(const Window& window, const PicViewRuleConfig& rule, TCAM_Point* box)
{
    state_.lineList.clear();
    state_.areaList.clear();
    PixelBox bounds;
    if (rule.meterType == 0) {
        const ThermPoint p = toRaw(window, rule.points[0]);
        bounds.add(p.x, p.y);
    } else if (rule.meterType == 1) {
        const ThermPoint a = toRaw(window, rule.points[0]);
        const ThermPoint b = toRaw(window, rule.points[1]);
        bounds.add(a.x, a.y);
        bounds.add(b.x, b.y);
        RuleRaster::line(a.x, a.y, b.x, b.y, state_.lineList);
    } else {
        TC_PLOG("pSpotRules->Rules[i].meterType = %d", rule.meterType);
        TC_PLOG("ruleConfig->pointNum = %d", rule.pointNum);
        const int count = std::clamp(rule.pointNum, 0, kMaxRulePoints);
        ThermPoint vertices[kMaxRulePoints];
        for (int i = 0; i < count; ++i) {
            vertices[i] = toRaw(window, rule.points[i]);
            TC_PLOG("POINT[%d %d]", vertices[i].x, vertices[i].y);
            bounds.add(vertices[i].x, vertices[i].y);
        }
        if (rule.param == 2 || rule.param == 3) {
            if (count > 0)
                TC_PLOG("longAxis = %f, minorAxis = %f, centerX = %f, centerY = %f", (bounds.maxX - bounds.minX) / 2.0,
                        (bounds.maxY - bounds.minY) / 2.0, bounds.minX + (bounds.maxX - bounds.minX) / 2.0,
                        bounds.minY + (bounds.maxY - bounds.minY) / 2.0);
            RuleRaster::ellipse(bounds, state_.areaList);
        } else {
            RuleRaster::polygon(vertices, count, bounds, state_.areaList);
        }
    }
    if (box) {
        if (bounds.minX > bounds.maxX) bounds = PixelBox{0, 0, 0, 0};  // no points at all
        *box = {bounds.minX, bounds.maxX, bounds.minY, bounds.maxY};
    }
}

int PictureRules::setRules(const PicViewRuleConfig* rule, TCAM_Point* box)
{
    if (!rule || !box) return -1;
    Window window{};
    if (!state_.hasFrame() || !measuredWindow(&window)) return -1;
    buildPixels(window, *rule, box);
    return 0;
}

bool PictureRules::pixelSetOf(const Window& window, const PicViewRuleConfig& rule, PixelSet* set)
{
    if (rule.ruleId == THERMCORE_WHOLE_FRAME_RULE) {
        *set = PixelSet{nullptr, window.x, window.x + window.width - 1, window.y, window.y + window.height - 1};
        return true;
    }
    TCAM_Point box{};
    buildPixels(window, rule, &box);
    if (rule.meterType == 0)
        *set = PixelSet{nullptr, box.startColumn, box.startColumn, box.startRow, box.startRow};
    else
        set->runs = rule.meterType == 1 ? &state_.lineList : &state_.areaList;
    // A zero-length line or an area that covers no pixel has nothing to average.
    return !set->runs || !set->runs->empty();
}

int PictureRules::greyValues(HM_RuleTemper* out, const PICAPP_MetryParm* param, uint32_t* maxGrey, uint32_t* minGrey,
                             uint32_t* meanGrey)
{
    if (!out || !param || !maxGrey || !minGrey || !meanGrey) return -1;
    if (!state_.hasFrame()) {
        TC_PLOG("gExtRawBuf.pVirtAddr == NULL");
        return -1;
    }
    PixelSet set{nullptr, std::max(param->startColumn, 0), std::min(param->endColumn, state_.width - 1),
                 std::max(param->startRow, 0), std::min(param->endRow, state_.height - 1)};
    if (set.x0 > set.x1 || set.y0 > set.y1) {
        TC_PLOG("RadioMetry PICRADAPP_getGaryVal error.");
        return -1;
    }
    const auto s = collectPixels<uint32_t>(state_.raw.data(), state_.width, state_.height, set);
    *maxGrey = s.max;
    *minGrey = s.min;
    *meanGrey = uint32_t(uint64_t(s.sum) / uint64_t(s.count));
    out->hotX = s.hotX;
    out->hotY = s.hotY;
    out->coldX = s.coldX;
    out->coldY = s.coldY;
    return 0;
}

int PictureRules::ruleTemperature(const PicViewRuleConfig* rule, HM_RuleTemper* result)
{
    if (!rule || !result) return -1;
    TC_PLOG("GET ruleId = %d", rule->ruleId);
    if ((rule->ruleId < 0 || rule->ruleId > THERMCORE_MAX_PIC_RULES) && rule->ruleId != THERMCORE_WHOLE_FRAME_RULE) {
        TC_PLOG("not support type temperature meseaure!!!");
        return -1;
    }
    if (!state_.hasFrame()) {
        TC_PLOG("gExtRawBuf.pVirtAddr == NULL");
        return -1;
    }
    Window window{};
    PixelSet set;
    if (!measuredWindow(&window)) return -1;
    if (!pixelSetOf(window, *rule, &set)) {
        TC_PLOG("rule %d covers no pixel", rule->ruleId);
        return -1;
    }

    const PicViewInfo& info = state_.info;
    const GreyModel model(state_.redun);
    MeasureParams params;
    params.atmosphericTemp = info.envTemp;
    params.humidity = info.humidity;
    float average = 0, maximum = 0, minimum = 0;
    int hotX = 0, hotY = 0, coldX = 0, coldY = 0;
    int rc = 0;

    if (state_.redun.tempDataFlag) {
        // The raw values already are temperatures in tenths of a degree.
        const auto s = collectPixels<int32_t>(state_.raw.data(), state_.width, state_.height, set);
        if (s.count == 0) return -1;
        const float lower = GreyModel::kLowerLimit, upper = model.upperLimit();
        auto limit = [&](float v) { return std::clamp(v, lower, upper); };
        average = limit(float(s.mean() / 10.0));
        maximum = limit(s.max / 10.0f);
        minimum = limit(s.min / 10.0f);
        hotX = s.hotX, hotY = s.hotY, coldX = s.coldX, coldY = s.coldY;
        params.emissivity = info.emissivity;
        params.distance = info.distance;
    } else {
        const auto s = collectPixels<uint32_t>(state_.raw.data(), state_.width, state_.height, set);
        if (s.count == 0) return -1;
        hotX = s.hotX, hotY = s.hotY, coldX = s.coldX, coldY = s.coldY;
        if (rule->bLocalEnable) {
            TC_PLOG("bLocalEnable == %d", rule->bLocalEnable);
            params.emissivity = rule->emissivity;
            params.distance = rule->distance;
            params.reflectedTemp = rule->reflectedTemp;
            const double grayReflect = model.reflectedGrey(params.reflectedTemp);
            const double mean = s.mean();
            rc |= model.temperature(model.compensatedGrey(mean, true), params, grayReflect, &average);
            rc |= model.temperature(model.compensatedGrey(s.max, false), params, grayReflect, &maximum);
            rc |= model.temperature(model.compensatedGrey(s.min, false), params, grayReflect, &minimum);
            if (rc) TC_PLOG("RADAPP_nyxCalcTemperature fail.");
        } else {
            // The table already holds the picture's parameters for every grey.
            params.emissivity = info.emissivity;
            params.distance = info.distance;
            params.reflectedTemp = kGlobalReflectedTemp;
            const uint64_t mean = uint64_t(s.sum) / uint64_t(s.count);
            average = state_.pixelTemperature(uint16_t(std::min<uint64_t>(mean, UINT16_MAX)));
            maximum = state_.pixelTemperature(uint16_t(s.max));
            minimum = state_.pixelTemperature(uint16_t(s.min));
        }
    }

    const int x0 = set.runs ? 0 : set.x0, x1 = set.runs ? 0 : set.x1;
    const int y0 = set.runs ? 0 : set.y0, y1 = set.runs ? 0 : set.y1;
    TC_PLOG("maxValue=%f,minValue=%f,aveValue=%f", double(maximum), double(minimum), double(average));
    TC_PLOG("startRow=%d startColumn=%d endRow=%d endColumn=%d", y0, x0, y1, x1);
    TC_PLOG("metryArea = %d %d %d %d", x0, x1, y0, y1);
    TC_PLOG("localParam.objectEmissivity=%f", double(params.emissivity));
    TC_PLOG("localParam.objectDistance=%f", double(params.distance));
    TC_PLOG("localParam.refalectedTemp=%f", double(params.reflectedTemp));
    TC_PLOG("localParam.atmosphericTemperatureCelcius=%f", double(params.atmosphericTemp));

    result->average = toUnit(average, info.tempUnit);
    result->maximum = toUnit(maximum, info.tempUnit);
    result->minimum = toUnit(minimum, info.tempUnit);
    result->hotX = hotX;
    result->hotY = hotY;
    result->coldX = coldX;
    result->coldY = coldY;
    return rc;
}

PicViewRuleConfig PictureRules::fromRegion(const RuleRegionParam& region)
{
    PicViewRuleConfig rule{};
    rule.ruleId = region.ruleID;
    rule.meterType = region.meterType;
    rule.param = region.param;
    rule.pointNum = std::clamp(region.pointNum, 0, kMaxRulePoints);
    std::memcpy(rule.points, region.points, sizeof rule.points);
    rule.bLocalEnable = region.bLocalEnable;
    rule.emissivity = region.radiance;
    rule.distance = region.thermoDistance;
    rule.reflectedTemp = region.refectTemp;
    return rule;
}

bool PictureRules::logRegion(const RuleRegionParam& rule)
{
    TC_PLOG("ruleConfig ruleID= %d,ruleConfig.meterType = %d,ruleConfig.pointNum = %d", rule.ruleID, rule.meterType,
            rule.pointNum);
    TC_PLOG("ruleConfig bLocalEnable= %d,radiance = %f,refectTemp = %f,thermoDistance = %f", rule.bLocalEnable,
            double(rule.radiance), double(rule.refectTemp), double(rule.thermoDistance));
    if (rule.pointNum > kMaxRulePoints) {
        TC_PLOG("pointNumber too large.");
        return false;
    }
    for (int i = 0; i < rule.pointNum; ++i) TC_PLOG("%d : point [%d,%d].", i, rule.points[i].x, rule.points[i].y);
    return true;
}

int PictureRules::regionTemperature(const RuleRegionParam* region, HM_RuleTemper* result)
{
    if (!region || !result) return -1;
    TC_PLOG("######### PIC_getRuleRegionTemper ##########");
    if (!logRegion(*region)) return -1;
    const PicViewRuleConfig rule = fromRegion(*region);
    const int rc = ruleTemperature(&rule, result);
    TC_PLOG("temperatureMax = %f,temperatureAve = %f,temperatureMin = %f", double(result->maximum),
            double(result->average), double(result->minimum));
    return rc;
}

int PictureRules::hotColdTemperature(HM_RuleTemper* result)
{
    if (!result) return -1;
    PicViewRuleConfig rule{};
    rule.ruleId = THERMCORE_WHOLE_FRAME_RULE;
    rule.meterType = 2;
    rule.pointNum = 4;
    HM_RuleTemper whole{};
    // The whole window is measured from the table: a failure means nothing
    // was measured, and the caller's record stays as it was.
    const int rc = ruleTemperature(&rule, &whole);
    if (rc != 0) return rc;
    const RedunData& r = state_.redun;
    TC_PLOG("PICRADAPP_GetRegionTemperature[%d,%d,%d,%d]", whole.hotX, whole.hotY, whole.coldX, whole.coldY);
    whole.hotX = (whole.hotX - r.windowX) * kNormalisedSpan / r.windowWidth;
    whole.hotY = (whole.hotY - r.windowY) * kNormalisedSpan / r.windowHeight;
    whole.coldX = (whole.coldX - r.windowX) * kNormalisedSpan / r.windowWidth;
    whole.coldY = (whole.coldY - r.windowY) * kNormalisedSpan / r.windowHeight;
    *result = whole;
    return 0;
}

int PictureRules::matrixTemperature(const RuleRegionParam* region, float* values, int64_t capacity, int32_t* count)
{
    if (!region || !values || !count) return -1;
    TC_PLOG("######### PIC_GetRuleMatrixTemperature ##########");
    if (!logRegion(*region)) return -1;
    if (!state_.hasFrame()) {
        TC_PLOG("gExtRawBuf.pVirtAddr == NULL");
        return -1;
    }
    Window window{};
    if (!measuredWindow(&window)) return -1;

    const PicViewRuleConfig rule = fromRegion(*region);
    TCAM_Point box{};
    buildPixels(window, rule, &box);

    const PicViewInfo& info = state_.info;
    const GreyModel model(state_.redun);
    MeasureParams params;
    params.atmosphericTemp = info.envTemp;
    params.humidity = info.humidity;
    params.emissivity = rule.bLocalEnable ? rule.emissivity : info.emissivity;
    params.distance = rule.bLocalEnable ? rule.distance : info.distance;
    params.reflectedTemp = rule.bLocalEnable ? rule.reflectedTemp : kGlobalReflectedTemp;
    const double grayReflect = model.reflectedGrey(params.reflectedTemp);
    const bool tempData = state_.redun.tempDataFlag != 0;

    auto coreTemperature = [&](uint16_t raw) {
        float t = 0.0f;
        model.temperature(model.compensatedGrey(raw, false), params, grayReflect, &t);
        return t;
    };

    if (rule.meterType == 0) {
        if (capacity < 1) {
            *count = 1;
            return -1;
        }
        const uint16_t raw = state_.rawAt(box.startColumn, box.startRow);
        values[0] = tempData ? state_.pixelTemperature(raw) : coreTemperature(raw);
        *count = 1;
        return 0;
    }

    const PixelRuns& runs = rule.meterType == 1 ? state_.lineList : state_.areaList;
    int64_t needed = 0;
    for (const PixelRun& r : runs) needed += r.x1 - r.x0;
    if (needed > capacity || needed > INT32_MAX) {
        *count = int32_t(std::min<int64_t>(needed, INT32_MAX));
        TC_PLOG("PIC_GetRuleMatrixTemperature: %lld values do not fit in %lld", (long long)needed, (long long)capacity);
        return -1;
    }
    const bool ownParams = rule.bLocalEnable && !tempData;
    float* out = values;
    for (const PixelRun& r : runs) {
        const int y = std::clamp(r.y, 0, state_.height - 1);
        for (int x = r.x0; x < r.x1; ++x) {
            const uint16_t raw = state_.rawAt(std::clamp(x, 0, state_.width - 1), y);
            *out++ = ownParams ? coreTemperature(raw) : state_.pixelTemperature(raw);
        }
    }
    *count = int32_t(needed);
    return 0;
}

int PictureRules::temperatureRange(float range[2])
{
    if (!range) return -1;
    const GreyModel model(state_.redun);
    if (state_.redun.gainMode == 1) {
        range[0] = model.modelMaximum();
        range[1] = 100.0f;
    } else {
        range[0] = model.upperLimit();
        range[1] = GreyModel::kLowerLimit;
    }
    return 0;
}

int PictureRules::colorBarRange(float range[2])
{
    if (!range) return -1;
    if (state_.colorBar[0] != 0.0f || state_.colorBar[1] != 0.0f) {
        range[0] = state_.colorBar[0];
        range[1] = state_.colorBar[1];
        return 0;
    }
    HM_RuleTemper spot{};
    if (hotColdTemperature(&spot) != 0) {
        TC_PLOG("getPicColorBarRange PIC_GetHotColdTemperature fail!");
        return -1;
    }
    range[0] = spot.maximum;
    range[1] = spot.minimum;
    return 0;
}

}  // namespace thermcore
