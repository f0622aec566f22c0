#include "WorkerSync.h"

void WorkerSync::waitForWorker()
{
    const uint64_t target = ++sent_;
    QMetaObject::invokeMethod(this, "arrive", Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait(lock, [&] { return reached_ >= target; });
}

void WorkerSync::pass()
{
    std::lock_guard<std::mutex> passing(gate);
}

void WorkerSync::arrive()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++reached_;
    arrived_.notify_all();
}
