// Firmware packages for the tests, written by Python's zip writer (an outside
// writer that also writes hostile names and symlink entries).
#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

namespace firmwaretest {

struct Entry {
    QString name;
    QByteArray data;
    bool symlink = false;
    bool stored = false;
};

// An install file whose "Commands" are the given strings.
inline QByteArray installFile(const QStringList& commands)
{
    return QJsonDocument(QJsonObject{{"Commands", QJsonArray::fromStringList(commands)}}).toJson();
}

// Writes the package; mark goes over the first two bytes ("PK" leaves a
// plain zip). False when the writer failed.
inline bool writePackage(const QString& out, const QVector<Entry>& entries, const QString& mark = "KV")
{
    QJsonArray list;
    for (const Entry& e : entries) {
        list << QJsonObject{
            {"name", e.name}, {"data", QString::fromUtf8(e.data)}, {"symlink", e.symlink}, {"stored", e.stored}};
    }
    const QJsonObject description{{"mark", mark}, {"entries", list}};
    QProcess writer;
    writer.start(CALIDRA_PYTHON3, {CALIDRA_MAKE_PACKAGE, out,
                                   QString::fromUtf8(QJsonDocument(description).toJson(QJsonDocument::Compact))});
    return writer.waitForFinished(-1) && writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0 &&
           QFile::exists(out);
}

// What lies below root (files, or files and folders), relative, sorted.
inline QStringList below(const QString& root, QDir::Filters kinds = QDir::Files)
{
    QStringList found;
    QDirIterator it(root, kinds | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

}  // namespace firmwaretest
