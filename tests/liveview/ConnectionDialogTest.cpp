// The connection dialog against the simulated camera: the port-name rule,
// the device texts, the lists, the chosen record and the refusals. Message
// boxes go to the recording fake; nothing here runs a nested event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

#include <cstring>
#include <string>
#include <vector>

#include "DeviceInfoText.h"
#include "FakeUiPrompts.h"
#include "QLoginSetting.h"
#include "SerialPortNumber.h"
#include "camsdk.h"
#include "simcam.h"

namespace {

// Translates every text to "context|source".
class TaggingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QString("%1|%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
};

USBSDK_DeviceInfo entry(const char* name, int port)
{
    USBSDK_DeviceInfo info{};
    std::strncpy(info.name, name, sizeof info.name - 1);
    info.port = static_cast<uint8_t>(port);
    return info;
}

bool sameRecord(const USBSDK_DeviceInfo& a, const USBSDK_DeviceInfo& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void setDevice(int index, const char* name, int port)
{
    SIMCAM_DeviceProfile p{};
    ASSERT_EQ(SIMCAM_GetDeviceProfile(index, &p), 1);
    std::snprintf(p.name, sizeof p.name, "%s", name);
    p.port = port;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(index, &p), 1);
}

// Logged camera calls since the last clear, as "function(args)".
std::vector<std::string> loggedCalls()
{
    std::vector<SIMCAM_CallRecord> log(256);
    int total = 0;
    long long overwritten = 0;
    SIMCAM_GetCallLog(log.data(), static_cast<int>(log.size()), &total, &overwritten);
    std::vector<std::string> out;
    for (int i = 0; i < total && i < static_cast<int>(log.size()); ++i)
        out.push_back(std::string(log[size_t(i)].function) + "(" + log[size_t(i)].args + ")");
    return out;
}

QStringList rows(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

// --- SerialPortNumber ------------------------------------------------------

TEST(SerialPortNumber, MapsEachFamilyAndRefusesWhatNoByteHolds)
{
    struct Case {
        const char* name;
        int port;
    };
    const Case cases[] = {{"COM3", 3},
                          {"COM1", 1},
                          {"COM255", 255},
                          {"ttyUSB0", 1},
                          {"ttyUSB254", 255},
                          {"ttyACM0", 101},
                          {"ttyACM7", 108},
                          {"ttyACM154", 255},
                          {"ttyS0", 201},
                          {"ttyS4", 205},
                          {"ttyS54", 255},
                          // Not found: a result of 0 or above 255.
                          {"COM0", 0},
                          {"COM256", 0},
                          {"ttyUSB255", 0},
                          {"ttyACM155", 0},
                          {"ttyS55", 0},
                          {"ttyS60", 0},
                          // Not found: no number, not plain decimal, another family.
                          {"", 0},
                          {"tty", 0},
                          {"COM", 0},
                          {"ttyUSB", 0},
                          {"COM-3", 0},
                          {"COM+3", 0},
                          {"COM 3", 0},
                          {"COM3 ", 0},
                          {"COM03", 0},
                          {"ttyUSB00", 0},
                          {"COM1000", 0},
                          {"COM99999999999", 0},
                          {"com3", 0},
                          {"ttyAMA0", 0},
                          {"ttySAC0", 0},
                          {"rfcomm0", 0},
                          {"/dev/ttyUSB0", 0},
                          {"COM\xef\xbc\x93", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SerialPortNumber::fromPortName(QString::fromUtf8(c.name)), c.port);
    }
    EXPECT_EQ(SerialPortNumber::kNotFound, 0);
}

// --- DeviceInfoText --------------------------------------------------------

TEST(DeviceInfoText, ListAndCaptionTexts)
{
    struct Case {
        const char* name;
        int port;
        const char* list;
        const char* caption;
    };
    const Case cases[] = {
        {"Vost T2", 5, "Thermal-Com5", "Thermal-Com5"},
        {"Vost", 3, "Thermal-Com3", "Thermal-Com3"},
        {"vost T2", 5, "vost T2-Com5", "vost T2-Com5"},
        {"Vos", 5, "Vos-Com5", "Vos-Com5"},
        {"Lab camera", 5, "Lab camera-Com5", "Lab camera-Com5"},
        {"SimCam Thermal #1", 3, "SimCam Thermal #1-Com3", "SimCam Thermal #1-Com3"},
        {"", 12, "-Com12", "Com12"},
        {"Kamera \xc3\x9c", 255, "Kamera \xc3\x9c-Com255", "Kamera \xc3\x9c-Com255"},
        {"\xe7\x83\xad\xe5\x83\x8f", 0, "\xe7\x83\xad\xe5\x83\x8f-Com0", "\xe7\x83\xad\xe5\x83\x8f-Com0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const USBSDK_DeviceInfo info = entry(c.name, c.port);
        EXPECT_EQ(DeviceInfoText::listText(info), QString::fromUtf8(c.list));
        EXPECT_EQ(DeviceInfoText::captionText(info), QString::fromUtf8(c.caption));
    }
}

TEST(DeviceInfoText, NameStopsAtTheFieldEnd)
{
    // A name filling all 256 bytes with no NUL: the port byte behind it
    // ('Z') must not be read as part of it.
    USBSDK_DeviceInfo full{};
    std::memset(full.name, 'A', sizeof full.name);
    full.port = 'Z';
    const QString name = DeviceInfoText::name(full);
    EXPECT_EQ(name, QString(256, QLatin1Char('A')));
    EXPECT_EQ(DeviceInfoText::listText(full), QString(256, QLatin1Char('A')) + "-Com90");

    // The first NUL ends the name; what follows is ignored.
    USBSDK_DeviceInfo early = entry("Cam", 3);
    std::memcpy(early.name + 4, "junk", 4);
    EXPECT_EQ(DeviceInfoText::name(early), "Cam");

    // Not UTF-8: replacement characters, never refused.
    const USBSDK_DeviceInfo bad = entry("Cam\xff", 3);
    EXPECT_EQ(DeviceInfoText::name(bad), QString("Cam") + QChar(QChar::ReplacementCharacter));

    // A multi-byte character cut by the field end does not reach past it.
    USBSDK_DeviceInfo cut{};
    std::memset(cut.name, 'B', sizeof cut.name);
    cut.name[255] = '\xe7';
    EXPECT_EQ(DeviceInfoText::name(cut), QString(255, QLatin1Char('B')) + QChar(QChar::ReplacementCharacter));
}

// --- QLoginSetting ---------------------------------------------------------

class LoginSetting : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        SIMCAM_ClearCallLog();
        connect();
    }
    void TearDown() override { SIMCAM_Reset(); }

    void connect()
    {
        QObject::connect(&dlg, &QLoginSetting::sendConncetDeviceSignal, &dlg,
                         [this](USBSDK_DeviceInfo info) { sent.push_back(info); });
    }
    void setPorts(const QStringList& ports)
    {
        dlg.setSerialPortSource([ports] { return ports; });
    }
    // The list the camera layer gives now, for comparison.
    static std::vector<USBSDK_DeviceInfo> layerList()
    {
        std::vector<USBSDK_DeviceInfo> list(QLoginSetting::kDeviceCapacity);
        list.resize(size_t(USBSDK_GetDevInfoList(list.data(), QLoginSetting::kDeviceCapacity)));
        return list;
    }

    FakeUiPrompts prompts;
    QLoginSetting dlg;
    std::vector<USBSDK_DeviceInfo> sent;
};

TEST_F(LoginSetting, BuildsTheFramelessDialogInUvcMode)
{
    EXPECT_EQ(dlg.size(), QSize(480, 306));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dlg.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(dlg.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dlg.connectType(), QLoginSetting::kConnectUvc);

    EXPECT_TRUE(dlg.uvcRadioButton()->isChecked());
    EXPECT_FALSE(dlg.serialRadioButton()->isChecked());
    EXPECT_EQ(dlg.uvcRadioButton()->objectName(), "RadioBtnStyle1");
    EXPECT_EQ(dlg.serialRadioButton()->objectName(), "RadioBtnStyle1");
    EXPECT_EQ(dlg.uvcRadioButton()->height(), 32);
    EXPECT_EQ(dlg.deviceListWidget()->objectName(), "DeviceListWidget");
    EXPECT_EQ(dlg.serialPortListWidget()->objectName(), "DeviceListWidget");
    EXPECT_EQ(dlg.deviceListWidget()->height(), 128);
    EXPECT_EQ(dlg.serialPortListWidget()->height(), 128);
    EXPECT_TRUE(dlg.deviceListWidget()->isVisibleTo(&dlg));
    EXPECT_FALSE(dlg.serialPortListWidget()->isVisibleTo(&dlg));
    EXPECT_EQ(dlg.connectButton()->objectName(), "BtnStyle1");
    ASSERT_NE(dlg.findChild<QPushButton*>("CloseBtn"), nullptr);
    ASSERT_NE(dlg.findChild<QPushButton*>("SearchBtn"), nullptr);

    QStringList labels;
    for (QLabel* l : dlg.findChildren<QLabel*>("Label_FF_85_14")) labels << l->text();
    labels.sort();
    EXPECT_EQ(labels, QStringList({"Connect device", "Connection type", "Device"}));
    EXPECT_EQ(dlg.uvcRadioButton()->text(), "UVC");
    EXPECT_EQ(dlg.serialRadioButton()->text(), "Serial port");
    EXPECT_EQ(dlg.connectButton()->text(), "Connect");
}

TEST_F(LoginSetting, ShowingListsTheSimulatedCameras)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    dlg.show();
    EXPECT_EQ(rows(dlg.deviceListWidget()), QStringList({"SimCam Thermal #1-Com3", "SimCam Thermal #2-Com4"}));
    EXPECT_EQ(dlg.deviceListWidget()->currentRow(), 0);
    EXPECT_TRUE(dlg.connectButton()->isEnabled());

