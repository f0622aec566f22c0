// What the screenshot tests check of a picture at a glance: how many
// different colours an area holds (a blank or one-colour area is not drawn).
#pragma once

#include <QImage>
#include <QRect>
#include <QSet>

// The distinct colours of every other pixel of every other row of the part
// of area that lies inside the image.
inline int distinctColours(const QImage& image, const QRect& area)
{
    QSet<QRgb> seen;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); y += 2)
        for (int x = inside.left(); x <= inside.right(); x += 2) seen.insert(image.pixel(x, y));
    return seen.size();
}
