// The program's one way into the camera layer: one member per camera call,
// named after it without "USBSDK_", reporting success as bool; the device
// state several pages share (sleeping, frozen, cached flip mode, automatic
// recording schedule); and the frame dump that writes a number of live
// frames, YUV or raw, into a file.
//
// Threads: forwarding members run on whatever thread calls them (the GUI
// thread and the device-command workers); serialising camera commands is
// the callers' business. The dump is started on the GUI thread and written
// and stopped on the camera layer's frame thread: each dump channel has its
// own lock. The shared flags are atomics.
#pragma once

#include <QString>

#include <atomic>
#include <cstdio>
#include <mutex>

#include "DeviceSdkForwards.h"
#include "RealPlayFrame.h"
#include "camsdk.h"

class DeviceSdkWrapper {
public:
    // Progress of a frame dump: written of total frames; finished 1 when the
    // dump ended before reaching the total. Runs on the frame thread.
    using FrameDumpCallback = void (*)(int written, int total, void* user, int finished);

    enum DumpType { kDumpYuv = 0, kDumpRaw = 1 };

    // The process-wide instance, created on first use.
    static DeviceSdkWrapper& getInstance();

#define CALIDRA_DECLARE_FORWARD(name, params, args) bool name params;
    CALIDRA_SDK_FORWARDS(CALIDRA_DECLARE_FORWARD)
#undef CALIDRA_DECLARE_FORWARD
#define CALIDRA_DECLARE_INT_FORWARD(name, params, args) int name params;
    CALIDRA_SDK_INT_FORWARDS(CALIDRA_DECLARE_INT_FORWARD)
#undef CALIDRA_DECLARE_INT_FORWARD

    // Members that add a fixed argument or keep state.
    bool GetSerialNumber(char* buf);     // buf holds at least 32 bytes
    bool GetSoftwareVersion(char* buf);  // buf holds at least 32 bytes
    bool SetSFFCEnable(int enable);      // any non-zero value is passed as 1
    bool SetDataCollectInterval(int seconds);
    bool StopDataCollectInterval();
    bool SetSleepMode(int mode);       // 5 puts the camera to sleep
    bool GetImageFlipMode(int* mode);  // the cache follows the result
    bool SetImageFlipMode(int mode);
    bool SetPseudoIsotherm(bool enable, short low, short high);

    bool isSleeping() const
    {
        return sleeping_.load();
    }
    bool isFrozen() const
    {
        return frozen_.load();
    }
    void setFrozen(bool frozen)
    {
        frozen_.store(frozen);
    }
    int getFlipMode() const
    {
        return flipMode_.load();
    }
    void setAutoRecordTime(int enabled, int startHour, int endHour);
    void getAutoRecordTime(int* enabled, int* startHour, int* endHour) const;

    // Frame dump. The frame intake marks which kinds its stream carries;
    // a dump of a kind starts only while the camera is connected, the kind
    // is available and no dump of it runs.
    void setFrameDumpEnable(bool available, int type);
    bool startFrameDump(const QString& path, int frameCount, FrameDumpCallback callback, void* user, int type);
    void writeFrameDump(const RealPlayFrame& frame, int type);
    void stopFrameDump(int type);

    DeviceSdkWrapper(const DeviceSdkWrapper&) = delete;
    DeviceSdkWrapper& operator=(const DeviceSdkWrapper&) = delete;

private:
    DeviceSdkWrapper() = default;
    // Stops both dumps, so frames already handed to the file are kept.
    ~DeviceSdkWrapper();

    struct DumpChannel {
        std::mutex lock;
        bool available = false;
        bool active = false;
        int written = 0;
        int wanted = 0;
        QString path;
        std::FILE* file = nullptr;  // owned; open while active
        FrameDumpCallback callback = nullptr;
        void* user = nullptr;
    };
    DumpChannel* channel(int type);
    // With the channel's lock held.
    static void stopLocked(DumpChannel& channel);

    std::atomic<bool> sleeping_{false};
    std::atomic<bool> frozen_{false};
    std::atomic<int> flipMode_{0};
    mutable std::mutex scheduleLock_;
    int autoRecord_[3] = {0, 0, 0};  // enabled, start hour, end hour
    DumpChannel raw_;                // type 1
    DumpChannel yuv_;                // type 0
};
