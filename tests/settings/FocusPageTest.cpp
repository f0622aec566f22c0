// The lens focus and zoom page over the simulated cooled camera: what clicks
// and holds on the four lens buttons send, the connection guard, the stop a
// held button always owes on release, the focus mode answers, and runs
// through a real device-command worker on its thread with the camera's
// manual clock, reading the lens positions the camera keeps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <functional>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "QDevCommExec.h"
#include "QFocusWidget.h"
#include "QLongPressBtn.h"
#include "SimCamera.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using F = QFocusWidget;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

const QString kNotConnected = "Device is not connect.";

// The user's three gestures on a lens button. A hold is pressed, kept past
// the long-press moment (the button's timer slot, called at once) and
// released.
void press(QLongPressBtn* button)
{
    QTest::mousePress(button, Qt::LeftButton);
}
void holdPast(QLongPressBtn* button)
{
    press(button);
    button->setLongPressSlot();
}
void release(QLongPressBtn* button)
{
    QTest::mouseRelease(button, Qt::LeftButton);
}
void click(QLongPressBtn* button)
{
    press(button);
    release(button);
}
void hold(QLongPressBtn* button)
{
    holdPast(button);
    release(button);
}

using ButtonOf = QLongPressBtn* (F::*)() const;
using Gesture = void (*)(QLongPressBtn*);

// The page on a cooled camera with a journal of every request it sends.
class FocusPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 1; });
        auto note = [this](const char* name) {
            return [this, name](int v) { requests_ << QString("%1(%2)").arg(name).arg(v); };
        };
        QObject::connect(&page_, &F::sendGetFocusModeSignal, [this] { requests_ << "getMode"; });
        QObject::connect(&page_, &F::sendSetFocusModeSignal, note("setMode"));
        QObject::connect(&page_, &F::sendSetAutoFocusSignal, [this] { requests_ << "autoFocus"; });
        QObject::connect(&page_, &F::sendZoomBtnClickedSignal, note("zoomStep"));
        QObject::connect(&page_, &F::sendZoomBtnPressedSignal, note("zoomMove"));
        QObject::connect(&page_, &F::sendFocusBtnClickedSignal, note("focusStep"));
        QObject::connect(&page_, &F::sendFocusBtnPressedSignal, note("focusMove"));
        page_.show();
    }

    void TearDown() override { sdk().Close(); }

    void open() { ASSERT_TRUE(simcamera::openFirst()); }

    FakeUiPrompts prompts_;
    F page_;
    QStringList requests_;
};

struct GestureCase {
    const char* name;
    ButtonOf button;
    Gesture gesture;
    QStringList sent;
};

const GestureCase kGestures[] = {
    {"zoom in click", &F::zoomClockwiseButton, click, {"zoomStep(1)"}},
    {"zoom out click", &F::zoomAntiClockwiseButton, click, {"zoomStep(0)"}},
    {"focus in click", &F::focusClockwiseButton, click, {"focusStep(1)"}},
    {"focus out click", &F::focusAntiClockwiseButton, click, {"focusStep(0)"}},
    {"zoom in hold", &F::zoomClockwiseButton, hold, {"zoomMove(1)", "zoomMove(2)"}},
    {"zoom out hold", &F::zoomAntiClockwiseButton, hold, {"zoomMove(0)", "zoomMove(2)"}},
    {"focus in hold", &F::focusClockwiseButton, hold, {"focusMove(1)", "focusMove(2)"}},
    {"focus out hold", &F::focusAntiClockwiseButton, hold, {"focusMove(0)", "focusMove(2)"}},
};

TEST_F(FocusPageTest, ClicksSendOneStepAndHoldsAMoveAndItsStop)
{
    open();
    for (const GestureCase& c : kGestures) {
        SCOPED_TRACE(c.name);
        requests_.clear();
        c.gesture((page_.*c.button)());
        EXPECT_EQ(requests_, c.sent);
    }
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusPageTest, WithoutACameraEveryActionTellsSoAndSendsNothing)
{
    struct Action {
        const char* name;
        std::function<void()> run;
    };
    std::vector<Action> actions;
    for (const GestureCase& c : kGestures)
        actions.push_back({c.name, [this, &c] { c.gesture((page_.*c.button)()); }});
    actions.push_back({"auto focus", [this] { page_.autoFocusButton()->click(); }});

    for (const Action& a : actions) {
        SCOPED_TRACE(a.name);
        prompts_.clear();
        requests_.clear();
        a.run();
        EXPECT_TRUE(requests_.isEmpty()) << requests_.join(' ').toStdString();
        ASSERT_EQ(prompts_.calls.size(), 1);
        EXPECT_EQ(prompts_.calls[0].kind, Kind::Notice);
        EXPECT_EQ(prompts_.calls[0].text, kNotConnected);
        EXPECT_EQ(prompts_.calls[0].parent, &page_);
    }
}

