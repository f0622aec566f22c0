// The rule items of a rule scene control as (title, item) pairs in creation
// order, with the routines both scene controls (the live video overlay and
// the picture analysis scene) run on it: titles, look-up by id, new rule
// names and switching the items between drawing and editing.
#pragma once

#include <QGraphicsItem>
#include <QString>
#include <QVector>

class RuleItemList {
public:
    struct Entry {
        QString title;
        QGraphicsItem* item;  // not owned: the control's scene owns it
    };
    // Highest number of a rule title ("P1" .. "P32").
    static constexpr int kMaxTitleNumber = 32;

    void append(const QString& title, QGraphicsItem* item);
    // Removes the first pair whose item is this one; none: nothing happens.
    void removeItemFromList(const QGraphicsItem* item);
    void clear() { entries_.clear(); }

    int size() const { return entries_.size(); }
    bool isEmpty() const { return entries_.isEmpty(); }
    const QVector<Entry>& entries() const { return entries_; }
    QVector<Entry>::const_iterator begin() const { return entries_.begin(); }
    QVector<Entry>::const_iterator end() const { return entries_.end(); }

    bool contains(const QGraphicsItem* item) const;
    // The item with this id (RuleItem::idOf); null for 0 or an id not here.
    QGraphicsItem* findById(quint32 id) const;

    // The title a result row shows for an item: "G" (the whole picture) for
    // null or an item that is no rule item of kind 1..6, else its title.
    static QString getItemTitle(const QGraphicsItem* item);

    // The title for a new rule of a kind: prefix P, L, R, Ep, Cr or Po
    // followed by the lowest number 1..32 that no listed title of that
    // prefix uses; empty when all 32 are taken or for another kind.
    QString makeRuleTitle(int kind) const;
    static QString titlePrefix(int kind);

    // Sets (editing) or clears (a drawing tool is chosen) ItemIsSelectable,
    // ItemIsMovable and ItemSendsGeometryChanges on every listed item.
    void setItemsMovable(bool movable);

private:
    QVector<Entry> entries_;
};
