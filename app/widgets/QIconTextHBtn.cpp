#include "QIconTextHBtn.h"

#include <QHBoxLayout>
#include <QLabel>

QIconTextHBtn::QIconTextHBtn(QWidget* parent)
    : QIconTextListBtn(QStringLiteral("QLabel{border-image:"),
                       QStringLiteral("background-repeat:no-repeat; margin:1px;}"), HoverState, parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(6);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(iconLabel_, 0, Qt::AlignVCenter);
    layout->addWidget(textLabel_, 0, Qt::AlignVCenter);
}

void QIconTextHBtn::setText(const QString& text)
{
    // The width is what the layout needs: its margins and spacing beside the
    // icon and the text label as its style sheet makes it, or the text's end
    // is cut.
    setTextAndFitWidth(text, 0);
    textLabel_->ensurePolished();
    layout()->invalidate();
    setFixedWidth(layout()->sizeHint().width());
}
