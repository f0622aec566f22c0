// The firmware update worker over the simulated camera on the manual clock:
// the single flashes, and the combined package flashed from a private
// temporary folder with the wait for the camera between its two burns.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

#include "FirmwarePackageWriter.h"
#include "ImagePagesTestSupport.h"
#include "SimCamera.h"
#include "UpdateExec.h"
#include "simcam.h"

using firmwaretest::Entry;

namespace {

QStringList below(const QString& root)
{
    return firmwaretest::below(root, QDir::AllEntries);
}

std::string result(bool ok, int a, int b = 0)
{
    return "(" + std::to_string(ok) + ", " + std::to_string(a) + ", " + std::to_string(b) + ")";
}

const QStringList kFlashes{"UpdateMainProgram", "Update3014Program"};

// A scratch folder holding the system temporary folder ("tmp", TMPDIR points
// there) and the folder of the package ("pkg"); the worker with a sleep that
// moves the simulated camera's manual clock, and its results recorded.
class UpdateExecTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        SIMCAM_SetClockMode(1);
        ASSERT_TRUE(simcamera::openFirst());
        ASSERT_TRUE(QDir(scratch_.path()).mkpath("tmp") && QDir(scratch_.path()).mkpath("pkg"));
        tmp_ = scratch_.filePath("tmp");
        pkg_ = scratch_.filePath("pkg");
        hadTmp_ = qEnvironmentVariableIsSet("TMPDIR");
        oldTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp_));
        ASSERT_EQ(QDir::tempPath(), tmp_);

        exec_.setSleep([this](int ms) {
            sleeps_.push_back(ms);
            SIMCAM_AdvanceTime(ms);
        });
        QObject::connect(&exec_, &UpdateExec::Send_Combined_Update_Ret,
                         [this](bool ok, int steps, int err) { combined_.push_back(result(ok, steps, err)); });
        QObject::connect(&exec_, &UpdateExec::Send_MainProgram_Update_Ret,
                         [this](bool ok, int err) { single_.push_back(result(ok, err)); });
        QObject::connect(&exec_, &UpdateExec::Send_USB_Update_Ret,
                         [this](bool ok, int err) { single_.push_back(result(ok, err)); });
        SIMCAM_ClearCallLog();
    }
    void TearDown() override
    {
        if (hadTmp_) {
            qputenv("TMPDIR", oldTmp_);
        } else {
            qunsetenv("TMPDIR");
        }
        SIMCAM_Reset();
    }

    // The package "pkg.bin" in the package folder.
    QString package(const QVector<Entry>& entries, const QString& mark = "KV")
    {
        const QString path = pkg_ + "/pkg.bin";
        EXPECT_TRUE(firmwaretest::writePackage(path, entries, mark));
        return path;
    }
    // The logged flash calls, each "Name(path=...)".
    QStringList flashes() const { return imagepages::cameraCalls(kFlashes); }

    QTemporaryDir scratch_;
    QString tmp_;
    QString pkg_;
    bool hadTmp_ = false;
    QByteArray oldTmp_;
    UpdateExec exec_;
    std::vector<int> sleeps_;
    std::vector<std::string> combined_;
    std::vector<std::string> single_;
};

const Entry kInstall{"Install.json", firmwaretest::installFile({"burn main.bin 1", "burn usb.img 2"})};
const Entry kMain{"main.bin", "MAIN-PROGRAM"};
const Entry kUsb{"usb.img", "USB-PROGRAM"};

// The path the worker handed the camera, as the call log quotes it, from the
// private folder's extraction root.
QString fromExtraction(const QString& flash)
{
    const int at = flash.indexOf("/TempExtractDir/");
    return at < 0 ? flash : flash.mid(at);
}

TEST_F(UpdateExecTest, CombinedPackageFlashesBothFilesInOrderFromAPrivateFolderAndLeavesNothing)
{
    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}));

    EXPECT_EQ(combined_, (std::vector<std::string>{result(true, 0, 0), result(true, 1, 0)}));
    const QStringList calls = flashes();
    ASSERT_EQ(calls.size(), 2) << calls.join("; ").toStdString();
    EXPECT_TRUE(calls[0].startsWith("UpdateMainProgram(path=\"" + tmp_ + "/")) << calls[0].toStdString();
    EXPECT_EQ(fromExtraction(calls[0]).toStdString(), "/TempExtractDir/main.bin\")");
    EXPECT_TRUE(calls[1].startsWith("Update3014Program(path=\"" + tmp_ + "/")) << calls[1].toStdString();
    EXPECT_EQ(fromExtraction(calls[1]).toStdString(), "/TempExtractDir/usb.img\")");
    // The camera reboots after the first burn: a first wait, then polls.
    ASSERT_FALSE(sleeps_.empty());
    EXPECT_EQ(sleeps_.front(), 3000);
    for (size_t i = 1; i < sleeps_.size(); ++i) EXPECT_EQ(sleeps_[i], 1000);

    EXPECT_EQ(below(tmp_), QStringList());
    EXPECT_EQ(below(pkg_), QStringList{"pkg.bin"});
}

