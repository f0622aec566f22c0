// The live page: palettes, freeze, the spot switches, zoom and the
// histogram.

#include "QVideoPreviewModuleWidget.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

#include "camsdk.h"
#include "CSlider.h"
#include "LivePageShared.h"
#include "QCustomLineEdit.h"
#include "QImageInfoModule.h"
#include "QPreviewModuleWidget.h"
#include "QTemperScaleWidget.h"
#include "QVideoHistogram.h"
#include "QVideoPlay.h"
#include "QVideoSceneViewCtrl.h"
#include "ThermalImageData.h"

using livepage::sdk;
using livepage::prompts;
using livepage::paletteButtonStyle;

// ---- Palettes ----------------------------------------------------------------

const std::array<QVideoPreviewModuleWidget::Palette, 20>& QVideoPreviewModuleWidget::palettes()
{
    static const std::array<Palette, 20> table = {{
        {0, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "White Hot"), 0},
        {1, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Black Hot"), 1},
        {2, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Fusion"), 2},
        {3, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Rainbow"), 3},
        {4, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Golden-fall"), 4},
        {5, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Fifth-day"), 5},
        {6, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Iron Red"), 6},
        {7, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Amber"), 7},
        {8, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Jade"), 8},
        {9, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Sunset"), 9},
        {10, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Ice fire"), 10},
        {11, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Oil-Paint"), 11},
        {12, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Pomegranate"), 12},
        {13, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Emerald"), 13},
        // The colour bars skip 14 and 19, which are no palettes.
        {14, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Spring"), 15},
        {15, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Summer"), 16},
        {16, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Autumn"), 17},
        {17, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Winter"), 18},
        {18, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Thermal Detection"), 20},
        {19, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Aurora"), 21},
    }};
    return table;
}

const std::array<QVideoPreviewModuleWidget::PaletteButton, 18>& QVideoPreviewModuleWidget::oldPaletteButtons()
{
    using P = QVideoPreviewModuleWidget;
    static const std::array<PaletteButton, 18> table = {{
        {"WhiteHotBtn", 0, &P::setWhiteHotBtnSlots},
        {"BlackHotBtn", 1, &P::setBlackHotBtnSlots},
        {"FusionBtn", 2, &P::setFusionBtnSlots},
        {"RainbowBtn", 3, &P::setRainbowBtnSlots},
        {"GoldenfallBtn", 4, &P::setGoldenfallBtnSlots},
        {"FifthdayBtn", 5, &P::setFifthdayBtnSlots},
        {"IronRedBtn", 6, &P::setIronRedBtnSlots},
        {"AmberBtn", 7, &P::setAmberBtnSlots},
        {"JadeBtn", 8, &P::setJadeBtnSlots},
        {"SunsetBtn", 9, &P::setSunsetBtnSlots},
        {"IcefireBtn", 10, &P::setIcefireBtnSlots},
        {"OilPaintBtn", 11, &P::setOilPaintBtnSlots},
        {"PomegranateBtn", 12, &P::setPomegranateBtnSlots},
        {"EmeraldBtn", 13, &P::setEmeraldBtnSlots},
        {"SpringBtn", 14, &P::setSpringBtnSlots},
        {"SummerBtn", 15, &P::setSummerBtnSlots},
        {"AutumnBtn", 16, &P::setAutumnBtnSlots},
        {"WinterBtn", 17, &P::setWinterBtnSlots},
    }};
    return table;
}

const std::array<QVideoPreviewModuleWidget::PaletteButton, 10>& QVideoPreviewModuleWidget::newPaletteButtons()
{
    using P = QVideoPreviewModuleWidget;
    static const std::array<PaletteButton, 10> table = {{
        {"newWhiteHotBtn", 0, &P::setNewWhiteHotBtnSlot},
        {"newBlackHotBtn", 1, &P::setNewBlackHotBtnSlot},
        {"newRainbowBtn", 3, &P::setNewRainbowBtnSlot},
        {"newGoldenfallBtn", 4, &P::setNewGoldenfallBtnSlot},
        {"newIronRedBtn", 6, &P::setNewIronRedBtnSlot},
        {"newAmberBtn", 7, &P::setNewAmberBtnSlot},
        {"newIcefireBtn", 10, &P::setNewIcefireBtnSlot},
        {"newOilPaintBtn", 11, &P::setNewOilPaintBtnSlot},
        {"newThermalDetectionBtn", 18, &P::setNewThermalDetectionBtnSlot},
        {"newAuroraBtn", 19, &P::setNewAuroraBtnSlot},
    }};
    return table;
}

int QVideoPreviewModuleWidget::colorBarIndexOf(int palette)
{
    if (palette < 0 || palette >= int(palettes().size())) return -1;
    return palettes()[size_t(palette)].colorBarIndex;
}

#define CALIDRA_PALETTE_SLOT(slot, index)  \
    void QVideoPreviewModuleWidget::slot() \
    {                                      \
        requestPalette(index);             \
    }
CALIDRA_PALETTE_SLOT(setWhiteHotBtnSlots, 0)
CALIDRA_PALETTE_SLOT(setBlackHotBtnSlots, 1)
CALIDRA_PALETTE_SLOT(setFusionBtnSlots, 2)
CALIDRA_PALETTE_SLOT(setRainbowBtnSlots, 3)
CALIDRA_PALETTE_SLOT(setGoldenfallBtnSlots, 4)
CALIDRA_PALETTE_SLOT(setFifthdayBtnSlots, 5)
CALIDRA_PALETTE_SLOT(setIronRedBtnSlots, 6)
CALIDRA_PALETTE_SLOT(setAmberBtnSlots, 7)
CALIDRA_PALETTE_SLOT(setJadeBtnSlots, 8)
CALIDRA_PALETTE_SLOT(setSunsetBtnSlots, 9)
CALIDRA_PALETTE_SLOT(setIcefireBtnSlots, 10)
CALIDRA_PALETTE_SLOT(setOilPaintBtnSlots, 11)
CALIDRA_PALETTE_SLOT(setPomegranateBtnSlots, 12)
CALIDRA_PALETTE_SLOT(setEmeraldBtnSlots, 13)
CALIDRA_PALETTE_SLOT(setSpringBtnSlots, 14)
CALIDRA_PALETTE_SLOT(setSummerBtnSlots, 15)
CALIDRA_PALETTE_SLOT(setAutumnBtnSlots, 16)
CALIDRA_PALETTE_SLOT(setWinterBtnSlots, 17)
CALIDRA_PALETTE_SLOT(setNewWhiteHotBtnSlot, 0)
CALIDRA_PALETTE_SLOT(setNewBlackHotBtnSlot, 1)
CALIDRA_PALETTE_SLOT(setNewRainbowBtnSlot, 3)
CALIDRA_PALETTE_SLOT(setNewGoldenfallBtnSlot, 4)
CALIDRA_PALETTE_SLOT(setNewIronRedBtnSlot, 6)
CALIDRA_PALETTE_SLOT(setNewAmberBtnSlot, 7)
CALIDRA_PALETTE_SLOT(setNewIcefireBtnSlot, 10)
CALIDRA_PALETTE_SLOT(setNewOilPaintBtnSlot, 11)
CALIDRA_PALETTE_SLOT(setNewThermalDetectionBtnSlot, 18)
CALIDRA_PALETTE_SLOT(setNewAuroraBtnSlot, 19)
#undef CALIDRA_PALETTE_SLOT

void QVideoPreviewModuleWidget::setUpdateFalseColCurIndexSlots(int nIndex)
{
    emit sendSetColorrizationSignal(nIndex);
}

void QVideoPreviewModuleWidget::setShowHistogramSlot()
{
    if (!histogram_) return;
    histogram_->show();
    histogram_->raise();
}

// ---- Palettes -------------------------------------------------------------------------

void QVideoPreviewModuleWidget::requestPalette(int index)
{
    if (!canCapture()) return;
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    emit sendSetColorrizationSignal(index);
}

void QVideoPreviewModuleWidget::showColorBar()
{
    // The picture depends only on the colour-bar index.
    if (colorBarIndex_ == shownColorBarIndex_) return;
    shownColorBarIndex_ = colorBarIndex_;
    const uint8_t* bmp = nullptr;
    int length = 0;
    if (ThermalImageData::getInstance().getPaletteBmp(colorBarIndex_, 0, 255, 0, 255, 0, &bmp, &length) == 0)
        temperScale_->setPicFromData(bmp, length);
}

void QVideoPreviewModuleWidget::updatePaletteSelection(int index)
{
    colorBarIndex_ = colorBarIndexOf(index);
    paletteIndex_ = index;
    videoPlay_->setColorType(index);
    showColorBar();
    const bool newSet = USBSDK_GetDeviceSupportNewColor() != 0;
    const auto restyle = [index](const auto& table, const QVector<QPushButton*>& buttons) {
        for (int i = 0; i < buttons.size(); ++i)
            buttons[i]->setStyleSheet(paletteButtonStyle(table[size_t(i)].palette == index));
    };
    if (newSet) {
        restyle(newPaletteButtons(), newPaletteBtns_);
    } else {
        restyle(oldPaletteButtons(), oldPaletteBtns_);
    }
}

void QVideoPreviewModuleWidget::setPaletteButtonsEnabled(bool bEnable)
{
    // Both panels: whichever the camera shows, the isotherm owns the colouring.
    for (QPushButton* button : oldPaletteBtns_) button->setEnabled(bEnable);
    for (QPushButton* button : newPaletteBtns_) button->setEnabled(bEnable);
}

void QVideoPreviewModuleWidget::setColorrizationRetSlot(bool bRet, int nColor)
{
    if (!bRet) {
        prompts().notice(this, tr("Colorization Set Fail."));
        return;
    }
    updatePaletteSelection(nColor);
    imageInfoModule_->setFalseColCurIndex(nColor);
}

void QVideoPreviewModuleWidget::getCurrentColorRet(bool bRet, int nColor)
{
    if (!bRet) {
        prompts().notice(this, tr("Get Color Fail."));
        return;
    }
    const bool newSet = USBSDK_GetDeviceSupportNewColor() != 0;
    videoCtrlWidget_->hide();
    newColorWidget_->hide();
    (newSet ? newColorWidget_ : videoCtrlWidget_)->show();
    imageInfoModule_->updateFalseColorList();
    updatePaletteSelection(nColor);
    imageInfoModule_->setFalseColCurIndex(nColor);
}

void QVideoPreviewModuleWidget::setColorizationChangeSlot(bool bIsothermOn, int nColor)
{
    updatePaletteSelection(nColor);
    imageInfoModule_->setFalseColCurIndex(nColor);
    imageInfoModule_->setFalseColEnabled(!bIsothermOn);
    setPaletteButtonsEnabled(!bIsothermOn);
}

void QVideoPreviewModuleWidget::setRestoreUpdateFalseColSlots()
{
    updatePaletteSelection(0);
    imageInfoModule_->setFalseColCurIndex(0);
}

void QVideoPreviewModuleWidget::SetYDataSlot(uint unLow, uint unHigh)
{
    // The range is kept; the colour bar always spans 0..255.
    yLow_ = unLow;
    yHigh_ = unHigh;
    showColorBar();
}

void QVideoPreviewModuleWidget::getIsothermStatusRetSlot(bool bRet, USBSDK_IsothermParams stParams)
{
    sidePanel_->getIsothermStatusRetSlot(bRet, stParams, paletteIndex_);
}

// ---- Freeze, spots, zoom -----------------------------------------------------------

void QVideoPreviewModuleWidget::setFreezeCheckSlots()
{
    if (!sdk().Connect()) {
        freezeCheckBox_->setChecked(false);
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    sdk().setFrozen(freezeCheckBox_->isChecked());
    // Rules are edited on the live picture only.
    sceneView_->setItemsEnabled(!freezeCheckBox_->isChecked());
}

void QVideoPreviewModuleWidget::setHotPointCheckSlots()
{
    if (!sdk().Connect()) {
        hotpointCheckBox_->setChecked(false);
        coldpointCheckBox_->setChecked(false);
        sceneView_->setHotColdVisible(false, false);
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    // The spots themselves are placed on each temperature refresh.
    sceneView_->setHotColdVisible(hotpointCheckBox_->isChecked(), coldpointCheckBox_->isChecked());
}

void QVideoPreviewModuleWidget::setScaleValueSlots()
{
    const int v = zoomSlider_->value();
    const bool enabled = zoomSlider_->isEnabled();
    minusBtn_->setEnabled(enabled && v > 0);
    plusBtn_->setEnabled(enabled && v < kMaxZoomStep);
    applyZoomStep(v);
    const QString text = QString::number(v);
    if (zoomEdit_->text() != text) zoomEdit_->setText(text);
}

void QVideoPreviewModuleWidget::applyZoomStep(int step)
{
    zoomOffset_ = videoPlay_->setZoomStep(step);
    // The rules and the spot marks stay over their places in the picture.
    sceneView_->setDigitalZoom(videoPlay_->getFrameSize(), step);
    if (hasLastSpot_ && (hotpointCheckBox_->isChecked() || coldpointCheckBox_->isChecked())) drawHotColdSpot(lastSpot_);
}

void QVideoPreviewModuleWidget::setScalePlusSlots()
{
    minusBtn_->setEnabled(true);
    const int v = zoomSlider_->value();
    if (v < kMaxZoomStep) {
        zoomSlider_->setValue(v + 1);
    } else {
        plusBtn_->setEnabled(false);
        zoomSlider_->setValue(v);
    }
}

void QVideoPreviewModuleWidget::setScaleMinusSlots()
{
    plusBtn_->setEnabled(true);
    const int v = zoomSlider_->value();
    if (v > 0) {
        zoomSlider_->setValue(v - 1);
    } else {
        minusBtn_->setEnabled(false);
        zoomSlider_->setValue(v);
    }
}

void QVideoPreviewModuleWidget::setScaleTextSlots()
{
    const int v = std::min(zoomEdit_->text().toInt(), int(kMaxZoomStep));
    if (v <= 0) minusBtn_->setEnabled(false);
    if (v >= kMaxZoomStep) plusBtn_->setEnabled(false);
    zoomSlider_->setValue(v);
}
