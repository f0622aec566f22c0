#include "QImageInfoModule.h"

#include <QHBoxLayout>

#include "QImageInfo.h"

QImageInfoModule::QImageInfoModule(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    panel_ = new QImageInfo(this);
    panel_->show();
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel_);
    show();
    connect(panel_, &QImageInfo::sendFalseColIndexSignals, this, &QImageInfoModule::setUpdateFalseColCurIndexSlots);
}

QImageInfoModule::~QImageInfoModule() = default;

void QImageInfoModule::refreshImageParam()
{
    if (panel_) panel_->refreshImageParam();
}

void QImageInfoModule::setFalseColEnabled(bool bEnable)
{
    if (panel_) panel_->setFalseColEnabled(bEnable);
}

void QImageInfoModule::setFalseColCurIndex(int nIndex)
{
    if (panel_) panel_->setFalseColCurIndex(nIndex);
}

void QImageInfoModule::updateFalseColorList()
{
    if (panel_) panel_->updateFalseColorList();
}

void QImageInfoModule::setUpdateFalseColCurIndexSlots(int index)
{
    emit sendFalseColorIndexSignals(index);
}
