// Radiometric data collection: the camera records one sample of its body
// temperatures, the centre spot and the frame mean every interval, into a
// store of 65535 samples that the data-collection page reads in pages of 25.
//
// Sampling runs on the simulator clock without a timer of its own: every
// call that looks at the store first takes the samples that fell due since
// the last look, each at its own time, so the manual clock and the real one
// give the same store.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <vector>

#include "ApiCall.h"
#include "FamilyState.h"
#include "SceneRecord.h"
#include "SimRadiometry.h"
#include "SimScene.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::SceneRecord;
using camsdk::Session;
using camsdk::SimDevice;
using camsdk::SimRadiometry;
using camsdk::SimScene;
using Lock = CamLayer::Lock;

namespace camsdk {

struct SimDevice::Collection {
    std::vector<USBSDK_DataCollectEntry> samples;
    int64_t intervalUs = 0;  // 0: not sampling
    int64_t nextUs = 0;      // time of the next sample
    int64_t openUs = 0;      // the sampling session's open; the body warms from here
    // Renderers of the sampled frame, kept between samples for their caches.
    SimScene scene{16, 16};
    SimRadiometry radiometry;
    SIMCAM_Scene appliedScene{};
    bool applied = false;
    std::vector<uint16_t> raw;
};

}  // namespace camsdk

namespace {

constexpr size_t kCapacity = 65535;
constexpr int kMaxIntervalS = 86400;
constexpr int kMeanCorrection = 3;  // the camera's correction lowers the mean by this much

SimDevice::Collection& collectionOf(SimDevice& d)
{
    if (!d.collection) d.collection = new SimDevice::Collection();  // kept for the process, like the device
    return *d.collection;
}

// UTC seconds of simulator time tUs: the epoch plus the simulator time on
// the manual clock, the wall clock on the real one.
uint32_t utcSeconds(CamLayer& l, int64_t tUs)
{
    if (l.clock().manual()) return uint32_t(l.epoch() + tUs / 1000000);
    const int64_t agoS = (l.clock().nowUs() - tUs) / 1000000;
    return uint32_t(int64_t(std::time(nullptr)) - agoS);
}

USBSDK_DataCollectEntry sampleAt(CamLayer& l, SimDevice& d, SimDevice::Collection& c, int64_t tUs)
{
    const SIMCAM_DeviceProfile& p = d.profile();
    const int w = p.width, h = p.height, fps = std::max(p.fps, 1);
    c.scene.setSize(w, h);
    if (!c.applied || !SceneRecord::same(d.scene, c.appliedScene)) c.scene.setParams(SceneRecord::params(d.scene));
    c.appliedScene = d.scene;
    c.applied = true;
    c.scene.setFrame(uint64_t(tUs * fps / 1000000), fps);

    const SimDevice::Settings& s = d.working();
    SimRadiometry::Settings r = c.radiometry.settings();
    r.gainMode = s.gainMode;
    r.rawType = s.rawType;
    r.emissivity = s.temperParams.emissivity;
    r.distance = s.temperParams.distance;
    r.ambient = s.temperParams.ambientTemp;
    r.humidity = s.temperParams.humidity;
    const SimRadiometry::Settings& q = c.radiometry.settings();
    if (r.gainMode != q.gainMode || r.rawType != q.rawType || r.emissivity != q.emissivity ||
        r.distance != q.distance || r.ambient != q.ambient || r.humidity != q.humidity)
        c.radiometry.setSettings(r);
    c.raw.resize(size_t(w) * size_t(h));
    c.radiometry.render(c.scene, c.raw.data());
    uint64_t sum = 0;
    for (uint16_t v : c.raw) sum += v;
    const int mean = int((sum + c.raw.size() / 2) / c.raw.size());

    const SimScene::Body body = SimScene::body(std::max(double(tUs - c.openUs) / 1e6, 0.0), d.knobs().housingOffset);
    const int cx = w / 2, cy = h / 2;
    USBSDK_DataCollectEntry e{};
    e.time = utcSeconds(l, tUs);
    e.tecTemp = float(body.tec);
    e.preHouseTemp = float(body.preHouse);
    e.houseTemp = float(body.housing);
    e.boardTemp = float(body.board);
    e.backTemp = float(body.back);
    e.driftTemp = float(body.housing);
    e.spotTemp = float(c.scene.temperatureAt(cx, cy));
    e.spotGrey = c.raw[size_t(cy) * size_t(w) + size_t(cx)];
    e.spotX = uint16_t(cx);
    e.spotY = uint16_t(cy);
    e.meanBefore = uint16_t(mean);
    e.meanAfter = uint16_t(std::max(mean - kMeanCorrection, 0));
    e.meanDiff = int16_t(-kMeanCorrection);
    return e;
}

// Takes the samples due by now; sampling stops when the store is full.
void takeDue(CamLayer& l, SimDevice& d)
{
    SimDevice::Collection& c = collectionOf(d);
    const int64_t now = l.clock().nowUs();
    while (c.intervalUs > 0 && c.nextUs <= now) {
        if (c.samples.size() >= kCapacity) {
            c.intervalUs = 0;
            break;
        }
        c.samples.push_back(sampleAt(l, d, c, c.nextUs));
        c.nextUs += c.intervalUs;
    }
}

}  // namespace

