// Snapshots of real frames of the simulated camera (manual clock): the
// picture re-read by thermcore and by the picture store with the scene's
// temperatures, the byte layout of the appended part, every refusal with its
// code and what stays on disk, the folders and the free-space limit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "FreeSpaceProbe.h"
#include "ImageBufferHelpers.h"
#include "LiveFrame.h"
#include "SnapshotRequest.h"
#include "SnapshotWriter.h"
#include "ThermalImageData.h"
#include "simcam.h"
#include "thermcore.h"

namespace {

constexpr int kW = 640, kH = 512;  // the simulated camera's default frame
constexpr float kTolerance = 0.05f;
constexpr int kAurora = 21;
constexpr size_t kYuvHeader = 92, kThermalHeader = 112, kInfo = 11128, kRedun = 1368;

qint64 plenty(const QString&)
{
    return qint64(100) << 30;
}

// The frames the camera delivers while a test steps its clock; the newest
// one is kept.
struct FrameCatch {
    std::mutex lock;
    std::shared_ptr<LiveFrame> frame;

    static void sink(const unsigned char* yuv, int yuvLen, const unsigned char* raw, int rawLen, int width, int height,
                     void* user)
    {
        auto* self = static_cast<FrameCatch*>(user);
        auto f = std::make_shared<LiveFrame>();
        f->width = width;
        f->height = height;
        if (yuv && yuvLen > 0) f->yuv.assign(yuv, yuv + yuvLen);
        if (raw && rawLen > 0) f->raw.assign(raw, raw + rawLen);
        const std::lock_guard<std::mutex> guard(self->lock);
        self->frame = std::move(f);
    }
};

// Normalised rule coordinate of pixel p on a side of n pixels (exact for the
// values used here).
int32_t norm(int p, int n)
{
    return int32_t(p * 8192 / n);
}

PicRuleConfig rule(int32_t id, int32_t type, int32_t shape, std::vector<ThermPoint> points, const char* name)
{
    PicRuleConfig r;
    std::memset(&r, 0, sizeof r);
    r.ruleId = id;
    r.meterType = type;
    r.param = shape;
    r.pointNum = int32_t(points.size());
    for (size_t i = 0; i < points.size(); ++i) r.points[i] = points[i];
    std::strncpy(r.name, name, sizeof r.name - 1);
    r.emissivity = 0.97f;
    r.distance = 1.0f;
    r.reflectedTemp = 25.0f;
    return r;
}

// The rectangle rule of the tests: pixels x 300..399, y 320..419, on the
// background gradient, away from every disc and defect.
constexpr int kRectX0 = 300, kRectX1 = 400, kRectY0 = 320, kRectY1 = 420;

QVector<PicRuleConfig> liveRules()
{
    PicRuleConfig point = rule(1, 0, 0, {{norm(100, kW), norm(100, kH)}}, "P1");
    PicRuleConfig rect = rule(2, 2, 1,
                              {{norm(kRectX0, kW), norm(kRectY0, kH)},
                               {norm(kRectX1, kW), norm(kRectY0, kH)},
                               {norm(kRectX1, kW), norm(kRectY1, kH)},
                               {norm(kRectX0, kW), norm(kRectY1, kH)}},
                              "R1");
    // Carried alarm values of the live record are not part of the picture.
    rect.alarmMode = 1;
    rect.alarmThreshold = 50.0f;
    rect.bLocalEnable = 0;
    return {point, rect};
}

uint32_t u32(const QByteArray& b, size_t at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
int32_t i32(const QByteArray& b, size_t at)
{
    return qFromLittleEndian<qint32>(b.constData() + at);
}
uint16_t u16(const QByteArray& b, size_t at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
float f32(const QByteArray& b, size_t at)
{
    float v;
    std::memcpy(&v, b.constData() + at, sizeof v);
    return v;
}
bool allZero(const QByteArray& b, size_t at, size_t size)
{
    for (size_t i = at; i < at + size; ++i)
        if (b.at(int(i)) != 0) return false;
    return true;
}

// Length of the PNG at the start of bytes: the signature and the chunks up to
// and including IEND; 0 when it is not a PNG.
size_t pngLength(const QByteArray& bytes)
{
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 8 || std::memcmp(bytes.constData(), kSignature, 8) != 0) return 0;
    size_t at = 8;
    while (at + 12 <= size_t(bytes.size())) {
        const size_t length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray type = bytes.mid(int(at + 4), 4);
        at += 12 + length;
        if (type == "IEND") return at <= size_t(bytes.size()) ? at : 0;
    }
    return 0;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The appended writes fail from the n-th one on (counted from 1): that write
// stores half its bytes.
std::atomic<int> writesLeft{0};
qint64 shortFromNth(QFile& file, const char* data, qint64 size)
{
    if (--writesLeft > 0) return file.write(data, size);
    return file.write(data, size / 2);
}

class SnapshotWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        USBSDK_Init();
        FreeSpaceProbe::setSource(&plenty);
    }
    void TearDown() override
    {
        SnapshotWriter::setWriteHook(nullptr);
        FreeSpaceProbe::setSource(nullptr);
        ThermalImageData::getInstance().freePic();
        sdk().Close();
        SIMCAM_Reset();
    }

    static DeviceSdkWrapper& sdk() { return DeviceSdkWrapper::getInstance(); }

    // Changes the simulated camera before it is opened.
    static void setProfile(int deviceType, int redunType)
    {
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.deviceType = deviceType;
        p.redunType = redunType;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    }

    // Opens the first camera and takes one frame from it.
    FramePtr openAndGrab()
    {
        USBSDK_DeviceInfo list[8];
        std::memset(list, 0, sizeof list);
        EXPECT_GE(sdk().GetDevInfoList(list, 8), 1);
        EXPECT_TRUE(sdk().Open(&list[0]));
        return grab();
    }
    FramePtr grab()
    {
        FrameCatch caught;
        EXPECT_EQ(USBSDK_StartRealPlay(&FrameCatch::sink, &caught), 1);
        EXPECT_EQ(SIMCAM_StepFrames(1), 1);
        USBSDK_StopRealPlay(&caught);
        const std::lock_guard<std::mutex> guard(caught.lock);
        EXPECT_TRUE(caught.frame);
        return caught.frame;
    }

    // The request of the live page: the camera's global block (humidity
    // changed so its origin shows), two live rules, Aurora, flip 3.
    static SnapshotRequest request(const QString& root)
    {
        SnapshotRequest r;
        r.root = root;
        r.serial = QStringLiteral("SIM00000001");
        USBSDK_GlobalTemperParam g;
        std::memset(&g, 0, sizeof g);
        EXPECT_EQ(USBSDK_GetCommonTemperParam(&g), 1);
        g.humidity = 61;
        r.global = g;
        r.rules = liveRules();
        r.saveRules = true;
        r.colorType = kAurora;
        r.flip = 3;
        return r;
    }

    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A snapshot file at path that must stay a plain PNG after code.
    static void expectPlainPng(const QString& path)
    {
        const QByteArray bytes = readAll(path);
        ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
        EXPECT_EQ(size_t(bytes.size()), pngLength(bytes));
        EXPECT_EQ(QImage(path).size(), QSize(kW, kH));
    }

    static float truth(int x, int y)
    {
        float t = -1000.0f;
        EXPECT_EQ(SIMCAM_GetTruth(0, x, y, &t), 1);
        return t;
    }

    QTemporaryDir dir_;
};

TEST_F(SnapshotWriterTest, RadiometricPictureReopensWithTheSceneTemperaturesAndTheRequest)
{
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(frame && frame->hasRaw());
    const SnapshotRequest req = request(dir_.path());
    const QString path = file("snap.png");
    ASSERT_EQ(SnapshotWriter::saveSnapshotFile(path, req, frame), SnapshotWriter::kSaved);

    // Any PNG reader shows the frame, converted as the live view converts it.
    QImage shown(path);
    ASSERT_EQ(shown.size(), QSize(kW, kH));
    shown = shown.convertToFormat(QImage::Format_RGB888);
    std::vector<uint8_t> rgb(size_t(kW) * kH * 3);
    Yuv422ToRgb(frame->yuv.data(), rgb.data(), kW, kH);
    for (int y = 0; y < kH; y += 97)
        EXPECT_EQ(std::memcmp(shown.constScanLine(y), rgb.data() + size_t(y) * kW * 3, size_t(kW) * 3), 0) << y;

    EXPECT_EQ(HM_readAXPicViewFile(QFile::encodeName(path).constData()), 0);
    HM_freeAXPicViewInfo();

    // Opened as the picture analysis opens it.
    ThermalImageData& store = ThermalImageData::getInstance();
    ASSERT_EQ(store.readPicFile(path), 0);
    ASSERT_EQ(store.getPicHeaderInfo(), 0);
    ASSERT_EQ(store.getThermalGraph(), 0);
    ASSERT_EQ(store.getPixelsTemperature(), 0);
    ASSERT_EQ(store.readPicGlobalRuleConfig(), 0);
    ASSERT_EQ(store.readPicRuleConfigInfo(), 0);

    int32_t colour = -1;
    ASSERT_EQ(store.getColorType(&colour), 0);
    EXPECT_EQ(colour, kAurora);
    EXPECT_EQ(store.getFlipDirection(), 3);

    const USBSDK_GlobalTemperParam* global = store.getPicGlobalRuleConfig();
    ASSERT_NE(global, nullptr);
    EXPECT_FLOAT_EQ(global->emissivity, req.global->emissivity);
    EXPECT_FLOAT_EQ(global->distance, req.global->distance);
    EXPECT_FLOAT_EQ(global->ambientTemp, req.global->ambientTemp);
    EXPECT_EQ(global->tempUnit, req.global->tempUnit);
    EXPECT_EQ(global->humidity, 61);

    const PicRuleList* rules = store.getPicRuleList();
    ASSERT_NE(rules, nullptr);
    ASSERT_EQ(rules->size(), 2);
    for (int i = 0; i < 2; ++i) {
        const PicRuleConfig& got = rules->records[i].rule;
        const PicRuleConfig& want = req.rules.at(i);
        EXPECT_EQ(got.ruleId, want.ruleId);
        EXPECT_EQ(got.meterType, want.meterType);
        EXPECT_EQ(got.param, want.param);
        EXPECT_EQ(got.pointNum, want.pointNum);
        EXPECT_EQ(std::memcmp(got.points, want.points, sizeof got.points), 0);
        EXPECT_STREQ(got.name, want.name);
        EXPECT_EQ(got.bLocalEnable, want.bLocalEnable);
        EXPECT_FLOAT_EQ(got.emissivity, want.emissivity);
        EXPECT_EQ(got.alarmMode, 0);
        EXPECT_EQ(got.alarmThreshold, 0.0f);
    }

    // Pixel temperatures over the whole frame on a grid that misses the
    // simulated defects, and a few chosen pixels.
    std::vector<float> temps;
    ASSERT_EQ(store.getTemperList(temps), 0);
    ASSERT_EQ(temps.size(), size_t(kW) * kH);
    int checked = 0;
    for (int y = 7; y < kH; y += 16)
        for (int x = 7; x < kW; x += 16, ++checked)
            ASSERT_NEAR(temps[size_t(y) * kW + x], truth(x, y), kTolerance) << x << "," << y;
    EXPECT_EQ(checked, 40 * 32);
    const struct {
        int x, y;
        float celsius;
    } pixels[] = {{100, 100, 37.0f}, {544, 435, 5.0f}, {0, 0, -1}, {kW - 1, kH - 1, -1}};
    for (const auto& p : pixels) {
        const float t = truth(p.x, p.y);
        if (p.celsius > 0) {
            EXPECT_FLOAT_EQ(t, p.celsius);
        }
        EXPECT_NEAR(temps[size_t(p.y) * kW + p.x], t, kTolerance) << p.x << "," << p.y;
    }

    // The stored rectangle, measured as the analysis measures it, against
    // the scene over its pixels.
    const PicRuleConfig& r = rules->records[1].rule;
    RuleRegionParam region;
    std::memset(&region, 0, sizeof region);
    region.ruleID = r.ruleId;
    region.pointNum = r.pointNum;
    region.meterType = r.meterType;
    region.param = r.param;
    std::memcpy(region.points, r.points, sizeof region.points);
    HM_RuleTemper result{};
    ASSERT_EQ(store.getRuleRegionTemper(&region, &result), 0);
    float lo = 1000.0f, hi = -1000.0f;
    double sum = 0;
    for (int y = kRectY0; y < kRectY1; ++y)
        for (int x = kRectX0; x < kRectX1; ++x) {
            const float t = truth(x, y);
            lo = std::min(lo, t);
            hi = std::max(hi, t);
            sum += t;
        }
    EXPECT_NEAR(result.maximum, hi, kTolerance);
    EXPECT_NEAR(result.minimum, lo, kTolerance);
    EXPECT_NEAR(result.average, sum / ((kRectX1 - kRectX0) * (kRectY1 - kRectY0)), kTolerance);
}

TEST_F(SnapshotWriterTest, AppendedPartHasItsByteLayout)
{
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(frame && frame->hasRaw());
    SnapshotRequest req = request(dir_.path());
    // A name of 32 bytes without a NUL: cut on a character boundary.
    const char longName[] =
        "ab\xe6\xb8\xa9\xe6\xb8\xa9\xe6\xb8\xa9\xe6\xb8\xa9\xe6\xb8\xa9\xe6\xb8\xa9\xe6\xb8\xa9"
        "\xe6\xb8\xa9\xe6\xb8\xa9\xe6\xb8\xa9";
    static_assert(sizeof longName == 33, "32 bytes and the literal's NUL");
    std::memcpy(req.rules[0].name, longName, 32);
    const QString path = file("layout.png");
    ASSERT_EQ(SnapshotWriter::saveSnapshotFile(path, req, frame), SnapshotWriter::kSaved);

    const QByteArray b = readAll(path);
    const size_t png = pngLength(b);
    ASSERT_GT(png, 0u);
    const size_t yuvLen = size_t(kW) * kH * 2, rawLen = yuvLen;
    const size_t header1 = png, header2 = header1 + kYuvHeader + yuvLen, thermal = header2 + kYuvHeader;
    const size_t raw = thermal + kThermalHeader, info = raw + rawLen, redun = info + kInfo, trailer = redun + kRedun;
    ASSERT_EQ(size_t(b.size()), trailer + 6);

    // Display image header and data.
    EXPECT_EQ(u16(b, header1), 0x484F);
    EXPECT_EQ(u16(b, header1 + 2), 0);
    EXPECT_EQ(i32(b, header1 + 4), 0);
    EXPECT_EQ(i32(b, header1 + 8), kW);
    EXPECT_EQ(i32(b, header1 + 12), kH);
    EXPECT_EQ(i32(b, header1 + 16), int32_t(yuvLen));
    EXPECT_EQ(i32(b, header1 + 20), kW);
    EXPECT_TRUE(allZero(b, header1 + 24, kYuvHeader - 24));
    EXPECT_EQ(std::memcmp(b.constData() + header1 + kYuvHeader, frame->yuv.data(), yuvLen), 0);
    // Second image header: yuvType 1 only, no data.
    EXPECT_TRUE(allZero(b, header2, 4));
    EXPECT_EQ(i32(b, header2 + 4), 1);
    EXPECT_TRUE(allZero(b, header2 + 8, kYuvHeader - 8));
    // Raw header and raw frame.
    EXPECT_EQ(u32(b, thermal), uint32_t(rawLen));
    EXPECT_EQ(i32(b, thermal + 4), kW);
    EXPECT_EQ(i32(b, thermal + 8), kH);
    EXPECT_EQ(i32(b, thermal + 12), 16);
    EXPECT_TRUE(allZero(b, thermal + 16, 80));
    EXPECT_EQ(i32(b, thermal + 96), 1);
    EXPECT_TRUE(allZero(b, thermal + 100, 12));
    EXPECT_EQ(std::memcmp(b.constData() + raw, frame->raw.data(), rawLen), 0);

    // Picture information: the request's values at their offsets.
    EXPECT_EQ(i32(b, info), 0);
    EXPECT_EQ(i32(b, info + 4), 2);
    const size_t rule0 = info + 8, rule1 = rule0 + 160;
    EXPECT_EQ(i32(b, rule0), 1);
    EXPECT_EQ(i32(b, rule0 + 4), 0);
    EXPECT_EQ(i32(b, rule0 + 12), 1);
    EXPECT_EQ(i32(b, rule0 + 16), norm(100, kW));
    EXPECT_EQ(i32(b, rule0 + 20), norm(100, kH));
    EXPECT_EQ(b.mid(int(rule0 + 84), 32), QByteArray(longName, 29) + QByteArray(3, '\0'));
    EXPECT_EQ(i32(b, rule1), 2);
    EXPECT_EQ(i32(b, rule1 + 4), 2);
    EXPECT_EQ(i32(b, rule1 + 8), 1);
    EXPECT_EQ(i32(b, rule1 + 12), 4);
    EXPECT_EQ(i32(b, rule1 + 16 + 16), norm(kRectX1, kW));
    EXPECT_EQ(i32(b, rule1 + 16 + 20), norm(kRectY1, kH));
    EXPECT_EQ(b.mid(int(rule1 + 84), 3), QByteArray("R1\0", 3));
    EXPECT_FLOAT_EQ(f32(b, rule1 + 120), 0.97f);
    EXPECT_FLOAT_EQ(f32(b, rule1 + 124), 1.0f);
    EXPECT_FLOAT_EQ(f32(b, rule1 + 128), 25.0f);
    EXPECT_TRUE(allZero(b, rule1 + 80, 3));    // show flags
    EXPECT_TRUE(allZero(b, rule1 + 132, 28));  // carried fields and the rest
    EXPECT_TRUE(allZero(b, rule1 + 160, 58 * 160));
    EXPECT_FLOAT_EQ(f32(b, info + 9612), req.global->emissivity);
    EXPECT_FLOAT_EQ(f32(b, info + 9616), req.global->distance);
    EXPECT_FLOAT_EQ(f32(b, info + 9620), req.global->ambientTemp);
    EXPECT_EQ(i32(b, info + 9624), req.global->tempUnit);
    EXPECT_EQ(i32(b, info + 9628), 61);
    EXPECT_TRUE(allZero(b, info + 9632, 11040 - 9632));
    EXPECT_EQ(i32(b, info + 11040), kAurora);
    EXPECT_TRUE(allZero(b, info + 11044, 11080 - 11044));
    EXPECT_EQ(i32(b, info + 11080), 3);
    EXPECT_TRUE(allZero(b, info + 11084, kInfo - 11084));

    // The camera's block as it came, then the start offset and the mark.
    EXPECT_EQ(std::memcmp(b.constData() + redun, frame->raw.data() + rawLen, kRedun), 0);
    EXPECT_EQ(u32(b, trailer), uint32_t(png));
    EXPECT_EQ(uint8_t(b.at(int(trailer + 4))), 0x26);
    EXPECT_EQ(uint8_t(b.at(int(trailer + 5))), 0xBC);
}

TEST_F(SnapshotWriterTest, RulesAreStoredOnlyWithSaveRulesAndLiveRules)
{
    const FramePtr frame = openAndGrab();
    const struct {
        bool saveRules;
        bool withRules;
    } cases[] = {{false, true}, {true, false}, {false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "saveRules " << c.saveRules << " rules " << c.withRules);
        SnapshotRequest req = request(dir_.path());
        req.saveRules = c.saveRules;
        if (!c.withRules) req.rules.clear();
        const QString path = file("rules.png");
        QFile::remove(path);
        ASSERT_EQ(SnapshotWriter::saveSnapshotFile(path, req, frame), SnapshotWriter::kSaved);
        const QByteArray b = readAll(path);
        const size_t info = pngLength(b) + 2 * kYuvHeader + size_t(kW) * kH * 4 + kThermalHeader;
        EXPECT_EQ(i32(b, info + 4), 0);
        EXPECT_TRUE(allZero(b, info + 8, 60 * 160));
        EXPECT_EQ(i32(b, info + 11040), kAurora);
    }
}

TEST_F(SnapshotWriterTest, EarlierBlockLayoutIsCheckedAtItsOwnOffsetsAndReadBack)
{
    setProfile(1, 0);
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(frame && frame->hasRaw());
    const QString path = file("v0.png");
    ASSERT_EQ(SnapshotWriter::saveSnapshotFile(path, request(dir_.path()), frame), SnapshotWriter::kSaved);
    const QByteArray b = readAll(path);
    EXPECT_EQ(i32(b, pngLength(b) + 2 * kYuvHeader + size_t(kW) * kH * 2 + 96), 0);

    ThermalImageData& store = ThermalImageData::getInstance();
    ASSERT_EQ(store.readPicFile(path), 0);
    ASSERT_EQ(store.getPicHeaderInfo(), 0);
    ASSERT_EQ(store.getThermalGraph(), 0);
    ASSERT_EQ(store.getPixelsTemperature(), 0);
    std::vector<float> temps;
    ASSERT_EQ(store.getTemperList(temps), 0);
    for (const QPoint p : {QPoint(100, 100), QPoint(350, 370), QPoint(544, 435)})
        EXPECT_NEAR(temps[size_t(p.y()) * kW + p.x()], truth(p.x(), p.y()), kTolerance) << p.x() << "," << p.y();
}

TEST_F(SnapshotWriterTest, CameraWithoutTemperaturesGetsAPlainPng)
{
    setProfile(0, 1);
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->hasRaw());
    const QString path = file("plain.png");
    EXPECT_EQ(SnapshotWriter::saveSnapshotFile(path, request(dir_.path()), frame), SnapshotWriter::kSaved);
    expectPlainPng(path);
}

