#include "DeviceSdkWrapper.h"

#include <QFile>

namespace {
constexpr int kIdentityLength = 32;  // serial number and version fields
}  // namespace

DeviceSdkWrapper& DeviceSdkWrapper::getInstance()
{
    static DeviceSdkWrapper instance;
    return instance;
}

DeviceSdkWrapper::~DeviceSdkWrapper()
{
    stopFrameDump(kDumpYuv);
    stopFrameDump(kDumpRaw);
}

#define CALIDRA_DEFINE_FORWARD(name, params, args) \
    bool DeviceSdkWrapper::name params             \
    {                                              \
        return USBSDK_##name args != 0;            \
    }
CALIDRA_SDK_FORWARDS(CALIDRA_DEFINE_FORWARD)
#undef CALIDRA_DEFINE_FORWARD

#define CALIDRA_DEFINE_INT_FORWARD(name, params, args) \
    int DeviceSdkWrapper::name params                  \
    {                                                  \
        return USBSDK_##name args;                     \
    }
CALIDRA_SDK_INT_FORWARDS(CALIDRA_DEFINE_INT_FORWARD)
#undef CALIDRA_DEFINE_INT_FORWARD

bool DeviceSdkWrapper::GetSerialNumber(char* buf)
{
    return USBSDK_GetSerialNumber(buf, kIdentityLength) != 0;
}

bool DeviceSdkWrapper::GetSoftwareVersion(char* buf)
{
    return USBSDK_GetSoftwareVersion(buf, kIdentityLength) != 0;
}

bool DeviceSdkWrapper::SetSFFCEnable(int enable)
{
    return USBSDK_SetSFFCEnable(enable ? 1 : 0) != 0;
}

bool DeviceSdkWrapper::SetDataCollectInterval(int seconds)
{
    return USBSDK_SetDataCollectInterval(1, seconds) != 0;
}

bool DeviceSdkWrapper::StopDataCollectInterval()
{
    return USBSDK_SetDataCollectInterval(0, 0) != 0;
}

bool DeviceSdkWrapper::SetSleepMode(int mode)
{
    const bool ok = USBSDK_SetSleepMode(mode) != 0;
    if (ok) sleeping_.store(mode == 5);
    return ok;
}

bool DeviceSdkWrapper::GetImageFlipMode(int* mode)
{
    const bool ok = USBSDK_GetImageFlipMode(mode) != 0;
    flipMode_.store(ok && mode ? *mode : 0);
    return ok;
}

bool DeviceSdkWrapper::SetImageFlipMode(int mode)
{
    const bool ok = USBSDK_SetImageFlipMode(mode) != 0;
    flipMode_.store(ok ? mode : 0);
    return ok;
}

bool DeviceSdkWrapper::SetPseudoIsotherm(bool enable, short low, short high)
{
    return USBSDK_SetPseudoIsotherm(enable ? 1 : 0, low, high) != 0;
}

void DeviceSdkWrapper::setAutoRecordTime(int enabled, int startHour, int endHour)
{
    std::lock_guard<std::mutex> lock(scheduleLock_);
    autoRecord_[0] = enabled;
    autoRecord_[1] = startHour;
    autoRecord_[2] = endHour;
}

void DeviceSdkWrapper::getAutoRecordTime(int* enabled, int* startHour, int* endHour) const
{
    std::lock_guard<std::mutex> lock(scheduleLock_);
    if (enabled) *enabled = autoRecord_[0];
    if (startHour) *startHour = autoRecord_[1];
    if (endHour) *endHour = autoRecord_[2];
}

DeviceSdkWrapper::DumpChannel* DeviceSdkWrapper::channel(int type)
{
    return type == kDumpYuv ? &yuv_ : type == kDumpRaw ? &raw_ : nullptr;
}

void DeviceSdkWrapper::setFrameDumpEnable(bool available, int type)
{
    if (DumpChannel* c = channel(type)) {
        std::lock_guard<std::mutex> lock(c->lock);
        c->available = available;
    }
}

bool DeviceSdkWrapper::startFrameDump(const QString& path, int frameCount, FrameDumpCallback callback, void* user,
                                      int type)
{
    DumpChannel* c = channel(type);
    if (!c) return false;
    if (USBSDK_Connect() == 0) return false;
    std::lock_guard<std::mutex> lock(c->lock);
    if (!c->available || c->active) return false;
    c->wanted = frameCount;
    c->written = 0;
    c->path = path;
    c->callback = callback;
    c->user = user;
    c->file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!c->file) return false;
    c->active = true;
    return true;
}

void DeviceSdkWrapper::writeFrameDump(const RealPlayFrame& frame, int type)
{
    DumpChannel* c = channel(type);
    if (!c) return;
    std::lock_guard<std::mutex> lock(c->lock);
    if (!c->active || !c->file || c->written >= c->wanted) return;
    const uint8_t* data = type == kDumpYuv ? frame.pYuv : frame.pRaw;
    const int32_t length = type == kDumpYuv ? frame.nYuvLen : frame.nRawLen;
    if (!data || length < 1 || std::fwrite(data, 1, size_t(length), c->file) != size_t(length)) {
        stopLocked(*c);
        return;
    }
    ++c->written;
    if (c->callback) c->callback(c->written, c->wanted, c->user, 0);
    if (c->written == c->wanted) stopLocked(*c);
}

void DeviceSdkWrapper::stopFrameDump(int type)
{
    if (DumpChannel* c = channel(type)) {
        std::lock_guard<std::mutex> lock(c->lock);
        stopLocked(*c);
    }
}

void DeviceSdkWrapper::stopLocked(DumpChannel& c)
{
    if (c.active && c.written != c.wanted && c.callback) c.callback(c.written, c.wanted, c.user, 1);
    if (c.file) {
        std::fclose(c.file);
        c.file = nullptr;
    }
    c.written = 0;
    c.wanted = 0;
    c.active = false;
}
