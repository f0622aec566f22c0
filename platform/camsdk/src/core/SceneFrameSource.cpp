#include "SceneFrameSource.h"

#include "HostRadiometry.h"

#include <algorithm>
#include <cstring>

#include "CamLayer.h"
#include "FamilyState.h"
#include "SceneRecord.h"
#include "camsdk.h"

namespace camsdk {

static_assert(sizeof(RedunData) == USBSDK_REDUNDATA_SIZE, "the block follows the raw frame as it is");
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "raw words are copied out in host order");

namespace {

constexpr uint8_t kShutterY = 16;
constexpr uint8_t kNeutralChroma = 128;

bool sameSettings(const SimDevice::Settings& a, const SimDevice::Settings& b)
{
#define CAMSDK_X(name, factory) \
    if (a.name != b.name) return false;
    CAMSDK_DEVICE_SETTINGS(CAMSDK_X)
#undef CAMSDK_X
    return std::memcmp(&a.temperParams, &b.temperParams, sizeof a.temperParams) == 0 &&
           std::memcmp(&a.deviceSide.isotherm, &b.deviceSide.isotherm, sizeof a.deviceSide.isotherm) == 0;
}

SimDisplay::Settings displaySettings(const SimDevice::Settings& d, double displayNoise)
{
    SimDisplay::Settings s;
    s.palette = d.palette;
    s.brightness = d.brightness;
    s.contrast = d.contrast;
    s.sharpness = d.sharpness;
    s.wideDynamic = d.wideDynamic != 0;
    s.globalContrast = d.globalContrast;
    s.noise2D = d.noise2D;
    s.noise3D = d.noise3D;
    s.ispMode = d.ispMode;
    s.flip = d.flip;
    s.displayNoise = displayNoise;
    s.crossCursor = d.crossCursor != 0;
    s.crossColour = d.crossColour;
    s.hotSpot = d.hotSpotSwitch != 0;
    s.coldSpot = d.coldSpotSwitch != 0;
    s.isotherm = d.isothermOn != 0;
    s.isothermMode = d.deviceSide.isotherm.mode;
    s.isothermLower = d.deviceSide.isotherm.lowerLimit;
    s.isothermUpper = d.deviceSide.isotherm.upperLimit;
    s.pseudoIsotherm = d.pseudoIsothermOn != 0;
    s.pseudoMin = float(d.pseudoIsothermMin);
    s.pseudoMax = float(d.pseudoIsothermMax);
    return s;
}

}  // namespace

SceneFrameSource::SceneFrameSource(CamLayer& layer, const SimDevice& device, int64_t openUs)
    : layer_(layer), device_(device.index()), openUs_(openUs), liveDevice_(device), scene_(16, 16), shown_(16, 16)
{
}

int SceneFrameSource::fps() const
{
    return std::clamp(liveDevice_.live().fps.load(std::memory_order_relaxed), 1, 60);
}

bool SceneFrameSource::truth(int x, int y, float* celsius) const
{
    std::lock_guard<std::mutex> lock(shownMutex_);
    if (!shownValid_ || x < 0 || y < 0 || x >= shown_.width() || y >= shown_.height()) return false;
    *celsius = float(shown_.temperatureAt(x, y));
    return true;
}

bool SceneFrameSource::snapshot(int64_t tUs, Snapshot* s) const
{
    auto lock = layer_.lock();
    SimDevice& d = layer_.device(lock, device_);
    if (!d.streaming()) return false;
    const SIMCAM_DeviceProfile& p = d.profile();
    s->width = p.width;
    s->height = p.height;
    s->fps = std::clamp(p.fps, 1, 60);
    s->redunType = p.redunType;
    s->fault = d.streamFault();
    s->withRaw = d.carriesRaw();
    s->sleeping = d.sleeping();
    s->shutter = d.shutterClosed(tUs);
    s->housingOffset = d.knobs().housingOffset;
    s->settings = d.working();
    s->scene = d.scene;
    const Session* session = layer_.session(lock);
    CorrectedDefects corrected = correctedDefects(d, session && session->device == device_ ? session : nullptr);
    s->correctedPixels = std::move(corrected.pixels);
    s->correctedColumns = std::move(corrected.columns);
    return true;
}

void SceneFrameSource::apply(const Snapshot& s)
{
    scene_.setSize(s.width, s.height);
    if (!applied_ || !SceneRecord::same(s.scene, appliedScene_)) scene_.setParams(SceneRecord::params(s.scene));
    const SimDevice::Settings& d = s.settings;
    if (!applied_ || !sameSettings(d, appliedSettings_) || s.scene.displayNoise != appliedScene_.displayNoise) {
        // The renderers rebuild their tables on every setter: only on changes.
        const USBSDK_CommonTemperParam& p = d.temperParams;
        const USBSDK_CommonTemperParam& q = appliedSettings_.temperParams;
        const bool paramsChanged = p.humidity != q.humidity || p.ambientTemp != q.ambientTemp ||
                                   p.emissivity != q.emissivity || p.distance != q.distance;
        if (!applied_ || d.gainMode != appliedSettings_.gainMode || d.rawType != appliedSettings_.rawType ||
            paramsChanged) {
            SimRadiometry::Settings r = radiometry_.settings();
            r.gainMode = d.gainMode;
            r.rawType = d.rawType;
            // The common parameters travel in the frames' block.
            r.emissivity = p.emissivity;
            r.distance = p.distance;
            r.ambient = p.ambientTemp;
            r.humidity = p.humidity;
            radiometry_.setSettings(r);
            display_.setCamera(radiometry_.block(), r.emissivity);
        }
        display_.setSettings(displaySettings(d, s.scene.displayNoise));
    }
    appliedSettings_ = d;
    appliedScene_ = s.scene;
    applied_ = true;
}

