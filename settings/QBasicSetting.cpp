#include "QBasicSetting.h"

#include <functional>

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include "AppHelpers.h"
#include "ImagePageSupport.h"
#include "QCombineImageParamWidget.h"
#include "camsdk.h"

namespace {

using B = QBasicSetting;

// The label texts, in the order of the page's Text list.
const char* const kTextSources[] = {
    QT_TRANSLATE_NOOP("QBasicSetting", "PseudoColor"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Graphic style"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Brightness"),
    QT_TRANSLATE_NOOP("QBasicSetting", "ContrastRatio"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Sharpness"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Detail Enhancement"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Airspace Denoising"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Time Domain Noise Reduction"),
};

// One value control, in the order of the page's Value list and of the
// labels from "Brightness" on, the detail enhancement row skipped: its
// range maximum, its default, the request it sends.
struct ValueInfo {
    int maximum;
    int defaultValue;
    void (B::*request)(int);
};

const ValueInfo kValues[B::ValueCount] = {
    {100, 50, &B::setBrightnessSignal}, {100, 50, &B::setContrastSignal}, {120, 60, &B::setSharpnessSignal},
    {100, 50, &B::setNoise2DSignal},    {100, 50, &B::setNoise3DSignal},
};

// Palette names by the camera's palette number.
const char* const kPaletteNames[] = {
    QT_TRANSLATE_NOOP("QBasicSetting", "White Hot"),  QT_TRANSLATE_NOOP("QBasicSetting", "Black Hot"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Fusion"),     QT_TRANSLATE_NOOP("QBasicSetting", "Rainbow"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Golden-fall"), QT_TRANSLATE_NOOP("QBasicSetting", "Fifth-day"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Iron Red"),   QT_TRANSLATE_NOOP("QBasicSetting", "Amber"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Jade"),       QT_TRANSLATE_NOOP("QBasicSetting", "Sunset"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Ice fire"),   QT_TRANSLATE_NOOP("QBasicSetting", "Oil-Paint"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Pomegranate"), QT_TRANSLATE_NOOP("QBasicSetting", "Emerald"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Spring"),     QT_TRANSLATE_NOOP("QBasicSetting", "Summer"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Autumn"),     QT_TRANSLATE_NOOP("QBasicSetting", "Winter"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Thermal Detection"), QT_TRANSLATE_NOOP("QBasicSetting", "Aurora"),
};
constexpr int kPaletteNameCount = int(sizeof kPaletteNames / sizeof kPaletteNames[0]);
// The older cameras offer palettes 0..17, the newer these ten.
constexpr int kOlderPaletteCount = 18;
const int kNewerPalettes[] = {0, 1, 3, 4, 6, 7, 10, 11, 18, 19};

const char* const kStyleNames[] = {
    QT_TRANSLATE_NOOP("QBasicSetting", "General Mode"),
    QT_TRANSLATE_NOOP("QBasicSetting", "Original Mode"),
};

constexpr int kMargin = 16;
constexpr int kBlockSpacing = 12;
constexpr int kLineSpacing = 8;
constexpr int kComboHeight = 32;

bool supportsIsp()
{
    return USBSDK_GetDeviceSupportIsp() != 0;
}

bool supportsNewColor()
{
    return USBSDK_GetDeviceSupportNewColor() != 0;
}

QComboBox* makeCombo(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("ComboBox"));
    // The style sheet's item height takes effect with a list view only.
    combo->setView(new QListView(combo));
    combo->setFixedHeight(kComboHeight);
    return combo;
}

}  // namespace

QBasicSetting::QBasicSetting(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("QBasicSetting"));
    initUI();
    initConnect();
}

void QBasicSetting::initUI()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kBlockSpacing);
    auto addBlock = [&](QLabel* label, QWidget* control, QBoxLayout* row) {
        auto* block = new QVBoxLayout;
        block->setSpacing(kLineSpacing);
        block->addWidget(label);
        if (control) block->addWidget(control);
        if (row) block->addLayout(row);
        page->addLayout(block);
    };

    for (int t = 0; t < TextCount; ++t) labels_[t] = ImagePageSupport::makeLabel(this);
    styleLabel_ = labels_[StyleText];
    colorCombo_ = makeCombo(this);
    styleCombo_ = makeCombo(this);
    for (int s = 0; s < 2; ++s) styleCombo_->addItem(tr(kStyleNames[s]), s);
    fillPalettes(false);

    addBlock(labels_[PaletteText], colorCombo_, nullptr);
    addBlock(styleLabel_, styleCombo_, nullptr);
    int next = 0;
    for (int t = BrightnessText; t < TextCount; ++t) {
        auto* row = new QHBoxLayout;
        if (t != DetailText) {
            const ValueInfo& info = kValues[next];
            values_[next] = ImagePageSupport::makeValueControl(this, row, 0, info.maximum, 0);
            ++next;
        }
        addBlock(labels_[t], nullptr, row);
    }
    page->addStretch(1);

    // The detail enhancement row has no control; the style row waits for a
    // camera with image styles.
    labels_[DetailText]->hide();
    styleLabel_->hide();
    styleCombo_->hide();
    retranslateTexts();
}

