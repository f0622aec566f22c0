// The global thermal settings page: its rows and items, the unit and the
// save-rules flag written to Config.ini (and read back on the next start),
// the refresh interval passed on only while a camera is connected or when
// applied, its reset after a close, the full-screen switch, and the texts
// after a language change.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "QGlobalThermalSetting.h"
#include "QTempRule.h"
#include "SimCamera.h"
#include "SwitchButton.h"
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

ConfigManager& config()
{
    return ConfigManager::getInstance();
}

// The value as Config.ini holds it on disk.
QString stored(const char* key)
{
    QSettings file(config().filePath(), QSettings::IniFormat);
    return file.value(QString("%1/%2").arg(ConfigManager::kGroup, key)).toString();
}

void store(const char* key, const QVariant& value)
{
    config().setValue(ConfigManager::kGroup, key, value);
}

class GlobalThermalSettingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        store("TemperUnit", 0);
        store("SaveRules", 1);
    }
    void TearDown() override { DeviceSdkWrapper::getInstance().Close(); }

    // A page as the program makes it at start, over the current Config.ini.
    std::unique_ptr<QGlobalThermalSetting> makePage()
    {
        auto page = std::make_unique<QGlobalThermalSetting>();
        page->resize(254, page->sizeHint().height());
        return page;
    }
};

TEST_F(GlobalThermalSettingTest, RowsItemsAndStartingValues)
{
    const auto page = makePage();
    page->show();
    EXPECT_EQ(page->objectName(), "QGlobalThermalSetting");
    EXPECT_TRUE(page->windowFlags() & Qt::FramelessWindowHint);

    const char* const labels[][2] = {{"temperUnitLabel", "TemperUnit"},
                                     {"refreshTimeLabel", "RefreshTime"},
                                     {"fullScreenThermEnableLabel", "Full Screen Thermal Show"},
                                     {"SaveRulesLabel", "SaveHeatMapRules"}};
    int top = -1;
    for (const auto& l : labels) {
        auto* label = page->findChild<QLabel*>(l[0]);
        ASSERT_NE(label, nullptr) << l[0];
        EXPECT_EQ(label->text(), l[1]);
        EXPECT_EQ(label->height(), 32) << l[0];
        EXPECT_GE(label->width(), 100) << l[0];
        EXPECT_GT(label->y(), top) << "rows run top to bottom";
        top = label->y();
    }

    QComboBox* unit = page->temperUnitComboBox();
    EXPECT_EQ(unit->objectName(), "temperUnitComboBox");
    ASSERT_EQ(unit->count(), 3);
    const char* const unitTexts[] = {"Centigrade", "Fahrenheit", "Kelvin"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(unit->itemText(i), unitTexts[i]);
        EXPECT_EQ(unit->itemData(i), QVariant(i)) << "item data is the TemperUnit value";
    }
    QComboBox* refresh = page->refreshTimeComboBox();
    EXPECT_EQ(refresh->objectName(), "refreshTimeComboBox");
    ASSERT_EQ(refresh->count(), 2);
    EXPECT_EQ(refresh->itemText(0), "1000ms");
    EXPECT_EQ(refresh->itemText(1), "500ms");
    EXPECT_EQ(refresh->itemData(1), QVariant(1));
    for (QComboBox* combo : {unit, refresh}) {
        EXPECT_NE(qobject_cast<QListView*>(combo->view()), nullptr);
        EXPECT_EQ(combo->height(), 32);
    }
    EXPECT_EQ(page->fullScreenThermSwitch()->size(), QSize(48, 24));
    EXPECT_EQ(page->saveRulesSwitch()->size(), QSize(48, 24));

    EXPECT_EQ(unit->currentIndex(), 0);
    EXPECT_EQ(refresh->currentIndex(), 0);
    EXPECT_FALSE(page->fullScreenThermSwitch()->isChecked());
    EXPECT_TRUE(page->saveRulesSwitch()->isChecked());
    EXPECT_LE(page->minimumSizeHint().width(), 254) << "fits the side panel's column";
}

TEST_F(GlobalThermalSettingTest, StartsOnTheStoredUnitWithoutRewritingIt)
{
    const struct {
        QVariant stored;
        int index;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {7, 0}, {-1, 0}, {"x", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toString().toStdString());
        store("TemperUnit", c.stored);
        const auto page = makePage();
        EXPECT_EQ(page->temperUnitComboBox()->currentIndex(), c.index);
        EXPECT_EQ(stored("TemperUnit"), c.stored.toString()) << "the key is left as it was";
    }
}

