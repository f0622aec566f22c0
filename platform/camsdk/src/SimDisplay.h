// The simulated camera's display frame: the raw frame through AGC, the
// image parameters and a palette into UYVY, then flipped. Flip changes the
// display only; the raw frame and every coordinate stay in sensor
// orientation.
//
// Buffers are owned here and resized only when the frame size changes; the
// grey mapping is a table over the frame's raw range, rebuilt only when the
// range or a parameter changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "thermcore.h"

namespace camsdk {

class SimDisplay {
public:
    // Defaults are the factory image parameters (palette aside).
    struct Settings {
        int palette = 0;  // 0..19, the camera's numbers
        int brightness = 50, contrast = 50, sharpness = 60;
        bool wideDynamic = true;
        int globalContrast = 50;
        int noise2D = 50, noise3D = 50;
        int ispMode = 0;            // 1 "original": no tone or detail steps
        int flip = 0;               // 0 none, 1 rows reversed, 2 columns reversed, 3 both
        double displayNoise = 1.5;  // levels at no noise reduction
        bool crossCursor = false;
        int crossColour = 0;  // 0 green, 1 blue, 2 red
        bool hotSpot = false, coldSpot = false;
        bool isotherm = false;
        int isothermMode = 0;  // 0 T > upper, 1 T < lower, 2 inside, 3 outside
        float isothermLower = 0.0f, isothermUpper = 0.0f;
        bool pseudoIsotherm = false;
        float pseudoMin = 0.0f, pseudoMax = 0.0f;
    };

    SimDisplay();

    const Settings& settings() const { return settings_; }
    void setSettings(const Settings& settings);
    // The block and camera emissivity that the isotherms read temperatures
    // with (T(g), reflected 25 C); the block's data flag tells grey from
    // temperature raw values.
    void setCamera(const RedunData& block, float emissivity);

    // Colours a width x height raw frame of frame number n into uyvy
    // (width * height * 2 bytes; width even).
    void render(const uint16_t* raw, int width, int height, uint64_t n, uint8_t* uyvy);

    // Row of the palette tables for a camera palette number; -1 if none.
    static int colourBarIndex(int palette);
    // Deterministic display noise in [-1, 1), as render adds it.
    static double noise(int x, int y, uint64_t n);

private:
    void rebuildLevels(uint32_t lo, uint32_t hi);
    void rebuildTemperatures();

    Settings settings_;
    RedunData block_;
    float emissivity_ = 0.97f;
    bool signedRaw_ = false;  // raw words are signed: keys are raw ^ 0x8000

    std::vector<float> levels_;  // level after tone steps, per raw key
    bool levelsValid_ = false;
    uint32_t levelsLo_ = 0, levelsHi_ = 0;
    std::vector<float> temperatures_;  // reading per raw key, for the isotherms
    bool temperaturesValid_ = false;

    std::vector<float> rows_;       // working rows of the tone and sharpening pass
    std::vector<uint8_t> level_;    // final level per sensor pixel
    std::vector<uint32_t> colour_;  // one display row
};

}  // namespace camsdk
