// Records every signal that an object's own class declares, in the order
// they arrive, with their arguments. The calls are queued to the journal's
// thread, so a worker on another thread never touches the journal, and
// every argument crosses the thread boundary the way a page would receive
// it (an unregistered type would not arrive at all).
#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaMethod>
#include <QObject>
#include <QVariant>
#include <QVector>

class SignalJournal : public QObject {
public:
    struct Entry {
        QByteArray name;
        QVariantList args;
    };

    explicit SignalJournal(QObject* source);

    QList<Entry> entries() const { return entries_; }
    QList<QByteArray> names() const;
    // The arguments of every emission of the named signal, in order.
    QList<QVariantList> argsOf(const QByteArray& name) const;
    int count(const QByteArray& name) const { return argsOf(name).size(); }
    void clear() { entries_.clear(); }

    // Receives the queued calls; not to be called otherwise.
    int qt_metacall(QMetaObject::Call call, int id, void** args) override;

private:
    QVector<QMetaMethod> signals_;
    QList<Entry> entries_;
};
