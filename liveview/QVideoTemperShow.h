// The temperature overlay over the live video as the live page wires it:
// one block per rule, taken out when its rule is deleted, and transparent
// for the mouse while the rule overlay asks for it.
//
// Until the rule temperatures land it shows no blocks; it remembers the
// last deleted rule key and counts its slots in calls().
#pragma once

#include <QWidget>

#include "StandInLog.h"

class QVideoTemperShow : public QWidget {
    Q_OBJECT
public:
    explicit QVideoTemperShow(QWidget* parent = nullptr);

    quint32 lastDeletedKey() const { return lastDeletedKey_; }
    const StandInLog& calls() const { return calls_; }

public slots:
    void setMouseTransparentSlots(bool bFlag);
    void setItemDeleteSlots(quint32 key);

private:
    StandInLog calls_;
    quint32 lastDeletedKey_ = 0;
};
