// The general settings page over the simulated camera: which controls a
// refresh enables and which rows it shows, the reads it asks for; the
// snapshot folder and its Config.ini keys; the cross cursor and flip guards;
// restart, restore, output interface, super resolution and raw data type
// with their questions, wait dialog and answers; choices the camera refuses
// put back; and the texts after a language change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest/QTest>

#include <memory>
#include <ostream>
#include <utility>

#include "AppPaths.h"
#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "QDevCommExec.h"
#include "QSelLineEdit.h"
#include "QSettingsDlg.h"
#include "SimCamera.h"
#include "SwitchButton.h"
#include "WorkerSync.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using S = QSettingsDlg;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

QString configText(const char* key)
{
    return ConfigManager::getInstance().getValue(ConfigManager::kGroup, key).toString();
}

void setConfig(const char* key, const QString& value)
{
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, key, value);
}

// The user picks item n of a combo.
void choose(QComboBox* combo, int n)
{
    combo->setCurrentIndex(n);
    emit combo->activated(n);
}

// Which radio of a two-radio row is checked: the first, the second or none.
QString checkedOf(QRadioButton* first, QRadioButton* second)
{
    if (first->isChecked() && !second->isChecked()) return first->text();
    if (second->isChecked() && !first->isChecked()) return second->text();
    return first->isChecked() ? "both" : "none";
}

// A table case prints as its name.
template <class Case>
auto operator<<(std::ostream& os, const Case& c) -> decltype(c.name, os)
{
    return os << c.name;
}

// A table case's test name.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& info) const
    {
        return std::string(info.param.name);
    }
};

// Every request and notice the page sends, in order.
class GeneralSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        setConfig("ManualSnapshotPath", QString());
        setConfig("ManualRecordPath", QString());
        page_.reset(new QSettingsDlg);
        journal();
    }

    void TearDown() override
    {
        page_.reset();
        sdk().setFrozen(false);
        if (sdk().isSleeping()) sdk().SetSleepMode(4);
        sdk().Close();
    }

    void open() { ASSERT_TRUE(simcamera::openFirst()); }

    void journal()
    {
        S* p = page_.get();
        auto note = [this](const char* name) { return [this, name] { requests_ << name; }; };
        auto noteInt = [this](const char* name) {
            return [this, name](int v) { requests_ << QString("%1(%2)").arg(name).arg(v); };
        };
        QObject::connect(p, &S::sendShowCrossCursorSignal,
                         [this](int on, int colour) { requests_ << QString("cross(%1,%2)").arg(on).arg(colour); });
        QObject::connect(p, &S::sendGetCrossCursorSignal, note("getCross"));
        QObject::connect(p, &S::sendSetImageFlipModeSignal, noteInt("flip"));
        QObject::connect(p, &S::sendGetImageFlipModeSignal, note("getFlip"));
        QObject::connect(p, &S::sendFlipChangedStateSignal, noteInt("flipChanged"));
        QObject::connect(p, &S::sendRebootDeviceSignal, note("reboot"));
        QObject::connect(p, &S::RestoreDeviceSignals, note("restore"));
        QObject::connect(p, &S::ReconnectDeviceSignals, note("reconnect"));
        QObject::connect(p, &S::sendOutputModeSwitchSignal, noteInt("output"));
        QObject::connect(p, &S::sendGetOutputModeSignal, note("getOutput"));
        QObject::connect(p, &S::sendSetSuperResolutionModeSignal, noteInt("superRes"));
        QObject::connect(p, &S::sendGetSuperResolutionModeSignal, note("getSuperRes"));
        QObject::connect(p, &S::sendSetThermalRawTypeSignal, noteInt("rawType"));
        QObject::connect(p, &S::sendGetThermalRawTypeSignal, note("getRawType"));
    }

    // The wait dialog's shows (true) and closes (false), in order.
    QList<bool> waits() const
    {
        QList<bool> out;
        for (const FakeUiPrompts::Call& c : prompts_.calls)
            if (c.kind == Kind::WaitStatus) {
                EXPECT_EQ(c.dialog, page_->waitDialog());
                out << c.shown;
            }
        return out;
    }

    FakeUiPrompts prompts_;
    std::unique_ptr<QSettingsDlg> page_;
    QStringList requests_;
};

// ---- Refresh ---------------------------------------------------------------------------

