// Measuring on the live page with the simulated camera: rules drawn on the
// overlay reach the live set and the camera byte for byte, and the result
// table, the overlay blocks, the colour scale labels and the spot marks show
// the scene's temperatures, in the chosen unit, "N/A" when a reading fails,
// frozen when the picture is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <cstring>
#include <memory>
#include <optional>

#include "CSlider.h"
#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "LiveRuleSet.h"
#include "MetaTypes.h"
#include "QLoginSetting.h"
#include "QPreviewModuleWidget.h"
#include "QUnitLabel.h"
#include "QVideoPlay.h"
#include "QVideoPreviewModuleWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "QVideoTemperResult.h"
#include "QVideoTemperShow.h"
#include "QVideoTemperWidget.h"
#include "RuleItem.h"
#include "SceneMouse.h"
#include "SimCamera.h"
#include "ThermalImageData.h"
#include "VideoPointExItem.h"
#include "simcam.h"

namespace {

using Page = QVideoPreviewModuleWidget;
constexpr int kWaitMs = 8000;

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

// The scene's flat elements (raw frame 640 x 512, the hot disc held still).
constexpr float kRectTemp = 37.0f;
constexpr float kHotTemp = 65.0f;
constexpr float kColdTemp = 5.0f;
constexpr float kTolerance = 0.05f;     // values
constexpr float kTextTolerance = 0.1f;  // one-decimal texts

class LiveRulesPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerQueuedTypes(); }

    void SetUp() override
    {
        SIMCAM_Reset();
        SIMCAM_Scene still;
        ASSERT_NE(SIMCAM_GetScene(0, &still), 0);
        still.hotMotion = 0;
        ASSERT_NE(SIMCAM_SetScene(0, &still), 0);
        ConfigManager::getInstance().setValue("GeneralConfig", "TemperUnit", 0);

        page_ = std::make_unique<Page>();
        page_->resize(1006, 686);
        page_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));

        emit page_->loginDialog()->sendConncetDeviceSignal(simcamera::firstDevice());
        // Connected, video drawn, thermal function open and the live global
        // block read: drawing can start.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return page_->isConnected() && !scene()->isHidden() && page_->sidePanel()->isEnabled() &&
                       ThermalImageData::getInstance().getDevGlobalRuleConfig().has_value();
            },
            kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([] { return USBSDK_GetThermalFunctionStatus() != 0; }, kWaitMs));
    }

    void TearDown() override
    {
        if (sdk().Connect()) scene()->clearRules();
        page_.reset();
        sdk().setFrozen(false);
        sdk().Close();
        ConfigManager::getInstance().setValue("GeneralConfig", "TemperUnit", 0);
    }

    QVideoSceneViewCtrl* scene() const { return page_->sceneView(); }
    QTableWidget* table() const { return page_->sidePanel()->resultTable()->table(); }

    SceneMouse mouse() const { return SceneMouse(scene()); }
    QPoint at(double u, double v) const { return mouse().at(u, v); }
    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        mouse().send(type, pos, button, buttons);
    }
    void drag(QPoint from, QPoint to) { mouse().drag(from, to); }
    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton) { mouse().click(pos, button); }

    // The six kinds, each over one flat element of the scene.
    void drawAllKinds()
    {
        scene()->setPointBtnSlots();
        click(at(0.75, 0.5));  // the hot disc's centre
        scene()->setLineBtnSlots();
        drag(at(0.10, 0.20), at(0.20, 0.20));  // across the warm rectangle
        scene()->setRectBtnSlots();
        drag(at(0.10, 0.13), at(0.20, 0.27));
        scene()->setEllipseBtnSlots();
        drag(at(0.11, 0.14), at(0.19, 0.26));
        scene()->setCircularBtnSlots();
        drag(at(0.72, 0.47), at(0.78, 0.53));  // inside the hot disc
        scene()->setPolygonBtnSlots();
        click(at(0.10, 0.13));
        click(at(0.20, 0.13));
        click(at(0.20, 0.27));
        click(at(0.10, 0.27), Qt::RightButton);
        ASSERT_EQ(liveCount(), 6);
    }

    static int liveCount()
    {
        const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
        return list ? list->size() : -1;
    }

    // The camera holds the live set as the page would send it now.
    static bool cameraHasLiveSet()
    {
        const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
        if (!list) return false;
        const USBSDK_Rules expected = LiveRuleSet::fromLiveSet(*list);
        USBSDK_Rules received;
        std::memset(&received, 0xAB, sizeof received);
        if (!SIMCAM_GetLastRules(0, SIMCAM_RULES_CLIENT, &received)) return false;
        return std::memcmp(&expected, &received, sizeof expected) == 0;
    }

    int rowOf(const QString& title) const
    {
        for (int r = 0; r < table()->rowCount(); ++r)
            if (table()->item(r, 1) && table()->item(r, 1)->text() == title) return r;
        return -1;
    }
    QString cell(const QString& title, int column) const
    {
        const int r = rowOf(title);
        return r < 0 || !table()->item(r, column) ? QStringLiteral("<none>") : table()->item(r, column)->text();
    }
    float cellValue(const QString& title, int column) const
    {
        const int r = rowOf(title);
        return r < 0 ? NAN : table()->item(r, column)->data(Qt::UserRole + 1).toFloat();
    }

    FakeUiPrompts prompts_;
    std::unique_ptr<Page> page_;
};

