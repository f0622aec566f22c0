// The firmware update page over the simulated camera on its manual clock, so
// a flash on the worker's thread takes no real time: the guards before a
// request, a flash end to end with its outcome, the outcomes the worker may
// hand back (the camera's verification error only when the flash itself
// failed with it), the progress bar, the browse pickers, the advanced rows
// and the texts after a language change.
#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "FireTimer.h"
#include "ImagePagesTestSupport.h"
#include "QSelLineEdit.h"
#include "QUpdate.h"
#include "SimCamera.h"
#include "UpdateExec.h"
#include "camsdk.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using U = QUpdate;

// Made before a request leaves; wait() returns once the worker's final
// answer has reached the page (the page's queued call was posted before
// the watch's own).
class AnswerWatch {
public:
    explicit AnswerWatch(UpdateExec* worker)
    {
        QObject::connect(worker, &UpdateExec::Send_MainProgram_Update_Ret, &loop_, &QEventLoop::quit);
        QObject::connect(worker, &UpdateExec::Send_USB_Update_Ret, &loop_, &QEventLoop::quit);
        QObject::connect(worker, &UpdateExec::Send_Combined_Update_Ret, &loop_, [this](bool ok, int steps, int) {
            if (!ok || steps != 0) loop_.quit();
        });
    }
    // False when no answer came: a guard against a hang, not a pace.
    bool wait()
    {
        bool answered = true;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop_, [&] {
            answered = false;
            loop_.quit();
        });
        guard.start(30000);
        loop_.exec();
        return answered;
    }

private:
    QEventLoop loop_;
};

class UpdatePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        SIMCAM_SetClockMode(1);
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { DeviceSdkWrapper::getInstance().Close(); }

    void open() { ASSERT_TRUE(simcamera::openFirst()); }

    // A firmware file the simulated camera accepts.
    QString firmware(const QString& name)
    {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, '\x5a'));
        return path;
    }

    // The page in the updating state of a real main request that never
    // reaches the worker, so the test hands the answer in itself.
    void startUnanswered()
    {
        QObject::disconnect(&page_, nullptr, page_.worker(), nullptr);
        open();
        page_.pathField(U::MainRow)->setText(dir_.filePath("main.bin"));
        page_.updateButton(U::MainRow)->click();
        ASSERT_TRUE(page_.isUpdating());
        prompts_.clear();
    }

    // The camera's own last error, which the page must not consult.
    static void setCameraLastError(int code)
    {
        int contrast = 0;
        SIMCAM_FailNext("GetContrast", 1, code);
        USBSDK_GetContrast(&contrast);
        ASSERT_EQ(USBSDK_GetLastError(), code);
    }

    void expectIdle()
    {
        EXPECT_FALSE(page_.isUpdating());
        EXPECT_TRUE(page_.progressBar()->isHidden());
        EXPECT_FALSE(page_.progressTimer()->isActive());
        const FakeUiPrompts::Call wait = prompts_.last(Kind::WaitStatus);
        EXPECT_EQ(wait.dialog, page_.waitDialog());
        EXPECT_FALSE(wait.shown);
    }

    // The outcome is told after the wait dialog closed, over the page.
    void expectOutcome(const QString& text)
    {
        ASSERT_GE(prompts_.calls.size(), 2);
        const FakeUiPrompts::Call& told = prompts_.calls.last();
        EXPECT_EQ(told.kind, Kind::Notice);
        EXPECT_EQ(told.text, text);
        EXPECT_EQ(told.parent, &page_);
        EXPECT_EQ(prompts_.calls[prompts_.calls.size() - 2].kind, Kind::WaitStatus);
        EXPECT_EQ(prompts_.count(Kind::Notice), 1);
    }

    FakeUiPrompts prompts_;
    QTemporaryDir dir_;
    QUpdate page_;
    QSignalSpy titleSpy_{&page_, &U::sendTitleStatusChangeSignals};
};

// --- guards ---------------------------------------------------------------

struct GuardCase {
    const char* name;
    U::Row row;
    bool connected;
    bool withFile;
    const char* refusal;  // nullptr: the request leaves
};
void PrintTo(const GuardCase& c, std::ostream* os)
{
    *os << c.name;
}

void (U::*const kRequests[U::RowCount])(QString) = {&U::sendMainUpgradeExec, &U::sendUSBUpgradeExec,
                                                     &U::sendCombinedUpgradeExec};

