// The removal notification sources: the camera layer's callback, queued to
// the GUI thread, and the udev monitor, driven through scripted libudev
// calls over a pipe so that no USB hardware (nor udev) is needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QThread>

#include <unistd.h>

#include <memory>
#include <string>

#include "DeviceChangeNotifierFactory.h"
#include "SimDeviceChangeNotifier.h"
#include "UdevDeviceChangeNotifier.h"
#include "simcam.h"

namespace {

// Generous bound for the layer thread to deliver; never reached when things work.
constexpr int kDeliveryBoundMs = 10000;

// --- SimDeviceChangeNotifier -----------------------------------------------

class SimNotifier : public ::testing::Test {
protected:
    void SetUp() override { SIMCAM_Reset(); }
    void TearDown() override { SIMCAM_Reset(); }
};

TEST_F(SimNotifier, UnplugIsReportedOnTheGuiThreadAndArrivalsAreNot)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    SimDeviceChangeNotifier notifier;
    EXPECT_TRUE(notifier.isActive());
    int removals = 0;
    bool onGuiThread = true;
    QObject::connect(
        &notifier, &DeviceChangeNotifier::deviceRemoved, &notifier,
        [&] {
            ++removals;
            onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
        },
        Qt::DirectConnection);
    QSignalSpy spy(&notifier, &DeviceChangeNotifier::deviceRemoved);

    ASSERT_EQ(SIMCAM_Unplug(1), 1);
    ASSERT_TRUE(spy.wait(kDeliveryBoundMs));
    EXPECT_EQ(removals, 1);

    // Events come in order on one layer thread: once the second removal is
    // here, the arrival before it has been passed over.
    ASSERT_EQ(SIMCAM_Replug(1), 1);
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    ASSERT_TRUE(spy.wait(kDeliveryBoundMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(removals, 2);
    EXPECT_TRUE(onGuiThread);
}

TEST_F(SimNotifier, NothingReachesADestroyedNotifier)
{
    int removals = 0;
    {
        SimDeviceChangeNotifier notifier;
        QObject::connect(&notifier, &DeviceChangeNotifier::deviceRemoved, [&] { ++removals; });
        ASSERT_EQ(SIMCAM_Unplug(0), 1);
        // Destroyed while the event may still be on its way: the layer stops
        // calling, and a queued call dies with the notifier.
    }
    ASSERT_EQ(SIMCAM_Replug(0), 1);
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(removals, 0);
}

TEST_F(SimNotifier, TheNewestNotifierOwnsTheLayersCallback)
{
    auto first = std::make_unique<SimDeviceChangeNotifier>();
    SimDeviceChangeNotifier second;
    EXPECT_FALSE(first->isActive());
    EXPECT_TRUE(second.isActive());
    // The replaced one going away leaves the owner's callback in place.
    first.reset();
    QSignalSpy spy(&second, &DeviceChangeNotifier::deviceRemoved);
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    EXPECT_TRUE(spy.wait(kDeliveryBoundMs));
}

// --- UdevDeviceChangeNotifier ----------------------------------------------

// Scripted libudev: each step can fail; the monitor's socket is the read
// end of a pipe, and every byte written to it is one event: 'r' remove,
// 'a' add, 'b' bind, 'n' an event without an action, 'x' a receive failure.
struct FakeUdev {
    enum Step { kNone, kNew, kMonitor, kFilter, kEnable, kFd };
    static Step failAt;
    static int pipeFd[2];
    static int contexts, monitors, devices;  // live references
    static std::string subsystem, devtype, netlink;
    static char tokens[4];

    static udev* udevNew()
    {
        if (failAt == kNew) return nullptr;
        ++contexts;
        return reinterpret_cast<udev*>(&tokens[0]);
    }
    static udev* udevUnref(udev*)
    {
        --contexts;
        return nullptr;
    }
    static udev_monitor* monitorNew(udev*, const char* name)
    {
        netlink = name;
        if (failAt == kMonitor) return nullptr;
        ++monitors;
        return reinterpret_cast<udev_monitor*>(&tokens[1]);
    }
    static int addMatch(udev_monitor*, const char* s, const char* d)
    {
        subsystem = s;
        devtype = d ? d : "";
        return failAt == kFilter ? -22 : 0;
    }
    static int enable(udev_monitor*) { return failAt == kEnable ? -1 : 0; }
    static int getFd(udev_monitor*) { return failAt == kFd ? -1 : pipeFd[0]; }
    static char lastEvent;
    static udev_device* receive(udev_monitor*)
    {
        if (::read(pipeFd[0], &lastEvent, 1) != 1 || lastEvent == 'x') return nullptr;
        ++devices;
        return reinterpret_cast<udev_device*>(&tokens[2]);
    }
    static const char* action(udev_device*)
    {
        switch (lastEvent) {
            case 'r':
                return "remove";
            case 'a':
                return "add";
            case 'b':
                return "bind";
            default:
                return nullptr;
        }
    }
    static udev_device* deviceUnref(udev_device*)
    {
        --devices;
        return nullptr;
    }
    static udev_monitor* monitorUnref(udev_monitor*)
    {
        --monitors;
        return nullptr;
    }

    static UdevDeviceChangeNotifier::Api api()
    {
        return {udevNew, udevUnref, monitorNew, addMatch, enable, getFd, receive, action, deviceUnref, monitorUnref};
    }
};
FakeUdev::Step FakeUdev::failAt = FakeUdev::kNone;
int FakeUdev::pipeFd[2] = {-1, -1};
int FakeUdev::contexts = 0;
int FakeUdev::monitors = 0;
int FakeUdev::devices = 0;
std::string FakeUdev::subsystem, FakeUdev::devtype, FakeUdev::netlink;
char FakeUdev::tokens[4] = {};
char FakeUdev::lastEvent = 0;

int g_debugLines = 0;
void countDebugLines(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtDebugMsg) ++g_debugLines;
}

class UdevNotifier : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::pipe(FakeUdev::pipeFd), 0);
        FakeUdev::failAt = FakeUdev::kNone;
        FakeUdev::contexts = FakeUdev::monitors = FakeUdev::devices = 0;
        g_debugLines = 0;
    }
    void TearDown() override
    {
        ::close(FakeUdev::pipeFd[0]);
        ::close(FakeUdev::pipeFd[1]);
    }
    static void send(char event) { ASSERT_EQ(::write(FakeUdev::pipeFd[1], &event, 1), 1); }
    // Lets the event loop see the readable pipe; bounded, no clock.
    static void deliver()
    {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
};

