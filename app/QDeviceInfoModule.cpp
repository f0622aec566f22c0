#include "QDeviceInfoModule.h"

#include <QHBoxLayout>

#include "QDevInfo.h"

QDeviceInfoModule::QDeviceInfoModule(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    panel_ = new QDevInfo(this);
    auto* box = new QHBoxLayout(this);
    box->setSpacing(0);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(panel_);
    connect(panel_, &QDevInfo::sendGetDeviceInfoSignal, this, &QDeviceInfoModule::sendGetDeviceInfoSignal);
    connect(this, &QDeviceInfoModule::sendGetDeviceInfoRetSignal, panel_, &QDevInfo::getDeviceInfoRetSlot);
}

void QDeviceInfoModule::refreshDevInfo()
{
    panel_->refresh();
}
