// Helpers every page uses: the configured folders, temperature and distance
// units with their conversions and symbols, time stamps, small file and
// geometry helpers, and the one-call message box. They run on the calling
// thread; the configuration behind them is ConfigManager's, which locks.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QVector>

class QComboBox;
class QWidget;

// Folders. The record, snapshot and report roots default to the layout of
// AppPaths when Config.ini has no (or an empty) value; defaults are not
// written back.
QString GetAppDirPath();
QString GetManualRecordPath();
QString GetManualSnapshotPath();
QString GetReportPath();
int GetSaveRules();

// Units: temperature 0 Celsius, 1 Fahrenheit, 2 Kelvin; distance 1 feet,
// anything else metres. The plain forms use the unit the picture analysis
// cached; the Ex forms read TemperUnit from Config.ini.
int GetTemperUnit();
int GetDistanceUnit();
QString GetDistanceUnitText();
QString TemperUnitSymbol(int unit);  // "℃", "℉", "K", empty for others
QString GetTemperUnitSymbol();
QString GetTemperUnitSymbolEx();
float CelsiusToTemper(float celsius, int unit);
float TemperToCelsius(float value, int unit);
float CelsiusToShowTemper(float celsius);
float ShowTemperToCelsius(float value);
float CelsiusToShowTemperEx(float celsius);
float ShowTemperToCelsiusEx(float value);
float MetersToDistance(float metres, int unit);  // unit 1 feet, else metres
float MeterToShowDistance(float metres);
float ShowDistanceToMeter(float value);
float RoundToOneDecimal(float value);

// Local time stamps.
QString GetDateStamp();    // "yyyyMMdd"
QString GetTimeStampMs();  // "yyyyMMdd_HHmmss_zzz"
QString GetCurTimeString(const QString& format);

// Files and folders.
bool MakeDirPath(const QString& path);
bool IsDirExist(const QString& path);
bool IsFileExist(const QString& path);
bool RemoveDir(const QString& path);
int GetImageFileSize(const QString& path, int width);

// Geometry.
void FitSizeKeepRatio(int srcW, int srcH, int maxW, int maxH, int& w, int& h);
void ScalePointList(QVector<QPoint>& points, int w1, int h1, int w2, int h2);
void ScalePoint(QPointF& point, int w1, int h1, int w2, int h2);

// Palette list index -> palette colour type (types 14 and 19 are no
// palettes); -1 above 19.
int MapColorTypeIndex(int index);
void SetComboBoxCurrentByData(QComboBox* box, int value);

// The program's message box over parent; with okOnly its icon and Cancel are
// hidden. Returns the dialog's result.
int ShowMessageBox(QWidget* parent, const QString& text, bool okOnly);
