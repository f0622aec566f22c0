// Pixels covered by a rule: lines, ellipses and polygons rasterised into raw
// pixel lists. Shared by the picture and live rule geometry.
#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "thermcore.h"

namespace thermcore {

// Pixels x0..x1-1 of row y: rules are kept as runs of their rows, so
// measuring them reads the frame row by row.
struct PixelRun {
    int32_t y;
    int32_t x0;
    int32_t x1;
};
using PixelRuns = std::vector<PixelRun>;

// Bounding box of a rule in raw pixels. Areas use it half-open (the right
// column and the bottom row are not measured).
struct PixelBox {
    int minX = INT_MAX;
    int maxX = 0;
    int minY = INT_MAX;
    int maxY = 0;

    void add(int x, int y);
};

class RuleRaster {
public:
    // Rules have at most eight points.
    static constexpr int kMaxVertices = 8;

    // Pixels from (x1, y1) towards (x2, y2), stepping along the longer axis;
    // the end pixel of that axis is not part of the list. Appends to out, in
    // order, a run per pixel (neighbours in one row joined).
    // clip, when given, is a half-open box outside which nothing is listed.
    static void line(int x1, int y1, int x2, int y2, PixelRuns& out, const PixelBox* clip = nullptr);
    // Pixels of the half-open box inside the ellipse inscribed in it (and
    // inside the half-open clip box, when given).
    static void ellipse(const PixelBox& box, PixelRuns& out, const PixelBox* clip = nullptr);
    // Pixels of the half-open box inside the polygon (at most kMaxVertices
    // vertices are used), exactly those that insidePolygon accepts.
    // closed: also the pixels that lie exactly on its edges.
    static void polygon(const ThermPoint* vertices, int count, const PixelBox& box, PixelRuns& out,
                        bool closed = false);
    // Inside test: on a vertex or a horizontal edge counts as inside;
    // otherwise the crossings of a ray from x = -10 to the pixel decide.
    static bool insidePolygon(int x, int y, const ThermPoint* vertices, int count);
};

}  // namespace thermcore
