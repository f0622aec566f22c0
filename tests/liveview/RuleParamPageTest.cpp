// The rule property page of the side panel, driven through its controls over
// the simulated camera. A stand-in for the live page makes the connections
// the live page makes: the global request goes, with a copy of the live
// global block, to the device-command worker on a thread of its own, and the
// rule request, as the camera's rule set built from the live set, to the rule
// temperature worker on that thread. Messages are recorded by FakeUiPrompts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "LiveRuleSet.h"
#include "MetaTypes.h"
#include "QDevCommExec.h"
#include "QRuleParamSet.h"
#include "QTempRule.h"
#include "QUnitLineEdit.h"
#include "../picture/RuleParamTestSupport.h"
#include "SimCamera.h"
#include "SwitchButton.h"
#include "ThermalImageData.h"
#include "simcam.h"

namespace {

using namespace ruleparamtest;

using Page = QRuleParamSet;
using Kind = FakeUiPrompts::Kind;

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

// The live page's side of the page's two requests.
class LivePageStandIn : public QObject {
    Q_OBJECT
public:
    QVector<bool> globalResults;

signals:
    void sendUpdateGlobalInfoSignal(bool bValid, USBSDK_GlobalTemperParam stGlobalParam);
    void sendSetThermalRulesSignal(USBSDK_Rules stRules);

public slots:
    void setUpdateGlobalInfoRequestSlot()
    {
        const std::optional<USBSDK_GlobalTemperParam> block = store().getDevGlobalRuleConfig();
        emit sendUpdateGlobalInfoSignal(block.has_value(), block.value_or(USBSDK_GlobalTemperParam{}));
    }
    void setUpdateRuleInfoSlots()
    {
        const std::optional<PicRuleList> list = store().getDevRuleList();
        if (list) emit sendSetThermalRulesSignal(LiveRuleSet::fromLiveSet(*list));
    }
    void setUpdateGlobalInfoSlots(bool bRet) { globalResults.append(bRet); }
};

constexpr quint32 kRuleKey = 41;

USBSDK_GlobalTemperParam globalBlock()
{
    USBSDK_GlobalTemperParam b;
    std::memset(&b, 0, sizeof b);
    b.emissivity = 0.95f;
    b.distance = 2.5f;
    b.reflectedTemp = 31.22f;
    b.ambientTemp = 21.52f;
    b.humidity = 45;
    b.alarmMode = 2;
    b.alarmThreshold = 55.5f;
    return b;
}

class RuleParamPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerQueuedTypes(); }

    void SetUp() override
    {
        SIMCAM_Reset();
        ASSERT_TRUE(simcamera::openFirst());
        clearLiveRules();
        setUnits(Celsius, Metres);
        SIMCAM_ClearCallLog();

        worker_ = new QDevCommExec;
        temper_ = new QTempRule;
        worker_->moveToThread(&thread_);
        temper_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        QObject::connect(&thread_, &QThread::finished, temper_, &QObject::deleteLater);
        thread_.start();

        page_ = std::make_unique<Page>();
        page_->setGlobalTemperParam(globalBlock());
        QObject::connect(page_.get(), &Page::sendUpdateGlobalInfoSignales, &live_,
                         &LivePageStandIn::setUpdateGlobalInfoRequestSlot);
        QObject::connect(page_.get(), &Page::sendUpdateRuleInfoSignals, &live_,
                         &LivePageStandIn::setUpdateRuleInfoSlots);
        QObject::connect(&live_, &LivePageStandIn::sendUpdateGlobalInfoSignal, worker_,
                         &QDevCommExec::setUpdateGlobalInfoSlots);
        QObject::connect(&live_, &LivePageStandIn::sendSetThermalRulesSignal, temper_, &QTempRule::setThermalRulesSlot);
        QObject::connect(worker_, &QDevCommExec::sendUpdateGlobalInfoRetSignal, &live_,
                         &LivePageStandIn::setUpdateGlobalInfoSlots);
        ruleSpy_ = std::make_unique<QSignalSpy>(page_.get(), &Page::sendUpdateRuleInfoSignals);
        globalSpy_ = std::make_unique<QSignalSpy>(page_.get(), &Page::sendUpdateGlobalInfoSignales);
    }

    void TearDown() override
    {
        ruleSpy_.reset();
        globalSpy_.reset();
        page_.reset();
        thread_.quit();
        thread_.wait();
        if (DeviceSdkWrapper::getInstance().Connect()) clearLiveRules();
        USBSDK_Close();
        SIMCAM_Reset();
    }

    static void setUnits(int temper, int distance)
    {
        ConfigManager& config = ConfigManager::getInstance();
        config.setValue(ConfigManager::kGroup, "TemperUnit", temper);
        config.setValue(ConfigManager::kGroup, "DistanceUnit", distance);
    }

    static void clearLiveRules()
    {
        const std::optional<PicRuleList> list = store().getDevRuleList();
        if (!list) return;
        for (int i = list->size() - 1; i >= 0; --i) store().delDevRule(list->records[i].key);
    }

    static void addRule(quint32 key, const char* name)
    {
        PicRuleRecord r = ruleRecord(key, name);
        ASSERT_EQ(store().addDevRule(&r), 0);
    }

    QUnitLineEdit* field(Page::Row row) const { return page_->field(row); }
    QString text(Page::Row row) const { return field(row)->text(); }
    bool rowShown(Page::Row row) const { return !page_->rowLabel(row)->isHidden(); }

    void clickSet() { QTest::mouseClick(page_->setButton(), Qt::LeftButton); }

    // Waits for the worker's answers to the global requests made so far.
    bool waitForGlobalResults(int n)
    {
        return QTest::qWaitFor([&] { return live_.globalResults.size() >= n; });
    }
    static bool waitForRuleUploads(int n)
    {
        return QTest::qWaitFor([n] { return SIMCAM_CountCalls("USBSDK_SetThermalRules") >= n; });
    }
    static USBSDK_GlobalTemperParam cameraParams()
    {
        USBSDK_GlobalTemperParam out;
        std::memset(&out, 0, sizeof out);
        EXPECT_NE(USBSDK_GetCommonTemperParam(&out), 0);
        return out;
    }

    FakeUiPrompts prompts_;
    QThread thread_;
    QDevCommExec* worker_ = nullptr;  // deleted on thread_'s finished
    QTempRule* temper_ = nullptr;     // deleted on thread_'s finished
    LivePageStandIn live_;
    std::unique_ptr<Page> page_;
    std::unique_ptr<QSignalSpy> ruleSpy_;
    std::unique_ptr<QSignalSpy> globalSpy_;
};

