#include "RuleRaster.h"

#include <algorithm>
#include <cmath>

namespace thermcore {

void PixelBox::add(int x, int y)
{
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

void RuleRaster::line(int x1, int y1, int x2, int y2, std::vector<ThermPoint>& out)
{
    const int minX = std::min(x1, x2), maxX = std::max(x1, x2);
    const int minY = std::min(y1, y2), maxY = std::max(y1, y2);
    if (x1 == x2) {
        for (int y = minY; y < maxY; ++y) out.push_back({x1, y});
        return;
    }
    if (y1 == y2) {
        for (int x = minX; x < maxX; ++x) out.push_back({x, y1});
        return;
    }
    const double slope = double(y2 - y1) / double(x2 - x1);
    auto inBox = [&](int x, int y) { return x >= minX && x <= maxX && y >= minY && y <= maxY; };
    if (std::fabs(slope) > 1.0) {
        const double inverse = double(x2 - x1) / double(y2 - y1);
        for (int y = minY; y < maxY; ++y) {
            const int x = int(inverse * (y - y1) + x1 + 0.5);
            if (inBox(x, y)) out.push_back({x, y});
        }
    } else {
        for (int x = minX; x < maxX; ++x) {
            const int y = int(slope * (x - x1) + y1 + 0.5);
            if (inBox(x, y)) out.push_back({x, y});
        }
    }
}

void RuleRaster::ellipse(const PixelBox& box, std::vector<ThermPoint>& out)
{
    if (box.minX >= box.maxX || box.minY >= box.maxY) return;
    const double a = (box.maxX - box.minX) / 2.0;
    const double b = (box.maxY - box.minY) / 2.0;
    const double cx = box.minX + a, cy = box.minY + b;
    for (int y = box.minY; y < box.maxY; ++y) {
        const double dy = (y - cy) / b;
        for (int x = box.minX; x < box.maxX; ++x) {
            const double dx = (x - cx) / a;
            if (dx * dx + dy * dy <= 1.0) out.push_back({x, y});
        }
    }
}

void RuleRaster::polygon(const ThermPoint* vertices, int count, const PixelBox& box, std::vector<ThermPoint>& out)
{
    if (count <= 0 || box.minX >= box.maxX || box.minY >= box.maxY) return;
    for (int y = box.minY; y < box.maxY; ++y)
        for (int x = box.minX; x < box.maxX; ++x)
            if (insidePolygon(x, y, vertices, count)) out.push_back({x, y});
}

bool RuleRaster::insidePolygon(int x, int y, const ThermPoint* v, int count)
{
    constexpr double kRayStart = -10.0;
    bool inside = false;
    for (int i = 0; i < count; ++i) {
        const ThermPoint& p = v[i];
        const ThermPoint& q = v[(i + 1) % count];
        if (p.x == x && p.y == y) return true;
        if (p.y == y && q.y == y && x >= std::min(p.x, q.x) && x <= std::max(p.x, q.x)) return true;
        if (p.y == q.y) continue;  // horizontal edge off the pixel: never crosses
        bool crosses;
        if (p.y == y || q.y == y) {
            // A vertex on the ray's row counts when it lies left of the pixel
            // and the edge's other end lies below the row.
            const ThermPoint& on = p.y == y ? p : q;
            const ThermPoint& other = p.y == y ? q : p;
            crosses = on.x < x && other.y > y;
        } else if ((p.y < y) != (q.y < y)) {
            const double cx = p.x + double(y - p.y) * double(q.x - p.x) / double(q.y - p.y);
            crosses = cx >= kRayStart && cx <= x;
        } else {
            crosses = false;
        }
        if (crosses) inside = !inside;
    }
    return inside;
}

}  // namespace thermcore
