// The live page: recording (its time and schedule), snapshots, FFC and
// the heat-map export.

#include "QVideoPreviewModuleWidget.h"

#include <QTimer>

#include <optional>

#include "camsdk.h"
#include "AppHelpers.h"
#include "CaptureFolder.h"
#include "LivePageShared.h"
#include "QIconTextVBtn.h"
#include "QVideoPlay.h"
#include "QVideoSceneViewCtrl.h"
#include "ThermalImageData.h"

using livepage::sdk;
using livepage::prompts;
using livepage::skinIcon;

// ---- Recording, snapshots, FFC -------------------------------------------------------

namespace {

// Result codes of a recording start and what the toast says of them:
// text, toast type (0 success, 1 failure, 3 information).
struct CodeText {
    int code;
    const char* text;
    int type;
};
constexpr CodeText kRecordResults[] = {
    {0, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Recording Start"), 0},
    {1, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Recording Failed"), 1},
    {2, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Record Path Not Exit"), 3},
    {3, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "DiskFreeSpace Not Enough"), 1},
    {4, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Alarm has occurred, manual recording stop"), 3},
};
constexpr CodeText kSnapshotToasts[] = {
    {0, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Snapshot Succeed"), 0},
    {1, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Snapshot Failed"), 1},
    {2, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Snapshot Path Not Exit"), 1},
    {3, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "DiskFreeSpace Not Enough"), 1},
};
// Snapshot failures told in a message box: "Export heat map failed," and why.
constexpr CodeText kSnapshotNotices[] = {
    {6, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "File Error"), 0},
    {7, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "File Error"), 0},
    {8, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Parameters Error"), 0},
    {9, QT_TRANSLATE_NOOP("QVideoPreviewModuleWidget", "Shutter is acting."), 0},
};

template <size_t N>
const CodeText* findCode(const CodeText (&table)[N], int code)
{
    for (const CodeText& row : table)
        if (row.code == code) return &row;
    return nullptr;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString QVideoPreviewModuleWidget::recordTimeText(int seconds)
{
    return QStringLiteral("%1:%2").arg(twoDigits(seconds / 60), twoDigits(seconds % 60));
}

void QVideoPreviewModuleWidget::setRecordButtonSkin(bool bRecording)
{
    if (bRecording)
        recordBtn_->setIcon(skinIcon("TEMPIcon_Video_Recording.png"), skinIcon("TEMPIcon_Video_Recording_Select.png"));
    else
        recordBtn_->setIcon(skinIcon("TEMPIcon_Video_normal.png"), skinIcon("TEMPIcon_Video_Select.png"));
}

void QVideoPreviewModuleWidget::stopRecording()
{
    emit sendStopRecordSignals();
    setRecordButtonSkin(false);
    recording_ = false;
    recordTimer_->stop();
    recordSeconds_ = 0;
    sceneView_->setRecordTimeVisible(false);
    sceneView_->setRecordTimeText(recordTimeText(0));
    prompts().toast(tr("Recording Finished"), 0, kToastMs);
}

bool QVideoPreviewModuleWidget::canCapture()
{
    if (!sdk().Connect()) {
        prompts().notice(this, tr("Device is not connect."));
        return false;
    }
    if (sdk().isSleeping()) {
        prompts().notice(this, tr("Device is sleeping"));
        return false;
    }
    return true;
}

void QVideoPreviewModuleWidget::startRecordingIfLive()
{
    // Without a recent frame there is nothing to record: no message.
    if (sdk().Connect() && videoPlay_->isVideoAlive()) emit sendStartRecordSignals();
}

void QVideoPreviewModuleWidget::setVideoRecordBtnSlots()
{
    if (!canCapture()) return;
    if (recording_) {
        stopRecording();
        // Stopped by hand: the schedule must not start it again.
        sdk().setAutoRecordTime(0, 0, 0);
        return;
    }
    startRecordingIfLive();
}

void QVideoPreviewModuleWidget::setDealRecordResultSlots(int nCode)
{
    recording_ = false;
    setRecordButtonSkin(false);
    const CodeText* row = findCode(kRecordResults, nCode);
    if (nCode == 0) {
        setRecordButtonSkin(true);
        recording_ = true;
        sceneView_->setRecordTimeVisible(true);
    } else {
        // A failed start or next file ends what ran: the display stops too.
        recordTimer_->stop();
        recordSeconds_ = 0;
        sceneView_->setRecordTimeVisible(false);
    }
    prompts().toast(row ? tr(row->text) : tr("Unknown Error"), row ? row->type : 1, kToastMs);
}

void QVideoPreviewModuleWidget::resetRecordTimeSlot()
{
    if (recordTimer_->isActive()) {
        setUpdateRecordTimeSlot();
        recordTimer_->stop();
    }
    recordSeconds_ = 0;
    sceneView_->setRecordTimeText(recordTimeText(0));
    recordTimer_->start(kRecordTickMs);
}

void QVideoPreviewModuleWidget::setUpdateRecordTimeSlot()
{
    ++recordSeconds_;
    // One file lasts ten minutes; the next file starts the display again.
    if (recordSeconds_ <= kRecordFileSeconds) sceneView_->setRecordTimeText(recordTimeText(recordSeconds_));
}

void QVideoPreviewModuleWidget::setCheckAutoRecordTimeSlot()
{
    // Checked whether the page is visible or not: a schedule must end on
    // time while another module is open.
    if (!sdk().Connect() || sdk().isSleeping()) return;
    int enabled = 0, startHour = 0, endHour = 0;
    sdk().getAutoRecordTime(&enabled, &startHour, &endHour);
    if (!enabled) return;
    const int hour = clock_().time().hour();
    if (hour == startHour && !recording_) {
        startRecordingIfLive();
    } else if (hour == endHour && recording_) {
        stopRecording();
    }
}

void QVideoPreviewModuleWidget::setClockForTests(Clock clock)
{
    clock_ = clock ? clock : &QDateTime::currentDateTime;
}

SnapshotRequest QVideoPreviewModuleWidget::snapshotRequest() const
{
    SnapshotRequest request;
    request.root = GetManualSnapshotPath();
    request.serial = CaptureFolder::readSerial();
    ThermalImageData& store = ThermalImageData::getInstance();
    request.global = store.getDevGlobalRuleConfig();
    request.saveRules = GetSaveRules() != 0;
    if (const std::optional<PicRuleList> list = store.getDevRuleList())
        for (int i = 0; i < list->size(); ++i) request.rules.append(list->records[i].rule);
    // The picture reopens in the palette it was taken in: the analysis
    // chooses palettes by their colour-bar index.
    request.colorType = colorBarIndex_;
    request.flip = sdk().getFlipMode();
    return request;
}

void QVideoPreviewModuleWidget::setScreenshotBtnSlots()
{
    if (!canCapture()) return;
    if (videoPlay_->isVideoAlive()) emit sendSnapshotSignals(snapshotRequest());
}

void QVideoPreviewModuleWidget::setDealSnapshotResultSlots(int nCode)
{
    if (const CodeText* row = findCode(kSnapshotNotices, nCode)) {
        prompts().notice(this, tr("Export heat map failed") + QStringLiteral(",") + tr(row->text));
        return;
    }
    const CodeText* row = findCode(kSnapshotToasts, nCode);
    prompts().toast(tr(row ? row->text : "Snapshot Failed"), row ? row->type : 1, kToastMs);
}

void QVideoPreviewModuleWidget::setFFCBtnSlots()
{
    if (canCapture()) emit sendShutterCorrectSignal();
}

void QVideoPreviewModuleWidget::setShutterCorrectRetSlot(bool bRet)
{
    if (bRet) {
        prompts().toast(tr("Operate succeed"), 0, 1000);
        return;
    }
    prompts().notice(this, tr("Failed to FFC") + "," + tr("Error Code") + ":" + QString::number(USBSDK_GetLastError()));
}

void QVideoPreviewModuleWidget::setHeatMapExportSlot()
{
    emit sendHeatMapExportSignal(snapshotRequest());
}

void QVideoPreviewModuleWidget::setHeatMapExportRetSlot(QString strHeapMapDir)
{
    emit sendHeatMapExportRetSignal(strHeapMapDir);
}