TEST_F(RuleParamPageTest, FormFitsThePanelColumn)
{
    const Page& page = *page_;
    EXPECT_EQ(page.objectName(), "QRuleParamSet");
    EXPECT_EQ(page.groupLabel()->text(), "BasicTemperParam");
    EXPECT_EQ(page.groupLabel()->objectName(), "Label_FF_85_14");
    const char* captions[Page::RowCount] = {"EnvironmentTemper", "Humidity", "Enable",
                                            "Emissivity",        "Distance", "ReflexTemper"};
    for (int r = 0; r < Page::RowCount; ++r) {
        SCOPED_TRACE(captions[r]);
        EXPECT_EQ(page.rowLabel(Page::Row(r))->text(), captions[r]);
        EXPECT_EQ(page.rowLabel(Page::Row(r))->objectName(), "Label_FF_85_14");
        EXPECT_EQ(page.rowLabel(Page::Row(r))->size(), QSize(110, 26));
        if (r != Page::EnableRow) {
            EXPECT_EQ(page.field(Page::Row(r))->size(), QSize(100, 26));
        }
    }
    EXPECT_EQ(page.field(Page::EnableRow), nullptr);
    EXPECT_EQ(page.ruleEnableSwitch()->size(), QSize(48, 24));
    EXPECT_EQ(page.restoreDefaultButton()->text(), "RestoreDefault");
    EXPECT_EQ(page.restoreDefaultButton()->objectName(), "IconTextHBtn");
    EXPECT_EQ(page.setButton()->text(), "Set");
    EXPECT_EQ(page.setButton()->objectName(), "BtnStyle1");
    EXPECT_EQ(page.setButton()->size(), QSize(100, 32));
    EXPECT_EQ(page.titleLabel()->text(), "Rule Property");
    // Emissivity 0 would divide by zero further on: the least is 0.01.
    EXPECT_EQ(text(Page::EmissivityRow), "0.00");
    EXPECT_EQ(field(Page::EmissivityRow)->toolTip(), "0.01-1.00");
    // Global mode until a rule is selected: four rows.
    EXPECT_FALSE(rowShown(Page::EnableRow));
    EXPECT_TRUE(page.ruleEnableSwitch()->isHidden());
    EXPECT_FALSE(rowShown(Page::ReflexTemperRow));
    EXPECT_TRUE(field(Page::ReflexTemperRow)->isHidden());
    EXPECT_LE(page.minimumSizeHint().width(), 254);
    EXPECT_LE(page.sizeHint().width(), 254);
}

