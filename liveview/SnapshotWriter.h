// Snapshots of the live video: the frame as a PNG picture and, for
// temperature-measuring cameras, the radiometric data appended behind it
// (display image, raw frame, picture information with the live parameters
// and rules, the camera's RedunData block, the start offset and the end
// mark), so that the picture analysis opens the file later and any PNG
// reader still shows it.
//
// Everything the picture records besides the frame comes from the request,
// copied when the snapshot was asked for. The writer asks the camera only
// for what belongs to the moment of writing: its type, the shutter, the raw
// resolution and the RedunData version.
//
// Threads: any, one call per file; the frame worker calls it on its snapshot
// thread (SnapshotWorker). The hook is process-wide; tests set it while no
// snapshot runs.
#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include "LiveFrame.h"
#include "SnapshotRequest.h"

class QFile;

class SnapshotWriter {
public:
    // Result codes; the live page shows them.
    enum Result : int {
        kSaved = 0,
        kNoFrame = 1,        // no frame, no memory, or the PNG was not written
        kNoFolder = 2,       // the day folder cannot be created
        kNoSpace = 3,        // less than 5 GiB free in the day folder's file system
        kOpenFailed = 6,     // the PNG cannot be opened for appending
        kShortWrite = 7,     // a write of the appended data was short
        kMissingData = 8,    // missing data, raw resolution unavailable, size mismatch, no global block
        kShutterMoving = 9,  // the shutter is moving
    };

    // zlib level of the PNG, by snapshot_bench against the default 6: 28 %
    // of the encoding time; the PNG is 40 % larger, but the file with its
    // radiometric data behind it only 5 %.
    static constexpr int kPngLevel = 1;
    // Qt's PNG compression setting (0..100) that gives zlib level 0..9.
    static constexpr int pngCompression(int level) { return (91 * level + 8) / 9; }

    // One write of the appended data; returns the bytes written (or -1).
    using WriteFn = qint64 (*)(QFile& file, const char* data, qint64 size);

    // The whole snapshot at the local time now: creates the day folder
    // root[/serial/Snapshot]/yyyyMMdd, checks the free space there, and saves
    // the frame as yyyyMMdd_HHmmss_zzz.png in it. On kSaved *savedPath (when
    // given) receives the file's path; otherwise it is left alone.
    static int take(const SnapshotRequest& request, const FramePtr& frame, const QDateTime& now, QString* savedPath);
    // Writes the frame as a PNG at path, then appends the radiometric data
    // when the camera measures temperatures; that step's code is returned.
    static int saveSnapshotFile(const QString& path, const SnapshotRequest& request, const FramePtr& frame);
    // Appends the radiometric data to the PNG at path. Anything appended
    // before a failure is cut off again, so a failed append leaves the
    // plain PNG.
    static int appendRadiometricData(const QString& path, const SnapshotRequest& request, const FramePtr& frame);

    // Replaces the appended writes (tests make one short); null restores
    // QFile::write.
    static void setWriteHook(WriteFn hook);
};
