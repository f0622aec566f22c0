#include "Mp4StreamWriter.h"

#include "AnnexBScan.h"
#include "streamconv.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/mem.h>
}

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace {

const int kMaxSide = 8192;
const int kMaxFps = 120;
// The file's time base: 90 kHz, the customary video clock, exact for
// millisecond capture times and for the nominal rates 25, 30 and 50.
const AVRational kTimeBase{1, 90000};

}  // namespace

Mp4StreamWriter* Mp4StreamWriter::open(const std::string& path, int* result)
{
    std::unique_ptr<Mp4StreamWriter> writer(new Mp4StreamWriter);
    writer->path_ = path;
    if (avformat_alloc_output_context2(&writer->format_, nullptr, "mp4", nullptr) < 0 || !writer->format_) {
        *result = STREAMCONV_ERR_UNSUPPORTED;
        return nullptr;
    }
    AVFormatContext* format = writer->format_;
    writer->packet_ = av_packet_alloc();
    writer->stream_ = avformat_new_stream(format, nullptr);
    av_freep(&format->url);
    format->url = av_strdup(path.c_str());  // names the file in libavformat's log lines
    if (!writer->packet_ || !writer->stream_ || !format->url) {
        *result = STREAMCONV_ERR_NO_MEMORY;
        return nullptr;
    }
    // "file:" keeps a colon in the name from being read as a protocol.
    if (avio_open(&format->pb, ("file:" + path).c_str(), AVIO_FLAG_WRITE) < 0) {
        *result = STREAMCONV_ERR_OPEN;
        return nullptr;
    }
    *result = STREAMCONV_OK;
    return writer.release();
}

Mp4StreamWriter::~Mp4StreamWriter()
{
    if (format_) avio_closep(&format_->pb);
    avformat_free_context(format_);
    av_packet_free(&packet_);
}

int Mp4StreamWriter::setVideoFormat(int width, int height, int fps)
{
    if (width < 2 || width > kMaxSide || width % 2 != 0 || height < 2 || height > kMaxSide || height % 2 != 0 ||
        fps < 1 || fps > kMaxFps) {
        return STREAMCONV_ERR_ARGUMENT;
    }
    if (headerWritten_ || finished_ || failed_) return STREAMCONV_ERR_STATE;
    AVCodecParameters* par = stream_->codecpar;
    par->codec_type = AVMEDIA_TYPE_VIDEO;
    par->codec_id = AV_CODEC_ID_H264;
    par->format = AV_PIX_FMT_YUV420P;
    par->width = width;
    par->height = height;
    // h264enc's pictures are full-range BT.601; without saying so, players
    // take them for limited range and stretch the colours.
    par->color_range = AVCOL_RANGE_JPEG;
    par->color_space = AVCOL_SPC_SMPTE170M;
    par->color_primaries = AVCOL_PRI_SMPTE170M;
    par->color_trc = AVCOL_TRC_SMPTE170M;
    stream_->time_base = kTimeBase;
    stream_->avg_frame_rate = AVRational{fps, 1};
    fps_ = fps;
    return STREAMCONV_OK;
}

int Mp4StreamWriter::writeFrame(const uint8_t* data, int length)
{
    return write(data, length, false, 0);
}

int Mp4StreamWriter::writeFrameAt(const uint8_t* data, int length, int64_t captureUs)
{
    return write(data, length, true, captureUs);
}

int Mp4StreamWriter::write(const uint8_t* data, int length, bool timed, int64_t captureUs)
{
    if (!data || length <= 0) return STREAMCONV_ERR_ARGUMENT;
    if (failed_) return STREAMCONV_ERR_WRITE;
    if (finished_ || fps_ == 0) return STREAMCONV_ERR_STATE;
    const AnnexBScan scan = scanAnnexB(data, size_t(length), !headerWritten_);
    if (!scan.startCode) return STREAMCONV_ERR_ARGUMENT;
    if (!headerWritten_) {
        // A file can only begin where a decoder can: at a key frame with its
        // parameter sets.
        if (!scan.idr || !scan.sps || !scan.pps) return STREAMCONV_OK;
        const int header = writeHeader(scan);
        if (header != STREAMCONV_OK) return header;
        originUs_ = captureUs;
    }
    int64_t ts = timed ? av_rescale_q(captureUs - originUs_, AVRational{1, 1000000}, kTimeBase)
                       : av_rescale_q(frames_, AVRational{1, fps_}, kTimeBase);
    // The muxer needs rising time stamps: a clock that stood still or went
    // back puts the frame just after the previous one.
    if (ts <= lastTs_) ts = lastTs_ + 1;

    buffer_.resize(size_t(length) + AV_INPUT_BUFFER_PADDING_SIZE);
    std::memcpy(buffer_.data(), data, size_t(length));
    std::memset(buffer_.data() + length, 0, AV_INPUT_BUFFER_PADDING_SIZE);

    av_packet_unref(packet_);
    packet_->data = buffer_.data();
    packet_->size = length;
    packet_->stream_index = stream_->index;
    packet_->pts = ts;
    packet_->dts = ts;
    // The muxer takes each frame's length from the next frame's time; this
    // one counts for the last frame only.
    packet_->duration = av_rescale_q(1, AVRational{1, fps_}, kTimeBase);
    packet_->flags = scan.idr ? AV_PKT_FLAG_KEY : 0;
    av_packet_rescale_ts(packet_, kTimeBase, stream_->time_base);
    // One stream: nothing to interleave, and the packet is written straight
    // from our buffer.
    const int written = av_write_frame(format_, packet_);
    av_packet_unref(packet_);
    if (written < 0 || ioFailed()) return fail();
    ++frames_;
    lastTs_ = ts;
    return STREAMCONV_OK;
}

int Mp4StreamWriter::writeHeader(const AnnexBScan& keyFrame)
{
    AVCodecParameters* par = stream_->codecpar;
    const size_t size = keyFrame.parameterSets.size();
    av_freep(&par->extradata);  // a header that could not be written is tried again at the next key frame
    par->extradata_size = 0;
    par->extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!par->extradata) return STREAMCONV_ERR_NO_MEMORY;
    std::memcpy(par->extradata, keyFrame.parameterSets.data(), size);
    par->extradata_size = int(size);
    if (avformat_write_header(format_, nullptr) < 0 || ioFailed()) return fail();
    headerWritten_ = true;
    return STREAMCONV_OK;
}

int Mp4StreamWriter::finish()
{
    if (finished_) return STREAMCONV_ERR_STATE;
    finished_ = true;
    if (!headerWritten_) return failed_ ? STREAMCONV_ERR_WRITE : STREAMCONV_ERR_NO_FRAMES;
    // The trailer also releases the muxer's state, so it is written after a
    // failure too; the file stays failed whatever it gives.
    const int trailer = av_write_trailer(format_);
    avio_flush(format_->pb);
    if (failed_ || trailer < 0 || ioFailed()) return fail();
    return STREAMCONV_OK;
}

int Mp4StreamWriter::close()
{
    int result = STREAMCONV_OK;
    if (avio_closep(&format_->pb) < 0) result = fail();
    if (!headerWritten_) {
        // Nothing was recorded: an empty file is no MP4 and not kept. Only a
        // regular empty file, never a device given as the path.
        struct stat st;
        if (::stat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0) ::unlink(path_.c_str());
    }
    return result;
}

int Mp4StreamWriter::fail()
{
    failed_ = true;
    return STREAMCONV_ERR_WRITE;
}

bool Mp4StreamWriter::ioFailed() const
{
    return format_->pb && format_->pb->error < 0;
}
