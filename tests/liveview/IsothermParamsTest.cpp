// The isotherm page driven through its controls, wired as the side panel
// and the live page wire it: its requests go to a real device-command worker
// on a thread of its own, over the simulated camera, and the worker's
// answers come back into the page (the status answer with the live page's
// palette number added). Message boxes are recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <cstring>
#include <memory>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "MetaTypes.h"
#include "QDevCommExec.h"
#include "QIsothermParams.h"
#include "SimCamera.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;

constexpr int kWaitMs = 5000;

const QString kLocked = QStringLiteral("Isotherm is enabling, Colorization change is unable");
const QString kGetFailed = QStringLiteral("Failed to Get Isotherm");
const QString kSetFailed = QStringLiteral("Failed to Set Isotherm");
const QString kLowerNotBelowUpper =
    QStringLiteral("Failed to Set Isotherm\r\nThe lower limit value needs to be less than the upper limit value");
const QString kOutOfRange =
    QStringLiteral("Failed to Set Isotherm\r\nThe limit value needs to be between -20.0 and 150.0");

std::string hexOf(const USBSDK_IsothermParams& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record).toHex().toStdString();
}

USBSDK_IsothermParams cameraIsotherm()
{
    USBSDK_IsothermParams record;
    std::memset(&record, 0xAB, sizeof record);
    EXPECT_EQ(USBSDK_GetIsothermParams(&record), 1);
    return record;
}

int cameraValue(const char* key)
{
    double value = -1;
    EXPECT_EQ(SIMCAM_GetValue(0, key, &value), 1) << key;
    return int(value);
}

class IsothermParamsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerQueuedTypes();
        SIMCAM_Reset();
        ASSERT_TRUE(simcamera::openFirst());
        page_ = std::make_unique<QIsothermParams>();
        worker_ = new QDevCommExec;
        worker_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        thread_.start();
        // The relays of the side panel and the live page.
        QObject::connect(page_.get(), &QIsothermParams::sendGetIsothermStatusSignal, worker_,
                         &QDevCommExec::getIsothermStatusSlot);
        QObject::connect(page_.get(), &QIsothermParams::sendSetIsothermFuncSignal, worker_,
                         &QDevCommExec::setIsothermFuncSlot);
        QObject::connect(worker_, &QDevCommExec::sendGetIsothermStatusRetSignal, page_.get(),
                         [this](bool bRet, USBSDK_IsothermParams stParams) {
                             page_->getIsothermStatusRetSlot(bRet, stParams, livePalette_);
                             ++statusAnswers_;
                         });
        QObject::connect(worker_, &QDevCommExec::sendSetIsothermStatusRetSignal, page_.get(), [this](bool bRet) {
            page_->setIsothermStatusRetSlot(bRet);
            ++setAnswers_;
        });
        SIMCAM_ClearCallLog();
    }

    void TearDown() override
    {
        thread_.quit();
        thread_.wait();
        page_.reset();
        DeviceSdkWrapper::getInstance().Close();
        SIMCAM_Reset();
    }

    QCheckBox* enableBox() const { return page_->findChild<QCheckBox*>("IsothermEnableCheckBox"); }
    QComboBox* modeBox() const { return page_->findChild<QComboBox*>("IsothermModeComboBox"); }
    QComboBox* colourBox() const { return page_->findChild<QComboBox*>("ColorizationComboBox"); }
    QLineEdit* upperField() const { return page_->findChild<QLineEdit*>("IsothermMaxLimitLineEdit"); }
    QLineEdit* lowerField() const { return page_->findChild<QLineEdit*>("IsothermMinLimitLineEdit"); }
    QPushButton* saveButton() const { return page_->findChild<QPushButton*>("BtnStyle1"); }
    QLabel* caption(const QString& text) const
    {
        for (QLabel* label : page_->findChildren<QLabel*>())
            if (label->text() == text) return label;
        return nullptr;
    }

    // On the box itself: the middle of the row is beside its text.
    void clickEnable() const { QTest::mouseClick(enableBox(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 16)); }

    static void typeInto(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }

    // Fills the form as a user would and presses Save.
    void save(bool on, int mode, int colour, const QString& lower, const QString& upper)
    {
        if (enableBox()->isChecked() != on) clickEnable();
        ASSERT_EQ(enableBox()->isChecked(), on);
        modeBox()->setCurrentIndex(mode);
        colourBox()->setCurrentIndex(colour);
        typeInto(lowerField(), lower);
        typeInto(upperField(), upper);
        ASSERT_EQ(lowerField()->text(), lower);
        ASSERT_EQ(upperField()->text(), upper);
        QTest::mouseClick(saveButton(), Qt::LeftButton);
    }

    // Saves and waits for the camera's answer.
    void saveAndWait(bool on, int mode, int colour, const QString& lower, const QString& upper)
    {
        const int before = setAnswers_;
        save(on, mode, colour, lower, upper);
        ASSERT_TRUE(QTest::qWaitFor([&] { return setAnswers_ > before; }, kWaitMs));
    }

    void requestStatusAndWait()
    {
        const int before = statusAnswers_;
        page_->requestStatus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return statusAnswers_ > before; }, kWaitMs));
    }

    // The limit rows shown: 'U' upper, 'L' lower.
    std::string rowsShown() const
    {
        std::string rows;
        const auto shown = [](QWidget* w) { return !w->isHidden(); };
        QLabel* upperUnit = page_->findChild<QLabel*>("MaxLimitUnitLabel");
        QLabel* lowerUnit = page_->findChild<QLabel*>("MinLimitUnitLabel");
        QLabel* upperCaption = caption("MaxLimit");
        QLabel* lowerCaption = caption("MinLimit");
        EXPECT_EQ(shown(upperCaption), shown(upperField()));
        EXPECT_EQ(shown(upperUnit), shown(upperField()));
        EXPECT_EQ(shown(lowerCaption), shown(lowerField()));
        EXPECT_EQ(shown(lowerUnit), shown(lowerField()));
        if (shown(upperField())) rows += 'U';
        if (shown(lowerField())) rows += 'L';
        return rows;
    }

    FakeUiPrompts prompts_;
    QThread thread_;
    QDevCommExec* worker_ = nullptr;  // deleted on thread_'s finished
    std::unique_ptr<QIsothermParams> page_;
    int livePalette_ = 0;  // what the live page adds to a status answer
    int statusAnswers_ = 0;
    int setAnswers_ = 0;
};