enum Column { Max = 2, Min = 3, Avg = 4 };

// A one-decimal text with its unit: the number is within the tolerance.
::testing::AssertionResult textNear(const QString& text, float expected, const QString& unit)
{
    if (!text.endsWith(unit)) return ::testing::AssertionFailure() << text.toStdString() << " lacks the unit";
    bool ok = false;
    const float v = text.left(text.size() - unit.size()).toFloat(&ok);
    if (!ok || std::fabs(v - expected) > kTextTolerance)
        return ::testing::AssertionFailure() << text.toStdString() << " is not " << expected;
    return ::testing::AssertionSuccess();
}

TEST_F(LiveRulesPageTest, DrawnRulesReachTheCameraAndShowTheSceneTemperatures)
{
    drawAllKinds();
    EXPECT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs)) << "one USBSDK_Rules, byte for byte";
    USBSDK_Rules received;
    ASSERT_NE(SIMCAM_GetLastRules(0, SIMCAM_RULES_CLIENT, &received), 0);
    ASSERT_EQ(received.count, 6u);
    EXPECT_EQ(received.rule[4].type, 2u);
    EXPECT_EQ(received.rule[4].areaShape, 2u) << "the circle goes as an ellipse";
    EXPECT_EQ(received.rule[5].geom.area.pointCount, 4u) << "three clicks and the right click";

    page_->setUpdateTemperSlots();
    const QString c = QString(QChar(0x2103));
    struct Expect {
        const char* title;
        float value;
        bool point;
    };
    const Expect expects[] = {{"P1", kHotTemp, true},    {"L1", kRectTemp, false}, {"R1", kRectTemp, false},
                              {"Ep1", kRectTemp, false}, {"Cr1", kHotTemp, false}, {"Po1", kRectTemp, false}};
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.title);
        ASSERT_GE(rowOf(e.title), 0);
        EXPECT_NEAR(cellValue(e.title, Avg), e.value, kTolerance);
        EXPECT_TRUE(textNear(cell(e.title, Avg), e.value, c));
        if (e.point) {
            EXPECT_EQ(cell(e.title, Max), "");
            EXPECT_EQ(cell(e.title, Min), "");
        } else {
            EXPECT_NEAR(cellValue(e.title, Max), e.value, kTolerance);
            EXPECT_NEAR(cellValue(e.title, Min), e.value, kTolerance);
        }
    }
    // The whole picture: the flat hot and cold discs.
    EXPECT_NEAR(cellValue("G", Max), kHotTemp, kTolerance);
    EXPECT_NEAR(cellValue("G", Min), kColdTemp, kTolerance);
    EXPECT_TRUE(textNear(page_->maxTemperLabel()->valueLabel()->text() + c, kHotTemp, c));
    EXPECT_EQ(page_->maxTemperLabel()->unitLabel()->text(), c);
    EXPECT_TRUE(textNear(page_->minTemperLabel()->valueLabel()->text() + c, kColdTemp, c));

    // The overlay has a block per rule and one for the whole picture.
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    ASSERT_TRUE(list);
    for (int i = 0; i < list->size(); ++i) {
        QVideoTemperWidget* block = page_->temperShow()->temperWidget(list->records[i].key);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->title(), scene()->getItemTitle(list->records[i].key));
    }
    ASSERT_NE(page_->temperShow()->temperWidget(0), nullptr);
    EXPECT_TRUE(textNear(page_->temperShow()->temperWidget(0)->valueText(RuleResultBlock::MaxValue) + c, kHotTemp, c));
    EXPECT_EQ(prompts_.count(FakeUiPrompts::Kind::Notice), 0);
}

