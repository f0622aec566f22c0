// The gain mode page wired to a device-command worker on its own thread, as
// its hosts wire it, over the simulated camera: what a show reads and
// enables, the gain mode and gear requests with the wait dialog shown and
// closed by the answers, a refused mode putting the buttons back to what
// the camera runs, the capabilities, Save, and the texts.
#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTranslator>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "QDevCommExec.h"
#include "QGainModeSwitch.h"
#include "QLoadingMsgDlg.h"
#include "SimCamera.h"
#include "simcam.h"

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join("; ").toStdString() << ']';
}

namespace {

std::string joined(const QStringList& list)
{
    return list.join("; ").toStdString();
}

using Kind = FakeUiPrompts::Kind;
using S = QGainModeSwitch;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

// Translates every text to "context|source".
class TaggingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QString("%1|%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
};

// The English texts the page shows.
class EnglishTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QHash<QString, QString> english = {{"GainModel", "Gain Mode"},
                                                        {"Low Temper", "Low Temp"},
                                                        {"High Temper", "High Temp"},
                                                        {"Ultimate", "Ultimate"},
                                                        {"Switch Gear", "Switch Gear"},
                                                        {"Auto", "Auto"},
                                                        {"Manual", "Manual"},
                                                        {"Gears", "Low Temp Gears"},
                                                        {"First Gear", "First Gear"},
                                                        {"Second Gear", "Second Gear"},
                                                        {"Save", "Save"}};
        if (QLatin1String(context) != QLatin1String("QGainModeSwitch")) return QString();
        return english.value(QString::fromUtf8(sourceText));
    }
};

double simValue(const char* key)
{
    double v = -1;
    EXPECT_EQ(SIMCAM_GetValue(0, key, &v), 1) << key;
    return v;
}

void setCapabilities(int extreme, int twoGear)
{
    SIMCAM_DeviceProfile profile;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
    profile.supportExtreme = extreme;
    profile.supportLowTempTwoGear = twoGear;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
}

// The gain and gear calls the camera received, "Name(args)".
QStringList cameraCalls()
{
    int total = 0;
    long long overwritten = 0;
    SIMCAM_GetCallLog(nullptr, 0, &total, &overwritten);
    std::vector<SIMCAM_CallRecord> log(size_t(total) + 1);
    SIMCAM_GetCallLog(log.data(), int(log.size()), &total, &overwritten);
    QStringList out;
    for (int i = 0; i < total; ++i) {
        const QString name = QString::fromUtf8(log[size_t(i)].function);
        if (name.contains("GainMode") || name.contains("TwoGear") || name.contains("SaveDevImageParam"))
            out << name + '(' + QString::fromUtf8(log[size_t(i)].args) + ')';
    }
    return out;
}

class GainModeSwitchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        page_.resize(254, page_.sizeHint().height());
        journalRequests();
        // The host's relay: requests to the worker, answers back to the page.
        worker_ = new QDevCommExec;
        worker_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        QObject::connect(&page_, &S::sendGetGainModeSignal, worker_, &QDevCommExec::getGainModeSlot);
        QObject::connect(&page_, &S::sendSetGainModeSignal, worker_, &QDevCommExec::setGainModeSlot);
        QObject::connect(&page_, &S::sendSaveGainModeSignal, worker_, &QDevCommExec::setSaveImageParamSlot);
        QObject::connect(&page_, &S::sendGetLowTempTwoGearSignal, worker_, &QDevCommExec::getLowTempTwoGearSlot);
        QObject::connect(&page_, &S::sendSetLowTempTwoGearSignal, worker_, &QDevCommExec::setLowTempTwoGearSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetGainModeRetSignal, &page_, &S::getGainModeRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendSetGainModeRetSignal, &page_, &S::setGainModeRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendSaveImageParamRetSignal, &page_, &S::setSaveImageParamRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetLowTempTwoGearRetSignal, &page_, &S::getLowTempTwoGearRetSlot);
        QObject::connect(worker_, &QDevCommExec::sendSetLowTempTwoGearRetSignal, &page_, &S::setLowTempTwoGearRetSlot);
        journalAnswers();
        thread_.start();
    }

    void TearDown() override
    {
        thread_.quit();
        thread_.wait();
        if (sdk().isSleeping()) sdk().SetSleepMode(4);
        sdk().Close();
    }

    // Requests as the page emits them.
    void journalRequests()
    {
        QObject::connect(&page_, &S::sendGetGainModeSignal, [this] { requests_ << "getGain"; });
        QObject::connect(&page_, &S::sendSetGainModeSignal,
                         [this](int m) { requests_ << QString("setGain(%1)").arg(m); });
        QObject::connect(&page_, &S::sendSaveGainModeSignal, [this] { requests_ << "save"; });
        QObject::connect(&page_, &S::sendGetLowTempTwoGearSignal, [this] { requests_ << "getGear"; });
        QObject::connect(&page_, &S::sendSetLowTempTwoGearSignal,
                         [this](int a, int g) { requests_ << QString("setGear(%1,%2)").arg(a).arg(g); });
    }

    // Answers, recorded on the GUI thread after the page has taken them.
    void journalAnswers()
    {
        QObject::connect(worker_, &QDevCommExec::sendGetGainModeRetSignal, &journal_,
                         [this](bool b, int m) { answers_ << QString("getGain(%1,%2)").arg(b).arg(m); });
        QObject::connect(worker_, &QDevCommExec::sendSetGainModeRetSignal, &journal_,
                         [this](bool b, int m) { answers_ << QString("setGain(%1,%2)").arg(b).arg(m); });
        QObject::connect(worker_, &QDevCommExec::sendSaveImageParamRetSignal, &journal_,
                         [this](bool b) { answers_ << QString("save(%1)").arg(b); });
        QObject::connect(
            worker_, &QDevCommExec::sendGetLowTempTwoGearRetSignal, &journal_,
            [this](bool b, int a, int g) { answers_ << QString("getGear(%1,%2,%3)").arg(b).arg(a).arg(g); });
        QObject::connect(worker_, &QDevCommExec::sendSetLowTempTwoGearRetSignal, &journal_,
                         [this](bool b) { answers_ << QString("setGear(%1)").arg(b); });
    }

    // Waits until n answers have reached the page.
    bool waitForAnswers(int n)
    {
        return QTest::qWaitFor([&] { return answers_.size() >= n; }, 10000);
    }

    void clearJournals()
    {
        prompts_.clear();
        requests_.clear();
        answers_.clear();
        SIMCAM_ClearCallLog();
    }

    // Opens the camera and shows the page, which reads mode and gear.
    void openAndShow()
    {
        ASSERT_TRUE(simcamera::openFirst());
        page_.show();
        ASSERT_TRUE(waitForAnswers(2)) << joined(answers_);
        ASSERT_TRUE(page_.modeButton(S::LowTemperMode)->isChecked());
        // The panel gives the page the height it asks for.
        page_.resize(254, page_.sizeHint().height());
        clearJournals();
    }

    // The wait dialog's history: true shown, false closed.
    QVector<bool> waitHistory() const
    {
        QVector<bool> out;
        for (const auto& c : prompts_.calls)
            if (c.kind == Kind::WaitStatus) {
                EXPECT_EQ(c.dialog, page_.waitDialog());
                out << c.shown;
            }
        return out;
    }

    FakeUiPrompts prompts_;
    S page_;
    QObject journal_;
    QStringList requests_;
    QStringList answers_;
    QThread thread_;
    QDevCommExec* worker_ = nullptr;  // deleted on thread_'s finished
};

// The controls a show enables or disables by the camera's state.
std::vector<QWidget*> stateControls(const S& page)
{
    return {page.modeButton(0),    page.modeButton(1),      page.modeButton(2),   page.switchGearLabel(),
            page.autoGearButton(), page.manualGearButton(), page.refreshButton(), page.saveButton()};
}

