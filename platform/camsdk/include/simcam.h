/*
 * simcam - test controls of the simulated camera behind camsdk.h.
 *
 * Tests drive the simulator through these calls: device count and profiles,
 * scene, fault injection, unplug and replug, stream faults, timings and
 * outcomes, the simulator clock and the call log.
 *
 * Conventions
 *   - int results: 1 done, 0 refused (index out of range, bad value, or the
 *     simulator backend not enabled). They never change USBSDK_GetLastError.
 *   - Thread-safe and callable at any time (they initialise the layer like
 *     any USBSDK_ call); effective at once unless a comment says otherwise.
 *   - index is the simulated device index 0..count-1; -1 means layer-wide
 *     where a call allows it.
 *   - Deterministic: no randomness, and with the manual clock no dependence
 *     on real time.
 *   - Buffers belong to the caller and are used during the call only.
 */
#ifndef SIMCAM_H
#define SIMCAM_H

#include "camsdk.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

/* Identity, capabilities and stream of one simulated device. Test-only: its
 * layout carries no promise. Capability flags, type, raw output, layout,
 * size and rate act at once; identity at the next listing and open. */
typedef struct SIMCAM_DeviceProfile {
    char name[256];               /* "SimCam Thermal #1", #2, ... */
    char serial[32];              /* "SIM00000001": "SIM" and index + 1 in 8 digits */
    char softwareVersion[32];     /* "SIMCAM-V1.0.0" */
    char partNumber[32];          /* initial saved part number, "SIM-PN-0001" */
    char materialsPartNumber[32]; /* "SIM-MPN-0001" */
    int port;                     /* 3 + index: list entry, serial-mode open */
    int streamFlag;               /* 1: list entry's stream flag */
    int width;                    /* 640 */
    int height;                   /* 512 */
    int fps;                      /* 25 */
    int deviceType;               /* 1: 0 observation, 1 temperature-measuring */
    int rawOutput;                /* 1: frames carry raw data (type 1 only) */
    int redunType;                /* 1: RedunData layout */
    /* Capability queries, 1 each by default. */
    int supportExtreme;
    int supportLowTempTwoGear;
    int supportTwoSFFC;
    int supportDeltaB;
    int supportNewColor;
    int supportIsp;
    int supportIsothermMode;
    int supportSuperRes;
    int supportRawDataType;
    /* 0 each by default. */
    int refrigerated;
    int supportRedunInfoFlip;
} SIMCAM_DeviceProfile;

/* The synthetic scene of one device, in degrees C. Positions are normalised
 * pixel-centre coordinates u, v of the raw frame (sensor orientation); radii
 * and ramps are in units of the frame width. Defaults in comments. */
typedef struct SIMCAM_Scene {
    double bgBase;          /* 20.0: background T = bgBase + bgGradV * v + bgGradU * u */
    double bgGradV;         /* 8.0 */
    double bgGradU;         /* 2.0 */
    int rectOn;             /* 1: warm rectangle */
    double rectTemp;        /* 37.0 */
    double rectU0;          /* 0.08: u in [rectU0, rectU1), v in [rectV0, rectV1) */
    double rectV0;          /* 0.10 */
    double rectU1;          /* 0.22 */
    double rectV1;          /* 0.30 */
    int coldOn;             /* 1: cold disc */
    double coldTemp;        /* 5.0 */
    double coldU;           /* 0.85: centre */
    double coldV;           /* 0.85 */
    double coldRadius;      /* 0.04 */
    double coldRamp;        /* 0.02 */
    int hotOn;              /* 1: hot disc */
    double hotTemp;         /* 65.0 */
    double hotRadius;       /* 0.05 */
    double hotRamp;         /* 0.025 */
    int hotMotion;          /* 1: the disc circles the centre */
    double hotPeriodS;      /* 10.0: seconds per turn */
    double hotPhase;        /* 0.0: angle at frame 0 and while motion is off */
    double hotPathU;        /* 0.25: path radius along u */
    double hotPathV;        /* 0.25: path radius along v */
    int blackbodyOn;        /* 0: blackbody patches at the calibration boxes */
    double sceneEmissivity; /* 0.97 */
    double sceneReflected;  /* 25.0; fixed: SIMCAM_SetScene refuses another value */
    double displayNoise;    /* 1.5 */
    int defectsOn;          /* 1: stuck pixels and the bright column */
} SIMCAM_Scene;

