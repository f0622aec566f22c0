// The palette range slider: where values put the handles (in tenths, with
// truncating scaling), the values read back from the band, handle and band
// drags with their stops, the switch, the mouse ignored while switched off,
// and rescaling on resize. The track's place comes from the slider's own
// layout; positions below are offsets from the track's left edge.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

#include "ConfigManager.h"
#include "QTemperRangeAdjust.h"
#include "SwitchButton.h"
#include "TemperRangeOwner.h"

namespace {

struct Pair {
    float low;
    float high;
};

// Records what the slider asks of its window.
class FakeOwner : public TemperRangeOwner {
public:
    void setColorBarRange(float low, float high) override
    {
        bars.push_back({low, high});
        order.push_back("bar");
    }
    void updateHotImage(float low, float high) override
    {
        renders.push_back({low, high});
        order.push_back("render");
    }
    void moveLowMarker(int x) override
    {
        lowX.push_back(x);
        order.push_back("lowX");
    }
    void moveHighMarker(int x) override
    {
        highX.push_back(x);
        order.push_back("highX");
    }
    void setLowMarkerVisible(bool visible) override
    {
        lowVisible = visible ? 1 : 0;
        order.push_back("lowVisible");
    }
    void setHighMarkerVisible(bool visible) override
    {
        highVisible = visible ? 1 : 0;
        order.push_back("highVisible");
    }

