#include "HostRadiometry.h"

#include <algorithm>
#include <cstring>

namespace camsdk {

namespace {

constexpr float kFrameBaseTemp = 25.0f;
constexpr size_t kBlockWords = sizeof(RedunData) / sizeof(uint16_t);
static_assert(sizeof(RedunData) % sizeof(uint16_t) == 0, "the block follows the raw words");
static_assert(sizeof(USBSDK_Rule) == sizeof(RADAPI_SpotRule), "camera and library rules share one layout");

}  // namespace

USBSDK_CommonTemperParam factoryTemperParams()
{
    USBSDK_CommonTemperParam p{};
    p.humidity = 50;
    p.ambientTemp = 25.0f;
    p.emissivity = 0.97f;
    p.distance = 1.0f;
    p.reflectedTemp = 25.0f;
    return p;
}

HostRadiometry& HostRadiometry::instance()
{
    static HostRadiometry engine;
    return engine;
}

HostRadiometry::HostRadiometry()
{
    RADAPI_Init();
    params_ = factoryTemperParams();
}

void HostRadiometry::takeFrame(const uint8_t* raw, int rawLen, int width, int height, bool earlierLayout, uint64_t seq)
{
    if (!open_.load() || !raw || width <= 0 || height <= 0) return;
    const size_t pixels = size_t(width) * size_t(height);
    if (rawLen < 0 || size_t(rawLen) < pixels * 2 + sizeof(RedunData)) return;
    std::lock_guard<std::mutex> lock(frameLock_);
    newest_.resize(pixels + kBlockWords);
    std::memcpy(newest_.data(), raw, pixels * 2);
    if (earlierLayout) {
        RedunData current;
        thermcore::convertEarlierRedunData(raw + pixels * 2, &current);
        std::memcpy(newest_.data() + pixels, &current, sizeof current);
    } else {
        std::memcpy(newest_.data() + pixels, raw + pixels * 2, sizeof(RedunData));
    }
    newestWidth_ = width;
    newestHeight_ = height;
    newestSeq_ = seq;
    haveNewest_ = true;
}

void HostRadiometry::open()
{
    open_.store(true);
}

void HostRadiometry::reset()
{
    open_.store(false);
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        haveNewest_ = false;
    }
    std::lock_guard<std::mutex> lock(lock_);
    haveFed_ = false;
    fedWidth_ = fedHeight_ = 0;
    rules_ = USBSDK_Rules{};
    params_ = factoryTemperParams();
    RADAPP_release();
}

bool HostRadiometry::hasFrame() const
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return haveNewest_;
}

void HostRadiometry::setRules(const USBSDK_Rules& rules)
{
    std::lock_guard<std::mutex> lock(lock_);
    rules_ = rules;
    if (haveFed_) sendRules();
}

void HostRadiometry::setParams(const USBSDK_CommonTemperParam& params)
{
    std::lock_guard<std::mutex> lock(lock_);
    params_ = params;
}

void HostRadiometry::setLog(bool on)
{
    RADAPI_writeLog(on ? 1 : 0);
}

void HostRadiometry::sendRules()
{
    RADAPI_SpotRules set{};
    set.count = int32_t(std::min<uint32_t>(rules_.count, USBSDK_MAX_RULES));
    for (int i = 0; i < set.count; ++i) std::memcpy(&set.rules[i], &rules_.rule[i], sizeof set.rules[i]);
    RADAPI_setRadiometryRuleConfig(&set);
}

void HostRadiometry::sendOptions()
{
    // Units are C; the library takes reflections as 25.0 C itself.
    RADAPI_RadioMetryOptions options{};
    options.relativeHumidity = params_.humidity;
    options.objectDistance = params_.distance;
    options.atmosphericTemp = params_.ambientTemp;
    options.reflectedTemp = params_.reflectedTemp;
    options.emissivity = params_.emissivity;
    options.tempUnit = 0;
    RADAPI_setRadioMetryOptions(&options);
}

bool HostRadiometry::feed()
{
    int width, height;
    uint64_t seq;
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        if (!haveNewest_) return haveFed_;
        if (haveFed_ && newestSeq_ == fedSeq_) return true;
        fed_ = newest_;  // the frame thread may overwrite newest_ meanwhile
        width = newestWidth_;
        height = newestHeight_;
        seq = newestSeq_;
    }
    const bool resized = !haveFed_ || width != fedWidth_ || height != fedHeight_;
    if (resized) {
        // The library sizes its rule lists for the window it knows.
        RADAPP_release();
        RADAPI_DevInfo dev{};
        dev.width = uint16_t(width);
        dev.height = uint16_t(height);
        RADAPI_setDevInfo(&dev);
    }
    RADAPI_ExtRawBuf frame{};
    frame.width = uint16_t(width);
    frame.height = uint16_t(height);
    frame.pVirtAddr = fed_.data();
    frame.baseTemp = kFrameBaseTemp;
    frame.redunVersion = 1;
    if (RADAPI_extRawSetTherGraph(&frame) != 0) return false;
    fedWidth_ = width;
    fedHeight_ = height;
    fedSeq_ = seq;
    haveFed_ = true;
    if (resized) sendRules();
    return true;
}

int HostRadiometry::ruleTemperature(int ruleId, USBSDK_ThermalRuleResult* out)
{
    std::lock_guard<std::mutex> lock(lock_);
    bool known = false;
    for (uint32_t i = 0; i < rules_.count && i < USBSDK_MAX_RULES; ++i)
        known = known || int(rules_.rule[i].ruleId) == ruleId;
    if (!known) return USBSDK_ERR_NOT_FOUND;
    if (!feed()) return USBSDK_ERR_THERMAL_NOT_READY;
    sendOptions();
    RADAPI_TempInfo info{};
    if (RADAPI_getRadiometryTemperature(ruleId, &info) != 0) return USBSDK_ERR_DEVICE_FAILED;
    USBSDK_ThermalRuleResult result{};
    static_assert(sizeof(RADAPI_TempInfo) <= sizeof(USBSDK_ThermalRuleResult), "result layout");
    std::memcpy(&result, &info, sizeof info);
    *out = result;
    return USBSDK_ERR_NONE;
}

int HostRadiometry::hotColdPoint(USBSDK_HotColdPoint* out)
{
    std::lock_guard<std::mutex> lock(lock_);
    if (!feed()) return USBSDK_ERR_THERMAL_NOT_READY;
    sendOptions();
    // The whole frame: the library clips the far corners onto the last row
    // and column and measures the region with its outline.
    RADAPI_Polygon whole{};
    whole.pointNum = 4;
    whole.points[0] = {0, 0};
    whole.points[1] = {USBSDK_RULE_SPACE - 1, 0};
    whole.points[2] = {USBSDK_RULE_SPACE - 1, USBSDK_RULE_SPACE - 1};
    whole.points[3] = {0, USBSDK_RULE_SPACE - 1};
    RADAPI_TempInfo info{};
    if (RADAPI_getRegionTemperature(&whole, &info) != 0) return USBSDK_ERR_DEVICE_FAILED;
    USBSDK_HotColdPoint result{};
    result.hotTemp = info.maximum;
    result.hotX = info.hot.x;
    result.hotY = info.hot.y;
    result.coldTemp = info.minimum;
    result.coldX = info.cold.x;
    result.coldY = info.cold.y;
    result.avgTemp = info.average;
    result.frameSeq = uint32_t(fedSeq_);
    *out = result;
    return USBSDK_ERR_NONE;
}

}  // namespace camsdk
