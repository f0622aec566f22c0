// What the image page tests share: the simulated camera's state and call
// log, a translator that marks every text with its context, and the user's
// side of a value control.
#pragma once

#include <QPushButton>
#include <QSlider>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <ostream>
#include <vector>

#include "QCombineImageParamWidget.h"
#include "simcam.h"

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join("; ").toStdString() << ']';
}

namespace imagepages {

// A state key of the first simulated device; -1 when it has none.
inline double simValue(const char* key)
{
    double v = -1;
    SIMCAM_GetValue(0, key, &v);
    return v;
}

inline void setProfile(void (*change)(SIMCAM_DeviceProfile&))
{
    SIMCAM_DeviceProfile profile;
    SIMCAM_GetDeviceProfile(0, &profile);
    change(profile);
    SIMCAM_SetDeviceProfile(0, &profile);
}

// The logged camera calls whose name contains one of the parts,
// "Name(args)", oldest first.
inline QStringList cameraCalls(const QStringList& parts)
{
    int total = 0;
    long long overwritten = 0;
    SIMCAM_GetCallLog(nullptr, 0, &total, &overwritten);
    std::vector<SIMCAM_CallRecord> log(size_t(total) + 1);
    SIMCAM_GetCallLog(log.data(), int(log.size()), &total, &overwritten);
    QStringList out;
    for (int i = 0; i < total; ++i) {
        const QString name = QString::fromUtf8(log[size_t(i)].function).remove("USBSDK_");
        for (const QString& part : parts) {
            if (!name.contains(part)) continue;
            out << name + '(' + QString::fromUtf8(log[size_t(i)].args) + ')';
            break;
        }
    }
    return out;
}

// Translates every text to "context|source".
class TaggingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QString("%1|%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
};

// The user drags a value control's slider to v.
inline void drag(QCombineImageParamWidget* control, int v)
{
    control->findChild<QSlider*>()->setValue(v);
}

// The user presses a value control's plus button.
inline void plus(QCombineImageParamWidget* control)
{
    control->findChild<QPushButton*>("addBtnStyle")->click();
}

}  // namespace imagepages
