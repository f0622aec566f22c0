#include "QIconTextListBtn.h"

#include <QFontMetrics>
#include <QLabel>

QIconTextListBtn::QIconTextListBtn(const QString& iconStyleHead, const QString& iconStyleTail, BtnState releaseState,
                                   QWidget* parent)
    : QPushButton(parent),
      iconLabel_(new QLabel(this)),
      textLabel_(new QLabel(this)),
      iconStyleHead_(iconStyleHead),
      iconStyleTail_(iconStyleTail),
      releaseState_(releaseState),
      colorList_{QStringLiteral("#FFFFFF;"), QStringLiteral("#FFFFFF;"), QStringLiteral("#FFFFFF;"),
                 QStringLiteral("#FFFFFF;")}
{
    iconLabel_->setFixedSize(20, 20);
}

void QIconTextListBtn::setIconSize(int w, int h)
{
    iconLabel_->setFixedSize(w, h);
}

void QIconTextListBtn::setIconList(const QStringList& list)
{
    iconList_ = list;
}

void QIconTextListBtn::setColorList(const QStringList& list)
{
    colorList_ = list;
}

void QIconTextListBtn::setBtnState(int state)
{
    if (iconList_.size() < 4 || colorList_.size() < 4) return;
    const int index = (state >= HoverState && state <= SelectedState) ? state : NormalState;
    textLabel_->setStyleSheet(QStringLiteral("QLabel{color:") + colorList_.at(index) + QStringLiteral("}"));
    iconLabel_->setStyleSheet(iconStyleHead_ + iconList_.at(index) + iconStyleTail_);
}

void QIconTextListBtn::setTextAndFitWidth(const QString& text, int gap)
{
    textLabel_->setText(text);
    // The label's font as its style sheet makes it.
    textLabel_->ensurePolished();
    setFixedWidth(iconLabel_->width() + gap + QFontMetrics(textLabel_->font()).horizontalAdvance(text));
}

void QIconTextListBtn::enterEvent(QEvent* event)
{
    if (isEnabled()) setBtnState(HoverState);
    QPushButton::enterEvent(event);
}

void QIconTextListBtn::leaveEvent(QEvent* event)
{
    if (isEnabled()) setBtnState(NormalState);
    QPushButton::leaveEvent(event);
}

void QIconTextListBtn::mousePressEvent(QMouseEvent* event)
{
    setBtnState(PressedState);
    QPushButton::mousePressEvent(event);
}

void QIconTextListBtn::mouseReleaseEvent(QMouseEvent* event)
{
    setBtnState(releaseState_);
    QPushButton::mouseReleaseEvent(event);
}
