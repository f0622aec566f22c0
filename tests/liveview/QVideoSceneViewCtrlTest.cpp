// The rule overlay of the live video on a connected simulated camera, driven
// with the mouse as the operator would: every rule kind drawn and stored in
// the live set byte for byte, the refusals and their messages, titles,
// deletion and clearing, selection, flip, resize, calibration boxes, moves
// clamped to the video, and what the overlay shows besides the rules.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "AppHelpers.h"
#include "DeviceSdkWrapper.h"
#include "FakeUiPrompts.h"
#include "SceneMouse.h"
#include "SimCamera.h"
#include "QRecordTimeWidget.h"
#include "QVideoSceneViewCtrl.h"
#include "RuleItem.h"
#include "ThermalImageData.h"
#include "simcam.h"

namespace {

using Kind = FakeUiPrompts::Kind;

constexpr int kW = 640;
constexpr int kH = 512;
const char* const kTooSmall = "The drawing area is too small";
const char* const kFreezing = "Video is freezing.";
const char* const kLimit = "The maximum number of additions has been reached.";
const char* const kNoParams = "Get Temperature Param Fail";
const char* const kPlain = "QPushButton{background-color:transparent;}";
const char* const kHighlighted = "QPushButton{background-color:rgb(55,60,28);}";
const char* const kToolButtons[] = {"PointBtn", "LineBtn", "RectBtn", "EllipseBtn", "PolygonBtn", "RuleClearBtn"};

ThermalImageData& store()
{
    return ThermalImageData::getInstance();
}

DeviceSdkWrapper& sdk()
{
    return DeviceSdkWrapper::getInstance();
}

USBSDK_GlobalTemperParam globalBlock()
{
    USBSDK_GlobalTemperParam g;
    std::memset(&g, 0, sizeof g);
    g.emissivity = 0.96f;
    g.distance = 3.0f;
    g.reflectedTemp = 22.5f;
    g.ambientTemp = 24.0f;
    g.humidity = 55;
    g.alarmMode = 2;
    g.alarmThreshold = 48.5f;
    return g;
}

// A mouse step in control pixels.
struct Step {
    enum Action { Press, Move, Hover, Release, DoubleClick } action;
    QPoint pos;
    Qt::MouseButton button = Qt::LeftButton;
};

std::vector<Step> drag(QPoint a, QPoint b)
{
    return {{Step::Press, a}, {Step::Move, b}, {Step::Release, b}};
}

std::vector<Step> clicks(const std::vector<QPoint>& points)
{
    std::vector<Step> steps;
    for (const QPoint& p : points) {
        steps.push_back({Step::Hover, p});
        steps.push_back({Step::Press, p});
        steps.push_back({Step::Release, p});
    }
    return steps;
}

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The record the overlay must store: everything zero but the listed fields.
PicRuleRecord expectedRecord(quint32 key, int ruleId, int type, int shape, const std::vector<QPoint>& rulePoints,
                             const QByteArray& name)
{
    PicRuleRecord r;
    std::memset(&r, 0, sizeof r);
    r.key = key;
    r.rule.ruleId = ruleId;
    r.rule.pointNum = int32_t(rulePoints.size());
    r.rule.meterType = type;
    r.rule.param = shape;
    for (size_t i = 0; i < rulePoints.size(); ++i) {
        r.rule.points[i].x = rulePoints[i].x();
        r.rule.points[i].y = rulePoints[i].y();
    }
    std::memcpy(r.rule.name, name.constData(), size_t(name.size()));
    const USBSDK_GlobalTemperParam g = globalBlock();
    r.rule.emissivity = g.emissivity;
    r.rule.distance = g.distance;
    r.rule.reflectedTemp = g.reflectedTemp;
    r.rule.alarmMode = g.alarmMode;
    r.rule.alarmThreshold = g.alarmThreshold;
    return r;
}

QVector<QPoint> vec(const std::vector<QPoint>& v)
{
    return QVector<QPoint>(v.begin(), v.end());
}

class SceneViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        USBSDK_Init();
        ASSERT_TRUE(connectCamera());
        clearLiveRules();
        const USBSDK_GlobalTemperParam g = globalBlock();
        ASSERT_EQ(store().setDevGlobalRuleConfig(&g), 0);
        sdk().setFrozen(false);

        host_ = std::make_unique<QWidget>();
        host_->resize(kW, kH);
        ctrl_ = new QVideoSceneViewCtrl(host_.get());
        ctrl_->setGeometry(0, 0, kW, kH);
        ctrl_->setRuleWidgetEnableSlot(true);
        host_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host_.get()));
        ctrl_->raise();
        prompts_.clear();
    }

    void TearDown() override
    {
        host_.reset();
        sdk().setFrozen(false);
        if (sdk().Connect()) clearLiveRules();
        sdk().Close();
    }

    static bool connectCamera() { return simcamera::openFirst(); }

    static void clearLiveRules()
    {
        const std::optional<PicRuleList> list = store().getDevRuleList();
        if (!list) return;
        for (int i = list->size() - 1; i >= 0; --i) store().delDevRule(list->records[i].key);
    }

    static int liveCount()
    {
        const std::optional<PicRuleList> list = store().getDevRuleList();
        return list ? list->size() : 0;
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        SceneMouse(ctrl_).send(type, pos, button, buttons);
    }

    void run(const std::vector<Step>& steps)
    {
        Qt::MouseButtons held = Qt::NoButton;
        for (const Step& s : steps) {
            switch (s.action) {
                case Step::Press:
                    held |= s.button;
                    send(QEvent::MouseButtonPress, s.pos, s.button, held);
                    break;
                case Step::Move:
                    send(QEvent::MouseMove, s.pos, Qt::NoButton, held);
                    break;
                case Step::Hover:
                    send(QEvent::MouseMove, s.pos, Qt::NoButton, Qt::NoButton);
                    break;
                case Step::Release:
                    held &= ~s.button;
                    send(QEvent::MouseButtonRelease, s.pos, s.button, held);
                    break;
                case Step::DoubleClick:  // what the second press of a double click becomes
                    held |= s.button;
                    send(QEvent::MouseButtonDblClick, s.pos, s.button, held);
                    break;
            }
        }
    }

    QPushButton* button(const char* name) const { return ctrl_->findChild<QPushButton*>(QLatin1String(name)); }

    // Chooses a tool as the operator does: its toolbar button (the circle
    // has none; the live page calls the slot).
    void chooseTool(int kind)
    {
        static const char* const names[] = {nullptr,      "PointBtn", "LineBtn",   "RectBtn",
                                            "EllipseBtn", nullptr,    "PolygonBtn"};
        if (kind == RuleItem::kCircle) {
            ctrl_->setCircularBtnSlots();
            return;
        }
        QTest::mouseClick(button(names[kind]), Qt::LeftButton);
    }

    // Draws one rule with a tool; the id it was announced with (0: none).
    quint32 draw(int kind, const std::vector<Step>& steps)
    {
        QSignalSpy added(ctrl_, &QVideoSceneViewCtrl::sendAddItemSignals);
        chooseTool(kind);
        run(steps);
        return added.isEmpty() ? 0 : added.last().at(0).value<quint32>();
    }

    QGraphicsItem* item(quint32 id) const { return ctrl_->ruleItemList().findById(id); }
    QVector<QPoint> pointsOf(quint32 id) const
    {
        RuleItem* rule = RuleItem::from(item(id));
        return rule ? rule->updatePoints() : QVector<QPoint>();
    }

    FakeUiPrompts prompts_;
    std::unique_ptr<QWidget> host_;
    QVideoSceneViewCtrl* ctrl_ = nullptr;  // child of host_
};

