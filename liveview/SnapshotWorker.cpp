#include "SnapshotWorker.h"

#include <utility>

#include "SnapshotWriter.h"

SnapshotWorker::SnapshotWorker(QObject* parent) : QObject(parent) {}

void SnapshotWorker::enqueue(Job job)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back(std::move(job));
        wake = !std::exchange(draining_, true);
    }
    // One wake-up for a run of jobs: the running writeQueued takes the
    // later ones too.
    if (wake) QMetaObject::invokeMethod(this, &SnapshotWorker::writeQueued, Qt::QueuedConnection);
}

void SnapshotWorker::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !draining_ && jobs_.empty(); });
}

void SnapshotWorker::setBeforeWriteHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(mutex_);
    beforeWrite_ = std::move(hook);
}

void SnapshotWorker::writeQueued()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!jobs_.empty()) {
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        const std::function<void()> hook = beforeWrite_;
        lock.unlock();
        if (hook) hook();
        // Files are named by the millisecond: two asked for within one still
        // get a file each.
        const QDateTime now = lastNamed_.isValid() && job.now <= lastNamed_ ? lastNamed_.addMSecs(1) : job.now;
        lastNamed_ = now;
        QString saved;
        const int code = SnapshotWriter::take(job.request, job.frame, now, &saved);
        emit sendSnapshotWrittenSignal(code, saved, job.heatMap);
        lock.lock();
    }
    draining_ = false;
    idle_.notify_all();
}
