// The picture side of the store over fixture pictures: loading, sizes,
// temperatures in C whatever the picture's unit, the picture rule set, saving
// back into the file, palette indices and pictures, the note.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <cstring>
#include <vector>

#include "BgrToNv12.h"
#include "ImageBufferHelpers.h"
#include "ScratchDir.h"
#include "StoreTestSupport.h"

using storetest::kH;
using storetest::kW;
using storetest::makeRecord;
using storetest::norm;
using storetest::qpath;

namespace {

class ThermalImageDataPictureTest : public ::testing::Test {
protected:
    void SetUp() override { store().freePic(); }
    void TearDown() override { store().freePic(); }

    static ThermalImageData& store() { return ThermalImageData::getInstance(); }

    QString write(const fixtures::RadioPictureWriter& p, const std::string& name = "pic.png")
    {
        const std::string path = dir_.file(name);
        EXPECT_TRUE(p.writeTo(path));
        return qpath(path);
    }

    // The loading sequence of the picture analysis window.
    static void load(const QString& path)
    {
        ASSERT_EQ(store().readPicFile(path), 0);
        ASSERT_EQ(store().getPicHeaderInfo(), 0);
        ASSERT_EQ(store().getThermalGraph(), 0);
        ASSERT_EQ(store().getPixelsTemperature(), 0);
        ASSERT_EQ(store().updateHotColdTemper(), 0);
        ASSERT_EQ(store().calcPaletteRange(), 0);
        ASSERT_EQ(store().readPicGlobalRuleConfig(), 0);
        ASSERT_EQ(store().readPicRuleConfigInfo(), 0);
    }

    static std::vector<float> pixels()
    {
        std::vector<float> t;
        EXPECT_EQ(store().getTemperList(t), 0);
        return t;
    }

    static RuleRegionParam pointRule(int x, int y)
    {
        RuleRegionParam r{};
        r.ruleID = 1;
        r.pointNum = 1;
        r.meterType = 0;
        r.points[0] = {norm(x, kW), norm(y, kH)};
        return r;
    }

