// Shared set-up of the device-command worker tests: the worker on a thread
// of its own, as its owners place it, over a fresh simulated camera on the
// manual clock; requests go to it as queued calls and its results come back
// queued into a SignalJournal.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QThread>
#include <QVariant>

#include <memory>
#include <ostream>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "QDevCommExec.h"
#include "SignalJournal.h"
#include "WorkerSync.h"
#include "simcam.h"

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}

class WorkerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Queues a call of the slot with these arguments; the argument types
    // pick the overload, as a page's signal would.
    void request(const char* slot, const QVariantList& args = {});
    // Waits until the worker has run every request made so far and the
    // journal holds every result they emitted.
    void drain();
    // request, then drain.
    void run(const char* slot, const QVariantList& args = {});

    // The first listed camera, opened directly; the call log starts empty.
    static USBSDK_DeviceInfo listedCamera();
    static void openCamera();

    static std::vector<SIMCAM_CallRecord> callLog();
    // "USBSDK_Name" per logged call.
    static QStringList calls();
    // "USBSDK_Name(args)" per logged call.
    static QStringList callsWithArgs();
    static QStringList repeated(int n, const QString& text) { return QVector<QString>(n, text).toList(); }

    QThread thread_;
    QDevCommExec* worker_ = nullptr;  // deleted on thread_'s finished
    WorkerSync* sync_ = nullptr;      // on thread_, deleted once it has finished
    std::unique_ptr<SignalJournal> journal_;
};
