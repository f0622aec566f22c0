// Exported functions of the picture side: file, accessors of the loaded
// blocks, temperature table and pixel temperatures, and the picture log.
#include <cmath>
#include <cstring>

#include "FixedText.h"
#include "Logger.h"
#include "PictureFile.h"
#include "PictureState.h"
#include "thermcore.h"

using thermcore::FixedText;
using thermcore::PictureFile;
using thermcore::PictureState;

namespace {

int clampedRuleCount(const PicViewInfo& info)
{
    return info.ruleCount < 0 ? 0
                              : (info.ruleCount > THERMCORE_MAX_PIC_RULES ? THERMCORE_MAX_PIC_RULES : info.ruleCount);
}

// Writes one value per pixel of the loaded frame.
template <typename Out, typename Convert>
int pixelTemperatures(PictureState& state, Out* out, Convert convert)
{
    if (!state.hasFrame()) {
        TC_PLOG("gExtRawBuf.pVirtAddr == NULL");
        return -1;
    }
    const size_t n = state.raw.size();
    const uint16_t* raw = state.raw.data();
    for (size_t i = 0; i < n; ++i) out[i] = convert(raw[i]);
    return 0;
}

int floatTemperatures(PictureState& state, float* out)
{
    if (state.redun.tempDataFlag)
        return pixelTemperatures(state, out, [](uint16_t v) { return float(int16_t(v)) / 10.0f; });
    // The padded table: a plain lookup, no clamp per pixel.
    const float* table = state.table.data();
    return pixelTemperatures(state, out, [table](uint16_t v) { return table[v]; });
}

int shortTemperatures(PictureState& state, int16_t* out)
{
    if (state.redun.tempDataFlag) return pixelTemperatures(state, out, [](uint16_t v) { return int16_t(v); });
    const int16_t* table = state.tenthsTable();
    return pixelTemperatures(state, out, [table](uint16_t v) { return table[v]; });
}

}  // namespace

extern "C" {

int HM_readAXPicViewFile(const char* path)
{
    return PictureState::withLocked([&](PictureState& s) { return PictureFile::read(s, path); });
}

int HM_saveAXPicViewInfo(void)
{
    return PictureState::withLocked([](PictureState& s) { return PictureFile::save(s); });
}

int HM_freeAXPicViewInfo(void)
{
    return PictureState::withLocked([](PictureState& s) {
        s.freeFrame();
        s.freeImages();
        s.path.clear();
        return 0;
    });
}

int HM_analyRadioData(const ThermalGraphHeader* header, const void* src)
{
    return PictureState::withLocked([&](PictureState& s) { return PictureFile::takeRadioData(s, header, src); });
}

int HM_freeRadioData(void)
{
    return PictureState::withLocked([](PictureState& s) {
        s.freeFrame();
        return 0;
    });
}

int HM_getYuvHeaderInfo(YuvBufInfo* dst, int which)
{
    if (!dst) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        *dst = s.yuvHeader[which == 0 ? 0 : 1];
        return 0;
    });
}

int HM_getYuvData(void* dst, int which)
{
    if (!dst) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        const int i = which == 0 ? 0 : 1;
        if (!s.yuvLoaded[i]) return -1;
        if (!s.yuvData[i].empty()) std::memcpy(dst, s.yuvData[i].data(), s.yuvData[i].size());
        return 0;
    });
}

int HM_getAxThrmGraphHeaderInfo(ThermalGraphHeader* header)
{
    if (!header) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        header->width = s.width;
        header->height = s.height;
        header->memLen = uint32_t(s.width) * uint32_t(s.height) * 2u;
        return s.hasFrame() ? 0 : -1;
    });
}

int HM_getAxThrmGraph(void* dst)
{
    if (!dst) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        if (!s.hasFrame()) return -1;
        std::memcpy(dst, s.raw.data(), s.raw.size() * sizeof(uint16_t));
        return 0;
    });
}

int HM_getPicGlobalRuleConfig(PicGlobalRuleConfigParam* param)
{
    if (!param) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        const PicViewInfo& i = s.info;
        *param = {i.emissivity, i.distance, 25.0f, i.envTemp, i.tempUnit, i.humidity, i.globalParam7, i.globalParam8};
        TC_PLOG("HM_getPicGlobalRuleConfig:picGlobalRuleConfigParam->fEnvTemp:%f!", double(param->fEnvTemp));
        return 0;
    });
}