    // The dialog offers the layer its whole table of 64 entries.
    bool asked = false;
    for (const std::string& call : loggedCalls())
        if (call.rfind("USBSDK_GetDevInfoList(", 0) == 0) asked = call.find("capacity=64") != std::string::npos;
    EXPECT_TRUE(asked);
}

TEST_F(LoginSetting, ListsVostCamerasAsThermal)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    setDevice(0, "Vost T2", 5);
    setDevice(1, "Lab camera", 5);
    dlg.show();
    EXPECT_EQ(rows(dlg.deviceListWidget()), QStringList({"Thermal-Com5", "Lab camera-Com5"}));
}

TEST_F(LoginSetting, RefreshButtonRereadsTheList)
{
    dlg.show();
    EXPECT_EQ(dlg.deviceListWidget()->count(), 1);
    ASSERT_EQ(SIMCAM_SetDeviceCount(3), 1);
    dlg.findChild<QPushButton*>("SearchBtn")->click();
    EXPECT_EQ(dlg.deviceListWidget()->count(), 3);
    ASSERT_EQ(SIMCAM_SetDeviceCount(0), 1);
    dlg.findChild<QPushButton*>("SearchBtn")->click();
    EXPECT_EQ(dlg.deviceListWidget()->count(), 0);
    EXPECT_FALSE(dlg.connectButton()->isEnabled());
}

