#include "RuleItemList.h"

#include <QSet>

#include "RuleItem.h"

namespace {

const char* const kTitlePrefixes[] = {"", "P", "L", "R", "Ep", "Cr", "Po"};
constexpr int kPrefixCount = int(sizeof kTitlePrefixes / sizeof kTitlePrefixes[0]);

}  // namespace

void RuleItemList::append(const QString& title, QGraphicsItem* item)
{
    entries_.append(Entry{title, item});
}

void RuleItemList::removeItemFromList(const QGraphicsItem* item)
{
    for (int i = 0; i < entries_.size(); ++i) {
        if (entries_[i].item != item) continue;
        entries_.remove(i);
        return;
    }
}

bool RuleItemList::contains(const QGraphicsItem* item) const
{
    for (const Entry& e : entries_)
        if (e.item == item) return true;
    return false;
}

QGraphicsItem* RuleItemList::findById(quint32 id) const
{
    if (id == 0) return nullptr;
    for (const Entry& e : entries_)
        if (RuleItem::idOf(e.item) == id) return e.item;
    return nullptr;
}

QString RuleItemList::getItemTitle(const QGraphicsItem* item)
{
    const QString whole = QStringLiteral("G");
    const int kind = RuleItem::kindOf(item);
    if (kind < RuleItem::kPoint || kind > RuleItem::kPolygon) return whole;
    const RuleItem* rule = RuleItem::from(const_cast<QGraphicsItem*>(item));
    return rule ? rule->name() : whole;
}

QString RuleItemList::titlePrefix(int kind)
{
    if (kind < 0 || kind >= kPrefixCount) return QString();
    return QString::fromLatin1(kTitlePrefixes[kind]);
}

QString RuleItemList::makeRuleTitle(int kind) const
{
    const QString prefix = titlePrefix(kind);
    if (prefix.isEmpty()) return QString();
    QSet<QString> used;
    for (const Entry& e : entries_) used.insert(e.title);
    for (int n = 1; n <= kMaxTitleNumber; ++n) {
        const QString title = prefix + QString::number(n);
        if (!used.contains(title)) return title;
    }
    return QString();
}

void RuleItemList::setItemsMovable(bool movable)
{
    const QGraphicsItem::GraphicsItemFlags editing =
        QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemSendsGeometryChanges;
    for (const Entry& e : entries_) {
        if (!e.item) continue;
        e.item->setFlags(movable ? (e.item->flags() | editing) : (e.item->flags() & ~editing));
    }
}
