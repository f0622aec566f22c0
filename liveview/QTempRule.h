// The live rule temperature worker as the live page wires it: lives on the
// page's temperature thread, paces the temperature refresh, sends the live
// rule set to the camera, opens the thermal function and answers frames
// with their grey range.
//
// Until the rule temperatures land, the worker keeps its timer state and
// answers nothing: no tick, no opening result, no grey range. Every slot
// is counted in calls().
#pragma once

#include <QObject>

#include <atomic>

#include "LiveFrame.h"
#include "MetaTypes.h"
#include "StandInLog.h"

class QTempRule : public QObject {
    Q_OBJECT
public:
    explicit QTempRule(QObject* parent = nullptr);

    // Refreshing on, and its period in ms (1000 or 500).
    bool isRefreshing() const { return running_.load(); }
    int refreshPeriod() const { return periodMs_.load(); }
    // Rule count of the last rule set handed over; -1 before the first.
    int lastRuleCount() const { return lastRuleCount_.load(); }
    const StandInLog& calls() const { return calls_; }

signals:
    void sendUpdateTemperSignals();
    void sendOpenThermalFuncRetSignal(bool bRet);
    void SendYDataSignals(uint Min, uint Max);

public slots:
    void setTimerStatusSlot(bool bOpen);
    void setThermRefreshTimeSlot(int nTime);
    void setUpdateTemperSlots();
    void setThermalRulesSlot(const USBSDK_Rules& rules);
    void OpenThermalFunctionSlot();
    // The frame stays the frame worker's; the slot only holds a reference.
    void getYuvData(const FramePtr& frame);

private:
    StandInLog calls_;
    std::atomic<bool> running_{false};
    std::atomic<int> periodMs_{1000};
    std::atomic<int> lastRuleCount_{-1};
};
