// The second calibration page against the simulated camera: its requests
// go through a real device-command worker on a thread of its own, relayed
// as the live page relays them, and the worker's answers come back into the
// page. The simulator runs on its manual clock, so the tests move the
// calibration's progress themselves and tick the page's progress poll by
// hand instead of waiting for its 1000 ms timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "CalibrationGearResult.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "FireTimer.h"
#include "MetaTypes.h"
#include "PicRuleRecord.h"
#include "QCustomLineEdit.h"
#include "QDevCommExec.h"
#include "QSecondCalibration.h"
#include "QSecondCalibrationProcessDlg.h"
#include "SecondCalibrationRun.h"
#include "SimCamera.h"
#include "ThermalImageData.h"
#include "simcam.h"

// Readable failure messages for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

using P = QSecondCalibration;
using W = QDevCommExec;
using Kind = FakeUiPrompts::Kind;
using Gear = CalibrationGearResult::Gear;

constexpr int kWaitMs = 8000;

const char* const kGreen = "QLabel {color:green;}";
const char* const kRed = "QLabel {color:red;}";
const char* const kWhite = "QLabel {color:white;}";

// A live rule by record type and area shape.
struct LiveRule {
    int32_t type;
    int32_t shape;
};
constexpr LiveRule kRect{PicRuleRecord::kTypeArea, PicRuleRecord::kShapeRectangle};
constexpr LiveRule kEllipse{PicRuleRecord::kTypeArea, PicRuleRecord::kShapeEllipse};
constexpr LiveRule kPolygon{PicRuleRecord::kTypeArea, PicRuleRecord::kShapePolygon};
constexpr LiveRule kLine{PicRuleRecord::kTypeLine, 0};

// The camera's common measuring distance, metres.
float measuringDistance()
{
    USBSDK_GlobalTemperParam param{};
    EXPECT_EQ(USBSDK_GetCommonTemperParam(&param), 1);
    return param.distance;
}

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

void clearLiveRules()
{
    const std::optional<PicRuleList> rules = store().getDevRuleList();
    if (!rules) return;
    std::vector<quint32> keys;
    for (int i = 0; i < rules->size(); ++i) keys.push_back(rules->records[i].key);
    for (quint32 key : keys) store().delDevRule(key);
}

// Replaces the live rules (a camera must be connected).
void setLiveRules(const std::vector<LiveRule>& rules)
{
    clearLiveRules();
    quint32 key = 100;
    for (const LiveRule& r : rules) {
        PicRuleRecord record{};
        record.key = ++key;
        record.rule.meterType = r.type;
        record.rule.param = r.shape;
        record.rule.pointNum = r.type == PicRuleRecord::kTypeArea ? 4 : 2;
        const int x0 = 1024 + int(key - 101) * 4096;
        const ThermPoint corners[] = {{x0, 3072}, {x0 + 2048, 3072}, {x0, 5120}, {x0 + 2048, 5120}};
        std::memcpy(record.rule.points, corners, sizeof corners);
        ASSERT_EQ(store().addDevRule(&record), 0);
    }
}

std::vector<SIMCAM_CallRecord> callLog()
{
    int total = 0;
    long long overwritten = 0;
    SIMCAM_GetCallLog(nullptr, 0, &total, &overwritten);
    std::vector<SIMCAM_CallRecord> records(size_t(total) + 1);
    SIMCAM_GetCallLog(records.data(), int(records.size()), &total, &overwritten);
    records.resize(size_t(total));
    return records;
}

// "USBSDK_Name(args)" of the logged calls whose name holds the part.
QStringList calls(const char* part = "Calibration")
{
    QStringList out;
    for (const SIMCAM_CallRecord& r : callLog()) {
        const QString name = QString::fromUtf8(r.function);
        if (name.contains(QLatin1String(part))) out << name + '(' + QString::fromUtf8(r.args) + ')';
    }
    return out;
}

const QString kProgressCall = "USBSDK_GetAutoTemperatureCalibrationProgress(progress=out)";
const QString kResultCall = "USBSDK_GetTemperatureCalibrationResult(r=out)";
const QString kStartCall = "USBSDK_SetAutoTemperatureCalibration(state=1)";
const QString kStopCall = "USBSDK_SetAutoTemperatureCalibration(state=0)";
const QString kTimeCall = "USBSDK_SetTemperatureCalibrationTime()";

class SecondCalibrationPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerQueuedTypes(); }

    void SetUp() override
    {
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_TRUE(simcamera::openFirst());
        clearLiveRules();
        answers_.clear();
        prompts_.clear();
        prompts_.answers.clear();

        worker_ = new QDevCommExec;
        worker_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        thread_.start();

        page_ = std::make_unique<P>();
        // The test polls by hand; a real tick would add a progress call.
        heldTimer_.emplace(page_->progressTimer());
        wire();
        page_->resize(254, 640);
        page_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
        SIMCAM_ClearCallLog();
    }

    // A fresh page, worker and camera for the next case of a table.
    void reset()
    {
        TearDown();
        SetUp();
    }

    void TearDown() override
    {
        heldTimer_.reset();
        page_.reset();
        thread_.quit();
        thread_.wait();
        if (DeviceSdkWrapper::getInstance().Connect()) clearLiveRules();
        USBSDK_Close();
        SIMCAM_Reset();
    }

    // The host's relays: requests to the worker's slots (the boxes with the
    // live rules as they stand), answers back into the page. Each answer is
    // counted once the page has taken it.
    void wire()
    {
        P* p = page_.get();
        W* w = worker_;
        QObject::connect(p, &P::sendSecCalibraInitSignal, w, &W::setSecondCalibrationInitSlot);
        QObject::connect(p, &P::sendGetBalancedStateSignal, w, &W::getBalancedStateSlot);
        QObject::connect(p, &P::sendSetCalibrationRectSignal, w, &W::setSecCalibrationRectSlot);
        QObject::connect(p, &P::sendSaveCalibrationRectSignal, &host_, [w] {
            QVector<PicRuleConfig> live;
            if (const std::optional<PicRuleList> rules = store().getDevRuleList())
                for (int i = 0; i < rules->size(); ++i) live.append(rules->records[i].rule);
            QMetaObject::invokeMethod(w, [w, live] { w->setSaveSecCalibrationRectSlot(live); });
        });
        QObject::connect(p, &P::sendSetCalibrationBlackbodyTempSignal, w, &W::setSecCalibrationBlackbodyTempSlot);
        QObject::connect(p, &P::sendCalibrateSignal, w, &W::setSecCalibrateSlot);
        QObject::connect(p, &P::sendGetCalibraProgSignal, w, &W::getSecCalibraProgSlot);
        QObject::connect(p, &P::sendSetCalibrationTimeSignal, w, &W::setSaveSecCalibrationTimeSlot);
        QObject::connect(p, &P::sendGetCalibrationResultSignal, w, &W::getSecCalibrationResultSlot);
        QObject::connect(p, &P::sendSetCalibrationDefaultSignal, w, &W::setSecCalibrationDefalutSlot);

        answer(&W::sendGetBalancedStateRetSignal, &P::getBalancedStateRetSlot, "balanced");
        answer(&W::sendSetCalibrationRectRetSignal, &P::setCalibrationRectRetSlot, "rect");
        answer(&W::sendSaveCalibrationRectRetSignal, &P::setSaveCalibrationRectRetSlot, "saveRect");
        answer(&W::sendSecCalibrationBlackbodyTempRetSignal, &P::setCalibrationBlackbodyTempRetSlot, "blackbody");
        answer(&W::sendCalibrateRetSignal, &P::setCalibrateRetSlot, "calibrate");
        answer(&W::sendGetCalibraProgRetSignal, &P::getCalibraProgRetSlot, "progress");
        answer(&W::sendSaveSecCalibraTimeRetSignal, &P::setSaveCalibrationTimeRetSlot, "time");
        answer(&W::sendGetCalibrationResultRetSignal, &P::setGetCalibrationResultRetSlot, "result");
        answer(&W::sendSetCalibrationDefaultRetSignal, &P::setCalibrationDefalutRetSlot, "default");
    }

    template <typename Signal, typename Slot>
    void answer(Signal signal, Slot slot, const char* name)
    {
        QObject::connect(worker_, signal, page_.get(), slot);
        // Queued behind the page's own call of the same emission.
        QObject::connect(worker_, signal, &host_, [this, name] { ++answers_[name]; });
    }

    int answers(const char* name) const { return answers_.value(name); }
    // Waits until the page has taken n answers of the kind in all.
    ::testing::AssertionResult waitAnswers(const char* name, int n)
    {
        if (QTest::qWaitFor([&] { return answers(name) >= n; }, kWaitMs)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << name << ": " << answers(name) << " answers, expected " << n;
    }

    void click(P::Button which) { QTest::mouseClick(page_->button(which), Qt::LeftButton); }
    void type(QCustomLineEdit* edit, const QString& text)
    {
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    QSecondCalibrationProcessDlg* dialog() const { return page_->processDialog(); }
    QTimer* timer() const { return page_->progressTimer(); }

    // The page opened on a balanced camera, its first result read.
    void refreshBalanced()
    {
        ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
        page_->refreshDeviceSupport();
        ASSERT_TRUE(waitAnswers("result", 1));
        ASSERT_TRUE(page_->button(P::CalibrateButton)->isEnabled());
    }

    // A run started and taken by the camera: boxes generated, two
    // rectangles among the live rules, the progress timer running.
    void startRun()
    {
        ASSERT_NO_FATAL_FAILURE(refreshBalanced());
        prompts_.answers.enqueue(true);
        click(P::SetCalibrationRectButton);
        ASSERT_TRUE(waitAnswers("rect", 1));
        ASSERT_NO_FATAL_FAILURE(setLiveRules({kRect, kRect}));
        click(P::CalibrateButton);
        ASSERT_TRUE(dialog()->isVisible());
        ASSERT_TRUE(waitAnswers("calibrate", 1));
        ASSERT_TRUE(timer()->isActive());
        SIMCAM_ClearCallLog();
        prompts_.clear();
    }

    // One tick of the progress poll, and its answer.
    void poll()
    {
        const int before = answers("progress");
        page_->checkCalibraProgressSlot();
        ASSERT_TRUE(waitAnswers("progress", before + 1));
    }

    FakeUiPrompts prompts_;
    QObject host_;
    QMap<QByteArray, int> answers_;
    QThread thread_;
    W* worker_ = nullptr;  // deleted on thread_'s finished
    std::unique_ptr<P> page_;
    std::optional<HeldTimer> heldTimer_;
};

// ---- Connection, capabilities and equilibrium ------------------------------------------

TEST_F(SecondCalibrationPageTest, RefreshFollowsTheConnectionAndTheCamerasGears)
{
    const struct {
        bool camera;
        int twoGears;
        bool buttonsEnabled;
        bool secondLowShown;
        QStringList calls;
    } cases[] = {
        {true,
         1,
         true,
         true,
         {"USBSDK_TemperatureCalibrationInit()", "USBSDK_GetTemperatureCalibrationBalancedState(state=out)",
          kResultCall}},
        {true,
         0,
         true,
         false,
         {"USBSDK_TemperatureCalibrationInit()", "USBSDK_GetTemperatureCalibrationBalancedState(state=out)",
          kResultCall}},
        {false, 1, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "camera " << c.camera << ", two gears " << c.twoGears);
        ASSERT_NO_FATAL_FAILURE(reset());
        SIMCAM_DeviceProfile profile;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
        profile.supportLowTempTwoGear = c.twoGears;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
        ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
        if (!c.camera) {
            ASSERT_EQ(USBSDK_Close(), 1);
        }

        page_->refreshDeviceSupport();
        if (c.camera) {
            ASSERT_TRUE(waitAnswers("result", 1));
        }
        QApplication::processEvents();

        for (int b = 0; b < P::ButtonCount; ++b) {
            const bool expected = b == P::GetBalancedStateButton || c.buttonsEnabled;
            EXPECT_EQ(page_->button(P::Button(b))->isEnabled(), expected) << b;
        }
        EXPECT_EQ(page_->gearBlock(CalibrationGearResult::LowSecondGear)->isVisible(), c.secondLowShown);
        EXPECT_TRUE(page_->gearBlock(CalibrationGearResult::LowGear)->isVisible());
        EXPECT_TRUE(page_->gearBlock(CalibrationGearResult::HighGear)->isVisible());
        EXPECT_EQ(calls(), c.calls);
    }
}

TEST_F(SecondCalibrationPageTest, EquilibriumAnswerDecidesWhetherARunCanStart)
{
    const struct {
        bool camera;
        int balanced;  // the camera's state
        bool fails;    // the read fails
        const char* text;
        const char* style;
        bool calibrateEnabled;
    } cases[] = {
        {true, 1, false, "Balanced", kGreen, true},
        {true, 0, false, "Unbalanced", kRed, false},
        {true, 1, true, "Unknown", kWhite, false},
        // Without a camera the button still asks, and the failed answer
        // shows "Unknown".
        {false, 1, false, "Unknown", kWhite, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << ", camera " << c.camera);
        ASSERT_NO_FATAL_FAILURE(reset());
        if (c.camera) {
            ASSERT_EQ(SIMCAM_SetValue(0, "balanced", 1), 1);
            page_->refreshDeviceSupport();
            ASSERT_TRUE(waitAnswers("result", 1));
        } else {
            ASSERT_EQ(USBSDK_Close(), 1);
        }
        const int before = answers("balanced");
        ASSERT_EQ(SIMCAM_SetValue(0, "balanced", c.balanced), 1);
        if (c.fails) {
            ASSERT_EQ(SIMCAM_FailNext("GetTemperatureCalibrationBalancedState", 1, 0), 1);
        }

        ASSERT_TRUE(page_->button(P::GetBalancedStateButton)->isEnabled());
        click(P::GetBalancedStateButton);
        ASSERT_TRUE(waitAnswers("balanced", before + 1));

        EXPECT_EQ(page_->balancedStateLabel()->text(), c.text);
        EXPECT_EQ(page_->balancedStateLabel()->styleSheet(), c.style);
        EXPECT_EQ(page_->button(P::CalibrateButton)->isEnabled(), c.calibrateEnabled);
    }
}

// The labels come back from what the page kept: the last successful
// equilibrium (0 before any, read as unbalanced) and the last successful
// result, even after a failed read showed "Unknown".
TEST_F(SecondCalibrationPageTest, LanguageChangeShowsWhatThePageKept)
{
    EXPECT_EQ(page_->balancedStateLabel()->text(), "Unknown");
    USBSDK_TemperatureCalibraResult qualified{};
    qualified.lowResult = 1;
    std::strcpy(qualified.lowTime, "2024-03-04 05:06:07");
    qualified.highResult = 0;
    std::strcpy(qualified.highTime, "2024-03-04 06:07:08");
    qualified.low2Result = 2;
    page_->setGetCalibrationResultRetSlot(true, qualified);
    page_->setGetCalibrationResultRetSlot(false, USBSDK_TemperatureCalibraResult{});
    EXPECT_EQ(page_->resultLabel(CalibrationGearResult::LowGear)->text(), "Unknown");
    EXPECT_EQ(page_->timeLabel(CalibrationGearResult::HighGear)->text(), "Unknown");

    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(page_.get(), &change);

    EXPECT_EQ(page_->balancedStateLabel()->text(), "Unbalanced");
    EXPECT_EQ(page_->balancedStateLabel()->styleSheet(), kRed);
    EXPECT_EQ(page_->resultLabel(CalibrationGearResult::LowGear)->text(), "Qualified");
    EXPECT_EQ(page_->timeLabel(CalibrationGearResult::LowGear)->text(), "2024-03-04 05:06:07");
    EXPECT_EQ(page_->resultLabel(CalibrationGearResult::HighGear)->text(), "Unqualified");
    EXPECT_EQ(page_->timeLabel(CalibrationGearResult::HighGear)->text(), "2024-03-04 06:07:08");
    EXPECT_EQ(page_->resultLabel(CalibrationGearResult::LowSecondGear)->text(), "Unknown");
    EXPECT_EQ(page_->timeLabel(CalibrationGearResult::LowSecondGear)->text(), "Unknown");
    EXPECT_EQ(dialog()->stopButton()->text(), "Stop");
}

TEST_F(SecondCalibrationPageTest, ShowingThePageTurnsTheRuleToolsOff)
{
    QSignalSpy spy(page_.get(), &P::sendSetRuleWidgetEnableSignal);
    page_->hide();
    page_->show();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toBool(), true);
    EXPECT_EQ(spy.at(1).at(0).toBool(), false);
}

