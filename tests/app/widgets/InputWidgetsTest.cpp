// The value input widgets: range keeping of the numeric fields, commit
// signals, click-to-jump slider and the slider-plus-field control.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QValidator>

#include "CSlider.h"
#include "QCombineImageParamWidget.h"
#include "QCustomLineEdit.h"
#include "QSelLineEdit.h"
#include "QUnitLabel.h"
#include "QUnitLineEdit.h"

namespace {

void sendFocusOut(QWidget* widget)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

// ---------------------------------------------------------------- float field

struct FloatCase {
    const char* text;
    const char* whileTyping;  // after the text change
    const char* committed;    // after focus out
};

class FloatFieldTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatFieldTest, KeepsMaximumLiveAndMinimumOnCommit)
{
    const FloatCase& c = GetParam();
    QCustomLineEdit field;
    field.setFloatRange(0.1f, 1.0f, 2);
    field.setText(QString::fromUtf8(c.text));
    EXPECT_EQ(field.text(), QString::fromUtf8(c.whileTyping));
    sendFocusOut(&field);
    EXPECT_EQ(field.text(), QString::fromUtf8(c.committed));
}

INSTANTIATE_TEST_SUITE_P(Range01To1, FloatFieldTest,
                         ::testing::Values(FloatCase{"1.5", "1", "1"}, FloatCase{"0", "0", "0.1"},
                                           FloatCase{"0.05", "0.05", "0.1"}, FloatCase{"-0.0", "0.0", "0.1"},
                                           FloatCase{"0.5", "0.5", "0.5"}, FloatCase{"1", "1", "1"},
                                           FloatCase{"0.1", "0.1", "0.1"}, FloatCase{"", "", ""},
                                           FloatCase{"-", "-", "-"}, FloatCase{"-3", "-3", "0.1"}));

TEST(FloatField, RangeFarFromZeroCanBeTypedDigitByDigit)
{
    // A Kelvin field: every prefix of 300 is below the minimum.
    QCustomLineEdit field;
    field.setFloatRange(253.15f, 1000.0f, 2);
    for (const char* prefix : {"3", "30", "300"}) {
        QTest::keyClicks(&field, QString::fromLatin1(prefix).right(1));
        EXPECT_EQ(field.text(), QString::fromLatin1(prefix));
    }
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), "300");
}

TEST(FloatField, EveryCommitPathRaisesToTheMinimum)
{
    const std::function<void(QCustomLineEdit&)> commits[] = {
        [](QCustomLineEdit& f) { QTest::keyClick(&f, Qt::Key_Return); },
        [](QCustomLineEdit& f) { QTest::keyClick(&f, Qt::Key_Enter); },
        [](QCustomLineEdit& f) { sendFocusOut(&f); },
        [](QCustomLineEdit& f) { emit f.editingFinished(); },
    };
    for (const auto& commit : commits) {
        QCustomLineEdit field;
        field.setFloatRange(253.15f, 1000.0f, 2);
        QTest::keyClicks(&field, "100");
        ASSERT_EQ(field.text(), "100");
        commit(field);
        EXPECT_EQ(field.text(), "253.15");
    }
}

TEST(FloatField, AboveMaximumIsClampedAtTheKeystroke)
{
    QCustomLineEdit field;
    field.setFloatRange(-20.0f, 550.0f, 1);
    QTest::keyClicks(&field, "55");
    EXPECT_EQ(field.text(), "55");
    QTest::keyClicks(&field, "1");
    EXPECT_EQ(field.text(), "550");
}

TEST(FloatField, NegativeValuesInsideTheRangeStay)
{
    QCustomLineEdit field;
    field.setFloatRange(-20.0f, 550.0f, 1);
    QTest::keyClicks(&field, "-12.5");
    sendFocusOut(&field);
    EXPECT_EQ(field.text(), "-12.5");
}

struct PatternCase {
    const char* text;
    QValidator::State state;
};

class FloatPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FloatPatternTest, ValidatorWithTwoDecimals)
{
    QCustomLineEdit field;
    field.setFloatRange(-100000.0f, 999999.0f, 2);
    ASSERT_NE(field.validator(), nullptr);
    QString text = QString::fromLatin1(GetParam().text);
    int pos = text.size();
    EXPECT_EQ(field.validator()->validate(text, pos), GetParam().state) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloatPatternTest,
    ::testing::Values(PatternCase{"", QValidator::Acceptable}, PatternCase{"123456", QValidator::Acceptable},
                      PatternCase{"-123456", QValidator::Acceptable}, PatternCase{"1234567", QValidator::Invalid},
                      PatternCase{"0.12", QValidator::Acceptable}, PatternCase{"0.123", QValidator::Invalid},
                      PatternCase{"12.5", QValidator::Acceptable}, PatternCase{"01", QValidator::Invalid},
                      PatternCase{"1.", QValidator::Intermediate}, PatternCase{"-", QValidator::Intermediate},
                      PatternCase{"1e3", QValidator::Invalid}, PatternCase{"abc", QValidator::Invalid}));

TEST(FloatField, TypingStopsAtSixDigitsAndTheConfiguredDecimals)
{
    QCustomLineEdit field;
    field.setFloatRange(0.0f, 999999.0f, 1);
    QTest::keyClicks(&field, "1234567");
    EXPECT_EQ(field.text(), "123456");
    field.clear();
    QTest::keyClicks(&field, "3.14");
    EXPECT_EQ(field.text(), "3.1");
}

TEST(FloatField, DecimalsCountComesFromTheRange)
{
    QCustomLineEdit field;
    field.setFloatRange(0.0f, 10.0f, 3);
    QString text = "1.234";
    int pos = text.size();
    EXPECT_EQ(field.validator()->validate(text, pos), QValidator::Acceptable);
    text = "1.2345";
    EXPECT_EQ(field.validator()->validate(text, pos), QValidator::Invalid);
}

TEST(CustomLineEdit, HasNoContextMenu)
{
    QCustomLineEdit field;
    EXPECT_EQ(field.contextMenuPolicy(), Qt::NoContextMenu);
}

// -------------------------------------------------------------- integer field

struct IntCase {
    const char* text;
    const char* shown;
};

class IntFieldTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntFieldTest, KeepsTextAtOrBelowMaximum)
{
    QCustomLineEdit field;
    field.setIntRange(100);
    field.setText("9");  // so that an empty text is a change
    field.setText(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(field.text(), QString::fromLatin1(GetParam().shown)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Max100, IntFieldTest,
                         ::testing::Values(IntCase{"250", "100"}, IntCase{"", "0"}, IntCase{"007", "7"},
                                           IntCase{"100", "100"}, IntCase{"42", "42"}, IntCase{"0", "0"},
                                           IntCase{"2147483648", "100"}, IntCase{"99999999999999999999", "100"}));

TEST(IntField, ClearingShowsZeroAndLettersAreRefused)
{
    QCustomLineEdit field;
    field.setIntRange(100);
    QTest::keyClicks(&field, "4a2");
    EXPECT_EQ(field.text(), "42");
    field.clear();
    EXPECT_EQ(field.text(), "0");
}

TEST(IntField, OverlongDigitsWithLargeMaximumGiveTheMaximum)
{
    QCustomLineEdit field;
    field.setIntRange(2147483647);
    field.setText("3000000000");
    EXPECT_EQ(field.text(), "2147483647");
}

TEST(IntField, SwitchingToFloatDropsTheIntegerRule)
{
    QCustomLineEdit field;
    field.setIntRange(100);
    field.setFloatRange(0.0f, 10.0f, 2);
    field.clear();
    EXPECT_EQ(field.text(), "");
    field.setText("5.25");
    EXPECT_EQ(field.text(), "5.25");
}

// ------------------------------------------------------------------ unit field

TEST(UnitLineEdit, ReturnCommitsOncePerEdit)
{
    QUnitLineEdit field;
    field.setIntRange(100);
    QSignalSpy enter(&field, &QUnitLineEdit::keyEnterSignals);
    QSignalSpy focusOut(&field, &QUnitLineEdit::focusOutSignals);

    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 0);  // nothing typed since construction

    QTest::keyClicks(&field, "12");
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Enter);
    EXPECT_EQ(enter.count(), 1);

