#include "QImageInfoExec.h"

#include <QMutexLocker>

#include "DeviceSdkWrapper.h"
#include "camsdk.h"

namespace {

constexpr int kReadAttempts = 3;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

using CameraRead = int (*)(int* value);
using ReadSignal = void (QImageInfoExec::*)(bool bRet, int nValue);

enum class ReadWhen { Always, Gate, Gated };

struct ParamRead {
    CameraRead read;
    ReadSignal signal;
    ReadWhen when;
};

#define CALIDRA_READ_ENTRY(read, signal, when) {&read, &QImageInfoExec::signal, ReadWhen::when},
const ParamRead kRefreshReads[] = {CALIDRA_IMAGEINFO_READS(CALIDRA_READ_ENTRY)};
#undef CALIDRA_READ_ENTRY

struct ReadResult {
    bool ok;
    int value;
};

// The value starts at 0 once; the camera leaves it alone when it fails.
// The calls follow each other without a pause.
ReadResult readValue(CameraRead read, int attempts)
{
    int value = 0;
    bool ok = false;
    for (int attempt = 0; attempt < attempts && !ok; ++attempt) ok = read(&value) != 0;
    return {ok, value};
}

}  // namespace

QImageInfoExec::QImageInfoExec(QObject* parent) : QObject(parent) {}

QImageInfoExec::~QImageInfoExec() = default;

bool QImageInfoExec::tally(bool ok)
{
    if (restoring_ && !ok) ++restoreFailures_;
    return ok;
}

void QImageInfoExec::refreshDeviceParamSlot()
{
    QMutexLocker locker(&mutex_);
    int wideDynamic = 0;
    for (const ParamRead& step : kRefreshReads) {
        if (step.when == ReadWhen::Gated && wideDynamic == 0) continue;
        const ReadResult result = readValue(step.read, kReadAttempts);
        if (step.when == ReadWhen::Gate) wideDynamic = result.value;
        emit(this->*step.signal)(result.ok, result.value);
    }
    if (USBSDK_GetDeviceSupportIsp() != 0) {
        const ReadResult isp = readValue(&USBSDK_GetDeviceIspMode, 1);
        emit sendGetIspModeRetSignal(isp.ok, isp.value);
    }
    emit sendgetImageParamRetSignal();
}

#define CALIDRA_DEFINE_SET(slot, call)    \
    void QImageInfoExec::slot(int nValue) \
    {                                     \
        QMutexLocker locker(&mutex_);     \
        tally(call(nValue) != 0);         \
    }
CALIDRA_IMAGEINFO_SETS(CALIDRA_DEFINE_SET)
#undef CALIDRA_DEFINE_SET

void QImageInfoExec::setWideDynamicSlot(int nEnable, bool bRestore)
{
    QMutexLocker locker(&mutex_);
    const bool switched = tally(USBSDK_SetWideDynamic(nEnable) != 0);
    if (!switched || nEnable == 0 || bRestore) return;
    const ReadResult local = readValue(&USBSDK_GetLocalContrast, 1);
    emit setBasicLocalContrastSignal(local.ok, local.value);
    const ReadResult global = readValue(&USBSDK_GetGlobalContrast, 1);
    emit setBasicGlobalContrastSignal(global.ok, global.value);
}

#define CALIDRA_DEFINE_ACTION(slot, params, call, signal) \
    void QImageInfoExec::slot params                      \
    {                                                     \
        QMutexLocker locker(&mutex_);                     \
        const bool bRet = tally(static_cast<bool>(call)); \
        emit signal(bRet);                                \
    }
CALIDRA_IMAGEINFO_ACTIONS(CALIDRA_DEFINE_ACTION)
#undef CALIDRA_DEFINE_ACTION

void QImageInfoExec::beginRestoreSlot()
{
    QMutexLocker locker(&mutex_);
    restoring_ = true;
    restoreFailures_ = 0;
}

void QImageInfoExec::endRestoreSlot()
{
    QMutexLocker locker(&mutex_);
    const int failures = restoring_ ? restoreFailures_ : 0;
    restoring_ = false;
    restoreFailures_ = 0;
    emit sendRestoreDefaultRetSignal(failures == 0, failures);
}
