// Shared set-up of the image parameter worker tests: the worker on a thread
// of its own, as the panel places it, over the simulated camera opened on
// the manual clock (no deliberate wait of the camera passes real time);
// requests reach it queued by slot name, as the panel's connections do,
// and its signals come back queued into a SignalJournal.
#pragma once

#include <gtest/gtest.h>

#include <QMetaObject>
#include <QMetaType>
#include <QStringList>
#include <QThread>

#include <memory>
#include <mutex>

#include "QImageInfoExec.h"
#include "SignalJournal.h"
#include "WorkerSync.h"
#include "simcam.h"

class ImageWorkerTest : public ::testing::Test {
public:
    // Queues a call of the named slot with these arguments; their types
    // pick the slot's signature, so a slot missing under its name fails.
    template <typename... Args>
    void request(const char* slot, const Args&... args)
    {
        // The worker passes the gate just before the request, and the gate
        // opens once the request is queued.
        std::unique_lock<std::mutex> hold(sync_->gate);
        QMetaObject::invokeMethod(sync_, "pass", Qt::QueuedConnection);
        ASSERT_TRUE(QMetaObject::invokeMethod(worker_, slot, Qt::QueuedConnection,
                                              QArgument<Args>(QMetaType::typeName(qMetaTypeId<Args>()), args)...))
            << slot;
    }
    // Waits until the worker has run every request made so far and the
    // journal holds everything they emitted.
    void drain();

protected:
    // The camera's image parameters, written directly (not through the
    // worker) before a test.
    struct CameraValues {
        int ispMode, brightness, contrast, sharpness, noise2D, noise3D, gainAuto, ffcMode, ffcTime, wideDynamic,
            localContrast, globalContrast;
    };
    static void setCameraValues(const CameraValues& v);

    void SetUp() override;
    void TearDown() override;

    // "USBSDK_Name(args)" per logged camera call since the last clear.
    static QStringList calls();
    static double state(const char* key);
    static void setSupportIsp(int supported);

    QThread thread_;
    QImageInfoExec* worker_ = nullptr;  // deleted on thread_'s finished
    WorkerSync* sync_ = nullptr;        // on thread_, deleted once it has finished
    std::unique_ptr<SignalJournal> journal_;
};
