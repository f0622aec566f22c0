// The frame worker of the live video. Each owner (the live page, and the
// video, correction and bad-pixel dialogs) makes its own, moves it to a
// thread of its own and drives it through its slots.
//
// The path of a frame: the camera layer calls the worker's frame sink on its
// frame thread; the intake checks that the buffers hold what the frame's size
// says, copies them into a frame from the pool and hands the frame to the
// worker's thread (one pending hand-off: a newer frame replaces one not yet
// processed). The processing applies the freeze, then either draws the frame
// through RenderCore into the target widget (video mode) or emits it as an
// RGB picture (RGB mode), and publishes it to the YUV listeners. Frames are
// shared and immutable: every hand-off owns what it holds, however late it
// is read.
//
// Snapshots are written on a thread the worker owns (SnapshotWorker), one
// after the other, from the frame shown when each was asked for; their
// results come back through the worker's thread in the order asked.
//
// Threads: the intake runs on the camera layer's frame thread, every slot on
// the worker's thread; isVideoAlive, getFrameSize, setZoomStep,
// setColorType, waitForSnapshots and setSnapshotHook may be called from any
// thread. Destroy the worker on its own thread (deleteLater when its thread
// finishes); that stops only its own frames, the camera stays open for the
// other players, and it waits for the snapshots asked for.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

#include "FrameMailbox.h"
#include "FramePool.h"
#include "LiveFrame.h"
#include "RealPlayFrame.h"
#include "RenderCore.h"
#include "RenderInfo.h"
#include "SnapshotRequest.h"
#include "VideoRecorder.h"

class QThread;
class QTimer;
class SnapshotWorker;

// Size of the last new-sized frame that any worker took in.
extern std::atomic<int> gVideoWidth;
extern std::atomic<int> gVideoHeight;
// QVideoPlay::tickNow() after the last frame callback of any worker; 0 =
// none since the last start of play.
extern std::atomic<qint64> gLastFrameTick;

class QVideoPlay : public QObject {
    Q_OBJECT
public:
    // Video is alive while its last frame is younger than this (ms).
    static constexpr qint64 kAliveLimitMs = 2001;
    // Frames-per-second figure period (ms).
    static constexpr int kFpsPeriodMs = 1000;
    // A recording goes on in a new file after this long (ms), measured by
    // tickNow() at the frames' intake, so tests split on the simulated clock.
    static constexpr qint64 kRecordSplitMs = 600000;

    explicit QVideoPlay(QObject* parent = nullptr);
    ~QVideoPlay() override;

    // A frame arrived in the last 2000 ms.
    bool isVideoAlive() const;
    // Size of the frames taken in; empty before the first and after a stop.
    QSize getFrameSize() const;
    // Digital zoom step 0..16 (16 is the narrowest crop); returns the crop
    // offsets (cx, cy) in pixels of the four-times enlarged frame. The crop
    // follows the frame size of every later frame.
    QPoint setZoomStep(int step);
    // Colour type that snapshots record.
    void setColorType(int type);
    int colorType() const { return colorType_.load(); }
    // The live page's worker also feeds the frame dump of DeviceSdkWrapper;
    // no other worker does.
    void setFeedsFrameDump(bool on) { feedsFrameDump_.store(on); }

