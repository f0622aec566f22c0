// What the worker reads about the camera: the device information record,
// the factory page's part numbers, and the part number itself.
#include <cstdio>
#include <cstring>

#include "WorkerTest.h"

namespace {

using DeviceInfoTest = WorkerTest;

void setProfile(const char* name, int width, int height, int deviceType)
{
    SIMCAM_DeviceProfile profile;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
    std::snprintf(profile.name, sizeof profile.name, "%s", name);
    profile.width = width;
    profile.height = height;
    profile.deviceType = deviceType;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
}

DeviceInformation onlyRecord(const SignalJournal& journal, const QByteArray& signal, int index)
{
    const QList<QVariantList> results = journal.argsOf(signal);
    EXPECT_EQ(results.size(), 1);
    return results.value(0).value(index).value<DeviceInformation>();
}

void expectReservedEmpty(const DeviceInformation& info)
{
    EXPECT_TRUE(info.qstrReserved1.isEmpty());
    EXPECT_TRUE(info.qstrReserved2.isEmpty());
    EXPECT_TRUE(info.qstrReserved3.isEmpty());
    EXPECT_TRUE(info.qstrReserved4.isEmpty());
    EXPECT_TRUE(info.qstrReserved5.isEmpty());
}

TEST_F(DeviceInfoTest, DeviceInformationRecord)
{
    const QString times(QChar(0x00D7));
    const struct {
        const char* name;
        int width, height, deviceType;
        const char* failing;  // null: nothing fails
        QStringList calls;
        DeviceInformation expected;
    } cases[] = {
        {"SimCam Thermal #1",
         640,
         512,
         1,
         nullptr,
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution", "USBSDK_GetSoftwareVersion",
          "USBSDK_GetSerialNumber"},
         {1, "", "SIM00000001", "640" + times + "512", "", "", "", "", "", "SIMCAM-V1.0.0", "", "SimCam Thermal #1",
          1}},
        // The Vost family shows no name.
        {"Vost-T2",
         384,
         288,
         0,
         nullptr,
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution", "USBSDK_GetSoftwareVersion",
          "USBSDK_GetSerialNumber"},
         {1, "", "SIM00000001", "384" + times + "288", "", "", "", "", "", "SIMCAM-V1.0.0", "", "", 0}},
        {"vost-lower",
         640,
         512,
         1,
         nullptr,
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution", "USBSDK_GetSoftwareVersion",
          "USBSDK_GetSerialNumber"},
         {1, "", "SIM00000001", "640" + times + "512", "", "", "", "", "", "SIMCAM-V1.0.0", "", "vost-lower", 1}},
        // The name does not count towards bValid.
        {"SimCam Thermal #1",
         640,
         512,
         1,
         "GetDeviceName",
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution", "USBSDK_GetSoftwareVersion",
          "USBSDK_GetSerialNumber"},
         {1, "", "SIM00000001", "640" + times + "512", "", "", "", "", "", "SIMCAM-V1.0.0", "", "", 1}},
        // Each of the three reads stops the ones after it.
        {"SimCam Thermal #1",
         640,
         512,
         1,
         "GetDevResolution",
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution"},
         {0, "", "", "", "", "", "", "", "", "", "", "SimCam Thermal #1", 1}},
        {"SimCam Thermal #1",
         640,
         512,
         1,
         "GetSoftwareVersion",
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution", "USBSDK_GetSoftwareVersion"},
         {0, "", "", "640" + times + "512", "", "", "", "", "", "", "", "SimCam Thermal #1", 1}},
        {"SimCam Thermal #1",
         640,
         512,
         1,
         "GetSerialNumber",
         {"USBSDK_GetDeviceName", "USBSDK_GetDeviceType", "USBSDK_GetDevResolution", "USBSDK_GetSoftwareVersion",
          "USBSDK_GetSerialNumber"},
         {0, "", "", "640" + times + "512", "", "", "", "", "", "SIMCAM-V1.0.0", "", "SimCam Thermal #1", 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", failing " << (c.failing ? c.failing : "nothing"));
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        setProfile(c.name, c.width, c.height, c.deviceType);
        openCamera();
        journal_->clear();
        if (c.failing) {
            ASSERT_EQ(SIMCAM_FailNext(c.failing, 1, 0), 1);
        }
        run("setGetDeviceInfoSlot");
        EXPECT_EQ(calls(), c.calls);
        const DeviceInformation info = onlyRecord(*journal_, "sendGetDeviceInfoRetSignal", 0);
        EXPECT_EQ(info.bValid, c.expected.bValid);
        EXPECT_EQ(info.qstrDeviceName, c.expected.qstrDeviceName);
        EXPECT_EQ(info.qstrResolution, c.expected.qstrResolution);
        EXPECT_EQ(info.qstrSoftwareVersion, c.expected.qstrSoftwareVersion);
        EXPECT_EQ(info.qstrSerialNumber, c.expected.qstrSerialNumber);
        EXPECT_EQ(info.nDeviceType, c.expected.nDeviceType);
        EXPECT_TRUE(info.qstrPartNumber.isEmpty());
        EXPECT_TRUE(info.qstrMaterialsPartNumber.isEmpty());
        expectReservedEmpty(info);
    }
}

