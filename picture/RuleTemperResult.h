// One rule's displayed temperatures, as the live page and the picture
// analysis window hand them to their result table and overlay. Values are
// degrees Celsius; views convert them to the chosen unit.
#pragma once

#include <QMetaType>
#include <QString>

struct RuleTemperResult {
    QString title;      // the rule item's title; "G" for the whole picture
    float avg = 0.0f;   // a point rule's single value
    float max = 0.0f;
    float min = 0.0f;
    quint32 key = 0;    // the rule item's id; 0 for the whole picture
    bool showMin = false;
    bool showAvg = false;
    bool showMax = false;
};

// Which of the three values the result views show for every rule, as the
// analysis window's check boxes set them.
struct RuleShowFlags {
    bool showMin = true;
    bool showAvg = true;
    bool showMax = true;
};

Q_DECLARE_METATYPE(RuleTemperResult)