// ---- Calibration boxes and blackbody temperatures ----------------------------------------

TEST_F(SecondCalibrationPageTest, CalibrationBoxesAreGeneratedOnlyAfterConfirmation)
{
    const struct {
        bool confirmed;
        bool fails;
        QStringList calls;
        const char* toast;  // null: none
        int toastType;
        int paramsUpdates;
    } cases[] = {
        {false, false, {}, nullptr, -1, 0},
        {true, false, {"USBSDK_SetTemperatureCalibrationRECT(out=out)"}, "Operate succeed", 0, 1},
        {true, true, {"USBSDK_SetTemperatureCalibrationRECT(out=out)"}, "Operate failed", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "confirmed " << c.confirmed << ", fails " << c.fails);
        ASSERT_NO_FATAL_FAILURE(reset());
        page_->refreshDeviceSupport();
        ASSERT_TRUE(waitAnswers("result", 1));
        const float before = measuringDistance();
        ASSERT_NE(before, 0.0f);
        SIMCAM_ClearCallLog();
        prompts_.clear();
        QSignalSpy updates(page_.get(), &P::sendUpdateRulesParamsSignal);
        if (c.fails) {
            ASSERT_EQ(SIMCAM_FailNext("SetTemperatureCalibrationRECT", 1, 0), 1);
        }
        prompts_.answers.enqueue(c.confirmed);

        click(P::SetCalibrationRectButton);
        if (c.confirmed) {
            ASSERT_TRUE(waitAnswers("rect", 1));
        }
        QApplication::processEvents();

        ASSERT_EQ(prompts_.count(Kind::Question), 1);
        EXPECT_EQ(prompts_.last(Kind::Question).text, "Set RECT will clear all rules, please confirm");
        EXPECT_EQ(calls("RECT"), c.calls);
        if (c.toast) {
            EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{c.toast});
            EXPECT_EQ(prompts_.last(Kind::Toast).type, c.toastType);
            EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);
        } else {
            EXPECT_EQ(prompts_.count(Kind::Toast), 0);
        }
        EXPECT_EQ(updates.count(), c.paramsUpdates);
        // Generated boxes measure at distance 0, as the confirmation says.
        EXPECT_EQ(measuringDistance(), c.paramsUpdates ? 0.0f : before);
    }
}

