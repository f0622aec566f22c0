#include "VideoPlayHarness.h"

#include <QCoreApplication>
#include <QMetaType>

#include "RenderInfo.h"

VideoPlayHarness::VideoPlayHarness()
{
    // The program registers these at start-up.
    qRegisterMetaType<FramePtr>("FramePtr");
    qRegisterMetaType<RenderInfo>("RenderInfo");

    anchor_ = new QObject;
    player_ = new QVideoPlay;
    anchor_->moveToThread(&thread_);
    player_->moveToThread(&thread_);
    connect(player_, &QVideoPlay::sendYUVSignals, this,
            [this](const FramePtr& frame, int, int) { frames.push_back(frame); });
    connect(player_, &QVideoPlay::sendRGBSignal, this,
            [this](const QImage& image, int, int) { images.push_back(image); });
    connect(player_, &QVideoPlay::sendVideoPlayOutputSignals, this, [this](int code) { outputs.push_back(code); });
    connect(player_, &QVideoPlay::sendVideoPlayFpsSignals, this, [this](float value) { fps.push_back(value); });
    thread_.start();
}

VideoPlayHarness::~VideoPlayHarness()
{
    destroyPlayer();
    thread_.quit();
    thread_.wait();
    delete anchor_;
}

void VideoPlayHarness::run(const std::function<void()>& work)
{
    QMetaObject::invokeMethod(anchor_, work, Qt::BlockingQueuedConnection);
}

void VideoPlayHarness::post(const std::function<void()>& work)
{
    QMetaObject::invokeMethod(anchor_, work, Qt::QueuedConnection);
}

void VideoPlayHarness::flush()
{
    run([] {});
    // Snapshots asked for are written on a thread of their own; their results
    // come back to the worker's thread.
    if (player_) {
        player_->waitForSnapshots();
        run([] {});
    }
    QCoreApplication::sendPostedEvents();
}

void VideoPlayHarness::startPlay(void* target, bool video)
{
    run([this, target, video] { player_->setVideoPlaySlots(target, video); });
    flush();
}

void VideoPlayHarness::stopPlay()
{
    run([this] { player_->setVideoStopPlaySlot(); });
    flush();
}

void VideoPlayHarness::destroyPlayer()
{
    if (!player_) return;
    run([this] { delete player_; });
    player_ = nullptr;
    QCoreApplication::sendPostedEvents();
}