int HM_setPicGlobalRuleConfig(const PicGlobalRuleConfigParam* param)
{
    if (!param) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        TC_PLOG("######### HM_setPicGlobalRuleConfig ##########");
        PicViewInfo& i = s.info;
        i.emissivity = param->emissivity;
        i.distance = param->distance;
        i.envTemp = param->fEnvTemp;
        i.tempUnit = param->tempUnit;
        i.humidity = param->humidity;
        i.globalParam7 = param->param7;
        i.globalParam8 = param->param8;
        s.rebuildTable();
        TC_PLOG("envTemp = %f,radiance = %f,thermoDistance = %f", double(i.envTemp), double(i.emissivity),
                double(i.distance));
        return 0;
    });
}

int HM_getPicRuleConfigInfo(PicRuleConfigInfo* info)
{
    if (!info) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        const int count = clampedRuleCount(s.info);
        info->count = count;
        for (int k = 0; k < count; ++k) {
            const PicViewRuleConfig& src = s.info.rules[k];
            PicRuleConfig& dst = info->rules[k];
            std::memset(&dst, 0, sizeof dst);
            dst.ruleId = src.ruleId;
            dst.pointNum = src.pointNum;
            dst.meterType = src.meterType;
            dst.param = src.param;
            dst.bLocalEnable = src.bLocalEnable;
            std::memcpy(dst.points, src.points, sizeof dst.points);
            FixedText::copy(dst.name, sizeof dst.name, src.name, sizeof src.name, sizeof dst.name - 1);
            dst.emissivity = src.emissivity;
            dst.distance = src.distance;
            dst.reflectedTemp = src.reflectedTemp;
            dst.alarmMode = src.alarmMode;
            dst.alarmThreshold = src.alarmThreshold;
        }
        return 0;
    });
}

int HM_setPicRuleConfigInfo(const PicRuleConfigInfo* info)
{
    if (!info) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        if (info->count < 0 || info->count > THERMCORE_MAX_PIC_RULES) {
            TC_PLOG("Rule count out of range!");
            return -1;
        }
        TC_PLOG("######### HM_setPicRuleConfigInfo ##########");
        std::memset(s.info.rules, 0, sizeof s.info.rules);
        s.info.ruleCount = info->count;
        for (int k = 0; k < info->count; ++k) {
            const PicRuleConfig& src = info->rules[k];
            PicViewRuleConfig& dst = s.info.rules[k];
            dst.ruleId = src.ruleId;
            dst.meterType = src.meterType;
            dst.param = src.param;
            dst.pointNum = src.pointNum;
            dst.bLocalEnable = src.bLocalEnable;
            dst.emissivity = src.emissivity;
            dst.distance = src.distance;
            dst.reflectedTemp = src.reflectedTemp;
            dst.alarmMode = src.alarmMode;
            dst.alarmThreshold = src.alarmThreshold;
            FixedText::copy(dst.name, sizeof dst.name, src.name, sizeof src.name, sizeof dst.name - 1);
            std::memcpy(dst.points, src.points, sizeof dst.points);
            TC_PLOG("rule %d---->envTemp = %f,radiance = %f,thermoDistance = %f,bLocalEnable = %d", k,
                    double(src.reflectedTemp), double(src.emissivity), double(src.distance), src.bLocalEnable);
        }
        return 0;
    });
}

int HM_getRuleShowState(PicRuleShowState* state)
{
    if (!state) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        for (int i = 0; i < 3; ++i) state->show[i] = int8_t(s.info.rules[0].show[i]);
        return 0;
    });
}

int HM_setRuleShowState(const PicRuleShowState* state)
{
    if (!state) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        const int count = clampedRuleCount(s.info);
        for (int k = 0; k < count; ++k)
            for (int i = 0; i < 3; ++i) s.info.rules[k].show[i] = uint8_t(state->show[i] & 0xFF);
        return 0;
    });
}

int HM_getPicManageParam(PicManageParam* param)
{
    if (!param) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        param->value0 = s.info.manage0;
        param->value1 = s.info.manage1;
        param->notePresent = FixedText::length(s.info.text, sizeof s.info.text) > 0 ? 1 : 0;
        return 0;
    });
}

int HM_setPicManageParam(const PicManageParam* param)
{
    if (!param) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        s.info.manage0 = param->value0;
        s.info.manageCleared = 0;
        s.info.manage1 = param->value1;
        return 0;
    });
}

int HM_getPicExtendInfo(PicExtendInfo* info)
{
    if (!info) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        FixedText::copy(info->text, sizeof info->text, s.info.extendText, sizeof s.info.extendText,
                        sizeof info->text - 1);
        info->value = s.info.extendValue;
        return 0;
    });
}

