// The live page: the live rule set and its temperatures, the hot and cold
// spots, the common parameters and the calibration boxes.

#include "QVideoPreviewModuleWidget.h"

#include <QCheckBox>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

#include "camsdk.h"
#include "AppHelpers.h"
#include "CSlider.h"
#include "LivePageShared.h"
#include "LiveRuleSet.h"
#include "QPreviewModuleWidget.h"
#include "QUnitLabel.h"
#include "QVideoPlay.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoTemperShow.h"
#include "RuleRecordBuilder.h"
#include "RuleTemperResult.h"
#include "TemperValueText.h"
#include "ThermalImageData.h"
#include "VideoPointExItem.h"

using livepage::sdk;
using livepage::prompts;

namespace {

// Spots come in the rule space, 0..8191 over the whole frame.
constexpr int kRuleSpaceMax = RuleRecordBuilder::kRuleSpace - 1;

}  // namespace

// ---- Live rules and temperatures ------------------------------------------------------

void QVideoPreviewModuleWidget::setRuleClearBtnSlots()
{
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    sceneView_->clearRules();
    sceneView_->emitItemSelected(0);
}

void QVideoPreviewModuleWidget::setRuleDrawCompleteSlots(bool bOk)
{
    if (!bOk) prompts().notice(this, tr("The drawing area is too small"));
}

void QVideoPreviewModuleWidget::setAddItemSlots(quint32 key)
{
    if (key != 0) setUpdateRuleInfoSlots();
}

void QVideoPreviewModuleWidget::setRuleDeletedSlot(quint32 key)
{
    Q_UNUSED(key);
    // The remaining rules are renumbered: the camera must hear the new set,
    // also when it is empty. A clear deletes many; one upload follows.
    if (ruleUploadPending_) return;
    ruleUploadPending_ = true;
    QTimer::singleShot(0, this, [this] {
        ruleUploadPending_ = false;
        setUpdateRuleInfoSlots();
    });
}

void QVideoPreviewModuleWidget::setItemChangeSlots(const ItemInfo& info)
{
    if (info.key == 0 || info.points.isEmpty()) return;
    const std::optional<PicRuleConfig> found = ThermalImageData::getInstance().findDevRuleById(info.key);
    if (!found) return;
    const QSize view = sceneView_->size();
    if (view.width() < 1 || view.height() < 1) return;
    PicRuleConfig rule = *found;
    // The record keeps its point count; the camera hears of the move when
    // the mouse is released. The overlay knows which part of the frame its
    // pixels show.
    const int n = std::min(info.points.size(), int(std::size(rule.points)));
    for (int i = 0; i < n; ++i) {
        const QPoint p = sceneView_->toRuleSpace(info.points[i]);
        rule.points[i] = {p.x(), p.y()};
    }
    ThermalImageData::getInstance().updateDevRule(info.key, rule);
}

void QVideoPreviewModuleWidget::setUpdateRuleInfoSlots()
{
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    if (!list) return;
    // An empty set is sent too: it clears the rules the camera measures.
    emit sendSetThermalRulesSignal(LiveRuleSet::fromLiveSet(*list));
}

void QVideoPreviewModuleWidget::setUpdateTemperSlots()
{
    updateHotColdSpot();
    if (sdk().isFrozen()) return;
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    if (!list) return;
    for (int i = 0; i < list->size(); ++i) {
        const PicRuleRecord& record = list->records[i];
        USBSDK_ThermalRuleResult result;
        std::memset(&result, 0, sizeof result);
        const bool ok = USBSDK_GetThermalRules(record.rule.ruleId, &result) != 0;
        RuleTemperResult shown;
        shown.title = sceneView_->getItemTitle(record.key);
        shown.key = record.key;
        shown.avg = result.avgTemp;
        shown.showAvg = true;
        if (record.rule.meterType != PicRuleRecord::kTypePoint) {
            shown.max = result.maxTemp;
            shown.min = result.minTemp;
            shown.showMax = shown.showMin = true;
        }
        showRuleResult(shown, ok);
    }
}

void QVideoPreviewModuleWidget::showRuleResult(const RuleTemperResult& result, bool ok)
{
    if (ok) {
        sidePanel_->showRuleResult(result);
        temperShow_->showResult(result);
    } else {
        sidePanel_->showRuleResultUnavailable(result);
        temperShow_->showResultUnavailable(result);
    }
}