TEST_F(LiveRulesPageTest, SpotsAreMarkedWhereTheDiscsAre)
{
    page_->hotpointCheckBox()->click();
    page_->coldpointCheckBox()->click();
    page_->setUpdateTemperSlots();
    const VideoPointExItem* marker = scene()->hotColdMarker();
    EXPECT_TRUE(marker->hotVisible());
    EXPECT_TRUE(marker->coldVisible());
    // Hot disc at (480, 256) of 640 x 512, radius 32; cold at (544, 435),
    // 25.6; the first of the flat pixels in row order lies on the disc's top
    // edge, and the way to the overlay's pixels truncates twice.
    const QPointF hot(marker->hotPoint());
    const QPointF cold(marker->coldPoint());
    const double sx = scene()->width() / 640.0, sy = scene()->height() / 512.0;
    EXPECT_LT(std::hypot(hot.x() / sx - 480, hot.y() / sy - 256), 32.0 + 2.0);
    EXPECT_LT(std::hypot(cold.x() / sx - 544, cold.y() / sy - 435), 25.6 + 2.0);
    const QString c = QString(QChar(0x2103));
    EXPECT_TRUE(textNear(marker->hotText(), kHotTemp, c));
    EXPECT_TRUE(textNear(marker->coldText(), kColdTemp, c));

    page_->hotpointCheckBox()->click();
    EXPECT_FALSE(marker->hotVisible());
    EXPECT_TRUE(marker->coldVisible());
}

TEST_F(LiveRulesPageTest, UnitsFollowTheConfiguration)
{
    scene()->setRectBtnSlots();
    drag(at(0.10, 0.13), at(0.20, 0.27));
    ASSERT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));

    struct Unit {
        int value;
        QString symbol;
        float rect;  // 37 C in the unit
    };
    const Unit units[] = {{1, QString(QChar(0x2109)), 98.6f}, {2, "K", 310.15f}, {0, QString(QChar(0x2103)), 37.0f}};
    for (const Unit& u : units) {
        SCOPED_TRACE(u.value);
        ConfigManager::getInstance().setValue("GeneralConfig", "TemperUnit", u.value);
        page_->setUpdateTemperSlots();
        EXPECT_TRUE(textNear(cell("R1", Avg), u.rect, u.symbol));
        EXPECT_NEAR(cellValue("R1", Avg), kRectTemp, kTolerance) << "values stay Celsius";
        EXPECT_EQ(page_->maxTemperLabel()->unitLabel()->text(), u.symbol);
    }
    ConfigManager::getInstance().setValue("GeneralConfig", "TemperUnit", 1);
    page_->hotpointCheckBox()->click();
    page_->setUpdateTemperSlots();
    EXPECT_TRUE(textNear(scene()->hotColdMarker()->hotText(), 149.0f, QString(QChar(0x2109))));
}

