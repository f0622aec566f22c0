// The h264enc entry points: record checks, then the work of H264Encoder.

#include "h264enc.h"

#include "H264Encoder.h"

#include <new>

namespace {

bool evenSide(uint32_t side)
{
    return side >= 2 && side <= MAV_P264_MAX_SIDE && side % 2 == 0;
}

void clearOutput(MAV_P264_EncOutput* out)
{
    out->data = nullptr;
    out->length = 0;
}

}  // namespace

extern "C" int MAV_P264_Enc_Open(const MAV_P264_EncParam* param, void** handle)
{
    if (!handle) return MAV_P264_ERR_ARGUMENT;
    *handle = nullptr;
    if (!param) return MAV_P264_ERR_ARGUMENT;
    const uint32_t width = param->word[MAV_P264_PARAM_WIDTH];
    const uint32_t height = param->word[MAV_P264_PARAM_HEIGHT];
    const uint32_t fps = param->word[MAV_P264_PARAM_FPS];
    if (!evenSide(width) || !evenSide(height) || fps < 1 || fps > MAV_P264_MAX_FPS) return MAV_P264_ERR_ARGUMENT;
    int result = MAV_P264_ERR_NO_MEMORY;
    try {
        *handle = H264Encoder::open(int(width), int(height), int(fps), &result);
    } catch (const std::bad_alloc&) {
        result = MAV_P264_ERR_NO_MEMORY;
    }
    return result;
}

extern "C" int MAV_P264_Enc_Start(void* handle, const MAV_P264_EncInput* in, MAV_P264_EncOutput* out)
{
    if (!out) return MAV_P264_ERR_ARGUMENT;
    clearOutput(out);
    if (!handle || !in || !in->y || !in->u || !in->v) return MAV_P264_ERR_ARGUMENT;
    H264Encoder* encoder = static_cast<H264Encoder*>(handle);
    const int width = encoder->width();
    if (in->width != width || in->lineY < width || in->lineU < width / 2 || in->lineV < width / 2) {
        return MAV_P264_ERR_ARGUMENT;
    }
    const H264Encoder::Picture picture{{in->y, in->u, in->v}, {in->lineY, in->lineU, in->lineV}};
    const uint8_t* data = nullptr;
    int length = 0;
    const int result = encoder->encode(picture, &data, &length);
    if (result == MAV_P264_OK) {
        out->data = data;
        out->length = uint32_t(length);
    }
    return result;
}

extern "C" void MAV_P264_Enc_Close(void* handle)
{
    delete static_cast<H264Encoder*>(handle);
}
