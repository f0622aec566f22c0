// The icon-and-text buttons, the long-press step button and the switch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "FireTimer.h"
#include "QIconTextCtrlBtn.h"
#include "QIconTextFuncBtn.h"
#include "QIconTextHBtn.h"
#include <QLayout>
#include "QIconTextRBtn.h"
#include "QIconTextVBtn.h"
#include "QLongPressBtn.h"
#include "SwitchButton.h"

namespace {

void sendEnter(QWidget* w)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(w, &event);
}

void sendLeave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// ------------------------------------------------------ hover-look buttons

struct HoverCase {
    const char* name;
    std::function<QIconTextHoverBtn*()> make;
    int iconSide;
    const char* ownStyle;
    const char* normalText;
    const char* hoverText;
};

class HoverButtonTest : public ::testing::TestWithParam<HoverCase> {};

const char* const kNormalIcon = "url(:/Resource/Skin/a_n.png);";
const char* const kHoverIcon = "url(:/Resource/Skin/a_h.png);";
const QString kNormalIconStyle = "QLabel{border-image:url(:/Resource/Skin/a_n.png);background-repeat:no-repeat;}";
const QString kHoverIconStyle = "QLabel{border-image:url(:/Resource/Skin/a_h.png);background-repeat:no-repeat;}";

TEST_P(HoverButtonTest, ConstructionLook)
{
    const HoverCase& c = GetParam();
    std::unique_ptr<QIconTextHoverBtn> btn(c.make());
    EXPECT_EQ(btn->minimumSize(), QSize(72, 72));
    EXPECT_EQ(btn->maximumSize(), QSize(72, 72));
    EXPECT_EQ(btn->styleSheet(), QString::fromLatin1(c.ownStyle));
    EXPECT_EQ(btn->iconLabel()->maximumSize(), QSize(c.iconSide, c.iconSide));
    EXPECT_EQ(btn->textLabel()->styleSheet(), QString::fromLatin1(c.normalText));
    EXPECT_EQ(btn->textLabel()->alignment(), Qt::AlignCenter);
    btn->setText("Live");
    EXPECT_EQ(btn->textLabel()->text(), "Live");
    btn->setIconSize(30, 24);
    EXPECT_EQ(btn->iconLabel()->size(), QSize(30, 24));
}

TEST_P(HoverButtonTest, EnterAndLeaveSwitchIconAndTextColour)
{
    const HoverCase& c = GetParam();
    std::unique_ptr<QIconTextHoverBtn> btn(c.make());
    btn->setIcon(kNormalIcon, kHoverIcon);
    EXPECT_EQ(btn->iconLabel()->styleSheet(), kNormalIconStyle);

    sendEnter(btn.get());
    EXPECT_TRUE(btn->isHovered());
    EXPECT_EQ(btn->iconLabel()->styleSheet(), kHoverIconStyle);
    EXPECT_EQ(btn->textLabel()->styleSheet(), QString::fromLatin1(c.hoverText));

    sendLeave(btn.get());
    EXPECT_EQ(btn->iconLabel()->styleSheet(), kNormalIconStyle);
    EXPECT_EQ(btn->textLabel()->styleSheet(), QString::fromLatin1(c.normalText));
}

TEST_P(HoverButtonTest, DisabledButtonTakesTheHoverLookAndKeepsIt)
{
    const HoverCase& c = GetParam();
    std::unique_ptr<QIconTextHoverBtn> btn(c.make());
    btn->setIcon(kNormalIcon, kHoverIcon);
    btn->setEnabled(false);
    sendEnter(btn.get());
    EXPECT_EQ(btn->iconLabel()->styleSheet(), kHoverIconStyle);
    sendLeave(btn.get());
    EXPECT_EQ(btn->iconLabel()->styleSheet(), kHoverIconStyle);
    EXPECT_EQ(btn->textLabel()->styleSheet(), QString::fromLatin1(c.hoverText));
    // New icons show their normal one.
    btn->setIcon(kHoverIcon, kNormalIcon);
    EXPECT_EQ(btn->iconLabel()->styleSheet(), kHoverIconStyle);
    EXPECT_FALSE(btn->isHovered());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, HoverButtonTest,
    ::testing::Values(
        HoverCase{"Ctrl", [] { return new QIconTextCtrlBtn; }, 48,
                  "QPushButton{background-color: transparent;border:0px;}QPushButton:hover{background-color: "
                  "#303515;border:0px;}QPushButton:disabled{background-color: #A2B345;border:0px;}",
                  "QLabel{color:white;}", "QLabel{color: white;}"},
        HoverCase{"V", [] { return new QIconTextVBtn; }, 36, "QPushButton{background-color:transparent;}",
                  "QLabel{color:rgba(255,255,255,0.65);}", "QLabel{color:#C7DB55;}"}),
    [](const ::testing::TestParamInfo<HoverCase>& info) { return std::string(info.param.name); });

