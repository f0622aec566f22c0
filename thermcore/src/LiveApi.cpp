// Exported functions of the live side. Each takes the live lock for its
// whole run and fails while the live side is not initialised.
#include <algorithm>
#include <cstring>
#include <string>

#include "LiveState.h"
#include "Logger.h"
#include "thermcore.h"

using thermcore::LiveState;
using thermcore::Logger;

#define LIVE_LOG(...) TC_LOG(::thermcore::LogChannel::Live, __VA_ARGS__)

namespace {

float fahrenheitToCelsius(float t)
{
    return (t - 32.0f) * 5.0f / 9.0f;
}

// Dumps one distance table into the live log.
void logDistanceTable(const char* title, const DistCompTable& t)
{
    if (!Logger::instance().enabled(thermcore::LogChannel::Live)) return;
    LIVE_LOG("%s width %d hight %d", title, t.colNum, t.rowNum);
    const int rows = std::min(std::max(t.rowNum, 0), 10), cols = std::min(std::max(t.colNum, 0), 10);
    std::string line = "\t";
    for (int j = 0; j < cols; ++j) line += std::to_string(t.distances[j]) + "\t";
    LIVE_LOG("%s", line.c_str());
    for (int i = 0; i < rows; ++i) {
        line = std::to_string(t.temperatures[i]) + "\t";
        for (int j = 0; j < cols; ++j) line += std::to_string(t.corrections[i][j]) + "\t";
        LIVE_LOG("%s", line.c_str());
    }
}

}  // namespace

extern "C" {

int RADAPI_Init(void)
{
    return LiveState::init();
}

int RADAPI_release(void)
{
    return LiveState::withLocked([](LiveState&) { return LiveState::release(); });
}

int RADAPP_release(void)
{
    return LiveState::withLocked([](LiveState& s) {
        s.releaseBuffers();
        return 0;
    });
}

int RADAPI_setRadiometryRuleConfig(const RADAPI_SpotRules* rules)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!rules) {
            Logger::console("Parameter pRuleConfig is NULL!");
            return -1;
        }
        LIVE_LOG("RADAPI_setRADIORuleConfig is start count=%d!", rules->count);
        if (s.rules.set(s, *rules) != 0) {
            LIVE_LOG("RADAPP_setRules fail.");
            return -1;
        }
        return 0;
    });
}

int RADAPI_getRadiometryTemperature(int32_t ruleId, RADAPI_TempInfo* result)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!result) {
            Logger::console("Parameter pTempInfo is NULL!");
            return -1;
        }
        LIVE_LOG("######### RADAPI_getRADIOTemperature ##########");
        LIVE_LOG("ruleId = %d", ruleId);
        RADAPI_TempInfo info{};
        info.ruleId = ruleId;
        const int rc = s.rules.ruleTemperature(s, ruleId, &info);
        if (rc != 0) LIVE_LOG("RADIOGetRuleTemperature fail.");
        LIVE_LOG("ruleId = %d,temperatureMax=%f,temperatureMin=%f,temperatureAve=%f", ruleId, double(info.maximum),
                 double(info.minimum), double(info.average));
        LIVE_LOG("hotPoint[%d,%d],cold[%d,%d]", info.hot.x, info.hot.y, info.cold.x, info.cold.y);
        *result = info;
        return rc;
    });
}

int RADAPI_getRegionTemperature(const RADAPI_Polygon* polygon, RADAPI_TempInfo* result)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!polygon) {
            Logger::console("polygon is NULL.");
            return -1;
        }
        if (!result) {
            Logger::console("tempInfo is NULL.");
            return -1;
        }
        LIVE_LOG("RADAPI_getRegionTemperature.");
        RADAPI_TempInfo info = *result;
        const RADAPI_Polygon copy = *polygon;
        const int rc = s.rules.regionTemperature(s, copy, &info);
        if (rc != 0) {
            LIVE_LOG("RADAPP_getArbitraryRegionTemperature failed, status=%d", rc);
            return rc;
        }
        result->average = info.average;
        result->maximum = info.maximum;
        result->minimum = info.minimum;
        result->hot = info.hot;
        result->cold = info.cold;
        LIVE_LOG("RADAPI_getRegionTemperature:temperatureAve = %f,temperatureMax = %f,temperatureMin = %f",
                 double(info.average), double(info.maximum), double(info.minimum));
        LIVE_LOG("RADAPI_getRegionTemperature :hotPoint:[%d,%d],coldPoint = [%d,%d]", info.hot.x, info.hot.y,
                 info.cold.x, info.cold.y);
        return 0;
    });
}