std::vector<QWidget*> twoGearRow(const S& page)
{
    std::vector<QWidget*> row = {page.switchGearLabel(),  page.refreshButton(),   page.autoGearButton(),
                                 page.manualGearButton(), page.firstGearButton(), page.secondGearButton()};
    for (QLabel* label : page.findChildren<QLabel*>())
        if (label->text() == "Gears") row.push_back(label);
    EXPECT_EQ(row.size(), 7u);
    return row;
}

TEST_F(GainModeSwitchTest, FormNamesTextsAndStyles)
{
    EXPECT_EQ(page_.objectName(), "QGainSetting");
    EXPECT_TRUE(page_.windowFlags() & Qt::FramelessWindowHint);
    const struct {
        QWidget* widget;
        const char* text;
        const char* style;
    } widgets[] = {
        {page_.modeButton(0), "Low Temper", "RadioBtnStyle1"},
        {page_.modeButton(1), "High Temper", "RadioBtnStyle1"},
        {page_.modeButton(2), "Ultimate", "RadioBtnStyle1"},
        {page_.switchGearLabel(), "Switch Gear", "Label_FF_85_14"},
        {page_.autoGearButton(), "Auto", "RadioBtnStyle1"},
        {page_.manualGearButton(), "Manual", "RadioBtnStyle1"},
        {page_.firstGearButton(), "First Gear", "RadioBtnStyle1"},
        {page_.secondGearButton(), "Second Gear", "RadioBtnStyle1"},
        {page_.saveButton(), "Save", "BtnStyle1"},
        {page_.refreshButton(), "", "SearchBtn"},
    };
    for (const auto& w : widgets) {
        EXPECT_EQ(w.widget->objectName(), w.style) << w.text;
        EXPECT_EQ(w.widget->property("text").toString(), w.text);
    }
    QLabel* title = nullptr;
    for (QLabel* label : page_.findChildren<QLabel*>())
        if (label->text() == "GainModel") title = label;
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->objectName(), "Label_FF_85_14");

    // Hidden until a camera says otherwise.
    EXPECT_TRUE(page_.modeButton(2)->isHidden());
    for (QWidget* w : twoGearRow(page_)) EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(page_.isTwoGearRowShown());

    // Each group is exclusive on its own.
    page_.modeButton(0)->setChecked(true);
    page_.autoGearButton()->setChecked(true);
    page_.firstGearButton()->setChecked(true);
    page_.modeButton(1)->setChecked(true);
    EXPECT_FALSE(page_.modeButton(0)->isChecked());
    EXPECT_TRUE(page_.autoGearButton()->isChecked());
    EXPECT_TRUE(page_.firstGearButton()->isChecked());
    page_.secondGearButton()->setChecked(true);
    EXPECT_FALSE(page_.firstGearButton()->isChecked());
    EXPECT_TRUE(page_.autoGearButton()->isChecked());
}

TEST_F(GainModeSwitchTest, EveryLineFitsTheSidePanelColumnInEnglishUnderTheStyleSheet)
{
    EnglishTranslator english;
    QCoreApplication::installTranslator(&english);
    QFile sheet(":/Resource/Skin/vxt.qss");
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    openAndShow();
    ASSERT_EQ(page_.modeButton(0)->text(), "Low Temp");
    ASSERT_FALSE(page_.modeButton(2)->isHidden());
    ASSERT_TRUE(page_.isTwoGearRowShown());

    EXPECT_EQ(page_.refreshButton()->size(), QSize(16, 16));
    EXPECT_EQ(page_.saveButton()->size(), QSize(115, 32));
    EXPECT_LE(page_.minimumSizeHint().width(), 254);
    const QRect inside = page_.rect().adjusted(12, 16, -12, -16);
    for (QWidget* w : page_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w->isHidden()) continue;
        EXPECT_TRUE(inside.contains(w->geometry())) << w->property("text").toString().toStdString();
    }
    // Save sits in the middle.
    EXPECT_LE(std::abs(page_.saveButton()->geometry().center().x() - page_.rect().center().x()), 1);

    qApp->setStyleSheet(QString());
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