// The global block shown in the units of Config.ini, fields and ranges.
TEST_F(RuleParamPageTest, ShowingThePageLoadsTheGlobalBlockInTheConfiguredUnits)
{
    struct Case {
        int temper;
        int distance;
        const char* environment;
        const char* reflex;
        const char* distanceText;
        const char* symbol;
        const char* distanceUnit;
        const char* environmentTip;
        const char* reflexTip;
        const char* distanceTip;
    };
    const Case cases[] = {
        {Celsius, Metres, "21.5", "31.2", "2.5", "\u2103", "Meter", "-20.0-50.0", "-30.0-550.0", "0.0-50.0"},
        {Fahrenheit, Metres, "70.7", "88.2", "2.5", "\u2109", "Meter", "-4.0-122.0", "-22.0-1022.0", "0.0-50.0"},
        {Kelvin, Feet, "294.7", "304.4", "8.2", "K", "Feet", "253.1-323.1", "243.1-823.2", "0.0-164.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        setUnits(c.temper, c.distance);
        page_->hide();
        page_->show();
        EXPECT_EQ(page_->titleLabel()->text(), "Rule Property-G");
        EXPECT_EQ(text(Page::EnvironmentTemperRow), c.environment);
        EXPECT_EQ(text(Page::HumidityRow), "45");
        EXPECT_EQ(text(Page::EmissivityRow), "0.95");
        EXPECT_EQ(text(Page::DistanceRow), c.distanceText);
        // Hidden in global mode, yet loaded: "Set" writes it back.
        EXPECT_EQ(text(Page::ReflexTemperRow), c.reflex);
        EXPECT_FALSE(rowShown(Page::ReflexTemperRow));
        EXPECT_EQ(field(Page::EnvironmentTemperRow)->findChild<QLabel*>()->text(), QString::fromUtf8(c.symbol));
        EXPECT_EQ(field(Page::DistanceRow)->findChild<QLabel*>()->text(), c.distanceUnit);
        EXPECT_EQ(field(Page::EnvironmentTemperRow)->toolTip(), c.environmentTip);
        EXPECT_EQ(field(Page::ReflexTemperRow)->toolTip(), c.reflexTip);
        EXPECT_EQ(field(Page::DistanceRow)->toolTip(), c.distanceTip);
    }
}

// "Set" without a rule: every field into the global block, converted back to
// degrees C and metres, and the block reaches the camera.
TEST_F(RuleParamPageTest, SetWithoutRuleWritesTheGlobalBlockAndTheCameraGetsIt)
{
    struct Case {
        int temper;
        int distance;
        const char* environment;
        const char* distanceText;
        float ambientC;
        float distanceM;
        float reflectedC;  // from the hidden field's text "31.2" / "88.2"
    };
    const Case cases[] = {
        {Celsius, Metres, "30.5", "3.5", 30.5f, 3.5f, 31.2f},
        {Fahrenheit, Feet, "86.9", "10.0", 30.5f, float(10.0 / kFeetPerMetre), float((88.2 - 32.0) / 1.8)},
    };
    int requests = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment);
        setUnits(c.temper, c.distance);
        page_->setGlobalTemperParam(globalBlock());
        page_->hide();
        page_->show();
        prompts_.clear();
        ruleSpy_->clear();
        globalSpy_->clear();
        type(field(Page::EnvironmentTemperRow), c.environment);
        type(field(Page::HumidityRow), "60");
        type(field(Page::EmissivityRow), "0.9");
        type(field(Page::DistanceRow), c.distanceText);
        clickSet();

        const USBSDK_GlobalTemperParam block = *store().getDevGlobalRuleConfig();
        EXPECT_NEAR(block.ambientTemp, c.ambientC, 1e-4);
        EXPECT_EQ(block.humidity, 60);
        EXPECT_FLOAT_EQ(block.emissivity, 0.9f);
        EXPECT_NEAR(block.distance, c.distanceM, 1e-4);
        EXPECT_NEAR(block.reflectedTemp, c.reflectedC, 1e-4);
        // No control for these: carried through.
        EXPECT_EQ(block.alarmMode, 2);
        EXPECT_FLOAT_EQ(block.alarmThreshold, 55.5f);
        EXPECT_EQ(globalSpy_->count(), 1);
        EXPECT_EQ(ruleSpy_->count(), 0);
        EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate succeed"});
        EXPECT_EQ(prompts_.last(Kind::Toast).type, 0);
        EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);

        ASSERT_TRUE(waitForGlobalResults(++requests));
        EXPECT_TRUE(live_.globalResults.last());
        const USBSDK_GlobalTemperParam camera = cameraParams();
        EXPECT_NEAR(camera.ambientTemp, c.ambientC, 1e-4);
        EXPECT_EQ(camera.humidity, 60);
        EXPECT_FLOAT_EQ(camera.emissivity, 0.9f);
        EXPECT_NEAR(camera.distance, c.distanceM, 1e-4);
        EXPECT_NEAR(camera.reflectedTemp, c.reflectedC, 1e-4);
    }
}

