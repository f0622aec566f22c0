// Temperature calibration: the second calibration (boxes, blackbodies, a run
// on the simulator clock, results of three gear groups) and the full
// blackbody calibration (collect, calibrate, verify, its configuration and
// gear tables), with the export and import of the calibration file.
//
// One block per device under the layer's state mutex. Results and
// configurations are saved at once (the full calibration's into the saved
// set by its save command); boxes, blackbodies, pod mode, collect mode,
// calibration time and procedure progress belong to the session (we notice
// a new session by its number). The layer tells us when it makes a device
// afresh (forgetCalibration).
//
// Timed procedures are worked out from their start time whenever someone
// looks, so they follow the simulator clock in both clock modes.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "ApiCall.h"

namespace camsdk {
namespace {

constexpr int kGroups = 3;  // 0 low gear 1, 1 high, 2 low gear 2
constexpr int kNotCalibrated = 2;
constexpr char kMagic[16] = "CALIDRA-SIMCAL";
constexpr uint32_t kFileVersion = 1;
constexpr size_t kFileSize = 16 + 4 + 32 + sizeof(USBSDK_FullCalibrationCollectConfig) +
                             sizeof(USBSDK_FullCalibrationCollectTable) + sizeof(USBSDK_TemperatureCalibraResult) + 4;
static_assert(kFileSize == 2752, "calibration file layout");

enum Step { kCollect, kCalibrate, kVerifyLow, kVerifyHigh, kVerifyAll, kSteps };
enum StepState : uint8_t { kIdle = 0, kRunning = 1, kDone = 2, kFailed = 3 };

struct Calibration {
    // saved
    USBSDK_TemperatureCalibraResult result{};
    USBSDK_FullCalibrationCollectConfig savedConfig{};
    USBSDK_FullCalibrationCollectTable savedTable{};

    // current full calibration records (session copy of the saved ones)
    USBSDK_FullCalibrationCollectConfig config{};
    USBSDK_FullCalibrationCollectTable table{};

