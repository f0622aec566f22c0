#include "QVideoSceneViewCtrl.h"

QVideoSceneViewCtrl::QVideoSceneViewCtrl(QWidget* parent) : QWidget(parent)
{
    hide();
}

void QVideoSceneViewCtrl::setPointBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setLineBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setRectBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setEllipseBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setCircularBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setPolygonBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setRuleClearBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setTemperRuleDelActSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::mergeBtnSlots()
{
    calls_.note(__func__);
}

void QVideoSceneViewCtrl::setVideoPlayFpsSlots(float fFps)
{
    calls_.note(__func__);
    lastFps_ = fFps;
}

void QVideoSceneViewCtrl::setSelectedItemSlot(const QString& strTitle)
{
    calls_.note(__func__);
    selectedTitle_ = strTitle;
}

void QVideoSceneViewCtrl::setFlipChangedStateSlot(int nFlip)
{
    calls_.note(__func__);
    flip_ = nFlip;
}

void QVideoSceneViewCtrl::setCalibrationRectRetSlot(bool bRet, const USBSDK_Rules& stRules)
{
    calls_.note(__func__);
    calibrationRuleCount_ = bRet ? static_cast<int>(stRules.count) : -1;
}

void QVideoSceneViewCtrl::setRuleWidgetEnableSlot(bool bShow)
{
    calls_.note(__func__);
    ruleWidgetShown_ = bShow;
}
