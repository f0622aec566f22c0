// What the image parameter pages share: the usable-camera test that enables
// their controls, the read-failure message, the success toast, and the
// building blocks of their forms (a section label, a value control at the
// front of its row). GUI thread only.
#pragma once

#include <QString>

class QBoxLayout;
class QCombineImageParamWidget;
class QLabel;
class QWidget;

class ImagePageSupport {
public:
    // Toasts of the pages: type and duration.
    static constexpr int kToastSuccess = 0;
    static constexpr int kToastFailure = 1;
    static constexpr int kToastMs = 1000;

    // A camera is connected and awake.
    static bool isCameraUsable();
    // The OK-only message box over page: failure, ",", errorCode, ":" and the
    // camera's last error in decimal, read now. Both texts come translated
    // in the page's own context.
    static void reportFailure(QWidget* page, const QString& failure, const QString& errorCode);
    // The OK-only message box with a text alone.
    static void notice(QWidget* page, const QString& text);
    // The toast: success or failure, 1000 ms.
    static void toast(const QString& text, bool success);

    // A label with the style sheet's section title look.
    static QLabel* makeLabel(QWidget* parent);
    // A value control of range minimum..maximum showing initial, put at the
    // front of row.
    static QCombineImageParamWidget* makeValueControl(QWidget* parent, QBoxLayout* row, int minimum, int maximum,
                                                      int initial);
};
