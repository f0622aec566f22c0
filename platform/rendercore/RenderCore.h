// The renderer of the live video, with the calls the frame worker has always
// made: open a view on a target, announce the frame size, draw a frame from
// a source rectangle, present it, clear the target, close the view. Handles
// are small numbers; 0 means failure.
//
// The target is the VideoSurface the view was opened on (a QWidget*, passed
// as void* like the window handles this replaces). A drawn frame becomes one
// RGB picture the size of the target: the source rectangle (in pixels of the
// four-times enlarged frame) is cropped from the frame, converted from YUV
// 4:2:2 and scaled once, bicubically. The enlarged planes the descriptor
// describes are never made; its words stay what the renderer was always
// given. Presenting hands the picture to the target by a queued call.
//
// Threads: a view belongs to the thread that opened it; draw and present
// run there (the scaling work stays on the caller's thread). Different views
// may be used on different threads at once. The target must outlive its
// view: close the view before the widget goes.
#pragma once

#include <cstddef>
#include <cstdint>

// What a view is opened with: {4, target, 0}.
struct RenderViewOpen {
    static constexpr uint32_t kKind = 4;
    uint32_t kind = kKind;
    void* window = nullptr;  // the VideoSurface to draw into
    uint32_t reserved = 0;
};

// A rectangle, right and bottom exclusive.
struct RenderRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
static_assert(sizeof(RenderRect) == 16, "a rectangle is four 32-bit words");

// One frame for draw: 52 numeric words (208 bytes) describing the enlarged
// Y, U and V planes, and beside them the real pointer to the frame. Words
// 4 to 6 once held the planes' addresses and stay 0 here.
struct RenderFrameDesc {
    static constexpr int kWords = 52;
    static constexpr int kPlaneWidth = 7;    // words 7..9: 4W, 2W, 2W
    static constexpr int kPlaneHeight = 10;  // words 10..12: 4H, 2H, 2H
    static constexpr int kPlaneStride = 13;  // words 13..15: line lengths in bytes
    static constexpr int kPlaneRows = 16;    // words 16..18: 4H, 2H, 2H
    static constexpr int kFormat = 20;
    static constexpr uint32_t kFormatValue = 0x01400203;

    uint32_t word[kWords] = {};
    const uint8_t* yuv = nullptr;  // the W x H frame, packed U, Y0, V, Y1; read during draw only
};
static_assert(offsetof(RenderFrameDesc, yuv) == RenderFrameDesc::kWords * 4, "the words come first");

class RenderCore {
public:
    using Handle = uint32_t;

    // A view on record->window; 0 when the record is missing, not of kind
    // 4, or its window is not a VideoSurface.
    static Handle open(const RenderViewOpen* record);
    // The size of the frames that follow (frame pixels, not enlarged).
    static int setSize(Handle view, int width, int height);
    // Makes the picture of one frame; the frame must have the size last
    // announced. 1 when drawn (or nothing to draw into: a target of no
    // size), 0 on a bad view, descriptor or rectangle.
    static int draw(Handle view, const RenderFrameDesc* frame, const RenderRect* source, int reserved);
    // Hands the picture of the last draw to the target.
    static int present(Handle view);
    // Puts the target back to its idle look; rect {0, 0, 0, 0} is the whole
    // target (the only use).
    static int clear(Handle view, const RenderRect* rect);
    // Forgets the view; the target keeps what it shows.
    static int close(Handle view);

    // The descriptor of a width x height frame, as the worker fills it.
    static RenderFrameDesc describe(const uint8_t* yuv, int width, int height);
    // The source rectangle of a crop at offsets (cx, cy) of the enlarged
    // frame: {cx, cy, 4W - cx, 4H - cy}.
    static RenderRect sourceRect(int width, int height, int cx, int cy);
};
