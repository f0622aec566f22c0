#include "QSettingModule.h"

#include <QHBoxLayout>

#include "QSettingCtrl.h"
#include "SettingRelays.h"

QSettingModule::QSettingModule(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ctrl_ = new QSettingCtrl(this);
    ctrl_->show();
    auto* layout = new QHBoxLayout();
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ctrl_);
    setLayout(layout);
    show();

    using M = QSettingModule;
    using C = QSettingCtrl;
    connect(ctrl_, &C::sendTitleStatusChangeSignals, this, &M::setTitleStatusChangeSlots);
    connect(ctrl_, &C::ReconnectDeviceSignals, this, &M::ReconnectDeviceSlots);
    connect(ctrl_, &C::RestoreDeviceSignals, this, &M::RestoreDeviceSlots);
    connect(this, &M::sendUSBUpdateShowSignals, ctrl_, &C::setUSBUpdateShowSlots);
#define CALIDRA_RELAY_UP(name) connect(ctrl_, &C::name, this, &M::name);
#define CALIDRA_RELAY_DOWN(name, slot) connect(this, &M::name, ctrl_, &C::name);
    CALIDRA_SETTINGS_PAGE_REQUESTS(CALIDRA_RELAY_UP)
    CALIDRA_FOCUS_PAGE_REQUESTS(CALIDRA_RELAY_UP)
    CALIDRA_SETTINGS_PAGE_ANSWERS(CALIDRA_RELAY_DOWN)
    CALIDRA_FOCUS_PAGE_ANSWERS(CALIDRA_RELAY_DOWN)
#undef CALIDRA_RELAY_DOWN
#undef CALIDRA_RELAY_UP
}

void QSettingModule::updateFocusBtnVisible()
{
    ctrl_->updateFocusBtnVisible();
}

bool QSettingModule::isUpdating() const
{
    return ctrl_->isUpdating();
}

void QSettingModule::setTitleStatusChangeSlots()
{
    emit sendTitleStatusChangeSignals();
}

void QSettingModule::ReconnectDeviceSlots()
{
    emit ReconnectDeviceSignals();
}

void QSettingModule::RestoreDeviceSlots()
{
    emit RestoreDeviceSignals();
}

void QSettingModule::setUSBUpdateShowSlots(bool bShow)
{
    emit sendUSBUpdateShowSignals(bShow);
}
