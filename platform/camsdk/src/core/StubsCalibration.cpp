#include "StubCall.h"

// Second and full blackbody calibration.
#define CAMSDK_STUBS_CALIBRATION(X)                                                         \
    X(TemperatureCalibrationInit, (void), ())                                               \
    X(GetTemperatureCalibrationBalancedState, (int* state), ("state", state))               \
    X(SetTemperatureCalibrationRECT, (USBSDK_Rules * out), ("out", out))                    \
    X(SetSaveTemperatureCalibrationRECT, (USBSDK_Rules rules), ("rules", rules))            \
    X(SetTemperatureCalibrationBlackBodyTemp, (USBSDK_BlackBodyTemp bb), ("bb", bb))        \
    X(SetAutoTemperatureCalibration, (int state), ("state", state))                         \
    X(GetAutoTemperatureCalibrationProgress, (int* progress), ("progress", progress))       \
    X(GetTemperatureCalibrationResult, (USBSDK_TemperatureCalibraResult * r), ("r", r))     \
    X(SetTemperatureCalibrationTime, (void), ())                                            \
    X(SetTemperatureCalibrationDefault, (void), ())                                         \
    X(SetFullCalibrationPodEnable, (unsigned int on), ("on", on))                           \
    X(GetFullCalibrationPodEnable, (unsigned int* on), ("on", on))                          \
    X(SetFullCalibrationCollectMode, (unsigned int mode), ("mode", mode))                   \
    X(SetFullCalibrationCalTime, (unsigned int minutes), ("minutes", minutes))              \
    X(SetFullCalibrationRECT, (USBSDK_Rules rules), ("rules", rules))                       \
    X(SetFullCalibrationCollect, (void), ())                                                \
    X(SetFullCalibrationCalibrate, (void), ())                                              \
    X(SetFullCalibrationSingleGearVerify, (void), ())                                       \
    X(SetFullCalibrationComprehensiveVerify, (void), ())                                    \
    X(SetFullCalibrationDefault, (void), ())                                                \
    X(SetFullCalibrationSaveConfig, (void), ())                                             \
    X(GetFullCalibrationCollectConfig, (USBSDK_FullCalibrationCollectConfig * c), ("c", c)) \
    X(GetFullCalibrationCollectTable, (USBSDK_FullCalibrationCollectTable * t), ("t", t))   \
    X(GetTemperatureCalibrationConfig, (const char* folder), ("folder", folder))            \
    X(SetTemperatureCalibrationConfig, (const char* file), ("file", file))

extern "C" {
CAMSDK_STUBS_CALIBRATION(CAMSDK_STUB)
}  // extern "C"