namespace camsdk {

void stopDataCollection(SimDevice& d)
{
    if (!d.collection) return;
    takeDue(CamLayer::instance(), d);  // what fell due before the close stays
    d.collection->intervalUs = 0;
}

void clearDataCollection(SimDevice& d)
{
    if (!d.collection) return;
    d.collection->samples.clear();
    d.collection->intervalUs = 0;
}

int dataCollectionSamples(SimDevice& d)
{
    if (!d.collection) return 0;
    takeDue(CamLayer::instance(), d);
    return int(d.collection->samples.size());
}

}  // namespace camsdk

extern "C" {

CAMSDK_API int USBSDK_SetDataCollectInterval(int on, int seconds)
{
    ApiCall call(__func__, ArgText::of("on", on, "seconds", seconds));
    return call.device([&](Lock&, SimDevice& d, Session& session) {
        if (d.live().deviceType.load() != 1) return int(USBSDK_ERR_NOT_SUPPORTED);
        if (on != 0 && on != 1) return int(USBSDK_ERR_INVALID_ARG);
        if (on == 1 && (seconds < 1 || seconds > kMaxIntervalS)) return int(USBSDK_ERR_INVALID_ARG);
        CamLayer& l = call.layer();
        takeDue(l, d);
        SimDevice::Collection& c = collectionOf(d);
        const int64_t now = l.clock().nowUs();
        if (on == 1) {
            c.intervalUs = int64_t(seconds) * 1000000;
            c.nextUs = now + c.intervalUs;
            c.openUs = session.startUs;
        } else {
            c.intervalUs = 0;
        }
        return 0;
    });
}

CAMSDK_API int USBSDK_SetClearDataCollect(void)
{
    ApiCall call(__func__, "");
    return call.device([&](Lock&, SimDevice& d, Session&) {
        takeDue(call.layer(), d);
        collectionOf(d).samples.clear();
        return 0;
    });
}

CAMSDK_API int USBSDK_GetNewDataCollect(USBSDK_NewRadiometryDataAutoCollectParam* rec)
{
    ApiCall call(__func__, ArgText::of("rec", rec));
    return call.device([&](Lock&, SimDevice& d, Session&) {
        if (!rec || !rec->entries || rec->count < 1 || rec->count > USBSDK_DATA_COLLECT_PAGE)
            return int(USBSDK_ERR_INVALID_ARG);
        takeDue(call.layer(), d);
        const std::vector<USBSDK_DataCollectEntry>& samples = collectionOf(d).samples;
        const size_t total = samples.size();
        const size_t start = rec->startIndex;
        const size_t n = start >= total ? 0 : std::min(size_t(rec->count), total - start);
        if (n > 0) std::memcpy(rec->entries, samples.data() + start, n * sizeof(USBSDK_DataCollectEntry));
        rec->total = uint16_t(total);
        rec->count = uint16_t(n);
        call.setOutputs(ArgText::of("total", int(rec->total), "count", int(rec->count)));
        return 0;
    });
}

// Appends n samples at the current time, as if n intervals had passed.
CAMSDK_API int SIMCAM_AddDataCollectSamples(int index, int n)
{
    CamLayer& l = CamLayer::instance();
    if (!l.simEnabled() || n < 0) return 0;
    Lock lock = l.lock();
    if (index < 0 || index >= l.deviceCount(lock)) return 0;
    SimDevice& d = l.device(lock, index);
    takeDue(l, d);
    SimDevice::Collection& c = collectionOf(d);
    const int64_t now = l.clock().nowUs();
    for (int i = 0; i < n && c.samples.size() < kCapacity; ++i) c.samples.push_back(sampleAt(l, d, c, now));
    return 1;
}

}  // extern "C"
