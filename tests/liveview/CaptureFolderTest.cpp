// Capture folders and names, the serial number as a folder name, and the
// free-space probe with its 5 GiB limit.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstring>

#include "CaptureFolder.h"
#include "DeviceSdkWrapper.h"
#include "FreeSpaceProbe.h"
#include "simcam.h"

namespace {

TEST(CaptureFolderTest, SerialNumbersBecomeSafeFolderNames)
{
    const struct {
        QByteArray raw;
        const char* folder;  // empty: not usable
    } cases[] = {
        {QByteArray("SIM00000001"), "SIM00000001"},
        {QByteArray("ab.C_9-z"), "ab.C_9-z"},
        {QByteArray("AB/..\x01 1"), "AB_..__1"},
        {QByteArray("..\\x"), ".._x"},
        {QByteArray("\xe6\xb8\xa9"), "___"},  // each byte of a UTF-8 character
        {QByteArray("SN1\0junk", 8), "SN1"},  // a fixed field ends at its NUL
        {QByteArray("/"), "_"},
        {QByteArray("..."), "..."},
        {QByteArray("."), ""},
        {QByteArray(".."), ""},
        {QByteArray(""), ""},
        {QByteArray("\0SN", 3), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw.toHex().toStdString());
        EXPECT_EQ(CaptureFolder::sanitiseSerial(c.raw), QString::fromLatin1(c.folder));
    }
}

TEST(CaptureFolderTest, DayFoldersAndFileNames)
{
    const QDate day(2024, 12, 31);
    EXPECT_EQ(CaptureFolder::dayFolder("/r", "SN1", "Snapshot", day), QString("/r/SN1/Snapshot/20241231"));
    EXPECT_EQ(CaptureFolder::dayFolder("/r", "SN1", "Records", day), QString("/r/SN1/Records/20241231"));
    EXPECT_EQ(CaptureFolder::dayFolder("/r", "", "Snapshot", day), QString("/r/20241231"));
    EXPECT_EQ(CaptureFolder::fileName(QDateTime(QDate(2024, 2, 3), QTime(4, 5, 6, 7)), ".png"),
              QString("20240203_040506_007.png"));
    EXPECT_EQ(CaptureFolder::fileName(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 999)), ".mp4"),
              QString("20241231_235959_999.mp4"));
}

TEST(CaptureFolderTest, SerialIsReadFromTheOpenCameraAndSanitised)
{
    SIMCAM_Reset();
    USBSDK_Init();
    DeviceSdkWrapper& sdk = DeviceSdkWrapper::getInstance();
    EXPECT_EQ(CaptureFolder::readSerial(), QString());  // no camera

    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    std::memset(p.serial, 0, sizeof p.serial);
    std::strcpy(p.serial, "AB/C D");
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    USBSDK_DeviceInfo list[8];
    std::memset(list, 0, sizeof list);
    ASSERT_GE(sdk.GetDevInfoList(list, 8), 1);
    ASSERT_TRUE(sdk.Open(&list[0]));
    EXPECT_EQ(CaptureFolder::readSerial(), QString("AB_C_D"));

    ASSERT_EQ(SIMCAM_FailNext("GetSerialNumber", 1, 0), 1);
    EXPECT_EQ(CaptureFolder::readSerial(), QString());
    sdk.Close();
    SIMCAM_Reset();
}

class FreeSpaceProbeTest : public ::testing::Test {
protected:
    void TearDown() override { FreeSpaceProbe::setSource(nullptr); }
};

TEST_F(FreeSpaceProbeTest, OnlyAKnownShortageIsTooLittle)
{
    EXPECT_EQ(FreeSpaceProbe::kMinFreeBytes, qint64(5) * 1024 * 1024 * 1024);
    const struct {
        qint64 (*source)(const QString&);
        bool tooLittle;
    } cases[] = {
        {[](const QString&) { return qint64(-1); }, false},  // query failed
        {[](const QString&) { return qint64(0); }, true},
        {[](const QString&) { return FreeSpaceProbe::kMinFreeBytes - 1; }, true},
        {[](const QString&) { return FreeSpaceProbe::kMinFreeBytes; }, false},
    };
    for (const auto& c : cases) {
        FreeSpaceProbe::setSource(c.source);
        EXPECT_EQ(FreeSpaceProbe::tooLittle("/any"), c.tooLittle) << FreeSpaceProbe::bytesAvailable("/any");
    }
}

TEST_F(FreeSpaceProbeTest, FileSystemQueryUsesTheNearestExistingFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FreeSpaceProbe::setSource([](const QString&) { return qint64(7); });
    FreeSpaceProbe::setSource(nullptr);  // restores the file-system query
    EXPECT_GT(FreeSpaceProbe::bytesAvailable(dir.path()), 0);
    // A day folder not yet created is asked through its parents.
    const QString missing = dir.path() + "/SN/Snapshot/20240101";
    EXPECT_GT(FreeSpaceProbe::bytesAvailable(missing), 0);
    EXPECT_FALSE(QDir(missing).exists());
    EXPECT_EQ(FreeSpaceProbe::bytesAvailable(QString()), -1);
}

}  // namespace