TEST_F(GeneralSettingsTest, WithoutCameraTheCameraControlsAreOffAndNothingIsAsked)
{
    page_->setOutputSwitchShowSlot(true);
    page_->refreshDeviceSupport();

    EXPECT_FALSE(page_->crossCursorSwitch()->isEnabled());
    EXPECT_FALSE(page_->crossCursorCombo()->isEnabled());
    EXPECT_FALSE(page_->imageFlipCombo()->isEnabled());
    EXPECT_FALSE(page_->outputRow()->isEnabled());
    EXPECT_TRUE(page_->superResolutionRow()->isHidden());
    EXPECT_TRUE(page_->rawTypeRow()->isHidden());
    // The folder row works without a camera.
    EXPECT_TRUE(page_->snapshotPathEdit()->isEnabled());
    EXPECT_TRUE(requests_.isEmpty());
}

struct RefreshCase {
    const char* name;
    int superRes;  // the camera's capabilities
    int rawType;
    bool outputShown;  // the Advanced Settings entry unlocked
    QStringList reads;
};

class RefreshTest : public GeneralSettingsTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshTest, ShowsTheCamerasRowsAndReadsThemInOrder)
{
    const RefreshCase& c = GetParam();
    SIMCAM_DeviceProfile profile;
    SIMCAM_GetDeviceProfile(0, &profile);
    profile.supportSuperRes = c.superRes;
    profile.supportRawDataType = c.rawType;
    SIMCAM_SetDeviceProfile(0, &profile);
    open();
    page_->setOutputSwitchShowSlot(c.outputShown);
    requests_.clear();

    page_->refreshDeviceSupport();

    EXPECT_TRUE(page_->crossCursorSwitch()->isEnabled());
    EXPECT_TRUE(page_->crossCursorCombo()->isEnabled());
    EXPECT_TRUE(page_->imageFlipCombo()->isEnabled());
    EXPECT_TRUE(page_->outputRow()->isEnabled());
    EXPECT_EQ(page_->superResolutionRow()->isHidden(), c.superRes == 0);
    EXPECT_EQ(page_->rawTypeRow()->isHidden(), c.rawType == 0);
    EXPECT_EQ(page_->outputRow()->isHidden(), !c.outputShown);
    EXPECT_EQ(requests_, c.reads);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefreshTest,
    ::testing::Values(RefreshCase{"plain", 0, 0, false, {"getFlip", "getCross"}},
                      RefreshCase{"superRes", 1, 0, false, {"getFlip", "getCross", "getSuperRes"}},
                      RefreshCase{"rawAndOutput", 0, 1, true, {"getFlip", "getCross", "getOutput", "getRawType"}},
                      RefreshCase{
                          "all", 1, 1, true, {"getFlip", "getCross", "getOutput", "getSuperRes", "getRawType"}}),
    CaseName());

TEST_F(GeneralSettingsTest, ShowingTheOutputRowReadsTheModeOnlyOnAShownPageWithACamera)
{
    open();
    page_->setOutputSwitchShowSlot(true);  // the page is not shown yet
    EXPECT_TRUE(requests_.isEmpty());
    page_->show();
    page_->setOutputSwitchShowSlot(false);
    page_->setOutputSwitchShowSlot(true);
    EXPECT_EQ(requests_, QStringList({"getOutput"}));
    EXPECT_TRUE(page_->outputRow()->isVisible());
}

// ---- Snapshot folder -------------------------------------------------------------------

struct PathCase {
    const char* name;
    int length;  // of the chosen folder; 0 when the picker is cancelled
    bool saved;
};

class SnapshotPathTest : public GeneralSettingsTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(SnapshotPathTest, SavesAFolderOfAtMostAHundredCharacters)
{
    const PathCase& c = GetParam();
    const QString before = page_->snapshotPathEdit()->text();
    QString chosen;
    if (c.length > 0) chosen = QString("/snap/").leftJustified(c.length, 'x');
    prompts_.picks.enqueue(chosen);

    emit page_->snapshotPathEdit()->sendSelBtnClickedSignals();

