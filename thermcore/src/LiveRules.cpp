#include "LiveRules.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "LiveCalculator.h"
#include "LiveState.h"
#include "Logger.h"
#include "RuleRaster.h"

namespace thermcore {

namespace {

#define LIVE_LOG(...) TC_LOG(::thermcore::LogChannel::Live, __VA_ARGS__)

float fahrenheitToCelsius(float t)
{
    return (t - 32.0f) * 5.0f / 9.0f;
}
float celsiusToFahrenheit(float t)
{
    return t * 9.0f / 5.0f + 32.0f;
}

}  // namespace

int LiveRules::set(LiveState& state, const RADAPI_SpotRules& rules)
{
    // Outside the record's room: refused before anything is cleared.
    if (rules.count < 0 || rules.count > RADAPI_MAX_RULES) {
        LIVE_LOG("Rule count %d out of range", rules.count);
        return -1;
    }
    for (int i = 0; i < rules.count; ++i) {
        const RADAPI_SpotRule& r = rules.rules[i];
        if (r.meterType == 2 && (r.geom.area.pointNumber < 0 || r.geom.area.pointNumber > RADAPI_MAX_RULE_POINTS)) {
            LIVE_LOG("rule %d: %d points out of range", r.ruleId, r.geom.area.pointNumber);
            return -1;
        }
    }

    count_ = rules.count;
    LIVE_LOG("######### RADAPP_setRules ##########");
    LIVE_LOG("Set Rule count = %d", count_);
    for (int i = 0; i < count_; ++i) {
        given_[i] = rules.rules[i];
        LIVE_LOG("SET ruleId = %d meterType = %d", given_[i].ruleId, given_[i].meterType);
        if (state.options.unit == 1) given_[i].reflectedTemp = fahrenheitToCelsius(given_[i].reflectedTemp);
    }
    rasterise(state);
    return 0;
}

void LiveRules::releaseLists()
{
    for (int i = 0; i < RADAPI_MAX_RULES; ++i) {
        PixelRuns().swap(area_[i]);
        PixelRuns().swap(line_[i]);
    }
    PixelRuns().swap(region_);
    listsValid_ = false;
}

void LiveRules::ensureRasterised(LiveState& state)
{
    // Lists belong to one window: a new frame size, or freed lists, needs
    // them again.
    if (!listsValid_ || rasterWidth_ != state.windowWidth || rasterHeight_ != state.windowHeight) rasterise(state);
}

void LiveRules::rasterise(LiveState& state)
{
    const int w = state.windowWidth, h = state.windowHeight;
    const PixelBox window{0, w, 0, h};
    limitCount_ = 0;
    for (int i = 0; i < RADAPI_MAX_RULES; ++i) {
        area_[i].clear();
        line_[i].clear();
        slots_[i] = i < count_ ? given_[i] : RADAPI_SpotRule{};
    }
    for (int i = 0; i < count_; ++i) {
        RADAPI_SpotRule& rule = slots_[i];
        if (rule.meterType == 2) {
            AreaLimit& limit = limits_[limitCount_++];
            limit = AreaLimit{};
            PixelBox box;
            const int n = rule.geom.area.pointNumber;
            LIVE_LOG("pSpotRules->Rules[i].regionConfig.areaRegion.pointNumber = %d", n);
            for (int k = 0; k < n; ++k) {
                const ThermPoint norm = given_[i].geom.area.points[k];
                LIVE_LOG("KV_PAL_Point[%d %d]", norm.x, norm.y);
                const ThermPoint raw = LiveGeometry::toRaw(norm, w, h);
                rule.geom.area.points[k] = raw;
                if (k == 0 || raw.x > box.maxX) limit.nMaxX = norm.x;
                if (k == 0 || raw.y > box.maxY) limit.nMaxY = norm.y;
                if (k == 0 || raw.x < box.minX) limit.nMinX = norm.x;
                if (k == 0 || raw.y < box.minY) limit.nMinY = norm.y;
                box.add(raw.x, raw.y);
            }
            if (n == 0) box = PixelBox{0, 0, 0, 0};
            limit.maxX = box.maxX;
            limit.maxY = box.maxY;
            limit.minX = box.minX;
            limit.minY = box.minY;
            // Pixels outside the window are never listed: a point converted
            // onto its far edge (8191 -> W) ends the half-open box there.
            if (rule.ruleId != 66) {
                if (rule.areaShape == 2) {
                    LIVE_LOG("longAxis = %f, minorAxis = %f, centerX = %f, centerY = %f",
                             (double(box.maxX) - box.minX) * 0.5, (double(box.maxY) - box.minY) * 0.5,
                             box.minX + (double(box.maxX) - box.minX) * 0.5,
                             box.minY + (double(box.maxY) - box.minY) * 0.5);
                    RuleRaster::ellipse(box, area_[i], &window);
                } else {
                    for (int k = 0; k < n; ++k)
                        LIVE_LOG("%d --> %d %d", k, rule.geom.area.points[k].x, rule.geom.area.points[k].y);
                    PixelBox scan = box;
                    scan.minX = std::max(scan.minX, 0);
                    scan.minY = std::max(scan.minY, 0);
                    scan.maxX = std::min(scan.maxX, w);
                    scan.maxY = std::min(scan.maxY, h);
                    RuleRaster::polygon(rule.geom.area.points, n, scan, area_[i]);
                }
                LIVE_LOG("pSpotRules->Rules[i].ruleId = %d,rulnum = %d", rule.ruleId, int(area_[i].size()));
            }
            limit.ruleId = uint8_t(rule.ruleId);
            LIVE_LOG("MaxPoint.x = %d", limit.maxX);
            LIVE_LOG("MaxPoint.y = %d", limit.maxY);
            LIVE_LOG("MinPoint.x = %d", limit.minX);
            LIVE_LOG("MinPoint.y = %d", limit.minY);
        } else if (rule.meterType == 1) {
            const ThermPoint a = LiveGeometry::toRaw({rule.geom.line.x1, rule.geom.line.y1}, w, h);
            const ThermPoint b = LiveGeometry::toRaw({rule.geom.line.x2, rule.geom.line.y2}, w, h);
            RuleRaster::line(a.x, a.y, b.x, b.y, line_[i], &window);
            const char* kind =
                a.x == b.x ? "" : (a.y == b.y ? "1" : (std::abs(b.y - a.y) > std::abs(b.x - a.x) ? "2" : "3"));
            LIVE_LOG("%scurlinepointsum = %d", kind, int(line_[i].size()));
        }
    }
    rasterWidth_ = w;
    rasterHeight_ = h;
    listsValid_ = true;
}

int LiveRules::slotOf(int32_t ruleId) const
{
    for (int i = 0; i < count_; ++i)
        if (slots_[i].ruleId == ruleId) return i;
    return -1;
}

const PixelRuns* LiveRules::lineList(int slot) const
{
    return slot >= 0 && slot < count_ && listsValid_ ? &line_[slot] : nullptr;
}

const PixelRuns* LiveRules::areaList(int slot) const
{
    return slot >= 0 && slot < count_ && listsValid_ ? &area_[slot] : nullptr;
}

int LiveRules::ruleTemperature(LiveState& state, int32_t ruleId, RADAPI_TempInfo* result)
{
    if (!result) {
        Logger::console("pRuleTemperature is NULL.");
        return -1;
    }
    LIVE_LOG("######### RADAPP_nyxGetTemperature ##########");
    ensureRasterised(state);
    const int slot = slotOf(ruleId);
    if (slot < 0) {
        LIVE_LOG("Find ruleId failed!");
        return -1;
    }
    LIVE_LOG("Find ruleId success.");
    const RADAPI_SpotRule& rule = slots_[slot];
    const RADAPI_SpotRule& given = given_[slot];
    const int w = state.windowWidth, h = state.windowHeight;

    LiveCalculator::MetryParm parm{};
    LiveGeometry::Limits limits;
    limits.meterType = rule.meterType;
    limits.shape = rule.areaShape;
    if (rule.meterType == 0) {
        const ThermPoint raw = LiveGeometry::toRaw({rule.geom.point.x, rule.geom.point.y}, w, h);
        parm.startColumn = parm.endColumn = raw.x;
        parm.startRow = parm.endRow = raw.y;
        limits.minX = limits.maxX = rule.geom.point.x;
        limits.minY = limits.maxY = rule.geom.point.y;
    } else if (rule.meterType == 1) {
        const ThermPoint a = LiveGeometry::toRaw({rule.geom.line.x1, rule.geom.line.y1}, w, h);
        const ThermPoint b = LiveGeometry::toRaw({rule.geom.line.x2, rule.geom.line.y2}, w, h);
        parm.startColumn = std::min(a.x, b.x);
        parm.endColumn = std::max(a.x, b.x);
        parm.startRow = std::min(a.y, b.y);
        parm.endRow = std::max(a.y, b.y);
        limits.lineA = {rule.geom.line.x1, rule.geom.line.y1};
        limits.lineB = {rule.geom.line.x2, rule.geom.line.y2};
        limits.minX = std::min(limits.lineA.x, limits.lineB.x);
        limits.maxX = std::max(limits.lineA.x, limits.lineB.x);
        limits.minY = std::min(limits.lineA.y, limits.lineB.y);
        limits.maxY = std::max(limits.lineA.y, limits.lineB.y);
    } else {
        const AreaLimit* found = nullptr;
        for (int i = 0; i < limitCount_ && !found; ++i)
            if (limits_[i].ruleId == uint8_t(ruleId)) found = &limits_[i];
        if (!found) {
            LIVE_LOG("Find limitAreaPoint for ruleId %d failed!", ruleId);
            return -1;
        }
        parm.startColumn = found->minX;
        parm.endColumn = found->maxX;
        parm.startRow = found->minY;
        parm.endRow = found->maxY;
        limits.minX = found->nMinX;
        limits.maxX = found->nMaxX;
        limits.minY = found->nMinY;
        limits.maxY = found->nMaxY;
        limits.halfX = (double(limits.maxX) - limits.minX) * 0.5;
        limits.halfY = (double(limits.maxY) - limits.minY) * 0.5;
        limits.centreX = limits.minX + limits.halfX;
        limits.centreY = limits.minY + limits.halfY;
    }
    LIVE_LOG("VVVVVVV");
    LIVE_LOG("startColumn = %d", parm.startColumn);
    LIVE_LOG("startRow = %d", parm.startRow);
    LIVE_LOG("endColumn = %d", parm.endColumn);
    LIVE_LOG("endRow = %d", parm.endRow);

    const LiveState::Options& o = state.options;
    const bool own = given.localParamFlag == 1;
    parm.objectEmissivity = own ? given.emissivity : o.emissivity;
    parm.objectDistanceMeter = own ? given.distance : o.distance;
    parm.reflectedTemperatureCelcius = own ? given.reflectedTemp : o.reflectedTemp;
    parm.atmosphericTemperatureCelcius = o.atmosphericTemp;
    parm.relativeHumidity = o.humidity;
    parm.meterType = rule.meterType;
    parm.ruleId = rule.ruleId;
    LIVE_LOG("localParam.objectEmissivity=%f", double(parm.objectEmissivity));
    LIVE_LOG("localParam.objectDistance=%f", double(parm.objectDistanceMeter));
    LIVE_LOG("localParam.refalectedTemp=%f", double(parm.reflectedTemperatureCelcius));

    LiveCalculator::MetryValue value{};
    if (LiveCalculator::getTemperature(state, parm, &value) != 0) return -1;

    RADAPI_TempInfo info{};
    info.meterType = rule.meterType;
    info.ruleId = rule.ruleId;
    info.average = value.average;
    info.maximum = value.maximum;
    info.minimum = value.minimum;
    ThermPoint hot{}, cold{};
    LiveGeometry::toNormalized(&hot, value.hotColumn, value.hotRow, w, h);
    LiveGeometry::toNormalized(&cold, value.coldColumn, value.coldRow, w, h);
    info.hot = LiveGeometry::adjust(hot, limits);
    info.cold = LiveGeometry::adjust(cold, limits);
    if (o.unit != 0) {
        info.average = celsiusToFahrenheit(info.average);
        info.maximum = celsiusToFahrenheit(info.maximum);
        info.minimum = celsiusToFahrenheit(info.minimum);
        info.zeroInUnit = celsiusToFahrenheit(0.0f);
    }
    *result = info;
    return 0;
}

int LiveRules::regionTemperature(LiveState& state, const RADAPI_Polygon& polygon, RADAPI_TempInfo* result)
{
    if (polygon.pointNum < 1 || polygon.pointNum > RADAPI_MAX_RULE_POINTS) {
        LIVE_LOG("region of %d points out of range", polygon.pointNum);
        return -1;
    }
    const int w = state.windowWidth, h = state.windowHeight;
    const LiveState::Frame& frame = state.frame();
    ThermPoint raw[RADAPI_MAX_RULE_POINTS];
    PixelBox box;
    LiveGeometry::Limits limits;
    limits.meterType = 2;
    limits.minX = limits.minY = INT_MAX;
    limits.maxX = limits.maxY = INT_MIN;
    for (int k = 0; k < polygon.pointNum; ++k) {
        // Corners on the window's far edge (8191 -> W) are pulled onto the
        // frame's last row and column, so a whole-frame region measures them.
        const ThermPoint p = LiveGeometry::toRaw(polygon.points[k], w, h);
        raw[k] = {std::clamp(p.x, 0, std::max(frame.width - 1, 0)), std::clamp(p.y, 0, std::max(frame.height - 1, 0))};
        box.add(raw[k].x, raw[k].y);
        limits.minX = std::min(limits.minX, polygon.points[k].x);
        limits.maxX = std::max(limits.maxX, polygon.points[k].x);
        limits.minY = std::min(limits.minY, polygon.points[k].y);
        limits.maxY = std::max(limits.maxY, polygon.points[k].y);
    }
    // The polygon's own pixels, its outline included: rows and columns of
    // the box inclusively.
    region_.clear();
    PixelBox scan = box;
    scan.maxX += 1;
    scan.maxY += 1;
    RuleRaster::polygon(raw, polygon.pointNum, scan, region_, true);

    const LiveState::Options& o = state.options;
    LiveCalculator::MetryParm parm{};
    parm.meterType = 2;
    parm.ruleId = THERMCORE_WHOLE_FRAME_RULE;
    parm.startColumn = box.minX;
    parm.endColumn = box.maxX;
    parm.startRow = box.minY;
    parm.endRow = box.maxY;
    parm.objectEmissivity = o.emissivity;
    parm.objectDistanceMeter = o.distance;
    parm.reflectedTemperatureCelcius = o.reflectedTemp;
    parm.atmosphericTemperatureCelcius = o.atmosphericTemp;
    parm.relativeHumidity = o.humidity;
    LiveCalculator::MetryValue value{};
    PixelSet set;
    set.runs = &region_;
    if (LiveCalculator::measure(state, set, parm, &value) != 0) {
        Logger::console("RADIO RADAPP_nyxGetTemperature error.");
        return -1;
    }
    const bool f = o.unit != 0;
    result->maximum = f ? celsiusToFahrenheit(value.maximum) : value.maximum;
    result->minimum = f ? celsiusToFahrenheit(value.minimum) : value.minimum;
    result->average = f ? celsiusToFahrenheit(value.average) : value.average;
    ThermPoint hot = result->hot, cold = result->cold;
    LiveGeometry::toNormalized(&hot, value.hotColumn, value.hotRow, w, h);
    LiveGeometry::toNormalized(&cold, value.coldColumn, value.coldRow, w, h);
    result->hot = LiveGeometry::adjust(hot, limits);
    result->cold = LiveGeometry::adjust(cold, limits);
    return 0;
}

}  // namespace thermcore
