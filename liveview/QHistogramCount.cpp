#include "QHistogramCount.h"

#include <utility>

QHistogramCount::QHistogramCount(std::shared_ptr<FrameMailbox> mailbox, QObject* parent)
    : QObject(parent), mailbox_(std::move(mailbox))
{
}

QList<qreal> QHistogramCount::countGreyLevels(const uint8_t* yuv, int nW, int nH, uint* largest)
{
    if (largest) *largest = 0;
    QList<qreal> out;
    if (!yuv || nW <= 0 || nH <= 0) return out;
    uint counts[256] = {};
    const size_t bytes = size_t(nW) * size_t(nH) * 2;
    for (size_t i = 1; i < bytes; i += 2) ++counts[yuv[i]];
    uint top = 0;
    out.reserve(256);
    for (uint c : counts) {
        out.append(qreal(c));
        if (c > top) top = c;
    }
    if (largest) *largest = top;
    return out;
}

void QHistogramCount::setCalculateYConutSlot()
{
    const FramePtr frame = mailbox_ ? mailbox_->take() : nullptr;
    if (!frame || frame->width <= 0 || frame->height <= 0) return;
    if (frame->yuv.size() < size_t(frame->width) * size_t(frame->height) * 2) return;
    uint largest = 0;
    const QList<qreal> counts = countGreyLevels(frame->yuv.data(), frame->width, frame->height, &largest);
    emit sendCalculateYConutRetSignal(counts, largest);
}