/* One entry of the call log (400 bytes). Inputs are "name=value" pairs in
 * signature order joined by ", "; floats with 3 decimals, strings quoted,
 * records summarised, output pointers as "out". */
typedef struct SIMCAM_CallRecord {
    uint64_t seq;      /* entry order, from 1 */
    int64_t clockMs;   /* simulator time at entry */
    uint64_t threadId; /* Linux thread id of the caller */
    char function[48]; /* full name, e.g. "USBSDK_SetColor" */
    char args[192];    /* inputs */
    char outputs[128]; /* outputs written on success */
    int32_t result;    /* the call's result */
    int32_t error;     /* the error this call set, 0 if none */
} SIMCAM_CallRecord;

/* Stream faults of SIMCAM_SetStreamFault. Buffers always hold
 * width * height * 2 (+ USBSDK_REDUNDATA_SIZE) bytes, so a sink that trusts
 * the dimensions stays inside them. */
typedef enum SIMCAM_StreamFault {
    SIMCAM_FAULT_NONE = 0,
    SIMCAM_FAULT_RAW_MISSING = 1,       /* pRaw NULL on a type-1 device */
    SIMCAM_FAULT_YUV_LEN_SHORT = 2,     /* nYuvLen 2 bytes short */
    SIMCAM_FAULT_RAW_LEN_NO_BLOCK = 3,  /* nRawLen without the radiometric block */
    SIMCAM_FAULT_BLOCK_WIDTH = 4,       /* RedunData window width + 1 */
    SIMCAM_FAULT_ZERO_SIZE_EVERY10 = 5, /* every 10th frame with width and height 0 */
    SIMCAM_FAULT_NULL_YUV_EVERY10 = 6   /* every 10th frame with pYuv NULL */
} SIMCAM_StreamFault;

/* Outcomes of a firmware flash (SIMCAM_SetUpdateBehaviour). */
typedef enum SIMCAM_UpdateOutcome {
    SIMCAM_UPDATE_SUCCESS = 0,
    SIMCAM_UPDATE_VERIFY_FAILS = 1, /* USBSDK_ERR_FILE_VERIFY before the flash */
    SIMCAM_UPDATE_DEVICE_FAILS = 2  /* USBSDK_ERR_DEVICE_FAILED at 50 % */
} SIMCAM_UpdateOutcome;

/* Rule sets kept for SIMCAM_GetLastRules. */
typedef enum SIMCAM_RuleSet {
    SIMCAM_RULES_CLIENT = 0,     /* USBSDK_SetThermalRules */
    SIMCAM_RULES_DEVICE = 1,     /* USBSDK_SetDeviceThermalRules */
    SIMCAM_RULES_SECOND_CAL = 2, /* second-calibration boxes */
    SIMCAM_RULES_FULL_CAL = 3    /* full-calibration rectangles */
} SIMCAM_RuleSet;

/* ------------------------------------------------------------------------ */
/* Layer and devices                                                         */
/* ------------------------------------------------------------------------ */

/* 1 when the simulator backend is enabled. */
CAMSDK_API int SIMCAM_IsActive(void);
/* Back to the start configuration: closes any session synchronously,
 * recreates the devices from the environment, clears faults, scripts, call
 * log, scene changes, collected data and saved settings, restores the clock
 * mode, last error 0, connect type 0. Keeps the device-change callback. */
