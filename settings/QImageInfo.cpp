#include "QImageInfo.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "DeviceSdkWrapper.h"
#include "ImagePageSupport.h"
#include "QBasicSetting.h"
#include "QFFCSetting.h"
#include "QGainSetting.h"
#include "QIconTextRBtn.h"
#include "QImageInfoExec.h"
#include "QImageModeWidget.h"
#include "QLoadingMsgDlg.h"
#include "QWideDynamicWidget.h"
#include "UiPrompts.h"
#include "camsdk.h"

namespace {

using I = QImageInfo;

const char* const kHeaderTexts[I::SectionCount] = {
    QT_TRANSLATE_NOOP("QImageInfo", "BasicSetting"), QT_TRANSLATE_NOOP("QImageInfo", "Wide dynamic"),
    QT_TRANSLATE_NOOP("QImageInfo", "GainSetting"),  QT_TRANSLATE_NOOP("QImageInfo", "FFCSetting"),
    QT_TRANSLATE_NOOP("QImageInfo", "Image mode"),
};

void (I::*const kSectionSlots[I::SectionCount])() = {
    &I::setBasicSettingsShowSlots, &I::setWideDynamicShowSlots, &I::setGainSettingsShowSlots,
    &I::setFFCSettingsShowSlots,   &I::setImageModeSetShowSlots,
};

constexpr int kButtonHeight = 32;

UiPrompts& prompts()
{
    return UiPrompts::instance();
}

}  // namespace

QImageInfo::QImageInfo(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("QImageInfo"));
    initUI();
    worker_ = new QImageInfoExec;
    worker_->moveToThread(&thread_);
    thread_.start(QThread::InheritPriority);
    initConnect();
}

QImageInfo::~QImageInfo()
{
    thread_.quit();
    thread_.wait();
}

void QImageInfo::initUI()
{
    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(6);
    outer->setContentsMargins(0, 0, 0, 6);
    sectionsLayout_ = new QVBoxLayout;
    sectionsLayout_->setSpacing(1);
    sectionsLayout_->setAlignment(Qt::AlignTop);
    outer->addLayout(sectionsLayout_);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->setContentsMargins(16, 0, 16, 0);
    outer->addLayout(buttons);

    basic_ = new QBasicSetting(this);
    wideDynamic_ = new QWideDynamicWidget(this);
    gain_ = new QGainSetting(this);
    ffc_ = new QFFCSetting(this);
    imageMode_ = new QImageModeWidget(this);
    QWidget* const pages[SectionCount] = {basic_, wideDynamic_, gain_, ffc_, imageMode_};
    for (int s = 0; s < SectionCount; ++s) {
        QIconTextRBtn* header = FoldSections::makeHeader(this);
        QWidget* page = pages[s];
        page->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        sectionsLayout_->addWidget(header, 0, Qt::AlignTop);
        sectionsLayout_->addWidget(page, 0, Qt::AlignTop);
        folds_.add(header, page);
        page->hide();
    }
    // The basic section starts open.
    folds_.setOpen(BasicSection, true);

    restoreBtn_ = new QPushButton(this);
    restoreBtn_->setObjectName(QStringLiteral("IconTextHBtn"));
    restoreBtn_->setFixedHeight(kButtonHeight);
    saveBtn_ = new QPushButton(this);
    saveBtn_->setObjectName(QStringLiteral("BtnStyle1"));
    saveBtn_->setFixedHeight(kButtonHeight);
    buttons->addWidget(restoreBtn_);
    buttons->addWidget(saveBtn_);

    wait_ = new QLoadingMsgDlg(this);
    wait_->hide();
    retranslateTexts();
}

void QImageInfo::initConnect()
{
    for (int s = 0; s < SectionCount; ++s) connect(folds_.header(s), &QIconTextRBtn::clicked, this, kSectionSlots[s]);
    connect(restoreBtn_, &QPushButton::clicked, this, &I::setRestoreBtnSlots);
    connect(saveBtn_, &QPushButton::clicked, this, &I::setSaveBtnSlots);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(basic_, &QBasicSetting::sendFalseColIndexSignals, this, &I::sendFalseColIndexSignals);
    connectWorker();
}

