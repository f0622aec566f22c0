#include "QImageInfoModule.h"

QImageInfoModule::QImageInfoModule(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    hide();
}

void QImageInfoModule::refreshImageParam()
{
    calls_.note(__func__);
}

void QImageInfoModule::setFalseColEnabled(bool bEnable)
{
    calls_.note(__func__);
    falseColEnabled_ = bEnable;
}

void QImageInfoModule::setFalseColCurIndex(int nIndex)
{
    calls_.note(__func__);
    falseColCurIndex_ = nIndex;
}

void QImageInfoModule::updateFalseColorList()
{
    calls_.note(__func__);
}

void QImageInfoModule::setUpdateFalseColCurIndexSlots(int index)
{
    calls_.note(__func__);
    emit sendFalseColorIndexSignals(index);
}