    std::vector<Pair> bars;
    std::vector<Pair> renders;
    std::vector<int> lowX;
    std::vector<int> highX;
    int lowVisible = -1;  // -1 never set
    int highVisible = -1;
    std::vector<std::string> order;
};

// Mouse events as the system delivers them: to the widget that took the
// press until the release, else to the visible child under the pointer (the
// track lets them through), else the slider. Positions in slider pixels.
class SliderMouse {
public:
    explicit SliderMouse(QTemperRangeAdjust* slider) : slider_(slider) {}

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* target = grabbed_;
        if (!target) target = slider_->childAt(pos);
        if (!target) target = slider_;
        const QPoint local = target == slider_ ? pos : target->mapFrom(slider_, pos);
        QMouseEvent event(type, local, slider_->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        if (type == QEvent::MouseButtonPress) grabbed_ = target;
        if (type == QEvent::MouseButtonRelease) grabbed_ = nullptr;
    }
    void press(QPoint pos) { send(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton); }
    void dragMove(QPoint pos) { send(QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
    void hover(QPoint pos) { send(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
    void release(QPoint pos) { send(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton); }
    // Press, a move half way, a move to the end, release.
    void drag(QPoint from, int dx)
    {
        press(from);
        dragMove(from + QPoint(dx / 2, 0));
        dragMove(from + QPoint(dx, 0));
        release(from + QPoint(dx, 0));
    }

private:
    QTemperRangeAdjust* slider_;  // not owned
    QWidget* grabbed_ = nullptr;  // not owned
};

void sendPlain(QWidget* target, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(target, &event);
}

constexpr int kTrackWidth = 200;

class RangeSliderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_ = std::make_unique<QWidget>();
        host_->resize(1200, 100);
        slider_ = new QTemperRangeAdjust(host_.get());
        slider_->setOwner(&owner_);
        slider_->setHandlesShown(true);
        host_->show();
        slider_->setFixedWidth(800);
        settle();
        besideTrack_ = 800 - slider_->track()->width();
        widenTrackTo(kTrackWidth);
    }

    // Sizes the slider in one step so that its layout gives the track this width.
    void widenTrackTo(int width)
    {
        slider_->setFixedWidth(besideTrack_ + width);
        settle();
        ASSERT_EQ(slider_->track()->width(), width);
    }
    void settle()
    {
        QApplication::processEvents();
        slider_->layout()->activate();
    }

    // The slider with limits 20 and 40 and the range 25 to 35 chosen.
    void choosePartRange()
    {
        slider_->setLimits(20.0F, 40.0F);
        slider_->setValues(25.0F, 35.0F);
    }

    int x0() const { return slider_->track()->x(); }
    int top() const { return slider_->track()->y(); }
    int lowX() const { return slider_->lowHandle()->x() - x0(); }
    int highX() const { return slider_->highHandle()->x() - x0(); }
    QPoint centreOf(QWidget* w) const { return w->geometry().center(); }
    QPoint trackPoint(int offset) const { return QPoint(x0() + offset, top() + slider_->track()->height() / 2); }
    Pair values() const
    {
        Pair v{};
        slider_->getValues(&v.low, &v.high);
        return v;
    }
    // The range the band stands for under the limits 20 and 40.
    Pair bandRange() const
    {
        const QRect b = slider_->band();
        const float w = float(slider_->track()->width());
        return {20.0F + 20.0F * float(b.left() - x0()) / w, 20.0F + 20.0F * float(b.left() + b.width() - x0()) / w};
    }
    void expectBandBetweenHandleCentres() const
    {
        const int lc = slider_->lowHandle()->x() + 9;
        const int hc = slider_->highHandle()->x() + 9;
        EXPECT_EQ(slider_->band(), QRect(lc, top(), hc - lc + 1, slider_->track()->height()));
    }

    FakeOwner owner_;
    int besideTrack_ = 0;  // the slider's width not given to the track
    std::unique_ptr<QWidget> host_;
    QTemperRangeAdjust* slider_ = nullptr;  // child of host_
};

TEST_F(RangeSliderTest, FormSizesAndTrackLetsTheMouseThrough)
{
    EXPECT_EQ(slider_->height(), 45);
    EXPECT_EQ(slider_->track()->height(), 25);
    EXPECT_TRUE(slider_->track()->testAttribute(Qt::WA_TransparentForMouseEvents));
    for (QPushButton* handle : {slider_->lowHandle(), slider_->highHandle()}) {
        EXPECT_EQ(handle->size(), QSize(18, 25));
        EXPECT_EQ(handle->objectName(), QStringLiteral("SliderBtn"));
        EXPECT_EQ(handle->parentWidget(), slider_);
    }
    EXPECT_TRUE(slider_->isSwitchOn());
    EXPECT_EQ(slider_->rangeSwitch()->size(), QSize(48, 24));
}

struct PlaceCase {
    const char* name;
    float lowest, highest, low, high;
    int lowCentre, highCentre;  // offsets from the track's left edge
};

class SetValuesTest : public RangeSliderTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(SetValuesTest, PlacesHandleCentresAndBand)
{
    const PlaceCase& c = GetParam();
    slider_->setLimits(c.lowest, c.highest);
    slider_->setValues(c.low, c.high);
    EXPECT_EQ(lowX(), c.lowCentre - 9);
    EXPECT_EQ(highX(), c.highCentre - 9);
    EXPECT_EQ(slider_->lowHandle()->y(), top());
    EXPECT_EQ(slider_->highHandle()->y(), top());
    EXPECT_EQ(slider_->band(),
              QRect(x0() + c.lowCentre, top(), c.highCentre - c.lowCentre + 1, slider_->track()->height()));
    // Kept as given, not as rounded.
    EXPECT_EQ(values().low, c.low);
    EXPECT_EQ(values().high, c.high);
    EXPECT_TRUE(owner_.order.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SetValuesTest,
                         ::testing::Values(
                             // The high centre is one left of its share of the width.
                             PlaceCase{"QuarterToThreeQuarters", 20.0F, 40.0F, 25.0F, 35.0F, 50, 149},
                             PlaceCase{"NegativeTemperatures", -20.0F, 0.0F, -15.0F, -5.0F, 50, 149},
                             // 200 * 10 / 300 = 6.67 and 200 * 20 / 300 = 13.33: truncated.
                             PlaceCase{"TruncatingScaling", 0.0F, 30.0F, 1.0F, 2.0F, 6, 12},
                             // -22.5, 97.5, 2.5 and 52.5 tenths go to -23, 98, 3 and 53.
                             PlaceCase{"HalvesAwayFromZero", -2.25F, 9.75F, 0.25F, 5.25F, 42, 124},
                             PlaceCase{"EqualLimitsTakeBothEnds", 30.0F, 30.0F, 10.0F, 50.0F, 0, 199},
                             // 30.04 is 300 tenths as 30.0 is.
                             PlaceCase{"LimitsEqualInTenths", 30.0F, 30.04F, 30.0F, 30.0F, 0, 199},
                             PlaceCase{"OutsideTheLimitsClampToTheEnds", 20.0F, 40.0F, 10.0F, 50.0F, 0, 199},
                             // Only the low centre has a lower bound: -200 / 300 truncates to 0.
                             PlaceCase{"HighBelowLowestIsNotClamped", 0.0F, 30.0F, 0.0F, -0.1F, 0, -1}),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

struct RecomputeCase {
    const char* name;
    bool switchOn;
    bool withOwner;
    Pair kept;      // the values afterwards
    Pair rendered;  // what the window was given; none without a window
};

class RecomputeTest : public RangeSliderTest, public ::testing::WithParamInterface<RecomputeCase> {};

TEST_P(RecomputeTest, ReadsTheBandUnderNewLimits)
{
    const RecomputeCase& c = GetParam();
    choosePartRange();
    slider_->setSwitchOn(c.switchOn);
    if (!c.withOwner) slider_->setOwner(nullptr);
    slider_->setLimits(0.0F, 100.0F);
    slider_->recomputeValues();

    EXPECT_FLOAT_EQ(values().low, c.kept.low);
    EXPECT_FLOAT_EQ(values().high, c.kept.high);
    if (!c.withOwner) {
        EXPECT_TRUE(owner_.order.empty());
        return;
    }
    ASSERT_EQ(owner_.order, (std::vector<std::string>{"bar", "render"}));
    EXPECT_FLOAT_EQ(owner_.bars[0].low, c.rendered.low);
    EXPECT_FLOAT_EQ(owner_.bars[0].high, c.rendered.high);
    EXPECT_FLOAT_EQ(owner_.renders[0].low, c.rendered.low);
    EXPECT_FLOAT_EQ(owner_.renders[0].high, c.rendered.high);
}

// The band spans offsets 50 to 149 of 200: a quarter to three quarters.
INSTANTIATE_TEST_SUITE_P(Cases, RecomputeTest,
                         ::testing::Values(RecomputeCase{"SwitchOn", true, true, {25.0F, 75.0F}, {25.0F, 75.0F}},
                                           // A switched-off range is kept but the whole picture is rendered.
                                           RecomputeCase{"SwitchOff", false, true, {25.0F, 75.0F}, {0.0F, 100.0F}},
                                           RecomputeCase{"NoWindow", true, false, {25.0F, 35.0F}, {}}),
                         [](const ::testing::TestParamInfo<RecomputeCase>& info) {
                             return std::string(info.param.name);
                         });

enum class Grip { Low, High, Band };

struct DragCase {
    const char* name;
    Grip grip;
    int dx;
    int lowX, highX;  // handle left edges afterwards, from the track's left edge
};

class DragTest : public RangeSliderTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragTest, MovesHandlesWithinTheirStopsAndRendersTheBand)
{
    const DragCase& c = GetParam();
    choosePartRange();  // handles at 41 and 140
    SliderMouse mouse(slider_);
    const QPoint from = c.grip == Grip::Low    ? centreOf(slider_->lowHandle())
                        : c.grip == Grip::High ? centreOf(slider_->highHandle())
                                               : trackPoint(100);
    mouse.drag(from, c.dx);

    EXPECT_EQ(lowX(), c.lowX);
    EXPECT_EQ(highX(), c.highX);
    EXPECT_EQ(slider_->lowHandle()->y(), top());
    EXPECT_EQ(slider_->highHandle()->y(), top());
    expectBandBetweenHandleCentres();

    const Pair expected = bandRange();
    EXPECT_FLOAT_EQ(values().low, expected.low);
    EXPECT_FLOAT_EQ(values().high, expected.high);
    ASSERT_FALSE(owner_.renders.empty());
    EXPECT_FLOAT_EQ(owner_.bars.back().low, expected.low);
    EXPECT_FLOAT_EQ(owner_.bars.back().high, expected.high);
    EXPECT_FLOAT_EQ(owner_.renders.back().low, expected.low);
    EXPECT_FLOAT_EQ(owner_.renders.back().high, expected.high);
    EXPECT_EQ(owner_.bars.size(), 2U);  // one per move
    EXPECT_EQ(owner_.renders.size(), 2U);

    // The dragged handles' markers follow them; the other's stays put.
    if (c.grip == Grip::High) {
        EXPECT_TRUE(owner_.lowX.empty());
    } else {
        ASSERT_FALSE(owner_.lowX.empty());
        EXPECT_EQ(owner_.lowX.back(), slider_->lowHandle()->x());
    }
    if (c.grip == Grip::Low) {
        EXPECT_TRUE(owner_.highX.empty());
    } else {
        ASSERT_FALSE(owner_.highX.empty());
        EXPECT_EQ(owner_.highX.back(), slider_->highHandle()->x());
    }
}

// Right end of the track at 199: a handle's left edge goes from -9 to 190.
INSTANTIATE_TEST_SUITE_P(Cases, DragTest,
                         ::testing::Values(DragCase{"LowRight", Grip::Low, 30, 71, 140},
                                           // Stops 18 left of the high handle.
                                           DragCase{"LowOntoHigh", Grip::Low, 200, 122, 140},
                                           DragCase{"LowPastTheStart", Grip::Low, -200, -9, 140},
                                           DragCase{"HighLeft", Grip::High, -30, 41, 110},
                                           // Stops 18 right of the low handle.
                                           DragCase{"HighOntoLow", Grip::High, -200, 41, 59},
                                           DragCase{"HighPastTheEnd", Grip::High, 200, 41, 190},
                                           DragCase{"BandBoth", Grip::Band, 20, 61, 160},
                                           // The first half moves both handles to the end's
                                           // stop; against it, only the handle there moves.
                                           DragCase{"BandAgainstTheStart", Grip::Band, -100, -9, 90},
                                           DragCase{"BandAgainstTheEnd", Grip::Band, 100, 91, 190}),
                         [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST_F(RangeSliderTest, BandPressShowsGrabCursorsAndHoverShowsMarkers)
{
    choosePartRange();
    SliderMouse mouse(slider_);

    mouse.hover(trackPoint(100));
    EXPECT_EQ(slider_->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(owner_.lowX, std::vector<int>{slider_->lowHandle()->x()});
    EXPECT_EQ(owner_.highX, std::vector<int>{slider_->highHandle()->x()});
    EXPECT_EQ(owner_.lowVisible, 1);
    EXPECT_EQ(owner_.highVisible, 1);

    mouse.press(trackPoint(100));
    EXPECT_EQ(slider_->cursor().shape(), Qt::ClosedHandCursor);
    mouse.release(trackPoint(100));
    EXPECT_EQ(slider_->cursor().shape(), Qt::OpenHandCursor);

    mouse.hover(trackPoint(20));  // left of the band
    EXPECT_EQ(slider_->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(owner_.lowVisible, 0);
    EXPECT_EQ(owner_.highVisible, 0);

    sendPlain(slider_->highHandle(), QEvent::Enter);
    EXPECT_EQ(owner_.highX.back(), slider_->highHandle()->x());
    EXPECT_EQ(owner_.highVisible, 1);
    EXPECT_EQ(owner_.lowVisible, 0);
    sendPlain(slider_->highHandle(), QEvent::Leave);
    EXPECT_EQ(owner_.highVisible, 0);

    sendPlain(slider_->lowHandle(), QEvent::Enter);
    EXPECT_EQ(owner_.lowVisible, 1);
    sendPlain(slider_, QEvent::Leave);
    EXPECT_EQ(owner_.lowVisible, 0);
    EXPECT_EQ(owner_.highVisible, 0);
    EXPECT_TRUE(owner_.renders.empty());
}

TEST_F(RangeSliderTest, SwitchOffRendersTheWholePictureAndOnTheChosenRange)
{
    choosePartRange();
    const QColor trackColour(QStringLiteral("#273F63"));
    const QColor bandColour(QStringLiteral("#1890FF"));
    // Beside the low handle on the bare track, and in the band between the handles.
    const QPoint bare = trackPoint(10);
    const QPoint inBand = trackPoint(100);
    EXPECT_EQ(slider_->grab().toImage().pixelColor(bare), trackColour);
    EXPECT_EQ(slider_->grab().toImage().pixelColor(inBand), bandColour);

    SliderMouse mouse(slider_);
    const QPoint switchAt = slider_->rangeSwitch()->geometry().center();
    mouse.press(switchAt);
    mouse.release(switchAt);
    EXPECT_FALSE(slider_->isSwitchOn());
    EXPECT_FALSE(slider_->isShown());
    for (QWidget* w : {static_cast<QWidget*>(slider_->lowHandle()), static_cast<QWidget*>(slider_->highHandle()),
                       slider_->track()}) {
        EXPECT_TRUE(w->isHidden());
    }
    ASSERT_EQ(owner_.order, (std::vector<std::string>{"bar", "render"}));
    EXPECT_FLOAT_EQ(owner_.bars[0].low, 20.0F);
    EXPECT_FLOAT_EQ(owner_.bars[0].high, 40.0F);
    EXPECT_FLOAT_EQ(owner_.renders[0].low, 20.0F);
    EXPECT_FLOAT_EQ(owner_.renders[0].high, 40.0F);
    const QImage off = slider_->grab().toImage();
    EXPECT_NE(off.pixelColor(bare), trackColour);
    EXPECT_NE(off.pixelColor(inBand), bandColour);

    mouse.press(switchAt);
    mouse.release(switchAt);
    EXPECT_TRUE(slider_->isSwitchOn());
    EXPECT_TRUE(slider_->isShown());
    EXPECT_TRUE(slider_->lowHandle()->isVisible());
    ASSERT_EQ(owner_.renders.size(), 2U);
    EXPECT_FLOAT_EQ(owner_.bars[1].low, 25.0F);
    EXPECT_FLOAT_EQ(owner_.bars[1].high, 35.0F);
    EXPECT_FLOAT_EQ(owner_.renders[1].low, 25.0F);
    EXPECT_FLOAT_EQ(owner_.renders[1].high, 35.0F);
    settle();
    EXPECT_EQ(slider_->grab().toImage().pixelColor(inBand), bandColour);
}

TEST_F(RangeSliderTest, SwitchedOffIgnoresPressesAndMoves)
{
    choosePartRange();
    // Off as a picture saved with the range off loads, the handles still shown.
    slider_->setSwitchOn(false);
    const QPoint lowAt = slider_->lowHandle()->pos();
    const QPoint highAt = slider_->highHandle()->pos();
    const QRect band = slider_->band();
    SliderMouse mouse(slider_);

    mouse.drag(centreOf(slider_->lowHandle()), 40);
    mouse.drag(centreOf(slider_->highHandle()), -40);
    mouse.drag(trackPoint(100), 20);
    mouse.hover(trackPoint(100));
    sendPlain(slider_->lowHandle(), QEvent::Enter);
    sendPlain(slider_, QEvent::Leave);

    EXPECT_EQ(slider_->lowHandle()->pos(), lowAt);
    EXPECT_EQ(slider_->highHandle()->pos(), highAt);
    EXPECT_EQ(slider_->band(), band);
    EXPECT_EQ(values().low, 25.0F);
    EXPECT_EQ(values().high, 35.0F);
    EXPECT_FALSE(slider_->testAttribute(Qt::WA_SetCursor));
    EXPECT_TRUE(owner_.order.empty());
}

struct RescaleCase {
    int width;
    int lowCentre, highCentre;
};

class RescaleTest : public RangeSliderTest, public ::testing::WithParamInterface<RescaleCase> {};

TEST_P(RescaleTest, KeepsTheHandlesAtTheirFractions)
{
    const RescaleCase& c = GetParam();
    choosePartRange();  // centres 50 and 149 of 200
    widenTrackTo(c.width);

    EXPECT_EQ(lowX(), c.lowCentre - 9);
    EXPECT_EQ(highX(), c.highCentre - 9);
    expectBandBetweenHandleCentres();
    EXPECT_EQ(values().low, 25.0F);
    EXPECT_EQ(values().high, 35.0F);
    EXPECT_TRUE(owner_.order.empty());

    // The band still stands for the chosen range.
    slider_->recomputeValues();
    const Pair expected = bandRange();
    EXPECT_FLOAT_EQ(values().low, expected.low);
    EXPECT_FLOAT_EQ(values().high, expected.high);
}

// 50 * 333 / 200 = 83.25 and 150 * 333 / 200 = 249.75: truncated.
INSTANTIATE_TEST_SUITE_P(Widths, RescaleTest,
                         ::testing::Values(RescaleCase{400, 100, 299}, RescaleCase{100, 25, 74},
                                           RescaleCase{333, 83, 248}),
                         [](const ::testing::TestParamInfo<RescaleCase>& info) {
                             return "Width" + std::to_string(info.param.width);
                         });

TEST_F(RangeSliderTest, ValuesSetBeforeTheFirstLayoutMoveOntoTheLaidOutTrack)
{
    // As at a picture's first load: the slider hidden in its window until
    // the values are set, its track still at its 100 px default.
    QWidget host;
    auto* slider = new QTemperRangeAdjust(&host);
    slider->setHandlesShown(true);
    slider->setLimits(20.0F, 40.0F);
    slider->setValues(25.0F, 35.0F);  // centres 25 and 74 of 100
    ASSERT_EQ(slider->track()->width(), 100);
    slider->setFixedWidth(600);
    host.resize(800, 100);
    host.show();
    QApplication::processEvents();

    const QRect track = slider->track()->geometry();
    ASSERT_GT(track.x(), 0);
    ASSERT_NE(track.y(), 0);
    EXPECT_EQ(slider->lowHandle()->x() + 9, track.x() + 25 * track.width() / 100);
    EXPECT_EQ(slider->highHandle()->x() + 9, track.x() + 75 * track.width() / 100 - 1);
    EXPECT_EQ(slider->lowHandle()->y(), track.y());
    EXPECT_EQ(slider->highHandle()->y(), track.y());
    EXPECT_EQ(slider->band().top(), track.y());
}

TEST_F(RangeSliderTest, LimitLabelsInTheAnalysisUnit)
{
    const auto* minLabel = slider_->findChild<QLabel*>(QStringLiteral("minTemperLabel"));
    const auto* maxLabel = slider_->findChild<QLabel*>(QStringLiteral("maxTemperLabel"));
    ASSERT_NE(minLabel, nullptr);
    ASSERT_NE(maxLabel, nullptr);
    const int unit = ConfigManager::getInstance().getTemperUnitCache();
    ConfigManager::getInstance().setTemperUnitCache(1);
    slider_->setLimits(20.0F, -40.0F);
    ConfigManager::getInstance().setTemperUnitCache(unit);
    EXPECT_EQ(minLabel->text(), QString::fromUtf8("68.0\u2109"));
    EXPECT_EQ(maxLabel->text(), QString::fromUtf8("-40.0\u2109"));
    EXPECT_EQ(slider_->lowest(), 20.0F);
    EXPECT_EQ(slider_->highest(), -40.0F);

    slider_->setValues(25.0F, 35.0F);
    slider_->reset();
    EXPECT_EQ(slider_->lowest(), 0.0F);
    EXPECT_EQ(slider_->highest(), 0.0F);
    EXPECT_EQ(values().low, 0.0F);
    EXPECT_EQ(values().high, 0.0F);
}

}  // namespace