TEST_F(IsothermParamsTest, FormShowsItsKeysAndLimitsInCelsius)
{
    // A Fahrenheit configuration does not reach the isotherm.
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, "TemperUnit", 1);
    page_ = std::make_unique<QIsothermParams>();
    EXPECT_EQ(page_->objectName(), "QIsothermParams");

    for (const char* key : {"IsothermEnable", "IsothermMode", "Colorization", "MaxLimit", "MinLimit"})
        EXPECT_NE(caption(key), nullptr) << key;
    EXPECT_EQ(caption("IsothermEnable")->objectName(), "IsothermEnableLabel");
    for (const char* key : {"IsothermMode", "Colorization", "MaxLimit", "MinLimit"})
        EXPECT_EQ(caption(key)->objectName(), "Label_FF_85") << key;
    EXPECT_EQ(enableBox()->text(), "Enable");
    EXPECT_FALSE(enableBox()->isChecked());
    EXPECT_EQ(saveButton()->text(), "Save");

    const char* const modes[] = {"MaxLimit", "MinLimit", "Interval", "Ends"};
    ASSERT_EQ(modeBox()->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(modeBox()->itemText(i), modes[i]);
        EXPECT_EQ(modeBox()->itemData(i).toInt(), i);
    }
    EXPECT_EQ(modeBox()->currentIndex(), 0);

    const char* const colours[] = {"Amber", "Rainbow", "Iron Red", "Jade"};
    ASSERT_EQ(colourBox()->count(), 4);
    EXPECT_EQ(colourBox()->iconSize(), QSize(100, 18));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(colourBox()->itemText(i), colours[i]);
        EXPECT_EQ(colourBox()->itemData(i).toInt(), i);
        EXPECT_EQ(colourBox()->itemIcon(i).pixmap(QSize(100, 18)).size(), QSize(100, 18)) << colours[i];
    }

    for (const char* unit : {"MaxLimitUnitLabel", "MinLimitUnitLabel"})
        EXPECT_EQ(page_->findChild<QLabel*>(unit)->text(), QString::fromUtf8("\xe2\x84\x83")) << unit;
    for (QLineEdit* field : {upperField(), lowerField()}) {
        EXPECT_EQ(field->toolTip(), "-20.0 - 150.0");
        EXPECT_EQ(field->alignment(), Qt::AlignCenter);
        EXPECT_EQ(field->size(), QSize(124, 32));
    }
    // Mode MaxLimit from the start.
    EXPECT_EQ(rowsShown(), "U");
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, "TemperUnit", 0);
}

