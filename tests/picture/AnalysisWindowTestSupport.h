#pragma once
// A radiometric picture with one rule of every kind, put into the picture
// store the way the analysis window loads it, and the window's children
// arranged over it as a load arranges them (its own loading lands later).
#include <QLabel>
#include <QSize>
#include <QString>

#include <cstring>
#include <string>

#include "QHotImageCtrl.h"
#include "QSceneViewCtrl.h"
#include "QTemperResult.h"
#include "QTemperShow.h"
#include "RadioPictureWriter.h"
#include "ThermalImageData.h"

namespace analysistest {

constexpr int kW = 384, kH = 288;
constexpr float kLowC = 20.0f, kHighC = 40.0f;

inline void setRule(PicViewRuleConfig& r, int id, int type, int shape, const char* name,
                    std::initializer_list<ThermPoint> points)
{
    r.ruleId = id;
    r.meterType = type;
    r.param = shape;
    r.pointNum = int(points.size());
    int i = 0;
    for (const ThermPoint& p : points) r.points[i++] = p;
    std::strncpy(r.name, name, sizeof r.name - 1);
    r.emissivity = 0.97f;
    r.distance = 1.0f;
    r.reflectedTemp = 25.0f;
}

// A 384 x 288 diagonal ramp from 20 C to 40 C with a point, a line, a
// rectangle, an ellipse, a circle and a polygon (rule space 8192 x 8192).
inline fixtures::RadioPictureWriter sixRulePicture(int32_t flip = 0)
{
    fixtures::RadioPictureWriter p(kW, kH);
    p.setTemperatures(fixtures::rampTemperatures(kW, kH, kLowC, kHighC));
    PicViewInfo& info = p.picViewInfo();
    info.ruleCount = 6;
    setRule(info.rules[0], 1, 0, 0, "P1", {{1200, 1500}});
    setRule(info.rules[1], 2, 1, 0, "L1", {{600, 6800}, {3000, 5200}});
    setRule(info.rules[2], 3, 2, 1, "R1", {{3000, 900}, {5200, 900}, {5200, 3100}, {3000, 3100}});
    setRule(info.rules[3], 4, 2, 2, "Ep1", {{5800, 1000}, {7600, 1000}, {7600, 2800}, {5800, 2800}});
    setRule(info.rules[4], 5, 2, 3, "Cr1", {{5600, 4400}, {7400, 4400}, {7400, 6800}, {5600, 6800}});
    setRule(info.rules[5], 6, 2, 0, "Po1", {{3200, 4200}, {4800, 4000}, {5000, 6400}, {3800, 7400}, {2800, 6000}});
    info.colorType = 6;
    info.flipDirection = flip;
    return p;
}

// The store's loading sequence of the analysis window; false at the first
// step that fails.
inline bool loadIntoStore(const QString& path)
{
    ThermalImageData& s = ThermalImageData::getInstance();
    return s.readPicFile(path) == 0 && s.getPicHeaderInfo() == 0 && s.getThermalGraph() == 0 &&
           s.getPixelsTemperature() == 0 && s.updateHotColdTemper() == 0 && s.calcPaletteRange() == 0 &&
           s.readPicGlobalRuleConfig() == 0 && s.readPicRuleConfigInfo() == 0;
}

// The loaded picture in the window: its size and controls, the scene view
// of viewSize over the picture label's top left, flipped like the picture,
// the whole-picture results and the items of the stored rules.
inline void arrangeLoadedPicture(QHotImageCtrl& w, const QSize& viewSize)
{
    ThermalImageData& s = ThermalImageData::getInstance();
    QSize size;
    s.getPicSize(size);
    w.setPictureSize(size);
    w.setPictureControlsEnabled(true);
    QSceneViewCtrl* view = w.sceneView();
    view->setGeometry(QRect(w.pictureLabel()->geometry().topLeft(), viewSize));
    view->show();
    view->setFlipDirection(s.getFlipDirection());
    const RuleShowFlags flags = w.showFlags();
    w.resultTable()->addPictureResult(flags);
    w.temperOverlay()->addPictureResult(flags);
    view->loadRuleItems();
}

}  // namespace analysistest
