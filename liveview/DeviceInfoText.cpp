#include "DeviceInfoText.h"

#include <cstring>

namespace {

// Our own cameras report a vendor name that users do not know them by.
bool isThermalCamera(const QString& name)
{
    return name.left(4) == QLatin1String("Vost");
}

QString comText(const USBSDK_DeviceInfo& info)
{
    return QStringLiteral("Com") + QString::number(info.port);
}

}  // namespace

QString DeviceInfoText::name(const USBSDK_DeviceInfo& info)
{
    return QString::fromUtf8(info.name, static_cast<int>(strnlen(info.name, sizeof info.name)));
}

QString DeviceInfoText::listText(const USBSDK_DeviceInfo& info)
{
    const QString deviceName = name(info);
    if (isThermalCamera(deviceName)) return QStringLiteral("Thermal-") + comText(info);
    return deviceName + QLatin1Char('-') + comText(info);
}

QString DeviceInfoText::captionText(const USBSDK_DeviceInfo& info)
{
    if (name(info).isEmpty()) return comText(info);
    return listText(info);
}