TEST_F(SecondCalibrationPageTest, SavingTheBoxesSendsTheLiveRules)
{
    const struct {
        std::vector<LiveRule> live;
        QStringList calls;
        const char* toast;
    } cases[] = {
        {{kRect, kRect},
         {"USBSDK_SetSaveTemperatureCalibrationRECT(rules={count=2 ids=[1,2] types=[2,2]})"},
         "Operate succeed"},
        // The camera refuses anything but two area rules.
        {{kRect}, {"USBSDK_SetSaveTemperatureCalibrationRECT(rules={count=1 ids=[1] types=[2]})"}, "Operate failed"},
        {{kRect, kLine},
         {"USBSDK_SetSaveTemperatureCalibrationRECT(rules={count=2 ids=[1,2] types=[2,1]})"},
         "Operate failed"},
    };
    page_->refreshDeviceSupport();
    ASSERT_TRUE(waitAnswers("result", 1));
    int saved = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.live.size());
        ASSERT_NO_FATAL_FAILURE(setLiveRules(c.live));
        SIMCAM_ClearCallLog();
        prompts_.clear();
        click(P::SaveCalibrationRectButton);
        ASSERT_TRUE(waitAnswers("saveRect", ++saved));
        EXPECT_EQ(calls("RECT"), c.calls);
        EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{c.toast});
    }
}

