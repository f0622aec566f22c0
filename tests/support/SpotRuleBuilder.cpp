#include "SpotRuleBuilder.h"

#include <cstring>

namespace fixtures {

RADAPI_SpotRule spotRule(int32_t id, int32_t meterType, int32_t shape, const std::vector<ThermPoint>& points)
{
    RADAPI_SpotRule r;
    std::memset(&r, 0, sizeof r);
    r.ruleId = id;
    r.meterType = meterType;
    r.areaShape = shape;
    if (meterType == 0) {
        if (!points.empty()) {
            r.geom.point.x = points[0].x;
            r.geom.point.y = points[0].y;
        }
    } else if (meterType == 1) {
        if (points.size() >= 2) {
            r.geom.line.x1 = points[0].x;
            r.geom.line.y1 = points[0].y;
            r.geom.line.x2 = points[1].x;
            r.geom.line.y2 = points[1].y;
        }
    } else {
        r.geom.area.pointNumber = int32_t(points.size());
        for (size_t i = 0; i < points.size() && i < RADAPI_MAX_RULE_POINTS; ++i) r.geom.area.points[i] = points[i];
    }
    return r;
}

}  // namespace fixtures
