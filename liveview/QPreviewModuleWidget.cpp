#include "QPreviewModuleWidget.h"

#include "QVideoTemperResult.h"

QPreviewModuleWidget::QPreviewModuleWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("QPreviewModuleWidget");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    result_ = new QVideoTemperResult(this);
    connect(result_, &QVideoTemperResult::sendSelectedItemSignal, this, &QPreviewModuleWidget::sendSelectedItemSignal);
    hide();
}

void QPreviewModuleWidget::setTemperResultDlgShowSlots()
{
    calls_.note(__func__);
}

void QPreviewModuleWidget::setGainSettingDlgShowSlots()
{
    calls_.note(__func__);
}

void QPreviewModuleWidget::setParamSetDlgShowSlots()
{
    calls_.note(__func__);
}

void QPreviewModuleWidget::setGlobalThermSettingDlgShowSlots()
{
    calls_.note(__func__);
}

void QPreviewModuleWidget::setSecondCalibrationDlgShowSlot()
{
    calls_.note(__func__);
}

void QPreviewModuleWidget::setIsothermDlgShowSlots()
{
    calls_.note(__func__);
}

void QPreviewModuleWidget::setAllDlgShowSlot(bool bShow)
{
    calls_.note(__func__);
    allDlgShown_ = bShow;
}

void QPreviewModuleWidget::setItemDeleteSlots(quint32 key)
{
    calls_.note(__func__);
    result_->setItemDeleteSlots(key);
}

void QPreviewModuleWidget::setItemSelectSlots(quint32 key)
{
    calls_.note(__func__);
    result_->setItemSelectSlots(key);
}

void QPreviewModuleWidget::setUpdateRuleInfoSlots()
{
    calls_.note(__func__);
    emit sendUpdateRuleInfoSignals();
}

void QPreviewModuleWidget::setUpdateGlobalInfoSlots()
{
    calls_.note(__func__);
    emit sendUpdateGlobalInfoSignales();
}

void QPreviewModuleWidget::setColorizationChangeSlot(bool bOn, int nColor)
{
    calls_.note(__func__);
    emit sendColorizationChangeSignal(bOn, nColor);
}

void QPreviewModuleWidget::sendGetIsothermStatusSlot()
{
    calls_.note(__func__);
    emit sendGetIsothermStatusSignal();
}

void QPreviewModuleWidget::setIsothermFuncSlot(int nColor, const USBSDK_IsothermParams& stIsotherm)
{
    calls_.note(__func__);
    emit sendSetIsothermFuncSignal(nColor, stIsotherm);
}

void QPreviewModuleWidget::getIsothermStatusRetSlot(bool bRet, const USBSDK_IsothermParams& stIsotherm, int nColor)
{
    Q_UNUSED(bRet);
    Q_UNUSED(stIsotherm);
    Q_UNUSED(nColor);
    calls_.note(__func__);
}

void QPreviewModuleWidget::setIsothermStatusRetSlot(bool bRet)
{
    Q_UNUSED(bRet);
    calls_.note(__func__);
}

void QPreviewModuleWidget::setThermRefreshTimeSlot(int nTime)
{
    calls_.note(__func__);
    emit sendSetThermRefreshTimeSignal(nTime);
}

void QPreviewModuleWidget::onFullScreenThermEnableSwitchSlot(bool bEnable)
{
    calls_.note(__func__);
    emit sendFullScreenThermEnableSwitchSignal(bEnable);
}

void QPreviewModuleWidget::getGainModeRetSlot(bool bRet, int nMode)
{
    calls_.note(__func__);
    lastGainRet_ = bRet;
    lastGainMode_ = nMode;
}

void QPreviewModuleWidget::setGainModeSlot(int nMode)
{
    calls_.note(__func__);
    emit sendSetGainModeSignal(nMode);
}

void QPreviewModuleWidget::setGainModeRetSlot(bool bRet, int nMode)
{
    calls_.note(__func__);
    lastGainRet_ = bRet;
    lastGainMode_ = nMode;
}
