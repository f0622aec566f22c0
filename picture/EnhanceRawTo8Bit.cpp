#include "EnhanceRawTo8Bit.h"

#include <algorithm>

#include "EnhanceContext.h"
#include "ToneCurve.h"

using enhance::EnhanceContext;
using enhance::ToneCurve;

int EnhanceRawTo8Bit(const uint16_t* src, uint16_t width, uint16_t height, int32_t mode, uint8_t* dst,
                     const uint16_t* curve)
{
    EnhanceContext context;
    return EnhanceRawTo8Bit(context, src, width, height, mode, dst, curve);
}

int EnhanceRawTo8Bit(EnhanceContext& context, const uint16_t* src, uint16_t width, uint16_t height, int32_t mode,
                     uint8_t* dst, const uint16_t* curve)
{
    if (!src || !dst || width == 0 || height == 0) return -1;
    if (mode == 1 && !curve) return -1;

    // Planes first: a frame too large for memory fails before anything is read.
    if (!context.allocate(width, height)) return -1;

    // The curve lives on this call's stack, never shared with another call.
    ToneCurve tone;
    if (mode == 1) {
        std::copy(curve, curve + tone.size(), tone.begin());
        context.loadFrame(src);
    } else {
        // The histogram is counted as the frame is copied in.
        enhance::HistogramCounter counter;
        context.loadFrame(src, &counter);
        tone = enhance::BuildToneCurve(counter.total(), width, height);
    }
    context.filterAndMap(tone, dst);
    return 0;
}