    QTest::keyClicks(&field, "3");
    QTest::keyClick(&field, Qt::Key_Enter);
    EXPECT_EQ(enter.count(), 2);

    sendFocusOut(&field);  // already committed by Enter
    EXPECT_EQ(focusOut.count(), 0);
}

TEST(UnitLineEdit, FocusOutCommitsOncePerEdit)
{
    QUnitLineEdit field;
    QSignalSpy enter(&field, &QUnitLineEdit::keyEnterSignals);
    QSignalSpy focusOut(&field, &QUnitLineEdit::focusOutSignals);
    QTest::keyClicks(&field, "7");
    sendFocusOut(&field);
    sendFocusOut(&field);
    EXPECT_EQ(focusOut.count(), 1);
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 0);
}

TEST(UnitLineEdit, ProgramTextIsNotAnEdit)
{
    QUnitLineEdit field;
    QSignalSpy enter(&field, &QUnitLineEdit::keyEnterSignals);
    field.setText("5");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 0);
}

TEST(UnitLineEdit, CommitSignalSeesTheRaisedMinimum)
{
    QUnitLineEdit field;
    field.setFloatRange(253.15f, 1000.0f, 2);
    QString atEnter;
    QString atFocusOut;
    QObject::connect(&field, &QUnitLineEdit::keyEnterSignals, [&] { atEnter = field.text(); });
    QObject::connect(&field, &QUnitLineEdit::focusOutSignals, [&] { atFocusOut = field.text(); });
    QTest::keyClicks(&field, "100");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(atEnter, "253.15");
    field.clear();
    QTest::keyClicks(&field, "2");
    sendFocusOut(&field);
    EXPECT_EQ(atFocusOut, "253.15");
}

TEST(UnitLineEdit, UnitWidensTheRightMarginByItsWidth)
{
    QUnitLineEdit field;
    auto* unit = field.findChild<QLabel*>();
    ASSERT_NE(unit, nullptr);
    const QString celsius(QChar(0x2103));
    field.setUnitText(celsius);
    EXPECT_EQ(unit->text(), celsius);
    EXPECT_EQ(field.textMargins().right(), field.fontMetrics().horizontalAdvance(celsius));
    field.setUnitText("%");
    EXPECT_EQ(field.textMargins().right(), field.fontMetrics().horizontalAdvance("%"));
    EXPECT_EQ(field.textMargins().left(), 0);
}

// --------------------------------------------------------------------- slider

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

struct SliderCase {
    bool horizontal;
    QSize size;
    QPoint click;
    int value;  // expected after the click, starting from 10
};

class SliderClickTest : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderClickTest, JumpsToTheClickedPosition)
{
    const SliderCase& c = GetParam();
    CSlider slider;
    slider.setOrientation(c.horizontal ? Qt::Horizontal : Qt::Vertical);
    slider.setHorizontal(c.horizontal);
    slider.setRange(0, 100);
    slider.setValue(10);
    slider.resize(c.size);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, c.click);
    EXPECT_EQ(slider.value(), c.value);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, c.click);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderClickTest,
    ::testing::Values(SliderCase{true, {200, 20}, {150, 10}, 75}, SliderCase{true, {200, 20}, {0, 10}, 0},
                      SliderCase{true, {300, 20}, {100, 10}, 33},  // truncated, not rounded
                      SliderCase{false, {20, 200}, {10, 50}, 75}, SliderCase{false, {20, 200}, {10, 150}, 25},
                      SliderCase{true, {0, 20}, {150, 10}, 10}, SliderCase{false, {20, 0}, {10, 50}, 10}));

TEST(Slider, RangeNotStartingAtZero)
{
    CSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(-50, 50);
    slider.resize(200, 20);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, {50, 10});
    EXPECT_EQ(slider.value(), -25);
}

