// The grid cursor's state as a report shows it: whether grid mode is on,
// the temperature of the pixel under the cursor and that pixel's position
// in the picture. Handed by value from the analysis window through the
// report dialog to the report worker.
#pragma once

#include <QMetaType>

struct ReportGridInfo {
    bool shown = false;         // grid mode is on
    float temperature = 0.0f;   // degrees Celsius
    int x = 0;                  // picture pixels
    int y = 0;
};

Q_DECLARE_METATYPE(ReportGridInfo)