// ------------------------------------------------------- list-driven buttons

const QStringList kIcons = {"url(:/s0.png);", "url(:/s1.png);", "url(:/s2.png);", "url(:/s3.png);"};
const QStringList kColors = {"#000000;", "#111111;", "#222222;", "#333333;"};

struct ListCase {
    const char* name;
    std::function<QIconTextListBtn*()> make;
    const char* iconHead;
    const char* iconTail;
    int afterRelease;
};

QString iconStyle(const ListCase& c, int entry)
{
    return QString::fromLatin1(c.iconHead) + kIcons[entry] + QString::fromLatin1(c.iconTail);
}

QString colorStyle(int entry)
{
    return "QLabel{color:" + kColors[entry] + "}";
}

class ListButtonTest : public ::testing::TestWithParam<ListCase> {
protected:
    void SetUp() override
    {
        btn.reset(GetParam().make());
        btn->setIconList(kIcons);
        btn->setColorList(kColors);
    }

    void expectLook(int entry, const char* when)
    {
        EXPECT_EQ(btn->iconLabel()->styleSheet(), iconStyle(GetParam(), entry)) << when;
        EXPECT_EQ(btn->textLabel()->styleSheet(), colorStyle(entry)) << when;
    }

    std::unique_ptr<QIconTextListBtn> btn;
};

TEST_P(ListButtonTest, StatePicksTheListEntry)
{
    const std::pair<int, int> stateToEntry[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {-1, 0}, {99, 0}};
    for (const auto& [state, entry] : stateToEntry) {
        btn->setBtnState(state);
        expectLook(entry, qPrintable(QString("state %1").arg(state)));
    }
}

TEST_P(ListButtonTest, MouseMovesBetweenTheLooks)
{
    sendEnter(btn.get());
    expectLook(1, "enter");
    QTest::mousePress(btn.get(), Qt::LeftButton);
    expectLook(2, "press");
    QTest::mouseRelease(btn.get(), Qt::LeftButton);
    expectLook(GetParam().afterRelease, "release");
    sendLeave(btn.get());
    expectLook(0, "leave");
}

TEST_P(ListButtonTest, SelectedDisabledButtonIgnoresEnterAndLeave)
{
    btn->setBtnState(QIconTextListBtn::SelectedState);
    btn->setEnabled(false);
    sendEnter(btn.get());
    expectLook(3, "enter");
    sendLeave(btn.get());
    expectLook(3, "leave");
    btn->setEnabled(true);
    btn->setBtnState(QIconTextListBtn::NormalState);
    sendEnter(btn.get());
    expectLook(1, "enter after enabling");
}

TEST_P(ListButtonTest, ClickedHandlerCanSelectAfterTheReleaseLook)
{
    // Pages select in their clicked() slot, which runs after the release look.
    QObject::connect(btn.get(), &QPushButton::clicked, [this] {
        btn->setBtnState(QIconTextListBtn::SelectedState);
        btn->setEnabled(false);
    });
    QTest::mouseClick(btn.get(), Qt::LeftButton);
    expectLook(3, "after click");
}

