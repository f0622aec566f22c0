// Frames of the simulated scene through the layer: sizes and rate on the
// manual clock, the raw frame and block read back by thermcore against the
// scene's truth, flip on the display only, the closed shutter of sleep.
#include <cmath>
#include <cstring>
#include <vector>

#include "CamsdkTestSupport.h"
#include "thermcore.h"

namespace camsdktest {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr size_t kWindowWidthAt = 824;  // current layout; the earlier one at 1332
constexpr size_t kEarlierWindowWidthAt = 1332;
constexpr size_t kEarlierCurveCountAt = 1340;
constexpr size_t kEarlierBaseGrayAt = 696;

// Keeps a copy of the last frame it was handed.
class FrameCopy {
public:
    static void callback(const unsigned char* yuv, int yuvLen, const unsigned char* raw, int rawLen, int w, int h,
                         void* user)
    {
        auto* self = static_cast<FrameCopy*>(user);
        std::lock_guard<std::mutex> lock(self->mutex_);
        ++self->count_;
        self->width_ = w;
        self->height_ = h;
        self->yuv_.assign(yuv, yuv + yuvLen);
        self->raw_.assign(raw, raw + (raw ? rawLen : 0));
    }
    int start() { return USBSDK_StartRealPlay(&FrameCopy::callback, this); }

    int count()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return count_;
    }
    // Copies of the last frame (taken between clock steps, when no callback runs).
    std::vector<uint8_t> yuv()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return yuv_;
    }
    std::vector<uint8_t> raw()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return raw_;
    }
    bool sized(int w, int h)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return width_ == w && height_ == h && yuv_.size() == size_t(w) * h * 2;
    }

private:
    std::mutex mutex_;
    int count_ = 0;
    int width_ = 0, height_ = 0;
    std::vector<uint8_t> yuv_, raw_;
};

struct Point {
    int x, y;
};

int rawWord(const std::vector<uint8_t>& raw, size_t i)
{
    return raw[2 * i] | raw[2 * i + 1] << 8;
}

