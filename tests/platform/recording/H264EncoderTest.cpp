// h264enc: which parameter and input records it takes, and what comes out.

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "RecordingTestSupport.h"
#include "h264enc.h"

using namespace rectest;

namespace {

void* const kStale = reinterpret_cast<void*>(uintptr_t(0x1));

TEST(H264EncoderOpen, TakesOrRefusesParameterRecords)
{
    struct Case {
        const char* name;
        std::function<void(MAV_P264_EncParam&)> change;
        bool opens;
    };
    const Case cases[] = {
        {"worker record 640x512 at 25", [](MAV_P264_EncParam&) {}, true},
        {"rate 30", [](MAV_P264_EncParam& p) { p.word[4] = 30; }, true},
        {"rate 50", [](MAV_P264_EncParam& p) { p.word[4] = 50; }, true},
        {"rate 1", [](MAV_P264_EncParam& p) { p.word[4] = 1; }, true},
        {"rate 120", [](MAV_P264_EncParam& p) { p.word[4] = 120; }, true},
        {"rate 0", [](MAV_P264_EncParam& p) { p.word[4] = 0; }, false},
        {"rate 121", [](MAV_P264_EncParam& p) { p.word[4] = 121; }, false},
        {"rate -1", [](MAV_P264_EncParam& p) { p.word[4] = 0xFFFFFFFFu; }, false},
        {"width 0", [](MAV_P264_EncParam& p) { p.word[0] = 0; }, false},
        {"height 0", [](MAV_P264_EncParam& p) { p.word[1] = 0; }, false},
        {"odd width", [](MAV_P264_EncParam& p) { p.word[0] = 641; }, false},
        {"odd height", [](MAV_P264_EncParam& p) { p.word[1] = 511; }, false},
        {"width above 8192", [](MAV_P264_EncParam& p) { p.word[0] = 8194; }, false},
        {"width negative as i32", [](MAV_P264_EncParam& p) { p.word[0] = 0x80000000u; }, false},
        {"all words zero", [](MAV_P264_EncParam& p) { p = MAV_P264_EncParam{}; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MAV_P264_EncParam param = workerParam(640, 512, 25);
        c.change(param);
        void* handle = kStale;
        const int result = MAV_P264_Enc_Open(&param, &handle);
        if (c.opens) {
            EXPECT_EQ(result, 0);
            EXPECT_NE(handle, nullptr);
        } else {
            EXPECT_LT(result, 0);
            EXPECT_EQ(handle, nullptr);
        }
        MAV_P264_Enc_Close(handle == kStale ? nullptr : handle);
    }
}

TEST(H264EncoderOpen, RefusesNullPointersAndClosesNull)
{
    void* handle = kStale;
    EXPECT_LT(MAV_P264_Enc_Open(nullptr, &handle), 0);
    EXPECT_EQ(handle, nullptr);
    const MAV_P264_EncParam param = workerParam(64, 48, 25);
    EXPECT_LT(MAV_P264_Enc_Open(&param, nullptr), 0);
    MAV_P264_Enc_Close(nullptr);
}

TEST(H264EncoderStart, RefusesBadInputRecordsAndStaysUsable)
{
    const int w = 64, h = 48;
    const MAV_P264_EncParam param = workerParam(w, h, 25);
    void* encoder = nullptr;
    ASSERT_EQ(MAV_P264_Enc_Open(&param, &encoder), 0);
    const I420Picture picture = movingPicture(w, h, 0);

    struct Case {
        const char* name;
        std::function<void(MAV_P264_EncInput&)> change;
    };
    const Case cases[] = {
        {"null y", [](MAV_P264_EncInput& in) { in.y = nullptr; }},
        {"null u", [](MAV_P264_EncInput& in) { in.u = nullptr; }},
        {"null v", [](MAV_P264_EncInput& in) { in.v = nullptr; }},
        {"narrower than opened", [](MAV_P264_EncInput& in) { in.width = w - 2; }},
        {"wider than opened", [](MAV_P264_EncInput& in) { in.width = w + 2; }},
        {"Y line short", [](MAV_P264_EncInput& in) { in.lineY = w - 1; }},
        {"U line short", [](MAV_P264_EncInput& in) { in.lineU = w / 2 - 1; }},
        {"V line short", [](MAV_P264_EncInput& in) { in.lineV = w / 2 - 1; }},
        // The old record's quarter-width chroma lines would read past the planes.
        {"quarter-width chroma lines", [](MAV_P264_EncInput& in) { in.lineU = in.lineV = w / 4; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MAV_P264_EncInput in = inputFor(picture);
        c.change(in);
        MAV_P264_EncOutput out{};
        out.data = picture.y();  // stale values must be cleared
        out.length = 99;
        EXPECT_LT(MAV_P264_Enc_Start(encoder, &in, &out), 0);
        EXPECT_EQ(out.data, nullptr);
        EXPECT_EQ(out.length, 0u);
    }
    const MAV_P264_EncInput in = inputFor(picture);
    MAV_P264_EncOutput out{};
    EXPECT_LT(MAV_P264_Enc_Start(encoder, nullptr, &out), 0);
    EXPECT_LT(MAV_P264_Enc_Start(encoder, &in, nullptr), 0);
    EXPECT_LT(MAV_P264_Enc_Start(nullptr, &in, &out), 0);

    // The refusals left the encoder as it was: the next picture is the first key frame.
    ASSERT_EQ(MAV_P264_Enc_Start(encoder, &in, &out), 0);
    EXPECT_GT(out.length, 0u);
    EXPECT_TRUE(nalTypes(std::vector<uint8_t>(out.data, out.data + out.length)).count(5));
    MAV_P264_Enc_Close(encoder);
}

TEST(H264EncoderStart, EveryPictureGivesOneAnnexBFrameAndKeyFramesCarryParameterSets)
{
    const int fps = 10, count = 2 * fps + 5;  // past the second key frame
    const std::vector<std::vector<uint8_t>> units = encodeMovingPictures(160, 128, fps, count);
    ASSERT_EQ(int(units.size()), count);
    std::vector<int> keys;
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        ASSERT_FALSE(units[size_t(i)].empty());
        EXPECT_TRUE(beginsWithStartCode(units[size_t(i)]));
        const std::set<int> types = nalTypes(units[size_t(i)]);
        if (types.count(5)) {
            keys.push_back(i);
            EXPECT_TRUE(types.count(7)) << "SPS in front of the key frame";
            EXPECT_TRUE(types.count(8)) << "PPS in front of the key frame";
        } else {
            EXPECT_TRUE(types.count(1)) << "a non-key picture slice";
        }
    }
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(keys[0], 0);
    for (size_t k = 1; k < keys.size(); ++k)
        EXPECT_LE(keys[k] - keys[k - 1], 2 * fps) << "key frames two seconds apart";
}

// The pictures are full-range BT.601: the stream says so, so a decoder does
// not take them for limited range.
TEST(H264EncoderStart, TheStreamSaysFullRangeBt601)
{
    const std::vector<I420Picture> decoded = decodeAccessUnits(encodeMovingPictures(160, 128, 10, 3));
    ASSERT_EQ(decoded.size(), 3u);
    for (const I420Picture& picture : decoded) {
        EXPECT_EQ(picture.colorRange, AVCOL_RANGE_JPEG);
        EXPECT_EQ(picture.colorSpace, AVCOL_SPC_SMPTE170M);
    }
}

TEST(H264EncoderStart, HonoursLineSizesWiderThanThePlanes)
{
    const int w = 96, h = 64, pad = 24;
    const MAV_P264_EncParam param = workerParam(w, h, 25);
    void* encoder = nullptr;
    ASSERT_EQ(MAV_P264_Enc_Open(&param, &encoder), 0);
    std::vector<std::vector<uint8_t>> units;
    std::vector<I420Picture> fed;
    for (int i = 0; i < 3; ++i) {
        const I420Picture picture = movingPicture(w, h, i);
        // The same picture in padded rows, the padding a contrasting value.
        const int lines[3] = {w + pad, w / 2 + pad, w / 2 + pad};
        const int widths[3] = {w, w / 2, w / 2}, heights[3] = {h, h / 2, h / 2};
        const uint8_t* src[3] = {picture.y(), picture.u(), picture.v()};
        std::vector<uint8_t> planes[3];
        for (int k = 0; k < 3; ++k) {
            planes[k].assign(size_t(lines[k]) * heights[k], uint8_t(k == 0 ? 0 : 255));
            for (int r = 0; r < heights[k]; ++r) {
                std::memcpy(planes[k].data() + size_t(r) * lines[k], src[k] + size_t(r) * widths[k], widths[k]);
            }
        }
        MAV_P264_EncInput in{};
        in.y = planes[0].data();
        in.u = planes[1].data();
        in.v = planes[2].data();
        in.width = w;
        in.lineY = lines[0];
        in.lineU = lines[1];
        in.lineV = lines[2];
        MAV_P264_EncOutput out{};
        ASSERT_EQ(MAV_P264_Enc_Start(encoder, &in, &out), 0);
        units.emplace_back(out.data, out.data + out.length);
        fed.push_back(picture);
    }
    MAV_P264_Enc_Close(encoder);
    const std::vector<I420Picture> decoded = decodeAccessUnits(units);
    ASSERT_EQ(decoded.size(), fed.size());
    for (size_t i = 0; i < fed.size(); ++i) {
        const PlaneErrors e = meanAbsoluteErrors(decoded[i], fed[i]);
        for (int k = 0; k < 3; ++k) EXPECT_LT(e.plane[k], 4.0) << "frame " << i << " plane " << k;
    }
}

}  // namespace
