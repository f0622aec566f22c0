// Thermal equilibrium, NUC, shutterless correction (SFFC), temperature drift
// (DeltaB), bad pixels and the checks of the NUC dialog.
//
// Plain switches (SFFC enable, drift switch and threshold) are settings rows
// of SimDevice. The rest lives here, one block per device, under the layer's
// state mutex: saved records and lists survive the session; everything
// marked "session" starts again at every open (we notice a new session by
// its number) and everything goes back to the factory when the layer makes
// the device afresh.
//
// Timed procedures (drift collection and check) are worked out from their
// start time whenever someone looks, so they follow the simulator clock in
// both clock modes without a timer of their own.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "ApiCall.h"
#include "SettingCalls.h"
#include "FamilyState.h"
#include "SceneRecord.h"
#include "SimRadiometry.h"
#include "SimScene.h"

namespace camsdk {
namespace {

constexpr int kNucRecords = 4;
constexpr int kSffcRecords = 7;
constexpr uint32_t kFactoryRecordTime = 1704067200;  // 2024-01-01 00:00:00 UTC
constexpr int kMaxBadPixels = 256;
constexpr int kMaxBadCols = 256;

struct SaveRecord {
    uint32_t time = kFactoryRecordTime;
    uint32_t count = 1;
};

struct Pixel {
    int x, y;
    bool operator==(const Pixel& o) const { return x == o.x && y == o.y; }
};

// Drift status bits as the DeltaB page decodes them.
enum DriftStatus : unsigned char {
    kDriftCollecting = 0x01,
    kDriftCollected = 0x02,
    kDriftCollectFailed = 0x04,
    kDriftChecking = 0x0A,
    kDriftAbnormal = 0x12,
    kDriftQualified = 0x32,
    kDriftNever = 0x40,
    kDriftSavedUnchecked = 0x80,
};

enum class DriftPhase { kIdle, kCollecting, kCollected, kChecking };

struct Corrections {
    // saved
    std::array<SaveRecord, kNucRecords> nuc{};
    std::array<SaveRecord, kSffcRecords> sffc{};
    USBSDK_TemperDriftRecord drift{};
    bool driftSaved = false;
    std::vector<Pixel> savedPixels;
    std::vector<int> savedCols;

    bool factoryPending = true;  // saved lists still to be made for the device's size