TEST_F(SecondCalibrationPageTest, BlackbodyFieldsTakeWholeDegreesFromMinus1000To1000)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"-1000", "-1000"}, {"1000", "1000"}, {"+1000", "+1000"}, {"999", "999"}, {"-5", "-5"},
        {"0", "0"},         {"1001", "100"},  {"-1001", "-100"},  {"007", "0"},   {"+0", "+"},
        {"-0", "-"},        {"12a", "12"},    {"2.5", "25"},      {" 7", "7"},
    };
    for (QCustomLineEdit* edit : {page_->highTempEdit(), page_->lowTempEdit()}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            type(edit, QString::fromLatin1(c.typed));
            EXPECT_EQ(edit->text(), c.shown);
        }
    }
}

TEST_F(SecondCalibrationPageTest, BlackbodyTemperaturesGoOutOnlyWhenHighIsAboveLow)
{
    const struct {
        const char* high;
        const char* low;
        const char* call;  // null: refused by the page
    } cases[] = {
        {"110", "40", "USBSDK_SetTemperatureCalibrationBlackBodyTemp(bb={low=40 high=110})"},
        {"20", "20", nullptr},
        {"-1000", "1000", nullptr},
        {"", "", nullptr},
        {"1000", "-1000", "USBSDK_SetTemperatureCalibrationBlackBodyTemp(bb={low=-1000 high=1000})"},
        // An empty field or a lone sign reads as 0.
        {"5", "", "USBSDK_SetTemperatureCalibrationBlackBodyTemp(bb={low=0 high=5})"},
        {"-", "-5", "USBSDK_SetTemperatureCalibrationBlackBodyTemp(bb={low=-5 high=0})"},
    };
    page_->refreshDeviceSupport();
    ASSERT_TRUE(waitAnswers("result", 1));
    int sent = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.high << " over " << c.low);
        SIMCAM_ClearCallLog();
        prompts_.clear();
        type(page_->highTempEdit(), QString::fromLatin1(c.high));
        type(page_->lowTempEdit(), QString::fromLatin1(c.low));
        click(P::SetBlackbodyTempButton);
        if (c.call) {
            ASSERT_TRUE(waitAnswers("blackbody", ++sent));
            EXPECT_EQ(calls("BlackBody"), QStringList{c.call});
            EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate succeed"});
            EXPECT_EQ(prompts_.count(Kind::Notice), 0);
        } else {
            QApplication::processEvents();
            EXPECT_EQ(prompts_.texts(Kind::Notice),
                      QStringList{"High temperature should greater than low temperature"});
            EXPECT_EQ(calls("BlackBody"), QStringList{});
        }
    }
    EXPECT_EQ(answers("blackbody"), sent);
}

// ---- The run ---------------------------------------------------------------------------

TEST_F(SecondCalibrationPageTest, RunStartsOnlyWithTwoRectangles)
{
    const char* kCount = "The number of rule types is incorrect, there can only be 2";
    const char* kShape = "Wrong rule type, should be a rectangle";
    const struct {
        std::vector<LiveRule> live;
        const char* message;
    } cases[] = {
        {{}, kCount},
        {{kRect}, kCount},
        {{kRect, kRect, kRect}, kCount},
        {{kRect, kEllipse}, kShape},
        {{kLine, kRect}, kShape},
        {{kRect, kPolygon}, kShape},
    };
    ASSERT_NO_FATAL_FAILURE(refreshBalanced());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        SCOPED_TRACE(c.live.size());
        ASSERT_NO_FATAL_FAILURE(setLiveRules(c.live));
        SIMCAM_ClearCallLog();
        prompts_.clear();
        click(P::CalibrateButton);
        QApplication::processEvents();
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{c.message});
        EXPECT_FALSE(dialog()->isVisible());
        EXPECT_EQ(calls(), QStringList{});
    }
}