TEST_F(LiveRulesPageTest, FailedReadingsShowNotAvailable)
{
    scene()->setPointBtnSlots();
    click(at(0.75, 0.5));
    scene()->setRectBtnSlots();
    drag(at(0.10, 0.13), at(0.20, 0.27));
    ASSERT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));

    SIMCAM_FailNext("USBSDK_GetThermalRules", 1, 0);
    page_->setUpdateTemperSlots();
    EXPECT_EQ(cell("P1", Avg), "N/A");
    EXPECT_EQ(cell("P1", Max), "") << "a point has no maximum";
    EXPECT_TRUE(textNear(cell("R1", Avg), kRectTemp, QString(QChar(0x2103)))) << "the next rule is still read";

    SIMCAM_FailNext("USBSDK_GetThermalHotColdPoint", 1, 0);
    page_->hotpointCheckBox()->click();
    page_->setUpdateTemperSlots();
    EXPECT_EQ(cell("G", Max), "N/A");
    EXPECT_EQ(cell("G", Min), "N/A");
    EXPECT_EQ(page_->maxTemperLabel()->valueLabel()->text(), "N/A");
    EXPECT_EQ(page_->maxTemperLabel()->unitLabel()->text(), "");
    EXPECT_EQ(page_->minTemperLabel()->valueLabel()->text(), "N/A");
    EXPECT_EQ(scene()->hotColdMarker()->hotText(), "N/A");
    const QVideoTemperWidget* whole = page_->temperShow()->temperWidget(0);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->valueText(RuleResultBlock::MaxValue), "N/A");
}

TEST_F(LiveRulesPageTest, FrozenPictureKeepsItsValues)
{
    scene()->setRectBtnSlots();
    drag(at(0.10, 0.13), at(0.20, 0.27));
    ASSERT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));
    page_->setUpdateTemperSlots();
    ASSERT_NEAR(cellValue("R1", Avg), kRectTemp, kTolerance);

    page_->freezeCheckBox()->click();
    ASSERT_TRUE(sdk().isFrozen());
    SIMCAM_Scene s;
    SIMCAM_GetScene(0, &s);
    s.rectTemp = 45.0;
    s.hotTemp = 80.0;
    ASSERT_NE(SIMCAM_SetScene(0, &s), 0);
    // Let the camera measure the new scene.
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            USBSDK_HotColdPoint p;
            return USBSDK_GetThermalHotColdPoint(&p) && std::fabs(p.hotTemp - 80.0f) < 0.1f;
        },
        kWaitMs));
    page_->setUpdateTemperSlots();
    EXPECT_NEAR(cellValue("R1", Avg), kRectTemp, kTolerance) << "rules are not refreshed while frozen";
    EXPECT_NEAR(cellValue("G", Max), kHotTemp, kTolerance) << "the spots it was frozen with";

    page_->freezeCheckBox()->click();
    page_->setUpdateTemperSlots();
    EXPECT_NEAR(cellValue("R1", Avg), 45.0f, kTolerance);
    EXPECT_NEAR(cellValue("G", Max), 80.0f, kTolerance);
}

TEST_F(LiveRulesPageTest, DeletingRulesUpdatesTheCameraAndTheViews)
{
    scene()->setPointBtnSlots();
    click(at(0.75, 0.5));
    scene()->setRectBtnSlots();
    drag(at(0.10, 0.13), at(0.20, 0.27));
    ASSERT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));
    page_->setUpdateTemperSlots();
    ASSERT_GE(rowOf("P1"), 0);

    // Delete the point: the rectangle is renumbered 1, and the camera hears it.
    const quint32 pointKey = ThermalImageData::getInstance().getDevRuleList()->records[0].key;
    scene()->scene()->clearSelection();
    scene()->ruleItemList().findById(pointKey)->setSelected(true);
    scene()->setTemperRuleDelActSlots();
    EXPECT_EQ(liveCount(), 1);
    EXPECT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));
    EXPECT_EQ(rowOf("P1"), -1);
    EXPECT_EQ(page_->temperShow()->temperWidget(pointKey), nullptr);
    page_->setUpdateTemperSlots();
    EXPECT_NEAR(cellValue("R1", Avg), kRectTemp, kTolerance) << "still measured as itself";

    // Clearing the last rule sends the empty set.
    page_->setRuleClearBtnSlots();
    EXPECT_EQ(liveCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            USBSDK_Rules r;
            return SIMCAM_GetLastRules(0, SIMCAM_RULES_CLIENT, &r) && r.count == 0;
        },
        kWaitMs));
    EXPECT_EQ(rowOf("R1"), -1);
}

