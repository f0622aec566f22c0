#include "QTempRule.h"

QTempRule::QTempRule(QObject* parent) : QObject(parent) {}

void QTempRule::setTimerStatusSlot(bool bOpen)
{
    calls_.note(__func__);
    if (!bOpen) {
        running_ = false;
        return;
    }
    // Switching on again keeps a period chosen meanwhile; only a fresh start
    // goes back to 1000 ms.
    if (!running_.exchange(true)) periodMs_ = 1000;
}

void QTempRule::setThermRefreshTimeSlot(int nTime)
{
    calls_.note(__func__);
    periodMs_ = nTime == 1 ? 500 : 1000;
    running_ = true;
}

void QTempRule::setUpdateTemperSlots()
{
    calls_.note(__func__);
}

void QTempRule::setThermalRulesSlot(const USBSDK_Rules& rules)
{
    calls_.note(__func__);
    lastRuleCount_ = static_cast<int>(rules.count);
}

void QTempRule::OpenThermalFunctionSlot()
{
    calls_.note(__func__);
}

void QTempRule::getYuvData(const FramePtr& frame)
{
    Q_UNUSED(frame);
    calls_.note(__func__);
}
