#include "QImageModeWidget.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "DeviceSdkWrapper.h"
#include "ImagePageSupport.h"
#include "QCustomLineEdit.h"
#include "SwitchButton.h"

namespace {

using M = QImageModeWidget;

const char* const kLimitStyle =
    "QLineEdit{color:white;background-color: #292929;border-radius:4px;border:1px solid #5F615A;}";
constexpr int kLimitDecimals = 1;

QCustomLineEdit* makeLimitEdit(QWidget* parent)
{
    auto* edit = new QCustomLineEdit(parent);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedSize(150, 32);
    edit->setFloatRange(-float(M::kLimitRange), float(M::kLimitRange), kLimitDecimals);
    edit->setStyleSheet(QLatin1String(kLimitStyle));
    return edit;
}

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

QImageModeWidget::QImageModeWidget(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("QImageModeWidget"));
    initUI();
    initConnect();
}

void QImageModeWidget::initUI()
{
    titleLabel_ = makeLabel(this, "pseudoIsoLabel");
    enableLabel_ = makeLabel(this, "pseudoIsoEnableLabel");
    maxLabel_ = makeLabel(this, "pseudoMaxLimitLabel");
    minLabel_ = makeLabel(this, "pseudoMinLimitLabel");
    enable_ = new SwitchButton(this);
    enable_->setFixedSize(48, 24);
    maxEdit_ = makeLimitEdit(this);
    minEdit_ = makeLimitEdit(this);
    setBtn_ = new QPushButton(this);
    setBtn_->setObjectName(QStringLiteral("IconTextHBtn"));
    setBtn_->setFixedSize(120, 32);

    auto* page = new QVBoxLayout(this);
    page->setSpacing(8);
    page->setContentsMargins(16, 9, 16, 9);
    page->addWidget(titleLabel_);
    auto* form = new QFormLayout;
    form->setSpacing(6);
    form->setContentsMargins(6, 6, 6, 6);
    form->addRow(enableLabel_, enable_);
    form->addRow(maxLabel_, maxEdit_);
    form->addRow(minLabel_, minEdit_);
    page->addLayout(form);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(setBtn_);
    buttonRow->addStretch(1);
    page->addLayout(buttonRow);
    page->addStretch(1);
    retranslateTexts();
}

void QImageModeWidget::initConnect()
{
    connect(setBtn_, &QPushButton::clicked, this, &M::setPseudoIsothermModeSlot);
}

void QImageModeWidget::retranslateTexts()
{
    titleLabel_->setText(tr("Pseudo isotherm") + QStringLiteral(" - \u2103"));
    enableLabel_->setText(tr("Enable"));
    maxLabel_->setText(tr("Max limit"));
    minLabel_->setText(tr("Min limit"));
    setBtn_->setText(tr("Set"));
}

void QImageModeWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

short QImageModeWidget::limitFromText(const QString& text)
{
    bool ok = false;
    const double degrees = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(degrees)) return 0;
    const double clamped = std::clamp(degrees, -double(kLimitRange), double(kLimitRange));
    return short(std::lround(clamped));
}

void QImageModeWidget::setPseudoIsothermModeSlot()
{
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    if (!sdk.Connect()) {
        ImagePageSupport::notice(this, tr("Device is not connect."));
        return;
    }
    if (sdk.isSleeping()) {
        ImagePageSupport::notice(this, tr("Device is sleeping"));
        return;
    }
    const bool enabled = enable_->isChecked();
    const short minLimit = limitFromText(minEdit_->text());
    const short maxLimit = limitFromText(maxEdit_->text());
    if (enabled && maxLimit <= minLimit) {
        ImagePageSupport::notice(this, tr("The upper limit should be greater than lower limit"));
        return;
    }
    emit sendPseudoIsothermSignal(enabled, minLimit, maxLimit);
}

void QImageModeWidget::setPseudoIsothermModeRetSlot(bool bRet)
{
    ImagePageSupport::toast(bRet ? tr("Operate succeed") : tr("Operate failed"), bRet);
}