// "Set" with a rule: the rule's own parameters into its live record and to
// the camera's rule set; environment temperature and humidity into the
// global block, sent as well whenever one of them changed.
TEST_F(RuleParamPageTest, SetWithRuleWritesTheRecordAndSendsAChangedEnvironment)
{
    struct Case {
        const char* name;
        const char* environment;
        const char* humidity;
        float ambientC;
        int humidityStored;
        int globalRequests;
    };
    const Case cases[] = {
        {"environment changed", "28.0", "45", 28.0f, 45, 1},
        {"humidity changed", "21.5", "70", 21.5f, 70, 1},
        {"neither changed", "21.5", "45", 21.5f, 45, 0},
    };
    addRule(kRuleKey, "R1");
    page_->show();
    int uploads = 0;
    int globalResults = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The block as shown, so that "neither" really changes nothing.
        USBSDK_GlobalTemperParam shown = globalBlock();
        shown.ambientTemp = 21.5f;
        page_->setGlobalTemperParam(shown);
        page_->setSelectedItem(kRuleKey);
        ASSERT_EQ(page_->titleLabel()->text(), "Rule Property-R1");
        ASSERT_TRUE(rowShown(Page::EnableRow));
        ASSERT_TRUE(rowShown(Page::ReflexTemperRow));
        page_->ruleEnableSwitch()->setChecked(false);
        prompts_.clear();
        ruleSpy_->clear();
        globalSpy_->clear();

        QTest::mouseClick(page_->ruleEnableSwitch(), Qt::LeftButton);
        type(field(Page::EnvironmentTemperRow), c.environment);
        type(field(Page::HumidityRow), c.humidity);
        type(field(Page::EmissivityRow), "0.8");
        type(field(Page::DistanceRow), "4.5");
        type(field(Page::ReflexTemperRow), "40.0");
        clickSet();

        const PicRuleConfig rule = *store().findDevRuleById(kRuleKey);
        EXPECT_EQ(int(rule.bLocalEnable), 1);
        EXPECT_FLOAT_EQ(rule.emissivity, 0.8f);
        EXPECT_FLOAT_EQ(rule.distance, 4.5f);
        EXPECT_FLOAT_EQ(rule.reflectedTemp, 40.0f);
        EXPECT_EQ(rule.alarmMode, 3);
        EXPECT_FLOAT_EQ(rule.alarmThreshold, 60.5f);
        EXPECT_STREQ(rule.name, "R1");
        EXPECT_EQ(rule.points[3].x, 3000);
        const USBSDK_GlobalTemperParam block = *store().getDevGlobalRuleConfig();
        EXPECT_FLOAT_EQ(block.ambientTemp, c.ambientC);
        EXPECT_EQ(block.humidity, c.humidityStored);
        // The rule's parameters stay out of the global block.
        EXPECT_FLOAT_EQ(block.emissivity, 0.95f);
        EXPECT_FLOAT_EQ(block.distance, 2.5f);
        EXPECT_FLOAT_EQ(block.reflectedTemp, 31.22f);
        EXPECT_EQ(ruleSpy_->count(), 1);
        EXPECT_EQ(globalSpy_->count(), c.globalRequests);
        EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate succeed"});

        ASSERT_TRUE(waitForRuleUploads(++uploads));
        USBSDK_Rules sent;
        ASSERT_NE(SIMCAM_GetLastRules(0, SIMCAM_RULES_CLIENT, &sent), 0);
        ASSERT_EQ(sent.count, 1u);
        EXPECT_EQ(sent.rule[0].localParamFlag, 1u);
        EXPECT_FLOAT_EQ(sent.rule[0].localEmissivity, 0.8f);
        EXPECT_FLOAT_EQ(sent.rule[0].localDistance, 4.5f);
        EXPECT_FLOAT_EQ(sent.rule[0].localReflected, 40.0f);
        if (c.globalRequests) {
            ASSERT_TRUE(waitForGlobalResults(++globalResults));
            EXPECT_TRUE(live_.globalResults.last());
            EXPECT_FLOAT_EQ(cameraParams().ambientTemp, c.ambientC);
            EXPECT_EQ(cameraParams().humidity, c.humidityStored);
        }
    }
}