TEST_F(SecondCalibrationPageTest, RunSucceedsAtHundredPercentAndShowsTheGearResult)
{
    const struct {
        int cameraVerdict;  // the simulated calibration's outcome
        const char* text;
        const char* style;
    } cases[] = {
        {1, "Qualified", kGreen},
        {0, "Unqualified", kRed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_NO_FATAL_FAILURE(reset());
        ASSERT_EQ(SIMCAM_SetValue(0, "secondCalResult", c.cameraVerdict), 1);
        ASSERT_NO_FATAL_FAILURE(startRun());
        EXPECT_EQ(timer()->interval(), 1000);
        EXPECT_TRUE(dialog()->isModal());
        EXPECT_EQ(dialog()->windowModality(), Qt::ApplicationModal);
        const int results = answers("result");

        for (int ms : {0, 4000, 4000}) {
            ASSERT_TRUE(dialog()->isVisible()) << "done before 100 %";
            ASSERT_EQ(SIMCAM_AdvanceTime(ms), 1);
            ASSERT_NO_FATAL_FAILURE(poll());
        }
        ASSERT_TRUE(waitAnswers("result", results + 1));

        EXPECT_FALSE(dialog()->isVisible());
        EXPECT_FALSE(timer()->isActive());
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Calibration success"});
        // The time is stamped before the result is read.
        const QStringList log = calls();
        ASSERT_GE(log.size(), 3);
        EXPECT_EQ(log.mid(log.size() - 3), (QStringList{kProgressCall, kTimeCall, kResultCall}));
        EXPECT_FALSE(log.contains(kStopCall));

        USBSDK_TemperatureCalibraResult camera{};
        ASSERT_EQ(USBSDK_GetTemperatureCalibrationResult(&camera), 1);
        EXPECT_EQ(page_->resultLabel(CalibrationGearResult::LowGear)->text(), c.text);
        EXPECT_EQ(page_->resultLabel(CalibrationGearResult::LowGear)->styleSheet(), c.style);
        EXPECT_EQ(page_->timeLabel(CalibrationGearResult::LowGear)->text(), QString::fromLatin1(camera.lowTime));
        EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")
                        .match(page_->timeLabel(CalibrationGearResult::LowGear)->text())
                        .hasMatch());
        // Gears not calibrated.
        for (Gear gear : {CalibrationGearResult::HighGear, CalibrationGearResult::LowSecondGear}) {
            EXPECT_EQ(page_->resultLabel(gear)->text(), "Unknown");
            EXPECT_EQ(page_->resultLabel(gear)->styleSheet(), kWhite);
            EXPECT_EQ(page_->timeLabel(gear)->text(), "Unknown");
        }
    }
}

TEST_F(SecondCalibrationPageTest, RunFailsWhenTheProgressStallsOrCannotBeRead)
{
    const struct {
        const char* name;
        bool stall;         // progress frozen at 50
        bool readFails;     // the first progress read fails
        int answersToFail;  // progress answers until the run fails
    } cases[] = {
        {"stalled at 50 %", true, false, 21},
        {"progress read failed", false, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(reset());
        if (c.stall) {
            ASSERT_EQ(SIMCAM_SetValue(0, "secondCalStallAt", 50), 1);
        }
        ASSERT_NO_FATAL_FAILURE(startRun());
        ASSERT_EQ(SIMCAM_AdvanceTime(8000), 1);
        if (c.readFails) {
            ASSERT_EQ(SIMCAM_FailNext("GetAutoTemperatureCalibrationProgress", 1, 0), 1);
        }
        const int results = answers("result");

        while (answers("progress") < c.answersToFail) {
            ASSERT_TRUE(dialog()->isVisible()) << "failed after " << answers("progress") << " answers";
            EXPECT_EQ(prompts_.count(Kind::Notice), 0);
            ASSERT_NO_FATAL_FAILURE(poll());
        }
        EXPECT_FALSE(dialog()->isVisible());
        EXPECT_FALSE(timer()->isActive());
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Calibration failed"});
        // The page stops the camera, and the stop's answer fetches the result.
        ASSERT_TRUE(waitAnswers("result", results + 1));
        const QStringList log = calls();
        EXPECT_EQ(log.count(kProgressCall), c.answersToFail);
        ASSERT_GE(log.size(), 2);
        EXPECT_EQ(log.mid(log.size() - 2), (QStringList{kStopCall, kResultCall}));
        EXPECT_FALSE(log.contains(kTimeCall));
        // Further ticks ask nothing.
        page_->checkCalibraProgressSlot();
        QApplication::processEvents();
        EXPECT_EQ(calls().count(kProgressCall), c.answersToFail);
    }
}

TEST_F(SecondCalibrationPageTest, StopEndsTheRunAndFetchesTheResult)
{
    ASSERT_NO_FATAL_FAILURE(startRun());
    ASSERT_NO_FATAL_FAILURE(poll());
    const int results = answers("result");

    QTest::mouseClick(dialog()->stopButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_FALSE(timer()->isActive());
    ASSERT_TRUE(waitAnswers("result", results + 1));

    EXPECT_EQ(calls(), (QStringList{kProgressCall, kStopCall, kResultCall}));
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    double progress = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "calibProgress", &progress), 1);
    ASSERT_EQ(SIMCAM_AdvanceTime(8000), 1);
    double later = -1;
    ASSERT_EQ(SIMCAM_GetValue(0, "calibProgress", &later), 1);
    EXPECT_EQ(later, progress) << "the camera's run still goes on";
}