TEST_F(SnapshotWriterTest, ShutterMovingLeavesThePngAndCode9)
{
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(sdk().ShutterCorrect());
    ASSERT_NE(USBSDK_GetShutterStatus(), 0);  // the manual clock holds the shutter
    const QString path = file("shutter.png");
    EXPECT_EQ(SnapshotWriter::saveSnapshotFile(path, request(dir_.path()), frame), SnapshotWriter::kShutterMoving);
    expectPlainPng(path);
}

// Every refusal after the PNG: the code, and the file cut back to the PNG.
TEST_F(SnapshotWriterTest, FailedAppendsLeaveThePlainPng)
{
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(frame && frame->hasRaw());
    const size_t rawBytes = size_t(kW) * kH * 2;

    auto withRaw = [&](size_t size) {
        auto f = std::make_shared<LiveFrame>(*frame);
        f->raw.resize(size);
        return FramePtr(f);
    };
    auto withBlockU16 = [&](size_t at, uint16_t value) {
        auto f = std::make_shared<LiveFrame>(*frame);
        qToLittleEndian<quint16>(value, f->raw.data() + rawBytes + at);
        return FramePtr(f);
    };

    const struct Case {
        const char* what;
        FramePtr frame;
        bool global;
        int failingWrite;      // 0 none, else the n-th appended write is short
        const char* failNext;  // camera call made to fail once
        int code;
    } cases[] = {
        {"raw copy one byte short of the block", withRaw(rawBytes + kRedun - 1), true, 0, nullptr, 8},
        {"no raw copy", withRaw(0), true, 0, nullptr, 8},
        {"block window width differs", withBlockU16(824, kW + 1), true, 0, nullptr, 8},
        {"block window height differs", withBlockU16(826, kH - 1), true, 0, nullptr, 8},
        {"raw resolution unavailable", frame, true, 0, "GetRawResolution", 8},
        {"no global block", frame, false, 0, nullptr, 8},
        {"short first header", frame, true, 1, nullptr, 7},
        {"short display image", frame, true, 2, nullptr, 7},
        {"short raw frame", frame, true, 5, nullptr, 7},
        {"short picture information", frame, true, 6, nullptr, 7},
        {"short camera block", frame, true, 7, nullptr, 7},
        {"short trailer", frame, true, 8, nullptr, 7},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SnapshotRequest req = request(dir_.path());
        if (!c.global) req.global.reset();
        writesLeft = c.failingWrite;
        SnapshotWriter::setWriteHook(c.failingWrite ? &shortFromNth : nullptr);
        if (c.failNext) {
            ASSERT_EQ(SIMCAM_FailNext(c.failNext, 1, 0), 1);
        }
        const QString path = file("fail") + QString::number(++n) + ".png";
        EXPECT_EQ(SnapshotWriter::saveSnapshotFile(path, req, c.frame), c.code);
        expectPlainPng(path);
    }
}

