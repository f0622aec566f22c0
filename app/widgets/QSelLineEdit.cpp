#include "QSelLineEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

QSelLineEdit::QSelLineEdit(QWidget* parent)
    : QWidget(parent), lineEdit_(new QLineEdit(this)), button_(new QPushButton(this))
{
    // Paths come from the picker only.
    lineEdit_->setEnabled(false);
    lineEdit_->setObjectName(QStringLiteral("SelLineEdit"));
    lineEdit_->setTextMargins(10, 2, 8, 2);
    lineEdit_->setFixedHeight(32);
    button_->setObjectName(QStringLiteral("SelButton"));
    button_->setFixedSize(38, 32);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lineEdit_);
    layout->addWidget(button_);

    connect(button_, &QPushButton::clicked, this, &QSelLineEdit::setSelectPathSlots);
}

QString QSelLineEdit::text() const
{
    return lineEdit_->text();
}

void QSelLineEdit::setText(const QString& text)
{
    lineEdit_->setText(text);
}

void QSelLineEdit::setLineEditStyleSheet(const QString& styleSheet)
{
    lineEdit_->setStyleSheet(styleSheet);
}

void QSelLineEdit::setButtonStyleSheet(const QString& styleSheet)
{
    button_->setStyleSheet(styleSheet);
}

void QSelLineEdit::setSelectPathSlots()
{
    emit sendSelBtnClickedSignals();
}
