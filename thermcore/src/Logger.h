// Log files of thermcore. The picture side writes "thermcoreGragh.log" while
// writeHeatMapLog is on; the live side writes "thermal.log" (and shares the
// picture file) while RADAPI_writeLog is on. Files live in $THERMCORE_LOG_DIR,
// else the working directory, and are appended to. One open handle per file,
// however many channels use it.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

namespace thermcore {

enum class LogChannel { Picture, Live };

class Logger {
public:
    static Logger& instance();

    // Switches the picture log on (opening its file) or off (closing it).
    // -1 when the file cannot be opened; logging then stays off.
    int setPictureLog(bool on);
    // Switches the live log on or off. Returns the open status of "thermal.log".
    int setLiveLog(bool on);

    bool enabled(LogChannel channel) const;
    // Appends one line (a newline is added) while the channel is on.
    void write(LogChannel channel, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Messages that go to standard output whatever the logs say
    // (null arguments and arithmetic guards).
    static void console(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // Folder of the log files, with a trailing separator (empty = working directory).
    static std::string directory();

private:
    Logger() = default;
    struct File {
        std::FILE* handle = nullptr;
        int users = 0;
    };
    bool acquire(File& file, const char* name);
    void release(File& file);
    void writeLine(File& file, const char* format, va_list args);

    mutable std::mutex mutex_;
    File picture_;  // thermcoreGragh.log
    File thermal_;  // thermal.log
    bool pictureOn_ = false;
    bool liveOn_ = false;
    bool liveHoldsPicture_ = false;
    bool liveHoldsThermal_ = false;
};

}  // namespace thermcore

// Formats only when the channel is on.
#define TC_LOG(channel, ...)                                                   \
    do {                                                                       \
        ::thermcore::Logger& tcLogger_ = ::thermcore::Logger::instance();      \
        if (tcLogger_.enabled(channel)) tcLogger_.write(channel, __VA_ARGS__); \
    } while (0)
#define TC_PLOG(...) TC_LOG(::thermcore::LogChannel::Picture, __VA_ARGS__)
