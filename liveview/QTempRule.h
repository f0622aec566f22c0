// The live page's rule temperature worker. It lives on the page's
// temperature thread and owns the refresh timer whose ticks make the page
// read the rule temperatures from the camera (1000 ms, or 500 ms when
// chosen); it sends the live rule set to the camera, opens the camera's
// thermal function with retries and answers frames with their grey range.
// The camera computes the temperatures; this worker only paces and forwards.
//
// Threads: every slot runs on the worker's thread. The mutex serialises the
// rule upload, the opening, the tick and the grey range; the two stop paths
// run without it. isRefreshing() and refreshPeriod() may be read from any
// thread.
#pragma once

#include <QMutex>
#include <QObject>

#include <atomic>

#include "LiveFrame.h"
#include "MetaTypes.h"

class QTimer;

class QTempRule : public QObject {
    Q_OBJECT
public:
    static constexpr int kPeriodMs = 1000;
    static constexpr int kFastPeriodMs = 500;
    static constexpr int kOpenAttempts = 3;
    static constexpr int kOpenRetryMs = 500;
    static constexpr int kStatusReads = 11;
    static constexpr int kStatusPollMs = 200;

    explicit QTempRule(QObject* parent = nullptr);

    // Refreshing on, and the timer's period in ms.
    bool isRefreshing() const { return running_.load(); }
    int refreshPeriod() const { return periodMs_.load(); }

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
    // The frame stays the frame worker's; its pixels are not read.
    void getYuvData(const FramePtr& frame);

private:
    void stopRefreshing();
    void startRefreshing(int periodMs);

    QMutex mutex_;
    QTimer* timer_ = nullptr;  // child: moves to the worker's thread with it
    std::atomic<bool> running_{false};
    std::atomic<int> periodMs_{kPeriodMs};
    // The grey range last announced; the page hears it once, not per frame.
    bool yRangeSent_ = false;
};
