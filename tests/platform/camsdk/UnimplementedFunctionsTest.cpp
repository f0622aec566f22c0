// Functions of families still to come: they link, gate on the session like
// every device operation, record themselves and fail NOT_SUPPORTED.
#include <cstring>

#include "CamsdkTestSupport.h"

namespace camsdktest {
namespace {

class UnimplementedFunctionsTest : public CamsdkTest {};

TEST_F(UnimplementedFunctionsTest, StubsGateRecordAndFail)
{
    int preset = -1;
    USBSDK_Rules rules = {};
    rules.count = 1;
    rules.rule[0].ruleId = 4;
    rules.rule[0].type = 2;
    struct Stub {
        const char* function;
        int (*call)(int* out, const USBSDK_Rules& rules);
        const char* args;
    };
    const Stub stubs[] = {
        {"USBSDK_SetRefrigerationFocus", [](int*, const USBSDK_Rules&) { return USBSDK_SetRefrigerationFocus(1); },
         "direction=1"},
    };
    for (const Stub& s : stubs) {
        SIMCAM_Reset();
        EXPECT_EQ(s.call(&preset, rules), 0) << s.function;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_OPEN) << s.function;
        openDevice();
        SIMCAM_ClearCallLog();
        EXPECT_EQ(s.call(&preset, rules), 0) << s.function;
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NOT_SUPPORTED) << s.function;
        EXPECT_EQ(preset, -1) << s.function;
        SIMCAM_CallRecord r;
        int total = 0;
        ASSERT_EQ(SIMCAM_GetCallLog(&r, 1, &total, nullptr), 1);
        ASSERT_EQ(total, 1) << s.function;
        EXPECT_STREQ(r.function, s.function);
        EXPECT_STREQ(r.args, s.args);
        EXPECT_EQ(r.error, USBSDK_ERR_NOT_SUPPORTED);
        // Injected failures reach them like any call.
        ASSERT_EQ(SIMCAM_FailNext(s.function, 1, USBSDK_ERR_TIMEOUT), 1);
        EXPECT_EQ(s.call(&preset, rules), 0);
        EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_TIMEOUT) << s.function;
    }
}

TEST_F(UnimplementedFunctionsTest, ProgressAnswersWithoutASession)
{
    int maximum = 0, current = -1;
    EXPECT_EQ(USBSDK_GetProgress(&maximum, &current), 1);
    EXPECT_EQ(maximum, 100);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(USBSDK_GetLastError(), USBSDK_ERR_NONE);
}

}  // namespace
}  // namespace camsdktest