    const FakeUiPrompts::Call pick = prompts_.last(Kind::PickExistingDirectory);
    EXPECT_EQ(pick.parent, page_.get());
    EXPECT_EQ(pick.text, before);  // the picker starts at the shown folder
    if (c.saved) {
        EXPECT_EQ(page_->snapshotPathEdit()->text(), chosen);
        EXPECT_EQ(configText("ManualSnapshotPath"), chosen);
        EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList({"Save succeed"}));
        EXPECT_EQ(prompts_.last(Kind::Toast).type, 0);
        return;
    }
    EXPECT_EQ(page_->snapshotPathEdit()->text(), before);
    EXPECT_EQ(configText("ManualSnapshotPath"), QString());
    EXPECT_EQ(configText("ManualRecordPath"), QString());
    if (c.length == 0) {
        EXPECT_EQ(prompts_.count(Kind::Toast), 0);
        return;
    }
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList({"Snapshot Path Too Long"}));
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 3);
    EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SnapshotPathTest,
                         ::testing::Values(PathCase{"hundred", 100, true}, PathCase{"hundredAndOne", 101, false},
                                           PathCase{"cancelled", 0, false}),
                         CaseName());

TEST_F(GeneralSettingsTest, SavingTheFolderWritesTheRecordPathAsLoaded)
{
    // Both keys empty at construction: the page shows the default folder and
    // the save fills the record key in with the default too.
    const QString defaultFolder = AppPaths::get().userDataDir();
    EXPECT_EQ(page_->snapshotPathEdit()->text(), defaultFolder);
    setConfig("ManualRecordPath", "/changed/meanwhile");
    prompts_.picks.enqueue("/snap/here");

    emit page_->snapshotPathEdit()->sendSelBtnClickedSignals();

    EXPECT_EQ(configText("ManualSnapshotPath"), "/snap/here");
    EXPECT_EQ(configText("ManualRecordPath"), defaultFolder);
}

TEST_F(GeneralSettingsTest, OpenFolderCreatesItOrTellsItCannot)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString folder = scratch.path() + "/a/b";
    prompts_.picks.enqueue(folder);
    emit page_->snapshotPathEdit()->sendSelBtnClickedSignals();

    page_->openSnapshotPathButton()->click();
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_EQ(prompts_.texts(Kind::OpenLocalPath), QStringList({folder}));
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);

    // A folder below a plain file cannot be made.
    QFile file(scratch.path() + "/file");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    prompts_.picks.enqueue(file.fileName() + "/sub");
    emit page_->snapshotPathEdit()->sendSelBtnClickedSignals();
    prompts_.clear();

    page_->openSnapshotPathButton()->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Path open failed"}));
    EXPECT_EQ(prompts_.count(Kind::OpenLocalPath), 0);
}

// ---- Cross cursor and flip -------------------------------------------------------------

// A camera state that refuses a change, the control the user moves, the
// notice and what the control shows afterwards.
struct GuardCase {
    const char* name;
    bool sleeping;
    bool frozen;
    const char* notice;
};

class GuardTest : public GeneralSettingsTest, public ::testing::WithParamInterface<GuardCase> {
protected:
    void SetUp() override
    {
        GeneralSettingsTest::SetUp();
        open();
        // The camera's cursor: on, blue; its flip: mirrored.
        page_->getCrossCursorRetSlot(true, 1, 1);
        page_->getImageFlipModeRetSlot(true, 2);
        requests_.clear();
        if (GetParam().sleeping) {
            ASSERT_TRUE(sdk().SetSleepMode(5));
        }
        sdk().setFrozen(GetParam().frozen);
    }
};

TEST_P(GuardTest, RefusedChangesPutTheControlBackAndSendNothing)
{
    const GuardCase& c = GetParam();

    QTest::mouseClick(page_->crossCursorSwitch(), Qt::LeftButton);
    EXPECT_TRUE(page_->crossCursorSwitch()->isChecked());
    choose(page_->crossCursorCombo(), 2);
    EXPECT_EQ(page_->crossCursorCombo()->currentIndex(), 1);
    choose(page_->imageFlipCombo(), 3);
    EXPECT_EQ(page_->imageFlipCombo()->currentIndex(), 2);

    EXPECT_TRUE(requests_.isEmpty());
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({c.notice, c.notice, c.notice}));
}

INSTANTIATE_TEST_SUITE_P(States, GuardTest,
                         ::testing::Values(GuardCase{"sleeping", true, false, "Device is sleeping"},
                                           GuardCase{"frozen", false, true, "Video is freezing."},
                                           GuardCase{"both", true, true, "Device is sleeping"}),
                         CaseName());

