#include "RenderCore.h"

#include <QImage>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "AppHelpers.h"
#include "ImageBufferHelpers.h"
#include "VideoSurface.h"

namespace {

struct View {
    VideoSurface* target = nullptr;
    int width = 0;  // announced frame size
    int height = 0;
    cv::Mat rgb;  // the frame converted, frame-sized; only the drawn region is filled
    // Work planes kept from frame to frame, so that drawing allocates nothing
    // once the sizes settle.
    cv::Mat luma, chroma;              // the crop's Y and its U, V samples
    cv::Mat lumaSized, chromaSized;    // scaled to the picture
    cv::Mat packed;                    // the scaled planes as 4:2:2 again
    cv::Mat rgbSized;                  // the picture in RGB before it takes the widget's format
    // Pictures in the format the widget paints (RGB32), reused once the
    // widget has let go of them.
    std::array<QImage, 3> ring;
    size_t nextSlot = 0;
    QImage picture;  // drawn, not yet presented
};

// A picture of `size` from the ring: one nobody else holds, else a new one in
// the next slot (the widget may still hold the others).
QImage& freePicture(View& view, const QSize& size)
{
    for (QImage& image : view.ring)
        if (image.size() == size && image.isDetached()) return image;
    QImage& slot = view.ring[view.nextSlot];
    view.nextSlot = (view.nextSlot + 1) % view.ring.size();
    slot = QImage(size, QImage::Format_RGB32);
    return slot;
}

// Views by handle. The lock covers the table only: a view's own work runs
// on its thread without it, so views of different players never wait for
// each other.
std::mutex gViewsLock;
std::map<RenderCore::Handle, std::shared_ptr<View>> gViews;
RenderCore::Handle gLastHandle = 0;

std::shared_ptr<View> findView(RenderCore::Handle handle)
{
    std::lock_guard<std::mutex> lock(gViewsLock);
    const auto it = gViews.find(handle);
    return it == gViews.end() ? nullptr : it->second;
}

}  // namespace

RenderCore::Handle RenderCore::open(const RenderViewOpen* record)
{
    if (!record || record->kind != RenderViewOpen::kKind || !record->window) return 0;
    auto* surface = qobject_cast<VideoSurface*>(static_cast<QObject*>(static_cast<QWidget*>(record->window)));
    if (!surface) return 0;
    auto view = std::make_shared<View>();
    view->target = surface;
    std::lock_guard<std::mutex> lock(gViewsLock);
    do {
        ++gLastHandle;
    } while (gLastHandle == 0 || gViews.count(gLastHandle) != 0);
    gViews.emplace(gLastHandle, std::move(view));
    return gLastHandle;
}

int RenderCore::setSize(Handle handle, int width, int height)
{
    const std::shared_ptr<View> view = findView(handle);
    // Pixel pairs share their chroma, so rows hold whole pairs.
    if (!view || width <= 0 || height <= 0 || width % 2 != 0) return 0;
    try {
        view->rgb.create(height, width, CV_8UC3);
    } catch (const std::exception&) {  // out of memory
        view->width = view->height = 0;
        return 0;
    }
    view->width = width;
    view->height = height;
    view->picture = QImage();
    return 1;
}

