// The live rule set: reachable only while a camera is connected, handed out
// as copies, and consistent for readers on other threads while the GUI
// thread edits it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "DeviceSdkWrapper.h"
#include "StoreTestSupport.h"
#include "simcam.h"

using storetest::makeRecord;

namespace {

class ThermalImageDataLiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIMCAM_Reset();
        USBSDK_Init();
        ASSERT_TRUE(connect());
        clearLiveRules();
    }
    void TearDown() override
    {
        if (sdk().Connect() || connect()) clearLiveRules();
        sdk().Close();
    }

    static ThermalImageData& store() { return ThermalImageData::getInstance(); }
    static DeviceSdkWrapper& sdk() { return DeviceSdkWrapper::getInstance(); }

    static bool connect()
    {
        USBSDK_DeviceInfo list[8];
        std::memset(list, 0, sizeof list);
        if (sdk().GetDevInfoList(list, 8) < 1) return false;
        return sdk().Open(&list[0]) && sdk().Connect();
    }

    // The live set is never dropped; each test starts from an empty one.
    static void clearLiveRules()
    {
        const std::optional<PicRuleList> list = store().getDevRuleList();
        if (!list) return;
        for (int i = list->size() - 1; i >= 0; --i) ASSERT_EQ(store().delDevRule(list->records[i].key), 0);
        ASSERT_EQ(store().getDevRuleList()->count, 0);
    }

    static USBSDK_GlobalTemperParam block(int humidity)
    {
        USBSDK_GlobalTemperParam b{};
        b.emissivity = 0.97f;
        b.distance = float(humidity);
        b.reflectedTemp = 25.0f;
        b.ambientTemp = 25.0f;
        b.humidity = humidity;
        return b;
    }
};

TEST_F(ThermalImageDataLiveTest, ReachableOnlyWhileACameraIsConnected)
{
    const USBSDK_GlobalTemperParam g = block(40);
    ASSERT_EQ(store().setDevGlobalRuleConfig(&g), 0);
    PicRuleRecord r = makeRecord(7, PicRuleRecord::kRectangle, "R1");
    ASSERT_EQ(store().addDevRule(&r), 0);
    EXPECT_EQ(r.rule.ruleId, 1);

    ASSERT_TRUE(sdk().Close());
    EXPECT_FALSE(store().getDevRuleList().has_value());  // stored, but no camera
    EXPECT_FALSE(store().getDevGlobalRuleConfig().has_value());
    EXPECT_FALSE(store().findDevRuleById(7).has_value());
    PicRuleRecord other = makeRecord(8, PicRuleRecord::kPoint, "P1");
    EXPECT_EQ(store().addDevRule(&other), -1);
    EXPECT_EQ(store().delDevRule(7), -1);
    EXPECT_EQ(store().updateDevRule(7, r.rule), -1);
    const USBSDK_GlobalTemperParam g2 = block(60);
    EXPECT_EQ(store().setDevGlobalRuleConfig(&g2), 0);  // needs no camera
    EXPECT_EQ(store().setDevGlobalRuleConfig(nullptr), -1);

    ASSERT_TRUE(connect());
    const std::optional<PicRuleList> list = store().getDevRuleList();
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->count, 1);
    EXPECT_EQ(0, std::memcmp(&list->records[0], &r, sizeof r));
    const std::optional<USBSDK_GlobalTemperParam> global = store().getDevGlobalRuleConfig();
    ASSERT_TRUE(global.has_value());
    EXPECT_EQ(global->humidity, 60);
}

TEST_F(ThermalImageDataLiveTest, AddFindUpdateDelete)
{
    PicRuleRecord a = makeRecord(21, PicRuleRecord::kPoint, "P1");
    PicRuleRecord b = makeRecord(22, PicRuleRecord::kLine, "L1");
    PicRuleRecord c = makeRecord(23, PicRuleRecord::kCircle, "Cr1");
    for (PicRuleRecord* r : {&a, &b, &c}) ASSERT_EQ(store().addDevRule(r), 0);
    EXPECT_EQ(store().addDevRule(nullptr), -1);
    EXPECT_EQ(c.rule.ruleId, 3);

    std::optional<PicRuleConfig> found = store().findDevRuleById(22);
    ASSERT_TRUE(found.has_value());
    EXPECT_STREQ(found->name, "L1");
    EXPECT_FALSE(store().findDevRuleById(0).has_value());
    EXPECT_FALSE(store().findDevRuleById(99).has_value());

    // A copy: editing it changes nothing until it is handed back.
    found->emissivity = 0.5f;
    found->ruleId = 40;  // the store keeps its own numbering
    EXPECT_EQ(store().findDevRuleById(22)->emissivity, 0.97f);
    ASSERT_EQ(store().updateDevRule(22, *found), 0);
    EXPECT_EQ(store().findDevRuleById(22)->emissivity, 0.5f);
    EXPECT_EQ(store().findDevRuleById(22)->ruleId, 2);
    EXPECT_EQ(store().updateDevRule(99, *found), -2);
    EXPECT_EQ(store().updateDevRule(0, *found), -1);

    ASSERT_EQ(store().delDevRule(22), 0);
    EXPECT_EQ(store().delDevRule(0), -1);
    const std::optional<PicRuleList> list = store().getDevRuleList();
    ASSERT_EQ(list->count, 2);
    EXPECT_EQ(list->records[0].key, 21u);
    EXPECT_EQ(list->records[1].key, 23u);
    EXPECT_EQ(list->records[0].rule.ruleId, 1);
    EXPECT_EQ(list->records[1].rule.ruleId, 2);
}

