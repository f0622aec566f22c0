#include "QDevCommExec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMutexLocker>
#include <QThread>

#include <cstdlib>
#include <cstring>

#include "DeviceCommandRecords.h"
#include "DeviceSdkWrapper.h"

namespace {

constexpr int kOpenAttempts = 5;
constexpr unsigned long kOpenRetryWaitMs = 1000;
constexpr int kAwakeSleepMode = 4;
constexpr int kDeviceNameSize = 256;
// The identity reads are told 32 bytes; the buffer is larger on purpose.
constexpr int kIdentityBufferSize = 256;
constexpr int kPartNumberSize = 32;
constexpr int kHotSpot = 0;
constexpr int kColdSpot = 1;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

// Text of a fixed camera field: up to its first NUL, never past its end.
QString fieldText(const char* field, size_t size)
{
    return QString::fromUtf8(field, int(strnlen(field, size)));
}

}  // namespace

QDevCommExec::QDevCommExec(QObject* parent) : QObject(parent) {}

QDevCommExec::~QDevCommExec() = default;

// ---- Slots of one shape ---------------------------------------------------

#define CALIDRA_DEFINE_COMMAND(slot, params, call, signal, results) \
    void QDevCommExec::slot params                                  \
    {                                                               \
        QMutexLocker locker(&mutex_);                               \
        const bool bRet = static_cast<bool>(call);                  \
        emit signal results;                                        \
    }
CALIDRA_DEVCOMM_COMMANDS(CALIDRA_DEFINE_COMMAND)
#undef CALIDRA_DEFINE_COMMAND

#define CALIDRA_DEFINE_READ(slot, attempts, type, initial, member, signal) \
    void QDevCommExec::slot()                                              \
    {                                                                      \
        QMutexLocker locker(&mutex_);                                      \
        type value = initial;                                              \
        bool bRet = false;                                                 \
        for (int attempt = 0; attempt < (attempts) && !bRet; ++attempt) {  \
            bRet = static_cast<bool>(sdk().member(&value));                \
        }                                                                  \
        emit signal(bRet, value);                                          \
    }
CALIDRA_DEVCOMM_READS(CALIDRA_DEFINE_READ)
#undef CALIDRA_DEFINE_READ

#define CALIDRA_DEFINE_PAIR_READ(slot, attempts, first, second, member, signal) \
    void QDevCommExec::slot()                                                   \
    {                                                                           \
        QMutexLocker locker(&mutex_);                                           \
        first value1 = 0;                                                       \
        second value2 = 0;                                                      \
        bool bRet = false;                                                      \
        for (int attempt = 0; attempt < (attempts) && !bRet; ++attempt) {       \
            bRet = static_cast<bool>(sdk().member(&value1, &value2));           \
        }                                                                       \
        emit signal(bRet, value1, value2);                                      \
    }
CALIDRA_DEVCOMM_PAIR_READS(CALIDRA_DEFINE_PAIR_READ)
#undef CALIDRA_DEFINE_PAIR_READ

// ---- Connection and general state -----------------------------------------

void QDevCommExec::setDevConnectSlot(USBSDK_DeviceInfo stDevInfo)
{
    QMutexLocker locker(&mutex_);
    bool opened = false;
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt) {
        opened = sdk().Open(&stDevInfo);
        // A camera just plugged in may refuse for a while; the wait follows
        // the last failure too.
        if (!opened) QThread::msleep(kOpenRetryWaitMs);
    }
    if (!opened) {
        emit sendDevConnectRetSignal(false);
        return;
    }
    sdk().SetSleepMode(kAwakeSleepMode);
    locker.unlock();

    // Each of these takes the lock itself.
    getCurrentColorSlot();
    getImageFlipModeSlot();
    readIdentityText(&DeviceSdkWrapper::GetSerialNumber);
    readIdentityText(&DeviceSdkWrapper::GetSoftwareVersion);

    if (sdk().Connect()) {
        emit sendDevConnectRetSignal(true);
        return;
    }
    // Opened but never confirmed: close it, so that neither a half-open
    // camera nor a waiting page is left behind.
    locker.relock();
    sdk().Close();
    emit sendDevConnectRetSignal(false);
}

void QDevCommExec::readIdentityText(bool (DeviceSdkWrapper::*read)(char* buf))
{
    QMutexLocker locker(&mutex_);
    char text[kIdentityBufferSize] = {};
    (sdk().*read)(text);
}

