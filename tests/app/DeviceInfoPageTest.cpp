// The device information page: without a camera five empty values and no
// request; with the simulated camera the worker's answer fills the values;
// a failed answer closes the wait dialog before the message.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QThread>

#include <cstring>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "QDevCommExec.h"
#include "QDevInfo.h"
#include "QDeviceInfoModule.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

class DeviceInfoPageTest : public ::testing::Test {
protected:
    void SetUp() override { SIMCAM_Reset(); }
    void TearDown() override { sdk().Close(); }
    QString value(int row) const { return module_.panel()->valueLabel(row)->text(); }

    FakeUiPrompts prompts_;
    QDeviceInfoModule module_;
};

TEST_F(DeviceInfoPageTest, WithoutACameraTheValuesAreEmpty)
{
    QSignalSpy asked(&module_, &QDeviceInfoModule::sendGetDeviceInfoSignal);
    module_.panel()->valueLabel(0)->setText("old");
    module_.refreshDevInfo();
    for (int row = 0; row < 5; ++row) EXPECT_EQ(value(row), "") << row;
    EXPECT_EQ(asked.count(), 0);
    EXPECT_EQ(prompts_.count(Kind::WaitStatus), 0);
}

TEST_F(DeviceInfoPageTest, ShowsTheSimulatedCamerasValues)
{
    USBSDK_DeviceInfo list[64];
    std::memset(list, 0, sizeof list);
    ASSERT_GE(sdk().GetDevInfoList(list, 64), 1);
    ASSERT_TRUE(sdk().Open(&list[0]));
    char serial[32] = {};
    ASSERT_TRUE(sdk().GetSerialNumber(serial));

    QThread thread;
    auto* worker = new QDevCommExec;
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(&module_, &QDeviceInfoModule::sendGetDeviceInfoSignal, worker,
                     &QDevCommExec::setGetDeviceInfoSlot);
    QObject::connect(worker, &QDevCommExec::sendGetDeviceInfoRetSignal, &module_,
                     &QDeviceInfoModule::sendGetDeviceInfoRetSignal);
    thread.start();

    QSignalSpy answered(worker, &QDevCommExec::sendGetDeviceInfoRetSignal);
    module_.refreshDevInfo();
    EXPECT_TRUE(prompts_.last(Kind::WaitStatus).shown);
    ASSERT_TRUE(answered.wait(5000));
    QCoreApplication::processEvents();
    thread.quit();
    thread.wait();

    EXPECT_FALSE(prompts_.last(Kind::WaitStatus).shown) << "the wait dialog is closed";
    EXPECT_EQ(value(1), "Temperature measurement");
    EXPECT_EQ(value(2), QString("640") + QChar(0x00D7) + "512");
    EXPECT_EQ(value(3), QString::fromUtf8(serial));
    EXPECT_FALSE(value(4).isEmpty());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(DeviceInfoPageTest, AFailedAnswerClosesTheWaitDialogFirst)
{
    module_.panel()->valueLabel(3)->setText("kept");
    DeviceInformation failed;
    emit module_.sendGetDeviceInfoRetSignal(failed);
    ASSERT_EQ(prompts_.calls.size(), 2);
    EXPECT_EQ(prompts_.calls[0].kind, Kind::WaitStatus);
    EXPECT_FALSE(prompts_.calls[0].shown);
    EXPECT_EQ(prompts_.calls[1].kind, Kind::Notice);
    EXPECT_EQ(prompts_.calls[1].text, "Failed to get device information");
    EXPECT_EQ(value(3), "kept");

    DeviceInformation observation;
    observation.bValid = 1;
    observation.nDeviceType = 0;
    emit module_.sendGetDeviceInfoRetSignal(observation);
    EXPECT_EQ(value(1), "Observation");
}

}  // namespace