TEST_F(ThermalImageDataLiveTest, TheLiveSetRefusesTheSixtyFirstRule)
{
    for (int i = 0; i < ThermalImageData::kMaxRules; ++i) {
        PicRuleRecord r = makeRecord(quint32(300 + i), PicRuleRecord::kPoint, "P");
        ASSERT_EQ(store().addDevRule(&r), 0) << i;
    }
    PicRuleRecord extra = makeRecord(999, PicRuleRecord::kPoint, "X");
    EXPECT_EQ(store().addDevRule(&extra), -1);
    EXPECT_EQ(extra.rule.ruleId, 0);
    EXPECT_EQ(store().getDevRuleList()->count, 60);
    EXPECT_FALSE(store().findDevRuleById(999).has_value());
}

// Readers on other threads (the snapshot writer, the device worker) copy the
// set while the GUI thread adds, edits and deletes; every copy they get is a
// consistent one. Worth running under ThreadSanitizer as well.
TEST_F(ThermalImageDataLiveTest, CopiesStayConsistentUnderConcurrentWrites)
{
    std::atomic<bool> done{false};
    std::atomic<int> copies{0};
    std::atomic<int> faults{0};

    auto check = [&](const PicRuleList& list) {
        if (list.count < 0 || list.count > 13) ++faults;  // 13 between an add and its delete
        for (int i = 0; i < list.size(); ++i) {
            const PicRuleRecord& r = list.records[i];
            // Each record names its own key and the numbering has no holes.
            if (r.rule.ruleId != i + 1 || r.rule.points[0].x != int32_t(r.key) ||
                std::string(r.rule.name) != "K" + std::to_string(r.key))
                ++faults;
        }
    };
    std::atomic<int> started{0};
    auto reader = [&] {
        ++started;
        while (!done.load()) {
            if (const std::optional<PicRuleList> list = store().getDevRuleList()) check(*list);
            if (const std::optional<USBSDK_GlobalTemperParam> g = store().getDevGlobalRuleConfig())
                if (g->distance != float(g->humidity)) ++faults;
            if (const std::optional<PicRuleConfig> r = store().findDevRuleById(1005))
                if (std::string(r->name) != "K1005") ++faults;
            ++copies;
        }
    };
    std::thread r1(reader), r2(reader);
    // On a loaded machine the readers may not have run at all by the time
    // the writes are done: let them start first.
    while (started.load() < 2) std::this_thread::yield();

    std::vector<quint32> live;
    for (quint32 key = 1000; key < 11000; ++key) {
        PicRuleRecord rec = makeRecord(key, PicRuleRecord::kPoint, ("K" + std::to_string(key)).c_str());
        rec.rule.points[0].x = int32_t(key);
        ASSERT_EQ(store().addDevRule(&rec), 0);
        live.push_back(key);
        if (live.size() > 12) {
            // Delete from the middle so the renumbering runs under the readers.
            const size_t at = key % live.size();
            ASSERT_EQ(store().delDevRule(live[at]), 0);
            live.erase(live.begin() + long(at));
        }
        const USBSDK_GlobalTemperParam g = block(int(key % 100));
        store().setDevGlobalRuleConfig(&g);
    }
    while (copies.load() == 0) std::this_thread::yield();
    done = true;
    r1.join();
    r2.join();

    EXPECT_EQ(faults.load(), 0);
    EXPECT_GT(copies.load(), 0);
    const std::optional<PicRuleList> list = store().getDevRuleList();
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), int(live.size()));
    for (int i = 0; i < list->size(); ++i) EXPECT_EQ(list->records[i].key, live[size_t(i)]);
}

}  // namespace
