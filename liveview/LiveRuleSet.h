// The camera's rule record (USBSDK_Rules) as the live page builds it: from
// the live rule set, and for the two boxes of the full blackbody
// calibration. Pure functions of their input.
#pragma once

#include "PicRuleList.h"
#include "camsdk.h"

class LiveRuleSet {
public:
    // Boxes of the full calibration, rule space: low on the left, high on
    // the right, both 2048 wide and high.
    static constexpr int kBoxTop = 3072;
    static constexpr int kBoxBottom = 5120;
    static constexpr int kLowBoxLeft = 1024;
    static constexpr int kHighBoxLeft = 5120;
    static constexpr int kBoxSide = 2048;
    // Longest calibration box name, bytes.
    static constexpr int kBoxNameMax = 15;

    // The live set as the camera takes it: the whole record cleared, then
    // one entry per live rule in list order, at most USBSDK_MAX_RULES; the
    // count is the number of entries written. Each entry: the rule's id,
    // flag 1, its type; with own parameters the local flag and distance,
    // reflected temperature and emissivity in that order; a point's x, y, a
    // line's two ends, an area's shape (a circle goes as an ellipse), point
    // count and points. A type outside 0..2 leaves only the common fields.
    static USBSDK_Rules fromLiveSet(const PicRuleList& list);

    // The two calibration boxes, ids 1 and 2, named by their blackbody
    // temperatures in decimal (cut to 15 bytes), flag 0, rectangles with
    // their corners top-left, top-right, bottom-left, bottom-right.
    static USBSDK_Rules calibrationBoxes(int lowTemp, int highTemp);
};
