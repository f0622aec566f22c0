#include "QUnitLabel.h"

#include <QHBoxLayout>
#include <QLabel>

QUnitLabel::QUnitLabel(QWidget* parent) : QWidget(parent), valueLabel_(new QLabel(this)), unitLabel_(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(valueLabel_);
    layout->addWidget(unitLabel_, 1);
}

void QUnitLabel::setValueAndUnit(const QString& first, const QString& second)
{
    valueLabel_->setText(first);
    unitLabel_->setText(second);
}

void QUnitLabel::setFontPx(int px)
{
    const QString styleSheet = QStringLiteral("font: %1px;").arg(px);
    valueLabel_->setStyleSheet(styleSheet);
    unitLabel_->setStyleSheet(styleSheet);
}