CAMSDK_API void SIMCAM_Reset(void);
/* 0..8 devices; new ones get default profiles; removing the open device
 * loses its session as an unplug does. */
CAMSDK_API int SIMCAM_SetDeviceCount(int n);
/* Profile of a device, copied out or in. */
CAMSDK_API int SIMCAM_GetDeviceProfile(int index, SIMCAM_DeviceProfile* out);
CAMSDK_API int SIMCAM_SetDeviceProfile(int index, const SIMCAM_DeviceProfile* p);
/* Frame size (even width 16..1280, height 16..1024), from the next frame. */
CAMSDK_API int SIMCAM_SetFrameSize(int index, int width, int height);
/* Scene, from the next produced frame. */
CAMSDK_API int SIMCAM_SetScene(int index, const SIMCAM_Scene* s);
CAMSDK_API int SIMCAM_GetScene(int index, SIMCAM_Scene* s);
/* True scene temperature of raw pixel (x, y), sensor orientation, of the
 * last produced frame. */
CAMSDK_API int SIMCAM_GetTruth(int index, int x, int y, float* tempC);

/* ------------------------------------------------------------------------ */
/* Faults                                                                    */
/* ------------------------------------------------------------------------ */

/* The next count calls of function (with or without "USBSDK_") fail with
 * errorCode (0: USBSDK_ERR_INJECTED); count -1 every call until cleared,
 * 0 clears. A failing call has no side effect and writes no output; status
 * queries return their "no device" value; USBSDK_GetDevInfoList returns 0. */
CAMSDK_API int SIMCAM_FailNext(const char* function, int count, int errorCode);
/* Clears every injected failure, the open-attempt rule, connect
 * confirmation and stream faults. */
CAMSDK_API void SIMCAM_ClearFaults(void);
/* n >= 1: the first n - 1 of the next opens fail with TIMEOUT; 0: every open
 * fails until changed. Default 1. */
CAMSDK_API int SIMCAM_SetOpenSucceedsOnAttempt(int n);
/* 0: USBSDK_Connect stays 0 while a session is open ("opened but never
 * confirmed"); 1 (default) restores. */
CAMSDK_API int SIMCAM_SetConnectConfirms(int on);
/* Unplug: frames stop synchronously, the device leaves the list, an open
 * session is lost, device-change event 0. Replug: listed again, event 1. */
CAMSDK_API int SIMCAM_Unplug(int index);
CAMSDK_API int SIMCAM_Replug(int index);
/* 0: frames stop although the device stays present and connected; 1 resumes. */
CAMSDK_API int SIMCAM_SetStreaming(int index, int on);
/* One of SIMCAM_StreamFault. */
CAMSDK_API int SIMCAM_SetStreamFault(int index, int fault);
/* Firmware flashes: duration (default 4000 ms), SIMCAM_UpdateOutcome, reboot
 * length after the flash (default 3000 ms). */
CAMSDK_API int SIMCAM_SetUpdateBehaviour(int durationMs, int outcome, int rebootMs);

/* ------------------------------------------------------------------------ */
/* Knobs and state                                                           */
/* ------------------------------------------------------------------------ */

