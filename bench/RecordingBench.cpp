// Recording throughput: one camera frame (UYVY) converted to I420, encoded
// by h264enc and written by streamconv into an MP4 file, in frames per
// second, beside the `ffmpeg` program encoding the same frames with libx264
// and the same preset. Both run the way each is used: ours frame by frame as
// the frame worker calls it, ffmpeg over a raw file of the frames. The
// conversion alone is measured too.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "h264enc.h"
#include "streamconv.h"

namespace {

// The scene repeats after this many frames, so frames can be cycled (and
// looped by ffmpeg) without a jump.
const int kCycle = 16;
// Frames per ffmpeg run: the raw file looped.
const int kFfmpegLoops = 10;

// A thermal-looking moving scene in UYVY: a smooth background, a warm blob
// travelling across and sensor noise.
std::vector<uint8_t> uyvyFrame(int w, int h, int index)
{
    std::vector<uint8_t> frame(size_t(w) * h * 2);
    uint32_t noise = 2463534242u + uint32_t(index);
    const int bx = (index * w / kCycle) % w, by = h / 2, radius = h / 6;
    for (int r = 0; r < h; ++r) {
        uint8_t* row = frame.data() + size_t(r) * w * 2;
        for (int c = 0; c < w; ++c) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            int dx = c - bx;
            if (dx > w / 2) dx -= w;
            if (dx < -w / 2) dx += w;
            const int d2 = dx * dx + (r - by) * (r - by);
            const int blob = d2 < radius * radius ? 90 - 90 * d2 / (radius * radius) : 0;
            const int luma = 60 + (r * 40 / h) + blob + int(noise & 3);
            row[2 * c + 1] = uint8_t(luma > 255 ? 255 : luma);
            row[4 * (c / 2) + 2 * (c & 1)] = uint8_t(128 - blob / 4);  // U with even pixels, V with odd
        }
    }
    return frame;
}

const std::vector<std::vector<uint8_t>>& frames(int w, int h)
{
    static std::map<std::pair<int, int>, std::vector<std::vector<uint8_t>>> cache;
    auto& list = cache[{w, h}];
    if (list.empty()) {
        for (int i = 0; i < kCycle; ++i) list.push_back(uyvyFrame(w, h, i));
    }
    return list;
}

std::string tempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("calidra-bench-" + std::to_string(getpid()) + "-" + name))
        .string();
}

void setFps(benchmark::State& state, int64_t framesDone)
{
    state.SetItemsProcessed(framesDone);
    state.counters["fps"] = benchmark::Counter(double(framesDone), benchmark::Counter::kIsRate);
}

void BM_CameraToI420(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    const auto& source = frames(w, h);
    std::vector<uint8_t> i420(size_t(w) * h * 3 / 2);
    uint8_t* y = i420.data();
    uint8_t* u = y + size_t(w) * h;
    uint8_t* v = u + size_t(w) * h / 4;
    int64_t n = 0;
    for (auto _ : state) {
        MAV_P264_CameraToI420(source[size_t(n++ % kCycle)].data(), w, h, y, u, v);
        benchmark::DoNotOptimize(i420.data());
        benchmark::ClobberMemory();
    }
    setFps(state, n);
}

// The frame worker's recording path, one frame per iteration.
void BM_RecordFrame(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1)), fps = 25;
    const auto& source = frames(w, h);
    std::vector<uint8_t> i420(size_t(w) * h * 3 / 2);
    uint8_t* y = i420.data();
    uint8_t* u = y + size_t(w) * h;
    uint8_t* v = u + size_t(w) * h / 4;

    MAV_P264_EncParam param{};
    param.word[0] = uint32_t(w);
    param.word[1] = uint32_t(h);
    param.word[4] = uint32_t(fps);
    void* encoder = nullptr;
    const std::string path = tempPath("ours.mp4");
    void* file = nullptr;
    if (MAV_P264_Enc_Open(&param, &encoder) != 0 ||
        StreamConv_OpenFile(STREAMCONV_TYPE_MP4, path.c_str(), int(path.size()), &file) != 0 ||
        StreamConv_SetVideoFormat(file, w, h, fps) != 0) {
        MAV_P264_Enc_Close(encoder);
        if (file) StreamConv_CloseFile(file);
        state.SkipWithError("encoder or file did not open");
        return;
    }
    MAV_P264_EncInput in{};
    in.y = y;
    in.u = u;
    in.v = v;
    in.width = w;
    in.lineY = w;
    in.lineU = w / 2;
    in.lineV = w / 2;
    int64_t n = 0;
    bool failed = false;
    for (auto _ : state) {
        const int64_t captureUs = n * 1000000 / fps;
        MAV_P264_CameraToI420(source[size_t(n++ % kCycle)].data(), w, h, y, u, v);
        MAV_P264_EncOutput out{};
        if (MAV_P264_Enc_Start(encoder, &in, &out) == 0) {
            failed |= StreamConv_WriteFrameAt(file, out.data, int(out.length), captureUs) != 0;
        }
    }
    MAV_P264_Enc_Close(encoder);
    failed |= StreamConv_FinishFile(file) != 0;
    StreamConv_CloseFile(file);
    std::filesystem::remove(path);
    if (failed) state.SkipWithError("writing the file failed");
    setFps(state, n);
}

// Runs a shell command quietly; true on exit status 0.
bool run(const std::string& command)
{
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The ffmpeg program encoding the same frames (the raw file looped), with
// libx264 at the same preset and tune, into an MP4 file.
void BM_FfmpegProgram(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    if (!run("command -v ffmpeg")) {
        state.SkipWithError("ffmpeg is not installed");
        return;
    }
    const std::string raw = tempPath("in.yuv"), mp4 = tempPath("ffmpeg.mp4");
    {
        std::ofstream out(raw, std::ios::binary);
        for (const auto& frame : frames(w, h)) out.write(reinterpret_cast<const char*>(frame.data()), frame.size());
    }
    const std::string size = std::to_string(w) + "x" + std::to_string(h);
    const std::string command = "ffmpeg -nostdin -stream_loop " + std::to_string(kFfmpegLoops - 1) +
                                " -f rawvideo -pix_fmt uyvy422 -s " + size + " -r 25 -i '" + raw +
                                "' -c:v libx264 -preset ultrafast -tune zerolatency -pix_fmt yuv420p -y '" + mp4 + "'";
    int64_t n = 0;
    bool failed = false;
    for (auto _ : state) {
        failed |= !run(command);
        n += int64_t(kCycle) * kFfmpegLoops;
    }
    std::filesystem::remove(raw);
    std::filesystem::remove(mp4);
    if (failed) state.SkipWithError("ffmpeg failed");
    setFps(state, n);
}

#define FRAME_SIZES(b) b->Args({640, 512})->Args({1280, 1024})

FRAME_SIZES(BENCHMARK(BM_CameraToI420))->Unit(benchmark::kMicrosecond);
FRAME_SIZES(BENCHMARK(BM_RecordFrame))->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
FRAME_SIZES(BENCHMARK(BM_FfmpegProgram))->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
