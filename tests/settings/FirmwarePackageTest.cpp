// The combined firmware package on its own: the mark and the zip copy, the
// install file's burn list, the matching of burn entries, and the checked
// opening and unpacking of archives written by an outside zip writer.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

#include "FirmwarePackage.h"
#include "FirmwarePackageWriter.h"

using firmwaretest::Entry;

namespace {

std::vector<std::string> toStd(const QStringList& list)
{
    std::vector<std::string> out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

// --- mark and copy ---------------------------------------------------------

struct CopyCase {
    const char* name;
    QByteArray package;
    bool ok;
    QByteArray archive;  // the copy when ok
};
void PrintTo(const CopyCase& c, std::ostream* os)
{
    *os << c.name;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = char((i * 7 + 3) & 0xff);
    return bytes;
}

class CopyPackageAsZip : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyPackageAsZip, WritesPkOverTheMarkOrRefuses)
{
    QTemporaryDir dir;
    const QString package = dir.filePath("pkg.bin");
    const QString archive = dir.filePath("pkg.zip");
    ASSERT_TRUE(firmwaretest::writeFile(package, GetParam().package));
    // A longer file already at the archive path is replaced, not patched.
    ASSERT_TRUE(firmwaretest::writeFile(archive, QByteArray(30000, 'x')));