TEST_F(LiveRulesPageTest, MovedRuleFollowsInTheLiveSet)
{
    scene()->setRectBtnSlots();
    drag(at(0.10, 0.13), at(0.20, 0.27));
    ASSERT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));
    const quint32 key = ThermalImageData::getInstance().getDevRuleList()->records[0].key;
    QGraphicsItem* item = scene()->ruleItemList().findById(key);
    ASSERT_NE(item, nullptr);

    // Drag its middle far beyond the right edge: it stops inside.
    const QPoint middle = at(0.15, 0.20);
    send(QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, middle + QPoint(50, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, middle + QPoint(3000, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, middle + QPoint(3000, 0), Qt::LeftButton, Qt::NoButton);

    const PicRuleConfig rule = *ThermalImageData::getInstance().findDevRuleById(key);
    const QVector<QPoint> points = RuleItem::from(item)->updatePoints();
    EXPECT_EQ(points[1].x(), scene()->width() - 1) << "right edge one pixel inside";
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rule.points[i].x, points[i].x() * 8192 / scene()->width());
        EXPECT_EQ(rule.points[i].y, points[i].y() * 8192 / scene()->height());
        EXPECT_LE(rule.points[i].x, 8191);
    }
    EXPECT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs)) << "the release sends the moved set";
}

// ---- The whole picture and the digital zoom ---------------------------------------------

// The mean of the scene's temperatures over every pixel of the frame.
double sceneMean(int width, int height)
{
    double sum = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float t = 0;
            if (!SIMCAM_GetTruth(0, x, y, &t)) return NAN;
            sum += t;
        }
    return sum / (double(width) * height);
}

TEST_F(LiveRulesPageTest, WholePictureAverageIsTheMeanOfTheFrame)
{
    page_->setUpdateTemperSlots();
    const double mean = sceneMean(640, 512);
    ASSERT_FALSE(std::isnan(mean));
    // About 25.8: far from the midpoint of the hottest and coldest (35.0).
    EXPECT_NEAR(cellValue("G", Avg), mean, 0.1);
    EXPECT_GT(std::fabs(cellValue("G", Avg) - (kHotTemp + kColdTemp) / 2), 5.0);
    const QString c = QString(QChar(0x2103));
    EXPECT_TRUE(textNear(cell("G", Avg), float(mean), c));
    EXPECT_TRUE(textNear(page_->temperShow()->temperWidget(0)->valueText(RuleResultBlock::AvgValue) + c, float(mean), c));
}

// At step 16 a 640 x 512 frame shows its centre 220 x 176, from (210, 168).
QPoint zoomedAt(const QVideoSceneViewCtrl* scene, double u, double v)
{
    return QPoint(int((u * 640 - 210) * scene->width() / 220), int((v * 512 - 168) * scene->height() / 176));
}

TEST_F(LiveRulesPageTest, RulesDrawnOnTheZoomedPictureMeasureWhatIsUnderThePointer)
{
    // The cold disc and the warm rectangle inside the centre that step 16 shows.
    SIMCAM_Scene scene0;
    ASSERT_NE(SIMCAM_GetScene(0, &scene0), 0);
    scene0.coldU = 0.40;
    scene0.coldV = 0.50;
    scene0.rectU0 = 0.55;
    scene0.rectU1 = 0.64;
    scene0.rectV0 = 0.40;
    scene0.rectV1 = 0.60;
    ASSERT_NE(SIMCAM_SetScene(0, &scene0), 0);

    page_->zoomSlider()->setValue(16);
    EXPECT_EQ(page_->zoomOffset(), QPoint(840, 672));
    scene()->setPointBtnSlots();
    click(zoomedAt(scene(), 0.40, 0.50));
    scene()->setPointBtnSlots();
    click(zoomedAt(scene(), 0.595, 0.50));
    // A rectangle inside the warm one: it measures its whole area.
    scene()->setRectBtnSlots();
    drag(zoomedAt(scene(), 0.56, 0.42), zoomedAt(scene(), 0.63, 0.58));
    ASSERT_EQ(liveCount(), 3);
    ASSERT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs));
    // Wait for a frame of the moved scene before reading.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            page_->setUpdateTemperSlots();
            return std::fabs(cellValue("P1", Avg) - kColdTemp) < kTolerance;
        },
        kWaitMs));
    EXPECT_NEAR(cellValue("P1", Avg), kColdTemp, kTolerance);
    EXPECT_NEAR(cellValue("P2", Avg), kRectTemp, kTolerance);
    EXPECT_NEAR(cellValue("R1", Max), kRectTemp, kTolerance);
    EXPECT_NEAR(cellValue("R1", Min), kRectTemp, kTolerance);

    // Back at step 0 the rules stand over the same places of the picture.
    page_->zoomSlider()->setValue(0);
    const std::optional<PicRuleConfig> cold = ThermalImageData::getInstance().findDevRuleById(
        ThermalImageData::getInstance().getDevRuleList()->records[0].key);
    ASSERT_TRUE(cold);
    EXPECT_NEAR(cold->points[0].x, 0.40 * 8192, 8192 / 220.0);
    EXPECT_NEAR(cold->points[0].y, 0.50 * 8192, 8192 / 176.0);
}