// ---- Drawing every kind ----------------------------------------------------------------

struct DrawRow {
    const char* name;
    int kind;
    std::vector<Step> steps;
    const char* title;
    std::vector<QPoint> viewPoints;  // the item's points afterwards
    int type;
    int shape;
    std::vector<QPoint> rulePoints;  // x * 8192 / 640, y * 8192 / 512, truncated
};

const std::vector<QPoint> kEight = {{10, 10},   {100, 12},  {200, 30}, {260, 120},
                                    {240, 220}, {150, 260}, {60, 200}, {20, 110}};

const DrawRow kDrawRows[] = {
    {"point", 1, {{Step::Press, {100, 50}}, {Step::Release, {100, 50}}}, "P1", {{100, 50}}, 0, 0, {{1280, 800}}},
    {"line", 2, drag({10, 20}, {25, 40}), "L1", {{10, 20}, {25, 40}}, 1, 0, {{128, 320}, {320, 640}}},
    {"rectangle",
     3,
     drag({50, 60}, {150, 110}),
     "R1",
     {{50, 60}, {150, 60}, {150, 110}, {50, 110}},
     2,
     1,
     {{640, 960}, {1920, 960}, {1920, 1760}, {640, 1760}}},
    {"ellipse",
     4,
     drag({150, 110}, {50, 60}),
     "Ep1",
     {{50, 60}, {150, 60}, {150, 110}, {50, 110}},
     2,
     2,
     {{640, 960}, {1920, 960}, {1920, 1760}, {640, 1760}}},
    {"circle",
     5,
     drag({100, 100}, {160, 130}),
     "Cr1",
     {{114, 99}, {144, 99}, {144, 129}, {114, 129}},
     2,
     3,
     {{1459, 1584}, {1843, 1584}, {1843, 2064}, {1459, 2064}}},
    {"polygon of eight clicks",
     6,
     clicks(kEight),
     "Po1",
     kEight,
     2,
     0,
     {{128, 160}, {1280, 192}, {2560, 480}, {3328, 1920}, {3072, 3520}, {1920, 4160}, {768, 3200}, {256, 1760}}},
    {"polygon closed by the right button",
     6,
     clicks({{10, 10}, {100, 10}, {100, 100}}) + std::vector<Step>{{Step::Hover, {40, 160}},
                                                                   {Step::Press, {40, 160}, Qt::RightButton},
                                                                   {Step::Release, {40, 160}, Qt::RightButton}},
     "Po1",
     {{10, 10}, {100, 10}, {100, 100}, {40, 160}},
     2,
     0,
     {{128, 160}, {1280, 160}, {1280, 1600}, {512, 2560}}},
    {"polygon with a double click among its clicks",
     6,
     clicks({{10, 10}, {100, 10}}) +
         std::vector<Step>{{Step::DoubleClick, {100, 10}}, {Step::Release, {100, 10}}, {Step::Hover, {100, 100}}} +
         clicks({{100, 100}}) +
         std::vector<Step>{{Step::Hover, {40, 160}},
                           {Step::Press, {40, 160}, Qt::RightButton},
                           {Step::Release, {40, 160}, Qt::RightButton}},
     "Po1",
     {{10, 10}, {100, 10}, {100, 10}, {100, 100}, {40, 160}},
     2,
     0,
     {{128, 160}, {1280, 160}, {1280, 160}, {1280, 1600}, {512, 2560}}},
};

TEST_F(SceneViewTest, EachToolDrawsOneRuleAndStoresItsRecord)
{
    QSignalSpy fullScreen(ctrl_, &QVideoSceneViewCtrl::sendVideoFullSrceenSignal);
    for (const DrawRow& row : kDrawRows) {
        SCOPED_TRACE(row.name);
        const quint32 id = draw(row.kind, row.steps);
        ASSERT_NE(id, 0u);
        EXPECT_EQ(fullScreen.count(), 0) << "a double click while drawing belongs to the drawing";
        EXPECT_TRUE(prompts_.calls.isEmpty());
        EXPECT_EQ(ctrl_->drawMode(), 0) << "the tool is put down";
        EXPECT_FALSE(ctrl_->isDrawing());

        ASSERT_EQ(ctrl_->ruleItemList().size(), 1);
        EXPECT_EQ(ctrl_->ruleItemList().entries()[0].title, QLatin1String(row.title));
        EXPECT_EQ(RuleItem::kindOf(item(id)), row.kind);
        EXPECT_EQ(ctrl_->getItemTitle(id), QLatin1String(row.title));
        EXPECT_EQ(pointsOf(id), vec(row.viewPoints));
        EXPECT_TRUE(item(id)->flags() & QGraphicsItem::ItemIsMovable) << "editable again after the release";

        const std::optional<PicRuleList> live = store().getDevRuleList();
        ASSERT_TRUE(live.has_value());
        ASSERT_EQ(live->count, 1);
        const PicRuleRecord want = expectedRecord(id, 1, row.type, row.shape, row.rulePoints, row.title);
        EXPECT_EQ(std::memcmp(&live->records[0], &want, sizeof want), 0);

        ctrl_->clearRules();
        ASSERT_EQ(liveCount(), 0);
    }
}