void QImageInfo::connectWorker()
{
    using E = QImageInfoExec;
    using B = QBasicSetting;
    using W = QWideDynamicWidget;
    using G = QGainSetting;
    using F = QFFCSetting;
    QImageInfoExec* w = worker_;

    connect(this, &I::getImageParamSignal, w, &E::refreshDeviceParamSlot);
    connect(w, &E::sendgetImageParamRetSignal, this, &I::getImageParamRetSlot);
    connect(this, &I::sendSaveImageParamSignal, w, &E::setSaveImageParamSlot);
    connect(w, &E::sendSaveImageParamRetSignal, this, &I::setSaveImageParamRetSlot);
    connect(this, &I::sendBeginRestoreSignal, w, &E::beginRestoreSlot);
    connect(this, &I::sendEndRestoreSignal, w, &E::endRestoreSlot);
    connect(w, &E::sendRestoreDefaultRetSignal, this, &I::setRestoreDefaultRetSlot);

    // Read-backs to the pages.
    connect(w, &E::setBasicBrightnessSignal, basic_, &B::setBasicBrightnessSlot);
    connect(w, &E::setBasicContrastSignal, basic_, &B::setBasicContrastSlot);
    connect(w, &E::setBasicSharpnessSignal, basic_, &B::setBasicSharpnessSlot);
    connect(w, &E::setEnhanceNoise2DSignal, basic_, &B::setEnhanceNoise2DSlot);
    connect(w, &E::setEnhanceNoise3DSignal, basic_, &B::setEnhanceNoise3DSlot);
    connect(w, &E::sendGetIspModeRetSignal, basic_, &B::getIspModeRetSlot);
    connect(w, &E::sendSetIspModeRetSignal, basic_, &B::setIspModeRetSlot);
    connect(w, &E::setGainAutoSignal, gain_, &G::setGainAutoSlot);
    connect(w, &E::setFFCModeSignal, ffc_, &F::setFFCModeSlot);
    connect(w, &E::setFFCTimeSignal, ffc_, &F::setFFCTimeSlot);
    connect(w, &E::sendFFCRetSignal, ffc_, &F::setShutterCorrectRetSlot);
    connect(w, &E::sendBackgroundFFCRetSignal, ffc_, &F::setBackgroundFFCRetSlot);
    connect(w, &E::setBasicWideDynamicSignal, wideDynamic_, &W::setBasicWideDynamicSlot);
    connect(w, &E::setBasicLocalContrastSignal, wideDynamic_, &W::setBasicLocalContrastSlot);
    connect(w, &E::setBasicGlobalContrastSignal, wideDynamic_, &W::setBasicGlobalContrastSlot);
    connect(w, &E::sendPseudoIsothermRetSignal, imageMode_, &QImageModeWidget::setPseudoIsothermModeRetSlot);

    // The pages' requests to the worker.
    connect(basic_, &B::setBrightnessSignal, w, &E::setBrightnessSlot);
    connect(basic_, &B::setContrastSignal, w, &E::setContrastSlot);
    connect(basic_, &B::setSharpnessSignal, w, &E::setSharpnessSlot);
    connect(basic_, &B::setLCESignal, w, &E::setLCESlot);
    connect(basic_, &B::setNoise2DSignal, w, &E::setNoise2DSlot);
    connect(basic_, &B::setNoise3DSignal, w, &E::setNoise3DSlot);
    connect(basic_, &B::sendSetIspModeSignal, w, &E::setIspModeSlot);
    connect(gain_, &G::setGainAutoSignal, w, &E::setGainAutoSlot);
    connect(gain_, &G::setGainModeSignal, w, &E::setGainModeSlot);
    connect(ffc_, &F::setFFCModeSignal, w, &E::setFFCModeSlot);
    connect(ffc_, &F::setFFCTimeSignal, w, &E::setFFCTimeSlot);
    connect(ffc_, &F::sendShutterCorrectSignal, w, &E::setFFCSlot);
    connect(ffc_, &F::sendBackgroundFFCSignal, w, &E::setBackgroundFFCSlot);
    connect(imageMode_, &QImageModeWidget::sendPseudoIsothermSignal, w, &E::setPseudoIsothermSlot);
    connect(wideDynamic_, &W::setWideDynamicSignal, w, &E::setWideDynamicSlot);
    connect(wideDynamic_, &W::setLocalContrastSignal, w, &E::setLocalContrastSlot);
    connect(wideDynamic_, &W::setGlobalContrastSignal, w, &E::setGlobalContrastSlot);
}