TEST_F(SecondCalibrationPageTest, RefusedStartKeepsTheDialogUntilStop)
{
    ASSERT_NO_FATAL_FAILURE(refreshBalanced());
    ASSERT_NO_FATAL_FAILURE(setLiveRules({kRect, kRect}));
    ASSERT_EQ(SIMCAM_FailNext("SetAutoTemperatureCalibration", 1, 0), 1);
    SIMCAM_ClearCallLog();
    prompts_.clear();

    click(P::CalibrateButton);
    ASSERT_TRUE(waitAnswers("calibrate", 1));
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate failed"});
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(timer()->isActive());
    page_->checkCalibraProgressSlot();  // a tick would ask nothing either
    QApplication::processEvents();

    QTest::mouseClick(dialog()->stopButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog()->isVisible());
    ASSERT_TRUE(waitAnswers("result", 2));
    EXPECT_EQ(calls(), (QStringList{kStartCall, kStopCall, kResultCall}));
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

// A progress request still on its way when the operator stops: its answer
// (100 % here) must neither report success nor stamp a completion time on
// the stopped run.
TEST_F(SecondCalibrationPageTest, ProgressAnswerAfterStopChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(startRun());
    ASSERT_EQ(SIMCAM_AdvanceTime(8000), 1);
    const int results = answers("result");

    page_->checkCalibraProgressSlot();
    dialog()->stopButton()->click();  // before the answer is back
    ASSERT_TRUE(waitAnswers("calibrate", 2));
    ASSERT_TRUE(waitAnswers("result", results + 1));
    QApplication::processEvents();

    EXPECT_EQ(answers("progress"), 1);
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    EXPECT_EQ(calls(), (QStringList{kProgressCall, kStopCall, kResultCall}));
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_FALSE(timer()->isActive());
}

// Stop pressed before the camera took the start: the start's answer fetches
// the result and nothing starts polling afterwards.
TEST_F(SecondCalibrationPageTest, StopBeforeTheStartAnswerNeverPolls)
{
    ASSERT_NO_FATAL_FAILURE(refreshBalanced());
    prompts_.answers.enqueue(true);
    click(P::SetCalibrationRectButton);
    ASSERT_TRUE(waitAnswers("rect", 1));
    ASSERT_NO_FATAL_FAILURE(setLiveRules({kRect, kRect}));
    SIMCAM_ClearCallLog();

    click(P::CalibrateButton);
    dialog()->stopButton()->click();  // before the start's answer
    ASSERT_TRUE(waitAnswers("calibrate", 2));
    ASSERT_TRUE(waitAnswers("result", 2));
    QApplication::processEvents();

    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(calls(), (QStringList{kStartCall, kStopCall, kResultCall}));
}

// ---- Results and defaults ----------------------------------------------------------------

TEST_F(SecondCalibrationPageTest, ResultLabelsShowEachGearsVerdictAndTime)
{
    // 32 characters that fill the field without a terminating NUL.
    const char kFull[] = "2024-05-06 07:08:09.123456789012";
    static_assert(sizeof kFull == 33, "a full time field");
    const struct {
        int code;
        const char* time;  // the field holds at most its first 32 bytes
        const char* text;
        const char* style;
        QString shownTime;
    } cases[] = {
        {1, "2024-01-02 03:04:05", "Qualified", kGreen, "2024-01-02 03:04:05"},
        {0, "2024-01-02 03:04:05", "Unqualified", kRed, "2024-01-02 03:04:05"},
        {2, "2024-01-02 03:04:05", "Unknown", kWhite, "Unknown"},
        {-1, "", "Unknown", kWhite, "Unknown"},
        {1, "", "Qualified", kGreen, ""},
        {1, kFull, "Qualified", kGreen, QString::fromLatin1(kFull)},
    };
    for (int gear = 0; gear < CalibrationGearResult::GearCount; ++gear) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "gear " << gear << ", code " << c.code << ", time " << c.time);
            USBSDK_TemperatureCalibraResult record;
            // Every other gear qualified, its time text and code bytes
            // right behind the field under test.
            std::memset(&record, 0x7f, sizeof record);
            record.lowResult = record.highResult = record.low2Result = 1;
            int32_t* codes[] = {&record.lowResult, &record.highResult, &record.low2Result};
            char* times[] = {record.lowTime, record.highTime, record.low2Time};
            *codes[gear] = c.code;
            std::memset(times[gear], 0, 32);
            std::memcpy(times[gear], c.time, std::min<size_t>(std::strlen(c.time), 32));
            prompts_.clear();

            page_->setGetCalibrationResultRetSlot(true, record);

            const Gear g = Gear(gear);
            EXPECT_EQ(page_->resultLabel(g)->text(), c.text);
            EXPECT_EQ(page_->resultLabel(g)->styleSheet(), c.style);
            EXPECT_EQ(page_->timeLabel(g)->text(), c.shownTime);
            for (int other = 0; other < CalibrationGearResult::GearCount; ++other) {
                if (other == gear) continue;
                EXPECT_EQ(page_->resultLabel(Gear(other))->text(), "Qualified") << other;
                EXPECT_EQ(page_->timeLabel(Gear(other))->text().size(), 32) << other;
            }
            EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate succeed"});
        }
    }

    prompts_.clear();
    page_->setGetCalibrationResultRetSlot(false, USBSDK_TemperatureCalibraResult{});
    for (int gear = 0; gear < CalibrationGearResult::GearCount; ++gear) {
        EXPECT_EQ(page_->resultLabel(Gear(gear))->text(), "Unknown") << gear;
        EXPECT_EQ(page_->resultLabel(Gear(gear))->styleSheet(), kWhite) << gear;
        EXPECT_EQ(page_->timeLabel(Gear(gear))->text(), "Unknown") << gear;
    }
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate failed"});
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);
}

