/*
 * camsdk - the camera layer of Calidra.
 *
 * Every camera the program talks to is reached through this C interface:
 * open a device, stream its live frames to callbacks, send every camera
 * command (image pipeline, rules, corrections, calibrations, firmware,
 * protocol debug) and read the last error. The default backend is the
 * simulated camera (its test controls are in simcam.h); a V4L2 backend will
 * sit behind the same declarations.
 *
 * Conventions
 *   - Results are int. Operations return 1 on success and 0 on failure, with
 *     the reason in USBSDK_GetLastError(). Exceptions are marked on their
 *     declaration: the device count of USBSDK_GetDevInfoList, the status
 *     queries (the value, or 0 / -1 when no session is open) and the setup
 *     calls (1 unless the layer itself failed).
 *   - On failure no output is written, so a caller's preset survives. The one
 *     exception is USBSDK_ERR_BUFFER_TOO_SMALL: the count output then holds
 *     the number of entries needed and nothing else is written. On success
 *     every output is written.
 *   - Buffers belong to the caller. The layer only reads or writes them during
 *     the call, never beyond the capacity passed with them, and keeps no
 *     pointer afterwards. Records are fixed-size and carry no capacity.
 *   - Every function is thread-safe and returns in bounded time. Calls that
 *     take time on purpose (open, NUC step, saves, firmware flash, ...) wait
 *     without the layer's state lock, so status queries answer at once
 *     meanwhile. USBSDK_Connect and the status queries read atomics only.
 *   - Text is UTF-8, paths are byte strings as the caller passes them.
 *   - Temperatures are degrees Celsius. Rule coordinates and hot/cold
 *     positions are in the 8192 x 8192 rule space over the whole raw frame,
 *     in sensor orientation (flip only changes the display frame).
 *   - Device times are uint32 seconds since 1970-01-01 UTC.
 *   - Records are little-endian, fixed-width, naturally aligned (LP64); their
 *     sizes and offsets are checked at compile time at the end of this file.
 */
#ifndef CAMSDK_H
#define CAMSDK_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#define CAMSDK_API __attribute__((visibility("default")))
#else
#define CAMSDK_API
#endif

