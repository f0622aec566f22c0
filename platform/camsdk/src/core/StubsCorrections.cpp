#include "StubCall.h"

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

extern "C" {
CAMSDK_STUBS_CORRECTIONS(CAMSDK_STUB)
}  // extern "C"