TEST_F(IsothermParamsTest, FitsThePanelColumnWithTheProgramsStyle)
{
    QFile qss(":/Resource/Skin/vxt.qss");
    ASSERT_TRUE(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
    modeBox()->setCurrentIndex(2);
    page_->resize(254, page_->sizeHint().height());
    page_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    EXPECT_LE(page_->minimumSizeHint().width(), 254);
    for (QWidget* child : page_->findChildren<QWidget*>()) {
        if (child->isHidden() || child->parentWidget() != page_.get()) continue;
        EXPECT_GE(child->geometry().left(), 0) << child->objectName().toStdString();
        EXPECT_LE(child->geometry().right(), 253) << child->objectName().toStdString();
    }
    // Every caption shows its whole text.
    for (const char* key : {"IsothermEnable", "IsothermMode", "Colorization", "MaxLimit", "MinLimit"}) {
        QLabel* label = caption(key);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << key;
    }
    qApp->setStyleSheet(QString());
}

TEST_F(IsothermParamsTest, EachModeShowsTheLimitRowsItUses)
{
    const char* const rows[] = {"U", "L", "UL", "UL"};
    for (int mode : {1, 2, 3, 0}) {
        modeBox()->setCurrentIndex(mode);
        EXPECT_EQ(rowsShown(), rows[mode]) << mode;
    }
}

TEST_F(IsothermParamsTest, SaveSendsTheRecordOfEachModeToTheCamera)
{
    struct Case {
        int mode;
        int colour;
        const char* lower;
        const char* upper;
        int palette;
        const char* hex;
    };
    const Case cases[] = {
        {0, 0, "30", "30", 7, "010000000000f0410000f04100000000"},
        {1, 1, "-15.5", "", 3, "01000000000078c10000000001000000"},
        {2, 2, "30.5", "100", 6, "010000000000f4410000c84202000000"},
        {3, 3, "-20", "150", 8, "010000000000a0c10000164303000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        QSignalSpy sent(page_.get(), &QIsothermParams::sendSetIsothermFuncSignal);
        QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
        prompts_.clear();
        SIMCAM_ClearCallLog();
        saveAndWait(true, c.mode, c.colour, c.lower, c.upper);

        ASSERT_EQ(sent.count(), 1);
        EXPECT_EQ(sent.at(0).at(0).toInt(), c.palette);
        EXPECT_EQ(hexOf(sent.at(0).at(1).value<USBSDK_IsothermParams>()), c.hex);
        // The palette first, then the isotherm.
        EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetColor"), 1);
        EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetIsothermParams"), 1);
        EXPECT_EQ(cameraValue("palette"), c.palette);
        EXPECT_EQ(hexOf(cameraIsotherm()), c.hex);

        // The live page learns the isotherm is on, with its palette, and the
        // user that the palette is locked.
        ASSERT_EQ(colorization.count(), 1);
        EXPECT_EQ(colorization.at(0).at(0).toBool(), true);
        EXPECT_EQ(colorization.at(0).at(1).toInt(), c.palette);
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kLocked});
    }
}

TEST_F(IsothermParamsTest, RefusesLimitsThatCannotBeSent)
{
    struct Case {
        int mode;
        const char* lower;
        const char* upper;
        const QString& notice;
    };
    const Case cases[] = {
        {2, "30", "30", kLowerNotBelowUpper}, {3, "50.5", "20", kLowerNotBelowUpper},
        {1, "-25", "0", kOutOfRange},  // below the range, typed and not yet committed
        {2, "-", "30", kOutOfRange},          {0, "0", "-", kOutOfRange},
    };
    QSignalSpy sent(page_.get(), &QIsothermParams::sendSetIsothermFuncSignal);
    for (const Case& c : cases) {
        prompts_.clear();
        save(true, c.mode, 0, c.lower, c.upper);
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{c.notice}) << c.mode << ' ' << c.lower << ' ' << c.upper;
    }
    EXPECT_EQ(sent.count(), 0);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetColor"), 0);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetIsothermParams"), 0);
}

