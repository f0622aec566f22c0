// The streamconv entry points: argument checks, then the work of
// Mp4StreamWriter.

#include "streamconv.h"

#include "Mp4StreamWriter.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstring>
#include <new>
#include <string>

namespace {

Mp4StreamWriter* writerOf(void* handle)
{
    return static_cast<Mp4StreamWriter*>(handle);
}

}  // namespace

extern "C" int StreamConv_IsReady(void)
{
    return av_guess_format("mp4", nullptr, nullptr) != nullptr ? 1 : 0;
}

extern "C" int StreamConv_OpenFile(int type, const char* path, int pathLen, void** handle)
{
    if (!handle) return STREAMCONV_ERR_ARGUMENT;
    *handle = nullptr;
    if (!path || pathLen <= 0 || std::memchr(path, 0, size_t(pathLen))) return STREAMCONV_ERR_ARGUMENT;
    if (type != STREAMCONV_TYPE_MP4) return STREAMCONV_ERR_UNSUPPORTED;
    int result = STREAMCONV_ERR_NO_MEMORY;
    try {
        *handle = Mp4StreamWriter::open(std::string(path, size_t(pathLen)), &result);
    } catch (const std::bad_alloc&) {
        result = STREAMCONV_ERR_NO_MEMORY;
    }
    return result;
}

extern "C" int StreamConv_SetVideoFormat(void* handle, int width, int height, int fps)
{
    if (!handle) return STREAMCONV_ERR_ARGUMENT;
    return writerOf(handle)->setVideoFormat(width, height, fps);
}

extern "C" int StreamConv_WriteFrame(void* handle, const uint8_t* data, int length)
{
    if (!handle) return STREAMCONV_ERR_ARGUMENT;
    try {
        return writerOf(handle)->writeFrame(data, length);
    } catch (const std::bad_alloc&) {
        return STREAMCONV_ERR_NO_MEMORY;
    }
}

extern "C" int StreamConv_WriteFrameAt(void* handle, const uint8_t* data, int length, int64_t captureUs)
{
    if (!handle) return STREAMCONV_ERR_ARGUMENT;
    try {
        return writerOf(handle)->writeFrameAt(data, length, captureUs);
    } catch (const std::bad_alloc&) {
        return STREAMCONV_ERR_NO_MEMORY;
    }
}

extern "C" int StreamConv_FinishFile(void* handle)
{
    if (!handle) return STREAMCONV_ERR_ARGUMENT;
    return writerOf(handle)->finish();
}

extern "C" int StreamConv_CloseFile(void* handle)
{
    if (!handle) return STREAMCONV_ERR_ARGUMENT;
    Mp4StreamWriter* writer = writerOf(handle);
    const int result = writer->close();
    delete writer;
    return result;
}

extern "C" void StreamConv_Release(void) {}
