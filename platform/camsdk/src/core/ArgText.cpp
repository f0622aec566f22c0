#include "ArgText.h"

#include <cstdarg>
#include <cstdio>

namespace camsdk {

namespace {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* fmt, ...)
{
    char buf[160];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return buf;
}

}  // namespace

std::string ArgText::value(int v)
{
    return std::to_string(v);
}
std::string ArgText::value(unsigned int v)
{
    return std::to_string(v);
}
std::string ArgText::value(long long v)
{
    return std::to_string(v);
}
std::string ArgText::value(float v)
{
    return format("%.3f", double(v));
}
std::string ArgText::value(double v)
{
    return format("%.3f", v);
}

std::string ArgText::value(const char* s)
{
    if (!s) return "NULL";
    return '"' + std::string(s) + '"';
}

std::string ArgText::value(void* user)
{
    return user ? format("%p", user) : "NULL";
}
std::string ArgText::value(USBSDK_RealPlayCallback cb)
{
    return cb ? "cb" : "NULL";
}
std::string ArgText::value(USBSDK_DeviceChangeCallback cb)
{
    return cb ? "cb" : "NULL";
}

std::string ArgText::value(const USBSDK_DeviceInfo* info)
{
    if (!info) return "NULL";
    return format("{id=0x%08x port=%u}", info->sdkDeviceId, unsigned(info->port));
}

std::string ArgText::value(const USBSDK_CommonTemperParam* p)
{
    if (!p) return "NULL";
    return format("{humidity=%d ambient=%.3f emissivity=%.3f distance=%.3f reflected=%.3f}", p->humidity,
                  double(p->ambientTemp), double(p->emissivity), double(p->distance), double(p->reflectedTemp));
}

std::string ArgText::value(const unsigned char* bytes)
{
    return bytes ? "bytes" : "NULL";
}
std::string ArgText::value(const int* values)
{
    return values ? "array" : "NULL";
}

std::string ArgText::value(const USBSDK_Rules& rules)
{
    std::string ids, types;
    const uint32_t n = rules.count <= USBSDK_MAX_RULES ? rules.count : USBSDK_MAX_RULES;
    for (uint32_t i = 0; i < n; ++i) {
        if (i) ids += ',', types += ',';
        ids += std::to_string(rules.rule[i].ruleId);
        types += std::to_string(rules.rule[i].type);
    }
    return "{count=" + std::to_string(rules.count) + " ids=[" + ids + "] types=[" + types + "]}";
}

std::string ArgText::value(const USBSDK_IsothermParams& p)
{
    return format("{on=%d lower=%.3f upper=%.3f mode=%d}", p.on, double(p.lowerLimit), double(p.upperLimit), p.mode);
}

std::string ArgText::value(const USBSDK_IsothermValue& v)
{
    return format("{enable=%d lower=%d medium=%d upper=%d saturation=%d}", v.enable, v.lower, v.medium, v.upper,
                  v.saturation);
}

std::string ArgText::value(const USBSDK_BlackBodyTemp& b)
{
    return format("{low=%d high=%d}", b.lowTemp, b.highTemp);
}

std::string ArgText::value(const USBSDK_TemperDriftRecord& r)
{
    return format("{count=%u time=%u}", r.count, r.time);
}

std::string ArgText::value(USBSDK_NewRadiometryDataAutoCollectParam* rec)
{
    if (!rec) return "NULL";
    return format("{start=%u count=%u}", rec->startIndex, unsigned(rec->count));
}

}  // namespace camsdk
