#include "Logger.h"

#include <cstdlib>
#include <ctime>
#include <sys/time.h>

namespace thermcore {

namespace {
constexpr const char* kPictureLog = "thermcoreGragh.log";
constexpr const char* kThermalLog = "thermal.log";
}  // namespace

Logger& Logger::instance()
{
    static Logger logger;
    return logger;
}

std::string Logger::directory()
{
    const char* dir = std::getenv("THERMCORE_LOG_DIR");
    if (!dir || !*dir) return std::string();
    std::string path(dir);
    if (path.back() != '/') path.push_back('/');
    return path;
}

bool Logger::acquire(File& file, const char* name)
{
    if (!file.handle) {
        file.handle = std::fopen((directory() + name).c_str(), "a");
        if (!file.handle) return false;
    }
    ++file.users;
    return true;
}

void Logger::release(File& file)
{
    if (file.users > 0 && --file.users == 0 && file.handle) {
        std::fclose(file.handle);
        file.handle = nullptr;
    }
}

int Logger::setPictureLog(bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (on == pictureOn_) return 0;
    if (on) {
        if (!acquire(picture_, kPictureLog)) return -1;
    } else {
        release(picture_);
    }
    pictureOn_ = on;
    return 0;
}

int Logger::setLiveLog(bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (on == liveOn_) return on && !liveHoldsThermal_ ? -1 : 0;
    if (on) {
        liveHoldsPicture_ = acquire(picture_, kPictureLog);
        liveHoldsThermal_ = acquire(thermal_, kThermalLog);
    } else {
        if (liveHoldsPicture_) release(picture_);
        if (liveHoldsThermal_) release(thermal_);
        liveHoldsPicture_ = liveHoldsThermal_ = false;
    }
    liveOn_ = on;
    return on && !liveHoldsThermal_ ? -1 : 0;
}

bool Logger::enabled(LogChannel channel) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return channel == LogChannel::Picture ? pictureOn_ : liveOn_;
}

void Logger::writeLine(File& file, const char* format, va_list args)
{
    if (!file.handle) return;
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    char stamp[40];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(file.handle, "[%s.%03ld] ", stamp, static_cast<long>(now.tv_usec / 1000));
    std::vfprintf(file.handle, format, args);
    std::fputc('\n', file.handle);
    std::fflush(file.handle);
}

void Logger::write(LogChannel channel, const char* format, ...)
{
    std::lock_guard<std::mutex> lock(mutex_);
    va_list args;
    va_start(args, format);
    if (channel == LogChannel::Picture) {
        if (pictureOn_) writeLine(picture_, format, args);
    } else if (liveOn_) {
        writeLine(thermal_, format, args);
    }
    va_end(args);
}

void Logger::console(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    std::putchar('\n');
    va_end(args);
}

}  // namespace thermcore