int HM_setPicExtendInfo(const PicExtendInfo* info)
{
    if (!info) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        FixedText::copy(s.info.extendText, sizeof s.info.extendText, info->text, sizeof info->text,
                        sizeof info->text - 1);
        s.info.extendValue = info->value;
        return 0;
    });
}

int HM_getText(char* text)
{
    if (!text) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        FixedText::copy(text, sizeof s.info.text, s.info.text, sizeof s.info.text, sizeof s.info.text - 1);
        return 0;
    });
}

int HM_setText(const char* text)
{
    if (!text) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        if (strnlen(text, sizeof s.info.text) > sizeof s.info.text - 1) {
            TC_PLOG("text length is out of range");
            return -1;
        }
        FixedText::copy(s.info.text, sizeof s.info.text, text, 0, sizeof s.info.text - 1);
        return 0;
    });
}

// Plain i32 fields of the information block: one getter and one setter each.
#define THERMCORE_INFO_FIELD(getter, setter, member)           \
    int getter(int32_t* value)                                 \
    {                                                          \
        if (!value) return -1;                                 \
        return PictureState::withLocked([&](PictureState& s) { \
            *value = s.info.member;                            \
            return 0;                                          \
        });                                                    \
    }                                                          \
    int setter(const int32_t* value)                           \
    {                                                          \
        if (!value) return -1;                                 \
        return PictureState::withLocked([&](PictureState& s) { \
            s.info.member = *value;                            \
            return 0;                                          \
        });                                                    \
    }

THERMCORE_INFO_FIELD(HM_getColorType, HM_setColorType, colorType)
THERMCORE_INFO_FIELD(HM_getChannel, HM_setChannel, channel)
THERMCORE_INFO_FIELD(HM_getSuperResolutionStat, HM_setSuperResolutionStat, superResolution)
THERMCORE_INFO_FIELD(HM_getFlipDirection, HM_setFlipDirection, flipDirection)
#undef THERMCORE_INFO_FIELD

int HM_getIsoThermParam(void* param)
{
    if (!param) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        std::memcpy(param, s.info.isoTherm, sizeof s.info.isoTherm);
        return 0;
    });
}

int HM_setIsoThermParam(const void* param)
{
    if (!param) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        std::memcpy(s.info.isoTherm, param, sizeof s.info.isoTherm);
        return 0;
    });
}

int HM_getParamsState(int32_t* value)
{
    if (!value) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        *value = s.info.paramsState;
        return 0;
    });
}

int HM_setParamsState(int32_t value)
{
    return PictureState::withLocked([&](PictureState& s) {
        s.info.paramsState = value;
        return 0;
    });
}

int HM_updateTemperatureHash(void)
{
    return PictureState::withLocked([](PictureState& s) {
        s.rebuildTable();
        return 0;
    });
}

int HM_getAxPixelsTemperature(int32_t fusionMode, float* out)
{
    TC_PLOG("######### HM_getAxPixelsTemperature ##########");
    if (!out || fusionMode != 0) {
        TC_PLOG("pPixelsTemp is NULL or fusionMode is flase!");
        return -1;
    }
    return PictureState::withLocked([&](PictureState& s) { return floatTemperatures(s, out); });
}

int HM_getAxPixelsTemperature_short16(int32_t fusionMode, int16_t* out)
{
    TC_PLOG("######### HM_getAxPixelsTemperature ##########");
    if (!out || fusionMode != 0) {
        TC_PLOG("pPixelsTemp is NULL or fusionMode is flase!");
        return -1;
    }
    return PictureState::withLocked([&](PictureState& s) { return shortTemperatures(s, out); });
}

int HM_rawDataTransformTemp(const ThermalGraphHeader* header, const void* src, float* out)
{
    if (!out) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        if (PictureFile::takeRadioData(s, header, src) != 0) return -1;
        return floatTemperatures(s, out);
    });
}

int HM_rawDataTransformTemp_short16(const ThermalGraphHeader* header, const void* src, int16_t* out)
{
    if (!out) return -1;
    return PictureState::withLocked([&](PictureState& s) {
        if (PictureFile::takeRadioData(s, header, src) != 0) return -1;
        return shortTemperatures(s, out);
    });
}

int HM_setEmissivityModelEnable(uint32_t enable)
{
    return PictureState::withLocked([&](PictureState& s) {
        s.redun.emissModelV2 = uint8_t(enable & 0xFF);
        TC_PLOG("set emissivityModelV2Enable %d", int(s.redun.emissModelV2));
        return 0;
    });
}

int writeHeatMapLog(int32_t enable)
{
    return thermcore::Logger::instance().setPictureLog(enable != 0);
}

}  // extern "C"
