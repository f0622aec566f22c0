// Where recordings and snapshots go: <root>/<serial>/<kind>/<yyyyMMdd>, or
// <root>/<yyyyMMdd> when the camera's serial number cannot be read, with
// files named by their local time stamp "yyyyMMdd_HHmmss_zzz".
//
// The serial number becomes a folder name, so it is reduced to the bytes
// [A-Za-z0-9._-] (every other byte becomes '_'); a result that is empty, "."
// or ".." counts as not readable.
//
// Threads: any; readSerial asks the camera, so it runs where camera calls may.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

class CaptureFolder {
public:
    // The folder name of a serial number (bytes up to the first NUL); empty
    // when it is not usable.
    static QString sanitiseSerial(const QByteArray& raw);
    // The open camera's serial number as a folder name; empty when the camera
    // does not give one.
    static QString readSerial();
    // root/serial/kind/yyyyMMdd, or root/yyyyMMdd for an empty serial.
    static QString dayFolder(const QString& root, const QString& serial, const QString& kind, const QDate& date);
    // "yyyyMMdd_HHmmss_zzz" of t, then suffix (".png", ".mp4").
    static QString fileName(const QDateTime& t, const QString& suffix);
};