    // session
    uint64_t sessionNumber = 0;  // Session::number the block belongs to
    int64_t sessionStartUs = 0;
    bool boxes = false;
    USBSDK_Rules boxRules{};
    bool bbSet = false;
    int bbLow = 40, bbHigh = 110;
    bool running = false;
    int64_t runStartUs = 0;
    int progress = 0;
    unsigned podEnable = 0;
    unsigned collectMode = 0;
    unsigned calMinutes = 30;
    bool fullRects = false;
    USBSDK_Rules fullRules{};
    std::array<int64_t, kSteps> stepEndUs{};
    int collectGear = 0;  // 0 GearLow1, 1 GearLow2, 2 GearHigh
    int collectLow = 40, collectHigh = 110;
};

// The factory state: no group calibrated, the factory configuration.
Calibration factoryCalibration();

std::array<Calibration, SimOptions::kMaxDevices> gState = [] {
    std::array<Calibration, SimOptions::kMaxDevices> all;
    all.fill(factoryCalibration());
    return all;
}();

USBSDK_FullCalibrationCavityBlock factoryCavity()
{
    USBSDK_FullCalibrationCavityBlock b{};
    const int32_t temps[4] = {25000, 20000, 45000, 0};
    for (int i = 0; i < 4; ++i) {
        b.pair[i][0] = temps[i];
        b.pair[i][1] = 1000;
    }
    return b;
}

USBSDK_FullCalibrationCoefBlock factoryCoef()
{
    return USBSDK_FullCalibrationCoefBlock{{25000, 20000, 45000}, {1000, 1000, 1000}, {0, 0, 0}, {1000, 1000, 1000}};
}

USBSDK_FullCalibrationCollectConfig factoryConfig()
{
    USBSDK_FullCalibrationCollectConfig c{};
    c.cavityGearLow1High = c.cavityGearLow2 = factoryCavity();
    c.lowSmoothGearLow1High = c.highSmoothGearLow1High = 0.5f;
    c.lowSmoothGearLow2 = c.highSmoothGearLow2 = 0.5f;
    c.histEnableGearLow1High = c.histEnableGearLow2 = 1;
    c.coefGearLow1 = c.coefGearLow2 = c.coefGearHigh = factoryCoef();
    return c;
}

uint8_t* stepState(USBSDK_FullCalibrationCollectConfig& c, int step)
{
    switch (step) {
        case kCollect:
            return &c.collectState;
        case kCalibrate:
            return &c.calibrateState;
        case kVerifyLow:
            return &c.verifyLowState;
        case kVerifyHigh:
            return &c.verifyHighState;
        default:
            return &c.verifyComprehensiveState;
    }
}

// Gear group of the current gain and gear: 0 low gear 1, 1 high, 2 low gear 2.
int groupOf(SimDevice& d)
{
    if (d.working().gainMode != 0) return 1;
    return d.working().gear == 1 ? 2 : 0;
}

void defaultBlackbodies(SimDevice& d, int* low, int* high)
{
    const bool hot = d.working().gainMode != 0;
    *low = hot ? 300 : 40;
    *high = hot ? 550 : 110;
}

void blackbodies(const Calibration& c, SimDevice& d, int* low, int* high)
{
    if (c.bbSet) {
        *low = c.bbLow;
        *high = c.bbHigh;
    } else {
        defaultBlackbodies(d, low, high);
    }
}

USBSDK_FullCalibrationGearTable collectedTable(int low, int high)
{
    USBSDK_FullCalibrationGearTable g{};
    g.baseTempFactor = 1.0f;
    const int t[2] = {low, high};
    for (int i = 0; i < 20; ++i) {
        for (int k = 0; k < 2; ++k) {
            g.maxVal[i][k] = 10 * t[k] + 3 + i % 3;
            g.minVal[i][k] = 10 * t[k] - 3 - i % 2;
            g.maxDiff[i][k] = 6 + i % 3;
            g.minDiff[i][k] = 1;
            g.state[i][k] = 1;
        }
    }
    g.targetLow = float(low);
    g.targetHigh = float(high);
    g.maxDiffLow = g.maxDiffHigh = 8;
    g.maxFluctLow = g.maxFluctHigh = 3;
    return g;
}

USBSDK_FullCalibrationGearTable& gearTable(USBSDK_FullCalibrationCollectTable& t, int gear)
{
    return gear == 0 ? t.gearLow1 : gear == 1 ? t.gearLow2 : t.gearHigh;
}

void resetResult(USBSDK_TemperatureCalibraResult& r)
{
    r = USBSDK_TemperatureCalibraResult{};
    r.lowResult = r.highResult = r.low2Result = kNotCalibrated;
}

Calibration factoryCalibration()
{
    Calibration c;
    resetResult(c.result);
    c.savedConfig = factoryConfig();
    return c;
}

int secondProgress(const Calibration& c, const SimDevice& d, int64_t nowUs)
{
    if (!c.running) return c.progress;
    const double ms = d.knobs().secondCalMs;
    int p = ms <= 0 ? 100 : int(std::min<double>(100.0, double(nowUs - c.runStartUs) / 1000.0 * 100.0 / ms));
    const double stall = d.knobs().secondCalStallAt;
    if (stall >= 0) p = std::min(p, int(stall));
    return p;
}

int32_t& groupResult(USBSDK_TemperatureCalibraResult& r, int group)
{
    return group == 0 ? r.lowResult : group == 1 ? r.highResult : r.low2Result;
}

char* groupTime(USBSDK_TemperatureCalibraResult& r, int group)
{
    return group == 0 ? r.lowTime : group == 1 ? r.highTime : r.low2Time;
}

// Brings the running procedures up to time nowUs.
void advance(Calibration& c, SimDevice& d, int64_t nowUs)
{
    if (c.running) {
        c.progress = secondProgress(c, d, nowUs);
        if (c.progress >= 100) {
            c.running = false;
            groupResult(c.result, groupOf(d)) = int32_t(d.knobs().secondCalResult);
        }
    }
    for (int step = 0; step < kSteps; ++step) {
        uint8_t* state = stepState(c.config, step);
        if (*state != kRunning || nowUs < c.stepEndUs[size_t(step)]) continue;
        const bool fails = (step == kCollect || step == kCalibrate) && d.knobs().fullCalOk == 0;
        *state = fails ? kFailed : kDone;
        if (step == kCollect && !fails) gearTable(c.table, c.collectGear) = collectedTable(c.collectLow, c.collectHigh);
    }
}

// The device's block, brought up to date with recreation, the session and
// the simulator time.
Calibration& stateOf(SimDevice& d, const Session& session, int64_t nowUs)
{
    Calibration& c = gState[size_t(d.index())];
    if (c.sessionNumber != session.number) {
        const Calibration keep = c;
        c = Calibration();
        c.result = keep.result;
        c.savedConfig = keep.savedConfig;
        c.savedTable = keep.savedTable;
        c.sessionNumber = session.number;
        c.sessionStartUs = session.startUs;
        c.config = c.savedConfig;
        c.table = c.savedTable;
        for (int step = 0; step < kSteps; ++step) {
            uint8_t* state = stepState(c.config, step);
            if (*state == kRunning) *state = kIdle;  // a procedure does not outlive its session
        }
    }
    advance(c, d, nowUs);
    return c;
}

}  // namespace

void forgetCalibration(SimDevice& d)
{
    gState[size_t(d.index())] = factoryCalibration();
}

int calibrationProgress(SimDevice& d, const Session* session, int64_t nowUs)
{
    if (!session) return gState[size_t(d.index())].progress;  // as it was last
    return stateOf(d, *session, nowUs).progress;
}

namespace {

// The equilibrium state as the balance check reports it: forced by the
// knob, else warmed up warmupMs after the session began.
int balanced(const Calibration& c, const SimDevice& d, int64_t nowUs)
{
    const double forced = d.knobs().balanced;
    if (forced >= 0) return forced != 0 ? 1 : 0;
    return nowUs - c.sessionStartUs >= int64_t(d.knobs().warmupMs * 1000.0) ? 1 : 0;
}

int64_t now(ApiCall& call)
{
    return call.layer().clock().nowUs();
}

// Local wall time of the simulator now: the epoch plus the simulator time on
// the manual clock, the wall clock on the real one.
std::tm localNow(CamLayer& l)
{
    const std::time_t t =
        l.clock().manual() ? std::time_t(l.epoch() + l.clock().nowUs() / 1000000) : std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

// Two area rules, as both procedures take their boxes.
bool twoAreas(const USBSDK_Rules& rules)
{
    return rules.count == 2 && rules.rule[0].type == 2 && rules.rule[1].type == 2;
}

bool anyStepRunning(const Calibration& c)
{
    USBSDK_FullCalibrationCollectConfig cfg = c.config;
    for (int step = 0; step < kSteps; ++step)
        if (*stepState(cfg, step) == kRunning) return true;
    return false;
}

// Starts a full-calibration step lasting lengthUs.
int startStep(Calibration& c, int step, int64_t nowUs, int64_t lengthUs)
{
    if (anyStepRunning(c)) return int(USBSDK_ERR_BUSY);
    *stepState(c.config, step) = kRunning;
    c.stepEndUs[size_t(step)] = nowUs + lengthUs;
    return 0;
}

uint32_t crc32(const unsigned char* p, size_t n)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put(std::vector<unsigned char>& out, const void* p, size_t n)
{
    const auto* b = static_cast<const unsigned char*>(p);
    out.insert(out.end(), b, b + n);
}

void putU32(std::vector<unsigned char>& out, uint32_t v)
{
    const unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    put(out, b, 4);
}

uint32_t getU32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::vector<unsigned char> calibrationFile(const Calibration& c, const Session& s)
{
    std::vector<unsigned char> out;
    put(out, kMagic, sizeof kMagic);
    putU32(out, kFileVersion);
    char serial[32] = {};
    std::memcpy(serial, s.identity.serial, sizeof serial);
    put(out, serial, sizeof serial);
    put(out, &c.config, sizeof c.config);
    put(out, &c.table, sizeof c.table);
    put(out, &c.result, sizeof c.result);
    putU32(out, crc32(out.data(), out.size()));
    return out;
}

// The three records of a calibration file, or FILE_VERIFY.
int readCalibrationFile(const std::vector<unsigned char>& in, USBSDK_FullCalibrationCollectConfig* config,
                        USBSDK_FullCalibrationCollectTable* table, USBSDK_TemperatureCalibraResult* result)
{
    if (in.size() != kFileSize || std::memcmp(in.data(), kMagic, sizeof kMagic) != 0 ||
        getU32(in.data() + 16) != kFileVersion || getU32(in.data() + kFileSize - 4) != crc32(in.data(), kFileSize - 4))
        return int(USBSDK_ERR_FILE_VERIFY);
    size_t at = 16 + 4 + 32;
    std::memcpy(config, in.data() + at, sizeof *config);
    at += sizeof *config;
    std::memcpy(table, in.data() + at, sizeof *table);
    at += sizeof *table;
    std::memcpy(result, in.data() + at, sizeof *result);
    return 0;
}

}  // namespace
}  // namespace camsdk

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::Calibration;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;

extern "C" {

// -------------------------------------------------------- second calibration

CAMSDK_API int USBSDK_TemperatureCalibrationInit(void)
{
    ApiCall call("USBSDK_TemperatureCalibrationInit", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.running = false;
        c.progress = 0;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetTemperatureCalibrationBalancedState(int* state)
{
    ApiCall call("USBSDK_GetTemperatureCalibrationBalancedState", ArgText::of("state", state));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!state) return int(USBSDK_ERR_INVALID_ARG);
        const int64_t t = camsdk::now(call);
        const int v = camsdk::balanced(camsdk::stateOf(d, s, t), d, t);
        *state = v;
        call.setOutputs(ArgText::of("state", v));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetTemperatureCalibrationRECT(USBSDK_Rules* out)
{
    ApiCall call("USBSDK_SetTemperatureCalibrationRECT", ArgText::of("out", out));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!out) return int(USBSDK_ERR_INVALID_ARG);
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        int low = 0, high = 0;
        camsdk::blackbodies(c, d, &low, &high);
        USBSDK_Rules r{};
        r.count = 2;
        const int left[2] = {1024, 5120};
        const int temps[2] = {low, high};
        for (int i = 0; i < 2; ++i) {
            USBSDK_Rule& rule = r.rule[i];
            rule.ruleId = uint32_t(i + 1);
            rule.type = 2;
            rule.areaShape = 1;
            rule.geom.area.pointCount = 4;
            const int x0 = left[i], x1 = left[i] + 2048;
            const int xy[4][2] = {{x0, 3072}, {x1, 3072}, {x0, 5120}, {x1, 5120}};
            std::memcpy(rule.geom.area.xy, xy, sizeof xy);
            std::snprintf(rule.name, sizeof rule.name, "%d", temps[i]);
        }
        c.boxRules = r;
        c.boxes = true;
        // Calibration boxes measure at distance 0; the page re-reads the
        // common parameters afterwards.
        d.working().temperParams.distance = d.saved().temperParams.distance = 0.0f;
        *out = r;
        call.setOutputs(ArgText::of("out", r));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetSaveTemperatureCalibrationRECT(USBSDK_Rules rules)
{
    ApiCall call("USBSDK_SetSaveTemperatureCalibrationRECT", ArgText::of("rules", rules));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!camsdk::twoAreas(rules)) return int(USBSDK_ERR_INVALID_ARG);
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.boxRules = rules;
        c.boxes = true;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetTemperatureCalibrationBlackBodyTemp(USBSDK_BlackBodyTemp bb)
{
    ApiCall call("USBSDK_SetTemperatureCalibrationBlackBodyTemp", ArgText::of("bb", bb));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (bb.lowTemp < -1000 || bb.highTemp > 1000 || bb.highTemp <= bb.lowTemp) return int(USBSDK_ERR_INVALID_ARG);
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.bbSet = true;
        c.bbLow = bb.lowTemp;
        c.bbHigh = bb.highTemp;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetAutoTemperatureCalibration(int state)
{
    ApiCall call("USBSDK_SetAutoTemperatureCalibration", ArgText::of("state", state));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (state != 0 && state != 1) return int(USBSDK_ERR_INVALID_ARG);
        const int64_t t = camsdk::now(call);
        Calibration& c = camsdk::stateOf(d, s, t);
        if (state == 0) {
            c.running = false;
            return 0;
        }
        if (!c.boxes || !camsdk::balanced(c, d, t)) return int(USBSDK_ERR_BAD_STATE);
        if (c.running) return int(USBSDK_ERR_BUSY);
        c.running = true;
        c.runStartUs = t;
        c.progress = 0;
        camsdk::advance(c, d, t);  // a zero-length run ends at once
        return 0;
    });
}

CAMSDK_API int USBSDK_GetAutoTemperatureCalibrationProgress(int* progress)
{
    ApiCall call("USBSDK_GetAutoTemperatureCalibrationProgress", ArgText::of("progress", progress));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!progress) return int(USBSDK_ERR_INVALID_ARG);
        const int p = camsdk::stateOf(d, s, camsdk::now(call)).progress;
        *progress = p;
        call.setOutputs(ArgText::of("progress", p));
        return 0;
    });
}