void QImageInfo::retranslateTexts()
{
    setWindowTitle(tr("QImageInfo"));
    for (int s = 0; s < SectionCount; ++s) folds_.header(s)->setText(tr(kHeaderTexts[s]));
    restoreBtn_->setText(tr("RestoreDefault"));
    saveBtn_->setText(tr("Save"));
}

void QImageInfo::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QImageInfo::setBasicSettingsShowSlots()
{
    folds_.toggle(BasicSection);
}

void QImageInfo::setWideDynamicShowSlots()
{
    folds_.toggle(WideDynamicSection);
}

void QImageInfo::setGainSettingsShowSlots()
{
    folds_.toggle(GainSection);
}

void QImageInfo::setFFCSettingsShowSlots()
{
    folds_.toggle(FFCSection);
}

void QImageInfo::setImageModeSetShowSlots()
{
    folds_.toggle(ImageModeSection);
}

void QImageInfo::refreshImageParam()
{
    basic_->refreshDeviceSupport();
    gain_->refreshDeviceSupport();
    ffc_->refreshDeviceSupport();
    wideDynamic_->refreshDeviceSupport();

    const bool imageMode = USBSDK_GetDeviceSupportIsothermMode() != 0;
    folds_.header(ImageModeSection)->setVisible(imageMode);
    if (!imageMode && !imageMode_->isHidden()) setBasicSettingsShowSlots();

    if (!ImagePageSupport::isCameraUsable()) return;
    emit getImageParamSignal();
    prompts().waitStatus(wait_, true);
}

void QImageInfo::getImageParamRetSlot()
{
    prompts().waitStatus(wait_, false);
}

bool QImageInfo::checkCameraUsable()
{
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    if (!sdk.Connect()) {
        prompts().notice(this, tr("Device is not connect."));
        return false;
    }
    if (sdk.isSleeping()) {
        prompts().notice(this, tr("Device is sleeping"));
        return false;
    }
    return true;
}

void QImageInfo::setSaveBtnSlots()
{
    if (!checkCameraUsable()) return;
    if (!ffc_->isFFCTimeValid()) {
        prompts().notice(this, USBSDK_GetRefrigerationDeviceType() != 0 ? tr("FFC time should be greater than 10min.")
                                                                          : tr("FFC time should be greater than 10."));
        return;
    }
    if (!prompts().question(this, tr("Save"), tr("Save the config?"))) return;
    emit sendSaveImageParamSignal();
    prompts().waitStatus(wait_, true);
}

void QImageInfo::setSaveImageParamRetSlot(bool bRet)
{
    prompts().waitStatus(wait_, false);
    ImagePageSupport::toast(bRet ? tr("Save succeed") : tr("Save failed"), bRet);
}

void QImageInfo::setRestoreBtnSlots()
{
    if (!checkCameraUsable()) return;
    // The worker counts the refused writes between the two markers and
    // reports them to setRestoreDefaultRetSlot.
    emit sendBeginRestoreSignal();
    basic_->restoreDefault();
    gain_->restoreDefault();
    ffc_->restoreDefault();
    wideDynamic_->restoreDefault();
    emit sendEndRestoreSignal();
}

void QImageInfo::setRestoreDefaultRetSlot(bool bRet, int)
{
    ImagePageSupport::toast(bRet ? tr("Operate succeed") : tr("Operate failed"), bRet);
}

void QImageInfo::setFalseColEnabled(bool bEnable)
{
    basic_->setFalseColEnabled(bEnable);
}

void QImageInfo::setFalseColCurIndex(int nIndex)
{
    basic_->setFalseColCurIndex(nIndex);
}

void QImageInfo::updateFalseColorList()
{
    basic_->updateFalseColorList();
}
