// One gear's line of the camera's second calibration result, as the page
// shows it: the verdict and the completion time. Plain values, any thread.
#pragma once

#include <QString>

#include <cstddef>

#include "camsdk.h"

// The camera's record; the page reads its three gears and nothing behind.
static_assert(sizeof(USBSDK_TemperatureCalibraResult) == 156, "calibration result size");
static_assert(offsetof(USBSDK_TemperatureCalibraResult, lowResult) == 0, "low gear code");
static_assert(offsetof(USBSDK_TemperatureCalibraResult, lowTime) == 4, "low gear time");
static_assert(offsetof(USBSDK_TemperatureCalibraResult, highResult) == 36, "high gear code");
static_assert(offsetof(USBSDK_TemperatureCalibraResult, highTime) == 40, "high gear time");
static_assert(offsetof(USBSDK_TemperatureCalibraResult, low2Result) == 72, "second low gear code");
static_assert(offsetof(USBSDK_TemperatureCalibraResult, low2Time) == 76, "second low gear time");
static_assert(sizeof(USBSDK_TemperatureCalibraResult::lowTime) == 32, "time text size");

class CalibrationGearResult {
public:
    // The gears in the record's order.
    enum Gear { LowGear = 0, HighGear, LowSecondGear, GearCount };
    // Codes 0 and 1 as the camera sends them; every other code is Unknown.
    enum Verdict { Unqualified = 0, Qualified = 1, Unknown = 2 };

    // The gear's code and time text. The time is Latin-1 up to its NUL or
    // the end of its 32-byte field, whichever comes first: the camera does
    // not always terminate a full field.
    static CalibrationGearResult read(const USBSDK_TemperatureCalibraResult& record, Gear gear);
    // The record the page keeps before any result arrived: every byte 3, so
    // no gear reads as qualified or unqualified.
    static USBSDK_TemperatureCalibraResult unknownRecord();

    Verdict verdict() const { return verdict_; }
    int code() const { return code_; }
    const QString& time() const { return time_; }

private:
    int code_ = 0;
    Verdict verdict_ = Unknown;
    QString time_;
};
