#include "ImageWorkerTest.h"

#include <QCoreApplication>

#include <utility>
#include <vector>

#include "SimCamera.h"

void ImageWorkerTest::SetUp()
{
    SIMCAM_Reset();
    ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
    ASSERT_TRUE(simcamera::openFirst());
    worker_ = new QImageInfoExec;
    journal_ = std::make_unique<SignalJournal>(worker_);
    sync_ = new WorkerSync;
    worker_->moveToThread(&thread_);
    sync_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
    SIMCAM_ClearCallLog();
}

void ImageWorkerTest::TearDown()
{
    thread_.quit();
    thread_.wait();
    // The test thread used it last (its final wait).
    delete sync_;
    journal_.reset();
    USBSDK_Close();
    SIMCAM_Reset();
}

void ImageWorkerTest::drain()
{
    // Requests run in order on the worker's thread: once it got this far,
    // every earlier signal is queued to the journal.
    sync_->waitForWorker();
    QCoreApplication::sendPostedEvents(journal_.get());
}

QStringList ImageWorkerTest::calls()
{
    int total = 0;
    long long overwritten = 0;
    SIMCAM_GetCallLog(nullptr, 0, &total, &overwritten);
    std::vector<SIMCAM_CallRecord> records(size_t(total) + 1);
    SIMCAM_GetCallLog(records.data(), int(records.size()), &total, &overwritten);
    QStringList list;
    for (int i = 0; i < total; ++i) {
        list << QString::fromUtf8(records[size_t(i)].function) + '(' + QString::fromUtf8(records[size_t(i)].args) + ')';
    }
    return list;
}

void ImageWorkerTest::setCameraValues(const CameraValues& v)
{
    const std::pair<int (*)(int), int> writes[] = {{USBSDK_SetDeviceIspMode, v.ispMode},
                                                   {USBSDK_SetBrightness, v.brightness},
                                                   {USBSDK_SetContrast, v.contrast},
                                                   {USBSDK_SetSharpness, v.sharpness},
                                                   {USBSDK_SetNoise2D, v.noise2D},
                                                   {USBSDK_SetNoise3D, v.noise3D},
                                                   {USBSDK_SetGainAuto, v.gainAuto},
                                                   {USBSDK_SetFFCMode, v.ffcMode},
                                                   {USBSDK_SetFFCTime, v.ffcTime},
                                                   {USBSDK_SetWideDynamic, v.wideDynamic},
                                                   {USBSDK_SetLocalContrast, v.localContrast},
                                                   {USBSDK_SetGlobalContrast, v.globalContrast}};
    for (const auto& write : writes) ASSERT_EQ(write.first(write.second), 1) << write.second;
}

double ImageWorkerTest::state(const char* key)
{
    double value = -1;
    EXPECT_EQ(SIMCAM_GetValue(0, key, &value), 1) << key;
    return value;
}

void ImageWorkerTest::setSupportIsp(int supported)
{
    SIMCAM_DeviceProfile profile{};
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
    profile.supportIsp = supported;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
}
