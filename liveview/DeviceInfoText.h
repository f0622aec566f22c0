// Texts made from a camera's device list entry: its name and the way the
// connection dialog and the live page show the device.
#pragma once

#include <QString>

#include "camsdk.h"

class DeviceInfoText {
public:
    // The name field up to its first NUL, never past its 256 bytes (the
    // layer may fill it to the brim), decoded as UTF-8.
    static QString name(const USBSDK_DeviceInfo& info);
    // A row of the connection dialog's device list: "Thermal-Com5" for a
    // name starting with "Vost", else the name followed by "-Com5".
    static QString listText(const USBSDK_DeviceInfo& info);
    // The live page's device caption: as listText, but "Com5" alone for an
    // empty name.
    static QString captionText(const USBSDK_DeviceInfo& info);
};