#ifdef __cplusplus
#define CAMSDK_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#define CAMSDK_ALIGNOF(T) alignof(T)
extern "C" {
#else
#define CAMSDK_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#define CAMSDK_ALIGNOF(T) _Alignof(T)
#endif

/* ------------------------------------------------------------------------ */
/* Constants                                                                 */
/* ------------------------------------------------------------------------ */

/* The camera's radiometric block behind every raw frame; its layout is
 * thermcore's RedunData, not repeated here. */
#define USBSDK_REDUNDATA_SIZE 1368
/* Entries of a rule set (USBSDK_Rules). */
#define USBSDK_MAX_RULES 12
/* Largest bad-pixel list and bad-column list a camera keeps. */
#define USBSDK_MAX_BAD_PIXELS 256
#define USBSDK_MAX_BAD_COLS 256
/* Largest protocol-debug payload, sent or received, in bytes. */
#define USBSDK_PRODEBUG_MAX 8192
/* Entries of one data-collection page. */
#define USBSDK_DATA_COLLECT_PAGE 25
/* Side of the rule coordinate space (0..8191 on each axis). */
#define USBSDK_RULE_SPACE 8192

/* ------------------------------------------------------------------------ */
/* Errors                                                                    */
/* ------------------------------------------------------------------------ */

/* Codes read with USBSDK_GetLastError(). One process-wide value: set only by
 * a failing operation, never cleared by a success, untouched by status
 * queries; 0 until the first failure. Only 73 has a meaning fixed outside
 * this layer (the program shows "File verification error." for it). */
typedef enum USBSDK_ErrorCode {
    USBSDK_ERR_NONE = 0,               /* no failure since start */
    USBSDK_ERR_NOT_OPEN = 1,           /* no camera session is open */
    USBSDK_ERR_INVALID_ARG = 2,        /* null pointer, value out of range, malformed record */
    USBSDK_ERR_BUFFER_TOO_SMALL = 3,   /* capacity below the data; the count output holds the need */
    USBSDK_ERR_NOT_FOUND = 4,          /* device, port, rule id or frame sink not found */
    USBSDK_ERR_DEVICE_FAILED = 5,      /* the camera refused or failed the command */
    USBSDK_ERR_NOT_SUPPORTED = 6,      /* capability missing, or the frames carry no raw data */
    USBSDK_ERR_BUSY = 7,               /* flash, calibration run or collection running; too many sinks */
    USBSDK_ERR_TIMEOUT = 8,            /* the camera did not answer in time */
    USBSDK_ERR_SLEEPING = 9,           /* the camera is in sleep mode */
    USBSDK_ERR_IO = 10,                /* a file could not be created, read or written */
    USBSDK_ERR_BAD_STATE = 11,         /* a procedure step out of order */
    USBSDK_ERR_THERMAL_NOT_READY = 12, /* thermal function not open, or no radiometric frame yet */
    USBSDK_ERR_DISCONNECTED = 13,      /* the open session's device vanished (unplug, reboot) */
    USBSDK_ERR_INJECTED = 14,          /* failure injected by SIMCAM_FailNext without a code */
    USBSDK_ERR_FILE_VERIFY = 73,       /* update or calibration file failed verification */
    USBSDK_ERR_INTERNAL = 99           /* allocation or thread creation failed */
} USBSDK_ErrorCode;

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

/* Device list entry (280 bytes). Filled by USBSDK_GetDevInfoList and handed
 * back unchanged to USBSDK_Open; the program reads streamFlag, name and port
 * only (and writes port in serial mode). */
typedef struct USBSDK_DeviceInfo {
    uint32_t sdkDeviceId;    /* layer-private: backend in bits 24..31 (1 = simulator), 1-based index below */
    uint32_t streamFlag;     /* non-zero: the device delivers live video */
    char name[256];          /* UTF-8, NUL-terminated */
    uint8_t port;            /* command-port number, shown as "Com" + number */
    uint8_t sdkReserved[15]; /* layer-private: [0] = connect type when listed (0 UVC, 1 serial), rest 0 */
} USBSDK_DeviceInfo;

/* One measurement rule (144 bytes). Same layout as thermcore's
 * RADAPI_SpotRule, so the host engine takes it as it is. Coordinates are in
 * the rule space. */
typedef struct USBSDK_Rule {
    uint32_t ruleId;         /* 1..count for live rules; 1 and 2 for calibration boxes */
    uint32_t flag;           /* 1 live rules of the live page; 0 calibration boxes, camera rules */
    uint32_t type;           /* 0 point, 1 line, 2 area */
    uint32_t localParamFlag; /* 1: the three local parameters below apply */
    float localDistance;     /* metres */
    float localReflected;    /* degrees C */
    float localEmissivity;   /* 0..1 */
    uint32_t reserved0[4];
    union {
        struct {
            int32_t x, y;
        } point;
        struct {
            int32_t x1, y1, x2, y2;
        } line;
        struct {
            uint32_t pointCount; /* 1..8 */
            int32_t xy[8][2];    /* x, y pairs; only the first pointCount are used */
        } area;
        uint8_t raw[68];
    } geom;             /* by type */
    uint32_t areaShape; /* 0 polygon, 1 rectangle, 2 ellipse (a circle is sent as 2) */
    char name[28];      /* UTF-8, NUL inside the field; only calibration boxes carry one */
} USBSDK_Rule;

/* A rule set (1732 bytes), passed by value. Unused entries are zero. */
typedef struct USBSDK_Rules {
    uint32_t count; /* valid entries, 0..USBSDK_MAX_RULES */
    USBSDK_Rule rule[USBSDK_MAX_RULES];
} USBSDK_Rules;

/* Isotherm display (16 bytes); off is sent as 16 zero bytes. */
typedef struct USBSDK_IsothermParams {
    int32_t on;       /* 1 on, 0 off */
    float lowerLimit; /* degrees C */
    float upperLimit; /* degrees C */
    int32_t mode;     /* 0 above upper, 1 below lower, 2 inside the interval, 3 outside it */
} USBSDK_IsothermParams;

/* Camera isotherm block (20 bytes); stored only. */
typedef struct USBSDK_IsothermValue {
    int32_t enable; /* 1 on */
    int32_t lower;
    int32_t medium;
    int32_t upper;
    int32_t saturation; /* saturation grey value */
} USBSDK_IsothermValue;

/* Second-calibration results of the three gears (156 bytes). Result codes:
 * 1 qualified, 0 unqualified, 2 not calibrated. Times are local
 * "yyyy-MM-dd HH:mm:ss", NUL-terminated, empty when never calibrated. */
typedef struct USBSDK_TemperatureCalibraResult {
    int32_t lowResult; /* low-temperature gear (first gear) */
    char lowTime[32];
    int32_t highResult; /* high-temperature gear */
    char highTime[32];
    int32_t low2Result; /* second low-temperature gear */
    char low2Time[32];
    uint8_t reserved[48];
} USBSDK_TemperatureCalibraResult;

/* One rule's temperatures (64 bytes). Bytes 0..47 are thermcore's
 * RADAPI_TempInfo unchanged; the program reads avg, max and min. */
typedef struct USBSDK_ThermalRuleResult {
    int32_t meterType; /* the rule's type: 0 point, 1 line, 2 area */
    int32_t ruleId;    /* the id asked for */
    int32_t reserved0;
    float avgTemp;   /* degrees C; a point rule's temperature */
    float reserved1; /* 0.0 */
    float maxTemp;
    float minTemp;
    float zeroInUnit; /* 0.0: 0 degrees C in degrees C */
    int32_t hotX;     /* hottest pixel, rule space */
    int32_t hotY;
    int32_t coldX; /* coldest pixel, rule space */
    int32_t coldY;
    uint8_t reserved2[16];
} USBSDK_ThermalRuleResult;

/* Hottest and coldest pixel of the whole frame (40 bytes), rule space,
 * sensor orientation. */
typedef struct USBSDK_HotColdPoint {
    float hotTemp; /* degrees C */
    int32_t hotX;
    int32_t hotY;
    float coldTemp;
    int32_t coldX;
    int32_t coldY;
    float avgTemp;     /* frame average, informational */
    uint32_t frameSeq; /* sequence number of the measured frame, informational */
    uint8_t reserved[8];
} USBSDK_HotColdPoint;

/* Common measurement parameters as they are set (20 bytes). */
typedef struct USBSDK_CommonTemperParam {
    int32_t humidity;    /* relative humidity, % */
    float ambientTemp;   /* atmospheric temperature, degrees C */
    float emissivity;    /* 0..1 */
    float distance;      /* metres */
    float reflectedTemp; /* degrees C */
} USBSDK_CommonTemperParam;

/* Common measurement parameters as they are read (44 bytes): the program's
 * live global parameter block, so it is stored unchanged. */
typedef struct USBSDK_GlobalTemperParam {
    float emissivity;
    float distance;       /* metres */
    float reflectedTemp;  /* degrees C */
    float ambientTemp;    /* degrees C */
    int32_t tempUnit;     /* always 0 (degrees C) */
    int32_t humidity;     /* % */
    int32_t alarmMode;    /* 0: the layer keeps no alarm */
    float alarmThreshold; /* 0.0 */
    uint8_t reserved[12];
} USBSDK_GlobalTemperParam;

/* Blackbody temperatures of a calibration (20 bytes), whole degrees C. */
typedef struct USBSDK_BlackBodyTemp {
    int32_t lowTemp;
    int32_t highTemp;
    int32_t reserved[3];
} USBSDK_BlackBodyTemp;

/* Temperature-drift save count and time (32 bytes). */
typedef struct USBSDK_TemperDriftRecord {
    uint32_t count;
    uint32_t time; /* seconds since 1970 UTC */
    uint8_t reserved[24];
} USBSDK_TemperDriftRecord;

/* One radiometric data-collection sample (144 bytes). */
typedef struct USBSDK_DataCollectEntry {
    uint32_t time; /* seconds since 1970 UTC */
    float tecTemp; /* degrees C, as the four below */
    float preHouseTemp;
    float houseTemp;
    float boardTemp;
    float backTemp;
    float driftTemp; /* unsmoothed */
    float spotTemp;
    uint32_t spotGrey; /* raw value at the spot */
    uint16_t spotX;    /* raw pixels */
    uint16_t spotY;
    uint16_t meanBefore; /* frame mean before correction */
    uint16_t meanAfter;  /* frame mean after correction */
    int16_t meanDiff;    /* after - before */
    uint8_t reserved[98];
} USBSDK_DataCollectEntry;

/* One data-collection page request (32 bytes, 8-byte aligned, LP64 layout).
 * The caller owns the record and the entry buffer; count is both the
 * capacity of entries on input and the number delivered on output. The
 * layer never sets extra; a receiver that finds it set frees it with free(). */
typedef struct USBSDK_NewRadiometryDataAutoCollectParam {
    uint32_t startIndex;              /* in: 0-based index of the first entry asked for */
    uint16_t total;                   /* out: entries in the camera's store (0 in the request) */
    uint16_t count;                   /* in: entries asked for, 1..USBSDK_DATA_COLLECT_PAGE; out: delivered */
    USBSDK_DataCollectEntry* entries; /* caller's buffer of count entries */
    void* extra;                      /* second buffer; left NULL by this layer */
    uint8_t reserved[8];
} USBSDK_NewRadiometryDataAutoCollectParam;

/* Full calibration: one cavity gear block (36 bytes). Pairs are
 * {temperature, compensation coefficient} in thousandths, in the order
 * normal, low, high, extra temperature. */
typedef struct USBSDK_FullCalibrationCavityBlock {
    int32_t pair[4][2];
    uint32_t changeStatus;
} USBSDK_FullCalibrationCavityBlock;

/* Full calibration: coefficients of one gear (48 bytes); three values each
 * ("Low Temp", "Cold Machine", "Hot Machine"), thousandths. */
typedef struct USBSDK_FullCalibrationCoefBlock {
    int32_t deviceTemp[3];
    int32_t grayFactor[3];
    int32_t baseTempCompen[3];
    int32_t grayFactorB[3]; /* shown for the high gear only */
} USBSDK_FullCalibrationCoefBlock;

/* Full calibration: states and configuration (416 bytes). State bytes:
 * 0 not done, 1 running, 2 done, 3 failed (collect, calibrate, verify). */
typedef struct USBSDK_FullCalibrationCollectConfig {
    uint8_t collectState;
    uint8_t calibrateState;
    uint8_t verifyLowState;
    uint8_t verifyHighState;
    uint8_t verifyComprehensiveState;
    uint8_t reserved0[3];
    USBSDK_FullCalibrationCavityBlock cavityGearLow1High; /* gear "GearLow1/High" */
    USBSDK_FullCalibrationCavityBlock cavityGearLow2;     /* gear "GearLow2" */
    uint8_t reserved1[36];
    float lowSmoothGearLow1High;
    float highSmoothGearLow1High;
    uint32_t histEnableGearLow1High;
    uint8_t reserved2[20];
    float lowSmoothGearLow2;
    float highSmoothGearLow2;
    uint32_t histEnableGearLow2;
    uint8_t reserved3[52];
    USBSDK_FullCalibrationCoefBlock coefGearLow1;
    USBSDK_FullCalibrationCoefBlock coefGearLow2;
    USBSDK_FullCalibrationCoefBlock coefGearHigh;
    uint8_t reserved4[60];
} USBSDK_FullCalibrationCollectConfig;

/* Full calibration: collected samples of one gear (708 bytes). Tenths of a
 * degree unless noted; [i][0] belongs to the low blackbody, [i][1] to the
 * high one. */
typedef struct USBSDK_FullCalibrationGearTable {
    float baseTempFactor;
    int32_t maxVal[20][2];
    int32_t minVal[20][2];
    int32_t maxDiff[20][2];
    int32_t minDiff[20][2];
    int8_t state[20][2];
    float targetLow;  /* degrees C */
    float targetHigh; /* degrees C */
    int8_t maxDiffLow;
    int8_t maxDiffHigh;
    int8_t maxFluctLow;
    int8_t maxFluctHigh;
    uint8_t reserved[12];
} USBSDK_FullCalibrationGearTable;

/* Full calibration: the three gear tables (2124 bytes); a gear never
 * collected is zero. */
typedef struct USBSDK_FullCalibrationCollectTable {
    USBSDK_FullCalibrationGearTable gearLow1; /* blackbodies 40 and 110 C */
    USBSDK_FullCalibrationGearTable gearLow2; /* 40 and 110 C */
    USBSDK_FullCalibrationGearTable gearHigh; /* 300 and 550 C */
} USBSDK_FullCalibrationCollectTable;

/* ------------------------------------------------------------------------ */
/* Callbacks                                                                 */
/* ------------------------------------------------------------------------ */

/* Frame sink. Runs on the session's frame thread, without the layer's lock;
 * buffers are read-only and valid only during the call.
 *   pYuv: packed YUV 4:2:2, bytes U, Y0, V, Y1; nYuvLen = width * height * 2.
 *   pRaw: width * height uint16 raw values, row by row, then the
 *         USBSDK_REDUNDATA_SIZE radiometric block; NULL with nRawLen 0 when
 *         the frames carry no raw data.
 * It may call any USBSDK_ function. */
typedef void (*USBSDK_RealPlayCallback)(const unsigned char* pYuv, int nYuvLen, const unsigned char* pRaw, int nRawLen,
                                        int nWidth, int nHeight, void* pUser);

/* Device removal (event 0) or arrival (event 1). Runs on a layer thread
 * without the layer's lock; device points at the device's list entry and is
 * valid only during the call. */
typedef void (*USBSDK_DeviceChangeCallback)(int event, const USBSDK_DeviceInfo* device, void* pUser);

/* ------------------------------------------------------------------------ */
/* Lifecycle, discovery, connection                                          */
/* ------------------------------------------------------------------------ */

/* Setup: idempotent; every other call initialises the layer too. Returns 1. */
CAMSDK_API int USBSDK_Init(void);
/* 0 UVC, 1 serial port (devices listed with stream flag 0, opened by port);
 * layer-wide, applies to the following list and open. reserved is ignored. */
CAMSDK_API int USBSDK_SetDeviceConnectType(int type, int reserved);
/* Fills up to capacity caller-owned entries; returns the number written
 * (0 = no device, last error unchanged; 0 with INVALID_ARG for a NULL list
 * or capacity below 1). */
CAMSDK_API int USBSDK_GetDevInfoList(USBSDK_DeviceInfo* list, int capacity);
/* Opens the listed device (closing an existing session first); info is read
 * during the call only. */
CAMSDK_API int USBSDK_Open(const USBSDK_DeviceInfo* info);
/* Status: 1 while a session is open, its device present and confirmed. */
CAMSDK_API int USBSDK_Connect(void);
/* Ends the session: every frame sink is removed synchronously (no callback
 * runs after it returns). Also succeeds on a lost session. */
CAMSDK_API int USBSDK_Close(void);
/* 4 awake, 5 asleep (frames continue showing a closed shutter). */
CAMSDK_API int USBSDK_SetSleepMode(int mode);
/* The process-wide last error (USBSDK_ErrorCode). */
CAMSDK_API int USBSDK_GetLastError(void);
/* Setup: one layer-wide hot-plug callback; NULL clears it. Replacing or
 * clearing waits for a running call of the old one (not from inside it). */
CAMSDK_API int USBSDK_SetDeviceChangeCallback(USBSDK_DeviceChangeCallback cb, void* user);

/* ------------------------------------------------------------------------ */
/* Identity and capabilities                                                 */
/* ------------------------------------------------------------------------ */

/* Free-text reads into the caller's buffer of size bytes: always
 * NUL-terminated, cut on a UTF-8 character boundary. */
CAMSDK_API int USBSDK_GetDeviceName(char* buf, int size);
CAMSDK_API int USBSDK_GetSerialNumber(char* buf, int size);
CAMSDK_API int USBSDK_GetSoftwareVersion(char* buf, int size);
/* Fixed 32-byte part numbers: min(length, size) bytes copied, the rest of
 * buf zeroed; a full-length part number has no NUL (bound it with strnlen). */
CAMSDK_API int USBSDK_GetPartNumber(char* buf, int size);
CAMSDK_API int USBSDK_GetMaterialsPartNumber(char* buf, int size);
/* Stores exactly len (1..32) bytes of text as the saved part number. */
CAMSDK_API int USBSDK_SetDevicePart(const char* text, int len);
/* Width and height of the detector. */
CAMSDK_API int USBSDK_GetDevResolution(int* width, int* height);
/* Status: 0 observation camera, 1 temperature-measuring camera. */
CAMSDK_API int USBSDK_GetDeviceType(void);
/* Status: capability flags of the open device (0 without a session). */
CAMSDK_API int USBSDK_GetDeviceSupportExtremeMode(void);    /* gain mode 2 "Ultimate" */
CAMSDK_API int USBSDK_GetDeviceSupportLowTempTwoGear(void); /* two low-range gears */
CAMSDK_API int USBSDK_GetDeviceSupportTwoSFFC(void);        /* two SFFC environments */
CAMSDK_API int USBSDK_IsSupportDeltaB(void);                /* temperature-drift compensation */
CAMSDK_API int USBSDK_GetDeviceSupportNewColor(void);       /* the 10-palette set */
CAMSDK_API int USBSDK_GetDeviceSupportIsp(void);            /* image style modes */
CAMSDK_API int USBSDK_GetDeviceSupportIsothermMode(void);   /* pseudo isotherm */
CAMSDK_API int USBSDK_GetDeviceSupportSuperResMode(void);   /* super resolution */
CAMSDK_API int USBSDK_GetSupportThermalRawDataType(void);   /* raw data type switch */
CAMSDK_API int USBSDK_GetRefrigerationDeviceType(void);     /* cooled camera: lens functions, FFC in minutes */
CAMSDK_API int USBSDK_GetDeviceSupportRedunInfoFlip(void);  /* overlay ignores flip (type 0) */
/* Status with a value: 1 frames carry raw radiometric data, 0 display image
 * only, -1 without a session. */
CAMSDK_API int USBSDK_GetDeviceImageOutputMode(void);

/* ------------------------------------------------------------------------ */
/* Frames and real play                                                      */
/* ------------------------------------------------------------------------ */

/* Adds (or replaces) the frame sink of user, up to 8 sinks; every frame goes
 * to every sink in registration order on the frame thread. cb and user must
 * not be NULL. */
CAMSDK_API int USBSDK_StartRealPlay(USBSDK_RealPlayCallback cb, void* user);
/* Removes the sink of user (NULL: all) synchronously; the session stays
 * open. Not from a lock the sink's callback takes. */
CAMSDK_API int USBSDK_StopRealPlay(void* user);
/* Status: frame rate. */
CAMSDK_API int USBSDK_GetFps(void);
/* Width and height of the raw frame (equal to the display frame). */
CAMSDK_API int USBSDK_GetRawResolution(int* width, int* height);
/* Status with a value: RedunData layout, 0 earlier, 1 current; -1 without a
 * session. */
CAMSDK_API int USBSDK_GetRedunType(void);
/* Status: 1 while the shutter moves (frames repeat meanwhile). */
CAMSDK_API int USBSDK_GetShutterStatus(void);

/* ------------------------------------------------------------------------ */
/* Image parameters (saved by USBSDK_SaveDevImageParam)                     */
/* ------------------------------------------------------------------------ */

/* Palette 0..19. */
CAMSDK_API int USBSDK_SetColor(int palette);
CAMSDK_API int USBSDK_GetColor(int* palette);
/* Image settings, each a value with its range. */
CAMSDK_API int USBSDK_SetBrightness(int v); /* 0..100 */
CAMSDK_API int USBSDK_GetBrightness(int* v);
CAMSDK_API int USBSDK_SetContrast(int v); /* 0..100 */
CAMSDK_API int USBSDK_GetContrast(int* v);
CAMSDK_API int USBSDK_SetSharpness(int v); /* 0..120 */
CAMSDK_API int USBSDK_GetSharpness(int* v);
CAMSDK_API int USBSDK_SetLCEValue(int v);     /* detail enhancement 0..100; no getter */
CAMSDK_API int USBSDK_SetWideDynamic(int on); /* 0 off, 1 on */
CAMSDK_API int USBSDK_GetWideDynamic(int* on);
CAMSDK_API int USBSDK_SetLocalContrast(int v); /* 0..100 */
CAMSDK_API int USBSDK_GetLocalContrast(int* v);
CAMSDK_API int USBSDK_SetGlobalContrast(int v); /* 0..100 */
CAMSDK_API int USBSDK_GetGlobalContrast(int* v);
CAMSDK_API int USBSDK_SetNoise2D(int v); /* spatial noise reduction 0..100 */
CAMSDK_API int USBSDK_GetNoise2D(int* v);
CAMSDK_API int USBSDK_SetNoise3D(int v); /* temporal noise reduction 0..100 */
CAMSDK_API int USBSDK_GetNoise3D(int* v);
CAMSDK_API int USBSDK_SetGainAuto(int v); /* auto gain 0..255 */
CAMSDK_API int USBSDK_GetGainAuto(int* v);
/* Gain mode 0 low, 1 high, 2 Ultimate; switches the raw curve. */
CAMSDK_API int USBSDK_SetGainMode(int mode);
CAMSDK_API int USBSDK_GetGainMode(int* mode);
/* Low range gears: nAuto 0 automatic, else manual; nGear 0 first, 1 second,
 * 2 keep the gear (set only). */
CAMSDK_API int USBSDK_SetLowTemperatureTwoGear(int nAuto, int nGear);
CAMSDK_API int USBSDK_GetLowTemperatureTwoGear(int* nAuto, int* nGear);
/* FFC: mode 0 manual, 1 automatic; period 10..1200 s (minutes when cooled). */
CAMSDK_API int USBSDK_SetFFCMode(int mode);
CAMSDK_API int USBSDK_GetFFCMode(int* mode);
CAMSDK_API int USBSDK_SetFFCTime(int period);
CAMSDK_API int USBSDK_GetFFCTime(int* period);
/* One shutter flat-field correction; returns at once, the shutter runs on. */
CAMSDK_API int USBSDK_ShutterCorrect(void);
/* One background correction without the shutter. */
CAMSDK_API int USBSDK_SetBackgroundFFC(void);
/* Image style: 0 general, 1 original. */
CAMSDK_API int USBSDK_SetDeviceIspMode(int mode);
CAMSDK_API int USBSDK_GetDeviceIspMode(int* mode);
/* Pseudo isotherm on/off with whole-degree limits (minLimit < maxLimit when
 * on); no getter. */
CAMSDK_API int USBSDK_SetPseudoIsotherm(int enable, short minLimit, short maxLimit);
/* Persists the working image parameters. */
CAMSDK_API int USBSDK_SaveDevImageParam(void);

/* ------------------------------------------------------------------------ */
/* General settings                                                          */
/* ------------------------------------------------------------------------ */

/* Display flip: 0 none, 1 upside down, 2 mirrored, 3 both. */
CAMSDK_API int USBSDK_SetImageFlipMode(int mode);
CAMSDK_API int USBSDK_GetImageFlipMode(int* mode);
/* Centre cross: enable 0/1, colour 0 green, 1 blue, 2 red. */
CAMSDK_API int USBSDK_SetCrossCursorParams(int enable, int colour);
CAMSDK_API int USBSDK_GetCrossCursorParams(int* enable, int* colour);
/* Video output: 0 BT, 1 MIPI, 2 USB, 3 UVC; a set reboots the camera. */
CAMSDK_API int USBSDK_SetOutputMode(int mode);
CAMSDK_API int USBSDK_GetOutputMode(int* mode);
/* Super resolution 0/1; a set reboots the camera. */
CAMSDK_API int USBSDK_SetDeviceSuperResMode(int on);
CAMSDK_API int USBSDK_GetDeviceSuperResMode(int* on);
/* Raw data: 0 grey values, 1 temperatures x 10. */
CAMSDK_API int USBSDK_SetThermalRawDataType(int type);
CAMSDK_API int USBSDK_GetThermalRawDataType(int* type);
/* Restarts the camera: the session is lost shortly after the answer. */
CAMSDK_API int USBSDK_Reboot(void);
/* Working image and display settings back to factory values (no reboot). */
CAMSDK_API int USBSDK_FactoryDefault(void);
/* Stores the factory-mode value; no effect. */
CAMSDK_API int USBSDK_SetFactoryMode(int mode);
/* Switches the radiometry engine's live log. */
CAMSDK_API int USBSDK_SetThermalLog(int enable);
/* Spot markers: type 0 hot, 1 cold; the read writes one byte. */
CAMSDK_API int USBSDK_SetHotAndColdPointSwitch(int type, int on);
CAMSDK_API int USBSDK_GetHotAndColdPointSwitch(int type, unsigned char* on);

/* ------------------------------------------------------------------------ */
/* Thermal function, rules, temperatures, isotherm                          */
/* ------------------------------------------------------------------------ */

/* Opens the client measurement (computed on this computer from raw frames). */
CAMSDK_API int USBSDK_OpenThermalFunction(void);
/* Status: 1 once the thermal function is open and a radiometric frame came. */
CAMSDK_API int USBSDK_GetThermalFunctionStatus(void);
/* Client rule set, measured on this computer (count 0 clears it). */
CAMSDK_API int USBSDK_SetThermalRules(USBSDK_Rules rules);
/* Temperatures of one client rule on the newest frame; all 64 bytes written. */
CAMSDK_API int USBSDK_GetThermalRules(int ruleId, USBSDK_ThermalRuleResult* out);
/* Hottest and coldest pixel of the newest frame (client side). */
CAMSDK_API int USBSDK_GetThermalHotColdPoint(USBSDK_HotColdPoint* out);
/* Common measurement parameters: set takes the 20-byte record (read during
 * the call), get fills the 44-byte global block. */
CAMSDK_API int USBSDK_SetCommonTemperParam(const USBSDK_CommonTemperParam* p);
CAMSDK_API int USBSDK_GetCommonTemperParam(USBSDK_GlobalTemperParam* out);
/* The camera's own rule set, separate from the client set. */
CAMSDK_API int USBSDK_SetDeviceThermalRules(USBSDK_Rules rules);
/* Temperatures of one camera rule; ruleId 0 = whole frame. */
CAMSDK_API int USBSDK_GetDeviceThermalRules(int ruleId, USBSDK_ThermalRuleResult* out);
/* The camera's own measuring distance, metres 0..10000. */
CAMSDK_API int USBSDK_SetDeviceThermalDistance(float metres);
/* Isotherm display (an all-zero record switches it off). */
CAMSDK_API int USBSDK_SetIsothermParams(USBSDK_IsothermParams p);
CAMSDK_API int USBSDK_GetIsothermParams(USBSDK_IsothermParams* p);
/* Camera isotherm block; stored only. */
CAMSDK_API int USBSDK_SetIsothermValue(USBSDK_IsothermValue v);
CAMSDK_API int USBSDK_GetIsothermValue(USBSDK_IsothermValue* v);

/* ------------------------------------------------------------------------ */
/* Lens (cooled cameras only)                                               */
/* ------------------------------------------------------------------------ */

/* Focus mode 0 manual, 1 automatic. */
CAMSDK_API int USBSDK_SetRefrigerationFocusMode(int mode);
CAMSDK_API int USBSDK_GetRefrigerationFocusMode(int* mode);
/* One automatic focus run; returns at once. */
CAMSDK_API int USBSDK_SetRefrigerationAutoFocus(void);
/* Lens moves, direction 0 anticlockwise, 1 clockwise, 2 stop: a single
 * step, or continuous movement until 2. */
CAMSDK_API int USBSDK_SetRefrigerationFocus(int direction);
CAMSDK_API int USBSDK_SetRefrigerationContinuousFocus(int direction);
CAMSDK_API int USBSDK_SetRefrigerationZoom(int direction);
CAMSDK_API int USBSDK_SetRefrigerationContinuousZoom(int direction);

/* ------------------------------------------------------------------------ */
/* Thermal equilibrium, NUC, shutterless (SFFC), drift (DeltaB), bad pixels */
/* ------------------------------------------------------------------------ */

/* *state = 1 in thermal equilibrium, else 0. */
CAMSDK_API int USBSDK_ThermalBalanceCheck(int* state);
/* NUC step 1 or 2 (blackbody 1, 2); after step 2 *rate is the response in
 * thousandths of mV/K. Blocks for the step. */
CAMSDK_API int USBSDK_NUCBlackOperator(int step, int* rate);
/* Save time (UTC seconds) and count of NUC record 0..3; the set needs a NUC
 * step 2 in this session. */
CAMSDK_API int USBSDK_GetNUCSaveCountAndTime(unsigned int* time, unsigned int* count, int record);
CAMSDK_API int USBSDK_SetNUCSaveCountAndTime(unsigned int time, unsigned int count, int record);
/* Writes a NUC backup file at path (created or truncated). */
CAMSDK_API int USBSDK_GetNUCBackup(const char* path);
/* SFFC on/off; the read writes one byte. */
CAMSDK_API int USBSDK_GetSFFCEnable(unsigned char* enable);
CAMSDK_API int USBSDK_SetSFFCEnable(int enable);
/* Collects an SFFC correction (blocks) and switches SFFC on. */
CAMSDK_API int USBSDK_SFFCCollect(void);
/* Save time and count of SFFC record 0..6; the set needs a collection. */
CAMSDK_API int USBSDK_GetSFFCSaveCountAndTime(unsigned int* time, unsigned int* count, int record);
CAMSDK_API int USBSDK_SetSFFCSaveCountAndTime(unsigned int time, unsigned int count, int record);
/* *env = 0 normal, 1 high-temperature environment. */
CAMSDK_API int USBSDK_GetTwoSFFCEnvironment(int* env);
/* Automatic bad-pixel detection (blocks), and its undo. */
CAMSDK_API int USBSDK_SetAutoRemoveBadPixels(void);
CAMSDK_API int USBSDK_SetClearAutoRemovedBadPixels(void);
/* Drift compensation switch 0/1 and the last gate threshold (1..10). */
CAMSDK_API int USBSDK_GetTemperDriftSwitch(int* on);
CAMSDK_API int USBSDK_SetTemperDriftSwitch(int on);
CAMSDK_API int USBSDK_GetTemperDriftThreshold(int* v);
/* Starts a drift collection (returns at once) and reads its progress:
 * status bits 0x40 nothing, 0x80 saved data, 0x01 collecting, 0x04 failed,
 * 0x02 collected, 0x0A checking, 0x32 qualified, 0x12 abnormal; *rise in
 * hundredths of a degree. */
CAMSDK_API int USBSDK_CollectTemperDrift(int threshold);
CAMSDK_API int USBSDK_GetTemperDriftCollectResult(unsigned char* status, int* rise);
/* Starts the check of collected drift data (returns at once). */
CAMSDK_API int USBSDK_CheckTemperDrift(void);
/* Drift save count and time; the save needs a qualified check. */
CAMSDK_API int USBSDK_GetTemperDriftDataAndCounts(USBSDK_TemperDriftRecord* r);
CAMSDK_API int USBSDK_SaveTemperDrift(USBSDK_TemperDriftRecord r);
/* Bad pixels (rows = y, cols = x, raw pixels) into two caller arrays of
 * capacity entries each. More pixels than capacity: BUFFER_TOO_SMALL with
 * *count = the number needed and the arrays untouched. */
CAMSDK_API int USBSDK_GetBadPixels(int* rows, int* cols, int capacity, int* count);
/* Replaces the working pixel list (n 0..USBSDK_MAX_BAD_PIXELS). */
CAMSDK_API int USBSDK_SetBadPixels(const int* rows, const int* cols, int n);
/* Bad columns (x) into a caller array; capacity rule as above. */
CAMSDK_API int USBSDK_GetBadPixelCols(int* cols, int capacity, int* count);
/* Replaces the working column list (n 0..USBSDK_MAX_BAD_COLS). */
CAMSDK_API int USBSDK_SetBadPixelCols(const int* cols, int n);
/* Stores both working lists permanently (blocks). */
CAMSDK_API int USBSDK_SaveBadPixel(void);
/* Non-uniformity of the newest frame's central half; threshold is not used
 * by the camera. */
CAMSDK_API int USBSDK_UniformCheck(float threshold, float* measured);
/* TEC temperature correction (blocks); *value = compensation value. */
CAMSDK_API int USBSDK_ThermalTemperCorrect(float threshold, float* value);

/* ------------------------------------------------------------------------ */
/* Second temperature calibration                                            */
/* ------------------------------------------------------------------------ */

/* Resets the run (progress 0); keeps results. */
CAMSDK_API int USBSDK_TemperatureCalibrationInit(void);
/* *state = 1 balanced. */
CAMSDK_API int USBSDK_GetTemperatureCalibrationBalancedState(int* state);
/* Fills the caller's record with the two calibration boxes (count 2). */
CAMSDK_API int USBSDK_SetTemperatureCalibrationRECT(USBSDK_Rules* out);
/* Sends the two calibration boxes as they stand. */
CAMSDK_API int USBSDK_SetSaveTemperatureCalibrationRECT(USBSDK_Rules rules);
/* Blackbody temperatures, shared with the full calibration. */
CAMSDK_API int USBSDK_SetTemperatureCalibrationBlackBodyTemp(USBSDK_BlackBodyTemp bb);
/* 1 starts the run, 0 stops it; progress 0..100 (>= 100 done). */
CAMSDK_API int USBSDK_SetAutoTemperatureCalibration(int state);
CAMSDK_API int USBSDK_GetAutoTemperatureCalibrationProgress(int* progress);
/* Results of the three gears. */
CAMSDK_API int USBSDK_GetTemperatureCalibrationResult(USBSDK_TemperatureCalibraResult* r);
/* Stamps the current local time on the current gear's result. */
CAMSDK_API int USBSDK_SetTemperatureCalibrationTime(void);
/* All results back to "not calibrated". */
CAMSDK_API int USBSDK_SetTemperatureCalibrationDefault(void);

/* ------------------------------------------------------------------------ */
/* Full blackbody calibration (commands answer at once; progress shows in   */
/* the state bytes of the collect configuration)                            */
/* ------------------------------------------------------------------------ */

/* Pod mode 0/1. */
CAMSDK_API int USBSDK_SetFullCalibrationPodEnable(unsigned int on);
CAMSDK_API int USBSDK_GetFullCalibrationPodEnable(unsigned int* on);
/* 0 collect only, 1 collect and adjust. */
CAMSDK_API int USBSDK_SetFullCalibrationCollectMode(unsigned int mode);
/* Calibration time 15..60 minutes. */
CAMSDK_API int USBSDK_SetFullCalibrationCalTime(unsigned int minutes);
/* The two live rectangles over the blackbodies. */
CAMSDK_API int USBSDK_SetFullCalibrationRECT(USBSDK_Rules rules);
/* Procedure steps, in this order: collect, calibrate, then verify. */
CAMSDK_API int USBSDK_SetFullCalibrationCollect(void);
CAMSDK_API int USBSDK_SetFullCalibrationCalibrate(void);
CAMSDK_API int USBSDK_SetFullCalibrationSingleGearVerify(void);
CAMSDK_API int USBSDK_SetFullCalibrationComprehensiveVerify(void);
/* States, tables and coefficients back to factory. */
CAMSDK_API int USBSDK_SetFullCalibrationDefault(void);
/* Saves the calibration records (blocks). */
CAMSDK_API int USBSDK_SetFullCalibrationSaveConfig(void);
/* Collect configuration (416 bytes) and collect table (2124 bytes). */
CAMSDK_API int USBSDK_GetFullCalibrationCollectConfig(USBSDK_FullCalibrationCollectConfig* c);
CAMSDK_API int USBSDK_GetFullCalibrationCollectTable(USBSDK_FullCalibrationCollectTable* t);
/* Export: writes a "*.data" file, named by the layer, into folder. */
CAMSDK_API int USBSDK_GetTemperatureCalibrationConfig(const char* folder);
/* Import of such a file; a file that fails verification sets FILE_VERIFY. */
CAMSDK_API int USBSDK_SetTemperatureCalibrationConfig(const char* file);

/* ------------------------------------------------------------------------ */
/* Firmware update and progress                                              */
/* ------------------------------------------------------------------------ */

/* Flash a firmware file; blocks until done, then the camera reboots. A bad
 * file sets FILE_VERIFY (73). The 3014 program needs a present device, open
 * or not. */
CAMSDK_API int USBSDK_UpdateMainProgram(const char* path);
CAMSDK_API int USBSDK_Update3014Program(const char* path);
/* Flash progress: (100, p) during a flash. Always 1, never blocks, needs no
 * session. */
CAMSDK_API int USBSDK_GetProgress(int* maximum, int* current);

/* ------------------------------------------------------------------------ */
/* Radiometric data collection                                               */
/* ------------------------------------------------------------------------ */

/* on 1: one sample every seconds (1..86400); on 0: stop. */
CAMSDK_API int USBSDK_SetDataCollectInterval(int on, int seconds);
/* Empties the camera's sample store. */
CAMSDK_API int USBSDK_SetClearDataCollect(void);
/* One page of samples into the record's caller-owned entry buffer; the
 * requested count is the buffer's capacity. */
CAMSDK_API int USBSDK_GetNewDataCollect(USBSDK_NewRadiometryDataAutoCollectParam* rec);

/* ------------------------------------------------------------------------ */
/* Protocol debug                                                            */
/* ------------------------------------------------------------------------ */

/* Sends one raw command (cmdId 0..255, up to USBSDK_PRODEBUG_MAX bytes).
 * *status receives the module status (0 ok); the reply is cut to
 * replyCapacity bytes and *replyLen holds the bytes written. Blocks briefly. */
CAMSDK_API int USBSDK_SetProDebug(int cmdId, const unsigned char* send, int sendLen, int* status, unsigned char* reply,
                                  int replyCapacity, int* replyLen);

/* ------------------------------------------------------------------------ */
/* Layout checks                                                             */
/* ------------------------------------------------------------------------ */
#define CAMSDK_CHECK_SIZE(T, n) CAMSDK_STATIC_ASSERT(sizeof(T) == (n), #T " size")
#define CAMSDK_CHECK_ALIGN(T, n) CAMSDK_STATIC_ASSERT(CAMSDK_ALIGNOF(T) == (n), #T " alignment")
#define CAMSDK_CHECK_AT(T, f, n) CAMSDK_STATIC_ASSERT(offsetof(T, f) == (n), #T "." #f " offset")

CAMSDK_CHECK_SIZE(USBSDK_DeviceInfo, 280);
CAMSDK_CHECK_ALIGN(USBSDK_DeviceInfo, 4);
CAMSDK_CHECK_AT(USBSDK_DeviceInfo, streamFlag, 4);
CAMSDK_CHECK_AT(USBSDK_DeviceInfo, name, 8);
CAMSDK_CHECK_AT(USBSDK_DeviceInfo, port, 264);
CAMSDK_CHECK_AT(USBSDK_DeviceInfo, sdkReserved, 265);

CAMSDK_CHECK_SIZE(USBSDK_Rule, 144);
CAMSDK_CHECK_ALIGN(USBSDK_Rule, 4);
CAMSDK_CHECK_AT(USBSDK_Rule, flag, 4);
CAMSDK_CHECK_AT(USBSDK_Rule, type, 8);
CAMSDK_CHECK_AT(USBSDK_Rule, localParamFlag, 12);
CAMSDK_CHECK_AT(USBSDK_Rule, localDistance, 16);
CAMSDK_CHECK_AT(USBSDK_Rule, localReflected, 20);
CAMSDK_CHECK_AT(USBSDK_Rule, localEmissivity, 24);
CAMSDK_CHECK_AT(USBSDK_Rule, reserved0, 28);
CAMSDK_CHECK_AT(USBSDK_Rule, geom, 44);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.point.x, 44);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.point.y, 48);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.line.x1, 44);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.line.y1, 48);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.line.x2, 52);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.line.y2, 56);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.area.pointCount, 44);
CAMSDK_CHECK_AT(USBSDK_Rule, geom.area.xy, 48);
CAMSDK_CHECK_SIZE(((USBSDK_Rule*)0)->geom, 68);
CAMSDK_CHECK_AT(USBSDK_Rule, areaShape, 112);
CAMSDK_CHECK_AT(USBSDK_Rule, name, 116);