uint16_t u16At(const std::vector<uint8_t>& bytes, size_t offset)
{
    return uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

class SceneFramesTest : public CamsdkTest {
protected:
    void configure(int w, int h, int fps, int redunType = 1)
    {
        ASSERT_EQ(SIMCAM_SetFrameSize(0, w, h), 1);
        SIMCAM_DeviceProfile p;
        ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
        p.fps = fps;
        p.redunType = redunType;
        ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    }
    void changeScene(void (*edit)(SIMCAM_Scene&))
    {
        SIMCAM_Scene s;
        ASSERT_EQ(SIMCAM_GetScene(0, &s), 1);
        edit(s);
        ASSERT_EQ(SIMCAM_SetScene(0, &s), 1);
    }
    static float truth(Point p)
    {
        float t = -1000.0f;
        EXPECT_EQ(SIMCAM_GetTruth(0, p.x, p.y, &t), 1) << p.x << "," << p.y;
        return t;
    }
    // Every pixel's temperature as the picture side reads a raw frame with
    // a current-layout block.
    static std::vector<float> readBack(const std::vector<uint8_t>& raw, int w, int h)
    {
        ThermalGraphHeader header{};
        header.rawLen = uint32_t(w * h * 2);
        header.width = w;
        header.height = h;
        header.bits = 16;
        header.redunVersion = 1;
        std::vector<float> t(size_t(w) * h);
        EXPECT_EQ(HM_analyRadioData(&header, raw.data()), 0);
        EXPECT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
        return t;
    }
    FrameCopy sink_;
};

TEST_F(SceneFramesTest, EverySizeStreamsAtItsRateAndReadsBackTheScene)
{
    struct Case {
        int w, h, fps, redunType;
    };
    for (const Case c : {Case{640, 512, 25, 1}, Case{384, 288, 30, 1}, Case{384, 288, 25, 0}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " fps " << c.fps << " layout " << c.redunType);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        configure(c.w, c.h, c.fps, c.redunType);
        openDevice();
        FrameCopy sink;
        ASSERT_EQ(sink.start(), 1);
        ASSERT_EQ(SIMCAM_AdvanceTime(1000), 1);
        ASSERT_EQ(sink.count(), c.fps);
        ASSERT_TRUE(sink.sized(c.w, c.h));
        const std::vector<uint8_t> raw = sink.raw();
        ASSERT_EQ(raw.size(), size_t(c.w) * c.h * 2 + USBSDK_REDUNDATA_SIZE);
        const size_t window = size_t(c.w) * c.h * 2 + (c.redunType ? kWindowWidthAt : kEarlierWindowWidthAt);
        EXPECT_EQ(u16At(raw, window), c.w);
        EXPECT_EQ(u16At(raw, window + 2), c.h);

        // The last frame is frame fps - 1: the hot disc has moved on its circle.
        const double phi = kTwoPi * (c.fps - 1) / (10.0 * c.fps);
        const Point hot{int((0.5 + 0.25 * std::cos(phi)) * c.w), int((0.5 + 0.25 * std::sin(phi)) * c.h)};
        const Point cold{int(0.85 * c.w), int(0.85 * c.h)};
        const Point rect{int(0.15 * c.w), int(0.2 * c.h)};
        const Point bg{int(0.1 * c.w), int(0.75 * c.h)};
        EXPECT_FLOAT_EQ(truth(hot), 65.0f);
        EXPECT_FLOAT_EQ(truth(cold), 5.0f);
        EXPECT_FLOAT_EQ(truth(rect), 37.0f);
        EXPECT_NEAR(truth(bg), 20.0 + 8.0 * (bg.y + 0.5) / c.h + 2.0 * (bg.x + 0.5) / c.w, 1e-4);

        if (c.redunType == 0) {
            // thermcore takes the earlier layout from picture files only: check
            // that the curve and its base sit at their earlier offsets.
            const size_t block = size_t(c.w) * c.h * 2;
            EXPECT_EQ(raw[block + kEarlierCurveCountAt], 20);
            uint32_t baseGray = 0;
            std::memcpy(&baseGray, &raw[block + kEarlierBaseGrayAt], sizeof baseGray);
            EXPECT_EQ(baseGray, 6144u);
        } else {
            const std::vector<float> read = readBack(raw, c.w, c.h);
            for (const Point p : {hot, cold, rect, bg})
                EXPECT_NEAR(read[size_t(p.y) * c.w + p.x], truth(p), 0.05) << p.x << "," << p.y;
        }
        ASSERT_EQ(USBSDK_Close(), 1);
    }
}

TEST_F(SceneFramesTest, SceneChangesReachTheNextFrameAndBadScenesAreRefused)
{
    float t = 0.0f;
    EXPECT_EQ(SIMCAM_GetTruth(0, 0, 0, &t), 0);  // no frame yet
    configure(384, 288, 25);
    openDevice();
    ASSERT_EQ(sink_.start(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    const Point rect{int(0.15 * 384), int(0.2 * 288)};
    EXPECT_FLOAT_EQ(truth(rect), 37.0f);
    EXPECT_EQ(SIMCAM_GetTruth(0, 384, 0, &t), 0);
    EXPECT_EQ(SIMCAM_GetTruth(0, 0, -1, &t), 0);

    changeScene([](SIMCAM_Scene& s) { s.rectTemp = 45.0; });
    EXPECT_FLOAT_EQ(truth(rect), 37.0f);  // the produced frame keeps its scene
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_FLOAT_EQ(truth(rect), 45.0f);
    EXPECT_NEAR(readBack(sink_.raw(), 384, 288)[size_t(rect.y) * 384 + rect.x], 45.0, 0.05);

    using Edit = void (*)(SIMCAM_Scene&);
    for (Edit bad : {Edit([](SIMCAM_Scene& s) { s.sceneReflected = 26.0; }), Edit([](SIMCAM_Scene& s) { s.hotOn = 2; }),
                     Edit([](SIMCAM_Scene& s) { s.bgBase = std::nan(""); }),
                     Edit([](SIMCAM_Scene& s) { s.sceneEmissivity = 0.0; })}) {
        SIMCAM_Scene s;
        ASSERT_EQ(SIMCAM_GetScene(0, &s), 1);
        bad(s);
        EXPECT_EQ(SIMCAM_SetScene(0, &s), 0);
    }
    SIMCAM_Scene kept;
    ASSERT_EQ(SIMCAM_GetScene(0, &kept), 1);
    EXPECT_EQ(kept.rectTemp, 45.0);
    SIMCAM_Reset();
    ASSERT_EQ(SIMCAM_GetScene(0, &kept), 1);
    EXPECT_EQ(kept.rectTemp, 37.0);  // reset clears scene changes
}

TEST_F(SceneFramesTest, FlipMirrorsTheDisplayButNotTheRawFrame)
{
    constexpr int w = 384, h = 288;
    configure(w, h, 25);
    // A still, noiseless scene without defects: two frames differ by the flip alone.
    changeScene([](SIMCAM_Scene& s) {
        s.hotMotion = 0;
        s.displayNoise = 0.0;
        s.defectsOn = 0;
    });
    openDevice();
    ASSERT_EQ(sink_.start(), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    const std::vector<uint8_t> yuv = sink_.yuv(), raw = sink_.raw();
    ASSERT_EQ(USBSDK_SetImageFlipMode(2), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    const std::vector<uint8_t> flippedYuv = sink_.yuv();
    EXPECT_EQ(sink_.raw(), raw);

    // The hottest display pixel sits on the disc, then on its mirror image.
    const Point hot{int(0.75 * w), h / 2};
    auto luma = [&](const std::vector<uint8_t>& f, int x, int y) { return int(f[(size_t(y) * w + x) * 2 + 1]); };
    int maxY = 0;
    for (size_t i = 1; i < yuv.size(); i += 2) maxY = std::max(maxY, int(yuv[i]));
    EXPECT_EQ(luma(yuv, hot.x, hot.y), maxY);
    EXPECT_EQ(luma(flippedYuv, w - 1 - hot.x, hot.y), maxY);
    EXPECT_LT(luma(flippedYuv, hot.x, hot.y), maxY);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) ASSERT_EQ(luma(flippedYuv, w - 1 - x, y), luma(yuv, x, y)) << x << "," << y;
        for (int x = 0; x < w; x += 2) {  // a pair mirrors onto a pair: same chroma
            const size_t a = (size_t(y) * w + x) * 2, b = (size_t(y) * w + (w - 2 - x)) * 2;
            ASSERT_EQ(flippedYuv[b], yuv[a]);
            ASSERT_EQ(flippedYuv[b + 2], yuv[a + 2]);
        }
    }
    // The raw frame stays in sensor orientation: the disc where it was.
    const std::vector<float> read = readBack(raw, w, h);
    EXPECT_NEAR(read[size_t(hot.y) * w + hot.x], 65.0, 0.05);
}

TEST_F(SceneFramesTest, SleepShowsTheClosedShutterAtTheHousingTemperature)
{
    struct Case {
        double housingOffset;
        int grey;  // G(25 + offset) on the low curve; the session is seconds old
    };
    for (const Case c : {Case{0.0, 6144}, Case{10.0, 6481}}) {
        SCOPED_TRACE(c.housingOffset);
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        configure(384, 288, 25);
        ASSERT_EQ(SIMCAM_SetValue(0, "housingOffset", c.housingOffset), 1);
        openDevice();
        FrameCopy sink;
        ASSERT_EQ(sink.start(), 1);
        ASSERT_EQ(USBSDK_SetSleepMode(5), 1);
        ASSERT_EQ(SIMCAM_StepFrames(2), 1);
        ASSERT_EQ(sink.count(), 2);
        const std::vector<uint8_t> yuv = sink.yuv(), raw = sink.raw();
        ASSERT_TRUE(sink.sized(384, 288));
        for (size_t i = 0; i < yuv.size(); i += 2) {
            ASSERT_EQ(yuv[i], 128) << i;
            ASSERT_EQ(yuv[i + 1], 16) << i;
        }
        const size_t pixels = 384 * 288;
        ASSERT_EQ(raw.size(), pixels * 2 + USBSDK_REDUNDATA_SIZE);
        for (size_t i = 0; i < pixels; ++i) ASSERT_EQ(rawWord(raw, i), c.grey) << i;
        EXPECT_EQ(u16At(raw, pixels * 2 + kWindowWidthAt), 384);

        ASSERT_EQ(USBSDK_SetSleepMode(4), 1);
        ASSERT_EQ(SIMCAM_StepFrames(1), 1);
        EXPECT_NE(sink.raw(), raw);  // the scene again
        ASSERT_EQ(USBSDK_Close(), 1);
    }
}

TEST_F(SceneFramesTest, BlockWidthFaultAndObservationDevices)
{
    configure(384, 288, 25);
    openDevice();
    ASSERT_EQ(sink_.start(), 1);
    ASSERT_EQ(SIMCAM_SetStreamFault(0, SIMCAM_FAULT_BLOCK_WIDTH), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_EQ(u16At(sink_.raw(), 384 * 288 * 2 + kWindowWidthAt), 385);

    // An observation camera: display frames only.
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    p.deviceType = 0;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    ASSERT_EQ(SIMCAM_StepFrames(1), 1);
    EXPECT_TRUE(sink_.raw().empty());
    EXPECT_TRUE(sink_.sized(384, 288));
}

}  // namespace
}  // namespace camsdktest
