#include "FreeSpaceProbe.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <atomic>

namespace {

std::atomic<FreeSpaceProbe::Source> source{nullptr};

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
    const QStorageInfo storage(existing);
    if (!storage.isValid() || !storage.isReady()) return -1;
    return storage.bytesAvailable();
}
