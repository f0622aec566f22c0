#include "ZoomTable.h"

namespace {

// Crop widths per run, step 0 (the whole frame) to 16.
constexpr uint16_t kWidths[ZoomTable::kRuns][ZoomTable::kSteps] = {
    {1280, 1250, 1220, 1190, 1160, 1130, 1100, 1070, 1040, 980, 920, 860, 800, 740, 620, 500, 380},
    {640, 620, 600, 580, 560, 540, 520, 500, 480, 450, 420, 390, 360, 330, 300, 260, 220},
    {512, 496, 480, 472, 456, 440, 424, 408, 384, 360, 336, 312, 288, 264, 240, 216, 192},
    {400, 392, 384, 376, 368, 360, 352, 336, 320, 304, 288, 272, 248, 224, 200, 176, 152},
    {256, 248, 240, 232, 224, 216, 208, 200, 192, 184, 176, 168, 160, 152, 144, 136, 128},
};

bool inTable(int run, int step)
{
    return run >= 1 && run <= ZoomTable::kRuns && step >= 0 && step <= ZoomTable::kMaxStep;
}

int even(long long v)
{
    return int(v & ~1LL);
}

}  // namespace

int ZoomTable::width(int run, int step)
{
    return inTable(run, step) ? kWidths[run - 1][step] : 0;
}

int ZoomTable::height(int run, int step)
{
    if (!inTable(run, step)) return 0;
    // Runs 1 and 2 are 5:4 cameras, runs 3 to 5 are 4:3.
    const int w = kWidths[run - 1][step];
    return run <= 2 ? w * 4 / 5 : w * 3 / 4;
}

int ZoomTable::runFor(int width, int height)
{
    for (int run = 1; run <= kRuns; ++run)
        if (width == ZoomTable::width(run, 0) && height == ZoomTable::height(run, 0)) return run;
    return 0;
}

ZoomCrop ZoomTable::crop(int width, int height, int step)
{
    ZoomCrop c;
    if (width <= 0 || height <= 0) return c;
    step = step < 0 ? 0 : step > kMaxStep ? kMaxStep : step;
    const int run = runFor(width, height);
    if (run != 0) {
        c.width = ZoomTable::width(run, step);
        c.height = ZoomTable::height(run, step);
    } else {
        // Scaled from run 2 over its own full width, rounded down to even
        // sizes so the crop keeps whole pixel pairs.
        const long long scale = ZoomTable::width(kScaledRun, step);
        const long long full = ZoomTable::width(kScaledRun, 0);
        c.width = even(width * scale / full);
        c.height = even(height * scale / full);
    }
    c.cx = (width - c.width) / 2 * 4;
    c.cy = (height - c.height) / 2 * 4;
    return c;
}