CAMSDK_CHECK_SIZE(USBSDK_Rules, 1732);
CAMSDK_CHECK_ALIGN(USBSDK_Rules, 4);
CAMSDK_CHECK_AT(USBSDK_Rules, rule, 4);

CAMSDK_CHECK_SIZE(USBSDK_IsothermParams, 16);
CAMSDK_CHECK_ALIGN(USBSDK_IsothermParams, 4);
CAMSDK_CHECK_AT(USBSDK_IsothermParams, lowerLimit, 4);
CAMSDK_CHECK_AT(USBSDK_IsothermParams, upperLimit, 8);
CAMSDK_CHECK_AT(USBSDK_IsothermParams, mode, 12);

CAMSDK_CHECK_SIZE(USBSDK_IsothermValue, 20);
CAMSDK_CHECK_ALIGN(USBSDK_IsothermValue, 4);
CAMSDK_CHECK_AT(USBSDK_IsothermValue, lower, 4);
CAMSDK_CHECK_AT(USBSDK_IsothermValue, medium, 8);
CAMSDK_CHECK_AT(USBSDK_IsothermValue, upper, 12);
CAMSDK_CHECK_AT(USBSDK_IsothermValue, saturation, 16);

CAMSDK_CHECK_SIZE(USBSDK_TemperatureCalibraResult, 156);
CAMSDK_CHECK_ALIGN(USBSDK_TemperatureCalibraResult, 4);
CAMSDK_CHECK_AT(USBSDK_TemperatureCalibraResult, lowTime, 4);
CAMSDK_CHECK_AT(USBSDK_TemperatureCalibraResult, highResult, 36);
CAMSDK_CHECK_AT(USBSDK_TemperatureCalibraResult, highTime, 40);
CAMSDK_CHECK_AT(USBSDK_TemperatureCalibraResult, low2Result, 72);
CAMSDK_CHECK_AT(USBSDK_TemperatureCalibraResult, low2Time, 76);
CAMSDK_CHECK_AT(USBSDK_TemperatureCalibraResult, reserved, 108);

