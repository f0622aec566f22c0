#include "QImageCorrectModule.h"

#include "AppHelpers.h"
#include "DeviceSdkWrapper.h"

QImageCorrectModule::QImageCorrectModule(QWidget* parent) : QWidget(parent)
{
    setObjectName("QImageInfo");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    hide();
}

void QImageCorrectModule::refreshDeviceStatus()
{
    calls_.note(__func__);
}

void QImageCorrectModule::confirmGuidanceWarning()
{
    calls_.note(__func__);
    if (!DeviceSdkWrapper::getInstance().Connect()) return;
    ShowMessageBox(this,
                   tr("This module must be operated under the guidance of the manufacturer's professional "
                      "personnel,otherwise, it may result in image abnormalities!"),
                   true);
}

void QImageCorrectModule::setNUCWidgetShowSlot()
{
    calls_.note(__func__);
}

void QImageCorrectModule::setSFFCWidgetShowSlot()
{
    calls_.note(__func__);
}

void QImageCorrectModule::setDeltaBWidgetShowSlot()
{
    calls_.note(__func__);
}

void QImageCorrectModule::setDPCWidgetShowSlot()
{
    calls_.note(__func__);
}

void QImageCorrectModule::setGainModeRetSlot(bool bRet, int nMode)
{
    Q_UNUSED(bRet);
    Q_UNUSED(nMode);
    calls_.note(__func__);
}

void QImageCorrectModule::showEvent(QShowEvent* event)
{
    Q_UNUSED(event);
    refreshDeviceStatus();
}
