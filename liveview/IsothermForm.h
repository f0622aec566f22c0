// What the isotherm page offers and the record it sends, kept apart from the
// widgets so it can be checked as a table: the four isotherm colours with
// their camera palettes, the four modes with the limit rows each one uses,
// the text form of a limit, and the checks an isotherm passes before it goes
// to the camera. Limits are always degrees Celsius.
#pragma once

#include <QString>

#include "camsdk.h"

class IsothermForm {
public:
    // The mode field of USBSDK_IsothermParams, also the mode box index.
    enum Mode { MaxLimitMode = 0, MinLimitMode = 1, IntervalMode = 2, EndsMode = 3, ModeCount = 4 };
    static constexpr int kColourCount = 4;

    // What the limit fields accept.
    static constexpr float kLimitMin = -20.0f;
    static constexpr float kLimitMax = 150.0f;
    static constexpr int kLimitDecimals = 1;

    // Why an isotherm is not sent.
    enum class Refusal {
        None,
        LimitOutOfRange,    // a limit the mode uses is not a number within kLimitMin..kLimitMax
        LowerNotBelowUpper  // an interval or its ends with lower >= upper
    };

    struct Request {
        USBSDK_IsothermParams record;  // all 16 bytes zero when switched off
        Refusal refusal;
    };

    // Text key and, for the colours, icon and camera palette number of each
    // entry, in box order; null / -1 outside the range.
    static const char* modeKey(int mode);
    static const char* colourKey(int colour);
    static const char* colourIcon(int colour);
    static int paletteOfColour(int colour);
    // The colour entry of a camera palette number; -1 for a palette that is
    // no isotherm colour.
    static int colourOfPalette(int palette);

    // The limit rows a mode shows and reads: MaxLimit the upper one,
    // MinLimit the lower one, Interval and Ends both.
    static bool usesUpperLimit(int mode);
    static bool usesLowerLimit(int mode);

    // A limit as the fields show it: the shortest decimal form with at most
    // 6 significant digits ("30", "30.5").
    static QString limitText(float value);
    // A field's text as a limit: an empty field is 0; false (and 0) for text
    // that is no finite number, such as a lone "-".
    static bool parseLimit(const QString& text, float* value);

    // The isotherm to send. Switched off: 16 zero bytes, never refused.
    // Switched on: on 1, both limits from their texts, the mode; refused
    // when a limit that the mode uses is out of range, or when an Interval
    // or Ends has lower >= upper (MaxLimit and MinLimit compare nothing).
    static Request build(bool on, int mode, const QString& lowerText, const QString& upperText);

    IsothermForm() = delete;
};
