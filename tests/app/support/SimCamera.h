// The simulated camera for GUI tests: its first device, opened through the
// program's SDK wrapper.
#pragma once

#include <cstring>

#include "DeviceSdkWrapper.h"

namespace simcamera {

// The first listed device; zeroed when none is listed.
inline USBSDK_DeviceInfo firstDevice()
{
    USBSDK_DeviceInfo list[8];
    std::memset(list, 0, sizeof list);
    if (DeviceSdkWrapper::getInstance().GetDevInfoList(list, 8) < 1) std::memset(&list[0], 0, sizeof list[0]);
    return list[0];
}

// Opens the first device; true once it is connected.
inline bool openFirst()
{
    USBSDK_DeviceInfo list[8];
    std::memset(list, 0, sizeof list);
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    return sdk.GetDevInfoList(list, 8) >= 1 && sdk.Open(&list[0]) && sdk.Connect();
}

}  // namespace simcamera
