#include "ImagePageSupport.h"

#include <QBoxLayout>
#include <QLabel>

#include "DeviceSdkWrapper.h"
#include "QCombineImageParamWidget.h"
#include "UiPrompts.h"
#include "camsdk.h"

bool ImagePageSupport::isCameraUsable()
{
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    return sdk.Connect() && !sdk.isSleeping();
}

void ImagePageSupport::reportFailure(QWidget* page, const QString& failure, const QString& errorCode)
{
    notice(page, failure + "," + errorCode + ":" + QString::number(USBSDK_GetLastError()));
}

void ImagePageSupport::notice(QWidget* page, const QString& text)
{
    UiPrompts::instance().notice(page, text);
}

void ImagePageSupport::toast(const QString& text, bool success)
{
    UiPrompts::instance().toast(text, success ? kToastSuccess : kToastFailure, kToastMs);
}

QLabel* ImagePageSupport::makeLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label_FF_85_14"));
    return label;
}

QCombineImageParamWidget* ImagePageSupport::makeValueControl(QWidget* parent, QBoxLayout* row, int minimum,
                                                             int maximum, int initial)
{
    auto* control = new QCombineImageParamWidget(parent);
    control->setMaxValue(maximum);
    control->setMinValue(minimum);
    control->setValue(initial);
    row->insertWidget(0, control);
    return control;
}
