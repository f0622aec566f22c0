// The simulator's test controls (simcam.h) that concern devices, presence,
// faults, the clock and the call log. They never touch the last error and
// write no call-log record.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "ApiCall.h"
#include "FamilyState.h"
#include "HostRadiometry.h"
#include "SceneRecord.h"
#include "SimScene.h"
#include "simcam.h"

using camsdk::CamLayer;
using camsdk::FrameStream;
using camsdk::SimDevice;

namespace {

CamLayer& simLayer()
{
    return CamLayer::instance();
}

bool validIndex(const CamLayer::Lock& lock, int index)
{
    return simLayer().simEnabled() && index >= 0 && index < simLayer().deviceCount(lock);
}

// Read-only state of a device that this layer keeps itself.
bool deviceState(const CamLayer::Lock& lock, int index, const std::string& key, double* v)
{
    CamLayer& l = simLayer();
    SimDevice& d = l.device(lock, index);
    const camsdk::Session* s = l.session(lock);
    const bool here = s && s->device == index;
    const std::shared_ptr<FrameStream> stream = l.streamOf(lock, index);
    int setting = 0;
    if (key == "present")
        *v = d.present();
    else if (key == "open")
        *v = here;
    else if (key == "lost")
        *v = here && s->lost;
    else if (key == "sleeping")
        *v = d.sleeping();
    else if (key == "streaming")
        *v = d.streaming();
    else if (key == "sinks")
        *v = stream ? stream->sinkCount() : 0;
    else if (key == "frameSeq")
        *v = stream ? double(stream->framesProduced()) : 0.0;
    else if (key == "framesDelivered")
        *v = stream ? double(stream->framesDelivered()) : 0.0;
    else if (key == "openAttempts")
        *v = d.openAttempts;
    else if (key == "distance")
        *v = double(d.working().temperParams.distance);
    else if (key == "emissivity")
        *v = double(d.working().temperParams.emissivity);
    else if (key == "housingTemp")
        *v = here ? camsdk::SimScene::body(std::max(double(l.clock().nowUs() - s->startUs) / 1e6, 0.0),
                                           d.knobs().housingOffset)
                        .housing
                  : 0.0;
    else if (key == "rebooting")
        *v = d.rebooting ? 1 : 0;
    else if (key == "shutter")
        *v = d.shutterClosed(simLayer().clock().nowUs()) ? 1 : 0;
    else if (key == "flashing")
        *v = d.flashing.load(std::memory_order_acquire) ? 1 : 0;
    else if (key == "updateProgress")
        *v = camsdk::updateProgress();
    else if (key == "dataSamples")
        *v = camsdk::dataCollectionSamples(d);
    else if (key == "calibProgress")
        *v = camsdk::calibrationProgress(d, here ? s : nullptr, l.clock().nowUs());
    else if (camsdk::correctionsState(d, here ? s : nullptr, l.clock().nowUs(), key, v))
        return true;
    else if (d.setting(key, &setting))
        *v = setting;
    else
        return d.knob(key, v);
    return true;
}

}  // namespace

