// Text of a call's arguments for the call log: "name=value" pairs in
// signature order joined by ", ". Floats with 3 decimals, strings quoted,
// records summarised, output pointers as "out". Input pointers are read
// during the call only.
#pragma once

#include <string>

#include "camsdk.h"

namespace camsdk {

class ArgText {
public:
    // ArgText::of("palette", palette, "user", user, ...)
    template <typename... Rest>
    static std::string of(const Rest&... rest)
    {
        std::string text;
        append(text, rest...);
        return text;
    }

    static std::string value(int v);
    static std::string value(unsigned int v);
    static std::string value(long long v);
    static std::string value(float v);
    static std::string value(double v);
    static std::string value(const char* s);  // quoted; NULL as NULL
    static std::string value(const std::string& s) { return value(s.c_str()); }
    static std::string value(void* user);  // user pointers, in hex
    static std::string value(USBSDK_RealPlayCallback cb);
    static std::string value(USBSDK_DeviceChangeCallback cb);
    static std::string value(const USBSDK_DeviceInfo* info);
    static std::string value(const USBSDK_CommonTemperParam* p);
    static std::string value(const unsigned char* bytes);  // length unknown here
    static std::string value(const int* values);
    static std::string value(const USBSDK_Rules& rules);
    static std::string value(const USBSDK_IsothermParams& p);
    static std::string value(const USBSDK_IsothermValue& v);
    static std::string value(const USBSDK_BlackBodyTemp& b);
    static std::string value(const USBSDK_TemperDriftRecord& r);
    static std::string value(USBSDK_NewRadiometryDataAutoCollectParam* rec);  // in and out
    // Any other non-const pointer is where the call writes.
    template <typename T>
    static std::string value(T*)
    {
        return "out";
    }

private:
    static void append(std::string&) {}
    template <typename T, typename... Rest>
    static void append(std::string& text, const char* name, const T& v, const Rest&... rest)
    {
        if (!text.empty()) text += ", ";
        text += name;
        text += '=';
        text += value(v);
        append(text, rest...);
    }
};

}  // namespace camsdk
