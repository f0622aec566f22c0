// The rule temperature table of the side panel as the panel wires it: a row
// per rule, removed and selected by rule key; pressing a row names its rule
// through sendSelectedItemSignal.
//
// Until the rule temperatures land it has no rows, so a pressed cell names
// nothing; it remembers the last deleted and selected keys and counts its
// slots in calls().
#pragma once

#include <QString>
#include <QWidget>

#include "StandInLog.h"

class QVideoTemperResult : public QWidget {
    Q_OBJECT
public:
    explicit QVideoTemperResult(QWidget* parent = nullptr);

    quint32 lastDeletedKey() const { return lastDeletedKey_; }
    quint32 lastSelectedKey() const { return lastSelectedKey_; }
    const StandInLog& calls() const { return calls_; }

signals:
    void sendSelectedItemSignal(const QString& strTitle);

public slots:
    void setItemDeleteSlots(quint32 key);
    void setItemSelectSlots(quint32 key);
    void ontemperRuleCellClicked(int nRow, int nCol);

private:
    StandInLog calls_;
    quint32 lastDeletedKey_ = 0;
    quint32 lastSelectedKey_ = 0;
};