TEST_F(IsothermParamsTest, SwitchingOffSendsZerosWithTheChosenColour)
{
    saveAndWait(true, 2, 0, "30", "40");
    ASSERT_EQ(cameraValue("isothermOn"), 1);
    prompts_.clear();

    QSignalSpy sent(page_.get(), &QIsothermParams::sendSetIsothermFuncSignal);
    QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
    // Limits that an isotherm that is on could not have do not matter.
    saveAndWait(false, 3, 3, "90", "10");

    ASSERT_EQ(sent.count(), 1);
    EXPECT_EQ(sent.at(0).at(0).toInt(), 8);
    EXPECT_EQ(hexOf(sent.at(0).at(1).value<USBSDK_IsothermParams>()), "00000000000000000000000000000000");
    EXPECT_EQ(cameraValue("isothermOn"), 0);
    EXPECT_EQ(cameraValue("palette"), 8);
    EXPECT_EQ(hexOf(cameraIsotherm()), "00000000000000000000000000000000");
    ASSERT_EQ(colorization.count(), 1);
    EXPECT_EQ(colorization.at(0).at(0).toBool(), false);
    EXPECT_EQ(colorization.at(0).at(1).toInt(), 8);
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(IsothermParamsTest, FailedSaveIsReportedAndChangesNothingOnTheLivePage)
{
    // The palette fails (the isotherm is then not tried), or the isotherm does.
    for (const char* failing : {"USBSDK_SetColor", "USBSDK_SetIsothermParams"}) {
        SCOPED_TRACE(failing);
        prompts_.clear();
        SIMCAM_ClearCallLog();
        ASSERT_EQ(SIMCAM_FailNext(failing, 1, 0), 1);
        QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
        saveAndWait(true, 0, 1, "", "60");
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kSetFailed});
        EXPECT_EQ(colorization.count(), 0);
        EXPECT_EQ(cameraValue("isothermOn"), 0);
    }
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetIsothermParams"), 1);
}

TEST_F(IsothermParamsTest, RequestStatusAsksTheCameraOnce)
{
    QSignalSpy asked(page_.get(), &QIsothermParams::sendGetIsothermStatusSignal);
    requestStatusAndWait();
    EXPECT_EQ(asked.count(), 1);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetIsothermParams"), 1);
    EXPECT_EQ(statusAnswers_, 1);
}

TEST_F(IsothermParamsTest, StatusFillsThePageFromTheCamerasIsotherm)
{
    struct Case {
        USBSDK_IsothermParams camera;
        int livePalette;
        const char* lower;
        const char* upper;
        const char* rows;
        int colour;  // the entry selected afterwards
    };
    const Case cases[] = {
        {{1, 25.5f, 80.0f, 2}, 6, "25.5", "80", "UL", 2},
        {{1, -12.25f, 0.0f, 1}, 8, "-12.25", "0", "L", 3},
        {{1, 10.0f, 140.5f, 3}, 3, "10", "140.5", "UL", 1},
        {{1, 0.0f, 99.9f, 0}, 7, "0", "99.9", "U", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.camera.mode);
        ASSERT_EQ(USBSDK_SetIsothermParams(c.camera), 1);
        livePalette_ = c.livePalette;
        enableBox()->setChecked(false);
        colourBox()->setCurrentIndex(c.colour == 0 ? 1 : 0);
        prompts_.clear();
        QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
        requestStatusAndWait();

        EXPECT_TRUE(enableBox()->isChecked());
        EXPECT_EQ(lowerField()->text(), c.lower);
        EXPECT_EQ(upperField()->text(), c.upper);
        EXPECT_EQ(modeBox()->currentIndex(), c.camera.mode);
        EXPECT_EQ(rowsShown(), c.rows);
        EXPECT_EQ(colourBox()->currentIndex(), c.colour);
        // Reported on with the live page's palette, so the live page locks
        // its palette choice.
        ASSERT_EQ(colorization.count(), 1);
        EXPECT_EQ(colorization.at(0).at(0).toBool(), true);
        EXPECT_EQ(colorization.at(0).at(1).toInt(), c.livePalette);
        EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kLocked});
    }
}

