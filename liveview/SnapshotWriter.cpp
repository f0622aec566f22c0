#include "SnapshotWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLatin1Char>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "CaptureFolder.h"
#include "FreeSpaceProbe.h"
#include "ImageBufferHelpers.h"
#include "camsdk.h"
#include "thermcore.h"

// The appended records are written as their in-memory bytes: their layout is
// fixed by thermcore's size and offset checks, and the file is little-endian.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the picture records are written in host byte order");
static_assert(sizeof(RedunData) == LiveFrame::kRedunBytes, "the camera's block behind the raw frame");

namespace {

// Qt maps its compression setting c to zlib level c * 9 / 91.
static_assert(SnapshotWriter::pngCompression(1) * 9 / 91 == 1 && SnapshotWriter::pngCompression(6) * 9 / 91 == 6 &&
                  SnapshotWriter::pngCompression(9) * 9 / 91 == 9,
              "zlib levels through Qt's compression setting");

// Window size fields of the camera's block: the current layout keeps the raw
// width and height at 824/826, the earlier one the display size at 1332/1334.
constexpr size_t kCurrentWindowAt = 824;
constexpr size_t kEarlierWindowAt = 1332;

qint64 plainWrite(QFile& file, const char* data, qint64 size)
{
    return file.write(data, size);
}

std::atomic<SnapshotWriter::WriteFn> writeHook{nullptr};

// One write of the appended part.
struct Piece {
    const void* data;
    size_t size;
};

template <size_t N>
bool writeAll(QFile& file, const Piece (&pieces)[N])
{
    const SnapshotWriter::WriteFn hook = writeHook.load();
    const SnapshotWriter::WriteFn write = hook ? hook : &plainWrite;
    for (const Piece& piece : pieces) {
        if (piece.size == 0) continue;
        const qint64 size = qint64(piece.size);
        if (write(file, static_cast<const char*>(piece.data), size) != size) return false;
    }
    return true;
}

uint16_t u16At(const uint8_t* block, size_t offset)
{
    return qFromLittleEndian<quint16>(block + offset);
}

// Copies a fixed text field, cut on a UTF-8 character boundary so that a NUL
// always fits; the rest of the field is zero.
void copyFixedText(char* dst, size_t capacity, const char* src, size_t srcCapacity)
{
    std::memset(dst, 0, capacity);
    size_t n = strnlen(src, srcCapacity);
    if (n > capacity - 1) {
        n = capacity - 1;
        while (n > 0 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(dst, src, n);
}

// A live rule as the picture stores it. The show flags and the carried alarm
// fields stay zero.
PicViewRuleConfig storedRule(const PicRuleConfig& rule)
{
    PicViewRuleConfig stored;
    std::memset(&stored, 0, sizeof stored);
    stored.ruleId = rule.ruleId;
    stored.meterType = rule.meterType;
    stored.param = rule.param;
    stored.pointNum = rule.pointNum;
    std::memcpy(stored.points, rule.points, sizeof stored.points);
    copyFixedText(stored.name, sizeof stored.name, rule.name, sizeof rule.name);
    stored.bLocalEnable = rule.bLocalEnable;
    stored.emissivity = rule.emissivity;
    stored.distance = rule.distance;
    stored.reflectedTemp = rule.reflectedTemp;
    return stored;
}

// The picture information block; everything not named stays zero.
void fillPictureInfo(PicViewInfo& info, const SnapshotRequest& request, const USBSDK_GlobalTemperParam& global)
{
    std::memset(&info, 0, sizeof info);
    info.emissivity = global.emissivity;
    info.distance = global.distance;
    info.envTemp = global.ambientTemp;
    info.tempUnit = global.tempUnit;
    info.humidity = global.humidity;
    info.colorType = request.colorType;
    info.flipDirection = request.flip;
    if (request.saveRules && !request.rules.isEmpty()) {
        const int count = std::min(request.rules.size(), int(THERMCORE_MAX_PIC_RULES));
        info.ruleCount = count;
        for (int i = 0; i < count; ++i) info.rules[i] = storedRule(request.rules.at(i));
    }
}

size_t yuvBytes(const LiveFrame& frame)
{
    return size_t(frame.width) * size_t(frame.height) * 2;
}

bool hasDisplayFrame(const FramePtr& frame)
{
    return frame && frame->width > 0 && frame->height > 0 && frame->yuv.size() >= yuvBytes(*frame);
}

// The file is closed on return, before anything is appended to it.
bool writePng(const QString& path, const QImage& image)
{
    QImageWriter writer(path, "png");
    writer.setCompression(SnapshotWriter::pngCompression(SnapshotWriter::kPngLevel));
    return writer.write(image);
}

// Cuts the file back to the PNG and closes it; returns code.
int abandon(QFile& file, qint64 pngSize, int code)
{
    file.resize(pngSize);
    file.close();
    return code;
}

}  // namespace

int SnapshotWriter::take(const SnapshotRequest& request, const FramePtr& frame, const QDateTime& now,
                         QString* savedPath)
{
    const QString day = CaptureFolder::dayFolder(request.root, request.serial, QStringLiteral("Snapshot"), now.date());
    if (!QDir().mkpath(day) || !QFileInfo(day).isDir()) return kNoFolder;
    if (FreeSpaceProbe::tooLittle(day)) return kNoSpace;

    const QString path = day + QLatin1Char('/') + CaptureFolder::fileName(now, QStringLiteral(".png"));
    const int code = saveSnapshotFile(path, request, frame);
    if (code == kSaved && savedPath) *savedPath = path;
    return code;
}

int SnapshotWriter::saveSnapshotFile(const QString& path, const SnapshotRequest& request, const FramePtr& frame)
{
    if (!hasDisplayFrame(frame)) return kNoFrame;
    const int width = frame->width;
    const int height = frame->height;

    const size_t rgbBytes = size_t(width) * size_t(height) * 3;
    const std::unique_ptr<uint8_t[]> rgb(new (std::nothrow) uint8_t[rgbBytes]);
    if (!rgb) return kNoFrame;
    Yuv422ToRgb(frame->yuv.data(), rgb.get(), width, height);
    const QImage image(rgb.get(), width, height, width * 3, QImage::Format_RGB888);
    if (image.isNull()) return kNoFrame;
    if (!writePng(path, image)) {
        // No half-written picture stays behind.
        QFile::remove(path);
        return kNoFrame;
    }

    if (USBSDK_GetDeviceType() != 0) return appendRadiometricData(path, request, frame);
    return kSaved;
}

int SnapshotWriter::appendRadiometricData(const QString& path, const SnapshotRequest& request, const FramePtr& frame)
{
    if (USBSDK_GetShutterStatus() != 0) return kShutterMoving;
    if (path.isEmpty() || !hasDisplayFrame(frame) || !frame->hasRaw()) return kMissingData;

    int rawWidth = 0;
    int rawHeight = 0;
    if (!USBSDK_GetRawResolution(&rawWidth, &rawHeight) || rawWidth <= 0 || rawHeight <= 0) return kMissingData;
    // The block is found behind rawWidth x rawHeight values, but the raw copy
    // is sized by the camera's frame: a raw resolution that does not fit it
    // is refused before anything is appended.
    const size_t rawBytes = size_t(rawWidth) * size_t(rawHeight) * 2;
    if (rawBytes + sizeof(RedunData) > frame->raw.size()) return kMissingData;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return kOpenFailed;

    // One answer for the check and for the version written, so the reader
    // takes the block in the layout it was checked in.
    const int version = USBSDK_GetRedunType();
    const uint8_t* block = frame->raw.data() + rawBytes;
    const bool sizesMatch =
        version != 0
            ? u16At(block, kCurrentWindowAt) == rawWidth && u16At(block, kCurrentWindowAt + 2) == rawHeight
            : u16At(block, kEarlierWindowAt) == frame->width && u16At(block, kEarlierWindowAt + 2) == frame->height;
    if (!sizesMatch) {
        file.close();
        return kMissingData;
    }

    // The reader finds the appended part through a 32-bit start offset.
    const qint64 pngSize = file.size();
    if (pngSize < 0 || pngSize > qint64(std::numeric_limits<uint32_t>::max())) {
        file.close();
        return kMissingData;
    }

    const size_t yuvLen = yuvBytes(*frame);
    YuvBufInfo display;
    std::memset(&display, 0, sizeof display);
    display.mark = THERMCORE_YUV_MARK;
    display.yuvType = 0;
    display.width = frame->width;
    display.height = frame->height;
    display.yuvLen = int32_t(yuvLen);
    display.lineWidth = frame->width;
    display.format = 0;

    YuvBufInfo second;
    std::memset(&second, 0, sizeof second);
    second.yuvType = 1;

    ThermalGraphHeader thermal;
    std::memset(&thermal, 0, sizeof thermal);
    thermal.rawLen = uint32_t(rawBytes);
    thermal.width = rawWidth;
    thermal.height = rawHeight;
    thermal.bits = 16;
    thermal.redunVersion = version;

    const Piece images[] = {
        {&display, sizeof display}, {frame->yuv.data(), yuvLen},   {&second, sizeof second},
        {&thermal, sizeof thermal}, {frame->raw.data(), rawBytes},
    };
    if (!writeAll(file, images)) return abandon(file, pngSize, kShortWrite);

    if (!request.global) return abandon(file, pngSize, kMissingData);
    PicViewInfo info;
    fillPictureInfo(info, request, *request.global);

    uchar trailer[6];
    qToLittleEndian<quint32>(quint32(pngSize), trailer);
    qToLittleEndian<quint16>(quint16(THERMCORE_FILE_MARK), trailer + 4);

    const Piece tail[] = {
        {&info, sizeof info},
        {block, sizeof(RedunData)},
        {trailer, sizeof trailer},
    };
    if (!writeAll(file, tail)) return abandon(file, pngSize, kShortWrite);

    file.close();
    return kSaved;
}

void SnapshotWriter::setWriteHook(WriteFn hook)
{
    writeHook.store(hook);
}
