#include "RuleFlip.h"

#include "RuleItem.h"

namespace {

struct FlipRow {
    int flip;
    bool mirrorX;
    bool mirrorY;
    int cornerOrder[4];  // which mirrored corner becomes corner 0, 1, 2, 3
};

// Mirroring top-left, top-right, bottom-right, bottom-left upside down gives
// bottom-left, bottom-right, top-right, top-left, and so on.
constexpr FlipRow kFlips[] = {
    {RuleFlip::kVertical, false, true, {3, 2, 1, 0}},
    {RuleFlip::kHorizontal, true, false, {1, 0, 3, 2}},
    {RuleFlip::kBoth, true, true, {2, 3, 0, 1}},
};

bool isBoxKind(int kind)
{
    return kind == RuleItem::kRectangle || kind == RuleItem::kEllipse || kind == RuleItem::kCircle;
}

}  // namespace

QVector<QPoint> RuleFlip::mapPointsForFlip(int kind, const QVector<QPoint>& points, int width, int height, int flip)
{
    for (const FlipRow& row : kFlips) {
        if (row.flip != flip) continue;
        QVector<QPoint> mirrored = points;
        for (QPoint& p : mirrored) {
            if (row.mirrorX) p.setX(width - p.x());
            if (row.mirrorY) p.setY(height - p.y());
        }
        if (!isBoxKind(kind) || mirrored.size() != 4) return mirrored;
        QVector<QPoint> ordered(4);
        for (int i = 0; i < 4; ++i) ordered[i] = mirrored[row.cornerOrder[i]];
        return ordered;
    }
    return points;
}

QTransform RuleFlip::viewTransform(int flip)
{
    QTransform transform;
    switch (flip) {
        case kVertical:
            transform.rotate(180, Qt::XAxis);
            break;
        case kHorizontal:
            transform.rotate(180, Qt::YAxis);
            break;
        case kBoth:
            transform.rotate(180, Qt::ZAxis);
            break;
        default:
            break;
    }
    return transform;
}
