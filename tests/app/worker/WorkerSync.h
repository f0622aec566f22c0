// Orders the test thread and the worker's thread in a way ThreadSanitizer
// can see: Qt is not built for it, so the hand-over through Qt's event
// queue is invisible to it. Lives on the worker's thread; created before
// that thread starts, so both threads know it from the start.
#pragma once

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <mutex>

class WorkerSync : public QObject {
    Q_OBJECT
public:
    // Held by the test thread while it queues a request; the worker passes
    // it just before running the request.
    std::mutex gate;

    // Test thread: queues an arrival and waits until the worker got there,
    // that is, has run everything queued before.
    void waitForWorker();

public slots:
    void pass();
    void arrive();

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    uint64_t sent_ = 0;     // test thread only
    uint64_t reached_ = 0;  // under mutex_
};
