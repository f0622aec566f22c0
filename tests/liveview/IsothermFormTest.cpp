// The isotherm page's values without a window: the colour-palette table,
// the limit rows of each mode, the text form of a limit and the 16 bytes of
// the record that Save sends, or why it refuses.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "IsothermForm.h"

namespace {

using Refusal = IsothermForm::Refusal;

// The record as the camera receives it, in hex: i32 on, f32 lower, f32 upper,
// i32 mode, little-endian.
std::string hexOf(const USBSDK_IsothermParams& record)
{
    static_assert(sizeof(USBSDK_IsothermParams) == 16, "the record crosses the SDK boundary as 16 bytes");
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record).toHex().toStdString();
}

TEST(IsothermFormTest, ColoursMapToCameraPalettesBothWays)
{
    struct Case {
        int colour;
        const char* key;
        const char* icon;
        int palette;
    };
    const Case cases[] = {
        {0, "Amber", ":/Resource/Skin/isotherm_amber.png", 7},
        {1, "Rainbow", ":/Resource/Skin/isotherm_rainbow.png", 3},
        {2, "Iron Red", ":/Resource/Skin/isotherm_teihong.png", 6},
        {3, "Jade", ":/Resource/Skin/isotherm_yushi.png", 8},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(IsothermForm::colourKey(c.colour), c.key);
        EXPECT_STREQ(IsothermForm::colourIcon(c.colour), c.icon);
        EXPECT_EQ(IsothermForm::paletteOfColour(c.colour), c.palette);
        EXPECT_EQ(IsothermForm::colourOfPalette(c.palette), c.colour);
    }
    // Entry numbers are no palette numbers: 0 to 3 select nothing.
    for (int palette : {-1, 0, 1, 2, 4, 5, 9, 19, 255})
        EXPECT_EQ(IsothermForm::colourOfPalette(palette), -1) << palette;
    for (int colour : {-1, 4}) {
        EXPECT_EQ(IsothermForm::paletteOfColour(colour), -1);
        EXPECT_EQ(IsothermForm::colourKey(colour), nullptr);
    }
}

TEST(IsothermFormTest, EachModeUsesItsLimitRows)
{
    struct Case {
        int mode;
        const char* key;
        bool upper;
        bool lower;
    };
    const Case cases[] = {
        {0, "MaxLimit", true, false}, {1, "MinLimit", false, true}, {2, "Interval", true, true},
        {3, "Ends", true, true},      {4, nullptr, false, false},   {-1, nullptr, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(IsothermForm::modeKey(c.mode), c.key) << c.mode;
        EXPECT_EQ(IsothermForm::usesUpperLimit(c.mode), c.upper) << c.mode;
        EXPECT_EQ(IsothermForm::usesLowerLimit(c.mode), c.lower) << c.mode;
    }
}

TEST(IsothermFormTest, LimitTextIsTheShortestFormWithSixDigits)
{
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {{30.0f, "30"}, {30.5f, "30.5"},       {-20.0f, "-20"},         {0.1f, "0.1"},
                          {0.0f, "0"},   {123.456f, "123.456"}, {1234.5678f, "1234.57"}, {-0.25f, "-0.25"}};
    for (const Case& c : cases) EXPECT_EQ(IsothermForm::limitText(c.value), QString(c.text)) << c.text;
}

TEST(IsothermFormTest, ParsesLimitsAndTakesAnEmptyFieldAsZero)
{
    struct Case {
        const char* text;
        bool ok;
        float value;
    };
    const Case cases[] = {{"", true, 0.0f},   {"30.5", true, 30.5f}, {"-15.5", true, -15.5f}, {"12.", true, 12.0f},
                          {"-", false, 0.0f}, {".", false, 0.0f},    {"abc", false, 0.0f},    {"inf", false, 0.0f}};
    for (const Case& c : cases) {
        float value = -1.0f;
        EXPECT_EQ(IsothermForm::parseLimit(QString(c.text), &value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(IsothermFormTest, BuildsTheRecordOrRefusesIt)
{
    struct Case {
        bool on;
        int mode;
        const char* lower;
        const char* upper;
        Refusal refusal;
        const char* hex;  // the 16 bytes built, refused or not
    };
    const Case cases[] = {
        // Off: 16 zero bytes whatever the fields hold, never refused.
        {false, 2, "30", "20", Refusal::None, "00000000000000000000000000000000"},
        {false, 0, "-", "999", Refusal::None, "00000000000000000000000000000000"},
        // On: both limits and the mode.
        {true, 0, "", "120.5", Refusal::None, "01000000000000000000f14200000000"},
        {true, 1, "-15.5", "", Refusal::None, "01000000000078c10000000001000000"},
        {true, 2, "30.5", "100", Refusal::None, "010000000000f4410000c84202000000"},
        {true, 3, "-20", "150", Refusal::None, "010000000000a0c10000164303000000"},
        // MaxLimit and MinLimit compare nothing.
        {true, 0, "30", "30", Refusal::None, "010000000000f0410000f04100000000"},
        {true, 1, "40", "30", Refusal::None, "01000000000020420000f04101000000"},
        // An interval and its ends need lower < upper.
        {true, 2, "30", "30", Refusal::LowerNotBelowUpper, "010000000000f0410000f04102000000"},
        {true, 3, "50", "20", Refusal::LowerNotBelowUpper, "01000000000048420000a04103000000"},
        // A limit the mode uses must be a number within -20..150; one it does
        // not use is sent as it is.
        {true, 1, "-25", "0", Refusal::LimitOutOfRange, "010000000000c8c10000000001000000"},
        {true, 0, "0", "150.1", Refusal::LimitOutOfRange, "01000000000000009a19164300000000"},
        {true, 2, "-", "30", Refusal::LimitOutOfRange, "01000000000000000000f04102000000"},
        {true, 0, "-30", "100", Refusal::None, "010000000000f0c10000c84200000000"},
        {true, 1, "10", "-", Refusal::None, "01000000000020410000000001000000"},
    };
    for (const Case& c : cases) {
        const IsothermForm::Request request = IsothermForm::build(c.on, c.mode, c.lower, c.upper);
        EXPECT_EQ(request.refusal, c.refusal) << c.mode << ' ' << c.lower << ' ' << c.upper;
        EXPECT_EQ(hexOf(request.record), c.hex) << c.mode << ' ' << c.lower << ' ' << c.upper;
    }
}

}  // namespace
