#include "QHotImageModule.h"

QHotImageModule::QHotImageModule(QWidget* parent) : QWidget(parent)
{
    setObjectName("HotImageModule");
}

void QHotImageModule::setHeatMapExportRetSlot(QString strHeapMapDir)
{
    lastExport_ = strHeapMapDir;
}
