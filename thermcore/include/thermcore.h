/*
 * thermcore - radiometry for Calidra thermal cameras.
 *
 * Turns raw 14-bit detector values ("grey") into temperatures, evaluates
 * measurement rules, and reads and updates radiometric picture files
 * (a PNG with the camera's raw data appended behind it).
 *
 * Conventions
 *   - Every function returns 0 on success and -1 on failure unless its
 *     comment says otherwise; a null pointer argument is a failure.
 *   - Temperatures are degrees Celsius unless a comment says "picture unit".
 *   - All records are little-endian in files and plain C structs here; their
 *     sizes and offsets are fixed (checked at compile time below).
 *   - The picture side (HM_, PIC_, PICRADAPP_, getPic...) works on one
 *     library-wide loaded picture. Its calls are serialised internally, but a
 *     host should still drive it from one thread: the loaded picture is
 *     shared by every caller.
 *   - Buffers passed in are owned by the caller and only read or written
 *     during the call; the library never keeps a caller's pointer.
 */
#ifndef THERMCORE_H
#define THERMCORE_H

#include <stddef.h>
#include <stdint.h>

#if defined(THERMCORE_BUILDING)
#define THERMCORE_API __attribute__((visibility("default")))
#else
#define THERMCORE_API
#endif

#ifdef __cplusplus
#define THERMCORE_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define THERMCORE_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* ------------------------------------------------------------------------ */
/* Radiometric picture file records                                          */
/* ------------------------------------------------------------------------ */

/* Two bytes that close every radiometric picture file: 0x26, 0xBC. */
#define THERMCORE_FILE_MARK 0xBC26u
/* Mark of the first image header (bytes 0x4F 0x48). */
#define THERMCORE_YUV_MARK 0x484Fu
/* Largest raw or image side the reader accepts, in pixels. */
#define THERMCORE_MAX_SIDE 16384
/* Stored rules in a picture. */
#define THERMCORE_MAX_PIC_RULES 60
/* Raw values are 14 bits: the temperature table has one entry per value. */
#define THERMCORE_TABLE_SIZE 16384
/* Breakpoints of the grey-temperature curve. */
#define THERMCORE_CURVE_POINTS 30
/* ruleId that stands for the whole measured window. */
#define THERMCORE_WHOLE_FRAME_RULE 255

/* Error values returned in place of a temperature. */
#define THERMCORE_ERR_CURVE_ORDER (-999999.0f) /* invalid curve (order, size, zero step) */
#define THERMCORE_ERR_BASE_TEMP (-888888.0f)   /* realBaseTemp outside the curve */

/* Header of one image behind the PNG (92 bytes). */
typedef struct YuvBufInfo {
    uint16_t mark;       /* 0x484F in header 1, 0 in header 2; not checked */
    uint16_t reserved0;
    int32_t yuvType;     /* 0 header 1, 1 header 2 */
    int32_t width;
    int32_t height;
    int32_t yuvLen;      /* bytes of image data behind the header */
    int32_t lineWidth;   /* pixels, written as the width */
    uint8_t format;      /* 0 YUV 4:2:2 (2 bytes a pixel), else YUV 4:2:0 (1.5) */
    uint8_t reserved1[7];
    float check0;        /* must be equal in both headers */
    uint8_t reserved2[16];
    float check1;        /* must be equal in both headers */
    uint8_t reserved3[36];
} YuvBufInfo;

/* Header of the raw frame (112 bytes). */
typedef struct ThermalGraphHeader {
    uint32_t rawLen;     /* width * height * 2; written, not used by the reader */
    int32_t width;
    int32_t height;
    int32_t bits;        /* 16 */
    uint8_t reserved0[4];
    uint32_t memLen;     /* filled by HM_getAxThrmGraphHeaderInfo; 0 in files */
    uint8_t reserved1[72];
    int32_t redunVersion; /* 1 = current RedunData layout, else the earlier one */
    uint8_t reserved2[12];
} ThermalGraphHeader;

/* One point of a rule, in normalised coordinates 0..8191. */
typedef struct ThermPoint {
    int32_t x;
    int32_t y;
} ThermPoint;

/* One rule as stored in the picture information block (160 bytes). */
typedef struct PicViewRuleConfig {
    int32_t ruleId;      /* 0..60, 255 = the whole window */
    int32_t meterType;   /* 0 point, 1 line, other values areas */
    int32_t param;       /* area shape: 2 or 3 ellipse, else polygon */
    int32_t pointNum;    /* 0..8 */
    ThermPoint points[8];
    uint8_t show[3];     /* show flags */
    uint8_t reserved0;
    char name[32];       /* NUL-terminated UTF-8 */
    uint8_t reserved1;
    uint8_t bLocalEnable; /* 1: the rule's own emissivity, distance, reflected */
    uint8_t reserved2[2];
    float emissivity;
    float distance;
    float reflectedTemp;
    float alarmThreshold;   /* carried: offset 132 of PicRuleConfig */
    int32_t alarmMode;      /* carried: offset 128 of PicRuleConfig */
    uint8_t reserved3[20];
} PicViewRuleConfig;

/* Picture information block (11128 bytes). */
typedef struct PicViewInfo {
    int32_t channelMode;     /* 0 and 2 are accepted */
    int32_t ruleCount;       /* 0..60 */
    PicViewRuleConfig rules[THERMCORE_MAX_PIC_RULES];
    uint8_t reserved0[4];
    float emissivity;        /* 9612 */
    float distance;          /* 9616 */
    float envTemp;           /* 9620 */
    int32_t tempUnit;        /* 9624: 0 C, 1 F, other K */
    int32_t humidity;        /* 9628 */
    float globalParam8;      /* 9632: stored and returned only */
    int32_t globalParam7;    /* 9636: stored and returned only */
    uint8_t reserved1[16];
    char text[1024];         /* 9656: note, NUL-terminated */
    int32_t manage0;         /* 10680 */
    int32_t manageCleared;   /* 10684 */
    int32_t manage1;         /* 10688 */
    uint8_t reserved2[24];
    char extendText[64];     /* 10716 */
    int32_t extendValue;     /* 10780 */
    char path[256];          /* 10784: path as opened, at most 255 bytes */
    int32_t colorType;       /* 11040 */
    int32_t reserved3;       /* 11044: must be 0 */
    int32_t channel;         /* 11048 */
    int32_t superResolution; /* 11052 */
    uint8_t isoTherm[20];    /* 11056: opaque */
    uint8_t reserved4[4];
    int32_t flipDirection;   /* 11080 */
    int32_t paramsState;     /* 11084 */
    uint8_t reserved5[40];
} PicViewInfo;