    EXPECT_EQ(FirmwarePackage::CopyPackageAsZip(package, archive), GetParam().ok);
    if (GetParam().ok) {
        EXPECT_EQ(firmwaretest::readAll(archive), GetParam().archive);
    }
    EXPECT_EQ(firmwaretest::readAll(package), GetParam().package);
}

const QByteArray kLong = pattern(3 * 8192 + 17);

INSTANTIATE_TEST_SUITE_P(
    Marks, CopyPackageAsZip,
    ::testing::Values(CopyCase{"kv0304", QByteArray("KV\x03\x04rest", 8), true, QByteArray("PK\x03\x04rest", 8)},
                      CopyCase{"kvsp", "KVSPrest", true, "PKSPrest"},
                      CopyCase{"longerThanSeveralPieces", "KVSP" + kLong, true, "PKSP" + kLong},
                      CopyCase{"plainZip", QByteArray("PK\x03\x04rest", 8), false, {}},
                      CopyCase{"kvOtherBytes", QByteArray("KV\x03\x05rest", 8), false, {}},
                      CopyCase{"lowerCase", "kvsprest", false, {}}, CopyCase{"shorterThanMark", "KVS", false, {}},
                      CopyCase{"empty", "", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyPackageAsZipFiles, MissingPackageOrUnwritableArchiveFails)
{
    QTemporaryDir dir;
    EXPECT_FALSE(FirmwarePackage::CopyPackageAsZip(dir.filePath("none.bin"), dir.filePath("a.zip")));
    const QString package = dir.filePath("pkg.bin");
    ASSERT_TRUE(firmwaretest::writeFile(package, "KVSPrest"));
    EXPECT_FALSE(FirmwarePackage::CopyPackageAsZip(package, dir.filePath("no/such/folder/a.zip")));
}

// --- burn list -------------------------------------------------------------

struct BurnCase {
    const char* name;
    QByteArray install;
    std::vector<std::string> burns;
};
void PrintTo(const BurnCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParseBurnList : public ::testing::TestWithParam<BurnCase> {};

TEST_P(ParseBurnList, TakesTheSecondWordOfBurnCommands)
{
    EXPECT_EQ(toStd(FirmwarePackage::ParseBurnList(GetParam().install)), GetParam().burns);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ParseBurnList,
    ::testing::Values(
        BurnCase{"threeWordsInOrder",
                 firmwaretest::installFile({"burn main.bin 1", "burn usb.img 2"}),
                 {"main.bin", "usb.img"}},
        BurnCase{"twoWordsSkipped", firmwaretest::installFile({"burn main.bin", "burn usb.img 2"}), {"usb.img"}},
        BurnCase{"laterWordsIgnored", firmwaretest::installFile({"burn a.bin x y z"}), {"a.bin"}},
        BurnCase{"otherCommandsSkipped", firmwaretest::installFile({"erase all now", "Burn b.bin 1", "burnx c 1"}), {}},
        BurnCase{"emptyPartsKept",
                 firmwaretest::installFile({"burn  a.bin", "burn a.bin ", " burn a.bin 1"}),
                 {"", "a.bin"}},
        BurnCase{"nonStringSkipped", R"({"Commands":[7,{"x":1},"burn a.bin 1"]})", {"a.bin"}},
        BurnCase{"noCommands", R"({"Other":["burn a.bin 1"]})", {}},
        BurnCase{"topLevelArray", R"(["burn a.bin 1"])", {}},
        BurnCase{"invalidJson", R"({"Commands":["burn a.bin 1")", {}}, BurnCase{"empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- matching --------------------------------------------------------------

struct MatchCase {
    const char* name;
    QStringList paths;
    QString text;
    int index;
};
void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.name;
}

class FindFileIndex : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FindFileIndex, ExactPathThenFileNameThenContained)
{
    EXPECT_EQ(FirmwarePackage::FindFileIndex(GetParam().paths, GetParam().text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FindFileIndex,
    ::testing::Values(MatchCase{"fileNameBeatsContainingDecoy", {"data.bin", "a.bin"}, "a.bin", 1},
                      MatchCase{"fileNameInSubfolder", {"data.bin", "fw/a.bin"}, "a.bin", 1},
                      MatchCase{"exactBeatsFileName", {"x/main.bin", "main.bin"}, "main.bin", 1},
                      MatchCase{"exactRelativePath", {"b/a.bin", "a/a.bin"}, "a/a.bin", 1},
                      MatchCase{"containedAsLastResort", {"readme.txt", "fw/main_v2.bin"}, "main", 1},
                      MatchCase{"firstContaining", {"a1.bin", "a2.bin"}, "a", 0},
                      MatchCase{"backslashEntry", {"x.bin", "fw/a.bin"}, "fw\\a.bin", 1},
                      MatchCase{"backslashPath", {"x.bin", "fw\\a.bin"}, "fw/a.bin", 1},
                      MatchCase{"caseSensitive", {"a.bin"}, "A.bin", -1}, MatchCase{"noMatch", {"a.bin"}, "b.bin", -1},
                      MatchCase{"empty", {"a.bin"}, "", -1}, MatchCase{"dotDot", {"a.bin", "x/../a.bin"}, "..", -1},
                      MatchCase{"dotDotComponent", {"x/../a.bin"}, "x/../a.bin", -1},
                      MatchCase{"leadingDotDot", {"a.bin"}, "../a.bin", -1}, MatchCase{"noPaths", {}, "a.bin", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindInstallIndex, FirstRelativePathContainingInstall)
{
    EXPECT_EQ(FirmwarePackage::FindInstallIndex({"main.bin", "cfg/Install.json", "Install.json"}), 1);
    EXPECT_EQ(FirmwarePackage::FindInstallIndex({"main.bin", "install.json"}), -1);
    EXPECT_EQ(FirmwarePackage::FindInstallIndex({}), -1);
}

struct NameCase {
    const char* name;
    QString entry;
    QString path;  // empty: refused
};
void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.name;
}

class SafeRelativePath : public ::testing::TestWithParam<NameCase> {};

TEST_P(SafeRelativePath, KeepsNamesInsideTheRoot)
{
    EXPECT_EQ(FirmwarePackage::SafeRelativePath(GetParam().entry).toStdString(), GetParam().path.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeRelativePath,
    ::testing::Values(NameCase{"plain", "a.bin", "a.bin"}, NameCase{"subfolder", "fw/a.bin", "fw/a.bin"},
                      NameCase{"backslashes", "fw\\a.bin", "fw/a.bin"},
                      NameCase{"dotAndDoubleSlash", "./fw//a.bin", "fw/a.bin"}, NameCase{"folderEntry", "fw/", "fw"},
                      NameCase{"dotDot", "../x", ""}, NameCase{"backslashDotDot", "fw\\..\\..\\x", ""},
                      NameCase{"innerDotDot", "fw/../a.bin", ""}, NameCase{"absolute", "/etc/x", ""},
                      NameCase{"backslashAbsolute", "\\etc\\x", ""}, NameCase{"driveLetter", "C:/x", ""},
                      NameCase{"driveRelative", "c:x", ""}, NameCase{"empty", "", ""}, NameCase{"onlyDot", "./", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// --- opening and unpacking -------------------------------------------------

// A package written to a scratch folder, read back as a plain zip.
class PackageFiles : public ::testing::Test {
protected:
    // The archive bytes of the entries ("PK" mark).
    QByteArray zipOf(const QVector<Entry>& entries)
    {
        const QString path = dir_.filePath("written.zip");
        EXPECT_TRUE(firmwaretest::writePackage(path, entries, "PK"));
        return firmwaretest::readAll(path);
    }
    bool open(FirmwarePackage& package, const QByteArray& zip)
    {
        buffer_.close();
        buffer_.setData(zip);
        return package.open(&buffer_);
    }

    QTemporaryDir dir_;
    QBuffer buffer_;
};

TEST_F(PackageFiles, UnpacksFilesBelowTheRootAndListsThemRelative)
{
    FirmwarePackage package;
    ASSERT_TRUE(
        open(package, zipOf({{"Install.json", "{}"}, {"fw/", ""}, {"fw\\main.bin", "MAIN"}, {"usb.img", "USB"}})));
    EXPECT_EQ(toStd(package.entries()), (std::vector<std::string>{"Install.json", "fw/main.bin", "usb.img"}));

    const QString root = dir_.filePath("root");
    ASSERT_TRUE(QDir().mkpath(root));
    ASSERT_TRUE(package.extractTo(root));
    EXPECT_EQ(firmwaretest::below(root), (QStringList{"Install.json", "fw/main.bin", "usb.img"}));
    EXPECT_EQ(firmwaretest::readAll(root + "/fw/main.bin"), "MAIN");
    QByteArray install;
    ASSERT_TRUE(package.readInstallFile(root, &install));
    EXPECT_EQ(install, "{}");
}

struct HostileCase {
    const char* name;
    Entry entry;
};
void PrintTo(const HostileCase& c, std::ostream* os)
{
    *os << c.name;
}

class HostilePackage : public PackageFiles, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostilePackage, IsRefusedWholeAtOpening)
{
    FirmwarePackage package;
    // The hostile entry comes last, after entries that would be unpacked.
    EXPECT_FALSE(open(package, zipOf({{"Install.json", "{}"}, {"main.bin", "MAIN"}, GetParam().entry})));
}

INSTANTIATE_TEST_SUITE_P(Entries, HostilePackage,
                         ::testing::Values(HostileCase{"parent", {"../x", "X"}},
                                           HostileCase{"deepParent", {"fw/../../x", "X"}},
                                           HostileCase{"backslashParent", {"fw\\..\\..\\x", "X"}},
                                           HostileCase{"absolute", {"/tmp/calidra-escaped", "X"}},
                                           HostileCase{"driveLetter", {"C:\\x.bin", "X"}},
                                           HostileCase{"symlink", {"link.bin", "/etc/passwd", true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PackageFiles, NotAZipIsRefused)
{
    FirmwarePackage package;
    EXPECT_FALSE(open(package, "PK\x03\x04 but nothing of a zip after the mark"));
    EXPECT_FALSE(open(package, QByteArray()));
    EXPECT_TRUE(package.entries().isEmpty());
}

TEST_F(PackageFiles, EntryCountCapRefusesTheWholePackage)
{
    FirmwarePackage::Limits limits;
    limits.maxEntries = 2;
    FirmwarePackage package(limits);
    EXPECT_TRUE(open(package, zipOf({{"a", "1"}, {"b", "2"}})));
    EXPECT_FALSE(open(package, zipOf({{"a", "1"}, {"b", "2"}, {"c", "3"}})));
}

TEST_F(PackageFiles, UnpackedBytesCapCountsEveryEntry)
{
    FirmwarePackage::Limits limits;
    limits.maxUnpackedBytes = 100;
    FirmwarePackage package(limits);
    EXPECT_TRUE(open(package, zipOf({{"a", QByteArray(50, 'a')}, {"b", QByteArray(50, 'b')}})));
    EXPECT_TRUE(package.checkContents());
    EXPECT_FALSE(open(package, zipOf({{"a", QByteArray(50, 'a')}, {"b", QByteArray(51, 'b')}})));
}

TEST_F(PackageFiles, InstallFileOverItsCapIsNotRead)
{
    FirmwarePackage::Limits limits;
    limits.maxInstallBytes = 16;
    FirmwarePackage package(limits);
    const QString root = dir_.filePath("root");
    ASSERT_TRUE(QDir().mkpath(root));
    QByteArray install;
    ASSERT_TRUE(open(package, zipOf({{"Install.json", QByteArray(17, ' ')}})));
    ASSERT_TRUE(package.extractTo(root));
    EXPECT_FALSE(package.readInstallFile(root, &install));
    ASSERT_TRUE(open(package, zipOf({{"Install.json", QByteArray(16, ' ')}})));
    ASSERT_TRUE(package.extractTo(root));
    EXPECT_TRUE(package.readInstallFile(root, &install));
    ASSERT_TRUE(open(package, zipOf({{"main.bin", "MAIN"}})));
    EXPECT_FALSE(package.readInstallFile(root, &install));
}

TEST_F(PackageFiles, CorruptedEntryFailsTheCheckAndTheUnpacking)
{
    QByteArray zip = zipOf({{"main.bin", "FIRMWARE-BYTES-0123456789", false, true}});
    const int at = zip.indexOf("FIRMWARE-BYTES");
    ASSERT_GE(at, 0);
    zip[at] = 'f';  // the stored bytes no longer match their checksum
    FirmwarePackage package;
    ASSERT_TRUE(open(package, zip));
    EXPECT_FALSE(package.checkContents());
    const QString root = dir_.filePath("root");
    ASSERT_TRUE(QDir().mkpath(root));
    EXPECT_FALSE(package.extractTo(root));
}

}  // namespace
