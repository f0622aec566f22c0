#include "AppHelpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cmath>

#include "AppPaths.h"
#include "ConfigManager.h"
#include "UiPrompts.h"

namespace {

constexpr double kFeetPerMetre = 3.2808;

QVariant configValue(const char* key)
{
    return ConfigManager::getInstance().getValue(ConfigManager::kGroup, key);
}

// A configured folder, or the default when missing or empty.
QString configuredPath(const char* key, const QString& fallback)
{
    const QString path = configValue(key).toString();
    return path.isEmpty() ? fallback : path;
}

}  // namespace

QString GetAppDirPath()
{
    return QCoreApplication::applicationDirPath();
}

QString GetManualRecordPath()
{
    return configuredPath("ManualRecordPath", AppPaths::get().userDataDir());
}

QString GetManualSnapshotPath()
{
    return configuredPath("ManualSnapshotPath", AppPaths::get().userDataDir());
}

QString GetReportPath()
{
    return configuredPath("ReportPath", AppPaths::get().reportDir());
}

int GetSaveRules()
{
    return configValue("SaveRules").toInt();
}

int GetTemperUnit()
{
    return configValue("TemperUnit").toInt();
}

int GetDistanceUnit()
{
    const int cached = ConfigManager::getInstance().getDistanceUnitCache();
    return cached >= 0 ? cached : configValue("DistanceUnit").toInt();
}

QString GetDistanceUnitText()
{
    switch (GetDistanceUnit()) {
        case 0:
            return QCoreApplication::translate("QObject", "Meter");
        case 1:
            return QCoreApplication::translate("QObject", "Feet");
        default:
            return QString();
    }
}

QString TemperUnitSymbol(int unit)
{
    switch (unit) {
        case 0:
            return QString(QChar(0x2103));
        case 1:
            return QString(QChar(0x2109));
        case 2:
            return QStringLiteral("K");
        default:
            return QString();
    }
}

QString GetTemperUnitSymbol()
{
    return TemperUnitSymbol(ConfigManager::getInstance().getTemperUnitCache());
}

QString GetTemperUnitSymbolEx()
{
    return TemperUnitSymbol(GetTemperUnit());
}

float CelsiusToTemper(float celsius, int unit)
{
    const double x = celsius;
    if (unit == 1) return float(x * 1.8 + 32.0);
    if (unit == 2) return float(x + 273.15);
    return celsius;
}

float TemperToCelsius(float value, int unit)
{
    const double x = value;
    if (unit == 1) return float((x - 32.0) / 1.8);
    if (unit == 2) return float(x - 273.15);
    return value;
}

float CelsiusToShowTemper(float celsius)
{
    return CelsiusToTemper(celsius, ConfigManager::getInstance().getTemperUnitCache());
}

float ShowTemperToCelsius(float value)
{
    return TemperToCelsius(value, ConfigManager::getInstance().getTemperUnitCache());
}

float CelsiusToShowTemperEx(float celsius)
{
    return CelsiusToTemper(celsius, GetTemperUnit());
}

float ShowTemperToCelsiusEx(float value)
{
    return TemperToCelsius(value, GetTemperUnit());
}

float MetersToDistance(float metres, int unit)
{
    return unit == 1 ? float(double(metres) * kFeetPerMetre) : metres;
}

float MeterToShowDistance(float metres)
{
    return MetersToDistance(metres, GetDistanceUnit());
}

float ShowDistanceToMeter(float value)
{
    return GetDistanceUnit() == 1 ? float(double(value) / kFeetPerMetre) : value;
}

float RoundToOneDecimal(float value)
{
    return float(std::round(double(value) * 10.0) / 10.0);
}

QString GetDateStamp()
{
    return QDateTime::currentDateTime().toString("yyyyMMdd");
}

QString GetTimeStampMs()
{
    return QDateTime::currentDateTime().toString("yyyyMMdd_HHmmss_zzz");
}

QString GetCurTimeString(const QString& format)
{
    return QDateTime::currentDateTime().toString(format);
}

bool MakeDirPath(const QString& path)
{
    if (QDir(path).exists()) return true;
    return QDir().mkpath(path);
}

bool IsDirExist(const QString& path)
{
    return !path.isEmpty() && QDir(path).exists();
}

bool IsFileExist(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool RemoveDir(const QString& path)
{
    if (path.isEmpty() || !QDir(path).exists()) return false;
    return QDir(path).removeRecursively();
}

int GetImageFileSize(const QString& path, int width)
{
    if (!IsFileExist(path)) return 0;
    const QImage image(path);
    if (image.isNull() || image.width() <= 0) return 0;
    return int(qint64(image.height()) * width / image.width());
}

void FitSizeKeepRatio(int srcW, int srcH, int maxW, int maxH, int& w, int& h)
{
    if (srcW <= 0 || srcH <= 0 || maxW <= 0 || maxH <= 0) return;
    const qint64 fitH = qint64(srcH) * maxW / srcW;
    if (fitH <= maxH) {
        w = maxW;
        h = int(fitH);
    } else {
        w = int(qint64(srcW) * maxH / srcH);
        h = maxH;
    }
}

void ScalePointList(QVector<QPoint>& points, int w1, int h1, int w2, int h2)
{
    if (w1 < 1 || h1 < 1 || w2 < 1 || h2 < 1) return;
    for (QPoint& p : points) {
        p.setX(int(qint64(p.x()) * w2 / w1));
        p.setY(int(qint64(p.y()) * h2 / h1));
    }
}

void ScalePoint(QPointF& point, int w1, int h1, int w2, int h2)
{
    if (w1 <= 0 || h1 <= 0 || w2 <= 0 || h2 <= 0) return;
    point.setX(w2 * point.x() / w1);
    point.setY(h2 * point.y() / h1);
}

int MapColorTypeIndex(int index)
{
    if (index < 0) return index;  // as given: negative indices pass through
    if (index <= 13) return index;
    if (index <= 17) return index + 1;
    if (index <= 19) return index + 2;
    return -1;
}

void SetComboBoxCurrentByData(QComboBox* box, int value)
{
    if (!box) return;
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemData(i).toInt() == value) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

int ShowMessageBox(QWidget* parent, const QString& text, bool okOnly)
{
    UiPrompts& prompts = UiPrompts::instance();
    if (okOnly) return prompts.notice(parent, text);
    return prompts.question(parent, QString(), text) ? QDialog::Accepted : QDialog::Rejected;
}