void QDevCommExec::setRestoreDeviceSlot()
{
    QMutexLocker locker(&mutex_);
    const bool bRet = sdk().FactoryDefault();
    if (bRet) sdk().SaveDevImageParam();
    emit sendRestoreDeviceRetSignal(bRet);
}

void QDevCommExec::setGetDeviceInfoSlot()
{
    QMutexLocker locker(&mutex_);
    DeviceInformation info;

    char name[kDeviceNameSize] = {};
    if (sdk().GetDeviceName(name, kDeviceNameSize)) info.qstrDeviceName = fieldText(name, sizeof name);
    if (info.qstrDeviceName.startsWith(QLatin1String("Vost"))) info.qstrDeviceName.clear();
    info.nDeviceType = sdk().GetDeviceType() ? 1 : 0;

    int width = 0;
    int height = 0;
    bool bRet = sdk().GetDevResolution(&width, &height);
    if (bRet) {
        info.qstrResolution = QString::number(width) + QChar(0x00D7) + QString::number(height);
        char version[kIdentityBufferSize] = {};
        bRet = sdk().GetSoftwareVersion(version);
        if (bRet) {
            info.qstrSoftwareVersion = fieldText(version, sizeof version);
            char serial[kIdentityBufferSize] = {};
            bRet = sdk().GetSerialNumber(serial);
            if (bRet) info.qstrSerialNumber = fieldText(serial, sizeof serial);
        }
    }
    info.bValid = bRet ? 1 : 0;
    emit sendGetDeviceInfoRetSignal(info);
}

void QDevCommExec::getAdvanceDeviceInformationSlot()
{
    QMutexLocker locker(&mutex_);
    DeviceInformation info;
    char part[kPartNumberSize] = {};
    bool bRet = sdk().GetPartNumber(part, kPartNumberSize);
    if (bRet) {
        info.qstrPartNumber = fieldText(part, sizeof part);
        char materials[kPartNumberSize] = {};
        bRet = sdk().GetMaterialsPartNumber(materials, kPartNumberSize);
        if (bRet) info.qstrMaterialsPartNumber = fieldText(materials, sizeof materials);
    }
    info.bValid = bRet ? 1 : 0;
    emit sendGetAdvanceDeviceInformationRetSignal(bRet, info);
}

void QDevCommExec::getPartNumberSlot()
{
    QMutexLocker locker(&mutex_);
    char part[kPartNumberSize] = {};
    const bool bRet = sdk().GetPartNumber(part, kPartNumberSize);
    // A part number of the full 32 bytes has no NUL.
    emit sendGetPartNumberRetSignal(bRet, QByteArray(part, int(strnlen(part, sizeof part))));
}

void QDevCommExec::setPartNumberSlot(QByteArray baPartNumber, int nLen)
{
    QMutexLocker locker(&mutex_);
    const bool bRet = nLen > 0 && nLen <= baPartNumber.size() && sdk().SetDevicePart(baPartNumber.constData(), nLen);
    emit sendSetPartNumberRetSignal(bRet);
}

// ---- Image display ----------------------------------------------------------

void QDevCommExec::setShowCrosslineSlot(int nEnable, int nColor)
{
    QMutexLocker locker(&mutex_);
    sdk().SetCrossCursorParams(nEnable, nColor);
}

void QDevCommExec::setIsothermFuncSlot(int nColor, USBSDK_IsothermParams stParams)
{
    QMutexLocker locker(&mutex_);
    const bool bRet = sdk().SetColor(nColor) && sdk().SetIsothermParams(stParams);
    emit sendSetIsothermStatusRetSignal(bRet);
}

void QDevCommExec::getCVBSSpotsSlot()
{
    QMutexLocker locker(&mutex_);
    for (const int type : {kHotSpot, kColdSpot}) {
        unsigned char on = 0;
        const bool bRet = sdk().GetHotAndColdPointSwitch(type, &on);
        emit sendGetCVBSSpotsRetSignal(bRet, type, on);
    }
}

void QDevCommExec::setUpdateGlobalInfoSlots(bool bValid, USBSDK_GlobalTemperParam stGlobalParam)
{
    QMutexLocker locker(&mutex_);
    bool bRet = false;
    if (bValid) {
        const USBSDK_CommonTemperParam record = DeviceCommandRecords::commonTemperParam(stGlobalParam);
        bRet = sdk().SetCommonTemperParam(&record);
    }
    emit sendUpdateGlobalInfoRetSignal(bRet);
}

// ---- Calibration -------------------------------------------------------------

void QDevCommExec::setSecondCalibrationInitSlot()
{
    QMutexLocker locker(&mutex_);
    sdk().TemperatureCalibrationInit();
}