TEST_F(RuleParamPageTest, EnableSwitchAloneChangesNothingUntilSet)
{
    addRule(kRuleKey, "R1");
    page_->show();
    page_->setSelectedItem(kRuleKey);
    EXPECT_FALSE(page_->ruleEnableSwitch()->isChecked());
    QTest::mouseClick(page_->ruleEnableSwitch(), Qt::LeftButton);
    EXPECT_TRUE(page_->ruleEnableSwitch()->isChecked());
    EXPECT_EQ(int(store().findDevRuleById(kRuleKey)->bLocalEnable), 0);
    EXPECT_EQ(ruleSpy_->count() + globalSpy_->count(), 0);

    // Reselecting shows the record's flag again; switching back on and "Set"
    // stores it.
    page_->setSelectedItem(kRuleKey);
    EXPECT_FALSE(page_->ruleEnableSwitch()->isChecked());
    QTest::mouseClick(page_->ruleEnableSwitch(), Qt::LeftButton);
    clickSet();
    EXPECT_EQ(int(store().findDevRuleById(kRuleKey)->bLocalEnable), 1);
    page_->setSelectedItem(kRuleKey);
    EXPECT_TRUE(page_->ruleEnableSwitch()->isChecked());
}

// What "Set" makes of each field's input, in degrees C with a selected rule.
TEST_F(RuleParamPageTest, SetHoldsInputInsideTheRanges)
{
    std::vector<InputCase> cases = sharedInputCases();
    cases.push_back({Page::DistanceRow, "80", "50", 50.0f});
    addRule(kRuleKey, "R1");
    page_->show();
    for (const InputCase& c : cases) {
        SCOPED_TRACE(std::string(page_->rowLabel(c.row)->text().toStdString()) + " '" + c.typed + "'");
        page_->setSelectedItem(kRuleKey);
        type(field(c.row), c.typed);
        page_->setButton()->click();
        EXPECT_EQ(text(c.row), c.textAfterSet);
        const USBSDK_GlobalTemperParam block = *store().getDevGlobalRuleConfig();
        const PicRuleConfig rule = *store().findDevRuleById(kRuleKey);
        EXPECT_FLOAT_EQ(storedValue(c.row, block, rule, true), c.stored);
    }
}

