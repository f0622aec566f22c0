#include "PictureFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "FixedText.h"
#include "Logger.h"
#include "PictureState.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "picture records are read and written in host order on little-endian hosts only");

namespace thermcore {

namespace {

constexpr uint8_t kMark[2] = {0x26, 0xBC};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads of one file with every offset and length checked against the end of
// the data part (the file size less the trailer).
class FileReader {
public:
    FileReader(std::FILE* file, int64_t end) : file_(file), end_(end) {}

    int64_t position() const { return pos_; }
    int64_t remaining() const { return end_ - pos_; }
    void seek(int64_t pos) { pos_ = pos; }
    bool skip(int64_t bytes)
    {
        if (bytes < 0 || bytes > remaining()) return false;
        pos_ += bytes;
        return true;
    }
    bool read(void* dst, int64_t bytes)
    {
        if (bytes < 0 || bytes > remaining()) return false;
        if (bytes == 0) return true;
        if (fseeko(file_, pos_, SEEK_SET) != 0) return false;
        if (std::fread(dst, 1, size_t(bytes), file_) != size_t(bytes)) return false;
        pos_ += bytes;
        return true;
    }

private:
    std::FILE* file_;
    int64_t end_;
    int64_t pos_ = 0;
};

void logOpenFailure(int error)
{
    TC_PLOG("open fail errno = % d reason = %s ", error, std::strerror(error));
    TC_PLOG("can't open heatMap file");
}

// Size of the file and its start offset, once the mark has been checked.
// False when the file is too short, unmarked or its offset points past the
// data part.
bool readTrailer(std::FILE* file, int64_t* size, int64_t* start, bool* marked)
{
    *marked = false;
    if (fseeko(file, 0, SEEK_END) != 0) return false;
    *size = ftello(file);
    if (*size < PictureFile::kTrailerSize) return false;
    uint8_t trailer[6];
    if (fseeko(file, *size - 6, SEEK_SET) != 0 || std::fread(trailer, 1, 6, file) != 6) return false;
    if (trailer[4] != kMark[0] || trailer[5] != kMark[1]) return false;
    *marked = true;
    *start = int64_t(trailer[0]) | int64_t(trailer[1]) << 8 | int64_t(trailer[2]) << 16 | int64_t(trailer[3]) << 24;
    return *start <= *size - PictureFile::kTrailerSize;
}

// Opens a picture file and checks its trailer; null (logged under the
// caller's name) when it cannot be opened, has no mark, or its start
// offset points past the data part.
FilePtr openPicture(const char* path, const char* mode, const char* caller, int64_t* size, int64_t* start)
{
    FilePtr file(std::fopen(path, mode));
    if (!file) {
        logOpenFailure(errno);
        return nullptr;
    }
    bool marked = false;
    if (readTrailer(file.get(), size, start, &marked)) return file;
    if (!marked)
        TC_PLOG("%s:The file format is incorrect!", caller);
    else
        TC_PLOG("%s:start offset %lld is out of range, file size %lld", caller, (long long)*start, (long long)*size);
    return nullptr;
}

// Byte length of an image of the given size: 2 bytes a pixel for 4:2:2,
// 1.5 for 4:2:0; -1 for sizes no camera produces.
int64_t expectedYuvLength(const YuvBufInfo& h, uint8_t format)
{
    if (h.width < 0 || h.height < 0 || h.width > THERMCORE_MAX_SIDE || h.height > THERMCORE_MAX_SIDE) return -1;
    const int64_t pixels = int64_t(h.width) * h.height;
    return format == 0 ? pixels * 2 : pixels * 3 / 2;
}

bool validRawSize(int32_t width, int32_t height)
{
    return width > 0 && height > 0 && width <= THERMCORE_MAX_SIDE && height <= THERMCORE_MAX_SIDE;
}

// Everything one file holds, read completely before the library's picture
// is replaced.
struct LoadedPicture {
    YuvBufInfo header[2] = {};
    std::vector<uint8_t> image[2];
    ThermalGraphHeader thermal = {};
    std::vector<uint16_t> raw;
    PicViewInfo info = {};
    RedunData redun = {};
};

struct EarlierField {
    uint16_t current;
    uint16_t earlier;
    uint16_t size;
};
// Where the earlier camera block kept the fields of the current one.
constexpr EarlierField kEarlierLayout[] = {
    {0, 0, 256},      {256, 304, 4},   {260, 308, 4},  {264, 1340, 1},  {268, 392, 240}, {520, 652, 4},
    {532, 696, 4},    {536, 940, 4},   {540, 1004, 4}, {544, 1008, 32}, {576, 1064, 4},  {584, 1072, 64},
    {648, 1136, 112}, {760, 1260, 64}, {824, 1332, 8}, {1344, 1252, 4},
};

}  // namespace

void PictureFile::convertEarlierLayout(const uint8_t* earlier, RedunData* current)
{
    // Fields without an earlier counterpart start from zero, not from
    // whatever the previous picture left.
    std::memset(current, 0, sizeof *current);
    auto* dst = reinterpret_cast<uint8_t*>(current);
    for (const EarlierField& f : kEarlierLayout) std::memcpy(dst + f.current, earlier + f.earlier, f.size);
}

int PictureFile::read(PictureState& state, const char* path)
{
    TC_PLOG("######### RADAPP_readPicViewFile ##########");
    // A new read replaces the loaded picture whatever its outcome.
    state.freeFrame();
    state.freeImages();
    state.path.clear();
    if (!path) return -1;

    int64_t size = 0, start = 0;
    FilePtr file = openPicture(path, "rb", "RADAPP_readPicViewFile", &size, &start);
    if (!file) return -1;

    FileReader in(file.get(), size - kTrailerSize);
    in.seek(start);
    auto truncated = [&](const char* what) {
        TC_PLOG("RADAPP_readPicViewFile:%s does not fit in the file (offset %lld, %lld bytes left)", what,
                (long long)in.position(), (long long)in.remaining());
        return -1;
    };

    LoadedPicture pic;
    for (int i = 0; i < 2; ++i) {
        YuvBufInfo& h = pic.header[i];
        if (!in.read(&h, sizeof h)) return truncated(i == 0 ? "yuv header 1" : "yuv header 2");
        const int64_t expected = expectedYuvLength(h, pic.header[0].format);
        if (expected < 0 || h.yuvLen != expected || h.yuvType != i) {
            TC_PLOG("yuvHeader.yuvLen = %d,yuvLen = %d,yuvHeader.yuvType = %d", h.yuvLen,
                    expected >= INT32_MIN && expected <= INT32_MAX ? int(expected) : -1, h.yuvType);
            return -1;
        }
        if (i == 1 && (pic.header[0].check0 != h.check0 || pic.header[0].check1 != h.check1)) {
            TC_PLOG(
                "tYuvBufInfo.height[%d] != vYuvBufInfo.height[%d] && tYuvBufInfo.width[%d] != "
                "vYuvBufInfo.width[%d] ",
                pic.header[0].height, h.height, pic.header[0].width, h.width);
            return -1;
        }
        if (h.yuvLen > in.remaining()) return truncated(i == 0 ? "yuv data 1" : "yuv data 2");
        pic.image[i].assign(size_t(h.yuvLen), 0);
        if (!in.read(pic.image[i].data(), h.yuvLen)) return truncated("yuv data");
    }

    if (!in.read(&pic.thermal, sizeof pic.thermal)) return truncated("thermal header");
    const int32_t width = pic.thermal.width, height = pic.thermal.height;
    if (!validRawSize(width, height)) {
        TC_PLOG("RADAPP_readPicViewFile:raw size %d x %d is out of range", width, height);
        return -1;
    }
    const int64_t rawBytes = int64_t(width) * height * 2;
    if (rawBytes > in.remaining()) return truncated("raw frame");
    pic.raw.assign(size_t(width) * size_t(height), 0);
    if (!in.read(pic.raw.data(), rawBytes)) return truncated("raw frame");

    if (!in.read(&pic.info, sizeof pic.info)) return truncated("picture information");
    FixedText::copy(pic.info.path, sizeof pic.info.path, path, 0, sizeof pic.info.path - 1);

    if (pic.thermal.redunVersion == 1) {
        if (!in.read(&pic.redun, sizeof pic.redun)) return truncated("radiometric block");
    } else {
        uint8_t earlier[sizeof(RedunData)];
        if (!in.read(earlier, sizeof earlier)) return truncated("radiometric block");
        convertEarlierLayout(earlier, &pic.redun);
    }

    for (int i = 0; i < 2; ++i) {
        state.yuvHeader[i] = pic.header[i];
        state.yuvData[i] = std::move(pic.image[i]);
        state.yuvLoaded[i] = true;
    }
    state.raw = std::move(pic.raw);
    state.width = width;
    state.height = height;
    state.info = pic.info;
    state.redun = pic.redun;
    state.path = path;

    int result = 0;
    if ((state.info.channelMode != 0 && state.info.channelMode != 2) || state.info.reserved3 != 0) {
        TC_PLOG("RADAPP_writePicView:The channel:%d is no support!", state.info.channelMode);
        result = -1;
    }
    state.rebuildTable();
    return result;
}

int PictureFile::save(PictureState& state)
{
    if (state.path.empty()) {
        TC_PLOG("RADAPP_writePicView:no picture is loaded");
        return -1;
    }
    int64_t size = 0, start = 0;
    FilePtr file = openPicture(state.path.c_str(), "r+b", "RADAPP_writePicView", &size, &start);
    if (!file) return -1;

    FileReader in(file.get(), size - kTrailerSize);
    in.seek(start);
    YuvBufInfo header{};
    ThermalGraphHeader thermal{};
    bool walked = in.read(&header, sizeof header) && in.skip(header.yuvLen) && in.read(&header, sizeof header) &&
                  in.skip(header.yuvLen) && in.read(&thermal, sizeof thermal) &&
                  validRawSize(thermal.width, thermal.height) && in.skip(int64_t(thermal.width) * thermal.height * 2);
    // The block is written only where it must be: right before the camera
    // block and the trailer. Anything else would overwrite picture data.
    const int64_t expected = size - kTrailerSize - int64_t(sizeof(RedunData)) - int64_t(sizeof(PicViewInfo));
    if (!walked || in.position() != expected) {
        TC_PLOG("RADAPP_writePicView:information block at %lld does not match the file (expected %lld)",
                (long long)in.position(), (long long)expected);
        return -1;
    }

    size_t written = 0;
    if (fseeko(file.get(), expected, SEEK_SET) == 0)
        written = std::fwrite(&state.info, 1, sizeof state.info, file.get());
    bool ok = written == sizeof state.info && std::fflush(file.get()) == 0;
    const int error = errno;
    ok = std::fclose(file.release()) == 0 && ok;
    if (!ok) {
        TC_PLOG("errno = % d reason = %s ", error, std::strerror(error));
        TC_PLOG("free temp= %d,sizeof(gRedunData) = %d", int(written), int(sizeof state.info));
        return -1;
    }
    return 0;
}

int PictureFile::takeRadioData(PictureState& state, const ThermalGraphHeader* header, const void* src)
{
    if (!header || !src) return -1;
    const int32_t width = header->width, height = header->height;
    if (!validRawSize(width, height)) {
        TC_PLOG("HM_analyRadioData:raw size %d x %d is out of range", width, height);
        return -1;
    }
    const size_t pixels = size_t(width) * size_t(height);
    state.raw.resize(pixels);
    std::memcpy(state.raw.data(), src, pixels * 2);
    std::memcpy(&state.redun, static_cast<const uint8_t*>(src) + pixels * 2, sizeof state.redun);
    state.width = width;
    state.height = height;

    state.info.emissivity = state.redun.emissivity;
    state.info.distance = state.redun.distance;
    state.info.envTemp = state.redun.envTemp;
    state.info.tempUnit = state.redun.tempUnit;
    state.info.humidity = state.redun.humidity;
    if (!state.redun.tempDataFlag) state.rebuildTable();
    return 0;
}

void convertEarlierRedunData(const uint8_t* earlier, RedunData* current)
{
    PictureFile::convertEarlierLayout(earlier, current);
}

}  // namespace thermcore