    fixtures::ScratchDir dir_;
};

TEST_F(ThermalImageDataPictureTest, WithoutAPictureEveryPictureMemberRefuses)
{
    ThermalImageData& s = store();
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(s.getPicHeaderInfo(), -1);
    EXPECT_EQ(s.getThermalGraph(), -1);
    EXPECT_EQ(s.getPixelsTemperature(), -1);
    std::vector<float> t;
    EXPECT_EQ(s.getTemperList(t), -1);
    RuleRegionParam rule = pointRule(1, 1);
    HM_RuleTemper result{};
    EXPECT_EQ(s.getRuleRegionTemper(&rule, &result), -1);
    EXPECT_EQ(s.getHotColdTemper(&result), -1);
    EXPECT_EQ(s.updateHotColdTemper(), -1);
    EXPECT_EQ(s.getMinTemper(), 0.0f);
    EXPECT_EQ(s.getMaxTemper(), 0.0f);
    EXPECT_EQ(s.calcPaletteRange(), -1);
    EXPECT_EQ(s.temperToPaletteIndex(20.0f), -1);
    EXPECT_EQ(s.readPicGlobalRuleConfig(), -1);
    EXPECT_EQ(s.getPicGlobalRuleConfig(), nullptr);
    EXPECT_EQ(s.setPicGlobalRuleConfig(), -1);
    EXPECT_EQ(s.readPicRuleConfigInfo(), -1);
    EXPECT_EQ(s.getPicRuleList(), nullptr);
    EXPECT_EQ(s.setPicRuleConfigInfo(), -1);
    PicRuleRecord r = makeRecord(5, PicRuleRecord::kPoint, "P1");
    EXPECT_EQ(s.addPicRule(&r), -1);
    EXPECT_EQ(s.delPicRule(5), -1);
    EXPECT_EQ(s.findPicRuleById(5), nullptr);
    int32_t v = 77;
    EXPECT_EQ(s.getColorType(&v), -1);
    EXPECT_EQ(s.getChannel(&v), -1);
    EXPECT_EQ(v, 77);
    EXPECT_EQ(s.getSetParamsState(&v, 0), -1);
    char note[16] = "x";
    EXPECT_EQ(s.getSetText(note, sizeof note, 0), -1);
    EXPECT_EQ(s.readIsoThermParam(), -1);
    EXPECT_NE(s.getIsoThermParam(), nullptr);
    EXPECT_EQ(s.saveImageBmp(qpath(dir_.file("x.bmp")), 0, 0, 0, 255), -1);
    EXPECT_EQ(s.savePicAsImage(), -1);
    EXPECT_EQ(s.savePicViewInfo(), -1);
    QSize size(5, 5);
    s.getPicSize(size);
    EXPECT_EQ(size, QSize(0, 0));
}

TEST_F(ThermalImageDataPictureTest, RefusedFilesLeaveNothingLoaded)
{
    // A plain PNG without the radiometric part.
    fixtures::Layout layout;
    const std::vector<uint8_t> good = storetest::rampPicture().build(&layout);
    const std::string plain = dir_.file("plain.png");
    ASSERT_TRUE(fixtures::writeBytes(plain, std::vector<uint8_t>(good.begin(), good.begin() + layout.pngSize)));
    // A picture whose channel mode the library does not support: it keeps the
    // data, the store does not count it as open.
    fixtures::RadioPictureWriter channel1 = storetest::rampPicture();
    channel1.picViewInfo().channelMode = 1;

    load(write(storetest::rampPicture(), "good.png"));
    for (const QString& path : {qpath(plain), write(channel1, "channel1.png"), qpath(dir_.file("missing.png"))}) {
        EXPECT_EQ(store().readPicFile(path), -2) << path.toStdString();
        EXPECT_FALSE(store().isLoaded());
        // The picture before is gone with its rule set.
        EXPECT_EQ(store().getPicRuleList(), nullptr);
        EXPECT_EQ(store().getPicGlobalRuleConfig(), nullptr);
        EXPECT_EQ(store().getThermalGraph(), -1);
    }
}

TEST_F(ThermalImageDataPictureTest, OpenReadEditSaveAndReadBack)
{
    const QString path = write(storetest::rampPicture());
    load(path);
    ThermalImageData& s = store();
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(s.getPicPath(), path);
    QSize size;
    s.getPicSize(size);
    EXPECT_EQ(size, QSize(kW, kH));

    std::vector<float> t = {-1.0f};
    ASSERT_EQ(s.getTemperList(t), 0);  // appends
    ASSERT_EQ(t.size(), 1u + kW * kH);
    EXPECT_EQ(t[0], -1.0f);
    EXPECT_NEAR(t[1], 0.0f, 0.05f);
    EXPECT_NEAR(t.back(), 100.0f, 0.05f);
    EXPECT_NEAR(s.getMinTemper(), 0.0f, 0.05f);
    EXPECT_NEAR(s.getMaxTemper(), 100.0f, 0.05f);
    EXPECT_LT(s.getPaletteIndexLow(), s.getPaletteIndexHigh());

    // The snapshot writer's global parameters, the 12 bytes behind them zero.
    const USBSDK_GlobalTemperParam* g = s.getPicGlobalRuleConfig();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->emissivity, 1.0f);
    EXPECT_EQ(g->distance, 1.0f);
    EXPECT_EQ(g->reflectedTemp, 25.0f);
    EXPECT_EQ(g->ambientTemp, 25.0f);
    EXPECT_EQ(g->tempUnit, 0);
    EXPECT_EQ(g->humidity, 50);
    const uint8_t zero12[12] = {};
    EXPECT_EQ(0, std::memcmp(g->reserved, zero12, 12));