    // session
    uint64_t sessionNumber = 0;  // Session::number the block belongs to
    int64_t sessionStartUs = 0;
    bool nucStep1 = false;
    bool nucReady = false;
    bool sffcReady = false;
    std::vector<Pixel> pixels;
    std::vector<int> cols;
    std::vector<Pixel> autoRemoved;
    DriftPhase drift_ = DriftPhase::kIdle;
    int64_t driftStartUs = 0;
    int driftGate = 0;
    double driftHeatC = 0.0;  // heating left by a finished collection
    bool driftOk = true;
    int64_t checkStartUs = 0;
    bool checkQualified = true;
};

std::array<Corrections, SimOptions::kMaxDevices> gState;

// The factory lists are the scene's defects at the device's size when the
// block is first used after the device was made.
void factoryLists(SimDevice& d, Corrections& c)
{
    if (!c.factoryPending) return;
    c.factoryPending = false;
    const SimScene scene(std::max(d.profile().width, 1), std::max(d.profile().height, 1));
    for (const SimScene::StuckPixel& p : scene.stuckPixels()) c.savedPixels.push_back({p.x, p.y});
    c.savedCols.push_back(scene.badColumn());
}

// The session part starts again with the session: lists <- saved ones.
void beginSession(Corrections& c, const Session& session)
{
    c.sessionNumber = session.number;
    c.sessionStartUs = session.startUs;
    c.nucStep1 = c.nucReady = c.sffcReady = false;
    c.pixels = c.savedPixels;
    c.cols = c.savedCols;
    c.autoRemoved.clear();
    c.drift_ = DriftPhase::kIdle;
    c.driftHeatC = 0.0;
}

// The device's block, brought up to date with the session.
Corrections& stateOf(SimDevice& d, const Session& session)
{
    Corrections& c = gState[size_t(d.index())];
    factoryLists(d, c);
    if (c.sessionNumber != session.number) beginSession(c, session);
    return c;
}

int64_t now(ApiCall& call)
{
    return call.layer().clock().nowUs();
}

// --- drift: state worked out at time nowUs ---

double driftRiseC(const Corrections& c, const SimDevice& d, int64_t nowUs)
{
    if (c.drift_ != DriftPhase::kCollecting) return 0.0;
    return std::min(double(c.driftGate), d.knobs().driftRiseRate * double(nowUs - c.driftStartUs) / 1e6);
}

void advanceDrift(Corrections& c, const SimDevice& d, int64_t nowUs)
{
    if (c.drift_ == DriftPhase::kCollecting) {
        const double rate = d.knobs().driftRiseRate;
        if (rate > 0 && d.knobs().driftRiseRate * double(nowUs - c.driftStartUs) / 1e6 >= c.driftGate) {
            c.drift_ = DriftPhase::kCollected;
            c.driftOk = d.knobs().driftCollectOk != 0;
            c.driftHeatC = c.driftGate;
        }
    }
    if (c.drift_ == DriftPhase::kChecking && nowUs - c.checkStartUs >= int64_t(d.knobs().driftCheckMs * 1000.0)) {
        c.drift_ = DriftPhase::kCollected;
        c.checkQualified = d.knobs().driftCheckQualified != 0;
        c.checkStartUs = -1;  // check done
    }
}

unsigned char driftStatus(const Corrections& c)
{
    switch (c.drift_) {
        case DriftPhase::kIdle:
            return c.driftSaved ? kDriftSavedUnchecked : kDriftNever;
        case DriftPhase::kCollecting:
            return kDriftCollecting;
        case DriftPhase::kChecking:
            return kDriftChecking;
        case DriftPhase::kCollected:
            if (!c.driftOk) return kDriftCollectFailed;
            if (c.checkStartUs < 0) return c.checkQualified ? kDriftQualified : kDriftAbnormal;
            return kDriftCollected;
    }
    return kDriftNever;
}

// --- record indexes ---

bool nucRecordAvailable(const SimDevice& d, int record)
{
    const SimDevice::LiveProfile& p = d.live();
    switch (record) {
        case 0:
            return true;
        case 1:
            return p.deviceType.load() == 1;
        case 2:
            return p.deviceType.load() == 1 && p.supportExtreme.load() != 0;
        case 3:
            return p.supportLowTempTwoGear.load() != 0;
    }
    return false;
}

bool sffcRecordAvailable(const SimDevice& d, int record)
{
    const SimDevice::LiveProfile& p = d.live();
    const bool twoEnv = p.supportTwoSFFC.load() != 0;
    const bool extreme = p.supportExtreme.load() != 0;
    const bool twoGear = p.supportLowTempTwoGear.load() != 0;
    switch (record) {
        case 0:
            return true;
        case 1:
            return p.deviceType.load() == 1;
        case 2:
            return extreme;
        case 3:
            return twoEnv;
        case 4:
            return twoEnv && extreme;
        case 5:
            return twoGear;
        case 6:
            return twoGear && twoEnv;
    }
    return false;
}

int recordError(int record, int records, bool available)
{
    if (record < 0 || record >= records) return USBSDK_ERR_INVALID_ARG;
    return available ? 0 : int(USBSDK_ERR_NOT_SUPPORTED);
}

bool deltaB(const SimDevice& d)
{
    return d.live().supportDeltaB.load() != 0;
}

// --- NUC backup file ---

uint32_t crc32(const std::vector<unsigned char>& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putU32(std::vector<unsigned char>& out, uint32_t v)
{
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<unsigned char>(v >> (8 * k)));
}

std::vector<unsigned char> nucBackup(const Corrections& c, const Session& s, int width, int height)
{
    std::vector<unsigned char> out;
    static const char kMagic[16] = "CALIDRA-SIMNUC";
    out.insert(out.end(), kMagic, kMagic + 16);
    putU32(out, 1);
    char serial[32] = {};
    std::memcpy(serial, s.identity.serial, std::min(sizeof serial, sizeof s.identity.serial));
    out.insert(out.end(), serial, serial + 32);
    putU32(out, uint32_t(width));
    putU32(out, uint32_t(height));
    for (const SaveRecord& r : c.nuc) {
        putU32(out, r.time);
        putU32(out, r.count);
    }
    const size_t pixels = size_t(width) * size_t(height);
    out.reserve(out.size() + pixels * 2 + 4);
    for (size_t i = 0; i < pixels; ++i) {
        out.push_back(0x00);
        out.push_back(0x40);
    }
    putU32(out, crc32(out));
    return out;
}

// Non-uniformity of the frame the stream shows now: standard deviation over
// mean of the raw values of the central half. The frame is rendered again
// from the device's scene, settings and frame number.
double measuredUniformity(CamLayer& layer, const CamLayer::Lock& lock, SimDevice& d, const Corrections& c)
{
    const int w = d.live().width.load(), h = d.live().height.load();
    SimScene::Params params = SceneRecord::params(d.scene);
    const int column = SimScene(w, h).badColumn();
    if (std::find(c.cols.begin(), c.cols.end(), column) != c.cols.end()) params.defectsOn = false;
    SimScene scene(w, h, params);
    const std::shared_ptr<FrameStream> stream = layer.streamOf(lock, d.index());
    const uint64_t produced = stream ? stream->framesProduced() : 0;
    const int fps = std::max(d.live().fps.load(), 1);
    scene.setFrame(produced > 0 ? produced - 1 : uint64_t(std::max<int64_t>(layer.clock().nowUs(), 0) * fps / 1000000),
                   fps);
    SimRadiometry radiometry;
    SimRadiometry::Settings rs = radiometry.settings();
    rs.gainMode = d.working().gainMode;
    rs.rawType = d.working().rawType;
    radiometry.setSettings(rs);
    std::vector<uint16_t> raw(size_t(w) * size_t(h));
    radiometry.render(scene, raw.data());
    double sum = 0.0, squares = 0.0;
    size_t n = 0;
    for (int y = h / 4; y < 3 * h / 4; ++y)
        for (int x = w / 4; x < 3 * w / 4; ++x) {
            const double v = raw[size_t(y) * size_t(w) + size_t(x)];
            sum += v;
            squares += v * v;
            ++n;
        }
    if (n == 0 || sum <= 0.0) return 0.0;
    const double mean = sum / double(n);
    return std::sqrt(std::max(squares / double(n) - mean * mean, 0.0)) / mean;
}

}  // namespace

void forgetCorrections(SimDevice& d)
{
    Corrections& c = gState[size_t(d.index())];
    c = Corrections();
    (void)d;
}

// The block outside a session: the lists as they were last, the factory
// ones before any.
static Corrections& lastStateOf(SimDevice& d)
{
    Corrections& c = gState[size_t(d.index())];
    if (c.factoryPending) {
        factoryLists(d, c);
        c.pixels = c.savedPixels;
        c.cols = c.savedCols;
    }
    return c;
}

bool correctionsState(SimDevice& d, const Session* session, int64_t nowUs, const std::string& key, double* v)
{
    Corrections& c = session ? stateOf(d, *session) : lastStateOf(d);
    advanceDrift(c, d, nowUs);
    if (key == "driftStatus")
        *v = driftStatus(c);
    else if (key == "driftRise")
        *v = driftRiseC(c, d, nowUs);
    else if (key == "badPixels")
        *v = double(c.pixels.size());
    else if (key == "badCols")
        *v = double(c.cols.size());
    else if (key == "autoRemoved")
        *v = double(c.autoRemoved.size());
    else
        return false;
    return true;
}

CorrectedDefects correctedDefects(SimDevice& d, const Session* session)
{
    const Corrections& c = session ? stateOf(d, *session) : lastStateOf(d);
    CorrectedDefects out;
    out.pixels.reserve(c.pixels.size() + c.autoRemoved.size());
    for (const Pixel& p : c.pixels) out.pixels.emplace_back(p.x, p.y);
    for (const Pixel& p : c.autoRemoved) out.pixels.emplace_back(p.x, p.y);
    out.columns = c.cols;
    return out;
}

// The save records of NUC and SFFC: the camera keeps (time, count) per
// record once its procedure has made a result ready to save.
struct SaveRecords {
    const char* getName;
    const char* setName;
    int count;
    bool (*available)(const SimDevice& d, int record);
    SaveRecord* (*slot)(Corrections& c, int record);
    bool Corrections::*ready;
};

const SaveRecords kNucSaves{"USBSDK_GetNUCSaveCountAndTime",
                            "USBSDK_SetNUCSaveCountAndTime",
                            kNucRecords,
                            nucRecordAvailable,
                            [](Corrections& c, int record) { return &c.nuc[size_t(record)]; },
                            &Corrections::nucReady};
const SaveRecords kSffcSaves{"USBSDK_GetSFFCSaveCountAndTime",
                             "USBSDK_SetSFFCSaveCountAndTime",
                             kSffcRecords,
                             sffcRecordAvailable,
                             [](Corrections& c, int record) { return &c.sffc[size_t(record)]; },
                             &Corrections::sffcReady};

int getSaveRecord(const SaveRecords& f, unsigned int* time, unsigned int* count, int record)
{
    ApiCall call(f.getName, ArgText::of("time", time, "count", count, "record", record));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!time || !count) return int(USBSDK_ERR_INVALID_ARG);
        if (const int e = recordError(record, f.count, f.available(d, record))) return e;
        const SaveRecord r = *f.slot(stateOf(d, session), record);
        *time = r.time;
        *count = r.count;
        call.setOutputs(ArgText::of("time", r.time, "count", r.count));
        return 0;
    });
}

