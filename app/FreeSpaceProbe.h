// Free disk space before a recording or a snapshot starts. The query runs on
// the folder's file system (or that of its nearest existing ancestor, so a
// folder that is yet to be created can be asked about). A query that fails
// lets the capture go on: only a known shortage stops it.
//
// Threads: any. Tests replace the query with setSource before captures run.
#pragma once

#include <QString>
#include <QtGlobal>

class FreeSpaceProbe {
public:
    // Captures need at least 5 GiB available.
    static constexpr qint64 kMinFreeBytes = 5368709120;

    // A query of the bytes available at a path; negative = query failed.
    using Source = qint64 (*)(const QString& path);

    // Bytes available to this user on the path's file system; -1 when the
    // file system is not valid or not ready.
    static qint64 bytesAvailable(const QString& path);
    // True only when the query succeeded and found less than kMinFreeBytes.
    static bool tooLittle(const QString& path);
    // Replaces the query (tests); null restores the file-system query.
    static void setSource(Source source);

private:
    static qint64 queryStorage(const QString& path);
};
