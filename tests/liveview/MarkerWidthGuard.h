// The marker half-widths are class-wide: every test that may change them
// puts the program-start values (5 for pixels, 3 for columns) back, so tests
// see the same start whatever runs before them.
#pragma once

#include "BadPixelColItem.h"
#include "BadPixelItem.h"

struct MarkerWidthGuard {
    MarkerWidthGuard() { reset(); }
    ~MarkerWidthGuard() { reset(); }
    static void reset()
    {
        BadPixelItem::setLineWidth(5);
        BadPixelColItem::setLineWidth(3);
    }
};