int setSaveRecord(const SaveRecords& f, unsigned int time, unsigned int count, int record)
{
    ApiCall call(f.setName, ArgText::of("time", time, "count", count, "record", record));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (const int e = recordError(record, f.count, f.available(d, record))) return e;
        Corrections& c = stateOf(d, session);
        if (!(c.*f.ready)) return int(USBSDK_ERR_BAD_STATE);
        *f.slot(c, record) = {time, count};
        return 0;
    });
}

}  // namespace camsdk

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Corrections;
using camsdk::Session;
using camsdk::SimDevice;

extern "C" {

// ---------------------------------------------------------------- equilibrium

CAMSDK_API int USBSDK_ThermalBalanceCheck(int* state)
{
    ApiCall call("USBSDK_ThermalBalanceCheck", ArgText::of("state", state));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!state) return int(USBSDK_ERR_INVALID_ARG);
        const int64_t t = camsdk::now(call);
        const Corrections& c = camsdk::stateOf(d, session);
        const double forced = d.knobs().balanced;
        const int v =
            forced >= 0 ? (forced != 0 ? 1 : 0) : (t - c.sessionStartUs >= int64_t(d.knobs().warmupMs * 1000.0));
        *state = v;
        call.setOutputs(ArgText::of("state", v));
        return 0;
    });
}