extern "C" {

CAMSDK_API int SIMCAM_IsActive(void)
{
    return simLayer().simEnabled() ? 1 : 0;
}

CAMSDK_API void SIMCAM_Reset(void)
{
    simLayer().reset();
}

CAMSDK_API int SIMCAM_SetDeviceCount(int n)
{
    return simLayer().setDeviceCount(n) ? 1 : 0;
}

CAMSDK_API int SIMCAM_GetDeviceProfile(int index, SIMCAM_DeviceProfile* out)
{
    auto lock = simLayer().lock();
    if (!out || !validIndex(lock, index)) return 0;
    *out = simLayer().device(lock, index).profile();
    return 1;
}

CAMSDK_API int SIMCAM_SetDeviceProfile(int index, const SIMCAM_DeviceProfile* p)
{
    auto lock = simLayer().lock();
    if (!p || !validIndex(lock, index)) return 0;
    return simLayer().device(lock, index).setProfile(*p) ? 1 : 0;
}

CAMSDK_API int SIMCAM_SetFrameSize(int index, int width, int height)
{
    auto lock = simLayer().lock();
    if (!validIndex(lock, index)) return 0;
    return simLayer().device(lock, index).setFrameSize(width, height) ? 1 : 0;
}

CAMSDK_API int SIMCAM_FailNext(const char* function, int count, int errorCode)
{
    if (!function || !*function || count < -1 || errorCode < 0 || !simLayer().simEnabled()) return 0;
    simLayer().faults().failNext(function, count, errorCode);
    return 1;
}

CAMSDK_API void SIMCAM_ClearFaults(void)
{
    CamLayer& l = simLayer();
    l.faults().clear();
    auto lock = l.lock();
    for (int i = 0; i < camsdk::SimOptions::kMaxDevices; ++i) l.device(lock, i).setStreamFault(0);
}

CAMSDK_API int SIMCAM_SetOpenSucceedsOnAttempt(int n)
{
    if (n < 0 || !simLayer().simEnabled()) return 0;
    simLayer().faults().setOpenSucceedsOnAttempt(n);
    return 1;
}

CAMSDK_API int SIMCAM_SetConnectConfirms(int on)
{
    if ((on != 0 && on != 1) || !simLayer().simEnabled()) return 0;
    simLayer().faults().setConnectConfirms(on != 0);
    return 1;
}

CAMSDK_API int SIMCAM_Unplug(int index)
{
    return simLayer().unplug(index) ? 1 : 0;
}

CAMSDK_API int SIMCAM_Replug(int index)
{
    return simLayer().replug(index) ? 1 : 0;
}

CAMSDK_API int SIMCAM_SetStreaming(int index, int on)
{
    auto lock = simLayer().lock();
    if (!validIndex(lock, index) || (on != 0 && on != 1)) return 0;
    simLayer().device(lock, index).setStreaming(on != 0);
    return 1;
}

CAMSDK_API int SIMCAM_SetStreamFault(int index, int fault)
{
    auto lock = simLayer().lock();
    if (!validIndex(lock, index) || fault < SIMCAM_FAULT_NONE || fault > SIMCAM_FAULT_NULL_YUV_EVERY10) return 0;
    simLayer().device(lock, index).setStreamFault(fault);
    return 1;
}

CAMSDK_API int SIMCAM_SetValue(int index, const char* key, double v)
{
    if (!key || !std::isfinite(v)) return 0;
    CamLayer& l = simLayer();
    const std::string k = key;
    if (index == -1) {
        if (k == "callLogEnabled" && (v == 0 || v == 1)) {
            l.callLog().setEnabled(v != 0);
        } else if (k == "callLogCapacity" && v >= 1 && v <= 10000000) {
            l.callLog().setCapacity(int(v));
        } else if (k == "epoch" && v >= 0) {
            l.setEpoch((long long)v);
        } else {
            return 0;
        }
        return 1;
    }
    auto lock = l.lock();
    if (!validIndex(lock, index)) return 0;
    return l.device(lock, index).setKnob(k, v) ? 1 : 0;
}

CAMSDK_API int SIMCAM_GetValue(int index, const char* key, double* v)
{
    if (!key || !v) return 0;
    CamLayer& l = simLayer();
    const std::string k = key;
    if (index == -1) {
        if (k == "connectType")
            *v = l.connectType();
        else if (k == "lastError")
            *v = l.lastError();
        else if (k == "callLogEnabled")
            *v = l.callLog().enabled();
        else if (k == "callLogCapacity")
            *v = l.callLog().capacity();
        else if (k == "epoch")
            *v = double(l.epoch());
        else
            return 0;
        return 1;
    }
    auto lock = l.lock();
    if (!validIndex(lock, index)) return 0;
    double value = 0;
    if (!deviceState(lock, index, k, &value)) return 0;
    *v = value;
    return 1;
}

CAMSDK_API int SIMCAM_SetClockMode(int manual)
{
    if (manual != 0 && manual != 1) return 0;
    simLayer().setClockMode(manual != 0);
    return 1;
}

CAMSDK_API int SIMCAM_AdvanceTime(int ms)
{
    return simLayer().advanceTime(int64_t(ms) * 1000) ? 1 : 0;
}

CAMSDK_API int SIMCAM_StepFrames(int n)
{
    return simLayer().stepFrames(n) ? 1 : 0;
}

CAMSDK_API long long SIMCAM_Now(void)
{
    return simLayer().clock().nowMs();
}

CAMSDK_API int SIMCAM_GetCallLog(SIMCAM_CallRecord* out, int capacity, int* total, long long* overwritten)
{
    if (capacity < 0 || (capacity > 0 && !out)) return 0;
    simLayer().callLog().copy(out, capacity, total, overwritten);
    return 1;
}

CAMSDK_API void SIMCAM_ClearCallLog(void)
{
    simLayer().callLog().clear();
}

CAMSDK_API int SIMCAM_CountCalls(const char* function)
{
    return simLayer().callLog().count(function);
}

CAMSDK_API int SIMCAM_GetLastError(void)
{
    return simLayer().lastError();
}

CAMSDK_API int SIMCAM_SetScene(int index, const SIMCAM_Scene* s)
{
    if (!s || !camsdk::SceneRecord::valid(*s)) return 0;
    auto lock = simLayer().lock();
    if (!validIndex(lock, index)) return 0;
    simLayer().device(lock, index).scene = *s;
    return 1;
}

CAMSDK_API int SIMCAM_GetScene(int index, SIMCAM_Scene* s)
{
    auto lock = simLayer().lock();
    if (!s || !validIndex(lock, index)) return 0;
    *s = simLayer().device(lock, index).scene;
    return 1;
}

// Refused without a produced frame of an open session on the device: the
// truth belongs to a frame, and the frame's scene to the session's source.
CAMSDK_API int SIMCAM_GetTruth(int index, int x, int y, float* tempC)
{
    if (!tempC) return 0;
    std::shared_ptr<FrameStream> stream;
    {
        auto lock = simLayer().lock();
        if (!validIndex(lock, index)) return 0;
        stream = simLayer().streamOf(lock, index);
    }
    float t = 0.0f;
    if (!stream || !stream->source().truth(x, y, &t)) return 0;
    *tempC = t;
    return 1;
}

// Client set: the host engine's, for the session's device; device set: the
// device's own. The calibration boxes and rectangles are refused until
// those families keep theirs.
CAMSDK_API int SIMCAM_GetLastRules(int index, int which, USBSDK_Rules* out)
{
    if (!out || which < 0 || which > 1) return 0;
    bool ofSession = false;
    USBSDK_Rules rules{};
    {
        auto lock = simLayer().lock();
        if (!validIndex(lock, index)) return 0;
        const camsdk::Session* s = simLayer().session(lock);
        ofSession = s && s->device == index;
        if (which == 1) rules = simLayer().device(lock, index).working().deviceSide.rules;
    }
    if (which == 0 && ofSession) rules = camsdk::HostRadiometry::instance().rules();
    *out = rules;
    return 1;
}

}  // extern "C"
