// Protocol debug: built-in commands, the reply capacity, status codes,
// scripted answers and refused arguments.
#include <string>
#include <vector>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class ProDebugTest : public CamsdkTest {
protected:
    void SetUp() override
    {
        CamsdkTest::SetUp();
        SIMCAM_SetProDebugReply(0x01, 0, nullptr, -1);
        SIMCAM_SetProDebugReply(0x77, 0, nullptr, -1);
    }
    void TearDown() override
    {
        SIMCAM_SetProDebugReply(0x01, 0, nullptr, -1);
        SIMCAM_SetProDebugReply(0x77, 0, nullptr, -1);
        CamsdkTest::TearDown();
    }

    struct Answer {
        int result, status;
        std::string reply;
    };
    static Answer send(int cmd, const std::string& data, int capacity = USBSDK_PRODEBUG_MAX)
    {
        std::vector<unsigned char> reply(USBSDK_PRODEBUG_MAX + 16, 0xEE);
        int status = -1, len = 0;
        const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
        const int result = USBSDK_SetProDebug(cmd, data.empty() ? nullptr : bytes, int(data.size()), &status,
                                              reply.data(), capacity, &len);
        // Nothing beyond what was reported written, and never beyond the capacity.
        EXPECT_LE(len, capacity);
        EXPECT_EQ(reply[size_t(len)], 0xEE) << "cmd " << cmd;
        return {result, status, std::string(reinterpret_cast<const char*>(reply.data()), size_t(len))};
    }
};

TEST_F(ProDebugTest, CommandsAnswerWithStatusAndReplyCutToCapacity)
{
    openDevice();
    struct Row {
        int cmd;
        std::string data;
        int capacity;
        int status;
        std::string reply;
        int palette;  // working palette afterwards, -1 unchecked
    };
    const Row rows[] = {
        {0x01, "hello", USBSDK_PRODEBUG_MAX, 0, "hello", -1},
        {0x01, "hello", 3, 0, "hel", -1},
        {0x01, "hello", 0, 0, "", -1},
        {0x01, "", USBSDK_PRODEBUG_MAX, 0, "", -1},
        {0x10, std::string("\x00\x05", 2), USBSDK_PRODEBUG_MAX, 0, "", 5},
        {0x11, "", USBSDK_PRODEBUG_MAX, 0, std::string("\x00\x05", 2), 5},
        {0x11, "", 1, 0, std::string("\x00", 1), 5},
        {0x10, std::string("\x00\x14", 2), USBSDK_PRODEBUG_MAX, 3, "", 5},
        {0x10, std::string("\x01\x00", 2), USBSDK_PRODEBUG_MAX, 3, "", 5},
        {0x10, std::string("\x07", 1), USBSDK_PRODEBUG_MAX, 9, "", 5},
        {0x10, std::string("\x00\x13", 2), USBSDK_PRODEBUG_MAX, 0, "", 19},
        {0x20, "", USBSDK_PRODEBUG_MAX, 0, "SIM00000001", -1},
        {0x20, "", 4, 0, "SIM0", -1},
        {0x42, "x", USBSDK_PRODEBUG_MAX, 5, "", -1},
        {0xFF, "", USBSDK_PRODEBUG_MAX, 5, "", -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("cmd " + std::to_string(r.cmd) + " capacity " + std::to_string(r.capacity));
        const Answer a = send(r.cmd, r.data, r.capacity);
        EXPECT_EQ(a.result, 1);
        EXPECT_EQ(a.status, r.status);
        EXPECT_EQ(a.reply, r.reply);
        if (r.palette >= 0) {
            EXPECT_EQ(value(0, "palette"), r.palette);
        }
    }
    EXPECT_EQ(SIMCAM_CountCalls("USBSDK_SetProDebug"), int(sizeof rows / sizeof rows[0]));
}

TEST_F(ProDebugTest, ScriptedRepliesWinUntilRemoved)
{
    openDevice();
    const unsigned char scripted[] = {9, 8, 7};
    ASSERT_EQ(SIMCAM_SetProDebugReply(0x01, 4, scripted, 3), 1);
    ASSERT_EQ(SIMCAM_SetProDebugReply(0x77, 0, scripted, 2), 1);
    EXPECT_EQ(SIMCAM_SetProDebugReply(256, 0, scripted, 1), 0);
    EXPECT_EQ(SIMCAM_SetProDebugReply(1, 0, nullptr, 1), 0);
    EXPECT_EQ(SIMCAM_SetProDebugReply(1, 0, scripted, -2), 0);

    Answer a = send(0x01, "hello");
    EXPECT_EQ(a.status, 4);
    EXPECT_EQ(a.reply, "\x09\x08\x07");
    a = send(0x01, "hello", 1);
    EXPECT_EQ(a.reply, "\x09");
    a = send(0x77, "");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.reply, "\x09\x08");

    ASSERT_EQ(SIMCAM_SetProDebugReply(0x01, 0, nullptr, -1), 1);
    a = send(0x01, "hello");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.reply, "hello");
}

TEST_F(ProDebugTest, RefusedArgumentsLeaveStatusUntouched)
{
    unsigned char reply[16] = {};
    unsigned char data[4] = {1, 2, 3, 4};
    int status = -1, len = 0;
    EXPECT_EQ(USBSDK_SetProDebug(1, data, 4, &status, reply, 16, &len), 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN);
    openDevice();
    struct Row {
        int cmd;
        const unsigned char* send;
        int sendLen;
        int* status;
        unsigned char* reply;
        int capacity;
        int* len;
    };
    const Row rows[] = {
        {-1, data, 4, &status, reply, 16, &len},   {256, data, 4, &status, reply, 16, &len},
        {1, data, -1, &status, reply, 16, &len},   {1, data, USBSDK_PRODEBUG_MAX + 1, &status, reply, 16, &len},
        {1, nullptr, 1, &status, reply, 16, &len}, {1, data, 4, nullptr, reply, 16, &len},
        {1, data, 4, &status, nullptr, 16, &len},  {1, data, 4, &status, reply, -1, &len},
        {1, data, 4, &status, reply, 16, nullptr},
    };
    for (const Row& r : rows) {
        SIMCAM_FailNext("GetColor", 1, USBSDK_ERR_TIMEOUT);  // another last error before each row
        int palette = 0;
        USBSDK_GetColor(&palette);
        EXPECT_EQ(USBSDK_SetProDebug(r.cmd, r.send, r.sendLen, r.status, r.reply, r.capacity, r.len), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_INVALID_ARG);
        EXPECT_EQ(status, -1);
        EXPECT_EQ(len, 0);
    }
}

TEST_F(ProDebugTest, RestartCommandsRebootTheCamera)
{
    for (int cmd : {0x02, 0x03}) {
        SCOPED_TRACE(cmd);
        openDevice();
        const Answer a = send(cmd, "");
        EXPECT_EQ(a.result, 1);
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(a.reply, "");
        ASSERT_EQ(SIMCAM_AdvanceTime(200), 1);
        EXPECT_EQ(value(0, "rebooting"), 1);
        EXPECT_EQ(USBSDK_Connect(), 0);
        ASSERT_EQ(SIMCAM_AdvanceTime(3000), 1);
        EXPECT_EQ(value(0, "rebooting"), 0);
        EXPECT_EQ(value(0, "present"), 1);
    }
}

}  // namespace
}  // namespace camsdktest
