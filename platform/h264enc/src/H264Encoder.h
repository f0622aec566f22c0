// One libavcodec H.264 encoder behind an h264enc handle: opens the first
// encoder that works (libx264, libopenh264, any other H.264 encoder) and
// turns one I420 picture into one Annex-B access unit per call.
#pragma once

#include <cstdint>

struct AVCodec;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;

class H264Encoder {
public:
    // A planar picture of the size given at open; lines in bytes.
    struct Picture {
        const uint8_t* planes[3];
        int lines[3];
    };

    ~H264Encoder();
    H264Encoder(const H264Encoder&) = delete;
    H264Encoder& operator=(const H264Encoder&) = delete;

    // Null when no H.264 encoder opens (or on allocation failure); *result
    // then holds the MAV_P264_Result.
    static H264Encoder* open(int width, int height, int fps, int* result);

    // MAV_P264_OK with the access unit in *data / *length (valid until the next
    // call), MAV_P264_NO_OUTPUT, or MAV_P264_ERR_ENCODE.
    int encode(const Picture& picture, const uint8_t** data, int* length);

    int width() const { return width_; }
    int height() const { return height_; }

private:
    H264Encoder() = default;
    bool openCodec(const AVCodec* codec, int width, int height, int fps);

    AVCodecContext* context_ = nullptr;  // owned
    AVFrame* frame_ = nullptr;           // owned; its planes point into the caller's picture during encode() only
    AVPacket* packet_ = nullptr;         // owned; holds the last access unit handed out
    int64_t nextPts_ = 0;
    int width_ = 0;
    int height_ = 0;
};
