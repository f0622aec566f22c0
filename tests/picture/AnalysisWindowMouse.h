#pragma once
// Drawing on the analysis window's rule layer with the mouse at the place
// where a picture pixel is shown (the layer shows the picture with its flip).
#include <QPointF>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QTest>

#include "QHotImageCtrl.h"
#include "QSceneViewCtrl.h"
#include "SceneMouse.h"

namespace analysistest {

// The rule layer's point that shows point p of a picture of the given size.
inline QPointF viewPoint(const QHotImageCtrl& w, QPointF p, const QSize& picture, int flip)
{
    const QSize view = w.sceneView()->size();
    QPointF v(p.x() * view.width() / picture.width(), p.y() * view.height() / picture.height());
    if (flip == 2 || flip == 3) v.setX(view.width() - v.x());
    if (flip == 1 || flip == 3) v.setY(view.height() - v.y());
    return v;
}

// The rectangle tool, then a drag over the picture pixels of area.
inline void drawRectangle(QHotImageCtrl& w, const QRect& area, const QSize& picture, int flip)
{
    QTest::mouseClick(w.toolButton(QHotImageCtrl::RectTool), Qt::LeftButton);
    const QPointF a = viewPoint(w, area.topLeft(), picture, flip);
    const QPointF b = viewPoint(w, area.bottomRight() + QPoint(1, 1), picture, flip);
    SceneMouse(w.sceneView()).drag(a.toPoint(), b.toPoint());
}

}  // namespace analysistest