TEST_F(FocusPageTest, ReleaseAfterAnUnplugStillStopsTheMoveSilently)
{
    struct Held {
        const char* name;
        ButtonOf button;
        QStringList sent;
    };
    const Held cases[] = {
        {"zoom in", &F::zoomClockwiseButton, {"zoomMove(1)", "zoomMove(2)"}},
        {"focus out", &F::focusAntiClockwiseButton, {"focusMove(0)", "focusMove(2)"}},
    };
    for (const Held& c : cases) {
        SCOPED_TRACE(c.name);
        SIMCAM_Reset();
        open();
        requests_.clear();
        holdPast((page_.*c.button)());
        ASSERT_EQ(SIMCAM_Unplug(0), 1);
        ASSERT_FALSE(sdk().Connect());
        release((page_.*c.button)());
        EXPECT_EQ(requests_, c.sent);
        EXPECT_TRUE(prompts_.calls.isEmpty());
        sdk().Close();
    }
}

TEST_F(FocusPageTest, AReleaseWithNoMoveStartedSendsNothing)
{
    // A hold that began without a camera started nothing: its release owes
    // no stop even once the camera is back.
    holdPast(page_.zoomClockwiseButton());
    open();
    prompts_.clear();
    release(page_.zoomClockwiseButton());
    EXPECT_TRUE(requests_.isEmpty()) << requests_.join(' ').toStdString();

    // A stop is owed once, and only on the axis that moves.
    holdPast(page_.focusClockwiseButton());
    page_.setZoomReleaseSlot();
    release(page_.focusClockwiseButton());
    page_.setFocusReleaseSlot();
    EXPECT_EQ(requests_, QStringList({"focusMove(1)", "focusMove(2)"}));

    sdk().Close();
    page_.setZoomReleaseSlot();
    page_.setFocusReleaseSlot();
    EXPECT_EQ(requests_.size(), 2);
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusPageTest, ChoosingAModeSendsItEvenWithoutACamera)
{
    QTest::keyClick(page_.focusModeComboBox(), Qt::Key_Down);
    EXPECT_EQ(page_.focusModeComboBox()->currentText(), "Auto");
    QTest::keyClick(page_.focusModeComboBox(), Qt::Key_Up);
    EXPECT_EQ(requests_, QStringList({"setMode(1)", "setMode(0)"}));
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusPageTest, ModeAnswersSelectTheModeOrTellTheFailure)
{
    struct Answer {
        bool bRet;
        int nMode;
        int shownBefore;
        int shownAfter;
        bool failure;
    };
    const Answer answers[] = {
        {true, 1, 0, 1, false}, {true, 0, 1, 0, false}, {true, 2, 1, 1, true},
        {true, -1, 0, 0, true}, {false, 1, 0, 0, true}, {false, 0, 1, 1, true},
    };
    for (const Answer& a : answers) {
        SCOPED_TRACE(testing::Message() << a.bRet << ',' << a.nMode << " over " << a.shownBefore);
        prompts_.clear();
        page_.focusModeComboBox()->setCurrentIndex(a.shownBefore);
        page_.setGetFocusModeRetSlot(a.bRet, a.nMode);
        EXPECT_EQ(page_.focusModeComboBox()->currentIndex(), a.shownAfter);
        EXPECT_EQ(prompts_.texts(Kind::Notice),
                  a.failure ? QStringList{"Failed to get focus mode."} : QStringList{});
    }
    // An answer shown is no choice of the user's.
    EXPECT_TRUE(requests_.isEmpty()) << requests_.join(' ').toStdString();
}

