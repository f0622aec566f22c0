// A picture turned the way a camera's flip setting shows it. Raw frames and
// rule records are in the sensor's orientation; the live video window and
// the picture analysis window show their pictures through this one mapping,
// the same the rule layers apply to their rules.
#pragma once

#include <QImage>

class ImageOrientation {
public:
    // Flip modes: 0 none, 1 upside down, 2 mirrored left to right, 3 both;
    // any other value leaves the picture as it is. The mapping is its own
    // inverse.
    static QImage apply(const QImage& image, int flip);
};
