// The image information module page (module 3) as the live page wires it: a
// palette chosen on the page leaves through sendFalseColorIndexSignals; the
// live page refreshes the page and keeps its palette choice in step with
// the camera.
//
// Until the image parameter panel lands the page remembers what it was
// told and counts its members in calls().
#pragma once

#include <QWidget>

#include "StandInLog.h"

class QImageInfoModule : public QWidget {
    Q_OBJECT
public:
    explicit QImageInfoModule(QWidget* parent = nullptr);

    // Refresh on showing module 3, on every change of the connection and
    // after a sleep-mode result.
    void refreshImageParam();
    void setFalseColEnabled(bool bEnable);
    void setFalseColCurIndex(int nIndex);
    void updateFalseColorList();

    bool falseColEnabled() const { return falseColEnabled_; }
    int falseColCurIndex() const { return falseColCurIndex_; }
    const StandInLog& calls() const { return calls_; }

signals:
    void sendFalseColorIndexSignals(int nIndex);

public slots:
    void setUpdateFalseColCurIndexSlots(int index);

private:
    StandInLog calls_;
    bool falseColEnabled_ = true;
    int falseColCurIndex_ = -1;
};
