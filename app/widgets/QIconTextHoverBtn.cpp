#include "QIconTextHoverBtn.h"

#include <QLabel>

QIconTextHoverBtn::QIconTextHoverBtn(const QString& normalTextStyle, const QString& hoverTextStyle, QWidget* parent)
    : QPushButton(parent),
      iconLabel_(new QLabel(this)),
      textLabel_(new QLabel(this)),
      normalTextStyle_(normalTextStyle),
      hoverTextStyle_(hoverTextStyle)
{
    textLabel_->setAlignment(Qt::AlignCenter);
    textLabel_->setStyleSheet(normalTextStyle_);
}

void QIconTextHoverBtn::setIcon(const QString& normal, const QString& hover)
{
    normalIcon_ = normal;
    hoverIcon_ = hover;
    hovered_ = false;
    applyLook();
}

void QIconTextHoverBtn::setText(const QString& text)
{
    textLabel_->setText(text);
}

void QIconTextHoverBtn::setIconSize(int w, int h)
{
    iconLabel_->setFixedSize(w, h);
}

void QIconTextHoverBtn::enterEvent(QEvent* event)
{
    hovered_ = true;
    applyLook();
    QPushButton::enterEvent(event);
}

void QIconTextHoverBtn::leaveEvent(QEvent* event)
{
    if (isEnabled()) {
        hovered_ = false;
        applyLook();
    }
    QPushButton::leaveEvent(event);
}

void QIconTextHoverBtn::applyLook()
{
    const QString& icon = hovered_ ? hoverIcon_ : normalIcon_;
    // Without an icon there is nothing to show (and nothing valid to parse).
    iconLabel_->setStyleSheet(icon.isEmpty() ? QString()
                                             : QStringLiteral("QLabel{border-image:") + icon +
                                                   QStringLiteral("background-repeat:no-repeat;}"));
    textLabel_->setStyleSheet(hovered_ ? hoverTextStyle_ : normalTextStyle_);
}
