// The vector forms of the YUV conversions of ImageBufferHelpers, one per
// instruction set, and the choice among them. Internal to the image buffer
// library (and its tests): callers use ImageBufferHelpers.h.
//
// The table-driven scalar conversion is the reference: every vector form
// gives its bytes exactly, for every input. A processor without SSSE3 gets
// the scalar one; AVX2 is used only where the processor (and the system)
// has it.
#pragma once

#include <cstdint>

// The instruction sets the conversions are built for, slowest first.
enum class YuvIsa : int { Scalar, Ssse3, Avx2 };

// True when this processor can run that set (Scalar always).
bool yuvIsaSupported(YuvIsa isa);
// The set the conversions use: the fastest supported one unless forced.
YuvIsa yuvIsa();
// Makes the conversions use isa from now on, which must be supported (an
// unsupported one is ignored); returns the set used before. A seam for the
// tests that run every path; any thread may call it.
YuvIsa forceYuvIsa(YuvIsa isa);

// Fixed-point chroma offsets for 16-bit multiply-adds over the raw bytes
// (U in the low half of a 32-bit lane, V in the high half), each the floor
// of the real formula for every U and V (ImageBufferHelpers.cpp checks that
// at compile time): red and blue are one multiply-add, a shift and a bias;
// green's floor needs 30 fraction bits, so its coefficients are split into
// a high part and a low part 15 bits apart.
namespace yuvfixed {

constexpr int kRedV = 18675, kRedBias = -2390365, kRedShift = 14;
constexpr int kBlueU = 16647, kBlueBias = -2130797, kBlueShift = 13;
constexpr int kGreenHighU = -12932, kGreenHighV = -19025, kGreenLowU = 3565, kGreenLowV = -3303;
constexpr int kGreenBias = 4090496, kGreenShift = 15;

// The same arithmetic on one U, V, as the vectors do it lane by lane.
constexpr int red(int v)
{
    return (kRedV * v + kRedBias) >> kRedShift;
}
constexpr int blue(int u)
{
    return (kBlueU * u + kBlueBias) >> kBlueShift;
}
constexpr int green(int u, int v)
{
    return (kGreenHighU * u + kGreenHighV * v + kGreenBias + ((kGreenLowU * u + kGreenLowV * v) >> kGreenShift)) >>
           kGreenShift;
}

}  // namespace yuvfixed

// One instruction set's kernels. Each converts whole blocks from the
// start and returns how many units (pixel pairs for 4:2:2, pixels for
// 4:4:4) it converted; the caller converts the rest. They read and write
// only the units they convert.
struct YuvKernels {
    int64_t (*uyvyToRgb)(const uint8_t* uyvy, uint8_t* rgb, int64_t pairs);
    int64_t (*yuv444ToBgr)(const uint8_t* yuv, uint8_t* bgr, int64_t pixels);
};

extern const YuvKernels kYuvKernelsSsse3;
extern const YuvKernels kYuvKernelsAvx2;