CAMSDK_CHECK_SIZE(USBSDK_ThermalRuleResult, 64);
CAMSDK_CHECK_ALIGN(USBSDK_ThermalRuleResult, 4);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, ruleId, 4);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, reserved0, 8);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, avgTemp, 12);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, reserved1, 16);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, maxTemp, 20);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, minTemp, 24);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, zeroInUnit, 28);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, hotX, 32);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, hotY, 36);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, coldX, 40);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, coldY, 44);
CAMSDK_CHECK_AT(USBSDK_ThermalRuleResult, reserved2, 48);

CAMSDK_CHECK_SIZE(USBSDK_HotColdPoint, 40);
CAMSDK_CHECK_ALIGN(USBSDK_HotColdPoint, 4);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, hotX, 4);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, hotY, 8);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, coldTemp, 12);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, coldX, 16);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, coldY, 20);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, avgTemp, 24);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, frameSeq, 28);
CAMSDK_CHECK_AT(USBSDK_HotColdPoint, reserved, 32);

CAMSDK_CHECK_SIZE(USBSDK_CommonTemperParam, 20);
CAMSDK_CHECK_ALIGN(USBSDK_CommonTemperParam, 4);
CAMSDK_CHECK_AT(USBSDK_CommonTemperParam, ambientTemp, 4);
CAMSDK_CHECK_AT(USBSDK_CommonTemperParam, emissivity, 8);
CAMSDK_CHECK_AT(USBSDK_CommonTemperParam, distance, 12);
CAMSDK_CHECK_AT(USBSDK_CommonTemperParam, reflectedTemp, 16);

