#include "QCombineImageParamWidget.h"

#include "CSlider.h"
#include "QCustomLineEdit.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

QCombineImageParamWidget::QCombineImageParamWidget(QWidget* parent)
    : QWidget(parent),
      lineEdit_(new QCustomLineEdit(this)),
      plusBtn_(new QPushButton(this)),
      minusBtn_(new QPushButton(this)),
      slider_(new CSlider(this))
{
    setFixedHeight(28);

    lineEdit_->setObjectName(QStringLiteral("LineEditStyle2"));
    lineEdit_->setFixedSize(40, 28);
    lineEdit_->setAlignment(Qt::AlignCenter);
    lineEdit_->setText(QStringLiteral("0"));

    plusBtn_->setObjectName(QStringLiteral("addBtnStyle"));
    plusBtn_->setFixedSize(20, 14);
    minusBtn_->setObjectName(QStringLiteral("minusBtnStyle"));
    minusBtn_->setFixedSize(20, 14);

    slider_->setObjectName(QStringLiteral("SliderStyle1"));
    slider_->setOrientation(Qt::Horizontal);
    slider_->setFixedHeight(22);
    slider_->setPageStep(1);
    slider_->setHorizontal(true);

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(plusBtn_);
    buttons->addWidget(minusBtn_);

    auto* field = new QHBoxLayout;
    field->setContentsMargins(0, 0, 0, 0);
    field->setSpacing(0);
    field->addWidget(lineEdit_);
    field->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(slider_);
    layout->addLayout(field);

    connect(slider_, &QSlider::valueChanged, this, &QCombineImageParamWidget::setSliderValueSlot);
    connect(lineEdit_, &QLineEdit::textEdited, this, &QCombineImageParamWidget::setLineEditValueSlot);
    connect(plusBtn_, &QPushButton::clicked, this, &QCombineImageParamWidget::setPlusBtnSlot);
    connect(minusBtn_, &QPushButton::clicked, this, &QCombineImageParamWidget::setMinusBtnSlot);
}

void QCombineImageParamWidget::setValue(int v)
{
    const QSignalBlocker fieldBlocker(lineEdit_);
    const QSignalBlocker sliderBlocker(slider_);
    lineEdit_->setText(QString::number(v));
    slider_->setValue(v);
    updateStepButtons(v);
}

void QCombineImageParamWidget::setMaxValue(int nMax)
{
    max_ = nMax;
    lineEdit_->setIntRange(nMax);
    slider_->setRange(0, nMax);
}

void QCombineImageParamWidget::setMinValue(int nMin)
{
    min_ = nMin;
    slider_->setMinimum(nMin);
}

QString QCombineImageParamWidget::text() const
{
    return lineEdit_->text();
}

void QCombineImageParamWidget::setPlusBtnSlot()
{
    const int v = lineEdit_->text().toInt();
    if (v < max_) {
        slider_->setValue(v + 1);
    } else {
        plusBtn_->setEnabled(false);
    }
}

void QCombineImageParamWidget::setMinusBtnSlot()
{
    const int v = lineEdit_->text().toInt();
    if (v > min_) {
        slider_->setValue(v - 1);
    } else {
        minusBtn_->setEnabled(false);
    }
}

void QCombineImageParamWidget::setSliderValueSlot(int nValue)
{
    updateStepButtons(nValue);
    lineEdit_->setText(QString::number(nValue));
    emit sendValueChangedSignal(nValue);
}

void QCombineImageParamWidget::setLineEditValueSlot(QString qstrValue)
{
    const int v = qstrValue.toInt();
    updateStepButtons(v);
    // The slider reports the change, once, when its value moves.
    slider_->setValue(v);
}

void QCombineImageParamWidget::updateStepButtons(int v)
{
    minusBtn_->setEnabled(v > min_);
    plusBtn_->setEnabled(v < max_);
}
