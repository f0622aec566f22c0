// What the palette range slider asks of the analysis window it lies in: show
// the chosen range on the colour bar, render the picture with the palette
// spread over it, and place or show the floating markers over the handles.
#pragma once

class TemperRangeOwner {
public:
    // Temperatures in degrees Celsius.
    virtual void setColorBarRange(float low, float high) = 0;
    virtual void updateHotImage(float low, float high) = 0;
    // x: the handle's left edge in the slider's coordinates.
    virtual void moveLowMarker(int x) = 0;
    virtual void moveHighMarker(int x) = 0;
    virtual void setLowMarkerVisible(bool visible) = 0;
    virtual void setHighMarkerVisible(bool visible) = 0;

protected:
    ~TemperRangeOwner() = default;
};