    // Rules read from the file carry key 0; 0 finds nothing.
    PicRuleList* list = s.getPicRuleList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count, 2);
    EXPECT_EQ(list->records[0].key, 0u);
    EXPECT_EQ(list->records[1].key, 0u);
    EXPECT_STREQ(list->records[0].rule.name, "P1");
    EXPECT_STREQ(list->records[1].rule.name, "R1");
    EXPECT_EQ(list->records[1].rule.param, 1);
    EXPECT_EQ(s.findPicRuleById(0), nullptr);
    EXPECT_EQ(s.delPicRule(0), -1);

    // Three added, the second deleted by its key: ids 1..4 in order.
    PicRuleRecord a = makeRecord(101, PicRuleRecord::kLine, "L1");
    PicRuleRecord b = makeRecord(102, PicRuleRecord::kEllipse, "Ep1");
    PicRuleRecord c = makeRecord(103, PicRuleRecord::kPolygon, "Po1");
    ASSERT_EQ(s.addPicRule(&a), 0);
    ASSERT_EQ(s.addPicRule(&b), 0);
    ASSERT_EQ(s.addPicRule(&c), 0);
    EXPECT_EQ(a.rule.ruleId, 3);
    EXPECT_EQ(b.rule.ruleId, 4);
    EXPECT_EQ(c.rule.ruleId, 5);
    EXPECT_EQ(s.addPicRule(nullptr), -1);
    ASSERT_EQ(s.delPicRule(102), 0);
    ASSERT_EQ(s.delPicRule(4242), 0);  // no such key: nothing removed
    ASSERT_EQ(list->count, 4);
    const quint32 keys[] = {0, 0, 101, 103};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list->records[i].key, keys[i]);
        EXPECT_EQ(list->records[i].rule.ruleId, i + 1);
    }
    EXPECT_EQ(s.findPicRuleById(102), nullptr);

    // Edits through the handed-out pointers.
    PicRuleConfig* rule = s.findPicRuleById(103);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule, &list->records[3].rule);
    rule->bLocalEnable = 1;
    rule->emissivity = 0.9f;
    rule->alarmMode = 1;
    rule->alarmThreshold = 60.5f;
    USBSDK_GlobalTemperParam* edit = s.getPicGlobalRuleConfig();
    edit->emissivity = 0.95f;
    edit->distance = 3.0f;
    edit->ambientTemp = 20.0f;
    edit->humidity = 70;
    edit->alarmMode = 2;
    edit->alarmThreshold = 55.5f;
    ASSERT_EQ(s.setPicGlobalRuleConfig(), 0);
    ASSERT_EQ(s.setPicRuleConfigInfo(), 0);
    ASSERT_EQ(s.setColorType(5), 0);
    ASSERT_EQ(s.setChannel(2), 0);
    int32_t state = 1;
    ASSERT_EQ(s.getSetParamsState(&state, 1), 0);
    const int32_t iso[5] = {1, 80000, 20000, 0, 0};
    std::memcpy(s.getIsoThermParam(), iso, sizeof iso);
    ASSERT_EQ(s.setIsoThermParam(), 0);
    char note[] = "roof, north side";
    ASSERT_EQ(s.getSetText(note, sizeof note, 1), 0);
    ASSERT_EQ(s.savePicViewInfo(), 0);

    const PicRuleList savedRules = *list;
    const USBSDK_GlobalTemperParam savedGlobal = *edit;

    s.freePic();
    EXPECT_EQ(s.getPicRuleList(), nullptr);
    load(path);
    const PicRuleList* again = s.getPicRuleList();
    ASSERT_NE(again, nullptr);
    ASSERT_EQ(again->count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(again->records[i].key, 0u);
        EXPECT_EQ(0, std::memcmp(&again->records[i].rule, &savedRules.records[i].rule, sizeof(PicRuleConfig)))
            << "rule " << i;
    }
    ASSERT_NE(s.getPicGlobalRuleConfig(), nullptr);
    EXPECT_EQ(0, std::memcmp(s.getPicGlobalRuleConfig(), &savedGlobal, sizeof savedGlobal));
    int32_t v = -1;
    ASSERT_EQ(s.getColorType(&v), 0);
    EXPECT_EQ(v, 5);
    ASSERT_EQ(s.getChannel(&v), 0);
    EXPECT_EQ(v, 2);
    ASSERT_EQ(s.getSetParamsState(&v, 0), 0);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(s.getFlipDirection(), 2);
    ASSERT_EQ(s.readIsoThermParam(), 0);
    EXPECT_EQ(0, std::memcmp(s.getIsoThermParam(), iso, sizeof iso));
    char read[1025] = {};
    ASSERT_EQ(s.getSetText(read, sizeof read, 0), 0);
    EXPECT_STREQ(read, "roof, north side");
}

