// The 152-byte rule record, its kind conversion and the rule list's
// numbering.
#include <gtest/gtest.h>

#include <cstring>

#include "PicRuleList.h"
#include "StoreTestSupport.h"

using storetest::makeRecord;

namespace {

TEST(PicRuleRecordTest, BytesSitWhereTheLiveViewWritesThem)
{
    PicRuleRecord r;
    std::memset(&r, 0, sizeof r);
    r.key = 0x11223344u;
    r.rule.ruleId = 5;
    r.rule.pointNum = 4;
    r.rule.meterType = 2;
    r.rule.param = 3;
    r.rule.points[0] = {7, 9};
    std::strcpy(r.rule.name, "Cr1");
    r.rule.alarmMode = 2;
    r.rule.alarmThreshold = 55.5f;
    const auto* b = reinterpret_cast<const uint8_t*>(&r);
    auto i32 = [&](size_t at) {
        int32_t v;
        std::memcpy(&v, b + at, 4);
        return v;
    };
    EXPECT_EQ(i32(0), 0x11223344);
    EXPECT_EQ(i32(4), 5);
    EXPECT_EQ(i32(8), 4);
    EXPECT_EQ(i32(12), 2);
    EXPECT_EQ(i32(16), 3);
    EXPECT_EQ(i32(24), 7);
    EXPECT_EQ(i32(28), 9);
    EXPECT_STREQ(reinterpret_cast<const char*>(b + 88), "Cr1");
    EXPECT_EQ(i32(132), 2);
    float f;
    std::memcpy(&f, b + 136, 4);
    EXPECT_EQ(f, 55.5f);
}

TEST(PicRuleRecordTest, ItemKindsAndRecordTypesConvertBothWays)
{
    struct Row {
        int kind, type, shape;
    };
    const Row rows[] = {{1, 0, 0}, {2, 1, 0}, {3, 2, 1}, {4, 2, 2}, {5, 2, 3}, {6, 2, 0}};
    for (const Row& row : rows) {
        int32_t type = -1, shape = -1;
        ASSERT_TRUE(PicRuleRecord::kindToType(row.kind, &type, &shape)) << row.kind;
        EXPECT_EQ(type, row.type) << row.kind;
        EXPECT_EQ(shape, row.shape) << row.kind;
        EXPECT_EQ(PicRuleRecord::typeToKind(row.type, row.shape), row.kind);
    }
    for (int kind : {0, 7, 9, -1}) {
        int32_t type = 77, shape = 77;
        EXPECT_FALSE(PicRuleRecord::kindToType(kind, &type, &shape)) << kind;
        EXPECT_EQ(type, 77);
        EXPECT_EQ(shape, 77);
    }
    EXPECT_EQ(PicRuleRecord::typeToKind(0, 1), PicRuleRecord::kNone);  // points have no shape
    EXPECT_EQ(PicRuleRecord::typeToKind(2, 4), PicRuleRecord::kNone);
    EXPECT_EQ(PicRuleRecord::typeToKind(3, 0), PicRuleRecord::kNone);
}

class PicRuleListTest : public ::testing::Test {
protected:
    void SetUp() override { list_.clear(); }

    std::vector<quint32> keys() const
    {
        std::vector<quint32> k;
        for (int i = 0; i < list_.count; ++i) k.push_back(list_.records[i].key);
        return k;
    }
    void expectNumbered() const
    {
        for (int i = 0; i < list_.count; ++i) EXPECT_EQ(list_.records[i].rule.ruleId, i + 1) << "record " << i;
    }

    PicRuleList list_;
};

TEST_F(PicRuleListTest, AppendNumbersTheCallersRecordAndCopiesIt)
{
    PicRuleRecord a = makeRecord(11, PicRuleRecord::kPoint, "P1");
    PicRuleRecord b = makeRecord(12, PicRuleRecord::kLine, "L1");
    ASSERT_TRUE(list_.append(&a));
    ASSERT_TRUE(list_.append(&b));
    EXPECT_EQ(a.rule.ruleId, 1);
    EXPECT_EQ(b.rule.ruleId, 2);
    EXPECT_EQ(0, std::memcmp(&list_.records[1], &b, sizeof b));
    b.rule.emissivity = 0.5f;  // a copy: the caller's record is not kept
    EXPECT_EQ(list_.records[1].rule.emissivity, 0.97f);
}

TEST_F(PicRuleListTest, RemovingRenumbersOneToCount)
{
    struct Case {
        quint32 removed;
        std::vector<quint32> left;
    };
    const Case cases[] = {
        {12, {11, 13}},      // the middle one
        {11, {12, 13}},      // the first
        {13, {11, 12}},      // the last
        {99, {11, 12, 13}},  // none: nothing removed, still renumbered
    };
    for (const Case& c : cases) {
        list_.clear();
        for (quint32 k : {11u, 12u, 13u}) {
            PicRuleRecord r = makeRecord(k, PicRuleRecord::kPoint, "P");
            ASSERT_TRUE(list_.append(&r));
        }
        list_.records[2].rule.ruleId = 40;  // a stale id is mended too
        list_.remove(c.removed);
        EXPECT_EQ(keys(), c.left) << "removed " << c.removed;
        expectNumbered();
        // The slot freed at the end is zero again.
        const PicRuleRecord zero{};
        if (c.left.size() == 2) {
            EXPECT_EQ(0, std::memcmp(&list_.records[2], &zero, sizeof zero));
        }
    }
}

TEST_F(PicRuleListTest, RemovesOnlyTheFirstRecordOfAKey)
{
    for (quint32 k : {5u, 6u, 5u}) {
        PicRuleRecord r = makeRecord(k, PicRuleRecord::kPoint, "P");
        ASSERT_TRUE(list_.append(&r));
    }
    list_.remove(5);
    EXPECT_EQ(keys(), (std::vector<quint32>{6, 5}));
    expectNumbered();
    ASSERT_NE(list_.find(5), nullptr);
    EXPECT_EQ(list_.find(5)->rule.ruleId, 2);
    EXPECT_EQ(list_.find(77), nullptr);
}

TEST_F(PicRuleListTest, AFullListRefusesTheSixtyFirst)
{
    for (int i = 0; i < PicRuleList::kCapacity; ++i) {
        PicRuleRecord r = makeRecord(quint32(100 + i), PicRuleRecord::kPoint, "P");
        ASSERT_TRUE(list_.append(&r)) << i;
    }
    PicRuleRecord extra = makeRecord(999, PicRuleRecord::kPoint, "X");
    extra.rule.ruleId = 77;
    EXPECT_FALSE(list_.append(&extra));
    EXPECT_EQ(list_.count, 60);
    EXPECT_EQ(extra.rule.ruleId, 77);  // untouched
    EXPECT_EQ(list_.find(999), nullptr);
}

TEST_F(PicRuleListTest, ACountOutOfRangeIsReadAsClamped)
{
    PicRuleRecord r = makeRecord(1, PicRuleRecord::kPoint, "P");
    list_.count = 500;
    EXPECT_EQ(list_.size(), 60);
    EXPECT_FALSE(list_.append(&r));
    list_.count = -3;
    EXPECT_EQ(list_.size(), 0);
    EXPECT_EQ(list_.find(0), nullptr);
    ASSERT_TRUE(list_.append(&r));
    EXPECT_EQ(list_.count, 1);
    EXPECT_EQ(r.rule.ruleId, 1);
}

}  // namespace
