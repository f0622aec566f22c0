#include "StubCall.h"

// Protocol debug.
#define CAMSDK_STUBS_PRODEBUG(X)                                                                                \
    X(SetProDebug,                                                                                              \
      (int cmdId, const unsigned char* send, int sendLen, int* status, unsigned char* reply, int replyCapacity, \
       int* replyLen),                                                                                          \
      ("cmdId", cmdId, "send", send, "sendLen", sendLen, "status", status, "reply", reply, "replyCapacity",     \
       replyCapacity, "replyLen", replyLen))

extern "C" {
CAMSDK_STUBS_PRODEBUG(CAMSDK_STUB)
}  // extern "C"
