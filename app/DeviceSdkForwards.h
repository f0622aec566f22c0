// The members of DeviceSdkWrapper that only forward to the camera layer:
// X(name, parameters, arguments) calls USBSDK_<name> arguments and reports
// a non-zero result as true. Grouped by the shape of the camera call.
#pragma once

#define CALIDRA_SDK_FORWARDS(X)                                                                                 \
    /* no argument */                                                                                           \
    X(Close, (), ())                                                                                            \
    X(Connect, (), ())                                                                                          \
    X(OpenThermalFunction, (), ())                                                                              \
    X(SetBackgroundFFC, (), ())                                                                                 \
    X(ShutterCorrect, (), ())                                                                                   \
    X(SetClearDataCollect, (), ())                                                                              \
    X(Reboot, (), ())                                                                                           \
    X(FactoryDefault, (), ())                                                                                   \
    X(SaveDevImageParam, (), ())                                                                                \
    X(SetTemperatureCalibrationTime, (), ())                                                                    \
    X(SetRefrigerationAutoFocus, (), ())                                                                        \
    X(SetAutoRemoveBadPixels, (), ())                                                                           \
    X(SetTemperatureCalibrationDefault, (), ())                                                                 \
    X(SetClearAutoRemovedBadPixels, (), ())                                                                     \
    X(SetFullCalibrationCalibrate, (), ())                                                                      \
    X(SetFullCalibrationCollect, (), ())                                                                        \
    X(SetFullCalibrationComprehensiveVerify, (), ())                                                            \
    X(SetFullCalibrationDefault, (), ())                                                                        \
    X(SetFullCalibrationSaveConfig, (), ())                                                                     \
    X(SetFullCalibrationSingleGearVerify, (), ())                                                               \
    X(SFFCCollect, (), ())                                                                                      \
    X(TemperatureCalibrationInit, (), ())                                                                       \
    X(GetDeviceType, (), ())                                                                                    \
    /* one argument */                                                                                          \
    X(Open, (const USBSDK_DeviceInfo* info), (info))                                                            \
    X(GetTemperatureCalibrationResult, (USBSDK_TemperatureCalibraResult * result), (result))                    \
    X(GetTemperatureCalibrationBalancedState, (int* state), (state))                                            \
    X(GetAutoTemperatureCalibrationProgress, (int* progress), (progress))                                       \
    X(GetColor, (int* palette), (palette))                                                                      \
    X(GetRefrigerationFocusMode, (int* mode), (mode))                                                           \
    X(GetFullCalibrationPodEnable, (unsigned int* on), (on))                                                    \
    X(GetGainMode, (int* mode), (mode))                                                                         \
    X(GetIsothermParams, (USBSDK_IsothermParams * params), (params))                                            \
    X(GetNUCBackup, (const char* path), (path))                                                                 \
    X(GetNewDataCollect, (USBSDK_NewRadiometryDataAutoCollectParam * record), (record))                         \
    X(GetOutputMode, (int* mode), (mode))                                                                       \
    X(GetSFFCEnable, (unsigned char* enable), (enable))                                                         \
    X(GetDeviceSuperResMode, (int* on), (on))                                                                   \
    X(ThermalBalanceCheck, (int* state), (state))                                                               \
    X(GetThermalRawDataType, (int* type), (type))                                                               \
    X(GetTwoSFFCEnvironment, (int* environment), (environment))                                                 \
    X(SetAutoTemperatureCalibration, (int state), (state))                                                      \
    X(SetTemperatureCalibrationRECT, (USBSDK_Rules * rules), (rules))                                           \
    X(SetColor, (int palette), (palette))                                                                       \
    X(SetRefrigerationContinuousFocus, (int direction), (direction))                                            \
    X(SetRefrigerationContinuousZoom, (int direction), (direction))                                             \
    X(SetRefrigerationFocusMode, (int mode), (mode))                                                            \
    X(SetFullCalibrationCalTime, (unsigned int minutes), (minutes))                                             \
    X(SetFullCalibrationCollectMode, (unsigned int mode), (mode))                                               \
    X(SetFullCalibrationPodEnable, (unsigned int on), (on))                                                     \
    X(SetGainMode, (int mode), (mode))                                                                          \
    X(SetOutputMode, (int mode), (mode))                                                                        \
    X(SetRefrigerationFocus, (int direction), (direction))                                                      \
    X(SetRefrigerationZoom, (int direction), (direction))                                                       \
    X(SetDeviceSuperResMode, (int on), (on))                                                                    \
    X(SetThermalRawDataType, (int type), (type))                                                                \
    X(SetCommonTemperParam, (const USBSDK_CommonTemperParam* params), (params))                                 \
    /* two arguments */                                                                                         \
    X(GetBadPixelCols, (int* cols, int capacity, int* count), (cols, capacity, count))                          \
    X(GetHotAndColdPointSwitch, (int type, unsigned char* on), (type, on))                                      \
    X(GetCrossCursorParams, (int* enable, int* colour), (enable, colour))                                       \
    X(GetLowTemperatureTwoGear, (int* automatic, int* gear), (automatic, gear))                                 \
    X(GetMaterialsPartNumber, (char* buf, int size), (buf, size))                                               \
    X(GetPartNumber, (char* buf, int size), (buf, size))                                                        \
    X(SetBadPixelCols, (const int* cols, int count), (cols, count))                                             \
    X(SetHotAndColdPointSwitch, (int type, int on), (type, on))                                                 \
    X(SetCrossCursorParams, (int enable, int colour), (enable, colour))                                         \
    X(SetLowTemperatureTwoGear, (int automatic, int gear), (automatic, gear))                                   \
    X(NUCBlackOperator, (int step, int* rate), (step, rate))                                                    \
    X(SetDevicePart, (const char* text, int len), (text, len))                                                  \
    X(GetDeviceName, (char* buf, int size), (buf, size))                                                        \
    X(GetDevResolution, (int* width, int* height), (width, height))                                             \
    X(SetDeviceConnectType, (int type, int reserved), (type, reserved))                                         \
    /* three and more arguments */                                                                              \
    X(GetBadPixels, (int* rows, int* cols, int capacity, int* count), (rows, cols, capacity, count))            \
    X(GetNUCSaveCountAndTime, (unsigned int* time, unsigned int* count, int record), (time, count, record))     \
    X(GetSFFCSaveCountAndTime, (unsigned int* time, unsigned int* count, int record), (time, count, record))    \
    X(SetBadPixels, (const int* rows, const int* cols, int count), (rows, cols, count))                         \
    X(SetNUCSaveCountAndTime, (unsigned int time, unsigned int count, int record), (time, count, record))       \
    X(SetSFFCSaveCountAndTime, (unsigned int time, unsigned int count, int record), (time, count, record))      \
    X(SetProDebug,                                                                                              \
      (int cmdId, const unsigned char* send, int sendLen, int* status, unsigned char* reply, int replyCapacity, \
       int* replyLen),                                                                                          \
      (cmdId, send, sendLen, status, reply, replyCapacity, replyLen))                                           \
    /* one float */                                                                                             \
    X(SetDeviceThermalDistance, (float metres), (metres))                                                       \
    /* a record by value */                                                                                     \
    X(SetIsothermParams, (USBSDK_IsothermParams params), (params))                                              \
    X(SetTemperatureCalibrationBlackBodyTemp, (USBSDK_BlackBodyTemp temps), (temps))                            \
    X(SetDeviceThermalRules, (USBSDK_Rules rules), (rules))                                                     \
    X(SetFullCalibrationRECT, (USBSDK_Rules rules), (rules))                                                    \
    X(SetSaveTemperatureCalibrationRECT, (USBSDK_Rules rules), (rules))

// Members that return the camera layer's integer unchanged.
#define CALIDRA_SDK_INT_FORWARDS(X)                                                    \
    X(GetDevInfoList, (USBSDK_DeviceInfo * list, int capacity), (list, capacity))      \
    X(CollectTemperDrift, (int threshold), (threshold))                                \
    X(GetTemperDriftCollectResult, (unsigned char* status, int* rise), (status, rise)) \
    X(GetTemperDriftDataAndCounts, (USBSDK_TemperDriftRecord * record), (record))      \
    X(GetTemperDriftThreshold, (int* value), (value))                                  \
    X(GetTemperDriftSwitch, (int* on), (on))                                           \
    X(SetTemperDriftSwitch, (int on), (on))                                            \
    X(SaveTemperDrift, (USBSDK_TemperDriftRecord record), (record))
