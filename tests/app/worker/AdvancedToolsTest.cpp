// The advanced page's requests: pages of the camera's sample store and
// protocol-debug exchanges.
#include <cstring>
#include <vector>

#include "WorkerTest.h"

namespace {

using AdvancedToolsTest = WorkerTest;

// The camera's own page, read directly.
std::vector<USBSDK_DataCollectEntry> storedEntries(uint32_t start)
{
    std::vector<USBSDK_DataCollectEntry> entries(USBSDK_DATA_COLLECT_PAGE);
    USBSDK_NewRadiometryDataAutoCollectParam record{};
    record.startIndex = start;
    record.count = USBSDK_DATA_COLLECT_PAGE;
    record.entries = entries.data();
    EXPECT_EQ(USBSDK_GetNewDataCollect(&record), 1);
    entries.resize(record.count);
    return entries;
}

TEST_F(AdvancedToolsTest, DataCollectionPagesAreValues)
{
    openCamera();
    ASSERT_EQ(SIMCAM_AddDataCollectSamples(0, 30), 1);
    const struct {
        uint start;
        int entries;
    } pages[] = {{0, 25}, {25, 5}, {40, 0}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.start);
        SIMCAM_ClearCallLog();
        journal_->clear();
        run("getNewDataCollectSlot", {p.start});
        EXPECT_EQ(calls(), QStringList{"USBSDK_GetNewDataCollect"});
        const QVariantList result = journal_->argsOf("sendGetNewDataCollectRetSignal").value(0);
        ASSERT_EQ(result.size(), 2);
        EXPECT_TRUE(result[0].toBool());
        const DataCollectPage page = result[1].value<DataCollectPage>();
        EXPECT_EQ(page.unStartIndex, p.start);
        EXPECT_EQ(page.unTotal, 30u);
        ASSERT_EQ(page.entries.size(), p.entries);
        const std::vector<USBSDK_DataCollectEntry> stored = storedEntries(p.start);
        ASSERT_EQ(stored.size(), size_t(p.entries));
        EXPECT_EQ(std::memcmp(page.entries.constData(), stored.data(), stored.size() * sizeof stored[0]), 0);
    }
    journal_->clear();
    ASSERT_EQ(SIMCAM_FailNext("GetNewDataCollect", 1, 0), 1);
    run("getNewDataCollectSlot", {0u});
    const QVariantList failed = journal_->argsOf("sendGetNewDataCollectRetSignal").value(0);
    ASSERT_EQ(failed.size(), 2);
    EXPECT_FALSE(failed[0].toBool());
    const DataCollectPage empty = failed[1].value<DataCollectPage>();
    EXPECT_EQ(empty.unStartIndex, 0u);
    EXPECT_EQ(empty.unTotal, 0u);
    EXPECT_TRUE(empty.entries.isEmpty());
}

ProDebugCmdInfo command(int id, const QByteArray& data)
{
    ProDebugCmdInfo info;
    info.ucCommandId = uint8_t(id);
    std::memcpy(info.ucSendData, data.constData(), size_t(data.size()));
    info.nSendLength = data.size();
    // Whatever the page left in the reply is not passed on.
    std::memset(info.ucReplyData, 0xAA, sizeof info.ucReplyData);
    info.nReplyLength = 77;
    return info;
}

TEST_F(AdvancedToolsTest, ProtocolDebugFillsTheReply)
{
    QByteArray longReply(ProDebugCmdInfo::kDataSize, '\0');
    for (int i = 0; i < longReply.size(); ++i) longReply[i] = char(i * 7);
    ASSERT_EQ(SIMCAM_SetProDebugReply(0x30, 0, reinterpret_cast<const unsigned char*>(longReply.constData()),
                                      longReply.size()),
              1);
    const struct {
        bool camera;
        int id;
        QByteArray send;
        int status;
        QByteArray reply;
    } cases[] = {
        {false, 0x01, "\x01\x02\x03", -1, ""},  // nobody answered
        {true, 0x01, "\x01\x02\x03", 0, "\x01\x02\x03"},
        {true, 0x11, "", 0, QByteArray("\x00\x06", 2)},
        {true, 0x7F, "\x09", 5, ""},
        {true, 0x30, "", 0, longReply},  // a reply of the full capacity
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.id);
        if (c.camera && !USBSDK_Connect()) openCamera();
        journal_->clear();
        const ProDebugCmdInfo sent = command(c.id, c.send);
        run("setSendProDebugCommandSlot", {QVariant::fromValue(sent)});
        const QList<QVariantList> results = journal_->argsOf("sendProDebugCommandRetSignal");
        ASSERT_EQ(results.size(), 1);
        const ProDebugCmdInfo got = results[0][0].value<ProDebugCmdInfo>();
        EXPECT_EQ(got.ucCommandId, sent.ucCommandId);
        EXPECT_EQ(got.nSendLength, sent.nSendLength);
        EXPECT_EQ(std::memcmp(got.ucSendData, sent.ucSendData, sizeof sent.ucSendData), 0);
        EXPECT_EQ(got.nStatus, c.status);
        ASSERT_EQ(got.nReplyLength, c.reply.size());
        QByteArray expectedReply = c.reply;
        expectedReply.append(QByteArray(ProDebugCmdInfo::kDataSize - c.reply.size(), '\0'));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(got.ucReplyData), sizeof got.ucReplyData), expectedReply);
        EXPECT_GE(got.nDuration, 0);
    }
}

}  // namespace