TEST_F(GeneralSettingsTest, AColourChosenWhileTheCursorIsOffGoesWithTheNextSwitchOn)
{
    open();
    page_->getCrossCursorRetSlot(true, 0, 0);
    choose(page_->crossCursorCombo(), 2);
    EXPECT_TRUE(requests_.isEmpty());

    QTest::mouseClick(page_->crossCursorSwitch(), Qt::LeftButton);
    choose(page_->crossCursorCombo(), 1);
    QTest::mouseClick(page_->crossCursorSwitch(), Qt::LeftButton);
    EXPECT_EQ(requests_, QStringList({"cross(1,2)", "cross(1,1)", "cross(0,1)"}));
}

TEST_F(GeneralSettingsTest, ReadBacksSetTheControlsWithoutRequests)
{
    open();
    page_->getCrossCursorRetSlot(true, 1, 2);
    EXPECT_TRUE(page_->crossCursorSwitch()->isChecked());
    EXPECT_EQ(page_->crossCursorCombo()->currentIndex(), 2);
    // A failed read leaves what the camera last told.
    page_->getCrossCursorRetSlot(false, 0, 0);
    page_->getImageFlipModeRetSlot(false, 0);
    EXPECT_TRUE(page_->crossCursorSwitch()->isChecked());

    page_->getImageFlipModeRetSlot(true, 3);
    EXPECT_EQ(page_->imageFlipCombo()->currentIndex(), 3);
    // The live overlay follows the camera's flip; nothing goes to the camera.
    EXPECT_EQ(requests_, QStringList({"flipChanged(3)"}));
    EXPECT_EQ(prompts_.calls.size(), 0);
}

TEST_F(GeneralSettingsTest, AConfirmedFlipIsStoredAndARefusedOneIsTakenBack)
{
    open();
    page_->getImageFlipModeRetSlot(true, 1);
    requests_.clear();

    choose(page_->imageFlipCombo(), 2);
    EXPECT_EQ(requests_, QStringList({"flip(2)"}));
    page_->setImageFlipModeRetSlot(true);
    EXPECT_EQ(requests_, QStringList({"flip(2)", "flipChanged(2)"}));

    choose(page_->imageFlipCombo(), 3);
    page_->setImageFlipModeRetSlot(false);
    // The camera kept flip 2, the combo shows it again.
    EXPECT_EQ(page_->imageFlipCombo()->currentIndex(), 2);
    EXPECT_EQ(requests_, QStringList({"flip(2)", "flipChanged(2)", "flip(3)"}));

    // A frozen image puts back the confirmed flip, not the refused one.
    sdk().setFrozen(true);
    choose(page_->imageFlipCombo(), 0);
    EXPECT_EQ(page_->imageFlipCombo()->currentIndex(), 2);
}

// ---- Restart and restore ---------------------------------------------------------------

struct DeviceActionCase {
    const char* name;
    QPushButton* (S::*button)() const;
    void (S::*answer)(bool);
    const char* title;
    const char* question;
    const char* request;
    const char* failure;
    bool asleepRefused;  // a sleeping camera is refused before the question
};

const DeviceActionCase kDeviceActions[] = {
    {"restart", &S::restartButton, &S::setRebootDeviceRetSlot, "Restart Device", "Repower the device?", "reboot",
     "Failed to reboot device", false},
    {"restore", &S::restoreButton, &S::setRestoreDeviceRetSlot, "Restore Factory Set", "Restore factory set?",
     "restore", "Failed to restore device", true},
};

class DeviceActionTest : public GeneralSettingsTest, public ::testing::WithParamInterface<DeviceActionCase> {
protected:
    void press() { (page_.get()->*GetParam().button)()->click(); }
    void answer(bool bRet) { (page_.get()->*GetParam().answer)(bRet); }
};

TEST_P(DeviceActionTest, WithoutCameraTellsItIsNotConnected)
{
    press();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Device is not connect."}));
    EXPECT_EQ(prompts_.count(Kind::Question), 0);
    EXPECT_TRUE(requests_.isEmpty());
}

TEST_P(DeviceActionTest, ASleepingCamera)
{
    const DeviceActionCase& c = GetParam();
    open();
    ASSERT_TRUE(sdk().SetSleepMode(5));
    prompts_.answers.enqueue(false);
    press();
    if (c.asleepRefused) {
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Device is sleeping"}));
        EXPECT_EQ(prompts_.count(Kind::Question), 0);
    } else {
        EXPECT_EQ(prompts_.count(Kind::Notice), 0);
        EXPECT_EQ(prompts_.count(Kind::Question), 1);
    }
    EXPECT_TRUE(requests_.isEmpty());
}

