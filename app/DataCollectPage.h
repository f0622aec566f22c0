// One page of the camera's radiometric sample store, as the device-command
// worker reads it: a value that owns its entries, so nothing the camera
// layer allocated crosses threads.
#pragma once

#include <QVector>

#include "camsdk.h"

struct DataCollectPage {
    uint unStartIndex = 0;                     // 0-based index of the first entry
    uint unTotal = 0;                          // entries in the camera's store
    QVector<USBSDK_DataCollectEntry> entries;  // at most USBSDK_DATA_COLLECT_PAGE
};
