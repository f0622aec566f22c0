// The slots of QImageInfoExec, three families each described once.
// QImageInfoExec.h declares the slots from these tables and
// QImageInfoExec.cpp defines them; setWideDynamicSlot and the refresh are
// written out there. Every slot holds the worker's mutex for its whole body,
// emission included.
#pragma once

// X(slot, camera call): writes the request's value to the camera as it
// stands. A refused value is neither reported nor retried (the page shows
// what the user chose until the next refresh); it counts in a restore.
#define CALIDRA_IMAGEINFO_SETS(X)                      \
    X(setBrightnessSlot, USBSDK_SetBrightness)         \
    X(setContrastSlot, USBSDK_SetContrast)             \
    X(setSharpnessSlot, USBSDK_SetSharpness)           \
    X(setLCESlot, USBSDK_SetLCEValue)                  \
    X(setLocalContrastSlot, USBSDK_SetLocalContrast)   \
    X(setGlobalContrastSlot, USBSDK_SetGlobalContrast) \
    X(setNoise2DSlot, USBSDK_SetNoise2D)               \
    X(setNoise3DSlot, USBSDK_SetNoise3D)               \
    X(setGainAutoSlot, USBSDK_SetGainAuto)             \
    X(setGainModeSlot, USBSDK_SetGainMode)             \
    X(setFFCModeSlot, USBSDK_SetFFCMode)               \
    X(setFFCTimeSlot, USBSDK_SetFFCTime)

// X(slot, parameters, camera call, result signal): the call is an
// expression over the parameters whose non-zero value means success; the
// signal carries that success alone.
#define CALIDRA_IMAGEINFO_ACTIONS(X)                                                        \
    X(setIspModeSlot, (int nMode), USBSDK_SetDeviceIspMode(nMode), sendSetIspModeRetSignal) \
    X(setSaveImageParamSlot, (), sdk().SaveDevImageParam(), sendSaveImageParamRetSignal)    \
    X(setFFCSlot, (), sdk().ShutterCorrect(), sendFFCRetSignal)                             \
    X(setBackgroundFFCSlot, (), sdk().SetBackgroundFFC(), sendBackgroundFFCRetSignal)       \
    X(setPseudoIsothermSlot, (bool bEnable, short sMinLimit, short sMaxLimit),              \
      sdk().SetPseudoIsotherm(bEnable, sMinLimit, sMaxLimit), sendPseudoIsothermRetSignal)

// X(camera read, read signal, when): the refresh's reads with retries, in
// the order the camera is asked. when is Always; Gate for the wide dynamic
// read, whose value decides the Gated reads: they are made only when it is
// non-zero, whether or not that read succeeded.
#define CALIDRA_IMAGEINFO_READS(X)                                   \
    X(USBSDK_GetBrightness, setBasicBrightnessSignal, Always)        \
    X(USBSDK_GetContrast, setBasicContrastSignal, Always)            \
    X(USBSDK_GetSharpness, setBasicSharpnessSignal, Always)          \
    X(USBSDK_GetWideDynamic, setBasicWideDynamicSignal, Gate)        \
    X(USBSDK_GetLocalContrast, setBasicLocalContrastSignal, Gated)   \
    X(USBSDK_GetGlobalContrast, setBasicGlobalContrastSignal, Gated) \
    X(USBSDK_GetNoise3D, setEnhanceNoise3DSignal, Always)            \
    X(USBSDK_GetNoise2D, setEnhanceNoise2DSignal, Always)            \
    X(USBSDK_GetGainAuto, setGainAutoSignal, Always)                 \
    X(USBSDK_GetFFCMode, setFFCModeSignal, Always)                   \
    X(USBSDK_GetFFCTime, setFFCTimeSignal, Always)
