#include "RecordingTestSupport.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
}

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/wait.h>

namespace rectest {

I420Picture movingPicture(int width, int height, int index)
{
    I420Picture p;
    p.width = width;
    p.height = height;
    p.bytes.resize(size_t(width) * height * 3 / 2);
    uint8_t* y = p.bytes.data();
    const int square = height / 4;
    const int sx = (index * 7) % (width - square), sy = (index * 3) % (height - square);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const bool inSquare = c >= sx && c < sx + square && r >= sy && r < sy + square;
            y[size_t(r) * width + c] = inSquare ? 235 : uint8_t(40 + ((c + r / 2 + 2 * index) % 160));
        }
    }
    const int cw = width / 2, ch = height / 2;
    uint8_t* u = y + size_t(width) * height;
    uint8_t* v = u + size_t(cw) * ch;
    for (int r = 0; r < ch; ++r) {
        for (int c = 0; c < cw; ++c) {
            u[size_t(r) * cw + c] = uint8_t(48 + c * 160 / cw);
            v[size_t(r) * cw + c] = uint8_t(208 - r * 160 / ch);
        }
    }
    return p;
}

MAV_P264_EncParam workerParam(int width, int height, int fps)
{
    MAV_P264_EncParam param{};
    param.word[0] = uint32_t(width);
    param.word[1] = uint32_t(height);
    param.word[3] = 16384;
    param.word[4] = uint32_t(fps);
    param.word[7] = 50;
    param.word[9] = 2;
    param.word[10] = 4;
    param.word[11] = 2;
    param.word[13] = 66;
    return param;
}

MAV_P264_EncInput inputFor(const I420Picture& picture)
{
    MAV_P264_EncInput in{};
    in.y = picture.y();
    in.u = picture.u();
    in.v = picture.v();
    in.width = picture.width;
    in.lineY = picture.width;
    in.lineU = picture.width / 2;
    in.lineV = picture.width / 2;
    return in;
}

std::set<int> nalTypes(const std::vector<uint8_t>& au)
{
    std::set<int> types;
    for (size_t i = 0; i + 3 < au.size(); ++i) {
        if (au[i] == 0 && au[i + 1] == 0 && au[i + 2] == 1) types.insert(au[i + 3] & 0x1F);
    }
    return types;
}

bool beginsWithStartCode(const std::vector<uint8_t>& au)
{
    static const uint8_t three[3] = {0, 0, 1}, four[4] = {0, 0, 0, 1};
    return (au.size() >= 3 && std::memcmp(au.data(), three, 3) == 0) ||
           (au.size() >= 4 && std::memcmp(au.data(), four, 4) == 0);
}

std::vector<std::vector<uint8_t>> encodeMovingPictures(int width, int height, int fps, int count)
{
    std::vector<std::vector<uint8_t>> units;
    const MAV_P264_EncParam param = workerParam(width, height, fps);
    void* encoder = nullptr;
    EXPECT_EQ(MAV_P264_Enc_Open(&param, &encoder), 0);
    if (!encoder) return units;
    for (int i = 0; i < count; ++i) {
        const I420Picture picture = movingPicture(width, height, i);
        const MAV_P264_EncInput in = inputFor(picture);
        MAV_P264_EncOutput out{};
        EXPECT_EQ(MAV_P264_Enc_Start(encoder, &in, &out), 0) << "frame " << i;
        units.emplace_back(out.data, out.data + out.length);
    }
    MAV_P264_Enc_Close(encoder);
    return units;
}

PlaneErrors meanAbsoluteErrors(const I420Picture& a, const I420Picture& b)
{
    PlaneErrors errors;
    if (a.width != b.width || a.height != b.height) {
        for (double& e : errors.plane) e = 255;
        return errors;
    }
    const size_t sizes[3] = {size_t(a.width) * a.height, size_t(a.width / 2) * (a.height / 2),
                             size_t(a.width / 2) * (a.height / 2)};
    const uint8_t* pa[3] = {a.y(), a.u(), a.v()};
    const uint8_t* pb[3] = {b.y(), b.u(), b.v()};
    for (int k = 0; k < 3; ++k) {
        double sum = 0;
        for (size_t i = 0; i < sizes[k]; ++i) sum += std::abs(int(pa[k][i]) - int(pb[k][i]));
        errors.plane[k] = sum / double(sizes[k]);
    }
    return errors;
}