TEST_F(ThermalImageDataPictureTest, ParameterStateDirections)
{
    load(write(storetest::rampPicture()));
    int32_t v = 3;
    EXPECT_EQ(store().getSetParamsState(nullptr, 0), -1);
    EXPECT_EQ(store().getSetParamsState(&v, 2), -2);
    EXPECT_EQ(store().getSetParamsState(&v, -1), -2);
    ASSERT_EQ(store().getSetParamsState(&v, 1), 0);
    v = 0;
    ASSERT_EQ(store().getSetParamsState(&v, 0), 0);
    EXPECT_EQ(v, 3);
    char note[4] = "abc";
    EXPECT_EQ(store().getSetText(note, sizeof note, 2), -2);
    EXPECT_EQ(store().getSetText(nullptr, 4, 0), -1);
    EXPECT_EQ(store().getSetText(note, 0, 0), -1);
}

TEST_F(ThermalImageDataPictureTest, RuleTemperaturesNeedThePixelTemperatures)
{
    const QString path = write(storetest::rampPicture());
    ASSERT_EQ(store().readPicFile(path), 0);
    ASSERT_EQ(store().getPicHeaderInfo(), 0);
    RuleRegionParam rule = pointRule(8, 6);
    HM_RuleTemper result{};
    EXPECT_EQ(store().getRuleRegionTemper(&rule, &result), -1);
    ASSERT_EQ(store().getPixelsTemperature(), 0);
    EXPECT_EQ(store().getRuleRegionTemper(&rule, &result), 0);
    EXPECT_EQ(store().getRuleRegionTemper(nullptr, &result), -1);
    EXPECT_EQ(store().getRuleRegionTemper(&rule, nullptr), -1);
    rule.pointNum = 9;  // the library refuses more than 8 points
    EXPECT_EQ(store().getRuleRegionTemper(&rule, &result), -2);
}

// thermcore gives rule, hot/cold and colour-bar values in the picture's unit;
// the store hands out C for every unit field.
class ThermalImageDataUnitTest : public ThermalImageDataPictureTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(ThermalImageDataUnitTest, ResultsComeBackInCelsius)
{
    load(write(storetest::rampPicture(GetParam())));
    ThermalImageData& s = store();
    const std::vector<float> t = pixels();
    ASSERT_EQ(t.size(), size_t(kW * kH));

    EXPECT_NEAR(s.getMaxTemper(), 100.0f, 0.05f);
    EXPECT_NEAR(s.getMinTemper(), 0.0f, 0.05f);

    HM_RuleTemper whole{};
    ASSERT_EQ(s.getHotColdTemper(&whole), 0);
    EXPECT_NEAR(whole.maximum, s.getMaxTemper(), 1e-3f);
    EXPECT_NEAR(whole.minimum, s.getMinTemper(), 1e-3f);
    EXPECT_GT(whole.average, whole.minimum);
    EXPECT_LT(whole.average, whole.maximum);