CAMSDK_CHECK_SIZE(USBSDK_GlobalTemperParam, 44);
CAMSDK_CHECK_ALIGN(USBSDK_GlobalTemperParam, 4);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, distance, 4);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, reflectedTemp, 8);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, ambientTemp, 12);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, tempUnit, 16);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, humidity, 20);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, alarmMode, 24);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, alarmThreshold, 28);
CAMSDK_CHECK_AT(USBSDK_GlobalTemperParam, reserved, 32);

CAMSDK_CHECK_SIZE(USBSDK_BlackBodyTemp, 20);
CAMSDK_CHECK_ALIGN(USBSDK_BlackBodyTemp, 4);
CAMSDK_CHECK_AT(USBSDK_BlackBodyTemp, highTemp, 4);
CAMSDK_CHECK_AT(USBSDK_BlackBodyTemp, reserved, 8);

CAMSDK_CHECK_SIZE(USBSDK_TemperDriftRecord, 32);
CAMSDK_CHECK_ALIGN(USBSDK_TemperDriftRecord, 4);
CAMSDK_CHECK_AT(USBSDK_TemperDriftRecord, time, 4);
CAMSDK_CHECK_AT(USBSDK_TemperDriftRecord, reserved, 8);

CAMSDK_CHECK_SIZE(USBSDK_DataCollectEntry, 144);
CAMSDK_CHECK_ALIGN(USBSDK_DataCollectEntry, 4);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, tecTemp, 4);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, preHouseTemp, 8);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, houseTemp, 12);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, boardTemp, 16);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, backTemp, 20);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, driftTemp, 24);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, spotTemp, 28);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, spotGrey, 32);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, spotX, 36);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, spotY, 38);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, meanBefore, 40);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, meanAfter, 42);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, meanDiff, 44);
CAMSDK_CHECK_AT(USBSDK_DataCollectEntry, reserved, 46);

