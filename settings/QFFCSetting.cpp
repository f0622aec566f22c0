#include "QFFCSetting.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ImagePageSupport.h"
#include "QCombineImageParamWidget.h"
#include "camsdk.h"

namespace {

using F = QFFCSetting;

constexpr int kMaxPeriod = 1200;
constexpr int kDefaultPeriodCooled = 60;
constexpr int kDefaultPeriod = 360;

constexpr int kMargin = 16;
constexpr int kBlockSpacing = 16;
constexpr int kLineSpacing = 8;

bool isCooled()
{
    return USBSDK_GetRefrigerationDeviceType() != 0;
}

QRadioButton* makeRadio(QWidget* parent)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(QStringLiteral("RadioBtnStyle1"));
    button->setCheckable(true);
    // The two mode slots alone keep one of them checked.
    button->setAutoExclusive(false);
    button->setFixedSize(80, 22);
    return button;
}

QPushButton* makeButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("IconTextHBtn"));
    button->setFixedSize(120, 36);
    return button;
}

}  // namespace

QFFCSetting::QFFCSetting(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("QFFCSetting"));
    initUI();
    initConnect();
}

void QFFCSetting::initUI()
{
    modeLabel_ = ImagePageSupport::makeLabel(this);
    autoBtn_ = makeRadio(this);
    manualBtn_ = makeRadio(this);
    periodLabel_ = ImagePageSupport::makeLabel(this);
    unitLabel_ = ImagePageSupport::makeLabel(this);
    unitLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    shutLabel_ = ImagePageSupport::makeLabel(this);
    shutBtn_ = makeButton(this);
    bgLabel_ = ImagePageSupport::makeLabel(this);
    bgBtn_ = makeButton(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kBlockSpacing);
    auto addBlock = [&](QLabel* label, QBoxLayout* row) {
        auto* block = new QVBoxLayout;
        block->setSpacing(kLineSpacing);
        block->addWidget(label);
        block->addLayout(row);
        page->addLayout(block);
    };
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(autoBtn_);
    modeRow->addWidget(manualBtn_);
    modeRow->addStretch(1);
    addBlock(modeLabel_, modeRow);

    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(unitLabel_);
    period_ = ImagePageSupport::makeValueControl(this, periodRow, kMinPeriod, kMaxPeriod, kMinPeriod);
    addBlock(periodLabel_, periodRow);

    auto* shutRow = new QHBoxLayout;
    shutRow->addWidget(shutBtn_);
    shutRow->addStretch(1);
    addBlock(shutLabel_, shutRow);

    auto* bgRow = new QHBoxLayout;
    bgRow->addWidget(bgBtn_);
    bgRow->addStretch(1);
    addBlock(bgLabel_, bgRow);
    page->addStretch(1);

    bgLabel_->hide();
    bgBtn_->hide();
    retranslateTexts();
}

void QFFCSetting::initConnect()
{
    connect(autoBtn_, &QRadioButton::clicked, this, &F::setAutoBtnSlots);
    connect(manualBtn_, &QRadioButton::clicked, this, &F::setManualBtnSlots);
    connect(period_, &QCombineImageParamWidget::sendValueChangedSignal, this, &F::setFFCTimeSignal);
    connect(shutBtn_, &QPushButton::clicked, this, &F::setShutBtnSlots);
    connect(bgBtn_, &QPushButton::clicked, this, &F::setBackgroundFFCBtnSlots);
}

void QFFCSetting::retranslateTexts()
{
    modeLabel_->setText(tr("FFCModel"));
    autoBtn_->setText(tr("Auto"));
    manualBtn_->setText(tr("Manual"));
    periodLabel_->setText(tr("FFC SwitchPeriod"));
    unitLabel_->setText(isCooled() ? tr("Minute") : tr("Second"));
    shutLabel_->setText(tr("Shutter Correction"));
    shutBtn_->setText(tr("Shut"));
    bgLabel_->setText(tr("Background Correction"));
    bgBtn_->setText(tr("Shut"));
}

void QFFCSetting::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QFFCSetting::showMode(bool automatic)
{
    autoBtn_->setChecked(automatic);
    manualBtn_->setChecked(!automatic);
    periodLabel_->setVisible(automatic);
    period_->setVisible(automatic);
    unitLabel_->setVisible(automatic);
}

void QFFCSetting::setAutoBtnSlots()
{
    showMode(true);
    emit setFFCModeSignal(AutoMode);
}

void QFFCSetting::setManualBtnSlots()
{
    showMode(false);
    emit setFFCModeSignal(ManualMode);
}

void QFFCSetting::setShutBtnSlots()
{
    emit sendShutterCorrectSignal();
}

void QFFCSetting::setBackgroundFFCBtnSlots()
{
    emit sendBackgroundFFCSignal();
}

void QFFCSetting::setFFCModeSlot(bool bRet, int nMode)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get FFCModel"), tr("Error Code"));
        return;
    }
    if (nMode == AutoMode || nMode == ManualMode) showMode(nMode == AutoMode);
}

void QFFCSetting::setFFCTimeSlot(bool bRet, int nValue)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get FFC period"), tr("Error Code"));
        return;
    }
    period_->setValue(nValue);
}

void QFFCSetting::setShutterCorrectRetSlot(bool bRet)
{
    if (bRet) {
        ImagePageSupport::toast(tr("Operate succeed"), true);
        return;
    }
    ImagePageSupport::reportFailure(this, tr("Failed to FFC"), tr("Error Code"));
}

void QFFCSetting::setBackgroundFFCRetSlot(bool bRet)
{
    if (bRet) {
        ImagePageSupport::toast(tr("Operate succeed"), true);
        return;
    }
    ImagePageSupport::reportFailure(this, tr("Failed to Background FFC"), tr("Error Code"));
}

void QFFCSetting::refreshDeviceSupport()
{
    const bool usable = ImagePageSupport::isCameraUsable();
    for (QWidget* w : {static_cast<QWidget*>(manualBtn_), static_cast<QWidget*>(autoBtn_),
                       static_cast<QWidget*>(period_), static_cast<QWidget*>(shutBtn_), static_cast<QWidget*>(bgBtn_)})
        w->setEnabled(usable);
    unitLabel_->setText(isCooled() ? tr("Minute") : tr("Second"));
}

void QFFCSetting::restoreDefault()
{
    setAutoBtnSlots();
    const int period = isCooled() ? kDefaultPeriodCooled : kDefaultPeriod;
    period_->setValue(period);
    emit setFFCTimeSignal(period);
}

bool QFFCSetting::isFFCTimeValid() const
{
    // Not a number counts as 0.
    return period_->text().toInt() >= kMinPeriod;
}
