#include "QVideoTemperResult.h"

QVideoTemperResult::QVideoTemperResult(QWidget* parent) : QWidget(parent)
{
    hide();
}

void QVideoTemperResult::setItemDeleteSlots(quint32 key)
{
    calls_.note(__func__);
    lastDeletedKey_ = key;
}

void QVideoTemperResult::setItemSelectSlots(quint32 key)
{
    calls_.note(__func__);
    lastSelectedKey_ = key;
}

void QVideoTemperResult::ontemperRuleCellClicked(int nRow, int nCol)
{
    Q_UNUSED(nRow);
    Q_UNUSED(nCol);
    calls_.note(__func__);
}