TEST_F(GlobalThermalSettingTest, ChoosingAUnitWritesItAtOnceWithOrWithoutACamera)
{
    const auto page = makePage();
    QComboBox* unit = page->temperUnitComboBox();
    const struct {
        bool camera;
        int index;
    } steps[] = {{false, 1}, {false, 2}, {false, 0}, {true, 2}, {true, 1}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.index);
        if (s.camera && !DeviceSdkWrapper::getInstance().Connect()) {
            ASSERT_TRUE(simcamera::openFirst());
        }
        unit->setCurrentIndex(s.index);
        EXPECT_EQ(stored("TemperUnit"), QString::number(s.index));
    }
    // The next start shows the unit last chosen.
    EXPECT_EQ(makePage()->temperUnitComboBox()->currentText(), "Fahrenheit");
}

TEST_F(GlobalThermalSettingTest, SaveRulesSwitchWritesTheFlagAndTheNextStartFollows)
{
    const struct {
        int stored;
        bool on;
    } starts[] = {{0, false}, {1, true}, {5, true}};
    for (const auto& s : starts) {
        store("SaveRules", s.stored);
        EXPECT_EQ(makePage()->saveRulesSwitch()->isChecked(), s.on) << s.stored;
    }

    store("SaveRules", 1);
    auto page = makePage();
    page->show();
    QSignalSpy fullScreen(page.get(), &QGlobalThermalSetting::sendFullScreenThermEnableSwitchSignal);
    QTest::mouseClick(page->saveRulesSwitch(), Qt::LeftButton);
    EXPECT_EQ(stored("SaveRules"), "0");
    EXPECT_FALSE(makePage()->saveRulesSwitch()->isChecked()) << "the next start begins off";
    QTest::mouseClick(page->saveRulesSwitch(), Qt::LeftButton);
    EXPECT_EQ(stored("SaveRules"), "1");
    EXPECT_EQ(fullScreen.count(), 0);
}

TEST_F(GlobalThermalSettingTest, FullScreenSwitchSendsItsStateAndWritesNothing)
{
    auto page = makePage();
    page->show();
    QSignalSpy fullScreen(page.get(), &QGlobalThermalSetting::sendFullScreenThermEnableSwitchSignal);
    QSignalSpy refresh(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal);
    QTest::mouseClick(page->fullScreenThermSwitch(), Qt::LeftButton);
    QTest::mouseClick(page->fullScreenThermSwitch(), Qt::LeftButton);
    ASSERT_EQ(fullScreen.count(), 2);
    EXPECT_EQ(fullScreen.at(0).at(0), QVariant(true));
    EXPECT_EQ(fullScreen.at(1).at(0), QVariant(false));
    EXPECT_EQ(refresh.count(), 0);
    EXPECT_EQ(stored("SaveRules"), "1");
    EXPECT_EQ(stored("TemperUnit"), "0");
}

TEST_F(GlobalThermalSettingTest, RefreshIntervalIsSentOnlyWhileACameraIsConnected)
{
    const auto page = makePage();
    QComboBox* refresh = page->refreshTimeComboBox();
    QSignalSpy sent(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal);
    // The refresh worker as the live page places it behind the panel.
    QTempRule rule;
    QObject::connect(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal, &rule,
                     &QTempRule::setThermRefreshTimeSlot);

    refresh->setCurrentIndex(1);
    EXPECT_EQ(sent.count(), 0) << "no camera: the choice stays on the combo box";
    EXPECT_EQ(refresh->currentText(), "500ms");

    ASSERT_TRUE(simcamera::openFirst());
    refresh->setCurrentIndex(1);
    EXPECT_EQ(sent.count(), 0) << "re-selecting the current entry is no change";
    const struct {
        int index;
        int periodMs;
    } steps[] = {{0, 1000}, {1, 500}, {0, 1000}};
    for (const auto& s : steps) {
        refresh->setCurrentIndex(s.index);
        ASSERT_EQ(sent.count(), 1) << s.index;
        EXPECT_EQ(sent.takeFirst().at(0), QVariant(s.index));
        EXPECT_EQ(rule.refreshPeriod(), s.periodMs);
    }
}