TEST_F(LoginSetting, ConnectSendsTheChosenCamerasRecord)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    dlg.show();
    dlg.deviceListWidget()->setCurrentRow(1);
    dlg.connectButton()->click();

    ASSERT_EQ(sent.size(), 1u);
    const auto list = layerList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(sameRecord(sent[0], list[1]));
    EXPECT_STREQ(sent[0].name, "SimCam Thermal #2");
    EXPECT_EQ(sent[0].port, 4);
    EXPECT_NE(sent[0].streamFlag, 0u);
    EXPECT_TRUE(dlg.isVisible());  // the receiver decides when to hide it
    EXPECT_EQ(prompts.calls.size(), 0);
}

TEST_F(LoginSetting, ConnectButtonFollowsTheListOfTheCurrentType)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(0), 1);
    setPorts({"ttyUSB0"});
    dlg.show();
    EXPECT_FALSE(dlg.connectButton()->isEnabled());

    dlg.serialRadioButton()->click();
    EXPECT_EQ(dlg.connectType(), QLoginSetting::kConnectSerial);
    EXPECT_FALSE(dlg.deviceListWidget()->isVisibleTo(&dlg));
    EXPECT_TRUE(dlg.serialPortListWidget()->isVisibleTo(&dlg));
    EXPECT_EQ(rows(dlg.serialPortListWidget()), QStringList({"ttyUSB0"}));
    EXPECT_EQ(dlg.serialPortListWidget()->currentRow(), 0);
    EXPECT_TRUE(dlg.connectButton()->isEnabled());

    // Cameras do not enable it in serial mode without a port.
    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    setPorts({});
    dlg.findChild<QPushButton*>("SearchBtn")->click();
    EXPECT_EQ(dlg.deviceListWidget()->count(), 2);
    EXPECT_FALSE(dlg.connectButton()->isEnabled());

    dlg.uvcRadioButton()->click();
    EXPECT_EQ(dlg.connectType(), QLoginSetting::kConnectUvc);
    EXPECT_TRUE(dlg.deviceListWidget()->isVisibleTo(&dlg));
    EXPECT_FALSE(dlg.serialPortListWidget()->isVisibleTo(&dlg));
    EXPECT_TRUE(dlg.connectButton()->isEnabled());
}

TEST_F(LoginSetting, SwitchingTheTypeTellsTheLayerBeforeListing)
{
    dlg.show();
    struct Case {
        QRadioButton* radio;
        const char* setType;
    };
    for (const Case& c : {Case{dlg.serialRadioButton(), "USBSDK_SetDeviceConnectType(type=1, reserved=0)"},
                          Case{dlg.uvcRadioButton(), "USBSDK_SetDeviceConnectType(type=0, reserved=0)"}}) {
        SCOPED_TRACE(c.setType);
        SIMCAM_ClearCallLog();
        c.radio->click();
        const auto calls = loggedCalls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0], c.setType);
        EXPECT_EQ(calls[1].rfind("USBSDK_GetDevInfoList(", 0), 0u) << calls[1];
    }
}

