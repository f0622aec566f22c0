// How the rule temperature views print a value: the temperature in degrees
// Celsius converted to a unit (0 Celsius, 1 Fahrenheit, 2 Kelvin) with one
// decimal. The live views pass the unit of Config.ini, the picture analysis
// views the unit the analysis window chose.
#pragma once

#include <QString>

// "25.0" for 25 °C in Celsius, "77.0" in Fahrenheit, "298.1" in Kelvin.
QString TemperValueNumber(float celsius, int unit);
// The number followed by the unit's symbol: "77.0℉".
QString TemperValueText(float celsius, int unit);
