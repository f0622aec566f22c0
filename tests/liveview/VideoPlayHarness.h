// A frame worker on a thread of its own, as its owners run it, with what it
// emits recorded on the test's thread. Work for the worker's thread runs
// there and is waited for, so tests step the simulated camera and then see
// every frame processed, without timing anything.
#pragma once

#include <QObject>
#include <QImage>
#include <QThread>

#include <functional>
#include <vector>

#include "LiveFrame.h"
#include "QVideoPlay.h"

class VideoPlayHarness : public QObject {
    Q_OBJECT
public:
    VideoPlayHarness();
    // Destroys the worker on its thread (if still there), then ends the thread.
    ~VideoPlayHarness() override;

    QVideoPlay* player() const { return player_; }

    // Runs work on the worker's thread and waits for it.
    void run(const std::function<void()>& work);
    // Posts work to the worker's thread without waiting.
    void post(const std::function<void()>& work);
    // Everything handed to the worker so far is processed (snapshots
    // written) and what it emitted has arrived here (also the pictures
    // posted to widgets).
    void flush();

    void startPlay(void* target, bool video);
    void stopPlay();
    // Deletes the worker now, on its thread, as deleteLater would.
    void destroyPlayer();

    // Recorded, in order of emission.
    std::vector<FramePtr> frames;  // sendYUVSignals
    std::vector<QImage> images;    // sendRGBSignal
    std::vector<int> outputs;      // sendVideoPlayOutputSignals
    std::vector<float> fps;        // sendVideoPlayFpsSignals

private:
    QThread thread_;
    QObject* anchor_ = nullptr;  // lives on the worker's thread: the context of run and post
    QVideoPlay* player_ = nullptr;
};
