#include "FreeSpaceProbe.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/statvfs.h>

#include <atomic>

namespace {

std::atomic<FreeSpaceProbe::Source> source{nullptr};
std::atomic<FreeSpaceProbe::MountLookup> mountLookup{nullptr};

}  // namespace

qint64 FreeSpaceProbe::bytesAvailable(const QString& path)
{
    const Source injected = source.load();
    return injected ? injected(path) : queryStorage(path);
}

bool FreeSpaceProbe::tooLittle(const QString& path)
{
    const qint64 available = bytesAvailable(path);
    return available >= 0 && available < kMinFreeBytes;
}

void FreeSpaceProbe::setSource(Source replacement)
{
    source.store(replacement);
}

void FreeSpaceProbe::setMountLookup(MountLookup replacement)
{
    mountLookup.store(replacement);
}

qint64 FreeSpaceProbe::queryStorage(const QString& path)
{
    if (path.isEmpty()) return -1;
    // The day folder may not exist yet: ask the closest folder that does.
    QString existing = QFileInfo(path).absoluteFilePath();
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing) return -1;
        existing = parent;
    }
    const MountLookup injected = mountLookup.load();
    const qint64 mounted = injected ? injected(existing) : mountTableAvailable(existing);
    return mounted >= 0 ? mounted : fileSystemAvailable(existing);
}

qint64 FreeSpaceProbe::mountTableAvailable(const QString& folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady()) return -1;
    return storage.bytesAvailable();
}

qint64 FreeSpaceProbe::fileSystemAvailable(const QString& folder)
{
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) != 0) return -1;
    return qint64(fs.f_bavail) * qint64(fs.f_frsize);
}
