// One recording file at a time: the H.264 encoder and the MP4 converter for
// the frames of the live video. The frame worker opens a file when a
// recording starts (and every ten minutes for the next file), hands every
// processed frame to encode() and stops it. Worker thread only.
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

#include "LiveFrame.h"
#include "h264enc.h"

class VideoRecorder {
public:
    // Result codes of an opening, as the live page shows them.
    enum Code { kStarted = 0, kFailed = 1, kNoFolder = 2, kNoSpace = 3 };

    // The file's frame rate for the camera's: 50 above 30, 30 for 26..30,
    // 25 otherwise.
    static int fileFrameRate(int cameraFps);
    // The encoder's parameter record for a W x H picture at a frame rate.
    static MAV_P264_EncParam encoderParams(int width, int height, int frameRate);

    VideoRecorder() = default;
    ~VideoRecorder();
    VideoRecorder(const VideoRecorder&) = delete;
    VideoRecorder& operator=(const VideoRecorder&) = delete;

    // Opens a new file for W x H frames under root (serial may be empty: no
    // serial and "Records" folders), named by now: code 0 on success. The
    // free space is asked of root; an encoder still open is closed first.
    int open(const QString& root, const QString& serial, int width, int height, int cameraFps, const QDateTime& now);
    bool isOpen() const { return converter_ != nullptr; }
    // The file being written; empty when none.
    QString filePath() const { return path_; }
    // Encodes one picture into the file, stamped with its capture time (ms,
    // any steady clock): the file lasts as long as it was recorded, whatever
    // the camera's rate and however many frames were dropped. A picture of
    // another size is skipped. False when the file could not be written (the
    // recording must stop).
    bool encode(const LiveFrame& picture, qint64 captureMs);
    // Closes the encoder and the file. False when the file could not be
    // completed (its index could not be written: it will not play); a file
    // without a single frame is removed and counts as complete.
    bool stop();

private:
    void closeEncoder();

    void* encoder_ = nullptr;    // owned: MAV_P264_Enc_Close
    void* converter_ = nullptr;  // owned: StreamConv_FinishFile, StreamConv_CloseFile
    int width_ = 0;
    int height_ = 0;
    QString path_;
    std::vector<uint8_t> i420_;  // the frame being encoded, I420
};