TEST(Slider, MovesAfterAJumpDoNotDrag)
{
    CSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(200, 20);
    sendMouse(&slider, QEvent::MouseButtonPress, {150, 10}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(slider.value(), 75);
    sendMouse(&slider, QEvent::MouseMove, {20, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(slider.value(), 75);
    sendMouse(&slider, QEvent::MouseButtonRelease, {20, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(slider.value(), 75);
}

TEST(Slider, PressOnTheHandleDragsInsteadOfJumping)
{
    CSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(200, 20);
    slider.show();
    // Value 0: the handle sits at the left end.
    sendMouse(&slider, QEvent::MouseButtonPress, {3, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider.value(), 0);
    sendMouse(&slider, QEvent::MouseMove, {120, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_GT(slider.value(), 40);
    const int dragged = slider.value();
    sendMouse(&slider, QEvent::MouseButtonRelease, {120, 10}, Qt::LeftButton, Qt::NoButton);
    sendMouse(&slider, QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(slider.value(), dragged);
}

TEST(Slider, RightButtonDoesNotJump)
{
    CSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(200, 20);
    QTest::mousePress(&slider, Qt::RightButton, Qt::NoModifier, {150, 10});
    EXPECT_EQ(slider.value(), 0);
}

// ------------------------------------------------------- slider-plus-field

class CombineWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        widget.setMaxValue(100);
        widget.setMinValue(0);
        field = widget.findChild<QCustomLineEdit*>("LineEditStyle2");
        plus = widget.findChild<QPushButton*>("addBtnStyle");
        minus = widget.findChild<QPushButton*>("minusBtnStyle");
        slider = widget.findChild<CSlider*>("SliderStyle1");
        ASSERT_TRUE(field && plus && minus && slider);
    }

    QList<int> emitted(const QSignalSpy& spy) const
    {
        QList<int> values;
        for (const auto& args : spy) values << args.at(0).toInt();
        return values;
    }

    QCombineImageParamWidget widget;
    QCustomLineEdit* field = nullptr;
    QPushButton* plus = nullptr;
    QPushButton* minus = nullptr;
    CSlider* slider = nullptr;
};

TEST_F(CombineWidgetTest, Layout)
{
    EXPECT_EQ(widget.minimumHeight(), 28);
    EXPECT_EQ(widget.maximumHeight(), 28);
    EXPECT_EQ(field->minimumSize(), QSize(40, 28));
    EXPECT_EQ(field->maximumSize(), QSize(40, 28));
    EXPECT_EQ(field->alignment(), Qt::AlignCenter);
    EXPECT_EQ(plus->maximumSize(), QSize(20, 14));
    EXPECT_EQ(minus->maximumSize(), QSize(20, 14));
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider->maximumHeight(), 22);
    EXPECT_EQ(slider->pageStep(), 1);
    EXPECT_EQ(slider->maximum(), 100);
    QCombineImageParamWidget fresh;
    EXPECT_EQ(fresh.text(), "0");
}

TEST_F(CombineWidgetTest, SetValueEmitsNothingAndEnablesTheButtons)
{
    QSignalSpy spy(&widget, &QCombineImageParamWidget::sendValueChangedSignal);
    widget.setValue(100);
    EXPECT_EQ(widget.text(), "100");
    EXPECT_EQ(slider->value(), 100);
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_TRUE(minus->isEnabled());

    widget.setValue(0);
    EXPECT_TRUE(plus->isEnabled());
    EXPECT_FALSE(minus->isEnabled());

    widget.setValue(150);  // the field shows it as passed, the slider clamps
    EXPECT_EQ(widget.text(), "150");
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(CombineWidgetTest, MinimumRaisesTheSliderFloor)
{
    widget.setMinValue(10);
    EXPECT_EQ(slider->minimum(), 10);
    widget.setValue(10);
    EXPECT_FALSE(minus->isEnabled());
    widget.setValue(11);
    EXPECT_TRUE(minus->isEnabled());
}

TEST_F(CombineWidgetTest, SliderMovesAreReportedAndShown)
{
    QSignalSpy spy(&widget, &QCombineImageParamWidget::sendValueChangedSignal);
    slider->setValue(30);
    EXPECT_EQ(emitted(spy), QList<int>{30});
    EXPECT_EQ(widget.text(), "30");
    slider->setValue(100);
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_TRUE(minus->isEnabled());
}

TEST_F(CombineWidgetTest, PlusAndMinusStepByOne)
{
    widget.setValue(99);
    QSignalSpy spy(&widget, &QCombineImageParamWidget::sendValueChangedSignal);
    plus->click();
    EXPECT_EQ(emitted(spy), QList<int>{100});
    EXPECT_EQ(widget.text(), "100");
    EXPECT_FALSE(plus->isEnabled());
    minus->click();
    EXPECT_EQ(emitted(spy), (QList<int>{100, 99}));
    EXPECT_TRUE(plus->isEnabled());
}

TEST_F(CombineWidgetTest, StepsAtTheEndsOnlyDisableTheButton)
{
    widget.setValue(0);
    QSignalSpy spy(&widget, &QCombineImageParamWidget::sendValueChangedSignal);
    minus->setEnabled(true);
    widget.setMinusBtnSlot();
    EXPECT_FALSE(minus->isEnabled());
    widget.setValue(100);
    plus->setEnabled(true);
    widget.setPlusBtnSlot();
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(CombineWidgetTest, TypingMovesTheSlider)
{
    QSignalSpy spy(&widget, &QCombineImageParamWidget::sendValueChangedSignal);
    field->selectAll();
    QTest::keyClicks(field, "42");
    EXPECT_EQ(emitted(spy), (QList<int>{4, 42}));
    EXPECT_EQ(slider->value(), 42);
    EXPECT_EQ(widget.text(), "42");

    spy.clear();
    QTest::keyClicks(field, "0");  // 420: above the maximum
    EXPECT_EQ(emitted(spy), QList<int>{100});
    EXPECT_EQ(widget.text(), "100");
    EXPECT_FALSE(plus->isEnabled());
}

TEST_F(CombineWidgetTest, TextThatIsNoNumberCountsAsZero)
{
    widget.setValue(50);
    QSignalSpy spy(&widget, &QCombineImageParamWidget::sendValueChangedSignal);
    widget.setLineEditValueSlot("x");
    EXPECT_EQ(slider->value(), 0);
    EXPECT_FALSE(minus->isEnabled());
    EXPECT_EQ(emitted(spy), QList<int>{0});
}

// ---------------------------------------------------------- path and labels

TEST(SelLineEdit, RelaysTheButtonAndHoldsThePath)
{
    QSelLineEdit sel;
    auto* edit = sel.findChild<QLineEdit*>("SelLineEdit");
    auto* button = sel.findChild<QPushButton*>("SelButton");
    ASSERT_TRUE(edit && button);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->textMargins(), QMargins(10, 2, 8, 2));
    EXPECT_EQ(edit->maximumHeight(), 32);
    EXPECT_EQ(button->maximumSize(), QSize(38, 32));

    sel.setText("/home/user/Calidra/UserData");
    EXPECT_EQ(sel.text(), "/home/user/Calidra/UserData");
    sel.setLineEditStyleSheet("QLineEdit{color:red;}");
    sel.setButtonStyleSheet("QPushButton{color:blue;}");
    EXPECT_EQ(edit->styleSheet(), "QLineEdit{color:red;}");
    EXPECT_EQ(button->styleSheet(), "QPushButton{color:blue;}");

    QSignalSpy spy(&sel, &QSelLineEdit::sendSelBtnClickedSignals);
    button->click();
    EXPECT_EQ(spy.count(), 1);
}

TEST(UnitLabel, ValueUnitAndFontSize)
{
    QUnitLabel label;
    label.setValueAndUnit("36.5", QString(QChar(0x2103)));
    EXPECT_EQ(label.valueLabel()->text(), "36.5");
    EXPECT_EQ(label.unitLabel()->text(), QString(QChar(0x2103)));
    label.setFontPx(12);
    EXPECT_EQ(label.valueLabel()->styleSheet(), "font: 12px;");
    EXPECT_EQ(label.unitLabel()->styleSheet(), "font: 12px;");
}

}  // namespace
