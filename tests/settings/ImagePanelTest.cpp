// The image parameter panel with its worker on its own thread, over the
// simulated camera, and the module page the live page holds: the refresh
// filling every page from the camera without sending anything back, the
// sections, save with its guards and the FFC period check, restore leaving
// the camera at its defaults and telling whether it took them, the pages'
// requests reaching the camera, and the palette leaving for the live page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "ImagePagesTestSupport.h"
#include "QBasicSetting.h"
#include "QCustomLineEdit.h"
#include "QFFCSetting.h"
#include "QGainSetting.h"
#include "QIconTextRBtn.h"
#include "QImageInfo.h"
#include "QImageInfoExec.h"
#include "QImageInfoModule.h"
#include "QImageModeWidget.h"
#include "QLoadingMsgDlg.h"
#include "QWideDynamicWidget.h"
#include "SimCamera.h"
#include "SwitchButton.h"

using namespace imagepages;

namespace {

using Kind = FakeUiPrompts::Kind;
using B = QBasicSetting;
using I = QImageInfo;

constexpr int kWaitMs = 5000;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

class ImagePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        module_ = std::make_unique<QImageInfoModule>();
        module_->resize(254, 895);
        panel_ = module_->panel();
    }

    void TearDown() override
    {
        module_.reset();
        if (sdk().isSleeping()) sdk().SetSleepMode(4);
        sdk().Close();
    }

    void open() { ASSERT_TRUE(simcamera::openFirst()); }

    // The panel's wait dialog steps, shown (true) or closed (false).
    QVector<bool> waitSteps() const
    {
        QVector<bool> steps;
        for (const FakeUiPrompts::Call& c : prompts_.calls)
            if (c.kind == Kind::WaitStatus && c.dialog == panel_->waitDialog()) steps << c.shown;
        return steps;
    }

    // Refreshes and waits until the worker's completion closed the wait
    // dialog.
    void refresh()
    {
        prompts_.clear();
        module_->refreshImageParam();
        ASSERT_TRUE(QTest::qWaitFor([&] { return waitSteps() == QVector<bool>{true, false}; }, kWaitMs));
    }

    bool waitForToast()
    {
        return QTest::qWaitFor([&] { return prompts_.count(Kind::Toast) > 0; }, kWaitMs);
    }

    QString shown(QCombineImageParamWidget* control) const { return control->text(); }

    FakeUiPrompts prompts_;
    std::unique_ptr<QImageInfoModule> module_;
    QImageInfo* panel_ = nullptr;
};

// ---- Refresh -------------------------------------------------------------------------

TEST_F(ImagePanelTest, RefreshShowsTheCamerasValuesAndSendsNothingBack)
{
    open();
    ASSERT_TRUE(USBSDK_SetBrightness(33) && USBSDK_SetContrast(44) && USBSDK_SetSharpness(70));
    ASSERT_TRUE(USBSDK_SetNoise2D(20) && USBSDK_SetNoise3D(30) && USBSDK_SetGainAuto(9));
    ASSERT_TRUE(USBSDK_SetFFCMode(0) && USBSDK_SetFFCTime(100) && USBSDK_SetWideDynamic(1));
    ASSERT_TRUE(USBSDK_SetLocalContrast(60) && USBSDK_SetGlobalContrast(65) && USBSDK_SetDeviceIspMode(1));
    SIMCAM_ClearCallLog();

    refresh();
    QBasicSetting* basic = panel_->basicPage();
    EXPECT_EQ(shown(basic->valueControl(B::BrightnessValue)), "33");
    EXPECT_EQ(shown(basic->valueControl(B::ContrastValue)), "44");
    EXPECT_EQ(shown(basic->valueControl(B::SharpnessValue)), "70");
    EXPECT_EQ(shown(basic->valueControl(B::Noise2DValue)), "20");
    EXPECT_EQ(shown(basic->valueControl(B::Noise3DValue)), "30");
    EXPECT_EQ(basic->styleCombo()->currentIndex(), 1);
    EXPECT_EQ(shown(panel_->gainPage()->autoGainControl()), "9");
    EXPECT_TRUE(panel_->ffcPage()->manualButton()->isChecked());
    EXPECT_EQ(shown(panel_->ffcPage()->periodControl()), "100");
    EXPECT_TRUE(panel_->wideDynamicPage()->openButton()->isChecked());
    EXPECT_EQ(shown(panel_->wideDynamicPage()->localControl()), "60");
    EXPECT_EQ(shown(panel_->wideDynamicPage()->globalControl()), "65");
    EXPECT_EQ(prompts_.count(Kind::Notice), 0);

    // Let anything a read-back might have sent reach the camera.
    QTest::qWait(0);
    refresh();
    EXPECT_EQ(cameraCalls({"Set", "Save"}), QStringList{}) << "read-backs are written with signals blocked";
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetBrightness"), 2);
}

