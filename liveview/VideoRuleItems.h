// The live video's rule items are the picture scene's rule items: one
// implementation of the six kinds serves both scenes.
#pragma once

#include "CircularItem.h"
#include "EllipseItem.h"
#include "LineItem.h"
#include "PointItem.h"
#include "PolygonItem.h"
#include "RectItem.h"

using VideoPointItem = PointItem;
using VideoLineItem = LineItem;
using VideoRectItem = RectItem;
using VideoEllipseItem = EllipseItem;
using VideoCircularItem = CircularItem;
using VideoPolygonItem = PolygonItem;