// ------------------------------------------------------------------------ NUC

CAMSDK_API int USBSDK_NUCBlackOperator(int step, int* rate)
{
    ApiCall call("USBSDK_NUCBlackOperator", ArgText::of("step", step, "rate", rate));
    return call.deviceAfterWait(&SimDevice::Knobs::nucStepMs, [&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!rate || (step != 1 && step != 2)) return int(USBSDK_ERR_INVALID_ARG);
        Corrections& c = camsdk::stateOf(d, session);
        if (step == 1) {
            c.nucStep1 = true;
            call.setOutputs(std::string());
            return 0;
        }
        if (!c.nucStep1) return int(USBSDK_ERR_BAD_STATE);
        c.nucReady = true;
        *rate = int(d.knobs().nucRate);
        call.setOutputs(ArgText::of("rate", *rate));
        return 0;
    });
}

CAMSDK_API int USBSDK_GetNUCSaveCountAndTime(unsigned int* time, unsigned int* count, int record)
{
    return camsdk::getSaveRecord(camsdk::kNucSaves, time, count, record);
}

CAMSDK_API int USBSDK_SetNUCSaveCountAndTime(unsigned int time, unsigned int count, int record)
{
    return camsdk::setSaveRecord(camsdk::kNucSaves, time, count, record);
}