TEST_F(FocusPageTest, TheModeIsAskedForOnlyWithACamera)
{
    page_.requestFocusMode();
    EXPECT_TRUE(requests_.isEmpty());
    open();
    page_.requestFocusMode();
    EXPECT_EQ(requests_, QStringList{"getMode"});
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusPageTest, LensRowsPutDecreaseBeforeAndIncreaseAfterTheirTitle)
{
    struct Row {
        const char* title;
        ButtonOf decrease;
        ButtonOf increase;
    };
    const Row rows[] = {{"Zoom", &F::zoomAntiClockwiseButton, &F::zoomClockwiseButton},
                        {"Focus", &F::focusAntiClockwiseButton, &F::focusClockwiseButton}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.title);
        QLabel* title = nullptr;
        for (QLabel* label : page_.findChildren<QLabel*>())
            if (label->text() == r.title) title = label;
        ASSERT_NE(title, nullptr);
        EXPECT_LT((page_.*r.decrease)()->x(), title->x());
        EXPECT_GT((page_.*r.increase)()->x(), title->x());
    }
}

TEST_F(FocusPageTest, TextsAreSetAgainInThePagesContextOnALanguageChange)
{
    TaggingTranslator tagger;
    QApplication::installTranslator(&tagger);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&page_, &change);
    QStringList texts;
    for (QLabel* label : page_.findChildren<QLabel*>()) texts << label->text();
    texts << page_.autoFocusButton()->text() << page_.focusModeComboBox()->itemText(0)
          << page_.focusModeComboBox()->itemText(1);
    QApplication::removeTranslator(&tagger);
    texts.sort();
    EXPECT_EQ(texts, QStringList({"QFocusWidget|Auto", "QFocusWidget|Auto Focus", "QFocusWidget|Focus",
                                  "QFocusWidget|Focus Mode", "QFocusWidget|Manual", "QFocusWidget|Zoom"}));
}

// The page relayed to a real device-command worker on its thread, as the
// settings panel wires it, over the camera's manual clock.
class FocusWorkerTest : public FocusPageTest {
protected:
    void SetUp() override
    {
        FocusPageTest::SetUp();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        worker_ = new QDevCommExec;
        worker_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        QObject::connect(&page_, &F::sendGetFocusModeSignal, worker_, &QDevCommExec::getFocusModeSlot);
        QObject::connect(&page_, &F::sendSetFocusModeSignal, worker_, &QDevCommExec::setFocusModeSlot);
        QObject::connect(&page_, &F::sendSetAutoFocusSignal, worker_, &QDevCommExec::setAutoFocusBtnSlot);
        QObject::connect(&page_, &F::sendZoomBtnClickedSignal, worker_, &QDevCommExec::setZoomBtnClickedSlot);
        QObject::connect(&page_, &F::sendZoomBtnPressedSignal, worker_, &QDevCommExec::setZoomBtnPressedSlot);
        QObject::connect(&page_, &F::sendFocusBtnClickedSignal, worker_, &QDevCommExec::setFocusBtnClickedSlot);
        QObject::connect(&page_, &F::sendFocusBtnPressedSignal, worker_, &QDevCommExec::setFocusBtnPressedSlot);
        QObject::connect(worker_, &QDevCommExec::sendSetFocusFuncRetSignal, &page_, &F::setFocusFuncRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetFocusModeRetSignal, &page_, &F::setGetFocusModeRetSlot);
        // Counted after the page has taken each answer.
        QObject::connect(worker_, &QDevCommExec::sendSetFocusFuncRetSignal, &journal_,
                         [this](bool b) { answers_ << QString("lens(%1)").arg(b); });
        QObject::connect(worker_, &QDevCommExec::sendGetFocusModeRetSignal, &journal_,
                         [this](bool b, int m) { answers_ << QString("mode(%1,%2)").arg(b).arg(m); });
        thread_.start();
        open();
    }

    void TearDown() override
    {
        thread_.quit();
        thread_.wait();
        FocusPageTest::TearDown();
    }

    // A lens position as of now: the camera settles its motions on any lens
    // call, so one read of the mode comes first.
    static double lensAt(const char* key)
    {
        int mode = -1;
        EXPECT_EQ(USBSDK_GetRefrigerationFocusMode(&mode), 1);
        return simValue(key);
    }

    // Waits for the worker's answers to every request sent so far.
    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return answers_.size() >= requests_.size(); }, 10000))
            << requests_.join(' ').toStdString() << " / " << answers_.join(' ').toStdString();
    }

    QObject journal_;
    QStringList answers_;
    QThread thread_;
    QDevCommExec* worker_ = nullptr;  // deleted on thread_'s finished
};