TEST_P(DeviceActionTest, CancelledSendsNothing)
{
    const DeviceActionCase& c = GetParam();
    open();
    prompts_.answers.enqueue(false);
    press();
    const FakeUiPrompts::Call q = prompts_.last(Kind::Question);
    EXPECT_EQ(q.title, c.title);
    EXPECT_EQ(q.text, c.question);
    EXPECT_EQ(q.parent, page_.get());
    EXPECT_TRUE(requests_.isEmpty());
    EXPECT_TRUE(waits().isEmpty());
}

TEST_P(DeviceActionTest, AcceptedWaitsForTheAnswer)
{
    const DeviceActionCase& c = GetParam();
    open();
    prompts_.answers << true << true;
    press();
    EXPECT_EQ(requests_, QStringList({c.request}));
    EXPECT_EQ(waits(), QList<bool>({true}));

    answer(false);
    EXPECT_EQ(waits(), QList<bool>({true, false}));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({c.failure}));
    EXPECT_EQ(requests_, QStringList({c.request}));

    press();
    prompts_.clear();
    answer(true);
    // The camera restarts: the live page closes it, nothing is shown.
    EXPECT_EQ(requests_, QStringList({c.request, c.request, "reconnect"}));
    EXPECT_EQ(waits(), QList<bool>({false}));
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

INSTANTIATE_TEST_SUITE_P(Actions, DeviceActionTest, ::testing::ValuesIn(kDeviceActions), CaseName());

// ---- Output interface ------------------------------------------------------------------

// The checked output radio's mode; -1 for none.
int checkedOutput(const QSettingsDlg& page)
{
    for (int m = 0; m < S::OutputModeCount; ++m)
        if (page.outputRadio(m)->isChecked()) return m;
    return -1;
}

TEST_F(GeneralSettingsTest, OutputRadiosAskBeforeSwitching)
{
    open();
    page_->setOutputSwitchShowSlot(true);
    page_->setGetOutputModeRetSlot(true, S::MIPIOutput);
    EXPECT_EQ(checkedOutput(*page_), S::MIPIOutput);

    // Each radio asks and sends its own mode, the active one too.
    for (int m : {S::BTOutput, S::MIPIOutput, S::USBOutput, S::UVCOutput}) {
        prompts_.answers.enqueue(true);
        page_->outputRadio(m)->click();
    }
    EXPECT_EQ(requests_, QStringList({"output(0)", "output(1)", "output(2)", "output(3)"}));
    const QString confirm = "Please confirm whether to switch the output mode";
    EXPECT_EQ(prompts_.texts(Kind::Question), QStringList({confirm, confirm, confirm, confirm}));
    EXPECT_EQ(waits(), QList<bool>({true, true, true, true}));

    // Cancelled: the camera's mode is checked again.
    requests_.clear();
    prompts_.answers.enqueue(false);
    page_->outputRadio(S::BTOutput)->click();
    EXPECT_EQ(checkedOutput(*page_), S::MIPIOutput);
    EXPECT_TRUE(requests_.isEmpty());
}

TEST_F(GeneralSettingsTest, OutputSwitchAnswers)
{
    open();
    page_->setGetOutputModeRetSlot(true, S::USBOutput);
    prompts_.answers << true << true;

    page_->outputRadio(S::BTOutput)->click();
    page_->setOutputModeSwitchRetSlot(false);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Output Mode Switch Failed"}));
    EXPECT_EQ(checkedOutput(*page_), S::USBOutput);

    page_->outputRadio(S::UVCOutput)->click();
    prompts_.clear();
    page_->setOutputModeSwitchRetSlot(true);
    EXPECT_EQ(waits(), QList<bool>({false}));
    EXPECT_EQ(prompts_.texts(Kind::Notice),
              QStringList({"Switching successful, device will automatically reboot soon"}));
    EXPECT_EQ(requests_.last(), "reconnect");
}

TEST_F(GeneralSettingsTest, AModeOutsideTheFourIsAFailedRead)
{
    page_->setGetOutputModeRetSlot(true, S::BTOutput);
    for (const auto& answer : {std::make_pair(true, 4), std::make_pair(true, -1), std::make_pair(false, 2)}) {
        prompts_.clear();
        page_->setGetOutputModeRetSlot(answer.first, answer.second);
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Failed to get Output Mode"}));
        EXPECT_EQ(checkedOutput(*page_), S::BTOutput);
    }
    // The stored mode stayed BT: a cancel checks BT again.
    prompts_.answers.enqueue(false);
    page_->outputRadio(S::USBOutput)->click();
    EXPECT_EQ(checkedOutput(*page_), S::BTOutput);
}

