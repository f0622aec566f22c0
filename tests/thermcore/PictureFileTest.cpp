// Reading, saving and refusing radiometric picture files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "RadioPictureWriter.h"
#include "ScratchDir.h"
#include "thermcore.h"

using fixtures::Layout;
using fixtures::RadioPictureWriter;

namespace {

void putU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(v >> (8 * i));
}

void putI32(std::vector<uint8_t>& bytes, size_t at, int32_t v)
{
    putU32(bytes, at, uint32_t(v));
}

std::string readLog(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override { HM_freeAXPicViewInfo(); }
    void TearDown() override
    {
        HM_freeAXPicViewInfo();
        writeHeatMapLog(0);
    }

    // A 32 x 24 picture with a ramp, two stored rules and a note.
    RadioPictureWriter picture(int w = 32, int h = 24) const
    {
        RadioPictureWriter p(w, h);
        p.setTemperatures(fixtures::rampTemperatures(w, h, 0.0f, 100.0f));
        PicViewInfo& info = p.picViewInfo();
        info.ruleCount = 2;
        info.rules[0].ruleId = 1;
        info.rules[0].meterType = 0;
        info.rules[0].pointNum = 1;
        info.rules[0].points[0] = {4096, 4096};
        std::strcpy(info.rules[0].name, "P1");
        info.rules[0].show[0] = 1;
        info.rules[1].ruleId = 2;
        info.rules[1].meterType = 2;
        info.rules[1].param = 1;
        info.rules[1].pointNum = 4;
        std::strcpy(info.rules[1].name, "R1");
        std::strcpy(info.text, "roof, north side");
        info.colorType = 3;
        info.flipDirection = 2;
        return p;
    }

    std::string write(const RadioPictureWriter& p, Layout* layout = nullptr, const std::string& name = "pic.png")
    {
        const std::string path = dir_.file(name);
        EXPECT_TRUE(p.writeTo(path, layout));
        return path;
    }

    static bool frameLoaded()
    {
        ThermalGraphHeader h{};
        return HM_getAxThrmGraphHeaderInfo(&h) == 0 && h.width > 0;
    }

    fixtures::ScratchDir dir_;
};

TEST_F(PictureFileTest, EveryBlockReadsBackAsWritten)
{
    const RadioPictureWriter p = picture();
    Layout layout;
    const std::string path = write(p, &layout);
    const std::vector<uint8_t> bytes = fixtures::readBytes(path);
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);

    YuvBufInfo h1{}, h2{};
    ASSERT_EQ(HM_getYuvHeaderInfo(&h1, 0), 0);
    ASSERT_EQ(HM_getYuvHeaderInfo(&h2, 1), 0);
    EXPECT_EQ(0, std::memcmp(&h1, &bytes[layout.yuvHeader1], sizeof h1));
    EXPECT_EQ(0, std::memcmp(&h2, &bytes[layout.yuvHeader2], sizeof h2));
    std::vector<uint8_t> yuv(size_t(h1.yuvLen));
    ASSERT_EQ(HM_getYuvData(yuv.data(), 0), 0);
    EXPECT_EQ(0, std::memcmp(yuv.data(), &bytes[layout.yuvData1], yuv.size()));

    ThermalGraphHeader th{};
    ASSERT_EQ(HM_getAxThrmGraphHeaderInfo(&th), 0);
    EXPECT_EQ(th.width, 32);
    EXPECT_EQ(th.height, 24);
    EXPECT_EQ(th.memLen, 32u * 24u * 2u);
    std::vector<uint16_t> raw(32 * 24);
    ASSERT_EQ(HM_getAxThrmGraph(raw.data()), 0);
    EXPECT_EQ(raw, p.rawFrame());

    PicRuleConfigInfo rules{};
    ASSERT_EQ(HM_getPicRuleConfigInfo(&rules), 0);
    ASSERT_EQ(rules.count, 2);
    EXPECT_STREQ(rules.rules[0].name, "P1");
    EXPECT_EQ(rules.rules[0].points[0].x, 4096);
    EXPECT_EQ(rules.rules[1].meterType, 2);
    EXPECT_EQ(rules.rules[1].pointNum, 4);
    PicRuleShowState show{};
    ASSERT_EQ(HM_getRuleShowState(&show), 0);
    EXPECT_EQ(show.show[0], 1);

    char text[1024];
    ASSERT_EQ(HM_getText(text), 0);
    EXPECT_STREQ(text, "roof, north side");
    int32_t v = 0;
    HM_getColorType(&v);
    EXPECT_EQ(v, 3);
    HM_getFlipDirection(&v);
    EXPECT_EQ(v, 2);

    // The camera block drives the temperatures: the ramp comes back.
    std::vector<float> t(32 * 24);
    ASSERT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
    EXPECT_NEAR(t.front(), 0.0f, 0.05f);
    EXPECT_NEAR(t.back(), 100.0f, 0.05f);
}

