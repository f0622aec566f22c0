#include "QWideDynamicWidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ImagePageSupport.h"
#include "QCombineImageParamWidget.h"

namespace {

using W = QWideDynamicWidget;

constexpr int kMaxContrast = 100;
constexpr int kMargin = 16;
constexpr int kBlockSpacing = 24;
constexpr int kLineSpacing = 8;
constexpr int kSwitchSpacing = 15;

QRadioButton* makeRadio(QWidget* parent)
{
    auto* button = new QRadioButton(parent);
    button->setCheckable(true);
    button->setFixedSize(80, 32);
    return button;
}

}  // namespace

QWideDynamicWidget::QWideDynamicWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QWideDynamicWidget"));
    initUI();
    initConnect();
}

void QWideDynamicWidget::initUI()
{
    switchLabel_ = ImagePageSupport::makeLabel(this);
    openBtn_ = makeRadio(this);
    closeBtn_ = makeRadio(this);
    localLabel_ = ImagePageSupport::makeLabel(this);
    globalLabel_ = ImagePageSupport::makeLabel(this);
    openBtn_->setObjectName(QStringLiteral("RadioBtnStyle1"));
    closeBtn_->setObjectName(QStringLiteral("RadioBtnStyle1"));
    openBtn_->setChecked(true);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kBlockSpacing);

    auto* switchBlock = new QVBoxLayout;
    switchBlock->setSpacing(kLineSpacing);
    switchBlock->addWidget(switchLabel_);
    auto* switchRow = new QHBoxLayout;
    switchRow->setSpacing(kSwitchSpacing);
    switchRow->addWidget(openBtn_);
    switchRow->addWidget(closeBtn_);
    switchRow->addStretch(1);
    switchBlock->addLayout(switchRow);
    page->addLayout(switchBlock);

    auto addContrast = [&](QLabel* label) {
        auto* block = new QVBoxLayout;
        block->setSpacing(kLineSpacing);
        block->addWidget(label);
        auto* row = new QHBoxLayout;
        QCombineImageParamWidget* control = ImagePageSupport::makeValueControl(this, row, 0, kMaxContrast, 0);
        block->addLayout(row);
        page->addLayout(block);
        return control;
    };
    local_ = addContrast(localLabel_);
    global_ = addContrast(globalLabel_);
    page->addStretch(1);
    retranslateTexts();
}

void QWideDynamicWidget::initConnect()
{
    connect(openBtn_, &QRadioButton::clicked, this, &W::setWideDynamicOpenSlot);
    connect(closeBtn_, &QRadioButton::clicked, this, &W::setWideDynamicOpenSlot);
    connect(local_, &QCombineImageParamWidget::sendValueChangedSignal, this, &W::setLocalContrastSignal);
    connect(global_, &QCombineImageParamWidget::sendValueChangedSignal, this, &W::setGlobalContrastSignal);
}

void QWideDynamicWidget::retranslateTexts()
{
    switchLabel_->setText(tr("Switch"));
    openBtn_->setText(tr("Open"));
    closeBtn_->setText(tr("Close"));
    localLabel_->setText(tr("Local Contrast"));
    globalLabel_->setText(tr("Global Contrast"));
}

void QWideDynamicWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

bool QWideDynamicWidget::areContrastsShown() const
{
    return !local_->isHidden();
}

void QWideDynamicWidget::showContrasts(bool shown)
{
    for (QWidget* w : {static_cast<QWidget*>(localLabel_), static_cast<QWidget*>(local_),
                       static_cast<QWidget*>(globalLabel_), static_cast<QWidget*>(global_)})
        w->setVisible(shown);
}

void QWideDynamicWidget::setWideDynamicOpenSlot()
{
    const bool on = openBtn_->isChecked();
    showContrasts(on);
    emit setWideDynamicSignal(on ? 1 : 0, false);
}

void QWideDynamicWidget::setBasicWideDynamicSlot(bool bRet, int nValue)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get wide-dynamic"), tr("Error Code"));
        return;
    }
    const bool on = nValue == 1;
    openBtn_->setChecked(on);
    closeBtn_->setChecked(!on);
    showContrasts(on);
}

void QWideDynamicWidget::setBasicLocalContrastSlot(bool bRet, int nValue)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get local contrast"), tr("Error Code"));
        return;
    }
    local_->setValue(nValue);
}

void QWideDynamicWidget::setBasicGlobalContrastSlot(bool bRet, int nValue)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr("Failed to get global contrast"), tr("Error Code"));
        return;
    }
    global_->setValue(nValue);
}

void QWideDynamicWidget::refreshDeviceSupport()
{
    const bool usable = ImagePageSupport::isCameraUsable();
    for (QWidget* w : {static_cast<QWidget*>(openBtn_), static_cast<QWidget*>(closeBtn_),
                       static_cast<QWidget*>(local_), static_cast<QWidget*>(global_)})
        w->setEnabled(usable);
}

void QWideDynamicWidget::restoreDefault()
{
    openBtn_->setChecked(true);
    closeBtn_->setChecked(false);
    emit setWideDynamicSignal(1, true);
    showContrasts(true);
    local_->setValue(kDefaultContrast);
    emit setLocalContrastSignal(kDefaultContrast);
    global_->setValue(kDefaultContrast);
    emit setGlobalContrastSignal(kDefaultContrast);
}
