// The parameter panel of the picture analysis window over a small fixture
// picture loaded into the store, with two rule records added to its picture
// rule set. What "Set" stores is read back from the store and, through the
// store's readers, from the radiometry library that it was handed to.
#include <gtest/gtest.h>

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

#include "ConfigManager.h"
#include "FakeUiPrompts.h"
#include "QHotImageParamSet.h"
#include "QUnitLineEdit.h"
#include "RadioPictureWriter.h"
#include "RuleParamTestSupport.h"
#include "ScratchDir.h"
#include "SwitchButton.h"
#include "ThermalImageData.h"

namespace {

using namespace ruleparamtest;
using Panel = QHotImageParamSet;

constexpr quint32 kRuleKey = 41;   // "R1", selected by the tests
constexpr quint32 kOtherKey = 42;  // "R2"

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

class HotImageParamSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUnits(Celsius, Metres);
        loadPicture();
        panel_ = std::make_unique<Panel>();
        spy_ = std::make_unique<QSignalSpy>(panel_.get(), &Panel::sendUpdateTemperSignals);
        panel_->show();
        panel_->refreshFromPicture();
    }

    void TearDown() override
    {
        spy_.reset();
        panel_.reset();
        store().freePic();
        setUnits(Celsius, Metres);
    }

    static void setUnits(int temper, int distance)
    {
        ConfigManager& config = ConfigManager::getInstance();
        config.setTemperUnitCache(temper);
        config.setValue(ConfigManager::kGroup, "DistanceUnit", distance);
    }

    // The picture's global block: emissivity 0.95, 2.5 m, environment
    // 21.52 C, humidity 45, alarm mode 2 at 55.5; the library reads the
    // reflected temperature as 25.0. Rules R1 (0.93) and R2 (0.91).
    void loadPicture()
    {
        fixtures::RadioPictureWriter picture(32, 24);
        picture.setTemperatures(fixtures::rampTemperatures(32, 24, 10.0f, 40.0f));
        PicViewInfo& info = picture.picViewInfo();
        info.emissivity = 0.95f;
        info.distance = 2.5f;
        info.envTemp = 21.52f;
        info.humidity = 45;
        info.globalParam7 = 2;
        info.globalParam8 = 55.5f;
        const std::string path = dir_.file("pic.png");
        ASSERT_TRUE(picture.writeTo(path));
        ASSERT_EQ(store().readPicFile(QString::fromStdString(path)), 0);
        ASSERT_EQ(store().getPicHeaderInfo(), 0);
        ASSERT_EQ(store().getThermalGraph(), 0);
        ASSERT_EQ(store().getPixelsTemperature(), 0);
        ASSERT_EQ(store().readPicGlobalRuleConfig(), 0);
        ASSERT_EQ(store().readPicRuleConfigInfo(), 0);
        PicRuleRecord r1 = ruleRecord(kRuleKey, "R1", 0.93f);
        PicRuleRecord r2 = ruleRecord(kOtherKey, "R2", 0.91f);
        ASSERT_EQ(store().addPicRule(&r1), 0);
        ASSERT_EQ(store().addPicRule(&r2), 0);
    }

    static const USBSDK_GlobalTemperParam& global() { return *store().getPicGlobalRuleConfig(); }
    static const PicRuleConfig& rule(quint32 key) { return *store().findPicRuleById(key); }

    // What the library holds now: the store reads it again (the rules come
    // back without item keys, in order).
    static USBSDK_GlobalTemperParam libraryGlobal()
    {
        EXPECT_EQ(store().readPicGlobalRuleConfig(), 0);
        return global();
    }
    static PicRuleConfig libraryRule(int index)
    {
        EXPECT_EQ(store().readPicRuleConfigInfo(), 0);
        return store().getPicRuleList()->records[index].rule;
    }

    QUnitLineEdit* field(Panel::Row row) const { return panel_->field(row); }
    QString text(Panel::Row row) const { return field(row)->text(); }
    bool rowShown(Panel::Row row) const { return !panel_->rowLabel(row)->isHidden(); }
    QString unitText(Panel::Row row) const { return field(row)->findChild<QLabel*>()->text(); }
    void clickSet() { QTest::mouseClick(panel_->setButton(), Qt::LeftButton); }
    void clickDefault() { QTest::mouseClick(panel_->restoreDefaultButton(), Qt::LeftButton); }

    fixtures::ScratchDir dir_;
    FakeUiPrompts prompts_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<QSignalSpy> spy_;
};

