#include "QIconTextVBtn.h"

#include <QLabel>
#include <QVBoxLayout>

QIconTextVBtn::QIconTextVBtn(QWidget* parent)
    : QIconTextHoverBtn(QStringLiteral("QLabel{color:rgba(255,255,255,0.65);}"),
                        QStringLiteral("QLabel{color:#C7DB55;}"), parent)
{
    iconLabel_->setFixedSize(36, 36);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(iconLabel_, 0, Qt::AlignHCenter);
    layout->addWidget(textLabel_);
    setStyleSheet(QStringLiteral("QPushButton{background-color:transparent;}"));
    setFixedSize(72, 72);
}