TEST_F(PictureFileTest, SavingChangesOnlyTheInformationBlock)
{
    Layout layout;
    const std::string path = write(picture(), &layout);
    const std::vector<uint8_t> before = fixtures::readBytes(path);
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);

    ASSERT_EQ(HM_setText("edited note"), 0);
    PicManageParam manage{7, 9, 0};
    ASSERT_EQ(HM_setPicManageParam(&manage), 0);
    int32_t palette = 5;
    ASSERT_EQ(HM_setColorType(&palette), 0);
    ASSERT_EQ(HM_saveAXPicViewInfo(), 0);

    const std::vector<uint8_t> after = fixtures::readBytes(path);
    ASSERT_EQ(after.size(), before.size());
    const size_t begin = layout.picViewInfo, end = begin + sizeof(PicViewInfo);
    EXPECT_EQ(layout.redunData, end);
    for (size_t i = 0; i < after.size(); ++i) {
        if (i < begin || i >= end) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i << " outside the block changed";
        }
    }
    PicViewInfo saved;
    std::memcpy(&saved, &after[begin], sizeof saved);
    EXPECT_STREQ(saved.text, "edited note");
    EXPECT_EQ(saved.manage0, 7);
    EXPECT_EQ(saved.manage1, 9);
    EXPECT_EQ(saved.colorType, 5);
    EXPECT_STREQ(saved.path, path.c_str());

    // And the saved file reads back with the edits.
    HM_freeAXPicViewInfo();
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);
    char text[1024];
    HM_getText(text);
    EXPECT_STREQ(text, "edited note");
}

struct Refusal {
    const char* name;
    std::function<void(std::vector<uint8_t>&, const Layout&)> damage;
};

void PrintTo(const Refusal& c, std::ostream* os)
{
    *os << c.name;
}

class PictureRefusalTest : public PictureFileTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(PictureRefusalTest, IsRefusedWithNothingLoaded)
{
    RadioPictureWriter p(16, 12);
    Layout layout;
    std::vector<uint8_t> bytes = p.build(&layout);
    GetParam().damage(bytes, layout);
    const std::string path = dir_.file("bad.png");
    ASSERT_TRUE(fixtures::writeBytes(path, bytes));

    // A good picture loaded before must not survive a refused read.
    const std::string good = write(picture(), nullptr, "good.png");
    ASSERT_EQ(HM_readAXPicViewFile(good.c_str()), 0);

    EXPECT_EQ(HM_readAXPicViewFile(path.c_str()), -1);
    EXPECT_FALSE(frameLoaded());
    std::vector<float> t(16 * 12);
    EXPECT_EQ(HM_getAxPixelsTemperature(0, t.data()), -1);
    HM_RuleTemper r{};
    EXPECT_EQ(PIC_GetHotColdTemperature(&r), -1);
}