/* TEC (detector cooler drift) record at the start of RedunData (32 bytes). */
typedef struct TecRecord {
    float temp0;     /* reference temperature */
    float tempCur;   /* current temperature */
    float self_com;  /* self-compensation factor */
    int32_t segFlag; /* breakpoint index of the reference segment */
    float offset[3]; /* ratios below [0] and above [2]; [1] unused */
    uint8_t enable;  /* 1 = apply */
    uint8_t reserved[3];
} TecRecord;

/* One breakpoint of the grey-temperature curve. */
typedef struct CurvePoint {
    float temperature; /* x(k), degrees C */
    float increment;   /* y(k): grey rise over the segment ending here */
} CurvePoint;

/* Distance table compensation (488 bytes). */
typedef struct DistCompTable {
    int32_t rowNum;            /* object temperatures m, 2..10 */
    int32_t colNum;            /* distances n, 2..10 */
    int32_t temperatures[10];  /* C * 100, ascending */
    int32_t distances[10];     /* m * 100, ascending */
    int32_t corrections[10][10]; /* C * 100, [temperature][distance] */
} DistCompTable;

/* The camera's radiometric block (1368 bytes, current layout). */
typedef struct RedunData {
    TecRecord tec;               /* 0 */
    uint8_t cameraData[224];     /* 32, carried */
    float cameraValue256;        /* 256, carried */
    int32_t grayTempDrift;       /* 260 */
    uint8_t curveCount;          /* 264: breakpoints n */
    uint8_t emissModelV2;        /* 265: 1 = emissivity model V2 */
    uint8_t reserved266[2];
    CurvePoint curve[THERMCORE_CURVE_POINTS]; /* 268 */
    uint8_t carried508[12];
    float realBaseTemp;          /* 520 */
    uint8_t carried524[8];
    uint32_t baseGray;           /* 532 */
    int32_t distFactorOnly;      /* 536: 1 = distance factor only */
    int32_t gainMode;            /* 540: 1 = high-temperature range */
    char modelCode[32];          /* 544 */
    float tempRiseCompensation;  /* 576 */
    uint8_t carried580;
    uint8_t tempDataFlag;        /* 581: raw values are temperatures * 10 */
    uint8_t carried582[2];
    double distCoef[8];          /* 584 */
    int32_t humidity;            /* 648 */
    float distance;              /* 652 */
    float envTemp;               /* 656 */
    float reflectedTemp;         /* 660 */
    float emissivity;            /* 664 */
    int32_t tempUnit;            /* 668 */
    uint8_t carried672[88];
    float lowThresholds[4];      /* 760: Ht1, Lt1, Ht2, Lt2 (low range) */
    float highThresholds[4];     /* 776: Ht1, Lt1, Ht2, Lt2 (high range) */
    uint32_t distLd;             /* 792: distance * 100 */
    uint32_t distHd;             /* 796: distance * 100 */
    uint8_t carried800[24];
    uint16_t windowWidth;        /* 824 */
    uint16_t windowHeight;       /* 826 */
    uint16_t windowX;            /* 828 */
    uint16_t windowY;            /* 830 */
    int32_t distTableEnable;     /* 832 */
    DistCompTable distTable;     /* 836 */
    uint8_t carried1324[20];
    float defaultDistance;       /* 1344 */
    float baseTempOffset;        /* 1348 */
    uint8_t carried1352[16];
} RedunData;

/* ------------------------------------------------------------------------ */
/* Interface records                                                         */
/* ------------------------------------------------------------------------ */

/* Global parameters of the loaded picture (32 bytes). */
typedef struct PicGlobalRuleConfigParam {
    float emissivity;
    float distance;
    float reflectedTemp; /* always 25.0 on reading, ignored on writing */
    float fEnvTemp;
    int32_t tempUnit;
    int32_t humidity;
    int32_t param7;      /* PicViewInfo 9636 */
    float param8;        /* PicViewInfo 9632 */
} PicGlobalRuleConfigParam;

/* One rule through the interface (148 bytes). */
typedef struct PicRuleConfig {
    int32_t ruleId;
    int32_t pointNum;
    int32_t meterType;
    int32_t param;
    uint8_t bLocalEnable;
    uint8_t reserved0[3];
    ThermPoint points[8];
    char name[32];
    float emissivity;
    float distance;
    float reflectedTemp;
    int32_t alarmMode;      /* stored at 136 */
    float alarmThreshold;   /* stored at 132 */
    uint8_t reserved1[12];
} PicRuleConfig;

/* The stored rules (8884 bytes). */
typedef struct PicRuleConfigInfo {
    int32_t count;
    PicRuleConfig rules[THERMCORE_MAX_PIC_RULES];
} PicRuleConfigInfo;

typedef struct PicManageParam {
    int32_t value0;
    int32_t value1;
    int32_t notePresent; /* reading only: 1 when the note is not empty */
} PicManageParam;

typedef struct PicExtendInfo {
    char text[32];
    int32_t value;
} PicExtendInfo;

/* Show flags of the stored rules (12 bytes). */
typedef struct PicRuleShowState {
    int32_t show[3];
} PicRuleShowState;

/* Region rule (96 bytes), input of PIC_getRuleRegionTemper. */
typedef struct RuleRegionParam {
    int32_t ruleID;
    int32_t pointNum; /* at most 8 */
    int32_t meterType;
    int32_t param;    /* shape */
    uint8_t bLocalEnable;
    uint8_t reserved[3];
    ThermPoint points[8];
    float radiance;       /* emissivity */
    float thermoDistance; /* distance */
    float refectTemp;     /* reflected temperature */
} RuleRegionParam;

/* Pixel rectangle, inclusive, raw-frame pixels. */
typedef struct TCAM_Point {
    int32_t startColumn;
    int32_t endColumn;
    int32_t startRow;
    int32_t endRow;
} TCAM_Point;

