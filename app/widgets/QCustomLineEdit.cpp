#include "QCustomLineEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

QString formatBound(float value)
{
    return QString::number(value, 'g', 6);
}

bool isDigitsOnly(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

}  // namespace

QCustomLineEdit::QCustomLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}

void QCustomLineEdit::setIntRange(int nMax)
{
    intMax_ = nMax;
    kind_ = RangeKind::Int;
    installPattern(QStringLiteral("\\d+"));
    disconnect(this, &QLineEdit::textChanged, this, &QCustomLineEdit::checkFloatRange);
    connect(this, &QLineEdit::textChanged, this, &QCustomLineEdit::checkValue, Qt::UniqueConnection);
}

void QCustomLineEdit::setFloatRange(float fMin, float fMax, int nDecimals)
{
    floatMin_ = fMin;
    floatMax_ = fMax;
    kind_ = RangeKind::Float;
    const QString pattern = QStringLiteral("^(-?[0]|-?[1-9][0-9]{0,5})(?:\\.\\d{1,%1})?$|(^\\t?$)").arg(nDecimals);
    installPattern(pattern);
    disconnect(this, &QLineEdit::textChanged, this, &QCustomLineEdit::checkValue);
    connect(this, &QLineEdit::textChanged, this, &QCustomLineEdit::checkFloatRange, Qt::UniqueConnection);
    connect(this, &QLineEdit::editingFinished, this, &QCustomLineEdit::checkFloatMinimum, Qt::UniqueConnection);
}

void QCustomLineEdit::checkFloatRange()
{
    const QString current = text();
    if (current.isEmpty()) return;
    if (current.toFloat() > floatMax_) {
        replaceText(formatBound(floatMax_));
    } else if (current == QLatin1String("-0.0")) {
        replaceText(QStringLiteral("0.0"));
    }
    // Partial input such as "0.", "-" or "0.00" stays as typed; the minimum
    // waits for the commit.
}

void QCustomLineEdit::checkValue()
{
    const QString current = text();
    if (current.isEmpty()) {
        replaceText(QStringLiteral("0"));
        return;
    }
    bool ok = false;
    const int value = current.toInt(&ok);
    if (!ok) {
        // A digit string too long for int is above any maximum.
        replaceText(isDigitsOnly(current) ? QString::number(intMax_) : QStringLiteral("0"));
    } else {
        replaceText(QString::number(value > intMax_ ? intMax_ : value));
    }
}

void QCustomLineEdit::checkFloatMinimum()
{
    if (kind_ != RangeKind::Float) return;
    bool ok = false;
    const float value = text().toFloat(&ok);
    if (ok && value < floatMin_) replaceText(formatBound(floatMin_));
}

void QCustomLineEdit::focusOutEvent(QFocusEvent* event)
{
    checkFloatMinimum();
    QLineEdit::focusOutEvent(event);
}

void QCustomLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) checkFloatMinimum();
    QLineEdit::keyPressEvent(event);
}

void QCustomLineEdit::installPattern(const QString& pattern)
{
    const QValidator* previous = validator();
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    if (previous && previous->parent() == this) delete previous;
}

void QCustomLineEdit::replaceText(const QString& text)
{
    // setText() also resets the cursor and the undo history; skip it when
    // nothing changes.
    if (text != this->text()) setText(text);
}
