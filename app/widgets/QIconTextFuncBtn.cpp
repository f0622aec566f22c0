#include "QIconTextFuncBtn.h"

#include <QHBoxLayout>
#include <QLabel>

QIconTextFuncBtn::QIconTextFuncBtn(QWidget* parent)
    : QIconTextListBtn(QStringLiteral("QLabel{image:"), QStringLiteral("background-repeat:no-repeat; margin:1px;}"),
                       HoverState, parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(4);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(iconLabel_, 0, Qt::AlignVCenter);
    layout->addWidget(textLabel_, 0, Qt::AlignVCenter);
    setStyleSheet(QStringLiteral("background-color:transparent; font-size:12px;"));
}

void QIconTextFuncBtn::setText(const QString& text)
{
    setTextAndFitWidth(text, 26);
}