TEST_F(LoginSetting, SerialModeSendsTheFirstRecordWithThePortNumber)
{
    struct Case {
        int cameras;
        QStringList ports;
        int row;
        int port;
    };
    const Case cases[] = {
        {0, {"COM12"}, 0, 12}, {2, {"ttyS0", "ttyUSB0"}, 1, 1}, {1, {"ttyACM0"}, 0, 101}, {2, {"ttyS54"}, 0, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ports.join(',').toStdString());
        SIMCAM_Reset();
        sent.clear();
        ASSERT_EQ(SIMCAM_SetDeviceCount(c.cameras), 1);
        setPorts(c.ports);
        dlg.show();
        dlg.serialRadioButton()->click();
        dlg.serialPortListWidget()->setCurrentRow(c.row);
        dlg.connectButton()->click();

        ASSERT_EQ(sent.size(), 1u);
        USBSDK_DeviceInfo expected{};
        const auto list = layerList();  // listed in serial mode
        if (c.cameras > 0) expected = list[0];
        expected.port = static_cast<uint8_t>(c.port);
        EXPECT_TRUE(sameRecord(sent[0], expected));
        EXPECT_EQ(sent[0].port, c.port);
        EXPECT_EQ(prompts.calls.size(), 0);
        dlg.hide();
    }
}

TEST_F(LoginSetting, SerialPortsWithoutAByteAreRefused)
{
    const char* const names[] = {"ttyS60", "COM0", "COM256", "tty", "", "ttyAMA0", "COM03"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        prompts.clear();
        setPorts({QString::fromLatin1(name)});
        dlg.show();
        dlg.serialRadioButton()->click();
        ASSERT_TRUE(dlg.connectButton()->isEnabled());
        dlg.connectButton()->click();

        EXPECT_TRUE(sent.empty());
        ASSERT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), 1);
        EXPECT_EQ(prompts.last(FakeUiPrompts::Kind::Notice).text, "Device not found.");
        EXPECT_EQ(prompts.last(FakeUiPrompts::Kind::Notice).parent, &dlg);
        dlg.hide();
    }
}

TEST_F(LoginSetting, ConnectWithNothingChosen)
{
    // The button is disabled then; the slot itself still refuses.
    ASSERT_EQ(SIMCAM_SetDeviceCount(0), 1);
    setPorts({});
    dlg.show();
    ASSERT_TRUE(QMetaObject::invokeMethod(&dlg, "setConnectDeviceSlot"));
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(prompts.calls.size(), 0);  // UVC: nothing to say

    dlg.serialRadioButton()->click();
    ASSERT_TRUE(QMetaObject::invokeMethod(&dlg, "setConnectDeviceSlot"));
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(prompts.texts(FakeUiPrompts::Kind::Notice), QStringList({"Device not found."}));
}

TEST_F(LoginSetting, TypePersistsAndEveryShowingRefreshes)
{
    setPorts({"ttyUSB0"});
    dlg.show();
    dlg.serialRadioButton()->click();
    dlg.findChild<QPushButton*>("CloseBtn")->click();
    EXPECT_FALSE(dlg.isVisible());

    ASSERT_EQ(SIMCAM_SetDeviceCount(2), 1);
    setPorts({"ttyACM0", "ttyACM1"});
    dlg.show();
    EXPECT_EQ(dlg.connectType(), QLoginSetting::kConnectSerial);
    EXPECT_TRUE(dlg.serialRadioButton()->isChecked());
    EXPECT_TRUE(dlg.serialPortListWidget()->isVisibleTo(&dlg));
    EXPECT_EQ(rows(dlg.serialPortListWidget()), QStringList({"ttyACM0", "ttyACM1"}));
    EXPECT_EQ(dlg.deviceListWidget()->count(), 2);
}

TEST_F(LoginSetting, TextsFollowTheLanguage)
{
    TaggingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    QStringList labels;
    for (QLabel* l : dlg.findChildren<QLabel*>("Label_FF_85_14")) labels << l->text();
    labels.sort();
    EXPECT_EQ(labels,
              QStringList({"QLoginSetting|Connect device", "QLoginSetting|Connection type", "QLoginSetting|Device"}));
    EXPECT_EQ(dlg.uvcRadioButton()->text(), "QLoginSetting|UVC");
    EXPECT_EQ(dlg.serialRadioButton()->text(), "QLoginSetting|Serial port");
    EXPECT_EQ(dlg.connectButton()->text(), "QLoginSetting|Connect");

    setPorts({"COM0"});
    dlg.show();
    dlg.serialRadioButton()->click();
    dlg.connectButton()->click();
    EXPECT_EQ(prompts.texts(FakeUiPrompts::Kind::Notice), QStringList({"QLoginSetting|Device not found."}));

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(dlg.connectButton()->text(), "Connect");
}