TEST_F(SceneViewTest, ChosenToolIsHighlightedAndItemsStayStillUntilTheRelease)
{
    const quint32 first = draw(RuleItem::kPoint, {{Step::Press, {30, 30}}, {Step::Release, {30, 30}}});
    chooseTool(RuleItem::kRectangle);
    EXPECT_EQ(ctrl_->drawMode(), RuleItem::kRectangle);
    for (const char* name : kToolButtons)
        EXPECT_EQ(button(name)->styleSheet(), QLatin1String(name == QLatin1String("RectBtn") ? kHighlighted : kPlain))
            << name;
    EXPECT_FALSE(item(first)->flags() & (QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable));

    run(drag({200, 200}, {300, 300}));
    for (const char* name : kToolButtons) EXPECT_EQ(button(name)->styleSheet(), QLatin1String(kPlain)) << name;
    EXPECT_TRUE(item(first)->flags() & QGraphicsItem::ItemIsMovable);
}

// ---- Refusals ------------------------------------------------------------------------------

struct RefusalRow {
    const char* name;
    int kind;
    std::vector<Step> steps;
    const char* message;  // null: none
};

const RefusalRow kRefusals[] = {
    {"rectangle 15 x 100", 3, drag({10, 10}, {25, 110}), kTooSmall},
    {"ellipse 100 x 15", 4, drag({10, 10}, {110, 25}), kTooSmall},
    {"circle of radius 7", 5, drag({100, 100}, {200, 115}), kTooSmall},
    {"line 15 x 15", 2, drag({10, 10}, {25, 25}), kTooSmall},
    {"polygon of two vertices closed by the right button", 6,
     clicks({{10, 10}, {100, 10}}) +
         std::vector<Step>{{Step::Press, {100, 100}, Qt::RightButton}, {Step::Release, {100, 100}, Qt::RightButton}},
     nullptr},
    {"rectangle cancelled by the right button",
     3,
     {{Step::Press, {10, 10}}, {Step::Move, {200, 200}}, {Step::Release, {200, 200}, Qt::RightButton}},
     nullptr},
};

TEST_F(SceneViewTest, RefusedShapesLeaveNothingBehind)
{
    for (const RefusalRow& row : kRefusals) {
        SCOPED_TRACE(row.name);
        prompts_.clear();
        EXPECT_EQ(draw(row.kind, row.steps), 0u);
        EXPECT_EQ(prompts_.texts(Kind::Notice), row.message ? QStringList{row.message} : QStringList{});
        EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());
        EXPECT_EQ(liveCount(), 0);
        EXPECT_EQ(ctrl_->drawMode(), 0);
        EXPECT_FALSE(ctrl_->isDrawing());
    }
}

TEST_F(SceneViewTest, TwelveLiveRulesStopEveryToolButNotTheCalibrationBoxes)
{
    for (int i = 0; i < QVideoSceneViewCtrl::kMaxLiveRules; ++i) {
        PicRuleRecord r = expectedRecord(quint32(5000 + i), 0, 0, 0, {{1, 1}}, "x");
        ASSERT_EQ(store().addDevRule(&r), 0);
    }
    for (int kind = RuleItem::kPoint; kind <= RuleItem::kPolygon; ++kind) chooseTool(kind);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList(QVector<QString>(6, kLimit).toList()));
    EXPECT_EQ(ctrl_->drawMode(), 0);

    ctrl_->setDrawMode(RuleItem::kLine);
    EXPECT_EQ(ctrl_->drawMode(), RuleItem::kLine) << "the page's own choice is not limited";
    ctrl_->setDrawMode(0);

    USBSDK_Rules boxes;
    std::memset(&boxes, 0, sizeof boxes);
    boxes.count = 1;
    boxes.rule[0].geom.area.xy[1][0] = 4096;
    boxes.rule[0].geom.area.xy[2][1] = 4096;
    boxes.rule[0].geom.area.xy[3][0] = 4096;
    boxes.rule[0].geom.area.xy[3][1] = 4096;
    ctrl_->setCalibrationRectRetSlot(true, boxes);
    EXPECT_EQ(liveCount(), 13);
}

TEST_F(SceneViewTest, FrozenVideoRefusesToolsAndClearing)
{
    const quint32 id = draw(RuleItem::kPoint, {{Step::Press, {30, 30}}, {Step::Release, {30, 30}}});
    sdk().setFrozen(true);
    for (int kind = RuleItem::kPoint; kind <= RuleItem::kPolygon; ++kind) chooseTool(kind);
    QTest::mouseClick(button("RuleClearBtn"), Qt::LeftButton);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList(QVector<QString>(7, kFreezing).toList()));
    EXPECT_EQ(ctrl_->drawMode(), 0);
    EXPECT_NE(item(id), nullptr);
    EXPECT_EQ(liveCount(), 1);
}

TEST_F(SceneViewTest, WithoutTheMeasurementParametersNothingIsDrawn)
{
    ASSERT_TRUE(sdk().Close());  // the live set and its parameters are gone
    prompts_.clear();
    EXPECT_EQ(draw(RuleItem::kRectangle, drag({10, 10}, {100, 100})), 0u);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kNoParams});
    EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());
    EXPECT_EQ(ctrl_->drawMode(), 0);

    USBSDK_Rules boxes;
    std::memset(&boxes, 0, sizeof boxes);
    boxes.count = 2;
    prompts_.clear();
    QSignalSpy added(ctrl_, &QVideoSceneViewCtrl::sendAddItemSignals);
    ctrl_->setCalibrationRectRetSlot(true, boxes);
    EXPECT_EQ(prompts_.texts(Kind::Notice), QStringList{kNoParams}) << "once for the whole set";
    EXPECT_TRUE(added.isEmpty());
    EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());
}

