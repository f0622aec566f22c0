// The drawing tool of the rule scenes: mouse sequences per tool, what each
// ends in (a rule with its points, a refusal for size, a cancel), the clamp
// to the control, the tool's reset, and the shape painted while drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <vector>

#include "RuleDrawTool.h"

namespace {

using Outcome = RuleDrawTool::Outcome;

const QRect kBounds(0, 0, 640, 512);

struct Step {
    enum Action { Press, Move, Hover, Release } action;
    Qt::MouseButton button;
    QPoint pos;
};

Step press(QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    return {Step::Press, b, p};
}
Step move(QPoint p)
{
    return {Step::Move, Qt::NoButton, p};
}
Step hover(QPoint p)
{
    return {Step::Hover, Qt::NoButton, p};
}
Step release(QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    return {Step::Release, b, p};
}
// A drag with the left button from a to b.
std::vector<Step> drag(QPoint a, QPoint b)
{
    return {press(a), move(b), release(b)};
}
// Polygon vertex clicks with the mouse hovering to each click first.
std::vector<Step> clicks(const std::vector<QPoint>& points)
{
    std::vector<Step> steps;
    for (const QPoint& p : points) {
        steps.push_back(hover(p));
        steps.push_back(press(p));
        steps.push_back(release(p));
    }
    return steps;
}
std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct DrawCase {
    const char* name;
    int mode;
    std::vector<Step> steps;
    Outcome outcome;  // of the last release; every earlier release is pending
    std::vector<QPoint> points;
};

const std::vector<QPoint> kEightVertices = {{10, 10},   {100, 12},  {200, 30}, {260, 120},
                                            {240, 220}, {150, 260}, {60, 200}, {20, 110}};

const DrawCase kDrawCases[] = {
    {"point at the release", 1, {release({100, 50})}, Outcome::kCompleted, {{100, 50}}},
    {"point released outside is clamped",
     1,
     {press({630, 500}), release({700, 600})},
     Outcome::kCompleted,
     {{639, 511}}},
    {"rectangle", 3, drag({50, 60}, {150, 110}), Outcome::kCompleted, {{50, 60}, {150, 60}, {150, 110}, {50, 110}}},
    {"rectangle dragged up and left",
     3,
     drag({150, 110}, {50, 60}),
     Outcome::kCompleted,
     {{50, 60}, {150, 60}, {150, 110}, {50, 110}}},
    {"rectangle beyond the control stops at its edge",
     3,
     drag({500, 400}, {900, 700}),
     Outcome::kCompleted,
     {{500, 400}, {639, 400}, {639, 511}, {500, 511}}},
    {"rectangle 16 x 16 is enough",
     3,
     drag({10, 10}, {26, 26}),
     Outcome::kCompleted,
     {{10, 10}, {26, 10}, {26, 26}, {10, 26}}},
    {"rectangle 15 wide is too small", 3, drag({10, 10}, {25, 110}), Outcome::kTooSmall, {}},
    {"rectangle without a move is too small", 3, {press({10, 10}), release({10, 10})}, Outcome::kTooSmall, {}},
    {"ellipse", 4, drag({50, 60}, {150, 110}), Outcome::kCompleted, {{50, 60}, {150, 60}, {150, 110}, {50, 110}}},
    {"ellipse 15 high is too small", 4, drag({10, 10}, {110, 25}), Outcome::kTooSmall, {}},
    // Box (100, 100, 60, 30): centre (129, 114), radius 15.
    {"circle is the square about the box centre",
     5,
     drag({100, 100}, {160, 130}),
     Outcome::kCompleted,
     {{114, 99}, {144, 99}, {144, 129}, {114, 129}}},
    {"circle of radius 7 is too small", 5, drag({100, 100}, {200, 115}), Outcome::kTooSmall, {}},
    {"line 15 x 20 is accepted", 2, drag({10, 20}, {25, 40}), Outcome::kCompleted, {{10, 20}, {25, 40}}},
    {"line 15 x 15 is too small", 2, drag({10, 20}, {25, 35}), Outcome::kTooSmall, {}},
    {"line end beyond the control is clamped",
     2,
     drag({600, 10}, {800, -40}),
     Outcome::kCompleted,
     {{600, 10}, {639, 0}}},
    {"polygon of eight clicks", 6, clicks(kEightVertices), Outcome::kCompleted, kEightVertices},
    {"polygon closed by the right button at its position",
     6,
     clicks({{10, 10}, {100, 10}, {100, 100}}) +
         std::vector<Step>{hover({50, 150}), release({40, 160}, Qt::RightButton)},
     Outcome::kCompleted,
     {{10, 10}, {100, 10}, {100, 100}, {40, 160}}},
    {"polygon of two clicks is dropped by the right button",
     6,
     clicks({{10, 10}, {100, 10}}) + std::vector<Step>{release({100, 100}, Qt::RightButton)},
     Outcome::kCancelled,
     {}},
    {"right button cancels a rectangle",
     3,
     {press({10, 10}), move({200, 200}), release({200, 200}, Qt::RightButton)},
     Outcome::kCancelled,
     {}},
    {"middle button cancels a line",
     2,
     {press({10, 10}), move({200, 200}), release({200, 200}, Qt::MiddleButton)},
     Outcome::kCancelled,
     {}},
    {"no tool, no rule", 0, {press({10, 10}), release({10, 10})}, Outcome::kNothing, {}},
};

class DrawSequence : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawSequence, EndsAsExpected)
{
    const DrawCase& c = GetParam();
    RuleDrawTool tool;
    tool.setMode(c.mode);
    RuleDrawTool::Result last;
    int releases = 0, pending = 0;
    for (const Step& s : c.steps) {
        switch (s.action) {
            case Step::Press:
                tool.press(s.button, s.pos);
                break;
            case Step::Move:
                tool.move(s.pos, kBounds);
                break;
            case Step::Hover:
                tool.hover(s.pos, kBounds);
                break;
            case Step::Release:
                last = tool.release(s.button, s.pos, kBounds);
                ++releases;
                if (last.outcome == Outcome::kPending) ++pending;
                break;
        }
    }
    EXPECT_EQ(int(last.outcome), int(c.outcome));
    EXPECT_EQ(pending, releases - 1) << "only the last release ends the drawing";
    EXPECT_EQ(last.points, QVector<QPoint>(c.points.begin(), c.points.end()));
    if (c.outcome == Outcome::kCompleted) {
        EXPECT_EQ(last.kind, c.mode);
    }
    // One rule per press: the tool is put down and nothing stays in progress.
    EXPECT_EQ(tool.mode(), 0);
    EXPECT_FALSE(tool.isDrawing());
    EXPECT_EQ(tool.vertexCount(), 0);
    EXPECT_TRUE(tool.rubberBand().isNull());
}

