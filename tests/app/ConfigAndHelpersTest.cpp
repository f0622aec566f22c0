// Config.ini: defaults, round trip, refusals; the unit conversions and the
// small helpers every page uses.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "AppHelpers.h"
#include "AppPaths.h"
#include "ConfigManager.h"

namespace {

void setKey(const char* key, const QVariant& value)
{
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, key, value);
}

// Every key of the program's file back to "empty".
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* key : {"Language", "TemperUnit", "DistanceUnit", "SaveRules", "ManualRecordPath",
                                "ManualSnapshotPath", "ReportPath"})
            setKey(key, QVariant());
        ConfigManager::getInstance().setTemperUnitCache(0);
    }
};

TEST(ConfigManagerFile, MissingKeysAndRefusedWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Config.ini");
    {
        ConfigManager config(path);
        EXPECT_FALSE(config.getValue("GeneralConfig", "Language").isValid());
        EXPECT_EQ(config.getLanguage(), 0);
        config.setValue("", "Language", 1);
        config.setValue("GeneralConfig", "", 1);
        config.sync();
    }
    EXPECT_FALSE(QFile::exists(path)) << "nothing was written";
}

TEST(ConfigManagerFile, RoundTripInTheGeneralConfigGroup)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Config.ini");
    const QString folder = QString::fromUtf8("/data/热像/录像");
    {
        ConfigManager config(path);
        config.setLanguage(1);
        config.setValue("GeneralConfig", "TemperUnit", 2);
        config.setValue("GeneralConfig", "SaveRules", 1);
        config.setValue("GeneralConfig", "ManualRecordPath", folder);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[GeneralConfig]"));
    EXPECT_TRUE(text.contains("Language=1"));
    EXPECT_TRUE(text.contains("TemperUnit=2"));
    EXPECT_TRUE(text.contains(folder)) << "paths are stored as UTF-8 text";

    ConfigManager again(path);
    EXPECT_EQ(again.getLanguage(), 1);
    EXPECT_EQ(again.getValue("GeneralConfig", "TemperUnit").toInt(), 2);
    EXPECT_EQ(again.getValue("GeneralConfig", "ManualRecordPath").toString(), folder);
}

TEST(ConfigManagerFile, LanguageFollowsAnEditOfTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Config.ini");
    ConfigManager config(path);
    EXPECT_EQ(config.getLanguage(), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[GeneralConfig]\nLanguage=1\nTemperUnit=2\n");
    file.close();
    EXPECT_EQ(config.getLanguage(), 1);
}

TEST_F(ConfigTest, DefaultsWhenMissingOrEmpty)
{
    EXPECT_EQ(ConfigManager::getInstance().getLanguage(), 0);
    EXPECT_EQ(GetTemperUnit(), 0);
    EXPECT_EQ(GetDistanceUnit(), 0);
    EXPECT_EQ(GetSaveRules(), 0);
    EXPECT_EQ(ConfigManager::getInstance().getDistanceUnitCache(), -1);
    const AppPaths& paths = AppPaths::get();
    EXPECT_TRUE(paths.portable());
    EXPECT_EQ(paths.configFile(), paths.appDir() + "/Config.ini");
    EXPECT_EQ(GetManualRecordPath(), paths.appDir() + "/UserData");
    EXPECT_EQ(GetManualSnapshotPath(), paths.appDir() + "/UserData");
    EXPECT_EQ(GetReportPath(), paths.appDir() + "/ExportReport");
    setKey("ManualRecordPath", "");
    EXPECT_EQ(GetManualRecordPath(), paths.appDir() + "/UserData");
    setKey("ManualRecordPath", "/srv/records");
    EXPECT_EQ(GetManualRecordPath(), "/srv/records");
    setKey("TemperUnit", "abc");
    EXPECT_EQ(GetTemperUnit(), 0) << "a non-numeric value reads as 0";
}

TEST_F(ConfigTest, TemperatureUnitsFromTheFile)
{
    struct Row {
        int unit;
        float shown;  // 20 C shown in the unit
        const char16_t* symbol;
    };
    const Row rows[] = {
        {0, 20.0f, u"\u2103"}, {1, 68.0f, u"\u2109"}, {2, 293.15f, u"K"}, {5, 20.0f, u""}, {-1, 20.0f, u""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.unit);
        setKey("TemperUnit", r.unit);
        EXPECT_FLOAT_EQ(CelsiusToShowTemperEx(20.0f), r.shown);
        EXPECT_FLOAT_EQ(ShowTemperToCelsiusEx(r.shown), 20.0f);
        EXPECT_EQ(GetTemperUnitSymbolEx(), QString::fromUtf16(r.symbol));
        // The cached unit is separate: still Celsius.
        EXPECT_FLOAT_EQ(CelsiusToShowTemper(20.0f), 20.0f);
        EXPECT_EQ(GetTemperUnitSymbol(), QString(QChar(0x2103)));
    }
}

TEST_F(ConfigTest, CachedTemperatureUnit)
{
    ConfigManager::getInstance().setTemperUnitCache(1);
    EXPECT_FLOAT_EQ(CelsiusToShowTemper(-40.0f), -40.0f);
    EXPECT_FLOAT_EQ(CelsiusToShowTemper(100.0f), 212.0f);
    EXPECT_FLOAT_EQ(ShowTemperToCelsius(212.0f), 100.0f);
    EXPECT_EQ(GetTemperUnitSymbol(), QString(QChar(0x2109)));
    ConfigManager::getInstance().setTemperUnitCache(2);
    EXPECT_NEAR(ShowTemperToCelsius(273.15f), 0.0f, 1e-4);
    EXPECT_EQ(GetTemperUnitSymbolEx(), QString(QChar(0x2103))) << "the Ex forms read the file";
}

TEST_F(ConfigTest, DistanceUnits)
{
    EXPECT_FLOAT_EQ(MeterToShowDistance(10.0f), 10.0f);
    EXPECT_EQ(GetDistanceUnitText(), "Meter");
    setKey("DistanceUnit", 1);
    EXPECT_FLOAT_EQ(MeterToShowDistance(10.0f), 32.808f);
    EXPECT_FLOAT_EQ(ShowDistanceToMeter(32.808f), 10.0f);
    EXPECT_EQ(GetDistanceUnitText(), "Feet");
    setKey("DistanceUnit", 7);
    EXPECT_FLOAT_EQ(MeterToShowDistance(10.0f), 10.0f) << "any other value is metres";
    EXPECT_EQ(GetDistanceUnitText(), "");
}

TEST(Helpers, FitSizeKeepRatio)
{
    struct Row {
        int srcW, srcH, maxW, maxH, w, h;
    };
    const Row rows[] = {
        {640, 512, 1000, 600, 750, 600},
        {640, 480, 800, 800, 800, 600},
        {384, 288, 384, 288, 384, 288},
        {100, 1, 50, 50, 50, 0},
    };
    for (const Row& r : rows) {
        int w = -1, h = -1;
        FitSizeKeepRatio(r.srcW, r.srcH, r.maxW, r.maxH, w, h);
        EXPECT_EQ(w, r.w) << r.srcW << "x" << r.srcH;
        EXPECT_EQ(h, r.h) << r.srcW << "x" << r.srcH;
    }
    int w = 7, h = 9;
    FitSizeKeepRatio(0, 512, 100, 100, w, h);
    FitSizeKeepRatio(640, 512, 100, -1, w, h);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 9);
}