// ---- Titles, deletion, clearing, selection --------------------------------------------------

// Everything the overlay tells the live page, in order.
class Journal {
public:
    explicit Journal(QVideoSceneViewCtrl* ctrl)
    {
        QObject::connect(ctrl, &QVideoSceneViewCtrl::sendItemDeleteSignals, ctrl, [this, ctrl](quint32 id) {
            // The record is gone and the item is off the list when it is told.
            entries << QStringLiteral("delete %1 record %2 listed %3")
                           .arg(id)
                           .arg(store().findDevRuleById(id).has_value())
                           .arg(ctrl->ruleItemList().findById(id) != nullptr);
        });
        QObject::connect(ctrl, &QVideoSceneViewCtrl::sendItemSelectSignals, ctrl,
                         [this](quint32 id) { entries << QStringLiteral("select %1").arg(id); });
    }
    QStringList entries;
};

TEST_F(SceneViewTest, TitlesCountUpAndAFreedTitleIsTakenAgain)
{
    const std::vector<Step> click = {{Step::Press, {40, 40}}, {Step::Release, {40, 40}}};
    const quint32 p1 = draw(RuleItem::kPoint, click);
    const quint32 p2 = draw(RuleItem::kPoint, {{Step::Press, {80, 40}}, {Step::Release, {80, 40}}});
    const quint32 r1 = draw(RuleItem::kRectangle, drag({100, 100}, {200, 200}));
    EXPECT_EQ(ctrl_->getItemTitle(p1), "P1");
    EXPECT_EQ(ctrl_->getItemTitle(p2), "P2");
    EXPECT_EQ(ctrl_->getItemTitle(r1), "R1");
    EXPECT_EQ(ctrl_->getItemTitle(0), "G");
    EXPECT_EQ(ctrl_->getItemTitle(r1 + 1000), "G");

    ctrl_->setSelectedItemSlot("P1");
    ctrl_->itemMenu()->actions().at(0)->trigger();  // "Delete Rule"
    ASSERT_TRUE(QTest::qWaitFor([&] { return item(p1) == nullptr; }));
    const quint32 again = draw(RuleItem::kPoint, click);
    EXPECT_EQ(ctrl_->getItemTitle(again), "P1");
    EXPECT_NE(again, p1) << "ids are never reused";
}

TEST_F(SceneViewTest, DeleteRemovesTheSelectedRuleWithItsRecord)
{
    const quint32 r1 = draw(RuleItem::kRectangle, drag({100, 100}, {200, 200}));
    const quint32 p1 = draw(RuleItem::kPoint, {{Step::Press, {40, 40}}, {Step::Release, {40, 40}}});
    ctrl_->hotColdMarker()->setSelected(true);  // the marker is never deleted
    Journal journal(ctrl_);
    ctrl_->setSelectedItemSlot("R1");
    EXPECT_TRUE(item(r1)->isSelected());
    EXPECT_FALSE(item(p1)->isSelected());

    ctrl_->setTemperRuleDelActSlots();
    EXPECT_EQ(journal.entries, QStringList({QStringLiteral("select %1").arg(r1),
                                            QStringLiteral("delete %1 record 0 listed 0").arg(r1), "select 0"}));
    EXPECT_EQ(item(r1), nullptr);
    ASSERT_EQ(liveCount(), 1);
    EXPECT_EQ(store().getDevRuleList()->records[0].key, p1);
    EXPECT_TRUE(ctrl_->scene()->items().contains(ctrl_->hotColdMarker()));
}

TEST_F(SceneViewTest, ClearRemovesEveryRuleButTheMarker)
{
    const quint32 a = draw(RuleItem::kLine, drag({10, 10}, {100, 10}));
    const quint32 b = draw(RuleItem::kEllipse, drag({100, 100}, {200, 200}));
    const quint32 c = draw(RuleItem::kPoint, {{Step::Press, {40, 40}}, {Step::Release, {40, 40}}});
    Journal journal(ctrl_);
    QTest::mouseClick(button("RuleClearBtn"), Qt::LeftButton);
    EXPECT_EQ(journal.entries, QStringList({QStringLiteral("delete %1 record 0 listed 0").arg(a),
                                            QStringLiteral("delete %1 record 0 listed 0").arg(b),
                                            QStringLiteral("delete %1 record 0 listed 0").arg(c), "select 0"}));
    EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());
    EXPECT_EQ(liveCount(), 0);
    EXPECT_EQ(ctrl_->scene()->items(), QList<QGraphicsItem*>{ctrl_->hotColdMarker()});
}

TEST_F(SceneViewTest, SelectionFollowsTheTitleAndGSelectsNothing)
{
    const quint32 r1 = draw(RuleItem::kRectangle, drag({100, 100}, {200, 200}));
    const quint32 l1 = draw(RuleItem::kLine, drag({10, 10}, {100, 10}));
    Journal journal(ctrl_);
    ctrl_->setSelectedItemSlot("L1");
    EXPECT_TRUE(item(l1)->isSelected());
    EXPECT_FALSE(item(r1)->isSelected());
    ctrl_->setSelectedItemSlot("R1");
    EXPECT_TRUE(item(r1)->isSelected());
    EXPECT_FALSE(item(l1)->isSelected());
    ctrl_->setSelectedItemSlot("G");
    EXPECT_FALSE(item(r1)->isSelected());
    EXPECT_EQ(journal.entries,
              QStringList({QStringLiteral("select %1").arg(l1), QStringLiteral("select %1").arg(r1), "select 0"}));

    // A press on empty video with no tool chosen also selects nothing.
    journal.entries.clear();
    run({{Step::Press, {600, 300}}, {Step::Release, {600, 300}}});
    EXPECT_EQ(journal.entries, QStringList{"select 0"});
}

// ---- Flip, resize, calibration boxes -------------------------------------------------------

