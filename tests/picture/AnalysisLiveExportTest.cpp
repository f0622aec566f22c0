// The heat-map export end to end in the main window with the simulated
// camera: the analysis window's export button, the module, the main window
// and the live page ask the frame worker for a snapshot; its path comes
// back the same way and the window opens it in the palette it was taken in
// ("Aurora", colour-bar index 21). A rule drawn over the hot disc where the
// window shows it reads the scene's temperature, unflipped and mirrored.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "AnalysisWindowMouse.h"
#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "MainWindow.h"
#include "MetaTypes.h"
#include "QCtrlModuleWidget.h"
#include "QHotImageModule.h"
#include "QIconTextCtrlBtn.h"
#include "QIconTextHBtn.h"
#include "QLoginSetting.h"
#include "QTemperResult.h"
#include "QVideoPlay.h"
#include "QVideoPreviewModuleWidget.h"
#include "SimCamera.h"
#include "ThermalImageData.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;
constexpr int kWaitMs = 8000;
constexpr int kModulePicture = 4;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

class AnalysisLiveExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerQueuedTypes(); }

    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        SIMCAM_Reset();
        SIMCAM_Scene scene;
        ASSERT_EQ(SIMCAM_GetScene(0, &scene), 1);
        scene.hotMotion = 0;  // the disc stays where the truth is read
        ASSERT_EQ(SIMCAM_SetScene(0, &scene), 1);
        ConfigManager::getInstance().setTemperUnitCache(0);
        ConfigManager::getInstance().setValue("GeneralConfig", "ManualSnapshotPath", root_.path() + "/snap");
        window_ = std::make_unique<MainWindow>();
        window_->resize(1400, 860);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        QVideoPreviewModuleWidget* live = window_->videoPreview();
        emit live->loginDialog()->sendConncetDeviceSignal(simcamera::firstDevice());
        ASSERT_TRUE(QTest::qWaitFor([&] { return live->isConnected() && live->videoPlay()->isVideoAlive(); }, kWaitMs));
        // The camera's global parameters, as the live rule page keeps them
        // once measuring is on: a snapshot carries them.
        USBSDK_GlobalTemperParam global{};
        ASSERT_NE(USBSDK_GetCommonTemperParam(&global), 0);
        ASSERT_EQ(ThermalImageData::getInstance().setDevGlobalRuleConfig(&global), 0);
    }
    void TearDown() override
    {
        window_.reset();
        sdk().Close();
        SIMCAM_Reset();
        ThermalImageData::getInstance().freePic();
    }

    QHotImageCtrl* analysis() const { return window_->hotImageModule()->hotImageCtrl(); }

    // The hottest raw pixel of the scene and its temperature.
    static QPoint hottestPixel(const QSize& frame, float* celsius)
    {
        QPoint best;
        *celsius = -1000.0f;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                float t = 0.0f;
                if (SIMCAM_GetTruth(0, x, y, &t) == 1 && t > *celsius) {
                    *celsius = t;
                    best = QPoint(x, y);
                }
            }
        return best;
    }

    QTemporaryDir root_;
    FakeUiPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(AnalysisLiveExportTest, TheExportedSnapshotOpensInItsPaletteAndMeasuresTheScene)
{
    QVideoPreviewModuleWidget* live = window_->videoPreview();
    live->setNewAuroraBtnSlot();
    ASSERT_TRUE(QTest::qWaitFor([&] { return live->colorBarIndex() == 21; }, kWaitMs));
    QTest::mouseClick(window_->ctrlModule()->entry(kModulePicture), Qt::LeftButton);
    QHotImageCtrl& w = *analysis();
    ASSERT_TRUE(w.isVisible());
    ASSERT_FALSE(w.heatMapExportButton()->isHidden()) << "a camera that takes heat maps";

    for (const int flip : {0, 2}) {
        SCOPED_TRACE(flip);
        ASSERT_TRUE(sdk().SetImageFlipMode(flip));
        prompts_.clear();
        QTest::mouseClick(w.heatMapExportButton(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return prompts_.count(Kind::Notice) > 0; }, kWaitMs));
        EXPECT_EQ(prompts_.texts(Kind::Notice),
                  QStringList{QCoreApplication::translate("QHotImageCtrl", "Export heat map success")});
        EXPECT_TRUE(ThermalImageData::getInstance().getPicPath().startsWith(root_.path() + "/snap"));
        EXPECT_EQ(w.falseColorComboBox()->currentData().toInt(), 21);
        EXPECT_EQ(w.falseColorComboBox()->currentText(), QCoreApplication::translate("QHotImageCtrl", "Aurora"));
        EXPECT_EQ(ThermalImageData::getInstance().getFlipDirection(), flip);

        QSize frame;
        ThermalImageData::getInstance().getPicSize(frame);
        float truth = 0.0f;
        const QPoint hot = hottestPixel(frame, &truth);
        ASSERT_GT(truth, 60.0f) << "the hot disc";
        analysistest::drawRectangle(w, QRect(hot - QPoint(12, 12), QSize(25, 25)), frame, flip);
        QVector<RuleTemperResult> rows;
        w.resultTable()->getResults(rows);
        ASSERT_GE(rows.size(), 2);
        EXPECT_EQ(rows.last().title, "R1");
        EXPECT_NEAR(rows.last().max, truth, 0.5f);
    }
}

}  // namespace