/* Calculation parameters of one area (48 bytes). */
typedef struct PICAPP_MetryParm {
    int32_t meterType;
    int32_t startColumn;
    int32_t endColumn;
    int32_t startRow;
    int32_t endRow;
    float objectEmissivity;
    float objectDistance;
    float reflectedTemp;
    float atmosphericTemp;
    int32_t relativeHumidity;
    int32_t ruleId;
    int32_t grey; /* with ruleId 238 */
} PICAPP_MetryParm;

/* Result of a rule (28 bytes). Callers may pass larger zeroed buffers. */
typedef struct HM_RuleTemper {
    float average;
    float maximum;
    float minimum;
    int32_t hotX;
    int32_t hotY;
    int32_t coldX;
    int32_t coldY;
} HM_RuleTemper;

/* ------------------------------------------------------------------------ */
/* Picture file                                                              */
/* ------------------------------------------------------------------------ */

/* Loads a picture file (path in UTF-8); frees a picture loaded before.
 * Returns -1 also for an unsupported channel mode, with the picture loaded. */
THERMCORE_API int HM_readAXPicViewFile(const char* path);
/* Rewrites the picture information block of the loaded file in place. */
THERMCORE_API int HM_saveAXPicViewInfo(void);
/* Frees the raw frame and both images; blocks and table stay. Always 0. */
THERMCORE_API int HM_freeAXPicViewInfo(void);
/* Takes a raw frame from memory: src holds width*height*2 bytes of raw frame
 * (header fields 4 and 8) followed by the 1368-byte RedunData. */
THERMCORE_API int HM_analyRadioData(const ThermalGraphHeader* header, const void* src);
/* Frees the raw frame and zeroes its size. Always 0. */
THERMCORE_API int HM_freeRadioData(void);

/* which: 0 header 1, else header 2. dst holds 92 bytes / yuvLen bytes. */
THERMCORE_API int HM_getYuvHeaderInfo(YuvBufInfo* dst, int which);
THERMCORE_API int HM_getYuvData(void* dst, int which);
/* Writes width, height and memLen (width*height*2) only. */
THERMCORE_API int HM_getAxThrmGraphHeaderInfo(ThermalGraphHeader* header);
/* Copies width*height*2 bytes of raw frame. */
THERMCORE_API int HM_getAxThrmGraph(void* dst);

THERMCORE_API int HM_getPicGlobalRuleConfig(PicGlobalRuleConfigParam* param);
/* Stores the parameters and rebuilds the temperature table. */
THERMCORE_API int HM_setPicGlobalRuleConfig(const PicGlobalRuleConfigParam* param);
THERMCORE_API int HM_getPicRuleConfigInfo(PicRuleConfigInfo* info);
/* Replaces the stored rules (count 0..60); show flags become 0. */
THERMCORE_API int HM_setPicRuleConfigInfo(const PicRuleConfigInfo* info);
THERMCORE_API int HM_getRuleShowState(PicRuleShowState* state);
THERMCORE_API int HM_setRuleShowState(const PicRuleShowState* state);
THERMCORE_API int HM_getPicManageParam(PicManageParam* param);
THERMCORE_API int HM_setPicManageParam(const PicManageParam* param);
THERMCORE_API int HM_getPicExtendInfo(PicExtendInfo* info);
THERMCORE_API int HM_setPicExtendInfo(const PicExtendInfo* info);
/* Note text: the getter's buffer holds 1024 bytes; at most 1023 to set. */
THERMCORE_API int HM_getText(char* text);
THERMCORE_API int HM_setText(const char* text);
THERMCORE_API int HM_getColorType(int32_t* value);
THERMCORE_API int HM_setColorType(const int32_t* value);
THERMCORE_API int HM_getChannel(int32_t* value);
THERMCORE_API int HM_setChannel(const int32_t* value);
THERMCORE_API int HM_getSuperResolutionStat(int32_t* value);
THERMCORE_API int HM_setSuperResolutionStat(const int32_t* value);
/* 20-byte isotherm record, copied whole. */
THERMCORE_API int HM_getIsoThermParam(void* param);
THERMCORE_API int HM_setIsoThermParam(const void* param);
THERMCORE_API int HM_getFlipDirection(int32_t* value);
THERMCORE_API int HM_setFlipDirection(const int32_t* value);
THERMCORE_API int HM_getParamsState(int32_t* value);
/* Takes the value itself; always 0. */
THERMCORE_API int HM_setParamsState(int32_t value);

/* ------------------------------------------------------------------------ */
/* Grey-temperature model of the loaded picture                              */
/* ------------------------------------------------------------------------ */

/* Rebuilds the 16384-entry temperature table from the loaded blocks. */
THERMCORE_API int HM_updateTemperatureHash(void);
/* out holds width*height values, row by row; fusionMode must be 0. */
THERMCORE_API int HM_getAxPixelsTemperature(int32_t fusionMode, float* out);
/* The same in tenths of a degree, saturated to the i16 range. */
THERMCORE_API int HM_getAxPixelsTemperature_short16(int32_t fusionMode, int16_t* out);
/* HM_analyRadioData, then the temperature of every pixel into out. */
THERMCORE_API int HM_rawDataTransformTemp(const ThermalGraphHeader* header, const void* src, float* out);
THERMCORE_API int HM_rawDataTransformTemp_short16(const ThermalGraphHeader* header, const void* src,
                                                  int16_t* out);
/* Low byte: 1 = emissivity model V2. The table is not rebuilt. Always 0. */
THERMCORE_API int HM_setEmissivityModelEnable(uint32_t enable);

/* ------------------------------------------------------------------------ */
/* Rule temperatures on the loaded picture                                   */
/* ------------------------------------------------------------------------ */

/* Builds the rule's pixel list; box receives its bounding rectangle. */
THERMCORE_API int PICRADAPP_setRules(const PicViewRuleConfig* rule, TCAM_Point* box);
/* Grey statistics of the parameter rectangle (clipped to the frame). */
THERMCORE_API int PICRADAPP_getGaryVal(HM_RuleTemper* out, const PICAPP_MetryParm* param, uint32_t* maxGrey,
                                       uint32_t* minGrey, uint32_t* meanGrey);