int RADAPI_setRadioMetryOptions(const RADAPI_RadioMetryOptions* options)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!options) {
            Logger::console("Parameter pOption is NULL!");
            return -1;
        }
        LIVE_LOG("######### RADAPI_setRADIOOptions ##########");
        LIVE_LOG("relativeHumidity = %d,", options->relativeHumidity);
        LiveState::Options& o = s.options;
        o.emissivity = options->emissivity;
        o.distance = options->objectDistance;
        o.reflectedTemp = options->reflectedTemp;
        o.atmosphericTemp = options->atmosphericTemp;
        o.humidity = options->relativeHumidity;
        o.unit = options->tempUnit;
        LIVE_LOG("ObjectEmissivity = %f", double(o.emissivity));
        LIVE_LOG("ObjectDistanceMeter = %f", double(o.distance));
        LIVE_LOG("ReflectedTemperatureCelcius = %f", double(o.reflectedTemp));
        LIVE_LOG("AtmosphericTemperatureCelcius = %f", double(o.atmosphericTemp));
        LIVE_LOG("RelativeHumidityPercentage = %d", o.humidity);
        LIVE_LOG("tempUnit = %d", o.unit);
        if (o.unit == 1) {
            o.reflectedTemp = fahrenheitToCelsius(o.reflectedTemp);
            o.atmosphericTemp = fahrenheitToCelsius(o.atmosphericTemp);
        }
        o.reflectedTemp = 25.0f;
        return 0;
    });
}

int RADAPI_setTecHighCompensationParam(const RADAPI_TecHighCompensationParam* param)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!param) {
            Logger::console("RADAPI_setTecHighCompensationParam param is NULL!");
            return -1;
        }
        return s.tec.setHotBandTables(*param);
    });
}

int RADAPI_setCurAutoCalibrationVer(const int32_t* version)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!version) {
            Logger::console("RADAPI_setCurAutoCalibrationVer param is NULL!");
            return -1;
        }
        s.tec.setCalibrationVersion(*version);
        return 0;
    });
}

int RADAPI_setTecLinearity(const RADAPI_TecLinearity* linearity)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!linearity) {
            Logger::console("RADAPI_setTecLinearity param is NULL!");
            return -1;
        }
        s.tec.setLinearity(*linearity);
        return 0;
    });
}

int RADAPI_setCurrentTecCoef(const RADAPI_TecCoef* coef)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!coef) {
            Logger::console("RADAPI_setCurrentTecCoef param is NULL!");
            return -1;
        }
        s.tec.setCoefficients(*coef);
        return 0;
    });
}

int RADAPI_radiometrySetMsg(int32_t msgId, const void* data)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (msgId >= 2) {
            LIVE_LOG("msgId:%d out of range!", msgId);
            return -1;
        }
        if (msgId != RADAPI_MSG_GREY_DIFF && msgId != RADAPI_MSG_COMPENSATION) {
            LIVE_LOG("Unkonw msg id:%d recieved!", msgId);
            return -1;
        }
        if (!data) {
            LIVE_LOG("msg %d data is NULL!", msgId);
            return -1;
        }
        if (msgId == RADAPI_MSG_GREY_DIFF) {
            if (s.tec.setGreyDiffParam(*static_cast<const RADAPI_GreyDiffParam*>(data)) != 0) {
                LIVE_LOG("RADAPP_setGreyDiffParam fail.");
                return -1;
            }
            return 0;
        }
        const auto& param = *static_cast<const RADAPI_CompensationParam*>(data);
        if (s.tec.setCompensation(param) != 0) return -1;
        std::memcpy(s.lowThresholds, param.lowThresholds, sizeof s.lowThresholds);
        std::memcpy(s.highThresholds, param.highThresholds, sizeof s.highThresholds);
        s.distLd = param.distLd;
        s.distHd = param.distHd;
        return 0;
    });
}

