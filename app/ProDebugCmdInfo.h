// One protocol-debug exchange, passed by value both ways between the
// protocol debug page and the device-command worker. The page fills the
// command and zeroes the rest; the worker fills the reply, the status and
// the duration.
#pragma once

#include <cstddef>
#include <cstdint>

struct ProDebugCmdInfo {
    static constexpr int kDataSize = 8192;  // largest payload either way

    uint8_t ucCommandId = 0;
    uint8_t ucSendData[kDataSize] = {};   // bytes beyond the send length are 0
    int32_t nSendLength = 0;              // 0..kDataSize
    uint8_t ucReplyData[kDataSize] = {};  // bytes beyond the reply length are 0
    int32_t nReplyLength = 0;             // 0..kDataSize
    int32_t nStatus = 0;                  // module status; -1 when the camera never answered
    int32_t nDuration = 0;                // milliseconds the camera call took
};

static_assert(sizeof(ProDebugCmdInfo) == 16404, "ProDebugCmdInfo size");
static_assert(offsetof(ProDebugCmdInfo, ucSendData) == 1, "ProDebugCmdInfo.ucSendData offset");
static_assert(offsetof(ProDebugCmdInfo, nSendLength) == 8196, "ProDebugCmdInfo.nSendLength offset");
static_assert(offsetof(ProDebugCmdInfo, ucReplyData) == 8200, "ProDebugCmdInfo.ucReplyData offset");
static_assert(offsetof(ProDebugCmdInfo, nReplyLength) == 16392, "ProDebugCmdInfo.nReplyLength offset");
static_assert(offsetof(ProDebugCmdInfo, nStatus) == 16396, "ProDebugCmdInfo.nStatus offset");
static_assert(offsetof(ProDebugCmdInfo, nDuration) == 16400, "ProDebugCmdInfo.nDuration offset");