TEST_F(SnapshotWriterTest, EarlierLayoutWithAWrongDisplaySizeIsRefused)
{
    setProfile(1, 0);
    const FramePtr frame = openAndGrab();
    ASSERT_TRUE(frame && frame->hasRaw());
    auto f = std::make_shared<LiveFrame>(*frame);
    // The earlier layout keeps the display size at 1332/1334; 824/826 mean
    // nothing there.
    qToLittleEndian<quint16>(kH + 2, f->raw.data() + size_t(kW) * kH * 2 + 1334);
    const QString path = file("v0bad.png");
    EXPECT_EQ(SnapshotWriter::saveSnapshotFile(path, request(dir_.path()), f), SnapshotWriter::kMissingData);
    expectPlainPng(path);
}

TEST_F(SnapshotWriterTest, NoFrameOrNoPictureGivesCode1)
{
    const FramePtr frame = openAndGrab();
    auto shortYuv = std::make_shared<LiveFrame>(*frame);
    shortYuv->yuv.resize(shortYuv->yuv.size() - 1);
    auto noSize = std::make_shared<LiveFrame>(*frame);
    noSize->width = 0;
    const struct {
        const char* what;
        FramePtr frame;
        QString path;
    } cases[] = {
        {"no frame", nullptr, file("a.png")},
        {"no width", noSize, file("b.png")},
        {"display frame short", shortYuv, file("c.png")},
        {"PNG not writable", frame, file("missing/d.png")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SnapshotWriter::saveSnapshotFile(c.path, request(dir_.path()), c.frame), SnapshotWriter::kNoFrame);
        EXPECT_FALSE(QFileInfo::exists(c.path));
    }
}

