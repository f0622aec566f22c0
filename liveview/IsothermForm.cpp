#include "IsothermForm.h"

#include <cmath>
#include <cstring>

namespace {

struct ModeInfo {
    const char* key;
    bool upper;  // shows and reads the upper limit
    bool lower;  // shows and reads the lower limit
};

const ModeInfo kModes[IsothermForm::ModeCount] = {
    {"MaxLimit", true, false},
    {"MinLimit", false, true},
    {"Interval", true, true},
    {"Ends", true, true},
};

struct ColourInfo {
    const char* key;
    const char* icon;
    int palette;  // the camera's palette number
};

const ColourInfo kColours[IsothermForm::kColourCount] = {
    {"Amber", ":/Resource/Skin/isotherm_amber.png", 7},
    {"Rainbow", ":/Resource/Skin/isotherm_rainbow.png", 3},
    {"Iron Red", ":/Resource/Skin/isotherm_teihong.png", 6},
    {"Jade", ":/Resource/Skin/isotherm_yushi.png", 8},
};

bool validMode(int mode)
{
    return mode >= 0 && mode < IsothermForm::ModeCount;
}

bool validColour(int colour)
{
    return colour >= 0 && colour < IsothermForm::kColourCount;
}

bool inLimitRange(bool parsed, float value)
{
    return parsed && value >= IsothermForm::kLimitMin && value <= IsothermForm::kLimitMax;
}

}  // namespace

const char* IsothermForm::modeKey(int mode)
{
    return validMode(mode) ? kModes[mode].key : nullptr;
}

const char* IsothermForm::colourKey(int colour)
{
    return validColour(colour) ? kColours[colour].key : nullptr;
}

const char* IsothermForm::colourIcon(int colour)
{
    return validColour(colour) ? kColours[colour].icon : nullptr;
}

int IsothermForm::paletteOfColour(int colour)
{
    return validColour(colour) ? kColours[colour].palette : -1;
}

int IsothermForm::colourOfPalette(int palette)
{
    for (int c = 0; c < kColourCount; ++c)
        if (kColours[c].palette == palette) return c;
    return -1;
}

bool IsothermForm::usesUpperLimit(int mode)
{
    return validMode(mode) && kModes[mode].upper;
}

bool IsothermForm::usesLowerLimit(int mode)
{
    return validMode(mode) && kModes[mode].lower;
}

QString IsothermForm::limitText(float value)
{
    return QString::number(double(value), 'g', 6);
}

bool IsothermForm::parseLimit(const QString& text, float* value)
{
    *value = 0.0f;
    if (text.isEmpty()) return true;
    bool ok = false;
    const float parsed = text.toFloat(&ok);
    if (!ok || !std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

IsothermForm::Request IsothermForm::build(bool on, int mode, const QString& lowerText, const QString& upperText)
{
    Request request;
    std::memset(&request.record, 0, sizeof request.record);
    request.refusal = Refusal::None;
    if (!on) return request;

    float lower = 0.0f;
    float upper = 0.0f;
    const bool lowerParsed = parseLimit(lowerText, &lower);
    const bool upperParsed = parseLimit(upperText, &upper);
    request.record.on = 1;
    request.record.lowerLimit = lower;
    request.record.upperLimit = upper;
    request.record.mode = mode;

    if ((usesLowerLimit(mode) && !inLimitRange(lowerParsed, lower)) ||
        (usesUpperLimit(mode) && !inLimitRange(upperParsed, upper))) {
        request.refusal = Refusal::LimitOutOfRange;
    } else if ((mode == IntervalMode || mode == EndsMode) && !(lower < upper)) {
        request.refusal = Refusal::LowerNotBelowUpper;
    }
    return request;
}