TEST_F(HotImageParamSetTest, FormBeforeTheFirstRefresh)
{
    Panel fresh;
    EXPECT_EQ(fresh.objectName(), "QHotImageParamSet");
    EXPECT_EQ(fresh.size(), QSize(400, 586));
    auto* mainLayout = qobject_cast<QVBoxLayout*>(fresh.layout());
    ASSERT_NE(mainLayout, nullptr);
    EXPECT_EQ(mainLayout->objectName(), "mainLayout");
    EXPECT_EQ(mainLayout->spacing(), 24);
    for (const char* name : {"basicFLayout", "ruleFLayout"}) {
        SCOPED_TRACE(name);
        auto* form = fresh.findChild<QFormLayout*>(name);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->horizontalSpacing(), 15);
        EXPECT_EQ(form->verticalSpacing(), 12);
    }
    EXPECT_EQ(fresh.groupLabel()->text(), "BasicTemperParam");
    EXPECT_EQ(fresh.groupLabel()->objectName(), "Label_FF_85_14");
    EXPECT_EQ(fresh.titleLabel()->objectName(), "Label_FF_85_14");
    EXPECT_EQ(fresh.titleLabel()->text(), "Rule Property");

    struct Row {
        Panel::Row row;
        const char* caption;
        const char* labelName;
        QSize labelSize;  // empty: as the form lays it out
    };
    const Row rows[] = {
        {Panel::EnvironmentTemperRow, "EnvironmentTemper", "environmentTemperLabel", QSize(80, 40)},
        {Panel::HumidityRow, "Humidity", "humidityLabel", QSize(80, 40)},
        {Panel::EnableRow, "Enable", "enableLabel", QSize()},
        {Panel::EmissivityRow, "Emissivity", "emissivityLabel", QSize(80, 40)},
        {Panel::DistanceRow, "Distance", "distanceLabel", QSize()},
        {Panel::ReflexTemperRow, "ReflexTemper", "reflexTemperLabel", QSize(80, 40)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        EXPECT_EQ(fresh.rowLabel(r.row)->text(), r.caption);
        EXPECT_EQ(fresh.rowLabel(r.row)->objectName(), r.labelName);
        if (!r.labelSize.isEmpty()) {
            EXPECT_EQ(fresh.rowLabel(r.row)->size(), r.labelSize);
        }
        if (r.row == Panel::EnableRow) continue;
        EXPECT_EQ(fresh.field(r.row)->size(), QSize(100, 32));
        EXPECT_TRUE(fresh.field(r.row)->text().isEmpty());
    }
    EXPECT_EQ(fresh.ruleEnableSwitch()->size(), QSize(48, 24));
    EXPECT_EQ(fresh.restoreDefaultButton()->text(), "RestoreDefault");
    EXPECT_EQ(fresh.restoreDefaultButton()->objectName(), "IconTextHBtn");
    EXPECT_EQ(fresh.setButton()->text(), "Set");
    EXPECT_EQ(fresh.setButton()->objectName(), "BtnStyle1");
    EXPECT_EQ(fresh.setButton()->size(), QSize(100, 32));
    // Emissivity 0 would divide by zero in the temperature model.
    EXPECT_EQ(fresh.field(Panel::EmissivityRow)->toolTip(), "0.01-1.00");
    EXPECT_EQ(fresh.field(Panel::HumidityRow)->toolTip(), "0-100");
    EXPECT_EQ(fresh.field(Panel::DistanceRow)->toolTip(), "0.0-99.0");
    EXPECT_TRUE(fresh.rowLabel(Panel::EnableRow)->isHidden());
    EXPECT_TRUE(fresh.ruleEnableSwitch()->isHidden());
    EXPECT_TRUE(fresh.rowLabel(Panel::ReflexTemperRow)->isHidden());
    EXPECT_TRUE(fresh.field(Panel::ReflexTemperRow)->isHidden());
}

