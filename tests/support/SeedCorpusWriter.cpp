// thermcore_seed_writer <dir>
//
// Writes small, valid starting inputs for the fuzz targets: picture files into
// <dir> (picture_reader_fuzz) and raw-frame inputs into <dir>/radio
// (radio_data_fuzz: i32 width, i32 height, raw frame, RedunData).

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "RadioPictureWriter.h"

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

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <dir>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::string radioDir = dir + "/radio";
    if (!makeDir(dir) || !makeDir(radioDir)) {
        std::fprintf(stderr, "cannot create %s: %s\n", radioDir.c_str(), std::strerror(errno));
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
    return ok ? 0 : 1;
}
