#include "TextMap.h"

QMap<QString, QString>& getTextMap()
{
    static QMap<QString, QString> table;
    return table;
}

QString textOf(const QString& key)
{
    return getTextMap().value(key, key);
}