TEST_F(ImagePanelTest, RefreshWithoutAnAwakeCameraAsksNothing)
{
    module_->refreshImageParam();
    open();
    ASSERT_TRUE(sdk().SetSleepMode(5));
    module_->refreshImageParam();
    QTest::qWait(0);
    EXPECT_EQ(waitSteps(), QVector<bool>{});
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_GetBrightness"), 0);
    EXPECT_FALSE(panel_->basicPage()->valueControl(B::BrightnessValue)->isEnabled());
}

TEST_F(ImagePanelTest, FailedReadsAreToldByTheirPages)
{
    open();
    SIMCAM_FailNext("GetContrast", 3, 9);
    refresh();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Failed to get contrast,Error Code:9"});
}

// ---- Sections -------------------------------------------------------------------------

TEST_F(ImagePanelTest, OneSectionIsOpenAtATime)
{
    const FoldSections& folds = panel_->sections();
    auto openSections = [&] {
        QList<int> out;
        for (int s = 0; s < I::SectionCount; ++s) {
            EXPECT_EQ(folds.isOpen(s), !folds.page(s)->isHidden()) << s;
            if (folds.isOpen(s)) out << s;
        }
        return out;
    };
    EXPECT_EQ(openSections(), QList<int>{I::BasicSection});
    folds.header(I::GainSection)->click();
    EXPECT_EQ(openSections(), QList<int>{I::GainSection});
    folds.header(I::FFCSection)->click();
    EXPECT_EQ(openSections(), QList<int>{I::FFCSection});
    folds.header(I::FFCSection)->click();
    EXPECT_EQ(openSections(), QList<int>{});
    folds.header(I::ImageModeSection)->click();
    EXPECT_EQ(openSections(), QList<int>{I::ImageModeSection});

    // A camera without the pseudo isotherm: its header goes, and its open
    // page gives way to the basic section.
    setProfile([](SIMCAM_DeviceProfile& p) { p.supportIsothermMode = 0; });
    open();
    refresh();
    EXPECT_TRUE(folds.header(I::ImageModeSection)->isHidden());
    EXPECT_EQ(openSections(), QList<int>{I::BasicSection});
    sdk().Close();
    setProfile([](SIMCAM_DeviceProfile& p) { p.supportIsothermMode = 1; });
    open();
    refresh();
    EXPECT_FALSE(folds.header(I::ImageModeSection)->isHidden());
}

// ---- Save ----------------------------------------------------------------------------------

TEST_F(ImagePanelTest, SaveIsGuardedAndConfirmed)
{
    QLineEdit* period = panel_->ffcPage()->periodControl()->findChild<QLineEdit*>();
    panel_->saveButton()->click();
    open();
    ASSERT_TRUE(sdk().SetSleepMode(5));
    panel_->saveButton()->click();
    ASSERT_TRUE(sdk().SetSleepMode(4));
    period->setText("9");
    panel_->saveButton()->click();
    sdk().Close();
    setProfile([](SIMCAM_DeviceProfile& p) { p.refrigerated = 1; });
    open();
    panel_->saveButton()->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice),
              (QStringList{"Device is not connect.", "Device is sleeping", "FFC time should be greater than 10.",
                           "FFC time should be greater than 10min."}));

    // 10 is enough; Cancel sends nothing.
    period->setText("10");
    prompts_.clear();
    prompts_.answers.enqueue(false);
    panel_->saveButton()->click();
    ASSERT_EQ(prompts_.count(Kind::Question), 1);
    EXPECT_EQ(prompts_.last(Kind::Question).title, "Save");
    EXPECT_EQ(prompts_.last(Kind::Question).text, "Save the config?");
    EXPECT_EQ(waitSteps(), QVector<bool>{});

    prompts_.answers.enqueue(true);
    panel_->saveButton()->click();
    ASSERT_TRUE(waitForToast());
    EXPECT_EQ(waitSteps(), (QVector<bool>{true, false}));
    EXPECT_EQ(prompts_.last(Kind::Toast).text, "Save succeed");
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 0);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SaveDevImageParam"), 1);

    prompts_.clear();
    SIMCAM_FailNext("SaveDevImageParam", 1, 0);
    prompts_.answers.enqueue(true);
    panel_->saveButton()->click();
    ASSERT_TRUE(waitForToast());
    EXPECT_EQ(prompts_.last(Kind::Toast).text, "Save failed");
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);
}

// ---- Restore ---------------------------------------------------------------------------

