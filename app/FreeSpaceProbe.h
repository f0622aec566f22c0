// Free disk space before a recording or a snapshot starts. The query runs on
// the folder's file system (or that of its nearest existing ancestor, so a
// folder that is yet to be created can be asked about): the mount table
// through QStorageInfo, else the file system itself (statvfs) where the
// table has no entry for it (a chroot, a minimal container). A query that
// fails both ways lets the capture go on: only a known shortage stops it.
//
// Threads: any. Tests replace the query with setSource, or only the mount
// table with setMountLookup, before captures run.
#pragma once

#include <QString>
#include <QtGlobal>

class FreeSpaceProbe {
public:
    // Captures need at least 5 GiB available.
    static constexpr qint64 kMinFreeBytes = 5368709120;

    // A query of the bytes available at a path; negative = query failed.
    using Source = qint64 (*)(const QString& path);
    // The mount table's answer for an existing folder: bytes available, or
    // negative when the table has no (ready) entry for it.
    using MountLookup = qint64 (*)(const QString& folder);

    // Bytes available to this user on the path's file system; -1 when
    // neither the mount table nor the file system answers.
    static qint64 bytesAvailable(const QString& path);
    // True only when the query succeeded and found less than kMinFreeBytes.
    static bool tooLittle(const QString& path);
    // Replaces the query (tests); null restores the file-system query.
    static void setSource(Source source);
    // Replaces the mount-table lookup (tests); null restores QStorageInfo.
    static void setMountLookup(MountLookup lookup);

private:
    static qint64 queryStorage(const QString& path);
    static qint64 mountTableAvailable(const QString& folder);
    static qint64 fileSystemAvailable(const QString& folder);
};
