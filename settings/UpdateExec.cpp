#include "UpdateExec.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstring>

#include "DeviceSdkWrapper.h"
#include "FirmwarePackage.h"
#include "camsdk.h"

UpdateExec::UpdateExec(QObject* parent) : QObject(parent), sleep_([](int ms) { QThread::msleep(ulong(ms)); }) {}

namespace {

// The camera's last error when a flash call failed, else 0.
int burnError(bool ok)
{
    return ok ? 0 : USBSDK_GetLastError();
}

bool burn(int (*flash)(const char*), const QString& path, int* err)
{
    const bool ok = flash(QFile::encodeName(path).constData()) != 0;
    *err = burnError(ok);
    return ok;
}

// Waits for the camera to be listed again after the first burn rebooted it.
bool waitForCamera(const UpdateExec::Waits& waits, const UpdateExec::Sleep& sleep)
{
    sleep(waits.afterFirstBurnMs);
    USBSDK_DeviceInfo table[64];
    for (int i = 0; i < waits.polls; ++i) {
        std::memset(table, 0, sizeof table);
        if (DeviceSdkWrapper::getInstance().GetDevInfoList(table, 64) > 0) return true;
        sleep(waits.pollMs);
    }
    return false;
}

// The combined package: copied as a zip, checked and unpacked, both inside a
// private temporary folder that goes with this function on every path.
// firstBurnt runs after the main program was burnt; *err is the camera's
// last error when a burn call failed.
bool runCombined(const QString& packagePath, const UpdateExec::Waits& waits, const UpdateExec::Sleep& sleep,
                 const std::function<void()>& firstBurnt, int* err)
{
    *err = 0;
    QTemporaryDir work(QDir(QDir::tempPath()).filePath(QStringLiteral("calidra-firmware-XXXXXX")));
    if (!work.isValid()) return false;
    const QString archivePath = work.filePath(QStringLiteral("package.zip"));
    const QString extractDir = work.filePath(QStringLiteral("TempExtractDir"));
    if (!FirmwarePackage::CopyPackageAsZip(packagePath, archivePath) || !QDir().mkpath(extractDir)) return false;

    QFile archive(archivePath);  // read by package, so declared before it
    FirmwarePackage package;
    QByteArray install;
    if (!archive.open(QIODevice::ReadOnly) || !package.open(&archive) || !package.extractTo(extractDir) ||
        !package.readInstallFile(extractDir, &install)) {
        return false;
    }
    qDebug() << "Extracted package entries:" << package.entries();
    const QStringList burnList = FirmwarePackage::ParseBurnList(install);
    if (burnList.size() < 2) return false;
    const QDir root(extractDir);
    const int mainIndex = FirmwarePackage::FindFileIndex(package.entries(), burnList.at(0));
    if (mainIndex < 0 || !burn(USBSDK_UpdateMainProgram, root.filePath(package.entries().at(mainIndex)), err)) {
        return false;
    }
    firstBurnt();
    if (!waitForCamera(waits, sleep)) return false;
    const int usbIndex = FirmwarePackage::FindFileIndex(package.entries(), burnList.at(1));
    return usbIndex >= 0 && burn(USBSDK_Update3014Program, root.filePath(package.entries().at(usbIndex)), err);
}

}  // namespace

void UpdateExec::setMainProgramUpdateSlots(QString FilePath)
{
    int err = 0;
    const bool ok = burn(USBSDK_UpdateMainProgram, FilePath, &err);
    emit Send_MainProgram_Update_Ret(ok, err);
}

void UpdateExec::setUSBUpdateSlots(QString FilePath)
{
    int err = 0;
    const bool ok = burn(USBSDK_Update3014Program, FilePath, &err);
    emit Send_USB_Update_Ret(ok, err);
}

void UpdateExec::setCombinedUpdateSlots(QString FilePath)
{
    int err = 0;
    const bool ok = runCombined(
        FilePath, waits_, sleep_, [this] { emit Send_Combined_Update_Ret(true, 0, 0); }, &err);
    emit Send_Combined_Update_Ret(ok, 1, err);
}
