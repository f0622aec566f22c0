// Byte layouts of camsdk.h that other code relies on through memcpy: the
// host engine hands camera rules to thermcore as they are, and copies
// thermcore's rule results into the camera result record. The header's own
// static_asserts pin every documented offset; these tests pin the places
// where two declarations must agree, and that C writes where C++ reads.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "camsdk.h"
#include "simcam.h"
#include "thermcore.h"

extern "C" {
void camsdkC_fillAreaRule(USBSDK_Rule* rule);
void camsdkC_fillCollectRequest(USBSDK_NewRadiometryDataAutoCollectParam* rec, USBSDK_DataCollectEntry* entries);
void camsdkC_fillCallRecord(SIMCAM_CallRecord* rec);
int camsdkC_callbacksAssignable(void);
}

namespace {

template <typename T>
T readAt(const void* base, size_t offset)
{
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(base) + offset, sizeof value);
    return value;
}

struct FieldPair {
    const char* what;
    size_t camsdk;
    size_t thermcore;
    size_t documented;
};

TEST(CamsdkHeader, RuleHasThermcoreSpotRuleLayout)
{
    static_assert(sizeof(USBSDK_Rule) == sizeof(RADAPI_SpotRule), "rule sizes");
    const FieldPair fields[] = {
        {"ruleId", offsetof(USBSDK_Rule, ruleId), offsetof(RADAPI_SpotRule, ruleId), 0},
        {"flag", offsetof(USBSDK_Rule, flag), offsetof(RADAPI_SpotRule, flag), 4},
        {"type", offsetof(USBSDK_Rule, type), offsetof(RADAPI_SpotRule, meterType), 8},
        {"localParamFlag", offsetof(USBSDK_Rule, localParamFlag), offsetof(RADAPI_SpotRule, localParamFlag), 12},
        {"distance", offsetof(USBSDK_Rule, localDistance), offsetof(RADAPI_SpotRule, distance), 16},
        {"reflected", offsetof(USBSDK_Rule, localReflected), offsetof(RADAPI_SpotRule, reflectedTemp), 20},
        {"emissivity", offsetof(USBSDK_Rule, localEmissivity), offsetof(RADAPI_SpotRule, emissivity), 24},
        {"point.x", offsetof(USBSDK_Rule, geom.point.x), offsetof(RADAPI_SpotRule, geom.point.x), 44},
        {"point.y", offsetof(USBSDK_Rule, geom.point.y), offsetof(RADAPI_SpotRule, geom.point.y), 48},
        {"line.x2", offsetof(USBSDK_Rule, geom.line.x2), offsetof(RADAPI_SpotRule, geom.line.x2), 52},
        {"line.y2", offsetof(USBSDK_Rule, geom.line.y2), offsetof(RADAPI_SpotRule, geom.line.y2), 56},
        {"area.count", offsetof(USBSDK_Rule, geom.area.pointCount), offsetof(RADAPI_SpotRule, geom.area.pointNumber),
         44},
        {"area.points", offsetof(USBSDK_Rule, geom.area.xy), offsetof(RADAPI_SpotRule, geom.area.points), 48},
        {"areaShape", offsetof(USBSDK_Rule, areaShape), offsetof(RADAPI_SpotRule, areaShape), 112},
        {"name", offsetof(USBSDK_Rule, name), offsetof(RADAPI_SpotRule, reserved1), 116},
    };
    for (const FieldPair& f : fields) {
        SCOPED_TRACE(f.what);
        EXPECT_EQ(f.camsdk, f.documented);
        EXPECT_EQ(f.thermcore, f.documented);
    }
    EXPECT_EQ(sizeof(USBSDK_Rule{}.geom), sizeof(RADAPI_SpotRule{}.geom));
    EXPECT_EQ(sizeof(USBSDK_Rule{}.name), sizeof(RADAPI_SpotRule{}.reserved1));
}

TEST(CamsdkHeader, AreaRuleWrittenFromCReachesThermcoreUnchanged)
{
    USBSDK_Rules rules{};
    rules.count = 1;
    camsdkC_fillAreaRule(&rules.rule[0]);

    // What the host engine does: the rule's bytes become thermcore's rule.
    RADAPI_SpotRule spot;
    std::memcpy(&spot, &rules.rule[0], sizeof spot);
    EXPECT_EQ(spot.ruleId, 7);
    EXPECT_EQ(spot.meterType, 2);
    EXPECT_EQ(spot.localParamFlag, 1);
    EXPECT_FLOAT_EQ(spot.distance, 2.5f);
    EXPECT_FLOAT_EQ(spot.reflectedTemp, 30.0f);
    EXPECT_FLOAT_EQ(spot.emissivity, 0.95f);
    ASSERT_EQ(spot.geom.area.pointNumber, 4);
    EXPECT_EQ(spot.geom.area.points[0].x, 1024);
    EXPECT_EQ(spot.geom.area.points[1].x, 3072);
    EXPECT_EQ(spot.geom.area.points[3].y, 5120);
    EXPECT_EQ(spot.areaShape, 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(spot.reserved1), "40");

    // And a rule set's second entry starts right after the first.
    EXPECT_EQ(readAt<uint32_t>(&rules, 0), 1u);
    EXPECT_EQ(readAt<uint32_t>(&rules, 4 + 0), 7u);
    EXPECT_EQ(readAt<int32_t>(&rules, 4 + 48 + 3 * 8 + 4), 5120);
    EXPECT_EQ(offsetof(USBSDK_Rules, rule) + sizeof(USBSDK_Rule), 4u + 144u);
}

