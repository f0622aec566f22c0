#include "LiveGeometry.h"

#include <algorithm>
#include <cmath>

#include "Logger.h"

namespace thermcore {

bool LiveGeometry::toNormalized(ThermPoint* out, int x, int y, int width, int height)
{
    if (!out) {
        Logger::console("pPoint is NULL.");
        return false;
    }
    if (width == 0 || height == 0) {
        Logger::console("zoomAdjust width:%d or height:%d can't be 0.", width, height);
        return false;
    }
    const int64_t mx = int64_t(uint32_t(x) & 0xFFFFFFu), my = int64_t(uint32_t(y) & 0xFFFFFFu);
    out->x = int32_t((mx * 8192 + width / 2) / width);
    out->y = int32_t((my * 8192 + height / 2) / height);
    return true;
}

ThermPoint LiveGeometry::toRaw(ThermPoint p, int width, int height)
{
    TC_LOG(LogChannel::Live, "111zoomAdjust.imageWidth %d,%d", width, height);
    // Real rules lie within 0..8191; anything far beyond is kept far away
    // but small enough for pixel arithmetic.
    static constexpr int64_t kFar = int64_t(1) << 24;
    auto convert = [](int32_t v, int side) {
        return int32_t(std::clamp((int64_t(v) * side + 4096) / 8192, -kFar, kFar));
    };
    return {convert(p.x, width), convert(p.y, height)};
}

ThermPoint LiveGeometry::adjust(ThermPoint p, const Limits& l)
{
    if (l.meterType == 1) {
        // Wide enough for any two 32-bit points.
        using Wide = __int128;
        const Wide dx = Wide(l.lineB.x) - l.lineA.x, dy = Wide(l.lineB.y) - l.lineA.y;
        const Wide len = dx * dx + dy * dy;
        const Wide t = (Wide(p.x) - l.lineA.x) * dx + (Wide(p.y) - l.lineA.y) * dy;
        if (len == 0 || t <= 0) return l.lineA;
        if (t >= len) return l.lineB;
        return {int32_t(l.lineA.x + t * dx / len), int32_t(l.lineA.y + t * dy / len)};
    }
    if (l.meterType == 2 && l.shape == 2) {
        if (!(l.halfX > 0.0) || !(l.halfY > 0.0)) return p;
        const double ux = (p.x - l.centreX) / l.halfX, uy = (p.y - l.centreY) / l.halfY;
        const double q = ux * ux + uy * uy;
        if (q <= 1.0) return p;
        const double s = std::sqrt(q);
        return {int32_t(l.centreX + (p.x - l.centreX) / s), int32_t(l.centreY + (p.y - l.centreY) / s)};
    }
    return {std::max(std::min(p.x, l.maxX), l.minX), std::max(std::min(p.y, l.maxY), l.minY)};
}

}  // namespace thermcore