class UpdateGuardTest : public UpdatePageTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(UpdateGuardTest, RefusesOrSendsTheRequest)
{
    const GuardCase& c = GetParam();
    if (c.connected) open();
    ASSERT_EQ(USBSDK_Connect() != 0, c.connected);
    page_.setUSBUpdateShowSlots(true);
    const QString path = c.withFile ? firmware("fw.bin") : QString();
    page_.pathField(c.row)->setText(path);
    QSignalSpy requests(&page_, kRequests[c.row]);
    AnswerWatch answer(page_.worker());

    page_.updateButton(c.row)->click();

    if (c.refusal) {
        EXPECT_EQ(requests.count(), 0);
        ASSERT_EQ(prompts_.count(Kind::Notice), 1);
        EXPECT_EQ(prompts_.last(Kind::Notice).text, c.refusal);
        EXPECT_EQ(prompts_.last(Kind::Notice).parent, &page_);
        EXPECT_EQ(prompts_.count(Kind::WaitStatus), 0);
        EXPECT_FALSE(page_.isUpdating());
        EXPECT_TRUE(page_.progressBar()->isHidden());
        EXPECT_FALSE(page_.progressTimer()->isActive());
        return;
    }
    ASSERT_EQ(requests.count(), 1);
    EXPECT_EQ(requests.at(0).at(0).toString(), path);
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    EXPECT_TRUE(page_.isUpdating());
    EXPECT_FALSE(page_.progressBar()->isHidden());
    EXPECT_TRUE(page_.progressTimer()->isActive());
    EXPECT_EQ(page_.progressTimer()->interval(), 500);
    ASSERT_EQ(prompts_.count(Kind::WaitStatus), 1);
    EXPECT_EQ(prompts_.last(Kind::WaitStatus).dialog, page_.waitDialog());
    EXPECT_TRUE(prompts_.last(Kind::WaitStatus).shown);
    ASSERT_TRUE(answer.wait());
}

