// What a stand-in page or worker was asked to do: how often each of its
// members ran. The live page's wiring tests read it; the real classes that
// replace the stand-ins do not keep one. Safe to use from the worker
// threads the stand-in workers live on.
#pragma once

#include <QHash>
#include <QMutex>
#include <QByteArray>

class StandInLog {
public:
    // Counts one call of the member named name (the caller passes __func__).
    void note(const char* name);
    // How often the member named name ran.
    int count(const char* name) const;
    // Calls of all members together.
    int total() const;

private:
    mutable QMutex mutex_;
    QHash<QByteArray, int> counts_;
};