const Refusal kRefusals[] = {
    {"NoMark", [](auto& b, auto&) { b.back() = 0x00; }},
    {"PlainPng", [](auto& b, auto& l) { b.resize(l.pngSize); }},
    {"TooShort",
     [](auto& b, auto&) {
         b = {0x26, 0xBC};
     }},
    {"YuvLength420ForFormat0", [](auto& b, auto& l) { putI32(b, l.yuvHeader1 + 16, 16 * 12 * 3 / 2); }},
    {"YuvLength422ForFormat1", [](auto& b, auto& l) { b[l.yuvHeader1 + 24] = 1; }},
    {"SecondHeaderType0", [](auto& b, auto& l) { putI32(b, l.yuvHeader2 + 4, 0); }},
    {"FirstHeaderType1", [](auto& b, auto& l) { putI32(b, l.yuvHeader1 + 4, 1); }},
    {"CheckFloatsDiffer", [](auto& b, auto& l) { putU32(b, l.yuvHeader2 + 32, 0x3F800000u); }},
    {"NegativeYuvSize",
     [](auto& b, auto& l) {
         putI32(b, l.yuvHeader1 + 8, -1);
         putI32(b, l.yuvHeader1 + 12, -1);
         putI32(b, l.yuvHeader1 + 16, 2);
     }},
    {"OffsetPastTheEnd", [](auto& b, auto& l) { putU32(b, l.trailer, uint32_t(l.fileSize)); }},
    {"OffsetAllOnes", [](auto& b, auto& l) { putU32(b, l.trailer, 0xFFFFFFFFu); }},
    {"TruncatedRawFrame", [](auto& b, auto& l) { b.erase(b.begin() + l.raw + 10, b.begin() + l.raw + 300); }},
    {"TruncatedRedunData", [](auto& b, auto& l) { b.erase(b.begin() + l.redunData, b.begin() + l.redunData + 8); }},
    {"HugeWidth", [](auto& b, auto& l) { putI32(b, l.thermalHeader + 4, 1 << 30); }},
    {"MaximalSidesInASmallFile",
     [](auto& b, auto& l) {
         putI32(b, l.thermalHeader + 4, 16384);
         putI32(b, l.thermalHeader + 8, 16384);
     }},
    {"ZeroHeight", [](auto& b, auto& l) { putI32(b, l.thermalHeader + 8, 0); }},
    {"NegativeWidth", [](auto& b, auto& l) { putI32(b, l.thermalHeader + 4, -16); }},
};

INSTANTIATE_TEST_SUITE_P(BadFiles, PictureRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PictureFileTest, RefusalsAreLoggedWhenTheLogIsOn)
{
    setenv("THERMCORE_LOG_DIR", dir_.path().c_str(), 1);
    ASSERT_EQ(writeHeatMapLog(1), 0);
    RadioPictureWriter p(8, 6);
    std::vector<uint8_t> bytes = p.build();
    bytes.back() = 0;
    const std::string path = dir_.file("unmarked.png");
    fixtures::writeBytes(path, bytes);
    EXPECT_EQ(HM_readAXPicViewFile(path.c_str()), -1);
    EXPECT_EQ(HM_readAXPicViewFile(dir_.file("missing.png").c_str()), -1);
    writeHeatMapLog(0);
    unsetenv("THERMCORE_LOG_DIR");

    // A folder that does not exist: the log cannot open and stays off.
    setenv("THERMCORE_LOG_DIR", dir_.file("no/such/folder").c_str(), 1);
    EXPECT_EQ(writeHeatMapLog(1), -1);
    unsetenv("THERMCORE_LOG_DIR");

    const std::string log = readLog(dir_.file("thermcoreGragh.log"));
    EXPECT_NE(log.find("######### RADAPP_readPicViewFile ##########"), std::string::npos);
    EXPECT_NE(log.find("RADAPP_readPicViewFile:The file format is incorrect!"), std::string::npos);
    EXPECT_NE(log.find("open fail errno =  2 reason = No such file or directory "), std::string::npos);
    EXPECT_NE(log.find("can't open heatMap file"), std::string::npos);
}

TEST_F(PictureFileTest, Format420ImageNeedsItsOwnLength)
{
    RadioPictureWriter p(16, 12);
    p.setYuvFormat(1);
    const std::string path = write(p);
    EXPECT_EQ(HM_readAXPicViewFile(path.c_str()), 0);
    YuvBufInfo h{};
    HM_getYuvHeaderInfo(&h, 0);
    EXPECT_EQ(h.yuvLen, 16 * 12 * 3 / 2);
}