TEST_F(UpdateExecTest, FilesWhereTheOldFlowPutItsTemporariesAreUntouched)
{
    const QString path = package({kInstall, kMain, kUsb});
    ASSERT_TRUE(firmwaretest::writeFile(pkg_ + "/pkg.zip", "the user's own zip"));
    ASSERT_TRUE(QDir(pkg_).mkpath("TempExtractDir"));
    ASSERT_TRUE(firmwaretest::writeFile(pkg_ + "/TempExtractDir/notes.txt", "the user's notes"));
    ASSERT_TRUE(firmwaretest::writeFile(pkg_ + "/TempExtractDir/main.bin", "the user's main.bin"));

    exec_.setCombinedUpdateSlots(path);

    EXPECT_EQ(combined_.back(), result(true, 1, 0));
    EXPECT_EQ(below(pkg_), (QStringList{"TempExtractDir", "TempExtractDir/main.bin", "TempExtractDir/notes.txt",
                                        "pkg.bin", "pkg.zip"}));
    EXPECT_EQ(firmwaretest::readAll(pkg_ + "/pkg.zip"), "the user's own zip");
    EXPECT_EQ(firmwaretest::readAll(pkg_ + "/TempExtractDir/notes.txt"), "the user's notes");
    EXPECT_EQ(firmwaretest::readAll(pkg_ + "/TempExtractDir/main.bin"), "the user's main.bin");
    EXPECT_FALSE(flashes().join(";").contains(pkg_));
}

TEST_F(UpdateExecTest, BurnEntryMatchesTheFileNameBeforeAContainingDecoy)
{
    exec_.setCombinedUpdateSlots(package({{"Install.json", firmwaretest::installFile({"burn a.bin 1", "burn u.img 2"})},
                                          {"data.bin", "DECOY"},
                                          {"fw/u.img.bak", "DECOY"},
                                          {"a.bin", "MAIN"},
                                          {"fw/u.img", "USB"}}));

    EXPECT_EQ(combined_.back(), result(true, 1, 0));
    const QStringList calls = flashes();
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(fromExtraction(calls[0]).toStdString(), "/TempExtractDir/a.bin\")");
    EXPECT_EQ(fromExtraction(calls[1]).toStdString(), "/TempExtractDir/fw/u.img\")");
}

struct RefusedCase {
    const char* name;
    QVector<Entry> entries;
    const char* mark;
};
void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedPackage : public UpdateExecTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedPackage, FailsBeforeAnythingIsFlashedAndLeavesNothing)
{
    exec_.setCombinedUpdateSlots(package(GetParam().entries, GetParam().mark));

    EXPECT_EQ(combined_, std::vector<std::string>{result(false, 1, 0)});
    EXPECT_EQ(flashes(), QStringList());
    EXPECT_EQ(below(tmp_), QStringList());
    EXPECT_EQ(below(scratch_.path()), (QStringList{"pkg", "pkg/pkg.bin", "tmp"}));
    EXPECT_FALSE(QFile::exists("/tmp/calidra-escaped.bin"));
}

INSTANTIATE_TEST_SUITE_P(
    Packages, RefusedPackage,
    ::testing::Values(
        RefusedCase{"plainZip", {kInstall, kMain, kUsb}, "PK"},
        // From the extraction folder three levels up is the scratch folder.
        RefusedCase{"escapingEntry", {kInstall, kMain, kUsb, {"../../../escaped.bin", "X"}}, "KV"},
        RefusedCase{"absoluteEntry", {kInstall, kMain, kUsb, {"/tmp/calidra-escaped.bin", "X"}}, "KV"},
        RefusedCase{"symlinkEntry", {kInstall, {"main.bin", "/etc/passwd", true}, kUsb}, "KV"},
        RefusedCase{"noInstallFile", {kMain, kUsb}, "KV"},
        RefusedCase{
            "oneBurnEntry", {{"Install.json", firmwaretest::installFile({"burn main.bin 1"})}, kMain, kUsb}, "KV"},
        RefusedCase{"firstBurnFileMissing",
                    {{"Install.json", firmwaretest::installFile({"burn other.bin 1", "burn usb.img 2"})}, kMain, kUsb},
                    "KV"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateExecTest, NoPackageFileFails)
{
    exec_.setCombinedUpdateSlots(pkg_ + "/none.bin");
    EXPECT_EQ(combined_, std::vector<std::string>{result(false, 1, 0)});
    EXPECT_EQ(below(tmp_), QStringList());
}

TEST_F(UpdateExecTest, FirstBurnVerificationFailureReportsTheCamerasError)
{
    SIMCAM_SetUpdateBehaviour(4000, 1, 3000);
    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}));

    EXPECT_EQ(combined_, std::vector<std::string>{result(false, 1, 73)});
    EXPECT_EQ(flashes().size(), 1);
    EXPECT_EQ(below(tmp_), QStringList());
}