CAMSDK_API int USBSDK_GetNUCBackup(const char* path)
{
    ApiCall call("USBSDK_GetNUCBackup", ArgText::of("path", path));
    std::vector<unsigned char> bytes;
    const int built = call.device([&](CamLayer::Lock&, SimDevice& d, Session& s) {
        if (!path || !*path) return int(USBSDK_ERR_INVALID_ARG);
        const Corrections& c = camsdk::stateOf(d, s);
        bytes = camsdk::nucBackup(c, s, d.live().width.load(), d.live().height.load());
        std::FILE* f = std::fopen(path, "wb");
        if (!f) return int(USBSDK_ERR_IO);
        const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        const bool closed = std::fclose(f) == 0;
        return ok && closed ? 0 : int(USBSDK_ERR_IO);
    });
    return built;
}

// ----------------------------------------------------------------------- SFFC

CAMSDK_API int USBSDK_GetSFFCEnable(unsigned char* enable)
{
    ApiCall call("USBSDK_GetSFFCEnable", ArgText::of("enable", enable));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session&) {
        if (!enable) return int(USBSDK_ERR_INVALID_ARG);
        *enable = static_cast<unsigned char>(d.working().sffcEnable);
        call.setOutputs(ArgText::of("enable", d.working().sffcEnable));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetSFFCEnable(int enable)
{
    ApiCall call("USBSDK_SetSFFCEnable", ArgText::of("enable", enable));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session&) {
        if (enable != 0 && enable != 1) return int(USBSDK_ERR_INVALID_ARG);
        d.working().sffcEnable = d.saved().sffcEnable = enable;
        return 0;
    });
}

CAMSDK_API int USBSDK_SFFCCollect(void)
{
    ApiCall call("USBSDK_SFFCCollect", std::string());
    return call.deviceAfterWait(&SimDevice::Knobs::sffcCollectMs, [&](CamLayer::Lock&, SimDevice& d, Session& session) {
        camsdk::stateOf(d, session).sffcReady = true;
        d.working().sffcEnable = d.saved().sffcEnable = 1;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetSFFCSaveCountAndTime(unsigned int* time, unsigned int* count, int record)
{
    return camsdk::getSaveRecord(camsdk::kSffcSaves, time, count, record);
}

CAMSDK_API int USBSDK_SetSFFCSaveCountAndTime(unsigned int time, unsigned int count, int record)
{
    return camsdk::setSaveRecord(camsdk::kSffcSaves, time, count, record);
}

CAMSDK_API int USBSDK_GetTwoSFFCEnvironment(int* env)
{
    ApiCall call("USBSDK_GetTwoSFFCEnvironment", ArgText::of("env", env));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (d.live().supportTwoSFFC.load() == 0) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!env) return int(USBSDK_ERR_INVALID_ARG);
        const int64_t t = camsdk::now(call);
        Corrections& c = camsdk::stateOf(d, session);
        camsdk::advanceDrift(c, d, t);
        const double heat = c.driftHeatC + camsdk::driftRiseC(c, d, t) + d.knobs().housingOffset;
        const double housing = camsdk::SimScene::body(double(t - c.sessionStartUs) / 1e6, heat).housing;
        const double forced = d.knobs().sffcEnvironment;
        const int v = forced >= 0 ? (forced != 0 ? 1 : 0) : (housing > 45.0 ? 1 : 0);
        *env = v;
        call.setOutputs(ArgText::of("env", v));
        return 0;
    });
}

