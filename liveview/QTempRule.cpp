#include "QTempRule.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>
#include <QTimer>

#include "DeviceSdkWrapper.h"
#include "camsdk.h"

namespace {

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

// The display frames are scaled to the full 8-bit range.
constexpr uint kGreyLow = 0;
constexpr uint kGreyHigh = 255;

}  // namespace

QTempRule::QTempRule(QObject* parent) : QObject(parent), timer_(new QTimer(this))
{
    connect(timer_, &QTimer::timeout, this, &QTempRule::setUpdateTemperSlots);
}

void QTempRule::stopRefreshing()
{
    if (!running_) return;
    timer_->stop();
    running_ = false;
}

void QTempRule::startRefreshing(int periodMs)
{
    periodMs_ = periodMs;
    timer_->start(periodMs);
    running_ = true;
}

void QTempRule::setTimerStatusSlot(bool bOpen)
{
    if (!bOpen) {
        stopRefreshing();
        return;
    }
    QMutexLocker lock(&mutex_);
    // Already running keeps the period chosen meanwhile.
    if (!running_) startRefreshing(kPeriodMs);
}

void QTempRule::setThermRefreshTimeSlot(int nTime)
{
    stopRefreshing();
    startRefreshing(nTime == 1 ? kFastPeriodMs : kPeriodMs);
}

void QTempRule::setUpdateTemperSlots()
{
    QMutexLocker lock(&mutex_);
    if (running_) emit sendUpdateTemperSignals();
}

void QTempRule::setThermalRulesSlot(const USBSDK_Rules& rules)
{
    QMutexLocker lock(&mutex_);
    if (!USBSDK_SetThermalRules(rules)) qDebug() << "Set Rules failed";
}

void QTempRule::OpenThermalFunctionSlot()
{
    QMutexLocker lock(&mutex_);
    bool opened = false;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (!sdk().Connect()) break;
        if (sdk().OpenThermalFunction()) {
            opened = true;
            break;
        }
        QThread::msleep(kOpenRetryMs);
    }
    if (opened) {
        // The function needs a moment (a first radiometric frame) before it
        // answers; the opening's result stands either way.
        for (int read = 0; read < kStatusReads; ++read) {
            if (USBSDK_GetThermalFunctionStatus()) break;
            if (read + 1 < kStatusReads) QThread::msleep(kStatusPollMs);
        }
    }
    emit sendOpenThermalFuncRetSignal(opened);
}

void QTempRule::getYuvData(const FramePtr& frame)
{
    Q_UNUSED(frame);
    QMutexLocker lock(&mutex_);
    if (yRangeSent_) return;
    yRangeSent_ = true;
    emit SendYDataSignals(kGreyLow, kGreyHigh);
}
