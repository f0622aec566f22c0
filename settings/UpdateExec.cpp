#include "UpdateExec.h"

#include <QFile>
#include <QThread>

#include "camsdk.h"

UpdateExec::UpdateExec(QObject* parent) : QObject(parent), sleep_([](int ms) { QThread::msleep(ulong(ms)); }) {}

namespace {

// The camera's last error when a flash call failed, else 0.
int burnError(bool ok)
{
    return ok ? 0 : USBSDK_GetLastError();
}

}  // namespace

void UpdateExec::setMainProgramUpdateSlots(QString FilePath)
{
    const bool ok = USBSDK_UpdateMainProgram(QFile::encodeName(FilePath).constData()) != 0;
    emit Send_MainProgram_Update_Ret(ok, burnError(ok));
}

void UpdateExec::setUSBUpdateSlots(QString FilePath)
{
    const bool ok = USBSDK_Update3014Program(QFile::encodeName(FilePath).constData()) != 0;
    emit Send_USB_Update_Ret(ok, burnError(ok));
}

void UpdateExec::setCombinedUpdateSlots(QString FilePath)
{
    Q_UNUSED(FilePath)
    // The package flow lands with FirmwarePackage.
    emit Send_Combined_Update_Ret(false, 1, 0);
}
