#include "QVideoPlay.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMetaMethod>
#include <QThread>
#include <QTimer>
#include <QtGlobal>

#include <opencv2/core.hpp>

#include <algorithm>
#include <cstring>
#include <utility>

#include "AppHelpers.h"
#include "CaptureFolder.h"
#include "DeviceSdkWrapper.h"
#include "ImageBufferHelpers.h"
#include "SnapshotWorker.h"
#include "SnapshotWriter.h"
#include "ZoomTable.h"
#include "camsdk.h"

std::atomic<int> gVideoWidth{0};
std::atomic<int> gVideoHeight{0};
std::atomic<qint64> gLastFrameTick{0};

namespace {

std::atomic<QVideoPlay::TickSource> gTickSource{nullptr};
std::atomic<QVideoPlay::DateSource> gRecordDateSource{nullptr};

qint64 monotonicMs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.msecsSinceReference() + clock.elapsed();
}

// The whole frame as RGB888, with the conversion snapshots use too.
QImage rgbImage(const LiveFrame& frame)
{
    QImage image(frame.width, frame.height, QImage::Format_RGB888);
    if (image.isNull()) return image;
    if (image.bytesPerLine() == frame.width * 3) {
        Yuv422ToRgb(frame.yuv.data(), image.bits(), frame.width, frame.height);
    } else {
        // Lines are padded to 4 bytes when the width is not a multiple of 4.
        for (int y = 0; y < frame.height; ++y)
            Yuv422ToRgb(frame.yuv.data() + size_t(y) * size_t(frame.width) * 2, image.scanLine(y), frame.width, 1);
    }
    return image;
}

}  // namespace

QVideoPlay::QVideoPlay(QObject* parent)
    : QObject(parent),
      fpsTimer_(new QTimer(this)),
      snapshotThread_(new QThread(this)),
      snapshotWriter_(new SnapshotWorker)
{
    // OpenCV serves only the renderer, whose resizes take a few ms on one
    // thread: a pool's hand-offs and spinning cost more than they save
    // (livepage_bench, 1280 x 1024 at 60 fps: a tenth of a core).
    cv::setNumThreads(1);
    connect(this, &QVideoPlay::sendInputDataSignal, this, &QVideoPlay::setInputDataSlot, Qt::QueuedConnection);
    connect(this, &QVideoPlay::sendStopRecordSignals, this, &QVideoPlay::setStopRecordSlots, Qt::QueuedConnection);
    connect(fpsTimer_, &QTimer::timeout, this, &QVideoPlay::setFPSCountTimerSlot);

    snapshotThread_->setObjectName(QStringLiteral("snapshot"));
    snapshotWriter_->moveToThread(snapshotThread_);
    connect(snapshotWriter_, &SnapshotWorker::sendSnapshotWrittenSignal, this, &QVideoPlay::setSnapshotWrittenSlot,
            Qt::QueuedConnection);
    // A snapshot asked for is written even when the worker goes meanwhile:
    // what is still queued when the thread ends is written before it ends.
    connect(snapshotThread_, &QThread::finished, snapshotWriter_, &SnapshotWorker::writeQueued,
            Qt::DirectConnection);
    connect(snapshotThread_, &QThread::finished, snapshotWriter_, &QObject::deleteLater);
    snapshotThread_->start();
}

QVideoPlay::~QVideoPlay()
{
    stopRecording();
    // Only this worker's sink goes: the camera stays open for the other
    // players and is closed by the live page's disconnection.
    setVideoStopPlaySlot();
    // Results of the snapshots still being written have nobody to go to.
    disconnect(snapshotWriter_, nullptr, this, nullptr);
    snapshotThread_->quit();
    snapshotThread_->wait();
}

qint64 QVideoPlay::tickNow()
{
    const TickSource source = gTickSource.load();
    return source ? source() : monotonicMs();
}

void QVideoPlay::setTickSource(TickSource source)
{
    gTickSource.store(source);
}

void QVideoPlay::setRecordDateSource(DateSource source)
{
    gRecordDateSource.store(source);
}

bool QVideoPlay::isVideoAlive() const
{
    // Unsigned, so that "no frame" (tick 0) is never alive.
    return quint64(tickNow() - gLastFrameTick.load()) < quint64(kAliveLimitMs);
}

QSize QVideoPlay::getFrameSize() const
{
    return QSize(width_.load(), height_.load());
}

QPoint QVideoPlay::setZoomStep(int step)
{
    const int w = width_.load(), h = height_.load();
    if (step < 0 || w <= 0 || h <= 0) {
        zoomStep_.store(0);
        return QPoint(0, 0);
    }
    step = std::min(step, int(ZoomTable::kMaxStep));
    zoomStep_.store(step);
    const ZoomCrop crop = ZoomTable::crop(w, h, step);
    return QPoint(crop.cx, crop.cy);
}

void QVideoPlay::setColorType(int type)
{
    colorType_.store(type);
}