// The same typed values with no rule and with R1 selected: the global block
// or only R1 gets them; environment and humidity are global in both. The
// alarm mode and threshold come back as they were.
TEST_F(HotImageParamSetTest, SetWritesTheGlobalBlockOrOnlyTheSelectedRule)
{
    // Emissivity, distance, reflected temperature.
    struct Target {
        float emissivity;
        float distance;
        float reflected;
    };
    const Target typed = {0.8f, 4.5f, 40.0f};
    const Target globalBefore = {0.95f, 2.5f, 25.0f};
    const Target r1Before = {0.93f, 2.0f, 26.0f};
    struct Case {
        quint32 selected;
        const char* title;
        const char* emissivityShown;
        const char* reflexShown;
        Target globalAfter;
        Target r1After;
    };
    const Case cases[] = {
        {0, "Rule Property-G", "0.95", "25.0", typed, r1Before},
        {kRuleKey, "Rule Property-R1", "0.93", "26.0", globalBefore, typed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        store().freePic();
        loadPicture();
        spy_->clear();
        panel_->setItemSelectSlots(c.selected);
        ASSERT_EQ(panel_->selectedItem(), c.selected);
        EXPECT_EQ(panel_->titleLabel()->text(), c.title);
        EXPECT_EQ(text(Panel::EnvironmentTemperRow), "21.5");
        EXPECT_EQ(text(Panel::HumidityRow), "45");
        EXPECT_EQ(text(Panel::EmissivityRow), c.emissivityShown);
        EXPECT_EQ(text(Panel::ReflexTemperRow), c.reflexShown);
        EXPECT_EQ(rowShown(Panel::ReflexTemperRow), c.selected != 0);
        EXPECT_EQ(rowShown(Panel::EnableRow), c.selected != 0);

        type(field(Panel::EnvironmentTemperRow), "30.5");
        type(field(Panel::HumidityRow), "60");
        type(field(Panel::EmissivityRow), "0.8");
        type(field(Panel::DistanceRow), "4.5");
        type(field(Panel::ReflexTemperRow), "40.0");
        clickSet();
        EXPECT_EQ(spy_->count(), 1);
        EXPECT_TRUE(prompts_.calls.isEmpty());

        const USBSDK_GlobalTemperParam block = global();
        const PicRuleConfig r1 = rule(kRuleKey);
        const PicRuleConfig r2 = rule(kOtherKey);
        EXPECT_FLOAT_EQ(block.ambientTemp, 30.5f);
        EXPECT_EQ(block.humidity, 60);
        EXPECT_EQ(block.alarmMode, 2);
        EXPECT_FLOAT_EQ(block.alarmThreshold, 55.5f);
        EXPECT_EQ(r1.alarmMode, 3);
        EXPECT_FLOAT_EQ(r1.alarmThreshold, 60.5f);
        EXPECT_STREQ(r1.name, "R1");
        EXPECT_EQ(r1.points[3].x, 3000);
        EXPECT_FLOAT_EQ(r2.emissivity, 0.91f);
        EXPECT_FLOAT_EQ(block.emissivity, c.globalAfter.emissivity);
        EXPECT_FLOAT_EQ(block.distance, c.globalAfter.distance);
        EXPECT_FLOAT_EQ(block.reflectedTemp, c.globalAfter.reflected);
        EXPECT_FLOAT_EQ(r1.emissivity, c.r1After.emissivity);
        EXPECT_FLOAT_EQ(r1.distance, c.r1After.distance);
        EXPECT_FLOAT_EQ(r1.reflectedTemp, c.r1After.reflected);

        // Both were handed to the library.
        const USBSDK_GlobalTemperParam library = libraryGlobal();
        EXPECT_FLOAT_EQ(library.ambientTemp, 30.5f);
        EXPECT_EQ(library.humidity, 60);
        EXPECT_FLOAT_EQ(library.emissivity, c.globalAfter.emissivity);
        EXPECT_FLOAT_EQ(library.distance, c.globalAfter.distance);
        EXPECT_EQ(library.alarmMode, 2);
        EXPECT_FLOAT_EQ(library.alarmThreshold, 55.5f);
        const PicRuleConfig libraryR1 = libraryRule(0);
        EXPECT_STREQ(libraryR1.name, "R1");
        EXPECT_FLOAT_EQ(libraryR1.emissivity, c.r1After.emissivity);
        EXPECT_FLOAT_EQ(libraryR1.distance, c.r1After.distance);
    }
}

// The analysis window's unit for temperatures, Config.ini's for distances,
// switched on the panel while it shows the picture.
TEST_F(HotImageParamSetTest, UnitsShowConvertedAndStoreDegreesCAndMetres)
{
    struct Case {
        int temper;
        int distance;
        const char* environment;  // shown after the refresh
        const char* distanceText;
        const char* symbol;
        const char* distanceUnit;
        const char* environmentTip;
        const char* reflexTip;
        const char* distanceTip;
        const char* defaultTemper;  // "RestoreDefault"
        float defaultDistanceM;     // "1" stored
    };
    const Case cases[] = {
        {Celsius, Metres, "21.5", "2.5", "\u2103", "Meter", "-20.0-50.0", "-30.0-550.0", "0.0-99.0", "25", 1.0f},
        {Fahrenheit, Metres, "70.7", "2.5", "\u2109", "Meter", "-4.0-122.0", "-22.0-1022.0", "0.0-99.0", "77", 1.0f},
        {Kelvin, Feet, "294.7", "8.2", "K", "Feet", "253.1-323.1", "243.1-823.2", "0.0-324.8", "298.15",
         float(1.0 / kFeetPerMetre)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        store().freePic();
        loadPicture();
        setUnits(c.temper, c.distance);
        panel_->onUnitChanged();
        EXPECT_EQ(text(Panel::EnvironmentTemperRow), c.environment);
        EXPECT_EQ(text(Panel::DistanceRow), c.distanceText);
        EXPECT_EQ(unitText(Panel::EnvironmentTemperRow), QString::fromUtf8(c.symbol));
        EXPECT_EQ(unitText(Panel::ReflexTemperRow), QString::fromUtf8(c.symbol));
        EXPECT_EQ(unitText(Panel::DistanceRow), c.distanceUnit);
        EXPECT_EQ(field(Panel::EnvironmentTemperRow)->toolTip(), c.environmentTip);
        EXPECT_EQ(field(Panel::ReflexTemperRow)->toolTip(), c.reflexTip);
        EXPECT_EQ(field(Panel::DistanceRow)->toolTip(), c.distanceTip);

        clickDefault();
        EXPECT_EQ(text(Panel::EnvironmentTemperRow), c.defaultTemper);
        EXPECT_EQ(text(Panel::ReflexTemperRow), c.defaultTemper);
        EXPECT_EQ(text(Panel::HumidityRow), "0");
        EXPECT_EQ(text(Panel::DistanceRow), "1");
        EXPECT_EQ(text(Panel::EmissivityRow), "0.97");
        // Texts only until "Set".
        EXPECT_FLOAT_EQ(global().ambientTemp, 21.52f);
        EXPECT_EQ(spy_->count(), 0);

        clickSet();
        EXPECT_NEAR(global().ambientTemp, 25.0f, 1e-4);
        EXPECT_NEAR(global().reflectedTemp, 25.0f, 1e-4);
        EXPECT_EQ(global().humidity, 0);
        EXPECT_FLOAT_EQ(global().emissivity, 0.97f);
        EXPECT_NEAR(global().distance, c.defaultDistanceM, 1e-5);
        EXPECT_EQ(spy_->count(), 1);
        EXPECT_TRUE(prompts_.calls.isEmpty());
        spy_->clear();
        setUnits(Celsius, Metres);
    }
}

// What "Set" makes of each field's input, with no rule selected.
TEST_F(HotImageParamSetTest, SetHoldsInputInsideTheRanges)
{
    std::vector<InputCase> cases = sharedInputCases();
    cases.push_back({Panel::DistanceRow, "99", "99", 99.0f});
    cases.push_back({Panel::DistanceRow, "150", "99", 99.0f});
    for (const InputCase& c : cases) {
        SCOPED_TRACE(panel_->rowLabel(c.row)->text().toStdString() + " '" + c.typed + "'");
        panel_->refreshFromPicture();
        type(field(c.row), c.typed);
        clickSet();
        EXPECT_EQ(text(c.row), c.textAfterSet);
        EXPECT_FLOAT_EQ(storedValue(c.row, global(), rule(kRuleKey), false), c.stored);
        // The least emissivity reaches the temperature model too.
        if (c.row == Panel::EmissivityRow) {
            EXPECT_FLOAT_EQ(libraryGlobal().emissivity, c.stored);
        }
    }
}

// A selected rule's emissivity is held up the same way.
TEST_F(HotImageParamSetTest, RuleEmissivityZeroIsStoredAsTheLeast)
{
    for (const char* typed : {"0", ""}) {
        SCOPED_TRACE(typed);
        panel_->setItemSelectSlots(kRuleKey);
        type(field(Panel::EmissivityRow), typed);
        clickSet();
        EXPECT_EQ(text(Panel::EmissivityRow), "0.01");
        EXPECT_FLOAT_EQ(rule(kRuleKey).emissivity, 0.01f);
        EXPECT_FLOAT_EQ(libraryRule(0).emissivity, 0.01f);
        // The read-back lost the item keys: back to the fixture.
        store().freePic();
        loadPicture();
    }
}

TEST_F(HotImageParamSetTest, EnableSwitchAloneChangesNothingUntilSet)
{
    panel_->setItemSelectSlots(kRuleKey);
    EXPECT_FALSE(panel_->ruleEnableSwitch()->isChecked());
    QTest::mouseClick(panel_->ruleEnableSwitch(), Qt::LeftButton);
    EXPECT_TRUE(panel_->ruleEnableSwitch()->isChecked());
    EXPECT_EQ(int(rule(kRuleKey).bLocalEnable), 0);
    EXPECT_EQ(spy_->count(), 0);

    clickSet();
    EXPECT_EQ(int(rule(kRuleKey).bLocalEnable), 1);
    EXPECT_EQ(int(rule(kOtherKey).bLocalEnable), 0);
    panel_->setItemSelectSlots(kOtherKey);
    EXPECT_FALSE(panel_->ruleEnableSwitch()->isChecked());
    panel_->setItemSelectSlots(kRuleKey);
    EXPECT_TRUE(panel_->ruleEnableSwitch()->isChecked());
}

// Deleting any rule, the selected one or another, deselects and shows the
// global block.
TEST_F(HotImageParamSetTest, DeletingAnyRuleShowsTheGlobalBlock)
{
    for (quint32 deleted : {kOtherKey, kRuleKey}) {
        SCOPED_TRACE(deleted);
        store().freePic();
        loadPicture();
        panel_->setItemSelectSlots(kRuleKey);
        ASSERT_EQ(panel_->titleLabel()->text(), "Rule Property-R1");
        ASSERT_EQ(text(Panel::EmissivityRow), "0.93");
        ASSERT_EQ(store().delPicRule(deleted), 0);
        panel_->setItemDeleteSlots();
        EXPECT_EQ(panel_->selectedItem(), 0u);
        EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property-G");
        EXPECT_EQ(text(Panel::EmissivityRow), "0.95");
        EXPECT_EQ(text(Panel::DistanceRow), "2.5");
        EXPECT_FALSE(rowShown(Panel::EnableRow));
        EXPECT_TRUE(panel_->ruleEnableSwitch()->isHidden());
        EXPECT_FALSE(rowShown(Panel::ReflexTemperRow));
    }
}

// A selected rule that is gone: the fields stay; "Set" stores only the
// environment and humidity. Without a picture the fields stay too and "Set"
// stores nothing, yet the window is told to recompute.
TEST_F(HotImageParamSetTest, RefreshStopsWhenTheRuleOrThePictureIsGone)
{
    panel_->setItemSelectSlots(kRuleKey);
    ASSERT_EQ(store().delPicRule(kRuleKey), 0);
    type(field(Panel::EmissivityRow), "0.5");
    panel_->refreshFromPicture();
    EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property-R1");
    EXPECT_EQ(text(Panel::EmissivityRow), "0.5");
    EXPECT_TRUE(rowShown(Panel::ReflexTemperRow));
    type(field(Panel::HumidityRow), "70");
    clickSet();
    EXPECT_EQ(global().humidity, 70);
    EXPECT_FLOAT_EQ(global().emissivity, 0.95f);
    EXPECT_FLOAT_EQ(rule(kOtherKey).emissivity, 0.91f);
    EXPECT_EQ(spy_->count(), 1);

    store().freePic();
    panel_->setItemSelectSlots(0);
    EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property-R1");
    EXPECT_EQ(text(Panel::HumidityRow), "70");
    clickSet();
    EXPECT_EQ(spy_->count(), 2);
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(HotImageParamSetTest, ClearEmptiesTheFieldsAndDeselects)
{
    panel_->setItemSelectSlots(kRuleKey);
    store().freePic();
    panel_->clearParams();
    EXPECT_EQ(panel_->selectedItem(), 0u);
    for (Panel::Row row : {Panel::EnvironmentTemperRow, Panel::HumidityRow, Panel::EmissivityRow, Panel::DistanceRow,
                           Panel::ReflexTemperRow}) {
        EXPECT_TRUE(text(row).isEmpty()) << int(row);
    }
    // Until the next refresh.
    EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property-R1");
    EXPECT_TRUE(rowShown(Panel::ReflexTemperRow));
    loadPicture();
    panel_->refreshFromPicture();
    EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property-G");
    EXPECT_EQ(text(Panel::HumidityRow), "45");
}

TEST_F(HotImageParamSetTest, LanguageChangeShowsThePlainTitleUntilTheNextRefresh)
{
    ASSERT_EQ(panel_->titleLabel()->text(), "Rule Property-G");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(panel_.get(), &change);
    EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property");
    EXPECT_EQ(unitText(Panel::DistanceRow), "Meter");
    panel_->refreshFromPicture();
    EXPECT_EQ(panel_->titleLabel()->text(), "Rule Property-G");
}

}  // namespace