// The camera accepts what the page lets through: the least emissivity too.
TEST_F(RuleParamPageTest, LeastEmissivityIsAcceptedByTheCamera)
{
    page_->show();
    type(field(Page::EmissivityRow), "0");
    clickSet();
    EXPECT_FLOAT_EQ(store().getDevGlobalRuleConfig()->emissivity, 0.01f);
    ASSERT_TRUE(waitForGlobalResults(1));
    EXPECT_TRUE(live_.globalResults.last());
    EXPECT_FLOAT_EQ(cameraParams().emissivity, 0.01f);
    EXPECT_TRUE(prompts_.texts(Kind::Notice).isEmpty());
}

// "RestoreDefault" writes texts only; "Set" afterwards stores them and
// leaving the page discards them.
TEST_F(RuleParamPageTest, RestoreDefaultWritesTextsOnly)
{
    struct Case {
        int temper;
        const char* temperText;
    };
    const Case cases[] = {{Celsius, "25"}, {Fahrenheit, "77"}, {Kelvin, "298.15"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.temperText);
        setUnits(c.temper, Metres);
        page_->setGlobalTemperParam(globalBlock());
        page_->hide();
        page_->show();
        prompts_.clear();
        globalSpy_->clear();
        QTest::mouseClick(page_->restoreDefaultButton(), Qt::LeftButton);
        EXPECT_EQ(text(Page::EnvironmentTemperRow), c.temperText);
        EXPECT_EQ(text(Page::HumidityRow), "0");
        EXPECT_EQ(text(Page::DistanceRow), "1");
        EXPECT_EQ(text(Page::EmissivityRow), "0.97");
        EXPECT_EQ(text(Page::ReflexTemperRow), c.temperText);
        EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate succeed"});
        EXPECT_EQ(prompts_.last(Kind::Toast).type, 0);
        const USBSDK_GlobalTemperParam before = globalBlock();
        const USBSDK_GlobalTemperParam after = *store().getDevGlobalRuleConfig();
        EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
        EXPECT_EQ(globalSpy_->count(), 0);

        clickSet();
        const USBSDK_GlobalTemperParam block = *store().getDevGlobalRuleConfig();
        EXPECT_NEAR(block.ambientTemp, 25.0f, 1e-4);
        EXPECT_NEAR(block.reflectedTemp, 25.0f, 1e-4);
        EXPECT_EQ(block.humidity, 0);
        EXPECT_FLOAT_EQ(block.distance, 1.0f);
        EXPECT_FLOAT_EQ(block.emissivity, 0.97f);
        EXPECT_EQ(globalSpy_->count(), 1);
    }

    page_->setGlobalTemperParam(globalBlock());
    setUnits(Celsius, Metres);
    QTest::mouseClick(page_->restoreDefaultButton(), Qt::LeftButton);
    page_->hide();
    page_->show();
    EXPECT_EQ(text(Page::EnvironmentTemperRow), "21.5");
    EXPECT_EQ(text(Page::HumidityRow), "45");
    EXPECT_EQ(text(Page::EmissivityRow), "0.95");
}

TEST_F(RuleParamPageTest, WithoutCameraNothingIsReadOrWritten)
{
    page_->show();
    ASSERT_EQ(text(Page::HumidityRow), "45");
    USBSDK_Close();
    type(field(Page::HumidityRow), "70");
    page_->refreshRuleParam();
    EXPECT_EQ(text(Page::HumidityRow), "70");
    clickSet();
    EXPECT_EQ(ruleSpy_->count() + globalSpy_->count(), 0);
    EXPECT_TRUE(prompts_.calls.isEmpty());
    ASSERT_TRUE(simcamera::openFirst());
    EXPECT_EQ(store().getDevGlobalRuleConfig()->humidity, 45);
}

