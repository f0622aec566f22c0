// Small helpers the implementation files of the live page
// (QVideoPreviewModuleWidget*.cpp) share; not for other pages.
#pragma once

#include <QLatin1String>
#include <QString>

#include "DeviceSdkWrapper.h"
#include "UiPrompts.h"

namespace livepage {

inline DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

inline UiPrompts& prompts()
{
    return UiPrompts::instance();
}

// Palette button looks: every button of the shown panel gets the normal one,
// the button of the current palette the selected one.
inline QString paletteButtonStyle(bool selected)
{
    const char* const border = "QPushButton{border: 2px solid ";
    const char* const hoverBorder = "QPushButton:hover{border: 2px solid ";
    const char* const end = ";}";
    const char* const accent = "#C7DB55";
    return QString(border) + (selected ? accent : "transparent") + end + hoverBorder + accent + end;
}

inline QString skinIcon(const char* name)
{
    return QStringLiteral("url(:/Resource/Skin/%1);").arg(QLatin1String(name));
}

}  // namespace livepage
