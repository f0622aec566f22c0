// The digital zoom of the live view: for a frame size and a zoom step
// (0 = whole frame .. 16), the centre crop that is shown. Five runs of 17
// crop sizes serve the camera sizes they were made for; every other size
// takes the crop of the 640 x 512 run scaled to the frame, keeping its
// aspect ratio, so zooming looks the same at every size. Plain values, any
// thread.
#pragma once

#include <cstdint>

// One crop: its size in frame pixels, and its top-left corner as offsets
// in pixels of the four-times enlarged picture (the renderer's source
// rectangle is {cx, cy, 4W - cx, 4H - cy}).
struct ZoomCrop {
    int width = 0;
    int height = 0;
    int cx = 0;
    int cy = 0;
};

class ZoomTable {
public:
    static constexpr int kRuns = 5;
    static constexpr int kSteps = 17;
    static constexpr int kMaxStep = kSteps - 1;
    // The run whose sizes are scaled for frames of no run of their own.
    static constexpr int kScaledRun = 2;

    // Crop width and height of run 1..5 at step 0..16; 0 outside.
    static int width(int run, int step);
    static int height(int run, int step);
    // The run made for a width x height frame (its step-0 size), 0 when
    // none is and the crop is scaled from run 2.
    static int runFor(int width, int height);
    // The crop for a frame at a step; steps below 0 count as 0, above 16 as
    // 16. A frame of no size gives an empty crop at (0, 0).
    static ZoomCrop crop(int width, int height, int step);
};
