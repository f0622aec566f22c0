// Device functions whose command family is not written yet. Each one
// behaves like every device operation (call log, injected failures, session
// and presence checks) and then fails with USBSDK_ERR_NOT_SUPPORTED, so
// programs link and run today. A family's table goes away when its real
// implementation lands.
#include "ApiCall.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;

// X(name without USBSDK_, (parameters), ("name", value, ...))
// Thermal function, rules, temperatures, isotherm.
#define CAMSDK_STUBS_THERMAL(X)                                                                           \
    X(SetDeviceThermalRules, (USBSDK_Rules rules), ("rules", rules))                                      \
    X(GetDeviceThermalRules, (int ruleId, USBSDK_ThermalRuleResult* out), ("ruleId", ruleId, "out", out)) \
    X(SetDeviceThermalDistance, (float metres), ("metres", metres))                                       \
    X(SetIsothermParams, (USBSDK_IsothermParams p), ("p", p))                                             \
    X(GetIsothermParams, (USBSDK_IsothermParams * p), ("p", p))                                           \
    X(SetIsothermValue, (USBSDK_IsothermValue v), ("v", v))                                               \
    X(GetIsothermValue, (USBSDK_IsothermValue * v), ("v", v))

// Lens (cooled cameras).
#define CAMSDK_STUBS_LENS(X)                                                      \
    X(SetRefrigerationFocusMode, (int mode), ("mode", mode))                      \
    X(GetRefrigerationFocusMode, (int* mode), ("mode", mode))                     \
    X(SetRefrigerationAutoFocus, (void), ())                                      \
    X(SetRefrigerationFocus, (int direction), ("direction", direction))           \
    X(SetRefrigerationContinuousFocus, (int direction), ("direction", direction)) \
    X(SetRefrigerationZoom, (int direction), ("direction", direction))            \
    X(SetRefrigerationContinuousZoom, (int direction), ("direction", direction))

// Equilibrium, NUC, SFFC, drift, bad pixels, checks.
#define CAMSDK_STUBS_CORRECTIONS(X)                                                                                 \
    X(ThermalBalanceCheck, (int* state), ("state", state))                                                          \
    X(NUCBlackOperator, (int step, int* rate), ("step", step, "rate", rate))                                        \
    X(GetNUCSaveCountAndTime, (unsigned int* time, unsigned int* count, int record),                                \
      ("time", time, "count", count, "record", record))                                                             \
    X(SetNUCSaveCountAndTime, (unsigned int time, unsigned int count, int record),                                  \
      ("time", time, "count", count, "record", record))                                                             \
    X(GetNUCBackup, (const char* path), ("path", path))                                                             \
    X(GetSFFCEnable, (unsigned char* enable), ("enable", enable))                                                   \
    X(SetSFFCEnable, (int enable), ("enable", enable))                                                              \
    X(SFFCCollect, (void), ())                                                                                      \
    X(GetSFFCSaveCountAndTime, (unsigned int* time, unsigned int* count, int record),                               \
      ("time", time, "count", count, "record", record))                                                             \
    X(SetSFFCSaveCountAndTime, (unsigned int time, unsigned int count, int record),                                 \
      ("time", time, "count", count, "record", record))                                                             \
    X(GetTwoSFFCEnvironment, (int* env), ("env", env))                                                              \
    X(SetAutoRemoveBadPixels, (void), ())                                                                           \
    X(SetClearAutoRemovedBadPixels, (void), ())                                                                     \
    X(GetTemperDriftSwitch, (int* on), ("on", on))                                                                  \
    X(SetTemperDriftSwitch, (int on), ("on", on))                                                                   \
    X(GetTemperDriftThreshold, (int* v), ("v", v))                                                                  \
    X(CollectTemperDrift, (int threshold), ("threshold", threshold))                                                \
    X(GetTemperDriftCollectResult, (unsigned char* status, int* rise), ("status", status, "rise", rise))            \
    X(CheckTemperDrift, (void), ())                                                                                 \
    X(GetTemperDriftDataAndCounts, (USBSDK_TemperDriftRecord * r), ("r", r))                                        \
    X(SaveTemperDrift, (USBSDK_TemperDriftRecord r), ("r", r))                                                      \
    X(GetBadPixels, (int* rows, int* cols, int capacity, int* count),                                               \
      ("rows", rows, "cols", cols, "capacity", capacity, "count", count))                                           \
    X(SetBadPixels, (const int* rows, const int* cols, int n), ("rows", rows, "cols", cols, "n", n))                \
    X(GetBadPixelCols, (int* cols, int capacity, int* count), ("cols", cols, "capacity", capacity, "count", count)) \
    X(SetBadPixelCols, (const int* cols, int n), ("cols", cols, "n", n))                                            \
    X(SaveBadPixel, (void), ())                                                                                     \
    X(UniformCheck, (float threshold, float* measured), ("threshold", threshold, "measured", measured))             \
    X(ThermalTemperCorrect, (float threshold, float* value), ("threshold", threshold, "value", value))

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

// Firmware update.
#define CAMSDK_STUBS_FIRMWARE(X)                             \
    X(UpdateMainProgram, (const char* path), ("path", path)) \
    X(Update3014Program, (const char* path), ("path", path))

// Radiometric data collection.
#define CAMSDK_STUBS_COLLECTION(X)                                                   \
    X(SetDataCollectInterval, (int on, int seconds), ("on", on, "seconds", seconds)) \
    X(SetClearDataCollect, (void), ())                                               \
    X(GetNewDataCollect, (USBSDK_NewRadiometryDataAutoCollectParam * rec), ("rec", rec))

// Protocol debug.
#define CAMSDK_STUBS_PRODEBUG(X)                                                                                \
    X(SetProDebug,                                                                                              \
      (int cmdId, const unsigned char* send, int sendLen, int* status, unsigned char* reply, int replyCapacity, \
       int* replyLen),                                                                                          \
      ("cmdId", cmdId, "send", send, "sendLen", sendLen, "status", status, "reply", reply, "replyCapacity",     \
       replyCapacity, "replyLen", replyLen))

extern "C" {

#define CAMSDK_X(name, params, args)                                                                             \
    CAMSDK_API int USBSDK_##name params                                                                          \
    {                                                                                                            \
        ApiCall call("USBSDK_" #name, ArgText::of args);                                                         \
        return call.device([](CamLayer::Lock&, SimDevice&, Session&) { return int(USBSDK_ERR_NOT_SUPPORTED); }); \
    }
CAMSDK_STUBS_THERMAL(CAMSDK_X)
CAMSDK_STUBS_LENS(CAMSDK_X)
CAMSDK_STUBS_CORRECTIONS(CAMSDK_X)
CAMSDK_STUBS_CALIBRATION(CAMSDK_X)
CAMSDK_STUBS_FIRMWARE(CAMSDK_X)
CAMSDK_STUBS_COLLECTION(CAMSDK_X)
CAMSDK_STUBS_PRODEBUG(CAMSDK_X)
#undef CAMSDK_X

// Polled during updates, needs no session and always answers: with no
// flash ever run it reports (100, 0), which is also its idle answer later.
CAMSDK_API int USBSDK_GetProgress(int* maximum, int* current)
{
    CamLayer::instance();
    if (maximum) *maximum = 100;
    if (current) *current = 0;
    return 1;
}

}  // extern "C"
