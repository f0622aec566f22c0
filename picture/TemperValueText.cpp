#include "TemperValueText.h"

#include "AppHelpers.h"

QString TemperValueNumber(float celsius, int unit)
{
    return QString::number(double(CelsiusToTemper(celsius, unit)), 'f', 1);
}

QString TemperValueText(float celsius, int unit)
{
    return TemperValueNumber(celsius, unit) + TemperUnitSymbol(unit);
}