void QBasicSetting::initConnect()
{
    for (int v = 0; v < ValueCount; ++v)
        connect(values_[v], &QCombineImageParamWidget::sendValueChangedSignal, this, kValues[v].request);
    connect(colorCombo_, QOverload<int>::of(&QComboBox::activated), this, &B::onColorComboxSelectSlots);
    connect(styleCombo_, QOverload<int>::of(&QComboBox::activated), this, &B::onIspModeComboxSelectSlot);
}

void QBasicSetting::retranslateTexts()
{
    for (int t = 0; t < TextCount; ++t) labels_[t]->setText(tr(kTextSources[t]));
    // Each palette item is renamed by its palette number, whichever list it
    // belongs to.
    for (int i = 0; i < colorCombo_->count(); ++i) {
        const int number = colorCombo_->itemData(i).toInt();
        if (number >= 0 && number < kPaletteNameCount) colorCombo_->setItemText(i, tr(kPaletteNames[number]));
    }
    for (int s = 0; s < styleCombo_->count(); ++s) styleCombo_->setItemText(s, tr(kStyleNames[s]));
}

void QBasicSetting::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QBasicSetting::fillPalettes(bool newer)
{
    colorCombo_->clear();
    if (newer) {
        for (int number : kNewerPalettes) colorCombo_->addItem(tr(kPaletteNames[number]), number);
        return;
    }
    for (int number = 0; number < kOlderPaletteCount; ++number)
        colorCombo_->addItem(tr(kPaletteNames[number]), number);
}

void QBasicSetting::refreshDeviceSupport()
{
    const bool isp = supportsIsp();
    styleLabel_->setVisible(isp);
    styleCombo_->setVisible(supportsIsp());
    const bool usable = ImagePageSupport::isCameraUsable();
    for (QCombineImageParamWidget* control : values_) control->setEnabled(usable);
    colorCombo_->setEnabled(usable && !paletteLocked_);
    styleCombo_->setEnabled(usable);
}

void QBasicSetting::restoreDefault()
{
    // The live view selects the palette once the camera took it.
    emit sendFalseColIndexSignals(0);
    if (supportsIsp()) {
        styleCombo_->setCurrentIndex(0);
        // Its answer is part of the restore's one result, not a toast of
        // its own.
        ++restoreIspAnswers_;
        emit sendSetIspModeSignal(0);
    }
    for (int v = 0; v < ValueCount; ++v) {
        const ValueInfo& info = kValues[v];
        values_[v]->setValue(info.defaultValue);
        emit std::invoke(info.request, this, info.defaultValue);
    }
}

void QBasicSetting::setFalseColEnabled(bool bEnable)
{
    colorCombo_->setEnabled(bEnable);
    paletteLocked_ = !bEnable;
}

void QBasicSetting::setFalseColCurIndex(int nValue)
{
    SetComboBoxCurrentByData(colorCombo_, nValue);
}

void QBasicSetting::updateFalseColorList()
{
    fillPalettes(supportsNewColor());
}

void QBasicSetting::showReadBack(Value v, bool bRet, int nValue, const char* failure)
{
    if (!bRet) {
        ImagePageSupport::reportFailure(this, tr(failure), tr("Error Code"));
        return;
    }
    values_[v]->setValue(nValue);
}

void QBasicSetting::setBasicBrightnessSlot(bool bRet, int nValue)
{
    showReadBack(BrightnessValue, bRet, nValue, QT_TR_NOOP("Failed to get brightness"));
}

void QBasicSetting::setBasicContrastSlot(bool bRet, int nValue)
{
    showReadBack(ContrastValue, bRet, nValue, QT_TR_NOOP("Failed to get contrast"));
}

void QBasicSetting::setBasicSharpnessSlot(bool bRet, int nValue)
{
    showReadBack(SharpnessValue, bRet, nValue, QT_TR_NOOP("Failed to get sharpness"));
}

void QBasicSetting::setBasicLCESlot(bool bRet, int)
{
    if (!bRet) ImagePageSupport::reportFailure(this, tr("Failed to get LCE"), tr("Error Code"));
}

void QBasicSetting::setEnhanceNoise2DSlot(bool bRet, int nValue)
{
    showReadBack(Noise2DValue, bRet, nValue, QT_TR_NOOP("Failed to get Noise2D"));
}

void QBasicSetting::setEnhanceNoise3DSlot(bool bRet, int nValue)
{
    showReadBack(Noise3DValue, bRet, nValue, QT_TR_NOOP("Failed to get Noise3D"));
}

void QBasicSetting::onColorComboxSelectSlots()
{
    emit sendFalseColIndexSignals(colorCombo_->currentData().toInt());
}

void QBasicSetting::onIspModeComboxSelectSlot(int index)
{
    emit sendSetIspModeSignal(index);
}

void QBasicSetting::getIspModeRetSlot(bool bRet, int nMode)
{
    if (!bRet) {
        ImagePageSupport::notice(this, tr("Failed to get Isp Mode"));
        return;
    }
    styleCombo_->setCurrentIndex(nMode);
}

void QBasicSetting::setIspModeRetSlot(bool bRet)
{
    if (restoreIspAnswers_ > 0) {
        --restoreIspAnswers_;
        return;
    }
    if (bRet) {
        ImagePageSupport::toast(tr("Operate succeed"), true);
        return;
    }
    ImagePageSupport::notice(this, tr("Failed to set Isp Mode"));
}