TEST_P(ListButtonTest, IncompleteListsIgnoreStates)
{
    std::unique_ptr<QIconTextListBtn> fresh(GetParam().make());
    fresh->setBtnState(1);  // no icon list yet
    EXPECT_EQ(fresh->textLabel()->styleSheet(), "");
    EXPECT_EQ(fresh->iconLabel()->styleSheet(), "");
    sendEnter(fresh.get());
    EXPECT_EQ(fresh->textLabel()->styleSheet(), "");

    btn->setBtnState(2);
    btn->setIconList(kIcons.mid(0, 3));
    btn->setBtnState(0);
    expectLook(2, "three icons");
    btn->setIconList(kIcons);
    btn->setColorList({"#FFFFFF;"});
    btn->setBtnState(0);
    expectLook(2, "one colour");
}

TEST_P(ListButtonTest, DefaultColourIsWhite)
{
    std::unique_ptr<QIconTextListBtn> fresh(GetParam().make());
    fresh->setIconList(kIcons);
    fresh->setBtnState(0);
    EXPECT_EQ(fresh->textLabel()->styleSheet(), "QLabel{color:#FFFFFF;}");
    EXPECT_EQ(fresh->iconLabel()->size(), QSize(20, 20));
}

INSTANTIATE_TEST_SUITE_P(Classes, ListButtonTest,
                         ::testing::Values(ListCase{"H", [] { return new QIconTextHBtn; }, "QLabel{border-image:",
                                                    "background-repeat:no-repeat; margin:1px;}", 1},
                                           ListCase{"R", [] { return new QIconTextRBtn; },
                                                    "QLabel{border-image:", "background-repeat:no-repeat;}", 0},
                                           ListCase{"Func", [] { return new QIconTextFuncBtn; },
                                                    "QLabel{image:", "background-repeat:no-repeat; margin:1px;}", 1}),
                         [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST(IconTextHBtn, TextFixesTheWidth)
{
    QIconTextHBtn btn;
    btn.setText("Rectangle");
    const int text = QFontMetrics(btn.textLabel()->font()).horizontalAdvance("Rectangle");
    // Margins 10 and 10, spacing 6, icon and the text label: the whole text
    // shows.
    EXPECT_EQ(btn.minimumWidth(), btn.maximumWidth());
    EXPECT_EQ(btn.width(), btn.layout()->sizeHint().width());
    EXPECT_GE(btn.width(), 10 + 20 + 6 + text + 10);
    EXPECT_GE(btn.textLabel()->width(), btn.textLabel()->sizeHint().width());
    btn.setIconSize(16, 16);
    btn.setText("Rectangle");
    EXPECT_GE(btn.width(), 10 + 16 + 6 + text + 10);
    EXPECT_LT(btn.width(), 10 + 20 + 6 + text + 10) << "follows the icon size";
}

TEST(IconTextFuncBtn, TextInTwelvePixelsFixesTheWidth)
{
    QIconTextFuncBtn btn;
    EXPECT_EQ(btn.styleSheet(), "background-color:transparent; font-size:12px;");
    btn.setIconSize(10, 10);
    btn.setText("Save");
    EXPECT_EQ(btn.textLabel()->font().pixelSize(), 12);
    QFont twelve = btn.textLabel()->font();
    twelve.setPixelSize(12);
    EXPECT_EQ(btn.width(), 10 + 26 + QFontMetrics(twelve).horizontalAdvance("Save"));
}

TEST(IconTextRBtn, TextLabelHasAFixedSizeAndTheWidthStays)
{
    QIconTextRBtn btn;
    btn.setFixedSize(254, 32);
    btn.setText("Settings");
    EXPECT_EQ(btn.textLabel()->text(), "Settings");
    EXPECT_EQ(btn.textLabel()->size(), QSize(200, 30));
    EXPECT_EQ(btn.width(), 254);
}

// ---------------------------------------------------------------- long press

struct LongPressSpies {
    explicit LongPressSpies(QLongPressBtn* b)
        : clicked(b, &QLongPressBtn::sendBtnClickedSignal),
          longPressed(b, &QLongPressBtn::sendBtnLongPressedSignal),
          released(b, &QLongPressBtn::sendBtnReleaseSignal)
    {
    }
    QSignalSpy clicked;
    QSignalSpy longPressed;
    QSignalSpy released;
};

TEST(LongPressBtn, LookFollowsTheFlag)
{
    const QString increase =
        "QPushButton{border-image:url(:/Resource/Skin/Icon-increase_Normal.png); background-color:transparent;outline: "
        "none;}QPushButton:hover{border-image:url(:/Resource/Skin/Icon-increase_Hover.png);}QPushButton:pressed{border-"
        "image:url(:/Resource/Skin/Icon-increase_Select.png);}QPushButton:disabled{border-image:url(:/Resource/Skin/"
        "Icon-increase_Disable.png);}";
    QString decrease = increase;
    decrease.replace("increase", "decrease");
    EXPECT_EQ(QLongPressBtn(nullptr, false).styleSheet(), increase);
    EXPECT_EQ(QLongPressBtn(nullptr, true).styleSheet(), decrease);
}

TEST(LongPressBtn, ShortPressIsOnlyAClick)
{
    QLongPressBtn btn;
    LongPressSpies spies(&btn);
    QTest::mousePress(&btn, Qt::LeftButton);
    auto* timer = btn.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 200);
    QTest::mouseRelease(&btn, Qt::LeftButton);  // before the timer ran
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(spies.clicked.count(), 1);
    EXPECT_EQ(spies.longPressed.count(), 0);
    EXPECT_EQ(spies.released.count(), 0);
}

TEST(LongPressBtn, HeldPressReportsLongPressOnceThenRelease)
{
    QLongPressBtn btn;
    LongPressSpies spies(&btn);
    QTest::mousePress(&btn, Qt::LeftButton);
    auto* timer = btn.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->isActive());
    fireTimer(timer);  // its 200 ms are up
    EXPECT_EQ(spies.longPressed.count(), 1);
    EXPECT_FALSE(timer->isActive()) << "held on: no second report";
    QTest::mouseRelease(&btn, Qt::LeftButton);
    EXPECT_EQ(spies.released.count(), 1);
    EXPECT_EQ(spies.clicked.count(), 0);

    // The next press starts afresh.
    QTest::mouseClick(&btn, Qt::LeftButton);
    EXPECT_EQ(spies.clicked.count(), 1);
    EXPECT_EQ(spies.released.count(), 1);
}