TEST_F(PictureFileTest, UnsupportedChannelModeFailsButStaysLoaded)
{
    RadioPictureWriter p = picture();
    p.picViewInfo().channelMode = 1;
    const std::string path = write(p);
    EXPECT_EQ(HM_readAXPicViewFile(path.c_str()), -1);
    EXPECT_TRUE(frameLoaded());
    std::vector<float> t(32 * 24);
    EXPECT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
    EXPECT_NEAR(t.back(), 100.0f, 0.05f);

    p.picViewInfo().channelMode = 2;
    p.picViewInfo().reserved3 = 1;
    const std::string other = write(p, nullptr, "reserved.png");
    EXPECT_EQ(HM_readAXPicViewFile(other.c_str()), -1);
    EXPECT_TRUE(frameLoaded());
}

TEST_F(PictureFileTest, EarlierLayoutIsConvertedAndStartsFromZero)
{
    // First a picture whose raw values are temperatures: its flag must not
    // leak into the next picture, whose earlier layout has no such flag.
    RadioPictureWriter tempData(16, 12);
    tempData.redunData().tempDataFlag = 1;
    tempData.setRawFrame(std::vector<uint16_t>(16 * 12, 500));
    ASSERT_EQ(HM_readAXPicViewFile(write(tempData, nullptr, "tempdata.png").c_str()), 0);
    std::vector<float> t(16 * 12);
    ASSERT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
    EXPECT_FLOAT_EQ(t[0], 50.0f);

    RadioPictureWriter earlier(16, 12);
    earlier.setTemperatures(fixtures::rampTemperatures(16, 12, 10.0f, 60.0f));
    earlier.setRedunVersion(0);
    Layout layout;
    const std::string path = write(earlier, &layout, "earlier.png");
    const std::vector<uint8_t> bytes = fixtures::readBytes(path);
    // The breakpoint count and the base grey sit where the earlier layout kept them.
    EXPECT_EQ(bytes[layout.redunData + 1340], earlier.redunData().curveCount);
    uint32_t baseGray;
    std::memcpy(&baseGray, &bytes[layout.redunData + 696], 4);
    EXPECT_EQ(baseGray, earlier.redunData().baseGray);

    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);
    ASSERT_EQ(HM_getAxPixelsTemperature(0, t.data()), 0);
    EXPECT_NEAR(t.front(), 10.0f, 0.05f);
    EXPECT_NEAR(t.back(), 60.0f, 0.05f);
    HM_RuleTemper spot{};
    ASSERT_EQ(PIC_GetHotColdTemperature(&spot), 0);  // window converted from 1332
    EXPECT_NEAR(spot.maximum, 60.0f, 0.05f);
}

TEST_F(PictureFileTest, StoredCountsAndTextsAreBounded)
{
    RadioPictureWriter p(16, 12);
    PicViewInfo& info = p.picViewInfo();
    info.ruleCount = 200;
    for (auto& rule : info.rules) std::memset(rule.name, 'n', sizeof rule.name);  // no NUL
    std::memset(info.text, 't', sizeof info.text);
    std::memset(info.extendText, 'e', sizeof info.extendText);
    ASSERT_EQ(HM_readAXPicViewFile(write(p).c_str()), 0);

    PicRuleConfigInfo rules{};
    ASSERT_EQ(HM_getPicRuleConfigInfo(&rules), 0);
    EXPECT_EQ(rules.count, 60);
    EXPECT_EQ(std::strlen(rules.rules[59].name), 31u);
    char text[1024];
    ASSERT_EQ(HM_getText(text), 0);
    EXPECT_EQ(std::strlen(text), 1023u);
    PicExtendInfo ext{};
    ASSERT_EQ(HM_getPicExtendInfo(&ext), 0);
    EXPECT_EQ(std::strlen(ext.text), 31u);
    PicRuleShowState show{{1, 2, 3}};
    EXPECT_EQ(HM_setRuleShowState(&show), 0);  // writes 60 rules, not 200
}