// ---------------------------------------------------------- drift (DeltaB)

// The drift switch and the threshold of the last collection: plain
// settings, saved at once.
CAMSDK_INT_SETTING_PAIR(TemperDriftSwitch, on, driftSwitch, 0, 1, camsdk::Needs::kDeltaB, camsdk::Store::kSavedAtOnce,
                        nullptr, nullptr)

CAMSDK_API int USBSDK_GetTemperDriftThreshold(int* v)
{
    static constexpr camsdk::IntSetting kThreshold{
        &SimDevice::Settings::driftThreshold, 1,       10,     camsdk::Needs::kDeltaB,
        camsdk::Store::kSavedAtOnce,          nullptr, nullptr};
    return camsdk::getIntSetting("USBSDK_GetTemperDriftThreshold", "v", kThreshold, v);
}

CAMSDK_API int USBSDK_CollectTemperDrift(int threshold)
{
    ApiCall call("USBSDK_CollectTemperDrift", ArgText::of("threshold", threshold));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!camsdk::deltaB(d)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (threshold < 1 || threshold > 10) return int(USBSDK_ERR_INVALID_ARG);
        if (d.working().driftSwitch != 1) return int(USBSDK_ERR_BAD_STATE);
        const int64_t t = camsdk::now(call);
        Corrections& c = camsdk::stateOf(d, session);
        camsdk::advanceDrift(c, d, t);
        if (c.drift_ == camsdk::DriftPhase::kCollecting || c.drift_ == camsdk::DriftPhase::kChecking)
            return int(USBSDK_ERR_BUSY);
        d.working().driftThreshold = d.saved().driftThreshold = threshold;
        c.drift_ = camsdk::DriftPhase::kCollecting;
        c.driftStartUs = t;
        c.driftGate = threshold;
        c.driftHeatC = 0.0;
        c.checkStartUs = 0;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetTemperDriftCollectResult(unsigned char* status, int* rise)
{
    ApiCall call("USBSDK_GetTemperDriftCollectResult", ArgText::of("status", status, "rise", rise));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!camsdk::deltaB(d)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!status || !rise) return int(USBSDK_ERR_INVALID_ARG);
        const int64_t t = camsdk::now(call);
        Corrections& c = camsdk::stateOf(d, session);
        camsdk::advanceDrift(c, d, t);
        const unsigned char st = camsdk::driftStatus(c);
        const int hundredths = int(std::lround(camsdk::driftRiseC(c, d, t) * 100.0));
        *status = st;
        *rise = hundredths;
        call.setOutputs(ArgText::of("status", int(st), "rise", hundredths));
        return 0;
    });
}

CAMSDK_API int USBSDK_CheckTemperDrift(void)
{
    ApiCall call("USBSDK_CheckTemperDrift", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!camsdk::deltaB(d)) return int(USBSDK_ERR_NOT_SUPPORTED);
        const int64_t t = camsdk::now(call);
        Corrections& c = camsdk::stateOf(d, session);
        camsdk::advanceDrift(c, d, t);
        if (camsdk::driftStatus(c) != camsdk::kDriftCollected) return int(USBSDK_ERR_BAD_STATE);
        c.drift_ = camsdk::DriftPhase::kChecking;
        c.checkStartUs = t;
        return 0;
    });
}

