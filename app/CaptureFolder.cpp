#include "CaptureFolder.h"

#include <QLatin1Char>

#include <cstring>

#include "DeviceSdkWrapper.h"

namespace {

bool keptInFolderName(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
}

}  // namespace

QString CaptureFolder::sanitiseSerial(const QByteArray& raw)
{
    const int nul = raw.indexOf('\0');
    QByteArray name = nul >= 0 ? raw.left(nul) : raw;
    // Byte by byte: a multi-byte character becomes several '_', never a
    // path separator or a control character.
    for (char& c : name)
        if (!keptInFolderName(c)) c = '_';
    if (name.isEmpty() || name == "." || name == "..") return QString();
    return QString::fromLatin1(name);
}

QString CaptureFolder::readSerial()
{
    // The camera writes at most 32 bytes; the zeroed rest ends the text.
    char buffer[256];
    std::memset(buffer, 0, sizeof buffer);
    if (!DeviceSdkWrapper::getInstance().GetSerialNumber(buffer)) return QString();
    return sanitiseSerial(QByteArray(buffer, int(strnlen(buffer, sizeof buffer))));
}

QString CaptureFolder::dayFolder(const QString& root, const QString& serial, const QString& kind, const QDate& date)
{
    const QString day = date.toString(QStringLiteral("yyyyMMdd"));
    if (serial.isEmpty()) return root + QLatin1Char('/') + day;
    return root + QLatin1Char('/') + serial + QLatin1Char('/') + kind + QLatin1Char('/') + day;
}

QString CaptureFolder::fileName(const QDateTime& t, const QString& suffix)
{
    return t.toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")) + suffix;
}