/* Numeric knobs and state by key. Per device (index 0..count-1):
 *   timings, ms unless noted: openMs 50, connectConfirmMs 0, shutterMs 400,
 *     nucStepMs 1000, sffcCollectMs 2000, badPixelDetectMs 500, bgFfcMs 200,
 *     saveMs 100, tecCorrectMs 500, proDebugMs 20, updateMs 4000,
 *     rebootMs 3000, warmupMs 15000, secondCalMs 8000, fullCalStepMs 3000,
 *     fullCalSecondsPerMinute 0.2 (s), driftRiseRate 1.0 (C/s),
 *     driftCheckMs 3000;
 *   outcomes (-1 = computed): balanced -1, nucRate 12345, uniformity -1,
 *     tecCompensation 1.25, sffcEnvironment -1, driftCollectOk 1,
 *     driftCheckQualified 1, secondCalResult 1, secondCalStallAt -1,
 *     fullCalOk 1, housingOffset 0.0 (C);
 *   read-only state: present, open, lost, sleeping, flashing, rebooting,
 *     sinks, streaming, frameSeq, framesDelivered, palette, flip, gainMode,
 *     gearAuto, gear, brightness, contrast, sharpness, wideDynamic, ispMode,
 *     isothermOn, pseudoIsothermOn, crossCursor, crossColour, hotSpotSwitch,
 *     coldSpotSwitch, ffcMode, ffcTime, shutter, outputMode, superRes,
 *     rawType, sffcEnable, driftSwitch, driftStatus, driftRise, thermalOpen,
 *     clientRules, deviceRules, badPixels, badCols, autoRemoved,
 *     calibProgress, updateProgress, dataSamples, focusPos, zoomPos,
 *     housingTemp, distance, emissivity, openAttempts.
 * Layer-wide (index -1): connectType and lastError (read), callLogEnabled 1,
 * callLogCapacity 20000 (ring entries), epoch 1704067200 (manual-clock time
 * stamps). */
CAMSDK_API int SIMCAM_SetValue(int index, const char* key, double v);
CAMSDK_API int SIMCAM_GetValue(int index, const char* key, double* v);

/* ------------------------------------------------------------------------ */
/* Clock                                                                     */
/* ------------------------------------------------------------------------ */

/* 0 real (default), 1 manual: time then moves only with the two calls below. */
CAMSDK_API int SIMCAM_SetClockMode(int manual);
/* Manual clock: advances time, producing and delivering due frames and
 * running due events in time order; returns once they are delivered (it
 * waits for those callbacks without holding the layer's lock). */
CAMSDK_API int SIMCAM_AdvanceTime(int ms);
/* Manual clock: advances by n frame periods. */
CAMSDK_API int SIMCAM_StepFrames(int n);
/* Simulator time in ms since the layer started. */
CAMSDK_API long long SIMCAM_Now(void);

/* ------------------------------------------------------------------------ */
/* Call log and scripted answers                                             */
/* ------------------------------------------------------------------------ */

/* Copies the oldest min(capacity, stored) records into the caller's array,
 * oldest first; *total = records stored, *overwritten = records lost to the
 * ring since the last clear. */
CAMSDK_API int SIMCAM_GetCallLog(SIMCAM_CallRecord* out, int capacity, int* total, long long* overwritten);
/* Empties the log. */
CAMSDK_API void SIMCAM_ClearCallLog(void);
/* Completed logged calls of function since the last clear (overwritten ones
 * included; 0 for the unlogged status queries). */
CAMSDK_API int SIMCAM_CountCalls(const char* function);
/* Last rule set received, one of SIMCAM_RuleSet. */
CAMSDK_API int SIMCAM_GetLastRules(int index, int which, USBSDK_Rules* out);
/* Scripts the answer to a protocol-debug command (len -1 removes it); reply
 * is copied during the call. */
CAMSDK_API int SIMCAM_SetProDebugReply(int cmdId, int status, const unsigned char* reply, int len);
/* Appends n data-collection samples at once. */
CAMSDK_API int SIMCAM_AddDataCollectSamples(int index, int n);
/* The layer's last error, without a call-log entry. */
CAMSDK_API int SIMCAM_GetLastError(void);

/* ------------------------------------------------------------------------ */
/* Layout checks                                                             */
/* ------------------------------------------------------------------------ */

CAMSDK_CHECK_SIZE(SIMCAM_CallRecord, 400);
CAMSDK_CHECK_ALIGN(SIMCAM_CallRecord, 8);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, clockMs, 8);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, threadId, 16);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, function, 24);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, args, 72);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, outputs, 264);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, result, 392);
CAMSDK_CHECK_AT(SIMCAM_CallRecord, error, 396);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* SIMCAM_H */