/* Temperatures of one rule in the picture unit, positions in raw pixels. */
THERMCORE_API int PICRADAPP_getRuleTemperature(const PicViewRuleConfig* rule, HM_RuleTemper* result);
THERMCORE_API int PIC_getRuleRegionTemper(const RuleRegionParam* rule, HM_RuleTemper* result);
/* Whole window; positions normalised 0..8191. */
THERMCORE_API int PIC_GetHotColdTemperature(HM_RuleTemper* result);
/* One temperature (C) per covered pixel. values must hold as many values as
 * the raw frame has pixels; prefer PIC_GetRuleMatrixTemperatureN. */
THERMCORE_API int PIC_GetRuleMatrixTemperature(const RuleRegionParam* rule, float* values, int32_t* count);
/* Capacity-checked: fails with *count = values needed when capacity is short. */
THERMCORE_API int PIC_GetRuleMatrixTemperatureN(const RuleRegionParam* rule, float* values, int32_t capacity,
                                                int32_t* count);
/* range[0] upper, range[1] lower measurable temperature. */
THERMCORE_API int getPicTemperRange(float range[2]);
/* Colour-bar range; both 0 = automatic (the picture's maximum and minimum). */
THERMCORE_API int setPicColorBarRange(const float range[2]);
THERMCORE_API int getPicColorBarRange(float range[2]);


/* ------------------------------------------------------------------------ */
/* Live side: records                                                        */
/* ------------------------------------------------------------------------ */

/* Live rules: ids 1..30 (255 = a free region). */
#define RADAPI_MAX_RULES 30
#define RADAPI_MAX_RULE_POINTS 8

/* One live measurement rule (144 bytes); equal to the camera layer's rule. */
typedef struct RADAPI_SpotRule {
    int32_t ruleId;          /* 1..30 for a measurable rule */
    int32_t flag;            /* carried */
    int32_t meterType;       /* 0 point, 1 line, 2 area; others stored, not rasterised */
    int32_t localParamFlag;  /* 1: distance, reflected and emissivity below apply */
    float distance;          /* metres */
    float reflectedTemp;     /* in the live unit (F becomes C when stored) */
    float emissivity;
    uint8_t reserved0[16];
    union {
        struct { int32_t x, y; } point;
        struct { int32_t x1, y1, x2, y2; } line;
        struct { int32_t pointNumber; ThermPoint points[RADAPI_MAX_RULE_POINTS]; } area;
        uint8_t raw[68];
    } geom;                  /* 44: normalised 0..8191 over the live window */
    int32_t areaShape;       /* 112: 2 = ellipse in the points' box, else polygon */
    uint8_t reserved1[28];   /* 116: carried (the camera layer keeps a name here) */
} RADAPI_SpotRule;

/* A live rule set (4324 bytes). */
typedef struct RADAPI_SpotRules {
    int32_t count; /* 0..30 */
    RADAPI_SpotRule rules[RADAPI_MAX_RULES];
} RADAPI_SpotRules;

/* Result of a live rule or region (48 bytes). */
typedef struct RADAPI_TempInfo {
    int32_t meterType;
    int32_t ruleId;
    int32_t reserved0;     /* 0 */
    float average;
    float reserved1;       /* 0.0 */
    float maximum;
    float minimum;
    float zeroInUnit;      /* 0 C in the live unit: 0.0 or 32.0 */
    ThermPoint hot;        /* normalised */
    ThermPoint cold;       /* normalised */
} RADAPI_TempInfo;

/* A free region (68 bytes): its pixels are measured. */
typedef struct RADAPI_Polygon {
    int32_t pointNum; /* 1..8 */
    ThermPoint points[RADAPI_MAX_RULE_POINTS];
} RADAPI_Polygon;

/* Live measurement options. */
typedef struct RADAPI_RadioMetryOptions {
    int32_t relativeHumidity;   /* per cent */
    float objectDistance;       /* metres */
    float atmosphericTemp;      /* in the live unit */
    float reflectedTemp;        /* in the live unit; the library uses 25.0 C */
    float emissivity;
    int32_t tempUnit;           /* 0 C, 1 F (other values: inputs C, results F) */
    int32_t reserved[2];        /* not read */
} RADAPI_RadioMetryOptions;

/* One live raw frame. The buffer holds width * height raw values, row by
 * row; with redunVersion 1 the 1368-byte RedunData follows them. Only read
 * during RADAPI_extRawSetTherGraph. */
typedef struct RADAPI_ExtRawBuf {
    uint16_t width;
    uint16_t height;
    uint32_t reserved0;
    const uint16_t* pVirtAddr;
    float baseTemp;             /* 0 keeps the live base temperature */
    uint8_t redunVersion;       /* 1 = a RedunData block follows the frame */
    uint8_t reserved1[3];
} RADAPI_ExtRawBuf;

/* Device temperatures (five f32). */
typedef struct RADAPI_ThermoTempParam {
    float housingTemp;
    float tecTemp;
    float boardTemp;
    float lastFfcHousingTemp;
    float baseTemp;             /* 0 starts the base-temperature drift update */
} RADAPI_ThermoTempParam;

/* Device information (132 bytes): bytes 0..3 are the live window's width
 * and height (u16); byte 9 'M' makes the housing temperature drive the TEC
 * compensation. The rest is carried. */
typedef struct RADAPI_DevInfo {
    uint16_t width;
    uint16_t height;
    uint8_t reserved0[5];
    uint8_t tecSource;          /* 'M' = housing temperature */
    uint8_t reserved1[122];
} RADAPI_DevInfo;

/* TEC compensation segments (488 bytes). */
typedef struct TecSegmentTable {
    uint8_t count;              /* 1..30 */
    uint8_t reserved[3];
    float bounds[29];           /* ascending; count - 1 used */
    float offsets[30][3];       /* the TEC record's offset[3] per segment */
    float temp0;                /* reference temperature */
    float selfCom;              /* self-compensation factor */
} TecSegmentTable;

/* TEC calibration points (15 x i32): temperatures in hundredths of a
 * degree, coefficients in thousandths. */
