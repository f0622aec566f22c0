#include "RuleResultBlock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "StyledWidgetPaint.h"

namespace {

// Object names of the caption and value labels, in Value order.
struct ValueNames {
    const char* caption;
    const char* value;
};
const ValueNames kValueNames[RuleResultBlock::ValueCount] = {
    {"maxTemperLabel", "maxTemperValLabel"},
    {"minTemperLabel", "minTemperValLabel"},
    {"avgTemperLabel", "avgTemperValLabel"},
};

}  // namespace

RuleResultBlock::RuleResultBlock(QWidget* parent) : QWidget(parent), titleLabel_(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setSpacing(6);
    layout->setContentsMargins(0, 0, 0, 0);
    titleLabel_->setObjectName(QStringLiteral("temperRuleTitleLabel"));
    layout->addWidget(titleLabel_);
    for (int i = 0; i < ValueCount; ++i) {
        captionLabels_[i] = new QLabel(this);
        captionLabels_[i]->setObjectName(QLatin1String(kValueNames[i].caption));
        valueLabels_[i] = new QLabel(this);
        valueLabels_[i]->setObjectName(QLatin1String(kValueNames[i].value));
        valueLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* row = new QHBoxLayout;
        row->addWidget(captionLabels_[i]);
        row->addWidget(valueLabels_[i], 1);
        layout->addLayout(row);
    }
}

QString RuleResultBlock::title() const
{
    return titleLabel_->text();
}

void RuleResultBlock::setTitle(const QString& title)
{
    if (titleLabel_->text() != title) titleLabel_->setText(title);
}

QString RuleResultBlock::valueText(Value value) const
{
    return valueLabels_.at(value)->text();
}

void RuleResultBlock::setValueText(Value value, const QString& text)
{
    valueLabels_.at(value)->setText(text);
}

void RuleResultBlock::setCaptions(const QString& max, const QString& min, const QString& avg)
{
    captionLabels_[MaxValue]->setText(max);
    captionLabels_[MinValue]->setText(min);
    captionLabels_[AvgValue]->setText(avg);
}

void RuleResultBlock::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    paintStyledWidget(this);
}
