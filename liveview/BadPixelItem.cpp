#include "BadPixelItem.h"

#include "QVideoWndWidget.h"

namespace {

int gPixelLineWidth = 5;

}  // namespace

BadPixelItem::BadPixelItem(QGraphicsItem* parent) : BadMarkerItem(kKind, 1.5, parent) {}

int BadPixelItem::lineWidth()
{
    return gPixelLineWidth;
}

bool BadPixelItem::setLineWidth(int w)
{
    const bool changed = w != gPixelLineWidth;
    gPixelLineWidth = w;
    return changed;
}

QRectF BadPixelItem::markerRect(int w)
{
    return QRectF(-w, -w, 2 * w + 1, 2 * w + 1);
}

QRectF BadPixelItem::currentRect() const
{
    return markerRect(gPixelLineWidth);
}

void BadPixelItem::announceSelected(QVideoWndWidget* owner)
{
    owner->selectBadPixelRow(this);
}
