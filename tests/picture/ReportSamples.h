// A report request and a picture as the report tests and the report
// benchmark use them: a request in Celsius and metres with a global block
// and two rules (the second named kRuleName), and a 384 x 288 colour ramp.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

#include <cstring>

#include "RuleTemperResult.h"
#include "ST_ReportParam.h"

namespace reporttest {

// Texts a picture file or the keyboard could carry that break HTML.
constexpr const char* kRuleName = "R<1>&\"a\"";  // within the 32-byte field
constexpr const char* kTitle = "Plant <A> & \"B\"";
constexpr const char* kAuthor = "O'Neil & <Co>";

inline QImage samplePicture()
{
    QImage image(384, 288, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, QColor(x * 255 / 383, y * 255 / 287, 128));
    return image;
}

inline PicRuleConfig sampleRule(const char* name, float emissivity, float distance, float reflected, bool enabled)
{
    PicRuleConfig r{};
    std::strncpy(r.name, name, sizeof r.name - 1);
    r.emissivity = emissivity;
    r.distance = distance;
    r.reflectedTemp = reflected;
    r.bLocalEnable = enabled ? 1 : 0;
    return r;
}

inline RuleTemperResult sampleResult(const QString& title, float max, float avg, float min)
{
    RuleTemperResult r;
    r.title = title;
    r.max = max;
    r.avg = avg;
    r.min = min;
    return r;
}

// Every flag set; the report file beside resDir.
inline ST_ReportParam sampleRequest(const QString& resDir, int format = 0)
{
    ST_ReportParam p;
    p.outPath = resDir + "/../report";
    p.resDir = resDir;
    p.title = kTitle;
    p.author = kAuthor;
    p.format = format;
    p.humidity = p.environmentTemper = p.reflexTemper = true;
    // Emissivity, distance, reflected and ambient temperature, unit, humidity.
    p.globalParam = USBSDK_GlobalTemperParam{0.97f, 1.0f, 20.0f, 25.0f, 0, 45, 0, 0.0f, {}};
    p.rules = QVector<PicRuleConfig>{sampleRule("P1", 0.95f, 2.0f, 22.5f, true),
                                     sampleRule(kRuleName, 1.0f, 0.5f, 30.0f, false)};
    p.temperUnit = 0;
    p.temperSymbol = QString(QChar(0x2103));
    p.distanceUnit = 0;
    p.distanceText = "Meter";
    return p;
}

}  // namespace reporttest