typedef struct RADAPI_TecCoef {
    int32_t tecLowCompenCoef;
    int32_t tecLowCurrentTemp;
    int32_t tecLowHighCompenCoef;
    int32_t tecLowHighCurrentTemp;
    int32_t tecHighCompenCoef;
    int32_t tecHighCurrentTemp;
    int32_t tecHighHighCompenCoef;
    int32_t tecHighHighCurrentTemp;
    int32_t tecLowNormalCompenCoef;
    int32_t tecLowNormalCurrentTemp;
    int32_t tecHighNormalCompenCoef;
    int32_t tecHighNormalCurrentTemp;
    int32_t secondHighNormalCoef;   /* second high-gain set at tecHighNormalCurrentTemp */
    int32_t secondHighCoef;         /* ... at tecHighCurrentTemp */
    int32_t secondHighHighCoef;     /* ... at tecHighHighCurrentTemp */
} RADAPI_TecCoef;

/* Arc angles of the circular calibration, hundredths of a degree. */
typedef struct RADAPI_TecLinearity {
    int32_t angle[4]; /* normal band, normal band hot scene, hot band, hot band hot scene */
} RADAPI_TecLinearity;

/* Hot-band TEC tables (976 bytes). */
typedef struct RADAPI_TecHighCompensationParam {
    TecSegmentTable lowHigh;
    TecSegmentTable highHigh;
} RADAPI_TecHighCompensationParam;

/* Grey-difference pair: temperature breakpoint (C) and grey increment. */
typedef struct RADAPI_DiffPair {
    int32_t temperature;
    int32_t increment;
} RADAPI_DiffPair;

/* RADAPI_radiometrySetMsg message 0 (500 bytes). */
typedef struct RADAPI_GreyDiffParam {
    uint8_t lowCount;           /* cut to 30 */
    uint8_t highCount;          /* cut to 30 */
    uint8_t reserved[2];
    RADAPI_DiffPair low[30];
    RADAPI_DiffPair high[30];
    int32_t tecLowIndex;
    int32_t tecHighIndex;
    int32_t tecLowHighIndex;
    int32_t tecHighHighIndex;
} RADAPI_GreyDiffParam;

/* RADAPI_radiometrySetMsg message 1: base-temperature compensation, the
 * live distance factor and the normal-band TEC tables. */
typedef struct RADAPI_CompensationParam {
    uint8_t segmentNum;         /* 1..100 */
    uint8_t reserved[3];
    float bounds[99];           /* ascending housing temperatures; segmentNum - 1 used */
    float segments[100][3];     /* x, y, z */
    float oftTemp;
    float lowThresholds[4];     /* Ht1, Lt1, Ht2, Lt2 */
    float highThresholds[4];
    uint32_t distLd;            /* distance * 100 */
    uint32_t distHd;
    TecSegmentTable tecLow;
    TecSegmentTable tecHigh;
} RADAPI_CompensationParam;

/* Message ids of RADAPI_radiometrySetMsg. */
enum { RADAPI_MSG_GREY_DIFF = 0, RADAPI_MSG_COMPENSATION = 1 };

/* Grey-difference table compensation: lists in hundredths, with counts. */
typedef struct RADAPI_DiffTableCompensation {
    int32_t HL[2][30];          /* low range: [0] at or below the reference, [1] above */
    int32_t HH[2][30];          /* high range */
    int32_t counts[4];          /* HL0, HL1, HH0, HH1 */
} RADAPI_DiffTableCompensation;

/* Live distance tables (980 bytes). */
typedef struct RADAPI_DistCompenParam {
    int32_t enable;             /* 1 = the tables apply */
    DistCompTable low;          /* every gain mode but 1 */
    DistCompTable high;         /* gain mode 1 */
} RADAPI_DistCompenParam;

/* ------------------------------------------------------------------------ */
/* Live side: functions. Every call but RADAPI_Init fails (-1) until         */
/* RADAPI_Init has run, and after RADAPI_release. Calls are serialised by    */
/* one library lock and may come from any thread.                            */
/* ------------------------------------------------------------------------ */

/* Creates the live state with its defaults; a second call does nothing. */
THERMCORE_API int RADAPI_Init(void);
/* Frees the live buffers and ends the live side. */
THERMCORE_API int RADAPI_release(void);
/* Frees the live frame buffers and rule lists (the next frame and rule set
 * size them anew). */
THERMCORE_API int RADAPP_release(void);

THERMCORE_API int RADAPI_setRadiometryRuleConfig(const RADAPI_SpotRules* rules);
THERMCORE_API int RADAPI_getRadiometryTemperature(int32_t ruleId, RADAPI_TempInfo* result);
/* Fills average, maximum, minimum and the positions of result only. */
THERMCORE_API int RADAPI_getRegionTemperature(const RADAPI_Polygon* polygon, RADAPI_TempInfo* result);
THERMCORE_API int RADAPI_setRadioMetryOptions(const RADAPI_RadioMetryOptions* options);
THERMCORE_API int RADAPI_setTecHighCompensationParam(const RADAPI_TecHighCompensationParam* param);
THERMCORE_API int RADAPI_setCurAutoCalibrationVer(const int32_t* version);
THERMCORE_API int RADAPI_setTecLinearity(const RADAPI_TecLinearity* linearity);
THERMCORE_API int RADAPI_setCurrentTecCoef(const RADAPI_TecCoef* coef);
/* msgId 0: RADAPI_GreyDiffParam; 1: RADAPI_CompensationParam. */
THERMCORE_API int RADAPI_radiometrySetMsg(int32_t msgId, const void* data);
THERMCORE_API int RADAPI_setDistCompenParam(const RADAPI_DistCompenParam* param);
/* Eight f64 distance polynomial coefficients (64 bytes). */
THERMCORE_API int RADAPI_setDistanceCompensationBParam(const double coef[8]);
THERMCORE_API int RADAPI_setDiffTableCompensation(const RADAPI_DiffTableCompensation* param);
THERMCORE_API int RADAPI_appRadSetFocLen(uint32_t focalLength);
/* Default distance in metres (the camera block's wins while one is loaded). */
THERMCORE_API int RADAPI_setNyxDftDist(uint32_t distance);
THERMCORE_API int RADAPI_setNyxGainMode(int32_t gainMode);
THERMCORE_API int RADAPI_setNyxBaseGray(int32_t baseGray);
THERMCORE_API int RADAPI_extRawSetTherGraph(const RADAPI_ExtRawBuf* frame);
THERMCORE_API int RADAPI_setThermoTempParam(const RADAPI_ThermoTempParam* param);
THERMCORE_API int RADAPI_setDevInfo(const RADAPI_DevInfo* info);
THERMCORE_API int RADAPI_setEmissivityModelEnable(int32_t enable);
/* Non-zero: append the live side's messages to "thermal.log" (and share
 * "thermcoreGragh.log"); 0: close them. */
