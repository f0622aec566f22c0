// The simulated camera's scene, in temperatures: a background gradient, a
// warm rectangle, a cold disc and a hot disc that circles the centre. Pure
// function of (size, parameters, frame number, rate): no randomness, no clock.
//
// Coordinates are raw pixels in sensor orientation. Element positions use the
// normalised pixel centre u = (x + 0.5) / W, v = (y + 0.5) / H; radii scale
// with W so that the scene looks alike at every frame size.
#pragma once

#include <array>
#include <cstdint>

namespace camsdk {

class SimScene {
public:
    // Defaults are the factory scene; field names follow SIMCAM_Scene.
    struct Params {
        double bgBase = 20.0, bgGradV = 8.0, bgGradU = 2.0;
        bool rectOn = true;
        double rectTemp = 37.0;
        double rectU0 = 0.08, rectV0 = 0.10, rectU1 = 0.22, rectV1 = 0.30;  // half-open [u0, u1) x [v0, v1)
        bool coldOn = true;
        double coldTemp = 5.0, coldU = 0.85, coldV = 0.85;
        double coldRadius = 0.04, coldRamp = 0.02;  // in units of W
        bool hotOn = true;
        double hotTemp = 65.0, hotRadius = 0.05, hotRamp = 0.025;  // in units of W
        bool hotMotion = true;
        double hotPeriodS = 10.0;  // one turn
        double hotPhase = 0.0;     // radians at n = 0 and while motion is off
        double hotPathU = 0.25, hotPathV = 0.25;
        bool blackbodyOn = false;
        double blackbodyLow = 40.0, blackbodyHigh = 110.0;
        double sceneEmissivity = 0.97;
        double sceneReflected = 25.0;
        bool defectsOn = true;
    };

    // Camera body temperatures, C.
    struct Body {
        double housing, tec, preHouse, board, back;
    };

    // Half-open pixel rectangle [x0, x1) x [y0, y1), clipped to the frame.
    struct PixelRect {
        int x0, y0, x1, y1;
    };

    // A stuck pixel: its raw value replaces the scene's.
    struct StuckPixel {
        int x, y;
        uint16_t raw;
    };
    static constexpr int kStuckPixels = 4;
    static constexpr int kBadColumnOffset = 400;

    // width and height must be positive (the layer checks the sizes).
    SimScene(int width, int height);
    SimScene(int width, int height, const Params& params);

    int width() const { return width_; }
    int height() const { return height_; }
    const Params& params() const { return params_; }
    void setSize(int width, int height);
    void setParams(const Params& params);
    // Bumped by every change of size or parameters, so that caches built
    // from the static part know when to rebuild. Not by setFrame.
    uint64_t revision() const { return revision_; }

    // Places the hot disc for frame n at fps frames per second.
    void setFrame(uint64_t n, int fps);
    double hotPhase() const { return phase_; }
    // Hot disc centre in continuous pixel coordinates (pixel x spans x..x+1).
    double hotCentreX() const { return hotX_; }
    double hotCentreY() const { return hotY_; }

    // Temperature at the centre of pixel (x, y), C.
    double temperatureAt(int x, int y) const;
    // The same without the hot disc: the part that does not move.
    double staticTemperatureAt(int x, int y) const;
    // Whole frame, row by row, into out (width * height values).
    void fill(float* out) const;
    // Pixels the hot disc may change this frame (empty when it is off).
    PixelRect hotSquare() const;
    // True when (x, y) lies inside the hot disc or its ramp this frame.
    bool hotCovers(int x, int y) const;

    double background(int x, int y) const;

    // Raw defects; they lie on the background.
    std::array<StuckPixel, kStuckPixels> stuckPixels() const;
    int badColumn() const;

    // Body temperatures at a session age, plus extra heating (drift
    // collection, housing offset).
    static Body body(double sessionAgeS, double extraHeatingC = 0.0);

private:
    // Temperature of a disc of flat value `flat` around (cx, cy) at distance
    // d, or the background beyond its ramp; *inside tells which.
    static double disc(double d, double radius, double ramp, double flat, double bg, bool* inside);
    double hotAt(int x, int y, double under, bool* inside) const;

    int width_;
    int height_;
    Params params_;
    uint64_t revision_ = 0;
    double phase_ = 0.0;
    double hotX_ = 0.0;
    double hotY_ = 0.0;
};

}  // namespace camsdk
