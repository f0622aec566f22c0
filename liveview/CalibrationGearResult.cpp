#include "CalibrationGearResult.h"

#include <cstring>

namespace {

struct GearFields {
    int32_t USBSDK_TemperatureCalibraResult::*code;
    char (USBSDK_TemperatureCalibraResult::*time)[32];
};

const GearFields kGearFields[CalibrationGearResult::GearCount] = {
    {&USBSDK_TemperatureCalibraResult::lowResult, &USBSDK_TemperatureCalibraResult::lowTime},
    {&USBSDK_TemperatureCalibraResult::highResult, &USBSDK_TemperatureCalibraResult::highTime},
    {&USBSDK_TemperatureCalibraResult::low2Result, &USBSDK_TemperatureCalibraResult::low2Time},
};

}  // namespace

CalibrationGearResult CalibrationGearResult::read(const USBSDK_TemperatureCalibraResult& record, Gear gear)
{
    CalibrationGearResult out;
    if (gear < LowGear || gear >= GearCount) return out;
    const GearFields& fields = kGearFields[gear];
    out.code_ = record.*fields.code;
    out.verdict_ = out.code_ == 1 ? Qualified : out.code_ == 0 ? Unqualified : Unknown;
    const char* text = record.*fields.time;
    const size_t length = strnlen(text, sizeof(record.*fields.time));
    out.time_ = QString::fromLatin1(text, int(length));
    return out;
}

USBSDK_TemperatureCalibraResult CalibrationGearResult::unknownRecord()
{
    USBSDK_TemperatureCalibraResult record;
    std::memset(&record, 3, sizeof record);
    return record;
}
