// The combined firmware package: a zip archive whose first two bytes carry
// "KV" in place of "PK". It holds a JSON install file whose "Commands" name
// the files to burn, and those files.
//
// The archive comes from outside, so it is never unpacked blindly: every entry
// name is checked before anything is written (no absolute names, drive
// letters, empty names, ".." components or symlinks), and the number of
// entries and the bytes unpacked are capped, counted while the bytes are read.
// Entry paths are kept relative to the extraction root and matched there.
//
// Qt Core and QuaZip only, so the fuzz target links it without the GUI.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>

class QuaZip;

class FirmwarePackage {
public:
    struct Limits {
        int maxEntries = 10000;
        qint64 maxUnpackedBytes = qint64(1) << 30;  // 1 GiB over all entries
        qint64 maxInstallBytes = qint64(1) << 20;   // 1 MiB
    };

    FirmwarePackage();
    explicit FirmwarePackage(const Limits& limits);
    ~FirmwarePackage();
    FirmwarePackage(const FirmwarePackage&) = delete;
    FirmwarePackage& operator=(const FirmwarePackage&) = delete;

    // True when the first bytes are "KVSP" or "KV" 03 04.
    static bool HasPackageMark(const QByteArray& head);
    // Copies the package to the archive path in pieces of 8192 bytes with
    // "PK" written over the mark; false when the package is unreadable,
    // empty or unmarked, or the copy cannot be written whole.
    static bool CopyPackageAsZip(const QString& packagePath, const QString& archivePath);
    // The second words of the install file's "burn" commands (three words or
    // more, split at each single space), in order; empty for invalid JSON.
    static QStringList ParseBurnList(const QByteArray& installFile);
    // Index of the entry a burn entry names: the relative path equal to it,
    // else the first whose file name equals it, else the first relative path
    // that contains it; -1 for an empty entry, one with a ".." component, or
    // no match. Backslashes count as "/" on both sides.
    static int FindFileIndex(const QStringList& relativePaths, const QString& text);
    // Index of the install file: the first relative path containing
    // "Install"; -1 when there is none.
    static int FindInstallIndex(const QStringList& relativePaths);
    // The entry name as a path relative to the extraction root, "/"
    // separated; empty when the name is refused.
    static QString SafeRelativePath(const QString& entryName);

    // Opens the zip archive on the device (opened for reading when it is not
    // yet) and checks every entry: count, names, symlinks and the sizes the
    // headers claim. False refuses the whole package. The device must outlive
    // this object.
    bool open(QIODevice* zip);
    // Relative paths of the entries, in archive order (after open()).
    const QStringList& entries() const { return entries_; }
    // Unpacks every entry below root, which must exist; false (possibly with
    // some files written) when an entry fails to read or write, or the caps
    // are passed.
    bool extractTo(const QString& root);
    // Reads every entry through the caps without writing anything.
    bool checkContents();
    // Reads the install file below root (after extractTo); false when there
    // is none, it cannot be read, or it is larger than the cap.
    bool readInstallFile(const QString& root, QByteArray* content) const;

private:
    // Reads every entry; writes each below root unless root is null.
    bool readEntries(const QString* root);

    Limits limits_;
    std::unique_ptr<QuaZip> zip_;  // owned; reads from the device passed to open()
    QStringList entries_;
};
