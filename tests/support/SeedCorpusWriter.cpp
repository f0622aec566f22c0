// thermcore_seed_writer <dir>
//
// Writes small, valid starting inputs for the fuzz targets: picture files into
// <dir> (picture_reader_fuzz), raw-frame inputs into <dir>/radio
// (radio_data_fuzz: i32 width, i32 height, raw frame, RedunData) and live
// inputs into <dir>/live (live_fuzz: the layout described in LiveFuzz.cpp).

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "RadioPictureWriter.h"
#include "SpotRuleBuilder.h"

namespace {

using fixtures::RadioPictureWriter;

bool makeDir(const std::string& path)
{
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

PicViewRuleConfig rule(int32_t id, int32_t meterType, int32_t shape, std::vector<ThermPoint> points, const char* name)
{
    PicViewRuleConfig r;
    std::memset(&r, 0, sizeof r);
    r.ruleId = id;
    r.meterType = meterType;
    r.param = shape;
    r.pointNum = static_cast<int32_t>(points.size());
    for (size_t i = 0; i < points.size() && i < 8; ++i) r.points[i] = points[i];
    std::strncpy(r.name, name, sizeof r.name - 1);
    r.emissivity = 1.0f;
    r.distance = 1.0f;
    r.reflectedTemp = 25.0f;
    return r;
}

// One of each rule kind, in normalised coordinates (0..8191 over the window).
void addRules(PicViewInfo& info)
{
    std::vector<PicViewRuleConfig> rules = {
        rule(1, 0, 0, {{4096, 4096}}, "P1"),
        rule(2, 1, 0, {{1000, 1000}, {7000, 6000}}, "L1"),
        rule(3, 2, 0, {{1024, 1024}, {6144, 1024}, {6144, 6144}, {1024, 6144}}, "R1"),
        rule(4, 2, 2, {{2048, 2048}, {7168, 2048}, {7168, 7168}, {2048, 7168}}, "E1"),
        rule(5, 2, 0, {{500, 7000}, {4000, 500}, {8000, 7900}}, "T1"),
        rule(255, 2, 0, {}, "ALL"),
    };
    // The triangle measures with its own parameters.
    rules[4].bLocalEnable = 1;
    rules[4].emissivity = 0.9f;
    rules[4].distance = 3.0f;
    rules[4].reflectedTemp = 30.0f;
    rules[0].show[0] = 1;
    rules[0].show[2] = 1;
    info.ruleCount = static_cast<int32_t>(rules.size());
    for (size_t i = 0; i < rules.size(); ++i) info.rules[i] = rules[i];
}

bool put(const std::string& path, const std::vector<uint8_t>& bytes)
{
    if (fixtures::writeBytes(path, bytes)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

bool putRadio(const std::string& path, const RadioPictureWriter& w)
{
    std::vector<uint8_t> bytes(8);
    const int32_t size[2] = {w.width(), w.height()};
    std::memcpy(bytes.data(), size, sizeof size);
    const std::vector<uint8_t> data = w.radioData();
    bytes.insert(bytes.end(), data.begin(), data.end());
    return put(path, bytes);
}

// ---------------------------------------------------------------- live_fuzz

enum LiveFlags : uint8_t {
    kWithBlock = 0x01,
    kSecondFrame = 0x02,
    kGainMode = 0x04,
    kHighGain = 0x08,
    kReleaseFirst = 0x10,
    kOtherWindow = 0x20,
    kEmissivityV2 = 0x40,
    kCalibration = 0x80,
};

struct LiveSeed {
    int width = 16;
    int height = 12;
    uint8_t flags = kWithBlock;
    uint8_t otherSize = 0;  // low nibble: width = 1 + 3n; high nibble: height = 1 + 3n
    RADAPI_RadioMetryOptions options{};
    RADAPI_Polygon region{};
    RADAPI_SpotRules rules{};
    size_t ruleBytes = 0;  // how much of rules the input carries
    RedunData block{};
    std::vector<uint16_t> raw;
};

std::vector<uint8_t> encodeLive(const LiveSeed& seed)
{
    const size_t ruleBytes = std::min(seed.ruleBytes, sizeof(RADAPI_SpotRules));
    std::vector<uint8_t> out = {uint8_t(seed.width), uint8_t(seed.height),      seed.flags,
                                seed.otherSize,      uint8_t(ruleBytes & 0xff), uint8_t(ruleBytes >> 8)};
    auto append = [&out](const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        out.insert(out.end(), b, b + n);
    };
    append(&seed.options, sizeof seed.options);
    append(&seed.region, sizeof seed.region);
    append(&seed.rules, ruleBytes);
    if (seed.flags & kWithBlock) append(&seed.block, sizeof seed.block);
    for (uint16_t v : seed.raw) {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    }
    return out;
}


LiveSeed liveSeed(int width, int height, int gainMode = 0)
{
    LiveSeed s;
    s.width = width;
    s.height = height;
    RadioPictureWriter w(width, height, gainMode);
    w.setTemperatures(fixtures::rampTemperatures(width, height, 10.0f, 90.0f));
    s.block = w.redunData();
    s.raw = w.rawFrame();
    s.options.relativeHumidity = 50;
    s.options.objectDistance = 2.0f;
    s.options.atmosphericTemp = 25.0f;
    s.options.reflectedTemp = 25.0f;
    s.options.emissivity = 0.95f;
    s.region.pointNum = 3;
    s.region.points[0] = {500, 7000};
    s.region.points[1] = {4000, 500};
    s.region.points[2] = {8000, 7900};
    const RADAPI_SpotRule rules[] = {
        fixtures::spotRule(1, 0, 0, {{4096, 4096}}),
        fixtures::spotRule(2, 1, 0, {{1000, 1000}, {7000, 6000}}),
        fixtures::spotRule(3, 2, 0, {{1024, 1024}, {6144, 1024}, {6144, 6144}, {1024, 6144}}),
        fixtures::spotRule(4, 2, 2, {{2048, 2048}, {7168, 2048}, {7168, 7168}, {2048, 7168}}),
        fixtures::spotRule(5, 2, 0, {{500, 7000}, {4000, 500}, {8000, 7900}}),
    };
    for (const RADAPI_SpotRule& r : rules) s.rules.rules[s.rules.count++] = r;
    // The last rule measures with its own parameters.
    s.rules.rules[4].localParamFlag = 1;
    s.rules.rules[4].emissivity = 0.9f;
    s.rules.rules[4].distance = 3.0f;
    s.rules.rules[4].reflectedTemp = 30.0f;
    s.ruleBytes = sizeof(int32_t) + size_t(s.rules.count) * sizeof(RADAPI_SpotRule);
    return s;
}

bool writeLiveSeeds(const std::string& dir)
{
    bool ok = true;
    LiveSeed plain = liveSeed(16, 12);
    ok &= put(dir + "/live_16x12.bin", encodeLive(plain));

    // A second frame of 31 x 22 after a release: the rules follow the size.
    LiveSeed resized = plain;
    resized.flags |= kSecondFrame | kReleaseFirst;
    resized.otherSize = uint8_t(10 | (7 << 4));
    ok &= put(dir + "/live_16x12_resized.bin", encodeLive(resized));

    // No camera block: the live side's own curve, low range, unit F.
    LiveSeed own = plain;
    own.flags = kGainMode | kCalibration | kOtherWindow;
    own.otherSize = uint8_t(5 | (3 << 4));
    own.options.tempUnit = 1;
    own.options.atmosphericTemp = 77.0f;
    for (size_t i = 0; i < own.raw.size(); ++i) own.raw[i] = uint16_t(6144 + int(i % 97) * 9 - 300);
    ok &= put(dir + "/live_16x12_own_curve.bin", encodeLive(own));

    // Thirty-one rules, the first an area of nine points.
    LiveSeed crowded = plain;
    for (int i = 0; i < RADAPI_MAX_RULES; ++i) crowded.rules.rules[i] = plain.rules.rules[i % 5];
    crowded.rules.count = RADAPI_MAX_RULES + 1;
    crowded.rules.rules[2].geom.area.pointNumber = 9;
    crowded.ruleBytes = sizeof(RADAPI_SpotRules);
    ok &= put(dir + "/live_16x12_crowded.bin", encodeLive(crowded));

    // Raw values that already are temperatures x 10.
    LiveSeed tempData = liveSeed(8, 6);
    tempData.block.tempDataFlag = 1;
    for (size_t i = 0; i < tempData.raw.size(); ++i) tempData.raw[i] = uint16_t(int16_t(-50 + int(i) * 7));
    ok &= put(dir + "/live_8x6_tempdata.bin", encodeLive(tempData));

    // High range with emissivity model V2 and a whole-frame region.
    LiveSeed high = liveSeed(32, 24, 1);
    high.flags |= kEmissivityV2;
    high.options.emissivity = 0.85f;
    high.region.pointNum = 4;
    high.region.points[0] = {0, 0};
    high.region.points[1] = {8191, 0};
    high.region.points[2] = {8191, 8191};
    high.region.points[3] = {0, 8191};
    ok &= put(dir + "/live_32x24_high.bin", encodeLive(high));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <dir>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::string radioDir = dir + "/radio";
    const std::string liveDir = dir + "/live";
    if (!makeDir(dir) || !makeDir(radioDir) || !makeDir(liveDir)) {
        std::fprintf(stderr, "cannot create %s and %s: %s\n", radioDir.c_str(), liveDir.c_str(), std::strerror(errno));
        return 1;
    }

    bool ok = true;
    {
        RadioPictureWriter w(8, 6);
        w.setTemperatures(fixtures::rampTemperatures(8, 6, 20.0f, 40.0f));
        ok &= put(dir + "/pic_8x6.png", w.build());
        ok &= putRadio(radioDir + "/radio_8x6.bin", w);
    }
    {
        RadioPictureWriter w(16, 12);
        w.setTemperatures(fixtures::rampTemperatures(16, 12, -10.0f, 120.0f));
        ok &= put(dir + "/pic_16x12.png", w.build());
        ok &= putRadio(radioDir + "/radio_16x12.bin", w);

        w.setRedunVersion(0);
        ok &= put(dir + "/pic_16x12_earlier.png", w.build());
        w.setRedunVersion(1);

        w.setYuvFormat(1);
        ok &= put(dir + "/pic_16x12_yuv420.png", w.build());
        w.setYuvFormat(0);

        RadioPictureWriter withRules = w;
        addRules(withRules.picViewInfo());
        withRules.picViewInfo().tempUnit = 1;
        ok &= put(dir + "/pic_16x12_rules.png", withRules.build());

        RadioPictureWriter withNote = w;
        PicViewInfo& info = withNote.picViewInfo();
        std::strncpy(info.text, "Pump housing, left bearing", sizeof info.text - 1);
        std::strncpy(info.extendText, "line 3", sizeof info.extendText - 1);
        info.extendValue = 7;
        info.manage0 = 1;
        info.manage1 = 2;
        ok &= put(dir + "/pic_16x12_note.png", withNote.build());
    }
    {
        RadioPictureWriter w(32, 24, 1);
        w.setTemperatures(fixtures::rampTemperatures(32, 24, 100.0f, 500.0f));
        ok &= put(dir + "/pic_32x24_high.png", w.build());
        ok &= putRadio(radioDir + "/radio_32x24_high.bin", w);
    }
    {
        // Raw values that already are temperatures x 10.
        RadioPictureWriter w(8, 6);
        w.redunData().tempDataFlag = 1;
        w.setTemperatures(fixtures::rampTemperatures(8, 6, -5.0f, 60.0f));
        ok &= put(dir + "/pic_8x6_tempdata.png", w.build());
        ok &= putRadio(radioDir + "/radio_8x6_tempdata.bin", w);
    }
    {
        // TEC drift and emissivity model V2 at a non-default emissivity.
        RadioPictureWriter w(16, 12);
        RedunData& b = w.redunData();
        b.tec.enable = 1;
        b.tec.tempCur = 33.0f;
        b.tec.self_com = 2.0f;
        b.tec.offset[0] = 1.05f;
        b.tec.offset[2] = 0.97f;
        b.emissModelV2 = 1;
        b.emissivity = 0.85f;
        b.distance = 5.0f;
        w.picViewInfo().emissivity = 0.85f;
        w.setTemperatures(fixtures::rampTemperatures(16, 12, 10.0f, 90.0f));
        ok &= putRadio(radioDir + "/radio_16x12_tec_v2.bin", w);
    }
    ok &= writeLiveSeeds(liveDir);
    return ok ? 0 : 1;
}
