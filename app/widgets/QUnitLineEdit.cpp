#include "QUnitLineEdit.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

QUnitLineEdit::QUnitLineEdit(QWidget* parent) : QCustomLineEdit(parent), unitLabel_(new QLabel(this))
{
    // Clicks on the unit belong to the field.
    unitLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(unitLabel_, 0, Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &QUnitLineEdit::setTextEditedSlots);
}

void QUnitLineEdit::setUnitText(const QString& text)
{
    unitLabel_->setText(text);
    // Set rather than added, so changing the unit does not grow the margin.
    QMargins margins = textMargins();
    margins.setRight(QFontMetrics(font()).horizontalAdvance(text));
    setTextMargins(margins);
}

void QUnitLineEdit::setTextEditedSlots()
{
    committed_ = false;
}

void QUnitLineEdit::focusOutEvent(QFocusEvent* event)
{
    if (!committed_) {
        // Listeners read the committed value, so the minimum applies first.
        checkFloatMinimum();
        committed_ = true;
        emit focusOutSignals();
    }
    QCustomLineEdit::focusOutEvent(event);
}

void QUnitLineEdit::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !committed_) {
        checkFloatMinimum();
        committed_ = true;
        emit keyEnterSignals();
    }
    QCustomLineEdit::keyPressEvent(event);
}
