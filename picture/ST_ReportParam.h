// One report request: where the report goes, its cover texts and format,
// and the picture's data the report shows. The dialog fills it on the GUI
// thread and hands a copy to the report worker, so the worker never reads the
// picture store or the unit settings from its own thread.
#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

#include "camsdk.h"
#include "thermcore.h"

struct ST_ReportParam {
    QString outPath;   // full path of the report file
    QString resDir;    // the report's resource folder, holding "IR.bmp"
    QString logoPath;  // not read by the builder
    QString title;     // the title line, shown as it is
    QString author;    // the author line, shown as it is
    int32_t format = 0;  // 0 HTML text in a ".doc" file, 1 PDF
    bool humidity = false;           // rows of the "Global Param" table
    bool environmentTemper = false;
    bool reflexTemper = false;
    bool textNote = false;  // never set: reports do not carry the note

    // Copies of the picture store, taken when the request was made: the
    // global parameter block and the rules, each absent when the picture has
    // none read.
    std::optional<USBSDK_GlobalTemperParam> globalParam;
    std::optional<QVector<PicRuleConfig>> rules;

    // The display units at that moment: temperature 0 Celsius, 1 Fahrenheit,
    // 2 Kelvin; distance 1 feet, otherwise metres; with their texts.
    int temperUnit = 0;
    QString temperSymbol;
    int distanceUnit = 0;
    QString distanceText;
};

Q_DECLARE_METATYPE(ST_ReportParam)
