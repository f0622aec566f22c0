#include "ThermalImageData.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "AppHelpers.h"
#include "BgrToNv12.h"
#include "DeviceSdkWrapper.h"
#include "EnhanceRawTo8Bit.h"
#include "ImageBufferHelpers.h"

// The picture block's first 32 bytes are thermcore's global parameters.
static_assert(sizeof(USBSDK_GlobalTemperParam) == 44, "global block size");
static_assert(offsetof(USBSDK_GlobalTemperParam, emissivity) == offsetof(PicGlobalRuleConfigParam, emissivity));
static_assert(offsetof(USBSDK_GlobalTemperParam, distance) == offsetof(PicGlobalRuleConfigParam, distance));
static_assert(offsetof(USBSDK_GlobalTemperParam, reflectedTemp) == offsetof(PicGlobalRuleConfigParam, reflectedTemp));
static_assert(offsetof(USBSDK_GlobalTemperParam, ambientTemp) == offsetof(PicGlobalRuleConfigParam, fEnvTemp));
static_assert(offsetof(USBSDK_GlobalTemperParam, tempUnit) == offsetof(PicGlobalRuleConfigParam, tempUnit));
static_assert(offsetof(USBSDK_GlobalTemperParam, humidity) == offsetof(PicGlobalRuleConfigParam, humidity));
static_assert(offsetof(USBSDK_GlobalTemperParam, alarmMode) == offsetof(PicGlobalRuleConfigParam, param7));
static_assert(offsetof(USBSDK_GlobalTemperParam, alarmThreshold) == offsetof(PicGlobalRuleConfigParam, param8));
static_assert(sizeof(PicGlobalRuleConfigParam) == 32, "library global parameters");

