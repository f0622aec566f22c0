// The rule overlay of the live video as the live page wires it: reports
// rules drawn, moved, released, deleted and selected (by rule key), asks
// for full screen, follows the frame rate, the flip and the selection made
// in the result table, and draws the rectangles a calibration returns.
//
// Until rule drawing lands nothing can be drawn, so it emits nothing of its
// own; it remembers what it was told and counts its slots in calls().
#pragma once

#include <QString>
#include <QWidget>

#include "ItemInfo.h"
#include "MetaTypes.h"
#include "StandInLog.h"

class QVideoSceneViewCtrl : public QWidget {
    Q_OBJECT
public:
    explicit QVideoSceneViewCtrl(QWidget* parent = nullptr);

    float lastFps() const { return lastFps_; }
    QString selectedTitle() const { return selectedTitle_; }
    int flip() const { return flip_; }
    bool ruleWidgetShown() const { return ruleWidgetShown_; }
    // Rule count of the last calibration answer; -1 before the first or
    // after a failed one.
    int calibrationRuleCount() const { return calibrationRuleCount_; }
    const StandInLog& calls() const { return calls_; }

signals:
    void sendAddItemSignals(quint32 key);
    void sendItemChangeSignals(const ItemInfo& info);
    void sendItemReleasedSignals();
    void sendItemDeleteSignals(quint32 key);
    void sendItemSelectSignals(quint32 key);  // 0: nothing selected
    void sendMouseTransparentSignals(bool bFlag);
    void sendRuleDrawCompleteSignals(bool bOk);
    void sendVideoSceneViewShowSignal();
    void sendVideoFullSrceenSignal();

public slots:
    void setPointBtnSlots();
    void setLineBtnSlots();
    void setRectBtnSlots();
    void setEllipseBtnSlots();
    void setCircularBtnSlots();
    void setPolygonBtnSlots();
    void setRuleClearBtnSlots();
    void setTemperRuleDelActSlots();
    void mergeBtnSlots();
    void setVideoPlayFpsSlots(float fFps);
    void setSelectedItemSlot(const QString& strTitle);
    void setFlipChangedStateSlot(int nFlip);
    void setCalibrationRectRetSlot(bool bRet, const USBSDK_Rules& stRules);
    void setRuleWidgetEnableSlot(bool bShow);

private:
    StandInLog calls_;
    float lastFps_ = 0.0f;
    QString selectedTitle_;
    int flip_ = 0;
    bool ruleWidgetShown_ = true;
    int calibrationRuleCount_ = -1;
};
