// The records the device-command worker builds for the camera from a
// request's values: blackbody temperatures, the drift save record, the
// common measuring parameters and the calibration rectangles made from the
// live rules. Plain functions of their inputs.
#pragma once

#include <QVector>

#include "camsdk.h"
#include "thermcore.h"

class DeviceCommandRecords {
public:
    // Bytes of a live rule's name that go with a second-calibration box,
    // the NUL included.
    static constexpr int kBoxNameSize = 16;

    static USBSDK_BlackBodyTemp blackBodyTemp(int lowTemp, int highTemp);
    static USBSDK_TemperDriftRecord temperDriftRecord(uint count, uint time);
    // Humidity, ambient temperature, emissivity, distance and reflected
    // temperature of the live global block.
    static USBSDK_CommonTemperParam commonTemperParam(const USBSDK_GlobalTemperParam& global);

    // The two full-calibration rectangles: id, type and the point list of
    // each live rule. False, with *out untouched, unless there are exactly 2.
    static bool fullCalibrationRects(const QVector<PicRuleConfig>& liveRules, USBSDK_Rules* out);
    // The second-calibration boxes: id, type, the geometry of the rule's type
    // and the start of its name, for the first USBSDK_MAX_RULES rules. False,
    // with *out untouched, when there is none.
    static bool secondCalibrationRects(const QVector<PicRuleConfig>& liveRules, USBSDK_Rules* out);
};
