// Identity and capabilities of the open device.
#include <algorithm>
#include <cstring>

#include "ApiCall.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;

namespace {

// Free text: NUL-terminated, cut to size - 1 bytes on a UTF-8 boundary.
int copyFreeText(ApiCall& call, const char* text, char* buf, int size)
{
    if (!buf || size < 1) return USBSDK_ERR_INVALID_ARG;
    const size_t len = std::strlen(text);
    size_t n = std::min(len, size_t(size) - 1);
    while (n > 0 && n < len && (uint8_t(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buf, text, n);
    buf[n] = '\0';
    call.setOutputs(ArgText::of("buf", std::string(buf)));
    return 0;
}

// Fixed 32-byte camera field: min(length, size) bytes, the rest zeroed.
int copyFixedField(ApiCall& call, const char* field, int length, char* buf, int size)
{
    if (!buf || size < 1) return USBSDK_ERR_INVALID_ARG;
    const int n = std::min(length, size);
    std::memcpy(buf, field, size_t(n));
    std::memset(buf + n, 0, size_t(size - n));
    call.setOutputs(ArgText::of("buf", std::string(field, size_t(n))));
    return 0;
}

using Lock = CamLayer::Lock;

}  // namespace

// Capability queries: constant per profile, unlogged, 0 without a session.
#define CAMSDK_CAPABILITY_QUERIES(X)                                \
    X(USBSDK_GetDeviceSupportExtremeMode, supportExtreme)           \
    X(USBSDK_GetDeviceSupportLowTempTwoGear, supportLowTempTwoGear) \
    X(USBSDK_GetDeviceSupportTwoSFFC, supportTwoSFFC)               \
    X(USBSDK_IsSupportDeltaB, supportDeltaB)                        \
    X(USBSDK_GetDeviceSupportNewColor, supportNewColor)             \
    X(USBSDK_GetDeviceSupportIsp, supportIsp)                       \
    X(USBSDK_GetDeviceSupportIsothermMode, supportIsothermMode)     \
    X(USBSDK_GetDeviceSupportSuperResMode, supportSuperRes)         \
    X(USBSDK_GetSupportThermalRawDataType, supportRawDataType)      \
    X(USBSDK_GetRefrigerationDeviceType, refrigerated)              \
    X(USBSDK_GetDeviceSupportRedunInfoFlip, supportRedunInfoFlip)

extern "C" {

#define CAMSDK_X(function, field)                                               \
    CAMSDK_API int function(void)                                               \
    {                                                                           \
        return ApiCall::status(#function, false, 0, [](const SimDevice& d) {    \
            return d.live().field.load(std::memory_order_relaxed) != 0 ? 1 : 0; \
        });                                                                     \
    }
CAMSDK_CAPABILITY_QUERIES(CAMSDK_X)
#undef CAMSDK_X

CAMSDK_API int USBSDK_GetDeviceType(void)
{
    return ApiCall::status(__func__, true, 0,
                           [](const SimDevice& d) { return d.live().deviceType.load(std::memory_order_relaxed); });
}

CAMSDK_API int USBSDK_GetDeviceImageOutputMode(void)
{
    return ApiCall::status(__func__, true, -1, [](const SimDevice& d) { return d.carriesRaw() ? 1 : 0; });
}

CAMSDK_API int USBSDK_GetDeviceName(char* buf, int size)
{
    ApiCall call(__func__, ArgText::of("buf", buf, "size", size));
    return call.device([&](Lock&, SimDevice&, Session& s) { return copyFreeText(call, s.identity.name, buf, size); });
}

CAMSDK_API int USBSDK_GetSerialNumber(char* buf, int size)
{
    ApiCall call(__func__, ArgText::of("buf", buf, "size", size));
    return call.device([&](Lock&, SimDevice&, Session& s) { return copyFreeText(call, s.identity.serial, buf, size); });
}

CAMSDK_API int USBSDK_GetSoftwareVersion(char* buf, int size)
{
    ApiCall call(__func__, ArgText::of("buf", buf, "size", size));
    return call.device(
        [&](Lock&, SimDevice&, Session& s) { return copyFreeText(call, s.identity.softwareVersion, buf, size); });
}

CAMSDK_API int USBSDK_GetPartNumber(char* buf, int size)
{
    ApiCall call(__func__, ArgText::of("buf", buf, "size", size));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        return copyFixedField(call, d.saved().partNumber, d.saved().partLength, buf, size);
    });
}

CAMSDK_API int USBSDK_GetMaterialsPartNumber(char* buf, int size)
{
    ApiCall call(__func__, ArgText::of("buf", buf, "size", size));
    return call.device([&](Lock&, SimDevice&, Session& s) {
        const char* field = s.identity.materialsPartNumber;
        return copyFixedField(call, field, int(strnlen(field, sizeof s.identity.materialsPartNumber)), buf, size);
    });
}

CAMSDK_API int USBSDK_SetDevicePart(const char* text, int len)
{
    ApiCall call(__func__,
                 ArgText::of("text", text ? std::string(text, text + std::max(0, std::min(len, 32))) : "", "len", len));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!text || len < 1 || len > SimDevice::kPartLength) return int(USBSDK_ERR_INVALID_ARG);
        for (SimDevice::Settings* s : {&d.saved(), &d.working()}) {
            std::memset(s->partNumber, 0, sizeof s->partNumber);
            std::memcpy(s->partNumber, text, size_t(len));
            s->partLength = len;
        }
        return 0;
    });
}

CAMSDK_API int USBSDK_GetDevResolution(int* width, int* height)
{
    ApiCall call(__func__, ArgText::of("width", width, "height", height));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!width || !height) return int(USBSDK_ERR_INVALID_ARG);
        *width = d.profile().width;
        *height = d.profile().height;
        call.setOutputs(ArgText::of("width", *width, "height", *height));
        return 0;
    });
}

}  // extern "C"
