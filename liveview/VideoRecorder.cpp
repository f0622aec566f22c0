#include "VideoRecorder.h"

#include <QDir>
#include <QFile>

#include "CaptureFolder.h"
#include "FreeSpaceProbe.h"
#include "streamconv.h"

namespace {

// streamconv's output type for MP4.
constexpr int kMp4 = 3;

}  // namespace

int VideoRecorder::fileFrameRate(int cameraFps)
{
    if (cameraFps > 30) return 50;
    if (cameraFps >= 26) return 30;
    return 25;
}

MAV_P264_EncParam VideoRecorder::encoderParams(int width, int height, int frameRate)
{
    MAV_P264_EncParam p{};
    p.word[0] = uint32_t(width);
    p.word[1] = uint32_t(height);
    p.word[3] = 16384;
    p.word[4] = uint32_t(frameRate);
    p.word[7] = 50;
    p.word[9] = 2;
    p.word[10] = 4;
    p.word[11] = 2;
    p.word[13] = 66;
    return p;
}

VideoRecorder::~VideoRecorder()
{
    stop();
}

int VideoRecorder::open(const QString& root, const QString& serial, int width, int height, int cameraFps,
                        const QDateTime& now)
{
    if (width <= 0 || height <= 0) return kFailed;
    const QString day = CaptureFolder::dayFolder(root, serial, QStringLiteral("Records"), now.date());
    if (!QDir().mkpath(day)) return kNoFolder;
    if (FreeSpaceProbe::tooLittle(root)) return kNoSpace;

    stop();
    const int frameRate = fileFrameRate(cameraFps);
    const MAV_P264_EncParam params = encoderParams(width, height, frameRate);
    if (MAV_P264_Enc_Open(&params, &encoder_) < 0 || !encoder_) {
        encoder_ = nullptr;
        return kFailed;
    }
    const QString path = day + QLatin1Char('/') + CaptureFolder::fileName(now, QStringLiteral(".mp4"));
    // Without a converter the encoder has nothing to feed: close it too.
    if (!StreamConv_IsReady()) {
        closeEncoder();
        return kFailed;
    }
    const QByteArray name = QFile::encodeName(path);
    if (StreamConv_OpenFile(kMp4, name.constData(), name.size(), &converter_) != 0 || !converter_) {
        converter_ = nullptr;
        StreamConv_Release();
        closeEncoder();
        return kFailed;
    }
    if (StreamConv_SetVideoFormat(converter_, width, height, frameRate) != 0) {
        stop();
        return kFailed;
    }
    width_ = width;
    height_ = height;
    path_ = path;
    i420_.resize(size_t(width) * size_t(height) * 3 / 2);
    return kStarted;
}

bool VideoRecorder::encode(const LiveFrame& picture, qint64 captureMs)
{
    if (!encoder_ || !converter_) return true;
    if (picture.width != width_ || picture.height != height_ ||
        picture.yuv.size() < size_t(width_) * size_t(height_) * 2)
        return true;
    uint8_t* y = i420_.data();
    uint8_t* u = y + size_t(width_) * size_t(height_);
    uint8_t* v = u + size_t(width_) * size_t(height_) / 4;
    // BT.601 chroma, as the stream announces: players show the live colours.
    MAV_P264_CameraToI420(picture.yuv.data(), width_, height_, y, u, v);

    MAV_P264_EncInput in{};
    in.y = y;
    in.u = u;
    in.v = v;
    in.width = width_;
    in.lineY = width_;
    in.lineU = width_ / 2;
    in.lineV = width_ / 2;
    MAV_P264_EncOutput out{};
    // A frame the encoder does not take is skipped.
    if (MAV_P264_Enc_Start(encoder_, &in, &out) != 0 || !out.data || out.length == 0) return true;
    return StreamConv_WriteFrameAt(converter_, out.data, int(out.length), int64_t(captureMs) * 1000) == 0;
}

void VideoRecorder::closeEncoder()
{
    if (encoder_) MAV_P264_Enc_Close(encoder_);
    encoder_ = nullptr;
}

bool VideoRecorder::stop()
{
    closeEncoder();
    bool complete = true;
    if (converter_) {
        const int finished = StreamConv_FinishFile(converter_);
        complete = finished == STREAMCONV_OK || finished == STREAMCONV_ERR_NO_FRAMES;
        complete = StreamConv_CloseFile(converter_) == STREAMCONV_OK && complete;
        StreamConv_Release();
        converter_ = nullptr;
    }
    path_.clear();
    width_ = height_ = 0;
    return complete;
}