void QVideoPlay::onRealPlayFrame(const unsigned char* pYuv, int nYuvLen, const unsigned char* pRaw, int nRawLen,
                                 int nWidth, int nHeight, void* pUser)
{
    const RealPlayFrame frame{pYuv, nYuvLen, pRaw, nRawLen, nWidth, nHeight};
    QVideoPlay* self = static_cast<QVideoPlay*>(pUser);
    self->framesReceived_.fetch_add(1, std::memory_order_relaxed);
    self->takeFrame(frame);
    gLastFrameTick.store(tickNow());
}

void QVideoPlay::takeFrame(const RealPlayFrame& in)
{
    const int w = in.nWidth, h = in.nHeight;
    // Lengths are checked, never trusted: a frame is taken only whole, and
    // only in whole pixel pairs and chroma rows.
    if (w <= 0 || h <= 0 || !in.pYuv || w % 2 != 0 || h % 2 != 0) return;
    const size_t yuvBytes = size_t(w) * size_t(h) * 2;
    if (in.nYuvLen < 0 || size_t(in.nYuvLen) < yuvBytes) return;
    const size_t rawBytes = yuvBytes + LiveFrame::kRedunBytes;
    const bool withRaw = in.pRaw && in.nRawLen >= 0 && size_t(in.nRawLen) >= rawBytes;
    const bool feedDump = feedsFrameDump_.load();
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    std::shared_ptr<LiveFrame> frame = pool_.acquire(w, h, withRaw ? rawBytes : 0);
    if (!frame) return;  // out of memory: the size stays unset, the next frame tries again
    frame->captureMs = tickNow();
    std::memcpy(frame->yuv.data(), in.pYuv, yuvBytes);
    if (withRaw) std::memcpy(frame->raw.data(), in.pRaw, rawBytes);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (w != width_.load() || h != height_.load()) {
            if (feedDump) {
                sdk.setFrameDumpEnable(true, DeviceSdkWrapper::kDumpYuv);
                if (withRaw) sdk.setFrameDumpEnable(true, DeviceSdkWrapper::kDumpRaw);
            }
            width_.store(w);
            height_.store(h);
            gVideoWidth.store(w);
            gVideoHeight.store(h);
            emit sendVideoPlayOutputSignals(0);
        }
        if (handOff_.put(frame)) emit sendInputDataSignal(RenderInfo{std::move(frame), w, h});
    }
    if (feedDump) {
        sdk.writeFrameDump(in, DeviceSdkWrapper::kDumpRaw);
        sdk.writeFrameDump(in, DeviceSdkWrapper::kDumpYuv);
    }
}

void QVideoPlay::setInputDataSlot(const RenderInfo& stRenderInfo)
{
    FramePtr frame = handOff_.take();
    if (!frame) frame = stRenderInfo.frame;
    // A hand-off still queued when play stopped (size 0) is stale.
    if (!frame || frame->width < 1 || frame->height < 1 || frame->width != width_.load() ||
        frame->height != height_.load())
        return;
    // The time of the frame that came, also while a frozen one is shown.
    const qint64 captureMs = frame->captureMs;

    // Frozen: the frame shown when the freeze began stays, for the display
    // and the listeners alike, until the size changes.
    if (!DeviceSdkWrapper::getInstance().isFrozen() || !shown_ || shown_->width != frame->width ||
        shown_->height != frame->height)
        shown_ = std::move(frame);
    const FramePtr& current = shown_;
    const int w = current->width, h = current->height;

    if (bVideo_) {
        render(*current);
    } else if (isSignalConnected(QMetaMethod::fromSignal(&QVideoPlay::sendRGBSignal))) {
        // Pictures are made only for someone: the bad-pixel editor plays in
        // RGB mode but reads the YUV frames.
        const QImage rgb = rgbImage(*current);
        if (rgb.isNull()) return;  // out of memory: the frame is skipped
        emit sendRGBSignal(rgb, w, h);
    }
    emit sendYUVSignals(current, w, h);
    ++frameCount_;
    framesProcessed_.fetch_add(1, std::memory_order_relaxed);
    // A file lasts kRecordSplitMs by the frames' clock; the frame that
    // passes it opens the next one.
    if (recording_ && captureMs - fileOpenedMs_ >= kRecordSplitMs) setSubcontractRecordTimer();
    // The recording takes the frame shown, frozen or not, in either mode. A
    // file that cannot be written ends the recording.
    if (recording_ && !recorder_.encode(*current, captureMs)) {
        stopRecording();
        emit sendRecordResultSignals(VideoRecorder::kFailed);
    }
}

void QVideoPlay::render(const LiveFrame& frame)
{
    if (!view_) return;
    if (frame.width != viewWidth_ || frame.height != viewHeight_) {
        RenderCore::setSize(view_, frame.width, frame.height);
        viewWidth_ = frame.width;
        viewHeight_ = frame.height;
    }
    const ZoomCrop crop = ZoomTable::crop(frame.width, frame.height, zoomStep_.load());
    const RenderFrameDesc desc = RenderCore::describe(frame.yuv.data(), frame.width, frame.height);
    const RenderRect source = RenderCore::sourceRect(frame.width, frame.height, crop.cx, crop.cy);
    RenderCore::draw(view_, &desc, &source, 0);
    RenderCore::present(view_);
}

