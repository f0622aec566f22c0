#include "QSettingModule.h"

QSettingModule::QSettingModule(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    hide();
}

void QSettingModule::updateFocusBtnVisible()
{
    calls_.note(__func__);
}

void QSettingModule::setTitleStatusChangeSlots()
{
    calls_.note(__func__);
    emit sendTitleStatusChangeSignals();
}

void QSettingModule::ReconnectDeviceSlots()
{
    calls_.note(__func__);
    emit ReconnectDeviceSignals();
}

void QSettingModule::RestoreDeviceSlots()
{
    calls_.note(__func__);
    emit RestoreDeviceSignals();
}

void QSettingModule::setUSBUpdateShowSlots(bool bShow)
{
    calls_.note(__func__);
    emit sendUSBUpdateShowSignals(bShow);
}