TEST_F(SnapshotWriterTest, AppendToAFileThatCannotBeOpenedGivesCode6)
{
    const FramePtr frame = openAndGrab();
    const QString path = file("missing/e.png");
    EXPECT_EQ(SnapshotWriter::appendRadiometricData(path, request(dir_.path()), frame), SnapshotWriter::kOpenFailed);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(SnapshotWriter::appendRadiometricData(QString(), request(dir_.path()), frame),
              SnapshotWriter::kMissingData);
}

TEST_F(SnapshotWriterTest, TakeNamesTheFileByTimeUnderTheDayFolder)
{
    const FramePtr frame = openAndGrab();
    const QDateTime now(QDate(2024, 1, 2), QTime(3, 4, 5, 6));
    const struct {
        const char* serial;
        const char* expected;
    } cases[] = {
        {"SIM00000001", "/SIM00000001/Snapshot/20240102/20240102_030405_006.png"},
        {"", "/20240102/20240102_030405_006.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        SnapshotRequest req = request(dir_.path() + "/root");
        req.serial = QString::fromLatin1(c.serial);
        QString saved = QStringLiteral("untouched");
        ASSERT_EQ(SnapshotWriter::take(req, frame, now, &saved), SnapshotWriter::kSaved);
        EXPECT_EQ(saved, dir_.path() + "/root" + c.expected);
        EXPECT_EQ(HM_readAXPicViewFile(QFile::encodeName(saved).constData()), 0);
        HM_freeAXPicViewInfo();
    }
}

TEST_F(SnapshotWriterTest, TakeRefusesBeforeWritingWhenTheFolderOrTheSpaceIsMissing)
{
    const FramePtr frame = openAndGrab();
    const QDateTime now(QDate(2024, 1, 2), QTime(3, 4, 5, 6));
    const QString root = dir_.path() + "/root";
    const QString day = root + "/SIM00000001/Snapshot/20240102";

    // A file where the serial-number folder belongs.
    ASSERT_TRUE(QDir().mkpath(root));
    {
        QFile blocker(root + "/SIM00000001");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    QString saved = QStringLiteral("untouched");
    EXPECT_EQ(SnapshotWriter::take(request(root), frame, now, &saved), SnapshotWriter::kNoFolder);
    EXPECT_EQ(saved, QStringLiteral("untouched"));
    ASSERT_TRUE(QFile::remove(root + "/SIM00000001"));

    const struct {
        qint64 (*source)(const QString&);
        int code;
    } cases[] = {
        {[](const QString&) { return FreeSpaceProbe::kMinFreeBytes - 1; }, SnapshotWriter::kNoSpace},
        {[](const QString&) { return FreeSpaceProbe::kMinFreeBytes; }, SnapshotWriter::kSaved},
        {[](const QString&) { return qint64(-1); }, SnapshotWriter::kSaved},  // the query failed
    };
    static QString asked;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        QDir(day).removeRecursively();
        FreeSpaceProbe::setSource(c.source);
        EXPECT_EQ(SnapshotWriter::take(request(root), frame, now, nullptr), c.code);
        EXPECT_EQ(QDir(day).entryList(QDir::Files).size(), c.code == SnapshotWriter::kSaved ? 1 : 0);
    }
    // The space is asked of the day folder itself.
    FreeSpaceProbe::setSource([](const QString& path) {
        asked = path;
        return qint64(100) << 30;
    });
    EXPECT_EQ(SnapshotWriter::take(request(root), frame, now, nullptr), SnapshotWriter::kSaved);
    EXPECT_EQ(asked, day);
}

}  // namespace
