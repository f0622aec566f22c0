// The process-wide text table: key -> text shown. Pages look a text up by
// its key with the key as the default; nothing adds entries, so every
// lookup yields its key.
#pragma once

#include <QMap>
#include <QString>

QMap<QString, QString>& getTextMap();
// The text for key, or the key itself.
QString textOf(const QString& key);