TEST(Helpers, ScalingPoints)
{
    QVector<QPoint> points{{8191, 8191}, {100, 50}};
    ScalePointList(points, 8192, 8192, 640, 512);
    EXPECT_EQ(points[0], QPoint(639, 511));
    EXPECT_EQ(points[1], QPoint(7, 3));
    ScalePointList(points, 0, 8192, 640, 512);
    EXPECT_EQ(points[0], QPoint(639, 511)) << "a zero size changes nothing";
    QPointF p(320.0, 256.0);
    ScalePoint(p, 640, 512, 1280, 1024);
    EXPECT_EQ(p, QPointF(640.0, 512.0));
    ScalePoint(p, 640, 512, 0, 1024);
    EXPECT_EQ(p, QPointF(640.0, 512.0));
}

TEST(Helpers, RoundingAndPaletteIndices)
{
    EXPECT_FLOAT_EQ(RoundToOneDecimal(2.25f), 2.3f);
    EXPECT_FLOAT_EQ(RoundToOneDecimal(-2.25f), -2.3f);
    EXPECT_FLOAT_EQ(RoundToOneDecimal(36.54f), 36.5f);
    const int expected[][2] = {{0, 0}, {13, 13}, {14, 15}, {17, 18}, {18, 20}, {19, 21}, {20, -1}, {99, -1}};
    for (const auto& e : expected) EXPECT_EQ(MapColorTypeIndex(e[0]), e[1]) << e[0];
}

TEST(Helpers, FilesFoldersAndStamps)
{
    QTemporaryDir dir;
    const QString nested = dir.filePath("a/b/c");
    EXPECT_FALSE(IsDirExist(nested));
    EXPECT_TRUE(MakeDirPath(nested));
    EXPECT_TRUE(MakeDirPath(nested));
    EXPECT_TRUE(IsDirExist(nested));
    EXPECT_FALSE(IsFileExist(nested)) << "a folder is no file";
    const QString picture = nested + "/p.png";
    QImage(640, 512, QImage::Format_RGB32).save(picture);
    EXPECT_TRUE(IsFileExist(picture));
    EXPECT_EQ(GetImageFileSize(picture, 320), 256);
    EXPECT_EQ(GetImageFileSize(nested, 320), 0);
    EXPECT_FALSE(RemoveDir(""));
    EXPECT_FALSE(RemoveDir(dir.filePath("missing")));
    EXPECT_TRUE(RemoveDir(dir.filePath("a")));
    EXPECT_FALSE(IsDirExist(nested));

    EXPECT_TRUE(QRegularExpression("^\\d{8}$").match(GetDateStamp()).hasMatch());
    EXPECT_TRUE(QRegularExpression("^\\d{8}_\\d{6}_\\d{3}$").match(GetTimeStampMs()).hasMatch());
    EXPECT_EQ(GetCurTimeString("yyyy").size(), 4);
}

TEST(Helpers, ComboBoxByData)
{
    QComboBox box;
    SetComboBoxCurrentByData(&box, 1);  // empty: nothing
    box.addItem("a", 500);
    box.addItem("b", 1000);
    box.addItem("c", 1000);
    SetComboBoxCurrentByData(&box, 1000);
    EXPECT_EQ(box.currentIndex(), 1);
    SetComboBoxCurrentByData(&box, 7);
    EXPECT_EQ(box.currentIndex(), 1);
    SetComboBoxCurrentByData(nullptr, 7);
}

}  // namespace