TEST(CamsdkHeader, RuleResultStartsWithThermcoreTempInfo)
{
    static_assert(sizeof(RADAPI_TempInfo) == 48, "thermcore result");
    ASSERT_EQ(offsetof(USBSDK_ThermalRuleResult, reserved2), sizeof(RADAPI_TempInfo));
    const FieldPair fields[] = {
        {"meterType", offsetof(USBSDK_ThermalRuleResult, meterType), offsetof(RADAPI_TempInfo, meterType), 0},
        {"ruleId", offsetof(USBSDK_ThermalRuleResult, ruleId), offsetof(RADAPI_TempInfo, ruleId), 4},
        {"average", offsetof(USBSDK_ThermalRuleResult, avgTemp), offsetof(RADAPI_TempInfo, average), 12},
        {"maximum", offsetof(USBSDK_ThermalRuleResult, maxTemp), offsetof(RADAPI_TempInfo, maximum), 20},
        {"minimum", offsetof(USBSDK_ThermalRuleResult, minTemp), offsetof(RADAPI_TempInfo, minimum), 24},
        {"zeroInUnit", offsetof(USBSDK_ThermalRuleResult, zeroInUnit), offsetof(RADAPI_TempInfo, zeroInUnit), 28},
        {"hot.x", offsetof(USBSDK_ThermalRuleResult, hotX), offsetof(RADAPI_TempInfo, hot.x), 32},
        {"hot.y", offsetof(USBSDK_ThermalRuleResult, hotY), offsetof(RADAPI_TempInfo, hot.y), 36},
        {"cold.x", offsetof(USBSDK_ThermalRuleResult, coldX), offsetof(RADAPI_TempInfo, cold.x), 40},
        {"cold.y", offsetof(USBSDK_ThermalRuleResult, coldY), offsetof(RADAPI_TempInfo, cold.y), 44},
    };
    for (const FieldPair& f : fields) {
        SCOPED_TRACE(f.what);
        EXPECT_EQ(f.camsdk, f.documented);
        EXPECT_EQ(f.thermcore, f.documented);
    }

    // The layer copies thermcore's 48 bytes and zeroes the tail.
    RADAPI_TempInfo info{};
    info.meterType = 2;
    info.ruleId = 3;
    info.average = 31.25f;
    info.maximum = 65.0f;
    info.minimum = 5.0f;
    info.hot = ThermPoint{4096, 2048};
    info.cold = ThermPoint{6963, 6963};
    USBSDK_ThermalRuleResult result;
    std::memset(&result, 0xAB, sizeof result);
    std::memcpy(&result, &info, sizeof info);
    std::memset(result.reserved2, 0, sizeof result.reserved2);
    EXPECT_EQ(result.ruleId, 3);
    // The three words the program reads by offset.
    EXPECT_FLOAT_EQ(readAt<float>(&result, 12), 31.25f);
    EXPECT_FLOAT_EQ(readAt<float>(&result, 20), 65.0f);
    EXPECT_FLOAT_EQ(readAt<float>(&result, 24), 5.0f);
    EXPECT_EQ(result.hotX, 4096);
    EXPECT_EQ(result.coldY, 6963);
}

TEST(CamsdkHeader, DataCollectRequestHasItsLp64Layout)
{
    static_assert(std::is_same<USBSDK_NewDataCollection::USBSDK_NewRadiometryDataAutoCollectParam,
                               USBSDK_NewRadiometryDataAutoCollectParam>::value,
                  "the nested name is the same record");
    USBSDK_DataCollectEntry entries[USBSDK_DATA_COLLECT_PAGE];
    ASSERT_EQ(sizeof entries, 3600u);

    auto* rec = new USBSDK_NewDataCollection::USBSDK_NewRadiometryDataAutoCollectParam;
    camsdkC_fillCollectRequest(rec, entries);
    EXPECT_EQ(readAt<uint32_t>(rec, 0), 50u);
    EXPECT_EQ(readAt<uint16_t>(rec, 4), 0u);
    EXPECT_EQ(readAt<uint16_t>(rec, 6), 25u);
    EXPECT_EQ(readAt<USBSDK_DataCollectEntry*>(rec, 8), entries);
    EXPECT_EQ(readAt<void*>(rec, 16), nullptr);
    for (size_t i = 24; i < sizeof *rec; ++i) EXPECT_EQ(readAt<uint8_t>(rec, i), 0u) << "reserved byte " << i;
    delete rec;
}

TEST(CamsdkHeader, ConstantsMatchTheRecordsTheyDescribe)
{
    EXPECT_EQ(USBSDK_REDUNDATA_SIZE, static_cast<int>(sizeof(RedunData)));
    EXPECT_EQ(sizeof(USBSDK_Rules), 4 + USBSDK_MAX_RULES * sizeof(USBSDK_Rule));
    EXPECT_EQ(USBSDK_ERR_FILE_VERIFY, 73);
    EXPECT_EQ(USBSDK_RULE_SPACE, 8192);
    EXPECT_EQ(camsdkC_callbacksAssignable(), 1);
}

TEST(CamsdkHeader, CallRecordWrittenFromCReadsBackInCpp)
{
    SIMCAM_CallRecord rec;
    camsdkC_fillCallRecord(&rec);
    EXPECT_EQ(rec.seq, 3u);
    EXPECT_EQ(rec.clockMs, -1);
    EXPECT_EQ(rec.threadId, 4242u);
    EXPECT_STREQ(rec.function, "USBSDK_SetColor");
    EXPECT_STREQ(reinterpret_cast<const char*>(&rec) + 72, "palette=6");
    EXPECT_EQ(readAt<int32_t>(&rec, 392), 1);
    EXPECT_EQ(readAt<int32_t>(&rec, 396), USBSDK_ERR_NONE);
}

}  // namespace