/* Carries pointers: checked at its LP64 layout, never at a 32-bit one. */
CAMSDK_STATIC_ASSERT(sizeof(void*) == 8, "camsdk records are laid out for LP64");
CAMSDK_CHECK_SIZE(USBSDK_NewRadiometryDataAutoCollectParam, 32);
CAMSDK_CHECK_ALIGN(USBSDK_NewRadiometryDataAutoCollectParam, 8);
CAMSDK_CHECK_AT(USBSDK_NewRadiometryDataAutoCollectParam, total, 4);
CAMSDK_CHECK_AT(USBSDK_NewRadiometryDataAutoCollectParam, count, 6);
CAMSDK_CHECK_AT(USBSDK_NewRadiometryDataAutoCollectParam, entries, 8);
CAMSDK_CHECK_AT(USBSDK_NewRadiometryDataAutoCollectParam, extra, 16);
CAMSDK_CHECK_AT(USBSDK_NewRadiometryDataAutoCollectParam, reserved, 24);

CAMSDK_CHECK_SIZE(USBSDK_FullCalibrationCavityBlock, 36);
CAMSDK_CHECK_ALIGN(USBSDK_FullCalibrationCavityBlock, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCavityBlock, changeStatus, 32);

CAMSDK_CHECK_SIZE(USBSDK_FullCalibrationCoefBlock, 48);
CAMSDK_CHECK_ALIGN(USBSDK_FullCalibrationCoefBlock, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCoefBlock, grayFactor, 12);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCoefBlock, baseTempCompen, 24);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCoefBlock, grayFactorB, 36);