TEST_F(GlobalThermalSettingTest, ApplyRefreshTimeSendsAChoiceMadeWithoutACamera)
{
    const auto page = makePage();
    QSignalSpy sent(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal);
    QTempRule rule;
    QObject::connect(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal, &rule,
                     &QTempRule::setThermRefreshTimeSlot);

    page->refreshTimeComboBox()->setCurrentIndex(1);
    ASSERT_EQ(sent.count(), 0);
    // The camera connects and its thermal function opens at 1000 ms.
    ASSERT_TRUE(simcamera::openFirst());
    rule.setTimerStatusSlot(true);
    ASSERT_EQ(rule.refreshPeriod(), 1000);

    page->applyRefreshTime();
    ASSERT_EQ(sent.count(), 1);
    EXPECT_EQ(sent.takeFirst().at(0), QVariant(1));
    EXPECT_EQ(rule.refreshPeriod(), 500) << "the interval shown is the one that runs";

    page->refreshTimeComboBox()->setCurrentIndex(0);
    sent.clear();
    page->applyRefreshTime();
    ASSERT_EQ(sent.count(), 1);
    EXPECT_EQ(sent.takeFirst().at(0), QVariant(0));
    EXPECT_EQ(rule.refreshPeriod(), 1000);
}

TEST_F(GlobalThermalSettingTest, ResetAfterCloseShowsTheFirstEntryAndSendsNothing)
{
    const auto page = makePage();
    QSignalSpy sent(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal);
    ASSERT_TRUE(simcamera::openFirst());
    page->refreshTimeComboBox()->setCurrentIndex(1);
    ASSERT_EQ(sent.count(), 1);

    ASSERT_TRUE(DeviceSdkWrapper::getInstance().Close());
    page->resetRefreshTime();
    EXPECT_EQ(page->refreshTimeComboBox()->currentIndex(), 0);
    EXPECT_EQ(page->refreshTimeComboBox()->currentText(), "1000ms");
    EXPECT_EQ(sent.count(), 1) << "nothing is sent without a camera";
}

TEST_F(GlobalThermalSettingTest, LanguageChangeRelabelsRowsAndUnitsButNotIntervals)
{
    store("TemperUnit", 2);
    const auto page = makePage();
    QSignalSpy sent(page.get(), &QGlobalThermalSetting::sendSetThermRefreshTimeSignal);
    TaggingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    const char* const labels[][2] = {{"temperUnitLabel", "TemperUnit"},
                                     {"refreshTimeLabel", "RefreshTime"},
                                     {"fullScreenThermEnableLabel", "Full Screen Thermal Show"},
                                     {"SaveRulesLabel", "SaveHeatMapRules"}};
    for (const auto& l : labels)
        EXPECT_EQ(page->findChild<QLabel*>(l[0])->text(), QString("QGlobalThermalSetting|") + l[1]);
    QComboBox* unit = page->temperUnitComboBox();
    EXPECT_EQ(unit->itemText(0), "QGlobalThermalSetting|Centigrade");
    EXPECT_EQ(unit->itemText(1), "QGlobalThermalSetting|Fahrenheit");
    EXPECT_EQ(unit->itemText(2), "QGlobalThermalSetting|Kelvin");
    EXPECT_EQ(unit->currentIndex(), 2) << "the choice stays";
    EXPECT_EQ(page->refreshTimeComboBox()->itemText(0), "1000ms");
    EXPECT_EQ(page->refreshTimeComboBox()->itemText(1), "500ms");

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(unit->itemText(2), "Kelvin");
    EXPECT_EQ(stored("TemperUnit"), "2") << "re-labelling writes nothing";
    EXPECT_EQ(sent.count(), 0);
}

// The English texts the page shows.
class EnglishTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QHash<QString, QString> english = {{"TemperUnit", "Unit"},
                                                        {"RefreshTime", "Refresh Interval"},
                                                        {"Full Screen Thermal Show", "Full-Screen Temp"},
                                                        {"SaveHeatMapRules", "Save Rules To HeatMap"},
                                                        {"Centigrade", QString::fromUtf8("\u2103")},
                                                        {"Fahrenheit", QString::fromUtf8("\u2109")},
                                                        {"Kelvin", "K"}};
        if (QLatin1String(context) != QLatin1String("QGlobalThermalSetting")) return QString();
        return english.value(QString::fromUtf8(sourceText));
    }
};

TEST_F(GlobalThermalSettingTest, FitsTheSidePanelColumnUnderTheStyleSheet)
{
    QFile sheet(":/Resource/Skin/vxt.qss");
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    EnglishTranslator english;
    for (bool translated : {false, true}) {
        SCOPED_TRACE(translated ? "English" : "source texts");
        if (translated) QCoreApplication::installTranslator(&english);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        const auto page = makePage();
        page->show();
        EXPECT_LE(page->minimumSizeHint().width(), 254);
        for (QLabel* label : page->findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString() << " is cut";
            EXPECT_EQ(label->height(), 32);
        }
        for (QWidget* w : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(page->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    qApp->setStyleSheet(QString());
}

}  // namespace