TEST_F(SecondCalibrationPageTest, RestoreDefaultClearsTheResultsAndReadsThemAgain)
{
    const struct {
        bool fails;
        QStringList calls;
        QStringList toasts;
        const char* shown;  // every value label afterwards
    } cases[] = {
        {false,
         {"USBSDK_SetTemperatureCalibrationDefault()", kResultCall},
         {"Operate succeed", "Operate succeed"},
         "Unknown"},
        {true, {"USBSDK_SetTemperatureCalibrationDefault()"}, {"Operate failed"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fails);
        ASSERT_NO_FATAL_FAILURE(reset());
        page_->refreshDeviceSupport();
        ASSERT_TRUE(waitAnswers("result", 1));
        USBSDK_TemperatureCalibraResult qualified{};
        qualified.lowResult = qualified.highResult = qualified.low2Result = 1;
        page_->setGetCalibrationResultRetSlot(true, qualified);
        if (c.fails) {
            ASSERT_EQ(SIMCAM_FailNext("SetTemperatureCalibrationDefault", 1, 0), 1);
        }
        SIMCAM_ClearCallLog();
        prompts_.clear();

        click(P::RestoreDefaultButton);
        ASSERT_TRUE(waitAnswers("default", 1));
        if (!c.fails) {
            ASSERT_TRUE(waitAnswers("result", 2));
        }
        QApplication::processEvents();

        EXPECT_EQ(calls(), c.calls);
        EXPECT_EQ(prompts_.texts(Kind::Toast), c.toasts);
        for (int gear = 0; gear < CalibrationGearResult::GearCount; ++gear) {
            EXPECT_EQ(page_->resultLabel(Gear(gear))->text(), c.shown) << gear;
            EXPECT_EQ(page_->timeLabel(Gear(gear))->text(), c.shown) << gear;
        }
    }
}

// ---- The run's course on its own ------------------------------------------------------

TEST(SecondCalibrationRunTest, ProgressAnswersEndTheRunAtHundredOrAtTheTwentyFirstBelow)
{
    using Step = SecondCalibrationRun::ProgressStep;
    struct Answer {
        bool ok;
        int value;
    };
    // n answers below 100, then the given ones.
    const auto below = [](int n, std::vector<Answer> then) {
        std::vector<Answer> out(size_t(n), Answer{true, 99});
        out.insert(out.end(), then.begin(), then.end());
        return out;
    };
    const struct {
        const char* name;
        std::vector<Answer> answers;
        Step last;  // the step of the last answer; every earlier one keeps polling
    } cases[] = {
        {"100 at once", {{true, 100}}, Step::Succeeded},
        {"over 100", below(1, {{true, 250}}), Step::Succeeded},
        {"100 at the 21st", below(20, {{true, 100}}), Step::Succeeded},
        {"failed read", below(1, {{false, 100}}), Step::Failed},
        {"21 below", below(21, {}), Step::Failed},
        {"0 counts as below", below(20, {{true, 0}}), Step::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SecondCalibrationRun run;
        run.start();
        ASSERT_EQ(run.calibrateAnswered(true), SecondCalibrationRun::CalibrateStep::StartPolling);
        for (size_t i = 0; i < c.answers.size(); ++i) {
            ASSERT_TRUE(run.tick()) << i;
            EXPECT_FALSE(run.tick()) << "a second request while one is out";
            const Step step = run.progressAnswered(c.answers[i].ok, c.answers[i].value);
            ASSERT_EQ(step, i + 1 == c.answers.size() ? c.last : Step::KeepPolling) << i;
        }
        EXPECT_FALSE(run.tick()) << "polling after the end";
        EXPECT_EQ(run.stopFlag(), c.last == Step::Failed);
        // A failed run's stop answer asks for the result.
        if (c.last == Step::Failed) {
            EXPECT_EQ(run.calibrateAnswered(true), SecondCalibrationRun::CalibrateStep::FetchResult);
        }
        EXPECT_EQ(run.progressAnswered(true, 100), Step::Ignore);
    }
}

}  // namespace
