// A whole recording as the frame worker makes it: pictures through h264enc
// into streamconv, the file then read back with libavformat, decoded, and
// checked by ffprobe.

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include <ostream>
#include <string>
#include <vector>

#include "RecordingTestSupport.h"
#include "h264enc.h"
#include "streamconv.h"

using namespace rectest;

namespace {

struct Recording {
    int width, height, fps;
};

void PrintTo(const Recording& r, std::ostream* os)
{
    *os << r.width << "x" << r.height << " at " << r.fps;
}

std::string nameOf(const ::testing::TestParamInfo<Recording>& info)
{
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) + "at" +
           std::to_string(info.param.fps);
}

class RecordingFile : public ::testing::TestWithParam<Recording> {
protected:
    // Records `frames` moving pictures into `path` with the worker's calls;
    // notes which frames the encoder made key frames.
    void recordFile(const std::string& path, int frames, std::vector<int>* keyFrames = nullptr)
    {
        const Recording r = GetParam();
        const MAV_P264_EncParam param = workerParam(r.width, r.height, r.fps);
        void* encoder = nullptr;
        ASSERT_EQ(MAV_P264_Enc_Open(&param, &encoder), 0);
        ASSERT_NE(StreamConv_IsReady(), 0);
        void* converter = nullptr;
        ASSERT_EQ(StreamConv_OpenFile(3, path.c_str(), int(path.size()), &converter), 0);
        ASSERT_EQ(StreamConv_SetVideoFormat(converter, r.width, r.height, r.fps), 0);
        for (int i = 0; i < frames; ++i) {
            const I420Picture picture = movingPicture(r.width, r.height, i);
            const MAV_P264_EncInput in = inputFor(picture);
            MAV_P264_EncOutput out{};
            ASSERT_EQ(MAV_P264_Enc_Start(encoder, &in, &out), 0) << i;
            if (keyFrames && nalTypes(std::vector<uint8_t>(out.data, out.data + out.length)).count(5)) {
                keyFrames->push_back(i);
            }
            ASSERT_EQ(StreamConv_WriteFrame(converter, out.data, int(out.length)), 0) << i;
        }
        MAV_P264_Enc_Close(encoder);
        EXPECT_EQ(StreamConv_FinishFile(converter), 0);
        EXPECT_EQ(StreamConv_CloseFile(converter), 0);
        StreamConv_Release();
    }
};

TEST_P(RecordingFile, HoldsEveryFrameAtItsRate)
{
    const Recording r = GetParam();
    const int frames = 2 * r.fps + 3;  // past the second key frame
    TempFolder dir;
    const std::string path = dir.file("20240102_101112_013.mp4");
    std::vector<int> keyFrames;
    recordFile(path, frames, &keyFrames);

    const FileReport report = readRecordedFile(path, true);
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(report.videoStreams, 1);
    EXPECT_EQ(report.codecId, AV_CODEC_ID_H264);
    EXPECT_EQ(report.width, r.width);
    EXPECT_EQ(report.height, r.height);
    EXPECT_EQ(report.packets, frames);
    EXPECT_NEAR(report.durationSeconds, double(frames) / r.fps, 1.0 / r.fps);
    // Exactly the encoder's key frames are marked as such, the first frame
    // first, and they come at least every two seconds.
    EXPECT_TRUE(report.hasSyncTable);
    EXPECT_EQ(report.syncSamples, keyFrames);
    EXPECT_EQ(report.keyPackets, keyFrames);
    ASSERT_GE(report.keyPackets.size(), 2u);
    EXPECT_EQ(report.keyPackets[0], 0);
    for (size_t k = 1; k < report.keyPackets.size(); ++k) {
        EXPECT_LE(report.keyPackets[k] - report.keyPackets[k - 1], 2 * r.fps);
    }
    // The pictures themselves, in order: a frame out of place or a plane
    // swapped gives errors far above the coding loss.
    ASSERT_EQ(int(report.decoded.size()), frames);
    for (int i : {0, 1, frames / 2, frames - 1}) {
        const PlaneErrors e = meanAbsoluteErrors(report.decoded[size_t(i)], movingPicture(r.width, r.height, i));
        for (int k = 0; k < 3; ++k) EXPECT_LT(e.plane[k], 4.0) << "frame " << i << " plane " << k;
    }
}

TEST_P(RecordingFile, FfprobeFindsNothingWrongAndDecodesEveryFrame)
{
    if (!haveProgram("ffprobe")) GTEST_SKIP() << "ffprobe is not installed";
    const Recording r = GetParam();
    const int frames = r.fps + 1;
    TempFolder dir;
    const std::string path = dir.file("probe.mp4");
    recordFile(path, frames);

    std::string output;
    EXPECT_EQ(runCommand("ffprobe -v error '" + path + "'", &output), 0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(runCommand("ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames "
                         "-of csv=p=0 '" +
                             path + "'",
                         &output),
              0);
    EXPECT_EQ(output, std::to_string(frames) + "\n");
}

INSTANTIATE_TEST_SUITE_P(CameraSizesAndRates, RecordingFile,
                         ::testing::Values(Recording{640, 512, 25}, Recording{640, 512, 30}, Recording{640, 512, 50},
                                           Recording{1280, 1024, 25}, Recording{1280, 1024, 50}),
                         nameOf);

}  // namespace