namespace {

I420Picture pictureOf(const AVFrame* frame)
{
    I420Picture p;
    // Full-range streams decode as the "J" (JPEG range) variant of I420.
    if (frame->format != AV_PIX_FMT_YUV420P && frame->format != AV_PIX_FMT_YUVJ420P) return p;
    p.colorRange = frame->color_range;
    p.colorSpace = frame->colorspace;
    p.width = frame->width;
    p.height = frame->height;
    p.bytes.resize(size_t(p.width) * p.height * 3 / 2);
    uint8_t* dst = p.bytes.data();
    for (int k = 0; k < 3; ++k) {
        const int w = k == 0 ? p.width : p.width / 2, h = k == 0 ? p.height : p.height / 2;
        for (int r = 0; r < h; ++r, dst += w) std::memcpy(dst, frame->data[k] + size_t(r) * frame->linesize[k], w);
    }
    return p;
}

// Feeds one packet (null = drain) and collects every picture that comes out.
void decodePacket(AVCodecContext* decoder, const AVPacket* packet, AVFrame* frame, std::vector<I420Picture>* out)
{
    if (avcodec_send_packet(decoder, packet) < 0) return;
    while (avcodec_receive_frame(decoder, frame) == 0) {
        out->push_back(pictureOf(frame));
        av_frame_unref(frame);
    }
}

AVCodecContext* openDecoder(const AVCodecParameters* par)
{
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    AVCodecContext* decoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!decoder) return nullptr;
    if ((par && avcodec_parameters_to_context(decoder, par) < 0) || avcodec_open2(decoder, codec, nullptr) < 0) {
        avcodec_free_context(&decoder);
    }
    return decoder;
}

uint32_t bigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// Walks the MP4 boxes down to the first track's stss (its key frame table),
// straight from the bytes, so the file's own index is seen (libavformat
// would also mark key frames from the H.264 data it parses).
void readSyncTable(const std::vector<uint8_t>& file, size_t begin, size_t end, FileReport* report)
{
    static const char* const kContainers[] = {"moov", "trak", "mdia", "minf", "stbl"};
    for (size_t pos = begin; pos + 8 <= end;) {
        const uint32_t size = bigEndian32(&file[pos]);
        if (size < 8 || pos + size > end) return;
        const std::string type(reinterpret_cast<const char*>(&file[pos + 4]), 4);
        for (const char* container : kContainers) {
            if (type == container) readSyncTable(file, pos + 8, pos + size, report);
        }
        if (type == "stss" && !report->hasSyncTable && size >= 16) {
            report->hasSyncTable = true;
            const uint32_t count = bigEndian32(&file[pos + 12]);
            for (uint32_t i = 0; i < count && pos + 16 + 4 * (i + 1) <= pos + size; ++i) {
                report->syncSamples.push_back(int(bigEndian32(&file[pos + 16 + 4 * i])) - 1);
            }
        }
        pos += size;
    }
}

}  // namespace

std::vector<I420Picture> decodeAccessUnits(const std::vector<std::vector<uint8_t>>& accessUnits)
{
    std::vector<I420Picture> pictures;
    AVCodecContext* decoder = openDecoder(nullptr);
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    if (decoder && frame && packet) {
        for (const std::vector<uint8_t>& au : accessUnits) {
            if (av_new_packet(packet, int(au.size())) < 0) break;
            std::memcpy(packet->data, au.data(), au.size());
            decodePacket(decoder, packet, frame, &pictures);
            av_packet_unref(packet);
        }
        decodePacket(decoder, nullptr, frame, &pictures);
    }
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&decoder);
    return pictures;
}

FileReport readRecordedFile(const std::string& path, bool decode)
{
    FileReport report;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    readSyncTable(bytes, 0, bytes.size(), &report);
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return report;
    report.opened = avformat_find_stream_info(format, nullptr) >= 0;
    int videoIndex = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            ++report.videoStreams;
            if (videoIndex < 0) videoIndex = int(i);
        }
    }
    if (videoIndex < 0) {
        avformat_close_input(&format);
        return report;
    }
    const AVStream* stream = format->streams[videoIndex];
    report.codecId = stream->codecpar->codec_id;
    report.width = stream->codecpar->width;
    report.height = stream->codecpar->height;
    if (stream->duration != AV_NOPTS_VALUE)
        report.durationSeconds = double(stream->duration) * av_q2d(stream->time_base);
    report.colorRange = stream->codecpar->color_range;
    report.colorSpace = stream->codecpar->color_space;
    report.colorPrimaries = stream->codecpar->color_primaries;
    report.colorTransfer = stream->codecpar->color_trc;

    AVCodecContext* decoder = decode ? openDecoder(stream->codecpar) : nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    while (packet && av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == videoIndex) {
            if (packet->flags & AV_PKT_FLAG_KEY) report.keyPackets.push_back(report.packets);
            ++report.packets;
            report.packetSeconds.push_back(double(packet->pts) * av_q2d(stream->time_base));
            if (decoder) decodePacket(decoder, packet, frame, &report.decoded);
        }
        av_packet_unref(packet);
    }
    if (decoder) decodePacket(decoder, nullptr, frame, &report.decoded);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return report;
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "calidra-rec-XXXXXX").string();
    if (char* made = mkdtemp(pattern.data())) path_ = made;
    EXPECT_FALSE(path_.empty()) << "no temporary folder";
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::entries() const
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        names.push_back(entry.path().lexically_relative(path_).string());
    }
    return names;
}

int runCommand(const std::string& command, std::string* output)
{
    output->clear();
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) output->append(chunk, got);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool haveProgram(const char* name)
{
    std::string ignored;
    return runCommand(std::string("command -v ") + name + " >/dev/null", &ignored) == 0;
}

}  // namespace rectest
