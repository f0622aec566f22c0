#include "QHotImageModule.h"

#include <QHBoxLayout>
#include <QLabel>

#include "QHotImageCtrl.h"

QHotImageModule::QHotImageModule(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), hotImageCtrl_(new QHotImageCtrl(this)), lineLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("HotImageModule"));
    hotImageCtrl_->show();
    lineLabel_->setObjectName(QStringLiteral("Line1Label"));
    lineLabel_->setFixedWidth(1);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lineLabel_);
    layout->addWidget(hotImageCtrl_);

    connect(hotImageCtrl_, &QHotImageCtrl::sendHeatMapExportSignal, this, &QHotImageModule::setHeatMapExportSlot);
    connect(this, &QHotImageModule::sendHeatMapExportRetSignal, hotImageCtrl_, &QHotImageCtrl::setHeatMapExportRetSlot);
    show();
}

void QHotImageModule::setHeatMapExportSlot()
{
    emit sendHeatMapExportSignal();
}

void QHotImageModule::setHeatMapExportRetSlot(QString strHeapMapDir)
{
    emit sendHeatMapExportRetSignal(strHeapMapDir);
}
