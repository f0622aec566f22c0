#include "PicRuleRecord.h"

namespace {

struct KindRow {
    int kind;
    int32_t type;
    int32_t shape;
};

constexpr KindRow kKinds[] = {
    {PicRuleRecord::kPoint, PicRuleRecord::kTypePoint, PicRuleRecord::kShapePolygon},
    {PicRuleRecord::kLine, PicRuleRecord::kTypeLine, PicRuleRecord::kShapePolygon},
    {PicRuleRecord::kRectangle, PicRuleRecord::kTypeArea, PicRuleRecord::kShapeRectangle},
    {PicRuleRecord::kEllipse, PicRuleRecord::kTypeArea, PicRuleRecord::kShapeEllipse},
    {PicRuleRecord::kCircle, PicRuleRecord::kTypeArea, PicRuleRecord::kShapeCircle},
    {PicRuleRecord::kPolygon, PicRuleRecord::kTypeArea, PicRuleRecord::kShapePolygon},
};

}  // namespace

bool PicRuleRecord::kindToType(int kind, int32_t* type, int32_t* shape)
{
    for (const KindRow& row : kKinds) {
        if (row.kind != kind) continue;
        if (type) *type = row.type;
        if (shape) *shape = row.shape;
        return true;
    }
    return false;
}

int PicRuleRecord::typeToKind(int32_t type, int32_t shape)
{
    for (const KindRow& row : kKinds)
        if (row.type == type && row.shape == shape) return row.kind;
    return kNone;
}
