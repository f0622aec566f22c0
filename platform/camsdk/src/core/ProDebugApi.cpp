// Protocol debug: one raw command to the camera's module, its status and
// reply. The debug page sends a command byte and up to 8192 data bytes; we
// answer a handful of commands ourselves and let tests script the rest.
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

#include "ApiCall.h"
#include "FamilyState.h"

using camsdk::ApiCall;
using camsdk::ArgText;
using camsdk::CamLayer;
using camsdk::Session;
using camsdk::SimDevice;
using Lock = CamLayer::Lock;

namespace {

constexpr int kMaxCommand = 255;
constexpr int kPalettes = 20;

// Module status codes the page shows.
constexpr int kStatusOk = 0;
constexpr int kStatusRange = 3;
constexpr int kStatusUnknownFunction = 5;
constexpr int kStatusByteCount = 9;

enum Command {
    kEcho = 0x01,
    kRestart = 0x02,
    kRestartToo = 0x03,
    kSetPalette = 0x10,
    kGetPalette = 0x11,
    kGetSerial = 0x20,
};

struct Answer {
    int status = kStatusOk;
    std::vector<unsigned char> reply;
};

// Answers scripted by SIMCAM_SetProDebugReply, layer-wide, by command.
std::mutex g_scriptMutex;
std::map<int, Answer> g_scripts;

bool scripted(int cmdId, Answer* out)
{
    std::lock_guard<std::mutex> guard(g_scriptMutex);
    auto it = g_scripts.find(cmdId);
    if (it == g_scripts.end()) return false;
    *out = it->second;
    return true;
}

Answer builtIn(ApiCall& call, Lock& lock, SimDevice& d, const Session& s, int cmdId, const unsigned char* send,
               int sendLen)
{
    Answer a;
    switch (cmdId) {
        case kEcho:
            a.reply.assign(send, send + sendLen);
            break;
        case kRestart:
        case kRestartToo:
            call.layer().startReboot(lock, d.index());
            break;
        case kSetPalette: {
            if (sendLen < 2) {
                a.status = kStatusByteCount;
                break;
            }
            const int palette = (int(send[0]) << 8) | int(send[1]);
            if (palette >= kPalettes) {
                a.status = kStatusRange;
                break;
            }
            d.working().palette = palette;
            break;
        }
        case kGetPalette:
            a.reply = {static_cast<unsigned char>((d.working().palette >> 8) & 0xff),
                       static_cast<unsigned char>(d.working().palette & 0xff)};
            break;
        case kGetSerial: {
            const char* serial = s.identity.serial;
            a.reply.assign(serial, serial + strnlen(serial, sizeof s.identity.serial));
            break;
        }
        default:
            a.status = kStatusUnknownFunction;
            break;
    }
    return a;
}

}  // namespace

void camsdk::clearProDebugScripts()
{
    std::lock_guard<std::mutex> guard(g_scriptMutex);
    g_scripts.clear();
}

extern "C" {

CAMSDK_API int USBSDK_SetProDebug(int cmdId, const unsigned char* send, int sendLen, int* status, unsigned char* reply,
                                  int replyCapacity, int* replyLen)
{
    ApiCall call(__func__, ArgText::of("cmdId", cmdId, "send", send, "sendLen", sendLen, "status", status, "reply",
                                       reply, "replyCapacity", replyCapacity, "replyLen", replyLen));
    const bool valid = cmdId >= 0 && cmdId <= kMaxCommand && sendLen >= 0 && sendLen <= USBSDK_PRODEBUG_MAX &&
                       (send || sendLen == 0) && status && reply && replyLen && replyCapacity >= 0;
    return call.deviceAfterWait(&SimDevice::Knobs::proDebugMs, [&](Lock& lock, SimDevice& d, Session& s) {
        if (!valid) return int(USBSDK_ERR_INVALID_ARG);
        Answer a;
        if (!scripted(cmdId, &a)) a = builtIn(call, lock, d, s, cmdId, send, sendLen);
        const int written = std::min(int(a.reply.size()), replyCapacity);
        if (written > 0) std::memcpy(reply, a.reply.data(), size_t(written));
        *status = a.status;
        *replyLen = written;
        call.setOutputs(ArgText::of("status", *status, "replyLen", *replyLen));
        return 0;
    });
}

// Scripts the answer to a command for every device; len -1 removes it.
CAMSDK_API int SIMCAM_SetProDebugReply(int cmdId, int status, const unsigned char* reply, int len)
{
    if (!CamLayer::instance().simEnabled()) return 0;
    if (cmdId < 0 || cmdId > kMaxCommand || len < -1 || len > USBSDK_PRODEBUG_MAX || (len > 0 && !reply)) return 0;
    std::lock_guard<std::mutex> guard(g_scriptMutex);
    if (len == -1) {
        g_scripts.erase(cmdId);
        return 1;
    }
    Answer a;
    a.status = status;
    if (len > 0) a.reply.assign(reply, reply + len);
    g_scripts[cmdId] = std::move(a);
    return 1;
}

}  // extern "C"
