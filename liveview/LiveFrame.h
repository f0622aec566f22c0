// One live frame as the program passes it between threads: immutable once
// published, shared by every consumer that still holds it (FramePtr). The
// frame intake fills frames from a small pool; a buffer is reused only when
// nobody holds it any more.
#pragma once

#include <QMetaType>

#include <cstdint>
#include <memory>
#include <vector>

struct LiveFrame {
    // Bytes of the camera's radiometric block behind the raw words.
    static constexpr size_t kRedunBytes = 1368;

    int width = 0;
    int height = 0;
    // QVideoPlay::tickNow() when the frame was taken in: recordings stamp
    // their frames with it.
    int64_t captureMs = 0;
    // Display frame, packed YUV 4:2:2 (U, Y0, V, Y1), width * height * 2 bytes.
    std::vector<uint8_t> yuv;
    // width * height raw 16-bit words and the radiometric block; empty when
    // the camera sends no raw data.
    std::vector<uint8_t> raw;

    bool hasRaw() const { return !raw.empty(); }
};

using FramePtr = std::shared_ptr<const LiveFrame>;

Q_DECLARE_METATYPE(FramePtr)