void QDevCommExec::setSecCalibrationRectSlot()
{
    QMutexLocker locker(&mutex_);
    USBSDK_Rules rules{};
    const bool bRet = sdk().SetTemperatureCalibrationRECT(&rules) && rules.count != 0;
    emit sendSetCalibrationRectRetSignal(bRet, rules);
}

void QDevCommExec::setSaveSecCalibrationRectSlot(QVector<PicRuleConfig> liveRules)
{
    QMutexLocker locker(&mutex_);
    USBSDK_Rules rules{};
    const bool bRet = DeviceCommandRecords::secondCalibrationRects(liveRules, &rules) &&
                      sdk().SetSaveTemperatureCalibrationRECT(rules);
    emit sendSaveCalibrationRectRetSignal(bRet);
}

void QDevCommExec::setFullCalibrationCollectConfigSlot(uint nPodEnable, uint nColMode)
{
    QMutexLocker locker(&mutex_);
    const bool bRet = sdk().SetFullCalibrationPodEnable(nPodEnable) && sdk().SetFullCalibrationCollectMode(nColMode);
    emit sendFullCalibrationCollectConfigRetSignal(bRet);
}

void QDevCommExec::setFullCalibrationCalibrateRectSlot(QVector<PicRuleConfig> liveRules)
{
    QMutexLocker locker(&mutex_);
    USBSDK_Rules rules{};
    const bool bRet =
        DeviceCommandRecords::fullCalibrationRects(liveRules, &rules) && sdk().SetFullCalibrationRECT(rules);
    emit sendFullCalibrationCalibrateRectRetSignal(bRet);
}

// ---- Non-uniformity, shutterless and bad-pixel correction ---------------------

void QDevCommExec::readSaveRecords(const QVector<int>& gainModes, SaveRecordRead read, SaveRecordSignal signal)
{
    for (const int gainMode : gainModes) {
        // Cleared for every record, so a failed read never shows the values
        // of the one before.
        unsigned int time = 0;
        unsigned int count = 0;
        const bool bRet = (sdk().*read)(&time, &count, gainMode);
        emit(this->*signal)(bRet, time, count, gainMode);
    }
}

void QDevCommExec::getNUCBasicParamsSlot()
{
    getNUCSaveTimeAndCountSlot();
    emit sendGetNUCBasicParamsRetSignal();
}

void QDevCommExec::getNUCSaveTimeAndCountSlot()
{
    QMutexLocker locker(&mutex_);
    const bool measuring = sdk().GetDeviceType();
    QVector<int> gainModes{0};
    if (measuring) gainModes << 1;
    if (measuring && USBSDK_GetDeviceSupportExtremeMode()) gainModes << 2;
    if (USBSDK_GetDeviceSupportLowTempTwoGear()) gainModes << 3;
    readSaveRecords(gainModes, &DeviceSdkWrapper::GetNUCSaveCountAndTime,
                    &QDevCommExec::sendGetNUCSaveTimeAndCountRetSignal);
}

void QDevCommExec::setNUCBlackOperationSlot(int nStep)
{
    QMutexLocker locker(&mutex_);
    int rate = -1;
    const bool bRet = sdk().NUCBlackOperator(nStep, &rate);
    if (nStep == 1) emit sendNUCBlackOneOperationSignal(bRet);
    if (nStep == 2) emit sendNUCBlackTwoOperationSignal(bRet, rate);
}

void QDevCommExec::getSFFCBasicParamsSlot()
{
    getSFFCEnableSlot();
    getSFFCSaveTimeAndCountSlot();
    if (USBSDK_GetDeviceSupportTwoSFFC()) setGetTwoSFFCEnvironmentSlot();
    emit sendGetSFFCBasicParamsRetSignal();
}

void QDevCommExec::getSFFCSaveTimeAndCountSlot()
{
    QMutexLocker locker(&mutex_);
    const bool twoEnvironments = USBSDK_GetDeviceSupportTwoSFFC();
    const bool measuring = sdk().GetDeviceType();
    QVector<int> gainModes{0};
    if (twoEnvironments) gainModes << 3;
    if (measuring) gainModes << 1;
    if (measuring && USBSDK_GetDeviceSupportExtremeMode()) {
        gainModes << 2;
        if (twoEnvironments) gainModes << 4;
    }
    if (USBSDK_GetDeviceSupportLowTempTwoGear()) {
        gainModes << 5;
        if (twoEnvironments) gainModes << 6;
    }
    readSaveRecords(gainModes, &DeviceSdkWrapper::GetSFFCSaveCountAndTime,
                    &QDevCommExec::sendGetSFFCSaveTimeAndCountRetSignal);
}