    for (const auto& p : {std::pair<int, int>{8, 6}, {0, 0}, {31, 23}, {20, 3}}) {
        RuleRegionParam rule = pointRule(p.first, p.second);
        HM_RuleTemper r{};
        ASSERT_EQ(s.getRuleRegionTemper(&rule, &r), 0);
        const float expected = t[size_t(p.second) * kW + size_t(p.first)];
        EXPECT_NEAR(r.maximum, expected, 1e-3f) << p.first << "," << p.second;
        EXPECT_NEAR(r.average, expected, 1e-3f) << p.first << "," << p.second;
    }

    float range[2] = {};
    ASSERT_EQ(s.setPicColorBarRange(range), 0);  // automatic: the picture's range
    ASSERT_EQ(s.getPicColorBarRange(range), 0);
    EXPECT_NEAR(range[0], s.getMaxTemper(), 1e-3f);
    EXPECT_NEAR(range[1], s.getMinTemper(), 1e-3f);
    const float set[2] = {80.0f, 20.0f};
    ASSERT_EQ(s.setPicColorBarRange(set), 0);
    ASSERT_EQ(s.getPicColorBarRange(range), 0);
    EXPECT_NEAR(range[0], 80.0f, 1e-3f);
    EXPECT_NEAR(range[1], 20.0f, 1e-3f);
}

INSTANTIATE_TEST_SUITE_P(Units, ThermalImageDataUnitTest, ::testing::Values(0, 1, 2, 7),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return "unit" + std::to_string(info.param);
                         });

TEST_F(ThermalImageDataPictureTest, ThePictureSetRefusesTheSixtyFirstRule)
{
    load(write(storetest::rampPicture()));
    for (int i = 2; i < ThermalImageData::kMaxRules; ++i) {
        PicRuleRecord r = makeRecord(quint32(500 + i), PicRuleRecord::kPoint, "P");
        ASSERT_EQ(store().addPicRule(&r), 0) << i;
        EXPECT_EQ(r.rule.ruleId, i + 1);
    }
    PicRuleRecord extra = makeRecord(999, PicRuleRecord::kPoint, "X");
    EXPECT_EQ(store().addPicRule(&extra), -1);
    EXPECT_EQ(store().getPicRuleList()->count, 60);
    EXPECT_EQ(extra.rule.ruleId, 0);
    EXPECT_EQ(store().setPicRuleConfigInfo(), 0);  // 60 is what the library takes
    store().getPicRuleList()->count = 61;          // a caller's slip is not handed on
    EXPECT_EQ(store().setPicRuleConfigInfo(), -1);
}

TEST_F(ThermalImageDataPictureTest, PaletteIndexFollowsTheTemperature)
{
    load(write(storetest::rampPicture()));
    const ThermalImageData& s = store();
    const int lo = s.getPaletteIndexLow(), hi = s.getPaletteIndexHigh();
    const float mn = s.getMinTemper(), mx = s.getMaxTemper();
    ASSERT_LT(lo, hi);
    EXPECT_EQ(s.temperToPaletteIndex(mn), lo);
    EXPECT_EQ(s.temperToPaletteIndex(mn - 30.0f), lo);  // below the minimum: the low index
    EXPECT_EQ(s.temperToPaletteIndex(mx), hi);
    EXPECT_NEAR(s.temperToPaletteIndex(mn + (mx - mn) / 4), lo + (hi - lo) / 4, 1);
    // Above the maximum the index keeps growing past the high one.
    EXPECT_NEAR(s.temperToPaletteIndex(mx + (mx - mn)), lo + 2 * (hi - lo), 1);
    EXPECT_GT(s.temperToPaletteIndex(mx + 10.0f), hi);
}