int RADAPI_setDistCompenParam(const RADAPI_DistCompenParam* param)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!param) {
            LIVE_LOG("NULL pointer");
            return -1;
        }
        LIVE_LOG("enable %d rowNumLow %d  cloNumLow %d enable %d", param->enable, param->low.rowNum, param->low.colNum,
                 param->enable);
        // The host's record is 980 bytes; nothing is read behind it.
        s.distTables = *param;
        logDistanceTable("###### LOW ##### ", s.distTables.low);
        logDistanceTable("###### HIGH #####", s.distTables.high);
        return 0;
    });
}

int RADAPI_setDistanceCompensationBParam(const double coef[8])
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!coef) {
            LIVE_LOG("RADAPI_setDistanceCompensationBParam NULL pointer");
            return -1;
        }
        std::memcpy(s.distCoef, coef, sizeof s.distCoef);
        return 0;
    });
}

int RADAPI_setDiffTableCompensation(const RADAPI_DiffTableCompensation* param)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!param) {
            Logger::console("Parameter thiz or thiz->priv param is NULL!");
            return -1;
        }
        s.tec.setDiffTableCompensation(*param);
        return 0;
    });
}

int RADAPI_appRadSetFocLen(uint32_t focalLength)
{
    return LiveState::withLocked([&](LiveState& s) {
        s.focalLength = focalLength;
        LIVE_LOG("THM_appRadSetFocLen focLen = %f.", double(focalLength));
        return 0;
    });
}

int RADAPI_setNyxDftDist(uint32_t distance)
{
    return LiveState::withLocked([&](LiveState& s) {
        // A camera block, once a frame brought one, keeps its own value.
        if (s.frame().redunVersion == 0) s.defaultDistance = float(distance);
        LIVE_LOG("RADAPI_setNyxDftDist nyxDftDist = %f.", double(distance));
        return 0;
    });
}

int RADAPI_setNyxGainMode(int32_t gainMode)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!s.gainModeSet || gainMode != s.tec.gainMode()) {
            if (s.tec.setDiffTable(gainMode) != 0) LIVE_LOG("THM_appSetNyxDiffTable failed.");
            s.gainModeSet = true;
        }
        return 0;
    });
}

int RADAPI_setNyxBaseGray(int32_t baseGray)
{
    return LiveState::withLocked([&](LiveState& s) {
        s.baseGray = uint32_t(baseGray);
        LIVE_LOG("BaseGray = %d", baseGray);
        return 0;
    });
}

int RADAPI_extRawSetTherGraph(const RADAPI_ExtRawBuf* frame)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!frame || !frame->pVirtAddr) {
            LIVE_LOG("pExtRawBuf is null fail.");
            return -1;
        }
        if (s.takeFrame(*frame) != 0) {
            LIVE_LOG("RADAPP_updateRawData fail.");
            return -1;
        }
        return 0;
    });
}

int RADAPI_setThermoTempParam(const RADAPI_ThermoTempParam* param)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!param) {
            LIVE_LOG("RADAPI_setThermoTempParam NULL pointer");
            return -1;
        }
        LIVE_LOG("RADAPI_setThermoTempParam.");
        LIVE_LOG("housingTemp  = %f,boardTemp  = %f,tecTemp  = %f,baseTemp = %f.", double(param->housingTemp),
                 double(param->boardTemp), double(param->tecTemp), double(param->baseTemp));
        s.tec.setThermoTemps(*param, s.baseTempUpdateFlag);
        return 0;
    });
}

int RADAPI_setDevInfo(const RADAPI_DevInfo* info)
{
    return LiveState::withLocked([&](LiveState& s) {
        if (!info) {
            Logger::console("pInfo is NULL.");
            return -1;
        }
        s.devInfo = *info;
        s.windowWidth = info->width;
        s.windowHeight = info->height;
        s.tec.setTecSource(info->tecSource);
        return 0;
    });
}

int RADAPI_setEmissivityModelEnable(int32_t enable)
{
    return LiveState::withLocked([&](LiveState& s) {
        s.redun.emissModelV2 = enable ? 1 : 0;
        LIVE_LOG("set RADAPP_setEmissivityModelEnable: %d", enable);
        return 0;
    });
}

int RADAPI_writeLog(int32_t enable)
{
    return LiveState::withLocked([&](LiveState&) {
        if (Logger::instance().setLiveLog(enable != 0) != 0) Logger::console("RADAPP_writeLog failed, status=%d", -1);
        return 0;
    });
}

}  // extern "C"