TEST_F(SceneViewTest, MirroredViewStoresTheRectangleMirroredWithTheTopLeftCornerFirst)
{
    ctrl_->setFlipChangedStateSlot(2);
    EXPECT_EQ(ctrl_->flip(), 2);
    EXPECT_EQ(ctrl_->view()->transform().m11(), -1.0);
    EXPECT_EQ(ctrl_->view()->transform().m22(), 1.0);

    const quint32 id = draw(RuleItem::kRectangle, drag({10, 10}, {110, 60}));
    ASSERT_NE(id, 0u);
    EXPECT_EQ(pointsOf(id), vec({{530, 10}, {630, 10}, {630, 60}, {530, 60}}));
    const PicRuleRecord want = expectedRecord(id, 1, 2, 1, {{6784, 160}, {8064, 160}, {8064, 960}, {6784, 960}}, "R1");
    EXPECT_EQ(std::memcmp(&store().getDevRuleList()->records[0], &want, sizeof want), 0);
    // The mirrored scene shows it where it was drawn.
    EXPECT_NEAR(ctrl_->view()->mapFromScene(QPointF(580, 35)).x(), kW - 580, 1);
}

TEST_F(SceneViewTest, FlipTransformsAndTheCameraThatFlipsItsOwnData)
{
    const struct {
        int flip;
        double m11, m22;
    } rows[] = {{0, 1, 1}, {1, 1, -1}, {2, -1, 1}, {3, -1, -1}, {9, 1, 1}};
    for (const auto& r : rows) {
        ctrl_->setFlipChangedStateSlot(r.flip);
        EXPECT_EQ(ctrl_->flip(), r.flip);
        EXPECT_DOUBLE_EQ(ctrl_->view()->transform().m11(), r.m11) << r.flip;
        EXPECT_DOUBLE_EQ(ctrl_->view()->transform().m22(), r.m22) << r.flip;
    }
    ctrl_->setFlipChangedStateSlot(0);

    SIMCAM_DeviceProfile profile;
    ASSERT_TRUE(SIMCAM_GetDeviceProfile(0, &profile));
    profile.deviceType = 0;
    profile.supportRedunInfoFlip = 1;
    ASSERT_TRUE(SIMCAM_SetDeviceProfile(0, &profile));
    ctrl_->setFlipChangedStateSlot(2);
    EXPECT_EQ(ctrl_->flip(), 0) << "ignored";
    EXPECT_TRUE(ctrl_->view()->transform().isIdentity());
}

TEST_F(SceneViewTest, ResizeScalesEveryRuleAndPlacesTheWidgets)
{
    const std::vector<quint32> ids = {
        draw(RuleItem::kPoint, {{Step::Press, {40, 30}}, {Step::Release, {40, 30}}}),
        draw(RuleItem::kLine, drag({10, 20}, {110, 70})),
        draw(RuleItem::kRectangle, drag({50, 60}, {150, 110})),
        draw(RuleItem::kCircle, drag({100, 100}, {160, 130})),
        draw(RuleItem::kPolygon, clicks({{10, 10}, {100, 10}, {100, 100}}) +
                                     std::vector<Step>{{Step::Press, {40, 160}, Qt::RightButton},
                                                       {Step::Release, {40, 160}, Qt::RightButton}}),
    };
    std::vector<QVector<QPoint>> before;
    for (quint32 id : ids) before.push_back(pointsOf(id));

    ctrl_->resize(2 * kW, 2 * kH);
    for (size_t i = 0; i < ids.size(); ++i) {
        QVector<QPoint> doubled = before[i];
        for (QPoint& p : doubled) p *= 2;
        EXPECT_EQ(pointsOf(ids[i]), doubled) << i;
    }
    EXPECT_EQ(ctrl_->view()->geometry(), QRect(0, 0, 2 * kW, 2 * kH));
    EXPECT_EQ(ctrl_->scene()->sceneRect(), QRectF(0, 0, 2 * kW, 2 * kH));
    EXPECT_EQ(ctrl_->ruleWidget()->pos(), QPoint(8, 2 * kH - 44));
    EXPECT_EQ(ctrl_->recordTimeWidget()->pos(), QPoint(2 * kW - 65, 5));

    // Resized while hidden: the rules follow once it is shown again.
    ctrl_->hide();
    ctrl_->resize(kW, kH);
    ctrl_->show();
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(pointsOf(ids[i]), before[i]) << i;
}

