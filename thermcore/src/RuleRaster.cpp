#include "RuleRaster.h"

#include <algorithm>
#include <climits>
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

// Appends pixels x0..x1-1 of row y, joined to the previous run when it
// ends right there.
void appendRun(PixelRuns& out, int y, int64_t x0, int64_t x1)
{
    if (x1 <= x0) return;
    if (!out.empty() && out.back().y == y && out.back().x1 == x0) {
        out.back().x1 = int32_t(x1);
        return;
    }
    out.push_back(PixelRun{y, int32_t(x0), int32_t(x1)});
}

}  // namespace

void PixelBox::add(int x, int y)
{
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

void RuleRaster::line(int x1, int y1, int x2, int y2, PixelRuns& out, const PixelBox* clip)
{
    const int minX = std::min(x1, x2), maxX = std::max(x1, x2);
    const int minY = std::min(y1, y2), maxY = std::max(y1, y2);
    // Steps run only where the clip box can hold their pixels.
    const int fromX = clip ? std::max(minX, clip->minX) : minX, toX = clip ? std::min(maxX, clip->maxX) : maxX;
    const int fromY = clip ? std::max(minY, clip->minY) : minY, toY = clip ? std::min(maxY, clip->maxY) : maxY;
    auto keep = [&](int x, int y) {
        return x >= minX && x <= maxX && y >= minY && y <= maxY &&
               (!clip || (x >= clip->minX && x < clip->maxX && y >= clip->minY && y < clip->maxY));
    };
    if (x1 == x2) {
        for (int y = fromY; y < toY; ++y)
            if (keep(x1, y)) appendRun(out, y, x1, int64_t(x1) + 1);
        return;
    }
    if (y1 == y2) {
        for (int x = fromX; x < toX; ++x)
            if (keep(x, y1)) appendRun(out, y1, x, int64_t(x) + 1);
        return;
    }
    // Single precision, as the cameras rasterise their own lines.
    const float slope = float(y2 - y1) / float(x2 - x1);
    if (std::fabs(slope) > 1.0f) {
        const float inverse = float(x2 - x1) / float(y2 - y1);
        for (int y = fromY; y < toY; ++y) {
            const int x = int(inverse * float(y - y1) + float(x1) + 0.5f);
            if (keep(x, y)) appendRun(out, y, x, int64_t(x) + 1);
        }
    } else {
        for (int x = fromX; x < toX; ++x) {
            const int y = int(slope * float(x - x1) + float(y1) + 0.5f);
            if (keep(x, y)) appendRun(out, y, x, int64_t(x) + 1);
        }
    }
}

void RuleRaster::ellipse(const PixelBox& box, PixelRuns& out, const PixelBox* clip)
{
    if (box.minX >= box.maxX || box.minY >= box.maxY) return;
    const double a = (double(box.maxX) - box.minX) / 2.0;
    const double b = (double(box.maxY) - box.minY) / 2.0;
    const double cx = box.minX + a, cy = box.minY + b;
    const int fromX = clip ? std::max(box.minX, clip->minX) : box.minX,
              toX = clip ? std::min(box.maxX, clip->maxX) : box.maxX;
    const int fromY = clip ? std::max(box.minY, clip->minY) : box.minY,
              toY = clip ? std::min(box.maxY, clip->maxY) : box.maxY;
    if (fromX >= toX) return;
    for (int y = fromY; y < toY; ++y) {
        const double dy = (y - cy) / b;
        auto inside = [&](int x) {
            const double dx = (x - cx) / a;
            return dx * dx + dy * dy <= 1.0;
        };
        const double rest = 1.0 - dy * dy;
        if (rest < 0.0) continue;
        // The pixels of a row inside an ellipse are one run: start from the
        // analytic ends and settle them with the exact test.
        const double half = a * std::sqrt(rest);
        int left = int(std::clamp(std::ceil(cx - half), double(fromX), double(toX)));
        while (left > fromX && inside(left - 1)) --left;
        while (left < toX && !inside(left)) ++left;
        if (left == toX) continue;
        int right = int(std::clamp(std::floor(cx + half), double(left), double(toX - 1)));
        while (right + 1 < toX && inside(right + 1)) ++right;
        while (right > left && !inside(right)) --right;
        appendRun(out, y, left, int64_t(right) + 1);
    }
}

void RuleRaster::polygon(const ThermPoint* v, int count, const PixelBox& box, PixelRuns& out, bool closed)
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
        // Inside by parity from[0]..from[1], from[2]..from[3], ...; with
        // the spans, runs of the row to merge and emit left to right.
        int64_t runLo[3 * kMaxVertices], runHi[3 * kMaxVertices];
        int nRuns = 0;
        for (int k = 0; k < nFrom; k += 2) {
            runLo[nRuns] = from[k];
            runHi[nRuns++] = k + 1 < nFrom ? from[k + 1] : INT64_MAX;
        }
        for (int k = 0; k < nSpans; ++k) {
            runLo[nRuns] = spanLo[k];
            runHi[nRuns++] = spanHi[k] + 1;
        }
        for (int i = 1; i < nRuns; ++i)
            for (int k = i; k > 0 && runLo[k - 1] > runLo[k]; --k) {
                std::swap(runLo[k - 1], runLo[k]);
                std::swap(runHi[k - 1], runHi[k]);
            }
        int64_t emitted = box.minX;  // everything left of this is out
        for (int k = 0; k < nRuns; ++k) {
            const int64_t lo = std::max(runLo[k], emitted), hi = std::min<int64_t>(runHi[k], box.maxX);
            if (hi > lo) {
                appendRun(out, y, lo, hi);
                emitted = hi;
            }
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