THERMCORE_API int RADAPI_writeLog(int32_t enable);

/* ------------------------------------------------------------------------ */
/* Logs                                                                      */
/* ------------------------------------------------------------------------ */

/* Non-zero: append the picture side's messages to "thermcoreGragh.log" in
 * $THERMCORE_LOG_DIR (else the working directory); 0: close it. */
THERMCORE_API int writeHeatMapLog(int32_t enable);

#ifdef __cplusplus
} /* extern "C" */
#endif


/* ------------------------------------------------------------------------ */
/* State-free model (C++): the library's own grey-temperature model over a   */
/* given curve and camera block, without touching the loaded picture. The    */
/* camera simulator and test tools synthesise raw frames with it.            */
/* ------------------------------------------------------------------------ */
#ifdef __cplusplus
namespace thermcore {

/* True for the error values that stand in place of a temperature. */
inline bool isErrorTemperature(double t)
{
    return t == (double)THERMCORE_ERR_CURVE_ORDER || t == (double)THERMCORE_ERR_BASE_TEMP;
}

/* Working copy of one grey-temperature curve with the TEC drift applied.
 * Holds no pointer; build one per batch of evaluations. */
class THERMCORE_API GreyCurve {
public:
    GreyCurve(const CurvePoint* points, int count, const TecRecord& tec, uint32_t baseGray, float realBaseTemp);
    /* Curve, TEC record, base grey and base temperature of a camera block. */
    explicit GreyCurve(const RedunData& block);

    /* 0 when usable, else THERMCORE_ERR_CURVE_ORDER (fewer than 2 or more
     * than 30 points, decreasing or non-finite breakpoints). */
    float status() const { return status_; }
    /* G(T): the grey of temperature t, or an error value. */
    double greyOf(double t) const;
    /* T(g): the temperature of grey g, or an error value. */
    double temperatureOf(double g) const;
    /* temperatureOf(g[i]) into out[i] for i < count, the same values; quick
     * over greys in order. */
    void temperaturesOf(const double* g, int count, double* out) const;

private:
    double cumulative(double t, bool* ok) const;
    /* 0 and *offset = the cumulative grey of the base temperature, or the
     * error value that every T(g) then is. */
    double baseOffset(double* offset) const;
    /* T of the residual s walked from the first segment. */
    double walk(double s) const;

    float x_[THERMCORE_CURVE_POINTS];
    float y_[THERMCORE_CURVE_POINTS];
    /* prefix_[k]: y_[1] + ... + y_[k - 1], summed left to right. */
    double prefix_[THERMCORE_CURVE_POINTS];
    int n_ = 0;
    uint32_t baseGray_ = 0;
    float realBaseTemp_ = 0.0f;
    float status_ = 0.0f;
    /* Residuals below this walk exactly by prefix_ (see the constructor). */
    double exactBelow_ = 0.0;
};

/* Builds a current camera block from one in the earlier layout (1368 bytes,
 * as cameras of that generation append it); fields without an earlier
 * counterpart are zero. */
THERMCORE_API void convertEarlierRedunData(const uint8_t* earlier, RedunData* current);

/* Object parameters of one measurement. */
struct MeasureParams {
    float emissivity = 1.0f;
    float distance = 0.0f;        /* metres */
    float reflectedTemp = 25.0f;  /* C */
    float atmosphericTemp = 25.0f;/* C */
    int32_t humidity = 0;         /* per cent */
};

/* The picture side's per-grey calculation over one camera block: emissivity
 * step, curve, emissivity compensation (model V2), distance compensation and
 * the picture limits. Keeps a copy of the block; no library state. */
class THERMCORE_API GreyModel {
public:
    explicit GreyModel(const RedunData& block);

    const GreyCurve& curve() const { return curve_; }
    const RedunData& block() const { return block_; }
    /* Upper limit of the high range by model code: 550, 650 or 600 C. */
    float modelMaximum() const;
    /* Upper limit of results: modelMaximum() in gain mode 1, else 150 C. */
    float upperLimit() const;
    static constexpr float kLowerLimit = -20.0f;

    /* grayReflect of a reflected temperature (the G of the curve). */
    double reflectedGrey(float reflectedTemp) const { return curve_.greyOf(reflectedTemp); }
    /* Grey after the temperature-rise compensation: extremes are truncated
     * to whole greys, an average keeps its fraction. */
    double compensatedGrey(double grey, bool average) const;
    /* Temperature of an already compensated grey. Writes *out and returns 0,
     * or -1 when the distance factor failed (the result is then limited but
     * not distance compensated). An invalid curve yields its error value. */
    int temperature(double grey, const MeasureParams& params, double grayReflect, float* out) const;
    /* For the count whole greys first, first + step, ...: out[i] = the
     * temperature of compensatedGrey(first + i * step, true), the values
     * temperature() gives, with the work shared by all greys done once and
     * without the per-grey log lines. */
    void temperatures(int first, int step, int count, const MeasureParams& params, double grayReflect,
                      float* out) const;
    /* Inverse for synthesis: the raw grey that reads back as t at distance 0
     * (emissivity model V1 step and temperature-rise compensation undone). */
    double greyForTemperature(double t, const MeasureParams& params, double grayReflect) const;

private:
    RedunData block_;
    GreyCurve curve_;
};

} /* namespace thermcore */
#endif /* __cplusplus */

/* ------------------------------------------------------------------------ */
/* Layout checks                                                             */
/* ------------------------------------------------------------------------ */
#define THERMCORE_CHECK_SIZE(T, n) THERMCORE_STATIC_ASSERT(sizeof(T) == (n), #T " size")
#define THERMCORE_CHECK_AT(T, f, n) THERMCORE_STATIC_ASSERT(offsetof(T, f) == (n), #T "." #f " offset")

