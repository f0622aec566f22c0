#include "QIconTextCtrlBtn.h"

#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

QIconTextCtrlBtn::QIconTextCtrlBtn(QWidget* parent)
    : QIconTextHoverBtn(QStringLiteral("QLabel{color:white;}"), QStringLiteral("QLabel{color: white;}"), parent)
{
    iconLabel_->setFixedSize(48, 48);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->addWidget(iconLabel_, 0, Qt::AlignHCenter);
    layout->addWidget(textLabel_);
    layout->addSpacerItem(new QSpacerItem(10, 5));
    setStyleSheet(
        QStringLiteral("QPushButton{background-color: transparent;border:0px;}QPushButton:hover{background-color: "
                       "#303515;border:0px;}QPushButton:disabled{background-color: #A2B345;border:0px;}"));
    setFixedSize(72, 72);
}