    // Milliseconds of the monotonic clock: the ticks of gLastFrameTick.
    using TickSource = qint64 (*)();
    static qint64 tickNow();
    // Tests follow the simulated camera's clock; null restores the real one.
    static void setTickSource(TickSource source);
    // Frames the camera handed this worker, and frames it processed (drawn
    // or emitted); the difference was skipped (a newer one replaced it, or
    // it was malformed). Read from any thread, for the soak and the benches.
    quint64 framesReceived() const { return framesReceived_.load(std::memory_order_relaxed); }
    quint64 framesProcessed() const { return framesProcessed_.load(std::memory_order_relaxed); }
    // The local time that names recording files; tests set it, null
    // restores the real one.
    using DateSource = QDateTime (*)();
    static void setRecordDateSource(DateSource source);
    // Worker thread: a recording runs, and the file it writes.
    bool isRecording() const { return recording_; }
    QString recordFilePath() const { return recorder_.filePath(); }
    // Blocks until every snapshot asked for so far is written; their results
    // reach this worker's thread as queued calls. Not on the snapshot thread.
    void waitForSnapshots();
    // Tests hold a snapshot in progress: runs on the snapshot thread before
    // each write. Empty: none.
    void setSnapshotHook(std::function<void()> hook);

signals:
    // Intake to processing, queued: the newest frame taken in.
    void sendInputDataSignal(const RenderInfo& pRender);
    // 0: the first frame of a new size arrived; 1: the camera refused play.
    void sendVideoPlayOutputSignals(int nCode);
    // RGB mode: the processed frame as a width x height RGB888 picture.
    void sendRGBSignal(const QImage& image, int nWidth, int nHeight);
    // Every processed frame (the frozen one while frozen).
    void sendYUVSignals(const FramePtr& frame, int nWidth, int nHeight);
    void sendVideoPlayFpsSignals(float fFps);
    void sendRecordResultSignals(int nCode);
    void sendResetRecordTimeSignal();
    void sendSnapshotResultSignals(int nCode);
    void sendHeatMapExportRetSignal(QString strPath);
    // Connected to setStopRecordSlots, queued.
    void sendStopRecordSignals();

public slots:
    // Start of play into the target widget pParam (a VideoSurface; null does
    // nothing): bVideo draws into it, otherwise frames leave as RGB pictures.
    // Sent again with another flag, it switches the mode.
    void setVideoPlaySlots(void* pParam, bool bVideo);
    // Stops this worker's frames; the camera stays open for the others.
    void setVideoStopPlaySlot();
    // Processes the newest frame taken in (the frame of stRenderInfo when
    // none is pending).
    void setInputDataSlot(const RenderInfo& stRenderInfo);
    void setFPSCountTimerSlot();
    void setStartRecordSlots();
    void setStopRecordSlots();
    // The next file of a recording, when the current one is kRecordSplitMs
    // old (called by the processing of the frame that passes it).
    void setSubcontractRecordTimer();
    // A snapshot of the frame shown (the frozen one while frozen), with the
    // live state the page copied when it was asked for; queued for the
    // snapshot thread, the result follows when it is written.
    void setDealSnapshotSlots(const SnapshotRequest& request);
    // The same, then the picture's path for the analysis (only on success).
    void setHeatMapExportSlot(const SnapshotRequest& request);
    // Nothing: the target is chosen by setVideoPlaySlots.
    void setUpdateHWndSlots(void* pParam);

private:
    static void onRealPlayFrame(const unsigned char* pYuv, int nYuvLen, const unsigned char* pRaw, int nRawLen,
                                int nWidth, int nHeight, void* pUser);
    void takeFrame(const RealPlayFrame& in);
    void render(const LiveFrame& frame);
    void closeView(bool clearTarget);
    void stopSink();
    // Opens a new recording file: its code (VideoRecorder::Code).
    int openRecordFile();
    static QDateTime recordDate();
    // False when the file could not be completed.
    bool stopRecording();
    void queueSnapshot(const SnapshotRequest& request, bool heatMap);
    // A snapshot thread's result, on this worker's thread.
    void setSnapshotWrittenSlot(int nCode, const QString& path, bool heatMap);

    // Intake (frame thread) state. The lock keeps a size change and its
    // output code in order with the hand-off of the frame that brought it;
    // processing never waits for it.
    std::mutex mutex_;
    FramePool pool_;
    FrameMailbox handOff_;
    std::atomic<int> width_{0};
    std::atomic<int> height_{0};

    std::atomic<int> zoomStep_{0};
    std::atomic<int> colorType_{0};
    std::atomic<bool> feedsFrameDump_{false};
    std::atomic<quint64> framesReceived_{0};
    std::atomic<quint64> framesProcessed_{0};

    // Worker thread only.
    FramePtr shown_;  // the frame processed last; kept while frozen
    bool bVideo_ = true;
    bool sinkStarted_ = false;
    RenderCore::Handle view_ = 0;
    void* window_ = nullptr;
    int viewWidth_ = 0;  // size announced to the view
    int viewHeight_ = 0;
    QTimer* fpsTimer_ = nullptr;  // child
    int frameCount_ = 0;
    VideoRecorder recorder_;
    bool recording_ = false;
    qint64 fileOpenedMs_ = 0;  // tickNow() when the current file was opened
    QThread* snapshotThread_ = nullptr;  // child
    SnapshotWorker* snapshotWriter_ = nullptr;  // lives on snapshotThread_
};
