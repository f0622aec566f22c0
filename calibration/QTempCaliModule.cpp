#include "QTempCaliModule.h"

QTempCaliModule::QTempCaliModule(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    hide();
}

void QTempCaliModule::refreshCurrentPage()
{
    calls_.note(__func__);
}

void QTempCaliModule::setSecondCalibrationWidgetShowSlot()
{
    calls_.note(__func__);
}

void QTempCaliModule::setFullCalibrationWidgetShowSlot()
{
    calls_.note(__func__);
}

void QTempCaliModule::getGainModeRetSlot(bool bRet, int nMode)
{
    Q_UNUSED(bRet);
    Q_UNUSED(nMode);
    calls_.note(__func__);
}

void QTempCaliModule::setGainModeRetSlot(bool bRet, int nMode)
{
    Q_UNUSED(bRet);
    Q_UNUSED(nMode);
    calls_.note(__func__);
}
