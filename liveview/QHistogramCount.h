// The histogram's counting worker, run on the histogram dialog's own thread.
// The dialog leaves the newest frame in a mailbox shared with the worker and
// wakes it only when the box was empty, so a busy worker skips frames
// instead of queueing them; the worker counts the grey (Y) levels of the
// frame it takes and reports the 256 counts.
#pragma once

#include <QList>
#include <QObject>

#include <cstdint>
#include <memory>

#include "FrameMailbox.h"

class QHistogramCount : public QObject {
    Q_OBJECT
public:
    // mailbox: where the dialog leaves frames; shared with it.
    explicit QHistogramCount(std::shared_ptr<FrameMailbox> mailbox, QObject* parent = nullptr);

    // Counts of the grey levels 0..255 in a packed U, Y0, V, Y1 frame of
    // nW x nH pixels (the Y samples are the odd bytes); largest gets the
    // biggest count, the first one on ties. Empty for no frame.
    static QList<qreal> countGreyLevels(const uint8_t* yuv, int nW, int nH, uint* largest);

signals:
    void sendCalculateYConutRetSignal(QList<qreal> qList, uint unMax);

public slots:
    // Takes the pending frame, if any, and reports its counts.
    void setCalculateYConutSlot();

private:
    std::shared_ptr<FrameMailbox> mailbox_;
};