void QVideoPlay::setVideoPlaySlots(void* pParam, bool bVideo)
{
    if (!pParam) return;
    bVideo_ = bVideo;
    gLastFrameTick.store(0);
    // RGB mode draws nothing: its frames leave as pictures.
    if (view_ && (window_ != pParam || !bVideo)) closeView(true);
    if (bVideo && !view_) {
        RenderViewOpen record;
        record.window = pParam;
        view_ = RenderCore::open(&record);
        if (!view_) return;
        window_ = pParam;
        viewWidth_ = viewHeight_ = 0;
    }
    if (USBSDK_StartRealPlay(&QVideoPlay::onRealPlayFrame, this)) {
        sinkStarted_ = true;
    } else {
        qWarning("QVideoPlay: the camera refused play (error %d)", USBSDK_GetLastError());
        emit sendVideoPlayOutputSignals(1);
    }
    fpsTimer_->stop();
    fpsTimer_->start(kFpsPeriodMs);
}

void QVideoPlay::setVideoStopPlaySlot()
{
    stopSink();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        width_.store(0);
        height_.store(0);
    }
    handOff_.clear();
    if (view_) closeView(false);
    shown_.reset();
    fpsTimer_->stop();
    frameCount_ = 0;
}

void QVideoPlay::stopSink()
{
    // Never under mutex_: the layer waits for a running callback, which may
    // be waiting for that lock.
    if (!std::exchange(sinkStarted_, false)) return;
    USBSDK_StopRealPlay(this);
}

void QVideoPlay::closeView(bool clearTarget)
{
    if (clearTarget) {
        const RenderRect whole;
        RenderCore::clear(view_, &whole);
    }
    RenderCore::close(view_);
    view_ = 0;
    window_ = nullptr;
    viewWidth_ = viewHeight_ = 0;
}

void QVideoPlay::setFPSCountTimerSlot()
{
    // While the camera is away the count goes on, and the next figure
    // covers the whole time.
    if (!USBSDK_Connect()) return;
    const int counted = std::min(frameCount_, USBSDK_GetFps());
    emit sendVideoPlayFpsSignals(float(counted));
    frameCount_ = 0;
}

// ---- Recording ---------------------------------------------------------------------

int QVideoPlay::openRecordFile()
{
    const int code = recorder_.open(GetManualRecordPath(), CaptureFolder::readSerial(), width_.load(), height_.load(),
                                    USBSDK_GetFps(), recordDate());
    if (code != VideoRecorder::kStarted) return code;
    fileOpenedMs_ = tickNow();
    emit sendResetRecordTimeSignal();
    return code;
}

void QVideoPlay::setStartRecordSlots()
{
    const int code = openRecordFile();
    if (code == VideoRecorder::kStarted) recording_ = true;
    emit sendRecordResultSignals(code);
}

QDateTime QVideoPlay::recordDate()
{
    const DateSource source = gRecordDateSource.load();
    return source ? source() : QDateTime::currentDateTime();
}

bool QVideoPlay::stopRecording()
{
    recording_ = false;
    return recorder_.stop();
}

void QVideoPlay::setStopRecordSlots()
{
    // A file left without its index (a full disk) is told, not passed over.
    if (!stopRecording()) emit sendRecordResultSignals(VideoRecorder::kFailed);
}

void QVideoPlay::setSubcontractRecordTimer()
{
    // The file that ends could not be completed: no next file on that disk.
    if (recording_ && !stopRecording()) {
        emit sendRecordResultSignals(VideoRecorder::kFailed);
        return;
    }
    const int code = openRecordFile();
    if (code == VideoRecorder::kStarted) {
        recording_ = true;
        return;
    }
    emit sendRecordResultSignals(code);
}

// ---- Snapshots -----------------------------------------------------------------------

void QVideoPlay::setDealSnapshotSlots(const SnapshotRequest& request)
{
    queueSnapshot(request, false);
}

void QVideoPlay::setHeatMapExportSlot(const SnapshotRequest& request)
{
    queueSnapshot(request, true);
}

void QVideoPlay::queueSnapshot(const SnapshotRequest& request, bool heatMap)
{
    // The frame shown now is shared, not copied: frames are immutable.
    snapshotWriter_->enqueue(SnapshotWorker::Job{request, shown_, QDateTime::currentDateTime(), heatMap});
}

void QVideoPlay::setSnapshotWrittenSlot(int nCode, const QString& path, bool heatMap)
{
    emit sendSnapshotResultSignals(nCode);
    if (heatMap && nCode == SnapshotWriter::kSaved) emit sendHeatMapExportRetSignal(path);
}

void QVideoPlay::waitForSnapshots()
{
    snapshotWriter_->waitUntilIdle();
}

void QVideoPlay::setSnapshotHook(std::function<void()> hook)
{
    snapshotWriter_->setBeforeWriteHook(std::move(hook));
}

void QVideoPlay::setUpdateHWndSlots(void*) {}
