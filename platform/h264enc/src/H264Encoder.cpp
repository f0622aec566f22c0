#include "H264Encoder.h"

#include "h264enc.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
}

#include <cstring>

namespace {

// Encoders tried by name before any other H.264 encoder, best first.
const char* const kPreferredEncoders[] = {"libx264", "libopenh264"};

// A software encoder that takes yuv420p from memory (hardware encoders need
// devices and frame contexts the recorder does not set up).
bool usableFallback(const AVCodec* codec)
{
    if (!av_codec_is_encoder(codec) || codec->id != AV_CODEC_ID_H264) return false;
    if (codec->capabilities & AV_CODEC_CAP_HARDWARE) return false;
    if (!codec->pix_fmts) return false;
    for (const AVPixelFormat* f = codec->pix_fmts; *f != AV_PIX_FMT_NONE; ++f) {
        if (*f == AV_PIX_FMT_YUV420P) return true;
    }
    return false;
}

}  // namespace

H264Encoder::~H264Encoder()
{
    avcodec_free_context(&context_);
    av_frame_free(&frame_);
    av_packet_free(&packet_);
}

H264Encoder* H264Encoder::open(int width, int height, int fps, int* result)
{
    H264Encoder* encoder = new H264Encoder;
    encoder->frame_ = av_frame_alloc();
    encoder->packet_ = av_packet_alloc();
    if (!encoder->frame_ || !encoder->packet_) {
        delete encoder;
        *result = MAV_P264_ERR_NO_MEMORY;
        return nullptr;
    }
    bool opened = false;
    for (const char* name : kPreferredEncoders) {
        const AVCodec* codec = avcodec_find_encoder_by_name(name);
        if (codec && encoder->openCodec(codec, width, height, fps)) {
            opened = true;
            break;
        }
    }
    void* iter = nullptr;
    for (const AVCodec* codec = nullptr; !opened && (codec = av_codec_iterate(&iter));) {
        if (usableFallback(codec) && encoder->openCodec(codec, width, height, fps)) opened = true;
    }
    if (!opened) {
        delete encoder;
        *result = MAV_P264_ERR_NO_ENCODER;
        return nullptr;
    }
    encoder->frame_->format = AV_PIX_FMT_YUV420P;
    encoder->frame_->width = width;
    encoder->frame_->height = height;
    encoder->width_ = width;
    encoder->height_ = height;
    *result = MAV_P264_OK;
    return encoder;
}

bool H264Encoder::openCodec(const AVCodec* codec, int width, int height, int fps)
{
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (!context) return false;
    context->width = width;
    context->height = height;
    context->pix_fmt = AV_PIX_FMT_YUV420P;
    // The pictures are full-range BT.601 (see MAV_P264_CameraToI420); the
    // stream's VUI says so, or decoders take them for limited range.
    context->color_range = AVCOL_RANGE_JPEG;
    context->colorspace = AVCOL_SPC_SMPTE170M;
    context->color_primaries = AVCOL_PRI_SMPTE170M;
    context->color_trc = AVCOL_TRC_SMPTE170M;
    context->time_base = AVRational{1, fps};
    context->framerate = AVRational{fps, 1};
    context->gop_size = fps * 2;  // a key frame every two seconds
    context->max_b_frames = 0;    // pictures leave in the order they came
    // One thread: x264's sliced threads cost more than they give at camera
    // sizes (measured by recording_bench) and leave the other cores to the
    // program.
    context->thread_count = 1;
    // No AV_CODEC_FLAG_GLOBAL_HEADER: SPS and PPS then travel in band, in
    // front of every key frame, as the converter and file splitting expect.

    AVDictionary* options = nullptr;
    if (std::strcmp(codec->name, "libx264") == 0) {
        av_dict_set(&options, "preset", "ultrafast", 0);
        av_dict_set(&options, "tune", "zerolatency", 0);  // no look-ahead: one frame out per frame in
        av_dict_set(&options, "crf", "23", 0);
        // x264's statistics at every close are no news for the program's log; its errors still are.
        av_dict_set(&options, "x264-params", "log=0", 0);
    } else {
        // Rate-controlled encoders: about 0.15 bit per pixel.
        context->bit_rate = int64_t(width) * height * fps * 3 / 20;
    }
    const int opened = avcodec_open2(context, codec, &options);
    av_dict_free(&options);
    if (opened < 0) {
        avcodec_free_context(&context);
        return false;
    }
    context_ = context;
    return true;
}

int H264Encoder::encode(const Picture& picture, const uint8_t** data, int* length)
{
    av_packet_unref(packet_);  // the previous access unit is no longer handed out
    for (int i = 0; i < 3; ++i) {
        // The frame only borrows the caller's planes; libavcodec copies what
        // it keeps beyond this call.
        frame_->data[i] = const_cast<uint8_t*>(picture.planes[i]);
        frame_->linesize[i] = picture.lines[i];
    }
    frame_->pts = nextPts_++;
    const int sent = avcodec_send_frame(context_, frame_);
    for (int i = 0; i < 3; ++i) frame_->data[i] = nullptr;
    if (sent < 0 && sent != AVERROR(EAGAIN)) return MAV_P264_ERR_ENCODE;
    // EAGAIN: output is waiting; it is handed out and this picture skipped.
    const int received = avcodec_receive_packet(context_, packet_);
    if (received == AVERROR(EAGAIN)) return MAV_P264_NO_OUTPUT;
    if (received < 0 || packet_->size <= 0) {
        av_packet_unref(packet_);
        return MAV_P264_ERR_ENCODE;
    }
    *data = packet_->data;
    *length = packet_->size;
    return MAV_P264_OK;
}