TEST_F(GainModeSwitchTest, WithoutACameraAShowDisablesAndAsksNothing)
{
    page_.getLowTempTwoGearRetSlot(true, 1, 1);
    page_.show();
    for (QWidget* w : stateControls(page_)) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    // Manual gear left over from a camera closed since: no gear choice
    // without a camera either.
    EXPECT_FALSE(page_.firstGearButton()->isEnabled());
    EXPECT_FALSE(page_.secondGearButton()->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_TRUE(requests_.isEmpty()) << joined(requests_);
    EXPECT_EQ(prompts_.count(Kind::WaitStatus), 0);
    EXPECT_TRUE(page_.modeButton(2)->isHidden());
    EXPECT_FALSE(page_.isTwoGearRowShown());
}

TEST_F(GainModeSwitchTest, AShowReadsTheModeAndTheGear)
{
    ASSERT_TRUE(simcamera::openFirst());
    SIMCAM_ClearCallLog();
    page_.show();
    ASSERT_EQ(waitHistory(), QVector<bool>{true}) << "shown while the read is outstanding";
    ASSERT_TRUE(waitForAnswers(2)) << joined(answers_);

    EXPECT_EQ(requests_, QStringList({"getGain", "getGear"}));
    EXPECT_EQ(answers_, QStringList({"getGain(1,0)", "getGear(1,0,0)"}));
    EXPECT_EQ(cameraCalls(),
              QStringList({"USBSDK_GetGainMode(mode=out)", "USBSDK_GetLowTemperatureTwoGear(nAuto=out, nGear=out)"}));
    EXPECT_EQ(waitHistory(), QVector<bool>({true, false})) << "the gear read leaves the dialog alone";
    for (QWidget* w : stateControls(page_)) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(page_.modeButton(0)->isChecked());
    EXPECT_FALSE(page_.modeButton(2)->isHidden());
    EXPECT_TRUE(page_.isTwoGearRowShown());
    for (QWidget* w : twoGearRow(page_)) EXPECT_FALSE(w->isHidden());
    EXPECT_TRUE(page_.autoGearButton()->isChecked());
    EXPECT_TRUE(page_.firstGearButton()->isChecked());
    EXPECT_FALSE(page_.firstGearButton()->isEnabled()) << "automatic: the camera picks the gear";
    EXPECT_FALSE(page_.secondGearButton()->isEnabled());
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    EXPECT_EQ(prompts_.count(Kind::Toast), 0);
    EXPECT_EQ(page_.cameraGainMode(), 0);
}

TEST_F(GainModeSwitchTest, ModeClicksSetTheCameraAndARefusalPutsTheButtonsBack)
{
    openAndShow();
    enum Outcome { Accepted, Refused };
    const struct {
        int click;
        Outcome outcome;
        int cameraMode;  // what the camera runs afterwards, and the checked button
        bool gearRow;
        QStringList requests;
    } steps[] = {
        {1, Accepted, 1, false, {"setGain(1)"}},
        {2, Refused, 1, false, {"setGain(2)"}},
        {2, Accepted, 2, false, {"setGain(2)"}},
        {0, Refused, 2, false, {"setGain(0)"}},
        {0, Accepted, 0, true, {"setGain(0)", "getGear"}},
        {0, Accepted, 0, true, {"setGain(0)", "getGear"}},  // the checked button sends again
        {1, Refused, 0, true, {"setGain(1)"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(
            QString("click %1, %2").arg(s.click).arg(s.outcome == Accepted ? "accepted" : "refused").toStdString());
        clearJournals();
        if (s.outcome == Refused) {
            ASSERT_EQ(SIMCAM_FailNext("SetGainMode", 1, 0), 1);
        }
        QTest::mouseClick(page_.modeButton(s.click), Qt::LeftButton);
        EXPECT_TRUE(page_.modeButton(s.click)->isChecked()) << "checked by the click";
        EXPECT_EQ(waitHistory(), QVector<bool>{true});
        ASSERT_TRUE(waitForAnswers(s.requests.size())) << joined(answers_);

        EXPECT_EQ(requests_, s.requests);
        EXPECT_EQ(cameraCalls().value(0), QString("USBSDK_SetGainMode(mode=%1)").arg(s.click));
        EXPECT_EQ(waitHistory(), QVector<bool>({true, false}));
        EXPECT_EQ(simValue("gainMode"), s.cameraMode);
        EXPECT_EQ(page_.cameraGainMode(), s.cameraMode);
        for (int m = 0; m < S::GainModeCount; ++m)
            EXPECT_EQ(page_.modeButton(m)->isChecked(), m == s.cameraMode) << "mode " << m;
        EXPECT_EQ(page_.isTwoGearRowShown(), s.gearRow);
        if (s.outcome == Accepted) {
            EXPECT_EQ(prompts_.count(Kind::Notice), 0);
            ASSERT_EQ(prompts_.count(Kind::Toast), 1);
            const auto toast = prompts_.last(Kind::Toast);
            EXPECT_EQ(toast.text, "Operate succeed");
            EXPECT_EQ(toast.type, 0);
            EXPECT_EQ(toast.msec, 1000);
        } else {
            EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Operate failed"});
            EXPECT_EQ(prompts_.count(Kind::Toast), 0);
        }
    }
}

TEST_F(GainModeSwitchTest, ARefusalBeforeAnyReadLeavesNoModeChecked)
{
    ASSERT_TRUE(simcamera::openFirst());
    ASSERT_EQ(SIMCAM_FailNext("SetGainMode", 1, 0), 1);
    page_.modeButton(1)->click();
    ASSERT_TRUE(waitForAnswers(1));
    EXPECT_EQ(answers_, QStringList{"setGain(0,1)"});
    for (int m = 0; m < S::GainModeCount; ++m) EXPECT_FALSE(page_.modeButton(m)->isChecked()) << m;
    EXPECT_EQ(page_.cameraGainMode(), -1);
    EXPECT_EQ(waitHistory(), QVector<bool>({true, false}));
}

TEST_F(GainModeSwitchTest, AFailedReadTellsTheErrorCodeAndChangesNothing)
{
    ASSERT_TRUE(simcamera::openFirst());
    // The worker reads up to three times.
    ASSERT_EQ(SIMCAM_FailNext("GetGainMode", 3, USBSDK_ERR_DEVICE_FAILED), 1);
    page_.show();
    ASSERT_TRUE(waitForAnswers(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers_, QStringList{"getGain(0,0)"});
    EXPECT_EQ(requests_, QStringList{"getGain"});
    EXPECT_EQ(waitHistory(), QVector<bool>({true, false}));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Failed to get gainmodel,Error Code:5"});
    for (int m = 0; m < S::GainModeCount; ++m) EXPECT_FALSE(page_.modeButton(m)->isChecked()) << m;
    EXPECT_FALSE(page_.isTwoGearRowShown());
}

TEST_F(GainModeSwitchTest, CapabilitiesDecideUltimateAndTheGearRow)
{
    const struct {
        int extreme;
        int twoGear;
    } cameras[] = {{1, 1}, {0, 1}, {1, 0}, {0, 0}};
    for (const auto& c : cameras) {
        SCOPED_TRACE(QString("extreme %1, two gears %2").arg(c.extreme).arg(c.twoGear).toStdString());
        page_.hide();
        clearJournals();
        setCapabilities(c.extreme, c.twoGear);
        ASSERT_TRUE(simcamera::openFirst());
        page_.show();
        ASSERT_TRUE(waitForAnswers(c.twoGear ? 2 : 1)) << joined(answers_);
        QCoreApplication::processEvents();
        EXPECT_EQ(requests_, c.twoGear ? QStringList({"getGain", "getGear"}) : QStringList{"getGain"});
        EXPECT_EQ(page_.modeButton(2)->isHidden(), c.extreme == 0);
        EXPECT_EQ(page_.isTwoGearRowShown(), c.twoGear != 0);

        // Back to the low range: the gear row only where there are gears.
        clearJournals();
        QTest::mouseClick(page_.modeButton(1), Qt::LeftButton);
        ASSERT_TRUE(waitForAnswers(1));
        EXPECT_FALSE(page_.isTwoGearRowShown());
        QTest::mouseClick(page_.modeButton(0), Qt::LeftButton);
        ASSERT_TRUE(waitForAnswers(c.twoGear ? 3 : 2)) << joined(answers_);
        EXPECT_EQ(page_.isTwoGearRowShown(), c.twoGear != 0);
        sdk().Close();
    }
    // A read reporting Ultimate on a camera without it checks the hidden
    // button.
    page_.getGainModeRetSlot(true, 2);
    EXPECT_TRUE(page_.modeButton(2)->isChecked());
    EXPECT_TRUE(page_.modeButton(2)->isHidden());
    EXPECT_FALSE(page_.modeButton(0)->isChecked());
}

TEST_F(GainModeSwitchTest, GearRequestsReachTheCameraAndAreReadBack)
{
    openAndShow();
    const struct {
        QRadioButton* (S::*button)() const;
        bool refused;
        QString request;
        bool manual;  // "Manual" checked after the read back
        bool second;  // "Second Gear" checked after the read back
        int cameraAuto;
        int cameraGear;
    } steps[] = {
        {&S::manualGearButton, false, "setGear(1,2)", true, false, 1, 0},
        {&S::secondGearButton, false, "setGear(1,1)", true, true, 1, 1},
        {&S::firstGearButton, false, "setGear(1,0)", true, false, 1, 0},
        {&S::secondGearButton, false, "setGear(1,1)", true, true, 1, 1},
        // Automatic keeps the gear; the camera reports gear 0 meanwhile.
        {&S::autoGearButton, false, "setGear(0,2)", false, false, 0, 1},
        {&S::manualGearButton, true, "setGear(1,2)", false, false, 0, 1},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.request.toStdString() + (s.refused ? " refused" : ""));
        clearJournals();
        if (s.refused) {
            ASSERT_EQ(SIMCAM_FailNext("SetLowTemperatureTwoGear", 1, 0), 1);
        }
        QTest::mouseClick((page_.*s.button)(), Qt::LeftButton);
        EXPECT_EQ(waitHistory(), QVector<bool>{true});
        ASSERT_TRUE(waitForAnswers(2)) << joined(answers_);

        EXPECT_EQ(requests_, QStringList({s.request, "getGear"}));
        EXPECT_EQ(answers_.value(0), QString("setGear(%1)").arg(!s.refused));
        EXPECT_EQ(waitHistory(), QVector<bool>({true, false}));
        ASSERT_EQ(prompts_.count(Kind::Toast), 1);
        EXPECT_EQ(prompts_.last(Kind::Toast).text, s.refused ? "Operate failed" : "Operate succeed");
        EXPECT_EQ(prompts_.last(Kind::Toast).type, s.refused ? 1 : 0);
        EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);
        EXPECT_EQ(prompts_.count(Kind::Notice), 0);

        EXPECT_EQ(simValue("gearAuto"), s.cameraAuto);
        EXPECT_EQ(simValue("gear"), s.cameraGear);
        EXPECT_EQ(page_.manualGearButton()->isChecked(), s.manual);
        EXPECT_EQ(page_.autoGearButton()->isChecked(), !s.manual);
        EXPECT_EQ(page_.secondGearButton()->isChecked(), s.second);
        EXPECT_EQ(page_.firstGearButton()->isChecked(), !s.second);
        EXPECT_EQ(page_.firstGearButton()->isEnabled(), s.manual);
        EXPECT_EQ(page_.secondGearButton()->isEnabled(), s.manual);
    }
}

TEST_F(GainModeSwitchTest, RefreshRereadsTheGearWithoutTheWaitDialog)
{
    openAndShow();
    // Changed behind the page's back.
    ASSERT_EQ(USBSDK_SetLowTemperatureTwoGear(1, 1), 1);
    QTest::mouseClick(page_.refreshButton(), Qt::LeftButton);
    ASSERT_TRUE(waitForAnswers(1));
    EXPECT_EQ(requests_, QStringList{"getGear"});
    EXPECT_TRUE(page_.manualGearButton()->isChecked());
    EXPECT_TRUE(page_.secondGearButton()->isChecked());
    EXPECT_TRUE(page_.secondGearButton()->isEnabled());

    ASSERT_EQ(SIMCAM_FailNext("GetLowTemperatureTwoGear", 1, 0), 1);
    QTest::mouseClick(page_.refreshButton(), Qt::LeftButton);
    ASSERT_TRUE(waitForAnswers(2));
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Failed to get low temp gear"});
    EXPECT_TRUE(page_.secondGearButton()->isChecked()) << "a failed read changes nothing";
    EXPECT_EQ(prompts_.count(Kind::WaitStatus), 0);
    EXPECT_EQ(prompts_.count(Kind::Toast), 0);
}

TEST_F(GainModeSwitchTest, SaveAsksFirstAndTellsTheOutcome)
{
    // Without a camera.
    page_.saveButton()->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Device is not connect."});
    EXPECT_EQ(prompts_.count(Kind::Question), 0);

    openAndShow();
    const struct {
        bool answer;
        bool refused;
        const char* toast;
        int type;
    } cases[] = {{false, false, nullptr, -1}, {true, false, "Save succeed", 0}, {true, true, "Save failed", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toast ? c.toast : "cancelled");
        clearJournals();
        if (c.refused) {
            ASSERT_EQ(SIMCAM_FailNext("SaveDevImageParam", 1, 0), 1);
        }
        prompts_.answers.enqueue(c.answer);
        QTest::mouseClick(page_.saveButton(), Qt::LeftButton);
        ASSERT_EQ(prompts_.count(Kind::Question), 1);
        EXPECT_EQ(prompts_.last(Kind::Question).title, "Save");
        EXPECT_EQ(prompts_.last(Kind::Question).text, "Save the config?");
        if (!c.answer) {
            QCoreApplication::processEvents();
            EXPECT_TRUE(requests_.isEmpty());
            EXPECT_EQ(prompts_.count(Kind::Toast), 0);
            continue;
        }
        ASSERT_TRUE(waitForAnswers(1));
        EXPECT_EQ(requests_, QStringList{"save"});
        EXPECT_EQ(cameraCalls(), QStringList{"USBSDK_SaveDevImageParam()"});
        ASSERT_EQ(prompts_.count(Kind::Toast), 1);
        EXPECT_EQ(prompts_.last(Kind::Toast).text, c.toast);
        EXPECT_EQ(prompts_.last(Kind::Toast).type, c.type);
        EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);
        EXPECT_EQ(prompts_.count(Kind::WaitStatus), 0) << "Save shows no wait dialog";
    }
}

TEST_F(GainModeSwitchTest, ASleepingCameraIsReadButNotChanged)
{
    openAndShow();
    ASSERT_TRUE(sdk().SetSleepMode(5));
    QTest::mouseClick(page_.saveButton(), Qt::LeftButton);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Device is sleeping"});
    EXPECT_EQ(prompts_.count(Kind::Question), 0);

    clearJournals();
    page_.hide();
    page_.show();
    ASSERT_TRUE(waitForAnswers(2)) << joined(answers_);
    EXPECT_EQ(requests_, QStringList({"getGain", "getGear"})) << "a sleeping camera still answers";
    EXPECT_EQ(waitHistory(), QVector<bool>({true, false}));
    for (QWidget* w : stateControls(page_)) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(page_.modeButton(0)->isChecked());

    ASSERT_TRUE(sdk().SetSleepMode(4));
    page_.refreshDeviceSupport();
    for (QWidget* w : stateControls(page_)) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(GainModeSwitchTest, LanguageChangeRelabelsEveryText)
{
    TaggingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QStringList texts;
    for (QLabel* label : page_.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) texts << label->text();
    for (QAbstractButton* button : page_.findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (!button->text().isEmpty()) texts << button->text();
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    texts.sort();
    QStringList expected = {"GainModel", "Switch Gear", "Gears",      "Low Temper",  "High Temper", "Ultimate",
                            "Auto",      "Manual",      "First Gear", "Second Gear", "Save"};
    for (QString& e : expected) e.prepend("QGainModeSwitch|");
    expected.sort();
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(page_.modeButton(0)->text(), "Low Temper") << "back to the source texts";
}

}  // namespace
