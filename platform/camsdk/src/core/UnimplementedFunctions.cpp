// Firmware progress, answered before the firmware family is written.
#include "ApiCall.h"

using camsdk::CamLayer;

extern "C" {

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
