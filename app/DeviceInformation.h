// What the device-command worker reads about the connected camera, handed by
// value to the device information panel and to the factory settings page.
// Texts the reads did not fill stay empty.
#pragma once

#include <QString>

#include <cstdint>

struct DeviceInformation {
    int32_t bValid = 0;  // the reads behind the record succeeded (a boolean)
    QString qstrPartNumber;
    QString qstrSerialNumber;
    QString qstrResolution;  // width, "×", height
    QString qstrReserved1;
    QString qstrReserved2;
    QString qstrReserved3;
    QString qstrReserved4;
    QString qstrReserved5;
    QString qstrSoftwareVersion;
    QString qstrMaterialsPartNumber;
    QString qstrDeviceName;   // empty for the Vost family
    int32_t nDeviceType = 0;  // 0 observation, other values temperature-measuring
};