TEST_F(GeneralSettingsTest, BeforeAnyReadACancelChecksUvc)
{
    prompts_.answers.enqueue(false);
    page_->outputRadio(S::MIPIOutput)->click();
    EXPECT_EQ(checkedOutput(*page_), S::UVCOutput);
}

// ---- Super resolution and raw data type --------------------------------------------------

TEST_F(GeneralSettingsTest, SuperResolutionAsksAndSendsTheClickedMode)
{
    page_->setGetSuperResolutionModeRetSlot(true, 0);
    EXPECT_EQ(checkedOf(page_->superResolutionOpen(), page_->superResolutionClose()), "Close");

    prompts_.answers.enqueue(true);
    page_->superResolutionOpen()->click();
    const FakeUiPrompts::Call q = prompts_.last(Kind::Question);
    EXPECT_EQ(q.title, "Super Resolution");
    EXPECT_EQ(q.text, "Switch super resolution mode?\r\nDevice will automatically reboot");
    EXPECT_EQ(requests_, QStringList({"superRes(1)"}));
    EXPECT_EQ(waits(), QList<bool>({true}));

    prompts_.clear();
    QStringList order;
    QObject::connect(page_.get(), &S::ReconnectDeviceSignals, [&] { order << "reconnect"; });
    page_->setSuperResolutionModeRetSlot(true);
    order << prompts_.texts(Kind::Notice);
    EXPECT_EQ(waits(), QList<bool>({false}));
    EXPECT_EQ(order, QStringList({"reconnect", "Switching successful, device will automatically reboot soon"}));

    // The active mode asks too.
    prompts_.answers.enqueue(true);
    page_->superResolutionOpen()->click();
    EXPECT_EQ(requests_.last(), "superRes(1)");
}

TEST_F(GeneralSettingsTest, SuperResolutionCancelPutsTheOtherRadioBack)
{
    page_->setGetSuperResolutionModeRetSlot(true, 1);
    prompts_.answers.enqueue(false);
    page_->superResolutionClose()->click();
    EXPECT_EQ(checkedOf(page_->superResolutionOpen(), page_->superResolutionClose()), "Open");
    EXPECT_TRUE(requests_.isEmpty());
    EXPECT_TRUE(waits().isEmpty());
}

// What the radios showed before the click, the click, and what they show
// after the camera refused the switch: the state before the click.
struct RefusalCase {
    const char* name;
    int read;  // the camera's value read before; -1 none read
    bool clickSecond;
    const char* expected;
};

class SuperResolutionRefusalTest : public GeneralSettingsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SuperResolutionRefusalTest, ARefusedSwitchShowsThePreviousState)
{
    const RefusalCase& c = GetParam();
    if (c.read >= 0) page_->setGetSuperResolutionModeRetSlot(true, c.read);
    prompts_.answers.enqueue(true);
    (c.clickSecond ? page_->superResolutionClose() : page_->superResolutionOpen())->click();

    page_->setSuperResolutionModeRetSlot(false);

    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Failed to switch super resolution mode."}));
    EXPECT_EQ(checkedOf(page_->superResolutionOpen(), page_->superResolutionClose()), c.expected);
    EXPECT_EQ(waits(), QList<bool>({true, false}));
    EXPECT_FALSE(requests_.contains("reconnect"));
}

INSTANTIATE_TEST_SUITE_P(States, SuperResolutionRefusalTest,
                         ::testing::Values(RefusalCase{"closedToOpen", 0, false, "Close"},
                                           RefusalCase{"openToClosed", 1, true, "Open"},
                                           RefusalCase{"noneToOpen", -1, false, "none"},
                                           RefusalCase{"noneToClosed", -1, true, "none"}),
                         CaseName());

TEST_F(GeneralSettingsTest, SuperResolutionReadFailureTells)
{
    page_->setGetSuperResolutionModeRetSlot(false, 1);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Failed to get Super Resolution Mode"}));
    EXPECT_EQ(checkedOf(page_->superResolutionOpen(), page_->superResolutionClose()), "none");
}

class RawTypeRefusalTest : public GeneralSettingsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RawTypeRefusalTest, ARefusedTypeShowsThePreviousChoice)
{
    const RefusalCase& c = GetParam();
    if (c.read >= 0) page_->getThermalRawTypeRetSlot(true, c.read);
    (c.clickSecond ? page_->temperatureRadio() : page_->grayScaleRadio())->click();

