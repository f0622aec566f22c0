// Fuzzes the in-memory raw frame intake and the per-pixel conversions.
// Input: i32 width, i32 height (folded into 1..256), then the raw frame and
// the 1368-byte camera block, as HM_analyRadioData expects them.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "thermcore.h"

namespace {

constexpr uint32_t kMaxSide = 256;

// Identity for 1..kMaxSide, so seeds carry their real size.
int32_t foldSide(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return static_cast<int32_t>(1 + (v - 1) % kMaxSide);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8) return 0;
    const int32_t width = foldSide(data);
    const int32_t height = foldSide(data + 4);
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    const uint8_t* src = data + 8;
    // The function reads exactly this much; a shorter buffer is the caller's bug.
    if (size - 8 < pixels * 2 + sizeof(RedunData)) return 0;

    ThermalGraphHeader header;
    std::memset(&header, 0, sizeof header);
    header.rawLen = static_cast<uint32_t>(pixels * 2);
    header.width = width;
    header.height = height;
    header.bits = 16;
    header.redunVersion = 1;
    if (HM_analyRadioData(&header, src) != 0) return 0;

    std::vector<float> temps(pixels);
    std::vector<int16_t> tenths(pixels);
    HM_getAxPixelsTemperature(0, temps.data());
    HM_getAxPixelsTemperature_short16(0, tenths.data());

    HM_RuleTemper hotCold;
    std::memset(&hotCold, 0, sizeof hotCold);
    PIC_GetHotColdTemperature(&hotCold);

    HM_rawDataTransformTemp(&header, src, temps.data());
    HM_freeRadioData();
    return 0;
}