TEST_F(UdevNotifier, WatchesWholeUsbDevicesAndReportsRemovalsOnly)
{
    UdevDeviceChangeNotifier notifier(FakeUdev::api());
    ASSERT_TRUE(notifier.isActive());
    EXPECT_EQ(FakeUdev::netlink, "udev");
    EXPECT_EQ(FakeUdev::subsystem, "usb");
    EXPECT_EQ(FakeUdev::devtype, "usb_device");
    QSignalSpy spy(&notifier, &DeviceChangeNotifier::deviceRemoved);

    struct Case {
        char event;
        int removals;
    };
    int expected = 0;
    for (const Case& c : {Case{'a', 0}, Case{'r', 1}, Case{'b', 0}, Case{'n', 0}, Case{'x', 0}, Case{'r', 1}}) {
        SCOPED_TRACE(c.event);
        send(c.event);
        deliver();
        expected += c.removals;
        EXPECT_EQ(spy.count(), expected);
        EXPECT_EQ(FakeUdev::devices, 0);  // every received device released
    }
}

TEST_F(UdevNotifier, AFailingStepLeavesItInactiveWithOneDebugLine)
{
    for (FakeUdev::Step step :
         {FakeUdev::kNew, FakeUdev::kMonitor, FakeUdev::kFilter, FakeUdev::kEnable, FakeUdev::kFd}) {
        SCOPED_TRACE(step);
        FakeUdev::failAt = step;
        g_debugLines = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countDebugLines);
        {
            UdevDeviceChangeNotifier notifier(FakeUdev::api());
            EXPECT_FALSE(notifier.isActive());
            // Released at once, not at destruction.
            EXPECT_EQ(FakeUdev::contexts, 0);
            EXPECT_EQ(FakeUdev::monitors, 0);
            QSignalSpy spy(&notifier, &DeviceChangeNotifier::deviceRemoved);
            send('r');
            deliver();
            EXPECT_EQ(spy.count(), 0);
        }
        qInstallMessageHandler(previous);
        EXPECT_EQ(g_debugLines, 1);
        char drained;
        ASSERT_EQ(::read(FakeUdev::pipeFd[0], &drained, 1), 1);
    }
}

TEST_F(UdevNotifier, ReleasesItsReferencesWhenDestroyed)
{
    {
        UdevDeviceChangeNotifier notifier(FakeUdev::api());
        EXPECT_EQ(FakeUdev::contexts, 1);
        EXPECT_EQ(FakeUdev::monitors, 1);
    }
    EXPECT_EQ(FakeUdev::contexts, 0);
    EXPECT_EQ(FakeUdev::monitors, 0);
}

TEST(UdevNotifierOnThisMachine, ConstructsWhetherOrNotUdevIsThere)
{
    // Containers often have no udev: either way nothing may crash.
    UdevDeviceChangeNotifier notifier;
    QCoreApplication::processEvents();
    SUCCEED() << (notifier.isActive() ? "udev monitor running" : "no udev monitor");
}

// --- DeviceChangeNotifierFactory -------------------------------------------

TEST(DeviceChangeNotifierFactory, GivesTheActiveSourcesAndTheCameraLayersReports)
{
    SIMCAM_Reset();
    QObject parent;
    const QList<DeviceChangeNotifier*> sources = DeviceChangeNotifierFactory::create(&parent);
    DeviceChangeNotifier* layerSource = nullptr;
    for (DeviceChangeNotifier* source : sources) {
        EXPECT_TRUE(source->isActive());
        EXPECT_EQ(source->parent(), &parent);
        if (qobject_cast<SimDeviceChangeNotifier*>(source)) {
            EXPECT_EQ(layerSource, nullptr);
            layerSource = source;
        }
    }
    ASSERT_NE(layerSource, nullptr);
    EXPECT_LE(sources.size(), 2);

    QSignalSpy spy(layerSource, &DeviceChangeNotifier::deviceRemoved);
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    EXPECT_TRUE(spy.wait(kDeliveryBoundMs));
    SIMCAM_Reset();
}

}  // namespace