TEST_F(PictureFileTest, RuleCountAndNoteLimits)
{
    ASSERT_EQ(HM_readAXPicViewFile(write(picture()).c_str()), 0);

    PicRuleConfigInfo rules{};
    rules.count = 60;
    for (int i = 0; i < 60; ++i) {
        rules.rules[i].ruleId = i + 1;
        std::snprintf(rules.rules[i].name, sizeof rules.rules[i].name, "R%d", i + 1);
    }
    EXPECT_EQ(HM_setPicRuleConfigInfo(&rules), 0);
    rules.count = 61;
    EXPECT_EQ(HM_setPicRuleConfigInfo(&rules), -1);
    PicRuleConfigInfo back{};
    HM_getPicRuleConfigInfo(&back);
    EXPECT_EQ(back.count, 60);
    EXPECT_STREQ(back.rules[59].name, "R60");

    std::string note(1023, 'x');
    EXPECT_EQ(HM_setText(note.c_str()), 0);
    note.push_back('y');
    EXPECT_EQ(HM_setText(note.c_str()), -1);
    char text[1024];
    HM_getText(text);
    EXPECT_EQ(std::string(text), std::string(1023, 'x'));
}

TEST_F(PictureFileTest, SettingRulesClearsShowFlags)
{
    Layout layout;
    const std::string path = write(picture(), &layout);
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);
    PicRuleConfigInfo rules{};
    rules.count = 1;
    rules.rules[0].ruleId = 1;
    rules.rules[0].alarmMode = 2;
    rules.rules[0].alarmThreshold = 55.5f;
    ASSERT_EQ(HM_setPicRuleConfigInfo(&rules), 0);
    PicRuleShowState show{{7, 7, 7}};
    HM_getRuleShowState(&show);
    EXPECT_EQ(show.show[0], 0);
    EXPECT_EQ(show.show[2], 0);

    // Reading sign-extends the stored byte; writing keeps the low byte.
    show = {{-1, 0x102, 1}};
    HM_setRuleShowState(&show);
    HM_getRuleShowState(&show);
    EXPECT_EQ(show.show[0], -1);
    EXPECT_EQ(show.show[1], 2);
    EXPECT_EQ(show.show[2], 1);

    // Alarm fields cross over: record 128 -> stored 136, record 132 -> stored 132.
    ASSERT_EQ(HM_saveAXPicViewInfo(), 0);
    const std::vector<uint8_t> bytes = fixtures::readBytes(path);
    const size_t rule0 = layout.picViewInfo + 8;
    float threshold;
    int32_t mode;
    std::memcpy(&threshold, &bytes[rule0 + 132], 4);
    std::memcpy(&mode, &bytes[rule0 + 136], 4);
    EXPECT_FLOAT_EQ(threshold, 55.5f);
    EXPECT_EQ(mode, 2);
    PicRuleConfigInfo back{};
    HM_getPicRuleConfigInfo(&back);
    EXPECT_EQ(back.rules[0].alarmMode, 2);
    EXPECT_FLOAT_EQ(back.rules[0].alarmThreshold, 55.5f);
}

TEST_F(PictureFileTest, SaverRefusesAFileThatNoLongerMatches)
{
    Layout layout;
    const std::string path = write(picture(), &layout);
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);

    // Someone inserted bytes before the trailer: the block would land on
    // picture data, so nothing is written.
    std::vector<uint8_t> bytes = fixtures::readBytes(path);
    bytes.insert(bytes.begin() + layout.redunData, 16, 0xAA);
    fixtures::writeBytes(path, bytes);
    HM_setText("must not reach the file");
    EXPECT_EQ(HM_saveAXPicViewInfo(), -1);
    EXPECT_EQ(fixtures::readBytes(path), bytes);

    // Unmarked file: untouched too.
    bytes.back() = 0;
    fixtures::writeBytes(path, bytes);
    EXPECT_EQ(HM_saveAXPicViewInfo(), -1);
    EXPECT_EQ(fixtures::readBytes(path), bytes);

    std::filesystem::remove(path);
    EXPECT_EQ(HM_saveAXPicViewInfo(), -1);
    HM_freeAXPicViewInfo();
    EXPECT_EQ(HM_saveAXPicViewInfo(), -1);
}