TEST(LongPressBtn, TimerSlotMarksTheLongPress)
{
    QLongPressBtn btn;
    LongPressSpies spies(&btn);
    QTest::mousePress(&btn, Qt::LeftButton);
    btn.setLongPressSlot();
    EXPECT_FALSE(btn.findChild<QTimer*>()->isActive());
    QTest::mouseRelease(&btn, Qt::LeftButton);
    EXPECT_EQ(spies.longPressed.count(), 1);
    EXPECT_EQ(spies.released.count(), 1);
    EXPECT_EQ(spies.clicked.count(), 0);
}

TEST(LongPressBtn, DisabledButtonReportsNothing)
{
    QWidget window;
    window.resize(100, 100);
    auto* btn = new QLongPressBtn(&window);
    btn->setGeometry(10, 10, 40, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    btn->setEnabled(false);
    LongPressSpies spies(btn);
    // Through the window, as the platform delivers it.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QTest::mouseClick(btn, Qt::LeftButton);
    EXPECT_EQ(spies.clicked.count(), 0);
    EXPECT_EQ(spies.longPressed.count(), 0);
    EXPECT_EQ(spies.released.count(), 0);
}

TEST(LongPressBtn, DisablingDuringALongPressStillReportsTheRelease)
{
    QLongPressBtn btn;
    LongPressSpies spies(&btn);
    QTest::mousePress(&btn, Qt::LeftButton);
    btn.setLongPressSlot();
    btn.setEnabled(false);
    QTest::mouseRelease(&btn, Qt::LeftButton);
    EXPECT_EQ(spies.released.count(), 1);
}

// -------------------------------------------------------------------- switch

QList<int> runAnimation(SwitchButton& sw, int maxSteps = 1000)
{
    QList<int> positions;
    for (int i = 0; i < maxSteps && sw.isAnimating(); ++i) {
        sw.updateValue();
        positions << sw.knobPosition();
    }
    return positions;
}

TEST(SwitchButton, Construction)
{
    SwitchButton sw;
    EXPECT_EQ(sw.minimumSize(), QSize(100, 20));
    EXPECT_EQ(sw.font().family(), "Microsoft Yahei");
    EXPECT_EQ(sw.font().pointSize(), 10);
    EXPECT_FALSE(sw.isChecked());
    auto* timer = sw.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 5);
}

