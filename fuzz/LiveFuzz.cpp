// Fuzzes the live side with hostile frames, rule sets, options and regions.
//
// Input (missing bytes read as zero):
//   0      u8   frame width, folded into 1..32 (1..32 stay as they are)
//   1      u8   frame height, likewise
//   2      u8   flags: 0x01 a RedunData block follows the frame
//                      0x02 a second frame of another size follows the reads
//                      0x04 select a gain mode (0x08: 1, else 2)
//                      0x10 RADAPP_release before the second frame
//                      0x20 the device window differs from the frame
//                      0x40 emissivity model V2
//                      0x80 TEC calibration coefficient sloped, not 1
//   3      u8   second frame / device window size: low nibble width, high
//               nibble height, each 1 + 3 * n
//   4      u16  number of rule-set bytes that follow the polygon (at most 4324)
//   6      32 bytes RADAPI_RadioMetryOptions
//   38     68 bytes RADAPI_Polygon
//   106    rule-set bytes: the start of a RADAPI_SpotRules (count first; the
//          count and the point numbers are taken as they are)
//   then   1368 bytes RedunData when flag 0x01
//   then   raw pixels (u16), repeated to fill the frame
// thermcore_seed_writer writes seeds of this layout into <dir>/live.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "thermcore.h"

namespace {

constexpr size_t kHeader = 6;
constexpr int kMaxSide = 32;

// Reads the next n bytes into dst; what the input lacks stays zero.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    void take(void* dst, size_t n)
    {
        if (n == 0) return;
        std::memset(dst, 0, n);
        const size_t have = pos_ < size_ ? std::min(n, size_ - pos_) : 0;
        if (have) std::memcpy(dst, data_ + pos_, have);
        pos_ += n;
    }
    const uint8_t* rest(size_t* n) const
    {
        *n = pos_ < size_ ? size_ - pos_ : 0;
        return data_ + (pos_ < size_ ? pos_ : size_);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

struct LiveFrame {
    std::vector<uint16_t> buffer;
    RADAPI_ExtRawBuf record;
};

LiveFrame makeFrame(int w, int h, const uint8_t* pixels, size_t pixelBytes, const RedunData* block)
{
    LiveFrame f;
    const size_t count = size_t(w) * size_t(h);
    f.buffer.assign(count + (block ? sizeof(RedunData) / sizeof(uint16_t) : 0), 0);
    const size_t have = pixelBytes / 2;
    for (size_t i = 0; have && i < count; ++i) {
        const size_t j = (i % have) * 2;
        f.buffer[i] = uint16_t(pixels[j] | (pixels[j + 1] << 8));
    }
    if (block) std::memcpy(f.buffer.data() + count, block, sizeof(RedunData));
    std::memset(&f.record, 0, sizeof f.record);
    f.record.width = uint16_t(w);
    f.record.height = uint16_t(h);
    f.record.pVirtAddr = f.buffer.data();
    f.record.baseTemp = 25.0f;
    f.record.redunVersion = block ? 1 : 0;
    return f;
}

void check(bool ok)
{
    if (!ok) __builtin_trap();
}

// A successful measurement always carries finite temperatures.
void checkResult(const RADAPI_TempInfo& t)
{
    check(std::isfinite(t.average) && std::isfinite(t.maximum) && std::isfinite(t.minimum));
}

void measureAll(const RADAPI_Polygon& region)
{
    static const int32_t ids[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 29, 30, 31, 66, 255};
    for (int32_t id : ids) {
        RADAPI_TempInfo t;
        std::memset(&t, 0, sizeof t);
        if (RADAPI_getRadiometryTemperature(id, &t) == 0) checkResult(t);
    }
    RADAPI_TempInfo t;
    std::memset(&t, 0, sizeof t);
    if (RADAPI_getRegionTemperature(&region, &t) == 0) checkResult(t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool initialised = RADAPI_Init() == 0;
    if (!initialised) return 0;

    Reader in(data, size);
    uint8_t header[kHeader];
    in.take(header, sizeof header);
    const int width = 1 + (header[0] + kMaxSide - 1) % kMaxSide;
    const int height = 1 + (header[1] + kMaxSide - 1) % kMaxSide;
    const uint8_t flags = header[2];
    const int otherWidth = 1 + 3 * (header[3] & 15);
    const int otherHeight = 1 + 3 * (header[3] >> 4);
    const size_t ruleBytes = std::min<size_t>(size_t(header[4] | (header[5] << 8)), sizeof(RADAPI_SpotRules));

    RADAPI_RadioMetryOptions options;
    in.take(&options, sizeof options);
    RADAPI_Polygon region;
    in.take(&region, sizeof region);
    RADAPI_SpotRules rules;
    std::memset(&rules, 0, sizeof rules);
    in.take(&rules, ruleBytes);
    RedunData block;
    const bool withBlock = flags & 0x01;
    if (withBlock) in.take(&block, sizeof block);
    size_t pixelBytes = 0;
    const uint8_t* pixels = in.rest(&pixelBytes);

    // Start every input from the same live state: no buffers, a camera
    // block copy of a plain frame, no rules, the live curve of the low range
    // and a straight-line calibration that is recomputed on every
    // measurement.
    static const RedunData reference = [] {
        RedunData b;
        std::memset(&b, 0, sizeof b);
        b.curveCount = 2;
        b.curve[0] = {-30.0f, 0.0f};
        b.curve[1] = {160.0f, 3800.0f};
        b.realBaseTemp = 25.0f;
        b.baseGray = 8192;
        b.emissivity = 1.0f;
        b.distance = b.defaultDistance = 1.0f;
        b.envTemp = b.reflectedTemp = 25.0f;
        b.distLd = 1600;
        b.distHd = 2000;
        return b;
    }();
    RADAPP_release();
    const uint8_t greys[8] = {0, 32, 0, 32, 0, 32, 0, 32};
    LiveFrame plain = makeFrame(2, 2, greys, sizeof greys, &reference);
    RADAPI_extRawSetTherGraph(&plain.record);
    RADAPI_SpotRules none;
    std::memset(&none, 0, sizeof none);
    RADAPI_setRadiometryRuleConfig(&none);
    RADAPI_setNyxBaseGray(6144);
    // Coefficient 1 or, with flag 0x80, a line from 0.5 at 20 C to 2.5 at 40 C.
    RADAPI_TecCoef coef;
    std::memset(&coef, 0, sizeof coef);
    coef.tecLowCurrentTemp = coef.tecHighCurrentTemp = 2000;
    coef.tecLowNormalCurrentTemp = coef.tecHighNormalCurrentTemp = 4000;
    coef.tecLowHighCurrentTemp = coef.tecHighHighCurrentTemp = 6000;
    const bool sloped = flags & 0x80;
    coef.tecLowCompenCoef = coef.tecHighCompenCoef = sloped ? 500 : 1000;
    coef.tecLowNormalCompenCoef = coef.tecHighNormalCompenCoef = sloped ? 2500 : 1000;
    coef.tecLowHighCompenCoef = coef.tecHighHighCompenCoef = 1000;
    RADAPI_setCurrentTecCoef(&coef);
    const int32_t version = 1;
    RADAPI_setCurAutoCalibrationVer(&version);
    RADAPI_setNyxGainMode(2);
    if (flags & 0x04) RADAPI_setNyxGainMode((flags & 0x08) ? 1 : 2);

    RADAPI_DevInfo info;
    std::memset(&info, 0, sizeof info);
    info.width = uint16_t((flags & 0x20) ? otherWidth : width);
    info.height = uint16_t((flags & 0x20) ? otherHeight : height);
    RADAPI_setDevInfo(&info);
    RADAPI_setRadioMetryOptions(&options);

    LiveFrame frame = makeFrame(width, height, pixels, pixelBytes, withBlock ? &block : nullptr);
    RADAPI_extRawSetTherGraph(&frame.record);
    RADAPI_setEmissivityModelEnable((flags & 0x40) ? 1 : 0);
    RADAPI_setRadiometryRuleConfig(&rules);
    measureAll(region);

    if (flags & 0x02) {
        if (flags & 0x10) RADAPP_release();
        LiveFrame other = makeFrame(otherWidth, otherHeight, pixels, pixelBytes, withBlock ? &block : nullptr);
        RADAPI_extRawSetTherGraph(&other.record);
        measureAll(region);
    }
    return 0;
}