TEST_F(SceneViewTest, FirstLayoutPlacesViewToolbarAndTimeWidget)
{
    auto* fresh = new QVideoSceneViewCtrl(host_.get());
    fresh->setGeometry(0, 0, 300, 200);
    fresh->show();
    EXPECT_EQ(fresh->view()->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(fresh->scene()->sceneRect(), QRectF(0, 0, 300, 200));
    EXPECT_EQ(fresh->ruleWidget()->pos(), QPoint(8, 156));
    EXPECT_EQ(fresh->recordTimeWidget()->pos(), QPoint(235, 5));
    delete fresh;
}

USBSDK_Rules calibrationBoxes(const char* low, const char* high)
{
    USBSDK_Rules rules;
    std::memset(&rules, 0, sizeof rules);
    rules.count = 2;
    const struct {
        const char* name;
        int left;
    } boxes[] = {{low, 1024}, {high, 5120}};
    for (int i = 0; i < 2; ++i) {
        USBSDK_Rule& r = rules.rule[i];
        r.ruleId = uint32_t(i + 1);
        r.type = 2;
        r.areaShape = 1;
        r.geom.area.pointCount = 4;
        // Corners top-left, top-right, bottom-left, bottom-right.
        const int xs[] = {boxes[i].left, boxes[i].left + 2048, boxes[i].left, boxes[i].left + 2048};
        const int ys[] = {3072, 3072, 5120, 5120};
        for (int k = 0; k < 4; ++k) {
            r.geom.area.xy[k][0] = xs[k];
            r.geom.area.xy[k][1] = ys[k];
        }
        std::strncpy(r.name, boxes[i].name, sizeof r.name - 1);
    }
    return rules;
}

TEST_F(SceneViewTest, CalibrationBoxesBecomeNamedRectangles)
{
    QSignalSpy added(ctrl_, &QVideoSceneViewCtrl::sendAddItemSignals);
    ctrl_->setCalibrationRectRetSlot(false, calibrationBoxes("30", "45"));
    EXPECT_TRUE(added.isEmpty());

    ctrl_->setCalibrationRectRetSlot(true, calibrationBoxes("30", "45"));
    ASSERT_EQ(added.count(), 2);
    const quint32 low = added.at(0).at(0).value<quint32>();
    const quint32 high = added.at(1).at(0).value<quint32>();
    const QString celsius(QChar(0x2103));
    EXPECT_EQ(ctrl_->getItemTitle(low), "30" + celsius);
    EXPECT_EQ(ctrl_->getItemTitle(high), "45" + celsius);
    EXPECT_EQ(pointsOf(low), vec({{80, 192}, {240, 192}, {240, 320}, {80, 320}}));
    EXPECT_EQ(pointsOf(high), vec({{400, 192}, {560, 192}, {560, 320}, {400, 320}}));

    const std::optional<PicRuleList> live = store().getDevRuleList();
    ASSERT_EQ(live->count, 2);
    const PicRuleRecord wantLow = expectedRecord(low, 1, 2, 1, {{1024, 3072}, {3072, 3072}, {3072, 5120}, {1024, 5120}},
                                                 QByteArray("30\xE2\x84\x83"));
    const PicRuleRecord wantHigh = expectedRecord(
        high, 2, 2, 1, {{5120, 3072}, {7168, 3072}, {7168, 5120}, {5120, 5120}}, QByteArray("45\xE2\x84\x83"));
    EXPECT_EQ(std::memcmp(&live->records[0], &wantLow, sizeof wantLow), 0);
    EXPECT_EQ(std::memcmp(&live->records[1], &wantHigh, sizeof wantHigh), 0);
}

// ---- Moving and resizing rules -------------------------------------------------------------

TEST_F(SceneViewTest, MovesAndHandleDragsStayInsideTheVideo)
{
    const quint32 id = draw(RuleItem::kRectangle, drag({50, 60}, {150, 110}));
    std::vector<ItemInfo> changes;
    QObject::connect(ctrl_, &QVideoSceneViewCtrl::sendItemChangeSignals, ctrl_,
                     [&changes](const ItemInfo& info) { changes.push_back(info); });
    QSignalSpy released(ctrl_, &QVideoSceneViewCtrl::sendItemReleasedSignals);

    // Dragged by its middle far beyond the right edge.
    run({{Step::Press, {100, 85}}, {Step::Move, {400, 85}}, {Step::Move, {900, 85}}, {Step::Release, {900, 85}}});
    EXPECT_EQ(pointsOf(id), vec({{539, 60}, {639, 60}, {639, 110}, {539, 110}})) << "right edge one pixel inside";
    EXPECT_EQ(released.count(), 1);

    // Its bottom-right handle dragged beyond the bottom-right corner.
    run({{Step::Hover, {639, 110}}, {Step::Press, {639, 110}}, {Step::Move, {900, 700}}, {Step::Release, {900, 700}}});
    EXPECT_EQ(pointsOf(id), vec({{539, 60}, {639, 60}, {639, 511}, {539, 511}}));
    EXPECT_EQ(released.count(), 2);

    ASSERT_FALSE(changes.empty());
    for (const ItemInfo& info : changes) {
        EXPECT_EQ(info.key, id);
        QVector<QPoint> rule = info.points;
        ScalePointList(rule, kW, kH, 8192, 8192);
        for (const QPoint& p : rule) {
            EXPECT_GE(p.x(), 0);
            EXPECT_LE(p.x(), 8191);
            EXPECT_GE(p.y(), 0);
            EXPECT_LE(p.y(), 8191);
        }
    }
}

TEST_F(SceneViewTest, ReleaseIsReportedOnlyAfterAChange)
{
    QSignalSpy released(ctrl_, &QVideoSceneViewCtrl::sendItemReleasedSignals);
    QSignalSpy changed(ctrl_, &QVideoSceneViewCtrl::sendItemChangeSignals);
    ctrl_->emitItemReleased();
    EXPECT_EQ(released.count(), 0);
    ctrl_->emitItemChanged(ItemInfo{7, {QPoint(1, 2)}});
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<ItemInfo>().key, 7u);
    ctrl_->emitItemReleased();
    ctrl_->emitItemReleased();
    EXPECT_EQ(released.count(), 1);
}

// ---- Everything else the overlay shows ------------------------------------------------------