TEST_F(DeviceInfoTest, AdvancedInformationReadsBothPartNumbers)
{
    const char* kPartRead = "USBSDK_GetPartNumber(buf=out, size=32)";
    const char* kMaterialsRead = "USBSDK_GetMaterialsPartNumber(buf=out, size=32)";
    const struct {
        const char* failing;
        QStringList calls;
        bool result;
        const char* part;
        const char* materials;
    } cases[] = {
        {nullptr, {kPartRead, kMaterialsRead}, true, "SIM-PN-0001", "SIM-MPN-0001"},
        {"GetPartNumber", {kPartRead}, false, "", ""},
        {"GetMaterialsPartNumber", {kPartRead, kMaterialsRead}, false, "SIM-PN-0001", ""},
    };
    openCamera();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing ? c.failing : "nothing fails");
        SIMCAM_ClearCallLog();
        journal_->clear();
        if (c.failing) {
            ASSERT_EQ(SIMCAM_FailNext(c.failing, 1, 0), 1);
        }
        run("getAdvanceDeviceInformationSlot");
        EXPECT_EQ(callsWithArgs(), c.calls);
        const QVariantList result = journal_->argsOf("sendGetAdvanceDeviceInformationRetSignal").value(0);
        ASSERT_EQ(result.size(), 2);
        EXPECT_EQ(result[0].toBool(), c.result);
        const DeviceInformation info = result[1].value<DeviceInformation>();
        EXPECT_EQ(info.bValid, c.result ? 1 : 0);
        EXPECT_EQ(info.qstrPartNumber, QString(c.part));
        EXPECT_EQ(info.qstrMaterialsPartNumber, QString(c.materials));
        EXPECT_EQ(info.nDeviceType, 0);
        EXPECT_TRUE(info.qstrSerialNumber.isEmpty());
        EXPECT_TRUE(info.qstrDeviceName.isEmpty());
        expectReservedEmpty(info);
    }
}

// The part number travels as bytes; a full 32-byte one has no NUL and
// still comes back whole.
TEST_F(DeviceInfoTest, PartNumberTravelsAsBytes)
{
    openCamera();
    const QByteArray full = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    ASSERT_EQ(full.size(), 32);
    run("getPartNumberSlot");
    run("setPartNumberSlot", {QByteArray("NEW-PART-XYZ"), 8});
    run("getPartNumberSlot");
    run("setPartNumberSlot", {full, 32});
    run("getPartNumberSlot");
    // Lengths outside the text are refused without a camera call.
    run("setPartNumberSlot", {QByteArray("ABC"), 0});
    run("setPartNumberSlot", {QByteArray("ABC"), 4});

    EXPECT_EQ(calls(), (QStringList{"USBSDK_GetPartNumber", "USBSDK_SetDevicePart", "USBSDK_GetPartNumber",
                                    "USBSDK_SetDevicePart", "USBSDK_GetPartNumber"}));
    EXPECT_EQ(journal_->argsOf("sendGetPartNumberRetSignal"),
              (QList<QVariantList>{{true, QByteArray("SIM-PN-0001")}, {true, QByteArray("NEW-PART")}, {true, full}}));
    EXPECT_EQ(journal_->argsOf("sendSetPartNumberRetSignal"), (QList<QVariantList>{{true}, {true}, {false}, {false}}));
}

}  // namespace