int RenderCore::draw(Handle handle, const RenderFrameDesc* frame, const RenderRect* source, int /*reserved*/)
{
    const std::shared_ptr<View> view = findView(handle);
    if (!view || !frame || !source || !frame->yuv ||
        frame->word[RenderFrameDesc::kFormat] != RenderFrameDesc::kFormatValue)
        return 0;
    const int w = int(frame->word[RenderFrameDesc::kPlaneWidth] / 4);
    const int h = int(frame->word[RenderFrameDesc::kPlaneHeight] / 4);
    if (w <= 0 || h <= 0 || w != view->width || h != view->height) return 0;
    const RenderRect& r = *source;
    if (r.left < 0 || r.top < 0 || r.right > 4 * w || r.bottom > 4 * h || r.right <= r.left || r.bottom <= r.top)
        return 0;

    // The picture keeps the frame's aspect ratio inside the widget, with the
    // arithmetic the live page uses to lay the rule overlay over it.
    QSize target = view->target->targetSize();
    if (!target.isEmpty()) {
        int fitW = target.width(), fitH = target.height();
        FitSizeKeepRatio(w, h, target.width(), target.height(), fitW, fitH);
        target = QSize(fitW, fitH);
    }
    if (target.isEmpty()) {
        view->picture = QImage();
        return 1;
    }

    // The crop in frame pixels.
    const int x0 = r.left / 4, x1 = (r.right + 3) / 4;
    const int y0 = r.top / 4, y1 = (r.bottom + 3) / 4;
    const int cropW = x1 - x0, cropH = y1 - y0;

    QImage& picture = freePicture(*view, target);
    if (picture.isNull()) return 0;
    cv::Mat out(target.height(), target.width(), CV_8UC4, picture.bits(), size_t(picture.bytesPerLine()));
    try {
        if (x0 % 2 == 0 && cropW % 2 == 0 && target.width() % 2 == 0 && QSize(cropW, cropH) != target) {
            // Scaled while still 4:2:2, then converted: the luma and the
            // half-width chroma are three samples a pixel pair fewer than
            // RGB, and the conversion runs over the picture's pixels rather
            // than the crop's.
            const cv::Mat crop(cropH, cropW, CV_8UC2, const_cast<uint8_t*>(frame->yuv) + (size_t(y0) * size_t(w) + x0) * 2,
                               size_t(w) * 2);
            cv::extractChannel(crop, view->luma, 1);
            cv::extractChannel(crop, view->chroma, 0);
            const cv::Mat uv(cropH, cropW / 2, CV_8UC2, view->chroma.data, view->chroma.step);
            const cv::Size size(target.width(), target.height());
            cv::resize(view->luma, view->lumaSized, size, 0, 0, cv::INTER_CUBIC);
            cv::resize(uv, view->chromaSized, cv::Size(size.width / 2, size.height), 0, 0, cv::INTER_CUBIC);
            const cv::Mat chromaSamples(size, CV_8UC1, view->chromaSized.data, view->chromaSized.step);
            const cv::Mat planes[2] = {chromaSamples, view->lumaSized};
            cv::merge(planes, 2, view->packed);
            view->rgbSized.create(size, CV_8UC3);
            Yuv422ToRgb(view->packed.ptr<uint8_t>(), view->rgbSized.ptr<uint8_t>(), size.width, size.height);
        } else {
            // Whole pixel pairs cover the crop: converted, then scaled.
            const int pairStart = x0 & ~1, pairEnd = std::min(w, (x1 + 1) & ~1);
            for (int y = y0; y < y1; ++y)
                Yuv422ToRgb(frame->yuv + (size_t(y) * size_t(w) + size_t(pairStart)) * 2,
                            view->rgb.ptr<uint8_t>(y) + pairStart * 3, pairEnd - pairStart, 1);
            const cv::Mat crop = view->rgb(cv::Rect(x0, y0, cropW, cropH));
            if (crop.size() == out.size())
                crop.copyTo(view->rgbSized);
            else
                cv::resize(crop, view->rgbSized, out.size(), 0, 0, cv::INTER_CUBIC);
        }
        cv::cvtColor(view->rgbSized, out, cv::COLOR_RGB2BGRA);
    } catch (const std::exception&) {  // out of memory for the work planes
        return 0;
    }
    view->picture = picture;
    return 1;
}

int RenderCore::present(Handle handle)
{
    const std::shared_ptr<View> view = findView(handle);
    if (!view) return 0;
    QImage picture = std::exchange(view->picture, QImage());
    if (!picture.isNull()) view->target->postFrame(std::move(picture));
    return 1;
}

int RenderCore::clear(Handle handle, const RenderRect* /*rect*/)
{
    const std::shared_ptr<View> view = findView(handle);
    if (!view) return 0;
    view->picture = QImage();
    view->target->postClear();
    return 1;
}

int RenderCore::close(Handle handle)
{
    std::shared_ptr<View> view;
    {
        std::lock_guard<std::mutex> lock(gViewsLock);
        const auto it = gViews.find(handle);
        if (it == gViews.end()) return 0;
        view = std::move(it->second);
        gViews.erase(it);
    }
    return 1;  // the view's buffers go with the last reference, outside the lock
}

RenderFrameDesc RenderCore::describe(const uint8_t* yuv, int width, int height)
{
    RenderFrameDesc d;
    const uint32_t w = uint32_t(width), h = uint32_t(height);
    const uint32_t planeWidths[3] = {4 * w, 2 * w, 2 * w};
    const uint32_t planeHeights[3] = {4 * h, 2 * h, 2 * h};
    for (int p = 0; p < 3; ++p) {
        d.word[RenderFrameDesc::kPlaneWidth + p] = planeWidths[p];
        d.word[RenderFrameDesc::kPlaneHeight + p] = planeHeights[p];
        d.word[RenderFrameDesc::kPlaneStride + p] = planeWidths[p];
        d.word[RenderFrameDesc::kPlaneRows + p] = planeHeights[p];
    }
    d.word[RenderFrameDesc::kFormat] = RenderFrameDesc::kFormatValue;
    d.yuv = yuv;
    return d;
}

RenderRect RenderCore::sourceRect(int width, int height, int cx, int cy)
{
    return RenderRect{cx, cy, 4 * width - cx, 4 * height - cy};
}