TEST_F(SceneViewTest, IsATransparentChildWithItsMenuToolbarAndMarker)
{
    EXPECT_EQ(ctrl_->parentWidget(), host_.get());
    EXPECT_FALSE(ctrl_->isWindow());
    EXPECT_FALSE(ctrl_->windowFlags() & Qt::Tool);
    EXPECT_TRUE(ctrl_->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(ctrl_->objectName(), "QVideoSceneViewCtrl");
    EXPECT_EQ(ctrl_->windowTitle(), "QVideoSceneViewCtrl");
    EXPECT_EQ(ctrl_->view()->objectName(), "GraphicsView");
    EXPECT_FALSE(ctrl_->view()->viewport()->autoFillBackground());

    const QList<QAction*> actions = ctrl_->itemMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Delete Rule");
    EXPECT_EQ(actions[1]->text(), "Rule Property");
    EXPECT_TRUE(actions[0]->isVisible());
    EXPECT_FALSE(actions[1]->isVisible());

    EXPECT_EQ(ctrl_->ruleWidget()->objectName(), "RuleWidget");
    EXPECT_EQ(ctrl_->ruleWidget()->height(), 36);
    EXPECT_TRUE(ctrl_->recordTimeWidget()->isHidden());
    EXPECT_EQ(ctrl_->recordTimeWidget()->size(), QSize(60, 22));
    EXPECT_TRUE(ctrl_->scene()->items().contains(ctrl_->hotColdMarker()));
    EXPECT_TRUE(ctrl_->ruleItemList().isEmpty());

    ctrl_->setRuleWidgetEnableSlot(false);
    EXPECT_TRUE(ctrl_->ruleWidget()->isHidden());
}

TEST_F(SceneViewTest, MergeButtonCollapsesAndExpandsTheToolbar)
{
    const int expanded = ctrl_->ruleWidget()->width();
    QTest::mouseClick(button("MergeBtn"), Qt::LeftButton);
    QPushButton* expand = button("ExpandBtn");
    ASSERT_NE(expand, nullptr);
    EXPECT_EQ(button("MergeBtn"), nullptr);
    EXPECT_EQ(ctrl_->ruleWidget()->width(), 36);
    for (const char* name : kToolButtons) EXPECT_TRUE(button(name)->isHidden()) << name;

    QTest::mouseClick(expand, Qt::LeftButton);
    EXPECT_NE(button("MergeBtn"), nullptr);
    EXPECT_EQ(ctrl_->ruleWidget()->width(), expanded);
    for (const char* name : kToolButtons) EXPECT_FALSE(button(name)->isHidden()) << name;
    // Every button lies inside the bar.
    for (QPushButton* b : ctrl_->ruleWidget()->findChildren<QPushButton*>())
        EXPECT_TRUE(ctrl_->ruleWidget()->rect().contains(b->geometry())) << b->objectName().toStdString();
}

TEST_F(SceneViewTest, FrameRateCaptionAndRecordTime)
{
    ctrl_->setVideoPlayFpsSlots(25.0f);
    EXPECT_EQ(ctrl_->fpsText(), "25.0Fps");
    ctrl_->setVideoPlayFpsSlots(29.97f);
    EXPECT_EQ(ctrl_->fpsText(), "30.0Fps");
    ctrl_->clearFpsText();
    EXPECT_EQ(ctrl_->fpsText(), "");

    ctrl_->setCaptionText("CAM 1");
    EXPECT_EQ(ctrl_->captionText(), "CAM 1");
    ctrl_->setRecordTimeVisible(true);
    EXPECT_FALSE(ctrl_->recordTimeWidget()->isHidden());
    ctrl_->setRecordTimeVisible(false);
    EXPECT_TRUE(ctrl_->recordTimeWidget()->isHidden());
}

TEST_F(SceneViewTest, DoubleClickAsksForFullScreenAndShowingIsReported)
{
    QSignalSpy full(ctrl_, &QVideoSceneViewCtrl::sendVideoFullSrceenSignal);
    send(QEvent::MouseButtonDblClick, {300, 300}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(full.count(), 1);

    QSignalSpy shown(ctrl_, &QVideoSceneViewCtrl::sendVideoSceneViewShowSignal);
    ctrl_->hide();
    ctrl_->show();
    EXPECT_EQ(shown.count(), 1);
}

// ---- Digital zoom ---------------------------------------------------------------------------
//
// A 640 x 512 frame at step 8 shows its centre 480 x 384 (from (80, 64)), at
// step 16 its centre 220 x 176 (from (210, 168)); the control is 640 x 512.

struct ZoomedPointRow {
    int step;
    QPoint click;     // control pixels
    QPoint rulePoint; // (ox + x * shown / 640) * 8192 / 640, likewise y
};

const ZoomedPointRow kZoomedPoints[] = {
    {0, {0, 0}, {0, 0}},
    {8, {0, 0}, {1024, 1024}},
    {8, {320, 256}, {4096, 4096}},
    {8, {639, 511}, {7158, 7156}},
    {16, {0, 0}, {2688, 2688}},
    {16, {100, 50}, {3128, 2963}},
    {16, {639, 511}, {5499, 5498}},
};

TEST_F(SceneViewTest, PointDrawnWhileZoomedStoresTheRulePointUnderThePointer)
{
    for (const ZoomedPointRow& row : kZoomedPoints) {
        SCOPED_TRACE(row.step);
        SCOPED_TRACE(row.click.x());
        ctrl_->setDigitalZoom(QSize(kW, kH), row.step);
        const quint32 id = draw(RuleItem::kPoint, {{Step::Press, row.click}, {Step::Release, row.click}});
        ASSERT_NE(id, 0u);
        EXPECT_EQ(pointsOf(id), vec({row.click})) << "drawn where the pointer is";
        const PicRuleRecord want = expectedRecord(id, 1, 0, 0, {row.rulePoint}, "P1");
        EXPECT_EQ(std::memcmp(&store().getDevRuleList()->records[0], &want, sizeof want), 0);
        EXPECT_EQ(ctrl_->toRuleSpace(row.click), row.rulePoint);
        ctrl_->clearRules();
    }
}

TEST_F(SceneViewTest, RulesKeepTheirRecordsAndFollowTheZoom)
{
    const quint32 rect = draw(RuleItem::kRectangle, drag({50, 60}, {150, 110}));
    const quint32 line = draw(RuleItem::kLine, drag({300, 250}, {400, 300}));
    const quint32 poly = draw(RuleItem::kPolygon, clicks({{300, 100}, {360, 100}, {360, 160}}) +
                                                      std::vector<Step>{{Step::Press, {300, 160}, Qt::RightButton},
                                                                        {Step::Release, {300, 160}, Qt::RightButton}});
    const std::optional<PicRuleList> before = store().getDevRuleList();
    ASSERT_TRUE(before && before->count == 3);
    const std::vector<quint32> ids = {rect, line, poly};
    std::vector<QVector<QPoint>> unzoomed;
    for (quint32 id : ids) unzoomed.push_back(pointsOf(id));
    QSignalSpy changed(ctrl_, &QVideoSceneViewCtrl::sendItemChangeSignals);

    for (int step : {8, 16, 3, 0}) {
        SCOPED_TRACE(step);
        ctrl_->setDigitalZoom(QSize(kW, kH), step);
        const std::optional<PicRuleList> now = store().getDevRuleList();
        ASSERT_TRUE(now);
        EXPECT_EQ(std::memcmp(&*now, &*before, sizeof *now), 0) << "the records stay byte for byte";
        // Each item stands where its rule points are seen now.
        for (int i = 0; i < 3; ++i) {
            const QVector<QPoint> shown = pointsOf(ids[size_t(i)]);
            const PicRuleConfig& rule = before->records[i].rule;
            ASSERT_EQ(shown.size(), rule.pointNum);
            for (int k = 0; k < rule.pointNum; ++k) {
                const QPointF want = ctrl_->fromRuleSpace(QPoint(rule.points[k].x, rule.points[k].y));
                EXPECT_NEAR(shown[k].x(), want.x(), 1.5) << i << "/" << k;
                EXPECT_NEAR(shown[k].y(), want.y(), 1.5) << i << "/" << k;
            }
        }
    }
    EXPECT_EQ(changed.count(), 0) << "laying out again is no change of a rule";
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(pointsOf(ids[i]), unzoomed[i]) << "back at step 0";

    // At step 8 the rectangle (frame 50..150 x 60..110) lies partly left of
    // and above the picture shown, at (-40, -5.3) .. (93.3, 61.3); the scene
    // still holds the whole frame.
    const auto near = [](const QVector<QPoint>& got, const std::vector<QPointF>& want) {
        if (got.size() != int(want.size())) return false;
        for (int k = 0; k < got.size(); ++k)
            if (std::abs(got[k].x() - want[size_t(k)].x()) > 1 || std::abs(got[k].y() - want[size_t(k)].y()) > 1)
                return false;
        return true;
    };
    ctrl_->setDigitalZoom(QSize(kW, kH), 8);
    EXPECT_TRUE(near(pointsOf(rect), {{-40, -5.3}, {93.3, -5.3}, {93.3, 61.3}, {-40, 61.3}}));
    EXPECT_EQ(ctrl_->scene()->sceneRect(), QRectF(-80.0 * 4 / 3, -64.0 * 4 / 3, 640.0 * 4 / 3, 512.0 * 4 / 3));
    EXPECT_EQ(ctrl_->view()->mapFromScene(QPointF(0, 0)), QPoint(0, 0)) << "the view shows the control's pixels";
    EXPECT_EQ(ctrl_->visibleArea(), QRectF(0.125, 0.125, 0.75, 0.75));

    // Resized while zoomed: the same place in the picture.
    ctrl_->resize(2 * kW, 2 * kH);
    EXPECT_TRUE(near(pointsOf(rect), {{-80, -10.7}, {186.7, -10.7}, {186.7, 122.7}, {-80, 122.7}}));
    ctrl_->resize(kW, kH);
    ctrl_->setDigitalZoom(QSize(kW, kH), 0);
    EXPECT_EQ(pointsOf(rect), unzoomed[0]);
}

TEST_F(SceneViewTest, DragWhileZoomedMovesTheRuleByTheDistanceUnderThePointer)
{
    const quint32 id = draw(RuleItem::kRectangle, drag({200, 200}, {300, 280}));
    ctrl_->setDigitalZoom(QSize(kW, kH), 8);
    std::vector<ItemInfo> changes;
    QObject::connect(ctrl_, &QVideoSceneViewCtrl::sendItemChangeSignals, ctrl_,
                     [&changes](const ItemInfo& info) { changes.push_back(info); });
    const QVector<QPoint> start = pointsOf(id);
    const QPoint grab = (start[0] + start[2]) / 2;
    // 40 x 30 control pixels at step 8 are 30 x 22.5 frame pixels: 384 x 360
    // in rule space.
    run({{Step::Press, grab}, {Step::Move, grab + QPoint(20, 15)}, {Step::Move, grab + QPoint(40, 30)},
         {Step::Release, grab + QPoint(40, 30)}});
    ASSERT_FALSE(changes.empty());
    const ItemInfo& last = changes.back();
    EXPECT_EQ(last.key, id);
    const QPoint from = ctrl_->toRuleSpace(start[0]);
    const QPoint to = ctrl_->toRuleSpace(last.points[0]);
    EXPECT_NEAR(to.x() - from.x(), 384, 10);
    EXPECT_NEAR(to.y() - from.y(), 360, 12);
}

TEST_F(SceneViewTest, CalibrationBoxesWhileZoomedKeepTheirRulePoints)
{
    ctrl_->setDigitalZoom(QSize(kW, kH), 16);
    QSignalSpy added(ctrl_, &QVideoSceneViewCtrl::sendAddItemSignals);
    ctrl_->setCalibrationRectRetSlot(true, calibrationBoxes("30", "45"));
    ASSERT_EQ(added.count(), 2);
    const std::optional<PicRuleList> live = store().getDevRuleList();
    ASSERT_EQ(live->count, 2);
    const PicRuleRecord wantLow = expectedRecord(added.at(0).at(0).value<quint32>(), 1, 2, 1,
                                                 {{1024, 3072}, {3072, 3072}, {3072, 5120}, {1024, 5120}},
                                                 QByteArray("30\xE2\x84\x83"));
    EXPECT_EQ(std::memcmp(&live->records[0], &wantLow, sizeof wantLow), 0);
    // Frame 80..240 x 192..320 at step 16 (from (210, 168), 640 / 220 and
    // 512 / 176 wide): it starts far left of the picture shown.
    EXPECT_EQ(pointsOf(added.at(0).at(0).value<quint32>()).first(), QPoint(-379, 69));
}

TEST_F(SceneViewTest, MarkerTakesTheSpotsAndItemsFollowTheFreeze)
{
    VideoPointExItem::HotColdInfo info;
    info.hotX = 100;
    info.hotY = 50;
    info.hotText = "65.0";
    info.coldX = 500;
    info.coldY = 400;
    info.coldText = "5.0";
    ctrl_->setHotColdInfo(info);
    ctrl_->setHotColdVisible(true, false);
    VideoPointExItem* marker = ctrl_->hotColdMarker();
    EXPECT_EQ(marker->hotPoint(), QPoint(100, 50));
    EXPECT_EQ(marker->coldText(), "5.0");
    EXPECT_EQ(marker->deviceType(), 1) << "the simulated camera measures temperatures";
    EXPECT_TRUE(marker->hotVisible());
    EXPECT_FALSE(marker->coldVisible());
    ctrl_->resetHotColdText();
    EXPECT_EQ(marker->hotText(), "N/A");
    EXPECT_EQ(marker->coldText(), "N/A");

    const quint32 id = draw(RuleItem::kPoint, {{Step::Press, {40, 40}}, {Step::Release, {40, 40}}});
    ctrl_->setItemsEnabled(false);
    EXPECT_FALSE(item(id)->isEnabled());
    EXPECT_FALSE(marker->isEnabled());
    ctrl_->setItemsEnabled(true);
    EXPECT_TRUE(item(id)->isEnabled());
    EXPECT_TRUE(marker->isEnabled());
}

}  // namespace
