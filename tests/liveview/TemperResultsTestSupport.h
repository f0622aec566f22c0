// What the temperature result tests share: results as the live page builds
// them, the unit of Config.ini, and a translator that marks the texts of one
// context so that a retranslation shows.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QTranslator>

#include "ConfigManager.h"
#include "RuleTemperResult.h"

namespace temperresults {

inline RuleTemperResult rule(const char* title, quint32 key, float max, float min, float avg)
{
    RuleTemperResult r;
    r.title = QString::fromUtf8(title);
    r.key = key;
    r.max = max;
    r.min = min;
    r.avg = avg;
    r.showMax = r.showMin = r.showAvg = true;
    return r;
}

// A point rule: only its average is shown.
inline RuleTemperResult point(const char* title, quint32 key, float avg)
{
    RuleTemperResult r = rule(title, key, 0.0f, 0.0f, avg);
    r.showMax = r.showMin = false;
    return r;
}

// "TemperUnit" of Config.ini: 0 Celsius, 1 Fahrenheit, 2 Kelvin.
inline void setTemperUnit(int unit)
{
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, "TemperUnit", unit);
}

// Puts every text of one context in angle brackets while installed.
class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(const char* context) : context_(context)
    {
        QApplication::installTranslator(this);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~MarkingTranslator() override
    {
        QApplication::removeTranslator(this);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (context_ != context) return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

private:
    QByteArray context_;
};

}  // namespace temperresults