THERMCORE_CHECK_SIZE(YuvBufInfo, 92);
THERMCORE_CHECK_AT(YuvBufInfo, yuvType, 4);
THERMCORE_CHECK_AT(YuvBufInfo, width, 8);
THERMCORE_CHECK_AT(YuvBufInfo, height, 12);
THERMCORE_CHECK_AT(YuvBufInfo, yuvLen, 16);
THERMCORE_CHECK_AT(YuvBufInfo, lineWidth, 20);
THERMCORE_CHECK_AT(YuvBufInfo, format, 24);
THERMCORE_CHECK_AT(YuvBufInfo, check0, 32);
THERMCORE_CHECK_AT(YuvBufInfo, check1, 52);

THERMCORE_CHECK_SIZE(ThermalGraphHeader, 112);
THERMCORE_CHECK_AT(ThermalGraphHeader, width, 4);
THERMCORE_CHECK_AT(ThermalGraphHeader, height, 8);
THERMCORE_CHECK_AT(ThermalGraphHeader, bits, 12);
THERMCORE_CHECK_AT(ThermalGraphHeader, memLen, 20);
THERMCORE_CHECK_AT(ThermalGraphHeader, redunVersion, 96);

THERMCORE_CHECK_SIZE(PicViewRuleConfig, 160);
THERMCORE_CHECK_AT(PicViewRuleConfig, meterType, 4);
THERMCORE_CHECK_AT(PicViewRuleConfig, param, 8);
THERMCORE_CHECK_AT(PicViewRuleConfig, pointNum, 12);
THERMCORE_CHECK_AT(PicViewRuleConfig, points, 16);
THERMCORE_CHECK_AT(PicViewRuleConfig, show, 80);
THERMCORE_CHECK_AT(PicViewRuleConfig, name, 84);
THERMCORE_CHECK_AT(PicViewRuleConfig, bLocalEnable, 117);
THERMCORE_CHECK_AT(PicViewRuleConfig, emissivity, 120);
THERMCORE_CHECK_AT(PicViewRuleConfig, distance, 124);
THERMCORE_CHECK_AT(PicViewRuleConfig, reflectedTemp, 128);
THERMCORE_CHECK_AT(PicViewRuleConfig, alarmThreshold, 132);
THERMCORE_CHECK_AT(PicViewRuleConfig, alarmMode, 136);

THERMCORE_CHECK_SIZE(PicViewInfo, 11128);
THERMCORE_CHECK_AT(PicViewInfo, ruleCount, 4);
THERMCORE_CHECK_AT(PicViewInfo, rules, 8);
THERMCORE_CHECK_AT(PicViewInfo, emissivity, 9612);
THERMCORE_CHECK_AT(PicViewInfo, distance, 9616);
THERMCORE_CHECK_AT(PicViewInfo, envTemp, 9620);
THERMCORE_CHECK_AT(PicViewInfo, tempUnit, 9624);
THERMCORE_CHECK_AT(PicViewInfo, humidity, 9628);
THERMCORE_CHECK_AT(PicViewInfo, globalParam8, 9632);
THERMCORE_CHECK_AT(PicViewInfo, globalParam7, 9636);
THERMCORE_CHECK_AT(PicViewInfo, text, 9656);
THERMCORE_CHECK_AT(PicViewInfo, manage0, 10680);
THERMCORE_CHECK_AT(PicViewInfo, manageCleared, 10684);
THERMCORE_CHECK_AT(PicViewInfo, manage1, 10688);
THERMCORE_CHECK_AT(PicViewInfo, extendText, 10716);
THERMCORE_CHECK_AT(PicViewInfo, extendValue, 10780);
THERMCORE_CHECK_AT(PicViewInfo, path, 10784);
THERMCORE_CHECK_AT(PicViewInfo, colorType, 11040);
THERMCORE_CHECK_AT(PicViewInfo, reserved3, 11044);
THERMCORE_CHECK_AT(PicViewInfo, channel, 11048);
THERMCORE_CHECK_AT(PicViewInfo, superResolution, 11052);
THERMCORE_CHECK_AT(PicViewInfo, isoTherm, 11056);
THERMCORE_CHECK_AT(PicViewInfo, flipDirection, 11080);
THERMCORE_CHECK_AT(PicViewInfo, paramsState, 11084);

THERMCORE_CHECK_SIZE(TecRecord, 32);
THERMCORE_CHECK_AT(TecRecord, segFlag, 12);
THERMCORE_CHECK_AT(TecRecord, offset, 16);
THERMCORE_CHECK_AT(TecRecord, enable, 28);

THERMCORE_CHECK_SIZE(DistCompTable, 488);
THERMCORE_CHECK_AT(DistCompTable, temperatures, 8);
THERMCORE_CHECK_AT(DistCompTable, distances, 48);
THERMCORE_CHECK_AT(DistCompTable, corrections, 88);

THERMCORE_CHECK_SIZE(RedunData, 1368);
THERMCORE_CHECK_AT(RedunData, cameraValue256, 256);
THERMCORE_CHECK_AT(RedunData, grayTempDrift, 260);
THERMCORE_CHECK_AT(RedunData, curveCount, 264);
THERMCORE_CHECK_AT(RedunData, emissModelV2, 265);
THERMCORE_CHECK_AT(RedunData, curve, 268);
THERMCORE_CHECK_AT(RedunData, realBaseTemp, 520);
THERMCORE_CHECK_AT(RedunData, baseGray, 532);
THERMCORE_CHECK_AT(RedunData, distFactorOnly, 536);
THERMCORE_CHECK_AT(RedunData, gainMode, 540);
THERMCORE_CHECK_AT(RedunData, modelCode, 544);
THERMCORE_CHECK_AT(RedunData, tempRiseCompensation, 576);
THERMCORE_CHECK_AT(RedunData, tempDataFlag, 581);
THERMCORE_CHECK_AT(RedunData, distCoef, 584);
THERMCORE_CHECK_AT(RedunData, humidity, 648);
THERMCORE_CHECK_AT(RedunData, distance, 652);
THERMCORE_CHECK_AT(RedunData, envTemp, 656);
THERMCORE_CHECK_AT(RedunData, reflectedTemp, 660);
THERMCORE_CHECK_AT(RedunData, emissivity, 664);
THERMCORE_CHECK_AT(RedunData, tempUnit, 668);
THERMCORE_CHECK_AT(RedunData, lowThresholds, 760);
THERMCORE_CHECK_AT(RedunData, highThresholds, 776);
THERMCORE_CHECK_AT(RedunData, distLd, 792);
THERMCORE_CHECK_AT(RedunData, distHd, 796);
THERMCORE_CHECK_AT(RedunData, windowWidth, 824);
THERMCORE_CHECK_AT(RedunData, windowHeight, 826);
THERMCORE_CHECK_AT(RedunData, windowX, 828);
THERMCORE_CHECK_AT(RedunData, windowY, 830);
THERMCORE_CHECK_AT(RedunData, distTableEnable, 832);
THERMCORE_CHECK_AT(RedunData, distTable, 836);
THERMCORE_CHECK_AT(RedunData, defaultDistance, 1344);
THERMCORE_CHECK_AT(RedunData, baseTempOffset, 1348);

