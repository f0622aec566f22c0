/* The C half of the header test: camsdk.h and simcam.h must compile as plain
 * C11, and what C code writes into the records must land where the C++ side
 * (and the memcpy users in the program) read it. */
#include <string.h>

#include "camsdk.h"
#include "simcam.h"

/* A calibration-style area rule: a rectangle given by its four corners. */
void camsdkC_fillAreaRule(USBSDK_Rule* rule)
{
    memset(rule, 0, sizeof *rule);
    rule->ruleId = 7;
    rule->flag = 1;
    rule->type = 2;
    rule->localParamFlag = 1;
    rule->localDistance = 2.5f;
    rule->localReflected = 30.0f;
    rule->localEmissivity = 0.95f;
    rule->geom.area.pointCount = 4;
    static const int32_t corners[4][2] = {{1024, 3072}, {3072, 3072}, {1024, 5120}, {3072, 5120}};
    memcpy(rule->geom.area.xy, corners, sizeof corners);
    rule->areaShape = 1;
    strncpy(rule->name, "40", sizeof rule->name - 1);
}

/* A data-collection request as the worker builds it. */
void camsdkC_fillCollectRequest(USBSDK_NewRadiometryDataAutoCollectParam* rec, USBSDK_DataCollectEntry* entries)
{
    memset(rec, 0, sizeof *rec);
    rec->startIndex = 50;
    rec->total = 0;
    rec->count = USBSDK_DATA_COLLECT_PAGE;
    rec->entries = entries;
    rec->extra = NULL;
}

/* One call-log entry as the simulator writes it. */
void camsdkC_fillCallRecord(SIMCAM_CallRecord* rec)
{
    memset(rec, 0, sizeof *rec);
    rec->seq = 3;
    rec->clockMs = -1;
    rec->threadId = 4242;
    strncpy(rec->function, "USBSDK_SetColor", sizeof rec->function - 1);
    strncpy(rec->args, "palette=6", sizeof rec->args - 1);
    rec->result = 1;
    rec->error = USBSDK_ERR_NONE;
}

/* Both callback types must be spelled the same way from C. */
static void onFrame(const unsigned char* pYuv, int nYuvLen, const unsigned char* pRaw, int nRawLen, int nWidth,
                    int nHeight, void* pUser)
{
    (void)pYuv, (void)nYuvLen, (void)pRaw, (void)nRawLen, (void)nWidth, (void)nHeight, (void)pUser;
}

static void onDevice(int event, const USBSDK_DeviceInfo* device, void* pUser)
{
    (void)event, (void)device, (void)pUser;
}

int camsdkC_callbacksAssignable(void)
{
    USBSDK_RealPlayCallback frame = onFrame;
    USBSDK_DeviceChangeCallback device = onDevice;
    return frame != NULL && device != NULL;
}
