// USBSDK_GetDevInfoList: capacities, entry contents, connect types.
#include <cstring>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class DeviceListTest : public CamsdkTest {};

TEST_F(DeviceListTest, CapacityBoundsTheEntriesWritten)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(3), 1);
    struct Case {
        int capacity;
        int expected;
    };
    for (const Case c : {Case{64, 3}, Case{3, 3}, Case{2, 2}, Case{1, 1}}) {
        USBSDK_DeviceInfo list[65];
        std::memset(list, 0xAB, sizeof list);
        EXPECT_EQ(USBSDK_GetDevInfoList(list, c.capacity), c.expected) << c.capacity;
        for (int i = 0; i < c.expected; ++i) EXPECT_EQ(list[i].sdkDeviceId, 0x01000001u + uint32_t(i));
        // Nothing beyond the entries written.
        EXPECT_EQ(uint8_t(reinterpret_cast<const char*>(&list[c.expected])[0]), 0xAB) << c.capacity;
    }
}

TEST_F(DeviceListTest, EntryCarriesIdStreamFlagNameAndPort)
{
    USBSDK_DeviceInfo list[64];
    std::memset(list, 0xAB, sizeof list);
    ASSERT_EQ(USBSDK_GetDevInfoList(list, 64), 1);
    const USBSDK_DeviceInfo& e = list[0];
    EXPECT_EQ(e.sdkDeviceId, 0x01000001u);
    EXPECT_EQ(e.streamFlag, 1u);
    EXPECT_STREQ(e.name, "SimCam Thermal #1");
    EXPECT_EQ(e.port, 3);
    for (uint8_t b : e.sdkReserved) EXPECT_EQ(b, 0);  // zero-filled, connect type 0
    // The rest of the name field is zeroed too.
    for (size_t i = std::strlen(e.name); i < sizeof e.name; ++i) ASSERT_EQ(e.name[i], 0);
}

TEST_F(DeviceListTest, SerialConnectTypeListsWithoutStreamFlag)
{
    ASSERT_EQ(USBSDK_SetDeviceConnectType(1, 0), 1);
    USBSDK_DeviceInfo e = listed();
    EXPECT_EQ(e.streamFlag, 0u);
    EXPECT_EQ(e.sdkReserved[0], 1);
    ASSERT_EQ(USBSDK_SetDeviceConnectType(2, 0), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    EXPECT_EQ(value(-1, "connectType"), 1.0);  // refused, unchanged
}

TEST_F(DeviceListTest, BadListArgumentsFailWithInvalidArg)
{
    USBSDK_DeviceInfo one;
    for (int capacity : {0, -1}) {
        SIMCAM_Reset();
        EXPECT_EQ(USBSDK_GetDevInfoList(&one, capacity), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
    }
    SIMCAM_Reset();
    EXPECT_EQ(USBSDK_GetDevInfoList(nullptr, 64), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
}

TEST_F(DeviceListTest, NoDeviceIsZeroWithoutError)
{
    ASSERT_EQ(SIMCAM_SetDeviceCount(0), 1);
    USBSDK_DeviceInfo list[64];
    EXPECT_EQ(USBSDK_GetDevInfoList(list, 64), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NONE);
}

TEST_F(DeviceListTest, ProfileIdentityShowsAtTheNextListing)
{
    SIMCAM_DeviceProfile p;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &p), 1);
    std::strcpy(p.name, "Bench camera");
    p.port = 9;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &p), 1);
    const USBSDK_DeviceInfo e = listed();
    EXPECT_STREQ(e.name, "Bench camera");
    EXPECT_EQ(e.port, 9);
    p.width = 17;  // odd widths are not rendered
    EXPECT_EQ(SIMCAM_SetDeviceProfile(0, &p), 0);
    EXPECT_EQ(SIMCAM_GetDeviceProfile(8, &p), 0);
}

}  // namespace
}  // namespace camsdktest