void SceneFrameSource::correct(const Snapshot& s)
{
    const int w = s.width, h = s.height;
    if (s.correctedPixels.empty() && s.correctedColumns.empty()) return;
    corrected_.assign(size_t(w), 0);
    for (int y = 0; y < h; ++y) {
        std::fill(corrected_.begin(), corrected_.end(), uint8_t(0));
        bool any = false;
        for (int x : s.correctedColumns)
            if (x >= 0 && x < w) corrected_[size_t(x)] = 1, any = true;
        for (const auto& p : s.correctedPixels)
            if (p.second == y && p.first >= 0 && p.first < w) corrected_[size_t(p.first)] = 1, any = true;
        if (!any) continue;
        uint16_t* row = raw_.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            if (!corrected_[size_t(x)]) continue;
            int left = x - 1, right = x + 1;
            while (left >= 0 && corrected_[size_t(left)]) --left;
            while (right < w && corrected_[size_t(right)]) ++right;
            if (left >= 0 && right < w)
                row[x] = uint16_t((unsigned(row[left]) + unsigned(row[right]) + 1) / 2);
            else if (left >= 0)
                row[x] = row[left];
            else if (right < w)
                row[x] = row[right];
        }
    }
}

void SceneFrameSource::renderAwake(const Snapshot& s, uint64_t n, Frame& frame, RedunData* block)
{
    radiometry_.render(scene_, raw_.data(), block);
    correct(s);
    display_.render(raw_.data(), frame.width, frame.height, n, frame.yuv.data());
}

void SceneFrameSource::renderSleeping(const Snapshot& s, int64_t tUs, Frame& frame, RedunData* block)
{
    // The closed shutter shows the housing as it is: G(T) with no emissivity mix.
    const double ageS = double(tUs - openUs_) / 1e6;
    const double housing = SimScene::body(std::max(ageS, 0.0), s.housingOffset).housing;
    radiometry_.renderUniform(housing, 1.0, raw_.size(), raw_.data());
    *block = SimRadiometry::makeBlock(s.width, s.height, radiometry_.settings());
    uint8_t* yuv = frame.yuv.data();
    for (size_t i = 0; i < frame.yuv.size(); i += 2) {
        yuv[i] = kNeutralChroma;
        yuv[i + 1] = kShutterY;
    }
}

void SceneFrameSource::writeRaw(const Snapshot& s, const RedunData& block, Frame& frame) const
{
    const size_t rawBytes = raw_.size() * sizeof(uint16_t);
    std::memcpy(frame.raw.data(), raw_.data(), rawBytes);
    RedunData out = block;
    if (s.fault == SIMCAM_FAULT_BLOCK_WIDTH) ++out.windowWidth;
    if (s.redunType == 0)
        SimRadiometry::encodeEarlier(out, frame.raw.data() + rawBytes);
    else
        std::memcpy(frame.raw.data() + rawBytes, &out, sizeof out);
}

bool SceneFrameSource::produce(uint64_t n, int64_t tUs, Frame& frame)
{
    Snapshot s;
    if (!snapshot(tUs, &s)) return false;
    if (s.shutter && haveFrame_) {
        // The shutter is in front of the sensor: the frame before it, again.
        frame.publish(s.fault, n);
        return true;
    }
    apply(s);
    scene_.setFrame(n, s.fps);

    const size_t pixels = size_t(s.width) * size_t(s.height);
    raw_.resize(pixels);
    frame.width = s.width;
    frame.height = s.height;
    frame.yuv.resize(pixels * 2);
    frame.raw.resize(s.withRaw ? pixels * 2 + USBSDK_REDUNDATA_SIZE : 0);

    RedunData block;
    if (s.sleeping)
        renderSleeping(s, tUs, frame, &block);
    else
        renderAwake(s, n, frame, &block);
    if (s.withRaw) writeRaw(s, block, frame);
    frame.publish(s.fault, n);
    haveFrame_ = true;
    // The host radiometry engine measures what the computer receives.
    if (frame.rawPtr)
        HostRadiometry::instance().takeFrame(frame.rawPtr, frame.rawLen, frame.sinkWidth, frame.sinkHeight,
                                             s.redunType == 0, n);

    std::lock_guard<std::mutex> lock(shownMutex_);
    shown_ = scene_;
    shownValid_ = true;
    return true;
}

}  // namespace camsdk