CAMSDK_API int USBSDK_GetTemperatureCalibrationResult(USBSDK_TemperatureCalibraResult* r)
{
    ApiCall call("USBSDK_GetTemperatureCalibrationResult", ArgText::of("r", r));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!r) return int(USBSDK_ERR_INVALID_ARG);
        const USBSDK_TemperatureCalibraResult& res = camsdk::stateOf(d, s, camsdk::now(call)).result;
        *r = res;
        call.setOutputs(ArgText::of("low", res.lowResult, "high", res.highResult, "low2", res.low2Result));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetTemperatureCalibrationTime(void)
{
    ApiCall call("USBSDK_SetTemperatureCalibrationTime", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        const std::tm tm = camsdk::localNow(call.layer());
        char* text = camsdk::groupTime(c.result, camsdk::groupOf(d));
        std::memset(text, 0, 32);
        std::strftime(text, 32, "%Y-%m-%d %H:%M:%S", &tm);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetTemperatureCalibrationDefault(void)
{
    ApiCall call("USBSDK_SetTemperatureCalibrationDefault", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        camsdk::resetResult(camsdk::stateOf(d, s, camsdk::now(call)).result);
        return 0;
    });
}

// ---------------------------------------------------------- full calibration

CAMSDK_API int USBSDK_SetFullCalibrationPodEnable(unsigned int on)
{
    ApiCall call("USBSDK_SetFullCalibrationPodEnable", ArgText::of("on", on));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (on > 1) return int(USBSDK_ERR_INVALID_ARG);
        camsdk::stateOf(d, s, camsdk::now(call)).podEnable = on;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetFullCalibrationPodEnable(unsigned int* on)
{
    ApiCall call("USBSDK_GetFullCalibrationPodEnable", ArgText::of("on", on));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!on) return int(USBSDK_ERR_INVALID_ARG);
        const unsigned v = camsdk::stateOf(d, s, camsdk::now(call)).podEnable;
        *on = v;
        call.setOutputs(ArgText::of("on", v));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationCollectMode(unsigned int mode)
{
    ApiCall call("USBSDK_SetFullCalibrationCollectMode", ArgText::of("mode", mode));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (mode > 1) return int(USBSDK_ERR_INVALID_ARG);
        camsdk::stateOf(d, s, camsdk::now(call)).collectMode = mode;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationCalTime(unsigned int minutes)
{
    ApiCall call("USBSDK_SetFullCalibrationCalTime", ArgText::of("minutes", minutes));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (minutes < 15 || minutes > 60) return int(USBSDK_ERR_INVALID_ARG);
        camsdk::stateOf(d, s, camsdk::now(call)).calMinutes = minutes;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationRECT(USBSDK_Rules rules)
{
    ApiCall call("USBSDK_SetFullCalibrationRECT", ArgText::of("rules", rules));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!camsdk::twoAreas(rules)) return int(USBSDK_ERR_INVALID_ARG);
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.fullRules = rules;
        c.fullRects = true;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationCollect(void)
{
    ApiCall call("USBSDK_SetFullCalibrationCollect", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        const int64_t t = camsdk::now(call);
        Calibration& c = camsdk::stateOf(d, s, t);
        if (!c.fullRects) return int(USBSDK_ERR_BAD_STATE);
        const int64_t lengthUs = int64_t(double(c.calMinutes) * d.knobs().fullCalSecondsPerMinute * 1e6);
        if (const int e = camsdk::startStep(c, camsdk::kCollect, t, lengthUs)) return e;
        const int group = camsdk::groupOf(d);
        c.collectGear = group == 1 ? 2 : group == 2 ? 1 : 0;
        camsdk::blackbodies(c, d, &c.collectLow, &c.collectHigh);
        camsdk::advance(c, d, t);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationCalibrate(void)
{
    ApiCall call("USBSDK_SetFullCalibrationCalibrate", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        const int64_t t = camsdk::now(call);
        Calibration& c = camsdk::stateOf(d, s, t);
        if (camsdk::anyStepRunning(c)) return int(USBSDK_ERR_BUSY);
        if (c.config.collectState != camsdk::kDone) return int(USBSDK_ERR_BAD_STATE);
        camsdk::startStep(c, camsdk::kCalibrate, t, int64_t(d.knobs().fullCalStepMs * 1000.0));
        camsdk::advance(c, d, t);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationSingleGearVerify(void)
{
    ApiCall call("USBSDK_SetFullCalibrationSingleGearVerify", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        const int64_t t = camsdk::now(call);
        Calibration& c = camsdk::stateOf(d, s, t);
        if (camsdk::anyStepRunning(c)) return int(USBSDK_ERR_BUSY);
        if (c.config.calibrateState != camsdk::kDone) return int(USBSDK_ERR_BAD_STATE);
        const int step = d.working().gainMode != 0 ? camsdk::kVerifyHigh : camsdk::kVerifyLow;
        camsdk::startStep(c, step, t, int64_t(d.knobs().fullCalStepMs * 1000.0));
        camsdk::advance(c, d, t);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationComprehensiveVerify(void)
{
    ApiCall call("USBSDK_SetFullCalibrationComprehensiveVerify", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        const int64_t t = camsdk::now(call);
        Calibration& c = camsdk::stateOf(d, s, t);
        if (camsdk::anyStepRunning(c)) return int(USBSDK_ERR_BUSY);
        if (c.config.calibrateState != camsdk::kDone) return int(USBSDK_ERR_BAD_STATE);
        camsdk::startStep(c, camsdk::kVerifyAll, t, int64_t(d.knobs().fullCalStepMs * 1000.0));
        camsdk::advance(c, d, t);
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationDefault(void)
{
    ApiCall call("USBSDK_SetFullCalibrationDefault", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.config = camsdk::factoryConfig();
        c.table = USBSDK_FullCalibrationCollectTable{};
        return 0;
    });
}

CAMSDK_API int USBSDK_SetFullCalibrationSaveConfig(void)
{
    ApiCall call("USBSDK_SetFullCalibrationSaveConfig", std::string());
    return call.deviceAfterWait(&SimDevice::Knobs::saveMs, [&](CamLayer::Lock&, SimDevice& d, Session& s) {
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.savedConfig = c.config;
        c.savedTable = c.table;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetFullCalibrationCollectConfig(USBSDK_FullCalibrationCollectConfig* out)
{
    ApiCall call("USBSDK_GetFullCalibrationCollectConfig", ArgText::of("c", out));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!out) return int(USBSDK_ERR_INVALID_ARG);
        const USBSDK_FullCalibrationCollectConfig& cfg = camsdk::stateOf(d, s, camsdk::now(call)).config;
        *out = cfg;
        call.setOutputs(ArgText::of("collect", int(cfg.collectState), "calibrate", int(cfg.calibrateState), "low",
                                    int(cfg.verifyLowState), "high", int(cfg.verifyHighState), "all",
                                    int(cfg.verifyComprehensiveState)));
        return 0;
    });
}

CAMSDK_API int USBSDK_GetFullCalibrationCollectTable(USBSDK_FullCalibrationCollectTable* out)
{
    ApiCall call("USBSDK_GetFullCalibrationCollectTable", ArgText::of("t", out));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!out) return int(USBSDK_ERR_INVALID_ARG);
        *out = camsdk::stateOf(d, s, camsdk::now(call)).table;
        return 0;
    });
}

// ------------------------------------------------- calibration export/import

CAMSDK_API int USBSDK_GetTemperatureCalibrationConfig(const char* folder)
{
    ApiCall call("USBSDK_GetTemperatureCalibrationConfig", ArgText::of("folder", folder));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!folder || !*folder) return int(USBSDK_ERR_INVALID_ARG);
        const Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        const std::vector<unsigned char> bytes = camsdk::calibrationFile(c, s);
        const std::tm tm = camsdk::localNow(call.layer());
        char stamp[32] = {};
        std::strftime(stamp, sizeof stamp, "%Y%m%d_%H%M%S", &tm);
        char serial[33] = {};
        std::memcpy(serial, s.identity.serial, 32);
        const std::string path = std::string(folder) + "/calib_" + serial + "_" + stamp + ".data";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return int(USBSDK_ERR_IO);
        const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        const bool closed = std::fclose(f) == 0;
        if (!ok || !closed) {
            std::remove(path.c_str());
            return int(USBSDK_ERR_IO);
        }
        call.setOutputs(ArgText::of("file", path.c_str()));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetTemperatureCalibrationConfig(const char* file)
{
    ApiCall call("USBSDK_SetTemperatureCalibrationConfig", ArgText::of("file", file));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!file || !*file) return int(USBSDK_ERR_INVALID_ARG);
        std::FILE* f = std::fopen(file, "rb");
        if (!f) return int(USBSDK_ERR_IO);
        std::vector<unsigned char> bytes;
        unsigned char buf[4096];
        size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 && bytes.size() <= camsdk::kFileSize)
            bytes.insert(bytes.end(), buf, buf + n);
        const bool failed = std::ferror(f) != 0;
        std::fclose(f);
        if (failed) return int(USBSDK_ERR_IO);
        USBSDK_FullCalibrationCollectConfig config{};
        USBSDK_FullCalibrationCollectTable table{};
        USBSDK_TemperatureCalibraResult result{};
        if (const int e = camsdk::readCalibrationFile(bytes, &config, &table, &result)) return e;
        for (int step = 0; step < camsdk::kSteps; ++step) {
            uint8_t* state = camsdk::stepState(config, step);
            if (*state == camsdk::kRunning) *state = camsdk::kIdle;  // no procedure comes with a file
        }
        Calibration& c = camsdk::stateOf(d, s, camsdk::now(call));
        c.config = c.savedConfig = config;
        c.table = c.savedTable = table;
        c.result = result;
        return 0;
    });
}

}  // extern "C"