TEST_F(PictureFileTest, LongPathIsSavedToTheRealFile)
{
    std::string folder = dir_.path();
    while (folder.size() < 300) folder += "/a-rather-long-folder-name";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/picture.png";
    Layout layout;
    ASSERT_TRUE(picture().writeTo(path, &layout));
    ASSERT_EQ(HM_readAXPicViewFile(path.c_str()), 0);
    ASSERT_EQ(HM_setText("saved through a long path"), 0);
    ASSERT_EQ(HM_saveAXPicViewInfo(), 0);

    const std::vector<uint8_t> bytes = fixtures::readBytes(path);
    PicViewInfo saved;
    std::memcpy(&saved, &bytes[layout.picViewInfo], sizeof saved);
    EXPECT_STREQ(saved.text, "saved through a long path");
    EXPECT_EQ(std::strlen(saved.path), 255u);
    EXPECT_EQ(std::string(saved.path), path.substr(0, 255));
}

TEST_F(PictureFileTest, FreeingLeavesNothingToRead)
{
    ASSERT_EQ(HM_readAXPicViewFile(write(picture()).c_str()), 0);
    EXPECT_EQ(HM_freeAXPicViewInfo(), 0);
    ThermalGraphHeader h{};
    h.width = 99;
    EXPECT_EQ(HM_getAxThrmGraphHeaderInfo(&h), -1);
    EXPECT_EQ(h.width, 0);
    EXPECT_EQ(h.height, 0);
    std::vector<float> t(32 * 24);
    std::vector<int16_t> s(32 * 24);
    std::vector<uint16_t> raw(32 * 24);
    EXPECT_EQ(HM_getAxPixelsTemperature(0, t.data()), -1);
    EXPECT_EQ(HM_getAxPixelsTemperature_short16(0, s.data()), -1);
    EXPECT_EQ(HM_getAxThrmGraph(raw.data()), -1);
    EXPECT_EQ(HM_getYuvData(raw.data(), 0), -1);
    // The blocks stay: the note is still there.
    char text[1024];
    HM_getText(text);
    EXPECT_STREQ(text, "roof, north side");
}

TEST_F(PictureFileTest, RawDataFromMemory)
{
    RadioPictureWriter small(8, 6);
    small.setTemperatures(std::vector<float>(48, 30.0f));
    small.redunData().emissivity = 0.95f;
    small.redunData().distance = 1.0f;
    small.redunData().envTemp = 21.0f;
    small.redunData().humidity = 40;
    small.redunData().tempUnit = 1;
    ThermalGraphHeader h = fixtures::thermalGraphHeader(8, 6);
    std::vector<uint8_t> data = small.radioData();
    ASSERT_EQ(HM_analyRadioData(&h, data.data()), 0);
    PicGlobalRuleConfigParam g{};
    HM_getPicGlobalRuleConfig(&g);
    EXPECT_FLOAT_EQ(g.emissivity, 0.95f);
    EXPECT_FLOAT_EQ(g.fEnvTemp, 21.0f);
    EXPECT_EQ(g.humidity, 40);
    EXPECT_EQ(g.tempUnit, 1);
    EXPECT_FLOAT_EQ(g.reflectedTemp, 25.0f);

    // A larger frame after a smaller one gets a larger buffer.
    RadioPictureWriter large(40, 30);
    large.setTemperatures(fixtures::rampTemperatures(40, 30, -10.0f, 120.0f));
    h = fixtures::thermalGraphHeader(40, 30);
    data = large.radioData();
    std::vector<float> t(40 * 30);
    ASSERT_EQ(HM_rawDataTransformTemp(&h, data.data(), t.data()), 0);
    EXPECT_NEAR(t.front(), -10.0f, 0.05f);
    EXPECT_NEAR(t.back(), 120.0f, 0.05f);

    h.width = 0;
    EXPECT_EQ(HM_analyRadioData(&h, data.data()), -1);
    h.width = 1 << 20;
    EXPECT_EQ(HM_analyRadioData(&h, data.data()), -1);
    EXPECT_EQ(HM_analyRadioData(&h, nullptr), -1);
    EXPECT_EQ(HM_freeRadioData(), 0);
    EXPECT_EQ(HM_getAxPixelsTemperature(0, t.data()), -1);
}