    page_->setThermalRawTypeRetSlot(false);

    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList({"Operate failed"}));
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);
    EXPECT_EQ(prompts_.last(Kind::Toast).msec, 2000);
    EXPECT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), c.expected);
    EXPECT_EQ(waits(), QList<bool>({true, false}));
}

INSTANTIATE_TEST_SUITE_P(States, RawTypeRefusalTest,
                         ::testing::Values(RefusalCase{"grayToTemperature", 0, true, "Gray Scale"},
                                           RefusalCase{"temperatureToGray", 1, false, "Temperature"},
                                           RefusalCase{"noneToGray", -1, false, "none"},
                                           RefusalCase{"noneToTemperature", -1, true, "none"}),
                         CaseName());

TEST_F(GeneralSettingsTest, RawTypeIsSentAtOnceAndATakenTypeIsTheNextPrevious)
{
    // No question and no camera test.
    page_->temperatureRadio()->click();
    EXPECT_EQ(requests_, QStringList({"rawType(1)"}));
    EXPECT_EQ(prompts_.count(Kind::Question), 0);
    page_->setThermalRawTypeRetSlot(true);
    EXPECT_EQ(waits(), QList<bool>({true, false}));
    EXPECT_EQ(prompts_.count(Kind::Toast) + prompts_.count(Kind::Notice), 0);

    page_->grayScaleRadio()->click();
    EXPECT_EQ(requests_, QStringList({"rawType(1)", "rawType(0)"}));
    page_->setThermalRawTypeRetSlot(false);
    EXPECT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), "Temperature");

    page_->getThermalRawTypeRetSlot(false, 0);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList({"Failed to get Thermal Raw Type"}));
    EXPECT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), "Temperature");
}

// ---- Language --------------------------------------------------------------------------

TEST_F(GeneralSettingsTest, ALanguageChangeSetsEveryTextAgain)
{
    TaggingTranslator tagging;
    QCoreApplication::installTranslator(&tagging);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(page_.get(), &change);
    QStringList labels;
    for (QLabel* label : page_->rowLabels()) labels << label->text();
    QStringList items;
    for (QComboBox* combo : {page_->crossCursorCombo(), page_->imageFlipCombo()})
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    const QStringList buttons = {page_->restartButton()->text(),          page_->restoreButton()->text(),
                                 page_->superResolutionOpen()->text(),    page_->superResolutionClose()->text(),
                                 page_->grayScaleRadio()->text(),         page_->temperatureRadio()->text(),
                                 page_->outputRadio(S::UVCOutput)->text()};
    QCoreApplication::removeTranslator(&tagging);
    QCoreApplication::sendEvent(page_.get(), &change);

    const QString c = "QSettingsDlg|";
    EXPECT_EQ(labels, QStringList({c + "Save Path", c + "CrossCursor", c + "ImageFlip", c + "Super Resolution",
                                   c + "Restart Device", c + "Restore Factory Set", c + "Temperature Matrix",
                                   c + "Output mode switch"}));
    EXPECT_EQ(items, QStringList({c + "Green", c + "Blue", c + "Red", c + "Default", c + "Vertical", c + "Horizontal",
                                  c + "AllFlip"}));
    // The interface names stay as they are.
    EXPECT_EQ(buttons, QStringList({c + "Restart", c + "Restore", c + "Open", c + "Close", c + "Gray Scale",
                                    c + "Temperature", "UVC"}));
    // Back to the source texts once the translator is gone.
    EXPECT_EQ(page_->rowLabels().first()->text(), "Save Path");
}

}  // namespace

// ---- With the device-command worker ----------------------------------------------------

