#include "StandInLog.h"

#include <QMutexLocker>

void StandInLog::note(const char* name)
{
    QMutexLocker lock(&mutex_);
    ++counts_[QByteArray(name)];
}

int StandInLog::count(const char* name) const
{
    QMutexLocker lock(&mutex_);
    return counts_.value(QByteArray(name));
}

int StandInLog::total() const
{
    QMutexLocker lock(&mutex_);
    int sum = 0;
    for (int n : counts_) sum += n;
    return sum;
}
