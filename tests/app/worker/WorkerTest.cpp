#include "WorkerTest.h"

#include <QCoreApplication>
#include <QMetaMethod>

#include "MetaTypes.h"

#if defined(__SANITIZE_THREAD__)
// Qt is not built for ThreadSanitizer: its event queue hands requests and
// results over with synchronisation the sanitizer cannot see, so what Qt
// allocates and frees is left out; WorkerSync makes the order of the
// tests' own accesses visible instead.
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libQt5Core.so.5\ncalled_from_lib:libglib-2.0.so.0\n";
}
#endif

void WorkerTest::SetUp()
{
    registerQueuedTypes();
    // Lets QVariant compare the lists the bad-pixel results carry.
    static const bool comparable = QMetaType::registerEqualsComparator<QVector<int>>();
    Q_UNUSED(comparable);
    SIMCAM_Reset();
    ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    worker_ = new QDevCommExec;
    journal_ = std::make_unique<SignalJournal>(worker_);
    sync_ = new WorkerSync;
    worker_->moveToThread(&thread_);
    sync_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

void WorkerTest::TearDown()
{
    thread_.quit();
    thread_.wait();
    // The test thread used it last (its final wait).
    delete sync_;
    journal_.reset();
    USBSDK_Close();
    SIMCAM_Reset();
}

void WorkerTest::request(const char* slot, const QVariantList& args)
{
    ASSERT_LE(args.size(), 10);
    QByteArray signature = QByteArray(slot) + '(';
    for (int i = 0; i < args.size(); ++i) signature += (i ? "," : "") + QByteArray(args[i].typeName());
    signature += ')';
    const QMetaObject* meta = worker_->metaObject();
    const int index = meta->indexOfSlot(QMetaObject::normalizedSignature(signature.constData()).constData());
    ASSERT_GE(index, 0) << signature.constData();
    QGenericArgument a[10];
    for (int i = 0; i < args.size(); ++i) a[i] = QGenericArgument(args[i].typeName(), args[i].constData());
    // The worker passes the gate just before the request, and the gate
    // opens once the request is queued.
    std::unique_lock<std::mutex> hold(sync_->gate);
    QMetaObject::invokeMethod(sync_, "pass", Qt::QueuedConnection);
    ASSERT_TRUE(meta->method(index).invoke(worker_, Qt::QueuedConnection, a[0], a[1], a[2], a[3], a[4], a[5], a[6],
                                           a[7], a[8], a[9]));
}

void WorkerTest::drain()
{
    // Requests run in order on the worker's thread: once it got this far,
    // every earlier result is queued to the journal.
    sync_->waitForWorker();
    QCoreApplication::sendPostedEvents(journal_.get());
}

void WorkerTest::run(const char* slot, const QVariantList& args)
{
    request(slot, args);
    drain();
}

USBSDK_DeviceInfo WorkerTest::listedCamera()
{
    USBSDK_DeviceInfo list[8] = {};
    EXPECT_GE(USBSDK_GetDevInfoList(list, 8), 1);
    return list[0];
}

void WorkerTest::openCamera()
{
    const USBSDK_DeviceInfo info = listedCamera();
    ASSERT_EQ(USBSDK_Open(&info), 1);
    SIMCAM_ClearCallLog();
}

std::vector<SIMCAM_CallRecord> WorkerTest::callLog()
{
    int total = 0;
    long long overwritten = 0;
    SIMCAM_GetCallLog(nullptr, 0, &total, &overwritten);
    std::vector<SIMCAM_CallRecord> records(size_t(total) + 1);
    SIMCAM_GetCallLog(records.data(), int(records.size()), &total, &overwritten);
    records.resize(size_t(total));
    return records;
}

QStringList WorkerTest::calls()
{
    QStringList names;
    for (const SIMCAM_CallRecord& r : callLog()) names << QString::fromUtf8(r.function);
    return names;
}

QStringList WorkerTest::callsWithArgs()
{
    QStringList list;
    for (const SIMCAM_CallRecord& r : callLog()) {
        list << QString::fromUtf8(r.function) + '(' + QString::fromUtf8(r.args) + ')';
    }
    return list;
}
