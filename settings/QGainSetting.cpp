#include "QGainSetting.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstring>

#include "DeviceSdkWrapper.h"
#include "ImagePageSupport.h"
#include "QCombineImageParamWidget.h"

namespace {

using G = QGainSetting;

constexpr int kMaxAutoGain = 255;
constexpr int kInitialAutoGain = 1;
constexpr int kDefaultAutoGain = 1;
// Cameras of the "N6" series start from a higher auto gain.
constexpr int kDefaultAutoGainN6 = 100;
constexpr int kVersionBufferSize = 256;

constexpr int kMargin = 16;
constexpr int kBlockSpacing = 16;
constexpr int kLineSpacing = 8;
constexpr int kLabelMinWidth = 80;

QRadioButton* makeRadio(QWidget* parent)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(QStringLiteral("RadioBtnStyle1"));
    button->setCheckable(true);
    button->setAutoExclusive(false);
    return button;
}

}  // namespace

QGainSetting::QGainSetting(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("QGainSetting"));
    initUI();
    initConnect();
}

void QGainSetting::initUI()
{
    autoGainLabel_ = ImagePageSupport::makeLabel(this);
    autoGainLabel_->setMinimumWidth(kLabelMinWidth);
    modeLabel_ = ImagePageSupport::makeLabel(this);
    modeLabel_->setMinimumWidth(kLabelMinWidth);
    lowBtn_ = makeRadio(this);
    highBtn_ = makeRadio(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kBlockSpacing);

    auto* gainBlock = new QVBoxLayout;
    gainBlock->setSpacing(kLineSpacing);
    gainBlock->addWidget(autoGainLabel_);
    auto* gainRow = new QHBoxLayout;
    autoGain_ = ImagePageSupport::makeValueControl(this, gainRow, 0, kMaxAutoGain, kInitialAutoGain);
    gainBlock->addLayout(gainRow);
    page->addLayout(gainBlock);

    auto* modeBlock = new QVBoxLayout;
    modeBlock->setSpacing(kLineSpacing);
    modeBlock->addWidget(modeLabel_);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(lowBtn_);
    modeRow->addSpacerItem(new QSpacerItem(20, 0, QSizePolicy::Maximum, QSizePolicy::Minimum));
    modeRow->addWidget(highBtn_);
    modeRow->addStretch(1);
    modeBlock->addLayout(modeRow);
    page->addLayout(modeBlock);
    page->addStretch(1);

    modeLabel_->hide();
    lowBtn_->hide();
    highBtn_->hide();
    retranslateTexts();
}

void QGainSetting::initConnect()
{
    connect(autoGain_, &QCombineImageParamWidget::sendValueChangedSignal, this, &G::setGainAutoSignal);
    connect(lowBtn_, &QRadioButton::clicked, this, &G::setLowTemperBtnSlots);
    connect(highBtn_, &QRadioButton::clicked, this, &G::setHighTemperBtnSlots);
}

void QGainSetting::retranslateTexts()
{
    autoGainLabel_->setText(tr("Auto Gain"));
    modeLabel_->setText(tr("GainModel"));
    lowBtn_->setText(tr("Low Temper"));
    highBtn_->setText(tr("High Temper"));
}

void QGainSetting::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QGainSetting::checkMode(bool high)
{
    lowBtn_->setChecked(!high);
    highBtn_->setChecked(high);
}

void QGainSetting::setLowTemperBtnSlots()
{
    checkMode(false);
    emit setGainModeSignal(LowTemperMode);
}

void QGainSetting::setHighTemperBtnSlots()
{
    checkMode(true);
    emit setGainModeSignal(HighTemperMode);
}

void QGainSetting::setGainAutoSlot(bool bRet, int nValue)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get autogain"), tr("Error Code"));
        return;
    }
    autoGain_->setValue(nValue);
}

void QGainSetting::setGainModeSlot(bool bRet, int nMode)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get gainmodel"), tr("Error Code"));
        return;
    }
    if (nMode == LowTemperMode || nMode == HighTemperMode) checkMode(nMode == HighTemperMode);
}

void QGainSetting::refreshDeviceSupport()
{
    autoGain_->setEnabled(ImagePageSupport::isCameraUsable());
}

void QGainSetting::restoreDefault()
{
    char version[kVersionBufferSize];
    std::memset(version, 0, sizeof version);
    const bool read = DeviceSdkWrapper::getInstance().GetSoftwareVersion(version);
    const bool n6 = read && version[8] == 'N' && version[9] == '6';
    const int value = n6 ? kDefaultAutoGainN6 : kDefaultAutoGain;
    autoGain_->setValue(value);
    emit setGainAutoSignal(value);
}