TEST_F(UpdateExecTest, SecondBurnFailureReportsItsErrorAfterTheFirstStep)
{
    SIMCAM_FailNext("Update3014Program", 1, 73);
    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}));

    EXPECT_EQ(combined_, (std::vector<std::string>{result(true, 0, 0), result(false, 1, 73)}));
    EXPECT_EQ(below(tmp_), QStringList());
}

TEST_F(UpdateExecTest, EarlyPackageFailureReportsNoErrorThoughTheCameraStillHoldsAnOldOne)
{
    SIMCAM_SetUpdateBehaviour(4000, 1, 3000);
    ASSERT_TRUE(firmwaretest::writeFile(pkg_ + "/single.bin", "MAIN"));
    exec_.setMainProgramUpdateSlots(pkg_ + "/single.bin");
    ASSERT_EQ(SIMCAM_GetLastError(), 73);
    SIMCAM_SetUpdateBehaviour(4000, 0, 3000);

    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}, "PK"));

    EXPECT_EQ(combined_, std::vector<std::string>{result(false, 1, 0)});
    EXPECT_EQ(SIMCAM_GetLastError(), 73);
}

TEST_F(UpdateExecTest, CameraNotBackWithinTheDefaultWaitsFailsWithoutTheSecondBurn)
{
    SIMCAM_SetUpdateBehaviour(4000, 0, 10 * 60 * 1000);
    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}));

    EXPECT_EQ(combined_, (std::vector<std::string>{result(true, 0, 0), result(false, 1, 0)}));
    std::vector<int> expected{3000};
    expected.insert(expected.end(), 30, 1000);
    EXPECT_EQ(sleeps_, expected);
    EXPECT_EQ(flashes().size(), 1);
    EXPECT_EQ(SIMCAM_CountCalls("GetDevInfoList"), 30);
    EXPECT_EQ(below(tmp_), QStringList());
}

TEST_F(UpdateExecTest, InjectedWaitsAreTheOnesSlept)
{
    SIMCAM_SetUpdateBehaviour(4000, 0, 10 * 60 * 1000);
    exec_.setWaits({500, 200, 3});
    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}));

    EXPECT_EQ(sleeps_, (std::vector<int>{500, 200, 200, 200}));
    EXPECT_EQ(combined_.back(), result(false, 1, 0));
}

TEST_F(UpdateExecTest, CameraBackOnALaterPollGetsTheSecondBurn)
{
    SIMCAM_SetUpdateBehaviour(4000, 0, 6000);
    exec_.setCombinedUpdateSlots(package({kInstall, kMain, kUsb}));

    EXPECT_EQ(combined_.back(), result(true, 1, 0));
    // Back 200 ms + 6000 ms after the flash: 3000, then four polls miss.
    EXPECT_EQ(sleeps_, (std::vector<int>{3000, 1000, 1000, 1000, 1000}));
}

// --- single flashes --------------------------------------------------------

struct SingleCase {
    const char* name;
    void (UpdateExec::*slot)(QString);
    const char* function;
};
void PrintTo(const SingleCase& c, std::ostream* os)
{
    *os << c.name;
}

class SingleFlash : public UpdateExecTest, public ::testing::WithParamInterface<SingleCase> {};

TEST_P(SingleFlash, SucceedsWithoutError)
{
    ASSERT_TRUE(firmwaretest::writeFile(pkg_ + "/fw.bin", "FIRMWARE"));
    (exec_.*GetParam().slot)(pkg_ + "/fw.bin");

    EXPECT_EQ(single_, std::vector<std::string>{result(true, 0)});
    EXPECT_EQ(flashes(), QStringList{QString("%1(path=\"%2/fw.bin\")").arg(GetParam().function, pkg_)});
}

TEST_P(SingleFlash, FailureCarriesTheCamerasLastError)
{
    SIMCAM_SetUpdateBehaviour(4000, 1, 3000);
    ASSERT_TRUE(firmwaretest::writeFile(pkg_ + "/fw.bin", "FIRMWARE"));
    (exec_.*GetParam().slot)(pkg_ + "/fw.bin");

    EXPECT_EQ(single_, std::vector<std::string>{result(false, 73)});
}

INSTANTIATE_TEST_SUITE_P(Rows, SingleFlash,
                         ::testing::Values(SingleCase{"main", &UpdateExec::setMainProgramUpdateSlots,
                                                      "UpdateMainProgram"},
                                           SingleCase{"usb", &UpdateExec::setUSBUpdateSlots, "Update3014Program"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