namespace {

constexpr uint8_t kMark0 = 0x26, kMark1 = 0xBC;
constexpr qint64 kTrailerTail = 6;  // u32 start offset + two mark bytes

// Length of the text's longest prefix of at most maxBytes bytes that ends on
// a UTF-8 character boundary.
size_t utf8Prefix(const char* text, size_t length, size_t maxBytes)
{
    if (length <= maxBytes) return length;
    size_t n = maxBytes;
    // Step back over continuation bytes to the lead byte of the cut character.
    while (n > 0 && (uint8_t(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

// The picture's unit field (0 C, 1 F, other K) as a display unit.
int displayUnit(int32_t pictureUnit)
{
    return pictureUnit == 0 || pictureUnit == 1 ? pictureUnit : 2;
}

uint32_t readU32(const char* p)
{
    const auto* b = reinterpret_cast<const uint8_t*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void writeU32(char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = char(uint8_t(v >> (8 * i)));
}

template <typename T>
bool tryResize(std::vector<T>& v, size_t n)
{
    try {
        v.assign(n, T());
        return true;
    } catch (const std::bad_alloc&) {
        v.clear();
        return false;
    }
}

void release(std::vector<uint8_t>& v)
{
    std::vector<uint8_t>().swap(v);
}

}  // namespace

ThermalImageData& ThermalImageData::getInstance()
{
    static ThermalImageData instance;
    return instance;
}

ThermalImageData::ThermalImageData()
{
    // The library's picture state is created on first use; touching it here
    // makes it outlive the store at exit, when the destructor frees the picture.
    HM_freeAXPicViewInfo();
    for (int i = 0; i < 256; ++i) identity_[i] = uint8_t(i);
}

ThermalImageData::~ThermalImageData()
{
    freePic();
}

bool ThermalImageData::cameraConnected()
{
    return DeviceSdkWrapper::getInstance().Connect();
}

// ---- The picture ----------------------------------------------------------

int ThermalImageData::readPicFile(const QString& path)
{
    freePic();
    picPath_.clear();
    if (HM_readAXPicViewFile(QFile::encodeName(path).constData()) != 0) return -2;
    loaded_ = true;
    picPath_ = path;
    return 0;
}

void ThermalImageData::freeBuffers()
{
    release(grey_);
    release(nv12_);
    nv12Stale_ = true;
    release(colourYuv_);
    release(displayBgr_);
    release(paletteBmp_);
    std::vector<float>().swap(pixelTemp_);
}

void ThermalImageData::freePic()
{
    HM_freeAXPicViewInfo();
    freeBuffers();
    loaded_ = false;
    pixelTempValid_ = false;
    picGlobalValid_ = false;
    picRulesValid_ = false;
    width_ = 0;
    height_ = 0;
}

int ThermalImageData::savePicViewInfo()
{
    if (!loaded_) return -1;
    return HM_saveAXPicViewInfo() == 0 ? 0 : -2;
}

int ThermalImageData::getPicHeaderInfo()
{
    width_ = 0;
    height_ = 0;
    yuvFormat_ = -1;
    if (!loaded_) return -1;
    YuvBufInfo yuv{};
    ThermalGraphHeader graph{};
    if (HM_getYuvHeaderInfo(&yuv, 0) != 0 || HM_getAxThrmGraphHeaderInfo(&graph) != 0) return -2;
    yuvFormat_ = yuv.format;
    static_assert(sizeof yuvHeaderTail_ == 40 && offsetof(YuvBufInfo, check0) == 32, "header tail");
    std::memcpy(yuvHeaderTail_, reinterpret_cast<const uint8_t*>(&yuv) + 32, sizeof yuvHeaderTail_);
    scale_ = 1.0f;
    width_ = std::max(graph.width, 0);
    height_ = std::max(graph.height, 0);
    return 0;
}

int ThermalImageData::getThermalGraph()
{
    if (!loaded_) return -1;
    if (width_ <= 0 || height_ <= 0) return -2;
    const size_t n = size_t(width_) * size_t(height_);
    std::vector<uint16_t> raw;
    if (!tryResize(grey_, n) || !tryResize(raw, n)) {
        release(grey_);
        return -3;
    }
    int rc = 0;
    if (HM_getAxThrmGraph(raw.data()) != 0)
        rc = -4;
    else if (EnhanceRawTo8Bit(raw.data(), uint16_t(width_), uint16_t(height_), 0, grey_.data(), nullptr) != 0)
        rc = -5;
    // Only a finished 8-bit picture is kept: the palette range needs one.
    if (rc != 0) release(grey_);
    return rc;
}

int ThermalImageData::getPixelsTemperature()
{
    pixelTempValid_ = false;
    if (!loaded_) return -1;
    if (width_ <= 0 || height_ <= 0) return -1;
    if (!tryResize(pixelTemp_, size_t(width_) * size_t(height_))) return -2;
    if (HM_getAxPixelsTemperature(0, pixelTemp_.data()) != 0) return -2;
    pixelTempValid_ = true;
    return 0;
}

int ThermalImageData::getTemperList(std::vector<float>& list) const
{
    if (!loaded_ || !pixelTempValid_) return -1;
    list.insert(list.end(), pixelTemp_.begin(), pixelTemp_.end());
    return 0;
}

int32_t ThermalImageData::pictureUnit() const
{
    PicGlobalRuleConfigParam param{};
    return HM_getPicGlobalRuleConfig(&param) == 0 ? param.tempUnit : 0;
}

void ThermalImageData::toCelsius(HM_RuleTemper* result) const
{
    const int unit = displayUnit(pictureUnit());
    result->average = TemperToCelsius(result->average, unit);
    result->maximum = TemperToCelsius(result->maximum, unit);
    result->minimum = TemperToCelsius(result->minimum, unit);
}

int ThermalImageData::getRuleRegionTemper(const RuleRegionParam* rule, HM_RuleTemper* result)
{
    if (!loaded_ || !pixelTempValid_ || !rule || !result) return -1;
    if (PIC_getRuleRegionTemper(rule, result) != 0) return -2;
    toCelsius(result);
    return 0;
}

int ThermalImageData::getHotColdTemper(HM_RuleTemper* record)
{
    if (!loaded_ || !record) return -1;
    if (PIC_GetHotColdTemperature(record) != 0) return -2;
    toCelsius(record);
    return 0;
}

int ThermalImageData::updateHotColdTemper()
{
    minTemper_ = 0.0f;
    maxTemper_ = 0.0f;
    if (!loaded_) return -1;
    HM_RuleTemper result{};
    if (PIC_GetHotColdTemperature(&result) != 0) return -1;
    toCelsius(&result);
    maxTemper_ = result.maximum;
    minTemper_ = result.minimum;
    return 0;
}

int ThermalImageData::getPicColorBarRange(float range[2])
{
    if (!loaded_ || !range) return -1;
    float r[2] = {};
    if (::getPicColorBarRange(r) != 0) return -2;
    const int unit = displayUnit(pictureUnit());
    range[0] = TemperToCelsius(r[0], unit);
    range[1] = TemperToCelsius(r[1], unit);
    return 0;
}

int ThermalImageData::setPicColorBarRange(const float range[2])
{
    if (!loaded_ || !range) return -1;
    float r[2] = {range[0], range[1]};
    // {0, 0} means "automatic" to the library and is passed as it is.
    if (r[0] != 0.0f || r[1] != 0.0f) {
        const int unit = displayUnit(pictureUnit());
        r[0] = CelsiusToTemper(r[0], unit);
        r[1] = CelsiusToTemper(r[1], unit);
    }
    return ::setPicColorBarRange(r) == 0 ? 0 : -2;
}

int ThermalImageData::calcPaletteRange()
{
    idxLow_ = 0;
    idxHigh_ = 0;
    if (!loaded_) return -1;
    if (width_ <= 0 || height_ <= 0) return -2;
    if (grey_.empty()) return -3;
    const auto [lo, hi] = std::minmax_element(grey_.begin(), grey_.end());
    idxLow_ = *lo;
    idxHigh_ = *hi;
    return 0;
}

int ThermalImageData::temperToPaletteIndex(float celsius) const
{
    if (!loaded_) return -1;
    // A uniform picture has no span to divide by.
    if (!(maxTemper_ > minTemper_) || std::isnan(celsius)) return std::max(idxLow_, 0);
    const double t = std::max(double(celsius), double(minTemper_));
    const double index =
        idxLow_ + (t - minTemper_) * double(idxHigh_ - idxLow_) / (double(maxTemper_) - double(minTemper_));
    return int(std::clamp(index, 0.0, double(std::numeric_limits<int>::max())));
}

int ThermalImageData::getPaletteBmp(int colorType, int paletteLow, int paletteHigh, int lowIndex, int highIndex,
                                    int flag, const uint8_t** out, int* outLength)
{
    if (out) *out = nullptr;
    if (outLength) *outLength = 0;
    release(paletteBmp_);
    if (!out || !outLength || flag != 0) return -1;
    auto level = [](int v) { return uint8_t(std::clamp(v, 0, 255)); };
    const ColorizeParam param{colorType, 256, level(paletteLow), level(paletteHigh), level(lowIndex), level(highIndex)};
    uint8_t yuv[256 * 3];
    uint8_t bgr[256 * 3];
    if (ColorizeGray8(identity_, yuv, &param) != kColorizeOk) return -1;
    Yuv444ToBgr(yuv, bgr, 256);
    uint8_t* bmp = nullptr;
    const int size = BuildBmpInMemory(bgr, &bmp, 256, 1, 24);
    if (size <= 0) return -1;
    paletteBmp_.assign(bmp, bmp + size);
    delete[] bmp;
    *out = paletteBmp_.data();
    *outLength = size;
    return 0;
}

int ThermalImageData::saveImageBmp(const QString& path, int colorType, int mode, int lowIndex, int highIndex)
{
    if (!loaded_) return -1;
    if (width_ <= 0 || height_ <= 0) return -2;
    if (mode != 0) return 0;
    if (grey_.empty()) return -3;
    const size_t n = size_t(width_) * size_t(height_);
    if (n > size_t(std::numeric_limits<int>::max())) return -2;
    if (!tryResize(colourYuv_, n * 3) || !tryResize(displayBgr_, n * 3)) return -4;
    auto level = [](int v) { return uint8_t(std::clamp(v, 0, 255)); };
    const ColorizeParam param{colorType, int(n), 0, 255, level(lowIndex), level(highIndex)};
    if (ColorizeGray8(grey_.data(), colourYuv_.data(), &param) != kColorizeOk) {
        release(displayBgr_);
        return -3;
    }
    Yuv444ToBgr(colourYuv_.data(), displayBgr_.data(), int(n));
    nv12Stale_ = true;
    const QByteArray file = QFile::encodeName(path);
    if (WriteBmpFile(file.constData(), displayBgr_.data(), width_, height_, 24, nullptr) != kBmpWritten) return -6;
    return 0;
}

QImage ThermalImageData::renderedImage() const
{
    const size_t n = size_t(width_) * size_t(height_);
    if (!loaded_ || n == 0 || displayBgr_.size() != n * 3) return QImage();
    return QImage(displayBgr_.data(), width_, height_, width_ * 3, QImage::Format_BGR888);
}

const std::vector<uint8_t>& ThermalImageData::getDisplayNv12()
{
    const size_t n = size_t(width_) * size_t(height_);
    if (!loaded_ || n == 0 || displayBgr_.size() != n * 3) {
        release(nv12_);
        return nv12_;
    }
    if (nv12Stale_) {
        try {
            BgrToNv12(displayBgr_.data(), width_, height_, nv12_);
            nv12Stale_ = false;
        } catch (const std::bad_alloc&) {
            release(nv12_);
        }
    }
    return nv12_;
}

int ThermalImageData::savePicAsImage()
{
    if (!loaded_) return -1;
    const size_t pixels = size_t(width_) * size_t(height_);
    if (pixels == 0 || displayBgr_.size() != pixels * 3) return -4;

    // The trailer: from its start offset to the end, offset and mark included.
    QByteArray trailer;
    {
        QFile in(picPath_);
        if (!in.open(QIODevice::ReadOnly)) return -1;
        const qint64 size = in.size();
        if (size < kTrailerTail) return -2;
        char tail[kTrailerTail];
        if (!in.seek(size - kTrailerTail) || in.read(tail, kTrailerTail) != kTrailerTail) return -1;
        if (uint8_t(tail[4]) != kMark0 || uint8_t(tail[5]) != kMark1) return -2;
        const qint64 offset = readU32(tail);
        if (offset >= size || size - offset < qint64(sizeof(YuvBufInfo)) + kTrailerTail) return -3;
        if (!in.seek(offset)) return -1;
        trailer = in.read(size - offset);
        if (trailer.size() != size - offset) return -1;
    }
    // The trailer must start with the loaded picture's first image header,
    // as thermcore read it; otherwise the file changed under us.
    YuvBufInfo header{};
    if (HM_getYuvHeaderInfo(&header, 0) != 0 || std::memcmp(trailer.constData(), &header, sizeof header) != 0)
        return -3;

    QByteArray png;
    {
        const QImage image(displayBgr_.data(), width_, height_, width_ * 3, QImage::Format_BGR888);
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return -4;
    }
    if (png.isEmpty() || quint64(png.size()) > std::numeric_limits<uint32_t>::max()) return -4;
    writeU32(trailer.data() + trailer.size() - kTrailerTail, uint32_t(png.size()));

    // Written beside the original and renamed over it only when complete.
    QSaveFile out(picPath_);
    if (!out.open(QIODevice::WriteOnly)) return -5;
    if (out.write(png) != png.size() || (saveHook_ && !saveHook_()) || out.write(trailer) != trailer.size()) {
        out.cancelWriting();
        return -6;
    }
    return out.commit() ? 0 : -6;
}

// ---- Picture parameters and rules -----------------------------------------

int ThermalImageData::readPicGlobalRuleConfig()
{
    picGlobal_ = {};
    picGlobalValid_ = false;
    if (!loaded_) return -1;
    PicGlobalRuleConfigParam param{};
    if (HM_getPicGlobalRuleConfig(&param) != 0) return -2;
    std::memcpy(&picGlobal_, &param, sizeof param);
    picGlobalValid_ = true;
    return 0;
}

USBSDK_GlobalTemperParam* ThermalImageData::getPicGlobalRuleConfig()
{
    return loaded_ && picGlobalValid_ ? &picGlobal_ : nullptr;
}

int ThermalImageData::setPicGlobalRuleConfig()
{
    if (!loaded_ || !picGlobalValid_) return -1;
    PicGlobalRuleConfigParam param{};
    std::memcpy(&param, &picGlobal_, sizeof param);
    return HM_setPicGlobalRuleConfig(&param);
}

int ThermalImageData::readPicRuleConfigInfo()
{
    picRules_.clear();
    picRulesValid_ = false;
    if (!loaded_) return -1;
    PicRuleConfigInfo info{};
    if (HM_getPicRuleConfigInfo(&info) != 0) return -2;
    const int count = std::clamp<int>(info.count, 0, kMaxRules);
    for (int i = 0; i < count; ++i) {
        picRules_.records[i].key = 0;
        picRules_.records[i].rule = info.rules[i];
    }
    picRules_.count = count;
    picRulesValid_ = true;
    return 0;
}

PicRuleList* ThermalImageData::getPicRuleList()
{
    return loaded_ && picRulesValid_ ? &picRules_ : nullptr;
}

int ThermalImageData::setPicRuleConfigInfo()
{
    if (!loaded_ || !picRulesValid_) return -1;
    // Callers write into the list they were given; a count out of range is theirs.
    if (picRules_.count < 0 || picRules_.count > kMaxRules) return -1;
    PicRuleConfigInfo info{};
    info.count = picRules_.count;
    for (int i = 0; i < info.count; ++i) info.rules[i] = picRules_.records[i].rule;
    return HM_setPicRuleConfigInfo(&info);
}

int ThermalImageData::addPicRule(PicRuleRecord* record)
{
    if (!loaded_ || !picRulesValid_ || !record) return -1;
    return picRules_.append(record) ? 0 : -1;
}

int ThermalImageData::delPicRule(quint32 key)
{
    if (!loaded_ || !picRulesValid_ || key == 0) return -1;
    picRules_.remove(key);
    return 0;
}

PicRuleConfig* ThermalImageData::findPicRuleById(quint32 key)
{
    if (!loaded_ || !picRulesValid_ || key == 0 || picRules_.size() < 1) return nullptr;
    PicRuleRecord* record = picRules_.find(key);
    return record ? &record->rule : nullptr;
}

int ThermalImageData::readIsoThermParam()
{
    std::memset(isoTherm_, 0, sizeof isoTherm_);
    if (!loaded_) return -1;
    return HM_getIsoThermParam(isoTherm_) == 0 ? 0 : -2;
}

int ThermalImageData::setIsoThermParam()
{
    if (!loaded_) return -1;
    return HM_setIsoThermParam(isoTherm_) == 0 ? 0 : -2;
}

int ThermalImageData::getColorType(int32_t* value)
{
    if (!loaded_ || !value) return -1;
    return HM_getColorType(value);
}

int ThermalImageData::setColorType(int32_t value)
{
    if (!loaded_) return -1;
    return HM_setColorType(&value);
}

int ThermalImageData::getChannel(int32_t* value)
{
    if (!loaded_ || !value) return -1;
    return HM_getChannel(value);
}

int ThermalImageData::setChannel(int32_t value)
{
    if (!loaded_) return -1;
    return HM_setChannel(&value);
}

int ThermalImageData::getFlipDirection()
{
    int32_t direction = 0;
    return HM_getFlipDirection(&direction) == 0 ? direction : 0;
}

int ThermalImageData::getSetParamsState(int32_t* state, int direction)
{
    if (!loaded_ || !state) return -1;
    if (direction == 0) return HM_getParamsState(state) == 0 ? 0 : -4;
    if (direction == 1) return HM_setParamsState(*state) == 0 ? 0 : -3;
    return -2;
}

int ThermalImageData::getSetText(char* text, int size, int direction)
{
    if (!loaded_ || !text || size < 1) return -1;
    char note[kNoteSize] = {};
    if (direction == 0) {
        const int rc = HM_getText(note);
        const size_t n = utf8Prefix(note, strnlen(note, sizeof note), size_t(size) - 1);
        std::memcpy(text, note, n);
        text[n] = '\0';
        return rc;
    }
    if (direction == 1) {
        const size_t n = utf8Prefix(text, strnlen(text, size_t(size)), sizeof note - 1);
        std::memcpy(note, text, n);
        return HM_setText(note);
    }
    return -2;
}

// ---- Live set ---------------------------------------------------------------

std::optional<USBSDK_GlobalTemperParam> ThermalImageData::getDevGlobalRuleConfig() const
{
    if (!cameraConnected()) return std::nullopt;
    std::lock_guard<std::mutex> lock(liveMutex_);
    if (!devGlobalValid_) return std::nullopt;
    return devGlobal_;
}

std::optional<PicRuleList> ThermalImageData::getDevRuleList() const
{
    if (!cameraConnected()) return std::nullopt;
    std::lock_guard<std::mutex> lock(liveMutex_);
    if (!devRulesValid_) return std::nullopt;
    return devRules_;
}

std::optional<PicRuleConfig> ThermalImageData::findDevRuleById(quint32 key) const
{
    if (key == 0 || !cameraConnected()) return std::nullopt;
    std::lock_guard<std::mutex> lock(liveMutex_);
    if (!devRulesValid_) return std::nullopt;
    const PicRuleRecord* record = devRules_.find(key);
    if (!record) return std::nullopt;
    return record->rule;
}

int ThermalImageData::setDevGlobalRuleConfig(const USBSDK_GlobalTemperParam* block)
{
    if (!block) return -1;
    std::lock_guard<std::mutex> lock(liveMutex_);
    devGlobal_ = *block;
    devGlobalValid_ = true;
    return 0;
}

int ThermalImageData::addDevRule(PicRuleRecord* record)
{
    if (!record || !cameraConnected()) return -1;
    std::lock_guard<std::mutex> lock(liveMutex_);
    if (!devRules_.append(record)) return -1;
    devRulesValid_ = true;
    return 0;
}

int ThermalImageData::delDevRule(quint32 key)
{
    if (key == 0 || !cameraConnected()) return -1;
    std::lock_guard<std::mutex> lock(liveMutex_);
    if (!devRulesValid_) return -1;
    devRules_.remove(key);
    return 0;
}

int ThermalImageData::updateDevRule(quint32 key, const PicRuleConfig& rule)
{
    if (key == 0 || !cameraConnected()) return -1;
    std::lock_guard<std::mutex> lock(liveMutex_);
    if (!devRulesValid_) return -1;
    PicRuleRecord* record = devRules_.find(key);
    if (!record) return -2;
    const int32_t ruleId = record->rule.ruleId;
    record->rule = rule;
    record->rule.ruleId = ruleId;
    return 0;
}
