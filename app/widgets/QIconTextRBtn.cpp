#include "QIconTextRBtn.h"

#include <QHBoxLayout>
#include <QLabel>

QIconTextRBtn::QIconTextRBtn(QWidget* parent)
    : QIconTextListBtn(QStringLiteral("QLabel{border-image:"), QStringLiteral("background-repeat:no-repeat;}"),
                       NormalState, parent)
{
    textLabel_->setFixedSize(200, 30);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 11, 0);
    layout->addWidget(textLabel_);
    layout->addWidget(iconLabel_);
}

void QIconTextRBtn::setText(const QString& text)
{
    textLabel_->setText(text);
}