INSTANTIATE_TEST_SUITE_P(Tools, DrawSequence, ::testing::ValuesIn(kDrawCases),
                         [](const ::testing::TestParamInfo<DrawCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(RuleDrawTool, PolygonVerticesCountTheMovingOneAndFollowTheHover)
{
    RuleDrawTool tool;
    tool.setMode(RuleDrawTool::kPolygon);
    EXPECT_FALSE(tool.hover({5, 5}, kBounds)) << "no vertex yet";
    tool.press(Qt::LeftButton, {10, 10});
    EXPECT_EQ(int(tool.release(Qt::LeftButton, {10, 10}, kBounds).outcome), int(Outcome::kPending));
    EXPECT_EQ(tool.vertexCount(), 2);
    EXPECT_TRUE(tool.hover({300, 40}, kBounds));
    EXPECT_EQ(tool.vertices().last(), QPointF(300, 40));
    tool.hover({-20, 900}, kBounds);
    EXPECT_EQ(tool.vertices().last(), QPointF(0, 511)) << "clamped to the control";
    EXPECT_TRUE(tool.isDrawing());
    EXPECT_EQ(tool.mode(), RuleDrawTool::kPolygon);
}

TEST(RuleDrawTool, ChoosingAToolDiscardsTheShapeInProgress)
{
    RuleDrawTool tool;
    tool.setMode(RuleDrawTool::kRectangle);
    EXPECT_TRUE(tool.press(Qt::LeftButton, {10, 10}));
    tool.move({100, 100}, kBounds);
    EXPECT_FALSE(tool.rubberBand().isNull());
    tool.setMode(RuleDrawTool::kLine);
    EXPECT_FALSE(tool.isDrawing());
    EXPECT_TRUE(tool.rubberBand().isNull());
    EXPECT_FALSE(tool.move({50, 50}, kBounds)) << "moves without a press draw nothing";
    EXPECT_FALSE(tool.press(Qt::RightButton, {10, 10}));
    EXPECT_FALSE(tool.isDrawing());
}

// The shape in progress, painted 1 pixel wide in black on white.
QImage paintTool(const RuleDrawTool& tool)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    tool.paint(painter);
    return image;
}

bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

TEST(RuleDrawTool, PaintsTheCircleOfTheSquareAndNothingOnceDone)
{
    RuleDrawTool tool;
    tool.setMode(RuleDrawTool::kCircle);
    tool.press(Qt::LeftButton, {20, 40});
    tool.move({180, 120}, kBounds);  // box 160 x 80: circle of radius 40 about (99, 79)
    const QImage image = paintTool(tool);
    EXPECT_TRUE(dark(image, 99, 39) || dark(image, 99, 40));    // top
    EXPECT_TRUE(dark(image, 139, 79) || dark(image, 138, 79));  // right
    EXPECT_FALSE(dark(image, 99, 79));                          // centre
    EXPECT_FALSE(dark(image, 20, 40)) << "not the dragged box";
    EXPECT_FALSE(dark(image, 170, 79)) << "not the dragged box";

    tool.release(Qt::LeftButton, {180, 120}, kBounds);
    const QImage after = paintTool(tool);
    EXPECT_FALSE(dark(after, 99, 39));
}

TEST(RuleDrawTool, PaintsThePolygonWithItsMovingVertex)
{
    RuleDrawTool tool;
    tool.setMode(RuleDrawTool::kPolygon);
    for (QPoint p : {QPoint(20, 20), QPoint(180, 20)}) {
        tool.press(Qt::LeftButton, p);
        tool.release(Qt::LeftButton, p, kBounds);
    }
    tool.hover({100, 180}, kBounds);
    const QImage image = paintTool(tool);
    EXPECT_TRUE(dark(image, 100, 20));   // edge between the two clicks
    EXPECT_TRUE(dark(image, 60, 100));   // edge to the moving vertex
    EXPECT_FALSE(dark(image, 100, 60));  // inside
}

}  // namespace