TEST(SwitchButton, PressAnimatesTheKnobInTenthsOfTheWidth)
{
    SwitchButton sw;
    sw.resize(100, 20);
    QSignalSpy spy(&sw, &SwitchButton::checkedChanged);

    QTest::mouseClick(&sw, Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    EXPECT_TRUE(sw.isChecked());
    EXPECT_EQ(sw.knobTarget(), 80);
    EXPECT_TRUE(sw.isAnimating());
    EXPECT_EQ(runAnimation(sw), (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 80}));
    EXPECT_FALSE(sw.isAnimating());

    QTest::mouseClick(&sw, Qt::LeftButton);
    EXPECT_FALSE(spy.at(1).at(0).toBool());
    EXPECT_EQ(runAnimation(sw), (QList<int>{70, 60, 50, 40, 30, 20, 10, 0, 0}));
}

TEST(SwitchButton, TimerDrivesTheAnimation)
{
    SwitchButton sw;
    sw.resize(100, 20);
    QTest::mouseClick(&sw, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!sw.isAnimating(), 5000);
    EXPECT_EQ(sw.knobPosition(), 80);
}

TEST(SwitchButton, SetCheckedPlacesAtOnceWithoutSignal)
{
    SwitchButton sw;
    sw.resize(100, 20);
    QSignalSpy spy(&sw, &SwitchButton::checkedChanged);
    sw.setChecked(true);
    EXPECT_TRUE(sw.isChecked());
    EXPECT_EQ(sw.knobPosition(), 80);
    EXPECT_FALSE(sw.isAnimating());
    sw.setChecked(false);
    EXPECT_EQ(sw.knobPosition(), 0);
    EXPECT_EQ(spy.count(), 0);
}

TEST(SwitchButton, SetCheckedDuringAnimationEndsIt)
{
    SwitchButton sw;
    sw.resize(100, 20);
    QTest::mouseClick(&sw, Qt::LeftButton);
    sw.updateValue();
    sw.setChecked(false);
    EXPECT_FALSE(sw.isAnimating());
    sw.updateValue();
    EXPECT_EQ(sw.knobPosition(), 0);
}

TEST(SwitchButton, ResizePlacesTheKnob)
{
    SwitchButton sw;
    sw.resize(100, 20);
    sw.show();  // hidden widgets get their resize events when shown
    sw.setChecked(true);
    sw.setFixedSize(48, 24);
    EXPECT_EQ(sw.knobPosition(), 24);
    sw.setChecked(false);
    sw.setFixedSize(60, 24);
    EXPECT_EQ(sw.knobPosition(), 0);
}

TEST(SwitchButton, NarrowSwitchStillArrives)
{
    for (const QSize size : {QSize(5, 2), QSize(8, 4), QSize(48, 24)}) {
        SwitchButton sw;
        sw.setFixedSize(size);
        QTest::mouseClick(&sw, Qt::LeftButton);
        const QList<int> on = runAnimation(sw);
        EXPECT_FALSE(sw.isAnimating()) << size.width();
        EXPECT_EQ(sw.knobPosition(), size.width() - size.height());
        EXPECT_LE(on.size(), size.width() + 1);
        QTest::mouseClick(&sw, Qt::LeftButton);
        runAnimation(sw);
        EXPECT_FALSE(sw.isAnimating()) << size.width();
        EXPECT_EQ(sw.knobPosition(), 0);
    }
}

TEST(SwitchButton, PaintsTrackAndKnob)
{
    SwitchButton sw;
    sw.resize(100, 20);
    QImage off = sw.grab().toImage();
    EXPECT_EQ(off.pixelColor(50, 10), QColor("#6C7688"));
    EXPECT_EQ(off.pixelColor(12, 10), QColor(Qt::white));
    sw.setChecked(true);
    QImage on = sw.grab().toImage();
    EXPECT_EQ(on.pixelColor(50, 10), QColor("#A2B345"));
    EXPECT_EQ(on.pixelColor(90, 10), QColor(Qt::white));
}

}  // namespace
