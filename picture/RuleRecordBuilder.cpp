#include "RuleRecordBuilder.h"

#include <QByteArray>

#include <cstring>

namespace {

// Points a record of each kind carries; the polygon's come from the drawing.
struct KindPoints {
    int kind;
    int minPoints;
    int maxPoints;
};

constexpr KindPoints kKindPoints[] = {
    {PicRuleRecord::kPoint, 1, 1},   {PicRuleRecord::kLine, 2, 2},   {PicRuleRecord::kRectangle, 4, 4},
    {PicRuleRecord::kEllipse, 4, 4}, {PicRuleRecord::kCircle, 4, 4}, {PicRuleRecord::kPolygon, 3, 8},
};

int32_t toRuleSpaceSide(int value, int viewSide)
{
    const qint64 scaled = qint64(value) * RuleRecordBuilder::kRuleSpace / viewSide;
    return int32_t(qBound<qint64>(0, scaled, RuleRecordBuilder::kRuleSpace - 1));
}

}  // namespace

std::optional<PicRuleRecord> RuleRecordBuilder::build(quint32 key, int kind, const QVector<QPoint>& viewPoints,
                                                      const QSize& viewSize, const QString& title,
                                                      const USBSDK_GlobalTemperParam& global)
{
    const KindPoints* row = nullptr;
    for (const KindPoints& r : kKindPoints)
        if (r.kind == kind) row = &r;
    if (!row || viewPoints.size() < row->minPoints || viewSize.width() < 1 || viewSize.height() < 1)
        return std::nullopt;
    if (kind == PicRuleRecord::kPolygon && viewPoints.size() > row->maxPoints) return std::nullopt;

    PicRuleRecord record;
    std::memset(&record, 0, sizeof record);
    record.key = key;
    PicRuleRecord::kindToType(kind, &record.rule.meterType, &record.rule.param);
    const int count = qMin(int(viewPoints.size()), row->maxPoints);
    record.rule.pointNum = count;
    for (int i = 0; i < count; ++i) {
        const QPoint p = toRuleSpace(viewPoints[i], viewSize);
        record.rule.points[i] = {p.x(), p.y()};
    }
    copyUtf8(record.rule.name, int(sizeof record.rule.name), title);
    record.rule.emissivity = global.emissivity;
    record.rule.distance = global.distance;
    record.rule.reflectedTemp = global.reflectedTemp;
    record.rule.alarmMode = global.alarmMode;
    record.rule.alarmThreshold = global.alarmThreshold;
    return record;
}

QPoint RuleRecordBuilder::toRuleSpace(const QPoint& viewPoint, const QSize& viewSize)
{
    return QPoint(toRuleSpaceSide(viewPoint.x(), viewSize.width()), toRuleSpaceSide(viewPoint.y(), viewSize.height()));
}

void RuleRecordBuilder::copyUtf8(char* field, int capacity, const QString& text)
{
    if (!field || capacity < 1) return;
    std::memset(field, 0, size_t(capacity));
    const QByteArray utf8 = text.toUtf8();
    int n = qMin(int(utf8.size()), capacity - 1);
    // Step back over continuation bytes when the cut falls inside a character.
    if (n < utf8.size())
        while (n > 0 && (uchar(utf8[n]) & 0xC0) == 0x80) --n;
    std::memcpy(field, utf8.constData(), size_t(n));
}
