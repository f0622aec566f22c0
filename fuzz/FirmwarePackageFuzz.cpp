// Hostile bytes for the combined firmware package: the install file's burn
// list parser, and the package opener (mark check, entry listing and
// validation, every entry read through the caps without writing anything).
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FirmwarePackage.h"

namespace {

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Every listed entry stays below the root and matches itself.
void checkEntries(const QStringList& entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QString& path = entries.at(i);
        if (FirmwarePackage::SafeRelativePath(path) != path) std::abort();
        const int found = FirmwarePackage::FindFileIndex(entries, path);
        if (found < 0 || found > i) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(dropMessage);  // the burn list is logged for every input
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const QStringList burns = FirmwarePackage::ParseBurnList(input);
    for (const QString& burn : burns) FirmwarePackage::FindFileIndex({burn, QStringLiteral("fw/") + burn}, burn);

    if (!FirmwarePackage::HasPackageMark(input)) return 0;
    QByteArray zip = input;
    zip.replace(0, 2, "PK");
    QBuffer device(&zip);
    if (!device.open(QIODevice::ReadOnly)) return 0;
    FirmwarePackage::Limits limits;
    limits.maxUnpackedBytes = qint64(16) << 20;  // keeps bombs quick; the caps' code is the same
    FirmwarePackage package(limits);
    if (!package.open(&device)) return 0;
    checkEntries(package.entries());
    package.checkContents();
    return 0;
}
