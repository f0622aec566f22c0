// What every measurement rule item has in common, on the live video's rule
// overlay and on the picture analysis scene alike: its owner (the scene
// control it reports to), its title, its process-wide id, its kind, the
// points it reports and how the control rescales it.
//
// The six rule item classes (PointItem, LineItem, RectItem, EllipseItem,
// CircularItem, PolygonItem) derive from their Qt graphics item and from
// RuleItem. An item carries its kind in item data key 1 (1 point .. 6
// polygon) and its id in data key 2. Ids come from one counter for the whole
// run (from 1, never reused); 0 means "no item" (the whole-picture row "G").
// A pointer is never used as a key: records, results and signals carry the id.
#pragma once

#include <QGraphicsItem>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

#include "ItemInfo.h"

// The scene control a rule item reports to. Reports are made on the GUI
// thread during the item's event handling.
class RuleItemOwner {
public:
    // After each move or resize step: the item's id and its points.
    virtual void emitItemChanged(const ItemInfo& info) = 0;
    // The item is about to become selected.
    virtual void emitItemSelected(quint32 id) = 0;
    // At each mouse release over the item.
    virtual void emitItemReleased() = 0;
    // The owner's context menu, executed at the cursor (a selected item's
    // context menu event).
    virtual void execItemMenu() = 0;
    // The image flip the labels undo so that they read normally: 0 none,
    // 1 upside down, 2 mirrored left to right, 3 both.
    virtual int labelFlip() const = 0;

protected:
    ~RuleItemOwner() = default;
};

class RuleItem {
public:
    enum DataKey { kKindKey = 1, kIdKey = 2 };
    // Kinds, the same numbers as the drawing modes of the scene controls.
    enum Kind { kNone = 0, kPoint = 1, kLine = 2, kRectangle = 3, kEllipse = 4, kCircle = 5, kPolygon = 6 };
    static constexpr int kMinSize = 16;    // smallest drawn or resized side
    static constexpr int kMinRadius = 8;   // smallest circle radius
    static constexpr int kHandleSize = 8;  // side of a handle square

    // A new id: 1, 2, ... for the run (thread-safe).
    static quint32 nextId();
    // Kind and id from the item's data; 0 for null or an item without them.
    static int kindOf(const QGraphicsItem* item);
    static quint32 idOf(const QGraphicsItem* item);
    // The rule item behind a graphics item; null for null or another item.
    static RuleItem* from(QGraphicsItem* item);

    // Creates the item of a kind from its points in view pixels, as a scene
    // control creates a drawn rule: 1 a point at points[0]; 2 a line from
    // points[0] to points[1]; 3, 4, 5 a rectangle, ellipse or circle with
    // the box (0, 0, points[1].x - points[0].x, points[2].y - points[1].y)
    // at points[0]; 6 a polygon of the points at (0, 0). The item gets a new
    // id, the owner and the title; it is not on a scene yet. Null for
    // another kind or too few points. The caller owns the item.
    static QGraphicsItem* create(int kind, const QString& title, const QVector<QPoint>& points, RuleItemOwner* owner);

    // Where things may lie in a scene. The scene's left and top edges are
    // inside it, its right and bottom edges are not: a point at or beyond
    // them is pulled back to one pixel inside. clampToScene keeps a point
    // there; limitPosition keeps an item there whose extent is given in its
    // own coordinates (a new left or top edge is raised to the scene's; a
    // right or bottom edge at or beyond the scene's ends one pixel inside).
    static QPointF clampToScene(const QPointF& p, const QRectF& scene);
    static QPointF limitPosition(const QPointF& pos, const QRectF& extent, const QRectF& scene);

    virtual ~RuleItem() = default;

    void setOwner(RuleItemOwner* owner) { owner_ = owner; }
    RuleItemOwner* owner() const { return owner_; }
    void setTitle(const QString& title) { title_ = title; }
    QString name() const { return title_; }
    int kind() const { return kind_; }
    quint32 id() const { return id_; }

    virtual QGraphicsItem* graphicsItem() = 0;
    const QGraphicsItem* graphicsItem() const { return const_cast<RuleItem*>(this)->graphicsItem(); }
    // The points it reports, scene coordinates truncated to integers, in the
    // order of the rule record: point: its position; line: both ends;
    // rectangle, ellipse, circle: corners top-left, top-right, bottom-right,
    // bottom-left; polygon: every vertex.
    virtual QVector<QPoint> updatePoints() const = 0;
    // The control was resized from oldSize to newSize: position and geometry
    // scale by the ratios of the sides (a circle may become an ellipse).
    // Nothing for an old size without area.
    void rescale(const QSizeF& oldSize, const QSizeF& newSize);
    // The view of the picture changed (a resize, a digital zoom): every
    // scene point p moves to (p.x * sx + shift.x, p.y * sy + shift.y). The
    // rule itself stays where it is in the picture, so nothing is reported.
    virtual void remap(qreal sx, qreal sy, const QPointF& shift) = 0;
    // A mapped coordinate within a millionth of a whole pixel is that
    // pixel: a rule drawn on whole pixels comes back to them exactly after
    // any chain of zooms, instead of a hair short (which truncates to the
    // pixel before).
    static qreal snapToPixel(qreal v);
    // The handle under the mouse: 0 none (polygon: -1 none, else the vertex
    // index); see the classes for the numbers.
    int activeHandle() const { return activeHandle_; }

protected:
    // Stores kind and a new id in the item's data.
    RuleItem(QGraphicsItem* self, int kind);
    // Reports the item's points to the owner, when it has one.
    void reportChanged();

    RuleItemOwner* owner_ = nullptr;  // the scene control; not owned
    QString title_;
    int activeHandle_ = 0;

private:
    int kind_;
    quint32 id_;
};
