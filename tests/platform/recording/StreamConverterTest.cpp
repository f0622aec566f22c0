// streamconv: opening, order of calls, dropped leading frames, empty
// recordings, write errors and handles on two threads.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/pixfmt.h>
}

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "RecordingTestSupport.h"
#include "streamconv.h"

using namespace rectest;

namespace {

using Units = std::vector<std::vector<uint8_t>>;

void* const kStale = reinterpret_cast<void*>(uintptr_t(0x1));

void* openFile(const std::string& path)
{
    void* handle = nullptr;
    EXPECT_EQ(StreamConv_OpenFile(STREAMCONV_TYPE_MP4, path.c_str(), int(path.size()), &handle), 0) << path;
    return handle;
}

int writeUnit(void* handle, const std::vector<uint8_t>& unit)
{
    return StreamConv_WriteFrame(handle, unit.data(), int(unit.size()));
}

// Small encoded clips, made once: 160 x 128 at 10 frames a second, key
// frames at 0 and 20.
const Units& clip()
{
    static const Units units = encodeMovingPictures(160, 128, 10, 26);
    return units;
}

// Writes `units` from `first` on into a new file and closes it.
void record(const std::string& path, const Units& units, size_t first = 0)
{
    void* handle = openFile(path);
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(StreamConv_SetVideoFormat(handle, 160, 128, 10), 0);
    for (size_t i = first; i < units.size(); ++i) EXPECT_EQ(writeUnit(handle, units[i]), 0) << i;
    EXPECT_EQ(StreamConv_FinishFile(handle), 0);
    EXPECT_EQ(StreamConv_CloseFile(handle), 0);
}

TEST(StreamConverter, IsReadyAndReleasesWithoutHoldingAnything)
{
    EXPECT_NE(StreamConv_IsReady(), 0);
    StreamConv_Release();
    EXPECT_NE(StreamConv_IsReady(), 0);  // ready again for the next recording
}

TEST(StreamConverterOpen, RefusalsLeaveNoHandleAndNoFile)
{
    TempFolder dir;
    const std::string good = dir.file("a.mp4");
    const std::string missing = dir.file("missing/day/a.mp4");
    const std::string withNul = good + std::string(1, '\0') + "x";
    struct Case {
        const char* name;
        int type;
        const char* path;
        int length;
        int expected;
    };
    const Case cases[] = {
        {"type 0", 0, good.c_str(), int(good.size()), STREAMCONV_ERR_UNSUPPORTED},
        {"type 1", 1, good.c_str(), int(good.size()), STREAMCONV_ERR_UNSUPPORTED},
        {"type 4", 4, good.c_str(), int(good.size()), STREAMCONV_ERR_UNSUPPORTED},
        {"null path", 3, nullptr, 5, STREAMCONV_ERR_ARGUMENT},
        {"length 0", 3, good.c_str(), 0, STREAMCONV_ERR_ARGUMENT},
        {"length -1", 3, good.c_str(), -1, STREAMCONV_ERR_ARGUMENT},
        {"NUL inside the length", 3, withNul.c_str(), int(withNul.size()), STREAMCONV_ERR_ARGUMENT},
        {"missing folder", 3, missing.c_str(), int(missing.size()), STREAMCONV_ERR_OPEN},
        {"a folder as the file", 3, dir.path().c_str(), int(dir.path().size()), STREAMCONV_ERR_OPEN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        void* handle = kStale;
        EXPECT_EQ(StreamConv_OpenFile(c.type, c.path, c.length, &handle), c.expected);
        EXPECT_EQ(handle, nullptr);
        EXPECT_TRUE(dir.entries().empty());
    }
    EXPECT_EQ(StreamConv_OpenFile(3, good.c_str(), int(good.size()), nullptr), STREAMCONV_ERR_ARGUMENT);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(StreamConverterOpen, TakesExactlyLengthBytesOfThePathAsALocalFile)
{
    TempFolder dir;
    // A colon would name a protocol for libavformat; bytes after the length are not part of the name.
    const std::string name = dir.file("20240102_10:11:12_013.mp4");
    const std::string passed = name + "-tail";
    void* handle = nullptr;
    ASSERT_EQ(StreamConv_OpenFile(3, passed.c_str(), int(name.size()), &handle), 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(access(name.c_str(), F_OK), 0) << "the file exists once opened";
    ASSERT_EQ(StreamConv_SetVideoFormat(handle, 160, 128, 10), 0);
    for (const auto& unit : clip()) ASSERT_EQ(writeUnit(handle, unit), 0);
    EXPECT_EQ(StreamConv_FinishFile(handle), 0);
    EXPECT_EQ(StreamConv_CloseFile(handle), 0);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"20240102_10:11:12_013.mp4"});
    EXPECT_EQ(readRecordedFile(name, false).packets, int(clip().size()));
}

TEST(StreamConverterOrder, VideoFormatOnceBeforeTheFirstFrame)
{
    TempFolder dir;
    void* handle = openFile(dir.file("a.mp4"));
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(writeUnit(handle, clip()[0]), STREAMCONV_ERR_STATE) << "no format yet";
    struct Bad {
        int w, h, fps;
    };
    for (const Bad& b : {Bad{0, 128, 10}, Bad{161, 128, 10}, Bad{160, 127, 10}, Bad{8194, 128, 10}, Bad{160, -2, 10},
                         Bad{160, 128, 0}, Bad{160, 128, 121}}) {
        EXPECT_EQ(StreamConv_SetVideoFormat(handle, b.w, b.h, b.fps), STREAMCONV_ERR_ARGUMENT)
            << b.w << "x" << b.h << "@" << b.fps;
    }
    EXPECT_EQ(StreamConv_SetVideoFormat(nullptr, 160, 128, 10), STREAMCONV_ERR_ARGUMENT);
    ASSERT_EQ(StreamConv_SetVideoFormat(handle, 160, 128, 10), 0);
    ASSERT_EQ(writeUnit(handle, clip()[0]), 0);
    EXPECT_EQ(StreamConv_SetVideoFormat(handle, 320, 256, 25), STREAMCONV_ERR_STATE) << "the header is written";
    EXPECT_EQ(StreamConv_WriteFrame(handle, nullptr, 10), STREAMCONV_ERR_ARGUMENT);
    EXPECT_EQ(StreamConv_WriteFrame(handle, clip()[1].data(), 0), STREAMCONV_ERR_ARGUMENT);
    EXPECT_EQ(StreamConv_WriteFrame(nullptr, clip()[1].data(), int(clip()[1].size())), STREAMCONV_ERR_ARGUMENT);
    // Bytes without a start code are no access unit: refused, the stream goes on.
    const std::vector<uint8_t> junk(100, 0x55);
    EXPECT_EQ(writeUnit(handle, junk), STREAMCONV_ERR_ARGUMENT);
    for (size_t i = 1; i < clip().size(); ++i) ASSERT_EQ(writeUnit(handle, clip()[i]), 0);
    EXPECT_EQ(StreamConv_FinishFile(handle), 0);
    EXPECT_EQ(StreamConv_FinishFile(handle), STREAMCONV_ERR_STATE);
    EXPECT_EQ(writeUnit(handle, clip()[1]), STREAMCONV_ERR_STATE) << "written after the index";
    EXPECT_EQ(StreamConv_CloseFile(handle), 0);
    EXPECT_EQ(StreamConv_FinishFile(nullptr), STREAMCONV_ERR_ARGUMENT);
    EXPECT_EQ(StreamConv_CloseFile(nullptr), STREAMCONV_ERR_ARGUMENT);

    const FileReport report = readRecordedFile(dir.file("a.mp4"), true);
    EXPECT_EQ(report.packets, int(clip().size()));
    EXPECT_EQ(int(report.decoded.size()), int(clip().size()));
}

TEST(StreamConverterFrames, FramesBeforeTheFirstKeyFrameAreDropped)
{
    TempFolder dir;
    std::vector<int> keys;
    for (size_t i = 0; i < clip().size(); ++i) {
        if (nalTypes(clip()[i]).count(5)) keys.push_back(int(i));
    }
    ASSERT_GE(keys.size(), 2u);
    ASSERT_LT(keys[1] + 1, int(clip().size()));
    record(dir.file("late.mp4"), clip(), 1);  // starts on a non-key frame

    const FileReport report = readRecordedFile(dir.file("late.mp4"), true);
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(report.packets, int(clip().size()) - keys[1]);
    EXPECT_EQ(report.syncSamples, std::vector<int>{0});
    EXPECT_EQ(int(report.decoded.size()), report.packets);
    EXPECT_NEAR(report.durationSeconds, report.packets / 10.0, 0.1);
}

// Frames written with their capture times keep them: gaps where frames were
// dropped and a camera faster than the nominal rate make a file as long as
// the recording. Times that do not rise are moved just after the previous.
TEST(StreamConverterFrames, FramesKeepTheirCaptureTimes)
{
    TempFolder dir;
    const std::string path = dir.file("timed.mp4");
    void* handle = openFile(path);
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(StreamConv_SetVideoFormat(handle, 160, 128, 10), 0);
    // Capture times in ms on the caller's clock, starting anywhere.
    std::vector<int64_t> capturedMs;
    for (int i = 0; i < 10; ++i) capturedMs.push_back(5000 + i * 50);   // 20 a second
    for (int i = 0; i < 10; ++i) capturedMs.push_back(6500 + i * 100);  // after a second of dropped frames
    capturedMs.push_back(capturedMs.back());                            // a clock that stood still
    for (int i = 1; i <= 5; ++i) capturedMs.push_back(7400 + i * 100);
    ASSERT_EQ(capturedMs.size(), clip().size());
    for (size_t i = 0; i < clip().size(); ++i) {
        EXPECT_EQ(StreamConv_WriteFrameAt(handle, clip()[i].data(), int(clip()[i].size()), capturedMs[i] * 1000), 0)
            << i;
    }
    EXPECT_EQ(StreamConv_FinishFile(handle), 0);
    EXPECT_EQ(StreamConv_CloseFile(handle), 0);

    const FileReport report = readRecordedFile(path, true);
    ASSERT_TRUE(report.opened);
    ASSERT_EQ(report.packetSeconds.size(), clip().size());
    for (size_t i = 0; i < clip().size(); ++i) {
        SCOPED_TRACE(i);
        const double expected = double(capturedMs[i] - capturedMs[0]) / 1000.0;
        if (i == 20) {
            EXPECT_GT(report.packetSeconds[i], report.packetSeconds[i - 1]);
            EXPECT_NEAR(report.packetSeconds[i], expected, 0.001);
        } else {
            EXPECT_NEAR(report.packetSeconds[i], expected, 1e-4);
        }
    }
    // The last frame lasts one period of the nominal rate.
    EXPECT_NEAR(report.durationSeconds, double(capturedMs.back() - capturedMs[0]) / 1000.0 + 0.1, 1e-3);
    EXPECT_EQ(report.decoded.size(), clip().size());
}

// The file says what the stream says: full-range BT.601 pictures.
TEST(StreamConverterFrames, TheFileSaysFullRangeBt601)
{
    TempFolder dir;
    record(dir.file("colour.mp4"), clip());
    const FileReport report = readRecordedFile(dir.file("colour.mp4"), false);
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(report.colorRange, AVCOL_RANGE_JPEG);
    EXPECT_EQ(report.colorSpace, AVCOL_SPC_SMPTE170M);
    EXPECT_EQ(report.colorPrimaries, AVCOL_PRI_SMPTE170M);
    EXPECT_EQ(report.colorTransfer, AVCOL_TRC_SMPTE170M);
}

TEST(StreamConverterFrames, NothingRecordedLeavesNoFile)
{
    TempFolder dir;
    struct Case {
        const char* name;
        size_t first, end;  // frames written
    };
    for (const Case& c : {Case{"no frame", 0, 0}, Case{"only frames before a key frame", 1, 5}}) {
        SCOPED_TRACE(c.name);
        void* handle = openFile(dir.file("empty.mp4"));
        ASSERT_NE(handle, nullptr);
        ASSERT_EQ(StreamConv_SetVideoFormat(handle, 160, 128, 10), 0);
        for (size_t i = c.first; i < c.end; ++i) EXPECT_EQ(writeUnit(handle, clip()[i]), 0);
        EXPECT_EQ(StreamConv_FinishFile(handle), STREAMCONV_ERR_NO_FRAMES);
        EXPECT_EQ(StreamConv_CloseFile(handle), 0);
        EXPECT_TRUE(dir.entries().empty());
    }
    // Closing without the first step leaves no empty file either.
    void* handle = openFile(dir.file("empty.mp4"));
    EXPECT_EQ(StreamConv_CloseFile(handle), 0);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(StreamConverterErrors, AFullDeviceIsReportedAndStaysReported)
{
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no writable /dev/full";
    // The first frames fit libavformat's buffer; the error comes with the
    // first flush. Frames keep coming until then.
    const Units units = encodeMovingPictures(640, 512, 25, 60);
    void* handle = openFile("/dev/full");
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(StreamConv_SetVideoFormat(handle, 640, 512, 25), 0);
    size_t failedAt = units.size();
    for (size_t i = 0; i < units.size() && failedAt == units.size(); ++i) {
        const int result = writeUnit(handle, units[i]);
        if (result != 0) {
            EXPECT_EQ(result, STREAMCONV_ERR_WRITE);
            failedAt = i;
        }
    }
    ASSERT_LT(failedAt, units.size()) << "the full device was never noticed";
    for (size_t i = failedAt + 1; i < failedAt + 3 && i < units.size(); ++i) {
        EXPECT_EQ(writeUnit(handle, units[i]), STREAMCONV_ERR_WRITE) << "a failed file stays failed";
    }
    EXPECT_EQ(StreamConv_FinishFile(handle), STREAMCONV_ERR_WRITE);
    StreamConv_CloseFile(handle);  // closes and frees whatever it says
    struct stat st;
    ASSERT_EQ(stat("/dev/full", &st), 0) << "the device is never removed";
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

// Runs `body` in a child process whose files may not grow past `limit`
// bytes (writes beyond fail with EFBIG); gives the child's exit code.
int inSizeLimitedChild(off_t limit, const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{rlim_t(limit), rlim_t(limit)};
        _exit(setrlimit(RLIMIT_FSIZE, &cap) == 0 ? body() : 99);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(StreamConverterErrors, AnErrorInTheIndexIsReported)
{
    TempFolder dir;
    record(dir.file("whole.mp4"), clip());
    struct stat whole;
    ASSERT_EQ(stat(dir.file("whole.mp4").c_str(), &whole), 0);
    // The index is written last: a file that cannot grow to its whole size
    // takes every frame and fails at the first closing step.
    const std::string path = dir.file("cut.mp4");
    const int finish = inSizeLimitedChild(whole.st_size - 16, [&] {
        void* handle = nullptr;
        if (StreamConv_OpenFile(3, path.c_str(), int(path.size()), &handle) != 0) return 90;
        if (StreamConv_SetVideoFormat(handle, 160, 128, 10) != 0) return 91;
        for (const auto& unit : clip()) {
            if (writeUnit(handle, unit) != 0) return 92;
        }
        const int result = StreamConv_FinishFile(handle);
        StreamConv_CloseFile(handle);
        return result;
    });
    EXPECT_EQ(finish, STREAMCONV_ERR_WRITE);
}

TEST(StreamConverterThreads, TwoHandlesOnTwoThreads)
{
    TempFolder dir;
    const Units& units = clip();
    std::thread first([&] { record(dir.file("one.mp4"), units); });
    std::thread second([&] { record(dir.file("two.mp4"), units); });
    first.join();
    second.join();
    for (const char* name : {"one.mp4", "two.mp4"}) {
        const FileReport report = readRecordedFile(dir.file(name), false);
        EXPECT_EQ(report.codecId, AV_CODEC_ID_H264) << name;
        EXPECT_EQ(report.packets, int(units.size())) << name;
    }
}

}  // namespace