CAMSDK_CHECK_SIZE(USBSDK_FullCalibrationCollectConfig, 416);
CAMSDK_CHECK_ALIGN(USBSDK_FullCalibrationCollectConfig, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, calibrateState, 1);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, verifyLowState, 2);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, verifyHighState, 3);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, verifyComprehensiveState, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, reserved0, 5);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, cavityGearLow1High, 8);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, cavityGearLow2, 44);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, reserved1, 80);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, lowSmoothGearLow1High, 116);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, highSmoothGearLow1High, 120);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, histEnableGearLow1High, 124);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, reserved2, 128);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, lowSmoothGearLow2, 148);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, highSmoothGearLow2, 152);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, histEnableGearLow2, 156);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, reserved3, 160);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, coefGearLow1, 212);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, coefGearLow2, 260);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, coefGearHigh, 308);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectConfig, reserved4, 356);

CAMSDK_CHECK_SIZE(USBSDK_FullCalibrationGearTable, 708);
CAMSDK_CHECK_ALIGN(USBSDK_FullCalibrationGearTable, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, maxVal, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, minVal, 164);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, maxDiff, 324);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, minDiff, 484);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, state, 644);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, targetLow, 684);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, targetHigh, 688);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, maxDiffLow, 692);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, maxDiffHigh, 693);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, maxFluctLow, 694);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, maxFluctHigh, 695);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationGearTable, reserved, 696);

CAMSDK_CHECK_SIZE(USBSDK_FullCalibrationCollectTable, 2124);
CAMSDK_CHECK_ALIGN(USBSDK_FullCalibrationCollectTable, 4);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectTable, gearLow2, 708);
CAMSDK_CHECK_AT(USBSDK_FullCalibrationCollectTable, gearHigh, 1416);

#ifdef __cplusplus
} /* extern "C" */

/* The program names the data-collection record by its nested name. */
namespace USBSDK_NewDataCollection {
typedef ::USBSDK_NewRadiometryDataAutoCollectParam USBSDK_NewRadiometryDataAutoCollectParam;
}
#endif

#endif /* CAMSDK_H */
