// One change of a live rule item, as the rule overlay reports it: the item's
// key (its process-wide id, never a pointer) and its points in view pixels.
// A value type, so it crosses threads and outlives the emitting call.
#pragma once

#include <QMetaType>
#include <QPoint>
#include <QVector>

struct ItemInfo {
    quint32 key = 0;  // 0: no item
    QVector<QPoint> points;
};

Q_DECLARE_METATYPE(ItemInfo)
