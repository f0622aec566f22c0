#include "QAdvancedSetting.h"

QAdvancedSetting::QAdvancedSetting(QWidget* parent) : QWidget(parent)
{
    setObjectName("AdvancedSetting");
}