void QVideoPreviewModuleWidget::updateHotColdSpot()
{
    USBSDK_HotColdPoint spot;
    std::memset(&spot, 0, sizeof spot);
    RuleTemperResult whole;
    whole.title = QStringLiteral("G");
    whole.showMin = whole.showAvg = whole.showMax = true;
    if (!USBSDK_GetThermalHotColdPoint(&spot)) {
        sceneView_->resetHotColdText();
        showRuleResult(whole, false);
        const QString na = tr("N/A");
        maxLabel_->setValueAndUnit(na, QString());
        minLabel_->setValueAndUnit(na, QString());
        return;
    }
    // The frozen picture keeps the spots it was frozen with.
    if (sdk().isFrozen() && hasLastSpot_) {
        spot = lastSpot_;
    } else {
        lastSpot_ = spot;
        hasLastSpot_ = true;
    }
    // The mean of the frame the spots were found in, not the midpoint of the
    // hottest and coldest pixel.
    whole.avg = spot.avgTemp;
    whole.max = spot.hotTemp;
    whole.min = spot.coldTemp;
    showRuleResult(whole, true);
    const int unit = GetTemperUnit();
    maxLabel_->setValueAndUnit(TemperValueNumber(spot.hotTemp, unit), TemperUnitSymbol(unit));
    minLabel_->setValueAndUnit(TemperValueNumber(spot.coldTemp, unit), TemperUnitSymbol(unit));
    if (hotpointCheckBox_->isChecked() || coldpointCheckBox_->isChecked()) drawHotColdSpot(spot);
}

QPoint QVideoPreviewModuleWidget::spotToView(int x, int y) const
{
    const QSize frame = videoPlay_->getFrameSize();
    // Rule space to the drawn picture, which is four times the frame.
    qint64 px = qint64(x) * 4 * frame.width() / kRuleSpaceMax;
    qint64 py = qint64(y) * 4 * frame.height() / kRuleSpaceMax;
    qint64 visibleW = qint64(4) * frame.width();
    qint64 visibleH = qint64(4) * frame.height();
    if (zoomSlider_->value() != 0) {
        px -= zoomOffset_.x();
        py -= zoomOffset_.y();
        visibleW -= 2 * zoomOffset_.x();
        visibleH -= 2 * zoomOffset_.y();
    }
    if (visibleW < 1 || visibleH < 1) return QPoint();
    return QPoint(int(px * sceneView_->width() / visibleW), int(py * sceneView_->height() / visibleH));
}

void QVideoPreviewModuleWidget::drawHotColdSpot(const USBSDK_HotColdPoint& spot)
{
    const int unit = GetTemperUnit();
    const auto text = [unit](float celsius) { return TemperValueText(celsius, unit); };
    VideoPointExItem::HotColdInfo info;
    const QPoint hot = spotToView(spot.hotX, spot.hotY);
    const QPoint cold = spotToView(spot.coldX, spot.coldY);
    info.hotX = hot.x();
    info.hotY = hot.y();
    info.hotText = text(spot.hotTemp);
    info.coldX = cold.x();
    info.coldY = cold.y();
    info.coldText = text(spot.coldTemp);
    sceneView_->setHotColdInfo(info);
}

void QVideoPreviewModuleWidget::setUpdateRulesParamsSlot()
{
    updateCommonTemperParam();
}

void QVideoPreviewModuleWidget::updateCommonTemperParam()
{
    USBSDK_GlobalTemperParam block;
    std::memset(&block, 0, sizeof block);
    if (!USBSDK_GetCommonTemperParam(&block)) {
        prompts().notice(this, tr("Get Temperature Param Fail"));
        return;
    }
    sidePanel_->setGlobalTemperParam(block);
}

void QVideoPreviewModuleWidget::setUpdateGlobalInfoSlots(bool bRet)
{
    if (!bRet) prompts().notice(this, tr("Set Temperature Param Fail"));
}

void QVideoPreviewModuleWidget::setRuleWidgetEnableSlot(bool bEnable)
{
    if (streamFlag_) sceneView_->setRuleWidgetEnableSlot(bEnable);
}

void QVideoPreviewModuleWidget::setFullCalibrationGenerateRectSlot(int nLowTemp, int nHighTemp)
{
    // Frozen, the clear is refused; the boxes must not come on top of the
    // rules that stay.
    if (sdk().isFrozen()) {
        prompts().notice(this, tr("Video is freezing."));
        return;
    }
    setRuleClearBtnSlots();
    sceneView_->setCalibrationRectRetSlot(true, LiveRuleSet::calibrationBoxes(nLowTemp, nHighTemp));
}

void QVideoPreviewModuleWidget::setUpdateGlobalInfoRequestSlot()
{
    const std::optional<USBSDK_GlobalTemperParam> block = ThermalImageData::getInstance().getDevGlobalRuleConfig();
    emit sendUpdateGlobalInfoSignal(block.has_value(), block.value_or(USBSDK_GlobalTemperParam{}));
}

namespace {

QVector<PicRuleConfig> liveRuleCopy()
{
    QVector<PicRuleConfig> rules;
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    if (!list) return rules;
    for (int i = 0; i < list->size(); ++i) rules.append(list->records[i].rule);
    return rules;
}

}  // namespace

void QVideoPreviewModuleWidget::setSaveSecCalibrationRectRequestSlot()
{
    emit sendSaveSecCalibrationRectSignal(liveRuleCopy());
}

void QVideoPreviewModuleWidget::setFullCalibrationCalibrateRectRequestSlot()
{
    emit sendFullCalibrationCalibrateRectSignal(liveRuleCopy());
}
