// Raw thermal frame (16-bit words of 14-bit detector values) to an 8-bit
// grey picture of the same size: a tone curve from the frame's own histogram
// (clipped tails, plateau equalisation blended with a linear ramp), an
// edge-preserving base layer, an amplified detail layer, and the mapping of
// every pixel through the curve.
#pragma once

#include <cstdint>

namespace enhance {
class EnhanceContext;
}

// mode 0 builds the tone curve from this frame; mode 1 uses `curve` (1025
// entries in 1/64 grey levels). dst receives width * height bytes.
// Returns 0 on success, -1 when src or dst is missing, a size is 0 or the
// work planes cannot be allocated (nothing is written then). Safe to call
// from several threads at once: each call has planes of its own.
int EnhanceRawTo8Bit(const uint16_t* src, uint16_t width, uint16_t height, int32_t mode, uint8_t* dst,
                     const uint16_t* curve);

// The same on the caller's work planes, for callers that convert frame after
// frame: the context is reused from call to call (its planes grow to the
// largest frame), one call at a time. The bytes are those of the call above.
int EnhanceRawTo8Bit(enhance::EnhanceContext& context, const uint16_t* src, uint16_t width, uint16_t height,
                     int32_t mode, uint8_t* dst, const uint16_t* curve);
