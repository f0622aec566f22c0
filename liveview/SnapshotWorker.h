// Writes a frame worker's snapshots on a thread of its own, so that encoding
// the picture never holds up the frames. Jobs are written one after the
// other in the order they were queued; each carries the frame shown when it
// was asked for, shared with the display, so nothing is copied.
//
// Threads: enqueue, waitUntilIdle and setBeforeWriteHook from any thread;
// the writes and sendSnapshotWrittenSignal on the worker's thread. Its owner
// (QVideoPlay) moves it to its thread and, on finished, has it write what is
// still queued (writeQueued) and deleteLater'd.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "LiveFrame.h"
#include "SnapshotRequest.h"

class SnapshotWorker : public QObject {
    Q_OBJECT
public:
    struct Job {
        SnapshotRequest request;
        FramePtr frame;  // the frame shown (or frozen) when it was asked for
        QDateTime now;   // names the file
        bool heatMap = false;
    };

    explicit SnapshotWorker(QObject* parent = nullptr);

    // Queues a job and wakes the worker's thread when it was idle.
    void enqueue(Job job);
    // Blocks until every job queued so far is written and its result
    // emitted. Never on the worker's own thread.
    void waitUntilIdle();
    // Tests hold a write in progress: runs on the worker's thread before
    // each job is written. Empty: none.
    void setBeforeWriteHook(std::function<void()> hook);

signals:
    // A job's SnapshotWriter code and, on success, the file's path.
    void sendSnapshotWrittenSignal(int nCode, const QString& path, bool heatMap);

public slots:
    // Writes every queued job, the ones queued meanwhile too.
    void writeQueued();

private:
    std::mutex mutex_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool draining_ = false;  // a writeQueued is posted or running
    std::function<void()> beforeWrite_;
    QDateTime lastNamed_;  // worker's thread only
};
