#include "ImageOrientation.h"

QImage ImageOrientation::apply(const QImage& image, int flip)
{
    switch (flip) {
        case 1:
            return image.mirrored(false, true);
        case 2:
            return image.mirrored(true, false);
        case 3:
            return image.mirrored(true, true);
        default:
            return image;
    }
}