void QDevCommExec::getAllBadColsSlot()
{
    QMutexLocker locker(&mutex_);
    QVector<int> cols(kBadColCapacity);
    int count = -1;
    const bool bRet = sdk().GetBadPixelCols(cols.data(), cols.size(), &count);
    const int nNum = bRet ? qBound(0, count, kBadColCapacity) : -1;
    cols.resize(qMax(nNum, 0));
    emit sendGetAllBadColsRetSignal(bRet, nNum, cols);
}

void QDevCommExec::getAllBadPixelsSlot()
{
    QMutexLocker locker(&mutex_);
    QVector<int> rows(kBadPixelCapacity);
    QVector<int> cols(kBadPixelCapacity);
    int count = -1;
    const bool bRet = sdk().GetBadPixels(rows.data(), cols.data(), kBadPixelCapacity, &count);
    const int nNum = bRet ? qBound(0, count, kBadPixelCapacity) : -1;
    rows.resize(qMax(nNum, 0));
    cols.resize(qMax(nNum, 0));
    emit sendGetAllBadPixelsRetSignal(bRet, nNum, rows, cols);
}

void QDevCommExec::setAllBadColsSlot(QVector<int> cols, int nNum)
{
    QMutexLocker locker(&mutex_);
    const bool bRet = nNum >= 0 && nNum <= cols.size() && sdk().SetBadPixelCols(cols.constData(), nNum);
    emit sendSetAllBadColsRetSignal(bRet);
}

void QDevCommExec::setAllBadPixelsSlot(QVector<int> rows, QVector<int> cols, int nNum)
{
    QMutexLocker locker(&mutex_);
    const bool bRet = nNum >= 0 && nNum <= rows.size() && nNum <= cols.size() &&
                      sdk().SetBadPixels(rows.constData(), cols.constData(), nNum);
    emit sendSetAllBadPixelsRetSignal(bRet);
}

// ---- Temperature drift --------------------------------------------------------

void QDevCommExec::getDeltaBTimeAndCountSlot()
{
    QMutexLocker locker(&mutex_);
    USBSDK_TemperDriftRecord record{};
    const bool bRet = sdk().GetTemperDriftDataAndCounts(&record) != 0;
    emit sendGetDeltaBTimeAndCountSignal(bRet, record.time, record.count);
}

// ---- Radiometric data collection ------------------------------------------------

void QDevCommExec::getNewDataCollectSlot(uint nIndex)
{
    QMutexLocker locker(&mutex_);
    QVector<USBSDK_DataCollectEntry> entries(USBSDK_DATA_COLLECT_PAGE);
    USBSDK_NewRadiometryDataAutoCollectParam record{};
    record.startIndex = nIndex;
    record.total = 0;
    record.count = USBSDK_DATA_COLLECT_PAGE;
    record.entries = entries.data();
    record.extra = nullptr;
    const bool bRet = sdk().GetNewDataCollect(&record);
    // Nobody reads a second buffer; the camera layer's contract is free().
    std::free(record.extra);

    DataCollectPage page;
    if (bRet) {
        entries.resize(qBound(0, int(record.count), USBSDK_DATA_COLLECT_PAGE));
        page.unStartIndex = nIndex;
        page.unTotal = record.total;
        page.entries = entries;
    }
    emit sendGetNewDataCollectRetSignal(bRet, page);
}

// ---- Protocol debug -------------------------------------------------------------

void QDevCommExec::setSendProDebugCommandSlot(ProDebugCmdInfo stDebugInfo)
{
    QMutexLocker locker(&mutex_);
    std::memset(stDebugInfo.ucReplyData, 0, sizeof stDebugInfo.ucReplyData);
    int status = -1;
    int replyLength = 0;
    QElapsedTimer timer;
    timer.start();
    // The result says no more than the status does.
    sdk().SetProDebug(stDebugInfo.ucCommandId, stDebugInfo.ucSendData, stDebugInfo.nSendLength, &status,
                      stDebugInfo.ucReplyData, ProDebugCmdInfo::kDataSize, &replyLength);
    stDebugInfo.nDuration = int(timer.elapsed());
    stDebugInfo.nReplyLength = qBound(0, replyLength, int(ProDebugCmdInfo::kDataSize));
    stDebugInfo.nStatus = status;
    emit sendProDebugCommandRetSignal(stDebugInfo);
}
