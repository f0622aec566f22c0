// Fuzzes the picture file reader and everything that works on a loaded
// picture. The reader takes a path, so each input is written to one
// temporary file per process and read back from there.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "thermcore.h"

namespace {

constexpr int64_t kMaxPixels = int64_t(1) << 20;

char gPath[] = "/tmp/thermcore_picture_fuzz_XXXXXX";
int gFd = -1;

void removeTempFile()
{
    if (gFd >= 0) {
        close(gFd);
        unlink(gPath);
    }
}

bool writeInput(const uint8_t* data, size_t size)
{
    if (ftruncate(gFd, 0) != 0) return false;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(gFd, data + done, size - done, static_cast<off_t>(done));
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

PicViewRuleConfig toStoredRule(const PicRuleConfig& r)
{
    PicViewRuleConfig s;
    std::memset(&s, 0, sizeof s);
    s.ruleId = r.ruleId;
    s.meterType = r.meterType;
    s.param = r.param;
    s.pointNum = r.pointNum;
    std::memcpy(s.points, r.points, sizeof s.points);
    std::memcpy(s.name, r.name, sizeof s.name);
    s.bLocalEnable = r.bLocalEnable;
    s.emissivity = r.emissivity;
    s.distance = r.distance;
    s.reflectedTemp = r.reflectedTemp;
    s.alarmThreshold = r.alarmThreshold;
    s.alarmMode = r.alarmMode;
    return s;
}

void exerciseLoadedPicture()
{
    ThermalGraphHeader header;
    std::memset(&header, 0, sizeof header);
    if (HM_getAxThrmGraphHeaderInfo(&header) != 0) return;
    const int64_t pixels = int64_t(header.width) * int64_t(header.height);
    if (header.width <= 0 || header.height <= 0 || pixels > kMaxPixels) return;

    std::vector<float> temps(static_cast<size_t>(pixels));
    HM_getAxPixelsTemperature(0, temps.data());

    static PicRuleConfigInfo rules;
    std::memset(&rules, 0, sizeof rules);
    if (HM_getPicRuleConfigInfo(&rules) == 0) {
        const int count = rules.count < 0                         ? 0
                          : rules.count > THERMCORE_MAX_PIC_RULES ? THERMCORE_MAX_PIC_RULES
                                                                  : rules.count;
        for (int i = 0; i < count; ++i) {
            const PicViewRuleConfig stored = toStoredRule(rules.rules[i]);
            HM_RuleTemper result;
            std::memset(&result, 0, sizeof result);
            PICRADAPP_getRuleTemperature(&stored, &result);
        }
    }

    HM_RuleTemper hotCold;
    std::memset(&hotCold, 0, sizeof hotCold);
    PIC_GetHotColdTemperature(&hotCold);

    // Both 0: the range is taken from the picture.
    const float automatic[2] = {0.0f, 0.0f};
    setPicColorBarRange(automatic);
    float range[2] = {0.0f, 0.0f};
    getPicColorBarRange(range);

    char text[1024];
    HM_getText(text);

    HM_saveAXPicViewInfo();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    gFd = mkstemp(gPath);
    if (gFd < 0) {
        std::perror("mkstemp");
        std::abort();
    }
    std::atexit(removeTempFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!writeInput(data, size)) std::abort();
    const int rc = HM_readAXPicViewFile(gPath);
    (void)rc;  // a refused channel mode still loads the picture: look either way
    exerciseLoadedPicture();
    HM_freeAXPicViewInfo();
    return 0;
}
