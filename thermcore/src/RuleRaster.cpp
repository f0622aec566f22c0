#include "RuleRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace thermcore {

namespace {

// The ray of the inside test runs along the pixel's row from here.
constexpr double kRayStart = -10.0;

// Column where edge p-q meets row y.
double crossing(const ThermPoint& p, const ThermPoint& q, int y)
{
    return p.x + double(y - p.y) * double(q.x - p.x) / double(q.y - p.y);
}

}  // namespace

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
    // Single precision, as the cameras rasterise their own lines.
    const float slope = float(y2 - y1) / float(x2 - x1);
    auto inBox = [&](int x, int y) { return x >= minX && x <= maxX && y >= minY && y <= maxY; };
    if (std::fabs(slope) > 1.0f) {
        const float inverse = float(x2 - x1) / float(y2 - y1);
        for (int y = minY; y < maxY; ++y) {
            const int x = int(inverse * float(y - y1) + float(x1) + 0.5f);
            if (inBox(x, y)) out.push_back({x, y});
        }
    } else {
        for (int x = minX; x < maxX; ++x) {
            const int y = int(slope * float(x - x1) + float(y1) + 0.5f);
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

void RuleRaster::polygon(const ThermPoint* v, int count, const PixelBox& box, std::vector<ThermPoint>& out,
                         bool closed)
{
    if (count <= 0 || box.minX >= box.maxX || box.minY >= box.maxY) return;
    if (count > kMaxVertices) count = kMaxVertices;
    // Row by row, the decisions of insidePolygon: each edge that the ray to
    // a pixel would cross becomes the first column from which it counts;
    // vertices and horizontal edges on the row are inside outright.
    int64_t from[kMaxVertices];
    int64_t spanLo[2 * kMaxVertices], spanHi[2 * kMaxVertices];
    for (int y = box.minY; y < box.maxY; ++y) {
        int nFrom = 0, nSpans = 0;
        for (int i = 0; i < count; ++i) {
            const ThermPoint& p = v[i];
            const ThermPoint& q = v[(i + 1) % count];
            if (p.y == y) {
                spanLo[nSpans] = p.x;
                spanHi[nSpans++] = (q.y == y) ? q.x : p.x;
                if (q.y == y && spanLo[nSpans - 1] > spanHi[nSpans - 1])
                    std::swap(spanLo[nSpans - 1], spanHi[nSpans - 1]);
            }
            if (p.y == q.y) continue;
            if (p.y == y || q.y == y) {
                const ThermPoint& on = p.y == y ? p : q;
                const ThermPoint& other = p.y == y ? q : p;
                if (other.y > y) from[nFrom++] = int64_t(on.x) + 1;
            } else if ((p.y < y) != (q.y < y)) {
                const double cx = crossing(p, q, y);
                if (cx >= kRayStart) from[nFrom++] = int64_t(std::ceil(cx));
                // A closed polygon also owns the pixels its edges pass through exactly.
                const int64_t num = int64_t(y - p.y) * (q.x - p.x), den = q.y - p.y;
                if (closed && num % den == 0) {
                    spanLo[nSpans] = spanHi[nSpans] = p.x + num / den;
                    ++nSpans;
                }
            }
        }
        for (int i = 1; i < nFrom; ++i)  // at most eight: insertion sort
            for (int k = i; k > 0 && from[k - 1] > from[k]; --k) std::swap(from[k - 1], from[k]);
        int passed = 0;
        for (int x = box.minX; x < box.maxX; ++x) {
            while (passed < nFrom && from[passed] <= x) ++passed;
            bool inside = passed & 1;
            for (int k = 0; !inside && k < nSpans; ++k) inside = x >= spanLo[k] && x <= spanHi[k];
            if (inside) out.push_back({x, y});
        }
    }
}

bool RuleRaster::insidePolygon(int x, int y, const ThermPoint* v, int count)
{
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
            const double cx = crossing(p, q, y);
            crosses = cx >= kRayStart && cx <= x;
        } else {
            crosses = false;
        }
        if (crosses) inside = !inside;
    }
    return inside;
}

}  // namespace thermcore
