// One MP4 file being recorded: libavformat's mp4 muxer over a file of our
// own, one H.264 stream whose header waits for the first key frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct AVFormatContext;
struct AVPacket;
struct AVStream;
struct AnnexBScan;

class Mp4StreamWriter {
public:
    // Creates the file; null on failure (nothing created), *result then
    // holds the StreamConv_Result.
    static Mp4StreamWriter* open(const std::string& path, int* result);
    // Closes what is still open (an unfinished file stays incomplete).
    ~Mp4StreamWriter();
    Mp4StreamWriter(const Mp4StreamWriter&) = delete;
    Mp4StreamWriter& operator=(const Mp4StreamWriter&) = delete;

    // The operations of streamconv.h, with its results.
    int setVideoFormat(int width, int height, int fps);
    int writeFrame(const uint8_t* data, int length);
    int writeFrameAt(const uint8_t* data, int length, int64_t captureUs);
    int finish();
    int close();

private:
    Mp4StreamWriter() = default;
    // One frame, stamped with its capture time when timed, else with its
    // number at the nominal rate.
    int write(const uint8_t* data, int length, bool timed, int64_t captureUs);
    int writeHeader(const AnnexBScan& keyFrame);
    int fail();
    bool ioFailed() const;

    AVFormatContext* format_ = nullptr;  // owned, with its output file (format_->pb, owned)
    AVStream* stream_ = nullptr;         // not owned: belongs to format_
    AVPacket* packet_ = nullptr;         // owned; borrows buffer_ while a frame is written
    std::vector<uint8_t> buffer_;        // the frame being written, with libavformat's zeroed padding
    std::string path_;
    int fps_ = 0;         // 0 until the video format is set
    int64_t frames_ = 0;      // frames written
    int64_t originUs_ = 0;    // capture time of the first frame written: the file's 0
    int64_t lastTs_ = -1;     // time stamp of the last frame written (1/90000 s); -1 = none
    bool headerWritten_ = false;
    bool finished_ = false;
    bool failed_ = false;
};