CAMSDK_API int USBSDK_GetTemperDriftDataAndCounts(USBSDK_TemperDriftRecord* r)
{
    ApiCall call("USBSDK_GetTemperDriftDataAndCounts", ArgText::of("r", r));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!camsdk::deltaB(d)) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!r) return int(USBSDK_ERR_INVALID_ARG);
        *r = camsdk::stateOf(d, session).drift;
        call.setOutputs(ArgText::of("r", *r));
        return 0;
    });
}

CAMSDK_API int USBSDK_SaveTemperDrift(USBSDK_TemperDriftRecord r)
{
    ApiCall call("USBSDK_SaveTemperDrift", ArgText::of("r", r));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!camsdk::deltaB(d)) return int(USBSDK_ERR_NOT_SUPPORTED);
        const int64_t t = camsdk::now(call);
        Corrections& c = camsdk::stateOf(d, session);
        camsdk::advanceDrift(c, d, t);
        if (camsdk::driftStatus(c) != camsdk::kDriftQualified) return int(USBSDK_ERR_BAD_STATE);
        c.drift = r;
        c.driftSaved = true;
        return 0;
    });
}

// ----------------------------------------------------------------- bad pixels

CAMSDK_API int USBSDK_GetBadPixels(int* rows, int* cols, int capacity, int* count)
{
    ApiCall call("USBSDK_GetBadPixels", ArgText::of("rows", rows, "cols", cols, "capacity", capacity, "count", count));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!rows || !cols || !count || capacity < 0) return int(USBSDK_ERR_INVALID_ARG);
        const std::vector<camsdk::Pixel>& list = camsdk::stateOf(d, session).pixels;
        const int n = int(list.size());
        *count = n;
        if (n > capacity) return int(USBSDK_ERR_BUFFER_TOO_SMALL);
        for (int i = 0; i < n; ++i) {
            rows[i] = list[size_t(i)].y;
            cols[i] = list[size_t(i)].x;
        }
        call.setOutputs(ArgText::of("count", n));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetBadPixels(const int* rows, const int* cols, int n)
{
    ApiCall call("USBSDK_SetBadPixels", ArgText::of("rows", rows, "cols", cols, "n", n));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (n < 0 || n > camsdk::kMaxBadPixels || (n > 0 && (!rows || !cols))) return int(USBSDK_ERR_INVALID_ARG);
        const int w = d.live().width.load(), h = d.live().height.load();
        std::vector<camsdk::Pixel> list;
        for (int i = 0; i < n; ++i) {
            const camsdk::Pixel p{cols[i], rows[i]};
            if (p.x < 0 || p.x >= w || p.y < 0 || p.y >= h) return int(USBSDK_ERR_INVALID_ARG);
            if (std::find(list.begin(), list.end(), p) == list.end()) list.push_back(p);
        }
        camsdk::stateOf(d, session).pixels = std::move(list);
        return 0;
    });
}

CAMSDK_API int USBSDK_GetBadPixelCols(int* cols, int capacity, int* count)
{
    ApiCall call("USBSDK_GetBadPixelCols", ArgText::of("cols", cols, "capacity", capacity, "count", count));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        if (!cols || !count || capacity < 0) return int(USBSDK_ERR_INVALID_ARG);
        const std::vector<int>& list = camsdk::stateOf(d, session).cols;
        const int n = int(list.size());
        *count = n;
        if (n > capacity) return int(USBSDK_ERR_BUFFER_TOO_SMALL);
        std::copy(list.begin(), list.end(), cols);
        call.setOutputs(ArgText::of("count", n));
        return 0;
    });
}