const GuardCase kGuardCases[] = {
    {"MainWithoutCamera", U::MainRow, false, true, "Device is not connect."},
    {"MainWithoutCameraOrFile", U::MainRow, false, false, "Device is not connect."},
    {"CombinedWithoutCamera", U::CombinedRow, false, true, "Device is not connect."},
    {"UsbWithoutCameraIsSent", U::USBRow, false, true, nullptr},
    {"MainWithoutFile", U::MainRow, true, false, "Please select a .bin file to upgrade."},
    {"UsbWithoutFile", U::USBRow, false, false, "Please select a .img file to upgrade."},
    {"CombinedWithoutFile", U::CombinedRow, true, false, "Please select a .img file to upgrade."},
    {"MainSent", U::MainRow, true, true, nullptr},
    {"CombinedSent", U::CombinedRow, true, true, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Rows, UpdateGuardTest, ::testing::ValuesIn(kGuardCases),
                         [](const ::testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

// --- a flash end to end ---------------------------------------------------

struct FlashCase {
    const char* name;
    int outcome;  // SIMCAM_UpdateOutcome
    const char* told;
    int titleNotices;
};
void PrintTo(const FlashCase& c, std::ostream* os)
{
    *os << c.name;
}

class MainFlashTest : public UpdatePageTest, public ::testing::WithParamInterface<FlashCase> {};

TEST_P(MainFlashTest, TellsTheOutcomeAndReturnsToIdle)
{
    const FlashCase& c = GetParam();
    SIMCAM_SetUpdateBehaviour(4000, c.outcome, 3000);
    open();
    const QString path = firmware("main.bin");
    page_.pathField(U::MainRow)->setText(path);
    AnswerWatch answer(page_.worker());
    page_.updateButton(U::MainRow)->click();
    ASSERT_TRUE(answer.wait());

    const QStringList flashes = cameraCalls({"UpdateMainProgram"});
    ASSERT_EQ(flashes.size(), 1);
    EXPECT_TRUE(flashes.at(0).contains(path)) << flashes.at(0).toStdString();
    expectOutcome(c.told);
    EXPECT_EQ(titleSpy_.count(), c.titleNotices);
    expectIdle();
}

const FlashCase kFlashCases[] = {
    {"Success", SIMCAM_UPDATE_SUCCESS, "Upgrade success!", 1},
    {"VerificationFails", SIMCAM_UPDATE_VERIFY_FAILS, "Upgrade Fail.,File verification error.", 0},
    {"DeviceFails", SIMCAM_UPDATE_DEVICE_FAILS, "Upgrade Fail.", 1},
};

INSTANTIATE_TEST_SUITE_P(Outcomes, MainFlashTest, ::testing::ValuesIn(kFlashCases),
                         [](const ::testing::TestParamInfo<FlashCase>& info) { return std::string(info.param.name); });

TEST_F(UpdatePageTest, CombinedPackageThatIsNoPackageFailsWithoutFlashing)
{
    open();
    page_.setUSBUpdateShowSlots(true);
    page_.pathField(U::CombinedRow)->setText(firmware("pkg.bin"));
    AnswerWatch answer(page_.worker());
    page_.updateButton(U::CombinedRow)->click();
    ASSERT_TRUE(answer.wait());

    EXPECT_TRUE(cameraCalls({"UpdateMainProgram", "Update3014Program"}).isEmpty());
    expectOutcome("Upgrade Fail.");
    EXPECT_EQ(titleSpy_.count(), 1);
    expectIdle();
}

// --- the answers the page may be handed -----------------------------------

struct AnswerCase {
    const char* name;
    std::function<void(U&)> answer;
    const char* told;  // nullptr: the page keeps waiting
    int titleNotices;
};
void PrintTo(const AnswerCase& c, std::ostream* os)
{
    *os << c.name;
}

class UpdateAnswerTest : public UpdatePageTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(UpdateAnswerTest, OutcomeFromTheErrorHandedIn)
{
    const AnswerCase& c = GetParam();
    startUnanswered();
    // Left behind by some earlier call: the page must go by the error the
    // worker hands it, not by the camera's last one.
    setCameraLastError(USBSDK_ERR_FILE_VERIFY);

    c.answer(page_);

    EXPECT_EQ(titleSpy_.count(), c.titleNotices);
    if (!c.told) {
        EXPECT_TRUE(prompts_.calls.isEmpty());
        EXPECT_TRUE(page_.isUpdating());
        EXPECT_FALSE(page_.progressBar()->isHidden());
        EXPECT_TRUE(page_.progressTimer()->isActive());
        return;
    }
    expectOutcome(c.told);
    expectIdle();
}

const AnswerCase kAnswerCases[] = {
    {"MainSuccess", [](U& p) { p.Task_MainProgram_Update_Ret(true, 0); }, "Upgrade success!", 1},
    {"MainVerification", [](U& p) { p.Task_MainProgram_Update_Ret(false, 73); },
     "Upgrade Fail.,File verification error.", 0},
    {"MainOtherError", [](U& p) { p.Task_MainProgram_Update_Ret(false, 5); }, "Upgrade Fail.", 1},
    {"MainNoBurnError", [](U& p) { p.Task_MainProgram_Update_Ret(false, 0); }, "Upgrade Fail.", 1},
    {"UsbSuccess", [](U& p) { p.Task_USB_Updade_Ret(true, 0); }, "Upgrade success!", 1},
    {"UsbVerificationToldPlain", [](U& p) { p.Task_USB_Updade_Ret(false, 73); }, "Upgrade Fail.", 1},
    {"CombinedFirstBurnDone", [](U& p) { p.Task_Combined_Updade_Ret(true, 0, 0); }, nullptr, 0},
    {"CombinedSuccess", [](U& p) { p.Task_Combined_Updade_Ret(true, 1, 0); }, "Upgrade success!", 1},
    {"CombinedVerification", [](U& p) { p.Task_Combined_Updade_Ret(false, 1, 73); },
     "Upgrade Fail.,File verification error.", 0},
    {"CombinedEarlyFailure", [](U& p) { p.Task_Combined_Updade_Ret(false, 1, 0); }, "Upgrade Fail.", 1},
};

INSTANTIATE_TEST_SUITE_P(Answers, UpdateAnswerTest, ::testing::ValuesIn(kAnswerCases),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST_F(UpdatePageTest, FirstBurnDoneThenFinalAnswerEndsTheCombinedUpdate)
{
    startUnanswered();
    page_.Task_Combined_Updade_Ret(true, 0, 0);
    page_.Task_Combined_Updade_Ret(true, 1, 0);
    expectOutcome("Upgrade success!");
    EXPECT_EQ(titleSpy_.count(), 1);
    expectIdle();
}

// --- progress -------------------------------------------------------------

TEST_F(UpdatePageTest, ProgressBarTakesTheCamerasMaximumAndCurrent)
{
    startUnanswered();
    QTimer* timer = page_.progressTimer();
    QProgressBar* bar = page_.progressBar();

    // Before any flash the camera reports (maximum 100, current 0).
    fireTimer(timer);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);

    ASSERT_EQ(USBSDK_UpdateMainProgram(QFile::encodeName(firmware("main.bin")).constData()), 1);
    fireTimer(timer);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 100);

    page_.Task_GetProgress(30, 200);
    EXPECT_EQ(bar->maximum(), 200);
    EXPECT_EQ(bar->value(), 30);
}

// --- browsing -------------------------------------------------------------

struct BrowseCase {
    U::Row row;
    const char* filter;
};
void PrintTo(const BrowseCase& c, std::ostream* os)
{
    *os << c.filter;
}

class UpdateBrowseTest : public UpdatePageTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(UpdateBrowseTest, PickerStartsAtTheFieldAndReplacesItOnAChoice)
{
    const BrowseCase& c = GetParam();
    QSelLineEdit* field = page_.pathField(c.row);
    field->setText("/old/fw.bin");
    prompts_.picks << "/new/fw.img" << QString();
    QPushButton* browse = field->findChild<QPushButton*>("SelButton");
    ASSERT_NE(browse, nullptr);

    browse->click();
    const FakeUiPrompts::Call pick = prompts_.last(Kind::PickOpenFile);
    EXPECT_EQ(pick.parent, &page_);
    EXPECT_TRUE(pick.title.isEmpty());
    EXPECT_EQ(pick.text, "/old/fw.bin");
    EXPECT_EQ(pick.filter, c.filter);
    EXPECT_EQ(field->text(), "/new/fw.img");

    // Cancelled: the field keeps its path.
    browse->click();
    EXPECT_EQ(prompts_.last(Kind::PickOpenFile).text, "/new/fw.img");
    EXPECT_EQ(field->text(), "/new/fw.img");
}

INSTANTIATE_TEST_SUITE_P(Rows, UpdateBrowseTest,
                         ::testing::Values(BrowseCase{U::MainRow, "Bin File(*.bin)"},
                                           BrowseCase{U::USBRow, "File(*.img *.bin)"},
                                           BrowseCase{U::CombinedRow, "File(*.img *.bin)"}));

// --- the advanced rows and the texts --------------------------------------

TEST_F(UpdatePageTest, AdvancedRowsAppearAndDisappearTogether)
{
    auto rowHidden = [this](U::Row r) {
        const QList<QWidget*> widgets{page_.titleLabel(r), page_.fileLabel(r), page_.pathField(r), page_.updateButton(r)};
        int hidden = 0;
        for (QWidget* w : widgets) hidden += w->isHidden() ? 1 : 0;
        return hidden;
    };
    EXPECT_EQ(rowHidden(U::USBRow), 4);
    EXPECT_EQ(rowHidden(U::CombinedRow), 4);

    for (bool shown : {true, false, true}) {
        page_.setUSBUpdateShowSlots(shown);
        EXPECT_EQ(rowHidden(U::USBRow), shown ? 0 : 4) << shown;
        EXPECT_EQ(rowHidden(U::CombinedRow), shown ? 0 : 4) << shown;
        EXPECT_EQ(rowHidden(U::MainRow), 0) << shown;
    }
}

TEST_F(UpdatePageTest, LanguageChangeSetsTheTextsAgain)
{
    TaggingTranslator tagger;
    QApplication::installTranslator(&tagger);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&page_, &change);
    const char* const titles[U::RowCount] = {"MainProgramUpdate", "USBUpdate", "CombinedUpdate"};
    for (int r = 0; r < U::RowCount; ++r) {
        const U::Row row = U::Row(r);
        EXPECT_EQ(page_.titleLabel(row)->text(), QString("QUpdate|") + titles[r]);
        EXPECT_EQ(page_.fileLabel(row)->text(), "QUpdate|File");
        EXPECT_EQ(page_.updateButton(row)->text(), "QUpdate|UpdateFile");
    }

    // Each part of a verification failure is translated, the comma not.
    startUnanswered();
    page_.Task_MainProgram_Update_Ret(false, USBSDK_ERR_FILE_VERIFY);
    EXPECT_EQ(prompts_.last(Kind::Notice).text, "QUpdate|Upgrade Fail.,QUpdate|File verification error.");
    QApplication::removeTranslator(&tagger);
    QApplication::sendEvent(&page_, &change);
    EXPECT_EQ(page_.titleLabel(U::MainRow)->text(), "MainProgramUpdate");
}

}  // namespace
