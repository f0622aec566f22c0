// The encoder records at their 64-bit layout, seen from C and from C++.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "h264enc.h"
#include "streamconv.h"

extern "C" void recordingC_fillInput(MAV_P264_EncInput* in, const uint8_t* planes, int32_t width, int32_t height);
extern "C" int recordingC_mp4Type(void);

namespace {

TEST(RecordingRecords, LayoutsAndTheCViewAgree)
{
    static_assert(sizeof(MAV_P264_EncParam) == 96, "24 words");
    static_assert(offsetof(MAV_P264_EncInput, y) == 0 && offsetof(MAV_P264_EncInput, u) == 8 &&
                      offsetof(MAV_P264_EncInput, v) == 16 && offsetof(MAV_P264_EncInput, lineY) == 28 &&
                      offsetof(MAV_P264_EncInput, lineU) == 32 && offsetof(MAV_P264_EncInput, reserved) == 40,
                  "input record");
    static_assert(offsetof(MAV_P264_EncOutput, reserved1) == 16 && offsetof(MAV_P264_EncOutput, reserved2) == 32,
                  "output record");
    std::vector<uint8_t> planes(640 * 512 * 3 / 2);
    MAV_P264_EncInput in;
    std::memset(&in, 0xAB, sizeof in);
    recordingC_fillInput(&in, planes.data(), 640, 512);
    EXPECT_EQ(in.y, planes.data());
    EXPECT_EQ(in.u, planes.data() + 640 * 512);
    EXPECT_EQ(in.v, planes.data() + 640 * 512 + 640 * 512 / 4);
    EXPECT_EQ(in.width, 640);
    EXPECT_EQ(in.lineY, 640);
    EXPECT_EQ(in.lineU, 320);
    EXPECT_EQ(in.lineV, 320);
    EXPECT_EQ(recordingC_mp4Type(), 3);
}

}  // namespace