// A selected rule that was deleted: refresh keeps the texts; "Set" writes
// the environment into the global block and sends it, but no rule update and
// no toast.
TEST_F(RuleParamPageTest, DeletedRuleKeepsTheFieldsAndOnlyTheEnvironmentIsSet)
{
    addRule(kRuleKey, "R1");
    page_->show();
    page_->setSelectedItem(kRuleKey);
    ASSERT_EQ(text(Page::EmissivityRow), "0.93");
    ASSERT_EQ(store().delDevRule(kRuleKey), 0);

    type(field(Page::EmissivityRow), "0.5");
    page_->refreshRuleParam();
    EXPECT_EQ(page_->titleLabel()->text(), "Rule Property-R1");
    EXPECT_EQ(text(Page::EmissivityRow), "0.5");
    EXPECT_TRUE(rowShown(Page::ReflexTemperRow));

    type(field(Page::EnvironmentTemperRow), "33.0");
    clickSet();
    EXPECT_FLOAT_EQ(store().getDevGlobalRuleConfig()->ambientTemp, 33.0f);
    EXPECT_FLOAT_EQ(store().getDevGlobalRuleConfig()->emissivity, 0.95f);
    EXPECT_EQ(ruleSpy_->count(), 0);
    EXPECT_EQ(globalSpy_->count(), 1);
    EXPECT_EQ(prompts_.count(Kind::Toast), 0);
    ASSERT_TRUE(waitForGlobalResults(1));
    EXPECT_FLOAT_EQ(cameraParams().ambientTemp, 33.0f);

    // Back to the global block.
    page_->setSelectedItem(0);
    EXPECT_EQ(page_->titleLabel()->text(), "Rule Property-G");
    EXPECT_FALSE(rowShown(Page::ReflexTemperRow));
    EXPECT_FALSE(rowShown(Page::EnableRow));
}

TEST_F(RuleParamPageTest, RepeatedRefreshAndSetKeepAlarmAndRoundToShownDecimals)
{
    USBSDK_GlobalTemperParam block = globalBlock();
    block.distance = 2.46f;
    block.emissivity = 0.957f;
    page_->setGlobalTemperParam(block);
    page_->show();
    for (int i = 0; i < 3; ++i) {
        page_->refreshRuleParam();
        clickSet();
    }
    const USBSDK_GlobalTemperParam stored = *store().getDevGlobalRuleConfig();
    EXPECT_FLOAT_EQ(stored.distance, 2.5f);
    EXPECT_FLOAT_EQ(stored.emissivity, 0.96f);
    EXPECT_FLOAT_EQ(stored.ambientTemp, 21.5f);
    EXPECT_FLOAT_EQ(stored.reflectedTemp, 31.2f);
    EXPECT_EQ(stored.alarmMode, 2);
    EXPECT_FLOAT_EQ(stored.alarmThreshold, 55.5f);
    EXPECT_EQ(globalSpy_->count(), 3);
}

// Under the program's style sheet, in rule mode (six rows), every control
// lies inside the panel's 254 px column.
TEST_F(RuleParamPageTest, UnderTheStyleSheetEveryControlFitsTheColumn)
{
    QFile sheet(":/Resource/Skin/vxt.qss");
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    addRule(kRuleKey, "R12");
    page_->setFixedWidth(254);
    page_->show();
    page_->setSelectedItem(kRuleKey);
    page_->adjustSize();
    QCoreApplication::processEvents();
    for (QWidget* w : page_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isHidden()) continue;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_GE(w->geometry().left(), 0);
        EXPECT_LE(w->geometry().right(), 253);
        EXPECT_LE(w->geometry().bottom(), page_->height() - 1);
    }
    EXPECT_EQ(page_->titleLabel()->text(), "Rule Property-R12");
    qApp->setStyleSheet(QString());
}

TEST_F(RuleParamPageTest, LanguageChangeShowsThePlainTitleUntilTheNextRefresh)
{
    page_->show();
    ASSERT_EQ(page_->titleLabel()->text(), "Rule Property-G");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(page_.get(), &change);
    EXPECT_EQ(page_->titleLabel()->text(), "Rule Property");
    EXPECT_EQ(page_->setButton()->text(), "Set");
    EXPECT_EQ(field(Page::DistanceRow)->findChild<QLabel*>()->text(), "Meter");
    page_->refreshRuleParam();
    EXPECT_EQ(page_->titleLabel()->text(), "Rule Property-G");
}

}  // namespace

#include "RuleParamPageTest.moc"