TEST_F(IsothermParamsTest, StatusOfAnIsothermThatIsOffNeedsNoNotice)
{
    livePalette_ = 4;  // no isotherm colour: the colour box keeps its entry
    colourBox()->setCurrentIndex(2);
    enableBox()->setChecked(true);
    QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
    requestStatusAndWait();

    EXPECT_FALSE(enableBox()->isChecked());
    EXPECT_EQ(lowerField()->text(), "0");
    EXPECT_EQ(upperField()->text(), "0");
    EXPECT_EQ(modeBox()->currentIndex(), 0);
    EXPECT_EQ(colourBox()->currentIndex(), 2);
    ASSERT_EQ(colorization.count(), 1);
    EXPECT_EQ(colorization.at(0).at(0).toBool(), false);
    EXPECT_EQ(colorization.at(0).at(1).toInt(), 4);
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
}

TEST_F(IsothermParamsTest, FailedReadLeavesEveryControlAsItWas)
{
    enableBox()->setChecked(true);
    modeBox()->setCurrentIndex(1);
    colourBox()->setCurrentIndex(3);
    typeInto(lowerField(), "12.5");
    typeInto(upperField(), "70");
    ASSERT_EQ(SIMCAM_FailNext("USBSDK_GetIsothermParams", 1, 0), 1);
    QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
    requestStatusAndWait();

    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kGetFailed});
    EXPECT_EQ(colorization.count(), 0);
    EXPECT_TRUE(enableBox()->isChecked());
    EXPECT_EQ(modeBox()->currentIndex(), 1);
    EXPECT_EQ(colourBox()->currentIndex(), 3);
    EXPECT_EQ(lowerField()->text(), "12.5");
    EXPECT_EQ(upperField()->text(), "70");
    EXPECT_EQ(rowsShown(), "L");
}

TEST_F(IsothermParamsTest, CameraLimitOutsideTheFieldsRangeMustBeChangedBeforeSaving)
{
    // The camera keeps limits the fields do not offer; the page shows them
    // as they are and refuses to send one back.
    ASSERT_EQ(USBSDK_SetIsothermParams({1, -30.0f, 100.0f, 1}), 1);
    requestStatusAndWait();
    ASSERT_EQ(lowerField()->text(), "-30");
    prompts_.clear();
    QTest::mouseClick(saveButton(), Qt::LeftButton);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kOutOfRange});

    // With a limit in range it goes through.
    typeInto(lowerField(), "-5");
    prompts_.clear();
    const int before = setAnswers_;
    QTest::mouseClick(saveButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return setAnswers_ > before; }, kWaitMs));
    EXPECT_EQ(hexOf(cameraIsotherm()), "010000000000a0c00000c84201000000");
}

TEST_F(IsothermParamsTest, StatusOnThenSaveWithTheBoxClearReportsItOff)
{
    ASSERT_EQ(USBSDK_SetIsothermParams({1, 20.0f, 60.0f, 2}), 1);
    livePalette_ = 7;
    requestStatusAndWait();
    ASSERT_TRUE(enableBox()->isChecked());

    QSignalSpy colorization(page_.get(), &QIsothermParams::sendColorizationChangeSignal);
    prompts_.clear();
    clickEnable();
    ASSERT_FALSE(enableBox()->isChecked());
    const int before = setAnswers_;
    QTest::mouseClick(saveButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return setAnswers_ > before; }, kWaitMs));

    ASSERT_EQ(colorization.count(), 1);
    EXPECT_EQ(colorization.at(0).at(0).toBool(), false);
    EXPECT_EQ(colorization.at(0).at(1).toInt(), 7);  // Amber, selected by the status
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);
    EXPECT_EQ(cameraValue("isothermOn"), 0);
}

}  // namespace