TEST_F(LiveRulesPageTest, RuleDraggedOnTheZoomedPictureMovesByTheDistanceUnderThePointer)
{
    scene()->setRectBtnSlots();
    drag(at(0.40, 0.40), at(0.55, 0.55));
    ASSERT_EQ(liveCount(), 1);
    const quint32 key = ThermalImageData::getInstance().getDevRuleList()->records[0].key;
    const PicRuleConfig before = *ThermalImageData::getInstance().findDevRuleById(key);

    // Step 8 shows the centre 480 x 384: a drag of a quarter of the view's
    // width and height is 120 x 96 frame pixels, 1536 x 1536 in rule space.
    page_->zoomSlider()->setValue(8);
    QGraphicsItem* item = scene()->ruleItemList().findById(key);
    ASSERT_NE(item, nullptr);
    const QVector<QPoint> shown = RuleItem::from(item)->updatePoints();
    const QPoint grab = (shown[0] + shown[2]) / 2;
    const QPoint by(scene()->width() / 4, scene()->height() / 4);
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, grab + by / 2, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, grab + by, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grab + by, Qt::LeftButton, Qt::NoButton);

    const PicRuleConfig after = *ThermalImageData::getInstance().findDevRuleById(key);
    const double wantX = double(by.x()) * 480 / scene()->width() * 8192 / 640;
    const double wantY = double(by.y()) * 384 / scene()->height() * 8192 / 512;
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(after.points[i].x - before.points[i].x, wantX, 8192.0 / scene()->width()) << i;
        EXPECT_NEAR(after.points[i].y - before.points[i].y, wantY, 8192.0 / scene()->height()) << i;
    }
    EXPECT_TRUE(QTest::qWaitFor(cameraHasLiveSet, kWaitMs)) << "the release sends the moved set";
}

TEST_F(LiveRulesPageTest, CalibrationBoxesAreRefusedWhileFrozen)
{
    scene()->setPointBtnSlots();
    click(at(0.75, 0.5));
    page_->freezeCheckBox()->click();
    page_->setFullCalibrationGenerateRectSlot(40, 110);
    EXPECT_EQ(liveCount(), 1) << "neither cleared nor boxes added";
    EXPECT_EQ(prompts_.last(FakeUiPrompts::Kind::Notice).text,
              QCoreApplication::translate("QVideoPreviewModuleWidget", "Video is freezing."));

    page_->freezeCheckBox()->click();
    page_->setFullCalibrationGenerateRectSlot(40, 110);
    ASSERT_EQ(liveCount(), 2);
    EXPECT_EQ(scene()->ruleItemList().size(), 2);
    const std::optional<PicRuleList> list = ThermalImageData::getInstance().getDevRuleList();
    EXPECT_STREQ(list->records[0].rule.name, "40\xE2\x84\x83");
    EXPECT_STREQ(list->records[1].rule.name, "110\xE2\x84\x83");
}

}  // namespace