namespace {

// The page wired to a device-command worker on a thread of its own, as the
// live page wires it through the panel.
class GeneralSettingsWorkerTest : public GeneralSettingsTest {
protected:
    void SetUp() override
    {
        GeneralSettingsTest::SetUp();
        worker_ = new QDevCommExec;
        sync_ = new WorkerSync;
        worker_->moveToThread(&thread_);
        sync_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        QObject::connect(&thread_, &QThread::finished, sync_, &QObject::deleteLater);
        S* p = page_.get();
        QObject::connect(p, &S::sendGetImageFlipModeSignal, worker_, &QDevCommExec::getImageFlipModeSlot);
        QObject::connect(p, &S::sendSetImageFlipModeSignal, worker_, &QDevCommExec::setImageFlipModeSlot);
        QObject::connect(p, &S::sendGetCrossCursorSignal, worker_, &QDevCommExec::getCrossCursorSlot);
        QObject::connect(p, &S::sendShowCrossCursorSignal, worker_, &QDevCommExec::setShowCrosslineSlot);
        QObject::connect(p, &S::sendGetSuperResolutionModeSignal, worker_, &QDevCommExec::getSuperResolutionModeSlot);
        QObject::connect(p, &S::sendGetThermalRawTypeSignal, worker_, &QDevCommExec::getThermalRawTypeSlot);
        QObject::connect(p, &S::sendSetThermalRawTypeSignal, worker_, &QDevCommExec::setThermalRawTypeSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetImageFlipModeRetSignal, p, &S::getImageFlipModeRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendSetImageFlipModeRetSignal, p, &S::setImageFlipModeRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetCrossCursorRetSignal, p, &S::getCrossCursorRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetSuperResolutionModeRetSignal, p,
                         &S::setGetSuperResolutionModeRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetThermalRawTypeRetSignal, p, &S::getThermalRawTypeRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendSetThermalRawTypeRetSignal, p, &S::setThermalRawTypeRetSlot);
        thread_.start();
    }

    void TearDown() override
    {
        thread_.quit();
        thread_.wait();
        GeneralSettingsTest::TearDown();
    }

    // Lets the worker run every request sent so far, then hands its answers
    // to the page.
    void drain()
    {
        sync_->waitForWorker();
        QCoreApplication::sendPostedEvents();
    }

    QThread thread_;
    QDevCommExec* worker_ = nullptr;  // deleted on thread_'s finished
    WorkerSync* sync_ = nullptr;      // deleted on thread_'s finished
};

TEST_F(GeneralSettingsWorkerTest, ARefreshShowsTheCamerasSettings)
{
    open();
    ASSERT_TRUE(sdk().SetImageFlipMode(3));
    ASSERT_TRUE(USBSDK_SetCrossCursorParams(1, 2));
    ASSERT_TRUE(USBSDK_SetThermalRawDataType(1));

    page_->refreshDeviceSupport();
    drain();

    EXPECT_EQ(page_->imageFlipCombo()->currentIndex(), 3);
    EXPECT_TRUE(page_->crossCursorSwitch()->isChecked());
    EXPECT_EQ(page_->crossCursorCombo()->currentIndex(), 2);
    // A switch of super resolution would restart the camera: the factory
    // mode is read.
    EXPECT_EQ(checkedOf(page_->superResolutionOpen(), page_->superResolutionClose()), "Close");
    EXPECT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), "Temperature");
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(GeneralSettingsWorkerTest, AFlipReachesTheCameraAndARefusedOneIsTakenBack)
{
    open();
    page_->refreshDeviceSupport();
    drain();
    requests_.clear();

    choose(page_->imageFlipCombo(), 2);
    drain();
    EXPECT_EQ(simValue("flip"), 2);
    EXPECT_EQ(requests_, QStringList({"flip(2)", "flipChanged(2)"}));

    SIMCAM_FailNext("SetImageFlipMode", 1, 0);
    choose(page_->imageFlipCombo(), 1);
    drain();
    EXPECT_EQ(simValue("flip"), 2);
    EXPECT_EQ(page_->imageFlipCombo()->currentIndex(), 2);

    // The cursor follows the switch with the colour of the combo.
    choose(page_->crossCursorCombo(), 1);
    QTest::mouseClick(page_->crossCursorSwitch(), Qt::LeftButton);
    drain();
    EXPECT_EQ(simValue("crossCursor"), 1);
    EXPECT_EQ(simValue("crossColour"), 1);
}

TEST_F(GeneralSettingsWorkerTest, ARawTypeTheCameraRefusesIsTakenBack)
{
    open();
    page_->refreshDeviceSupport();
    drain();
    ASSERT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), "Gray Scale");

    SIMCAM_FailNext("SetThermalRawDataType", 1, 0);
    page_->temperatureRadio()->click();
    drain();
    EXPECT_EQ(simValue("rawType"), 0);
    EXPECT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), "Gray Scale");

    page_->temperatureRadio()->click();
    drain();
    EXPECT_EQ(simValue("rawType"), 1);
    EXPECT_EQ(checkedOf(page_->grayScaleRadio(), page_->temperatureRadio()), "Temperature");
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList({"Operate failed"}));
}

}  // namespace