TEST_F(PictureFileTest, AccessorsOfTheInformationBlock)
{
    ASSERT_EQ(HM_readAXPicViewFile(write(picture()).c_str()), 0);
    PicGlobalRuleConfigParam g{0.8f, 3.0f, 99.0f, 18.0f, 2, 65, 7, 1.5f};
    ASSERT_EQ(HM_setPicGlobalRuleConfig(&g), 0);
    PicGlobalRuleConfigParam back{};
    ASSERT_EQ(HM_getPicGlobalRuleConfig(&back), 0);
    EXPECT_FLOAT_EQ(back.emissivity, 0.8f);
    EXPECT_FLOAT_EQ(back.distance, 3.0f);
    EXPECT_FLOAT_EQ(back.reflectedTemp, 25.0f);  // never stored
    EXPECT_FLOAT_EQ(back.fEnvTemp, 18.0f);
    EXPECT_EQ(back.tempUnit, 2);
    EXPECT_EQ(back.humidity, 65);
    EXPECT_EQ(back.param7, 7);
    EXPECT_FLOAT_EQ(back.param8, 1.5f);

    PicManageParam m{};
    ASSERT_EQ(HM_getPicManageParam(&m), 0);
    EXPECT_EQ(m.notePresent, 1);
    HM_setText("");
    HM_getPicManageParam(&m);
    EXPECT_EQ(m.notePresent, 0);

    PicExtendInfo ext{};
    std::strcpy(ext.text, "ext");
    ext.value = 42;
    HM_setPicExtendInfo(&ext);
    PicExtendInfo extBack{};
    HM_getPicExtendInfo(&extBack);
    EXPECT_STREQ(extBack.text, "ext");
    EXPECT_EQ(extBack.value, 42);

    const uint8_t iso[20] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    uint8_t isoBack[20] = {};
    HM_setIsoThermParam(iso);
    HM_getIsoThermParam(isoBack);
    EXPECT_EQ(0, std::memcmp(iso, isoBack, 20));

    EXPECT_EQ(HM_setParamsState(3), 0);
    int32_t state = 0;
    HM_getParamsState(&state);
    EXPECT_EQ(state, 3);
    int32_t channel = 4, sr = 1;
    HM_setChannel(&channel);
    HM_setSuperResolutionStat(&sr);
    HM_getChannel(&channel);
    HM_getSuperResolutionStat(&sr);
    EXPECT_EQ(channel, 4);
    EXPECT_EQ(sr, 1);
    EXPECT_EQ(HM_getColorType(nullptr), -1);
    EXPECT_EQ(HM_setText(nullptr), -1);
}

TEST_F(PictureFileTest, UnicodeTextsAreCutOnCharacterBoundaries)
{
    ASSERT_EQ(HM_readAXPicViewFile(write(picture()).c_str()), 0);
    PicRuleConfigInfo rules{};
    rules.count = 1;
    // 10 three-byte characters and two more bytes: 32 bytes without a NUL.
    std::string name;
    for (int i = 0; i < 10; ++i) name += "\xE6\xB8\xA9";  // 温
    name += "ab";
    std::memcpy(rules.rules[0].name, name.data(), 32);
    ASSERT_EQ(HM_setPicRuleConfigInfo(&rules), 0);
    PicRuleConfigInfo back{};
    HM_getPicRuleConfigInfo(&back);
    EXPECT_EQ(std::string(back.rules[0].name), name.substr(0, 31));

    PicExtendInfo ext{};
    std::string cjk;
    for (int i = 0; i < 11; ++i) cjk += "\xE6\xB8\xA9";  // 33 bytes
    std::memcpy(ext.text, cjk.data(), 32);
    HM_setPicExtendInfo(&ext);
    PicExtendInfo extBack{};
    HM_getPicExtendInfo(&extBack);
    EXPECT_EQ(std::string(extBack.text), cjk.substr(0, 30));  // never half a character
}

}  // namespace
