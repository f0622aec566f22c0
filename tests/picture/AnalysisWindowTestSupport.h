#pragma once
// Radiometric pictures for the analysis window: one rule of every kind over
// a ramp, and a ramp with a known hot block; opened the way an import opens
// them.
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstring>
#include <string>
#include <vector>

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

// A 384 x 288 picture: a ramp from 20 C (top left) to 30 C (bottom right)
// with a 70 C block over pixels [kBlock.x, kBlock.right] x [kBlock.y,
// kBlock.bottom] whose pixel kPeak reads kPeakC. The block lies in the
// picture's left half, so a mirrored view shows it in the right half.
const QRect kBlock(60, 100, 40, 30);
const QPoint kPeak(80, 115);
constexpr float kRampLowC = 20.0f, kRampHighC = 30.0f, kBlockC = 70.0f, kPeakC = 90.0f;

inline std::vector<float> hotBlockTemperatures()
{
    std::vector<float> t = fixtures::rampTemperatures(kW, kH, kRampLowC, kRampHighC);
    for (int y = kBlock.top(); y <= kBlock.bottom(); ++y)
        for (int x = kBlock.left(); x <= kBlock.right(); ++x) t[size_t(y) * kW + size_t(x)] = kBlockC;
    t[size_t(kPeak.y()) * kW + size_t(kPeak.x())] = kPeakC;
    return t;
}

inline fixtures::RadioPictureWriter hotBlockPicture(int32_t flip = 0)
{
    fixtures::RadioPictureWriter p(kW, kH);
    p.setTemperatures(hotBlockTemperatures());
    p.picViewInfo().flipDirection = flip;
    return p;
}

// Writes the picture and opens it in the window as an import does.
inline bool openInWindow(QHotImageCtrl& w, const fixtures::RadioPictureWriter& picture, const std::string& path)
{
    return picture.writeTo(path) && w.loadHotImage(QString::fromStdString(path));
}

}  // namespace analysistest