TEST_F(ThermalImageDataPictureTest, AUniformPictureMapsEveryTemperatureToTheLowIndex)
{
    load(write(fixtures::RadioPictureWriter(kW, kH)));  // 25 C everywhere
    const ThermalImageData& s = store();
    ASSERT_LE(s.getMaxTemper(), s.getMinTemper());
    for (float t : {25.0f, -100.0f, 0.0f, 1000.0f}) EXPECT_EQ(s.temperToPaletteIndex(t), s.getPaletteIndexLow()) << t;
}

TEST_F(ThermalImageDataPictureTest, PaletteStripIsA256By1Bitmap)
{
    struct Case {
        int colorType, paletteLow, paletteHigh, low, high;
    };
    const Case cases[] = {
        {0, 0, 255, 0, 255}, {0, 0, 255, 100, 100}, {4, 0, 255, 0, 255}, {1, 255, 0, 30, 200}, {7, 40, 90, 0, 255},
    };
    for (const Case& c : cases) {
        const uint8_t* bmp = nullptr;
        int length = 0;
        ASSERT_EQ(store().getPaletteBmp(c.colorType, c.paletteLow, c.paletteHigh, c.low, c.high, 0, &bmp, &length), 0);
        ASSERT_EQ(length, 54 + 256 * 3);
        ASSERT_NE(bmp, nullptr);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        int32_t w, h;
        std::memcpy(&w, bmp + 18, 4);
        std::memcpy(&h, bmp + 22, 4);
        EXPECT_EQ(w, 256);
        EXPECT_EQ(h, -1);  // top-down
        // Every entry is the palette's colour of that grey level.
        uint8_t grey[256], yuv[768], bgr[768];
        for (int i = 0; i < 256; ++i) grey[i] = uint8_t(i);
        const ColorizeParam param{c.colorType,    256, uint8_t(c.paletteLow), uint8_t(c.paletteHigh), uint8_t(c.low),
                                  uint8_t(c.high)};
        ASSERT_EQ(ColorizeGray8(grey, yuv, &param), 0);
        Yuv444ToBgr(yuv, bgr, 256);
        EXPECT_EQ(0, std::memcmp(bmp + 54, bgr, sizeof bgr)) << "colour type " << c.colorType;
    }

    // Palette 0 runs from Y 0x11 to Y 0xEA; a window of one level splits at it.
    const uint8_t* bmp = nullptr;
    int length = 0;
    ASSERT_EQ(store().getPaletteBmp(0, 0, 255, 100, 100, 0, &bmp, &length), 0);
    const uint8_t* px = bmp + 54;
    EXPECT_EQ(px[0], 0x11);
    EXPECT_EQ(px[99 * 3], 0x11);
    EXPECT_EQ(px[100 * 3], 0x11);
    EXPECT_EQ(px[101 * 3], 0xEA);
    EXPECT_EQ(px[255 * 3 + 2], 0xEA);
}

TEST_F(ThermalImageDataPictureTest, PaletteStripRefusals)
{
    struct Case {
        int colorType, flag;
    };
    for (const Case& c : {Case{14, 0}, Case{19, 0}, Case{22, 0}, Case{-1, 0}, Case{0, 1}}) {
        const uint8_t* bmp = reinterpret_cast<const uint8_t*>("x");
        int length = 5;
        EXPECT_EQ(store().getPaletteBmp(c.colorType, 0, 255, 0, 255, c.flag, &bmp, &length), -1) << c.colorType;
        EXPECT_EQ(bmp, nullptr);
        EXPECT_EQ(length, 0);
    }
    int length = 0;
    EXPECT_EQ(store().getPaletteBmp(0, 0, 255, 0, 255, 0, nullptr, &length), -1);
}

