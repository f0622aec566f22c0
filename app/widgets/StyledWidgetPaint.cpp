#include "StyledWidgetPaint.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

void paintStyledWidget(QWidget* widget)
{
    if (!widget) return;
    QStyleOption option;
    option.initFrom(widget);
    QPainter painter(widget);
    widget->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, widget);
}