TEST_F(FocusWorkerTest, AHeldZoomMovesUntilReleasedAndAClickStepsFocus)
{
    ASSERT_EQ(lensAt("zoomPos"), 0);
    ASSERT_EQ(lensAt("focusPos"), 500);

    holdPast(page_.zoomClockwiseButton());
    settle();
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    EXPECT_EQ(lensAt("zoomPos"), 200);
    release(page_.zoomClockwiseButton());
    settle();
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    EXPECT_EQ(lensAt("zoomPos"), 200);

    click(page_.focusClockwiseButton());
    settle();
    EXPECT_EQ(lensAt("focusPos"), 510);
    click(page_.focusAntiClockwiseButton());
    click(page_.focusAntiClockwiseButton());
    settle();
    EXPECT_EQ(lensAt("focusPos"), 490);

    EXPECT_EQ(answers_, QStringList({"lens(1)", "lens(1)", "lens(1)", "lens(1)", "lens(1)"}));
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusWorkerTest, AConnectionBlipAtReleaseStillStopsTheLens)
{
    holdPast(page_.focusClockwiseButton());
    settle();
    ASSERT_EQ(SIMCAM_AdvanceTime(500), 1);
    ASSERT_EQ(lensAt("focusPos"), 600);
    ASSERT_EQ(SIMCAM_SetConnectConfirms(0), 1);
    ASSERT_FALSE(sdk().Connect());
    release(page_.focusClockwiseButton());
    settle();
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    EXPECT_EQ(lensAt("focusPos"), 600);
    EXPECT_EQ(cameraCalls({"ContinuousFocus"}),
              QStringList({"SetRefrigerationContinuousFocus(direction=1)",
                           "SetRefrigerationContinuousFocus(direction=2)"}));
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusWorkerTest, TheStopAfterAnUnplugIsReportedLikeAnyCommand)
{
    holdPast(page_.zoomAntiClockwiseButton());
    settle();
    ASSERT_EQ(SIMCAM_Unplug(0), 1);
    release(page_.zoomAntiClockwiseButton());
    settle();
    EXPECT_EQ(requests_, QStringList({"zoomMove(0)", "zoomMove(2)"}));
    EXPECT_EQ(answers_, QStringList({"lens(1)", "lens(0)"}));
    ASSERT_EQ(prompts_.calls.size(), 1);
    const FakeUiPrompts::Call toast = prompts_.last(Kind::Toast);
    EXPECT_EQ(toast.text, "Operate failed");
    EXPECT_EQ(toast.type, 1);
    EXPECT_EQ(toast.msec, 1000);
}

TEST_F(FocusWorkerTest, AFailedLensCommandIsToastedAndASucceedingOneIsNot)
{
    ASSERT_EQ(SIMCAM_FailNext("SetRefrigerationZoom", 1, 0), 1);
    click(page_.zoomClockwiseButton());
    settle();
    EXPECT_EQ(lensAt("zoomPos"), 0);
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate failed"});
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);

    prompts_.clear();
    click(page_.zoomClockwiseButton());
    settle();
    EXPECT_EQ(lensAt("zoomPos"), 10);
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

TEST_F(FocusWorkerTest, ModeChosenIsReadBackAndAutoFocusReturnsToSharp)
{
    page_.requestFocusMode();
    settle();
    EXPECT_EQ(page_.focusModeComboBox()->currentText(), "Manual");

    QTest::keyClick(page_.focusModeComboBox(), Qt::Key_Down);
    settle();
    page_.focusModeComboBox()->setCurrentIndex(0);
    page_.requestFocusMode();
    settle();
    EXPECT_EQ(page_.focusModeComboBox()->currentText(), "Auto");

    QTest::keyClick(page_.focusModeComboBox(), Qt::Key_Up);
    click(page_.focusClockwiseButton());
    click(page_.focusClockwiseButton());
    settle();
    ASSERT_EQ(lensAt("focusPos"), 520);
    page_.autoFocusButton()->click();
    settle();
    ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
    EXPECT_EQ(lensAt("focusPos"), 500);
    EXPECT_EQ(answers_, QStringList({"mode(1,0)", "lens(1)", "mode(1,1)", "lens(1)", "lens(1)", "lens(1)",
                                     "lens(1)"}));
    EXPECT_TRUE(prompts_.calls.isEmpty());
}

}  // namespace