TEST_F(ThermalImageDataPictureTest, SavesTheColouredPictureAsBmp)
{
    load(write(storetest::rampPicture()));
    ThermalImageData& s = store();
    const QString bmp = qpath(dir_.file("Tmp.bmp"));
    ASSERT_EQ(s.saveImageBmp(bmp, 0, 0, s.getPaletteIndexLow(), s.getPaletteIndexHigh()), 0);
    const QImage image(bmp);
    ASSERT_EQ(image.size(), QSize(kW, kH));
    // Palette 0 shows hot as white: the cold top left is darker.
    EXPECT_LT(qGray(image.pixel(0, 0)), qGray(image.pixel(kW - 1, kH - 1)));
    // The store keeps the same picture for showing, and its NV12 form.
    EXPECT_EQ(s.renderedImage().convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
    const QImage kept = s.renderedImage();
    std::vector<uint8_t> nv12;
    BgrToNv12(kept.constBits(), kW, kH, nv12);
    EXPECT_EQ(s.getDisplayNv12(), nv12);
    ASSERT_EQ(s.saveImageBmp(bmp, 0, 0, s.getPaletteIndexHigh() - 1, s.getPaletteIndexHigh()), 0);
    EXPECT_NE(s.getDisplayNv12(), nv12) << "converted again after a new rendering";

    const QString other = qpath(dir_.file("other.bmp"));
    EXPECT_EQ(s.saveImageBmp(other, 0, 1, 0, 255), 0);  // other modes: nothing
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(s.saveImageBmp(other, 14, 0, 0, 255), -3);
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(s.saveImageBmp(qpath(dir_.file("no/such/dir/x.bmp")), 0, 0, 0, 255), -6);
}

// The note field holds 1024 bytes with its NUL; texts are cut between
// characters, never inside one.
TEST_F(ThermalImageDataPictureTest, NoteTextIsBoundedOnCharacterBoundaries)
{
    load(write(storetest::rampPicture()));
    const std::string euro = "\xE2\x82\xAC";       // 3 bytes
    const std::string smile = "\xF0\x9F\x98\x80";  // 4 bytes
    auto repeat = [](const std::string& s, int n) {
        std::string r;
        for (int i = 0; i < n; ++i) r += s;
        return r;
    };
    const std::string full = repeat(euro, 341);  // 1023 bytes: the most that fits

    struct WriteCase {
        std::string text;
        int size;  // the caller's buffer
        std::string stored;
    };
    const WriteCase writes[] = {
        {full, 1025, full},
        {"a" + full, 1100, "a" + repeat(euro, 340)},  // 1024 bytes: the last character goes
        {repeat(smile, 256), 1025, repeat(smile, 255)},
        {"abcdef", 3, "abc"},  // no NUL within the buffer: its size bounds the text
        {"", 1, ""},
    };
    for (const WriteCase& c : writes) {
        std::vector<char> buffer(size_t(c.size), '\0');
        std::memcpy(buffer.data(), c.text.data(), std::min(c.text.size(), buffer.size()));
        EXPECT_EQ(store().getSetText(buffer.data(), c.size, 1), 0) << c.text.size();
        char read[1025] = {};
        ASSERT_EQ(store().getSetText(read, sizeof read, 0), 0);
        EXPECT_EQ(std::string(read), c.stored) << c.text.size();
    }

    // Reading the 1023-byte note into smaller buffers.
    std::vector<char> text(full.begin(), full.end());
    text.push_back('\0');
    ASSERT_EQ(store().getSetText(text.data(), int(text.size()), 1), 0);
    struct ReadCase {
        int size;
        size_t bytes;
    };
    for (const ReadCase& c : {ReadCase{1024, 1023}, ReadCase{1023, 1020}, ReadCase{100, 99}, ReadCase{102, 99},
                              ReadCase{103, 102}, ReadCase{3, 0}, ReadCase{1, 0}}) {
        std::vector<char> buffer(size_t(c.size) + 8, '#');
        ASSERT_EQ(store().getSetText(buffer.data(), c.size, 0), 0) << c.size;
        EXPECT_EQ(std::string(buffer.data()), full.substr(0, c.bytes)) << c.size;
        EXPECT_EQ(buffer[size_t(c.size)], '#') << "wrote past " << c.size;
    }
}

}  // namespace