TEST_F(ImagePanelTest, RestoreLeavesTheCameraAtItsDefaultsAndTellsWhetherItTookThem)
{
    panel_->restoreButton()->click();
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{"Device is not connect."});
    open();
    ASSERT_TRUE(USBSDK_SetBrightness(10) && USBSDK_SetContrast(11) && USBSDK_SetSharpness(12));
    ASSERT_TRUE(USBSDK_SetWideDynamic(0) && USBSDK_SetFFCMode(0) && USBSDK_SetFFCTime(20));
    ASSERT_TRUE(USBSDK_SetDeviceIspMode(1) && USBSDK_SetGlobalContrast(5) && USBSDK_SetGainAuto(7));
    QSignalSpy palette(module_.get(), &QImageInfoModule::sendFalseColorIndexSignals);
    // The restore's answer, after the panel took it.
    QStringList outcomes;
    QObject::connect(panel_->worker(), &QImageInfoExec::sendRestoreDefaultRetSignal, panel_,
                     [&](bool ok, int failures) { outcomes << QString("%1,%2").arg(ok).arg(failures); });
    auto restore = [&] {
        prompts_.clear();
        outcomes.clear();
        SIMCAM_ClearCallLog();
        panel_->restoreButton()->click();
        return QTest::qWaitFor([&] { return !outcomes.isEmpty(); }, kWaitMs);
    };

    ASSERT_TRUE(restore());
    EXPECT_EQ(outcomes, QStringList{"1,0"});
    // One result for the whole restore: the image style's answer is part of it.
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate succeed"});
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 0);
    const struct {
        const char* key;
        double value;
    } defaults[] = {{"brightness", 50}, {"contrast", 50}, {"sharpness", 60}, {"wideDynamic", 1},
                    {"ffcMode", 1},     {"ffcTime", 360}, {"ispMode", 0}};
    for (const auto& d : defaults) EXPECT_EQ(simValue(d.key), d.value) << d.key;
    EXPECT_EQ(cameraCalls({"SetGainAuto", "SetGlobalContrast"}),
              (QStringList{"SetGainAuto(v=1)", "SetGlobalContrast(v=50)"}));
    ASSERT_EQ(palette.count(), 1) << "the palette default leaves for the live page";
    EXPECT_EQ(palette.at(0).at(0).toInt(), 0);
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SaveDevImageParam"), 0) << "restore does not save";

    // A value the camera refuses makes the restore fail.
    SIMCAM_FailNext("SetSharpness", 1, 0);
    ASSERT_TRUE(restore());
    EXPECT_EQ(outcomes, QStringList{"0,1"});
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate failed"});
    EXPECT_EQ(prompts_.last(Kind::Toast).type, 1);
    EXPECT_EQ(prompts_.last(Kind::Toast).msec, 1000);

    // A refused image style is told by the restore's result alone.
    SIMCAM_FailNext("SetDeviceIspMode", 1, 0);
    ASSERT_TRUE(restore());
    EXPECT_EQ(outcomes, QStringList{"0,1"});
    EXPECT_EQ(prompts_.texts(Kind::Toast), QStringList{"Operate failed"});
    EXPECT_TRUE(prompts_.texts(Kind::Notice).isEmpty());
}

// ---- Requests ----------------------------------------------------------------------------

TEST_F(ImagePanelTest, PageRequestsReachTheCamera)
{
    open();
    refresh();
    SIMCAM_ClearCallLog();
    drag(panel_->basicPage()->valueControl(B::ContrastValue), 20);
    drag(panel_->basicPage()->valueControl(B::BrightnessValue), 70);
    panel_->wideDynamicPage()->closeButton()->click();
    panel_->ffcPage()->manualButton()->click();
    drag(panel_->gainPage()->autoGainControl(), 5);
    QImageModeWidget* mode = panel_->imageModePage();
    mode->enableSwitch()->setChecked(true);
    mode->minLimitEdit()->setText("20.4");
    mode->maxLimitEdit()->setText("30.6");
    mode->setButton()->click();
    ASSERT_TRUE(waitForToast());
    EXPECT_EQ(prompts_.last(Kind::Toast).text, "Operate succeed");
    EXPECT_EQ(simValue("contrast"), 20);
    EXPECT_EQ(simValue("brightness"), 70);
    EXPECT_EQ(simValue("wideDynamic"), 0);
    EXPECT_EQ(simValue("ffcMode"), 0);
    EXPECT_EQ(simValue("pseudoIsothermOn"), 1);
    const QStringList calls = cameraCalls({"SetGainAuto", "SetPseudoIsotherm"});
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls.at(0), "SetGainAuto(v=5)");
    EXPECT_TRUE(calls.at(1).contains("20") && calls.at(1).contains("31")) << calls.at(1).toStdString();
}

TEST_F(ImagePanelTest, PaletteChoiceLeavesThroughTheModule)
{
    open();
    module_->updateFalseColorList();
    QSignalSpy palette(module_.get(), &QImageInfoModule::sendFalseColorIndexSignals);
    QComboBox* combo = panel_->basicPage()->paletteCombo();
    combo->setCurrentIndex(9);
    emit combo->activated(9);
    ASSERT_EQ(palette.count(), 1);
    EXPECT_EQ(palette.at(0).at(0).toInt(), 19);

    module_->setFalseColCurIndex(6);
    EXPECT_EQ(combo->currentData().toInt(), 6);
    module_->setFalseColEnabled(false);
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_EQ(palette.count(), 1);
}

}  // namespace