CAMSDK_API int USBSDK_SetBadPixelCols(const int* cols, int n)
{
    ApiCall call("USBSDK_SetBadPixelCols", ArgText::of("cols", cols, "n", n));
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        const int w = d.live().width.load();
        if (n < 0 || n > std::min(camsdk::kMaxBadCols, w) || (n > 0 && !cols)) return int(USBSDK_ERR_INVALID_ARG);
        std::vector<int> list;
        for (int i = 0; i < n; ++i) {
            if (cols[i] < 0 || cols[i] >= w) return int(USBSDK_ERR_INVALID_ARG);
            if (std::find(list.begin(), list.end(), cols[i]) == list.end()) list.push_back(cols[i]);
        }
        camsdk::stateOf(d, session).cols = std::move(list);
        return 0;
    });
}

CAMSDK_API int USBSDK_SaveBadPixel(void)
{
    ApiCall call("USBSDK_SaveBadPixel", std::string());
    return call.deviceAfterWait(&SimDevice::Knobs::saveMs, [&](CamLayer::Lock&, SimDevice& d, Session& session) {
        Corrections& c = camsdk::stateOf(d, session);
        c.savedPixels = c.pixels;
        c.savedCols = c.cols;
        return 0;
    });
}

CAMSDK_API int USBSDK_SetAutoRemoveBadPixels(void)
{
    ApiCall call("USBSDK_SetAutoRemoveBadPixels", std::string());
    return call.deviceAfterWait(
        &SimDevice::Knobs::badPixelDetectMs, [&](CamLayer::Lock&, SimDevice& d, Session& session) {
            Corrections& c = camsdk::stateOf(d, session);
            const camsdk::SimScene scene(std::max(d.live().width.load(), 1), std::max(d.live().height.load(), 1));
            for (const camsdk::SimScene::StuckPixel& s : scene.stuckPixels()) {
                const camsdk::Pixel p{s.x, s.y};
                const bool corrected = std::find(c.pixels.begin(), c.pixels.end(), p) != c.pixels.end() ||
                                       std::find(c.autoRemoved.begin(), c.autoRemoved.end(), p) != c.autoRemoved.end();
                if (!corrected) c.autoRemoved.push_back(p);
            }
            return 0;
        });
}

CAMSDK_API int USBSDK_SetClearAutoRemovedBadPixels(void)
{
    ApiCall call("USBSDK_SetClearAutoRemovedBadPixels", std::string());
    return call.device([&](CamLayer::Lock&, SimDevice& d, Session& session) {
        camsdk::stateOf(d, session).autoRemoved.clear();
        return 0;
    });
}

// --------------------------------------------------------------------- checks

CAMSDK_API int USBSDK_ThermalTemperCorrect(float threshold, float* value)
{
    ApiCall call("USBSDK_ThermalTemperCorrect", ArgText::of("threshold", threshold, "value", value));
    return call.deviceAfterWait(&SimDevice::Knobs::tecCorrectMs, [&](CamLayer::Lock&, SimDevice& d, Session&) {
        if (!value || !std::isfinite(threshold) || threshold < 0) return int(USBSDK_ERR_INVALID_ARG);
        const float v = float(d.knobs().tecCompensation);
        *value = v;
        call.setOutputs(ArgText::of("value", v));
        return 0;
    });
}

CAMSDK_API int USBSDK_UniformCheck(float threshold, float* measured)
{
    ApiCall call("USBSDK_UniformCheck", ArgText::of("threshold", threshold, "measured", measured));
    return call.device([&](CamLayer::Lock& lock, SimDevice& d, Session& session) {
        if (!d.carriesRaw()) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (!measured || !std::isfinite(threshold)) return int(USBSDK_ERR_INVALID_ARG);
        const Corrections& c = camsdk::stateOf(d, session);
        const double forced = d.knobs().uniformity;
        const float v = float(forced >= 0 ? forced : camsdk::measuredUniformity(call.layer(), lock, d, c));
        *measured = v;
        call.setOutputs(ArgText::of("measured", v));
        return 0;
    });
}

}  // extern "C"
