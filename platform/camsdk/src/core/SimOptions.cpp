#include "SimOptions.h"

#include <cstdlib>
#include <cstring>

namespace camsdk {

namespace {

// Keys that set one integer field of the profile.
struct ProfileKey {
    const char* key;
    int SIMCAM_DeviceProfile::*field;
    int lo, hi;
};

const ProfileKey kProfileKeys[] = {
    {"fps", &SIMCAM_DeviceProfile::fps, 1, 60},
    {"type", &SIMCAM_DeviceProfile::deviceType, 0, 1},
    {"newcolor", &SIMCAM_DeviceProfile::supportNewColor, 0, 1},
    {"extreme", &SIMCAM_DeviceProfile::supportExtreme, 0, 1},
    {"twogear", &SIMCAM_DeviceProfile::supportLowTempTwoGear, 0, 1},
    {"twosffc", &SIMCAM_DeviceProfile::supportTwoSFFC, 0, 1},
    {"deltab", &SIMCAM_DeviceProfile::supportDeltaB, 0, 1},
    {"isp", &SIMCAM_DeviceProfile::supportIsp, 0, 1},
    {"isotherm", &SIMCAM_DeviceProfile::supportIsothermMode, 0, 1},
    {"superres", &SIMCAM_DeviceProfile::supportSuperRes, 0, 1},
    {"rawtype", &SIMCAM_DeviceProfile::supportRawDataType, 0, 1},
    {"cooled", &SIMCAM_DeviceProfile::refrigerated, 0, 1},
    {"redunflip", &SIMCAM_DeviceProfile::supportRedunInfoFlip, 0, 1},
    {"redun", &SIMCAM_DeviceProfile::redunType, 0, 1},
};

bool toInt(const std::string& text, long lo, long hi, int* out)
{
    if (text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || v < lo || v > hi) return false;
    *out = int(v);
    return true;
}

}  // namespace

SimOptions SimOptions::parse(const char* text, std::vector<std::string>* problems)
{
    SimOptions o;
    if (!text) return o;
    const std::string all = text;
    size_t pos = 0;
    while (pos <= all.size()) {
        size_t end = all.find(';', pos);
        if (end == std::string::npos) end = all.size();
        const std::string item = all.substr(pos, end - pos);
        pos = end + 1;
        if (item.empty()) continue;
        const size_t eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : item.substr(eq + 1);
        int v = 0;
        bool ok = false;
        if (key == "devices") {
            ok = toInt(value, 0, kMaxDevices, &o.devices_);
        } else if (key == "clock") {
            ok = value == "real" || value == "manual";
            if (ok) o.manualClock_ = value == "manual";
        } else if (key == "warmup") {
            ok = toInt(value, 0, 3600000, &v);
            if (ok) o.warmupMs_ = v;
        } else if (key == "size") {
            const size_t x = value.find('x');
            int w = 0, h = 0;
            ok = x != std::string::npos && toInt(value.substr(0, x), 16, 1280, &w) &&
                 toInt(value.substr(x + 1), 16, 1024, &h) && w % 2 == 0;
            if (ok) o.width_ = w, o.height_ = h;
        } else {
            for (const ProfileKey& k : kProfileKeys) {
                if (key != k.key) continue;
                ok = toInt(value, k.lo, k.hi, &v);
                if (ok) o.fields_.emplace_back(k.field, v);
            }
        }
        if (!ok && problems) problems->push_back(item);
    }
    return o;
}

void SimOptions::applyTo(SIMCAM_DeviceProfile& profile) const
{
    if (width_ > 0) profile.width = width_, profile.height = height_;
    for (const auto& f : fields_) profile.*(f.first) = f.second;
}

}  // namespace camsdk
