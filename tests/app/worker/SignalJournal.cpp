#include "SignalJournal.h"

SignalJournal::SignalJournal(QObject* source)
{
    const QMetaObject* meta = source->metaObject();
    // Each signal of the source gets a method index of its own behind
    // QObject's methods; qt_metacall maps it back.
    const int firstOwn = QObject::staticMetaObject.methodCount();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal) continue;
        QMetaObject::connect(source, i, this, firstOwn + signals_.size(), Qt::QueuedConnection);
        signals_ << method;
    }
}

QList<QByteArray> SignalJournal::names() const
{
    QList<QByteArray> list;
    for (const Entry& e : entries_) list << e.name;
    return list;
}

QList<QVariantList> SignalJournal::argsOf(const QByteArray& name) const
{
    QList<QVariantList> list;
    for (const Entry& e : entries_) {
        if (e.name == name) list << e.args;
    }
    return list;
}

int SignalJournal::qt_metacall(QMetaObject::Call call, int id, void** args)
{
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod) return id;
    if (id < signals_.size()) {
        const QMetaMethod& method = signals_[id];
        Entry entry{method.name(), {}};
        for (int i = 0; i < method.parameterCount(); ++i) entry.args << QVariant(method.parameterType(i), args[i + 1]);
        entries_ << entry;
    }
    return -1;
}