THERMCORE_CHECK_SIZE(PicGlobalRuleConfigParam, 32);
THERMCORE_CHECK_SIZE(PicRuleConfig, 148);
THERMCORE_CHECK_AT(PicRuleConfig, pointNum, 4);
THERMCORE_CHECK_AT(PicRuleConfig, meterType, 8);
THERMCORE_CHECK_AT(PicRuleConfig, param, 12);
THERMCORE_CHECK_AT(PicRuleConfig, bLocalEnable, 16);
THERMCORE_CHECK_AT(PicRuleConfig, points, 20);
THERMCORE_CHECK_AT(PicRuleConfig, name, 84);
THERMCORE_CHECK_AT(PicRuleConfig, emissivity, 116);
THERMCORE_CHECK_AT(PicRuleConfig, distance, 120);
THERMCORE_CHECK_AT(PicRuleConfig, reflectedTemp, 124);
THERMCORE_CHECK_AT(PicRuleConfig, alarmMode, 128);
THERMCORE_CHECK_AT(PicRuleConfig, alarmThreshold, 132);
THERMCORE_CHECK_SIZE(PicRuleConfigInfo, 8884);
THERMCORE_CHECK_SIZE(PicManageParam, 12);
THERMCORE_CHECK_SIZE(PicExtendInfo, 36);
THERMCORE_CHECK_SIZE(PicRuleShowState, 12);
THERMCORE_CHECK_SIZE(RuleRegionParam, 96);
THERMCORE_CHECK_AT(RuleRegionParam, points, 20);
THERMCORE_CHECK_AT(RuleRegionParam, radiance, 84);
THERMCORE_CHECK_AT(RuleRegionParam, thermoDistance, 88);
THERMCORE_CHECK_AT(RuleRegionParam, refectTemp, 92);
THERMCORE_CHECK_SIZE(TCAM_Point, 16);
THERMCORE_CHECK_SIZE(PICAPP_MetryParm, 48);
THERMCORE_CHECK_SIZE(HM_RuleTemper, 28);

THERMCORE_CHECK_SIZE(RADAPI_SpotRule, 144);
THERMCORE_CHECK_AT(RADAPI_SpotRule, meterType, 8);
THERMCORE_CHECK_AT(RADAPI_SpotRule, localParamFlag, 12);
THERMCORE_CHECK_AT(RADAPI_SpotRule, distance, 16);
THERMCORE_CHECK_AT(RADAPI_SpotRule, reflectedTemp, 20);
THERMCORE_CHECK_AT(RADAPI_SpotRule, emissivity, 24);
THERMCORE_CHECK_AT(RADAPI_SpotRule, geom, 44);
THERMCORE_CHECK_AT(RADAPI_SpotRule, geom.area.points, 48);
THERMCORE_CHECK_AT(RADAPI_SpotRule, areaShape, 112);
THERMCORE_CHECK_SIZE(RADAPI_SpotRules, 4324);
THERMCORE_CHECK_SIZE(RADAPI_TempInfo, 48);
THERMCORE_CHECK_AT(RADAPI_TempInfo, average, 12);
THERMCORE_CHECK_AT(RADAPI_TempInfo, maximum, 20);
THERMCORE_CHECK_AT(RADAPI_TempInfo, minimum, 24);
THERMCORE_CHECK_AT(RADAPI_TempInfo, zeroInUnit, 28);
THERMCORE_CHECK_AT(RADAPI_TempInfo, hot, 32);
THERMCORE_CHECK_AT(RADAPI_TempInfo, cold, 40);
THERMCORE_CHECK_SIZE(RADAPI_Polygon, 68);
THERMCORE_CHECK_SIZE(RADAPI_ThermoTempParam, 20);
THERMCORE_CHECK_SIZE(RADAPI_DevInfo, 132);
THERMCORE_CHECK_AT(RADAPI_DevInfo, tecSource, 9);
THERMCORE_CHECK_SIZE(TecSegmentTable, 488);
THERMCORE_CHECK_AT(TecSegmentTable, bounds, 4);
THERMCORE_CHECK_AT(TecSegmentTable, offsets, 120);
THERMCORE_CHECK_AT(TecSegmentTable, temp0, 480);
THERMCORE_CHECK_AT(TecSegmentTable, selfCom, 484);
THERMCORE_CHECK_SIZE(RADAPI_TecCoef, 60);
THERMCORE_CHECK_SIZE(RADAPI_TecLinearity, 16);
THERMCORE_CHECK_SIZE(RADAPI_TecHighCompensationParam, 976);
THERMCORE_CHECK_SIZE(RADAPI_GreyDiffParam, 500);
THERMCORE_CHECK_AT(RADAPI_GreyDiffParam, low, 4);
THERMCORE_CHECK_AT(RADAPI_GreyDiffParam, high, 244);
THERMCORE_CHECK_AT(RADAPI_GreyDiffParam, tecLowIndex, 484);
THERMCORE_CHECK_AT(RADAPI_GreyDiffParam, tecHighHighIndex, 496);
THERMCORE_CHECK_SIZE(RADAPI_DistCompenParam, 980);
THERMCORE_CHECK_AT(RADAPI_DistCompenParam, low, 4);
THERMCORE_CHECK_AT(RADAPI_DistCompenParam, high, 492);
THERMCORE_CHECK_SIZE(RADAPI_DiffTableCompensation, 496);

#endif /* THERMCORE_H */
