#include "QVideoTemperShow.h"

QVideoTemperShow::QVideoTemperShow(QWidget* parent) : QWidget(parent)
{
    hide();
}

void QVideoTemperShow::setMouseTransparentSlots(bool bFlag)
{
    calls_.note(__func__);
    setAttribute(Qt::WA_TransparentForMouseEvents, bFlag);
}

void QVideoTemperShow::setItemDeleteSlots(quint32 key)
{
    calls_.note(__func__);
    lastDeletedKey_ = key;
}
